#pragma once

#include "core/Archivio.h"
#include "core/Formato.h"

#include <filesystem>
#include <string>

namespace demo {

/** First and last draw date of the demo archive. */
inline constexpr core::Data PRIMA_ESTRAZIONE{1939, 1, 7};
inline constexpr core::Data ULTIMO_GIORNO{2025, 12, 30};

/** A demo archive in memory: its files, and the dates of its first and last draw. */
struct ArchivioDemo {
    core::Archivio archivio;
    core::Data prima;
    core::Data ultima;
};

/**
 * Builds the demo archive: made-up draws on the real draw calendar, Saturdays from 1939-01-07 to
 * 1996, Wednesday and Saturday from 1997 to 2005-05-03, Tuesday, Thursday and Saturday from
 * 2005-05-04 to 2022, Tuesday, Thursday, Friday and Saturday from 2023 up to ULTIMO_GIORNO. Contests
 * are numbered 1, 2, ... within each year. Each wheel holds five distinct numbers 1..90 in drawing
 * order, uniformly random from a fixed starting state, so every call returns the same bytes; CAGLIARI and
 * GENOVA hold null records (five bytes of 140) up to 1939-07-01, as they were not drawn then.
 * Records are laid out as the archive files store them: 5 bytes per wheel (140 - number), DATA
 * " 7/ 1/1939" (10 bytes), CONCORSO "  1/1939" (8 bytes).
 */
ArchivioDemo generaArchivioDemo();

/** How writing the demo archive into a program folder ended. */
enum class EsitoScrittura {
    Scritto,          ///< the archive files are in RUOTE/
    ArchivioPresente, ///< RUOTE/BARI holds data (or is not a file): nothing was written
    Errore,           ///< a folder or file could not be written; BARI was not written
};

/** The outcome of scriviArchivioDemo and, for Errore, the path that could not be written. */
struct Esito {
    EsitoScrittura esito = EsitoScrittura::Errore;
    std::filesystem::path percorso;
};

/**
 * Writes `archivio` into cartella/RUOTE/, creating the folders. Refuses, touching nothing, when
 * RUOTE/BARI exists and is not an empty file: a user's archive is never overwritten. Each file is
 * replaced through core::scriviFileSicuro, BARI last, so that an interrupted run leaves no BARI (the
 * program counts the draws on BARI's length and sees an empty archive) and a new run is not refused.
 * Stops at the first failure.
 */
Esito scriviArchivioDemo(const std::filesystem::path& cartella, const ArchivioDemo& archivio);

/** The date as the program's messages show it: "07/01/1939". */
std::string testoGiorno(const core::Data& giorno);

} // namespace demo
