// Loading the whole archive into memory, as the loading window does at start-up, for archives of
// 1,000, 10,000 and 32,000 draws (the most the archive may hold). Target: 32,000 draws under 20 ms
// with the files in the page cache.
#include "core/Caricamento.h"
#include "core/FileArchivio.h"
#include "core/Lotto.h"
#include "core/Stato.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

/** A program folder under the system's temporary folder, removed when the program ends. */
class CartellaTemporanea {
public:
    CartellaTemporanea() {
        const auto istante = std::chrono::steady_clock::now().time_since_epoch().count();
        m_percorso = fs::temp_directory_path() / ("quintaro-bench-" + std::to_string(::getpid()) + "-" +
                                                  std::to_string(istante));
        fs::create_directories(m_percorso);
    }
    ~CartellaTemporanea() {
        std::error_code ignorato;
        fs::remove_all(m_percorso, ignorato);
    }
    const fs::path& percorso() const { return m_percorso; }

private:
    fs::path m_percorso;
};

CartellaTemporanea& radice() {
    static CartellaTemporanea cartella;
    return cartella;
}

/** Writes an archive of `quante` plausible draws into its own program folder and returns the folder. */
fs::path archivioSintetico(int quante) {
    static std::map<int, fs::path> scritti;
    if (auto trovato = scritti.find(quante); trovato != scritti.end()) return trovato->second;

    const fs::path cartella = radice().percorso() / std::to_string(quante);
    core::Stato stato(cartella);
    core::Imposta_Tabelle_Globali(stato);
    fs::create_directories(stato.cartellaRuote());

    std::string ruote[11], date, concorsi;
    unsigned seme = 12345;
    for (int n = 1; n <= quante; ++n) {
        for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
            int numeri[6] = {5};
            for (int i = 1; i <= 5; ++i) {
                seme = seme * 1103515245u + 12345u;
                numeri[i] = static_cast<int>((seme >> 16) % 90) + 1;
            }
            ruote[w] += core::Comprimi_Estrazione(numeri, 5);
        }
        const int anno = 1871 + (n - 1) / 150, concorso = (n - 1) % 150 + 1;
        char testo[16];
        std::snprintf(testo, sizeof testo, "%2d/%2d/%04d", 1 + n % 28, 1 + n % 12, anno);
        date += testo;
        std::snprintf(testo, sizeof testo, "%3d/%04d", concorso, anno);
        concorsi += testo;
    }
    const auto scrivi = [&](int f, const std::string& byte) {
        std::ofstream(stato.cartellaRuote() / stato.Nome_Ruota[static_cast<std::size_t>(f)], std::ios::binary) << byte;
    };
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) scrivi(w, ruote[w]);
    scrivi(core::FILE_DATA, date);
    scrivi(core::FILE_CONCORSO, concorsi);
    return scritti[quante] = cartella;
}

void caricaArchivioIntero(benchmark::State& misura) {
    const int quante = static_cast<int>(misura.range(0));
    core::Stato stato(archivioSintetico(quante));
    core::Imposta_Tabelle_Globali(stato);
    core::FileArchivio file(stato);
    if (file.Conta_Estrazioni_Archivio() != quante) {
        misura.SkipWithError("archivio di prova non scritto");
        return;
    }
    for (auto _ : misura) {
        const auto esito = core::START_Memorizzazione_Estrazioni(stato, file, 1, quante);
        benchmark::DoNotOptimize(esito);
        benchmark::DoNotOptimize(stato.Archivio_Estrazioni.record(10, quante));
    }
    if (stato.Estrazioni_Caricate != quante) misura.SkipWithError("caricamento incompleto");
    misura.SetItemsProcessed(misura.iterations() * quante);
    misura.SetBytesProcessed(misura.iterations() * quante *
                             (core::BYTE_PER_ESTRAZIONE + core::BYTE_RECORD_DATA + core::BYTE_RECORD_CONCORSO));
}

} // namespace

BENCHMARK(caricaArchivioIntero)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
