#include "core/Lotto.h"
#include "selection/Periodo.h"
#include "stats/Navigazione.h"
#include "stats/RicercaAmbi.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <set>

namespace {

/** A loaded archive in memory: draws[d-1][w-1] holds wheel w's five numbers (all 0 for a null record). */
core::Stato archivio(const std::vector<std::array<std::array<int, 5>, 10>>& estrazioni,
                     std::initializer_list<int> ruote) {
    core::Stato stato;
    core::Imposta_Tabelle_Globali(stato);
    stato.Estrazioni_Caricate = static_cast<int>(estrazioni.size());
    stato.Archivio_Estrazioni.dimensiona(stato.Estrazioni_Caricate + 200);
    for (int d = 1; d <= stato.Estrazioni_Caricate; ++d)
        for (int w = 1; w <= 10; ++w) {
            const auto& n = estrazioni[std::size_t(d - 1)][std::size_t(w - 1)];
            int conteggio[6] = {5, n[0], n[1], n[2], n[3], n[4]};
            const std::string record = core::Comprimi_Estrazione(conteggio, 5);
            std::copy(record.begin(), record.end(), stato.Archivio_Estrazioni.record(w, d));
        }
    std::array<bool, 11> spuntate{};
    for (int w : ruote)
        spuntate[std::size_t(w)] = true;
    core::impostaSelezioneRuote(stato, spuntate);
    selection::applicaFrazionato(stato, 1, stato.Estrazioni_Caricate);
    return stato;
}

using Estrazione = std::array<std::array<int, 5>, 10>;

} // namespace

class TestRicercaAmbi : public QObject {
    Q_OBJECT
private slots:
    void enumerazioneEdEtichette();
    void dieciAmbiDiUnRecord();
    void colonnaZeroSoloAmbiSullaStessaRuota();
    void ordinamentiUgualiSuChiaviCasuali();
    void paritaInOrdineDiEnumerazione();
};

void TestRicercaAmbi::enumerazioneEdEtichette() {
    QCOMPARE(stats::posizioneAmbo(1, 2), 1);
    QCOMPARE(stats::posizioneAmbo(1, 90), 89);
    QCOMPARE(stats::posizioneAmbo(2, 3), 90);
    QCOMPARE(stats::posizioneAmbo(89, 90), 4005);
    for (int a = 1, k = 1; a <= 89; ++a)
        for (int b = a + 1; b <= 90; ++b, ++k) {
            QCOMPARE(stats::posizioneAmbo(a, b), k);
            QCOMPARE(stats::amboInPosizione(k), std::make_pair(a, b));
        }
    QCOMPARE(stats::Etichetta_Ambo(7, 45), std::string(" 7 -  45"));
    QCOMPARE(stats::Etichetta_Ambo(12, 47), std::string(" 12 -  47"));
}

void TestRicercaAmbi::dieciAmbiDiUnRecord() {
    Estrazione prima{}, seconda{};
    prima[0] = {60, 3, 88, 17, 45}; // drawing order, not sorted
    seconda[0] = {1, 2, 4, 5, 6};
    auto stato = archivio({prima, seconda, seconda}, {1});
    stats::RisultatiAmbi r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(stato, r));
    const std::set<std::pair<int, int>> attesi = {{3, 17},  {3, 45},  {3, 60},  {3, 88},  {17, 45},
                                                  {17, 60}, {17, 88}, {45, 60}, {45, 88}, {60, 88}};
    int contati = 0;
    for (int k = 1; k <= stats::NUMERO_AMBI; ++k) {
        const auto ambo = stats::amboInPosizione(k);
        if (ambo.first > 6 || ambo.second > 6) {
            const bool atteso = attesi.count(ambo) > 0;
            QCOMPARE(r.frequenza(1, k), atteso ? 1 : 0);
            if (atteso) {
                ++contati;
                QCOMPARE(r.ritardoAttuale(1, k), 2);
                QCOMPARE(r.ritardoMassimo(1, k), 1);
            } else {
                QCOMPARE(r.ritardoAttuale(1, k), 3); // never drawn: the number of selected draws
                QCOMPARE(r.ritardoMassimo(1, k), 0);
            }
        }
    }
    QCOMPARE(contati, 10);
    QCOMPARE(r.frequenza(1, stats::posizioneAmbo(1, 2)), 2);
    QCOMPARE(r.ritardoMassimo(1, stats::posizioneAmbo(1, 2)), 2);
    QCOMPARE(r.ritardoAttuale(1, stats::posizioneAmbo(1, 2)), 0);
}

