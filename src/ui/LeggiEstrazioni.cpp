#include "LeggiEstrazioni.h"

#include "Guida.h"
#include "Programma.h"
#include "Prompt.h"
#include "core/Caricamento.h"
#include "core/Impostazioni.h"
#include "importa/ImportaArchivio.h"
#include "maintenance/Aggiornamento.h"
#include "stakes/Poste.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace ui {

LeggiEstrazioni::LeggiEstrazioni(core::Stato& stato, QWidget* genitore)
    : QDialog(genitore), m_stato(stato), m_file(stato) {
    setObjectName(QStringLiteral("LeggiEstrazioni"));
    setWindowTitle(QStringLiteral("LETTURA ESTRAZIONI"));
    setModal(true);
    costruisci();
    apertura();
}

void LeggiEstrazioni::costruisci() {
    auto* principale = new QVBoxLayout(this);

    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* pannello = new QGridLayout(Frame1);
    pannello->addWidget(new QLabel(QStringLiteral("Archivio:"), Frame1), 0, 0);
    lblSecondi = new QLabel(Frame1);
    lblSecondi->setObjectName(QStringLiteral("lblSecondi"));
    lblSecondi->setWordWrap(true);
    pannello->addWidget(lblSecondi, 0, 1, 1, 5);
    pannello->addWidget(new QLabel(QStringLiteral("dal:"), Frame1), 1, 0);
    lblDal = etichettaValore(Frame1, "lblDal");
    pannello->addWidget(lblDal, 1, 1);
    pannello->addWidget(new QLabel(QStringLiteral("al:"), Frame1), 1, 2, Qt::AlignRight);
    lblAl = etichettaValore(Frame1, "lblAl");
    pannello->addWidget(lblAl, 1, 3);
    pannello->addWidget(new QLabel(QStringLiteral("estrazioni:"), Frame1), 1, 4, Qt::AlignRight);
    lblIntervallo2 = etichettaValore(Frame1, "lblIntervallo2", 60);
    pannello->addWidget(lblIntervallo2, 1, 5);
    pannello->addWidget(new QLabel(QStringLiteral("Lettura dell' estrazione n°"), Frame1), 2, 0, 1, 2);
    lblEstrazioniLette = etichettaValore(Frame1, "lblEstrazioniLette");
    pannello->addWidget(lblEstrazioniLette, 2, 2, 1, 2);
    prgMemorizzazioneEstrazioni = new QProgressBar(Frame1);
    prgMemorizzazioneEstrazioni->setObjectName(QStringLiteral("prgMemorizzazioneEstrazioni"));
    prgMemorizzazioneEstrazioni->setRange(0, 100);
    prgMemorizzazioneEstrazioni->setValue(0);
    pannello->addWidget(prgMemorizzazioneEstrazioni, 3, 0, 1, 6);

    auto* pulsanti = new QHBoxLayout;
    cmdSkip = new QPushButton(QStringLiteral("OK"), Frame1);
    cmdSkip->setObjectName(QStringLiteral("cmdSkip"));
    cmdSkip->setDefault(true);
    cmdOpzioni = new QPushButton(QStringLiteral("opzioni"), Frame1);
    cmdOpzioni->setObjectName(QStringLiteral("cmdOpzioni"));
    cmdHelp = new QPushButton(QStringLiteral("Guida"), Frame1);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    pulsanti->addWidget(cmdSkip);
    pulsanti->addWidget(cmdOpzioni);
    pulsanti->addStretch();
    pulsanti->addWidget(cmdHelp);
    pannello->addLayout(pulsanti, 4, 0, 1, 6);
    principale->addWidget(Frame1);

    fmeOpzioni = new QGroupBox(
        QStringLiteral("Tutti i dati sono relativi alle attuali estrazioni registrate sul disco."), this);
    fmeOpzioni->setObjectName(QStringLiteral("fmeOpzioni"));
    auto* opzioni = new QGridLayout(fmeOpzioni);
    opzioni->addWidget(new QLabel(QStringLiteral("Prima estrazione di default:"), fmeOpzioni), 0, 0, 1, 3);
    hscPrimaDefault = barraOrizzontale(fmeOpzioni, "hscPrimaDefault");
    opzioni->addWidget(hscPrimaDefault, 1, 0, 1, 3);
    opzioni->addWidget(new QLabel(QStringLiteral("n° estrazione"), fmeOpzioni), 2, 0);
    opzioni->addWidget(new QLabel(QStringLiteral("data "), fmeOpzioni), 2, 1);
    opzioni->addWidget(new QLabel(QStringLiteral("concorso"), fmeOpzioni), 2, 2);
    // Record number, date and contest of a draw, in one row of the panel.
    const auto rigaEstrazione = [&](int riga, QLabel*& numero, QLabel*& data, QLabel*& concorso,
                                    const char* n, const char* d, const char* c) {
        numero = etichettaValore(fmeOpzioni, n);
        data = etichettaValore(fmeOpzioni, d);
        concorso = etichettaValore(fmeOpzioni, c);
        for (int colonna = 0; QLabel * etichetta : {numero, data, concorso})
            opzioni->addWidget(etichetta, riga, colonna++);
    };
    rigaEstrazione(3, lblEstrazionePrima, lblDataPrima, lblConcorsoPrima, "lblEstrazionePrima",
                   "lblDataPrima", "lblConcorsoPrima");

    chkUltimaArchivio = new QCheckBox(QStringLiteral("Ultima estrazione ."), fmeOpzioni);
    chkUltimaArchivio->setObjectName(QStringLiteral("chkUltimaArchivio"));
    opzioni->addWidget(chkUltimaArchivio, 4, 0, 1, 3);
    hscUltimaDefault = barraOrizzontale(fmeOpzioni, "hscUltimaDefault");
    opzioni->addWidget(hscUltimaDefault, 5, 0, 1, 3);
    rigaEstrazione(6, lblEstrazioneUltima, lblDataUltima, lblConcorsoUltima, "lblEstrazioneUltima",
                   "lblDataUltima", "lblConcorsoUltima");

    auto* piede = new QHBoxLayout;
    piede->addWidget(new QLabel(QStringLiteral("selezionate:"), fmeOpzioni));
    lblIntervallo = etichettaValore(fmeOpzioni, "lblIntervallo", 60);
    piede->addWidget(lblIntervallo);
    piede->addStretch();
    cmdOK = new QPushButton(QStringLiteral("OK"), fmeOpzioni);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAutoDefault(false);
    piede->addWidget(cmdOK);
    opzioni->addLayout(piede, 7, 0, 1, 3);
    fmeOpzioni->setVisible(false);
    principale->addWidget(fmeOpzioni);
    principale->addStretch();
    principale->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(520);

    connect(cmdSkip, &QPushButton::clicked, this, &LeggiEstrazioni::cmdSkip_Click);
    connect(cmdOpzioni, &QPushButton::clicked, this, &LeggiEstrazioni::cmdOpzioni_Click);
    connect(cmdOK, &QPushButton::clicked, this, &LeggiEstrazioni::cmdOK_Click);
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("Caricare_un_Archivio.htm#L__Archivio_di_Default")); });
    connect(chkUltimaArchivio, &QCheckBox::toggled, this, &LeggiEstrazioni::chkUltimaArchivio_Click);
    connect(hscPrimaDefault, &QScrollBar::valueChanged, this, &LeggiEstrazioni::hscPrimaDefault_Change);
    connect(hscUltimaDefault, &QScrollBar::valueChanged, this, &LeggiEstrazioni::hscUltimaDefault_Change);
}

