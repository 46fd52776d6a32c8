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
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using prova::CartellaDiProva;
using prova::ScriptPrompt;

class TestAvvio : public QObject {
    Q_OBJECT
private slots:
    void laFinestraInizialeMostraTitoloEVersione();
    void chiudiChiedeConferma_data();
    void chiudiChiedeConferma();
    void chiusaDallaCorniceTerminaSenzaDomande();
    void okCaricaLArchivioEApreLaFinestraPrincipale();
    void okSuArchivioVuotoTerminaIlProgramma();
    void laFinestraPrincipaleChiedePrimaDiChiudere();
};

void TestAvvio::laFinestraInizialeMostraTitoloEVersione() {
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    ui::LogoIniziale logo(stato);
    QCOMPARE(logo.windowTitle(), QStringLiteral("Quintaro Versione ") + QStringLiteral(QUINTARO_VERSIONE));
    QCOMPARE(logo.findChild<QLabel*>("lblTitolo")->text(), QStringLiteral("Quintaro   ") + QStringLiteral(QUINTARO_VERSIONE));
    QVERIFY(logo.findChild<QLabel*>("lblAvviso")->text().startsWith(
        QStringLiteral("ATTENZIONE: Questo software non regala numeri, è solo un software per elaborazione statistica")));
    QCOMPARE(logo.findChild<QPushButton*>("cmdChiudi")->text(), QStringLiteral("CHIUDI "));
    QCOMPARE(stato.Nome_Ruota[10], std::string("VENEZIA")); // the tables are filled as the window opens
}

void TestAvvio::chiudiChiedeConferma_data() {
    QTest::addColumn<bool>("risposta");
    QTest::addRow("si-termina") << true;
    QTest::addRow("no-resta") << false;
}

void TestAvvio::chiudiChiedeConferma() {
    QFETCH(bool, risposta);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    ui::LogoIniziale logo(stato);
    logo.show();
    QSignalSpy fine(&logo, &ui::LogoIniziale::programmaTerminato);
    ScriptPrompt script({risposta});
    QTest::mouseClick(logo.findChild<QPushButton*>("cmdChiudi"), Qt::LeftButton);
    QCOMPARE(script.mostrati().size(), 1);
    QCOMPARE(script.mostrati().at(0).testo, QStringLiteral("Chiudere l' applicazione Quintaro"));
    QCOMPARE(script.mostrati().at(0).titolo, QStringLiteral("Quintaro"));
    QVERIFY(script.mostrati().at(0).siNo);
    QCOMPARE(fine.size(), risposta ? 1 : 0);
    QVERIFY(logo.isVisible());
}

void TestAvvio::chiusaDallaCorniceTerminaSenzaDomande() {
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    ui::LogoIniziale logo(stato);
    logo.show();
    QSignalSpy fine(&logo, &ui::LogoIniziale::programmaTerminato);
    ScriptPrompt script;
    logo.close();
    QCOMPARE(fine.size(), 1);
    QVERIFY(script.mostrati().isEmpty());
}

