#include "Cartella.h"

#include <cstdlib>
#include <system_error>
#include <unistd.h>

namespace core {

CartellaProgramma sceltaCartella(const std::filesystem::path& indicata,
                                 const std::filesystem::path& eseguibile, bool eseguibilePortatile,
                                 const std::filesystem::path& datiUtente) {
    if (!indicata.empty()) return {indicata, OrigineCartella::Indicata};
    if (eseguibilePortatile) return {eseguibile, OrigineCartella::Portatile};
    return {datiUtente, OrigineCartella::Utente};
}

std::filesystem::path cartellaDatiUtente(const char* xdgDataHome, const char* home) {
    std::filesystem::path base;
    if (xdgDataHome && *xdgDataHome) {
        base = xdgDataHome;
    } else {
        base = std::filesystem::path(home && *home ? home : "/") / ".local" / "share";
    }
    return (base / "Quintaro").lexically_normal();
}

std::filesystem::path cartellaDatiUtente() {
    return cartellaDatiUtente(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::filesystem::path cartellaInstallazione() {
    return QUINTARO_CARTELLA_INSTALLAZIONE;
}

bool cartellaPortatile(const std::filesystem::path& eseguibile) {
    if (eseguibile.empty() || ::access(eseguibile.c_str(), W_OK) != 0) return false;
    std::error_code errore;
    return !std::filesystem::equivalent(eseguibile, cartellaInstallazione(), errore);
}

std::filesystem::path cartellaEseguibile() {
    std::error_code errore;
    const auto eseguibile = std::filesystem::read_symlink("/proc/self/exe", errore);
    return errore ? std::filesystem::path() : eseguibile.parent_path();
}

Esito<> preparaCartella(const CartellaProgramma& cartella) {
    if (cartella.origine != OrigineCartella::Utente) return {};
    std::error_code errore;
    std::filesystem::create_directories(cartella.percorso, errore);
    if (errore)
        return {Codice::FileNonScrivibile,
                "Impossibile creare la cartella " + cartella.percorso.string() + "."};
    return {};
}

} // namespace core
