// The update from the operator's website by quintaro-cli: the download from a list of addresses served on
// 127.0.0.1 by the test itself, the check of what arrived and the addition to the archive; the draw days.
#include "ArchivioDiProva.h"
#include "ServerDiProva.h"
#include "cli/Cli.h"
#include "core/Campi.h"
#include "core/FileSicuro.h"
#include "importa/DaInternet.h"
#include "importa/Decompressione.h"
#include "importa/Importazione.h"
#include "rete/Scaricamento.h"

#include <QDateTime>
#include <QMetaEnum>
#include <QNetworkReply>
#include <QTest>

#include <sstream>

namespace {

/** Six made-up weekly draws from 10 December 2003 to 14 January 2004; the second one changed with `altra`. */
QByteArray inventato(bool altra = false) {
    std::vector<prova::Estrazione> e;
    for (int i = 0; i < 6; ++i)
        e.push_back(i < 4 ? prova::estrazione(10 + 7 * i, 12, 2003, i + 1, i)
                          : prova::estrazione(7 * i - 21, 1, 2004, i - 3, i));
    if (altra) e[1].ruote[0] = {90, 89, 88, 87, 86};
    return QByteArray::fromStdString(prova::testoStorico(e));
}

/** The official storico text of the shared data, empty without it. */
QByteArray storico() {
    const auto gz = core::leggiFileIntero(prova::cartellaDatiReali() / "lotto_storico_igt_1939-2026.txt.gz");
    return gz ? QByteArray::fromStdString(importa::estraiTesto(*gz).testo) : QByteArray();
}

/** The lines of a storico text dated before `data` (YYYY/MM/DD). */
QByteArray finoA(const QByteArray& testo, const QByteArray& data) {
    QByteArray parte;
    for (const QByteArray& riga : testo.split('\n'))
        if (!riga.isEmpty() && riga.left(10) < data) parte += riga + '\n';
    return parte;
}

/** The archive that importing a whole text into an empty folder gives. */
std::vector<std::string> archivioDi(const QByteArray& testo) {
    prova::CartellaDiProva cartella;
    const auto esito = importa::importaEstrazioni(
        cartella.stato(), importa::leggiStorico(testo.toStdString()), importa::Modo::Sostituisci, {});
    return esito ? prova::fotografia(cartella) : std::vector<std::string>{};
}

} // namespace

class TestRete : public QObject {
    Q_OBJECT
private slots:
    void aggiornaDallaRigaDiComando_data() {
        QTest::addColumn<QString>("percorsi"); // each given with --url; "chiuso": nothing listens there
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("atteso"); // the end of the output, or parts of the errors split by '*'
        const QString aggiunte = "aggiunte 2 estrazioni", intatto = "\nL'archivio non è stato modificato.";
        QTest::addRow("ufficiale") << "/manca /intero.zip" << 0 << " estrazioni"; // the official file
        QTest::addRow("404-poi-il-secondo") << "/manca /intero.zip" << 0 << aggiunte;
        QTest::addRow("rimando-seguito") << "/rimando" << 0 << aggiunte;
        QTest::addRow("indirizzo-delle-opzioni") << "" << 0 << aggiunte;
        QTest::addRow("gia-aggiornato") << "/taglio.zip" << 0 << "archivio già aggiornato";
        QTest::addRow("una-sola") << "/quasi.zip" << 0 << "aggiunte 1 estrazioni";
        QTest::addRow("muto") << "/muto" << 1 << "/muto: nessuna risposta entro 300 millisecondi" + intatto;
        QTest::addRow("troncato") << "/troncato.zip" << 1
                                  << "/troncato.zip: scaricamento interrotto: ricevuti";
        QTest::addRow("oltre-64-mib") << "/enorme.zip" << 1 << "/enorme.zip: il file supera i 64 MiB";
        QTest::addRow("non-zip") << "/testo.txt" << 1 << "/testo.txt: il file ricevuto non è un archivio zip";
        QTest::addRow("zip-senza-estrazioni")
            << "/altro.zip" << 1 << "/altro.zip: zip senza il file delle estrazioni";
        QTest::addRow("zip-di-un-altro-file-poi-il-secondo") << "/dati.zip /intero.zip" << 0 << aggiunte;
        QTest::addRow("404-poi-rifiutato") << "/manca chiuso" << 1
                                           << "/manca: il server ha risposto con il codice 404 (file non "
                                              "trovato)\nhttp://127.0.0.1:*/storico.zip: "
                                              "connessione rifiutata" +
                                                  intatto;
        QTest::addRow("discorde")
            << "/discorde.zip" << 1
            << "l'estrazione del 17/12/2003 ha numeri diversi sulla ruota BARI (BARI: archivio ";
    }
    void aggiornaDallaRigaDiComando() {
        QFETCH(QString, percorsi);
        QFETCH(int, codice);
        QFETCH(QString, atteso);
        const bool ufficiale = QTest::currentDataTag() == QByteArray("ufficiale");
        const QByteArray testo = ufficiale ? storico() : inventato(),
                         intero = prova::zip("dati/STORICO.TXT", testo);
        if (testo.isEmpty()) QSKIP("lotto_storico_igt_1939-2026.txt.gz non c'è (QUINTARO_SHARED_DATA)");
        prova::ServerDiProva server;
        server.imposta(
            "/taglio.zip",
            prova::http(200, prova::zip("storico.txt", finoA(testo, ufficiale ? "2020" : "2004"))));
        server.imposta("/intero.zip", prova::http(200, intero));
        const QByteArray quasi = finoA(testo, "2004/01/14"); // all but the last draw
        server.imposta("/quasi.zip", prova::http(200, prova::zip("storico.txt", quasi)));
        server.imposta("/rimando", prova::http(302, {}, "Location: /intero.zip\r\n"));
        server.imposta("/muto", {}, prova::Invio::Muto);
        server.imposta("/troncato.zip", prova::http(200, intero), prova::Invio::Troncato);
        server.imposta("/enorme.zip", prova::http(200, "x", {}, (qint64{64} << 20) + 1));
        server.imposta("/testo.txt", prova::http(200, testo));
        server.imposta("/altro.zip", prova::http(200, prova::zip("leggimi.md", testo)));
        server.imposta("/dati.zip", prova::http(200, prova::zip("dati.txt", "altri dati, non estrazioni\n")));
        server.imposta("/discorde.zip", prova::http(200, prova::zip("storico.txt", inventato(true))));
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        // The user's own address, after a longer one whose end must not stay; one too long is refused.
        const auto campo = core::campi::INDIRIZZO_AGGIORNAMENTO;
        const std::string lungo = server.indirizzo("/" + QByteArray(200, 'a')).toStdString().substr(0, 190);
        QVERIFY(core::scriviCampo(stato, core::campi::CONTROLLO_ALL_AVVIO, 1)); // the field after it
        QVERIFY(core::scriviTestoLungo(stato, campo, lungo) && core::leggiTestoLungo(stato, campo) == lungo &&
                !core::scriviTestoLungo(stato, campo, lungo + "x"));
        QVERIFY(core::scriviTestoLungo(stato, campo, server.indirizzo("/intero.zip").toStdString()));
        const auto attesa = rete::sostituisciAttesa(300);
        const auto esegui = [&](const QString& percorsi, int codice, const QString& atteso) {
            std::vector<std::string> a{"aggiorna", "--cartella", cartella.percorso().string()};
            for (const QString& percorso : percorsi.split(' ', Qt::SkipEmptyParts))
                a.insert(a.end(), {"--url", server.indirizzo(percorso.toLatin1()).toStdString()});
            std::ostringstream uscita, errori;
            QCOMPARE(cli::esegui(a, uscita, errori), codice);
            const QString testo = QString::fromStdString(codice == 0 ? uscita.str() : errori.str());
            for (const QString& parte : atteso.split('*')) // the parts of a failure, in any order
                QVERIFY2(codice == 0 ? testo.endsWith(parte + '\n') : testo.contains(parte),
                         qPrintable(testo));
        };
        // A first import into the empty folder, then the row's update.
        esegui("/taglio.zip", 0, "");
        const auto prima = prova::fotografia(cartella);
        esegui(percorsi, codice, atteso);
        std::ostringstream uscita, errori; // and bad arguments: exit 2, nothing touched
        QCOMPARE(
            cli::esegui({"aggiorna", "--cartella", cartella.percorso().string(), "--url"}, uscita, errori),
            2);
        rete::sostituisciAttesa(attesa);
        QCOMPARE(prova::fotografia(cartella), codice == 0 && atteso.endsWith(" estrazioni")
                                                  ? archivioDi(atteso.contains(" 1 ") ? quasi : testo)
                                                  : prima);
    }

