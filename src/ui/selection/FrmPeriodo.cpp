#include "FrmPeriodo.h"

#include "AvvisoPeriodo.h"
#include "core/Campi.h"
#include "selection/Ricordo.h"
#include "selection/Ruote.h"
#include "ui/Guida.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Tastiera.h"
#include "ui/TestoData.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

namespace {

QCheckBox* casella(QWidget* genitore, const char* nome, const QString& testo) {
    auto* box = new QCheckBox(testo, genitore);
    box->setObjectName(QString::fromLatin1(nome));
    return box;
}

/** Sets a bar's value; when it already has it, runs the bar's action all the same. */
void imposta(QScrollBar* barra, int valore, const std::function<void()>& azione) {
    if (barra->value() == valore)
        azione();
    else
        barra->setValue(valore);
}

} // namespace

frmPeriodo::frmPeriodo(core::Stato& stato, QWidget* genitore, QWidget* attesa)
    : QDialog(genitore), m_stato(stato), m_attesa(attesa) {
    setObjectName(QStringLiteral("frmPeriodo"));
    setWindowTitle(QStringLiteral("SELEZIONE del PERIODO di ricerca."));
    costruisci();
    START_Periodo();
    preparaTastiera(this);
}

void frmPeriodo::costruisci() {
    auto* principale = new QVBoxLayout(this);
    lblTotaleEstrazioniCaricate = new QLabel(this);
    lblTotaleEstrazioniCaricate->setObjectName(QStringLiteral("lblTotaleEstrazioniCaricate"));
    principale->addWidget(lblTotaleEstrazioniCaricate);

    auto* periodo = new QGroupBox(QStringLiteral("Periodo"), this);
    auto* griglia = new QGridLayout(periodo);
    int riga = 0;
    griglia->addWidget(new QLabel(QStringLiteral("DAL:  INIZIO SELEZIONE:"), periodo), riga++, 0, 1, 6);
    hscDalFrazionato = barraOrizzontale(periodo, "hscDalFrazionato");
    griglia->addWidget(hscDalFrazionato, riga++, 0, 1, 6);
    // A draw's date, contest and index under its bar, for the first and for the last draw.
    const auto rigaEstrazione = [&](QLabel*& data, QLabel*& concorso, QLabel*& indice, const char* d,
                                    const char* c, const char* e) {
        const std::pair<const char*, QLabel**> campi[] = {
            {"Data:", &data}, {"Concorso:", &concorso}, {"Estrazione n°", &indice}};
        const char* nomi[] = {d, c, e};
        for (int i = 0; i < 3; ++i) {
            griglia->addWidget(new QLabel(QString::fromUtf8(campi[i].first), periodo), riga, 2 * i);
            *campi[i].second = etichettaValore(
                periodo, nomi[i], i == 2 ? 60 : 90); // mutazioni: equivalente — the label's width only
            griglia->addWidget(*campi[i].second, riga, 2 * i + 1);
        }
        ++riga;
    };
    rigaEstrazione(lblDataDalFrazionato, lblConcorsoDalFrazionato, lblEstrazioneDalFrazionato,
                   "lblDataDalFrazionato", "lblConcorsoDalFrazionato", "lblEstrazioneDalFrazionato");

    griglia->addWidget(new QLabel(QStringLiteral("Fine selezione:"), periodo), riga, 0, 1, 4);
    LblAlFine = new QLabel(periodo);
    LblAlFine->setObjectName(QStringLiteral("LblAlFine"));
    griglia->addWidget(LblAlFine, riga++, 4, 1, 2, Qt::AlignRight);
    hscAlFrazionato = barraOrizzontale(periodo, "hscAlFrazionato");
    griglia->addWidget(hscAlFrazionato, riga++, 0, 1, 6);
    rigaEstrazione(lblDataAlFrazionato, lblConcorsoAlFrazionato, lblEstrazioneAlFrazionato,
                   "lblDataAlFrazionato", "lblConcorsoAlFrazionato", "lblEstrazioneAlFrazionato");

    griglia->addWidget(new QLabel(QStringLiteral("Estrazioni    di Intervallo:"), periodo), riga, 0, 1, 2);
    lblSelezionateFrazionato = etichettaValore(periodo, "lblSelezionateFrazionato", 60);
    griglia->addWidget(lblSelezionateFrazionato, riga++, 2);

    griglia->addWidget(new QLabel(QStringLiteral("Cicli (anni interi):"), periodo), riga, 0, 1, 2);
    lblCicliFrazionato = etichettaValore(periodo, "lblCicliFrazionato", 60);
    griglia->addWidget(lblCicliFrazionato, riga, 2);
    lblMaxHscCicliFrazionato = new QLabel(periodo);
    lblMaxHscCicliFrazionato->setObjectName(QStringLiteral("lblMaxHscCicliFrazionato"));
    griglia->addWidget(lblMaxHscCicliFrazionato, riga++, 4, 1, 2, Qt::AlignRight);
    hscCicliFrazionato = barraOrizzontale(periodo, "hscCicliFrazionato");
    griglia->addWidget(hscCicliFrazionato, riga++, 0, 1, 6);
    principale->addWidget(periodo);
    costruisciRapidi(principale);

    auto* opzioni = new QHBoxLayout;
    chkInizioAnnualeFrazionato =
        casella(this, "chkInizioAnnualeFrazionato", QStringLiteral("Inizio annuale"));
    chkLimitScrollbar = casella(this, "chkLimitScrollbar", QStringLiteral("Superamento limiti scroll Bar"));
    chkConfermaApplica =
        casella(this, "chkConfermaApplica", QStringLiteral("Messaggio conferma Applica periodo"));
    for (QCheckBox* box : {chkInizioAnnualeFrazionato, chkLimitScrollbar, chkConfermaApplica}) {
        box->setChecked(true);
        opzioni->addWidget(box);
    }
    principale->addLayout(opzioni);

    auto* ruote = new QGroupBox(QStringLiteral("Ruote"), this);
    auto* grigliaRuote = new QGridLayout(ruote);
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        auto* box =
            new QCheckBox(QString::fromStdString(m_stato.Nome_Ruota[static_cast<std::size_t>(w)]), ruote);
        box->setObjectName(QStringLiteral("chkRuotePeriodo_%1").arg(w));
        chkRuotePeriodo[static_cast<std::size_t>(w)] = box;
        grigliaRuote->addWidget(box, (w - 1) / 6, (w - 1) % 6); // two rows of six
        connect(box, &QCheckBox::clicked, this, &frmPeriodo::Imposta_Ruote_Periodo);
    }
    lblNumeroRuote = new QLabel(ruote);
    lblNumeroRuote->setObjectName(QStringLiteral("lblNumeroRuote"));
    lblRuote = new QLabel(ruote);
    lblRuote->setObjectName(QStringLiteral("lblRuote"));
    grigliaRuote->addWidget(lblNumeroRuote, 2, 0, 1, 2);
    grigliaRuote->addWidget(lblRuote, 2, 2, 1, 4);
    principale->addWidget(ruote);

    // The progress shows only while a period is being applied; its room stays, so nothing moves.
    auto* fmeOperazione = new QWidget(this);
    fmeOperazione->setObjectName(QStringLiteral("fmeOperazione"));
    auto* operazione = new QHBoxLayout(fmeOperazione);
    operazione->setContentsMargins(0, 0, 0, 0);
    operazione->addWidget(new QLabel(QStringLiteral("Operazione in corso:"), fmeOperazione));
    prgSelPeriodo = new QProgressBar(fmeOperazione);
    prgSelPeriodo->setObjectName(QStringLiteral("prgSelPeriodo"));
    prgSelPeriodo->setRange(0, 100);
    prgSelPeriodo->setValue(0);
    operazione->addWidget(prgSelPeriodo, 1);
    QSizePolicy tenuta = fmeOperazione->sizePolicy();
    tenuta.setRetainSizeWhenHidden(true);
    fmeOperazione->setSizePolicy(tenuta);
    fmeOperazione->hide();
    principale->addWidget(fmeOperazione);

    auto* pulsanti = new QHBoxLayout;
    cmdApplicaPeriodoFrazionato = new QPushButton(QStringLiteral("Applica"), this);
    cmdApplicaPeriodoFrazionato->setObjectName(QStringLiteral("cmdApplicaPeriodoFrazionato"));
    cmdResetFrazionato = new QPushButton(QStringLiteral("reset"), this);
    cmdResetFrazionato->setObjectName(QStringLiteral("cmdResetFrazionato"));
    auto* guida = new QPushButton(QStringLiteral("Guida"), this);
    guida->setObjectName(QStringLiteral("CmdHelpModificaPeriodo1"));
    cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdToolbarPeriodo_10"));
    for (QPushButton* pulsante : {cmdApplicaPeriodoFrazionato, cmdResetFrazionato, guida, cmdChiudi}) {
        pulsante->setAutoDefault(false);
        pulsante->setMinimumWidth(90);
    }
    cmdChiudi->setDefault(true); // the focus rests on "Chiudi": Enter closes
    pulsanti->addWidget(cmdApplicaPeriodoFrazionato);
    pulsanti->addWidget(cmdResetFrazionato);
    pulsanti->addStretch();
    pulsanti->addWidget(guida);
    pulsanti->addWidget(cmdChiudi);
    principale->addLayout(pulsanti);
    setMinimumWidth(std::max(620, principale->minimumSize().width())); // the quick periods' row whole

    connect(guida, &QPushButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("selezione_periodo.htm")); });
    // Each bar's action runs once per move: a drag that ran it at every pixel would step the first bar
    // year after year, and a cycles bar dragged away and back would leave "Inizio annuale" ticked.
    for (QScrollBar* barra : {hscDalFrazionato, hscAlFrazionato, hscCicliFrazionato})
        unValorePerMossa(barra);
    connect(hscDalFrazionato, &QScrollBar::valueChanged, this, &frmPeriodo::hscDalFrazionato_Change);
    connect(hscAlFrazionato, &QScrollBar::valueChanged, this, &frmPeriodo::hscAlFrazionato_Change);
    connect(hscCicliFrazionato, &QScrollBar::valueChanged, this, &frmPeriodo::hscCicliFrazionato_Change);
    connect(chkInizioAnnualeFrazionato, &QCheckBox::toggled, this,
            &frmPeriodo::chkInizioAnnualeFrazionato_Click);
    connect(chkLimitScrollbar, &QCheckBox::toggled, this, &frmPeriodo::chkLimitScrollbar_Click);
    connect(cmdApplicaPeriodoFrazionato, &QPushButton::clicked, this,
            &frmPeriodo::cmdApplicaPeriodoFrazionato_Click);
    connect(cmdResetFrazionato, &QPushButton::clicked, this, &frmPeriodo::cmdResetFrazionato_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &frmPeriodo::cmdChiudi_Click);
}

