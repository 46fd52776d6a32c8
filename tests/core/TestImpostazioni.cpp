// The settings file ImpoBin: its 20-byte slots read and written byte-exact, a write that fails losing
// nothing, and the readers that take a field's fallback: the highest contest, the saved wheel selection,
// the grid pointer.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "core/Impostazioni.h"

#include <QTest>

namespace fs = std::filesystem;

namespace {

QByteArray byte(const std::string& s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}
QByteArray spazi(qsizetype quanti) {
    return QByteArray(quanti, ' ');
}
const QByteArray VENTI("ABCDEFGHIJKLMNOPQRST");

} // namespace

class TestImpostazioni : public QObject {
    Q_OBJECT

private slots:
    void campi_data() {
        QTest::addColumn<QByteArray>("prima"); // ImpoBin before; null: no file
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("testo");    // written to the field; null: the field is only read
        QTest::addColumn<QByteArray>("dopo");  // the same as before when nothing is written
        QTest::addColumn<QByteArray>("letto"); // the field read afterwards
        const QByteArray campo3 = spazi(40) + "12" + QByteArray(18, '\0'), nuovo = QByteArray();
        QTest::addRow("file-nuovo") << nuovo << 3 << " 1 " << spazi(40) + "1" + spazi(18) << "1" + spazi(18);
        QTest::addRow("campo-110") << nuovo << 110 << "7" << spazi(2180) + "7" + spazi(18) << "7" + spazi(18);
        QTest::addRow("20-caratteri")
            << campo3 << 2 << QString(VENTI) << spazi(20) + VENTI + campo3.mid(40) << VENTI.left(19);
        QTest::addRow("21-caratteri") << campo3 << 2 << QString(VENTI) + "U" << campo3 << spazi(19);
        // The 20th byte of a slot is only ever written by a 20-character text; the other slots stay.
        QTest::addRow("riscrittura") << "11" + spazi(18) + VENTI + "33" << 2 << "7"
                                     << "11" + spazi(18) + "7" + spazi(18) + "T33"
                                     << "7" + spazi(18);
        QTest::addRow("oltre-la-fine") << QByteArray("ABCDEFGHIJ") << 5 << "9"
                                       << "ABCDEFGHIJ" + spazi(70) + "9" + spazi(18) << "9" + spazi(18);
        QTest::addRow("byte-nulli-letti-come-spazi")
            << campo3 << 3 << QString() << campo3 << "12" + spazi(17);
        QTest::addRow("file-mancante") << nuovo << 23 << QString() << nuovo << QByteArray("-1");
        QTest::addRow("campo-0") << nuovo << 0 << "5" << nuovo << QByteArray("-1");
        QTest::addRow("campo-111") << campo3 << 111 << "5" << campo3 << QByteArray("-1");
    }
    void campi() {
        QFETCH(QByteArray, prima);
        QFETCH(int, campo);
        QFETCH(QString, testo);
        QFETCH(QByteArray, dopo);
        QFETCH(QByteArray, letto);
        prova::CartellaDiProva cartella;
        if (!prima.isNull()) cartella.scriviFile("ImpoBin", prima.toStdString());
        const auto stato = cartella.stato();
        if (!testo.isNull())
            QCOMPARE(core::Scrivi_Impostazione(stato, campo, testo.toStdString()), dopo != prima);
        QCOMPARE(fs::exists(stato.fileImpostazioni()), !dopo.isNull());
        QCOMPARE(byte(cartella.leggiFile("ImpoBin")), dopo);
        QCOMPARE(byte(core::Leggi_Impostazione(stato, campo)), letto);
    }

    void unFileCheNonSiPuoRiscrivereResta() {
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        QVERIFY(core::Scrivi_Impostazione(stato, 3, "1"));
        const std::string prima = cartella.leggiFile("ImpoBin");
        // A folder where the new copy would be written makes the write fail before the old file is touched.
        fs::create_directory(cartella.percorso() / "ImpoBin.nuovo");
        QVERIFY(!core::Scrivi_Impostazione(stato, 3, "0"));
        QCOMPARE(cartella.leggiFile("ImpoBin"), prima);
        // A settings file that cannot be read is not replaced; its readers take their defaults.
        fs::remove(stato.fileImpostazioni());
        fs::create_symlink("ImpoBin", stato.fileImpostazioni());
        QVERIFY(!core::Scrivi_Impostazione(stato, 3, "1"));
        QVERIFY(fs::is_symlink(stato.fileImpostazioni()) && core::Campo_Vuoto(stato, 3));
    }

    void opzioniConIlLoroRipiego_data() {
        QTest::addColumn<QString>("campi"); // fields 10, 23 and 86, separated by "|"
        QTest::addColumn<QList<int>>(
            "dopo"); // Max_Concorsi_Anno, Puntatore_Griglie, the wheels then selected
        // The selection set before, MILANO alone, stays when the saved one cannot be used.
        QTest::addRow("bari-e-venezia") << " +108|1000000001|01" << QList<int>{108, 1, 1, 10};
        QTest::addRow("undici-caratteri") << "999|01000000001|1" << QList<int>{999, 1, 2};
        QTest::addRow("solo-l-undicesimo") << "108|00000000001|1" << QList<int>{108, 1, 5};
        QTest::addRow("ultima-cifra-2") << "107|1000000002|2" << QList<int>{260, 0, 5};
        QTest::addRow("cinque-caratteri") << "1000|10000| " << QList<int>{260, 0, 5};
        QTest::addRow("nessuna-ruota") << "|0000000000|1" << QList<int>{260, 1, 5};
    }
    void opzioniConIlLoroRipiego() {
        QFETCH(QString, campi);
        QFETCH(QList<int>, dopo);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        for (int i = 0; i < 3; ++i)
            QVERIFY(core::Scrivi_Impostazione(stato, std::array{10, 23, 86}[std::size_t(i)],
                                              campi.section('|', i, i).toStdString()));
        QVERIFY(core::selezioneDaTesto(stato, "0000100000"));
        stato.Puntatore_Griglie = 1 - dopo[1];
        core::Inizializza_Dati_Archivio(stato);
        QList<int> letti{core::leggiMaxConcorsiAnno(stato), stato.Puntatore_Griglie};
        for (int w = 1; w <= 10; ++w)
            if (stato.Ruota_Selezionata[std::size_t(w)] == -1) letti << w;
        QCOMPARE(letti, dopo);
        // The list of the selected wheels says the same, its count first.
        const auto& elenco = stato.Elenco_Ruote_Selezionate;
        QCOMPARE(QList<int>(elenco.begin(), elenco.begin() + dopo.size() - 1),
                 QList<int>{int(dopo.size()) - 2} + dopo.mid(2));
    }
};

QTEST_APPLESS_MAIN(TestImpostazioni)
#include "TestImpostazioni.moc"
