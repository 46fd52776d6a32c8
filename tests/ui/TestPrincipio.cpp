// The main window: the toolbar and its setting, the commands that open the wheel and period windows,
// and the close question.
#include "ArchivioAnni.h"
#include "ArchivioDiProva.h"
#include "FinestraModale.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "maintenance/Backup.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/selection/FrmPeriodo.h"

#include <QAction>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using prova::ScriptPrompt;

namespace {

template <class T> T* figlio(QObject& genitore, const QString& nome) {
    auto* trovato = genitore.findChild<T*>(nome);
    if (!trovato) qFatal("oggetto %s non trovato", qPrintable(nome));
    return trovato;
}

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
        if (campo100 != QStringLiteral("-")) {
            QVERIFY(core::Scrivi_Impostazione(stato, 21, "0"));
            if (!campo100.isEmpty()) QVERIFY(core::Scrivi_Impostazione(stato, 100, campo100.toStdString()));
        }
        ui::PRINCIPIO principale(stato);
        principale.ToolBar_Visiblile();
        auto* frame = figlio<QFrame>(principale, "Frame1");
        auto* voce = figlio<QAction>(principale, "mnuOpzioniToolbar");
        const int altezza = principale.height();
        QStringList suggerimenti;
        for (auto* pulsante : frame->findChildren<QToolButton*>())
            suggerimenti << pulsante->objectName() + QLatin1Char('=') + pulsante->toolTip();
        QCOMPARE(suggerimenti,
                 (QStringList{"cmdMenuBar_0=Aggiornamento nuova estrazione", "cmdMenuBar_1=Ruote",
                              "cmdMenuBar_2=Selezione del Periodo", "cmdMenuBar_3=Aggiorna da Internet",
                              "cmdMenuBar_11=Guida di Quintaro"}));
        QCOMPARE(frame->isHidden(), !mostrata);
        QCOMPARE(voce->isChecked(), mostrata);

