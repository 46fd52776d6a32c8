#include "Cli.h"

#include "core/Caricamento.h"
#include "core/Cartella.h"
#include "core/Esito.h"
#include "core/Stato.h"
#include "importa/DaInternet.h"
#include "importa/Importazione.h"
#include "rete/Scaricamento.h"
#include "selection/Periodo.h"
#include "stakes/Poste.h"
#include "stakes/Verifica.h"
#include "stats/Caso.h"
#include "stats/Gruppi.h"
#include "stats/Navigazione.h"
#include "stats/RicercaAmbi.h"
#include "stats/RicercaNumeri.h"
#include "stats/RicercaTerni.h"
#include "stats/Serie.h"
#include "stats/Spia.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <unistd.h>

namespace cli {

namespace {

/** The usage lines of each command. */
const char* const USO_RICERCHE =
    "Uso: quintaro-cli numeri|ambi|terni [--cartella DIR] [--ruote ELENCO] [--dal N --al M | --anno A "
    "--cicli C]\n"
    "     quintaro-cli terni ... [--ordina frequenza|ritardo_attuale|ritardo_massimo] [--primi K]\n";
const char* const USO_CASO = "     quintaro-cli caso [--cartella DIR] [--ruote ELENCO] [periodo]\n";
const char* const USO_STORIA =
    "     quintaro-cli storia [--cartella DIR] --numero N [--secondo M] [--ruote ELENCO] [periodo]\n";
const char* const USO_SPIA =
    "     quintaro-cli spia [--cartella DIR] --numero X --ruota W [--bersaglio ELENCO] "
    "[--colpi K] [periodo]\n";
const char* const USO_IMPORTA = "     quintaro-cli importa [--cartella DIR] [--aggiungi] FILE\n";
const char* const USO_AGGIORNA = "     quintaro-cli aggiorna [--cartella DIR] [--url INDIRIZZO]...\n";
const char* const USO_VERIFICA =
    "     quintaro-cli verifica [--cartella DIR] --numeri ELENCO --ruote ELENCO --poste SORTE=EURO,...\n"
    "                  [--dal N | --dal-data G/M/AAAA] [--colpi C] [--riepilogo]\n";
const char* const USO_GRUPPI =
    "     quintaro-cli gruppi [--cartella DIR] --famiglia FAMIGLIA | --numeri N,N,... [--sorte K]\n"
    "                  [--ruote ELENCO] [periodo]\n";
const char* const USO_AIUTO = "     quintaro-cli [COMANDO] --help | --version\n";

/** What the commands do. */
const char* const COMANDI_RICERCHE = "  numeri           frequenze e ritardi dei 90 numeri\n"
                                     "  ambi             frequenze e ritardi dei 4005 ambi\n"
                                     "  terni            frequenze e ritardi dei 117480 terni\n";
const char* const COMANDO_CASO =
    "  caso             il test del chi quadrato delle frequenze dei 90 numeri contro il caso, per ogni\n"
    "                   ruota scelta: colonna,chi2,gradi,p\n";
const char* const COMANDO_STORIA =
    "  storia           il ritardo del numero N (o dell'ambo N-M) dopo ogni estrazione del periodo, sulle\n"
    "                   ruote incrociate (o sulla sola ruota indicata)\n";
const char* const COMANDO_SPIA =
    "  spia             i numeri che seguono il numero spia X uscito sulla ruota W: per ognuno, in quante\n"
    "                   uscite della spia è uscito sulle ruote bersaglio nei K colpi seguenti, quante se ne\n"
    "                   attendono dal solo caso e lo scarto; CSV numero,uscite_spia,presenze,attese,scarto\n";
const char* const COMANDO_IMPORTA =
    "  importa          scrive nell'archivio le estrazioni di FILE (storico.txt, storico.zip o un testo "
    "gzip):\n"
    "                   lo sostituisce, dopo averne fatto una copia, oppure con --aggiungi vi aggiunge solo\n"
    "                   le estrazioni successive all'ultima\n";
const char* const COMANDO_AGGIORNA =
    "  aggiorna         scarica il file delle estrazioni dal sito del gestore e aggiunge all'archivio\n"
    "                   le estrazioni successive all'ultima; --url (anche più volte) sostituisce gli\n"
    "                   indirizzi predefiniti, provati nell'ordine dato\n";

const char* const COMANDO_VERIFICA =
    "  verifica         le vincite della giocata estrazione per estrazione (CSV: estrazione, data, "
    "concorso,\n"
    "                   ruota, indovinati, sorte, vincita lorda e netta), con le quote delle impostazioni;\n"
    "                   con --riepilogo una sola riga: estrazioni, spesa, vincita lorda e netta, saldo\n";

const char* const COMANDO_GRUPPI =
    "  gruppi           frequenze e ritardi dei gruppi di una famiglia, o di una lunghetta, per una sorte:\n"
    "                   il gruppo esce su una ruota quando almeno K dei suoi numeri sono fra i cinque\n"
    "                   estratti; CSV colonna,gruppo,frequenza,ritardo_attuale,ritardo_massimo, dove gruppo\n"
    "                   è la posizione del gruppo nella famiglia, da 0 (la lunghetta è il gruppo 0)\n";

/** The options. */
const char* const OPZIONE_CARTELLA =
    "  --cartella DIR   cartella del programma, che contiene RUOTE/; senza l'opzione, quella del programma:\n"
    "                   la cartella dell'eseguibile quando vi si può scrivere, altrimenti la cartella dei\n"
    "                   dati dell'utente, $XDG_DATA_HOME/Quintaro o ~/.local/share/Quintaro; importa e\n"
    "                   aggiorna la creano quando manca\n";
const char* const OPZIONI_PERIODO =
    "  --ruote ELENCO   sigle separate da virgole: BA,CA,FI,GE,MI,NA,PA,RO,TO,VE e NZ (la Nazionale;\n"
    "                   anche RM e RN, come nel file ufficiale), oppure TUTTE (predefinito: le dieci\n"
    "                   ruote tradizionali); nel CSV la colonna 0 incrocia le ruote scelte, 1-10 sono le\n"
    "                   ruote tradizionali, 11 la Nazionale\n"
    "  --dal N --al M   periodo frazionato: estrazioni caricate da N a M (predefinito: tutto l'archivio)\n"
    "  --anno A --cicli C  periodo a cicli: C anni interi a partire dall'anno A\n";
const char* const OPZIONE_CASO =
    "  --caso           (numeri, ambi, terni) aggiunge frequenza_attesa, scarto, prob_ritardo_attuale e\n"
    "                   prob_ritardo_massimo: quanto il caso fa attendere, e la probabilità dei ritardi\n";
const char* const OPZIONI_TERNI =
    "  --ordina CHIAVE  (terni) righe di ogni colonna in ordine decrescente della chiave, a parità in "
    "ordine\n"
    "                   di terno\n"
    "  --primi K        (terni) solo le prime K righe di ogni colonna\n";
const char* const OPZIONI_STORIA =
    "  --numero N --secondo M  per storia: il numero (1-90) e, per un ambo, il secondo numero\n";
const char* const OPZIONE_POSIZIONE =
    "  --posizione P    (numeri) conta un numero solo quando esce come P-esimo estratto (1-5) della ruota\n";
const char* const OPZIONI_SPIA =
    "  --numero X --ruota W  per spia: il numero spia (1-90) e la sua ruota (una sigla di --ruote)\n"
    "  --bersaglio ELENCO    per spia: le ruote dove cercare i numeri che seguono (predefinito: W)\n"
    "  --colpi K        per spia: le estrazioni dopo l'uscita della spia, da 1 a 18 (predefinito: 1)\n";
const char* const OPZIONI_VERIFICA =
    "  --numeri ELENCO  per verifica: da 1 a 10 numeri diversi (1-90) separati da virgole\n"
    "  --poste SORTE=EURO,...  per verifica: la posta di ogni sorte giocata (estratto, ambo, terno,\n"
    "                   quaterna, cinquina), in euro con il punto e al più due decimali: "
    "estratto=1,ambo=0.5\n"
    "  --dal N | --dal-data G/M/AAAA  per verifica: la prima estrazione giocata, per numero o la prima\n"
    "                   alla data o dopo (predefinito: l'ultima estrazione)\n"
    "  --colpi C        per verifica: quante estrazioni giocare (predefinito 1), fino all'ultima\n"
    "                   dell'archivio; non conta quelle in cui nessuna ruota giocata fu estratta\n";
const char* const OPZIONI_GRUPPI =
    "  --famiglia F     (gruppi) cadenze (0-9), decine (1-10 ... 81-90), decine_cabalistiche (90 e 1-9,\n"
    "                   10-19 ... 80-89), figure (1-9), quindicine (1-15 ... 76-90) o gemelli (11 ... 88)\n"
    "  --numeri ELENCO  (gruppi) una lunghetta: da 2 a 30 numeri diversi separati da virgole\n"
    "  --sorte K        (gruppi) 1 estratto (predefinito), 2 ambo, 3 terno, 4 quaterna, 5 cinquina\n";
const char* const OPZIONE_AIUTO =
    "  --help           stampa questo aiuto ed esce; --version stampa il nome e la versione\n";

/** What a wrong use prints after its one line of reason. */
const char* const SUGGERIMENTO = "Usare 'quintaro-cli --help' per l'elenco delle opzioni.\n";

/** The help of `comando` alone; the whole usage for no command or an unknown one. */
std::string aiuto(const std::string& comando) {
    const auto uso = [](const char* riga) { return "Uso:" + std::string(riga).substr(4); };
    if (comando == "numeri" || comando == "ambi")
        return "Uso: quintaro-cli " + comando +
               " [--cartella DIR] [--ruote ELENCO] [--dal N --al M | --anno A --cicli C] [--caso]" +
               (comando == "numeri" ? " [--posizione P]\n" : "\n") + COMANDI_RICERCHE + OPZIONE_CARTELLA +
               OPZIONI_PERIODO + OPZIONE_CASO + (comando == "numeri" ? OPZIONE_POSIZIONE : "");
    if (comando == "spia") // the period's lines without --ruote, which spia does not take
        return uso(USO_SPIA) + COMANDO_SPIA + OPZIONE_CARTELLA + OPZIONI_SPIA +
               std::string(OPZIONI_PERIODO).substr(std::string_view(OPZIONI_PERIODO).find("  --dal"));
    if (comando == "terni")
        return std::string(USO_RICERCHE) + COMANDI_RICERCHE + OPZIONE_CARTELLA + OPZIONI_PERIODO +
               OPZIONE_CASO + OPZIONI_TERNI;
    if (comando == "caso") return uso(USO_CASO) + COMANDO_CASO + OPZIONE_CARTELLA + OPZIONI_PERIODO;
    if (comando == "storia")
        return uso(USO_STORIA) + COMANDO_STORIA + OPZIONE_CARTELLA + OPZIONI_STORIA + OPZIONI_PERIODO;
    if (comando == "importa") return uso(USO_IMPORTA) + COMANDO_IMPORTA + OPZIONE_CARTELLA;
    if (comando == "aggiorna") return uso(USO_AGGIORNA) + COMANDO_AGGIORNA + OPZIONE_CARTELLA;
    if (comando == "gruppi")
        return uso(USO_GRUPPI) + COMANDO_GRUPPI + OPZIONE_CARTELLA + OPZIONI_GRUPPI + OPZIONI_PERIODO;
    if (comando == "verifica")
        return uso(USO_VERIFICA) + COMANDO_VERIFICA + OPZIONE_CARTELLA + OPZIONI_VERIFICA;
    return std::string(USO_RICERCHE) + USO_CASO + USO_STORIA + USO_SPIA + USO_GRUPPI + USO_IMPORTA +
           USO_AGGIORNA + USO_VERIFICA + USO_AIUTO + COMANDI_RICERCHE + COMANDO_CASO + COMANDO_STORIA +
           COMANDO_SPIA + COMANDO_GRUPPI + COMANDO_IMPORTA + COMANDO_AGGIORNA + COMANDO_VERIFICA +
           OPZIONE_CARTELLA + OPZIONI_PERIODO + OPZIONE_CASO + OPZIONI_TERNI + OPZIONE_POSIZIONE +
           OPZIONI_STORIA + OPZIONI_SPIA + OPZIONI_GRUPPI + OPZIONI_VERIFICA + OPZIONE_AIUTO;
}

struct Opzioni {
    std::string comando;
    std::filesystem::path cartella;
    std::string ruote = "TUTTE";
    std::optional<int> dal, al, anno, cicli, primi;
    std::string ordina;
    std::optional<int> numero, secondo; ///< storia: the number, and the pair's second number
    std::optional<int> posizione;       ///< numeri: the place in the draw, 1..5
    bool caso = false;                  ///< --caso: the chance columns
};

/** The ordering keys of --ordina. */
const std::map<std::string, int> CHIAVI_ORDINE = {{"frequenza", stats::FREQUENZA},
                                                  {"ritardo_attuale", stats::RITARDO_ATTUALE},
                                                  {"ritardo_massimo", stats::RITARDO_MASSIMO}};

std::optional<int> intero(const std::string& testo) {
    int valore = 0;
    const auto* fine = testo.data() + testo.size();
    const auto [punto, errore] = std::from_chars(testo.data(), fine, valore);
    if (errore != std::errc() || punto != fine) return std::nullopt;
    return valore;
}

/** The program folder when --cartella is not given, by the program's own rule. */
core::CartellaProgramma cartellaPredefinita() {
    const auto eseguibile = core::cartellaEseguibile();
    return core::sceltaCartella({}, eseguibile, core::cartellaPortatile(eseguibile),
                                core::cartellaDatiUtente());
}

/** A wrong use of the command line: its text. */
core::Errore uso(std::string testo) {
    return {core::Codice::DatoNonValido, std::move(testo)};
}

/** Reads the options of a search command. */
core::Esito<Opzioni> leggiOpzioni(const std::vector<std::string>& argomenti) {
    if (argomenti.empty()) return uso("manca il comando.");
    Opzioni opzioni;
    opzioni.comando = argomenti[0];
    if (opzioni.comando != "numeri" && opzioni.comando != "ambi" && opzioni.comando != "terni" &&
        opzioni.comando != "storia" && opzioni.comando != "caso")
        return uso("comando sconosciuto: " + opzioni.comando + ".");
    std::map<std::string, std::optional<int>*> numeriche = {{"--dal", &opzioni.dal},
                                                            {"--al", &opzioni.al},
                                                            {"--anno", &opzioni.anno},
                                                            {"--cicli", &opzioni.cicli},
                                                            {"--primi", &opzioni.primi}};
    if (opzioni.comando == "storia") {
        numeriche["--numero"] = &opzioni.numero;
        numeriche["--secondo"] = &opzioni.secondo;
    }
    if (opzioni.comando == "numeri") numeriche["--posizione"] = &opzioni.posizione;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& nome = argomenti[i];
        if (nome == "--caso") {
            opzioni.caso = true;
            continue;
        }
        if (i + 1 >= argomenti.size()) return uso("manca il valore di " + nome + ".");
        const std::string& valore = argomenti[++i];
        if (nome == "--cartella") {
            opzioni.cartella = valore;
        } else if (nome == "--ruote") {
            opzioni.ruote = valore;
        } else if (nome == "--ordina") {
            if (!CHIAVI_ORDINE.contains(valore))
                return uso("chiave di --ordina sconosciuta: " + valore +
                           " (frequenza, ritardo_attuale o ritardo_massimo).");
            opzioni.ordina = valore;
        } else if (auto trovata = numeriche.find(nome); trovata != numeriche.end()) {
            *trovata->second = intero(valore);
            if (!*trovata->second) return uso("valore non numerico per " + nome + ": " + valore + ".");
        } else {
            return uso("opzione sconosciuta: " + nome + ".");
        }
    }
    if (opzioni.cartella.empty()) opzioni.cartella = cartellaPredefinita().percorso;
    if (opzioni.comando == "storia" && !opzioni.numero) return uso("manca --numero.");
    if (opzioni.dal.has_value() != opzioni.al.has_value()) return uso("--dal e --al vanno indicati insieme.");
    if (opzioni.anno.has_value() != opzioni.cicli.has_value())
        return uso("--anno e --cicli vanno indicati insieme.");
    if ((opzioni.primi || !opzioni.ordina.empty()) && opzioni.comando != "terni")
        return uso("--ordina e --primi valgono solo per il comando terni.");
    if (opzioni.caso && opzioni.comando != "numeri" && opzioni.comando != "ambi" &&
        opzioni.comando != "terni")
        return uso("--caso vale solo per i comandi numeri, ambi e terni.");
    if (opzioni.primi && *opzioni.primi < 1) return uso("--primi deve essere almeno 1.");
    if (opzioni.posizione && (*opzioni.posizione < 1 || *opzioni.posizione > 5))
        return uso("--posizione deve stare fra 1 e 5.");
    if (opzioni.dal && opzioni.anno)
        return uso(
            "indicare un periodo frazionato (--dal/--al) oppure a cicli (--anno/--cicli), non entrambi.");
    return opzioni;
}

/** The ticks (1..NUMERO_RUOTE) of the wheels named in the list; TUTTE the ten traditional wheels. */
core::Esito<core::SpunteRuote> leggiRuote(const std::string& elenco) {
    // The official file's codes are accepted too: RM for Roma, RN for the Nazionale.
    static const std::map<std::string, int> sigle = {{"BA", 1},  {"CA", 2},  {"FI", 3}, {"GE", 4}, {"MI", 5},
                                                     {"NA", 6},  {"PA", 7},  {"RO", 8}, {"RM", 8}, {"TO", 9},
                                                     {"VE", 10}, {"NZ", 11}, {"RN", 11}};
    core::SpunteRuote spuntate{};
    if (elenco == "TUTTE") {
        std::fill_n(spuntate.begin() + 1, core::RUOTE_TRADIZIONALI, true);
        return spuntate;
    }
    std::size_t inizio = 0;
    while (inizio <= elenco.size()) {
        const std::size_t virgola = std::min(elenco.find(',', inizio), elenco.size());
        const std::string sigla = elenco.substr(inizio, virgola - inizio);
        const auto trovata = sigle.find(sigla);
        if (trovata == sigle.end()) return uso("ruota sconosciuta: '" + sigla + "'.");
        spuntate[static_cast<std::size_t>(trovata->second)] = true;
        inizio = virgola + 1;
    }
    return spuntate;
}

/** Applies the period of the options; fails when it does not fit the archive. */
core::Esito<void> applicaPeriodo(core::Stato& stato, const Opzioni& opzioni) {
    const int caricate = stato.Estrazioni_Caricate;
    if (opzioni.anno) {
        const int anno = *opzioni.anno, cicli = *opzioni.cicli;
        const int primo = stato.Prima_Estrazione_Anno(anno);
        if (primo < 1)
            return uso("l'anno " + std::to_string(anno) + " non ha estrazioni nell'archivio (anni " +
                       std::to_string(stato.Primo_Anno) + "-" + std::to_string(stato.Ultimo_Anno) + ").");
        if (cicli < 1 || cicli > stato.Ultimo_Anno - anno + 1)
            return uso("--cicli deve essere fra 1 e " + std::to_string(stato.Ultimo_Anno - anno + 1) + ".");
        selection::applicaCicli(stato, primo, cicli);
        return core::riuscito();
    }
    const int dal = opzioni.dal.value_or(1), al = opzioni.al.value_or(caricate);
    if (dal < 1 || al > caricate || dal > al)
        return uso("il periodo deve stare fra 1 e " + std::to_string(caricate) +
                   ", con --dal non oltre --al.");
    selection::applicaFrazionato(stato, dal, al);
    return core::riuscito();
}

/**
 * Loads the archive of the state's folder (its warnings on `errori`), then selects the wheels and applies
 * the period of the options where they are given. ESITO_OK when done, otherwise the exit status, with its
 * reason said on `errori`.
 */
int preparaStato(core::Stato& stato, const Opzioni* opzioni, const core::SpunteRuote* spuntate,
                 std::ostream& errori) {
    core::Imposta_Tabelle_Globali(stato);
    if (const auto caricato =
            core::caricaArchivio(stato, [&](const core::Avviso& avviso) { errori << avviso.riga; });
        !caricato) {
        errori << "quintaro-cli: " << caricato.messaggio() << '\n';
        return ESITO_ARCHIVIO;
    }
    if (spuntate) core::impostaSelezioneRuote(stato, *spuntate);
    if (!opzioni) return ESITO_OK;
    if (const auto periodo = applicaPeriodo(stato, *opzioni); !periodo) {
        errori << "quintaro-cli: " << periodo.messaggio() << '\n' << SUGGERIMENTO;
        return ESITO_USO;
    }
    return ESITO_OK;
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

/** The chance columns' header, after a search's own. */
const char* const INTESTAZIONE_CASO = ",frequenza_attesa,scarto,prob_ritardo_attuale,prob_ritardo_massimo";

/** The header line of a search, with the chance columns when asked. */
std::string intestazione(const char* campi, bool caso) {
    return std::string(campi) + (caso ? INTESTAZIONE_CASO : "") + '\n';
}

/**
 * Appends to a row (its line end taken off) the chance figures of an item with frequency F, current delay
 * D and maximum delay M: expected frequency and deviation with one decimal, the two chances with four
 * significant digits.
 */
void aggiungiCaso(std::string& testo, const stats::CalcoloCaso& calcolo, int frequenza, int attuale,
                  int massimo) {
    const auto figure = calcolo(frequenza, attuale, massimo);
    // A deviation that rounds to zero is written 0.0, never -0.0.
    const double scarto = std::fabs(figure.scarto) < 0.05 ? 0.0 : figure.scarto;
    char campi[96];
    char* fine = campi;
    const auto scrivi = [&](double valore, std::chars_format formato, int cifre) {
        *fine++ = ',';
        fine = std::to_chars(fine, campi + sizeof campi, valore, formato, cifre).ptr;
    };
    scrivi(figure.attesa, std::chars_format::fixed, 1);
    scrivi(scarto, std::chars_format::fixed, 1);
    scrivi(figure.probabilitaAttuale, std::chars_format::scientific, 3);
    scrivi(figure.probabilitaMassimo, std::chars_format::scientific, 3);
    *fine++ = '\n';
    testo.pop_back();
    testo.append(campi, fine);
}

/** The chance of a column of a search made for the items of `sorte` numbers. */
template <class Risultati>
stats::CalcoloCaso calcoloCaso(const Risultati& risultati, int sorte, int colonna, int posizione = 0) {
    return {stats::probabilitaSorte(sorte, posizione), stats::colonnaCaso(risultati.Base_Caso, colonna)};
}

void scriviNumeri(const core::Stato& stato, const stats::RisultatiNumeri& risultati, bool caso,
                  std::ostream& uscita) {
    std::string testo = intestazione("colonna,numero,frequenza,ritardo_attuale,ritardo_massimo", caso);
    for (int c : colonne(stato)) {
        const auto colonna = static_cast<std::size_t>(c);
        const auto calcolo = calcoloCaso(risultati, 1, c, risultati.posizione);
        for (std::size_t n = 1; n <= 90; ++n) {
            const int frequenza = risultati.Frequenza_Numero[colonna][n];
            const int attuale = risultati.Ritardo_Attuale_Numero[colonna][n];
            const int massimo = risultati.Ritardo_Massimo_Numero[colonna][n];
            riga(testo, {c, static_cast<int>(n), frequenza, attuale, massimo});
            if (caso) aggiungiCaso(testo, calcolo, frequenza, attuale, massimo);
        }
    }
    uscita << testo;
}

void scriviAmbi(const core::Stato& stato, const stats::RisultatiAmbi& risultati, bool caso,
                std::ostream& uscita) {
    std::string testo = intestazione("colonna,a,b,frequenza,ritardo_attuale,ritardo_massimo", caso);
    testo.reserve(testo.size() + std::size_t{stats::NUMERO_COLONNE} * stats::NUMERO_AMBI * (caso ? 64 : 24));
    for (int c : colonne(stato)) {
        const auto calcolo = calcoloCaso(risultati, 2, c);
        for (int a = 1, k = 1; a <= 89; ++a)
            for (int b = a + 1; b <= 90; ++b, ++k) {
                const int frequenza = risultati.frequenza(c, k);
                const int attuale = risultati.ritardoAttuale(c, k);
                const int massimo = risultati.ritardoMassimo(c, k);
                riga(testo, {c, a, b, frequenza, attuale, massimo});
                if (caso) aggiungiCaso(testo, calcolo, frequenza, attuale, massimo);
            }
    }
    uscita << testo;
}

/** The caso command: the test of the 90 numbers' frequencies against chance, one row per selected wheel. */
void scriviVerificaCaso(const core::Stato& stato, const stats::RisultatiNumeri& risultati,
                        std::ostream& uscita) {
    std::string testo = "colonna,chi2,gradi,p\n";
    char campi[96];
    for (int c : colonne(stato)) {
        if (c == 0) continue;
        const auto verifica = stats::verificaCaso(risultati, c);
        const int scritti = std::snprintf(campi, sizeof campi, "%d,%.2f,%d,%.3e\n", c, verifica.chi2,
                                          verifica.gradi, verifica.p);
        testo.append(campi,
                     static_cast<std::size_t>(std::clamp(scritti, 0, static_cast<int>(sizeof campi) - 1)));
    }
    uscita << testo;
}

/**
 * The triples' rows: of each column in enumeration order, or descending by the key of --ordina; only the
 * first --primi of each. Written out a megabyte at a time, as the whole text runs to tens of megabytes.
 */
void scriviTerni(const core::Stato& stato, const stats::RisultatiTerni& risultati, const Opzioni& opzioni,
                 std::ostream& uscita) {
    std::string testo = intestazione("colonna,a,b,c,frequenza,ritardo_attuale,ritardo_massimo", opzioni.caso);
    const int quante = std::min(opzioni.primi.value_or(stats::NUMERO_TERNI), stats::NUMERO_TERNI);
    const auto chiave = CHIAVI_ORDINE.find(opzioni.ordina);
    for (int c : colonne(stato)) {
        std::vector<int> ordine;
        if (chiave != CHIAVI_ORDINE.end()) ordine = stats::Ordine_Terni(risultati, c, chiave->second, true);
        const auto calcolo = calcoloCaso(risultati, 3, c);
        for (int p = 1; p <= quante; ++p) {
            const int k = ordine.empty() ? p : ordine[static_cast<std::size_t>(p)];
            const stats::Terno t = stats::ternoInPosizione(k);
            const int frequenza = risultati.frequenza(c, k);
            const int attuale = risultati.ritardoAttuale(c, k);
            const int massimo = risultati.ritardoMassimo(c, k);
            riga(testo, {c, t.a, t.b, t.c, frequenza, attuale, massimo});
            if (opzioni.caso) aggiungiCaso(testo, calcolo, frequenza, attuale, massimo);
            if (testo.size() >= (std::size_t{1} << 20)) {
                uscita << testo;
                testo.clear();
            }
        }
    }
    uscita << testo;
}

/**
 * The storia command: the delay of the number (or pair) after every counted draw, on column 0 of the
 * selected wheels, which is the wheel itself when one alone is selected.
 */
void scriviStoria(const stats::SerieRitardi& serie, std::ostream& uscita) {
    std::string testo = "estrazione,data,concorso,ritardo\n";
    testo.reserve(testo.size() + serie.punti.size() * 32);
    char campo[96];
    for (const auto& punto : serie.punti) {
        std::snprintf(campo, sizeof campo, "%d,%02d/%02d/%04d,%d/%d,%d\n", punto.estrazione,
                      punto.data.giorno, punto.data.mese, punto.data.anno, punto.concorso.numero,
                      punto.concorso.anno, punto.ritardo);
        testo += campo;
    }
    uscita << testo;
}

/** The arguments of the import command. */
struct Importazione {
    std::filesystem::path cartella, file;
    bool aggiungi = false;
};

core::Esito<Importazione> leggiImportazione(const std::vector<std::string>& argomenti) {
    Importazione richiesta;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& argomento = argomenti[i];
        if (argomento == "--cartella") {
            if (i + 1 >= argomenti.size()) return uso("manca il valore di --cartella.");
            richiesta.cartella = argomenti[++i];
        } else if (argomento == "--aggiungi") {
            richiesta.aggiungi = true;
        } else if (argomento.starts_with("--")) {
            return uso("opzione sconosciuta per importa: " + argomento + ".");
        } else if (!richiesta.file.empty()) {
            return uso("indicare un solo file da importare.");
        } else {
            richiesta.file = argomento;
        }
    }
    if (richiesta.file.empty()) return uso("manca il file da importare.");
    return richiesta;
}

/**
 * The folder that importa and aggiorna write into: `cartella` as given, made when missing, or without
 * --cartella the program's own, the user's data folder made when it is the one (as the program makes it
 * at its first start). False, with the reason on `errori`, when it cannot be made.
 */
bool cartellaDiScrittura(std::filesystem::path& cartella, std::ostream& errori) {
    if (cartella.empty()) {
        const auto scelta = cartellaPredefinita();
        if (const auto pronta = core::preparaCartella(scelta); !pronta) {
            errori << "quintaro-cli: " << pronta.messaggio() << '\n';
            return false;
        }
        cartella = scelta.percorso;
    }
    // A folder given and missing is made, as the program's own is: a new archive goes there.
    std::error_code errore;
    std::filesystem::create_directories(cartella, errore);
    if (std::filesystem::is_directory(cartella)) return true;
    errori << "quintaro-cli: impossibile creare la cartella " << cartella.string() << ".\n";
    return false;
}

/** The import command: reads and checks FILE, prints the report, then writes the archive. */
int eseguiImporta(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori) {
    auto richiesta = leggiImportazione(argomenti);
    if (!richiesta) {
        errori << "quintaro-cli: " << richiesta.messaggio() << '\n' << SUGGERIMENTO;
        return ESITO_USO;
    }
    if (!cartellaDiScrittura(richiesta->cartella, errori)) return ESITO_ARCHIVIO;
    const auto& [cartella, file, aggiungi] = *richiesta;
    core::Stato stato(cartella);
    core::Imposta_Tabelle_Globali(stato);
    const auto lettura = importa::leggiFileStorico(file);
    uscita << importa::resoconto(lettura);
    if (!lettura.valida()) {
        errori << "quintaro-cli: il file " << file.string()
               << " non può essere importato; l'archivio non è stato modificato.\n";
        return ESITO_ARCHIVIO;
    }
    const auto esito = importa::importaEstrazioni(
        stato, lettura, aggiungi ? importa::Modo::Aggiungi : importa::Modo::Sostituisci, core::oraLocale());
    if (!esito) {
        errori << "quintaro-cli: " << esito.messaggio() << '\n';
        return ESITO_ARCHIVIO;
    }
    uscita << esito->messaggio << '\n';
    return uscita ? ESITO_OK : ESITO_ARCHIVIO;
}

/** The arguments of the update command: the folder and the addresses given with --url. */
struct Aggiornamento {
    std::filesystem::path cartella;
    std::vector<std::string> indirizzi;
};

core::Esito<Aggiornamento> leggiAggiornamento(const std::vector<std::string>& argomenti) {
    Aggiornamento richiesta;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& nome = argomenti[i];
        if (nome != "--cartella" && nome != "--url")
            return uso("opzione sconosciuta per aggiorna: " + nome + ".");
        if (i + 1 >= argomenti.size()) return uso("manca il valore di " + nome + ".");
        if (nome == "--cartella")
            richiesta.cartella = argomenti[++i];
        else
            richiesta.indirizzi.push_back(argomenti[++i]);
    }
    return richiesta;
}

