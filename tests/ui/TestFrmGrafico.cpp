// The chart window: opened from the number and pair windows on the cell chosen, with its title, its
// figures and the bars of the column; the time axis zoomed and reset, the draw under the mouse, the
// image saved at the size asked and the chart printed on one page.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "ui/stats/FrmFreqRitAmbo.h"
#include "ui/stats/FrmFreqRitEstratti.h"
#include "ui/stats/FrmGrafico.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QtCharts/QAbstractSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include <memory>
#include <tuple>

using prova::ScriptPrompt;

class TestFrmGrafico : public QObject {
    Q_OBJECT
private slots:
    void siApreSullaCellaScelta_data() {
        QTest::addColumn<bool>("ambi");
        QTest::addColumn<bool>("doppioClic"); // otherwise a click, then "Grafico"
        QTest::addColumn<int>("riga");
        QTest::addRow("numeri-doppio-clic") << false << true << 6;
        QTest::addRow("numeri-pulsante") << false << false << 21;
        QTest::addRow("ambi-doppio-clic") << true << true << 4;
    }
    void siApreSullaCellaScelta() {
        QFETCH(bool, ambi);
        QFETCH(bool, doppioClic);
        QFETCH(int, riga);
        prova::BancoRicerca banco(30, "0010000001"); // FIRENZE and VENEZIA
        std::unique_ptr<ui::FinestraRicerca> finestra(
            ambi ? static_cast<ui::FinestraRicerca*>(new ui::frmFREQRITAMBO(banco.stato))
                 : new ui::frmFREQRITESTRATTI(banco.stato));
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
        ScriptPrompt script({true});
        finestra->cmdAVVIO_Click();
        finestra->cmdRuotaMeno_Click(); // VENEZIA, the last grid
        finestra->ordina(3);            // by current delay: the cell shows another number than its place
        auto* griglia = finestra->findChild<QTableWidget*>(ambi ? "mfgFreqRitAmbi_10" : "mfgRicerca_10");
        // What the user reads in the chosen cell's column: the number (or pair) and its frequency.
        const int colonna = ambi ? 1 : 5, primaRiga = ambi ? riga : riga / 4 * 4;
        const QString numero = griglia->item(primaRiga, colonna)->text().simplified();
        const QString frequenza = griglia->item(ambi ? riga : primaRiga + 1, ambi ? 2 : colonna)->text();
        const QPoint centro = griglia->visualItemRect(griglia->item(riga, colonna)).center();
        if (doppioClic) {
            QTest::mousePress(griglia->viewport(), Qt::LeftButton, {}, centro); // as a mouse does before it
            QTest::mouseDClick(griglia->viewport(), Qt::LeftButton, {}, centro);
        } else {
            QTest::mouseClick(griglia->viewport(), Qt::LeftButton, {}, centro);
            finestra->findChild<QPushButton*>("cmdGrafico")->click();
        }
        auto* grafico = finestra->findChild<ui::FrmGrafico*>();
        QVERIFY(grafico);
        QCOMPARE(grafico->windowTitle(),
                 QStringLiteral("Grafico %1 — VENEZIA")
                     .arg(ambi ? "dell'ambo " + QString(numero).remove(' ') : "del numero " + numero));
        const QString riepilogo = grafico->findChild<QLabel*>("lblRiepilogo")->text();
        QVERIFY(riepilogo.contains(" frequenza <b>" + frequenza + "</b>"));
        QList<int> evidenziate, selezionate = grafico->barreNumeri()->selectedBars();
        for (const QString& n : numero.split(" - "))
            evidenziate << n.toInt() - 1;
        std::sort(selezionate.begin(), selezionate.end());
        QCOMPARE(selezionate, evidenziate);
        grafico->findChild<QRadioButton*>("optRitardoAttuale")->setChecked(true);
        if (!ambi) // the bars show the current delays of the grid's column
            QCOMPARE(QString::number(grafico->barreNumeri()->at(numero.toInt() - 1)),
                     griglia->item(primaRiga + 2, colonna)->text());
        if (ambi || !doppioClic) return;
        // With "Mostra il caso", chance's two lines: a number on VENEZIA alone, a pair on both wheels
        // crossed.
        for (const auto& [c, numeri, nomi] :
             {std::tuple{10, std::vector<int>{7},
                         QStringList{"Media del caso (18,0)", "Caso 1 su 1000 (121, fuori scala)"}},
              std::tuple{0, std::vector<int>{7, 45},
                         QStringList{"Media del caso (200,5)", "Caso 1 su 1000 (1.382, fuori scala)"}}}) {
            std::unique_ptr<ui::FrmGrafico> conCaso(
                ui::FrmGrafico::apri(banco.stato, *stats::Combinazione::da(numeri), c, nullptr, true));
            QStringList lette;
            for (const QAbstractSeries* serie : conCaso->graficoRitardo()->series())
                lette << serie->name();
            QCOMPARE(lette.mid(3), nomi);
        }
    }

