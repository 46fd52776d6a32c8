// Applying the search period over a full archive of 32,000 loaded draws (about 150 a year, 214
// years): every draw as one range, and every year as one cycle each. Target: under 1 ms each.
#include "core/Lotto.h"
#include "core/Stato.h"
#include "selection/Periodo.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int ESTRAZIONI = 32000;
constexpr int PER_ANNO = 150;

/** An empty program folder (no settings file), removed when the program ends. */
class CartellaVuota {
public:
    CartellaVuota() {
        std::string modello = (fs::temp_directory_path() / "quintaro-bench-periodo-XXXXXX").string();
        if (::mkdtemp(modello.data())) m_percorso = modello;
    }
    ~CartellaVuota() {
        std::error_code ignorato;
        if (!m_percorso.empty()) fs::remove_all(m_percorso, ignorato);
    }
    const fs::path& percorso() const { return m_percorso; }

private:
    fs::path m_percorso;
};

/** A state with 32,000 draws loaded straight into memory and its year tables derived. */
core::Stato& statoCaricato() {
    static CartellaVuota cartella;
    static core::Stato stato = [] {
        core::Stato s(cartella.percorso());
        core::Imposta_Tabelle_Globali(s);
        s.Archivio_Estrazioni.dimensiona(ESTRAZIONI + core::POSTI_DI_RISERVA);
        s.Data_Estrazione.assign(ESTRAZIONI + core::POSTI_DI_RISERVA + 1, std::string());
        s.Concorso_Estrazione.assign(ESTRAZIONI + core::POSTI_DI_RISERVA + 1, std::string());
        unsigned seme = 2024;
        for (int d = 1; d <= ESTRAZIONI; ++d) {
            for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
                int numeri[6] = {5};
                for (int i = 1; i <= 5; ++i) {
                    seme = seme * 1103515245u + 12345u;
                    numeri[i] = static_cast<int>((seme >> 16) % 90) + 1;
                }
                const std::string record = core::Comprimi_Estrazione(numeri, 5);
                std::copy(record.begin(), record.end(), s.Archivio_Estrazioni.record(w, d));
            }
            const int anno = 1800 + (d - 1) / PER_ANNO, concorso = (d - 1) % PER_ANNO + 1;
            s.Data_Estrazione[static_cast<std::size_t>(d)] =
                core::Data{anno, 1 + d % 12, 1 + d % 28}.record();
            s.Concorso_Estrazione[static_cast<std::size_t>(d)] = core::recordConcorso(concorso, anno);
        }
        s.Estrazioni_Caricate = ESTRAZIONI;
        core::Inizializza_Dati_Archivio(s);
        return s;
    }();
    return stato;
}

void applicaFrazionatoIntero(benchmark::State& misura) {
    core::Stato& stato = statoCaricato();
    int aggiornamenti = 0;
    const selection::Avanzamento avanzamento = [&](int) { ++aggiornamenti; };
    for (auto _ : misura) {
        selection::applicaFrazionato(stato, 1, ESTRAZIONI, avanzamento);
        benchmark::DoNotOptimize(stato.Fine_Ciclo.data());
    }
    if (stato.Totale_Estrazioni_Selezionate != ESTRAZIONI) misura.SkipWithError("periodo incompleto");
    benchmark::DoNotOptimize(aggiornamenti);
    misura.SetItemsProcessed(misura.iterations() * ESTRAZIONI);
}

void applicaCicliTuttiGliAnni(benchmark::State& misura) {
    core::Stato& stato = statoCaricato();
    int aggiornamenti = 0;
    const selection::Avanzamento avanzamento = [&](int) { ++aggiornamenti; };
    for (auto _ : misura) {
        selection::applicaCicli(stato, 1, stato.Numero_Anni, avanzamento);
        benchmark::DoNotOptimize(stato.Fine_Ciclo.data());
    }
    if (stato.Totale_Estrazioni_Selezionate != ESTRAZIONI || stato.Totale_Cicli != stato.Numero_Anni)
        misura.SkipWithError("periodo incompleto");
    benchmark::DoNotOptimize(aggiornamenti);
    misura.SetItemsProcessed(misura.iterations() * ESTRAZIONI);
    misura.counters["anni"] = stato.Numero_Anni;
}

} // namespace

BENCHMARK(applicaFrazionatoIntero)->Unit(benchmark::kMicrosecond);
BENCHMARK(applicaCicliTuttiGliAnni)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
