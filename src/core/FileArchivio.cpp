#include "FileArchivio.h"

#include <cerrno>
#include <system_error>

namespace core {

FileArchivio::FileArchivio(Stato& stato) : m_stato(stato) {}

FileArchivio::~FileArchivio() {
    Chiudi_File_Archivio();
}

std::size_t FileArchivio::indice(int f) {
    return static_cast<std::size_t>(f);
}

int FileArchivio::byteRecord(int f) {
    if (f == FILE_DATA) return BYTE_RECORD_DATA;
    if (f == FILE_CONCORSO) return BYTE_RECORD_CONCORSO;
    return BYTE_RECORD_RUOTA;
}

const std::string& FileArchivio::nome(int f) const {
    return m_stato.Nome_Ruota[indice(f)];
}

void FileArchivio::apri(int f) {
    chiudi(f);
    const std::string percorso = (m_stato.cartellaRuote() / nome(f)).string();
    std::FILE* handle = std::fopen(percorso.c_str(), "r+b");
    if (!handle && errno == ENOENT) handle = std::fopen(percorso.c_str(), "w+b");
    if (!handle) handle = std::fopen(percorso.c_str(), "rb");
    m_handle[indice(f)] = handle;
}

void FileArchivio::chiudi(int f) {
    if (auto*& handle = m_handle[indice(f)]) {
        std::fclose(handle);
        handle = nullptr;
    }
}

void FileArchivio::Apri_File_Ruote() {
    for (int w = 1; w <= NUMERO_RUOTE; ++w)
        apri(w);
}

void FileArchivio::Apri_File_Date() {
    apri(FILE_DATA);
}

void FileArchivio::Apri_File_Concorsi() {
    apri(FILE_CONCORSO);
}

void FileArchivio::Chiudi_File_Archivio() {
    for (std::size_t f = 0; f < m_handle.size(); ++f)
        chiudi(static_cast<int>(f));
}

bool FileArchivio::aperto(int f) const {
    return m_handle[indice(f)] != nullptr;
}

long long FileArchivio::lunghezza(int f) const {
    std::error_code errore;
    const auto dimensione = std::filesystem::file_size(m_stato.cartellaRuote() / nome(f), errore);
    return errore ? -1 : static_cast<long long>(dimensione);
}

int FileArchivio::leggiRecord(int f, int primo, int quanti, std::uint8_t* destinazione) {
    std::FILE* handle = m_handle[indice(f)];
    if (!handle || primo < 1 || quanti < 1) return 0;
    const long long dimensione = byteRecord(f);
    if (std::fseek(handle, static_cast<long>((primo - 1) * dimensione), SEEK_SET) != 0) return 0;
    const std::size_t letti =
        std::fread(destinazione, 1, static_cast<std::size_t>(quanti * dimensione), handle);
    return static_cast<int>(static_cast<long long>(letti) / dimensione);
}

std::string FileArchivio::leggiTesto(int f, int n) {
    const int dimensione = byteRecord(f);
    std::string testo(static_cast<std::size_t>(dimensione), ' ');
    std::FILE* handle = m_handle[indice(f)];
    if (!handle || n < 1) return testo;
    if (std::fseek(handle, static_cast<long>(static_cast<long long>(n - 1) * dimensione), SEEK_SET) != 0)
        return testo;
    const std::size_t letti = std::fread(testo.data(), 1, testo.size(), handle);
    // A record cut short by the file's end has no defined content: it reads as blank.
    if (letti != testo.size()) testo.assign(testo.size(), ' ');
    return testo;
}

std::string FileArchivio::Leggi_Data_Archivio(int n) {
    Apri_File_Date();
    return leggiTesto(FILE_DATA, n);
}

std::string FileArchivio::Leggi_Concorso_Archivio(int n) {
    Apri_File_Concorsi();
    return leggiTesto(FILE_CONCORSO, n);
}

std::int32_t FileArchivio::Conta_Estrazioni_Archivio() {
    Apri_File_Ruote();
    const long long byte = aperto(1) ? lunghezza(1) : 0;
    // Length / 5 rounded to the nearest integer: a fifth can never be exactly a half.
    const long long quante = byte > 0 ? (byte + 2) / BYTE_RECORD_RUOTA : 0;
    m_stato.Estrazioni_In_Archivio = static_cast<std::int32_t>(std::min<long long>(quante, INT32_MAX));
    Chiudi_File_Archivio();
    return m_stato.Estrazioni_In_Archivio;
}

} // namespace core
