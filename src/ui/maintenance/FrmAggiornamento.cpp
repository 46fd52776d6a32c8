#include "FrmAggiornamento.h"

#include "core/Archivio.h"
#include "core/Campi.h"
#include "maintenance/Backup.h"
#include "ui/Guida.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Stampa.h"
#include "ui/Tastiera.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <ctime>
#include <variant>

namespace ui {

namespace {

const QString ERRORE_INSERIMENTO = QStringLiteral("ERRORE INSERIMENTO DATI");

QString q(const std::string& testo) {
    return testoArchivio(testo);
}
std::string s(const QString& testo) {
    return testo.toLatin1().toStdString();
}

QLineEdit* casella(QWidget* genitore, const QString& nome, int larghezza) {
    auto* c = new QLineEdit(genitore);
    c->setObjectName(nome);
    c->setFixedWidth(larghezza);
    c->setAlignment(Qt::AlignCenter);
    c->setContextMenuPolicy(Qt::NoContextMenu);
    return c;
}

} // namespace

frmAggiornamento::frmAggiornamento(core::Stato& stato, QWidget* genitore)
    : QDialog(genitore), m_stato(stato) {
    setObjectName(QStringLiteral("frmAggiornamento"));
    setWindowTitle(QStringLiteral("Aggiornamento Archivio estrazioni."));
    setModal(true);
    if (m_stato.Max_Concorsi_Anno < 1) m_stato.Max_Concorsi_Anno = core::campi::MAX_CONCORSI_ANNO.predefinito;
    costruisci();
    vscEstrazioni->setPageStep(m_stato.Max_Concorsi_Anno);
    leggiAvvisoBackup();
    Dati_Iniziali_Aggiornamento();
    preparaTastiera(this);
}

void frmAggiornamento::costruisci() {
    auto* principale = new QVBoxLayout(this);
    principale->setContentsMargins(6, 4, 6, 6);

    auto* menu = new QMenuBar(this);
    auto voce = [this](QMenu* m, const char* nome, const QString& testo, auto azione) {
        QAction* a = m->addAction(testo);
        a->setObjectName(QString::fromLatin1(nome));
        connect(a, &QAction::triggered, this, azione);
        return a;
    };
    QMenu* file = menu->addMenu(QStringLiteral("File"));
    voce(file, "mnuaggiornamentoSfoglia", QStringLiteral("Sfoglia Archivio"), [this] { sfogliaDaMenu(); });
    voce(file, "mnuFileStampa", QStringLiteral("Stampa"), [this] { mostraStampa(true); });
    voce(file, "mnuFileBackup", QStringLiteral("Backup Archivio"), [this] { cmdBackup_Click(); });
    file->addSeparator();
    voce(file, "mnuFileChiudi", QStringLiteral("Chiudi"), [this] { close(); });
    QMenu* archivio = menu->addMenu(QStringLiteral("Archivio"));
    m_vociScrittura = {voce(archivio, "mnuModificaNuovaEstrazione",
                            QStringLiteral("Inserisci NUOVA ESTRAZIONE"), [this] { entraNuovaEstrazione(); }),
                       voce(archivio, "mnuModificaVecchia", QStringLiteral("Modifica Vecchia Estrazione"),
                            [this] { entraModo(Modo::Vecchia); }),
                       voce(archivio, "mnuIntramezzo", QStringLiteral("Inserisci Estrazione tra..."),
                            [this] { entraModo(Modo::Intramezzo); }),
                       voce(archivio, "mnuElimina", QStringLiteral("ELIMINA Estrazione"),
                            [this] { entraModo(Modo::Elimina); })};
    archivio->addSeparator();
    voce(archivio, "mnuModifReportArchivio", QStringLiteral("Report Modifiche effettuate"),
         [this] { mostraReport(); });
    principale->setMenuBar(menu);

    // The toolbar: 6 and 9 are gaps between groups of buttons.
    auto* barra = new QHBoxLayout;
    const std::array<std::pair<const char*, const char*>, 11> pulsanti{{
        {"Nuova", "Inserisci NUOVA ESTRAZIONE"},
        {"Sfoglia", "Sfoglia Archivio"},
        {"Modifica", "Modifica Vecchia Estrazione"},
        {"Intramezzo", "Inserisci Estrazione tra..."},
        {"Elimina", "ELIMINA Estrazione"},
        {"Report", "Report Modifiche effettuate"},
        {nullptr, nullptr},
        {"Copia", "Copia l' estrazione mostrata"},
        {"Incolla", "Incolla l' estrazione copiata"},
        {nullptr, nullptr},
        {"Stampa", "Stampa l' estrazione mostrata"},
    }};
    for (int i = 0; i < 11; ++i) {
        if (!pulsanti[std::size_t(i)].first) {
            barra->addSpacing(14);
            continue;
        }
        auto* tasto = new QToolButton(this);
        tasto->setObjectName(QStringLiteral("cmdTollbar_%1").arg(i));
        tasto->setText(QString::fromUtf8(pulsanti[std::size_t(i)].first));
        tasto->setToolTip(QString::fromUtf8(pulsanti[std::size_t(i)].second));
        tasto->setAutoRaise(true);
        cmdTollbar[std::size_t(i)] = tasto;
        barra->addWidget(tasto);
        connect(tasto, &QToolButton::clicked, this, [this, i] {
            cmdDatiNuova->hide();
            switch (i) {
            case 0:
                entraNuovaEstrazione();
                break;
            case 1:
                Dati_Iniziali_Aggiornamento();
                break;
            case 2:
                entraModo(Modo::Vecchia);
                break;
            case 3:
                entraModo(Modo::Intramezzo);
                break;
            case 4:
                entraModo(Modo::Elimina);
                break;
            case 5:
                mostraReport();
                break;
            case 7:
                copiaEstrazione();
                break;
            case 8:
                incollaEstrazione();
                break;
            case 10:
                mostraStampa(true);
                break;
            default:
                break;
            }
        });
    }
    cmdTollbar[8]->setEnabled(false);
    barra->addStretch();
    principale->addLayout(barra);

    auto* corpo = new QHBoxLayout;
    corpo->addWidget(costruisciEstrazione(), 1);
    corpo->addWidget(costruisciPannelli());
    principale->addLayout(corpo, 1);

    auto* fondo = new QHBoxLayout;
    auto* cmdHelp = new QPushButton(QStringLiteral("Guida"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp->setAutoDefault(false);
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("aggiornamento_estrazione.htm")); });
    auto* cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setAutoDefault(false);
    fondo->addWidget(cmdHelp);
    fondo->addStretch();
    fondo->addWidget(cmdChiudi);
    principale->addLayout(fondo);
    connect(cmdChiudi, &QPushButton::clicked, this, &QWidget::close);
}

