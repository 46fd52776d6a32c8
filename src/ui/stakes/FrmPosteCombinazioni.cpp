#include "FrmPosteCombinazioni.h"

#include "stakes/Formato.h"
#include "ui/Guida.h"
#include "ui/Posizione.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Tastiera.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

QString testo(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

/** Writes a grid cell; row 0 and column 0 are the headings, the counts stand right-aligned. */
void scriviCella(QTableWidget* griglia, int riga, int colonna, const QString& valore) {
    auto* cella = new QTableWidgetItem(valore);
    if (riga == 0 || colonna == 0) {
        cella->setTextAlignment(Qt::AlignCenter);
        cella->setBackground(griglia->palette().button());
        QFont carattere = griglia->font();
        carattere.setBold(true);
        cella->setFont(carattere);
    } else {
        cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    griglia->setItem(riga, colonna, cella);
}

QTableWidget* griglia(QWidget* genitore, const char* nome, int righe, int larghezzaColonna) {
    auto* nuova = new QTableWidget(righe, 6, genitore);
    nuova->setObjectName(QString::fromLatin1(nome));
    impostaGrigliaFissa(nuova);
    nuova->horizontalHeader()->setDefaultSectionSize(larghezzaColonna);
    return nuova;
}

/** A caption, a bar and its value label on one row of a grid layout. */
void rigaBarra(QGridLayout* righe, int riga, QWidget* titolo, QScrollBar* barra, QLabel* valore) {
    righe->addWidget(titolo, riga, 0);
    righe->addWidget(barra, riga, 1);
    righe->addWidget(valore, riga, 2);
}

} // namespace

frmPosteCombinazioni::frmPosteCombinazioni(core::Stato& stato, QWidget* genitore)
    : QWidget(genitore, Qt::Window), m_stato(stato) {
    setObjectName(QStringLiteral("frmPosteCombinazioni"));
    setWindowTitle(QStringLiteral("Poste e combinazioni"));

    auto* schede = new QTabWidget(this);
    schede->setObjectName(QStringLiteral("tabPoste"));
    schede->addTab(costruisciRiscossione(), QStringLiteral("Riscossione Premi"));
    schede->addTab(costruisciCombinazioni(), QStringLiteral("N° Combinazioni"));
    schede->addTab(costruisciQuote(), QStringLiteral("Quote / Premi"));
    schede->addTab(costruisciImpostaQuote(), QStringLiteral("Imposta Quote"));

    auto* cmdHelp = new QPushButton(QStringLiteral("Guida"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("poste_combinazioni.htm")); });
    auto* cmdChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    connect(cmdChiudi, &QPushButton::clicked, this, &QWidget::close);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(cmdHelp);
    pulsanti->addStretch();
    pulsanti->addWidget(cmdChiudi);
    auto* principale = new QVBoxLayout(this);
    principale->addWidget(schede);
    principale->addLayout(pulsanti);

    // The opening: stored payouts on the editor, calculator and grids from them; the set-up moved
    // the editor's bars, which is no change of the user's.
    optSenzaTrattenuta->setChecked(true);
    Imposta_Quote();
    Scrivi_Pagamenti();
    Imposta_Numero_Combinazioni();
    Imposta_Quote_Premi();
    cmdApplica->setEnabled(false);
    resize(sizeHint().expandedTo(QSize(640, 520)));
    preparaTastiera(this, true);
}

