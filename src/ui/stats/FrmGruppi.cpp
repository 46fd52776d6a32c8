#include "FrmGruppi.h"

#include "FrmGrafico.h"
#include "FrmLunghette.h"
#include "selection/Riepilogo.h"
#include "stats/Caso.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Stampa.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

const char* const INTESTAZIONI[] = {"GRUPPO",     "NUMERI", "FREQUENZA", "R. ATTUALE",
                                    "R. MASSIMO", "ATTESA", "SCARTO",    "R. ATT.: 1 SU"};
/** The columns of the counts; with "Mostra il caso" the chance's three follow. */
constexpr int COLONNE_CONTEGGI = 5;
constexpr int COLONNE = 8;
const char* const SORTI[] = {"Estratto", "Ambo", "Terno", "Quaterna", "Cinquina"};

QTableWidget* nuovaGriglia(int colonna) {
    auto* griglia = new QTableWidget(0, COLONNE);
    griglia->setObjectName(QStringLiteral("mfgGruppi_%1").arg(colonna));
    griglia->verticalHeader()->hide();
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia->setSelectionMode(QAbstractItemView::SingleSelection);
    griglia->setWordWrap(false);
    griglia->verticalHeader()->setDefaultSectionSize(QFontMetrics(griglia->font()).height() + 4);
    QStringList intestazioni;
    for (const char* testo : INTESTAZIONI)
        intestazioni << QString::fromLatin1(testo);
    griglia->setHorizontalHeaderLabels(intestazioni);
    const QFontMetrics metrica(griglia->horizontalHeader()->font());
    griglia->setColumnWidth(0, metrica.horizontalAdvance(QStringLiteral("Quindicina 76-90")) + 24);
    for (int j = 2; j < COLONNE; ++j)
        griglia->setColumnWidth(
            j, metrica.horizontalAdvance(QString::fromLatin1(j < 7 ? "R. MASSIMO" : "R. ATT.: 1 SU")) +
                   (j < COLONNE_CONTEGGI ? 20 : 8));
    griglia->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    // Room for the ten cadenze without a scroll bar; longer lists of lunghette scroll.
    griglia->setMinimumHeight(griglia->verticalHeader()->defaultSectionSize() * 11 +
                              griglia->horizontalHeader()->sizeHint().height() + 2 * griglia->frameWidth());
    return griglia;
}

/** N of "1 su N" for the chance's column, "> 1 miliardo" below one in a billion. */
QString unoSuN(double probabilita) {
    const std::string testo = stats::unoSu(probabilita);
    return testo.starts_with("1 su ") ? QString::fromStdString(testo.substr(5))
                                      : QStringLiteral("> 1 miliardo");
}

} // namespace

frmGruppi::frmGruppi(core::Stato& stato, QWidget* principale)
    : FinestraRicerca(stato, principale, core::campi::OPZIONI_GRUPPI, core::campi::DECRESCENTE_GRUPPI,
                      core::campi::CASO_GRUPPI, QStringLiteral("gruppi.htm")) {
    setObjectName(QStringLiteral("frmGruppi"));
    setWindowTitle(QStringLiteral("Gruppi e famiglie"));
    std::array<QWidget*, core::NUMERO_RUOTE + 1> pagine{};
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        m_griglie[static_cast<std::size_t>(c)] = nuovaGriglia(c);
        pagine[static_cast<std::size_t>(c)] = m_griglie[static_cast<std::size_t>(c)];
    }
    costruisci(pagine);
    casoCambiato();
    // The choices go above the shared rows of buttons, the first thing the user sets.
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, costruisciScelte());
    QWidget* ordine[] = {cboFamiglia, cboSorte, findChild<QPushButton*>(QStringLiteral("cmdLunghette")),
                         findChild<QPushButton*>(QStringLiteral("cmdStampa")), cmdAVVIO};
    for (std::size_t i = 1; i < std::size(ordine); ++i)
        setTabOrder(ordine[i - 1], ordine[i]);
    cboFamiglia->setFocus();
    if (QPushButton* cmdGrafico = findChild<QPushButton*>(QStringLiteral("cmdGrafico")))
        cmdGrafico->setToolTip(QStringLiteral(
            "Il grafico del gruppo scelto con un clic nella griglia (anche con un doppio clic)"));
}