void LeggiEstrazioni::apertura() {
    m_caricato = false;
    if (maintenance::completaAggiornamentoInterrotto(m_stato))
        prompt::informa(
            this, titoloProgramma(),
            QStringLiteral("ATTENZIONE: l'ultimo aggiornamento dell'archivio era stato interrotto. I file "
                           "dell'archivio sono stati riportati a uno stato coerente: tutti come prima "
                           "dell'aggiornamento oppure tutti come dopo."),
            prompt::Tipo::Avviso);
    auto& E = m_stato.Estrazioni_In_Archivio;
    contaEstrazioni();
    // Until the bars get their real range they must at least hold the archive's last draw.
    hscPrimaDefault->setRange(1, std::max(E, 1));
    hscUltimaDefault->setRange(1, std::max(E, 1));

    chkUltimaArchivio->setChecked(true);
    if (m_programmaTerminato) return;
    avvisaFileDiscordanti();

    m_stato.Max_Concorsi_Anno = core::leggiMaxConcorsiAnno(m_stato);
    cmdOpzioni->setEnabled(true);
    m_stato.Prima_Estrazione_Default = 1;
    m_stato.Ultima_Estrazione_Default = E;
    Imposta_Scroll_Periodo();
}

void LeggiEstrazioni::contaEstrazioni() {
    m_contate = m_file.Conta_Estrazioni_Archivio();
    if (core::limitaEstrazioniGestibili(m_stato))
        prompt::informa(
            this, titoloProgramma(),
            QStringLiteral("ATTENZIONE: il file BARI dell'archivio corrisponde a %1 estrazioni, più delle %2 "
                           "che il programma può gestire. Saranno considerate solo le prime %2 estrazioni; "
                           "nessun file verrà modificato.")
                .arg(m_contate)
                .arg(m_stato.Max_Estrazioni_Archivio),
            prompt::Tipo::Avviso);
}

