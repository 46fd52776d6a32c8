#include "Cli.h"

#include "core/Caricamento.h"
#include "core/FileArchivio.h"
#include "core/Stato.h"
#include "importa/Importazione.h"
#include "maintenance/Aggiornamento.h"
#include "selection/Periodo.h"
#include "stats/RicercaAmbi.h"
#include "stats/RicercaNumeri.h"

#include <array>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <map>
#include <optional>

namespace cli {

namespace {

const char* const USO =
    "Uso: quintaro-cli numeri|ambi --cartella DIR [--ruote ELENCO] [--dal N --al M | --anno A --cicli C]\n"
    "     quintaro-cli importa --cartella DIR [--aggiungi] FILE\n"
    "  numeri           frequenze e ritardi dei 90 numeri\n"
    "  ambi             frequenze e ritardi dei 4005 ambi\n"
    "  importa          scrive nell'archivio le estrazioni di FILE (storico.txt, storico.zip o un testo "
    "gzip):\n"
    "                   lo sostituisce, dopo averne fatto una copia, oppure con --aggiungi vi aggiunge solo\n"
    "                   le estrazioni successive all'ultima\n"
    "  --cartella DIR   cartella del programma, che contiene RUOTE/\n"
    "  --ruote ELENCO   sigle separate da virgole: BA,CA,FI,GE,MI,NA,PA,RO,TO,VE, oppure TUTTE "
    "(predefinito)\n"
    "  --dal N --al M   periodo frazionato: estrazioni caricate da N a M (predefinito: tutto l'archivio)\n"
    "  --anno A --cicli C  periodo a cicli: C anni interi a partire dall'anno A\n";

struct Opzioni {
    std::string comando;
    std::filesystem::path cartella;
    std::string ruote = "TUTTE";
    std::optional<int> dal, al, anno, cicli;
};

std::optional<int> intero(const std::string& testo) {
    int valore = 0;
    const auto* fine = testo.data() + testo.size();
    const auto [punto, errore] = std::from_chars(testo.data(), fine, valore);
    if (errore != std::errc() || punto != fine) return std::nullopt;
    return valore;
}

/** Reads the options; returns an error text, empty when they are well formed. */
std::string leggiOpzioni(const std::vector<std::string>& argomenti, Opzioni& opzioni) {
    if (argomenti.empty()) return "manca il comando.";
    opzioni.comando = argomenti[0];
    if (opzioni.comando != "numeri" && opzioni.comando != "ambi")
        return "comando sconosciuto: " + opzioni.comando + ".";
    std::map<std::string, std::optional<int>*> numeriche = {{"--dal", &opzioni.dal},
                                                            {"--al", &opzioni.al},
                                                            {"--anno", &opzioni.anno},
                                                            {"--cicli", &opzioni.cicli}};
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& nome = argomenti[i];
        if (i + 1 >= argomenti.size()) return "manca il valore di " + nome + ".";
        const std::string& valore = argomenti[++i];
        if (nome == "--cartella") {
            opzioni.cartella = valore;
        } else if (nome == "--ruote") {
            opzioni.ruote = valore;
        } else if (auto trovata = numeriche.find(nome); trovata != numeriche.end()) {
            *trovata->second = intero(valore);
            if (!*trovata->second) return "valore non numerico per " + nome + ": " + valore + ".";
        } else {
            return "opzione sconosciuta: " + nome + ".";
        }
    }
    if (opzioni.cartella.empty()) return "manca --cartella.";
    if (opzioni.dal.has_value() != opzioni.al.has_value()) return "--dal e --al vanno indicati insieme.";
    if (opzioni.anno.has_value() != opzioni.cicli.has_value())
        return "--anno e --cicli vanno indicati insieme.";
    if (opzioni.dal && opzioni.anno)
        return "indicare un periodo frazionato (--dal/--al) oppure a cicli (--anno/--cicli), non entrambi.";
    return {};
}

/** Ticks of the wheels named in the list; an error text when a name is unknown. */
std::string leggiRuote(const std::string& elenco, std::array<bool, 11>& spuntate) {
    static const std::map<std::string, int> sigle = {{"BA", 1}, {"CA", 2}, {"FI", 3}, {"GE", 4}, {"MI", 5},
                                                     {"NA", 6}, {"PA", 7}, {"RO", 8}, {"TO", 9}, {"VE", 10}};
    spuntate.fill(false);
    if (elenco == "TUTTE") {
        spuntate.fill(true);
        return {};
    }
    std::size_t inizio = 0;
    while (inizio <= elenco.size()) {
        const std::size_t virgola = std::min(elenco.find(',', inizio), elenco.size());
        const std::string sigla = elenco.substr(inizio, virgola - inizio);
        const auto trovata = sigle.find(sigla);
        if (trovata == sigle.end()) return "ruota sconosciuta: '" + sigla + "'.";
        spuntate[static_cast<std::size_t>(trovata->second)] = true;
        inizio = virgola + 1;
    }
    return {};
}

/** Loads the whole archive of the folder; an error text when it cannot. */
std::string caricaArchivio(core::Stato& stato, std::ostream& errori) {
    if (!std::filesystem::is_directory(stato.cartellaRuote()))
        return "la cartella " + stato.cartellaRuote().string() + " non esiste.";
    if (maintenance::completaAggiornamentoInterrotto(stato))
        errori << "Attenzione: l'ultimo aggiornamento dell'archivio era stato interrotto; i file sono stati "
                  "riportati a uno stato coerente.\n";
    core::FileArchivio file(stato);
    file.Conta_Estrazioni_Archivio();
    core::limitaEstrazioniGestibili(stato);
    const int estrazioni = stato.Estrazioni_In_Archivio;
    if (estrazioni < 1)
        return "l'archivio in " + stato.cartellaRuote().string() + " non contiene estrazioni.";
    for (const auto& discordante : core::verificaLunghezze(file, estrazioni))
        errori << "Attenzione: il file " << discordante.nome << " non ha " << estrazioni
               << " estrazioni; quelle mancanti sono lette come nulle.\n";
    const auto esito = core::START_Memorizzazione_Estrazioni(stato, file, 1, estrazioni);
    if (esito.recordDanneggiati > 0)
        errori << "Attenzione: " << esito.recordDanneggiati
               << " registrazioni di ruota danneggiate sono state lette come estrazioni nulle.\n";
    core::Inizializza_Dati_Archivio(stato);
    return {};
}

/** Applies the period of the options; an error text when it does not fit the archive. */
std::string applicaPeriodo(core::Stato& stato, const Opzioni& opzioni) {
    const int caricate = stato.Estrazioni_Caricate;
    if (opzioni.anno) {
        const int anno = *opzioni.anno, cicli = *opzioni.cicli;
        const int primo = stato.Prima_Estrazione_Anno(anno);
        if (primo < 1)
            return "l'anno " + std::to_string(anno) + " non ha estrazioni nell'archivio (anni " +
                   std::to_string(stato.Primo_Anno) + "-" + std::to_string(stato.Ultimo_Anno) + ").";
        if (cicli < 1 || cicli > stato.Ultimo_Anno - anno + 1)
            return "--cicli deve essere fra 1 e " + std::to_string(stato.Ultimo_Anno - anno + 1) + ".";
        selection::applicaCicli(stato, primo, cicli);
        return {};
    }
    const int dal = opzioni.dal.value_or(1), al = opzioni.al.value_or(caricate);
    if (dal < 1 || al > caricate || dal > al)
        return "il periodo deve stare fra 1 e " + std::to_string(caricate) + ", con --dal non oltre --al.";
    selection::applicaFrazionato(stato, dal, al);
    return {};
}

/** Appends the values to a CSV line, comma-separated, and ends it. */
void riga(std::string& testo, std::initializer_list<int> valori) {
    char cifre[16];
    bool prima = true;
    for (int valore : valori) {
        if (!prima) testo += ',';
        prima = false;
        const auto fine = std::to_chars(cifre, cifre + sizeof cifre, valore).ptr;
        testo.append(cifre, fine);
    }
    testo += '\n';
}

/** Column 0, then each selected wheel in wheel order. */
std::vector<int> colonne(const core::Stato& stato) {
    std::vector<int> scelte{0};
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1) scelte.push_back(w);
    return scelte;
}

