// Loading a window of the archive into memory, and what Inizializza_Dati_Archivio derives from it.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "core/Impostazioni.h"
#include "core/Lotto.h"

#include <QTest>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>

namespace fs = std::filesystem;

namespace {

using Interi = QList<int>;
const std::string NULLO(5, static_cast<char>(core::CODICE_NULLO));

/** Draw n has a null wheel n % 11 (none when 0). */
std::vector<prova::Estrazione> estrazioni(int quante) {
    std::vector<prova::Estrazione> tutte;
    for (int n = 1; n <= quante; ++n)
        tutte.push_back(prova::estrazione(1 + n % 28, 1 + n % 12, 2000 + n / 100, n % 100 + 1, n, {n % 11}));
    return tutte;
}

/** Every file of RUOTE/ with its bytes, to check that a load rewrites and creates nothing. */
std::map<fs::path, std::string> istantanea(const prova::CartellaDiProva& cartella) {
    std::map<fs::path, std::string> file;
    for (const auto& voce : fs::directory_iterator(cartella.ruote()))
        file[voce.path()] = cartella.leggiFile(fs::path("RUOTE") / voce.path().filename());
    return file;
}

/** The five bytes of wheel w in loaded draw d. */
std::string inMemoria(const core::Stato& stato, int w, int d) {
    return std::string(reinterpret_cast<const char*>(stato.Archivio_Estrazioni.record(w, d)), 5);
}

/** The record of wheel w of e as the file holds it: 140 - number, 140 for a null wheel. */
std::string record(const prova::Estrazione& e, int w) {
    std::string r;
    for (int n : e.ruote[static_cast<std::size_t>(w - 1)])
        r.push_back(static_cast<char>(140 - n));
    return r;
}

/** Loaded draw d holds archive draw e: its texts, and every wheel but those in `nulle`, which are null. */
void confronta(const core::Stato& stato, int d, const prova::Estrazione& e, std::vector<int> nulle = {}) {
    const auto i = static_cast<std::size_t>(d);
    QCOMPARE(stato.Data_Estrazione[i], prova::testoData(e.giorno, e.mese, e.anno));
    QCOMPARE(stato.Concorso_Estrazione[i], prova::testoConcorso(e.concorso, e.anno));
    for (int w = 1; w <= 10; ++w)
        QCOMPARE(inMemoria(stato, w, d), std::count(nulle.begin(), nulle.end(), w) ? NULLO : record(e, w));
}

} // namespace

class TestCaricamento : public QObject {
    Q_OBJECT

private slots:
    void caricamento_data() {
        QTest::addColumn<int>("archivio"); // draws in the archive
        QTest::addColumn<int>("primo");    // records primo..primo+quante-1 are loaded
        QTest::addColumn<int>("quante");
        QTest::addColumn<Interi>("avanzamento"); // the calls of the progress display
        QTest::addColumn<Interi>("guasti");      // bytes changed: archive record, wheel, byte 0..4, value
        QTest::addColumn<Interi>("danni");       // damaged records, first loaded draw holding one, its wheel
        const Interi nessuno{0, 0, 0};
        QTest::addRow("100-dalla-50") << 160 << 50 << 100 << Interi{31, 62, 93, 100} << Interi{} << nessuno;
        QTest::addRow("62-estrazioni") << 62 << 1 << 62 << Interi{31, 62} << Interi{} << nessuno;
        QTest::addRow("una-estrazione") << 1 << 1 << 1 << Interi{1} << Interi{} << nessuno;
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
        const auto tutte = estrazioni(archivio);
        cartella.scriviArchivio(tutte);
        auto stato = cartella.stato();
        for (qsizetype i = 0; i < guasti.size(); i += 4) {
            const auto nome = fs::path("RUOTE") / stato.Nome_Ruota[static_cast<std::size_t>(guasti[i + 1])];
            std::string byte = cartella.leggiFile(nome);
            byte.at(5 * guasti[i] - 5 + guasti[i + 2]) = static_cast<char>(guasti[i + 3]);
            cartella.scriviFile(nome, byte);
        }
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
        QCOMPARE(e.estrazioniIncomplete, 0);
        QCOMPARE(stato.Estrazioni_Caricate, quante);
        QVERIFY(stato.Archivio_Estrazioni.capacita() >= archivio + core::POSTI_DI_RISERVA);
        // A damaged record is null in memory; the other records of its draw are loaded as they are.
        for (int d = 1; d <= quante; ++d) {
            std::vector<int> nulle;
            for (qsizetype i = 0; i < guasti.size(); i += 4)
                if (guasti[i] == primo + d - 1) nulle.push_back(guasti[i + 1]);
            confronta(stato, d, tutte[primo + d - 2], nulle);
        }
        // Draw 0 and the draws past the loaded ones hold null records and no texts.
        for (int d = 0; d <= archivio; d = d == 0 ? quante + 1 : d + 1) {
            for (int w = 1; w <= 10; ++w)
                QCOMPARE(inMemoria(stato, w, d), NULLO);
            QVERIFY(stato.Data_Estrazione[d].empty() && stato.Concorso_Estrazione[d].empty());
        }
        QVERIFY(istantanea(cartella) == prima);
    }

