// The period window: the cascades between its bars and boxes, "Applica", "reset", "Chiudi", the
// automatic application at creation and the day-membership repair.
#include "ArchivioDiProva.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "selection/ArchivioAnni.h"
#include "selection/Periodo.h"
#include "ui/selection/FrmPeriodo.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using prova::CartellaDiProva;
using prova::ScriptPrompt;

namespace {

/** 2001 draws 1-4, 2002 5-7, 2003 8-9, 2004 10-12. */
const QList<int> ANNI{4, 3, 2, 3};
/** 2001 draws 1-4, 2002 5-7, 2003 none, 2004 8-9, 2005 10-12. */
const QList<int> ANNI_CON_VUOTO{4, 3, 0, 2, 3};

const QString DOMANDA_APPLICA = QStringLiteral("Applicare il nuovo periodo con le impostazioni selezionate?");
const QString DOMANDA_RESET =
    QStringLiteral("Le impostazioni di selezione verranno portate a quella di default, ma il "
                   "Periodo Selezionato non verrà Applicato, continuare?");

/** A loaded archive and its settings: a valid day-membership table and field 21 (none when null). */
struct Banco {
    explicit Banco(const QList<int>& perAnno = ANNI, const char* limite = "0", bool giorni = true)
        : stato(cartella.stato()) {
        prova::caricaAnni(cartella, stato, std::vector<int>(perAnno.begin(), perAnno.end()));
        if (giorni)
            for (int k = 1; k <= 7; ++k)
                core::Scrivi_Impostazione(stato, 12 + k, k <= 2 || k >= 6 ? "6" : "3");
        if (limite) core::Scrivi_Impostazione(stato, 21, limite);
    }
    QString data(int d) const {
        return QString::fromStdString(stato.Data_Estrazione[static_cast<std::size_t>(d)]);
    }
    QString concorso(int d) const {
        return QString::fromStdString(stato.Concorso_Estrazione[static_cast<std::size_t>(d)]);
    }
    QList<int> periodo() const {
        const auto& elenco = stato.Elenco_Estrazioni_Selezionate;
        return {elenco.begin() + 1, elenco.begin() + 1 + stato.Totale_Estrazioni_Selezionate};
    }

    CartellaDiProva cartella;
    core::Stato stato;
};

template <class T> T* figlio(QWidget& finestra, const QString& nome) {
    auto* trovato = finestra.findChild<T*>(nome);
    if (!trovato) qFatal("controllo %s non trovato", qPrintable(nome));
    return trovato;
}

/** The window's controls, found by name, shown before anything is clicked. */
struct Controlli {
    explicit Controlli(ui::frmPeriodo& f)
        : finestra(f), dal(figlio<QScrollBar>(f, "hscDalFrazionato")),
          al(figlio<QScrollBar>(f, "hscAlFrazionato")), cicli(figlio<QScrollBar>(f, "hscCicliFrazionato")),
          annuale(figlio<QCheckBox>(f, "chkInizioAnnualeFrazionato")),
          limite(figlio<QCheckBox>(f, "chkLimitScrollbar")),
          conferma(figlio<QCheckBox>(f, "chkConfermaApplica")) {
        f.show();
        if (!QTest::qWaitForWindowExposed(&f)) qFatal("finestra non esposta");
    }
    QString testo(const char* nome) const {
        return figlio<QLabel>(finestra, QString::fromLatin1(nome))->text();
    }
    void clicca(const char* nome) const {
        QTest::mouseClick(figlio<QPushButton>(finestra, QString::fromLatin1(nome)), Qt::LeftButton);
    }

    ui::frmPeriodo& finestra;
    QScrollBar* dal;
    QScrollBar* al;
    QScrollBar* cicli;
    QCheckBox* annuale;
    QCheckBox* limite;
    QCheckBox* conferma;
};

} // namespace

