#include "LeggiEstrazioni.h"

#include "Guida.h"
#include "Programma.h"
#include "Prompt.h"
#include "core/Campi.h"
#include "core/Caricamento.h"
#include "importa/ImportaArchivio.h"
#include "stakes/Poste.h"
#include "ui/Tastiera.h"
#include "ui/TestoData.h"

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

LeggiEstrazioni::LeggiEstrazioni(core::Stato& stato, QWidget* genitore) : QDialog(genitore), m_stato(stato) {
    setObjectName(QStringLiteral("LeggiEstrazioni"));
    setWindowTitle(QStringLiteral("LETTURA ESTRAZIONI"));
    setModal(true);
    costruisci();
    apertura();
    preparaTastiera(this);
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
    m_cartellaNuova = core::cartellaNuova(m_stato); // before a settings field is written below
    m_archivio = core::apriArchivio(m_stato);
    // Another program writing the archive: nothing is lost, the user may try again or leave.
    while (m_archivio.inUso) {
        if (prompt::scegli(this, titoloProgramma(), QString::fromStdString(m_archivio.inUso->messaggio), {},
                           {QStringLiteral("Riprova"), QStringLiteral("Esci")}) != 0) {
            m_programmaTerminato = true;
            return;
        }
        m_archivio = core::apriArchivio(m_stato);
    }
    avvisa(m_archivio.ripristino);
    avvisa(m_archivio.limite);
    // Until the bars get their real range they must at least hold the archive's last draw.
    const int E = std::max(m_stato.Estrazioni_In_Archivio, 1);
    hscPrimaDefault->setRange(1, E);
    hscUltimaDefault->setRange(1, E);

    chkUltimaArchivio->setChecked(true);
    if (m_programmaTerminato) return;
    avvisa(m_archivio.discordanza);

    cmdOpzioni->setEnabled(true);
    m_stato.Prima_Estrazione_Default = 1;
    m_stato.Ultima_Estrazione_Default = m_stato.Estrazioni_In_Archivio;
    Imposta_Scroll_Periodo();
}

void LeggiEstrazioni::avvisa(const std::optional<core::Avviso>& avviso) {
    if (avviso)
        prompt::informa(this, titoloProgramma(), QString::fromStdString(avviso->finestra),
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
    scriviImpostazione(this, m_stato, core::campi::ULTIMA_ARCHIVIO, spuntata ? 1 : 0);
    if (!core::caricabile(m_stato, m_archivio) && !ripristinoDiEmergenza()) {
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
    // A folder never used is a first start, not a loss: the ways to create the archive come at once.
    const bool ripristino =
        m_cartellaNuova ||
        prompt::chiedi(
            this, titoloProgramma() + QStringLiteral(" - PROCEDURA DI EMERGENZA ATTIVATA"),
            QStringLiteral("ATTENZIONE: non risultano presenti alcuni o tutti i File che dovrebbero "
                           "contenere le estrazioni, senza di essi sarà impossibile continuare.\n\n"
                           "Si desidera effettuare il RIPRISTINO dei Dati?"));
    if (!ripristino || !ripristinoDati(m_stato, this, m_cartellaNuova)) return false;
    // The restored or imported archive is read afresh; the opening goes on with it.
    m_archivio = core::apriArchivio(m_stato);
    avvisa(m_archivio.limite);
    if (!core::caricabile(m_stato, m_archivio)) return false;
    hscPrimaDefault->setRange(1, m_stato.Estrazioni_In_Archivio);
    hscUltimaDefault->setRange(1, m_stato.Estrazioni_In_Archivio);
    return true;
}

void LeggiEstrazioni::hscPrimaDefault_Change() {
    const int p = hscPrimaDefault->value();
    if (p > hscUltimaDefault->value()) hscUltimaDefault->setValue(p);
    lblEstrazionePrima->setText(QString::number(p));
    lblDataPrima->setText(testoData(m_archivio.archivio.Leggi_Data_Archivio(p)));
    lblConcorsoPrima->setText(testoArchivio(m_archivio.archivio.Leggi_Concorso_Archivio(p)));
    lblIntervallo->setText(QString::number(hscUltimaDefault->value() - p + 1));
    Scrivi_Label();
}

void LeggiEstrazioni::hscUltimaDefault_Change() {
    const int u = hscUltimaDefault->value();
    if (u < hscPrimaDefault->value()) hscPrimaDefault->setValue(u);
    lblEstrazioneUltima->setText(QString::number(u));
    lblDataUltima->setText(testoData(m_archivio.archivio.Leggi_Data_Archivio(u)));
    lblConcorsoUltima->setText(testoArchivio(m_archivio.archivio.Leggi_Concorso_Archivio(u)));
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
    if (const auto esito =
            core::registraEstrazioniDefault(m_stato, hscPrimaDefault->value(), hscUltimaDefault->value());
        !esito)
        prompt::informa(this, titoloProgramma(), QString::fromStdString(esito.messaggio()),
                        prompt::Tipo::Avviso);
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
    const int primo = hscPrimaDefault->value();
    const int quante = hscUltimaDefault->value() - primo + 1;
    if (quante > 1) prgMemorizzazioneEstrazioni->setRange(1, quante);
    const auto danni = core::caricaEstrazioni(m_stato, m_archivio.archivio, primo, quante,
                                              [this](int letti) { avanzamento(letti); });
    m_caricato = true;
    cmdSkip->setEnabled(false);
    QApplication::restoreOverrideCursor();
    avvisa(danni);
    accept();
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
    if (!finestra.caricato()) return false; // mutazioni: equivalente — it closes only once loaded
    if (const auto poste = stakes::Leggi_Pagamenti_Poste(stato); !poste)
        prompt::informa(genitore, titoloProgramma(), QString::fromStdString(poste.messaggio()));
    // Said at most once per load, together with the loading window's own settings.
    if (!stakes::completaPagamenti(stato)) avvisaImpostazioniNonScritte(&finestra);
    return true;
}

} // namespace ui
