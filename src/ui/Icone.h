#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace ui {

/** The toolbar's pictures, drawn by the program itself. */
QIcon iconaAggiornamento();
QIcon iconaRuote();
QIcon iconaPeriodo();
QIcon iconaGuida();
/** A globe with an arrow coming down: the update from the Internet. */
QIcon iconaInternet();
/** A ticket with a tick: the check of a ticket. */
QIcon iconaVerifica();

/** The custom pointer of the number grids (a magnifying lens, hot spot at its centre). */
QCursor puntatoreGriglie();
/** The program's emblem for the about window: a wheel of ten spokes with a drawn ball, `lato` pixels square.
 */
QPixmap immagineEmblema(int lato);
/** A small bar chart with its axis, the picture of what the program does: counting. */
QPixmap immagineStatistiche(int larghezza, int altezza);

} // namespace ui
