#pragma once

#include <array>
#include <string>
#include <string_view>

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
 * The 50 numbers of the entry boxes (texts 1..50, wheel w owning 5w-4..5w): element 0 is 50 when every
 * box holds a value 0..90 (the numeric value of its text: "7x" counts as 7, "x" as 0), else 0 with
 * the reading stopped at the first empty or out-of-range box.
 */
std::array<int, 51> Memorizza_Estratti_Da_Registrare(const std::array<std::string, 51>& caselle);

} // namespace maintenance
