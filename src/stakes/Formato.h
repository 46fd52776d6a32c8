#pragma once

#include <string>
#include <string_view>

namespace stakes {

/**
 * A number written with one of the program's numeric patterns, always with the Italian separators
 * whatever the system locale: "." groups the thousands and "," marks the decimals.
 *
 * In the pattern "#" is an optional digit, a "," before the decimal point asks for thousands
 * grouping and the "#" after a "." give the most decimals shown: "#.###" (up to three decimals, no
 * grouping), "#,###" (grouped integer), "#,###.##" (grouped, up to two decimals), "###,#" (grouped
 * integer). The value is rounded to those decimals; trailing zero decimals and a decimal mark with
 * nothing after it are left out; the integer part is at least "0"; a value that rounds to zero has
 * no sign. Examples: formatta(5.4805, "#,###.##") = "5,48", formatta(1000000, "#,###") = "1.000.000",
 * formatta(3, "#.###") = "3", formatta(0.5, "#.###") = "0,5". Not-a-number and infinities give "".
 */
std::string formatta(double valore, std::string_view schema);

} // namespace stakes
