#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "core/Lotto.h"
#include "ui/LeggiEstrazioni.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using prova::CartellaDiProva;
using prova::ScriptPrompt;

namespace {

std::vector<prova::Estrazione> archivio(int quante, int primoAnno = 2001) {
    std::vector<prova::Estrazione> estrazioni;
    for (int i = 0; i < quante; ++i) {
        const int anno = primoAnno + i / 100;
        estrazioni.push_back(prova::estrazione(1 + i % 28, 1 + (i / 28) % 12, anno, 1 + i % 100, i));
    }
    return estrazioni;
}

template <class T>
T* figlio(QWidget& finestra, const char* nome) {
    auto* trovato = finestra.findChild<T*>(QString::fromLatin1(nome));
    if (!trovato) qFatal("controllo %s non trovato", nome);
    return trovato;
}

QString testo(QWidget& finestra, const char* nome) { return figlio<QLabel>(finestra, nome)->text(); }

} // namespace

class TestLeggiEstrazioni : public QObject {
    Q_OBJECT
private slots:
    void siApreConTuttoLArchivioScelto();
    void leBarreSiTrascinanoAVicenda();
    void okRegistraLaFinestraPredefinita();
    void caricaLaFinestraSceltaConAvanzamento();
    void unaSolaEstrazione();
    void archivioVuotoTerminaIlProgramma_data();
    void archivioVuotoTerminaIlProgramma();
    void nonSiChiudePrimaDelCaricamento();
    void recordDanneggiatiSegnalatiDopoIlCaricamento();
    void fileDiLunghezzeDiverseSegnalatiAllApertura();
    void massimoConcorsiDaImpostazioni_data();
    void massimoConcorsiDaImpostazioni();
};

void TestLeggiEstrazioni::siApreConTuttoLArchivioScelto() {
    CartellaDiProva cartella;
    cartella.scriviArchivio(archivio(120));
    auto stato = cartella.stato();
    ScriptPrompt script;
    ui::LeggiEstrazioni finestra(stato);

    auto* prima = figlio<QScrollBar>(finestra, "hscPrimaDefault");
    auto* ultima = figlio<QScrollBar>(finestra, "hscUltimaDefault");
    QCOMPARE(stato.Estrazioni_In_Archivio, 120);
    QCOMPARE(prima->minimum(), 1);
    QCOMPARE(prima->maximum(), 120);
    QCOMPARE(prima->value(), 1);
    QCOMPARE(ultima->value(), 120);
    QVERIFY(!ultima->isEnabled());
    QVERIFY(figlio<QCheckBox>(finestra, "chkUltimaArchivio")->isChecked());
    QCOMPARE(testo(finestra, "lblIntervallo"), QStringLiteral("120"));
    QCOMPARE(testo(finestra, "lblIntervallo2"), QStringLiteral("120"));
    QCOMPARE(testo(finestra, "lblDal"), QString::fromStdString(prova::testoData(1, 1, 2001)));
    QCOMPARE(testo(finestra, "lblConcorsoUltima"), QString::fromStdString(prova::testoConcorso(20, 2002)));
    QCOMPARE(testo(finestra, "lblAl"), testo(finestra, "lblDataUltima"));
    QVERIFY(testo(finestra, "lblSecondi").endsWith(QStringLiteral("RUOTE/")));
    QVERIFY(figlio<QGroupBox>(finestra, "fmeOpzioni")->isHidden());
    QCOMPARE(QString::fromStdString(core::Leggi_Impostazione(stato, 3)).trimmed(), QStringLiteral("1"));
    QCOMPARE(stato.Prima_Estrazione_Default, 1);
    QCOMPARE(stato.Ultima_Estrazione_Default, 120);
    QVERIFY(script.mostrati().isEmpty());
}

