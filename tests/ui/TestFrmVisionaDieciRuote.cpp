// The ten-wheel viewer: what it shows on opening, first, last and the short step, the notice after a change
// of the archive, Esc, and the pointer over the number grids.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "core/Formato.h"
#include "ui/viewer/FrmVisionaDieciRuote.h"

#include <QScopeGuard>
#include <QWheelEvent>

namespace {

// Every text of a grid, row by row, cells separated by blanks.
QStringList righe(const QWidget& finestra, const QString& nome) {
    auto* griglia = prova::controllo<QTableWidget>(finestra, nome);
    QStringList testi;
    for (int r = 0; r < griglia->rowCount(); ++r) {
        QStringList celle;
        for (int c = 0; c < griglia->columnCount(); ++c)
            celle << prova::cella(finestra, nome, r, c);
        testi << celle.join(QLatin1Char(' '));
    }
    return testi;
}

// The index row of the four panels ("" for an empty panel).
QStringList indici(const QWidget& finestra) {
    QStringList testi;
    for (int g = 1; g <= 4; ++g)
        testi << prova::cella(finestra, QStringLiteral("mfgSpecifici_%1").arg(g), 2, 0);
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
    void aperturaENavigazione_data() {
        QTest::addColumn<int>("puntatore");
        QTest::addRow("puntatore-normale") << 0;
        QTest::addRow("puntatore-griglie") << 1;
    }
    void aperturaENavigazione() {
        QFETCH(int, puntatore);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        cartella.carica(stato, prova::perAnni({3, 3})); // six draws, 2001 and 2002
        stato.Puntatore_Griglie = puntatore;
        stato.Estrazioni_Predefinite_Variate = true;
        ui::frmVisionaDieciRuote finestra(stato);

        QCOMPARE(prova::testo(finestra, "lblSmall") + ' ' + prova::testo(finestra, "lblLarge"), "1 52");
        QVERIFY(!stato.Estrazioni_Predefinite_Variate);
        // It opens on the last four draws, every panel filled.
        QCOMPARE(righe(finestra, "mfgSpecifici_4"),
                 (QStringList{QString::fromStdString(core::Data::daRecord(stato.Data_Estrazione[6]).testo()),
                              "  3/2002", "6"}));
        // Draw 6 as the test archive writes it: wheel w holds (5 * 7 + 11w + 17i) % 90 + 1.
        // VENEZIA, then the Nazionale, not drawn in 2002.
        QCOMPARE(righe(finestra, "mfgVisiona_4").mid(9),
                 (QStringList{QStringLiteral("56 73 90 17 34"), QStringLiteral("    ")}));
        QCOMPARE(indici(finestra), (QStringList{"3", "4", "5", "6"}));
        const QStringList ruote = righe(finestra, "mfgGrigliaRuote"); // the wheels' names, each a row
        QCOMPARE(ruote.first().trimmed() + '/' + ruote.last().trimmed(), "BARI/NAZIONALE");
        QCOMPARE(prova::controllo(finestra, "mfgVisiona_2")->cursor().shape(),
                 puntatore ? Qt::BitmapCursor : Qt::ArrowCursor);

        prova::clic(finestra, "cmdInizio");
        QCOMPARE(indici(finestra), (QStringList{"1", "2", "3", "4"}));
        prova::sposta(finestra, "hscSmall", 2);
        prova::controllo<QScrollBar>(finestra, "hscEstrazioni")
            ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(indici(finestra), (QStringList{"3", "4", "5", "6"}));
        prova::clic(finestra, "cmdine");
        QCOMPARE(indici(finestra), (QStringList{"3", "4", "5", "6"}));
        // A typed date (as the archive writes it, blanks and all), then a notch of the wheel back.
        auto* data = prova::controllo<QLineEdit>(finestra, "txtData");
        data->setText(QString::fromStdString(stato.Data_Estrazione[2]));
        prova::clic(finestra, "cmdVaiData");
        QCOMPARE(indici(finestra), (QStringList{"2", "3", "4", "5"}));
        data->setText(QStringLiteral("31/2/2001")); // no such day: said, and the view stays
        prova::ScriptPrompt script({true});
        prova::clic(finestra, "cmdVaiData");
        QCOMPARE(script.testi().size(), 1);
        QCOMPARE(indici(finestra), (QStringList{"2", "3", "4", "5"}));
        QWheelEvent rotella({5, 5}, {5, 5}, {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(prova::controllo<QTableWidget>(finestra, "mfgVisiona_2")->viewport(),
                                &rotella);
        QCOMPARE(indici(finestra).value(0), "1");
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
        cartella.carica(stato, prova::perAnni({6}));
        QWidget principale;
        principale.show();
        auto* finestra = new ui::frmVisionaDieciRuote(stato, &principale); // deletes itself when closed
        const auto chiudi = qScopeGuard([finestra] { finestra->close(); });
        finestra->show();
        attiva(*finestra);
        prova::ScriptPrompt script({true});

        // The archive is reloaded with two more draws while the viewer is behind the main window.
        attiva(principale);
        cartella.carica(stato, prova::perAnni({8}));
        (daManutenzione ? stato.Archivio_Modificato : stato.Estrazioni_Predefinite_Variate) = true;
        attiva(*finestra);
        attiva(principale);
        attiva(*finestra); // told once
        QCOMPARE(script.testi(),
                 QStringList{QStringLiteral("ATTENZIONE: Sono state effettuate alcune variazioni sull' "
                                            "Archivio, ora verranno aggiornati i dati visualizzati!")});
        QCOMPARE(indici(*finestra), (QStringList{"5", "6", "7", "8"}));
    }
};

QTEST_MAIN(TestFrmVisionaDieciRuote)
#include "TestFrmVisionaDieciRuote.moc"
