// The stakes window: opening from the stored payouts, the calculator's bars and labels, the grids,
// "Registra" and "Default" writing fields 64..70, and the question on closing with unapplied changes.
#include "ArchivioDiProva.h"
#include "FinestraModale.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/stakes/FrmPosteCombinazioni.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

using prova::ScriptPrompt;

namespace {

const QStringList DEFAULT{"1123", "250", "4500", "120000", "6000000", "80", "0"};

template <class T> T* figlio(QWidget& finestra, const QString& nome) {
    auto* trovato = finestra.findChild<T*>(nome);
    if (!trovato) qFatal("oggetto %s non trovato", qPrintable(nome));
    return trovato;
}
QString etichetta(QWidget& f, const QString& nome) {
    return figlio<QLabel>(f, nome)->text();
}
QScrollBar* barra(QWidget& f, const QString& nome) {
    return figlio<QScrollBar>(f, nome);
}
QString cella(QWidget& f, const char* griglia, int r, int c) {
    const QTableWidgetItem* voce = figlio<QTableWidget>(f, griglia)->item(r, c);
    return voce ? voce->text() : QString();
}

void scriviCampi(const core::Stato& stato, const QStringList& valori) {
    for (int k = 64; k <= 70; ++k)
        QVERIFY(core::Scrivi_Impostazione(stato, k, valori[k - 64].toStdString()));
}
QStringList campi(const core::Stato& stato) {
    QStringList testi;
    for (int k = 64; k <= 70; ++k)
        testi << QString::fromStdString(core::Leggi_Impostazione(stato, k)).trimmed();
    return testi;
}

} // namespace

class TestFrmPosteCombinazioni : public QObject {
    Q_OBJECT
private slots:
    void aperturaSenzaImpostazioni() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        ScriptPrompt script;
        ui::PRINCIPIO principale(stato);
        figlio<QAction>(principale, "mnuOPZIONIposteComb")->trigger();
        auto* trovata = principale.findChild<ui::frmPosteCombinazioni*>();
        QVERIFY(trovata && trovata->isVisible());
        auto& f = *trovata;
        QCOMPARE(script.testi(), QStringList{}); // a first start takes the defaults quietly
        QCOMPARE(campi(stato), DEFAULT);
        QVERIFY(!figlio<QPushButton>(f, "cmdApplica")->isEnabled());

        // The editor's bars: range, page step, position and label.
        const int scale[6][4] = {{1, 300, 10, 80},           {500, 2000, 20, 1123},
                                 {100, 500, 50, 250},        {1000, 10000, 100, 4500},
                                 {1000, 20000, 1000, 12000}, {5000, 100000, 1000, 60000}};
        for (int i = 0; i < 6; ++i) {
            const QScrollBar* b = barra(f, QStringLiteral("hscPosta_%1").arg(i));
            QCOMPARE((QList<int>{b->minimum(), b->maximum(), b->pageStep(), b->value()}),
                     (QList<int>{scale[i][0], scale[i][1], scale[i][2], scale[i][3]}));
        }
        QCOMPARE(etichetta(f, "lblTrattenuta"), "8%");
        QCOMPARE(etichetta(f, "lblPosta_1"), "11,23");
        QCOMPARE(etichetta(f, "lblPosta_5"), "6.000.000");

        // The calculator starts with Estratto alone at 50 cents on one number, one wheel.
        QCOMPARE(etichetta(f, "lblPuntata_1"), "0,5");
        QCOMPARE(etichetta(f, "lblTotaleCostoPerBolletta"), "0,5");
        QCOMPARE(etichetta(f, "lblRiscossione"), "Euro = 5,17");
        QCOMPARE(etichetta(f, "lblTotaleVintoNetto"), "Euro = 4,67");

