// Loading an archive folder of arbitrary files, as the loading window and quintaro-cli load it, then
// what every reader of the loaded archive does with it: the LOTTO routines, the year tables, the payout
// table, the period, the number and pair searches with their orderings, the viewer's panels and the
// readers of the maintenance window.
//
// The input is split at each '\n' into lines, which are the files of a program folder:
//   lines 1..10  RUOTE/BARI .. RUOTE/VENEZIA
//   line 11      RUOTE/DATA
//   line 12      RUOTE/CONCORSO
//   line 13      ImpoBin
//   line 14      the loading choice, "P U C A": first and last draw of the loading bars, C > 0 to
//                apply C cycles from the year of the first draw instead of the whole range, and A != 0
//                to run the pair search too (missing: everything, no pair search; the pair search is
//                left to some inputs because its result tables make a run several times slower)
//   line 15      RUOTE/AGGIORNAMENTO.registro, the names separated by ';'
//   line 16      RUOTE/BARI.transazione
// A file whose line is missing is not written (the loading then reads it as empty).
#include "Sostegno.h"
#include "core/Caricamento.h"
#include "core/Lotto.h"
#include "core/Testo.h"
#include "maintenance/Consultazione.h"
#include "selection/Periodo.h"
#include "stakes/Poste.h"
#include "stats/Navigazione.h"
#include "stats/RicercaAmbi.h"
#include "stats/RicercaNumeri.h"
#include "viewer/Pannelli.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

// An ordering of positions 1..n is a permutation of them.
template <class Ordine> bool permutazione(Ordine ordine, int n) {
    std::sort(ordine.begin() + 1, ordine.end());
    for (int p = 1; p <= n; ++p)
        if (ordine[std::size_t(p)] != p) return false;
    return true;
}

