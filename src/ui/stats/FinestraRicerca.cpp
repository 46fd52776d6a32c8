#include "FinestraRicerca.h"

#include "core/FileSicuro.h"
#include "selection/Ruote.h"
#include "stats/Caso.h"
#include "ui/Guida.h"
#include "ui/Posizione.h"
#include "ui/Principio.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Tastiera.h"
#include "ui/selection/AvvisoPeriodo.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"
#include "ui/stats/FrmGrafico.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace ui {

namespace {

const QColor COLORE_GRIGLIA(0, 255, 255);
/** Captions of the ordering menu's entries: the keys, then the two orders; there is no entry 2. */
const char* const VOCI_MENU[] = {
    "Numerico",  "Frequenza",   "",       "Ritardo Attuale",           "Ritardo Massimo", "",
    "Crescente", "Decrescente", "Scarto", "Rarità del ritardo attuale"};
constexpr int VOCE_CRESCENTE = 6;
constexpr int VOCE_DECRESCENTE = 7;
/** The entries top to bottom: the keys (chance's two, offered with "Mostra il caso", last), then the orders.
 */
constexpr int ORDINE_VOCI[] = {0, 1, 3, 4, 8, 9, 6, 7};

/** The key each entry of the ordering menu sets; 0 for the empty entries, which are not offered. */
constexpr int CRITERIO_VOCE[] = {1, 2, 0, 3, 4, 0, 0, 0, stats::SCARTO, stats::RARITA};
/** A wheel step over a paged grid moves it by three rows, as over a list. */
constexpr int RIGHE_PER_SCATTO = 3;

} // namespace