        // The grids.
        QCOMPARE(cella(f, "mfgNComb", 90, 5), "43.949.268");
        QCOMPARE(cella(f, "mfgNComb", 4, 5), "");
        QVERIFY(figlio<QRadioButton>(f, "optSenzaTrattenuta")->isChecked());
        QCOMPARE((QStringList{cella(f, "mfgQuote", 2, 1), cella(f, "mfgQuote", 2, 2),
                              cella(f, "mfgQuote", 2, 3), cella(f, "mfgQuote", 2, 4)}),
                 (QStringList{"5,62", "250", "--", ""}));
        figlio<QRadioButton>(f, "optConTrattenuta")->setChecked(true);
        QCOMPARE(cella(f, "mfgQuote", 2, 1), "5,17");
    }

    void calcolatore() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        scriviCampi(stato, DEFAULT);
        ScriptPrompt script;
        ui::frmPosteCombinazioni f(stato);
        figlio<QCheckBox>(f, "chkAttivato_2")->setChecked(true);
        figlio<QCheckBox>(f, "chkAttivato_1")->setChecked(false);
        barra(f, "hscPuntata_2")->setValue(100);
        barra(f, "hscNumeriPerBolletta")->setValue(5);
        QCOMPARE(barra(f, "hscNumeriIndovinati")->maximum(), 5);
        barra(f, "hscNumeriIndovinati")->setValue(2);
        barra(f, "hscNumeroRuote")->setValue(5);
        QCOMPARE(etichetta(f, "lblRiscossione"), "Euro = 4,6");
        // A drag down to 1 and back acts once, on release: meanwhile only the bar's label follows it.
        auto* numeri = barra(f, "hscNumeriPerBolletta");
        numeri->setSliderDown(true);
        numeri->setSliderPosition(1);
        QCOMPARE(etichetta(f, "lblNumeriPerBolletta") + etichetta(f, "lblRiscossione"), "1Euro = 4,6");
        numeri->setSliderPosition(5);
        numeri->setSliderDown(false);
        QCOMPARE(barra(f, "hscNumeriIndovinati")->value(), 2);
        // Fewer numbers on the ticket pull down the guessed ones.
        barra(f, "hscNumeriPerBolletta")->setValue(1);
        QCOMPARE(barra(f, "hscNumeriIndovinati")->maximum(), 1);
        QCOMPARE(etichetta(f, "lblNumeriIndovinati"), "1");
        QCOMPARE(etichetta(f, "lblTotaleVintoNetto"), "Euro = -1");
        figlio<QCheckBox>(f, "chkAttivato_2")->setChecked(false);
        QCOMPARE(etichetta(f, "lblTotaleCostoPerBolletta"), "0");
        QVERIFY(script.mostrati().isEmpty());
    }

    void puntateInLireEQuoteFuoriScala() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        scriviCampi(stato, {"450", "50", "4250", "300000", "1000000", "30", "1"});
        ui::frmPosteCombinazioni f(stato);
        QCOMPARE(etichetta(f, "lblMoneta"), "Lire");
        QCOMPARE(etichetta(f, "lblPuntata_1"), "1.000");
        QCOMPARE(etichetta(f, "lblRiscossione"), "Lire = 43.650");
        // The bars show the nearest value they hold; the payouts in use stay as stored until "Applica".
        QCOMPARE(barra(f, "hscPosta_1")->value(), 2000);
        QCOMPARE(barra(f, "hscPosta_4")->value(), 20000);
        QCOMPARE(stato.Quota_Estratto, 45.0);
    }

    void registraEDefault_data() {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<bool>("risposta");
        QTest::addColumn<QStringList>("dopo"); // fields 64..70; "bloccato" the settings cannot be rewritten
        const QStringList prima{"100", "300", "4250", "80000", "1000000", "25", "0"};
        QTest::addRow("registra-si") << "cmdRegistra" << true
                                     << QStringList{"1200", "300", "4250", "80000", "1000000", "15", "0"};
        QTest::addRow("registra-no") << "cmdRegistra" << false << prima;
        QTest::addRow("registra-bloccato") << "cmdRegistra bloccato" << true << prima;
        QTest::addRow("default-si") << "cmdDefault" << true << DEFAULT;
        QTest::addRow("default-no") << "cmdDefault" << false << prima;
    }
    void registraEDefault() {
        QFETCH(QString, pulsante);
        QFETCH(bool, risposta);
        QFETCH(QStringList, dopo);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        scriviCampi(stato, {"100", "300", "4250", "80000", "1000000", "25", "0"});
        const bool bloccato = pulsante.endsWith(QStringLiteral(" bloccato"));
        ScriptPrompt script({risposta, true});
        ui::frmPosteCombinazioni f(stato);
        if (bloccato) std::filesystem::create_directory(cartella.percorso() / "ImpoBin.nuovo");
        auto* applica = figlio<QPushButton>(f, "cmdApplica");
        barra(f, "hscPosta_1")->setValue(1200);
        barra(f, "hscPosta_0")->setValue(15);
        barra(f, "hscPuntata_1")->setValue(300);
        QCOMPARE(etichetta(f, "lblPosta_1"), "12");
        QCOMPARE(etichetta(f, "lblTrattenuta"), "1,5%");
        QVERIFY(applica->isEnabled());
        QCOMPARE(stato.Quota_Estratto, 10.0); // moving a bar changes nothing yet

        QTest::mouseClick(figlio<QPushButton>(f, pulsante.section(' ', 0, 0)), Qt::LeftButton);
        QCOMPARE(script.mostrati().size(), bloccato ? 2 : 1);
        if (bloccato)
            QVERIFY(script.testi().at(1).startsWith(QStringLiteral("Impossibile registrare i valori")));
        QVERIFY(script.mostrati().at(0).siNo);
        if (pulsante == QStringLiteral("cmdDefault"))
            QCOMPARE(script.testi().at(0),
                     "Estratto = 11,23\n\nAmbo = 250\n\nTerno = 4.500\n\nQuaterna = 120.000\n\n"
                     "Cinquina = 6.000.000\n\n Trattenuta = 8,0%\n\nRegistrare i valori delle poste?");
        else
            QCOMPARE(script.testi().at(0), "Registrare i valori di Posta Indicati?");
        QCOMPARE(campi(stato), dopo);
        QCOMPARE(applica->isEnabled(), !risposta);
        // Applying returns the stake bars to their starting positions and shows the new payouts.
        QCOMPARE(barra(f, "hscPuntata_1")->value(), risposta ? 50 : 300);
        if (risposta) QCOMPARE(etichetta(f, "lblMostraTrattenuta"), pulsante == "cmdDefault" ? "8%" : "1,5%");
    }

    void dopoIlRicaricamentoMostraLeQuoteInVigore() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio({prova::estrazione(5, 1, 2004, 1, 1)});
        auto stato = cartella.stato();
        ScriptPrompt script;
        ui::PRINCIPIO principale(stato);
        figlio<QAction>(principale, "mnuOPZIONIposteComb")->trigger();
        auto& f = *principale.findChild<ui::frmPosteCombinazioni*>();
        barra(f, "hscPosta_1")->setValue(1500);
        QTest::mouseClick(figlio<QPushButton>(f, "cmdApplica"), Qt::LeftButton);
        prova::QuandoModale<ui::LeggiEstrazioni> ok([](ui::LeggiEstrazioni* l) { l->cmdSkip_Click(); });
        principale.archivioCambiato(); // the stored payouts (none: the defaults) are in force again
        QCOMPARE(cella(f, "mfgQuote", 1, 1) + etichetta(f, "lblRiscossione"), "11,23Euro = 5,17");
    }

    void chiusura_data() {
        QTest::addColumn<QString>("prima"); // "" no change, "barra" a bar moved, "applica" moved and applied
        QTest::addColumn<QList<bool>>("risposte");
        QTest::addColumn<int>("domande");
        QTest::addColumn<QString>("campo64");
        QTest::addRow("nessuna-modifica") << "" << QList<bool>{} << 0 << "1123";
        QTest::addRow("applicata") << "applica" << QList<bool>{} << 0 << "1123";
        QTest::addRow("variata-no") << "barra" << QList<bool>{false} << 1 << "1123";
        QTest::addRow("variata-si-no") << "barra" << QList<bool>{true, false} << 2 << "1123";
        QTest::addRow("variata-si-si") << "barra" << QList<bool>{true, true} << 2 << "1500";
    }
    void chiusura() {
        QFETCH(QString, prima);
        QFETCH(QList<bool>, risposte);
        QFETCH(int, domande);
        QFETCH(QString, campo64);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        scriviCampi(stato, DEFAULT);
        ScriptPrompt script(risposte);
        ui::frmPosteCombinazioni f(stato);
        f.show();
        if (!prima.isEmpty()) barra(f, "hscPosta_1")->setValue(1500);
        if (prima == QStringLiteral("applica"))
            QTest::mouseClick(figlio<QPushButton>(f, "cmdApplica"), Qt::LeftButton);
        QTest::mouseClick(figlio<QPushButton>(f, "cmdChiudi"), Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QCOMPARE(script.mostrati().size(), domande);
        if (domande > 0)
            QCOMPARE(script.testi().at(0),
                     "Le impostazioni per il pagamento delle poste sono stati variati.\n"
                     "Si desidera registrare i nuovi valori?");
        QCOMPARE(campi(stato).at(0), campo64);
    }
};

QTEST_MAIN(TestFrmPosteCombinazioni)
#include "TestFrmPosteCombinazioni.moc"
