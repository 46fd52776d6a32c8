#pragma once

#include "core/Blocco.h"

namespace ui {

/**
 * How the program waits while another program holds the archive: after a moment the window "Attendere:
 * l'archivio è in uso da un altro programma…" names the holder and offers "Annulla", which gives up the
 * operation; the window goes when the wait ends. The return value is the setting it replaces.
 */
core::AttesaBlocco installaAttesaArchivio();

} // namespace ui
