#pragma once

#include "RicercaNumeri.h"

#include <string>

/**
 * Chance beside the counts: what the game's odds make one expect of a number, a pair or a triple in a
 * column, and how ordinary its delays are. Every figure rests on one column's BaseCaso (see
 * RicercaNumeri.h) and on p, the chance that a given item comes out on one wheel in one draw.
 */
namespace stats {

/** The chance that a given item of `sorte` numbers (1 estratto, 2 ambo, 3 terno) comes out on one wheel in
 * one draw of five numbers out of 90: 1/18, 2/801, 1/11748; a number at one position of the draw
 * (`posizione` 1..5, the estratto determinato), 1/90. */
double probabilitaSorte(int sorte, int posizione = 0);

/** One column seen by chance: R its real records, T its counted draws, k its wheels (1, or column 0's). */
struct ColonnaCaso {
    long long reali = 0;
    int contate = 0;
    int ruote = 1;
};

/** Column c of a search's base (column 0: the selected wheels' records summed, k the selected wheels). */
ColonnaCaso colonnaCaso(const BaseCaso& base, int colonna);

/** The chance figures of one item: expected frequency, deviation, chance of its current and maximum delay. */
struct Caso {
    double attesa = 0;
    double scarto = 0;
    double probabilitaAttuale = 1;
    double probabilitaMassimo = 1;
};

/**
 * The figures of the items of one column, for an item chance p: with frequency F, current delay D and
 * maximum delay M, E = R·p; z = (F − E)/√(R·p·(1 − p)), 0 for R = 0; with q = (1 − p)^k, q^D for the
 * current delay and, for 0 < M ≤ T, 1 − exp(−(1 + (T − M)(1 − q))·q^M) for the longest run of absences
 * (1 otherwise, and over a period of one draw). Made once per column: an item costs a few exponentials.
 */
class CalcoloCaso {
public:
    CalcoloCaso(double p, const ColonnaCaso& colonna);
    Caso operator()(int frequenza, int ritardoAttuale, int ritardoMassimo) const;
    /** The mean delay by chance, 1/(1 − q): 18 for an estratto on one wheel. */
    double ritardoMedio() const;
    /** The smallest delay D with q^D ≤ 1/1000: 121 for an estratto on one wheel. */
    int ritardoUnoSuMille() const;

private:
    double m_p;
    ColonnaCaso m_colonna;
    double m_logAssenza; ///< ln q
    double m_deviazione; ///< √(R·p·(1 − p))
};

/** The figures of one item (CalcoloCaso made for it alone). */
Caso caso(double p, const ColonnaCaso& colonna, int frequenza, int ritardoAttuale, int ritardoMassimo);

/** A chance in words: "1 su 952" (N = round(1/P), at least 1, thousands with a dot), "meno di 1 su un
 * miliardo" below 10⁻⁹. */
std::string unoSu(double probabilita);

/** The same chance as a frequency: "1 volta su 952", "meno di 1 volta su un miliardo". */
std::string volteSu(double probabilita);

/**
 * What a cell's tooltip says of an item with frequency F, current delay D and maximum delay M:
 * "Frequenza 110, attesa per caso 100,0: scarto +1,0\nRitardo attuale 120: per caso 1 su 952\n
 * Ritardo massimo 150: per caso 1 su 58".
 */
std::string descrizioneCaso(const Caso& caso, int frequenza, int ritardoAttuale, int ritardoMassimo);

/** The status line of a cell: "Ritardo attuale 120 su BARI: per caso accade circa 1 volta su 952". */
std::string fraseRitardo(int ritardoAttuale, const std::string& colonna, double probabilita);

/** A deviation with one decimal and a comma, its sign always shown: "+1,0", "−0,4" ("0,0" for zero). */
std::string testoScarto(double scarto);

/** P(X ≥ x) for a chi-square variable with `gradi` degrees of freedom. */
double pChiQuadro(double chi2, int gradi);

/** Pearson's test of one column's 90 frequencies against equal chance. */
struct VerificaCaso {
    int colonna = 0;
    double chi2 = 0;
    int gradi = 89;
    double p = 1;
    bool compatibile = true;                 ///< p ≥ 0.01
    int piuFrequente = 0, menoFrequente = 0; ///< the numbers (the smallest on a tie)
};

/**
 * The test of column c of a number search: χ² = (89/85)·Σ(F − E)²/E over the 90 numbers with E = R/18
 * (five distinct numbers a draw make the plain sum's mean 85), 89 degrees of freedom; a column without
 * a real record gives χ² = 0, p = 1.
 */
VerificaCaso verificaCaso(const RisultatiNumeri& risultati, int colonna);

/** The sentence of a test: "compatibile con il caso" or "lontano da quanto il caso farebbe attendere (p =
 * …)". */
std::string giudizioVerifica(const VerificaCaso& verifica);

} // namespace stats
