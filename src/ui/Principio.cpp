#include "Principio.h"

#include "Collegamenti.h"
#include "FrmAttesa.h"
#include "FrmInformazioni.h"
#include "Guida.h"
#include "Icone.h"
#include "LeggiEstrazioni.h"
#include "Programma.h"
#include "Prompt.h"
#include "core/Archivio.h"
#include "core/Campi.h"
#include "importa/DaInternet.h"
#include "importa/ImportaArchivio.h"
#include "maintenance/FrmAggiornamento.h"
#include "rete/AggiornaDaInternet.h"
#include "rete/FrmOpzioniAggiornamento.h"
#include "selection/FrmPeriodo.h"
#include "selection/FrmRuote.h"
#include "stakes/FrmPosteCombinazioni.h"
#include "stakes/FrmVerificaGiocata.h"
#include "stats/FrmFreqRitAmbo.h"
#include "stats/FrmFreqRitEstratti.h"
#include "stats/FrmFreqRitTerni.h"
#include "stats/FrmGruppi.h"
#include "stats/FrmNumeriSpia.h"
#include "stats/FrmVerificaCaso.h"
#include "ui/Tastiera.h"
#include "viewer/FrmVisionaDieciRuote.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

namespace ui {

namespace {

/** Shows a modeless window, restored when the user had minimised it, and brings it in front of the others. */
void inPrimoPiano(QWidget* finestra) {
    if (finestra->isMinimized()) finestra->setWindowState(finestra->windowState() & ~Qt::WindowMinimized);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

} // namespace

PRINCIPIO::PRINCIPIO(core::Stato& stato, QWidget* genitore) : QMainWindow(genitore), m_stato(stato) {
    setObjectName(QStringLiteral("PRINCIPIO"));
    setWindowTitle(titoloProgramma() + QLatin1Char(' ') + versioneProgramma());

    QMenu* mnuArchivio = menu("mnuArchivio", QStringLiteral("Archivio"));
    QMenu* mnuArchivioModifica = mnuArchivio->addMenu(QStringLiteral("Modifica"));
    mnuArchivioModifica->menuAction()->setObjectName(QStringLiteral("mnuArchivioModifica"));
    connect(
        voce(mnuArchivioModifica, "mnuArchivioModificaAggiorna", QStringLiteral("Aggiornamento Estrazioni")),
        &QAction::triggered, this, &PRINCIPIO::mostraAggiornamento);
    connect(voce(mnuArchivio, "mnuArchivioImporta", QStringLiteral("Importa archivio…")), &QAction::triggered,
            this, &PRINCIPIO::importaArchivio);
    connect(voce(mnuArchivio, "mnuArchivioAggiornaInternet", QStringLiteral("Aggiorna da Internet…")),
            &QAction::triggered, this, &PRINCIPIO::aggiornaDaInternet);
    separatore(mnuArchivio, "mnuArchivioSeparatore3");
    connect(voce(mnuArchivio, "mnuArchivioChiudi", QStringLiteral("CHIUDI")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* mnuImpostazioni = menu("mnuImpostazioni", QStringLiteral("Impostazioni"));
    connect(voce(mnuImpostazioni, "mnuImpostazioniModificaRuote", QStringLiteral("RUOTE")),
            &QAction::triggered, this, &PRINCIPIO::mostraRuote);
    mnuImpostazionModificaPeriodo =
        voce(mnuImpostazioni, "mnuImpostazionModificaPeriodo", QStringLiteral("PERIODO"));
    connect(mnuImpostazionModificaPeriodo, &QAction::triggered, this, &PRINCIPIO::mostraPeriodo);

    QMenu* mnuRicerche = menu("mnuRicerche", QStringLiteral("Ricerche"));
    connect(voce(mnuRicerche, "mnuRicercheSfoglia", QStringLiteral("Sfoglia Archivio")), &QAction::triggered,
            this, &PRINCIPIO::mostraSfogliaArchivio);
    separatore(mnuRicerche, "mnuRicercheSeparatore4");
    connect(voce(mnuRicerche, "mnuFREQ_RIT_90_NUMERI", QStringLiteral("Frequenze e Ritardi 90 NUMERI")),
            &QAction::triggered, this, &PRINCIPIO::mostraRicercaNumeri);
    connect(voce(mnuRicerche, "mnuFREQ_RIT_AMBI", QStringLiteral("Frequenze e Ritardi AMBI")),
            &QAction::triggered, this, &PRINCIPIO::mostraRicercaAmbi);
    connect(voce(mnuRicerche, "mnuFREQ_RIT_TERNI", QStringLiteral("Frequenze e Ritardi TERNI")),
            &QAction::triggered, this, &PRINCIPIO::mostraRicercaTerni);
    connect(voce(mnuRicerche, "mnuGRUPPI", QStringLiteral("Gruppi e famiglie")), &QAction::triggered, this,
            &PRINCIPIO::mostraRicercaGruppi);
    connect(voce(mnuRicerche, "mnuNumeriSpia", QStringLiteral("Numeri spia")), &QAction::triggered, this,
            &PRINCIPIO::mostraNumeriSpia);
    connect(voce(mnuRicerche, "mnuVerificaCaso", QStringLiteral("Verifica del caso")), &QAction::triggered,
            this, &PRINCIPIO::mostraVerificaCaso);
    separatore(mnuRicerche, "mnuRicercheSeparatoreVerifica");
    connect(voce(mnuRicerche, "mnuVerificaGiocata", QStringLiteral("Verifica giocata")), &QAction::triggered,
            this, &PRINCIPIO::mostraVerificaGiocata);

    QMenu* mnuOPZIONI = menu("mnuOPZIONI", QStringLiteral("Opzioni"));
    connect(voce(mnuOPZIONI, "mnuOPZIONIposteComb", QStringLiteral("Poste e Combinazioni")),
            &QAction::triggered, this, &PRINCIPIO::mostraPosteCombinazioni);
    connect(voce(mnuOPZIONI, "mnuOpzioniAggiornamento", QStringLiteral("Aggiornamento da Internet…")),
            &QAction::triggered, this, &PRINCIPIO::mostraOpzioniAggiornamento);
    separatore(mnuOPZIONI, "mnuSepaOpzioni");
    mnuOpzioniToolbar = voce(mnuOPZIONI, "mnuOpzioniToolbar", QStringLiteral("Toolbar"));
    mnuOpzioniToolbar->setCheckable(true);
    connect(mnuOpzioniToolbar, &QAction::triggered, this, &PRINCIPIO::mnuOpzioniToolbar_Click);
    QAction* riprendi = voce(mnuOPZIONI, "mnuOpzioniRiprendi",
                             QStringLiteral("Alle prossime aperture usa ruote e periodo dell'ultima volta"));
    riprendi->setCheckable(true);
    riprendi->setChecked(core::valoreCampo(m_stato, core::campi::RIPRENDI_ULTIMA_VOLTA) == 1);
    connect(riprendi, &QAction::toggled, this, [this](bool si) {
        scriviImpostazione(this, m_stato, core::campi::RIPRENDI_ULTIMA_VOLTA, si ? 1 : 0);
    });
    // The wheel window of the start sets the same option: the menu shows it when it opens.
    connect(mnuOPZIONI, &QMenu::aboutToShow, this, [this, riprendi] {
        const QSignalBlocker blocco(riprendi);
        riprendi->setChecked(core::valoreCampo(m_stato, core::campi::RIPRENDI_ULTIMA_VOLTA) == 1);
    });

    QMenu* mnuGuida = menu("mnuGuida", QStringLiteral("Aiuto"));
    QMenu* mnuLINK = mnuGuida->addMenu(QStringLiteral("Link"));
    mnuLINK->menuAction()->setObjectName(QStringLiteral("mnuLINK"));
    // Without an address of the author a link stays in the menu, inactive.
    const auto link = [&](const char* nome, const QString& titolo, const QString& destinazione) {
        QAction* azione = voce(mnuLINK, nome, titolo);
        azione->setEnabled(!destinazione.isEmpty());
        connect(azione, &QAction::triggered, this,
                [this, destinazione] { Apri_Collegamento(this, destinazione); });
    };
    link("mnuSCRIVIALLAUTORE", QStringLiteral("Scrivi all' autore"), collegamentoPosta(indirizzoPosta()));
    link("mnuLINK_AL_SITO", QStringLiteral("Collegati al sito dell' autore"), indirizzoSito());
    separatore(mnuGuida, "mnuSeparatoreGuida1");
    connect(voce(mnuGuida, "mnuGuidaGuidaGenerale", QStringLiteral("Guida generale")), &QAction::triggered,
            this, [this] { mostraGuida(this, QStringLiteral("qtindex.htm")); });
    connect(voce(mnuGuida, "mnuGuidaInformazioni", QStringLiteral("Informazioni programma")),
            &QAction::triggered, this, [this] {
                frmInformazioni informazioni(this);
                informazioni.exec();
            });

    // The toolbar panel: four picture buttons, and the line that tells which archive is loaded.
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* barra = new QHBoxLayout(Frame1);
    barra->setContentsMargins(4, 2, 4, 2);
    connect(pulsante(0, iconaAggiornamento(), QStringLiteral("Aggiornamento nuova estrazione")),
            &QToolButton::clicked, this, &PRINCIPIO::mostraAggiornamento);
    connect(pulsante(1, iconaRuote(), QStringLiteral("Ruote")), &QToolButton::clicked, this,
            &PRINCIPIO::mostraRuote);
    connect(pulsante(2, iconaPeriodo(), QStringLiteral("Selezione del Periodo")), &QToolButton::clicked, this,
            [this] {
                if (mnuImpostazionModificaPeriodo->isEnabled()) mostraPeriodo();
            });
    connect(pulsante(3, iconaInternet(), QStringLiteral("Aggiorna da Internet")), &QToolButton::clicked, this,
            &PRINCIPIO::aggiornaDaInternet);
    connect(pulsante(4, iconaVerifica(), QStringLiteral("Verifica giocata")), &QToolButton::clicked, this,
            &PRINCIPIO::mostraVerificaGiocata);
    connect(pulsante(11, iconaGuida(), QStringLiteral("Guida di ") + titoloProgramma()),
            &QToolButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("finestra_principale.htm")); });
    for (QToolButton* tasto : Frame1->findChildren<QToolButton*>())
        barra->addWidget(tasto);
    m_informazioni = new QLabel(Frame1);
    m_informazioni->setObjectName(QStringLiteral("lblArchivioCaricato"));
    m_informazioni->setIndent(12);
    m_informazioni->setTextFormat(Qt::RichText);
    connect(m_informazioni, &QLabel::linkActivated, this, [this](const QString& collegamento) {
        if (collegamento == QLatin1String("ricarica"))
            dopoImportazione();
        else
            aggiornaDaInternet();
    });
    barra->addWidget(m_informazioni, 1);
    setCentralWidget(Frame1);
    // Another program writing the archive (the command line run by a timer, a second copy of the program):
    // the folder's watch tells at once, the return to the program covers a folder that cannot be watched.
    m_sorveglianza = new QFileSystemWatcher(this);
    connect(m_sorveglianza, &QFileSystemWatcher::directoryChanged, this, &PRINCIPIO::aggiornaInformazioni);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState stato) {
        if (stato == Qt::ApplicationActive) aggiornaInformazioni();
    });
    aggiornaInformazioni();

