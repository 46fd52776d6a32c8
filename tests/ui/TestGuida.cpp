// The help: every topic a window asks for is a page of the help with its title, every link between
// pages lands on a page and anchor that exist, each window's help button shows its page in the one help
// window, usable over a modal window and outliving it; the help window's history; the links to the
// author; the about window.
#include "ArchivioAnni.h"
#include "FinestraModale.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "ui/Collegamenti.h"
#include "ui/FrmInformazioni.h"
#include "ui/Guida.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/maintenance/FrmAggiornamento.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"
#include "ui/stakes/FrmPosteCombinazioni.h"
#include "ui/stats/FrmFreqRitAmbo.h"
#include "ui/stats/FrmFreqRitEstratti.h"
#include "ui/viewer/FrmVisionaDieciRuote.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

/** The topics the windows ask for, with the title their page must show. */
const QList<std::pair<QString, QString>> ARGOMENTI{
    {"qtindex.htm", "Guida di Quintaro"},
    {"finestra_principale.htm", "La finestra principale"},
    {"Caricare_un_Archivio.htm", "Caricare un archivio"},
    {"selezione_ruote.htm", "Selezione delle ruote"},
    {"selezione_periodo.htm", "Selezione del periodo di ricerca"},
    {"freq_rit_90_numeri.htm", "Frequenze e ritardi dei 90 numeri"},
    {"freq_rit_ambi.htm", "Frequenze e ritardi degli ambi"},
    {"sfoglia_archivio.htm", "Sfoglia archivio"},
    {"aggiornamento_estrazione.htm", "Aggiornamento dell' archivio estrazioni"},
    {"poste_combinazioni.htm", "Poste e combinazioni"},
    {"freq_rit_terni.htm", "Frequenze e ritardi dei terni"},
    {"aggiorna_da_internet.htm", "Aggiorna da Internet"}};

QString titolo(const QString& file) {
    for (const auto& [nome, titolo] : ARGOMENTI)
        if (nome == file) return titolo;
    return {};
}

QString pagina(const QString& file) {
    QFile risorsa(QStringLiteral(":/guida/") + file);
    return risorsa.open(QIODevice::ReadOnly) ? QString::fromUtf8(risorsa.readAll()) : QString();
}

template <class T> T* figlio(QObject* genitore, const QString& nome) {
    auto* trovato = genitore->findChild<T*>(nome);
    if (!trovato) qFatal("oggetto %s non trovato", qPrintable(nome));
    return trovato;
}

/** The program folder of the window tests: 30 draws of 2001 loaded, BARI selected, the period applied. */
struct Banco : prova::BancoRicerca {
    Banco() : BancoRicerca(30, "1000000000") {
        for (int k = 13; k <= 19; ++k)
            core::Scrivi_Impostazione(stato, k, k <= 14 || k >= 18 ? "6" : "3");
    }
};

} // namespace

