// The stakes window: the opening from the stored payouts, the payout grid with and without withholding,
// "Registra" and "Default" writing fields 64..70, "Applica", the reload, and the question on closing.
#include "ArchivioDiProva.h"
#include "Finestre.h"
#include "core/Impostazioni.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/stakes/FrmPosteCombinazioni.h"

#include <QAbstractSlider>
#include <QRadioButton>
#include <QTableWidget>

namespace {

const QStringList DEFAULT{"1123", "250", "4500", "120000", "6000000", "80", "0"};
const QStringList PRIMA{"100", "300", "4250", "80000", "1000000", "25", "0"};

// A program folder whose fields 64..70 hold `valori` (none: never written).
struct Banco {
    explicit Banco(const QStringList& valori = {}) {
        for (int k = 64; k < 64 + valori.size(); ++k)
            QVERIFY(core::Scrivi_Impostazione(stato, k, valori[k - 64].toStdString()));
    }
    // Fields 64..70 as stored.
    QStringList campi() const {
        QStringList testi;
        for (int k = 64; k <= 70; ++k)
            testi << QString::fromStdString(core::Leggi_Impostazione(stato, k)).trimmed();
        return testi;
    }
    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

} // namespace

class TestFrmPosteCombinazioni : public QObject {
    Q_OBJECT
private slots:
    void aperturaEQuoteDopoIlRicaricamento() {
        Banco b;
        b.cartella.scriviArchivio({prova::estrazione(5, 1, 2004, 1, 1)});
        prova::ScriptPrompt script;
        ui::PRINCIPIO principale(b.stato);
        prova::clic(principale, "mnuOPZIONIposteComb");
        auto& f = *principale.findChild<ui::frmPosteCombinazioni*>();
        QVERIFY(f.isVisible());
        QCOMPARE(b.campi(), DEFAULT); // a first start takes the defaults quietly
        QVERIFY(!prova::controllo(f, "cmdApplica")->isEnabled());
        QCOMPARE(prova::cella(f, "mfgNComb", 90, 5), QStringLiteral("43.949.268")); // cinquine of 90 numbers
        const auto grassetto = [&](int r, int c) {
            return prova::controllo<QTableWidget>(f, "mfgNComb")->item(r, c)->font().bold() ? "1" : "0";
        };
        QCOMPARE(QString(grassetto(0, 1)) + grassetto(1, 0) + grassetto(1, 1), "110"); // the headings only
        // The payouts without withholding, then with it; the calculator starts with Estratto at 50 cents.
        QVERIFY(prova::controllo<QRadioButton>(f, "optSenzaTrattenuta")->isChecked());
        QCOMPARE((QStringList{prova::cella(f, "mfgQuote", 2, 1), prova::cella(f, "mfgQuote", 2, 2),
                              prova::cella(f, "mfgQuote", 2, 3), prova::cella(f, "mfgQuote", 0, 5)}),
                 (QStringList{"5,62", "250", "--", "Cinquina"}));
        prova::controllo<QRadioButton>(f, "optConTrattenuta")->setChecked(true);
        QCOMPARE(prova::cella(f, "mfgQuote", 2, 1) + prova::testo(f, "lblRiscossione"), "5,17Euro = 5,17");

        // A payout applied and not stored gives way to the stored ones (none: the defaults) at a reload.
        prova::sposta(f, "hscPosta_1", 1500);
        prova::clic(f, "cmdApplica");
        QCOMPARE(prova::testo(f, "lblRiscossione"), "Euro = 6,9");
        prova::QuandoModale<ui::LeggiEstrazioni> ok([](ui::LeggiEstrazioni* l) { l->cmdSkip_Click(); });
        principale.archivioCambiato();
        QCOMPARE(prova::cella(f, "mfgQuote", 1, 1) + prova::testo(f, "lblRiscossione"), "10,33Euro = 5,17");
        auto* posta = prova::controllo<QAbstractSlider>(f, "hscPosta_1");
        const int memorizzata = posta->value();
        QVERIFY(memorizzata != 1500);
        // An edit not yet applied stays on the editor at a reload, still waiting for "Applica".
        prova::sposta(f, "hscPosta_1", 1500);
        prova::QuandoModale<ui::LeggiEstrazioni> ancora([](ui::LeggiEstrazioni* l) { l->cmdSkip_Click(); });
        principale.archivioCambiato();
        QVERIFY(posta->value() == 1500 && prova::controllo(f, "cmdApplica")->isEnabled());
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
        QCOMPARE(prova::testo(f, "lblPosta_1") + ' ' + prova::testo(f, "lblTrattenuta"), "12 1,5%");
        QVERIFY(prova::controllo(f, "cmdApplica")->isEnabled());
        QCOMPARE(b.stato.Quota_Estratto, 10.0); // moving a bar changes nothing yet

        prova::clic(f, pulsante.section(' ', 0, 0));
        QCOMPARE(script.testi().size(), bloccato ? 2 : 1);
        if (bloccato)
            QVERIFY(script.testi().at(1).startsWith(QStringLiteral("Impossibile registrare i valori")));
        QCOMPARE(script.testi().at(0),
                 pulsante == "cmdDefault"
                     ? "Estratto = 11,23\n\nAmbo = 250\n\nTerno = 4.500\n\nQuaterna = 120.000\n\n"
                       "Cinquina = 6.000.000\n\n Trattenuta = 8,0%\n\nRegistrare i valori delle poste?"
                     : "Registrare i valori di Posta Indicati?");
        QTEST(b.campi(), "dopo");
        QCOMPARE(prova::controllo(f, "cmdApplica")->isEnabled(), !risposta);
        // Applying returns the stake bars to their starting positions and shows the new payouts.
        QCOMPARE(prova::controllo<QScrollBar>(f, "hscPuntata_1")->value(), risposta ? 50 : 300);
        if (risposta)
            QCOMPARE(prova::testo(f, "lblMostraTrattenuta"), pulsante == "cmdDefault" ? "8%" : "1,5%");
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
