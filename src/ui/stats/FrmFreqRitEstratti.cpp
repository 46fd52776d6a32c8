#include "FrmFreqRitEstratti.h"

#include "stats/Esportazione.h"
#include "ui/Programma.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace ui {

namespace {

constexpr int RIGHE = 24;
constexpr int COLONNE = 16;
const QColor COLORE_NUMERO(0, 192, 192);
const char* const DIDASCALIE_RIGHE[] = {"NUMERO", "FREQUENZA", "R. ATTUALE", "R. MASSIMO"};

} // namespace

frmFREQRITESTRATTI::frmFREQRITESTRATTI(core::Stato& stato, QWidget* principale)
    : FinestraRicerca(stato, principale, core::campi::OPZIONI_NUMERI, core::campi::DECRESCENTE_NUMERI,
                      core::campi::CASO_NUMERI, QStringLiteral("freq_rit_90_numeri.htm")) {
    setObjectName(QStringLiteral("frmFREQRITESTRATTI"));
    setWindowTitle(QStringLiteral("FREQUENZE e RITARDI 90 NUMERI"));
    std::array<QWidget*, core::NUMERO_RUOTE + 1> pagine{};
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        auto* griglia = new QTableWidget(RIGHE, COLONNE);
        griglia->setObjectName(QStringLiteral("mfgRicerca_%1").arg(c));
        Imposta_mfg_Ricerca(griglia);
        m_griglie[static_cast<std::size_t>(c)] = griglia;
        pagine[static_cast<std::size_t>(c)] = griglia;
    }
    m_ordine.fill(stats::ordineNumerico());
    costruisci(pagine);
    inserisciParametri(costruisciPosizione());
}

QWidget* frmFREQRITESTRATTI::costruisciPosizione() {
    auto* riga = new QWidget(this);
    auto* disposizione = new QHBoxLayout(riga);
    disposizione->setContentsMargins(0, 0, 0, 0);
    m_cboPosizione = new QComboBox(riga);
    m_cboPosizione->setObjectName(QStringLiteral("cboPosizione"));
    m_cboPosizione->addItem(QStringLiteral("tutte"));
    for (int p = 1; p <= 5; ++p)
        m_cboPosizione->addItem(QStringLiteral("%1ª").arg(p));
    m_cboPosizione->setToolTip(QStringLiteral("Conta un numero solo quando esce in quella posizione "
                                              "dell'estrazione (estratto determinato)"));
    auto* etichetta = new QLabel(QStringLiteral("Posi&zione:"), riga);
    etichetta->setBuddy(m_cboPosizione);
    disposizione->addWidget(etichetta);
    disposizione->addWidget(m_cboPosizione);
    disposizione->addStretch(1);
    m_cboPosizione->setCurrentIndex(core::valoreCampo(m_stato, core::campi::POSIZIONE_NUMERI));
    connect(m_cboPosizione, &QComboBox::currentIndexChanged, this,
            [this](int indice) { scriviImpostazione(this, m_stato, core::campi::POSIZIONE_NUMERI, indice); });
    return riga;
}

QString frmFREQRITESTRATTI::aggiuntaPeriodo() const {
    return m_risultati.posizione > 0 ? QStringLiteral(" — Posizione: %1ª").arg(m_risultati.posizione)
                                     : QString();
}

void frmFREQRITESTRATTI::Imposta_mfg_Ricerca(QTableWidget* griglia) {
    impostaGrigliaFissa(griglia);
    const QFontMetrics metrica(griglia->font());
    // The caption column is about twice as wide as a number column.
    const int larghezza = std::max(metrica.horizontalAdvance(QStringLiteral("88888")) + 6, 40);
    griglia->setColumnWidth(
        0, std::max(metrica.horizontalAdvance(QStringLiteral("R. MASSIMO")) + 8, larghezza * 2));
    for (int j = 1; j < COLONNE; ++j) // mutazioni: equivalente (< -> <=) — Qt ignores a column past the last
        griglia->setColumnWidth(j, larghezza);
    QFont grassetto = griglia->font();
    grassetto.setBold(true);
    for (int r = 0; r < RIGHE; ++r) {
        for (int j = 0; j < COLONNE; ++j) { // mutazioni: equivalente (< -> <=) — Qt drops it
            auto* cella = new QTableWidgetItem;
            cella->setTextAlignment(j == 0 ? (Qt::AlignLeft | Qt::AlignVCenter)
                                           : Qt::Alignment(Qt::AlignCenter));
            if (r % 4 == 0) {
                cella->setFont(grassetto);
                cella->setBackground(COLORE_NUMERO);
            }
            griglia->setItem(r, j, cella);
        }
        griglia->item(r, 0)->setText(QString::fromLatin1(DIDASCALIE_RIGHE[r % 4]));
    }
    for (int k = 0; k < 6; ++k)
        for (int j = 1; j < COLONNE; ++j)
            griglia->item(4 * k, j)->setText(QString::number(15 * k + j));
    griglia->setFixedSize(griglia->columnWidth(0) + larghezza * (COLONNE - 1) + 2 * griglia->frameWidth(),
                          (metrica.height() + 2) * RIGHE + 2 * griglia->frameWidth());
}

