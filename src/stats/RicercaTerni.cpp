#include "RicercaTerni.h"

#include "Navigazione.h"
#include "Ordinamento.h"
#include "Percorso.h"
#include "RicercaAmbi.h"

#include <algorithm>
#include <numeric>

namespace stats {

namespace {

/** Every triple by position, packed a | b << 8 | c << 16: built once. */
const std::vector<std::uint32_t>& tabellaTerni() {
    static const auto tabella = [] {
        std::vector<std::uint32_t> t(NUMERO_TERNI + 1);
        std::size_t k = 1;
        for (std::uint32_t a = 1; a <= 88; ++a)
            for (std::uint32_t b = a + 1; b <= 89; ++b)
                for (std::uint32_t c = b + 1; c <= 90; ++c)
                    t[k++] = a | b << 8 | c << 16;
        return t;
    }();
    return tabella;
}

/** The two parts of a position by number, so that a record's ten positions cost two table reads each. */
template <int (*parte)(int)> constexpr std::array<int, 91> tabellaParte() {
    std::array<int, 91> t{};
    for (int n = 1; n <= 90; ++n)
        t[static_cast<std::size_t>(n)] = parte(n);
    return t;
}
constexpr auto PRIMO = tabellaParte<dettaglio::partePrimo>();
constexpr auto SECONDO = tabellaParte<dettaglio::parteSecondo>();

/**
 * The positions of a record's ten triples. A damaged record that repeats a number gives position 0, a
 * slot no reader looks at, for every triple that holds the number twice.
 */
inline void terniDelRecord(const int* numeri, int posizioni[10]) {
    int n[5] = {numeri[0], numeri[1], numeri[2], numeri[3], numeri[4]};
    // A sorting network of nine exchanges, each without a branch: random numbers would make the
    // processor mispredict every other one.
    const auto scambia = [&n](int i, int j) {
        const int minore = n[i] < n[j] ? n[i] : n[j]; // mutazioni: equivalente (< -> <=) — equal: same value
        n[j] ^= n[i] ^ minore;
        n[i] = minore;
    };
    scambia(0, 1), scambia(3, 4), scambia(2, 4), scambia(2, 3), scambia(1, 4);
    scambia(0, 3), scambia(0, 2), scambia(1, 3), scambia(1, 2);
    const auto primo = [](int a) { return PRIMO[static_cast<std::size_t>(a)]; };
    const auto secondo = [](int b) { return SECONDO[static_cast<std::size_t>(b)]; };
    if (n[0] < n[1] && n[1] < n[2] && n[2] < n[3] && n[3] < n[4]) {
        const int a0 = primo(n[0]), a1 = primo(n[1]), a2 = primo(n[2]);
        const int b1 = secondo(n[1]), b2 = secondo(n[2]), b3 = secondo(n[3]);
        const int terne[10] = {a0 + b1 + n[2], a0 + b1 + n[3], a0 + b1 + n[4], a0 + b2 + n[3],
                               a0 + b2 + n[4], a0 + b3 + n[4], a1 + b2 + n[3], a1 + b2 + n[4],
                               a1 + b3 + n[4], a2 + b3 + n[4]};
        std::copy_n(terne, 10, posizioni);
        return; // mutazioni: equivalente — the general way below gives the same ten
    }
    int quante = 0;
    for (int x = 0; x < 3; ++x)
        for (int y = x + 1; y < 4; ++y)
            for (int z = y + 1; z < 5; ++z)
                posizioni[quante++] = n[x] < n[y] && n[y] < n[z] ? primo(n[x]) + secondo(n[y]) + n[z] : 0;
}

/**
 * Marks the appearances of records' triples in one column, a few records behind: the cells of a record
 * are fetched from memory while those of the records before it are updated, so that the waits for the
 * memory overlap. The updates keep the records' order.
 */
template <bool conFrequenza, typename T> class Segnatore {
public:
    explicit Segnatore(CellaTerno<T>* colonna) : m_colonna(colonna) {}
    /** The record's triples came out in the column at its counted draw `contate`. */
    void segna(const int* numeri, int contate) {
        Record& record = m_attesa[m_prossimo % RITARDO];
        if (m_prossimo >= RITARDO) applica(record);
        terniDelRecord(numeri, record.posizioni);
        record.contate = contate;
        for (int k : record.posizioni)
            __builtin_prefetch(m_colonna + k, 1);
        ++m_prossimo;
    }
    /** Applies the records still waiting. */
    void concludi() {
        for (std::size_t i = m_prossimo > RITARDO ? m_prossimo - RITARDO : 0; i < m_prossimo; ++i)
            applica(m_attesa[i % RITARDO]);
        m_prossimo = 0;
    }

private:
    static constexpr std::size_t RITARDO = 4;
    struct Record {
        int posizioni[10];
        int contate;
    };
    /**
     * A first appearance in the k-th counted draw is a delay of k; a second one in the same draw (column
     * 0) adds nothing.
     */
    void applica(const Record& record) {
        for (int k : record.posizioni) {
            CellaTerno<T>& cella = m_colonna[k];
            if constexpr (conFrequenza) ++cella.frequenza;
            // Without a branch: whether an absence is the longest yet is a coin toss on a wheel's few exits.
            cella.massimo = static_cast<T>(std::max<int>(cella.massimo, record.contate - cella.ultima));
            cella.ultima = static_cast<T>(record.contate);
        }
    }
    CellaTerno<T>* m_colonna;
    std::array<Record, RITARDO> m_attesa{};
    std::size_t m_prossimo = 0;
};

/**
 * The search with cells of type T. The eleven tables together outgrow the processor's cache, one alone
 * does not: the period is walked once per selected wheel for that wheel's table, then once more, draw
 * after draw, for column 0's.
 */
template <typename T>
BaseCaso cercaTerni(const core::Stato& stato, std::vector<CellaTerno<T>>& celle,
                    const Avanzamento& avanzamento) {
    celle.assign(RisultatiTerni::indice(NUMERO_COLONNE, 0), {});
    std::vector<int> ruote;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1) ruote.push_back(w);
    const int passi = static_cast<int>(ruote.size()) + 1;
    int passo = 0, ultimaPercentuale = -1;
    Avanzamento suPasso;
    if (avanzamento)
        suPasso = [&](int percentuale) {
            const int totale = std::max((passo * 100 + percentuale) / passi, 1);
            if (totale != ultimaPercentuale) avanzamento(ultimaPercentuale = totale);
        };
    for (int w : ruote) {
        Segnatore<true, T> suRuota(celle.data() + RisultatiTerni::indice(w, 0));
        percorriPeriodo(
            stato, suPasso,
            [&](int, int contateW, int, const int* numeri) { suRuota.segna(numeri, contateW); }, w);
        suRuota.concludi();
        ++passo;
    }
    Segnatore<false, T> incrociate(celle.data());
    std::array<long long, NUMERO_COLONNE> reali{};
    const auto contate = percorriPeriodo(stato, suPasso, [&](int w, int, int contate0, const int* numeri) {
        ++reali[static_cast<std::size_t>(w)];
        incrociate.segna(numeri, contate0);
    });
    incrociate.concludi();
    return baseCaso(stato, contate, reali);
}

template <typename T>
int valore(const std::vector<CellaTerno<T>>& celle, int c, int k, T CellaTerno<T>::*campo) {
    return static_cast<int>(celle[RisultatiTerni::indice(c, k)].*campo);
}

} // namespace

