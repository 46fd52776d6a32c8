// The start-up window: its captions, how it ends the program, and "OK" leading through the load,
// the wheels and the period to the main window.
#include "ArchivioDiProva.h"
#include "FinestraModale.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/LogoIniziale.h"
#include "ui/Principio.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void terminaIlProgramma_data() {
        QTest::addColumn<QString>("azione"); // a button, or "cornice" for the frame's close control
        QTest::addColumn<QList<bool>>("risposte");
        QTest::addColumn<QStringList>("messaggi");
        QTest::addColumn<int>("fine");
        const QString chiudere = QStringLiteral("Chiudere l' applicazione Quintaro");
        const QStringList emergenza{"ATTENZIONE: non risultano presenti alcuni o tutti i File che dovrebbero "
                                    "contenere le estrazioni, senza di essi sarà impossibile continuare."
                                    "\n\nSi desidera effettuare il RIPRISTINO dei Dati?",
                                    "PROGRAMMA TERMINATO"};
        QTest::addRow("chiudi-si") << "cmdChiudi" << QList<bool>{true} << QStringList{chiudere} << 1;
        QTest::addRow("chiudi-no") << "cmdChiudi" << QList<bool>{false} << QStringList{chiudere} << 0;
        QTest::addRow("cornice-senza-domande") << "cornice" << QList<bool>{} << QStringList{} << 1;
        QTest::addRow("ok-su-archivio-vuoto") << "cmdOK" << QList<bool>{true, true} << emergenza << 1;
        QTest::addRow("ok-senza-RUOTE") << "cmdOK senza RUOTE" << QList<bool>{false, true} << emergenza << 1;
    }
    void terminaIlProgramma() {
        QFETCH(QString, azione);
        QFETCH(QList<bool>, risposte);
        QFETCH(QStringList, messaggi);
        QFETCH(int, fine);
        prova::CartellaDiProva cartella; // RUOTE/ without files
        if (azione.endsWith(QStringLiteral(" senza RUOTE"))) std::filesystem::remove_all(cartella.ruote());
        auto stato = cartella.stato();
        ui::LogoIniziale logo(stato);
        QCOMPARE(logo.windowTitle(), QStringLiteral("Quintaro Versione " QUINTARO_VERSIONE));
        QCOMPARE(logo.findChild<QLabel*>("lblTitolo")->text(),
                 QStringLiteral("Quintaro   " QUINTARO_VERSIONE));
        logo.show();
        QSignalSpy terminato(&logo, &ui::LogoIniziale::programmaTerminato);
        prova::ScriptPrompt script(risposte);
        if (azione == QStringLiteral("cornice")) logo.close();
        else QTest::mouseClick(logo.findChild<QPushButton*>(azione.section(' ', 0, 0)), Qt::LeftButton);
        QCOMPARE(script.testi(), messaggi);
        if (!risposte.isEmpty()) QVERIFY(script.mostrati().at(0).siNo);
        QCOMPARE(terminato.size(), fine);
        QVERIFY(!logo.finestraPrincipale());
    }

    void okCaricaLArchivioEApreLaFinestraPrincipale() {
        prova::CartellaDiProva cartella;
        std::vector<prova::Estrazione> estrazioni;
        const int anni[] = {2001, 2001, 2002, 2003, 2003};
        for (int i = 0; i < 5; ++i) estrazioni.push_back(prova::estrazione(3 + i, 2, anni[i], 1 + i, i));
        cartella.scriviArchivio(estrazioni);
        auto stato = cartella.stato();
        QVERIFY(core::Scrivi_Impostazione(stato, 23, "1000000001")); // BARI and VENEZIA
        QVERIFY(core::Scrivi_Impostazione(stato, 100, "0"));          // no toolbar

        ui::LogoIniziale logo(stato);
        logo.show();
        QSignalSpy terminato(&logo, &ui::LogoIniziale::programmaTerminato);
        // At the first start the payout table and the day-membership table take their defaults.
        prova::ScriptPrompt script({true, true});
        prova::QuandoModale<ui::LeggiEstrazioni> carica([](ui::LeggiEstrazioni* f) { f->cmdSkip_Click(); });
        prova::QuandoModale<ui::frm_Ruote> ruote([](ui::frm_Ruote* f) {
            QVERIFY(f->ck_Ruota(1)->isChecked() && f->ck_Ruota(10)->isChecked());
            QVERIFY(!f->ck_Ruota(2)->isChecked());
            QTest::mouseClick(f->findChild<QPushButton*>("cmd_Ok"), Qt::LeftButton);
        });
        bool attesaVisibile = false;
        int selezionateAllApertura = 0;
        prova::QuandoModale<ui::frmPeriodo> periodo([&](ui::frmPeriodo* f) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QStringLiteral("frmAttesa")) attesaVisibile |= w->isVisible();
            selezionateAllApertura = stato.Totale_Estrazioni_Selezionate;
            QTest::mouseClick(f->findChild<QPushButton*>("cmdToolbarPeriodo_10"), Qt::LeftButton);
        });
        QTest::mouseClick(logo.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);

        QVERIFY(carica.eseguita() && ruote.eseguita() && periodo.eseguita());
        QVERIFY(!attesaVisibile); // the first application closed the wait window
        QCOMPARE(selezionateAllApertura, 5); // the default period, applied before the window shows
        QCOMPARE(script.mostrati().size(), 2);
        QVERIFY(script.testi().at(0).startsWith(QStringLiteral("Impossibile reperire informazioni sui pagamenti")));
        QCOMPARE(terminato.size(), 0);
        ui::PRINCIPIO* principale = logo.finestraPrincipale();
        QVERIFY(principale && principale->isVisible() && !logo.isVisible());
        const QString archivio = principale->findChild<QLabel*>("lblArchivioCaricato")->text();
        QVERIFY2(archivio.contains(QStringLiteral("5 estrazioni")), qPrintable(archivio));
        QVERIFY(principale->findChild<QWidget*>("Frame1")->isHidden()); // field 100 read at the end
    }
};

QTEST_MAIN(TestAvvio)
#include "TestAvvio.moc"
