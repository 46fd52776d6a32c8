#pragma once

#include "Esito.h"
#include "Impostazioni.h"
#include "Stato.h"

#include <array>
#include <climits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/**
 * The table of the settings fields of ImpoBin: every field the program reads or writes is named here
 * once, with its number, the values it accepts and the value it takes otherwise. Readers and writers go
 * through leggiCampo / scriviCampo (or the text variants), never through a bare number. A new option
 * takes a free number from this table (see the list of free numbers below).
 */
namespace core {

/** A numeric field: its number (1..110), the values it accepts and the one it takes otherwise. */
struct Campo {
    int numero = 0;
    int minimo = 0;
    int massimo = 0;
    int predefinito = 0;
};

/** A field holding a text (trimmed, at most 19 characters). */
struct CampoTesto {
    int numero = 0;
};

/**
 * A text longer than a slot, kept over `campi` consecutive fields from `primo`: the text, which holds no
 * blank, is cut in pieces of BYTE_TESTO_CAMPO characters written in order; its reading joins the fields
 * up to the first blank one. So it holds at most campi * BYTE_TESTO_CAMPO characters.
 */
struct CampoTestoLungo {
    int primo = 0;
    int campi = 0;
    constexpr std::size_t massimo() const { return static_cast<std::size_t>(campi) * BYTE_TESTO_CAMPO; }
};

namespace campi {

// The loading window.
inline constexpr Campo PRIMA_ESTRAZIONE_DEFAULT{1, 0, 32767, 0};  ///< first draw of the default window
inline constexpr Campo ULTIMA_ESTRAZIONE_DEFAULT{2, 0, 32767, 0}; ///< last draw of the default window
inline constexpr Campo ULTIMA_ARCHIVIO{3, 0, 1, 0};               ///< "Ultima estrazione ." ticked
/** Highest contest number of a year (a year has held up to 209 draws, so a lower fallback would refuse
 * today's contests). */
inline constexpr Campo MAX_CONCORSI_ANNO{10, 108, 999, 260};

// The period window.
/** The draw day that Monday..Sunday belong to (index 0 = Monday). */
inline constexpr std::array<Campo, 7> GIORNATA_APPARTENENZA{{{13, 1, 7, 6},
                                                             {14, 1, 7, 6},
                                                             {15, 1, 7, 3},
                                                             {16, 1, 7, 3},
                                                             {17, 1, 7, 3},
                                                             {18, 1, 7, 6},
                                                             {19, 1, 7, 6}}};
/** "Superamento limiti scroll Bar": ticked by any value of 1 or more, as the period window reads it. */
inline constexpr Campo SUPERAMENTO_LIMITI{21, 0, INT_MAX, 0};
inline constexpr CampoTesto RUOTE_SELEZIONATE{23};         ///< ten characters, "1" for a selected wheel
inline constexpr Campo NAZIONALE_SELEZIONATA{24, 0, 1, 0}; ///< the Nazionale among the selected wheels
/** The period last applied, as dates (yyyymmdd) so that it outlives changes of the archive: its first
 * and last draw, its cycles (0 for a plain range) and whether it ended on the last loaded draw. */
inline constexpr Campo PERIODO_DAL{4, 18710101, 25001231, 0};
inline constexpr Campo PERIODO_AL{5, 18710101, 25001231, 0};
inline constexpr Campo PERIODO_CICLI{6, 0, 999, 0};
inline constexpr Campo PERIODO_FINO_ALL_ULTIMA{7, 0, 1, 0};
/** "Alle prossime aperture usa ruote e periodo dell'ultima volta". */
inline constexpr Campo RIPRENDI_ULTIMA_VOLTA{8, 0, 1, 0};

// The maintenance window's backup reminder.
inline constexpr Campo AVVISO_BACKUP{50, 0, 1, 0};
inline constexpr Campo SOGLIA_AVVISO_BACKUP{51, 1, 100, 1};
inline constexpr Campo ESTRAZIONI_DOPO_BACKUP{53, 0, 32000, 0};

// The payout table (see stakes/Poste.h for the stored forms): any positive payout is accepted.
inline constexpr Campo QUOTA_ESTRATTO{64, 1, INT_MAX, 1123};
inline constexpr std::array<Campo, 4> QUOTE_PREMI{{{65, 1, INT_MAX, 250},       // Ambo
                                                   {66, 1, INT_MAX, 4500},      // Terno
                                                   {67, 1, INT_MAX, 120000},    // Quaterna
                                                   {68, 1, INT_MAX, 6000000}}}; // Cinquina
/** Tenths of a percent; more than the whole winnings withheld can only come from a damaged file. */
inline constexpr Campo TRATTENUTA{69, 1, 1000, 80};
inline constexpr Campo MONETA{70, 0, 1, 0}; ///< 0 Euro, 1 Lire

// The search windows' options: hover highlighting, status bar, general and single-wheel grid colour.
inline constexpr std::array<Campo, 4> OPZIONI_NUMERI{
    {{71, 0, 1, 0}, {72, 0, 1, 0}, {90, 0, 1, 0}, {91, 0, 1, 0}}};
inline constexpr std::array<Campo, 4> OPZIONI_AMBI{
    {{73, 0, 1, 0}, {74, 0, 1, 0}, {92, 0, 1, 0}, {93, 0, 1, 0}}};
inline constexpr std::array<Campo, 4> OPZIONI_TERNI{
    {{75, 0, 1, 0}, {76, 0, 1, 0}, {94, 0, 1, 0}, {95, 0, 1, 0}}};

/** The search windows' order of the keys: 0 "Crescente", 1 "Decrescente" (numbers, pairs, triples). */
inline constexpr Campo DECRESCENTE_NUMERI{77, 0, 1, 0};
inline constexpr Campo DECRESCENTE_AMBI{78, 0, 1, 0};
inline constexpr Campo DECRESCENTE_TERNI{79, 0, 1, 0};
/** "Mostra il caso": the chance figures beside the counts (numbers, pairs, triples). */
inline constexpr Campo CASO_NUMERI{25, 0, 1, 0};
inline constexpr Campo CASO_AMBI{26, 0, 1, 0};
inline constexpr Campo CASO_TERNI{27, 0, 1, 0};
/** The chance test window's options and order of the keys, as the search windows'. */
inline constexpr std::array<Campo, 4> OPZIONI_VERIFICA{
    {{54, 0, 1, 0}, {55, 0, 1, 0}, {56, 0, 1, 0}, {57, 0, 1, 0}}};
inline constexpr Campo DECRESCENTE_VERIFICA{58, 0, 1, 0};

// The groups window: its four options, its order of the keys, the family last chosen (0..5 the fixed
// families in stats::famiglie() order, 6 the user's lunghette).
inline constexpr std::array<Campo, 4> OPZIONI_GRUPPI{
    {{28, 0, 1, 0}, {29, 0, 1, 0}, {30, 0, 1, 0}, {31, 0, 1, 0}}};
inline constexpr Campo DECRESCENTE_GRUPPI{32, 0, 1, 0};
inline constexpr Campo FAMIGLIA_GRUPPI{33, 0, 6, 0};
/** "Mostra il caso" in the groups window. */
inline constexpr Campo CASO_GRUPPI{52, 0, 1, 0};

// Start-up and the main window.
inline constexpr Campo PUNTATORE_GRIGLIE{86, 0, 1, 0};
inline constexpr Campo TOOLBAR{100, 0, 1, 1};

// Updating the archive from the Internet.
/** The user's own address of the draws file, tried before the operator's: 190 characters in fields 36..45. */
inline constexpr CampoTestoLungo INDIRIZZO_AGGIORNAMENTO{36, 10};
/** "Controlla aggiornamenti all'avvio". */
inline constexpr Campo CONTROLLO_ALL_AVVIO{46, 0, 1, 0};

// The position of the number window: 0 "tutte", 1..5 the place in the draw.
inline constexpr Campo POSIZIONE_NUMERI{34, 0, 5, 0};
// The spy window: its order of the keys (descending unless told), the spy, its wheel and the span. The
// window shares the number window's display options (OPZIONI_NUMERI).
inline constexpr Campo DECRESCENTE_SPIA{35, 0, 1, 1};
inline constexpr Campo NUMERO_SPIA{47, 1, 90, 1};
inline constexpr Campo RUOTA_SPIA{48, 1, NUMERO_RUOTE, 1};
inline constexpr Campo COLPI_SPIA{49, 1, 18, 1};

// The check of a ticket: the last ticket checked (stakes::testoBolletta), 190 characters in fields 101..110.
inline constexpr CampoTestoLungo ULTIMA_GIOCATA{101, 10};

// Free numbers for new options: 9, 11, 12, 20, 22, 59..63, 80..85, 87..89, 96..99.

} // namespace campi

/** What a field holds. */
enum class StatoCampo {
    Valido,   ///< a value within the field's range
    Vuoto,    ///< never written: no readable settings file, a slot past its end, or blanks (a first start)
    NonValido ///< something outside the range: a damaged or hand-edited file
};

/** A field as read: its value (the fallback unless Valido) and what the slot held. */
struct LetturaCampo {
    int valore = 0;
    StatoCampo stato = StatoCampo::Vuoto;
};

/** Reads a numeric field: the numeric value of its trimmed text when within range, otherwise its fallback. */
LetturaCampo leggiCampo(const Stato& stato, const Campo& campo);

/** The value of a numeric field, its fallback unless it holds a valid one. */
inline int valoreCampo(const Stato& stato, const Campo& campo) {
    return leggiCampo(stato, campo).valore;
}

/**
 * Stores a value in a numeric field. Fails (FileNonScrivibile), leaving the file untouched, when the
 * settings file cannot be written, or exists and cannot be read.
 */
Esito<void> scriviCampo(const Stato& stato, const Campo& campo, int valore);

/** The trimmed text of a text field; empty when it was never written. */
std::string leggiTesto(const Stato& stato, const CampoTesto& campo);

/** Stores a text (at most 20 characters) in a text field; fails as scriviCampo does. */
Esito<void> scriviTesto(const Stato& stato, const CampoTesto& campo, std::string_view testo);

/** The text of a long field: its fields joined up to the first blank one; empty when it was never written. */
std::string leggiTestoLungo(const Stato& stato, const CampoTestoLungo& campo);

/**
 * Stores a text in a long field, blanking the fields it does not need (an empty text clears them all).
 * Fails (DatoNonValido), writing nothing, for a text longer than campo.massimo() or holding a blank; and
 * as scriviCampo does, at the first field that cannot be written.
 */
Esito<void> scriviTestoLungo(const Stato& stato, const CampoTestoLungo& campo, std::string_view testo);

/**
 * Reads a table kept in a group of fields (the day table, the payouts): each field's value, the
 * fallback of a blank one. Fails (DatoNonValido) when a field holds a value outside its range: the
 * whole table is then suspect, and its reader takes every fallback (predefiniti). Writes nothing.
 */
Esito<std::vector<int>> leggiTabella(const Stato& stato, std::span<const Campo> campi);

/** The fallbacks of a group of fields, in order. */
std::vector<int> predefiniti(std::span<const Campo> campi);

/**
 * Stores in the fields of a table the fallbacks its reading took: in every field when one holds a
 * value outside its range, otherwise in the blank ones, in order; a table read whole from the file
 * writes nothing. Stops at the first field that cannot be written, failing as scriviCampo does.
 */
Esito<void> completaTabella(const Stato& stato, std::span<const Campo> campi);

} // namespace core
