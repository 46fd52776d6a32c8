#pragma once

#include "core/Stato.h"

#include <cstdint>
#include <string>

namespace stakes {

/** A 128-bit integer, an extension of GCC and clang: the exact amounts below are counted in it. */
__extension__ typedef __int128 Intero128;

/**
 * An amount of money held exactly, as a whole count of parts of the currency unit. A win is
 * C(g, k) × Q_k × stake / (C(n, k) × R), less a withholding in tenths of a percent, with Q_k and the
 * stake in hundredths: with PARTI = 10^7 × lcm(1..11) × 2520 every such win of a ticket of up to ten
 * numbers (every C(n, k) with n <= 10 divides 2520) on up to eleven wheels is a whole number of parts, so
 * sums of wins are exact and are rounded once, when they are shown.
 */
class Importo {
public:
    static constexpr std::int64_t PARTI = 10'000'000LL * 27'720 * 2'520;

    Importo() = default;
    /** The amount of `centesimi` hundredths of the currency unit. */
    static Importo daCentesimi(long long centesimi) { return Importo(Intero128{centesimi} * (PARTI / 100)); }
    /** The amount of `parti` parts. */
    static Importo daParti(Intero128 parti) { return Importo(parti); }

    Intero128 parti() const { return m_parti; }
    /** The amount in hundredths, rounded half away from zero (0.005 gives 1, -0.005 gives -1). */
    long long centesimi() const;
    /** With a dot and two decimals, "-" before a negative amount: "12.50", "-0.07", "0.00". */
    std::string testoCsv() const;
    /** As the windows show it, grouped and with a comma, always two decimals: "1.234,50". */
    std::string testoItaliano() const;

    Importo& operator+=(const Importo& altro) {
        m_parti += altro.m_parti;
        return *this;
    }
    friend Importo operator+(Importo a, const Importo& b) { return a += b; }
    friend Importo operator-(const Importo& a, const Importo& b) { return Importo(a.m_parti - b.m_parti); }
    friend bool operator==(const Importo&, const Importo&) = default;
    friend bool operator<(const Importo& a, const Importo& b) { return a.m_parti < b.m_parti; }
    friend bool operator>(const Importo& a, const Importo& b) { return b < a; }

private:
    explicit Importo(Intero128 parti) : m_parti(parti) {}
    Intero128 m_parti = 0;
};

/** What one sorte of a ticket collects on one wheel: before and after the withholding. */
struct Vincita {
    Importo lorda, netta;
};

/** The most numbers a ticket holds, and the most wheels it is played on, for vincitaSorte. */
inline constexpr int MASSIMO_NUMERI_BOLLETTA = 10;
inline constexpr int MASSIMO_RUOTE_BOLLETTA = 11;

/**
 * The one formula of the winnings, shared by the calculator and the check of a ticket: sorte k (1..5)
 * played with `centesimi` hundredths of the currency on a ticket of n numbers (1..10) spread over
 * `ruote` wheels (1..11), when g of its numbers come out on one wheel: gross = C(g, k) × Q_k / C(n, k) ×
 * stake / R, net = gross less Percentuale_Trattenuta percent (taken in tenths of a percent, 0..100 %).
 * Quota_Estratto counts in hundredths. Zero outside those ranges, for g < k and for a stake not above 0.
 */
Vincita vincitaSorte(const core::Stato& stato, int k, int n, int g, int ruote, long long centesimi);

} // namespace stakes
