// The number and pair search windows: when AVVIO runs no search; the grids, the wheel browsing with each
// wheel's own order and page, the ordering menu; the CSV export and its failure; the option boxes with
// their settings fields; the opening at 800x600, centred, the whole grid in sight; the 27 December message.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "core/Impostazioni.h"
#include "ui/stats/FrmFreqRitAmbo.h"
#include "ui/stats/FrmFreqRitEstratti.h"

#include <QFile>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace {

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

/** The rows of a CSV file written by an export, after its UTF-8 mark; empty without the mark. */
QStringList righeCsv(const QString& percorso) {
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray byte = file.readAll();
    if (!byte.startsWith("\xEF\xBB\xBF")) return {}; // the mark lets spreadsheets read accents right
    return QString::fromUtf8(byte.mid(3)).split("\r\n", Qt::SkipEmptyParts);
}

} // namespace

class TestRicerche : public QObject {
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
        prova::BancoRicerca banco(30, "0010001000");
        if (manca == QStringLiteral("ruote")) core::impostaSelezioneRuote(banco.stato, {});
        if (manca == QStringLiteral("periodo")) banco.stato.Totale_Estrazioni_Selezionate = 0;
        ui::frmFREQRITESTRATTI finestra(banco.stato);
        prova::ScriptPrompt script(risposte);
        finestra.cmdAVVIO_Click();
        QTEST(script.testi().last(), "messaggio");
        QCOMPARE(prova::testo(finestra, "lblRicerca"), QStringLiteral("Nessuna Ricerca effettuata."));
        finestra.cmdRuotaPiu_Click(); // nothing to browse
        QCOMPARE(prova::testo(finestra, "lblRuoteRicerca"), QString());
    }

    void numeriNavigazioneOrdineEdEsportazione() {
        prova::BancoRicerca banco(30, "0010001000"); // FIRENZE and PALERMO
        ui::frmFREQRITESTRATTI finestra(banco.stato);
        prova::ScriptPrompt script({true});
        finestra.cmdAVVIO_Click();
        QCOMPARE(prova::testo(finestra, "lblRicerca"), QStringLiteral("Ricerca eseguita."));
        const auto& r = finestra.risultati();
        for (std::size_t c : {0, 3, 7}) // the wheels together, FIRENZE, PALERMO; number 20 in 20th place
            QCOMPARE(celle(finestra.mfgRicerca(int(c))).at(19), QStringLiteral("20;%1;%2;%3")
                                                                    .arg(r.Frequenza_Numero[c][20])
                                                                    .arg(r.Ritardo_Attuale_Numero[c][20])
                                                                    .arg(r.Ritardo_Massimo_Numero[c][20]));
        QCOMPARE(prova::testo(finestra, "lblRuoteRicerca"), QStringLiteral("FI PA "));
        finestra.cmdRuotaPiu_Click();
        QCOMPARE(prova::testo(finestra, "lblRuoteRicerca"), QStringLiteral("FIRENZE"));

        // The ordering menu's "Ritardo Attuale": the same cells by current delay, ties by number.
        const QStringList numerico = celle(finestra.mfgRicerca(3));
        prova::clic(finestra, "cmdOrdinamento");
        QTest::mouseClick(prova::controllo<QLabel>(finestra, "lblMnu_3"), Qt::LeftButton);
        QCOMPARE(prova::testo(finestra, "lblOrdinamento"), QStringLiteral("RITARDO ATTUALE"));
        QStringList ordinate = numerico;
        std::stable_sort(ordinate.begin(), ordinate.end(), [](const QString& a, const QString& b) {
            return a.section(';', 2, 2).toInt() < b.section(';', 2, 2).toInt();
        });
        QCOMPARE(celle(finestra.mfgRicerca(3)), ordinate);
        finestra.cmdRuotaPiu_Click(); // PALERMO keeps number order
        QCOMPARE(prova::testo(finestra, "lblRuoteRicerca") + prova::testo(finestra, "lblOrdinamento"),
                 QStringLiteral("PALERMONUMERICO"));
        finestra.cmdRuotaMeno_Click(); // back to FIRENZE, still by delay; the menu shows its key
        QCOMPARE(prova::testo(finestra, "lblOrdinamento"), QStringLiteral("RITARDO ATTUALE"));
        QCOMPARE(celle(finestra.mfgRicerca(3)), ordinate);
        prova::clic(finestra, "cmdOrdinamento");
        QVERIFY(prova::controllo<QLabel>(finestra, "lblMnu_3")->font().bold());
        QVERIFY(!prova::controllo<QLabel>(finestra, "lblMnu_4")->font().bold());

        // The export writes the grid on show, in its order.
        const QString percorso = QString::fromStdString((banco.cartella.percorso() / "uscita.csv").string());
        prova::FileScelto file(percorso);
        script.aggiungi({true});
        finestra.cmdEsporta_Click();
        QVERIFY(file.proposti.value(0).endsWith(QStringLiteral("frequenze_ritardi_firenze.csv")));
        QVERIFY(script.testi().last().contains(QStringLiteral("FIRENZE")));
        const QStringList righe = righeCsv(percorso);
        QCOMPARE(righe.value(0), QStringLiteral("Numero;Frequenza;Ritardo attuale;Ritardo massimo"));
        QCOMPARE(righe.mid(1), ordinate);

        // The disk fills up after 100 bytes of a new export: the file exported before stays whole.
        const std::string esportato = banco.cartella.leggiFile("uscita.csv");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit pieno{100, limite.rlim_max};
        setrlimit(RLIMIT_FSIZE, &pieno);
        script.aggiungi({true});
        finestra.cmdEsporta_Click();
        setrlimit(RLIMIT_FSIZE, &limite);
        QVERIFY(script.testi().last().startsWith(QStringLiteral("Impossibile scrivere il file ") + percorso));
        QCOMPARE(banco.cartella.leggiFile("uscita.csv"), esportato);

        script.aggiungi({true}); // a new search puts every grid back in number order
        finestra.cmdAVVIO_Click();
        QCOMPARE(celle(finestra.mfgRicerca(3)), numerico);
        QCOMPARE(prova::testo(finestra, "lblOrdinamento"), QStringLiteral("NUMERICO"));
    }

    void ambiPagineOrdineEdEsportazione() {
        prova::BancoRicerca banco(40, "0000000011"); // TORINO and VENEZIA
        ui::frmFREQRITAMBO finestra(banco.stato);
        prova::ScriptPrompt script({true});
        finestra.cmdAVVIO_Click();
        QCOMPARE(prova::testo(finestra, "lblRuoteRicerca"), QStringLiteral("TO VE "));
        const QString griglia = QStringLiteral("mfgFreqRitAmbi_0");
        const auto riga = [&](const QString& nome, int r) {
            return QStringList{prova::cella(finestra, nome, r, 0), prova::cella(finestra, nome, r, 1)};
        };
        QCOMPARE(riga(griglia, 1), (QStringList{"1", " 1 -  2"}));
        QCOMPARE(prova::cella(finestra, griglia, 1, 2).toInt(), finestra.risultati().frequenza(0, 1));
        QVERIFY(prova::cella(finestra, "mfgFreqRitAmbi_3", 1, 1).isEmpty()); // a wheel not searched
        QCOMPARE(finestra.vscFrAmbi(0)->maximum(), 3981);
        finestra.vscFrAmbi(0)->setValue(3981); // the last page
        QCOMPARE(riga(griglia, 25), (QStringList{"4005", " 89 -  90"}));
        QCOMPARE(prova::cella(finestra, griglia, 25, 3).toInt(),
                 finestra.risultati().ritardoAttuale(0, 4005));

        // Each wheel keeps its own page and order; ordering goes back to the first page.
        finestra.cmdRuotaPiu_Click(); // TORINO
        finestra.vscFrAmbi(9)->setValue(200);
        finestra.cmdRuotaPiu_Click(); // VENEZIA
        finestra.vscFrAmbi(10)->setValue(50);
        finestra.ordina(2);
        QCOMPARE(prova::testo(finestra, "lblOrdinamento"), QStringLiteral("FREQUENZA"));
        QCOMPARE(finestra.vscFrAmbi(10)->value(), 1);
        for (int r = 1; r < 25; ++r)
            QVERIFY(prova::cella(finestra, "mfgFreqRitAmbi_10", r, 2).toInt() <=
                    prova::cella(finestra, "mfgFreqRitAmbi_10", r + 1, 2).toInt());
        QCOMPARE(riga("mfgFreqRitAmbi_10", 1).at(1), QStringLiteral(" 1 -  2")); // never drawn: first of ties
        finestra.cmdRuotaMeno_Click();                                           // back to TORINO
        QCOMPARE(prova::testo(finestra, "lblOrdinamento"), QStringLiteral("NUMERICO"));
        QCOMPARE(riga("mfgFreqRitAmbi_9", 1).at(0), QStringLiteral("200"));

        // The export follows the grid: position 1 is the pair on the grid's first row.
        const QString percorso = QString::fromStdString((banco.cartella.percorso() / "ambi.csv").string());
        prova::FileScelto file(percorso);
        script.aggiungi({true});
        finestra.ordina(3);
        finestra.cmdEsporta_Click();
        const QStringList righe = righeCsv(percorso);
        QCOMPARE(righe.size(), 4006);
        QCOMPARE(righe.value(0), QStringLiteral("Posizione;Ambo;Frequenza;Ritardo attuale;Ritardo massimo"));
        const QStringList prima = riga("mfgFreqRitAmbi_9", 1);
        QCOMPARE(righe.value(1).section(';', 0, 1), "1;" + QString(prima.at(1)).remove(QLatin1Char(' ')));
        QCOMPARE(righe.value(1).section(';', 3, 3), prova::cella(finestra, "mfgFreqRitAmbi_9", 1, 3));
    }

    void apertaInteraAlCentro_data() {
        QTest::addColumn<QString>("griglia");
        QTest::addRow("numeri") << "mfgRicerca_0";
        QTest::addRow("ambi") << "mfgFreqRitAmbi_0";
    }
    void apertaInteraAlCentro() {
        QFETCH(QString, griglia);
        prova::BancoRicerca banco(30, "0010001000");
        std::unique_ptr<QWidget> finestra;
        if (griglia.startsWith(QStringLiteral("mfgRicerca")))
            finestra = std::make_unique<ui::frmFREQRITESTRATTI>(banco.stato);
        else
            finestra = std::make_unique<ui::frmFREQRITAMBO>(banco.stato);
        finestra->show();
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
        if (qEnvironmentVariableIsSet("QUINTARO_SCATTI")) // the screen, for a person to look at
            finestra->screen()->grabWindow(0).save(qEnvironmentVariable("QUINTARO_SCATTI") + "/" + griglia +
                                                   ".png");
        auto* tabella = prova::controllo<QTableWidget>(*finestra, griglia);
        QCOMPARE(tabella->visibleRegion().boundingRect(), tabella->rect()); // no column cut off
        const QRect cornice = finestra->frameGeometry();
        QVERIFY(cornice.width() <= 800 && cornice.height() <= 600);
        QVERIFY((cornice.center() - finestra->screen()->availableGeometry().center()).manhattanLength() <= 2);
    }

    void opzioniNelleImpostazioni_data() {
        QTest::addColumn<bool>("ambi");
        QTest::addColumn<QString>("casella");
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("valore");
        QTest::addRow("sensori-1") << false << "chkSfioramentoSensori" << 71 << "1";
        QTest::addRow("barra-di-stato-2-letta-come-0") << false << "chkStatusBar" << 72 << "2";
        QTest::addRow("colore-generale-1") << false << "chk_ColoreGrigliaGenerale" << 90 << "1";
        QTest::addRow("colore-singola-0") << false << "chk_ColoreGrigliaSingola" << 91 << "0";
        QTest::addRow("ambi-barra-di-stato-0") << true << "chkStatusBar" << 74 << "0";
        QTest::addRow("ambi-colore-singola-1") << true << "chk_ColoreGrigliaSingola" << 93 << "1";
    }
    void opzioniNelleImpostazioni() {
        QFETCH(bool, ambi);
        QFETCH(QString, casella);
        QFETCH(int, campo);
        QFETCH(QString, valore);
        prova::BancoRicerca banco(30, "0010001000");
        QVERIFY(core::Scrivi_Impostazione(banco.stato, campo, valore.toStdString()));
        const bool spuntata = valore == QStringLiteral("1");
        {
            std::unique_ptr<QWidget> finestra;
            if (ambi)
                finestra = std::make_unique<ui::frmFREQRITAMBO>(banco.stato);
            else
                finestra = std::make_unique<ui::frmFREQRITESTRATTI>(banco.stato);
            auto* box = prova::controllo<QCheckBox>(*finestra, casella);
            QCOMPARE(box->isChecked(), spuntata);
            box->setChecked(!spuntata);
            if (casella.startsWith(QStringLiteral("chk_Colore"))) { // grid 0 general, grids 1..10 single
                const auto colore = [&](int c) {
                    return prova::controllo<QTableWidget>(
                               *finestra, QString(ambi ? "mfgFreqRitAmbi_%1" : "mfgRicerca_%1").arg(c))
                        ->palette()
                        .base()
                        .color();
                };
                const bool generale = casella.endsWith(QStringLiteral("Generale"));
                QCOMPARE(colore(generale ? 0 : 4), spuntata ? QColor(Qt::white) : QColor(0, 255, 255));
                QCOMPARE(colore(generale ? 4 : 0), QColor(Qt::white));
            }
        }
        QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, campo), spuntata ? 0 : 1);
        // The other window's field is not touched.
        const int altro = ambi ? campo - 2 : campo + 2;
        QVERIFY(QString::fromStdString(core::Leggi_Impostazione(banco.stato, altro)).trimmed().isEmpty());
    }

    void auguriSoloIl27Dicembre_data() {
        QTest::addColumn<QDate>("oggi");
        QTest::addColumn<bool>("messaggio");
        QTest::addRow("27-dicembre") << QDate(2026, 12, 27) << true;
        QTest::addRow("26-dicembre") << QDate(2026, 12, 26) << false;
        QTest::addRow("27-novembre") << QDate(2026, 11, 27) << false;
    }
    void auguriSoloIl27Dicembre() {
        QFETCH(QDate, oggi);
        QFETCH(bool, messaggio);
        prova::BancoRicerca banco(30, "0010001000");
        ui::frmFREQRITAMBO finestra(banco.stato);
        finestra.impostaOrologio([oggi] { return oggi; });
        prova::ScriptPrompt script(messaggio ? QList<bool>{true} : QList<bool>{});
        QTest::keyClick(&finestra, Qt::Key_Space);
        QCOMPARE(script.testi().filter(QRegularExpression("^Auguri")).size(), messaggio ? 1 : 0);
    }
};

QTEST_MAIN(TestRicerche)
#include "TestRicerche.moc"
