// The payout table read from fields 64..70 with its defaults, the payout grid, the stake bars, the
// combinations, the winnings of a ticket and the Italian rendering of the numeric patterns.
#include "ArchivioDiProva.h"
#include "core/Impostazioni.h"
#include "stakes/Combinazioni.h"
#include "stakes/Formato.h"
#include "stakes/Poste.h"

#include <QTest>

namespace {

const QStringList VALIDI{"85", "300", "5000", "100000", "2000000", "25", "1"};
const QStringList DEFAULT{"1123", "250", "4500", "120000", "6000000", "80", "0"};

QString formatta(double valore, const char* schema) {
    return QString::fromStdString(stakes::formatta(valore, schema));
}

QStringList campi64a70(const core::Stato& stato) {
    QStringList testi;
    for (int k = 64; k <= 70; ++k)
        testi << QString::fromStdString(core::Leggi_Impostazione(stato, k)).trimmed();
    return testi;
}

} // namespace

class TestPoste : public QObject {
    Q_OBJECT
private slots:
    void lettura_data() {
        QTest::addColumn<int>("campo"); // holding `testo`; 0 none, -1 no settings file
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("danneggiata"); // every field then takes its default, and the reading says so
        QTest::addRow("validi") << 0 << "" << false;
        QTest::addRow("file-mancante") << -1 << "" << false;
        QTest::addRow("ambo-vuoto") << 65 << "" << false;
        QTest::addRow("estratto-0") << 64 << "0" << true;
        QTest::addRow("trattenuta-oltre-il-cento-per-cento") << 69 << "1001" << true;
        QTest::addRow("moneta-2") << 70 << "2" << true;
    }
    void lettura() {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        QFETCH(bool, danneggiata);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        for (int k = 64; k <= 70 && campo >= 0; ++k)
            QVERIFY(core::Scrivi_Impostazione(stato, k, (k == campo ? testo : VALIDI[k - 64]).toStdString()));
        QCOMPARE(stakes::Leggi_Pagamenti_Poste(stato).riuscito(), !danneggiata);
        QVERIFY(stakes::completaPagamenti(stato));
        // A damaged field brings back every default, also the values read before it; a blank one its own.
        QStringList tabella = campo < 0 || danneggiata ? DEFAULT : VALIDI;
        if (campo > 0 && !danneggiata) tabella[campo - 64] = testo.isEmpty() ? DEFAULT[campo - 64] : testo;
        QCOMPARE(campi64a70(stato), tabella);
        // Shown on the editor's bars, applied and stored, the table gives the same fields (Estratto in
        // hundredths).
        stakes::applicaBarre(stato, stakes::barreDaPagamenti(stato));
        QVERIFY(stakes::Registra_Pagamenti(stato));
        if (tabella[0] == "85") tabella[0] = "850";
        QCOMPARE(campi64a70(stato), tabella);
    }

    void celleDelleGriglie_data() {
        QTest::addColumn<int>("sorte");
        QTest::addColumn<int>("numeri");
        // The combinations, and the payout of a unit of stake without and with the withholding.
        QTest::addColumn<QString>("celle");
        QTest::addRow("estratto-2") << 1 << 2 << "2 5,62 5,17";
        QTest::addRow("terno-2") << 3 << 2 << " - -";
        QTest::addRow("cinquina-10") << 5 << 10 << "252 23.809,52 21.904,76";
        QTest::addRow("quaterna-90") << 4 << 90 << "2.555.190 0,05 0,04";
    }
    void celleDelleGriglie() {
        QFETCH(int, sorte);
        QFETCH(int, numeri);
        const auto stato = prova::CartellaDiProva().stato();
        QString celle =
            QString::fromStdString(stakes::testoCombinazioni(stakes::Numero_Combinazioni(sorte, numeri)));
        for (bool conTrattenuta : {false, true}) {
            const auto premio = stakes::premioPerPosta(stato, sorte, numeri, conTrattenuta);
            celle += ' ' + (premio ? formatta(*premio, "#,###.##") : QStringLiteral("-"));
        }
        QTEST(celle, "celle");
        QCOMPARE(stakes::Numero_Combinazioni(40, 200), std::numeric_limits<std::int64_t>::max()); // saturates
    }

    void vincita_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("ruote");
        QTest::addColumn<int>("moneta");
        QTest::addColumn<int>("sorte");     // played with the stake its bar starts at
        QTest::addColumn<QString>("netta"); // as its label shows it
        QTest::addRow("estratto-mezzo-euro") << 1 << 1 << 1 << stakes::EURO << 1 << "4,67";
        QTest::addRow("ambo-su-10-ruote") << 5 << 2 << 10 << stakes::EURO << 2 << "0,65";
        QTest::addRow("cinquina-lire") << 5 << 5 << 1 << stakes::LIRE << 5 << "2.207.999.600";
    }
    void vincita() {
        QFETCH(int, n);
        QFETCH(int, g);
        QFETCH(int, ruote);
        QFETCH(int, moneta);
        QFETCH(int, sorte);
        stakes::Giocata giocata{n, g, ruote, {}};
        giocata.Puntata[std::size_t(sorte)] =
            stakes::puntataDaBarra(moneta, stakes::barraPuntata(moneta, sorte).iniziale);
        const auto netta = stakes::riscossione(prova::CartellaDiProva().stato(), giocata) -
                           stakes::Importo::daCentesimi(stakes::centesimiDi(stakes::Costo_Bolletta(giocata)));
        QTEST(formatta(double(netta.centesimi()) / 100, "#,###.##"), "netta");
    }
};

QTEST_APPLESS_MAIN(TestPoste)
#include "TestPoste.moc"
