#include "Ruote.h"

namespace selection {

void Imposta_Ruote(core::Stato& stato, const core::SpunteRuote& spuntate) {
    core::impostaSelezioneRuote(stato, spuntate);
}

std::string sigleRuoteSelezionate(const core::Stato& stato) {
    std::string sigle;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] != -1) continue;
        sigle += core::siglaRuota(w);
        sigle += ' ';
    }
    return sigle;
}

std::string testoNumeroRuote(const core::Stato& stato) {
    int quante = 0;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1) ++quante;
    return "Ruote Selezionate:  " + std::to_string(quante);
}

} // namespace selection