FinestraRicerca::FinestraRicerca(core::Stato& stato, QWidget* principale,
                                 const std::array<core::Campo, 4>& campi, const core::Campo& decrescente,
                                 const core::Campo& caso, const QString& argomentoGuida)
    : QWidget(nullptr, Qt::Window), m_stato(stato), m_principale(principale), m_campi(campi),
      m_campoDecrescente(decrescente), m_campoCaso(caso), m_argomentoGuida(argomentoGuida) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void FinestraRicerca::costruisci(const std::array<QWidget*, core::NUMERO_RUOTE + 1>& pagine) {
    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(4, 4, 4, 4);
    auto* fmePrincipale = new QFrame(this);
    fmePrincipale->setObjectName(QStringLiteral("fmePrincipale"));
    esterno->addWidget(fmePrincipale);
    auto* principale = new QVBoxLayout(fmePrincipale);
    principale->setContentsMargins(0, 0, 0, 0);
    principale->setSpacing(4);

    auto* riga1 = new QHBoxLayout;
    cmdAVVIO =
        pulsante(fmePrincipale, "cmdAVVIO", QStringLiteral("AVVIO"), QStringLiteral("Avvia la ricerca"));
    QFont grassetto = cmdAVVIO->font();
    grassetto.setBold(true);
    cmdAVVIO->setFont(grassetto);
    auto* cmdRuote = pulsante(fmePrincipale, "cmdRuote", QStringLiteral("Ruote"));
    auto* cmdPeriodo = pulsante(fmePrincipale, "cmdPeriodo", QStringLiteral("Selezione del Periodo"));
    lblRicerca = etichettaValore(fmePrincipale, "lblRicerca", 130);
    lblRicerca->setText(QStringLiteral("Nessuna Ricerca effettuata."));
    prgRicerca = new QProgressBar(fmePrincipale);
    prgRicerca->setObjectName(QStringLiteral("prgRicerca"));
    prgRicerca->setRange(0, 100);
    prgRicerca->setTextVisible(false);
    prgRicerca->setMaximumWidth(80);
    lblPrb = new QLabel(fmePrincipale);
    lblPrb->setObjectName(QStringLiteral("lblPrb"));
    lblPrb->setMinimumWidth(36);
    auto* cmdGrafico =
        pulsante(fmePrincipale, "cmdGrafico", QStringLiteral("Grafico"),
                 QStringLiteral("Il grafico del numero o dell'ambo scelto con un clic nella griglia "
                                "(anche con un doppio clic)"));
    riga1->addWidget(cmdAVVIO);
    riga1->addWidget(cmdRuote);
    riga1->addWidget(cmdPeriodo);
    riga1->addWidget(cmdGrafico);
    riga1->addWidget(lblRicerca, 1);
    riga1->addWidget(prgRicerca);
    riga1->addWidget(lblPrb);
    principale->addLayout(riga1);

    auto* riga2 = new QHBoxLayout;
    auto* cmdRuotaMeno =
        pulsante(fmePrincipale, "cmdRuotaMeno", QStringLiteral("◄"), QStringLiteral("Ruota indietro"));
    auto* cmdRuotaPiu =
        pulsante(fmePrincipale, "cmdRuotaPiu", QStringLiteral("►"), QStringLiteral("Ruota avanti"));
    for (QPushButton* freccia : {cmdRuotaMeno, cmdRuotaPiu})
        freccia->setMaximumWidth(36);
    lblRuoteRicerca = etichettaValore(fmePrincipale, "lblRuoteRicerca", 150);
    lblRuoteRicerca->setFont(grassetto);
    lblRuoteRicerca->setAlignment(Qt::AlignCenter);
    lblOrdinamento = new QLabel(fmePrincipale);
    mostraCriterio(stats::NUMERICO);
    lblOrdinamento->setObjectName(QStringLiteral("lblOrdinamento"));
    lblOrdinamento->setMinimumWidth(130);
    lblOrdinamento->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOrdine = new QLabel(QStringLiteral("Crescente"), fmePrincipale);
    lblOrdine->setObjectName(QStringLiteral("lblOrdine"));
    cmdOrdinamento =
        pulsante(fmePrincipale, "cmdOrdinamento", QStringLiteral("Ord."), QStringLiteral("Ordinamento dati"));
    cmdOpzioniRicerche = pulsante(fmePrincipale, "cmdOpzioniRicerche", QStringLiteral("Opzioni"));
    riga2->addWidget(cmdRuotaMeno);
    riga2->addWidget(lblRuoteRicerca, 1);
    riga2->addWidget(cmdRuotaPiu);
    riga2->addSpacing(8);
    riga2->addWidget(lblOrdinamento);
    riga2->addWidget(lblOrdine);
    riga2->addWidget(cmdOrdinamento);
    riga2->addWidget(cmdOpzioniRicerche);
    principale->addLayout(riga2);

    lblPeriodoRicerca = new QLabel(fmePrincipale);
    lblPeriodoRicerca->setObjectName(QStringLiteral("lblPeriodoRicerca"));
    // One line whatever it says, so that the grid below keeps its room at 800x600: the line never
    // widens the window, and its whole text is also in its tooltip.
    lblPeriodoRicerca->setWordWrap(false);
    lblPeriodoRicerca->setTextFormat(Qt::PlainText);
    lblPeriodoRicerca->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    lblPeriodoRicerca->setFixedHeight(lblPeriodoRicerca->fontMetrics().height() + 2);
    principale->addWidget(lblPeriodoRicerca);

    m_pila = new QStackedWidget(fmePrincipale);
    for (QWidget* pagina : pagine)
        m_pila->addWidget(pagina);
    principale->addWidget(m_pila, 1);

    auto* riga3 = m_rigaPulsanti = new QHBoxLayout;
    sbrRicerca = new QStatusBar(fmePrincipale);
    sbrRicerca->setObjectName(QStringLiteral("sbrRicerca"));
    sbrRicerca->setSizeGripEnabled(false);
    for (int i = 1; i <= 4; ++i) {
        auto* etichetta = new QLabel(sbrRicerca);
        etichetta->setObjectName(QStringLiteral("sbrRicerca_%1").arg(i));
        sbrRicerca->addWidget(etichetta, i == 1 ? 2 : 1);
        m_pannelli[static_cast<std::size_t>(i)] = etichetta;
    }
    sbrRicerca->hide();
    pctPubblicitaRicerche =
        new QLabel(QStringLiteral("Quintaro — conta e mostra ciò che l'archivio contiene"), fmePrincipale);
    pctPubblicitaRicerche->setObjectName(QStringLiteral("pctPubblicitaRicerche"));
    pctPubblicitaRicerche->setStyleSheet(QStringLiteral("color: #0b3d91; font-style: italic;"));
    pctPubblicitaRicerche->setMinimumWidth(10);
    auto* cmdEsporta = pulsante(fmePrincipale, "cmdEsporta", QStringLiteral("Esporta"),
                                QStringLiteral("Salva in un file CSV i dati della griglia mostrata"));
    auto* cmdHelp = pulsante(fmePrincipale, "cmdHelp", QStringLiteral("Guida"));
    auto* cmdVirtualCopy = pulsante(fmePrincipale, "cmdVirtualCopy", QStringLiteral("Menu"),
                                    QStringLiteral("Porta in primo piano la finestra principale"));
    auto* cmdPrincipale = pulsante(fmePrincipale, "cmdPrincipale", QStringLiteral("Chiudi"),
                                   QStringLiteral("Finestra Principale"));
    riga3->addWidget(sbrRicerca, 1);
    riga3->addWidget(pctPubblicitaRicerche, 1);
    for (QPushButton* tasto : {cmdEsporta, cmdHelp, cmdVirtualCopy, cmdPrincipale})
        riga3->addWidget(tasto);
    principale->addLayout(riga3);
    // Room for the status texts beside the buttons. A strut, unlike a minimum width of the window,
    // leaves the layout free to widen the window to its widest grid.
    esterno->addStrut(740 - esterno->contentsMargins().left() - esterno->contentsMargins().right());

    fmeOrdinamento = costruisciMenuOrdinamento();
    fmeOpzioniRicerche = costruisciOpzioni();

    connect(cmdAVVIO, &QPushButton::clicked, this, &FinestraRicerca::cmdAVVIO_Click);
    connect(cmdRuotaPiu, &QPushButton::clicked, this, &FinestraRicerca::cmdRuotaPiu_Click);
    connect(cmdRuotaMeno, &QPushButton::clicked, this, &FinestraRicerca::cmdRuotaMeno_Click);
    connect(cmdEsporta, &QPushButton::clicked, this, &FinestraRicerca::cmdEsporta_Click);
    connect(cmdGrafico, &QPushButton::clicked, this, &FinestraRicerca::cmdGrafico_Click);
    m_cellaScelta.fill({-1, -1});
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        QTableWidget* griglia = grigliaGrafico(c);
        if (!griglia) continue;
        // The cell chosen tells the chance of its delay on the status line.
        connect(griglia, &QTableWidget::cellClicked, this, [this, c](int riga, int colonnaGriglia) {
            m_cellaScelta[static_cast<std::size_t>(c)] = {riga, colonnaGriglia};
            mostraFraseCaso(c, riga, colonnaGriglia);
        });
        connect(griglia, &QTableWidget::cellDoubleClicked, this,
                [this, c](int riga, int colonnaGriglia) { apriGrafico(c, riga, colonnaGriglia); });
        griglia->viewport()->installEventFilter(this); // the wheel over a paged grid, the chance tooltips
    }
    connect(&AvvisoPeriodo::istanza(), &AvvisoPeriodo::cambiato, this,
            &FinestraRicerca::aggiornaPeriodoRicerca);
    connect(cmdOrdinamento, &QPushButton::clicked, this, [this] {
        fmeOpzioniRicerche->hide();
        if (m_risultatiDisponibili && fmeOrdinamento->isHidden()) {
            Settaggio_Menu_Ordinamento();
            fmeOrdinamento->adjustSize();
            const QPoint sotto = cmdOrdinamento->mapTo(this, QPoint(0, cmdOrdinamento->height()));
            fmeOrdinamento->move(std::min(sotto.x(), width() - fmeOrdinamento->width() - 4), sotto.y());
            fmeOrdinamento->show();
            fmeOrdinamento->raise();
        }
    });
    connect(cmdOpzioniRicerche, &QPushButton::clicked, this, [this] {
        fmeOrdinamento->hide();
        const QPoint sotto = cmdOpzioniRicerche->mapTo(this, QPoint(0, cmdOpzioniRicerche->height()));
        fmeOpzioniRicerche->adjustSize();
        fmeOpzioniRicerche->move(std::min(sotto.x(), width() - fmeOpzioniRicerche->width() - 4), sotto.y());
        fmeOpzioniRicerche->show();
        fmeOpzioniRicerche->raise();
    });
    connect(cmdRuote, &QPushButton::clicked, this, [this] {
        nascondiPopup();
        frm_Ruote finestra(m_stato, this);
        finestra.exec();
    });
    connect(cmdPeriodo, &QPushButton::clicked, this, [this] {
        nascondiPopup();
        if (auto* principale = qobject_cast<PRINCIPIO*>(m_principale.data())) {
            principale->mostraPeriodo();
        } else {
            frmPeriodo finestra(m_stato, this);
            finestra.exec();
        }
    });
    connect(cmdHelp, &QPushButton::clicked, this, [this] {
        nascondiPopup();
        mostraGuida(this, m_argomentoGuida);
    });
    connect(cmdVirtualCopy, &QPushButton::clicked, this, &FinestraRicerca::portaPrincipaleInPrimoPiano);
    connect(cmdPrincipale, &QPushButton::clicked, this, [this] {
        nascondiPopup();
        close();
    });
    // Moving over the other controls hides the pop-up frames.
    for (QWidget* sensibile :
         std::initializer_list<QWidget*>{m_pila, cmdOrdinamento, cmdOpzioniRicerche, cmdAVVIO, cmdGrafico,
                                         cmdPeriodo, cmdPrincipale, cmdRuotaMeno, cmdRuotaPiu, cmdRuote,
                                         lblOrdinamento, lblOrdine, lblRicerca, lblRuoteRicerca, prgRicerca})
        sensibile->installEventFilter(this);
    Settaggio_Iniziale_Form();
}

