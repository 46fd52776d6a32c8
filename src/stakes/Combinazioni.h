#pragma once

#include "Importo.h"
#include "core/Stato.h"

#include <array>
#include <cstdint>
#include <string>

namespace stakes {

/** The prize classes (sorti) as Nome_Sorte names them: 1 Estratto .. 5 Cinquina. */
inline constexpr int ESTRATTO = 1;
inline constexpr int AMBO = 2;
inline constexpr int TERNO = 3;
inline constexpr int QUATERNA = 4;
inline constexpr int CINQUINA = 5;

/** Currencies of stakes, indices into Nome_Moneta. */
inline constexpr int EURO = 0;
inline constexpr int LIRE = 1;

/**
 * C(n, k): the number of k-combinations of n numbers, exact in 64 bits. 0 when k > n or either
 * argument is negative; 1 when k is 0. Saturates at INT64_MAX far beyond the program's 90 numbers.
 */
std::int64_t Numero_Combinazioni(int k, int n);

/** The text of a count in the combination grid: grouped thousands, an empty cell for 0. */
std::string testoCombinazioni(std::int64_t combinazioni);

/** Range and starting position of the stake bar of one sorte. */
struct BarraPuntata {
    int minimo, massimo, iniziale;
};
/** The page step of every stake bar. */
inline constexpr int PASSO_PUNTATA = 50;

/**
 * The stake bar of sorte k (1..5) in the currency `moneta`: euro bars count cents, lire bars tens of
 * lire. A currency other than LIRE is taken as EURO; k outside 1..5 gives the Estratto bar.
 */
BarraPuntata barraPuntata(int moneta, int k);

/** The stake a bar position stands for: value / 100 in euro, value × 10 in lire. */
double puntataDaBarra(int moneta, int valore);

/** The stake, or a ticket cost, as its label shows it: "#.###" in euro, "#,###" in lire. */
std::string testoPuntata(int moneta, double puntata);

/** A ticket as the calculator describes it. */
struct Giocata {
    int Numeri_Per_Bolletta = 1;     ///< numbers on the ticket, n
    int Numeri_Indovinati = 1;       ///< numbers that come out, g
    int Ruote_Giocate = 1;           ///< wheels played, R
    std::array<double, 6> Puntata{}; ///< stake of sorte 1..5 in the currency of stakes; 0 when not played
};

/** Total cost of the ticket: the sum of its stakes, whatever the wheels and the combinations. */
double Costo_Bolletta(const Giocata& giocata);

/** The stake of a bar or of a ticket in hundredths of the currency, rounded to the nearest. */
long long centesimiDi(double puntata);

/**
 * What the ticket collects after withholding when g of its n numbers come out on one of the R wheels:
 * the sum over its played sorti of vincitaSorte's net win, exact. 0 when n, g or R is not positive.
 */
Importo riscossione(const core::Stato& stato, const Giocata& giocata);

} // namespace stakes
