// The check of a ticket: hand-worked tickets over four draws (one of them null everywhere, the
// Nazionale drawn once), the command verifica on the same draws and its refusals.
#include "ArchivioDiProva.h"
#include "cli/Cli.h"
#include "core/Formato.h"
#include "stakes/Verifica.h"

#include <QTest>

#include <sstream>

namespace {

constexpr std::array<int, 5> RIEMPITIVO{81, 82, 83, 84, 85};

/** 2/1, 4/1 (no wheel drawn), 5/1 and 9/1/2024; BA is wheel 0, NA 5, NZ 10 of each draw's table. */
std::vector<prova::Estrazione> estrazioni() {
    std::vector<prova::Estrazione> tutte{
        {2, 1, 2024, 1, {}}, {4, 1, 2024, 2, {}}, {5, 1, 2024, 3, {}}, {9, 1, 2024, 4, {}}};
    for (std::size_t i : {0U, 2U, 3U})
        for (std::size_t w = 0; w < 10; ++w)
            tutte[i].ruote[w] = RIEMPITIVO;
    tutte[0].ruote[0] = {1, 2, 3, 4, 5};
    tutte[0].ruote[1] = {1, 11, 12, 13, 14};
    tutte[0].ruote[5] = {2, 3, 21, 22, 23};
    tutte[2].ruote[0] = {6, 7, 8, 9, 10};
    tutte[2].ruote[5] = {1, 2, 3, 4, 5};
    tutte[2].ruote[10] = {1, 2, 3, 4, 5};
    tutte[3].ruote[0] = {1, 2, 3, 4, 5};
    tutte[3].ruote[1] = {4, 81, 82, 83, 84};
    return tutte;
}

struct Uscita {
    int codice = 0;
    QString uscita, errori;
};

Uscita esegui(const QString& argomenti, const std::filesystem::path& cartella) {
    std::vector<std::string> argv{"verifica", "--cartella", cartella.string()};
    for (const QString& a : argomenti.split(' ', Qt::SkipEmptyParts))
        argv.push_back(a.toStdString());
    std::ostringstream uscita, errori;
    const int codice = cli::esegui(argv, uscita, errori);
    return {codice, QString::fromStdString(uscita.str()), QString::fromStdString(errori.str())};
}

} // namespace

class TestVerifica : public QObject {
    Q_OBJECT

    prova::CartellaDiProva m_cartella;
    core::Stato m_stato{m_cartella.stato()};

private slots:
    void initTestCase() { m_cartella.carica(m_stato, estrazioni()); }

