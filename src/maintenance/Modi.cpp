#include "Modi.h"

#include "Backup.h"
#include "core/Archivio.h"

namespace maintenance {

namespace {

core::Esito<void> esegui(const core::Stato& stato, Modo modo, int n, const NuovaEstrazione& estrazione,
                         const core::Guasto& guasto, const core::Archivio* atteso) {
    switch (modo) {
    case Modo::Nuova:
    case Modo::Vecchia:
        return Registrazione_Estrazione(stato, n, estrazione, guasto, atteso);
    case Modo::Intramezzo:
        return Registrazione_Intramezzo_Estrazione(stato, n, estrazione, guasto, atteso);
    case Modo::Elimina:
        return Eliminazione_Intramezzo_Estrazione(stato, n, guasto, atteso);
    case Modo::Sfoglia:
        break;
    }
    return {core::Codice::DatoNonValido, "Nessuna operazione da eseguire."};
}

} // namespace

Avviso avvisoDanno(StatoArchivio stato) {
    return {
        {},
        stato == StatoArchivio::Troppo
            ? "Troppe estrazioni inserite nell'archivio. L' archivio puo' contenere sino a 32000 estrazioni, "
              "il limite e' stato raggiunto. Eliminare le estrazioni precedenti per poterne immettere di "
              "nuove!"
            : "ATTENZIONE: rilevati errori nell' archivio estrazioni; eseguire il Check dell' archivio!",
        true};
}

std::optional<RifiutoModo> rifiutoModo(Modo modo, const ArchivioAperto& archivio, int massimo) {
    if (archivio.stato != StatoArchivio::Sano) return RifiutoModo{avvisoDanno(archivio.stato)};
    // A full archive takes no further draw; its draws may still be corrected or deleted.
    if ((modo == Modo::Nuova || modo == Modo::Intramezzo) && archivio.estrazioni >= massimo)
        return RifiutoModo{
            {{},
             "Limite di estrazioni registrabili raggiunto. Impossibile aggiornare ulteriormente "
             "l' Archivio.",
             true}};
    // Nothing to change in an empty archive: new-draw mode is the only way in.
    if (modo != Modo::Nuova && archivio.estrazioni < 1)
        return RifiutoModo{{{}, "L' archivio non contiene estrazioni.", true}, true};
    return std::nullopt;
}

int estrazioneDelModo(Modo modo, const ArchivioAperto& archivio, int mostrata) {
    return modo == Modo::Nuova ? archivio.estrazioni + 1 : mostrata;
}

LimitiEstrazione limitiDelModo(Modo modo, const ArchivioAperto& archivio, int n, const core::Data& oggi,
                               const core::Stato& stato) {
    LimitiEstrazione limiti;
    limiti.maxEstrazioni = stato.Max_Estrazioni_Archivio;
    limiti.maxConcorsi = stato.Max_Concorsi_Anno;
    limiti.oggi = oggi;
    const int m = archivio.estrazioni;
    const int prima = modo == Modo::Nuova ? m : n - 1;
    const int dopo = modo == Modo::Nuova ? 0 : modo == Modo::Intramezzo ? n : n + 1;
    if (prima >= 1 && prima <= m) {
        limiti.precedente = prima;
        limiti.dataPrecedente = archivio.archivio->Leggi_Data_Archivio(prima);
    }
    if (dopo >= 1 && dopo <= m) {
        limiti.successiva = dopo;
        limiti.dataSuccessiva = archivio.archivio->Leggi_Data_Archivio(dopo);
    }
    return limiti;
}

std::optional<Avviso> domandaDelModo(Modo modo, int n) {
    if (modo != Modo::Intramezzo && modo != Modo::Elimina) return std::nullopt;
    return Avviso{" CONFERMA OPERAZIONE",
                  std::string(modo == Modo::Intramezzo
                                  ? "ATTENZIONE: si sta per INSERIRE una nuova estrazione all' interno dell' "
                                    "archivio estrazioni."
                                  : "ATTENZIONE: si sta per ELIMINARE una estrazione all' interno dell' "
                                    "archivio estrazioni.") +
                      "n° estrazione = " + std::to_string(n) + ", CONTINUARE?"};
}

EsitoOperazione eseguiOperazione(core::Stato& stato, const ArchivioAperto& archivio, Modo modo, int n,
                                 const NuovaEstrazione& estrazione, const core::Guasto& guasto) {
    const auto esito = esegui(stato, modo, n, estrazione, guasto, archivio.archivio.get());
    const bool rinumera = modo == Modo::Intramezzo || modo == Modo::Elimina;
    EsitoOperazione operazione{esito.riuscito(), {}};
    // Nothing was written: what the user was looking at is not the archive any more, or another program
    // is writing it.
    if (esito.codice() == core::Codice::ArchivioCambiato || esito.codice() == core::Codice::ArchivioInUso ||
        esito.codice() == core::Codice::Annullato) {
        if (!esito.riuscito()) {
            operazione.cambiato = esito.codice() == core::Codice::ArchivioCambiato;
            operazione.avvisi.push_back({{}, esito.messaggio(), true});
            return operazione;
        }
    }
    if (!esito) {
        // Past the set's point of no return the new set stands: the views of the draws must learn it.
        const auto dopo = core::Archivio::leggi(stato.cartellaRuote());
        if (dopo && !dopo->stessiFile(*archivio.archivio)) stato.Archivio_Modificato = true;
        if (rinumera && esito.codice() == core::Codice::ArchivioIncoerente)
            operazione.avvisi.push_back(
                {"RISCRITTURA DEI CONCORSI",
                 "ATTENZIONE: e' occorso un errore nella riscrittura della numerazione "
                 "dei concorsi. Si consiglia di eseguire il Check dell' archivio.",
                 true});
        operazione.avvisi.push_back(
            {modo == Modo::Nuova ? "Inserimento NUOVA ESTRAZIONE" : "Modifica VECCHIA ESTRAZIONE",
             modo == Modo::Elimina
                 ? "ATTENZIONE: impossibile ELIMINARE l' estrazione inserita, problemi di File!"
                 : "ATTENZIONE: impossibile Registrare l' estrazione inserita, problemi di File!",
             true});
        return operazione;
    }
    const int contatore = modo == Modo::Nuova        ? 1
                          : modo == Modo::Vecchia    ? 2
                          : modo == Modo::Intramezzo ? 3
                                                     : 4;
    static const char* const titoli[] = {"", "INSERIMENTO Nuova Estrazione", "MODIFICA Vecchia Estrazione",
                                         "Inserimento INTRAMEZZO Estrazione", "ELIMINA Vecchia Estrazione"};
    stato.Archivio_Modificato = true;
    ++stato.Contatori_Modifiche[static_cast<std::size_t>(contatore)];
    operazione.avvisi.push_back({titoli[contatore], modo == Modo::Elimina
                                                        ? "ELIMINAZIONE effettuata con successo!"
                                                        : "Registrazione effettuata con successo!"});
    if (modo == Modo::Nuova) {
        const auto controllo = Controllo_Backup_Messaggio(stato);
        if (!controllo.conteggio)
            operazione.avvisi.push_back(
                {{},
                 "ATTENZIONE: impossibile registrare nel file ImpoBin il numero delle "
                 "estrazioni inserite dall' ultimo backup: l' avviso programmato di "
                 "backup non ne terrà conto.",
                 true});
        if (controllo.avviso)
            operazione.avvisi.push_back({"AVVISO PROGRAMMATO DI BACKUP ARCHIVIO", *controllo.avviso});
    }
    return operazione;
}

bool estrazioneDaRegistrare(Modo modo, const CampiEstrazione& digitati, const CampiEstrazione& mostrati) {
    if (modo != Modo::Nuova && modo != Modo::Vecchia && modo != Modo::Intramezzo) return false;
    const auto pieno = [](const std::string& testo) {
        return testo.find_first_not_of(' ') != std::string::npos;
    };
    // The ten traditional wheels typed whole; the Nazionale's boxes may stay empty (a null record).
    for (std::size_t i = 1; i <= std::size_t{core::NUMERI_PER_RECORD} * core::RUOTE_TRADIZIONALI; ++i)
        if (!pieno(digitati.estratti[i])) return false;
    for (const std::string* casella : {&digitati.giorno, &digitati.mese, &digitati.anno, &digitati.concorso})
        if (!pieno(*casella)) return false;
    return digitati.estratti != mostrati.estratti || digitati.giorno != mostrati.giorno ||
           digitati.mese != mostrati.mese || digitati.anno != mostrati.anno ||
           digitati.concorso != mostrati.concorso;
}

} // namespace maintenance
