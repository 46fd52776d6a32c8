// Reading a settings file of arbitrary bytes: every field, and every reader that turns a field into
// an option with its fallback (the highest contest, the wheel selection, the grid pointer, the backup
// reminder, the payout table, the day membership, the last ticket checked). Writing a field must give
// back what was written and leave every other field as it read.
//
// The input: its last bytes choose a field number, its first bytes a text to write there, the rest is
// the ImpoBin file.
#include "Sostegno.h"
#include "core/Campi.h"
#include "core/Caricamento.h"
#include "core/Impostazioni.h"
#include "core/Testo.h"
#include "maintenance/Backup.h"
#include "selection/Periodo.h"
#include "stakes/Combinazioni.h"
#include "stakes/Poste.h"
#include "stakes/Verifica.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    static const fuzz::CartellaFuzz cartella;
    cartella.svuota();
    FuzzedDataProvider ingresso(dati, quanti);
    const int campo = ingresso.ConsumeIntegralInRange(-1, core::NUMERO_CAMPI + 2);
    const std::string nuovo = ingresso.ConsumeRandomLengthString(24);
    cartella.scrivi("ImpoBin", ingresso.ConsumeRemainingBytesAsString());
    core::Stato stato(cartella.percorso());
    core::Imposta_Tabelle_Globali(stato);

    // Every field reads as 19 bytes, no zero byte among them; a field number out of range as "-1".
    std::array<std::string, core::NUMERO_CAMPI + 2> prima;
    for (int k = 0; k <= core::NUMERO_CAMPI + 1; ++k) {
        prima[std::size_t(k)] = core::Leggi_Impostazione(stato, k);
        VERIFICA(k < 1 || k > core::NUMERO_CAMPI ? prima[std::size_t(k)] == "-1"
                                                 : prima[std::size_t(k)].size() == core::BYTE_TESTO_CAMPO &&
                                                       prima[std::size_t(k)].find('\0') == std::string::npos);
    }

    // Writing a field changes that field alone: its neighbours are where a slot written off its place
    // would show, the first and last fields where a file rewritten short or long would.
    const bool scritto = core::Scrivi_Impostazione(stato, campo, nuovo);
    VERIFICA(scritto == (campo >= 1 && campo <= core::NUMERO_CAMPI && nuovo.size() <= 20));
    if (scritto) {
        std::string atteso(core::senzaSpazi(nuovo).substr(0, core::BYTE_TESTO_CAMPO));
        std::replace(atteso.begin(), atteso.end(), '\0', ' ');
        atteso.resize(core::BYTE_TESTO_CAMPO, ' ');
        for (int k : {1, campo - 2, campo - 1, campo, campo + 1, campo + 2, core::NUMERO_CAMPI})
            if (k >= 1 && k <= core::NUMERO_CAMPI)
                VERIFICA(core::Leggi_Impostazione(stato, k) == (k == campo ? atteso : prima[std::size_t(k)]));
    }

    // The readers of the options and their fallbacks.
    const int massimo = core::leggiMaxConcorsiAnno(stato);
    VERIFICA(massimo >= 108 && massimo <= 999);
    core::Inizializza_Dati_Archivio(stato);
    VERIFICA(stato.Puntatore_Griglie == 0 || stato.Puntatore_Griglie == 1);
    int selezionate = 0;
    for (std::size_t w = 1; w <= core::NUMERO_RUOTE; ++w) {
        VERIFICA(stato.Ruota_Selezionata[w] == 0 || stato.Ruota_Selezionata[w] == -1);
        if (stato.Ruota_Selezionata[w] == -1)
            VERIFICA(stato.Elenco_Ruote_Selezionate[std::size_t(++selezionate)] == int(w));
    }
    VERIFICA(stato.Ruota_Selezionata[0] == selezionate && stato.Elenco_Ruote_Selezionate[0] == selezionate);

    const auto avviso = maintenance::Leggi_Backup_Messaggio(stato);
    VERIFICA(avviso.Avviso_Backup_Attivo >= 0 && avviso.Avviso_Backup_Attivo <= 1);
    VERIFICA(avviso.Soglia_Avviso_Backup >= 1 && avviso.Soglia_Avviso_Backup <= 100);
    VERIFICA(avviso.Estrazioni_Dopo_Backup >= 0 &&
             avviso.Estrazioni_Dopo_Backup <= stato.Max_Estrazioni_Archivio);
    (void)maintenance::Controllo_Backup_Messaggio(stato);

    // A table stored whole after its reading reads again without a complaint.
    (void)selection::leggiGiornataAppartenenza(stato);
    VERIFICA(std::all_of(&stato.Giornata_Appartenenza[1], &stato.Giornata_Appartenenza[8],
                         [](int giornata) { return giornata >= 1 && giornata <= 7; }));
    if (selection::completaGiornataAppartenenza(stato)) VERIFICA(selection::leggiGiornataAppartenenza(stato));
    (void)stakes::Leggi_Pagamenti_Poste(stato);
    if (stakes::completaPagamenti(stato)) VERIFICA(stakes::Leggi_Pagamenti_Poste(stato));

    VERIFICA(stato.Moneta_Utilizzata == stakes::EURO || stato.Moneta_Utilizzata == stakes::LIRE);
    VERIFICA(stato.Percentuale_Trattenuta > 0 && stato.Percentuale_Trattenuta <= 100 &&
             stato.Quota_Estratto > 0);
    const auto barre = stakes::barreDaPagamenti(stato);
    for (std::size_t i = 0; i < barre.size(); ++i)
        VERIFICA(barre[i] >= stakes::BARRE_POSTE[i].minimo && barre[i] <= stakes::BARRE_POSTE[i].massimo);
    (void)stakes::Scrivi_Moneta_Trattenuta(stato);
    stakes::Giocata giocata;
    giocata.Numeri_Per_Bolletta = 10;
    giocata.Numeri_Indovinati = 5;
    giocata.Puntata = {0, 1, 1, 1, 1, 1};
    VERIFICA(!(stakes::riscossione(stato, giocata) < stakes::Importo()));
    // The last ticket checked, as the ticket window reads it: a ticket it would accept, or nothing.
    if (const auto ricordo =
            stakes::bollettaDaTesto(core::leggiTestoLungo(stato, core::campi::ULTIMA_GIOCATA)))
        VERIFICA(stakes::controllaBolletta(ricordo->first) && ricordo->second >= 1);
    return 0;
}
