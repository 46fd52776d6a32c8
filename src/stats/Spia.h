#pragma once

#include "core/Esito.h"
#include "core/Stato.h"

#include <array>
#include <string>
#include <vector>

namespace stats {

/** The longest span of a spy search, in draws. */
inline constexpr int MASSIMO_COLPI_SPIA = 18;

/** What a spy search asks: the spy number on its wheel, the target wheels and the span. */
struct ParametriSpia {
    int numero = 1;               ///< the spy X, 1..90
    int ruota = 1;                ///< its wheel W, 1..NUMERO_RUOTE (11 the Nazionale)
    core::SpunteRuote bersagli{}; ///< the target wheels (index 1..NUMERO_RUOTE); none ticked: W itself
    int colpi = 1;                ///< the span K, 1..MASSIMO_COLPI_SPIA draws
};

/** The outcome of a spy search. */
struct RisultatiSpia {
    ParametriSpia parametri;        ///< as searched, the targets filled in
    int ruoteBersaglio = 0;         ///< t, the number of target wheels
    int uscite = 0;                 ///< the exits: draws of X on W whose K following draws are in the period
    std::array<int, 91> presenze{}; ///< per number (index 1..90), the exits followed by it at least once
    /** π = 1 - (1 - 1/18)^(K·t): the chance that a given number comes out on one of t wheels in K draws. */
    double probabilita = 0;

    /** Expected presences of any number: uscite × π (0 without exits). */
    double attese() const { return uscite * probabilita; }
    /** z = (presences - expected) / √(uscite · π · (1 - π)); 0 without exits. n outside 1..90 gives 0. */
    double scarto(int n) const;
};

/**
 * The numbers that follow a spy. An exit is a draw d of the period (a selected draw among those loaded)
 * in which X is one of W's five numbers and whose K following draws of the archive, d+1 .. d+K, are all
 * in the period; each number then counts once for that exit when it came out on any target wheel in at
 * least one of those draws. A null record (a wheel not drawn) holds no number but its draw still takes
 * its place among the K; with the Nazionale among the targets an exit also needs its K draws from the
 * Nazionale's first record on (Prima_Estrazione_Nazionale), as the searches count the wheel from there.
 * Parameters out of range are refused (DatoNonValido, with the Italian reason).
 */
core::Esito<RisultatiSpia> cercaSpia(const core::Stato& stato, const ParametriSpia& parametri);

/** A value with two decimals and `virgola` as the decimal point; never "-0.00". */
std::string dueDecimali(double valore, char virgola);

/**
 * The display order of the 90 numbers: element 0 = 90, element p = the number at position p, ascending
 * by number (NUMERICO) or by presences (any other key), or descending with `discendente`; ties by number.
 */
std::array<int, 91> ordineSpia(const RisultatiSpia& risultati, int criterio, bool discendente);

/**
 * The results as a CSV text for Italian spreadsheets (byte order mark, ";", decimal comma, CRLF):
 * a header "Numero;Uscite spia;Presenze;Attese;Scarto", then a row per number in the order given.
 */
std::string csvSpia(const RisultatiSpia& risultati, const std::array<int, 91>& ordine);

/**
 * The lines of the printout after the heading, in a fixed-pitch font: the title (line 0), what was
 * searched, then a header and a row per number in the order given, the columns right-aligned at
 * character 6 (position), 13 (number), 23 (presences), 33 (expected) and 43 (deviation).
 */
std::vector<std::string> righeStampaSpia(const core::Stato& stato, const RisultatiSpia& risultati,
                                         const std::array<int, 91>& ordine, const std::string& periodo);

} // namespace stats