QWidget* frmAggiornamento::costruisciEstrazione() {
    fmeEstrazioneCompleta = new QGroupBox(this);
    fmeEstrazioneCompleta->setObjectName(QStringLiteral("fmeEstrazioneCompleta"));
    auto* griglia = new QGridLayout(fmeEstrazioneCompleta);
    griglia->setVerticalSpacing(3);

    auto* testata = new QHBoxLayout;
    testata->addWidget(new QLabel(QStringLiteral("n° Estrazione:"), fmeEstrazioneCompleta));
    lblNumeroEstrazione = etichettaValore(fmeEstrazioneCompleta, "lblNumeroEstrazione", 60);
    testata->addWidget(lblNumeroEstrazione);
    testata->addSpacing(10);
    testata->addWidget(new QLabel(QStringLiteral("DATA:"), fmeEstrazioneCompleta));
    txt_Giorno = casella(fmeEstrazioneCompleta, QStringLiteral("txt_Giorno"), 34);
    txt_Mese = casella(fmeEstrazioneCompleta, QStringLiteral("txt_Mese"), 34);
    txt_Anno_Data = casella(fmeEstrazioneCompleta, QStringLiteral("txt_Anno_Data"), 50);
    testata->addWidget(txt_Giorno);
    testata->addWidget(new QLabel(QStringLiteral("/"), fmeEstrazioneCompleta));
    testata->addWidget(txt_Mese);
    testata->addWidget(new QLabel(QStringLiteral("/"), fmeEstrazioneCompleta));
    testata->addWidget(txt_Anno_Data);
    testata->addStretch();
    griglia->addLayout(testata, 0, 0, 1, 8);

    auto* riga2 = new QHBoxLayout;
    lblConcorso = new QLabel(QStringLiteral("CONCORSO:"), fmeEstrazioneCompleta);
    lblConcorso->setObjectName(QStringLiteral("lblConcorso"));
    lblConcorso->setAttribute(Qt::WA_Hover);
    lblConcorso->installEventFilter(this);
    txt_Concorso = casella(fmeEstrazioneCompleta, QStringLiteral("txt_Concorso"), 42);
    lbl_Anno_Concorso = etichettaValore(fmeEstrazioneCompleta, "lbl_Anno_Concorso", 50);
    lblUltimoConcorso = new QLabel(fmeEstrazioneCompleta);
    lblUltimoConcorso->setObjectName(QStringLiteral("lblUltimoConcorso"));
    riga2->addWidget(lblConcorso);
    riga2->addWidget(txt_Concorso);
    riga2->addWidget(new QLabel(QStringLiteral("/"), fmeEstrazioneCompleta));
    riga2->addWidget(lbl_Anno_Concorso);
    riga2->addWidget(lblUltimoConcorso);
    riga2->addStretch();
    lblUltimoConcorso->hide();
    griglia->addLayout(riga2, 1, 0, 1, 8);

    for (QLineEdit* c : {txt_Giorno, txt_Mese, txt_Anno_Data, txt_Concorso}) {
        c->installEventFilter(this);
        connect(c, &QLineEdit::textChanged, this, [this, c](const QString& testo) {
            if (testo == QStringLiteral("0")) c->clear();
            ricolora(c);
        });
    }
    txt_Anno_Data->setMaxLength(4);
    connect(txt_Anno_Data, &QLineEdit::textChanged, this, [this](const QString& testo) {
        if (Modalita_Inserimento) lbl_Anno_Concorso->setText(testo);
    });
    connect(txt_Giorno, &QLineEdit::returnPressed, txt_Mese, [this] { txt_Mese->setFocus(); });

    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        auto* nome =
            new QLabel(QStringLiteral(" ") + q(m_stato.Nome_Ruota[std::size_t(w)]), fmeEstrazioneCompleta);
        nome->setObjectName(QStringLiteral("LBLnomeRuota_%1").arg(w));
        nome->setMinimumWidth(80);
        griglia->addWidget(nome, w + 1, 0);
        for (int i = 1; i <= 5; ++i) {
            const int k = 5 * w - 5 + i;
            QLineEdit* c = casella(fmeEstrazioneCompleta, QStringLiteral("txtEstratto_%1").arg(k), 34);
            c->setMaxLength(2);
            c->installEventFilter(this);
            txtEstratto[std::size_t(k)] = c;
            griglia->addWidget(c, w + 1, i);
            connect(c, &QLineEdit::textChanged, this, [this, c] { ricolora(c); });
        }
        auto* nulla = new QPushButton(QStringLiteral("Nulla"), fmeEstrazioneCompleta);
        nulla->setObjectName(QStringLiteral("cmd_Nulle_%1").arg(w));
        nulla->setToolTip(
            QStringLiteral("Estrazione nulla sulla ruota di %1").arg(q(m_stato.Nome_Ruota[std::size_t(w)])));
        nulla->setAutoDefault(false);
        nulla->setMaximumWidth(64);
        cmd_Nulle[std::size_t(w)] = nulla;
        griglia->addWidget(nulla, w + 1, 6);
        connect(nulla, &QPushButton::clicked, this, [this, w] { cmd_Nulle_Click(w); });
    }
    vscEstrazioni = new QScrollBar(Qt::Vertical, fmeEstrazioneCompleta);
    vscEstrazioni->setObjectName(QStringLiteral("vscEstrazioni"));
    // A drag of the thumb shows its draw once, on release, rather than every draw it passes.
    vscEstrazioni->setTracking(false);
    griglia->addWidget(vscEstrazioni, 2, 7, core::NUMERO_RUOTE, 1);
    connect(vscEstrazioni, &QScrollBar::valueChanged, this, [this](int v) {
        if (vscEstrazioni->isEnabled() && v >= 1) mostraEstrazione(v);
    });
    return fmeEstrazioneCompleta;
}

