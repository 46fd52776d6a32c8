// The update from the operator's website: the download from a list of addresses served on 127.0.0.1 by
// the test itself, the check of what arrived and the addition to the archive (also by quintaro-cli), the
// draw days, the user's own address in the settings.
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
#include <QTest>

#include <sstream>

using prova::Risposta;

namespace {

/** Six made-up weekly draws: 10, 17, 24, 31 December 2003, 7 and 14 January 2004. */
std::vector<prova::Estrazione> inventate() {
    std::vector<prova::Estrazione> e;
    for (int i = 0; i < 6; ++i)
        e.push_back(i < 4 ? prova::estrazione(10 + 7 * i, 12, 2003, i + 1, i)
                          : prova::estrazione(7 * i - 21, 1, 2004, i - 3, i));
    return e;
}

QByteArray testoDi(const std::vector<prova::Estrazione>& e) {
    return QByteArray::fromStdString(prova::testoStorico(e));
}

/** The official storico text of ../shared/data (empty without it), or the made-up draws. */
QByteArray storico(bool ufficiale) {
    if (!ufficiale) return testoDi(inventate());
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

/** Serves the made-up draws whole and cut, and the bad answers; returns the whole text. */
QByteArray prepara(prova::ServerDiProva& server) {
    const QByteArray testo = storico(false), intero = prova::zip("storico.txt", testo);
    server.imposta("/intero.zip", {200, intero});
    server.imposta("/taglio.zip", {200, prova::zip("storico.txt", finoA(testo, "2004"))});
    server.imposta("/rimando", {302, {}, "/intero.zip"});
    server.imposta("/giro", {302, {}, "/giro"});
    server.imposta("/muto", {200, intero, {}, Risposta::Modo::Muta});
    server.imposta("/troncato.zip", {200, intero, {}, Risposta::Modo::Troncata});
    server.imposta("/enorme.zip", {200, "x", {}, Risposta::Modo::Intera, (qint64{64} << 20) + 1});
    server.imposta("/testo.txt", {200, testo});
    server.imposta("/altro.zip", {200, prova::zip("leggimi.md", testo)});
    auto diverse = inventate();
    diverse[1].ruote[0] = {90, 89, 88, 87, 86};
    server.imposta("/discorde.zip", {200, prova::zip("storico.txt", testoDi(diverse))});
    return testo;
}

} // namespace

class TestRete : public QObject {
    Q_OBJECT
private slots:
    void aggiornamentoDagliIndirizzi_data() {
        QTest::addColumn<QStringList>("percorsi"); // "chiuso": an address where nothing listens
        QTest::addColumn<int>("aggiunte");         // -1: nothing may be written
        QTest::addColumn<QStringList>("cause");    // in the message, each after its address
        QTest::addRow("rimando-seguito") << QStringList{"/rimando"} << 2 << QStringList{};
        QTest::addRow("404-poi-il-secondo") << QStringList{"/manca", "/intero.zip"} << 2 << QStringList{};
        QTest::addRow("rifiutato-poi-il-secondo")
            << QStringList{"chiuso", "/intero.zip"} << 2 << QStringList{};
        QTest::addRow("gia-aggiornato") << QStringList{"/taglio.zip"} << 0 << QStringList{};
        QTest::addRow("muto") << QStringList{"/muto"} << -1
                              << QStringList{"/muto: nessuna risposta entro 300 millisecondi"};
        QTest::addRow("troncato") << QStringList{"/troncato.zip"} << -1
                                  << QStringList{"/troncato.zip: scaricamento interrotto: ricevuti"};
        QTest::addRow("oltre-64-mib")
            << QStringList{"/enorme.zip"} << -1 << QStringList{"/enorme.zip: il file supera i 64 MiB"};
        QTest::addRow("non-zip") << QStringList{"/testo.txt"} << -1
                                 << QStringList{"/testo.txt: il file ricevuto non è un archivio zip"};
        QTest::addRow("zip-senza-estrazioni")
            << QStringList{"/altro.zip"} << -1
            << QStringList{"/altro.zip: il file zip non contiene storico.txt"};
        QTest::addRow("troppi-rimandi")
            << QStringList{"/giro"} << -1 << QStringList{"/giro: più di 5 reindirizzamenti"};
        QTest::addRow("indirizzo-non-valido")
            << QStringList{"ftp://127.0.0.1/storico.zip"} << -1
            << QStringList{"ftp://127.0.0.1/storico.zip: indirizzo non valido"};
        QTest::addRow("tutti-falliti")
            << QStringList{"/manca", "chiuso"} << -1
            << QStringList{"/manca: il server ha risposto con il codice 404 (file non trovato)",
                           "storico.zip: connessione rifiutata"};
        QTest::addRow("discorde") << QStringList{"/discorde.zip"} << -1
                                  << QStringList{
                                         "non concordano su 1 estrazione del periodo che hanno in comune; "
                                         "la prima: l'estrazione del 17/12/2003 ha numeri diversi sulle "
                                         "ruote BARI"};
    }
    void aggiornamentoDagliIndirizzi() {
        QFETCH(QStringList, percorsi);
        QFETCH(int, aggiunte);
        QFETCH(QStringList, cause);
        prova::ServerDiProva server;
        const QByteArray testo = prepara(server);
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        QVERIFY(importa::importaEstrazioni(stato, importa::leggiStorico(finoA(testo, "2004").toStdString()),
                                           importa::Modo::Sostituisci, {}));
        const auto prima = prova::fotografia(cartella);
        std::vector<std::string> indirizzi;
        for (const QString& percorso : percorsi)
            indirizzi.push_back((percorso == "chiuso"       ? prova::indirizzoChiuso()
                                 : percorso.startsWith('/') ? server.indirizzo(percorso.toLatin1())
                                                            : percorso)
                                    .toStdString());

        const auto scaricato = rete::scarica(indirizzi, importa::controllaFileScaricato, {}, 300);
        std::string messaggio = scaricato.messaggio();
        if (scaricato) {
            const auto esito = importa::importaEstrazioni(stato, importa::leggiStorico(scaricato->byte),
                                                          importa::Modo::Aggiungi, {});
            QCOMPARE(esito ? esito->scritte : -1, aggiunte);
            messaggio = esito.messaggio();
        }
        QCOMPARE(scaricato.riuscito(), aggiunte >= 0 || QTest::currentDataTag() == QByteArray("discorde"));
        for (const QString& causa : cause)
            QVERIFY2(QString::fromStdString(messaggio).contains(causa), messaggio.c_str());
        QCOMPARE(prova::fotografia(cartella), aggiunte > 0 ? archivioDi(testo) : prima);
        if (percorsi.contains("/manca")) QCOMPARE(server.richieste("/manca"), 1);
    }

