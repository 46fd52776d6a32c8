// The groups window with the user's lunghette: written by the editor, refused when a number is out of
// range, searched for a sorte (left out, and said, when shorter than it), shown in the grid with the
// search's figures, printed, and the chart of the group; the window whole at 800x600.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "ui/stats/FrmGrafico.h"
#include "ui/stats/FrmGruppi.h"
#include "ui/stats/FrmLunghette.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>

class TestFrmGruppi : public QObject {
    Q_OBJECT
private slots:
    void lunghetteDallEditorAllaGriglia() {
        prova::BancoRicerca banco(30, "0010001000");
        prova::ScriptPrompt script({true, true, true, true, true});
        {
            ui::frmLunghette editor(banco.stato);
            prova::controllo<QLineEdit>(editor, "txtNome")->setText(QStringLiteral("Vecchia"));
            prova::controllo<QLineEdit>(editor, "txtNumeri")->setText(QStringLiteral("1 2"));
            editor.cmdAggiungi_Click();
            prova::controllo<QListWidget>(editor, "lstLunghette")->setCurrentRow(0);
            editor.cmdElimina_Click(); // the first of the list, and the only one
            prova::controllo<QLineEdit>(editor, "txtNome")->setText(QStringLiteral("Mia"));
            prova::controllo<QLineEdit>(editor, "txtNumeri")->setText(QStringLiteral("7 91"));
            editor.cmdAggiungi_Click();
            prova::controllo<QLineEdit>(editor, "txtNumeri")->setText(QStringLiteral("45, 7 3"));
            editor.cmdAggiungi_Click();
            prova::controllo<QLineEdit>(editor, "txtNome")->setText(QStringLiteral("Prima"));
            editor.cmdRinomina_Click();
            QCOMPARE(prova::controllo<QListWidget>(editor, "lstLunghette")->item(0)->text(),
                     QStringLiteral("Prima: 3 7 45"));
        }
        QCOMPARE(banco.cartella.leggiFile("gruppi.txt"), std::string("Prima: 3 7 45\n"));

        ui::frmGruppi f(banco.stato);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        prova::controllo<QComboBox>(f, "cboFamiglia")->setCurrentIndex(ui::frmGruppi::LUNGHETTE);
        prova::controllo<QComboBox>(f, "cboSorte")->setCurrentIndex(3); // quaterna: more than its three
        QVERIFY(prova::testo(f, "lblCercati").isEmpty()); // nothing shown yet to call out of date
        f.cmdAVVIO_Click();
        prova::controllo<QComboBox>(f, "cboSorte")->setCurrentIndex(1); // ambo
        f.cmdAVVIO_Click();
        const auto attesi = stats::ricercaGruppi(banco.stato, {{"Prima", {3, 7, 45}}}, 2);
        QCOMPARE(QStringList({prova::cella(f, "mfgGruppi_7", 0, 0), prova::cella(f, "mfgGruppi_7", 0, 2),
                              prova::cella(f, "mfgGruppi_7", 0, 3), prova::cella(f, "mfgGruppi_7", 0, 4)}),
                 QStringList({"Prima", QString::number(attesi->Frequenza[7][0]),
                              QString::number(attesi->Ritardo_Attuale[7][0]),
                              QString::number(attesi->Ritardo_Massimo[7][0])}));
        // "Mostra il caso": the group's expected frequency, at least two of its three numbers among five.
        QVERIFY(f.mfgGruppi(7)->isColumnHidden(5));
        prova::controllo<QCheckBox>(f, "chkCaso")->setChecked(true);
        const double p = (3.0 * 105995 + 3741) / 43949268; // (C(3,2)·C(87,3) + C(87,2)) / C(90,5)
        QCOMPARE(prova::cella(f, "mfgGruppi_7", 0, 5),
                 QLocale(QLocale::Italian).toString(double(attesi->Base_Caso.reali[7]) * p, 'f', 1));
        QVERIFY(!f.mfgGruppi(7)->isColumnHidden(5));
        QCOMPARE(script.testi(),
                 QStringList({"Eliminare la lunghetta «Vecchia»?", "Il numero 91 non è compreso fra 1 e 90.",
                              "Avviare una nuova ricerca?",
                              "Le lunghette con meno numeri della sorte non sono state cercate: Prima.",
                              "Avviare una nuova ricerca?"}));
        // The printout of the column shown, the wheels together: name, the three figures, the numbers.
        const QString stampato = prova::stampato([&] { f.cmdStampa_Click(); }).simplified();
        QVERIFY2(stampato.contains(" — ruote FI PA ") &&
                     stampato.contains(QStringLiteral("Prima %1 %2 %3 3 7 45")
                                           .arg(attesi->Frequenza[0][0])
                                           .arg(attesi->Ritardo_Attuale[0][0])
                                           .arg(attesi->Ritardo_Massimo[0][0])),
                 qPrintable(stampato));
        script.aggiungi({true});
        f.apriGrafico(0, 1, 0); // a row of no group: the hint, no chart
        f.apriGrafico(0, 0, 0);
        auto* grafico = f.findChild<ui::FrmGrafico*>();
        QVERIFY(grafico &&
                grafico->windowTitle().startsWith(QStringLiteral("Grafico del gruppo Prima, ambo")) &&
                grafico->windowTitle().contains(QStringLiteral(" — ruote "))); // the wheels together
        delete grafico;

        // The whole window and grid at 800x600.
        auto* tabella = prova::controllo<QTableWidget>(f, "mfgGruppi_0");
        QCOMPARE(tabella->visibleRegion().boundingRect(), tabella->rect());
        QVERIFY(f.frameGeometry().width() <= 800 && f.frameGeometry().height() <= 600);
    }
};

QTEST_MAIN(TestFrmGruppi)
#include "TestFrmGruppi.moc"