/**
 * The update command: downloads the draws file, prints its report and appends the new draws (all of
 * them into an empty folder). Progress goes to standard error when that is a terminal.
 */
int eseguiAggiorna(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori) {
    auto richiesta = leggiAggiornamento(argomenti);
    if (!richiesta) {
        errori << "quintaro-cli: " << richiesta.messaggio() << '\n' << SUGGERIMENTO;
        return ESITO_USO;
    }
    if (!cartellaDiScrittura(richiesta->cartella, errori)) return ESITO_ARCHIVIO;
    core::Stato stato(richiesta->cartella);
    core::Imposta_Tabelle_Globali(stato);
    const auto indirizzi =
        richiesta->indirizzi.empty() ? importa::indirizziAggiornamento(stato) : richiesta->indirizzi;
    rete::Avanzamento avanzamento;
    bool scritto = false;
    if (&errori == &std::cerr && ::isatty(STDERR_FILENO) == 1)
        avanzamento = [&](qint64 ricevuti, qint64 totale, const std::string& indirizzo) {
            errori << "\rScaricamento da " << indirizzo << ": " << rete::quantita(ricevuti)
                   << (totale > 0 ? " di " + rete::quantita(totale) : std::string()) << "   " << std::flush;
            scritto = true;
        };
    const auto scaricato = rete::scarica(indirizzi, importa::controllaFileScaricato, avanzamento);
    if (scritto) errori << '\n';
    if (!scaricato) {
        errori << "quintaro-cli: " << scaricato.messaggio() << "\nL'archivio non è stato modificato.\n";
        return ESITO_ARCHIVIO;
    }
    const auto lettura = importa::leggiStorico(scaricato->byte);
    uscita << "File scaricato da " << scaricato->indirizzo << '\n' << importa::resoconto(lettura);
    if (!lettura.valida()) {
        errori << "quintaro-cli: il file scaricato da " << scaricato->indirizzo
               << " non può essere importato; l'archivio non è stato modificato.\n";
        return ESITO_ARCHIVIO;
    }
    const auto esito = importa::importaEstrazioni(stato, lettura, importa::Modo::Aggiungi, core::oraLocale());
    if (!esito) {
        errori << "quintaro-cli: " << esito.messaggio() << '\n';
        return ESITO_ARCHIVIO;
    }
    uscita << esito->messaggio << '\n'
           << (esito->scritte > 0 ? "aggiunte " + std::to_string(esito->scritte) + " estrazioni"
               : esito->nazionaliCompletate > 0
                   ? "completata la Nazionale di " + std::to_string(esito->nazionaliCompletate) +
                         " estrazioni"
                   : std::string("archivio già aggiornato"))
           << '\n';
    return uscita ? ESITO_OK : ESITO_ARCHIVIO;
}