bool frmFREQRITESTRATTI::eseguiRicerca(const stats::Avanzamento& avanzamento) {
    return stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(
        m_stato, m_risultati, avanzamento, {.posizione = m_cboPosizione->currentIndex()});
}

void frmFREQRITESTRATTI::concludiRicerca(bool completa) {
    if (!completa) return; // no grid is written
    m_risultatiDisponibili = true;
    m_daScrivere.fill(false);
    m_daScrivere[0] = true;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (m_stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1)
            m_daScrivere[static_cast<std::size_t>(w)] = true;
    m_ordine.fill(stats::ordineNumerico());
    SCRIVI_DATI_RICERCA();
}

void frmFREQRITESTRATTI::SCRIVI_DATI_RICERCA() {
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        if (!m_daScrivere[static_cast<std::size_t>(c)]) continue;
        QTableWidget* griglia = mfgRicerca(c);
        const auto colonna = static_cast<std::size_t>(c);
        const auto& ordine = m_ordine[colonna];
        griglia->setUpdatesEnabled(false);
        for (int k = 0; k < 6; ++k) {
            for (int j = 1; j < COLONNE; ++j) {
                const int n = ordine[static_cast<std::size_t>(k) * 15 + static_cast<std::size_t>(j)];
                const auto numero = static_cast<std::size_t>(n);
                griglia->item(4 * k, j)->setText(QString::number(n));
                griglia->item(4 * k + 1, j)
                    ->setText(QString::number(m_risultati.Frequenza_Numero[colonna][numero]));
                griglia->item(4 * k + 2, j)
                    ->setText(QString::number(m_risultati.Ritardo_Attuale_Numero[colonna][numero]));
                griglia->item(4 * k + 3, j)
                    ->setText(QString::number(m_risultati.Ritardo_Massimo_Numero[colonna][numero]));
            }
        }
        griglia->setUpdatesEnabled(true);
    }
}

void frmFREQRITESTRATTI::ordinaColonna(int colonna, int criterio, bool decrescente) {
    m_daScrivere.fill(false);
    m_daScrivere[static_cast<std::size_t>(colonna)] = true;
    m_ordine[static_cast<std::size_t>(colonna)] =
        stats::ordinePosizioni(m_risultati, colonna, criterio, decrescente);
    SCRIVI_DATI_RICERCA();
}

std::vector<int> frmFREQRITESTRATTI::numeriDellaCella(int colonna, int riga, int colonnaGriglia) const {
    // Each band of four rows shows 15 numbers; column 0 holds the captions.
    if (colonna < 0 || colonna > core::NUMERO_RUOTE || riga < 0 || riga >= RIGHE || colonnaGriglia < 1 ||
        colonnaGriglia >= COLONNE)
        return {};
    const int posizione = riga / 4 * 15 + colonnaGriglia;
    return {m_ordine[static_cast<std::size_t>(colonna)][static_cast<std::size_t>(posizione)]};
}

std::array<int, 3> frmFREQRITESTRATTI::valoriDi(int colonna, const std::vector<int>& numeri) const {
    return numeri.size() == 1 ? stats::valoriNumero(m_risultati, colonna, numeri[0]) : std::array<int, 3>{};
}

std::string frmFREQRITESTRATTI::testoCsv(int colonna) const {
    return stats::csvNumeri(m_risultati, colonna, m_ordine[static_cast<std::size_t>(colonna)]);
}

} // namespace ui
