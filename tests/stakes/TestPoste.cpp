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
const QStringList DEFAULT{"113", "250", "4250", "80000", "1000000", "30", "0"};

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
        QTest::addColumn<int>("campo"); // the field spoiled with `testo`; 0 none, -1 no settings file
        QTest::addColumn<QString>("testo");
        QTest::addRow("validi") << 0 << "";
        QTest::addRow("moneta-vuota-vale-euro") << 70 << "";
        QTest::addRow("file-mancante") << -1 << "";
        QTest::addRow("estratto-0") << 64 << "0";
        QTest::addRow("ambo-vuoto") << 65 << "";
        QTest::addRow("terno-negativo") << 66 << "-5";
        QTest::addRow("quaterna-testo") << 67 << "abc";
        QTest::addRow("cinquina-0") << 68 << "0";
        QTest::addRow("trattenuta-0") << 69 << "0";
        QTest::addRow("trattenuta-oltre-il-cento-per-cento") << 69 << "1001";
        QTest::addRow("moneta-2") << 70 << "2";
        QTest::addRow("moneta-meno-1") << 70 << "-1";
    }
    void lettura() {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        const bool letti = campo == 0 || (campo == 70 && testo.isEmpty());
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        if (campo >= 0)
            for (int k = 64; k <= 70; ++k)
                QVERIFY(
                    core::Scrivi_Impostazione(stato, k, (k == campo ? testo : VALIDI[k - 64]).toStdString()));
        const QStringList prima = campi64a70(stato);
        stato.Quote_Premi[5] = 7; // a value the reading must replace either way

        QCOMPARE(stakes::Leggi_Pagamenti_Poste(stato), letti);
        // A failure brings back every default, also the values read before the failing field.
        QCOMPARE(stato.Quota_Estratto, letti ? 8.5 : 11.3);
        QCOMPARE(stato.Quote_Premi, (letti ? std::array<std::int32_t, 6>{0, 0, 300, 5000, 100000, 2000000}
                                           : std::array<std::int32_t, 6>{0, 0, 250, 4250, 80000, 1000000}));
        QCOMPARE(stato.Percentuale_Trattenuta, letti ? 2.5 : 3.0);
        QCOMPARE(stato.Moneta_Utilizzata, campo == 0 ? 1 : 0);
        QCOMPARE(campi64a70(stato), letti ? prima : DEFAULT);
    }

    void grigliaQuote_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<int>("numeri");
        QTest::addColumn<bool>("conTrattenuta");
        QTest::addColumn<QString>("cella"); // "-": no payout, the ticket is too short
        QTest::addRow("estratto-2-senza") << 1 << 2 << false << "5,65";
        QTest::addRow("estratto-2-con") << 1 << 2 << true << "5,48";
        QTest::addRow("ambo-2-senza") << 2 << 2 << false << "250";
        QTest::addRow("ambo-2-con") << 2 << 2 << true << "242,5";
        QTest::addRow("terno-2") << 3 << 2 << false << "-";
        QTest::addRow("cinquina-10-senza") << 5 << 10 << false << "3.968,25";
        QTest::addRow("cinquina-5-con") << 5 << 5 << true << "970.000";
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
        QTest::addRow("estratto-mezzo-euro") << 1 << 1 << 1 << 1 << 0.5 << 5.4805 << "4,98";
        QTest::addRow("ambo-su-5-numeri") << 5 << 2 << 1 << 2 << 1.0 << 24.25 << "23,25";
        QTest::addRow("ambo-su-10-ruote") << 5 << 2 << 10 << 2 << 1.0 << 2.425 << "1,42"; // 1.42499..
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
