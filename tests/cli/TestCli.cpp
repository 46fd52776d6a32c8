#include "ArchivioDiProva.h"
#include "cli/Cli.h"

#include <QTest>

#include <cstdio>
#include <sstream>

namespace {

struct Esito {
    int codice = 0;
    std::string uscita, errori;
    std::vector<std::string> righe() const {
        std::vector<std::string> tutte;
        std::istringstream flusso(uscita);
        for (std::string riga; std::getline(flusso, riga);)
            tutte.push_back(riga);
        return tutte;
    }
};

Esito esegui(std::vector<std::string> argomenti) {
    std::ostringstream uscita, errori;
    Esito esito;
    esito.codice = cli::esegui(argomenti, uscita, errori);
    esito.uscita = uscita.str();
    esito.errori = errori.str();
    return esito;
}

/** Three years of four draws each: 2001 = 1..4, 2002 = 5..8, 2003 = 9..12. */
void scriviTreAnni(const prova::CartellaDiProva& cartella) {
    std::vector<prova::Estrazione> estrazioni;
    for (int i = 0; i < 12; ++i)
        estrazioni.push_back(prova::estrazione(1 + i, 3, 2001 + i / 4, 1 + i % 4, i));
    cartella.scriviArchivio(estrazioni);
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void scriveLeColonneScelteInOrdine();
    void periodoFrazionatoEACicliComeLaFinestra();
    void ambiInOrdineDiEnumerazione();
    void terniTuttiEPoiIPrimi();
    void errori_data();
    void errori();
    void importaEAggiorna();
    void numeriSulFileUfficiale_data();
    void numeriSulFileUfficiale();
};

void TestCli::scriveLeColonneScelteInOrdine() {
    prova::CartellaDiProva cartella;
    scriviTreAnni(cartella);
    const auto esito = esegui({"numeri", "--cartella", cartella.percorso().string(), "--ruote", "VE,BA"});
    QCOMPARE(esito.codice, 0);
    const auto righe = esito.righe();
    QCOMPARE(righe.size(), std::size_t(1 + 3 * 90));
    QCOMPARE(righe[0], std::string("colonna,numero,frequenza,ritardo_attuale,ritardo_massimo"));
    QCOMPARE(righe[1].substr(0, 4), std::string("0,1,"));
    QCOMPARE(righe[91].substr(0, 4), std::string("1,1,"));
    QCOMPARE(righe[181].substr(0, 5), std::string("10,1,"));
    QCOMPARE(righe[270].substr(0, 6), std::string("10,90,"));
    // prova::estrazione puts (7 * variante + 11 * w + 17 * i) % 90 + 1 on wheel w: 90 never comes out
    // on BARI in these twelve draws, so it shows frequency 0, current delay 12, maximum delay 0.
    QCOMPARE(righe[90 + 90], std::string("1,90,0,12,0"));
}

void TestCli::periodoFrazionatoEACicliComeLaFinestra() {
    prova::CartellaDiProva cartella;
    scriviTreAnni(cartella);
    const std::string dir = cartella.percorso().string();
    // Year 2002 as a cycle and as the range 5..8 count the same draws.
    const auto cicli =
        esegui({"numeri", "--cartella", dir, "--ruote", "MI", "--anno", "2002", "--cicli", "1"});
    const auto range = esegui({"numeri", "--cartella", dir, "--ruote", "MI", "--dal", "5", "--al", "8"});
    QCOMPARE(cicli.codice, 0);
    QCOMPARE(cicli.uscita, range.uscita);
    int conteggio = 0;
    for (const auto& riga : cicli.righe())
        if (riga.rfind("5,", 0) == 0) conteggio += std::stoi(riga.substr(riga.find(',', 2) + 1));
    QCOMPARE(conteggio, 4 * 5);
    const auto tutto = esegui({"numeri", "--cartella", dir, "--ruote", "MI"});
    QVERIFY(tutto.uscita != range.uscita);
}

void TestCli::ambiInOrdineDiEnumerazione() {
    prova::CartellaDiProva cartella;
    scriviTreAnni(cartella);
    const auto esito = esegui({"ambi", "--cartella", cartella.percorso().string(), "--ruote", "TO"});
    QCOMPARE(esito.codice, 0);
    const auto righe = esito.righe();
    QCOMPARE(righe.size(), std::size_t(1 + 2 * 4005));
    QCOMPARE(righe[0], std::string("colonna,a,b,frequenza,ritardo_attuale,ritardo_massimo"));
    QCOMPARE(righe[1].substr(0, 6), std::string("0,1,2,"));
    QCOMPARE(righe[4005].substr(0, 8), std::string("0,89,90,"));
    QCOMPARE(righe[4006].substr(0, 6), std::string("9,1,2,"));
    long long coppie = 0;
    for (std::size_t i = 4006; i < righe.size(); ++i)
        coppie += std::stoi(righe[i].substr(righe[i].find(',', righe[i].find(',', 2) + 1) + 1));
    QCOMPARE(coppie, 12LL * 10); // ten pairs in each of the twelve draws
}

void TestCli::terniTuttiEPoiIPrimi() {
    prova::CartellaDiProva cartella;
    scriviTreAnni(cartella);
    const std::vector<std::string> comando{"terni", "--cartella", cartella.percorso().string(), "--ruote",
                                           "TO"};
    const auto righe = esegui(comando).righe();
    QCOMPARE(righe.size(), std::size_t(1 + 2 * 117480));
    QCOMPARE(righe[0], std::string("colonna,a,b,c,frequenza,ritardo_attuale,ritardo_massimo"));
    QCOMPARE(righe[117481].substr(0, 8), std::string("9,1,2,3,"));
    // --primi K: the first K rows of each column, stably ordered by the key, largest first.
    auto conPrimi = comando;
    conPrimi.insert(conPrimi.end(), {"--ordina", "frequenza", "--primi", "150"});
    const auto primi = esegui(conPrimi).righe();
    QCOMPARE(primi.size(), std::size_t(1 + 2 * 150));
    for (std::size_t c = 0; c < 2; ++c) {
        std::vector<std::pair<int, std::string>> attese; // minus the frequency, the row
        for (std::size_t i = 1 + c * 117480, frequenza = 0; i <= (c + 1) * 117480; ++i)
            if (std::sscanf(righe[i].c_str(), "%*d,%*d,%*d,%*d,%zu", &frequenza) == 1)
                attese.emplace_back(-int(frequenza), righe[i]);
        std::stable_sort(attese.begin(), attese.end(), [](auto& x, auto& y) { return x.first < y.first; });
        for (std::size_t p = 0; p < 150; ++p)
            QCOMPARE(primi[1 + c * 150 + p], attese[p].second);
    }
}

void TestCli::errori_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("messaggio");
    QTest::addRow("nessun-comando") << QStringList{} << 2 << "manca il comando";
    QTest::addRow("comando-sconosciuto") << QStringList{"quaterne"} << 2 << "comando sconosciuto";
    QTest::addRow("senza-cartella") << QStringList{"numeri"} << 2 << "manca --cartella";
    QTest::addRow("ruota-sconosciuta")
        << QStringList{"numeri", "--cartella", "@", "--ruote", "BA,XX"} << 2 << "'XX'";
    QTest::addRow("dal-senza-al") << QStringList{"numeri", "--cartella", "@", "--dal", "3"} << 2 << "insieme";
    QTest::addRow("non-numerico") << QStringList{"numeri", "--cartella", "@", "--dal", "3x", "--al", "5"} << 2
                                  << "non numerico";
    QTest::addRow("entrambi-i-periodi") << QStringList{"numeri", "--cartella", "@",    "--dal",   "1", "--al",
                                                       "2",      "--anno",     "2001", "--cicli", "1"}
                                        << 2 << "non entrambi";
    QTest::addRow("primi-zero") << QStringList{"terni", "--cartella", "@", "--primi", "0"} << 2 << "almeno 1";
    QTest::addRow("primi-negli-ambi")
        << QStringList{"ambi", "--cartella", "@", "--primi", "5"} << 2 << "solo per il comando terni";
    QTest::addRow("oltre-l-archivio")
        << QStringList{"numeri", "--cartella", "@", "--dal", "1", "--al", "13"} << 2 << "fra 1 e 12";
    QTest::addRow("anno-assente") << QStringList{"numeri", "--cartella", "@", "--anno",
                                                 "1999",   "--cicli",    "1"}
                                  << 2 << "1999";
    QTest::addRow("troppi-cicli") << QStringList{"numeri", "--cartella", "@", "--anno",
                                                 "2002",   "--cicli",    "3"}
                                  << 2 << "fra 1 e 2";
    QTest::addRow("cartella-senza-archivio")
        << QStringList{"numeri", "--cartella", "/nessuna/cartella"} << 1 << "non esiste";
    QTest::addRow("importa-senza-file")
        << QStringList{"importa", "--cartella", "@"} << 2 << "manca il file da importare";
    QTest::addRow("importa-con-ruote") << QStringList{"importa", "--cartella", "@", "--ruote", "BA", "x.txt"}
                                       << 2 << "opzione sconosciuta per importa: --ruote";
    QTest::addRow("importa-due-file")
        << QStringList{"importa", "--cartella", "@", "a.txt", "b.txt"} << 2 << "un solo file";
    QTest::addRow("importa-senza-cartella")
        << QStringList{"importa", "--cartella", "/nessuna/cartella", "a.txt"} << 1 << "non esiste";
}

