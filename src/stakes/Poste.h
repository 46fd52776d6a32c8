#pragma once

#include "core/Stato.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace stakes {

/**
 * Settings fields of the payout table, each a decimal integer: 64 Quota_Estratto × 10, 65..68
 * Quote_Premi(2..5), 69 Percentuale_Trattenuta × 10, 70 Moneta_Utilizzata.
 */
inline constexpr int CAMPO_QUOTA_ESTRATTO = 64;
inline constexpr int CAMPO_TRATTENUTA = 69;
inline constexpr int CAMPO_MONETA = 70;
/** Highest withholding field 69 may hold: 1000 tenths, the whole winnings. */
inline constexpr int TRATTENUTA_MASSIMA = 1000;

/** The message shown when the stored payout table cannot be used and the defaults take its place. */
inline constexpr std::string_view MESSAGGIO_POSTE_DEFAULT =
    "Impossibile reperire informazioni sui pagamenti delle poste, verranno utilizzati i dati di default.";

/** Puts the default payout table in the state: 11.3, 250, 4250, 80000, 1000000, 3.0 %, Euro. */
void Pagamenti_Default(core::Stato& stato);

/**
 * Fills the payout table of the state from settings fields 64..70, read in that order. Each of
 * fields 64..69 must hold at least 1, field 69 at most TRATTENUTA_MASSIMA, and field 70 must hold 0
 * or 1; at the first field that fails
 * (a missing settings file fails them all) the defaults replace every value, also those already
 * read, and are written back to fields 64..70 as 113, 250, 4250, 80000, 1000000, 30, 0.
 *
 * Returns true when the table was read; false when the defaults were put in its place, and the
 * caller then shows MESSAGGIO_POSTE_DEFAULT.
 */
bool Leggi_Pagamenti_Poste(core::Stato& stato);

/**
 * Writes the payout table of the state to fields 64..70 (the two tenths-scaled values rounded to the
 * nearest integer), in that order. Returns false at the first field that could not be written,
 * writing no further field.
 */
bool Registra_Pagamenti(const core::Stato& stato);

/** Q_k: how many times the stake sorte k pays, Quota_Estratto for 1, Quote_Premi(k) for 2..5; 0 otherwise. */
double quotaSorte(const core::Stato& stato, int k);

/** The name of the currency of stakes; Moneta_Utilizzata outside 0..1 is taken as 0 (Euro). */
std::string nomeMoneta(const core::Stato& stato);

/** What the withholding and currency labels show: "3%" and "Euro" with the defaults. */
struct TestiMonetaTrattenuta {
    std::string trattenuta, moneta;
};
TestiMonetaTrattenuta Scrivi_Moneta_Trattenuta(const core::Stato& stato);

/**
 * The six bars of the payout editor: 0 the withholding in tenths of a percent, 1 Estratto in tenths,
 * 2 Ambo, 3 Terno, 4 Quaterna in tens, 5 Cinquina in hundreds.
 */
inline constexpr int NUMERO_BARRE_POSTE = 6;
struct BarraPosta {
    int minimo, massimo, passoPagina;
};
inline constexpr std::array<BarraPosta, NUMERO_BARRE_POSTE> BARRE_POSTE{{{1, 300, 10},
                                                                         {50, 200, 2},
                                                                         {100, 500, 50},
                                                                         {1000, 10000, 100},
                                                                         {1000, 20000, 1000},
                                                                         {5000, 30000, 1000}}};
/** The positions "Default" gives the six bars. */
inline constexpr std::array<int, NUMERO_BARRE_POSTE> BARRE_DEFAULT{30, 113, 250, 4250, 8000, 10000};

/** The bar positions that show the state's payout table, each rounded and clamped to its bar's range. */
std::array<int, NUMERO_BARRE_POSTE> barreDaPagamenti(const core::Stato& stato);

/** Puts the values of the six bar positions in the state's payout table ("Applica"). */
void applicaBarre(core::Stato& stato, const std::array<int, NUMERO_BARRE_POSTE>& barre);

/**
 * The label of editor bar i (0..5) at position `valore`: the withholding as "2,5%", Estratto as
 * "11,3", the others as grouped integers ("80.000").
 */
std::string testoBarraPosta(int barra, int valore);

/**
 * A cell of the payout grid: what one unit of stake spread over the C(r, k) combinations of a ticket
 * of r numbers earns when its k numbers come out on one wheel, Q_k / C(r, k), less
 * Percentuale_Trattenuta percent when `conTrattenuta`. Empty when k > r or k is outside 1..5.
 */
std::optional<double> premioPerPosta(const core::Stato& stato, int k, int r, bool conTrattenuta);

} // namespace stakes
