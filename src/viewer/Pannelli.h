#pragma once

#include "core/Stato.h"

#include <array>
#include <string>

namespace viewer {

/** The viewer shows four consecutive draws side by side, one per panel (1..4). */
inline constexpr int NUMERO_PANNELLI = 4;
/** Small and large step of the navigation bar when the viewer opens or is reset. */
inline constexpr int SALTO_CORTO_INIZIALE = 1;
inline constexpr int SALTO_LUNGO_INIZIALE = 52;

/**
 * The numbers of one draw on the ten wheels: element [w][k] is the k-th number (1..5, drawing order)
 * of wheel w (1..10); index 0 of either dimension is unused. 0 stands for "no number".
 */
using NumeriPannello = std::array<std::array<int, core::NUMERI_PER_RUOTA + 1>, core::NUMERO_RUOTE + 1>;

/** What one panel shows: the numbers of draw `estrazione` and its three texts. */
struct Pannello {
    int estrazione = 0; ///< loaded draw index shown (may lie past the last loaded draw)
    NumeriPannello Numeri_Pannello{};
    std::string data;     ///< date record as loaded (10 characters); empty past the last loaded draw
    std::string concorso; ///< contest record as loaded (8 characters); empty past the last loaded draw
    std::string indice;   ///< the draw index in decimal; empty past the last loaded draw
};

/**
 * The numbers of loaded draw d, decoded from its ten compressed records (each byte c gives 140 - c).
 * Only numbers 1..90 are kept: a null wheel (bytes of 140), a record never written (bytes of 0, which
 * decode to 140) and any draw outside 1..Estrazioni_Caricate give empty rows (all 0).
 */
NumeriPannello Numeri_Pannello(const core::Stato& stato, int d);

/** Text of a number cell: the number in decimal without blanks, empty for 0 (no number). */
std::string testoCella(int numero);

/**
 * Panel of loaded draw d: its numbers, and date, contest text and index when d is a loaded draw
 * (1..Estrazioni_Caricate); a draw past the last loaded one gives an empty panel.
 */
Pannello pannello(const core::Stato& stato, int d);

/** The four panels shown when the navigation bar is at `posizione`: panel g shows draw posizione + g - 1. */
std::array<Pannello, NUMERO_PANNELLI> pannelli(const core::Stato& stato, int posizione);

/** Range and starting values of the three scroll bars of the viewer. */
struct Navigazione {
    int minimo = 1;      ///< first position of the navigation bar
    int massimo = 1;     ///< last position: the one whose four panels end on the last loaded draw
    int valore = 1;      ///< starting position: the last four loaded draws
    int limiteSalti = 1; ///< the step bars run 1..limiteSalti
    int saltoCorto = SALTO_CORTO_INIZIALE;
    int saltoLungo = SALTO_LUNGO_INIZIALE;
};

/**
 * The bars as the viewer sets them on opening: navigation 1..Estrazioni_Caricate at its last draw,
 * steps 1 and 52 within 1..Max_Concorsi_Anno (never below 52, so the large step keeps its value even
 * before a load has read Max_Concorsi_Anno).
 */
Navigazione navigazioneIniziale(const core::Stato& stato);

/**
 * The position of the navigation bar that shows in panel 1 the first loaded draw dated `testo`
 * ("d/m/yyyy") or later, within the bar's range (a date past the last draw gives the last position).
 * Returns 0 when the text is not a calendar date.
 */
int posizioneDellaData(const core::Stato& stato, const std::string& testo);

/** True when the archive in memory was reloaded or changed since the viewer last read it. */
bool archivioVariato(const core::Stato& stato);

/** Clears both change flags (Estrazioni_Predefinite_Variate, Archivio_Modificato) once the viewer has
 * reloaded. */
void segnaArchivioLetto(core::Stato& stato);

} // namespace viewer
