// The maintenance window: browsing, typing a draw and its checks, the four operations with their
// questions and messages, copy and paste, the report, the backup command and reminder, the print of the
// shown draw, and the reload of the archive when the window closes after a change.
#include "ArchivioDiProva.h"
#include "Finestre.h"
#include "core/Campi.h"
#include "core/Impostazioni.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/maintenance/FrmAggiornamento.h"
#include "ui/selection/FrmPeriodo.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

using Modo = ui::frmAggiornamento::Modo;

namespace {

QLineEdit* casella(const QObject& f, const QString& nome) {
    return prova::controllo<QLineEdit>(f, nome);
}
QLineEdit* estratto(const QObject& f, int k) {
    return casella(f, QStringLiteral("txtEstratto_%1").arg(k));
}

// Three draws: 2002 contests 1-2, 2003 contest 1 with GENOVA null.
struct Archivio {
    Archivio() {
        cartella.scriviArchivio({prova::estrazione(5, 6, 2002, 1, 1), prova::estrazione(8, 6, 2002, 2, 2),
                                 prova::estrazione(4, 1, 2003, 1, 3, {4})});
        stato.Max_Concorsi_Anno = 156;
    }
    // The number of draws each of the twelve files holds, once when they agree.
    QString estrazioni() const {
        QStringList quante;
        const auto file = prova::fotografia(cartella);
        for (std::size_t i = 0; i < file.size(); ++i)
            quante << QString::number(file[i].size() / (i < 11 ? 5 : i == 11 ? 10 : 8));
        quante.removeDuplicates();
        return quante.join(QLatin1Char(' '));
    }
    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

// Fills the date ("d/m/y"), contest 5 and the fifty numbers (distinct on each wheel).
void scriviEstrazione(ui::frmAggiornamento& f, const QString& data) {
    const QStringList parti = data.split(QLatin1Char('/'));
    casella(f, "txt_Giorno")->setText(parti.value(0));
    casella(f, "txt_Mese")->setText(parti.value(1));
    casella(f, "txt_Anno_Data")->setText(parti.value(2));
    casella(f, "txt_Concorso")->setText(QStringLiteral("5"));
    for (int k = 1; k <= 50; ++k)
        estratto(f, k)->setText(QString::number(k + 1));
}

} // namespace

class TestFrmAggiornamento : public QObject {
    Q_OBJECT
private slots:
    void aperturaInSfoglia() {
        Archivio a;
        ui::frmAggiornamento f(a.stato);
        QCOMPARE(prova::controllo<QGroupBox>(f, "fmeEstrazioneCompleta")->title(), "SFOGLIA ESTRAZIONI");
        QCOMPARE(prova::testo(f, "lblNumeroEstrazione") + casella(f, "txt_Giorno")->text(), "3 4");
        QCOMPARE(estratto(f, 16)->text(), QStringLiteral("0")); // GENOVA null on the last draw
        QCOMPARE(prova::testo(f, "lb_Info_1") + '|' + prova::testo(f, "lb_Info_3"),
                 QStringLiteral("estr. 1 -   1/2002|estr. 3 -   1/2003"));
        QVERIFY(!prova::controllo(f, "cmd_Nulle_1")->isEnabled() &&
                !prova::controllo(f, "cmd_Nulle_11")->isEnabled());
        // Keys in browse mode change nothing.
        QTest::keyClicks(estratto(f, 1), QStringLiteral("9"));
        QTest::keyClicks(casella(f, "txt_Giorno"), QStringLiteral("1"));
        QCOMPARE(casella(f, "txt_Giorno")->text(), QStringLiteral(" 4"));
        // Yet Tab moves the focus on, and the boxes paint what they hold.
        f.show();
        estratto(f, 3)->setFocus();
        QTest::keyClick(estratto(f, 3), Qt::Key_Tab);
        QVERIFY(estratto(f, 1)->grab().toImage() != estratto(f, 16)->grab().toImage()); // a number, a 0
        QCOMPARE(f.focusWidget(), estratto(f, 4));
        prova::sposta(f, "vscEstrazioni", 1);
        QCOMPARE(casella(f, "txt_Anno_Data")->text() + prova::testo(f, "lb_Info_6"), "20025/6/2002");
    }

