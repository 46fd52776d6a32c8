// The wheel-selection window and the wheel list it confirms: the order of the list, the refusal of an
// empty selection, the labels (which show the confirmed selection, not the boxes) and the frame close.
#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "ui/selection/FrmRuote.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

QString testo(QWidget& finestra, const char* nome) {
    return finestra.findChild<QLabel*>(nome)->text();
}

/** The wheels ticked in a window, in wheel order. */
QList<int> spuntate(ui::frm_Ruote& finestra) {
    QList<int> ruote;
    for (int w = 1; w <= 10; ++w)
        if (finestra.ck_Ruota(w)->isChecked()) ruote << w;
    return ruote;
}

} // namespace

class TestFrmRuote : public QObject {
    Q_OBJECT
private slots:
    void selezione_data() {
        QTest::addColumn<QStringList>("clic"); // then "OK", unless the last is "cornice" (the frame's close)
        QTest::addColumn<QList<int>>("ruote"); // the confirmed list afterwards, in the order it is kept
        QTest::addColumn<QString>("sigle");
        QTest::addColumn<QString>("messaggio");
        QTest::addRow("tutte") << QStringList{"cmdTutte"} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                               << "BA CA FI GE MI NA PA RO TO VE "
                               << "";
        QTest::addRow("venezia-poi-bari")
            << QStringList{"cmdNessuna", "ck_Ruota_10", "ck_Ruota_1"} << QList<int>{1, 10} << "BA VE "
            << "";
        QTest::addRow("tolta-roma") << QStringList{"ck_Ruota_8"} << QList<int>{1} << "BA "
                                    << "";
        QTest::addRow("nessuna-rifiutata")
            << QStringList{"ck_Ruota_3", "cmdNessuna"} << QList<int>{1, 8} << "BA RO "
            << "Selezionare almeno una ruota!";
        QTest::addRow("chiusa-dalla-cornice")
            << QStringList{"ck_Ruota_1", "ck_Ruota_5", "cornice"} << QList<int>{1, 8} << "BA RO "
            << "";
    }
    void selezione() {
        QFETCH(QStringList, clic);
        QFETCH(QList<int>, ruote);
        QFETCH(QString, sigle);
        QFETCH(QString, messaggio);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        core::selezioneDaTesto(stato, "1000000100"); // BARI and ROMA
        prova::ScriptPrompt script(messaggio.isEmpty() ? QList<bool>{} : QList<bool>{true});
        ui::frm_Ruote finestra(stato);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QCOMPARE(spuntate(finestra), (QList<int>{1, 8}));
        for (const QString& nome : clic + QStringList{"cmd_Ok"}) {
            if (nome == QStringLiteral("cornice")) {
                QVERIFY(finestra.close());
                break;
            }
            if (nome == QStringLiteral("cmd_Ok")) { // nothing confirmed before: the labels show BARI and ROMA
                QCOMPARE(testo(finestra, "lblNumeroRuote"), QStringLiteral("Ruote Selezionate:  2"));
                QCOMPARE(testo(finestra, "lblRuote"), QStringLiteral("BA RO "));
            }
            // A box is clicked on its indicator, which a short caption may not reach.
            auto* controllo = finestra.findChild<QWidget*>(nome);
            const bool casella = qobject_cast<QCheckBox*>(controllo);
            const QPoint punto = casella ? QPoint(6, controllo->height() / 2) : controllo->rect().center();
            QTest::mouseClick(controllo, Qt::LeftButton, {}, punto);
        }
        for (int w : {1, 4}) { // a ticked wheel shows in yellow bold, a cleared one in white
            QCheckBox* box = finestra.ck_Ruota(w);
            QCOMPARE(box->font().bold(), box->isChecked());
            const QColor colore = box->isChecked() ? QColor(Qt::yellow) : QColor(Qt::white);
            QCOMPARE(box->palette().color(QPalette::WindowText), colore);
        }
        QCOMPARE(script.testi(), messaggio.isEmpty() ? QStringList{} : QStringList{messaggio});
        QCOMPARE(finestra.isVisible(), !messaggio.isEmpty());
        QList<int> elenco = QList<int>{int(ruote.size())} + ruote;
        elenco.resize(11);
        const auto& confermato = stato.Elenco_Ruote_Selezionate;
        QCOMPARE(QList<int>(confermato.begin(), confermato.end()), elenco);
        QCOMPARE(stato.Ruota_Selezionata[0], int(ruote.size()));

        // The next opening reads the confirmed selection again, not the boxes left behind.
        ui::frm_Ruote ancora(stato);
        QCOMPARE(spuntate(ancora), ruote);
        QCOMPARE(testo(ancora, "lblNumeroRuote"), QStringLiteral("Ruote Selezionate:  %1").arg(ruote.size()));
        QCOMPARE(testo(ancora, "lblRuote"), sigle);
    }
};

QTEST_MAIN(TestFrmRuote)
#include "TestFrmRuote.moc"