QWidget* frmPosteCombinazioni::costruisciRiscossione() {
    auto* pagina = new QWidget;
    auto* colonna = new QVBoxLayout(pagina);

    auto* bolletta = new QGroupBox(QStringLiteral("Bolletta"), pagina);
    auto* righeBolletta = new QGridLayout(bolletta);
    const auto conteggio = [&](int riga, const char* nomeBarra, const char* nomeEtichetta,
                               const QString& titolo, int massimo, auto gestore) {
        QScrollBar* barra = barraOrizzontale(bolletta, nomeBarra);
        barra->setRange(1, massimo);
        barra->setPageStep(2);
        QLabel* valore = etichettaValore(bolletta, nomeEtichetta, 60);
        rigaBarra(righeBolletta, riga, new QLabel(titolo, bolletta), barra, valore);
        // A drag recomputes once, on release; meanwhile only the bar's own label follows it.
        barra->setTracking(false);
        connect(barra, &QScrollBar::sliderMoved, valore,
                [valore](int n) { valore->setText(QString::number(n)); });
        connect(barra, &QScrollBar::valueChanged, this, gestore);
        return std::pair{barra, valore};
    };
    std::tie(hscNumeriPerBolletta, lblNumeriPerBolletta) =
        conteggio(0, "hscNumeriPerBolletta", "lblNumeriPerBolletta", QStringLiteral("Numeri per bolletta:"),
                  10, &frmPosteCombinazioni::hscNumeriPerBolletta_Change);
    std::tie(hscNumeriIndovinati, lblNumeriIndovinati) =
        conteggio(1, "hscNumeriIndovinati", "lblNumeriIndovinati", QStringLiteral("Numeri indovinati:"), 5,
                  &frmPosteCombinazioni::hscNumeriIndovinati_Change);
    std::tie(hscNumeroRuote, lblNumeroRuote) =
        conteggio(2, "hscNumeroRuote", "lblNumeroRuote", QStringLiteral("Ruote Giocate:"), 10,
                  &frmPosteCombinazioni::hscNumeroRuote_Change);
    colonna->addWidget(bolletta);

    auto* puntate = new QGroupBox(QStringLiteral("Puntate"), pagina);
    auto* righePuntate = new QGridLayout(puntate);
    for (int k = stakes::ESTRATTO; k <= stakes::CINQUINA; ++k) {
        const auto i = static_cast<std::size_t>(k);
        chkAttivato[i] = new QCheckBox(
            QStringLiteral("Puntata ") + testo(m_stato.Nome_Sorte[i]) + QLatin1Char(':'), puntate);
        chkAttivato[i]->setObjectName(QStringLiteral("chkAttivato_%1").arg(k));
        chkAttivato[i]->setChecked(k == stakes::ESTRATTO);
        hscPuntata[i] =
            barraOrizzontale(puntate, QStringLiteral("hscPuntata_%1").arg(k).toLatin1().constData());
        lblPuntata[i] =
            etichettaValore(puntate, QStringLiteral("lblPuntata_%1").arg(k).toLatin1().constData(), 80);
        rigaBarra(righePuntate, k - 1, chkAttivato[i], hscPuntata[i], lblPuntata[i]);
        hscPuntata[i]->setTracking(false);
        connect(hscPuntata[i], &QScrollBar::sliderMoved, this, [this, k](int posizione) {
            lblPuntata[static_cast<std::size_t>(k)]->setText(testoPuntata(k, posizione));
        });
        connect(hscPuntata[i], &QScrollBar::valueChanged, this, [this, k] { hscPuntata_Change(k); });
        connect(chkAttivato[i], &QCheckBox::toggled, this, [this, k] {
            hscPuntata_Change(k);
            Calcola_Vincita_Poste();
        });
    }
    righePuntate->setColumnStretch(1, 1);
    colonna->addWidget(puntate);

    auto* esito = new QGroupBox(QStringLiteral("Risultato"), pagina);
    auto* righeEsito = new QGridLayout(esito);
    const auto voce = [&](int riga, int colonnaVoce, const QString& titolo, const char* nome, int larghezza) {
        QLabel* valore = etichettaValore(esito, nome, larghezza);
        righeEsito->addWidget(new QLabel(titolo, esito), riga, colonnaVoce);
        righeEsito->addWidget(valore, riga, colonnaVoce + 1);
        return valore;
    };
    lblTotaleCostoPerBolletta = voce(0, 0, QStringLiteral("totale spesa:"), "lblTotaleCostoPerBolletta", 150);
    lblRiscossione = voce(1, 0, QStringLiteral("Riscossione: (trattenuta inclusa)"), "lblRiscossione", 150);
    lblTotaleVintoNetto = voce(2, 0, QStringLiteral("Vincita netta:"), "lblTotaleVintoNetto", 150);
    lblMostraTrattenuta = voce(0, 2, QStringLiteral("trattenuta:"), "lblMostraTrattenuta", 70);
    lblMoneta = voce(1, 2, QStringLiteral("moneta utilizzata:"), "lblMoneta", 70);
    righeEsito->setColumnStretch(1, 1);
    colonna->addWidget(esito);
    colonna->addStretch();
    righeBolletta->setColumnStretch(1, 1);
    return pagina;
}

