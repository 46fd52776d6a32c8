#include "AggiornaDaInternet.h"

#include "core/Campi.h"
#include "importa/DaInternet.h"
#include "importa/Importazione.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/importa/ImportaArchivio.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <ctime>
#include <utility>

namespace ui {

namespace {

std::vector<std::string>& predefiniti() {
    static std::vector<std::string> indirizzi(importa::INDIRIZZI_OPERATORE.begin(),
                                              importa::INDIRIZZI_OPERATORE.end());
    return indirizzi;
}

/**
 * Reads a downloaded draws file, checks it against the archive and offers its new draws. `silenzioso`
 * (the check at start-up) leaves out every box but the offer. Returns true when the archive was written.
 */
bool proponiAggiunta(core::Stato& stato, QWidget* genitore, const rete::Scaricato& scaricato,
                     bool silenzioso) {
    const QString titolo = titoloProgramma();
    const QString origine = QString::fromStdString(scaricato.indirizzo);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const importa::Lettura lettura = importa::leggiStorico(scaricato.byte);
    const auto prova = importa::provaAggiunta(stato, lettura);
    QApplication::restoreOverrideCursor();
    if (!lettura.valida()) {
        if (!silenzioso) fileRifiutato(genitore, origine, lettura);
        return false;
    }
    if (!prova) {
        if (!silenzioso)
            prompt::informa(genitore, titolo, QString::fromStdString(prova.messaggio()),
                            prompt::Tipo::Avviso);
        return false;
    }
    if (!prova->scrive()) {
        stato.Controllo_Senza_Novita = core::oraLocale();
        if (!silenzioso) prompt::informa(genitore, titolo, QStringLiteral("L'archivio è già aggiornato."));
        return false;
    }
    const QString domanda =
        QStringLiteral("Il file scaricato da %1 è stato letto e controllato per intero. %2 Aggiungere le "
                       "estrazioni nuove all'archivio?")
            .arg(origine, QString::fromStdString(prova->messaggio));
    // The new draws themselves below the question; the report of the whole file on request.
    for (;;) {
        const int scelta = prompt::scegli(genitore, titolo, domanda, QString::fromStdString(prova->elenco),
                                          {QStringLiteral("Aggiungi le estrazioni nuove"),
                                           QStringLiteral("Dettagli…"), QStringLiteral("Annulla")});
        if (scelta == 0) break;
        if (scelta != 1) return false;
        prompt::scegli(genitore, titolo,
                       QStringLiteral("Il resoconto del file scaricato da %1.").arg(origine),
                       QString::fromStdString(importa::resoconto(lettura)), {QStringLiteral("OK")});
    }
    return scriviEstrazioni(stato, genitore, lettura, importa::Modo::Aggiungi, &*prova);
}

/** The check at start-up: the download in the background, then the offer once no modal window is open. */
class ControlloAllAvvio : public QObject {
public:
    ControlloAllAvvio(core::Stato& stato, QWidget* genitore, std::function<void()> dopoAggiunta)
        : QObject(genitore), m_stato(stato), m_genitore(genitore), m_dopoAggiunta(std::move(dopoAggiunta)),
          m_scaricamento(new rete::Scaricamento(importa::indirizziAggiornamento(stato, predefiniti()),
                                                importa::controllaFileScaricato, this)) {
        connect(m_scaricamento, &rete::Scaricamento::concluso, this, &ControlloAllAvvio::concluso);
        m_scaricamento->avvia();
    }
    rete::Scaricamento* scaricamento() const { return m_scaricamento; }

private:
    void concluso() {
        // The windows the user is working in (the wheels, the period) are left to close first.
        if (QApplication::activeModalWidget()) {
            QTimer::singleShot(500, this, &ControlloAllAvvio::concluso);
            return;
        }
        const auto& esito = m_scaricamento->esito();
        if (esito && proponiAggiunta(m_stato, m_genitore, *esito, true)) m_dopoAggiunta();
        deleteLater();
    }

