// The loading window: the window chosen by its two bars, what "OK" records, the load with its
// progress, and the messages about a damaged or uneven archive (a missing one: TestAvvio).
#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "core/Lotto.h"
#include "ui/LeggiEstrazioni.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using prova::ScriptPrompt;

namespace {

/** Draw i + 1 of the test archives: 100 draws a year from 2001, dated (1 + i % 28)/(1 + i / 28 % 12). */
prova::Estrazione estrazione(int i) {
    return prova::estrazione(1 + i % 28, 1 + (i / 28) % 12, 2001 + i / 100, 1 + i % 100, i);
}

QString data(int i) {
    const auto e = estrazione(i);
    return QString::fromStdString(prova::testoData(e.giorno, e.mese, e.anno));
}

/** A program folder with an archive of `quante` draws and the window's controls once it is open. */
struct Banco {
    explicit Banco(int quante) {
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < quante; ++i)
            estrazioni.push_back(estrazione(i));
        cartella.scriviArchivio(estrazioni);
    }
    template <class T = QLabel> T* figlio(const char* nome) const {
        auto* trovato = finestra->findChild<T*>(QString::fromLatin1(nome));
        if (!trovato) qFatal("controllo %s non trovato", nome);
        return trovato;
    }
    QString testo(const char* nome) const { return figlio(nome)->text(); }
    QString campo(int k) const {
        return QString::fromStdString(core::Leggi_Impostazione(stato, k)).trimmed();
    }

    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
    ui::LeggiEstrazioni* finestra = nullptr;
};

} // namespace

class TestLeggiEstrazioni : public QObject {
    Q_OBJECT
private slots:
    void barreEOk() {
        Banco b(80);
        QVERIFY(core::Scrivi_Impostazione(b.stato, 10, "108"));
        ScriptPrompt script;
        ui::LeggiEstrazioni finestra(b.stato);
        b.finestra = &finestra;
        QCOMPARE(b.stato.Max_Concorsi_Anno, 108); // read from the settings
        auto* prima = b.figlio<QScrollBar>("hscPrimaDefault");
        auto* ultima = b.figlio<QScrollBar>("hscUltimaDefault");
        auto* casella = b.figlio<QCheckBox>("chkUltimaArchivio");
        // It opens on the whole archive, the last bar held on the last draw.
        QCOMPARE((QList<int>{prima->minimum(), prima->maximum(), prima->value(), ultima->value()}),
                 (QList<int>{1, 80, 1, 80}));
        QVERIFY(casella->isChecked() && !ultima->isEnabled());
        QCOMPARE((QStringList{b.testo("lblDal"), b.testo("lblAl"), b.testo("lblIntervallo2")}),
                 (QStringList{data(0), data(79), "80"}));
        QCOMPARE(b.campo(3), QStringLiteral("1"));
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QTest::mouseClick(b.figlio<QPushButton>("cmdOpzioni"), Qt::LeftButton);
        casella->setChecked(false);
        QVERIFY(ultima->isEnabled());
        QCOMPARE(b.campo(3), QStringLiteral("0"));

        ultima->setValue(40);
        prima->setValue(60); // pushes the last draw along
        QCOMPARE(ultima->value(), 60);
        ultima->setValue(25); // drags the first draw back
        QCOMPARE(prima->value(), 25);
        QCOMPARE(b.testo("lblDataPrima"), data(24));
        QCOMPARE(b.testo("lblIntervallo"), QStringLiteral("1"));

        ultima->setValue(50);
        prima->setValue(11);
        QTest::mouseClick(b.figlio<QPushButton>("cmdOK"), Qt::LeftButton);
        QCOMPARE(b.stato.Prima_Estrazione_Default, 11);
        QCOMPARE(b.stato.Ultima_Estrazione_Default, 50);
        QCOMPARE((QStringList{b.campo(1), b.campo(2)}), (QStringList{"11", "50"}));
        QVERIFY(b.stato.Estrazioni_Predefinite_Variate);
        casella->setChecked(true);
        QCOMPARE(ultima->value(), 80);
        casella->setChecked(false); // back to the confirmed last draw
        QCOMPARE(ultima->value(), 50);
        QCOMPARE(b.testo("lblIntervallo"), QStringLiteral("40"));
    }

