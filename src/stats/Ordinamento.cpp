#include "Ordinamento.h"

#include <algorithm>
#include <numeric>

namespace stats {

bool Ordina_Numeri(const std::vector<long long>& chiavi, Ordinamento& esito, int massimoChiavi) {
    esito.Chiavi_Ordinate.assign(static_cast<std::size_t>(massimoChiavi) + 1, 0);
    esito.Permutazione_Ordinata.assign(static_cast<std::size_t>(massimoChiavi) + 1, 0);
    if (chiavi.empty()) return false;
    const long long quante = chiavi[0];
    if (quante < 1 || quante > massimoChiavi || quante >= static_cast<long long>(chiavi.size())) return false;
    const int n = static_cast<int>(quante);
    std::vector<int> posizioni(static_cast<std::size_t>(n));
    std::iota(posizioni.begin(), posizioni.end(), 1);
    std::stable_sort(posizioni.begin(), posizioni.end(), [&](int a, int b) {
        return chiavi[static_cast<std::size_t>(a)] < chiavi[static_cast<std::size_t>(b)];
    });
    for (int i = 1; i <= n; ++i) {
        const int posizione = posizioni[static_cast<std::size_t>(i - 1)];
        esito.Permutazione_Ordinata[static_cast<std::size_t>(i)] = posizione;
        esito.Chiavi_Ordinate[static_cast<std::size_t>(i)] = chiavi[static_cast<std::size_t>(posizione)];
    }
    esito.Chiavi_Ordinate[0] = n;
    esito.Permutazione_Ordinata[0] = n;
    return true;
}

void chiaviDecrescenti(std::vector<long long>& chiavi) {
    if (chiavi.size() < 2) return;
    const auto fine = chiavi.begin() +
                      static_cast<std::ptrdiff_t>(
                          std::clamp<long long>(chiavi[0], 0, static_cast<long long>(chiavi.size()) - 1)) +
                      1;
    if (fine == chiavi.begin() + 1) return;
    // Descending by the key is ascending by its distance from the largest; the sort keeps ties in order.
    const long long massimo = *std::max_element(chiavi.begin() + 1, fine);
    for (auto it = chiavi.begin() + 1; it != fine; ++it)
        *it = massimo - *it;
}

} // namespace stats
