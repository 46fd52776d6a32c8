// The draw encoding, the LOTTO readers of the loaded draws and the numeric value of a text.
#include "core/Lotto.h"
#include "core/Stato.h"
#include "core/Testo.h"

#include <QTest>

#include <climits>

namespace {

QByteArray byte(const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

core::Stato statoConTabelle() {
    core::Stato stato;
    core::Imposta_Tabelle_Globali(stato);
    return stato;
}

/** A state with room for a few draws; draw 1 gets these texts and BARI gets `record`. */
void preparaEstrazione(core::Stato& stato, const QByteArray& record, const std::string& data = " 2/ 3/2003",
                       const std::string& concorso = " 26/2003") {
    stato.Archivio_Estrazioni.dimensiona(5);
    stato.Data_Estrazione.assign(6, std::string());
    stato.Concorso_Estrazione.assign(6, std::string());
    stato.Estrazioni_Caricate = 1;
    stato.Estrazione_Corrente = 1;
    std::copy_n(reinterpret_cast<const std::uint8_t*>(record.constData()), 5, stato.Archivio_Estrazioni.record(1, 1));
    stato.Data_Estrazione[1] = data;
    stato.Concorso_Estrazione[1] = concorso;
}

QByteArray codici(std::initializer_list<int> valori) {
    QByteArray b;
    for (int v : valori) b.append(static_cast<char>(v));
    return b;
}

} // namespace

class TestLotto : public QObject {
    Q_OBJECT

private slots:
    void codificaEDecodifica_data();
    void codificaEDecodifica();
    void decodificaTogliSpaziEFermaA90();
    void leggiEstrazione_data();
    void leggiEstrazione();
    void letturaFuoriDalleDimensioni();
    void campiDiDataEConcorso_data();
    void campiDiDataEConcorso();
    void giorniDellaSettimana_data();
    void giorniDellaSettimana();
    void appartenenzaSenzaTabellaValida();
    void sfaldati();
    void valoreNumerico_data();
    void valoreNumerico();
};

void TestLotto::codificaEDecodifica_data() {
    QTest::addColumn<QList<int>>("numeri");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QByteArray>("testo");
    QTest::addRow("1-45-90") << QList<int>{1, 45, 90} << codici({139, 95, 50}) << QByteArray(" 1 45 90 ");
    QTest::addRow("5-12-90") << QList<int>{5, 12, 90} << codici({135, 128, 50}) << QByteArray(" 5 12 90 ");
    QTest::addRow("cinquina") << QList<int>{3, 30, 57, 81, 9} << codici({137, 110, 83, 59, 131})
                              << QByteArray(" 3 30 57 81  9 ");
    QTest::addRow("vuota") << QList<int>{} << QByteArray() << QByteArray();
    QTest::addRow("fuori-intervallo-come-nullo") << QList<int>{91, -1} << codici({140, 140})
                                                 << QByteArray(" 0  0 ");
}

void TestLotto::codificaEDecodifica() {
    QFETCH(QList<int>, numeri);
    QFETCH(QByteArray, record);
    QFETCH(QByteArray, testo);
    std::vector<int> conConteggio{static_cast<int>(numeri.size())};
    conConteggio.insert(conConteggio.end(), numeri.begin(), numeri.end());
    QCOMPARE(byte(core::Comprimi_Estrazione(conConteggio.data(), static_cast<int>(numeri.size()))), record);

    auto stato = statoConTabelle();
    stato.Numeri_Estratti.fill(77);
    QCOMPARE(byte(core::Decomprimi_Estrazione(stato, record.toStdString())), testo);
    QCOMPARE(stato.Numeri_Estratti[0], numeri.size());
    for (int i = 1; i <= 90; ++i) {
        const int n = i <= numeri.size() ? numeri[i - 1] : 0;
        QCOMPARE(stato.Numeri_Estratti[static_cast<std::size_t>(i)], n >= 0 && n <= 90 ? n : 0);
    }
}

void TestLotto::decodificaTogliSpaziEFermaA90() {
    auto stato = statoConTabelle();
    QCOMPARE(byte(core::Decomprimi_Estrazione(stato, "  " + codici({139, 50}).toStdString() + "   ")),
             QByteArray(" 1 90 "));
    QCOMPARE(stato.Numeri_Estratti[0], 2);

    // A text longer than 90 characters decodes its first 90 only.
    const std::string lungo(120, static_cast<char>(100));
    const std::string testo = core::Decomprimi_Estrazione(stato, lungo);
    QCOMPARE(stato.Numeri_Estratti[0], 90);
    QCOMPARE(stato.Numeri_Estratti[90], 40);
    QCOMPARE(testo.size(), std::size_t(270));
}

void TestLotto::leggiEstrazione_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QList<int>>("attesi"); // element 0..5 of Numeri_Estratti
    QTest::addColumn<bool>("compresso");     // LeggiESTRATTIcompressi marks it "K"
    const QList<int> nulla{0, 0, 0, 0, 0, 0};
    QTest::addRow("reale") << codici({139, 95, 50, 100, 130}) << QList<int>{-1, 1, 45, 90, 40, 10} << true;
    QTest::addRow("nulla") << codici({140, 140, 140, 140, 140}) << nulla << false;
    QTest::addRow("terzo-140") << codici({139, 95, 140, 100, 130}) << nulla << true;
    QTest::addRow("primo-140") << codici({140, 95, 60, 100, 130}) << nulla << false;
    QTest::addRow("ultimo-140") << codici({139, 95, 60, 100, 140}) << nulla << true;
    QTest::addRow("danneggiato-49") << codici({139, 49, 60, 100, 130}) << nulla << false;
    QTest::addRow("danneggiato-141") << codici({139, 95, 60, 100, 141}) << nulla << false;
    QTest::addRow("danneggiato-0") << codici({0, 95, 60, 100, 130}) << nulla << false;
    QTest::addRow("danneggiato-255") << codici({139, 95, 255, 100, 130}) << nulla << false;
}

