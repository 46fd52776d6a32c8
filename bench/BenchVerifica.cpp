// The check of a ticket of ten numbers on the ten wheels, every sorte played, over the whole official
// history (data/storico.txt.gz, imported once into a temporary program folder): the routine alone on the
// loaded draws (target under 5 ms) and the whole quintaro-cli verifica run, loading from disk included,
// with the wins' CSV and with --riepilogo (target under 50 ms).
#include "cli/Cli.h"
#include "core/Caricamento.h"
#include "core/Stato.h"
#include "importa/Importazione.h"
#include "stakes/Poste.h"
#include "stakes/Verifica.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

/** A program folder holding the official history, made once and removed at the end. */
const fs::path& cartellaStorico() {
    static const struct Cartella {
        fs::path percorso =
            fs::temp_directory_path() / ("quintaro-bench-verifica-" + std::to_string(::getpid()));
        Cartella() {
            fs::create_directories(percorso);
            core::Stato stato(percorso);
            core::Imposta_Tabelle_Globali(stato);
            const auto esito = importa::importaEstrazioni(
                stato, importa::leggiFileStorico(fs::path(QUINTARO_STORICO)), importa::Modo::Sostituisci, {});
            if (!esito) throw std::runtime_error(esito.messaggio());
        }
        ~Cartella() { fs::remove_all(percorso); }
    } cartella;
    return cartella.percorso;
}

stakes::Bolletta dieciNumeriSuTutte() {
    stakes::Bolletta bolletta;
    bolletta.numeri = {3, 11, 17, 24, 38, 45, 52, 66, 79, 90};
    for (int w = 1; w <= core::RUOTE_TRADIZIONALI; ++w)
        bolletta.ruote[static_cast<std::size_t>(w)] = true;
    for (std::size_t k = 1; k <= 5; ++k)
        bolletta.puntate[k] = 100;
    return bolletta;
}

void BM_VerificaRoutine(benchmark::State& stato) {
    core::Stato s(cartellaStorico());
    core::Imposta_Tabelle_Globali(s);
    if (!core::caricaArchivio(s)) throw std::runtime_error("archivio non caricato");
    const stakes::Bolletta bolletta = dieciNumeriSuTutte();
    for (auto _ : stato) {
        auto verifica = stakes::verificaBolletta(s, bolletta, 1, s.Estrazioni_Caricate);
        benchmark::DoNotOptimize(verifica);
    }
    stato.counters["estrazioni"] = s.Estrazioni_Caricate;
}

void BM_VerificaComando(benchmark::State& stato) {
    std::vector<std::string> argomenti{"verifica",
                                       "--cartella",
                                       cartellaStorico().string(),
                                       "--numeri",
                                       "3,11,17,24,38,45,52,66,79,90",
                                       "--ruote",
                                       "TUTTE",
                                       "--poste",
                                       "estratto=1,ambo=1,terno=1,quaterna=1,cinquina=1",
                                       "--dal",
                                       "1",
                                       "--colpi",
                                       "100000"};
    if (stato.range(0) == 1) argomenti.emplace_back("--riepilogo");
    for (auto _ : stato) {
        std::ostringstream uscita, errori;
        if (cli::esegui(argomenti, uscita, errori) != 0) stato.SkipWithError("il comando non è riuscito");
        benchmark::DoNotOptimize(uscita.str().size());
    }
}

} // namespace

BENCHMARK(BM_VerificaRoutine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerificaComando)->Arg(0)->Arg(1)->ArgName("riepilogo")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
