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
    // Changes to a sound draw of 10/3/2020, typed after the draw of 1/1/2020 (number 7) with today
    // 15/3/2020: "g", "m", "a", "c" the day, month, year and contest boxes, "n" the draw number, "p" and
    // "s" the dates of the draws before and after (numbers 7 and 9), a number the box of that number.
    QTest::addColumn<QStringList>("modifiche");
    QTest::addColumn<int>("casella"); // the box the refusal points at; -1 accepted
    QTest::addColumn<QString>("motivo");
    const int giorno = maintenance::CASELLA_GIORNO;
    QTest::addRow("valida") << QStringList{} << -1 << "";
    QTest::addRow("ruota-vuota-nulla") << QStringList{"46=", "47=", "48=", "49=", "50="} << -1 << "";
    QTest::addRow("ruota-a-zero-nulla") << QStringList{"6=0", "7=0", "8=0", "9=0", "10=0"} << -1 << "";
    QTest::addRow("29-febbraio-bisestile") << QStringList{"g=29", "m=2"} << -1 << "";
    QTest::addRow("oggi") << QStringList{"g=15"} << -1 << "";
    QTest::addRow("vicina-illeggibile") << QStringList{"p=ab/cd/efgh", "s= 2/ 3/20xx"} << -1 << "";
    QTest::addRow("giorno-vuoto") << QStringList{"g="} << giorno << "DATA.";
    QTest::addRow("mese-13") << QStringList{"m=13"} << maintenance::CASELLA_MESE << "DATA.";
    QTest::addRow("31-febbraio") << QStringList{"g=31", "m=2"} << giorno
                                 << "DATA. Il 31/2/2020 non esiste: febbraio 2020 ha 29 giorni.";
    QTest::addRow("29-febbraio-comune")
        << QStringList{"g=29", "m=2", "a=2019"} << giorno << "febbraio 2019 ha 28";
    QTest::addRow("29-febbraio-1900")
        << QStringList{"g=29", "m=2", "a=1900"} << giorno << "febbraio 1900 ha 28";
    QTest::addRow("31-aprile") << QStringList{"g=31", "m=4"} << giorno << "aprile 2020 ha 30";
    QTest::addRow("futura") << QStringList{"g=16"} << giorno
                            << "Il 16/3/2020 e' una data futura: oggi e' il 15/3/2020.";
    QTest::addRow("stessa-della-precedente")
        << QStringList{"p=10/ 3/2020"} << giorno << "successiva al 10/3/2020, data dell' estrazione 7.";
    QTest::addRow("prima-della-precedente") << QStringList{"a=2019"} << giorno << "successiva al 1/1/2020";
    QTest::addRow("stessa-della-successiva")
        << QStringList{"s=10/ 3/2020"} << giorno << "precedente al 10/3/2020, data dell' estrazione 9.";
    QTest::addRow("concorso-vuoto") << QStringList{"c="} << maintenance::CASELLA_CONCORSO << "CONCORSO.";
    QTest::addRow("numero-oltre-32000") << QStringList{"n=32001"} << 0 << "NUMERO ESTRAZIONE.";
    QTest::addRow("lettere") << QStringList{"1=ab"} << 1
                             << "ESTRATTI. Sulla ruota di BARI il primo numero, \"ab\", non e' un numero.";
    QTest::addRow("sette-e-lettera") << QStringList{"7=7x"} << 7 << "CAGLIARI il secondo numero, \"7x\"";
    QTest::addRow("91") << QStringList{"13=91"} << 13 << "FIRENZE il terzo numero, 91, supera 90.";
    QTest::addRow("enorme") << QStringList{"14=99999999999"} << 14 << "supera 90";
    QTest::addRow("ripetuto") << QStringList{"19=19"} << 19
                              << "GENOVA il numero 19 e' ripetuto (primo e quarto numero).";
    QTest::addRow("zero-e-numeri") << QStringList{"50=0"} << 50 << "VENEZIA il quinto numero manca o e' 0";
    QTest::addRow("vuota-e-numeri") << QStringList{"22="} << 22 << "MILANO il secondo numero manca";
    QTest::addRow("la-data-prima-dei-numeri") << QStringList{"g=16", "1=ab"} << giorno << "futura";
}

void TestConvalida::controlloDellEstrazione() {
    QFETCH(QStringList, modifiche);
    QFETCH(int, casella);
    QFETCH(QString, motivo);
    maintenance::CampiEstrazione campi{{}, "10", "3", "2020", "5", "2020"};
    for (std::size_t i = 1; i <= 50; ++i) // wheel w: 5w+1 .. 5w+5, distinct
        campi.estratti[i] = std::to_string(i + (i - 1) / 5);
    maintenance::LimitiEstrazione limiti{32000, 260, {2020, 3, 15}, 7, " 1/ 1/2020", 0, ""};
    int numero = 8;
    for (const QString& modifica : modifiche) {
        const QString chiave = modifica.section(QLatin1Char('='), 0, 0);
        const std::string valore = modifica.section(QLatin1Char('='), 1).toStdString();
        std::string* campo = chiave == "g"   ? &campi.giorno
                             : chiave == "m" ? &campi.mese
                             : chiave == "c" ? &campi.concorso
                             : chiave == "p" ? &limiti.dataPrecedente
                             : chiave == "s" ? &limiti.dataSuccessiva
                             : chiave == "a" ? &campi.anno
                             : chiave == "n" ? nullptr
                                             : &campi.estratti[chiave.toUInt()];
        if (chiave == "a") campi.annoConcorso = valore;
        if (chiave == "s") limiti.successiva = 9;
        if (campo)
            *campo = valore;
        else
            numero = std::stoi(valore);
    }
    core::Stato stato;
    core::Imposta_Tabelle_Globali(stato);
    const auto esito = maintenance::Controllo_Estrazione(campi, numero, limiti, stato.Nome_Ruota);
    if (const auto* rifiuto = std::get_if<maintenance::Rifiuto>(&esito)) {
        QCOMPARE(rifiuto->casella, casella);
        QVERIFY2(
            rifiuto->messaggio.starts_with("Impossibile registrare l' estrazione, Errore nell' inserimento "),
            rifiuto->messaggio.c_str());
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
