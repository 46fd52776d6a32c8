#pragma once

#include <QWidget>

namespace ui {

/** "Elaborazione in corso, ATTENDERE": shown while the first search period is applied. */
class frmAttesa : public QWidget {
    Q_OBJECT
public:
    explicit frmAttesa(QWidget* genitore = nullptr);

protected:
    void showEvent(QShowEvent* evento) override;
};

} // namespace ui
