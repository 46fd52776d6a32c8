#pragma once

#include "core/Esito.h"
#include "core/Stato.h"

#include <optional>

/** What the program remembers of the last start: the wheels and the period last confirmed. */
namespace selection {

/** The period window's bars: first and last loaded draw (1..Estrazioni_Caricate) and cycles (0: a range). */
struct Barre {
    int prima = 0;
    int ultima = 0;
    int cicli = 0;
};

/**
 * Stores the period just applied (the bars `barre` over the loaded draws) in the settings fields
 * PERIODO_*: its first and last draw by date, its cycles, and whether it ended on the last loaded draw.
 * Fails as core::scriviCampo does; a bar outside the loaded draws stores nothing and succeeds.
 */
core::Esito<void> ricordaPeriodo(const core::Stato& stato, const Barre& barre);

/**
 * The bars of the remembered period over the draws loaded now: the draws of its first and last date (the
 * last loaded draw when it ended on the last one then, so that new draws join it). Nothing when no period
 * was stored or when it no longer fits: a date no loaded draw holds, or more cycles than years from its
 * first draw.
 */
std::optional<Barre> barreRicordate(const core::Stato& stato);

/** Stores the confirmed wheels (Ruota_Selezionata) in the fields RUOTE_SELEZIONATE (the ten) and
 * NAZIONALE_SELEZIONATA that a load reads. */
core::Esito<void> ricordaRuote(const core::Stato& stato);

} // namespace selection
