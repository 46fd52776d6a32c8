#include "ArchivioDiProva.h"
#include "core/Archivio.h"
#include "maintenance/Aggiornamento.h"

#include <QTest>

namespace {

enum Operazione { Nuova, Vecchia, Inserisci, Elimina };

maintenance::NuovaEstrazione nuova(const prova::Estrazione& e) {
    maintenance::NuovaEstrazione n{
        prova::testoData(e.giorno, e.mese, e.anno), prova::testoConcorso(e.concorso, e.anno), {}};
    for (int w = 0; w < 10; ++w)
        for (int i = 0; i < 5; ++i)
            n.numeri[static_cast<std::size_t>(5 * w + i + 1)] = e.ruote[std::size_t(w)][std::size_t(i)];
    return n;
}

core::Esito<void> esegui(int operazione, const core::Stato& stato, int n, const prova::Estrazione& estrazione,
                         const core::Guasto& guasto = {}) {
    switch (operazione) {
    case Inserisci:
        return maintenance::Registrazione_Intramezzo_Estrazione(stato, n, nuova(estrazione), guasto);
    case Elimina:
        return maintenance::Eliminazione_Intramezzo_Estrazione(stato, n, guasto);
    default:
        return maintenance::Registrazione_Estrazione(stato, n, nuova(estrazione), guasto);
    }
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
    void leQuattroOperazioni_data();
    void leQuattroOperazioni();
    void unGuastoInOgniPassoLasciaLArchivioIntero_data();
    void unGuastoInOgniPassoLasciaLArchivioIntero();
};

void TestAggiornamento::rinumerazione_data() {
    QTest::addColumn<QString>("prima");
    QTest::addColumn<QString>("dopo");
    QTest::addColumn<bool>("riuscita");
    QTest::addRow("anni-in-ordine") << "  7/2003  9/2003 12/2003  3/2004"
                                    << "  1/2003  2/2003  3/2003  1/2004" << true;
    QTest::addRow("anno-minore-continua") << "  1/2002  5/2003  1/2002"
                                          << "  1/2002  1/2003  2/2002" << true;
    QTest::addRow("oltre-cento") << QString("  1/2024").repeated(105) << QString() << true;
    QTest::addRow("concorso-zero-si-ferma") << "  4/2003  0/2003  9/2003"
                                            << "  1/2003  0/2003  9/2003" << false;
    QTest::addRow("anno-fuori-limiti") << "  4/1870"
                                       << "  4/1870" << false;
    QTest::addRow("lunghezza-errata") << "  4/2003  5/200"
                                      << "  4/2003  5/200" << false;
    // A year with more draws than the highest contest stops at the first draw past it, the file's length
    // kept; past 999 the new number would not fit its three characters whatever the limit.
    QString numerati;
    for (int c = 1; c <= 260; ++c)
        numerati += QStringLiteral("%1/2024").arg(c, 3);
    QTest::addRow("anno-oltre-il-massimo")
        << QString("  1/2024").repeated(261) << numerati + "  1/2024" << false;
    QTest::addRow("anno-oltre-999") << QString("  1/2024").repeated(1000) << QString() << false;
}

void TestAggiornamento::rinumerazione() {
    QFETCH(QString, prima);
    QFETCH(QString, dopo);
    QFETCH(bool, riuscita);
    std::string concorsi = prima.toStdString();
    const bool oltre999 = prima.size() == 8000;
    QCOMPARE(maintenance::rinumeraConcorsi(concorsi, oltre999 ? 5000 : 260).riuscito(), riuscita);
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

void TestAggiornamento::leQuattroOperazioni_data() {
    QTest::addColumn<int>("operazione");
    QTest::addColumn<int>("n");
    QTest::addRow("aggiunge") << int(Nuova) << 7;
    QTest::addRow("sovrascrive") << int(Vecchia) << 2;
    QTest::addRow("inserisci-prima-della-prima") << int(Inserisci) << 1;
    QTest::addRow("inserisci-prima-dell-ultima") << int(Inserisci) << 6;
    QTest::addRow("inserisci-fra-il-2003") << int(Inserisci) << 5;
    QTest::addRow("elimina-la-prima") << int(Elimina) << 1;
    QTest::addRow("elimina-l-ultima") << int(Elimina) << 6;
}

void TestAggiornamento::leQuattroOperazioni() {
    QFETCH(int, operazione);
    QFETCH(int, n);
    prova::CartellaDiProva cartella;
    auto estrazioni = seiEstrazioni();
    cartella.scriviArchivio(estrazioni);
    auto stato = cartella.stato();
    stato.Max_Concorsi_Anno = 260;
    const auto scritta = prova::estrazione(20, 6, 2003, 99, 42, {2, 4}); // contest 99: renumbered if moved
    QVERIFY(esegui(operazione, stato, n, scritta));
    if (operazione == Elimina)
        estrazioni.erase(estrazioni.begin() + (n - 1));
    else if (operazione == Inserisci)
        estrazioni.insert(estrazioni.begin() + (n - 1), scritta);
    else if (n > int(estrazioni.size()))
        estrazioni.push_back(scritta);
    else
        estrazioni[std::size_t(n - 1)] = scritta; // stored as typed: no renumbering
    // Expected after a move: the same draws, contests numbered 1, 2, 3 ... from each draw whose year is
    // higher than every year before it (a 2003 inserted before the 2002 draws makes them continue its count).
    int ultimoAnno = -1, contatore = 0;
    for (auto& e : estrazioni) {
        if (e.anno > ultimoAnno) {
            ultimoAnno = e.anno;
            contatore = 0;
        }
        if (operazione == Inserisci || operazione == Elimina) e.concorso = ++contatore;
    }
    QCOMPARE(prova::fotografia(cartella), prova::attesi(estrazioni));
    QVERIFY(!std::filesystem::exists(core::registroArchivio(cartella.ruote())));
}

void TestAggiornamento::unGuastoInOgniPassoLasciaLArchivioIntero_data() {
    QTest::addColumn<QString>("passo");
    QTest::addColumn<bool>("nuovo"); // after the failure, the archive is the new one
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
    for (int operazione : {Nuova, Vecchia, Inserisci, Elimina}) {
        if (passo.isEmpty() && (operazione == Nuova || operazione == Vecchia)) continue; // no renumbering
        prova::CartellaDiProva cartella;
        auto estrazioni = seiEstrazioni();
        if (passo.isEmpty()) estrazioni.back().concorso = 0;
        cartella.scriviArchivio(estrazioni);
        auto stato = cartella.stato();
        stato.Max_Concorsi_Anno = 260;
        const auto prima = prova::fotografia(cartella);
        const auto esito =
            esegui(operazione, stato, operazione == Nuova ? 7 : 3, prova::estrazione(1, 1, 2002, 1, 9),
                   [&](const std::string& p) { return p == passo.toStdString(); });
        QVERIFY(!esito);
        QCOMPARE(esito.codice(),
                 passo.isEmpty() ? core::Codice::ArchivioIncoerente : core::Codice::FileNonScrivibile);
        // A failure past the point of no return is finished at once: nothing is left for the next start.
        QVERIFY(!core::completaAggiornamentoInterrotto(cartella.ruote()));
        const auto dopo = prova::fotografia(cartella);
        if (nuovo) {
            QVERIFY(dopo != prima);
            QCOMPARE(dopo[0].size() / 5, dopo[11].size() / 8); // all twelve files moved together
            QCOMPARE(dopo[0].size() / 5, std::size_t(operazione == Elimina   ? 5
                                                     : operazione == Vecchia ? 6
                                                                             : 7));
            QCOMPARE(dopo[10].size() / 10, dopo[0].size() / 5);
        } else {
            QCOMPARE(dopo, prima);
        }
    }
}

QTEST_APPLESS_MAIN(TestAggiornamento)
#include "TestAggiornamento.moc"