    m_attesa = new frmAttesa;

    // A narrow strip across the top of the screen, with room for a window manager's frame on a screen
    // of 800 pixels.
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect area = schermo->availableGeometry();
        const int larghezza = std::min(area.width() - 20, 800);
        move(area.x() + (area.width() - larghezza) / 2, area.y());
        resize(larghezza, height());
    }
    Mostra_Toolbar();
    preparaTastiera(this);
}

PRINCIPIO::~PRINCIPIO() {
    delete m_ricercaNumeri;
    delete m_ricercaAmbi;
    delete m_ricercaTerni;
    delete m_ricercaGruppi;
    delete m_numeriSpia;
    delete m_verificaCaso;
    delete m_sfoglia;
    delete m_verifica;
    delete m_attesa;
}

QMenu* PRINCIPIO::menu(const char* nome, const QString& titolo) {
    QMenu* nuovo = menuBar()->addMenu(titolo);
    nuovo->setObjectName(QString::fromLatin1(nome));
    nuovo->menuAction()->setObjectName(QString::fromLatin1(nome));
    return nuovo;
}

QAction* PRINCIPIO::voce(QMenu* menu, const char* nome, const QString& titolo) {
    QAction* azione = menu->addAction(titolo);
    azione->setObjectName(QString::fromLatin1(nome));
    return azione;
}

