#pragma once

#include "core/Stato.h"
#include "stats/Navigazione.h"
#include "stats/RicercaNumeri.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QTableWidget;

namespace ui {

/**
 * "FREQUENZE e RITARDI 90 NUMERI": frequency, current delay and maximum delay of the 90 numbers over
 * the search period, for the selected wheels together and for each of them, in eleven grids that the
 * user browses wheel by wheel and orders by any of the three statistics.
 */
class frmFREQRITESTRATTI : public QWidget {
    Q_OBJECT
public:
    /** `principale` is the window that Esc brings back to the front. */
    frmFREQRITESTRATTI(core::Stato& stato, QWidget* principale = nullptr);

    /** "AVVIO": asks, checks wheels and period, searches and shows the results. */
    void cmdAVVIO_Click();
    /** Orders the shown column by a key (1 number .. 4 maximum delay), as the ordering menu does. */
    void ordina(int criterio);
    void cmdRuotaPiu_Click();
    void cmdRuotaMeno_Click();
    /** Writes the shown column, in its shown order, to a CSV file chosen by the user. */
    void cmdEsporta_Click();

    /** 0 pressed, 1 refused, 2 running or found nothing, 3 completed. */
    int Stato_Ricerca() const { return m_statoRicerca; }
    bool Risultati_Disponibili() const { return m_risultatiDisponibili; }
    const stats::RisultatiNumeri& risultati() const { return m_risultati; }
    /** Grid of column c (0..10). */
    QTableWidget* mfgRicerca(int c) const { return m_griglie[static_cast<std::size_t>(c)]; }

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void costruisci();
    QFrame* costruisciMenuOrdinamento();
    QFrame* costruisciOpzioni();
    void Settaggio_Iniziale_Form();
    void Imposta_mfg_Ricerca(QTableWidget* griglia);
    void SCRIVI_DATI_RICERCA();
    void MOSTRA_RUOTA_RICERCA();
    void Settaggio_Menu_Ordinamento();
    void Imposta_Status_Bar();
    void evidenziaVoce(int indice);
    void mostraPosizione();
    void nascondiPopup();
    void applicaColori();
    void opzioneCambiata(QCheckBox* casella, int campo);
    void aggiornaAvanzamento(int percentuale);
    void portaPrincipaleInPrimoPiano();

    core::Stato& m_stato;
    QPointer<QWidget> m_principale;
    stats::RisultatiNumeri m_risultati;
    stats::Navigazione m_navigazione;
    std::array<std::array<int, 91>, 11> m_ordine{};
    std::array<bool, 11> m_daScrivere{};
    int m_statoRicerca = 0;
    bool m_risultatiDisponibili = false;
    bool m_sensoriAttivi = false;
    QString m_sigleRuote;

    QFrame* fmePrincipale = nullptr;
    QPushButton* cmdAVVIO = nullptr;
    QLabel* lblRicerca = nullptr;
    QProgressBar* prgRicerca = nullptr;
    QLabel* lblPrb = nullptr;
    QStackedWidget* m_pila = nullptr;
    std::array<QTableWidget*, 11> m_griglie{};
    QLabel* lblRuoteRicerca = nullptr;
    QLabel* lblOrdinamento = nullptr;
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
    QStatusBar* sbrRicerca = nullptr;
    std::array<QLabel*, 5> m_pannelli{};
    QLabel* pctPubblicitaRicerche = nullptr;
};

} // namespace ui
