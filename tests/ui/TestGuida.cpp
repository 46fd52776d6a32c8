// The help: every topic is a UTF-8 page with a title, every link between pages lands on a page and anchor
// that exist; each window's help button shows its page in the one help window, usable over a modal window
// and outliving it; the links to the author.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "ui/Collegamenti.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/maintenance/FrmAggiornamento.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"
#include "ui/stakes/FrmPosteCombinazioni.h"
#include "ui/stats/FrmFreqRitAmbo.h"
#include "ui/stats/FrmFreqRitEstratti.h"
#include "ui/viewer/FrmVisionaDieciRuote.h"

#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// The text of a page of the help; empty when there is no such page or it is not UTF-8.
QString pagina(const QString& file) {
    QFile risorsa(QStringLiteral(":/guida/") + file);
    if (!risorsa.open(QIODevice::ReadOnly)) return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString testo = utf8(risorsa.readAll());
    return utf8.hasError() ? QString() : testo;
}

// The title a page declares.
QString titolo(const QString& file) {
    static const QRegularExpression titolo(QStringLiteral("<title>(.*)</title>"));
    return titolo.match(pagina(file)).captured(1);
}

// A window of the program by its objectName.
template <class... Finestre> std::unique_ptr<QWidget> finestra(const QString& nome, core::Stato& stato) {
    std::unique_ptr<QWidget> aperta;
    ((Finestre::staticMetaObject.className() == "ui::" + nome
          ? void(aperta = std::make_unique<Finestre>(stato))
          : void()),
     ...);
    return aperta;
}

} // namespace

class TestGuida : public QObject {
    Q_OBJECT
private slots:
    void pagine_data() {
        QTest::addColumn<QString>("file");
        for (const QString& file : ui::argomentiGuida())
            QTest::addRow("%s", qPrintable(file)) << file;
    }
    void pagine() {
        QFETCH(QString, file);
        const QString testo = pagina(file);
        QVERIFY(testo.contains(QStringLiteral("charset=utf-8")) && !titolo(file).isEmpty());
        // Every link points at a page of the help and, when it names one, at an anchor of that page.
        static const QRegularExpression collegamento(QStringLiteral("href=\"([^\"]*)\""));
        for (const auto& trovato : collegamento.globalMatch(testo)) {
            const QUrl destinazione =
                QUrl(QStringLiteral("qrc:/guida/") + file).resolved(QUrl(trovato.captured(1)));
            const QString bersaglio = pagina(destinazione.fileName());
            const QString ancora =
                destinazione.hasFragment() ? "name=\"" + destinazione.fragment() + '"' : "";
            QVERIFY2(destinazione.scheme() == "qrc" && !bersaglio.isEmpty() && bersaglio.contains(ancora),
                     qPrintable(file + " -> " + trovato.captured(1)));
        }
    }

