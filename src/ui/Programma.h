#pragma once

#include <QString>

#include <string>

class QLabel;
class QPushButton;
class QScrollBar;
class QTableWidget;
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
/** A sunken label that shows a value, named `nome`, at least `larghezza` pixels wide. */
QLabel* etichettaValore(QWidget* genitore, const char* nome, int larghezza = 90);
/** A push button named `nome` with its tooltip; it never takes Enter as a default button would. */
QPushButton* pulsante(QWidget* genitore, const char* nome, const QString& testo,
                      const QString& suggerimento = {});
/** A horizontal scroll bar named `nome`. */
QScrollBar* barraOrizzontale(QWidget* genitore, const char* nome);
/** A grid of fixed cells: no headers, no editing, no selection, no scroll bars, rows as tall as the font. */
void impostaGrigliaFissa(QTableWidget* griglia);

/** A text of the archive files (single-byte characters) as the windows show it. */
QString testoArchivio(const std::string& byte);

} // namespace ui
