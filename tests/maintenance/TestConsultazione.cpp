#include "ArchivioDiProva.h"
#include "core/Archivio.h"
#include "maintenance/Consultazione.h"

#include <QTest>

using maintenance::StatoArchivio;

class TestConsultazione : public QObject {
    Q_OBJECT
private slots:
    void archivioAllApertura_data() {
        QTest::addColumn<int>("lunghezzaBari");
        QTest::addColumn<QString>("corto"); // a file one byte short of the draws of BARI; RUOTE: no folder
        QTest::addColumn<StatoArchivio>("esito");
        QTest::addColumn<int>("estrazioni");
        QTest::addRow("sano") << 15 << "" << StatoArchivio::Sano << 3;
        QTest::addRow("vuoto") << 0 << "" << StatoArchivio::Sano << 0;
        QTest::addRow("lunghezza-errata") << 16 << "" << StatoArchivio::LunghezzaErrata << 0;
        QTest::addRow("oltre-il-massimo") << 5 * 32001 << "" << StatoArchivio::Troppo << 0;
        QTest::addRow("concorso-corto") << 15 << "CONCORSO" << StatoArchivio::LunghezzaErrata << 0;
        QTest::addRow("senza-cartella") << 15 << "RUOTE" << StatoArchivio::LunghezzaErrata << 0;
    }
    void archivioAllApertura() {
        QFETCH(int, lunghezzaBari);
        QFETCH(QString, corto);
        prova::CartellaDiProva cartella;
        for (int f : core::FILE_ARCHIVIO) {
            const std::string nome(core::nomeFile(f));
            const int byte = lunghezzaBari / 5 * core::byteRecord(f) + (f == 1 ? lunghezzaBari % 5 : 0);
            cartella.scriviFile("RUOTE/" + nome,
                                std::string(std::size_t(byte - (corto.toStdString() == nome)), char(140)));
        }
        if (corto == "RUOTE") std::filesystem::remove_all(cartella.ruote());
        const auto aperto = maintenance::Dati_Iniziali_Aggiornamento(cartella.ruote(), 32000);
        QTEST(aperto.stato, "esito");
        QTEST(aperto.estrazioni, "estrazioni");
    }

    void estrazioneMostrataEStampata() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(
            {prova::estrazione(5, 6, 2002, 1, 1), prova::estrazione(12, 3, 2003, 7, 2, {2})});
        const auto archivio = *core::Archivio::leggi(cartella.ruote());
        QCOMPARE(maintenance::Mostra_Dati_Generali(archivio, 2, 1),
                 (std::array<std::string, 7>{"2", "estr. 1 -   1/2002", "5/6/2002", "estr. 2 -   7/2003",
                                             "12/3/2003", "estr. 1 -   1/2002", "5/6/2002"}));
        // The boxes as shown (a null wheel's 0s), printed at columns 17, 21, 25, 29 and 33.
        const auto righe = maintenance::righeStampaEstrazione(maintenance::Mostra_Estrazione(archivio, 2),
                                                              cartella.stato().Nome_Ruota, "2");
        QCOMPARE(righe[3], std::string("  BARI          26  43  60  77  4"));
        QCOMPARE(righe[4], std::string("  CAGLIARI      0   0   0   0   0"));
        QCOMPARE(righe[16] + "|" + righe[17], std::string("  n° Concorso: 7/2003|  Data: 12/3/2003"));
    }
};

QTEST_APPLESS_MAIN(TestConsultazione)
#include "TestConsultazione.moc"