void PRINCIPIO::separatore(QMenu* menu, const char* nome) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(nome));
}

QToolButton* PRINCIPIO::pulsante(int indice, const QIcon& icona, const QString& suggerimento) {
    auto* tasto = new QToolButton(Frame1);
    tasto->setObjectName(QStringLiteral("cmdMenuBar_%1").arg(indice));
    tasto->setIcon(icona);
    tasto->setIconSize(QSize(32, 32));
    tasto->setToolTip(suggerimento);
    tasto->setAutoRaise(true);
    return tasto;
}

void PRINCIPIO::apertura() {
    aggiornaInformazioni();
    // The wheels and period of the last time, when the user asked for them and they still fit the archive.
    const auto ricordate = core::valoreCampo(m_stato, core::campi::RIPRENDI_ULTIMA_VOLTA) == 1 &&
                                   m_stato.Ruota_Selezionata[0] > 0
                               ? selection::barreRicordate(m_stato)
                               : std::nullopt;
    if (!ricordate) {
        frm_Ruote ruote(m_stato);
        ruote.exec();
    }
    m_attesa->mostra();
    if (ricordate) {
        applicaPeriodoRicordato(*ricordate);
    } else {
        m_stato.Periodo_Da_Applicare = true;
        mostraPeriodo();
    }
    ToolBar_Visiblile();
    controllaAggiornamenti();
}

