// The pair-search window: the paged grids, each wheel's own page and order, the 27 December message,
// the option boxes with their own settings fields, and the CSV export.
#include "ArchivioAnni.h"
#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"
#include "ui/stats/FrmFreqRitAmbo.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

using prova::ScriptPrompt;

namespace {

/** 40 draws loaded, TORINO and VENEZIA selected, the whole period applied. */
struct Banco : prova::BancoRicerca {
    Banco() : BancoRicerca(40, "0000000011") {} // TORINO and VENEZIA
};

QString cella(QTableWidget* griglia, int r, int c) {
    return griglia->item(r, c)->text();
}

} // namespace

class TestFrmFreqRitAmbo : public QObject {
    Q_OBJECT
private slots:
    void pagineEOrdinePerColonna() {
        Banco banco;
        ui::frmFREQRITAMBO finestra(banco.stato);
        ScriptPrompt script({true});
        finestra.cmdAVVIO_Click();
        QCOMPARE(finestra.findChild<QLabel*>("lblRicerca")->text(), QStringLiteral("Ricerca eseguita."));
        QCOMPARE(finestra.findChild<QLabel*>("lblRuoteRicerca")->text(), QStringLiteral("TO VE "));
        QTableWidget* griglia = finestra.mfgFreqRitAmbi(0);
        QCOMPARE((QStringList{cella(griglia, 0, 1), cella(griglia, 1, 0), cella(griglia, 1, 1)}),
                 (QStringList{"AMBO", "1", " 1 -  2"}));
        QCOMPARE(cella(griglia, 1, 2).toInt(), finestra.risultati().frequenza(0, 1));
        QVERIFY(cella(finestra.mfgFreqRitAmbi(3), 1, 1).isEmpty()); // a wheel not searched stays empty
        QScrollBar* barra = finestra.vscFrAmbi(0);
        QCOMPARE(barra->maximum(), 3981);
        barra->setValue(3981); // the last page
        QCOMPARE((QStringList{cella(griglia, 1, 0), cella(griglia, 25, 0), cella(griglia, 25, 1)}),
                 (QStringList{"3981", "4005", " 89 -  90"}));
        QCOMPARE(cella(griglia, 25, 3).toInt(), finestra.risultati().ritardoAttuale(0, 4005));

        // Each wheel keeps its own page and order; ordering goes back to the first page.
        finestra.cmdRuotaPiu_Click(); // TORINO
        finestra.vscFrAmbi(9)->setValue(200);
        finestra.cmdRuotaPiu_Click(); // VENEZIA
        finestra.vscFrAmbi(10)->setValue(50);
        finestra.ordina(2);
        QCOMPARE(finestra.findChild<QLabel*>("lblOrdinamento")->text(), QStringLiteral("FREQUENZA"));
        QCOMPARE(finestra.vscFrAmbi(10)->value(), 1);
        QTableWidget* venezia = finestra.mfgFreqRitAmbi(10);
        for (int r = 1; r < 25; ++r)
            QVERIFY(cella(venezia, r, 2).toInt() <= cella(venezia, r + 1, 2).toInt());
        QCOMPARE(cella(venezia, 1, 1), QStringLiteral(" 1 -  2")); // never drawn here: first of the ties
        finestra.cmdRuotaMeno_Click();                             // back to TORINO
        QCOMPARE(finestra.vscFrAmbi(9)->value(), 200);
        QCOMPARE(finestra.findChild<QLabel*>("lblOrdinamento")->text(), QStringLiteral("NUMERICO"));
        QCOMPARE(cella(finestra.mfgFreqRitAmbi(9), 1, 0), QStringLiteral("200"));
    }

    void messaggioSoloIl27Dicembre_data() {
        QTest::addColumn<QDate>("oggi");
        QTest::addColumn<bool>("messaggio");
        QTest::addRow("27-dicembre") << QDate(2026, 12, 27) << true;
        QTest::addRow("26-dicembre") << QDate(2026, 12, 26) << false;
        QTest::addRow("27-novembre") << QDate(2026, 11, 27) << false;
    }

    void messaggioSoloIl27Dicembre() {
        QFETCH(QDate, oggi);
        QFETCH(bool, messaggio);
        Banco banco;
        ui::frmFREQRITAMBO finestra(banco.stato);
        finestra.impostaOrologio([oggi] { return oggi; });
        ScriptPrompt script(messaggio ? QList<bool>{true} : QList<bool>{});
        QTest::keyClick(&finestra, Qt::Key_Space);
        QCOMPARE(script.mostrati().size(), messaggio ? 1 : 0);
        if (messaggio) QVERIFY(script.testi().first().startsWith(QStringLiteral("Auguri")));
    }

    void opzioniNeiCampiPropri() {
        Banco banco;
        {
            ui::frmFREQRITAMBO finestra(banco.stato);
            finestra.findChild<QCheckBox*>("chkStatusBar")->setChecked(true);
            finestra.findChild<QCheckBox*>("chk_ColoreGrigliaSingola")->setChecked(true);
            QCOMPARE(finestra.mfgFreqRitAmbi(4)->palette().color(QPalette::Base), QColor(0, 255, 255));
        }
        QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, 74), 1);
        QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, 93), 1);
        const QString campo72 = QString::fromStdString(core::Leggi_Impostazione(banco.stato, 72));
        QVERIFY(campo72.trimmed().isEmpty()); // the number window's field is not touched
    }

    void esportaLaColonnaMostrata() {
        Banco banco;
        ui::frmFREQRITAMBO finestra(banco.stato);
        ScriptPrompt script({true, true});
        const QString percorso = QString::fromStdString((banco.cartella.percorso() / "ambi.csv").string());
        auto precedente =
            ui::prompt::installaGestoreFile([&](const QString&, const QString&) { return percorso; });
        finestra.cmdAVVIO_Click();
        finestra.ordina(3);
        finestra.cmdEsporta_Click();
        ui::prompt::installaGestoreFile(precedente);
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList righe = QString::fromUtf8(file.readAll().mid(3)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(righe.size(), 4006);
        QCOMPARE(righe[0], QStringLiteral("Posizione;Ambo;Frequenza;Ritardo attuale;Ritardo massimo"));
        // The rows follow the grid: position 1 is the pair on the grid's first row, ordered by current delay.
        QTableWidget* griglia = finestra.mfgFreqRitAmbi(0);
        QCOMPARE(righe[1].section(';', 0, 1), "1;" + cella(griglia, 1, 1).remove(QLatin1Char(' ')));
        QCOMPARE(righe[1].section(';', 3, 3), cella(griglia, 1, 3));
    }
};

QTEST_MAIN(TestFrmFreqRitAmbo)
#include "TestFrmFreqRitAmbo.moc"
