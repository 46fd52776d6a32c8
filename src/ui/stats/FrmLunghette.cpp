#include "FrmLunghette.h"

#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Tastiera.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

stats::LetturaLunghette caricaLunghette(const core::Stato& stato, QWidget* genitore) {
    auto lettura = stats::leggiLunghette(stato.Cartella_Programma);
    if (!lettura) {
        prompt::informa(genitore, titoloProgramma(), QString::fromStdString(lettura.messaggio()),
                        prompt::Tipo::Avviso);
        return {};
    }
    if (!lettura->errori.empty()) {
        QString testo = QStringLiteral("Alcune righe del file delle lunghette non sono state lette e restano "
                                       "nel file come sono:\n");
        for (const auto& errore : lettura->errori)
            testo += QLatin1Char('\n') + QString::fromStdString(errore);
        prompt::informa(genitore, titoloProgramma(), testo, prompt::Tipo::Avviso);
    }
    return std::move(*lettura);
}

frmLunghette::frmLunghette(const core::Stato& stato, QWidget* genitore)
    : QDialog(genitore), m_stato(stato), m_lettura(caricaLunghette(stato, genitore)) {
    setObjectName(QStringLiteral("frmLunghette"));
    setWindowTitle(QStringLiteral("Le mie lunghette"));
    auto* disposizione = new QVBoxLayout(this);
    auto* lblElenco = new QLabel(QStringLiteral("&Lunghette (nome: numeri):"), this);
    lstLunghette = new QListWidget(this);
    lstLunghette->setObjectName(QStringLiteral("lstLunghette"));
    lstLunghette->setMinimumSize(540, 220);
    lblElenco->setBuddy(lstLunghette);
    disposizione->addWidget(lblElenco);
    disposizione->addWidget(lstLunghette, 1);

    auto* campi = new QGridLayout;
    txtNome = new QLineEdit(this);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNumeri = new QLineEdit(this);
    txtNumeri->setObjectName(QStringLiteral("txtNumeri"));
    txtNumeri->setPlaceholderText(QStringLiteral("da 2 a 30 numeri diversi, per esempio 1 23 45"));
    auto* lblNome = new QLabel(QStringLiteral("&Nome:"), this);
    auto* lblNumeri = new QLabel(QStringLiteral("N&umeri:"), this);
    lblNome->setBuddy(txtNome);
    lblNumeri->setBuddy(txtNumeri);
    campi->addWidget(lblNome, 0, 0);
    campi->addWidget(txtNome, 0, 1);
    campi->addWidget(lblNumeri, 1, 0);
    campi->addWidget(txtNumeri, 1, 1);
    disposizione->addLayout(campi);

    auto* pulsanti = new QHBoxLayout;
    auto* cmdAggiungi = pulsante(this, "cmdAggiungi", QStringLiteral("&Aggiungi"));
    auto* cmdRinomina = pulsante(this, "cmdRinomina", QStringLiteral("&Rinomina"),
                                 QStringLiteral("Dà alla lunghetta scelta nell'elenco il nome scritto"));
    auto* cmdElimina = pulsante(this, "cmdElimina", QStringLiteral("&Elimina"));
    auto* cmdChiudi = pulsante(this, "cmdChiudi", QStringLiteral("&Chiudi"));
    for (QPushButton* tasto : {cmdAggiungi, cmdRinomina, cmdElimina})
        pulsanti->addWidget(tasto);
    pulsanti->addStretch();
    pulsanti->addWidget(cmdChiudi);
    disposizione->addLayout(pulsanti);

    connect(cmdAggiungi, &QPushButton::clicked, this, &frmLunghette::cmdAggiungi_Click);
    connect(cmdRinomina, &QPushButton::clicked, this, &frmLunghette::cmdRinomina_Click);
    connect(cmdElimina, &QPushButton::clicked, this, &frmLunghette::cmdElimina_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);
    connect(lstLunghette, &QListWidget::currentRowChanged, this, [this](int riga) {
        if (riga < 0 || riga >= static_cast<int>(lunghette().size())) return;
        const auto& scelta = lunghette()[static_cast<std::size_t>(riga)];
        txtNome->setText(QString::fromStdString(scelta.nome));
        txtNumeri->setText(QString::fromStdString(stats::testoNumeri(scelta.numeri)));
    });
    mostraElenco();
    preparaTastiera(this);
}

void frmLunghette::mostraElenco() {
    lstLunghette->clear();
    for (const auto& gruppo : lunghette()) {
        const QString riga = QString::fromStdString(gruppo.nome + ": " + stats::testoNumeri(gruppo.numeri));
        lstLunghette->addItem(riga);
        lstLunghette->item(lstLunghette->count() - 1)->setToolTip(riga); // a long list is read whole here
    }
}

bool frmLunghette::salva(std::vector<stats::Gruppo> nuove) {
    if (const auto scritto = stats::scriviLunghette(m_stato.Cartella_Programma, nuove, m_lettura.scartate);
        !scritto) {
        prompt::informa(this, titoloProgramma(), QString::fromStdString(scritto.messaggio()),
                        prompt::Tipo::Avviso);
        return false;
    }
    m_lettura.gruppi = std::move(nuove);
    mostraElenco();
    return true;
}

void frmLunghette::cmdAggiungi_Click() {
    auto nuova = stats::leggiLunghetta(txtNome->text().toStdString(), txtNumeri->text().toStdString());
    auto libero = nuova ? stats::nomeLibero(lunghette(), nuova->nome) : core::Esito<void>(nuova.errore());
    if (!libero) {
        prompt::informa(this, titoloProgramma(), QString::fromStdString(libero.messaggio()));
        return;
    }
    auto nuove = lunghette();
    nuove.push_back(std::move(*nuova));
    if (salva(std::move(nuove))) lstLunghette->setCurrentRow(lstLunghette->count() - 1);
}

void frmLunghette::cmdRinomina_Click() {
    const int riga = lstLunghette->currentRow();
    if (riga < 0 || riga >= static_cast<int>(lunghette().size())) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Scegliere nell'elenco la lunghetta da rinominare."));
        return;
    }
    const auto indice = static_cast<std::size_t>(riga);
    // The name checked by the same rules as a new lunghetta's, on the numbers it already has.
    auto rinominata =
        stats::leggiLunghetta(txtNome->text().toStdString(), stats::testoNumeri(lunghette()[indice].numeri));
    auto libero = rinominata ? stats::nomeLibero(lunghette(), rinominata->nome, indice)
                             : core::Esito<void>(rinominata.errore());
    if (!libero) {
        prompt::informa(this, titoloProgramma(), QString::fromStdString(libero.messaggio()));
        return;
    }
    auto nuove = lunghette();
    nuove[indice].nome = rinominata->nome;
    if (salva(std::move(nuove))) lstLunghette->setCurrentRow(riga);
}

void frmLunghette::cmdElimina_Click() {
    const int riga = lstLunghette->currentRow();
    if (riga < 0 || riga >= static_cast<int>(lunghette().size())) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Scegliere nell'elenco la lunghetta da eliminare."));
        return;
    }
    const auto indice = static_cast<std::size_t>(riga);
    if (!prompt::chiedi(this, titoloProgramma(),
                        QStringLiteral("Eliminare la lunghetta «%1»?")
                            .arg(QString::fromStdString(lunghette()[indice].nome))))
        return;
    auto nuove = lunghette();
    nuove.erase(nuove.begin() + riga);
    salva(std::move(nuove));
}

} // namespace ui
