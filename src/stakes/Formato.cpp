#include "Formato.h"

#include <charconv>
#include <cmath>

namespace stakes {

std::string formatta(double valore, std::string_view schema) {
    if (!std::isfinite(valore)) return {};
    const auto punto = schema.find('.');
    const bool raggruppa = schema.substr(0, punto).find(',') != std::string_view::npos;
    int decimali = 0;
    if (punto != std::string_view::npos)
        for (char c : schema.substr(punto + 1))
            if (c == '#') ++decimali;

    // to_chars ignores the C locale, which a toolkit may have set to the user's.
    char buffer[400];
    const auto esito =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(valore), std::chars_format::fixed, decimali);
    if (esito.ec != std::errc()) return {};
    const std::string_view cifre(buffer, static_cast<std::size_t>(esito.ptr - buffer));
    const auto virgola = cifre.find('.');
    const std::string_view intera = cifre.substr(0, virgola);
    std::string_view frazione =
        virgola == std::string_view::npos ? std::string_view() : cifre.substr(virgola + 1);
    while (!frazione.empty() && frazione.back() == '0')
        frazione.remove_suffix(1);

    std::string testo;
    if (valore < 0 && (!frazione.empty() || intera.find_first_not_of('0') != std::string_view::npos))
        testo = "-";
    for (std::size_t i = 0; i < intera.size(); ++i) {
        if (raggruppa && i > 0 && (intera.size() - i) % 3 == 0) testo += '.';
        testo += intera[i];
    }
    if (!frazione.empty()) {
        testo += ',';
        testo += frazione;
    }
    return testo;
}

} // namespace stakes
