// Reading a storico file (its refusals, the compressed forms, the split draws) and writing it into the
// archive by replacement or by addition; the real files of ../shared/data when they are there.
#include "ArchivioDiProva.h"
#include "core/FileSicuro.h"
#include "importa/Decompressione.h"
#include "importa/Importazione.h"

#include <QTest>

#include <zlib.h>

using importa::Modo;

namespace {

/** Draws seven days apart from 10 December 2003: the year changes after the fourth. */
std::vector<prova::Estrazione> estrazioni(int quante) {
    std::vector<prova::Estrazione> e;
    for (int i = 0; i < quante; ++i) {
        const int giorno = 10 + 7 * i;
        const bool gennaio = giorno > 31;
        e.push_back(prova::estrazione(gennaio ? giorno - 31 : giorno, gennaio ? 1 : 12, gennaio ? 2004 : 2003,
                                      gennaio ? i - 3 : i + 1, i));
    }
    return e;
}

const std::tm MOMENTO{}; // the backups of the old archive are named after it

core::Esito<importa::Importazione> importaTesto(const core::Stato& stato, const std::string& testo, Modo modo,
                                                const core::Guasto& guasto = {}) {
    return importa::importaEstrazioni(stato, importa::leggiStorico(testo), modo, MOMENTO, guasto);
}

/** A sample storico file of the import's fuzz corpus: 5/3/2003 BARI and ROMA, 8/3/2003 VENEZIA (one draw). */
std::string campione(const char* nome) {
    return core::leggiFileIntero(std::filesystem::path(QUINTARO_CAMPIONI_STORICO) / nome).value_or("");
}

/** `testo` as one gzip member. */
std::string gzip(const std::string& testo) {
    z_stream z{};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string byte(deflateBound(&z, static_cast<uLong>(testo.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(testo.data()));
    z.avail_in = static_cast<uInt>(testo.size());
    z.next_out = reinterpret_cast<Bytef*>(byte.data());
    z.avail_out = static_cast<uInt>(byte.size());
    deflate(&z, Z_FINISH);
    byte.resize(z.total_out);
    deflateEnd(&z);
    return byte;
}

} // namespace

class TestImporta : public QObject {
    Q_OBJECT
private slots:
    void righeRifiutateSenzaScrivereNulla_data() {
        QTest::addColumn<QString>("riga"); // added as line 11, after a whole draw of 10 December 2003
        QTest::addColumn<QString>("motivo");
        QTest::addRow("data-impossibile")
            << QStringLiteral("2003/02/29\tBA\t1\t2\t3\t4\t5") << "data non valida: «2003/02/29»";
        QTest::addRow("numero-ripetuto-di-seguito")
            << QStringLiteral("2003/12/17\tBA\t1\t2\t7\t7\t5") << "numero ripetuto sulla stessa ruota: 7";
        QTest::addRow("ruota-di-tre-lettere")
            << QStringLiteral("2003/12/17\tBAR\t1\t2\t3\t4\t5") << "ruota sconosciuta: «BAR»";
        QTest::addRow("data-e-ruota-ripetute") << QStringLiteral("2003/12/10\tRO\t1\t2\t3\t4\t5")
                                               << "ruota ROMA già data per il 10/12/2003 alla riga 8";
    }
    void righeRifiutateSenzaScrivereNulla() {
        QFETCH(QString, riga);
        QFETCH(QString, motivo);
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(estrazioni(2));
        const auto prima = prova::fotografia(cartella);
        const auto lettura =
            importa::leggiStorico(prova::testoStorico(estrazioni(1)) + riga.toStdString() + "\n");
        QCOMPARE(lettura.righeRifiutate, std::size_t(1));
        const QString letto = QString::fromStdString(importa::resoconto(lettura));
        QVERIFY2(letto.contains("riga 11: " + motivo), qPrintable(letto));
        QVERIFY2(letto.indexOf("riga 11: ") < letto.indexOf("Formato del file"),
                 qPrintable(letto)); // verdict first
        for (Modo modo : {Modo::Sostituisci, Modo::Aggiungi})
            QVERIFY(!importa::importaEstrazioni(cartella.stato(), lettura, modo, MOMENTO));
        QCOMPARE(prova::fotografia(cartella), prima);
        QCOMPARE(std::distance(std::filesystem::directory_iterator(cartella.percorso()), {}), 1); // no backup
    }

    void formatiDelFile_data() {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("errore"); // empty when the file reads as the plain text
        const auto b = [](const std::string& s) { return QByteArray::fromStdString(s); };
        const std::string testo = campione("testo.txt"), gzip = campione("storico.gz");
        std::string crc = campione("storico.zip");
        const std::size_t indice = crc.find("PK\x01\x02");
        std::string zip64 = crc, nomeLungo = crc;
        crc[indice + 16] ^= 1;                    // the CRC of the deflated entry in the central directory
        zip64.replace(indice + 20, 4, 4, '\xFF'); // its compressed size: zip64's mark
        nomeLungo.replace(indice + 28, 2, 2, '\xFF'); // its name's length: past the end of the file
        QTest::addRow("testo") << b(testo) << "";
        QTest::addRow("bom-e-crlf-e-righe-vuote")
            << b("\xEF\xBB\xBF" + testo).replace("\n", "\r\n") + "\r\n\n"
            << "";
        QTest::addRow("gzip") << b(gzip) << "";
        QTest::addRow("zip") << b(campione("storico.zip")) << "";
        QTest::addRow("zip-crc-errato") << b(crc) << "storico.txt è danneggiato (controllo CRC non superato)";
        QTest::addRow("zip-senza-indice") << b(crc.substr(0, indice)) << "manca l'indice delle voci";
        QTest::addRow("zip64") << b(zip64) << "il formato zip64 non è gestito";
        QTest::addRow("zip-nome-oltre-la-fine") << b(nomeLungo) << "l'indice delle voci è danneggiato";
    }
    void formatiDelFile() {
        QFETCH(QByteArray, byte);
        QFETCH(QString, errore);
        const auto lettura = importa::leggiStorico(byte.toStdString());
        QVERIFY2(QString::fromStdString(lettura.errore).contains(errore), lettura.errore.c_str());
        QCOMPARE(lettura.valida(), errore.isEmpty());
        if (!errore.isEmpty()) return;
        prova::CartellaDiProva cartella;
        QVERIFY(importa::importaEstrazioni(cartella.stato(), lettura, Modo::Sostituisci, MOMENTO));
        prova::Estrazione atteso{5, 3, 2003, 1, {}};
        atteso.ruote[0] = {1, 2, 3, 4, 5};
        atteso.ruote[7] = {90, 12, 7, 44, 61};
        atteso.ruote[9] = {9, 8, 7, 6, 5};
        atteso.ruote[10] = {1, 2, 3, 4, 5}; // the Nazionale joins its draw too
        QCOMPARE(prova::fotografia(cartella), prova::attesi({atteso}));
    }
    void gzipDiPiuMembri() {
        // The size at the end of the file is the last member's: the first one's text outgrows it.
        const std::string primo(300000, 'x'), secondo = "fine\n";
        const auto estratto = importa::estraiTesto(gzip(primo) + gzip(secondo));
        QVERIFY2(estratto.errore.empty(), estratto.errore.c_str());
        QVERIFY(estratto.testo == primo + secondo);
    }

    void estrazioniDiviseRiunite() {
        // 3/12 without NAPOLI and 6/12 with NAPOLI alone are one draw. 10/12 without GENOVA and 14/12 with
        // GENOVA alone are four days apart; 24/12 and 25/12 share BARI: neither pair is joined.
        const auto e = [](int giorno, std::vector<int> nulle) {
            return prova::estrazione(giorno, 12, 2003, 1, giorno, std::move(nulle));
        };
        auto conNazionale = e(24, {2, 3, 4, 5, 6, 7, 8, 9, 10}); // the Nazionale from here on: 25/12 lacks it
        conNazionale.ruote[10] = {1, 2, 3, 4, 5};
        const auto resoconto = QString::fromStdString(importa::resoconto(importa::leggiStorico(
            prova::testoStorico({e(3, {6}), e(6, {1, 2, 3, 4, 5, 7, 8, 9, 10}), e(10, {4}),
                                 e(14, {1, 2, 3, 5, 6, 7, 8, 9, 10}), conNazionale, e(25, {2})}))));
        QVERIFY2(resoconto.startsWith("Righe rifiutate: nessuna.\nFormato del file: "),
                 qPrintable(resoconto));
        QVERIFY2(
            resoconto.contains("Estrazioni: 5, dal 3/12/2003 al 25/12/2003.\nEstrazioni divise dal file su "
                               "due date e riunite: 1\n  3/12/2003 (9 ruote) con 6/12/2003 (NAPOLI): "
                               "registrata il 3/12/2003\n"),
            qPrintable(resoconto));
        const QString mancanti =
            "BARI 1, CAGLIARI 3, FIRENZE 2, GENOVA 2, MILANO 2, NAPOLI 2, PALERMO 2, ROMA 2, "
            "TORINO 2, VENEZIA 2, NAZIONALE 1\n";
        QVERIFY(resoconto.contains("(4 estrazioni): " + mancanti + "  in tutto: " + mancanti));
    }

    void importazioneNellArchivio_data() {
        // The file holds estrazioni(6), the archive its first draws.
        QTest::addColumn<int>("inArchivio");
        QTest::addColumn<QString>("cambio"); // what differs from that
        QTest::addColumn<int>("aggiunte");   // -1: refused, writing nothing
        QTest::addColumn<QString>("messaggio");
        QTest::addRow("sostituisce-dopo-una-copia")
            << 2 << "sostituisci" << 6
            << "L'archivio è stato sostituito: 6 estrazioni, dal 10/12/2003 al 14/1/2004. "
               "L'archivio precedente è stato copiato nella cartella RUOTE_backup_19000100_000000.";
        QTest::addRow("concorda-e-aggiunge")
            << 3 << "" << 3 << "Le 3 estrazioni in comune con l'archivio concordano";
        QTest::addRow("gia-aggiornato") << 6 << "" << 0 << "L'archivio è già aggiornato";
        // An archive written before the Nazionale existed gets it from the file, as it is, nothing else.
        QTest::addRow("nazionale-completata") << 6 << "senza-nazionale" << 0
                                              << "Nessuna estrazione nuova; l'archivio ne contiene 6. La "
                                                 "ruota Nazionale è stata completata in 1 "
                                                 "estrazione dell'archivio che non la avevano.";
        QTest::addRow("numeri-diversi")
            << 4 << "venezia" << -1
            << "su un'estrazione del periodo che hanno in comune: l'estrazione del 17/12/2003 ha numeri "
               "diversi sulla ruota VENEZIA (VENEZIA: archivio ";
        QTest::addRow("manca-nel-file")
            << 4 << "file" << -1 << "l'estrazione n° 3 dell'archivio, del 24/12/2003, manca nel file";
        QTest::addRow("roma-lunga") << 3 << "roma" << -1 << "il file ROMA non ha 3 estrazioni";
        QTest::addRow("scrittura-fallita")
            << 3 << "guasto" << -1 << "Impossibile scrivere i file dell'archivio.";
        QTest::addRow("oltre-il-massimo") << 3 << "massimo" << -1 << "avrebbe 6 estrazioni, più delle 5";
        QTest::addRow("sostituisci-oltre-il-massimo")
            << 3 << "massimo-sostituisci" << -1 << "avrebbe 6 estrazioni, più delle 5";
    }
    void importazioneNellArchivio() {
        QFETCH(int, inArchivio);
        QFETCH(QString, cambio);
        QFETCH(int, aggiunte);
        QFETCH(QString, messaggio);
        auto tutte = estrazioni(6);
        tutte[4].ruote[1] = tutte[4].ruote[3] = {}; // a null record for each wheel the file does not give
        tutte[4].ruote[10] = {1, 2, 3, 4, 5};       // the Nazionale's first draw
        auto archivio = std::vector(tutte.begin(), tutte.begin() + inArchivio);
        if (cambio == "senza-nazionale")
            for (auto& e : archivio)
                e.ruote[10] = {};
        auto file = tutte;
        if (cambio == "file") file.erase(file.begin() + 2);
        if (cambio == "venezia") file[1].ruote[9][0] = 90;
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(archivio, cambio != "senza-nazionale");
        if (cambio == "roma")
            cartella.scriviFile("RUOTE/ROMA", cartella.leggiFile("RUOTE/ROMA") + "\x8c\x8c\x8c\x8c\x8c");
        auto stato = cartella.stato();
        if (cambio.startsWith("massimo")) stato.Max_Estrazioni_Archivio = 5;
        const auto prima = prova::fotografia(cartella);
        const auto esito =
            importaTesto(stato, prova::testoStorico(file),
                         cambio.endsWith("sostituisci") ? Modo::Sostituisci : Modo::Aggiungi,
                         [&](const std::string& passo) { return cambio == "guasto" && passo == "registro"; });
        const std::string testo = esito ? esito->messaggio : esito.messaggio();
        QVERIFY2(QString::fromStdString(testo).contains(messaggio), testo.c_str());
        QCOMPARE(esito ? esito->scritte : -1, aggiunte);
        // The contests of the added draws go on from the archive's last one, across the new year.
        QCOMPARE(prova::fotografia(cartella),
                 aggiunte > 0 || cambio == "senza-nazionale" ? prova::attesi(tutte) : prima);
    }

    void avvisoPrimaDiSostituire() {
        // A file that ends before the archive: its replacement drops the archive's later draws, and says so.
        prova::CartellaDiProva cartella;
        const auto tutte = estrazioni(6);
        cartella.scriviArchivio(tutte);
        const auto avviso = [&](const std::string& testo) {
            return QString::fromStdString(
                importa::avvisoSostituzione(cartella.stato(), importa::leggiStorico(testo)));
        };
        const auto finoA = [&](int quante) {
            return prova::testoStorico({tutte.begin(), tutte.begin() + quante});
        };
        QCOMPARE(
            QStringList({avviso(finoA(6)), avviso(finoA(5)).section(" (", 0, 0),
                         avviso(finoA(3)).section(": ", 1), avviso("riga sbagliata\n")}),
            QStringList({"",
                         "Il file finisce il 7/1/2004, l'archivio il 14/1/2004: 1 estrazione più recente non "
                         "sarà nel nuovo archivio",
                         "3 estrazioni più recenti non saranno nel nuovo archivio (ne resta la copia in "
                         "RUOTE_backup_…).",
                         ""}));
    }

    void datiReali() {
        const auto dati = prova::cartellaDatiReali();
        if (dati.empty()) QSKIP("../shared/data non è presente");
        const auto testo = [&](const char* nome) {
            return importa::estraiTesto(*core::leggiFileIntero(dati / nome)).testo;
        };
        const std::string ufficiale = testo("lotto_storico_igt_1939-2026.txt.gz");
        const std::string indipendente = testo("lotto_storico_estrazionedellotto_1871-2025.txt.gz");
        // The official file: its draws, their span, the split draws joined and the null records per wheel.
        const auto lettura = importa::leggiStorico(ufficiale);
        QVERIFY(lettura.valida());
        // The Nazionale from its first draw, 4 May 2005, on every draw since.
        const auto prima = std::find_if(lettura.estrazioni.begin(), lettura.estrazioni.end(),
                                        [](const auto& e) { return e.presente(core::FILE_NAZIONALE); });
        QCOMPARE(lettura.estrazioni.front().data.testo() + " " + lettura.estrazioni.back().data.testo() +
                     " " + std::to_string(lettura.estrazioni.size()) + " " +
                     std::to_string(lettura.unite.size()) + " " + prima->data.testo() + " " +
                     std::to_string(lettura.estrazioni.end() - prima),
                 std::string("7/1/1939 1/8/2026 7354 5 4/5/2005 3463"));
        QCOMPARE(std::vector<int>(lettura.nulle.begin(), lettura.nulle.end()),
                 (std::vector<int>{0, 0, 100, 7, 28, 3, 5, 27, 2, 4, 3, 0}));

        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        QVERIFY(importaTesto(stato, indipendente, Modo::Sostituisci));

        // Adding the official file finds the two draws the sources disagree on.
        const auto esito = importaTesto(stato, ufficiale, Modo::Aggiungi);
        QVERIFY2(!esito && esito.messaggio().find(
                               "non concordano su 2 estrazioni del periodo che hanno in comune; la prima: "
                               "l'estrazione del 7/9/1946 ha numeri diversi sulle ruote MILANO, NAPOLI, "
                               "PALERMO, ROMA, TORINO, VENEZIA") != std::string::npos,
                 esito.messaggio().c_str());

        // The other source up to 1938, then the official file: 10,907 dates, 10,902 draws once the five
        // split ones are joined, each of which held every wheel once over its two dates.
        const auto unite =
            importa::leggiStorico(indipendente.substr(0, indipendente.find("1939/")) + ufficiale);
        QCOMPARE(unite.estrazioni.size(), std::size_t(10902));
        const int dichiarate[] = {178, 3653, 12, 3581, 8, 10, 32, 7, 9, 8};
        for (int w = 1; w <= 10; ++w)
            QCOMPARE(unite.nulle[std::size_t(w)], dichiarate[w - 1] - 5);
        QVERIFY(importa::importaEstrazioni(stato, unite, Modo::Sostituisci, MOMENTO));
        const auto archivio = prova::fotografia(cartella);
        QCOMPARE(archivio[0].size(), std::size_t(10902 * 5));
        QCOMPARE(archivio[11].substr(0, 10) + archivio[12].substr(0, 8), std::string(" 7/ 1/1871  1/1871"));
        QCOMPARE(archivio[11].substr(archivio[11].size() - 10) + archivio[12].substr(archivio[12].size() - 8),
                 std::string(" 1/ 8/2026123/2026"));
        QVERIFY(archivio[12].find("209/2024") != std::string::npos &&
                archivio[12].find("210/") == std::string::npos);
    }
};

QTEST_APPLESS_MAIN(TestImporta)
#include "TestImporta.moc"