QWidget* frmAggiornamento::costruisciPannelli() {
    auto* colonna = new QWidget(this);
    auto* pannelli = new QVBoxLayout(colonna);
    pannelli->setContentsMargins(0, 0, 0, 0);
    m_pila = new QStackedWidget(colonna);

    Frame6 = new QGroupBox(QStringLiteral("Archivio"), m_pila);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    auto* info = new QGridLayout(Frame6);
    info->setVerticalSpacing(2);
    const char* didascalie[] = {"Totale concorsi registrati:",
                                "Primo concorso registrato:",
                                "del:",
                                "Ultimo concorso registrato:",
                                "del:",
                                "Concorso visionato:",
                                "del:"};
    for (int i = 0; i < 7; ++i) {
        info->addWidget(new QLabel(QString::fromUtf8(didascalie[i]), Frame6), i, 0);
        lb_Info[std::size_t(i)] = new QLabel(Frame6);
        lb_Info[std::size_t(i)]->setObjectName(QStringLiteral("lb_Info_%1").arg(i));
        lb_Info[std::size_t(i)]->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        lb_Info[std::size_t(i)]->setMinimumWidth(lb_Info[std::size_t(i)]->fontMetrics().horizontalAdvance(
            QStringLiteral("estr. 32000 - 999/2500 ")));
        info->addWidget(lb_Info[std::size_t(i)], i, 1);
    }
    cmdDatiNuova = new QPushButton(QStringLiteral("Modifica Nuova"), Frame6);
    cmdDatiNuova->setObjectName(QStringLiteral("cmdDatiNuova"));
    cmdDatiNuova->setAutoDefault(false);
    info->addWidget(cmdDatiNuova, 7, 0, 1, 2);
    connect(cmdDatiNuova, &QPushButton::clicked, this,
            [this] { m_pila->setCurrentWidget(fmeRegistrazione); });
    m_pila->addWidget(Frame6);

    fmeRegistrazione = new QGroupBox(QStringLiteral("Registrazione"), m_pila);
    fmeRegistrazione->setObjectName(QStringLiteral("fmeRegistrazione"));
    auto* registrazione = new QVBoxLayout(fmeRegistrazione);
    optNuovaEstrazione = new QRadioButton(QStringLiteral("Nuova Estrazione"), fmeRegistrazione);
    optNuovaEstrazione->setObjectName(QStringLiteral("optNuovaEstrazione"));
    optModificaVecchiaEstrazione = new QRadioButton(QStringLiteral("Modifica vecchia"), fmeRegistrazione);
    optModificaVecchiaEstrazione->setObjectName(QStringLiteral("optModificaVecchiaEstrazione"));
    optIntramezzo = new QRadioButton(QStringLiteral("Intramezzo"), fmeRegistrazione);
    optIntramezzo->setObjectName(QStringLiteral("optIntramezzo"));
    optElimina = new QRadioButton(QStringLiteral("ELIMINA"), fmeRegistrazione);
    optElimina->setObjectName(QStringLiteral("optElimina"));
    for (QRadioButton* opzione :
         {optNuovaEstrazione, optModificaVecchiaEstrazione, optIntramezzo, optElimina})
        registrazione->addWidget(opzione);
    // A click on an option enters its mode; choosing the option from code (entraModo) does not.
    connect(optNuovaEstrazione, &QRadioButton::clicked, this, [this] { entraNuovaEstrazione(); });
    connect(optModificaVecchiaEstrazione, &QRadioButton::clicked, this, [this] { entraModo(Modo::Vecchia); });
    connect(optIntramezzo, &QRadioButton::clicked, this, [this] { entraModo(Modo::Intramezzo); });
    connect(optElimina, &QRadioButton::clicked, this, [this] { entraModo(Modo::Elimina); });
    cmd_Registra_Estrazione = new QPushButton(QStringLiteral("Registra Estrazione"), fmeRegistrazione);
    cmd_Registra_Estrazione->setObjectName(QStringLiteral("cmd_Registra_Estrazione"));
    registrazione->addWidget(cmd_Registra_Estrazione);
    auto* coppia = new QHBoxLayout;
    cmdDati = new QPushButton(QStringLiteral("DATI"), fmeRegistrazione);
    cmdDati->setObjectName(QStringLiteral("cmdDati"));
    auto* cmdChiudiRegistrazione = new QPushButton(QStringLiteral("Sfoglia"), fmeRegistrazione);
    cmdChiudiRegistrazione->setObjectName(QStringLiteral("cmdChiudiRegistrazione"));
    for (QPushButton* p : {cmd_Registra_Estrazione, cmdDati, cmdChiudiRegistrazione})
        p->setAutoDefault(false);
    coppia->addWidget(cmdDati);
    coppia->addWidget(cmdChiudiRegistrazione);
    registrazione->addLayout(coppia);
    prgAggiornamento = new QProgressBar(fmeRegistrazione);
    prgAggiornamento->setObjectName(QStringLiteral("prgAggiornamento"));
    prgAggiornamento->setValue(0);
    registrazione->addWidget(prgAggiornamento);
    registrazione->addStretch();
    connect(cmd_Registra_Estrazione, &QPushButton::clicked, this,
            &frmAggiornamento::cmd_Registra_Estrazione_Click);
    connect(cmdDati, &QPushButton::clicked, this, [this] { m_pila->setCurrentWidget(Frame6); });
    connect(cmdChiudiRegistrazione, &QPushButton::clicked, this, [this] { sfogliaDaMenu(); });
    m_pila->addWidget(fmeRegistrazione);
    pannelli->addWidget(m_pila);

    // The print panel takes the backup panel's place while it is open, so the window keeps its layout.
    m_pilaServizi = new QStackedWidget(colonna);
    fmeStampa = new QGroupBox(QStringLiteral("STAMPA DELL' ESTRAZIONE MOSTRATA"), m_pilaServizi);
    fmeStampa->setObjectName(QStringLiteral("fmeStampa"));
    auto* stampa = new QGridLayout(fmeStampa);
    chkStampaEstrazioneMostrata = new QCheckBox(QStringLiteral("Stampa L' estrazione Mostrata"), fmeStampa);
    chkStampaEstrazioneMostrata->setObjectName(QStringLiteral("chkStampaEstrazioneMostrata"));
    chkStampaEstrazioneMostrata->setChecked(true);
    connect(chkStampaEstrazioneMostrata, &QCheckBox::toggled, this, [this](bool si) {
        if (!si) chkStampaEstrazioneMostrata->setChecked(true);
    });
    auto* cmdStampaEstrazione = new QPushButton(QStringLiteral("Stampa"), fmeStampa);
    cmdStampaEstrazione->setObjectName(QStringLiteral("cmdStampaEstrazione"));
    auto* cmdChiudiStampa = new QPushButton(QStringLiteral("Chiudi"), fmeStampa);
    cmdChiudiStampa->setObjectName(QStringLiteral("cmdChiudiStampa"));
    cmdStampaEstrazione->setAutoDefault(false);
    cmdChiudiStampa->setAutoDefault(false);
    stampa->addWidget(chkStampaEstrazioneMostrata, 0, 0, 1, 2);
    stampa->addWidget(cmdStampaEstrazione, 1, 0);
    stampa->addWidget(cmdChiudiStampa, 1, 1);
    connect(cmdStampaEstrazione, &QPushButton::clicked, this, &frmAggiornamento::cmdStampaEstrazione_Click);
    connect(cmdChiudiStampa, &QPushButton::clicked, this, [this] { mostraStampa(false); });

    fmeBackup = new QGroupBox(QStringLiteral("Backup Archivio"), m_pilaServizi);
    fmeBackup->setObjectName(QStringLiteral("fmeBackup"));
    auto* backup = new QGridLayout(fmeBackup);
    auto* cmdBackup = new QPushButton(QStringLiteral("Backup Archivio"), fmeBackup);
    cmdBackup->setObjectName(QStringLiteral("cmdBackup"));
    cmdBackup->setAutoDefault(false);
    lblEstrazioniDopoBackup = new QLabel(fmeBackup);
    lblEstrazioniDopoBackup->setObjectName(QStringLiteral("lblEstrazioniDopoBackup"));
    chkAvvisoBackup = new QCheckBox(QStringLiteral("Avviso programmato dopo"), fmeBackup);
    chkAvvisoBackup->setObjectName(QStringLiteral("chkAvvisoBackup"));
    txtSogliaBackup = new QSpinBox(fmeBackup);
    txtSogliaBackup->setObjectName(QStringLiteral("txtSogliaBackup"));
    txtSogliaBackup->setRange(1, 100);
    backup->addWidget(cmdBackup, 0, 0, 1, 3);
    backup->addWidget(lblEstrazioniDopoBackup, 1, 0, 1, 3);
    backup->addWidget(chkAvvisoBackup, 2, 0);
    backup->addWidget(txtSogliaBackup, 2, 1);
    backup->addWidget(new QLabel(QStringLiteral("estrazioni"), fmeBackup), 2, 2);
    connect(cmdBackup, &QPushButton::clicked, this, &frmAggiornamento::cmdBackup_Click);
    connect(chkAvvisoBackup, &QCheckBox::toggled, this,
            [this](bool si) { scriviImpostazione(this, m_stato, core::campi::AVVISO_BACKUP, si ? 1 : 0); });
    connect(txtSogliaBackup, &QSpinBox::valueChanged, this, [this](int soglia) {
        scriviImpostazione(this, m_stato, core::campi::SOGLIA_AVVISO_BACKUP, soglia);
    });
    m_pilaServizi->addWidget(fmeBackup);
    m_pilaServizi->addWidget(fmeStampa);
    pannelli->addWidget(m_pilaServizi);
    pannelli->addStretch();
    return colonna;
}

