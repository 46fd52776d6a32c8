#include "FrmFreqRitEstratti.h"

#include "core/Impostazioni.h"
#include "selection/Ruote.h"
#include "stats/Esportazione.h"
#include "ui/Principio.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int RIGHE = 24;
constexpr int COLONNE = 16;
const QColor COLORE_NUMERO(0, 192, 192);
const QColor COLORE_GRIGLIA(0, 255, 255);
const char* const DIDASCALIE_RIGHE[] = {"NUMERO", "FREQUENZA", "R. ATTUALE", "R. MASSIMO"};
/** Captions of the ordering menu's entries; there is no entry 2. */
const char* const VOCI_MENU[] = {"Numerico", "Frequenza", "", "Ritardo Attuale", "Ritardo Massimo", "", "", "", "", ""};
/** The key each entry of the ordering menu sets. */
constexpr int CRITERIO_VOCE[] = {1, 2, 0, 3, 4, 0, 0, 0, 0, 0};

QPushButton* pulsante(QWidget* genitore, const char* nome, const QString& testo, const QString& suggerimento = {}) {
    auto* tasto = new QPushButton(testo, genitore);
    tasto->setObjectName(QString::fromLatin1(nome));
    tasto->setToolTip(suggerimento);
    tasto->setAutoDefault(false);
    return tasto;
}

} // namespace

frmFREQRITESTRATTI::frmFREQRITESTRATTI(core::Stato& stato, QWidget* principale)
    : QWidget(nullptr, Qt::Window), m_stato(stato), m_principale(principale) {
    setObjectName(QStringLiteral("frmFREQRITESTRATTI"));
    setWindowTitle(QStringLiteral("FREQUENZE e RITARDI 90 NUMERI"));
    setAttribute(Qt::WA_DeleteOnClose);
    costruisci();
    Settaggio_Iniziale_Form();
}

