// Every window over a damaged archive and over a damaged settings file: it opens, does its main work,
// shows the fallback values or a clear message, and the program goes on. One row per window and damage.
#include "ArchivioDiProva.h"
#include "Finestre.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"
#include "stakes/Poste.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/maintenance/FrmAggiornamento.h"
#include "ui/rete/FrmOpzioniAggiornamento.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"
#include "ui/stakes/FrmPosteCombinazioni.h"
#include "ui/stakes/FrmVerificaGiocata.h"
#include "ui/stats/FrmFreqRitAmbo.h"
#include "ui/stats/FrmFreqRitEstratti.h"
#include "ui/stats/FrmFreqRitTerni.h"
#include "ui/stats/FrmGrafico.h"
#include "ui/stats/FrmGruppi.h"
#include "ui/stats/FrmNumeriSpia.h"
#include "ui/stats/FrmVerificaCaso.h"
#include "ui/viewer/FrmVisionaDieciRuote.h"

#include <QComboBox>
#include <QDateEdit>
#include <QRadioButton>
#include <QSpinBox>

using prova::controllo;
using prova::testo;

namespace {

const char* const FINESTRE[] = {
    "lettura",       "principale", "ruote", "periodo",          "numeri",   "ambi", "terni",
    "aggiornamento", "sfoglia",    "poste", "opzioni-internet", "verifica", "spia", "gruppi"};
const char* const DANNI[] = {"lunghezze-diverse",     "byte-fuori-50-140",     "date-concorsi-non-numerici",
                             "concorsi-fuori-limiti", "bari-spezzato",         "impobin-spazzatura",
                             "impobin-troncato",      "impobin-numeri-enormi", "impobin-cartella"};

// The messages (beginnings of their texts) a window shows over a damage, questions left out, in order.
QStringList messaggiAttesi(const QString& finestra, const QString& danno) {
    const QString nonScritte = QStringLiteral("Impossibile registrare le impostazioni nel file ImpoBin");
    const bool impo = danno.startsWith(QStringLiteral("impobin")), cartella = danno == "impobin-cartella";
    // A settings file whose fields cannot be read at all: the stored tables give way to the defaults.
    const bool illeggibile = danno == "impobin-spazzatura" || danno == "impobin-numeri-enormi";
    const bool discordi = danno == "lunghezze-diverse" || danno == "bari-spezzato";
    if (finestra == "lettura") {
        if (discordi) return {"ATTENZIONE: i file dell'archivio non sono coerenti"};
        if (danno == "byte-fuori-50-140")
            return {"ATTENZIONE: 3 registrazioni di ruota contengono valori non validi"};
        if (illeggibile)
            return {QString::fromUtf8(stakes::MESSAGGIO_POSTE_DEFAULT.data(),
                                      qsizetype(stakes::MESSAGGIO_POSTE_DEFAULT.size()))};
    }
    if (finestra == "periodo" && illeggibile) return {"Errore nella lettura dei Giorni di appartenenza"};
    // The saved wheels cannot be read: nothing is selected until the user chooses; the options that
    // cannot be stored are said once.
    if ((finestra == "numeri" || finestra == "ambi" || finestra == "terni" || finestra == "verifica" ||
         finestra == "spia" || finestra == "gruppi") &&
        impo)
        return cartella ? QStringList{"Selezionare almeno una Ruota!", "Impossibile registrare"}
                        : QStringList{"Selezionare almeno una Ruota!"};
    if (finestra == "aggiornamento" && discordi)
        return {"ATTENZIONE: rilevati errori nell' archivio estrazioni"};
    // The payouts read at the load were written back (and the wheels confirmed), unless the settings cannot
    // be written at all.
    if (cartella && finestra != "sfoglia" && finestra != "aggiornamento" && finestra != "opzioni-internet")
        return {nonScritte};
    return {};
}

// Replaces bytes of a file of the folder from `posizione` on.
void sostituisci(const prova::CartellaDiProva& c, const char* file, std::size_t posizione,
                 const std::string& byte) {
    std::string contenuto = c.leggiFile(file);
    contenuto.replace(posizione, byte.size(), byte);
    c.scriviFile(file, contenuto);
}

// A program folder with 40 draws (2003 and 2004, contests 1..20 each) and sound settings, then the damage.
// carica() loads it as the program does and applies the whole period, as the main window's opening does.
struct Banco {
    explicit Banco(const QString& danno) {
        std::vector<prova::Estrazione> estrazioni;
        for (int i = 0; i < 40; ++i)
            estrazioni.push_back(prova::estrazione(1 + i % 28, 1 + i % 20 / 2, 2003 + i / 20, 1 + i % 20, i));
        cartella.scriviArchivio(estrazioni);
        const std::map<int, std::string> campi = {
            {10, "156"}, {13, "6"},   {14, "6"},   {15, "3"},          {16, "3"},     {17, "3"},
            {18, "6"},   {19, "6"},   {21, "1"},   {23, "1010000001"}, {50, "1"},     {51, "5"},
            {53, "2"},   {64, "113"}, {65, "250"}, {66, "4250"},       {67, "80000"}, {68, "1000000"},
            {69, "30"},  {70, "0"},   {71, "1"},   {86, "1"},          {100, "1"}};
        for (const auto& [k, testo] : campi)
            QVERIFY(core::Scrivi_Impostazione(stato, k, testo));
        const auto& c = cartella;
        if (danno == "lunghezze-diverse") {
            c.scriviFile("RUOTE/ROMA", c.leggiFile("RUOTE/ROMA").substr(0, 37));
            c.scriviFile("RUOTE/NAZIONALE", c.leggiFile("RUOTE/NAZIONALE").substr(0, 17));
            c.scriviFile("RUOTE/DATA", c.leggiFile("RUOTE/DATA") + "123");
            c.scriviFile("RUOTE/CONCORSO", c.leggiFile("RUOTE/CONCORSO").substr(0, 39 * 8));
        } else if (danno == "byte-fuori-50-140") {
            sostituisci(c, "RUOTE/FIRENZE", 5 * 2 + 1, "\xc8");
            sostituisci(c, "RUOTE/MILANO", 5 * 9, std::string(1, '\0'));
            sostituisci(c, "RUOTE/BARI", 5 * 39 + 4, "1"); // 49
        } else if (danno == "date-concorsi-non-numerici") {
            sostituisci(c, "RUOTE/DATA", 0, std::string("\xff\0\x01 /\xfe/\x80\x81\x82\x83", 10));
            sostituisci(c, "RUOTE/DATA", 40, "xx/yy/zzzz");
            sostituisci(c, "RUOTE/CONCORSO", 8, "abc/defg");
            sostituisci(c, "RUOTE/CONCORSO", 39 * 8, "   /    ");
        } else if (danno == "concorsi-fuori-limiti") {
            sostituisci(c, "RUOTE/CONCORSO", 0, "999/9999");
            sostituisci(c, "RUOTE/CONCORSO", 19 * 8, "  0/   0");
            sostituisci(c, "RUOTE/CONCORSO", 20 * 8, "-12/1870");
        } else if (danno == "bari-spezzato") {
            c.scriviFile("RUOTE/BARI", c.leggiFile("RUOTE/BARI") + "\x80\x80\x80");
        } else if (danno == "impobin-spazzatura") {
            // Any byte but those of a number, so that every field reads as a text without a value.
            std::string byte(2200, '\0');
            unsigned x = 12345;
            for (char& b : byte) {
                x = x * 1103515245U + 12345U;
                b = static_cast<char>(x >> 16);
                if ((b >= '0' && b <= '9') || b == ' ' || b == '+' || b == '-') b = 'x';
            }
            c.scriviFile("ImpoBin", byte);
        } else if (danno == "impobin-troncato") {
            c.scriviFile("ImpoBin", c.leggiFile("ImpoBin").substr(0, 250));
        } else if (danno == "impobin-numeri-enormi") {
            for (int k = 1; k <= core::NUMERO_CAMPI; ++k)
                QVERIFY(core::Scrivi_Impostazione(stato, k, k % 2 ? "99999999999999999" : "-2147483649"));
        } else if (danno == "impobin-cartella") {
            std::filesystem::remove(c.percorso() / "ImpoBin");
            std::filesystem::create_directory(c.percorso() / "ImpoBin");
        }
    }