    void primaImportazionePoiIlRestoDallaRigaDiComando_data() {
        QTest::addColumn<bool>("ufficiale");
        QTest::addColumn<QByteArray>("taglio"); // the first date left out of the first download
        QTest::addRow("inventato") << false << QByteArray("2004");
        QTest::addRow("ufficiale") << true << QByteArray("2020/01/01");
    }
    void primaImportazionePoiIlRestoDallaRigaDiComando() {
        QFETCH(bool, ufficiale);
        QFETCH(QByteArray, taglio);
        const QByteArray testo = storico(ufficiale);
        if (testo.isEmpty()) QSKIP("../shared/data/lotto_storico_igt_1939-2026.txt.gz non c'è");
        prova::ServerDiProva server;
        server.imposta("/taglio.zip", {200, prova::zip("storico.txt", finoA(testo, taglio))});
        server.imposta("/intero.zip", {200, prova::zip("dati/STORICO.TXT", testo)});
        prova::CartellaDiProva cartella;
        // Success ends the output with `atteso`; a failure says it on standard error.
        const auto esegui = [&](QStringList argomenti, int codice, const QString& atteso) {
            std::vector<std::string> a{"aggiorna"};
            for (const QString& argomento : argomenti) // a path after --url is one of the server
                a.push_back((a.back() == "--url" && argomento.startsWith('/')
                                 ? server.indirizzo(argomento.toLatin1())
                                 : argomento)
                                .toStdString());
            std::ostringstream uscita, errori;
            QCOMPARE(cli::esegui(a, uscita, errori), codice);
            const QString testo = QString::fromStdString(codice == 0 ? uscita.str() : errori.str());
            QVERIFY2(codice == 0 ? testo.endsWith(atteso + '\n') : testo.contains(atteso), qPrintable(testo));
        };
        const QString dir = QString::fromStdString(cartella.percorso().string());
        const auto nuove = [&](const QByteArray& t) {
            return importa::leggiStorico(t.toStdString()).estrazioni.size();
        };
        const std::size_t primo = nuove(finoA(testo, taglio)), tutte = nuove(testo);
        esegui({"--cartella", dir, "--url", "/taglio.zip"}, 0,
               QStringLiteral("aggiunte %1 estrazioni").arg(primo));
        esegui({"--cartella", dir, "--url", "/manca", "--url", "/intero.zip"}, 0,
               QStringLiteral("aggiunte %1 estrazioni").arg(tutte - primo));
        QCOMPARE(prova::fotografia(cartella), archivioDi(testo));
        esegui({"--cartella", dir, "--url", "/intero.zip"}, 0, "archivio già aggiornato");
        const QString chiuso = prova::indirizzoChiuso();
        esegui({"--cartella", dir, "--url", chiuso}, 1,
               chiuso + ": connessione rifiutata\nL'archivio non è stato modificato.");
        esegui({"--cartella", dir, "--url"}, 2, "manca il valore di --url.");
        esegui({"--url", "/intero.zip"}, 2, "manca --cartella.");
        QCOMPARE(prova::fotografia(cartella), archivioDi(testo));
    }

