#pragma once

#include "core/Impostazioni.h"
#include "core/Stato.h"

#include <functional>

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

/**
 * Loads the day-membership table from settings fields 13..19 (Monday..Sunday). A blank field (never
 * written, as at a first start, or no settings file) takes its default quietly: 6, 6, 3, 3, 3, 6, 6.
 * When a field holds a value outside 1..7 the whole default table takes its place and the result says
 * `danneggiati` (the caller reports it). The defaults put in place are written back, each as a blank
 * and the digit; `registrati` says whether that write succeeded.
 */
core::EsitoCampi caricaGiornataAppartenenza(core::Stato& stato);

} // namespace selection
