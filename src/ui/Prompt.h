#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

/**
 * The one way the program shows a message box. Windows never call QMessageBox themselves: they call
 * informa() or chiedi(), which show a modal box with the program's caption and Italian buttons. Tests
 * install their own handler (see tests/support/ScriptPrompt.h) that answers from a script and records
 * every box, so that no test ever waits on a real dialog.
 */
namespace ui::prompt {

enum class Tipo { Nessuna, Informazione, Avviso, Domanda };

/** A box as the program asks for it. */
struct Richiesta {
    QString titolo;
    QString testo;
    Tipo tipo = Tipo::Informazione;
    bool siNo = false; ///< Yes and No buttons; otherwise OK alone
};

/** Shows the box; returns true for Yes (and for OK). */
using Gestore = std::function<bool(QWidget* genitore, const Richiesta&)>;

/** A message with an OK button. */
void informa(QWidget* genitore, const QString& titolo, const QString& testo, Tipo tipo = Tipo::Informazione);

/** A question with Yes and No; true when the answer is Yes. */
bool chiedi(QWidget* genitore, const QString& titolo, const QString& testo);

/**
 * Asks for the name of a file to write, proposing `proposto`; empty when the user cancels. `filtro`
 * is a file-dialog filter ("File CSV (*.csv)").
 */
QString scegliFileDaSalvare(QWidget* genitore, const QString& titolo, const QString& proposto, const QString& filtro);

/** Answers file choosers in place of the real dialog (tests); an empty handler restores the dialog. */
using GestoreFile = std::function<QString(const QString& titolo, const QString& proposto)>;
GestoreFile installaGestoreFile(GestoreFile gestore);

/**
 * Lets the user choose a printer (or a PDF file) for `stampante` through the print dialog; false when
 * the user cancels.
 */
bool scegliStampante(QWidget* genitore, QPrinter& stampante);

/** Prepares the printer in place of the print dialog (tests: a PDF file); an empty handler restores the dialog. */
using GestoreStampante = std::function<bool(QPrinter& stampante)>;
GestoreStampante installaGestoreStampante(GestoreStampante gestore);

/** Replaces the handler that shows the boxes; returns the previous one. An empty handler restores the real boxes. */
Gestore installaGestore(Gestore gestore);

} // namespace ui::prompt
