// Reading a storico file (its refusals, the compressed forms, the split draws) and writing it into the
// archive by replacement or by addition; the real files of ../shared/data when they are there.
#include "ArchivioDiProva.h"
#include "core/FileSicuro.h"
#include "importa/Decompressione.h"
#include "importa/Importazione.h"

#include <QTest>

#include <sstream>
#include <zlib.h>

using importa::Modo;

namespace {

/** Draws seven days apart from 10 December 2003: the year changes after the fourth. */
std::vector<prova::Estrazione> estrazioni(int quante, int variante = 0) {
    std::vector<prova::Estrazione> e;
    for (int i = 0; i < quante; ++i) {
        const int giorno = 10 + 7 * i;
        const bool gennaio = giorno > 31;
        e.push_back(prova::estrazione(gennaio ? giorno - 31 : giorno, gennaio ? 1 : 12, gennaio ? 2004 : 2003,
                                      gennaio ? i - 3 : i + 1, variante + i));
    }
    return e;
}

std::tm momento() {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mday = 1;
    return t;
}

core::Esito<importa::Importazione> importaTesto(const core::Stato& stato, const std::string& testo,
                                                Modo modo) {
    return importa::importaEstrazioni(stato, importa::leggiStorico(testo), modo, momento());
}

/** `testo` deflated with zlib's windowBits (16 + 15: gzip, -15: raw, as zip stores it). */
std::string comprimi(const std::string& testo, int windowBits) {
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    std::string uscita(deflateBound(&z, static_cast<uLong>(testo.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(testo.data()));
    z.avail_in = static_cast<uInt>(testo.size());
    z.next_out = reinterpret_cast<Bytef*>(uscita.data());
    z.avail_out = static_cast<uInt>(uscita.size());
    deflate(&z, Z_FINISH);
    uscita.resize(z.total_out);
    deflateEnd(&z);
    return uscita;
}

/** `v` as `byte` little-endian bytes (at most 4). */
std::string le(std::size_t v, int byte) {
    std::string s;
    for (int i = 0; i < byte; ++i)
        s += static_cast<char>(v >> (8 * i) & 0xFF);
    return s;
}

/** A zip of the given entries (name, text), deflated or stored; `crc` != 0 replaces every CRC. */
std::string zip(const std::vector<std::pair<std::string, std::string>>& voci, bool deflate,
                std::uint32_t crc = 0) {
    std::string locali, centrale;
    for (const auto& [nome, testo] : voci) {
        const std::string dati = deflate ? comprimi(testo, -15) : testo;
        const uLong c =
            crc ? crc
                : crc32(0, reinterpret_cast<const Bytef*>(testo.data()), static_cast<uInt>(testo.size()));
        const std::string comune = le(20, 2) + le(0, 2) + le(deflate ? 8 : 0, 2) + le(0, 4) + le(c, 4) +
                                   le(dati.size(), 4) + le(testo.size(), 4) + le(nome.size(), 2) + le(0, 2);
        centrale += le(0x02014b50, 4) + le(20, 2) + comune + le(0, 4) + le(0, 2) + le(0, 4) +
                    le(locali.size(), 4) + nome;
        locali += le(0x04034b50, 4) + comune + nome + dati;
    }
    return locali + centrale + le(0x06054b50, 4) + le(0, 4) + le(voci.size(), 2) + le(voci.size(), 2) +
           le(centrale.size(), 4) + le(locali.size(), 4) + le(0, 2);
}

} // namespace

class TestImporta : public QObject {
    Q_OBJECT
private slots:
    void righeRifiutateSenzaScrivereNulla_data() {
        QTest::addColumn<QString>("riga"); // added as line 11, after a whole draw of 10 December 2003
        QTest::addColumn<QString>("motivo");
        QTest::addRow("data-impossibile") << "2003/02/29\tBA\t1\t2\t3\t4\t5"
                                          << "data non valida: «2003/02/29»";
        QTest::addRow("anno-prima-del-1871") << "1870/12/31\tBA\t1\t2\t3\t4\t5"
                                             << "data non valida";
        QTest::addRow("ruota-sconosciuta") << "2003/12/17\tXY\t1\t2\t3\t4\t5"
                                           << "ruota sconosciuta: «XY»";
        QTest::addRow("numero-91") << "2003/12/17\tBA\t1\t2\t3\t4\t91"
                                   << "numero fuori da 1..90: «91»";
        QTest::addRow("numero-non-numerico") << "2003/12/17\tBA\t1\t2x\t3\t4\t5"
                                             << "numero non valido: «2x»";
        QTest::addRow("numero-ripetuto") << "2003/12/17\tBA\t7\t2\t3\t7\t5"
                                         << "numero ripetuto sulla stessa ruota: 7";
        QTest::addRow("data-e-ruota-ripetute") << "2003/12/10\tRO\t1\t2\t3\t4\t5"
                                               << "ruota ROMA già data per il 10/12/2003 alla riga 8";
        QTest::addRow("quattro-numeri") << "2003/12/17\tBA\t1\t2\t3\t4"
                                        << "non è nel formato atteso";
        QTest::addRow("testo-qualsiasi") << "Estrazioni del Lotto"
                                         << "non è nel formato atteso";
        QTest::addRow("byte-binari") << QString::fromLatin1("\x01\xff\tPK\x03\x04")
                                     << "non è nel formato atteso";
    }
    void righeRifiutateSenzaScrivereNulla() {
        QFETCH(QString, riga);
        QFETCH(QString, motivo);
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(estrazioni(2));
        const auto prima = prova::fotografia(cartella);
        const auto lettura =
            importa::leggiStorico(prova::testoStorico(estrazioni(1)) + riga.toLatin1().toStdString() + "\n");
        QVERIFY(!lettura.valida());
        QCOMPARE(lettura.righeRifiutate, std::size_t(1));
        QCOMPARE(lettura.rifiutate[0].riga, std::size_t(11));
        const QString motivoLetto = QString::fromStdString(lettura.rifiutate[0].motivo);
        QVERIFY2(motivoLetto.contains(motivo), qPrintable(motivoLetto));
        QVERIFY(QString::fromStdString(importa::resoconto(lettura)).contains("riga 11: " + motivoLetto));
        for (Modo modo : {Modo::Sostituisci, Modo::Aggiungi})
            QVERIFY(!importa::importaEstrazioni(cartella.stato(), lettura, modo, momento()));
        QCOMPARE(prova::fotografia(cartella), prima);
        QVERIFY(std::distance(std::filesystem::directory_iterator(cartella.percorso()), {}) ==
                1); // RUOTE alone: no backup
    }

    void formatiDelFile_data() {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("errore"); // empty when the file reads as the plain text
        const std::string testo = prova::testoStorico(estrazioni(3));
        const auto b = [](const std::string& s) { return QByteArray::fromStdString(s); };
        std::string dos = "\xEF\xBB\xBF";
        for (char c : testo)
            dos += c == '\n' ? std::string("\r\n") : std::string(1, c);
        QTest::addRow("testo") << b(testo) << "";
        QTest::addRow("bom-e-crlf-e-righe-vuote") << b(dos + "\r\n\n") << "";
        QTest::addRow("gzip") << b(comprimi(testo, 31)) << "";
        QTest::addRow("gzip-in-due-parti")
            << b(comprimi(testo.substr(0, 100), 31) + comprimi(testo.substr(100), 31)) << "";
        QTest::addRow("zip-deflate") << b(zip({{"LEGGIMI", "x"}, {"dati/STORICO.TXT", testo}}, true)) << "";
        QTest::addRow("zip-stored-unico-txt")
            << b(zip({{"a.csv", "x"}, {"estrazioni.txt", testo}}, false)) << "";
        QTest::addRow("gzip-troncato") << b(comprimi(testo, 31).substr(0, 60))
                                       << "file gzip non valido: i dati compressi sono incompleti";
        QTest::addRow("gzip-con-coda") << b(comprimi(testo, 31) + "xx") << "dati estranei";
        QTest::addRow("zip-senza-txt")
            << b(zip({{"a.csv", testo}}, true)) << "non contiene storico.txt né un altro file .txt";
        QTest::addRow("zip-due-txt") << b(zip({{"a.txt", testo}, {"b.txt", testo}}, true)) << "più file .txt";
        QTest::addRow("zip-crc-errato")
            << b(zip({{"storico.txt", testo}}, false, 1234)) << "controllo CRC non superato";
        QTest::addRow("zip-troncato")
            << b(zip({{"storico.txt", testo}}, true).substr(0, 200)) << "file zip non valido";
        QTest::addRow("vuoto") << QByteArray() << "il file non contiene estrazioni";
    }
    void formatiDelFile() {
        QFETCH(QByteArray, byte);
        QFETCH(QString, errore);
        const auto lettura = importa::leggiStorico(byte.toStdString());
        QVERIFY2(QString::fromStdString(lettura.errore).contains(errore), lettura.errore.c_str());
        QCOMPARE(lettura.valida(), errore.isEmpty());
        if (!errore.isEmpty()) return;
        prova::CartellaDiProva cartella;
        QVERIFY(importa::importaEstrazioni(cartella.stato(), lettura, Modo::Sostituisci, momento()));
        QCOMPARE(prova::fotografia(cartella), prova::attesi(estrazioni(3)));
    }

    void estrazioniDiviseRiunite() {
        // 3/12 without NAPOLI and 4/12 with NAPOLI alone are one draw. 10/12 without GENOVA and 14/12 with
        // GENOVA alone are four days apart; 24/12 and 25/12 share BARI: neither pair is joined.
        const auto e = [](int giorno, int variante, std::vector<int> nulle) {
            return prova::estrazione(giorno, 12, 2003, 1, variante, std::move(nulle));
        };
        const auto lettura = importa::leggiStorico(
            prova::testoStorico({e(3, 0, {6}), e(4, 0, {1, 2, 3, 4, 5, 7, 8, 9, 10}), e(10, 1, {4}),
                                 e(14, 2, {1, 2, 3, 5, 6, 7, 8, 9, 10}), e(17, 3, {}),
                                 e(24, 4, {2, 3, 4, 5, 6, 7, 8, 9, 10}), e(25, 5, {2})}));
        QVERIFY(lettura.valida());
        QCOMPARE(lettura.estrazioni.size(), std::size_t(6));
        QCOMPARE(lettura.unite.size(), std::size_t(1));
        QCOMPARE(lettura.estrazioni[0].data.testo(), std::string("3/12/2003"));
        for (std::size_t w = 0; w < 10; ++w)
            QCOMPARE(int(lettura.estrazioni[0].ruote[w][4]), e(3, 0, {}).ruote[w][4]);
        QCOMPARE((std::vector<int>(lettura.nulle.begin(), lettura.nulle.end())),
                 (std::vector<int>{0, 1, 3, 2, 2, 2, 2, 2, 2, 2, 2}));
        const QString resoconto = QString::fromStdString(importa::resoconto(lettura));
        QVERIFY2(resoconto.contains("3/12/2003 (9 ruote) con 4/12/2003 (NAPOLI): registrata il 3/12/2003"),
                 qPrintable(resoconto));
        QVERIFY(resoconto.contains("dal 10/12/2003 al 14/12/2003 (2 estrazioni): BARI 1, CAGLIARI 1, FIRENZE "
                                   "1, GENOVA 1, MILANO 1"));
    }

    void sostituisceDopoUnaCopia() {
        // Contests are the rank of the date within its year; a missing wheel is a null record; RN is left
        // out.
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(estrazioni(2, 50));
        const auto vecchio = prova::fotografia(cartella);
        auto nuove = estrazioni(6);
        nuove[4] =
            prova::estrazione(nuove[4].giorno, nuove[4].mese, nuove[4].anno, nuove[4].concorso, 4, {2, 4});
        const auto esito =
            importaTesto(cartella.stato(), prova::testoStorico(nuove) + "2004/01/07\tRN\t1\t2\t3\t4\t5\n",
                         Modo::Sostituisci);
        QVERIFY2(esito, esito.messaggio().c_str());
        QCOMPARE(esito->scritte, 6);
        QCOMPARE(prova::fotografia(cartella), prova::attesi(nuove));
        QCOMPARE(cartella.leggiFile("RUOTE/CONCORSO"),
                 std::string("  1/2003  2/2003  3/2003  4/2003  1/2004  2/2004"));
        QCOMPARE(QString::fromStdString(esito->copia.filename().string()),
                 QStringLiteral("RUOTE_backup_20260101_000000"));
        QCOMPARE(cartella.leggiFile(esito->copia / "BARI") + cartella.leggiFile(esito->copia / "CONCORSO"),
                 vecchio[0] + vecchio[11]);
    }

    void aggiungeSoloLeSuccessive_data() {
        QTest::addColumn<int>("inArchivio"); // the first draws of estrazioni(6) already in the archive
        QTest::addColumn<int>("dal");        // the file holds draws dal..5 of estrazioni(6)
        QTest::addColumn<int>("alterata");   // a draw of the file with another number on NAPOLI, -1 none
        QTest::addColumn<int>("tolta"); // a draw left out of the file (negative: out of the archive), 0 none
        QTest::addColumn<int>("aggiunte"); // -1: refused
        QTest::addColumn<QString>("messaggio");
        QTest::addRow("concorda-e-aggiunge")
            << 3 << 0 << -1 << 0 << 3 << "Le 3 estrazioni in comune con l'archivio concordano";
        QTest::addRow("senza-estrazioni-in-comune")
            << 3 << 3 << -1 << 0 << 3 << "non hanno estrazioni in comune";
        QTest::addRow("archivio-vuoto") << 0 << 0 << -1 << 0 << 6 << "l'archivio ne contiene ora 6";
        QTest::addRow("gia-aggiornato") << 6 << 0 << -1 << 0 << 0 << "L'archivio è già aggiornato";
        QTest::addRow("numeri-diversi")
            << 4 << 0 << 1 << 0 << -1
            << "la prima: l'estrazione del 17/12/2003 ha numeri diversi sulle ruote NAPOLI";
        QTest::addRow("manca-nel-file")
            << 4 << 0 << -1 << 2 << -1 << "l'estrazione n° 3 dell'archivio, del 24/12/2003, manca nel file";
        QTest::addRow("manca-nell-archivio")
            << 4 << 0 << -1 << -2 << -1 << "l'estrazione del 24/12/2003 manca nell'archivio";
    }
    void aggiungeSoloLeSuccessive() {
        QFETCH(int, inArchivio);
        QFETCH(int, dal);
        QFETCH(int, alterata);
        QFETCH(int, tolta);
        QFETCH(int, aggiunte);
        QFETCH(QString, messaggio);
        const auto tutte = estrazioni(6);
        prova::CartellaDiProva cartella;
        auto archivio = std::vector(tutte.begin(), tutte.begin() + inArchivio);
        auto file = std::vector(tutte.begin() + dal, tutte.end());
        if (tolta < 0) archivio.erase(archivio.begin() - tolta);
        if (tolta > 0) file.erase(file.begin() + tolta);
        if (alterata >= 0) file[std::size_t(alterata)].ruote[5][0] = 90;
        cartella.scriviArchivio(archivio);
        const auto prima = prova::fotografia(cartella);
        const auto esito = importaTesto(cartella.stato(), prova::testoStorico(file), Modo::Aggiungi);
        const std::string testo = esito ? esito->messaggio : esito.messaggio();
        QVERIFY2(QString::fromStdString(testo).contains(messaggio), testo.c_str());
        QCOMPARE(esito ? esito->scritte : -1, aggiunte);
        // The contests of the added draws go on from the archive's last one, across the new year.
        QCOMPARE(prova::fotografia(cartella), aggiunte > 0 ? prova::attesi(tutte) : prima);
    }

    void datiReali() {
        const auto dati = prova::cartellaDatiReali();
        if (dati.empty()) QSKIP("../shared/data non è presente");
        const auto testo = [&](const char* nome) {
            return importa::estraiTesto(*core::leggiFileIntero(dati / nome)).testo;
        };
        const std::string ufficiale = testo("lotto_storico_igt_1939-2026.txt.gz");
        const std::string indipendente = testo("lotto_storico_estrazionedellotto_1871-2025.txt.gz");
        // Draws, span, joined draws and null records per wheel (the draws less the lines of each code).
        const struct {
            const std::string& testo;
            std::size_t estrazioni;
            std::string dal, al;
            std::size_t unite;
            std::vector<int> nulle;
        } file[] = {
            {ufficiale, 7354, "7/1/1939", "1/8/2026", 5, {0, 0, 100, 7, 28, 3, 5, 27, 2, 4, 3}},
            {indipendente, 10779, "7/1/1871", "30/12/2025", 0, {0, 173, 3648, 7, 3576, 2, 5, 27, 2, 4, 4}}};
        for (const auto& f : file) {
            const auto lettura = importa::leggiStorico(f.testo);
            QVERIFY(lettura.valida());
            QCOMPARE(lettura.estrazioni.size(), f.estrazioni);
            QCOMPARE(lettura.estrazioni.front().data.testo() + " " + lettura.estrazioni.back().data.testo(),
                     f.dal + " " + f.al);
            QCOMPARE(lettura.unite.size(), f.unite);
            QCOMPARE(std::vector<int>(lettura.nulle.begin(), lettura.nulle.end()), f.nulle);
        }

        // Contest n of a year is the draw's rank in it, as the other source numbers them, except in
        // 2020 where it skips the contests cancelled in the suspension.
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        QVERIFY(importaTesto(stato, indipendente, Modo::Sostituisci));
        const std::string concorsi = cartella.leggiFile("RUOTE/CONCORSO");
        std::istringstream csv(testo("lotto_contests_estrazionedellotto_1871-2025.csv.gz"));
        std::string riga;
        std::getline(csv, riga);
        for (std::size_t n = 0; std::getline(csv, riga); ++n)
            if (!riga.starts_with("2020"))
                QCOMPARE(std::stoi(concorsi.substr(8 * n, 3)), std::stoi(riga.substr(11)));

        // Adding the official file finds the two draws the sources disagree on.
        const auto esito = importaTesto(stato, ufficiale, Modo::Aggiungi);
        QVERIFY2(!esito && esito.messaggio().find(
                               "non concordano su 2 estrazioni del periodo che hanno in comune; la prima: "
                               "l'estrazione del 7/9/1946 ha numeri diversi sulle ruote MILANO, NAPOLI, "
                               "PALERMO, ROMA, TORINO, VENEZIA") != std::string::npos,
                 esito.messaggio().c_str());

        // The other source up to 1938, then the official file: 10,907 dates, 10,902 draws once the five
        // split ones are joined, each of which held every wheel once over its two dates.
        const auto lettura =
            importa::leggiStorico(indipendente.substr(0, indipendente.find("1939/")) + ufficiale);
        QCOMPARE(lettura.estrazioni.size(), std::size_t(10902));
        const int dichiarate[] = {178, 3653, 12, 3581, 8, 10, 32, 7, 9, 8};
        for (int w = 1; w <= 10; ++w)
            QCOMPARE(lettura.nulle[std::size_t(w)], dichiarate[w - 1] - 5);
        QVERIFY(importa::importaEstrazioni(stato, lettura, Modo::Sostituisci, momento()));
        const auto archivio = prova::fotografia(cartella);
        QCOMPARE(archivio[0].size(), std::size_t(10902 * 5));
        QCOMPARE(archivio[10].substr(0, 10) + archivio[11].substr(0, 8), std::string(" 7/ 1/1871  1/1871"));
        QCOMPARE(archivio[10].substr(archivio[10].size() - 10) + archivio[11].substr(archivio[11].size() - 8),
                 std::string(" 1/ 8/2026123/2026"));
        QVERIFY(archivio[11].find("209/2024") != std::string::npos &&
                archivio[11].find("210/") == std::string::npos);
    }
};

QTEST_APPLESS_MAIN(TestImporta)
#include "TestImporta.moc"