    void biglietti_data() {
        QTest::addColumn<QString>("numeri");
        QTest::addColumn<QString>("ruote");     // short names, or TUTTE
        QTest::addColumn<QStringList>("poste"); // estratto .. cinquina, as typed
        QTest::addColumn<int>("dal");
        QTest::addColumn<int>("colpi");
        QTest::addColumn<QStringList>("vincite"); // csvVincite without its header
        QTest::addColumn<QString>("riepilogo");   // csvRiepilogo's line
        QTest::addColumn<int>("prima");           // the draw of the first win, 0 none
        QTest::addColumn<int>("secca");           // the longest stretch without a win

        // 5.615 is half a cent: the exact amount rounds up, a binary double would round it down.
        QTest::addRow("una-ruota-due-sorti") << "1 2 3"
                                             << "BA" << QStringList{"0,50", "1"} << 1 << 2
                                             << QStringList{"1,02/01/2024,1/2024,BA,1 2 3,estratto,5.62,5.17",
                                                            "1,02/01/2024,1/2024,BA,1 2 3,ambo,250.00,230.00"}
                                             << "2,3.00,255.62,235.17,232.17" << 1 << 1;
        // Row by row 5.62 × 3 + 2.81 = 19.67; the exact sum 19.6525 is rounded once.
        QTest::addRow("due-ruote-somma-esatta")
            << "2 1"
            << "BA,NA" << QStringList{"1"} << 1 << 3
            << QStringList{"1,02/01/2024,1/2024,BA,1 2,estratto,5.62,5.17",
                           "1,02/01/2024,1/2024,NA,2,estratto,2.81,2.58",
                           "3,05/01/2024,3/2024,NA,1 2,estratto,5.62,5.17",
                           "4,09/01/2024,4/2024,BA,1 2,estratto,5.62,5.17"}
            << "3,3.00,19.65,18.08,15.08" << 1 << 0;
        // The ten wheels without the Nazionale; draw 2 is not played and not counted.
        QTest::addRow("tutte-e-la-nulla") << "1"
                                          << "TUTTE" << QStringList{"1"} << 1 << 4
                                          << QStringList{"1,02/01/2024,1/2024,BA,1,estratto,1.12,1.03",
                                                         "1,02/01/2024,1/2024,CA,1,estratto,1.12,1.03",
                                                         "3,05/01/2024,3/2024,NA,1,estratto,1.12,1.03",
                                                         "4,09/01/2024,4/2024,BA,1,estratto,1.12,1.03"}
                                          << "3,3.00,4.49,4.13,1.13" << 1 << 0;
        QTest::addRow("nazionale-tre-sorti")
            << "1 2 3 4 5"
            << "NZ" << QStringList{"1", "1", "", "", "1"} << 1 << 2
            << QStringList{"3,05/01/2024,3/2024,NZ,1 2 3 4 5,estratto,11.23,10.33",
                           "3,05/01/2024,3/2024,NZ,1 2 3 4 5,ambo,250.00,230.00",
                           "3,05/01/2024,3/2024,NZ,1 2 3 4 5,cinquina,6000000.00,5520000.00"}
            << "1,3.00,6000261.23,5520240.33,5520237.33" << 3 << 0;
        // 5 of 10: quaterna 5 × 120000 / 210, cinquina 6000000 / 252.
        QTest::addRow("dieci-numeri-cinquina")
            << "10 9 8 7 6 5 4 3 2 1"
            << "BA" << QStringList{"", "", "", "1", "1"} << 1 << 1
            << QStringList{"1,02/01/2024,1/2024,BA,1 2 3 4 5,quaterna,2857.14,2628.57",
                           "1,02/01/2024,1/2024,BA,1 2 3 4 5,cinquina,23809.52,21904.76"}
            << "1,2.00,26666.67,24533.33,24531.33" << 1 << 0;
        QTest::addRow("vince-al-terzo-colpo") << "4"
                                              << "CA" << QStringList{"2,5"} << 1 << 3
                                              << QStringList{"4,09/01/2024,4/2024,CA,4,estratto,28.08,25.83"}
                                              << "3,7.50,28.08,25.83,18.33" << 4 << 2;
        QTest::addRow("vince-fra-due-assenze") << "6"
                                               << "BA" << QStringList{"1"} << 1 << 3
                                               << QStringList{"3,05/01/2024,3/2024,BA,6,estratto,11.23,10.33"}
                                               << "3,3.00,11.23,10.33,7.33" << 3 << 1;
        QTest::addRow("dalla-nulla-senza-vincite")
            << "90"
            << "BA" << QStringList{"1"} << 2 << 1 << QStringList{} << "1,1.00,0.00,0.00,-1.00" << 0 << 1;
    }
    void biglietti() {
        QFETCH(QString, numeri);
        QFETCH(QString, ruote);
        QFETCH(QStringList, poste);
        QFETCH(int, dal);
        QFETCH(int, colpi);
        stakes::Bolletta bolletta;
        bolletta.numeri = *stakes::leggiNumeri(numeri.toStdString());
        for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
            bolletta.ruote[std::size_t(w)] = ruote == "TUTTE"
                                                 ? w <= core::RUOTE_TRADIZIONALI
                                                 : ruote.split(',').contains(core::siglaRuota(w).data());
        for (int k = 0; k < poste.size(); ++k)
            bolletta.puntate[std::size_t(k + 1)] = *stakes::leggiPuntata(poste[k].toStdString(), k + 1);

        const auto verifica = stakes::verificaBolletta(m_stato, bolletta, dal, colpi);
        QVERIFY2(verifica, verifica ? "" : verifica.messaggio().c_str());
        QStringList vincite =
            QString::fromStdString(stakes::csvVincite(*verifica)).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(vincite.takeFirst(),
                 "estrazione,data,concorso,ruota,indovinati,sorte,vincita_lorda,vincita_netta");
        QTEST(vincite, "vincite");
        QTEST(QString::fromStdString(stakes::csvRiepilogo(*verifica)).section('\n', 1, 1), "riepilogo");
        QTEST(verifica->primaVincita < 0
                  ? 0
                  : verifica->estrazioni[std::size_t(verifica->primaVincita)].estrazione,
              "prima");
        QTEST(verifica->senzaVincitaPiuLunga, "secca");
        // The ticket the window remembers reads back as it was.
        const auto riletta = stakes::bollettaDaTesto(stakes::testoBolletta(bolletta, colpi));
        QVERIFY(riletta && riletta->first.numeri == bolletta.numeri &&
                riletta->first.ruote == bolletta.ruote && riletta->first.puntate == bolletta.puntate &&
                riletta->second == colpi);
    }

