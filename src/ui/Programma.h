#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace core {
struct Stato;
struct Campo;
struct CampoTesto;
} // namespace core

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
/**
 * Sets up the running application as the program shows itself: its name and version, the Italian
 * locale, Qt's own Italian texts for the standard buttons ("Sì", "No", "Annulla"), and the window shown
 * while another program holds the archive (installaAttesaArchivio).
 */
void preparaApplicazione();
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
/**
 * Makes a bar report one value per move, so that its change action runs once: a click, a key or a
 * wheel step changes the value at once, a drag of the thumb only when the thumb is released.
 * `etichetta`, when given, shows the thumb's value while it is dragged (and the bar's value after).
 */
void unValorePerMossa(QScrollBar* barra, QLabel* etichetta = nullptr);
/** A grid of fixed cells: no headers, no editing, no selection, no scroll bars, rows as tall as the font. */
void impostaGrigliaFissa(QTableWidget* griglia);

/**
 * Stores a value in a settings field (core::scriviCampo). When the write fails, the window says so once
 * (the first failure of its life; later ones pass silently, so that a read-only settings file never
 * floods the user with boxes).
 */
void scriviImpostazione(QWidget* finestra, const core::Stato& stato, const core::Campo& campo, int valore);
/** Stores a text in a text field (core::scriviTesto), saying a failure once as above. */
void scriviImpostazione(QWidget* finestra, const core::Stato& stato, const core::CampoTesto& campo,
                        std::string_view testo);
/** Says that the settings file could not be written, once per window as scriviImpostazione does. */
void avvisaImpostazioniNonScritte(QWidget* finestra);

/** A text of the archive files (single-byte characters) as the windows show it. */
QString testoArchivio(const std::string& byte);

} // namespace ui
