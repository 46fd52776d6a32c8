#pragma once

#include "FinestraRicerca.h"
#include "stats/RicercaTerni.h"

#include <array>
#include <vector>

class QLineEdit;
class QScrollBar;
class QTableWidget;

namespace ui {

/**
 * "Frequenze e Ritardi Terni": the pair window's twin for the 117,480 triples. Each column shows a page
 * of 25 triples at a time, moved with its own scroll bar, and keeps its page and key until the next
 * search; the "Vai a" box beside the grid brings a typed triple into view and marks its row.
 */
class frmFREQRITTERNI : public FinestraRicerca {
    Q_OBJECT
public:
    explicit frmFREQRITTERNI(core::Stato& stato, QWidget* principale = nullptr);

    const stats::RisultatiTerni& risultati() const { return m_risultati; }
    QTableWidget* mfgFreqRitTerni(int c) const { return m_griglie[static_cast<std::size_t>(c)]; }
    QScrollBar* vscFrTerni(int c) const { return m_barre[static_cast<std::size_t>(c)]; }
    QLineEdit* txtVaiA(int c) const { return m_vaiA[static_cast<std::size_t>(c)]; }
    /** "Vai": shows the triple typed in column c's box on the page and marks it. */
    void cmdVaiA_Click(int colonna);

protected:
    bool eseguiRicerca(const stats::Avanzamento& avanzamento) override;
    void concludiRicerca(bool completa) override;
    void ordinaColonna(int colonna, int criterio, bool decrescente) override;
    std::string testoCsv(int colonna) const override;
    QString prefissoFile() const override { return QStringLiteral("frequenze_ritardi_terni"); }
    QTableWidget* grigliaGrafico(int colonna) const override { return mfgFreqRitTerni(colonna); }
    QScrollBar* barraGriglia(int colonna) const override { return vscFrTerni(colonna); }
    std::vector<int> numeriDellaCella(int colonna, int riga, int colonnaGriglia) const override;
    std::array<int, 3> valoriDi(int colonna, const std::vector<int>& numeri) const override;
    const stats::BaseCaso& baseCaso() const override { return m_risultati.Base_Caso; }

private:
    QWidget* costruisciPagina(int colonna);
    void SCRIVI_DATI_RICERCA(int colonna);

    stats::RisultatiTerni m_risultati;
    std::array<std::vector<int>, core::NUMERO_RUOTE + 1> m_ordine;
    std::array<int, core::NUMERO_RUOTE + 1>
        m_segnato{}; ///< the position of the triple "Vai a" marked, 0 for none
    std::array<QTableWidget*, core::NUMERO_RUOTE + 1> m_griglie{};
    std::array<QScrollBar*, core::NUMERO_RUOTE + 1> m_barre{};
    std::array<QLineEdit*, core::NUMERO_RUOTE + 1> m_vaiA{};
};

} // namespace ui
