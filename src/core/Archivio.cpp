#include "Archivio.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace core {

namespace {

/** Reads at most `massimo` bytes of a file; its length goes to `lunghezza`. False when it exists and cannot
 * be read. */
bool leggiFile(const std::filesystem::path& percorso, std::size_t massimo, std::string& byte,
               long long& lunghezza) {
    byte.clear();
    lunghezza = 0;
    std::error_code errore;
    const auto stato = std::filesystem::status(percorso, errore);
    if (stato.type() == std::filesystem::file_type::not_found) return true;
    if (errore || std::filesystem::is_directory(stato)) return false;
    const auto dimensione = std::filesystem::file_size(percorso, errore);
    if (errore) return false;
    std::ifstream file(percorso, std::ios::binary);
    if (!file) return false;
    byte.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(dimensione, massimo)));
    file.read(byte.data(), static_cast<std::streamsize>(byte.size()));
    byte.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) return false;
    lunghezza = static_cast<long long>(std::max<std::uintmax_t>(dimensione, byte.size()));
    return true;
}

std::size_t posizione(int f, int n) {
    return static_cast<std::size_t>(n - 1) * static_cast<std::size_t>(byteRecord(f));
}

} // namespace

std::filesystem::path registroArchivio(const std::filesystem::path& cartella) {
    return cartella / NOME_REGISTRO;
}

bool completaAggiornamentoInterrotto(const std::filesystem::path& cartella) {
    std::error_code errore;
    if (!std::filesystem::is_directory(cartella, errore)) return false;
    return completaSostituzioneInterrotta(registroArchivio(cartella));
}

FirmaArchivio firmaArchivio(const std::filesystem::path& cartella) {
    FirmaArchivio firma;
    std::size_t i = 0;
    for (int f : FILE_ARCHIVIO) {
        std::error_code errore;
        const auto percorso = cartella / nomeFile(f);
        const auto byte = std::filesystem::file_size(percorso, errore);
        firma.valori[i++] = errore ? -1 : static_cast<long long>(byte);
        const auto quando = std::filesystem::last_write_time(percorso, errore);
        firma.valori[i++] = errore ? -1 : static_cast<long long>(quando.time_since_epoch().count());
    }
    return firma;
}

Esito<Archivio> Archivio::leggi(const std::filesystem::path& cartella, Illeggibili illeggibili) {
    const auto blocco = Blocco::prendiPerLeggere(cartellaDelBlocco(cartella));
    if (!blocco) return blocco.errore();
    Archivio archivio;
    archivio.m_ripristinato = completaAggiornamentoInterrotto(cartella);
    for (int f : FILE_ARCHIVIO) {
        const std::size_t massimo =
            static_cast<std::size_t>(ESTRAZIONI_LEGGIBILI) * static_cast<std::size_t>(byteRecord(f));
        auto& byte = archivio.m_file[indice(f)];
        auto& lunghezza = archivio.m_lunghezza[indice(f)];
        if (!leggiFile(cartella / nomeFile(f), massimo, byte, lunghezza)) {
            if (illeggibili == Illeggibili::Rifiutati)
                return Esito<Archivio>(Codice::FileIllegibile, "Impossibile leggere il file " +
                                                                   std::string(nomeFile(f)) +
                                                                   " dell' archivio.");
            byte.clear();
            lunghezza = -1;
            archivio.m_illeggibile = true;
        }
        if (lunghezza > static_cast<long long>(byte.size())) archivio.m_parziale = true;
    }
    // An archive written before the Nazionale existed: a null record for every draw, as its next write
    // will store them.
    for (int f : FILE_ARCHIVIO) {
        std::error_code errore;
        if (!fileFacoltativo(f) || std::filesystem::symlink_status(cartella / nomeFile(f), errore).type() !=
                                       std::filesystem::file_type::not_found)
            continue;
        const auto estrazioni =
            std::min<std::size_t>(static_cast<std::size_t>(archivio.estrazioni()), ESTRAZIONI_LEGGIBILI);
        auto& byte = archivio.m_file[indice(f)];
        byte.clear();
        for (std::size_t n = 0; n < estrazioni; ++n)
            byte.append(reinterpret_cast<const char*>(RECORD_NULLO.data()), RECORD_NULLO.size());
        archivio.m_lunghezza[indice(f)] = static_cast<long long>(byte.size());
    }
    archivio.m_firma = firmaArchivio(cartella);
    return archivio;
}

int Archivio::estrazioni() const {
    // Length / 5 rounded to the nearest integer: a fifth can never be exactly a half.
    const long long byte = lunghezza(1);
    return byte > 0 ? static_cast<int>(std::min<long long>((byte + 2) / BYTE_RECORD_RUOTA, INT32_MAX)) : 0;
}

Verifica Archivio::verifica(int massimoEstrazioni) const {
    Verifica verifica;
    verifica.estrazioni = estrazioni();
    verifica.troppe = verifica.estrazioni > massimoEstrazioni;
    if (verifica.estrazioni > 0)
        for (int f : FILE_ARCHIVIO) {
            const long long attesi = static_cast<long long>(verifica.estrazioni) * byteRecord(f);
            if (lunghezza(f) != attesi)
                verifica.discordanti.push_back({f, lunghezza(f), lunghezza(f) / byteRecord(f)});
        }
    for (int w = 1; w <= RUOTE_ARCHIVIO; ++w) {
        const std::string& byte = m_file[indice(w)];
        const auto* inizio = reinterpret_cast<const std::uint8_t*>(byte.data());
        for (std::size_t n = 0; n + BYTE_RECORD_RUOTA <= byte.size(); n += BYTE_RECORD_RUOTA) {
            if (!recordDanneggiato(inizio + n)) continue;
            const int estrazione = static_cast<int>(n / BYTE_RECORD_RUOTA) + 1;
            if (verifica.recordDanneggiati++ == 0 || estrazione < verifica.primoDanneggiato) {
                verifica.primoDanneggiato = estrazione;
                verifica.ruotaPrimoDanneggiato = w;
            }
        }
    }
    return verifica;
}

