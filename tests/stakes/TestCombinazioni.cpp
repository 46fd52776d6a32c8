// Combinations, ticket cost and winnings, and the Italian rendering of the numeric patterns.
#include "ArchivioDiProva.h"
#include "stakes/Combinazioni.h"
#include "stakes/Formato.h"

#include <QTest>

class TestCombinazioni : public QObject {
    Q_OBJECT
private slots:
    void numeroCombinazioni_data() {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("n");
        QTest::addColumn<qint64>("combinazioni");
        QTest::addColumn<QString>("cella");
        QTest::addRow("estratto-1") << 1 << 1 << qint64(1) << "1";
        QTest::addRow("ambo-5") << 2 << 5 << qint64(10) << "10";
        QTest::addRow("cinquina-10") << 5 << 10 << qint64(252) << "252";
        QTest::addRow("ambo-90") << 2 << 90 << qint64(4005) << "4.005";
        QTest::addRow("quaterna-90") << 4 << 90 << qint64(2555190) << "2.555.190";
        QTest::addRow("cinquina-90") << 5 << 90 << qint64(43949268) << "43.949.268";
        QTest::addRow("cinquina-4") << 5 << 4 << qint64(0) << "";
        QTest::addRow("nessuna-sorte") << 0 << 7 << qint64(1) << "1";
        QTest::addRow("k-negativo") << -1 << 5 << qint64(0) << "";
        QTest::addRow("oltre-64-bit") << 40 << 200 << std::numeric_limits<qint64>::max() << "";
    }
    void numeroCombinazioni() {
        QFETCH(int, k);
        QFETCH(int, n);
        QFETCH(qint64, combinazioni);
        QFETCH(QString, cella);
        QCOMPARE(stakes::Numero_Combinazioni(k, n), combinazioni);
        if (n <= 90) QCOMPARE(QString::fromStdString(stakes::testoCombinazioni(combinazioni)), cella);
    }

    void vincita_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("ruote");
        QTest::addColumn<int>("sorte");
        QTest::addColumn<double>("puntata");
        QTest::addColumn<double>("riscossione");
        QTest::addColumn<QString>("netta"); // as its label shows it
        QTest::addRow("estratto-mezzo-euro") << 1 << 1 << 1 << 1 << 0.5 << 5.4805 << "4,98";
        QTest::addRow("ambo-su-5-numeri") << 5 << 2 << 1 << 2 << 1.0 << 24.25 << "23,25";
        QTest::addRow("ambo-su-5-ruote") << 5 << 3 << 5 << 2 << 1.0 << 14.55 << "13,55";
        QTest::addRow("ambo-un-indovinato") << 5 << 1 << 1 << 2 << 1.0 << 0.0 << "-1";
        QTest::addRow("cinquina-lire") << 5 << 5 << 1 << 5 << 400.0 << 388000000.0 << "387.999.600";
        QTest::addRow("nessun-numero") << 0 << 1 << 1 << 1 << 0.5 << 0.0 << "-0,5";
    }
    void vincita() {
        QFETCH(int, n);
        QFETCH(int, g);
        QFETCH(int, ruote);
        QFETCH(int, sorte);
        QFETCH(double, puntata);
        QFETCH(double, riscossione);
        QFETCH(QString, netta);
        const auto stato = prova::CartellaDiProva().stato();
        stakes::Giocata giocata{n, g, ruote, {}};
        giocata.Puntata[static_cast<std::size_t>(sorte)] = puntata;
        QCOMPARE(stakes::Costo_Bolletta(giocata), puntata);
        const double incasso = stakes::riscossione(stato, giocata);
        QVERIFY2(qAbs(incasso - riscossione) < 1e-9, qPrintable(QString::number(incasso, 'f', 6)));
        QCOMPARE(QString::fromStdString(stakes::formatta(incasso - puntata, "#,###.##")), netta);
    }

    void puntate_data() {
        QTest::addColumn<int>("moneta");
        QTest::addColumn<int>("valore");
        QTest::addColumn<QString>("testo");
        QTest::addRow("euro-iniziale") << 0 << stakes::barraPuntata(0, 1).iniziale << "0,5";
        QTest::addRow("euro-massimo") << 0 << stakes::barraPuntata(0, 2).massimo << "200";
        QTest::addRow("euro-centesimo") << 0 << stakes::barraPuntata(0, 4).minimo << "0,01";
        QTest::addRow("lire-iniziale") << 1 << stakes::barraPuntata(1, 5).iniziale << "400";
        QTest::addRow("lire-massimo") << 1 << stakes::barraPuntata(1, 3).massimo << "50.000";
    }
    void puntate() {
        QFETCH(int, moneta);
        QFETCH(int, valore);
        QFETCH(QString, testo);
        QCOMPARE(QString::fromStdString(stakes::testoPuntata(moneta, stakes::puntataDaBarra(moneta, valore))), testo);
    }

    void formato_data() {
        QTest::addColumn<double>("valore");
        QTest::addColumn<QString>("schema");
        QTest::addColumn<QString>("testo");
        QTest::addRow("senza-raggruppamento") << 1234.5 << "#.###" << "1234,5";
        QTest::addRow("tre-decimali") << 0.1234 << "#.###" << "0,123";
        QTest::addRow("arrotondato-a-intero") << 2.9999 << "#,###.##" << "3";
        QTest::addRow("negativo-raggruppato") << -12345.678 << "#,###.##" << "-12.345,68";
        QTest::addRow("zero-negativo") << -0.001 << "#,###.##" << "0";
        QTest::addRow("non-numero") << std::nan("") << "#,###" << "";
    }
    void formato() {
        QFETCH(double, valore);
        QFETCH(QString, schema);
        QFETCH(QString, testo);
        QCOMPARE(QString::fromStdString(stakes::formatta(valore, schema.toStdString())), testo);
    }
};

QTEST_APPLESS_MAIN(TestCombinazioni)
#include "TestCombinazioni.moc"
