#pragma once

#include "RicercaNumeri.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stats {

/** Triples of three different numbers out of 90. */
inline constexpr int NUMERO_TERNI = 117480;

/** Three different numbers, a < b < c. */
struct Terno {
    int a = 0, b = 0, c = 0;
    friend bool operator==(const Terno&, const Terno&) = default;
};

namespace dettaglio {
constexpr int terne(int n) {
    return n * (n - 1) * (n - 2) / 6;
}
constexpr int coppie(int n) {
    return n * (n - 1) / 2;
}
/** The triples whose smallest number is below a, plus the pairs above a: the part of a position due to a. */
constexpr int partePrimo(int a) {
    return NUMERO_TERNI - terne(91 - a) + coppie(90 - a);
}
/** Less the pairs above a that start at b or above: the part due to b. */
constexpr int parteSecondo(int b) {
    return -coppie(91 - b) - b;
}
} // namespace dettaglio

/**
 * Enumeration position (1..117480) of the triple (a, b, c), a < b < c: a = 1..88, then b = a+1..89, then
 * c = b+1..90, so (1, 2, 3) is 1, (1, 2, 90) is 88, (88, 89, 90) is 117480. Constant time; the caller
 * keeps 1 <= a < b < c <= 90.
 */
constexpr int posizioneTerno(int a, int b, int c) {
    return dettaglio::partePrimo(a) + dettaglio::parteSecondo(b) + c;
}

/** The triple at enumeration position k (1..117480), in constant time (a table built at first use). */
Terno ternoInPosizione(int k);

/** The triple's label: " 7 -  45 -  89" — each number with one leading blank, ascending, " - " between. */
std::string Etichetta_Terno(const Terno& terno);

/**
 * A triple as a user types it: three different numbers from 1 to 90 in any order, separated by blanks,
 * dashes, commas or dots ("7 45 89", "89-7-45"). Nothing when the text holds anything else.
 */
std::optional<Terno> leggiTerno(std::string_view testo);

/** The three values one search keeps for a triple in a column; `ultima` is the draw of its last appearance.
 */
template <typename T> struct CellaTerno { T frequenza = 0, massimo = 0, ultima = 0; };

/**
 * Frequency, current delay and maximum delay of the 117,480 triples in every column. The cells of the
 * eleven columns lie in one table, 16-bit while no count of the period can pass 65535 (6 bytes a cell,
 * 7.8 MB in all), 32-bit otherwise (12 bytes, 15.5 MB), plus column 0's frequency in 32-bit (0.5 MB).
 * Empty before the first search: every value reads 0.
 */
struct RisultatiTerni {
    /** Values of column c (0..10) and triple position k (1..117480). */
    int frequenza(int c, int k) const;
    int ritardoAttuale(int c, int k) const;
    int ritardoMassimo(int c, int k) const;
    /** Bytes the tables hold. */
    std::size_t byteTabelle() const;
    static std::size_t indice(int c, int k) {
        return static_cast<std::size_t>(c) * (NUMERO_TERNI + 1) + static_cast<std::size_t>(k);
    }

    std::vector<CellaTerno<std::uint16_t>> Celle_Corte; ///< in use when the period allows 16 bits
    std::vector<CellaTerno<std::uint32_t>> Celle_Lunghe;
    /** Column 0's frequency, the sum of the selected wheels' (it may pass 65535 where a wheel cannot). */
    std::vector<int> Frequenza_Incrociata;
    std::array<int, NUMERO_COLONNE> Contate{}; ///< draws counted per column
    BaseCaso Base_Caso;
};

/**
 * The triple search: as the pair search, with the appearance of a pair read as the appearance of all
 * three numbers of a triple on the same wheel in the same draw. A real record gives its ten triples;
 * column 0 takes a triple drawn on any one selected wheel, never one split across wheels, and its
 * frequency is the sum of the wheels' (a triple drawn on two wheels in one draw counts twice). Returns
 * false, leaving `risultati` untouched, when the period holds no draw.
 */
bool ESECUZIONE_RICERCA_FREQUENZA_RITARDI_TERNI(const core::Stato& stato, RisultatiTerni& risultati,
                                                const Avanzamento& avanzamento = {});

/**
 * The display order of a triples column: element 0 = 117480, element p = the enumeration position of
 * the triple shown at position p. By enumeration for NUMERICO; otherwise by the key, ascending or, with
 * `discendente`, descending (NUMERICO then lists the enumeration backwards); equal keys always keep
 * enumeration order.
 */
std::vector<int> Ordine_Terni(const RisultatiTerni& risultati, int colonna, int criterio,
                              bool discendente = false);

/**
 * The results of one triples column as CSV for Italian spreadsheets (UTF-8 with a byte order mark, ";",
 * CRLF): a header row, then one row per display position: position, triple ("7-45-89"), frequency,
 * current delay, maximum delay.
 */
std::string csvTerni(const RisultatiTerni& risultati, int colonna, const std::vector<int>& ordine);

} // namespace stats
