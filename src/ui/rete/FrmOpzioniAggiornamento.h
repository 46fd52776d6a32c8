#pragma once

#include "core/Stato.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace ui {

/**
 * The options of the update from the Internet: the user's own address of the draws file, tried before
 * the operator's, and "Controlla aggiornamenti all'avvio". OK stores them (an address that is not a
 * complete http or https address is refused with a message); Annulla leaves them as they were.
 */
class frmOpzioniAggiornamento : public QDialog {
    Q_OBJECT
public:
    explicit frmOpzioniAggiornamento(const core::Stato& stato, QWidget* genitore = nullptr);

private:
    void cmdOK_Click();

    const core::Stato& m_stato;
    QLineEdit* txtIndirizzo = nullptr;
    QCheckBox* chkControlloAvvio = nullptr;
};

} // namespace ui
