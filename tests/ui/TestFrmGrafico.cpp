// The chart window: opened from the number and pair windows on the cell chosen, with its title, its
// figures and the bars of the column; the time axis zoomed and reset, the draw under the mouse; the
// image saved at the size asked and the chart printed on one page.
#include "ArchivioAnni.h"
#include "ScriptPrompt.h"
#include "ui/Guida.h"
#include "ui/stats/FrmFreqRitAmbo.h"
#include "ui/stats/FrmFreqRitEstratti.h"
#include "ui/stats/FrmGrafico.h"

#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QtCharts/QBarSet>

#include <memory>

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
        prova::BancoRicerca banco(30, "0010001000"); // FIRENZE and PALERMO
        std::unique_ptr<ui::FinestraRicerca> finestra;
        if (ambi)
            finestra = std::make_unique<ui::frmFREQRITAMBO>(banco.stato);
        else
            finestra = std::make_unique<ui::frmFREQRITESTRATTI>(banco.stato);
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
        ScriptPrompt script({true});
        finestra->cmdAVVIO_Click();
        finestra->cmdRuotaPiu_Click(); // FIRENZE
        finestra->ordina(3);           // by current delay: the cell shows another number than its place
        auto* griglia = finestra->findChild<QTableWidget*>(ambi ? "mfgFreqRitAmbi_3" : "mfgRicerca_3");
        // What the user reads in the chosen cell's column: the number (or pair) and its frequency.
        const int colonna = ambi ? 1 : 5;
        const QString numero = griglia->item(ambi ? riga : riga / 4 * 4, colonna)->text().simplified();
        const QString frequenza = griglia->item(ambi ? riga : riga / 4 * 4 + 1, ambi ? 2 : colonna)->text();
        const QPoint centro = griglia->visualItemRect(griglia->item(riga, colonna)).center();
        if (doppioClic) {
            QTest::mousePress(griglia->viewport(), Qt::LeftButton, {},
                              centro); // as a mouse does, before its double click
            QTest::mouseDClick(griglia->viewport(), Qt::LeftButton, {}, centro);
        } else {
            QTest::mouseClick(griglia->viewport(), Qt::LeftButton, {}, centro);
            finestra->findChild<QPushButton*>("cmdGrafico")->click();
        }
        auto* grafico = finestra->findChild<ui::FrmGrafico*>();
        QVERIFY(grafico);
        const QString nome = ambi ? QStringLiteral("dell'ambo %1").arg(QString(numero).remove(' '))
                                  : QStringLiteral("del numero ") + numero;
        QCOMPARE(grafico->windowTitle(), QStringLiteral("Grafico %1 — FIRENZE").arg(nome));
        QVERIFY2(grafico->findChild<QLabel*>("lblRiepilogo")
                     ->text()
                     .contains(" frequenza <b>" + frequenza + "</b>"),
                 qPrintable(frequenza));
        QList<int> evidenziate;
        for (const QString& n : numero.split(" - "))
            evidenziate << n.toInt() - 1;
        QList<int> selezionate = grafico->barreNumeri()->selectedBars();
        std::sort(selezionate.begin(), selezionate.end());
        QCOMPARE(selezionate, evidenziate);
        if (!ambi) { // the bars switch to the current delays of the grid's column
            grafico->findChild<QRadioButton*>("optRitardoAttuale")->setChecked(true);
            QCOMPARE(QString::number(grafico->barreNumeri()->at(numero.toInt() - 1)),
                     griglia->item(riga / 4 * 4 + 2, colonna)->text());
        }
        if (qEnvironmentVariableIsSet("QUINTARO_SCATTI")) // both tabs, for a person to look at
            for (int tab : {0, 1}) {
                grafico->findChild<QTabWidget*>()->setCurrentIndex(tab);
                QTest::qWait(50);
                grafico->grab().save(
                    QStringLiteral("%1/grafico_%2_%3.png")
                        .arg(qEnvironmentVariable("QUINTARO_SCATTI"), QTest::currentDataTag())
                        .arg(tab));
            }
        grafico->close();
        script.aggiungi({true}); // a cell that holds no number
        finestra->apriGrafico(3, 0, 0);
        QVERIFY(script.testi().last().startsWith(QStringLiteral("Scegliere con un clic")));
    }

    void zoomEPassaggioDelMouse() {
        prova::BancoRicerca banco(30, "0010001000");
        const auto settanta = stats::Combinazione::da({70});
        QVERIFY(settanta);
        ui::FrmGrafico grafico(banco.stato, *settanta, 0, *stats::serieRitardi(banco.stato, *settanta, 0),
                               *stats::numeriColonna(banco.stato, 0));
        const auto [primo, ultimo] = grafico.intervalloMostrato();
        grafico.zoom(0.5, (primo + ultimo) / 2);
        const auto [da, a] = grafico.intervalloMostrato();
        QVERIFY(da > primo && a < ultimo && std::abs((a - da) - (ultimo - primo) / 2) < 1000);
        grafico.findChild<QPushButton*>("cmdRipristina")->click();
        grafico.findChild<QPushButton*>("cmdGuida")->click();
        QCOMPARE(ui::finestraGuida()->pagina().fileName(), QStringLiteral("grafico.htm"));
        QCOMPARE(grafico.intervalloMostrato(), std::make_pair(primo, ultimo));
        const auto serie = *stats::serieRitardi(banco.stato, *settanta, 0);
        const auto& punto = serie.punti[9]; // the draw of 3 Nov 2001, shown until the next one
        QCOMPARE(grafico.testoPunto(QDateTime(QDate(2001, 11, 5), QTime(20, 0)).toMSecsSinceEpoch()),
                 QStringLiteral("Estrazione del 03/11/2001, concorso 10/2001: ritardo %1%2")
                     .arg(punto.ritardo)
                     .arg(punto.uscite > 0 ? " (uscito)" : ""));
    }

    void salvaImmagineEStampa_data() {
        QTest::addColumn<int>("scelta"); // 0 the window's size, 1 1600 x 900
        QTest::addColumn<QString>("file");
        QTest::addRow("png-finestra") << 0 << "grafico.png";
        QTest::addRow("png-grande") << 1 << "grafico";
        QTest::addRow("svg-grande") << 1 << "grafico.svg";
    }
    void salvaImmagineEStampa() {
        QFETCH(int, scelta);
        QFETCH(QString, file);
        prova::BancoRicerca banco(30, "0010001000");
        const auto ambo = stats::Combinazione::da({3, 17});
        QVERIFY(ambo);
        auto* grafico = ui::FrmGrafico::apri(banco.stato, *ambo, 7, nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(grafico));
        QCOMPARE(grafico->windowTitle(), QStringLiteral("Grafico dell'ambo 3-17 — PALERMO"));
        QTemporaryDir cartella;
        auto precedente = ui::prompt::installaGestoreFile([&](const QString&, const QString& proposto) {
            return proposto.endsWith(QStringLiteral("grafico_3_17.png")) ? cartella.filePath(file)
                                                                         : QString();
        });
        ScriptPrompt script({true});
        script.scelte({scelta});
        grafico->cmdSalvaImmagine_Click();
        ui::prompt::installaGestoreFile(precedente);
        const QSize attesa =
            scelta == 0 ? grafico->findChild<QWidget*>("vistaRitardo")->size() : QSize(1600, 900);
        const QString percorso = cartella.filePath(file.endsWith(".svg") ? file : "grafico.png");
        QCOMPARE(script.testi().last(), "Immagine salvata in " + percorso + ".");
        QImage immagine(percorso);
        QCOMPARE(immagine.size(), attesa);
        QImage bianca(attesa, immagine.format());
        bianca.fill(Qt::white);
        QVERIFY(immagine != bianca);

        if (scelta != 0 || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return;
        const QString pdf = cartella.filePath(QStringLiteral("grafico.pdf"));
        const auto stampante = ui::prompt::installaGestoreStampante([&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        grafico->findChild<QPushButton*>("cmdStampa")->click();
        ui::prompt::installaGestoreStampante(stampante);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished());
        const QString testo = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(testo.count(QLatin1Char('\f')), 1); // one page
        QVERIFY2(testo.contains(QStringLiteral("Ritardo dell'ambo 3-17 — PALERMO")), qPrintable(testo));
        grafico->close();
    }
};

QTEST_MAIN(TestFrmGrafico)
#include "TestFrmGrafico.moc"
