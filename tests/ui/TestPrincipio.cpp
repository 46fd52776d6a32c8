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

namespace {

QString letto100(const core::Stato& stato) {
    return QString::fromStdString(core::Leggi_Impostazione(stato, 100)).trimmed();
}

} // namespace

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
        if (campo100 != QStringLiteral("-")) QVERIFY(core::Scrivi_Impostazione(stato, 21, "0"));
        if (!campo100.isEmpty() && campo100 != QStringLiteral("-"))
            QVERIFY(core::Scrivi_Impostazione(stato, 100, campo100.toStdString()));
        ui::PRINCIPIO principale(stato);
        principale.ToolBar_Visiblile();
        auto* frame = prova::controllo(principale, "Frame1");
        auto* voce = prova::controllo<QAction>(principale, "mnuOpzioniToolbar");
        const int altezza = principale.height();
        QCOMPARE(frame->isHidden(), !mostrata);
        QCOMPARE(voce->isChecked(), mostrata);

        voce->trigger(); // the window shrinks or grows with the toolbar; the choice is stored
        QCOMPARE(frame->isHidden(), mostrata);
        QCOMPARE(principale.height() < altezza, mostrata);
        QCOMPARE(letto100(stato), mostrata ? "0" : "1");
        voce->trigger();
        QCOMPARE(principale.height(), altezza);
        QCOMPARE(letto100(stato), mostrata ? "1" : "0");
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
                QCOMPARE(f->objectName(), finestra);
                QCOMPARE(f->parentWidget(), &principale);
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
        if (finestra == QStringLiteral("frm_Ruote"))
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
        QTest::addColumn<QString>("file"); // the draws of the file, of 1..5 March 2001 ("x": another number
                                           // on 2 March), or none
        QTest::addColumn<QList<int>>("scelte");
        QTest::addColumn<int>("caricate");   // the draws loaded afterwards
        QTest::addColumn<QString>("ultimo"); // the last message
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
        const int primo = file.isEmpty() ? 0 : file.left(1).toInt() - 1;
        if (file.endsWith('x')) estrazioni[1].ruote[0][0] = 90;
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
        const bool ricaricato =
            ultimo.startsWith(QStringLiteral("Sono")) || ultimo.startsWith(QStringLiteral("L'"));
        QCOMPARE(carica.eseguita(), ricaricato);
        QCOMPARE(periodo.eseguita(), ricaricato);
        if (!scelte.isEmpty())
            QCOMPARE(
                script.mostrati().at(0).pulsanti,
                (QStringList{"Sostituisci l'archivio", "Aggiungi solo le estrazioni successive", "Annulla"}));
        if (!ultimo.isEmpty())
            QVERIFY2(script.testi().at(1).contains(ultimo), qPrintable(script.testi().at(1)));
        QCOMPARE(stato.Estrazioni_Caricate, caricate);
        QCOMPARE(stato.Totale_Estrazioni_Selezionate, ricaricato ? caricate : 0); // the period applied afresh
        QCOMPARE(stato.Archivio_Modificato, ricaricato);
        QCOMPARE(maintenance::cartelleBackup(stato).size(),
                 std::size_t(QTest::currentDataTag() == QByteArray("sostituisci")));
        QVERIFY(prova::testo(principale, "lblArchivioCaricato")
                    .contains(QStringLiteral("%1 estrazioni").arg(caricate)));
    }
};

QTEST_MAIN(TestPrincipio)
#include "TestPrincipio.moc"
