#include "Caricamento.h"

#include "Campi.h"

#include <algorithm>
#include <system_error>

namespace core {

namespace {

/** A byte the windows take for a blank when they trim an archive text: tab..carriage return, space, the
 * next-line control and the no-break space of Latin-1. */
bool spazio(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0x85 || c == 0xA0;
}

/** A text of the archive files (single-byte Latin-1 characters), trimmed, as UTF-8 for a message. */
std::string testoArchivio(std::string_view byte) {
    while (!byte.empty() && spazio(static_cast<unsigned char>(byte.front())))
        byte.remove_prefix(1);
    while (!byte.empty() && spazio(static_cast<unsigned char>(byte.back())))
        byte.remove_suffix(1);
    std::string testo;
    for (const char c : byte) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            testo.push_back(c);
        } else {
            testo.push_back(static_cast<char>(0xC0 | (u >> 6)));
            testo.push_back(static_cast<char>(0x80 | (u & 0x3F)));
        }
    }
    return testo;
}

/** The first record of a load, 1 at least; one past the records an archive holds reads as well as any
 * later one (null draws), and keeps the record numbers within an int. */
int primoLeggibile(int primo) {
    return std::clamp(primo, 1, ESTRAZIONI_LEGGIBILI + 1);
}

Avviso avvisoRipristino() {
    return {
        "ATTENZIONE: l'ultimo aggiornamento dell'archivio era stato interrotto. I file dell'archivio sono "
        "stati riportati a uno stato coerente: tutti come prima dell'aggiornamento oppure tutti come dopo.",
        "Attenzione: l'ultimo aggiornamento dell'archivio era stato interrotto; i file sono stati riportati "
        "a uno stato coerente.\n"};
}

Avviso avvisoLimite(int estrazioni, int massimo) {
    const std::string limite = std::to_string(massimo);
    // The command line says nothing of the cap.
    return {"ATTENZIONE: il file BARI dell'archivio corrisponde a " + std::to_string(estrazioni) +
                " estrazioni, più delle " + limite +
                " che il programma può gestire. Saranno considerate solo "
                "le prime " +
                limite + " estrazioni; nessun file verrà modificato.",
            {}};
}

Avviso avvisoDiscordanza(const Verifica& verifica) {
    // The files are measured against every draw BARI holds: past the cap a consistent archive is still
    // consistent, and the cap has its own message.
    const std::string estrazioni = std::to_string(verifica.estrazioni);
    std::string elenco, righe;
    for (const auto& file : verifica.discordanti) {
        const std::string nome(nomeFile(file.file));
        if (!elenco.empty()) elenco += '\n';
        elenco += nome + ": " +
                  (file.byte < 0 ? std::string("non leggibile")
                                 : std::to_string(file.byte) + " byte (" + std::to_string(file.estrazioni) +
                                       " estrazioni intere)");
        righe += "Attenzione: il file " + nome + " non ha " + estrazioni +
                 " estrazioni; quelle mancanti sono lette come nulle.\n";
    }
    return {"ATTENZIONE: i file dell'archivio non sono coerenti con le " + estrazioni +
                " estrazioni indicate dal file BARI:\n\n" + elenco +
                "\n\nLe estrazioni che mancano in un file saranno lette come estrazioni nulle, senza data né "
                "concorso. Nessun file verrà modificato: si consiglia di controllare l'archivio.",
            righe};
}

Avviso avvisoDanni(const Stato& stato, const EsitoCaricamento& esito, int primo) {
    const auto d = static_cast<std::size_t>(esito.primoDanneggiato);
    const std::string quanti = std::to_string(esito.recordDanneggiati);
    return {"ATTENZIONE: " + quanti +
                " registrazioni di ruota contengono valori non validi e sono state lette come estrazioni "
                "nulle.\n\nLa prima è la ruota di " +
                std::string(nomeFile(esito.ruotaPrimoDanneggiato)) + " dell'estrazione n° " +
                std::to_string(primo + esito.primoDanneggiato - 1) + " (data " +
                testoArchivio(stato.Data_Estrazione[d]) + ", concorso " +
                testoArchivio(stato.Concorso_Estrazione[d]) +
                ").\n\nLe altre estrazioni sono state caricate; nessun file è stato modificato.",
            "Attenzione: " + quanti +
                " registrazioni di ruota danneggiate sono state lette come estrazioni nulle.\n"};
}

} // namespace

std::vector<Avviso> ArchivioAperto::avvisi() const {
    std::vector<Avviso> tutti;
    for (const auto* avviso : {&ripristino, &limite, &discordanza})
        if (*avviso) tutti.push_back(**avviso);
    return tutti;
}

ArchivioAperto apriArchivio(Stato& stato) {
    ArchivioAperto aperto;
    const auto cartella = stato.cartellaRuote();
    std::error_code errore;
    aperto.cartella = std::filesystem::is_directory(cartella, errore);
    // Read so, the reading cannot fail: a file that cannot be read is one more file of the wrong length.
    auto letto = Archivio::leggi(cartella, Archivio::Illeggibili::Vuoti);
    if (letto)
        aperto.archivio = std::move(*letto);
    else
        aperto.inUso = letto.errore();
    aperto.verifica = aperto.archivio.verifica(stato.Max_Estrazioni_Archivio);
    const int contate = aperto.verifica.estrazioni;
    stato.Estrazioni_In_Archivio = std::min(contate, stato.Max_Estrazioni_Archivio);
    stato.Max_Concorsi_Anno = leggiMaxConcorsiAnno(stato);
    if (aperto.archivio.ripristinato()) aperto.ripristino = avvisoRipristino();
    if (aperto.verifica.troppe) aperto.limite = avvisoLimite(contate, stato.Max_Estrazioni_Archivio);
    if (!aperto.verifica.discordanti.empty()) aperto.discordanza = avvisoDiscordanza(aperto.verifica);
    return aperto;
}