class TestFrmPeriodo : public QObject {
    Q_OBJECT
private slots:
    void cicliDaMetaAnno_data();
    void cicliDaMetaAnno();
    void inizioAnnualeRicordato_data();
    void inizioAnnualeRicordato();
    void limitiTraLeBarre_data();
    void limitiTraLeBarre();
    void limiteNelleImpostazioni_data();
    void limiteNelleImpostazioni();
    void passiAnnuali_data();
    void passiAnnuali();
    void massimoDeiCicli_data();
    void massimoDeiCicli();
    void applica_data();
    void applica();
    void reset_data();
    void reset();
    void chiudi_data();
    void chiudi();
    void applicazioneAutomaticaAllaCreazione();
    void giornateAppartenenzaRiparate_data();
    void giornateAppartenenzaRiparate();
    void caselleRuoteNonModificabili();
};

void TestFrmPeriodo::cicliDaMetaAnno_data() {
    QTest::addColumn<QList<int>>("perAnno");
    QTest::addColumn<int>("fine");
    QTest::addColumn<QString>("massimo");
    QTest::addColumn<QList<int>>("inizi");
    QTest::addColumn<QList<int>>("fini");
    QTest::addRow("due-anni") << ANNI << 9 << "Max = 3" << QList<int>{5, 8} << QList<int>{7, 9};
    QTest::addRow("secondo-anno-vuoto")
        << ANNI_CON_VUOTO << 7 << "Max = 4" << QList<int>{5, 0} << QList<int>{7, 0};
}

void TestFrmPeriodo::cicliDaMetaAnno() {
    QFETCH(QList<int>, perAnno);
    QFETCH(int, fine);
    QFETCH(QString, massimo);
    QFETCH(QList<int>, inizi);
    QFETCH(QList<int>, fini);
    Banco banco(perAnno);
    ScriptPrompt script;
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    c.annuale->click();
    c.dal->setValue(6); // the middle of 2002
    QCOMPARE(c.dal->value(), 6);

    c.cicli->setValue(2);
    QVERIFY(c.annuale->isChecked());
    QCOMPARE(c.dal->value(), 5);
    QCOMPARE(c.testo("lblEstrazioneDalFrazionato"), QStringLiteral("5"));
    QVERIFY(!c.al->isEnabled());
    QCOMPARE(c.testo("lblEstrazioneAlFrazionato"), QString::number(fine));
    QCOMPARE(c.testo("lblDataAlFrazionato"), banco.data(fine));
    QCOMPARE(c.testo("lblConcorsoAlFrazionato"), banco.concorso(fine));
    QCOMPARE(c.testo("lblSelezionateFrazionato"), QString::number(fine - 5 + 1));
    QCOMPARE(c.testo("LblAlFine"), QString());
    QCOMPARE(c.testo("lblCicliFrazionato"), QStringLiteral("2"));
    QCOMPARE(c.testo("lblMaxHscCicliFrazionato"), massimo);

    c.annuale->click(); // cycles always work on whole years
    QVERIFY(c.annuale->isChecked());
    QCOMPARE(c.dal->value(), 5);

    c.conferma->click();
    c.clicca("cmdApplicaPeriodoFrazionato");
    QCOMPARE(banco.stato.Totale_Cicli, 2);
    QCOMPARE(banco.periodo(), QList<int>({5, 6, 7, 8, 9}).mid(0, fine - 4));
    QCOMPARE(QList<int>(banco.stato.Inizio_Ciclo.begin() + 1, banco.stato.Inizio_Ciclo.end()), inizi);
    QCOMPARE(QList<int>(banco.stato.Fine_Ciclo.begin() + 1, banco.stato.Fine_Ciclo.end()), fini);
}

void TestFrmPeriodo::inizioAnnualeRicordato_data() {
    QTest::addColumn<bool>("prima");
    QTest::addColumn<QList<int>>("valoriCicli");
    QTest::addColumn<bool>("dopo");
    QTest::addRow("spuntato-resta-spuntato") << true << QList<int>{1, 0} << true;
    QTest::addRow("tolto-torna-tolto") << false << QList<int>{2, 0} << false;
    QTest::addRow("tolto-ma-passato-per-due-valori") << false << QList<int>{1, 2, 0} << true;
}

