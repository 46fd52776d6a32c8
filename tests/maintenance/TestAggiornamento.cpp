#include "ArchivioDiProva.h"
#include "maintenance/Aggiornamento.h"

#include <QTest>

using maintenance::Rinumerazione;

namespace {

maintenance::NuovaEstrazione nuova(const prova::Estrazione& e) {
    maintenance::NuovaEstrazione n{
        prova::testoData(e.giorno, e.mese, e.anno), prova::testoConcorso(e.concorso, e.anno), {}};
    for (int w = 0; w < 10; ++w)
        for (int i = 0; i < 5; ++i)
            n.numeri[static_cast<std::size_t>(5 * w + i + 1)] = e.ruote[std::size_t(w)][std::size_t(i)];
    return n;
}

/** Draws of 2002 (contests 1..3) and 2003 (contests 1..3). */
std::vector<prova::Estrazione> seiEstrazioni() {
    std::vector<prova::Estrazione> e;
    for (int i = 0; i < 6; ++i)
        e.push_back(prova::estrazione(5 + i, 6, 2002 + i / 3, 1 + i % 3, i));
    return e;
}

} // namespace

class TestAggiornamento : public QObject {
    Q_OBJECT
private slots:
    void rinumerazione_data();
    void rinumerazione();
    void inserimentoEdEliminazione_data();
    void inserimentoEdEliminazione();
    void unGuastoInOgniPassoLasciaLArchivioIntero_data();
    void unGuastoInOgniPassoLasciaLArchivioIntero();
    void scritturaSulPostoSenzaMezzeMisure_data();
    void scritturaSulPostoSenzaMezzeMisure();
};

void TestAggiornamento::rinumerazione_data() {
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("dopo");
    QTest::addColumn<int>("esito");
    QTest::addRow("anni-in-ordine") << "  7/2003  9/2003 12/2003  3/2004"
                                    << "  1/2003  2/2003  3/2003  1/2004" << int(Rinumerazione::Riuscita);
    QTest::addRow("anno-minore-continua") << "  1/2002  5/2003  1/2002"
                                          << "  1/2002  1/2003  2/2002" << int(Rinumerazione::Riuscita);
    QTest::addRow("oltre-cento") << QString("  1/2024").repeated(105) << QString()
                                 << int(Rinumerazione::Riuscita);
    QTest::addRow("concorso-zero-si-ferma")
        << "  4/2003  0/2003  9/2003"
        << "  1/2003  0/2003  9/2003" << int(Rinumerazione::ValoreFuoriLimiti);
    QTest::addRow("anno-fuori-limiti") << "  4/1870"
                                       << "  4/1870" << int(Rinumerazione::ValoreFuoriLimiti);
    QTest::addRow("lunghezza-errata") << "  4/2003  5/200"
                                      << "  4/2003  5/200" << int(Rinumerazione::LunghezzaErrata);
    // A year with more draws than the highest contest stops at the first draw past it, the file's length
    // kept; past 999 the new number would not fit its three characters whatever the limit.
    QString numerati;
    for (int c = 1; c <= 260; ++c)
        numerati += QStringLiteral("%1/2024").arg(c, 3);
    QTest::addRow("anno-oltre-il-massimo") << QString("  1/2024").repeated(261) << numerati + "  1/2024"
                                           << int(Rinumerazione::ValoreFuoriLimiti);
    QTest::addRow("anno-oltre-999") << QString("  1/2024").repeated(1000) << QString()
                                    << int(Rinumerazione::ValoreFuoriLimiti);
}

void TestAggiornamento::rinumerazione() {
    QFETCH(QString, prima);
    QFETCH(QString, dopo);
    QFETCH(int, esito);
    std::string concorsi = prima.toStdString();
    const bool oltre999 = prima.size() == 8000;
    QCOMPARE(int(maintenance::rinumeraConcorsi(concorsi, oltre999 ? 5000 : 260)), esito);
    if (oltre999) {
        QCOMPARE(concorsi.size(), std::size_t(8000));
        QCOMPARE(concorsi.substr(8 * 998), std::string("999/2024  1/2024"));
    } else if (dopo.isEmpty()) { // 105 draws of one year: three-digit contests without a leading blank
        QCOMPARE(concorsi.substr(8 * 98, 16), std::string(" 99/2024100/2024"));
        QCOMPARE(concorsi.substr(8 * 104), std::string("105/2024"));
    } else {
        QCOMPARE(QString::fromStdString(concorsi), dopo);
    }
}

void TestAggiornamento::inserimentoEdEliminazione_data() {
    QTest::addColumn<bool>("inserisci");
    QTest::addColumn<int>("n");
    QTest::addRow("inserisci-prima-della-prima") << true << 1;
    QTest::addRow("inserisci-prima-dell-ultima") << true << 6;
    QTest::addRow("inserisci-fra-il-2003") << true << 5;
    QTest::addRow("elimina-la-prima") << false << 1;
    QTest::addRow("elimina-l-ultima") << false << 6;
}

