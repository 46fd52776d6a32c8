// Loading a window of the archive into memory, and what Inizializza_Dati_Archivio derives from it.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "core/Impostazioni.h"
#include "core/Lotto.h"

#include <QTest>

#include <map>

namespace fs = std::filesystem;

namespace {

std::vector<prova::Estrazione> estrazioni(int quante) {
    std::vector<prova::Estrazione> tutte;
    for (int n = 1; n <= quante; ++n)
        tutte.push_back(prova::estrazione(1 + n % 28, 1 + n % 12, 2000 + n / 100, n % 100 + 1, n, {n % 11}));
    return tutte;
}

/** Every file of RUOTE/ with its bytes, to check that a load rewrites and creates nothing. */
std::map<std::string, std::string> istantanea(const prova::CartellaDiProva& cartella) {
    std::map<std::string, std::string> file;
    for (const auto& voce : fs::directory_iterator(cartella.ruote()))
        file[voce.path().filename().string()] = cartella.leggiFile(fs::path("RUOTE") / voce.path().filename());
    return file;
}

/** The loaded draw d equals the archive draw e: texts and the numbers of every wheel. */
void confronta(core::Stato& stato, int d, const prova::Estrazione& e) {
    core::LOTTO lotto(stato);
    QCOMPARE(stato.Data_Estrazione[static_cast<std::size_t>(d)], prova::testoData(e.giorno, e.mese, e.anno));
    QCOMPARE(stato.Concorso_Estrazione[static_cast<std::size_t>(d)], prova::testoConcorso(e.concorso, e.anno));
    for (int w = 1; w <= 10; ++w) {
        lotto.LeggiESTRAZIONE(w, d);
        const auto& numeri = e.ruote[static_cast<std::size_t>(w - 1)];
        QCOMPARE(stato.Numeri_Estratti[0], numeri[0] == 0 ? 0 : -1);
        for (std::size_t i = 0; i < 5; ++i) QCOMPARE(stato.Numeri_Estratti[i + 1], numeri[i]);
    }
}

bool recordNullo(const core::Stato& stato, int w, int d) {
    const std::uint8_t* r = stato.Archivio_Estrazioni.record(w, d);
    return std::all_of(r, r + 5, [](std::uint8_t b) { return b == core::CODICE_NULLO; });
}

} // namespace

class TestCaricamento : public QObject {
    Q_OBJECT

private slots:
    void finestraDiEstrazioni();
    void ricaricamentoSostituisceTutto();
    void avanzamento_data();
    void avanzamento();
    void recordDanneggiati_data();
    void recordDanneggiati();
    void lunghezzeDiverse();
    void tabelleDegliAnni_data();
    void tabelleDegliAnni();
    void selezioneDalCampo23_data();
    void selezioneDalCampo23();
    void puntatoreDalCampo86_data();
    void puntatoreDalCampo86();
};

void TestCaricamento::finestraDiEstrazioni() {
    prova::CartellaDiProva cartella;
    const auto tutte = estrazioni(200);
    cartella.scriviArchivio(tutte);
    const auto prima = istantanea(cartella);
    auto stato = cartella.stato();
    core::FileArchivio file(stato);
    QCOMPARE(file.Conta_Estrazioni_Archivio(), 200);
    QVERIFY(core::verificaLunghezze(file, 200).empty());

    const auto esito = core::START_Memorizzazione_Estrazioni(stato, file, 101, 50);
    QCOMPARE(stato.Estrazioni_Caricate, 50);
    QVERIFY(stato.Archivio_Estrazioni.capacita() >= 200 + core::POSTI_DI_RISERVA);
    for (int d = 1; d <= 50; ++d) confronta(stato, d, tutte[static_cast<std::size_t>(100 + d - 1)]);
    for (int w = 1; w <= 10; ++w) QVERIFY(recordNullo(stato, w, 0) && recordNullo(stato, w, 51));
    QCOMPARE(stato.Data_Estrazione[51], std::string());
    QCOMPARE(esito.recordDanneggiati, 0);
    QCOMPARE(esito.estrazioniIncomplete, 0);
    for (int f = 1; f <= 13; ++f) QVERIFY(!file.aperto(f));
    QVERIFY(istantanea(cartella) == prima);
}