void frmAggiornamento::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    centraSulloSchermo(this);
}

void frmAggiornamento::done(int risultato) {
    QDialog::done(risultato);
    if (Archivio_Toccato) {
        Archivio_Toccato = false;
        emit archivioCambiato();
    }
}

void frmAggiornamento::closeEvent(QCloseEvent* evento) {
    if (Modalita_Inserimento && m_archivio.stato == maintenance::StatoArchivio::Sano) {
        const auto mostrati = m_modo == Modo::Nuova ? maintenance::CampiEstrazione{}
                                                    : maintenance::Mostra_Estrazione(*m_archivio.archivio,
                                                                                     vscEstrazioni->value());
        if (maintenance::estrazioneDaRegistrare(m_modo, campi(), mostrati)) {
            const int scelta = prompt::scegli(
                this, titoloProgramma(), QStringLiteral("Registrare l'estrazione digitata?"), {},
                {QStringLiteral("Registra"), QStringLiteral("Non registrare"), QStringLiteral("Annulla")});
            if (scelta == 0) cmd_Registra_Estrazione_Click();
            // Annulla, Esc, or a draw the checks refused (or whose question was answered No): the window
            // stays with the draw as typed.
            if (scelta < 0 || scelta == 2 || (scelta == 0 && Modalita_Inserimento)) {
                evento->ignore();
                return;
            }
        }
    }
    QDialog::closeEvent(evento);
}

