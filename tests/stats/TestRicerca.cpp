// The number and pair searches against a plain count of the same draws, the number search at a position,
// the spy search against its plain definition, their orderings, the pairs' enumeration, the navigation
// among the result columns and the CSV export.
#include "ArchivioDiProva.h"
#include "selection/Periodo.h"
#include "stats/Esportazione.h"
#include "stats/Navigazione.h"
#include "stats/RicercaAmbi.h"
#include "stats/RicercaNumeri.h"
#include "stats/Spia.h"

#include <QTest>

#include <algorithm>
#include <bitset>
#include <cmath>
#include <numeric>
#include <random>

namespace {

using Interi = QList<int>;

// Sixty draws, fifteen a year from 2001, whose wheels take five of a few numbers, so that numbers and
// pairs come out again and again; wheel d % 10 + 1 of every seventh draw d is null; the Nazionale is
// drawn from draw 31, null in draw 35.
std::vector<prova::Estrazione> estrazioni() {
    std::mt19937 casuale(7);
    std::vector<prova::Estrazione> tutte;
    for (int d = 1; d <= 60; ++d) {
        auto e = prova::estrazione(1 + d % 28, 1 + d / 28, 2001 + (d - 1) / 15, 1 + (d - 1) % 15, 0,
                                   {d % 7 == 0 ? d % 10 + 1 : 0});
        if (d >= 31 && d != 35) e.ruote[10] = {1, 1, 1, 1, 1};
        for (auto& ruota : e.ruote) {
            std::array<int, 11> urna{1, 2, 3, 4, 5, 6, 7, 8, 45, 89, 90};
            std::shuffle(urna.begin(), urna.end(), casuale);
            if (ruota[0] != 0) std::copy_n(urna.begin(), 5, ruota.begin());
        }
        tutte.push_back(e);
    }
    return tutte;
}

// Frequency, current delay and maximum delay by their plain definitions, from how often something came
// out in each counted draw: a first appearance in the k-th draw is a delay of k, and the absence still
// open at the end is the current delay.
Interi valori(const std::vector<int>& uscite) {
    int frequenza = 0, massimo = 0, ultima = 0;
    for (int k = 1; k <= int(uscite.size()); ++k)
        if (uscite[std::size_t(k - 1)] > 0) {
            frequenza += uscite[std::size_t(k - 1)];
            massimo = std::max(massimo, k - ultima);
            ultima = k;
        }
    return {frequenza, int(uscite.size()) - ultima, massimo};
}

// Positions 1..n in ascending (or descending) order of their keys, equal keys in position order; element 0
// holds n.
template <class Chiave> std::vector<int> ordinate(int n, Chiave chiave, bool giu = false) {
    std::vector<int> ordine(std::size_t(n) + 1, n);
    std::iota(ordine.begin() + 1, ordine.end(), 1);
    std::stable_sort(ordine.begin() + 1, ordine.end(),
                     [&](int x, int y) { return giu ? chiave(x) > chiave(y) : chiave(x) < chiave(y); });
    return ordine;
}

} // namespace

class TestRicerca : public QObject {
    Q_OBJECT

private slots:
    void ricercheComeUnConteggioSemplice_data() {
        QTest::addColumn<QString>("ruote"); // eleven ticks, "1" for a selected wheel, the Nazionale last
        QTest::addColumn<int>("da");
        QTest::addColumn<int>("a"); // 0: `cicli` years from the year of draw `da`
        QTest::addColumn<int>("cicli");
        QTest::addColumn<Interi>("fuori");  // draws left out of the period by hand
        QTest::addColumn<int>("posizione"); // of the number search (the pairs are not compared then)
        QTest::addRow("due-ruote-ogni-estrazione") << "10000001000" << 1 << 60 << 0 << Interi{} << 0;
        QTest::addRow("una-ruota-con-un-buco")
            << "00000000100" << 5 << 50 << 0 << Interi{20, 21, 22, 23} << 0;
        QTest::addRow("tutte-a-cicli") << "11111111111" << 20 << 0 << 3 << Interi{} << 0;
        QTest::addRow("nazionale-dalla-prima") << "00000000001" << 1 << 60 << 0 << Interi{40} << 0;
        QTest::addRow("nazionale-prima-che-esista") << "00000000001" << 1 << 30 << 0 << Interi{} << 0;
        QTest::addRow("nazionale-e-bari") << "10000000001" << 25 << 60 << 0 << Interi{31} << 0;
        QTest::addRow("prima-posizione-tutte") << "11111111111" << 1 << 60 << 0 << Interi{33} << 1;
        QTest::addRow("quinta-posizione-a-cicli") << "10000000011" << 20 << 0 << 3 << Interi{} << 5;
    }