QWidget* frmPosteCombinazioni::costruisciCombinazioni() {
    auto* pagina = new QWidget;
    auto* colonna = new QVBoxLayout(pagina);
    mfgNComb = griglia(pagina, "mfgNComb", 91, 100);
    mfgNComb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The heading row stays in sight while the 90 rows scroll: the header shows it in its place.
    mfgNComb->setRowHidden(0, true);
    mfgNComb->horizontalHeader()->show();
    mfgNComb->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mfgNComb->horizontalHeader()->setStretchLastSection(true);
    mfgNComb->setMinimumWidth(6 * 100 + mfgNComb->verticalScrollBar()->sizeHint().width() +
                              2 * mfgNComb->frameWidth());
    colonna->addWidget(mfgNComb);
    return pagina;
}

QWidget* frmPosteCombinazioni::costruisciQuote() {
    auto* pagina = new QWidget;
    auto* colonna = new QVBoxLayout(pagina);
    colonna->addWidget(new QLabel(QStringLiteral("Premi in n° di volte la posta puntata."), pagina));
    mfgQuote = griglia(pagina, "mfgQuote", 11, 100);
    const int altezza = 11 * mfgQuote->verticalHeader()->defaultSectionSize() + 2 * mfgQuote->frameWidth();
    mfgQuote->setFixedHeight(altezza);
    mfgQuote->setMinimumWidth(6 * 100 + 2 * mfgQuote->frameWidth());
    mfgQuote->horizontalHeader()->setStretchLastSection(true);
    colonna->addWidget(mfgQuote);
    optConTrattenuta = new QRadioButton(QStringLiteral("Mostra Premi con Trattenuta"), pagina);
    optConTrattenuta->setObjectName(QStringLiteral("optConTrattenuta"));
    optSenzaTrattenuta = new QRadioButton(QStringLiteral("Mostra Premi senza trattenuta"), pagina);
    optSenzaTrattenuta->setObjectName(QStringLiteral("optSenzaTrattenuta"));
    colonna->addWidget(optConTrattenuta);
    colonna->addWidget(optSenzaTrattenuta);
    colonna->addStretch();
    // The two buttons are exclusive: one toggled signal follows every change of either.
    connect(optConTrattenuta, &QRadioButton::toggled, this, &frmPosteCombinazioni::Imposta_Quote_Premi);
    return pagina;
}

QWidget* frmPosteCombinazioni::costruisciImpostaQuote() {
    auto* pagina = new QWidget;
    auto* colonna = new QVBoxLayout(pagina);
    auto* cornice =
        new QGroupBox(QStringLiteral("Valori di posta relativi alla sortita a ruota singola."), pagina);
    cornice->setObjectName(QStringLiteral("fmePoste"));
    auto* righe = new QGridLayout(cornice);
    for (int i = 0; i < stakes::NUMERO_BARRE_POSTE; ++i) {
        const auto indice = static_cast<std::size_t>(i);
        const stakes::BarraPosta& scala = stakes::BARRE_POSTE[indice];
        hscPosta[indice] =
            barraOrizzontale(cornice, QStringLiteral("hscPosta_%1").arg(i).toLatin1().constData());
        hscPosta[indice]->setRange(scala.minimo, scala.massimo);
        hscPosta[indice]->setPageStep(scala.passoPagina);
        const QByteArray nome =
            i == 0 ? QByteArrayLiteral("lblTrattenuta") : QStringLiteral("lblPosta_%1").arg(i).toLatin1();
        m_etichettePosta[indice] = etichettaValore(cornice, nome.constData(), 100);
        const QString titolo = i == 0 ? QStringLiteral("Trattenuta") : testo(m_stato.Nome_Sorte[indice]);
        rigaBarra(righe, i, new QLabel(titolo, cornice), hscPosta[indice], m_etichettePosta[indice]);
        connect(hscPosta[indice], &QScrollBar::valueChanged, this, [this, i] { hscPosta_Change(i); });
    }
    righe->setColumnStretch(1, 1);
    colonna->addWidget(cornice);

    cmdApplica = new QPushButton(QStringLiteral("Applica"), pagina);
    cmdApplica->setObjectName(QStringLiteral("cmdApplica"));
    auto* cmdRegistra = new QPushButton(QStringLiteral("Registra"), pagina);
    cmdRegistra->setObjectName(QStringLiteral("cmdRegistra"));
    auto* cmdDefault = new QPushButton(QStringLiteral("Default"), pagina);
    cmdDefault->setObjectName(QStringLiteral("cmdDefault"));
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addWidget(cmdApplica);
    pulsanti->addWidget(cmdRegistra);
    pulsanti->addWidget(cmdDefault);
    pulsanti->addStretch();
    colonna->addLayout(pulsanti);
    colonna->addStretch();
    connect(cmdApplica, &QPushButton::clicked, this, &frmPosteCombinazioni::cmdApplica_Click);
    connect(cmdRegistra, &QPushButton::clicked, this, &frmPosteCombinazioni::cmdRegistra_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmPosteCombinazioni::cmdDefault_Click);
    return pagina;
}

