#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "selection/Periodo.h"
#include "stats/Navigazione.h"
#include "stats/RicercaTerni.h"

#include <QTest>

#include <algorithm>
#include <random>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

constexpr auto indice = &stats::RisultatiTerni::indice;

/**
 * The plain reference: frequency, current delay and maximum delay of every (column, triple), walking the
 * selected draws cycle by cycle and each record's triples by three nested loops.
 */
std::vector<std::array<int, 3>> riferimento(const core::Stato& s) {
    std::vector<std::array<int, 3>> r(indice(11, 0)); // frequency, last draw (then current delay), maximum
    std::array<int, 11> contate{};
    for (int ciclo = 1; ciclo <= s.Totale_Cicli; ++ciclo)
        for (int d = std::max(s.Inizio_Ciclo[ciclo], 1); d <= s.Fine_Ciclo[ciclo]; ++d) {
            if (s.Estrazione_Selezionata[d] != -1) continue;
            ++contate[0];
            for (int w = 1; w <= 10; ++w) {
                if (s.Ruota_Selezionata[w] != -1) continue;
                ++contate[w];
                int n[5];
                if (!core::decodificaRuota(s.Archivio_Estrazioni.record(w, d), n)) continue;
                std::sort(n, n + 5);
                for (int x = 0; x < 3; ++x)
                    for (int y = x + 1; y < 4; ++y)
                        for (int z = y + 1; z < 5; ++z)
                            for (int c : {w, 0}) {
                                if (n[x] == n[y] || n[y] == n[z]) continue;
                                auto& [frequenza, ultima, massimo] =
                                    r[indice(c, stats::posizioneTerno(n[x], n[y], n[z]))];
                                ++frequenza;
                                massimo = std::max(massimo, contate[c] - ultima);
                                ultima = contate[c];
                            }
            }
        }
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i][1] = contate[i / indice(1, 0)] - r[i][1];
    return r;
}

} // namespace

class TestRicercaTerni : public QObject {
    Q_OBJECT
private slots:
    void posizioniEdEtichette() {
        int k = 0;
        for (int a = 1; a <= 88; ++a)
            for (int b = a + 1; b <= 89; ++b)
                for (int c = b + 1; c <= 90; ++c)
                    if (stats::posizioneTerno(a, b, c) != ++k ||
                        !(stats::ternoInPosizione(k) == stats::Terno{a, b, c}))
                        QFAIL(qPrintable(QStringLiteral("%1-%2-%3 in %4").arg(a).arg(b).arg(c).arg(k)));
        QCOMPARE(stats::Etichetta_Terno({7, 45, 89}), std::string(" 7 -  45 -  89"));
        // What "Vai a" takes: three different numbers of 1..90, in any order and separation, nothing else.
        QVERIFY((stats::leggiTerno(" 89-7,45\t") == stats::Terno{7, 45, 89}));
        for (const char* rifiutato : {"7 45", "7 45 89 90", "7 45 x9", "0 7 45", "7 45 91", "7 7 45"})
            QVERIFY2(!stats::leggiTerno(rifiutato), rifiutato);
    }

    void cercaComeIlRiferimento_data() {
        QTest::addColumn<QString>("ruote");
        QTest::addColumn<std::vector<int>>("perAnno"); // draws of each year from 2001; 0 an empty year
        QTest::addRow("una-ruota-frazionato") << "1000000000" << std::vector<int>{40};
        QTest::addRow("tre-ruote-anni-vuoti") << "0100110000" << std::vector<int>{6, 0, 9, 0, 5};
        QTest::addRow("tutte-le-ruote") << "1111111111" << std::vector<int>{25, 20};
    }
    void cercaComeIlRiferimento() {
        QFETCH(QString, ruote);
        QFETCH(std::vector<int>, perAnno);
        std::mt19937 caso(7);
        std::vector<prova::Estrazione> estrazioni;
        for (int anno = 0; anno < int(perAnno.size()); ++anno)
            for (int n = 1; n <= perAnno[std::size_t(anno)]; ++n) {
                estrazioni.push_back({1 + n % 28, 1 + n % 12, 2001 + anno, n, {}});
                for (auto& ruota : estrazioni.back().ruote) { // five of 1..9, so that triples come out often
                    std::array<int, 9> urna{1, 2, 3, 4, 5, 6, 7, 8, 9};
                    std::shuffle(urna.begin(), urna.end(), caso);
                    if (caso() % 6 != 0) std::copy_n(urna.begin(), 5, ruota.begin()); // else a null wheel
                    if (caso() % 8 == 0) ruota[3] = ruota[1]; // a damaged record that repeats a number
                }
            }
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(estrazioni);
        core::Stato stato = cartella.stato();
        QVERIFY(core::caricaArchivio(stato));
        core::selezioneDaTesto(stato, ruote.toStdString());
        perAnno.size() > 1 ? selection::applicaCicli(stato, 1, int(perAnno.size())) // every year a cycle
                           : selection::applicaFrazionato(stato, 4, perAnno[0] - 3);

        stats::RisultatiTerni r;
        QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_TERNI(stato, r));
        const auto attesi = riferimento(stato);
        for (int c = 0; c <= 10; ++c)
            for (int k = 1; k <= stats::NUMERO_TERNI; ++k)
                if (std::array{r.frequenza(c, k), r.ritardoAttuale(c, k), r.ritardoMassimo(c, k)} !=
                    attesi[indice(c, k)])
                    QFAIL(qPrintable(QStringLiteral("colonna %1, terno in posizione %2").arg(c).arg(k)));
        stats::RisultatiNumeri numeri; // chance's base is the walk's, whichever search walks it
        QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, numeri));
        QVERIFY(r.Base_Caso.reali == numeri.Base_Caso.reali &&
                r.Base_Caso.contate == numeri.Base_Caso.contate);
    }

    void ordineConLeParita() {
        stats::RisultatiTerni r; // every value 0 but three frequencies of BARI's
        r.Celle_Corte.resize(indice(11, 0));
        for (const auto& [k, f] : {std::pair{5, 3}, {100000, 3}, {7, 1}})
            r.Celle_Corte[indice(1, k)].frequenza = std::uint16_t(f);
        const auto su = stats::Ordine_Terni(r, 1, stats::FREQUENZA);
        const auto giu = stats::Ordine_Terni(r, 1, stats::FREQUENZA, true);
        QCOMPARE(std::vector<int>(su.begin(), su.begin() + 3), (std::vector<int>{stats::NUMERO_TERNI, 1, 2}));
        QCOMPARE(std::vector<int>(su.end() - 3, su.end()), (std::vector<int>{7, 5, 100000}));
        QCOMPARE(std::vector<int>(giu.begin() + 1, giu.begin() + 5), (std::vector<int>{5, 100000, 7, 1}));
    }
};

QTEST_APPLESS_MAIN(TestRicercaTerni)
#include "TestRicercaTerni.moc"