/** The spy command's own options; the folder and the period are read as the searches read them. */
struct RichiestaSpia {
    stats::ParametriSpia parametri;
    std::vector<std::string> ricerca{"numeri"}; ///< --cartella and the period, for leggiOpzioni
};

core::Esito<RichiestaSpia> leggiSpia(const std::vector<std::string>& argomenti) {
    RichiestaSpia richiesta;
    std::optional<int> numero, colpi;
    std::string ruota, bersaglio;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& nome = argomenti[i];
        if (i + 1 >= argomenti.size()) return uso("manca il valore di " + nome + ".");
        const std::string& valore = argomenti[++i];
        if (nome == "--numero" || nome == "--colpi") {
            (nome == "--numero" ? numero : colpi) = intero(valore);
            if (!(nome == "--numero" ? numero : colpi))
                return uso("valore non numerico per " + nome + ": " + valore + ".");
        } else if (nome == "--ruota") {
            ruota = valore;
        } else if (nome == "--bersaglio") {
            bersaglio = valore;
        } else if (nome == "--cartella" || nome == "--dal" || nome == "--al" || nome == "--anno" ||
                   nome == "--cicli") {
            richiesta.ricerca.insert(richiesta.ricerca.end(), {nome, valore});
        } else {
            return uso("opzione sconosciuta per spia: " + nome + ".");
        }
    }
    if (!numero) return uso("manca --numero.");
    if (ruota.empty()) return uso("manca --ruota.");
    auto& p = richiesta.parametri;
    p.numero = *numero;
    p.colpi = colpi.value_or(1);
    if (p.numero < 1 || p.numero > 90) return uso("--numero deve stare fra 1 e 90.");
    if (p.colpi < 1 || p.colpi > stats::MASSIMO_COLPI_SPIA) return uso("--colpi deve stare fra 1 e 18.");
    const auto spuntata = leggiRuote(ruota);
    if (!spuntata) return spuntata.errore();
    if (std::count(spuntata->begin(), spuntata->end(), true) != 1)
        return uso("--ruota indica una sola ruota: " + ruota + ".");
    p.ruota = static_cast<int>(std::ranges::find(*spuntata, true) - spuntata->begin());
    if (!bersaglio.empty()) {
        const auto bersagli = leggiRuote(bersaglio);
        if (!bersagli) return bersagli.errore();
        p.bersagli = *bersagli;
    }
    return richiesta;
}

