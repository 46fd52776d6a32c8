#pragma once

#include "Aggiornamento.h"
#include "Consultazione.h"
#include "core/Formato.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace maintenance {

/**
 * The keystroke filter of the date and contest boxes: the box's new text after the key `tasto`. A
 * key that is not a digit changes nothing, nor does any key on a box holding "0"; a digit is kept
 * only when the value it makes lies within minimo..massimo (so a leading zero can never be typed).
 */
std::string Stringhetta(std::string_view testo, char tasto, int minimo, int massimo);

/**
 * The date record for day, month and year texts: " 5/ 3/2003" (day and month right-aligned with a
 * blank). Empty when the day is outside 1..31, the month outside 1..12 or the year outside
 * 1871..2500; the month's length is not checked (31 February passes).
 */
std::string Controllo_Sintassi_Data(std::string_view giorno, std::string_view mese, std::string_view anno);

/** The contest record: "  7/2003", the contest right-aligned in three characters. Empty when the contest is
 * outside 1..maxConcorsi or the year outside 1871..2500. */
std::string Controllo_Sintassi_Concorso(std::string_view concorso, std::string_view anno, int maxConcorsi);

/**
 * The date of a date record " 5/ 3/2003" (day in characters 1-2, month 4-5, year 7-10); nothing when
 * the record is not a day of the calendar from 1871 to 2500.
 */
std::optional<core::Data> leggiData(std::string_view record);

/** The boxes a refusal points at besides the number boxes 1..CASELLE_NUMERI (0: no box). */
inline constexpr int CASELLA_GIORNO = CASELLE_NUMERI + 1, CASELLA_MESE = CASELLE_NUMERI + 2,
                     CASELLA_ANNO = CASELLE_NUMERI + 3, CASELLA_CONCORSO = CASELLE_NUMERI + 4;

/** A typed draw refused: the message to show and the first wrong box. */
struct Rifiuto {
    std::string messaggio; ///< single-byte (Latin-1) text, as the boxes it quotes: "è" is the byte 0xE8
    int casella = 0;
};

/** What a typed draw is checked against. */
struct LimitiEstrazione {
    int maxEstrazioni = 0;      ///< the highest draw number
    int maxConcorsi = 0;        ///< the highest contest of a year
    core::Data oggi;            ///< no draw is dated after today
    int precedente = 0;         ///< the draw the typed one must follow (0: none) ...
    std::string dataPrecedente; ///< ... and its date record
    int successiva = 0;         ///< the draw the typed one must precede (0: none) ...
    std::string dataSuccessiva; ///< ... and its date record
};

/**
 * Checks a draw typed in the entry fields, to be stored as draw `numero`, and returns the draw to write
 * or the first refusal, in this order:
 * - the date: day 1..31, month 1..12 and year 1871..2500 ("...inserimento DATA."), then a day of the
 *   calendar, not after `oggi`, strictly after the preceding draw's date and strictly before the following
 *   one's (two draws never share a date; a neighbour whose record is not a date does not bound it);
 * - the contest, 1..maxConcorsi with its year ("...inserimento CONCORSO.");
 * - `numero`, 1..maxEstrazioni ("...inserimento NUMERO ESTRAZIONE.");
 * - the numbers wheel by wheel ("...inserimento degli ESTRATTI." and what is wrong on which wheel): each
 *   box holds digits only, at most 90; a wheel holds five numbers 1..90, all different, or none (its five
 *   boxes empty or 0: a null draw, stored as five 0s).
 * Refusals of the date and of the numbers after the first checks name the date or the wheel.
 */
std::variant<NuovaEstrazione, Rifiuto> Controllo_Estrazione(const CampiEstrazione& campi, int numero,
                                                            const LimitiEstrazione& limiti,
                                                            const std::array<std::string, 15>& nomiRuote);

} // namespace maintenance
