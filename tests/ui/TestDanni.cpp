// Every window over a damaged archive and over a damaged settings file: it opens, does its main work,
// shows the fallback values or a clear message, and the program goes on. One row per window and damage.
#include "ArchivioDiProva.h"
#include "FinestraModale.h"
#include "ScriptPrompt.h"
#include "core/Impostazioni.h"
#include "selection/Periodo.h"
#include "stakes/Poste.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/Principio.h"
#include "ui/maintenance/FrmAggiornamento.h"
#include "ui/selection/FrmPeriodo.h"
#include "ui/selection/FrmRuote.h"
#include "ui/stakes/FrmPosteCombinazioni.h"
#include "ui/stats/FrmFreqRitAmbo.h"
#include "ui/stats/FrmFreqRitEstratti.h"
#include "ui/stats/FrmGrafico.h"
#include "ui/viewer/FrmVisionaDieciRuote.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

using prova::ScriptPrompt;

namespace {

enum Finestra { Lettura, Principale, Ruote, Periodo, Numeri, Ambi, Aggiornamento, Sfoglia, Poste };
const char* const NOMI_FINESTRE[] = {"lettura", "principale",    "ruote",   "periodo", "numeri",
                                     "ambi",    "aggiornamento", "sfoglia", "poste"};

enum Danno {
    LunghezzeDiverse,
    ByteFuoriLimiti,
    TestiNonNumerici,
    ConcorsiFuoriLimiti,
    BariSpezzato,
    ImpoSpazzatura,
    ImpoTroncato,
    ImpoNumeriEnormi,
    ImpoCartella
};
const char* const NOMI_DANNI[] = {
    "lunghezze-diverse",     "byte-fuori-50-140",     "date-concorsi-non-numerici",
    "concorsi-fuori-limiti", "bari-spezzato",         "impobin-spazzatura",
    "impobin-troncato",      "impobin-numeri-enormi", "impobin-cartella"};

bool danniImpostazioni(int danno) {
    return danno >= ImpoSpazzatura;
}

/** The messages (beginnings of their texts) a window shows over a damage, questions left out, in order. */
QStringList messaggiAttesi(int finestra, int danno) {
    const QString poste = QString::fromUtf8(stakes::MESSAGGIO_POSTE_DEFAULT.data(),
                                            qsizetype(stakes::MESSAGGIO_POSTE_DEFAULT.size()));
    const QString nonScritte = QStringLiteral("Impossibile registrare le impostazioni nel file ImpoBin");
    switch (finestra) {
    case Lettura:
        if (danno == LunghezzeDiverse || danno == BariSpezzato)
            return {"ATTENZIONE: i file dell'archivio non sono coerenti"};
        if (danno == ByteFuoriLimiti)
            return {"ATTENZIONE: 3 registrazioni di ruota contengono valori non validi"};
        if (danno == ImpoSpazzatura || danno == ImpoNumeriEnormi) return {poste};
        if (danno == ImpoCartella) return {nonScritte};
        return {};
    case Periodo:
        if (danno == ImpoSpazzatura || danno == ImpoNumeriEnormi)
            return {"Errore nella lettura dei Giorni di appartenenza"};
        if (danno == ImpoCartella) return {nonScritte};
        return {};
    case Principale:
        return danno == ImpoCartella ? QStringList{nonScritte} : QStringList{};
    case Numeri:
    case Ambi:
        // The saved wheels cannot be read: nothing is selected until the user chooses. The options that
        // cannot be stored are said once.
        if (danno == ImpoCartella) return {"Selezionare almeno una Ruota!", "Impossibile registrare"};
        if (danniImpostazioni(danno)) return {"Selezionare almeno una Ruota!"};
        return {};
    case Aggiornamento:
        if (danno == BariSpezzato || danno == LunghezzeDiverse)
            return {"ATTENZIONE: rilevati errori nell' archivio estrazioni"};
        return {};
    case Poste:
        // The payouts read at the load were written back, unless the settings cannot be written at all.
        if (danno == ImpoCartella) return {nonScritte};
        return {};
    default:
        return {};
    }
}

/** Replaces bytes of a file of the folder from `posizione` on. */
void sostituisci(const prova::CartellaDiProva& c, const char* file, std::size_t posizione,
                 const std::string& byte) {
    std::string contenuto = c.leggiFile(file);
    contenuto.replace(posizione, byte.size(), byte);
    c.scriviFile(file, contenuto);
}

/**
 * A program folder with 40 draws (2003 and 2004, contests 1..20 each) and sound settings, then the
 * damage. carica() loads it as the program does and applies the whole period, as the main window's
 * opening does.
 */
struct Banco {
    explicit Banco(int danno) {
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
            core::Scrivi_Impostazione(stato, k, testo);
        danneggia(danno);
    }

