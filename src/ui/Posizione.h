#pragma once

class QWidget;

namespace ui {

/**
 * Places a result window on its first showing: centred on its screen, then moved down below the main
 * window's strip `principale` (its menu bar and toolbar) when it would cover it, and never higher than the
 * strip's menu bar even when the screen is too short for both. Without a visible `principale`, only centred.
 */
void sottoLaStriscia(QWidget* finestra, const QWidget* principale);

} // namespace ui
