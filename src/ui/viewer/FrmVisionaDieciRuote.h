#pragma once

#include "core/Stato.h"
#include "viewer/Pannelli.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableWidget;

namespace ui {

/**
 * "Sfoglia Archivio": the loaded draws four at a time, each panel showing the five numbers of all ten
 * wheels with the draw's date, contest text and index. A navigation bar with a short and a long step
 * moves through the draws. When it is brought to the front after the archive in memory was reloaded or
 * changed, the window says so once and reads the draws again.
 */
class frmVisionaDieciRuote : public QWidget {
    Q_OBJECT
public:
    /** `principale` is the window that Esc brings back to the front. */
    explicit frmVisionaDieciRuote(core::Stato& stato, QWidget* principale = nullptr);

    /** Clears the date and number grids of panel g (1..4) and sets their widths and alignment. */
    void Reset_Griglia(int g);
    /** Writes the wheel names and the three captions, then clears the four panels. */
    void Reset_Griglie();
    /** Writes the date, contest text and index of a panel. */
    void Scrivi_Date_mfgSpecifici(int g, const viewer::Pannello& pannello);
    /** Sets the three bars to their opening values and shows the last loaded draw in panel 1. */
    void Imposta_HscEstrazioni();

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void Form_Load();
    void Form_Activate();
    void hscEstrazioni_Change();
    void hscSmall_Change();
    void hscLarge_Change();
    void impostaPuntatore();
    /** Moves the panels to the date typed in txtData, or says that it is not a date. */
    void vaiAllaData();

    core::Stato& m_stato;
    QPointer<QWidget> m_principale;
    bool m_inAttivazione = false;
    bool m_centrata = false;
    int m_larghezzaNumero = 0;
    int m_larghezzaSpecifici = 0;
    QTableWidget* mfgGrigliaRuote = nullptr;
    QTableWidget* mfgGrigliaDati = nullptr;
    std::array<QTableWidget*, viewer::NUMERO_PANNELLI + 1> mfgVisiona{};   ///< index 1..4
    std::array<QTableWidget*, viewer::NUMERO_PANNELLI + 1> mfgSpecifici{}; ///< index 1..4
    QScrollBar* hscEstrazioni = nullptr;
    QScrollBar* hscSmall = nullptr;
    QScrollBar* hscLarge = nullptr;
    QLabel* lblSmall = nullptr;
    QLabel* lblLarge = nullptr;
    QPushButton* cmdInizio = nullptr;
    QPushButton* cmdine = nullptr;
    QRadioButton* optTipoArchivio = nullptr;
    QLineEdit* txtData = nullptr;
    int m_rotella = 0; ///< the wheel's turn not yet made into a step
};

} // namespace ui
