#pragma once

#include "core/Stato.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;

namespace ui {

/**
 * The main window: a narrow strip with the menu bar from which every other window opens, and a line
 * that tells which archive is loaded. Closing it in any way asks whether to end the program.
 */
class PRINCIPIO : public QMainWindow {
    Q_OBJECT
public:
    explicit PRINCIPIO(core::Stato& stato, QWidget* genitore = nullptr);

    /** What the main window does once shown at start-up. */
    void apertura();
    /** Rewrites the line that describes the loaded archive. */
    void aggiornaInformazioni();

signals:
    /** The user confirmed the end of the program. */
    void programmaTerminato();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    QMenu* menu(const char* nome, const QString& titolo);
    QAction* voce(QMenu* menu, const char* nome, const QString& titolo);
    void separatore(QMenu* menu, const char* nome);

    core::Stato& m_stato;
    QLabel* m_informazioni = nullptr;
};

} // namespace ui
