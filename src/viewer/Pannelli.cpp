#include "Pannelli.h"

#include "core/Formato.h"
#include "core/Lotto.h"

#include <algorithm>

namespace viewer {

namespace {

bool caricata(const core::Stato& stato, int d) {
    return d >= 1 && d <= stato.Estrazioni_Caricate;
}

/** A text of the in-memory archive, or empty when the table has no such element. */
std::string testoDi(const std::vector<std::string>& tabella, int d) {
    return d >= 0 && static_cast<std::size_t>(d) < tabella.size() ? tabella[static_cast<std::size_t>(d)]
                                                                  : std::string();
}

} // namespace

NumeriPannello Numeri_Pannello(const core::Stato& stato, int d) {
    NumeriPannello numeri{};
    // The in-memory archive may be smaller than Estrazioni_Caricate says while a reload is under way.
    if (!caricata(stato, d) || d > stato.Archivio_Estrazioni.capacita()) return numeri;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        const std::uint8_t* record = stato.Archivio_Estrazioni.record(w, d);
        for (int k = 1; k <= core::NUMERI_PER_RUOTA; ++k) {
            // A null position and a damaged byte both show as an empty cell.
            numeri[static_cast<std::size_t>(w)][static_cast<std::size_t>(k)] =
                std::max(core::decodificaNumero(record[k - 1]), 0);
        }
    }
    return numeri;
}

std::string testoCella(int numero) {
    return numero >= 1 && numero <= core::NUMERO_MASSIMO ? std::to_string(numero) : std::string();
}

Pannello pannello(const core::Stato& stato, int d) {
    Pannello risultato;
    risultato.estrazione = d;
    risultato.Numeri_Pannello = Numeri_Pannello(stato, d);
    if (caricata(stato, d)) {
        risultato.data = testoDi(stato.Data_Estrazione, d);
        risultato.concorso = testoDi(stato.Concorso_Estrazione, d);
        risultato.indice = std::to_string(d);
    }
    return risultato;
}

std::array<Pannello, NUMERO_PANNELLI> pannelli(const core::Stato& stato, int posizione) {
    std::array<Pannello, NUMERO_PANNELLI> risultato;
    for (int g = 1; g <= NUMERO_PANNELLI; ++g)
        risultato[static_cast<std::size_t>(g - 1)] = pannello(stato, posizione + g - 1);
    return risultato;
}

Navigazione navigazioneIniziale(const core::Stato& stato) {
    Navigazione barre;
    // The bar stops where the four panels show the last four draws: no panel is left empty.
    barre.massimo = std::max(stato.Estrazioni_Caricate - NUMERO_PANNELLI + 1, 1);
    barre.valore = barre.massimo;
    barre.limiteSalti = std::max(stato.Max_Concorsi_Anno, SALTO_LUNGO_INIZIALE);
    return barre;
}

int posizioneDellaData(const core::Stato& stato, const std::string& testo) {
    const auto data = core::Data::daTesto(testo);
    if (!data) return 0;
    const core::Data& cercata = *data;
    const int massimo = navigazioneIniziale(stato).massimo;
    if (stato.Data_Estrazione.empty()) return massimo;
    const auto fine = static_cast<int>(std::min<std::size_t>(
        static_cast<std::size_t>(stato.Estrazioni_Caricate), stato.Data_Estrazione.size() - 1));
    for (int d = 1; d <= fine; ++d)
        if (cercata <= core::Data::daRecord(stato.Data_Estrazione[static_cast<std::size_t>(d)]))
            return std::min(d, massimo);
    return massimo;
}

bool archivioVariato(const core::Stato& stato) {
    return stato.Estrazioni_Predefinite_Variate || stato.Archivio_Modificato;
}

void segnaArchivioLetto(core::Stato& stato) {
    stato.Estrazioni_Predefinite_Variate = false;
    stato.Archivio_Modificato = false;
}

} // namespace viewer
