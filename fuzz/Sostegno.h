#pragma once

// Helpers shared by the fuzz targets: a check that reports the broken condition, a program folder of
// their own, emptied for every input, and the splitting of an input into the files it stands for.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

// Ends the run as a crash, naming the condition, when it does not hold: libFuzzer keeps the input.
#define VERIFICA(condizione)                                                                                 \
    do {                                                                                                     \
        if (!(condizione)) {                                                                                 \
            std::fprintf(stderr, "%s:%d: condizione non rispettata: %s\n", __FILE__, __LINE__, #condizione); \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

namespace fuzz {

// A program folder for this process, in /dev/shm when it can be written (the settings writes flush to
// disk, which a memory folder makes cheap), else in the temporary folder. Removed at exit.
class CartellaFuzz {
public:
    CartellaFuzz() {
        std::string modello =
            (access("/dev/shm", W_OK) == 0 ? std::string("/dev/shm")
                                           : std::filesystem::temp_directory_path().string()) +
            "/quintaro-fuzz-XXXXXX";
        if (!mkdtemp(modello.data())) std::abort();
        m_percorso = modello;
    }
    ~CartellaFuzz() {
        std::error_code errore;
        std::filesystem::remove_all(m_percorso, errore);
    }
    CartellaFuzz(const CartellaFuzz&) = delete;
    CartellaFuzz& operator=(const CartellaFuzz&) = delete;

    const std::filesystem::path& percorso() const { return m_percorso; }

    // Empties the folder, so that nothing of the previous input is left.
    void svuota() const {
        std::error_code errore;
        for (const auto& voce : std::filesystem::directory_iterator(m_percorso, errore))
            std::filesystem::remove_all(voce.path(), errore);
    }

    // Writes a file under the folder with exactly these bytes, creating its folders.
    void scrivi(const std::filesystem::path& relativo, std::string_view byte) const {
        std::error_code errore;
        std::filesystem::create_directories((m_percorso / relativo).parent_path(), errore);
        std::ofstream(m_percorso / relativo, std::ios::binary) << byte;
    }

private:
    std::filesystem::path m_percorso;
};

// The input split at every `separatore` into at most `massimo` parts (the last part keeps any further
// separator). An input without separators is one part.
inline std::vector<std::string> parti(const std::uint8_t* dati, std::size_t quanti, char separatore,
                                      std::size_t massimo) {
    std::string_view testo(reinterpret_cast<const char*>(dati), quanti);
    std::vector<std::string> risultato;
    for (auto fine = testo.find(separatore); risultato.size() + 1 < massimo && fine != testo.npos;
         fine = testo.find(separatore)) {
        risultato.emplace_back(testo.substr(0, fine));
        testo.remove_prefix(fine + 1);
    }
    risultato.emplace_back(testo);
    return risultato;
}

} // namespace fuzz