void TestAvvio::okCaricaLArchivioEApreLaFinestraPrincipale() {
    CartellaDiProva cartella;
    std::vector<prova::Estrazione> estrazioni;
    const int anni[] = {2001, 2001, 2002, 2003, 2003};
    for (int i = 0; i < 5; ++i) estrazioni.push_back(prova::estrazione(3 + i, 2, anni[i], 1 + i, i));
    cartella.scriviArchivio(estrazioni);
    auto stato = cartella.stato();
    QVERIFY(core::Scrivi_Impostazione(stato, 23, "1000000001"));

    ui::LogoIniziale logo(stato);
    logo.show();
    QSignalSpy fine(&logo, &ui::LogoIniziale::programmaTerminato);
    ScriptPrompt script({true}); // the day-membership table is repaired at the first start
    prova::QuandoModale<ui::LeggiEstrazioni> carica([](ui::LeggiEstrazioni* finestra) { finestra->cmdSkip_Click(); });
    bool attesaVisibile = false;
    prova::QuandoModale<ui::frm_Ruote> ruote([&](ui::frm_Ruote* finestra) {
        QVERIFY(finestra->ck_Ruota(1)->isChecked());
        QVERIFY(finestra->ck_Ruota(10)->isChecked());
        QVERIFY(!finestra->ck_Ruota(2)->isChecked());
        QTest::mouseClick(finestra->findChild<QPushButton*>("cmd_Ok"), Qt::LeftButton);
    });
    prova::QuandoModale<ui::frmPeriodo> periodo([&](ui::frmPeriodo* finestra) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("frmAttesa") && w->isVisible()) attesaVisibile = true;
        QTest::mouseClick(finestra->findChild<QPushButton*>("cmdToolbarPeriodo_10"), Qt::LeftButton);
    });
    QTest::mouseClick(logo.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);

    QVERIFY(carica.eseguita());
    QVERIFY(ruote.eseguita());
    QVERIFY(periodo.eseguita());
    QVERIFY(!attesaVisibile); // the first application closed the wait window
    QCOMPARE(script.mostrati().size(), 1);
    QVERIFY(script.mostrati().at(0).titolo.startsWith(QStringLiteral("ERRORE LETTURA  - ")));

    // The default period: every loaded draw, one cycle.
    QCOMPARE(stato.Totale_Cicli, 1);
    QCOMPARE(stato.Totale_Estrazioni_Selezionate, 5);
    QCOMPARE(stato.Inizio_Ciclo[1], 1);
    QCOMPARE(stato.Fine_Ciclo[1], 5);
    QVERIFY(!stato.Periodo_Da_Applicare);
    QCOMPARE(fine.size(), 0);
    ui::PRINCIPIO* principale = logo.finestraPrincipale();
    QVERIFY(principale);
    QVERIFY(principale->isVisible());
    QVERIFY(!logo.isVisible());
    QCOMPARE(principale->windowTitle(), QStringLiteral(" - Quintaro ") + QStringLiteral(QUINTARO_VERSIONE));
    QVERIFY(principale->findChild<QLabel*>("lblArchivioCaricato")->text().contains(QStringLiteral("5 estrazioni")));

    // What the initialisation derived from the loaded draws and the settings.
    QCOMPARE(stato.Estrazioni_Caricate, 5);
    QCOMPARE(stato.Primo_Anno, 2001);
    QCOMPARE(stato.Ultimo_Anno, 2003);
    QCOMPARE(stato.Prima_Estrazione_Anno(2002), 3);
    QCOMPARE(stato.Ultima_Estrazione_Anno(2003), 5);
    QCOMPARE(stato.Elenco_Ruote_Selezionate[0], 2);
    QCOMPARE(stato.Elenco_Ruote_Selezionate[2], 10);

    const QStringList menu = [&] {
        QStringList titoli;
        for (QAction* azione : principale->menuBar()->actions()) titoli << azione->text();
        return titoli;
    }();
    QCOMPARE(menu, (QStringList{"Archivio", "Impostazioni", "Ricerche", "Opzioni", "Aiuto"}));
}

void TestAvvio::okSuArchivioVuotoTerminaIlProgramma() {
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    ui::LogoIniziale logo(stato);
    QSignalSpy fine(&logo, &ui::LogoIniziale::programmaTerminato);
    ScriptPrompt script({false, true});
    logo.cmdOK_Click();
    QCOMPARE(fine.size(), 1);
    QCOMPARE(script.testi().last(), QStringLiteral("PROGRAMMA TERMINATO"));
    QVERIFY(!logo.finestraPrincipale());
}

void TestAvvio::laFinestraPrincipaleChiedePrimaDiChiudere() {
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    core::Imposta_Tabelle_Globali(stato);
    ui::PRINCIPIO principale(stato);
    principale.show();
    QSignalSpy fine(&principale, &ui::PRINCIPIO::programmaTerminato);

    ScriptPrompt script({false, true});
    auto* chiudi = principale.findChild<QAction*>("mnuArchivioChiudi");
    QVERIFY(chiudi);
    chiudi->trigger();
    QVERIFY(principale.isVisible());
    QCOMPARE(fine.size(), 0);
    QCOMPARE(script.mostrati().at(0).testo, QStringLiteral("Chiudere l' applicazione Quintaro ?"));

    principale.close();
    QVERIFY(!principale.isVisible());
    QCOMPARE(fine.size(), 1);
}

QTEST_MAIN(TestAvvio)
#include "TestAvvio.moc"
