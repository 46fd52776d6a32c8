#pragma once

#include <QDialog>

class QLabel;

namespace ui {

/**
 * "INFORMAZIONI PROGRAMMA", shown modally from the main window: the program's title (twice, the
 * second copy as its shadow), its version, the note on the screen resolution and the program's
 * pictures. "Chiudi" closes it.
 */
class frmInformazioni : public QDialog {
    Q_OBJECT
public:
    explicit frmInformazioni(QWidget* genitore = nullptr);

    /** Writes the title into both labels of the pair and the version beside "versione:". */
    void Scrivi_Versione();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    QLabel* Label1_0 = nullptr;
    QLabel* Label1_1 = nullptr;
    QLabel* lblVersione = nullptr;
};

} // namespace ui
