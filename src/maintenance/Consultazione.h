#pragma once

#include "core/Formato.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace core {
class Archivio;
}

namespace maintenance {

/** The number boxes of a draw: five a wheel, wheel w owning 5w-4..5w, the Nazionale's last. */
inline constexpr int CASELLE_NUMERI = core::NUMERI_PER_RECORD * core::RUOTE_ARCHIVIO;

/** The texts of the entry fields of the maintenance window: what the boxes show or what is typed. */
struct CampiEstrazione {
    std::array<std::string, CASELLE_NUMERI + 1> estratti; ///< boxes 1..CASELLE_NUMERI; element 0 unused
    std::string giorno, mese, anno;                       ///< txt_Giorno, txt_Mese, txt_Anno_Data
    std::string concorso, annoConcorso;                   ///< txt_Concorso, lbl_Anno_Concorso
};

/** The state of the archive files as the window opens them. */
enum class StatoArchivio {
    Sano,
    LunghezzaErrata, ///< BARI is not a whole number of 5-byte records, or another file holds a different
                     ///< number of records
    Troppo           ///< more draws than Max_Estrazioni_Archivio
};

/**
 * The archive as the window opens it, read whole once and browsed from memory. It is held by pointer so
 * that the window's header need not know the archive's class.
 */
struct ArchivioAperto {
    /** The files as read (no draw when they cannot be read); never null. */
    std::shared_ptr<const core::Archivio> archivio;
    StatoArchivio stato = StatoArchivio::Sano;
    int estrazioni = 0; ///< draws (BARI's length / 5), 0 unless the archive is sound
};

/**
 * Reads the archive of the RUOTE folder `cartella` (core::Archivio::leggi) and checks it: BARI's length,
 * then the limit, then that the other eleven files hold as many records. A missing folder, or a file that
 * cannot be read, makes the archive LunghezzaErrata.
 */
ArchivioAperto Dati_Iniziali_Aggiornamento(const std::filesystem::path& cartella, int maxEstrazioni);

/**
 * Draw v (1-based) as the window shows it: each box the decimal number of its position (empty for a
 * damaged byte; 0 for a null wheel or a draw the archive lacks), the day and month as characters 1-2 and
 * 4-5 of the date record and the year as 7-10, the contest as characters 1-3 of the contest record and
 * its year as 5-8.
 */
CampiEstrazione Mostra_Estrazione(const core::Archivio& archivio, int v);

/**
 * The information panel's lines 0..6 for m draws with draw v shown: m; "estr. 1 - " + contest 1;
 * date 1; "estr. m - " + contest m; date m; "estr. v - " + contest v; date v. Dates read d/m/yyyy
 * ("5/6/2002"); a record that holds no valid date is shown as it is.
 */
std::array<std::string, 7> Mostra_Dati_Generali(const core::Archivio& archivio, int m, int v);

/**
 * The copy buffer of a shown draw: [1..50] the numbers (-1 for a box empty after trimming), [51..55]
 * day, month, year, contest and contest year (0 when empty). Values are numeric values of the texts.
 */
std::array<int, CASELLE_NUMERI + 6> copiaEstrazione(const CampiEstrazione& campi);

/** The fields a paste fills from the copy buffer: each number as text, empty where -1 is stored. */
CampiEstrazione incollaEstrazione(const std::array<int, CASELLE_NUMERI + 6>& memoria);

/** The text of the maintenance report for the counters 1..4 of Contatori_Modifiche, four lines each ended by
 * "\r". */
std::string testoReport(const std::array<int, 5>& contatori);

/**
 * The heading line of every printout: the title, three blanks, the revision number, "  , oggi: " and
 * the date as the caller formats it.
 */
std::string intestazioneStampa(std::string_view titolo, int revisione, std::string_view data);

/**
 * The lines of the printout of the shown draw after the heading, in a fixed-pitch font: line 1 (0-based)
 * is the title to print bold and underlined; each wheel line holds two blanks and the wheel's name, then
 * the five boxes at character columns 17, 21, 25, 29 and 33 (1-based).
 */
std::vector<std::string> righeStampaEstrazione(const CampiEstrazione& campi,
                                               const std::array<std::string, 15>& nomiRuote,
                                               std::string_view numeroEstrazione);

} // namespace maintenance
