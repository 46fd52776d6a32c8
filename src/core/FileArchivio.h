#pragma once

#include "Formato.h"
#include "Stato.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace core {

/**
 * The archive files of RUOTE/ on their fixed handles: ten wheel files of 5-byte records, DATA of
 * 10-byte records and CONCORSO of 8-byte records, record n (1-based) of every file describing draw n,
 * with no header. Opening a missing file creates it empty; a folder that cannot be written is opened
 * for reading only. The handles close when the object goes.
 */
class FileArchivio {
public:
    explicit FileArchivio(Stato& stato);
    ~FileArchivio();
    FileArchivio(const FileArchivio&) = delete;
    FileArchivio& operator=(const FileArchivio&) = delete;

    /** Closes and reopens the ten wheel files. */
    void Apri_File_Ruote();
    /** Closes and reopens DATA. */
    void Apri_File_Date();
    /** Closes and reopens CONCORSO. */
    void Apri_File_Concorsi();
    /** Closes every archive handle. */
    void Chiudi_File_Archivio();
    /** Date record n (bytes 10n-9..10n of DATA), reopening DATA first; blanks past the file's end. */
    std::string Leggi_Data_Archivio(int n);
    /** Contest record n (bytes 8n-7..8n of CONCORSO), reopening CONCORSO first; blanks past the end. */
    std::string Leggi_Concorso_Archivio(int n);
    /**
     * Sets Estrazioni_In_Archivio from the length of BARI divided by 5, rounded to the nearest
     * integer, and returns it; 0 when BARI cannot be opened (for instance without the RUOTE folder).
     */
    std::int32_t Conta_Estrazioni_Archivio();

    /** Whether file f (1..10, FILE_DATA, FILE_CONCORSO) is open. */
    bool aperto(int f) const;
    /** Length in bytes of file f as it is on disk; -1 when it cannot be measured. */
    long long lunghezza(int f) const;
    /** Record size of file f. */
    static int byteRecord(int f);
    /** The file's name (BARI..VENEZIA, DATA, CONCORSO). */
    const std::string& nome(int f) const;

    /**
     * Reads records primo..primo+quanti-1 of the open file f in one read into `destinazione`, which
     * receives quanti * byteRecord(f) bytes. Returns how many whole records were read; the bytes of
     * the records past the file's end are left as they were.
     */
    int leggiRecord(int f, int primo, int quanti, std::uint8_t* destinazione);

private:
    static std::size_t indice(int f);
    void apri(int f);
    void chiudi(int f);
    std::string leggiTesto(int f, int n);

    Stato& m_stato;
    std::array<std::FILE*, 14> m_handle{};
};

} // namespace core
