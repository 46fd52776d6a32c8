#pragma once

// An archive laid out by years, written to a test folder and loaded as the program loads it, for the
// tests of the search period (logic and window).
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "core/FileArchivio.h"

#include <vector>

namespace prova {

/**
 * Writes an archive whose years, from `primoAnno` on, hold perAnno[i] draws each (0 for a year
 * without draws), loads it whole and initialises the year tables. Draw n of a year has contest n.
 */
inline void caricaAnni(const CartellaDiProva& cartella, core::Stato& stato, const std::vector<int>& perAnno,
                       int primoAnno = 2001) {
    std::vector<Estrazione> estrazioni;
    for (std::size_t i = 0; i < perAnno.size(); ++i)
        for (int n = 1; n <= perAnno[i]; ++n)
            estrazioni.push_back(estrazione(1 + (n * 3) % 28, 1 + n % 12, primoAnno + static_cast<int>(i), n,
                                            static_cast<int>(estrazioni.size())));
    cartella.scriviArchivio(estrazioni);
    core::FileArchivio file(stato);
    file.Conta_Estrazioni_Archivio();
    core::START_Memorizzazione_Estrazioni(stato, file, 1, static_cast<int>(estrazioni.size()));
    core::Inizializza_Dati_Archivio(stato);
}

} // namespace prova
