#pragma once
// A synthetic archive on disk for the benchmarks: plausible draws, 150 contests a year from 1871.
#include "core/Archivio.h"
#include "core/Stato.h"

#include <array>
#include <chrono>
#include <filesystem>
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
    core::Archivio archivio;
    unsigned seme = 12345;
    for (int n = 1; n <= quante; ++n) {
        core::RecordEstrazione estrazione;
        for (auto& ruota : estrazione.ruote) {
            std::array<int, core::NUMERI_PER_RECORD> numeri{};
            for (int& numero : numeri) {
                seme = seme * 1103515245u + 12345u;
                numero = static_cast<int>((seme >> 16) % 90) + 1;
            }
            ruota = core::codificaRuota(numeri);
        }
        const int anno = 1871 + (n - 1) / 150;
        estrazione.data = core::Data{anno, 1 + n % 12, 1 + n % 28}.record();
        estrazione.concorso = core::recordConcorso((n - 1) % 150 + 1, anno);
        archivio.accoda(estrazione);
    }
    core::Stato stato(cartella);
    core::Imposta_Tabelle_Globali(stato);
    // Unwritten, the archive holds no draw: the benchmarks that count it say so.
    if (!archivio.scrivi(stato.cartellaRuote())) return cartella;
    return scritti[quante] = cartella;
}

} // namespace banco
