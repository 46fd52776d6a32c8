#pragma once

#include "core/Campi.h"
#include "core/Stato.h"
#include "selection/Riepilogo.h"
#include "stats/Navigazione.h"
#include "stats/RicercaNumeri.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QScrollBar;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QTableWidget;

namespace ui {

/**
 * What the number and pair windows share: "AVVIO" with its question and refusals, the progress bar,
 * the navigation from wheel to wheel, the ordering menu, the options frame and its settings fields,
 * the status bar, export, Esc and the buttons that open the wheel and period windows. A subclass
 * supplies the search, one result page per column and the writing of its grids.
 */
class FinestraRicerca : public QWidget {
    Q_OBJECT
public:
    /** "AVVIO": asks, checks wheels and period, searches and shows the results. */
    void cmdAVVIO_Click();
    void cmdRuotaPiu_Click();
    void cmdRuotaMeno_Click();
    /** Orders the shown column by a key (1 number .. 4 maximum delay), as the ordering menu does, in the
     * window's order ("Crescente" or "Decrescente"). */
    void ordina(int criterio);
    /** "Crescente" / "Decrescente" of the ordering menu: keeps the choice and orders the shown column
     * again by its key. */
    void ordinaDecrescente(bool decrescente);
    /** Shows under the buttons the period and wheels of the results, and whether they have changed since. */
    void aggiornaPeriodoRicerca();
    /** Writes the shown column, in its shown order, to a CSV file chosen by the user. */
    void cmdEsporta_Click();
    /** "Grafico": opens the chart of the number or pair of the cell last clicked in the shown grid. */
    void cmdGrafico_Click();
    /** Opens the chart of the number or pair of cell (riga, colonnaGriglia) of column c's grid, as its double
     * click does. */
    virtual void apriGrafico(int colonna, int riga, int colonnaGriglia);

    /** 0 pressed, 1 refused, 2 running or found nothing, 3 completed. */
    int Stato_Ricerca() const { return m_statoRicerca; }
    /** "Mostra il caso" is ticked. */
    bool mostraCaso() const;
    /** The chance figures of cell (riga, colonnaGriglia) of column c's grid as its tooltip shows them; empty
     * for a cell of no item or before a search. */
    QString testoCaso(int colonna, int riga, int colonnaGriglia) const;
    bool Risultati_Disponibili() const { return m_risultatiDisponibili; }

protected:
    /**
     * `campi`: the settings fields of its four options (hover highlighting, status bar, general and
     * single-wheel grid colour); `decrescente`: the field keeping the order of the keys; `caso`: the
     * field of "Mostra il caso" (an empty one for a window without the option, which shows no chance);
     * `argomentoGuida`: the help topic that "Guida" opens.
     */
    FinestraRicerca(core::Stato& stato, QWidget* principale, const std::array<core::Campo, 4>& campi,
                    const core::Campo& decrescente, const core::Campo& caso, const QString& argomentoGuida);
    /** Builds the window around the eleven result pages (index = column). */
    void costruisci(const std::array<QWidget*, core::NUMERO_RUOTE + 1>& pagine);
    /** After costruisci: a row of the search's own parameters, under the navigation row. */
    void inserisciParametri(QWidget* parametri);
    /** What the period line adds after the period ("— Posizione: 1ª"); empty for nothing. */
    virtual QString aggiuntaPeriodo() const { return {}; }
    /** Whether the ordering menu offers the key (1 number .. 4 maximum delay). */
    virtual bool criterioOfferto(int /*criterio*/) const { return true; }

    /** Runs the search; false when the period held no draw. */
    virtual bool eseguiRicerca(const stats::Avanzamento& avanzamento) = 0;
    /** After the search: writes the grids of the selected columns and column 0. */
    virtual void concludiRicerca(bool completa) = 0;
    /** Orders column c by the key, descending with `decrescente`, and rewrites its grid. */
    virtual void ordinaColonna(int colonna, int criterio, bool decrescente) = 0;
    /** The shown column's results as CSV text. */
    virtual std::string testoCsv(int colonna) const = 0;
    /** The proposed file name for the export, without folder ("frequenze_ritardi"). */
    virtual QString prefissoFile() const = 0;
    /** The grid of column c (its cells open a chart). */
    virtual QTableWidget* grigliaGrafico(int colonna) const = 0;
    /** The bar that pages column c's grid, which the mouse wheel over the grid moves; null when none. */
    virtual QScrollBar* barraGriglia(int /*colonna*/) const { return nullptr; }
    /** The numbers that cell (riga, colonnaGriglia) of column c's grid shows; empty for a cell of none. */
    virtual std::vector<int> numeriDellaCella(int /*colonna*/, int /*riga*/, int /*colonnaGriglia*/) const {
        return {};
    }