void TestCaricamento::ricaricamentoSostituisceTutto() {
    prova::CartellaDiProva cartella;
    const auto tutte = estrazioni(10);
    cartella.scriviArchivio(tutte);
    auto stato = cartella.stato();
    core::FileArchivio file(stato);
    file.Conta_Estrazioni_Archivio();
    core::START_Memorizzazione_Estrazioni(stato, file, 1, 10);
    core::START_Memorizzazione_Estrazioni(stato, file, 8, 3);
    QCOMPARE(stato.Estrazioni_Caricate, 3);
    for (int d = 1; d <= 3; ++d) confronta(stato, d, tutte[static_cast<std::size_t>(6 + d)]);
    for (int d = 4; d <= 10; ++d) {
        for (int w = 1; w <= 10; ++w) QVERIFY(recordNullo(stato, w, d));
        QCOMPARE(stato.Data_Estrazione[static_cast<std::size_t>(d)], std::string());
        QCOMPARE(stato.Concorso_Estrazione[static_cast<std::size_t>(d)], std::string());
    }
}

void TestCaricamento::avanzamento_data() {
    QTest::addColumn<int>("archivio");
    QTest::addColumn<int>("primo");
    QTest::addColumn<int>("quante");
    QTest::addColumn<QList<int>>("chiamate");
    QTest::addRow("100-estrazioni") << 100 << 1 << 100 << QList<int>{31, 62, 93, 100};
    QTest::addRow("100-dalla-50") << 160 << 50 << 100 << QList<int>{31, 62, 93, 100};
    QTest::addRow("62-estrazioni") << 62 << 1 << 62 << QList<int>{31, 62};
    QTest::addRow("30-estrazioni") << 30 << 1 << 30 << QList<int>{30};
    QTest::addRow("una-estrazione") << 1 << 1 << 1 << QList<int>{1};
}

void TestCaricamento::avanzamento() {
    QFETCH(int, archivio);
    QFETCH(int, primo);
    QFETCH(int, quante);
    QFETCH(QList<int>, chiamate);
    prova::CartellaDiProva cartella;
    const auto tutte = estrazioni(archivio);
    cartella.scriviArchivio(tutte);
    auto stato = cartella.stato();
    core::FileArchivio file(stato);
    QCOMPARE(file.Conta_Estrazioni_Archivio(), archivio);
    QList<int> viste;
    core::START_Memorizzazione_Estrazioni(stato, file, primo, quante, [&](int d) { viste << d; });
    QCOMPARE(viste, chiamate);
    confronta(stato, quante, tutte[static_cast<std::size_t>(primo + quante - 2)]);
}

void TestCaricamento::recordDanneggiati_data() {
    QTest::addColumn<QList<int>>("guasti"); // record, wheel, byte position 0..4, value
    QTest::addColumn<int>("primo");
    QTest::addColumn<QList<int>>("attesi"); // damaged records, first loaded draw, its wheel
    QTest::addRow("byte-49") << QList<int>{3, 4, 1, 49} << 1 << QList<int>{1, 3, 4};
    QTest::addRow("byte-141") << QList<int>{3, 4, 4, 141} << 1 << QList<int>{1, 3, 4};
    QTest::addRow("byte-0") << QList<int>{1, 10, 0, 0} << 1 << QList<int>{1, 1, 10};
    QTest::addRow("in-ordine-di-estrazione") << QList<int>{5, 2, 0, 200, 3, 7, 2, 10} << 1 << QList<int>{2, 3, 7};
    QTest::addRow("stessa-estrazione") << QList<int>{4, 9, 0, 200, 4, 2, 3, 255} << 1 << QList<int>{2, 4, 2};
    QTest::addRow("confini-validi") << QList<int>{3, 4, 1, 50, 3, 5, 2, 140} << 1 << QList<int>{0, 0, 0};
    QTest::addRow("prima-della-finestra") << QList<int>{2, 1, 0, 7} << 3 << QList<int>{0, 0, 0};
    QTest::addRow("indice-caricato") << QList<int>{6, 8, 0, 7} << 4 << QList<int>{1, 3, 8};
}

