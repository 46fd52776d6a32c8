#include "ArchivioDiProva.h"
#include "cli/Cli.h"

#include <QTest>

#include <algorithm>
#include <sstream>

namespace {

/** The rows the command prints, its exit code first. */
std::pair<int, std::vector<std::string>> terni(const prova::CartellaDiProva& cartella,
                                               std::vector<std::string> altri) {
    std::vector<std::string> argomenti{"terni", "--cartella", cartella.percorso().string(), "--ruote",
                                       "TO,VE"};
    argomenti.insert(argomenti.end(), altri.begin(), altri.end());
    std::ostringstream uscita, errori;
    const int codice = cli::esegui(argomenti, uscita, errori);
    std::vector<std::string> righe;
    std::istringstream flusso(uscita.str());
    for (std::string riga; std::getline(flusso, riga);)
        righe.push_back(riga);
    return {codice, righe};
}

/** The n-th comma-separated field of a row (0 = the column). */
int campo(const std::string& riga, int n) {
    std::size_t inizio = 0;
    for (int i = 0; i < n; ++i)
        inizio = riga.find(',', inizio) + 1;
    return std::stoi(riga.substr(inizio));
}

} // namespace

class TestCliTerni : public QObject {
    Q_OBJECT
private slots:
    void tutteLeRigheEPoiIPrimi() {
        prova::CartellaDiProva cartella;
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < 12; ++i)
            estrazioni.push_back(prova::estrazione(1 + i, 3, 2001, 1 + i, i % 5));
        cartella.scriviArchivio(estrazioni);

        const auto [codice, righe] = terni(cartella, {});
        QCOMPARE(codice, 0);
        QCOMPARE(righe.size(), std::size_t(1 + 3 * 117480));
        QCOMPARE(righe[0], std::string("colonna,a,b,c,frequenza,ritardo_attuale,ritardo_massimo"));
        QCOMPARE(righe[1].substr(0, 8), std::string("0,1,2,3,"));
        QCOMPARE(righe[88].substr(0, 9), std::string("0,1,2,90,"));
        QCOMPARE(righe[117480].substr(0, 11), std::string("0,88,89,90,"));
        QCOMPARE(righe[117481].substr(0, 8), std::string("9,1,2,3,"));
        int estratti = 0; // ten triples a draw on TORINO
        for (std::size_t i = 117481; i <= 2 * 117480; ++i)
            estratti += campo(righe[i], 4);
        QCOMPARE(estratti, 12 * 10);

        // --primi K: the first K rows of each column, stably ordered by the key, largest first.
        for (const auto& [chiave, indice] : {std::pair{"frequenza", 4}, {"ritardo_attuale", 5}}) {
            const auto [codicePrimi, primi] = terni(cartella, {"--ordina", chiave, "--primi", "40"});
            QCOMPARE(codicePrimi, 0);
            QCOMPARE(primi.size(), std::size_t(1 + 3 * 40));
            for (std::size_t colonna = 0; colonna < 3; ++colonna) {
                const auto prima = righe.begin() + 1 + std::ptrdiff_t(colonna) * 117480;
                std::vector<std::pair<int, std::string>> attese;
                for (auto riga = prima; riga != prima + 117480; ++riga)
                    attese.emplace_back(-campo(*riga, indice), *riga);
                std::stable_sort(attese.begin(), attese.end(),
                                 [](const auto& x, const auto& y) { return x.first < y.first; });
                for (std::size_t p = 0; p < 40; ++p)
                    QCOMPARE(primi[1 + colonna * 40 + p], attese[p].second);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestCliTerni)
#include "TestCliTerni.moc"
