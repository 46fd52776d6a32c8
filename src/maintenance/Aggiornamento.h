#pragma once

#include "core/Esito.h"
#include "core/FileSicuro.h"
#include "core/Stato.h"

#include <array>
#include <string>

namespace core {
class Archivio;
}

namespace maintenance {

/** A draw to write: the date and contest records as stored, and numbers 1..55 (wheel w owns 5w-4..5w, the
 * Nazionale 51..55; 0 = no number). */
struct NuovaEstrazione {
    std::string data;     ///< 10 characters, " 5/ 3/2003"
    std::string concorso; ///< 8 characters, "  7/2003"
    std::array<int, 5 * core::RUOTE_ARCHIVIO + 1> numeri{};
};

/**
 * The first archive file, in the order of core::FILE_ARCHIVIO, whose length is not that of the draws BARI
 * holds whole (its length / 5, rounded down); 0 when the archive files agree, an empty archive included.
 */
int primoFileDiscordante(const core::Archivio& archivio);

/**
 * Renumbers, in a CONCORSO content, the contests of each run of draws of one year 1, 2, 3, ... in
 * archive order; a year lower than or equal to the one before continues its count. Year fields stay
 * as they are. Fails (ArchivioIncoerente) when the content is not a whole number of 8-byte records,
 * changing nothing; and also (ArchivioIncoerente) at the first record whose contest is outside
 * 1..maxConcorsi or whose year is outside 1871..2500, or whose new number would pass maxConcorsi or 999
 * (a year with more draws than that), leaving the records before it renumbered. The content's length
 * never changes.
 */
core::Esito<void> rinumeraConcorsi(std::string& concorsi, int maxConcorsi);

// The changes of the archive of RUOTE/. Each reads the archive files whole (core::Archivio), changes them
// in memory and writes them back as one set (core::Archivio::scrivi): after any failure the archive is the
// old set or, past the set's point of no return, the new one, never a mix. Each fails, writing nothing,
// when RUOTE/ is missing or a file cannot be read (FileIllegibile), when the files disagree on the number
// of draws (ArchivioIncoerente), for a draw number outside the range it takes or a date or contest record
// of the wrong size (DatoNonValido); and (FileNonScrivibile) when the set is not written whole. `guasto`
// (tests) makes a named step of the set commit fail. Each holds the lock of the program folder from the
// reading to the writing (core::Blocco), and fails as it does; given `atteso`, the archive the user was
// shown, each fails (ArchivioCambiato), writing nothing, when the archive read is no longer that one.

/** Writes draw n (1..draws) in place of the old one, or appends it with n = draws + 1; no renumbering. */
core::Esito<void> Registrazione_Estrazione(const core::Stato& stato, int n, const NuovaEstrazione& estrazione,
                                           const core::Guasto& guasto = {},
                                           const core::Archivio* atteso = nullptr);

/**
 * Inserts a draw as record n (1..draws), moving the later draws up by one, then renumbers the contests
 * (rinumeraConcorsi, with Max_Concorsi_Anno); a renumbering that fails writes nothing and is the failure.
 */
core::Esito<void> Registrazione_Intramezzo_Estrazione(const core::Stato& stato, int n,
                                                      const NuovaEstrazione& estrazione,
                                                      const core::Guasto& guasto = {},
                                                      const core::Archivio* atteso = nullptr);

/** Deletes record n (1..draws) and renumbers the contests, as Registrazione_Intramezzo_Estrazione does. */
core::Esito<void> Eliminazione_Intramezzo_Estrazione(const core::Stato& stato, int n,
                                                     const core::Guasto& guasto = {},
                                                     const core::Archivio* atteso = nullptr);

} // namespace maintenance
