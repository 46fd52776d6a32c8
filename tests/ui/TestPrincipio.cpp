// The main window: the toolbar and its setting, the commands that open the wheel and period windows,
// the import of an archive from its menu, and the close question.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "core/Impostazioni.h"
#include "maintenance/Backup.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/selection/FrmPeriodo.h"

#include <QDialog>
#include <QSignalSpy>

class TestPrincipio : public QObject {
    Q_OBJECT
private slots:
    void toolbar_data() {
        QTest::addColumn<QString>("campo100"); // "-": no settings file; "": another field written only
        QTest::addColumn<bool>("mostrata");
        QTest::addRow("file-mancante") << "-" << true;
        QTest::addRow("primo-avvio-campo-vuoto") << "" << true;
        QTest::addRow("zero") << "0" << false;
        QTest::addRow("uno") << "1" << true;
        QTest::addRow("fuori-intervallo") << "5" << true;
    }
    void toolbar() {
        QFETCH(QString, campo100);
        QFETCH(bool, mostrata);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        if (campo100 != "-") QVERIFY(core::Scrivi_Impostazione(stato, 21, "0"));
        if (campo100 != "-" && !campo100.isEmpty())
            core::Scrivi_Impostazione(stato, 100, campo100.toStdString());
        ui::PRINCIPIO principale(stato);
        principale.ToolBar_Visiblile();
        auto* toolbar = prova::controllo(principale, "Frame1");
        const int altezza = principale.height();
        QCOMPARE(toolbar->isHidden(), !mostrata);
        QCOMPARE(prova::controllo<QAction>(principale, "mnuOpzioniToolbar")->isChecked(), mostrata);
        for (bool volta : {true, false}) { // the window shrinks or grows with it; the choice is stored
            prova::clic(principale, "mnuOpzioniToolbar");
            QCOMPARE(toolbar->isHidden(), mostrata == volta);
            QCOMPARE(principale.height() < altezza, mostrata && volta);
            QCOMPARE(core::Leggi_Numero_Impostazione(stato, 100), int(mostrata != volta));
        }
    }

