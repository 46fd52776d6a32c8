// The settings file ImpoBin: 20-byte slots, byte-exact writes, fallbacks of its readers.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "core/Impostazioni.h"

#include <QTest>

namespace fs = std::filesystem;

namespace {

QByteArray byte(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }
std::string spazi(std::size_t quanti) { return std::string(quanti, ' '); }

} // namespace

class TestImpostazioni : public QObject {
    Q_OBJECT

private slots:
    void primaScritturaCreaIlFile();
    void scritturaTogliGliSpazi();
    void lunghezzaDelTesto_data();
    void lunghezzaDelTesto();
    void campoFuoriIntervallo_data();
    void campoFuoriIntervallo();
    void fileMancante();
    void riscritturaToccaSoloIlCampo();
    void campiOltreLaFine();
    void byteNulliSonoSpazi();
    void scritturaFallitaLasciaIlFile();
    void maxConcorsiAnno_data();
    void maxConcorsiAnno();
};

void TestImpostazioni::primaScritturaCreaIlFile() {
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    QVERIFY(core::Scrivi_Impostazione(stato, 3, "1"));
    QCOMPARE(byte(cartella.leggiFile("ImpoBin")), byte(spazi(40) + "1" + spazi(18)));
    QCOMPARE(core::Leggi_Impostazione(stato, 3), "1" + spazi(18));
    QCOMPARE(core::Leggi_Impostazione(stato, 100), spazi(19));
    QCOMPARE(core::Leggi_Numero_Impostazione(stato, 100), 0);
    QCOMPARE(core::Leggi_Numero_Impostazione(stato, 3), 1);
    QVERIFY(!fs::exists(cartella.percorso() / "ImpoBin.nuovo"));
}

void TestImpostazioni::scritturaTogliGliSpazi() {
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    QVERIFY(core::Scrivi_Impostazione(stato, 13, " 6"));
    QCOMPARE(byte(cartella.leggiFile("ImpoBin")), byte(spazi(240) + "6" + spazi(18)));
    QVERIFY(core::Scrivi_Impostazione(stato, 13, "   "));
    QCOMPARE(byte(cartella.leggiFile("ImpoBin")), byte(spazi(259)));
}

void TestImpostazioni::lunghezzaDelTesto_data() {
    QTest::addColumn<QByteArray>("testo");
    QTest::addColumn<bool>("scritto");
    QTest::addColumn<QByteArray>("slot");  // bytes 21-41 afterwards: slot 2 and the first byte of slot 3
    QTest::addColumn<QByteArray>("letto"); // field 2 read back
    const QByteArray prima = QByteArray(20, ' ') + "0";
    QTest::addRow("19-caratteri") << QByteArray("ABCDEFGHIJKLMNOPQRS") << true << QByteArray("ABCDEFGHIJKLMNOPQRS 0")
                                  << QByteArray("ABCDEFGHIJKLMNOPQRS");
    QTest::addRow("20-caratteri") << QByteArray("ABCDEFGHIJKLMNOPQRST") << true << QByteArray("ABCDEFGHIJKLMNOPQRST0")
                                  << QByteArray("ABCDEFGHIJKLMNOPQRS");
    QTest::addRow("20-con-spazio") << QByteArray(" ABCDEFGHIJKLMNOPQRS") << true << QByteArray("ABCDEFGHIJKLMNOPQRS 0")
                                   << QByteArray("ABCDEFGHIJKLMNOPQRS");
    QTest::addRow("21-caratteri") << QByteArray("ABCDEFGHIJKLMNOPQRSTU") << false << prima << QByteArray(19, ' ');
    QTest::addRow("21-con-spazio") << QByteArray(" ABCDEFGHIJKLMNOPQRST") << false << prima << QByteArray(19, ' ');
}

void TestImpostazioni::lunghezzaDelTesto() {
    QFETCH(QByteArray, testo);
    QFETCH(bool, scritto);
    QFETCH(QByteArray, slot);
    QFETCH(QByteArray, letto);
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    QVERIFY(core::Scrivi_Impostazione(stato, 3, "0"));
    const std::string prima = cartella.leggiFile("ImpoBin");
    QCOMPARE(core::Scrivi_Impostazione(stato, 2, testo.toStdString()), scritto);
    const std::string dopo = cartella.leggiFile("ImpoBin");
    QCOMPARE(byte(dopo.substr(20, 21)), slot);
    QCOMPARE(byte(core::Leggi_Impostazione(stato, 2)), letto);
    if (!scritto) QCOMPARE(byte(dopo), byte(prima));
}

void TestImpostazioni::campoFuoriIntervallo_data() {
    QTest::addColumn<int>("campo");
    QTest::addRow("zero") << 0;
    QTest::addRow("111") << 111;
    QTest::addRow("negativo") << -1;
}

void TestImpostazioni::campoFuoriIntervallo() {
    QFETCH(int, campo);
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    QVERIFY(!core::Scrivi_Impostazione(stato, campo, "5"));
    QVERIFY(!fs::exists(stato.fileImpostazioni()));
    QCOMPARE(core::Leggi_Impostazione(stato, campo), std::string("-1"));

    QVERIFY(core::Scrivi_Impostazione(stato, 110, "7"));
    const std::string prima = cartella.leggiFile("ImpoBin");
    QCOMPARE(prima.size(), std::size_t(2200 - 1));
    QVERIFY(!core::Scrivi_Impostazione(stato, campo, "5"));
    QCOMPARE(core::Leggi_Impostazione(stato, campo), std::string("-1"));
    QCOMPARE(byte(cartella.leggiFile("ImpoBin")), byte(prima));
}