    void danneggia(int danno) {
        switch (danno) {
        case LunghezzeDiverse:
            cartella.scriviFile("RUOTE/ROMA", cartella.leggiFile("RUOTE/ROMA").substr(0, 37));
            cartella.scriviFile("RUOTE/DATA", cartella.leggiFile("RUOTE/DATA") + "123");
            cartella.scriviFile("RUOTE/CONCORSO", cartella.leggiFile("RUOTE/CONCORSO").substr(0, 39 * 8));
            break;
        case ByteFuoriLimiti:
            sostituisci(cartella, "RUOTE/FIRENZE", 5 * 2 + 1, "\xc8");
            sostituisci(cartella, "RUOTE/MILANO", 5 * 9, std::string(1, '\0'));
            sostituisci(cartella, "RUOTE/BARI", 5 * 39 + 4, "1"); // 49
            break;
        case TestiNonNumerici:
            sostituisci(cartella, "RUOTE/DATA", 0, std::string("\xff\0\x01 /\xfe/\x80\x81\x82\x83", 10));
            sostituisci(cartella, "RUOTE/DATA", 40, "xx/yy/zzzz");
            sostituisci(cartella, "RUOTE/CONCORSO", 8, "abc/defg");
            sostituisci(cartella, "RUOTE/CONCORSO", 39 * 8, "   /    ");
            break;
        case ConcorsiFuoriLimiti:
            sostituisci(cartella, "RUOTE/CONCORSO", 0, "999/9999");
            sostituisci(cartella, "RUOTE/CONCORSO", 19 * 8, "  0/   0");
            sostituisci(cartella, "RUOTE/CONCORSO", 20 * 8, "-12/1870");
            break;
        case BariSpezzato:
            cartella.scriviFile("RUOTE/BARI", cartella.leggiFile("RUOTE/BARI") + "\x80\x80\x80");
            break;
        case ImpoSpazzatura: {
            // Any byte but those of a number, so that every field reads as a text without a value.
            std::string byte(2200, '\0');
            unsigned x = 12345;
            for (char& c : byte) {
                x = x * 1103515245U + 12345U;
                c = static_cast<char>(x >> 16);
                if ((c >= '0' && c <= '9') || c == ' ' || c == '+' || c == '-') c = 'x';
            }
            cartella.scriviFile("ImpoBin", byte);
            break;
        }
        case ImpoTroncato:
            cartella.scriviFile("ImpoBin", cartella.leggiFile("ImpoBin").substr(0, 250));
            break;
        case ImpoNumeriEnormi:
            for (int k = 1; k <= core::NUMERO_CAMPI; ++k)
                core::Scrivi_Impostazione(stato, k, k % 2 ? "99999999999999999" : "-2147483649");
            break;
        case ImpoCartella:
            std::filesystem::remove(cartella.percorso() / "ImpoBin");
            std::filesystem::create_directory(cartella.percorso() / "ImpoBin");
            break;
        }
    }

    /** Carica_Archivio with "OK" pressed in the loading window. */
    bool carica() {
        prova::QuandoModale<ui::LeggiEstrazioni> ok([](ui::LeggiEstrazioni* f) { f->cmdSkip_Click(); });
        const bool caricato = ui::Carica_Archivio(stato);
        if (caricato) selection::applicaFrazionato(stato, 1, stato.Estrazioni_Caricate);
        return caricato;
    }

    prova::CartellaDiProva cartella;
    core::Stato stato = cartella.stato();
};

template <class T = QLabel> T* figlio(QObject& genitore, const QString& nome) {
    auto* trovato = genitore.findChild<T*>(nome);
    if (!trovato) qFatal("controllo %s non trovato", qPrintable(nome));
    return trovato;
}

QString testo(QObject& f, const char* nome) {
    return figlio(f, QString::fromLatin1(nome))->text();
}

/** The texts of the boxes shown that were not questions. */
QStringList avvisi(const ScriptPrompt& script) {
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
        QTest::addColumn<int>("finestra");
        QTest::addColumn<int>("danno");
        for (int f = Lettura; f <= Poste; ++f)
            for (int d = LunghezzeDiverse; d <= ImpoCartella; ++d)
                QTest::addRow("%s/%s", NOMI_FINESTRE[f], NOMI_DANNI[d]) << f << d;
    }

