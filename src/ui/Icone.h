#pragma once

#include <QIcon>

namespace ui {

/** The toolbar's pictures, drawn by the program itself. */
QIcon iconaAggiornamento();
QIcon iconaRuote();
QIcon iconaPeriodo();
QIcon iconaGuida();

} // namespace ui