void frmPosteCombinazioni::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!m_centrata) {
        sottoLaStriscia(this, parentWidget());
        m_centrata = true;
    }
}

void frmPosteCombinazioni::closeEvent(QCloseEvent* evento) {
    if (cmdApplica->isEnabled() &&
        prompt::chiedi(this, titoloProgramma(),
                       QStringLiteral("Le impostazioni per il pagamento delle poste sono stati variati.\n"
                                      "Si desidera registrare i nuovi valori?")))
        cmdRegistra_Click();
    evento->accept();
}

// ---- The payout editor and grid ----

void frmPosteCombinazioni::Imposta_Quote() {
    const auto letti = stakes::Leggi_Pagamenti_Poste(m_stato);
    const auto registrati = stakes::completaPagamenti(m_stato);
    if (!letti) prompt::informa(this, titoloProgramma(), testo(letti.messaggio()));
    if (!registrati) avvisaImpostazioniNonScritte(this);
    mostraBarre();
    Scrivi_Moneta_Trattenuta();
}

void frmPosteCombinazioni::mostraBarre() {
    const auto barre = stakes::barreDaPagamenti(m_stato);
    for (int i = 0; i < stakes::NUMERO_BARRE_POSTE; ++i) {
        hscPosta[static_cast<std::size_t>(i)]->setValue(barre[static_cast<std::size_t>(i)]);
        hscPosta_Change(i); // the label, also when the bar already stood there
    }
}

void frmPosteCombinazioni::pagamentiRiletti() {
    // Edits not yet applied stay on the editor, still waiting for "Applica"; otherwise the editor too
    // shows the payouts now in force.
    if (!cmdApplica->isEnabled()) {
        mostraBarre();
        cmdApplica->setEnabled(false);
    }
    Scrivi_Moneta_Trattenuta();
    Scrivi_Pagamenti();
    Imposta_Quote_Premi();
}

void frmPosteCombinazioni::hscPosta_Change(int barra) {
    const auto i = static_cast<std::size_t>(barra);
    m_etichettePosta[i]->setText(testo(stakes::testoBarraPosta(barra, hscPosta[i]->value())));
    cmdApplica->setEnabled(true);
}

void frmPosteCombinazioni::applica() {
    std::array<int, stakes::NUMERO_BARRE_POSTE> barre{};
    for (std::size_t i = 0; i < barre.size(); ++i)
        barre[i] = hscPosta[i]->value();
    stakes::applicaBarre(m_stato, barre);
    Scrivi_Moneta_Trattenuta();
    cmdApplica->setEnabled(false);
    Scrivi_Pagamenti();
    Imposta_Numero_Combinazioni();
    Imposta_Quote_Premi();
}

void frmPosteCombinazioni::cmdApplica_Click() {
    applica();
}