    void lunghezzeDiverse() {
        prova::CartellaDiProva cartella;
        const auto tutte = estrazioni(6);
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
        const std::string elenco = "\n\nROMA: 22 byte (4 estrazioni intere)\nTORINO: 35 byte (7 estrazioni "
                                   "intere)\nDATA: 53 byte (5 estrazioni intere)\n\n";
        QVERIFY2(aperto.discordanza->finestra.find(elenco) != std::string::npos,
                 aperto.discordanza->finestra.c_str());
        QCOMPARE(aperto.discordanza->riga,
                 "Attenzione: il file ROMA non ha 6 estrazioni; quelle mancanti sono lette "
                 "come nulle.\nAttenzione: il file TORINO non ha 6 estrazioni; quelle "
                 "mancanti sono lette come nulle.\nAttenzione: il file DATA non ha 6 "
                 "estrazioni; quelle mancanti sono lette come nulle.\n");

        // Past a file's end, or in a record cut short, a draw gets a null record or a blank text.
        const auto esito = core::START_Memorizzazione_Estrazioni(stato, aperto.archivio, 1, 6);
        QCOMPARE(esito.estrazioniIncomplete, 2);
        for (int d = 1; d <= 5; ++d)
            confronta(stato, d, tutte[d - 1], {d == 5 ? 8 : 0});
        QCOMPARE(stato.Data_Estrazione[6], std::string(10, ' '));
        QCOMPARE(stato.Concorso_Estrazione[6], prova::testoConcorso(tutte[5].concorso, tutte[5].anno));
        QCOMPARE(inMemoria(stato, 8, 6), NULLO);
        QCOMPARE(inMemoria(stato, 9, 6), record(tutte[5], 9));
        QVERIFY(istantanea(cartella) == prima);

        // Counts past what the program manages load that many draws at most, in a capacity that fits.
        stato.Estrazioni_In_Archivio = INT32_MAX;
        core::START_Memorizzazione_Estrazioni(stato, aperto.archivio, 1, INT_MAX);
        QCOMPARE(stato.Estrazioni_Caricate, stato.Max_Estrazioni_Archivio);
        QCOMPARE(stato.Archivio_Estrazioni.capacita(),
                 stato.Max_Estrazioni_Archivio + core::POSTI_DI_RISERVA);
        QCOMPARE(stato.Data_Estrazione.size(),
                 std::size_t(stato.Max_Estrazioni_Archivio + core::POSTI_DI_RISERVA + 1));
        QCOMPARE(inMemoria(stato, 9, 6), record(tutte[5], 9));

        // A file that cannot be read is one more file of the wrong length; its records read as null.
        fs::remove(cartella.ruote() / "CAGLIARI");
        fs::create_directory(cartella.ruote() / "CAGLIARI");
        const auto illeggibile = core::apriArchivio(stato);
        QVERIFY(illeggibile.discordanza &&
                illeggibile.discordanza->finestra.find("\nCAGLIARI: non leggibile\n") != std::string::npos);
        core::START_Memorizzazione_Estrazioni(stato, illeggibile.archivio, 1, 6);
        QCOMPARE(inMemoria(stato, 2, 1), NULLO);
        QCOMPARE(inMemoria(stato, 3, 1), record(tutte[0], 3));
    }

