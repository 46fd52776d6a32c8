#include "Programma.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

QString titoloProgramma() { return QStringLiteral("Quintaro"); }

QString versioneProgramma() { return QStringLiteral(QUINTARO_VERSIONE); }

void centraSulloSchermo(QWidget* finestra) {
    QScreen* schermo = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
    if (!schermo) return;
    const QRect area = schermo->availableGeometry();
    const QSize dimensione = finestra->frameGeometry().size();
    finestra->move(area.x() + (area.width() - dimensione.width()) / 2,
                   area.y() + (area.height() - dimensione.height()) / 2);
}

void tieniNelloSchermo(QWidget* finestra) {
    QScreen* schermo = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
    if (!schermo) return;
    const QRect area = schermo->availableGeometry();
    const QRect cornice = finestra->frameGeometry();
    int x = std::min(cornice.x(), area.right() + 1 - cornice.width());
    int y = std::min(cornice.y(), area.bottom() + 1 - cornice.height());
    finestra->move(std::max(x, area.x()), std::max(y, area.y()));
}

QString testoArchivio(const std::string& byte) { return QString::fromLatin1(byte.data(), static_cast<qsizetype>(byte.size())); }

} // namespace ui
