#pragma once

#include "core/Impostazioni.h"
#include "core/Stato.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace stakes {

/**
 * Settings fields of the payout table, each a decimal integer: 64 Quota_Estratto (see
 * quotaEstrattoDaCampo), 65..68 Quote_Premi(2..5), 69 Percentuale_Trattenuta × 10, 70 Moneta_Utilizzata.
 */
inline constexpr int CAMPO_QUOTA_ESTRATTO = 64;
inline constexpr int CAMPO_TRATTENUTA = 69;
inline constexpr int CAMPO_MONETA = 70;
/** Highest withholding field 69 may hold: 1000 tenths, the whole winnings. */
inline constexpr int TRATTENUTA_MASSIMA = 1000;
/**
 * Today's single-wheel payouts as fields 64..70 store them: Estratto 11.23, Ambo 250, Terno 4500,
 * Quaterna 120000, Cinquina 6000000, 8 % withheld, Euro.
 */
inline constexpr std::array<int, 7> CAMPI_DEFAULT{1123, 250, 4500, 120000, 6000000, 80, 0};

/**
 * Quota_Estratto from the value of field 64: 500 or more are hundredths (1123 = 11.23), less are
 * tenths (113 = 11.3), so that every value the editor used to store in tenths (50..200, that is
 * 5.0..20.0) reads as before.
 */
double quotaEstrattoDaCampo(int valore);
/** The value field 64 stores for a Quota_Estratto: hundredths, or tenths below 5 (hundredths < 500). */
int campoDaQuotaEstratto(double quota);

/** The message shown when the stored payout table cannot be used and the defaults take its place. */
inline constexpr std::string_view MESSAGGIO_POSTE_DEFAULT =
    "Impossibile reperire informazioni sui pagamenti delle poste, verranno utilizzati i dati di default.";

/** Puts the default payout table (CAMPI_DEFAULT) in the state. */
void Pagamenti_Default(core::Stato& stato);

/**
 * Fills the payout table of the state from settings fields 64..70. Each of fields 64..69 must hold at
 * least 1, field 69 at most TRATTENUTA_MASSIMA, and field 70 0 or 1. A blank field (never written, as
 * at a first start, or no settings file) takes its default quietly; when any field holds a value that
 * fails, the defaults replace every value and the result says `danneggiati` (the caller then shows
 * MESSAGGIO_POSTE_DEFAULT). In both cases the table in use is written back to fields 64..70, and
 * `registrati` says whether that write succeeded.
 */
core::EsitoCampi Leggi_Pagamenti_Poste(core::Stato& stato);

/**
 * Writes the payout table of the state to fields 64..70 (field 64 as campoDaQuotaEstratto, field 69
 * rounded to the nearest integer), in that order. Returns false at the first field that could not be
 * written, writing no further field.
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
 * The six bars of the payout editor: 0 the withholding in tenths of a percent, 1 Estratto in
 * hundredths, 2 Ambo, 3 Terno, 4 Quaterna in tens, 5 Cinquina in hundreds.
 */
inline constexpr int NUMERO_BARRE_POSTE = 6;
struct BarraPosta {
    int minimo, massimo, passoPagina;
};
inline constexpr std::array<BarraPosta, NUMERO_BARRE_POSTE> BARRE_POSTE{{{1, 300, 10},
                                                                         {500, 2000, 20},
                                                                         {100, 500, 50},
                                                                         {1000, 10000, 100},
                                                                         {1000, 20000, 1000},
                                                                         {5000, 100000, 1000}}};
/** The positions "Default" gives the six bars: the payouts of CAMPI_DEFAULT. */
inline constexpr std::array<int, NUMERO_BARRE_POSTE> BARRE_DEFAULT{80, 1123, 250, 4500, 12000, 60000};

/** The bar positions that show the state's payout table, each rounded and clamped to its bar's range. */
std::array<int, NUMERO_BARRE_POSTE> barreDaPagamenti(const core::Stato& stato);

/** Puts the values of the six bar positions in the state's payout table ("Applica"). */
void applicaBarre(core::Stato& stato, const std::array<int, NUMERO_BARRE_POSTE>& barre);

/**
 * The label of editor bar i (0..5) at position `valore`: the withholding as "2,5%", Estratto as
 * "11,23", the others as grouped integers ("120.000").
 */
std::string testoBarraPosta(int barra, int valore);

/**
 * A cell of the payout grid: what one unit of stake spread over the C(r, k) combinations of a ticket
 * of r numbers earns when its k numbers come out on one wheel, Q_k / C(r, k), less
 * Percentuale_Trattenuta percent when `conTrattenuta`. Empty when k > r or k is outside 1..5.
 */
std::optional<double> premioPerPosta(const core::Stato& stato, int k, int r, bool conTrattenuta);

} // namespace stakes