Terno ternoInPosizione(int k) {
    const std::uint32_t t = tabellaTerni()[static_cast<std::size_t>(k)];
    return {static_cast<int>(t & 0xFF), static_cast<int>(t >> 8 & 0xFF), static_cast<int>(t >> 16)};
}

std::string Etichetta_Terno(const Terno& terno) {
    return ' ' + std::to_string(terno.a) + " - " + ' ' + std::to_string(terno.b) + " - " + ' ' +
           std::to_string(terno.c);
}

std::optional<Terno> leggiTerno(std::string_view testo) {
    std::array<int, 3> numeri{};
    std::size_t quanti = 0;
    for (std::size_t i = 0; i < testo.size();) {
        const char carattere = testo[i];
        if (carattere == ' ' || carattere == '-' || carattere == ',' || carattere == '.' ||
            carattere == '\t') {
            ++i;
            continue;
        }
        if (carattere < '0' || carattere > '9' || quanti == numeri.size()) return std::nullopt;
        int numero = 0;
        for (; i < testo.size() && testo[i] >= '0' && testo[i] <= '9'; ++i)
            if ((numero = numero * 10 + (testo[i] - '0')) > 90) return std::nullopt;
        numeri[quanti++] = numero;
    }
    std::sort(numeri.begin(), numeri.end());
    if (quanti != 3 || numeri[0] < 1 || numeri[0] == numeri[1] || numeri[1] == numeri[2]) return std::nullopt;
    return Terno{numeri[0], numeri[1], numeri[2]};
}