void LeggiEstrazioni::avvisaFileDiscordanti() {
    // The files are measured against every draw BARI holds: past the cap a consistent archive is
    // still consistent, and the cap has had its own message.
    const auto discordanti = core::verificaLunghezze(m_file, m_contate);
    if (discordanti.empty()) return;
    QStringList righe;
    for (const auto& file : discordanti) {
        if (file.byte < 0)
            righe << QStringLiteral("%1: non leggibile").arg(QString::fromStdString(file.nome));
        else
            righe << QStringLiteral("%1: %2 byte (%3 estrazioni intere)")
                         .arg(QString::fromStdString(file.nome))
                         .arg(file.byte)
                         .arg(file.estrazioni);
    }
    prompt::informa(
        this, titoloProgramma(),
        QStringLiteral("ATTENZIONE: i file dell'archivio non sono coerenti con le %1 estrazioni indicate "
                       "dal file BARI:\n\n%2\n\nLe estrazioni che mancano in un file saranno lette come "
                       "estrazioni nulle, senza data né concorso. Nessun file verrà modificato: "
                       "si consiglia di controllare l'archivio.")
            .arg(m_contate)
            .arg(righe.join(QLatin1Char('\n'))),
        prompt::Tipo::Avviso);
}

void LeggiEstrazioni::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    centraSulloSchermo(this);
    cmdSkip->setFocus();
    if (chkUltimaArchivio->isChecked()) hscUltimaDefault->setEnabled(false);
}

void LeggiEstrazioni::Imposta_Scroll_Periodo() {
    const int E = m_stato.Estrazioni_In_Archivio;
    hscPrimaDefault->setRange(1, E);
    hscUltimaDefault->setRange(1, E);
    if (m_stato.Prima_Estrazione_Default < 1 || m_stato.Prima_Estrazione_Default > E)
        m_stato.Prima_Estrazione_Default = 1;
    if (m_stato.Ultima_Estrazione_Default < 1 || m_stato.Ultima_Estrazione_Default > E)
        m_stato.Ultima_Estrazione_Default = E;
    {
        const QSignalBlocker bloccoUltima(hscUltimaDefault);
        const QSignalBlocker bloccoPrima(hscPrimaDefault);
        hscUltimaDefault->setValue(E);
        hscPrimaDefault->setValue(m_stato.Prima_Estrazione_Default);
    }
    hscPrimaDefault_Change();
    hscUltimaDefault_Change();
    hscUltimaDefault->setEnabled(false);
}