QWidget* frmGruppi::costruisciScelte() {
    auto* scelte = new QWidget(this);
    auto* riga = new QHBoxLayout(scelte);
    riga->setContentsMargins(0, 0, 0, 0);
    cboFamiglia = new QComboBox(scelte);
    cboFamiglia->setObjectName(QStringLiteral("cboFamiglia"));
    for (const auto& famiglia : stats::famiglie())
        cboFamiglia->addItem(QString::fromStdString(famiglia.nome));
    cboFamiglia->addItem(QStringLiteral("Le mie lunghette"));
    cboSorte = new QComboBox(scelte);
    cboSorte->setObjectName(QStringLiteral("cboSorte"));
    for (const char* sorte : SORTI)
        cboSorte->addItem(QString::fromLatin1(sorte));
    auto* lblFamiglia = new QLabel(QStringLiteral("&Famiglia:"), scelte);
    auto* lblSorte = new QLabel(QStringLiteral("Sor&te:"), scelte);
    lblFamiglia->setBuddy(cboFamiglia);
    lblSorte->setBuddy(cboSorte);
    auto* cmdLunghette = pulsante(scelte, "cmdLunghette", QStringLiteral("&Lunghette..."),
                                  QStringLiteral("Aggiungere, rinominare o eliminare le proprie lunghette"));
    auto* cmdStampa = pulsante(scelte, "cmdStampa", QStringLiteral("Stam&pa"),
                               QStringLiteral("Stampa la griglia mostrata"));
    lblCercati = new QLabel(scelte);
    lblCercati->setObjectName(QStringLiteral("lblCercati"));
    lblCercati->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    riga->addWidget(lblFamiglia);
    riga->addWidget(cboFamiglia);
    riga->addWidget(lblSorte);
    riga->addWidget(cboSorte);
    riga->addWidget(cmdLunghette);
    riga->addWidget(cmdStampa);
    riga->addWidget(lblCercati, 1);

    const int famiglia = core::valoreCampo(m_stato, core::campi::FAMIGLIA_GRUPPI);
    cboFamiglia->setCurrentIndex(famiglia);
    if (famiglia == LUNGHETTE) m_lunghette = caricaLunghette(m_stato, this).gruppi;
    connect(cboFamiglia, &QComboBox::currentIndexChanged, this, [this](int scelta) {
        scriviImpostazione(this, m_stato, core::campi::FAMIGLIA_GRUPPI, scelta);
        if (scelta == LUNGHETTE) m_lunghette = caricaLunghette(m_stato, this).gruppi;
        mostraCercati();
    });
    connect(cboSorte, &QComboBox::currentIndexChanged, this, &frmGruppi::mostraCercati);
    connect(cmdLunghette, &QPushButton::clicked, this, &frmGruppi::cmdLunghette_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &frmGruppi::cmdStampa_Click);
    return scelte;
}

QString frmGruppi::descrizioneScelta() const {
    return cboFamiglia->currentText() + QStringLiteral(", ") + cboSorte->currentText().toLower();
}

void frmGruppi::mostraCercati() {
    if (m_cercati.isEmpty()) return;
    const bool cambiata = m_cercati != descrizioneScelta();
    lblCercati->setStyleSheet(cambiata ? QStringLiteral("color: #b00000; font-weight: bold;") : QString());
    lblCercati->setText(cambiata ? QStringLiteral("Mostrati: %1 (premere AVVIO per la scelta)").arg(m_cercati)
                                 : QStringLiteral("Mostrati: %1").arg(m_cercati));
    lblCercati->setToolTip(lblCercati->text());
}