void frmPeriodo::costruisciRapidi(QBoxLayout* principale) {
    auto* rapidi = new QGroupBox(QStringLiteral("Periodi rapidi (impostano le barre e applicano)"), this);
    auto* riga = new QHBoxLayout(rapidi);
    riga->setSpacing(6);
    const auto scelta = [&](const char* nome, const QString& testo, const QString& aiuto, auto intervallo) {
        auto* tasto = new QPushButton(testo, rapidi);
        tasto->setObjectName(QString::fromLatin1(nome));
        tasto->setToolTip(aiuto);
        tasto->setAutoDefault(false);
        tasto->setMinimumWidth(tasto->sizeHint().width()); // the row widens the window, never cuts a text
        riga->addWidget(tasto);
        connect(tasto, &QPushButton::clicked, this,
                [this, intervallo] { applicaRapido(intervallo(m_stato)); });
    };
    for (const int quante : {18, 100, 500})
        scelta(QStringLiteral("cmdUltime%1").arg(quante).toLatin1().constData(),
               QStringLiteral("Ultime %1").arg(quante), QStringLiteral("Le ultime %1 estrazioni").arg(quante),
               [quante](const core::Stato& stato) { return selection::ultimeEstrazioni(stato, quante); });
    scelta("cmdAnnoInCorso", QStringLiteral("Anno in corso"),
           QStringLiteral("Le estrazioni dell'ultimo anno dell'archivio"), selection::annoInCorso);
    scelta("cmdTuttoArchivio", QStringLiteral("Tutto l'archivio"),
           QStringLiteral("Tutte le estrazioni caricate"), selection::tuttoArchivio);
    riga->addSpacing(10);
    riga->addWidget(new QLabel(QStringLiteral("Dal anno"), rapidi));
    spnDalAnno = new QSpinBox(rapidi);
    spnDalAnno->setObjectName(QStringLiteral("spnDalAnno"));
    spnDalAnno->setToolTip(
        QStringLiteral("Dalla prima estrazione dell'anno scritto all'ultima (Invio applica)"));
    spnDalAnno->installEventFilter(this);
    riga->addWidget(spnDalAnno);
    auto* vai = new QPushButton(QStringLiteral("Vai"), rapidi);
    vai->setObjectName(QStringLiteral("cmdDalAnno"));
    vai->setAutoDefault(false);
    vai->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    riga->addWidget(vai);
    riga->addStretch(1);
    connect(vai, &QPushButton::clicked, this,
            [this] { applicaRapido(selection::dalAnno(m_stato, spnDalAnno->value())); });
    principale->addWidget(rapidi);
}

