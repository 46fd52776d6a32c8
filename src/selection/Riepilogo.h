#pragma once

#include "core/Stato.h"

#include <array>
#include <string>
#include <vector>

namespace selection {

/**
 * The period and wheels a search ran on, kept with its results: a result window compares it with the
 * current selection to tell whether its results still belong to it.
 */
struct PeriodoCercato {
    int caricate = 0;            ///< draws loaded when the search ran
    std::vector<int> estrazioni; ///< the selected draws, in the order the search walked them
    std::array<int, core::NUMERO_RUOTE + 1>
        ruote{}; ///< the wheel selection (-1 a selected wheel, element 0 the count)
    friend bool operator==(const PeriodoCercato&, const PeriodoCercato&) = default;
};

/** The period and wheels now selected. */
PeriodoCercato periodoAttuale(const core::Stato& stato);

/**
 * "Periodo: dal 7/1/1939 al 1/8/2026 (7.354 estrazioni) — Ruote: BA CA FI": the first and last draw
 * walked, how many, and the short names of the wheels. Draws the archive no longer holds leave the dates
 * out; an empty period reads "Periodo: nessuna estrazione".
 */
std::string testoPeriodo(const core::Stato& stato, const PeriodoCercato& periodo);

/** A whole number with the Italian thousands separator: 7354 gives "7.354". */
std::string conMigliaia(long long valore);

/** The first and last loaded draw that a quick choice of the period window puts on the two bars. */
struct Intervallo {
    int prima = 0; ///< 0 when the choice finds no draw
    int ultima = 0;
    friend bool operator==(const Intervallo&, const Intervallo&) = default;
};

/** The last `quante` loaded draws (all of them when fewer), null wheels or not: every draw counts. */
Intervallo ultimeEstrazioni(const core::Stato& stato, int quante);

/** Every loaded draw. */
Intervallo tuttoArchivio(const core::Stato& stato);

/**
 * From the first draw of year `anno` to the last loaded draw. A year without draws (a gap in the
 * archive) starts at the first later year that has some; a year before the archive at its first draw.
 * No draw when no year from `anno` on has one.
 */
Intervallo dalAnno(const core::Stato& stato, int anno);

/** The draws of the archive's last year with draws: "Anno in corso" for an archive kept up to date. */
Intervallo annoInCorso(const core::Stato& stato);

} // namespace selection
