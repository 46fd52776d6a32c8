#include "RicercaAmbi.h"

#include "Navigazione.h"
#include "Percorso.h"
#include "selection/Periodo.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace stats {

std::pair<int, int> amboInPosizione(int k) {
    int a = 1;
    while (a < 89 && posizioneAmbo(a + 1, a + 2) <= k)
        ++a;
    return {a, a + k - posizioneAmbo(a, a + 1) + 1};
}

std::string Etichetta_Ambo(int a, int b) {
    return ' ' + std::to_string(a) + " - " + ' ' + std::to_string(b);
}

RisultatiAmbi::RisultatiAmbi()
    : Frequenza_Ambo(std::size_t{NUMERO_COLONNE} * (NUMERO_AMBI + 1)),
      Ritardo_Attuale_Ambo(Frequenza_Ambo.size()), Ritardo_Massimo_Ambo(Frequenza_Ambo.size()) {}

namespace {

/** Enumeration position of every pair of different numbers, in either order: built once. */
const std::array<std::array<short, 91>, 91>& tabellaPosizioni() {
    static const auto tabella = [] {
        std::array<std::array<short, 91>, 91> t{};
        for (int a = 1; a <= 89; ++a)
            for (int b = a + 1; b <= 90; ++b)
                t[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
                    t[static_cast<std::size_t>(b)][static_cast<std::size_t>(a)] =
                        static_cast<short>(posizioneAmbo(a, b));
        return t;
    }();
    return tabella;
}

} // namespace

namespace {

/**
 * The pass over the period with cells of type T: the three values of a pair and column lie side by
 * side, so that an update touches one cache line, and 16-bit cells keep the whole table in the
 * processor's cache when no count can pass 65535.
 */
template <typename T>
void cercaAmbi(const core::Stato& stato, RisultatiAmbi& risultati, const Avanzamento& avanzamento) {
    const auto& posizioni = tabellaPosizioni();
    struct Cella {
        T frequenza = 0, massimo = 0, ultima = 0;
    };
    std::vector<Cella> celle(static_cast<std::size_t>(NUMERO_COLONNE) * (NUMERO_AMBI + 1));
    Cella* colonna0 = celle.data();
    std::array<long long, NUMERO_COLONNE> reali{};
    const auto contate =
        percorriPeriodo(stato, avanzamento, [&](int w, int contateW, int contate0, const int* numeri) {
            ++reali[static_cast<std::size_t>(w)];
            Cella* colonnaW = celle.data() + RisultatiAmbi::indice(w, 0);
            for (int x = 0; x < 4; ++x) {
                for (int y = x + 1; y < 5; ++y) {
                    // The table holds both (a, b) and (b, a), so the pair needs no ordering.
                    const int k =
                        posizioni[static_cast<std::size_t>(numeri[x])][static_cast<std::size_t>(numeri[y])];
                    Cella& suRuota = colonnaW[k];
                    ++suRuota.frequenza;
                    if (contateW - suRuota.ultima > suRuota.massimo)
                        suRuota.massimo = static_cast<T>(contateW - suRuota.ultima);
                    suRuota.ultima = static_cast<T>(contateW);
                    Cella& incrociata = colonna0[k];
                    if (contate0 - incrociata.ultima > incrociata.massimo)
                        incrociata.massimo = static_cast<T>(contate0 - incrociata.ultima);
                    incrociata.ultima = static_cast<T>(contate0);
                }
            }
        });
    RisultatiAmbi nuovi;
    nuovi.Base_Caso = baseCaso(stato, contate, reali);
    for (int c = 0; c < NUMERO_COLONNE; ++c)
        for (int k = 1; k <= NUMERO_AMBI; ++k) {
            const auto i = RisultatiAmbi::indice(c, k);
            nuovi.Frequenza_Ambo[i] = celle[i].frequenza;
            nuovi.Ritardo_Massimo_Ambo[i] = celle[i].massimo;
            nuovi.Ritardo_Attuale_Ambo[i] = contate[static_cast<std::size_t>(c)] - celle[i].ultima;
        }
    // Column 0's frequency is the sum of the wheels' (a pair drawn on two wheels in one draw counts twice).
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1)
            for (int k = 1; k <= NUMERO_AMBI; ++k)
                nuovi.Frequenza_Ambo[RisultatiAmbi::indice(0, k)] +=
                    nuovi.Frequenza_Ambo[RisultatiAmbi::indice(w, k)];
    risultati = std::move(nuovi);
}

} // namespace