void frmPeriodo::START_Periodo() {
    lblTotaleEstrazioniCaricate->setText(
        QStringLiteral("Totale estrazioni caricate = %1").arg(m_stato.Estrazioni_Caricate));
    const auto giorni = selection::leggiGiornataAppartenenza(m_stato);
    const auto registrati = selection::completaGiornataAppartenenza(m_stato);
    if (!giorni)
        prompt::informa(this, QStringLiteral("ERRORE LETTURA  - ") + titoloProgramma(),
                        QString::fromStdString(giorni.messaggio()), prompt::Tipo::Avviso);
    if (!registrati) avvisaImpostazioniNonScritte(this);
    RESET_Periodo_FRAZIONATO_Ciclico();
    if (m_stato.Periodo_Da_Applicare) {
        cmdApplicaPeriodoFrazionato_Click();
        m_stato.Periodo_Da_Applicare = false;
    }
}

void frmPeriodo::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    centraSulloSchermo(this);
    Imposta_Ruote_Periodo();
    cmdChiudi->setFocus();
}

void frmPeriodo::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) {
        Imposta_Ruote_Periodo();
        cmdChiudi->setFocus();
    }
}

void frmPeriodo::Imposta_Ruote_Periodo() {
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        QCheckBox* box = chkRuotePeriodo[static_cast<std::size_t>(w)];
        const bool selezionata = m_stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1;
        box->setChecked(selezionata);
        QFont carattere = box->font();
        carattere.setBold(selezionata);
        box->setFont(carattere);
        QPalette colori = palette();
        if (selezionata) colori.setColor(QPalette::WindowText, QColor(Qt::blue));
        box->setPalette(colori);
    }
    lblNumeroRuote->setText(QString::fromStdString(selection::testoNumeroRuote(m_stato)));
    lblRuote->setText(QString::fromStdString(selection::sigleRuoteSelezionate(m_stato)));
}

