#pragma once

#include "core/Stato.h"

#include <array>
#include <functional>
#include <vector>

namespace stats {

/** Result columns: 0 the selected wheels together, 1..NUMERO_RUOTE the wheels (11 the Nazionale). */
inline constexpr int NUMERO_COLONNE = core::NUMERO_RUOTE + 1;

/**
 * What chance needs of each column of a search, counted on its walk: the draws counted (T), the real
 * records (R; column 0: the selected wheels' summed) and the wheels selected (k).
 */
struct BaseCaso {
    std::array<int, NUMERO_COLONNE> contate{};
    std::array<long long, NUMERO_COLONNE> reali{};
    int ruote = 0;
};

/** The base of a walk: its counted draws, and the real records of the selected wheels, summed on column 0. */
BaseCaso baseCaso(const core::Stato& stato, const std::array<int, NUMERO_COLONNE>& contate,
                  const std::array<long long, NUMERO_COLONNE>& reali);

/** A table indexed by column 0..NUMERO_RUOTE and number 0..90 (number 0 unused). */
using TabellaNumeri = std::array<std::array<int, 91>, NUMERO_COLONNE>;

/** Frequency, current delay and maximum delay of the 90 numbers in every column. */
struct RisultatiNumeri {
    TabellaNumeri Frequenza_Numero{};
    TabellaNumeri Ritardo_Attuale_Numero{};
    TabellaNumeri Ritardo_Massimo_Numero{};
    BaseCaso Base_Caso;
    int posizione = 0; ///< the position searched (ParametriNumeri::posizione): 0 every number, 1..5 one place
};

/** What the number search counts besides the period and the wheels. */
struct ParametriNumeri {
    /** 0 every number of a record; 1..5 only the number drawn in that place (the "estratto determinato"). */
    int posizione = 0;
};

/** Progress of a search, a percentage 1..100. */
using Avanzamento = std::function<void(int percentuale)>;

/**
 * Counts, over the search period and on the selected wheels, how often each number came out, how many
 * draws it has been absent since its last appearance and its longest absence. The period's selected
 * draws are walked cycle by cycle, in ascending order, as one sequence: cycles do not restart the
 * counting. Every selected draw counts on every selected wheel, a null record too (it lengthens the
 * delays); column 0 counts each draw once and takes a number's appearances on any selected wheel.
 * A first appearance in the k-th counted draw gives a delay of k; the absence still open at the end
 * does not enter the maximum. Returns false, leaving `risultati` untouched, when the period holds no
 * draw. `avanzamento` hears the progress per cycle (several cycles) or per draw (one cycle).
 * With a position P (1..5) in `parametri` a number comes out on a wheel only as the P-th number of that
 * wheel's record, in drawing order; everything else is unchanged. A position outside 0..5 counts as 0.
 */
bool ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(const core::Stato& stato, RisultatiNumeri& risultati,
                                                   const Avanzamento& avanzamento = {},
                                                   const ParametriNumeri& parametri = {});

/** The 90 numbers ascending by chiavi[1..90] (chiavi[0] = 90) or, with `discendente`, descending; ties
 * always by increasing number. Element 0 = 90, element p = the number at position p. */
std::array<int, 91> ordineNumeri(std::vector<long long> chiavi, bool discendente);

/** The numbers in number order: element 0 = 90, element p = p. */
std::array<int, 91> ordineNumerico();

/** Frequency, current delay and maximum delay of number n (1..90) in column c; zeros outside them. */
std::array<int, 3> valoriNumero(const RisultatiNumeri& risultati, int colonna, int numero);

/**
 * The display order of a column: element 0 = 90, element p (1..90) = the number shown at position p,
 * ascending by the key (number, frequency, current delay or maximum delay) or, with `discendente`,
 * descending; ties always by increasing number.
 */
std::array<int, 91> ordinePosizioni(const RisultatiNumeri& risultati, int colonna, int criterio,
                                    bool discendente = false);

} // namespace stats
