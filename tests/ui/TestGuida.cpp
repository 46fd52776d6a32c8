// The help: every topic is a UTF-8 page with a title, every link between pages lands on a page and anchor
// that exist; each window's help button shows its page in the one help window, usable over a modal window
// and outliving it; the help window's index and history; the links to the author; the about window.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "ui/Collegamenti.h"
#include "ui/FrmInformazioni.h"
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

#include <memory>

namespace {

/** The text of a page of the help; empty when there is no such page or it is not UTF-8. */
QString pagina(const QString& file) {
    QFile risorsa(QStringLiteral(":/guida/") + file);
    if (!risorsa.open(QIODevice::ReadOnly)) return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString testo = utf8(risorsa.readAll());
    return utf8.hasError() ? QString() : testo;
}

/** The title a page declares. */
QString titolo(const QString& file) {
    static const QRegularExpression titolo(QStringLiteral("<title>(.*)</title>"));
    return titolo.match(pagina(file)).captured(1);
}

/** A window of the program over a loaded archive, by its objectName. */
std::unique_ptr<QWidget> finestra(const QString& nome, core::Stato& stato) {
    if (nome == QStringLiteral("LeggiEstrazioni")) return std::make_unique<ui::LeggiEstrazioni>(stato);
    if (nome == QStringLiteral("frm_Ruote")) return std::make_unique<ui::frm_Ruote>(stato);
    if (nome == QStringLiteral("frmPeriodo")) return std::make_unique<ui::frmPeriodo>(stato);
    if (nome == QStringLiteral("frmFREQRITESTRATTI")) return std::make_unique<ui::frmFREQRITESTRATTI>(stato);
    if (nome == QStringLiteral("frmFREQRITAMBO")) return std::make_unique<ui::frmFREQRITAMBO>(stato);
    if (nome == QStringLiteral("frmAggiornamento")) return std::make_unique<ui::frmAggiornamento>(stato);
    if (nome == QStringLiteral("frmVisionaDieciRuote"))
        return std::make_unique<ui::frmVisionaDieciRuote>(stato);
    if (nome == QStringLiteral("frmPosteCombinazioni"))
        return std::make_unique<ui::frmPosteCombinazioni>(stato);
    return std::make_unique<ui::PRINCIPIO>(stato);
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
        QVERIFY(testo.contains(QStringLiteral("charset=utf-8")));
        QVERIFY(!titolo(file).isEmpty());
        // Every link points at a page of the help and, when it names one, at an anchor of that page.
        static const QRegularExpression collegamento(QStringLiteral("href=\"([^\"]*)\""));
        for (const auto& trovato : collegamento.globalMatch(testo)) {
            const QUrl destinazione =
                QUrl(QStringLiteral("qrc:/guida/") + file).resolved(QUrl(trovato.captured(1)));
            const QString bersaglio = pagina(destinazione.fileName());
            const QByteArray dove = (file + QStringLiteral(" -> ") + trovato.captured(1)).toUtf8();
            QVERIFY2(destinazione.scheme() == QStringLiteral("qrc") && !bersaglio.isEmpty(), dove);
            if (destinazione.hasFragment())
                QVERIFY2(bersaglio.contains(QStringLiteral("name=\"%1\"").arg(destinazione.fragment())),
                         dove);
        }
    }

