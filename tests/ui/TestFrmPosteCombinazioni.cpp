// The stakes window: opening from the stored payouts, the calculator's bars and labels, the grids,
// "Registra" and "Default" writing fields 64..70, and the question on closing with unapplied changes.
#include "ArchivioDiProva.h"
#include "Finestre.h"
#include "core/Impostazioni.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/stakes/FrmPosteCombinazioni.h"

#include <QRadioButton>

namespace {

const QStringList DEFAULT{"1123", "250", "4500", "120000", "6000000", "80", "0"};
const QStringList PRIMA{"100", "300", "4250", "80000", "1000000", "25", "0"};

/** A program folder whose fields 64..70 hold `valori` (none: never written). */
struct Banco {
    explicit Banco(const QStringList& valori = {}) {
        for (int k = 64; k < 64 + valori.size(); ++k)
            core::Scrivi_Impostazione(stato, k, valori[k - 64].toStdString());
    }
    /** Fields 64..70 as stored. */
    QStringList campi() const {
        QStringList testi;
        for (int k = 64; k <= 70; ++k)
            testi << QString::fromStdString(core::Leggi_Impostazione(stato, k)).trimmed();
        return testi;
    }
    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

QString testo(const QWidget& f, const char* nome) {
    return prova::testo(f, nome);
}

} // namespace

class TestFrmPosteCombinazioni : public QObject {
    Q_OBJECT
private slots:
    void aperturaSenzaImpostazioni() {
        Banco b;
        prova::ScriptPrompt script;
        ui::PRINCIPIO principale(b.stato);
        prova::clic(principale, "mnuOPZIONIposteComb");
        auto* trovata = principale.findChild<ui::frmPosteCombinazioni*>();
        QVERIFY(trovata && trovata->isVisible());
        auto& f = *trovata;
        QCOMPARE(script.testi(), QStringList{}); // a first start takes the defaults quietly
        QCOMPARE(b.campi(), DEFAULT);
        QVERIFY(!prova::controllo(f, "cmdApplica")->isEnabled());
        QCOMPARE(prova::controllo<QScrollBar>(f, "hscPosta_4")->value(), 12000);
        QCOMPARE(testo(f, "lblTrattenuta") + ' ' + testo(f, "lblPosta_1") + ' ' + testo(f, "lblPosta_5"),
                 "8% 11,23 6.000.000");
        // The calculator starts with Estratto alone at 50 cents on one number, one wheel.
        QCOMPARE(testo(f, "lblPuntata_1") + ' ' + testo(f, "lblTotaleCostoPerBolletta"), "0,5 0,5");
        QCOMPARE(testo(f, "lblRiscossione") + ' ' + testo(f, "lblTotaleVintoNetto"),
                 "Euro = 5,17 Euro = 4,67");
        // The grids; the payouts without withholding, then with it.
        QCOMPARE(prova::cella(f, "mfgNComb", 90, 5) + '|' + prova::cella(f, "mfgNComb", 4, 5), "43.949.268|");
        QVERIFY(prova::controllo<QRadioButton>(f, "optSenzaTrattenuta")->isChecked());
        QCOMPARE((QStringList{prova::cella(f, "mfgQuote", 2, 1), prova::cella(f, "mfgQuote", 2, 2),
                              prova::cella(f, "mfgQuote", 2, 3), prova::cella(f, "mfgQuote", 2, 4)}),
                 (QStringList{"5,62", "250", "--", ""}));
        prova::controllo<QRadioButton>(f, "optConTrattenuta")->setChecked(true);
        QCOMPARE(prova::cella(f, "mfgQuote", 2, 1), "5,17");
    }

