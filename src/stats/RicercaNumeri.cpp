#include "RicercaNumeri.h"

#include "Navigazione.h"
#include "Ordinamento.h"
#include "Percorso.h"
#include "selection/Periodo.h"

#include <type_traits>

namespace stats {

bool ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(const core::Stato& stato, RisultatiNumeri& risultati,
                                                   const Avanzamento& avanzamento,
                                                   const ParametriNumeri& parametri) {
    if (stato.Totale_Estrazioni_Selezionate == 0) return false;
    RisultatiNumeri nuovi;
    const int posizione = parametri.posizione >= 1 && parametri.posizione <= 5 ? parametri.posizione : 0;
    nuovi.posizione = posizione;
    TabellaNumeri ultimaUscita{};
    auto& frequenza = nuovi.Frequenza_Numero;
    auto& massimo = nuovi.Ritardo_Massimo_Numero;
    int* massimo0 = massimo[0].data();
    int* ultima0 = ultimaUscita[0].data();
    std::array<long long, NUMERO_COLONNE> reali{};
    // The count of numbers per record is a constant of each walk, so that the loop over the five stays
    // unrolled: the walk is written once and made twice.
    const auto percorri = [&](auto quanti, int primo) {
        return percorriPeriodo(stato, avanzamento, [&](int w, int contateW, int contate0, const int* numeri) {
            ++reali[static_cast<std::size_t>(w)];
            int* frequenzaW = frequenza[static_cast<std::size_t>(w)].data();
            int* massimoW = massimo[static_cast<std::size_t>(w)].data();
            int* ultimaW = ultimaUscita[static_cast<std::size_t>(w)].data();
            for (int i = 0; i < decltype(quanti)::value; ++i) {
                const int n = numeri[primo + i];
                ++frequenzaW[n];
                const int salto = contateW - ultimaW[n];
                if (salto > massimoW[n]) massimoW[n] = salto;
                ultimaW[n] = contateW;
                const int salto0 = contate0 - ultima0[n];
                if (salto0 > massimo0[n]) massimo0[n] = salto0;
                ultima0[n] = contate0;
            }
        });
    };
    const auto contate = posizione == 0 ? percorri(std::integral_constant<int, 5>{}, 0)
                                        : percorri(std::integral_constant<int, 1>{}, posizione - 1);
    // Column 0's frequency is the sum of the wheels' (a number drawn on two wheels in one draw counts twice).
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1)
            for (std::size_t n = 1; n <= 90; ++n)
                frequenza[0][n] += frequenza[static_cast<std::size_t>(w)][n];
    for (std::size_t c = 0; c < NUMERO_COLONNE; ++c)
        for (std::size_t n = 1; n <= 90; ++n)
            nuovi.Ritardo_Attuale_Numero[c][n] = contate[c] - ultimaUscita[c][n];
    nuovi.Base_Caso = baseCaso(stato, contate, reali);
    risultati = nuovi;
    return true;
}

std::array<int, 3> valoriNumero(const RisultatiNumeri& risultati, int colonna, int numero) {
    if (colonna < 0 || colonna >= NUMERO_COLONNE || numero < 1 || numero > 90) return {};
    const auto c = static_cast<std::size_t>(colonna);
    const auto n = static_cast<std::size_t>(numero);
    return {risultati.Frequenza_Numero[c][n], risultati.Ritardo_Attuale_Numero[c][n],
            risultati.Ritardo_Massimo_Numero[c][n]};
}

std::array<int, 91> ordinePosizioni(const RisultatiNumeri& risultati, int colonna, int criterio,
                                    bool discendente) {
    const auto c = static_cast<std::size_t>(colonna);
    std::vector<long long> chiavi(91);
    chiavi[0] = 90;
    for (std::size_t n = 1; n <= 90; ++n) {
        switch (chiaveContata(criterio)) {
        case FREQUENZA:
            chiavi[n] = risultati.Frequenza_Numero[c][n];
            break;
        case RITARDO_ATTUALE:
            chiavi[n] = risultati.Ritardo_Attuale_Numero[c][n];
            break;
        case RITARDO_MASSIMO:
            chiavi[n] = risultati.Ritardo_Massimo_Numero[c][n];
            break;
        default:
            chiavi[n] = static_cast<long long>(n);
            break;
        }
    }
    return ordineNumeri(std::move(chiavi), discendente);
}

std::array<int, 91> ordineNumeri(std::vector<long long> chiavi, bool discendente) {
    if (discendente) chiaviDecrescenti(chiavi);
    Ordinamento esito;
    Ordina_Numeri(chiavi, esito);
    std::array<int, 91> ordine{};
    ordine[0] = 90;
    for (std::size_t p = 1; p <= 90 && p < esito.Permutazione_Ordinata.size(); ++p)
        ordine[p] = esito.Permutazione_Ordinata[p];
    return ordine;
}

std::array<int, 91> ordineNumerico() {
    std::array<int, 91> ordine{};
    for (int p = 0; p <= 90; ++p)
        ordine[static_cast<std::size_t>(p)] = p == 0 ? 90 : p;
    return ordine;
}

} // namespace stats