void frmAggiornamento::keyPressEvent(QKeyEvent* evento) {
    // The window closes only through "Chiudi": Esc would throw away a draw being typed without a word.
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

void frmAggiornamento::ricolora(QLineEdit* casella) {
    QPalette colori = casella->palette();
    colori.setColor(QPalette::Base,
                    casella->text().isEmpty() ? QColor(0xd8, 0xd8, 0xd8) : palette().color(QPalette::Base));
    casella->setPalette(colori);
}

bool frmAggiornamento::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == lblConcorso) {
        // The hint of the last contest in the archive shows while the pointer is over "CONCORSO:".
        if (evento->type() == QEvent::Enter) {
            lblUltimoConcorso->setText(
                QStringLiteral("( ultimo inserito: ") +
                q(m_archivio.archivio->Leggi_Concorso_Archivio(m_archivio.estrazioni)) +
                QStringLiteral(" )"));
            lblUltimoConcorso->show();
        } else if (evento->type() == QEvent::Leave) {
            lblUltimoConcorso->hide();
        }
        return false;
    }
    // A date box selects its whole text when it takes the focus and on Ctrl+A: the next digits replace it.
    const bool casellaData = oggetto == txt_Giorno || oggetto == txt_Mese || oggetto == txt_Anno_Data;
    if (casellaData && evento->type() == QEvent::FocusIn)
        QTimer::singleShot(0, static_cast<QLineEdit*>(oggetto), &QLineEdit::selectAll);
    if (evento->type() != QEvent::KeyPress) return false;
    auto* tasto = static_cast<QKeyEvent*>(evento);
    if (casellaData && tasto->matches(QKeySequence::SelectAll)) {
        static_cast<QLineEdit*>(oggetto)->selectAll();
        return true;
    }
    if (tasto->key() == Qt::Key_Tab || tasto->key() == Qt::Key_Backtab || tasto->key() == Qt::Key_Escape)
        return false;
    auto* c = qobject_cast<QLineEdit*>(oggetto);
    if (!c) return false;
    if (!Modalita_Inserimento) {
        // Browse mode: the boxes show the archive; any edit is undone at once.
        if (vscEstrazioni->isEnabled()) mostraEstrazione(vscEstrazioni->value());
        return true;
    }
    const bool invio = tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
    const auto numero = std::find(txtEstratto.begin() + 1, txtEstratto.end(), c);
    if (numero != txtEstratto.end()) {
        if (!invio) return false;
        const auto k = std::size_t(numero - txtEstratto.begin());
        if (k < maintenance::CASELLE_NUMERI) {
            txtEstratto[k + 1]->setFocus();
        } else {
            m_pila->setCurrentWidget(fmeRegistrazione);
            cmd_Registra_Estrazione->setFocus();
        }
        return true;
    }
    if (invio) {
        if (c == txt_Giorno)
            txt_Mese->setFocus();
        else if (c == txt_Mese)
            txt_Anno_Data->setFocus();
        else if (c == txt_Anno_Data)
            txt_Concorso->setFocus();
        else
            txtEstratto[1]->setFocus();
        return true; // mutazioni: equivalente — the filter below leaves Enter alone
    }
    // Backspace and Delete correct a typed digit as in any box; every other key goes through the filter.
    if (tasto->key() == Qt::Key_Backspace || tasto->key() == Qt::Key_Delete) return false;
    tastoData(c, tasto->key(), tasto->text());
    return true;
}

