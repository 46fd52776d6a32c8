#pragma once

#include "FileArchivio.h"
#include "Stato.h"

#include <functional>
#include <string>
#include <vector>

namespace core {

/** Default of Max_Concorsi_Anno when settings field 10 is missing or outside 108..999. */
inline constexpr int MAX_CONCORSI_ANNO_PREDEFINITO = 260;
/** The loading window updates its progress display every this many draws, and after the last. */
inline constexpr int PASSO_AVANZAMENTO = 31;

/**
 * Highest contest number of a year: settings field 10 when it holds 108..999, otherwise 260 (a year
 * has held up to 209 draws, so a lower fallback would refuse today's contest numbers).
 */
int leggiMaxConcorsiAnno(const Stato& stato);

/**
 * Caps Estrazioni_In_Archivio at Max_Estrazioni_Archivio (only a damaged BARI can pass it), so that
 * no caller dimensions the archive for more draws than the program manages. Returns true when it did.
 */
bool limitaEstrazioniGestibili(Stato& stato);

/** A file of the archive whose length does not agree with the number of draws counted on BARI. */
struct FileDiscordante {
    std::string nome;
    long long byte = 0;       ///< length on disk, -1 when it could not be measured
    long long estrazioni = 0; ///< whole records it holds
};

/**
 * Checks the twelve files against the count taken from BARI: returns each file whose length is not
 * `estrazioni` records (BARI included when its length is not a multiple of 5). Empty when the archive
 * is consistent or holds no draw.
 */
std::vector<FileDiscordante> verificaLunghezze(FileArchivio& file, std::int32_t estrazioni);

/** What a load found besides the draws. */
struct EsitoCaricamento {
    int recordDanneggiati = 0;     ///< wheel records holding a byte outside 50..140, read as null
    int primoDanneggiato = 0;      ///< loaded index of the first draw holding one, 0 when none
    int ruotaPrimoDanneggiato = 0; ///< its first damaged wheel
    int estrazioniIncomplete = 0;  ///< draws that some file lacked (read as null, blank texts)
};

/**
 * Loads archive records primo..primo+quante-1 into loaded draws 1..quante: dimensions the in-memory
 * archive to Estrazioni_In_Archivio + 200 draws (at least the loaded ones), sets Estrazioni_Caricate,
 * and reads each file in one pass; both counts are taken as at most Max_Estrazioni_Archivio. A record
 * that a file lacks reads as a null draw with blank date and contest; a damaged wheel record is
 * replaced in memory by a null record and counted, so that no later reader meets a byte outside 50..140.
 * `avanzamento` (if set) is called after draw 31, 62, 93, ... and after the last draw with the number of
 * draws read so far. The files are opened and closed here.
 */
EsitoCaricamento START_Memorizzazione_Estrazioni(Stato& stato, FileArchivio& file, int primo, int quante,
                                                 const std::function<void(int)>& avanzamento = {});

} // namespace core
