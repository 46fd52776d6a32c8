// The demo archive: consistent files the program loads, valid draws with ascending dates, and a writer
// that never overwrites a user's archive nor leaves half of one.
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
        // which are null; contests restart each year and dates ascend.
        core::LOTTO lotto(stato);
        const auto& numeri = stato.Numeri_Estratti;
        QDate prima; // of the previous draw
        int concorso = 0, nulli = 0;
        for (int d = 1; d <= n; ++d) {
            stato.Estrazione_Corrente = d;
            const QDate g(lotto.NumeroANNO_DATA(), lotto.NumeroMESE(), lotto.NumeroGIORNO());
            QVERIFY2(g.isValid() && (d == 1 || prima < g), stato.Data_Estrazione[d].c_str());
            QCOMPARE(stato.Data_Estrazione[d], prova::testoData(g.day(), g.month(), g.year()));
            concorso = d > 1 && prima.year() == g.year() ? concorso + 1 : 1;
            QCOMPARE(stato.Concorso_Estrazione[d], prova::testoConcorso(concorso, g.year()));
            prima = g;
            for (int w = 1; w <= 10; ++w) {
                const bool nullo = (w == 2 || w == 4) && g <= QDate(1939, 7, 1);
                const std::uint8_t* r = stato.Archivio_Estrazioni.record(w, d);
                lotto.LeggiESTRAZIONE(w, d);
                const bool valido = numeri[0] == -1 && std::set<int>(&numeri[1], &numeri[6]).size() == 5;
                if (nullo ? std::count(r, r + 5, core::CODICE_NULLO) != 5 : !valido)
                    QFAIL(qPrintable(QStringLiteral("estrazione %1, ruota %2").arg(d).arg(w)));
                nulli += nullo;
            }
        }
        QCOMPARE(nulli, 2 * 26); // 26 draws from 7 January to 1 July 1939
    }

    void nonSovrascriveUnArchivio_data() {
        QTest::addColumn<QByteArray>("bari"); // null: BARI is a folder
        QTest::addRow("bari-di-un-byte") << QByteArray("x");
        QTest::addRow("bari-e-una-cartella") << QByteArray();
        QTest::addRow("bari-vuoto") << QByteArray(""); // no archive yet: written
    }

    void nonSovrascriveUnArchivio() {
        QFETCH(QByteArray, bari);
        const bool scrive = !bari.isNull() && bari.isEmpty();
        const std::string data = "31/12/2000";
        prova::CartellaDiProva cartella;
        cartella.scriviFile("RUOTE/DATA", data);
        if (bari.isNull())
            fs::create_directory(cartella.ruote() / "BARI");
        else
            cartella.scriviFile("RUOTE/BARI", bari.toStdString());
        QCOMPARE(demo::scriviArchivioDemo(cartella.percorso(), m_archivio).esito,
                 scrive ? EsitoScrittura::Scritto : EsitoScrittura::ArchivioPresente);
        QVERIFY(cartella.leggiFile("RUOTE/DATA") ==
                (scrive ? m_archivio.archivio.byte(core::FILE_DATA) : data));
        QVERIFY(cartella.leggiFile("RUOTE/BARI") ==
                (scrive ? m_archivio.archivio.byte(1) : bari.toStdString()));
    }

    void unaScritturaFallitaNonLasciaBari() {
        // A folder in place of CONCORSO, the last file written before BARI, makes its replacement fail.
        prova::CartellaDiProva cartella;
        const fs::path ostacolo = cartella.ruote() / "CONCORSO";
        fs::create_directory(ostacolo);
        const auto esito = demo::scriviArchivioDemo(cartella.percorso(), m_archivio);
        QVERIFY(esito.esito == EsitoScrittura::Errore && esito.percorso == ostacolo);
        QVERIFY(!fs::exists(cartella.ruote() / "BARI"));
    }

    void ogniEsecuzioneDaGliStessiByte() {
        const auto ancora = demo::generaArchivioDemo();
        for (int f : core::FILE_ARCHIVIO)
            QVERIFY(ancora.archivio.byte(f) == m_archivio.archivio.byte(f));
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
