// The delay series of a number, a pair or a triple: draw by draw against the draws written, and its
// figures against the number and pair searches, over periods with an empty year and null wheels; the
// command storia on a small archive and on the real one.
#include "ArchivioDiProva.h"
#include "cli/Cli.h"
#include "core/Caricamento.h"
#include "selection/Periodo.h"
#include "stats/RicercaAmbi.h"
#include "stats/Serie.h"

#include <QTest>

#include <algorithm>
#include <numeric>
#include <random>
#include <sstream>

namespace {

/**
 * 2001: 25 draws, 2002: none, 2003: 30. Five different numbers out of 1..urna per wheel; CAGLIARI is
 * null in every third draw, ROMA always, and every tenth draw is null on all wheels.
 */
std::vector<prova::Estrazione> sorteggia(int urna) {
    std::mt19937 casuale(static_cast<unsigned>(urna));
    std::vector<prova::Estrazione> estrazioni;
    std::vector<int> palline(static_cast<std::size_t>(urna));
    for (int c = 1; c <= 55; ++c) {
        const int concorso = c <= 25 ? c : c - 25;
        estrazioni.push_back({1 + concorso % 28, 1 + concorso / 28, c <= 25 ? 2001 : 2003, concorso, {}});
        for (int w = 1; w <= 10; ++w) {
            if (w == 8 || (w == 2 && c % 3 == 0) || c % 10 == 0) continue;
            std::iota(palline.begin(), palline.end(), 1);
            std::shuffle(palline.begin(), palline.end(), casuale);
            std::copy_n(palline.begin(), 5, estrazioni.back().ruote[std::size_t(w - 1)].begin());
        }
    }
    return estrazioni;
}

/** What quintaro-cli writes on standard output, line by line, or on standard error when it fails. */
QStringList esegui(const std::vector<std::string>& argomenti) {
    std::ostringstream uscita, errori;
    const bool riuscito = cli::esegui(argomenti, uscita, errori) == cli::ESITO_OK;
    return QString::fromStdString(riuscito ? uscita.str() : errori.str()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TestSerie : public QObject {
    Q_OBJECT
private slots:
    void serieComeLeEstrazioniELaRicerca_data() {
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QList<int>>("numeri");
        QTest::addColumn<int>("urna");
        QTest::addColumn<QString>("ruote");
        QTest::addColumn<int>("dal"); // 0: the years 2001-2003 as three cycles, through 55
        QTest::addColumn<int>("posizione");
        QTest::addRow("numero-bari") << 1 << QList<int>{7} << 20 << "1000000000" << 1 << 0;
        QTest::addRow("numero-incrociate-seconda-posizione")
            << 0 << QList<int>{7} << 20 << "1100000100" << 1 << 2;
        QTest::addRow("numero-incrociate-anno-vuoto") << 0 << QList<int>{7} << 20 << "1100000100" << 0 << 0;
        QTest::addRow("ambo-cagliari-nulle") << 2 << QList<int>{5, 3} << 9 << "0100000000" << 4 << 0;
        QTest::addRow("ambo-incrociate") << 0 << QList<int>{3, 5} << 9 << "1110000000" << 0 << 0;
        QTest::addRow("terno-incrociate") << 0 << QList<int>{1, 2, 3} << 7 << "1110000000" << 1 << 0;
        QTest::addRow("ruota-sempre-nulla") << 8 << QList<int>{7} << 20 << "0000000100" << 1 << 0;
    }
    void serieComeLeEstrazioniELaRicerca() {
        QFETCH(int, colonna);
        QFETCH(QList<int>, numeri);
        QFETCH(int, urna);
        QFETCH(QString, ruote);
        QFETCH(int, dal);
        QFETCH(int, posizione);
        prova::CartellaDiProva cartella;
        const auto estrazioni = sorteggia(urna);
        cartella.scriviArchivio(estrazioni);
        auto stato = cartella.stato();
        QVERIFY(core::caricaArchivio(stato) && core::selezioneDaTesto(stato, ruote.toStdString()));
        if (dal > 0)
            selection::applicaFrazionato(stato, dal, 55);
        else
            selection::applicaCicli(stato, 1, 3);
        const auto serie = stats::serieRitardi(
            stato, *stats::Combinazione::da({numeri.begin(), numeri.end()}), colonna, posizione);
        QVERIFY(serie);

        // Draw by draw, from the draws as written.
        std::size_t i = 0;
        int ritardo = 0, frequenza = 0, massimo = 0;
        for (int d = std::max(dal, 1); d <= 55; ++d) {
            const auto& e = estrazioni[std::size_t(d - 1)];
            int uscite = 0;
            for (int w = 1; w <= 10; ++w) {
                const auto& cinque = e.ruote[std::size_t(w - 1)];
                uscite += (colonna == 0 ? ruote[w - 1] == '1' : w == colonna) &&
                          (posizione > 0 ? cinque[std::size_t(posizione - 1)] == numeri[0]
                                         : std::all_of(numeri.begin(), numeri.end(), [&](int n) {
                                               return std::count(cinque.begin(), cinque.end(), n) == 1;
                                           }));
            }
            const auto& punto = serie->punti.at(i++);
            if (uscite > 0) massimo = std::max(massimo, ritardo + 1);
            ritardo = uscite > 0 ? 0 : ritardo + 1;
            frequenza += uscite;
            QCOMPARE(QList<int>({punto.estrazione, punto.ritardo, punto.uscite, punto.data.giorno,
                                 punto.data.anno, punto.concorso.numero, punto.concorso.anno}),
                     QList<int>({d, ritardo, uscite, e.giorno, e.anno, e.concorso, e.anno}));
        }
        QCOMPARE(i, serie->punti.size());
        QCOMPARE(QList<int>({serie->frequenza, serie->ritardoAttuale, serie->ritardoMassimo}),
                 QList<int>({frequenza, ritardo, massimo}));

        // The same figures as the searches.
        stats::RisultatiNumeri n;
        stats::RisultatiAmbi a;
        QVERIFY(
            stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, n, {}, {.posizione = posizione}) &&
            stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(stato, a));
        const auto c = std::size_t(colonna), sette = std::size_t(7);
        const int k = stats::posizioneAmbo(3, 5);
        if (numeri.size() < 3)
            QCOMPARE(QList<int>({frequenza, ritardo, massimo}),
                     numeri.size() == 1
                         ? QList<int>({n.Frequenza_Numero[c][sette], n.Ritardo_Attuale_Numero[c][sette],
                                       n.Ritardo_Massimo_Numero[c][sette]})
                         : QList<int>({a.frequenza(colonna, k), a.ritardoAttuale(colonna, k),
                                       a.ritardoMassimo(colonna, k)}));
    }

    void storiaDaRigaDiComando() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(sorteggia(20));
        const std::string dir = cartella.percorso().string();
        // BARI alone, draws 8..12: 20 came out in draws 8, 11 and 12; draw 10 is null and counts.
        QCOMPARE(
            esegui(
                {"storia", "--cartella", dir, "--numero", "20", "--ruote", "BA", "--dal", "8", "--al", "12"}),
            QStringList({"estrazione,data,concorso,ritardo", "8,09/01/2001,8/2001,0", "9,10/01/2001,9/2001,1",
                         "10,11/01/2001,10/2001,2", "11,12/01/2001,11/2001,0", "12,13/01/2001,12/2001,0"}));
        QCOMPARE(esegui({"storia", "--cartella", dir, "--numero", "7", "--secondo", "7"}).value(0),
                 QStringLiteral("quintaro-cli: I numeri devono essere diversi fra loro."));
        for (const auto& [numeri, messaggio] :
             {std::pair{std::vector<int>{}, "Indicare da uno a tre numeri."},
              {{1, 2, 3, 4}, "Indicare da uno a tre numeri."},
              {{5, 91}, "Il numero 91 non è compreso fra 1 e 90."}})
            QCOMPARE(stats::Combinazione::da(numeri).messaggio(), messaggio);
    }

    void storiaSullArchivioReale() {
        const auto dati = prova::cartellaDatiReali();
        if (dati.empty()) QSKIP("../shared/data non è presente");
        prova::CartellaDiProva cartella;
        const std::string dir = cartella.percorso().string();
        esegui({"importa", "--cartella", dir, (dati / "lotto_storico_igt_1939-2026.txt.gz").string()});
        const auto storia = esegui({"storia", "--cartella", dir, "--numero", "45", "--ruote", "NA"});
        int zeri = 0, massimo = 0, precedente = 0;
        for (const QString& riga : storia.mid(1)) {
            const int ritardo = riga.section(',', 3).toInt();
            zeri += ritardo == 0;
            massimo = std::max(massimo, ritardo == 0 ? precedente + 1 : 0);
            precedente = ritardo;
        }
        // NAPOLI's row of 45 in column 0: frequency, current delay, maximum delay.
        QCOMPARE(QStringLiteral("0,45,%1,%2,%3").arg(zeri).arg(precedente).arg(massimo),
                 esegui({"numeri", "--cartella", dir, "--ruote", "NA"}).value(45));
    }
};

QTEST_APPLESS_MAIN(TestSerie)
#include "TestSerie.moc"
