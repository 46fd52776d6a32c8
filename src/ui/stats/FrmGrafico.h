#pragma once

#include "core/Stato.h"
#include "stats/Gruppi.h"
#include "stats/Serie.h"

#include <QWidget>

#include <vector>

class QBarSet;
class QChart;
class QChartView;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QRadioButton;
class QScatterSeries;
class QTabWidget;
class QValueAxis;

namespace ui {

class VistaTempo;

/**
 * "Grafico": how the delay of a number, pair or triple grew and fell draw by draw over the search
 * period on one column (the selected wheels together or one wheel), as a step line with its maximum
 * delay and its exits marked; and, on a second tab, the 90 numbers of that column as bars, frequency
 * or current delay, with their mean. The mouse wheel zooms the time axis, hovering tells the draw.
 * The chart on show is saved as a PNG or SVG image, or printed.
 */
class FrmGrafico : public QWidget {
    Q_OBJECT
public:
    /**
     * Computes the series and the column's numbers and opens the window over `genitore`; when the
     * search cannot run (no wheel, a column no longer selected, an empty period) tells the user why and
     * returns null.
     */
    static FrmGrafico* apri(const core::Stato& stato, const stats::Combinazione& combinazione, int colonna,
                            QWidget* genitore, bool caso = false, int posizione = 0);
    /** With `caso` the delay chart also draws the mean delay by chance and the delay that chance reaches
     * once in a thousand absences; with `posizione` (1..5) a number counts only in that place of the draw. */
    FrmGrafico(const core::Stato& stato, const stats::Combinazione& combinazione, int colonna,
               stats::SerieRitardi serie, const stats::NumeriColonna& numeri, QWidget* genitore = nullptr,
               bool caso = false, int posizione = 0);
    /**
     * The chart of a group followed for a sorte (at least `sorte` of its numbers on one wheel): as apri,
     * with the group's numbers marked among the 90; with `caso`, chance's lines for the group's chance per
     * draw (stats::probabilitaGruppo).
     */
    static FrmGrafico* apriGruppo(const core::Stato& stato, const stats::Gruppo& gruppo, int sorte,
                                  int colonna, QWidget* genitore, bool caso = false);

    /** Asks the size and the file, then writes the chart on show as PNG or SVG. */
    void cmdSalvaImmagine_Click();
    /** Prints the chart on show on one landscape page, through the print dialog. */
    void cmdStampa_Click();
    /** Shows the whole period again on the time axis. */
    void cmdRipristina_Click();

    /** The chart of the delay over time and the chart of the 90 numbers. */
    QChart* graficoRitardo() const;
    QChart* graficoNumeri() const;
    /** The bars of the 90 numbers (bar i is number i + 1). */
    QBarSet* barreNumeri() const { return m_barre; }
    /** The date and time range shown on the time axis, as milliseconds since the epoch. */
    std::pair<qint64, qint64> intervalloMostrato() const;
    /** Zooms the time axis by `fattore` (below 1 closer) around the time `centro`, within the period. */
    void zoom(double fattore, qint64 centro);
    /** Moves the time axis by `frazione` of the range shown (below 0 back in time), within the period. */
    void sposta(double frazione);
    /** The text that hovering shows for the draw shown at time `istante`. */
    QString testoPunto(qint64 istante) const;

    /** Renders the chart on show at `dimensione` pixels (a 1600x900 layout is not a stretched 800x450). */
    void disegna(QPainter& pittore, const QSize& dimensione) const;
    /** The lines drawn above a saved or printed chart: title, period and frequency, and the span shown
     * when the dates are zoomed. */
    QStringList contesto() const;

protected:
    /** Esc closes the window. */
    void keyPressEvent(QKeyEvent* evento) override;

signals:
    /** The time chart has been painted for the first time. */
    void primoDisegno();

private:
    /** What a chart is of: "numero", "ambo", "gruppo"…, its text ("7-45 in 1ª posizione", "Cadenza 7,
     * ambo"), its numbers and its chance of coming out in one draw on one wheel. */
    struct Soggetto {
        QString nome, testo;
        std::vector<int> numeri;
        double probabilita = 0;
    };
    FrmGrafico(const core::Stato& stato, const Soggetto& soggetto, int colonna, stats::SerieRitardi serie,
               const stats::NumeriColonna& numeri, QWidget* genitore, bool caso);
    static Soggetto soggettoDi(const stats::Combinazione& combinazione, int posizione);
    QChart* costruisciGraficoRitardo();
    QChart* costruisciGraficoNumeri();
    void mostraValoriBarre();
    /** Shows the times da..a on the time axis, the step line and the exits redrawn for that range. */
    void mostraIntervallo(qint64 da, qint64 a);
    QChartView* vistaMostrata() const;

    stats::SerieRitardi m_serie;
    stats::NumeriColonna m_numeri;
    std::vector<int> m_evidenziati; ///< the numbers of the combination
    QString m_nome;                 ///< "del numero 7", "dell'ambo 7-45"
    QString m_colonna;              ///< "BARI", "ruote BA CA FI"
    QString m_periodo;              ///< "Periodo: dal 4/2/2001 al 7/7/2001 (30 estrazioni)"
    std::vector<qint64> m_istanti;  ///< the time of each point of the series, never decreasing
    qint64 m_primo = 0, m_ultimo = 0;
    double m_ritardoMedio = 0; ///< by chance; 0 when the chance lines are not drawn
    int m_unoSuMille = 0;      ///< the delay chance reaches once in a thousand absences

    QTabWidget* tabGrafici = nullptr;
    VistaTempo* vistaRitardo = nullptr;
    QChartView* vistaNumeri = nullptr;
    QDateTimeAxis* m_asseDate = nullptr;
    QValueAxis* m_asseBarre = nullptr;
    QLineSeries* m_linea = nullptr;
    QScatterSeries* m_uscite = nullptr;
    QBarSet* m_barre = nullptr;
    QLineSeries* m_media = nullptr;
    QLabel* lblPunto = nullptr;
    QRadioButton* optFrequenza = nullptr;
    QRadioButton* optRitardoAttuale = nullptr;
};

} // namespace ui
