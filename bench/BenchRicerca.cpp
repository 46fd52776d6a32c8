// The number, pair and triple searches over a whole archive of 32,000 draws on all eleven wheels (the ten
// and the Nazionale, drawn from the first draw: the most the searches ever count), alone
// and as the whole command-line run (loading from disk, period, search, CSV output); the ordering of
// the 4005 pairs and of one column's 117,480 triples; each search with the chance figures ("Mostra il
// caso", at most 10% more) and the chance test `caso`. Targets for the triples: the search under 30 ms,
// the ordering under 2 ms, `terni --primi 100` under 150 ms, the full CSV of eleven columns under 1.5 s.
// The number search at one position as fast as the plain one (3 ms); the spy search with K = 18 and the
// ten traditional wheels as targets under 5 ms.
#include "cli/Cli.h"
#include "core/Archivio.h"
#include "core/Lotto.h"
#include "core/Stato.h"
#include "selection/Periodo.h"
#include "stats/Caso.h"
#include "stats/Navigazione.h"
#include "stats/RicercaAmbi.h"
#include "stats/RicercaNumeri.h"
#include "stats/RicercaTerni.h"
#include "stats/Spia.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {

constexpr int ESTRAZIONI = 32000;

/** Five distinct numbers per wheel and draw, as compressed records, draw after draw; made once. */
const std::array<std::string, core::NUMERO_RUOTE + 1>& ruoteCasuali() {
    static const std::array<std::string, core::NUMERO_RUOTE + 1> generate = [] {
        std::mt19937 casuale(20261206);
        std::array<std::string, core::NUMERO_RUOTE + 1> ruote;
        std::array<int, 90> urna{};
        std::iota(urna.begin(), urna.end(), 1);
        for (int d = 0; d < ESTRAZIONI; ++d)
            for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
                for (int i = 0; i < 5; ++i)
                    std::swap(urna[static_cast<std::size_t>(i)],
                              urna[static_cast<std::size_t>(i) + casuale() % (90 - i)]);
                int numeri[6] = {5, urna[0], urna[1], urna[2], urna[3], urna[4]};
                ruote[static_cast<std::size_t>(w)] += core::Comprimi_Estrazione(numeri, 5);
            }
        return ruote;
    }();
    return generate;
}

/** A state with the whole archive loaded in memory, all eleven wheels selected, the whole period applied. */
const core::Stato& statoCaricato() {
    static const core::Stato s = [] {
        const auto ruote = ruoteCasuali();
        core::Stato stato;
        core::Imposta_Tabelle_Globali(stato);
        stato.Estrazioni_Caricate = ESTRAZIONI;
        stato.Archivio_Estrazioni.dimensiona(ESTRAZIONI + 200);
        for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
            for (int d = 1; d <= ESTRAZIONI; ++d)
                std::copy_n(ruote[static_cast<std::size_t>(w)].data() + (d - 1) * 5, 5,
                            stato.Archivio_Estrazioni.record(w, d));
        stato.Prima_Estrazione_Nazionale = 1;
        core::SpunteRuote tutte{};
        tutte.fill(true);
        core::impostaSelezioneRuote(stato, tutte);
        selection::applicaFrazionato(stato, 1, ESTRAZIONI);
        return stato;
    }();
    return s;
}

void ricerca(benchmark::State& stato) {
    const core::Stato& s = statoCaricato();
    stats::RisultatiNumeri risultati;
    for (auto _ : stato) {
        stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(s, risultati);
        benchmark::DoNotOptimize(risultati);
    }
}
BENCHMARK(ricerca)->Unit(benchmark::kMillisecond);

void ricercaPosizione(benchmark::State& stato) {
    const core::Stato& s = statoCaricato();
    stats::RisultatiNumeri risultati;
    for (auto _ : stato) {
        stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(s, risultati, {}, {.posizione = 3});
        benchmark::DoNotOptimize(risultati);
    }
}
BENCHMARK(ricercaPosizione)->Unit(benchmark::kMillisecond);

void ricercaSpia(benchmark::State& stato) {
    stats::ParametriSpia parametri{.numero = 45, .ruota = 1, .bersagli = {}, .colpi = 18};
    std::fill_n(parametri.bersagli.begin() + 1, core::RUOTE_TRADIZIONALI, true);
    for (auto _ : stato) {
        auto esito = stats::cercaSpia(statoCaricato(), parametri);
        benchmark::DoNotOptimize(esito);
    }
}
BENCHMARK(ricercaSpia)->Unit(benchmark::kMillisecond);

void ricercaAmbi(benchmark::State& stato) {
    const core::Stato& s = statoCaricato();
    stats::RisultatiAmbi risultati;
    for (auto _ : stato) {
        stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(s, risultati);
        benchmark::DoNotOptimize(risultati);
    }
}
BENCHMARK(ricercaAmbi)->Unit(benchmark::kMillisecond);

void ordinamentoAmbi(benchmark::State& stato) {
    stats::RisultatiAmbi risultati;
    stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(statoCaricato(), risultati);
    for (auto _ : stato)
        benchmark::DoNotOptimize(stats::Ordine_Ambi(risultati, 0, stats::RITARDO_MASSIMO));
}
BENCHMARK(ordinamentoAmbi)->Unit(benchmark::kMicrosecond);