void FinestraRicerca::inserisciParametri(QWidget* parametri) {
    auto* principale = static_cast<QVBoxLayout*>(lblPeriodoRicerca->parentWidget()->layout());
    principale->insertWidget(principale->indexOf(lblPeriodoRicerca), parametri);
    // Tab reaches them after the buttons above them, not after the last button of the window.
    QWidget* prima = cmdOpzioniRicerche;
    for (QWidget* controllo : parametri->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (controllo->focusPolicy() & Qt::TabFocus) {
            setTabOrder(prima, controllo);
            prima = controllo;
        }
}

QPushButton* FinestraRicerca::aggiungiPulsante(const char* nome, const QString& testo,
                                               const QString& suggerimento) {
    auto* tasto = pulsante(this, nome, testo, suggerimento);
    // Before Esporta, Guida, Menu and Chiudi, the last four of the row.
    m_rigaPulsanti->insertWidget(m_rigaPulsanti->count() - 4, tasto);
    return tasto;
}

QFrame* FinestraRicerca::costruisciMenuOrdinamento() {
    auto* menu = new QFrame(this);
    menu->setObjectName(QStringLiteral("fmeOrdinamento"));
    menu->setFrameShape(QFrame::Box);
    menu->setAutoFillBackground(true);
    QPalette colori = menu->palette();
    colori.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x68));
    menu->setPalette(colori);
    auto* voci = new QVBoxLayout(menu);
    for (int i : ORDINE_VOCI) {
        auto* voce = new QLabel(QString::fromUtf8(VOCI_MENU[i]), menu);
        voce->setObjectName(QStringLiteral("lblMnu_%1").arg(i));
        voce->setMinimumWidth(150);
        voce->installEventFilter(this);
        lblMnu[static_cast<std::size_t>(i)] = voce;
        voci->addWidget(voce);
    }
    menu->hide();
    return menu;
}

