// The payout table: reading fields 64..70 with its defaults, the editor bars and the payout grid.
#include "ArchivioDiProva.h"
#include "core/Impostazioni.h"
#include "stakes/Formato.h"
#include "stakes/Poste.h"

#include <QTest>

namespace {

const QStringList VALIDI{"85", "300", "5000", "100000", "2000000", "25", "1"};
const QStringList DEFAULT{"113", "250", "4250", "80000", "1000000", "30", "0"};

QStringList campi64a70(const core::Stato& stato) {
    QStringList testi;
    for (int k = 64; k <= 70; ++k) testi << QString::fromStdString(core::Leggi_Impostazione(stato, k)).trimmed();
    return testi;
}

} // namespace

class TestPoste : public QObject {
    Q_OBJECT
private slots:
    void lettura_data() {
        QTest::addColumn<int>("campo"); // the field spoiled with `testo`; 0 none, -1 no settings file
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("letti");
        QTest::addRow("validi") << 0 << "" << true;
        QTest::addRow("moneta-vuota-vale-euro") << 70 << "" << true;
        QTest::addRow("file-mancante") << -1 << "" << false;
        QTest::addRow("estratto-0") << 64 << "0" << false;
        QTest::addRow("ambo-vuoto") << 65 << "" << false;
        QTest::addRow("terno-negativo") << 66 << "-5" << false;
        QTest::addRow("quaterna-testo") << 67 << "abc" << false;
        QTest::addRow("cinquina-0") << 68 << "0" << false;
        QTest::addRow("trattenuta-0") << 69 << "0" << false;
        QTest::addRow("moneta-2") << 70 << "2" << false;
        QTest::addRow("moneta-meno-1") << 70 << "-1" << false;
    }
    void lettura() {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        QFETCH(bool, letti);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        if (campo >= 0)
            for (int k = 64; k <= 70; ++k)
                QVERIFY(core::Scrivi_Impostazione(stato, k, (k == campo ? testo : VALIDI[k - 64]).toStdString()));
        const QStringList prima = campi64a70(stato);
        stato.Quote_Premi[5] = 7; // a value the reading must replace either way

        QCOMPARE(stakes::Leggi_Pagamenti_Poste(stato), letti);
        const bool euro = !letti || campo == 70;
        QCOMPARE(stato.Quota_Estratto, letti ? 8.5 : 11.3);
        QCOMPARE(stato.Quote_Premi, (letti ? std::array<std::int32_t, 6>{0, 0, 300, 5000, 100000, 2000000}
                                           : std::array<std::int32_t, 6>{0, 0, 250, 4250, 80000, 1000000}));
        QCOMPARE(stato.Percentuale_Trattenuta, letti ? 2.5 : 3.0);
        QCOMPARE(stato.Moneta_Utilizzata, euro ? 0 : 1);
        QCOMPARE(campi64a70(stato), letti ? prima : DEFAULT);
    }

    void barreDelleditore() {
        auto stato = prova::CartellaDiProva().stato();
        QCOMPARE(stakes::barreDaPagamenti(stato), stakes::BARRE_DEFAULT);
        // Values no bar can show are clamped to its range.
        stato.Percentuale_Trattenuta = 45;
        stato.Quota_Estratto = 2.5;
        stato.Quote_Premi = {0, 0, 5000, 10, 80004, 99};
        QCOMPARE(stakes::barreDaPagamenti(stato), (std::array<int, 6>{300, 50, 500, 1000, 8000, 5000}));
        stakes::applicaBarre(stato, {25, 96, 300, 1000, 1500, 5000});
        QCOMPARE(stato.Percentuale_Trattenuta, 2.5);
        QCOMPARE(stato.Quota_Estratto, 9.6);
        QCOMPARE(stato.Quote_Premi, (std::array<std::int32_t, 6>{0, 0, 300, 1000, 15000, 500000}));
        QCOMPARE(stakes::barreDaPagamenti(stato), (std::array<int, 6>{25, 96, 300, 1000, 1500, 5000}));
        const auto testi = stakes::Scrivi_Moneta_Trattenuta(stato);
        QCOMPARE(testi.trattenuta, "2,5%");
        QCOMPARE(testi.moneta, "Euro");
    }

    void etichetteDelleBarre_data() {
        QTest::addColumn<int>("barra");
        QTest::addColumn<int>("valore");
        QTest::addColumn<QString>("testo");
        QTest::addRow("trattenuta-intera") << 0 << 30 << "3%";
        QTest::addRow("trattenuta-decimale") << 0 << 25 << "2,5%";
        QTest::addRow("estratto") << 1 << 113 << "11,3";
        QTest::addRow("terno") << 3 << 4250 << "4.250";
        QTest::addRow("quaterna-in-decine") << 4 << 8000 << "80.000";
        QTest::addRow("cinquina-in-centinaia") << 5 << 10000 << "1.000.000";
    }
    void etichetteDelleBarre() {
        QFETCH(int, barra);
        QFETCH(int, valore);
        QFETCH(QString, testo);
        QCOMPARE(QString::fromStdString(stakes::testoBarraPosta(barra, valore)), testo);
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
        QCOMPARE(premio ? QString::fromStdString(stakes::formatta(*premio, "#,###.##")) : QStringLiteral("-"), cella);
    }
};

QTEST_APPLESS_MAIN(TestPoste)
#include "TestPoste.moc"
