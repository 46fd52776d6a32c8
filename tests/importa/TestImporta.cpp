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

const char* const FILE_ARCHIVIO[] = {"BARI", "CAGLIARI", "FIRENZE", "GENOVA", "MILANO", "NAPOLI",
                                     "PALERMO", "ROMA", "TORINO", "VENEZIA", "DATA", "CONCORSO"};

std::vector<std::string> fotografia(const prova::CartellaDiProva& cartella) {
    std::vector<std::string> file;
    for (const char* nome : FILE_ARCHIVIO) file.push_back(cartella.leggiFile(std::filesystem::path("RUOTE") / nome));
    return file;
}

std::vector<std::string> attesi(const std::vector<prova::Estrazione>& estrazioni) {
    prova::CartellaDiProva altrove;
    altrove.scriviArchivio(estrazioni);
    return fotografia(altrove);
}

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

importa::EsitoImportazione importaTesto(const core::Stato& stato, const std::string& testo, Modo modo) {
    return importa::importaInArchivio(stato, importa::leggiStorico(testo), modo, momento());
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

std::string le(std::uint32_t v, int byte) {
    std::string s;
    for (int i = 0; i < byte; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
    return s;
}

/** A zip of the given entries (name, text), deflated or stored; `crc` != 0 replaces every CRC. */
std::string zip(const std::vector<std::pair<std::string, std::string>>& voci, bool deflate, std::uint32_t crc = 0) {
    std::string locali, centrale;
    for (const auto& [nome, testo] : voci) {
        const std::string dati = deflate ? comprimi(testo, -15) : testo;
        const auto c = crc ? crc : static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(testo.data()), static_cast<uInt>(testo.size())));
        const std::string comune = le(20, 2) + le(0, 2) + le(deflate ? 8 : 0, 2) + le(0, 4) + le(c, 4) + le(static_cast<std::uint32_t>(dati.size()), 4) +
                                   le(static_cast<std::uint32_t>(testo.size()), 4) + le(static_cast<std::uint32_t>(nome.size()), 2) + le(0, 2);
        centrale += le(0x02014b50, 4) + le(20, 2) + comune + le(0, 4) + le(0, 2) + le(0, 4) + le(static_cast<std::uint32_t>(locali.size()), 4) + nome;
        locali += le(0x04034b50, 4) + comune + nome + dati;
    }
    const auto n = static_cast<std::uint32_t>(voci.size());
    return locali + centrale + le(0x06054b50, 4) + le(0, 4) + le(n, 2) + le(n, 2) +
           le(static_cast<std::uint32_t>(centrale.size()), 4) + le(static_cast<std::uint32_t>(locali.size()), 4) + le(0, 2);
}

} // namespace

class TestImporta : public QObject {
    Q_OBJECT
private slots:
    void righeRifiutateSenzaScrivereNulla_data();
    void righeRifiutateSenzaScrivereNulla();
    void formatiDelFile_data();
    void formatiDelFile();
    void estrazioniDiviseRiunite();
    void sostituisceDopoUnaCopia();
    void aggiungeSoloLeSuccessive_data();
    void aggiungeSoloLeSuccessive();
    void datiReali_data();
    void datiReali();
    void archivioRealeCombinato();
};

void TestImporta::righeRifiutateSenzaScrivereNulla_data() {
    QTest::addColumn<QString>("riga");    // added as line 11, after a whole draw of 10 December 2003
    QTest::addColumn<QString>("motivo");
    QTest::addRow("data-impossibile") << "2003/02/29\tBA\t1\t2\t3\t4\t5" << "data non valida: «2003/02/29»";
    QTest::addRow("data-rovesciata") << "03/12/2003\tBA\t1\t2\t3\t4\t5" << "data non valida";
    QTest::addRow("anno-prima-del-1871") << "1870/12/31\tBA\t1\t2\t3\t4\t5" << "data non valida";
    QTest::addRow("ruota-sconosciuta") << "2003/12/17\tXY\t1\t2\t3\t4\t5" << "ruota sconosciuta: «XY»";
    QTest::addRow("numero-91") << "2003/12/17\tBA\t1\t2\t3\t4\t91" << "numero fuori da 1..90: «91»";
    QTest::addRow("numero-zero") << "2003/12/17\tBA\t0\t2\t3\t4\t5" << "numero fuori da 1..90: «0»";
    QTest::addRow("numero-non-numerico") << "2003/12/17\tBA\t1\t2x\t3\t4\t5" << "numero non valido: «2x»";
    QTest::addRow("numero-ripetuto") << "2003/12/17\tBA\t7\t2\t3\t7\t5" << "numero ripetuto sulla stessa ruota: 7";
    QTest::addRow("data-e-ruota-ripetute") << "2003/12/10\tRO\t1\t2\t3\t4\t5" << "ruota ROMA già data per il 10/12/2003 alla riga 8";
    QTest::addRow("quattro-numeri") << "2003/12/17\tBA\t1\t2\t3\t4" << "non è nel formato atteso";
    QTest::addRow("testo-qualsiasi") << "Estrazioni del Lotto" << "non è nel formato atteso";
    QTest::addRow("byte-binari") << QString::fromLatin1("\x01\xff\tPK\x03\x04") << "non è nel formato atteso";
}