void frmAggiornamento::tastoData(QLineEdit* c, int, const QString& testo) {
    const char carattere =
        testo.size() == 1 && testo.at(0).unicode() < 128 ? char(testo.at(0).unicode()) : '\0';
    const int massimo = c == txt_Giorno      ? 31
                        : c == txt_Mese      ? 12
                        : c == txt_Anno_Data ? core::ULTIMO_ANNO_AMMESSO
                                             : m_stato.Max_Concorsi_Anno;
    const bool sostituisci =
        carattere >= '0' && carattere <= '9' && !c->text().isEmpty() && c->selectedText() == c->text();
    c->setText(
        q(maintenance::Stringhetta(sostituisci ? std::string() : s(c->text()), carattere, 1, massimo)));
    if (c == txt_Anno_Data) lbl_Anno_Concorso->setText(txt_Anno_Data->text());
}

void frmAggiornamento::cmd_Nulle_Click(int w) {
    if (!Modalita_Inserimento) return;
    for (int i = 5 * w - 4; i <= 5 * w; ++i)
        txtEstratto[std::size_t(i)]->setText(QStringLiteral("0"));
}

maintenance::CampiEstrazione frmAggiornamento::campi() const {
    maintenance::CampiEstrazione c;
    for (std::size_t i = 1; i <= maintenance::CASELLE_NUMERI; ++i)
        c.estratti[i] = s(txtEstratto[i]->text());
    c.giorno = s(txt_Giorno->text());
    c.mese = s(txt_Mese->text());
    c.anno = s(txt_Anno_Data->text());
    c.concorso = s(txt_Concorso->text());
    c.annoConcorso = s(lbl_Anno_Concorso->text());
    return c;
}

void frmAggiornamento::impostaCampi(const maintenance::CampiEstrazione& c) {
    for (std::size_t i = 1; i <= maintenance::CASELLE_NUMERI; ++i)
        txtEstratto[i]->setText(q(c.estratti[i]));
    txt_Giorno->setText(q(c.giorno));
    txt_Mese->setText(q(c.mese));
    txt_Anno_Data->setText(q(c.anno));
    txt_Concorso->setText(q(c.concorso));
    lbl_Anno_Concorso->setText(q(c.annoConcorso));
}

void frmAggiornamento::Cancella_Estrazioni() {
    numeroEstrazione(0);
    impostaCampi({});
}

void frmAggiornamento::numeroEstrazione(int n) {
    m_numero = n;
    if (n > 0)
        lblNumeroEstrazione->setText(QString::number(n));
    else
        lblNumeroEstrazione->clear();
}

void frmAggiornamento::mostraEstrazione(int v) {
    impostaCampi(maintenance::Mostra_Estrazione(*m_archivio.archivio, v));
    numeroEstrazione(v);
    const auto righe = maintenance::Mostra_Dati_Generali(*m_archivio.archivio, m_archivio.estrazioni, v);
    for (std::size_t i = 0; i < righe.size(); ++i)
        lb_Info[i]->setText(q(righe[i]));
}

void frmAggiornamento::Dati_Iniziali_Aggiornamento() {
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        cmd_Nulle[std::size_t(w)]->setEnabled(false);
        cmd_Nulle[std::size_t(w)]->setStyleSheet({});
    }
    Modalita_Inserimento = false;
    m_modo = Modo::Sfoglia;
    m_archivio =
        maintenance::Dati_Iniziali_Aggiornamento(m_stato.cartellaRuote(), m_stato.Max_Estrazioni_Archivio);
    const int estrazioni = m_archivio.estrazioni;
    // A damaged archive is never written: no mode that writes is offered.
    const bool sano = m_archivio.stato == maintenance::StatoArchivio::Sano;
    for (QAction* voce : m_vociScrittura)
        voce->setEnabled(sano);
    for (int i : {0, 2, 3, 4})
        cmdTollbar[std::size_t(i)]->setEnabled(sano);
    for (QRadioButton* opzione :
         {optNuovaEstrazione, optModificaVecchiaEstrazione, optIntramezzo, optElimina})
        opzione->setEnabled(sano);
    cmd_Registra_Estrazione->setEnabled(sano);
    if (!sano) mostra(maintenance::avvisoDanno(m_archivio.stato));
    {
        const QSignalBlocker blocco(vscEstrazioni);
        vscEstrazioni->setRange(estrazioni > 0 ? 1 : 0, estrazioni);
        vscEstrazioni->setEnabled(estrazioni > 0);
        if (estrazioni == 0) vscEstrazioni->setValue(0);
    }
    if (!sano) {
        // The damaged archive is not offered for browsing, nor for changes.
        m_pila->setCurrentWidget(Frame6);
        Cancella_Estrazioni();
        return;
    }
    Sfoglia_Estrazioni_Aggiornamento();
}

void frmAggiornamento::mostra(const maintenance::Avviso& avviso) {
    prompt::informa(this, avviso.titolo.empty() ? titoloProgramma() : QString::fromStdString(avviso.titolo),
                    QString::fromStdString(avviso.testo),
                    avviso.attenzione ? prompt::Tipo::Avviso : prompt::Tipo::Informazione);
}

bool frmAggiornamento::rifiuta(Modo modo) {
    const auto rifiuto = maintenance::rifiutoModo(modo, m_archivio, m_stato.Max_Estrazioni_Archivio);
    if (!rifiuto) return false;
    if (rifiuto->vuoto) {
        opzioneDelModo(modo)->setChecked(true);
        mostra(rifiuto->avviso);
        Dati_Iniziali_Aggiornamento();
    } else {
        segnaOpzioneDelModo();
        mostra(rifiuto->avviso);
    }
    return true;
}

