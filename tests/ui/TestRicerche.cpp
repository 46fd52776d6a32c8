// The number and pair search windows: when AVVIO runs no search; the grids, the wheel browsing with each
// wheel's own order and page, the ordering menu; the CSV export and its failure; the option boxes with
// their settings fields; the opening at 800x600, centred, the whole grid in sight; the descending order, the
// mouse wheel over the grid and the searched period in sight when a quick period changes it.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "core/Impostazioni.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/stats/FrmFreqRitAmbo.h"
#include "ui/stats/FrmFreqRitEstratti.h"
#include "ui/stats/FrmFreqRitTerni.h"
#include "ui/stats/FrmGrafico.h"
#include "ui/stats/FrmNumeriSpia.h"
#include "ui/stats/FrmVerificaCaso.h"

#include <QComboBox>
#include <QFile>
#include <QScreen>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <numeric>
#include <sys/resource.h>

namespace {

// The number grid's 90 cells in display order (six bands of 15), each "number;frequency;delay;max delay".
QStringList celle(const QWidget& finestra, int colonna) {
    QStringList celle;
    for (int p = 0; p < 90; ++p) {
        QStringList valori;
        for (int r = 0; r < 4; ++r)
            valori << prova::cella(finestra, QStringLiteral("mfgRicerca_%1").arg(colonna), 4 * (p / 15) + r,
                                   p % 15 + 1);
        celle << valori.join(QLatin1Char(';'));
    }
    return celle;
}

// The rows of a CSV file written by an export, after the UTF-8 mark that lets spreadsheets read accents.
QStringList righeCsv(const QString& percorso) {
    QFile file(percorso);
    const QByteArray byte = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return byte.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(byte.mid(3)).split("\r\n", Qt::SkipEmptyParts)
                                           : QStringList();
}

// A search window over 30 draws, FIRENZE and PALERMO selected.
std::unique_ptr<ui::FinestraRicerca> finestra(bool ambi, core::Stato& stato) {
    if (ambi) return std::make_unique<ui::frmFREQRITAMBO>(stato);
    return std::make_unique<ui::frmFREQRITESTRATTI>(stato);
}

} // namespace

class TestRicerche : public QObject {
    Q_OBJECT
private slots:
    void avvioSenzaRicerca_data() {
        QTest::addColumn<QString>("manca"); // what the search lacks
        QTest::addColumn<QString>("messaggio");
        QTest::addRow("risposta-no") << ""
                                     << "Avviare una nuova ricerca?";
        QTest::addRow("senza-ruote") << "ruote"
                                     << "Selezionare almeno una Ruota!";
        QTest::addRow("senza-periodo") << "periodo"
                                       << "Selezionare un Periodo di ricerca!";
    }
    void avvioSenzaRicerca() {
        QFETCH(QString, manca);
        prova::BancoRicerca banco(30, "0010001000");
        if (manca == "ruote") core::impostaSelezioneRuote(banco.stato, {});
        if (manca == "periodo") banco.stato.Totale_Estrazioni_Selezionate = 0;
        ui::frmFREQRITESTRATTI f(banco.stato);
        prova::ScriptPrompt script({!manca.isEmpty(), true});
        f.cmdAVVIO_Click();
        QTEST(script.testi().last(), "messaggio");
        f.cmdRuotaPiu_Click(); // nothing to browse
        QCOMPARE(prova::testo(f, "lblRicerca") + prova::testo(f, "lblRuoteRicerca"),
                 "Nessuna Ricerca effettuata.");
    }

