#pragma once

#include "core/Stato.h"
#include "importa/Importazione.h"

class QString;
class QWidget;

namespace ui {

/** Says that the draws file read from `origine` (a file name or an address) cannot be imported, with its
 * report. */
void fileRifiutato(QWidget* genitore, const QString& origine, const importa::Lettura& lettura);

/**
 * Writes a valid reading into the archive (importa::importaEstrazioni) with the busy pointer, then says how
 * it ended. `proposta`: the addition the user accepted, which is all that may be written. Returns true
 * when the archive files were written.
 */
bool scriviEstrazioni(core::Stato& stato, QWidget* genitore, const importa::Lettura& lettura,
                      importa::Modo modo, const importa::Importazione* proposta = nullptr);

/**
 * "Importa archivio…": asks for a draws file (storico.txt, storico.zip or a gzip text), reads and
 * checks it completely, shows its report and asks how to use it: replace the archive (the old one is
 * first copied to a dated backup folder) or add only the draws after its last one. With
 * `archivioVuoto` (the first start, when there is no archive) the only choice is the import itself.
 * Shows how it ended. Returns true when the archive files were written.
 */
bool importaArchivio(core::Stato& stato, QWidget* genitore, bool archivioVuoto = false);

/**
 * The official history of the draws shipped with the program, share/quintaro/storico.txt.gz beside the
 * executable's folder (the build folder and an installed tree alike), or an empty text when it is not
 * there. installaStoricoIncluso puts another file (or none, with an empty text) in its place and returns
 * the one it replaces.
 */
QString storicoIncluso();
QString installaStoricoIncluso(QString percorso);

/**
 * The restore that the emergency at start offers, one button each: the import of the official history
 * shipped with the program (storicoIncluso) when it is there, the update from the Internet (into an
 * empty folder: the whole file), the newest backup folder beside RUOTE when there is one, or the import
 * of a draws file. A way that fails leads back to the choice, which says so; Annulla gives up. `benvenuto`
 * (a folder never used) asks how to create the archive rather than how to rebuild it. Returns true when
 * the archive files were written.
 */
bool ripristinoDati(core::Stato& stato, QWidget* genitore, bool benvenuto = false);

} // namespace ui