    void unaEstrazioneSbagliataSiRifiutaEResta_data() {
        // A draw of `data`, contest 5, numbers 2..51, typed on 2/12/2025; box 1 then holds `bari`.
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("bari");
        QTest::addColumn<QString>("motivo");
        const auto riga = [](const char* nome, Modo modo, const char* data, const char* bari,
                             const char* motivo) {
            QTest::addRow("%s", nome) << int(modo) << QString(data) << QString(bari) << QString(motivo);
        };
        riga("lettere-in-bari", Modo::Nuova, "1/12/2025", "ab", "BARI il primo numero, \"ab\"");
        riga("data-futura", Modo::Nuova, "3/12/2025", "2", "è una data futura");
        riga("nuova-prima-dell-ultima", Modo::Nuova, "3/1/2003", "2",
             "successiva al 4/1/2003, data dell' estrazione 3.");
        riga("inserita-dopo-la-sua-seguente", Modo::Intramezzo, "9/6/2002", "2",
             "precedente al 8/6/2002, data dell' estrazione 2.");
        riga("corretta-prima-della-sua-precedente", Modo::Vecchia, "5/6/2002", "2",
             "successiva al 5/6/2002, data dell' estrazione 1.");
    }
    void unaEstrazioneSbagliataSiRifiutaEResta() {
        QFETCH(int, modo);
        QFETCH(QString, data);
        QFETCH(QString, bari);
        QFETCH(QString, motivo);
        Archivio a;
        const auto prima = prova::fotografia(a.cartella);
        ui::frmAggiornamento f(a.stato);
        f.impostaOggi(QDate(2025, 12, 2));
        f.show();
        prova::sposta(f, "vscEstrazioni", 2);
        f.entraModo(Modo(modo));
        scriviEstrazione(f, data);
        estratto(f, 1)->setText(bari);
        prova::ScriptPrompt script({true});
        f.cmd_Registra_Estrazione_Click();
        QCOMPARE(script.titoli(), QStringList{QStringLiteral("ERRORE INSERIMENTO DATI")});
        const QString testo = script.testi().value(0);
        QVERIFY2(testo.startsWith("Impossibile registrare l' estrazione, Errore nell' inserimento ") &&
                     testo.contains(motivo),
                 qPrintable(testo));
        QTest::keyClick(f.focusWidget(), Qt::Key_Escape); // Esc does not throw the draw away either
        // The window stays with the boxes as typed, the focus on the wrong one; nothing is written.
        QVERIFY(f.isVisible() && f.Modalita_Inserimento && !f.Archivio_Toccato);
        QCOMPARE(f.focusWidget(), bari == "2" ? casella(f, "txt_Giorno") : estratto(f, 1));
        QCOMPARE(casella(f, "txt_Giorno")->text() + estratto(f, 1)->text(), data.section('/', 0, 0) + bari);
        QCOMPARE(prova::fotografia(a.cartella), prima);
    }

