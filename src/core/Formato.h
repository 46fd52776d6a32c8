#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

/**
 * The archive's record formats, in one place: the code of a number in a wheel record, the archive files
 * with their record sizes, the date and contest records. Every reader and writer of the archive (loading,
 * the searches, maintenance, import, backup, the viewer) goes through these.
 */
namespace core {

/**
 * What the archive files of a RUOTE folder look like from outside: the length and the time of the last
 * change of each (-1 for a missing file). Another process's write changes it; comparing two tells whether
 * the archive changed on disk since the first was taken, without reading it.
 */
struct FirmaArchivio {
    std::array<long long, 26> valori{};
    bool operator==(const FirmaArchivio&) const = default;
};

// ---- Wheel records: five bytes, byte i = 140 - (i-th number), 140 for a wheel not drawn.

/** The byte that stands for "no number": a null record holds five of them. */
inline constexpr std::uint8_t CODICE_NULLO = 140;
/** The byte of number 90, the lowest a sound record holds. */
inline constexpr std::uint8_t CODICE_MINIMO = 50;
/** Numbers per wheel and draw. */
inline constexpr int NUMERI_PER_RECORD = 5;

/** The byte of number n (1..90); CODICE_NULLO for 0 and for anything outside 1..90. */
constexpr std::uint8_t codificaNumero(int n) {
    return n >= 1 && n <= 90 ? static_cast<std::uint8_t>(CODICE_NULLO - n) : CODICE_NULLO;
}

/**
 * The value the code gives any byte, unchecked: 140 - codice, so 0 for CODICE_NULLO and a value outside
 * 0..90 for a byte outside 50..140. Only the compressed texts of the program's routines, which decode
 * whatever they are given, want it; a reader of the archive wants decodificaNumero.
 */
constexpr int valoreCodice(std::uint8_t codice) {
    return CODICE_NULLO - codice;
}

/** The number a byte stands for: 1..90, 0 for CODICE_NULLO, -1 for a byte outside 50..140 (damage). */
constexpr int decodificaNumero(std::uint8_t codice) {
    return codice >= CODICE_MINIMO && codice <= CODICE_NULLO ? CODICE_NULLO - codice : -1;
}

/**
 * The five numbers of a wheel record (`record` points at its five bytes) into numeri[0..4], in drawing
 * order. Returns false for a record that is not a real draw: a null record (a byte 140) or a damaged
 * one (a byte outside 50..140); numeri is then unspecified.
 */
inline bool decodificaRuota(const std::uint8_t* record, int numeri[NUMERI_PER_RECORD]) {
    for (int i = 0; i < NUMERI_PER_RECORD; ++i) {
        const int n = CODICE_NULLO - record[i];
        if (n < 1 || n > 90) return false;
        numeri[i] = n;
    }
    return true;
}

/** True when the five bytes hold a byte outside 50..140: only a damaged archive has such a record. */
bool recordDanneggiato(const std::uint8_t* record);

/** A wheel record: five bytes. */
using RecordRuota = std::array<std::uint8_t, NUMERI_PER_RECORD>;

/** The record of five numbers in drawing order (1..90; 0 for "no number", as in a null wheel). */
RecordRuota codificaRuota(const std::array<int, NUMERI_PER_RECORD>& numeri);

/** A null wheel record: five bytes of 140. */
inline constexpr RecordRuota RECORD_NULLO{CODICE_NULLO, CODICE_NULLO, CODICE_NULLO, CODICE_NULLO,
                                          CODICE_NULLO};

// ---- The files of RUOTE/, numbered as the names of Nome_Ruota: 1..10 the ten traditional wheels, 11 the
// Nazionale, 12 DATA, 13 CONCORSO. Record n (1-based) of every file describes draw n; there is no header.
// The Nazionale's file is optional: an archive written before it existed has none and reads as a
// Nazionale never drawn (every record null); the next write of the set creates it.

inline constexpr int BYTE_RECORD_RUOTA = 5;
inline constexpr int BYTE_RECORD_DATA = 10;
inline constexpr int BYTE_RECORD_CONCORSO = 8;
inline constexpr int FILE_NAZIONALE = 11;
inline constexpr int FILE_DATA = 12;
inline constexpr int FILE_CONCORSO = 13;
/** The wheels of the archive: the ten traditional ones, then the Nazionale. */
inline constexpr int RUOTE_ARCHIVIO = 11;

/** The thirteen files in the order the program writes them: the wheels, DATA, CONCORSO. */
inline constexpr std::array<int, 13> FILE_ARCHIVIO{
    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, FILE_NAZIONALE, FILE_DATA, FILE_CONCORSO};

/** True for the number of an archive file (1..13). */
constexpr bool fileArchivio(int f) {
    return f >= 1 && f <= FILE_CONCORSO;
}

/** True for a file that an archive may lack (the Nazionale's): it then reads as null records. */
constexpr bool fileFacoltativo(int f) {
    return f == FILE_NAZIONALE;
}

/** Record size of file f. */
constexpr int byteRecord(int f) {
    return f == FILE_DATA ? BYTE_RECORD_DATA : f == FILE_CONCORSO ? BYTE_RECORD_CONCORSO : BYTE_RECORD_RUOTA;
}

/** The name of file f: "BARI" .. "VENEZIA", "NAZIONALE", "DATA", "CONCORSO"; empty for another number. */
std::string_view nomeFile(int f);

/** The short name of wheel w in the summaries: "BA" .. "VE", "NZ" for the Nazionale; empty for another w. */
std::string_view siglaRuota(int w);

/** The record of the interrupted replacement of the archive files, a file of RUOTE/. */
inline constexpr std::string_view NOME_REGISTRO = "AGGIORNAMENTO.registro";

// ---- Dates: the DATA record is day/month/year, day and month right-aligned in two characters
// (" 5/ 3/2003"; a leading zero reads the same).

/** The years the archive accepts. */
inline constexpr int PRIMO_ANNO_AMMESSO = 1871;
inline constexpr int ULTIMO_ANNO_AMMESSO = 2500;

/** A calendar date. */
struct Data {
    int anno = 0, mese = 0, giorno = 0;
    friend bool operator==(const Data&, const Data&) = default;
    friend bool operator<(const Data& a, const Data& b) { return a.chiave() < b.chiave(); }
    friend bool operator>(const Data& a, const Data& b) { return b < a; }
    friend bool operator<=(const Data& a, const Data& b) { return !(b < a); }
    friend bool operator>=(const Data& a, const Data& b) { return !(a < b); }
    /** A number that orders dates as the calendar does. */
    long long chiave() const { return (static_cast<long long>(anno) * 100 + mese) * 100 + giorno; }

