// The main window: the opening, the toolbar and its setting, the entries that open the wheel and
// period windows, and the close question.
#include "ArchivioDiProva.h"
#include "FinestraModale.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "core/Testo.h"
#include "selection/ArchivioAnni.h"
#include "ui/Principio.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using prova::CartellaDiProva;
using prova::ScriptPrompt;

namespace {

template <class T> T* figlio(QObject& genitore, const QString& nome) {
    auto* trovato = genitore.findChild<T*>(nome);
    if (!trovato) qFatal("oggetto %s non trovato", qPrintable(nome));
    return trovato;
}

/** Field 100 as stored; "-" leaves the settings file missing, "" writes another field only. */
void scriviCampo100(const core::Stato& stato, const QString& valore) {
    if (valore == QStringLiteral("-")) return;
    QVERIFY(core::Scrivi_Impostazione(stato, 21, "0"));
    if (!valore.isEmpty()) QVERIFY(core::Scrivi_Impostazione(stato, 100, valore.toStdString()));
}

std::string campo(const core::Stato& stato, int k) {
    return std::string(core::senzaSpaziFinali(core::Leggi_Impostazione(stato, k)));
}

/** A loaded archive of twelve draws (2001..2004) with a valid day-membership table. */
void caricaArchivio(const CartellaDiProva& cartella, core::Stato& stato) {
    prova::caricaAnni(cartella, stato, {4, 3, 2, 3});
    for (int k = 13; k <= 19; ++k)
        core::Scrivi_Impostazione(stato, k, k <= 14 || k >= 18 ? "6" : "3");
}

void aziona(ui::PRINCIPIO& principale, const QString& nome) {
    if (nome.startsWith(QStringLiteral("cmdMenuBar")))
        QTest::mouseClick(figlio<QToolButton>(principale, nome), Qt::LeftButton);
    else
        figlio<QAction>(principale, nome)->trigger();
}

} // namespace

class TestPrincipio : public QObject {
    Q_OBJECT
private slots:
    void aperturaScegliePeriodoEToolbar();
    void toolbarCommutataDueVolte_data();
    void toolbarCommutataDueVolte();
    void toolbarDalCampo100_data();
    void toolbarDalCampo100();
    void suggerimentiDeiPulsanti_data();
    void suggerimentiDeiPulsanti();
    void ruoteDalMenuEDalPulsante_data();
    void ruoteDalMenuEDalPulsante();
    void periodoCreatoUnaVolta_data();
    void periodoCreatoUnaVolta();
    void domandaDiChiusura_data();
    void domandaDiChiusura();
};

void TestPrincipio::aperturaScegliePeriodoEToolbar() {
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    caricaArchivio(cartella, stato);
    QVERIFY(core::Scrivi_Impostazione(stato, 100, "0"));
    ScriptPrompt script;
    ui::PRINCIPIO principale(stato);
    principale.show();
    prova::QuandoModale<ui::frm_Ruote> ruote([](ui::frm_Ruote* finestra) {
        QTest::mouseClick(figlio<QPushButton>(*finestra, "cmdTutte"), Qt::LeftButton);
        QTest::mouseClick(figlio<QPushButton>(*finestra, "cmd_Ok"), Qt::LeftButton);
    });
    int selezionateAllApertura = -1;
    prova::QuandoModale<ui::frmPeriodo> periodo([&](ui::frmPeriodo* finestra) {
        selezionateAllApertura = stato.Totale_Estrazioni_Selezionate;
        QTest::mouseClick(figlio<QPushButton>(*finestra, "cmdToolbarPeriodo_10"), Qt::LeftButton);
    });
    principale.apertura();

    QVERIFY(ruote.eseguita());
    QVERIFY(periodo.eseguita());
    QCOMPARE(stato.Elenco_Ruote_Selezionate[0], 10);
    QCOMPARE(selezionateAllApertura, 12); // applied before the user sees the window
    QCOMPARE(stato.Totale_Cicli, 1);
    QVERIFY(!stato.Periodo_Da_Applicare);
    QVERIFY(figlio<QFrame>(principale, "Frame1")->isHidden());
    QVERIFY(!figlio<QAction>(principale, "mnuOpzioniToolbar")->isChecked());
    QVERIFY(script.mostrati().isEmpty());
}