void cercaEOrdina(const core::Stato& stato, bool ambiAncora) {
    stats::RisultatiNumeri numeri;
    const bool trovati = stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, numeri);
    VERIFICA(trovati == (stato.Totale_Estrazioni_Selezionate > 0));
    if (!trovati) return;
    for (const auto* tabella :
         {&numeri.Frequenza_Numero, &numeri.Ritardo_Attuale_Numero, &numeri.Ritardo_Massimo_Numero})
        for (const auto& colonna : *tabella)
            VERIFICA(std::all_of(colonna.begin(), colonna.end(), [](int v) { return v >= 0; }));
    for (int criterio = stats::NUMERICO; criterio <= stats::RITARDO_MASSIMO; ++criterio)
        VERIFICA(permutazione(stats::ordinePosizioni(numeri, 0, criterio), 90));
    if (!ambiAncora) return;
    stats::RisultatiAmbi ambi;
    VERIFICA(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(stato, ambi));
    for (int k = 1; k <= stats::NUMERO_AMBI; ++k)
        VERIFICA(ambi.frequenza(0, k) >= 0 && ambi.ritardoAttuale(0, k) >= 0 &&
                 ambi.ritardoMassimo(0, k) >= 0);
    VERIFICA(permutazione(stats::Ordine_Ambi(ambi, 0, stats::RITARDO_MASSIMO), stats::NUMERO_AMBI));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    static const fuzz::CartellaFuzz cartella;
    cartella.svuota();
    const auto p = fuzz::parti(dati, quanti, '\n', 16);
    const std::filesystem::path ruote("RUOTE");
    for (std::size_t i = 0; i < core::FILE_ARCHIVIO.size() && i < p.size(); ++i)
        cartella.scrivi(ruote / core::nomeFile(core::FILE_ARCHIVIO[i]), p[i]);
    if (p.size() > 12) cartella.scrivi("ImpoBin", p[12]);
    std::array<int, 4> scelta{}; // first and last draw, cycles, pair search; 0 where the line has none
    std::istringstream parole(p.size() > 13 ? p[13] : std::string());
    std::string parola;
    for (int& v : scelta)
        if (parole >> parola) v = core::valoreNumerico(parola);
    if (p.size() > 14) {
        std::string registro = p[14];
        std::replace(registro.begin(), registro.end(), ';', '\n');
        cartella.scrivi(ruote / core::NOME_REGISTRO, registro);
    }
    if (p.size() > 15) cartella.scrivi(ruote / "BARI.transazione", p[15]);
    std::error_code errore;
    std::filesystem::create_directories(cartella.percorso() / ruote, errore);

    core::Stato stato(cartella.percorso());
    core::Imposta_Tabelle_Globali(stato);

    // The loading window's opening: the bars hold values within 1..E, the first never past the last.
    const auto aperto = core::apriArchivio(stato);
    const int E = stato.Estrazioni_In_Archivio;
    VERIFICA(E >= 0 && E <= stato.Max_Estrazioni_Archivio);
    VERIFICA(stato.Max_Concorsi_Anno >= 108 && stato.Max_Concorsi_Anno <= 999);
    const int u = std::clamp(scelta[1] > 0 ? scelta[1] : E, 1, std::max(E, 1));
    const int d = std::clamp(scelta[0] > 0 ? scelta[0] : 1, 1, u);
    for (int r : {d, u})
        VERIFICA(aperto.archivio.Leggi_Data_Archivio(r).size() == core::BYTE_RECORD_DATA &&
                 aperto.archivio.Leggi_Concorso_Archivio(r).size() == core::BYTE_RECORD_CONCORSO);
    if (!core::caricabile(stato, aperto)) return 0; // the loading window ends the program here

    const auto danni = core::caricaEstrazioni(stato, aperto.archivio, d, u - d + 1);
    VERIFICA(stato.Estrazioni_Caricate == u - d + 1);
    VERIFICA(!danni || (!danni->finestra.empty() && !danni->riga.empty()));
    if (!stakes::Leggi_Pagamenti_Poste(stato)) (void)stakes::completaPagamenti(stato);
    if (!selection::leggiGiornataAppartenenza(stato)) (void)selection::completaGiornataAppartenenza(stato);
    // Every loaded record now reads as a real draw or a null one, never as a stray byte; the LOTTO
    // routines read whatever texts the files hold, with draw and wheel arguments anywhere.
    core::LOTTO lotto(stato);
    const auto& numeri = stato.Numeri_Estratti;
    for (int r = -1; r <= stato.Estrazioni_Caricate + 1; ++r) {
        for (int w = 0; w <= core::NUMERO_RUOTE + 1; ++w) {
            if (r >= 0 && w >= 1 && w <= core::NUMERO_RUOTE)
                VERIFICA(!core::recordDanneggiato(stato.Archivio_Estrazioni.record(w, r)));
            lotto.LeggiESTRAZIONE(w, r);
            VERIFICA(numeri[0] == 0 ||
                     std::all_of(&numeri[1], &numeri[6], [](int n) { return n >= 1 && n <= 90; }));
            lotto.LeggiESTRATTIcompressi(w, r);
            VERIFICA(lotto.Sfaldati(stato.Data_Estrazione[1], stato.Estratti_Compressi) <= 5);
        }
        stato.Estrazione_Corrente = r;
        for (const std::string& giorno : {lotto.NomeGIORNATA(r), lotto.NomeGIORNATAapp(r)})
            VERIFICA(giorno == "-" ||
                     std::count(stato.Nome_Giorno.begin() + 1, stato.Nome_Giorno.end(), giorno) == 1);
        // Each field of the date and the contest is read from its own characters only.
        const int giorno = lotto.NumeroGIORNO(), mese = lotto.NumeroMESE(), concorso = lotto.NumeroCONCORSO();
        VERIFICA(std::abs(giorno) <= 99 && std::abs(mese) <= 99 && std::abs(concorso) <= 999 &&
                 std::abs(lotto.NumeroANNO_DATA()) <= 9999);
        if (r >= 0) (void)core::Decomprimi_Estrazione(stato, stato.Data_Estrazione[std::size_t(r)]);
    }

    // The period window and its application.
    for (int anno : {stato.Primo_Anno, stato.Ultimo_Anno}) {
        (void)selection::inizioAnnoPrecedente(stato, anno);
        (void)selection::inizioAnnoSuccessivo(stato, anno);
        (void)selection::fineCicli(stato, anno, std::max(stato.Numero_Anni, 1));
    }
    core::selezioneDaTesto(stato, "1111111111");
    if (scelta[2] > 0) // the cycles bar runs up to the years from the first draw's to the last
        selection::applicaCicli(
            stato, 1,
            std::min(scelta[2], std::max(stato.Ultimo_Anno - selection::annoEstrazione(stato, 1) + 1, 1)));
    else
        selection::applicaFrazionato(stato, 1, stato.Estrazioni_Caricate);
    VERIFICA(stato.Totale_Estrazioni_Selezionate >= 0 &&
             stato.Totale_Estrazioni_Selezionate <= stato.Estrazioni_Caricate);
    cercaEOrdina(stato, scelta[3] != 0);

    // The viewer at its first and last positions.
    const auto barre = viewer::navigazioneIniziale(stato);
    for (int posizione : {barre.minimo, barre.valore})
        for (const auto& pannello : viewer::pannelli(stato, posizione))
            for (const auto& ruota : pannello.Numeri_Pannello)
                VERIFICA(std::all_of(ruota.begin(), ruota.end(), [](int n) { return n >= 0 && n <= 90; }));

    // The maintenance window over the same files.
    const auto manutenzione =
        maintenance::Dati_Iniziali_Aggiornamento(stato.cartellaRuote(), stato.Max_Estrazioni_Archivio);
    VERIFICA(manutenzione.estrazioni >= 0 && manutenzione.estrazioni <= stato.Max_Estrazioni_Archivio);
    if (manutenzione.stato != maintenance::StatoArchivio::Sano) return 0;
    for (int v : {1, manutenzione.estrazioni, manutenzione.estrazioni + 1}) {
        const auto campi = maintenance::Mostra_Estrazione(*manutenzione.archivio, v);
        VERIFICA(std::all_of(campi.estratti.begin() + 1, campi.estratti.begin() + 51,
                             [](const std::string& testo) { return testo.size() <= 2; }));
        (void)maintenance::Mostra_Dati_Generali(*manutenzione.archivio, manutenzione.estrazioni, v);
        (void)maintenance::copiaEstrazione(campi);
    }
    return 0;
}
