// The archive's owner and the loading: reading and checking a RUOTE folder, writing it back as one set,
// loading a window of its draws into memory, and what a damaged archive makes the loading say.
#include "ArchivioDiProva.h"
#include "core/Archivio.h"
#include "core/Caricamento.h"
#include "core/Lotto.h"

#include <QTest>

#include <map>

namespace fs = std::filesystem;

namespace {

using Interi = QList<int>;

// Every file of RUOTE/ with its bytes, to check that a reading rewrites and creates nothing.
std::map<fs::path, std::string> istantanea(const prova::CartellaDiProva& cartella) {
    std::map<fs::path, std::string> file;
    for (const auto& voce : fs::directory_iterator(cartella.ruote()))
        file[voce.path()] = cartella.leggiFile(fs::path("RUOTE") / voce.path().filename());
    return file;
}

// Loaded draw d holds the texts and numbers of `e`; without `e`, no texts and null wheels.
void confronta(core::Stato& stato, int d, const prova::Estrazione* e) {
    QCOMPARE(stato.Data_Estrazione[std::size_t(d)], e ? prova::testoData(e->giorno, e->mese, e->anno) : "");
    QCOMPARE(stato.Concorso_Estrazione[std::size_t(d)], e ? prova::testoConcorso(e->concorso, e->anno) : "");
    for (int w = 1; w <= 10; ++w) {
        core::LOTTO(stato).LeggiESTRAZIONE(w, d);
        const auto& n = e ? e->ruote[std::size_t(w - 1)] : std::array<int, 5>{};
        QCOMPARE(Interi(&stato.Numeri_Estratti[0], &stato.Numeri_Estratti[6]),
                 Interi{n[0] == 0 ? 0 : -1} + Interi(n.begin(), n.end()));
    }
}

} // namespace

class TestArchivio : public QObject {
    Q_OBJECT

private slots:
    void lettaUnaCartellaSiContanoEVerificanoLeEstrazioni() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(
            {prova::estrazione(2, 1, 2001, 1, 0), prova::estrazione(4, 1, 2001, 2, 1, {3})});
        // Two draws fit a limit of two, not of one; a third reads as missing.
        auto letto = core::Archivio::leggi(cartella.ruote());
        QVERIFY(letto && letto->estrazioni() == 2 && letto->verifica(2).coerente() &&
                !letto->verifica(1).coerente());
        QVERIFY(letto->Leggi_Concorso_Archivio(3) == std::string(8, ' ') && !letto->ruota(1, 3) &&
                !letto->ruota(1, 0));

        // 13 bytes of BARI count 3 draws (2.6 rounded); every other file is then short, BARI included.
        cartella.scriviFile("RUOTE/BARI", cartella.leggiFile("RUOTE/BARI") + "xyz");
        cartella.scriviFile("RUOTE/PALERMO", std::string(10, '\x01'));
        auto nazionale = cartella.leggiFile("RUOTE/NAZIONALE"); // its second record damaged too
        nazionale[5] = '\x01';
        cartella.scriviFile("RUOTE/NAZIONALE", nazionale);
        const auto verifica = core::Archivio::leggi(cartella.ruote())->verifica(32000);
        QCOMPARE(
            Interi({verifica.estrazioni, int(verifica.discordanti.size()), int(verifica.discordanti[0].byte),
                    verifica.recordDanneggiati, verifica.primoDanneggiato, verifica.ruotaPrimoDanneggiato}),
            Interi({3, 13, 13, 3, 1, 7}));
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
        const auto e = prova::perAnni({4});
        const auto a = e[0], b = e[1], c = e[2], d = e[3];
        prova::CartellaDiProva cartella, sola;
        cartella.scriviArchivio({a, b, c});
        sola.scriviArchivio({d, b});
        auto archivio = *core::Archivio::leggi(cartella.ruote());
        const auto db = *core::Archivio::leggi(sola.ruote()); // the records of d and b
        QVERIFY(archivio.inserisci(2, db.estrazione(1)));     // a d b c
        QVERIFY(archivio.elimina(3));                         // a d c
        QVERIFY(archivio.sostituisci(3, db.estrazione(2)));   // a d b
        archivio.accoda(db.estrazione(1));                    // a d b d
        QVERIFY(!archivio.elimina(5) && !archivio.inserisci(0, {}));