void TestImporta::righeRifiutateSenzaScrivereNulla() {
    QFETCH(QString, riga);
    QFETCH(QString, motivo);
    prova::CartellaDiProva cartella;
    cartella.scriviArchivio(estrazioni(2));
    const auto prima = fotografia(cartella);
    const std::string testo = prova::testoStorico(estrazioni(1)) + riga.toLatin1().toStdString() + "\n";
    const auto lettura = importa::leggiStorico(testo);
    QVERIFY(!lettura.valida());
    QCOMPARE(lettura.righeRifiutate, std::size_t(1));
    QCOMPARE(lettura.rifiutate[0].riga, std::size_t(11));
    QVERIFY2(QString::fromStdString(lettura.rifiutate[0].motivo).contains(motivo), lettura.rifiutate[0].motivo.c_str());
    QVERIFY(QString::fromStdString(importa::resoconto(lettura)).contains(QString::fromStdString("riga 11: " + lettura.rifiutate[0].motivo)));
    for (Modo modo : {Modo::Sostituisci, Modo::Aggiungi})
        QVERIFY(!importa::importaInArchivio(cartella.stato(), lettura, modo, momento()).riuscito);
    QCOMPARE(fotografia(cartella), prima);
    QVERIFY(std::distance(std::filesystem::directory_iterator(cartella.percorso()), {}) == 1); // RUOTE alone: no backup
}

void TestImporta::formatiDelFile_data() {
    QTest::addColumn<QByteArray>("byte");
    QTest::addColumn<QString>("errore"); // empty when the file reads as the plain text
    const std::string testo = prova::testoStorico(estrazioni(3));
    const auto b = [](const std::string& s) { return QByteArray::fromStdString(s); };
    std::string dos = "\xEF\xBB\xBF";
    for (char c : testo) dos += c == '\n' ? std::string("\r\n") : std::string(1, c);
    QTest::addRow("testo") << b(testo) << "";
    QTest::addRow("bom-e-crlf-e-righe-vuote") << b(dos + "\r\n\n") << "";
    QTest::addRow("gzip") << b(comprimi(testo, 31)) << "";
    QTest::addRow("gzip-in-due-parti") << b(comprimi(testo.substr(0, 100), 31) + comprimi(testo.substr(100), 31)) << "";
    QTest::addRow("zip-deflate") << b(zip({{"LEGGIMI", "x"}, {"dati/STORICO.TXT", testo}}, true)) << "";
    QTest::addRow("zip-stored-unico-txt") << b(zip({{"a.csv", "x"}, {"estrazioni.txt", testo}}, false)) << "";
    QTest::addRow("gzip-troncato") << b(comprimi(testo, 31).substr(0, 60)) << "file gzip non valido: i dati compressi sono incompleti";
    QTest::addRow("gzip-con-coda") << b(comprimi(testo, 31) + "xx") << "dati estranei";
    QTest::addRow("zip-senza-txt") << b(zip({{"a.csv", testo}}, true)) << "non contiene storico.txt né un altro file .txt";
    QTest::addRow("zip-due-txt") << b(zip({{"a.txt", testo}, {"b.txt", testo}}, true)) << "più file .txt";
    QTest::addRow("zip-crc-errato") << b(zip({{"storico.txt", testo}}, false, 1234)) << "controllo CRC non superato";
    QTest::addRow("zip-troncato") << b(zip({{"storico.txt", testo}}, true).substr(0, 200)) << "file zip non valido";
    QTest::addRow("vuoto") << QByteArray() << "il file non contiene estrazioni";
}

