#include "Posizione.h"

#include "Programma.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>

namespace ui {

void sottoLaStriscia(QWidget* finestra, const QWidget* principale) {
    centraSulloSchermo(finestra);
    if (!principale || !principale->isVisible()) return;
    const QScreen* schermo = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
    if (!schermo) return;
    const QRect area = schermo->availableGeometry();
    const QRect cornice = finestra->frameGeometry();
    int y = std::max(cornice.y(), principale->frameGeometry().bottom() + 1);
    y = std::min(y, area.bottom() + 1 - cornice.height());
    // A screen too short for both: the strip's toolbar may be covered, its menu bar never.
    if (const auto* striscia = qobject_cast<const QMainWindow*>(principale); striscia && striscia->menuBar())
        y = std::max(y, striscia->menuBar()->mapToGlobal(QPoint(0, striscia->menuBar()->height())).y());
    finestra->move(cornice.x(), y);
}

} // namespace ui
