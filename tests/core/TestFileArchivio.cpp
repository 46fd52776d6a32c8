// The archive files of RUOTE/: counting the draws, record positions, missing files and folder.
#include "ArchivioDiProva.h"
#include "core/FileArchivio.h"

#include <QTest>

namespace fs = std::filesystem;

namespace {

const char* const NOMI[] = {"BARI",    "CAGLIARI", "FIRENZE", "GENOVA",  "MILANO", "NAPOLI",
                            "PALERMO", "ROMA",     "TORINO",  "VENEZIA", "DATA",   "CONCORSO"};

} // namespace

class TestFileArchivio : public QObject {
    Q_OBJECT

private slots:
    void contaEstrazioniECreaIFileMancanti_data() {
        QTest::addColumn<int>("byteBari"); // -1: no RUOTE folder
        QTest::addColumn<int>("attese");
        QTest::addRow("bari-vuoto") << 0 << 0;
        QTest::addRow("12-byte") << 12 << 2;
        QTest::addRow("13-byte") << 13 << 3;
        QTest::addRow("senza-cartella-ruote") << -1 << 0;
    }

    void contaEstrazioniECreaIFileMancanti() {
        QFETCH(int, byteBari);
        QFETCH(int, attese);
        prova::CartellaDiProva cartella;
        const std::string bari(static_cast<std::size_t>(std::max(byteBari, 0)), static_cast<char>(139));
        if (byteBari < 0)
            fs::remove_all(cartella.ruote());
        else
            cartella.scriviFile("RUOTE/BARI", bari);
        auto stato = cartella.stato();
        stato.Estrazioni_In_Archivio = 99;
        core::FileArchivio file(stato);
        QCOMPARE(file.Conta_Estrazioni_Archivio(), attese);
        QCOMPARE(stato.Estrazioni_In_Archivio, attese);
        QVERIFY(!file.aperto(1));
        QCOMPARE(file.lunghezza(1), static_cast<long long>(byteBari));
        file.Apri_File_Ruote();
        std::uint8_t record[5];
        QCOMPARE(file.leggiRecord(1, 1, 1, record), std::min(attese, 1));

        // Every missing file is created empty (DATA and CONCORSO by their first read); BARI is kept.
        QCOMPARE(file.Leggi_Data_Archivio(1), std::string(10, ' '));
        QCOMPARE(file.Leggi_Concorso_Archivio(1), std::string(8, ' '));
        for (const char* nome : NOMI) {
            QCOMPARE(fs::is_regular_file(cartella.ruote() / nome), byteBari >= 0);
            QCOMPARE(cartella.leggiFile(fs::path("RUOTE") / nome), std::string(nome) == "BARI" ? bari : "");
        }
    }

    void lettureOltreLaFine() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio({prova::estrazione(1, 2, 1990, 1, 1), prova::estrazione(2, 2, 1990, 2, 2),
                                 prova::estrazione(3, 2, 1990, 3, 3)});
        auto stato = cartella.stato();
        core::FileArchivio file(stato);
        // A read that runs past the end counts only the whole records it got, from record n at byte 5n-4.
        file.Apri_File_Ruote();
        std::string blocco(50, '\0');
        QCOMPARE(file.leggiRecord(10, 2, 10, reinterpret_cast<std::uint8_t*>(blocco.data())), 2);
        QCOMPARE(blocco.substr(0, 10), cartella.leggiFile("RUOTE/VENEZIA").substr(5, 10));
        QCOMPARE(file.leggiRecord(1, 4, 1, reinterpret_cast<std::uint8_t*>(blocco.data())), 0);

        // A text read reopens its file, so it sees it replaced; a record past the end or cut short is blank.
        QCOMPARE(file.Leggi_Data_Archivio(1), prova::testoData(1, 2, 1990));
        QCOMPARE(file.Leggi_Concorso_Archivio(2), prova::testoConcorso(2, 1990));
        const auto sostituisci = [&](const std::string& nome, const std::string& byte) {
            cartella.scriviFile("RUOTE/nuovo", byte);
            fs::rename(cartella.ruote() / "nuovo", cartella.ruote() / nome);
        };
        sostituisci("CONCORSO", prova::testoConcorso(1, 2004) + prova::testoConcorso(2, 2004));
        QCOMPARE(file.Leggi_Concorso_Archivio(2), prova::testoConcorso(2, 2004));
        sostituisci("DATA", prova::testoData(9, 9, 2009) + "12/03/");
        QCOMPARE(file.Leggi_Data_Archivio(1), prova::testoData(9, 9, 2009));
        for (int n : {2, 3, 0, -4})
            QCOMPARE(file.Leggi_Data_Archivio(n), std::string(10, ' '));
        for (int n : {3, 0, -4})
            QCOMPARE(file.Leggi_Concorso_Archivio(n), std::string(8, ' '));
        QVERIFY(file.aperto(core::FILE_DATA) && file.aperto(core::FILE_CONCORSO));
        file.Chiudi_File_Archivio();
        QVERIFY(!file.aperto(core::FILE_DATA) && !file.aperto(core::FILE_CONCORSO));
    }
};

QTEST_APPLESS_MAIN(TestFileArchivio)
#include "TestFileArchivio.moc"