    void ogniErroreDiReteHaLaSuaFrase() {
        // Every error Qt may report is told in words of its own, never as a bare code.
        const QMetaEnum errori = QMetaEnum::fromType<QNetworkReply::NetworkError>();
        for (int i = 0; i < errori.keyCount(); ++i) {
            const QString frase = QString::fromStdString(rete::causaErrore(errori.value(i)));
            QVERIFY2((!frase.contains("codice") && !frase.contains("sconosciut")) ||
                         errori.value(i) % 100 == 99,
                     errori.key(i));
        }
    }

    void ultimaGiornataDiEstrazione_data() {
        QTest::addColumn<QDateTime>("adesso");
        QTest::addColumn<QDate>("giornata");
        const auto t = [](int a, int m, int g, int ora) { return QDateTime(QDate(a, m, g), QTime(ora, 59)); };
        QTest::addRow("sabato-alle-20-59") << t(2024, 3, 16, 20) << QDate(2024, 3, 15);
        QTest::addRow("sabato-alle-21-59") << t(2024, 3, 16, 21) << QDate(2024, 3, 16);
        QTest::addRow("venerdi-senza-estrazione") << t(2023, 6, 30, 22) << QDate(2023, 6, 29);
        QTest::addRow("primo-venerdi-con-estrazione") << t(2023, 7, 7, 21) << QDate(2023, 7, 7);
        QTest::addRow("capodanno") << t(2024, 1, 1, 9) << QDate(2023, 12, 30);
        QTest::addRow("dopo-il-29-febbraio") << t(2024, 3, 1, 12) << QDate(2024, 2, 29);
    }
    void ultimaGiornataDiEstrazione() {
        QFETCH(QDateTime, adesso);
        QFETCH(QDate, giornata);
        const std::time_t t = adesso.toSecsSinceEpoch();
        std::tm quando{};
        localtime_r(&t, &quando);
        QCOMPARE(QString::fromStdString(importa::ultimaGiornataDisponibile(quando).testo()),
                 giornata.toString("d/M/yyyy"));
        prova::CartellaDiProva cartella;
        QVERIFY(importa::archivioInRitardo(cartella.stato(), quando)); // no draw at all
        for (const QDate& ultima : {giornata.addDays(-1), giornata}) {
            cartella.scriviArchivio({prova::estrazione(ultima.day(), ultima.month(), ultima.year(), 1)});
            QCOMPARE(importa::archivioInRitardo(cartella.stato(), quando), ultima < giornata);
        }
    }
};

QTEST_GUILESS_MAIN(TestRete)
#include "TestRete.moc"