void TestCli::errori() {
    QFETCH(QStringList, argomenti);
    QFETCH(int, codice);
    QFETCH(QString, messaggio);
    prova::CartellaDiProva cartella;
    scriviTreAnni(cartella);
    std::vector<std::string> argv;
    for (const QString& a : argomenti)
        argv.push_back(a == "@" ? cartella.percorso().string() : a.toStdString());
    const auto esito = esegui(argv);
    QCOMPARE(esito.codice, codice);
    QVERIFY(esito.uscita.empty());
    QVERIFY2(QString::fromStdString(esito.errori).contains(messaggio), esito.errori.c_str());
}

void TestCli::importaEAggiorna() {
    prova::CartellaDiProva cartella;
    std::filesystem::remove_all(cartella.ruote()); // a new program folder
    const std::string dir = cartella.percorso().string(), file = dir + "/storico.txt";
    std::vector<prova::Estrazione> estrazioni;
    for (int i = 0; i < 5; ++i)
        estrazioni.push_back(prova::estrazione(1 + i, 3, 2001, 1 + i, i));
    const auto importa = [&](std::string testo, bool aggiungi) {
        cartella.scriviFile("storico.txt", testo);
        return aggiungi ? esegui({"importa", "--cartella", dir, "--aggiungi", file})
                        : esegui({"importa", "--cartella", dir, file});
    };
    auto esito = importa(prova::testoStorico({estrazioni.begin(), estrazioni.begin() + 3}), false);
    QCOMPARE(esito.codice, 0);
    QVERIFY2(esito.uscita.find("Estrazioni: 3, dal 1/3/2001 al 3/3/2001.\n") != std::string::npos,
             esito.uscita.c_str());
    QVERIFY(esito.uscita.find("L'archivio è stato creato: 3 estrazioni") != std::string::npos);
    esito = importa(prova::testoStorico(estrazioni), true);
    QCOMPARE(esito.codice, 0);
    QVERIFY(esito.uscita.find("Sono state aggiunte 2 estrazioni, dal 4/3/2001 al 5/3/2001") !=
            std::string::npos);
    QCOMPARE(esegui({"numeri", "--cartella", dir, "--dal", "5", "--al", "5"}).codice,
             0); // five draws to search
    const std::string bari = cartella.leggiFile("RUOTE/BARI");
    esito = importa("2001/03/09\tBA\t1\t2\t3\t4\t5\n2001/03/09\tCA\t1\t2\t3\t4\n", false);
    QCOMPARE(esito.codice, 1);
    QVERIFY(esito.uscita.find("Righe rifiutate: 1\n  riga 2: la riga non è nel formato atteso") !=
            std::string::npos);
    QCOMPARE(cartella.leggiFile("RUOTE/BARI"), bari);
}

