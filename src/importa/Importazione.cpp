#include "Importazione.h"

#include "core/Archivio.h"
#include "core/FileArchivio.h"
#include "core/Lotto.h"
#include "core/Testo.h"
#include "maintenance/Aggiornamento.h"
#include "maintenance/Backup.h"

#include <algorithm>
#include <optional>

namespace importa {

namespace {

constexpr int FILE_ARCHIVIO[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, core::FILE_DATA, core::FILE_CONCORSO};

std::filesystem::path percorso(const core::Stato& stato, int f) {
    return stato.cartellaRuote() / stato.Nome_Ruota[static_cast<std::size_t>(f)];
}

std::size_t byteRecord(int f) {
    return static_cast<std::size_t>(core::FileArchivio::byteRecord(f));
}

/** The five bytes the wheel file stores for wheel w (1..10) of a draw. */
std::array<char, 5> record(const Estrazione& estrazione, int w) {
    std::array<char, 5> byte;
    const auto& numeri = estrazione.ruote[static_cast<std::size_t>(w - 1)];
    for (std::size_t i = 0; i < 5; ++i)
        byte[i] = static_cast<char>(numeri[i] == 0 ? core::CODICE_NULLO : core::CODICE_NULLO - numeri[i]);
    return byte;
}

/** The date of a DATA record; an invalid date when the record does not hold one. */
Data dataDelRecord(std::string_view r) {
    Data data{core::valoreNumerico(r.substr(6, 4)), core::valoreNumerico(r.substr(3, 2)),
              core::valoreNumerico(r.substr(0, 2))};
    return data.valida() ? data : Data{};
}

bool scrivi(const core::Stato& stato, const Contenuti& contenuti, const core::Guasto& guasto) {
    std::error_code errore;
    std::filesystem::create_directories(stato.cartellaRuote(), errore);
    std::vector<core::FileNuovo> file;
    for (int f : FILE_ARCHIVIO)
        file.push_back({percorso(stato, f), contenuti[static_cast<std::size_t>(f)]});
    return core::sostituisciInsieme(file, core::registroArchivio(stato.cartellaRuote()), guasto);
}

const char* const SCRITTURA_FALLITA =
    "Impossibile scrivere i file dell'archivio. Alla prossima lettura l'archivio sarà tutto come prima "
    "oppure tutto come dopo l'importazione, mai mescolato.";

EsitoImportazione rifiutata(std::string messaggio) {
    EsitoImportazione esito;
    esito.messaggio = std::move(messaggio) + " L'archivio non è stato modificato.";
    return esito;
}

std::string troppe(const core::Stato& stato, std::size_t quante) {
    return "L'archivio avrebbe " + std::to_string(quante) + " estrazioni, più delle " +
           std::to_string(stato.Max_Estrazioni_Archivio) + " che il programma può gestire.";
}

EsitoImportazione sostituisci(const core::Stato& stato, const Lettura& lettura, const std::tm& quando,
                              const core::Guasto& guasto) {
    EsitoImportazione esito;
    bool qualcosa = false;
    std::error_code ec;
    for (int f : FILE_ARCHIVIO) {
        const auto byte = std::filesystem::file_size(percorso(stato, f), ec);
        qualcosa = qualcosa || (!ec && byte > 0);
    }
    if (qualcosa) {
        const auto copia = maintenance::Backup_Archivio(stato, quando);
        if (!copia)
            return rifiutata("Impossibile salvare una copia dell'archivio attuale (" + copia.messaggio() +
                             ").");
        esito.copia = copia->cartella;
    }
    Contenuti contenuti;
    UltimoConcorso ultimo;
    accoda(contenuti, lettura.estrazioni, 0, ultimo);
    if (!scrivi(stato, contenuti, guasto)) {
        esito.messaggio = SCRITTURA_FALLITA;
        return esito;
    }
    esito.riuscito = true;
    esito.scritte = static_cast<int>(lettura.estrazioni.size());
    esito.messaggio =
        std::string(esito.copia.empty() ? "L'archivio è stato creato: " : "L'archivio è stato sostituito: ") +
        std::to_string(esito.scritte) + " estrazioni, dal " + lettura.estrazioni.front().data.testo() +
        " al " + lettura.estrazioni.back().data.testo() + ".";
    if (!esito.copia.empty())
        esito.messaggio +=
            " L'archivio precedente è stato copiato nella cartella " + esito.copia.filename().string() + ".";
    return esito;
}

EsitoImportazione aggiungi(const core::Stato& stato, const Lettura& lettura, const core::Guasto& guasto) {
    Contenuti contenuti;
    for (int f : FILE_ARCHIVIO) {
        auto contenuto = core::leggiFileIntero(percorso(stato, f));
        if (contenuto) contenuti[static_cast<std::size_t>(f)] = std::move(*contenuto);
    }
    const std::size_t archivio = contenuti[1].size() / core::BYTE_RECORD_RUOTA;
    for (int f : FILE_ARCHIVIO)
        if (contenuti[static_cast<std::size_t>(f)].size() != archivio * byteRecord(f))
            return rifiutata(
                "I file dell'archivio attuale non sono coerenti (il file " +
                stato.Nome_Ruota[static_cast<std::size_t>(f)] + " non ha " + std::to_string(archivio) +
                " estrazioni): per usare le estrazioni del file scegliere la sostituzione dell'archivio.");

    EsitoImportazione esito;
    const auto& file = lettura.estrazioni;
    std::size_t nuove = 0; // the first draw of the file to append
    UltimoConcorso ultimo;
    if (archivio > 0) {
        const std::string& date = contenuti[core::FILE_DATA];
        const auto dataArchivio = [&](std::size_t n) {
            return dataDelRecord(std::string_view(date).substr(n * 10, 10));
        };
        const Data prima = dataArchivio(0), ultima = dataArchivio(archivio - 1);
        if (!ultima.valida())
            return rifiutata(
                "L'ultima estrazione dell'archivio non ha una data valida: non si può sapere quali "
                "estrazioni del file siano successive.");
        // The draws both cover: from the later first date to the earlier last date.
        const Data dal = std::max(prima, file.front().data), al = std::min(ultima, file.back().data);
        std::size_t a = 0, f = 0, diverse = 0;
        std::string primaDifferenza;
        const auto differenza = [&](const std::string& descrizione) {
            if (diverse++ == 0) primaDifferenza = descrizione;
        };
        while (a < archivio && dataArchivio(a) < dal)
            ++a;
        while (f < file.size() && file[f].data < dal)
            ++f;
        esito.precedenti = static_cast<int>(f);
        while ((a < archivio && dataArchivio(a) <= al) || (f < file.size() && file[f].data <= al)) {
            const bool inArchivio = a < archivio && dataArchivio(a) <= al,
                       nelFile = f < file.size() && file[f].data <= al;
            const Data da = inArchivio ? dataArchivio(a) : Data{}, df = nelFile ? file[f].data : Data{};
            if (inArchivio && (!nelFile || da < df)) {
                differenza("l'estrazione n° " + std::to_string(a + 1) + " dell'archivio" +
                           (da.valida() ? ", del " + da.testo() + "," : " (data non valida)") +
                           " manca nel file");
                ++a;
            } else if (nelFile && (!inArchivio || df < da)) {
                differenza("l'estrazione del " + df.testo() + " manca nell'archivio");
                ++f;
            } else {
                std::string ruote;
                for (int w = 1; w <= 10; ++w) {
                    const auto atteso = record(file[f], w);
                    if (std::string_view(contenuti[static_cast<std::size_t>(w)]).substr(a * 5, 5) !=
                        std::string_view(atteso.data(), 5))
                        ruote += (ruote.empty() ? "" : ", ") + std::string(nomeRuota(w));
                }
                if (!ruote.empty())
                    differenza("l'estrazione del " + df.testo() + " ha numeri diversi sulle ruote " + ruote);
                else
                    ++esito.inComune;
                ++a;
                ++f;
            }
        }
        if (diverse > 0)
            return rifiutata("Il file e l'archivio non concordano su " + std::to_string(diverse) +
                             (diverse == 1 ? " estrazione" : " estrazioni") +
                             " del periodo che hanno in comune; la prima: " + primaDifferenza +
                             ". Per usare le estrazioni del file scegliere la sostituzione dell'archivio.");
        nuove = static_cast<std::size_t>(
            std::upper_bound(file.begin(), file.end(), ultima,
                             [](const Data& d, const Estrazione& e) { return d < e.data; }) -
            file.begin());
        const std::string_view concorso =
            std::string_view(contenuti[core::FILE_CONCORSO]).substr((archivio - 1) * 8, 8);
        ultimo = {core::valoreNumerico(concorso.substr(4, 4)), core::valoreNumerico(concorso.substr(0, 3))};
        if (nuove == file.size()) {
            esito.riuscito = true;
            esito.messaggio = "L'archivio è già aggiornato: il file non contiene estrazioni successive al " +
                              ultima.testo() + ". Nessun file è stato modificato.";
            return esito;
        }
    }
    const std::size_t totale = archivio + file.size() - nuove;
    if (totale > static_cast<std::size_t>(stato.Max_Estrazioni_Archivio))
        return rifiutata(troppe(stato, totale));
    accoda(contenuti, file, nuove, ultimo);
    if (!scrivi(stato, contenuti, guasto)) {
        esito.messaggio = SCRITTURA_FALLITA;
        return esito;
    }
    esito.riuscito = true;
    esito.scritte = static_cast<int>(file.size() - nuove);
    esito.messaggio = "Sono state aggiunte " + std::to_string(esito.scritte) + " estrazioni, dal " +
                      file[nuove].data.testo() + " al " + file.back().data.testo() +
                      "; l'archivio ne contiene ora " + std::to_string(totale) + ".";
    if (archivio > 0)
        esito.messaggio += esito.inComune > 0 ? " Le " + std::to_string(esito.inComune) +
                                                    " estrazioni in comune con l'archivio concordano."
                                              : " Il file e l'archivio non hanno estrazioni in comune.";
    return esito;
}

} // namespace

void accoda(Contenuti& contenuti, const std::vector<Estrazione>& estrazioni, std::size_t da,
            UltimoConcorso& ultimo) {
    const std::size_t quante = da < estrazioni.size() ? estrazioni.size() - da : 0;
    for (int f : FILE_ARCHIVIO)
        contenuti[static_cast<std::size_t>(f)].reserve(contenuti[static_cast<std::size_t>(f)].size() +
                                                       quante * byteRecord(f));
    for (std::size_t i = da; i < estrazioni.size(); ++i) {
        const Estrazione& estrazione = estrazioni[i];
        for (int w = 1; w <= 10; ++w) {
            const auto byte = record(estrazione, w);
            contenuti[static_cast<std::size_t>(w)].append(byte.data(), byte.size());
        }
        contenuti[core::FILE_DATA] += estrazione.data.record();
        if (estrazione.data.anno != ultimo.anno) ultimo = {estrazione.data.anno, 0};
        // A year has at most 366 dates, so the number always fits its three characters.
        ++ultimo.numero;
        contenuti[core::FILE_CONCORSO] +=
            core::allineaDestra(std::to_string(ultimo.numero), 3) + '/' + std::to_string(ultimo.anno);
    }
}

EsitoImportazione importaInArchivio(const core::Stato& stato, const Lettura& lettura, Modo modo,
                                    const std::tm& quando, const core::Guasto& guasto) {
    if (!lettura.valida())
        return rifiutata("Il file non può essere importato: ci sono errori (vedere il resoconto).");
    maintenance::completaAggiornamentoInterrotto(stato);
    if (modo == Modo::Sostituisci) {
        if (lettura.estrazioni.size() > static_cast<std::size_t>(stato.Max_Estrazioni_Archivio))
            return rifiutata(troppe(stato, lettura.estrazioni.size()));
        return sostituisci(stato, lettura, quando, guasto);
    }
    return aggiungi(stato, lettura, guasto);
}

} // namespace importa