int RisultatiTerni::frequenza(int c, int k) const {
    if (c == 0) return Frequenza_Incrociata.empty() ? 0 : Frequenza_Incrociata[static_cast<std::size_t>(k)];
    if (!Celle_Corte.empty()) return valore(Celle_Corte, c, k, &CellaTerno<std::uint16_t>::frequenza);
    return Celle_Lunghe.empty() ? 0 : valore(Celle_Lunghe, c, k, &CellaTerno<std::uint32_t>::frequenza);
}

int RisultatiTerni::ritardoAttuale(int c, int k) const {
    const int ultima = !Celle_Corte.empty() ? valore(Celle_Corte, c, k, &CellaTerno<std::uint16_t>::ultima)
                       : !Celle_Lunghe.empty()
                           ? valore(Celle_Lunghe, c, k, &CellaTerno<std::uint32_t>::ultima)
                           : 0;
    return Contate[static_cast<std::size_t>(c)] - ultima;
}

int RisultatiTerni::ritardoMassimo(int c, int k) const {
    if (!Celle_Corte.empty()) return valore(Celle_Corte, c, k, &CellaTerno<std::uint16_t>::massimo);
    return Celle_Lunghe.empty() ? 0 : valore(Celle_Lunghe, c, k, &CellaTerno<std::uint32_t>::massimo);
}

std::size_t RisultatiTerni::byteTabelle() const {
    return Celle_Corte.size() * sizeof(Celle_Corte[0]) + Celle_Lunghe.size() * sizeof(Celle_Lunghe[0]) +
           Frequenza_Incrociata.size() * sizeof(int);
}

bool ESECUZIONE_RICERCA_FREQUENZA_RITARDI_TERNI(const core::Stato& stato, RisultatiTerni& risultati,
                                                const Avanzamento& avanzamento) {
    if (stato.Totale_Estrazioni_Selezionate == 0) return false;
    // The tables of the last search are reused when their cells fit this one, the others given back.
    if (stato.Totale_Estrazioni_Selezionate <= 65535) { // mutazioni: equivalente — either width counts alike
        risultati.Base_Caso = cercaTerni(stato, risultati.Celle_Corte, avanzamento);
        risultati.Celle_Lunghe = {};
    } else {
        risultati.Base_Caso = cercaTerni(stato, risultati.Celle_Lunghe, avanzamento);
        risultati.Celle_Corte = {};
    }
    risultati.Contate = risultati.Base_Caso.contate;
    auto& incrociata = risultati.Frequenza_Incrociata;
    incrociata.assign(NUMERO_TERNI + 1, 0);
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1)
            for (int k = 1; k <= NUMERO_TERNI; ++k)
                incrociata[static_cast<std::size_t>(k)] += risultati.frequenza(w, k);
    return true;
}

std::vector<int> Ordine_Terni(const RisultatiTerni& risultati, int colonna, int criterio, bool discendente) {
    return ordineColonna(risultati, colonna, NUMERO_TERNI, criterio, discendente);
}

std::string csvTerni(const RisultatiTerni& risultati, int colonna, const std::vector<int>& ordine) {
    std::string testo = "\xEF\xBB\xBFPosizione;Terno;Frequenza;Ritardo attuale;Ritardo massimo\r\n";
    testo.reserve(std::size_t{NUMERO_TERNI} * 32);
    for (std::size_t p = 1; p < ordine.size() && p <= NUMERO_TERNI; ++p) {
        const int k = ordine[p];
        if (k < 1 || k > NUMERO_TERNI) continue;
        const Terno t = ternoInPosizione(k);
        testo += std::to_string(p) + ';' + std::to_string(t.a) + '-' + std::to_string(t.b) + '-' +
                 std::to_string(t.c) + ';' + std::to_string(risultati.frequenza(colonna, k)) + ';' +
                 std::to_string(risultati.ritardoAttuale(colonna, k)) + ';' +
                 std::to_string(risultati.ritardoMassimo(colonna, k)) + "\r\n";
    }
    return testo;
}

} // namespace stats