    /** True for a real calendar date of the years 1871..2500. */
    bool valida() const;
    /** Days since 1 March of year 0 (only differences between two dates are meaningful). */
    long giorni() const;
    /** Monday = 1 .. Sunday = 7; 0 when the date is not a calendar date. */
    int giornoSettimana() const;
    /** "7/9/1946", as the reports write a date. */
    std::string testo() const;
    /** The 10-byte DATA record, " 7/ 9/1946" (each field taken modulo its width). */
    std::string record() const;
    /** The date of a DATA record: the numeric values of characters 1-2, 4-5 and 7-10, unchecked. */
    static Data daRecord(std::string_view record);
    /** The date a person types, as testo() writes it: "7/9/1946", blanks allowed around the fields; nothing
     * unless it is a real calendar date of the years 1871..2500. */
    static std::optional<Data> daTesto(std::string_view testo);
};

/** Days of month `mese` (1..12) of year `anno`, leap years counted; 0 for another month. */
int giorniDelMese(int anno, int mese);

// ---- Contests: the CONCORSO record is the contest within the year right-aligned in three characters,
// "/" and the year ("  7/2003").

/** The 8-byte CONCORSO record of contest `numero` (0..999) of year `anno` (0..9999). */
std::string recordConcorso(int numero, int anno);

/** The contest number and year of a CONCORSO record: numeric values of characters 1-3 and 5-8. */
struct Concorso {
    int numero = 0, anno = 0;
    static Concorso daRecord(std::string_view record);
};

/**
 * The fields of a DATA record as stored, blanks kept: day (characters 1-2), month (4-5) and year (7-10),
 * each cut short, or empty, past the end of a short record.
 */
std::array<std::string_view, 3> campiRecordData(std::string_view record);

/** The fields of a CONCORSO record as stored: contest (characters 1-3) and year (5-8), cut as above. */
std::array<std::string_view, 2> campiRecordConcorso(std::string_view record);

/** The local time now: the date and time stamped on backups and imports, and "today" for the draw days. */
std::tm oraLocale();

} // namespace core