void frmPosteCombinazioni::cmdRegistra_Click() {
    if (prompt::chiedi(this, titoloProgramma(), QStringLiteral("Registrare i valori di Posta Indicati?")))
        Registra_Poste();
}

void frmPosteCombinazioni::Registra_Poste() {
    applica();
    if (const auto registrati = stakes::Registra_Pagamenti(m_stato); !registrati)
        prompt::informa(this, titoloProgramma(), testo(registrati.messaggio()), prompt::Tipo::Avviso);
    Scrivi_Moneta_Trattenuta();
}

void frmPosteCombinazioni::cmdDefault_Click() {
    // The question lists the default payouts as the editor's labels show them.
    QString domanda;
    for (int k = stakes::ESTRATTO; k <= stakes::CINQUINA; ++k) {
        const auto i = static_cast<std::size_t>(k);
        domanda += testo(m_stato.Nome_Sorte[i]) + QStringLiteral(" = ") +
                   testo(stakes::testoBarraPosta(k, stakes::BARRE_DEFAULT[i])) + QStringLiteral("\n\n");
    }
    const int trattenuta = stakes::BARRE_DEFAULT[0];
    domanda += QStringLiteral(" Trattenuta = %1,%2%\n\nRegistrare i valori delle poste?")
                   .arg(trattenuta / 10)
                   .arg(trattenuta % 10);
    if (!prompt::chiedi(this, titoloProgramma(), domanda)) return;
    for (std::size_t i = 0; i < hscPosta.size(); ++i) {
        hscPosta[i]->setValue(stakes::BARRE_DEFAULT[i]);
        hscPosta_Change(static_cast<int>(i));
    }
    Registra_Poste();
}

void frmPosteCombinazioni::Scrivi_Moneta_Trattenuta() {
    const auto testi = stakes::Scrivi_Moneta_Trattenuta(m_stato);
    lblMostraTrattenuta->setText(testo(testi.trattenuta));
    lblMoneta->setText(testo(testi.moneta));
}

void frmPosteCombinazioni::Imposta_Quote_Premi() {
    const bool conTrattenuta = !optSenzaTrattenuta->isChecked();
    mfgQuote->setUpdatesEnabled(false);
    mfgQuote->clearContents();
    scriviCella(mfgQuote, 0, 0, QStringLiteral("n° X boll."));
    for (int k = stakes::ESTRATTO; k <= stakes::CINQUINA; ++k)
        scriviCella(mfgQuote, 0, k, testo(m_stato.Nome_Sorte[static_cast<std::size_t>(k)]));
    for (int r = 1; r <= 10; ++r) {
        scriviCella(mfgQuote, r, 0, QString::number(r));
        for (int k = stakes::ESTRATTO; k <= stakes::CINQUINA; ++k) {
            const auto premio = stakes::premioPerPosta(m_stato, k, r, conTrattenuta);
            if (!premio) {
                scriviCella(mfgQuote, r, k, QStringLiteral("--"));
                break;
            }
            scriviCella(mfgQuote, r, k, testo(stakes::formatta(*premio, "#,###.##")));
        }
    }
    mfgQuote->setUpdatesEnabled(true);
}

// ---- The calculator and the combination grid ----

void frmPosteCombinazioni::Imposta_Numero_Combinazioni() {
    mfgNComb->setUpdatesEnabled(false);
    mfgNComb->clearContents();
    scriviCella(mfgNComb, 0, 0, QStringLiteral("Numeri"));
    for (int k = stakes::ESTRATTO; k <= stakes::CINQUINA; ++k)
        scriviCella(mfgNComb, 0, k, testo(m_stato.Nome_Sorte[static_cast<std::size_t>(k)]));
    for (int c = 0; c < mfgNComb->columnCount(); ++c)
        mfgNComb->setHorizontalHeaderItem(c, new QTableWidgetItem(mfgNComb->item(0, c)->text()));
    for (int n = 1; n <= core::NUMERO_MASSIMO; ++n) {
        scriviCella(mfgNComb, n, 0, QString::number(n));
        for (int k = stakes::ESTRATTO; k <= stakes::CINQUINA; ++k)
            scriviCella(mfgNComb, n, k, testo(stakes::testoCombinazioni(stakes::Numero_Combinazioni(k, n))));
    }
    mfgNComb->setUpdatesEnabled(true);
}

