// The search period as "Applica" builds it, the progress percentage and the day-membership table.
#include "ArchivioAnni.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"

#include <QTest>

using prova::CartellaDiProva;

namespace {

/** The years 2001..2005 with a gap: 2001 draws 1-4, 2002 5-7, 2003 none, 2004 8-9, 2005 10-12. */
const std::vector<int> ANNI_CON_VUOTO{4, 3, 0, 2, 3};

QList<int> lista(const std::vector<int>& valori, std::size_t da, std::size_t quanti) {
    QList<int> risultato;
    for (std::size_t i = da; i < da + quanti && i < valori.size(); ++i)
        risultato << valori[i];
    return risultato;
}

QList<int> selezionate(const core::Stato& stato) {
    return lista(stato.Elenco_Estrazioni_Selezionate, 1,
                 static_cast<std::size_t>(stato.Totale_Estrazioni_Selezionate));
}

/** The first rule of the period state that does not hold, or an empty text. */
QString invariantiViolate(const core::Stato& stato) {
    const auto dimensione = static_cast<std::size_t>(stato.Estrazioni_Caricate) + 1;
    if (stato.Estrazione_Selezionata.size() != dimensione ||
        stato.Elenco_Estrazioni_Selezionate.size() != dimensione ||
        stato.Ciclo_Estrazione.size() != dimensione)
        return QStringLiteral("tabelle non dimensionate su 0..Estrazioni_Caricate");
    const auto cicli = static_cast<std::size_t>(stato.Totale_Cicli) + 1;
    if (stato.Inizio_Ciclo.size() != cicli || stato.Fine_Ciclo.size() != cicli)
        return QStringLiteral("Inizio_Ciclo/Fine_Ciclo non dimensionati su 0..Totale_Cicli");
    if (stato.Estrazione_Selezionata[0] != 0 || stato.Ciclo_Estrazione[0] != 0 ||
        stato.Elenco_Estrazioni_Selezionate[0] != 0)
        return QStringLiteral("l'estrazione 0 fa parte del periodo");
    int spuntate = 0;
    for (std::size_t d = 1; d < dimensione; ++d) {
        const int ciclo = stato.Ciclo_Estrazione[d];
        if (stato.Estrazione_Selezionata[d] == -1) {
            ++spuntate;
            if (ciclo < 1 || ciclo > stato.Totale_Cicli)
                return QStringLiteral("estrazione %1 senza ciclo").arg(d);
            const auto c = static_cast<std::size_t>(ciclo);
            if (static_cast<int>(d) < stato.Inizio_Ciclo[c] || static_cast<int>(d) > stato.Fine_Ciclo[c])
                return QStringLiteral("estrazione %1 fuori dal suo ciclo %2").arg(d).arg(ciclo);
        } else if (stato.Estrazione_Selezionata[d] != 0 || ciclo != 0) {
            return QStringLiteral("estrazione %1 non selezionata ma segnata").arg(d);
        }
    }
    if (spuntate != stato.Totale_Estrazioni_Selezionate) return QStringLiteral("conteggio diverso dai -1");
    for (int i = 1; i < static_cast<int>(dimensione); ++i) {
        const int d = stato.Elenco_Estrazioni_Selezionate[static_cast<std::size_t>(i)];
        if (i > stato.Totale_Estrazioni_Selezionate) {
            if (d != 0) return QStringLiteral("elemento %1 oltre la lista non azzerato").arg(i);
        } else if (d < 1 || stato.Estrazione_Selezionata[static_cast<std::size_t>(d)] != -1 ||
                   (i > 1 && d <= stato.Elenco_Estrazioni_Selezionate[static_cast<std::size_t>(i - 1)])) {
            return QStringLiteral("lista non crescente o non selezionata all'elemento %1").arg(i);
        }
    }
    int fineScorsa = 0;
    for (std::size_t c = 1; c < cicli; ++c) {
        if (stato.Inizio_Ciclo[c] == 0 && stato.Fine_Ciclo[c] == 0) continue; // a year without draws
        if (stato.Inizio_Ciclo[c] <= fineScorsa || stato.Fine_Ciclo[c] < stato.Inizio_Ciclo[c])
            return QStringLiteral("ciclo %1 fuori ordine o sovrapposto").arg(c);
        fineScorsa = stato.Fine_Ciclo[c];
    }
    return {};
}

} // namespace