bool ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(const core::Stato& stato, RisultatiAmbi& risultati,
                                               const Avanzamento& avanzamento) {
    if (stato.Totale_Estrazioni_Selezionate == 0) return false;
    if (stato.Totale_Estrazioni_Selezionate <= 65535)
        cercaAmbi<std::uint16_t>(stato, risultati, avanzamento);
    else
        cercaAmbi<int>(stato, risultati, avanzamento);
    return true;
}

bool Ordina_Numeri_Veloce(const std::vector<long long>& chiavi, Ordinamento& esito, int massimoChiavi) {
    const auto posti = static_cast<std::size_t>(massimoChiavi) + 1;
    if (chiavi.empty() || chiavi[0] < 1 || chiavi[0] > massimoChiavi ||
        chiavi[0] >= static_cast<long long>(chiavi.size())) {
        esito.Chiavi_Ordinate.assign(posti, 0);
        esito.Permutazione_Ordinata.assign(posti, 0);
        return false;
    }
    const int n = static_cast<int>(chiavi[0]);
    long long minimo = chiavi[1], massimoChiave = chiavi[1];
    for (int i = 2; i <= n; ++i) {
        minimo = std::min(minimo, chiavi[static_cast<std::size_t>(i)]);
        massimoChiave = std::max(massimoChiave, chiavi[static_cast<std::size_t>(i)]);
    }
    // Counting pays while the key range stays near the number of keys; wider ranges sort by comparison.
    if (minimo < 0 || massimoChiave - minimo > 4LL * massimoChiavi + 65536)
        return Ordina_Numeri(chiavi, esito, massimoChiavi);

    esito.Chiavi_Ordinate.assign(posti, 0);
    esito.Permutazione_Ordinata.assign(posti, 0);
    std::vector<int> inizio(static_cast<std::size_t>(massimoChiave - minimo) + 2, 0);
    for (int i = 1; i <= n; ++i)
        ++inizio[static_cast<std::size_t>(chiavi[static_cast<std::size_t>(i)] - minimo) + 1];
    inizio[0] = 1;
    std::partial_sum(inizio.begin(), inizio.end(), inizio.begin());
    for (int i = 1; i <= n; ++i) {
        const long long chiave = chiavi[static_cast<std::size_t>(i)];
        const auto posto = static_cast<std::size_t>(inizio[static_cast<std::size_t>(chiave - minimo)]++);
        esito.Permutazione_Ordinata[posto] = i;
        esito.Chiavi_Ordinate[posto] = chiave;
    }
    esito.Chiavi_Ordinate[0] = n; // mutazioni: equivalente (0 -> 1) — nothing reads the keys
    esito.Permutazione_Ordinata[0] = n;
    return true;
}

std::vector<int> Ordine_Ambi(const RisultatiAmbi& risultati, int colonna, int criterio, bool discendente) {
    return ordineColonna(risultati, colonna, NUMERO_AMBI, criterio, discendente);
}

std::string csvAmbi(const RisultatiAmbi& risultati, int colonna, const std::vector<int>& ordine) {
    std::string testo = "\xEF\xBB\xBFPosizione;Ambo;Frequenza;Ritardo attuale;Ritardo massimo\r\n";
    testo.reserve(std::size_t{NUMERO_AMBI} * 32);
    for (std::size_t p = 1; p < ordine.size() && p <= NUMERO_AMBI; ++p) {
        const int k = ordine[p];
        if (k < 1 || k > NUMERO_AMBI) continue;
        const auto [a, b] = amboInPosizione(k);
        testo += std::to_string(p) + ';' + std::to_string(a) + '-' + std::to_string(b) + ';' +
                 std::to_string(risultati.frequenza(colonna, k)) + ';' +
                 std::to_string(risultati.ritardoAttuale(colonna, k)) + ';' +
                 std::to_string(risultati.ritardoMassimo(colonna, k)) + "\r\n";
    }
    return testo;
}

} // namespace stats
