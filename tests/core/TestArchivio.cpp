// The archive's owner: the record formats, reading and checking a whole RUOTE folder, changing draws in
// memory and writing the twelve files back as one set.
#include "ArchivioDiProva.h"
#include "core/Archivio.h"

#include <QTest>

namespace fs = std::filesystem;

class TestArchivio : public QObject {
    Q_OBJECT

private slots:
    void numeriEDateSiCodificanoComeNeiFile() {
        for (int n = 0; n <= 90; ++n)
            QCOMPARE(core::decodificaNumero(core::codificaNumero(n)), n);
        QCOMPARE(core::codificaNumero(7), std::uint8_t{133});
        QCOMPARE(core::codificaNumero(91), core::CODICE_NULLO);
        QCOMPARE(core::decodificaNumero(49), -1);
        QCOMPARE(core::decodificaNumero(141), -1);
        const std::uint8_t danneggiato[5] = {139, 138, 30, 136, 135}, nullo[5] = {140, 140, 140, 140, 140};
        int numeri[5];
        QVERIFY(!core::decodificaRuota(danneggiato, numeri));
        QVERIFY(!core::decodificaRuota(nullo, numeri));
        QVERIFY(core::recordDanneggiato(danneggiato) && !core::recordDanneggiato(nullo));

        QCOMPARE(core::Data({2003, 3, 5}).record(), std::string(" 5/ 3/2003"));
        QCOMPARE(core::Data::daRecord("05/03/2003"), core::Data({2003, 3, 5}));
        QCOMPARE(core::recordConcorso(7, 2003), std::string("  7/2003"));
        QCOMPARE(core::recordConcorso(105, 2003), std::string("105/2003"));
        QCOMPARE(core::Concorso::daRecord(" 12/1999").numero, 12);
        QCOMPARE(core::Concorso::daRecord(" 12/1999").anno, 1999);
    }

    void leDateSonoQuelleDelCalendario_data() {
        QTest::addColumn<int>("giorno");
        QTest::addColumn<int>("mese");
        QTest::addColumn<int>("anno");
        QTest::addColumn<int>("settimana"); // 0: not a calendar date of the archive's years
        QTest::addRow("mercoledi") << 5 << 3 << 2003 << 3;
        QTest::addRow("29-febbraio-bisestile") << 29 << 2 << 2000 << 2;
        QTest::addRow("29-febbraio-comune") << 29 << 2 << 2001 << 0;
        QTest::addRow("29-febbraio-1900") << 29 << 2 << 1900 << 0;
        QTest::addRow("31-aprile") << 31 << 4 << 2020 << 0;
        QTest::addRow("mese-13") << 1 << 13 << 2020 << 0;
        QTest::addRow("prima-del-1871") << 1 << 1 << 1870 << 0;
        QTest::addRow("domenica") << 6 << 12 << 2026 << 7;
    }

    void leDateSonoQuelleDelCalendario() {
        QFETCH(int, giorno);
        QFETCH(int, mese);
        QFETCH(int, anno);
        QFETCH(int, settimana);
        const core::Data data{anno, mese, giorno};
        QCOMPARE(data.valida(), settimana != 0);
        if (settimana != 0) QCOMPARE(data.giornoSettimana(), settimana);
    }

    void lettaUnaCartellaSiContanoEVerificanoLeEstrazioni() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(
            {prova::estrazione(2, 1, 2001, 1, 0), prova::estrazione(4, 1, 2001, 2, 1, {3})});
        auto letto = core::Archivio::leggi(cartella.ruote());
        QVERIFY(letto);
        QCOMPARE(letto->estrazioni(), 2);
        QVERIFY(letto->verifica(32000).coerente());
        QCOMPARE(letto->Leggi_Data_Archivio(2), std::string(" 4/ 1/2001"));
        QCOMPARE(letto->Leggi_Concorso_Archivio(3), std::string(8, ' '));
        QVERIFY(letto->ruota(3, 2) && letto->ruota(3, 2)[0] == core::CODICE_NULLO);
        QVERIFY(!letto->ruota(1, 3));
        QVERIFY(!letto->verifica(1).coerente()); // more draws than the limit

        // 13 bytes of BARI count 3 draws (2.6 rounded); every other file is then short, BARI included.
        cartella.scriviFile("RUOTE/BARI", cartella.leggiFile("RUOTE/BARI") + "xyz");
        cartella.scriviFile("RUOTE/PALERMO", std::string(10, '\x01'));
        const auto verifica = core::Archivio::leggi(cartella.ruote())->verifica(32000);
        QCOMPARE(verifica.estrazioni, 3);
        QCOMPARE(verifica.discordanti.size(), std::size_t{12});
        QCOMPARE(verifica.discordanti[0].byte, 13LL);
        QCOMPARE(verifica.recordDanneggiati, 2);
        QCOMPARE(verifica.primoDanneggiato, 1);
        QCOMPARE(verifica.ruotaPrimoDanneggiato, 7);

        fs::remove(cartella.ruote() / "DATA");
        fs::create_directory(cartella.ruote() / "DATA");
        QCOMPARE(core::Archivio::leggi(cartella.ruote()).codice(), core::Codice::FileIllegibile);
    }

    void leModificheSiScrivonoComeUnInsieme_data() {
        QTest::addColumn<QString>("guasto");
        QTest::addColumn<bool>("nuovo"); // the folder holds the new set afterwards
        QTest::addRow("riuscita") << QString() << true;
        QTest::addRow("scrittura-di-data") << "scrivi:DATA" << false;
        QTest::addRow("registro") << "registro" << false;
        QTest::addRow("dopo-il-punto-di-non-ritorno") << "sostituisci:ROMA" << true;
    }

    void leModificheSiScrivonoComeUnInsieme() {
        QFETCH(QString, guasto);
        QFETCH(bool, nuovo);
        using prova::estrazione;
        const auto a = estrazione(2, 1, 2001, 1, 0), b = estrazione(4, 1, 2001, 2, 1, {2}),
                   c = estrazione(6, 1, 2001, 3, 2), d = estrazione(9, 1, 2001, 4, 3);
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio({a, b, c});
        auto archivio = *core::Archivio::leggi(cartella.ruote());
        // The records of d and b, read from a folder that holds them.
        prova::CartellaDiProva sola;
        sola.scriviArchivio({d, b});
        const auto solaLetta = *core::Archivio::leggi(sola.ruote());
        QVERIFY(archivio.inserisci(2, solaLetta.estrazione(1)));   // a d b c
        QVERIFY(archivio.elimina(3));                              // a d c
        QVERIFY(archivio.sostituisci(3, solaLetta.estrazione(2))); // a d b
        archivio.accoda(solaLetta.estrazione(1));                  // a d b d
        QVERIFY(!archivio.elimina(5) && !archivio.inserisci(0, {}));

        const auto prima = prova::fotografia(cartella);
        const auto esito = archivio.scrivi(cartella.ruote(), [&](const std::string& passo) {
            return QString::fromStdString(passo) == guasto;
        });
        QCOMPARE(esito.riuscito(), guasto.isEmpty());
        QCOMPARE(prova::fotografia(cartella), nuovo ? prova::attesi({a, d, b, d}) : prima);
        QVERIFY(!fs::exists(core::registroArchivio(cartella.ruote())));
    }
};

QTEST_APPLESS_MAIN(TestArchivio)
#include "TestArchivio.moc"
