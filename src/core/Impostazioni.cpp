#include "Impostazioni.h"

#include "Blocco.h"
#include "FileSicuro.h"
#include "Testo.h"

#include <fstream>

namespace core {

bool File_Esistente(const std::filesystem::path& percorso) {
    // A folder opens as a stream on this system, but nothing can be read from it.
    std::error_code errore;
    if (std::filesystem::is_directory(percorso, errore)) return false;
    std::ifstream file(percorso, std::ios::binary);
    return file.is_open();
}

std::string Leggi_Impostazione(const Stato& stato, int k) {
    if (k < 1 || k > NUMERO_CAMPI) return "-1";
    const auto percorso = stato.fileImpostazioni();
    if (!File_Esistente(percorso)) return "-1";
    std::ifstream file(percorso, std::ios::binary);
    if (!file) return "-1";
    std::string testo(BYTE_TESTO_CAMPO, ' ');
    file.seekg(static_cast<std::streamoff>(BYTE_CAMPO) * (k - 1));
    if (file) {
        file.read(testo.data(), BYTE_TESTO_CAMPO);
        const auto letti = static_cast<std::size_t>(file.gcount());
        for (std::size_t i = letti; i < testo.size(); ++i)
            testo[i] = ' ';
    }
    // A slot that was never written may hold zero bytes: it reads as blank.
    for (char& c : testo)
        if (c == '\0') c = ' ';
    return testo;
}

bool Scrivi_Impostazione(const Stato& stato, int k, std::string_view testo) {
    if (k < 1 || k > NUMERO_CAMPI || testo.size() > static_cast<std::size_t>(BYTE_CAMPO)) return false;
    const std::string_view pulito = senzaSpazi(testo);
    const auto percorso = stato.fileImpostazioni();
    const auto blocco = Blocco::prendi(stato.Cartella_Programma);
    if (!blocco) return false;

    // Only a file that is not there at all starts empty; one that is there and cannot be read holds
    // the other settings, which a new file would lose.
    std::string contenuto;
    std::error_code errore;
    if (std::filesystem::symlink_status(percorso, errore).type() != std::filesystem::file_type::not_found) {
        auto letto = leggiFileIntero(percorso);
        if (!letto) return false;
        contenuto = std::move(*letto);
    }
    const std::size_t inizio = static_cast<std::size_t>(BYTE_CAMPO) * static_cast<std::size_t>(k - 1);
    const std::size_t fine = inizio + std::max<std::size_t>(BYTE_TESTO_CAMPO, pulito.size());
    if (contenuto.size() < fine) contenuto.resize(fine, ' '); // mutazioni: equivalente (< -> <=) — no-op
    contenuto.replace(inizio, BYTE_TESTO_CAMPO, BYTE_TESTO_CAMPO, ' ');
    contenuto.replace(inizio, pulito.size(), pulito);
    return scriviFileSicuro(percorso, contenuto);
}

int Leggi_Numero_Impostazione(const Stato& stato, int k) {
    return valoreNumerico(senzaSpazi(Leggi_Impostazione(stato, k)));
}

bool Campo_Vuoto(const Stato& stato, int k) {
    return !File_Esistente(stato.fileImpostazioni()) || senzaSpazi(Leggi_Impostazione(stato, k)).empty();
}

} // namespace core
