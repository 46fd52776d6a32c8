// The groups of numbers: the families' table, the search against a plain count of the same draws on one
// wheel and crossed, the command gruppi, the lunghette file with bad lines, the chance of a group.
#include "ArchivioDiProva.h"
#include "cli/Cli.h"
#include "selection/Periodo.h"
#include "stats/Gruppi.h"
#include "stats/Navigazione.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <sstream>

using Interi = QList<int>;

namespace {

// Sixty draws whose wheels take five of a few numbers, so that groups come out again and again at every
// sorte; wheel d % 10 + 1 of every seventh draw d is null, every ninth draw repeats a number on each
// wheel; the Nazionale is drawn from draw 31.
std::vector<prova::Estrazione> estrazioni() {
    std::mt19937 casuale(29);
    std::vector<prova::Estrazione> tutte;
    for (int d = 1; d <= 60; ++d) {
        auto e = prova::estrazione(1 + d % 28, 1 + d / 28, 2001 + (d - 1) / 15, 1 + (d - 1) % 15, 0,
                                   {d % 7 == 0 ? d % 10 + 1 : 0});
        if (d >= 31) e.ruote[10] = {1, 1, 1, 1, 1};
        for (auto& ruota : e.ruote) {
            std::array<int, 12> urna{1, 7, 10, 11, 17, 19, 22, 27, 45, 77, 88, 90};
            std::shuffle(urna.begin(), urna.end(), casuale);
            if (ruota[0] != 0) std::copy_n(urna.begin(), 5, ruota.begin());
            if (d % 9 == 0) ruota[3] = ruota[1]; // a damaged record that repeats a number
        }
        tutte.push_back(e);
    }
    return tutte;
}

} // namespace

