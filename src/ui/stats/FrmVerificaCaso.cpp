#include "FrmVerificaCaso.h"

#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Stampa.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

const QStringList INTESTAZIONE_RIEPILOGO{
    QStringLiteral("Ruota"),    QStringLiteral("Chi quadro"),    QStringLiteral("p"),
    QStringLiteral("Giudizio"), QStringLiteral("Più frequente"), QStringLiteral("Meno frequente")};
const QStringList INTESTAZIONE_NUMERI{QStringLiteral("Numero"),       QStringLiteral("Frequenza"),
                                      QStringLiteral("Attesa"),       QStringLiteral("Scarto"),
                                      QStringLiteral("Rit. attuale"), QStringLiteral("Per caso")};

const QLocale& italiano() {
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}

/** A p-value as people read it: three decimals, or scientific notation below 0.001. */
QString testoP(double p) {
    return p >= 0.001 ? italiano().toString(p, 'f', 3) : italiano().toString(p, 'e', 1);
}

QTableWidget* nuovaGriglia(int colonna, const QStringList& intestazione, int righe) {
    auto* griglia = new QTableWidget(righe, static_cast<int>(intestazione.size()));
    griglia->setObjectName(QStringLiteral("mfgVerifica_%1").arg(colonna));
    griglia->setHorizontalHeaderLabels(intestazione);
    griglia->verticalHeader()->hide();
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia->setSelectionMode(QAbstractItemView::SingleSelection);
    griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    griglia->horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < righe; ++r)
        for (int j = 0; j < griglia->columnCount(); ++j) { // mutazioni: equivalente (< -> <=) — Qt drops it
            auto* cella = new QTableWidgetItem;
            cella->setTextAlignment(Qt::AlignCenter);
            griglia->setItem(r, j, cella);
        }
    return griglia;
}

} // namespace

FrmVerificaCaso::FrmVerificaCaso(core::Stato& stato, QWidget* principale)
    : FinestraRicerca(stato, principale, core::campi::OPZIONI_VERIFICA, core::campi::DECRESCENTE_VERIFICA,
                      core::Campo{}, QStringLiteral("verifica_caso.htm")) {
    setObjectName(QStringLiteral("frmVerificaCaso"));
    setWindowTitle(QStringLiteral("Verifica del caso"));
    std::array<QWidget*, core::NUMERO_RUOTE + 1> pagine{};
    for (int c = 0; c <= core::NUMERO_RUOTE; ++c) {
        auto* pagina = new QWidget;
        auto* disposizione = new QVBoxLayout(pagina);
        disposizione->setContentsMargins(0, 0, 0, 0);
        auto* giudizio = new QLabel(pagina);
        giudizio->setObjectName(QStringLiteral("lblGiudizio_%1").arg(c));
        giudizio->setWordWrap(true);
        auto* griglia =
            nuovaGriglia(c, c == 0 ? INTESTAZIONE_RIEPILOGO : INTESTAZIONE_NUMERI, c == 0 ? 0 : 90);
        disposizione->addWidget(giudizio);
        disposizione->addWidget(griglia, 1);
        m_giudizi[static_cast<std::size_t>(c)] = giudizio;
        m_griglie[static_cast<std::size_t>(c)] = griglia;
        pagine[static_cast<std::size_t>(c)] = pagina;
    }
    m_giudizi[0]->setText(QStringLiteral(
        "Per ogni ruota scelta, il test del chi quadrato confronta le frequenze dei 90 numeri nel periodo "
        "con quelle che il caso fa attendere (1 su 18 per ogni numero, in ogni estrazione)."));
    costruisci(pagine);
    mostraSempreIlCaso();
    auto* cmdStampa = aggiungiPulsante("cmdStampa", QStringLiteral("Stampa…"),
                                       QStringLiteral("Stampa la verifica delle ruote scelte"));
    connect(cmdStampa, &QPushButton::clicked, this, &FrmVerificaCaso::cmdStampa_Click);
    resize(760, 500);
}

bool FrmVerificaCaso::eseguiRicerca(const stats::Avanzamento& avanzamento) {
    return stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(m_stato, m_risultati, avanzamento);
}

void FrmVerificaCaso::concludiRicerca(bool completa) {
    if (!completa) return;
    m_risultatiDisponibili = true;
    m_verifiche.clear();
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (m_stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1)
            m_verifiche.push_back(stats::verificaCaso(m_risultati, w));
    scriviRiepilogo();
    for (int c = 1; c <= core::NUMERO_RUOTE; ++c) {
        m_ordine[static_cast<std::size_t>(c)] = stats::ordinePosizioni(m_risultati, c, stats::NUMERICO);
        scriviColonna(c);
    }
}

QString FrmVerificaCaso::rigaVerifica(const stats::VerificaCaso& verifica) const {
    return QStringLiteral("%1: χ² = %2 (%3 gradi di libertà), p = %4: %5")
        .arg(QString::fromStdString(m_stato.Nome_Ruota[static_cast<std::size_t>(verifica.colonna)]),
             italiano().toString(verifica.chi2, 'f', 2), QString::number(verifica.gradi), testoP(verifica.p),
             QString::fromStdString(stats::giudizioVerifica(verifica)));
}

