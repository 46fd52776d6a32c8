#pragma once

#include "Navigazione.h"
#include "Ordinamento.h"
#include "RicercaNumeri.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>
#include <vector>

namespace stats {

/** Pairs of two different numbers out of 90. */
inline constexpr int NUMERO_AMBI = 4005;

/**
 * Enumeration position (1..4005) of the pair (a, b), a < b: a = 1..89, then b = a+1..90, so (1, 2) is
 * 1, (1, 90) is 89, (89, 90) is 4005. The caller keeps 1 <= a < b <= 90.
 */
inline int posizioneAmbo(int a, int b) {
    return (a - 1) * (180 - a) / 2 + (b - a);
}

/** The pair at enumeration position k (1..4005). */
std::pair<int, int> amboInPosizione(int k);

/** The pair's label: " 7 -  45" — each number with one leading blank, the smaller first, " - " between. */
std::string Etichetta_Ambo(int a, int b);

/** Frequency, current delay and maximum delay of the 4005 pairs in every column, by enumeration position. */
struct RisultatiAmbi {
    RisultatiAmbi();
    /** Values of column c (0..10) and pair position k (1..4005). */
    int frequenza(int c, int k) const { return Frequenza_Ambo[indice(c, k)]; }
    int ritardoAttuale(int c, int k) const { return Ritardo_Attuale_Ambo[indice(c, k)]; }
    int ritardoMassimo(int c, int k) const { return Ritardo_Massimo_Ambo[indice(c, k)]; }
    static std::size_t indice(int c, int k) {
        return static_cast<std::size_t>(c) * (NUMERO_AMBI + 1) + static_cast<std::size_t>(k);
    }

    std::vector<int> Frequenza_Ambo;
    std::vector<int> Ritardo_Attuale_Ambo;
    std::vector<int> Ritardo_Massimo_Ambo;
    BaseCaso Base_Caso;
};

/**
 * The pair search: as the number search, with the appearance of a number read as the appearance of
 * both numbers of a pair together on the same wheel in the same draw. A real record gives its ten
 * pairs; column 0 takes a pair drawn on any one selected wheel, never one split across two wheels.
 * Returns false, leaving `risultati` untouched, when the period holds no draw.
 */
bool ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(const core::Stato& stato, RisultatiAmbi& risultati,
                                               const Avanzamento& avanzamento = {});

/**
 * Stable ascending sort of chiavi[1..N], N = chiavi[0], by counting the keys: the same order as
 * Ordina_Numeri (equal keys keep the order of their positions) in time linear in N and the key range.
 * Keys of any non-negative size are ordered correctly (a key range too wide to count falls back to a
 * stable comparison sort). Both outputs hold `massimoChiavi` + 1 elements (the 117,480 triples sort
 * here too). Returns false, with both outputs cleared, when N is below 1 or above `massimoChiavi`.
 */
bool Ordina_Numeri_Veloce(const std::vector<long long>& chiavi, Ordinamento& esito,
                          int massimoChiavi = MASSIMO_CHIAVI);

/**
 * The display order of one column of `quanti` combinations (pairs or triples): element 0 = quanti,
 * element p = the enumeration position shown at position p; by enumeration for NUMERICO, otherwise by the
 * key, ascending or, with `discendente`, descending (NUMERICO then lists the enumeration backwards);
 * equal keys always keep enumeration order.
 */
template <class Risultati>
std::vector<int> ordineColonna(const Risultati& risultati, int colonna, int quanti, int criterio,
                               bool discendente) {
    criterio = chiaveContata(criterio);
    if (criterio < FREQUENZA || criterio > RITARDO_MASSIMO) {
        std::vector<int> ordine(static_cast<std::size_t>(quanti) + 1);
        std::iota(ordine.begin() + 1, ordine.end(), 1);
        if (discendente) std::reverse(ordine.begin() + 1, ordine.end());
        ordine[0] = quanti;
        return ordine;
    }
    std::vector<long long> chiavi(static_cast<std::size_t>(quanti) + 1);
    chiavi[0] = quanti;
    for (int k = 1; k <= quanti; ++k)
        chiavi[static_cast<std::size_t>(k)] = criterio == FREQUENZA ? risultati.frequenza(colonna, k)
                                              : criterio == RITARDO_ATTUALE
                                                  ? risultati.ritardoAttuale(colonna, k)
                                                  : risultati.ritardoMassimo(colonna, k);
    if (discendente) chiaviDecrescenti(chiavi);
    Ordinamento esito;
    Ordina_Numeri_Veloce(chiavi, esito, quanti);
    return std::move(esito.Permutazione_Ordinata);
}

/**
 * The display order of a pairs column: element 0 = 4005, element p = the enumeration position of the
 * pair shown at position p; by enumeration for NUMERICO, otherwise by the key, ascending or, with
 * `discendente`, descending (NUMERICO then lists the enumeration backwards); equal keys always keep
 * enumeration order.
 */
std::vector<int> Ordine_Ambi(const RisultatiAmbi& risultati, int colonna, int criterio,
                             bool discendente = false);

/**
 * The results of one pairs column as CSV for Italian spreadsheets (UTF-8 with a byte order mark, ";",
 * CRLF): a header row, then one row per display position: position, pair, frequency, current delay,
 * maximum delay.
 */
std::string csvAmbi(const RisultatiAmbi& risultati, int colonna, const std::vector<int>& ordine);

} // namespace stats
