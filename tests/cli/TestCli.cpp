#include "ArchivioDiProva.h"
#include "cli/Cli.h"

#include <QTest>

#include <sstream>

namespace {

struct Esito {
    int codice = 0;
    std::string uscita, errori;
    std::vector<std::string> righe() const {
        std::vector<std::string> tutte;
        std::istringstream flusso(uscita);
        for (std::string riga; std::getline(flusso, riga);) tutte.push_back(riga);
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
    for (int i = 0; i < 12; ++i) estrazioni.push_back(prova::estrazione(1 + i, 3, 2001 + i / 4, 1 + i % 4, i));
    cartella.scriviArchivio(estrazioni);
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void scriveLeColonneScelteInOrdine();
    void periodoFrazionatoEACicliComeLaFinestra();
    void ambiInOrdineDiEnumerazione();
    void errori_data();
    void errori();
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
    const auto cicli = esegui({"numeri", "--cartella", dir, "--ruote", "MI", "--anno", "2002", "--cicli", "1"});
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
    for (std::size_t i = 4006; i < righe.size(); ++i) coppie += std::stoi(righe[i].substr(righe[i].find(',', righe[i].find(',', 2) + 1) + 1));
    QCOMPARE(coppie, 12LL * 10); // ten pairs in each of the twelve draws
}

void TestCli::errori_data() {
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("codice");
    QTest::addColumn<QString>("messaggio");
    QTest::addRow("nessun-comando") << QStringList{} << 2 << "manca il comando";
    QTest::addRow("comando-sconosciuto") << QStringList{"terni"} << 2 << "comando sconosciuto";
    QTest::addRow("senza-cartella") << QStringList{"numeri"} << 2 << "manca --cartella";
    QTest::addRow("ruota-sconosciuta") << QStringList{"numeri", "--cartella", "@", "--ruote", "BA,XX"} << 2 << "'XX'";
    QTest::addRow("dal-senza-al") << QStringList{"numeri", "--cartella", "@", "--dal", "3"} << 2 << "insieme";
    QTest::addRow("non-numerico") << QStringList{"numeri", "--cartella", "@", "--dal", "3x", "--al", "5"} << 2 << "non numerico";
    QTest::addRow("entrambi-i-periodi")
        << QStringList{"numeri", "--cartella", "@", "--dal", "1", "--al", "2", "--anno", "2001", "--cicli", "1"} << 2 << "non entrambi";
    QTest::addRow("oltre-l-archivio") << QStringList{"numeri", "--cartella", "@", "--dal", "1", "--al", "13"} << 2 << "fra 1 e 12";
    QTest::addRow("anno-assente") << QStringList{"numeri", "--cartella", "@", "--anno", "1999", "--cicli", "1"} << 2 << "1999";
    QTest::addRow("troppi-cicli") << QStringList{"numeri", "--cartella", "@", "--anno", "2002", "--cicli", "3"} << 2 << "fra 1 e 2";
    QTest::addRow("cartella-senza-archivio") << QStringList{"numeri", "--cartella", "/nessuna/cartella"} << 1 << "non esiste";
}

void TestCli::errori() {
    QFETCH(QStringList, argomenti);
    QFETCH(int, codice);
    QFETCH(QString, messaggio);
    prova::CartellaDiProva cartella;
    scriviTreAnni(cartella);
    std::vector<std::string> argv;
    for (const QString& a : argomenti) argv.push_back(a == "@" ? cartella.percorso().string() : a.toStdString());
    const auto esito = esegui(argv);
    QCOMPARE(esito.codice, codice);
    QVERIFY(esito.uscita.empty());
    QVERIFY2(QString::fromStdString(esito.errori).contains(messaggio), esito.errori.c_str());
}

QTEST_APPLESS_MAIN(TestCli)
#include "TestCli.moc"