bool frmGruppi::eseguiRicerca(const stats::Avanzamento& avanzamento) {
    const int sorte = cboSorte->currentIndex() + 1;
    std::vector<stats::Gruppo> gruppi;
    m_escluse.clear();
    if (cboFamiglia->currentIndex() == LUNGHETTE) {
        for (const auto& lunghetta : m_lunghette)
            if (static_cast<int>(lunghetta.numeri.size()) >= sorte)
                gruppi.push_back(lunghetta);
            else
                m_escluse.push_back(lunghetta.nome);
    } else {
        gruppi = stats::famiglie()[static_cast<std::size_t>(cboFamiglia->currentIndex())].gruppi;
    }
    auto risultati = stats::ricercaGruppi(m_stato, gruppi, sorte, avanzamento);
    if (!risultati) return false;
    m_risultati = std::move(*risultati);
    m_mostrati = std::move(gruppi);
    return true;
}

void frmGruppi::concludiRicerca(bool completa) {
    if (!completa) return;
    m_risultatiDisponibili = true;
    m_cercati = descrizioneScelta();
    m_periodo = selection::periodoAttuale(m_stato);
    mostraCercati();
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        m_ordine[static_cast<std::size_t>(c)] = stats::ordineGruppi(m_risultati, c, stats::NUMERICO);
        scriviColonna(c);
    }
    if (!m_escluse.empty()) {
        QString nomi;
        for (const auto& nome : m_escluse)
            nomi += (nomi.isEmpty() ? QString() : QStringLiteral(", ")) + QString::fromStdString(nome);
        prompt::informa(
            this, titoloProgramma(),
            QStringLiteral("Le lunghette con meno numeri della sorte non sono state cercate: %1.").arg(nomi));
    }
}

void frmGruppi::scriviColonna(int colonna) {
    const auto c = static_cast<std::size_t>(colonna);
    QTableWidget* griglia = mfgGruppi(colonna);
    griglia->setUpdatesEnabled(false);
    griglia->clearContents();
    griglia->setRowCount(static_cast<int>(m_ordine[c].size()));
    int riga = 0;
    for (int g : m_ordine[c]) {
        const auto k = static_cast<std::size_t>(g);
        const QString valori[] = {QString::fromStdString(m_mostrati[k].nome),
                                  QString::fromStdString(stats::testoNumeri(m_mostrati[k].numeri)),
                                  QString::number(m_risultati.Frequenza[c][k]),
                                  QString::number(m_risultati.Ritardo_Attuale[c][k]),
                                  QString::number(m_risultati.Ritardo_Massimo[c][k])};
        for (int j = 0; j < COLONNE_CONTEGGI; ++j) {
            auto* cella = new QTableWidgetItem(valori[j]);
            cella->setTextAlignment(j < 2 ? (Qt::AlignLeft | Qt::AlignVCenter)
                                          : Qt::Alignment(Qt::AlignCenter));
            if (j == 1) cella->setToolTip(valori[j]);
            griglia->setItem(riga, j, cella);
        }
        if (mostraCaso()) {
            const auto elemento = elementoDellaCella(colonna, riga, 0);
            const auto [frequenza, attuale, massimo] = elemento ? elemento->valori : std::array<int, 3>{};
            const auto figure =
                stats::caso(elemento ? elemento->probabilita : 0,
                            stats::colonnaCaso(m_risultati.Base_Caso, colonna), frequenza, attuale, massimo);
            const QString caso[] = {QLocale(QLocale::Italian).toString(figure.attesa, 'f', 1),
                                    QString::fromStdString(stats::testoScarto(figure.scarto)),
                                    unoSuN(figure.probabilitaAttuale)};
            for (int j = COLONNE_CONTEGGI; j < COLONNE; ++j) {
                auto* cella = new QTableWidgetItem(caso[j - COLONNE_CONTEGGI]);
                cella->setTextAlignment(Qt::AlignCenter);
                griglia->setItem(riga, j, cella);
            }
        }
        ++riga;
    }
    griglia->setUpdatesEnabled(true);
}

void frmGruppi::ordinaColonna(int colonna, int criterio, bool decrescente) {
    m_ordine[static_cast<std::size_t>(colonna)] =
        stats::ordineGruppi(m_risultati, colonna, criterio, decrescente);
    scriviColonna(colonna);
}

