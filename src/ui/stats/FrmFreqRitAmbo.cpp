#include "FrmFreqRitAmbo.h"

#include "ui/Programma.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

#include <array>

namespace ui {

namespace {

/** Data rows of a page: with the bar at its maximum, 3981, the last page ends on pair 4005. */
constexpr int RIGHE_DATI = 25;
constexpr int MASSIMO_BARRA = stats::NUMERO_AMBI - 24;
const char* const INTESTAZIONI[] = {"Posiz.", "AMBO", "FREQUENZA", "R. ATTUALE", "R. MASSIMO"};

/** A text kept with each character one code below the one shown, so that it is not read in the program file.
 */
template <std::size_t N> constexpr std::array<char16_t, N> offusca(const char16_t (&testo)[N]) {
    std::array<char16_t, N> codici{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        codici[i] = static_cast<char16_t>(testo[i] - 1);
    return codici;
}

constexpr auto MESSAGGIO_27_DICEMBRE =
    offusca(u"Auguri di buone feste da Quintaro! Ricordate: i numeri si contano, non si indovinano.");

QString chiaro(const char16_t* codici, std::size_t quanti) {
    QString testo;
    for (std::size_t i = 0; i < quanti && codici[i] != 0; ++i)
        testo += QChar(static_cast<char16_t>(codici[i] + 1));
    return testo;
}

} // namespace

frmFREQRITAMBO::frmFREQRITAMBO(core::Stato& stato, QWidget* principale)
    : FinestraRicerca(stato, principale, core::campi::OPZIONI_AMBI, core::campi::DECRESCENTE_AMBI,
                      core::campi::CASO_AMBI, QStringLiteral("freq_rit_ambi.htm")) {
    setObjectName(QStringLiteral("frmFREQRITAMBO"));
    setWindowTitle(QStringLiteral("FREQUENZE e RITARDI AMBI"));
    setFocusPolicy(Qt::StrongFocus); // the window itself takes the keys when no control has the focus
    std::array<QWidget*, core::NUMERO_RUOTE + 1> pagine{};
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c)
        pagine[static_cast<std::size_t>(c)] = costruisciPagina(c);
    costruisci(pagine);
}

QWidget* frmFREQRITAMBO::costruisciPagina(int colonna) {
    auto* pagina = new QWidget;
    auto* disposizione = new QHBoxLayout(pagina);
    disposizione->setContentsMargins(0, 0, 0, 0);
    disposizione->setSpacing(0);
    auto* griglia = new QTableWidget(RIGHE_DATI + 1, 5, pagina);
    griglia->setObjectName(QStringLiteral("mfgFreqRitAmbi_%1").arg(colonna));
    impostaGrigliaFissa(griglia);
    const QFontMetrics metrica(griglia->font());
    // Widths in the proportion 8 : 9 : 16 : 16 : 16.
    const int unita = std::max(metrica.horizontalAdvance(QStringLiteral("R. MASSIMO")) + 12, 96) / 16;
    const int larghezze[] = {8 * unita + 6, 9 * unita + 10, 16 * unita, 16 * unita, 16 * unita};
    int totale = 2 * griglia->frameWidth();
    QFont grassetto = griglia->font();
    grassetto.setBold(true);
    for (int j = 0; j < 5; ++j) {
        griglia->setColumnWidth(j, larghezze[j]);
        totale += larghezze[j];
        for (int r = 0; r <= RIGHE_DATI; ++r) {
            auto* cella = new QTableWidgetItem;
            cella->setTextAlignment(Qt::AlignCenter);
            griglia->setItem(r, j, cella);
        }
        griglia->item(0, j)->setText(QString::fromLatin1(INTESTAZIONI[j]));
        griglia->item(0, j)->setFont(grassetto);
        griglia->item(0, j)->setBackground(QColor(0, 192, 192));
    }
    griglia->setFixedSize(totale, (metrica.height() + 2) * (RIGHE_DATI + 1) + 2 * griglia->frameWidth());
    auto* barra = new QScrollBar(Qt::Vertical, pagina);
    barra->setObjectName(QStringLiteral("vscFrAmbi_%1").arg(colonna));
    barra->setRange(1, 1);
    barra->setPageStep(RIGHE_DATI);
    barra->setFixedHeight(griglia->height());
    disposizione->addStretch();
    disposizione->addWidget(griglia);
    disposizione->addWidget(barra);
    disposizione->addStretch();
    m_griglie[static_cast<std::size_t>(colonna)] = griglia;
    m_barre[static_cast<std::size_t>(colonna)] = barra;
    unValorePerMossa(barra); // a dragged page is written once, where the thumb is let go
    connect(barra, &QScrollBar::valueChanged, this, [this, colonna] { SCRIVI_DATI_RICERCA(colonna); });
    return pagina;
}

bool frmFREQRITAMBO::eseguiRicerca(const stats::Avanzamento& avanzamento) {
    return stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(m_stato, m_risultati, avanzamento);
}

void frmFREQRITAMBO::concludiRicerca(bool) {
    // Unlike the number window, the grids are written even after an interrupted search.
    m_risultatiDisponibili = true;
    for (auto& ordine : m_ordine)
        ordine.clear();
    impostaRicerca(QStringLiteral("Scrittura Dati...."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::vector<int> colonne;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (m_stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1) colonne.push_back(w);
    colonne.push_back(0);
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c)
        SCRIVI_DATI_RICERCA(c); // columns not searched are emptied
    for (int c : colonne) {
        m_navigazione.impostaCriterio(c, stats::NUMERICO);
        m_navigazione.impostaDecrescente(c, false);
        Imposta_TestoAmbo_4005(c);
        SCRIVI_DATI_RICERCA(c);
    }
    QApplication::restoreOverrideCursor();
}

void frmFREQRITAMBO::Imposta_TestoAmbo_4005(int colonna) {
    m_ordine[static_cast<std::size_t>(colonna)] = stats::Ordine_Ambi(m_risultati, colonna, stats::NUMERICO);
    const QSignalBlocker blocco(vscFrAmbi(colonna));
    vscFrAmbi(colonna)->setMaximum(MASSIMO_BARRA);
}

void frmFREQRITAMBO::SCRIVI_DATI_RICERCA(int colonna) {
    QTableWidget* griglia = mfgFreqRitAmbi(colonna);
    const auto& ordine = m_ordine[static_cast<std::size_t>(colonna)];
    griglia->setUpdatesEnabled(false);
    for (int r = 1; r <= RIGHE_DATI; ++r)
        for (int j = 0; j < 5; ++j)
            griglia->item(r, j)->setText({});
    const int inizio = vscFrAmbi(colonna)->value();
    const int quanti = ordine.empty() ? 0 : ordine[0];
    for (int p = inizio; p <= std::min(inizio + RIGHE_DATI - 1, quanti); ++p) {
        const int r = p - inizio + 1;
        const int k = ordine[static_cast<std::size_t>(p)];
        const auto [a, b] = stats::amboInPosizione(k);
        griglia->item(r, 0)->setText(QString::number(p));
        griglia->item(r, 1)->setText(QString::fromStdString(stats::Etichetta_Ambo(a, b)));
        griglia->item(r, 2)->setText(QString::number(m_risultati.frequenza(colonna, k)));
        griglia->item(r, 3)->setText(QString::number(m_risultati.ritardoAttuale(colonna, k)));
        griglia->item(r, 4)->setText(QString::number(m_risultati.ritardoMassimo(colonna, k)));
    }
    griglia->setUpdatesEnabled(true);
}

void frmFREQRITAMBO::ordinaColonna(int colonna, int criterio, bool decrescente) {
    impostaRicerca(QStringLiteral("Ordinamento ") + QString::fromStdString(stats::nomeCriterio(criterio)));
    {
        const QSignalBlocker blocco(vscFrAmbi(colonna));
        vscFrAmbi(colonna)->setValue(1);
    }
    m_ordine[static_cast<std::size_t>(colonna)] =
        stats::Ordine_Ambi(m_risultati, colonna, criterio, decrescente);
    SCRIVI_DATI_RICERCA(colonna);
    impostaRicerca(QStringLiteral("Ricerca eseguita."));
}

std::vector<int> frmFREQRITAMBO::numeriDellaCella(int colonna, int riga, int) const {
    // Row 0 is the heading; row r shows the pair at display position (bar's value) + r - 1.
    if (colonna < 0 || colonna > core::NUMERO_RUOTE || riga < 1 || riga > RIGHE_DATI) return {};
    const auto& ordine = m_ordine[static_cast<std::size_t>(colonna)];
    const int posizione = vscFrAmbi(colonna)->value() + riga - 1;
    if (ordine.empty() || posizione > ordine[0] || posizione >= static_cast<int>(ordine.size())) return {};
    const auto [a, b] = stats::amboInPosizione(ordine[static_cast<std::size_t>(posizione)]);
    return {a, b};
}

std::array<int, 3> frmFREQRITAMBO::valoriDi(int colonna, const std::vector<int>& numeri) const {
    if (colonna < 0 || colonna > core::NUMERO_RUOTE || numeri.size() != 2 || numeri[0] < 1 ||
        numeri[0] >= numeri[1] || numeri[1] > 90)
        return {};
    const int k = stats::posizioneAmbo(numeri[0], numeri[1]);
    return {m_risultati.frequenza(colonna, k), m_risultati.ritardoAttuale(colonna, k),
            m_risultati.ritardoMassimo(colonna, k)};
}

std::string frmFREQRITAMBO::testoCsv(int colonna) const {
    return stats::csvAmbi(m_risultati, colonna, m_ordine[static_cast<std::size_t>(colonna)]);
}

void frmFREQRITAMBO::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Space) {
        const QString oggi = m_oggi().toString(QStringLiteral("dd/MM/yyyy"));
        if (oggi.mid(0, 2) == QLatin1String("27") && oggi.mid(3, 2) == QLatin1String("12"))
            prompt::informa(this, titoloProgramma(),
                            chiaro(MESSAGGIO_27_DICEMBRE.data(), MESSAGGIO_27_DICEMBRE.size()));
        return; // mutazioni: equivalente — the base window does nothing with Space
    }
    FinestraRicerca::keyPressEvent(evento);
}

} // namespace ui