    void finestraSopravvive() {
        QFETCH(int, finestra);
        QFETCH(int, danno);
        Banco b(danno);
        auto& s = b.stato;
        std::optional<ScriptPrompt> script(std::in_place, QList<bool>{}, ScriptPrompt::Imprevisti::Si);
        QVERIFY(b.carica());
        QCOMPARE(s.Estrazioni_Caricate, danno == BariSpezzato ? 41 : 40);
        QVERIFY(s.Max_Concorsi_Anno >= 108 && s.Max_Concorsi_Anno <= 999);
        if (finestra != Lettura) script.emplace(QList<bool>{}, ScriptPrompt::Imprevisti::Si);

        switch (finestra) {
        case Lettura:
            // The payout table is in use, the stored one or the defaults.
            QVERIFY(s.Percentuale_Trattenuta > 0 && s.Percentuale_Trattenuta <= 100 && s.Quota_Estratto > 0);
            if (danniImpostazioni(danno)) QCOMPARE(s.Quote_Premi[5], 6000000);
            break;
        case Principale: {
            ui::PRINCIPIO f(s);
            f.ToolBar_Visiblile();
            QVERIFY(testo(f, "lblArchivioCaricato")
                        .startsWith(
                            QStringLiteral("Archivio: %1 estrazioni caricate").arg(s.Estrazioni_Caricate)));
            // Field 100 holding anything but 0 shows the toolbar, a missing file or a field past the
            // file's end too; a text without a value reads as 0.
            QCOMPARE(s.Toolbar_Visibile, danno == ImpoSpazzatura ? 0 : 1);
            QCOMPARE(figlio<QFrame>(f, "Frame1")->isHidden(), s.Toolbar_Visibile == 0);
            figlio<QAction>(f, "mnuOpzioniToolbar")->trigger();
            break;
        }
        case Ruote: {
            ui::frm_Ruote f(s);
            QCOMPARE(testo(f, "lblNumeroRuote"),
                     QStringLiteral("Ruote Selezionate:  %1").arg(danniImpostazioni(danno) ? 0 : 3));
            QTest::mouseClick(figlio<QPushButton>(f, "cmdTutte"), Qt::LeftButton);
            QTest::mouseClick(figlio<QPushButton>(f, "cmd_Ok"), Qt::LeftButton);
            QCOMPARE(f.result(), int(QDialog::Accepted));
            QCOMPARE(s.Ruota_Selezionata[0], 10);
            break;
        }
        case Periodo: {
            s.Periodo_Da_Applicare = true;
            ui::frmPeriodo f(s);
            QCOMPARE(s.Totale_Estrazioni_Selezionate, s.Estrazioni_Caricate);
            for (int volta = 0; volta < 3; ++volta)
                figlio<QCheckBox>(f, "chkLimitScrollbar")->click();
            for (int k = 1; k <= 7; ++k)
                QVERIFY(s.Giornata_Appartenenza[std::size_t(k)] >= 1 &&
                        s.Giornata_Appartenenza[std::size_t(k)] <= 7);
            // The most cycles the bar offers, applied.
            auto* cicli = figlio<QScrollBar>(f, "hscCicliFrazionato");
            cicli->setValue(cicli->maximum());
            f.cmdApplicaPeriodoFrazionato_Click();
            QVERIFY(s.Totale_Estrazioni_Selezionate >= 0 &&
                    s.Totale_Estrazioni_Selezionate <= s.Estrazioni_Caricate);
            break;
        }
        case Numeri:
        case Ambi: {
            std::unique_ptr<ui::FinestraRicerca> f;
            if (finestra == Numeri)
                f = std::make_unique<ui::frmFREQRITESTRATTI>(s);
            else
                f = std::make_unique<ui::frmFREQRITAMBO>(s);
            f->cmdAVVIO_Click();
            if (s.Ruota_Selezionata[0] == 0) {
                core::selezioneDaTesto(s, "1111111111");
                f->cmdAVVIO_Click();
            }
            QCOMPARE(f->Stato_Ricerca(), 3);
            f->apriGrafico(0, 1, 1); // the chart of the first cell, over the damaged draws
            delete f->findChild<ui::FrmGrafico*>();
            for (int volta = 0; volta < 3; ++volta)
                figlio<QCheckBox>(*f, "chkStatusBar")->click();
            break;
        }
        case Aggiornamento: {
            ui::frmAggiornamento f(s);
            auto* barra = figlio<QScrollBar>(f, "vscEstrazioni");
            if (messaggiAttesi(finestra, danno).isEmpty()) {
                // The files are browsed from the last draw to the first; a byte outside 50..140 shows no
                // number.
                QCOMPARE(testo(f, "lblNumeroEstrazione"), QStringLiteral("40"));
                QCOMPARE(figlio<QLineEdit>(f, "txtEstratto_5")->text().isEmpty(), danno == ByteFuoriLimiti);
                barra->setValue(barra->minimum());
                QCOMPARE(testo(f, "lblNumeroEstrazione"), QStringLiteral("1"));
            } else {
                // Files that disagree are not offered for browsing, nor for changes.
                QVERIFY(!barra->isEnabled());
            }
            f.reject();
            break;
        }
        case Sfoglia: {
            ui::frmVisionaDieciRuote f(s);
            f.show();
            auto* barra = figlio<QScrollBar>(f, "hscEstrazioni");
            QCOMPARE(barra->maximum(), s.Estrazioni_Caricate);
            QVERIFY(figlio<QScrollBar>(f, "hscLarge")->maximum() <= 999);
            barra->setValue(barra->minimum());
            auto* griglia = figlio<QTableWidget>(f, "mfgSpecifici_1");
            QCOMPARE(griglia->item(2, 0)->text(), QStringLiteral("1"));
            f.close();
            break;
        }
        case Poste: {
            ui::frmPosteCombinazioni f(s);
            figlio<QScrollBar>(f, "hscPuntata_2")->setValue(500);
            QVERIFY2(!testo(f, "lblRiscossione").contains(QLatin1Char('-')),
                     qPrintable(testo(f, "lblRiscossione")));
            break;
        }
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
