// The search period as "Applica" builds it; the quick periods and the description of a period; the year steps
// of the period window's bars and its progress percentage; the day-membership table.
#include "ArchivioDiProva.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"
#include "selection/Riepilogo.h"

#include <QTest>

namespace {

using Anni = std::vector<int>;
/** 2001 draws 1-4, 2002 5-7, 2003 8-9, 2004 10-12. */
const Anni ANNI{4, 3, 2, 3};
/** 2001 draws 1-4, 2002 5-7, 2003 none, 2004 8-9, 2005 10-12. */
const Anni ANNI_CON_VUOTO{4, 3, 0, 2, 3};

} // namespace

class TestPeriodo : public QObject {
    Q_OBJECT

    prova::CartellaDiProva m_cartella;
    core::Stato m_stato = m_cartella.stato();

    core::Stato& carica(const Anni& perAnno) {
        m_cartella.carica(m_stato, prova::perAnni(perAnno));
        return m_stato;
    }

private slots:
    void applica_data() {
        QTest::addColumn<Anni>("perAnno");
        QTest::addColumn<int>("cicli"); // 0: the plain range da..a
        QTest::addColumn<int>("da");
        QTest::addColumn<int>("a");
        // One digit per loaded draw, its cycle (0 when outside the period), then each cycle's first and last.
        QTest::addColumn<QString>("cicli_limiti");
        QTest::addRow("intervallo-intero") << ANNI << 0 << 1 << 12 << "111111111111 1-12";
        QTest::addRow("intervallo-sull-anno-vuoto") << ANNI_CON_VUOTO << 0 << 6 << 8 << "000001110000 6-8";
        QTest::addRow("intervallo-sull-ultima") << ANNI << 0 << 12 << 12 << "000000000001 12-12";
        // Cycle 1 starts with the year of the first draw, wherever that draw lies in it.
        QTest::addRow("due-anni-da-meta-anno") << ANNI << 2 << 3 << 0 << "111122200000 1-4 5-7";
        QTest::addRow("ultimo-anno-da-fine-anno") << ANNI << 1 << 12 << 0 << "000000000111 10-12";
        QTest::addRow("ultimo-anno-di-una-sola") << Anni{4, 1} << 1 << 5 << 0 << "00001 5-5";
        QTest::addRow("archivio-di-una-sola") << Anni{1} << 1 << 1 << 0 << "1 1-1";
        QTest::addRow("anno-vuoto-in-mezzo") << ANNI_CON_VUOTO << 3 << 6 << 0 << "000011133000 5-7 0-0 8-9";
        QTest::addRow("anno-vuoto-alla-fine") << ANNI_CON_VUOTO << 2 << 5 << 0 << "000011100000 5-7 0-0";
    }
    void applica() {
        QFETCH(Anni, perAnno);
        QFETCH(int, cicli);
        QFETCH(int, da);
        QFETCH(int, a);
        QFETCH(QString, cicli_limiti);
        auto& stato = carica(perAnno);
        selection::applicaCicli(stato, 1, stato.Numero_Anni); // an earlier period to replace
        if (cicli > 0)
            selection::applicaCicli(stato, da, cicli);
        else
            selection::applicaFrazionato(stato, da, a);

        // Every table runs over 0..Estrazioni_Caricate, entry 0 unused; the list is ascending, then zeros.
        QString trovato;
        QList<int> elenco{0};
        for (std::size_t d = 1; d < stato.Ciclo_Estrazione.size(); ++d) {
            trovato += QString::number(stato.Ciclo_Estrazione[d]);
            QCOMPARE(stato.Estrazione_Selezionata[d], stato.Ciclo_Estrazione[d] > 0 ? -1 : 0);
            if (stato.Ciclo_Estrazione[d] > 0) elenco << int(d);
        }
        QCOMPARE(stato.Totale_Estrazioni_Selezionate, int(elenco.size()) - 1);
        elenco.resize(qsizetype(stato.Ciclo_Estrazione.size()));
        QCOMPARE(QList<int>(stato.Elenco_Estrazioni_Selezionate.begin(),
                            stato.Elenco_Estrazioni_Selezionate.end()),
                 elenco);
        for (std::size_t c = 1; c <= std::size_t(stato.Totale_Cicli); ++c)
            trovato += QStringLiteral(" %1-%2").arg(stato.Inizio_Ciclo.at(c)).arg(stato.Fine_Ciclo.at(c));
        QCOMPARE(trovato, cicli_limiti);
    }