void TestFrmPeriodo::inizioAnnualeRicordato() {
    QFETCH(bool, prima);
    QFETCH(QList<int>, valoriCicli);
    QFETCH(bool, dopo);
    Banco banco;
    ScriptPrompt script;
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    c.dal->setValue(5);
    if (!prima) c.annuale->click();
    QCOMPARE(c.annuale->isChecked(), prima);

    for (int valore : valoriCicli) {
        c.cicli->setValue(valore);
        if (valore > 0) QVERIFY(c.annuale->isChecked());
    }
    QCOMPARE(c.annuale->isChecked(), dopo);
    QVERIFY(c.al->isEnabled());
    QCOMPARE(c.dal->value(), 5);
    QCOMPARE(c.testo("lblCicliFrazionato"), QStringLiteral("Fraz."));
    QCOMPARE(c.testo("LblAlFine"), QStringLiteral("Max = 12"));
    QCOMPARE(c.testo("lblEstrazioneAlFrazionato"), QStringLiteral("12"));
    QCOMPARE(c.testo("lblSelezionateFrazionato"), QStringLiteral("8"));
}

void TestFrmPeriodo::limitiTraLeBarre_data() {
    QTest::addColumn<QString>("limite");
    QTest::addColumn<bool>("muoveDal");
    QTest::addColumn<int>("valore");
    QTest::addColumn<int>("dalAtteso");
    QTest::addColumn<int>("alAtteso");
    // The bars start on 5 and 9.
    QTest::addRow("primo-oltre-l-ultimo-lo-spinge") << "1" << true << 11 << 11 << 11;
    QTest::addRow("primo-oltre-l-ultimo-trattenuto") << "0" << true << 11 << 9 << 9;
    QTest::addRow("ultimo-sotto-il-primo-lo-spinge") << "1" << false << 2 << 2 << 2;
    QTest::addRow("ultimo-sotto-il-primo-trattenuto") << "0" << false << 2 << 5 << 5;
    QTest::addRow("primo-sull-ultimo") << "0" << true << 9 << 9 << 9;
    QTest::addRow("dentro-i-limiti") << "0" << false << 6 << 5 << 6;
}

void TestFrmPeriodo::limitiTraLeBarre() {
    QFETCH(QString, limite);
    QFETCH(bool, muoveDal);
    QFETCH(int, valore);
    QFETCH(int, dalAtteso);
    QFETCH(int, alAtteso);
    Banco banco(ANNI, qPrintable(limite));
    ScriptPrompt script;
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    QCOMPARE(c.limite->isChecked(), limite == QStringLiteral("1"));
    c.annuale->click();
    c.dal->setValue(5);
    c.al->setValue(9);

    (muoveDal ? c.dal : c.al)->setValue(valore);
    QCOMPARE(c.dal->value(), dalAtteso);
    QCOMPARE(c.al->value(), alAtteso);
    QCOMPARE(c.testo("lblEstrazioneDalFrazionato"), QString::number(dalAtteso));
    QCOMPARE(c.testo("lblDataDalFrazionato"), banco.data(dalAtteso));
    QCOMPARE(c.testo("lblEstrazioneAlFrazionato"), QString::number(alAtteso));
    QCOMPARE(c.testo("lblConcorsoAlFrazionato"), banco.concorso(alAtteso));
    QCOMPARE(c.testo("lblSelezionateFrazionato"), QString::number(alAtteso - dalAtteso + 1));
}

void TestFrmPeriodo::limiteNelleImpostazioni_data() {
    QTest::addColumn<QString>("campo21"); // "-": never written
    QTest::addColumn<bool>("spuntato");
    QTest::addRow("uno") << "1" << true;
    QTest::addRow("zero") << "0" << false;
    QTest::addRow("sette") << "7" << true;
    QTest::addRow("mai-scritto") << "-" << false;
}

