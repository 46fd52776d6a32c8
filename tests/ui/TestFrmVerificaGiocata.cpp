// The ticket check window: the calculator's amounts for the same ticket, a refused box, the export and the
// ticket remembered at the next opening.
#include "ArchivioDiProva.h"
#include "Finestre.h"
#include "ui/stakes/FrmPosteCombinazioni.h"
#include "ui/stakes/FrmVerificaGiocata.h"

#include <QChartView>
#include <QDateEdit>
#include <QLineSeries>
#include <QRadioButton>
#include <QSpinBox>

namespace {

/** Two draws: 5/1/2024 with every wheel 81..85; 9/1/2024 with BARI 1 2 3 60 61, the other wheels 81..85. */
struct Banco {
    Banco() {
        prova::Estrazione prima{5, 1, 2024, 3, {}}, estrazione{9, 1, 2024, 4, {}};
        for (auto& ruota : estrazione.ruote)
            ruota = {81, 82, 83, 84, 85};
        estrazione.ruote[0] = {1, 2, 3, 60, 61};
        estrazione.ruote[10] = {};
        prima.ruote = estrazione.ruote;
        prima.ruote[0] = {81, 82, 83, 84, 85};
        cartella.carica(stato, {prima, estrazione});
    }
    void gioca(ui::frmVerificaGiocata& f, const QString& numeri, int ruote, int sorte, const QString& posta) {
        prova::controllo<QLineEdit>(f, "txtNumeri")->setText(numeri);
        for (int w = 1; w <= ruote; ++w)
            prova::controllo<QCheckBox>(f, QStringLiteral("chkRuota_%1").arg(w))->setChecked(true);
        prova::controllo<QLineEdit>(f, QStringLiteral("txtPosta_%1").arg(sorte))->setText(posta);
        f.cmdVerifica_Click();
    }
    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

double importo(QString testo) {
    return testo.section(' ', -1).remove('.').replace(',', '.').toDouble();
}

} // namespace

class TestFrmVerificaGiocata : public QObject {
    Q_OBJECT
private slots:
    void stesseCifreDelCalcolatore_data() {
        QTest::addColumn<QString>("numeri");
        QTest::addColumn<int>("ruote"); // BARI.., the first R; only BARI holds numbers played
        QTest::addColumn<int>("sorte");
        QTest::addColumn<int>("centesimi");
        QTest::addColumn<double>("netta");
        QTest::addRow("estratto-su-tre-numeri") << "1 2 3" << 1 << 1 << 50 << 5.17;
        QTest::addRow("terno-su-due-ruote") << "1 2 3 4 5" << 2 << 3 << 150 << 310.50;
        QTest::addRow("terno-su-dieci-numeri") << "1 2 3 4 5 6 7 8 9 10" << 1 << 3 << 75 << 25.88;
    }
    void stesseCifreDelCalcolatore() {
        QFETCH(QString, numeri);
        QFETCH(int, ruote);
        QFETCH(int, sorte);
        QFETCH(int, centesimi);
        Banco b;
        prova::ScriptPrompt script;
        ui::frmVerificaGiocata verifica(b.stato, nullptr);
        b.gioca(verifica, numeri, ruote, sorte, QString::number(centesimi / 100.0, 'f', 2));
        QCOMPARE(prova::cella(verifica, "mfgVerifica", 0, 2), QStringLiteral("BA 1 2 3"));
        const auto* vincente = prova::controllo<QTableWidget>(verifica, "mfgVerifica")->item(0, 0);
        QCOMPARE(vincente->background().color(), QColor(0xff, 0xf1, 0x9c)); // a winning draw stands out

        ui::frmPosteCombinazioni calcolatore(b.stato);
        prova::sposta(calcolatore, "hscNumeriPerBolletta", int(numeri.count(' ')) + 1);
        prova::sposta(calcolatore, "hscNumeriIndovinati", 3);
        prova::sposta(calcolatore, "hscNumeroRuote", ruote);
        prova::controllo<QCheckBox>(calcolatore, "chkAttivato_1")->setChecked(sorte == 1);
        prova::controllo<QCheckBox>(calcolatore, QStringLiteral("chkAttivato_%1").arg(sorte))
            ->setChecked(true);
        prova::sposta(calcolatore, QStringLiteral("hscPuntata_%1").arg(sorte), centesimi);
        QTEST(importo(prova::testo(calcolatore, "lblRiscossione")), "netta");
        QTEST(importo(prova::cella(verifica, "mfgVerifica", 0, 5)), "netta");
    }