void frmFREQRITESTRATTI::costruisci() {
    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(4, 4, 4, 4);
    fmePrincipale = new QFrame(this);
    fmePrincipale->setObjectName(QStringLiteral("fmePrincipale"));
    esterno->addWidget(fmePrincipale);
    auto* principale = new QVBoxLayout(fmePrincipale);
    principale->setContentsMargins(0, 0, 0, 0);
    principale->setSpacing(4);

    auto* riga1 = new QHBoxLayout;
    cmdAVVIO = pulsante(fmePrincipale, "cmdAVVIO", QStringLiteral("AVVIO"), QStringLiteral("Avvia la ricerca"));
    QFont grassetto = cmdAVVIO->font();
    grassetto.setBold(true);
    cmdAVVIO->setFont(grassetto);
    auto* cmdRuote = pulsante(fmePrincipale, "cmdRuote", QStringLiteral("Ruote"));
    auto* cmdPeriodo = pulsante(fmePrincipale, "cmdPeriodo", QStringLiteral("Selezione del Periodo"));
    lblRicerca = new QLabel(QStringLiteral("Nessuna Ricerca effettuata."), fmePrincipale);
    lblRicerca->setObjectName(QStringLiteral("lblRicerca"));
    lblRicerca->setFrameShape(QFrame::Panel);
    lblRicerca->setFrameShadow(QFrame::Sunken);
    prgRicerca = new QProgressBar(fmePrincipale);
    prgRicerca->setObjectName(QStringLiteral("prgRicerca"));
    prgRicerca->setRange(0, 100);
    prgRicerca->setTextVisible(false);
    prgRicerca->setMaximumWidth(120);
    lblPrb = new QLabel(fmePrincipale);
    lblPrb->setObjectName(QStringLiteral("lblPrb"));
    lblPrb->setMinimumWidth(40);
    riga1->addWidget(cmdAVVIO);
    riga1->addWidget(cmdRuote);
    riga1->addWidget(cmdPeriodo);
    riga1->addWidget(lblRicerca, 1);
    riga1->addWidget(prgRicerca);
    riga1->addWidget(lblPrb);
    principale->addLayout(riga1);

    auto* riga2 = new QHBoxLayout;
    auto* cmdRuotaMeno = pulsante(fmePrincipale, "cmdRuotaMeno", QStringLiteral("◄"), QStringLiteral("Ruota indietro"));
    auto* cmdRuotaPiu = pulsante(fmePrincipale, "cmdRuotaPiu", QStringLiteral("►"), QStringLiteral("Ruota avanti"));
    for (QPushButton* freccia : {cmdRuotaMeno, cmdRuotaPiu}) freccia->setMaximumWidth(36);
    lblRuoteRicerca = new QLabel(fmePrincipale);
    lblRuoteRicerca->setObjectName(QStringLiteral("lblRuoteRicerca"));
    lblRuoteRicerca->setFont(grassetto);
    lblRuoteRicerca->setAlignment(Qt::AlignCenter);
    lblRuoteRicerca->setFrameShape(QFrame::Panel);
    lblRuoteRicerca->setFrameShadow(QFrame::Sunken);
    lblRuoteRicerca->setMinimumWidth(150);
    lblOrdinamento = new QLabel(QStringLiteral("NUMERICO"), fmePrincipale);
    lblOrdinamento->setObjectName(QStringLiteral("lblOrdinamento"));
    lblOrdinamento->setMinimumWidth(130);
    lblOrdinamento->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOrdine = new QLabel(QStringLiteral("Crescente"), fmePrincipale);
    lblOrdine->setObjectName(QStringLiteral("lblOrdine"));
    cmdOrdinamento = pulsante(fmePrincipale, "cmdOrdinamento", QStringLiteral("Ord."), QStringLiteral("Ordinamento dati"));
    cmdOpzioniRicerche = pulsante(fmePrincipale, "cmdOpzioniRicerche", QStringLiteral("Opzioni"));
    auto* cmdEsporta = pulsante(fmePrincipale, "cmdEsporta", QStringLiteral("Esporta"),
                                QStringLiteral("Salva in un file CSV i dati della griglia mostrata"));
    riga2->addWidget(cmdRuotaMeno);
    riga2->addWidget(lblRuoteRicerca, 1);
    riga2->addWidget(cmdRuotaPiu);
    riga2->addSpacing(8);
    riga2->addWidget(lblOrdinamento);
    riga2->addWidget(lblOrdine);
    riga2->addWidget(cmdOrdinamento);
    riga2->addWidget(cmdOpzioniRicerche);
    principale->addLayout(riga2);

    m_pila = new QStackedWidget(fmePrincipale);
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        auto* griglia = new QTableWidget(RIGHE, COLONNE, m_pila);
        griglia->setObjectName(QStringLiteral("mfgRicerca_%1").arg(c));
        Imposta_mfg_Ricerca(griglia);
        m_griglie[static_cast<std::size_t>(c)] = griglia;
        m_pila->addWidget(griglia);
    }
    principale->addWidget(m_pila, 1);

    auto* riga3 = new QHBoxLayout;
    sbrRicerca = new QStatusBar(fmePrincipale);
    sbrRicerca->setObjectName(QStringLiteral("sbrRicerca"));
    sbrRicerca->setSizeGripEnabled(false);
    for (int i = 1; i <= 4; ++i) {
        auto* pannello = new QLabel(sbrRicerca);
        pannello->setObjectName(QStringLiteral("sbrRicerca_%1").arg(i));
        sbrRicerca->addWidget(pannello, i == 1 ? 2 : 1);
        m_pannelli[static_cast<std::size_t>(i)] = pannello;
    }
    sbrRicerca->hide();
    pctPubblicitaRicerche = new QLabel(QStringLiteral("Quintaro — conta e mostra ciò che l'archivio contiene"), fmePrincipale);
    pctPubblicitaRicerche->setObjectName(QStringLiteral("pctPubblicitaRicerche"));
    pctPubblicitaRicerche->setStyleSheet(QStringLiteral("color: #0b3d91; font-style: italic;"));
    auto* cmdHelp = pulsante(fmePrincipale, "cmdHelp", QStringLiteral("Guida"));
    cmdHelp->setEnabled(false);
    cmdHelp->setToolTip(QStringLiteral("La guida non è ancora disponibile in questa versione."));
    auto* cmdVirtualCopy = pulsante(fmePrincipale, "cmdVirtualCopy", QStringLiteral("Menu"),
                                    QStringLiteral("Porta in primo piano la finestra principale"));
    auto* cmdPrincipale = pulsante(fmePrincipale, "cmdPrincipale", QStringLiteral("Chiudi"), QStringLiteral("Finestra Principale"));
    riga3->addWidget(sbrRicerca, 1);
    riga3->addWidget(pctPubblicitaRicerche, 1);
    riga3->addWidget(cmdEsporta);
    riga3->addWidget(cmdHelp);
    riga3->addWidget(cmdVirtualCopy);
    riga3->addWidget(cmdPrincipale);
    principale->addLayout(riga3);

    fmeOrdinamento = costruisciMenuOrdinamento();
    fmeOpzioniRicerche = costruisciOpzioni();

    connect(cmdAVVIO, &QPushButton::clicked, this, &frmFREQRITESTRATTI::cmdAVVIO_Click);
    connect(cmdRuotaPiu, &QPushButton::clicked, this, &frmFREQRITESTRATTI::cmdRuotaPiu_Click);
    connect(cmdRuotaMeno, &QPushButton::clicked, this, &frmFREQRITESTRATTI::cmdRuotaMeno_Click);
    connect(cmdEsporta, &QPushButton::clicked, this, &frmFREQRITESTRATTI::cmdEsporta_Click);
    connect(cmdOrdinamento, &QPushButton::clicked, this, [this] {
        fmeOpzioniRicerche->hide();
        if (m_risultatiDisponibili && fmeOrdinamento->isHidden()) {
            Settaggio_Menu_Ordinamento();
            fmeOrdinamento->adjustSize();
            fmeOrdinamento->move(cmdOrdinamento->mapTo(this, QPoint(0, cmdOrdinamento->height())));
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
    connect(cmdVirtualCopy, &QPushButton::clicked, this, &frmFREQRITESTRATTI::portaPrincipaleInPrimoPiano);
    connect(cmdPrincipale, &QPushButton::clicked, this, [this] {
        nascondiPopup();
        close();
    });
    for (QObject* sensibile : {static_cast<QObject*>(cmdOrdinamento), static_cast<QObject*>(cmdOpzioniRicerche),
                               static_cast<QObject*>(m_pila)})
        sensibile->installEventFilter(this);
}

QFrame* frmFREQRITESTRATTI::costruisciMenuOrdinamento() {
    auto* menu = new QFrame(this);
    menu->setObjectName(QStringLiteral("fmeOrdinamento"));
    menu->setFrameShape(QFrame::Box);
    menu->setAutoFillBackground(true);
    QPalette colori = menu->palette();
    colori.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x68));
    menu->setPalette(colori);
    auto* voci = new QVBoxLayout(menu);
    for (int i = 0; i < 10; ++i) {
        if (i == 2) continue;
        auto* voce = new QLabel(QString::fromLatin1(VOCI_MENU[i]), menu);
        voce->setObjectName(QStringLiteral("lblMnu_%1").arg(i));
        voce->setMinimumWidth(150);
        voce->installEventFilter(this);
        lblMnu[static_cast<std::size_t>(i)] = voce;
        voci->addWidget(voce);
    }
    menu->hide();
    return menu;
}