    void nuovaEstrazioneConCopiaEIncolla() {
        Archivio a;
        QVERIFY(core::Scrivi_Impostazione(a.stato, 50, "1"));
        QVERIFY(core::Scrivi_Impostazione(a.stato, 51, "1"));
        ui::frmAggiornamento f(a.stato);
        QSignalSpy cambiato(&f, &ui::frmAggiornamento::archivioCambiato);
        prova::sposta(f, "vscEstrazioni", 2);
        f.copiaEstrazione();
        prova::clic(f, "cmdTollbar_0");
        QCOMPARE(prova::controllo<QGroupBox>(f, "fmeEstrazioneCompleta")->title() + '|' +
                     prova::testo(f, "lb_Info_5"),
                 " Inserimento NUOVA ESTRAZIONE|NUOVA ESTRAZIONE");
        QCOMPARE(prova::testo(f, "lblNumeroEstrazione") + casella(f, "txt_Giorno")->text(), "4");
        // The keys go through the filter: a contest above the highest one, a year up to 2500.
        QTest::keyClicks(casella(f, "txt_Anno_Data"), QStringLiteral("25001"));
        QTest::keyClicks(casella(f, "txt_Concorso"), QStringLiteral("157"));
        QCOMPARE(casella(f, "txt_Concorso")->text() + prova::testo(f, "lbl_Anno_Concorso"), "152500");
        // A number typed stays in its box; Enter moves on, from box to box and from the year to the contest.
        f.show();
        QTest::keyClicks(estratto(f, 1), QStringLiteral("7"));
        QTest::keyClick(estratto(f, 1), Qt::Key_Return);
        const QString dopoIlNumero = f.focusWidget()->objectName();
        QTest::keyClick(casella(f, "txt_Anno_Data"), Qt::Key_Return);
        QCOMPARE(QStringList({estratto(f, 1)->text(), dopoIlNumero, f.focusWidget()->objectName()}),
                 QStringList({"7", estratto(f, 2)->objectName(), "txt_Concorso"}));
        f.incollaEstrazione();
        QCOMPARE(casella(f, "txt_Giorno")->text(), QStringLiteral("8"));
        const auto copiata = prova::estrazione(8, 6, 2002, 2, 2); // its first and last number
        QCOMPARE(estratto(f, 1)->text() + ' ' + estratto(f, 50)->text(),
                 QString::number(copiata.ruote[0][0]) + ' ' + QString::number(copiata.ruote[9][4]));
        prova::clic(f, "cmd_Nulle_10");
        QTest::keyClick(casella(f, "txt_Anno_Data"), Qt::Key_A, Qt::ControlModifier); // all, then replaced
        QTest::keyClicks(casella(f, "txt_Anno_Data"),
                         QStringLiteral("2003")); // after the last draw, 4/1/2003

        prova::ScriptPrompt script({true, true});
        f.cmd_Registra_Estrazione_Click();
        QCOMPARE(script.titoli(), (QStringList{QStringLiteral("INSERIMENTO Nuova Estrazione"),
                                               QStringLiteral("AVVISO PROGRAMMATO DI BACKUP ARCHIVIO")}));
        QCOMPARE(a.estrazioni(), QStringLiteral("4"));
        QCOMPARE(a.cartella.leggiFile("RUOTE/DATA").substr(30), std::string(" 8/ 6/2003"));
        QCOMPARE(a.cartella.leggiFile("RUOTE/VENEZIA").substr(15), std::string(5, char(140)));
        // Back in browse mode on the new last draw.
        QVERIFY(!f.Modalita_Inserimento);
        QCOMPARE(prova::testo(f, "lb_Info_3"), QStringLiteral("estr. 4 -   2/2003"));
        QCOMPARE(a.stato.Contatori_Modifiche[1], 1);
        f.show();
        f.close();
        QCOMPARE(cambiato.count(), 1);
    }

    void unArchivioVuotoMostraZeroEstrazioni() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio({});
        auto stato = cartella.stato();
        ui::frmAggiornamento f(stato);
        QVERIFY(prova::testo(f, "lb_Info_0") == "0" && !prova::controllo(f, "vscEstrazioni")->isEnabled());
    }

    void unArchivioPienoNonPrendeUnaNuovaEstrazione() {
        Archivio a;
        a.stato.Max_Estrazioni_Archivio = 3;
        ui::frmAggiornamento f(a.stato);
        f.show();
        f.entraModo(Modo::Vecchia); // a draw may still be corrected; a new one is refused, the mode stays
        prova::ScriptPrompt script({true});
        prova::clic(f, "optNuovaEstrazione");
        QCOMPARE(script.testi(),
                 QStringList{"Limite di estrazioni registrabili raggiunto. Impossibile aggiornare "
                             "ulteriormente l' Archivio."});
        QVERIFY(prova::controllo<QRadioButton>(f, "optModificaVecchiaEstrazione")->isChecked() &&
                !prova::controllo<QRadioButton>(f, "optNuovaEstrazione")->isChecked());
    }

