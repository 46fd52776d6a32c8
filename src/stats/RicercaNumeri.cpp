#include "RicercaNumeri.h"

#include "Navigazione.h"
#include "Ordinamento.h"
#include "selection/Periodo.h"

namespace stats {

bool ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(const core::Stato& stato, RisultatiNumeri& risultati,
                                                    const Avanzamento& avanzamento) {
    if (stato.Totale_Estrazioni_Selezionate == 0) return false;
    RisultatiNumeri nuovi;
    std::array<int, NUMERO_COLONNE> contate{};
    TabellaNumeri ultimaUscita{};

    int ruote[core::NUMERO_RUOTE];
    int quanteRuote = 0;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1) ruote[quanteRuote++] = w;

    const auto& selezionata = stato.Estrazione_Selezionata;
    const int ultimaCaricata = std::min<int>(stato.Estrazioni_Caricate, static_cast<int>(selezionata.size()) - 1);
    const int cicli = std::min<int>(stato.Totale_Cicli, static_cast<int>(stato.Inizio_Ciclo.size()) - 1);
    auto& frequenza = nuovi.Frequenza_Numero;
    auto& massimo = nuovi.Ritardo_Massimo_Numero;
    int* massimo0 = massimo[0].data();
    int* ultima0 = ultimaUscita[0].data();
    int ultimaPercentuale = -1;
    for (int c = 1; c <= cicli; ++c) {
        const int inizio = std::max(stato.Inizio_Ciclo[static_cast<std::size_t>(c)], 1);
        const int fine = std::min(stato.Fine_Ciclo[static_cast<std::size_t>(c)], ultimaCaricata);
        if (avanzamento && cicli > 1) avanzamento(selection::Percentuale_Avanzamento(1, cicli, c));
        for (int d = inizio; d <= fine; ++d) {
            if (selezionata[static_cast<std::size_t>(d)] != -1) continue;
            if (avanzamento && cicli == 1) {
                // The bar and its label are repainted only when the percentage moves.
                const int percentuale = selection::Percentuale_Avanzamento(inizio, fine, d);
                if (percentuale != ultimaPercentuale) avanzamento(ultimaPercentuale = percentuale);
            }
            const int contate0 = quanteRuote > 0 ? ++contate[0] : 0;
            for (int i = 0; i < quanteRuote; ++i) {
                const int w = ruote[i];
                const int contateW = ++contate[static_cast<std::size_t>(w)];
                int numeri[5];
                if (!decodificaRecord(stato.Archivio_Estrazioni.record(w, d), numeri)) continue;
                int* frequenzaW = frequenza[static_cast<std::size_t>(w)].data();
                int* massimoW = massimo[static_cast<std::size_t>(w)].data();
                int* ultimaW = ultimaUscita[static_cast<std::size_t>(w)].data();
                for (int n : numeri) {
                    ++frequenzaW[n];
                    const int salto = contateW - ultimaW[n];
                    if (salto > massimoW[n]) massimoW[n] = salto;
                    ultimaW[n] = contateW;
                    const int salto0 = contate0 - ultima0[n];
                    if (salto0 > massimo0[n]) massimo0[n] = salto0;
                    ultima0[n] = contate0;
                }
            }
        }
    }
    // Column 0's frequency is the sum of the wheels' (a number drawn on two wheels in one draw counts twice).
    for (int i = 0; i < quanteRuote; ++i)
        for (std::size_t n = 1; n <= 90; ++n) frequenza[0][n] += frequenza[static_cast<std::size_t>(ruote[i])][n];
    for (std::size_t c = 0; c < NUMERO_COLONNE; ++c)
        for (std::size_t n = 1; n <= 90; ++n) nuovi.Ritardo_Attuale_Numero[c][n] = contate[c] - ultimaUscita[c][n];
    risultati = nuovi;
    return true;
}

std::array<int, 91> ordinePosizioni(const RisultatiNumeri& risultati, int colonna, int criterio) {
    const auto c = static_cast<std::size_t>(colonna);
    std::vector<long long> chiavi(91);
    chiavi[0] = 90;
    for (std::size_t n = 1; n <= 90; ++n) {
        switch (criterio) {
        case FREQUENZA: chiavi[n] = risultati.Frequenza_Numero[c][n]; break;
        case RITARDO_ATTUALE: chiavi[n] = risultati.Ritardo_Attuale_Numero[c][n]; break;
        case RITARDO_MASSIMO: chiavi[n] = risultati.Ritardo_Massimo_Numero[c][n]; break;
        default: chiavi[n] = static_cast<long long>(n); break;
        }
    }
    Ordinamento esito;
    Ordina_Numeri(chiavi, esito);
    std::array<int, 91> ordine{};
    ordine[0] = 90;
    for (std::size_t p = 1; p <= 90; ++p) ordine[p] = esito.Permutazione_Ordinata[p];
    return ordine;
}

} // namespace stats