    void numeriNavigazioneOrdineEdEsportazione() {
        prova::BancoRicerca banco(30, "0010001000"); // FIRENZE and PALERMO
        ui::frmFREQRITESTRATTI f(banco.stato);
        prova::ScriptPrompt script({true});
        f.cmdAVVIO_Click();
        QCOMPARE(prova::testo(f, "lblRicerca") + prova::testo(f, "lblRuoteRicerca"),
                 "Ricerca eseguita.FI PA ");
        const auto& r = f.risultati();
        for (std::size_t c : {0, 3, 7}) // the wheels together, FIRENZE, PALERMO; number 20 in 20th place
            QCOMPARE(celle(f, int(c)).at(19), QStringLiteral("20;%1;%2;%3")
                                                  .arg(r.Frequenza_Numero[c][20])
                                                  .arg(r.Ritardo_Attuale_Numero[c][20])
                                                  .arg(r.Ritardo_Massimo_Numero[c][20]));
        f.cmdRuotaPiu_Click();
        QCOMPARE(prova::testo(f, "lblRuoteRicerca"), QStringLiteral("FIRENZE"));

        // The ordering menu's "Ritardo Attuale": the same cells by current delay, ties by number.
        const QStringList numerico = celle(f, 3);
        QCOMPARE(prova::cella(f, "mfgRicerca_3", 7, 0) + '/' + prova::cella(f, "mfgRicerca_3", 20, 0),
                 QStringLiteral("R. MASSIMO/NUMERO"));                     // each band's captions
        auto* griglia = prova::controllo<QTableWidget>(f, "mfgRicerca_3"); // its number row in bold
        QVERIFY(griglia->item(4, 1)->font().bold() && !griglia->item(5, 1)->font().bold());
        prova::clic(f, "cmdOrdinamento"); // chance's orders are offered with "Mostra il caso" only
        QEvent sopra(QEvent::Enter);      // and the mouse over an entry keeps the menu open
        QApplication::sendEvent(prova::controllo(f, "lblMnu_3"), &sopra);
        QVERIFY(!prova::controllo(f, "lblMnu_9")->isVisibleTo(&f) &&
                prova::controllo(f, "lblMnu_7")->isVisibleTo(&f));
        QTest::mouseClick(prova::controllo(f, "lblMnu_3"), Qt::LeftButton);
        QStringList ordinate = numerico;
        std::stable_sort(ordinate.begin(), ordinate.end(), [](const QString& a, const QString& b) {
            return a.section(';', 2, 2).toInt() < b.section(';', 2, 2).toInt();
        });
        QCOMPARE(celle(f, 3), ordinate);
        f.cmdRuotaPiu_Click(); // PALERMO takes the order chosen on FIRENZE
        QCOMPARE(prova::testo(f, "lblRuoteRicerca") + prova::testo(f, "lblOrdinamento"),
                 "PALERMORITARDO ATTUALE");
        QCOMPARE(
            celle(f, 7).at(0).section(';', 2, 2).toInt(),
            *std::min_element(r.Ritardo_Attuale_Numero[7].begin() + 1, r.Ritardo_Attuale_Numero[7].end()));
        f.cmdRuotaMeno_Click(); // back to FIRENZE, still by delay; the menu shows its key
        QCOMPARE(prova::testo(f, "lblOrdinamento"), QStringLiteral("RITARDO ATTUALE"));
        prova::clic(f, "cmdOrdinamento"); // the key and the order, "Crescente", stand out
        QVERIFY(prova::controllo<QLabel>(f, "lblMnu_3")->font().bold() &&
                prova::controllo<QLabel>(f, "lblMnu_6")->font().bold());

        // The export writes the grid on show, in its order.
        const QString percorso = QString::fromStdString((banco.cartella.percorso() / "uscita.csv").string());
        prova::FileScelto file(percorso);
        script.aggiungi({true});
        f.cmdEsporta_Click();
        QVERIFY(file.proposti.value(0).endsWith(QStringLiteral("frequenze_ritardi_firenze.csv")));
        QCOMPARE(righeCsv(percorso),
                 QStringList{"Numero;Frequenza;Ritardo attuale;Ritardo massimo"} + ordinate);

        // The disk fills up after 100 bytes of a new export: the file exported before stays whole.
        const std::string esportato = banco.cartella.leggiFile("uscita.csv");
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit pieno{100, limite.rlim_max};
        setrlimit(RLIMIT_FSIZE, &pieno);
        script.aggiungi({true});
        f.cmdEsporta_Click();
        setrlimit(RLIMIT_FSIZE, &limite);
        QVERIFY(script.testi().last().startsWith(QStringLiteral("Impossibile scrivere il file ") + percorso));
        QCOMPARE(banco.cartella.leggiFile("uscita.csv"), esportato);
        { // cancelled in the file chooser: nothing written, nothing said
            const qsizetype detti = script.testi().size();
            prova::FileScelto annullato({});
            f.cmdEsporta_Click();
            QCOMPARE(script.testi().size(), detti);
        }

        // "Mostra il caso": the cell clicked says the chance of its delay; "Rarità del ritardo attuale"
        // descending lists the longest delays first.
        const auto clicSullaCella = [&] {
            QTest::mouseClick(griglia->viewport(), Qt::LeftButton, {},
                              griglia->visualItemRect(griglia->item(2, 1)).center());
        };
        const auto suggerimento = [&] { // the tooltip of the cell under the mouse
            const QPoint punto = griglia->visualItemRect(griglia->item(2, 1)).center();
            QHelpEvent aiuto(QEvent::ToolTip, punto, griglia->viewport()->mapToGlobal(punto));
            QApplication::sendEvent(griglia->viewport(), &aiuto);
            return QToolTip::text();
        };
        clicSullaCella(); // without "Mostra il caso" no sentence, no tooltip
        QCOMPARE(prova::testo(f, "pctPubblicitaRicerche") + suggerimento(),
                 QStringLiteral("Quintaro — conta e mostra ciò che l'archivio contiene"));
        prova::controllo<QCheckBox>(f, "chkCaso")->setChecked(true);
        QCOMPARE(suggerimento(), f.testoCaso(3, 2, 1));
        clicSullaCella();
        const int ritardo = ordinate.at(0).section(';', 2, 2).toInt();
        QCOMPARE(prova::testo(f, "pctPubblicitaRicerche"),
                 QStringLiteral("Ritardo attuale %1 su FIRENZE: per caso accade circa 1 volta su %2")
                     .arg(ritardo)
                     .arg(std::llround(std::pow(18.0 / 17.0, ritardo))));
        QCOMPARE(prova::testo(f, "sbrRicerca_2"), prova::testo(f, "pctPubblicitaRicerche")); // its panel
        f.ordinaDecrescente(true);
        prova::clic(f, "cmdOrdinamento");
        QVERIFY(prova::controllo(f, "lblMnu_9")->isVisibleTo(&f));
        QTest::mouseClick(prova::controllo(f, "lblMnu_9"), Qt::LeftButton);
        QCOMPARE(celle(f, 3).at(0).section(';', 2, 2), ordinate.last().section(';', 2, 2));
        QCOMPARE(prova::testo(f, "lblOrdinamento"), QStringLiteral("RARITÀ DEL RITARDO"));
        f.ordinaDecrescente(false);

        // A new search puts every grid back in number order; with the status bar, its wheels and time.
        prova::controllo<QCheckBox>(f, "chkStatusBar")->setChecked(true);
        script.aggiungi({true});
        f.cmdAVVIO_Click();
        QCOMPARE(celle(f, 3), numerico);
        QVERIFY(prova::testo(f, "sbrRicerca_1") == "Ruote: FI PA " &&
                prova::testo(f, "sbrRicerca_3").startsWith("Data: ") &&
                prova::testo(f, "sbrRicerca_4").startsWith("Ora: "));

        // The first position (of five), kept in its field: one number a draw on each wheel; the period line
        // says it.
        QCOMPARE(prova::controllo<QComboBox>(f, "cboPosizione")->itemText(5), QStringLiteral("5ª"));
        prova::controllo<QComboBox>(f, "cboPosizione")->setCurrentIndex(1);
        script.aggiungi({true});
        f.cmdAVVIO_Click();
        QVERIFY2(prova::testo(f, "lblPeriodoRicerca").endsWith(QStringLiteral(" — Posizione: 1ª")),
                 qPrintable(prova::testo(f, "lblPeriodoRicerca")));
        QCOMPARE(std::accumulate(r.Frequenza_Numero[3].begin(), r.Frequenza_Numero[3].end(), 0), 30);
        f.apriGrafico(3, 0, 1); // a number's chart in that position says so
        QVERIFY(f.findChild<ui::FrmGrafico*>()->windowTitle().endsWith(
            QStringLiteral(" in 1ª posizione — FIRENZE")));
        QCOMPARE(core::valoreCampo(banco.stato, core::campi::POSIZIONE_NUMERI), 1);
    }

