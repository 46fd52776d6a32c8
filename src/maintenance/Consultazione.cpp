#include "Consultazione.h"

#include "Aggiornamento.h"
#include "core/Archivio.h"
#include "core/Formato.h"
#include "core/Testo.h"

#include <system_error>

namespace maintenance {

namespace {

/** The numeric value of a box, or `vuoto` when the box is empty after trimming. */
int valore(const std::string& testo, int vuoto) {
    return core::senzaSpazi(testo).empty() ? vuoto : core::valoreNumerico(testo);
}

} // namespace

ArchivioAperto Dati_Iniziali_Aggiornamento(const std::filesystem::path& cartella, int maxEstrazioni) {
    std::error_code errore;
    auto letto = core::Archivio::leggi(cartella);
    if (!letto || !std::filesystem::is_directory(cartella, errore))
        return {std::make_shared<const core::Archivio>(), StatoArchivio::LunghezzaErrata, 0};
    auto archivio = std::make_shared<const core::Archivio>(std::move(*letto));
    // A file that holds more or fewer records than BARI: a draw written at the end would land at a
    // different record in each file.
    const int discordante = primoFileDiscordante(*archivio);
    if (discordante == 1) return {archivio, StatoArchivio::LunghezzaErrata, 0};
    if (archivio->estrazioni() > maxEstrazioni) return {archivio, StatoArchivio::Troppo, 0};
    if (discordante != 0) return {archivio, StatoArchivio::LunghezzaErrata, 0};
    const int estrazioni = archivio->estrazioni();
    return {std::move(archivio), StatoArchivio::Sano, estrazioni};
}

CampiEstrazione Mostra_Estrazione(const core::Archivio& archivio, int v) {
    CampiEstrazione campi;
    for (int w = 1; w <= core::RUOTE_ARCHIVIO; ++w) {
        const std::uint8_t* record = archivio.ruota(w, v);
        if (!record) record = core::RECORD_NULLO.data();
        for (std::size_t i = 0; i < core::RECORD_NULLO.size(); ++i)
            if (const int n = core::decodificaNumero(record[i]); n >= 0)
                campi.estratti[static_cast<std::size_t>(5 * w - 4) + i] = std::to_string(n);
    }
    const std::string data = archivio.Leggi_Data_Archivio(v);
    const auto [giorno, mese, anno] = core::campiRecordData(data);
    campi.giorno = giorno;
    campi.mese = mese;
    campi.anno = anno;
    const std::string concorso = archivio.Leggi_Concorso_Archivio(v);
    const auto [numero, annoConcorso] = core::campiRecordConcorso(concorso);
    campi.concorso = numero;
    campi.annoConcorso = annoConcorso;
    return campi;
}

std::array<std::string, 7> Mostra_Dati_Generali(const core::Archivio& archivio, int m, int v) {
    // A date as the program writes it for a person, d/m/yyyy; a record without a valid date as it is.
    const auto data = [&](int d) {
        const std::string record = archivio.Leggi_Data_Archivio(d);
        const core::Data letta = core::Data::daRecord(record);
        return letta.valida() ? letta.testo() : record;
    };
    return {std::to_string(m),
            "estr. 1 - " + archivio.Leggi_Concorso_Archivio(1),
            data(1),
            "estr. " + std::to_string(m) + " - " + archivio.Leggi_Concorso_Archivio(m),
            data(m),
            "estr. " + std::to_string(v) + " - " + archivio.Leggi_Concorso_Archivio(v),
            data(v)};
}

std::array<int, CASELLE_NUMERI + 6> copiaEstrazione(const CampiEstrazione& campi) {
    constexpr std::size_t N = CASELLE_NUMERI;
    std::array<int, N + 6> memoria{};
    for (std::size_t i = 1; i <= N; ++i)
        memoria[i] = valore(campi.estratti[i], -1);
    memoria[N + 1] = valore(campi.giorno, 0);
    memoria[N + 2] = valore(campi.mese, 0);
    memoria[N + 3] = valore(campi.anno, 0);
    memoria[N + 4] = valore(campi.concorso, 0);
    memoria[N + 5] = valore(campi.annoConcorso, 0);
    return memoria;
}

CampiEstrazione incollaEstrazione(const std::array<int, CASELLE_NUMERI + 6>& memoria) {
    constexpr std::size_t N = CASELLE_NUMERI;
    CampiEstrazione campi;
    for (std::size_t i = 1; i <= N; ++i)
        if (memoria[i] != -1) campi.estratti[i] = std::to_string(memoria[i]);
    campi.giorno = std::to_string(memoria[N + 1]);
    campi.mese = std::to_string(memoria[N + 2]);
    campi.anno = std::to_string(memoria[N + 3]);
    campi.concorso = std::to_string(memoria[N + 4]);
    campi.annoConcorso = std::to_string(memoria[N + 5]);
    return campi;
}

std::string testoReport(const std::array<int, 5>& contatori) {
    return "Nuove estrazioni Aggiunte = " + std::to_string(contatori[1]) + "\r" +
           "Vecchie estrazioni Modificate = " + std::to_string(contatori[2]) + "\r" +
           "Estrazioni inserite all' interno all' archivio = " + std::to_string(contatori[3]) + "\r" +
           "Estrazioni Eliminate = " + std::to_string(contatori[4]) + "\r";
}

std::string intestazioneStampa(std::string_view titolo, int revisione, std::string_view data) {
    return std::string(titolo) + "   " + std::to_string(revisione) + "  , oggi: " + std::string(data);
}

std::vector<std::string> righeStampaEstrazione(const CampiEstrazione& campi,
                                               const std::array<std::string, 15>& nomiRuote,
                                               std::string_view numeroEstrazione) {
    std::vector<std::string> righe{"", " STAMPA DEI DATI MOSTRATI (aggiornamento estrazioni).", ""};
    for (std::size_t w = 1; w <= core::RUOTE_ARCHIVIO; ++w) {
        std::string riga = "  " + nomiRuote[w];
        for (std::size_t i = 1; i <= 5; ++i) {
            // Column 17 + 4(i-1), 1-based: at least one blank always separates the fields.
            const std::size_t colonna = 16 + 4 * (i - 1);
            riga.resize(std::max(colonna, riga.size() + 1), ' ');
            riga += campi.estratti[5 * (w - 1) + i];
        }
        righe.push_back(riga);
    }
    righe.push_back("");
    righe.push_back("  n° Estrazione: " + std::string(numeroEstrazione));
    // Written for a person: "7/2003" and "12/3/2003", without the records' padding.
    const auto campo = [](const std::string& testo) { return std::string(core::senzaSpazi(testo)); };
    righe.push_back("  n° Concorso: " + campo(campi.concorso) + "/" + campo(campi.annoConcorso));
    righe.push_back("  Data: " + campo(campi.giorno) + "/" + campo(campi.mese) + "/" + campo(campi.anno));
    righe.push_back("  Fine dati STAMPA DEI DATI MOSTRATI (aggiornamento estrazioni).");
    return righe;
}

} // namespace maintenance