void TestImporta::formatiDelFile() {
    QFETCH(QByteArray, byte);
    QFETCH(QString, errore);
    const auto lettura = importa::leggiStorico(byte.toStdString());
    QVERIFY2(QString::fromStdString(lettura.errore).contains(errore), lettura.errore.c_str());
    QCOMPARE(lettura.valida(), errore.isEmpty());
    if (errore.isEmpty()) {
        prova::CartellaDiProva cartella;
        QVERIFY(importa::importaInArchivio(cartella.stato(), lettura, Modo::Sostituisci, momento()).riuscito);
        QCOMPARE(fotografia(cartella), attesi(estrazioni(3)));
    }
}

void TestImporta::estrazioniDiviseRiunite() {
    // 3/12 without NAPOLI and 4/12 with NAPOLI alone are one draw. 10/12 without GENOVA and 14/12 with
    // GENOVA alone are four days apart; 24/12 and 25/12 share BARI: neither pair is joined.
    const auto e = [](int giorno, int variante, std::vector<int> nulle) {
        return prova::estrazione(giorno, 12, 2003, 1, variante, std::move(nulle));
    };
    const std::vector<int> tutteMeno4{1, 2, 3, 5, 6, 7, 8, 9, 10};
    const auto lettura = importa::leggiStorico(prova::testoStorico(
        {e(3, 0, {6}), e(4, 0, {1, 2, 3, 4, 5, 7, 8, 9, 10}), e(10, 1, {4}), e(14, 2, tutteMeno4), e(17, 3, {}),
         e(24, 4, {2, 3, 4, 5, 6, 7, 8, 9, 10}), e(25, 5, {2})}));
    QVERIFY(lettura.valida());
    QCOMPARE(lettura.estrazioni.size(), std::size_t(6));
    QCOMPARE(lettura.unite.size(), std::size_t(1));
    QCOMPARE(lettura.estrazioni[0].data.testo(), std::string("3/12/2003"));
    for (std::size_t w = 0; w < 10; ++w) QCOMPARE(int(lettura.estrazioni[0].ruote[w][4]), e(3, 0, {}).ruote[w][4]);
    QCOMPARE((std::vector<int>(lettura.nulle.begin(), lettura.nulle.end())), (std::vector<int>{0, 1, 3, 2, 2, 2, 2, 2, 2, 2, 2}));
    const QString resoconto = QString::fromStdString(importa::resoconto(lettura));
    QVERIFY2(resoconto.contains("3/12/2003 (9 ruote) con 4/12/2003 (NAPOLI): registrata il 3/12/2003"), qPrintable(resoconto));
    QVERIFY2(resoconto.contains("dal 10/12/2003 al 14/12/2003 (2 estrazioni): BARI 1, CAGLIARI 1, FIRENZE 1, GENOVA 1, MILANO 1"), qPrintable(resoconto));
}

void TestImporta::sostituisceDopoUnaCopia() {
    // Contests are the rank of the date within its year; a missing wheel is a null record; RN is left out.
    prova::CartellaDiProva cartella;
    cartella.scriviArchivio(estrazioni(2, 50));
    const auto vecchio = fotografia(cartella);
    auto nuove = estrazioni(6);
    nuove[4] = prova::estrazione(nuove[4].giorno, nuove[4].mese, nuove[4].anno, nuove[4].concorso, 4, {2, 4});
    const std::string testo = prova::testoStorico(nuove) + "2004/01/07\tRN\t1\t2\t3\t4\t5\n";
    const auto esito = importaTesto(cartella.stato(), testo, Modo::Sostituisci);
    QVERIFY2(esito.riuscito, esito.messaggio.c_str());
    QCOMPARE(esito.scritte, 6);
    QCOMPARE(fotografia(cartella), attesi(nuove));
    QCOMPARE(cartella.leggiFile("RUOTE/CONCORSO"), std::string("  1/2003  2/2003  3/2003  4/2003  1/2004  2/2004"));
    QCOMPARE(QString::fromStdString(esito.copia.filename().string()), QStringLiteral("RUOTE_backup_20260101_000000"));
    QCOMPARE(cartella.leggiFile(esito.copia / "BARI"), vecchio[0]);
    QCOMPARE(cartella.leggiFile(esito.copia / "CONCORSO"), vecchio[11]);
}