void TestCaricamento::recordDanneggiati() {
    QFETCH(QList<int>, guasti);
    QFETCH(int, primo);
    QFETCH(QList<int>, attesi);
    prova::CartellaDiProva cartella;
    const auto tutte = estrazioni(8);
    cartella.scriviArchivio(tutte);
    const char* const nomi[] = {"", "BARI", "CAGLIARI", "FIRENZE", "GENOVA", "MILANO",
                                "NAPOLI", "PALERMO", "ROMA", "TORINO", "VENEZIA"};
    for (qsizetype i = 0; i < guasti.size(); i += 4) {
        const auto nome = fs::path("RUOTE") / nomi[guasti[i + 1]];
        std::string byte = cartella.leggiFile(nome);
        byte[static_cast<std::size_t>(5 * (guasti[i] - 1) + guasti[i + 2])] = static_cast<char>(guasti[i + 3]);
        cartella.scriviFile(nome, byte);
    }
    const auto prima = istantanea(cartella);
    auto stato = cartella.stato();
    core::FileArchivio file(stato);
    file.Conta_Estrazioni_Archivio();
    const auto esito = core::START_Memorizzazione_Estrazioni(stato, file, primo, 8 - primo + 1);
    QCOMPARE(esito.recordDanneggiati, attesi[0]);
    QCOMPARE(esito.primoDanneggiato, attesi[1]);
    QCOMPARE(esito.ruotaPrimoDanneggiato, attesi[2]);
    // In memory no record holds a byte outside 50..140: a damaged one became null, the rest is intact.
    for (int d = 1; d <= stato.Estrazioni_Caricate; ++d)
        for (int w = 1; w <= 10; ++w) {
            QVERIFY(!core::recordDanneggiato(stato.Archivio_Estrazioni.record(w, d)));
            bool guasto = false;
            for (qsizetype i = 0; i < guasti.size(); i += 4)
                guasto |= guasti[i] == primo + d - 1 && guasti[i + 1] == w && attesi[0] > 0;
            if (guasto) QVERIFY(recordNullo(stato, w, d));
        }
    if (attesi[0] > 0) {
        core::LOTTO(stato).LeggiESTRAZIONE(attesi[2], attesi[1]);
        QCOMPARE(stato.Numeri_Estratti[0], 0);
        const int altra = attesi[2] == 1 ? 2 : 1;
        const auto& e = tutte[static_cast<std::size_t>(primo + attesi[1] - 2)];
        if (e.ruote[static_cast<std::size_t>(altra - 1)][0] != 0) {
            core::LOTTO(stato).LeggiESTRAZIONE(altra, attesi[1]);
            QCOMPARE(stato.Numeri_Estratti[1], e.ruote[static_cast<std::size_t>(altra - 1)][0]);
        }
    }
    QVERIFY(istantanea(cartella) == prima);
}

void TestCaricamento::lunghezzeDiverse() {
    prova::CartellaDiProva cartella;
    const auto tutte = estrazioni(6);
    cartella.scriviArchivio(tutte);
    cartella.scriviFile("RUOTE/ROMA", cartella.leggiFile("RUOTE/ROMA").substr(0, 20));     // 4 records
    cartella.scriviFile("RUOTE/TORINO", cartella.leggiFile("RUOTE/TORINO") + "\x80\x80\x80\x80\x80");
    cartella.scriviFile("RUOTE/DATA", cartella.leggiFile("RUOTE/DATA").substr(0, 53));     // 5 and a bit
    const auto prima = istantanea(cartella);
    auto stato = cartella.stato();
    core::FileArchivio file(stato);
    QCOMPARE(file.Conta_Estrazioni_Archivio(), 6);

    std::map<std::string, std::pair<long long, long long>> discordanti;
    for (const auto& f : core::verificaLunghezze(file, 6)) discordanti[f.nome] = {f.byte, f.estrazioni};
    const std::map<std::string, std::pair<long long, long long>> attesi{
        {"ROMA", {20, 4}}, {"TORINO", {35, 7}}, {"DATA", {53, 5}}};
    QVERIFY(discordanti == attesi);

    const auto esito = core::START_Memorizzazione_Estrazioni(stato, file, 1, 6);
    QCOMPARE(esito.estrazioniIncomplete, 2);
    QCOMPARE(esito.recordDanneggiati, 0);
    for (int d = 1; d <= 4; ++d) confronta(stato, d, tutte[static_cast<std::size_t>(d - 1)]);
    for (int d : {5, 6}) {
        QVERIFY(recordNullo(stato, 8, d));
        core::LOTTO(stato).LeggiESTRAZIONE(8, d);
        QCOMPARE(stato.Numeri_Estratti[0], 0);
    }
    QCOMPARE(stato.Data_Estrazione[6], std::string(10, ' '));
    QCOMPARE(stato.Concorso_Estrazione[6], prova::testoConcorso(tutte[5].concorso, tutte[5].anno));
    QCOMPARE(stato.Data_Estrazione[5], prova::testoData(tutte[4].giorno, tutte[4].mese, tutte[4].anno));
    QVERIFY(istantanea(cartella) == prima);

    // A BARI cut in the middle of its third record still counts it, and loads it as null.
    cartella.scriviFile("RUOTE/BARI", cartella.leggiFile("RUOTE/BARI").substr(0, 13));
    QCOMPARE(file.Conta_Estrazioni_Archivio(), 3);
    bool bariElencato = false;
    for (const auto& f : core::verificaLunghezze(file, 3))
        bariElencato |= f.nome == "BARI" && f.byte == 13 && f.estrazioni == 2;
    QVERIFY(bariElencato);
    core::START_Memorizzazione_Estrazioni(stato, file, 1, 3);
    QVERIFY(recordNullo(stato, 1, 3));
    QVERIFY(!recordNullo(stato, 2, 3));
}