void PRINCIPIO::applicaPeriodoRicordato(const selection::Barre& barre) {
    m_stato.Periodo_Da_Applicare = false;
    if (!m_periodo) m_periodo = new frmPeriodo(m_stato, this, m_attesa);
    m_periodo->applicaRicordato(barre);
}

void PRINCIPIO::mostraRuote() {
    frm_Ruote ruote(m_stato, this);
    ruote.exec();
}

void PRINCIPIO::mostraPeriodo() {
    if (!m_periodo) m_periodo = new frmPeriodo(m_stato, this, m_attesa);
    m_periodo->exec();
}

void PRINCIPIO::mostraRicercaNumeri() {
    if (!m_ricercaNumeri) m_ricercaNumeri = new frmFREQRITESTRATTI(m_stato, this);
    inPrimoPiano(m_ricercaNumeri);
}

void PRINCIPIO::mostraRicercaAmbi() {
    if (!m_ricercaAmbi) m_ricercaAmbi = new frmFREQRITAMBO(m_stato, this);
    inPrimoPiano(m_ricercaAmbi);
}

void PRINCIPIO::mostraRicercaTerni() {
    if (!m_ricercaTerni) m_ricercaTerni = new frmFREQRITTERNI(m_stato, this);
    inPrimoPiano(m_ricercaTerni);
}

void PRINCIPIO::mostraRicercaGruppi() {
    if (!m_ricercaGruppi) m_ricercaGruppi = new frmGruppi(m_stato, this);
    inPrimoPiano(m_ricercaGruppi);
}

void PRINCIPIO::mostraNumeriSpia() {
    if (!m_numeriSpia) m_numeriSpia = new frmNUMERISPIA(m_stato, this);
    inPrimoPiano(m_numeriSpia);
}

void PRINCIPIO::mostraVerificaCaso() {
    if (!m_verificaCaso) m_verificaCaso = new FrmVerificaCaso(m_stato, this);
    inPrimoPiano(m_verificaCaso);
}

void PRINCIPIO::mostraSfogliaArchivio() {
    if (!m_sfoglia) m_sfoglia = new frmVisionaDieciRuote(m_stato, this);
    inPrimoPiano(m_sfoglia);
}

void PRINCIPIO::mostraPosteCombinazioni() {
    // Each opening reads the stored payouts again and starts the calculator afresh.
    if (!m_poste) {
        m_poste = new frmPosteCombinazioni(m_stato, this);
        m_poste->setAttribute(Qt::WA_DeleteOnClose);
    }
    inPrimoPiano(m_poste);
}

