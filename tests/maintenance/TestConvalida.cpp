#include "core/Stato.h"
#include "core/Testo.h"
#include "maintenance/Convalida.h"

#include <QTest>

class TestConvalida : public QObject {
    Q_OBJECT
private slots:
    void filtroDeiTasti() {
        const auto digita = [](std::string_view tasti, int massimo) {
            std::string casella;
            for (char tasto : tasti)
                casella = maintenance::Stringhetta(casella, tasto, 1, massimo);
            return QString::fromStdString(casella);
        };
        QCOMPARE(digita("0", 31), ""); // no leading zero
        QCOMPARE(digita("35", 31), "3");
        QCOMPARE(digita("1a-2", 31), "12");
        QCOMPARE(digita("25001", 2500), "2500");
        // A field laid out in its columns: a text longer than the field is kept whole, not cut.
        QCOMPARE(core::allineaDestra("7", 3) + core::allineaDestra("12345", 3), "  712345");
    }

    void controlloDellEstrazione_data() {
        // A draw typed as number 8, after draw 7 of 1/1/2020, on 15/3/2021, as contest `concorso` of 2020
        // (at most 260), with five different numbers on every wheel but for the boxes changed ("k=text").
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("concorso");
        QTest::addColumn<QStringList>("caselle");
        QTest::addColumn<int>("casella");       // the box the refusal points at; -1 accepted
        QTest::addColumn<QString>("messaggio"); // accepted: the date and contest records to store
        const int giorno = maintenance::CASELLA_GIORNO;
        QTest::addRow("dicembre-ruota-nulla")
            << "7/12/2020" << 260 << QStringList{"46=", "47=", "48=", "49=", "50=0"} << -1
            << " 7/12/2020260/2020";
        QTest::addRow("31-febbraio")
            << "31/2/2000" << 5 << QStringList{} << giorno
            << "Impossibile registrare l' estrazione, Errore nell' inserimento DATA. Il "
               "31/2/2000 non esiste: febbraio 2000 ha 29 giorni.";
        for (const auto& [anno, giorni] :
             {std::pair{"2024", 29}, std::pair{"2100", 28}}) // 2100: no leap year
            QTest::addRow("31-febbraio-%s", anno)
                << QString("31/2/") + anno << 5 << QStringList{} << giorno
                << QString("febbraio %1 ha %2 giorni.").arg(anno).arg(giorni);
        QTest::addRow("mese-13") << "1/13/2020" << 5 << QStringList{} << maintenance::CASELLA_MESE
                                 << "Errore nell' inserimento DATA.";
        QTest::addRow("futura") << "16/3/2021" << 5 << QStringList{} << giorno
                                << "Il 16/3/2021 è una data futura: oggi è il 15/3/2021.";
        QTest::addRow("concorso-1") << "2/1/2020" << 1 << QStringList{} << -1 << " 2/ 1/2020  1/2020";
        QTest::addRow("concorso-0") << "2/1/2020" << 0 << QStringList{} << maintenance::CASELLA_CONCORSO
                                    << "Errore nell' inserimento CONCORSO.";
        QTest::addRow("concorso-oltre-il-massimo")
            << "10/3/2020" << 261 << QStringList{} << maintenance::CASELLA_CONCORSO
            << "Errore nell' inserimento CONCORSO.";
        QTest::addRow("zero-e-numeri")
            << "10/3/2020" << 5 << QStringList{"50=0"} << 50 << "VENEZIA il quinto numero manca o è 0";
    }
    void controlloDellEstrazione() {
        QFETCH(QString, data);
        QFETCH(int, concorso);
        QFETCH(QStringList, caselle);
        QFETCH(QString, messaggio);
        const QStringList d = data.split(QLatin1Char('/'));
        maintenance::CampiEstrazione campi{
            {}, d[0].toStdString(), d[1].toStdString(), d[2].toStdString(), std::to_string(concorso), "2020"};
        for (std::size_t i = 1; i <= 50; ++i)
            campi.estratti[i] = std::to_string(i + (i - 1) / 5);
        for (const QString& c : caselle)
            campi.estratti[c.section(QLatin1Char('='), 0, 0).toUInt()] =
                c.section(QLatin1Char('='), 1).toStdString();
        core::Stato stato;
        core::Imposta_Tabelle_Globali(stato);
        const maintenance::LimitiEstrazione limiti{32000, 260, {2021, 3, 15}, 7, " 1/ 1/2020", 0, ""};
        const auto esito = maintenance::Controllo_Estrazione(campi, 8, limiti, stato.Nome_Ruota);
        if (const auto* rifiuto = std::get_if<maintenance::Rifiuto>(&esito)) {
            QTEST(rifiuto->casella, "casella");
            QVERIFY2(QString::fromLatin1(rifiuto->messaggio).contains(messaggio), // as the window reads it
                     rifiuto->messaggio.c_str());
            return;
        }
        QTEST(-1, "casella");
        const auto& estrazione = std::get<maintenance::NuovaEstrazione>(esito);
        QCOMPARE(QString::fromStdString(estrazione.data + estrazione.concorso), messaggio);
        for (std::size_t i = 1; i <= 50; ++i) // an empty box of a null wheel is stored as 0
            QCOMPARE(estrazione.numeri[i], core::valoreNumerico(campi.estratti[i]));
    }
};

QTEST_APPLESS_MAIN(TestConvalida)
#include "TestConvalida.moc"