class TestGruppi : public QObject {
    Q_OBJECT
private slots:
    void famiglieInUnaTabella_data() {
        QTest::addColumn<int>("famiglia");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<int>("gruppi");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("nome");
        QTest::addColumn<Interi>("numeri");
        QTest::addRow("cadenza-0") << 0 << "cadenze" << 10 << 0 << "Cadenza 0"
                                   << Interi{10, 20, 30, 40, 50, 60, 70, 80, 90};
        QTest::addRow("cadenza-7") << 0 << "cadenze" << 10 << 7 << "Cadenza 7"
                                   << Interi{7, 17, 27, 37, 47, 57, 67, 77, 87};
        QTest::addRow("decina-81-90")
            << 1 << "decine" << 9 << 8 << "Decina 81-90" << Interi{81, 82, 83, 84, 85, 86, 87, 88, 89, 90};
        QTest::addRow("cabalistica-0")
            << 2 << "decine_cabalistiche" << 9 << 0 << "Decina 0" << Interi{1, 2, 3, 4, 5, 6, 7, 8, 9, 90};
        QTest::addRow("cabalistica-8") << 2 << "decine_cabalistiche" << 9 << 8 << "Decina 8"
                                       << Interi{80, 81, 82, 83, 84, 85, 86, 87, 88, 89};
        QTest::addRow("figura-1") << 3 << "figure" << 9 << 0 << "Figura 1"
                                  << Interi{1, 10, 19, 28, 37, 46, 55, 64, 73, 82};
        QTest::addRow("figura-9") << 3 << "figure" << 9 << 8 << "Figura 9"
                                  << Interi{9, 18, 27, 36, 45, 54, 63, 72, 81, 90};
        QTest::addRow("quindicina-1-15") << 4 << "quindicine" << 6 << 0 << "Quindicina 1-15"
                                         << Interi{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        QTest::addRow("gemelli") << 5 << "gemelli" << 1 << 0 << "Gemelli"
                                 << Interi{11, 22, 33, 44, 55, 66, 77, 88};
    }
    void famiglieInUnaTabella() {
        QFETCH(int, famiglia);
        QFETCH(QString, chiave);
        QFETCH(int, gruppi);
        QFETCH(int, indice);
        QFETCH(QString, nome);
        QFETCH(Interi, numeri);
        const auto& f = stats::famiglie().at(std::size_t(famiglia));
        QCOMPARE(QString::fromStdString(f.chiave), chiave);
        QCOMPARE(int(f.gruppi.size()), gruppi);
        const auto& g = f.gruppi.at(std::size_t(indice));
        QCOMPARE(QString::fromStdString(g.nome), nome);
        QCOMPARE(Interi(g.numeri.begin(), g.numeri.end()), numeri);
        // Every family but the gemelli holds each number once.
        std::vector<int> tutti;
        for (const auto& gruppo : f.gruppi)
            tutti.insert(tutti.end(), gruppo.numeri.begin(), gruppo.numeri.end());
        std::sort(tutti.begin(), tutti.end());
        QCOMPARE(int(std::unique(tutti.begin(), tutti.end()) - tutti.begin()), chiave == "gemelli" ? 8 : 90);
        QCOMPARE(int(tutti.size()), chiave == "gemelli" ? 8 : 90);
    }

    void ricercaComeUnConteggioSemplice_data() {
        QTest::addColumn<QString>("ruote"); // eleven ticks, the Nazionale last
        QTest::addColumn<int>("sorte");
        QTest::addColumn<int>("da");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>(
            "volte"); // the families taken once, or twice (more than 64 groups); 0: the figure
        QTest::addRow("una-ruota-estratto") << "00000100000" << 1 << 1 << 60 << 1;
        QTest::addRow("una-ruota-ambo") << "00000100000" << 2 << 5 << 56 << 1;
        QTest::addRow("incrociate-estratto") << "10010001000" << 1 << 3 << 60 << 2;
        QTest::addRow("incrociate-ambo-nazionale") << "11111111111" << 2 << 1 << 60 << 1;
        QTest::addRow("incrociate-terno-molti-gruppi") << "01100000001" << 3 << 20 << 60 << 2;
        QTest::addRow("incrociate-estratto-una-famiglia") << "11111111111" << 1 << 1 << 60 << 0;
        QTest::addRow("incrociate-ambo-una-famiglia") << "10110000001" << 2 << 1 << 60 << 0;
    }
    void ricercaComeUnConteggioSemplice() {
        QFETCH(QString, ruote);
        QFETCH(int, sorte);
        QFETCH(int, da);
        QFETCH(int, a);
        QFETCH(int, volte);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        const auto tutte = estrazioni();
        cartella.carica(stato, tutte);
        QVERIFY(core::selezioneDaTesto(stato, ruote.left(10).toStdString(), ruote[10] == '1'));
        selection::applicaFrazionato(stato, da, a);
        auto gruppi =
            volte == 0 ? stats::famiglie()[3].gruppi : std::vector<stats::Gruppo>{{"mia", {1, 10, 45, 90}}};
        for (int volta = 0; volta < volte; ++volta)
            for (const auto& f : stats::famiglie())
                gruppi.insert(gruppi.end(), f.gruppi.begin(), f.gruppi.end());
        const auto r = stats::ricercaGruppi(stato, gruppi, sorte);
        QVERIFY(r);
        stats::RisultatiNumeri numeri; // chance's base, counted on the same walk as the number search's
        QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, numeri));
        QVERIFY(r->Base_Caso.reali == numeri.Base_Caso.reali &&
                r->Base_Caso.contate == numeri.Base_Caso.contate);