void TestLotto::leggiEstrazione() {
    QFETCH(QByteArray, record);
    QFETCH(QList<int>, attesi);
    QFETCH(bool, compresso);
    auto stato = statoConTabelle();
    preparaEstrazione(stato, record);
    core::LOTTO lotto(stato);

    stato.Numeri_Estratti.fill(77);
    lotto.LeggiESTRAZIONE(1, 1);
    for (std::size_t i = 0; i < stato.Numeri_Estratti.size(); ++i)
        QCOMPARE(stato.Numeri_Estratti[i], i < 6 ? attesi[static_cast<qsizetype>(i)] : 0);

    stato.Estratti_Compressi.fill("x");
    lotto.LeggiESTRATTIcompressi(1, 1);
    QCOMPARE(stato.Estratti_Compressi[0], std::string(compresso ? "K" : ""));
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(byte(stato.Estratti_Compressi[static_cast<std::size_t>(i)]),
                 compresso ? record.mid(i - 1, 1) : QByteArray());
}

void TestLotto::letturaFuoriDalleDimensioni() {
    auto stato = statoConTabelle();
    preparaEstrazione(stato, codici({139, 95, 50, 100, 130}));
    core::LOTTO lotto(stato);
    const int capacita = stato.Archivio_Estrazioni.capacita();
    for (auto [w, d] : {std::pair{0, 1}, {11, 1}, {-1, 1}, {1, -1}, {1, capacita + 1}, {1, 0}, {2, 1}}) {
        stato.Numeri_Estratti.fill(77);
        stato.Estratti_Compressi.fill("x");
        lotto.LeggiESTRAZIONE(w, d);
        lotto.LeggiESTRATTIcompressi(w, d);
        QVERIFY2(std::all_of(stato.Numeri_Estratti.begin(), stato.Numeri_Estratti.end(), [](int n) { return n == 0; }),
                 qPrintable(QString("ruota %1 estrazione %2").arg(w).arg(d)));
        QCOMPARE(stato.Estratti_Compressi[0], std::string());
    }
}

