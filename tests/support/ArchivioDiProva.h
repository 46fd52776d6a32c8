#pragma once

#include "core/Stato.h"

#include <QTemporaryDir>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace prova {

/** One draw as a test writes it: date, contest, and five numbers per wheel (all 0 for a null wheel). */
struct Estrazione {
    int giorno = 1, mese = 1, anno = 2000;
    int concorso = 1;
    std::array<std::array<int, 5>, 10> ruote{};
};

/**
 * A draw of the given date and contest whose wheels hold distinct plausible numbers derived from
 * `variante`; the wheels listed in `nulle` (1..10) are null.
 */
Estrazione estrazione(int giorno, int mese, int anno, int concorso, int variante = 0,
                      std::vector<int> nulle = {});

/** The date record as the program writes it: " 5/ 3/2003". */
std::string testoData(int giorno, int mese, int anno);
/** The contest record as the program writes it: "  7/2003". */
std::string testoConcorso(int concorso, int anno);

/**
 * The draws in the operator's storico layout: one line "YYYY/MM/DD<TAB>code<TAB>five numbers" per
 * drawn wheel (BA .. VE, Roma as RM), in the order given.
 */
std::string testoStorico(const std::vector<Estrazione>& estrazioni);

/**
 * A temporary program folder (deleted at the end of the test) with helpers that write an archive
 * into its RUOTE/ folder and a settings file beside it.
 */
class CartellaDiProva {
public:
    CartellaDiProva();
    std::filesystem::path percorso() const;
    std::filesystem::path ruote() const { return percorso() / "RUOTE"; }
    /** Writes the twelve archive files for these draws, record n = draw n. */
    void scriviArchivio(const std::vector<Estrazione>& estrazioni) const;
    /** Writes one file of the archive (or any file under the folder) with exactly these bytes. */
    void scriviFile(const std::filesystem::path& relativo, const std::string& byte) const;
    /** The bytes of a file under the folder; empty when missing. */
    std::string leggiFile(const std::filesystem::path& relativo) const;
    /** A state whose program folder is this folder, its tables set. */
    core::Stato stato() const;

private:
    QTemporaryDir m_dir;
};

/** The names of the twelve archive files, in the order of fotografia(). */
inline const char* const FILE_ARCHIVIO[] = {"BARI",   "CAGLIARI", "FIRENZE", "GENOVA",
                                            "MILANO", "NAPOLI",   "PALERMO", "ROMA",
                                            "TORINO", "VENEZIA",  "DATA",    "CONCORSO"};

/** The twelve archive files' bytes of a folder, BARI..VENEZIA, DATA, CONCORSO. */
std::vector<std::string> fotografia(const CartellaDiProva& cartella);

/** The twelve files' bytes that a list of draws gives, written in a scratch folder. */
std::vector<std::string> attesi(const std::vector<Estrazione>& estrazioni);

/** Folder of the real historical draws shipped beside the project, or empty when it is absent. */
std::filesystem::path cartellaDatiReali();

} // namespace prova
