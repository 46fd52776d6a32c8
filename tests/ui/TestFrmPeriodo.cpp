// The period window: the cascades between its bars and boxes, "Applica", "reset", "Chiudi", and what
// happens at its creation.
#include "ArchivioAnni.h"
#include "Finestre.h"
#include "core/Formato.h"
#include "core/Impostazioni.h"
#include "ui/selection/FrmPeriodo.h"

#include <QRegularExpression>

namespace {

// What the actions of esegui() click, and the message each asks ("-si", "-no") or shows ("!").
const QMap<QString, std::pair<QString, QString>> PULSANTI{
    {"annuale", {"chkInizioAnnualeFrazionato", ""}},
    {"limite", {"chkLimitScrollbar", ""}},
    {"conferma", {"chkConfermaApplica", ""}},
    {"applica",
     {"cmdApplicaPeriodoFrazionato", "Applicare il nuovo periodo con le impostazioni selezionate?"}},
    {"reset",
     {"cmdResetFrazionato",
      "Le impostazioni di selezione verranno portate a quella di default, ma il Periodo "
      "Selezionato non verrà Applicato, continuare?"}},
    {"chiudi",
     {"cmdToolbarPeriodo_10",
      "ATTENZIONE: non e' possibile uscire dalla selezione del periodo di ricerca senza "
      "selezionare almeno un' estrazione valida."}}};

// A loaded archive, by default 2001 draws 1-4, 2002 5-7, 2003 8-9, 2004 10-12 ("vuoto": 2003 without draws,
// 2004 8-9, 2005 10-12), a valid day-membership table unless `giorni` is false, and field 21 (not written
// when null); apri() opens the window, shown; esegui() acts on it as the user does.
struct Banco {
    explicit Banco(bool vuoto = false, const char* campo21 = "0", bool giorni = true) {
        cartella.carica(
            stato, prova::perAnni(vuoto ? std::vector<int>{4, 3, 0, 2, 3} : std::vector<int>{4, 3, 2, 3}));
        for (int k = 1; k <= 7 && giorni; ++k)
            QVERIFY(core::Scrivi_Impostazione(stato, 12 + k, k <= 2 || k >= 6 ? "6" : "3"));
        if (campo21) QVERIFY(core::Scrivi_Impostazione(stato, 21, campo21));
    }
    void apri(QWidget* attesa = nullptr) {
        finestra = std::make_unique<ui::frmPeriodo>(stato, nullptr, attesa);
        finestra->show();
    }
    QString testo(const char* nome) const { return prova::testo(*finestra, nome); }
    QScrollBar* barra(const QString& nome) const { // "Dal", "Al" or "Cicli"
        return prova::controllo<QScrollBar>(*finestra, "hsc" + nome + "Frazionato");
    }
    bool spuntata(const char* nome) const {
        return prova::controllo<QCheckBox>(*finestra, PULSANTI.value(nome).first)->isChecked();
    }

    // Space-separated actions: "Dal=6" moves a bar; "Dal~3,8" drags its thumb over 3 and 8 and lets it go
    // there, as the mouse does; "annuale" clicks; "reset-si" clicks and answers Yes; "chiudi!" clicks and
    // expects the refusal; "cornice" closes the window by its frame.
    void esegui(const QString& azioni) {
        for (const QString& azione : azioni.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString nome = azione.section(QRegularExpression("[=~!-]"), 0, 0);
            if (azione.contains(QLatin1Char('~'))) {
                QScrollBar* trascinata = barra(nome);
                trascinata->setSliderDown(true);
                for (const QString& valore : azione.section(QLatin1Char('~'), 1).split(QLatin1Char(',')))
                    trascinata->setSliderPosition(valore.toInt());
                trascinata->setSliderDown(false);
            } else if (azione.contains(QLatin1Char('='))) {
                barra(nome)->setValue(azione.section(QLatin1Char('='), 1).toInt());
            } else if (nome == "cornice") {
                finestra->close();
            } else {
                if (azione != nome) {
                    script.aggiungi({!azione.endsWith(QStringLiteral("-no"))});
                    messaggi << PULSANTI.value(nome).second;
                }
                prova::clic(*finestra, PULSANTI.value(nome).first);
            }
        }
    }
    // The controls as the user reads them: "dal-al sel N cicli C/max", then the ticked boxes; then the
    // applied period, each cycle's first-last draws and the number of draws selected.
    QString controlli() const {
        QString letti = QStringLiteral("%1-%2 sel %3 cicli %4/%5")
                            .arg(testo("lblEstrazioneDalFrazionato"), testo("lblEstrazioneAlFrazionato"),
                                 testo("lblSelezionateFrazionato"))
                            .arg(barra("Cicli")->value())
                            .arg(barra("Cicli")->maximum());
        if (spuntata("annuale")) letti += QStringLiteral(" annuale");
        if (!barra("Al")->isEnabled()) letti += QStringLiteral(" bloccato");
        if (spuntata("limite")) letti += QStringLiteral(" limite");
        if (!finestra->isVisible()) letti += QStringLiteral(" nascosta");
        letti += QStringLiteral(" =>");
        for (std::size_t c = 1; c <= std::size_t(stato.Totale_Cicli); ++c)
            letti += QStringLiteral(" %1-%2").arg(stato.Inizio_Ciclo[c]).arg(stato.Fine_Ciclo[c]);
        return letti + QStringLiteral(" (%1)").arg(stato.Totale_Estrazioni_Selezionate);
    }

    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
    prova::ScriptPrompt script;
    QStringList messaggi; // the messages the actions expect
    std::unique_ptr<ui::frmPeriodo> finestra;
};

void riga(const char* nome, const char* banco, const char* azioni, const char* atteso) {
    QTest::addRow("%s", nome) << QString(banco) << QString(azioni) << QString(atteso);
}

} // namespace