    void ambiPagineOrdineEdEsportazione() {
        prova::BancoRicerca banco(40, "0000000011"); // TORINO and VENEZIA
        ui::frmFREQRITAMBO f(banco.stato);
        prova::ScriptPrompt script({true, true});
        f.cmdAVVIO_Click();
        const auto riga = [&](int c, int r) {
            QStringList testi;
            for (int k = 0; k < 4; ++k)
                testi << prova::cella(f, QStringLiteral("mfgFreqRitAmbi_%1").arg(c), r, k);
            return testi;
        };
        const auto& risultati = f.risultati();
        QCOMPARE(riga(0, 1).mid(0, 3),
                 (QStringList{"1", " 1 -  2", QString::number(risultati.frequenza(0, 1))}));
        QVERIFY(riga(3, 1).at(1).isEmpty()); // a wheel not searched
        QCOMPARE(f.vscFrAmbi(0)->maximum(), 3981);
        f.vscFrAmbi(0)->setValue(3981); // the last page
        const QStringList ultima = riga(0, 25);
        QCOMPARE(ultima.at(0) + ultima.at(1) + ';' + ultima.at(3),
                 "4005 89 -  90;" + QString::number(risultati.ritardoAttuale(0, 4005)));

        // Each wheel keeps its own page; an order chosen follows to the next wheel, from its first page.
        f.cmdRuotaPiu_Click(); // TORINO
        f.vscFrAmbi(9)->setValue(200);
        f.cmdRuotaPiu_Click(); // VENEZIA
        f.vscFrAmbi(10)->setValue(50);
        f.ordina(2);
        QCOMPARE(f.vscFrAmbi(10)->value(), 1);
        for (int r = 1; r < 25; ++r)
            QVERIFY(riga(10, r).at(2).toInt() <= riga(10, r + 1).at(2).toInt());
        QCOMPARE(riga(10, 1).at(1), QStringLiteral(" 1 -  2")); // never drawn here: the first of the ties
        f.cmdRuotaMeno_Click();                                 // back to TORINO
        QCOMPARE(prova::testo(f, "lblOrdinamento") + ' ' + riga(9, 1).at(0), "FREQUENZA 1");

        // The export follows the grid: position 1 is the pair on the grid's first row.
        const QString percorso = QString::fromStdString((banco.cartella.percorso() / "ambi.csv").string());
        prova::FileScelto file(percorso);
        f.ordina(3);
        f.cmdEsporta_Click();
        const QStringList righe = righeCsv(percorso);
        QCOMPARE(righe.size(), 4006);
        QCOMPARE(righe.value(0), QStringLiteral("Posizione;Ambo;Frequenza;Ritardo attuale;Ritardo massimo"));
        const QStringList prima = riga(9, 1);
        QCOMPARE(righe.value(1).section(';', 0, 3),
                 "1;" + QString(prima.at(1)).remove(' ') + ';' + prima.at(2) + ';' + prima.at(3));
    }

