// The archive files of RUOTE/: counting the draws, record positions, missing files and folder.
#include "ArchivioDiProva.h"
#include "core/FileArchivio.h"

#include <QTest>

namespace fs = std::filesystem;

namespace {

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
    void contaEstrazioniECreaIFileMancanti_data() {
        QTest::addColumn<int>("byteBari"); // -1: no RUOTE folder
        QTest::addColumn<int>("attese");
        QTest::addRow("bari-vuoto") << 0 << 0;
        QTest::addRow("5-byte") << 5 << 1;
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

    void recordAlleLoroPosizioni() {
        prova::CartellaDiProva cartella;
        const auto tutte = estrazioni(120);
        cartella.scriviArchivio(tutte);
        auto stato = cartella.stato();
        core::FileArchivio file(stato);
        QCOMPARE(file.Conta_Estrazioni_Archivio(), 120);
        // Record n: bytes 10n-9..10n of DATA, 8n-7..8n of CONCORSO, 5n-4..5n of a wheel.
        for (int n : {1, 100}) {
            const auto& e = tutte[static_cast<std::size_t>(n - 1)];
            QCOMPARE(file.Leggi_Data_Archivio(n), prova::testoData(e.giorno, e.mese, e.anno));
            QCOMPARE(file.Leggi_Concorso_Archivio(n), prova::testoConcorso(e.concorso, e.anno));
        }
        file.Apri_File_Ruote();
        for (int w : {1, 10}) {
            std::string record(5, '\0');
            QCOMPARE(file.leggiRecord(w, 100, 1, reinterpret_cast<std::uint8_t*>(record.data())), 1);
            QCOMPARE(record, cartella.leggiFile(fs::path("RUOTE") / NOMI[w - 1]).substr(495, 5));
        }
        // A read that runs past the end counts only the whole records it got.
        std::vector<std::uint8_t> blocco(50);
        QCOMPARE(file.leggiRecord(1, 119, 10, blocco.data()), 2);
        QCOMPARE(file.leggiRecord(1, 121, 1, blocco.data()), 0);
    }

    void testiDiDataEConcorso() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(estrazioni(3));
        auto stato = cartella.stato();
        core::FileArchivio file(stato);
        QCOMPARE(file.Leggi_Data_Archivio(1), prova::testoData(2, 2, 1990));
        QCOMPARE(file.Leggi_Concorso_Archivio(2), prova::testoConcorso(3, 1990));
        // Each read reopens its file, so it sees it replaced; a record past the end or cut short is blank.
        const auto sostituisci = [&](const std::string& nome, const std::string& byte) {
            cartella.scriviFile("RUOTE/nuovo", byte);
            fs::rename(cartella.ruote() / "nuovo", cartella.ruote() / nome);
        };
        sostituisci("CONCORSO", prova::testoConcorso(1, 2004) + prova::testoConcorso(2, 2004));
        QCOMPARE(file.Leggi_Concorso_Archivio(2), prova::testoConcorso(2, 2004));
        sostituisci("DATA", prova::testoData(9, 9, 2009) + "12/03/");
        QCOMPARE(file.Leggi_Data_Archivio(1), prova::testoData(9, 9, 2009));
        for (int n : {2, 3, 0, -4}) QCOMPARE(file.Leggi_Data_Archivio(n), std::string(10, ' '));
        for (int n : {3, 0, -4}) QCOMPARE(file.Leggi_Concorso_Archivio(n), std::string(8, ' '));
        QVERIFY(file.aperto(core::FILE_DATA) && file.aperto(core::FILE_CONCORSO));
        file.Chiudi_File_Archivio();
        QVERIFY(!file.aperto(core::FILE_DATA) && !file.aperto(core::FILE_CONCORSO));
    }
};

QTEST_APPLESS_MAIN(TestFileArchivio)
#include "TestFileArchivio.moc"
