#include "Navigazione.h"

namespace stats {

std::string nomeCriterio(int criterio) {
    switch (criterio) {
    case FREQUENZA:
        return "FREQUENZA";
    case RITARDO_ATTUALE:
        return "RITARDO ATTUALE";
    case RITARDO_MASSIMO:
        return "RITARDO MASSIMO";
    case SCARTO:
        return "SCARTO";
    case RARITA:
        return "RARITÀ DEL RITARDO";
    default:
        return "NUMERICO";
    }
}

void Navigazione::imposta(const core::Stato& stato) {
    for (auto& testo : m_didascalia)
        testo.clear();
    m_ruotaPosizione.fill(0);
    const int quante = std::clamp(stato.Elenco_Ruote_Selezionate[0], 0, core::NUMERO_RUOTE);
    for (int i = 1; i <= quante; ++i) {
        const int w = stato.Elenco_Ruote_Selezionate[static_cast<std::size_t>(i)];
        if (w < 1 || w > core::NUMERO_RUOTE) continue;
        const std::string& nome = stato.Nome_Ruota[static_cast<std::size_t>(w)];
        m_didascalia[static_cast<std::size_t>(i)] = nome;
        m_didascalia[0] += std::string(core::siglaRuota(w)) + ' ';
        m_ruotaPosizione[static_cast<std::size_t>(i)] = w;
    }
    m_numeroPosizioni = quante;
    m_criterio.fill(NUMERICO);
    m_decrescente.fill(false);
}

void Navigazione::impostaSoloColonna0(const std::string& didascalia) {
    for (auto& testo : m_didascalia)
        testo.clear();
    m_didascalia[0] = didascalia;
    m_ruotaPosizione.fill(0);
    m_numeroPosizioni = 0;
    m_criterio.fill(NUMERICO);
    m_decrescente.fill(false);
}

int Navigazione::mostra() {
    m_ruotaMostrata = m_ruotaPosizione[static_cast<std::size_t>(m_posizione)];
    return m_ruotaMostrata;
}

int Navigazione::avanti() {
    if (++m_posizione > m_numeroPosizioni) m_posizione = 0;
    return mostra();
}

int Navigazione::indietro() {
    if (--m_posizione < 0) m_posizione = m_numeroPosizioni;
    return mostra();
}

} // namespace stats
