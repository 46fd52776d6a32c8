#pragma once

#include "Stato.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace core {

/** Settings fields 1..110, each in a 20-byte slot at byte 20k-19 of ImpoBin; 19 bytes of text are read. */
inline constexpr int NUMERO_CAMPI = 110;
inline constexpr int BYTE_CAMPO = 20;
inline constexpr int BYTE_TESTO_CAMPO = 19;

/** True when the file can be opened for reading; false for a folder. */
bool File_Esistente(const std::filesystem::path& percorso);

/**
 * The 19 bytes of settings field k, untrimmed; blanks for a slot past the file's end. "-1" when k is
 * outside 1..110 or the settings file cannot be read (a missing file among others).
 */
std::string Leggi_Impostazione(const Stato& stato, int k);

/**
 * Stores the trimmed text in field k: 19 spaces, then the text over them (a text of exactly 20
 * characters also fills the slot's 20th byte). Returns false, writing nothing, when k is outside
 * 1..110, the text is longer than 20 characters, the file cannot be written, or a settings file is
 * there but cannot be read (no permission, an I/O error, a link that leads nowhere): it would
 * otherwise be replaced by a file holding this field alone. Only a missing file is created afresh.
 * The file is rewritten beside the old one and renamed over it, so a failed write leaves the old
 * settings whole.
 */
[[nodiscard]] bool Scrivi_Impostazione(const Stato& stato, int k, std::string_view testo);

/** Numeric value of the trimmed field k, as its readers take it: -1 for a missing file, 0 for a blank. */
int Leggi_Numero_Impostazione(const Stato& stato, int k);

/**
 * True when field k holds nothing yet, as at a first start: the settings file cannot be read (a
 * missing file among others), the slot lies past the file's end, or it is blank. Its reader then takes
 * the field's default without alarming the user.
 */
bool Campo_Vuoto(const Stato& stato, int k);

} // namespace core
