// The settings file ImpoBin: 20-byte slots, byte-exact writes, fallbacks of its readers.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "core/Impostazioni.h"

#include <QTest>

namespace fs = std::filesystem;

namespace {

QByteArray byte(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}
QByteArray spazi(qsizetype quanti) {
    return QByteArray(quanti, ' ');
}
const QByteArray VENTI("ABCDEFGHIJKLMNOPQRST");
const QByteArray NULLI = spazi(20) + QByteArray(20, '\0') + "12" + QByteArray(18, '\0');

} // namespace

class TestImpostazioni : public QObject {
    Q_OBJECT

private slots:
    void scrittura_data() {
        QTest::addColumn<QByteArray>("prima"); // ImpoBin before the write; null: no file
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("scritto");
        QTest::addColumn<QByteArray>("dopo"); // null: still no file
        const QByteArray campo3 = spazi(40) + "0" + spazi(18);
        const QByteArray dopo19 = spazi(20) + VENTI.left(19) + " " + campo3.mid(40);
        const QString venti(VENTI);
        QTest::addRow("file-nuovo") << QByteArray() << 3 << " 1 " << true << spazi(40) + "1" + spazi(18);
        QTest::addRow("campo-110") << QByteArray() << 110 << "7" << true << spazi(2180) + "7" + spazi(18);
        QTest::addRow("20-caratteri") << campo3 << 2 << venti << true << spazi(20) + VENTI + campo3.mid(40);
        QTest::addRow("20-con-spazio") << campo3 << 2 << " " + venti.left(19) << true << dopo19;
        QTest::addRow("21-caratteri") << campo3 << 2 << venti + "U" << false << campo3;
        QTest::addRow("21-con-spazio") << campo3 << 2 << " " + venti << false << campo3;
        // The 20th byte of a slot is only ever written by a 20-character text.
        QTest::addRow("riscrittura") << "11" + spazi(18) + VENTI + "33" + spazi(17) << 2 << "7" << true
                                     << "11" + spazi(18) + "7" + spazi(18) + "T33" + spazi(17);
        QTest::addRow("oltre-la-fine")
            << QByteArray("ABCDEFGHIJ") << 5 << "9" << true << "ABCDEFGHIJ" + spazi(70) + "9" + spazi(18);
        QTest::addRow("byte-nulli-restano") << NULLI << 1 << "4" << true << "4" + spazi(19) + NULLI.mid(20);
        QTest::addRow("campo-0") << QByteArray() << 0 << "5" << false << QByteArray();
        QTest::addRow("campo-111") << campo3 << 111 << "5" << false << campo3;
    }

    void scrittura() {
        QFETCH(QByteArray, prima);
        QFETCH(int, campo);
        QFETCH(QString, testo);
        QFETCH(bool, scritto);
        QFETCH(QByteArray, dopo);
        prova::CartellaDiProva cartella;
        if (!prima.isNull()) cartella.scriviFile("ImpoBin", prima.toStdString());
        const auto stato = cartella.stato();
        QCOMPARE(core::Scrivi_Impostazione(stato, campo, testo.toStdString()), scritto);
        QCOMPARE(fs::exists(stato.fileImpostazioni()), !dopo.isNull());
        QCOMPARE(byte(cartella.leggiFile("ImpoBin")), dopo);
        QVERIFY(!fs::exists(cartella.percorso() / "ImpoBin.nuovo"));
    }

    void lettura_data() {
        QTest::addColumn<QByteArray>("contenuto"); // null: no file
        QTest::addColumn<int>("campo");
        QTest::addColumn<QByteArray>("testo");
        QTest::addColumn<int>("numero");
        QTest::addRow("19-byte-di-20") << VENTI + " 42" << 1 << VENTI.left(19) << 0;
        QTest::addRow("campo-corto") << VENTI + " 42" << 2 << " 42" + spazi(16) << 42;
        QTest::addRow("oltre-la-fine") << QByteArray("ABCDEFGHIJ") << 2 << spazi(19) << 0;
        QTest::addRow("byte-nulli-dopo-il-testo") << NULLI << 3 << "12" + spazi(17) << 12;
        QTest::addRow("file-mancante") << QByteArray() << 23 << QByteArray("-1") << -1;
        QTest::addRow("campo-0") << VENTI << 0 << QByteArray("-1") << -1;
        QTest::addRow("campo-111") << VENTI << 111 << QByteArray("-1") << -1;
    }

    void lettura() {
        QFETCH(QByteArray, contenuto);
        QFETCH(int, campo);
        QFETCH(QByteArray, testo);
        QFETCH(int, numero);
        prova::CartellaDiProva cartella;
        if (!contenuto.isNull()) cartella.scriviFile("ImpoBin", contenuto.toStdString());
        const auto stato = cartella.stato();
        QCOMPARE(byte(core::Leggi_Impostazione(stato, campo)), testo);
        QCOMPARE(core::Leggi_Numero_Impostazione(stato, campo), numero);
        QCOMPARE(fs::exists(stato.fileImpostazioni()), !contenuto.isNull());
    }

    void scritturaFallitaLasciaIlFile() {
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        QVERIFY(core::Scrivi_Impostazione(stato, 3, "1"));
        const std::string prima = cartella.leggiFile("ImpoBin");
        // A folder where the new copy would be written makes the write fail before the old file is touched.
        fs::create_directory(cartella.percorso() / "ImpoBin.nuovo");
        QVERIFY(!core::Scrivi_Impostazione(stato, 3, "0"));
        QCOMPARE(byte(cartella.leggiFile("ImpoBin")), byte(prima));
    }

    void fileIlleggibileNonVieneSostituito_data() {
        QTest::addColumn<QString>(
            "destinazione"); // of ImpoBin, a link; opening or reading fails for root too
        QTest::addRow("collegamento-circolare") << "ImpoBin";
        QTest::addRow("errore-di-lettura") << "/proc/self/mem";
    }
    void fileIlleggibileNonVieneSostituito() {
        QFETCH(QString, destinazione);
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        fs::create_symlink(destinazione.toStdString(), stato.fileImpostazioni());
        QVERIFY(!core::Scrivi_Impostazione(stato, 3, "1"));
        QVERIFY(fs::is_symlink(stato.fileImpostazioni()));
        QVERIFY(core::Campo_Vuoto(stato, 3)); // its readers take their defaults
    }

    void maxConcorsiAnno() {
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        QCOMPARE(core::leggiMaxConcorsiAnno(stato), 260); // no settings file
        const std::pair<const char*, int> casi[] = {{"108", 108}, {"999", 999}, {"107", 260}, {"1000", 260}};
        for (const auto& [campo10, atteso] : casi) {
            QVERIFY(core::Scrivi_Impostazione(stato, 10, campo10));
            QCOMPARE(core::leggiMaxConcorsiAnno(stato), atteso);
        }
    }
};

QTEST_APPLESS_MAIN(TestImpostazioni)
#include "TestImpostazioni.moc"
