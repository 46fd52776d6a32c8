#include "FrmOpzioniAggiornamento.h"

#include "core/Campi.h"
#include "rete/Scaricamento.h"
#include "ui/Guida.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Tastiera.h"
#include "ui/rete/AggiornaDaInternet.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

frmOpzioniAggiornamento::frmOpzioniAggiornamento(const core::Stato& stato, QWidget* genitore)
    : QDialog(genitore), m_stato(stato) {
    setObjectName(QStringLiteral("frmOpzioniAggiornamento"));
    setWindowTitle(QStringLiteral("Aggiornamento da Internet"));
    auto* colonna = new QVBoxLayout(this);
    auto* spiegazione = new QLabel(
        QStringLiteral(
            "Indirizzo del file delle estrazioni, provato per primo (vuoto: solo gli indirizzi del "
            "gestore):"),
        this);
    spiegazione->setWordWrap(true);
    txtIndirizzo = new QLineEdit(
        QString::fromStdString(core::leggiTestoLungo(stato, core::campi::INDIRIZZO_AGGIORNAMENTO)), this);
    txtIndirizzo->setObjectName(QStringLiteral("txtIndirizzo"));
    txtIndirizzo->setMaxLength(static_cast<int>(core::campi::INDIRIZZO_AGGIORNAMENTO.massimo()));
    txtIndirizzo->setPlaceholderText(QStringLiteral("https://…/storico.zip"));
    QString predefiniti = QStringLiteral("Indirizzi del gestore, provati dopo nell'ordine:");
    for (const std::string& indirizzo : indirizziPredefiniti())
        predefiniti += QLatin1Char('\n') + QString::fromStdString(indirizzo);
    auto* gestore = new QLabel(predefiniti, this);
    gestore->setObjectName(QStringLiteral("lblIndirizziGestore"));
    gestore->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chkControlloAvvio = new QCheckBox(QStringLiteral("Controlla aggiornamenti all'avvio"), this);
    chkControlloAvvio->setObjectName(QStringLiteral("chkControlloAvvio"));
    chkControlloAvvio->setChecked(core::valoreCampo(stato, core::campi::CONTROLLO_ALL_AVVIO) == 1);
    chkControlloAvvio->setToolTip(
        QStringLiteral("Quando l'archivio non ha l'ultima estrazione, il programma scarica il file mentre si "
                       "lavora e propone le estrazioni nuove; senza rete non dice nulla"));

    auto* cmdOK = pulsante(this, "cmdOK", QStringLiteral("OK"));
    auto* cmdAnnulla = pulsante(this, "cmdAnnulla", QStringLiteral("Annulla"));
    auto* cmdHelp = pulsante(this, "cmdHelp", QStringLiteral("Guida"));
    cmdOK->setDefault(true);
    auto* riga = new QHBoxLayout;
    riga->addWidget(cmdHelp);
    riga->addStretch(1);
    riga->addWidget(cmdOK);
    riga->addWidget(cmdAnnulla);
    colonna->addWidget(spiegazione);
    colonna->addWidget(txtIndirizzo);
    colonna->addWidget(gestore);
    colonna->addSpacing(8);
    colonna->addWidget(chkControlloAvvio);
    colonna->addStretch(1);
    colonna->addLayout(riga);
    setMinimumWidth(560);

    connect(cmdOK, &QPushButton::clicked, this, &frmOpzioniAggiornamento::cmdOK_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("aggiorna_da_internet.htm")); });
    preparaTastiera(this);
}

void frmOpzioniAggiornamento::cmdOK_Click() {
    const std::string indirizzo = txtIndirizzo->text().trimmed().toStdString();
    if (const std::string causa = indirizzo.empty() ? std::string() : rete::controllaIndirizzo(indirizzo);
        !causa.empty()) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("L'indirizzo %1 non si può usare: %2.")
                            .arg(QString::fromStdString(indirizzo), QString::fromStdString(causa)),
                        prompt::Tipo::Avviso);
        txtIndirizzo->setFocus();
        return;
    }
    const auto scritto = core::scriviTestoLungo(m_stato, core::campi::INDIRIZZO_AGGIORNAMENTO, indirizzo);
    if (!scritto && scritto.codice() == core::Codice::DatoNonValido) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("L'indirizzo non si può usare. ") +
                            QString::fromStdString(scritto.messaggio()),
                        prompt::Tipo::Avviso);
        return;
    }
    if (!scritto) avvisaImpostazioniNonScritte(this);
    scriviImpostazione(this, m_stato, core::campi::CONTROLLO_ALL_AVVIO,
                       chkControlloAvvio->isChecked() ? 1 : 0);
    accept();
}

} // namespace ui
