// The demo archive: consistent files the program loads, valid draws with ascending dates, and a writer
// that never overwrites a user's archive nor leaves half of one.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "core/Lotto.h"
#include "demo/Demo.h"

#include <QDate>
#include <QProcess>
#include <QTest>

#include <set>

namespace fs = std::filesystem;
using demo::EsitoScrittura;

class TestDemo : public QObject {
    Q_OBJECT

    const demo::ArchivioDemo m_archivio = demo::generaArchivioDemo();

private slots:
    void fileCoerentiRecordValidiDateCrescenti() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        const int n = m_archivio.archivio.estrazioni();
        QCOMPARE(demo::scriviArchivioDemo(cartella.percorso(), m_archivio).esito, EsitoScrittura::Scritto);
        const auto aperto = core::apriArchivio(stato);
        QCOMPARE(stato.Estrazioni_In_Archivio, n);
        QVERIFY(aperto.verifica.discordanti.empty()); // every file holds n records
        const auto esito = core::START_Memorizzazione_Estrazioni(stato, aperto.archivio, 1, n);
        QCOMPARE(esito.recordDanneggiati + esito.estrazioniIncomplete, 0);

        // Every record holds five distinct numbers 1..90, except CAGLIARI and GENOVA up to 1 July 1939,
        // which are null; contests restart each year and dates ascend on the draw days of their time.
        core::LOTTO lotto(stato);
        const auto& numeri = stato.Numeri_Estratti;
        QDate prima; // of the previous draw
        int concorso = 0, nulli = 0;
        stato.Giornata_Appartenenza.fill(7); // every draw belongs to Sunday
        for (int d = 1; d <= n; ++d) {
            stato.Estrazione_Corrente = d;
            const QDate g(lotto.NumeroANNO_DATA(), lotto.NumeroMESE(), lotto.NumeroGIORNO());
            QVERIFY2(g.isValid() && (d == 1 || prima < g), stato.Data_Estrazione[d].c_str());
            QCOMPARE(stato.Data_Estrazione[d], prova::testoData(g.day(), g.month(), g.year()));
            // Saturdays; Wednesdays from 1997, Tuesdays and Thursdays from May 2005, Fridays from 2023.
            const QString giorni = g.year() < 1997          ? "6"
                                   : g <= QDate(2005, 5, 3) ? "36"
                                   : g.year() < 2023        ? "246"
                                                            : "2456";
            QVERIFY2(giorni.contains(QString::number(g.dayOfWeek())), stato.Data_Estrazione[d].c_str());
            QCOMPARE(lotto.NomeGIORNATA(d) + lotto.NomeGIORNATAapp(d) + lotto.NumeroGIORNATAapp(d),
                     stato.Nome_Giorno[std::size_t(g.dayOfWeek())] + stato.Nome_Giorno[7] + "7");
            concorso = d > 1 && prima.year() == g.year() ? concorso + 1 : 1;
            QCOMPARE(stato.Concorso_Estrazione[d], prova::testoConcorso(concorso, g.year()));
            prima = g;
            for (int w = 1; w <= 10; ++w) {
                const bool nullo = (w == 2 || w == 4) && g <= QDate(1939, 7, 1);
                lotto.LeggiESTRAZIONE(w, d);
                const std::set<int> diversi(&numeri[1], &numeri[6]);
                if (nullo ? numeri[0] != 0 : numeri[0] != -1 || diversi.size() != 5)
                    QFAIL(qPrintable(QStringLiteral("estrazione %1, ruota %2").arg(d).arg(w)));
                nulli += nullo;
            }
        }
        QCOMPARE(nulli, 2 * 26); // 26 draws from 7 January to 1 July 1939
        // Every run builds the same bytes.
        const auto ancora = demo::generaArchivioDemo();
        for (int f : core::FILE_ARCHIVIO)
            QVERIFY(ancora.archivio.byte(f) == m_archivio.archivio.byte(f));
    }

    void nonSovrascriveNeLasciaMezzoArchivio_data() {
        QTest::addColumn<QByteArray>("bari");  // null: BARI is a folder
        QTest::addColumn<QString>("ostacolo"); // a folder where the program writes a file
        QTest::addColumn<int>("esito");
        QTest::addRow("bari-di-un-byte") << QByteArray("x") << "" << int(EsitoScrittura::ArchivioPresente);
        QTest::addRow("bari-cartella") << QByteArray() << "" << int(EsitoScrittura::ArchivioPresente);
        QTest::addRow("bari-vuoto") << QByteArray("") << "" << int(EsitoScrittura::Scritto);
        // CONCORSO is the last file written before BARI; without its lock the folder is not touched.
        QTest::addRow("concorso-non-scrivibile")
            << QByteArray("") << "RUOTE/CONCORSO" << int(EsitoScrittura::Errore);
        QTest::addRow("blocco-impossibile")
            << QByteArray("") << "Quintaro.blocco" << int(EsitoScrittura::Errore);
    }
    void nonSovrascriveNeLasciaMezzoArchivio() {
        QFETCH(QByteArray, bari);
        QFETCH(QString, ostacolo);
        QFETCH(int, esito);
        prova::CartellaDiProva cartella;
        cartella.scriviFile("RUOTE/DATA", "31/12/2000");
        if (bari.isNull())
            fs::create_directory(cartella.ruote() / "BARI");
        else
            cartella.scriviFile("RUOTE/BARI", bari.toStdString());
        if (!ostacolo.isEmpty()) fs::create_directory(cartella.percorso() / ostacolo.toStdString());
        const auto prima = prova::fotografia(cartella);
        const auto scrittura = demo::scriviArchivioDemo(cartella.percorso(), m_archivio);
        QCOMPARE(int(scrittura.esito), esito);
        if (esito == int(EsitoScrittura::Errore))
            QCOMPARE(scrittura.percorso, cartella.percorso() / ostacolo.toStdString());
        // BARI is written last: only a whole demo archive has it.
        QCOMPARE(cartella.leggiFile("RUOTE/BARI") == m_archivio.archivio.byte(1),
                 esito == int(EsitoScrittura::Scritto));
        if (esito == int(EsitoScrittura::ArchivioPresente)) QCOMPARE(prova::fotografia(cartella), prima);
    }

    void ilProgrammaScriveUnaVoltaPoiRifiuta() {
        prova::CartellaDiProva cartella;
        const QStringList argomenti{"--cartella", QString::fromStdString(cartella.percorso().string())};
        for (int uscita : {0, 1}) { // the second run meets the archive that the first one wrote
            QProcess programma;
            programma.start(QUINTARO_DEMO_PROGRAMMA, argomenti);
            QVERIFY(programma.waitForFinished(60000));
            QCOMPARE(programma.exitCode(), uscita);
            QCOMPARE(programma.readAllStandardOutput().contains("dal 07/01/1939 al 30/12/2025"), !uscita);
        }
    }
};

QTEST_APPLESS_MAIN(TestDemo)
#include "TestDemo.moc"
