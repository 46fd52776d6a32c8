#pragma once

#include <QObject>

namespace ui {

/**
 * Tells the open result windows that the search period or the wheel selection has just changed: the
 * period window announces each application, the wheel window each confirmed choice.
 */
class AvvisoPeriodo : public QObject {
    Q_OBJECT
public:
    static AvvisoPeriodo& istanza();
    void annuncia() { emit cambiato(); }

signals:
    void cambiato();
};

} // namespace ui