/** The spy command: one CSV row per number, in number order. */
int eseguiSpia(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori) {
    const auto richiesta = leggiSpia(argomenti);
    const auto lette =
        richiesta ? leggiOpzioni(richiesta->ricerca) : core::Esito<Opzioni>(richiesta.errore());
    if (!lette) {
        errori << "quintaro-cli: " << lette.messaggio() << '\n' << SUGGERIMENTO;
        return ESITO_USO;
    }
    core::Stato stato(lette->cartella);
    if (const int esito = preparaStato(stato, &*lette, nullptr, errori); esito != ESITO_OK) return esito;
    const auto risultati = stats::cercaSpia(stato, richiesta->parametri);
    if (!risultati) {
        errori << "quintaro-cli: " << risultati.messaggio() << '\n' << SUGGERIMENTO;
        return ESITO_USO;
    }
    std::string testo = "numero,uscite_spia,presenze,attese,scarto\n";
    const std::string attese = stats::dueDecimali(risultati->attese(), '.');
    for (int n = 1; n <= 90; ++n)
        testo += std::to_string(n) + ',' + std::to_string(risultati->uscite) + ',' +
                 std::to_string(risultati->presenze[static_cast<std::size_t>(n)]) + ',' + attese + ',' +
                 stats::dueDecimali(risultati->scarto(n), '.') + '\n';
    uscita << testo;
    return uscita ? ESITO_OK : ESITO_ARCHIVIO;
}

