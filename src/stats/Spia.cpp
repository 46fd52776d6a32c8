#include "Spia.h"

#include "Navigazione.h"
#include "Ordinamento.h"
#include "RicercaNumeri.h"
#include "core/Formato.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace stats {

namespace {

/** The numbers 1..90 of one draw as bits (bit n-1 of word (n-1)/64). */
struct Insieme {
    std::uint64_t parte[2] = {0, 0};
    void aggiungi(int n) { parte[(n - 1) / 64] |= std::uint64_t{1} << ((n - 1) % 64); }
    Insieme& operator|=(const Insieme& altro) {
        parte[0] |= altro.parte[0];
        parte[1] |= altro.parte[1];
        return *this;
    }
};

} // namespace

double RisultatiSpia::scarto(int n) const {
    if (uscite == 0 || n < 1 || n > 90) return 0;
    const double varianza = uscite * probabilita * (1 - probabilita);
    if (varianza <= 0) return 0;
    return (presenze[static_cast<std::size_t>(n)] - attese()) / std::sqrt(varianza);
}

core::Esito<RisultatiSpia> cercaSpia(const core::Stato& stato, const ParametriSpia& parametri) {
    if (parametri.numero < 1 || parametri.numero > 90)
        return core::Errore{core::Codice::DatoNonValido, "il numero spia deve stare fra 1 e 90."};
    if (parametri.ruota < 1 || parametri.ruota > core::NUMERO_RUOTE)
        return core::Errore{core::Codice::DatoNonValido, "ruota della spia non valida."};
    if (parametri.colpi < 1 || parametri.colpi > MASSIMO_COLPI_SPIA)
        return core::Errore{core::Codice::DatoNonValido, "i colpi devono stare fra 1 e 18."};
    RisultatiSpia esito;
    esito.parametri = parametri;
    auto& bersagli = esito.parametri.bersagli;
    bersagli[0] = false;
    if (std::find(bersagli.begin() + 1, bersagli.end(), true) == bersagli.end())
        bersagli[static_cast<std::size_t>(parametri.ruota)] = true;
    std::vector<int> ruote;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (bersagli[static_cast<std::size_t>(w)]) ruote.push_back(w);
    esito.ruoteBersaglio = static_cast<int>(ruote.size());
    esito.probabilita = 1 - std::pow(1 - 1.0 / 18, parametri.colpi * esito.ruoteBersaglio);

    const auto& selezionata = stato.Estrazione_Selezionata;
    const int ultima = std::min<int>(stato.Estrazioni_Caricate, static_cast<int>(selezionata.size()) - 1);
    const auto nelPeriodo = [&](int d) {
        return d >= 1 && d <= ultima && selezionata[static_cast<std::size_t>(d)] == -1;
    };
    // The numbers on the target wheels, draw by draw, made once for the whole period; then each exit
    // joins its K following draws.
    std::vector<Insieme> estratti(static_cast<std::size_t>(std::max(ultima, 0)) + 1);
    int numeri[core::NUMERI_PER_RECORD];
    for (int d = 1; d <= ultima; ++d) {
        if (!nelPeriodo(d)) continue;
        for (int w : ruote)
            if (core::decodificaRuota(stato.Archivio_Estrazioni.record(w, d), numeri))
                for (int n : numeri)
                    estratti[static_cast<std::size_t>(d)].aggiungi(n);
    }
    const int k = parametri.colpi;
    // With the Nazionale among the targets, only the exits whose following draws all have it: before its
    // first record it was not drawn at all, and t wheels would promise more than were there.
    const int primaNazionale = !bersagli[core::RUOTA_NAZIONALE]       ? 1
                               : stato.Prima_Estrazione_Nazionale > 0 ? stato.Prima_Estrazione_Nazionale
                                                                      : INT_MAX;
    int consecutive = 0; // how many draws from d+1 on are in the period, up to K
    for (int d = ultima; d >= 1; --d) {
        const bool uscita =
            nelPeriodo(d) && consecutive >= k && d >= primaNazionale - 1 &&
            core::decodificaRuota(stato.Archivio_Estrazioni.record(parametri.ruota, d), numeri) &&
            std::find(numeri, numeri + core::NUMERI_PER_RECORD, parametri.numero) !=
                numeri + core::NUMERI_PER_RECORD;
        if (uscita) {
            ++esito.uscite;
            Insieme seguiti;
            for (int j = 1; j <= k; ++j)
                seguiti |= estratti[static_cast<std::size_t>(d) + static_cast<std::size_t>(j)];
            for (int parte = 0; parte < 2; ++parte)
                for (std::uint64_t bit = seguiti.parte[parte]; bit != 0; bit &= bit - 1)
                    ++esito.presenze[std::size_t{64} * static_cast<std::size_t>(parte) +
                                     static_cast<std::size_t>(std::countr_zero(bit)) + 1];
        }
        consecutive = nelPeriodo(d) ? std::min(consecutive + 1, k) : 0;
    }
    return esito;
}