void frmPosteCombinazioni::Scrivi_Pagamenti() {
    m_giocata.Puntata.fill(0);
    Imposta_Scroll_Pagamenti();
    hscNumeroRuote_Change();
    hscNumeriPerBolletta_Change();
    hscNumeriIndovinati_Change();
}

void frmPosteCombinazioni::Imposta_Scroll_Pagamenti() {
    for (int k = stakes::ESTRATTO; k <= stakes::CINQUINA; ++k) {
        const auto barra = stakes::barraPuntata(m_stato.Moneta_Utilizzata, k);
        QScrollBar* puntata = hscPuntata[static_cast<std::size_t>(k)];
        puntata->setRange(barra.minimo, barra.massimo);
        puntata->setPageStep(stakes::PASSO_PUNTATA);
        puntata->setValue(barra.iniziale);
        hscPuntata_Change(k);
    }
}

QString frmPosteCombinazioni::testoPuntata(int sorte, int posizione) const {
    if (!chkAttivato[static_cast<std::size_t>(sorte)]->isChecked()) return QStringLiteral("--");
    const int moneta = m_stato.Moneta_Utilizzata;
    return testo(stakes::testoPuntata(moneta, stakes::puntataDaBarra(moneta, posizione)));
}

void frmPosteCombinazioni::hscPuntata_Change(int sorte) {
    const auto k = static_cast<std::size_t>(sorte);
    const int posizione = hscPuntata[k]->value();
    m_giocata.Puntata[k] =
        chkAttivato[k]->isChecked() ? stakes::puntataDaBarra(m_stato.Moneta_Utilizzata, posizione) : 0;
    lblPuntata[k]->setText(testoPuntata(sorte, posizione));
    Scrivi_Totale_Costo_Bolletta();
    Calcola_Vincita_Poste();
}

void frmPosteCombinazioni::hscNumeriPerBolletta_Change() {
    const int n = hscNumeriPerBolletta->value();
    lblNumeriPerBolletta->setText(QString::number(n));
    m_giocata.Numeri_Per_Bolletta = n;
    // A lower maximum pulls the guessed numbers down with it, through their own change.
    hscNumeriIndovinati->setMaximum(std::min(n, core::NUMERI_PER_RUOTA));
    Calcola_Vincita_Poste();
}

void frmPosteCombinazioni::hscNumeriIndovinati_Change() {
    lblNumeriIndovinati->setText(QString::number(hscNumeriIndovinati->value()));
    m_giocata.Numeri_Indovinati = hscNumeriIndovinati->value();
    Calcola_Vincita_Poste();
}

void frmPosteCombinazioni::hscNumeroRuote_Change() {
    lblNumeroRuote->setText(QString::number(hscNumeroRuote->value()));
    m_giocata.Ruote_Giocate = hscNumeroRuote->value();
    Calcola_Vincita_Poste();
}

void frmPosteCombinazioni::Scrivi_Totale_Costo_Bolletta() {
    lblTotaleCostoPerBolletta->setText(
        testo(stakes::testoPuntata(m_stato.Moneta_Utilizzata, stakes::Costo_Bolletta(m_giocata))));
}

void frmPosteCombinazioni::Calcola_Vincita_Poste() {
    const QString moneta = testo(stakes::nomeMoneta(m_stato)) + QStringLiteral(" = ");
    // The exact amounts, rounded once to the cent, as the check of a ticket rounds them.
    const stakes::Importo incasso = stakes::riscossione(m_stato, m_giocata);
    const stakes::Importo netto =
        incasso - stakes::Importo::daCentesimi(stakes::centesimiDi(stakes::Costo_Bolletta(m_giocata)));
    const auto inEuro = [](const stakes::Importo& importo) {
        return stakes::formatta(static_cast<double>(importo.centesimi()) / 100, "#,###.##");
    };
    lblRiscossione->setText(moneta + testo(inEuro(incasso)));
    lblTotaleVintoNetto->setText(moneta + testo(inEuro(netto)));
}

} // namespace ui