void LeggiEstrazioni::Scrivi_Label() {
    lblDal->setText(lblDataPrima->text());
    lblAl->setText(lblDataUltima->text());
    lblIntervallo2->setText(lblIntervallo->text());
    lblSecondi->setText(QDir::toNativeSeparators(QString::fromStdString(m_stato.cartellaRuote().string()) +
                                                 QLatin1Char('/')));
}

void LeggiEstrazioni::chkUltimaArchivio_Click() {
    const bool spuntata = chkUltimaArchivio->isChecked();
    scriviImpostazione(this, m_stato, 3, spuntata ? "1" : "0");
    if (m_stato.Estrazioni_In_Archivio == 0 && !ripristinoDiEmergenza()) {
        prompt::informa(this, titoloProgramma(), QStringLiteral("PROGRAMMA TERMINATO"));
        m_programmaTerminato = true;
        return;
    }
    const int E = m_stato.Estrazioni_In_Archivio;
    const int valore = spuntata ? E : m_stato.Ultima_Estrazione_Default;
    hscUltimaDefault->setEnabled(true);
    if (hscUltimaDefault->value() == valore)
        hscUltimaDefault_Change();
    else
        hscUltimaDefault->setValue(valore);
    if (spuntata) hscUltimaDefault->setEnabled(false);
}

bool LeggiEstrazioni::ripristinoDiEmergenza() {
    const bool ripristino = prompt::chiedi(
        this, titoloProgramma() + QStringLiteral(" - PROCEDURA DI EMERGENZA ATTIVATA"),
        QStringLiteral("ATTENZIONE: non risultano presenti alcuni o tutti i File che dovrebbero contenere "
                       "le estrazioni, senza di essi sarà impossibile continuare.\n\n"
                       "Si desidera effettuare il RIPRISTINO dei Dati?"));
    if (!ripristino || !ripristinoDati(m_stato, this)) return false;
    // The restored or imported archive is counted afresh; the opening goes on with it.
    contaEstrazioni();
    if (m_stato.Estrazioni_In_Archivio < 1) return false;
    hscPrimaDefault->setRange(1, m_stato.Estrazioni_In_Archivio);
    hscUltimaDefault->setRange(1, m_stato.Estrazioni_In_Archivio);
    return true;
}

void LeggiEstrazioni::hscPrimaDefault_Change() {
    const int p = hscPrimaDefault->value();
    if (p > hscUltimaDefault->value()) hscUltimaDefault->setValue(p);
    lblEstrazionePrima->setText(QString::number(p));
    lblDataPrima->setText(testoArchivio(m_file.Leggi_Data_Archivio(p)));
    lblConcorsoPrima->setText(testoArchivio(m_file.Leggi_Concorso_Archivio(p)));
    lblIntervallo->setText(QString::number(hscUltimaDefault->value() - p + 1));
    Scrivi_Label();
}

void LeggiEstrazioni::hscUltimaDefault_Change() {
    const int u = hscUltimaDefault->value();
    if (u < hscPrimaDefault->value()) hscPrimaDefault->setValue(u);
    lblEstrazioneUltima->setText(QString::number(u));
    lblDataUltima->setText(testoArchivio(m_file.Leggi_Data_Archivio(u)));
    lblConcorsoUltima->setText(testoArchivio(m_file.Leggi_Concorso_Archivio(u)));
    lblIntervallo->setText(QString::number(u - hscPrimaDefault->value() + 1));
    Scrivi_Label();
}

void LeggiEstrazioni::cmdOpzioni_Click() {
    fmeOpzioni->setVisible(true);
    adjustSize();
    tieniNelloSchermo(this);
}