void TestFrmPeriodo::limiteNelleImpostazioni() {
    QFETCH(QString, campo21);
    QFETCH(bool, spuntato);
    Banco banco(ANNI, campo21 == QStringLiteral("-") ? nullptr : qPrintable(campo21));
    ScriptPrompt script;
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    QCOMPARE(c.limite->isChecked(), spuntato);
    QTest::mouseClick(c.limite, Qt::LeftButton);
    QCOMPARE(core::Leggi_Impostazione(banco.stato, 21),
             std::string(spuntato ? "0" : "1") + std::string(18, ' '));
    QTest::mouseClick(c.limite, Qt::LeftButton);
    QCOMPARE(core::Leggi_Impostazione(banco.stato, 21),
             std::string(spuntato ? "1" : "0") + std::string(18, ' '));
}

void TestFrmPeriodo::passiAnnuali_data() {
    QTest::addColumn<QList<int>>("perAnno");
    QTest::addColumn<int>("partenza"); // the first draw of a year
    QTest::addColumn<int>("valore");   // where the user drags the bar
    QTest::addColumn<int>("atteso");
    QTest::addColumn<int>("successivo"); // after one more step forward
    QTest::addRow("avanti-di-uno") << ANNI << 1 << 2 << 5 << 8;
    QTest::addRow("avanti-di-molto") << ANNI << 1 << 11 << 5 << 8;
    QTest::addRow("indietro-di-molto") << ANNI << 10 << 2 << 8 << 10;
    QTest::addRow("indietro-dal-secondo-anno") << ANNI << 5 << 4 << 1 << 5;
    QTest::addRow("avanti-dall-ultimo-anno") << ANNI << 10 << 12 << 10 << 10;
    QTest::addRow("avanti-oltre-l-anno-vuoto") << ANNI_CON_VUOTO << 5 << 6 << 8 << 10;
    QTest::addRow("indietro-oltre-l-anno-vuoto") << ANNI_CON_VUOTO << 8 << 7 << 5 << 8;
}

void TestFrmPeriodo::passiAnnuali() {
    QFETCH(QList<int>, perAnno);
    QFETCH(int, partenza);
    QFETCH(int, valore);
    QFETCH(int, atteso);
    QFETCH(int, successivo);
    Banco banco(perAnno);
    ScriptPrompt script;
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    c.annuale->click();
    c.dal->setValue(partenza);
    c.annuale->click();
    QVERIFY(c.annuale->isChecked());
    QCOMPARE(c.dal->value(), partenza);

    c.dal->setValue(valore);
    QCOMPARE(c.dal->value(), atteso);
    QCOMPARE(c.testo("lblEstrazioneDalFrazionato"), QString::number(atteso));
    QCOMPARE(c.testo("lblConcorsoDalFrazionato"), banco.concorso(atteso));
    QCOMPARE(c.testo("lblSelezionateFrazionato"), QString::number(12 - atteso + 1));
    c.dal->setValue(atteso + 1);
    QCOMPARE(c.dal->value(), successivo);
}

void TestFrmPeriodo::massimoDeiCicli_data() {
    QTest::addColumn<QList<int>>("perAnno");
    QTest::addColumn<int>("cicliPrima");
    QTest::addColumn<int>("dal"); // 0: the bar is not moved
    QTest::addColumn<int>("massimo");
    QTest::addColumn<int>("cicliDopo");
    QTest::addRow("dopo-il-reset") << ANNI << 0 << 0 << 4 << 0;
    QTest::addRow("dopo-il-reset-con-anno-vuoto") << ANNI_CON_VUOTO << 0 << 0 << 5 << 0;
    QTest::addRow("primo-nel-secondo-anno") << ANNI << 0 << 6 << 3 << 0;
    QTest::addRow("primo-nell-ultimo-anno") << ANNI << 0 << 11 << 1 << 0;
    QTest::addRow("primo-dopo-l-anno-vuoto") << ANNI_CON_VUOTO << 0 << 8 << 2 << 0;
    QTest::addRow("cicli-abbassati-col-massimo") << ANNI << 4 << 2 << 3 << 3;
}