void TestImporta::aggiungeSoloLeSuccessive_data() {
    QTest::addColumn<int>("inArchivio");  // the first draws of estrazioni(6) already in the archive
    QTest::addColumn<int>("dal");         // the file holds draws dal..5 of estrazioni(6)
    QTest::addColumn<int>("alterata");    // a draw of the file with another number on NAPOLI, -1 none
    QTest::addColumn<int>("tolta");       // a draw left out of the file, -1 none
    QTest::addColumn<int>("aggiunte");    // -1: refused
    QTest::addColumn<QString>("messaggio");
    QTest::addRow("concorda-e-aggiunge") << 3 << 0 << -1 << -1 << 3 << "Le 3 estrazioni in comune con l'archivio concordano";
    QTest::addRow("file-piu-recente") << 3 << 2 << -1 << -1 << 3 << "Le 1 estrazioni in comune";
    QTest::addRow("senza-estrazioni-in-comune") << 3 << 3 << -1 << -1 << 3 << "non hanno estrazioni in comune";
    QTest::addRow("archivio-vuoto") << 0 << 0 << -1 << -1 << 6 << "l'archivio ne contiene ora 6";
    QTest::addRow("gia-aggiornato") << 6 << 0 << -1 << -1 << 0 << "L'archivio è già aggiornato";
    QTest::addRow("numeri-diversi") << 4 << 0 << 1 << -1 << -1 << "la prima: l'estrazione del 17/12/2003 ha numeri diversi sulle ruote NAPOLI";
    QTest::addRow("manca-nel-file") << 4 << 0 << -1 << 2 << -1 << "l'estrazione n° 3 dell'archivio, del 24/12/2003, manca nel file";
    QTest::addRow("manca-nell-archivio") << 4 << 0 << -1 << -1 << -1 << "l'estrazione del 24/12/2003 manca nell'archivio";
}

void TestImporta::aggiungeSoloLeSuccessive() {
    QFETCH(int, inArchivio);
    QFETCH(int, dal);
    QFETCH(int, alterata);
    QFETCH(int, tolta);
    QFETCH(int, aggiunte);
    QFETCH(QString, messaggio);
    const auto tutte = estrazioni(6);
    prova::CartellaDiProva cartella;
    auto archivio = std::vector(tutte.begin(), tutte.begin() + inArchivio);
    if (QByteArray(QTest::currentDataTag()) == "manca-nell-archivio") archivio.erase(archivio.begin() + 2);
    cartella.scriviArchivio(archivio);
    const auto prima = fotografia(cartella);
    auto file = std::vector(tutte.begin() + dal, tutte.end());
    if (alterata >= 0) file[std::size_t(alterata)].ruote[5][0] = 90;
    if (tolta >= 0) file.erase(file.begin() + tolta);
    const auto esito = importaTesto(cartella.stato(), prova::testoStorico(file), Modo::Aggiungi);
    QVERIFY2(QString::fromStdString(esito.messaggio).contains(messaggio), esito.messaggio.c_str());
    QCOMPARE(esito.riuscito, aggiunte >= 0);
    // The contests of the added draws go on from the archive's last one, across the new year.
    QCOMPARE(fotografia(cartella), aggiunte > 0 ? attesi(tutte) : prima);
    if (aggiunte >= 0) QCOMPARE(esito.scritte, aggiunte);
}

void TestImporta::datiReali_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("estrazioni");
    QTest::addColumn<QString>("dal");
    QTest::addColumn<QString>("al");
    QTest::addColumn<int>("unite");
    QTest::addColumn<QList<int>>("nulle"); // BARI..VENEZIA: the draws less the lines of each code
    QTest::addRow("ufficiale") << "lotto_storico_igt_1939-2026.txt.gz" << 7354 << "7/1/1939" << "1/8/2026" << 5
                               << QList<int>{0, 100, 7, 28, 3, 5, 27, 2, 4, 3};
    QTest::addRow("indipendente") << "lotto_storico_estrazionedellotto_1871-2025.txt.gz" << 10779 << "7/1/1871" << "30/12/2025" << 0
                                  << QList<int>{173, 3648, 7, 3576, 2, 5, 27, 2, 4, 4};
}