    void calcolatore() {
        Banco b(DEFAULT);
        prova::ScriptPrompt script;
        ui::frmPosteCombinazioni f(b.stato);
        prova::controllo<QCheckBox>(f, "chkAttivato_2")->setChecked(true);
        prova::controllo<QCheckBox>(f, "chkAttivato_1")->setChecked(false);
        prova::sposta(f, "hscPuntata_2", 100);
        prova::sposta(f, "hscNumeriPerBolletta", 5);
        prova::sposta(f, "hscNumeriIndovinati", 2);
        prova::sposta(f, "hscNumeroRuote", 5);
        QCOMPARE(testo(f, "lblRiscossione"), "Euro = 4,6");
        // A drag down to 1 and back acts once, on release: meanwhile only the bar's label follows it.
        auto* numeri = prova::controllo<QScrollBar>(f, "hscNumeriPerBolletta");
        numeri->setSliderDown(true);
        numeri->setSliderPosition(1);
        QCOMPARE(testo(f, "lblNumeriPerBolletta") + testo(f, "lblRiscossione"), "1Euro = 4,6");
        numeri->setSliderPosition(5);
        numeri->setSliderDown(false);
        QCOMPARE(prova::controllo<QScrollBar>(f, "hscNumeriIndovinati")->value(), 2);
        // Fewer numbers on the ticket pull down the guessed ones.
        prova::sposta(f, "hscNumeriPerBolletta", 1);
        QCOMPARE(prova::controllo<QScrollBar>(f, "hscNumeriIndovinati")->maximum(), 1);
        QCOMPARE(testo(f, "lblNumeriIndovinati") + ' ' + testo(f, "lblTotaleVintoNetto"), "1 Euro = -1");
        prova::controllo<QCheckBox>(f, "chkAttivato_2")->setChecked(false);
        QCOMPARE(testo(f, "lblTotaleCostoPerBolletta"), "0");
    }

    void puntateInLireEQuoteFuoriScala() {
        Banco b({"450", "50", "4250", "300000", "1000000", "30", "1"});
        ui::frmPosteCombinazioni f(b.stato);
        QCOMPARE(testo(f, "lblMoneta") + ' ' + testo(f, "lblPuntata_1"), "Lire 1.000");
        QCOMPARE(testo(f, "lblRiscossione"), "Lire = 43.650");
        // The bars show the nearest value they hold; the payouts in use stay as stored until "Applica".
        QCOMPARE(prova::controllo<QScrollBar>(f, "hscPosta_1")->value(), 2000);
        QCOMPARE(prova::controllo<QScrollBar>(f, "hscPosta_4")->value(), 20000);
        QCOMPARE(b.stato.Quota_Estratto, 45.0);
    }

    void registraEDefault_data() {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<bool>("risposta");
        QTest::addColumn<QStringList>("dopo"); // fields 64..70; "bloccato": the settings cannot be rewritten
        QTest::addRow("registra-si") << "cmdRegistra" << true
                                     << QStringList{"1200", "300", "4250", "80000", "1000000", "15", "0"};
        QTest::addRow("registra-no") << "cmdRegistra" << false << PRIMA;
        QTest::addRow("registra-bloccato") << "cmdRegistra bloccato" << true << PRIMA;
        QTest::addRow("default-si") << "cmdDefault" << true << DEFAULT;
        QTest::addRow("default-no") << "cmdDefault" << false << PRIMA;
    }
    void registraEDefault() {
        QFETCH(QString, pulsante);
        QFETCH(bool, risposta);
        Banco b(PRIMA);
        const bool bloccato = pulsante.endsWith(QStringLiteral(" bloccato"));
        prova::ScriptPrompt script({risposta, true});
        ui::frmPosteCombinazioni f(b.stato);
        if (bloccato) std::filesystem::create_directory(b.cartella.percorso() / "ImpoBin.nuovo");
        prova::sposta(f, "hscPosta_1", 1200);
        prova::sposta(f, "hscPosta_0", 15);
        prova::sposta(f, "hscPuntata_1", 300);
        QCOMPARE(testo(f, "lblPosta_1") + ' ' + testo(f, "lblTrattenuta"), "12 1,5%");
        QVERIFY(prova::controllo(f, "cmdApplica")->isEnabled());
        QCOMPARE(b.stato.Quota_Estratto, 10.0); // moving a bar changes nothing yet

        prova::clic(f, pulsante.section(' ', 0, 0));
        QCOMPARE(script.testi().size(), bloccato ? 2 : 1);
        if (bloccato)
            QVERIFY(script.testi().at(1).startsWith(QStringLiteral("Impossibile registrare i valori")));
        if (pulsante == QStringLiteral("cmdDefault"))
            QCOMPARE(script.testi().at(0),
                     "Estratto = 11,23\n\nAmbo = 250\n\nTerno = 4.500\n\nQuaterna = 120.000\n\n"
                     "Cinquina = 6.000.000\n\n Trattenuta = 8,0%\n\nRegistrare i valori delle poste?");
        else
            QCOMPARE(script.testi().at(0), "Registrare i valori di Posta Indicati?");
        QTEST(b.campi(), "dopo");
        QCOMPARE(prova::controllo(f, "cmdApplica")->isEnabled(), !risposta);
        // Applying returns the stake bars to their starting positions and shows the new payouts.
        QCOMPARE(prova::controllo<QScrollBar>(f, "hscPuntata_1")->value(), risposta ? 50 : 300);
        if (risposta) QCOMPARE(testo(f, "lblMostraTrattenuta"), pulsante == "cmdDefault" ? "8%" : "1,5%");
    }