void TestCaricamento::tabelleDegliAnni_data() {
    QTest::addColumn<QList<int>>("anni");   // contest year of each loaded draw
    QTest::addColumn<QList<int>>("attesi"); // Primo_Anno, Ultimo_Anno, Numero_Anni, then first/last/count per year
    QTest::addRow("tre-anni") << QList<int>{2001, 2001, 2002, 2003, 2003}
                              << QList<int>{2001, 2003, 3, 1, 2, 2, 3, 3, 1, 4, 5, 2};
    QTest::addRow("un-anno") << QList<int>{2005, 2005, 2005, 2005} << QList<int>{2005, 2005, 1, 1, 4, 4};
    QTest::addRow("una-estrazione") << QList<int>{1871} << QList<int>{1871, 1871, 1, 1, 1, 1};
    QTest::addRow("anno-senza-estrazioni") << QList<int>{2001, 2001, 2003}
                                           << QList<int>{2001, 2003, 3, 1, 2, 2, 0, 0, 0, 3, 3, 1};
    QTest::addRow("anno-basso-in-testa") << QList<int>{2003, 2001, 2002, 2003}
                                         << QList<int>{2003, 2003, 1, 1, 4, 2};
    QTest::addRow("anno-alto-in-coda") << QList<int>{2001, 2002, 2003, 2002}
                                       << QList<int>{2001, 2002, 2, 1, 1, 1, 2, 4, 2};
    QTest::addRow("anni-decrescenti") << QList<int>{2003, 2002} << QList<int>{2003, 2002, 0};
}

void TestCaricamento::tabelleDegliAnni() {
    QFETCH(QList<int>, anni);
    QFETCH(QList<int>, attesi);
    prova::CartellaDiProva cartella;
    auto stato = cartella.stato();
    stato.Archivio_Estrazioni.dimensiona(static_cast<int>(anni.size()) + 200);
    stato.Data_Estrazione.assign(static_cast<std::size_t>(anni.size()) + 201, std::string());
    stato.Concorso_Estrazione.assign(static_cast<std::size_t>(anni.size()) + 201, std::string());
    for (qsizetype i = 0; i < anni.size(); ++i) {
        // The date's year differs on purpose: the year of a draw is the contest's.
        stato.Data_Estrazione[static_cast<std::size_t>(i + 1)] = prova::testoData(1, 1, anni[i] + 10);
        stato.Concorso_Estrazione[static_cast<std::size_t>(i + 1)] = prova::testoConcorso(static_cast<int>(i) + 1, anni[i]);
    }
    stato.Estrazioni_Caricate = static_cast<int>(anni.size());

    core::Inizializza_Dati_Archivio(stato);
    QCOMPARE(stato.Primo_Anno, attesi[0]);
    QCOMPARE(stato.Ultimo_Anno, attesi[1]);
    QCOMPARE(stato.Numero_Anni, attesi[2]);
    QCOMPARE(stato.Estrazione_Corrente, stato.Estrazioni_Caricate);
    for (int anno = stato.Primo_Anno; anno <= stato.Ultimo_Anno; ++anno) {
        const qsizetype i = 3 + 3 * (anno - stato.Primo_Anno);
        QCOMPARE(stato.Prima_Estrazione_Anno(anno), attesi[i]);
        QCOMPARE(stato.Ultima_Estrazione_Anno(anno), attesi[i + 1]);
        QCOMPARE(stato.Estrazioni_Anno(anno), attesi[i + 2]);
    }
    QCOMPARE(attesi.size(), 3 + 3 * std::max(stato.Numero_Anni, 0));
    // Years outside the range are not in the tables.
    for (int anno : {stato.Primo_Anno - 1, stato.Ultimo_Anno + 1, 2001, 2002}) {
        if (anno >= stato.Primo_Anno && anno <= stato.Ultimo_Anno) continue;
        QCOMPARE(stato.Prima_Estrazione_Anno(anno) + stato.Ultima_Estrazione_Anno(anno) + stato.Estrazioni_Anno(anno), 0);
    }
}