void TestPrincipio::toolbarCommutataDueVolte_data() {
    QTest::addColumn<QString>("iniziale");
    QTest::addRow("da-mostrata") << "1";
    QTest::addRow("da-nascosta") << "0";
}

void TestPrincipio::toolbarCommutataDueVolte() {
    QFETCH(QString, iniziale);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    scriviCampo100(stato, iniziale);
    ui::PRINCIPIO principale(stato);
    principale.ToolBar_Visiblile();
    principale.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principale));
    auto* frame = figlio<QFrame>(principale, "Frame1");
    auto* voce = figlio<QAction>(principale, "mnuOpzioniToolbar");
    const bool mostrata = iniziale == QStringLiteral("1");
    const int altezza = principale.height();
    QCOMPARE(!frame->isHidden(), mostrata);
    QCOMPARE(voce->isChecked(), mostrata);

    voce->trigger();
    QCOMPARE(!frame->isHidden(), !mostrata);
    QCOMPARE(voce->isChecked(), !mostrata);
    QCOMPARE(principale.height() < altezza, mostrata);
    QCOMPARE(principale.height() > altezza, !mostrata);
    QCOMPARE(stato.Toolbar_Visibile, mostrata ? 0 : 1);
    QCOMPARE(campo(stato, 100), mostrata ? "0" : "1");

    voce->trigger();
    QCOMPARE(principale.height(), altezza);
    QCOMPARE(!frame->isHidden(), mostrata);
    QCOMPARE(campo(stato, 100), mostrata ? "1" : "0");
}

void TestPrincipio::toolbarDalCampo100_data() {
    QTest::addColumn<QString>("campo100");
    QTest::addColumn<int>("visibile");
    QTest::addRow("file-mancante") << "-" << 1;
    QTest::addRow("campo-vuoto") << "" << 0;
    QTest::addRow("zero") << "0" << 0;
    QTest::addRow("uno") << "1" << 1;
    QTest::addRow("fuori-intervallo") << "5" << 1;
    QTest::addRow("negativo") << "-3" << 1;
}

void TestPrincipio::toolbarDalCampo100() {
    QFETCH(QString, campo100);
    QFETCH(int, visibile);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    scriviCampo100(stato, campo100);
    ui::PRINCIPIO principale(stato);
    principale.ToolBar_Visiblile();
    QCOMPARE(stato.Toolbar_Visibile, visibile);
    QCOMPARE(figlio<QFrame>(principale, "Frame1")->isHidden(), visibile == 0);
    QCOMPARE(figlio<QAction>(principale, "mnuOpzioniToolbar")->isChecked(), visibile == 1);
}

void TestPrincipio::suggerimentiDeiPulsanti_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("suggerimento");
    QTest::addRow("aggiornamento") << "cmdMenuBar_0"
                                   << "Aggiornamento nuova estrazione";
    QTest::addRow("ruote") << "cmdMenuBar_1"
                           << "Ruote";
    QTest::addRow("periodo") << "cmdMenuBar_2"
                             << "Selezione del Periodo";
    QTest::addRow("guida") << "cmdMenuBar_11"
                           << "Guida di Quintaro";
}

void TestPrincipio::suggerimentiDeiPulsanti() {
    QFETCH(QString, nome);
    QFETCH(QString, suggerimento);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    ui::PRINCIPIO principale(stato);
    QCOMPARE(figlio<QToolButton>(principale, nome)->toolTip(), suggerimento);
    QCOMPARE(principale.findChildren<QToolButton*>(QRegularExpression(QStringLiteral("^cmdMenuBar_"))).size(),
             4);
}

void TestPrincipio::ruoteDalMenuEDalPulsante_data() {
    QTest::addColumn<QString>("comando");
    QTest::addRow("menu-ruote") << "mnuImpostazioniModificaRuote";
    QTest::addRow("pulsante-ruote") << "cmdMenuBar_1";
}