    /** Frequency, current delay and maximum delay of `numeri` (a number, pair or triple) in column c. */
    virtual std::array<int, 3> valoriDi(int colonna, const std::vector<int>& numeri) const = 0;
    /** The position of the draw the last search counted (1..5), 0 for every number. */
    virtual int posizioneCercata() const { return 0; }
    /** What chance needs of the columns of the last search. */
    virtual const stats::BaseCaso& baseCaso() const = 0;
    /** What chance needs of the item of a cell: its chance in one wheel draw and its three counts. */
    struct ElementoCaso {
        double probabilita = 0;
        std::array<int, 3> valori{};
    };
    /** The item of cell (riga, colonnaGriglia) of column c; by default the number, pair or triple it shows
     * (numeriDellaCella, valoriDi). Empty for a cell of no item. */
    virtual std::optional<ElementoCaso> elementoDellaCella(int colonna, int riga, int colonnaGriglia) const;
    /** "Mostra il caso" was ticked or cleared: a grid that shows chance in columns shows or hides them. */
    virtual void casoCambiato() {}

    /** For a window about chance, built without the option: its figures always shown. */
    void mostraSempreIlCaso();
    /** A button of the subclass in the bottom row, before "Esporta". */
    QPushButton* aggiungiPulsante(const char* nome, const QString& testo, const QString& suggerimento);

    /** Shows the grid of the column of the current position, with its caption and key. */
    void mostraPosizione();
    void MOSTRA_RUOTA_RICERCA();
    void nascondiPopup();
    void impostaRicerca(const QString& testo);
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

    core::Stato& m_stato;
    stats::Navigazione m_navigazione;
    int m_statoRicerca = 0;
    bool m_risultatiDisponibili = false;
    QLabel* lblRicerca = nullptr;
    QLabel* lblOrdinamento = nullptr;
    QLabel* lblPeriodoRicerca = nullptr;
    QPushButton* cmdAVVIO = nullptr;

private:
    QFrame* costruisciMenuOrdinamento();
    QFrame* costruisciOpzioni();
    void Settaggio_Iniziale_Form();
    /** The status line of a chosen cell: the chance of its current delay in words, with "Mostra il caso". */
    void mostraFraseCaso(int colonna, int riga, int colonnaGriglia);
    void Settaggio_Menu_Ordinamento();
    void mostraCriterio(int criterio);
    void mostraOrdine(bool decrescente);
    void Imposta_Status_Bar();
    void evidenziaVoce(int indice);
    void applicaColori();
    void aggiornaAvanzamento(int percentuale);
    void portaPrincipaleInPrimoPiano();
    /** After a move from column `prima`: the column shown takes its ordering, then shows. */
    void ereditaOrdine(int prima);

    QPointer<QWidget> m_principale;
    std::array<core::Campo, 4> m_campi;
    core::Campo m_campoDecrescente;
    core::Campo m_campoCaso;
    bool m_decrescente = false; ///< the window's order of the keys, kept in m_campoDecrescente
    selection::PeriodoCercato m_periodoCercato; ///< what the shown results were computed on
    int m_criterioMostrato = stats::NUMERICO;   ///< the key that lblOrdinamento shows
    QString m_argomentoGuida;
    bool m_sensoriAttivi = false;
    bool m_centrata = false;
    int m_rotellaAccumulata = 0; ///< the wheel's turn over a grid not yet made into rows
    QString m_sigleRuote;
    QProgressBar* prgRicerca = nullptr;
    QLabel* lblPrb = nullptr;
    QStackedWidget* m_pila = nullptr;
    QLabel* lblRuoteRicerca = nullptr;
    QLabel* lblOrdine = nullptr;
    QPushButton* cmdOrdinamento = nullptr;
    QPushButton* cmdOpzioniRicerche = nullptr;
    QFrame* fmeOrdinamento = nullptr;
    QFrame* fmeOpzioniRicerche = nullptr;
    std::array<QLabel*, 10> lblMnu{};
    QCheckBox* chk_ColoreGrigliaGenerale = nullptr;
    QCheckBox* chk_ColoreGrigliaSingola = nullptr;
    QCheckBox* chkStatusBar = nullptr;
    QCheckBox* chkSfioramentoSensori = nullptr;
    QCheckBox* chkCaso = nullptr;
    QStatusBar* sbrRicerca = nullptr;
    QHBoxLayout* m_rigaPulsanti = nullptr;
    std::array<QLabel*, 5> m_pannelli{};
    QLabel* pctPubblicitaRicerche = nullptr;
    std::array<std::pair<int, int>, core::NUMERO_RUOTE + 1>
        m_cellaScelta{}; ///< per column, the grid cell last clicked
};

} // namespace ui