    void pulsanteGuidaDiOgniFinestra_data() {
        QTest::addColumn<QString>("caso"); // the window, its help command, the topic it shows
        QTest::addRow("caricamento") << QString(
            "LeggiEstrazioni cmdHelp Caricare_un_Archivio.htm#L__Archivio_di_Default");
        QTest::addRow("ruote") << QString("frm_Ruote cmdHelp selezione_ruote.htm");
        QTest::addRow("periodo") << QString("frmPeriodo CmdHelpModificaPeriodo1 selezione_periodo.htm");
        QTest::addRow("numeri") << QString("frmFREQRITESTRATTI cmdHelp freq_rit_90_numeri.htm");
        QTest::addRow("ambi") << QString("frmFREQRITAMBO cmdHelp freq_rit_ambi.htm");
        QTest::addRow("aggiornamento") << QString("frmAggiornamento cmdHelp aggiornamento_estrazione.htm");
        QTest::addRow("sfoglia") << QString("frmVisionaDieciRuote cmdHelp sfoglia_archivio.htm");
        QTest::addRow("poste") << QString("frmPosteCombinazioni cmdHelp poste_combinazioni.htm");
        QTest::addRow("guida-generale") << QString("PRINCIPIO mnuGuidaGuidaGenerale qtindex.htm");
        QTest::addRow("pulsante-11") << QString("PRINCIPIO cmdMenuBar_11 finestra_principale.htm");
    }
    void pulsanteGuidaDiOgniFinestra() {
        QFETCH(QString, caso);
        const QString finestra = caso.section(' ', 0, 0), argomento = caso.section(' ', 2);
        prova::SenzaGuida senzaGuida;
        prova::BancoRicerca banco(30, "1000000000");
        // No payouts stored yet: the stakes window takes the defaults and says so.
        prova::ScriptPrompt script(QList<bool>{finestra == QStringLiteral("frmPosteCombinazioni")});
        std::unique_ptr<QWidget> aperta =
            ::finestra<ui::LeggiEstrazioni, ui::frm_Ruote, ui::frmPeriodo, ui::frmFREQRITESTRATTI,
                       ui::frmFREQRITAMBO, ui::frmAggiornamento, ui::frmVisionaDieciRuote,
                       ui::frmPosteCombinazioni, ui::PRINCIPIO>(finestra, banco.stato);
        aperta->setAttribute(Qt::WA_DeleteOnClose, false);
        aperta->setWindowModality(Qt::ApplicationModal);
        aperta->show();
        QVERIFY(QTest::qWaitForWindowExposed(aperta.get()));
        prova::clic(*aperta, caso.section(' ', 1, 1));

        const QPointer<ui::FinestraGuida> guida = ui::finestraGuida();
        QVERIFY(guida && guida->isVisible());
        QCOMPARE(guida->pagina().toString(), "qrc:/guida/" + argomento);
        const QString file = argomento.section(QLatin1Char('#'), 0, 0);
        QCOMPARE(prova::testo(*guida, "lblTitolo"), titolo(file));
        const QString indice = QStringLiteral("Guida di Quintaro"); // the index page's title, said once
        QCOMPARE(guida->windowTitle(), titolo(file) == indice ? indice : indice + " - " + titolo(file));
        const auto* voce = guida->findChild<QListWidget*>("lstArgomenti")->currentItem();
        QCOMPARE(voce ? voce->text() : QString(), titolo(file)); // the page marked in the list of topics
        // Usable over the modal window: a click of the window system reaches its "Chiudi", which hides it.
        auto* chiudi = prova::controllo(*guida, "cmdChiudi");
        QTest::mouseClick(guida->windowHandle(), Qt::LeftButton, {},
                          chiudi->mapTo(guida, chiudi->rect().center()));
        QVERIFY(!guida->isVisible());
        aperta.reset(); // the window that asked for it goes; the help stays, on its page
        QVERIFY(guida && ui::finestraGuida() == guida);
        QCOMPARE(guida->pagina().fileName(), file);
    }

    void collegamenti_data() {
        QTest::addColumn<QString>("destinazione");
        QTest::addColumn<QString>("aperto"); // empty: nothing is opened
        QTest::addRow("posta") << ui::collegamentoPosta(QStringLiteral("autore@example.org"))
                               << "mailto:autore@example.org?SUBJECT=Quintaro vers." QUINTARO_VERSIONE " :";
        QTest::addRow("sito") << "https://example.org/lotto"
                              << "https://example.org/lotto";
        QTest::addRow("file-locale") << "file:///etc/passwd" << QString();
        QTest::addRow("senza-indirizzo") << ui::collegamentoPosta({}) << QString();
    }
    void collegamenti() {
        QFETCH(QString, destinazione);
        QFETCH(QString, aperto);
        QStringList aperti;
        prova::Sostituto apri(ui::installaApriCollegamento, [&](const QUrl& indirizzo) {
            aperti << indirizzo.toString();
            return true;
        });
        ui::Apri_Collegamento(nullptr, destinazione);
        QCOMPARE(aperti, aperto.isEmpty() ? QStringList{} : QStringList{QUrl(aperto).toString()});
    }
};

QTEST_MAIN(TestGuida)
#include "TestGuida.moc"