QFrame* frmFREQRITESTRATTI::costruisciOpzioni() {
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
    chk_ColoreGrigliaGenerale = casella("chk_ColoreGrigliaGenerale", QStringLiteral("Colore Griglia ruote incrociate"));
    chk_ColoreGrigliaSingola = casella("chk_ColoreGrigliaSingola", QStringLiteral("Colore Griglia ruote singole"));
    chkStatusBar = casella("chkStatusBar", QStringLiteral("Barra di stato"));
    chkSfioramentoSensori = casella("chkSfioramentoSensori", QStringLiteral("Sfioramento Sensori"));
    frame->hide();
    return frame;
}

void frmFREQRITESTRATTI::Settaggio_Iniziale_Form() {
    m_risultatiDisponibili = false;
    const auto opzione = [this](int campo) {
        const int valore = core::Leggi_Numero_Impostazione(m_stato, campo);
        return valore == 1;
    };
    chkSfioramentoSensori->setChecked(opzione(71));
    chkStatusBar->setChecked(opzione(72));
    chk_ColoreGrigliaGenerale->setChecked(opzione(90));
    chk_ColoreGrigliaSingola->setChecked(opzione(91));
    m_sensoriAttivi = chkSfioramentoSensori->isChecked();
    applicaColori();
    // The boxes write their fields only when the user changes them.
    connect(chkSfioramentoSensori, &QCheckBox::toggled, this, [this] {
        opzioneCambiata(chkSfioramentoSensori, 71);
        m_sensoriAttivi = chkSfioramentoSensori->isChecked();
    });
    connect(chkStatusBar, &QCheckBox::toggled, this, [this] { opzioneCambiata(chkStatusBar, 72); });
    connect(chk_ColoreGrigliaGenerale, &QCheckBox::toggled, this, [this] {
        opzioneCambiata(chk_ColoreGrigliaGenerale, 90);
        applicaColori();
    });
    connect(chk_ColoreGrigliaSingola, &QCheckBox::toggled, this, [this] {
        opzioneCambiata(chk_ColoreGrigliaSingola, 91);
        applicaColori();
    });
    for (auto& ordine : m_ordine)
        for (int p = 0; p <= 90; ++p) ordine[static_cast<std::size_t>(p)] = p == 0 ? 90 : p;
    Settaggio_Menu_Ordinamento();
    m_pila->setCurrentIndex(0);
    lblRuoteRicerca->clear();
}

