// The ten-wheel viewer: what it shows on opening, first and last, the steps, the notice after a change
// of the archive, Esc, the pointer over the number grids, and its menu entry in the main window.
#include "ArchivioAnni.h"
#include "ScriptPrompt.h"
#include "core/Lotto.h"
#include "ui/Principio.h"
#include "ui/viewer/FrmVisionaDieciRuote.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

using prova::ScriptPrompt;

namespace {

const QString AVVISO = QStringLiteral(
    "ATTENZIONE: Sono state effettuate alcune variazioni sull' Archivio, ora verranno aggiornati i dati visualizzati!");

template <class T> T* figlio(QObject& genitore, const QString& nome) {
    auto* trovato = genitore.findChild<T*>(nome);
    if (!trovato) qFatal("oggetto %s non trovato", qPrintable(nome));
    return trovato;
}

/** The index row of the four panels ("" for an empty panel). */
QStringList indici(QWidget& finestra) {
    QStringList testi;
    for (int g = 1; g <= 4; ++g) testi << figlio<QTableWidget>(finestra, QStringLiteral("mfgSpecifici_%1").arg(g))->item(2, 0)->text();
    return testi;
}

/** Every text of a grid, row by row, cells separated by blanks. */
QStringList righe(QTableWidget* griglia) {
    QStringList testi;
    for (int r = 0; r < griglia->rowCount(); ++r) {
        QStringList celle;
        for (int c = 0; c < griglia->columnCount(); ++c) celle << griglia->item(r, c)->text();
        testi << celle.join(QLatin1Char(' '));
    }
    return testi;
}

void attiva(QWidget& finestra) {
    finestra.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&finestra));
}

} // namespace

class TestFrmVisionaDieciRuote : public QObject {
    Q_OBJECT
private slots:
    void apertura_data() {
        QTest::addColumn<int>("puntatore");
        QTest::addRow("puntatore-normale") << 0;
        QTest::addRow("puntatore-griglie") << 1;
    }
    void apertura() {
        QFETCH(int, puntatore);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        prova::caricaAnni(cartella, stato, {3, 3}); // six draws, 2001 and 2002
        stato.Max_Concorsi_Anno = 108;
        stato.Puntatore_Griglie = puntatore;
        stato.Estrazioni_Predefinite_Variate = true;
        ui::frmVisionaDieciRuote finestra(stato);

        QCOMPARE(finestra.windowTitle(), QStringLiteral("Sfoglia Archivio"));
        QCOMPARE(figlio<QLabel>(finestra, "lblSmall")->text(), QStringLiteral("1"));
        QCOMPARE(figlio<QLabel>(finestra, "lblLarge")->text(), QStringLiteral("52"));
        auto* barra = figlio<QScrollBar>(finestra, "hscEstrazioni");
        QCOMPARE(barra->maximum(), 6);
        QCOMPARE(barra->pageStep(), 52);
        QVERIFY(!stato.Estrazioni_Predefinite_Variate);
        QCOMPARE(righe(figlio<QTableWidget>(finestra, "mfgSpecifici_1")),
                 (QStringList{QString::fromStdString(stato.Data_Estrazione[6]), QStringLiteral("  3/2002"), "6"}));
        QCOMPARE(righe(figlio<QTableWidget>(finestra, "mfgGrigliaDati")), (QStringList{"DATA", "CONCORSO", "ESTRAZIONE"}));
        QCOMPARE(righe(figlio<QTableWidget>(finestra, "mfgGrigliaRuote")).first(), QStringLiteral("BARI "));
        auto* numeri = figlio<QTableWidget>(finestra, "mfgVisiona_1");
        core::LOTTO lotto(stato);
        lotto.LeggiESTRAZIONE(10, 6);
        QCOMPARE(righe(numeri).last(), QStringLiteral("%1 %2 %3 %4 %5")
                                           .arg(stato.Numeri_Estratti[1]).arg(stato.Numeri_Estratti[2]).arg(stato.Numeri_Estratti[3])
                                           .arg(stato.Numeri_Estratti[4]).arg(stato.Numeri_Estratti[5]));
        for (int g = 2; g <= 4; ++g) {
            auto* vuota = figlio<QTableWidget>(finestra, QStringLiteral("mfgVisiona_%1").arg(g));
            QCOMPARE(righe(vuota).join(QString()).trimmed(), QString());
            QCOMPARE(righe(figlio<QTableWidget>(finestra, QStringLiteral("mfgSpecifici_%1").arg(g))).join(QString()).trimmed(), QString());
        }
        QCOMPARE(numeri->cursor().shape(), puntatore == 1 ? Qt::BitmapCursor : Qt::ArrowCursor);
        QCOMPARE(figlio<QTableWidget>(finestra, "mfgSpecifici_1")->cursor().shape(), Qt::ArrowCursor);
        auto* guida = figlio<QPushButton>(finestra, "cmdHelp");
        QVERIFY(!guida->isEnabled());
        QCOMPARE(guida->toolTip(), QStringLiteral("La guida non è ancora disponibile in questa versione."));
    }