bool cartellaNuova(const Stato& stato) {
    std::error_code errore;
    if (std::filesystem::exists(stato.fileImpostazioni(), errore) || errore) return false;
    if (!std::filesystem::exists(stato.cartellaRuote(), errore)) return !errore;
    std::filesystem::directory_iterator voce(stato.cartellaRuote(), errore);
    return !errore && voce == std::filesystem::directory_iterator();
}

Esito<void> caricabile(const Stato& stato, const ArchivioAperto& aperto) {
    const std::string cartella = stato.cartellaRuote().string();
    if (aperto.inUso) return *aperto.inUso;
    if (!aperto.cartella) return {Codice::DatoNonValido, "la cartella " + cartella + " non esiste."};
    if (stato.Estrazioni_In_Archivio < 1)
        return {Codice::DatoNonValido, "l'archivio in " + cartella + " non contiene estrazioni."};
    return riuscito();
}

EsitoCaricamento START_Memorizzazione_Estrazioni(Stato& stato, const Archivio& archivio, int primo,
                                                 int quante, const std::function<void(int)>& avanzamento) {
    EsitoCaricamento esito;
    // Neither count may pass what the program manages: past it the capacity would not fit an int.
    quante = std::clamp(quante, 0, stato.Max_Estrazioni_Archivio);
    primo = primoLeggibile(primo);
    const int inArchivio =
        std::clamp<std::int32_t>(stato.Estrazioni_In_Archivio, 0, stato.Max_Estrazioni_Archivio);
    const int capacita = std::max(inArchivio, quante) + POSTI_DI_RISERVA;
    stato.Archivio_Estrazioni.dimensiona(capacita);
    stato.Data_Estrazione.assign(static_cast<std::size_t>(capacita) + 1, std::string());
    stato.Concorso_Estrazione.assign(static_cast<std::size_t>(capacita) + 1, std::string());
    stato.Estrazioni_Caricate = quante;

    auto& memoria = stato.Archivio_Estrazioni;
    for (int d = 1; d <= quante; ++d) {
        // A draw that some file lacks (only files of unequal lengths have such draws) is completed as a
        // null draw with blank texts.
        const int n = primo + d - 1;
        stato.Concorso_Estrazione[static_cast<std::size_t>(d)] = archivio.Leggi_Concorso_Archivio(n);
        stato.Data_Estrazione[static_cast<std::size_t>(d)] = archivio.Leggi_Data_Archivio(n);
        const auto intero = [&](int f) {
            return archivio.byte(f).size() >=
                   static_cast<std::size_t>(n) * static_cast<std::size_t>(byteRecord(f));
        };
        bool completa = intero(FILE_DATA) && intero(FILE_CONCORSO);
        for (int w = 1; w <= NUMERO_RUOTE; ++w) {
            const std::uint8_t* sorgente = archivio.ruota(w, n);
            if (!sorgente) {
                completa = false;
                continue; // stays null
            }
            if (recordDanneggiato(sorgente)) {
                if (esito.recordDanneggiati++ == 0) {
                    esito.primoDanneggiato = d;
                    esito.ruotaPrimoDanneggiato = w;
                }
                continue; // stays null
            }
            std::copy_n(sorgente, BYTE_RECORD_RUOTA, memoria.record(w, d));
        }
        if (!completa) ++esito.estrazioniIncomplete;
        if (avanzamento && (d % PASSO_AVANZAMENTO == 0 || d == quante)) avanzamento(d);
    }
    return esito;
}

std::optional<Avviso> caricaEstrazioni(Stato& stato, const Archivio& archivio, int primo, int quante,
                                       const std::function<void(int)>& avanzamento) {
    const auto esito = START_Memorizzazione_Estrazioni(stato, archivio, primo, quante, avanzamento);
    stato.Firma_Archivio_Caricato = archivio.firma();
    Inizializza_Dati_Archivio(stato);
    if (esito.recordDanneggiati == 0) return std::nullopt;
    return avvisoDanni(stato, esito, primoLeggibile(primo));
}

Esito<void> caricaArchivio(Stato& stato, const std::function<void(const Avviso&)>& avvisa) {
    const ArchivioAperto aperto = apriArchivio(stato);
    if (avvisa)
        for (const Avviso& avviso : aperto.avvisi())
            avvisa(avviso);
    if (auto esito = caricabile(stato, aperto); !esito) return esito;
    const auto danni = caricaEstrazioni(stato, aperto.archivio, 1, stato.Estrazioni_In_Archivio);
    if (danni && avvisa) avvisa(*danni);
    return riuscito();
}

int leggiMaxConcorsiAnno(const Stato& stato) {
    return valoreCampo(stato, campi::MAX_CONCORSI_ANNO);
}

Esito<void> registraEstrazioniDefault(Stato& stato, int prima, int ultima) {
    stato.Prima_Estrazione_Default = prima;
    stato.Ultima_Estrazione_Default = ultima;
    const bool primaScritta = scriviCampo(stato, campi::PRIMA_ESTRAZIONE_DEFAULT, prima).riuscito();
    const bool ultimaScritta = scriviCampo(stato, campi::ULTIMA_ESTRAZIONE_DEFAULT, ultima).riuscito();
    stato.Estrazioni_Predefinite_Variate = true;
    if (!primaScritta || !ultimaScritta)
        return {Codice::FileNonScrivibile, "ERRORE nella registrazione delle date di default"};
    return riuscito();
}

} // namespace core
