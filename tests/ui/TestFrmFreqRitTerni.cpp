// The triple-search window: the search, the paged grids as exported, ordering, the wheel navigation and
// "Vai a".
#include "ArchivioAnni.h"
#include "ScriptPrompt.h"
#include "ui/stats/FrmFreqRitTerni.h"
#include "ui/stats/FrmGrafico.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

class TestFrmFreqRitTerni : public QObject {
    Q_OBJECT
private slots:
    void ricercaOrdineNavigazioneEVaiA() {
        prova::BancoRicerca banco(40, "0000000011"); // TORINO and VENEZIA
        ui::frmFREQRITTERNI finestra(banco.stato);
        prova::ScriptPrompt script({true, true});
        finestra.cmdAVVIO_Click();
        const auto riga = [&](int c, int r) { // as the export writes it
            QStringList celle;
            for (int j = 0; j < 5; ++j)
                celle << finestra.mfgFreqRitTerni(c)->item(r, j)->text().remove(' ');
            return celle.join(';');
        };

        finestra.cmdRuotaPiu_Click(); // TORINO, which alone the key then orders
        finestra.ordina(stats::RITARDO_MASSIMO);
        const auto ordine = stats::Ordine_Terni(finestra.risultati(), 9, stats::RITARDO_MASSIMO);
        const QStringList csv = QString::fromStdString(stats::csvTerni(finestra.risultati(), 9, ordine))
                                    .split(QStringLiteral("\r\n"));
        QCOMPARE(riga(9, 1), csv[1]);
        finestra.vscFrTerni(9)->setValue(finestra.vscFrTerni(9)->maximum());
        QCOMPARE(riga(9, 25), csv[117480]);
        QVERIFY(csv[117480].startsWith(QStringLiteral("117480;"))); // the last page ends on the last triple
        finestra.apriGrafico(9, 25, 1);                             // its last row has its chart too
        const auto* grafico = finestra.findChild<ui::FrmGrafico*>();
        QVERIFY(grafico && grafico->windowTitle().contains(csv[117480].section(';', 1, 1)));

        // "Vai a": the page of the triple in the order shown, its row marked.
        const stats::Terno cercato = stats::ternoInPosizione(ordine[90000]);
        finestra.txtVaiA(9)->setText(QStringLiteral("%1-%2 %3").arg(cercato.c).arg(cercato.a).arg(cercato.b));
        finestra.cmdVaiA_Click(9);
        const int r = 90000 - finestra.vscFrTerni(9)->value() + 1;
        QCOMPARE(riga(9, r), csv[90000]);
        QCOMPARE(finestra.mfgFreqRitTerni(9)->item(r, 2)->background().color(), QColor(255, 255, 128));
        QCOMPARE(finestra.mfgFreqRitTerni(9)->item(r % 25 + 1, 2)->background().style(), Qt::NoBrush);
        finestra.txtVaiA(9)->setText(QStringLiteral("7 7 45")); // refused: the page and its mark stay
        finestra.cmdVaiA_Click(9);
        QVERIFY(script.testi().last().startsWith(QStringLiteral("Indicare un terno")));
        QCOMPARE(finestra.vscFrTerni(9)->value() + r - 1, 90000);
        QCOMPARE(finestra.mfgFreqRitTerni(9)->item(r, 2)->background().color(), QColor(255, 255, 128));
    }
};

QTEST_MAIN(TestFrmFreqRitTerni)
#include "TestFrmFreqRitTerni.moc"
