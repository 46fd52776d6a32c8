#pragma once

#include "core/Stato.h"
#include "stakes/Verifica.h"

#include <QDate>
#include <QPointer>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace ui {

/**
 * "Verifica giocata": a ticket (numbers, wheels, the stake of each sorte) checked on the loaded draws
 * from the last one, or from a date, for a number of draws (colpi): one row per draw checked with the
 * numbers guessed on each wheel, the sorti won and the amounts, the winning rows highlighted, the totals
 * under them. The results are exported as CSV, printed, or drawn as the balance draw after draw. The
 * last ticket checked is kept in the settings and offered at the next opening.
 */
class frmVerificaGiocata : public QWidget {
    Q_OBJECT
public:
    frmVerificaGiocata(core::Stato& stato, QWidget* principale);

    /** "Verifica": checks the boxes, then the ticket; a refusal is told in a box and changes nothing. */
    void cmdVerifica_Click();
    /** "Esporta": the CSV of the wins, in a file chosen by the user. */
    void cmdEsporta_Click();
    /** "Stampa": the ticket, the rows and the totals. */
    void cmdStampa_Click();
    /** "Grafico": the balance after each draw checked. */
    void cmdGrafico_Click();
    /** The last check, when there is one. */
    const std::optional<stakes::Verifica>& verifica() const { return m_verifica; }

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    /** The colpi and the date box bounded by the loaded draws; the date of the last one (invalid when its
     * record is not a date). */
    QDate aggiornaLimiti();
    void riempiDaRicordo();
    void chkTutte_Toggled(bool spuntata);
    void mostraRisultati();
    bool richiedeRisultati();

    core::Stato& m_stato;
    QPointer<QWidget> m_principale;
    std::optional<stakes::Verifica> m_verifica;
    stakes::Bolletta m_bolletta;
    bool m_posizionata = false;

    QLineEdit* txtNumeri = nullptr;
    std::array<QCheckBox*, core::NUMERO_RUOTE + 1> chkRuota{};
    QCheckBox* chkTutte = nullptr;
    std::array<QLineEdit*, 6> txtPosta{};
    QRadioButton* optUltima = nullptr;
    QRadioButton* optDallaData = nullptr;
    QDateEdit* dtpDal = nullptr;
    QSpinBox* spnColpi = nullptr;
    QTableWidget* mfgVerifica = nullptr;
    QLabel* lblTotali = nullptr;
};

} // namespace ui
