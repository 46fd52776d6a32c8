#include "Caricamento.h"

#include "Impostazioni.h"
#include "Lotto.h"

#include <algorithm>
#include <array>

namespace core {

int leggiMaxConcorsiAnno(const Stato& stato) {
    const int valore = Leggi_Numero_Impostazione(stato, 10);
    return valore >= 108 && valore <= 999 ? valore : MAX_CONCORSI_ANNO_PREDEFINITO;
}

bool limitaEstrazioniGestibili(Stato& stato) {
    if (stato.Estrazioni_In_Archivio <= stato.Max_Estrazioni_Archivio) return false;
    stato.Estrazioni_In_Archivio = stato.Max_Estrazioni_Archivio;
    return true;
}

std::vector<FileDiscordante> verificaLunghezze(FileArchivio& file, std::int32_t estrazioni) {
    std::vector<FileDiscordante> discordanti;
    if (estrazioni <= 0) return discordanti;
    for (int f : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, FILE_DATA, FILE_CONCORSO}) {
        const long long byte = file.lunghezza(f);
        const long long attesi = static_cast<long long>(estrazioni) * FileArchivio::byteRecord(f);
        if (byte != attesi)
            discordanti.push_back({file.nome(f), byte, byte < 0 ? 0 : byte / FileArchivio::byteRecord(f)});
    }
    return discordanti;
}

EsitoCaricamento START_Memorizzazione_Estrazioni(Stato& stato, FileArchivio& file, int primo, int quante,
                                                 const std::function<void(int)>& avanzamento) {
    EsitoCaricamento esito;
    // Neither count may pass what the program manages: past it the capacity would not fit an int.
    quante = std::clamp(quante, 0, stato.Max_Estrazioni_Archivio);
    primo = std::max(primo, 1);
    const int inArchivio =
        std::clamp<std::int32_t>(stato.Estrazioni_In_Archivio, 0, stato.Max_Estrazioni_Archivio);
    const int capacita = std::max(inArchivio, quante) + POSTI_DI_RISERVA;
    stato.Archivio_Estrazioni.dimensiona(capacita);
    stato.Data_Estrazione.assign(static_cast<std::size_t>(capacita) + 1, std::string());
    stato.Concorso_Estrazione.assign(static_cast<std::size_t>(capacita) + 1, std::string());
    stato.Estrazioni_Caricate = quante;

    file.Apri_File_Ruote();
    file.Apri_File_Date();
    file.Apri_File_Concorsi();

    // Each file is read whole in one call; the draws are then stored one by one. A draw that some
    // file lacks (only files of unequal lengths have such draws) is completed as a null draw.
    std::array<std::vector<std::uint8_t>, 14> blocchi;
    std::array<int, 14> letti{};
    for (int f : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, FILE_DATA, FILE_CONCORSO}) {
        auto& blocco = blocchi[static_cast<std::size_t>(f)];
        blocco.resize(static_cast<std::size_t>(quante) *
                      static_cast<std::size_t>(FileArchivio::byteRecord(f)));
        letti[static_cast<std::size_t>(f)] = file.leggiRecord(f, primo, quante, blocco.data());
    }
    const auto testo = [&](int f, int d) {
        const auto dimensione = static_cast<std::size_t>(FileArchivio::byteRecord(f));
        if (d > letti[static_cast<std::size_t>(f)]) return std::string(dimensione, ' ');
        const auto* inizio =
            blocchi[static_cast<std::size_t>(f)].data() + static_cast<std::size_t>(d - 1) * dimensione;
        return std::string(reinterpret_cast<const char*>(inizio), dimensione);
    };

    auto& archivio = stato.Archivio_Estrazioni;
    for (int d = 1; d <= quante; ++d) {
        stato.Concorso_Estrazione[static_cast<std::size_t>(d)] = testo(FILE_CONCORSO, d);
        stato.Data_Estrazione[static_cast<std::size_t>(d)] = testo(FILE_DATA, d);
        bool completa = d <= letti[FILE_DATA] && d <= letti[FILE_CONCORSO];
        for (int w = 1; w <= NUMERO_RUOTE; ++w) {
            if (d > letti[static_cast<std::size_t>(w)]) {
                completa = false;
                continue; // stays null
            }
            const std::uint8_t* sorgente = blocchi[static_cast<std::size_t>(w)].data() +
                                           static_cast<std::size_t>(d - 1) * BYTE_RECORD_RUOTA;
            if (recordDanneggiato(sorgente)) {
                if (esito.recordDanneggiati++ == 0) {
                    esito.primoDanneggiato = d;
                    esito.ruotaPrimoDanneggiato = w;
                }
                continue; // stays null
            }
            std::copy_n(sorgente, BYTE_RECORD_RUOTA, archivio.record(w, d));
        }
        if (!completa) ++esito.estrazioniIncomplete;
        if (avanzamento && (d % PASSO_AVANZAMENTO == 0 || d == quante)) avanzamento(d);
    }

    file.Chiudi_File_Archivio();
    return esito;
}

} // namespace core