void TestAggiornamento::inserimentoEdEliminazione() {
    QFETCH(bool, inserisci);
    QFETCH(int, n);
    prova::CartellaDiProva cartella;
    auto estrazioni = seiEstrazioni();
    cartella.scriviArchivio(estrazioni);
    auto stato = cartella.stato();
    stato.Max_Concorsi_Anno = 260;
    Rinumerazione rinumerazione{};
    const auto inserita = prova::estrazione(20, 6, 2003, 99, 42); // contest 99: the renumbering fixes it
    if (inserisci) {
        QVERIFY(maintenance::Registrazione_Intramezzo_Estrazione(stato, n, nuova(inserita), rinumerazione));
        estrazioni.insert(estrazioni.begin() + (n - 1), inserita);
    } else {
        QVERIFY(maintenance::Eliminazione_Intramezzo_Estrazione(stato, n, rinumerazione));
        estrazioni.erase(estrazioni.begin() + (n - 1));
    }
    QCOMPARE(int(rinumerazione), int(Rinumerazione::Riuscita));
    // Expected: the same draws, contests numbered 1, 2, 3 ... from each draw whose year is higher than
    // every year before it (a 2003 inserted before the 2002 draws makes them continue its count).
    int ultimoAnno = -1, contatore = 0;
    for (auto& e : estrazioni) {
        if (e.anno > ultimoAnno) {
            ultimoAnno = e.anno;
            contatore = 0;
        }
        e.concorso = ++contatore;
    }
    QCOMPARE(prova::fotografia(cartella), prova::attesi(estrazioni));
    QVERIFY(!std::filesystem::exists(maintenance::registroArchivio(stato)));
}

void TestAggiornamento::unGuastoInOgniPassoLasciaLArchivioIntero_data() {
    QTest::addColumn<QString>("passo");
    QTest::addColumn<bool>("nuovo"); // after the failure and the next start, the archive is the new one
    for (const char* nome : prova::FILE_ARCHIVIO)
        QTest::addRow("scrivi-%s", nome) << QStringLiteral("scrivi:%1").arg(nome) << false;
    QTest::addRow("registro") << "registro" << false;
    for (const char* nome : prova::FILE_ARCHIVIO)
        QTest::addRow("sostituisci-%s", nome) << QStringLiteral("sostituisci:%1").arg(nome) << true;
    QTest::addRow("chiudi") << "chiudi" << true;
    // No failing step: the last draw's contest 0 stops the renumbering, which must write nothing.
    QTest::addRow("rinumerazione-fallita") << "" << false;
}

void TestAggiornamento::unGuastoInOgniPassoLasciaLArchivioIntero() {
    QFETCH(QString, passo);
    QFETCH(bool, nuovo);
    for (bool inserisci : {true, false}) {
        prova::CartellaDiProva cartella;
        auto estrazioni = seiEstrazioni();
        if (passo.isEmpty()) estrazioni.back().concorso = 0;
        cartella.scriviArchivio(estrazioni);
        auto stato = cartella.stato();
        stato.Max_Concorsi_Anno = 260;
        const auto prima = prova::fotografia(cartella);
        const auto guasto = [&](const std::string& p) { return p == passo.toStdString(); };
        Rinumerazione rinumerazione{};
        const bool riuscito =
            inserisci ? maintenance::Registrazione_Intramezzo_Estrazione(
                            stato, 3, nuova(prova::estrazione(1, 1, 2002, 1, 9)), rinumerazione, guasto)
                      : maintenance::Eliminazione_Intramezzo_Estrazione(stato, 3, rinumerazione, guasto);
        QVERIFY(!riuscito);
        QCOMPARE(rinumerazione == Rinumerazione::Riuscita, !passo.isEmpty());
        // The next start finishes or undoes the operation before the archive is read.
        maintenance::completaAggiornamentoInterrotto(stato);
        const auto dopo = prova::fotografia(cartella);
        if (nuovo) {
            QVERIFY(dopo != prima);
            QCOMPARE(dopo[0].size() / 5, dopo[11].size() / 8); // all twelve files moved together
            QCOMPARE(dopo[0].size() / 5, inserisci ? std::size_t(7) : std::size_t(5));
            QCOMPARE(dopo[10].size() / 10, dopo[0].size() / 5);
        } else {
            QCOMPARE(dopo, prima);
        }
        for (const auto& voce : std::filesystem::directory_iterator(cartella.ruote()))
            QVERIFY2(voce.path().extension() != ".transazione", voce.path().c_str());
        QVERIFY(!std::filesystem::exists(maintenance::registroArchivio(stato)));
    }
}

void TestAggiornamento::scritturaSulPostoSenzaMezzeMisure_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("passo");
    QTest::addRow("aggiunge") << 7 << QString();
    QTest::addRow("sovrascrive") << 2 << QString();
    QTest::addRow("aggiunge-guasto-su-DATA") << 7 << "scrivi:DATA";
    QTest::addRow("sovrascrive-guasto-su-VENEZIA") << 2 << "scrivi:VENEZIA";
}

void TestAggiornamento::scritturaSulPostoSenzaMezzeMisure() {
    QFETCH(int, n);
    QFETCH(QString, passo);
    prova::CartellaDiProva cartella;
    auto estrazioni = seiEstrazioni();
    cartella.scriviArchivio(estrazioni);
    const auto stato = cartella.stato();
    const auto prima = prova::fotografia(cartella);
    const auto scritta = prova::estrazione(30, 12, 2003, 4, 77, {2, 4});
    const bool riuscito =
        maintenance::Registrazione_Estrazione(stato, n, nuova(scritta), [&](const std::string& p) {
            return !passo.isEmpty() && p == passo.toStdString();
        });
    QCOMPARE(riuscito, passo.isEmpty());
    if (!riuscito) {
        QCOMPARE(prova::fotografia(cartella), prima); // every file back to its old record and length
        return;
    }
    if (n > int(estrazioni.size()))
        estrazioni.push_back(scritta);
    else
        estrazioni[std::size_t(n - 1)] = scritta; // stored as typed: no renumbering
    QCOMPARE(prova::fotografia(cartella), prova::attesi(estrazioni));
}

QTEST_APPLESS_MAIN(TestAggiornamento)
#include "TestAggiornamento.moc"