class TestFrmPeriodo : public QObject {
    Q_OBJECT
private slots:
    void azioni_data() {
        // "vuoto": the archive with an empty year; "21=x": field 21; "nessuno": no period applied before.
        QTest::addColumn<QString>("banco");
        QTest::addColumn<QString>("azioni");
        QTest::addColumn<QString>("atteso"); // the controls, then "=>" and the applied period if it changed
        // The window opens on the whole archive, "Inizio annuale" ticked; cycles at most the years left.
        riga("all-apertura", "", "", "1-12 sel 12 cicli 0/4 annuale");
        riga("massimo-dopo-l-anno-vuoto", "vuoto", "annuale Dal=8", "8-12 sel 5 cicli 0/2");
        riga("cicli-abbassati-col-massimo", "", "Cicli=4 Dal=2", "5-12 sel 8 cicli 3/3 annuale bloccato");
        // Back to 0 cycles, "Inizio annuale" returns as it was, or ticked after two non-zero values.
        riga("annuale-resta", "", "Dal=5 Cicli=1 Cicli=0", "5-12 sel 8 cicli 0/3 annuale");
        riga("annuale-tolto-torna-tolto", "", "Dal=5 annuale Cicli=2 Cicli=0", "5-12 sel 8 cicli 0/3");
        riga("annuale-tolto-ma-due-valori", "", "Dal=5 annuale Cicli=1 Cicli=2 Cicli=0",
             "5-12 sel 8 cicli 0/3 annuale");
        // A bar crossing the other pushes it when "limite" (field 21 >= 1) is ticked, else is held back.
        riga("primo-spinge", "21=1", "annuale Dal=5 Al=9 Dal=11", "11-11 sel 1 cicli 0/1 limite");
        riga("primo-trattenuto-limite-tolto", "21=1", "limite annuale Dal=5 Al=9 Dal=11",
             "9-9 sel 1 cicli 0/2");
        riga("ultimo-spinge-campo-7", "21=7", "annuale Dal=5 Al=9 Al=2", "2-2 sel 1 cicli 0/4 limite");
        riga("ultimo-trattenuto-campo-mai-scritto", "21=-", "annuale Dal=5 Al=9 Al=2", "5-5 sel 1 cicli 0/3");
        // With "Inizio annuale" the first bar moves one whole year per step, however far it is dragged.
        riga("passi-avanti", "", "Dal=11 Dal=6", "8-12 sel 5 cicli 0/2 annuale");
        riga("passo-indietro-al-primo", "", "Dal=2 Dal=4", "1-12 sel 12 cicli 0/4 annuale");
        riga("passo-avanti-dall-ultimo-anno", "", "annuale Dal=10 annuale Dal=12",
             "10-12 sel 3 cicli 0/1 annuale");
        riga("passi-indietro-oltre-l-anno-vuoto", "vuoto", "Dal=2 Dal=6 Dal=1",
             "5-12 sel 8 cicli 0/4 annuale");
        // A drag is one move, wherever the thumb passed: one year on; cycles there and back change nothing.
        riga("trascinato-un-anno", "", "Dal~3,8,11,6", "5-12 sel 8 cicli 0/3 annuale");
        riga("cicli-trascinati-a-10-e-a-0", "", "annuale Cicli~2,10,3,0", "1-12 sel 12 cicli 0/4");
        // "reset" asks, then restores the opening state, field 21 read again; it never applies.
        riga("reset-si", "21=1", "Dal=2 Dal=6 annuale Al=9 limite reset-si", "1-12 sel 12 cicli 0/4 annuale");
        riga("reset-no", "21=1", "Dal=2 Dal=6 annuale Al=9 reset-no", "8-9 sel 2 cicli 0/2 limite");
        riga("reset-dai-cicli-alla-prima", "21=1", "Dal=2 Dal=6 Cicli=2 reset-si",
             "1-12 sel 12 cicli 0/4 annuale limite");
        // "Applica" asks unless its box is cleared. Cycles tick "Inizio annuale" for good, take the
        // first bar to its year's start and lock the second; an empty year gives an empty cycle.
        riga("applica-no", "", "annuale Dal=3 Al=6 applica-no", "3-6 sel 4 cicli 0/4");
        riga("applica-si", "", "annuale Dal=3 Al=6 applica-si", "3-6 sel 4 cicli 0/4 => 3-6 (4)");
        riga("applica-senza-conferma", "", "annuale Dal=3 Al=6 conferma applica",
             "3-6 sel 4 cicli 0/4 => 3-6 (4)");
        riga("applica-un-ciclo", "", "Dal=6 Cicli=1 applica-si",
             "5-7 sel 3 cicli 1/3 annuale bloccato => 5-7 (3)");
        riga("applica-cicli-da-meta-anno", "", "annuale Dal=6 Cicli=2 annuale applica-si",
             "5-9 sel 5 cicli 2/3 annuale bloccato => 5-7 8-9 (5)");
        riga("applica-cicli-anno-vuoto", "vuoto", "annuale Dal=6 Cicli=2 applica-si",
             "5-7 sel 3 cicli 2/4 annuale bloccato => 5-7 0-0 (3)");
        // "Chiudi" and the frame's close hide the window, keeping its controls, once a draw is selected.
        riga("chiudi-senza-periodo", "nessuno", "annuale Dal=5 chiudi!", "5-12 sel 8 cicli 0/3 => (0)");
        riga("chiudi", "", "annuale Dal=5 chiudi", "5-12 sel 8 cicli 0/3 nascosta");
        riga("chiudi-dalla-cornice", "", "Dal=5 cornice", "5-12 sel 8 cicli 0/3 annuale nascosta");
    }
    void azioni() {
        QFETCH(QString, banco);
        const QByteArray campo21 = banco.startsWith(QStringLiteral("21=")) ? banco.mid(3).toLatin1() : "0";
        Banco b(banco == "vuoto", campo21 == "-" ? nullptr : campo21.data());
        if (banco != "nessuno") selection::applicaCicli(b.stato, 1, 2); // the period applied earlier
        b.apri();
        QFETCH(QString, azioni);
        b.esegui(azioni);
        QFETCH(QString, atteso); // without "=>" the period stays the one applied before
        QCOMPARE(b.controlli(), atteso.contains("=>") ? atteso : atteso + " => 1-4 5-7 (7)");
        QCOMPARE(b.script.testi(), b.messaggi);
        const auto dal = std::size_t(b.barra("Dal")->value());
        QCOMPARE(b.testo("lblDataDalFrazionato").toStdString(),
                 core::Data::daRecord(b.stato.Data_Estrazione[dal]).testo());
        QCOMPARE(core::Leggi_Numero_Impostazione(b.stato, 21) >= 1, b.spuntata("limite"));
    }

