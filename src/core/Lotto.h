#pragma once

#include "Stato.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

/** The byte that stands for "no number" in a compressed record (a null draw holds five of them). */
inline constexpr std::uint8_t CODICE_NULLO = 140;
/** The byte of number 90, the lowest a real record holds. */
inline constexpr std::uint8_t CODICE_MINIMO = 50;

/**
 * Compressed record of numbers: `numeri[0]` holds a count k, `numeri[1..k]` the numbers; the result
 * has k characters, character i being 140 - numeri[i]. A count below 1 gives the empty text. A number
 * outside 0..90 (no caller passes one) is written as 140, no number, rather than as a stray byte.
 */
std::string Comprimi_Estrazione(const int* numeri, int quanti);

/**
 * Decodes a compressed text into Numeri_Estratti: element 0 = length of the trimmed text (at most 90),
 * elements 1..length = 140 - code of each character. Returns the numbers as text, each right-aligned in
 * two characters and followed by a space ("5, 12, 90" gives " 5 12 90 ").
 */
std::string Decomprimi_Estrazione(Stato& stato, std::string_view testo);

/** True when n is even. */
inline bool Numero_Pari(int n) {
    return (n & 1) == 0;
}

/** True when the five bytes hold a byte outside 50..140: only a damaged archive has such a record. */
bool recordDanneggiato(const std::uint8_t* record);

/** The days of month 1..12 of a year of the Gregorian calendar; 0 for a month outside 1..12. */
int giorniDelMese(int anno, int mese);

/**
 * Weekday of a date text (day in characters 1-2, month 4-5, year 7-10, space- or zero-padded),
 * Monday = 1 .. Sunday = 7; 0 when the text is not a calendar date.
 */
int giornoSettimana(std::string_view data);

/**
 * Reads the loaded draws: a wheel's numbers, the date- and contest-derived fields of a draw. The
 * routines without a draw argument read Estrazione_Corrente. Draw arguments are loaded-draw indices
 * 1..Estrazioni_Caricate and wheels 1..10; a draw or wheel outside the archive's dimensions reads as
 * a null draw with blank texts.
 */
class LOTTO {
public:
    explicit LOTTO(Stato& stato) : m_stato(stato) {}

    /**
     * Fills Numeri_Estratti from wheel w of draw d: element 0 = -1 and 1..5 the numbers in drawing
     * order for a real draw; every element 0 for a null record (one holding a 140) and for a damaged
     * one (a byte outside 50..140).
     */
    void LeggiESTRAZIONE(int w, int d);
    /** Fills Estratti_Compressi: element 0 "K" and 1..5 the raw characters for a real draw, else empty. */
    void LeggiESTRATTIcompressi(int w, int d);
    /** Day of month of the current draw: numeric value of date characters 1-2. */
    int NumeroGIORNO() const;
    /** Month of the current draw: numeric value of date characters 4-5. */
    int NumeroMESE() const;
    /** Contest number of the current draw: numeric value of contest characters 1-3. */
    int NumeroCONCORSO() const;
    /** Year of the current draw: numeric value of the contest text's last four characters. */
    int NumeroANNO() const;
    /** Year of the current draw's date: numeric value of the date text's last four characters. */
    int NumeroANNO_DATA() const;
    /** Name of the weekday of draw d; "-" when d < 1 or the date is not a calendar date. */
    std::string NomeGIORNATA(int d) const;
    /** Name of the draw day that draw d belongs to (Giornata_Appartenenza); "-" when d < 1. */
    std::string NomeGIORNATAapp(int d) const;
    /** Number of the draw day that draw d belongs to, as text; "0" when d < 1. */
    std::string NumeroGIORNATAapp(int d) const;
    /**
     * 0 when Numeri_Estratti(0) is 0; otherwise how many of e[1..5] occur in t. An empty element
     * counts as found, as an empty text occurs in any text.
     */
    int Sfaldati(std::string_view t, const std::array<std::string, 6>& e) const;

private:
    std::string_view data(int d) const;
    std::string_view concorso(int d) const;
    int appartenenza(int d) const;
    Stato& m_stato;
};

} // namespace core