QRadioButton* frmAggiornamento::opzioneDelModo(Modo modo) const {
    return modo == Modo::Nuova        ? optNuovaEstrazione
           : modo == Modo::Vecchia    ? optModificaVecchiaEstrazione
           : modo == Modo::Intramezzo ? optIntramezzo
           : modo == Modo::Elimina    ? optElimina
                                      : nullptr;
}

void frmAggiornamento::segnaOpzioneDelModo() {
    // A click on a refused option has already ticked it: the option of the running mode is ticked again.
    if (QRadioButton* opzione = opzioneDelModo(m_modo)) opzione->setChecked(true);
}

void frmAggiornamento::Sfoglia_Estrazioni_Aggiornamento() {
    m_pila->setCurrentWidget(Frame6);
    cmdDatiNuova->hide();
    fmeEstrazioneCompleta->setTitle(QStringLiteral("SFOGLIA ESTRAZIONI"));
    Cancella_Estrazioni();
    for (QLabel* riga : lb_Info)
        riga->clear();
    if (vscEstrazioni->isEnabled()) {
        const QSignalBlocker blocco(vscEstrazioni);
        vscEstrazioni->setValue(vscEstrazioni->maximum());
        mostraEstrazione(vscEstrazioni->maximum());
    } else {
        lb_Info[0]->setText(QStringLiteral("0"));
    }
}

void frmAggiornamento::sfogliaDaMenu() {
    cmdDatiNuova->hide();
    Dati_Iniziali_Aggiornamento();
}

void frmAggiornamento::Modifica_Archivio() {
    Cancella_Estrazioni();
    m_pila->setCurrentWidget(fmeRegistrazione);
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        cmd_Nulle[std::size_t(w)]->setEnabled(true);
}

void frmAggiornamento::entraNuovaEstrazione() {
    if (rifiuta(Modo::Nuova)) return;
    Modifica_Archivio();
    optNuovaEstrazione->setChecked(true);
    Cancella_Estrazioni();
    vscEstrazioni->setEnabled(false);
    fmeEstrazioneCompleta->setTitle(QStringLiteral(" Inserimento NUOVA ESTRAZIONE"));
    numeroEstrazione(maintenance::estrazioneDelModo(Modo::Nuova, m_archivio, m_numero));
    lb_Info[5]->setText(QStringLiteral("NUOVA ESTRAZIONE"));
    lb_Info[6]->clear();
    cmd_Registra_Estrazione->setText(
        conMnemonico(cmd_Registra_Estrazione->text(), QStringLiteral("Registra Estrazione")));
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        cmd_Nulle[std::size_t(w)]->setStyleSheet(QStringLiteral("background-color: #ffc0cb"));
    m_modo = Modo::Nuova;
    Modalita_Inserimento = true;
    cmdDati->show();
    cmdDatiNuova->show();
    txt_Giorno->setFocus();
}

void frmAggiornamento::entraModo(Modo modo) {
    if (modo == Modo::Nuova) return entraNuovaEstrazione();
    if (modo == Modo::Sfoglia) return sfogliaDaMenu();
    cmdDatiNuova->hide();
    if (rifiuta(modo)) return;
    opzioneDelModo(modo)->setChecked(true);
    cmdDati->hide();
    Cancella_Estrazioni();
    m_pila->setCurrentWidget(fmeRegistrazione);
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        cmd_Nulle[std::size_t(w)]->setEnabled(true);
        cmd_Nulle[std::size_t(w)]->setStyleSheet(QStringLiteral("background-color: #ffc0cb"));
    }
    vscEstrazioni->setEnabled(true);
    const char* cornice = modo == Modo::Vecchia      ? " Modifica VECCHIA ESTRAZIONE"
                          : modo == Modo::Intramezzo ? " Estrazione in INTRAMEZZO "
                                                     : " ELIMINA Estrazione dall' Archivio";
    fmeEstrazioneCompleta->setTitle(QString::fromUtf8(cornice));
    mostraEstrazione(vscEstrazioni->value());
    lb_Info[5]->setText(modo == Modo::Vecchia      ? QStringLiteral("VECCHIA ESTRAZIONE")
                        : modo == Modo::Intramezzo ? QStringLiteral("INTRAMEZZO")
                                                   : QStringLiteral("ELIMINAZIONE"));
    lb_Info[6]->clear();
    cmd_Registra_Estrazione->setText(conMnemonico(
        cmd_Registra_Estrazione->text(), modo == Modo::Elimina ? QStringLiteral("ELIMINA Estrazione")
                                                               : QStringLiteral("Registra Estrazione")));
    m_modo = modo;
    Modalita_Inserimento = true;
    txt_Giorno->setFocus();
}

