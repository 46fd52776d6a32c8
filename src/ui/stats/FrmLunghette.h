#pragma once

#include "core/Stato.h"
#include "stats/Gruppi.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace ui {

/**
 * "Le mie lunghette": the editor of the user's lists of numbers, kept in gruppi.txt in the program
 * folder. A lunghetta is added with its name and numbers typed "1 23 45", renamed or deleted; each change
 * is written at once, and lines of the file that could not be read are kept in it as they were.
 */
class frmLunghette : public QDialog {
    Q_OBJECT
public:
    /** Reads gruppi.txt; a refused line is named in a message, the others load. */
    explicit frmLunghette(const core::Stato& stato, QWidget* genitore = nullptr);

    const std::vector<stats::Gruppo>& lunghette() const { return m_lettura.gruppi; }
    /** "Aggiungi": the name and numbers typed become a new lunghetta, unless refused with a message. */
    void cmdAggiungi_Click();
    /** "Rinomina": the lunghetta chosen in the list takes the name typed. */
    void cmdRinomina_Click();
    /** "Elimina": deletes the lunghetta chosen in the list, after asking. */
    void cmdElimina_Click();

private:
    /** Writes the file with `nuove`; keeps them and shows them when written, says why otherwise. */
    bool salva(std::vector<stats::Gruppo> nuove);
    void mostraElenco();

    const core::Stato& m_stato;
    stats::LetturaLunghette m_lettura;
    QListWidget* lstLunghette = nullptr;
    QLineEdit* txtNome = nullptr;
    QLineEdit* txtNumeri = nullptr;
};

/**
 * The lunghette of gruppi.txt in `stato`'s program folder; what could not be read (a refused line, an
 * unreadable file) is told in one box over `genitore`.
 */
stats::LetturaLunghette caricaLunghette(const core::Stato& stato, QWidget* genitore);

} // namespace ui
