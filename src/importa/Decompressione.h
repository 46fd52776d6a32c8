#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace importa {

/** The most text a draws file may hold once decompressed (the full official file is about 2 MiB). */
inline constexpr std::size_t MASSIMO_TESTO = std::size_t{64} << 20;

/** How the bytes of a draws file were packed. */
enum class Formato { Testo, Gzip, Zip };

/** The text taken out of a draws file. */
struct TestoEstratto {
    std::string testo;
    Formato formato = Formato::Testo;
    std::string voce;   ///< the zip entry that was read ("storico.txt"), empty for the other formats
    std::string errore; ///< why no text could be taken out (Italian); empty on success
};

/**
 * Takes the text out of the bytes of a draws file: gzip data (magic 1f 8b, one or more members) is
 * inflated, a zip archive gives its entry named storico.txt (in any folder, any letter case) or else
 * its only .txt entry (stored or deflated, CRC checked), any other bytes are the text itself. Never
 * reads outside `byte`; a text longer than MASSIMO_TESTO, damaged compressed data, an encrypted or
 * zip64 entry, or a zip without a suitable entry give `errore`.
 */
TestoEstratto estraiTesto(std::string_view byte);

} // namespace importa
