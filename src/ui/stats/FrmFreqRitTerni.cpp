#include "FrmFreqRitTerni.h"

#include "ui/Programma.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

/** Data rows of a page: with the bar at its maximum, 117456, the last page ends on triple 117480. */
constexpr int RIGHE_DATI = 25;
constexpr int MASSIMO_BARRA = stats::NUMERO_TERNI - RIGHE_DATI + 1;
const char* const INTESTAZIONI[] = {"Posiz.", "TERNO", "FREQUENZA", "R. ATTUALE", "R. MASSIMO"};
const QColor COLORE_SEGNATO(255, 255, 128);

} // namespace

frmFREQRITTERNI::frmFREQRITTERNI(core::Stato& stato, QWidget* principale)
    : FinestraRicerca(stato, principale, core::campi::OPZIONI_TERNI, core::campi::DECRESCENTE_TERNI,
                      core::campi::CASO_TERNI, QStringLiteral("freq_rit_terni.htm")) {
    setObjectName(QStringLiteral("frmFREQRITTERNI"));
    setWindowTitle(QStringLiteral("FREQUENZE e RITARDI TERNI"));
    std::array<QWidget*, core::NUMERO_RUOTE + 1> pagine{};
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c)
        pagine[static_cast<std::size_t>(c)] = costruisciPagina(c);
    costruisci(pagine);
}

QWidget* frmFREQRITTERNI::costruisciPagina(int colonna) {
    auto* pagina = new QWidget;
    auto* disposizione = new QHBoxLayout(pagina);
    disposizione->setContentsMargins(0, 0, 0, 0);
    disposizione->setSpacing(0);
    auto* griglia = new QTableWidget(RIGHE_DATI + 1, 5, pagina);
    griglia->setObjectName(QStringLiteral("mfgFreqRitTerni_%1").arg(colonna));
    impostaGrigliaFissa(griglia);
    QFont grassetto = griglia->font();
    grassetto.setBold(true);
    const QFontMetrics metrica(grassetto);
    // Each column as wide as its widest text: the header, a six-figure position, the widest triple.
    const int valore = metrica.horizontalAdvance(QStringLiteral("R. MASSIMO")) + 14;
    const int larghezze[] = {metrica.horizontalAdvance(QStringLiteral("117480")) + 14,
                             metrica.horizontalAdvance(QStringLiteral(" 88 -  89 -  90")) + 14, valore,
                             valore, valore};
    int totale = 2 * griglia->frameWidth();
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
    griglia->setFixedSize(totale, (QFontMetrics(griglia->font()).height() + 2) * (RIGHE_DATI + 1) +
                                      2 * griglia->frameWidth());
    auto* barra = new QScrollBar(Qt::Vertical, pagina);
    barra->setObjectName(QStringLiteral("vscFrTerni_%1").arg(colonna));
    barra->setRange(1, 1);
    barra->setPageStep(RIGHE_DATI);
    barra->setFixedHeight(griglia->height());

    auto* vai = new QVBoxLayout;
    auto* etichetta = new QLabel(QStringLiteral("Vai a terno:"), pagina);
    auto* casella = new QLineEdit(pagina);
    casella->setObjectName(QStringLiteral("txtVaiA_%1").arg(colonna));
    casella->setPlaceholderText(QStringLiteral("7 45 89"));
    casella->setToolTip(
        QStringLiteral("Tre numeri da 1 a 90: la griglia mostra il terno e ne evidenzia la riga"));
    casella->setMaxLength(20);
    casella->setFixedWidth(metrica.horizontalAdvance(QStringLiteral(" 88 - 89 - 90 ")) + 12);
    auto* cmdVai =
        pulsante(pagina, "cmdVaiA", QStringLiteral("Vai"), QStringLiteral("Mostra il terno indicato"));
    vai->addStretch();
    vai->addWidget(etichetta);
    vai->addWidget(casella);
    vai->addWidget(cmdVai);
    vai->addStretch();

    disposizione->addStretch();
    disposizione->addWidget(griglia);
    disposizione->addWidget(barra);
    disposizione->addSpacing(10);
    disposizione->addLayout(vai);
    disposizione->addStretch();
    m_griglie[static_cast<std::size_t>(colonna)] = griglia;
    m_barre[static_cast<std::size_t>(colonna)] = barra;
    m_vaiA[static_cast<std::size_t>(colonna)] = casella;
    unValorePerMossa(barra); // a dragged page is written once, where the thumb is let go
    connect(barra, &QScrollBar::valueChanged, this, [this, colonna] { SCRIVI_DATI_RICERCA(colonna); });
    connect(cmdVai, &QPushButton::clicked, this, [this, colonna] { cmdVaiA_Click(colonna); });
    connect(casella, &QLineEdit::returnPressed, this, [this, colonna] { cmdVaiA_Click(colonna); });
    return pagina;
}

bool frmFREQRITTERNI::eseguiRicerca(const stats::Avanzamento& avanzamento) {
    return stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_TERNI(m_stato, m_risultati, avanzamento);
}

