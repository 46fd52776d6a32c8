#pragma once

#include <QString>

#include <string>

class QWidget;

/** The program's title and version as every window shows them. */
namespace ui {

/** "Quintaro". */
QString titoloProgramma();
/** major.minor.revision. */
QString versioneProgramma();
/** Places a top-level window in the middle of its screen. */
void centraSulloSchermo(QWidget* finestra);
/** Moves a top-level window that has grown past its screen's edges back inside them. */
void tieniNelloSchermo(QWidget* finestra);
/** A text of the archive files (single-byte characters) as the windows show it. */
QString testoArchivio(const std::string& byte);

} // namespace ui