        const auto prima = prova::fotografia(cartella);
        const auto esito = archivio.scrivi(cartella.ruote(), [&](const std::string& passo) {
            return QString::fromStdString(passo) == guasto;
        });
        QCOMPARE(esito.riuscito(), guasto.isEmpty());
        // Nothing is left beside the twelve files: no new file waiting, no record of the operation.
        QCOMPARE(istantanea(cartella).size(), std::size_t(13));
        QCOMPARE(prova::fotografia(cartella), nuovo ? prova::attesi({a, d, b, d}) : prima);
    }

    void caricamento_data() {
        QTest::addColumn<int>("archivio"); // draws in the archive
        QTest::addColumn<int>("primo");    // records primo..primo+quante-1 are loaded
        QTest::addColumn<int>("quante");
        QTest::addColumn<Interi>("avanzamento"); // the calls of the progress display
        QTest::addColumn<Interi>("guasti");      // bytes damaged: archive record, wheel, byte 0..4, value
        QTest::addColumn<Interi>("danni");       // damaged records, first loaded draw holding one, its wheel
        const Interi nessuno{0, 0, 0};
        QTest::addRow("100-dalla-50") << 160 << 50 << 100 << Interi{31, 62, 93, 100} << Interi{} << nessuno;
        QTest::addRow("62-estrazioni") << 62 << 1 << 62 << Interi{31, 62} << Interi{} << nessuno;
        QTest::addRow("guasti-in-ordine-di-estrazione")
            << 8 << 1 << 8 << Interi{8} << Interi{5, 2, 0, 141, 3, 7, 2, 49} << Interi{2, 3, 7};
        QTest::addRow("guasti-nella-stessa-estrazione")
            << 8 << 1 << 8 << Interi{8} << Interi{4, 9, 0, 0, 4, 2, 4, 255} << Interi{2, 4, 2};
        QTest::addRow("guasti-prima-e-nella-finestra")
            << 8 << 4 << 5 << Interi{5} << Interi{2, 1, 0, 7, 6, 8, 0, 7} << Interi{1, 3, 8};
    }
    void caricamento() {
        QFETCH(int, archivio);
        QFETCH(int, primo);
        QFETCH(int, quante);
        QFETCH(Interi, avanzamento);
        QFETCH(Interi, guasti);
        QFETCH(Interi, danni);
        prova::CartellaDiProva cartella;
        auto tutte = prova::perAnni({archivio}), attese = tutte; // a damaged record is null in memory
        for (qsizetype i = 0; i < guasti.size(); i += 4) {
            tutte[guasti[i] - 1].ruote[guasti[i + 1] - 1][guasti[i + 2]] = 140 - guasti[i + 3];
            attese[guasti[i] - 1].ruote[guasti[i + 1] - 1] = {};
        }
        cartella.scriviArchivio(tutte);
        auto stato = cartella.stato();
        const auto prima = istantanea(cartella);
        const auto aperto = core::apriArchivio(stato);
        QCOMPARE(stato.Estrazioni_In_Archivio, archivio);
        core::START_Memorizzazione_Estrazioni(stato, aperto.archivio, 1, archivio);

        // A second load replaces the first: its records become draws 1.. and nothing else stays.
        Interi viste;
        const auto e = core::START_Memorizzazione_Estrazioni(stato, aperto.archivio, primo, quante,
                                                             [&](int d) { viste << d; });
        QCOMPARE(viste, avanzamento);
        QCOMPARE(Interi({e.recordDanneggiati, e.primoDanneggiato, e.ruotaPrimoDanneggiato}), danni);
        QCOMPARE(stato.Estrazioni_Caricate, quante);
        for (int d = 0; d <= archivio; ++d)
            confronta(stato, d, d >= 1 && d <= quante ? &attese[std::size_t(primo + d - 2)] : nullptr);
        QVERIFY(istantanea(cartella) == prima);
    }

    void fileDiLunghezzeDiverse() {
        prova::CartellaDiProva cartella;
        const auto tutte = prova::perAnni({6});
        cartella.scriviArchivio(tutte);
        cartella.scriviFile("RUOTE/ROMA", cartella.leggiFile("RUOTE/ROMA").substr(0, 22)); // 4 and a bit
        cartella.scriviFile("RUOTE/TORINO", cartella.leggiFile("RUOTE/TORINO") + "\x80\x80\x80\x80\x80");
        cartella.scriviFile("RUOTE/DATA", cartella.leggiFile("RUOTE/DATA").substr(0, 53)); // 5 and a bit
        const auto prima = istantanea(cartella);
        auto stato = cartella.stato();
        const auto aperto = core::apriArchivio(stato);
        QCOMPARE(stato.Estrazioni_In_Archivio, 6);
        // Every file named in the box, and each one on its own line of the command line.
        QVERIFY(aperto.discordanza);
        QVERIFY2(aperto.discordanza->finestra.find(
                     "\n\nROMA: 22 byte (4 estrazioni intere)\nTORINO: 35 byte (7 "
                     "estrazioni intere)\nDATA: 53 byte (5 estrazioni intere)\n\n") != std::string::npos,
                 aperto.discordanza->finestra.c_str());
        const auto& riga = aperto.discordanza->riga;
        QVERIFY2(
            std::count(riga.begin(), riga.end(), '\n') == 3 &&
                riga.find("Attenzione: il file TORINO non ha 6 estrazioni; quelle mancanti sono lette come "
                          "nulle.\n") != std::string::npos,
            riga.c_str());

        // Past a file's end, or in a record cut short, a draw gets a null record or a blank text.
        QCOMPARE(core::START_Memorizzazione_Estrazioni(stato, aperto.archivio, 1, 6).estrazioniIncomplete, 2);
        auto attese = tutte;
        attese[4].ruote[7] = attese[5].ruote[7] = {};
        for (int d = 1; d <= 5; ++d)
            confronta(stato, d, &attese[std::size_t(d - 1)]);
        QCOMPARE(stato.Data_Estrazione[6], std::string(10, ' '));
        QVERIFY(istantanea(cartella) == prima);

        // A file that cannot be read is one more file of the wrong length; its records read as null.
        // An emptied one still reads: 0 bytes.
        fs::remove(cartella.ruote() / "CAGLIARI");
        fs::create_directory(cartella.ruote() / "CAGLIARI");
        cartella.scriviFile("RUOTE/MILANO", "");
        const auto illeggibile = core::apriArchivio(stato);
        QVERIFY(illeggibile.discordanza && illeggibile.discordanza->finestra.find(
                                               "\nCAGLIARI: non leggibile\nMILANO: 0 byte (0 estrazioni "
                                               "intere)\n") != std::string::npos);
        core::START_Memorizzazione_Estrazioni(stato, illeggibile.archivio, 1, 6);
        attese[0].ruote[1] = attese[0].ruote[4] = {};
        confronta(stato, 1, &attese[0]);
    }
};

QTEST_APPLESS_MAIN(TestArchivio)
#include "TestArchivio.moc"
