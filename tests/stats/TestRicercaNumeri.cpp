#include "core/Lotto.h"
#include "selection/Periodo.h"
#include "stats/Navigazione.h"
#include "stats/Ordinamento.h"
#include "stats/RicercaNumeri.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

namespace {

/**
 * A loaded archive built in memory: `ruote[w]` gives, draw by draw, the five numbers of wheel w
 * (an empty entry is a null record); wheels not given are null throughout.
 */
core::Stato archivio(int estrazioni, const std::map<int, std::map<int, std::array<int, 5>>>& ruote) {
    core::Stato stato;
    core::Imposta_Tabelle_Globali(stato);
    stato.Estrazioni_Caricate = estrazioni;
    stato.Archivio_Estrazioni.dimensiona(estrazioni + 200);
    for (const auto& [w, estratti] : ruote)
        for (const auto& [d, numeri] : estratti) {
            int conteggio[6] = {5, numeri[0], numeri[1], numeri[2], numeri[3], numeri[4]};
            const std::string record = core::Comprimi_Estrazione(conteggio, 5);
            std::copy(record.begin(), record.end(), stato.Archivio_Estrazioni.record(w, d));
        }
    return stato;
}

void selezionaRuote(core::Stato& stato, std::initializer_list<int> ruote) {
    std::array<bool, 11> spuntate{};
    for (int w : ruote)
        spuntate[static_cast<std::size_t>(w)] = true;
    core::impostaSelezioneRuote(stato, spuntate);
}

/**
 * Wheel w's draws 1..estrazioni: 7 (with 81..84) in the draws listed, 81..85 in the others, a null
 * record in the draws listed as null.
 */
std::map<int, std::array<int, 5>> ruota(int estrazioni, const QList<int>& conIl7,
                                        const QList<int>& nulle = {}) {
    std::map<int, std::array<int, 5>> estratti;
    for (int d = 1; d <= estrazioni; ++d)
        if (!nulle.contains(d))
            estratti[d] = conIl7.contains(d) ? std::array<int, 5>{81, 82, 7, 83, 84}
                                             : std::array<int, 5>{81, 82, 83, 84, 85};
    return estratti;
}

} // namespace

class TestRicercaNumeri : public QObject {
    Q_OBJECT
private slots:
    void frequenzaERitardiDel7_data();
    void frequenzaERitardiDel7();
    void unaRuotaSolaEGualeAllaColonnaZero();
    void periodoVuotoNonTocca();
    void ordinamentoStabileSuChiaviQualsiasi();
    void navigazioneFirenzePalermo();
};

void TestRicercaNumeri::frequenzaERitardiDel7_data() {
    QTest::addColumn<int>("estrazioni");
    QTest::addColumn<QList<int>>("bari"); // draws with 7 on BARI
    QTest::addColumn<QList<int>>("nulleBari");
    QTest::addColumn<QList<int>>("roma");  // draws with 7 on ROMA; empty list: ROMA not selected
    QTest::addColumn<QList<int>>("fuori"); // draws left out of the period by hand
    QTest::addColumn<QList<int>>(
        "attesi"); // frequency, current delay, maximum delay of BARI, then of column 0
    QTest::addRow("esempio-dieci-estrazioni") << 10 << QList<int>{3, 7} << QList<int>{} << QList<int>{}
                                              << QList<int>{} << QList<int>{2, 3, 4, 2, 3, 4};
    QTest::addRow("mai-uscito") << 10 << QList<int>{} << QList<int>{} << QList<int>{} << QList<int>{}
                                << QList<int>{0, 10, 0, 0, 10, 0};
    QTest::addRow("nulle-allungano-il-ritardo")
        << 8 << QList<int>{2} << QList<int>{5, 6, 7, 8} << QList<int>{} << QList<int>{}
        << QList<int>{1, 6, 2, 1, 6, 2};
    QTest::addRow("sempre-uscito") << 9 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << QList<int>{}
                                   << QList<int>{} << QList<int>{} << QList<int>{9, 0, 1, 9, 0, 1};
    // Column 0 adds the wheels' frequencies; a second appearance in the same draw does not move its delays.
    QTest::addRow("due-ruote-stessa-estrazione") << 6 << QList<int>{2, 5} << QList<int>{} << QList<int>{5}
                                                 << QList<int>{} << QList<int>{2, 1, 3, 3, 1, 3};
    // Draws 5..8 are outside the period: draw 10 is the 6th counted, and delays run across the gap.
    QTest::addRow("estrazioni-non-selezionate") << 12 << QList<int>{2, 6, 10} << QList<int>{} << QList<int>{}
                                                << QList<int>{5, 6, 7, 8} << QList<int>{2, 2, 4, 2, 2, 4};
}

