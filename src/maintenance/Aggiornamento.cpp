#include "Aggiornamento.h"

#include "core/FileArchivio.h"
#include "core/Lotto.h"
#include "core/Testo.h"

#include <algorithm>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <vector>

namespace maintenance {

namespace {

constexpr int FILE_ARCHIVIO[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, core::FILE_DATA, core::FILE_CONCORSO};

std::filesystem::path percorso(const core::Stato& stato, int f) {
    return stato.cartellaRuote() / stato.Nome_Ruota[static_cast<std::size_t>(f)];
}

/** The record that file f stores for the draw. */
std::string record(const NuovaEstrazione& estrazione, int f) {
    if (f == core::FILE_DATA) return estrazione.data;
    if (f == core::FILE_CONCORSO) return estrazione.concorso;
    int numeri[6] = {5};
    for (int i = 1; i <= 5; ++i) {
        const int casella = 5 * f - 5 + i;
        numeri[i] = estrazione.numeri[static_cast<std::size_t>(casella)];
    }
    return core::Comprimi_Estrazione(numeri, 5);
}

bool recordValido(const NuovaEstrazione& estrazione) {
    return estrazione.data.size() == core::BYTE_RECORD_DATA &&
           estrazione.concorso.size() == core::BYTE_RECORD_CONCORSO;
}

/** The twelve files read whole, by file number; nothing when one cannot be read. */
std::optional<std::array<std::string, 14>> leggiArchivio(const core::Stato& stato) {
    std::array<std::string, 14> contenuti;
    for (int f : FILE_ARCHIVIO) {
        auto contenuto = core::leggiFileIntero(percorso(stato, f));
        if (!contenuto) return std::nullopt;
        contenuti[static_cast<std::size_t>(f)] = std::move(*contenuto);
    }
    return contenuti;
}

bool sostituisci(const core::Stato& stato, const std::array<std::string, 14>& contenuti,
                 const core::Guasto& guasto) {
    std::vector<core::FileNuovo> file;
    for (int f : FILE_ARCHIVIO)
        file.push_back({percorso(stato, f), contenuti[static_cast<std::size_t>(f)]});
    return core::sostituisciInsieme(file, registroArchivio(stato), guasto);
}

int estrazioniInArchivio(const std::array<std::string, 14>& contenuti) {
    return static_cast<int>((contenuti[1].size() + 2) / core::BYTE_RECORD_RUOTA);
}

} // namespace

std::filesystem::path registroArchivio(const core::Stato& stato) {
    return stato.cartellaRuote() / "AGGIORNAMENTO.registro";
}

bool completaAggiornamentoInterrotto(const core::Stato& stato) {
    if (!std::filesystem::is_directory(stato.cartellaRuote())) return false;
    return core::completaSostituzioneInterrotta(registroArchivio(stato));
}

Rinumerazione rinumeraConcorsi(std::string& concorsi, int maxConcorsi) {
    if (concorsi.size() % core::BYTE_RECORD_CONCORSO != 0) return Rinumerazione::LunghezzaErrata;
    int annoPrecedente = -1, contatore = 0;
    for (std::size_t inizio = 0; inizio < concorsi.size(); inizio += core::BYTE_RECORD_CONCORSO) {
        const std::string_view vecchio(concorsi.data() + inizio, core::BYTE_RECORD_CONCORSO);
        const int concorso = core::valoreNumerico(vecchio.substr(0, 3));
        const int anno = core::valoreNumerico(vecchio.substr(4, 4));
        if (concorso < 1 || concorso > maxConcorsi || anno < 1871 || anno > 2500)
            return Rinumerazione::ValoreFuoriLimiti;
        if (anno > annoPrecedente) {
            contatore = 0;
            annoPrecedente = anno;
        }
        // A run of one year longer than the highest contest would be renumbered past it: a count the next
        // renumbering refuses, and past 999 a text longer than the record, which would shift every later
        // record. The renumbering stops there, as it does on a contest out of its limits.
        if (++contatore > std::min(maxConcorsi, 999)) return Rinumerazione::ValoreFuoriLimiti;
        const std::string nuovo =
            core::allineaDestra(std::to_string(contatore), 3) + '/' + std::to_string(anno);
        concorsi.replace(inizio, core::BYTE_RECORD_CONCORSO, nuovo);
    }
    return Rinumerazione::Riuscita;
}

bool Registrazione_Estrazione(const core::Stato& stato, int n, const NuovaEstrazione& estrazione,
                              const core::Guasto& guasto) {
    if (n < 1 || !recordValido(estrazione)) return false;
    struct Scritto {
        int fd;
        off_t lunghezza;
        std::string vecchio;
        off_t posizione;
    };
    std::vector<Scritto> scritti;
    bool riuscito = true;
    for (int f : FILE_ARCHIVIO) {
        const int fd = ::open(percorso(stato, f).c_str(), O_RDWR | O_CREAT, 0644);
        if (fd < 0) {
            riuscito = false;
            break;
        }
        const std::string nuovo = record(estrazione, f);
        const off_t posizione = static_cast<off_t>(n - 1) * static_cast<off_t>(nuovo.size());
        Scritto scritto{fd, ::lseek(fd, 0, SEEK_END), std::string(nuovo.size(), '\0'), posizione};
        const ssize_t letti = ::pread(fd, scritto.vecchio.data(), scritto.vecchio.size(), posizione);
        scritto.vecchio.resize(letti > 0 ? static_cast<std::size_t>(letti) : 0);
        scritti.push_back(scritto);
        if ((guasto && guasto("scrivi:" + stato.Nome_Ruota[static_cast<std::size_t>(f)])) ||
            ::pwrite(fd, nuovo.data(), nuovo.size(), posizione) != static_cast<ssize_t>(nuovo.size()) ||
            ::fsync(fd) != 0) {
            riuscito = false;
            break;
        }
    }
    if (!riuscito) {
        // Every file goes back to its old record and length.
        for (const auto& scritto : scritti) {
            if (!scritto.vecchio.empty())
                (void)::pwrite(scritto.fd, scritto.vecchio.data(), scritto.vecchio.size(), scritto.posizione);
            (void)::ftruncate(scritto.fd, scritto.lunghezza);
            ::fsync(scritto.fd);
        }
    }
    for (const auto& scritto : scritti)
        ::close(scritto.fd);
    return riuscito;
}

bool Registrazione_Intramezzo_Estrazione(const core::Stato& stato, int n, const NuovaEstrazione& estrazione,
                                         Rinumerazione& rinumerazione, const core::Guasto& guasto) {
    rinumerazione = Rinumerazione::Riuscita;
    auto contenuti = leggiArchivio(stato);
    if (!contenuti || !recordValido(estrazione) || n < 1 || n > estrazioniInArchivio(*contenuti))
        return false;
    for (int f : FILE_ARCHIVIO) {
        auto& contenuto = (*contenuti)[static_cast<std::size_t>(f)];
        const std::string nuovo = record(estrazione, f);
        contenuto.insert(std::min(contenuto.size(), static_cast<std::size_t>(n - 1) * nuovo.size()), nuovo);
    }
    // A renumbering stopped half-way would leave an archive that is neither the old one nor the new.
    rinumerazione = rinumeraConcorsi((*contenuti)[core::FILE_CONCORSO], stato.Max_Concorsi_Anno);
    return rinumerazione == Rinumerazione::Riuscita && sostituisci(stato, *contenuti, guasto);
}

bool Eliminazione_Intramezzo_Estrazione(const core::Stato& stato, int n, Rinumerazione& rinumerazione,
                                        const core::Guasto& guasto) {
    rinumerazione = Rinumerazione::Riuscita;
    auto contenuti = leggiArchivio(stato);
    if (!contenuti || n < 1 || n > estrazioniInArchivio(*contenuti)) return false;
    for (int f : FILE_ARCHIVIO) {
        auto& contenuto = (*contenuti)[static_cast<std::size_t>(f)];
        const auto dimensione = static_cast<std::size_t>(core::FileArchivio::byteRecord(f));
        const std::size_t inizio = static_cast<std::size_t>(n - 1) * dimensione;
        if (inizio < contenuto.size()) contenuto.erase(inizio, dimensione);
    }
    rinumerazione = rinumeraConcorsi((*contenuti)[core::FILE_CONCORSO], stato.Max_Concorsi_Anno);
    return rinumerazione == Rinumerazione::Riuscita && sostituisci(stato, *contenuti, guasto);
}

} // namespace maintenance
