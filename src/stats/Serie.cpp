#include "Serie.h"

#include "Percorso.h"

#include <algorithm>
#include <numeric>

namespace stats {

core::Esito<Combinazione> Combinazione::da(std::vector<int> numeri) {
    if (numeri.empty() || numeri.size() > MASSIMO_NUMERI_COMBINAZIONE)
        return {core::Codice::DatoNonValido, "Indicare da uno a tre numeri."};
    for (int n : numeri)
        if (n < 1 || n > core::NUMERO_MASSIMO)
            return {core::Codice::DatoNonValido,
                    "Il numero " + std::to_string(n) + " non è compreso fra 1 e 90."};
    std::sort(numeri.begin(), numeri.end());
    if (std::adjacent_find(numeri.begin(), numeri.end()) != numeri.end())
        return {core::Codice::DatoNonValido, "I numeri devono essere diversi fra loro."};
    Combinazione combinazione;
    std::copy(numeri.begin(), numeri.end(), combinazione.m_numeri.begin());
    combinazione.m_quanti = static_cast<int>(numeri.size());
    return combinazione;
}

std::string Combinazione::testo() const {
    std::string testo;
    for (int i = 0; i < m_quanti; ++i)
        testo += (i > 0 ? "-" : "") + std::to_string(numero(i));
    return testo;
}

std::string Combinazione::nome() const {
    static const char* const NOMI[] = {"", "numero", "ambo", "terno"};
    return NOMI[std::clamp(m_quanti, 0, MASSIMO_NUMERI_COMBINAZIONE)];
}

namespace dettaglio {

/** Refuses what no search would run on: no wheel, a column outside the selection, an empty period. */
core::Esito<void> ricercaPossibile(const core::Stato& stato, int colonna) {
    if (stato.Ruota_Selezionata[0] == 0)
        return {core::Codice::DatoNonValido, "Selezionare almeno una Ruota!"};
    if (colonna < 0 || colonna > core::NUMERO_RUOTE ||
        (colonna > 0 && stato.Ruota_Selezionata[static_cast<std::size_t>(colonna)] != -1))
        return {core::Codice::DatoNonValido, "La ruota indicata non è fra le ruote selezionate."};
    if (stato.Totale_Estrazioni_Selezionate == 0)
        return {core::Codice::DatoNonValido, "Selezionare un Periodo di ricerca!"};
    return core::riuscito();
}

/** The record of draw d in a table of texts that a damaged archive may have left short. */
static std::string_view testoDi(const std::vector<std::string>& testi, int d) {
    return static_cast<std::size_t>(d) < testi.size() ? std::string_view(testi[static_cast<std::size_t>(d)])
                                                      : std::string_view();
}

PuntoSerie puntoSerie(const core::Stato& stato, int d) {
    PuntoSerie punto;
    punto.estrazione = d;
    punto.data = core::Data::daRecord(testoDi(stato.Data_Estrazione, d));
    punto.concorso = core::Concorso::daRecord(testoDi(stato.Concorso_Estrazione, d));
    return punto;
}

} // namespace dettaglio

core::Esito<SerieRitardi> serieRitardi(const core::Stato& stato, const Combinazione& combinazione,
                                       int colonna, int posizione) {
    // bit[n]: the bit of n's place in the combination, 0 for the other numbers.
    std::array<unsigned, 91> bit{};
    const int quanti = combinazione.quanti();
    for (int i = 0; i < quanti; ++i)
        bit[static_cast<std::size_t>(combinazione.numero(i))] = 1U << i;
    const unsigned tutti = (1U << quanti) - 1;
    return serieUscite(stato, colonna, [&](const int* numeri) {
        if (posizione >= 1 && posizione <= core::NUMERI_PER_RECORD && quanti == 1) {
            // The estratto determinato: the number in that place of the draw, and no other.
            return static_cast<int>(bit[static_cast<std::size_t>(numeri[posizione - 1])]);
        }
        const unsigned visti =
            bit[static_cast<std::size_t>(numeri[0])] | bit[static_cast<std::size_t>(numeri[1])] |
            bit[static_cast<std::size_t>(numeri[2])] | bit[static_cast<std::size_t>(numeri[3])] |
            bit[static_cast<std::size_t>(numeri[4])];
        if (visti != tutti) return 0; // mutazioni: equivalente — a shortcut: the product below is 0
        // As the searches count: every way of picking the combination's numbers among the five (one,
        // unless a damaged record repeats a number).
        int modi = 1;
        for (int i = 0; i < quanti; ++i) {
            const unsigned b = 1U << i;
            modi *= static_cast<int>(std::count_if(numeri, numeri + core::NUMERI_PER_RECORD, [&](int n) {
                return bit[static_cast<std::size_t>(n)] == b;
            }));
        }
        return modi;
    });
}

core::Esito<NumeriColonna> numeriColonna(const core::Stato& stato, int colonna, int posizione) {
    if (auto possibile = dettaglio::ricercaPossibile(stato, colonna); !possibile) return possibile.errore();
    RisultatiNumeri risultati;
    if (!ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, risultati, {}, {.posizione = posizione}))
        return {core::Codice::DatoNonValido, "Selezionare un Periodo di ricerca!"};
    const auto c = static_cast<std::size_t>(colonna);
    return NumeriColonna{risultati.Frequenza_Numero[c], risultati.Ritardo_Attuale_Numero[c]};
}

double media(const std::array<int, 91>& valori) {
    return std::accumulate(valori.begin() + 1, valori.end(), 0.0) / 90.0;
}

} // namespace stats
