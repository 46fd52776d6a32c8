// The start-up window: its captions, how it ends the program, the restore or import of a missing archive
// at the first start, and "OK" leading through the load, the wheels and the period to the main window.
#include "ArchivioDiProva.h"
#include "Finestre.h"
#include "core/Impostazioni.h"
#include "maintenance/Backup.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/LogoIniziale.h"
#include "ui/Principio.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"

#include <QSignalSpy>

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void terminaIlProgramma_data() {
        QTest::addColumn<QString>("azione"); // a button, or "cornice" for the frame's close control
        QTest::addColumn<QList<bool>>("risposte");
        QTest::addColumn<QStringList>("messaggi");
        QTest::addColumn<int>("fine");
        const QStringList chiudere{"Chiudere l' applicazione Quintaro"};
        const QStringList emergenza{"ATTENZIONE: non risultano presenti alcuni o tutti i File che dovrebbero "
                                    "contenere le estrazioni, senza di essi sarà impossibile continuare."
                                    "\n\nSi desidera effettuare il RIPRISTINO dei Dati?",
                                    "PROGRAMMA TERMINATO"};
        QTest::addRow("chiudi-si") << "cmdChiudi" << QList<bool>{true} << chiudere << 1;
        QTest::addRow("chiudi-no") << "cmdChiudi" << QList<bool>{false} << chiudere << 0;
        QTest::addRow("cornice-senza-domande") << "cornice" << QList<bool>{} << QStringList{} << 1;
        QTest::addRow("ok-su-archivio-vuoto") << "cmdOK" << QList<bool>{true, true} << emergenza << 1;
        QTest::addRow("ok-senza-RUOTE") << "cmdOK senza RUOTE" << QList<bool>{false, true} << emergenza << 1;
    }
    void terminaIlProgramma() {
        QFETCH(QString, azione);
        QFETCH(QList<bool>, risposte);
        prova::CartellaDiProva cartella; // RUOTE/ without files
        if (azione.endsWith(QStringLiteral(" senza RUOTE"))) std::filesystem::remove_all(cartella.ruote());
        auto stato = cartella.stato();
        ui::LogoIniziale logo(stato);
        QCOMPARE(logo.windowTitle() + '|' + prova::testo(logo, "lblTitolo"),
                 QStringLiteral("Quintaro Versione " QUINTARO_VERSIONE "|Quintaro   " QUINTARO_VERSIONE));
        logo.show();
        QSignalSpy terminato(&logo, &ui::LogoIniziale::programmaTerminato);
        prova::ScriptPrompt script(risposte);
        prova::FileScelto annullato({}); // Yes to the emergency question opens the file chooser
        azione == QStringLiteral("cornice") ? void(logo.close())
                                            : prova::clic(logo, azione.section(' ', 0, 0));
        QTEST(script.testi(), "messaggi");
        if (!risposte.isEmpty()) QVERIFY(script.mostrati().at(0).siNo);
        QTEST(int(terminato.size()), "fine");
        QVERIFY(!logo.finestraPrincipale());
    }

    void ripristinoAlPrimoAvvio_data() {
        QTest::addColumn<bool>("copia");   // a backup folder of two draws beside RUOTE
        QTest::addColumn<QString>("file"); // what the chooser gives: a good file, a refused one, or nothing
        QTest::addColumn<QList<bool>>("risposte");
        QTest::addColumn<QList<int>>("scelte");
        QTest::addColumn<int>("estrazioni"); // the draws then loaded; 0 when the program ends
        QTest::addColumn<QString>("ultimo"); // the last message
        const QString fine = QStringLiteral("PROGRAMMA TERMINATO");
        const QString creato =
            QStringLiteral("L'archivio è stato creato: 3 estrazioni, dal 1/3/2001 al 3/3/2001.");
        QTest::addRow("importa-un-file")
            << false << "buono" << QList<bool>{true, true} << QList<int>{0} << 3 << creato;
        QTest::addRow("importazione-annullata")
            << false << "buono" << QList<bool>{true, true} << QList<int>{1} << 0 << fine;
        QTest::addRow("file-rifiutato")
            << false << "rifiutato" << QList<bool>{true, true} << QList<int>{0} << 0 << fine;
        QTest::addRow("no") << false << "" << QList<bool>{false, true} << QList<int>{} << 0 << fine;
        QTest::addRow("ripristina-la-copia")
            << true << "" << QList<bool>{true, true} << QList<int>{0} << 2
            << "L'archivio è stato ripristinato dalla copia RUOTE_backup_20260101_000000.";
        QTest::addRow("copia-oltre-il-limite") // the program manages 1 draw here
            << true << "" << QList<bool>{true, true, true} << QList<int>{0} << 1
            << "ATTENZIONE: il file BARI dell'archivio corrisponde a 2 estrazioni, più delle 1 che il "
               "programma può gestire. Saranno considerate solo le prime 1 estrazioni; nessun file verrà "
               "modificato.";
        QTest::addRow("copia-ma-importa")
            << true << "buono" << QList<bool>{true, true} << QList<int>{1, 0} << 3 << creato;
    }
    void ripristinoAlPrimoAvvio() {
        QFETCH(bool, copia);
        QFETCH(QString, file);
        QFETCH(QList<bool>, risposte);
        QFETCH(QList<int>, scelte);
        QFETCH(int, estrazioni);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        if (copia) {
            cartella.scriviArchivio(
                {prova::estrazione(5, 6, 2002, 1, 1), prova::estrazione(8, 6, 2002, 2, 2)});
            std::tm quando{};
            quando.tm_year = 126;
            quando.tm_mday = 1;
            QVERIFY(maintenance::Backup_Archivio(stato, quando));
            std::filesystem::remove_all(cartella.ruote());
            if (estrazioni == 1) stato.Max_Estrazioni_Archivio = 1;
        }
        std::vector<prova::Estrazione> tre;
        for (int i = 0; i < 3; ++i)
            tre.push_back(prova::estrazione(1 + i, 3, 2001, 1 + i, i));
        cartella.scriviFile("storico.txt", file == QStringLiteral("buono") ? prova::testoStorico(tre)
                                                                           : "2001/03/01\tBA\t1\n");
        const QString percorso = QString::fromStdString((cartella.percorso() / "storico.txt").string());
        prova::ScriptPrompt script(risposte);
        script.scelte(scelte);
        prova::FileScelto scelto(file.isEmpty() ? QString() : percorso);
        ui::LeggiEstrazioni finestra(stato);
        QCOMPARE(script.rimaste(), 0);
        QTEST(script.testi().last(), "ultimo");
        QCOMPARE(finestra.programmaTerminato(), estrazioni == 0);
        if (file == QStringLiteral("rifiutato"))
            QVERIFY(script.mostrati().at(1).dettagli.contains(
                QStringLiteral("riga 1: la riga non è nel formato atteso")));
        if (estrazioni == 0) return;
        // The opening went on with the new archive: the whole of it is chosen and loads.
        QCOMPARE(prova::testo(finestra, "lblIntervallo2"), QString::number(estrazioni));
        finestra.cmdSkip_Click();
        QCOMPARE(stato.Estrazioni_Caricate, estrazioni);
    }

    void okCaricaLArchivioEApreLaFinestraPrincipale() {
        prova::CartellaDiProva cartella;
        std::vector<prova::Estrazione> estrazioni;
        const int anni[] = {2001, 2001, 2002, 2003, 2003};
        for (int i = 0; i < 5; ++i)
            estrazioni.push_back(prova::estrazione(3 + i, 2, anni[i], 1 + i, i));
        cartella.scriviArchivio(estrazioni);
        auto stato = cartella.stato();
        QVERIFY(core::Scrivi_Impostazione(stato, 23, "1000000001")); // BARI and VENEZIA
        QVERIFY(core::Scrivi_Impostazione(stato, 100, "0"));         // no toolbar

        ui::LogoIniziale logo(stato);
        logo.show();
        QSignalSpy terminato(&logo, &ui::LogoIniziale::programmaTerminato);
        // At the first start the payout table and the day-membership table take their defaults quietly.
        prova::ScriptPrompt script;
        prova::QuandoModale<ui::LeggiEstrazioni> carica([](ui::LeggiEstrazioni* f) { f->cmdSkip_Click(); });
        QString ruoteSpuntate;
        prova::QuandoModale<ui::frm_Ruote> ruote([&](ui::frm_Ruote* f) {
            for (int w = 1; w <= 10; ++w)
                ruoteSpuntate += f->ck_Ruota(w)->isChecked() ? '1' : '0';
            prova::clic(*f, "cmd_Ok");
        });
        bool attesaVisibile = false;
        int selezionateAllApertura = 0;
        prova::QuandoModale<ui::frmPeriodo> periodo([&](ui::frmPeriodo* f) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QStringLiteral("frmAttesa")) attesaVisibile |= w->isVisible();
            selezionateAllApertura = stato.Totale_Estrazioni_Selezionate;
            prova::clic(*f, "cmdToolbarPeriodo_10");
        });
        prova::clic(logo, "cmdOK");

        QVERIFY(carica.eseguita() && ruote.eseguita() && periodo.eseguita());
        QCOMPARE(ruoteSpuntate, QStringLiteral("1000000001"));
        QVERIFY(!attesaVisibile);            // the first application closed the wait window
        QCOMPARE(selezionateAllApertura, 5); // the default period, applied before the window shows
        QCOMPARE(script.testi(), QStringList{});
        QCOMPARE(terminato.size(), 0);
        ui::PRINCIPIO* principale = logo.finestraPrincipale();
        QVERIFY(principale && principale->isVisible() && !logo.isVisible());
        QVERIFY(prova::testo(*principale, "lblArchivioCaricato").contains(QStringLiteral("5 estrazioni")));
        QVERIFY(prova::controllo(*principale, "Frame1")->isHidden()); // field 100 read at the end
    }
};

QTEST_MAIN(TestAvvio)
#include "TestAvvio.moc"