void FrmVerificaCaso::scriviRiepilogo() {
    QTableWidget* riepilogo = griglia(0);
    riepilogo->setRowCount(static_cast<int>(m_verifiche.size()));
    // The most and least frequent numbers with their deviation: "81 (+2,3)".
    const auto numero = [&](int colonna, int n) {
        const auto valori = valoriDi(colonna, {n});
        const auto figure = stats::caso(stats::probabilitaSorte(1), stats::colonnaCaso(baseCaso(), colonna),
                                        valori[0], valori[1], valori[2]);
        return QStringLiteral("%1 (%2)").arg(n).arg(
            QString::fromStdString(stats::testoScarto(figure.scarto)));
    };
    for (int r = 0; r < riepilogo->rowCount(); ++r) {
        const auto& verifica = m_verifiche[static_cast<std::size_t>(r)];
        const QStringList valori{
            QString::fromStdString(m_stato.Nome_Ruota[static_cast<std::size_t>(verifica.colonna)]),
            italiano().toString(verifica.chi2, 'f', 2),
            testoP(verifica.p),
            QString::fromStdString(stats::giudizioVerifica(verifica)),
            numero(verifica.colonna, verifica.piuFrequente),
            numero(verifica.colonna, verifica.menoFrequente)};
        for (int j = 0; j < static_cast<int>(valori.size()); ++j) {
            auto* cella = new QTableWidgetItem(valori[j]);
            cella->setTextAlignment(j == 3 ? (Qt::AlignLeft | Qt::AlignVCenter)
                                           : Qt::Alignment(Qt::AlignCenter));
            if (!verifica.compatibile) cella->setForeground(QColor(0xb0, 0, 0));
            riepilogo->setItem(r, j, cella);
        }
    }
}

void FrmVerificaCaso::scriviColonna(int colonna) {
    const auto c = static_cast<std::size_t>(colonna);
    QTableWidget* tabella = griglia(colonna);
    if (m_stato.Ruota_Selezionata[c] != -1) {
        m_giudizi[c]->clear();
        return;
    }
    for (const auto& verifica : m_verifiche)
        if (verifica.colonna == colonna) m_giudizi[c]->setText(rigaVerifica(verifica));
    const stats::CalcoloCaso calcolo(stats::probabilitaSorte(1), stats::colonnaCaso(baseCaso(), colonna));
    tabella->setUpdatesEnabled(false);
    for (int r = 0; r < 90; ++r) {
        const int n = m_ordine[c][static_cast<std::size_t>(r) + 1];
        const auto [frequenza, attuale, massimo] = valoriDi(colonna, {n});
        const auto figure = calcolo(frequenza, attuale, massimo);
        const QStringList valori{QString::number(n),
                                 QString::number(frequenza),
                                 italiano().toString(figure.attesa, 'f', 1),
                                 QString::fromStdString(stats::testoScarto(figure.scarto)),
                                 QString::number(attuale),
                                 QString::fromStdString(stats::unoSu(figure.probabilitaAttuale))};
        for (int j = 0; j < static_cast<int>(valori.size()); ++j)
            tabella->item(r, j)->setText(valori[j]);
    }
    tabella->setUpdatesEnabled(true);
}

void FrmVerificaCaso::ordinaColonna(int colonna, int criterio, bool decrescente) {
    if (colonna < 1 || colonna > core::NUMERO_RUOTE) return; // the tests' page keeps wheel order
    m_ordine[static_cast<std::size_t>(colonna)] =
        stats::ordinePosizioni(m_risultati, colonna, criterio, decrescente);
    scriviColonna(colonna);
}

std::vector<int> FrmVerificaCaso::numeriDellaCella(int colonna, int riga, int) const {
    if (colonna < 1 || colonna > core::NUMERO_RUOTE || riga < 0 || riga >= 90 || !m_risultatiDisponibili ||
        m_stato.Ruota_Selezionata[static_cast<std::size_t>(colonna)] != -1)
        return {};
    return {m_ordine[static_cast<std::size_t>(colonna)][static_cast<std::size_t>(riga) + 1]};
}

std::array<int, 3> FrmVerificaCaso::valoriDi(int colonna, const std::vector<int>& numeri) const {
    return numeri.size() == 1 ? stats::valoriNumero(m_risultati, colonna, numeri[0]) : std::array<int, 3>{};
}

std::string FrmVerificaCaso::testoCsv(int colonna) const {
    // For Italian spreadsheets: UTF-8 with a byte order mark, ";" and CRLF, the figures of the grid shown.
    const QTableWidget* tabella = griglia(colonna);
    QString testo = QStringLiteral("\uFEFF");
    QStringList intestazione;
    for (int j = 0; j < tabella->columnCount(); ++j)
        intestazione << tabella->horizontalHeaderItem(j)->text();
    testo += intestazione.join(';') + QStringLiteral("\r\n");
    for (int r = 0; r < tabella->rowCount(); ++r) {
        QStringList campi;
        for (int j = 0; j < tabella->columnCount(); ++j)
            campi << (tabella->item(r, j) ? tabella->item(r, j)->text() : QString());
        testo += campi.join(';') + QStringLiteral("\r\n");
    }
    return testo.toStdString();
}

void FrmVerificaCaso::cmdStampa_Click() {
    nascondiPopup();
    if (!m_risultatiDisponibili) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Nessuna verifica da stampare: eseguire prima una ricerca."));
        return;
    }
    Stampa stampa;
    if (!stampa.Imposta_Stampante(this, 1)) return;
    stampa.riga(QStringLiteral("Verifica del caso — ") + lblPeriodoRicerca->text(), true);
    for (int r = 0; r < static_cast<int>(m_verifiche.size()); ++r) {
        stampa.riga(rigaVerifica(m_verifiche[static_cast<std::size_t>(r)]));
        stampa.riga(QStringLiteral("    più frequente %1, meno frequente %2")
                        .arg(griglia(0)->item(r, 4)->text(), griglia(0)->item(r, 5)->text()));
    }
    stampa.fine();
}

} // namespace ui
