#include "Importo.h"

#include "Combinazioni.h"
#include "Poste.h"

#include <algorithm>
#include <cmath>

namespace stakes {

namespace {

constexpr std::int64_t MCM_RUOTE = 27'720;       // lcm(1..11): every count of wheels divides it
constexpr std::int64_t MCM_COMBINAZIONI = 2'520; // every C(n, k) with n <= 10 divides it
constexpr std::int64_t MILLESIMI = 1'000;        // the withholding counts tenths of a percent
static_assert(Importo::PARTI == 10'000 * MILLESIMI * MCM_RUOTE * MCM_COMBINAZIONI);

/** The digits of a non-negative amount of hundredths, with at least "0" before the two decimals. */
std::string cifre(long long centesimi, bool raggruppa) {
    const std::string intera = std::to_string(centesimi / 100);
    std::string testo;
    for (std::size_t i = 0; i < intera.size(); ++i) {
        if (raggruppa && i > 0 && (intera.size() - i) % 3 == 0) testo += '.';
        testo += intera[i];
    }
    const long long resto = centesimi % 100;
    testo += raggruppa ? ',' : '.';
    testo += static_cast<char>('0' + resto / 10);
    testo += static_cast<char>('0' + resto % 10);
    return testo;
}

} // namespace

long long Importo::centesimi() const {
    constexpr Intero128 parteCentesimo = PARTI / 100;
    const Intero128 assoluto = m_parti < 0 ? -m_parti : m_parti; // mutazioni: equivalente — 0 either way
    const auto arrotondato = static_cast<long long>((assoluto + parteCentesimo / 2) / parteCentesimo);
    return m_parti < 0 ? -arrotondato : arrotondato; // mutazioni: equivalente — 0 either way
}

std::string Importo::testoCsv() const {
    const long long c = centesimi();
    return (c < 0 ? "-" : "") + cifre(c < 0 ? -c : c, false);
}

std::string Importo::testoItaliano() const {
    const long long c = centesimi();
    return (c < 0 ? "-" : "") + cifre(c < 0 ? -c : c, true);
}

Vincita vincitaSorte(const core::Stato& stato, int k, int n, int g, int ruote, long long centesimi) {
    if (k < ESTRATTO || k > CINQUINA || n < 1 || n > MASSIMO_NUMERI_BOLLETTA || g < k || ruote < 1 ||
        ruote > MASSIMO_RUOTE_BOLLETTA || centesimi <= 0)
        return {};
    const std::int64_t combinazioni = Numero_Combinazioni(k, n);
    if (combinazioni <= 0) return {};
    const auto quota = k == ESTRATTO
                           ? std::llround(stato.Quota_Estratto * 100)
                           : static_cast<long long>(stato.Quote_Premi[static_cast<std::size_t>(k)]) * 100;
    const std::int64_t trattenuta =
        std::clamp<std::int64_t>(std::llround(stato.Percentuale_Trattenuta * 10), 0, MILLESIMI);
    // Parts of one hundredth of stake times one hundredth of payout, for one combination on one wheel.
    const Intero128 perUnita = Intero128{MILLESIMI} * (MCM_RUOTE / ruote) * (MCM_COMBINAZIONI / combinazioni);
    const Intero128 lorda = Intero128{Numero_Combinazioni(k, std::min(g, n))} * quota * centesimi * perUnita;
    return {Importo::daParti(lorda), Importo::daParti(lorda / MILLESIMI * (MILLESIMI - trattenuta))};
}

} // namespace stakes
