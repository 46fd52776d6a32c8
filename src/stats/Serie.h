#pragma once

#include "Percorso.h"
#include "RicercaNumeri.h"
#include "core/Esito.h"
#include "core/Formato.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace stats {

/** The most numbers a combination holds: a triple. */
inline constexpr int MASSIMO_NUMERI_COMBINAZIONE = 3;

/**
 * One, two or three different numbers 1..90 (a number, a pair, a triple), kept in ascending order. It
 * comes out on a wheel in a draw when all its numbers are among that wheel's five.
 */
class Combinazione {
public:
    /**
     * The combination of these numbers, in any order. Fails (DatoNonValido, with the Italian message)
     * when there are none or more than three, when one lies outside 1..90 or when one repeats.
     */
    static core::Esito<Combinazione> da(std::vector<int> numeri);

    /** How many numbers: 1..3. */
    int quanti() const { return m_quanti; }
    /** The i-th number in ascending order, i = 0..quanti()-1. */
    int numero(int i) const { return m_numeri[static_cast<std::size_t>(i)]; }
    /** The numbers joined by "-", smaller first: "7", "7-45", "1-2-3". */
    std::string testo() const;
    /** "numero", "ambo" or "terno". */
    std::string nome() const;

private:
    std::array<int, MASSIMO_NUMERI_COMBINAZIONE> m_numeri{};
    int m_quanti = 0;
};

/** One counted draw of a series. */
struct PuntoSerie {
    /** The draw's index among the loaded draws: 1 = the first loaded, the archive's own number when the
     * archive is loaded whole. */
    int estrazione = 0;
    /** The draw's date and contest as its records read (unchecked: zeros for a blank record). */
    core::Data data;
    core::Concorso concorso;
    /** Draws counted since the combination last came out, this one included; 0 when it came out in it. */
    int ritardo = 0;
    /** What this draw adds to the frequency: the appearances on the wheels of the column. */
    int uscite = 0;
};

/** The delay of a combination draw by draw over the search period, with its three figures. */
struct SerieRitardi {
    std::vector<PuntoSerie> punti; ///< one per counted draw, in the order the searches walk them
    int frequenza = 0;
    int ritardoAttuale = 0;
    int ritardoMassimo = 0;
};

/**
 * The series of `combinazione` in column `colonna` (0 the selected wheels together, 1..10 one selected
 * wheel) over the search period, walked as the searches walk it: every counted draw gives a point, a
 * null record too. Frequency, current and maximum delay are the searches' own figures for the same
 * period and wheels, so the last point's delay is the current delay and the maximum delay is the
 * largest (delay of the point before an exit) + 1. With `posizione` (1..5) a number comes out only in that
 * place of the draw, as the number search counts it at a position. Fails with the Italian message when no
 * wheel is selected, when the column is not 0 nor a selected wheel, or when the period holds no draw.
 */
core::Esito<SerieRitardi> serieRitardi(const core::Stato& stato, const Combinazione& combinazione,
                                       int colonna, int posizione = 0);

namespace dettaglio {
/** Refuses what no search would run on: no wheel, a column outside the selection, an empty period. */
core::Esito<void> ricercaPossibile(const core::Stato& stato, int colonna);
/** The point of draw d, its date and contest read from the state (blank when a table is short). */
PuntoSerie puntoSerie(const core::Stato& stato, int d);
} // namespace dettaglio

/**
 * The series of whatever `uscite` counts in column `colonna`: `uscite(numeri)` hears each real record of
 * the column's wheels (its five numbers in drawing order) and returns how many times the thing came out
 * in it (0 for none). Walked, checked and figured as serieRitardi, which is this with the combination's
 * count.
 */
template <class F>
core::Esito<SerieRitardi> serieUscite(const core::Stato& stato, int colonna, const F& uscite) {
    if (auto possibile = dettaglio::ricercaPossibile(stato, colonna); !possibile) return possibile.errore();
    SerieRitardi serie;
    serie.punti.reserve(static_cast<std::size_t>(std::max(stato.Totale_Estrazioni_Selezionate, 0)));
    int usciteEstrazione = 0, ultimaUscita = 0, precedente = 0;
    const auto contate = percorriPeriodo(
        stato, {},
        [&](int w, int, int, const int* numeri) {
            if (colonna == 0 || w == colonna) usciteEstrazione += uscite(numeri);
        },
        0,
        [&](int d, const std::array<int, NUMERO_COLONNE>& contate) {
            // A draw that the column did not count (the Nazionale before its first) is no point of it.
            const int contata = contate[static_cast<std::size_t>(colonna)];
            if (contata == precedente) return;
            precedente = contata;
            PuntoSerie punto = dettaglio::puntoSerie(stato, d);
            if (usciteEstrazione > 0) {
                serie.ritardoMassimo = std::max(serie.ritardoMassimo, contata - ultimaUscita);
                ultimaUscita = contata;
                serie.frequenza += usciteEstrazione;
            }
            punto.ritardo = contata - ultimaUscita;
            punto.uscite = usciteEstrazione;
            usciteEstrazione = 0;
            serie.punti.push_back(punto);
        });
    serie.ritardoAttuale = contate[static_cast<std::size_t>(colonna)] - ultimaUscita;
    return serie;
}

/** Frequency and current delay of the 90 numbers of one column (index 1..90; 0 unused). */
struct NumeriColonna {
    std::array<int, 91> frequenza{};
    std::array<int, 91> ritardoAttuale{};
};

/**
 * The 90 numbers of column `colonna` as the number search computes them over the search period (at one
 * position of the draw with `posizione` 1..5). Fails
 * as serieRitardi does.
 */
core::Esito<NumeriColonna> numeriColonna(const core::Stato& stato, int colonna, int posizione = 0);

/** The mean of values[1..90]. */
double media(const std::array<int, 91>& valori);

} // namespace stats
