// The payout table read from fields 64..70 with its defaults, the payout grid, the combinations, the
// winnings of a ticket and the Italian rendering of the numeric patterns.
#include "ArchivioDiProva.h"
#include "core/Impostazioni.h"
#include "stakes/Combinazioni.h"
#include "stakes/Formato.h"
#include "stakes/Poste.h"

#include <QTest>

namespace {

const QStringList VALIDI{"85", "300", "5000", "100000", "2000000", "25", "1"};
const QStringList DEFAULT{"1123", "250", "4500", "120000", "6000000", "80", "0"};

QStringList campi64a70(const core::Stato& stato) {
    QStringList testi;
    for (int k = 64; k <= 70; ++k)
        testi << QString::fromStdString(core::Leggi_Impostazione(stato, k)).trimmed();
    return testi;
}
QString formatta(double valore, const char* schema) {
    return QString::fromStdString(stakes::formatta(valore, schema));
}

} // namespace

class TestPoste : public QObject {
    Q_OBJECT
private slots:
    void lettura_data() {
        QTest::addColumn<int>("campo"); // given `testo`; 0 none, -1 no file, -2 only field 3 written
        QTest::addColumn<QString>("testo");
        QTest::addColumn<double>("estratto");
        QTest::addColumn<QString>("dopo"); // what that field holds after the reading; "!": all defaults, said
        QTest::addRow("validi") << 0 << "" << 8.5 << "";
        QTest::addRow("primo-avvio") << -2 << "" << 11.23 << "";
        QTest::addRow("file-mancante") << -1 << "" << 11.23 << "";
        QTest::addRow("ambo-vuoto") << 65 << "" << 8.5 << "250";
        QTest::addRow("moneta-vuota") << 70 << "" << 8.5 << "0";
        QTest::addRow("estratto-in-centesimi") << 64 << "1123" << 11.23 << "1123";
        QTest::addRow("estratto-0") << 64 << "0" << 11.23 << "!";
        QTest::addRow("terno-negativo") << 66 << "-5" << 11.23 << "!";
        QTest::addRow("quaterna-testo") << 67 << "abc" << 11.23 << "!";
        QTest::addRow("trattenuta-0") << 69 << "0" << 11.23 << "!";
        QTest::addRow("trattenuta-oltre-il-cento-per-cento") << 69 << "1001" << 11.23 << "!";
        QTest::addRow("moneta-2") << 70 << "2" << 11.23 << "!";
    }
    void lettura() {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        QFETCH(QString, dopo);
        QFETCH(double, estratto);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        if (campo == -2) QVERIFY(core::Scrivi_Impostazione(stato, 3, "1"));
        if (campo >= 0)
            for (int k = 64; k <= 70; ++k)
                QVERIFY(
                    core::Scrivi_Impostazione(stato, k, (k == campo ? testo : VALIDI[k - 64]).toStdString()));
        stato.Quote_Premi[5] = 7; // a value the reading must replace either way

        QCOMPARE(!stakes::Leggi_Pagamenti_Poste(stato).riuscito(), dopo == "!");
        QVERIFY(stakes::completaPagamenti(stato).riuscito());
        // A damaged field brings back every default, also the values read before it; a blank one its own.
        QStringList tabella = campo < 0 || dopo == "!" ? DEFAULT : VALIDI;
        if (campo > 0 && dopo != "!") tabella[campo - 64] = dopo;
        QCOMPARE(campi64a70(stato), tabella);
        QCOMPARE(
            (QList<double>{stato.Quota_Estratto, double(stato.Quote_Premi[5]), stato.Percentuale_Trattenuta}),
            (QList<double>{estratto, tabella[4].toDouble(), tabella[5].toDouble() / 10}));
    }

    void grigliaQuote_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<int>("numeri");
        QTest::addColumn<bool>("conTrattenuta");
        QTest::addColumn<QString>("cella"); // "-": no payout, the ticket is too short
        QTest::addRow("estratto-2-senza") << 1 << 2 << false << "5,62";
        QTest::addRow("estratto-2-con") << 1 << 2 << true << "5,17";
        QTest::addRow("ambo-2-senza") << 2 << 2 << false << "250";
        QTest::addRow("ambo-2-con") << 2 << 2 << true << "230";
        QTest::addRow("terno-2") << 3 << 2 << false << "-";
        QTest::addRow("cinquina-10-senza") << 5 << 10 << false << "23.809,52";
        QTest::addRow("cinquina-5-con") << 5 << 5 << true << "5.520.000";
    }
    void grigliaQuote() {
        QFETCH(int, sorte);
        QFETCH(int, numeri);
        QFETCH(bool, conTrattenuta);
        QFETCH(QString, cella);
        const auto stato = prova::CartellaDiProva().stato();
        const auto premio = stakes::premioPerPosta(stato, sorte, numeri, conTrattenuta);
        QCOMPARE(premio ? formatta(*premio, "#,###.##") : QStringLiteral("-"), cella);
    }

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
        QTest::addRow("estratto-mezzo-euro") << 1 << 1 << 1 << 1 << 0.5 << 5.1658 << "4,67";
        QTest::addRow("ambo-su-5-numeri") << 5 << 2 << 1 << 2 << 1.0 << 23.0 << "22";
        QTest::addRow("ambo-su-10-ruote") << 5 << 2 << 10 << 2 << 1.0 << 2.3 << "1,3";
        QTest::addRow("ambo-un-indovinato") << 5 << 1 << 1 << 2 << 1.0 << 0.0 << "-1";
        QTest::addRow("cinquina-lire") << 5 << 5 << 1 << 5 << 400.0 << 2208000000.0 << "2.207.999.600";
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
        QCOMPARE(formatta(incasso - puntata, "#,###.##"), netta);
    }

    void formato() {
        QCOMPARE(formatta(1234.5, "#.###"), "1234,5"); // no grouping asked
        QCOMPARE(formatta(0.1234, "#.###"), "0,123");
        QCOMPARE(formatta(2.9999, "#,###.##"), "3");
        QCOMPARE(formatta(-12345.678, "#,###.##"), "-12.345,68");
        QCOMPARE(formatta(-0.001, "#,###.##"), "0");
        QCOMPARE(formatta(std::nan(""), "#,###"), "");
    }
};

QTEST_APPLESS_MAIN(TestPoste)
#include "TestPoste.moc"
