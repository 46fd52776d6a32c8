#include "FrmNumeriSpia.h"

#include "core/Formato.h"
#include "selection/Riepilogo.h"
#include "stats/Navigazione.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Stampa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

const char* const INTESTAZIONI[] = {"Posiz.", "NUMERO", "PRESENZE", "ATTESE", "SCARTO"};
/** The targets' choices: the spy's own wheel, or the wheels selected with "Ruote". */
constexpr int BERSAGLIO_RUOTA_SPIA = 0;

} // namespace

frmNUMERISPIA::frmNUMERISPIA(core::Stato& stato, QWidget* principale)
    : FinestraRicerca(stato, principale, core::campi::OPZIONI_NUMERI, core::campi::DECRESCENTE_SPIA, {},
                      QStringLiteral("numeri_spia.htm")) {
    setObjectName(QStringLiteral("frmNUMERISPIA"));
    setWindowTitle(QStringLiteral("Numeri spia"));
    std::array<QWidget*, core::NUMERO_RUOTE + 1> pagine{};
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        auto* griglia = new QTableWidget(90, 5);
        griglia->setObjectName(QStringLiteral("mfgSpia_%1").arg(c));
        griglia->verticalHeader()->hide();
        griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
        griglia->setSelectionMode(QAbstractItemView::NoSelection);
        const int altezzaRiga = QFontMetrics(griglia->font()).height() + 4;
        griglia->verticalHeader()->setDefaultSectionSize(altezzaRiga);
        griglia->setMinimumHeight(altezzaRiga * 17); // sixteen rows and the header in sight
        QStringList intestazioni;
        for (const char* testo : INTESTAZIONI)
            intestazioni << QString::fromLatin1(testo);
        griglia->setHorizontalHeaderLabels(intestazioni);
        const int larghezza =
            QFontMetrics(griglia->font()).horizontalAdvance(QStringLiteral("PRESENZE")) + 24;
        for (int j = 0; j < 5; ++j)
            griglia->setColumnWidth(j, larghezza);
        for (int r = 0; r < 90; ++r)
            for (int j = 0; j < 5; ++j) {
                auto* cella = new QTableWidgetItem;
                cella->setTextAlignment(Qt::AlignCenter);
                griglia->setItem(r, j, cella);
            }
        griglia->setFixedWidth(larghezza * 5 + griglia->verticalScrollBar()->sizeHint().width() +
                               2 * griglia->frameWidth());
        m_griglie[static_cast<std::size_t>(c)] = griglia;
        auto* pagina = new QWidget;
        auto* disposizione = new QHBoxLayout(pagina);
        disposizione->setContentsMargins(0, 0, 0, 0);
        disposizione->addStretch();
        disposizione->addWidget(griglia);
        disposizione->addStretch();
        pagine[static_cast<std::size_t>(c)] = pagina;
    }
    m_ordine.fill(stats::ordineNumerico());
    costruisci(pagine);
    inserisciParametri(costruisciParametri());
    // The grid shows chance already (expected presences, deviation); the delays' chance that "Mostra il
    // caso" adds to the counting windows' cells means nothing here. Without a field the option is hidden.
    findChild<QCheckBox*>(QStringLiteral("chkCaso"))->setChecked(false);
    connect(
        aggiungiPulsante("cmdStampa", QStringLiteral("Stampa"), QStringLiteral("Stampa la griglia mostrata")),
        &QPushButton::clicked, this, &frmNUMERISPIA::cmdStampa_Click);
}