void TestLotto::campiDiDataEConcorso_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("concorso");
    QTest::addColumn<QList<int>>("attesi"); // giorno, mese, concorso, anno, anno della data
    QTest::addRow("spazi") << QByteArray(" 5/ 3/2003") << QByteArray("  7/2003") << QList<int>{5, 3, 7, 2003, 2003};
    QTest::addRow("zeri") << QByteArray("05/03/2003") << QByteArray("007/2003") << QList<int>{5, 3, 7, 2003, 2003};
    QTest::addRow("anni-diversi") << QByteArray("31/12/1999") << QByteArray("105/2000")
                                  << QList<int>{31, 12, 105, 2000, 1999};
    QTest::addRow("vuoti") << QByteArray("          ") << QByteArray("        ") << QList<int>{0, 0, 0, 0, 0};
    QTest::addRow("assenti") << QByteArray() << QByteArray() << QList<int>{0, 0, 0, 0, 0};
}

void TestLotto::campiDiDataEConcorso() {
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, concorso);
    QFETCH(QList<int>, attesi);
    auto stato = statoConTabelle();
    preparaEstrazione(stato, codici({140, 140, 140, 140, 140}), data.toStdString(), concorso.toStdString());
    core::LOTTO lotto(stato);
    QCOMPARE(lotto.NumeroGIORNO(), attesi[0]);
    QCOMPARE(lotto.NumeroMESE(), attesi[1]);
    QCOMPARE(lotto.NumeroCONCORSO(), attesi[2]);
    QCOMPARE(lotto.NumeroANNO(), attesi[3]);
    QCOMPARE(lotto.NumeroANNO_DATA(), attesi[4]);
}

void TestLotto::giorniDellaSettimana_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("giorno");
    QTest::addColumn<QString>("appartenenza");
    QTest::addColumn<QString>("numeroAppartenenza");
    QTest::addRow("domenica") << QByteArray(" 2/ 3/2003") << "Domenica" << "Sabato" << "6";
    QTest::addRow("domenica-con-zeri") << QByteArray("02/03/2003") << "Domenica" << "Sabato" << "6";
    QTest::addRow("lunedi") << QByteArray(" 3/ 3/2003") << "Lunedì" << "Sabato" << "6";
    QTest::addRow("mercoledi") << QByteArray(" 5/ 3/2003") << "Mercoledì" << "Mercoledì" << "3";
    QTest::addRow("sabato") << QByteArray(" 1/ 3/2003") << "Sabato" << "Sabato" << "6";
    QTest::addRow("gennaio-1871") << QByteArray(" 1/ 1/1871") << "Domenica" << "Sabato" << "6";
    QTest::addRow("29-febbraio-2000") << QByteArray("29/ 2/2000") << "Martedì" << "Sabato" << "6";
    QTest::addRow("dicembre") << QByteArray("29/12/2024") << "Domenica" << "Sabato" << "6";
    QTest::addRow("29-febbraio-1900") << QByteArray("29/ 2/1900") << "-" << "-" << "0";
    QTest::addRow("31-aprile") << QByteArray("31/ 4/2003") << "-" << "-" << "0";
    QTest::addRow("mese-13") << QByteArray("10/13/2003") << "-" << "-" << "0";
    QTest::addRow("giorno-0") << QByteArray(" 0/ 3/2003") << "-" << "-" << "0";
    QTest::addRow("vuota") << QByteArray("          ") << "-" << "-" << "0";
}

