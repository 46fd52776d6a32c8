#pragma once

#include "Blocco.h"
#include "Esito.h"
#include "FileSicuro.h"
#include "Formato.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace core {

/** The most records read of one archive file: past it a file can only be damaged. */
inline constexpr int ESTRAZIONI_LEGGIBILI = 32768;

/** A draw as the files store it: the wheel records (the Nazionale's last), the date and the contest record.
 */
struct RecordEstrazione {
    std::array<RecordRuota, RUOTE_ARCHIVIO> ruote{RECORD_NULLO, RECORD_NULLO, RECORD_NULLO, RECORD_NULLO,
                                                  RECORD_NULLO, RECORD_NULLO, RECORD_NULLO, RECORD_NULLO,
                                                  RECORD_NULLO, RECORD_NULLO, RECORD_NULLO};
    std::string data = std::string(BYTE_RECORD_DATA, ' ');         ///< " 5/ 3/2003"
    std::string concorso = std::string(BYTE_RECORD_CONCORSO, ' '); ///< "  7/2003"
};

/** A file of the archive whose length does not agree with the number of draws counted on BARI. */
struct FileDiscordante {
    int file = 0;             ///< 1..RUOTE_ARCHIVIO, FILE_DATA, FILE_CONCORSO
    long long byte = 0;       ///< its length, -1 for a file that could not be read
    long long estrazioni = 0; ///< the whole records it holds
};

/** What the check of a whole archive found. */
struct Verifica {
    int estrazioni = 0;                       ///< draws counted on BARI (length / 5, rounded)
    std::vector<FileDiscordante> discordanti; ///< files whose length is not `estrazioni` records (BARI too)
    bool troppe = false;                      ///< more draws than the archive may hold
    int recordDanneggiati = 0;                ///< wheel records holding a byte outside 50..140
    int primoDanneggiato = 0;                 ///< the first draw holding one (1-based), 0 when none
    int ruotaPrimoDanneggiato = 0;            ///< its first damaged wheel
    /** The archive files hold the same number of whole records, within the limit: changes may be written. */
    bool coerente() const { return discordanti.empty() && !troppe; }
};

/** The signature of the archive files of `cartella` now. */
FirmaArchivio firmaArchivio(const std::filesystem::path& cartella);

/**
 * The archive of a RUOTE folder, its files read whole into memory: the one reader and writer of the
 * archive files. It is read with leggi(), checked with verifica(), read record by record, changed in memory
 * and written back with scrivi(), which replaces the thirteen files as one set. Draws are numbered 1..n as
 * the records of the files. An archive without the Nazionale's file reads as if that file held a null
 * record for every draw of BARI; scrivi() then writes it.
 */
class Archivio {
public:
    /** How leggi() takes a file that exists and cannot be read. */
    enum class Illeggibili {
        Rifiutati, ///< the reading fails
        Vuoti,     ///< the file reads as empty, with length -1 (verifica names it); the archive cannot be
                   ///< written back
    };

    /** An archive with no draw. */
    Archivio() = default;

    /**
     * Reads the files of `cartella` (a RUOTE folder), after finishing or undoing a replacement that
     * a crash interrupted there (see completaAggiornamentoInterrotto; ripristinato() then tells), holding the
     * lock of the program folder throughout (core::Blocco), so that it never reads half of another process's
     * write; it fails as Blocco::prendiPerLeggere does when that process keeps the lock. A missing
     * file reads as empty. Of a file longer than ESTRAZIONI_LEGGIBILI records (only a damaged file is)
     * only that many records are read, and its length is kept. Fails (FileIllegibile) when a file exists
     * and cannot be read, unless `illeggibili` says to read it as empty.
     */
    static Esito<Archivio> leggi(const std::filesystem::path& cartella,
                                 Illeggibili illeggibili = Illeggibili::Rifiutati);