    void leOperazioniSuDueEstrazioniEIlLoroEsito_data() {
        QTest::addColumn<int>("modo"); // on draw 2, typed as of 7/6/2002 (between draws 1 and 2)
        QTest::addColumn<bool>("risposta");
        QTest::addColumn<QString>("guasto"); // "concorso-0": a contest 0 in the last record
        QTest::addColumn<QStringList>("titoli");
        QTest::addColumn<int>("estrazioni");
        const QString conferma = QStringLiteral(" CONFERMA OPERAZIONE"),
                      fallita = QStringLiteral("Modifica VECCHIA ESTRAZIONE");
        const int inserisci = int(Modo::Intramezzo), elimina = int(Modo::Elimina);
        QTest::addRow("inserisci") << inserisci << true << QString()
                                   << QStringList{conferma, "Inserimento INTRAMEZZO Estrazione"} << 4;
        QTest::addRow("inserisci-no") << inserisci << false << QString() << QStringList{conferma} << 3;
        QTest::addRow("elimina") << elimina << true << QString()
                                 << QStringList{conferma, "ELIMINA Vecchia Estrazione"} << 2;
        // A failure is not counted and leaves one whole archive, old or new, for the window to browse.
        QTest::addRow("vecchia-file-non-scritto")
            << int(Modo::Vecchia) << true << "scrivi:CONCORSO" << QStringList{fallita} << 3;
        QTest::addRow("inserita-rinumerazione-fallita")
            << inserisci << true << "concorso-0" << QStringList{conferma, "RISCRITTURA DEI CONCORSI", fallita}
            << 3;
        QTest::addRow("eliminata-guasto-dopo-il-punto-di-non-ritorno")
            << elimina << true << "sostituisci:DATA" << QStringList{conferma, fallita} << 2;
    }
    void leOperazioniSuDueEstrazioniEIlLoroEsito() {
        QFETCH(int, modo);
        QFETCH(bool, risposta);
        QFETCH(QString, guasto);
        QFETCH(QStringList, titoli);
        QFETCH(int, estrazioni);
        const bool elimina = modo == int(Modo::Elimina);
        Archivio a;
        std::string concorsi = a.cartella.leggiFile("RUOTE/CONCORSO");
        if (guasto == "concorso-0") a.cartella.scriviFile("RUOTE/CONCORSO", concorsi.replace(16, 3, "  0"));
        ui::frmAggiornamento f(a.stato);
        f.impostaGuasto([&](const std::string& passo) { return passo == guasto.toStdString(); });
        prova::sposta(f, "vscEstrazioni", 2);
        f.entraModo(Modo(modo));
        QCOMPARE(prova::controllo<QGroupBox>(f, "fmeEstrazioneCompleta")->title().contains("VECCHIA"),
                 modo == int(Modo::Vecchia));
        QCOMPARE(prova::testo(f, "lb_Info_5"), elimina                      ? "ELIMINAZIONE"
                                               : modo == int(Modo::Vecchia) ? "VECCHIA ESTRAZIONE"
                                                                            : "INTRAMEZZO");
        casella(f, "txt_Giorno")
            ->setText(elimina ? QString() : QStringLiteral("7")); // no date needed to delete
        QCOMPARE(prova::controllo<QPushButton>(f, "cmd_Registra_Estrazione")->text().remove('&'),
                 elimina ? "ELIMINA Estrazione" : "Registra Estrazione");
        prova::ScriptPrompt script({risposta, true, true});
        prova::clic(f, "cmd_Registra_Estrazione");
        QCOMPARE(script.titoli(), titoli);
        if (guasto.startsWith("scrivi") || guasto.startsWith("sostituisci"))
            QVERIFY(script.testi().last().startsWith(elimina ? "ATTENZIONE: impossibile ELIMINARE"
                                                             : "ATTENZIONE: impossibile Registrare"));
        if (modo != int(Modo::Vecchia))
            QCOMPARE(script.testi().value(0),
                     QStringLiteral(
                         "ATTENZIONE: si sta per %1 all' interno dell' archivio estrazioni.n° estrazione "
                         "= 2, CONTINUARE?")
                         .arg(elimina ? "ELIMINARE una estrazione" : "INSERIRE una nuova estrazione"));
        QCOMPARE(f.Modalita_Inserimento, !risposta);
        const bool riuscita = risposta && titoli.last() != "Modifica VECCHIA ESTRAZIONE";
        QCOMPARE(a.stato.Contatori_Modifiche[elimina ? 4 : modo == int(Modo::Vecchia) ? 2 : 3], riuscita);
        QCOMPARE(a.estrazioni() + ' ' + prova::testo(f, "lb_Info_0"),
                 QStringLiteral("%1 %1").arg(estrazioni));
        QCOMPARE(a.stato.Archivio_Modificato,
                 estrazioni != 3); // the views learn of every change, failed or not
    }

