#pragma once

#include "core/Esito.h"

#include <filesystem>

namespace core {

/** Where the program folder (RUOTE/ and ImpoBin) comes from. */
enum class OrigineCartella {
    Indicata,  ///< named on the command line (--cartella)
    Portatile, ///< the executable's own folder: a build folder or a portable copy
    Utente,    ///< the user's data folder, for a program installed where the user cannot write
};

struct CartellaProgramma {
    std::filesystem::path percorso;
    OrigineCartella origine = OrigineCartella::Portatile;
};

/**
 * The program folder: the one named on the command line when there is one; otherwise the executable's
 * own folder when it may hold the archive (see cartellaPortatile); otherwise the user's data folder.
 * The program and quintaro-cli both decide here.
 */
CartellaProgramma sceltaCartella(const std::filesystem::path& indicata,
                                 const std::filesystem::path& eseguibile, bool eseguibilePortatile,
                                 const std::filesystem::path& datiUtente);

/**
 * The user's data folder of the program: `xdgDataHome` when it is set and not empty, otherwise
 * `home`/.local/share (the root folder standing for an unset home), then "Quintaro". It is the folder
 * that Qt's QStandardPaths::AppDataLocation gives the program, taken from the same variables.
 */
std::filesystem::path cartellaDatiUtente(const char* xdgDataHome, const char* home);
/** The same, from $XDG_DATA_HOME and $HOME. */
std::filesystem::path cartellaDatiUtente();

/** The folder that the install rules put the executables in (bin/ under the install prefix). */
std::filesystem::path cartellaInstallazione();
/**
 * Whether the executable's folder may hold the archive: the user may write there, and it is not the
 * folder the program was installed into (which root may write, but which a package owns).
 */
bool cartellaPortatile(const std::filesystem::path& eseguibile);

/** The folder of the running executable (from /proc/self/exe); empty when it cannot be read. */
std::filesystem::path cartellaEseguibile();

/** Creates the user's data folder when it is the chosen one and is missing; any other folder is left alone.
 */
Esito<> preparaCartella(const CartellaProgramma& cartella);

} // namespace core
