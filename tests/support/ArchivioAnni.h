#pragma once

// An archive laid out by years, written to a test folder and loaded as the program loads it, for the
// tests of the search period and of the search windows.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "selection/Periodo.h"

#include <QtGlobal>

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
    if (!core::caricaArchivio(stato)) qFatal("archivio di prova non caricato");
}

/** A program folder with `quante` draws of one year loaded, the wheels of `ruote` ("0010001000") selected,
 * the whole period applied. */
struct BancoRicerca {
    BancoRicerca(int quante, const char* ruote) {
        caricaAnni(cartella, stato, {quante});
        core::selezioneDaTesto(stato, ruote);
        selection::applicaFrazionato(stato, 1, quante);
    }
    CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

} // namespace prova