QFrame* FinestraRicerca::costruisciOpzioni() {
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fmeOpzioniRicerche"));
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    auto* caselle = new QVBoxLayout(frame);
    const auto casella = [&](const char* nome, const QString& testo) {
        auto* box = new QCheckBox(testo, frame);
        box->setObjectName(QString::fromLatin1(nome));
        caselle->addWidget(box);
        return box;
    };
    chk_ColoreGrigliaGenerale =
        casella("chk_ColoreGrigliaGenerale", QStringLiteral("Colore Griglia ruote incrociate"));
    chk_ColoreGrigliaSingola =
        casella("chk_ColoreGrigliaSingola", QStringLiteral("Colore Griglia ruote singole"));
    chkStatusBar = casella("chkStatusBar", QStringLiteral("Barra di stato"));
    chkSfioramentoSensori = casella("chkSfioramentoSensori", QStringLiteral("Sfioramento Sensori"));
    chkCaso = casella("chkCaso", QStringLiteral("Mostra il caso"));
    chkCaso->setToolTip(QStringLiteral("Accanto ai conteggi, quanto il caso fa attendere: frequenza attesa, "
                                       "scarto e probabilità dei ritardi"));
    frame->hide();
    return frame;
}

void FinestraRicerca::Settaggio_Iniziale_Form() {
    m_risultatiDisponibili = false;
    // A value other than 0 or 1 counts as 0.
    const std::array<QCheckBox*, 4> caselle{chkSfioramentoSensori, chkStatusBar, chk_ColoreGrigliaGenerale,
                                            chk_ColoreGrigliaSingola};
    for (std::size_t i = 0; i < caselle.size(); ++i) {
        QCheckBox* casella = caselle[i];
        const core::Campo& campo = m_campi[i];
        casella->setChecked(core::valoreCampo(m_stato, campo) == 1);
        // The boxes write their fields only when the user changes them.
        connect(casella, &QCheckBox::toggled, this, [this, casella, campo] {
            scriviImpostazione(this, m_stato, campo, casella->isChecked() ? 1 : 0);
            m_sensoriAttivi = chkSfioramentoSensori->isChecked();
            applicaColori();
        });
    }
    m_sensoriAttivi = chkSfioramentoSensori->isChecked();
    applicaColori();
    // A window without the option (field 0) shows no chance, unless it is about chance (mostraSempreIlCaso).
    chkCaso->setChecked(m_campoCaso.numero != 0 && core::valoreCampo(m_stato, m_campoCaso) == 1);
    chkCaso->setVisible(m_campoCaso.numero != 0);
    connect(chkCaso, &QCheckBox::toggled, this, [this] {
        if (m_campoCaso.numero != 0)
            scriviImpostazione(this, m_stato, m_campoCaso, chkCaso->isChecked() ? 1 : 0);
        Settaggio_Menu_Ordinamento();
        casoCambiato();
        const int c = m_navigazione.ruotaMostrata();
        const auto [riga, colonnaGriglia] = m_cellaScelta[static_cast<std::size_t>(c)];
        mostraFraseCaso(c, riga, colonnaGriglia);
    });
    m_decrescente = core::valoreCampo(m_stato, m_campoDecrescente) == 1;
    Settaggio_Menu_Ordinamento();
    m_pila->setCurrentIndex(0);
    lblRuoteRicerca->clear();
}

