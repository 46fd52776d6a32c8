#pragma once

#include "RicercaNumeri.h"
#include "Serie.h"
#include "core/Esito.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace stats {

/** A group of numbers that players follow: a name and 1..90 different numbers, ascending. */
struct Gruppo {
    std::string nome;
    std::vector<int> numeri;
    friend bool operator==(const Gruppo&, const Gruppo&) = default;
};

/** A fixed family of groups: the key of the command line, the caption, the groups in their order. */
struct Famiglia {
    std::string chiave; ///< "cadenze", "decine_cabalistiche"
    std::string nome;   ///< "Cadenze", "Decine cabalistiche"
    std::vector<Gruppo> gruppi;
};

/**
 * The six families, in this order: cadenze (10 groups: "Cadenza 0" = 10, 20, …, 90), decine (9: 1-10 …
 * 81-90), decine cabalistiche (9: "Decina 0" = 90 and 1-9, then 10-19 … 80-89), figure (9: the numbers
 * whose repeated digit sum is 1 … 9), quindicine (6: 1-15 … 76-90), gemelli (one group: 11, 22, …, 88).
 * Built once.
 */
const std::vector<Famiglia>& famiglie();

/** The sorte a group is followed for: 1 estratto .. 5 cinquina. */
inline constexpr int SORTE_MASSIMA = 5;
/** "estratto", "ambo", "terno", "quaterna", "cinquina" for 1..5; empty otherwise. */
std::string nomeSorte(int sorte);

/** The most numbers a lunghetta holds, and the fewest. */
inline constexpr int MASSIMO_NUMERI_LUNGHETTA = 30;
inline constexpr int MINIMO_NUMERI_LUNGHETTA = 2;

/**
 * Frequency, current delay and maximum delay of each group in every column (0 the selected wheels
 * together, 1..NUMERO_RUOTE the wheels), indexed [column][group] in the order of the groups given.
 */
struct RisultatiGruppi {
    int sorte = 1;
    std::array<std::vector<int>, NUMERO_COLONNE> Frequenza, Ritardo_Attuale, Ritardo_Massimo;
    BaseCaso Base_Caso; ///< what chance needs of each column, counted on the same walk
    int gruppi() const { return static_cast<int>(Frequenza[0].size()); }
};

/**
 * The group search: a group comes out on a wheel in a draw when at least `sorte` of its numbers are
 * among that wheel's five (a number a damaged record repeats counts once). Frequency and delays then
 * follow the number search exactly, the group's coming out in place of the number's: one walk of the
 * period (Percorso.h), a null record lengthens the delays, a first coming out in the k-th counted draw
 * is a delay of k, the absence still open at the end does not enter the maximum; column 0 takes a
 * coming out on any selected wheel and its frequency is the sum of the wheels'. Fails (DatoNonValido,
 * with the Italian message) when `sorte` lies outside 1..5, a group holds a number outside 1..90 or
 * fewer numbers than the sorte, or the period holds no draw.
 */
core::Esito<RisultatiGruppi> ricercaGruppi(const core::Stato& stato, const std::vector<Gruppo>& gruppi,
                                           int sorte, const Avanzamento& avanzamento = {});

/**
 * The delay series of one group for a sorte in column `colonna`, as serieRitardi gives it for a number:
 * its figures are ricercaGruppi's. Fails as serieRitardi does, and for a sorte outside 1..numbers.
 */
core::Esito<SerieRitardi> serieGruppo(const core::Stato& stato, const Gruppo& gruppo, int sorte, int colonna);

/**
 * The display order of a column: the group indices 0..n-1, ascending by the key (NUMERICO: the groups'
 * own order) or, with `discendente`, descending; equal keys always in the groups' order.
 */
std::vector<int> ordineGruppi(const RisultatiGruppi& risultati, int colonna, int criterio,
                              bool discendente = false);

/**
 * The chance that at least k of a group's m numbers are among the five drawn out of 90 on one wheel:
 * the hypergeometric sum over j = k..min(m, 5) of C(m, j) C(90 - m, 5 - j) / C(90, 5). 1 for k <= 0,
 * 0 when k passes m or 5 (or m lies outside 1..90).
 */
double probabilitaGruppo(int m, int k);

/** The numbers joined by blanks: "1 23 45". */
std::string testoNumeri(const std::vector<int>& numeri);

/**
 * A lunghetta as the user types it: a name (trimmed, not empty, without ":", not starting with "#")
 * and 2..30 different
 * numbers of 1..90 separated by blanks or commas ("1 23 45"), kept ascending. Fails (DatoNonValido)
 * with an Italian message that names the fault.
 */
core::Esito<Gruppo> leggiLunghetta(std::string_view nome, std::string_view numeri);

/**
 * Refuses (DatoNonValido, with the message) a name that a lunghetta other than the one at `tranne`
 * already has, letters compared as written.
 */
core::Esito<void> nomeLibero(const std::vector<Gruppo>& gruppi, const std::string& nome,
                             std::size_t tranne = static_cast<std::size_t>(-1));

/** The user's lunghette file in the program folder. */
inline constexpr const char* FILE_LUNGHETTE = "gruppi.txt";

/** What the lunghette file holds: the groups read, and the lines refused with their reasons. */
struct LetturaLunghette {
    std::vector<Gruppo> gruppi;
    std::vector<std::string> errori;   ///< "gruppi.txt, riga 3: …", one per refused line
    std::vector<std::string> scartate; ///< the comments and refused lines as written, kept by scriviLunghette
};

/**
 * Reads `cartella`/gruppi.txt: one lunghetta a line, "name: numbers" (as leggiLunghetta takes them);
 * blank lines are skipped, lines starting with "#" are comments. A refused line is named in `errori` and the
 * others still load. A missing file is an empty list; an unreadable one fails with the message.
 */
core::Esito<LetturaLunghette> leggiLunghette(const std::filesystem::path& cartella);

/**
 * Writes the lunghette, one a line, then the comments and refused lines `scartate` as they were (so that
 * nothing the user wrote is lost), replacing gruppi.txt safely (core::scriviFileSicuro). Fails
 * (FileNonScrivibile), leaving the old file whole, when it cannot be written.
 */
core::Esito<void> scriviLunghette(const std::filesystem::path& cartella, const std::vector<Gruppo>& gruppi,
                                  const std::vector<std::string>& scartate = {});

/**
 * One column's results as CSV for Italian spreadsheets (UTF-8 with a byte order mark, ";", CRLF): a
 * header row, then one row per group in the order given: group, numbers, frequency, current delay,
 * maximum delay.
 */
std::string csvGruppi(const RisultatiGruppi& risultati, const std::vector<Gruppo>& gruppi, int colonna,
                      const std::vector<int>& ordine);

/**
 * The printout of one column: a header line, then one line per group in the order given, in fixed
 * columns: name (22 characters), frequency, current and maximum delay (9 each), the numbers.
 */
std::vector<std::string> righeStampaGruppi(const RisultatiGruppi& risultati,
                                           const std::vector<Gruppo>& gruppi, int colonna,
                                           const std::vector<int>& ordine);

} // namespace stats
