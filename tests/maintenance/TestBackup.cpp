#include "ArchivioDiProva.h"
#include "core/Impostazioni.h"
#include "maintenance/Backup.h"

#include <QTest>

namespace {

/** A moment of December 2026. */
std::tm momento(int giorno, int ora) {
    std::tm t{};
    t.tm_year = 2026 - 1900, t.tm_mon = 11, t.tm_mday = giorno, t.tm_hour = ora;
    return t;
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void copiaERipristino_data() {
        QTest::addColumn<int>("roma"); // the records of ROMA in the oldest copy; -1: no file
        QTest::addColumn<QString>("rifiuto");
        QTest::addRow("copia-intera") << 2 << "";
        QTest::addRow("roma-di-una-estrazione")
            << 1 << "il file ROMA della copia non ha lo stesso numero di estrazioni di BARI";
        QTest::addRow("roma-mancante") << -1 << "manca il file ROMA nella cartella";
    }
    void copiaERipristino() {
        QFETCH(int, roma);
        QFETCH(QString, rifiuto);
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio({prova::estrazione(5, 6, 2002, 1, 1), prova::estrazione(8, 6, 2002, 2, 2)});
        const auto stato = cartella.stato();
        const auto prima = prova::fotografia(cartella);
        QVERIFY(core::Scrivi_Impostazione(stato, 53, "7"));
        const auto vecchia = maintenance::Backup_Archivio(stato, momento(5, 10));
        const auto nuova = maintenance::Backup_Archivio(stato, momento(6, 9));
        const auto stessoIstante = maintenance::Backup_Archivio(stato, momento(6, 9));
        QVERIFY(vecchia && nuova && stessoIstante && stessoIstante->azzeramento);
        QCOMPARE(QString::fromStdString(stessoIstante->cartella.filename().string()),
                 QStringLiteral("RUOTE_backup_20261206_090000_2"));
        QCOMPARE(core::Leggi_Numero_Impostazione(stato, 53), 0);
        if (roma < 0)
            std::filesystem::remove(vecchia->cartella / "ROMA");
        else if (roma < 2)
            cartella.scriviFile(vecchia->cartella / "ROMA", std::string(5 * std::size_t(roma), char(140)));
        // Newest first: the first one is offered for a restore.
        auto offerte = std::vector{stessoIstante->cartella, nuova->cartella, vecchia->cartella};
        if (roma < 0) offerte.pop_back(); // a copy without one of its files is not offered
        QCOMPARE(maintenance::cartelleBackup(stato), offerte);

        cartella.scriviArchivio({prova::estrazione(1, 1, 2020, 1, 9)});
        const auto dopo = prova::fotografia(cartella);
        const auto ripristino = maintenance::ripristinaBackup(stato, vecchia->cartella);
        QCOMPARE(ripristino.riuscito(), rifiuto.isEmpty());
        QVERIFY2(QString::fromStdString(ripristino.messaggio()).contains(rifiuto),
                 ripristino.messaggio().c_str());
        QCOMPARE(prova::fotografia(cartella), rifiuto.isEmpty() ? prima : dopo);
    }

    void copiaRifiutataSenzaUnFile() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio({prova::estrazione(5, 6, 2002, 1, 1)});
        std::filesystem::remove(cartella.ruote() / "ROMA");
        const auto copia = maintenance::Backup_Archivio(cartella.stato(), momento(5, 10));
        QCOMPARE(QString::fromStdString(copia.messaggio()),
                 QStringLiteral("impossibile leggere il file ROMA"));
        for (const auto& voce : std::filesystem::directory_iterator(cartella.percorso())) // no folder left
            QVERIFY(!voce.path().filename().string().starts_with("RUOTE_backup"));
    }

    void avviso_data() {
        QTest::addColumn<QString>("campi"); // fields 50, 51 and 53: reminder on, threshold, count
        QTest::addColumn<int>("dopo");
        QTest::addColumn<bool>("mostrato");
        QTest::addRow("soglia-raggiunta") << "1 3 2" << 3 << true;
        QTest::addRow("spento") << "0 1 50" << 51 << false;
        QTest::addRow("soglia-guasta-vale-uno") << "1 0 " << 1 << true;
    }
    void avviso() {
        QFETCH(QString, campi);
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        QStringList valori = campi.split(QLatin1Char(' '));
        for (int campo : {50, 51, 53})
            QVERIFY(core::Scrivi_Impostazione(stato, campo, valori.takeFirst().toStdString()));
        const auto testo = maintenance::Controllo_Backup_Messaggio(stato).avviso;
        QTEST(core::Leggi_Numero_Impostazione(stato, 53), "dopo");
        QTEST(testo.has_value(), "mostrato");
        if (testo && campi.startsWith(QLatin1String("1 3")))
            QCOMPARE(
                QString::fromStdString(*testo),
                QStringLiteral(
                    "Sono state inserite 3 estrazioni dall' ultimo Backup, l' avviso programmato e' stato "
                    "impostato su 3 estrazioni. Si consiglia percio' di eseguire il Backup Archivio."));
    }
};

QTEST_APPLESS_MAIN(TestBackup)
#include "TestBackup.moc"