void TestImporta::datiReali() {
    QFETCH(QString, file);
    QFETCH(int, estrazioni);
    QFETCH(QString, dal);
    QFETCH(QString, al);
    QFETCH(int, unite);
    QFETCH(QList<int>, nulle);
    const auto cartellaDati = prova::cartellaDatiReali();
    if (cartellaDati.empty()) QSKIP("../shared/data non è presente");
    const auto lettura = importa::leggiFileStorico(cartellaDati / file.toStdString());
    QVERIFY(lettura.valida());
    QCOMPARE(int(lettura.estrazioni.size()), estrazioni);
    QCOMPARE(QString::fromStdString(lettura.estrazioni.front().data.testo()), dal);
    QCOMPARE(QString::fromStdString(lettura.estrazioni.back().data.testo()), al);
    QCOMPARE(int(lettura.unite.size()), unite);
    QCOMPARE(QList<int>(lettura.nulle.begin() + 1, lettura.nulle.end()), nulle);
}

void TestImporta::archivioRealeCombinato() {
    const auto cartellaDati = prova::cartellaDatiReali();
    if (cartellaDati.empty()) QSKIP("../shared/data non è presente");
    const auto testo = [&](const char* nome) {
        return importa::estraiTesto(*core::leggiFileIntero(cartellaDati / nome)).testo;
    };
    const std::string ufficiale = testo("lotto_storico_igt_1939-2026.txt.gz");
    const std::string indipendente = testo("lotto_storico_estrazionedellotto_1871-2025.txt.gz");
    prova::CartellaDiProva cartella;
    const auto stato = cartella.stato();
    QVERIFY(importaTesto(stato, indipendente, Modo::Sostituisci).riuscito);

    // Contest n of a year is the draw's rank in it, as the source numbers them, except in 2020 where
    // the source skips the contests cancelled in the suspension.
    const std::string date = cartella.leggiFile("RUOTE/DATA"), concorsi = cartella.leggiFile("RUOTE/CONCORSO");
    std::istringstream csv(testo("lotto_contests_estrazionedellotto_1871-2025.csv.gz"));
    std::string riga;
    std::getline(csv, riga);
    int confrontati = 0;
    for (std::size_t n = 0; std::getline(csv, riga); ++n) {
        if (riga.starts_with("2020")) continue;
        QCOMPARE(std::stoi(concorsi.substr(8 * n, 3)), std::stoi(riga.substr(11)));
        QCOMPARE(std::stoi(date.substr(10 * n, 2)), std::stoi(riga.substr(8, 2)));
        ++confrontati;
    }
    QCOMPARE(confrontati, 10779 - 139);

    // Adding the official file finds the two draws the sources disagree on.
    const auto esito = importaTesto(stato, ufficiale, Modo::Aggiungi);
    QVERIFY(!esito.riuscito);
    QVERIFY2(QString::fromStdString(esito.messaggio).contains("non concordano su 2 estrazioni del periodo che hanno in comune; "
                                                              "la prima: l'estrazione del 7/9/1946 ha numeri diversi sulle ruote "
                                                              "MILANO, NAPOLI, PALERMO, ROMA, TORINO, VENEZIA"),
             esito.messaggio.c_str());

    // The other source up to 1938, then the official file: 10,907 dates, 10,902 draws once the five
    // split ones are joined, each of which held every wheel once over its two dates.
    std::string combinato;
    for (std::size_t p = 0; p < indipendente.size() && indipendente.compare(p, 4, "1939") != 0;) {
        const std::size_t fine = indipendente.find('\n', p) + 1;
        combinato += indipendente.substr(p, fine - p);
        p = fine;
    }
    const auto lettura = importa::leggiStorico(combinato + ufficiale);
    QCOMPARE(lettura.estrazioni.size(), std::size_t(10902));
    const QList<int> dichiarate{178, 3653, 12, 3581, 8, 10, 32, 7, 9, 8};
    for (int w = 1; w <= 10; ++w) QCOMPARE(lettura.nulle[std::size_t(w)], dichiarate[w - 1] - 5);
    QVERIFY(importa::importaInArchivio(stato, lettura, Modo::Sostituisci, momento()).riuscito);
    const auto file = fotografia(cartella);
    QCOMPARE(file[0].size(), std::size_t(10902 * 5));
    QCOMPARE(file[10].substr(0, 10) + file[11].substr(0, 8), std::string(" 7/ 1/1871  1/1871"));
    QCOMPARE(file[10].substr(file[10].size() - 10) + file[11].substr(file[11].size() - 8), std::string(" 1/ 8/2026123/2026"));
    QVERIFY(file[11].find("209/2024") != std::string::npos && file[11].find("210/") == std::string::npos);
}

QTEST_APPLESS_MAIN(TestImporta)
#include "TestImporta.moc"