void frmPeriodo::mostraEstrazione(int d, QLabel* data, QLabel* concorso, QLabel* indice) {
    if (d < 1 || d > m_stato.Estrazioni_Caricate) {
        data->clear();
        concorso->clear();
        indice->clear();
        return;
    }
    data->setText(testoData(m_stato.Data_Estrazione[static_cast<std::size_t>(d)]));
    concorso->setText(testoArchivio(m_stato.Concorso_Estrazione[static_cast<std::size_t>(d)]));
    indice->setText(QString::number(d));
}

void frmPeriodo::impostaMassimoCicli(int d) {
    // A lower maximum also lowers the value, and the cycles bar's action runs.
    hscCicliFrazionato->setMaximum(std::max(selection::massimoCicli(m_stato, d), 0));
}

void frmPeriodo::RESET_Periodo_FRAZIONATO_Ciclico() {
    const int caricate = std::max(m_stato.Estrazioni_Caricate, 1);
    chkLimitScrollbar->setChecked(core::valoreCampo(m_stato, core::campi::SUPERAMENTO_LIMITI) >= 1);
    chkInizioAnnualeFrazionato->setChecked(false);
    spnDalAnno->setRange(m_stato.Primo_Anno, std::max(m_stato.Ultimo_Anno, m_stato.Primo_Anno));
    spnDalAnno->setValue(spnDalAnno->maximum());
    hscDalFrazionato->setRange(1, caricate);
    // With cycles above 0 "Inizio annuale" stays ticked, and a move from a later year would land on
    // the year before it, not on draw 1: the bar is taken there directly.
    m_primaRicordata = 1;
    hscDalFrazionato->setValue(1);
    hscAlFrazionato->setRange(1, caricate);
    hscAlFrazionato->setValue(caricate);
    m_inizioAnnuale.azzera();
    hscCicliFrazionato->setRange(0, std::max(m_stato.Numero_Anni, 0));
    imposta(hscCicliFrazionato, 0, [this] { hscCicliFrazionato_Change(); });
    chkInizioAnnualeFrazionato->setChecked(true);
}

void frmPeriodo::chkInizioAnnualeFrazionato_Click() {
    chkInizioAnnualeFrazionato->setChecked(selection::InizioAnnuale::cliccato(
        hscCicliFrazionato->value(), chkInizioAnnualeFrazionato->isChecked()));
    if (chkInizioAnnualeFrazionato->isChecked()) {
        const int inizio = selection::inizioAnnoEstrazione(m_stato, hscDalFrazionato->value());
        if (inizio < 1) return;
        m_primaRicordata = inizio;
        hscDalFrazionato->setValue(inizio);
    }
}

