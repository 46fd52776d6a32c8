#pragma once

#include "FinestraRicerca.h"

#include <array>

class QComboBox;
class QTableWidget;

namespace ui {

/**
 * "FREQUENZE e RITARDI 90 NUMERI": frequency, current delay and maximum delay of the 90 numbers over
 * the search period, for the selected wheels together and for each of them, in eleven grids of six
 * bands that the user browses wheel by wheel and orders by any of the three statistics.
 */
class frmFREQRITESTRATTI : public FinestraRicerca {
    Q_OBJECT
public:
    /** `principale` is the window that Esc brings back to the front. */
    explicit frmFREQRITESTRATTI(core::Stato& stato, QWidget* principale = nullptr);

    const stats::RisultatiNumeri& risultati() const { return m_risultati; }
    /** Grid of column c (0..10). */
    QTableWidget* mfgRicerca(int c) const { return m_griglie[static_cast<std::size_t>(c)]; }
    /** "Posizione": 0 "tutte", 1..5 the place in the draw that the next search counts. */
    QComboBox* cboPosizione() const { return m_cboPosizione; }

protected:
    bool eseguiRicerca(const stats::Avanzamento& avanzamento) override;
    void concludiRicerca(bool completa) override;
    void ordinaColonna(int colonna, int criterio, bool decrescente) override;
    std::string testoCsv(int colonna) const override;
    QString prefissoFile() const override { return QStringLiteral("frequenze_ritardi"); }
    QTableWidget* grigliaGrafico(int colonna) const override { return mfgRicerca(colonna); }
    std::vector<int> numeriDellaCella(int colonna, int riga, int colonnaGriglia) const override;
    QString aggiuntaPeriodo() const override;
    std::array<int, 3> valoriDi(int colonna, const std::vector<int>& numeri) const override;
    const stats::BaseCaso& baseCaso() const override { return m_risultati.Base_Caso; }
    int posizioneCercata() const override { return m_risultati.posizione; }

private:
    void Imposta_mfg_Ricerca(QTableWidget* griglia);
    void SCRIVI_DATI_RICERCA();
    /** The "Posizione" row, its choice read from and kept in its settings field. */
    QWidget* costruisciPosizione();

    stats::RisultatiNumeri m_risultati;
    std::array<std::array<int, 91>, core::NUMERO_RUOTE + 1> m_ordine{};
    std::array<bool, core::NUMERO_RUOTE + 1> m_daScrivere{};
    std::array<QTableWidget*, core::NUMERO_RUOTE + 1> m_griglie{};
    QComboBox* m_cboPosizione = nullptr;
};

} // namespace ui
