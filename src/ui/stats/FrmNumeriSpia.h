#pragma once

#include "FinestraRicerca.h"
#include "stats/Spia.h"

#include <array>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace ui {

/**
 * "Numeri spia": the numbers that come out in the draws after a spy number. The user picks the spy,
 * its wheel, the span and the targets (the spy's wheel, or the wheels selected with "Ruote"); AVVIO
 * lists the 90 numbers by presences, descending unless the ordering menu says otherwise, with the
 * presences chance alone gives and the deviation. With the selected wheels as targets, column 0 holds
 * them together and each selected wheel's column that wheel alone.
 */
class frmNUMERISPIA : public FinestraRicerca {
    Q_OBJECT
public:
    explicit frmNUMERISPIA(core::Stato& stato, QWidget* principale = nullptr);

    /** Column c's results: 0 the targets together, 1..NUMERO_RUOTE a selected wheel alone. */
    const stats::RisultatiSpia& risultati(int c) const { return m_risultati[static_cast<std::size_t>(c)]; }
    QTableWidget* mfgSpia(int c) const { return m_griglie[static_cast<std::size_t>(c)]; }
    /** "Stampa": prints the shown column in its shown order. */
    void cmdStampa_Click();

protected:
    bool eseguiRicerca(const stats::Avanzamento& avanzamento) override;
    void concludiRicerca(bool completa) override;
    void ordinaColonna(int colonna, int criterio, bool decrescente) override;
    std::string testoCsv(int colonna) const override;
    QString prefissoFile() const override { return QStringLiteral("numeri_spia"); }
    QTableWidget* grigliaGrafico(int colonna) const override { return mfgSpia(colonna); }
    std::vector<int> numeriDellaCella(int colonna, int riga, int colonnaGriglia) const override;
    bool criterioOfferto(int criterio) const override;
    std::array<int, 3> valoriDi(int colonna, const std::vector<int>& numeri) const override;
    const stats::BaseCaso& baseCaso() const override;
    /** No cell is an item whose delays chance weighs: the grid carries its own expected presences and
     * deviation, so no tooltip nor status line speaks of delays. */
    std::optional<ElementoCaso> elementoDellaCella(int, int, int) const override { return std::nullopt; }

private:
    QWidget* costruisciParametri();
    void SCRIVI_DATI_RICERCA(int colonna);

    std::array<stats::RisultatiSpia, core::NUMERO_RUOTE + 1> m_risultati{};
    std::array<std::array<int, 91>, core::NUMERO_RUOTE + 1> m_ordine{};
    std::array<bool, core::NUMERO_RUOTE + 1> m_cercata{}; ///< the columns the last search filled
    std::array<QTableWidget*, core::NUMERO_RUOTE + 1> m_griglie{};
    std::string m_periodo; ///< the period of the last search, for the printout
    QSpinBox* spnNumeroSpia = nullptr;
    QComboBox* cboRuotaSpia = nullptr;
    QSpinBox* spnColpi = nullptr;
    QComboBox* cboBersaglio = nullptr;
    QLabel* lblUsciteSpia = nullptr;
};

} // namespace ui