QWidget* frmNUMERISPIA::costruisciParametri() {
    auto* parametri = new QWidget(this);
    // Room for the printout's button in the bottom row beside the line of the program.
    parametri->setMinimumWidth(752);
    auto* righe = new QVBoxLayout(parametri);
    righe->setContentsMargins(0, 0, 0, 0);
    auto* riga1 = new QHBoxLayout;
    auto* riga2 = new QHBoxLayout;
    righe->addLayout(riga1);
    righe->addLayout(riga2);
    const auto etichetta = [&](const QString& testo, QWidget* controllo) {
        auto* nuova = new QLabel(testo, parametri);
        nuova->setBuddy(controllo);
        riga1->addWidget(nuova);
        riga1->addWidget(controllo);
        riga1->addSpacing(6);
    };
    spnNumeroSpia = new QSpinBox(parametri);
    spnNumeroSpia->setObjectName(QStringLiteral("spnNumeroSpia"));
    spnNumeroSpia->setRange(1, 90);
    cboRuotaSpia = new QComboBox(parametri);
    cboRuotaSpia->setObjectName(QStringLiteral("cboRuotaSpia"));
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        cboRuotaSpia->addItem(QString::fromStdString(m_stato.Nome_Ruota[static_cast<std::size_t>(w)]));
    spnColpi = new QSpinBox(parametri);
    spnColpi->setObjectName(QStringLiteral("spnColpi"));
    spnColpi->setRange(1, stats::MASSIMO_COLPI_SPIA);
    spnColpi->setToolTip(QStringLiteral("Le estrazioni dopo ogni uscita della spia in cui cercare i numeri"));
    cboBersaglio = new QComboBox(parametri);
    cboBersaglio->setObjectName(QStringLiteral("cboBersaglio"));
    cboBersaglio->addItem(QStringLiteral("la ruota della spia"));
    cboBersaglio->addItem(QStringLiteral("le ruote selezionate"));
    cboBersaglio->setToolTip(
        QStringLiteral("Le ruote in cui cercare i numeri che seguono; le ruote selezionate si scelgono con "
                       "\"Ruote\""));
    etichetta(QStringLiteral("&Numero spia:"), spnNumeroSpia);
    etichetta(QStringLiteral("Ruota &della spia:"), cboRuotaSpia);
    etichetta(QStringLiteral("Co&lpi:"), spnColpi);
    etichetta(QStringLiteral("&Bersaglio:"), cboBersaglio);
    riga1->addStretch(1);
    lblUsciteSpia = new QLabel(QStringLiteral("Uscite della spia: —"), parametri);
    lblUsciteSpia->setObjectName(QStringLiteral("lblUsciteSpia"));
    riga2->addWidget(lblUsciteSpia, 1);

    // The choices last made, kept when the user changes them.
    spnNumeroSpia->setValue(core::valoreCampo(m_stato, core::campi::NUMERO_SPIA));
    cboRuotaSpia->setCurrentIndex(core::valoreCampo(m_stato, core::campi::RUOTA_SPIA) - 1);
    spnColpi->setValue(core::valoreCampo(m_stato, core::campi::COLPI_SPIA));
    connect(spnNumeroSpia, &QSpinBox::valueChanged, this,
            [this](int valore) { scriviImpostazione(this, m_stato, core::campi::NUMERO_SPIA, valore); });
    connect(cboRuotaSpia, &QComboBox::currentIndexChanged, this,
            [this](int indice) { scriviImpostazione(this, m_stato, core::campi::RUOTA_SPIA, indice + 1); });
    connect(spnColpi, &QSpinBox::valueChanged, this,
            [this](int valore) { scriviImpostazione(this, m_stato, core::campi::COLPI_SPIA, valore); });
    return parametri;
}

bool frmNUMERISPIA::eseguiRicerca(const stats::Avanzamento& avanzamento) {
    if (m_stato.Totale_Estrazioni_Selezionate == 0) return false;
    stats::ParametriSpia parametri;
    parametri.numero = spnNumeroSpia->value();
    parametri.ruota = cboRuotaSpia->currentIndex() + 1;
    parametri.colpi = spnColpi->value();
    const bool ruotaSpia = cboBersaglio->currentIndex() == BERSAGLIO_RUOTA_SPIA;
    m_cercata.fill(false);
    // Column 0: the targets together; with the selected wheels, each of them alone in its own column.
    std::array<core::SpunteRuote, core::NUMERO_RUOTE + 1> bersagli{};
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        const bool selezionata = m_stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1;
        bersagli[0][static_cast<std::size_t>(w)] = ruotaSpia ? w == parametri.ruota : selezionata;
        if (!ruotaSpia && selezionata)
            bersagli[static_cast<std::size_t>(w)][static_cast<std::size_t>(w)] = true;
    }
    int fatte = 0;
    for (std::size_t c = 0; c <= core::NUMERO_RUOTE; ++c) {
        if (std::find(bersagli[c].begin(), bersagli[c].end(), true) == bersagli[c].end()) continue;
        parametri.bersagli = bersagli[c];
        auto esito = stats::cercaSpia(m_stato, parametri);
        if (!esito) return false;
        m_risultati[c] = *esito;
        m_cercata[c] = true;
        if (avanzamento) avanzamento(++fatte * 100 / (core::NUMERO_RUOTE + 1));
    }
    if (ruotaSpia)
        m_navigazione.impostaSoloColonna0(m_stato.Nome_Ruota[static_cast<std::size_t>(parametri.ruota)]);
    m_periodo = selection::testoPeriodo(m_stato, selection::periodoAttuale(m_stato));
    return m_cercata[0];
}