void frmFREQRITESTRATTI::opzioneCambiata(QCheckBox* casella, int campo) {
    core::Scrivi_Impostazione(m_stato, campo, casella->isChecked() ? "1" : "0");
}

void frmFREQRITESTRATTI::applicaColori() {
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        const bool colorata = c == 0 ? chk_ColoreGrigliaGenerale->isChecked() : chk_ColoreGrigliaSingola->isChecked();
        QTableWidget* griglia = mfgRicerca(c);
        QPalette colori = griglia->palette();
        colori.setColor(QPalette::Base, colorata ? COLORE_GRIGLIA : QColor(Qt::white));
        griglia->setPalette(colori);
    }
}

void frmFREQRITESTRATTI::Imposta_mfg_Ricerca(QTableWidget* griglia) {
    griglia->horizontalHeader()->hide();
    griglia->verticalHeader()->hide();
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setSelectionMode(QAbstractItemView::NoSelection);
    griglia->setFocusPolicy(Qt::NoFocus);
    griglia->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    griglia->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrica(griglia->font());
    griglia->verticalHeader()->setMinimumSectionSize(1);
    griglia->verticalHeader()->setDefaultSectionSize(metrica.height() + 2);
    // The caption column is about twice as wide as a number column.
    const int larghezza = std::max(metrica.horizontalAdvance(QStringLiteral("88888")) + 6, 40);
    griglia->setColumnWidth(0, std::max(metrica.horizontalAdvance(QStringLiteral("R. MASSIMO")) + 8, larghezza * 2));
    for (int j = 1; j < COLONNE; ++j) griglia->setColumnWidth(j, larghezza);
    QFont grassetto = griglia->font();
    grassetto.setBold(true);
    for (int r = 0; r < RIGHE; ++r) {
        for (int j = 0; j < COLONNE; ++j) {
            auto* cella = new QTableWidgetItem;
            cella->setTextAlignment(j == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter));
            if (r % 4 == 0) {
                cella->setFont(grassetto);
                cella->setBackground(COLORE_NUMERO);
            }
            griglia->setItem(r, j, cella);
        }
        griglia->item(r, 0)->setText(QString::fromLatin1(DIDASCALIE_RIGHE[r % 4]));
    }
    for (int k = 0; k < 6; ++k)
        for (int j = 1; j < COLONNE; ++j) griglia->item(4 * k, j)->setText(QString::number(15 * k + j));
    griglia->setFixedSize(griglia->columnWidth(0) + larghezza * (COLONNE - 1) + 2 * griglia->frameWidth(),
                          (metrica.height() + 2) * RIGHE + 2 * griglia->frameWidth());
}

void frmFREQRITESTRATTI::SCRIVI_DATI_RICERCA() {
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        if (!m_daScrivere[static_cast<std::size_t>(c)]) continue;
        QTableWidget* griglia = mfgRicerca(c);
        const auto colonna = static_cast<std::size_t>(c);
        const auto& ordine = m_ordine[colonna];
        griglia->setUpdatesEnabled(false);
        for (int k = 0; k < 6; ++k) {
            for (int j = 1; j < COLONNE; ++j) {
                const int n = ordine[static_cast<std::size_t>(15 * k + j)];
                const auto numero = static_cast<std::size_t>(n);
                griglia->item(4 * k, j)->setText(QString::number(n));
                griglia->item(4 * k + 1, j)->setText(QString::number(m_risultati.Frequenza_Numero[colonna][numero]));
                griglia->item(4 * k + 2, j)->setText(QString::number(m_risultati.Ritardo_Attuale_Numero[colonna][numero]));
                griglia->item(4 * k + 3, j)->setText(QString::number(m_risultati.Ritardo_Massimo_Numero[colonna][numero]));
            }
        }
        griglia->setUpdatesEnabled(true);
    }
}