void frmPeriodo::hscDalFrazionato_Change() {
    if (chkInizioAnnualeFrazionato->isChecked())
        hscDalFrazionato->setValue(
            selection::passoAnnuale(m_stato, m_primaRicordata, hscDalFrazionato->value()));

    if (hscAlFrazionato->isEnabled()) {
        lblSelezionateFrazionato->setText(
            QString::number(hscAlFrazionato->value() - hscDalFrazionato->value() + 1));
        if (hscDalFrazionato->value() > hscAlFrazionato->value()) {
            if (chkLimitScrollbar->isChecked())
                hscAlFrazionato->setValue(hscDalFrazionato->value());
            else
                hscDalFrazionato->setValue(hscAlFrazionato->value());
        }
    }

    const int prima = hscDalFrazionato->value();
    mostraEstrazione(prima, lblDataDalFrazionato, lblConcorsoDalFrazionato, lblEstrazioneDalFrazionato);

    if (hscCicliFrazionato->value() > 0) {
        impostaMassimoCicli(prima);
        const int fine = selection::fineCicli(m_stato, selection::annoEstrazione(m_stato, prima),
                                              hscCicliFrazionato->value());
        mostraEstrazione(fine, lblDataAlFrazionato, lblConcorsoAlFrazionato, lblEstrazioneAlFrazionato);
        lblSelezionateFrazionato->setText(fine >= 1 ? QString::number(fine - prima + 1)
                                                    : QStringLiteral("0"));
        lblMaxHscCicliFrazionato->setText(QStringLiteral("Max = %1").arg(hscCicliFrazionato->maximum()));
    }

    m_primaRicordata = hscDalFrazionato->value();
    impostaMassimoCicli(m_primaRicordata);
}

void frmPeriodo::hscAlFrazionato_Change() {
    if (!hscAlFrazionato->isEnabled()) return;
    if (hscAlFrazionato->value() < hscDalFrazionato->value()) {
        if (chkLimitScrollbar->isChecked())
            hscDalFrazionato->setValue(hscAlFrazionato->value());
        else
            hscAlFrazionato->setValue(hscDalFrazionato->value());
    }
    LblAlFine->setText(QStringLiteral("Max = %1").arg(hscAlFrazionato->maximum()));
    mostraEstrazione(hscAlFrazionato->value(), lblDataAlFrazionato, lblConcorsoAlFrazionato,
                     lblEstrazioneAlFrazionato);
    lblSelezionateFrazionato->setText(
        QString::number(hscAlFrazionato->value() - hscDalFrazionato->value() + 1));
}

void frmPeriodo::hscCicliFrazionato_Change() {
    const int C = hscCicliFrazionato->value();
    chkInizioAnnualeFrazionato->setChecked(
        m_inizioAnnuale.cicliCambiati(C, chkInizioAnnualeFrazionato->isChecked()));
    if (C == 0) {
        hscAlFrazionato->setEnabled(true);
        hscAlFrazionato_Change();
    } else {
        hscAlFrazionato->setEnabled(false);
        lblDataAlFrazionato->clear();
        lblConcorsoAlFrazionato->clear();
        lblEstrazioneAlFrazionato->clear();
        lblSelezionateFrazionato->clear();
        LblAlFine->clear();
        hscDalFrazionato_Change();
        lblMaxHscCicliFrazionato->setText(QStringLiteral("Max = %1").arg(hscCicliFrazionato->maximum()));
    }
    lblCicliFrazionato->setText(C == 0 ? QStringLiteral("Fraz.") : QString::number(C));
}

void frmPeriodo::chkLimitScrollbar_Click() {
    scriviImpostazione(this, m_stato, core::campi::SUPERAMENTO_LIMITI,
                       chkLimitScrollbar->isChecked() ? 1 : 0);
}

void frmPeriodo::applicaRapido(const selection::Intervallo& intervallo) {
    if (intervallo.prima < 1 || intervallo.ultima < intervallo.prima) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Nessuna estrazione nell'archivio per questa scelta: il periodo non "
                                       "è cambiato."));
        return;
    }
    // Cycles work on whole years and "Inizio annuale" moves the first bar a year at a time: both are
    // put aside. The first bar goes to draw 1 before the last bar moves, so that neither pushes the other.
    imposta(hscCicliFrazionato, 0, [this] { hscCicliFrazionato_Change(); });
    chkInizioAnnualeFrazionato->setChecked(false);
    imposta(hscDalFrazionato, 1, [this] { hscDalFrazionato_Change(); });
    imposta(hscAlFrazionato, intervallo.ultima, [this] { hscAlFrazionato_Change(); });
    imposta(hscDalFrazionato, intervallo.prima, [this] { hscDalFrazionato_Change(); });
    applicaBarre(false);
}

