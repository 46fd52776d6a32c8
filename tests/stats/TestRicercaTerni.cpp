#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "selection/Periodo.h"
#include "stats/Navigazione.h"
#include "stats/RicercaAmbi.h"
#include "stats/RicercaTerni.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

/** Frequency, last counted draw and longest absence of every (column, triple), as the reference counts them.
 */
struct Atteso {
    std::vector<int> frequenza, ultima, massimo;
    std::array<int, 11> contate{};
};

/**
 * The plain reference: the selected draws cycle by cycle, every selected wheel, the record's triples by
 * three nested loops over its five numbers.
 */
Atteso riferimento(const core::Stato& stato) {
    const auto celle = stats::RisultatiTerni::indice(11, 0);
    Atteso r{std::vector<int>(celle), std::vector<int>(celle), std::vector<int>(celle), {}};
    const auto segna = [&](int c, int k, bool conta) {
        const auto i = stats::RisultatiTerni::indice(c, k);
        r.frequenza[i] += 1;
        if (!conta) return; // column 0: a second wheel of the same draw lengthens nothing
        r.massimo[i] = std::max(r.massimo[i], r.contate[std::size_t(c)] - r.ultima[i]);
        r.ultima[i] = r.contate[std::size_t(c)];
    };
    for (int ciclo = 1; ciclo <= stato.Totale_Cicli; ++ciclo)
        for (int d = std::max(stato.Inizio_Ciclo[std::size_t(ciclo)], 1);
             d <= stato.Fine_Ciclo[std::size_t(ciclo)]; ++d) {
            if (stato.Estrazione_Selezionata[std::size_t(d)] != -1) continue;
            ++r.contate[0];
            for (int w = 1; w <= 10; ++w) {
                if (stato.Ruota_Selezionata[std::size_t(w)] != -1) continue;
                ++r.contate[std::size_t(w)];
                int n[5];
                if (!core::decodificaRuota(stato.Archivio_Estrazioni.record(w, d), n)) continue;
                for (int x = 0; x < 3; ++x)
                    for (int y = x + 1; y < 4; ++y)
                        for (int z = y + 1; z < 5; ++z) {
                            int t[3] = {n[x], n[y], n[z]};
                            std::sort(t, t + 3);
                            if (t[0] == t[1] || t[1] == t[2]) continue;
                            const int k = stats::posizioneTerno(t[0], t[1], t[2]);
                            segna(w, k, true);
                            segna(0, k, r.ultima[stats::RisultatiTerni::indice(0, k)] != r.contate[0]);
                        }
            }
        }
    return r;
}

} // namespace

class TestRicercaTerni : public QObject {
    Q_OBJECT
private slots:
    void posizioniEdEtichette();
    void leggeIlTernoDigitato_data();
    void leggeIlTernoDigitato();
    void cercaComeIlRiferimento_data();
    void cercaComeIlRiferimento();
    void ordineConLeParita();
};

void TestRicercaTerni::posizioniEdEtichette() {
    int k = 0;
    for (int a = 1; a <= 88; ++a)
        for (int b = a + 1; b <= 89; ++b)
            for (int c = b + 1; c <= 90; ++c) {
                ++k;
                if (stats::posizioneTerno(a, b, c) != k ||
                    !(stats::ternoInPosizione(k) == stats::Terno{a, b, c}))
                    QFAIL(qPrintable(QStringLiteral("%1-%2-%3 / %4").arg(a).arg(b).arg(c).arg(k)));
            }
    QCOMPARE(k, stats::NUMERO_TERNI);
    QCOMPARE(stats::Etichetta_Terno({7, 45, 89}), std::string(" 7 -  45 -  89"));
}

void TestRicercaTerni::leggeIlTernoDigitato_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("posizione"); // 0: refused
    QTest::addRow("in-ordine") << "7 45 89" << stats::posizioneTerno(7, 45, 89);
    QTest::addRow("sparso-con-trattini") << " 89-7 - 45" << stats::posizioneTerno(7, 45, 89);
    QTest::addRow("virgole-e-zeri") << "01,2,90" << stats::posizioneTerno(1, 2, 90);
    QTest::addRow("ripetuto") << "7 7 45" << 0;
    QTest::addRow("due-numeri") << "7 45" << 0;
    QTest::addRow("quattro-numeri") << "7 45 89 3" << 0;
    QTest::addRow("oltre-90") << "7 45 91" << 0;
    QTest::addRow("zero") << "0 45 89" << 0;
    QTest::addRow("lettere") << "7 45 8a" << 0;
}

void TestRicercaTerni::leggeIlTernoDigitato() {
    QFETCH(QString, testo);
    QFETCH(int, posizione);
    const auto terno = stats::leggiTerno(testo.toStdString());
    QCOMPARE(terno ? stats::posizioneTerno(terno->a, terno->b, terno->c) : 0, posizione);
}

void TestRicercaTerni::cercaComeIlRiferimento_data() {
    QTest::addColumn<QString>("ruote");
    QTest::addColumn<std::vector<int>>("perAnno"); // draws of each year from 2001; 0 an empty year
    QTest::addColumn<int>("bacino");               // the numbers come out of 1..bacino
    QTest::addColumn<bool>("ripetuti");            // some damaged records repeat a number
    QTest::addRow("una-ruota-frazionato") << "1000000000" << std::vector<int>{40} << 11 << false;
    QTest::addRow("tre-ruote-anni-vuoti") << "0100110000" << std::vector<int>{6, 0, 9, 0, 5} << 8 << false;
    QTest::addRow("tutte-le-ruote") << "1111111111" << std::vector<int>{25, 20} << 7 << false;
    QTest::addRow("numeri-ripetuti") << "0010000011" << std::vector<int>{30} << 9 << true;
}

