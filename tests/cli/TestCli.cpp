// quintaro-cli: the searches' results as CSV over a chosen period, the refusals of bad arguments, and
// the import of a storico file.
#include "ArchivioDiProva.h"
#include "cli/Cli.h"

#include <QTest>

#include <algorithm>
#include <sstream>

namespace {

struct Esito {
    int codice = 0;
    std::string uscita, errori;
};

// Runs the command line; an argument's leading "@" stands for `cartella`.
Esito esegui(const QStringList& argomenti, const std::filesystem::path& cartella = {}) {
    std::vector<std::string> argv;
    for (const QString& a : argomenti)
        argv.push_back(a.startsWith('@') ? cartella.string() + a.mid(1).toStdString() : a.toStdString());
    std::ostringstream uscita, errori;
    const int codice = cli::esegui(argv, uscita, errori);
    return {codice, uscita.str(), errori.str()};
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    // Three years of four draws each: 2001 = 1..4, 2002 = 5..8, 2003 = 9..12.
    prova::CartellaDiProva m_cartella;

private slots:
    void initTestCase() { m_cartella.scriviArchivio(prova::perAnni({4, 4, 4})); }

    void risultati_data() {
        QTest::addColumn<QString>("argomenti");  // separated by blanks; "@" the program folder
        QTest::addColumn<int>("righe");          // after the header
        QTest::addColumn<int>("estratti");       // the frequencies of the wheels' columns added up
        QTest::addColumn<QStringList>("attese"); // "n:text": line n (0 the header) starts with text
        QTest::addRow("numeri-in-ordine-di-colonna")
            << "numeri --cartella @ --ruote VE,BA" << 3 * 90 << 2 * 12 * 5
            << QStringList{"0:colonna,numero,frequenza,ritardo_attuale,ritardo_massimo", "1:0,1,", "91:1,1,",
                           "180:1,90,0,12,0", "181:10,1,"};
        QTest::addRow("ambi-in-ordine-di-enumerazione")
            << "ambi --cartella @ --ruote TO" << 2 * 4005 << 12 * 10
            << QStringList{"0:colonna,a,b,frequenza,ritardo_attuale,ritardo_massimo", "1:0,1,2,",
                           "4005:0,89,90,", "4006:9,1,2,"};
        // The Nazionale (NZ, or RN as the official file says) and Roma as RM: columns 0, 8 and 11; the
        // Nazionale, never drawn in this archive, counts nothing.
        QTest::addRow("nazionale-e-sigle-del-file")
            << "numeri --cartella @ --ruote NZ,RN,RM" << 3 * 90 << 12 * 5
            << QStringList{"1:0,1,", "91:8,1,", "181:11,1,0,0,0", "270:11,90,0,0,0"};
        // The chance columns: Milano's 12 records expect 12/18 of each number; the Nazionale, never drawn,
        // expects nothing, and its delays are certain.
        QTest::addRow("numeri-con-il-caso")
            << "numeri --cartella @ --ruote MI,NZ --caso" << 3 * 90 << 12 * 5
            << QStringList{
                   "0:colonna,numero,frequenza,ritardo_attuale,ritardo_massimo,frequenza_attesa,scarto,"
                   "prob_ritardo_attuale,prob_ritardo_massimo",
                   "181:11,1,0,0,0,0.0,0.0,1.000e+00,1.000e+00"};
        QTest::addRow("verifica-del-caso") << "caso --cartella @ --ruote VE,MI" << 2 << -1
                                           << QStringList{"0:colonna,chi2,gradi,p", "1:5,", "2:10,"};
        QTest::addRow("cicli-fino-all-ultimo-anno")
            << "numeri --cartella @ --ruote MI --anno 2002 --cicli 2" << 2 * 90 << 8 * 5 << QStringList{};
        QTest::addRow("periodo-di-una-estrazione")
            << "numeri --cartella @ --ruote MI --dal 5 --al 5" << 2 * 90 << 5 << QStringList{};
        // Twelve draws of ten distinct triples each: the 150 most frequent hold them all.
        QTest::addRow("terni-i-primi-per-frequenza")
            << "terni --cartella @ --ruote TO --ordina frequenza --primi 150" << 2 * 150 << 12 * 10
            << QStringList{"0:colonna,a,b,c,frequenza,ritardo_attuale,ritardo_massimo", "151:9,"};
        // Bari's third number: 46 in draw 1 (and fifth in draw 9, not counted); at one position its chance
        // is 1/90 a draw.
        QTest::addRow("numeri-terza-posizione")
            << "numeri --cartella @ --ruote BA --posizione 3 --caso" << 2 * 90 << 12
            << QStringList{"136:1,46,1,11,1,0.1,2.4,8.843e-01,6.704e-01"};
        // 12 on Bari in draws 1 and 9, followed by 19 36 53 70 87 and 75 2 19 36 53; π = 1/18. Up to draw
        // 9 the second exit has no following draw; up to draw 1, none.
        QTest::addRow("spia-due-uscite")
            << "spia --cartella @ --numero 12 --ruota BA" << 90 << 10
            << QStringList{"0:numero,uscite_spia,presenze,attese,scarto", "1:1,2,0,0.11,-0.34",
                           "19:19,2,2,0.11,5.83", "75:75,2,1,"};
        QTest::addRow("spia-uscita-a-fine-periodo")
            << "spia --cartella @ --numero 12 --ruota BA --dal 1 --al 9 --colpi 1" << 90 << 5
            << QStringList{"1:1,1,0,0.06,-0.24", "19:19,1,1,0.06,4.12", "75:75,1,0,"};
        QTest::addRow("gruppi-lunghetta-pari-alla-sorte")
            << "gruppi --cartella @ --ruote TO --numeri 1,2 --sorte 2" << 2 << -1 << QStringList{"2:9,0,"};
        QTest::addRow("spia-senza-uscite") << "spia --cartella @ --numero 12 --ruota BA --dal 1 --al 1" << 90
                                           << 0 << QStringList{"1:1,0,0,0.00,0.00", "90:90,0,0,0.00,0.00"};
    }
    void risultati() {
        QFETCH(QString, argomenti);
        QFETCH(int, righe);
        QFETCH(int, estratti);
        QFETCH(QStringList, attese);
        const auto esito = esegui(argomenti.split(' ', Qt::SkipEmptyParts), m_cartella.percorso());
        QCOMPARE(esito.codice, 0);
        const QStringList lette = QString::fromStdString(esito.uscita).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lette.size(), righe + 1);
        for (const QString& attesa : attese)
            QVERIFY2(lette[attesa.section(':', 0, 0).toInt()].startsWith(attesa.section(':', 1)),
                     qPrintable(attesa));
        const QStringList intestazione = lette[0].split(','); // the spy's count: its presences
        const auto campo = std::max(intestazione.indexOf("frequenza"), intestazione.indexOf("presenze"));
        if (estratti < 0) return; // no frequency
        int somma = 0;
        for (const QString& riga : lette.mid(1))
            somma += riga.startsWith("0,") ? 0 : riga.section(',', campo, campo).toInt();
        QCOMPARE(somma, estratti);
    }