    void ultimaGiornataDiEstrazione_data() {
        QTest::addColumn<QDateTime>("adesso");
        QTest::addColumn<QDate>("giornata");
        const auto t = [](int a, int m, int g, int ora) { return QDateTime(QDate(a, m, g), QTime(ora, 59)); };
        QTest::addRow("sabato-alle-20-59") << t(2024, 3, 16, 20) << QDate(2024, 3, 15);
        QTest::addRow("sabato-alle-21-59") << t(2024, 3, 16, 21) << QDate(2024, 3, 16);
        QTest::addRow("mercoledi") << t(2024, 3, 20, 10) << QDate(2024, 3, 19);
        QTest::addRow("venerdi-senza-estrazione") << t(2023, 6, 30, 22) << QDate(2023, 6, 29);
        QTest::addRow("primo-venerdi-con-estrazione") << t(2023, 7, 7, 21) << QDate(2023, 7, 7);
        QTest::addRow("capodanno") << t(2024, 1, 1, 9) << QDate(2023, 12, 30);
        QTest::addRow("dopo-il-29-febbraio") << t(2024, 3, 1, 12) << QDate(2024, 2, 29);
    }
    void ultimaGiornataDiEstrazione() {
        QFETCH(QDateTime, adesso);
        QFETCH(QDate, giornata);
        std::tm quando{};
        quando.tm_year = adesso.date().year() - 1900;
        quando.tm_mon = adesso.date().month() - 1;
        quando.tm_mday = adesso.date().day();
        quando.tm_hour = adesso.time().hour();
        quando.tm_min = adesso.time().minute();
        QCOMPARE(QString::fromStdString(importa::ultimaGiornataDisponibile(quando).testo()),
                 giornata.toString("d/M/yyyy"));
        prova::CartellaDiProva cartella;
        QVERIFY(importa::archivioInRitardo(cartella.stato(), quando)); // no draw at all
        for (const QDate& ultima : {giornata.addDays(-1), giornata}) {
            cartella.scriviArchivio({prova::estrazione(ultima.day(), ultima.month(), ultima.year(), 1)});
            QCOMPARE(importa::archivioInRitardo(cartella.stato(), quando), ultima < giornata);
        }
    }

    void indirizzoDelleOpzioni_data() {
        QTest::addColumn<QString>("prima");   // stored before
        QTest::addColumn<QString>("proprio"); // then stored
        QTest::addColumn<bool>("accettato");
        const QString lungo = "https://127.0.0.1/" + QString(166, 'a') + "/s.zip"; // 190 characters
        QTest::addRow("nessuno") << ""
                                 << "" << true;
        QTest::addRow("190-caratteri") << "" << lungo << true;
        QTest::addRow("accorciato") << lungo << "http://a.it/s.zip" << true;
        QTest::addRow("191-caratteri") << "http://a.it/s.zip" << lungo + "x" << false;
        QTest::addRow("con-uno-spazio") << ""
                                        << "http://a.it/s .zip" << false;
    }
    void indirizzoDelleOpzioni() {
        QFETCH(QString, prima);
        QFETCH(QString, proprio);
        QFETCH(bool, accettato);
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        const auto campo = core::campi::INDIRIZZO_AGGIORNAMENTO;
        QVERIFY(core::scriviTestoLungo(stato, campo, prima.toStdString()));
        QCOMPARE(core::scriviTestoLungo(stato, campo, proprio.toStdString()).riuscito(), accettato);
        const QString atteso = accettato ? proprio : prima;
        std::vector<std::string> indirizzi(importa::INDIRIZZI_OPERATORE.begin(),
                                           importa::INDIRIZZI_OPERATORE.end());
        if (!atteso.isEmpty()) indirizzi.insert(indirizzi.begin(), atteso.toStdString());
        QCOMPARE(importa::indirizziAggiornamento(stato), indirizzi);
        QVERIFY(core::scriviCampo(stato, core::campi::CONTROLLO_ALL_AVVIO, 1)); // the field after it
        QCOMPARE(QString::fromStdString(core::leggiTestoLungo(stato, campo)), atteso);
    }
};

QTEST_GUILESS_MAIN(TestRete)
#include "TestRete.moc"
