// Loading the whole archive into memory, as the loading window does at start-up (reading and checking
// the files, then loading every draw), for archives of 1,000, 10,000 and 32,000 draws (the most the
// archive may hold). Target: 32,000 draws under 20 ms with the files in the page cache. Also the lock of
// the program folder that every reading and every writing takes and lets go (target: under 1 ms): taken
// free, and taken again by a process that already holds it, as an operation's own reading does.
#include "ArchivioSintetico.h"
#include "core/Blocco.h"
#include "core/Caricamento.h"

#include <benchmark/benchmark.h>
#include <optional>

namespace {

using banco::archivioSintetico;

void caricaArchivioIntero(benchmark::State& misura) {
    const int quante = static_cast<int>(misura.range(0));
    core::Stato stato(archivioSintetico(quante));
    core::Imposta_Tabelle_Globali(stato);
    if (core::apriArchivio(stato).verifica.estrazioni != quante) {
        misura.SkipWithError("archivio di prova non scritto");
        return;
    }
    for (auto _ : misura) {
        const auto aperto = core::apriArchivio(stato);
        const auto esito = core::START_Memorizzazione_Estrazioni(stato, aperto.archivio, 1, quante);
        benchmark::DoNotOptimize(esito);
        benchmark::DoNotOptimize(stato.Archivio_Estrazioni.record(10, quante));
    }
    if (stato.Estrazioni_Caricate != quante) misura.SkipWithError("caricamento incompleto");
    misura.SetItemsProcessed(misura.iterations() * quante);
    misura.SetBytesProcessed(
        misura.iterations() * quante *
        (core::BYTE_PER_ESTRAZIONE + core::BYTE_RECORD_DATA + core::BYTE_RECORD_CONCORSO));
}

void bloccoDellaCartella(benchmark::State& misura) {
    const core::Stato stato(archivioSintetico(1000));
    std::optional<core::Esito<core::Blocco>> tenuto;
    if (misura.range(0) == 1) tenuto.emplace(core::Blocco::prendi(stato.Cartella_Programma));
    for (auto _ : misura) {
        auto blocco = core::Blocco::prendi(stato.Cartella_Programma);
        if (!blocco) misura.SkipWithError(blocco.messaggio().c_str());
        benchmark::DoNotOptimize(blocco);
    }
}

} // namespace

BENCHMARK(bloccoDellaCartella)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(caricaArchivioIntero)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