void frmPeriodo::applicaRicordato(const selection::Barre& barre) {
    // As a quick choice does, "Inizio annuale" off so that the first bar stays on the remembered draw;
    // the cycles, whole years, come last.
    imposta(hscCicliFrazionato, 0, [this] { hscCicliFrazionato_Change(); });
    chkInizioAnnualeFrazionato->setChecked(false);
    imposta(hscDalFrazionato, 1, [this] { hscDalFrazionato_Change(); });
    imposta(hscAlFrazionato, barre.ultima, [this] { hscAlFrazionato_Change(); });
    imposta(hscDalFrazionato, barre.prima, [this] { hscDalFrazionato_Change(); });
    if (barre.cicli > 0) imposta(hscCicliFrazionato, barre.cicli, [this] { hscCicliFrazionato_Change(); });
    applicaBarre(false);
    if (m_attesa) m_attesa->close();
}

void frmPeriodo::cmdApplicaPeriodoFrazionato_Click() {
    applicaBarre(true);
}

void frmPeriodo::applicaBarre(bool conferma) {
    if (m_stato.Periodo_Da_Applicare) {
        repaint();
    } else if (conferma && chkConfermaApplica->isChecked()) {
        if (!prompt::chiedi(this, QStringLiteral("CONFERMA OPERAZIONE"),
                            QStringLiteral("Applicare il nuovo periodo con le impostazioni selezionate?")))
            return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    prgSelPeriodo->parentWidget()->show();
    const auto avanzamento = [this](int percentuale) {
        prgSelPeriodo->setValue(percentuale);
        prgSelPeriodo->repaint();
    };
    const int cicli = hscCicliFrazionato->value();
    if (cicli > 0)
        selection::applicaCicli(m_stato, hscDalFrazionato->value(), cicli, avanzamento);
    else
        selection::applicaFrazionato(m_stato, hscDalFrazionato->value(), hscAlFrazionato->value(),
                                     avanzamento);
    Imposta_Ruote_Periodo();
    prgSelPeriodo->setValue(prgSelPeriodo->minimum());
    prgSelPeriodo->parentWidget()->hide();
    if (cicli == 0 && m_attesa) m_attesa->close();
    // Kept for the next start and for the reloads of the archive.
    if (!selection::ricordaPeriodo(m_stato, {hscDalFrazionato->value(), hscAlFrazionato->value(), cicli}))
        avvisaImpostazioniNonScritte(this);
    QApplication::restoreOverrideCursor();
    AvvisoPeriodo::istanza().annuncia();
}

bool frmPeriodo::eventFilter(QObject* oggetto, QEvent* evento) {
    // Enter in the year box applies its year, instead of pressing "Chiudi".
    if (oggetto == spnDalAnno && evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            spnDalAnno->interpretText();
            applicaRapido(selection::dalAnno(m_stato, spnDalAnno->value()));
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void frmPeriodo::cmdResetFrazionato_Click() {
    if (prompt::chiedi(
            this, QStringLiteral("CONFERMA OPERAZIONE"),
            QStringLiteral("Le impostazioni di selezione verranno portate a quella di default, ma il Periodo "
                           "Selezionato non verrà Applicato, continuare?")))
        RESET_Periodo_FRAZIONATO_Ciclico();
}

void frmPeriodo::cmdChiudi_Click() {
    if (m_stato.Totale_Estrazioni_Selezionate != 0) {
        done(QDialog::Accepted);
        return;
    }
    prompt::informa(
        this, titoloProgramma(),
        QStringLiteral("ATTENZIONE: non e' possibile uscire dalla selezione del periodo di ricerca senza "
                       "selezionare almeno un' estrazione valida."),
        prompt::Tipo::Avviso);
}

void frmPeriodo::reject() {
    cmdChiudi_Click();
}

void frmPeriodo::closeEvent(QCloseEvent* evento) {
    // Closing by the frame behaves as "Chiudi": the window hides, keeping its controls.
    evento->ignore();
    cmdChiudi_Click();
}

} // namespace ui