    void comando_data() {
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<QString>("uscita");
        QTest::addColumn<QString>("errori");
        QTest::addRow("riepilogo")
            << "--numeri 1,2 --ruote BA,NA --poste estratto=1 --dal 1 --colpi 3 --riepilogo"
            << "estrazioni,spesa,vincita_lorda,vincita_netta,saldo\n3,3.00,19.65,18.08,15.08\n"
            << "";
        QTest::addRow("ultima-estrazione") << "--numeri 4 --ruote CA --poste estratto=2.5"
                                           << "estrazione,data,concorso,ruota,indovinati,sorte,vincita_lorda,"
                                              "vincita_netta\n4,09/01/2024,4/2024,CA,4,estratto,28.08,25.83\n"
                                           << "";
        // From the day of draw 3: two of the five colpi are checked.
        QTest::addRow("dal-data-fino-all-ultima")
            << "--numeri 1 --ruote TUTTE --poste estratto=1 --dal-data 5/1/2024 --colpi 5 --riepilogo"
            << "estrazioni,spesa,vincita_lorda,vincita_netta,saldo\n2,2.00,2.25,2.07,0.07\n"
            << "quintaro-cli: verificate 2 estrazioni delle 5 richieste: l'archivio finisce all'estrazione "
               "4.\n";
        QTest::addRow("dal-giorno-dell-ultima")
            << "--numeri 1 --ruote BA --poste estratto=1 --dal-data 9/1/2024 --riepilogo"
            << "estrazioni,spesa,vincita_lorda,vincita_netta,saldo\n1,1.00,11.23,10.33,9.33\n"
            << "";
    }
    void comando() {
        QFETCH(QString, argomenti);
        const auto esito = esegui(argomenti, m_cartella.percorso());
        QCOMPARE(esito.codice, cli::ESITO_OK);
        QTEST(esito.uscita, "uscita");
        QTEST(esito.errori, "errori");
    }

