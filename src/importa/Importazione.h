#pragma once

#include "Storico.h"
#include "core/Esito.h"
#include "core/FileSicuro.h"
#include "core/Stato.h"

#include <ctime>
#include <filesystem>
#include <string>

namespace importa {

/** How the draws of a file reach the archive. */
enum class Modo {
    Sostituisci, ///< the file's draws become the archive; the old archive is first copied to a dated backup
    Aggiungi     ///< only the file's draws after the archive's last date are appended
};

/** The new draws that provaAggiunta lists one by one. */
inline constexpr std::size_t MASSIMO_ELENCATE = 100;

/** What an import did. */
struct Importazione {
    std::string messaggio; ///< what was done (Italian), for the user
    int scritte = 0;       ///< draws written by Sostituisci, appended by Aggiungi (0: nothing was written)
    int inComune = 0;      ///< Aggiungi: draws of the file found, equal, in the archive
    int precedenti = 0;    ///< Aggiungi: draws of the file older than the archive's first, left out
    int estrazioniArchivio = 0; ///< Aggiungi: the draws the archive held when it was checked
    /** Aggiungi: draws of the archive without the Nazionale (written before it existed) to which the file
     * gives it: they are completed with it. */
    int nazionaliCompletate = 0;
    /** True when the archive is (or would be) written: new draws, or Nazionale records completed. */
    bool scrive() const { return scritte > 0 || nazionaliCompletate > 0; }
    std::filesystem::path
        copia; ///< Sostituisci: the backup folder of the old archive, empty when it held nothing
    /** provaAggiunta: the draws it would append, numbered from 1, each with its date, contest and the five
     * numbers of every wheel ("--" for a wheel not drawn); the first MASSIMO_ELENCATE, then how many more. */
    std::string elenco;
};

/**
 * Writes the draws of a valid reading into the archive of `stato` through core::Archivio, after finishing
 * any interrupted replacement. Each draw is stored with its wheels, its date record and a contest record
 * that counts 1, 2, 3, ... within each calendar year of the dates. Sostituisci copies a non-empty old
 * archive with maintenance::Backup_Archivio (named after `quando`) and then writes the file's draws.
 * Aggiungi reads the archive, requires its files to agree on the number of draws and its last
 * date to be valid, and compares the draws that the file and the archive share (the dates both cover):
 * they must have the same dates and the same numbers on every wheel (contest numbers are not compared),
 * except that a Nazionale the archive lacks (a null record) is completed from the file and one the file
 * lacks is not compared; then it appends the file's later draws, their contests continuing the archive's
 * last one. Nothing new
 * to append is a success that writes nothing. The archive files are written as one set
 * (core::Archivio::scrivi). Fails, writing nothing, for a reading that is not valid (DatoNonValido), an
 * archive that would exceed Max_Estrazioni_Archivio (ArchivioPieno), an archive that cannot be read
 * (FileIllegibile) or whose files disagree (ArchivioIncoerente), a disagreement with the archive
 * (Discordanza) or a failed backup (FileNonScrivibile); and (FileNonScrivibile) when the set is not
 * written whole. The whole operation, from the reading of the archive to its writing, holds the lock of
 * the program folder (core::Blocco), and fails as taking it does (ArchivioInUso, Annullato). Given the
 * `proposta` of provaAggiunta that the user accepted, an addition fails (ArchivioCambiato), writing
 * nothing, when the archive it reads under the lock would not receive the same draws. Every failure's
 * message ends by telling what became of the archive.
 */
core::Esito<Importazione> importaEstrazioni(const core::Stato& stato, const Lettura& lettura, Modo modo,
                                            const std::tm& quando, const core::Guasto& guasto = {},
                                            const Importazione* proposta = nullptr);

/**
 * Checks an addition as importaEstrazioni(Modo::Aggiungi) does, writing nothing: on success `scritte`
 * counts the draws it would append (0 when the archive is up to date, and `messaggio` then says so),
 * `messaggio` says which they are, and `inComune` and `precedenti` are as the addition would find them.
 * Fails as importaEstrazioni does before its writing.
 */
core::Esito<Importazione> provaAggiunta(const core::Stato& stato, const Lettura& lettura);

/**
 * What a replacement by the draws of `lettura` would drop: when the archive of `stato` holds draws dated
 * after the file's last one, "Il file finisce il 30/5/2026, l'archivio il 1/8/2026: 36 estrazioni più
 * recenti non saranno nel nuovo archivio (ne resta la copia in RUOTE_backup_…)."; empty otherwise (also
 * for an archive that cannot be read, or a reading that is not valid).
 */
std::string avvisoSostituzione(const core::Stato& stato, const Lettura& lettura);

} // namespace importa
