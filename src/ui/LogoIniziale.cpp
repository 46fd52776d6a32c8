#include "LogoIniziale.h"

#include "Collegamenti.h"
#include "LeggiEstrazioni.h"
#include "Principio.h"
#include "Programma.h"
#include "Prompt.h"
#include "ui/Tastiera.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

/**
 * A link to the author: the address, which changes colour under the mouse and opens `destinazione`.
 * Without an address the link shows, visibly inactive, where it will be.
 */
QLabel* collegamento(QWidget* genitore, const char* nome, const QString& suggerimento,
                     const QString& indirizzo, const QString& destinazione) {
    auto* etichetta = new QLabel(QStringLiteral("(non disponibile)"), genitore);
    etichetta->setObjectName(QString::fromLatin1(nome));
    etichetta->setToolTip(suggerimento);
    if (indirizzo.isEmpty() || destinazione.isEmpty()) {
        etichetta->setEnabled(false);
        return etichetta;
    }
    const auto scrivi = [etichetta, indirizzo](bool sotto) {
        etichetta->setText(QStringLiteral("<a href=\"#\" style=\"color: %1;\">%2</a>")
                               .arg(sotto ? QStringLiteral("#c01c28") : QStringLiteral("#0b3d91"),
                                    indirizzo.toHtmlEscaped()));
    };
    scrivi(false);
    QObject::connect(etichetta, &QLabel::linkHovered, etichetta,
                     [scrivi](const QString& link) { scrivi(!link.isEmpty()); });
    QObject::connect(etichetta, &QLabel::linkActivated, etichetta,
                     [etichetta, destinazione] { Apri_Collegamento(etichetta->window(), destinazione); });
    return etichetta;
}

} // namespace

LogoIniziale::LogoIniziale(core::Stato& stato, QWidget* genitore) : QWidget(genitore), m_stato(stato) {
    setObjectName(QStringLiteral("LogoIniziale"));
    const QString titolo = titoloProgramma();
    const QString versione = versioneProgramma();
    setWindowTitle(titolo + QStringLiteral(" Versione ") + versione);

    auto* principale = new QVBoxLayout(this);

    // The title is drawn twice, the second copy offset to give it a shadow.
    auto* riquadroTitolo = new QWidget(this);
    auto* griglia = new QGridLayout(riquadroTitolo);
    QFont carattere = font();
    carattere.setPointSize(26);
    carattere.setBold(true);
    const QString testoTitolo = titolo + QStringLiteral("   ") + versione;
    auto* ombra = new QLabel(testoTitolo, riquadroTitolo);
    ombra->setObjectName(QStringLiteral("lblTitoloOmbra"));
    ombra->setFont(carattere);
    ombra->setStyleSheet(QStringLiteral("color: #9a9a9a; padding-left: 3px; padding-top: 3px;"));
    ombra->setAlignment(Qt::AlignCenter);
    auto* scritta = new QLabel(testoTitolo, riquadroTitolo);
    scritta->setObjectName(QStringLiteral("lblTitolo"));
    scritta->setFont(carattere);
    scritta->setStyleSheet(QStringLiteral("color: #0b3d91; padding-right: 3px; padding-bottom: 3px;"));
    scritta->setAlignment(Qt::AlignCenter);
    griglia->addWidget(ombra, 0, 0);
    griglia->addWidget(scritta, 0, 0);
    principale->addWidget(riquadroTitolo);

    auto* avviso = new QLabel(
        QStringLiteral(
            "ATTENZIONE: Questo software non regala numeri, è solo un software per elaborazione statistica "
            "che analizza, conta, e mostra i dati relativi all' archivio memorizzato nel disco del computer. "
            "I dati mostrati hanno un significato predittorio esclusivamente per pura interpretazione "
            "dell' utente."),
        this);
    avviso->setObjectName(QStringLiteral("lblAvviso"));
    avviso->setWordWrap(true);
    avviso->setFrameShape(QFrame::StyledPanel);
    avviso->setMargin(8);
    avviso->setStyleSheet(QStringLiteral("color: #8b0000;"));
    principale->addWidget(avviso);

    auto* collegamenti = new QGridLayout;
    collegamenti->addWidget(new QLabel(QStringLiteral("Clicca e collegati al sito dell' autore, url:"), this),
                            0, 0);
    collegamenti->addWidget(collegamento(this, "lblSito",
                                         QStringLiteral("Clicca e collegati al sito di Lotto dell'autore"),
                                         indirizzoSito(), indirizzoSito()),
                            0, 1);
    collegamenti->addWidget(new QLabel(QStringLiteral("Scrivi all' autore"), this), 1, 0);
    collegamenti->addWidget(collegamento(this, "lblPosta", QStringLiteral("Clicca e scrivi all' autore."),
                                         indirizzoPosta(), collegamentoPosta(indirizzoPosta())),
                            1, 1);
    collegamenti->setColumnStretch(1, 1);
    principale->addLayout(collegamenti);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(110);
    cmdChiudi = new QPushButton(QStringLiteral("CHIUDI "), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setMinimumWidth(110);
    pulsanti->addWidget(cmdOK);
    pulsanti->addWidget(cmdChiudi);
    pulsanti->addStretch();
    principale->addLayout(pulsanti);

    setMinimumWidth(560);
    resize(600, sizeHint().height());

    core::Imposta_Tabelle_Globali(m_stato);

    connect(cmdOK, &QPushButton::clicked, this, &LogoIniziale::cmdOK_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &LogoIniziale::cmdChiudi_Click);
    preparaTastiera(this);
}

LogoIniziale::~LogoIniziale() {
    delete m_principale;
}

void LogoIniziale::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!m_centrata) {
        centraSulloSchermo(this);
        m_centrata = true;
    }
}

void LogoIniziale::cmdOK_Click() {
    if (!Carica_Archivio(m_stato, this)) {
        emit programmaTerminato();
        return;
    }
    if (!m_principale) {
        m_principale = new PRINCIPIO(m_stato);
        connect(m_principale, &PRINCIPIO::programmaTerminato, this, &LogoIniziale::programmaTerminato);
    }
    m_principale->show();
    hide();
    m_principale->apertura();
}

void LogoIniziale::cmdChiudi_Click() {
    if (prompt::chiedi(this, titoloProgramma(),
                       QStringLiteral("Chiudere l' applicazione ") + titoloProgramma()))
        emit programmaTerminato();
}

void LogoIniziale::closeEvent(QCloseEvent* evento) {
    evento->accept();
    emit programmaTerminato();
}

} // namespace ui
