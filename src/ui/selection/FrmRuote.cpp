#include "FrmRuote.h"

#include "AvvisoPeriodo.h"
#include "core/Campi.h"
#include "selection/Ricordo.h"
#include "selection/Ruote.h"
#include "ui/Guida.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Tastiera.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

frm_Ruote::frm_Ruote(core::Stato& stato, QWidget* genitore) : QDialog(genitore), m_stato(stato) {
    setObjectName(QStringLiteral("frm_Ruote"));
    setWindowTitle(QStringLiteral("Selezione delle Ruote"));
    auto* principale = new QVBoxLayout(this);

    // The boxes stand on a dark panel: a ticked wheel shows in yellow bold, a cleared one in white.
    auto* pannello = new QFrame(this);
    pannello->setObjectName(QStringLiteral("fmeRuote"));
    pannello->setAutoFillBackground(true);
    QPalette colori = pannello->palette();
    colori.setColor(QPalette::Window, QColor(0x1f, 0x3a, 0x68));
    pannello->setPalette(colori);
    auto* griglia = new QGridLayout(pannello);
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        auto* casella =
            new QCheckBox(QString::fromStdString(stato.Nome_Ruota[static_cast<std::size_t>(w)]), pannello);
        casella->setObjectName(QStringLiteral("ck_Ruota_%1").arg(w));
        casella->setMinimumWidth(120);
        m_ck_Ruota[static_cast<std::size_t>(w)] = casella;
        // The ten traditional wheels in two columns, the Nazionale on its own line under them.
        if (w == core::RUOTA_NAZIONALE)
            griglia->addWidget(casella, 5, 0, 1, 2);
        else
            griglia->addWidget(casella, (w - 1) % 5, (w - 1) / 5);
        connect(casella, &QCheckBox::toggled, this, [this, w] { ck_Ruota_Click(w); });
    }
    principale->addWidget(pannello);

    auto* scelte = new QHBoxLayout;
    auto* cmdTutte = new QPushButton(QStringLiteral("TUTTE"), this);
    cmdTutte->setObjectName(QStringLiteral("cmdTutte"));
    auto* cmdNessuna = new QPushButton(QStringLiteral("nessuna"), this);
    cmdNessuna->setObjectName(QStringLiteral("cmdNessuna"));
    scelte->addWidget(cmdTutte);
    scelte->addWidget(cmdNessuna);
    principale->addLayout(scelte);

    lblNumeroRuote = new QLabel(QStringLiteral("Ruote Selezionate:  1"), this);
    lblNumeroRuote->setObjectName(QStringLiteral("lblNumeroRuote"));
    lblRuote = new QLabel(this);
    lblRuote->setObjectName(QStringLiteral("lblRuote"));
    lblRuote->setMinimumWidth(260);
    principale->addWidget(lblNumeroRuote);
    principale->addWidget(lblRuote);

    auto* chkRiprendi =
        new QCheckBox(QStringLiteral("Alle prossime aperture usa ruote e periodo dell'ultima volta"), this);
    chkRiprendi->setObjectName(QStringLiteral("chkRiprendi"));
    chkRiprendi->setChecked(core::valoreCampo(stato, core::campi::RIPRENDI_ULTIMA_VOLTA) == 1);
    principale->addWidget(chkRiprendi);
    connect(chkRiprendi, &QCheckBox::toggled, this, [this](bool si) {
        scriviImpostazione(this, m_stato, core::campi::RIPRENDI_ULTIMA_VOLTA, si ? 1 : 0);
    });

    auto* pulsanti = new QHBoxLayout;
    cmd_Ok = new QPushButton(QStringLiteral("OK"), this);
    cmd_Ok->setObjectName(QStringLiteral("cmd_Ok"));
    cmd_Ok->setDefault(true);
    auto* cmdHelp = new QPushButton(QStringLiteral("Guida"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    pulsanti->addWidget(cmd_Ok);
    pulsanti->addStretch();
    pulsanti->addWidget(cmdHelp);
    principale->addLayout(pulsanti);
    principale->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdTutte, &QPushButton::clicked, this, &frm_Ruote::cmdTutte_Click);
    connect(cmdNessuna, &QPushButton::clicked, this, &frm_Ruote::cmdNessuna_Click);
    connect(cmd_Ok, &QPushButton::clicked, this, &frm_Ruote::cmd_Ok_Click);
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("selezione_ruote.htm")); });

    // Every opening re-reads the confirmed selection into the boxes.
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        QCheckBox* casella = ck_Ruota(w);
        const bool selezionata = stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1;
        if (casella->isChecked() == selezionata)
            ck_Ruota_Click(w);
        else
            casella->setChecked(selezionata);
    }
    preparaTastiera(this);
}

void frm_Ruote::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    centraSulloSchermo(this);
    cmd_Ok->setFocus();
}

void frm_Ruote::ck_Ruota_Click(int w) {
    QCheckBox* casella = ck_Ruota(w);
    QFont carattere = casella->font();
    carattere.setBold(casella->isChecked());
    casella->setFont(carattere);
    QPalette colori = casella->palette();
    colori.setColor(QPalette::WindowText, casella->isChecked() ? QColor(Qt::yellow) : QColor(Qt::white));
    casella->setPalette(colori);
    Scrivi_Label_Ruote();
}

void frm_Ruote::Scrivi_Label_Ruote() {
    lblNumeroRuote->setText(QString::fromStdString(selection::testoNumeroRuote(m_stato)));
    lblRuote->setText(QString::fromStdString(selection::sigleRuoteSelezionate(m_stato)));
}

void frm_Ruote::cmdTutte_Click() {
    // "Tutte" is the game's bet on the ten traditional wheels: the Nazionale is played on its own.
    for (int w = 1; w <= core::RUOTE_TRADIZIONALI; ++w)
        ck_Ruota(w)->setChecked(true);
}

void frm_Ruote::cmdNessuna_Click() {
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        ck_Ruota(w)->setChecked(false);
}

void frm_Ruote::cmd_Ok_Click() {
    core::SpunteRuote spuntate{};
    int quante = 0;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        spuntate[static_cast<std::size_t>(w)] = ck_Ruota(w)->isChecked();
        if (spuntate[static_cast<std::size_t>(w)]) ++quante;
    }
    if (quante == 0) {
        prompt::informa(this, titoloProgramma(), QStringLiteral("Selezionare almeno una ruota!"),
                        prompt::Tipo::Nessuna);
        return;
    }
    selection::Imposta_Ruote(m_stato, spuntate);
    if (!selection::ricordaRuote(m_stato)) avvisaImpostazioniNonScritte(this);
    AvvisoPeriodo::istanza().annuncia();
    accept();
}

} // namespace ui
