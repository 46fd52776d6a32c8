// The wheel-selection window: the list it confirms, kept in wheel order; the refusal of an empty
// selection; the labels, which show the confirmed selection and not the boxes; the frame's close.
#include "ArchivioDiProva.h"
#include "Finestre.h"
#include "core/Campi.h"
#include "ui/selection/FrmRuote.h"

class TestFrmRuote : public QObject {
    Q_OBJECT
private slots:
    void selezione_data() {
        QTest::addColumn<QStringList>("clic"); // then "OK", unless the last is "cornice" (the frame's close)
        QTest::addColumn<QString>("elenco");   // the confirmed list afterwards, as it is kept
        QTest::addColumn<QString>("sigle");
        QTest::addColumn<QString>("messaggio");
        const QString bariRoma = QStringLiteral("1 8"), nessuno;
        // "Tutte" means the ten traditional wheels; the Nazionale is ticked on its own.
        QTest::addRow("tutte") << QStringList{"cmdTutte"} << "1 2 3 4 5 6 7 8 9 10"
                               << "BA CA FI GE MI NA PA RO TO VE " << nessuno;
        QTest::addRow("nazionale-e-venezia")
            << QStringList{"cmdNessuna", "ck_Ruota_11", "ck_Ruota_10"} << "10 11"
            << "VE NZ " << nessuno;
        QTest::addRow("venezia-poi-bari") << QStringList{"cmdNessuna", "ck_Ruota_10", "ck_Ruota_1"} << "1 10"
                                          << "BA VE " << nessuno;
        QTest::addRow("tolta-roma") << QStringList{"ck_Ruota_8"} << "1"
                                    << "BA " << nessuno;
        QTest::addRow("nessuna-rifiutata") << QStringList{"ck_Ruota_10", "cmdNessuna"} << bariRoma << "BA RO "
                                           << "Selezionare almeno una ruota!";
        QTest::addRow("chiusa-dalla-cornice")
            << QStringList{"ck_Ruota_1", "ck_Ruota_5", "cornice"} << bariRoma << "BA RO " << nessuno;
    }
    void selezione() {
        QFETCH(QStringList, clic);
        QFETCH(QString, messaggio);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        core::selezioneDaTesto(stato, "1000000100"); // BARI and ROMA
        prova::ScriptPrompt script(messaggio.isEmpty() ? QList<bool>{} : QList<bool>{true});
        ui::frm_Ruote finestra(stato);
        finestra.show();
        for (const QString& nome : clic)
            nome == QStringLiteral("cornice") ? void(finestra.close()) : prova::clic(finestra, nome);
        // Nothing confirmed yet: the labels show BARI and ROMA; a ticked wheel is in bold.
        QCOMPARE(prova::testo(finestra, "lblRuote"), QStringLiteral("BA RO "));
        QCOMPARE(finestra.ck_Ruota(1)->font().bold(), finestra.ck_Ruota(1)->isChecked());
        if (!clic.contains(QStringLiteral("cornice"))) prova::clic(finestra, "cmd_Ok");
        QCOMPARE(script.testi(), messaggio.isEmpty() ? QStringList{} : QStringList{messaggio});
        QCOMPARE(finestra.isVisible(), !messaggio.isEmpty());
        QStringList elenco;
        for (int i = 1; i <= stato.Elenco_Ruote_Selezionate[0]; ++i)
            elenco << QString::number(stato.Elenco_Ruote_Selezionate[std::size_t(i)]);
        QTEST(elenco.join(QLatin1Char(' ')), "elenco");

        // The next opening reads the confirmed selection again, not the boxes left behind.
        ui::frm_Ruote ancora(stato);
        QTEST(prova::testo(ancora, "lblRuote"), "sigle");
        QCOMPARE(prova::testo(ancora, "lblNumeroRuote"),
                 QStringLiteral("Ruote Selezionate:  %1").arg(elenco.size()));
        QCOMPARE(ancora.ck_Ruota(10)->isChecked(), elenco.contains(QStringLiteral("10")));

        // The ticks are kept, the Nazionale's in its own field, and the next load reads them.
        const bool nazionale = elenco.contains(QStringLiteral("11"));
        QCOMPARE(core::valoreCampo(stato, core::campi::NAZIONALE_SELEZIONATA), int(nazionale));
        auto caricato = cartella.stato();
        cartella.carica(caricato, {prova::estrazione(1, 1, 2001, 1)});
        QCOMPARE(caricato.Ruota_Selezionata[11], nazionale ? -1 : 0);
        QCOMPARE(caricato.Ruota_Selezionata[10], elenco.contains(QStringLiteral("10")) ? -1 : 0);
    }
};

QTEST_MAIN(TestFrmRuote)
#include "TestFrmRuote.moc"