    void periodiRapidi_data() {
        QTest::addColumn<QString>("scelta"); // "ultime N", "dal N", "corrente" or "tutto"
        QTest::addColumn<bool>("nulle");     // the last two draws without BARI
        QTest::addColumn<QString>("intervallo");
        QTest::addRow("ultime-3") << "ultime 3" << false << "10-12";
        QTest::addRow("ultime-3-con-ruote-nulle") << "ultime 3" << true << "10-12";
        QTest::addRow("ultime-piu-dell-archivio") << "ultime 500" << false << "1-12";
        QTest::addRow("anno-in-corso") << "corrente" << true << "10-12";
        QTest::addRow("dal-anno-vuoto") << "dal 2003" << false << "8-12";
        QTest::addRow("dal-anno-prima-dell-archivio") << "dal 1990" << false << "1-12";
        QTest::addRow("dal-anno-dopo-l-archivio") << "dal 2030" << false << "0-0";
        QTest::addRow("tutto") << "tutto" << false << "1-12";
    }
    void periodiRapidi() {
        QFETCH(QString, scelta);
        QFETCH(bool, nulle);
        QFETCH(QString, intervallo);
        auto tutte = prova::perAnni(ANNI_CON_VUOTO);
        if (nulle) tutte[10].ruote[0] = tutte[11].ruote[0] = {};
        m_cartella.carica(m_stato, tutte);
        const int n = scelta.section(' ', 1).toInt();
        const auto trovato = scelta.startsWith("ultime") ? selection::ultimeEstrazioni(m_stato, n)
                             : scelta.startsWith("dal")  ? selection::dalAnno(m_stato, n)
                             : scelta == "corrente"      ? selection::annoInCorso(m_stato)
                                                         : selection::tuttoArchivio(m_stato);
        QCOMPARE(QStringLiteral("%1-%2").arg(trovato.prima).arg(trovato.ultima), intervallo);
    }
    void descrizioneDelPeriodo() {
        auto& stato = carica(ANNI_CON_VUOTO);
        QVERIFY(core::selezioneDaTesto(stato, "1010000000"));
        selection::applicaFrazionato(stato, 8, 12);
        const auto cercato = selection::periodoAttuale(stato);
        QCOMPARE(selection::testoPeriodo(stato, cercato),
                 std::string("Periodo: dal 4/2/2004 al 10/4/2005 (5 estrazioni) \u2014 Ruote: BA FI"));
        // Another wheel or another period is no longer the period searched.
        QVERIFY(core::selezioneDaTesto(stato, "1000000000"));
        QVERIFY(!(selection::periodoAttuale(stato) == cercato));
        QVERIFY(core::selezioneDaTesto(stato, "1010000000"));
        selection::applicaFrazionato(stato, 7, 11);
        QVERIFY(!(selection::periodoAttuale(stato) == cercato));
        std::string migliaia;
        for (long long valore : {0LL, 123LL, 7354LL, 1234567LL, -123456LL})
            migliaia += selection::conMigliaia(valore) + ' ';
        QCOMPARE(migliaia, std::string("0 123 7.354 1.234.567 -123.456 "));
    }

    void passiDegliAnni() {
        auto& stato = carica(ANNI_CON_VUOTO);
        // "Inizio annuale" moves the first bar a whole year at a time, over the year without draws; from the
        // last year forward it goes to that year's first draw, from the first year back to draw 1.
        QCOMPARE(QList<int>({selection::passoAnnuale(stato, 8, 7), selection::passoAnnuale(stato, 8, 9),
                             selection::passoAnnuale(stato, 10, 11), selection::passoAnnuale(stato, 3, 2)}),
                 QList<int>({5, 10, 10, 1}));
        // Cycles end with the last draw of their last year that has draws.
        QCOMPARE(QList<int>({selection::fineCicli(stato, 2002, 2), selection::fineCicli(stato, 2004, 2),
                             selection::massimoCicli(stato, 5)}),
                 QList<int>({7, 12, 4}));
        // The progress of the application, rounded down: 100 / (3 / 1), 100 / (249 / 99).
        QCOMPARE(QList<int>({selection::Percentuale_Avanzamento(1, 4, 2),
                             selection::Percentuale_Avanzamento(1, 250, 100),
                             selection::Percentuale_Avanzamento(5, 5, 5)}),
                 QList<int>({33, 39, 1}));
    }

    void giornataAppartenenza_data() {
        // Fields 13..19, one digit each, "_" blank; "-": no settings file; "!": one that cannot be read.
        QTest::addColumn<QString>("campi");
        QTest::addColumn<bool>("danneggiati"); // the caller says the defaults took the table's place
        QTest::addColumn<bool>("registrati");
        QTest::addColumn<QString>("dopo"); // the table, Monday..Sunday, and what fields 13..19 then hold
        QTest::addRow("file-mancante") << "-" << false << true << "6633366";
        QTest::addRow("un-campo-vuoto-prende-il-suo-default") << "1_34567" << false << true << "1634567";
        QTest::addRow("un-campo-a-zero") << "3330366" << true << true << "6633366";
        QTest::addRow("un-campo-a-otto") << "3333368" << true << true << "6633366";
        QTest::addRow("file-illeggibile") << "!" << false << false << "6633366";
    }
    void giornataAppartenenza() {
        QFETCH(QString, campi);
        QFETCH(bool, danneggiati);
        QFETCH(bool, registrati);
        QFETCH(QString, dopo);
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        if (campi == "!") std::filesystem::create_symlink("ImpoBin", stato.fileImpostazioni());
        for (int i = 0; i < campi.size() && campi.size() > 1; ++i)
            QVERIFY(core::Scrivi_Impostazione(stato, 13 + i,
                                              campi[i] == '_' ? "" : campi.mid(i, 1).toStdString()));
        QCOMPARE(!selection::leggiGiornataAppartenenza(stato).riuscito(), danneggiati);
        QCOMPARE(selection::completaGiornataAppartenenza(stato).riuscito(), registrati);
        QString tabella, campiDopo;
        for (int k = 1; k <= 7; ++k) {
            tabella += QString::number(stato.Giornata_Appartenenza[std::size_t(k)]);
            campiDopo += QString::number(core::Leggi_Numero_Impostazione(stato, 12 + k));
        }
        QCOMPARE(tabella, dopo);
        if (!registrati) return;
        // Each field holds its value now; the next load is silent and writes nothing.
        QCOMPARE(campiDopo, dopo);
        const std::string file = cartella.leggiFile("ImpoBin");
        QVERIFY(selection::leggiGiornataAppartenenza(stato) &&
                selection::completaGiornataAppartenenza(stato));
        QCOMPARE(cartella.leggiFile("ImpoBin"), file);
    }
};

QTEST_APPLESS_MAIN(TestPeriodo)
#include "TestPeriodo.moc"
