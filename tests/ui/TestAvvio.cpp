// The start-up window: its captions, how it ends the program, the restore or import of a missing archive
// at the first start, and "OK" leading through the load, the wheels and the period to the main window.
#include "ArchivioDiProva.h"
#include "Finestre.h"
#include "core/Blocco.h"
#include "core/Campi.h"
#include "core/Impostazioni.h"
#include "maintenance/Backup.h"
#include "ui/AttesaArchivio.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/LogoIniziale.h"
#include "ui/Principio.h"
#include "ui/importa/ImportaArchivio.h"
#include "ui/rete/AggiornaDaInternet.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void terminaIlProgramma_data() {
        QTest::addColumn<QString>("azione"); // a button, or "cornice" for the frame's close control
        QTest::addColumn<bool>("risposta");  // to the one question asked, if any
        QTest::addColumn<QStringList>("messaggi");
        QTest::addRow("chiudi-si") << "cmdChiudi" << true << QStringList{"Chiudere l' applicazione Quintaro"};
        QTest::addRow("chiudi-no") << "cmdChiudi" << false
                                   << QStringList{"Chiudere l' applicazione Quintaro"};
        QTest::addRow("cornice-senza-domande") << "cornice" << true << QStringList{};
        QTest::addRow("ok-senza-archivio-ne-ripristino")
            << "cmdOK" << false
            << QStringList{
                   "ATTENZIONE: non risultano presenti alcuni o tutti i File che dovrebbero contenere le "
                   "estrazioni, senza di essi sarà impossibile continuare.\n\nSi desidera effettuare il "
                   "RIPRISTINO dei Dati?",
                   "PROGRAMMA TERMINATO"};
    }
    void terminaIlProgramma() {
        QFETCH(QString, azione);
        QFETCH(bool, risposta);
        QFETCH(QStringList, messaggi);
        prova::CartellaDiProva cartella;
        std::filesystem::remove_all(cartella.ruote());
        auto stato = cartella.stato();
        QVERIFY(core::scriviCampo(stato, core::campi::TOOLBAR, 1)); // a folder in use has lost its archive
        ui::LogoIniziale logo(stato);
        QCOMPARE(logo.windowTitle() + '|' + prova::testo(logo, "lblTitolo"),
                 QStringLiteral("Quintaro Versione " QUINTARO_VERSIONE "|Quintaro   " QUINTARO_VERSIONE));
        // No address of the author is built in: the links say so and do nothing.
        for (const char* nome : {"lblSito", "lblPosta"})
            QVERIFY(!prova::controllo(logo, nome)->isEnabled() &&
                    prova::testo(logo, nome) == "(non disponibile)");
        logo.show();
        QSignalSpy terminato(&logo, &ui::LogoIniziale::programmaTerminato);
        prova::ScriptPrompt script({risposta, true});
        azione == "cornice" ? void(logo.close()) : prova::clic(logo, azione);
        QCOMPARE(script.testi(), messaggi);
        QCOMPARE(terminato.size(), risposta || azione != "cmdChiudi" ? 1 : 0);
        QVERIFY(!logo.finestraPrincipale());
    }

    void ripristinoAlPrimoAvvio_data() {
        QTest::addColumn<bool>("copia");   // a backup folder of two draws beside RUOTE
        QTest::addColumn<QString>("file"); // what the chooser gives: a good file, a refused one, or nothing
        QTest::addColumn<bool>("storico"); // the program ships an official history (the good file)
        QTest::addColumn<QList<int>>("scelte");
        QTest::addColumn<int>("estrazioni"); // the draws then loaded; 0 when the program ends
        QTest::addColumn<QString>("ultimo"); // the last message
        const QString fine = QStringLiteral("PROGRAMMA TERMINATO");
        const QString creato =
            QStringLiteral("L'archivio è stato creato: 3 estrazioni, dal 1/3/2001 al 3/3/2001.");
        // The buttons: [Archivio ufficiale,] Da Internet, [Ripristina la copia,] Importa un file, Annulla.
        QTest::addRow("importa-un-file") << false << "buono" << false << QList<int>{1, 0} << 3 << creato;
        // A way that fails (here "rifiutato" or "annullata") leads back to the choice.
        QTest::addRow("importazione-annullata")
            << false << "buono" << false << QList<int>{1, 1, -1} << 0 << fine;
        QTest::addRow("file-rifiutato") << false << "rifiutato" << false << QList<int>{1, 0, 2} << 0 << fine;
        QTest::addRow("ripristina-la-copia") << true << "" << false << QList<int>{1} << 2
                                             << "L'archivio è stato ripristinato dalla copia "
                                                "RUOTE_backup_20260101_000000.";
        QTest::addRow("copia-oltre-il-limite") // the program manages 1 draw here
            << true << "" << false << QList<int>{1} << 1
            << "ATTENZIONE: il file BARI dell'archivio corrisponde a 2 estrazioni, più delle 1 che il "
               "programma può "
               "gestire. Saranno considerate solo le prime 1 estrazioni; nessun file verrà modificato.";
        QTest::addRow("copia-ma-importa") << true << "buono" << false << QList<int>{2, 0} << 3 << creato;
        // The shipped history comes first, its report and question as an import's.
        QTest::addRow("archivio-ufficiale") << false << "" << true << QList<int>{0, 0} << 3 << creato;
        QTest::addRow("ufficiale-ma-copia") << true << "" << true << QList<int>{2} << 2
                                            << "L'archivio è stato ripristinato dalla copia "
                                               "RUOTE_backup_20260101_000000.";
        QTest::addRow("ufficiale-ma-file") << false << "buono" << true << QList<int>{2, 0} << 3 << creato;
        // The download from an address that refuses: its message, then the choice again.
        QTest::addRow("da-internet-rifiutato") << false << "" << true << QList<int>{1, -1} << 0 << fine;
        QTest::addRow("da-internet-rifiutato-poi-ufficiale")
            << false << "" << true << QList<int>{1, 0, 0} << 3 << creato;
        // A folder never used (no settings file): a welcome with the same ways, no emergency.
        QTest::addRow("benvenuto") << false << "" << true << QList<int>{0, 0} << 3 << creato;
    }
    void ripristinoAlPrimoAvvio() {
        QFETCH(bool, copia);
        QFETCH(QString, file);
        QFETCH(bool, storico);
        QFETCH(QList<int>, scelte);
        QFETCH(int, estrazioni);
        const QByteArray riga = QTest::currentDataTag();
        const bool benvenuto = riga == "benvenuto";
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        if (!benvenuto)
            QVERIFY(core::scriviCampo(stato, core::campi::TOOLBAR, 1));
        else
            std::filesystem::remove_all(cartella.ruote()); // not even the wheels' folder yet
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
        cartella.scriviFile("storico.txt",
                            file == "rifiutato" ? "2001/03/01\tBA\t1\n" : prova::testoStorico(tre));
        const QString percorso = QString::fromStdString((cartella.percorso() / "storico.txt").string());
        prova::Sostituto<QString> incluso(ui::installaStoricoIncluso, storico ? percorso : QString());
        // Yes to the emergency question, OK to its outcome (and to the limit's or the download's warning).
        const bool internet = riga.startsWith("da-internet");
        const std::vector<std::string> rifiuta{"http://127.0.0.1:1/storico.zip"};
        prova::Sostituto<std::vector<std::string>> indirizzi(ui::sostituisciIndirizziPredefiniti, rifiuta);
        prova::ScriptPrompt script(QList<bool>(benvenuto ? 1 : estrazioni == 1 || internet ? 3 : 2, true));
        script.scelte(scelte);
        prova::FileScelto scelto(file.isEmpty() ? QString() : percorso);
        ui::LeggiEstrazioni finestra(stato);
        QCOMPARE(script.rimaste(), 0);
        QTEST(script.testi().last(), "ultimo");
        QVERIFY(script.testi().value(0).startsWith(
            benvenuto ? "Benvenuto in Quintaro: l'archivio è vuoto. Come crearlo?"
                      : "ATTENZIONE: non risultano"));
        QCOMPARE(script.testi().filter("Il tentativo non è riuscito: l'archivio non è stato creato.").size(),
                 int(riga.contains("rifiutato") || riga.contains("annullata")));
        QCOMPARE(finestra.programmaTerminato(), estrazioni == 0);
        if (internet)
            QVERIFY2(script.testi().at(2).contains("http://127.0.0.1:1/storico.zip"),
                     qPrintable(script.testi().at(2)));
        if (file == "rifiutato")
            QVERIFY(script.mostrati().at(2).dettagli.contains("riga 1: la riga non è nel formato atteso"));
        if (estrazioni == 0) return;
        // The opening went on with the new archive: the whole of it is chosen and loads.
        finestra.cmdSkip_Click();
        QCOMPARE(stato.Estrazioni_Caricate, estrazioni);
    }

    void archivioInUsoDaUnAltroProgramma() {
        // Another program holds the folder: the window comes only after a moment, and Annulla gives up.
        prova::CartellaDiProva cartella;
        QProcess altro;
        altro.start("flock", {QString::fromStdString((cartella.percorso() / core::NOME_BLOCCO).string()),
                              "-c", "echo preso; sleep 30"});
        QVERIFY(altro.waitForReadyRead(5000));
        const auto precedente = ui::installaAttesaArchivio();
        QElapsedTimer tempo;
        tempo.start();
        qint64 comparsa = -1;
        QTimer guarda;
        connect(&guarda, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "frmArchivioInUso" && w->isVisible() && comparsa < 0) {
                    comparsa = tempo.elapsed();
                    prova::controllo<QPushButton>(*w, "cmdAnnulla")->click();
                }
        });
        guarda.start(20);
        const auto esito = core::Blocco::prendi(cartella.percorso());
        // At the opening: "Riprova" asks again while it stays held, "Esci" ends with nothing loaded.
        core::impostaAttesaBlocco({std::chrono::milliseconds(0), {}, {}});
        prova::ScriptPrompt script({true, true});
        script.scelte({0, 1});
        auto stato = cartella.stato();
        QVERIFY(ui::LeggiEstrazioni(stato).programmaTerminato() && stato.Estrazioni_Caricate == 0 &&
                script.testi().value(1).startsWith("L'archivio è in uso da un altro programma"));
        core::impostaAttesaBlocco(precedente);
        altro.kill();
        altro.waitForFinished();
        QVERIFY(!esito && esito.codice() == core::Codice::Annullato);
        QVERIFY2(comparsa >= 300 && comparsa < 2000, qPrintable(QString::number(comparsa)));
        QVERIFY(!std::ranges::any_of(QApplication::topLevelWidgets(),
                                     [](QWidget* w) { return w->objectName() == "frmArchivioInUso"; }));
    }

    void okCaricaLArchivioEApreLaFinestraPrincipale_data() {
        // Five draws: 3/2/2001, 4/2/2002, 5/2/2002, 6/2/2003, 7/2/2003; the fields of the last time.
        QTest::addColumn<int>("riprendi"); // "Alle prossime aperture usa ruote e periodo dell'ultima volta"
        QTest::addColumn<int>("dal");
        QTest::addColumn<int>("al");
        QTest::addColumn<int>("finoAllUltima");
        QTest::addColumn<int>("cicli");
        QTest::addColumn<int>("selezionate"); // 0: the wheel and period windows come, the default applies
        QTest::addRow("prima-apertura") << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::addRow("ultima-volta") << 1 << 20020205 << 20030206 << 0 << 0 << 2;
        QTest::addRow("ultima-volta-e-le-nuove") << 1 << 20020205 << 20020205 << 1 << 0 << 3;
        QTest::addRow("ultima-volta-a-cicli") << 1 << 20020204 << 20020204 << 0 << 2 << 4;
        QTest::addRow("periodo-non-piu-nell-archivio") << 1 << 20020203 << 20030206 << 0 << 0 << 0;
    }
    void okCaricaLArchivioEApreLaFinestraPrincipale() {
        QFETCH(int, selezionate);
        prova::CartellaDiProva cartella;
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < 5; ++i)
            estrazioni.push_back(prova::estrazione(3 + i, 2, 2001 + (i + 1) / 2, 1 + i, i));
        cartella.scriviArchivio(estrazioni);
        auto stato = cartella.stato();
        QVERIFY(core::Scrivi_Impostazione(stato, 23, "1000000001")); // BARI and VENEZIA
        QVERIFY(core::Scrivi_Impostazione(stato, 100, "0"));         // no toolbar
        namespace c = core::campi;
        for (const auto& [campo, colonna] : {std::pair{c::RIPRENDI_ULTIMA_VOLTA, "riprendi"},
                                             {c::PERIODO_DAL, "dal"},
                                             {c::PERIODO_AL, "al"},
                                             {c::PERIODO_FINO_ALL_ULTIMA, "finoAllUltima"},
                                             {c::PERIODO_CICLI, "cicli"}})
            if (const int valore = *static_cast<int*>(QTest::qData(colonna, qMetaTypeId<int>())))
                QVERIFY(core::scriviCampo(stato, campo, valore));

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
        QString allApertura; // of the period window: the wait window, the draws selected
        prova::QuandoModale<ui::frmPeriodo> periodo([&](ui::frmPeriodo* f) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "frmAttesa" && w->isVisible()) allApertura += "attesa ";
            allApertura += QString::number(stato.Totale_Estrazioni_Selezionate);
            prova::clic(*f, "cmdToolbarPeriodo_10");
        });
        prova::clic(logo, "cmdOK");

        QVERIFY(carica.eseguita());
        QCOMPARE(ruote.eseguita() && periodo.eseguita(), selezionate == 0);
        QCOMPARE(ruoteSpuntate + allApertura, selezionate == 0 ? "10000000015" : ""); // the default applied
        QCOMPARE(stato.Totale_Estrazioni_Selezionate, selezionate == 0 ? 5 : selezionate);
        QCOMPARE(stato.Ruota_Selezionata[0], 2);
        QCOMPARE(script.testi().size() + terminato.size(), 0);
        ui::PRINCIPIO* principale = logo.finestraPrincipale();
        QVERIFY(principale && principale->isVisible() && !logo.isVisible());
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(w->objectName() != "frmAttesa" || !w->isVisible());
        QVERIFY(prova::testo(*principale, "lblArchivioCaricato").contains(QStringLiteral("5 estrazioni")));
        QVERIFY(prova::controllo(*principale, "Frame1")->isHidden()); // field 100 read at the end
        QFETCH(int, riprendi);
        QCOMPARE(principale->findChild<QAction*>("mnuOpzioniRiprendi")->isChecked(), riprendi == 1);
        // What was applied is what the next start finds.
        QFETCH(int, dal);
        QCOMPARE(core::valoreCampo(stato, c::PERIODO_DAL), selezionate == 0 ? 20010203 : dal);
    }
};

QTEST_MAIN(TestAvvio)
#include "TestAvvio.moc"