    void rifiuti_data() {
        QTest::addColumn<QString>("argomenti");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<int>("righe"); // a bad ticket: one line; a wrong use: the line and the hint
        const QString giocata = "--ruote BA --poste estratto=1 --numeri ";
        QTest::addRow("numero-oltre-90") << giocata + "1,91"
                                         << "Il numero 91 non è compreso fra 1 e 90." << 1;
        QTest::addRow("numero-oltre-gli-interi") << giocata + "4294967297" // 2^32 + 1, never 1
                                                 << "Il numero 4294967297 non è compreso fra 1 e 90." << 1;
        QTest::addRow("numero-zero") << giocata + "0,5"
                                     << "Il numero 0 non è compreso fra 1 e 90." << 1;
        QTest::addRow("numero-ripetuto") << giocata + "5,7,5,1,2,3,4,6,8,9,10" // first, though 11 are given
                                         << "Il numero 5 è ripetuto." << 1;
        QTest::addRow("undici-numeri") << giocata + "1,2,3,4,5,6,7,8,9,10,11"
                                       << "(ne sono indicati 11)" << 1;
        QTest::addRow("non-un-numero") << giocata + "1,x2"
                                       << "\"x2\" non è un numero." << 1;
        QTest::addRow("terno-con-due-numeri") << "--ruote BA --numeri 1,2 --poste terno=1"
                                              << "Non si può giocare il terno con 2 numeri." << 1;
        QTest::addRow("cinquina-con-quattro") << "--ruote BA --numeri 1,2,3,4 --poste ambo=1,cinquina=1"
                                              << "la cinquina con 4 numeri." << 1;
        QTest::addRow("posta-negativa") << "--ruote BA --numeri 1 --poste estratto=-1"
                                        << "La posta dell'estratto non può essere negativa." << 1;
        QTest::addRow("posta-tre-decimali") << "--ruote BA --numeri 1 --poste estratto=0.125"
                                            << "non è un importo" << 1;
        QTest::addRow("posta-senza-cifre") << "--ruote BA --numeri 1 --poste estratto=."
                                           << "non è un importo" << 1;
        QTest::addRow("posta-troppo-alta") << "--ruote BA --numeri 1 --poste estratto=10000.01"
                                           << "supera 10.000" << 1;
        QTest::addRow("sorte-sconosciuta") << "--ruote BA --numeri 1 --poste quintina=1"
                                           << "posta non valida" << 1;
        QTest::addRow("posta-due-volte") << "--ruote BA --numeri 1 --poste estratto=1,estratto=2"
                                         << "la posta di estratto è indicata due volte." << 1;
        QTest::addRow("nessuna-posta") << "--ruote BA --numeri 1,2 --poste ambo=0"
                                       << "almeno una sorte" << 1;
        QTest::addRow("ruota-sconosciuta") << "--ruote BA,XX --numeri 1 --poste estratto=1"
                                           << "'XX'" << 1;
        QTest::addRow("dal-oltre-l-archivio") << giocata + "1 --dal 5"
                                              << "fra 1 e 4." << 1;
        QTest::addRow("nessuna-estrazione-dopo") << giocata + "1 --dal-data 10/1/2024"
                                                 << "nessuna estrazione dell'archivio è del 10/1/2024" << 1;
        QTest::addRow("data-impossibile") << giocata + "1 --dal-data 30/2/2024"
                                          << "data non valida" << 2;
        QTest::addRow("colpi-zero") << giocata + "1 --colpi 0"
                                    << "--colpi deve essere almeno 1." << 2;
        QTest::addRow("senza-numeri") << "--ruote BA --poste estratto=1"
                                      << "manca --numeri." << 2;
        QTest::addRow("senza-poste") << "--ruote BA --numeri 1"
                                     << "manca --poste." << 2;
        QTest::addRow("dal-e-dal-data") << giocata + "1 --dal 1 --dal-data 5/1/2024"
                                        << "non entrambi." << 2;
    }
    void rifiuti() {
        QFETCH(QString, argomenti);
        QFETCH(QString, messaggio);
        QFETCH(int, righe);
        const auto esito = esegui(argomenti, m_cartella.percorso());
        QCOMPARE(esito.codice, cli::ESITO_USO);
        QVERIFY(esito.uscita.isEmpty());
        QVERIFY2(esito.errori.startsWith("quintaro-cli: ") && esito.errori.contains(messaggio),
                 qPrintable(esito.errori));
        QCOMPARE(esito.errori.count('\n'), righe);
    }
};

QTEST_APPLESS_MAIN(TestVerifica)
#include "TestVerifica.moc"
