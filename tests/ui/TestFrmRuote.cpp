// The wheel-selection window: what it confirms, what it refuses and what its labels show.
#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "ui/selection/FrmRuote.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using prova::CartellaDiProva;
using prova::ScriptPrompt;

namespace {

template <class T> T* figlio(QWidget& finestra, const QString& nome) {
    auto* trovato = finestra.findChild<T*>(nome);
    if (!trovato) qFatal("controllo %s non trovato", qPrintable(nome));
    return trovato;
}

/** A click as the user gives it; a box is clicked on its indicator, which a short caption may not reach. */
void clicca(QWidget& finestra, const QString& nome) {
    QWidget* controllo = figlio<QWidget>(finestra, nome);
    const QPoint punto =
        qobject_cast<QCheckBox*>(controllo) ? QPoint(6, controllo->height() / 2) : controllo->rect().center();
    QTest::mouseClick(controllo, Qt::LeftButton, {}, punto);
}

QString testo(QWidget& finestra, const char* nome) {
    return figlio<QLabel>(finestra, QString::fromLatin1(nome))->text();
}

QList<int> elenco(const core::Stato& stato) {
    return {stato.Elenco_Ruote_Selezionate.begin(), stato.Elenco_Ruote_Selezionate.end()};
}

/** A state with BARI and ROMA confirmed. */
core::Stato baEro(const CartellaDiProva& cartella) {
    auto stato = cartella.stato();
    std::array<bool, 11> spuntate{};
    spuntate[1] = spuntate[8] = true;
    core::impostaSelezioneRuote(stato, spuntate);
    return stato;
}

const QList<int> BARI_E_ROMA{2, 1, 8, 0, 0, 0, 0, 0, 0, 0, 0};

} // namespace

class TestFrmRuote : public QObject {
    Q_OBJECT
private slots:
    void okConfermaLaSelezione_data();
    void okConfermaLaSelezione();
    void okSenzaRuoteRifiutato();
    void etichetteMostranoLaSelezioneConfermata();
    void chiusaDallaCorniceNonCambiaNulla();
    void coloriDelleCaselle();
};