        voce->trigger();
        QCOMPARE(frame->isHidden(), mostrata);
        QCOMPARE(principale.height() < altezza, mostrata);
        QCOMPARE(letto100(stato), mostrata ? "0" : "1");
        voce->trigger();
        QCOMPARE(principale.height(), altezza);
        QCOMPARE(frame->isHidden(), !mostrata);
        QCOMPARE(letto100(stato), mostrata ? "1" : "0");
    }

    void comandiApronoLeFinestre_data() {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("finestra");
        QTest::addRow("menu-ruote") << "mnuImpostazioniModificaRuote"
                                    << "frm_Ruote";
        QTest::addRow("pulsante-ruote") << "cmdMenuBar_1"
                                        << "frm_Ruote";
        QTest::addRow("menu-periodo") << "mnuImpostazionModificaPeriodo"
                                      << "frmPeriodo";
        QTest::addRow("pulsante-periodo") << "cmdMenuBar_2"
                                          << "frmPeriodo";
    }
    void comandiApronoLeFinestre() {
        QFETCH(QString, comando);
        QFETCH(QString, finestra);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        prova::caricaAnni(cartella, stato, {4, 3, 2, 3});
        for (int k = 13; k <= 19; ++k)
            core::Scrivi_Impostazione(stato, k, k <= 14 || k >= 18 ? "6" : "3");
        stato.Periodo_Da_Applicare = true;
        ScriptPrompt script;
        ui::PRINCIPIO principale(stato);
        principale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principale));
        const auto aziona = [&](const QString& nome) {
            if (auto* voce = principale.findChild<QAction*>(nome))
                voce->trigger();
            else
                QTest::mouseClick(figlio<QToolButton>(principale, nome), Qt::LeftButton);
        };
        // Twice: the period window is created once and keeps where its first bar was left.
        QList<int> dalVisto;
        for (int volta = 0; volta < 2; ++volta) {
            prova::QuandoModale<QDialog> aperta([&](QDialog* f) {
                QCOMPARE(f->objectName(), finestra);
                QCOMPARE(f->parentWidget(), &principale);
                if (auto* dal = f->findChild<QScrollBar*>("hscDalFrazionato")) {
                    dalVisto << dal->value();
                    dal->setValue(5);
                    QTest::mouseClick(figlio<QPushButton>(*f, "cmdToolbarPeriodo_10"), Qt::LeftButton);
                } else {
                    QTest::mouseClick(figlio<QPushButton>(*f, "cmdTutte"), Qt::LeftButton);
                    QTest::mouseClick(figlio<QPushButton>(*f, "cmd_Ok"), Qt::LeftButton);
                }
            });
            aziona(comando);
            QVERIFY(aperta.eseguita());
        }
        if (finestra == QStringLiteral("frm_Ruote"))
            QCOMPARE(stato.Elenco_Ruote_Selezionate[0], 10);
        else
            QCOMPARE(dalVisto, (QList<int>{1, 5}));
        // The period button follows its menu entry's state.
        principale.scartaPeriodo();
        figlio<QAction>(principale, "mnuImpostazionModificaPeriodo")->setEnabled(false);
        aziona(QStringLiteral("cmdMenuBar_2"));
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
        ScriptPrompt script({risposta});
        ui::PRINCIPIO principale(stato);
        principale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principale));
        QSignalSpy fine(&principale, &ui::PRINCIPIO::programmaTerminato);
        if (dalMenu)
            figlio<QAction>(principale, "mnuArchivioChiudi")->trigger();
        else
            principale.close();
        QCOMPARE(script.testi(), QStringList{QStringLiteral("Chiudere l' applicazione Quintaro ?")});
        QVERIFY(script.mostrati().at(0).siNo);
        QCOMPARE(principale.isVisible(), !risposta);
        QCOMPARE(fine.size(), risposta ? 1 : 0);
    }

    void importaArchivioDalMenu_data() {
        QTest::addColumn<QString>(
            "file"); // the draws of the file, of 1..5 March 2001 ("x": another number on 2 March), or none
        QTest::addColumn<QList<int>>("scelte");
        QTest::addColumn<int>("caricate");   // the draws loaded afterwards
        QTest::addColumn<QString>("ultimo"); // the last message
        QTest::addRow("aggiungi") << "1-5" << QList<int>{1} << 5
                                  << "Sono state aggiunte 2 estrazioni, dal 4/3/2001 al 5/3/2001";
        QTest::addRow("sostituisci") << "3-5" << QList<int>{0} << 3
                                     << "L'archivio precedente è stato copiato nella cartella RUOTE_backup_";
        QTest::addRow("aggiungi-discorde")
            << "1-5x" << QList<int>{1} << 3 << "non concordano su 1 estrazione";
        QTest::addRow("annulla") << "1-5" << QList<int>{2} << 3 << "";
        QTest::addRow("nessun-file") << "" << QList<int>{} << 3 << "";
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
        QString titoloScelta;
        const auto precedente = ui::prompt::installaGestoreFile([&](const QString& titolo, const QString&) {
            titoloScelta = titolo;
            return file.isEmpty() ? QString()
                                  : QString::fromStdString((cartella.percorso() / "storico.txt").string());
        });
        // The outcome, then the loading window (payouts written for the first time) and the period window.
        ScriptPrompt script({true, true, true, true});
        script.scelte(scelte);
        ui::PRINCIPIO principale(stato);
        principale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principale));
        prova::QuandoModale<ui::LeggiEstrazioni> carica([](ui::LeggiEstrazioni* f) { f->cmdSkip_Click(); });
        prova::QuandoModale<ui::frmPeriodo> periodo([](ui::frmPeriodo* f) {
            QTest::mouseClick(f->findChild<QPushButton*>("cmdToolbarPeriodo_10"), Qt::LeftButton);
        });
        figlio<QAction>(principale, "mnuArchivioImporta")->trigger();
        ui::prompt::installaGestoreFile(precedente);

        QCOMPARE(titoloScelta, QStringLiteral("Importa archivio"));
        const bool ricaricato =
            ultimo.startsWith(QStringLiteral("Sono")) || ultimo.startsWith(QStringLiteral("L'archivio"));
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
        QVERIFY(figlio<QLabel>(principale, "lblArchivioCaricato")
                    ->text()
                    .contains(QStringLiteral("%1 estrazioni").arg(caricate)));
    }
};

QTEST_MAIN(TestPrincipio)
#include "TestPrincipio.moc"