    /** Draws counted on BARI: its length divided by 5, rounded to the nearest integer. */
    int estrazioni() const;
    /** The bytes of file f (1..RUOTE_ARCHIVIO, FILE_DATA, FILE_CONCORSO) as read (at most
     * ESTRAZIONI_LEGGIBILI records).
     */
    const std::string& byte(int f) const { return m_file[indice(f)]; }
    /** The length of file f on disk when it was read (or of its bytes since a change); -1 for a file that
     * could not be read. */
    long long lunghezza(int f) const { return m_lunghezza[indice(f)]; }
    /** True when leggi() found an interrupted replacement and finished or undid it. */
    bool ripristinato() const { return m_ripristinato; }
    /** The signature of the files when leggi() read them. */
    const FirmaArchivio& firma() const { return m_firma; }
    /** The same files as `altro` (lengths and bytes): the same archive. */
    bool stessiFile(const Archivio& altro) const {
        return m_lunghezza == altro.m_lunghezza && m_file == altro.m_file;
    }

    /**
     * Checks the lengths of the files against the draws counted on BARI, the limit of
     * `massimoEstrazioni` draws, and every wheel record's bytes.
     */
    Verifica verifica(int massimoEstrazioni) const;

    /** The five bytes of wheel w (1..RUOTE_ARCHIVIO) in draw n; nullptr when the file has no whole record n.
     */
    const std::uint8_t* ruota(int w, int n) const;
    /** The date record of draw n (10 characters); blanks when DATA has no whole record n. */
    std::string Leggi_Data_Archivio(int n) const;
    /** The contest record of draw n (8 characters); blanks when CONCORSO has no whole record n. */
    std::string Leggi_Concorso_Archivio(int n) const;
    /** Draw n as stored; missing records are null wheels and blank texts. */
    RecordEstrazione estrazione(int n) const;

    /** Appends a draw as record estrazioni() + 1 of every file. */
    void accoda(const RecordEstrazione& estrazione);
    /** Replaces draw n (1..estrazioni()); false, changing nothing, for another n. */
    bool sostituisci(int n, const RecordEstrazione& estrazione);
    /** Inserts a draw as record n (1..estrazioni()), moving the later draws up; false for another n. */
    bool inserisci(int n, const RecordEstrazione& estrazione);
    /** Deletes draw n (1..estrazioni()); false for another n. */
    bool elimina(int n);
    /** The CONCORSO file's bytes, for the contest renumbering. */
    std::string& concorsi() { return m_file[indice(FILE_CONCORSO)]; }

    /**
     * Writes the thirteen files into `cartella` (created when missing) as one set: after a failure, or a
     * crash at any point, the folder holds the old files or the new ones once completaAggiornamentoInterrotto
     * has run, never a mix (core::sostituisciInsieme). A failure after the point of no return is finished at
     * once, so the folder then holds the new set. Fails (FileNonScrivibile) when the set was not written
     * whole, and (ArchivioIncoerente) for an archive of which leggi() read only a part. The lock of the
     * program folder is taken for the write (Blocco::prendi, whose failures it returns); an operation that
     * read the archive it changes takes it before the reading. `guasto` (tests) makes a named step fail.
     */
    Esito<void> scrivi(const std::filesystem::path& cartella, const Guasto& guasto = {}) const;

private:
    static std::size_t indice(int f) { return static_cast<std::size_t>(f - 1); }
    void aggiornaLunghezze();
    std::array<std::string, FILE_ARCHIVIO.size()> m_file;
    std::array<long long, FILE_ARCHIVIO.size()> m_lunghezza{};
    FirmaArchivio m_firma;
    bool m_ripristinato = false;
    bool m_parziale = false;
    bool m_illeggibile = false;
};

/** The record of an interrupted replacement of the archive files of the RUOTE folder `cartella`. */
std::filesystem::path registroArchivio(const std::filesystem::path& cartella);

/**
 * Finishes or undoes a replacement of the archive files of `cartella` that a crash interrupted, so that
 * the archive reads as it was before the operation or as it is after it, never mixed. Returns true when
 * there was something to finish or undo.
 */
bool completaAggiornamentoInterrotto(const std::filesystem::path& cartella);

} // namespace core
