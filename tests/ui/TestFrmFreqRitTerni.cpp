// The triple-search window: the search, the paged grids, ordering, the wheel navigation and "Vai a".
#include "ArchivioAnni.h"
#include "ScriptPrompt.h"
#include "ui/stats/FrmFreqRitTerni.h"

#include <QLabel>
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
        const auto testo = [&](const char* nome) { return finestra.findChild<QLabel*>(nome)->text(); };
        QCOMPARE(testo("lblRicerca"), QStringLiteral("Ricerca eseguita."));
        QCOMPARE(testo("lblRuoteRicerca"), QStringLiteral("TO VE "));
        const auto riga = [&](int c, int r) {
            QStringList celle;
            for (int j = 0; j < 5; ++j)
                celle << finestra.mfgFreqRitTerni(c)->item(r, j)->text();
            return celle;
        };
        const auto valori = [&](int c, int k) {
            const auto& ris = finestra.risultati();
            return QStringList{QString::number(ris.frequenza(c, k)),
                               QString::number(ris.ritardoAttuale(c, k)),
                               QString::number(ris.ritardoMassimo(c, k))};
        };
        QCOMPARE(riga(0, 0)[1], QStringLiteral("TERNO"));
        QCOMPARE(riga(0, 1), QStringList({"1", " 1 -  2 -  3"}) + valori(0, 1));
        QVERIFY(riga(3, 1)[1].isEmpty()); // FIRENZE was not searched
        finestra.vscFrTerni(0)->setValue(finestra.vscFrTerni(0)->maximum());
        QCOMPARE(riga(0, 25), QStringList({"117480", " 88 -  89 -  90"}) + valori(0, 117480));

        finestra.cmdRuotaPiu_Click(); // TORINO
        finestra.ordina(4);
        QCOMPARE(testo("lblRuoteRicerca"), QStringLiteral("TORINO"));
        QCOMPARE(testo("lblOrdinamento"), QStringLiteral("RITARDO MASSIMO"));
        const auto ordine = stats::Ordine_Terni(finestra.risultati(), 9, stats::RITARDO_MASSIMO);
        for (int r = 1; r <= 25; ++r)
            QCOMPARE(riga(9, r)[1],
                     QString::fromStdString(stats::Etichetta_Terno(stats::ternoInPosizione(ordine[r]))));
        QCOMPARE(riga(9, 1)[1], QStringLiteral(" 1 -  2 -  3")); // never drawn: the first of the ties
        finestra.cmdRuotaPiu_Click();                            // VENEZIA keeps its own key
        QCOMPARE(testo("lblOrdinamento"), QStringLiteral("NUMERICO"));
        finestra.cmdRuotaMeno_Click();
        QCOMPARE(testo("lblOrdinamento"), QStringLiteral("RITARDO MASSIMO"));

        // "Vai a": the page of the triple in the order shown, its row marked.
        const stats::Terno cercato = stats::ternoInPosizione(ordine[90000]);
        finestra.txtVaiA(9)->setText(QStringLiteral("%1-%2 %3").arg(cercato.c).arg(cercato.a).arg(cercato.b));
        finestra.cmdVaiA_Click(9);
        const int r = 90000 - finestra.vscFrTerni(9)->value() + 1;
        QVERIFY(r >= 1 && r <= 25);
        QCOMPARE(riga(9, r)[0], QStringLiteral("90000"));
        QCOMPARE(riga(9, r)[1], QString::fromStdString(stats::Etichetta_Terno(cercato)));
        QCOMPARE(finestra.mfgFreqRitTerni(9)->item(r, 2)->background().color(), QColor(255, 255, 128));
        QCOMPARE(finestra.mfgFreqRitTerni(9)->item(r == 1 ? 2 : 1, 2)->background().style(), Qt::NoBrush);
        if (qEnvironmentVariableIsSet("QUINTARO_SCATTI")) // the window, for a person to look at
            finestra.grab().save(qEnvironmentVariable("QUINTARO_SCATTI") + "/terni.png");
        finestra.txtVaiA(9)->setText(QStringLiteral("7 7 45"));
        finestra.cmdVaiA_Click(9);
        QVERIFY(script.testi().last().startsWith(QStringLiteral("Indicare un terno")));
        QCOMPARE(script.rimaste(), 0);
    }
};

QTEST_MAIN(TestFrmFreqRitTerni)
#include "TestFrmFreqRitTerni.moc"
