#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "core/Caricamento.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"
#include "ui/stats/FrmFreqRitEstratti.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

using prova::ScriptPrompt;

namespace {

/** A program folder with 30 draws loaded, FIRENZE and PALERMO selected, the whole period applied. */
struct Banco {
    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
    Banco() {
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < 30; ++i) estrazioni.push_back(prova::estrazione(1 + i % 28, 1 + i / 28, 2010, 1 + i, i));
        cartella.scriviArchivio(estrazioni);
        core::FileArchivio file(stato);
        file.Conta_Estrazioni_Archivio();
        core::START_Memorizzazione_Estrazioni(stato, file, 1, 30);
        core::Inizializza_Dati_Archivio(stato);
        std::array<bool, 11> ruote{};
        ruote[3] = ruote[7] = true;
        core::impostaSelezioneRuote(stato, ruote);
        selection::applicaFrazionato(stato, 1, 30);
    }
};

QString testo(QWidget& w, const char* nome) { return w.findChild<QLabel*>(QString::fromLatin1(nome))->text(); }

/** The numbers of the grid's six NUMERO rows, in display order. */
QList<int> numeriMostrati(QTableWidget* griglia) {
    QList<int> numeri;
    for (int k = 0; k < 6; ++k)
        for (int j = 1; j <= 15; ++j) numeri << griglia->item(4 * k, j)->text().toInt();
    return numeri;
}

} // namespace

class TestFrmFreqRit : public QObject {
    Q_OBJECT
private slots:
    void avvioRispostoNoNonCambiaNulla();
    void avvioRifiutato_data();
    void avvioRifiutato();
    void ricercaScriveLeGriglieENavigaFraLeRuote();
    void ordinaLaRuotaMostrataEConservaLOrdinePerRuota();
    void opzioniConservateNelleImpostazioni();
    void esportaLaGrigliaMostrataInCsv();
};

void TestFrmFreqRit::avvioRispostoNoNonCambiaNulla() {
    Banco banco;
    ui::frmFREQRITESTRATTI finestra(banco.stato);
    ScriptPrompt script({false});
    finestra.cmdAVVIO_Click();
    QCOMPARE(script.mostrati().at(0).testo, QStringLiteral("Avviare una nuova ricerca?"));
    QCOMPARE(script.mostrati().at(0).titolo, QStringLiteral("CONFERMA OPERAZIONE"));
    QCOMPARE(finestra.Stato_Ricerca(), 0);
    QVERIFY(!finestra.Risultati_Disponibili());
    QCOMPARE(testo(finestra, "lblRicerca"), QStringLiteral("Nessuna Ricerca effettuata."));
    finestra.cmdRuotaPiu_Click(); // nothing to browse yet
    QCOMPARE(testo(finestra, "lblRuoteRicerca"), QString());
}

void TestFrmFreqRit::avvioRifiutato_data() {
    QTest::addColumn<bool>("senzaRuote");
    QTest::addColumn<QString>("messaggio");
    QTest::addRow("senza-ruote") << true << "Selezionare almeno una Ruota!";
    QTest::addRow("senza-periodo") << false << "Selezionare un Periodo di ricerca!";
}

void TestFrmFreqRit::avvioRifiutato() {
    QFETCH(bool, senzaRuote);
    QFETCH(QString, messaggio);
    Banco banco;
    if (senzaRuote)
        core::impostaSelezioneRuote(banco.stato, {});
    else
        banco.stato.Totale_Estrazioni_Selezionate = 0;
    ui::frmFREQRITESTRATTI finestra(banco.stato);
    ScriptPrompt script({true, true});
    finestra.cmdAVVIO_Click();
    QCOMPARE(script.testi().last(), messaggio);
    QCOMPARE(script.titoli().last(), QStringLiteral("Quintaro"));
    QCOMPARE(finestra.Stato_Ricerca(), 1);
    QVERIFY(!finestra.Risultati_Disponibili());
}

void TestFrmFreqRit::ricercaScriveLeGriglieENavigaFraLeRuote() {
    Banco banco;
    ui::frmFREQRITESTRATTI finestra(banco.stato);
    ScriptPrompt script({true});
    finestra.cmdAVVIO_Click();
    QCOMPARE(finestra.Stato_Ricerca(), 3);
    QCOMPARE(testo(finestra, "lblRicerca"), QStringLiteral("Ricerca eseguita."));
    QCOMPARE(testo(finestra, "lblRuoteRicerca"), QStringLiteral("FI PA "));

    const auto& r = finestra.risultati();
    for (int c : {0, 3, 7}) {
        QTableWidget* griglia = finestra.mfgRicerca(c);
        QCOMPARE(griglia->item(4, 0)->text(), QStringLiteral("NUMERO"));
        // Number 20 sits in band 1, column 5; its three statistics below it.
        QCOMPARE(griglia->item(4, 5)->text(), QStringLiteral("20"));
        QCOMPARE(griglia->item(5, 5)->text().toInt(), r.Frequenza_Numero[std::size_t(c)][20]);
        QCOMPARE(griglia->item(6, 5)->text().toInt(), r.Ritardo_Attuale_Numero[std::size_t(c)][20]);
        QCOMPARE(griglia->item(7, 5)->text().toInt(), r.Ritardo_Massimo_Numero[std::size_t(c)][20]);
    }
    QVERIFY(finestra.mfgRicerca(0)->isVisible() || !finestra.isVisible());
    QCOMPARE(finestra.mfgRicerca(0)->item(4, 5)->font().bold(), true);

    finestra.cmdRuotaPiu_Click();
    QCOMPARE(testo(finestra, "lblRuoteRicerca"), QStringLiteral("FIRENZE"));
    finestra.cmdRuotaPiu_Click();
    QCOMPARE(testo(finestra, "lblRuoteRicerca"), QStringLiteral("PALERMO"));
    finestra.cmdRuotaPiu_Click();
    QCOMPARE(testo(finestra, "lblRuoteRicerca"), QStringLiteral("FI PA "));
    finestra.cmdRuotaMeno_Click();
    QCOMPARE(testo(finestra, "lblRuoteRicerca"), QStringLiteral("PALERMO"));
}

