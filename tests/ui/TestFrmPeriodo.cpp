// The period window: the cascades between its bars and boxes, "Applica", "reset", "Chiudi", and what
// happens at its creation.
#include "ArchivioAnni.h"
#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"
#include "ui/selection/FrmPeriodo.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

/** 2001 draws 1-4, 2002 5-7, 2003 8-9, 2004 10-12. */
const QList<int> ANNI{4, 3, 2, 3};
/** 2001 draws 1-4, 2002 5-7, 2003 none, 2004 8-9, 2005 10-12. */
const QList<int> ANNI_CON_VUOTO{4, 3, 0, 2, 3};

const QString DOMANDA_APPLICA = QStringLiteral("Applicare il nuovo periodo con le impostazioni selezionate?");
const QString DOMANDA_RESET =
    QStringLiteral("Le impostazioni di selezione verranno portate a quella di default, ma il Periodo "
                   "Selezionato non verrà Applicato, continuare?");

/** The buttons and boxes that the actions of esegui() click. */
const QMap<QString, QString> PULSANTI{
    {"annuale", "chkInizioAnnualeFrazionato"}, {"limite", "chkLimitScrollbar"},
    {"conferma", "chkConfermaApplica"},        {"applica", "cmdApplicaPeriodoFrazionato"},
    {"reset", "cmdResetFrazionato"},           {"chiudi", "cmdToolbarPeriodo_10"}};

/**
 * A loaded archive with a valid day-membership table and field 21 (not written when null); apri()
 * opens the window, shown; esegui() acts on it as the user does.
 */
struct Banco {
    explicit Banco(const QList<int>& perAnno = ANNI, const char* campo21 = "0", bool giorni = true) {
        cartella.carica(stato, prova::perAnni(std::vector<int>(perAnno.begin(), perAnno.end())));
        for (int k = 1; k <= 7 && giorni; ++k)
            core::Scrivi_Impostazione(stato, 12 + k, k <= 2 || k >= 6 ? "6" : "3");
        if (campo21) core::Scrivi_Impostazione(stato, 21, campo21);
    }
    void apri(QWidget* attesa = nullptr) {
        finestra = std::make_unique<ui::frmPeriodo>(stato, nullptr, attesa);
        finestra->show();
        if (!QTest::qWaitForWindowExposed(finestra.get())) qFatal("finestra non esposta");
    }
    template <class T = QLabel> T* figlio(const QString& nome) const {
        auto* trovato = finestra->findChild<T*>(nome);
        if (!trovato) qFatal("controllo %s non trovato", qPrintable(nome));
        return trovato;
    }
    QString testo(const char* nome) const { return figlio(QString::fromLatin1(nome))->text(); }
    /** "dal", "al" or "cicli". */
    QScrollBar* barra(const QString& nome) const {
        return figlio<QScrollBar>("hsc" + nome.left(1).toUpper() + nome.mid(1) + "Frazionato");
    }
    QAbstractButton* pulsante(const QString& nome) const {
        return figlio<QAbstractButton>(PULSANTI.value(nome));
    }