    void pulsanteGuidaDiOgniFinestra_data() {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("argomento");
        const auto riga = [](const char* nome, const char* finestra, const char* comando,
                             const char* argomento) {
            QTest::addRow("%s", nome) << QString(finestra) << QString(comando) << QString(argomento);
        };
        riga("caricamento", "LeggiEstrazioni", "cmdHelp", "Caricare_un_Archivio.htm#L__Archivio_di_Default");
        riga("ruote", "frm_Ruote", "cmdHelp", "selezione_ruote.htm");
        riga("periodo", "frmPeriodo", "CmdHelpModificaPeriodo1", "selezione_periodo.htm");
        riga("numeri", "frmFREQRITESTRATTI", "cmdHelp", "freq_rit_90_numeri.htm");
        riga("ambi", "frmFREQRITAMBO", "cmdHelp", "freq_rit_ambi.htm");
        riga("aggiornamento", "frmAggiornamento", "cmdHelp", "aggiornamento_estrazione.htm");
        riga("sfoglia", "frmVisionaDieciRuote", "cmdHelp", "sfoglia_archivio.htm");
        riga("poste", "frmPosteCombinazioni", "cmdHelp", "poste_combinazioni.htm");
        riga("guida-generale", "PRINCIPIO", "mnuGuidaGuidaGenerale", "qtindex.htm");
        riga("pulsante-11", "PRINCIPIO", "cmdMenuBar_11", "finestra_principale.htm");
    }
    void pulsanteGuidaDiOgniFinestra() {
        QFETCH(QString, finestra);
        QFETCH(QString, argomento);
        prova::SenzaGuida senzaGuida;
        prova::BancoRicerca banco(30, "1000000000");
        // No payouts stored yet: the stakes window takes the defaults and says so.
        prova::ScriptPrompt script(QList<bool>{finestra == QStringLiteral("frmPosteCombinazioni")});
        std::unique_ptr<QWidget> aperta = ::finestra(finestra, banco.stato);
        aperta->setAttribute(Qt::WA_DeleteOnClose, false);
        aperta->setWindowModality(Qt::ApplicationModal);
        aperta->show();
        QVERIFY(QTest::qWaitForWindowExposed(aperta.get()));
        QFETCH(QString, comando);
        prova::clic(*aperta, comando);

        const QPointer<ui::FinestraGuida> guida = ui::finestraGuida();
        QVERIFY(guida && guida->isVisible());
        const QString file = argomento.section(QLatin1Char('#'), 0, 0);
        QCOMPARE(guida->pagina().fileName() + '#' + guida->pagina().fragment(),
                 file + '#' + argomento.section(QLatin1Char('#'), 1));
        QCOMPARE(prova::testo(*guida, "lblTitolo"), titolo(file));
        QCOMPARE(guida->windowTitle(), QStringLiteral("Guida di Quintaro - ") + titolo(file));
        // Usable over the modal window: a click of the window system reaches its "Chiudi", which hides it.
        auto* chiudi = prova::controllo(*guida, "cmdChiudi");
        QTest::mouseClick(guida->windowHandle(), Qt::LeftButton, {},
                          chiudi->mapTo(guida, chiudi->rect().center()));
        QVERIFY(!guida->isVisible());
        aperta.reset(); // the window that asked for it goes; the help stays, on its page
        QVERIFY(guida && ui::finestraGuida() == guida);
        QCOMPARE(guida->pagina().fileName(), file);
    }

    void indiceECronologia() {
        prova::SenzaGuida senzaGuida;
        QWidget prima, seconda;
        ui::mostraGuida(&prima, QStringLiteral("qtindex.htm"));
        ui::FinestraGuida* guida = ui::finestraGuida();
        QVERIFY(guida);
        auto* indice = prova::controllo<QListWidget>(*guida, "lstArgomenti");
        QStringList voci, titoli;
        for (int r = 0; r < indice->count(); ++r)
            voci << indice->item(r)->text();
        for (const QString& file : ui::argomentiGuida())
            titoli << titolo(file);
        QCOMPARE(voci, titoli);
        QVERIFY(!prova::controllo(*guida, "cmdIndietro")->isEnabled());

        ui::mostraGuida(&seconda, QStringLiteral("selezione_ruote.htm"));
        QCOMPARE(ui::finestraGuida(), guida); // one window for every caller
        QCOMPARE(indice->currentItem()->text(), titolo("selezione_ruote.htm"));
        prova::clic(*guida, "cmdIndietro");
        QCOMPARE(guida->titoloPagina(), titolo("qtindex.htm"));
        prova::clic(*guida, "cmdAvanti");
        QCOMPARE(guida->titoloPagina(), titolo("selezione_ruote.htm"));
        indice->setCurrentRow(7);
        QCOMPARE(guida->pagina().fileName(), QStringLiteral("sfoglia_archivio.htm"));
        prova::clic(*guida, "cmdIndice");
        QCOMPARE(guida->pagina().fileName(), QStringLiteral("qtindex.htm"));

        ui::mostraGuida(&seconda, QStringLiteral("manca.htm"));
        QCOMPARE(guida->titoloPagina(), QStringLiteral("Argomento non disponibile"));
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

    void informazioni() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        ui::PRINCIPIO principale(stato);
        // Without an address of the author the two links stay in the menu, inactive.
        QVERIFY(!prova::controllo<QAction>(principale, "mnuSCRIVIALLAUTORE")->isEnabled());
        QVERIFY(!prova::controllo<QAction>(principale, "mnuLINK_AL_SITO")->isEnabled());
        QStringList testi;
        prova::QuandoModale<ui::frmInformazioni> aperta([&](ui::frmInformazioni* f) {
            testi << f->windowTitle();
            for (const char* nome : {"Label1_0", "Label1_1", "lblVersione", "lblNota"})
                testi << prova::testo(*f, nome);
            for (const char* nome : {"pctEmblema", "pctStatistiche"})
                if (prova::controllo<QLabel>(*f, nome)->pixmap().isNull())
                    testi << QStringLiteral("senza immagine");
            prova::clic(*f, "cmdChiudi");
        });
        prova::clic(principale, "mnuGuidaInformazioni");
        QVERIFY(aperta.eseguita());
        QCOMPARE(testi, (QStringList{"INFORMAZIONI PROGRAMMA", "Quintaro", "Quintaro", QUINTARO_VERSIONE,
                                     "Utilizza la risoluzione video 800 X 600."}));
    }
};

QTEST_MAIN(TestGuida)
#include "TestGuida.moc"