/**
 * The gruppi command: takes out its own options (--famiglia, --numeri, --sorte), reads the others as
 * the searches do, and writes the figures of every group in every column. A lunghetta shorter than the
 * sorte, or a family together with a lunghetta, is refused in one line.
 */
int eseguiGruppi(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori) {
    std::vector<std::string> altri{"numeri"};
    std::optional<std::string> famiglia, numeri;
    std::string sorte = "1";
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& nome = argomenti[i];
        const bool proprio = nome == "--famiglia" || nome == "--numeri" || nome == "--sorte";
        if (proprio && i + 1 >= argomenti.size()) {
            errori << "quintaro-cli: manca il valore di " << nome << ".\n";
            return ESITO_USO;
        }
        if (nome == "--famiglia")
            famiglia = argomenti[++i];
        else if (nome == "--numeri")
            numeri = argomenti[++i];
        else if (nome == "--sorte")
            sorte = argomenti[++i];
        else
            altri.push_back(nome);
    }
    const auto rifiuta = [&](const std::string& motivo) {
        errori << "quintaro-cli: " << motivo << '\n';
        return ESITO_USO;
    };
    const auto k = intero(sorte);
    if (!k || *k < 1 || *k > stats::SORTE_MASSIMA)
        return rifiuta("--sorte deve essere fra 1 (estratto) e 5 (cinquina): " + sorte + ".");
    if (famiglia && numeri) return rifiuta("indicare --famiglia oppure --numeri, non entrambi.");
    if (!famiglia && !numeri) return rifiuta("indicare --famiglia oppure --numeri.");
    std::vector<stats::Gruppo> gruppi;
    if (famiglia) {
        const auto& tutte = stats::famiglie();
        const auto trovata =
            std::ranges::find_if(tutte, [&](const stats::Famiglia& f) { return f.chiave == *famiglia; });
        if (trovata == tutte.end())
            return rifiuta("famiglia sconosciuta: " + *famiglia +
                           " (cadenze, decine, decine_cabalistiche, figure, quindicine o gemelli).");
        gruppi = trovata->gruppi;
    } else {
        auto lunghetta = stats::leggiLunghetta("--numeri", *numeri);
        if (!lunghetta) return rifiuta(lunghetta.messaggio());
        if (static_cast<int>(lunghetta->numeri.size()) < *k)
            return rifiuta("la lunghetta ha " + std::to_string(lunghetta->numeri.size()) +
                           " numeri, meno della sorte " + std::to_string(*k) + ".");
        gruppi.push_back(std::move(*lunghetta));
    }

    auto lette = leggiOpzioni(altri);
    if (lette && (lette->caso || lette->posizione))
        lette = uso("--caso e --posizione non valgono per il comando gruppi.");
    const auto spuntate = lette ? leggiRuote(lette->ruote) : core::Esito<core::SpunteRuote>(lette.errore());
    if (!spuntate) {
        errori << "quintaro-cli: " << spuntate.messaggio() << '\n' << SUGGERIMENTO;
        return ESITO_USO;
    }
    core::Stato stato(lette->cartella);
    if (const int esito = preparaStato(stato, &*lette, &*spuntate, errori); esito != ESITO_OK) return esito;
    const auto risultati = stats::ricercaGruppi(stato, gruppi, *k);
    if (!risultati) {
        errori << "quintaro-cli: " << risultati.messaggio() << '\n';
        return ESITO_ARCHIVIO;
    }
    std::string testo = "colonna,gruppo,frequenza,ritardo_attuale,ritardo_massimo\n";
    for (int c : colonne(stato))
        for (std::size_t g = 0; g < gruppi.size(); ++g) {
            const auto colonna = static_cast<std::size_t>(c);
            riga(testo, {c, static_cast<int>(g), risultati->Frequenza[colonna][g],
                         risultati->Ritardo_Attuale[colonna][g], risultati->Ritardo_Massimo[colonna][g]});
        }
    uscita << testo;
    return uscita ? ESITO_OK : ESITO_ARCHIVIO;
}

