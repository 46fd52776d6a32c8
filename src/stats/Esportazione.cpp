#include "Esportazione.h"

namespace stats {

std::string csvNumeri(const RisultatiNumeri& risultati, int colonna, const std::array<int, 91>& ordine) {
    const auto c = static_cast<std::size_t>(colonna);
    std::string testo = "\xEF\xBB\xBFNumero;Frequenza;Ritardo attuale;Ritardo massimo\r\n";
    for (std::size_t p = 1; p <= 90; ++p) {
        const int n = ordine[p];
        if (n < 1 || n > 90) continue;
        const auto k = static_cast<std::size_t>(n);
        testo += std::to_string(n) + ';' + std::to_string(risultati.Frequenza_Numero[c][k]) + ';' +
                 std::to_string(risultati.Ritardo_Attuale_Numero[c][k]) + ';' +
                 std::to_string(risultati.Ritardo_Massimo_Numero[c][k]) + "\r\n";
    }
    return testo;
}

} // namespace stats
