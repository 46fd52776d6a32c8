// The confirmed wheel selection and the two texts that describe it.
#include "ArchivioDiProva.h"
#include "selection/Ruote.h"

#include <QTest>

namespace {

std::array<bool, 11> spunte(const QList<int>& ruote) {
    std::array<bool, 11> spuntate{};
    for (int w : ruote)
        spuntate[static_cast<std::size_t>(w)] = true;
    return spuntate;
}

} // namespace

class TestRuote : public QObject {
    Q_OBJECT
private slots:
    void impostaRuote_data();
    void impostaRuote();
};

void TestRuote::impostaRuote_data() {
    QTest::addColumn<QList<int>>("precedenti");
    QTest::addColumn<QList<int>>("spuntate"); // in the order the user ticked them
    QTest::addColumn<QList<int>>("elenco");   // Elenco_Ruote_Selezionate 0..10
    QTest::addColumn<QString>("sigle");
    QTest::addColumn<QString>("numero");
    QTest::addRow("venezia-poi-bari")
        << QList<int>{} << QList<int>{10, 1} << QList<int>{2, 1, 10, 0, 0, 0, 0, 0, 0, 0, 0} << "BA VE "
        << "Ruote Selezionate:  2";
    QTest::addRow("bari-e-roma") << QList<int>{3} << QList<int>{8, 1}
                                 << QList<int>{2, 1, 8, 0, 0, 0, 0, 0, 0, 0, 0} << "BA RO "
                                 << "Ruote Selezionate:  2";
    QTest::addRow("tutte") << QList<int>{5} << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                           << QList<int>{10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}
                           << "BA CA FI GE MI NA PA RO TO VE "
                           << "Ruote Selezionate:  10";
    QTest::addRow("da-tutte-a-una") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << QList<int>{9}
                                    << QList<int>{1, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0} << "TO "
                                    << "Ruote Selezionate:  1";
    QTest::addRow("nessuna") << QList<int>{2, 4} << QList<int>{}
                             << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << ""
                             << "Ruote Selezionate:  0";
}

void TestRuote::impostaRuote() {
    QFETCH(QList<int>, precedenti);
    QFETCH(QList<int>, spuntate);
    QFETCH(QList<int>, elenco);
    QFETCH(QString, sigle);
    QFETCH(QString, numero);
    prova::CartellaDiProva cartella;
    auto stato = cartella.stato();
    selection::Imposta_Ruote(stato, spunte(precedenti));

    selection::Imposta_Ruote(stato, spunte(spuntate));
    QCOMPARE(QList<int>(stato.Elenco_Ruote_Selezionate.begin(), stato.Elenco_Ruote_Selezionate.end()),
             elenco);
    QCOMPARE(stato.Ruota_Selezionata[0], static_cast<int>(spuntate.size()));
    for (int w = 1; w <= 10; ++w)
        QCOMPARE(stato.Ruota_Selezionata[static_cast<std::size_t>(w)], spuntate.contains(w) ? -1 : 0);
    QCOMPARE(QString::fromStdString(selection::sigleRuoteSelezionate(stato)), sigle);
    QCOMPARE(QString::fromStdString(selection::testoNumeroRuote(stato)), numero);
}

QTEST_APPLESS_MAIN(TestRuote)
#include "TestRuote.moc"