class TestPeriodo : public QObject {
    Q_OBJECT
private slots:
    void percentuale_data();
    void percentuale();
    void frazionato_data();
    void frazionato();
    void nienteSopravviveAlPeriodoPrecedente_data();
    void nienteSopravviveAlPeriodoPrecedente();
    void cicli_data();
    void cicli();
    void avanzamento_data();
    void avanzamento();
    void giornataAppartenenza_data();
    void giornataAppartenenza();
};

void TestPeriodo::percentuale_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("atteso");
    QTest::addRow("un-terzo-per-difetto") << 1 << 4 << 2 << 33;
    QTest::addRow("meta") << 0 << 200 << 100 << 50;
    QTest::addRow("ultima-posizione") << 17 << 3000 << 3000 << 100;
    QTest::addRow("limiti-uguali") << 2004 << 2004 << 2004 << 1;
    QTest::addRow("prima-posizione") << 5 << 90 << 5 << 1;
    QTest::addRow("limiti-rovesciati") << 10 << 3 << 7 << 1;
    QTest::addRow("due-terzi-per-difetto") << 0 << 3 << 2 << 66;
}

void TestPeriodo::percentuale() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, x);
    QFETCH(int, atteso);
    QCOMPARE(selection::Percentuale_Avanzamento(a, b, x), atteso);
}

void TestPeriodo::frazionato_data() {
    QTest::addColumn<int>("da");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("inizio");
    QTest::addColumn<int>("fine");
    QTest::addRow("archivio-intero") << 1 << 12 << 1 << 12;
    QTest::addRow("una-sola-estrazione") << 7 << 7 << 7 << 7;
    QTest::addRow("intervallo-interno") << 3 << 9 << 3 << 9;
    QTest::addRow("a-cavallo-dell-anno-vuoto") << 6 << 8 << 6 << 8;
    QTest::addRow("ultima-estrazione") << 12 << 12 << 12 << 12;
}

void TestPeriodo::frazionato() {
    QFETCH(int, da);
    QFETCH(int, a);
    QFETCH(int, inizio);
    QFETCH(int, fine);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    prova::caricaAnni(cartella, stato, ANNI_CON_VUOTO);
    QCOMPARE(stato.Estrazioni_Caricate, 12);

    selection::applicaFrazionato(stato, da, a);
    QCOMPARE(invariantiViolate(stato), QString());
    QCOMPARE(stato.Totale_Cicli, 1);
    QCOMPARE(stato.Inizio_Ciclo[1], inizio);
    QCOMPARE(stato.Fine_Ciclo[1], fine);
    QCOMPARE(stato.Totale_Estrazioni_Selezionate, fine - inizio + 1);
    QCOMPARE(selezionate(stato).first(), inizio);
    QCOMPARE(selezionate(stato).last(), fine);
}

void TestPeriodo::nienteSopravviveAlPeriodoPrecedente_data() {
    QTest::addColumn<bool>("primaCicli");
    QTest::addRow("cicli-poi-intervallo") << true;
    QTest::addRow("intervallo-lungo-poi-corto") << false;
}

void TestPeriodo::nienteSopravviveAlPeriodoPrecedente() {
    QFETCH(bool, primaCicli);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    prova::caricaAnni(cartella, stato, ANNI_CON_VUOTO);
    if (primaCicli)
        selection::applicaCicli(stato, 1, 5);
    else
        selection::applicaFrazionato(stato, 1, 12);

    selection::applicaFrazionato(stato, 8, 9);
    QCOMPARE(invariantiViolate(stato), QString());
    QCOMPARE(selezionate(stato), (QList<int>{8, 9}));
    QCOMPARE(stato.Inizio_Ciclo.size(), std::size_t{2});
    for (std::size_t d = 1; d <= 12; ++d) {
        const bool dentro = d == 8 || d == 9;
        QCOMPARE(stato.Estrazione_Selezionata[d], dentro ? -1 : 0);
        QCOMPARE(stato.Ciclo_Estrazione[d], dentro ? 1 : 0);
        if (d > 2) QCOMPARE(stato.Elenco_Estrazioni_Selezionate[d], 0);
    }
}