    // Carica_Archivio with "OK" pressed in the loading window.
    bool carica() {
        prova::QuandoModale<ui::LeggiEstrazioni> ok([](ui::LeggiEstrazioni* f) { f->cmdSkip_Click(); });
        const bool caricato = ui::Carica_Archivio(stato);
        if (caricato) selection::applicaFrazionato(stato, 1, stato.Estrazioni_Caricate);
        return caricato;
    }

    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

// The texts of the boxes shown that were not questions.
QStringList avvisi(const prova::ScriptPrompt& script) {
    QStringList testi;
    for (const auto& richiesta : script.mostrati())
        if (!richiesta.siNo) testi << richiesta.testo;
    return testi;
}

} // namespace

class TestDanni : public QObject {
    Q_OBJECT
private slots:
    void finestraSopravvive_data() {
        QTest::addColumn<QString>("finestra");
        QTest::addColumn<QString>("danno");
        for (const char* finestra : FINESTRE)
            for (const char* danno : DANNI)
                QTest::addRow("%s/%s", finestra, danno) << QString(finestra) << QString(danno);
    }

    void finestraSopravvive() {
        QFETCH(QString, finestra);
        QFETCH(QString, danno);
        Banco b(danno);
        auto& s = b.stato;
        const bool impo = danno.startsWith(QStringLiteral("impobin"));
        std::optional<prova::ScriptPrompt> script(std::in_place, QList<bool>{},
                                                  prova::ScriptPrompt::Imprevisti::Si);
        QVERIFY(b.carica());
        QCOMPARE(s.Estrazioni_Caricate, danno == "bari-spezzato" ? 41 : 40);
        QVERIFY(s.Max_Concorsi_Anno >= 108 && s.Max_Concorsi_Anno <= 999);
        if (finestra != "lettura") script.emplace(QList<bool>{}, prova::ScriptPrompt::Imprevisti::Si);

        if (finestra == "lettura") {
            // The payout table is in use, the stored one or the defaults.
            QVERIFY(s.Percentuale_Trattenuta > 0 && s.Percentuale_Trattenuta <= 100 && s.Quota_Estratto > 0);
            if (impo) QCOMPARE(s.Quote_Premi[5], 6000000);
        } else if (finestra == "principale") {
            ui::PRINCIPIO f(s);
            f.ToolBar_Visiblile();
            QVERIFY(testo(f, "lblArchivioCaricato")
                        .startsWith(
                            QStringLiteral("Archivio: %1 estrazioni caricate").arg(s.Estrazioni_Caricate)));
            // Field 100 holding anything but 0 shows the toolbar, a missing file or a field past the
            // file's end too; a text without a value reads as 0.
            QCOMPARE(s.Toolbar_Visibile, danno == "impobin-spazzatura" ? 0 : 1);
            QCOMPARE(controllo(f, "Frame1")->isHidden(), s.Toolbar_Visibile == 0);
            prova::clic(f, "mnuOpzioniToolbar");
        } else if (finestra == "ruote") {
            ui::frm_Ruote f(s);
            QCOMPARE(testo(f, "lblNumeroRuote"), QStringLiteral("Ruote Selezionate:  %1").arg(impo ? 0 : 3));
            prova::clic(f, "cmdTutte");
            prova::clic(f, "cmd_Ok");
            QCOMPARE(f.result(), int(QDialog::Accepted));
            QCOMPARE(s.Ruota_Selezionata[0], 10);
        } else if (finestra == "periodo") {
            s.Periodo_Da_Applicare = true;
            ui::frmPeriodo f(s);
            QCOMPARE(s.Totale_Estrazioni_Selezionate, s.Estrazioni_Caricate);
            for (int volta = 0; volta < 3; ++volta)
                controllo<QCheckBox>(f, "chkLimitScrollbar")->click();
            for (std::size_t k = 1; k <= 7; ++k)
                QVERIFY(s.Giornata_Appartenenza[k] >= 1 && s.Giornata_Appartenenza[k] <= 7);
            auto* cicli =
                controllo<QScrollBar>(f, "hscCicliFrazionato"); // the most cycles it offers, applied
            cicli->setValue(cicli->maximum());
            f.cmdApplicaPeriodoFrazionato_Click();
            QVERIFY(s.Totale_Estrazioni_Selezionate >= 0 &&
                    s.Totale_Estrazioni_Selezionate <= s.Estrazioni_Caricate);
        } else if (finestra == "numeri" || finestra == "ambi" || finestra == "terni" ||
                   finestra == "verifica" || finestra == "gruppi") {
            std::unique_ptr<ui::FinestraRicerca> f;
            if (finestra == "gruppi")
                f = std::make_unique<ui::frmGruppi>(s);
            else if (finestra == "verifica")
                f = std::make_unique<ui::FrmVerificaCaso>(s);
            else if (finestra == "numeri")
                f = std::make_unique<ui::frmFREQRITESTRATTI>(s);
            else if (finestra == "ambi")
                f = std::make_unique<ui::frmFREQRITAMBO>(s);
            else
                f = std::make_unique<ui::frmFREQRITTERNI>(s);
            f->cmdAVVIO_Click();
            if (s.Ruota_Selezionata[0] == 0) {
                core::selezioneDaTesto(s, "1111111111");
                f->cmdAVVIO_Click();
            }
            QCOMPARE(f->Stato_Ricerca(), 3);
            // The chart of the first cell, over the damaged draws (in the chance test, of the first
            // selected wheel's first number: its first page lists the wheels), and the cell's chance.
            int colonna = 0;
            if (finestra == "verifica")
                while (s.Ruota_Selezionata[std::size_t(++colonna)] != -1) {
                }
            const int riga = finestra == "verifica" ? 0 : 1;
            f->apriGrafico(colonna, riga, 1);
            QVERIFY(!f->testoCaso(colonna, riga, 1).isEmpty());
            delete f->findChild<ui::FrmGrafico*>();
            for (int volta = 0; volta < 3; ++volta)
                controllo<QCheckBox>(*f, "chkStatusBar")->click();
        } else if (finestra == "spia") {
            // The spy's choices from the settings or their fallbacks; the search over what can be read.
            ui::frmNUMERISPIA f(s);
            auto* spia = controllo<QSpinBox>(f, "spnNumeroSpia");
            QVERIFY(spia->value() >= 1 && controllo<QComboBox>(f, "cboRuotaSpia")->currentIndex() >= 0);
            f.cmdAVVIO_Click();
            if (s.Ruota_Selezionata[0] == 0) {
                core::selezioneDaTesto(s, "1111111111");
                f.cmdAVVIO_Click();
            }
            QCOMPARE(f.Stato_Ricerca(), 3);
            QVERIFY(testo(f, "lblUsciteSpia").endsWith(QStringLiteral(": %1").arg(f.risultati(0).uscite)));
            QCOMPARE(prova::cella(f, "mfgSpia_0", 89, 0), QStringLiteral("90"));
            spia->setValue(spia->value() % 90 + 1);
        } else if (finestra == "aggiornamento") {
            ui::frmAggiornamento f(s);
            auto* barra = controllo<QScrollBar>(f, "vscEstrazioni");
            if (messaggiAttesi(finestra, danno).isEmpty()) {
                // The files are browsed from the last draw to the first; a byte outside 50..140 shows no
                // number.
                QCOMPARE(testo(f, "lblNumeroEstrazione"), QStringLiteral("40"));
                QCOMPARE(controllo<QLineEdit>(f, "txtEstratto_5")->text().isEmpty(),
                         danno == "byte-fuori-50-140");
                barra->setValue(barra->minimum());
                QCOMPARE(testo(f, "lblNumeroEstrazione"), QStringLiteral("1"));
            } else {
                QVERIFY(
                    !barra->isEnabled()); // files that disagree are not offered for browsing, nor for changes
            }
            f.reject();
        } else if (finestra == "sfoglia") {
            ui::frmVisionaDieciRuote f(s);
            f.show();
            auto* barra = controllo<QScrollBar>(f, "hscEstrazioni");
            QCOMPARE(barra->maximum(), std::max(s.Estrazioni_Caricate - 3, 1)); // the last four draws
            QVERIFY(controllo<QScrollBar>(f, "hscLarge")->maximum() <= 999);
            barra->setValue(barra->minimum());
            QCOMPARE(prova::cella(f, "mfgSpecifici_1", 2, 0), QStringLiteral("1"));
            f.close();
        } else if (finestra == "opzioni-internet") {
            // The address and the option read from whatever the settings hold.
            ui::frmOpzioniAggiornamento f(s);
            f.show();
            QVERIFY(controllo<QLineEdit>(f, "txtIndirizzo")->text().size() <= 190);
            f.reject();
        } else if (finestra == "poste") {
            ui::frmPosteCombinazioni f(s);
            prova::sposta(f, "hscPuntata_2", 500);
            QVERIFY2(!testo(f, "lblRiscossione").contains(QLatin1Char('-')),
                     qPrintable(testo(f, "lblRiscossione")));
        } else if (finestra == "verifica") {
            // Whatever the settings held as the last ticket, a ticket on the ten wheels over every draw.
            ui::frmVerificaGiocata f(s, nullptr);
            controllo<QLineEdit>(f, "txtNumeri")->setText("1 2 3");
            controllo<QCheckBox>(f, "chkTutte")->setChecked(true);
            controllo<QLineEdit>(f, "txtPosta_2")->setText("1");
            controllo<QRadioButton>(f, "optDallaData")->setChecked(true);
            auto* data = controllo<QDateEdit>(f, "dtpDal");
            data->setDate(data->minimumDate());
            controllo<QSpinBox>(f, "spnColpi")->setValue(s.Estrazioni_Caricate);
            f.cmdVerifica_Click();
            QVERIFY(f.verifica() && f.verifica()->estrazioni.size() >= 38);
            QCOMPARE(controllo<QTableWidget>(f, "mfgVerifica")->rowCount(),
                     int(f.verifica()->estrazioni.size()));
        }

        const QStringList mostrati = avvisi(*script);
        const QStringList attesi = messaggiAttesi(finestra, danno);
        QCOMPARE(mostrati.size(), attesi.size());
        for (qsizetype i = 0; i < attesi.size(); ++i)
            QVERIFY2(mostrati[i].startsWith(attesi[i]), qPrintable(mostrati[i]));
    }
};

QTEST_MAIN(TestDanni)
#include "TestDanni.moc"
