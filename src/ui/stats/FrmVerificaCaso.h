#pragma once

#include "FinestraRicerca.h"
#include "stats/Caso.h"

#include <array>
#include <vector>

class QLabel;
class QTableWidget;

namespace ui {

/**
 * "Verifica del caso": for each selected wheel, Pearson's test of the 90 numbers' frequencies over the
 * search period against equal chance, with its sentence, the most and least frequent numbers; and, wheel
 * by wheel, the 90 numbers with their expected frequency, deviation and the chance of their current
 * delay. Page 0 lists the selected wheels' tests; the arrows browse the wheels.
 */
class FrmVerificaCaso : public FinestraRicerca {
    Q_OBJECT
public:
    explicit FrmVerificaCaso(core::Stato& stato, QWidget* principale = nullptr);

    QTableWidget* griglia(int c) const { return m_griglie[static_cast<std::size_t>(c)]; }
    /** The tests of the last search, one per selected wheel in wheel order. */
    const std::vector<stats::VerificaCaso>& verifiche() const { return m_verifiche; }
    /** Prints the tests of the selected wheels, through the print dialog. */
    void cmdStampa_Click();

protected:
    bool eseguiRicerca(const stats::Avanzamento& avanzamento) override;
    void concludiRicerca(bool completa) override;
    void ordinaColonna(int colonna, int criterio, bool decrescente) override;
    std::string testoCsv(int colonna) const override;
    QString prefissoFile() const override { return QStringLiteral("verifica_caso"); }
    QTableWidget* grigliaGrafico(int colonna) const override { return griglia(colonna); }
    std::vector<int> numeriDellaCella(int colonna, int riga, int colonnaGriglia) const override;
    std::array<int, 3> valoriDi(int colonna, const std::vector<int>& numeri) const override;
    const stats::BaseCaso& baseCaso() const override { return m_risultati.Base_Caso; }

private:
    void scriviRiepilogo();
    void scriviColonna(int colonna);
    /** The line of a wheel's test: "BARI: χ² = 95,31 (89 gradi), p = 0,302: compatibile con il caso". */
    QString rigaVerifica(const stats::VerificaCaso& verifica) const;

    stats::RisultatiNumeri m_risultati;
    std::vector<stats::VerificaCaso> m_verifiche;
    std::array<std::array<int, 91>, core::NUMERO_RUOTE + 1> m_ordine{};
    std::array<QTableWidget*, core::NUMERO_RUOTE + 1> m_griglie{};
    std::array<QLabel*, core::NUMERO_RUOTE + 1> m_giudizi{};
};

} // namespace ui
