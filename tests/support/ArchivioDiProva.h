#pragma once

// The one way tests build an archive: draws described as numbers, dates and contests (Estrazione),
// turned into the archive files' bytes by an encoder of the tests' own (never the program's), written
// into a temporary program folder and, when asked, loaded as the program loads it.
#include "core/Stato.h"

#include <QTemporaryDir>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace prova {

// One draw: date, contest, five numbers per wheel (all 0 for a null wheel). A number outside 0..90 is
// written as the byte 140 - n, which only a damaged record holds.
struct Estrazione {
    int giorno = 1, mese = 1, anno = 2000;
    int concorso = 1;
    std::array<std::array<int, 5>, 11> ruote{}; // the Nazionale last: null unless a test gives it
};

// A draw of this date and contest whose wheels hold distinct plausible numbers derived from `variante`;
// the wheels listed in `nulle` (1..10) are null.
Estrazione estrazione(int giorno, int mese, int anno, int concorso, int variante = 0,
                      std::vector<int> nulle = {});

// Draws laid out by years: perAnno[i] draws (0 for a year without any) in year primoAnno + i, draw n of
// a year with contest n.
std::vector<Estrazione> perAnni(const std::vector<int>& perAnno, int primoAnno = 2001);

// The date record as the program writes it, " 5/ 3/2003", and the contest record, "  7/2003".
std::string testoData(int giorno, int mese, int anno);
std::string testoConcorso(int concorso, int anno);

// The draws in the operator's storico layout: one line "YYYY/MM/DD<TAB>code<TAB>five numbers" per drawn
// wheel (BA .. VE, Roma as RM, the Nazionale as RN), in the order given.
std::string testoStorico(const std::vector<Estrazione>& estrazioni);

// The names of the thirteen archive files, in the order of fotografia() and attesi().
inline const char* const FILE_ARCHIVIO[] = {"BARI",      "CAGLIARI", "FIRENZE", "GENOVA", "MILANO",
                                            "NAPOLI",    "PALERMO",  "ROMA",    "TORINO", "VENEZIA",
                                            "NAZIONALE", "DATA",     "CONCORSO"};

// The thirteen files' bytes that these draws give, record n = draw n.
std::vector<std::string> attesi(const std::vector<Estrazione>& estrazioni);

// A temporary program folder, deleted at the end of the test.
class CartellaDiProva {
public:
    CartellaDiProva();
    std::filesystem::path percorso() const;
    std::filesystem::path ruote() const { return percorso() / "RUOTE"; }
    // Writes the archive files of these draws into RUOTE/; without `nazionale`, an archive written before
    // the Nazionale existed: no file of it.
    void scriviArchivio(const std::vector<Estrazione>& estrazioni, bool nazionale = true) const;
    // Writes them, then loads the whole archive into `stato` (a state of this folder) as the program
    // does at its start; the test fails when it cannot be loaded.
    void carica(core::Stato& stato, const std::vector<Estrazione>& estrazioni) const;
    // Writes a file under the folder with exactly these bytes.
    void scriviFile(const std::filesystem::path& relativo, const std::string& byte) const;
    // The bytes of a file under the folder; empty when missing.
    std::string leggiFile(const std::filesystem::path& relativo) const;
    // A state whose program folder is this folder, its tables set.
    core::Stato stato() const;

private:
    QTemporaryDir m_dir;
};

// The archive files' bytes of a folder, in the order of FILE_ARCHIVIO (empty for a missing file).
std::vector<std::string> fotografia(const CartellaDiProva& cartella);

// Folder of the real historical draws shipped beside the project, or empty when it is absent.
std::filesystem::path cartellaDatiReali();

} // namespace prova