void FinestraRicerca::applicaColori() {
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        const bool colorata =
            c == 0 ? chk_ColoreGrigliaGenerale->isChecked() : chk_ColoreGrigliaSingola->isChecked();
        if (QTableWidget* griglia = grigliaGrafico(c)) {
            QPalette colori = griglia->palette();
            colori.setColor(QPalette::Base, colorata ? COLORE_GRIGLIA : QColor(Qt::white));
            griglia->setPalette(colori);
        }
    }
}

void FinestraRicerca::MOSTRA_RUOTA_RICERCA() {
    m_pila->setCurrentIndex(m_navigazione.ruotaMostrata());
}

void FinestraRicerca::Settaggio_Menu_Ordinamento() {
    int scelta = -1;
    for (int i = 0; i < 10; ++i) {
        QLabel* voce = lblMnu[static_cast<std::size_t>(i)];
        if (!voce) continue;
        const bool delCaso = CRITERIO_VOCE[i] == stats::SCARTO || CRITERIO_VOCE[i] == stats::RARITA;
        voce->setVisible((CRITERIO_VOCE[i] > 0 && (!delCaso || chkCaso->isChecked()) &&
                          criterioOfferto(CRITERIO_VOCE[i])) ||
                         i == VOCE_CRESCENTE || i == VOCE_DECRESCENTE);
        if (CRITERIO_VOCE[i] == m_criterioMostrato) scelta = i;
    }
    evidenziaVoce(scelta);
}

void FinestraRicerca::mostraCriterio(int criterio) {
    m_criterioMostrato = criterio;
    lblOrdinamento->setText(QString::fromStdString(stats::nomeCriterio(criterio)));
}

void FinestraRicerca::mostraOrdine(bool decrescente) {
    lblOrdine->setText(decrescente ? QStringLiteral("Decrescente") : QStringLiteral("Crescente"));
}

void FinestraRicerca::evidenziaVoce(int indice) {
    // The entry under the mouse among the keys, and the window's order among the two orders.
    const bool ordine = indice == VOCE_CRESCENTE || indice == VOCE_DECRESCENTE;
    const int ordineScelto = m_decrescente ? VOCE_DECRESCENTE : VOCE_CRESCENTE;
    for (int i = 0; i < 10; ++i) {
        QLabel* voce = lblMnu[static_cast<std::size_t>(i)];
        if (!voce) continue;
        const bool evidenziata = i == VOCE_CRESCENTE || i == VOCE_DECRESCENTE
                                     ? i == (ordine ? indice : ordineScelto)
                                     : i == indice;
        QFont carattere = voce->font();
        carattere.setBold(evidenziata);
        voce->setFont(carattere);
        QPalette colori = voce->palette();
        colori.setColor(QPalette::WindowText, evidenziata ? QColor(255, 255, 0) : QColor(Qt::white));
        voce->setPalette(colori);
    }
}

void FinestraRicerca::nascondiPopup() {
    fmeOrdinamento->hide();
    fmeOpzioniRicerche->hide();
}

void FinestraRicerca::impostaRicerca(const QString& testo) {
    lblRicerca->setText(testo);
    lblRicerca->repaint();
}

void FinestraRicerca::aggiornaAvanzamento(int percentuale) {
    prgRicerca->setValue(percentuale);
    lblPrb->setText(QStringLiteral("%1%").arg(percentuale));
    lblPrb->repaint();
}

