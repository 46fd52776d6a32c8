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
    for (int anno : {2001, 2003})
        for (int c = 1; c <= (anno == 2001 ? 25 : 30); ++c) {
            prova::Estrazione e{1 + c % 28, 1 + c / 28, anno, c, {}};
            const int d = static_cast<int>(estrazioni.size()) + 1;
            for (int w = 1; w <= 10; ++w) {
                if (w == 8 || (w == 2 && d % 3 == 0) || d % 10 == 0) continue;
                std::vector<int> palline(static_cast<std::size_t>(urna));
                std::iota(palline.begin(), palline.end(), 1);
                std::shuffle(palline.begin(), palline.end(), casuale);
                std::copy_n(palline.begin(), 5, e.ruote[static_cast<std::size_t>(w - 1)].begin());
            }
            estrazioni.push_back(e);
        }
    return estrazioni;
}

std::vector<std::string> righe(const std::vector<std::string>& argomenti, int esitoAtteso = 0) {
    std::ostringstream uscita, errori;
    if (cli::esegui(argomenti, uscita, errori) != esitoAtteso) qWarning() << errori.str().c_str();
    std::vector<std::string> tutte;
    std::istringstream flusso(uscita.str());
    for (std::string riga; std::getline(flusso, riga);)
        tutte.push_back(riga);
    return tutte;
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
        QTest::addColumn<int>("dal"); // 0: the years 2001-2003 as three cycles
        QTest::addColumn<int>("al");
        QTest::addRow("numero-bari") << 1 << QList<int>{7} << 20 << "1000000000" << 1 << 55;
        QTest::addRow("numero-incrociate-anno-vuoto") << 0 << QList<int>{7} << 20 << "1100000100" << 0 << 0;
        QTest::addRow("ambo-cagliari-nulle") << 2 << QList<int>{5, 3} << 9 << "0100000000" << 4 << 40;
        QTest::addRow("ambo-incrociate") << 0 << QList<int>{3, 5} << 9 << "1110000000" << 0 << 0;
        QTest::addRow("terno-incrociate") << 0 << QList<int>{1, 2, 3} << 7 << "1110000000" << 1 << 55;
        QTest::addRow("ruota-sempre-nulla") << 8 << QList<int>{7} << 20 << "0000000100" << 1 << 55;
    }
    void serieComeLeEstrazioniELaRicerca() {
        QFETCH(int, colonna);
        QFETCH(QList<int>, numeri);
        QFETCH(int, urna);
        QFETCH(QString, ruote);
        QFETCH(int, dal);
        QFETCH(int, al);
        prova::CartellaDiProva cartella;
        const auto estrazioni = sorteggia(urna);
        cartella.scriviArchivio(estrazioni);
        auto stato = cartella.stato();
        QVERIFY(core::caricaArchivio(stato));
        QVERIFY(core::selezioneDaTesto(stato, ruote.toStdString()));
        if (dal > 0)
            selection::applicaFrazionato(stato, dal, al);
        else
            selection::applicaCicli(stato, 1, 3);
        const auto combinazione = stats::Combinazione::da({numeri.begin(), numeri.end()});
        QVERIFY(combinazione);
        const auto serie = stats::serieRitardi(stato, *combinazione, colonna);
        QVERIFY(serie);

        // Draw by draw, from the draws as written.
        std::size_t i = 0;
        int ritardo = 0, frequenza = 0, massimo = 0;
        for (int d = 1; d <= 55; ++d) {
            if (stato.Estrazione_Selezionata[std::size_t(d)] != -1) continue;
            const auto& e = estrazioni[std::size_t(d - 1)];
            int uscite = 0;
            for (int w = 1; w <= 10; ++w) {
                const auto& cinque = e.ruote[std::size_t(w - 1)];
                if ((colonna == 0 ? ruote[w - 1] == '1' : w == colonna) &&
                    std::all_of(numeri.begin(), numeri.end(),
                                [&](int n) { return std::count(cinque.begin(), cinque.end(), n) == 1; }))
                    ++uscite;
            }
            QVERIFY(i < serie->punti.size());
            const auto& punto = serie->punti[i++];
            if (uscite > 0) massimo = std::max(massimo, ritardo + 1);
            ritardo = uscite > 0 ? 0 : ritardo + 1;
            frequenza += uscite;
            QCOMPARE(QList<int>({punto.estrazione, punto.ritardo, punto.uscite, punto.data.giorno,
                                 punto.data.anno, punto.concorso.numero, punto.concorso.anno}),
                     QList<int>({d, ritardo, uscite, e.giorno, e.anno, e.concorso, e.anno}));
        }
        QCOMPARE(i, serie->punti.size());
        QCOMPARE(int(i), stato.Totale_Estrazioni_Selezionate);
        QCOMPARE(QList<int>({serie->frequenza, serie->ritardoAttuale, serie->ritardoMassimo}),
                 QList<int>({frequenza, ritardo, massimo}));

        // The same figures as the searches.
        const auto c = std::size_t(colonna);
        if (numeri.size() == 1) {
            stats::RisultatiNumeri r;
            QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_ESTRATTI(stato, r));
            const auto n = std::size_t(numeri[0]);
            QCOMPARE(QList<int>({frequenza, ritardo, massimo}),
                     QList<int>({r.Frequenza_Numero[c][n], r.Ritardo_Attuale_Numero[c][n],
                                 r.Ritardo_Massimo_Numero[c][n]}));
        } else if (numeri.size() == 2) {
            stats::RisultatiAmbi r;
            QVERIFY(stats::ESECUZIONE_RICERCA_FREQUENZA_RITARDI_AMBI(stato, r));
            const int k = stats::posizioneAmbo(3, 5);
            QCOMPARE(QList<int>({frequenza, ritardo, massimo}),
                     QList<int>({r.frequenza(colonna, k), r.ritardoAttuale(colonna, k),
                                 r.ritardoMassimo(colonna, k)}));
        }
    }

    void rifiutaCombinazioniEColonneImpossibili_data() {
        QTest::addColumn<QList<int>>("numeri");
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("messaggio");
        QTest::addRow("nessun-numero") << QList<int>{} << 0 << "Indicare da uno a tre numeri.";
        QTest::addRow("quattro-numeri") << QList<int>{1, 2, 3, 4} << 0 << "Indicare da uno a tre numeri.";
        QTest::addRow("zero") << QList<int>{0} << 0 << "Il numero 0 non è compreso fra 1 e 90.";
        QTest::addRow("novantuno") << QList<int>{5, 91} << 0 << "Il numero 91 non è compreso fra 1 e 90.";
        QTest::addRow("ripetuto") << QList<int>{4, 9, 4} << 0 << "I numeri devono essere diversi fra loro.";
        QTest::addRow("ruota-non-scelta")
            << QList<int>{90} << 4 << "La ruota indicata non è fra le ruote selezionate.";
        QTest::addRow("colonna-11") << QList<int>{90} << 11
                                    << "La ruota indicata non è fra le ruote selezionate.";
    }
    void rifiutaCombinazioniEColonneImpossibili() {
        QFETCH(QList<int>, numeri);
        QFETCH(int, colonna);
        QFETCH(QString, messaggio);
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(sorteggia(20));
        auto stato = cartella.stato();
        QVERIFY(core::caricaArchivio(stato));
        QVERIFY(core::selezioneDaTesto(stato, "1110000000"));
        selection::applicaFrazionato(stato, 1, 55);
        const auto combinazione = stats::Combinazione::da({numeri.begin(), numeri.end()});
        const std::string letto = combinazione
                                      ? stats::serieRitardi(stato, *combinazione, colonna).messaggio()
                                      : combinazione.messaggio();
        QCOMPARE(QString::fromStdString(letto), messaggio);
    }

    void storiaDaRigaDiComando() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(sorteggia(20));
        const std::string dir = cartella.percorso().string();
        // BARI alone, draws 8..12: 20 came out in draws 8, 11 and 12; draw 10 is null and counts.
        const auto storia = righe(
            {"storia", "--cartella", dir, "--numero", "20", "--ruote", "BA", "--dal", "8", "--al", "12"});
        QCOMPARE(storia,
                 (std::vector<std::string>{"estrazione,data,concorso,ritardo", "8,09/01/2001,8/2001,0",
                                           "9,10/01/2001,9/2001,1", "10,11/01/2001,10/2001,2",
                                           "11,12/01/2001,11/2001,0", "12,13/01/2001,12/2001,0"}));
        for (const auto& sbagliati : std::vector<std::vector<std::string>>{
                 {"storia", "--cartella", dir},
                 {"storia", "--cartella", dir, "--numero", "7", "--secondo", "7"},
                 {"storia", "--cartella", dir, "--numero", "sette"},
                 {"numeri", "--cartella", dir, "--numero", "7"}})
            QVERIFY(righe(sbagliati, cli::ESITO_USO).empty());
    }

    void storiaSullArchivioReale() {
        const auto dati = prova::cartellaDatiReali();
        if (dati.empty()) QSKIP("../shared/data non è presente");
        prova::CartellaDiProva cartella;
        const std::string dir = cartella.percorso().string();
        righe({"importa", "--cartella", dir, (dati / "lotto_storico_igt_1939-2026.txt.gz").string()});
        for (const char* ruote : {"NA", "BA,RO,VE"}) {
            const auto storia = righe({"storia", "--cartella", dir, "--numero", "45", "--ruote", ruote});
            const auto numeri = righe({"numeri", "--cartella", dir, "--ruote", ruote});
            int zeri = 0, massimo = 0, precedente = 0;
            for (std::size_t r = 1; r < storia.size(); ++r) {
                const int ritardo = std::stoi(storia[r].substr(storia[r].rfind(',') + 1));
                zeri += ritardo == 0;
                if (ritardo == 0) massimo = std::max(massimo, precedente + 1);
                precedente = ritardo;
            }
            QVERIFY(storia.size() > 7000);
            // Column 0's row of 45: frequency (on several wheels, one draw may add more than one),
            // current delay, maximum delay.
            QString attesa = QString::fromStdString(numeri[45].substr(5));
            if (std::string(ruote) != "NA") {
                QVERIFY(attesa.section(',', 0, 0).toInt() > zeri);
                attesa = attesa.section(',', 1);
                zeri = -1;
            }
            QCOMPARE(QStringLiteral("%1,%2,%3")
                         .arg(zeri)
                         .arg(precedente)
                         .arg(massimo)
                         .remove(QStringLiteral("-1,")),
                     attesa);
        }
    }
};

QTEST_APPLESS_MAIN(TestSerie)
#include "TestSerie.moc"
