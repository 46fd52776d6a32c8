#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>

class QWidget;

namespace ui {

/**
 * A printout of lines of text in a fixed-pitch font, one after the other, with a new page when one
 * is full. Imposta_Stampante lets the user choose the printer and prints the heading line that every
 * printout of the program starts with.
 */
class Stampa {
public:
    Stampa();

    /**
     * Chooses the printer (print dialog, or the handler of the tests), sets `copie` copies and the
     * font ("courier", 10 points, plain) and prints the heading: title, three blanks, revision,
     * "  , oggi: " and today's date in the short format. False when the user cancels: nothing printed.
     */
    bool Imposta_Stampante(QWidget* genitore, int copie);
    /** Prints one line; `evidenza` prints it bold and underlined. */
    void riga(const QString& testo, bool evidenza = false);
    /** Ends the document. */
    void fine();

private:
    QPrinter m_stampante;
    QPainter m_pittore;
    QFont m_carattere;
    int m_y = 0;
};

} // namespace ui