    void rifiutoEsportazioneERicordo() {
        Banco b;
        const QString file = b.cartella.percorso().c_str() + QStringLiteral("/vincite.csv");
        prova::Sostituto esporta(ui::prompt::installaGestoreFile,
                                 [&](const QString&, const QString&) { return file; });
        prova::ScriptPrompt script({true, true, true});
        QString stampato;
        {
            ui::frmVerificaGiocata f(b.stato, nullptr);
            f.cmdEsporta_Click(); // nothing checked yet
            b.gioca(f, "3 90 3", 1, 1, "1");
            QCOMPARE(script.testi(), QStringList({"Nessun risultato: verificare prima una giocata.",
                                                  "Il numero 3 è ripetuto."}));
            QVERIFY(!f.verifica());
            b.gioca(f, "3 90", 1, 2, "0,5");
            QVERIFY(f.verifica() && f.verifica()->estrazioni.size() == 1);
            f.cmdEsporta_Click();
            stampato = prova::stampato([&] { f.cmdStampa_Click(); }).simplified();
        }
        for (const char* riga : {"Numeri: 3 90 Ruote: BA Poste: estratto 1,00 ambo 0,50",
                                 "09/01/2024 4/2024 5,62 5,17 BA 3 - BA estratto", "Spesa: 1,50 Euro",
                                 "Vinto (netto): 5,17 Euro Saldo: 3,67 Euro"})
            QVERIFY2(stampato.contains(riga), qPrintable(stampato));
        QCOMPARE(QString::fromStdString(b.cartella.leggiFile("vincite.csv")).section('\n', 1),
                 "2,09/01/2024,4/2024,BA,3,estratto,5.62,5.17\n");
        // The next opening offers the last ticket checked, from the last draw.
        ui::frmVerificaGiocata f(b.stato, nullptr);
        QCOMPARE(prova::controllo<QDateEdit>(f, "dtpDal")->date(), QDate(2024, 1, 9));
        QCOMPARE(prova::controllo<QLineEdit>(f, "txtNumeri")->text() +
                     prova::controllo<QLineEdit>(f, "txtPosta_1")->text() +
                     prova::controllo<QLineEdit>(f, "txtPosta_2")->text() + '|' +
                     prova::controllo<QLineEdit>(f, "txtPosta_3")->text(),
                 "3 901,000,50|"); // a sorte not played: an empty box
        QVERIFY(prova::controllo<QCheckBox>(f, "chkRuota_1")->isChecked() &&
                !prova::controllo<QCheckBox>(f, "chkRuota_2")->isChecked());
        // "Tutte": the ten wheels, not the Nazionale.
        prova::clic(f, "chkTutte");
        auto* tutte = prova::controllo<QCheckBox>(f, "chkTutte");
        QVERIFY(tutte->isChecked() && prova::controllo<QCheckBox>(f, "chkRuota_10")->isChecked() &&
                !prova::controllo<QCheckBox>(f, "chkRuota_11")->isChecked());
        prova::controllo<QCheckBox>(f, "chkRuota_10")->setChecked(false);
        QVERIFY(!tutte->isChecked());
        // From a date, for two draws: the chart of the balance has a point after each.
        prova::controllo<QCheckBox>(f, "chkRuota_11")->setChecked(true);
        prova::controllo<QRadioButton>(f, "optDallaData")->setChecked(true);
        prova::controllo<QDateEdit>(f, "dtpDal")->setDate(QDate(2024, 1, 5));
        prova::controllo<QSpinBox>(f, "spnColpi")->setValue(2);
        f.cmdVerifica_Click();
        f.cmdGrafico_Click();
        const auto* saldo = static_cast<QLineSeries*>(f.findChild<QChartView*>()->chart()->series().value(0));
        QCOMPARE(saldo->count(), 2);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(saldo->at(1).x())).date(), QDate(2024, 1, 9));
        // A cinquina alone is a ticket too: BARI's five numbers of the last draw.
        prova::controllo<QLineEdit>(f, "txtNumeri")->setText("1 2 3 60 61");
        for (int k : {1, 2, 5})
            prova::controllo<QLineEdit>(f, QStringLiteral("txtPosta_%1").arg(k))->setText(k == 5 ? "1" : "");
        prova::controllo<QRadioButton>(f, "optUltima")->setChecked(true);
        prova::controllo<QSpinBox>(f, "spnColpi")->setValue(1);
        f.cmdVerifica_Click();
        QVERIFY(f.verifica() && f.verifica()->primaVincita == 0 &&
                prova::testo(f, "lblTotali").contains("Prima vincita: 09/01/2024 (estrazione 2)"));
        const ui::frmVerificaGiocata ancora(b.stato,
                                            nullptr); // the Nazionale remembered too
        QVERIFY(prova::controllo<QCheckBox>(ancora, "chkRuota_11")->isChecked());
    }
};

QTEST_MAIN(TestFrmVerificaGiocata)
#include "TestFrmVerificaGiocata.moc"
