#pragma once

#include "core/FileSicuro.h"
#include "core/Stato.h"

#include <array>
#include <string>

namespace maintenance {

/** A draw to write: the date and contest records as stored, and numbers 1..50 (wheel w owns 5w-4..5w; 0 = no
 * number). */
struct NuovaEstrazione {
    std::string data;     ///< 10 characters, " 5/ 3/2003"
    std::string concorso; ///< 8 characters, "  7/2003"
    std::array<int, 51> numeri{};
};

/** How a renumbering of the contests ended. */
enum class Rinumerazione {
    Riuscita,
    LunghezzaErrata,  ///< CONCORSO is not a whole number of 8-byte records: nothing changed
    ValoreFuoriLimiti ///< a record with a contest outside 1..maximum or a year outside 1871..2500, or one
                      ///< that a year's run would renumber past the maximum (or past 999): the records before
                      ///< it are renumbered
};

/** The record of an interrupted replacement of the archive files, in RUOTE/. */
std::filesystem::path registroArchivio(const core::Stato& stato);

/**
 * Finishes or undoes a replacement of the archive files that a crash interrupted, so that the archive
 * loads as it was before the operation or as it is after it, never mixed. Returns true when there was
 * something to finish or undo.
 */
bool completaAggiornamentoInterrotto(const core::Stato& stato);

/**
 * Renumbers, in a CONCORSO content, the contests of each run of draws of one year 1, 2, 3, ... in
 * archive order; a year lower than or equal to the one before continues its count. Year fields stay
 * as they are. Stops at the first record whose contest is outside 1..maxConcorsi or whose year is
 * outside 1871..2500, or whose new number would pass maxConcorsi or 999 (a year with more draws than
 * that), leaving the records before it renumbered. The content's length never changes.
 */
Rinumerazione rinumeraConcorsi(std::string& concorsi, int maxConcorsi);

/**
 * Writes draw n in place in the twelve files (n = draws + 1 appends it). Returns false when a write
 * fails; the files then keep their old records and lengths.
 */
bool Registrazione_Estrazione(const core::Stato& stato, int n, const NuovaEstrazione& estrazione,
                              const core::Guasto& guasto = {});

/**
 * Inserts a draw as record n (1..draws), moving the later draws up by one, then renumbers the contests;
 * the twelve files are replaced as one set. Returns false, with the archive untouched, when the files
 * cannot be read, the renumbering fails
 * (`rinumerazione` tells how it went) or the set is not replaced; a failure after the set's point of no
 * return is finished by completaAggiornamentoInterrotto.
 */
bool Registrazione_Intramezzo_Estrazione(const core::Stato& stato, int n, const NuovaEstrazione& estrazione,
                                         Rinumerazione& rinumerazione, const core::Guasto& guasto = {});

/**
 * Deletes record n (1..draws) from the twelve files and renumbers the contests, as one set; failures as
 * for Registrazione_Intramezzo_Estrazione.
 */
bool Eliminazione_Intramezzo_Estrazione(const core::Stato& stato, int n, Rinumerazione& rinumerazione,
                                        const core::Guasto& guasto = {});

} // namespace maintenance
