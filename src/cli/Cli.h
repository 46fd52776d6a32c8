#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

/** Exit codes of the command-line companion. */
inline constexpr int ESITO_OK = 0;
/** The archive cannot be read or holds no draw, an import was refused, or a download failed. */
inline constexpr int ESITO_ARCHIVIO = 1;
inline constexpr int ESITO_USO = 2; ///< bad arguments

/**
 * Runs the command-line companion on its arguments (without the program name), writing the results
 * to `uscita` and messages to `errori`. Returns the exit code.
 *
 *   numeri|ambi|terni [--cartella DIR] [--ruote LIST] [--dal N --al M | --anno Y --cicli C]
 *   terni ... [--ordina frequenza|ritardo_attuale|ritardo_massimo] [--primi K]
 *   storia [--cartella DIR] --numero N [--secondo M] [--ruote LIST] [period as above]
 *   importa [--cartella DIR] [--aggiungi] FILE
 *   aggiorna [--cartella DIR] [--url URL]...
 *   verifica [--cartella DIR] --numeri LIST --ruote LIST --poste SORTE=EURO,... [--dal N | --dal-data
 * G/M/AAAA]
 *            [--colpi C] [--riepilogo]
 *   [COMMAND] --help | --version (the usage, or the name and version, on `uscita`; exit 0)
 *
 * Without --cartella the program folder is the program's own (core::sceltaCartella); `importa` creates
 * the user's data folder when that is the one.
 *
 * `importa` prints the report of FILE; it returns ESITO_ARCHIVIO when the file is refused or the
 * archive cannot be written (nothing is then changed). `aggiorna` downloads the draws file from the
 * addresses of the settings (or those of --url, in order), prints its report and appends its new draws;
 * it returns ESITO_ARCHIVIO, changing nothing, when no address gives the file, the file is refused or
 * disagrees with the archive.
 *
 * `verifica` checks a ticket with the payouts of the settings from a draw (the last without --dal) for
 * --colpi draws; it returns ESITO_USO with one line for a ticket stakes::controllaBolletta refuses and
 * says on `errori` how many draws it checked when the archive ends before the colpi asked.
 */
int esegui(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori);

} // namespace cli
