#pragma once

#include "Archivio.h"
#include "Esito.h"
#include "Stato.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

/**
 * The loading of the archive into memory, as the loading window and the command line do it, in two
 * steps: apriArchivio reads and checks the archive of the program folder; caricaEstrazioni loads the
 * chosen window of its draws (between the two the window lets the user narrow that window). What the
 * steps have to say comes back as Avviso values, which the window shows in its boxes and the command line
 * writes on standard error. caricaArchivio runs both steps on the whole archive.
 */
namespace core {

/** The loading window updates its progress display every this many draws, and after the last. */
inline constexpr int PASSO_AVANZAMENTO = 31;

/**
 * A warning of the loading in the two forms the program gives it: the text of a box of the loading
 * window, and the lines (each ending in '\n') that the command line writes on standard error, empty when
 * it says nothing.
 */
struct Avviso {
    std::string finestra;
    std::string riga;
};

/** The archive of a program folder as the loading reads it, with the warnings its reading gives. */
struct ArchivioAperto {
    Archivio archivio;
    Verifica verifica;                 ///< against Max_Estrazioni_Archivio
    bool cartella = false;             ///< the RUOTE folder exists
    std::optional<Avviso> ripristino;  ///< an interrupted update was finished or undone
    std::optional<Avviso> limite;      ///< BARI holds more draws than the program manages
    std::optional<Avviso> discordanza; ///< files whose length disagrees with the draws BARI holds
    std::optional<Errore> inUso;       ///< the archive could not be read: another process kept its lock
    /** The warnings in the order they are given. */
    std::vector<Avviso> avvisi() const;
};

/**
 * The first step of a load: finishes or undoes an update of the RUOTE folder that a crash interrupted,
 * reads its files (a file that exists and cannot be read reads as empty and is named among the
 * files of unequal lengths) and checks them. Sets Estrazioni_In_Archivio to the draws BARI holds, at most
 * Max_Estrazioni_Archivio, and Max_Concorsi_Anno from the settings. Writes nothing.
 */
ArchivioAperto apriArchivio(Stato& stato);

/**
 * Whether the archive opened has a draw to load. Fails (DatoNonValido), with the command line's text,
 * without the RUOTE folder or with no draw on BARI: the loading window then offers the emergency restore;
 * and with the reading's failure (ArchivioInUso, Annullato) when another process kept the archive's lock.
 */
Esito<void> caricabile(const Stato& stato, const ArchivioAperto& aperto);

/**
 * True in a program folder never used: no settings file and no file at all in the RUOTE folder (or no
 * RUOTE folder). An archive whose files are missing or damaged beside a settings file is not new.
 */
bool cartellaNuova(const Stato& stato);

/** What a load found besides the draws. */
struct EsitoCaricamento {
    int recordDanneggiati = 0;     ///< wheel records holding a byte outside 50..140, read as null
    int primoDanneggiato = 0;      ///< loaded index of the first draw holding one, 0 when none
    int ruotaPrimoDanneggiato = 0; ///< its first damaged wheel
    int estrazioniIncomplete = 0;  ///< draws that some file lacked (read as null, blank texts)
};

/**
 * Loads archive records primo..primo+quante-1 into loaded draws 1..quante: dimensions the in-memory
 * archive to Estrazioni_In_Archivio + 200 draws (at least the loaded ones), sets Estrazioni_Caricate,
 * and copies each draw; both counts are taken as at most Max_Estrazioni_Archivio. A record that a file
 * lacks reads as a null draw with blank date and contest; a damaged wheel record is replaced in memory by
 * a null record and counted, so that no later reader meets a byte outside 50..140. `avanzamento` (if set)
 * is called after draw 31, 62, 93, ... and after the last draw with the number of draws read so far.
 */
EsitoCaricamento START_Memorizzazione_Estrazioni(Stato& stato, const Archivio& archivio, int primo,
                                                 int quante,
                                                 const std::function<void(int)>& avanzamento = {});

/**
 * The second step of a load: START_Memorizzazione_Estrazioni, then Inizializza_Dati_Archivio. Returns the
 * warning of the damaged wheel records met, when there are any.
 */
std::optional<Avviso> caricaEstrazioni(Stato& stato, const Archivio& archivio, int primo, int quante,
                                       const std::function<void(int)>& avanzamento = {});

/**
 * The whole load, as the command line does it: apriArchivio, then caricaEstrazioni of every draw the
 * program manages. `avvisa` (if set) hears each warning when it is due. Fails as caricabile does, after
 * the warnings of the reading.
 */
Esito<void> caricaArchivio(Stato& stato, const std::function<void(const Avviso&)>& avvisa = {});

/** Highest contest number of a year: the settings field campi::MAX_CONCORSI_ANNO, or its fallback. */
int leggiMaxConcorsiAnno(const Stato& stato);

/**
 * Stores the window of draws chosen in the loading window: Prima_Estrazione_Default and
 * Ultima_Estrazione_Default, the settings fields that keep them, and Estrazioni_Predefinite_Variate.
 * Fails (FileNonScrivibile) when a field cannot be written; both are tried.
 */
Esito<void> registraEstrazioniDefault(Stato& stato, int prima, int ultima);

} // namespace core