    void tabelleDegliAnni_data() {
        QTest::addColumn<Interi>("anni");   // contest year of each loaded draw, counted from 2000
        QTest::addColumn<Interi>("attesi"); // Primo_Anno, Ultimo_Anno (from 2000), Numero_Anni, then each
                                            // year's first draw, last draw and count
        QTest::addRow("tre-anni") << Interi{1, 1, 2, 3, 3} << Interi{1, 3, 3, 1, 2, 2, 3, 3, 1, 4, 5, 2};
        QTest::addRow("anno-vuoto") << Interi{1, 1, 3} << Interi{1, 3, 3, 1, 2, 2, 0, 0, 0, 3, 3, 1};
        QTest::addRow("anno-basso-in-testa") << Interi{3, 1, 2, 3} << Interi{3, 3, 1, 1, 4, 2};
        QTest::addRow("anno-alto-in-coda") << Interi{1, 2, 3, 2} << Interi{1, 2, 2, 1, 1, 1, 2, 4, 2};
        QTest::addRow("anni-decrescenti") << Interi{3, 2} << Interi{3, 2, 0};
    }

    void tabelleDegliAnni() {
        QFETCH(Interi, anni);
        QFETCH(Interi, attesi);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        stato.Data_Estrazione = stato.Concorso_Estrazione = {""};
        for (int i = 0; i < anni.size(); ++i) {
            // The date's year differs on purpose: the year of a draw is the contest's.
            stato.Data_Estrazione.push_back(prova::testoData(1, 1, 2010 + anni[i]));
            stato.Concorso_Estrazione.push_back(prova::testoConcorso(i + 1, 2000 + anni[i]));
        }
        stato.Estrazioni_Caricate = static_cast<int>(anni.size());
        core::Inizializza_Dati_Archivio(stato);
        Interi trovati{stato.Primo_Anno - 2000, stato.Ultimo_Anno - 2000, stato.Numero_Anni};
        for (int anno = stato.Primo_Anno; anno <= stato.Ultimo_Anno; ++anno)
            trovati << stato.Prima_Estrazione_Anno(anno) << stato.Ultima_Estrazione_Anno(anno)
                    << stato.Estrazioni_Anno(anno);
        QCOMPARE(trovati, attesi);
        QCOMPARE(stato.Estrazione_Corrente, stato.Estrazioni_Caricate);
        // Years outside the range are not in the tables.
        for (int anno = 2000; anno <= 2006; ++anno)
            if (anno < stato.Primo_Anno || anno > stato.Ultimo_Anno)
                QCOMPARE(stato.Prima_Estrazione_Anno(anno) + stato.Ultima_Estrazione_Anno(anno) +
                             stato.Estrazioni_Anno(anno),
                         0);
    }

    void selezioneEGriglieDalleImpostazioni_data() {
        QTest::addColumn<QString>("campo23");
        QTest::addColumn<QString>("campo86");
        QTest::addColumn<Interi>("elenco"); // Elenco_Ruote_Selezionate afterwards, count first
        QTest::addColumn<int>("puntatore"); // Puntatore_Griglie afterwards
        const Interi immutata{1, 5};        // the selection set before: MILANO alone
        QTest::addRow("bari-e-venezia") << "1000000001"
                                        << "01" << Interi{2, 1, 10} << 1;
        QTest::addRow("undici-caratteri") << "01000000001"
                                          << "1" << Interi{1, 2} << 1;
        QTest::addRow("ultima-cifra-2") << "1000000002"
                                        << "2" << immutata << 0;
        QTest::addRow("cinque-caratteri") << "10000"
                                          << " " << immutata << 0;
        QTest::addRow("nessuna-ruota") << "0000000000"
                                       << "1" << immutata << 1;
    }

    void selezioneEGriglieDalleImpostazioni() {
        QFETCH(QString, campo23);
        QFETCH(QString, campo86);
        QFETCH(Interi, elenco);
        QFETCH(int, puntatore);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        QVERIFY(core::Scrivi_Impostazione(stato, 23, campo23.toStdString()));
        QVERIFY(core::Scrivi_Impostazione(stato, 86, campo86.toStdString()));
        stato.Ruota_Selezionata = {1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0};
        stato.Elenco_Ruote_Selezionate = {1, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        stato.Puntatore_Griglie = 1 - puntatore;
        core::Inizializza_Dati_Archivio(stato);
        const auto& lista = stato.Elenco_Ruote_Selezionate;
        QCOMPARE(Interi(lista.begin(), lista.begin() + elenco.size()), elenco);
        QCOMPARE(stato.Ruota_Selezionata[0], elenco[0]);
        for (int w = 1; w <= 10; ++w)
            QCOMPARE(stato.Ruota_Selezionata[w], elenco.mid(1).contains(w) ? -1 : 0);
        QCOMPARE(stato.Puntatore_Griglie, puntatore);
    }
};

QTEST_APPLESS_MAIN(TestCaricamento)
#include "TestCaricamento.moc"