void TestPeriodo::cicli_data() {
    QTest::addColumn<QList<int>>("perAnno");
    QTest::addColumn<int>("primo");
    QTest::addColumn<int>("quanti");
    QTest::addColumn<QList<int>>("estrazioni");
    QTest::addColumn<QList<int>>("cicloDiOgnuna");
    QTest::addColumn<QList<int>>("inizi");
    QTest::addColumn<QList<int>>("fini");
    const QList<int> senzaVuoti{4, 3, 2, 3};
    const QList<int> conVuoto(ANNI_CON_VUOTO.begin(), ANNI_CON_VUOTO.end());
    // The first draw's position inside its year plays no part: cycle 1 starts with the year.
    QTest::addRow("due-anni-da-meta-anno")
        << senzaVuoti << 3 << 2 << QList<int>{1, 2, 3, 4, 5, 6, 7} << QList<int>{1, 1, 1, 1, 2, 2, 2}
        << QList<int>{1, 5} << QList<int>{4, 7};
    QTest::addRow("ultimo-anno-da-fine-anno") << senzaVuoti << 12 << 1 << QList<int>{10, 11, 12}
                                              << QList<int>{1, 1, 1} << QList<int>{10} << QList<int>{12};
    QTest::addRow("tutti-gli-anni") << senzaVuoti << 1 << 4
                                    << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}
                                    << QList<int>{1, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4}
                                    << QList<int>{1, 5, 8, 10} << QList<int>{4, 7, 9, 12};
    QTest::addRow("anno-vuoto-in-mezzo")
        << conVuoto << 6 << 3 << QList<int>{5, 6, 7, 8, 9} << QList<int>{1, 1, 1, 3, 3} << QList<int>{5, 0, 8}
        << QList<int>{7, 0, 9};
    QTest::addRow("anno-vuoto-alla-fine") << conVuoto << 5 << 2 << QList<int>{5, 6, 7} << QList<int>{1, 1, 1}
                                          << QList<int>{5, 0} << QList<int>{7, 0};
}

void TestPeriodo::cicli() {
    QFETCH(QList<int>, perAnno);
    QFETCH(int, primo);
    QFETCH(int, quanti);
    QFETCH(QList<int>, estrazioni);
    QFETCH(QList<int>, cicloDiOgnuna);
    QFETCH(QList<int>, inizi);
    QFETCH(QList<int>, fini);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    prova::caricaAnni(cartella, stato, std::vector<int>(perAnno.begin(), perAnno.end()));
    selection::applicaCicli(stato, 1, stato.Numero_Anni); // an earlier period to replace, every cycle filled

    selection::applicaCicli(stato, primo, quanti);
    QCOMPARE(invariantiViolate(stato), QString());
    QCOMPARE(stato.Totale_Cicli, quanti);
    QCOMPARE(selezionate(stato), estrazioni);
    QList<int> cicli;
    for (int d : estrazioni)
        cicli << stato.Ciclo_Estrazione[static_cast<std::size_t>(d)];
    QCOMPARE(cicli, cicloDiOgnuna);
    QCOMPARE(lista(stato.Inizio_Ciclo, 1, static_cast<std::size_t>(quanti)), inizi);
    QCOMPARE(lista(stato.Fine_Ciclo, 1, static_cast<std::size_t>(quanti)), fini);
}

void TestPeriodo::avanzamento_data() {
    QTest::addColumn<QList<int>>("perAnno");
    QTest::addColumn<int>("cicli"); // 0: the whole archive as one range
    QTest::addColumn<QList<int>>("percentuali");
    QTest::addRow("cinque-anni-una-volta-per-anno")
        << QList<int>{4, 3, 0, 2, 3} << 5 << QList<int>{1, 25, 50, 75, 100};
    QTest::addRow("un-solo-anno") << QList<int>{4, 3} << 1 << QList<int>{1};
    // Percentuale_Avanzamento(1, 250, 100) and (1, 250, 200).
    QTest::addRow("intervallo-ogni-cento") << QList<int>{150, 100} << 0 << QList<int>{39, 79};
    QTest::addRow("intervallo-sotto-cento") << QList<int>{99} << 0 << QList<int>{};
}

