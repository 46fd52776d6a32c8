// Chance beside the counts: an item's figures against values worked by hand, the mean and rare delays,
// the words of a chance, the chi-square's p-value at known points, and the test of the frequencies on a
// fair and a rigged simulated archive.
#include "stats/Caso.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

class TestCaso : public QObject {
    Q_OBJECT

private slots:
    void figureDiUnElemento_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<QList<int>>("colonna");   // R, T, k
        QTest::addColumn<QList<int>>("conteggi");  // F, D, M
        QTest::addColumn<QList<double>>("attese"); // E, z, chance of D, chance of M
        QTest::addRow("estratto-una-ruota") << 1 << QList<int>{1800, 1800, 1} << QList<int>{110, 120, 150}
                                            << QList<double>{100, 1.02899, 1.04995e-3, 1.73615e-2};
        QTest::addRow("ambo-tre-ruote-incrociate")
            << 2 << QList<int>{3000, 1000, 3} << QList<int>{10, 50, 400}
            << QList<double>{7.49064, 0.918009, 0.687289, 0.238900};
        QTest::addRow("terno-dieci-ruote") << 3 << QList<int>{30000, 3000, 10} << QList<int>{3, 2500, 2900}
                                           << QList<double>{2.553626, 0.2793435, 0.1190618, 0.08781246};
        // Never drawn: no longest absence closed, so its chance is 1.
        QTest::addRow("mai-uscito") << 1 << QList<int>{90, 90, 1} << QList<int>{0, 90, 0}
                                    << QList<double>{5, -2.300895, 5.832805e-3, 1};
        QTest::addRow("ritardo-zero") << 1 << QList<int>{36, 36, 1} << QList<int>{2, 0, 36}
                                      << QList<double>{2, 0, 1, 1.0 - std::exp(-std::pow(17.0 / 18, 36))};
        QTest::addRow("periodo-di-una-estrazione")
            << 1 << QList<int>{1, 1, 1} << QList<int>{1, 0, 1} << QList<double>{1.0 / 18, 4.123106, 1, 1};
        // A Nazionale searched before its first draw: no record, nothing expected.
        QTest::addRow("senza-record")
            << 1 << QList<int>{0, 0, 1} << QList<int>{0, 0, 0} << QList<double>{0, 0, 1, 1};
    }
    void figureDiUnElemento() {
        QFETCH(int, sorte);
        QFETCH(QList<int>, colonna);
        QFETCH(QList<int>, conteggi);
        QFETCH(QList<double>, attese);
        const auto figure = stats::caso(stats::probabilitaSorte(sorte), {colonna[0], colonna[1], colonna[2]},
                                        conteggi[0], conteggi[1], conteggi[2]);
        const QList<double> lette{figure.attesa, figure.scarto, figure.probabilitaAttuale,
                                  figure.probabilitaMassimo};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(std::fabs(lette[i] - attese[i]) <= 1e-5 * std::max(1.0, std::fabs(attese[i])),
                     qPrintable(QStringLiteral("figura %1: %2").arg(i).arg(lette[i], 0, 'g', 8)));
    }

    void ritardiDelCasoEParole() {
        // Mean delay 1/(1 − q) and the smallest D with q^D ≤ 1/1000, one wheel and ten crossed.
        const QList<QList<double>> righe{{1, 1, 18, 121}, {1, 10, 2.296898, 13}, {2, 1, 400.5, 2764}};
        for (const auto& r : righe) {
            const stats::CalcoloCaso calcolo(stats::probabilitaSorte(int(r[0])), {0, 0, int(r[1])});
            QVERIFY(std::fabs(calcolo.ritardoMedio() - r[2]) < 1e-5);
            QCOMPARE(calcolo.ritardoUnoSuMille(), int(r[3]));
        }
        QCOMPARE(stats::unoSu(1.04995e-3), std::string("1 su 952"));
        QCOMPARE(stats::unoSu(1), std::string("1 su 1"));
        QCOMPARE(stats::unoSu(1.0 / 1234567), std::string("1 su 1.234.567"));
        QCOMPARE(stats::unoSu(9.9e-10), std::string("meno di 1 su un miliardo"));
        QCOMPARE(stats::fraseRitardo(120, "BARI", 1.04995e-3),
                 std::string("Ritardo attuale 120 su BARI: per caso accade circa 1 volta su 952"));
        QCOMPARE(stats::testoScarto(-0.04) + ' ' + stats::testoScarto(1.25) + ' ' + stats::testoScarto(-2.3),
                 std::string("0,0 +1,2 \u22122,3"));
    }

    void pChiQuadroAiPuntiNoti() {
        // With two degrees of freedom P(X ≥ x) = e^(−x/2), on both sides of the method's switch.
        const QList<QList<double>> righe{{89, 89, 0.48006},
                                         {122.9, 89, 0.010068},
                                         {1, 2, std::exp(-0.5)},
                                         {4, 2, std::exp(-2.0)},
                                         {0, 89, 1}};
        for (const auto& r : righe)
            QVERIFY2(std::fabs(stats::pChiQuadro(r[0], int(r[1])) - r[2]) < 2e-5,
                     qPrintable(QString::number(r[0])));
    }

    void verificaSuArchiviSimulati() {
        // Exact: 1800 draws, every number 100 times but 90 130 times and 61 70 times: χ² = 89/85 · 18.
        stats::RisultatiNumeri esatti;
        esatti.Base_Caso.reali[0] = 1800; // the column of the wheels together
        esatti.Frequenza_Numero[0].fill(100);
        esatti.Frequenza_Numero[0][90] = 130;
        esatti.Frequenza_Numero[0][61] = 70;
        const auto esatta = stats::verificaCaso(esatti, 0);
        QVERIFY(std::fabs(esatta.chi2 - 18.847059) < 1e-5);
        QCOMPARE(std::make_pair(esatta.piuFrequente, esatta.menoFrequente), std::make_pair(90, 61));

        // Five distinct numbers a draw, from a generator with a fixed start; the rigged archive forces number
        // 7 into one draw in ten on top of its own chance.
        for (const bool truccato : {false, true}) {
            std::mt19937 casuale(2026);
            stats::RisultatiNumeri simulati;
            simulati.Base_Caso.reali[1] = 5000;
            for (int d = 0; d < 5000; ++d) {
                std::array<int, 90> urna{};
                std::iota(urna.begin(), urna.end(), 1);
                std::shuffle(urna.begin(), urna.end(), casuale);
                if (truccato && d % 10 == 0 &&
                    std::find(urna.begin(), urna.begin() + 5, 7) == urna.begin() + 5)
                    urna[0] = 7;
                for (int i = 0; i < 5; ++i)
                    ++simulati.Frequenza_Numero[1][std::size_t(urna[std::size_t(i)])];
            }
            const auto verifica = stats::verificaCaso(simulati, 1);
            QCOMPARE(verifica.compatibile, !truccato);
            QCOMPARE(stats::giudizioVerifica(verifica).starts_with("compatibile con il caso"), !truccato);
            if (truccato) QCOMPARE(verifica.piuFrequente, 7);
        }
    }
};

QTEST_APPLESS_MAIN(TestCaso)
#include "TestCaso.moc"
