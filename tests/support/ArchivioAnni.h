#pragma once

// A program folder ready for a search: one year of draws loaded, some wheels selected, the whole
// period applied.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "selection/Periodo.h"

namespace prova {

// `quante` draws of 2001 loaded, the wheels of `ruote` ("0010001000") selected, the whole period applied.
struct BancoRicerca {
    BancoRicerca(int quante, const char* ruote) {
        cartella.carica(stato, perAnni({quante}));
        core::selezioneDaTesto(stato, ruote);
        selection::applicaFrazionato(stato, 1, quante);
    }
    CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

} // namespace prova