    core::Stato& m_stato;
    QWidget* m_genitore;
    std::function<void()> m_dopoAggiunta;
    rete::Scaricamento* m_scaricamento;
};

} // namespace

std::vector<std::string> sostituisciIndirizziPredefiniti(std::vector<std::string> indirizzi) {
    if (indirizzi.empty())
        indirizzi.assign(importa::INDIRIZZI_OPERATORE.begin(), importa::INDIRIZZI_OPERATORE.end());
    return std::exchange(predefiniti(), std::move(indirizzi));
}

const std::vector<std::string>& indirizziPredefiniti() {
    return predefiniti();
}

frmScaricamento::frmScaricamento(rete::Scaricamento& scaricamento, QWidget* genitore)
    : QDialog(genitore), m_scaricamento(scaricamento) {
    setObjectName(QStringLiteral("frmScaricamento"));
    setWindowTitle(QStringLiteral("Aggiorna da Internet"));
    auto* colonna = new QVBoxLayout(this);
    lblIndirizzo = new QLabel(this);
    lblIndirizzo->setObjectName(QStringLiteral("lblIndirizzo"));
    lblIndirizzo->setWordWrap(true);
    lblIndirizzo->setMinimumWidth(440);
    lblIndirizzo->setMinimumHeight(2 * lblIndirizzo->fontMetrics().lineSpacing()); // a long address wraps
    prbScaricamento = new QProgressBar(this);
    prbScaricamento->setObjectName(QStringLiteral("prbScaricamento"));
    prbScaricamento->setRange(0, 0);
    prbScaricamento->setTextVisible(false);
    lblRicevuti = new QLabel(QStringLiteral("In attesa di risposta…"), this);
    lblRicevuti->setObjectName(QStringLiteral("lblRicevuti"));
    cmdAnnulla = pulsante(this, "cmdAnnulla", QStringLiteral("Annulla"),
                          QStringLiteral("Interrompe lo scaricamento: l'archivio non viene modificato"));
    auto* riga = new QHBoxLayout;
    riga->addStretch(1);
    riga->addWidget(cmdAnnulla);
    colonna->addWidget(lblIndirizzo);
    colonna->addWidget(prbScaricamento);
    colonna->addWidget(lblRicevuti);
    colonna->addLayout(riga);

    connect(&scaricamento, &rete::Scaricamento::nuovoIndirizzo, this, [this](const QString& indirizzo) {
        lblIndirizzo->setText(QStringLiteral("Scaricamento del file delle estrazioni da %1").arg(indirizzo));
        adjustSize();
        prbScaricamento->setRange(0, 0);
        lblRicevuti->setText(QStringLiteral("In attesa di risposta…"));
    });
    connect(&scaricamento, &rete::Scaricamento::progresso, this, &frmScaricamento::progresso);
    connect(&scaricamento, &rete::Scaricamento::concluso, this, &QDialog::accept);
    connect(cmdAnnulla, &QPushButton::clicked, this, &frmScaricamento::reject);
}

void frmScaricamento::reject() {
    if (m_scaricamento.finito())
        QDialog::reject();
    else
        m_scaricamento.annulla();
}

void frmScaricamento::progresso(qint64 ricevuti, qint64 totale) {
    QString testo = QStringLiteral("Ricevuti %1").arg(QString::fromStdString(rete::quantita(ricevuti)));
    if (totale > 0) {
        testo += QStringLiteral(" di %1").arg(QString::fromStdString(rete::quantita(totale)));
        prbScaricamento->setRange(0, 1000);
        prbScaricamento->setValue(static_cast<int>(std::min<qint64>(ricevuti * 1000 / totale, 1000)));
    }
    lblRicevuti->setText(testo);
}

bool aggiornaDaInternet(core::Stato& stato, QWidget* genitore) {
    rete::Scaricamento scaricamento(importa::indirizziAggiornamento(stato, predefiniti()),
                                    importa::controllaFileScaricato);
    frmScaricamento finestra(scaricamento, genitore);
    scaricamento.avvia();
    if (!scaricamento.finito()) finestra.exec();
    const auto& esito = scaricamento.esito();
    if (esito.codice() == core::Codice::Annullato && !esito) return false;
    if (!esito) {
        prompt::informa(genitore, titoloProgramma(),
                        QString::fromStdString(esito.messaggio()) +
                            QStringLiteral("\n\nL'archivio non è stato modificato."),
                        prompt::Tipo::Avviso);
        return false;
    }
    return proponiAggiunta(stato, genitore, *esito, false);
}

rete::Scaricamento* controllaAggiornamentiAllAvvio(core::Stato& stato, QWidget* genitore,
                                                   std::function<void()> dopoAggiunta) {
    if (core::valoreCampo(stato, core::campi::CONTROLLO_ALL_AVVIO) != 1 ||
        !importa::archivioInRitardo(stato, core::oraLocale()))
        return nullptr;
    auto* controllo = new ControlloAllAvvio(stato, genitore, std::move(dopoAggiunta));
    return controllo->scaricamento();
}

} // namespace ui
