#pragma once

#include "RicercaNumeri.h"
#include "core/Formato.h"
#include "selection/Periodo.h"

#include <algorithm>
#include <array>
#include <climits>

namespace stats {

/** The walk's default end-of-draw hook: nothing to do. */
struct SenzaFineEstrazione {
    void operator()(int, const std::array<int, NUMERO_COLONNE>&) const {}
};

/**
 * Walks the search period as both searches do: cycle by cycle, the selected draws in ascending order,
 * as one sequence. Every selected draw counts on every selected wheel, a null record too, except on the
 * Nazionale before its first real record (Prima_Estrazione_Nazionale: the wheel did not exist), and
 * once on column 0 when it counts on at least one selected wheel; for each real record of a counted
 * draw `suRecord(w, contateW, contate0, numeri)` is called with the draws counted so far on wheel w and
 * on column 0 and the record's five numbers in drawing order. `avanzamento` hears the progress per
 * cycle (several cycles) or when the percentage moves (one cycle). After the wheels of each draw counted
 * on column 0, `fineEstrazione(d, contate)` hears the draw's index d in the loaded draws and the draws
 * counted so far per column, also for a draw whose every selected wheel is null. Returns the draws
 * counted per column.
 * With `soloRuota` (1..NUMERO_RUOTE) only that wheel is walked, when selected: its records are handed
 * over and only its column and column 0 are counted. A search whose tables outgrow the processor's cache
 * walks one wheel at a time.
 */
template <class F, class G = SenzaFineEstrazione>
std::array<int, NUMERO_COLONNE> percorriPeriodo(const core::Stato& stato, const Avanzamento& avanzamento,
                                                F&& suRecord, int soloRuota = 0, G&& fineEstrazione = {}) {
    std::array<int, NUMERO_COLONNE> contate{};
    int ruote[core::NUMERO_RUOTE];
    int quanteRuote = 0;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1 && (soloRuota == 0 || w == soloRuota))
            ruote[quanteRuote++] = w;
    // The Nazionale, always the last wheel, counts from its first real record; the other wheels always.
    const bool nazionale = quanteRuote > 0 && ruote[quanteRuote - 1] == core::RUOTA_NAZIONALE;
    const int tradizionali = quanteRuote - (nazionale ? 1 : 0);
    const int primaNazionale =
        stato.Prima_Estrazione_Nazionale > 0 ? stato.Prima_Estrazione_Nazionale : INT_MAX;

    const auto& selezionata = stato.Estrazione_Selezionata;
    const int ultimaCaricata =
        std::min<int>(stato.Estrazioni_Caricate, static_cast<int>(selezionata.size()) - 1);
    const int cicli = std::min<int>(stato.Totale_Cicli, static_cast<int>(stato.Inizio_Ciclo.size()) - 1);
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
            const int contano = d >= primaNazionale ? quanteRuote : tradizionali;
            if (contano == 0) continue;
            const int contate0 = ++contate[0];
            for (int i = 0; i < contano; ++i) {
                const int w = ruote[i];
                const int contateW = ++contate[static_cast<std::size_t>(w)];
                int numeri[core::NUMERI_PER_RECORD];
                if (core::decodificaRuota(stato.Archivio_Estrazioni.record(w, d), numeri))
                    suRecord(w, contateW, contate0, numeri);
            }
            fineEstrazione(d, contate);
        }
    }
    return contate;
}

} // namespace stats
