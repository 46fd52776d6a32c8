#pragma once

#include "core/Esito.h"
#include "core/Impostazioni.h"
#include "core/Stato.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace stakes {

/**
 * The payout table is kept in settings fields (core::campi::QUOTA_ESTRATTO .. MONETA), each a decimal
 * integer: Quota_Estratto (see quotaEstrattoDaCampo), Quote_Premi(2..5), Percentuale_Trattenuta × 10,
 * Moneta_Utilizzata. Their fallbacks are today's single-wheel payouts: Estratto 11.23, Ambo 250, Terno
 * 4500, Quaterna 120000, Cinquina 6000000, 8 % withheld, Euro.
 *
 * Quota_Estratto from the value of its field: 500 or more are hundredths (1123 = 11.23), less are
 * tenths (113 = 11.3), so that every value the editor used to store in tenths (50..200, that is
 * 5.0..20.0) reads as before.
 */
double quotaEstrattoDaCampo(int valore);
/** The value Quota_Estratto's field stores: hundredths, or tenths below 5 (hundredths < 500). */
int campoDaQuotaEstratto(double quota);

/** The message shown when the stored payout table cannot be used and the defaults take its place. */
inline constexpr std::string_view MESSAGGIO_POSTE_DEFAULT =
    "Impossibile reperire informazioni sui pagamenti delle poste, verranno utilizzati i dati di default.";

/** What the stakes window says when the payout table cannot be stored. */
inline constexpr std::string_view MESSAGGIO_POSTE_NON_REGISTRATE =
    "Impossibile registrare i valori delle poste nel file delle impostazioni.\n"
    "I nuovi valori sono applicati ma non verranno conservati.";

/** Puts the default payout table (the fields' fallbacks) in the state. */
void Pagamenti_Default(core::Stato& stato);

/**
 * Fills the payout table of the state from its settings fields. Each field but the currency must hold
 * at least 1, the withholding at most 1000 tenths (the whole winnings), the currency 0 or 1. A blank
 * field (never written, as at a first start, or no settings file) takes its default quietly; when any
 * field holds a value that fails, the defaults replace every value and the result fails
 * (DatoNonValido, MESSAGGIO_POSTE_DEFAULT). Writes nothing: completaPagamenti stores the defaults put
 * in place.
 */
core::Esito<void> Leggi_Pagamenti_Poste(core::Stato& stato);

/**
 * Stores the defaults that Leggi_Pagamenti_Poste put in place: the blank fields, or all of them after a
 * damaged one; the values the user stored stay as they were written. Fails (FileNonScrivibile) at the
 * first field that cannot be written.
 */
core::Esito<void> completaPagamenti(const core::Stato& stato);

/**
 * Writes the payout table of the state to its fields (Quota_Estratto as campoDaQuotaEstratto, the
 * withholding rounded to the nearest integer), in order. Fails (FileNonScrivibile,
 * MESSAGGIO_POSTE_NON_REGISTRATE) at the first field that could not be written, writing no further one.
 */
core::Esito<void> Registra_Pagamenti(const core::Stato& stato);

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
/** The positions "Default" gives the six bars: the payouts the fields fall back to. */
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
