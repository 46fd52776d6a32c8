#pragma once

#include "core/Stato.h"
#include "selection/Periodo.h"
#include "selection/Ricordo.h"
#include "selection/Riepilogo.h"

#include <QDialog>
#include <QPointer>

#include <array>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSpinBox;

namespace ui {

/**
 * "SELEZIONE del PERIODO di ricerca.": three bars choose the first draw, the last draw and a number
 * of whole years (cycles); "Applica" turns them into the search period that every search walks. The
 * window is created once and then only hidden and shown again, keeping its controls. When it is
 * created with Periodo_Da_Applicare set it applies the default period (every loaded draw) by itself.
 */
class frmPeriodo : public QDialog {
    Q_OBJECT
public:
    /** `attesa`, when given, is the wait window that the first application closes. */
    frmPeriodo(core::Stato& stato, QWidget* genitore = nullptr, QWidget* attesa = nullptr);

    /** "Applica": computes the period from the bars. */
    void cmdApplicaPeriodoFrazionato_Click();
    /** Puts the controls in their default position; the applied period is not touched. */
    void RESET_Periodo_FRAZIONATO_Ciclico();
    /** Shows the confirmed wheel selection in the read-only boxes and labels. */
    void Imposta_Ruote_Periodo();
    /**
     * A quick choice ("Ultime 18", "Anno in corso", "Dal anno"...): puts the two bars on its first and last
     * draw, as the user would move them (cycles back to 0, "Inizio annuale" off), and applies the period
     * without asking. Says so, changing nothing, when the choice finds no draw.
     */
    void applicaRapido(const selection::Intervallo& intervallo);
    /** Puts the bars on a remembered period (selection::barreRicordate) and applies it without asking. */
    void applicaRicordato(const selection::Barre& barre);

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void reject() override;

private:
    void costruisci();
    void START_Periodo();
    void hscDalFrazionato_Change();
    void hscAlFrazionato_Change();
    void hscCicliFrazionato_Change();
    void chkInizioAnnualeFrazionato_Click();
    void chkLimitScrollbar_Click();
    void cmdResetFrazionato_Click();
    void cmdChiudi_Click();
    void mostraEstrazione(int d, QLabel* data, QLabel* concorso, QLabel* indice);
    void impostaMassimoCicli(int d);
    void applicaBarre(bool conferma);
    void costruisciRapidi(QBoxLayout* principale);

    core::Stato& m_stato;
    QPointer<QWidget> m_attesa;
    int m_primaRicordata = 0; ///< the first bar's draw before its latest move
    selection::InizioAnnuale m_inizioAnnuale;

    QScrollBar* hscDalFrazionato = nullptr;
    QScrollBar* hscAlFrazionato = nullptr;
    QScrollBar* hscCicliFrazionato = nullptr;
    QLabel* lblDataDalFrazionato = nullptr;
    QLabel* lblConcorsoDalFrazionato = nullptr;
    QLabel* lblEstrazioneDalFrazionato = nullptr;
    QLabel* lblDataAlFrazionato = nullptr;
    QLabel* lblConcorsoAlFrazionato = nullptr;
    QLabel* lblEstrazioneAlFrazionato = nullptr;
    QLabel* lblSelezionateFrazionato = nullptr;
    QLabel* LblAlFine = nullptr;
    QLabel* lblMaxHscCicliFrazionato = nullptr;
    QLabel* lblCicliFrazionato = nullptr;
    QLabel* lblTotaleEstrazioniCaricate = nullptr;
    QCheckBox* chkInizioAnnualeFrazionato = nullptr;
    QCheckBox* chkLimitScrollbar = nullptr;
    QCheckBox* chkConfermaApplica = nullptr;
    QPushButton* cmdApplicaPeriodoFrazionato = nullptr;
    QPushButton* cmdResetFrazionato = nullptr;
    QPushButton* cmdChiudi = nullptr;
    std::array<QCheckBox*, core::NUMERO_RUOTE + 1> chkRuotePeriodo{};
    QLabel* lblNumeroRuote = nullptr;
    QLabel* lblRuote = nullptr;
    QProgressBar* prgSelPeriodo = nullptr;
    QSpinBox* spnDalAnno = nullptr;
};

} // namespace ui