void LeggiEstrazioni::cmdOK_Click() {
    fmeOpzioni->setVisible(false);
    adjustSize();
    m_stato.Prima_Estrazione_Default = hscPrimaDefault->value();
    m_stato.Ultima_Estrazione_Default = hscUltimaDefault->value();
    const bool primaScritta =
        core::Scrivi_Impostazione(m_stato, 1, std::to_string(m_stato.Prima_Estrazione_Default));
    const bool ultimaScritta =
        core::Scrivi_Impostazione(m_stato, 2, std::to_string(m_stato.Ultima_Estrazione_Default));
    if (!primaScritta || !ultimaScritta)
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("ERRORE nella registrazione delle date di default"),
                        prompt::Tipo::Avviso);
    m_stato.Estrazioni_Predefinite_Variate = true;
}

void LeggiEstrazioni::avanzamento(int letti) {
    lblEstrazioniLette->setText(QString::number(letti));
    lblEstrazioniLette->repaint();
    prgMemorizzazioneEstrazioni->setValue(letti);
    prgMemorizzazioneEstrazioni->repaint();
}

void LeggiEstrazioni::cmdSkip_Click() {
    if (m_caricato || m_programmaTerminato) return;
    cmdOpzioni->setEnabled(false);
    lblSecondi->clear();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int quante = lblIntervallo->text().toInt();
    if (quante > 1) prgMemorizzazioneEstrazioni->setRange(1, quante);
    const auto esito = core::START_Memorizzazione_Estrazioni(
        m_stato, m_file, hscPrimaDefault->value(), quante, [this](int letti) { avanzamento(letti); });
    m_caricato = true;
    cmdSkip->setEnabled(false);
    QApplication::restoreOverrideCursor();
    avvisaEsito(esito);
    accept();
}

void LeggiEstrazioni::avvisaEsito(const core::EsitoCaricamento& esito) {
    if (esito.recordDanneggiati > 0) {
        const int d = esito.primoDanneggiato;
        const auto indice = static_cast<std::size_t>(d);
        prompt::informa(
            this, titoloProgramma(),
            QStringLiteral(
                "ATTENZIONE: %1 registrazioni di ruota contengono valori non validi e sono state lette come "
                "estrazioni nulle.\n\nLa prima è la ruota di %2 dell'estrazione n° %3 (data %4, concorso "
                "%5).\n\n"
                "Le altre estrazioni sono state caricate; nessun file è stato modificato.")
                .arg(esito.recordDanneggiati)
                .arg(QString::fromStdString(
                    m_stato.Nome_Ruota[static_cast<std::size_t>(esito.ruotaPrimoDanneggiato)]))
                .arg(hscPrimaDefault->value() + d - 1)
                .arg(testoArchivio(m_stato.Data_Estrazione[indice]).trimmed(),
                     testoArchivio(m_stato.Concorso_Estrazione[indice]).trimmed()),
            prompt::Tipo::Avviso);
    }
}

void LeggiEstrazioni::reject() {
    // Esc and the frame's close control: refused until the draws are loaded.
    if (m_caricato) QDialog::reject();
}

void LeggiEstrazioni::closeEvent(QCloseEvent* evento) {
    if (m_caricato)
        QDialog::closeEvent(evento);
    else
        evento->ignore();
}

bool Carica_Archivio(core::Stato& stato, QWidget* genitore) {
    LeggiEstrazioni finestra(stato, genitore);
    if (finestra.programmaTerminato()) return false;
    finestra.exec();
    if (!finestra.caricato()) return false;
    core::Inizializza_Dati_Archivio(stato);
    const auto poste = stakes::Leggi_Pagamenti_Poste(stato);
    if (poste.danneggiati)
        prompt::informa(genitore, titoloProgramma(),
                        QString::fromUtf8(stakes::MESSAGGIO_POSTE_DEFAULT.data(),
                                          static_cast<qsizetype>(stakes::MESSAGGIO_POSTE_DEFAULT.size())));
    // Said at most once per load, together with the loading window's own settings.
    if (!poste.registrati) avvisaImpostazioniNonScritte(&finestra);
    return true;
}

} // namespace ui