/** The arguments of the check of a ticket. */
struct RichiestaVerifica {
    std::filesystem::path cartella;
    std::string numeri, ruote, poste;
    std::optional<int> dal, colpi;
    std::optional<core::Data> dalData;
    bool riepilogo = false;
};

core::Esito<RichiestaVerifica> leggiVerifica(const std::vector<std::string>& argomenti) {
    RichiestaVerifica richiesta;
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        const std::string& nome = argomenti[i];
        if (nome == "--riepilogo") {
            richiesta.riepilogo = true;
            continue;
        }
        if (nome != "--cartella" && nome != "--numeri" && nome != "--ruote" && nome != "--poste" &&
            nome != "--dal" && nome != "--dal-data" && nome != "--colpi")
            return uso("opzione sconosciuta per verifica: " + nome + ".");
        if (i + 1 >= argomenti.size()) return uso("manca il valore di " + nome + ".");
        const std::string& valore = argomenti[++i];
        if (nome == "--cartella") {
            richiesta.cartella = valore;
        } else if (nome == "--numeri") {
            richiesta.numeri = valore;
        } else if (nome == "--ruote") {
            richiesta.ruote = valore;
        } else if (nome == "--poste") {
            richiesta.poste = valore;
        } else if (nome == "--dal-data") {
            richiesta.dalData = core::Data::daTesto(valore);
            if (!richiesta.dalData) return uso("data non valida per --dal-data: " + valore + " (G/M/AAAA).");
        } else {
            auto& campo = nome == "--dal" ? richiesta.dal : richiesta.colpi;
            campo = intero(valore);
            if (!campo) return uso("valore non numerico per " + nome + ": " + valore + ".");
        }
    }
    if (richiesta.numeri.empty()) return uso("manca --numeri.");
    if (richiesta.ruote.empty()) return uso("manca --ruote.");
    if (richiesta.poste.empty()) return uso("manca --poste.");
    if (richiesta.dal && richiesta.dalData) return uso("indicare --dal oppure --dal-data, non entrambi.");
    if (richiesta.colpi && *richiesta.colpi < 1) return uso("--colpi deve essere almeno 1.");
    if (richiesta.cartella.empty()) richiesta.cartella = cartellaPredefinita().percorso;
    return richiesta;
}