    /** Space-separated actions: "dal=6" moves a bar; "dal~3,8" drags its thumb over 3 and 8 and lets it
     * go there, as the mouse does; "annuale" clicks; "reset-si" clicks and answers Yes. */
    void esegui(const QString& azioni) {
        for (const QString& azione : azioni.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (azione.contains(QLatin1Char('~'))) {
                QScrollBar* trascinata = barra(azione.section(QLatin1Char('~'), 0, 0));
                trascinata->setSliderDown(true);
                for (const QString& valore : azione.section(QLatin1Char('~'), 1).split(QLatin1Char(',')))
                    trascinata->setSliderPosition(valore.toInt());
                trascinata->setSliderDown(false);
                continue;
            }
            const QString nome = azione.section(QLatin1Char('='), 0, 0).section(QLatin1Char('-'), 0, 0);
            if (azione.contains(QLatin1Char('='))) {
                barra(nome)->setValue(azione.section(QLatin1Char('='), 1).toInt());
                continue;
            }
            if (azione.contains(QLatin1Char('-'))) {
                script.aggiungi({azione.endsWith(QStringLiteral("-si"))});
                domande << (nome == QStringLiteral("reset") ? DOMANDA_RESET : DOMANDA_APPLICA);
            }
            pulsante(nome)->click();
        }
    }
    /** The controls as the user reads them: "dal-al sel N cicli C/max", then the ticked boxes. */
    QString controlli() const {
        QString letti = QStringLiteral("%1-%2 sel %3 cicli %4/%5")
                            .arg(barra("dal")->value())
                            .arg(testo("lblEstrazioneAlFrazionato"), testo("lblSelezionateFrazionato"))
                            .arg(barra("cicli")->value())
                            .arg(barra("cicli")->maximum());
        if (pulsante("annuale")->isChecked()) letti += QStringLiteral(" annuale");
        if (!barra("al")->isEnabled()) letti += QStringLiteral(" bloccato");
        if (pulsante("limite")->isChecked()) letti += QStringLiteral(" limite");
        return letti;
    }
    /** The applied period: each cycle's first-last draws, then the number of selected draws. */
    QString periodo() const {
        QStringList cicli;
        for (std::size_t c = 1; c <= std::size_t(stato.Totale_Cicli); ++c)
            cicli << QStringLiteral("%1-%2").arg(stato.Inizio_Ciclo[c]).arg(stato.Fine_Ciclo[c]);
        return cicli.join(' ') + QStringLiteral(" (%1)").arg(stato.Totale_Estrazioni_Selezionate);
    }

    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
    prova::ScriptPrompt script;
    QStringList domande; // the questions the actions expect
    std::unique_ptr<ui::frmPeriodo> finestra;
};

} // namespace