void TestImpostazioni::fileMancante() {
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    for (int campo : {1, 10, 23, 86, 110}) {
        QCOMPARE(core::Leggi_Impostazione(stato, campo), std::string("-1"));
        QCOMPARE(core::Leggi_Numero_Impostazione(stato, campo), -1);
    }
    QVERIFY(!fs::exists(stato.fileImpostazioni()));
}

void TestImpostazioni::riscritturaToccaSoloIlCampo() {
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    QVERIFY(core::Scrivi_Impostazione(stato, 1, "11"));
    QVERIFY(core::Scrivi_Impostazione(stato, 3, "33"));
    QVERIFY(core::Scrivi_Impostazione(stato, 2, "ABCDEFGHIJKLMNOPQRST"));
    QVERIFY(core::Scrivi_Impostazione(stato, 2, "7"));
    // The 20th byte of a slot is only ever written by a 20-character text.
    QCOMPARE(byte(cartella.leggiFile("ImpoBin")),
             byte("11" + spazi(18) + "7" + spazi(18) + "T" + "33" + spazi(17)));
    QCOMPARE(core::Leggi_Numero_Impostazione(stato, 2), 7);
}

void TestImpostazioni::campiOltreLaFine() {
    prova::CartellaDiProva cartella;
    cartella.scriviFile("ImpoBin", "ABCDEFGHIJ");
    const auto stato = cartella.stato();
    QCOMPARE(core::Leggi_Impostazione(stato, 1), "ABCDEFGHIJ" + spazi(9));
    QCOMPARE(core::Leggi_Impostazione(stato, 2), spazi(19));
    QVERIFY(core::Scrivi_Impostazione(stato, 5, "9"));
    QCOMPARE(byte(cartella.leggiFile("ImpoBin")), byte("ABCDEFGHIJ" + spazi(70) + "9" + spazi(18)));
    QCOMPARE(core::Leggi_Impostazione(stato, 4), spazi(19));
    QCOMPARE(core::Leggi_Impostazione(stato, 6), spazi(19));
}

void TestImpostazioni::byteNulliSonoSpazi() {
    prova::CartellaDiProva cartella;
    const std::string contenuto = spazi(20) + std::string(20, '\0') + "12" + std::string(18, '\0');
    cartella.scriviFile("ImpoBin", contenuto);
    const auto stato = cartella.stato();
    QCOMPARE(core::Leggi_Impostazione(stato, 2), spazi(19));
    QCOMPARE(core::Leggi_Numero_Impostazione(stato, 2), 0);
    QCOMPARE(core::Leggi_Impostazione(stato, 3), "12" + spazi(17));
    QCOMPARE(core::Leggi_Numero_Impostazione(stato, 3), 12);
    QVERIFY(core::Scrivi_Impostazione(stato, 1, "4"));
    QCOMPARE(byte(cartella.leggiFile("ImpoBin")), byte("4" + spazi(19) + contenuto.substr(20)));
}

void TestImpostazioni::scritturaFallitaLasciaIlFile() {
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    QVERIFY(core::Scrivi_Impostazione(stato, 3, "1"));
    const std::string prima = cartella.leggiFile("ImpoBin");
    // A directory where the new copy would be written makes the write fail before the old file is touched.
    fs::create_directory(cartella.percorso() / "ImpoBin.nuovo");
    QVERIFY(!core::Scrivi_Impostazione(stato, 3, "0"));
    QCOMPARE(byte(cartella.leggiFile("ImpoBin")), byte(prima));
    QCOMPARE(core::Leggi_Numero_Impostazione(stato, 3), 1);
}

void TestImpostazioni::maxConcorsiAnno_data() {
    QTest::addColumn<bool>("conFile");
    QTest::addColumn<QByteArray>("campo10");
    QTest::addColumn<int>("atteso");
    QTest::addRow("156") << true << QByteArray("156") << 156;
    QTest::addRow("108") << true << QByteArray("108") << 108;
    QTest::addRow("999") << true << QByteArray("999") << 999;
    QTest::addRow("107") << true << QByteArray("107") << 260;
    QTest::addRow("50") << true << QByteArray("50") << 260;
    QTest::addRow("1000") << true << QByteArray("1000") << 260;
    QTest::addRow("meno-uno") << true << QByteArray("-1") << 260;
    QTest::addRow("vuoto") << true << QByteArray() << 260;
    QTest::addRow("file-mancante") << false << QByteArray() << 260;
}

void TestImpostazioni::maxConcorsiAnno() {
    QFETCH(bool, conFile);
    QFETCH(QByteArray, campo10);
    QFETCH(int, atteso);
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    if (conFile) {
        QVERIFY(core::Scrivi_Impostazione(stato, 11, "0"));
        if (!campo10.isEmpty()) QVERIFY(core::Scrivi_Impostazione(stato, 10, campo10.toStdString()));
    }
    QCOMPARE(core::leggiMaxConcorsiAnno(stato), atteso);
}

QTEST_APPLESS_MAIN(TestImpostazioni)
#include "TestImpostazioni.moc"