    void comandiApronoLeFinestre_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("finestra");
        QTest::addRow("menu-ruote") << "mnuImpostazioniModificaRuote" << QString("frm_Ruote");
        QTest::addRow("pulsante-ruote") << "cmdMenuBar_1" << QString("frm_Ruote");
        QTest::addRow("menu-periodo") << "mnuImpostazionModificaPeriodo" << QString("frmPeriodo");
        QTest::addRow("pulsante-periodo") << "cmdMenuBar_2" << QString("frmPeriodo");
    }
    void comandiApronoLeFinestre() {
        QFETCH(QString, comando);
        QFETCH(QString, finestra);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        prova::caricaAnni(cartella, stato, {4, 3, 2, 3});
        stato.Periodo_Da_Applicare = true;
        prova::ScriptPrompt script;
        ui::PRINCIPIO principale(stato);
        principale.show();
        // Twice: the period window is created once and keeps where its first bar was left.
        QList<int> dalVisto;
        for (int volta = 0; volta < 2; ++volta) {
            prova::QuandoModale<QDialog> aperta([&](QDialog* f) {
                QCOMPARE(f->objectName() + (f->parentWidget() == &principale ? "" : " senza genitore"),
                         finestra);
                if (auto* dal = f->findChild<QScrollBar*>("hscDalFrazionato")) {
                    dalVisto << dal->value();
                    dal->setValue(5);
                    prova::clic(*f, "cmdToolbarPeriodo_10");
                } else {
                    prova::clic(*f, "cmdTutte");
                    prova::clic(*f, "cmd_Ok");
                }
            });
            prova::clic(principale, comando);
            QVERIFY(aperta.eseguita());
        }
        if (finestra == "frm_Ruote")
            QCOMPARE(stato.Elenco_Ruote_Selezionate[0], 10);
        else
            QCOMPARE(dalVisto, (QList<int>{1, 5}));
        // The period button follows its menu entry's state.
        principale.scartaPeriodo();
        prova::controllo<QAction>(principale, "mnuImpostazionModificaPeriodo")->setEnabled(false);
        prova::clic(principale, "cmdMenuBar_2");
        QVERIFY(!principale.finestraPeriodo());
    }

    void domandaDiChiusura_data() {
        QTest::addColumn<bool>("dalMenu");
        QTest::addColumn<bool>("risposta");
        QTest::addRow("chiudi-no") << true << false;
        QTest::addRow("cornice-no") << false << false;
        QTest::addRow("chiudi-si") << true << true;
    }
    void domandaDiChiusura() {
        QFETCH(bool, dalMenu);
        QFETCH(bool, risposta);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        prova::ScriptPrompt script({risposta});
        ui::PRINCIPIO principale(stato);
        principale.show();
        QSignalSpy fine(&principale, &ui::PRINCIPIO::programmaTerminato);
        dalMenu ? prova::clic(principale, "mnuArchivioChiudi") : void(principale.close());
        QCOMPARE(script.testi(), QStringList{QStringLiteral("Chiudere l' applicazione Quintaro ?")});
        QVERIFY(script.mostrati().at(0).siNo);
        QCOMPARE(principale.isVisible(), !risposta);
        QCOMPARE(fine.size(), risposta ? 1 : 0);
    }

    void importaArchivioDalMenu_data() {
        // The draws of the file, of 1..5 March 2001 ("x": another number on 2 March), or none.
        QTest::addColumn<QString>("file");
        QTest::addColumn<QList<int>>("scelte");
        QTest::addColumn<int>("caricate");   // the draws loaded afterwards
        QTest::addColumn<QString>("ultimo"); // the last message; empty when nothing is reloaded
        QTest::addRow("aggiungi") << "1-5" << QList<int>{1} << 5
                                  << "Sono state aggiunte 2 estrazioni, dal 4/3/2001 al 5/3/2001";
        QTest::addRow("sostituisci") << "3-5" << QList<int>{0} << 3
                                     << "L'archivio precedente è stato copiato nella cartella RUOTE_backup_";
        QTest::addRow("aggiungi-discorde")
            << "1-5x" << QList<int>{1} << 3 << "non concordano su 1 estrazione";
        QTest::addRow("annulla") << "1-5" << QList<int>{2} << 3 << QString();
        QTest::addRow("nessun-file") << "" << QList<int>{} << 3 << QString();
    }
    void importaArchivioDalMenu() {
        QFETCH(QString, file);
        QFETCH(QList<int>, scelte);
        QFETCH(int, caricate);
        QFETCH(QString, ultimo);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < 5; ++i)
            estrazioni.push_back(prova::estrazione(1 + i, 3, 2001, 1 + i, i));
        cartella.scriviArchivio({estrazioni.begin(), estrazioni.begin() + 3});
        QVERIFY(core::caricaArchivio(stato));
        if (file.endsWith('x')) estrazioni[1].ruote[0][0] = 90;
        const int primo = file.isEmpty() ? 0 : file.left(1).toInt() - 1;
        cartella.scriviFile("storico.txt",
                            prova::testoStorico({estrazioni.begin() + primo, estrazioni.end()}));
        prova::FileScelto scelto(
            file.isEmpty() ? QString()
                           : QString::fromStdString((cartella.percorso() / "storico.txt").string()));
        // The outcome, then the loading window (payouts written for the first time) and the period window.
        prova::ScriptPrompt script({true, true, true, true});
        script.scelte(scelte);
        ui::PRINCIPIO principale(stato);
        principale.show();
        prova::QuandoModale<ui::LeggiEstrazioni> carica([](ui::LeggiEstrazioni* f) { f->cmdSkip_Click(); });
        prova::QuandoModale<ui::frmPeriodo> periodo(
            [](ui::frmPeriodo* f) { prova::clic(*f, "cmdToolbarPeriodo_10"); });
        prova::clic(principale, "mnuArchivioImporta");

        QCOMPARE(scelto.titoli, QStringList{QStringLiteral("Importa archivio")});
        const bool ricaricato = ultimo.startsWith("Sono") || ultimo.startsWith("L'");
        QCOMPARE(carica.eseguita() + periodo.eseguita(), 2 * ricaricato);
        if (!scelte.isEmpty())
            QCOMPARE(
                script.mostrati().at(0).pulsanti,
                (QStringList{"Sostituisci l'archivio", "Aggiungi solo le estrazioni successive", "Annulla"}));
        if (!ultimo.isEmpty())
            QVERIFY2(script.testi().at(1).contains(ultimo), qPrintable(script.testi().at(1)));
        QCOMPARE(stato.Estrazioni_Caricate, caricate);
        QCOMPARE(stato.Totale_Estrazioni_Selezionate, ricaricato ? caricate : 0); // the period applied afresh
        QCOMPARE(stato.Archivio_Modificato, ricaricato);
        QCOMPARE(maintenance::cartelleBackup(stato).size(), std::size_t(ultimo.startsWith("L'")));
        QVERIFY(prova::testo(principale, "lblArchivioCaricato")
                    .contains(QString::number(caricate) + " estrazioni"));
    }
};

QTEST_MAIN(TestPrincipio)
#include "TestPrincipio.moc"