    void decrescenteRotellaEPeriodoCambiato() {
        prova::BancoRicerca banco(30, "0010001000"); // FIRENZE and PALERMO
        ui::frmPeriodo periodo(banco.stato);
        ui::frmFREQRITAMBO f(banco.stato);
        prova::ScriptPrompt script({true});
        f.cmdAVVIO_Click();
        QCOMPARE(prova::testo(f, "lblPeriodoRicerca"),
                 QStringLiteral("Periodo: dal 4/2/2001 al 7/7/2001 (30 estrazioni) — Ruote: FI PA"));
        // "Decrescente", then "Ritardo Attuale": the longest delays first, kept for the next window.
        prova::clic(f, "cmdOrdinamento");
        QTest::mouseClick(prova::controllo(f, "lblMnu_7"), Qt::LeftButton);
        prova::clic(f, "cmdOrdinamento"); // chance's orders are offered with "Mostra il caso" only
        QEvent sopra(QEvent::Enter);      // and the mouse over an entry keeps the menu open
        QApplication::sendEvent(prova::controllo(f, "lblMnu_3"), &sopra);
        QVERIFY(!prova::controllo(f, "lblMnu_9")->isVisibleTo(&f) &&
                prova::controllo(f, "lblMnu_7")->isVisibleTo(&f));
        QTest::mouseClick(prova::controllo(f, "lblMnu_3"), Qt::LeftButton);
        const auto ritardo = [&](int r) { return prova::cella(f, "mfgFreqRitAmbi_0", r, 3).toInt(); };
        QVERIFY(ritardo(1) == 30 && ritardo(1) >= ritardo(25));
        QCOMPARE(prova::testo(f, "lblOrdine") +
                     QString::number(core::valoreCampo(banco.stato, core::campi::DECRESCENTE_AMBI)),
                 "Decrescente1");
        // Two notches of the wheel down over the grid: six rows further.
        auto* griglia = prova::controllo<QTableWidget>(f, "mfgFreqRitAmbi_0");
        QWheelEvent rotella({10, 10}, {10, 10}, {}, {0, -240}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(griglia->viewport(), &rotella);
        QCOMPARE(f.vscFrAmbi(0)->value(), 7);
        // A quick period applies at once; the results say they belong to the period before.
        prova::clic(periodo, "cmdUltime18");
        QCOMPARE(banco.stato.Totale_Estrazioni_Selezionate, 18);
        script.aggiungi({true});
        f.cmdAVVIO_Click();
        QCOMPARE(prova::testo(f, "lblPeriodoRicerca"),
                 QStringLiteral("Periodo: dal 12/2/2001 al 7/7/2001 (18 estrazioni) — Ruote: FI PA"));
        // Space shows the message of 27 December on that day only.
        const qsizetype mostrati = script.testi().size();
        f.impostaOrologio([] { return QDate(2024, 12, 28); });
        QTest::keyClick(&f, Qt::Key_Space);
        f.impostaOrologio([] { return QDate(2024, 12, 27); });
        script.aggiungi({true});
        QTest::keyClick(&f, Qt::Key_Space);
        QCOMPARE(script.testi().size(), mostrati + 1);
    }

    void spiaRuoteSelezionateEsportaEStampa() {
        prova::BancoRicerca banco(30, "0010001000"); // FIRENZE and PALERMO: together, then each alone
        ui::frmNUMERISPIA f(banco.stato);
        prova::controllo<QComboBox>(f, "cboBersaglio")->setCurrentIndex(1);
        prova::ScriptPrompt script({true});
        f.cmdAVVIO_Click();
        f.cmdRuotaPiu_Click();
        QCOMPARE(prova::testo(f, "lblRuoteRicerca") + QString::number(f.risultati(0).ruoteBersaglio) +
                     QString::number(f.risultati(3).ruoteBersaglio),
                 "FIRENZE21");
        QCOMPARE(prova::testo(f, "lblUsciteSpia"),
                 QStringLiteral("Spia 1 su BARI, 1 colpo, bersaglio: FI PA — uscite della spia: %1")
                     .arg(f.risultati(0).uscite));
        QVERIFY(f.testoCaso(3, 0, 1).isEmpty()); // no delay here for chance to weigh
        const QString percorso = QString::fromStdString((banco.cartella.percorso() / "spia.csv").string());
        prova::FileScelto file(percorso);
        script.aggiungi({true});
        f.cmdEsporta_Click(); // FIRENZE's grid as shown: most presences first
        const QStringList righe = righeCsv(percorso);
        QCOMPARE(righe.value(1).section(';', 0, 4).replace('.', ','),
                 QStringList({prova::cella(f, "mfgSpia_3", 0, 1), QString::number(f.risultati(3).uscite),
                              prova::cella(f, "mfgSpia_3", 0, 2), prova::cella(f, "mfgSpia_3", 0, 3),
                              prova::cella(f, "mfgSpia_3", 0, 4)})
                     .join(';'));
        QVERIFY(
            prova::stampato([&] { f.cmdStampa_Click(); }).contains("Spia 1 su BARI, 1 colpo, bersaglio: FI"));
    }

    void verificaDelCasoRiepilogoEColonne() {
        prova::BancoRicerca banco(30, "0010001000"); // FIRENZE and PALERMO
        ui::FrmVerificaCaso f(banco.stato);
        prova::ScriptPrompt script({true});
        f.cmdAVVIO_Click();
        stats::RisultatiNumeri r;
        QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(banco.stato, r));
        // The summary: a row per selected wheel, in wheel order, with its test and most frequent number.
        const auto palermo = stats::verificaCaso(r, 7);
        QCOMPARE(f.griglia(0)->rowCount(), 2);
        QCOMPARE(prova::cella(f, "mfgVerifica_0", 1, 0) + ' ' + prova::cella(f, "mfgVerifica_0", 1, 1),
                 "PALERMO " + QLocale(QLocale::Italian).toString(palermo.chi2, 'f', 2));
        QVERIFY(
            prova::cella(f, "mfgVerifica_0", 1, 4).startsWith(QString::number(palermo.piuFrequente) + " ("));
        QCOMPARE(f.griglia(0)->item(1, 3)->textAlignment(),
                 int(Qt::AlignLeft | Qt::AlignVCenter)); // the verdict
        QVERIFY(prova::stampato([&] { f.cmdStampa_Click(); }).contains("PALERMO"));
        const QString percorso = QString::fromStdString((banco.cartella.percorso() / "caso.csv").string());
        prova::FileScelto file(percorso);
        script.aggiungi({true});
        f.cmdEsporta_Click(); // the summary as shown, a row per wheel after the header
        QCOMPARE(righeCsv(percorso).value(2).section(';', 0, 0), "PALERMO");
        // A wheel's page: the numbers in order with their frequencies; a cell's chart is its number's.
        for (int riga : {0, 89})
            QCOMPARE(prova::cella(f, "mfgVerifica_7", riga, 0) + ' ' +
                         prova::cella(f, "mfgVerifica_7", riga, 1),
                     QStringLiteral("%1 %2").arg(riga + 1).arg(r.Frequenza_Numero[7][std::size_t(riga) + 1]));
        f.apriGrafico(7, 0, 1);
        QCOMPARE(f.findChild<ui::FrmGrafico*>()->windowTitle(),
                 QStringLiteral("Grafico del numero 1 — PALERMO"));
    }

