// The archive files of RUOTE/: counting the draws, record positions, missing files and folder.
#include "ArchivioDiProva.h"
#include "core/FileArchivio.h"
#include "core/Lotto.h"

#include <QTest>

namespace fs = std::filesystem;

namespace {

QByteArray byte(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

const char* const NOMI[] = {"BARI",   "CAGLIARI", "FIRENZE", "GENOVA", "MILANO", "NAPOLI",
                            "PALERMO", "ROMA",     "TORINO",  "VENEZIA", "DATA",   "CONCORSO"};

std::vector<prova::Estrazione> estrazioni(int quante) {
    std::vector<prova::Estrazione> tutte;
    for (int n = 1; n <= quante; ++n)
        tutte.push_back(prova::estrazione(1 + n % 28, 1 + n % 12, 1990 + n / 150, n % 150 + 1, n));
    return tutte;
}

} // namespace

class TestFileArchivio : public QObject {
    Q_OBJECT

private slots:
    void contaEstrazioni_data();
    void contaEstrazioni();
    void senzaCartellaRuote();
    void fileMancantiCreatiVuoti();
    void recordAlleLoroPosizioni();
    void testiOltreLaFine();
    void rileggeIlFileAdOgniChiamata();
};

void TestFileArchivio::contaEstrazioni_data() {
    QTest::addColumn<int>("byteBari");
    QTest::addColumn<int>("attese");
    QTest::addRow("vuoto") << 0 << 0;
    QTest::addRow("2-byte") << 2 << 0;
    QTest::addRow("3-byte") << 3 << 1;
    QTest::addRow("5-byte") << 5 << 1;
    QTest::addRow("12-byte") << 12 << 2;
    QTest::addRow("13-byte") << 13 << 3;
    QTest::addRow("32000-estrazioni") << 160000 << 32000;
}

void TestFileArchivio::contaEstrazioni() {
    QFETCH(int, byteBari);
    QFETCH(int, attese);
    prova::CartellaDiProva cartella;
    const std::string bari(static_cast<std::size_t>(byteBari), static_cast<char>(139));
    cartella.scriviFile("RUOTE/BARI", bari);
    auto stato = cartella.stato();
    stato.Estrazioni_In_Archivio = 99;
    core::FileArchivio file(stato);
    QCOMPARE(file.Conta_Estrazioni_Archivio(), attese);
    QCOMPARE(stato.Estrazioni_In_Archivio, attese);
    QVERIFY(!file.aperto(1));
    QCOMPARE(cartella.leggiFile("RUOTE/BARI"), bari);
}

void TestFileArchivio::senzaCartellaRuote() {
    prova::CartellaDiProva cartella;
    fs::remove_all(cartella.ruote());
    auto stato = cartella.stato();
    stato.Estrazioni_In_Archivio = 7;
    core::FileArchivio file(stato);
    QCOMPARE(file.Conta_Estrazioni_Archivio(), 0);
    QCOMPARE(stato.Estrazioni_In_Archivio, 0);
    QCOMPARE(file.Leggi_Data_Archivio(1), std::string(10, ' '));
    QCOMPARE(file.Leggi_Concorso_Archivio(1), std::string(8, ' '));
    std::uint8_t record[5] = {1, 2, 3, 4, 5};
    file.Apri_File_Ruote();
    QCOMPARE(file.leggiRecord(1, 1, 1, record), 0);
    QCOMPARE(file.lunghezza(1), -1LL);
}

void TestFileArchivio::fileMancantiCreatiVuoti() {
    prova::CartellaDiProva cartella;
    const int numeri[] = {10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::string bari = core::Comprimi_Estrazione(numeri, 10);
    cartella.scriviFile("RUOTE/BARI", bari);
    auto stato = cartella.stato();
    core::FileArchivio file(stato);
    QCOMPARE(file.Conta_Estrazioni_Archivio(), 2);
    QVERIFY(!fs::exists(cartella.ruote() / "DATA"));
    // Counting opens the wheel files; DATA and CONCORSO are created by their own first open.
    QCOMPARE(file.Leggi_Data_Archivio(1), std::string(10, ' '));
    QCOMPARE(file.Leggi_Concorso_Archivio(1), std::string(8, ' '));
    for (const char* nome : NOMI) {
        QVERIFY2(fs::is_regular_file(cartella.ruote() / nome), nome);
        if (std::string(nome) != "BARI") QCOMPARE(fs::file_size(cartella.ruote() / nome), std::uintmax_t(0));
    }
    QCOMPARE(cartella.leggiFile("RUOTE/BARI"), bari);
}

void TestFileArchivio::recordAlleLoroPosizioni() {
    prova::CartellaDiProva cartella;
    const auto tutte = estrazioni(120);
    cartella.scriviArchivio(tutte);
    auto stato = cartella.stato();
    core::FileArchivio file(stato);
    QCOMPARE(file.Conta_Estrazioni_Archivio(), 120);

    const std::string date = cartella.leggiFile("RUOTE/DATA");
    const std::string concorsi = cartella.leggiFile("RUOTE/CONCORSO");
    for (int n : {1, 100}) {
        const auto& e = tutte[static_cast<std::size_t>(n - 1)];
        const std::string data = file.Leggi_Data_Archivio(n);
        const std::string concorso = file.Leggi_Concorso_Archivio(n);
        QCOMPARE(data, prova::testoData(e.giorno, e.mese, e.anno));
        QCOMPARE(concorso, prova::testoConcorso(e.concorso, e.anno));
        QCOMPARE(data, date.substr(static_cast<std::size_t>(10 * n - 10), 10));         // bytes 10n-9..10n
        QCOMPARE(concorso, concorsi.substr(static_cast<std::size_t>(8 * n - 8), 8));    // bytes 8n-7..8n
    }

    file.Apri_File_Ruote();
    for (int w : {1, 10}) {
        const std::string ruota = cartella.leggiFile(fs::path("RUOTE") / NOMI[w - 1]);
        const auto& numeri = tutte[99].ruote[static_cast<std::size_t>(w - 1)];
        const int conConteggio[6] = {5, numeri[0], numeri[1], numeri[2], numeri[3], numeri[4]};
        std::string record(5, '\0');
        QCOMPARE(file.leggiRecord(w, 100, 1, reinterpret_cast<std::uint8_t*>(record.data())), 1);
        QCOMPARE(byte(record), byte(ruota.substr(495, 5))); // bytes 496-500
        QCOMPARE(byte(record), byte(core::Comprimi_Estrazione(conConteggio, 5)));
    }
    // A read that runs past the end counts only the whole records it got.
    std::vector<std::uint8_t> blocco(50);
    QCOMPARE(file.leggiRecord(1, 119, 10, blocco.data()), 2);
    QCOMPARE(file.leggiRecord(1, 121, 1, blocco.data()), 0);
}

void TestFileArchivio::testiOltreLaFine() {
    prova::CartellaDiProva cartella;
    cartella.scriviArchivio(estrazioni(2));
    cartella.scriviFile("RUOTE/DATA", prova::testoData(1, 2, 2003) + "12/03/");  // record 2 cut short
    auto stato = cartella.stato();
    core::FileArchivio file(stato);
    QCOMPARE(file.Leggi_Data_Archivio(1), prova::testoData(1, 2, 2003));
    for (int n : {2, 3, 0, -4}) {
        QCOMPARE(file.Leggi_Data_Archivio(n), std::string(10, ' '));
        if (n != 2) QCOMPARE(file.Leggi_Concorso_Archivio(n), std::string(8, ' '));
    }
}

void TestFileArchivio::rileggeIlFileAdOgniChiamata() {
    prova::CartellaDiProva cartella;
    cartella.scriviArchivio(estrazioni(3));
    auto stato = cartella.stato();
    core::FileArchivio file(stato);
    QCOMPARE(file.Leggi_Concorso_Archivio(2), prova::testoConcorso(3, 1990));
    QVERIFY(file.aperto(core::FILE_CONCORSO));
    cartella.scriviFile("RUOTE/CONCORSO", prova::testoConcorso(1, 2004) + prova::testoConcorso(2, 2004));
    QCOMPARE(file.Leggi_Concorso_Archivio(2), prova::testoConcorso(2, 2004));
    cartella.scriviFile("RUOTE/DATA", prova::testoData(9, 9, 2009));
    QCOMPARE(file.Leggi_Data_Archivio(1), prova::testoData(9, 9, 2009));
    file.Chiudi_File_Archivio();
    for (int f : {1, 5, 10, core::FILE_DATA, core::FILE_CONCORSO}) QVERIFY(!file.aperto(f));
}

QTEST_APPLESS_MAIN(TestFileArchivio)
#include "TestFileArchivio.moc"