void TestCaricamento::selezioneDalCampo23_data() {
    QTest::addColumn<QByteArray>("campo23"); // empty: no settings file
    QTest::addColumn<QList<int>>("elenco");  // Elenco_Ruote_Selezionate afterwards, count first
    const QList<int> immutata{1, 5};         // the selection set before: MILANO alone
    QTest::addRow("bari-e-venezia") << QByteArray("1000000001") << QList<int>{2, 1, 10};
    QTest::addRow("tutte") << QByteArray("1111111111") << QList<int>{10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::addRow("undici-caratteri") << QByteArray("01000000001") << QList<int>{1, 2};
    QTest::addRow("ultima-cifra-2") << QByteArray("1000000002") << immutata;
    QTest::addRow("cinque-caratteri") << QByteArray("10000") << immutata;
    QTest::addRow("nessuna-ruota") << QByteArray("0000000000") << immutata;
    QTest::addRow("file-mancante") << QByteArray() << immutata;
}

void TestCaricamento::selezioneDalCampo23() {
    QFETCH(QByteArray, campo23);
    QFETCH(QList<int>, elenco);
    prova::CartellaDiProva cartella;
    auto stato = cartella.stato();
    if (!campo23.isEmpty()) QVERIFY(core::Scrivi_Impostazione(stato, 23, campo23.toStdString()));
    stato.Ruota_Selezionata = {1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0};
    stato.Elenco_Ruote_Selezionate = {1, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    core::Inizializza_Dati_Archivio(stato);

    std::array<int, 11> atteseFlag{}, atteso{};
    for (qsizetype i = 0; i < elenco.size(); ++i) atteso[static_cast<std::size_t>(i)] = elenco[i];
    atteseFlag[0] = elenco[0];
    for (qsizetype i = 1; i < elenco.size(); ++i) atteseFlag[static_cast<std::size_t>(elenco[i])] = -1;
    QVERIFY(stato.Elenco_Ruote_Selezionate == atteso);
    QVERIFY(stato.Ruota_Selezionata == atteseFlag);
}

void TestCaricamento::puntatoreDalCampo86_data() {
    QTest::addColumn<QByteArray>("campo86"); // empty: no settings file
    QTest::addColumn<int>("puntatore");
    QTest::addRow("uno") << QByteArray("1") << 1;
    QTest::addRow("zero-uno") << QByteArray("01") << 1;
    QTest::addRow("due") << QByteArray("2") << 0;
    QTest::addRow("meno-uno") << QByteArray("-1") << 0;
    QTest::addRow("vuoto") << QByteArray(" ") << 0;
    QTest::addRow("file-mancante") << QByteArray() << 0;
}

void TestCaricamento::puntatoreDalCampo86() {
    QFETCH(QByteArray, campo86);
    QFETCH(int, puntatore);
    prova::CartellaDiProva cartella;
    auto stato = cartella.stato();
    if (!campo86.isEmpty()) QVERIFY(core::Scrivi_Impostazione(stato, 86, campo86.toStdString()));
    stato.Puntatore_Griglie = 1 - puntatore;
    core::Inizializza_Dati_Archivio(stato);
    QCOMPARE(stato.Puntatore_Griglie, puntatore);
}

QTEST_APPLESS_MAIN(TestCaricamento)
#include "TestCaricamento.moc"
