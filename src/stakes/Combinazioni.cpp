#include "Combinazioni.h"

#include "Formato.h"
#include "Poste.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace stakes {

std::int64_t Numero_Combinazioni(int k, int n) {
    if (k < 0 || n < 0 || k > n) return 0;
    k = std::min(k, n - k);
    // After step i the partial result is C(n - k + i, i), an integer, so every division is exact.
    constexpr auto massimo = static_cast<Intero128>(std::numeric_limits<std::int64_t>::max());
    Intero128 risultato = 1;
    for (int i = 1; i <= k; ++i) {
        risultato = risultato * (n - k + i) / i;
        if (risultato > massimo) return std::numeric_limits<std::int64_t>::max();
    }
    return static_cast<std::int64_t>(risultato);
}

std::string testoCombinazioni(std::int64_t combinazioni) {
    return combinazioni == 0 ? std::string() : formatta(static_cast<double>(combinazioni), "###,#");
}

BarraPuntata barraPuntata(int moneta, int k) {
    static constexpr std::array<BarraPuntata, 6> euro{
        {{1, 20000, 50}, {1, 20000, 50}, {5, 20000, 50}, {5, 5000, 50}, {1, 5000, 30}, {1, 5000, 20}}};
    static constexpr std::array<BarraPuntata, 6> lire{
        {{20, 5000, 100}, {20, 5000, 100}, {20, 5000, 100}, {10, 5000, 100}, {10, 5000, 60}, {1, 5000, 40}}};
    const auto indice = static_cast<std::size_t>(k >= ESTRATTO && k <= CINQUINA ? k : ESTRATTO);
    return moneta == LIRE ? lire[indice] : euro[indice];
}

double puntataDaBarra(int moneta, int valore) {
    return moneta == LIRE ? static_cast<double>(valore) * 10 : static_cast<double>(valore) / 100;
}

std::string testoPuntata(int moneta, double puntata) {
    return formatta(puntata, moneta == LIRE ? "#,###" : "#.###");
}

double Costo_Bolletta(const Giocata& giocata) {
    double costo = 0;
    for (int k = ESTRATTO; k <= CINQUINA; ++k)
        costo += giocata.Puntata[static_cast<std::size_t>(k)];
    return costo;
}

long long centesimiDi(double puntata) {
    return std::llround(puntata * 100);
}

Importo riscossione(const core::Stato& stato, const Giocata& giocata) {
    Importo totale;
    for (int k = ESTRATTO; k <= CINQUINA; ++k)
        totale +=
            vincitaSorte(stato, k, giocata.Numeri_Per_Bolletta, giocata.Numeri_Indovinati,
                         giocata.Ruote_Giocate, centesimiDi(giocata.Puntata[static_cast<std::size_t>(k)]))
                .netta;
    return totale;
}

} // namespace stakes
