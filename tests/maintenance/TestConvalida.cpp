#include "maintenance/Convalida.h"

#include <QTest>

class TestConvalida : public QObject {
    Q_OBJECT
private slots:
    void filtroDeiTasti_data();
    void filtroDeiTasti();
    void dataEConcorso_data();
    void dataEConcorso();
    void numeriDelleCaselle_data();
    void numeriDelleCaselle();
};

void TestConvalida::filtroDeiTasti_data() {
    QTest::addColumn<QString>("tasti");
    QTest::addColumn<int>("massimo");
    QTest::addColumn<QString>("testo");
    QTest::addRow("zero-iniziale-rifiutato") << "0" << 31 << "";
    QTest::addRow("giorno-3-poi-5") << "35" << 31 << "3";
    QTest::addRow("giorno-31") << "31" << 31 << "31";
    QTest::addRow("lettere-ignorate") << "1a-2" << 31 << "12";
    QTest::addRow("anno-2500-e-basta") << "25001" << 2500 << "2500";
    QTest::addRow("anno-basso-si-digita") << "1500" << 2500 << "1500";
    QTest::addRow("concorso-oltre-108") << "109" << 108 << "10";
}

void TestConvalida::filtroDeiTasti() {
    QFETCH(QString, tasti);
    QFETCH(int, massimo);
    QFETCH(QString, testo);
    std::string casella;
    for (QChar tasto : tasti)
        casella = maintenance::Stringhetta(casella, tasto.toLatin1(), 1, massimo);
    QCOMPARE(QString::fromStdString(casella), testo);
    QCOMPARE(maintenance::Stringhetta("0", '5', 0, 99), std::string("0")); // a box holding "0" takes nothing
}

void TestConvalida::dataEConcorso_data() {
    QTest::addColumn<QStringList>("data");
    QTest::addColumn<QString>("attesa");
    QTest::addRow("5-marzo-2003") << QStringList{"5", "3", "2003"} << " 5/ 3/2003";
    QTest::addRow("12-ottobre-1999") << QStringList{"12", "10", "1999"} << "12/10/1999";
    QTest::addRow("31-febbraio-passa") << QStringList{"31", "2", "2003"} << "31/ 2/2003";
    QTest::addRow("giorno-32") << QStringList{"32", "1", "2003"} << "";
    QTest::addRow("mese-13") << QStringList{"1", "13", "2003"} << "";
    QTest::addRow("anno-1870") << QStringList{"1", "1", "1870"} << "";
    QTest::addRow("anno-vuoto") << QStringList{"1", "1", ""} << "";
}

void TestConvalida::dataEConcorso() {
    QFETCH(QStringList, data);
    QFETCH(QString, attesa);
    QCOMPARE(QString::fromStdString(maintenance::Controllo_Sintassi_Data(
                 data[0].toStdString(), data[1].toStdString(), data[2].toStdString())),
             attesa);
    // Contest records, for the same year when the date is valid.
    if (attesa.isEmpty()) return;
    const std::string anno = data[2].toStdString();
    QCOMPARE(maintenance::Controllo_Sintassi_Concorso("7", anno, 108), "  7/" + anno);
    QCOMPARE(maintenance::Controllo_Sintassi_Concorso("45", anno, 108), " 45/" + anno);
    QCOMPARE(maintenance::Controllo_Sintassi_Concorso("104", anno, 108), "104/" + anno);
    QCOMPARE(maintenance::Controllo_Sintassi_Concorso("109", anno, 108), std::string());
    QCOMPARE(maintenance::Controllo_Sintassi_Concorso("0", anno, 108), std::string());
    QCOMPARE(maintenance::Controllo_Sintassi_Concorso("7", "1870", 108), std::string());
}

void TestConvalida::numeriDelleCaselle_data() {
    QTest::addColumn<int>("casella");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("conteggio");
    QTest::addColumn<int>("valore");
    QTest::addRow("sette-e-lettera") << 12 << "7x" << 50 << 7;
    QTest::addRow("solo-lettera") << 12 << "x" << 50 << 0;
    QTest::addRow("zero-ruota-nulla") << 50 << "0" << 50 << 0;
    QTest::addRow("91-rifiutato") << 12 << "91" << 0 << 0;
    QTest::addRow("vuota-rifiutata") << 50 << "" << 0 << 0;
    QTest::addRow("enorme-rifiutato") << 3 << "99999999999" << 0 << 0;
}

void TestConvalida::numeriDelleCaselle() {
    QFETCH(int, casella);
    QFETCH(QString, testo);
    QFETCH(int, conteggio);
    QFETCH(int, valore);
    std::array<std::string, 51> caselle;
    for (std::size_t i = 1; i <= 50; ++i)
        caselle[i] = std::to_string((i * 7) % 90 + 1);
    caselle[std::size_t(casella)] = testo.toStdString();
    const auto estratti = maintenance::Memorizza_Estratti_Da_Registrare(caselle);
    QCOMPARE(estratti[0], conteggio);
    if (conteggio == 50) {
        QCOMPARE(estratti[std::size_t(casella)], valore);
        QCOMPARE(estratti[1], 8);
    }
}

QTEST_APPLESS_MAIN(TestConvalida)
#include "TestConvalida.moc"
