#pragma once

#include "core/Stato.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ui {

/**
 * "Selezione delle Ruote": ten boxes, one per wheel, to choose the wheels a search covers. The
 * selection changes only when "OK" confirms at least one wheel; the two labels always show the
 * confirmed selection, not the boxes.
 */
class frm_Ruote : public QDialog {
    Q_OBJECT
public:
    explicit frm_Ruote(core::Stato& stato, QWidget* genitore = nullptr);

    /** The box of wheel w (1..10). */
    QCheckBox* ck_Ruota(int w) const { return m_ck_Ruota[static_cast<std::size_t>(w)]; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void ck_Ruota_Click(int w);
    void cmdTutte_Click();
    void cmdNessuna_Click();
    void cmd_Ok_Click();
    void Scrivi_Label_Ruote();

    core::Stato& m_stato;
    std::array<QCheckBox*, core::NUMERO_RUOTE + 1> m_ck_Ruota{};
    QPushButton* cmd_Ok = nullptr;
    QLabel* lblNumeroRuote = nullptr;
    QLabel* lblRuote = nullptr;
};

} // namespace ui
