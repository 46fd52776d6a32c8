#pragma once

#include <QWidget>

namespace ui {

/** "Elaborazione in corso, ATTENDERE": shown while the first search period is applied. */
class frmAttesa : public QWidget {
    Q_OBJECT
public:
    explicit frmAttesa(QWidget* genitore = nullptr);

    /**
     * Shows the window and paints it before returning, so that its text is on the screen while the
     * long work that follows runs without giving control back to the event loop.
     */
    void mostra();

protected:
    void showEvent(QShowEvent* evento) override;
};

} // namespace ui