    void reportBackupEAvviso() {
        Archivio a;
        a.stato.Contatori_Modifiche = {0, 2, 0, 1, 0};
        QVERIFY(core::Scrivi_Impostazione(a.stato, 53, "9"));
        ui::frmAggiornamento f(a.stato);
        prova::ScriptPrompt script({true, true});
        prova::clic(f, "cmdTollbar_5");
        QCOMPARE(script.titoli().value(0), QStringLiteral("REPORT MODIFICA ESTRAZIONI."));
        QCOMPARE(
            script.testi().value(0),
            QStringLiteral("Nuove estrazioni Aggiunte = 2\nVecchie estrazioni Modificate = 0\n"
                           "Estrazioni inserite all' interno all' archivio = 1\nEstrazioni Eliminate = 0"));
        prova::clic(f, "cmdBackup");
        QVERIFY(script.testi().value(1).startsWith(QStringLiteral("Backup dell' archivio eseguito")));
        QCOMPARE(core::Leggi_Numero_Impostazione(a.stato, 53), 0);
        QCOMPARE(prova::testo(f, "lblEstrazioniDopoBackup"),
                 QStringLiteral("Estrazioni dall' ultimo backup: 0"));
        // The reminder's box and threshold, each in its own field.
        prova::controllo<QCheckBox>(f, "chkAvvisoBackup")->setChecked(true);
        prova::controllo<QSpinBox>(f, "txtSogliaBackup")->setValue(7);
        QCOMPARE(core::Leggi_Numero_Impostazione(a.stato, 50), 1);
        QCOMPARE(core::Leggi_Numero_Impostazione(a.stato, 51), 7);
    }

    void impostazioniNonScrivibiliSonoSegnalate() {
        Archivio a;
        ui::frmAggiornamento f(a.stato);
        std::filesystem::remove(a.stato.fileImpostazioni());
        std::filesystem::create_directory(a.stato.fileImpostazioni());
        prova::ScriptPrompt script({true, true, true, true});
        prova::controllo<QCheckBox>(f, "chkAvvisoBackup")->toggle();
        prova::controllo<QSpinBox>(f, "txtSogliaBackup")->setValue(7); // the window tells it once
        prova::clic(f, "cmdBackup");
        f.entraNuovaEstrazione();
        scriviEstrazione(f, QStringLiteral("1/12/2025"));
        f.cmd_Registra_Estrazione_Click();
        QCOMPARE(script.testi().size(), 4); // the success, and the three failed writes of ImpoBin told
        QCOMPARE(script.testi().filter(QStringLiteral("nel file ImpoBin")).size(), 3);
    }

    void stampaDellEstrazioneMostrata() {
        Archivio a;
        ui::frmAggiornamento f(a.stato);
        f.show();
        prova::sposta(f, "vscEstrazioni", 1);
        // The print panel takes the backup panel's place: the window keeps its size, within 800x600.
        const QRect finestra = f.geometry();
        prova::clic(f, "mnuFileStampa");
        QVERIFY(prova::controllo(f, "fmeStampa")->isVisible());
        QCOMPARE(f.geometry(), finestra);
        QVERIFY(finestra.width() <= 800 && finestra.height() <= 600);
        prova::ScriptPrompt script({true});
        QStringList righe = prova::stampato([&] { prova::clic(f, "cmdStampaEstrazione"); }).split('\n');
        QCOMPARE(script.testi(),
                 QStringList{QStringLiteral("Stampare i dati dell' estrazione attualmente mostrati?")});
        for (QString& riga : righe)
            riga = riga.simplified();
        QCOMPARE(righe.value(0),
                 QStringLiteral("Quintaro 0 , oggi: ") + QDate::currentDate().toString("d/M/yyyy"));
        QString bari = QStringLiteral("BARI");
        const auto prima = prova::estrazione(5, 6, 2002, 1, 1);
        for (int n : prima.ruote[0])
            bari += QLatin1Char(' ') + QString::number(n);
        for (const QString& riga :
             {bari, QStringLiteral("STAMPA DEI DATI MOSTRATI (aggiornamento estrazioni)."),
              QStringLiteral("n° Concorso: 1/2002"), QStringLiteral("Data: 5/6/2002")})
            QVERIFY2(righe.contains(riga), qPrintable(righe.join(QLatin1Char('|'))));
    }