    void dopoIlRicaricamentoMostraLeQuoteInVigore() {
        Banco b;
        b.cartella.scriviArchivio({prova::estrazione(5, 1, 2004, 1, 1)});
        prova::ScriptPrompt script;
        ui::PRINCIPIO principale(b.stato);
        prova::clic(principale, "mnuOPZIONIposteComb");
        auto& f = *principale.findChild<ui::frmPosteCombinazioni*>();
        prova::sposta(f, "hscPosta_1", 1500);
        prova::clic(f, "cmdApplica");
        prova::QuandoModale<ui::LeggiEstrazioni> ok([](ui::LeggiEstrazioni* l) { l->cmdSkip_Click(); });
        principale.archivioCambiato(); // the stored payouts (none: the defaults) are in force again
        QCOMPARE(prova::cella(f, "mfgQuote", 1, 1) + testo(f, "lblRiscossione"), "11,23Euro = 5,17");
    }

    void chiusura_data() {
        QTest::addColumn<QString>("prima"); // "" no change, "barra" a bar moved, "applica" moved and applied
        QTest::addColumn<QList<bool>>("risposte");
        QTest::addColumn<QString>("campo64");
        QTest::addRow("nessuna-modifica") << "" << QList<bool>{} << "1123";
        QTest::addRow("applicata") << "applica" << QList<bool>{} << "1123";
        QTest::addRow("variata-no") << "barra" << QList<bool>{false} << "1123";
        QTest::addRow("variata-si-no") << "barra" << QList<bool>{true, false} << "1123";
        QTest::addRow("variata-si-si") << "barra" << QList<bool>{true, true} << "1500";
    }
    void chiusura() {
        QFETCH(QString, prima);
        QFETCH(QList<bool>, risposte);
        Banco b(DEFAULT);
        prova::ScriptPrompt script(risposte);
        ui::frmPosteCombinazioni f(b.stato);
        f.show();
        if (!prima.isEmpty()) prova::sposta(f, "hscPosta_1", 1500);
        if (prima == QStringLiteral("applica")) prova::clic(f, "cmdApplica");
        prova::clic(f, "cmdChiudi");
        QVERIFY(!f.isVisible());
        QCOMPARE(script.mostrati().size(), risposte.size());
        if (!risposte.isEmpty())
            QCOMPARE(script.testi().at(0),
                     "Le impostazioni per il pagamento delle poste sono stati variati.\n"
                     "Si desidera registrare i nuovi valori?");
        QTEST(b.campi().at(0), "campo64");
    }
};

QTEST_MAIN(TestFrmPosteCombinazioni)
#include "TestFrmPosteCombinazioni.moc"
