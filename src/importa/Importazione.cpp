#include "Importazione.h"

#include "core/Archivio.h"
#include "core/Blocco.h"
#include "maintenance/Aggiornamento.h"
#include "maintenance/Backup.h"

#include <algorithm>
#include <system_error>

namespace importa {

namespace {

using Esito = core::Esito<Importazione>;

/** The last contest written: its year and number within the year (0 and 0 before the first). */
struct UltimoConcorso {
    int anno = 0;
    int numero = 0;
};

std::string nome(int f) {
    return std::string(core::nomeFile(f));
}

/** The record that the file of wheel w (1..RUOTE_ARCHIVIO) stores for a draw. */
core::RecordRuota record(const Estrazione& estrazione, int w) {
    const auto& numeri = estrazione.ruote[static_cast<std::size_t>(w - 1)];
    return core::codificaRuota({numeri[0], numeri[1], numeri[2], numeri[3], numeri[4]});
}

/**
 * Appends draws `da`..end to the archive. Contests count 1, 2, 3, ... within each calendar year of the
 * dates, continuing from `ultimo`.
 */
void accoda(core::Archivio& archivio, const std::vector<Estrazione>& estrazioni, std::size_t da,
            UltimoConcorso ultimo) {
    for (std::size_t i = da; i < estrazioni.size(); ++i) {
        const Estrazione& estrazione = estrazioni[i];
        core::RecordEstrazione registrata;
        for (int w = 1; w <= core::RUOTE_ARCHIVIO; ++w)
            registrata.ruote[static_cast<std::size_t>(w - 1)] = record(estrazione, w);
        registrata.data = estrazione.data.record();
        if (estrazione.data.anno != ultimo.anno) ultimo = {estrazione.data.anno, 0};
        // A year has at most 366 dates, so the number always fits its three characters.
        registrata.concorso = core::recordConcorso(++ultimo.numero, ultimo.anno);
        archivio.accoda(registrata);
    }
}

/** The date of draw n (1-based) of the archive; an invalid date when its record does not hold one. */
core::Data dataDellArchivio(const core::Archivio& archivio, std::size_t n) {
    const core::Data data = core::Data::daRecord(archivio.Leggi_Data_Archivio(static_cast<int>(n)));
    return data.valida() ? data : core::Data{};
}

/** The five numbers of a wheel record, "12 34 56 7 89"; "-" for a byte that stands for none. */
std::string cinqueNumeri(const std::uint8_t* record) {
    std::string testo;
    for (int i = 0; i < core::NUMERI_PER_RECORD; ++i) {
        const int n = core::decodificaNumero(record[i]);
        testo += (i == 0 ? "" : " ") + (n > 0 ? std::to_string(n) : std::string("-"));
    }
    return testo;
}

/** The draws `da`..end as an addition would append them, their contests continuing from `ultimo`. */
std::string elencoNuove(const std::vector<Estrazione>& estrazioni, std::size_t da, UltimoConcorso ultimo) {
    static constexpr const char* SIGLE[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE"};
    std::string testo;
    for (std::size_t i = da; i < estrazioni.size(); ++i) {
        const Estrazione& estrazione = estrazioni[i];
        if (estrazione.data.anno != ultimo.anno) ultimo = {estrazione.data.anno, 0};
        ++ultimo.numero;
        if (i - da == MASSIMO_ELENCATE) {
            testo += "... e altre " + std::to_string(estrazioni.size() - i) + " estrazioni\n";
            break;
        }
        testo += std::to_string(i - da + 1) + ") " + estrazione.data.testo() + ", concorso " +
                 std::to_string(ultimo.numero) + "/" + std::to_string(ultimo.anno) + '\n';
        for (std::size_t w = 0; w < 10; ++w) {
            testo += (w % 5 == 0 ? "   " : " | ") + std::string(SIGLE[w]);
            for (const std::uint8_t n : estrazione.ruote[w])
                testo += n == 0 ? std::string(" --") : (n < 10 ? "  " : " ") + std::to_string(n);
            if (w % 5 == 4) testo += '\n';
        }
        if (estrazione.presente(core::FILE_NAZIONALE)) {
            testo += "   NZ";
            for (const std::uint8_t n : estrazione.ruote[core::FILE_NAZIONALE - 1])
                testo += (n < 10 ? "  " : " ") + std::to_string(n);
            testo += '\n';
        }
    }
    return testo;
}

const char* const SCRITTURA_FALLITA =
    "Impossibile scrivere i file dell'archivio. Alla prossima lettura l'archivio sarà tutto come prima "
    "oppure tutto come dopo l'importazione, mai mescolato.";

Esito rifiutata(core::Codice codice, const std::string& messaggio) {
    return Esito(codice, messaggio + " L'archivio non è stato modificato.");
}

/** A write of the set that failed: past its start the archive is the old or the new one, never mixed;
 * refused before it (another program's lock), it is untouched. */
Esito scritturaFallita(const core::Esito<void>& scritto) {
    return scritto.codice() == core::Codice::FileNonScrivibile
               ? Esito(core::Codice::FileNonScrivibile, SCRITTURA_FALLITA)
               : rifiutata(scritto.codice(), scritto.messaggio());
}

std::string troppe(const core::Stato& stato, std::size_t quante) {
    return "L'archivio avrebbe " + std::to_string(quante) + " estrazioni, più delle " +
           std::to_string(stato.Max_Estrazioni_Archivio) + " che il programma può gestire.";
}

Esito sostituisci(const core::Stato& stato, const Lettura& lettura, const std::tm& quando,
                  const core::Guasto& guasto) {
    Importazione fatto;
    bool qualcosa = false;
    std::error_code ec;
    for (int f : core::FILE_ARCHIVIO) {
        const auto byte = std::filesystem::file_size(stato.cartellaRuote() / core::nomeFile(f), ec);
        qualcosa = qualcosa || (!ec && byte > 0);
    }
    if (qualcosa) {
        const auto copia = maintenance::Backup_Archivio(stato, quando);
        if (!copia)
            return rifiutata(copia.codice(), "Impossibile salvare una copia dell'archivio attuale (" +
                                                 copia.messaggio() + ").");
        fatto.copia = copia->cartella;
    }
    core::Archivio archivio;
    accoda(archivio, lettura.estrazioni, 0, {});
    if (const auto scritto = archivio.scrivi(stato.cartellaRuote(), guasto); !scritto)
        return scritturaFallita(scritto);
    fatto.scritte = static_cast<int>(lettura.estrazioni.size());
    fatto.messaggio =
        std::string(fatto.copia.empty() ? "L'archivio è stato creato: " : "L'archivio è stato sostituito: ") +
        std::to_string(fatto.scritte) + " estrazioni, dal " + lettura.estrazioni.front().data.testo() +
        " al " + lettura.estrazioni.back().data.testo() + ".";
    if (!fatto.copia.empty())
        fatto.messaggio +=
            " L'archivio precedente è stato copiato nella cartella " + fatto.copia.filename().string() + ".";
    return fatto;
}

/**
 * The addition; with `scrivere` false it stops before the writing, counting what it would append. With a
 * `proposta` it writes only what the proposal said it would.
 */
Esito aggiungi(const core::Stato& stato, const Lettura& lettura, const core::Guasto& guasto, bool scrivere,
               const Importazione* proposta) {
    auto letto = core::Archivio::leggi(stato.cartellaRuote());
    if (!letto) return rifiutata(letto.codice(), letto.messaggio());
    core::Archivio& archivio = *letto;
    const auto estrazioni = static_cast<std::size_t>(archivio.lunghezza(1) / core::BYTE_RECORD_RUOTA);
    if (const int f = maintenance::primoFileDiscordante(archivio))
        return rifiutata(core::Codice::ArchivioIncoerente,
                         "I file dell'archivio attuale non sono coerenti (il file " + nome(f) + " non ha " +
                             std::to_string(estrazioni) +
                             " estrazioni): per usare le estrazioni del file scegliere la sostituzione "
                             "dell'archivio.");
    // Files longer than the archive reader takes are read only in part: they hold more than may be kept.
    if (archivio.lunghezza(1) > static_cast<long long>(archivio.byte(1).size()))
        return rifiutata(core::Codice::ArchivioPieno, troppe(stato, estrazioni));

    Importazione fatto;
    fatto.estrazioniArchivio = static_cast<int>(estrazioni);
    const auto& file = lettura.estrazioni;
    std::size_t nuove = 0; // the first draw of the file to append
    UltimoConcorso ultimo;
    // Draws of the archive (1-based) whose missing Nazionale the file gives.
    std::vector<std::pair<int, core::RecordRuota>> completare;
    if (estrazioni > 0) {
        const auto dataArchivio = [&](std::size_t n) { return dataDellArchivio(archivio, n + 1); };
        const core::Data prima = dataArchivio(0), ultima = dataArchivio(estrazioni - 1);
        if (!ultima.valida())
            return rifiutata(
                core::Codice::ArchivioIncoerente,
                "L'ultima estrazione dell'archivio non ha una data valida: non si può sapere quali "
                "estrazioni del file siano successive.");
        // The draws both cover: from the later first date to the earlier last date.
        const core::Data dal = std::max(prima, file.front().data), al = std::min(ultima, file.back().data);
        std::size_t a = 0, f = 0, diverse = 0;
        std::string primaDifferenza;
        const auto differenza = [&](const std::string& descrizione) {
            if (diverse++ == 0) primaDifferenza = descrizione;
        };
        while (a < estrazioni && dataArchivio(a) < dal)
            ++a;
        while (f < file.size() && file[f].data < dal)
            ++f;
        fatto.precedenti = static_cast<int>(f);
        while ((a < estrazioni && dataArchivio(a) <= al) || (f < file.size() && file[f].data <= al)) {
            const core::Data da = a < estrazioni ? dataArchivio(a) : core::Data{};
            const bool inArchivio = a < estrazioni && da <= al,
                       nelFile = f < file.size() && file[f].data <= al;
            const core::Data df = nelFile ? file[f].data : core::Data{};
            if (inArchivio && (!nelFile || da < df)) {
                differenza("l'estrazione n° " + std::to_string(a + 1) + " dell'archivio" +
                           (da.valida() ? ", del " + da.testo() + "," : " (data non valida)") +
                           " manca nel file");
                ++a;
            } else if (nelFile && (!inArchivio || df < da)) {
                differenza("l'estrazione del " + df.testo() + " manca nell'archivio");
                ++f;
            } else {
                std::string ruote, numeri;
                int quante = 0;
                for (int w = 1; w <= core::RUOTE_ARCHIVIO; ++w) {
                    const auto atteso = record(file[f], w);
                    const std::uint8_t* registrato = archivio.ruota(w, static_cast<int>(a + 1));
                    if (std::equal(atteso.begin(), atteso.end(), registrato)) continue;
                    // The Nazionale of an archive written before it existed is completed; a file without
                    // it says nothing of the archive's.
                    if (w == core::FILE_NAZIONALE && registrato[0] == core::CODICE_NULLO) {
                        completare.emplace_back(static_cast<int>(a + 1), atteso);
                        continue;
                    }
                    if (w == core::FILE_NAZIONALE && !file[f].presente(w)) continue;
                    ruote += (quante++ == 0 ? "" : ", ") + nome(w);
                    numeri += (numeri.empty() ? "" : "; ") + nome(w) + ": archivio " +
                              cinqueNumeri(registrato) + ", file " + cinqueNumeri(atteso.data());
                }
                if (quante > 0)
                    differenza("l'estrazione del " + df.testo() + " ha numeri diversi " +
                               (quante == 1 ? "sulla ruota " : "sulle ruote ") + ruote + " (" + numeri + ")");
                else
                    ++fatto.inComune;
                ++a;
                ++f;
            }
        }
        if (diverse > 0)
            return rifiutata(core::Codice::Discordanza,
                             "Il file e l'archivio non concordano su " +
                                 (diverse == 1
                                      ? std::string("un'estrazione del periodo che hanno in comune: ")
                                      : std::to_string(diverse) +
                                            " estrazioni del periodo che hanno in comune; la prima: ") +
                                 primaDifferenza +
                                 ". Per usare le estrazioni del file scegliere la sostituzione dell'archivio "
                                 "(Archivio / Importa archivio…, Sostituisci).");
        nuove = static_cast<std::size_t>(
            std::upper_bound(file.begin(), file.end(), ultima,
                             [](const core::Data& d, const Estrazione& e) { return d < e.data; }) -
            file.begin());
        const auto concorso =
            core::Concorso::daRecord(archivio.Leggi_Concorso_Archivio(static_cast<int>(estrazioni)));
        ultimo = {concorso.anno, concorso.numero};
        fatto.nazionaliCompletate = static_cast<int>(completare.size());
        if (nuove == file.size() && completare.empty()) {
            fatto.messaggio = "L'archivio è già aggiornato: il file non contiene estrazioni successive al " +
                              ultima.testo() + ". Nessun file è stato modificato.";
            return fatto;
        }
    }
    const std::size_t totale = estrazioni + file.size() - nuove;
    if (totale > static_cast<std::size_t>(stato.Max_Estrazioni_Archivio))
        return rifiutata(core::Codice::ArchivioPieno, troppe(stato, totale));
    const std::string completate = completare.empty()
                                       ? std::string()
                                       : " La ruota Nazionale " + std::string(scrivere ? "è stata" : "sarà") +
                                             " completata in " + std::to_string(completare.size()) +
                                             (completare.size() == 1 ? " estrazione" : " estrazioni") +
                                             " dell'archivio che non la avevano.";
    if (!scrivere) {
        fatto.elenco = elencoNuove(file, nuove, ultimo);
        fatto.scritte = static_cast<int>(file.size() - nuove);
        fatto.messaggio =
            fatto.scritte == 0
                ? "Il file non contiene estrazioni nuove."
                : "Il file contiene " + std::to_string(fatto.scritte) +
                      (fatto.scritte == 1 ? " estrazione nuova, del " : " estrazioni nuove, dal ") +
                      file[nuove].data.testo() +
                      (fatto.scritte == 1 ? "." : " al " + file.back().data.testo() + ".");
        fatto.messaggio += completate;
        return fatto;
    }
    if (proposta && (proposta->estrazioniArchivio != fatto.estrazioniArchivio ||
                     proposta->scritte != static_cast<int>(file.size() - nuove) ||
                     proposta->nazionaliCompletate != fatto.nazionaliCompletate))
        return rifiutata(
            core::Codice::ArchivioCambiato,
            "L'archivio è stato modificato da un altro programma dopo il controllo del file: ora "
            "ha " +
                std::to_string(estrazioni) + " estrazioni invece di " +
                std::to_string(proposta->estrazioniArchivio) +
                ". Ripetere l'aggiornamento per vedere che cosa aggiungerebbe ora.");
    for (const auto& [n, nazionale] : completare) {
        auto estrazione = archivio.estrazione(n);
        estrazione.ruote[core::FILE_NAZIONALE - 1] = nazionale;
        if (!archivio.sostituisci(n, estrazione))
            return rifiutata(core::Codice::ArchivioIncoerente,
                             "L'estrazione " + std::to_string(n) + " non è nell'archivio.");
    }
    accoda(archivio, file, nuove, ultimo);
    if (const auto scritto = archivio.scrivi(stato.cartellaRuote(), guasto); !scritto)
        return scritturaFallita(scritto);
    fatto.scritte = static_cast<int>(file.size() - nuove);
    fatto.messaggio = fatto.scritte == 0
                          ? "Nessuna estrazione nuova; l'archivio ne contiene " + std::to_string(totale) + "."
                          : "Sono state aggiunte " + std::to_string(fatto.scritte) + " estrazioni, dal " +
                                file[nuove].data.testo() + " al " + file.back().data.testo() +
                                "; l'archivio ne contiene ora " + std::to_string(totale) + ".";
    fatto.messaggio += completate;
    if (estrazioni > 0)
        fatto.messaggio += fatto.inComune > 0 ? " Le " + std::to_string(fatto.inComune) +
                                                    " estrazioni in comune con l'archivio concordano."
                                              : " Il file e l'archivio non hanno estrazioni in comune.";
    return fatto;
}

} // namespace

core::Esito<Importazione> importaEstrazioni(const core::Stato& stato, const Lettura& lettura, Modo modo,
                                            const std::tm& quando, const core::Guasto& guasto,
                                            const Importazione* proposta) {
    if (!lettura.valida())
        return rifiutata(core::Codice::DatoNonValido,
                         "Il file non può essere importato: ci sono errori (vedere il resoconto).");
    // One writer at a time, from the reading of the archive to the writing of the new one.
    const auto blocco = core::Blocco::prendi(stato.Cartella_Programma);
    if (!blocco) return rifiutata(blocco.codice(), blocco.messaggio());
    core::completaAggiornamentoInterrotto(stato.cartellaRuote());
    if (modo == Modo::Sostituisci) {
        if (lettura.estrazioni.size() > static_cast<std::size_t>(stato.Max_Estrazioni_Archivio))
            return rifiutata(core::Codice::ArchivioPieno, troppe(stato, lettura.estrazioni.size()));
        return sostituisci(stato, lettura, quando, guasto);
    }
    return aggiungi(stato, lettura, guasto, true, proposta);
}

std::string avvisoSostituzione(const core::Stato& stato, const Lettura& lettura) {
    if (!lettura.valida()) return {};
    const auto letto = core::Archivio::leggi(stato.cartellaRuote());
    if (!letto) return {};
    const core::Data fine = lettura.estrazioni.back().data;
    const auto estrazioni = static_cast<std::size_t>(std::max(letto->estrazioni(), 0));
    const core::Data ultima = estrazioni > 0 ? dataDellArchivio(*letto, estrazioni) : core::Data{};
    std::size_t recenti = 0;
    while (recenti < estrazioni) {
        const core::Data data = dataDellArchivio(*letto, estrazioni - recenti);
        if (!data.valida() || data <= fine) break;
        ++recenti;
    }
    if (recenti == 0) return {};
    return "Il file finisce il " + fine.testo() + ", l'archivio il " + ultima.testo() + ": " +
           (recenti == 1 ? std::string("1 estrazione più recente non sarà")
                         : std::to_string(recenti) + " estrazioni più recenti non saranno") +
           " nel nuovo archivio (ne resta la copia in " + (stato.Cartella_Ruote + "_backup_…") + ").";
}

core::Esito<Importazione> provaAggiunta(const core::Stato& stato, const Lettura& lettura) {
    if (!lettura.valida())
        return rifiutata(core::Codice::DatoNonValido,
                         "Il file non può essere importato: ci sono errori (vedere il resoconto).");
    return aggiungi(stato, lettura, {}, false, nullptr);
}

} // namespace importa
