#pragma once

#include "core/Stato.h"

#include <array>
#include <string>

namespace selection {

/** Confirms the wheel selection from the boxes of the wheel window (index 1..NUMERO_RUOTE). */
void Imposta_Ruote(core::Stato& stato, const core::SpunteRuote& spuntate);

/** The two-letter short names of the selected wheels, each followed by a blank ("BA RO NZ "). */
std::string sigleRuoteSelezionate(const core::Stato& stato);

/** "Ruote Selezionate:  " followed by the number of selected wheels. */
std::string testoNumeroRuote(const core::Stato& stato);

} // namespace selection
