#include "FileSicuro.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace core {

std::optional<std::string> leggiFileIntero(const std::filesystem::path& percorso) {
    // Read by hand: a stream takes a read error for the end of the file and would hand back a
    // truncated content as if it were whole.
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string contenuto;
    char blocco[65536];
    for (;;) {
        const ssize_t n = ::read(fd, blocco, sizeof blocco);
        if (n == 0) break;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        contenuto.append(blocco, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return contenuto;
}

namespace {

/** Writes and flushes a whole file; false on any failure. */
bool scriviESincronizza(const std::filesystem::path& percorso, std::string_view contenuto) {
    const int fd = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false; // mutazioni: equivalente — write() and close() on -1 fail all the same
    std::size_t scritti = 0;
    while (scritti < contenuto.size()) {
        const ssize_t n = ::write(fd, contenuto.data() + scritti, contenuto.size() - scritti);
        if (n <= 0) break;
        scritti += static_cast<std::size_t>(n);
    }
    const bool completo = scritti == contenuto.size() && ::fsync(fd) == 0;
    return ::close(fd) == 0 && completo;
}

/** Flushes a folder, so that the renames inside it reach the disk. */
void sincronizzaCartella(const std::filesystem::path& cartella) {
    const int fd = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::filesystem::path inAttesa(const std::filesystem::path& percorso) {
    auto nuovo = percorso;
    nuovo += ".transazione";
    return nuovo;
}

} // namespace

bool sostituisciInsieme(const std::vector<FileNuovo>& file, const std::filesystem::path& registro,
                        const Guasto& guasto) {
    const auto fallisce = [&](const std::string& passo) { return guasto && guasto(passo); };
    std::error_code errore;
    const auto annulla = [&] {
        for (const auto& f : file)
            std::filesystem::remove(inAttesa(f.percorso), errore);
        return false;
    };
    completaSostituzioneInterrotta(registro);
    std::string elenco;
    for (const auto& f : file) {
        if (fallisce("scrivi:" + f.percorso.filename().string()) ||
            !scriviESincronizza(inAttesa(f.percorso), f.contenuto))
            return annulla();
        elenco += f.percorso.filename().string() + '\n';
    }
    if (fallisce("registro") || !scriviFileSicuro(registro, elenco)) {
        std::filesystem::remove(registro, errore);
        return annulla();
    }
    sincronizzaCartella(registro.parent_path());
    // From here on the new set is the archive: a failure is finished by completaSostituzioneInterrotta.
    for (const auto& f : file) {
        if (fallisce("sostituisci:" + f.percorso.filename().string())) return false;
        std::filesystem::rename(inAttesa(f.percorso), f.percorso, errore);
        if (errore) return false;
    }
    sincronizzaCartella(registro.parent_path());
    if (fallisce("chiudi")) return false;
    std::filesystem::remove(registro, errore);
    return !errore;
}

bool completaSostituzioneInterrotta(const std::filesystem::path& registro) {
    std::error_code errore;
    const auto cartella = registro.parent_path();
    bool trovato = false;
    if (std::filesystem::exists(registro, errore)) {
        trovato = true;
        const auto elenco = leggiFileIntero(registro);
        std::size_t inizio = 0;
        while (elenco && inizio < elenco->size()) { // mutazioni: equivalente (< -> <=) — empty: skipped
            const std::size_t fine = std::min(elenco->find('\n', inizio), elenco->size());
            const std::string nome = elenco->substr(inizio, fine - inizio);
            inizio = fine + 1;
            // Only plain names of this folder: a damaged record never reaches outside it.
            if (nome.empty() || nome.find('/') != std::string::npos || nome == "." || nome == "..") continue;
            if (std::filesystem::exists(inAttesa(cartella / nome), errore))
                std::filesystem::rename(inAttesa(cartella / nome), cartella / nome, errore);
        }
        sincronizzaCartella(cartella);
        std::filesystem::remove(registro, errore);
    }
    // New files without a record were never committed: the old set stands.
    for (const auto& voce : std::filesystem::directory_iterator(cartella, errore))
        if (voce.path().extension() == ".transazione") {
            std::filesystem::remove(voce.path(), errore);
            trovato = true;
        }
    return trovato;
}

bool scriviFileSicuro(const std::filesystem::path& percorso, std::string_view contenuto) {
    auto temporaneo = percorso;
    temporaneo += ".nuovo";
    std::error_code errore;
    if (!scriviESincronizza(temporaneo, contenuto)) {
        std::filesystem::remove(temporaneo, errore);
        return false;
    }
    std::filesystem::rename(temporaneo, percorso, errore);
    if (errore) {
        std::filesystem::remove(temporaneo, errore);
        return false;
    }
    return true;
}

} // namespace core
