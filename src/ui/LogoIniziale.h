#pragma once

#include "core/Stato.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace ui {

class PRINCIPIO;

/**
 * The start-up window: the program's title and version, the notice on what the program does, the
 * author's links, "OK" to load the archive and go on to the main window, "CHIUDI " to end. It stays
 * loaded, hidden, while the main window runs.
 */
class LogoIniziale : public QWidget {
    Q_OBJECT
public:
    explicit LogoIniziale(core::Stato& stato, QWidget* genitore = nullptr);
    ~LogoIniziale() override;

    /** The main window, once the archive is loaded; null before. */
    PRINCIPIO* finestraPrincipale() const { return m_principale; }

    /** Loads the archive and opens the main window (the "OK" button). */
    void cmdOK_Click();
    /** Asks whether to end the program (the "CHIUDI " button). */
    void cmdChiudi_Click();

signals:
    /** The program must end (the caller quits the event loop). */
    void programmaTerminato();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    core::Stato& m_stato;
    PRINCIPIO* m_principale = nullptr;
    bool m_centrata = false;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdChiudi = nullptr;
};

} // namespace ui
