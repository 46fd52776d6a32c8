#pragma once

#include "core/Stato.h"
#include "stakes/Combinazioni.h"
#include "stakes/Poste.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTableWidget;

namespace ui {

/**
 * "Poste e combinazioni": the payout table and the calculator, in four tabs. "Riscossione Premi"
 * computes the cost of a ticket and what it collects; "N° Combinazioni" lists the combinations of
 * each sorte for tickets of 1 to 90 numbers; "Quote / Premi" shows what each sorte pays per unit of
 * stake on tickets of 1 to 10 numbers; "Imposta Quote" edits the payouts and the withholding, which
 * "Applica" puts in use and "Registra" also stores in the settings. Each opening re-reads the stored
 * payouts and starts the calculator afresh.
 */
class frmPosteCombinazioni : public QWidget {
    Q_OBJECT
public:
    explicit frmPosteCombinazioni(core::Stato& stato, QWidget* genitore = nullptr);

    /**
     * Shows the payouts the state holds after they were read again (a reload of the archive): the
     * payout grid, the calculator and, unless edits wait for "Applica", the editor.
     */
    void pagamentiRiletti();

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    QWidget* costruisciRiscossione();
    QWidget* costruisciCombinazioni();
    QWidget* costruisciQuote();
    QWidget* costruisciImpostaQuote();

    // The payout editor and grid.
    void Imposta_Quote();
    void mostraBarre();
    void hscPosta_Change(int barra);
    void cmdApplica_Click();
    void cmdRegistra_Click();
    void cmdDefault_Click();
    void applica();
    void Registra_Poste();
    void Scrivi_Moneta_Trattenuta();
    void Imposta_Quote_Premi();

    // The calculator and the combination grid.
    void Imposta_Numero_Combinazioni();
    void Scrivi_Pagamenti();
    void Imposta_Scroll_Pagamenti();
    void hscPuntata_Change(int sorte);
    /** What the stake label of sorte k shows for the bar at `posizione`: "--" when not played. */
    QString testoPuntata(int sorte, int posizione) const;
    void hscNumeriPerBolletta_Change();
    void hscNumeriIndovinati_Change();
    void hscNumeroRuote_Change();
    void Scrivi_Totale_Costo_Bolletta();
    void Calcola_Vincita_Poste();

    core::Stato& m_stato;
    stakes::Giocata m_giocata;
    bool m_centrata = false;

    std::array<QScrollBar*, stakes::NUMERO_BARRE_POSTE> hscPosta{};
    std::array<QLabel*, stakes::NUMERO_BARRE_POSTE> m_etichettePosta{}; // lblTrattenuta, lblPosta(1..5)
    QPushButton* cmdApplica = nullptr;
    QTableWidget* mfgQuote = nullptr;
    QRadioButton* optConTrattenuta = nullptr;
    QRadioButton* optSenzaTrattenuta = nullptr;

    QScrollBar* hscNumeriPerBolletta = nullptr;
    QScrollBar* hscNumeriIndovinati = nullptr;
    QScrollBar* hscNumeroRuote = nullptr;
    QLabel* lblNumeriPerBolletta = nullptr;
    QLabel* lblNumeriIndovinati = nullptr;
    QLabel* lblNumeroRuote = nullptr;
    std::array<QCheckBox*, 6> chkAttivato{};
    std::array<QScrollBar*, 6> hscPuntata{};
    std::array<QLabel*, 6> lblPuntata{};
    QLabel* lblTotaleCostoPerBolletta = nullptr;
    QLabel* lblRiscossione = nullptr;
    QLabel* lblTotaleVintoNetto = nullptr;
    QLabel* lblMostraTrattenuta = nullptr;
    QLabel* lblMoneta = nullptr;
    QTableWidget* mfgNComb = nullptr;
};

} // namespace ui