void frmFREQRITESTRATTI::MOSTRA_RUOTA_RICERCA() { m_pila->setCurrentIndex(m_navigazione.ruotaMostrata()); }

void frmFREQRITESTRATTI::Settaggio_Menu_Ordinamento() {
    const QString corrente = lblOrdinamento->text().trimmed().toUpper();
    for (int i = 0; i < 10; ++i) {
        QLabel* voce = lblMnu[static_cast<std::size_t>(i)];
        if (!voce) continue;
        const QString testo = voce->text().trimmed();
        voce->setVisible(!testo.isEmpty());
        const bool scelta = !testo.isEmpty() && testo.toUpper() == corrente;
        QFont carattere = voce->font();
        carattere.setBold(scelta);
        voce->setFont(carattere);
        QPalette colori = voce->palette();
        colori.setColor(QPalette::WindowText, scelta ? QColor(255, 255, 0) : QColor(Qt::white));
        voce->setPalette(colori);
    }
}

void frmFREQRITESTRATTI::evidenziaVoce(int indice) {
    for (int i = 0; i < 10; ++i) {
        QLabel* voce = lblMnu[static_cast<std::size_t>(i)];
        if (!voce) continue;
        QFont carattere = voce->font();
        carattere.setBold(i == indice);
        voce->setFont(carattere);
        QPalette colori = voce->palette();
        colori.setColor(QPalette::WindowText, i == indice ? QColor(255, 255, 0) : QColor(Qt::white));
        voce->setPalette(colori);
    }
}

void frmFREQRITESTRATTI::nascondiPopup() {
    fmeOrdinamento->hide();
    fmeOpzioniRicerche->hide();
}

void frmFREQRITESTRATTI::aggiornaAvanzamento(int percentuale) {
    prgRicerca->setValue(percentuale);
    lblPrb->setText(QStringLiteral("%1%").arg(percentuale));
    lblPrb->repaint();
}

void frmFREQRITESTRATTI::cmdAVVIO_Click() {
    m_statoRicerca = 0;
    nascondiPopup();
    if (!prompt::chiedi(this, QStringLiteral("CONFERMA OPERAZIONE"), QStringLiteral("Avviare una nuova ricerca?"))) return;
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
    lblRicerca->setText(QStringLiteral("Ricerca in corso...."));
    lblRicerca->repaint();
    m_statoRicerca = 2;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    prgRicerca->setValue(0);
    const bool completa = stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(
        m_stato, m_risultati, [this](int percentuale) { aggiornaAvanzamento(percentuale); });
    prgRicerca->setValue(0);
    lblPrb->clear();
    QApplication::restoreOverrideCursor();
    if (!completa)
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Impossibile eseguire una ricerca senza aver selezionato delle Estrazioni"));
    else
        m_statoRicerca = 3;
    m_sigleRuote = QString::fromStdString(selection::sigleRuoteSelezionate(m_stato));

    if (m_statoRicerca != 3) {
        lblRicerca->setText(QStringLiteral("Ricerca interrotta"));
        lblRicerca->repaint();
    } else {
        m_daScrivere.fill(false);
        m_risultatiDisponibili = true;
        m_daScrivere[0] = true;
        for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
            if (m_stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1) m_daScrivere[static_cast<std::size_t>(w)] = true;
        for (auto& ordine : m_ordine)
            for (int p = 0; p <= 90; ++p) ordine[static_cast<std::size_t>(p)] = p == 0 ? 90 : p;
        SCRIVI_DATI_RICERCA();
        m_navigazione.ricomincia();
        cmdRuotaPiu_Click();
    }
    const bool barra = chkStatusBar->isChecked();
    sbrRicerca->setVisible(barra);
    pctPubblicitaRicerche->setVisible(!barra);
    if (barra) Imposta_Status_Bar();
    if (m_statoRicerca == 3) {
        lblRicerca->setText(QStringLiteral("Ricerca eseguita."));
        lblRicerca->repaint();
    }
}

void frmFREQRITESTRATTI::Imposta_Status_Bar() {
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    const QDateTime adesso = QDateTime::currentDateTime();
    m_pannelli[1]->setText(QStringLiteral("Ruote: ") + m_sigleRuote);
    m_pannelli[3]->setText(QStringLiteral("Data: ") + italiano.toString(adesso.date(), QLocale::ShortFormat));
    m_pannelli[4]->setText(QStringLiteral("Ora: ") + italiano.toString(adesso.time(), QLocale::ShortFormat));
}