void FinestraRicerca::cmdAVVIO_Click() {
    m_statoRicerca = 0;
    nascondiPopup();
    if (!prompt::chiedi(this, QStringLiteral("CONFERMA OPERAZIONE"),
                        QStringLiteral("Avviare una nuova ricerca?")))
        return;
    if (m_stato.Ruota_Selezionata[0] == 0) {
        prompt::informa(this, titoloProgramma(), QStringLiteral("Selezionare almeno una Ruota!"));
        m_statoRicerca = 1;
        return;
    }
    if (m_stato.Totale_Estrazioni_Selezionate == 0) {
        prompt::informa(this, titoloProgramma(), QStringLiteral("Selezionare un Periodo di ricerca!"));
        m_statoRicerca = 1;
        return;
    }
    m_navigazione.imposta(m_stato);
    impostaRicerca(QStringLiteral("Ricerca in corso...."));
    m_statoRicerca = 2;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    prgRicerca->setValue(0);
    const bool completa = eseguiRicerca([this](int percentuale) { aggiornaAvanzamento(percentuale); });
    prgRicerca->setValue(0);
    lblPrb->clear();
    QApplication::restoreOverrideCursor();
    if (completa)
        m_statoRicerca = 3;
    else
        prompt::informa(
            this, titoloProgramma(),
            QStringLiteral("Impossibile eseguire una ricerca senza aver selezionato delle Estrazioni"));
    m_sigleRuote = QString::fromStdString(selection::sigleRuoteSelezionate(m_stato));
    m_periodoCercato = selection::periodoAttuale(m_stato);

    concludiRicerca(completa);
    mostraFraseCaso(0, -1, -1); // no cell of the new results is chosen yet
    if (completa) {
        m_navigazione.ricomincia();
        cmdRuotaPiu_Click();
    } else {
        impostaRicerca(QStringLiteral("Ricerca interrotta"));
    }
    const bool barra = chkStatusBar->isChecked();
    sbrRicerca->setVisible(barra);
    pctPubblicitaRicerche->setVisible(!barra);
    if (barra) Imposta_Status_Bar();
    if (completa) impostaRicerca(QStringLiteral("Ricerca eseguita."));
    aggiornaPeriodoRicerca();
}

void FinestraRicerca::aggiornaPeriodoRicerca() {
    if (!m_risultatiDisponibili) {
        lblPeriodoRicerca->clear();
        return;
    }
    const QString periodo =
        QString::fromStdString(selection::testoPeriodo(m_stato, m_periodoCercato)) + aggiuntaPeriodo();
    const bool cambiato = !(selection::periodoAttuale(m_stato) == m_periodoCercato);
    lblPeriodoRicerca->setStyleSheet(cambiato ? QStringLiteral("color: #b00000; font-weight: bold;")
                                              : QString());
    const QString risultati =
        QStringLiteral("I risultati mostrati sono del ") + periodo.mid(0, 1).toLower() + periodo.mid(1);
    lblPeriodoRicerca->setText(cambiato ? QStringLiteral("Periodo cambiato: premere AVVIO per aggiornare")
                                        : periodo);
    lblPeriodoRicerca->setToolTip(cambiato ? risultati : periodo);
}

void FinestraRicerca::Imposta_Status_Bar() {
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    const QDateTime adesso = QDateTime::currentDateTime();
    m_pannelli[1]->setText(QStringLiteral("Ruote: ") + m_sigleRuote);
    m_pannelli[3]->setText(QStringLiteral("Data: ") + adesso.date().toString(QStringLiteral("d/M/yyyy")));
    m_pannelli[4]->setText(QStringLiteral("Ora: ") + italiano.toString(adesso.time(), QLocale::ShortFormat));
}

void FinestraRicerca::mostraPosizione() {
    lblRuoteRicerca->setText(QString::fromStdString(m_navigazione.didascalia()));
    mostraCriterio(m_navigazione.criterio(m_navigazione.ruotaMostrata()));
    mostraOrdine(m_navigazione.decrescente(m_navigazione.ruotaMostrata()));
    MOSTRA_RUOTA_RICERCA();
}

void FinestraRicerca::cmdRuotaPiu_Click() {
    if (!m_risultatiDisponibili) return;
    nascondiPopup();
    const int prima = m_navigazione.ruotaMostrata();
    m_navigazione.avanti();
    ereditaOrdine(prima);
}

void FinestraRicerca::cmdRuotaMeno_Click() {
    if (!m_risultatiDisponibili) return;
    nascondiPopup();
    const int prima = m_navigazione.ruotaMostrata();
    m_navigazione.indietro();
    ereditaOrdine(prima);
}

void FinestraRicerca::ereditaOrdine(int prima) {
    const int ora = m_navigazione.ruotaMostrata();
    if (m_navigazione.ereditaOrdine(prima))
        ordinaColonna(ora, m_navigazione.criterio(ora), m_navigazione.decrescente(ora));
    mostraPosizione();
}