void scriviNumeri(const core::Stato& stato, const stats::RisultatiNumeri& risultati, std::ostream& uscita) {
    std::string testo = "colonna,numero,frequenza,ritardo_attuale,ritardo_massimo\n";
    for (int c : colonne(stato)) {
        const auto colonna = static_cast<std::size_t>(c);
        for (std::size_t n = 1; n <= 90; ++n)
            riga(testo, {c, static_cast<int>(n), risultati.Frequenza_Numero[colonna][n],
                         risultati.Ritardo_Attuale_Numero[colonna][n],
                         risultati.Ritardo_Massimo_Numero[colonna][n]});
    }
    uscita << testo;
}

void scriviAmbi(const core::Stato& stato, const stats::RisultatiAmbi& risultati, std::ostream& uscita) {
    std::string testo = "colonna,a,b,frequenza,ritardo_attuale,ritardo_massimo\n";
    testo.reserve(testo.size() + std::size_t{11} * stats::NUMERO_AMBI * 24);
    for (int c : colonne(stato))
        for (int a = 1, k = 1; a <= 89; ++a)
            for (int b = a + 1; b <= 90; ++b, ++k)
                riga(testo, {c, a, b, risultati.frequenza(c, k), risultati.ritardoAttuale(c, k),
                             risultati.ritardoMassimo(c, k)});
    uscita << testo;
}

