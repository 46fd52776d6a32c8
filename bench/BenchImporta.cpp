// Importing the full official storico file (76,824 lines, 7,359 dates, as gzip, the form it is kept in
// ../shared/data): reading and checking it, and the whole import that also writes the twelve files as
// one safe set. Target: under 150 ms. Without ../shared/data a file of the same size and layout is
// made up.
#include "core/FileSicuro.h"
#include "importa/Importazione.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>
#include <zlib.h>

namespace fs = std::filesystem;

namespace {

/** The official file's bytes, or a made-up storico of 7,359 draws gzipped the same way. */
const std::string& fileUfficiale() {
    static const std::string byte = [] {
        const char* cartella = std::getenv("QUINTARO_SHARED_DATA");
        const fs::path dati = cartella ? fs::path(cartella) : fs::path(QUINTARO_SHARED_DATA_PREDEFINITA);
        if (auto letto = core::leggiFileIntero(dati / "lotto_storico_igt_1939-2026.txt.gz")) return *letto;
        static const char* const codici[] = {"BA", "CA", "FI", "GE", "MI", "NA",
                                             "PA", "RM", "RN", "TO", "VE"};
        std::string testo;
        char riga[64];
        unsigned seme = 12345;
        for (int d = 0; d < 7359; ++d)
            for (const char* codice : codici) {
                int n[5];
                for (int i = 0; i < 5; ++i) {
                    bool ripetuto = true;
                    while (ripetuto) {
                        seme = seme * 1103515245u + 12345u;
                        n[i] = static_cast<int>(seme >> 16) % 90 + 1;
                        ripetuto = false;
                        for (int j = 0; j < i; ++j)
                            ripetuto = ripetuto || n[j] == n[i];
                    }
                }
                std::snprintf(riga, sizeof riga, "%04d/%02d/%02d\t%s\t%d\t%d\t%d\t%d\t%d\n", 1939 + d / 84,
                              1 + d / 7 % 12, 1 + d % 7 * 4, codice, n[0], n[1], n[2], n[3], n[4]);
                testo += riga;
            }
        uLongf lunghezza = compressBound(static_cast<uLong>(testo.size())) + 32;
        std::string compresso(lunghezza, '\0');
        z_stream z{};
        deflateInit2(&z, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        z.next_in = reinterpret_cast<Bytef*>(testo.data());
        z.avail_in = static_cast<uInt>(testo.size());
        z.next_out = reinterpret_cast<Bytef*>(compresso.data());
        z.avail_out = static_cast<uInt>(compresso.size());
        deflate(&z, Z_FINISH);
        compresso.resize(z.total_out);
        deflateEnd(&z);
        return compresso;
    }();
    return byte;
}

void BM_LetturaStorico(benchmark::State& stato) {
    const std::string& byte = fileUfficiale();
    for (auto _ : stato) {
        auto lettura = importa::leggiStorico(byte);
        benchmark::DoNotOptimize(lettura.estrazioni.data());
    }
    stato.SetBytesProcessed(static_cast<std::int64_t>(stato.iterations()) *
                            static_cast<std::int64_t>(byte.size()));
}

/** The whole import into an empty program folder: the file read from disk, checked, and the twelve files
 * written and synced. */
void BM_ImportazioneCompleta(benchmark::State& stato) {
    const fs::path cartella =
        fs::temp_directory_path() / ("quintaro-bench-importa-" + std::to_string(::getpid()));
    fs::create_directories(cartella);
    const fs::path file = cartella / "storico.txt.gz";
    if (!core::scriviFileSicuro(file, fileUfficiale()))
        throw std::runtime_error("impossibile scrivere " + file.string());
    core::Stato archivio(cartella);
    core::Imposta_Tabelle_Globali(archivio);
    const std::tm quando{};
    for (auto _ : stato) {
        stato.PauseTiming();
        fs::remove_all(archivio.cartellaRuote());
        stato.ResumeTiming();
        const auto esito = importa::importaEstrazioni(archivio, importa::leggiFileStorico(file),
                                                      importa::Modo::Sostituisci, quando);
        if (!esito) stato.SkipWithError(esito.messaggio().c_str());
    }
    fs::remove_all(cartella);
}

} // namespace

BENCHMARK(BM_LetturaStorico)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportazioneCompleta)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
