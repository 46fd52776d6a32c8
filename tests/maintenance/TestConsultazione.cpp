#include "ArchivioDiProva.h"
#include "core/Archivio.h"
#include "maintenance/Consultazione.h"

#include <QTest>

class TestConsultazione : public QObject {
    Q_OBJECT
private slots:
    void archivioAllApertura_data() {
        QTest::addColumn<int>("lunghezzaBari");
        QTest::addColumn<QString>("corto"); // a file one byte short of the draws of BARI
        QTest::addColumn<int>("esito");
        QTest::addColumn<int>("estrazioni");
        QTest::addRow("sano") << 15 << "" << int(maintenance::StatoArchivio::Sano) << 3;
        QTest::addRow("vuoto") << 0 << "" << int(maintenance::StatoArchivio::Sano) << 0;
        QTest::addRow("lunghezza-errata")
            << 16 << "" << int(maintenance::StatoArchivio::LunghezzaErrata) << 0;
        QTest::addRow("oltre-il-massimo") << 5 * 32001 << "" << int(maintenance::StatoArchivio::Troppo) << 0;
        QTest::addRow("roma-corto") << 15 << "ROMA" << int(maintenance::StatoArchivio::LunghezzaErrata) << 0;
        QTest::addRow("concorso-corto")
            << 15 << "CONCORSO" << int(maintenance::StatoArchivio::LunghezzaErrata) << 0;
    }
    void archivioAllApertura() {
        QFETCH(int, lunghezzaBari);
        QFETCH(QString, corto);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        for (int f : core::FILE_ARCHIVIO) {
            const auto& nome = stato.Nome_Ruota[std::size_t(f)];
            const auto byte =
                std::size_t(lunghezzaBari / 5 * core::byteRecord(f) + (f == 1 ? lunghezzaBari % 5 : 0));
            cartella.scriviFile("RUOTE/" + nome,
                                std::string(byte - (corto.toStdString() == nome ? 1 : 0), char(140)));
        }
        const auto aperto =
            maintenance::Dati_Iniziali_Aggiornamento(cartella.ruote(), stato.Max_Estrazioni_Archivio);
        QTEST(int(aperto.stato), "esito");
        QTEST(aperto.estrazioni, "estrazioni");
    }

    void mostraEstrazioneEDatiGenerali() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(
            {prova::estrazione(5, 6, 2002, 1, 1), prova::estrazione(12, 10, 2003, 104, 2, {2})});
        auto stato = cartella.stato();
        const auto archivio = *core::Archivio::leggi(cartella.ruote());
        const auto campi = maintenance::Mostra_Estrazione(archivio, 2);
        QCOMPARE(campi.giorno, std::string("12"));
        QCOMPARE(campi.mese, std::string("10"));
        QCOMPARE(campi.concorso, std::string("104"));
        QCOMPARE(campi.annoConcorso, std::string("2003"));
        QCOMPARE(campi.estratti[6], std::string("0"));
        QCOMPARE(QString::fromStdString(campi.estratti[1]),
                 QString::number(prova::estrazione(12, 10, 2003, 104, 2).ruote[0][0]));
        const auto righe = maintenance::Mostra_Dati_Generali(archivio, 2, 1);
        QCOMPARE(righe,
                 (std::array<std::string, 7>{"2", "estr. 1 -   1/2002", " 5/ 6/2002", "estr. 2 - 104/2003",
                                             "12/10/2003", "estr. 1 -   1/2002", " 5/ 6/2002"}));
    }

    void copiaEIncolla() {
        maintenance::CampiEstrazione campi;
        campi.estratti[1] = "7x";
        campi.estratti[2] = " ";
        campi.estratti[3] = "0";
        campi.giorno = " 5";
        campi.concorso = "";
        campi.annoConcorso = "2003";
        const auto memoria = maintenance::copiaEstrazione(campi);
        QCOMPARE(memoria[1], 7);
        QCOMPARE(memoria[2], -1);
        QCOMPARE(memoria[3], 0);
        QCOMPARE(memoria[51], 5);
        QCOMPARE(memoria[54], 0);
        const auto incollati = maintenance::incollaEstrazione(memoria);
        QCOMPARE(incollati.estratti[1], std::string("7"));
        QCOMPARE(incollati.estratti[2], std::string());
        QCOMPARE(incollati.estratti[3], std::string("0"));
        QCOMPARE(incollati.giorno, std::string("5"));
        QCOMPARE(incollati.annoConcorso, std::string("2003"));
    }

    void righeDiStampaAlleColonneGiuste() {
        maintenance::CampiEstrazione campi;
        for (int i = 1; i <= 50; ++i)
            campi.estratti[std::size_t(i)] = std::to_string(i + 40);
        campi.giorno = " 5";
        campi.mese = " 3";
        campi.anno = "2003";
        campi.concorso = "  7";
        campi.annoConcorso = "2003";
        const auto righe =
            maintenance::righeStampaEstrazione(campi, prova::CartellaDiProva().stato().Nome_Ruota, "12");
        QCOMPARE(righe.size(), std::size_t(18));
        QCOMPARE(righe[1], std::string(" STAMPA DEI DATI MOSTRATI (aggiornamento estrazioni)."));
        QCOMPARE(QString::fromStdString(righe[3]),
                 QString::fromStdString("  BARI          41  42  43  44  45"));
        QCOMPARE(righe[3].find("41"), std::size_t(16)); // column 17
        QCOMPARE(righe[12], std::string("  VENEZIA       86  87  88  89  90"));
        QCOMPARE(righe[14], std::string("  n° Estrazione: 12"));
        QCOMPARE(righe[15], std::string("  n° Concorso:   7/2003"));
        QCOMPARE(righe[16], std::string("  Data:  5/ 3/2003"));
        QCOMPARE(maintenance::intestazioneStampa("T", 0, "05/12/2003"),
                 std::string("T   0  , oggi: 05/12/2003"));
    }
};

QTEST_APPLESS_MAIN(TestConsultazione)
#include "TestConsultazione.moc"