void TestFrmFreqRit::ordinaLaRuotaMostrataEConservaLOrdinePerRuota() {
    Banco banco;
    ui::frmFREQRITESTRATTI finestra(banco.stato);
    ScriptPrompt script({true});
    finestra.cmdAVVIO_Click();
    finestra.cmdRuotaPiu_Click(); // FIRENZE
    finestra.ordina(2);
    QCOMPARE(testo(finestra, "lblOrdinamento"), QStringLiteral("FREQUENZA"));
    const QList<int> ordine = numeriMostrati(finestra.mfgRicerca(3));
    const auto& frequenza = finestra.risultati().Frequenza_Numero[3];
    for (int p = 1; p < 90; ++p) {
        const int a = ordine[p - 1], b = ordine[p];
        const int fa = frequenza[std::size_t(a)], fb = frequenza[std::size_t(b)];
        QVERIFY2(fa < fb || (fa == fb && a < b), qPrintable(QStringLiteral("posizione %1: %2 prima di %3").arg(p).arg(a).arg(b)));
    }
    QCOMPARE(finestra.mfgRicerca(3)->item(1, 1)->text().toInt(), frequenza[std::size_t(ordine[0])]);

    finestra.cmdRuotaPiu_Click(); // PALERMO keeps number order
    QCOMPARE(testo(finestra, "lblOrdinamento"), QStringLiteral("NUMERICO"));
    QCOMPARE(numeriMostrati(finestra.mfgRicerca(7)).first(), 1);
    finestra.cmdRuotaMeno_Click(); // back to FIRENZE, still by frequency
    QCOMPARE(testo(finestra, "lblOrdinamento"), QStringLiteral("FREQUENZA"));
    QCOMPARE(numeriMostrati(finestra.mfgRicerca(3)), ordine);

    script.aggiungi({true}); // a new search puts every grid back in number order
    finestra.cmdAVVIO_Click();
    QCOMPARE(numeriMostrati(finestra.mfgRicerca(3)).first(), 1);
    QCOMPARE(testo(finestra, "lblOrdinamento"), QStringLiteral("NUMERICO"));
}

void TestFrmFreqRit::opzioniConservateNelleImpostazioni() {
    Banco banco;
    QVERIFY(core::Scrivi_Impostazione(banco.stato, 90, "1"));
    QVERIFY(core::Scrivi_Impostazione(banco.stato, 72, "2")); // anything but 0 or 1 reads as 0
    {
        ui::frmFREQRITESTRATTI finestra(banco.stato);
        QVERIFY(finestra.findChild<QCheckBox*>("chk_ColoreGrigliaGenerale")->isChecked());
        QCOMPARE(finestra.mfgRicerca(0)->palette().color(QPalette::Base), QColor(0, 255, 255));
        QCOMPARE(finestra.mfgRicerca(1)->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(!finestra.findChild<QCheckBox*>("chkStatusBar")->isChecked());
        finestra.findChild<QCheckBox*>("chkStatusBar")->setChecked(true);
        finestra.findChild<QCheckBox*>("chk_ColoreGrigliaGenerale")->setChecked(false);
        QCOMPARE(finestra.mfgRicerca(0)->palette().color(QPalette::Base), QColor(Qt::white));
    }
    QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, 72), 1);
    QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, 90), 0);
    ui::frmFREQRITESTRATTI riaperta(banco.stato);
    QVERIFY(riaperta.findChild<QCheckBox*>("chkStatusBar")->isChecked());
}

void TestFrmFreqRit::esportaLaGrigliaMostrataInCsv() {
    Banco banco;
    ui::frmFREQRITESTRATTI finestra(banco.stato);
    ScriptPrompt script({true, true});
    const QString percorso = QString::fromStdString((banco.cartella.percorso() / "uscita.csv").string());
    QString proposto;
    auto precedente = ui::prompt::installaGestoreFile([&](const QString&, const QString& nome) {
        proposto = nome;
        return percorso;
    });
    finestra.cmdAVVIO_Click();
    finestra.cmdRuotaMeno_Click(); // PALERMO
    finestra.ordina(4);
    finestra.cmdEsporta_Click();
    ui::prompt::installaGestoreFile(precedente);

    QVERIFY(proposto.endsWith(QStringLiteral("frequenze_ritardi_palermo.csv")));
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contenuto = file.readAll();
    QVERIFY(contenuto.startsWith("\xEF\xBB\xBF")); // UTF-8 mark: spreadsheets then read accents right
    const QStringList righe = QString::fromUtf8(contenuto.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(righe.size(), 91);
    QCOMPARE(righe[0], QStringLiteral("Numero;Frequenza;Ritardo attuale;Ritardo massimo"));
    const QList<int> ordine = numeriMostrati(finestra.mfgRicerca(7));
    const auto& r = finestra.risultati();
    for (int p = 1; p <= 90; ++p) {
        const auto n = std::size_t(ordine[p - 1]);
        QCOMPARE(righe[p], QStringLiteral("%1;%2;%3;%4").arg(n).arg(r.Frequenza_Numero[7][n]).arg(r.Ritardo_Attuale_Numero[7][n]).arg(r.Ritardo_Massimo_Numero[7][n]));
    }
    QVERIFY(script.testi().last().contains(QStringLiteral("PALERMO")));
}

QTEST_MAIN(TestFrmFreqRit)
#include "TestFrmFreqRit.moc"