void TestRicercaNumeri::frequenzaERitardiDel7() {
    QFETCH(int, estrazioni);
    QFETCH(QList<int>, bari);
    QFETCH(QList<int>, nulleBari);
    QFETCH(QList<int>, roma);
    QFETCH(QList<int>, fuori);
    QFETCH(QList<int>, attesi);
    std::map<int, std::map<int, std::array<int, 5>>> ruote{{1, ruota(estrazioni, bari, nulleBari)}};
    if (!roma.isEmpty()) ruote[8] = ruota(estrazioni, roma);
    auto stato = archivio(estrazioni, ruote);
    if (roma.isEmpty())
        selezionaRuote(stato, {1});
    else
        selezionaRuote(stato, {1, 8});
    selection::applicaFrazionato(stato, 1, estrazioni);
    for (int d : fuori)
        stato.Estrazione_Selezionata[std::size_t(d)] = 0;
    stats::RisultatiNumeri r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
    QCOMPARE((QList<int>{r.Frequenza_Numero[1][7], r.Ritardo_Attuale_Numero[1][7],
                         r.Ritardo_Massimo_Numero[1][7], r.Frequenza_Numero[0][7],
                         r.Ritardo_Attuale_Numero[0][7], r.Ritardo_Massimo_Numero[0][7]}),
             attesi);
    QCOMPARE(r.Ritardo_Attuale_Numero[2][7], 0); // an unselected wheel stays 0
}

void TestRicercaNumeri::unaRuotaSolaEGualeAllaColonnaZero() {
    std::mt19937 casuale(7);
    std::map<int, std::array<int, 5>> estratti;
    for (int d = 1; d <= 300; ++d) {
        std::array<int, 90> urna{};
        std::iota(urna.begin(), urna.end(), 1);
        std::shuffle(urna.begin(), urna.end(), casuale);
        if (d % 37 != 0) estratti[d] = {urna[0], urna[1], urna[2], urna[3], urna[4]};
    }
    auto stato = archivio(300, {{9, estratti}});
    selezionaRuote(stato, {9});
    selection::applicaFrazionato(stato, 20, 280);
    stats::RisultatiNumeri r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
    QCOMPARE(r.Frequenza_Numero[0], r.Frequenza_Numero[9]);
    QCOMPARE(r.Ritardo_Attuale_Numero[0], r.Ritardo_Attuale_Numero[9]);
    QCOMPARE(r.Ritardo_Massimo_Numero[0], r.Ritardo_Massimo_Numero[9]);
    int somma = 0;
    for (int n = 1; n <= 90; ++n)
        somma += r.Frequenza_Numero[9][static_cast<std::size_t>(n)];
    QCOMPARE(somma, 5 * (261 - 7)); // seven null draws (37, 74, ... 259) inside 20..280
}

void TestRicercaNumeri::periodoVuotoNonTocca() {
    auto stato = archivio(5, {{1, ruota(5, {})}});
    selezionaRuote(stato, {1});
    stats::RisultatiNumeri r;
    r.Frequenza_Numero[1][1] = 99;
    QVERIFY(!stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
    QCOMPARE(r.Frequenza_Numero[1][1], 99);
}

void TestRicercaNumeri::ordinamentoStabileSuChiaviQualsiasi() {
    stats::Ordinamento esito;
    QVERIFY(stats::Ordina_Numeri({6, 3, 1, 3, 40000, 1, 0}, esito));
    QCOMPARE(
        std::vector<int>(esito.Permutazione_Ordinata.begin() + 1, esito.Permutazione_Ordinata.begin() + 7),
        (std::vector<int>{6, 2, 5, 1, 3, 4}));
    QCOMPARE(esito.Chiavi_Ordinate[6], 40000LL);
    QCOMPARE(esito.Permutazione_Ordinata[0], 6);
    QVERIFY(!stats::Ordina_Numeri({0}, esito));
    std::vector<long long> troppe(4007, 1);
    troppe[0] = 4006;
    QVERIFY(!stats::Ordina_Numeri(troppe, esito));

    stats::RisultatiNumeri r;
    for (std::size_t n = 1; n <= 90; ++n)
        r.Ritardo_Attuale_Numero[0][n] = n % 3 == 0 ? 0 : static_cast<int>(n);
    const auto ordine = stats::ordinePosizioni(r, 0, stats::RITARDO_ATTUALE);
    QCOMPARE(ordine[0], 90);
    QCOMPARE(ordine[1], 3); // delay 0 first, by increasing number
    QCOMPARE(ordine[30], 90);
    QCOMPARE(ordine[31], 1);
}

void TestRicercaNumeri::navigazioneFirenzePalermo() {
    core::Stato stato;
    core::Imposta_Tabelle_Globali(stato);
    selezionaRuote(stato, {7, 3});
    stats::Navigazione nav;
    nav.imposta(stato);
    nav.ricomincia();
    QCOMPARE(nav.avanti(), 0);
    QCOMPARE(nav.didascalia(), std::string("FI PA "));
    QCOMPARE(nav.avanti(), 3);
    QCOMPARE(nav.didascalia(), std::string("FIRENZE"));
    nav.impostaCriterio(3, stats::FREQUENZA);
    QCOMPARE(nav.avanti(), 7);
    QCOMPARE(stats::nomeCriterio(nav.criterio(7)), std::string("NUMERICO"));
    QCOMPARE(nav.avanti(), 0); // wraps from the last position
    QCOMPARE(nav.indietro(), 7);
    QCOMPARE(nav.indietro(), 3);
    QCOMPARE(stats::nomeCriterio(nav.criterio(3)), std::string("FREQUENZA"));
    nav.imposta(stato); // a new search puts every key back to number order
    QCOMPARE(nav.criterio(3), int(stats::NUMERICO));
}

QTEST_APPLESS_MAIN(TestRicercaNumeri)
#include "TestRicercaNumeri.moc"