void FinestraRicerca::ordina(int criterio) {
    if (!m_risultatiDisponibili || criterio < stats::NUMERICO || criterio > stats::RARITA ||
        !criterioOfferto(criterio))
        return;
    const int c = m_navigazione.ruotaMostrata();
    m_navigazione.impostaCriterio(c, criterio);
    m_navigazione.impostaDecrescente(c, m_decrescente);
    mostraCriterio(criterio);
    mostraOrdine(m_decrescente);
    fmeOrdinamento->hide();
    ordinaColonna(c, criterio, m_decrescente);
    MOSTRA_RUOTA_RICERCA();
}

void FinestraRicerca::ordinaDecrescente(bool decrescente) {
    if (decrescente != m_decrescente)
        scriviImpostazione(this, m_stato, m_campoDecrescente, decrescente ? 1 : 0);
    m_decrescente = decrescente;
    if (m_risultatiDisponibili)
        ordina(m_navigazione.criterio(m_navigazione.ruotaMostrata()));
    else
        Settaggio_Menu_Ordinamento();
}

void FinestraRicerca::cmdEsporta_Click() {
    nascondiPopup();
    if (!m_risultatiDisponibili) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Nessun dato da esportare: eseguire prima una ricerca."));
        return;
    }
    const int c = m_navigazione.ruotaMostrata();
    const QString colonna = c == 0 ? QStringLiteral("INCROCIATE")
                                   : QString::fromStdString(m_stato.Nome_Ruota[static_cast<std::size_t>(c)]);
    const QString proposto =
        QDir::home().filePath(QStringLiteral("%1_%2.csv").arg(prefissoFile(), colonna.toLower()));
    const QString percorso = prompt::scegliFileDaSalvare(this, QStringLiteral("Esporta i dati della griglia"),
                                                         proposto, QStringLiteral("File CSV (*.csv)"));
    if (percorso.isEmpty()) return;
    // Written beside the chosen name and renamed over it: a failed export leaves no half file there.
    if (!core::scriviFileSicuro(QFile::encodeName(percorso).toStdString(), testoCsv(c))) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Impossibile scrivere il file %1: i dati della griglia non sono stati "
                                       "esportati; un file con quel nome, se c'era, è rimasto com'era.")
                            .arg(QDir::toNativeSeparators(percorso)),
                        prompt::Tipo::Avviso);
        return;
    }
    prompt::informa(this, titoloProgramma(),
                    QStringLiteral("Dati della griglia %1 esportati in %2.")
                        .arg(colonna, QDir::toNativeSeparators(percorso)));
}

void FinestraRicerca::cmdGrafico_Click() {
    const int c = m_navigazione.ruotaMostrata();
    const auto [riga, colonnaGriglia] = m_cellaScelta[static_cast<std::size_t>(c)];
    apriGrafico(c, riga, colonnaGriglia);
}

void FinestraRicerca::apriGrafico(int colonna, int riga, int colonnaGriglia) {
    nascondiPopup();
    if (!m_risultatiDisponibili) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Nessun grafico: eseguire prima una ricerca."));
        return;
    }
    const auto combinazione = stats::Combinazione::da(numeriDellaCella(colonna, riga, colonnaGriglia));
    if (!combinazione) {
        prompt::informa(
            this, titoloProgramma(),
            QStringLiteral("Scegliere con un clic, nella griglia mostrata, la casella del numero o "
                           "dell'ambo di cui vedere il grafico."));
        return;
    }
    FrmGrafico::apri(m_stato, *combinazione, colonna, this, chkCaso->isChecked(), posizioneCercata());
}

void FinestraRicerca::mostraSempreIlCaso() {
    chkCaso->hide();
    chkCaso->setChecked(true);
}

bool FinestraRicerca::mostraCaso() const {
    return chkCaso->isChecked();
}

std::optional<FinestraRicerca::ElementoCaso> FinestraRicerca::elementoDellaCella(int colonna, int riga,
                                                                                 int colonnaGriglia) const {
    const auto numeri = numeriDellaCella(colonna, riga, colonnaGriglia);
    if (numeri.empty()) return std::nullopt;
    return ElementoCaso{stats::probabilitaSorte(static_cast<int>(numeri.size()), posizioneCercata()),
                        valoriDi(colonna, numeri)};
}

QString FinestraRicerca::testoCaso(int colonna, int riga, int colonnaGriglia) const {
    const auto elemento =
        m_risultatiDisponibili ? elementoDellaCella(colonna, riga, colonnaGriglia) : std::nullopt;
    if (!elemento) return {};
    const auto [frequenza, attuale, massimo] = elemento->valori;
    const auto figure = stats::caso(elemento->probabilita, stats::colonnaCaso(baseCaso(), colonna), frequenza,
                                    attuale, massimo);
    return QString::fromStdString(stats::descrizioneCaso(figure, frequenza, attuale, massimo));
}

