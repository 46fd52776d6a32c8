// Inserting a draw in the middle of a 32,000-draw archive and deleting it again, as the maintenance
// window does: the twelve files rewritten as one safe set (synced to disk) and every contest
// renumbered. Target: under 100 ms each.
#include "ArchivioSintetico.h"
#include "maintenance/Aggiornamento.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int ESTRAZIONI = 32000;
constexpr int MEZZO = ESTRAZIONI / 2;

maintenance::NuovaEstrazione nuova() {
    maintenance::NuovaEstrazione estrazione{" 5/ 3/1977", "  7/1977", {}};
    for (int i = 1; i <= 50; ++i)
        estrazione.numeri[std::size_t(i)] = i;
    return estrazione;
}

/** Times `misurata` and, untimed, `riporta`, which puts the archive back as it was. */
template <class Misurata, class Riporta>
void alterna(benchmark::State& misura, Misurata misurata, Riporta riporta) {
    core::Stato stato(banco::archivioSintetico(ESTRAZIONI));
    core::Imposta_Tabelle_Globali(stato);
    stato.Max_Concorsi_Anno = 260;
    for (auto _ : misura) {
        if (!misurata(stato)) misura.SkipWithError("operazione non riuscita");
        misura.PauseTiming();
        if (!riporta(stato)) misura.SkipWithError("archivio non ripristinato");
        misura.ResumeTiming();
    }
}

bool inserisci(const core::Stato& stato) {
    return maintenance::Registrazione_Intramezzo_Estrazione(stato, MEZZO, nuova()).riuscito();
}
bool elimina(const core::Stato& stato) {
    return maintenance::Eliminazione_Intramezzo_Estrazione(stato, MEZZO).riuscito();
}

void inserimentoNelMezzo(benchmark::State& misura) {
    alterna(misura, inserisci, elimina);
}
void eliminazioneNelMezzo(benchmark::State& misura) {
    alterna(misura, elimina, inserisci);
}

} // namespace

BENCHMARK(inserimentoNelMezzo)->Unit(benchmark::kMillisecond);
BENCHMARK(eliminazioneNelMezzo)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