void PRINCIPIO::mostraVerificaGiocata() {
    if (!m_verifica) m_verifica = new frmVerificaGiocata(m_stato, this);
    inPrimoPiano(m_verifica);
}

void PRINCIPIO::scartaPeriodo() {
    delete m_periodo;
}

void PRINCIPIO::mostraAggiornamento() {
    {
        frmAggiornamento aggiornamento(m_stato, this);
        connect(&aggiornamento, &frmAggiornamento::archivioCambiato, this, &PRINCIPIO::archivioCambiato);
        aggiornamento.exec();
    }
    if (m_stato.Periodo_Da_Applicare && !m_terminato) mostraPeriodo();
}

void PRINCIPIO::archivioCambiato() {
    if (!Carica_Archivio(m_stato, this)) {
        // The archive left is empty: the loading window has said so, and the program ends.
        m_terminato = true;
        emit programmaTerminato();
        return;
    }
    scartaPeriodo();
    m_stato.Periodo_Da_Applicare = true;
    aggiornaInformazioni();
    // The period last applied, extended to the new draws when it ended on the last one, applies at once;
    // when it no longer fits, the period window comes.
    if (const auto barre = selection::barreRicordate(m_stato)) applicaPeriodoRicordato(*barre);
    // The load read the stored payouts again: an open stakes window must compute with what it shows.
    if (m_poste) m_poste->pagamentiRiletti();
}

void PRINCIPIO::importaArchivio() {
    if (ui::importaArchivio(m_stato, this)) dopoImportazione();
}

void PRINCIPIO::aggiornaDaInternet() {
    if (ui::aggiornaDaInternet(m_stato, this))
        dopoImportazione();
    else
        aggiornaInformazioni(); // a check that found nothing newer says so in the archive line
}

rete::Scaricamento* PRINCIPIO::controllaAggiornamenti() {
    rete::Scaricamento* controllo =
        controllaAggiornamentiAllAvvio(m_stato, this, [this] { dopoImportazione(); });
    // Once the check is over, the archive line tells what it found.
    if (controllo) connect(controllo, &QObject::destroyed, this, &PRINCIPIO::aggiornaInformazioni);
    return controllo;
}

void PRINCIPIO::mostraOpzioniAggiornamento() {
    frmOpzioniAggiornamento opzioni(m_stato, this);
    opzioni.exec();
}

void PRINCIPIO::dopoImportazione() {
    m_stato.Archivio_Modificato = true;
    archivioCambiato();
    if (m_stato.Periodo_Da_Applicare && !m_terminato) mostraPeriodo();
}

frmPeriodo* PRINCIPIO::finestraPeriodo() const {
    return m_periodo;
}