    void apertaInteraAlCentro_data() {
        QTest::addColumn<QString>("griglia");
        QTest::addColumn<bool>("cambiato"); // searched, then the period changed: the red notice shows
        QTest::addRow("numeri") << "mfgRicerca_0" << false;
        QTest::addRow("ambi") << "mfgFreqRitAmbi_0" << false;
        QTest::addRow("terni") << "mfgFreqRitTerni_0" << false;
        QTest::addRow("numeri-periodo-cambiato") << "mfgRicerca_0" << true;
        QTest::addRow("ambi-periodo-cambiato") << "mfgFreqRitAmbi_0" << true;
        QTest::addRow("spia-periodo-cambiato") << "mfgSpia_0" << true;
    }
    void apertaInteraAlCentro() {
        QFETCH(QString, griglia);
        QFETCH(bool, cambiato);
        prova::BancoRicerca banco(30, "0010001000");
        ui::frmPeriodo periodo(banco.stato);
        std::unique_ptr<ui::FinestraRicerca> f;
        if (griglia.startsWith("mfgFreqRitTerni"))
            f = std::make_unique<ui::frmFREQRITTERNI>(banco.stato);
        else if (griglia.startsWith("mfgSpia"))
            f = std::make_unique<ui::frmNUMERISPIA>(banco.stato);
        else
            f = finestra(griglia.startsWith("mfgFreqRitAmbi"), banco.stato);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        if (cambiato) {
            prova::ScriptPrompt script({true});
            f->cmdAVVIO_Click();
            prova::clic(periodo, "cmdUltime18");
            QCOMPARE(prova::testo(*f, "lblPeriodoRicerca"), "Periodo cambiato: premere AVVIO per aggiornare");
            QCoreApplication::processEvents();
        }
        auto* tabella = prova::controllo<QTableWidget>(*f, griglia);
        QCOMPARE(tabella->visibleRegion().boundingRect(), tabella->rect()); // no column or row cut off
        QVERIFY(
            QRect(QPoint(), f->size()).contains(QRect(tabella->mapTo(f.get(), QPoint()), tabella->size())));
        const QRect cornice = f->frameGeometry();
        QVERIFY(cornice.width() <= 800 && cornice.height() <= 600);
        QVERIFY((cornice.center() - f->screen()->availableGeometry().center()).manhattanLength() <= 2);
    }

