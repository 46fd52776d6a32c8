#include "Testo.h"

#include <climits>

namespace core {

int valoreNumerico(std::string_view testo) {
    std::size_t i = 0;
    while (i < testo.size() && testo[i] == ' ')
        ++i;
    bool negativo = false;
    if (i < testo.size() && (testo[i] == '-' || testo[i] == '+')) {
        negativo = testo[i] == '-';
        ++i;
    }
    long long valore = 0;
    while (i < testo.size() && testo[i] >= '0' && testo[i] <= '9') {
        if (valore <= INT_MAX) valore = valore * 10 + (testo[i] - '0');
        ++i;
    }
    // A negative value may reach INT_MIN, whose magnitude is one more than INT_MAX.
    const long long limite = negativo ? -static_cast<long long>(INT_MIN) : INT_MAX;
    if (valore > limite) valore = limite;
    return static_cast<int>(negativo ? -valore : valore);
}

std::string_view senzaSpazi(std::string_view testo) {
    const auto inizio = testo.find_first_not_of(' ');
    if (inizio == std::string_view::npos) return {};
    const auto fine = testo.find_last_not_of(' ');
    return testo.substr(inizio, fine - inizio + 1);
}

std::string_view senzaSpaziFinali(std::string_view testo) {
    const auto fine = testo.find_last_not_of(' ');
    if (fine == std::string_view::npos)
        return {}; // mutazioni: equivalente — npos + 1 is 0, and substr(0, 0) is empty
    return testo.substr(0, fine + 1);
}

std::string allineaDestra(std::string_view testo, std::size_t larghezza) {
    if (testo.size() >= larghezza) return std::string(testo);
    return std::string(larghezza - testo.size(), ' ') + std::string(testo);
}

} // namespace core