void TestLotto::giorniDellaSettimana() {
    QFETCH(QByteArray, data);
    QFETCH(QString, giorno);
    QFETCH(QString, appartenenza);
    QFETCH(QString, numeroAppartenenza);
    auto stato = statoConTabelle();
    stato.Giornata_Appartenenza = {0, 6, 6, 3, 3, 3, 6, 6};
    preparaEstrazione(stato, codici({140, 140, 140, 140, 140}), data.toStdString());
    core::LOTTO lotto(stato);
    QCOMPARE(QString::fromStdString(lotto.NomeGIORNATA(1)), giorno);
    QCOMPARE(QString::fromStdString(lotto.NomeGIORNATAapp(1)), appartenenza);
    QCOMPARE(QString::fromStdString(lotto.NumeroGIORNATAapp(1)), numeroAppartenenza);
    QCOMPARE(QString::fromStdString(lotto.NomeGIORNATA(0)), QString("-"));
    QCOMPARE(QString::fromStdString(lotto.NomeGIORNATAapp(-3)), QString("-"));
    QCOMPARE(QString::fromStdString(lotto.NumeroGIORNATAapp(0)), QString("0"));
}

void TestLotto::appartenenzaSenzaTabellaValida() {
    auto stato = statoConTabelle();
    preparaEstrazione(stato, codici({140, 140, 140, 140, 140}), " 2/ 3/2003");
    core::LOTTO lotto(stato);
    for (int valore : {0, 8, -1, 99}) {
        stato.Giornata_Appartenenza.fill(valore);
        QCOMPARE(lotto.NomeGIORNATAapp(1), std::string("-"));
        QCOMPARE(lotto.NumeroGIORNATAapp(1), std::string("0"));
        QCOMPARE(lotto.NomeGIORNATA(1), std::string("Domenica"));
    }
}

void TestLotto::sfaldati() {
    auto stato = statoConTabelle();
    core::LOTTO lotto(stato);
    const std::array<std::string, 6> cercati{"", "12", "45", "7", "90", "33"};
    stato.Numeri_Estratti[0] = -1;
    QCOMPARE(lotto.Sfaldati(" 7 12 45 81 90 ", cercati), 4);
    stato.Numeri_Estratti[0] = 0;
    QCOMPARE(lotto.Sfaldati(" 7 12 45 81 90 ", cercati), 0);
}

void TestLotto::valoreNumerico_data() {
    QTest::addColumn<QByteArray>("testo");
    QTest::addColumn<int>("valore");
    QTest::addRow("vuoto") << QByteArray() << 0;
    QTest::addRow("solo-spazi") << QByteArray("   ") << 0;
    QTest::addRow("spazi-iniziali") << QByteArray("  42") << 42;
    QTest::addRow("zeri-iniziali") << QByteArray("007") << 7;
    QTest::addRow("cifre-poi-testo") << QByteArray("12/2003") << 12;
    QTest::addRow("spazio-interno") << QByteArray("1 2") << 1;
    QTest::addRow("nessuna-cifra") << QByteArray("abc") << 0;
    QTest::addRow("meno-uno") << QByteArray("-1") << -1;
    QTest::addRow("piu") << QByteArray(" +7") << 7;
    QTest::addRow("solo-segno") << QByteArray("-") << 0;
    QTest::addRow("spazio-dopo-segno") << QByteArray("- 5") << 0;
    QTest::addRow("massimo") << QByteArray("2147483647") << INT_MAX;
    QTest::addRow("minimo") << QByteArray("-2147483648") << INT_MIN;
    QTest::addRow("traboccamento") << QByteArray("99999999999999999999") << INT_MAX;
    QTest::addRow("traboccamento-negativo") << QByteArray("-99999999999999999999") << INT_MIN;
}

void TestLotto::valoreNumerico() {
    QFETCH(QByteArray, testo);
    QFETCH(int, valore);
    QCOMPARE(core::valoreNumerico(std::string_view(testo.constData(), static_cast<std::size_t>(testo.size()))), valore);
}

QTEST_APPLESS_MAIN(TestLotto)
#include "TestLotto.moc"