void TestFrmPeriodo::massimoDeiCicli() {
    QFETCH(QList<int>, perAnno);
    QFETCH(int, cicliPrima);
    QFETCH(int, dal);
    QFETCH(int, massimo);
    QFETCH(int, cicliDopo);
    Banco banco(perAnno);
    ScriptPrompt script({true});
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    if (cicliPrima > 0)
        c.cicli->setValue(cicliPrima);
    else
        c.annuale->click();
    if (dal > 0) c.dal->setValue(dal);

    QCOMPARE(c.cicli->maximum(), massimo);
    QCOMPARE(c.cicli->value(), cicliDopo);
    if (cicliDopo > 0) {
        QCOMPARE(c.testo("lblCicliFrazionato"), QString::number(cicliDopo));
        QCOMPARE(c.testo("lblMaxHscCicliFrazionato"), QStringLiteral("Max = %1").arg(massimo));
        QCOMPARE(c.testo("lblEstrazioneAlFrazionato"), QStringLiteral("12"));
    }
    c.clicca("cmdResetFrazionato");
    QCOMPARE(c.cicli->maximum(), banco.stato.Numero_Anni);
}

void TestFrmPeriodo::applica_data() {
    QTest::addColumn<bool>("conferma");
    QTest::addColumn<QList<bool>>("risposte");
    QTest::addColumn<bool>("applicato");
    QTest::addRow("risposta-no") << true << QList<bool>{false} << false;
    QTest::addRow("risposta-si") << true << QList<bool>{true} << true;
    QTest::addRow("conferma-tolta") << false << QList<bool>{} << true;
}

