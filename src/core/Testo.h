#pragma once

#include <string>
#include <string_view>

namespace core {

/**
 * Numeric value of a text as the program reads every number it finds in files, settings and labels:
 * leading blanks are skipped, an optional sign is honoured, then the longest run of decimal digits
 * is taken. A text with no digits there gives 0. Values beyond the range of int saturate.
 */
int valoreNumerico(std::string_view testo);

/** The text without leading and trailing blanks (spaces only, as the files pad with spaces). */
std::string_view senzaSpazi(std::string_view testo);

/** The text without trailing blanks. */
std::string_view senzaSpaziFinali(std::string_view testo);

/** A text of `larghezza` characters: `testo` right-aligned, padded on the left with spaces. */
std::string allineaDestra(std::string_view testo, std::size_t larghezza);

} // namespace core
