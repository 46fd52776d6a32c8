#include "FrmInformazioni.h"

#include "Icone.h"
#include "Programma.h"
#include "ui/Tastiera.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QLabel* immagine(QWidget* genitore, const char* nome, const QPixmap& figura) {
    auto* etichetta = new QLabel(genitore);
    etichetta->setObjectName(QString::fromLatin1(nome));
    etichetta->setPixmap(figura);
    etichetta->setAlignment(Qt::AlignCenter);
    return etichetta;
}

} // namespace

frmInformazioni::frmInformazioni(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("frmInformazioni"));
    setWindowTitle(QStringLiteral("INFORMAZIONI PROGRAMMA"));

    auto* principale = new QVBoxLayout(this);
    auto* testata = new QHBoxLayout;
    testata->addWidget(immagine(this, "pctEmblema", immagineEmblema(96)));

    auto* colonna = new QVBoxLayout;
    // The title is drawn twice, the first copy offset to give the second a shadow.
    auto* riquadroTitolo = new QWidget(this);
    auto* sovrapposti = new QGridLayout(riquadroTitolo);
    sovrapposti->setContentsMargins(0, 0, 0, 0);
    QFont grande = font();
    grande.setPointSize(24);
    grande.setBold(true);
    Label1_0 = new QLabel(riquadroTitolo);
    Label1_0->setObjectName(QStringLiteral("Label1_0"));
    Label1_0->setStyleSheet(QStringLiteral("color: #9a9a9a; padding-left: 3px; padding-top: 3px;"));
    Label1_1 = new QLabel(riquadroTitolo);
    Label1_1->setObjectName(QStringLiteral("Label1_1"));
    Label1_1->setStyleSheet(QStringLiteral("color: #0b3d91; padding-right: 3px; padding-bottom: 3px;"));
    for (QLabel* titolo : {Label1_0, Label1_1}) {
        titolo->setFont(grande);
        titolo->setAlignment(Qt::AlignCenter);
        sovrapposti->addWidget(titolo, 0, 0);
    }
    colonna->addWidget(riquadroTitolo);

    auto* versione = new QHBoxLayout;
    versione->addStretch();
    versione->addWidget(new QLabel(QStringLiteral("versione:"), this));
    lblVersione = new QLabel(this);
    lblVersione->setObjectName(QStringLiteral("lblVersione"));
    QFont grassetto = font();
    grassetto.setBold(true);
    lblVersione->setFont(grassetto);
    versione->addWidget(lblVersione);
    versione->addStretch();
    colonna->addLayout(versione);
    testata->addLayout(colonna, 1);
    principale->addLayout(testata);

    auto* descrizione = new QLabel(
        QStringLiteral(
            "Statistiche sull' archivio delle estrazioni del Lotto: frequenze e ritardi dei 90 numeri "
            "e degli ambi, consultazione e aggiornamento dell' archivio, poste e combinazioni."),
        this);
    descrizione->setObjectName(QStringLiteral("lblDescrizione"));
    descrizione->setWordWrap(true);
    principale->addWidget(descrizione);
    principale->addWidget(immagine(this, "pctStatistiche", immagineStatistiche(300, 70)));

    auto* nota = new QLabel(QStringLiteral("Utilizza la risoluzione video 800 X 600."), this);
    nota->setObjectName(QStringLiteral("lblNota"));
    nota->setAlignment(Qt::AlignCenter);
    nota->setStyleSheet(QStringLiteral("color: #8b0000;"));
    principale->addWidget(nota);

    auto* pulsanti = new QHBoxLayout;
    auto* cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setDefault(true);
    cmdChiudi->setMinimumWidth(110);
    pulsanti->addStretch();
    pulsanti->addWidget(cmdChiudi);
    pulsanti->addStretch();
    principale->addLayout(pulsanti);
    setMinimumWidth(440);

    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::accept);
    Scrivi_Versione();
    preparaTastiera(this);
}

void frmInformazioni::Scrivi_Versione() {
    Label1_0->setText(titoloProgramma());
    Label1_1->setText(titoloProgramma());
    lblVersione->setText(versioneProgramma());
}

void frmInformazioni::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    centraSulloSchermo(this);
}

} // namespace ui