void TestPrincipio::ruoteDalMenuEDalPulsante() {
    QFETCH(QString, comando);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    ScriptPrompt script;
    ui::PRINCIPIO principale(stato);
    principale.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principale));
    QWidget* proprietario = nullptr;
    prova::QuandoModale<ui::frm_Ruote> ruote([&](ui::frm_Ruote* finestra) {
        proprietario = finestra->parentWidget();
        QTest::mouseClick(figlio<QPushButton>(*finestra, "cmdTutte"), Qt::LeftButton);
        QTest::mouseClick(figlio<QPushButton>(*finestra, "cmd_Ok"), Qt::LeftButton);
    });
    aziona(principale, comando);
    QVERIFY(ruote.eseguita());
    QCOMPARE(proprietario, &principale);
    QCOMPARE(stato.Elenco_Ruote_Selezionate[0], 10);
    QCOMPARE(stato.Elenco_Ruote_Selezionate[10], 10);
}

void TestPrincipio::periodoCreatoUnaVolta_data() {
    QTest::addColumn<QString>("comando");
    QTest::addRow("menu-periodo") << "mnuImpostazionModificaPeriodo";
    QTest::addRow("pulsante-periodo") << "cmdMenuBar_2";
}

void TestPrincipio::periodoCreatoUnaVolta() {
    QFETCH(QString, comando);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    caricaArchivio(cartella, stato);
    stato.Periodo_Da_Applicare = true;
    ScriptPrompt script;
    ui::PRINCIPIO principale(stato);
    principale.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principale));

    ui::frmPeriodo* prima = nullptr;
    prova::QuandoModale<ui::frmPeriodo> apri([&](ui::frmPeriodo* finestra) {
        prima = finestra;
        figlio<QScrollBar>(*finestra, "hscDalFrazionato")->setValue(5);
        QTest::mouseClick(figlio<QPushButton>(*finestra, "cmdToolbarPeriodo_10"), Qt::LeftButton);
    });
    aziona(principale, comando);
    QVERIFY(apri.eseguita());
    QCOMPARE(prima->parentWidget(), &principale);
    QCOMPARE(principale.finestraPeriodo(), prima);
    QCOMPARE(stato.Totale_Estrazioni_Selezionate, 12);
    QVERIFY(!stato.Periodo_Da_Applicare);

    int dalRiaperta = 0;
    prova::QuandoModale<ui::frmPeriodo> riapri([&](ui::frmPeriodo* finestra) {
        QCOMPARE(finestra, prima);
        dalRiaperta = figlio<QScrollBar>(*finestra, "hscDalFrazionato")->value();
        QTest::mouseClick(figlio<QPushButton>(*finestra, "cmdToolbarPeriodo_10"), Qt::LeftButton);
    });
    aziona(principale, comando);
    QVERIFY(riapri.eseguita());
    QCOMPARE(dalRiaperta, 5);
    QCOMPARE(principale.finestraPeriodo(), prima);

    principale.scartaPeriodo();
    QVERIFY(!principale.finestraPeriodo());
    if (comando == QStringLiteral("cmdMenuBar_2")) { // the button follows the entry's state
        figlio<QAction>(principale, "mnuImpostazionModificaPeriodo")->setEnabled(false);
        aziona(principale, comando);
        QVERIFY(!principale.finestraPeriodo());
    }
}

void TestPrincipio::domandaDiChiusura_data() {
    QTest::addColumn<bool>("dalMenu");
    QTest::addColumn<bool>("risposta");
    QTest::addRow("chiudi-no") << true << false;
    QTest::addRow("cornice-no") << false << false;
    QTest::addRow("chiudi-si") << true << true;
}

void TestPrincipio::domandaDiChiusura() {
    QFETCH(bool, dalMenu);
    QFETCH(bool, risposta);
    CartellaDiProva cartella;
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
    QCOMPARE(script.titoli(), QStringList{QStringLiteral("Quintaro")});
    QVERIFY(script.mostrati().at(0).siNo);
    QCOMPARE(principale.isVisible(), !risposta);
    QCOMPARE(fine.size(), risposta ? 1 : 0);
}

QTEST_MAIN(TestPrincipio)
#include "TestPrincipio.moc"