    void navigazione() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        prova::caricaAnni(cartella, stato, {6});
        ui::frmVisionaDieciRuote finestra(stato);
        QTest::mouseClick(figlio<QPushButton>(finestra, "cmdInizio"), Qt::LeftButton);
        QCOMPARE(indici(finestra), (QStringList{"1", "2", "3", "4"}));
        figlio<QScrollBar>(finestra, "hscSmall")->setValue(2);
        QCOMPARE(figlio<QLabel>(finestra, "lblSmall")->text(), QStringLiteral("2"));
        figlio<QScrollBar>(finestra, "hscEstrazioni")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(indici(finestra), (QStringList{"3", "4", "5", "6"}));
        QTest::mouseClick(figlio<QPushButton>(finestra, "cmdine"), Qt::LeftButton);
        QCOMPARE(indici(finestra), (QStringList{"6", "", "", ""}));
        // The option puts the steps back with the position.
        QTest::mouseClick(figlio<QPushButton>(finestra, "cmdInizio"), Qt::LeftButton);
        QTest::mouseClick(figlio<QWidget>(finestra, "optTipoArchivio_1"), Qt::LeftButton);
        QCOMPARE(indici(finestra), (QStringList{"6", "", "", ""}));
        QCOMPARE(figlio<QLabel>(finestra, "lblSmall")->text(), QStringLiteral("1"));
    }

    void avvisoDopoUnaVariazione_data() {
        QTest::addColumn<bool>("daManutenzione"); // Archivio_Modificato, else Estrazioni_Predefinite_Variate
        QTest::addRow("archivio-modificato") << true;
        QTest::addRow("estrazioni-predefinite-variate") << false;
    }
    void avvisoDopoUnaVariazione() {
        QFETCH(bool, daManutenzione);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        prova::caricaAnni(cartella, stato, {6});
        QWidget principale;
        principale.show();
        auto* finestra = new ui::frmVisionaDieciRuote(stato, &principale); // deletes itself when closed
        const auto chiudi = qScopeGuard([finestra] { finestra->close(); });
        finestra->show();
        attiva(*finestra);
        ScriptPrompt script({true});

        // The archive is reloaded with two more draws while the viewer is behind the main window.
        attiva(principale);
        prova::caricaAnni(cartella, stato, {8});
        (daManutenzione ? stato.Archivio_Modificato : stato.Estrazioni_Predefinite_Variate) = true;
        attiva(*finestra);
        QCOMPARE(script.testi(), QStringList{AVVISO});
        QCOMPARE(script.titoli(), QStringList{QStringLiteral("Quintaro")});
        QCOMPARE(indici(*finestra), (QStringList{"8", "", "", ""}));
        QVERIFY(!stato.Archivio_Modificato && !stato.Estrazioni_Predefinite_Variate);

        attiva(principale);
        attiva(*finestra);
        QCOMPARE(script.testi().size(), 1);

        // Esc brings the main window to the front and leaves the viewer open.
        QTest::keyClick(finestra, Qt::Key_Escape);
        QVERIFY(QTest::qWaitForWindowActive(&principale));
        QVERIFY(finestra->isVisible());
    }

    void menuDellaFinestraPrincipale() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        prova::caricaAnni(cartella, stato, {4});
        ui::PRINCIPIO principale(stato);
        auto* voce = figlio<QAction>(principale, "mnuRicercheSfoglia");
        QVERIFY(voce->isEnabled());
        voce->trigger();
        voce->trigger();
        QList<QWidget*> aperte;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("frmVisionaDieciRuote") && w->isVisible()) aperte << w;
        QCOMPARE(aperte.size(), 1);
    }
};

QTEST_MAIN(TestFrmVisionaDieciRuote)
#include "TestFrmVisionaDieciRuote.moc"