void TestCli::numeriSulFileUfficiale_data() {
    // Figures about the draws 1939-1999 of the official file quoted in ../shared/data/SOURCE.md.
    QTest::addColumn<int>("colonna");
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("frequenza");
    QTest::addColumn<bool>("massima"); // the most frequent number of its column
    const int righe[][4] = {{0, 81, 1968, 1}, {0, 9, 1727, 0}, {1, 40, 208, 0}, {2, 80, 210, 0},
                            {3, 27, 212, 1},  {4, 7, 209, 1},  {5, 30, 220, 1}, {6, 63, 214, 1},
                            {6, 87, 214, 1},  {7, 34, 210, 1}, {8, 90, 225, 1}, {9, 60, 224, 0},
                            {10, 86, 228, 1}};
    for (const auto& r : righe)
        QTest::addRow("colonna-%d-numero-%d", r[0], r[1]) << r[0] << r[1] << r[2] << bool(r[3]);
}

void TestCli::numeriSulFileUfficiale() {
    QFETCH(int, colonna);
    QFETCH(int, numero);
    QFETCH(int, frequenza);
    QFETCH(bool, massima);
    const auto dati = prova::cartellaDatiReali();
    if (dati.empty()) QSKIP("../shared/data non è presente");
    static prova::CartellaDiProva cartella;
    static const auto righe = [&] {
        esegui({"importa", "--cartella", cartella.percorso().string(),
                (dati / "lotto_storico_igt_1939-2026.txt.gz").string()});
        return esegui(
                   {"numeri", "--cartella", cartella.percorso().string(), "--anno", "1939", "--cicli", "61"})
            .righe();
    }();
    QCOMPARE(righe.size(), std::size_t(1 + 11 * 90));
    std::vector<int> frequenze; // of column `colonna`, numbers 1..90
    for (int n = 1; n <= 90; ++n) {
        const std::string& riga = righe[std::size_t(colonna * 90 + n)];
        frequenze.push_back(std::stoi(riga.substr(riga.find(',', riga.find(',') + 1) + 1)));
    }
    const int letta = frequenze[std::size_t(numero - 1)];
    QCOMPARE(letta, frequenza);
    QCOMPARE(letta == *std::max_element(frequenze.begin(), frequenze.end()), massima);
}

QTEST_APPLESS_MAIN(TestCli)
#include "TestCli.moc"
