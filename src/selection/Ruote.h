#pragma once

#include "core/Stato.h"

#include <array>
#include <string>

namespace selection {

/** Confirms the wheel selection from the ten boxes of the wheel window (index 1..10). */
void Imposta_Ruote(core::Stato& stato, const std::array<bool, 11>& spuntate);

/** The two-letter short names of the selected wheels, each followed by a blank ("BA RO "). */
std::string sigleRuoteSelezionate(const core::Stato& stato);

/** "Ruote Selezionate:  " followed by the number of selected wheels. */
std::string testoNumeroRuote(const core::Stato& stato);

} // namespace selection