    void caricaLaFinestraScelta_data() {
        QTest::addColumn<int>("archivio");
        QTest::addColumn<int>("prima");
        QTest::addColumn<int>("ultima");
        QTest::addColumn<QList<int>>("avanzamenti");
        QTest::addColumn<int>("inizioBarra"); // its range is set only for more than one draw
        QTest::addRow("da-101-a-200") << 250 << 101 << 200 << QList<int>{31, 62, 93, 100} << 1;
        QTest::addRow("una-sola-estrazione") << 1 << 1 << 1 << QList<int>{1} << 0;
    }
    void caricaLaFinestraScelta() {
        QFETCH(int, archivio);
        QFETCH(int, prima);
        QFETCH(int, ultima);
        QFETCH(QList<int>, avanzamenti);
        QFETCH(int, inizioBarra);
        Banco b(archivio);
        ScriptPrompt script;
        ui::LeggiEstrazioni finestra(b.stato);
        b.finestra = &finestra;
        b.figlio<QCheckBox>("chkUltimaArchivio")->setChecked(false);
        b.figlio<QScrollBar>("hscUltimaDefault")->setValue(ultima);
        b.figlio<QScrollBar>("hscPrimaDefault")->setValue(prima);
        auto* barra = b.figlio<QProgressBar>("prgMemorizzazioneEstrazioni");
        QSignalSpy spia(barra, &QProgressBar::valueChanged);
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        finestra.close(); // refused before the load, like Esc
        QTest::keyClick(&finestra, Qt::Key_Escape);
        QVERIFY(finestra.isVisible());
        finestra.cmdSkip_Click();

        QVERIFY(!finestra.isVisible());
        const int quante = ultima - prima + 1;
        QCOMPARE(b.stato.Estrazioni_Caricate, quante);
        QList<int> valori;
        for (const auto& argomenti : spia)
            valori << argomenti.at(0).toInt();
        QCOMPARE(valori, avanzamenti);
        QCOMPARE(barra->minimum(), inizioBarra);
        QVERIFY(!b.figlio<QPushButton>("cmdOpzioni")->isEnabled());
        // Loaded draw 1 is archive record `prima`; the last loaded draw is record `ultima`.
        QCOMPARE(QString::fromStdString(b.stato.Data_Estrazione[1]), data(prima - 1));
        core::LOTTO(b.stato).LeggiESTRAZIONE(4, quante);
        QCOMPARE(b.stato.Numeri_Estratti[1], estrazione(ultima - 1).ruote[3][0]);
    }

    void archivioDifettosoSegnalatoSenzaRiscrivere() {
        Banco b(20);
        const std::string date = b.cartella.leggiFile("RUOTE/DATA").substr(0, 180);
        b.cartella.scriviFile("RUOTE/DATA", date);
        b.cartella.scriviFile("RUOTE/NAPOLI", b.cartella.leggiFile("RUOTE/NAPOLI") + "xyz");
        std::string firenze = b.cartella.leggiFile("RUOTE/FIRENZE");
        firenze[5 * 4 + 2] = static_cast<char>(200); // draw 5, third number
        b.cartella.scriviFile("RUOTE/FIRENZE", firenze);
        std::string roma = b.cartella.leggiFile("RUOTE/ROMA");
        roma[5 * 8] = static_cast<char>(10); // draw 9, first number
        b.cartella.scriviFile("RUOTE/ROMA", roma);
        ScriptPrompt script({true, true});
        ui::LeggiEstrazioni finestra(b.stato);
        QCOMPARE(script.mostrati().size(), 1); // the uneven files, at the opening
        finestra.cmdSkip_Click();              // the damaged records, after the load
        const QStringList messaggi = script.testi();
        QCOMPARE(messaggi.size(), 2);
        QVERIFY(!messaggi[0].contains(QStringLiteral("BARI: ")));
        for (const char* parte : {"DATA: 180 byte (18 estrazioni intere)", "NAPOLI: 103 byte"})
            QVERIFY2(messaggi[0].contains(QString::fromUtf8(parte)), qPrintable(messaggi[0]));
        for (const char* parte : {"2 registrazioni", "FIRENZE dell'estrazione n° 5"})
            QVERIFY2(messaggi[1].contains(QString::fromUtf8(parte)), qPrintable(messaggi[1]));
        QVERIFY2(messaggi[1].contains(data(4)), qPrintable(messaggi[1]));
        QCOMPARE(b.stato.Estrazioni_Caricate, 20);
        QCOMPARE(b.cartella.leggiFile("RUOTE/FIRENZE") + b.cartella.leggiFile("RUOTE/DATA"), firenze + date);
    }
};

QTEST_MAIN(TestLeggiEstrazioni)
#include "TestLeggiEstrazioni.moc"
