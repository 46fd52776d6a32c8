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
    for (int w : ruote) spuntate[static_cast<std::size_t>(w)] = true;
    core::impostaSelezioneRuote(stato, spuntate);
}

/** Fills wheel w with numbers that never include `escluso`, so a test controls one number alone. */
std::map<int, std::array<int, 5>> riempi(int estrazioni, std::map<int, std::array<int, 5>> speciali = {}) {
    for (int d = 1; d <= estrazioni; ++d)
        if (!speciali.count(d)) speciali[d] = {81, 82, 83, 84, 85};
    return speciali;
}

} // namespace

class TestRicercaNumeri : public QObject {
    Q_OBJECT
private slots:
    void esempioDelManuale();
    void recordNulliAllunganoIRitardi();
    void numeroSuDueRuoteNellaStessaEstrazione();
    void cicliSeparatiDaEstrazioniNonSelezionate();
    void numeroEstrattoSempre();
    void unaRuotaSolaEGualeAllaColonnaZero();
    void periodoVuotoNonTocca();
    void ordinamentoStabileSuChiaviQualsiasi();
    void navigazioneFirenzePalermo();
};

void TestRicercaNumeri::esempioDelManuale() {
    // 10 draws, one wheel; 7 comes out in draws 3 and 7.
    auto stato = archivio(10, {{1, riempi(10, {{3, {7, 81, 82, 83, 84}}, {7, {81, 7, 82, 83, 84}}})}});
    selezionaRuote(stato, {1});
    selection::applicaFrazionato(stato, 1, 10);
    stats::RisultatiNumeri r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
    QCOMPARE(r.Frequenza_Numero[1][7], 2);
    QCOMPARE(r.Ritardo_Massimo_Numero[1][7], 4);
    QCOMPARE(r.Ritardo_Attuale_Numero[1][7], 3);
    // Never drawn: 0, 10, 0.
    QCOMPARE(r.Frequenza_Numero[1][1], 0);
    QCOMPARE(r.Ritardo_Attuale_Numero[1][1], 10);
    QCOMPARE(r.Ritardo_Massimo_Numero[1][1], 0);
    // Unselected wheels stay 0.
    QCOMPARE(r.Ritardo_Attuale_Numero[2][1], 0);
}

void TestRicercaNumeri::recordNulliAllunganoIRitardi() {
    // 7 in draw 2 only; draws 5..8 are null on the wheel and still count.
    auto estratti = riempi(8, {{2, {7, 81, 82, 83, 84}}});
    for (int d = 5; d <= 8; ++d) estratti.erase(d);
    auto stato = archivio(8, {{1, estratti}});
    selezionaRuote(stato, {1});
    selection::applicaFrazionato(stato, 1, 8);
    stats::RisultatiNumeri r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
    QCOMPARE(r.Ritardo_Attuale_Numero[1][7], 6);
    QCOMPARE(r.Ritardo_Attuale_Numero[1][85], 4);
    QCOMPARE(r.Frequenza_Numero[1][85], 3);
}

void TestRicercaNumeri::numeroSuDueRuoteNellaStessaEstrazione() {
    auto stato = archivio(6, {{3, riempi(6, {{2, {7, 81, 82, 83, 84}}, {5, {7, 81, 82, 83, 84}}})},
                              {7, riempi(6, {{5, {81, 82, 83, 84, 7}}})}});
    selezionaRuote(stato, {3, 7});
    selection::applicaFrazionato(stato, 1, 6);
    stats::RisultatiNumeri r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
    QCOMPARE(r.Frequenza_Numero[0][7], 3);        // the sum over the wheels
    QCOMPARE(r.Ritardo_Massimo_Numero[0][7], 3);  // 2, then 5 - 2; the second appearance in draw 5 adds nothing
    QCOMPARE(r.Ritardo_Attuale_Numero[0][7], 1);
    QCOMPARE(r.Ritardo_Massimo_Numero[7][7], 5);
}

void TestRicercaNumeri::cicliSeparatiDaEstrazioniNonSelezionate() {
    // Years of four draws: 2001 = 1..4, 2002 = 5..8, 2003 = 9..12; the period takes 2001 and 2003
    // by hand, so draws 5..8 are outside it and the counting runs on from draw 4 to draw 9.
    auto stato = archivio(12, {{1, riempi(12, {{2, {7, 81, 82, 83, 84}}, {6, {7, 81, 82, 83, 84}}, {10, {7, 81, 82, 83, 84}}})}});
    selezionaRuote(stato, {1});
    selection::applicaFrazionato(stato, 1, 12);
    for (int d = 5; d <= 8; ++d) stato.Estrazione_Selezionata[static_cast<std::size_t>(d)] = 0;
    stato.Totale_Estrazioni_Selezionate = 8;
    stats::RisultatiNumeri r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
    QCOMPARE(r.Frequenza_Numero[1][7], 2);
    QCOMPARE(r.Ritardo_Massimo_Numero[1][7], 4); // ordinals 2 and 6 (draw 10 is the 6th counted)
    QCOMPARE(r.Ritardo_Attuale_Numero[1][7], 2);
}

void TestRicercaNumeri::numeroEstrattoSempre() {
    auto stato = archivio(9, {{5, riempi(9)}});
    selezionaRuote(stato, {5});
    selection::applicaFrazionato(stato, 1, 9);
    stats::RisultatiNumeri r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
    QCOMPARE(r.Frequenza_Numero[5][83], 9);
    QCOMPARE(r.Ritardo_Massimo_Numero[5][83], 1);
    QCOMPARE(r.Ritardo_Attuale_Numero[5][83], 0);
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
    for (int n = 1; n <= 90; ++n) somma += r.Frequenza_Numero[9][static_cast<std::size_t>(n)];
    QCOMPARE(somma, 5 * (261 - 7)); // seven null draws (37, 74, ... 259) inside 20..280
}

void TestRicercaNumeri::periodoVuotoNonTocca() {
    auto stato = archivio(5, {{1, riempi(5)}});
    selezionaRuote(stato, {1});
    stats::RisultatiNumeri r;
    r.Frequenza_Numero[1][1] = 99;
    QVERIFY(!stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
    QCOMPARE(r.Frequenza_Numero[1][1], 99);
}

void TestRicercaNumeri::ordinamentoStabileSuChiaviQualsiasi() {
    stats::Ordinamento esito;
    QVERIFY(stats::Ordina_Numeri({6, 3, 1, 3, 40000, 1, 0}, esito));
    QCOMPARE(std::vector<int>(esito.Permutazione_Ordinata.begin() + 1, esito.Permutazione_Ordinata.begin() + 7),
             (std::vector<int>{6, 2, 5, 1, 3, 4}));
    QCOMPARE(esito.Chiavi_Ordinate[6], 40000LL);
    QCOMPARE(esito.Permutazione_Ordinata[0], 6);
    QVERIFY(!stats::Ordina_Numeri({0}, esito));
    std::vector<long long> troppe(4007, 1);
    troppe[0] = 4006;
    QVERIFY(!stats::Ordina_Numeri(troppe, esito));

    stats::RisultatiNumeri r;
    for (std::size_t n = 1; n <= 90; ++n) r.Ritardo_Attuale_Numero[0][n] = n % 3 == 0 ? 0 : static_cast<int>(n);
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
