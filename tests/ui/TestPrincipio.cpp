// The main window: the toolbar and its setting, the commands that open the wheel and period windows,
// the import of an archive from its menu, and the close question.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "core/Archivio.h"
#include "core/Impostazioni.h"
#include "maintenance/Backup.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/selection/FrmPeriodo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>

#include <ctime>

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
            QVERIFY(core::Scrivi_Impostazione(stato, 100, campo100.toStdString()));
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
        cartella.carica(stato, prova::perAnni({4, 3, 2, 3}));
        stato.Periodo_Da_Applicare = true;
        prova::ScriptPrompt script;
        ui::PRINCIPIO principale(stato);
        principale.show();
        // Twice: the wheel window confirms all the wheels; the period window is created once and keeps
        // where its first bar was left.
        QStringList visto;
        for (int volta = 0; volta < 2; ++volta) {
            prova::QuandoModale<QDialog> aperta([&](QDialog* f) {
                visto << f->objectName() + (f->parentWidget() == &principale ? "" : " senza genitore");
                if (auto* dal = f->findChild<QScrollBar*>("hscDalFrazionato")) {
                    visto << QString::number(dal->value());
                    dal->setValue(5);
                    return prova::clic(*f, "cmdToolbarPeriodo_10");
                }
                prova::clic(*f, "cmdTutte");
                prova::clic(*f, "cmd_Ok");
            });
            prova::clic(principale, comando);
        }
        QCOMPARE(visto.join(' '),
                 finestra == "frmPeriodo" ? "frmPeriodo 1 frmPeriodo 5" : "frm_Ruote frm_Ruote");
        if (finestra == "frm_Ruote") QCOMPARE(stato.Elenco_Ruote_Selezionate[0], 10);
        // The period button follows its menu entry's state.
        principale.scartaPeriodo();
        prova::controllo<QAction>(principale, "mnuImpostazionModificaPeriodo")->setEnabled(false);
        prova::clic(principale, "cmdMenuBar_2");
        QVERIFY(!principale.finestraPeriodo());
    }

    void finestreDeiRisultatiETastiera_data() {
        QTest::addColumn<QString>("comando"); // the menu item that opens the window; empty: the main window
        QTest::addColumn<int>("tasto");
        QTest::addColumn<QString>("effetto"); // "chiusa", the help page opened, or the box shown
        const int esc = Qt::Key_Escape, f1 = Qt::Key_F1, ctrlE = (Qt::CTRL | Qt::Key_E).toCombined();
        QTest::addRow("principale-f1") << "" << f1 << "finestra_principale.htm";
        QTest::addRow("numeri-esc") << "mnuFREQ_RIT_90_NUMERI" << esc << "chiusa";
        QTest::addRow("numeri-f1") << "mnuFREQ_RIT_90_NUMERI" << f1 << "freq_rit_90_numeri.htm";
        QTest::addRow("numeri-ctrl-e")
            << "mnuFREQ_RIT_90_NUMERI" << ctrlE << "Nessun dato da esportare: eseguire prima una ricerca.";
        QTest::addRow("ambi-esc") << "mnuFREQ_RIT_AMBI" << esc << "chiusa";
        QTest::addRow("terni-esc") << "mnuFREQ_RIT_TERNI" << esc << "chiusa";
        QTest::addRow("spia-esc") << "mnuNumeriSpia" << esc << "chiusa";
        QTest::addRow("verifica-caso-f1") << "mnuVerificaCaso" << f1 << "verifica_caso.htm";
        QTest::addRow("verifica-giocata-esc") << "mnuVerificaGiocata" << esc << "chiusa";
        QTest::addRow("sfoglia-esc") << "mnuRicercheSfoglia" << esc << "chiusa";
        QTest::addRow("poste-esc") << "mnuOPZIONIposteComb" << esc << "chiusa";
    }
    void finestreDeiRisultatiETastiera() {
        QFETCH(QString, comando);
        QFETCH(int, tasto);
        QFETCH(QString, effetto);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        cartella.carica(stato, prova::perAnni({4, 3}));
        prova::ScriptPrompt script({}, prova::ScriptPrompt::Imprevisti::Si);
        ui::PRINCIPIO principale(stato);
        principale.show();
        QPointer<QWidget> finestra = &principale;
        if (!comando.isEmpty()) {
            prova::clic(principale, comando);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w != &principale && w->isVisible() && w->objectName() != "frmAttesa") finestra = w;
            // Below the strip; on a screen too short for both, over its toolbar at most, never its menu.
            const QRect cornice = finestra->frameGeometry();
            QVERIFY(cornice.top() > principale.frameGeometry().bottom() ||
                    (cornice.bottom() == finestra->screen()->availableGeometry().bottom() &&
                     cornice.top() >=
                         principale.menuBar()->mapToGlobal(QPoint(0, principale.menuBar()->height())).y()));
            finestra->showMinimized();
            prova::clic(principale, comando); // the menu item brings it back
            QVERIFY(!finestra->isMinimized());
        }
        finestra->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(finestra));
        // Every button with a letter answers Alt and a letter of its own.
        QSet<QChar> lettere;
        for (const QAbstractButton* b : finestra->findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(finestra)) continue;
            const QString testo = b->text();
            const qsizetype e = testo.indexOf('&');
            if (testo.contains(QRegularExpression("[A-Za-z]")))
                QVERIFY2(e >= 0 && !lettere.contains(testo.at(e + 1).toUpper()), qPrintable(testo));
            if (e >= 0) lettere.insert(testo.at(e + 1).toUpper());
        }
        QTest::keySequence(finestra, QKeySequence(tasto));
        if (effetto == "chiusa")
            QVERIFY(!finestra || !finestra->isVisible());
        else if (effetto.endsWith(".htm"))
            QVERIFY(ui::finestraGuida() && ui::finestraGuida()->pagina().fileName() == effetto);
        else
            QCOMPARE(script.testi().value(0), effetto);
        if (ui::FinestraGuida* guida = ui::finestraGuida()) guida->close();
    }

    void rigaDellArchivio_data() {
        QTest::addColumn<int>("anno");      // of the archive's last draw, 5 March
        QTest::addColumn<int>("controllo"); // days since the site was found to hold nothing newer; -1: never
        QTest::addColumn<bool>("aggiorna");
        QTest::addRow("fermo-al-2001") << 2001 << -1 << true;
        QTest::addRow("oltre-oggi") << 2400 << -1 << false;
        QTest::addRow("sito-controllato-ora") << 2001 << 0 << false;
        QTest::addRow("sito-controllato-prima-dell-ultima-giornata") << 2001 << 8 << true;
    }
    void rigaDellArchivio() {
        QFETCH(int, anno);
        QFETCH(int, controllo);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        if (controllo >= 0) {
            const std::time_t allora = std::time(nullptr) - std::time_t{controllo} * 24 * 3600;
            localtime_r(&allora, &stato.Controllo_Senza_Novita);
        }
        // Three draws loaded, a fourth on disk since: the line tells the archive's last one too.
        std::vector<prova::Estrazione> estrazioni{prova::estrazione(1, 3, 2001, 1),
                                                  prova::estrazione(2, 3, 2001, 2),
                                                  prova::estrazione(3, 3, 2001, 3)};
        cartella.carica(stato, estrazioni);
        ui::PRINCIPIO principale(stato);
        // Another program appends a draw, writing the set as every writer does.
        estrazioni.push_back(prova::estrazione(5, 3, anno, 1));
        prova::CartellaDiProva altra;
        altra.scriviArchivio(estrazioni);
        QVERIFY(core::Archivio::leggi(altra.ruote())->scrivi(cartella.ruote()));
        QTRY_VERIFY(prova::testo(principale, "lblArchivioCaricato")
                        .contains(QStringLiteral("L'archivio è stato modificato da un altro programma — <a "
                                                 "href=\"ricarica\">Ricarica</a>")));
        const QString riga = prova::testo(principale, "lblArchivioCaricato");
        QVERIFY2(riga.contains(QStringLiteral("3 estrazioni caricate, dal 1/3/2001 al 3/3/2001")),
                 qPrintable(riga));
        QVERIFY2(riga.contains(QStringLiteral("Ultima estrazione in archivio: 5/3/%1").arg(anno)),
                 qPrintable(riga));
        QTEST(riga.contains(QStringLiteral("Aggiorna da Internet")), "aggiorna");
    }

    void domandaDiChiusura() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        prova::ScriptPrompt script({false, true});
        ui::PRINCIPIO principale(stato);
        principale.show();
        QSignalSpy fine(&principale, &ui::PRINCIPIO::programmaTerminato);
        principale.close(); // by the frame, No: the window stays
        QVERIFY(principale.isVisible() && fine.isEmpty());
        prova::clic(principale, "mnuArchivioChiudi"); // by the menu, Yes: the program ends
        QCOMPARE(script.testi(), QStringList(2, QStringLiteral("Chiudere l' applicazione Quintaro ?")));
        QVERIFY(!principale.isVisible() && fine.size() == 1);
    }

    void unaSceltaFraPiuPulsanti() {
        // The real box: Enter takes the last button, the one that changes nothing; a click its own.
        for (const int premuto : {-1, 0}) {
            QString predefinito;
            prova::QuandoModale<QDialog> box([&](QDialog* d) {
                const auto pulsanti = d->findChildren<QPushButton*>();
                for (QPushButton* p : pulsanti)
                    if (p->isDefault()) predefinito += p->text().remove(QLatin1Char('&'));
                premuto < 0 ? QTest::keyClick(d, Qt::Key_Return) : pulsanti[premuto]->click();
            });
            QCOMPARE(
                ui::prompt::scegli(nullptr, "Quintaro", "Registrare?", {}, {"Registra", "No", "Annulla"}),
                premuto < 0 ? 2 : premuto);
            QCOMPARE(predefinito, QStringLiteral("Annulla"));
        }
        // The real yes/no box: "No" says no; Enter takes its default, yes.
        for (const bool si : {false, true}) {
            prova::QuandoModale<QMessageBox> box([&](QMessageBox* m) {
                si ? QTest::keyClick(m, Qt::Key_Return) : m->button(QMessageBox::No)->click();
            });
            QCOMPARE(ui::prompt::chiedi(nullptr, "Quintaro", "Continuare?"), si);
        }
    }

    void importaArchivioDalMenu_data() {
        QTest::addColumn<int>("scelta"); // the button pressed: Sostituisci, Aggiungi, Annulla
        QTest::addColumn<int>(
            "primo"); // the file holds the draws of this day of March 2001 to the 5th; -2: 1st-2nd
        QTest::addColumn<int>("caricate");   // the draws loaded afterwards; 3 before
        QTest::addColumn<QString>("ultimo"); // the last message; empty when nothing is reloaded
        QTest::addRow("aggiungi") << 1 << 1 << 5
                                  << "Sono state aggiunte 2 estrazioni, dal 4/3/2001 al 5/3/2001";
        QTest::addRow("sostituisci") << 0 << 3 << 3 << "L'archivio precedente è stato copiato nella cartella";
        QTest::addRow("aggiungi-discorde") // 2 March differs: the message says where the replacement is
            << 1 << 2 << 3
            << "(Archivio / Importa archivio…, Sostituisci). L'archivio non è stato modificato.";
        QTest::addRow("annulla") << 2 << 1 << 3 << QString();
        // A file that ends on 2 March: the question says what a replacement would drop.
        QTest::addRow("file-piu-vecchio-annulla") << 2 << -2 << 3 << QString();
    }
    void importaArchivioDalMenu() {
        QFETCH(int, scelta);
        QFETCH(int, primo);
        QFETCH(int, caricate);
        QFETCH(QString, ultimo);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < 5; ++i)
            estrazioni.push_back(prova::estrazione(1 + i, 3, 2001, 1 + i, i));
        cartella.scriviArchivio({estrazioni.begin(), estrazioni.begin() + 3});
        QVERIFY(core::caricaArchivio(stato));
        if (primo == 2) estrazioni[1].ruote[0][0] = 90;
        cartella.scriviFile("storico.txt",
                            primo < 0
                                ? prova::testoStorico({estrazioni.begin(), estrazioni.begin() + 2})
                                : prova::testoStorico({estrazioni.begin() + primo - 1, estrazioni.end()}));
        prova::FileScelto scelto(QString::fromStdString((cartella.percorso() / "storico.txt").string()));
        // The outcome, then the loading window (payouts written for the first time) and the period window.
        prova::ScriptPrompt script({true, true, true, true});
        script.scelte({scelta});
        ui::PRINCIPIO principale(stato);
        principale.show();
        prova::QuandoModale<ui::LeggiEstrazioni> carica([](ui::LeggiEstrazioni* f) { f->cmdSkip_Click(); });
        prova::QuandoModale<ui::frmPeriodo> periodo(
            [](ui::frmPeriodo* f) { prova::clic(*f, "cmdToolbarPeriodo_10"); });
        prova::clic(principale, "mnuArchivioImporta");

        QCOMPARE(scelto.titoli, QStringList{QStringLiteral("Importa archivio")});
        QCOMPARE(
            script.mostrati().at(0).pulsanti,
            (QStringList{"Sostituisci l'archivio", "Aggiungi solo le estrazioni successive", "Annulla"}));
        if (!ultimo.isEmpty())
            QVERIFY2(script.testi().at(1).contains(ultimo), qPrintable(script.testi().at(1)));
        QCOMPARE(
            script.testi().at(0).contains(
                "ATTENZIONE: Il file finisce il 2/3/2001, l'archivio il 3/3/2001: 1 estrazione più recente "
                "non sarà nel nuovo archivio (ne resta la copia in RUOTE_backup_…)."),
            primo < 0);
        const bool ricaricato = ultimo.startsWith("Sono") || ultimo.startsWith("L'");
        QCOMPARE(carica.eseguita() + periodo.eseguita(), 2 * ricaricato);
        QCOMPARE(stato.Estrazioni_Caricate, caricate);
        QCOMPARE(stato.Totale_Estrazioni_Selezionate, ricaricato ? caricate : 0); // the period applied afresh
        QCOMPARE(maintenance::cartelleBackup(stato).size(), std::size_t(scelta == 0));
        QVERIFY(prova::testo(principale, "lblArchivioCaricato")
                    .contains(QString::number(caricate) + " estrazioni"));
    }
};

QTEST_MAIN(TestPrincipio)
#include "TestPrincipio.moc"
