#pragma once

#include "RicercaNumeri.h"

#include <array>
#include <string>

namespace stats {

/**
 * The results of one column as a CSV text that Italian spreadsheets open directly: UTF-8 with a byte
 * order mark, ";" between fields, CRLF line ends, a header row, then one row per number in the order
 * given (ordine[1..90]): number, frequency, current delay, maximum delay.
 */
std::string csvNumeri(const RisultatiNumeri& risultati, int colonna, const std::array<int, 91>& ordine);

} // namespace stats
