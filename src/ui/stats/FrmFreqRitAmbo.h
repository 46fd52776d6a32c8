#pragma once

#include "FinestraRicerca.h"
#include "stats/RicercaAmbi.h"

#include <QDate>

#include <array>
#include <functional>
#include <vector>

class QScrollBar;
class QTableWidget;

namespace ui {

/**
 * "FREQUENZE e RITARDI AMBI": the twin of the number window for the 4005 pairs. Each column shows a
 * page of 25 pairs at a time, moved with its own scroll bar; each keeps its scroll position and key
 * until the next search.
 */
class frmFREQRITAMBO : public FinestraRicerca {
    Q_OBJECT
public:
    explicit frmFREQRITAMBO(core::Stato& stato, QWidget* principale = nullptr);

    const stats::RisultatiAmbi& risultati() const { return m_risultati; }
    QTableWidget* mfgFreqRitAmbi(int c) const { return m_griglie[static_cast<std::size_t>(c)]; }
    QScrollBar* vscFrAmbi(int c) const { return m_barre[static_cast<std::size_t>(c)]; }
    /** The clock the window asks for today's date (tests set their own). */
    void impostaOrologio(std::function<QDate()> oggi) { m_oggi = std::move(oggi); }

protected:
    bool eseguiRicerca(const stats::Avanzamento& avanzamento) override;
    void concludiRicerca(bool completa) override;
    void ordinaColonna(int colonna, int criterio, bool decrescente) override;
    std::string testoCsv(int colonna) const override;
    QString prefissoFile() const override { return QStringLiteral("frequenze_ritardi_ambi"); }
    QTableWidget* grigliaGrafico(int colonna) const override { return mfgFreqRitAmbi(colonna); }
    QScrollBar* barraGriglia(int colonna) const override { return vscFrAmbi(colonna); }
    std::vector<int> numeriDellaCella(int colonna, int riga, int colonnaGriglia) const override;
    std::array<int, 3> valoriDi(int colonna, const std::vector<int>& numeri) const override;
    const stats::BaseCaso& baseCaso() const override { return m_risultati.Base_Caso; }
    void keyPressEvent(QKeyEvent* evento) override;

private:
    QWidget* costruisciPagina(int colonna);
    void Imposta_TestoAmbo_4005(int colonna);
    void SCRIVI_DATI_RICERCA(int colonna);

    stats::RisultatiAmbi m_risultati;
    std::array<std::vector<int>, core::NUMERO_RUOTE + 1> m_ordine;
    std::array<QTableWidget*, core::NUMERO_RUOTE + 1> m_griglie{};
    std::array<QScrollBar*, core::NUMERO_RUOTE + 1> m_barre{};
    std::function<QDate()> m_oggi = [] { return QDate::currentDate(); };
};

} // namespace ui