/** The ticket of --numeri, --ruote and --poste; fails with the one line that says what is wrong. */
core::Esito<stakes::Bolletta> leggiBolletta(const RichiestaVerifica& richiesta) {
    stakes::Bolletta bolletta;
    auto numeri = stakes::leggiNumeri(richiesta.numeri);
    if (!numeri) return numeri.errore();
    bolletta.numeri = std::move(*numeri);
    const auto ruote = leggiRuote(richiesta.ruote);
    if (!ruote) return ruote.errore();
    bolletta.ruote = *ruote;
    std::array<bool, 6> date{};
    std::size_t inizio = 0;
    while (inizio <= richiesta.poste.size()) {
        const std::size_t virgola = std::min(richiesta.poste.find(',', inizio), richiesta.poste.size());
        const std::string voce = richiesta.poste.substr(inizio, virgola - inizio);
        inizio = virgola + 1;
        const std::size_t uguale = voce.find('=');
        const auto sorte = std::ranges::find(stakes::SORTI, voce.substr(0, std::min(uguale, voce.size())));
        if (uguale == std::string::npos || sorte == stakes::SORTI.begin() || sorte == stakes::SORTI.end())
            return uso("posta non valida: '" + voce +
                       "' (estratto, ambo, terno, quaterna o cinquina, '=' e l'importo).");
        const auto k = static_cast<std::size_t>(sorte - stakes::SORTI.begin());
        if (date[k]) return uso("la posta di " + voce.substr(0, uguale) + " è indicata due volte.");
        date[k] = true;
        const auto puntata = stakes::leggiPuntata(voce.substr(uguale + 1), static_cast<int>(k));
        if (!puntata) return puntata.errore();
        bolletta.puntate[k] = *puntata;
    }
    if (auto valida = stakes::controllaBolletta(bolletta); !valida) return valida.errore();
    return bolletta;
}