/** The import command: reads and checks FILE, prints the report, then writes the archive. */
int eseguiImporta(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori) {
    std::filesystem::path cartella, file;
    bool aggiungi = false;
    std::string errore;
    for (std::size_t i = 1; i < argomenti.size() && errore.empty(); ++i) {
        const std::string& argomento = argomenti[i];
        if (argomento == "--cartella") {
            if (i + 1 >= argomenti.size())
                errore = "manca il valore di --cartella.";
            else
                cartella = argomenti[++i];
        } else if (argomento == "--aggiungi") {
            aggiungi = true;
        } else if (argomento.starts_with("--")) {
            errore = "opzione sconosciuta per importa: " + argomento + ".";
        } else if (!file.empty()) {
            errore = "indicare un solo file da importare.";
        } else {
            file = argomento;
        }
    }
    if (errore.empty() && cartella.empty()) errore = "manca --cartella.";
    if (errore.empty() && file.empty()) errore = "manca il file da importare.";
    if (!errore.empty()) {
        errori << "quintaro-cli: " << errore << '\n' << USO;
        return ESITO_USO;
    }
    if (!std::filesystem::is_directory(cartella)) {
        errori << "quintaro-cli: la cartella " << cartella.string() << " non esiste.\n";
        return ESITO_ARCHIVIO;
    }
    core::Stato stato(cartella);
    core::Imposta_Tabelle_Globali(stato);
    const auto lettura = importa::leggiFileStorico(file);
    uscita << importa::resoconto(lettura);
    if (!lettura.valida()) {
        errori << "quintaro-cli: il file " << file.string()
               << " non può essere importato; l'archivio non è stato modificato.\n";
        return ESITO_ARCHIVIO;
    }
    const std::time_t adesso = std::time(nullptr);
    std::tm quando{};
    localtime_r(&adesso, &quando);
    const auto esito = importa::importaInArchivio(
        stato, lettura, aggiungi ? importa::Modo::Aggiungi : importa::Modo::Sostituisci, quando);
    if (!esito.riuscito) {
        errori << "quintaro-cli: " << esito.messaggio << '\n';
        return ESITO_ARCHIVIO;
    }
    uscita << esito.messaggio << '\n';
    return uscita ? ESITO_OK : ESITO_ARCHIVIO;
}

} // namespace

int esegui(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori) {
    if (!argomenti.empty() && argomenti[0] == "importa") return eseguiImporta(argomenti, uscita, errori);
    Opzioni opzioni;
    std::array<bool, 11> spuntate{};
    std::string errore = leggiOpzioni(argomenti, opzioni);
    if (errore.empty()) errore = leggiRuote(opzioni.ruote, spuntate);
    if (!errore.empty()) {
        errori << "quintaro-cli: " << errore << '\n' << USO;
        return ESITO_USO;
    }

    core::Stato stato(opzioni.cartella);
    core::Imposta_Tabelle_Globali(stato);
    if (errore = caricaArchivio(stato, errori); !errore.empty()) {
        errori << "quintaro-cli: " << errore << '\n';
        return ESITO_ARCHIVIO;
    }
    core::impostaSelezioneRuote(stato, spuntate);
    if (errore = applicaPeriodo(stato, opzioni); !errore.empty()) {
        errori << "quintaro-cli: " << errore << '\n' << USO;
        return ESITO_USO;
    }
    if (opzioni.comando == "ambi") {
        stats::RisultatiAmbi risultati;
        stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(stato, risultati);
        scriviAmbi(stato, risultati, uscita);
    } else {
        stats::RisultatiNumeri risultati;
        stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, risultati);
        scriviNumeri(stato, risultati, uscita);
    }
    return uscita ? ESITO_OK : ESITO_ARCHIVIO;
}

} // namespace cli