void frmFREQRITTERNI::concludiRicerca(bool) {
    // As in the pair window, the grids are written even after an interrupted search.
    m_risultatiDisponibili = true;
    for (auto& ordine : m_ordine)
        ordine.clear();
    m_segnato.fill(0);
    impostaRicerca(QStringLiteral("Scrittura Dati...."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        const bool cercata = c == 0 || m_stato.Ruota_Selezionata[static_cast<std::size_t>(c)] == -1;
        if (cercata) {
            m_navigazione.impostaCriterio(c, stats::NUMERICO);
            m_navigazione.impostaDecrescente(c, false);
            m_ordine[static_cast<std::size_t>(c)] = stats::Ordine_Terni(m_risultati, c, stats::NUMERICO);
        }
        const QSignalBlocker blocco(vscFrTerni(c));
        vscFrTerni(c)->setRange(1, cercata ? MASSIMO_BARRA : 1);
        vscFrTerni(c)->setValue(1);
        SCRIVI_DATI_RICERCA(c); // a column not searched is emptied
    }
    QApplication::restoreOverrideCursor();
}

void frmFREQRITTERNI::SCRIVI_DATI_RICERCA(int colonna) {
    QTableWidget* griglia = mfgFreqRitTerni(colonna);
    const auto& ordine = m_ordine[static_cast<std::size_t>(colonna)];
    const int segnato = m_segnato[static_cast<std::size_t>(colonna)];
    griglia->setUpdatesEnabled(false);
    const int inizio = vscFrTerni(colonna)->value();
    const int quanti = ordine.empty() ? 0 : ordine[0];
    for (int r = 1; r <= RIGHE_DATI; ++r) {
        const int p = inizio + r - 1;
        const int k = p <= quanti ? ordine[static_cast<std::size_t>(p)] : 0;
        QString testi[5];
        if (k > 0) {
            testi[0] = QString::number(p);
            testi[1] = QString::fromStdString(stats::Etichetta_Terno(stats::ternoInPosizione(k)));
            testi[2] = QString::number(m_risultati.frequenza(colonna, k));
            testi[3] = QString::number(m_risultati.ritardoAttuale(colonna, k));
            testi[4] = QString::number(m_risultati.ritardoMassimo(colonna, k));
        }
        for (int j = 0; j < 5; ++j) {
            griglia->item(r, j)->setText(testi[j]);
            griglia->item(r, j)->setBackground(k > 0 && k == segnato ? QBrush(COLORE_SEGNATO) : QBrush());
        }
    }
    griglia->setUpdatesEnabled(true);
}

void frmFREQRITTERNI::ordinaColonna(int colonna, int criterio, bool decrescente) {
    impostaRicerca(QStringLiteral("Ordinamento ") + QString::fromStdString(stats::nomeCriterio(criterio)));
    {
        const QSignalBlocker blocco(vscFrTerni(colonna));
        vscFrTerni(colonna)->setValue(1);
    }
    m_ordine[static_cast<std::size_t>(colonna)] =
        stats::Ordine_Terni(m_risultati, colonna, criterio, decrescente);
    SCRIVI_DATI_RICERCA(colonna);
    impostaRicerca(QStringLiteral("Ricerca eseguita."));
}

void frmFREQRITTERNI::cmdVaiA_Click(int colonna) {
    nascondiPopup();
    const auto& ordine = m_ordine[static_cast<std::size_t>(colonna)];
    if (!m_risultatiDisponibili || ordine.empty()) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Nessun terno da mostrare: eseguire prima una ricerca."));
        return;
    }
    const auto terno = stats::leggiTerno(txtVaiA(colonna)->text().toStdString());
    if (!terno) {
        prompt::informa(
            this, titoloProgramma(),
            QStringLiteral("Indicare un terno: tre numeri diversi da 1 a 90, per esempio 7 45 89."));
        return;
    }
    const int k = stats::posizioneTerno(terno->a, terno->b, terno->c);
    const auto trovato = std::find(ordine.begin() + 1, ordine.end(), k);
    m_segnato[static_cast<std::size_t>(colonna)] = k;
    const int p = static_cast<int>(trovato - ordine.begin());
    QScrollBar* barra = vscFrTerni(colonna);
    if (p >= barra->value() && p < barra->value() + RIGHE_DATI)
        SCRIVI_DATI_RICERCA(colonna); // already on the page: only the mark moves
    else
        barra->setValue(std::min(p, MASSIMO_BARRA));
}

std::vector<int> frmFREQRITTERNI::numeriDellaCella(int colonna, int riga, int) const {
    // Row 0 is the heading; row r shows the triple at display position (bar's value) + r - 1.
    if (colonna < 0 || colonna > core::NUMERO_RUOTE || riga < 1 || riga > RIGHE_DATI) return {};
    const auto& ordine = m_ordine[static_cast<std::size_t>(colonna)];
    const int posizione = vscFrTerni(colonna)->value() + riga - 1;
    if (ordine.empty() || posizione > ordine[0] || posizione >= static_cast<int>(ordine.size())) return {};
    const stats::Terno terno = stats::ternoInPosizione(ordine[static_cast<std::size_t>(posizione)]);
    return {terno.a, terno.b, terno.c};
}

std::array<int, 3> frmFREQRITTERNI::valoriDi(int colonna, const std::vector<int>& numeri) const {
    if (colonna < 0 || colonna > core::NUMERO_RUOTE || numeri.size() != 3 || numeri[0] < 1 ||
        numeri[0] >= numeri[1] || numeri[1] >= numeri[2] || numeri[2] > 90)
        return {};
    const int k = stats::posizioneTerno(numeri[0], numeri[1], numeri[2]);
    return {m_risultati.frequenza(colonna, k), m_risultati.ritardoAttuale(colonna, k),
            m_risultati.ritardoMassimo(colonna, k)};
}

std::string frmFREQRITTERNI::testoCsv(int colonna) const {
    return stats::csvTerni(m_risultati, colonna, m_ordine[static_cast<std::size_t>(colonna)]);
}

} // namespace ui