/** The check of a ticket: the CSV of its wins, or of its totals, over the draws asked. */
int eseguiVerifica(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori) {
    const auto richiesta = leggiVerifica(argomenti);
    if (!richiesta) {
        errori << "quintaro-cli: " << richiesta.messaggio() << '\n' << SUGGERIMENTO;
        return ESITO_USO;
    }
    const auto bolletta = leggiBolletta(*richiesta);
    if (!bolletta) {
        errori << "quintaro-cli: " << bolletta.messaggio() << '\n';
        return ESITO_USO;
    }
    core::Stato stato(richiesta->cartella);
    if (const int esito = preparaStato(stato, nullptr, nullptr, errori); esito != ESITO_OK) return esito;
    if (const auto poste = stakes::Leggi_Pagamenti_Poste(stato); !poste)
        errori << "quintaro-cli: " << poste.messaggio() << '\n';
    const int ultima = stato.Estrazioni_Caricate;
    int dal = richiesta->dal.value_or(ultima);
    if (richiesta->dalData) {
        dal = stakes::primaEstrazioneDal(stato, *richiesta->dalData);
        if (dal == 0) {
            errori << "quintaro-cli: nessuna estrazione dell'archivio è del " << richiesta->dalData->testo()
                   << " o successiva.\n";
            return ESITO_USO;
        }
    }
    const int colpi = richiesta->colpi.value_or(1);
    const auto verifica = stakes::verificaBolletta(stato, *bolletta, dal, colpi);
    if (!verifica) {
        errori << "quintaro-cli: " << verifica.messaggio() << '\n';
        return ESITO_USO;
    }
    uscita << (richiesta->riepilogo ? stakes::csvRiepilogo(*verifica) : stakes::csvVincite(*verifica));
    if (static_cast<int>(verifica->estrazioni.size()) < colpi)
        errori << "quintaro-cli: verificate " << verifica->estrazioni.size() << " estrazioni delle " << colpi
               << " richieste: l'archivio finisce all'estrazione " << ultima << ".\n";
    return uscita ? ESITO_OK : ESITO_ARCHIVIO;
}

} // namespace

int esegui(const std::vector<std::string>& argomenti, std::ostream& uscita, std::ostream& errori) {
    if (argomenti.size() == 1 && argomenti[0] == "--version") {
        uscita << "quintaro-cli " << QUINTARO_VERSIONE << '\n';
        return ESITO_OK;
    }
    if (std::ranges::find(argomenti, "--help") != argomenti.end()) {
        uscita << aiuto(argomenti[0]);
        return ESITO_OK;
    }
    if (!argomenti.empty() && argomenti[0] == "importa") return eseguiImporta(argomenti, uscita, errori);
    if (!argomenti.empty() && argomenti[0] == "aggiorna") return eseguiAggiorna(argomenti, uscita, errori);
    if (!argomenti.empty() && argomenti[0] == "spia") return eseguiSpia(argomenti, uscita, errori);
    if (!argomenti.empty() && argomenti[0] == "verifica") return eseguiVerifica(argomenti, uscita, errori);
    if (!argomenti.empty() && argomenti[0] == "gruppi") return eseguiGruppi(argomenti, uscita, errori);
    const auto lette = leggiOpzioni(argomenti);
    const auto spuntate = lette ? leggiRuote(lette->ruote) : core::Esito<core::SpunteRuote>(lette.errore());
    if (!spuntate) {
        errori << "quintaro-cli: " << spuntate.messaggio() << '\n' << SUGGERIMENTO;
        return ESITO_USO;
    }
    const Opzioni& opzioni = *lette;

    core::Stato stato(opzioni.cartella);
    if (const int esito = preparaStato(stato, &opzioni, &*spuntate, errori); esito != ESITO_OK) return esito;
    if (opzioni.comando == "terni") {
        stats::RisultatiTerni risultati;
        stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_TERNI(stato, risultati);
        scriviTerni(stato, risultati, opzioni, uscita);
    } else if (opzioni.comando == "storia") {
        std::vector<int> numeri{*opzioni.numero};
        if (opzioni.secondo) numeri.push_back(*opzioni.secondo);
        const auto combinazione = stats::Combinazione::da(numeri);
        if (!combinazione) {
            errori << "quintaro-cli: " << combinazione.messaggio() << '\n' << SUGGERIMENTO;
            return ESITO_USO;
        }
        const auto serie = stats::serieRitardi(stato, *combinazione, 0);
        if (!serie) {
            errori << "quintaro-cli: " << serie.messaggio() << '\n';
            return ESITO_ARCHIVIO;
        }
        scriviStoria(*serie, uscita);
    } else if (opzioni.comando == "ambi") {
        stats::RisultatiAmbi risultati;
        stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(stato, risultati);
        scriviAmbi(stato, risultati, opzioni.caso, uscita);
    } else {
        stats::RisultatiNumeri risultati;
        stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, risultati, {},
                                                             {.posizione = opzioni.posizione.value_or(0)});
        if (opzioni.comando == "caso")
            scriviVerificaCaso(stato, risultati, uscita);
        else
            scriviNumeri(stato, risultati, opzioni.caso, uscita);
    }
    return uscita ? ESITO_OK : ESITO_ARCHIVIO;
}

} // namespace cli
