#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "core/Caricamento.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"
#include "ui/stats/FrmFreqRitAmbo.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

using prova::ScriptPrompt;

namespace {

/** 40 draws loaded, TORINO and VENEZIA selected, the whole period applied; a search already run. */
struct Banco {
    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
    Banco() {
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < 40; ++i) estrazioni.push_back(prova::estrazione(1 + i % 28, 1 + i / 28, 2015, 1 + i, i));
        cartella.scriviArchivio(estrazioni);
        core::FileArchivio file(stato);
        file.Conta_Estrazioni_Archivio();
        core::START_Memorizzazione_Estrazioni(stato, file, 1, 40);
        core::Inizializza_Dati_Archivio(stato);
        std::array<bool, 11> ruote{};
        ruote[9] = ruote[10] = true;
        core::impostaSelezioneRuote(stato, ruote);
        selection::applicaFrazionato(stato, 1, 40);
    }
};

QString cella(QTableWidget* griglia, int r, int c) { return griglia->item(r, c)->text(); }

} // namespace

class TestFrmFreqRitAmbo : public QObject {
    Q_OBJECT
private slots:
    void ricercaScriveLePagineEdUltimaPagina();
    void ordinaPerFrequenzaEConservaLaPaginaPerColonna();
    void messaggioSoloIl27Dicembre_data();
    void messaggioSoloIl27Dicembre();
    void opzioniNeiCampiPropri();
    void esportaLaColonnaMostrata();
};

void TestFrmFreqRitAmbo::ricercaScriveLePagineEdUltimaPagina() {
    Banco banco;
    ui::frmFREQRITAMBO finestra(banco.stato);
    ScriptPrompt script({true});
    finestra.cmdAVVIO_Click();
    QCOMPARE(finestra.Stato_Ricerca(), 3);
    QCOMPARE(finestra.findChild<QLabel*>("lblRicerca")->text(), QStringLiteral("Ricerca eseguita."));
    QCOMPARE(finestra.findChild<QLabel*>("lblRuoteRicerca")->text(), QStringLiteral("TO VE "));
    QTableWidget* griglia = finestra.mfgFreqRitAmbi(0);
    QCOMPARE(cella(griglia, 0, 1), QStringLiteral("AMBO"));
    QCOMPARE(cella(griglia, 1, 0), QStringLiteral("1"));
    QCOMPARE(cella(griglia, 1, 1), QStringLiteral(" 1 -  2"));
    QCOMPARE(cella(griglia, 1, 2).toInt(), finestra.risultati().frequenza(0, 1));
    QVERIFY(cella(finestra.mfgFreqRitAmbi(3), 1, 1).isEmpty()); // a wheel not searched stays empty

    QScrollBar* barra = finestra.vscFrAmbi(0);
    QCOMPARE(barra->maximum(), 3981);
    barra->setValue(3981);
    QCOMPARE(cella(griglia, 1, 0), QStringLiteral("3981"));
    QCOMPARE(cella(griglia, 25, 0), QStringLiteral("4005"));
    QCOMPARE(cella(griglia, 25, 1), QStringLiteral(" 89 -  90"));
    QCOMPARE(cella(griglia, 25, 3).toInt(), finestra.risultati().ritardoAttuale(0, 4005));
}

void TestFrmFreqRitAmbo::ordinaPerFrequenzaEConservaLaPaginaPerColonna() {
    Banco banco;
    ui::frmFREQRITAMBO finestra(banco.stato);
    ScriptPrompt script({true});
    finestra.cmdAVVIO_Click();
    finestra.cmdRuotaPiu_Click(); // TORINO
    finestra.vscFrAmbi(9)->setValue(200);
    finestra.cmdRuotaPiu_Click(); // VENEZIA
    finestra.vscFrAmbi(10)->setValue(50);
    finestra.ordina(2);
    QCOMPARE(finestra.findChild<QLabel*>("lblOrdinamento")->text(), QStringLiteral("FREQUENZA"));
    QCOMPARE(finestra.findChild<QLabel*>("lblRicerca")->text(), QStringLiteral("Ricerca eseguita."));
    QCOMPARE(finestra.vscFrAmbi(10)->value(), 1); // ordering goes back to the first page
    QTableWidget* venezia = finestra.mfgFreqRitAmbi(10);
    for (int r = 1; r < 25; ++r) {
        const int f1 = cella(venezia, r, 2).toInt(), f2 = cella(venezia, r + 1, 2).toInt();
        QVERIFY(f1 <= f2);
        if (f1 == f2) QVERIFY(cella(venezia, r, 1) != cella(venezia, r + 1, 1));
    }
    QCOMPARE(cella(venezia, 1, 1), QStringLiteral(" 1 -  2")); // never drawn on VENEZIA here: first in enumeration order
    finestra.cmdRuotaMeno_Click(); // back to TORINO: its own page and key
    QCOMPARE(finestra.vscFrAmbi(9)->value(), 200);
    QCOMPARE(finestra.findChild<QLabel*>("lblOrdinamento")->text(), QStringLiteral("NUMERICO"));
    QCOMPARE(cella(finestra.mfgFreqRitAmbi(9), 1, 0), QStringLiteral("200"));
}