    void allaCreazione() {
        Banco b(false, "0", false); // first start: the day-membership fields were never written
        selection::applicaCicli(b.stato, 5, 2);
        b.stato.Periodo_Da_Applicare = true;
        core::selezioneDaTesto(b.stato, "1000000100"); // BARI and ROMA
        QWidget attesa;
        attesa.show();
        b.apri(&attesa);
        QCOMPARE(b.script.testi(), QStringList{}); // the default days, taken quietly
        QCOMPARE(core::Leggi_Numero_Impostazione(b.stato, 15), 3);
        // The pending period is applied at once, without a question: the whole archive, one cycle.
        QVERIFY(b.controlli().endsWith(" => 1-12 (12)"));
        QVERIFY(!attesa.isVisible());
        // The wheel boxes show the confirmed selection and a click does not change it.
        prova::clic(*b.finestra, "chkRuotePeriodo_1");
        QVERIFY(prova::controllo<QCheckBox>(*b.finestra, "chkRuotePeriodo_1")->isChecked());
        QCOMPARE(b.testo("lblRuote"), QStringLiteral("BA RO "));
        b.esegui(QStringLiteral("applica-no")); // from now on "Applica" asks
        QCOMPARE(b.script.testi(), b.messaggi);
    }
};

QTEST_MAIN(TestFrmPeriodo)
#include "TestFrmPeriodo.moc"