void TestFrmRuote::okConfermaLaSelezione_data() {
    QTest::addColumn<QStringList>("clic");
    QTest::addColumn<QList<int>>("atteso");
    QTest::addRow("tutte") << QStringList{"cmdTutte"} << QList<int>{10, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::addRow("venezia-poi-bari") << QStringList{"cmdNessuna", "ck_Ruota_10", "ck_Ruota_1"}
                                      << QList<int>{2, 1, 10, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::addRow("tolta-roma") << QStringList{"ck_Ruota_8"} << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::addRow("nessuna-poi-tutte")
        << QStringList{"cmdNessuna", "cmdTutte", "ck_Ruota_4"} << QList<int>{9, 1, 2, 3, 5, 6, 7, 8, 9, 10};
}

void TestFrmRuote::okConfermaLaSelezione() {
    QFETCH(QStringList, clic);
    QFETCH(QList<int>, atteso);
    while (atteso.size() < 11)
        atteso << 0;
    CartellaDiProva cartella;
    auto stato = baEro(cartella);
    ScriptPrompt script;
    ui::frm_Ruote finestra(stato);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    for (const QString& nome : clic)
        clicca(finestra, nome);
    QCOMPARE(elenco(stato), BARI_E_ROMA); // nothing changes before "OK"

    clicca(finestra, QStringLiteral("cmd_Ok"));
    QVERIFY(!finestra.isVisible());
    QCOMPARE(finestra.result(), int(QDialog::Accepted));
    QCOMPARE(elenco(stato), atteso);
    QCOMPARE(stato.Ruota_Selezionata[0], atteso[0]);
    for (int w = 1; w <= 10; ++w)
        QCOMPARE(stato.Ruota_Selezionata[static_cast<std::size_t>(w)],
                 atteso.mid(1, atteso[0]).contains(w) ? -1 : 0);
}

void TestFrmRuote::okSenzaRuoteRifiutato() {
    CartellaDiProva cartella;
    auto stato = baEro(cartella);
    ScriptPrompt script({true});
    ui::frm_Ruote finestra(stato);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    clicca(finestra, QStringLiteral("cmdNessuna"));
    clicca(finestra, QStringLiteral("cmd_Ok"));

    QCOMPARE(script.mostrati().size(), 1);
    QCOMPARE(script.mostrati().at(0).testo, QStringLiteral("Selezionare almeno una ruota!"));
    QCOMPARE(script.mostrati().at(0).titolo, QStringLiteral("Quintaro"));
    QVERIFY(!script.mostrati().at(0).siNo);
    QVERIFY(finestra.isVisible());
    QCOMPARE(elenco(stato), BARI_E_ROMA);
    QCOMPARE(stato.Ruota_Selezionata[0], 2);
    QCOMPARE(stato.Ruota_Selezionata[8], -1);
}

void TestFrmRuote::etichetteMostranoLaSelezioneConfermata() {
    CartellaDiProva cartella;
    auto stato = baEro(cartella);
    ScriptPrompt script;
    ui::frm_Ruote finestra(stato);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    for (int w = 1; w <= 10; ++w)
        QCOMPARE(finestra.ck_Ruota(w)->isChecked(), w == 1 || w == 8);
    for (const char* nome : {"", "ck_Ruota_3", "ck_Ruota_1", "cmdTutte", "cmdNessuna", "ck_Ruota_10"}) {
        if (*nome) clicca(finestra, QString::fromLatin1(nome));
        QCOMPARE(testo(finestra, "lblNumeroRuote"), QStringLiteral("Ruote Selezionate:  2"));
        QCOMPARE(testo(finestra, "lblRuote"), QStringLiteral("BA RO "));
    }
    QCOMPARE(finestra.ck_Ruota(10)->isChecked(), true);
    QCOMPARE(finestra.ck_Ruota(1)->isChecked(), false);
}

void TestFrmRuote::chiusaDallaCorniceNonCambiaNulla() {
    CartellaDiProva cartella;
    auto stato = baEro(cartella);
    ScriptPrompt script;
    ui::frm_Ruote finestra(stato);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    clicca(finestra, QStringLiteral("ck_Ruota_1"));
    clicca(finestra, QStringLiteral("ck_Ruota_5"));
    QVERIFY(finestra.close());
    QCOMPARE(finestra.result(), int(QDialog::Rejected));
    QCOMPARE(elenco(stato), BARI_E_ROMA);
    QVERIFY(script.mostrati().isEmpty());

    // The next opening reads the confirmed selection again, not the boxes left behind.
    ui::frm_Ruote ancora(stato);
    QVERIFY(ancora.ck_Ruota(1)->isChecked());
    QVERIFY(!ancora.ck_Ruota(5)->isChecked());
}

void TestFrmRuote::coloriDelleCaselle() {
    CartellaDiProva cartella;
    auto stato = baEro(cartella);
    ScriptPrompt script;
    ui::frm_Ruote finestra(stato);
    finestra.show();
    QVERIFY(QTest::qWaitForWindowExposed(&finestra));
    const auto verifica = [&](const QList<int>& spuntate) {
        for (int w = 1; w <= 10; ++w) {
            QCheckBox* casella = finestra.ck_Ruota(w);
            const bool attesa = spuntate.contains(w);
            QCOMPARE(casella->isChecked(), attesa);
            QCOMPARE(casella->font().bold(), attesa);
            QCOMPARE(casella->palette().color(QPalette::WindowText),
                     attesa ? QColor(Qt::yellow) : QColor(Qt::white));
        }
    };
    verifica({1, 8});
    clicca(finestra, QStringLiteral("ck_Ruota_8"));
    clicca(finestra, QStringLiteral("ck_Ruota_2"));
    verifica({1, 2});
    clicca(finestra, QStringLiteral("cmdTutte"));
    verifica({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    clicca(finestra, QStringLiteral("cmdNessuna"));
    verifica({});
}

QTEST_MAIN(TestFrmRuote)
#include "TestFrmRuote.moc"