    void ricercheComeUnConteggioSemplice() {
        QFETCH(QString, ruote);
        QFETCH(int, da);
        QFETCH(int, a);
        QFETCH(int, cicli);
        QFETCH(Interi, fuori);
        QFETCH(int, posizione);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        const auto tutte = estrazioni();
        cartella.carica(stato, tutte);
        QVERIFY(core::selezioneDaTesto(stato, ruote.left(10).toStdString(), ruote[10] == '1'));
        if (cicli > 0)
            selection::applicaCicli(stato, da, cicli);
        else
            selection::applicaFrazionato(stato, da, a);
        for (int d : fuori)
            stato.Estrazione_Selezionata[std::size_t(d)] = 0;
        stats::RisultatiNumeri numeri;
        stats::RisultatiAmbi ambi;
        QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, numeri, {},
                                                                     {.posizione = posizione}));
        QList<int> avanzamento; // the progress bar moves on, and only when its percentage does
        QVERIFY(
            stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(stato, ambi, [&](int p) { avanzamento << p; }));
        QVERIFY(!avanzamento.isEmpty() &&
                std::ranges::adjacent_find(avanzamento, std::greater_equal<>()) == avanzamento.end());

        // A selected wheel counts a selected draw, the Nazionale from draw 31, where it begins.
        const auto conta = [&](int w, int d) { return ruote[w - 1] == '1' && (w != 11 || d >= 31); };
        // The numbers of each selected wheel in each selected draw; a null wheel has none.
        std::vector<std::pair<int, std::array<std::bitset<91>, 12>>> contate;
        for (int d = 1; d <= stato.Estrazioni_Caricate; ++d) {
            if (stato.Estrazione_Selezionata[std::size_t(d)] != -1) continue;
            contate.emplace_back(d, std::array<std::bitset<91>, 12>{});
            for (int w = 1; w <= 11; ++w)
                for (int i = 0; i < 5; ++i)
                    if (conta(w, d) && (posizione == 0 || i == posizione - 1))
                        contate.back().second[std::size_t(w)].set(
                            std::size_t(tutte[std::size_t(d - 1)].ruote[std::size_t(w - 1)][std::size_t(i)]));
        }
        // Column c, the number x (y == 0) or the pair x-y: column 0 counts a draw once when a wheel counts it
        // and adds the wheels' appearances; a wheel counts nothing in a draw it does not count.
        const auto attesi = [&](int c, int x, int y) {
            std::vector<int> uscite;
            for (const auto& [d, estratti] : contate) {
                int volte = 0, ruoteContate = 0;
                for (int w = c == 0 ? 1 : c; w <= (c == 0 ? 11 : c); ++w) {
                    ruoteContate += conta(w, d);
                    volte += estratti[std::size_t(w)][std::size_t(x)] &&
                             (y == 0 || estratti[std::size_t(w)][std::size_t(y)]);
                }
                if (ruoteContate > 0) uscite.push_back(volte);
            }
            return valori(uscite);
        };
        const auto numero = [&](int c, std::size_t n) {
            return Interi{numeri.Frequenza_Numero[std::size_t(c)][n],
                          numeri.Ritardo_Attuale_Numero[std::size_t(c)][n],
                          numeri.Ritardo_Massimo_Numero[std::size_t(c)][n]};
        };
        const auto ambo = [&](int c, int k) {
            return Interi{ambi.frequenza(c, k), ambi.ritardoAttuale(c, k), ambi.ritardoMassimo(c, k)};
        };
        QString diverso;
        for (int c = 0; c <= 11; ++c)
            for (int x = 1; x <= 90; ++x)
                for (int y = x; y <= (posizione > 0 ? x : 90) && diverso.isEmpty(); ++y)
                    if ((y == x ? numero(c, std::size_t(x)) : ambo(c, stats::posizioneAmbo(x, y))) !=
                        attesi(c, x, y == x ? 0 : y))
                        diverso = QStringLiteral("colonna %1, %2-%3").arg(c).arg(x).arg(y);
        QVERIFY2(diverso.isEmpty(), qPrintable(diverso));
        // What chance rests on: per column the draws counted and the real records among them (column 0:
        // the selected wheels' summed), and the wheels selected.
        for (std::size_t c = 0; c <= 11; ++c) {
            int contateC = 0;
            long long reali = 0;
            for (const auto& [d, estratti] : contate) {
                bool contata = false;
                for (int w = c == 0 ? 1 : int(c); w <= (c == 0 ? 11 : int(c)); ++w) {
                    contata = contata || conta(w, d);
                    reali += (estratti[std::size_t(w)] >> 1).any(); // a null wheel set only bit 0
                }
                contateC += contata;
            }
            for (const auto* base : {&numeri.Base_Caso, &ambi.Base_Caso})
                QVERIFY2(base->contate[c] == contateC && base->reali[c] == reali,
                         qPrintable(QString::number(c)));
        }
        QCOMPARE(numeri.Base_Caso.ruote, int(ruote.count('1')));

        // The five positions' frequencies add up to those of every number, on each column.
        if (posizione == 1) {
            stats::RisultatiNumeri somma, tutti, una;
            QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, tutti));
            for (int p = 1; p <= 5; ++p) {
                QVERIFY(
                    stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, una, {}, {.posizione = p}));
                for (std::size_t c = 0; c <= 11; ++c)
                    for (std::size_t n = 1; n <= 90; ++n)
                        somma.Frequenza_Numero[c][n] += una.Frequenza_Numero[c][n];
            }
            QVERIFY(somma.Frequenza_Numero == tutti.Frequenza_Numero && tutti.Frequenza_Numero[1][45] > 0);
        }
        if (posizione > 0) return;
        // Each ordering of column 0 lists by ascending or descending key (number, frequency, current or
        // maximum delay: criteria 1..4; the deviation as the frequency, the delay's rarity as the delay),
        // equal keys in number or enumeration order.
        for (int criterio = stats::NUMERICO; criterio <= stats::RARITA; ++criterio)
            for (bool giu : {false, true}) {
                const int chiave = criterio == stats::SCARTO ? 2 : criterio == stats::RARITA ? 3 : criterio;
                const auto ordine = stats::ordinePosizioni(numeri, 0, criterio, giu);
                QVERIFY(std::vector<int>(ordine.begin(), ordine.end()) ==
                        ordinate(
                            90,
                            [&](int n) { return chiave == 1 ? n : numero(0, std::size_t(n))[chiave - 2]; },
                            giu));
                QVERIFY(stats::Ordine_Ambi(ambi, 0, criterio, giu) ==
                        ordinate(
                            stats::NUMERO_AMBI,
                            [&](int k) { return chiave == 1 ? k : ambo(0, k)[chiave - 2]; }, giu));
            }
        // The export of a column: a header, then one CRLF row per number in the order given.
        const auto csv = stats::csvNumeri(numeri, 0, stats::ordinePosizioni(numeri, 0, stats::NUMERICO));
        QVERIFY(csv.starts_with("\xEF\xBB\xBFNumero;Frequenza;Ritardo attuale;Ritardo massimo\r\n1;"));
        QCOMPARE(std::count(csv.begin(), csv.end(), '\r'), 91);
        QVERIFY(csv.ends_with(std::to_string(numeri.Ritardo_Massimo_Numero[0][90]) + "\r\n"));
    }
    void ambiInOrdineDiEnumerazioneConLeEtichette() {
        for (int a = 1, k = 1; a <= 89; ++a)
            for (int b = a + 1; b <= 90; ++b, ++k)
                QVERIFY(stats::posizioneAmbo(a, b) == k && stats::amboInPosizione(k) == std::make_pair(a, b));
        QCOMPARE(stats::Etichetta_Ambo(7, 45), std::string(" 7 -  45"));
    }

    void ordinamentoDiChiaviLontaneOSbagliate() {
        // Keys too far apart to be counted are sorted by comparison, stably too; a count outside 1..4005
        // sorts nothing.
        stats::Ordinamento esito;
        QVERIFY(stats::Ordina_Numeri_Veloce({3, 5000000, 5000000, 7}, esito)); // the last key sets the range
        QCOMPARE(QList<int>(&esito.Permutazione_Ordinata[0], &esito.Permutazione_Ordinata[4]),
                 Interi({3, 3, 1, 2}));
        QVERIFY(!stats::Ordina_Numeri_Veloce({0}, esito) &&
                !stats::Ordina_Numeri(std::vector<long long>(4007, 4006), esito));
    }

    // The spy 45 on Bari over the draws of estrazioni(), a number 77 planted on Venezia in the draw after
    // each of its appearances, against the plain definition: an exit is an appearance whose K following
    // draws are in the period; a number counts once per exit when it is on a target wheel in one of them.
    void spiaComeLaSuaDefinizione_data() {
        QTest::addColumn<int>("colpi");
        QTest::addColumn<QString>("bersagli"); // eleven ticks; none: Bari, the spy's wheel
        QTest::addColumn<int>("a");            // the period is 1..a
        QTest::addColumn<Interi>("fuori");
        QTest::addColumn<int>("piantato"); // the presences of 77: -1 as many as the exits
        QTest::addRow("un-colpo-stessa-ruota") << 1 << "00000000000" << 60 << Interi{} << 0;
        QTest::addRow("due-colpi-venezia") << 2 << "00000000010" << 60 << Interi{} << -1;
        QTest::addRow("fine-periodo-a-5-colpi") << 5 << "10000000010" << 44 << Interi{} << -1;
        QTest::addRow("buco-nel-periodo") << 3 << "10000000011" << 60 << Interi{12, 40} << -1;
        QTest::addRow("diciotto-colpi-tutte") << 18 << "11111111111" << 60 << Interi{} << -1;
        QTest::addRow("nazionale-dalla-31") << 4 << "00000000001" << 60 << Interi{} << 0;
    }
    void spiaComeLaSuaDefinizione() {
        QFETCH(int, colpi);
        QFETCH(QString, bersagli);
        QFETCH(int, a);
        QFETCH(Interi, fuori);
        QFETCH(int, piantato);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        auto tutte = estrazioni();
        if (!std::ranges::count(tutte[28].ruote[0], 45))
            tutte[28].ruote[0][0] = 45; // two before the Nazionale
        for (std::size_t d = 1; d < tutte.size(); ++d)
            if (auto& ve = tutte[d].ruote[9]; std::ranges::count(tutte[d - 1].ruote[0], 45)) {
                if (ve[0] == 0) ve = {1, 2, 3, 4, 5}; // a null Venezia drawn after all
                ve[4] = 77;
            }
        cartella.carica(stato, tutte);
        selection::applicaFrazionato(stato, 1, a);
        for (int d : fuori)
            stato.Estrazione_Selezionata[std::size_t(d)] = 0;
        stats::ParametriSpia parametri{.numero = 45, .ruota = 1, .bersagli = {}, .colpi = colpi};
        for (int w = 1; w <= 11; ++w)
            parametri.bersagli[std::size_t(w)] = bersagli[w - 1] == '1';
        const auto esito = stats::cercaSpia(stato, parametri);
        QVERIFY(esito);

        const auto nelPeriodo = [&](int d) { return d <= a && !fuori.contains(d); };
        const QString mira = bersagli.contains('1') ? bersagli : QStringLiteral("10000000000");
        const int t = int(mira.count('1'));
        int uscite = 0;
        std::array<int, 91> presenze{};
        for (int d = 1; d <= 60; ++d) {
            bool uscita = nelPeriodo(d) && std::ranges::count(tutte[std::size_t(d - 1)].ruote[0], 45);
            for (int j = 1; j <= colpi; ++j)
                uscita = uscita && nelPeriodo(d + j);
            if (!uscita || (mira[10] == '1' && d + 1 < 31)) continue;
            ++uscite;
            std::bitset<91> visti;
            for (int j = 1; j <= colpi; ++j)
                for (int w = 1; w <= 11; ++w)
                    for (int n : tutte[std::size_t(d + j - 1)].ruote[std::size_t(w - 1)])
                        if (mira[w - 1] == '1') visti.set(std::size_t(n));
            for (std::size_t n = 1; n <= 90; ++n)
                presenze[n] += visti[n];
        }
        QVERIFY(uscite >= 2);
        QCOMPARE(esito->uscite, uscite);
        QVERIFY(esito->presenze == presenze);
        QCOMPARE(esito->presenze[77], piantato < 0 ? uscite : piantato);
        const double pi = 1 - std::pow(17.0 / 18, colpi * t);
        QVERIFY(std::abs(esito->attese() - uscite * pi) < 1e-9);
        QVERIFY(std::abs(esito->scarto(77) -
                         (esito->presenze[77] - uscite * pi) / std::sqrt(uscite * pi * (1 - pi))) < 1e-9);
        QCOMPARE(stats::dueDecimali(-0.004, '.') + stats::dueDecimali(-1.005, ','),
                 "0.00-1,00"); // no "-0.00"
        // By presences, most first, equal ones by number; the export's rows in that order, decimal comma.
        const auto ordine = stats::ordineSpia(*esito, stats::FREQUENZA, true);
        QVERIFY(std::vector<int>(ordine.begin(), ordine.end()) ==
                ordinate(
                    90, [&](int n) { return presenze[std::size_t(n)]; }, true));
        const auto csv = stats::csvSpia(*esito, ordine);
        QVERIFY(csv.starts_with("\xEF\xBB\xBFNumero;Uscite spia;Presenze;Attese;Scarto\r\n" +
                                std::to_string(ordine[1]) + ';' + std::to_string(uscite) + ';' +
                                std::to_string(presenze[std::size_t(ordine[1])]) + ';' +
                                stats::dueDecimali(uscite * pi, ',') + ';'));
    }

    void navigazioneFraLeColonne() {
        core::Stato stato;
        core::Imposta_Tabelle_Globali(stato);
        QVERIFY(core::selezioneDaTesto(stato, "0010001000")); // FIRENZE and PALERMO
        stats::Navigazione nav;
        nav.imposta(stato);
        nav.ricomincia();
        nav.impostaCriterio(7, stats::FREQUENZA);
        QStringList viste;
        for (int passo : {1, 1, 1, 1, -1, -1}) {
            const int colonna = passo > 0 ? nav.avanti() : nav.indietro();
            viste << QString::fromStdString(std::to_string(colonna) + ' ' + nav.didascalia() + ' ' +
                                            stats::nomeCriterio(nav.criterio(colonna)));
        }
        QCOMPARE(viste, QStringList({"0 FI PA  NUMERICO", "3 FIRENZE NUMERICO", "7 PALERMO FREQUENZA",
                                     "0 FI PA  NUMERICO", "7 PALERMO FREQUENZA", "3 FIRENZE NUMERICO"}));
        nav.imposta(stato); // a new search puts every key back to number order
        QCOMPARE(nav.criterio(7), int(stats::NUMERICO));
    }
};

QTEST_APPLESS_MAIN(TestRicerca)
#include "TestRicerca.moc"
