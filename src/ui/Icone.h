#pragma once

#include <QCursor>
#include <QIcon>

namespace ui {

/** The toolbar's pictures, drawn by the program itself. */
QIcon iconaAggiornamento();
QIcon iconaRuote();
QIcon iconaPeriodo();
QIcon iconaGuida();

/** The custom pointer of the number grids (a magnifying lens, hot spot at its centre). */
QCursor puntatoreGriglie();

} // namespace ui