class TestFrmPeriodo : public QObject {
    Q_OBJECT
private slots:
    void azioni_data() {
        QTest::addColumn<QString>("banco"); // "vuoto": the archive with an empty year; "21=x": field 21
        QTest::addColumn<QString>("azioni");
        QTest::addColumn<QString>("atteso"); // the controls, then "=>" and the applied period if it changed
        // The window opens on the whole archive, "Inizio annuale" ticked; cycles at most the years left.
        QTest::addRow("all-apertura") << ""
                                      << ""
                                      << "1-12 sel 12 cicli 0/4 annuale";
        QTest::addRow("massimo-dopo-l-anno-vuoto") << "vuoto"
                                                   << "annuale dal=8"
                                                   << "8-12 sel 5 cicli 0/2";
        QTest::addRow("cicli-abbassati-col-massimo") << ""
                                                     << "cicli=4 dal=2"
                                                     << "5-12 sel 8 cicli 3/3 annuale bloccato";
        // Back to 0 cycles, "Inizio annuale" returns as it was, or ticked after two non-zero values.
        QTest::addRow("annuale-resta") << ""
                                       << "dal=5 cicli=1 cicli=0"
                                       << "5-12 sel 8 cicli 0/3 annuale";
        QTest::addRow("annuale-tolto-torna-tolto") << ""
                                                   << "dal=5 annuale cicli=2 cicli=0"
                                                   << "5-12 sel 8 cicli 0/3";
        QTest::addRow("annuale-tolto-ma-due-valori") << ""
                                                     << "dal=5 annuale cicli=1 cicli=2 cicli=0"
                                                     << "5-12 sel 8 cicli 0/3 annuale";
        // A bar crossing the other pushes it when "limite" (field 21 >= 1) is ticked, else is held back.
        QTest::addRow("primo-spinge") << "21=1"
                                      << "annuale dal=5 al=9 dal=11"
                                      << "11-11 sel 1 cicli 0/1 limite";
        QTest::addRow("primo-trattenuto-limite-tolto") << "21=1"
                                                       << "limite annuale dal=5 al=9 dal=11"
                                                       << "9-9 sel 1 cicli 0/2";
        QTest::addRow("ultimo-spinge-campo-7") << "21=7"
                                               << "annuale dal=5 al=9 al=2"
                                               << "2-2 sel 1 cicli 0/4 limite";
        QTest::addRow("ultimo-trattenuto-campo-mai-scritto") << "21=-"
                                                             << "annuale dal=5 al=9 al=2"
                                                             << "5-5 sel 1 cicli 0/3";
        // With "Inizio annuale" the first bar moves one whole year per step, however far it is dragged.
        QTest::addRow("passi-avanti") << ""
                                      << "dal=11 dal=6"
                                      << "8-12 sel 5 cicli 0/2 annuale";
        QTest::addRow("passo-indietro-al-primo") << ""
                                                 << "dal=2 dal=4"
                                                 << "1-12 sel 12 cicli 0/4 annuale";
        QTest::addRow("passo-avanti-dall-ultimo-anno") << ""
                                                       << "annuale dal=10 annuale dal=12"
                                                       << "10-12 sel 3 cicli 0/1 annuale";
        QTest::addRow("passi-indietro-oltre-l-anno-vuoto") << "vuoto"
                                                           << "dal=2 dal=6 dal=1"
                                                           << "5-12 sel 8 cicli 0/4 annuale";
        // A drag is one move, wherever the thumb passed: one year on; cycles there and back change nothing.
        QTest::addRow("trascinato-un-anno") << ""
                                            << "dal~3,8,11,6"
                                            << "5-12 sel 8 cicli 0/3 annuale";
        QTest::addRow("cicli-trascinati-a-10-e-a-0") << ""
                                                     << "annuale cicli~2,10,3,0"
                                                     << "1-12 sel 12 cicli 0/4";
        // "reset" asks, then restores the opening state, field 21 read again; it never applies.
        QTest::addRow("reset-si") << "21=1"
                                  << "dal=2 dal=6 annuale al=9 limite reset-si"
                                  << "1-12 sel 12 cicli 0/4 annuale";
        QTest::addRow("reset-no") << "21=1"
                                  << "dal=2 dal=6 annuale al=9 reset-no"
                                  << "8-9 sel 2 cicli 0/2 limite";
        QTest::addRow("reset-dai-cicli-alla-prima") << "21=1"
                                                    << "dal=2 dal=6 cicli=2 reset-si"
                                                    << "1-12 sel 12 cicli 0/4 annuale limite";
        // "Applica" asks unless its box is cleared. Cycles tick "Inizio annuale" for good, take the
        // first bar to its year's start and lock the second; an empty year gives an empty cycle.
        QTest::addRow("applica-no") << ""
                                    << "annuale dal=3 al=6 applica-no"
                                    << "3-6 sel 4 cicli 0/4";
        QTest::addRow("applica-si") << ""
                                    << "annuale dal=3 al=6 applica-si"
                                    << "3-6 sel 4 cicli 0/4 => 3-6 (4)";
        QTest::addRow("applica-senza-conferma") << ""
                                                << "annuale dal=3 al=6 conferma applica"
                                                << "3-6 sel 4 cicli 0/4 => 3-6 (4)";
        QTest::addRow("applica-cicli-da-meta-anno") << ""
                                                    << "annuale dal=6 cicli=2 annuale applica-si"
                                                    << "5-9 sel 5 cicli 2/3 annuale bloccato => 5-7 8-9 (5)";
        QTest::addRow("applica-cicli-anno-vuoto") << "vuoto"
                                                  << "annuale dal=6 cicli=2 applica-si"
                                                  << "5-7 sel 3 cicli 2/4 annuale bloccato => 5-7 0-0 (3)";
    }
    void azioni() {
        QFETCH(QString, banco);
        QFETCH(QString, azioni);
        QFETCH(QString, atteso);
        const QByteArray campo21 = banco.startsWith(QStringLiteral("21=")) ? banco.mid(3).toLatin1() : "0";
        Banco b(banco == QStringLiteral("vuoto") ? ANNI_CON_VUOTO : ANNI,
                campo21 == "-" ? nullptr : campo21.data());
        selection::applicaCicli(b.stato, 1, 2); // the period applied earlier
        b.apri();
        b.esegui(azioni);
        QCOMPARE(b.controlli(), atteso.section(" => ", 0, 0));
        // Without "=>" the period stays the one applied before the window opened.
        QCOMPARE(b.periodo(), atteso.contains("=>") ? atteso.section(" => ", 1) : QString("1-4 5-7 (7)"));
        QCOMPARE(b.script.testi(), b.domande);
        const auto dal = std::size_t(b.barra("dal")->value());
        QCOMPARE(b.testo("lblEstrazioneDalFrazionato"), QString::number(dal));
        QCOMPARE(b.testo("lblDataDalFrazionato").toStdString(), b.stato.Data_Estrazione[dal]);
        if (b.barra("al")->isEnabled()) {
            const auto al = std::size_t(b.barra("al")->value());
            QCOMPARE(b.testo("lblEstrazioneAlFrazionato"), QString::number(al));
            QCOMPARE(b.testo("lblConcorsoAlFrazionato").toStdString(), b.stato.Concorso_Estrazione[al]);
        }
        QCOMPARE(core::Leggi_Numero_Impostazione(b.stato, 21) >= 1, b.pulsante("limite")->isChecked());
        QCOMPARE(b.figlio<QProgressBar>(QStringLiteral("prgSelPeriodo"))->value(), 0);
        QVERIFY(b.finestra->isVisible());
    }

