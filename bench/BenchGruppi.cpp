// The group search over 32,000 draws on the ten wheels: each of the six families at sorte 1
// and 2 (target: each search under 5 ms), a lunghetta of 30 numbers at sorte 5, and the number search on the
// same draws for comparison.
#include "core/Formato.h"
#include "core/Lotto.h"
#include "core/Stato.h"
#include "selection/Periodo.h"
#include "stats/Gruppi.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <random>

namespace {

constexpr int ESTRAZIONI = 32000;

/**
 * Ten wheels of 32,000 draws of five different numbers each (as every real draw is), in memory, all
 * selected, the whole period applied.
 */
const core::Stato& statoCaricato() {
    static const auto stato = [] {
        auto s = std::make_unique<core::Stato>();
        core::Imposta_Tabelle_Globali(*s);
        s->Estrazioni_Caricate = ESTRAZIONI;
        s->Archivio_Estrazioni.dimensiona(ESTRAZIONI + 200);
        std::mt19937 casuale(29);
        std::array<int, 90> urna{};
        std::iota(urna.begin(), urna.end(), 1);
        for (int d = 1; d <= ESTRAZIONI; ++d)
            for (int w = 1; w <= core::RUOTE_TRADIZIONALI; ++w) {
                for (std::size_t i = 0; i < 5; ++i)
                    std::swap(urna[i], urna[i + casuale() % (90 - i)]);
                std::array<int, core::NUMERI_PER_RECORD> numeri{};
                std::copy_n(urna.begin(), numeri.size(), numeri.begin());
                const auto record = core::codificaRuota(numeri);
                std::copy(record.begin(), record.end(), s->Archivio_Estrazioni.record(w, d));
            }
        if (!core::selezioneDaTesto(*s, "1111111111")) std::abort();
        selection::applicaFrazionato(*s, 1, ESTRAZIONI);
        return s;
    }();
    return *stato;
}

void cerca(benchmark::State& stato, const std::vector<stats::Gruppo>& gruppi, int sorte) {
    const core::Stato& s = statoCaricato();
    for (auto _ : stato) {
        auto risultati = stats::ricercaGruppi(s, gruppi, sorte);
        if (!risultati) std::abort();
        benchmark::DoNotOptimize(risultati);
    }
}

void famiglia(benchmark::State& stato) {
    const auto& f = stats::famiglie()[static_cast<std::size_t>(stato.range(0))];
    stato.SetLabel(f.chiave + ", sorte " + std::to_string(stato.range(1)));
    cerca(stato, f.gruppi, static_cast<int>(stato.range(1)));
}
BENCHMARK(famiglia)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1, 2}})->Unit(benchmark::kMillisecond);

void lunghettaDiTrenta(benchmark::State& stato) {
    std::vector<int> numeri(30);
    std::iota(numeri.begin(), numeri.end(), 31);
    cerca(stato, {{"trenta", numeri}}, 5);
}
BENCHMARK(lunghettaDiTrenta)->Unit(benchmark::kMillisecond);

/** The number search on the same draws: what the walk of the period costs on this machine, now. */
void numeri(benchmark::State& stato) {
    stats::RisultatiNumeri risultati;
    for (auto _ : stato)
        benchmark::DoNotOptimize(
            stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(statoCaricato(), risultati));
}
BENCHMARK(numeri)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