void TestRicercaAmbi::colonnaZeroSoloAmbiSullaStessaRuota() {
    Estrazione e{};
    e[1] = {10, 20, 81, 82, 83}; // CAGLIARI: (10, 20) together
    e[4] = {10, 30, 84, 85, 86}; // MILANO: 10 with 30, 20 elsewhere
    e[5] = {10, 20, 87, 88, 89}; // NAPOLI: (10, 20) again in the same draw
    Estrazione vuota{};
    vuota[1] = {1, 2, 3, 4, 5};
    vuota[4] = {1, 2, 3, 4, 5};
    vuota[5] = {1, 2, 3, 4, 5};
    auto stato = archivio({vuota, e, vuota}, {2, 5, 6});
    stats::RisultatiAmbi r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(stato, r));
    const int k1020 = stats::posizioneAmbo(10, 20), k2030 = stats::posizioneAmbo(20, 30);
    QCOMPARE(r.frequenza(0, k1020), 2);      // the sum over the wheels
    QCOMPARE(r.ritardoMassimo(0, k1020), 2); // the second appearance in the same draw adds nothing
    QCOMPARE(r.ritardoAttuale(0, k1020), 1);
    QCOMPARE(r.frequenza(0, k2030), 0); // 20 and 30 came out on different wheels
    QCOMPARE(r.frequenza(5, k1020), 0);
    QCOMPARE(r.frequenza(2, k1020), 1);
}

void TestRicercaAmbi::ordinamentiUgualiSuChiaviCasuali() {
    std::mt19937 casuale(11);
    for (long long ampiezza : {3LL, 50LL, 40000LL, 5000000LL}) {
        std::vector<long long> chiavi(4006);
        chiavi[0] = 4005;
        for (std::size_t i = 1; i <= 4005; ++i)
            chiavi[i] = static_cast<long long>(casuale() % static_cast<unsigned>(ampiezza));
        stats::Ordinamento lento, veloce;
        QVERIFY(stats::Ordina_Numeri(chiavi, lento));
        QVERIFY(stats::Ordina_Numeri_Veloce(chiavi, veloce));
        QCOMPARE(veloce.Permutazione_Ordinata, lento.Permutazione_Ordinata);
        QCOMPARE(veloce.Chiavi_Ordinate, lento.Chiavi_Ordinate);
        QVERIFY(std::is_sorted(veloce.Chiavi_Ordinate.begin() + 1, veloce.Chiavi_Ordinate.end()));
    }
    stats::Ordinamento esito;
    QVERIFY(!stats::Ordina_Numeri_Veloce({0}, esito));
    QCOMPARE(esito.Permutazione_Ordinata[0], 0);
}

void TestRicercaAmbi::paritaInOrdineDiEnumerazione() {
    stats::RisultatiAmbi r; // every frequency 0: a sort by frequency keeps enumeration order
    r.Frequenza_Ambo[stats::RisultatiAmbi::indice(0, stats::posizioneAmbo(1, 2))] = 5;
    const auto ordine = stats::Ordine_Ambi(r, 0, stats::FREQUENZA);
    QCOMPARE(ordine[0], 4005);
    QCOMPARE(ordine[1], stats::posizioneAmbo(1, 3));
    QCOMPARE(ordine[2], stats::posizioneAmbo(1, 4));
    QCOMPARE(ordine[4005], stats::posizioneAmbo(1, 2));
    const auto numerico = stats::Ordine_Ambi(r, 0, stats::NUMERICO);
    QCOMPARE(numerico[4005], 4005);
    QCOMPARE(numerico[17], 17);
}

QTEST_APPLESS_MAIN(TestRicercaAmbi)
#include "TestRicercaAmbi.moc"