    void laChiusuraOffreLEstrazioneDigitata_data() {
        QTest::addColumn<int>("modo");       // a new draw typed on 2/12/2025, or draw 2 corrected
        QTest::addColumn<bool>("digitata");  // every box filled (new), the day changed to a refused one (old)
        QTest::addColumn<int>("scelta");     // Registra, Non registrare, Annulla; -2: no question
        QTest::addColumn<int>("estrazioni"); // in the archive afterwards; -1: the window stays open
        const int nuova = int(Modo::Nuova), vecchia = int(Modo::Vecchia);
        QTest::addRow("registra") << nuova << true << 0 << 4;
        QTest::addRow("non-registrare") << nuova << true << 1 << 3;
        QTest::addRow("annulla") << nuova << true << 2 << -1;
        QTest::addRow("incompleta") << nuova << false << -2 << 3;
        QTest::addRow("senza-un-numero") << nuova << false << -2 << 3;
        QTest::addRow("corretta-rifiutata-resta") << vecchia << true << 0 << -1;
        QTest::addRow("vecchia-invariata") << vecchia << false << -2 << 3;
    }
    void laChiusuraOffreLEstrazioneDigitata() {
        QFETCH(int, modo);
        QFETCH(bool, digitata);
        QFETCH(int, scelta);
        QFETCH(int, estrazioni);
        Archivio a;
        ui::frmAggiornamento f(a.stato);
        f.impostaOggi(QDate(2025, 12, 2));
        f.show();
        prova::sposta(f, "vscEstrazioni", 2);
        f.entraModo(Modo(modo));
        const bool senzaNumero = QTest::currentDataTag() == QByteArray("senza-un-numero");
        if (modo == int(Modo::Nuova)) scriviEstrazione(f, digitata || senzaNumero ? "1/12/2025" : "1/12/");
        if (senzaNumero) estratto(f, 1)->clear();
        if (modo == int(Modo::Vecchia) && digitata) casella(f, "txt_Giorno")->setText("5");
        prova::ScriptPrompt script({}, prova::ScriptPrompt::Imprevisti::Si);
        script.scelte({scelta});
        prova::clic(f, "cmdChiudi");
        QCOMPARE(script.testi().contains("Registrare l'estrazione digitata?"), scelta > -2);
        QCOMPARE(f.isVisible(), estrazioni < 0);
        QCOMPARE(a.estrazioni(), QString::number(estrazioni < 0 ? 3 : estrazioni));
        if (estrazioni < 0)
            QCOMPARE(casella(f, "txt_Giorno")->text(), modo == int(Modo::Vecchia) ? "5" : "1");
    }

    void laChiusuraDopoUnaModificaRicaricaLArchivio_data() {
        QTest::addColumn<int>("dal"); // the remembered period's first date, up to the last draw; 0: none
        QTest::addColumn<int>("selezionate"); // applied again without the period window; 0: the window comes
        QTest::addRow("senza-periodo-ricordato") << 0 << 0;
        QTest::addRow("periodo-ricordato") << 20020608 << 1;
        QTest::addRow("periodo-ricordato-cancellato") << 20030104 << 0; // the last draw is deleted
    }
    void laChiusuraDopoUnaModificaRicaricaLArchivio() {
        QFETCH(int, dal);
        QFETCH(int, selezionate);
        Archivio a;
        if (dal) QVERIFY(core::scriviCampo(a.stato, core::campi::PERIODO_DAL, dal));
        QVERIFY(core::scriviCampo(a.stato, core::campi::PERIODO_FINO_ALL_ULTIMA, 1));
        ui::PRINCIPIO principale(a.stato);
        a.stato.Periodo_Da_Applicare = false;
        prova::ScriptPrompt script({true, true, true, true, true});
        prova::QuandoModale<ui::frmAggiornamento> modifica([](ui::frmAggiornamento* f) {
            f->entraModo(Modo::Elimina);
            f->cmd_Registra_Estrazione_Click();
            f->close();
        });
        prova::QuandoModale<ui::LeggiEstrazioni> carica([](ui::LeggiEstrazioni* f) { f->cmdSkip_Click(); });
        prova::QuandoModale<ui::frmPeriodo> periodo([](ui::frmPeriodo* f) { f->close(); });
        principale.mostraAggiornamento();
        QCOMPARE(a.stato.Estrazioni_Caricate, 2);
        QVERIFY(principale.finestraPeriodo());
        QVERIFY(!a.stato.Periodo_Da_Applicare);
        QCOMPARE(periodo.eseguita(), selezionate == 0);
        QCOMPARE(a.stato.Totale_Estrazioni_Selezionate, selezionate == 0 ? 2 : selezionate);
    }
};

QTEST_MAIN(TestFrmAggiornamento)
#include "TestFrmAggiornamento.moc"
