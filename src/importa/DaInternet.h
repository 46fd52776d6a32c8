#pragma once

#include "core/Formato.h"
#include "core/Stato.h"

#include <array>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

/** What the update from the operator's website needs to know of the draws file and of the draw days. */
namespace importa {

/** The operator's public addresses of the draws file, in the order they are tried. */
inline constexpr std::array<std::string_view, 2> INDIRIZZI_OPERATORE{
    "https://www.brightstarlottery.it/STORICO_ESTRAZIONI_LOTTO/storico.zip",
    "https://www.igt.it/STORICO_ESTRAZIONI_LOTTO/storico.zip"};

/**
 * The addresses to try, in order: the user's own address of the settings (core::campi::
 * INDIRIZZO_AGGIORNAMENTO) when there is one, then `predefiniti` (the operator's) without it.
 */
std::vector<std::string> indirizziAggiornamento(const core::Stato& stato,
                                                const std::vector<std::string>& predefiniti = {
                                                    INDIRIZZI_OPERATORE.begin(), INDIRIZZI_OPERATORE.end()});

/**
 * Checks a downloaded file: a zip archive holding storico.txt (in any folder, any letter case; see
 * estraiTesto). Returns an empty text when it is, otherwise the cause in Italian ("il file ricevuto non è
 * un archivio zip", "zip senza il file delle estrazioni").
 */
std::string controllaFileScaricato(std::string_view byte);

/**
 * The last draw day whose results are out at local time `adesso`: the latest Tuesday, Thursday or
 * Saturday (and Friday from 7 July 2023) whose 21:00 is not later than `adesso`. Holidays are not known.
 */
core::Data ultimaGiornataDisponibile(const std::tm& adesso);

/** The date of the last draw of the archive on disk; an invalid date when it has none or cannot be read. */
core::Data ultimaDataArchivio(const core::Stato& stato);

/**
 * True when the archive of `stato` lacks a draw day whose results are out at `adesso`: its last draw is
 * older than ultimaGiornataDisponibile, or it holds no draw with a valid date.
 */
bool archivioInRitardo(const core::Stato& stato, const std::tm& adesso);

} // namespace importa
