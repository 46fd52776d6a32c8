// Reading the user's lunghette file of arbitrary bytes: every group read is a lunghetta the search can
// take (a name without ":", 2..30 different numbers of 1..90, ascending), every refused line is named and
// kept; written back and read again, the file gives the same groups and the same refused lines.
#include "Sostegno.h"
#include "stats/Gruppi.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    static const fuzz::CartellaFuzz cartella;
    cartella.svuota();
    cartella.scrivi(stats::FILE_LUNGHETTE, std::string_view(reinterpret_cast<const char*>(dati), quanti));
    const auto lettura = stats::leggiLunghette(cartella.percorso());
    VERIFICA(lettura.riuscito());
    VERIFICA(lettura->errori.size() <= lettura->scartate.size());
    for (const auto& gruppo : lettura->gruppi) {
        const auto& n = gruppo.numeri;
        VERIFICA(!gruppo.nome.empty() && gruppo.nome.find(':') == std::string::npos && gruppo.nome[0] != '#');
        VERIFICA(n.size() >= 2 && n.size() <= 30 && n.front() >= 1 && n.back() <= 90);
        VERIFICA(std::adjacent_find(n.begin(), n.end(), std::greater_equal<>()) == n.end());
    }
    if (stats::scriviLunghette(cartella.percorso(), lettura->gruppi, lettura->scartate)) {
        const auto ancora = stats::leggiLunghette(cartella.percorso());
        VERIFICA(ancora && ancora->gruppi == lettura->gruppi && ancora->scartate == lettura->scartate);
    }
    return 0;
}