void frmNUMERISPIA::concludiRicerca(bool completa) {
    if (!completa) return;
    m_risultatiDisponibili = true;
    const bool decrescente = core::valoreCampo(m_stato, core::campi::DECRESCENTE_SPIA) == 1;
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        m_navigazione.impostaCriterio(c, stats::FREQUENZA);
        m_navigazione.impostaDecrescente(c, decrescente);
        m_ordine[static_cast<std::size_t>(c)] =
            stats::ordineSpia(m_risultati[static_cast<std::size_t>(c)], stats::FREQUENZA, decrescente);
        SCRIVI_DATI_RICERCA(c);
    }
    // What was searched, beside the exits: the period line above says the period.
    const auto& p = m_risultati[0].parametri;
    QStringList bersagli;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (p.bersagli[static_cast<std::size_t>(w)])
            bersagli << QString::fromLatin1(core::siglaRuota(w).data(),
                                            qsizetype(core::siglaRuota(w).size()));
    lblUsciteSpia->setText(
        QStringLiteral("Spia %1 su %2, %3 %4, bersaglio: %5 — uscite della spia: %6")
            .arg(p.numero)
            .arg(QString::fromStdString(m_stato.Nome_Ruota[static_cast<std::size_t>(p.ruota)]))
            .arg(p.colpi)
            .arg(p.colpi == 1 ? QStringLiteral("colpo") : QStringLiteral("colpi"))
            .arg(bersagli.join(QLatin1Char(' ')))
            .arg(m_risultati[0].uscite));
}

void frmNUMERISPIA::SCRIVI_DATI_RICERCA(int colonna) {
    const auto c = static_cast<std::size_t>(colonna);
    QTableWidget* griglia = mfgSpia(colonna);
    const auto& risultati = m_risultati[c];
    griglia->setUpdatesEnabled(false);
    const QString attese = QString::fromStdString(stats::dueDecimali(risultati.attese(), ','));
    for (int r = 0; r < 90; ++r) {
        const int n = m_ordine[c][static_cast<std::size_t>(r) + 1];
        QString testi[5];
        if (m_cercata[c]) {
            testi[0] = QString::number(r + 1);
            testi[1] = QString::number(n);
            testi[2] = QString::number(risultati.presenze[static_cast<std::size_t>(n)]);
            testi[3] = attese;
            testi[4] = QString::fromStdString(stats::dueDecimali(risultati.scarto(n), ','));
        }
        for (int j = 0; j < 5; ++j)
            griglia->item(r, j)->setText(testi[j]);
    }
    griglia->setUpdatesEnabled(true);
}

void frmNUMERISPIA::ordinaColonna(int colonna, int criterio, bool decrescente) {
    const auto c = static_cast<std::size_t>(colonna);
    m_ordine[c] = stats::ordineSpia(m_risultati[c], criterio, decrescente);
    SCRIVI_DATI_RICERCA(colonna);
}

bool frmNUMERISPIA::criterioOfferto(int criterio) const {
    // The presences are the only count; the expected presences are the same for every number, so the
    // deviation orders the numbers as the presences do.
    return criterio == stats::NUMERICO || criterio == stats::FREQUENZA;
}

std::vector<int> frmNUMERISPIA::numeriDellaCella(int colonna, int riga, int) const {
    if (colonna < 0 || colonna > core::NUMERO_RUOTE || riga < 0 || riga >= 90 ||
        !m_cercata[static_cast<std::size_t>(colonna)])
        return {};
    return {m_ordine[static_cast<std::size_t>(colonna)][static_cast<std::size_t>(riga) + 1]};
}

std::array<int, 3> frmNUMERISPIA::valoriDi(int colonna, const std::vector<int>& numeri) const {
    // Only the presences: the spy search counts no delay.
    const auto c = static_cast<std::size_t>(colonna);
    if (c > core::NUMERO_RUOTE || numeri.size() != 1 || numeri[0] < 1 || numeri[0] > 90) return {};
    return {m_risultati[c].presenze[static_cast<std::size_t>(numeri[0])], 0, 0};
}

const stats::BaseCaso& frmNUMERISPIA::baseCaso() const {
    static const stats::BaseCaso nessuna;
    return nessuna;
}

std::string frmNUMERISPIA::testoCsv(int colonna) const {
    const auto c = static_cast<std::size_t>(colonna);
    return stats::csvSpia(m_risultati[c], m_ordine[c]);
}

void frmNUMERISPIA::cmdStampa_Click() {
    nascondiPopup();
    const int c = m_navigazione.ruotaMostrata();
    if (!m_risultatiDisponibili || !m_cercata[static_cast<std::size_t>(c)]) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Nessun dato da stampare: eseguire prima una ricerca."));
        return;
    }
    Stampa stampa;
    if (!stampa.Imposta_Stampante(this, 1)) return;
    const auto righe = stats::righeStampaSpia(m_stato, m_risultati[static_cast<std::size_t>(c)],
                                              m_ordine[static_cast<std::size_t>(c)], m_periodo);
    for (std::size_t i = 0; i < righe.size(); ++i)
        stampa.riga(QString::fromStdString(righe[i]), i == 0);
    stampa.fine();
}

} // namespace ui