void PRINCIPIO::aggiornaInformazioni() {
    const QString ruote = QString::fromStdString(m_stato.cartellaRuote().string());
    if (m_sorveglianza->directories().isEmpty() && QFileInfo(ruote).isDir()) m_sorveglianza->addPath(ruote);
    const int caricate = m_stato.Estrazioni_Caricate;
    if (caricate < 1) {
        m_informazioni->setText(QStringLiteral("Nessuna estrazione caricata."));
        return;
    }
    // The line is rich text: a record's bytes are shown escaped, a valid date as every window writes it.
    const auto testo = [](const std::vector<std::string>& tabella, int d) {
        return testoArchivio(tabella[static_cast<std::size_t>(d)]).trimmed().toHtmlEscaped();
    };
    const auto data = [&](int d) {
        const core::Data letta = core::Data::daRecord(m_stato.Data_Estrazione[static_cast<std::size_t>(d)]);
        return letta.valida() ? QString::fromStdString(letta.testo()) : testo(m_stato.Data_Estrazione, d);
    };
    QString riga = QStringLiteral("Archivio: %1 estrazioni caricate, dal %2 al %3 (concorso %4)")
                       .arg(caricate)
                       .arg(data(1), data(caricate), testo(m_stato.Concorso_Estrazione, caricate));
    // The second line: the archive's last draw on disk, and the update when a draw day has passed since.
    // The archive is read again only when its files changed: the line is rewritten at every activation.
    const core::FirmaArchivio firma = core::firmaArchivio(m_stato.cartellaRuote());
    if (!m_ultimaLetta || firma != m_firmaUltima) {
        m_ultimaLetta = importa::ultimaDataArchivio(m_stato);
        m_firmaUltima = firma;
    }
    const core::Data ultima = *m_ultimaLetta;
    if (ultima.valida())
        riga += QStringLiteral("<br>Ultima estrazione in archivio: %1")
                    .arg(QString::fromStdString(ultima.testo()));
    const core::Data disponibile = importa::ultimaGiornataDisponibile(core::oraLocale());
    const std::tm& controllo = m_stato.Controllo_Senza_Novita;
    const bool inRitardo = !ultima.valida() || ultima < disponibile;
    if (inRitardo && controllo.tm_year > 0 && importa::ultimaGiornataDisponibile(controllo) == disponibile) {
        // The site was asked after the last draw day: an update could bring nothing.
        riga +=
            QStringLiteral(" — aggiornato: il sito non ha estrazioni più recenti, controllato il %1/%2/%3 "
                           "alle %4:%5")
                .arg(controllo.tm_mday)
                .arg(controllo.tm_mon + 1)
                .arg(controllo.tm_year + 1900)
                .arg(controllo.tm_hour, 2, 10, QLatin1Char('0'))
                .arg(controllo.tm_min, 2, 10, QLatin1Char('0'));
    } else if (inRitardo) {
        riga += QStringLiteral(" — non aggiornato: <a href=\"aggiorna\">Aggiorna da Internet…</a>");
    }
    if (firma != m_stato.Firma_Archivio_Caricato)
        riga += QStringLiteral("<br><b>L'archivio è stato modificato da un altro programma — <a "
                               "href=\"ricarica\">Ricarica</a></b>");
    m_informazioni->setText(riga);
    if (!Frame1->isHidden()) adattaAltezza();
}

void PRINCIPIO::ToolBar_Visiblile() {
    // A field never written (a first start: the loading window has just created the file) shows the
    // toolbar; only a stored "0" hides it.
    m_stato.Toolbar_Visibile = core::valoreCampo(m_stato, core::campi::TOOLBAR);
    mnuOpzioniToolbar->setChecked(m_stato.Toolbar_Visibile == 1);
    if (m_stato.Toolbar_Visibile == 1)
        Mostra_Toolbar();
    else
        Non_Mostra_Toolbar();
}

void PRINCIPIO::adattaAltezza() {
    const int altezza =
        menuBar()->sizeHint().height() + (Frame1->isHidden() ? 0 : Frame1->sizeHint().height());
    setFixedHeight(altezza);
}

void PRINCIPIO::Mostra_Toolbar() {
    Frame1->show();
    adattaAltezza();
}

void PRINCIPIO::Non_Mostra_Toolbar() {
    Frame1->hide();
    adattaAltezza();
}

void PRINCIPIO::mnuOpzioniToolbar_Click() {
    // The action has already toggled its check mark: it now says what the user asked for.
    if (mnuOpzioniToolbar->isChecked()) {
        m_stato.Toolbar_Visibile = 1;
        Mostra_Toolbar();
    } else {
        m_stato.Toolbar_Visibile = 0;
        Non_Mostra_Toolbar();
    }
    scriviImpostazione(this, m_stato, core::campi::TOOLBAR, m_stato.Toolbar_Visibile);
}

void PRINCIPIO::closeEvent(QCloseEvent* evento) {
    if (prompt::chiedi(this, titoloProgramma(),
                       QStringLiteral("Chiudere l' applicazione ") + titoloProgramma() +
                           QStringLiteral(" ?"))) {
        evento->accept();
        m_attesa->close();
        if (m_ricercaNumeri) m_ricercaNumeri->close();
        if (m_ricercaAmbi) m_ricercaAmbi->close();
        if (m_ricercaTerni) m_ricercaTerni->close();
        if (m_ricercaGruppi) m_ricercaGruppi->close();
        if (m_numeriSpia) m_numeriSpia->close();
        if (m_verificaCaso) m_verificaCaso->close();
        if (m_sfoglia) m_sfoglia->close();
        if (m_poste) m_poste->close();
        if (m_verifica) m_verifica->close();
        if (FinestraGuida* guida = finestraGuida()) guida->close();
        emit programmaTerminato();
    } else {
        evento->ignore();
    }
}

} // namespace ui
