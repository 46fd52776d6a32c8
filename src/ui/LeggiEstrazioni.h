#pragma once

#include "core/Caricamento.h"
#include "core/Stato.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;

namespace ui {

/**
 * The loading window "LETTURA ESTRAZIONI": counts the draws on disk, lets the user narrow the window
 * of draws to load with two scroll bars, and loads it into memory. It opens with the whole archive
 * chosen and cannot be closed before the load. An empty archive (or a missing RUOTE folder) leads to
 * the emergency question: its Yes restores the newest backup or imports a draws file, and the opening
 * goes on with the new archive; otherwise the program ends during the opening: programmaTerminato()
 * then tells the caller not to show the window.
 */
class LeggiEstrazioni : public QDialog {
    Q_OBJECT
public:
    LeggiEstrazioni(core::Stato& stato, QWidget* genitore = nullptr);

    /** True when the opening found an empty archive and the program must end. */
    bool programmaTerminato() const { return m_programmaTerminato; }
    /** True once the draws are loaded. */
    bool caricato() const { return m_caricato; }

    /** Loads the chosen window of draws and closes the window (the "OK" of the main panel). */
    void cmdSkip_Click();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void reject() override;

private:
    void costruisci();
    void apertura();
    /** Shows a warning of the loading, when there is one. */
    void avvisa(const std::optional<core::Avviso>& avviso);
    void Imposta_Scroll_Periodo();
    void Scrivi_Label();
    void chkUltimaArchivio_Click();
    bool ripristinoDiEmergenza();
    void hscPrimaDefault_Change();
    void hscUltimaDefault_Change();
    void cmdOpzioni_Click();
    void cmdOK_Click();
    void avanzamento(int letti);

    core::Stato& m_stato;
    core::ArchivioAperto m_archivio;
    bool m_caricato = false;
    bool m_programmaTerminato = false;
    bool m_cartellaNuova = false; ///< the folder held neither settings nor archive files at the opening

    QLabel* lblDal = nullptr;
    QLabel* lblAl = nullptr;
    QLabel* lblIntervallo2 = nullptr;
    QLabel* lblSecondi = nullptr;
    QLabel* lblEstrazioniLette = nullptr;
    QProgressBar* prgMemorizzazioneEstrazioni = nullptr;
    QPushButton* cmdSkip = nullptr;
    QPushButton* cmdOpzioni = nullptr;
    QPushButton* cmdHelp = nullptr;
    QGroupBox* fmeOpzioni = nullptr;
    QScrollBar* hscPrimaDefault = nullptr;
    QLabel* lblEstrazionePrima = nullptr;
    QLabel* lblDataPrima = nullptr;
    QLabel* lblConcorsoPrima = nullptr;
    QCheckBox* chkUltimaArchivio = nullptr;
    QScrollBar* hscUltimaDefault = nullptr;
    QLabel* lblEstrazioneUltima = nullptr;
    QLabel* lblDataUltima = nullptr;
    QLabel* lblConcorsoUltima = nullptr;
    QLabel* lblIntervallo = nullptr;
    QPushButton* cmdOK = nullptr;
};

/**
 * Shows the loading window modally and, once the draws are loaded, derives the year tables, the
 * wheel selection and the options from them. Returns false when the program must end (empty archive).
 */
bool Carica_Archivio(core::Stato& stato, QWidget* genitore = nullptr);

} // namespace ui
