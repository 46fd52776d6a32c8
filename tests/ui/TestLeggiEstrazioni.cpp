// The loading window: the window chosen by its two bars, what "OK" records, the load with its progress
// (a damaged archive: TestDanni; a missing one: TestAvvio).
#include "ArchivioDiProva.h"
#include "Finestre.h"
#include "core/Impostazioni.h"
#include "core/Lotto.h"
#include "ui/LeggiEstrazioni.h"

#include <QProgressBar>
#include <QSignalSpy>

namespace {

// Draw i + 1 of the test archives: 100 draws a year from 2001, dated (1 + i % 28)/(1 + i / 28 % 12).
prova::Estrazione estrazione(int i) {
    return prova::estrazione(1 + i % 28, 1 + (i / 28) % 12, 2001 + i / 100, 1 + i % 100, i);
}

QString data(int i) {
    const auto e = estrazione(i);
    return QString::fromStdString(prova::testoData(e.giorno, e.mese, e.anno));
}
// The same date as the windows write it for a person: d/m/yyyy, no blanks.
QString scritta(int i) {
    const auto e = estrazione(i);
    return QStringLiteral("%1/%2/%3").arg(e.giorno).arg(e.mese).arg(e.anno);
}

// A program folder with an archive of `quante` draws.
struct Banco {
    explicit Banco(int quante) {
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < quante; ++i)
            estrazioni.push_back(estrazione(i));
        cartella.scriviArchivio(estrazioni);
    }
    QString campo(int k) const {
        return QString::fromStdString(core::Leggi_Impostazione(stato, k)).trimmed();
    }
    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

} // namespace

class TestLeggiEstrazioni : public QObject {
    Q_OBJECT
private slots:
    void barreEOk() {
        Banco b(80);
        prova::ScriptPrompt script;
        ui::LeggiEstrazioni f(b.stato);
        auto* prima = prova::controllo<QScrollBar>(f, "hscPrimaDefault");
        auto* ultima = prova::controllo<QScrollBar>(f, "hscUltimaDefault");
        auto* casella = prova::controllo<QCheckBox>(f, "chkUltimaArchivio");
        // It opens on the whole archive, the last bar held on the last draw.
        QVERIFY(casella->isChecked() && !ultima->isEnabled());
        QCOMPARE(prova::testo(f, "lblDal") + '-' + prova::testo(f, "lblAl") + ' ' +
                     prova::testo(f, "lblIntervallo2"),
                 scritta(0) + '-' + scritta(79) + " 80");
        f.show();
        prova::clic(f, "cmdOpzioni");
        casella->setChecked(false);
        QVERIFY(ultima->isEnabled());
        QCOMPARE(b.campo(3), QStringLiteral("0"));
        ultima->setValue(40);
        prima->setValue(60); // pushes the last draw along
        QCOMPARE(ultima->value(), 60);
        ultima->setValue(25); // drags the first draw back
        QCOMPARE(prova::testo(f, "lblDataPrima") + ' ' + prova::testo(f, "lblIntervallo"),
                 scritta(24) + " 1");

        ultima->setValue(50);
        prima->setValue(11);
        prova::clic(f, "cmdOK");
        QCOMPARE((QStringList{b.campo(1), b.campo(2)}), (QStringList{"11", "50"}));
        QVERIFY(b.stato.Prima_Estrazione_Default == 11 && b.stato.Estrazioni_Predefinite_Variate);
        casella->setChecked(true);
        QCOMPARE(ultima->value(), 80);
        casella->setChecked(false); // back to the confirmed last draw
        QCOMPARE(prova::testo(f, "lblIntervallo"), QStringLiteral("40"));
    }

    void caricaLaFinestraScelta_data() {
        QTest::addColumn<int>("archivio");
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("ultima");
        QTest::addColumn<QList<int>>("avanzamenti");
        QTest::addRow("da-101-a-200") << 250 << 101 << 200 << QList<int>{31, 62, 93, 100};
        QTest::addRow("una-sola-estrazione") << 1 << 1 << 1 << QList<int>{1};
    }
    void caricaLaFinestraScelta() {
        QFETCH(int, archivio);
        QFETCH(int, prima);
        QFETCH(int, ultima);
        Banco b(archivio);
        prova::ScriptPrompt script;
        ui::LeggiEstrazioni f(b.stato);
        prova::controllo<QCheckBox>(f, "chkUltimaArchivio")->setChecked(false);
        prova::sposta(f, "hscUltimaDefault", ultima);
        prova::sposta(f, "hscPrimaDefault", prima);
        QSignalSpy spia(prova::controllo<QProgressBar>(f, "prgMemorizzazioneEstrazioni"),
                        &QProgressBar::valueChanged);
        f.show();
        QVERIFY(prova::controllo<QScrollBar>(f, "hscUltimaDefault")->isEnabled()); // not held on the last
        f.close(); // refused before the load, like Esc
        QTest::keyClick(&f, Qt::Key_Escape);
        QVERIFY(f.isVisible());
        f.cmdSkip_Click();
        f.cmdSkip_Click(); // once loaded, a second "OK" reads nothing again

        QVERIFY(!f.isVisible());
        const int quante = ultima - prima + 1;
        QCOMPARE(b.stato.Estrazioni_Caricate, quante);
        QList<int> valori;
        for (const auto& argomenti : spia)
            valori << argomenti.at(0).toInt();
        QTEST(valori, "avanzamenti");
        QVERIFY(!prova::controllo(f, "cmdOpzioni")->isEnabled());
        // Loaded draw 1 is archive record `prima`; the last loaded draw is record `ultima`.
        QCOMPARE(QString::fromStdString(b.stato.Data_Estrazione[1]), data(prima - 1));
        core::LOTTO(b.stato).LeggiESTRAZIONE(4, quante);
        QCOMPARE(b.stato.Numeri_Estratti[1], estrazione(ultima - 1).ruote[3][0]);
    }
};

QTEST_MAIN(TestLeggiEstrazioni)
#include "TestLeggiEstrazioni.moc"
