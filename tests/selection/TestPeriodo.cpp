// The search period as "Applica" builds it, the progress percentage and the day-membership table.
#include "ArchivioAnni.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"

#include <QTest>

namespace {

/** 2001 draws 1-4, 2002 5-7, 2003 8-9, 2004 10-12. */
const QList<int> ANNI{4, 3, 2, 3};
/** 2001 draws 1-4, 2002 5-7, 2003 none, 2004 8-9, 2005 10-12. */
const QList<int> ANNI_CON_VUOTO{4, 3, 0, 2, 3};

template <class V> QList<int> lista(const V& valori) {
    return QList<int>(valori.begin(), valori.end());
}

/** One digit per entry: "6633366" for {6, 6, 3, 3, 3, 6, 6}. */
QList<int> cifre(const QString& testo) {
    QList<int> valori;
    for (QChar c : testo)
        valori << c.digitValue();
    return valori;
}

} // namespace

class TestPeriodo : public QObject {
    Q_OBJECT
private slots:
    void percentuale_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("atteso");
        QTest::addRow("un-terzo-per-difetto") << 1 << 4 << 2 << 33;
        QTest::addRow("due-terzi-per-difetto") << 0 << 3 << 2 << 66;
        QTest::addRow("ultima-posizione") << 17 << 3000 << 3000 << 100;
        QTest::addRow("prima-posizione") << 5 << 90 << 5 << 1;
        QTest::addRow("limiti-uguali") << 2004 << 2004 << 2004 << 1;
        QTest::addRow("limiti-rovesciati") << 10 << 3 << 7 << 1;
    }
    void percentuale() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, x);
        QFETCH(int, atteso);
        QCOMPARE(selection::Percentuale_Avanzamento(a, b, x), atteso);
    }

    void applica_data() {
        QTest::addColumn<QList<int>>("perAnno");
        QTest::addColumn<int>("cicli"); // 0: the plain range da..a
        QTest::addColumn<int>("da");
        QTest::addColumn<int>("a");
        QTest::addColumn<QString>("cicloDiOgnuna"); // one digit per loaded draw, 0 when outside the period
        QTest::addColumn<QString>("limitiCicli");
        QTest::addRow("intervallo-intero") << ANNI << 0 << 1 << 12 << "111111111111"
                                           << "1-12";
        QTest::addRow("intervallo-di-una") << ANNI_CON_VUOTO << 0 << 7 << 7 << "000000100000"
                                           << "7-7";
        QTest::addRow("intervallo-sull-anno-vuoto") << ANNI_CON_VUOTO << 0 << 6 << 8 << "000001110000"
                                                    << "6-8";
        QTest::addRow("intervallo-sull-ultima") << ANNI << 0 << 12 << 12 << "000000000001"
                                                << "12-12";
        // Cycle 1 starts with the year of the first draw, wherever that draw lies in it.
        QTest::addRow("due-anni-da-meta-anno") << ANNI << 2 << 3 << 0 << "111122200000"
                                               << "1-4 5-7";
        QTest::addRow("ultimo-anno-da-fine-anno") << ANNI << 1 << 12 << 0 << "000000000111"
                                                  << "10-12";
        QTest::addRow("tutti-gli-anni") << ANNI << 4 << 1 << 0 << "111122233444"
                                        << "1-4 5-7 8-9 10-12";
        QTest::addRow("anno-vuoto-in-mezzo") << ANNI_CON_VUOTO << 3 << 6 << 0 << "000011133000"
                                             << "5-7 0-0 8-9";
        QTest::addRow("anno-vuoto-alla-fine") << ANNI_CON_VUOTO << 2 << 5 << 0 << "000011100000"
                                              << "5-7 0-0";
    }
    void applica() {
        QFETCH(QList<int>, perAnno);
        QFETCH(int, cicli);
        QFETCH(int, da);
        QFETCH(int, a);
        QFETCH(QString, cicloDiOgnuna);
        QFETCH(QString, limitiCicli);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        cartella.carica(stato, prova::perAnni(std::vector<int>(perAnno.begin(), perAnno.end())));
        selection::applicaCicli(stato, 1, stato.Numero_Anni); // an earlier period to replace
        if (cicli > 0)
            selection::applicaCicli(stato, da, cicli);
        else
            selection::applicaFrazionato(stato, da, a);

        // Every table runs over 0..Estrazioni_Caricate, entry 0 unused; the list is ascending, then zeros.
        const QList<int> ciclo = QList<int>{0} + cifre(cicloDiOgnuna);
        QList<int> selezionata, elenco;
        for (int d = 0; d < ciclo.size(); ++d) {
            selezionata << (ciclo[d] > 0 ? -1 : 0);
            if (ciclo[d] > 0) elenco << d;
        }
        const int quante = int(elenco.size());
        elenco.prepend(0);
        elenco.resize(ciclo.size());
        QCOMPARE(lista(stato.Ciclo_Estrazione), ciclo);
        QCOMPARE(lista(stato.Estrazione_Selezionata), selezionata);
        QCOMPARE(lista(stato.Elenco_Estrazioni_Selezionate), elenco);
        QCOMPARE(stato.Totale_Estrazioni_Selezionate, quante);
        QStringList limiti;
        for (std::size_t c = 1; c < stato.Inizio_Ciclo.size() && c < stato.Fine_Ciclo.size(); ++c)
            limiti << QStringLiteral("%1-%2").arg(stato.Inizio_Ciclo[c]).arg(stato.Fine_Ciclo[c]);
        QCOMPARE(limiti.join(QLatin1Char(' ')), limitiCicli);
        QCOMPARE(stato.Totale_Cicli, int(limiti.size()));
        QCOMPARE(stato.Inizio_Ciclo.size(), stato.Fine_Ciclo.size());
    }

    void avanzamento_data() {
        QTest::addColumn<QList<int>>("perAnno");
        QTest::addColumn<int>("cicli"); // 0: the whole archive as one range
        QTest::addColumn<QList<int>>("percentuali");
        QTest::addRow("cinque-anni-uno-per-anno") << ANNI_CON_VUOTO << 5 << QList<int>{1, 25, 50, 75, 100};
        QTest::addRow("un-solo-anno") << ANNI << 1 << QList<int>{1};
        // Percentuale_Avanzamento(1, 250, 100) and (1, 250, 200).
        QTest::addRow("intervallo-ogni-cento") << QList<int>{150, 100} << 0 << QList<int>{39, 79};
        QTest::addRow("intervallo-sotto-cento") << QList<int>{99} << 0 << QList<int>{};
    }
    void avanzamento() {
        QFETCH(QList<int>, perAnno);
        QFETCH(int, cicli);
        QFETCH(QList<int>, percentuali);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        cartella.carica(stato, prova::perAnni(std::vector<int>(perAnno.begin(), perAnno.end())));
        QList<int> sentite;
        const auto ascolta = [&](int percentuale) { sentite << percentuale; };
        if (cicli > 0)
            selection::applicaCicli(stato, 1, cicli, ascolta);
        else
            selection::applicaFrazionato(stato, 1, stato.Estrazioni_Caricate, ascolta);
        QCOMPARE(sentite, percentuali);
    }

    void giornataAppartenenza_data() {
        // Fields 13..19, one digit each, "_" blank; "-": no settings file; "!": one that cannot be read.
        QTest::addColumn<QString>("campi");
        QTest::addColumn<bool>("danneggiati"); // the caller says the defaults took the table's place
        QTest::addColumn<bool>("registrati");
        QTest::addColumn<QString>("dopo"); // the table, Monday..Sunday, and what fields 13..19 then hold
        QTest::addRow("file-mancante") << "-" << false << true << "6633366";
        QTest::addRow("campi-mai-scritti") << "" << false << true << "6633366";
        QTest::addRow("un-campo-vuoto-prende-il-suo-default") << "1_34567" << false << true << "1634567";
        QTest::addRow("un-campo-a-zero") << "3330366" << true << true << "6633366";
        QTest::addRow("un-campo-a-otto") << "3333368" << true << true << "6633366";
        QTest::addRow("valori-validi") << "1234567" << false << true << "1234567";
        QTest::addRow("file-illeggibile") << "!" << false << false << "6633366";
    }
    void giornataAppartenenza() {
        QFETCH(QString, campi);
        QFETCH(bool, danneggiati);
        QFETCH(bool, registrati);
        QFETCH(QString, dopo);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        if (campi == QStringLiteral("!"))
            std::filesystem::create_symlink("ImpoBin", stato.fileImpostazioni());
        if (campi != QStringLiteral("-") && campi != QStringLiteral("!")) {
            QVERIFY(core::Scrivi_Impostazione(stato, 21, "1")); // the file exists in every other row
            for (int i = 0; i < campi.size(); ++i) {
                const std::string valore = campi[i] == '_' ? std::string() : campi.mid(i, 1).toStdString();
                QVERIFY(core::Scrivi_Impostazione(stato, 13 + i, valore));
            }
        }
        QCOMPARE(!selection::leggiGiornataAppartenenza(stato).riuscito(), danneggiati);
        QCOMPARE(selection::completaGiornataAppartenenza(stato).riuscito(), registrati);
        QCOMPARE(lista(stato.Giornata_Appartenenza).mid(1), cifre(dopo));
        if (!registrati) return;
        // Each field holds its value now, the other fields kept; the next load is silent and writes nothing.
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(core::Leggi_Numero_Impostazione(stato, 12 + k), dopo[k - 1].digitValue());
        if (campi != QStringLiteral("-")) QCOMPARE(core::Leggi_Numero_Impostazione(stato, 21), 1);
        const std::string file = cartella.leggiFile("ImpoBin");
        stato.Giornata_Appartenenza.fill(0);
        QVERIFY(selection::leggiGiornataAppartenenza(stato).riuscito());
        QVERIFY(selection::completaGiornataAppartenenza(stato).riuscito());
        QCOMPARE(lista(stato.Giornata_Appartenenza).mid(1), cifre(dopo));
        QCOMPARE(cartella.leggiFile("ImpoBin"), file);
    }
};

QTEST_APPLESS_MAIN(TestPeriodo)
#include "TestPeriodo.moc"
