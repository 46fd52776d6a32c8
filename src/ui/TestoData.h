#pragma once

#include <QString>

#include <string>

namespace ui {

/**
 * A date record of the archive as the program writes a date for a person, "7/1/1939"; a record that holds
 * no valid date as it is, trimmed (a damaged archive shows what it holds).
 */
QString testoData(const std::string& record);

} // namespace ui
