#pragma once

#include "Importo.h"
#include "core/Esito.h"
#include "core/Formato.h"
#include "core/Stato.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/**
 * The check of a ticket against the loaded draws: which draws it would have won on which wheels, what it
 * would have paid and what it cost, draw after draw from a first one for a number of draws (colpi).
 */
namespace stakes {

/** A ticket: its numbers, its wheels and the stake of each sorte. */
struct Bolletta {
    std::vector<int> numeri;            ///< 1..10 different numbers 1..90, ascending
    core::SpunteRuote ruote{};          ///< the wheels played, index 1..NUMERO_RUOTE
    std::array<long long, 6> puntate{}; ///< stake of sorte 1..5 in hundredths of the currency; 0 not played

    /** R: how many wheels are ticked. */
    int quanteRuote() const;
    /** The cost of one draw: the sum of the stakes, whatever the wheels. */
    Importo costo() const {
        return Importo::daCentesimi(puntate[1] + puntate[2] + puntate[3] + puntate[4] + puntate[5]);
    }
};

/** The highest stake of one sorte that a ticket accepts, in hundredths (10.000 of the currency). */
inline constexpr long long PUNTATA_MASSIMA = 1'000'000;

/** The sorti in lower case, index 1..5 ("estratto" .. "cinquina"), as the CSV writes them. */
inline constexpr std::array<std::string_view, 6> SORTI{"",      "estratto", "ambo",
                                                       "terno", "quaterna", "cinquina"};

/**
 * The numbers of a ticket typed in one text, separated by blanks or commas ("12 34 56"), ascending.
 * Fails (DatoNonValido, with the Italian message) for a piece that is not made of digits, a number
 * outside 1..90, a number repeated, no number or more than ten.
 */
core::Esito<std::vector<int>> leggiNumeri(std::string_view testo);

/**
 * A stake typed as a decimal amount, a dot or a comma before at most two decimals ("1", "0.5", "2,25"),
 * in hundredths; blank is 0. Fails (DatoNonValido, naming sorte 1..5) for a negative or malformed amount
 * and for one above PUNTATA_MASSIMA.
 */
core::Esito<long long> leggiPuntata(std::string_view testo, int sorte);

/**
 * Checks what a ticket must be before it is played: 1..10 different numbers 1..90, at least one wheel,
 * at least one stake, every stake 0..PUNTATA_MASSIMA, no stake on a sorte above the count of numbers.
 * Fails (DatoNonValido) with the Italian message of the first fault.
 */
core::Esito<void> controllaBolletta(const Bolletta& bolletta);

/** The first loaded draw dated on or after `data`; 0 when none is. */
int primaEstrazioneDal(const core::Stato& stato, const core::Data& data);

/** One played wheel of a checked draw on which some of the numbers came out. */
struct RuotaVerificata {
    int ruota = 0;               ///< 1..NUMERO_RUOTE
    int indovinati = 0;          ///< g, 1..5
    std::array<int, 5> numeri{}; ///< the g numbers that came out, ascending
};

/** One checked draw. */
struct EstrazioneVerificata {
    int estrazione = 0; ///< the loaded draw, 1..Estrazioni_Caricate
    core::Data data;
    core::Concorso concorso;
    int primaRuota = 0,
        fineRuote = 0; ///< its wheels with numbers guessed: Verifica::ruote[primaRuota, fineRuote)
    Vincita vinta;     ///< the sum over its wheels
    bool vincente() const { return vinta.lorda > Importo(); }
};

/** The check of a ticket over a stretch of draws, with its totals. */
struct Verifica {
    std::vector<EstrazioneVerificata> estrazioni; ///< the draws checked, in order
    std::vector<RuotaVerificata> ruote;           ///< the wheels of every checked draw where numbers came out
    int richieste = 0;                            ///< the colpi asked
    Importo spesa;                                ///< the cost of every checked draw
    Vincita vinta;                                ///< the sum of every win
    int primaVincita = -1;                        ///< index in estrazioni of the first win; -1 none
    int senzaVincitaPiuLunga = 0;                 ///< the most checked draws in a row without a win
    /** What one wheel wins by sorte 1..5 (index 0 the sum) for g = 0..5 numbers guessed: the one formula
     * worked out once per g, as every wheel with g numbers guessed wins the same. */
    std::array<std::array<Vincita, 6>, 6> perIndovinati{};
    /** The wins of a wheel, by sorte 1..5 (index 0 the sum); zero for a sorte not won. */
    const std::array<Vincita, 6>& vincite(const RuotaVerificata& ruota) const {
        return perIndovinati[static_cast<std::size_t>(ruota.indovinati)];
    }
    Importo saldo() const { return vinta.netta - spesa; }
};

/**
 * Checks `bolletta` on the loaded draws from draw `dal` (1..Estrazioni_Caricate) for `colpi` draws (at
 * least 1), stopping at the last loaded draw. A draw in which no played wheel holds a real record (a wheel
 * not drawn, or a damaged record) could not be played: it is skipped, neither checked, nor charged, nor
 * counted among the colpi. Each played wheel with a real record wins, for each sorte k with a stake that
 * its g guessed numbers reach, vincitaSorte(k, n, g, R). Fails (DatoNonValido, with the Italian message)
 * for a ticket controllaBolletta refuses, for `dal` outside the loaded draws and for colpi below 1.
 */
core::Esito<Verifica> verificaBolletta(const core::Stato& stato, const Bolletta& bolletta, int dal,
                                       int colpi);

/** What the result grid shows of one checked draw. */
struct RigaVerifica {
    std::string data;         ///< "07/09/2024"
    std::string concorso;     ///< "107/2024"
    std::string indovinati;   ///< per wheel with numbers guessed: "NA 12 34, RO 56"; empty when none
    std::string sorti;        ///< per wheel won: "NA ambo estratto"; empty when none
    std::string lorda, netta; ///< "1.234,50"
};
RigaVerifica rigaVerifica(const Verifica& verifica, const EstrazioneVerificata& estrazione);

/**
 * The CSV of the wins: the header estrazione,data,concorso,ruota,indovinati,sorte,vincita_lorda,
 * vincita_netta and one line per draw, wheel and sorte won (in that order): the guessed numbers
 * ascending separated by blanks, the sorte in lower case, the amounts with a dot and two decimals.
 */
std::string csvVincite(const Verifica& verifica);

/**
 * The CSV of the totals: the header estrazioni,spesa,vincita_lorda,vincita_netta,saldo and one line,
 * each amount the exact sum rounded once.
 */
std::string csvRiepilogo(const Verifica& verifica);

/** The lines that the window prints under its heading: the ticket, the draws checked, the totals. */
std::vector<std::string> righeStampa(const core::Stato& stato, const Bolletta& bolletta,
                                     const Verifica& verifica);

/** The last ticket checked, as a settings text without blanks: numbers, wheels, stakes, colpi. */
std::string testoBolletta(const Bolletta& bolletta, int colpi);
/** The ticket and colpi of testoBolletta's text; nothing when it is not one (a damaged field). */
std::optional<std::pair<Bolletta, int>> bollettaDaTesto(std::string_view testo);

} // namespace stakes