class TestGuida : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { delete ui::finestraGuida(); } // every case starts without a help window

    void pagine_data() {
        QTest::addColumn<QString>("file");
        for (const auto& [file, titolo] : ARGOMENTI)
            QTest::addRow("%s", qPrintable(file)) << file;
    }
    void pagine() {
        QFETCH(QString, file);
        QFile risorsa(QStringLiteral(":/guida/") + file);
        QVERIFY2(risorsa.open(QIODevice::ReadOnly), qPrintable(file));
        const QByteArray byte = risorsa.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString testo = utf8(byte);
        QVERIFY(!utf8.hasError());
        QVERIFY(testo.contains(QStringLiteral("charset=utf-8")));
        QVERIFY(testo.contains(QStringLiteral("<title>") + titolo(file) + QStringLiteral("</title>")));
        // Every link points at a page of the help and, when it names one, at an anchor of that page.
        static const QRegularExpression collegamento(QStringLiteral("href=\"([^\"]*)\""));
        for (const auto& trovato : collegamento.globalMatch(testo)) {
            const QUrl destinazione =
                QUrl(QStringLiteral("qrc:/guida/") + file).resolved(QUrl(trovato.captured(1)));
            QCOMPARE(destinazione.scheme(), QStringLiteral("qrc"));
            const QString bersaglio = pagina(destinazione.fileName());
            QVERIFY2(!bersaglio.isEmpty(), qPrintable(file + QStringLiteral(" -> ") + trovato.captured(1)));
            if (destinazione.hasFragment())
                QVERIFY2(bersaglio.contains(QStringLiteral("name=\"%1\"").arg(destinazione.fragment())),
                         qPrintable(file + QStringLiteral(" -> ") + trovato.captured(1)));
        }
    }

    void pulsanteGuidaDiOgniFinestra_data() {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("argomento");
        QTest::addRow("caricamento") << "LeggiEstrazioni"
                                     << "cmdHelp"
                                     << "Caricare_un_Archivio.htm#L__Archivio_di_Default";
        QTest::addRow("ruote") << "frm_Ruote"
                               << "cmdHelp"
                               << "selezione_ruote.htm";
        QTest::addRow("periodo") << "frmPeriodo"
                                 << "CmdHelpModificaPeriodo1"
                                 << "selezione_periodo.htm";
        QTest::addRow("numeri") << "frmFREQRITESTRATTI"
                                << "cmdHelp"
                                << "freq_rit_90_numeri.htm";
        QTest::addRow("ambi") << "frmFREQRITAMBO"
                              << "cmdHelp"
                              << "freq_rit_ambi.htm";
        QTest::addRow("aggiornamento") << "frmAggiornamento"
                                       << "cmdHelp"
                                       << "aggiornamento_estrazione.htm";
        QTest::addRow("sfoglia") << "frmVisionaDieciRuote"
                                 << "cmdHelp"
                                 << "sfoglia_archivio.htm";
        QTest::addRow("poste") << "frmPosteCombinazioni"
                               << "cmdHelp"
                               << "poste_combinazioni.htm";
        QTest::addRow("guida-generale") << "PRINCIPIO"
                                        << "mnuGuidaGuidaGenerale"
                                        << "qtindex.htm";
        QTest::addRow("pulsante-11") << "PRINCIPIO"
                                     << "cmdMenuBar_11"
                                     << "finestra_principale.htm";
    }
    void pulsanteGuidaDiOgniFinestra() {
        QFETCH(QString, finestra);
        QFETCH(QString, comando);
        QFETCH(QString, argomento);
        Banco banco;
        prova::ScriptPrompt script;
        std::unique_ptr<QWidget> aperta;
        if (finestra == QStringLiteral("LeggiEstrazioni"))
            aperta = std::make_unique<ui::LeggiEstrazioni>(banco.stato);
        if (finestra == QStringLiteral("frm_Ruote")) aperta = std::make_unique<ui::frm_Ruote>(banco.stato);
        if (finestra == QStringLiteral("frmPeriodo")) aperta = std::make_unique<ui::frmPeriodo>(banco.stato);
        if (finestra == QStringLiteral("frmFREQRITESTRATTI"))
            aperta = std::make_unique<ui::frmFREQRITESTRATTI>(banco.stato, nullptr);
        if (finestra == QStringLiteral("frmFREQRITAMBO"))
            aperta = std::make_unique<ui::frmFREQRITAMBO>(banco.stato, nullptr);
        if (finestra == QStringLiteral("PRINCIPIO")) aperta = std::make_unique<ui::PRINCIPIO>(banco.stato);
        if (finestra == QStringLiteral("frmAggiornamento"))
            aperta = std::make_unique<ui::frmAggiornamento>(banco.stato);
        if (finestra == QStringLiteral("frmVisionaDieciRuote"))
            aperta = std::make_unique<ui::frmVisionaDieciRuote>(banco.stato);
        if (finestra == QStringLiteral("frmPosteCombinazioni")) {
            script.aggiungi({true}); // no payouts stored yet: the defaults are taken and said so
            aperta = std::make_unique<ui::frmPosteCombinazioni>(banco.stato);
        }
        aperta->setAttribute(Qt::WA_DeleteOnClose, false);
        aperta->setWindowModality(Qt::ApplicationModal);
        aperta->show();
        QVERIFY(QTest::qWaitForWindowExposed(aperta.get()));
        QVERIFY(!ui::finestraGuida());
        if (auto* voce = aperta->findChild<QAction*>(comando))
            voce->trigger();
        else
            QTest::mouseClick(figlio<QAbstractButton>(aperta.get(), comando), Qt::LeftButton);

        const QPointer<ui::FinestraGuida> guida = ui::finestraGuida();
        QVERIFY(guida && guida->isVisible());
        const QString file = argomento.section(QLatin1Char('#'), 0, 0);
        QCOMPARE(guida->pagina().fileName(), file);
        QCOMPARE(guida->pagina().fragment(), argomento.section(QLatin1Char('#'), 1));
        QCOMPARE(figlio<QLabel>(guida, "lblTitolo")->text(), titolo(file));
        QCOMPARE(guida->windowTitle(), QStringLiteral("Guida di Quintaro - ") + titolo(file));
        // Usable over the modal window: a click of the window system reaches its "Chiudi", which hides it.
        auto* chiudi = figlio<QPushButton>(guida, "cmdChiudi");
        QTest::mouseClick(guida->windowHandle(), Qt::LeftButton, {},
                          chiudi->mapTo(guida, chiudi->rect().center()));
        QVERIFY(!guida->isVisible());
        aperta.reset(); // the window that asked for it goes; the help stays, on its page
        QVERIFY(guida && ui::finestraGuida() == guida);
        QCOMPARE(guida->pagina().fileName(), file);
    }

    void cronologiaEIndice() {
        QWidget prima, seconda;
        ui::mostraGuida(&prima, QStringLiteral("qtindex.htm"));
        ui::FinestraGuida* guida = ui::finestraGuida();
        QVERIFY(guida);
        auto* indietro = figlio<QPushButton>(guida, "cmdIndietro");
        auto* avanti = figlio<QPushButton>(guida, "cmdAvanti");
        auto* indice = figlio<QListWidget>(guida, "lstArgomenti");
        QStringList voci;
        for (int r = 0; r < indice->count(); ++r)
            voci << indice->item(r)->text();
        QStringList titoli;
        for (const auto& argomento : ARGOMENTI)
            titoli << argomento.second;
        QCOMPARE(voci, titoli);
        QVERIFY(!indietro->isEnabled());

        ui::mostraGuida(&seconda, QStringLiteral("selezione_ruote.htm"));
        QCOMPARE(ui::finestraGuida(), guida); // one window for every caller
        QCOMPARE(indice->currentItem()->text(), titolo("selezione_ruote.htm"));
        QTest::mouseClick(indietro, Qt::LeftButton);
        QCOMPARE(guida->titoloPagina(), titolo("qtindex.htm"));
        QTest::mouseClick(avanti, Qt::LeftButton);
        QCOMPARE(guida->titoloPagina(), titolo("selezione_ruote.htm"));
        indice->setCurrentRow(7);
        QCOMPARE(guida->pagina().fileName(), QStringLiteral("sfoglia_archivio.htm"));
        QTest::mouseClick(figlio<QPushButton>(guida, "cmdIndice"), Qt::LeftButton);
        QCOMPARE(guida->pagina().fileName(), QStringLiteral("qtindex.htm"));

        ui::mostraGuida(&seconda, QStringLiteral("manca.htm"));
        QCOMPARE(guida->titoloPagina(), QStringLiteral("Argomento non disponibile"));
    }

    void collegamenti_data() {
        QTest::addColumn<QString>("destinazione");
        QTest::addColumn<QString>("aperto"); // empty: nothing is opened
        QTest::addRow("posta") << ui::collegamentoPosta(QStringLiteral("autore@example.org"))
                               << QStringLiteral(
                                      "mailto:autore@example.org?SUBJECT=Quintaro vers." QUINTARO_VERSIONE
                                      " :");
        QTest::addRow("sito") << "https://example.org/lotto"
                              << "https://example.org/lotto";
        QTest::addRow("file-locale") << "file:///etc/passwd"
                                     << "";
        QTest::addRow("senza-indirizzo") << ui::collegamentoPosta({}) << "";
    }
    void collegamenti() {
        QFETCH(QString, destinazione);
        QFETCH(QString, aperto);
        QStringList aperti;
        const ui::ApriUrl precedente = ui::installaApriCollegamento([&](const QUrl& indirizzo) {
            aperti << indirizzo.toString();
            return true;
        });
        ui::Apri_Collegamento(nullptr, destinazione);
        ui::installaApriCollegamento(precedente);
        QCOMPARE(aperti, aperto.isEmpty() ? QStringList{} : QStringList{QUrl(aperto).toString()});
    }

    void informazioni() {
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        ui::PRINCIPIO principale(stato);
        // Without an address of the author the two links stay in the menu, inactive.
        QVERIFY(!figlio<QAction>(&principale, "mnuSCRIVIALLAUTORE")->isEnabled());
        QVERIFY(!figlio<QAction>(&principale, "mnuLINK_AL_SITO")->isEnabled());
        QStringList testi;
        prova::QuandoModale<ui::frmInformazioni> aperta([&](ui::frmInformazioni* f) {
            testi << f->windowTitle();
            for (const char* nome : {"Label1_0", "Label1_1", "lblVersione", "lblNota"})
                testi << figlio<QLabel>(f, nome)->text();
            for (const char* nome : {"pctEmblema", "pctStatistiche"})
                if (figlio<QLabel>(f, nome)->pixmap().isNull()) testi << QStringLiteral("senza immagine");
            QTest::mouseClick(figlio<QPushButton>(f, "cmdChiudi"), Qt::LeftButton);
        });
        figlio<QAction>(&principale, "mnuGuidaInformazioni")->trigger();
        QVERIFY(aperta.eseguita());
        QCOMPARE(testi, (QStringList{"INFORMAZIONI PROGRAMMA", "Quintaro", "Quintaro", QUINTARO_VERSIONE,
                                     "Utilizza la risoluzione video 800 X 600."}));
    }
};

QTEST_MAIN(TestGuida)
#include "TestGuida.moc"