    void opzioniNelleImpostazioni_data() {
        QTest::addColumn<bool>("ambi");
        QTest::addColumn<int>(
            "campo"); // the field of "Colore Griglia ruote incrociate"; "2" there reads as 0
        QTest::addColumn<QString>("valore");
        QTest::addRow("numeri") << false << 90 << "2";
        QTest::addRow("ambi") << true << 92 << "1";
    }
    void opzioniNelleImpostazioni() {
        QFETCH(bool, ambi);
        QFETCH(int, campo);
        QFETCH(QString, valore);
        prova::BancoRicerca banco(30, "0010001000");
        QVERIFY(core::Scrivi_Impostazione(banco.stato, campo, valore.toStdString()));
        const bool spuntata = valore == "1";
        {
            const auto f = finestra(ambi, banco.stato);
            auto* box = prova::controllo<QCheckBox>(*f, "chk_ColoreGrigliaGenerale");
            QCOMPARE(box->isChecked(), spuntata);
            box->setChecked(!spuntata); // grid 0 takes the colour, the wheels' grids keep theirs
            const QString griglia =
                ambi ? QStringLiteral("mfgFreqRitAmbi_%1") : QStringLiteral("mfgRicerca_%1");
            const auto colore = [&](int c) {
                return prova::controllo<QTableWidget>(*f, griglia.arg(c))->palette().base().color();
            };
            QCOMPARE(colore(0), spuntata ? QColor(Qt::white) : QColor(0, 255, 255));
            QCOMPARE(colore(4), QColor(Qt::white));
            prova::controllo<QCheckBox>(*f, "chkStatusBar")->setChecked(true);
            prova::controllo<QCheckBox>(*f, "chkCaso")->setChecked(true);
        }
        QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, ambi ? 26 : 25), 1);
        // Each box in its own field, each window in its own fields: the other window's are not touched.
        QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, campo), spuntata ? 0 : 1);
        QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, ambi ? 74 : 72), 1);
        QVERIFY(core::Leggi_Impostazione(banco.stato, ambi ? 90 : 92).find_first_not_of(' ') ==
                std::string::npos);
    }
};

QTEST_MAIN(TestRicerche)
#include "TestRicerche.moc"
