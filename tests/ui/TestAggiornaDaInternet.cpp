// "Aggiorna da Internet…" from the main window and the check at start-up, against a server on 127.0.0.1
// (the operator's addresses replaced by the server's, so that nothing reaches the Internet).
#include "ArchivioDiProva.h"
#include "FinestraModale.h"
#include "Finestre.h"
#include "ScriptPrompt.h"
#include "ServerDiProva.h"
#include "core/Campi.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/rete/AggiornaDaInternet.h"
#include "ui/rete/FrmOpzioniAggiornamento.h"
#include "ui/selection/FrmPeriodo.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

class TestAggiornaDaInternet : public QObject {
    Q_OBJECT
private slots:
    void aggiornaDalMenuEAllAvvio_data() {
        QTest::addColumn<bool>("avvio");       // the check at start-up instead of the menu
        QTest::addColumn<QByteArray>("primo"); // the user's own address: a path of the server, or "chiuso"
        QTest::addColumn<QList<int>>("scelte");
        QTest::addColumn<QString>("ultimo"); // the end of the last box; empty for no box at all
        const QString aggiunte = "ne contiene ora 5. Le 3 estrazioni in comune con l'archivio concordano.";
        QTest::addRow("menu-aggiunge") << false << QByteArray("/storico.zip") << QList<int>{0} << aggiunte;
        QTest::addRow("menu-dettagli-poi-annulla")
            << false << QByteArray("/storico.zip") << QList<int>{1, 0, 2}
            << "Aggiungere le estrazioni nuove all'archivio?";
        QTest::addRow("menu-gia-aggiornato")
            << false << QByteArray("/vecchio.zip") << QList<int>{} << "L'archivio è già aggiornato.";
        QTest::addRow("menu-annulla-lo-scaricamento")
            << false << QByteArray("/fermo.zip") << QList<int>{} << "";
        QTest::addRow("avvio-aggiunge") << true << QByteArray("/storico.zip") << QList<int>{0} << aggiunte;
        QTest::addRow("avvio-senza-rete-tace") << true << QByteArray("chiuso") << QList<int>{} << "";
    }
    void aggiornaDalMenuEAllAvvio() {
        QFETCH(bool, avvio);
        QFETCH(QByteArray, primo);
        QFETCH(QList<int>, scelte);
        QFETCH(QString, ultimo);
        const int caricate = ultimo.endsWith("concordano.") ? 5 : 3; // the draws loaded at the end
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < 5; ++i)
            estrazioni.push_back(prova::estrazione(1 + i, 3, 2001, 1 + i, i));
        const auto zip = [&](int n) {
            return prova::http(200,
                               prova::zip("storico.txt", QByteArray::fromStdString(prova::testoStorico(
                                                             {estrazioni.begin(), estrazioni.begin() + n}))));
        };
        prova::ServerDiProva server;
        server.imposta("/storico.zip", zip(5));
        server.imposta("/vecchio.zip", zip(3));
        server.imposta("/fermo.zip", zip(5), prova::Invio::Fermo);
        const auto predefiniti =
            ui::sostituisciIndirizziPredefiniti({server.indirizzo("/manca").toStdString()});
        prova::CartellaDiProva cartella;
        auto stato = cartella.stato();
        cartella.scriviArchivio({estrazioni.begin(), estrazioni.begin() + 3});
        QVERIFY(core::caricaArchivio(stato));
        const QString indirizzo = server.indirizzo(primo);
        QVERIFY(core::scriviTestoLungo(stato, core::campi::INDIRIZZO_AGGIORNAMENTO, indirizzo.toStdString()));
        QVERIFY(core::scriviCampo(stato, core::campi::CONTROLLO_ALL_AVVIO, 1));

