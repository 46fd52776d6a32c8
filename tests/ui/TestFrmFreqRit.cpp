// The number-search window: when AVVIO runs no search, the grids, the wheel browsing with each wheel's
// own order, the CSV export and its failure, and the option boxes with their settings fields; with the
// pair window, the opening at 800x600: centred, the whole grid in sight.
#include "ArchivioAnni.h"
#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"
#include "ui/stats/FrmFreqRitAmbo.h"
#include "ui/stats/FrmFreqRitEstratti.h"
#include "ui/stats/FrmFreqRitTerni.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

using prova::ScriptPrompt;

namespace {

/** A program folder with 30 draws loaded, FIRENZE and PALERMO selected, the whole period applied. */
struct Banco : prova::BancoRicerca {
    Banco() : BancoRicerca(30, "0010001000") {} // FIRENZE and PALERMO
};

QString testo(QWidget& w, const char* nome) {
    return w.findChild<QLabel*>(nome)->text();
}

/** The grid's 90 cells in display order (six bands of 15), each as "number;frequency;delay;max delay". */
QStringList celle(QTableWidget* griglia) {
    QStringList celle;
    for (int p = 0; p < 90; ++p) {
        QStringList valori;
        for (int r = 0; r < 4; ++r)
            valori << griglia->item(4 * (p / 15) + r, p % 15 + 1)->text();
        celle << valori.join(QLatin1Char(';'));
    }
    return celle;
}

} // namespace

class TestFrmFreqRit : public QObject {
    Q_OBJECT
private slots:
    void avvioSenzaRicerca_data() {
        QTest::addColumn<QString>("manca"); // what the search lacks
        QTest::addColumn<QList<bool>>("risposte");
        QTest::addColumn<QString>("messaggio");
        QTest::addRow("risposta-no") << "" << QList<bool>{false} << "Avviare una nuova ricerca?";
        QTest::addRow("senza-ruote") << "ruote" << QList<bool>{true, true} << "Selezionare almeno una Ruota!";
        QTest::addRow("senza-periodo")
            << "periodo" << QList<bool>{true, true} << "Selezionare un Periodo di ricerca!";
    }
    void avvioSenzaRicerca() {
        QFETCH(QString, manca);
        QFETCH(QList<bool>, risposte);
        QFETCH(QString, messaggio);
        Banco banco;
        if (manca == QStringLiteral("ruote")) core::impostaSelezioneRuote(banco.stato, {});
        if (manca == QStringLiteral("periodo")) banco.stato.Totale_Estrazioni_Selezionate = 0;
        ui::frmFREQRITESTRATTI finestra(banco.stato);
        ScriptPrompt script(risposte);
        finestra.cmdAVVIO_Click();
        QCOMPARE(script.testi().last(), messaggio);
        QVERIFY(!finestra.Risultati_Disponibili());
        QCOMPARE(testo(finestra, "lblRicerca"), QStringLiteral("Nessuna Ricerca effettuata."));
        finestra.cmdRuotaPiu_Click(); // nothing to browse
        QCOMPARE(testo(finestra, "lblRuoteRicerca"), QString());
    }

    void griglieNavigazioneOrdineEdEsportazione() {
        Banco banco;
        ui::frmFREQRITESTRATTI finestra(banco.stato);
        ScriptPrompt script({true});
        finestra.cmdAVVIO_Click();
        QCOMPARE(testo(finestra, "lblRicerca"), QStringLiteral("Ricerca eseguita."));
        const auto& r = finestra.risultati();
        for (std::size_t c : {0, 3, 7}) // the wheels together, FIRENZE, PALERMO; number 20 in 20th place
            QCOMPARE(celle(finestra.mfgRicerca(int(c))).at(19), QStringLiteral("20;%1;%2;%3")
                                                                    .arg(r.Frequenza_Numero[c][20])
                                                                    .arg(r.Ritardo_Attuale_Numero[c][20])
                                                                    .arg(r.Ritardo_Massimo_Numero[c][20]));
        QCOMPARE(testo(finestra, "lblRuoteRicerca"), QStringLiteral("FI PA "));
        finestra.cmdRuotaPiu_Click();
        QCOMPARE(testo(finestra, "lblRuoteRicerca"), QStringLiteral("FIRENZE"));

        const QStringList numerico = celle(finestra.mfgRicerca(3));
        finestra.ordina(2);
        QCOMPARE(testo(finestra, "lblOrdinamento"), QStringLiteral("FREQUENZA"));
        QStringList ordinate = numerico; // the same cells by frequency, ties by number
        std::stable_sort(ordinate.begin(), ordinate.end(), [](const QString& a, const QString& b) {
            return a.section(';', 1, 1).toInt() < b.section(';', 1, 1).toInt();
        });
        QCOMPARE(celle(finestra.mfgRicerca(3)), ordinate);
        finestra.cmdRuotaPiu_Click(); // PALERMO keeps number order
        QCOMPARE(testo(finestra, "lblRuoteRicerca"), QStringLiteral("PALERMO"));
        QCOMPARE(testo(finestra, "lblOrdinamento"), QStringLiteral("NUMERICO"));
        QVERIFY(celle(finestra.mfgRicerca(7)).first().startsWith(QStringLiteral("1;")));
        finestra.cmdRuotaMeno_Click(); // back to FIRENZE, still by frequency; the menu shows its key
        QCOMPARE(testo(finestra, "lblOrdinamento"), QStringLiteral("FREQUENZA"));
        QCOMPARE(celle(finestra.mfgRicerca(3)), ordinate);
        finestra.findChild<QPushButton*>("cmdOrdinamento")->click();
        QVERIFY(finestra.findChild<QLabel*>("lblMnu_1")->font().bold());
        QVERIFY(!finestra.findChild<QLabel*>("lblMnu_0")->font().bold());

        // The export writes the grid on show, in its order.
        const QString percorso = QString::fromStdString((banco.cartella.percorso() / "uscita.csv").string());
        QString proposto;
        auto precedente = ui::prompt::installaGestoreFile([&](const QString&, const QString& nome) {
            proposto = nome;
            return percorso;
        });
        script.aggiungi({true});
        finestra.cmdEsporta_Click();
        QVERIFY(proposto.endsWith(QStringLiteral("frequenze_ritardi_firenze.csv")));
        QVERIFY(script.testi().last().contains(QStringLiteral("FIRENZE")));
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contenuto = file.readAll();
        QVERIFY(contenuto.startsWith("\xEF\xBB\xBF")); // UTF-8 mark: spreadsheets then read accents right
        const QStringList righe = QString::fromUtf8(contenuto.mid(3)).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(righe.value(0), QStringLiteral("Numero;Frequenza;Ritardo attuale;Ritardo massimo"));
        QCOMPARE(righe.mid(1), ordinate);

        // The disk fills up after 100 bytes of a new export: the file exported before stays whole.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit pieno{100, limite.rlim_max};
        setrlimit(RLIMIT_FSIZE, &pieno);
        script.aggiungi({true});
        finestra.cmdEsporta_Click();
        setrlimit(RLIMIT_FSIZE, &limite);
        ui::prompt::installaGestoreFile(precedente);
        QVERIFY(script.testi().last().startsWith(QStringLiteral("Impossibile scrivere il file ") + percorso));
        QCOMPARE(QByteArray::fromStdString(banco.cartella.leggiFile("uscita.csv")), contenuto);

        script.aggiungi({true}); // a new search puts every grid back in number order
        finestra.cmdAVVIO_Click();
        QCOMPARE(celle(finestra.mfgRicerca(3)), numerico);
        QCOMPARE(testo(finestra, "lblOrdinamento"), QStringLiteral("NUMERICO"));
    }

