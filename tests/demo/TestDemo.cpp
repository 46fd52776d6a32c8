// The demo archive: consistent files the program loads, plausible draws on the real calendar, and a
// writer that never overwrites a user's archive nor leaves half of one.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "core/Lotto.h"
#include "demo/Demo.h"

#include <QDate>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <set>

namespace fs = std::filesystem;
using demo::EsitoScrittura;

class TestDemo : public QObject {
    Q_OBJECT

    const demo::ArchivioDemo m_archivio = demo::generaArchivioDemo();
    prova::CartellaDiProva m_cartella; // the demo archive written and loaded by initTestCase
    core::Stato m_stato = m_cartella.stato();
    std::vector<QDate> m_giorni; // date of each loaded draw, draw 1 first

private slots:
    void initTestCase() {
        const int n = m_archivio.estrazioni;
        QCOMPARE(demo::scriviArchivioDemo(m_cartella.percorso(), m_archivio).esito, EsitoScrittura::Scritto);
        core::FileArchivio file(m_stato);
        QCOMPARE(file.Conta_Estrazioni_Archivio(), n);
        QVERIFY(core::verificaLunghezze(file, n).empty()); // every file holds n records
        const auto esito = core::START_Memorizzazione_Estrazioni(m_stato, file, 1, n);
        QCOMPARE(esito.recordDanneggiati, 0);
        QCOMPARE(esito.estrazioniIncomplete, 0);
        const core::LOTTO lotto(m_stato);
        for (m_stato.Estrazione_Corrente = 1; m_stato.Estrazione_Corrente <= n; ++m_stato.Estrazione_Corrente)
            m_giorni.emplace_back(lotto.NumeroANNO_DATA(), lotto.NumeroMESE(), lotto.NumeroGIORNO());
    }

    void ogniRecordEValidoONulloSoloCagliariEGenovaFinoAl1Luglio1939() {
        core::LOTTO lotto(m_stato);
        const auto& numeri = m_stato.Numeri_Estratti;
        int nulli = 0;
        for (int d = 1; d <= m_archivio.estrazioni; ++d)
            for (int w = 1; w <= 10; ++w) {
                const bool nullo = (w == 2 || w == 4) && m_giorni[d - 1] <= QDate(1939, 7, 1);
                const std::uint8_t* r = m_stato.Archivio_Estrazioni.record(w, d);
                lotto.LeggiESTRAZIONE(w, d); // -1 and five numbers 1..90 for a valid record
                const bool valido = numeri[0] == -1 && std::set<int>(&numeri[1], &numeri[6]).size() == 5;
                if (nullo ? std::count(r, r + 5, core::CODICE_NULLO) != 5 : !valido)
                    QFAIL(qPrintable(QStringLiteral("estrazione %1, ruota %2").arg(d).arg(w)));
                nulli += nullo;
            }
        QCOMPARE(nulli, 2 * 26); // 26 Saturdays from 7 January to 1 July 1939
    }

    void leDateCresconoEIConcorsiRipartonoOgniAnno() {
        QCOMPARE(m_giorni.front(), QDate(1939, 1, 7));
        QCOMPARE(m_giorni.back(), QDate(2025, 12, 30));
        int concorso = 0;
        for (std::size_t d = 1; d <= m_giorni.size(); ++d) {
            const QDate& g = m_giorni[d - 1];
            concorso = d > 1 && m_giorni[d - 2].year() == g.year() ? concorso + 1 : 1;
            QCOMPARE(m_stato.Data_Estrazione[d], prova::testoData(g.day(), g.month(), g.year()));
            QCOMPARE(m_stato.Concorso_Estrazione[d], prova::testoConcorso(concorso, g.year()));
            QVERIFY2(d == 1 || m_giorni[d - 2] < g, m_stato.Data_Estrazione[d].c_str());
        }
    }

    void leDateSeguonoIlCalendarioDelleEstrazioni_data() {
        QTest::addColumn<QDate>("dal");
        QTest::addColumn<QDate>("al");
        QTest::addColumn<QList<int>>("giorni"); // Monday = 1 .. Sunday = 7
        QTest::addRow("fino-al-1996") << QDate(1939, 1, 7) << QDate(1996, 12, 31) << QList<int>{6};
        QTest::addRow("dal-1997") << QDate(1997, 1, 1) << QDate(2005, 5, 3) << QList<int>{3, 6};
        QTest::addRow("dal-4-maggio-2005") << QDate(2005, 5, 4) << QDate(2022, 12, 31) << QList<int>{2, 4, 6};
        QTest::addRow("dal-2023") << QDate(2023, 1, 1) << QDate(2025, 12, 30) << QList<int>{2, 4, 5, 6};
    }

    void leDateSeguonoIlCalendarioDelleEstrazioni() {
        QFETCH(QDate, dal);
        QFETCH(QDate, al);
        QFETCH(QList<int>, giorni);
        QList<QDate> attese, trovate;
        for (QDate g = dal; g <= al; g = g.addDays(1))
            if (giorni.contains(g.dayOfWeek())) attese << g;
        for (const QDate& g : m_giorni)
            if (g >= dal && g <= al) trovate << g;
        QCOMPARE(trovate, attese);
    }

    void nonSovrascriveUnArchivio_data() {
        QTest::addColumn<QByteArray>("bari"); // null: BARI is a folder
        QTest::addColumn<bool>("scrive");
        QTest::addRow("bari-di-un-byte") << QByteArray("x") << false;
        QTest::addRow("bari-e-una-cartella") << QByteArray() << false;
        QTest::addRow("bari-vuoto") << QByteArray("") << true;
    }

    void nonSovrascriveUnArchivio() {
        QFETCH(QByteArray, bari);
        QFETCH(bool, scrive);
        prova::CartellaDiProva cartella;
        const std::string data = "31/12/2000";
        cartella.scriviFile("RUOTE/DATA", data);
        if (bari.isNull())
            fs::create_directory(cartella.ruote() / "BARI");
        else
            cartella.scriviFile("RUOTE/BARI", bari.toStdString());
        QCOMPARE(demo::scriviArchivioDemo(cartella.percorso(), m_archivio).esito,
                 scrive ? EsitoScrittura::Scritto : EsitoScrittura::ArchivioPresente);
        QVERIFY(cartella.leggiFile("RUOTE/DATA") == (scrive ? m_archivio.file[core::FILE_DATA] : data));
        QVERIFY(cartella.leggiFile("RUOTE/BARI") == (scrive ? m_archivio.file[1] : bari.toStdString()));
    }

    void unaScritturaFallitaNonLasciaBari() {
        // A folder in place of CONCORSO, the last file written before BARI, makes its replacement fail.
        prova::CartellaDiProva cartella;
        const fs::path ostacolo = cartella.ruote() / "CONCORSO";
        fs::create_directory(ostacolo);
        const auto esito = demo::scriviArchivioDemo(cartella.percorso(), m_archivio);
        QCOMPARE(esito.esito, EsitoScrittura::Errore);
        QCOMPARE(esito.percorso, ostacolo);
        QVERIFY(!fs::exists(cartella.ruote() / "BARI"));
        fs::remove(ostacolo); // the next run is not refused
        QCOMPARE(demo::scriviArchivioDemo(cartella.percorso(), m_archivio).esito, EsitoScrittura::Scritto);
    }

    void ogniEsecuzioneDaGliStessiByte() { QVERIFY(demo::generaArchivioDemo().file == m_archivio.file); }

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
