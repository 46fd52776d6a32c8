#include "Aggiornamento.h"

#include "core/Archivio.h"
#include "core/Formato.h"

#include <algorithm>
#include <climits>
#include <system_error>

namespace maintenance {

namespace {

/** The records of a typed draw. */
core::RecordEstrazione record(const NuovaEstrazione& estrazione) {
    core::RecordEstrazione record;
    for (std::size_t w = 0; w < record.ruote.size(); ++w) {
        std::array<int, core::NUMERI_PER_RECORD> numeri{};
        for (std::size_t i = 0; i < numeri.size(); ++i)
            numeri[i] = estrazione.numeri[5 * w + i + 1];
        record.ruote[w] = core::codificaRuota(numeri);
    }
    record.data = estrazione.data;
    record.concorso = estrazione.concorso;
    return record;
}

core::Esito<void> recordValido(const NuovaEstrazione& estrazione) {
    if (estrazione.data.size() == core::BYTE_RECORD_DATA &&
        estrazione.concorso.size() == core::BYTE_RECORD_CONCORSO)
        return core::riuscito();
    return {core::Codice::DatoNonValido,
            "La data o il concorso dell' estrazione da registrare non sono validi."};
}

core::Esito<void> fuoriArchivio(int n) {
    return {core::Codice::DatoNonValido, "L' estrazione " + std::to_string(n) + " non è nell' archivio."};
}

/**
 * Reads the archive, applies `cambia` to it in memory, renumbers the contests when asked and writes the
 * archive files as one set.
 */
template <class Cambia>
core::Esito<void> aggiorna(const core::Stato& stato, bool rinumera, const core::Archivio* atteso,
                           const core::Guasto& guasto, Cambia cambia) {
    std::error_code errore;
    if (!std::filesystem::is_directory(stato.cartellaRuote(), errore))
        return {core::Codice::FileIllegibile,
                "La cartella " + stato.cartellaRuote().string() + " non esiste."};
    const auto blocco = core::Blocco::prendi(stato.Cartella_Programma);
    if (!blocco) return blocco.errore();
    auto archivio = core::Archivio::leggi(stato.cartellaRuote());
    if (!archivio) return archivio.errore();
    if (atteso && !archivio->stessiFile(*atteso))
        return {core::Codice::ArchivioCambiato,
                "L'archivio è stato modificato da un altro programma dopo l'apertura di questa finestra: "
                "l'operazione non è stata eseguita, perché l'estrazione mostrata potrebbe non essere più "
                "quella dell'archivio."};
    if (primoFileDiscordante(*archivio) != 0)
        return {core::Codice::ArchivioIncoerente,
                "I file dell' archivio non contengono tutti lo stesso numero di estrazioni."};
    if (auto cambiato = cambia(*archivio); !cambiato) return cambiato;
    // A renumbering stopped half-way would leave an archive that is neither the old one nor the new.
    if (rinumera)
        if (auto rinumerato = rinumeraConcorsi(archivio->concorsi(), stato.Max_Concorsi_Anno); !rinumerato)
            return rinumerato;
    return archivio->scrivi(stato.cartellaRuote(), guasto);
}

} // namespace

int primoFileDiscordante(const core::Archivio& archivio) {
    const core::Verifica verifica = archivio.verifica(INT_MAX);
    if (!verifica.discordanti.empty()) return verifica.discordanti.front().file;
    // BARI shorter than one draw holds none: every other file must then be empty too.
    for (int f : core::FILE_ARCHIVIO)
        if (verifica.estrazioni == 0 && archivio.lunghezza(f) != 0) return f;
    return 0;
}

core::Esito<void> rinumeraConcorsi(std::string& concorsi, int maxConcorsi) {
    constexpr auto byte = static_cast<std::size_t>(core::BYTE_RECORD_CONCORSO);
    if (concorsi.size() % byte != 0)
        return {core::Codice::ArchivioIncoerente, "Il file CONCORSO non è fatto di registrazioni intere."};
    int annoPrecedente = -1, contatore = 0;
    for (std::size_t inizio = 0; inizio < concorsi.size(); inizio += byte) {
        const auto vecchio = core::Concorso::daRecord(std::string_view(concorsi).substr(inizio, byte));
        const auto fuori = [&] {
            return core::Esito<void>(core::Codice::ArchivioIncoerente, "Il concorso dell' estrazione " +
                                                                           std::to_string(inizio / byte + 1) +
                                                                           " non si può rinumerare.");
        };
        if (vecchio.numero < 1 || vecchio.numero > maxConcorsi || vecchio.anno < core::PRIMO_ANNO_AMMESSO ||
            vecchio.anno > core::ULTIMO_ANNO_AMMESSO)
            return fuori();
        if (vecchio.anno > annoPrecedente) {
            contatore = 0;
            annoPrecedente = vecchio.anno;
        }
        // A run of one year longer than the highest contest would be renumbered past it: a count the next
        // renumbering refuses, and past 999 a number that does not fit its three characters. The
        // renumbering stops there, as it does on a contest out of its limits.
        if (++contatore > std::min(maxConcorsi, 999)) return fuori();
        concorsi.replace(inizio, byte, core::recordConcorso(contatore, vecchio.anno));
    }
    return core::riuscito();
}

core::Esito<void> Registrazione_Estrazione(const core::Stato& stato, int n, const NuovaEstrazione& estrazione,
                                           const core::Guasto& guasto, const core::Archivio* atteso) {
    if (auto valido = recordValido(estrazione); !valido) return valido;
    return aggiorna(stato, false, atteso, guasto, [&](core::Archivio& archivio) {
        if (n == archivio.estrazioni() + 1) {
            archivio.accoda(record(estrazione));
            return core::riuscito();
        }
        return archivio.sostituisci(n, record(estrazione)) ? core::riuscito() : fuoriArchivio(n);
    });
}

core::Esito<void> Registrazione_Intramezzo_Estrazione(const core::Stato& stato, int n,
                                                      const NuovaEstrazione& estrazione,
                                                      const core::Guasto& guasto,
                                                      const core::Archivio* atteso) {
    if (auto valido = recordValido(estrazione); !valido) return valido;
    return aggiorna(stato, true, atteso, guasto, [&](core::Archivio& archivio) {
        return archivio.inserisci(n, record(estrazione)) ? core::riuscito() : fuoriArchivio(n);
    });
}

core::Esito<void> Eliminazione_Intramezzo_Estrazione(const core::Stato& stato, int n,
                                                     const core::Guasto& guasto,
                                                     const core::Archivio* atteso) {
    return aggiorna(stato, true, atteso, guasto, [&](core::Archivio& archivio) {
        return archivio.elimina(n) ? core::riuscito() : fuoriArchivio(n);
    });
}

} // namespace maintenance