void TestFrmPeriodo::applica() {
    QFETCH(bool, conferma);
    QFETCH(QList<bool>, risposte);
    QFETCH(bool, applicato);
    Banco banco;
    selection::applicaCicli(banco.stato, 1, 2); // the period applied earlier
    ScriptPrompt script(risposte);
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    QVERIFY(c.conferma->isChecked()); // ticked at every creation
    c.annuale->click();
    c.dal->setValue(3);
    c.al->setValue(6);
    if (!conferma) c.conferma->click();

    c.clicca("cmdApplicaPeriodoFrazionato");
    QCOMPARE(script.mostrati().size(), risposte.size());
    if (conferma) {
        QCOMPARE(script.mostrati().at(0).testo, DOMANDA_APPLICA);
        QCOMPARE(script.mostrati().at(0).titolo, QStringLiteral("CONFERMA OPERAZIONE"));
        QVERIFY(script.mostrati().at(0).siNo);
    }
    QCOMPARE(banco.periodo(), (applicato ? QList<int>{3, 4, 5, 6} : QList<int>{1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(banco.stato.Totale_Cicli, applicato ? 1 : 2);
    QCOMPARE(banco.stato.Fine_Ciclo[1], applicato ? 6 : 4);
    QCOMPARE(figlio<QProgressBar>(finestra, "prgSelPeriodo")->value(), 0);
    QVERIFY(finestra.isVisible());
}

void TestFrmPeriodo::reset_data() {
    QTest::addColumn<bool>("risposta");
    QTest::addColumn<int>("cicli");
    QTest::addRow("si") << true << 0;
    QTest::addRow("no") << false << 0;
    QTest::addRow("si-dai-cicli") << true << 2;
}

void TestFrmPeriodo::reset() {
    QFETCH(bool, risposta);
    QFETCH(int, cicli);
    Banco banco(ANNI, "1");
    selection::applicaFrazionato(banco.stato, 2, 3);
    ScriptPrompt script({risposta});
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    c.dal->setValue(2);
    c.dal->setValue(6);
    QCOMPARE(c.dal->value(), 8); // two year steps: the first draw of 2003
    if (cicli > 0) {
        c.cicli->setValue(cicli);
    } else {
        c.annuale->click();
        c.al->setValue(9);
    }
    core::Scrivi_Impostazione(banco.stato, 21, "0");
    const QList<int> prima{c.dal->value(), c.al->value(), c.cicli->value(), c.annuale->isChecked(),
                           c.limite->isChecked()};

    c.clicca("cmdResetFrazionato");
    QCOMPARE(script.testi(), QStringList{DOMANDA_RESET});
    QCOMPARE(script.titoli(), QStringList{QStringLiteral("CONFERMA OPERAZIONE")});
    const QList<int> dopo{c.dal->value(), c.al->value(), c.cicli->value(), c.annuale->isChecked(),
                          c.limite->isChecked()};
    QCOMPARE(dopo, (risposta ? QList<int>{1, 12, 0, true, false} : prima));
    if (risposta) {
        QVERIFY(c.al->isEnabled());
        QCOMPARE(c.cicli->maximum(), 4);
        QCOMPARE(c.testo("lblCicliFrazionato"), QStringLiteral("Fraz."));
        QCOMPARE(c.testo("lblEstrazioneDalFrazionato"), QStringLiteral("1"));
        QCOMPARE(c.testo("lblEstrazioneAlFrazionato"), QStringLiteral("12"));
        QCOMPARE(c.testo("lblSelezionateFrazionato"), QStringLiteral("12"));
    }
    QCOMPARE(banco.periodo(), (QList<int>{2, 3})); // the applied period is not touched
    c.clicca("cmdToolbarPeriodo_10");
    QVERIFY(!finestra.isVisible());
    QCOMPARE(script.mostrati().size(), 1);
}

void TestFrmPeriodo::chiudi_data() {
    QTest::addColumn<bool>("applicato");
    QTest::addColumn<bool>("cornice");
    QTest::addRow("periodo-vuoto") << false << false;
    QTest::addRow("periodo-vuoto-dalla-cornice") << false << true;
    QTest::addRow("periodo-applicato") << true << false;
    QTest::addRow("periodo-applicato-dalla-cornice") << true << true;
}

void TestFrmPeriodo::chiudi() {
    QFETCH(bool, applicato);
    QFETCH(bool, cornice);
    Banco banco;
    if (applicato) selection::applicaFrazionato(banco.stato, 1, 1);
    ScriptPrompt script(applicato ? QList<bool>{} : QList<bool>{true});
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    c.dal->setValue(5);
    if (cornice)
        finestra.close();
    else
        c.clicca("cmdToolbarPeriodo_10");

    QCOMPARE(finestra.isVisible(), !applicato);
    if (!applicato) {
        QCOMPARE(script.testi(),
                 QStringList{QStringLiteral("ATTENZIONE: non e' possibile uscire dalla selezione del periodo "
                                            "di ricerca senza selezionare almeno un' estrazione valida.")});
        QCOMPARE(script.titoli(), QStringList{QStringLiteral("Quintaro")});
        QVERIFY(!script.mostrati().at(0).siNo);
        return;
    }
    QVERIFY(script.mostrati().isEmpty());
    finestra.show(); // hidden, not destroyed: the controls stay where they were
    QCOMPARE(c.dal->value(), 5);
    QCOMPARE(c.testo("lblEstrazioneDalFrazionato"), QStringLiteral("5"));
}

void TestFrmPeriodo::applicazioneAutomaticaAllaCreazione() {
    Banco banco;
    selection::applicaCicli(banco.stato, 5, 2);
    banco.stato.Periodo_Da_Applicare = true;
    QWidget attesa;
    attesa.show();
    QVERIFY(QTest::qWaitForWindowExposed(&attesa));
    ScriptPrompt script;
    ui::frmPeriodo finestra(banco.stato, nullptr, &attesa);

    QVERIFY(script.mostrati().isEmpty());
    QCOMPARE(banco.stato.Totale_Cicli, 1);
    QCOMPARE(banco.stato.Totale_Estrazioni_Selezionate, 12);
    QCOMPARE(banco.stato.Inizio_Ciclo, (std::vector<int>{0, 1}));
    QCOMPARE(banco.stato.Fine_Ciclo, (std::vector<int>{0, 12}));
    QVERIFY(!banco.stato.Periodo_Da_Applicare);
    QVERIFY(!attesa.isVisible());

    // From now on "Applica" asks again.
    Controlli c(finestra);
    QVERIFY(c.conferma->isChecked());
    script.aggiungi({false});
    c.clicca("cmdApplicaPeriodoFrazionato");
    QCOMPARE(script.testi(), QStringList{DOMANDA_APPLICA});
}

void TestFrmPeriodo::giornateAppartenenzaRiparate_data() {
    QTest::addColumn<bool>("giorni");
    QTest::addColumn<QString>("domenica");
    QTest::addRow("prima-apertura-senza-campi") << false << QString();
    QTest::addRow("domenica-a-otto") << true << "8";
    QTest::addRow("domenica-a-zero") << true << "0";
}

void TestFrmPeriodo::giornateAppartenenzaRiparate() {
    QFETCH(bool, giorni);
    QFETCH(QString, domenica);
    Banco banco(ANNI, "0", giorni);
    if (!domenica.isEmpty()) core::Scrivi_Impostazione(banco.stato, 19, domenica.toStdString());
    {
        ScriptPrompt script({true});
        ui::frmPeriodo finestra(banco.stato);
        QCOMPARE(script.titoli(), QStringList{QStringLiteral("ERRORE LETTURA  - Quintaro")});
        QCOMPARE(script.testi(),
                 QStringList{QStringLiteral(
                     "Errore nella lettura dei Giorni di appartenenza. I giorni cadenti in ME, GI, VE "
                     "saranno contati come appartenenti alle estrazioni di MERCOLEDI, i restanti come "
                     "appartenenti al SABATO")});
        QVERIFY(!script.mostrati().at(0).siNo);
    }
    QCOMPARE(banco.stato.Giornata_Appartenenza, (std::array<int, 8>{0, 6, 6, 3, 3, 3, 6, 6}));
    QCOMPARE(core::Leggi_Numero_Impostazione(banco.stato, 19), 6);
    banco.stato.Giornata_Appartenenza.fill(0); // as at the next start
    ScriptPrompt silenzio;
    ui::frmPeriodo ancora(banco.stato);
    QVERIFY(silenzio.mostrati().isEmpty());
}

void TestFrmPeriodo::caselleRuoteNonModificabili() {
    Banco banco;
    std::array<bool, 11> spuntate{};
    spuntate[1] = spuntate[8] = true;
    core::impostaSelezioneRuote(banco.stato, spuntate);
    ScriptPrompt script;
    ui::frmPeriodo finestra(banco.stato);
    Controlli c(finestra);
    for (int w : {1, 3, 8, 10}) {
        auto* casella = figlio<QCheckBox>(finestra, QStringLiteral("chkRuotePeriodo_%1").arg(w));
        QSignalSpy cliccata(casella, &QCheckBox::clicked);
        QTest::mouseClick(casella, Qt::LeftButton, {}, QPoint(6, casella->height() / 2));
        QCOMPARE(cliccata.size(), 1);
    }
    for (int w = 1; w <= 10; ++w) {
        auto* casella = figlio<QCheckBox>(finestra, QStringLiteral("chkRuotePeriodo_%1").arg(w));
        QCOMPARE(casella->isChecked(), w == 1 || w == 8);
        QCOMPARE(casella->font().bold(), w == 1 || w == 8);
    }
    QCOMPARE(c.testo("lblNumeroRuote"), QStringLiteral("Ruote Selezionate:  2"));
    QCOMPARE(c.testo("lblRuote"), QStringLiteral("BA RO "));
}

QTEST_MAIN(TestFrmPeriodo)
#include "TestFrmPeriodo.moc"
