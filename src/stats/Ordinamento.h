#pragma once

#include <vector>

namespace stats {

/** The outcome of a sort: element 0 of both holds the count, elements 1..count the sorted order. */
struct Ordinamento {
    std::vector<long long> Chiavi_Ordinate; ///< the keys in ascending order
    std::vector<int> Permutazione_Ordinata; ///< for each sorted position, the input position of its key
};

/** Most keys a sort takes unless told otherwise: the 4005 pairs. */
inline constexpr int MASSIMO_CHIAVI = 4005;

/**
 * Stable ascending sort of chiavi[1..N], N = chiavi[0]: equal keys keep the order of their positions
 * (equal frequencies list by increasing number). Keys may be any non-negative value the result tables
 * hold. Both outputs hold `massimoChiavi` + 1 elements. Returns false, with both outputs cleared, when N
 * is below 1 or above `massimoChiavi`.
 */
bool Ordina_Numeri(const std::vector<long long>& chiavi, Ordinamento& esito,
                   int massimoChiavi = MASSIMO_CHIAVI);

/**
 * Turns keys chiavi[1..N], N = chiavi[0], into keys whose ascending order is the descending order of the
 * originals: a stable ascending sort of the result lists the largest key first, equal keys still in the
 * order of their positions (equal frequencies by increasing number). Does nothing to an empty table.
 */
void chiaviDecrescenti(std::vector<long long>& chiavi);

} // namespace stats