void TestLeggiEstrazioni::leBarreSiTrascinanoAVicenda() {
    CartellaDiProva cartella;
    cartella.scriviArchivio(archivio(80));
    auto stato = cartella.stato();
    ScriptPrompt script;
    ui::LeggiEstrazioni finestra(stato);
    auto* prima = figlio<QScrollBar>(finestra, "hscPrimaDefault");
    auto* ultima = figlio<QScrollBar>(finestra, "hscUltimaDefault");
    auto* casella = figlio<QCheckBox>(finestra, "chkUltimaArchivio");
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));

    QTest::mouseClick(figlio<QPushButton>(finestra, "cmdOpzioni"), Qt::LeftButton);
    QVERIFY(!figlio<QGroupBox>(finestra, "fmeOpzioni")->isHidden());
    casella->setChecked(false);
    QVERIFY(ultima->isEnabled());
    QCOMPARE(QString::fromStdString(core::Leggi_Impostazione(stato, 3)).trimmed(), QStringLiteral("0"));

    ultima->setValue(40);
    QCOMPARE(testo(finestra, "lblIntervallo"), QStringLiteral("40"));
    prima->setValue(60); // pushes the last draw along
    QCOMPARE(ultima->value(), 60);
    QCOMPARE(testo(finestra, "lblIntervallo"), QStringLiteral("1"));
    QCOMPARE(testo(finestra, "lblEstrazioneUltima"), QStringLiteral("60"));
    ultima->setValue(25); // drags the first draw back
    QCOMPARE(prima->value(), 25);
    QCOMPARE(testo(finestra, "lblIntervallo"), QStringLiteral("1"));
    QCOMPARE(testo(finestra, "lblEstrazionePrima"), QStringLiteral("25"));
    QCOMPARE(testo(finestra, "lblDataPrima"), QString::fromStdString(prova::testoData(25, 1, 2001)));

    casella->setChecked(true);
    QCOMPARE(ultima->value(), 80);
    QVERIFY(!ultima->isEnabled());
    QCOMPARE(testo(finestra, "lblIntervallo"), QStringLiteral("56"));
}

void TestLeggiEstrazioni::okRegistraLaFinestraPredefinita() {
    CartellaDiProva cartella;
    cartella.scriviArchivio(archivio(80));
    auto stato = cartella.stato();
    ScriptPrompt script;
    ui::LeggiEstrazioni finestra(stato);
    auto* prima = figlio<QScrollBar>(finestra, "hscPrimaDefault");
    auto* ultima = figlio<QScrollBar>(finestra, "hscUltimaDefault");
    auto* casella = figlio<QCheckBox>(finestra, "chkUltimaArchivio");
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));

    QTest::mouseClick(figlio<QPushButton>(finestra, "cmdOpzioni"), Qt::LeftButton);
    casella->setChecked(false);
    ultima->setValue(50);
    prima->setValue(11);
    QTest::mouseClick(figlio<QPushButton>(finestra, "cmdOK"), Qt::LeftButton);

    QVERIFY(figlio<QGroupBox>(finestra, "fmeOpzioni")->isHidden());
    QCOMPARE(stato.Prima_Estrazione_Default, 11);
    QCOMPARE(stato.Ultima_Estrazione_Default, 50);
    QVERIFY(stato.Estrazioni_Predefinite_Variate);
    QCOMPARE(cartella.leggiFile("ImpoBin").substr(0, 40), std::string("11") + std::string(18, ' ') + "50" + std::string(18, ' '));

    casella->setChecked(true);
    QCOMPARE(ultima->value(), 80);
    casella->setChecked(false); // back to the confirmed last draw
    QCOMPARE(ultima->value(), 50);
    QCOMPARE(testo(finestra, "lblIntervallo"), QStringLiteral("40"));
}

void TestLeggiEstrazioni::caricaLaFinestraSceltaConAvanzamento() {
    CartellaDiProva cartella;
    const auto estrazioni = archivio(250);
    cartella.scriviArchivio(estrazioni);
    auto stato = cartella.stato();
    ScriptPrompt script;
    ui::LeggiEstrazioni finestra(stato);
    figlio<QCheckBox>(finestra, "chkUltimaArchivio")->setChecked(false);
    figlio<QScrollBar>(finestra, "hscUltimaDefault")->setValue(200);
    figlio<QScrollBar>(finestra, "hscPrimaDefault")->setValue(101);

    auto* barra = figlio<QProgressBar>(finestra, "prgMemorizzazioneEstrazioni");
    QSignalSpy avanzamenti(barra, &QProgressBar::valueChanged);
    finestra.cmdSkip_Click();

    QVERIFY(finestra.caricato());
    QCOMPARE(finestra.result(), int(QDialog::Accepted));
    QCOMPARE(stato.Estrazioni_Caricate, 100);
    QList<int> valori;
    for (const auto& argomenti : avanzamenti) valori << argomenti.at(0).toInt();
    QCOMPARE(valori, (QList<int>{31, 62, 93, 100}));
    QCOMPARE(barra->maximum(), 100);
    QCOMPARE(testo(finestra, "lblEstrazioniLette"), QStringLiteral("100"));
    QVERIFY(testo(finestra, "lblSecondi").isEmpty());
    QVERIFY(!figlio<QPushButton>(finestra, "cmdSkip")->isEnabled());
    QVERIFY(!figlio<QPushButton>(finestra, "cmdOpzioni")->isEnabled());

    // Loaded draw 1 is archive record 101.
    QCOMPARE(stato.Data_Estrazione[1], prova::testoData(estrazioni[100].giorno, estrazioni[100].mese, estrazioni[100].anno));
    core::LOTTO lotto(stato);
    lotto.LeggiESTRAZIONE(4, 100);
    QCOMPARE(stato.Numeri_Estratti[1], estrazioni[199].ruote[3][0]);
}