void TestPeriodo::avanzamento() {
    QFETCH(QList<int>, perAnno);
    QFETCH(int, cicli);
    QFETCH(QList<int>, percentuali);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    prova::caricaAnni(cartella, stato, std::vector<int>(perAnno.begin(), perAnno.end()));
    QList<int> sentite;
    const auto ascolta = [&](int percentuale) { sentite << percentuale; };
    if (cicli > 0)
        selection::applicaCicli(stato, 1, cicli, ascolta);
    else
        selection::applicaFrazionato(stato, 1, stato.Estrazioni_Caricate, ascolta);
    QCOMPARE(sentite, percentuali);
}

void TestPeriodo::giornataAppartenenza_data() {
    QTest::addColumn<QStringList>("campi");       // fields 13..19; "-" leaves the settings file missing
    QTest::addColumn<QList<int>>("tabellaPrima"); // Monday..Sunday before the load
    QTest::addColumn<bool>("valida");
    QTest::addColumn<QList<int>>("tabellaDopo");
    const QList<int> vuota{0, 0, 0, 0, 0, 0, 0};
    const QList<int> predefinita{6, 6, 3, 3, 3, 6, 6};
    QTest::addRow("file-mancante") << QStringList{"-"} << vuota << false << predefinita;
    QTest::addRow("campi-mai-scritti") << QStringList{} << vuota << false << predefinita;
    QTest::addRow("un-campo-vuoto-al-primo-caricamento")
        << QStringList{"1", "2", "3", "4", "5", "6", ""} << vuota << false << predefinita;
    QTest::addRow("un-campo-vuoto-tiene-la-tabella")
        << QStringList{"1", "", "3", "4", "5", "6", "7"} << QList<int>{3, 3, 3, 3, 3, 6, 6} << true
        << QList<int>{3, 3, 3, 3, 3, 6, 6};
    QTest::addRow("un-campo-a-zero") << QStringList{"3", "3", "3", "0", "3", "6", "6"} << vuota << false
                                     << predefinita;
    QTest::addRow("un-campo-a-otto") << QStringList{"3", "3", "3", "3", "3", "6", "8"} << vuota << false
                                     << predefinita;
    QTest::addRow("valori-validi") << QStringList{"1", "2", "3", "4", "5", "6", "7"} << predefinita << true
                                   << QList<int>{1, 2, 3, 4, 5, 6, 7};
}

void TestPeriodo::giornataAppartenenza() {
    QFETCH(QStringList, campi);
    QFETCH(QList<int>, tabellaPrima);
    QFETCH(bool, valida);
    QFETCH(QList<int>, tabellaDopo);
    CartellaDiProva cartella;
    auto stato = cartella.stato();
    if (campi != QStringList{"-"}) {
        QVERIFY(core::Scrivi_Impostazione(stato, 21, "1")); // the file exists in every other row
        for (int i = 0; i < campi.size(); ++i)
            QVERIFY(core::Scrivi_Impostazione(stato, 13 + i, campi[i].toStdString()));
    }
    for (int k = 1; k <= 7; ++k)
        stato.Giornata_Appartenenza[static_cast<std::size_t>(k)] = tabellaPrima[k - 1];
    const std::string fileIniziale = cartella.leggiFile("ImpoBin");

    QCOMPARE(selection::caricaGiornataAppartenenza(stato), valida);
    QCOMPARE(lista({stato.Giornata_Appartenenza.begin(), stato.Giornata_Appartenenza.end()}, 1, 7),
             tabellaDopo);
    if (valida) {
        QCOMPARE(cartella.leggiFile("ImpoBin"), fileIniziale); // nothing written
        return;
    }
    // The defaults are written back, each in its slot ("6" and 18 blanks), and the next load is silent.
    for (int k = 1; k <= 7; ++k)
        QCOMPARE(core::Leggi_Impostazione(stato, 12 + k),
                 std::to_string(tabellaDopo[k - 1]) + std::string(core::BYTE_TESTO_CAMPO - 1, ' '));
    if (campi != QStringList{"-"})
        QCOMPARE(core::Leggi_Numero_Impostazione(stato, 21), 1); // other fields kept
    stato.Giornata_Appartenenza.fill(0);
    QVERIFY(selection::caricaGiornataAppartenenza(stato));
    QCOMPARE(lista({stato.Giornata_Appartenenza.begin(), stato.Giornata_Appartenenza.end()}, 1, 7),
             tabellaDopo);
}

QTEST_APPLESS_MAIN(TestPeriodo)
#include "TestPeriodo.moc"