    void argomentiRifiutati_data() {
        QTest::addColumn<QString>("argomenti"); // separated by blanks; "@" the program folder
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("messaggio");
        QTest::addRow("nessun-comando") << "" << 2 << "manca il comando";
        QTest::addRow("comando-sconosciuto") << "quaterne --cartella @" << 2 << "comando sconosciuto";
        QTest::addRow("primi-zero") << "terni --cartella @ --primi 0" << 2 << "almeno 1";
        QTest::addRow("primi-negli-ambi")
            << "ambi --cartella @ --primi 5" << 2 << "solo per il comando terni";
        QTest::addRow("caso-nella-storia")
            << "storia --cartella @ --numero 5 --caso" << 2 << "--caso vale solo";
        QTest::addRow("non-numerico") << "numeri --cartella @ --dal 3x --al 5" << 2 << "non numerico";
        QTest::addRow("ruota-sconosciuta") << "numeri --cartella @ --ruote BA,XX" << 2 << "'XX'";
        QTest::addRow("dal-senza-al")
            << "numeri --cartella @ --dal 3" << 2 << "--dal e --al vanno indicati insieme";
        QTest::addRow("anno-senza-cicli")
            << "numeri --cartella @ --anno 2002" << 2 << "--anno e --cicli vanno";
        QTest::addRow("frazionato-e-cicli")
            << "numeri --cartella @ --dal 1 --al 2 --anno 2002 --cicli 1" << 2 << "oppure a cicli";
        QTest::addRow("oltre-l-archivio") << "numeri --cartella @ --dal 1 --al 13" << 2 << "fra 1 e 12";
        QTest::addRow("anno-assente") << "numeri --cartella @ --anno 1999 --cicli 1" << 2 << "1999";
        QTest::addRow("troppi-cicli") << "numeri --cartella @ --anno 2002 --cicli 3" << 2 << "fra 1 e 2";
        QTest::addRow("cartella-senza-archivio")
            << "numeri --cartella /nessuna/cartella" << 1 << "non esiste";
        QTest::addRow("importa-senza-file") << "importa --cartella @" << 2 << "manca il file da importare";
        QTest::addRow("posizione-sei") << "numeri --cartella @ --posizione 6" << 2 << "fra 1 e 5";
        QTest::addRow("posizione-negli-ambi") << "ambi --cartella @ --posizione 1" << 2 << "sconosciuta";
        QTest::addRow("spia-senza-ruota") << "spia --cartella @ --numero 5" << 2 << "manca --ruota";
        QTest::addRow("spia-due-ruote") << "spia --cartella @ --numero 5 --ruota BA,CA" << 2 << "una sola";
        QTest::addRow("spia-colpi-19")
            << "spia --cartella @ --numero 5 --ruota BA --colpi 19" << 2 << "fra 1 e 18";
        QTest::addRow("cartella-senza-valore")
            << "importa --cartella" << 2 << "manca il valore di --cartella";
        QTest::addRow("dal-senza-valore") << "numeri --cartella @ --dal" << 2 << "manca il valore di --dal";
        QTest::addRow("cartella-impossibile")
            << "importa --cartella /dev/null/sotto @/RUOTE/BARI" << 1 << "impossibile creare la cartella";
        QTest::addRow("spia-numero-in-lettere")
            << "spia --cartella @ --numero x --ruota BA" << 2 << "non numerico per --numero: x.";
        QTest::addRow("spia-ruota-errata") << "spia --cartella @ --numero 5 --ruota XX" << 2 << "'XX'";
        QTest::addRow("verifica-opzione-ignota")
            << "verifica --cartella @ --x 1" << 2 << "sconosciuta per verifica";
        QTest::addRow("spia-bersaglio-errato")
            << "spia --cartella @ --numero 5 --ruota BA --bersaglio XX" << 2 << "'XX'";
    }
    void argomentiRifiutati() {
        QFETCH(QString, argomenti);
        QFETCH(int, codice);
        QFETCH(QString, messaggio);
        const auto esito = esegui(argomenti.split(' ', Qt::SkipEmptyParts), m_cartella.percorso());
        QCOMPARE(esito.codice, codice);
        QVERIFY(esito.uscita.empty());
        QVERIFY2(QString::fromStdString(esito.errori).contains(messaggio), esito.errori.c_str());
        // A wrong use: its reason on one line, then where the options are, never the whole usage.
        if (codice == 2)
            QVERIFY2(
                std::ranges::count(esito.errori, '\n') == 2 &&
                    esito.errori.ends_with("\nUsare 'quintaro-cli --help' per l'elenco delle opzioni.\n"),
                esito.errori.c_str());
    }