        const auto conta = [&](int w, int d) { return ruote[w - 1] == '1' && (w != 11 || d >= 31); };
        for (int c = 0; c <= 11; ++c) {
            if (c > 0 && ruote[c - 1] != '1') continue;
            for (std::size_t g = 0; g < gruppi.size(); ++g) {
                // Draw by draw: the wheels of the column where at least `sorte` of the group's numbers are.
                int frequenza = 0, massimo = 0, ultima = 0, contate = 0;
                for (int d = da; d <= a; ++d) {
                    int volte = 0, ruoteContate = 0;
                    for (int w = c == 0 ? 1 : c; w <= (c == 0 ? 11 : c); ++w) {
                        ruoteContate += conta(w, d);
                        const auto& cinque = tutte[std::size_t(d - 1)].ruote[std::size_t(w - 1)];
                        volte += conta(w, d) && std::ranges::count_if(gruppi[g].numeri, [&](int n) {
                                                    return std::ranges::count(cinque, n) > 0;
                                                }) >= sorte;
                    }
                    if (ruoteContate == 0) continue;
                    ++contate;
                    if (volte == 0) continue;
                    frequenza += volte;
                    massimo = std::max(massimo, contate - ultima);
                    ultima = contate;
                }
                const auto k = std::size_t(c);
                const Interi trovati{r->Frequenza[k][g], r->Ritardo_Attuale[k][g], r->Ritardo_Massimo[k][g]};
                QVERIFY2(
                    trovati == Interi({frequenza, contate - ultima, massimo}),
                    qPrintable(
                        QStringLiteral("colonna %1, %2").arg(c).arg(QString::fromStdString(gruppi[g].nome))));
                if (g % 7 != 0) continue; // the chart's series gives the same figures
                const auto serie = stats::serieGruppo(stato, gruppi[g], sorte, c);
                QVERIFY(serie &&
                        Interi({serie->frequenza, serie->ritardoAttuale, serie->ritardoMassimo}) == trovati);
            }
        }
        // Descending by current delay, equal delays in the groups' order.
        const auto ordine = stats::ordineGruppi(*r, 0, stats::RITARDO_ATTUALE, true);
        QVERIFY(std::is_sorted(ordine.begin(), ordine.end(), [&](int x, int y) {
            const int rx = r->Ritardo_Attuale[0][std::size_t(x)], ry = r->Ritardo_Attuale[0][std::size_t(y)];
            return rx > ry || (rx == ry && x < y);
        }));
    }

    void rigaDiComando() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        cartella.carica(stato, estrazioni());
        QVERIFY(core::selezioneDaTesto(stato, "1000010000"));
        selection::applicaFrazionato(stato, 5, 50);
        const auto r = stats::ricercaGruppi(stato, stats::famiglie()[0].gruppi, 2);
        const auto nessuno = stats::ricercaGruppi(stato, {}, 1); // no lunghetta yet: an empty grid
        const stats::Gruppo due{"Due", {1, 2}}, fuori{"Fuori", {1, 91}};
        QVERIFY(nessuno && nessuno->gruppi() == 0 && !stats::ricercaGruppi(stato, {due}, 3) &&
                !stats::ricercaGruppi(stato, {fuori}, 2) && !stats::ricercaGruppi(stato, {}, 6) &&
                !stats::serieGruppo(stato, due, 3, 0));
        const std::string dir = cartella.percorso().string();
        const auto esegui = [&](std::vector<std::string> argomenti, int atteso) {
            argomenti.insert(argomenti.begin() + 1, {"--cartella", dir});
            std::ostringstream uscita, errori;
            const int esito = cli::esegui(argomenti, uscita, errori);
            if (esito != atteso) qWarning() << errori.str().c_str();
            return QString::fromStdString(esito == 0 ? uscita.str() : errori.str())
                .split('\n', Qt::SkipEmptyParts);
        };
        const auto righe = esegui({"gruppi", "--famiglia", "cadenze", "--sorte", "2", "--ruote", "BA,NA",
                                   "--dal", "5", "--al", "50"},
                                  0);
        QCOMPARE(righe.size(), 1 + 3 * 10);
        QCOMPARE(righe[0], QStringLiteral("colonna,gruppo,frequenza,ritardo_attuale,ritardo_massimo"));
        QCOMPARE(righe[28], QStringLiteral("6,7,%1,%2,%3")
                                .arg(r->Frequenza[6][7])
                                .arg(r->Ritardo_Attuale[6][7])
                                .arg(r->Ritardo_Massimo[6][7]));
        QCOMPARE(esegui({"gruppi", "--numeri", "7,17,27"}, 0).value(1).section(',', 0, 1),
                 QStringLiteral("0,0"));
        // Refused in one line: a family with a lunghetta, a lunghetta shorter than the sorte.
        QCOMPARE(esegui({"gruppi", "--famiglia", "figure", "--numeri", "1,2"}, 2).size(), 1);
        QCOMPARE(esegui({"gruppi", "--numeri", "1,2", "--sorte", "3"}, 2),
                 QStringList{"quintaro-cli: la lunghetta ha 2 numeri, meno della sorte 3."});
    }

    void lunghetteConUnaRigaSbagliata() {
        prova::CartellaDiProva cartella;
        const std::string scritto =
            "\xEF\xBB\xBF# le mie\r\nAmbo secco: 7, 45\r\n\nTroppo: 1 2 91\nDoppio: 5 5 6\n"
            "senza due punti 1 2\nUno: 8\nRitardatari :90 3 33  12\n \xEF\xBB\xBFTerzo: 2 1\n";
        cartella.scriviFile(stats::FILE_LUNGHETTE, scritto);
        const auto lettura = stats::leggiLunghette(cartella.percorso());
        QVERIFY(lettura);
        QCOMPARE(lettura->gruppi,
                 (std::vector<stats::Gruppo>{
                     {"Ambo secco", {7, 45}}, {"Ritardatari", {3, 12, 33, 90}}, {"Terzo", {1, 2}}}));
        QCOMPARE(lettura->errori,
                 (std::vector<std::string>{"gruppi.txt, riga 4: Il numero 91 non è compreso fra 1 e 90.",
                                           "gruppi.txt, riga 5: Il numero 5 è ripetuto.",
                                           "gruppi.txt, riga 6: manca «:» fra il nome e i numeri.",
                                           "gruppi.txt, riga 7: Una lunghetta ha da 2 a 30 numeri."}));
        // Written back, the comments and refused lines stay in the file as they were; a byte order mark
        // before a name, which a file joined from others may hold, is no part of it.
        QVERIFY(stats::scriviLunghette(cartella.percorso(), lettura->gruppi, lettura->scartate));
        QCOMPARE(cartella.leggiFile(stats::FILE_LUNGHETTE),
                 std::string("Ambo secco: 7 45\nRitardatari: 3 12 33 90\nTerzo: 1 2\n# le mie\nTroppo: 1 2 "
                             "91\nDoppio: 5 5 6\n"
                             "senza due punti 1 2\nUno: 8\n"));
        // The editor's refusals: a name the file could not give back, a word, 2 to 30 numbers, a name in use.
        const auto leggi = [](const char* nome, const std::string& numeri) {
            const auto letta = stats::leggiLunghetta(nome, numeri);
            return QString::fromStdString(letta ? std::to_string(letta->numeri.size()) : letta.messaggio());
        };
        std::string trenta;
        for (int n = 30; n >= 1; --n)
            trenta += std::to_string(n) + ",";
        QCOMPARE(QStringList({leggi(" ", "1 2"), leggi("a:b", "1 2"), leggi("#a", "1 2"), leggi("x", "1 2 a"),
                              leggi("x", trenta), leggi("x", trenta + "90")}),
                 QStringList({"Indicare il nome della lunghetta.",
                              "Il nome della lunghetta non può contenere «:» né cominciare con «#».",
                              "Il nome della lunghetta non può contenere «:» né cominciare con «#».",
                              "«a» non è un numero.", "30", "Una lunghetta ha da 2 a 30 numeri."}));
        QVERIFY(!stats::nomeLibero(lettura->gruppi, "Terzo", 0) &&
                stats::nomeLibero(lettura->gruppi, "Terzo", 2));
    }

    void stampaInColonna() {
        // A name is cut or padded to 22 characters, an accented letter one character, not two bytes.
        stats::RisultatiGruppi r;
        r.Frequenza[0] = {3, 4};
        r.Ritardo_Attuale[0] = {1, 12};
        r.Ritardo_Massimo[0] = {5, 60};
        const auto righe =
            stats::righeStampaGruppi(r, {{"Città", {1, 2}}, {"Perché è più così lunga", {3, 4}}}, 0, {1, 0});
        QCOMPARE(QString::fromStdString(righe[1] + "|" + righe[2]),
                 QStringLiteral("Perché è più così lung        4       12       60  3 4|"
                                "Città                         3        1        5  1 2"));
    }

    void probabilitaDiUnGruppo() {
        // An ambo on one wheel: C(88, 3) / C(90, 5) = 2/801; at least one of the nine of a cadenza.
        QVERIFY(qFuzzyCompare(stats::probabilitaGruppo(2, 2), 2.0 / 801.0));
        QVERIFY(qFuzzyCompare(stats::probabilitaGruppo(9, 1), 1.0 - 25621596.0 / 43949268.0));
        QCOMPARE(stats::probabilitaGruppo(2, 3), 0.0);
    }
};

QTEST_APPLESS_MAIN(TestGruppi)
#include "TestGruppi.moc"
