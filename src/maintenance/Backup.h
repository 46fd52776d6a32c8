#pragma once

#include "core/Stato.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace maintenance {

/**
 * Copies the twelve archive files into a new folder beside RUOTE, named "RUOTE_backup_YYYYMMDD_HHMMSS"
 * after `quando` (with "_2", "_3", ... when that name is taken). Every copy is flushed to disk; a
 * folder is left only when all twelve files were copied. On success settings field 53 (draws entered
 * since the last backup) becomes 0. Returns the folder, or nothing with `errore` telling why. After a
 * backup made, `errore` is empty, or tells that field 53 could not be written (the copy is whole, but
 * the count since the last backup was not reset).
 */
std::optional<std::filesystem::path> Backup_Archivio(const core::Stato& stato, const std::tm& quando,
                                                     std::string& errore);

/** The backup folders beside RUOTE that hold all twelve files, newest first. */
std::vector<std::filesystem::path> cartelleBackup(const core::Stato& stato);

/**
 * Puts back the twelve files of a backup folder as one set (the archive is never left mixed).
 * Returns false, with the archive untouched, when a file is missing, the files disagree on the number
 * of draws, or the replacement fails; `errore` tells why.
 */
bool ripristinaBackup(const core::Stato& stato, const std::filesystem::path& cartella, std::string& errore);

/** The reminder settings: field 50 (on/off), field 51 (threshold), field 53 (draws since the last backup). */
struct AvvisoBackup {
    int Avviso_Backup_Attivo = 0;   ///< 0 or 1; anything else reads as 0
    int Soglia_Avviso_Backup = 1;   ///< 1..100; anything else reads as 1
    int Estrazioni_Dopo_Backup = 0; ///< 0..32000; anything else reads as 0
};

/** Reads fields 50, 51 and 53 with their fallbacks. */
AvvisoBackup Leggi_Backup_Messaggio(const core::Stato& stato);

/** What the count of one more draw entered gives: the reminder to show, and whether the count was stored. */
struct ControlloBackup {
    std::optional<std::string> avviso; ///< the reminder, when it is on and the count reached the threshold
    bool conteggioScritto = true;      ///< false when field 53 could not be written
};

/**
 * Counts one more draw entered since the last backup (field 53) and gives the reminder to show when
 * the reminder is on and the count has reached the threshold. A failed write of field 53 is reported
 * in `conteggioScritto` (the reminder is still computed on the new count).
 */
ControlloBackup Controllo_Backup_Messaggio(const core::Stato& stato);

} // namespace maintenance
