#pragma once

#include "core/Esito.h"
#include "core/Impostazioni.h"
#include "core/Stato.h"

#include <functional>
#include <string_view>

namespace selection {

/**
 * Progress of x between a and b as a whole percentage: 1 when b - a < 1 or x - a < 1, otherwise
 * 100 / ((b - a) / (x - a)) in double precision, rounded down (1, 4, 2 gives 33; the last position 100).
 */
int Percentuale_Avanzamento(int a, int b, int x);

/** Year of loaded draw d, from its contest text; sets Estrazione_Corrente to d. */
int annoEstrazione(core::Stato& stato, int d);

/**
 * First loaded draw of the nearest year before `anno` that has draws; 1 when there is none (the
 * first bar then goes to the first draw). A year without draws (a gap in the archive) is passed over.
 */
int inizioAnnoPrecedente(const core::Stato& stato, int anno);

/** First loaded draw of the nearest year after `anno` that has draws; 0 when there is none. */
int inizioAnnoSuccessivo(const core::Stato& stato, int anno);

/** Last loaded draw of the cycles that start with year `anno` and last `cicli` years, skipping empty years at
 * the end; 0 when none. */
int fineCicli(const core::Stato& stato, int anno, int cicli);

/** Progress callback of an application: a percentage 1..100. */
using Avanzamento = std::function<void(int percentuale)>;

/**
 * Applies a plain range: loaded draws da..a (clamped to 1..Estrazioni_Caricate) become the period, one
 * cycle. The period arrays are dimensioned afresh; the callback hears every 100 draws.
 */
void applicaFrazionato(core::Stato& stato, int da, int a, const Avanzamento& avanzamento = {});

/**
 * Applies `cicli` whole years starting with the year of loaded draw `primo`, each year one cycle. A
 * year without loaded draws gives an empty cycle (first and last 0): nothing of it is selected. The
 * callback hears once per year.
 */
void applicaCicli(core::Stato& stato, int primo, int cicli, const Avanzamento& avanzamento = {});

/** What the period window says when the stored day table cannot be used. */
inline constexpr std::string_view MESSAGGIO_GIORNI_DEFAULT =
    "Errore nella lettura dei Giorni di appartenenza. I giorni cadenti in ME, GI, VE saranno contati come "
    "appartenenti alle estrazioni di MERCOLEDI, i restanti come appartenenti al SABATO";

/**
 * Loads the day-membership table from its settings fields (Monday..Sunday). A blank field (never
 * written, as at a first start, or no settings file) takes its default quietly: 6, 6, 3, 3, 3, 6, 6.
 * When a field holds a value outside 1..7 the whole default table takes its place and the result fails
 * (DatoNonValido, MESSAGGIO_GIORNI_DEFAULT). Writes nothing: completaGiornataAppartenenza stores the
 * defaults put in place.
 */
core::Esito<void> leggiGiornataAppartenenza(core::Stato& stato);

/** Stores the defaults that the reading of the day table put in place (core::completaTabella). */
core::Esito<void> completaGiornataAppartenenza(const core::Stato& stato);

/**
 * Where "Inizio annuale" takes the first bar, moved to draw `valore` from draw `ricordata` (the draw it
 * stood on, 1 when below): one whole year per move, whatever the distance. A move back lands on the
 * first draw of the nearest earlier year with draws (draw 1 when there is none); a move forward on the
 * first draw of the nearest later year with draws or, from the last year, on the first draw of its own
 * year (`ricordata` itself when that year lies outside the year tables). No move gives `valore`. Like
 * the two routines below, it finds the year with annoEstrazione, which sets Estrazione_Corrente.
 */
int passoAnnuale(core::Stato& stato, int ricordata, int valore);

/** First draw of the year of loaded draw d, where ticking "Inizio annuale" takes the first bar; 0 when
 * that year lies outside the year tables (the bar then stays). */
int inizioAnnoEstrazione(core::Stato& stato, int d);

/** How many whole years (cycles) a period starting at loaded draw d may span: up to the last year. */
int massimoCicli(core::Stato& stato, int d);

/**
 * "Inizio annuale" and the cycles bar: cycles work on whole years, so while they are above 0 the box
 * is ticked by force; back at 0 it returns to the state it had before the bar last moved to a value
 * above 0 (the forced tick itself when it last moved between two such values).
 */
class InizioAnnuale {
public:
    /** The box's state once the cycles bar stands at `cicli`, the box showing `spuntato`. */
    bool cicliCambiati(int cicli, bool spuntato) {
        if (cicli == 0) return m_ricordato;
        m_ricordato = spuntato;
        return true;
    }
    /** The box's state after a click left it `spuntato` with the cycles bar at `cicli`. */
    static bool cliccato(int cicli, bool spuntato) { return spuntato || cicli >= 1; }
    /** The state at the window's reset: ticked. */
    void azzera() { m_ricordato = true; }

private:
    bool m_ricordato = true;
};

} // namespace selection
