#pragma once

#include <QString>
#include <QStringList>

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
    bool siNo = false;    ///< Yes and No buttons; otherwise OK alone
    QStringList pulsanti; ///< scegli(): the buttons, in order
    QString dettagli;     ///< scegli(): a long text shown in a scrollable box under the question
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
QString scegliFileDaSalvare(QWidget* genitore, const QString& titolo, const QString& proposto,
                            const QString& filtro);

/** Answers file choosers in place of the real dialog (tests); an empty handler restores the dialog. */
using GestoreFile = std::function<QString(const QString& titolo, const QString& proposto)>;
GestoreFile installaGestoreFile(GestoreFile gestore);

/**
 * Lets the user choose a printer (or a PDF file) for `stampante` through the print dialog; false when
 * the user cancels.
 */
bool scegliStampante(QWidget* genitore, QPrinter& stampante);

/** Prepares the printer in place of the print dialog (tests: a PDF file); an empty handler restores the
 * dialog. */
using GestoreStampante = std::function<bool(QPrinter& stampante)>;
GestoreStampante installaGestoreStampante(GestoreStampante gestore);

/** Replaces the handler that shows the boxes; returns the previous one. An empty handler restores the real
 * boxes. */
Gestore installaGestore(Gestore gestore);

/**
 * A question with several answers: `testo` above, `dettagli` (when not empty) in a scrollable read-only
 * box below it, then one button per entry of `pulsanti`. Returns the index of the button pressed, or
 * -1 when the box is closed without one (Esc).
 */
int scegli(QWidget* genitore, const QString& titolo, const QString& testo, const QString& dettagli,
           const QStringList& pulsanti);

/** Answers scegli() in place of the real box (tests); returns the previous handler. An empty handler restores
 * the box. */
using GestoreScelta = std::function<int(QWidget* genitore, const Richiesta&)>;
GestoreScelta installaGestoreScelta(GestoreScelta gestore);

/**
 * Asks for an existing file to read, starting in `cartella`; empty when the user cancels. Tests answer
 * it with the handler of installaGestoreFile, which receives `cartella` as its second argument.
 */
QString scegliFileDaAprire(QWidget* genitore, const QString& titolo, const QString& cartella,
                           const QString& filtro);

} // namespace ui::prompt
