#pragma once

#include "core/Stato.h"

#include <algorithm>
#include <array>
#include <string>

namespace stats {

/**
 * Ordering keys of a result column. SCARTO (the deviation from chance) and RARITA (the rarity of the
 * current delay) order as the frequency and the current delay do: in one column the expected frequency
 * and its spread are the same for every item, and the chance of a delay falls as the delay grows, so
 * descending lists the rarest first.
 */
enum Criterio {
    NUMERICO = 1,
    FREQUENZA = 2,
    RITARDO_ATTUALE = 3,
    RITARDO_MASSIMO = 4,
    SCARTO = 5,
    RARITA = 6
};

/** "NUMERICO", "FREQUENZA", "RITARDO ATTUALE", "RITARDO MASSIMO", "SCARTO" or "RARITÀ DEL RITARDO". */
std::string nomeCriterio(int criterio);

/** The count a key orders by: FREQUENZA for SCARTO, RITARDO_ATTUALE for RARITA, the key itself otherwise. */
constexpr int chiaveContata(int criterio) {
    return criterio == SCARTO ? FREQUENZA : criterio == RARITA ? RITARDO_ATTUALE : criterio;
}

/**
 * Which result column a search window shows and in which order, shared by the number and pair
 * windows. Position 0 is the selected wheels together, captioned with their short names; positions
 * 1..count are the selected wheels in wheel order. The ordering key and direction chosen on one column
 * follow the user to the next one shown; the next search puts every column back to ascending number order.
 */
class Navigazione {
public:
    /** Before a search: positions and captions from the wheel list, every key back to NUMERICO. */
    void imposta(const core::Stato& stato);
    /** Before a search shown in column 0 alone: that one position, with its caption, key NUMERICO. */
    void impostaSoloColonna0(const std::string& didascalia);
    /** Forward one position, wrapping from the last to 0. Returns the column now shown. */
    int avanti();
    /** Back one position, wrapping from 0 to the last. Returns the column now shown. */
    int indietro();
    /** Puts the position before the first, so that avanti() shows column 0. */
    void ricomincia() { m_posizione = -1; }

    int posizione() const { return m_posizione; }
    int numeroPosizioni() const { return m_numeroPosizioni; }
    /** Column shown: 0 the wheels together, 1..NUMERO_RUOTE a wheel. */
    int ruotaMostrata() const { return m_ruotaMostrata; }
    /** Caption of the current position. */
    const std::string& didascalia() const {
        return m_didascalia[static_cast<std::size_t>(std::max(m_posizione, 0))];
    }
    int criterio(int colonna) const { return m_criterio[static_cast<std::size_t>(colonna)]; }
    void impostaCriterio(int colonna, int criterio) {
        m_criterio[static_cast<std::size_t>(colonna)] = criterio;
    }
    /** Whether column c is shown in descending order of its key. */
    bool decrescente(int colonna) const { return m_decrescente[static_cast<std::size_t>(colonna)]; }
    void impostaDecrescente(int colonna, bool decrescente) {
        m_decrescente[static_cast<std::size_t>(colonna)] = decrescente;
    }

    /**
     * Gives the column now shown the key and direction of column `prima`, the one shown before a move.
     * True when they changed: its grid must be ordered again.
     */
    bool ereditaOrdine(int prima) {
        const int ora = m_ruotaMostrata;
        if (prima < 0 || prima > 10 ||
            (criterio(ora) == criterio(prima) && decrescente(ora) == decrescente(prima)))
            return false;
        impostaCriterio(ora, criterio(prima));
        impostaDecrescente(ora, decrescente(prima));
        return true;
    }

private:
    int mostra();
    int m_posizione = -1;
    int m_numeroPosizioni = 0;
    int m_ruotaMostrata = 0;
    std::array<std::string, core::NUMERO_RUOTE + 1> m_didascalia;
    std::array<int, core::NUMERO_RUOTE + 1> m_ruotaPosizione{};
    std::array<int, core::NUMERO_RUOTE + 1> m_criterio{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::array<bool, core::NUMERO_RUOTE + 1> m_decrescente{};
};

} // namespace stats