void TestLeggiEstrazioni::unaSolaEstrazione() {
    CartellaDiProva cartella;
    cartella.scriviArchivio(archivio(1));
    auto stato = cartella.stato();
    ScriptPrompt script;
    ui::LeggiEstrazioni finestra(stato);
    auto* prima = figlio<QScrollBar>(finestra, "hscPrimaDefault");
    QCOMPARE(prima->minimum(), 1);
    QCOMPARE(prima->maximum(), 1);
    QCOMPARE(testo(finestra, "lblIntervallo"), QStringLiteral("1"));
    auto* barra = figlio<QProgressBar>(finestra, "prgMemorizzazioneEstrazioni");
    const int massimoPrima = barra->maximum();
    QSignalSpy avanzamenti(barra, &QProgressBar::valueChanged);
    finestra.cmdSkip_Click();
    QCOMPARE(stato.Estrazioni_Caricate, 1);
    QCOMPARE(avanzamenti.size(), 1);
    QCOMPARE(avanzamenti.at(0).at(0).toInt(), 1);
    QCOMPARE(barra->maximum(), massimoPrima); // the range is set only for more than one draw
    QCOMPARE(testo(finestra, "lblEstrazioniLette"), QStringLiteral("1"));
}

void TestLeggiEstrazioni::archivioVuotoTerminaIlProgramma_data() {
    QTest::addColumn<bool>("conCartella");
    QTest::addColumn<bool>("risposta");
    QTest::addRow("file-assenti-risposta-si") << true << true;
    QTest::addRow("file-assenti-risposta-no") << true << false;
    QTest::addRow("cartella-RUOTE-assente") << false << true;
}

void TestLeggiEstrazioni::archivioVuotoTerminaIlProgramma() {
    QFETCH(bool, conCartella);
    QFETCH(bool, risposta);
    CartellaDiProva cartella;
    if (!conCartella) std::filesystem::remove_all(cartella.ruote());
    auto stato = cartella.stato();
    ScriptPrompt script({risposta, true});
    QVERIFY(!ui::Carica_Archivio(stato));

    QCOMPARE(script.mostrati().size(), 2);
    const auto& emergenza = script.mostrati().at(0);
    QCOMPARE(emergenza.titolo, QStringLiteral("Quintaro - PROCEDURA DI EMERGENZA ATTIVATA"));
    QVERIFY(emergenza.siNo);
    QCOMPARE(emergenza.testo,
             QStringLiteral("ATTENZIONE: non risultano presenti alcuni o tutti i File che dovrebbero contenere le "
                            "estrazioni, senza di essi sarà impossibile continuare.\n\nSi desidera effettuare il "
                            "RIPRISTINO dei Dati?"));
    QCOMPARE(script.mostrati().at(1).testo, QStringLiteral("PROGRAMMA TERMINATO"));
    QCOMPARE(script.mostrati().at(1).titolo, QStringLiteral("Quintaro"));
    QVERIFY(!script.mostrati().at(1).siNo);
    QCOMPARE(stato.Estrazioni_Caricate, 0);
}

void TestLeggiEstrazioni::nonSiChiudePrimaDelCaricamento() {
    CartellaDiProva cartella;
    cartella.scriviArchivio(archivio(10));
    auto stato = cartella.stato();
    ScriptPrompt script;
    ui::LeggiEstrazioni finestra(stato);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    finestra.close();
    QVERIFY(finestra.isVisible());
    QTest::keyClick(&finestra, Qt::Key_Escape);
    QVERIFY(finestra.isVisible());
    finestra.cmdSkip_Click();
    QVERIFY(!finestra.isVisible());
}

