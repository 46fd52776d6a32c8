#include "Convalida.h"

#include "core/Testo.h"

#include <string>

namespace maintenance {

std::string Stringhetta(std::string_view testo, char tasto, int minimo, int massimo) {
    if (tasto < '0' || tasto > '9' || testo == "0") return std::string(testo);
    const int valore = core::valoreNumerico(std::string(testo) + tasto);
    if (valore < minimo || valore > massimo) return std::string(testo);
    return std::to_string(valore);
}

std::string Controllo_Sintassi_Data(std::string_view giorno, std::string_view mese, std::string_view anno) {
    const int d = core::valoreNumerico(giorno), m = core::valoreNumerico(mese),
              y = core::valoreNumerico(anno);
    if (d < 1 || d > 31 || m < 1 || m > 12 || y < 1871 || y > 2500) return {};
    // The record holds the values as numbers: the texts' stray characters never reach the archive.
    return core::allineaDestra(std::to_string(d), 2) + '/' + core::allineaDestra(std::to_string(m), 2) + '/' +
           std::to_string(y);
}

std::string Controllo_Sintassi_Concorso(std::string_view concorso, std::string_view anno, int maxConcorsi) {
    const int c = core::valoreNumerico(concorso), y = core::valoreNumerico(anno);
    if (c < 1 || c > maxConcorsi || c > 999 || y < 1871 || y > 2500) return {};
    return core::allineaDestra(std::to_string(c), 3) + '/' + std::to_string(y);
}

std::array<int, 51> Memorizza_Estratti_Da_Registrare(const std::array<std::string, 51>& caselle) {
    std::array<int, 51> estratti{};
    for (std::size_t i = 1; i <= 50; ++i) {
        if (core::senzaSpazi(caselle[i]).empty()) return estratti;
        const int valore = core::valoreNumerico(caselle[i]);
        if (valore < 0 || valore > 90) {
            estratti[0] = 0;
            return estratti;
        }
        estratti[i] = valore;
    }
    estratti[0] = 50;
    return estratti;
}

} // namespace maintenance