void frmAggiornamento::cmd_Registra_Estrazione_Click() {
    if (!Modalita_Inserimento || m_archivio.stato != maintenance::StatoArchivio::Sano) return;
    const int n = maintenance::estrazioneDelModo(m_modo, m_archivio, m_numero);
    maintenance::NuovaEstrazione estrazione;
    if (m_modo != Modo::Elimina) {
        const QDate oggi = m_oggi.isValid() ? m_oggi : QDate::currentDate();
        const auto limiti = maintenance::limitiDelModo(m_modo, m_archivio, n,
                                                       {oggi.year(), oggi.month(), oggi.day()}, m_stato);
        const auto esito = maintenance::Controllo_Estrazione(campi(), n, limiti, m_stato.Nome_Ruota);
        if (const auto* rifiuto = std::get_if<maintenance::Rifiuto>(&esito)) {
            // The boxes stay as typed, the focus on the first wrong one.
            prompt::informa(this, ERRORE_INSERIMENTO, q(rifiuto->messaggio), prompt::Tipo::Avviso);
            const int k = rifiuto->casella;
            QLineEdit* casella = k >= 1 && k <= maintenance::CASELLE_NUMERI ? txtEstratto[std::size_t(k)]
                                 : k == maintenance::CASELLA_GIORNO         ? txt_Giorno
                                 : k == maintenance::CASELLA_MESE           ? txt_Mese
                                 : k == maintenance::CASELLA_ANNO           ? txt_Anno_Data
                                 : k == maintenance::CASELLA_CONCORSO       ? txt_Concorso
                                                                            : nullptr;
            if (casella) casella->setFocus();
            return;
        }
        estrazione = std::get<maintenance::NuovaEstrazione>(esito);
        Estratti_Da_Registrare = estrazione.numeri;
    }
    Archivio_Toccato = true;
    esegui(estrazione, n);
}

void frmAggiornamento::esegui(const maintenance::NuovaEstrazione& estrazione, int n) {
    if (const auto domanda = maintenance::domandaDelModo(m_modo, n);
        domanda && !prompt::chiedi(this, QString::fromStdString(domanda->titolo),
                                   QString::fromStdString(domanda->testo)))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    prgAggiornamento->setValue(0);
    const auto esito = maintenance::eseguiOperazione(m_stato, m_archivio, m_modo, n, estrazione, m_guasto);
    QApplication::restoreOverrideCursor();
    for (const auto& avviso : esito.avvisi)
        mostra(avviso);
    if (esito.cambiato) {
        // The typed draw stays in its boxes until the user chooses to read the archive again: every
        // operation is refused on the archive the window holds.
        if (!prompt::chiedi(
                this, titoloProgramma(),
                QStringLiteral("Rileggere l'archivio come è ora? La finestra torna a sfogliare le "
                               "estrazioni; ciò che è stato digitato e non registrato si perde.")))
            return;
        m_stato.Archivio_Modificato = true;
    }
    leggiAvvisoBackup();
    Dati_Iniziali_Aggiornamento();
}

void frmAggiornamento::cmdStampaEstrazione_Click() {
    if (!prompt::chiedi(this, titoloProgramma(),
                        QStringLiteral("Stampare i dati dell' estrazione attualmente mostrati?")))
        return;
    Stampa stampa;
    if (stampa.Imposta_Stampante(this, 1)) {
        const auto righe = maintenance::righeStampaEstrazione(campi(), m_stato.Nome_Ruota,
                                                              m_numero > 0 ? std::to_string(m_numero) : "");
        for (std::size_t i = 0; i < righe.size(); ++i)
            stampa.riga(QString::fromStdString(righe[i]), i == 1);
        stampa.fine();
    }
    mostraStampa(false);
}

void frmAggiornamento::mostraStampa(bool si) {
    m_pilaServizi->setCurrentWidget(si ? fmeStampa : fmeBackup);
}

void frmAggiornamento::copiaEstrazione() {
    Memoria_Estrazione = maintenance::copiaEstrazione(campi());
    m_memoriaPiena = true;
    cmdTollbar[8]->setEnabled(true);
}

void frmAggiornamento::incollaEstrazione() {
    if (!m_memoriaPiena) return;
    impostaCampi(maintenance::incollaEstrazione(Memoria_Estrazione));
}

void frmAggiornamento::mostraReport() {
    const QString testo = q(maintenance::testoReport(m_stato.Contatori_Modifiche))
                              .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    prompt::informa(this, QStringLiteral("REPORT MODIFICA ESTRAZIONI."), testo.trimmed());
}

void frmAggiornamento::leggiAvvisoBackup() {
    const auto avviso = maintenance::Leggi_Backup_Messaggio(m_stato);
    const QSignalBlocker bloccoCasella(chkAvvisoBackup);
    const QSignalBlocker bloccoSoglia(txtSogliaBackup);
    chkAvvisoBackup->setChecked(avviso.Avviso_Backup_Attivo != 0);
    txtSogliaBackup->setValue(avviso.Soglia_Avviso_Backup);
    lblEstrazioniDopoBackup->setText(
        QStringLiteral("Estrazioni dall' ultimo backup: %1").arg(avviso.Estrazioni_Dopo_Backup));
}

void frmAggiornamento::cmdBackup_Click() {
    const auto copia = maintenance::Backup_Archivio(m_stato, core::oraLocale());
    if (!copia)
        prompt::informa(
            this, QStringLiteral("Backup Archivio"),
            QStringLiteral("ATTENZIONE: Backup non eseguito, %1. L' archivio non è stato modificato.")
                .arg(QString::fromStdString(copia.messaggio())),
            prompt::Tipo::Avviso);
    else if (!copia->azzeramento)
        // The copy is whole, but the reminder would go on counting from the previous backup.
        prompt::informa(this, QStringLiteral("Backup Archivio"),
                        QStringLiteral("Backup dell' archivio eseguito nella cartella:\n%1\nATTENZIONE: %2.")
                            .arg(QString::fromStdString(copia->cartella.string()),
                                 QString::fromStdString(copia->azzeramento.messaggio())),
                        prompt::Tipo::Avviso);
    else
        prompt::informa(this, QStringLiteral("Backup Archivio"),
                        QStringLiteral("Backup dell' archivio eseguito nella cartella:\n%1")
                            .arg(QString::fromStdString(copia->cartella.string())));
    leggiAvvisoBackup();
}

} // namespace ui