std::string dueDecimali(double valore, char virgola) {
    char testo[48];
    std::snprintf(testo, sizeof testo, "%.2f", valore);
    std::string risultato(testo);
    if (risultato == "-0.00") risultato = "0.00";
    for (char& c : risultato)
        if (c == '.') c = virgola;
    return risultato;
}

std::array<int, 91> ordineSpia(const RisultatiSpia& risultati, int criterio, bool discendente) {
    std::vector<long long> chiavi(91);
    chiavi[0] = 90;
    for (std::size_t n = 1; n <= 90; ++n)
        chiavi[n] = criterio == NUMERICO ? static_cast<long long>(n) : risultati.presenze[n];
    return ordineNumeri(std::move(chiavi), discendente);
}

std::string csvSpia(const RisultatiSpia& risultati, const std::array<int, 91>& ordine) {
    std::string testo = "\xEF\xBB\xBFNumero;Uscite spia;Presenze;Attese;Scarto\r\n";
    const std::string attese = dueDecimali(risultati.attese(), ',');
    for (std::size_t p = 1; p <= 90; ++p) {
        const int n = ordine[p];
        if (n < 1 || n > 90) continue;
        testo += std::to_string(n) + ';' + std::to_string(risultati.uscite) + ';' +
                 std::to_string(risultati.presenze[static_cast<std::size_t>(n)]) + ';' + attese + ';' +
                 dueDecimali(risultati.scarto(n), ',') + "\r\n";
    }
    return testo;
}

std::vector<std::string> righeStampaSpia(const core::Stato& stato, const RisultatiSpia& risultati,
                                         const std::array<int, 91>& ordine, const std::string& periodo) {
    const auto& p = risultati.parametri;
    std::string bersagli;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (p.bersagli[static_cast<std::size_t>(w)])
            bersagli += std::string(bersagli.empty() ? "" : " ") + std::string(core::siglaRuota(w));
    std::vector<std::string> righe;
    righe.emplace_back("NUMERI SPIA");
    righe.push_back("Spia " + std::to_string(p.numero) + " su " +
                    stato.Nome_Ruota[static_cast<std::size_t>(p.ruota)] + ", " + std::to_string(p.colpi) +
                    (p.colpi == 1 ? " colpo" : " colpi") + ", bersaglio: " + bersagli);
    righe.push_back(periodo);
    righe.push_back("Uscite della spia: " + std::to_string(risultati.uscite));
    righe.emplace_back();
    char riga[96];
    std::snprintf(riga, sizeof riga, "%6s%7s%10s%10s%10s", "Pos.", "Num.", "Presenze", "Attese", "Scarto");
    righe.emplace_back(riga);
    for (std::size_t posizione = 1; posizione <= 90; ++posizione) {
        const int n = ordine[posizione];
        if (n < 1 || n > 90) continue;
        std::snprintf(riga, sizeof riga, "%6zu%7d%10d%10s%10s", posizione, n,
                      risultati.presenze[static_cast<std::size_t>(n)],
                      dueDecimali(risultati.attese(), ',').c_str(),
                      dueDecimali(risultati.scarto(n), ',').c_str());
        righe.emplace_back(riga);
    }
    return righe;
}

} // namespace stats
