// What a panel of the ten-wheel viewer shows for a draw.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "viewer/Pannelli.h"

#include <QStringList>
#include <QTest>

#include <cstring>

namespace {

constexpr int IN_ARCHIVIO = 6;
constexpr int CARICATE = 5;

/** Six draws on disk, the first five loaded; draw 3 has GENOVA null, draw 2 has two damaged wheels in memory.
 */
struct Archivio {
    Archivio() {
        std::vector<prova::Estrazione> estrazioni;
        for (int d = 1; d <= IN_ARCHIVIO; ++d)
            estrazioni.push_back(
                prova::estrazione(d, 3, 2003, d, d, d == 3 ? std::vector<int>{4} : std::vector<int>{}));
        estrazioni[0].ruote[0] = {5, 90, 1, 33, 47};
        cartella.scriviArchivio(estrazioni);
        core::START_Memorizzazione_Estrazioni(stato, core::apriArchivio(stato).archivio, 1, CARICATE);
        std::memset(stato.Archivio_Estrazioni.record(2, 2), 0, 5);   // never written
        std::memset(stato.Archivio_Estrazioni.record(5, 2), ' ', 5); // blanks
    }
    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

QStringList celle(const viewer::Pannello& pannello, int w) {
    QStringList testi;
    for (int k = 1; k <= 5; ++k)
        testi << QString::fromStdString(viewer::testoCella(
            pannello.Numeri_Pannello[static_cast<std::size_t>(w)][static_cast<std::size_t>(k)]));
    return testi;
}

} // namespace

class TestPannelli : public QObject {
    Q_OBJECT
private slots:
    void pannello_data() {
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("ruota");
        QTest::addColumn<QStringList>("attese");
        QTest::addColumn<bool>("caricata"); // date, contest and index shown
        const QStringList vuote{"", "", "", "", ""};
        QTest::addRow("numeri-in-ordine-di-estrazione")
            << 1 << 1 << QStringList{"5", "90", "1", "33", "47"} << true;
        QTest::addRow("ruota-nulla") << 3 << 4 << vuote << true;
        QTest::addRow("record-mai-scritto") << 2 << 2 << vuote << true;
        QTest::addRow("record-di-spazi") << 2 << 5 << vuote << true;
        QTest::addRow("oltre-le-caricate-ma-in-archivio") << CARICATE + 1 << 1 << vuote << false;
    }
    void pannello() {
        QFETCH(int, d);
        QFETCH(int, ruota);
        QFETCH(QStringList, attese);
        QFETCH(bool, caricata);
        Archivio archivio;
        const viewer::Pannello p = viewer::pannello(archivio.stato, d);
        QCOMPARE(p.estrazione, d);
        QCOMPARE(celle(p, ruota), attese);
        QCOMPARE(p.data, caricata ? prova::testoData(d, 3, 2003) : "");
        QCOMPARE(p.concorso, caricata ? prova::testoConcorso(d, 2003) : "");
        QCOMPARE(p.indice, caricata ? std::to_string(d) : "");
    }
};

QTEST_APPLESS_MAIN(TestPannelli)
#include "TestPannelli.moc"