void ricercaTerni(benchmark::State& stato) {
    const core::Stato& s = statoCaricato();
    stats::RisultatiTerni risultati;
    for (auto _ : stato) {
        stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_TERNI(s, risultati);
        benchmark::DoNotOptimize(risultati);
    }
    stato.counters["MB"] = static_cast<double>(risultati.byteTabelle()) / 1e6;
}
BENCHMARK(ricercaTerni)->Unit(benchmark::kMillisecond);

void ordinamentoTerni(benchmark::State& stato) {
    stats::RisultatiTerni risultati;
    stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_TERNI(statoCaricato(), risultati);
    for (auto _ : stato)
        benchmark::DoNotOptimize(stats::Ordine_Terni(risultati, 0, stats::RITARDO_ATTUALE));
}
BENCHMARK(ordinamentoTerni)->Unit(benchmark::kMicrosecond);

/**
 * A search with "Mostra il caso", as a window runs it: the search (which counts chance's base on its walk),
 * then the chance figures of the first `righe` items of every column (all 90 numbers; a page of pairs or
 * triples). Against the plain search above: the target is at most 10% more.
 */
template <class Risultati, class Cerca, class Valori>
void conIlCaso(benchmark::State& stato, Cerca cerca, Valori valori, int sorte, int righe) {
    const core::Stato& s = statoCaricato();
    Risultati risultati;
    for (auto _ : stato) {
        cerca(s, risultati, stats::Avanzamento{});
        double somma = 0;
        for (int c = 0; c < stats::NUMERO_COLONNE; ++c) {
            const stats::CalcoloCaso calcolo(stats::probabilitaSorte(sorte),
                                             stats::colonnaCaso(risultati.Base_Caso, c));
            for (int k = 1; k <= righe; ++k) {
                const auto [f, d, m] = valori(risultati, c, k);
                somma += calcolo(f, d, m).probabilitaAttuale;
            }
        }
        benchmark::DoNotOptimize(somma);
    }
}

void ricercaConIlCaso(benchmark::State& stato) {
    conIlCaso<stats::RisultatiNumeri>(
        stato,
        [](const core::Stato& s, stats::RisultatiNumeri& r, const stats::Avanzamento& a) {
            return stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(s, r, a);
        },
        [](const stats::RisultatiNumeri& r, int c, int n) {
            const auto colonna = static_cast<std::size_t>(c), numero = static_cast<std::size_t>(n);
            return std::array{r.Frequenza_Numero[colonna][numero], r.Ritardo_Attuale_Numero[colonna][numero],
                              r.Ritardo_Massimo_Numero[colonna][numero]};
        },
        1, 90);
}
BENCHMARK(ricercaConIlCaso)->Unit(benchmark::kMillisecond);

/** The values of a pair or a triple. */
template <class Risultati> std::array<int, 3> valoriCombinazione(const Risultati& r, int c, int k) {
    return {r.frequenza(c, k), r.ritardoAttuale(c, k), r.ritardoMassimo(c, k)};
}

void ricercaAmbiConIlCaso(benchmark::State& stato) {
    conIlCaso<stats::RisultatiAmbi>(stato, stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI,
                                    valoriCombinazione<stats::RisultatiAmbi>, 2, 25);
}
BENCHMARK(ricercaAmbiConIlCaso)->Unit(benchmark::kMillisecond);

void ricercaTerniConIlCaso(benchmark::State& stato) {
    conIlCaso<stats::RisultatiTerni>(stato, stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_TERNI,
                                     valoriCombinazione<stats::RisultatiTerni>, 3, 25);
}
BENCHMARK(ricercaTerniConIlCaso)->Unit(benchmark::kMillisecond);

/** Writes the archive of statoCaricato's draws into a temporary program folder; removed at exit. */
std::filesystem::path cartellaArchivio() {
    static const auto cartella = [] {
        const auto percorso =
            std::filesystem::temp_directory_path() / ("quintaro-bench-" + std::to_string(::getpid()));
        const auto& ruote = ruoteCasuali();
        core::Archivio archivio;
        for (int d = 0; d < ESTRAZIONI; ++d) {
            core::RecordEstrazione estrazione;
            for (std::size_t w = 1; w <= 10; ++w)
                std::copy_n(ruote[w].data() + static_cast<std::ptrdiff_t>(d) * 5, 5,
                            estrazione.ruote[w - 1].begin());
            const int anno = 1900 + d / 150;
            estrazione.data = core::Data{anno, 1 + (d % 150) / 13, 1 + d % 28}.record();
            estrazione.concorso = core::recordConcorso(d % 150 + 1, anno);
            archivio.accoda(estrazione);
        }
        if (!archivio.scrivi(percorso / "RUOTE")) std::abort();
        std::atexit([] {
            std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                        ("quintaro-bench-" + std::to_string(::getpid())));
        });
        return percorso;
    }();
    return cartella;
}

void comando(benchmark::State& stato, std::vector<std::string> argomenti) {
    argomenti.insert(argomenti.begin() + 1, {"--cartella", cartellaArchivio().string()});
    for (auto _ : stato) {
        std::ostringstream uscita, errori;
        if (cli::esegui(argomenti, uscita, errori) != 0) stato.SkipWithError("il comando non è riuscito");
        benchmark::DoNotOptimize(uscita);
    }
}
BENCHMARK_CAPTURE(comando, numeri, {"numeri"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(comando, ambi, {"ambi"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(comando, terni_primi_100, {"terni", "--ordina", "ritardo_attuale", "--primi", "100"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(comando, terni, {"terni"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(comando, terni_caso, {"terni", "--caso"})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(comando, caso, {"caso"})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