void FinestraRicerca::mostraFraseCaso(int colonna, int riga, int colonnaGriglia) {
    const auto elemento = chkCaso->isChecked() && m_risultatiDisponibili
                              ? elementoDellaCella(colonna, riga, colonnaGriglia)
                              : std::nullopt;
    QString frase;
    if (elemento) {
        const int attuale = elemento->valori[1];
        const auto figure =
            stats::caso(elemento->probabilita, stats::colonnaCaso(baseCaso(), colonna), 0, attuale, 0);
        const std::string nome = colonna == 0 ? "ruote " + m_sigleRuote.simplified().toStdString()
                                              : m_stato.Nome_Ruota[static_cast<std::size_t>(colonna)];
        frase = QString::fromStdString(stats::fraseRitardo(attuale, nome, figure.probabilitaAttuale));
    }
    // On the status bar when it is shown, otherwise in place of the line beside the buttons.
    m_pannelli[2]->setText(frase);
    pctPubblicitaRicerche->setText(
        frase.isEmpty() ? QStringLiteral("Quintaro — conta e mostra ciò che l'archivio contiene") : frase);
    pctPubblicitaRicerche->setToolTip(frase);
}

void FinestraRicerca::portaPrincipaleInPrimoPiano() {
    nascondiPopup();
    if (m_principale) {
        m_principale->raise();
        m_principale->activateWindow();
    }
}

void FinestraRicerca::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // Centred when it first appears, clear of the main window's menu; afterwards it stays where the
    // user put it.
    if (!m_centrata) {
        m_centrata = true;
        preparaTastiera(this); // once every control is there, the subclass's too
        sottoLaStriscia(this, m_principale);
    }
}

void FinestraRicerca::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    // Back in front after the period or the archive changed elsewhere: the notice is brought up to date.
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) aggiornaPeriodoRicerca();
}

void FinestraRicerca::keyPressEvent(QKeyEvent* evento) {
    // Esc closes the window, as every result window; "Menu" brings the main window forward.
    if (evento->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(evento);
}

bool FinestraRicerca::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::ToolTip && chkCaso->isChecked()) {
        for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
            QTableWidget* griglia = grigliaGrafico(c);
            if (!griglia || oggetto != griglia->viewport()) continue;
            const auto* aiuto = static_cast<QHelpEvent*>(evento);
            const QModelIndex cella = griglia->indexAt(aiuto->pos());
            const QString testo = testoCaso(c, cella.row(), cella.column());
            if (testo.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(aiuto->globalPos(), testo, griglia->viewport());
            return true;
        }
    }
    if (evento->type() == QEvent::Wheel) {
        for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
            QTableWidget* griglia = grigliaGrafico(c);
            QScrollBar* barra = barraGriglia(c);
            if (!griglia || !barra || oggetto != griglia->viewport()) continue;
            // Whole notches move three rows each; a touchpad's small steps add up until they make one.
            m_rotellaAccumulata += static_cast<QWheelEvent*>(evento)->angleDelta().y();
            const int scatti = m_rotellaAccumulata / 120;
            m_rotellaAccumulata %= 120;
            if (scatti != 0) barra->setValue(barra->value() - scatti * RIGHE_PER_SCATTO);
            return true;
        }
    }
    if (evento->type() == QEvent::Enter) {
        if (m_sensoriAttivi && (oggetto == cmdOrdinamento || oggetto == cmdOpzioniRicerche)) {
            static_cast<QPushButton*>(oggetto)->click();
            return false;
        }
        for (int i = 0; i < 10; ++i)
            if (oggetto == lblMnu[static_cast<std::size_t>(i)]) {
                evidenziaVoce(i);
                return false;
            }
        if (oggetto != cmdOrdinamento && oggetto != cmdOpzioniRicerche) nascondiPopup();
    } else if (evento->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        for (int i = 0; i < 10; ++i) {
            if (oggetto != lblMnu[static_cast<std::size_t>(i)]) continue;
            if (mouse->button() != Qt::LeftButton) return true;
            if (CRITERIO_VOCE[i] > 0)
                ordina(CRITERIO_VOCE[i]);
            else if (i == VOCE_CRESCENTE || i == VOCE_DECRESCENTE)
                ordinaDecrescente(i == VOCE_DECRESCENTE);
            return true; // mutazioni: equivalente — the label and the frames under it ignore a press
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

} // namespace ui