    void apertaInteraAlCentro_data() {
        QTest::addColumn<QString>("griglia");
        QTest::addRow("numeri") << "mfgRicerca_0";
        QTest::addRow("ambi") << "mfgFreqRitAmbi_0";
        QTest::addRow("terni") << "mfgFreqRitTerni_0";
    }
    void apertaInteraAlCentro() {
        QFETCH(QString, griglia);
        Banco banco;
        std::unique_ptr<QWidget> finestra;
        if (griglia.startsWith(QStringLiteral("mfgRicerca")))
            finestra = std::make_unique<ui::frmFREQRITESTRATTI>(banco.stato);
        else if (griglia.startsWith(QStringLiteral("mfgFreqRitAmbi")))
            finestra = std::make_unique<ui::frmFREQRITAMBO>(banco.stato);
        else
            finestra = std::make_unique<ui::frmFREQRITTERNI>(banco.stato);
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
        if (qEnvironmentVariableIsSet("QUINTARO_SCATTI")) // the screen, for a person to look at
            finestra->screen()->grabWindow(0).save(qEnvironmentVariable("QUINTARO_SCATTI") + "/" + griglia +
                                                   ".png");
        auto* tabella = finestra->findChild<QTableWidget*>(griglia);
        QCOMPARE(tabella->visibleRegion().boundingRect(), tabella->rect()); // no column cut off
        const QRect cornice = finestra->frameGeometry();
        QVERIFY(cornice.width() <= 800 && cornice.height() <= 600);
        QVERIFY((cornice.center() - finestra->screen()->availableGeometry().center()).manhattanLength() <= 2);
    }

    void opzioniNelleImpostazioni_data() {
        QTest::addColumn<QString>("casella");
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("valore");
        QTest::addColumn<bool>("spuntata");
        QTest::addRow("sensori-1") << "chkSfioramentoSensori" << 71 << "1" << true;
        QTest::addRow("barra-di-stato-2-letto-come-0") << "chkStatusBar" << 72 << "2" << false;
        QTest::addRow("colore-generale-1") << "chk_ColoreGrigliaGenerale" << 90 << "1" << true;
        QTest::addRow("colore-singola-0") << "chk_ColoreGrigliaSingola" << 91 << "0" << false;
    }
    void opzioniNelleImpostazioni() {
        QFETCH(QString, casella);
        QFETCH(int, campo);
        QFETCH(QString, valore);
        QFETCH(bool, spuntata);
        Banco banco;
        QVERIFY(core::Scrivi_Impostazione(banco.stato, campo, valore.toStdString()));
        {
            ui::frmFREQRITESTRATTI finestra(banco.stato);
            auto* box = finestra.findChild<QCheckBox*>(casella);
            QCOMPARE(box->isChecked(), spuntata);
            box->setChecked(!spuntata);
            if (campo >= 90) { // grid 0 follows field 90, grids 1..10 field 91
                const auto colore = [&](int c) { return finestra.mfgRicerca(c)->palette().base().color(); };
                QCOMPARE(colore(campo - 90), spuntata ? QColor(Qt::white) : QColor(0, 255, 255));
                QCOMPARE(colore(91 - campo), QColor(Qt::white));
            }
        }
        QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, campo), spuntata ? 0 : 1);
    }
};

QTEST_MAIN(TestFrmFreqRit)
#include "TestFrmFreqRit.moc"