void TestLeggiEstrazioni::recordDanneggiatiSegnalatiDopoIlCaricamento() {
    CartellaDiProva cartella;
    cartella.scriviArchivio(archivio(12));
    std::string firenze = cartella.leggiFile("RUOTE/FIRENZE");
    firenze[5 * 4 + 2] = static_cast<char>(200); // draw 5, third number
    std::string roma = cartella.leggiFile("RUOTE/ROMA");
    roma[5 * 8] = static_cast<char>(10); // draw 9, first number
    cartella.scriviFile("RUOTE/FIRENZE", firenze);
    cartella.scriviFile("RUOTE/ROMA", roma);
    auto stato = cartella.stato();
    ScriptPrompt script({true});
    ui::LeggiEstrazioni finestra(stato);
    finestra.cmdSkip_Click();

    QCOMPARE(script.mostrati().size(), 1);
    const QString messaggio = script.mostrati().at(0).testo;
    QVERIFY2(messaggio.contains(QStringLiteral("2 registrazioni")), qPrintable(messaggio));
    QVERIFY2(messaggio.contains(QStringLiteral("FIRENZE dell'estrazione n° 5")), qPrintable(messaggio));
    QVERIFY(messaggio.contains(QString::fromStdString(prova::testoData(5, 1, 2001))));
    QCOMPARE(stato.Estrazioni_Caricate, 12);
    core::LOTTO lotto(stato);
    lotto.LeggiESTRAZIONE(3, 5);
    QCOMPARE(stato.Numeri_Estratti[0], 0);
    lotto.LeggiESTRAZIONE(3, 6);
    QCOMPARE(stato.Numeri_Estratti[0], -1);
    QCOMPARE(cartella.leggiFile("RUOTE/FIRENZE"), firenze); // nothing rewritten
}

void TestLeggiEstrazioni::fileDiLunghezzeDiverseSegnalatiAllApertura() {
    CartellaDiProva cartella;
    cartella.scriviArchivio(archivio(20));
    const std::string date = cartella.leggiFile("RUOTE/DATA");
    cartella.scriviFile("RUOTE/DATA", date.substr(0, 180));
    const std::string napoli = cartella.leggiFile("RUOTE/NAPOLI");
    cartella.scriviFile("RUOTE/NAPOLI", napoli + "xyz");
    auto stato = cartella.stato();
    ScriptPrompt script({true});
    ui::LeggiEstrazioni finestra(stato);

    QCOMPARE(script.mostrati().size(), 1);
    const QString messaggio = script.mostrati().at(0).testo;
    QVERIFY2(messaggio.contains(QStringLiteral("DATA: 180 byte (18 estrazioni intere)")), qPrintable(messaggio));
    QVERIFY2(messaggio.contains(QStringLiteral("NAPOLI: 103 byte")), qPrintable(messaggio));
    QVERIFY(!messaggio.contains(QStringLiteral("BARI: ")));
    QCOMPARE(testo(finestra, "lblIntervallo"), QStringLiteral("20"));

    finestra.cmdSkip_Click();
    QCOMPARE(stato.Estrazioni_Caricate, 20);
    QCOMPARE(stato.Data_Estrazione[19], std::string(10, ' '));
    QCOMPARE(stato.Concorso_Estrazione[19], prova::testoConcorso(19, 2001));
    QCOMPARE(cartella.leggiFile("RUOTE/DATA"), date.substr(0, 180));
}

void TestLeggiEstrazioni::massimoConcorsiDaImpostazioni_data() {
    QTest::addColumn<QString>("campo");
    QTest::addColumn<int>("atteso");
    QTest::addRow("156") << "156" << 156;
    QTest::addRow("108") << "108" << 108;
    QTest::addRow("999") << "999" << 999;
    QTest::addRow("troppo-basso") << "50" << 260;
    QTest::addRow("troppo-alto") << "1000" << 260;
    QTest::addRow("assente") << "" << 260;
}

void TestLeggiEstrazioni::massimoConcorsiDaImpostazioni() {
    QFETCH(QString, campo);
    QFETCH(int, atteso);
    CartellaDiProva cartella;
    cartella.scriviArchivio(archivio(3));
    auto stato = cartella.stato();
    if (!campo.isEmpty()) QVERIFY(core::Scrivi_Impostazione(stato, 10, campo.toStdString()));
    ScriptPrompt script;
    ui::LeggiEstrazioni finestra(stato);
    QCOMPARE(stato.Max_Concorsi_Anno, atteso);
}

QTEST_MAIN(TestLeggiEstrazioni)
#include "TestLeggiEstrazioni.moc"