    void aiutoEVersione() {
        for (const auto& [argomenti, inizio] :
             {std::pair{"--help", "Uso: quintaro-cli numeri|ambi|terni [--cartella DIR]"},
              {"importa --help", "Uso: quintaro-cli importa [--cartella DIR] [--aggiungi] FILE\n"},
              {"ambi --help", "Uso: quintaro-cli ambi [--cartella DIR] [--ruote ELENCO]"},
              {"caso --help", "Uso: quintaro-cli caso [--cartella DIR] [--ruote ELENCO] [periodo]\n"},
              {"terni --help", "Uso: quintaro-cli numeri|ambi|terni [--cartella DIR]"},
              {"--version", "quintaro-cli " QUINTARO_VERSIONE "\n"}}) {
            const auto esito = esegui(QString(argomenti).split(' '));
            QVERIFY2(esito.codice == 0 && esito.errori.empty() && esito.uscita.starts_with(inizio),
                     argomenti);
            // A command's help tells its own options only.
            if (QByteArray(argomenti).contains("--help"))
                QCOMPARE(esito.uscita.find("--url") == std::string::npos, QByteArray(argomenti) != "--help");
        }
    }

    void importaEAggiunge() {
        prova::CartellaDiProva cartella;
        std::filesystem::remove_all(cartella.ruote()); // a new program folder
        const auto estrazioni = prova::perAnni({5});
        const auto importa = [&](const std::string& testo, bool aggiungi, int codice, const char* messaggio) {
            cartella.scriviFile("storico.txt", testo);
            QStringList argomenti{"importa", "--cartella", "@", "@/storico.txt"};
            if (aggiungi) argomenti.insert(3, "--aggiungi");
            const auto esito = esegui(argomenti, cartella.percorso());
            QVERIFY2(esito.codice == codice && esito.uscita.find(messaggio) != std::string::npos,
                     esito.uscita.c_str());
        };
        importa(prova::testoStorico({estrazioni.begin(), estrazioni.begin() + 3}), false, 0,
                "L'archivio è stato creato: 3 estrazioni");
        // A folder given and missing is made.
        QCOMPARE(esegui({"importa", "--cartella", "@/nuova/cartella", "@/storico.txt"}, cartella.percorso())
                     .codice,
                 0);
        QCOMPARE(std::filesystem::file_size(cartella.percorso() / "nuova/cartella/RUOTE/BARI"), 15u);
        importa(prova::testoStorico(estrazioni), true, 0, "Sono state aggiunte 2 estrazioni");
        QCOMPARE(prova::fotografia(cartella), prova::attesi(estrazioni));
        // An archive of one year has that year's cycle.
        QCOMPARE(esegui({"numeri", "--cartella", "@", "--anno", "2001", "--cicli", "1"}, cartella.percorso())
                     .codice,
                 0);
        // A refused file changes nothing.
        importa("2001/03/09\tBA\t1\t2\t3\t4\t5\n2001/03/09\tCA\t1\t2\t3\t4\n", false, 1,
                "Righe rifiutate: 1, il file non può essere importato:\n  riga 2: la riga non è nel formato "
                "atteso");
        QCOMPARE(prova::fotografia(cartella), prova::attesi(estrazioni));
    }
    void numeriSulFileUfficiale_data() {
        // Figures about the draws 1939-1999 of the official file quoted in ../shared/data/SOURCE.md.
        QTest::addColumn<int>("colonna");
        QTest::addColumn<int>("numero");
        QTest::addColumn<int>("frequenza");
        QTest::addColumn<bool>("massima"); // the most frequent number of its column
        const int righe[][4] = {{0, 81, 1968, 1}, {0, 9, 1727, 0}, {1, 40, 208, 0},
                                {6, 63, 214, 1},  {6, 87, 214, 1}, {10, 86, 228, 1}};
        for (const auto& r : righe)
            QTest::addRow("colonna-%d-numero-%d", r[0], r[1]) << r[0] << r[1] << r[2] << bool(r[3]);
    }
    void numeriSulFileUfficiale() {
        QFETCH(int, colonna);
        QFETCH(int, numero);
        QFETCH(int, frequenza);
        QFETCH(bool, massima);
        const auto dati = prova::cartellaDatiReali();
        if (dati.empty()) QSKIP("../shared/data non è presente");
        static prova::CartellaDiProva cartella;
        static const QStringList righe = [&] {
            esegui({"importa", "--cartella", "@",
                    QString::fromStdString((dati / "lotto_storico_igt_1939-2026.txt.gz").string())},
                   cartella.percorso());
            return QString::fromStdString(
                       esegui({"numeri", "--cartella", "@", "--anno", "1939", "--cicli", "61"},
                              cartella.percorso())
                           .uscita)
                .split('\n', Qt::SkipEmptyParts);
        }();
        QCOMPARE(righe.size(), 1 + 11 * 90);
        QList<int> frequenze; // of column `colonna`, numbers 1..90
        for (const QString& riga : righe.mid(1 + colonna * 90, 90))
            frequenze << riga.section(',', 2, 2).toInt();
        QCOMPARE(frequenze[numero - 1], frequenza);
        QCOMPARE(frequenza == *std::max_element(frequenze.begin(), frequenze.end()), massima);
    }
};

QTEST_APPLESS_MAIN(TestCli)
#include "TestCli.moc"