void TestFrmFreqRitAmbo::messaggioSoloIl27Dicembre_data() {
    QTest::addColumn<QDate>("oggi");
    QTest::addColumn<bool>("messaggio");
    QTest::addRow("27-dicembre") << QDate(2026, 12, 27) << true;
    QTest::addRow("26-dicembre") << QDate(2026, 12, 26) << false;
    QTest::addRow("27-novembre") << QDate(2026, 11, 27) << false;
}

void TestFrmFreqRitAmbo::messaggioSoloIl27Dicembre() {
    QFETCH(QDate, oggi);
    QFETCH(bool, messaggio);
    Banco banco;
    ui::frmFREQRITAMBO finestra(banco.stato);
    finestra.impostaOrologio([oggi] { return oggi; });
    ScriptPrompt script(messaggio ? QList<bool>{true} : QList<bool>{});
    QTest::keyClick(&finestra, Qt::Key_Space);
    QCOMPARE(script.mostrati().size(), messaggio ? 1 : 0);
    if (messaggio) QVERIFY(script.testi().first().startsWith(QStringLiteral("Auguri")));
}

void TestFrmFreqRitAmbo::opzioniNeiCampiPropri() {
    Banco banco;
    {
        ui::frmFREQRITAMBO finestra(banco.stato);
        finestra.findChild<QCheckBox*>("chkStatusBar")->setChecked(true);
        finestra.findChild<QCheckBox*>("chk_ColoreGrigliaSingola")->setChecked(true);
        QCOMPARE(finestra.mfgFreqRitAmbi(4)->palette().color(QPalette::Base), QColor(0, 255, 255));
    }
    QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, 74), 1);
    QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, 93), 1);
    QVERIFY(QString::fromStdString(core::Leggi_Impostazione(banco.stato, 72)).trimmed().isEmpty()); // not the number window's field
}

void TestFrmFreqRitAmbo::esportaLaColonnaMostrata() {
    Banco banco;
    ui::frmFREQRITAMBO finestra(banco.stato);
    ScriptPrompt script({true, true});
    const QString percorso = QString::fromStdString((banco.cartella.percorso() / "ambi.csv").string());
    auto precedente = ui::prompt::installaGestoreFile([&](const QString&, const QString&) { return percorso; });
    finestra.cmdAVVIO_Click();
    finestra.ordina(3);
    finestra.cmdEsporta_Click();
    ui::prompt::installaGestoreFile(precedente);
    QFile file(percorso);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList righe = QString::fromUtf8(file.readAll().mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(righe.size(), 4006);
    QCOMPARE(righe[0], QStringLiteral("Posizione;Ambo;Frequenza;Ritardo attuale;Ritardo massimo"));
    // The rows follow the grid: position 1 is the pair on the grid's first row, ordered by current delay.
    QTableWidget* griglia = finestra.mfgFreqRitAmbi(0);
    const QStringList prima = righe[1].split(QLatin1Char(';'));
    QCOMPARE(prima[0], QStringLiteral("1"));
    QCOMPARE(prima[1], cella(griglia, 1, 1).simplified().remove(QLatin1Char(' ')));
    QCOMPARE(prima[3], cella(griglia, 1, 3));
}

QTEST_MAIN(TestFrmFreqRitAmbo)
#include "TestFrmFreqRitAmbo.moc"
