#pragma once

#include "Storico.h"
#include "core/FileSicuro.h"
#include "core/Stato.h"

#include <array>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace importa {

/** How the draws of a file reach the archive. */
enum class Modo {
    Sostituisci, ///< the file's draws become the archive; the old archive is first copied to a dated backup
    Aggiungi     ///< only the file's draws after the archive's last date are appended
};

/** The contents of the twelve archive files by file number: 1..10 the wheels, 12 DATA, 13 CONCORSO. */
using Contenuti = std::array<std::string, 14>;

/** The last contest written: its year and number within the year (0 and 0 before the first). */
struct UltimoConcorso {
    int anno = 0;
    int numero = 0;
};

/**
 * Appends draws `da`..end of `estrazioni` to `contenuti`: five bytes 140 - n per wheel (five 140 for a
 * wheel not drawn), the date record " 7/ 9/1946" and the contest record "  7/1946". Contests count
 * 1, 2, 3, ... within each calendar year of the dates, continuing from `ultimo`, which is updated.
 */
void accoda(Contenuti& contenuti, const std::vector<Estrazione>& estrazioni, std::size_t da,
            UltimoConcorso& ultimo);

/** How an import ended. */
struct EsitoImportazione {
    bool riuscito = false;
    std::string messaggio; ///< what was done, or why nothing was written (Italian)
    int scritte = 0;       ///< draws written by Sostituisci, appended by Aggiungi
    int inComune = 0;      ///< Aggiungi: draws of the file found, equal, in the archive
    int precedenti = 0;    ///< Aggiungi: draws of the file older than the archive's first, left out
    std::filesystem::path
        copia; ///< Sostituisci: the backup folder of the old archive, empty when it held nothing
};

/**
 * Writes the draws of a valid reading into the archive of `stato`, after finishing any interrupted
 * replacement. Sostituisci copies a non-empty old archive with maintenance::Backup_Archivio (named after
 * `quando`) and then writes the file's draws. Aggiungi reads the archive, requires its twelve files to
 * agree on the number of draws and its last date to be valid, and compares the draws that the file and
 * the archive share (the dates both cover): they must have the same dates and the same numbers on every
 * wheel (contest numbers are not compared); then it appends the file's later draws, their contests
 * continuing the archive's last one. Nothing new to append is a success that writes nothing. The
 * twelve files are written as one set (core::sostituisciInsieme). A reading that is not valid, an
 * archive that would exceed Max_Estrazioni_Archivio, a disagreement, or a failed backup write nothing.
 */
EsitoImportazione importaInArchivio(const core::Stato& stato, const Lettura& lettura, Modo modo,
                                    const std::tm& quando, const core::Guasto& guasto = {});

} // namespace importa