const std::uint8_t* Archivio::ruota(int w, int n) const {
    if (w < 1 || w > RUOTE_ARCHIVIO || n < 1) return nullptr;
    const std::string& byte = m_file[indice(w)];
    const std::size_t inizio = posizione(w, n);
    if (inizio + BYTE_RECORD_RUOTA > byte.size()) return nullptr;
    return reinterpret_cast<const std::uint8_t*>(byte.data() + inizio);
}

namespace {

std::string testo(const std::string& byte, int f, int n) {
    const auto dimensione = static_cast<std::size_t>(byteRecord(f));
    if (n < 1 || posizione(f, n) + dimensione > byte.size()) return std::string(dimensione, ' ');
    return byte.substr(posizione(f, n), dimensione);
}

} // namespace

std::string Archivio::Leggi_Data_Archivio(int n) const {
    return testo(byte(FILE_DATA), FILE_DATA, n);
}

std::string Archivio::Leggi_Concorso_Archivio(int n) const {
    return testo(byte(FILE_CONCORSO), FILE_CONCORSO, n);
}

RecordEstrazione Archivio::estrazione(int n) const {
    RecordEstrazione estrazione;
    for (int w = 1; w <= RUOTE_ARCHIVIO; ++w)
        if (const std::uint8_t* record = ruota(w, n))
            std::copy_n(record, BYTE_RECORD_RUOTA, estrazione.ruote[static_cast<std::size_t>(w - 1)].begin());
    estrazione.data = Leggi_Data_Archivio(n);
    estrazione.concorso = Leggi_Concorso_Archivio(n);
    return estrazione;
}

namespace {

/** The bytes that file f stores for a draw: its record, cut or padded with blanks to the record size. */
std::string recordDelFile(const RecordEstrazione& estrazione, int f) {
    std::string record;
    if (f == FILE_DATA)
        record = estrazione.data;
    else if (f == FILE_CONCORSO)
        record = estrazione.concorso;
    else
        record.assign(reinterpret_cast<const char*>(estrazione.ruote[static_cast<std::size_t>(f - 1)].data()),
                      BYTE_RECORD_RUOTA);
    record.resize(static_cast<std::size_t>(byteRecord(f)), ' ');
    return record;
}

} // namespace

void Archivio::aggiornaLunghezze() {
    for (int f : FILE_ARCHIVIO)
        m_lunghezza[indice(f)] = static_cast<long long>(m_file[indice(f)].size());
}

void Archivio::accoda(const RecordEstrazione& estrazione) {
    for (int f : FILE_ARCHIVIO)
        m_file[indice(f)] += recordDelFile(estrazione, f);
    aggiornaLunghezze();
}

bool Archivio::sostituisci(int n, const RecordEstrazione& estrazione) {
    if (n < 1 || n > estrazioni()) return false;
    for (int f : FILE_ARCHIVIO) {
        std::string& byte = m_file[indice(f)];
        const std::string record = recordDelFile(estrazione, f);
        const std::size_t fine = posizione(f, n) + record.size();
        if (byte.size() < fine) byte.resize(fine, ' '); // mutazioni: equivalente (< -> <=) — the same size
        byte.replace(posizione(f, n), record.size(), record);
    }
    aggiornaLunghezze();
    return true;
}

bool Archivio::inserisci(int n, const RecordEstrazione& estrazione) {
    if (n < 1 || n > estrazioni()) return false;
    for (int f : FILE_ARCHIVIO) {
        std::string& byte = m_file[indice(f)];
        byte.insert(std::min(byte.size(), posizione(f, n)), recordDelFile(estrazione, f));
    }
    aggiornaLunghezze();
    return true;
}

bool Archivio::elimina(int n) {
    if (n < 1 || n > estrazioni()) return false;
    for (int f : FILE_ARCHIVIO) {
        std::string& byte = m_file[indice(f)];
        if (posizione(f, n) < byte.size())
            byte.erase(posizione(f, n), static_cast<std::size_t>(byteRecord(f)));
    }
    aggiornaLunghezze();
    return true;
}

Esito<void> Archivio::scrivi(const std::filesystem::path& cartella, const Guasto& guasto) const {
    if (m_illeggibile)
        return {Codice::ArchivioIncoerente,
                "L' archivio contiene file che non possono essere letti: non può essere riscritto."};
    if (m_parziale)
        return {Codice::ArchivioIncoerente,
                "L' archivio contiene file danneggiati troppo lunghi: non può essere riscritto."};
    std::error_code errore;
    std::filesystem::create_directories(cartella, errore);
    const auto blocco = Blocco::prendi(cartellaDelBlocco(cartella));
    if (!blocco) return blocco.errore();
    std::vector<FileNuovo> file;
    file.reserve(FILE_ARCHIVIO.size());
    for (int f : FILE_ARCHIVIO)
        file.push_back({cartella / nomeFile(f), m_file[indice(f)]});
    if (sostituisciInsieme(file, registroArchivio(cartella), guasto)) return riuscito();
    // Past the point of no return the new set is the archive: finishing it now means nobody ever reads
    // a mix of old and new files, even before the next start.
    completaAggiornamentoInterrotto(cartella);
    return {Codice::FileNonScrivibile, "Impossibile scrivere i file dell' archivio."};
}

} // namespace core
