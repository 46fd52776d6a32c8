#pragma once

#include "FinestraRicerca.h"
#include "stats/Gruppi.h"

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;

namespace ui {

/**
 * "Gruppi e famiglie": frequency, current delay and maximum delay of the groups of a family (cadenze,
 * decine, decine cabalistiche, figure, quindicine, gemelli) or of the user's lunghette, followed for a
 * sorte, for the selected wheels together and for each of them. One row per group, ordered as the number
 * window orders its numbers; the editor of the lunghette, the printout and the chart of a group's delay.
 */
class frmGruppi : public FinestraRicerca {
    Q_OBJECT
public:
    /** The index of "Le mie lunghette" in the family box, after the fixed families. */
    static constexpr int LUNGHETTE = 6;

    explicit frmGruppi(core::Stato& stato, QWidget* principale = nullptr);

    const stats::RisultatiGruppi& risultati() const { return m_risultati; }
    /** The groups of the results shown, in their order. */
    const std::vector<stats::Gruppo>& gruppiMostrati() const { return m_mostrati; }
    /** Grid of column c (0..NUMERO_RUOTE). */
    QTableWidget* mfgGruppi(int c) const { return m_griglie[static_cast<std::size_t>(c)]; }
    /** "Lunghette...": opens the editor; the lunghette written there are the ones the next search takes. */
    void cmdLunghette_Click();
    /** "Stampa": prints the column shown, in its order. */
    void cmdStampa_Click();
    /** Opens the chart of the group in row `riga` of column c's grid. */
    void apriGrafico(int colonna, int riga, int colonnaGriglia) override;

protected:
    bool eseguiRicerca(const stats::Avanzamento& avanzamento) override;
    void concludiRicerca(bool completa) override;
    void ordinaColonna(int colonna, int criterio, bool decrescente) override;
    std::string testoCsv(int colonna) const override;
    QString prefissoFile() const override { return QStringLiteral("gruppi"); }
    QTableWidget* grigliaGrafico(int colonna) const override { return mfgGruppi(colonna); }
    /** Only the three counts order a column: the groups' sizes differ, so the deviation and the rarity
     * of a delay are no reordering of the counts. */
    bool criterioOfferto(int criterio) const override { return criterio <= stats::RITARDO_MASSIMO; }
    std::array<int, 3> valoriDi(int colonna, const std::vector<int>& numeri) const override;
    const stats::BaseCaso& baseCaso() const override { return m_risultati.Base_Caso; }
    /** The group of a row: its chance to come out for the sorte (at least k of its m numbers among five). */
    std::optional<ElementoCaso> elementoDellaCella(int colonna, int riga, int colonnaGriglia) const override;
    /** The chance's three columns, shown with "Mostra il caso". */
    void casoCambiato() override;

private:
    QWidget* costruisciScelte();
    void scriviColonna(int colonna);
    /** What the results shown are of ("Cadenze, ambo"), in red when the family or sorte chosen differs. */
    void mostraCercati();
    QString descrizioneScelta() const;

    stats::RisultatiGruppi m_risultati;
    std::vector<stats::Gruppo> m_lunghette; ///< the user's, as last read or edited
    std::vector<stats::Gruppo> m_mostrati;  ///< the groups of m_risultati
    std::vector<std::string> m_escluse;     ///< lunghette left out of the last search: too few numbers
    QString m_cercati;                      ///< the family and sorte of m_risultati
    selection::PeriodoCercato m_periodo;    ///< the period and wheels of m_risultati
    std::array<std::vector<int>, core::NUMERO_RUOTE + 1> m_ordine;
    std::array<QTableWidget*, core::NUMERO_RUOTE + 1> m_griglie{};
    QComboBox* cboFamiglia = nullptr;
    QComboBox* cboSorte = nullptr;
    QLabel* lblCercati = nullptr;
};

} // namespace ui
