#include "core/Stato.h"
#include "core/Testo.h"
#include "maintenance/Convalida.h"

#include <QTest>

class TestConvalida : public QObject {
    Q_OBJECT
private slots:
    void filtroDeiTasti_data();
    void filtroDeiTasti();
    void dataEConcorso_data();
    void dataEConcorso();
    void controlloDellEstrazione_data();
    void controlloDellEstrazione();
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

void TestConvalida::controlloDellEstrazione_data() {
    // A draw of `data` typed as number 8, after draw 7 of 1/1/2020, on 15/3/2020, with five different
    // numbers on every wheel but for the boxes changed ("k=text").
    QTest::addColumn<QString>("data");
    QTest::addColumn<QStringList>("caselle");
    QTest::addColumn<int>("casella"); // the box the refusal points at; -1 accepted
    QTest::addColumn<QString>("motivo");
    const int giorno = maintenance::CASELLA_GIORNO;
    QTest::addRow("valida") << "10/3/2020" << QStringList{} << -1 << "";
    QTest::addRow("ruota-vuota-nulla")
        << "10/3/2020" << QStringList{"46=", "47=", "48=", "49=", "50="} << -1 << "";
    QTest::addRow("29-febbraio-bisestile") << "29/2/2020" << QStringList{} << -1 << "";
    QTest::addRow("oggi") << "15/3/2020" << QStringList{} << -1 << "";
    QTest::addRow("31-febbraio") << "31/2/2020" << QStringList{} << giorno
                                 << "DATA. Il 31/2/2020 non esiste: febbraio 2020 ha 29 giorni.";
    QTest::addRow("29-febbraio-comune") << "29/2/2019" << QStringList{} << giorno << "febbraio 2019 ha 28";
    QTest::addRow("futura") << "16/3/2020" << QStringList{} << giorno
                            << "Il 16/3/2020 e' una data futura: oggi e' il 15/3/2020.";
    QTest::addRow("stessa-della-precedente")
        << "1/1/2020" << QStringList{} << giorno << "successiva al 1/1/2020, data dell' estrazione 7.";
    QTest::addRow("lettere") << "10/3/2020" << QStringList{"1=ab"} << 1
                             << "ESTRATTI. Sulla ruota di BARI il primo numero, \"ab\", non e' un numero.";
    QTest::addRow("91") << "10/3/2020" << QStringList{"13=91"} << 13
                        << "FIRENZE il terzo numero, 91, supera 90.";
    QTest::addRow("ripetuto") << "10/3/2020" << QStringList{"19=19"} << 19
                              << "GENOVA il numero 19 e' ripetuto (primo e quarto";
    QTest::addRow("zero-e-numeri") << "10/3/2020" << QStringList{"50=0"} << 50
                                   << "VENEZIA il quinto numero manca o e' 0";
}

void TestConvalida::controlloDellEstrazione() {
    QFETCH(QString, data);
    QFETCH(QStringList, caselle);
    QFETCH(int, casella);
    QFETCH(QString, motivo);
    const QStringList dma = data.split(QLatin1Char('/'));
    maintenance::CampiEstrazione campi{
        {}, dma[0].toStdString(), dma[1].toStdString(), dma[2].toStdString(), "5", "2020"};
    for (std::size_t i = 1; i <= 50; ++i)
        campi.estratti[i] = std::to_string(i + (i - 1) / 5);
    for (const QString& c : caselle)
        campi.estratti[c.section(QLatin1Char('='), 0, 0).toUInt()] =
            c.section(QLatin1Char('='), 1).toStdString();
    core::Stato stato;
    core::Imposta_Tabelle_Globali(stato);
    const maintenance::LimitiEstrazione limiti{32000, 260, {2020, 3, 15}, 7, " 1/ 1/2020", 0, ""};
    const auto esito = maintenance::Controllo_Estrazione(campi, 8, limiti, stato.Nome_Ruota);
    if (const auto* rifiuto = std::get_if<maintenance::Rifiuto>(&esito)) {
        QCOMPARE(rifiuto->casella, casella);
        QVERIFY2(QString::fromStdString(rifiuto->messaggio).contains(motivo), rifiuto->messaggio.c_str());
        return;
    }
    QCOMPARE(casella, -1);
    const auto& estrazione = std::get<maintenance::NuovaEstrazione>(esito);
    QCOMPARE(estrazione.data, maintenance::Controllo_Sintassi_Data(campi.giorno, campi.mese, campi.anno));
    QCOMPARE(estrazione.concorso, std::string("  5/2020"));
    for (std::size_t i = 1; i <= 50; ++i) // an empty box of a null wheel is stored as 0
        QCOMPARE(estrazione.numeri[i], core::valoreNumerico(campi.estratti[i]));
}

QTEST_APPLESS_MAIN(TestConvalida)
#include "TestConvalida.moc"