    void chiudi_data() {
        QTest::addColumn<bool>("applicato");
        QTest::addColumn<bool>("cornice");
        QTest::addRow("periodo-vuoto") << false << false;
        QTest::addRow("periodo-vuoto-dalla-cornice") << false << true;
        QTest::addRow("periodo-applicato") << true << false;
        QTest::addRow("periodo-applicato-dalla-cornice") << true << true;
    }
    void chiudi() {
        QFETCH(bool, applicato);
        QFETCH(bool, cornice);
        Banco b;
        if (applicato)
            selection::applicaFrazionato(b.stato, 1, 1);
        else
            b.script.aggiungi({true});
        b.apri();
        b.esegui(QStringLiteral("annuale dal=5"));
        if (cornice)
            b.finestra->close();
        else
            b.esegui(QStringLiteral("chiudi"));
        QCOMPARE(b.finestra->isVisible(), !applicato);
        const QString rifiuto = QStringLiteral("ATTENZIONE: non e' possibile uscire dalla selezione del "
                                               "periodo di ricerca senza selezionare almeno un' estrazione "
                                               "valida.");
        QCOMPARE(b.script.testi(), applicato ? QStringList{} : QStringList{rifiuto});
        b.finestra->show(); // hidden, not destroyed: the controls stay where they were
        QCOMPARE(b.testo("lblEstrazioneDalFrazionato"), QStringLiteral("5"));
    }

    void allaCreazione() {
        Banco b(ANNI, "0", false); // first start: the day-membership fields were never written
        selection::applicaCicli(b.stato, 5, 2);
        b.stato.Periodo_Da_Applicare = true;
        core::selezioneDaTesto(b.stato, "1000000100"); // BARI and ROMA
        QWidget attesa;
        attesa.show();
        QVERIFY(QTest::qWaitForWindowExposed(&attesa));
        b.apri(&attesa);

        QCOMPARE(b.script.testi(), QStringList{}); // the default days, taken quietly
        QCOMPARE(core::Leggi_Numero_Impostazione(b.stato, 15), 3);
        // The pending period is applied at once, without a question: the whole archive, one cycle.
        QCOMPARE(b.periodo(), QStringLiteral("1-12 (12)"));
        QVERIFY(!attesa.isVisible());

        // The wheel boxes show the confirmed selection and a click does not change it.
        auto* bari = b.figlio<QCheckBox>(QStringLiteral("chkRuotePeriodo_1"));
        QTest::mouseClick(bari, Qt::LeftButton, {}, QPoint(6, bari->height() / 2));
        QVERIFY(bari->isChecked() && bari->font().bold());
        QVERIFY(!b.figlio<QCheckBox>(QStringLiteral("chkRuotePeriodo_3"))->isChecked());
        QCOMPARE(b.testo("lblRuote"), QStringLiteral("BA RO "));

        b.esegui(QStringLiteral("applica-no")); // from now on "Applica" asks
        QCOMPARE(b.script.testi(), b.domande);
    }
};

QTEST_MAIN(TestFrmPeriodo)
#include "TestFrmPeriodo.moc"