std::array<int, 3> frmGruppi::valoriDi(int, const std::vector<int>&) const {
    return {}; // no cell shows a number, pair or triple: elementoDellaCella reads the group's row
}

std::optional<FinestraRicerca::ElementoCaso> frmGruppi::elementoDellaCella(int colonna, int riga, int) const {
    if (colonna < 0 || colonna > core::NUMERO_RUOTE) return std::nullopt;
    const auto& ordine = m_ordine[static_cast<std::size_t>(colonna)];
    if (riga < 0 || riga >= static_cast<int>(ordine.size())) return std::nullopt;
    const auto c = static_cast<std::size_t>(colonna);
    const auto g = static_cast<std::size_t>(ordine[static_cast<std::size_t>(riga)]);
    if (g >= m_mostrati.size() || g >= m_risultati.Frequenza[c].size()) return std::nullopt;
    return ElementoCaso{
        stats::probabilitaGruppo(static_cast<int>(m_mostrati[g].numeri.size()), m_risultati.sorte),
        {m_risultati.Frequenza[c][g], m_risultati.Ritardo_Attuale[c][g], m_risultati.Ritardo_Massimo[c][g]}};
}

void frmGruppi::casoCambiato() {
    for (QTableWidget* griglia : m_griglie)
        for (int j = COLONNE_CONTEGGI; j < COLONNE; ++j)
            griglia->setColumnHidden(j, !mostraCaso());
    if (!m_risultatiDisponibili) return;
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c)
        scriviColonna(c);
}

std::string frmGruppi::testoCsv(int colonna) const {
    return stats::csvGruppi(m_risultati, m_mostrati, colonna, m_ordine[static_cast<std::size_t>(colonna)]);
}

void frmGruppi::apriGrafico(int colonna, int riga, int colonnaGriglia) {
    if (!m_risultatiDisponibili || colonna < 0 || colonna > core::NUMERO_RUOTE) {
        FinestraRicerca::apriGrafico(colonna, riga, colonnaGriglia);
        return;
    }
    nascondiPopup();
    const auto& ordine = m_ordine[static_cast<std::size_t>(colonna)];
    if (riga < 0 || riga >= static_cast<int>(ordine.size())) {
        prompt::informa(
            this, titoloProgramma(),
            QStringLiteral("Scegliere con un clic, nella griglia mostrata, la riga del gruppo di cui "
                           "vedere il grafico."));
        return;
    }
    const auto& gruppo = m_mostrati[static_cast<std::size_t>(ordine[static_cast<std::size_t>(riga)])];
    FrmGrafico::apriGruppo(m_stato, gruppo, m_risultati.sorte, colonna, this, mostraCaso());
}

void frmGruppi::cmdLunghette_Click() {
    nascondiPopup();
    frmLunghette editor(m_stato, this);
    editor.exec();
    m_lunghette = editor.lunghette();
}

void frmGruppi::cmdStampa_Click() {
    nascondiPopup();
    if (!m_risultatiDisponibili) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Nessun dato da stampare: eseguire prima una ricerca."));
        return;
    }
    Stampa stampa;
    if (!stampa.Imposta_Stampante(this, 1)) return;
    const int c = m_navigazione.ruotaMostrata();
    stampa.riga(
        QStringLiteral("GRUPPI E FAMIGLIE: %1 — %2")
            .arg(m_cercati, c == 0 ? QStringLiteral("ruote %1")
                                         .arg(QString::fromStdString(m_navigazione.didascalia()).trimmed())
                                   : QString::fromStdString(m_stato.Nome_Ruota[static_cast<std::size_t>(c)])),
        true);
    stampa.riga(QString::fromStdString(selection::testoPeriodo(m_stato, m_periodo)));
    stampa.riga(QString());
    for (const auto& riga :
         stats::righeStampaGruppi(m_risultati, m_mostrati, c, m_ordine[static_cast<std::size_t>(c)]))
        stampa.riga(QString::fromStdString(riga));
    stampa.fine();
}

} // namespace ui
