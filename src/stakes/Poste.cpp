#include "Poste.h"

#include "Combinazioni.h"
#include "Formato.h"
#include "core/Campi.h"

#include <algorithm>
#include <cmath>

namespace stakes {

namespace {

int arrotonda(double valore) {
    // Clamp first: a stored value may exceed what the conversion can hold.
    return static_cast<int>(std::lround(std::clamp(valore, -2.0e9, 2.0e9)));
}

} // namespace

double quotaEstrattoDaCampo(int valore) {
    return valore >= 500 ? valore / 100.0 : valore / 10.0;
}

int campoDaQuotaEstratto(double quota) {
    const int centesimi = arrotonda(quota * 100);
    return centesimi >= 500 ? centesimi : arrotonda(quota * 10);
}

namespace {

/** The payout table's fields in their order. */
constexpr std::array<core::Campo, 7> CAMPI_POSTE{core::campi::QUOTA_ESTRATTO, core::campi::QUOTE_PREMI[0],
                                                 core::campi::QUOTE_PREMI[1], core::campi::QUOTE_PREMI[2],
                                                 core::campi::QUOTE_PREMI[3], core::campi::TRATTENUTA,
                                                 core::campi::MONETA};

/** Puts the values of the payout fields, in their stored form, in the state's payout table. */
void mettiPagamenti(core::Stato& stato, const std::vector<int>& campi) {
    stato.Quota_Estratto = quotaEstrattoDaCampo(campi[0]);
    for (int k = AMBO; k <= CINQUINA; ++k)
        stato.Quote_Premi[static_cast<std::size_t>(k)] = campi[static_cast<std::size_t>(k - 1)];
    stato.Percentuale_Trattenuta = campi[5] / 10.0;
    stato.Moneta_Utilizzata = campi[6];
}

} // namespace

void Pagamenti_Default(core::Stato& stato) {
    mettiPagamenti(stato, core::predefiniti(CAMPI_POSTE));
}

core::Esito<void> Leggi_Pagamenti_Poste(core::Stato& stato) {
    const auto letti = core::leggiTabella(stato, CAMPI_POSTE);
    if (!letti) {
        Pagamenti_Default(stato);
        return {core::Codice::DatoNonValido, std::string(MESSAGGIO_POSTE_DEFAULT)};
    }
    mettiPagamenti(stato, *letti);
    return core::riuscito();
}

core::Esito<void> completaPagamenti(const core::Stato& stato) {
    return core::completaTabella(stato, CAMPI_POSTE);
}

core::Esito<void> Registra_Pagamenti(const core::Stato& stato) {
    const std::array<int, CAMPI_POSTE.size()> valori{campoDaQuotaEstratto(stato.Quota_Estratto),
                                                     stato.Quote_Premi[AMBO],
                                                     stato.Quote_Premi[TERNO],
                                                     stato.Quote_Premi[QUATERNA],
                                                     stato.Quote_Premi[CINQUINA],
                                                     arrotonda(stato.Percentuale_Trattenuta * 10),
                                                     stato.Moneta_Utilizzata};
    // Stops at the first field that cannot be written, so that one failure does not leave a table
    // of old and new values mixed any further.
    for (std::size_t i = 0; i < valori.size(); ++i)
        if (!core::scriviCampo(stato, CAMPI_POSTE[i], valori[i]))
            return {core::Codice::FileNonScrivibile, std::string(MESSAGGIO_POSTE_NON_REGISTRATE)};
    return core::riuscito();
}

double quotaSorte(const core::Stato& stato, int k) {
    if (k == ESTRATTO) return stato.Quota_Estratto;
    if (k >= AMBO && k <= CINQUINA) return stato.Quote_Premi[static_cast<std::size_t>(k)];
    return 0;
}

std::string nomeMoneta(const core::Stato& stato) {
    return stato.Nome_Moneta[stato.Moneta_Utilizzata == LIRE ? 1U : 0U];
}

TestiMonetaTrattenuta Scrivi_Moneta_Trattenuta(const core::Stato& stato) {
    return {formatta(stato.Percentuale_Trattenuta, "#.###") + "%", nomeMoneta(stato)};
}

std::array<int, NUMERO_BARRE_POSTE> barreDaPagamenti(const core::Stato& stato) {
    const std::array<double, NUMERO_BARRE_POSTE> valori{stato.Percentuale_Trattenuta * 10,
                                                        stato.Quota_Estratto * 100,
                                                        static_cast<double>(stato.Quote_Premi[2]),
                                                        static_cast<double>(stato.Quote_Premi[3]),
                                                        stato.Quote_Premi[4] / 10.0,
                                                        stato.Quote_Premi[5] / 100.0};
    std::array<int, NUMERO_BARRE_POSTE> barre{};
    for (std::size_t i = 0; i < barre.size(); ++i)
        barre[i] = std::clamp(arrotonda(valori[i]), BARRE_POSTE[i].minimo, BARRE_POSTE[i].massimo);
    return barre;
}

void applicaBarre(core::Stato& stato, const std::array<int, NUMERO_BARRE_POSTE>& barre) {
    stato.Percentuale_Trattenuta = barre[0] / 10.0;
    stato.Quota_Estratto = barre[1] / 100.0;
    stato.Quote_Premi[2] = barre[2];
    stato.Quote_Premi[3] = barre[3];
    stato.Quote_Premi[4] = barre[4] * 10;
    stato.Quote_Premi[5] = barre[5] * 100;
}

std::string testoBarraPosta(int barra, int valore) {
    switch (barra) {
    case 0:
        return formatta(valore / 10.0, "#.###") + "%";
    case 1:
        return formatta(valore / 100.0, "#.###");
    case 4:
        return formatta(valore * 10.0, "#,###");
    case 5:
        return formatta(valore * 100.0, "#,###");
    default:
        return formatta(valore, "#,###");
    }
}

std::optional<double> premioPerPosta(const core::Stato& stato, int k, int r, bool conTrattenuta) {
    const auto combinazioni = Numero_Combinazioni(k, r);
    if (k < ESTRATTO || k > CINQUINA || combinazioni <= 0) return std::nullopt;
    const double lordo = quotaSorte(stato, k) / static_cast<double>(combinazioni);
    return conTrattenuta ? lordo - lordo / 100 * stato.Percentuale_Trattenuta : lordo;
}

} // namespace stakes