void frmFREQRITESTRATTI::mostraPosizione() {
    lblRuoteRicerca->setText(QString::fromStdString(m_navigazione.didascalia()));
    lblOrdinamento->setText(QString::fromStdString(stats::nomeCriterio(m_navigazione.criterio(m_navigazione.ruotaMostrata()))));
    lblOrdine->setText(QStringLiteral("Crescente"));
    MOSTRA_RUOTA_RICERCA();
}

void frmFREQRITESTRATTI::cmdRuotaPiu_Click() {
    if (!m_risultatiDisponibili) return;
    nascondiPopup();
    m_navigazione.avanti();
    mostraPosizione();
}

void frmFREQRITESTRATTI::cmdRuotaMeno_Click() {
    if (!m_risultatiDisponibili) return;
    nascondiPopup();
    m_navigazione.indietro();
    mostraPosizione();
}

void frmFREQRITESTRATTI::ordina(int criterio) {
    if (!m_risultatiDisponibili || criterio < stats::NUMERICO || criterio > stats::RITARDO_MASSIMO) return;
    const int c = m_navigazione.ruotaMostrata();
    m_navigazione.impostaCriterio(c, criterio);
    lblOrdinamento->setText(QString::fromStdString(stats::nomeCriterio(criterio)));
    fmeOrdinamento->hide();
    m_daScrivere.fill(false);
    m_daScrivere[static_cast<std::size_t>(c)] = true;
    m_ordine[static_cast<std::size_t>(c)] = stats::ordinePosizioni(m_risultati, c, criterio);
    SCRIVI_DATI_RICERCA();
    MOSTRA_RUOTA_RICERCA();
}

void frmFREQRITESTRATTI::cmdEsporta_Click() {
    nascondiPopup();
    if (!m_risultatiDisponibili) {
        prompt::informa(this, titoloProgramma(), QStringLiteral("Nessun dato da esportare: eseguire prima una ricerca."));
        return;
    }
    const int c = m_navigazione.ruotaMostrata();
    const QString nomeColonna = c == 0 ? QStringLiteral("INCROCIATE") : QString::fromStdString(m_stato.Nome_Ruota[static_cast<std::size_t>(c)]);
    const QString proposto = QDir::home().filePath(QStringLiteral("frequenze_ritardi_%1.csv").arg(nomeColonna.toLower()));
    const QString percorso = prompt::scegliFileDaSalvare(this, QStringLiteral("Esporta i dati della griglia"), proposto,
                                                         QStringLiteral("File CSV (*.csv)"));
    if (percorso.isEmpty()) return;
    const std::string testo = stats::csvNumeri(m_risultati, c, m_ordine[static_cast<std::size_t>(c)]);
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(testo.data(), static_cast<qint64>(testo.size())) != static_cast<qint64>(testo.size()) || !file.flush()) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Impossibile scrivere il file %1: %2").arg(QDir::toNativeSeparators(percorso), file.errorString()),
                        prompt::Tipo::Avviso);
        return;
    }
    prompt::informa(this, titoloProgramma(),
                    QStringLiteral("Dati della griglia %1 esportati in %2.").arg(nomeColonna, QDir::toNativeSeparators(percorso)));
}

void frmFREQRITESTRATTI::portaPrincipaleInPrimoPiano() {
    nascondiPopup();
    if (m_principale) {
        m_principale->raise();
        m_principale->activateWindow();
    }
}

void frmFREQRITESTRATTI::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) {
        portaPrincipaleInPrimoPiano();
        return;
    }
    QWidget::keyPressEvent(evento);
}

bool frmFREQRITESTRATTI::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::Enter) {
        if (oggetto == m_pila) {
            nascondiPopup();
        } else if (m_sensoriAttivi && (oggetto == cmdOrdinamento || oggetto == cmdOpzioniRicerche)) {
            static_cast<QPushButton*>(oggetto)->click();
        } else {
            for (int i = 0; i < 10; ++i)
                if (oggetto == lblMnu[static_cast<std::size_t>(i)]) evidenziaVoce(i);
        }
    } else if (evento->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        for (int i = 0; i < 10; ++i) {
            if (oggetto != lblMnu[static_cast<std::size_t>(i)]) continue;
            if (mouse->button() == Qt::LeftButton && CRITERIO_VOCE[i] > 0) ordina(CRITERIO_VOCE[i]);
            return true;
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

} // namespace ui
