// What the panels of the ten-wheel viewer show for a position.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "viewer/Pannelli.h"

#include <QStringList>
#include <QTest>

#include <cstring>

class TestPannelli : public QObject {
    Q_OBJECT

    // Six draws on disk, the first five loaded; draw 3 has GENOVA null, and CAGLIARI of draw 2 is a record
    // that the memory holds as never written.
    prova::CartellaDiProva m_cartella;
    core::Stato m_stato = m_cartella.stato();
    std::vector<prova::Estrazione> m_estrazioni = prova::perAnni({6}, 2003);

private slots:
    void initTestCase() {
        m_estrazioni[0].ruote[0] = {5, 90, 1, 33, 47};
        m_estrazioni[2].ruote[3] = {};
        m_cartella.scriviArchivio(m_estrazioni);
        (void)core::caricaEstrazioni(m_stato, core::apriArchivio(m_stato).archivio, 1, 5);
        std::memset(m_stato.Archivio_Estrazioni.record(2, 2), 0, 5);
    }

    void pannello_data() {
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("ruota");
        QTest::addColumn<bool>("vuota"); // no number shown; otherwise the wheel's numbers in drawing order
        QTest::addRow("numeri-in-ordine-di-estrazione") << 1 << 1 << false;
        QTest::addRow("ruota-nulla") << 3 << 4 << true;
        QTest::addRow("record-mai-scritto") << 2 << 2 << true;
        QTest::addRow("ultima-caricata") << 5 << 4 << false;
        QTest::addRow("oltre-le-caricate-ma-in-archivio") << 6 << 1 << true;
    }
    void pannello() {
        QFETCH(int, d);
        QFETCH(int, ruota);
        QFETCH(bool, vuota);
        const viewer::Pannello p = viewer::pannello(m_stato, d);
        const auto& e = m_estrazioni[std::size_t(d - 1)];
        QStringList celle, attese;
        for (std::size_t k = 1; k <= 5; ++k) {
            celle << QString::fromStdString(viewer::testoCella(p.Numeri_Pannello[std::size_t(ruota)][k]));
            attese << (vuota ? QString() : QString::number(e.ruote[std::size_t(ruota - 1)][k - 1]));
        }
        QCOMPARE(celle, attese);
        // Date, contest and index are shown for a loaded draw only.
        const bool caricata = d <= 5;
        QCOMPARE(p.estrazione, d);
        QCOMPARE(p.data, caricata ? prova::testoData(e.giorno, e.mese, e.anno) : "");
        QCOMPARE(p.concorso, caricata ? prova::testoConcorso(e.concorso, e.anno) : "");
        QCOMPARE(p.indice, caricata ? std::to_string(d) : "");
    }

    void quattroPannelliDallaPosizione() {
        QList<int> mostrate;
        for (const auto& p : viewer::pannelli(m_stato, 3))
            mostrate << p.estrazione;
        QCOMPARE(mostrate, QList<int>({3, 4, 5, 6}));
        // Once the viewer has shown the reloaded archive, it no longer sees it as changed.
        m_stato.Archivio_Modificato = m_stato.Estrazioni_Predefinite_Variate = true;
        viewer::segnaArchivioLetto(m_stato);
        QVERIFY(!viewer::archivioVariato(m_stato));
    }
};

QTEST_APPLESS_MAIN(TestPannelli)
#include "TestPannelli.moc"