    void zoomImmagineEStampa_data() {
        QTest::addColumn<int>("scelta"); // 0 the window's size, 1 1600 x 900
        QTest::addColumn<QString>("file");
        QTest::addRow("png-finestra") << 0 << "grafico.png";
        QTest::addRow("png-grande") << 1 << "grafico";
        QTest::addRow("svg-grande") << 1 << "grafico.svg";
    }
    void zoomImmagineEStampa() {
        QFETCH(int, scelta);
        QFETCH(QString, file);
        prova::BancoRicerca banco(30, "0010001000");
        const auto ambo = *stats::Combinazione::da({3, 17});
        std::unique_ptr<ui::FrmGrafico> grafico(ui::FrmGrafico::apri(banco.stato, ambo, 7, nullptr));
        QVERIFY(QTest::qWaitForWindowExposed(grafico.get()));

        const auto [primo, ultimo] = grafico->intervalloMostrato();
        grafico->zoom(0.5, (primo + ultimo) / 2);
        const auto [da, a] = grafico->intervalloMostrato();
        QVERIFY(da > primo && a < ultimo && std::abs((a - da) - (ultimo - primo) / 2) < 1000);
        // Dragged with the left button three quarters of the plot to the right: back to the first draw.
        QChartView* vista = nullptr; // the delay's chart, the page shown
        for (auto* v : grafico->findChildren<QChartView*>())
            vista = v->isVisible() ? v : vista;
        const QRectF area = vista->chart()->plotArea();
        const QPoint presa = vista->mapFromScene(area.center()),
                     lasciata = presa + QPoint(int(0.75 * area.width()), 0);
        QTest::mousePress(vista->viewport(), Qt::LeftButton, {}, presa);
        QMouseEvent mossa(QEvent::MouseMove, lasciata, vista->viewport()->mapToGlobal(lasciata), Qt::NoButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(vista->viewport(), &mossa);
        QTest::mouseRelease(vista->viewport(), Qt::LeftButton, {}, lasciata);
        QCOMPARE(grafico->intervalloMostrato(), std::make_pair(primo, primo + (a - da)));
        grafico->findChild<QPushButton*>("cmdRipristina")->click();
        QCOMPARE(grafico->intervalloMostrato(), std::make_pair(primo, ultimo));
        grafico->findChild<QTabWidget*>()->setCurrentIndex(1); // nothing to restore on the other page
        QVERIFY(!grafico->findChild<QPushButton*>("cmdRipristina")->isEnabled());
        grafico->findChild<QTabWidget*>()->setCurrentIndex(0);
        const auto punto = stats::serieRitardi(banco.stato, ambo, 7)->punti[9]; // 3 Nov 2001, until 6 Dec
        QCOMPARE(grafico->testoPunto(QDateTime(QDate(2001, 11, 5), QTime(20, 0)).toMSecsSinceEpoch()),
                 QStringLiteral("Estrazione del 3/11/2001, concorso 10/2001: ritardo %1").arg(punto.ritardo));

        QTemporaryDir cartella;
        auto precedente = ui::prompt::installaGestoreFile([&](const QString&, const QString& proposto) {
            return proposto.endsWith(QStringLiteral("grafico_3_17_palermo.png")) ? cartella.filePath(file)
                                                                                 : QString();
        });
        ScriptPrompt script({true});
        script.scelte({scelta});
        grafico->zoom(0.5, (primo + ultimo) / 2); // the saved picture tells the span it shows
        grafico->cmdSalvaImmagine_Click();
        ui::prompt::installaGestoreFile(precedente);
        const QString percorso = cartella.filePath(file.endsWith(".svg") ? file : "grafico.png");
        QCOMPARE(script.testi().last(), "Immagine salvata in " + percorso + ".");
        const QImage immagine(percorso);
        QCOMPARE(immagine.size(),
                 scelta == 0 ? grafico->findChild<QWidget*>("vistaRitardo")->size() : QSize(1600, 900));
        if (file.endsWith(".svg")) { // its text: the combination and wheel, the period, the span
            QFile svg(percorso);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            const QByteArray testo = svg.readAll();
            QVERIFY(testo.contains("Grafico dell'ambo 3-17 — PALERMO") && testo.contains("Mostrato: dal ") &&
                    testo.contains("Periodo: dal 4/2/2001 al 7/7/2001 (30 estrazioni) — frequenza "));
        }

        if (scelta != 0) return;
        const QString testo =
            prova::stampato([&] { grafico->findChild<QPushButton*>("cmdStampa")->click(); });
        QCOMPARE(testo.count(QLatin1Char('\f')), 1); // one page
        QVERIFY2(testo.contains(QStringLiteral("Ritardo dell'ambo 3-17 — PALERMO")), qPrintable(testo));
    }
};

QTEST_MAIN(TestFrmGrafico)
#include "TestFrmGrafico.moc"
