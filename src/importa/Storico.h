#pragma once

#include "core/Formato.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace importa {

/** A draw as the file gives it: the date and the five numbers of each wheel (index 0 = BARI, the Nazionale
 * last), 0 for a wheel not drawn. */
struct Estrazione {
    core::Data data;
    std::array<std::array<std::uint8_t, 5>, core::RUOTE_ARCHIVIO> ruote{};
    /** True when wheel w (1..RUOTE_ARCHIVIO) was drawn. */
    bool presente(int w) const { return ruote[static_cast<std::size_t>(w - 1)][0] != 0; }
};

/** A line of the file that cannot be used, with its number (1-based) and the reason in Italian. */
struct RigaRifiutata {
    std::size_t riga = 0;
    std::string motivo;
};

/** A draw that the file splits over two neighbouring dates, joined under the date of its larger part. */
struct EstrazioneUnita {
    core::Data data;      ///< the date the joined draw keeps
    core::Data altraData; ///< the date of the single wheel
    int ruota = 0;        ///< that wheel, 1..RUOTE_ARCHIVIO
    int ruoteData = 0;    ///< how many wheels the kept date held
};

/** At most this many refused lines are kept with their reasons; the others are only counted. */
inline constexpr std::size_t MASSIMO_RIGHE_ELENCATE = 1000;

/** What reading a draws file found. */
struct Lettura {
    std::string errore;                   ///< the file as a whole cannot be used (Italian); empty otherwise
    std::string formato;                  ///< "testo", "gzip" or "zip (voce storico.txt)"
    std::size_t righe = 0;                ///< lines holding something
    std::size_t righeNazionale = 0;       ///< lines of the Nazionale wheel (RN)
    std::vector<Estrazione> estrazioni;   ///< draws of the accepted lines, in date order, split draws joined
    std::vector<EstrazioneUnita> unite;   ///< the split draws that were joined, in date order
    std::vector<RigaRifiutata> rifiutate; ///< the first MASSIMO_RIGHE_ELENCATE refused lines, in line order
    std::size_t righeRifiutate = 0;       ///< every refused line
    /** Draws without wheel w (1..RUOTE_ARCHIVIO); the Nazionale's counted from its first draw in the file. */
    std::array<int, core::RUOTE_ARCHIVIO + 1> nulle{};
    /** True when the whole file was understood and holds draws: only then may it be imported. */
    bool valida() const { return errore.empty() && righeRifiutate == 0 && !estrazioni.empty(); }
};

/**
 * Reads and checks a whole draws file, one line per wheel and draw: `YYYY/MM/DD`, the wheel code and
 * the five numbers in drawing order, separated by tabs (or spaces). Codes BA CA FI GE MI NA PA RM (or RO)
 * TO VE, and RN for the Nazionale. A line is refused for a date that is not a calendar date of
 * 1871..2500, an unknown code, a number outside 1..90, a number repeated on its wheel, a date and wheel
 * already given, or anything that is not this layout; blank lines, CR line ends and a leading UTF-8 BOM
 * are accepted. Lines may come in any order. Two neighbouring dates at most three days apart, one with
 * a single wheel and the other with several, none in common, are one draw split in two: they are
 * joined under the date of the larger part. `byte` may be gzip, zip or plain text (see estraiTesto).
 */
Lettura leggiStorico(std::string_view byte);

/** Reads the file (at most 256 MiB) and checks it with leggiStorico; `errore` tells when it cannot be read.
 */
Lettura leggiFileStorico(const std::filesystem::path& percorso);

/**
 * The report of a reading, in Italian, its verdict first: the error that makes the whole file unusable,
 * the count of refused lines and the first ten with their numbers and reasons (or that none was
 * refused); then lines read, draws and their first and last date, the split draws joined, the periods
 * with wheels not drawn and the count per wheel; last the further refused lines (up to the 50th).
 */
std::string resoconto(const Lettura& lettura);

} // namespace importa
