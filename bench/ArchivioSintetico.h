#pragma once
// A synthetic archive on disk for the benchmarks: plausible draws, 150 contests a year from 1871.
#include "core/FileArchivio.h"
#include "core/Lotto.h"
#include "core/Stato.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

namespace banco {

namespace fs = std::filesystem;

/** A program folder under the system's temporary folder, removed when the program ends. */
class CartellaTemporanea {
public:
    CartellaTemporanea() {
        const auto istante = std::chrono::steady_clock::now().time_since_epoch().count();
        m_percorso = fs::temp_directory_path() /
                     ("quintaro-bench-" + std::to_string(::getpid()) + "-" + std::to_string(istante));
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

inline CartellaTemporanea& radice() {
    static CartellaTemporanea cartella;
    return cartella;
}

/** Writes an archive of `quante` plausible draws into its own program folder and returns the folder. */
inline fs::path archivioSintetico(int quante) {
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
        std::ofstream(stato.cartellaRuote() / stato.Nome_Ruota[static_cast<std::size_t>(f)], std::ios::binary)
            << byte;
    };
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        scrivi(w, ruote[w]);
    scrivi(core::FILE_DATA, date);
    scrivi(core::FILE_CONCORSO, concorsi);
    return scritti[quante] = cartella;
}

} // namespace banco