        prova::ScriptPrompt script({true, true, true});
        script.scelte(scelte);
        ui::PRINCIPIO principale(stato);
        principale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&principale));
        prova::QuandoModale<ui::LeggiEstrazioni> carica([](ui::LeggiEstrazioni* f) { f->cmdSkip_Click(); });
        prova::QuandoModale<ui::frmPeriodo> periodo([](ui::frmPeriodo* f) { f->close(); });
        prova::QuandoModale<ui::frmScaricamento> progresso([&](ui::frmScaricamento* f) {
            if (primo != "/fermo.zip") return;
            // Half of the file arrived: the window tells how much of how much, then "Annulla" stops it.
            auto* barra = f->findChild<QProgressBar*>("prbScaricamento");
            QTRY_VERIFY(barra->value() > 0 && barra->value() < 1000);
            QCOMPARE(f->findChild<QLabel*>("lblIndirizzo")->text() + '|' +
                         f->findChild<QLabel*>("lblRicevuti")->text(),
                     "Scaricamento del file delle estrazioni da " + indirizzo + "|Ricevuti 1 kB di 2 kB");
            QTest::mouseClick(f->findChild<QPushButton*>("cmdAnnulla"), Qt::LeftButton);
            // Stopped there: no next address is tried.
            QCOMPARE(f->findChild<QLabel*>("lblRicevuti")->text(), "Ricevuti 1 kB di 2 kB");
        });
        if (avvio) {
            const QPointer<rete::Scaricamento> controllo = principale.controllaAggiornamenti();
            QVERIFY(controllo);
            QTRY_VERIFY(controllo.isNull());
        } else {
            principale.findChild<QAction*>("mnuArchivioAggiornaInternet")->trigger();
        }
        ui::sostituisciIndirizziPredefiniti(predefiniti);

        if (!scelte.isEmpty()) { // the new draws under the question, the file's report behind Dettagli…
            QCOMPARE(script.mostrati().at(0).pulsanti,
                     (QStringList{"Aggiungi le estrazioni nuove", "Dettagli…", "Annulla"}));
            QVERIFY(script.mostrati().at(0).dettagli.startsWith("1) 4/3/2001, concorso 4/2001\n   BA ") &&
                    script.mostrati().at(0).dettagli.contains("\n2) 5/3/2001, concorso 5/2001\n"));
            QCOMPARE(script.mostrati().at(1).dettagli.startsWith("Righe rifiutate: nessuna."),
                     scelte.size() > 1);
        }
        QCOMPARE(script.mostrati().isEmpty(), ultimo.isEmpty());
        if (!ultimo.isEmpty())
            QVERIFY2(script.testi().last().endsWith(ultimo), qPrintable(script.testi().last()));
        QCOMPARE(carica.eseguita(), caricate == 5);
        QCOMPARE(stato.Estrazioni_Caricate, caricate);
        // The archive line urges no update that the site has just been found unable to bring.
        const QString riga = principale.findChild<QLabel*>("lblArchivioCaricato")->text();
        QCOMPARE(riga.contains(" — aggiornato: il sito non ha estrazioni più recenti, controllato il "),
                 ultimo == "L'archivio è già aggiornato.");
    }

    void opzioniConUnIndirizzoTroppoLungo() {
        prova::CartellaDiProva cartella;
        const auto stato = cartella.stato();
        QVERIFY(core::scriviCampo(stato, core::campi::CONTROLLO_ALL_AVVIO, 1));
        ui::frmOpzioniAggiornamento f(stato);
        f.show();
        QVERIFY(prova::controllo<QCheckBox>(f, "chkControlloAvvio")->isChecked()); // as stored
        // 190 characters, as many as the box takes, but 360 bytes in the settings file.
        prova::controllo<QLineEdit>(f, "txtIndirizzo")->setText("https://example.org/" + QString(170, u'à'));
        prova::ScriptPrompt script({true});
        prova::clic(f, "cmdOK");
        // Refused with the reason, and the window stays open on the address.
        QCOMPARE(script.testi(),
                 QStringList{"L'indirizzo non si può usare. Il testo supera i 190 caratteri."});
        QVERIFY(f.isVisible());
        // A good one is kept without a word, and the window closes.
        prova::controllo<QLineEdit>(f, "txtIndirizzo")->setText("https://example.org/storico.zip");
        prova::clic(f, "cmdOK");
        QVERIFY(script.testi().size() == 1 && !f.isVisible());
    }
};

QTEST_MAIN(TestAggiornaDaInternet)
#include "TestAggiornaDaInternet.moc"
