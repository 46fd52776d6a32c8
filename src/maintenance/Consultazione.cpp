#include "Consultazione.h"

#include "core/Testo.h"

namespace maintenance {

namespace {

std::string parte(const std::string& testo, std::size_t inizio, std::size_t quanti) {
    return inizio < testo.size() ? testo.substr(inizio, quanti) : std::string();
}

/** The numeric value of a box, or `vuoto` when the box is empty after trimming. */
int valore(const std::string& testo, int vuoto) {
    return core::senzaSpazi(testo).empty() ? vuoto : core::valoreNumerico(testo);
}

} // namespace

std::array<int, 6> DecompressioneEstrazione(std::string_view record) {
    std::array<int, 6> numeri{};
    for (std::size_t i = 0; i < 5; ++i) {
        const int codice = i < record.size() ? static_cast<unsigned char>(record[i]) : 140;
        numeri[i + 1] = codice >= 50 && codice <= 140 ? 140 - codice : -1;
    }
    return numeri;
}

StatoArchivio Dati_Iniziali_Aggiornamento(core::FileArchivio& file, int maxEstrazioni, int& estrazioni) {
    file.Chiudi_File_Archivio();
    file.Apri_File_Ruote();
    file.Apri_File_Date();
    file.Apri_File_Concorsi();
    const long long lunghezza = std::max(0LL, file.lunghezza(1));
    estrazioni = 0;
    if (lunghezza % core::BYTE_RECORD_RUOTA != 0) return StatoArchivio::LunghezzaErrata;
    if (lunghezza / core::BYTE_RECORD_RUOTA > maxEstrazioni) return StatoArchivio::Troppo;
    // A file that holds more or fewer records than BARI: a draw written at the end would land at a
    // different record in each file, and in a short one after a hole of zero bytes.
    const long long quante = lunghezza / core::BYTE_RECORD_RUOTA;
    for (int f : {2, 3, 4, 5, 6, 7, 8, 9, 10, core::FILE_DATA, core::FILE_CONCORSO})
        if (file.lunghezza(f) != quante * core::FileArchivio::byteRecord(f))
            return StatoArchivio::LunghezzaErrata;
    estrazioni = static_cast<int>(quante);
    return StatoArchivio::Sano;
}

CampiEstrazione Mostra_Estrazione(core::FileArchivio& file, int v) {
    CampiEstrazione campi;
    if (!file.aperto(1)) file.Apri_File_Ruote();
    for (int w = 1; w <= 10; ++w) {
        std::uint8_t record[core::BYTE_RECORD_RUOTA];
        std::fill(std::begin(record), std::end(record), std::uint8_t{140});
        if (v >= 1) file.leggiRecord(w, v, 1, record);
        const auto numeri =
            DecompressioneEstrazione(std::string_view(reinterpret_cast<const char*>(record), 5));
        for (std::size_t i = 1; i <= 5; ++i)
            if (numeri[i] >= 0)
                campi.estratti[static_cast<std::size_t>(5 * w - 5) + i] = std::to_string(numeri[i]);
    }
    const std::string data = file.Leggi_Data_Archivio(v);
    campi.giorno = parte(data, 0, 2);
    campi.mese = parte(data, 3, 2);
    campi.anno = parte(data, 6, 4);
    const std::string concorso = file.Leggi_Concorso_Archivio(v);
    campi.concorso = parte(concorso, 0, 3);
    campi.annoConcorso = parte(concorso, 4, 4);
    return campi;
}

std::array<std::string, 7> Mostra_Dati_Generali(core::FileArchivio& file, int m, int v) {
    return {
        std::to_string(m),           "estr. 1 - " + file.Leggi_Concorso_Archivio(1),
        file.Leggi_Data_Archivio(1), "estr. " + std::to_string(m) + " - " + file.Leggi_Concorso_Archivio(m),
        file.Leggi_Data_Archivio(m), "estr. " + std::to_string(v) + " - " + file.Leggi_Concorso_Archivio(v),
        file.Leggi_Data_Archivio(v)};
}

std::array<int, 56> copiaEstrazione(const CampiEstrazione& campi) {
    std::array<int, 56> memoria{};
    for (std::size_t i = 1; i <= 50; ++i)
        memoria[i] = valore(campi.estratti[i], -1);
    memoria[51] = valore(campi.giorno, 0);
    memoria[52] = valore(campi.mese, 0);
    memoria[53] = valore(campi.anno, 0);
    memoria[54] = valore(campi.concorso, 0);
    memoria[55] = valore(campi.annoConcorso, 0);
    return memoria;
}

CampiEstrazione incollaEstrazione(const std::array<int, 56>& memoria) {
    CampiEstrazione campi;
    for (std::size_t i = 1; i <= 50; ++i)
        if (memoria[i] != -1) campi.estratti[i] = std::to_string(memoria[i]);
    campi.giorno = std::to_string(memoria[51]);
    campi.mese = std::to_string(memoria[52]);
    campi.anno = std::to_string(memoria[53]);
    campi.concorso = std::to_string(memoria[54]);
    campi.annoConcorso = std::to_string(memoria[55]);
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
    for (std::size_t w = 1; w <= 10; ++w) {
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
    righe.push_back("  n° Concorso: " + campi.concorso + "/" + campi.annoConcorso);
    righe.push_back("  Data: " + campi.giorno + "/" + campi.mese + "/" + campi.anno);
    righe.push_back("  Fine dati STAMPA DEI DATI MOSTRATI (aggiornamento estrazioni).");
    return righe;
}

} // namespace maintenance
