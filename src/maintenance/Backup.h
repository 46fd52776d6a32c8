#pragma once

#include "core/Esito.h"
#include "core/Stato.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace maintenance {

/** A backup made. */
struct CopiaArchivio {
    std::filesystem::path cartella; ///< the folder holding the copy
    /** The reset of the count of draws entered since the last backup (core::campi::ESTRAZIONI_DOPO_BACKUP):
     * when it fails the copy is whole, but the reminder goes on counting from the backup before. */
    core::Esito<void> azzeramento;
};

/**
 * Copies the archive files, read whole through core::Archivio, into a new folder beside RUOTE,
 * named "RUOTE_backup_YYYYMMDD_HHMMSS" after `quando` (with "_2", "_3", ... when that name is taken).
 * Every copy is flushed to disk (core::scriviFileSicuro); a folder is left only when all the archive files
 * were copied. On success the count of draws entered since the last backup becomes 0. Fails, leaving
 * no folder, when the folder cannot be created or a copy written (FileNonScrivibile), or an archive file
 * is missing or cannot be read whole (FileIllegibile); the message is a clause ("impossibile leggere il
 * file BARI") for the caller's sentence.
 */
core::Esito<CopiaArchivio> Backup_Archivio(const core::Stato& stato, const std::tm& quando);

/** The backup folders beside RUOTE that hold all the archive files, newest first. */
std::vector<std::filesystem::path> cartelleBackup(const core::Stato& stato);

/**
 * Puts back the archive files of a backup folder as one set (core::Archivio::scrivi: the archive is never
 * left mixed). Fails, with the archive untouched, when a file is missing (FileIllegibile), the files
 * disagree on the number of draws (ArchivioIncoerente), or the replacement fails (FileNonScrivibile); the
 * message is a clause for the caller's sentence.
 */
core::Esito<void> ripristinaBackup(const core::Stato& stato, const std::filesystem::path& cartella);

/** The reminder settings (core::campi::AVVISO_BACKUP, SOGLIA_AVVISO_BACKUP, ESTRAZIONI_DOPO_BACKUP). */
struct AvvisoBackup {
    int Avviso_Backup_Attivo = 0;   ///< 0 or 1; anything else reads as 0
    int Soglia_Avviso_Backup = 1;   ///< 1..100; anything else reads as 1
    int Estrazioni_Dopo_Backup = 0; ///< 0..32000; anything else reads as 0
};

/** Reads the reminder settings, each with its fallback. */
AvvisoBackup Leggi_Backup_Messaggio(const core::Stato& stato);

/** What the count of one more draw entered gives: the reminder to show, and whether the count was stored. */
struct ControlloBackup {
    std::optional<std::string> avviso; ///< the reminder, when it is on and the count reached the threshold
    core::Esito<void> conteggio; ///< the write of the new count, which fails when ImpoBin cannot be written
};

/**
 * Counts one more draw entered since the last backup and gives the reminder to show when the reminder
 * is on and the count has reached the threshold. A failed write of the count is reported in `conteggio`
 * (the reminder is still computed on the new count).
 */
ControlloBackup Controllo_Backup_Messaggio(const core::Stato& stato);

} // namespace maintenance