void TestRicercaTerni::cercaComeIlRiferimento() {
    QFETCH(QString, ruote);
    QFETCH(std::vector<int>, perAnno);
    QFETCH(int, bacino);
    QFETCH(bool, ripetuti);
    std::mt19937 caso(static_cast<unsigned>(bacino));
    std::vector<prova::Estrazione> estrazioni;
    for (std::size_t anno = 0; anno < perAnno.size(); ++anno)
        for (int n = 1; n <= perAnno[anno]; ++n) {
            prova::Estrazione e{1 + n % 28, 1 + n % 12, 2001 + int(anno), n, {}};
            for (auto& ruota : e.ruote) {
                if (caso() % 6 == 0) continue; // a null wheel
                std::vector<int> urna(static_cast<std::size_t>(bacino));
                std::iota(urna.begin(), urna.end(), 1);
                std::shuffle(urna.begin(), urna.end(), caso);
                std::copy_n(urna.begin(), 5, ruota.begin());
                if (ripetuti && caso() % 4 == 0) ruota[caso() % 4 + 1] = ruota[0];
            }
            estrazioni.push_back(e);
        }
    prova::CartellaDiProva cartella;
    cartella.scriviArchivio(estrazioni);
    core::Stato stato = cartella.stato();
    QVERIFY(core::caricaArchivio(stato));
    core::selezioneDaTesto(stato, ruote.toStdString());
    if (perAnno.size() > 1)
        selection::applicaCicli(stato, 1, int(perAnno.size()));
    else
        selection::applicaFrazionato(stato, 4, perAnno[0] - 3);

    stats::RisultatiTerni r;
    QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_TERNI(stato, r));
    const Atteso atteso = riferimento(stato);
    int estratti = 0;
    for (int c = 0; c <= 10; ++c)
        for (int k = 1; k <= stats::NUMERO_TERNI; ++k) {
            const auto i = stats::RisultatiTerni::indice(c, k);
            const int trovati[] = {r.frequenza(c, k), r.ritardoAttuale(c, k), r.ritardoMassimo(c, k)};
            const int attesi[] = {atteso.frequenza[i], atteso.contate[std::size_t(c)] - atteso.ultima[i],
                                  atteso.massimo[i]};
            if (!std::equal(trovati, trovati + 3, attesi))
                QFAIL(qPrintable(
                    QStringLiteral("colonna %1, terno %2: %3 %4 %5 invece di %6 %7 %8")
                        .arg(c)
                        .arg(QString::fromStdString(stats::Etichetta_Terno(stats::ternoInPosizione(k))))
                        .arg(trovati[0])
                        .arg(trovati[1])
                        .arg(trovati[2])
                        .arg(attesi[0])
                        .arg(attesi[1])
                        .arg(attesi[2])));
            estratti += c == 0 ? attesi[0] : 0;
        }
    QVERIFY(estratti > 100); // the triples did come out, on several wheels
}

void TestRicercaTerni::ordineConLeParita() {
    stats::RisultatiTerni r; // every value 0 but three frequencies
    r.Celle_Corte.resize(stats::RisultatiTerni::indice(11, 0));
    for (const auto& [k, f] : {std::pair{5, 3}, {100000, 3}, {7, 1}})
        r.Celle_Corte[stats::RisultatiTerni::indice(4, k)].frequenza = std::uint16_t(f);
    const auto crescente = stats::Ordine_Terni(r, 4, stats::FREQUENZA);
    const auto decrescente = stats::Ordine_Terni(r, 4, stats::FREQUENZA, true);
    QCOMPARE(crescente[0], stats::NUMERO_TERNI);
    QCOMPARE((std::vector<int>(crescente.begin() + 1, crescente.begin() + 7)),
             (std::vector<int>{1, 2, 3, 4, 6, 8}));
    QCOMPARE((std::vector<int>(crescente.end() - 3, crescente.end())), (std::vector<int>{7, 5, 100000}));
    QCOMPARE((std::vector<int>(decrescente.begin() + 1, decrescente.begin() + 7)),
             (std::vector<int>{5, 100000, 7, 1, 2, 3}));
    QCOMPARE(decrescente.back(), stats::NUMERO_TERNI);
    QCOMPARE(stats::Ordine_Terni(r, 4, stats::NUMERICO)[117480], 117480);
    // Keys too far apart to count go through the comparison sort, with the same order.
    std::mt19937 caso(3);
    std::vector<long long> chiavi(stats::NUMERO_TERNI + 1);
    chiavi[0] = stats::NUMERO_TERNI;
    for (std::size_t i = 1; i < chiavi.size(); ++i)
        chiavi[i] = i % 3 == 0 ? 9000000 : caso() % 40;
    stats::Ordinamento veloce, lento;
    QVERIFY(stats::Ordina_Numeri_Veloce(chiavi, veloce, stats::NUMERO_TERNI));
    for (auto& chiave : chiavi)
        chiave = chiave == 9000000 ? 40 : chiave;
    QVERIFY(stats::Ordina_Numeri_Veloce(chiavi, lento, stats::NUMERO_TERNI));
    QCOMPARE(veloce.Permutazione_Ordinata, lento.Permutazione_Ordinata);
}

QTEST_APPLESS_MAIN(TestRicercaTerni)
#include "TestRicercaTerni.moc"
