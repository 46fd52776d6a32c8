#include "ArchivioDiProva.h"
#include "core/Impostazioni.h"
#include "maintenance/Backup.h"

#include <QTest>

namespace {

std::tm momento(int giorno, int ora) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = giorno;
    t.tm_hour = ora;
    return t;
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void copiaERipristino();
    void ripristinoRifiutaUnaCopiaIncompleta();
    void avviso_data();
    void avviso();
};

void TestBackup::copiaERipristino() {
    prova::CartellaDiProva cartella;
    const std::vector<prova::Estrazione> prima{prova::estrazione(5, 6, 2002, 1, 1),
                                               prova::estrazione(8, 6, 2002, 2, 2)};
    cartella.scriviArchivio(prima);
    const auto stato = cartella.stato();
    core::Scrivi_Impostazione(stato, 53, "7");
    const auto vecchia = maintenance::Backup_Archivio(stato, momento(5, 10));
    const auto nuova = maintenance::Backup_Archivio(stato, momento(6, 9));
    const auto stessoIstante = maintenance::Backup_Archivio(stato, momento(6, 9));
    QVERIFY(vecchia && nuova && stessoIstante && stessoIstante->azzeramento);
    QCOMPARE(QString::fromStdString(vecchia->cartella.filename().string()),
             QStringLiteral("RUOTE_backup_20261205_100000"));
    QCOMPARE(QString::fromStdString(stessoIstante->cartella.filename().string()),
             QStringLiteral("RUOTE_backup_20261206_090000_2"));
    QCOMPARE(core::Leggi_Numero_Impostazione(stato, 53), 0);
    QCOMPARE(maintenance::cartelleBackup(stato),
             (std::vector{stessoIstante->cartella, nuova->cartella, vecchia->cartella}));

    const auto bari = cartella.leggiFile("RUOTE/BARI");
    cartella.scriviArchivio({prova::estrazione(1, 1, 2020, 1, 9)});
    QVERIFY(maintenance::ripristinaBackup(stato, nuova->cartella));
    QCOMPARE(cartella.leggiFile("RUOTE/BARI"), bari);
    QCOMPARE(cartella.leggiFile("RUOTE/CONCORSO"),
             prova::testoConcorso(1, 2002) + prova::testoConcorso(2, 2002));
}

void TestBackup::ripristinoRifiutaUnaCopiaIncompleta() {
    prova::CartellaDiProva cartella;
    cartella.scriviArchivio({prova::estrazione(5, 6, 2002, 1, 1)});
    const auto stato = cartella.stato();
    const auto copia = maintenance::Backup_Archivio(stato, momento(5, 10));
    QVERIFY(copia);
    std::filesystem::remove(copia->cartella / "ROMA");
    cartella.scriviArchivio({prova::estrazione(1, 1, 2020, 1, 9)});
    const auto dopo = cartella.leggiFile("RUOTE/BARI");
    QVERIFY(maintenance::cartelleBackup(stato).empty());
    const auto ripristino = maintenance::ripristinaBackup(stato, copia->cartella);
    QVERIFY(!ripristino);
    QVERIFY(ripristino.messaggio().find("ROMA") != std::string::npos);
    QCOMPARE(cartella.leggiFile("RUOTE/BARI"), dopo);
}

void TestBackup::avviso_data() {
    QTest::addColumn<QString>("attivo");
    QTest::addColumn<QString>("soglia");
    QTest::addColumn<QString>("conteggio");
    QTest::addColumn<int>("dopo");
    QTest::addColumn<bool>("mostrato");
    QTest::addRow("soglia-raggiunta") << "1"
                                      << "3"
                                      << "2" << 3 << true;
    QTest::addRow("sotto-soglia") << "1"
                                  << "3"
                                  << "1" << 2 << false;
    QTest::addRow("spento") << "0"
                            << "1"
                            << "50" << 51 << false;
    QTest::addRow("campi-guasti") << "7"
                                  << "500"
                                  << "-4" << 1 << false;
    QTest::addRow("soglia-guasta-vale-uno") << "1"
                                            << "0"
                                            << "" << 1 << true;
}

void TestBackup::avviso() {
    QFETCH(QString, attivo);
    QFETCH(QString, soglia);
    QFETCH(QString, conteggio);
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    core::Scrivi_Impostazione(stato, 50, attivo.toStdString());
    core::Scrivi_Impostazione(stato, 51, soglia.toStdString());
    core::Scrivi_Impostazione(stato, 53, conteggio.toStdString());
    const auto testo = maintenance::Controllo_Backup_Messaggio(stato).avviso;
    QTEST(core::Leggi_Numero_Impostazione(stato, 53), "dopo");
    QTEST(testo.has_value(), "mostrato");
    if (testo && soglia == "3")
        QCOMPARE(QString::fromStdString(*testo),
                 QStringLiteral(
                     "Sono state inserite 3 estrazioni dall' ultimo Backup, l' avviso programmato e' stato "
                     "impostato su 3 estrazioni. Si consiglia percio' di eseguire il Backup Archivio."));
}

QTEST_APPLESS_MAIN(TestBackup)
#include "TestBackup.moc"
