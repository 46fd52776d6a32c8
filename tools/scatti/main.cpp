// quintaro-scatti: opens every window of the program over an archive, one after the other, as the
// program opens them, saves a picture of the whole screen for each (a person looks at them) and lists
// what a machine can see is wrong: a window that does not fit the screen, a text that does not fit its
// control. Run it under a real X server of the smallest supported size, with or without a window manager:
//
//   xvfb-run -s "-screen 0 800x600x24" build/bin/quintaro-scatti --uscita /tmp/scatti [--cartella DIR]
//
// Without --cartella it writes the demo archive into a temporary program folder.
#include "core/Caricamento.h"
#include "core/Stato.h"
#include "demo/Demo.h"
#include "importa/DaInternet.h"
#include "rete/Scaricamento.h"
#include "selection/Periodo.h"
#include "stakes/Poste.h"
#include "ui/FrmAttesa.h"
#include "ui/FrmInformazioni.h"
#include "ui/Guida.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/LogoIniziale.h"
#include "ui/Principio.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/maintenance/FrmAggiornamento.h"
#include "ui/rete/AggiornaDaInternet.h"
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
#include "ui/stats/FrmLunghette.h"
#include "ui/stats/FrmNumeriSpia.h"
#include "ui/stats/FrmVerificaCaso.h"
#include "ui/viewer/FrmVisionaDieciRuote.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <iostream>

namespace {

QTextStream uscita(stdout);
int problemi = 0;

void attendi(int ms) {
    QElapsedTimer orologio;
    orologio.start();
    while (orologio.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

/** The texts of buttons and labels that their control cuts: the control is narrower than its text. */
void controllaTesti(QWidget* finestra, const QString& nome) {
    for (QWidget* figlio : finestra->findChildren<QWidget*>()) {
        if (!figlio->isVisible()) continue;
        QString testo;
        int larghezza = 0;
        if (auto* etichetta = qobject_cast<QLabel*>(figlio); etichetta && !etichetta->wordWrap()) {
            testo = etichetta->text();
            if (testo.contains(QLatin1Char('<'))) continue;            // rich text: measured by its layout
            for (const QString& riga : testo.split(QLatin1Char('\n'))) // a text of lines: its widest
                larghezza = std::max(larghezza,
                                     etichetta->buddy() // a mnemonic's '&' is not drawn
                                         ? etichetta->fontMetrics().size(Qt::TextShowMnemonic, riga).width()
                                         : etichetta->fontMetrics().horizontalAdvance(riga));
            larghezza += 2 * etichetta->margin() + etichetta->indent();
        } else if (auto* pulsante = qobject_cast<QAbstractButton*>(figlio)) {
            // The text and the least room a button's frame needs around it.
            // The mnemonic's '&' is not drawn, and Qt leaves it out of the button's own size too.
            testo = pulsante->text();
            larghezza = pulsante->fontMetrics().size(Qt::TextShowMnemonic, testo).width() + 8 +
                        (pulsante->icon().isNull() ? 0 : pulsante->iconSize().width() + 4);
        }
        if (testo.isEmpty() || larghezza <= figlio->width() + 1) continue;
        ++problemi;
        uscita << "  TESTO TAGLIATO in " << nome << ": " << figlio->objectName() << " \"" << testo << "\" ("
               << larghezza << " px in " << figlio->width() << ")\n";
    }
}

/** Shows the window as the program does, saves the screen and checks what can be checked. */
void scatta(QWidget* finestra, const QString& nome, const QString& cartella,
            const std::function<void()>& prima = {}) {
    finestra->show();
    attendi(400);
    if (prima) {
        prima();
        attendi(300);
    }
    finestra->raise();
    finestra->activateWindow();
    attendi(200);
    QScreen* schermo = finestra->screen();
    schermo->grabWindow(0).save(cartella + QLatin1Char('/') + nome + QStringLiteral(".png"));
    const QRect area = schermo->availableGeometry(), cornice = finestra->frameGeometry();
    uscita << nome << ": " << cornice.width() << "x" << cornice.height() << " a (" << cornice.x() << ", "
           << cornice.y() << ")";
    if (!area.contains(cornice)) {
        ++problemi;
        uscita << "  FUORI DALLO SCHERMO " << area.width() << "x" << area.height();
    }
    uscita << "\n";
    controllaTesti(finestra, nome);
    uscita.flush();
    finestra->hide();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    ui::preparaApplicazione();
    const QStringList argomenti = QApplication::arguments();
    const auto valore = [&](const QString& nome) {
        const auto i = argomenti.indexOf(nome);
        return i >= 0 && i + 1 < argomenti.size() ? argomenti[i + 1] : QString();
    };
    const QString cartellaScatti = valore(QStringLiteral("--uscita"));
    if (cartellaScatti.isEmpty()) {
        std::cerr << "Uso: quintaro-scatti --uscita CARTELLA [--cartella CARTELLA_PROGRAMMA]\n";
        return 2;
    }
    QDir().mkpath(cartellaScatti);
    QTemporaryDir temporanea;
    QString programma = valore(QStringLiteral("--cartella"));
    if (programma.isEmpty()) {
        programma = temporanea.path();
        if (demo::scriviArchivioDemo(programma.toStdString(), demo::generaArchivioDemo()).esito !=
            demo::EsitoScrittura::Scritto) {
            std::cerr << "Impossibile scrivere l'archivio dimostrativo.\n";
            return 1;
        }
    }
    // Every box is answered at once: Yes to questions, the first button of a choice.
    ui::prompt::installaGestore([](QWidget*, const ui::prompt::Richiesta&) { return true; });
    ui::prompt::installaGestoreScelta([](QWidget*, const ui::prompt::Richiesta&) { return 0; });

    core::Stato stato(programma.toStdString());
    core::Imposta_Tabelle_Globali(stato);
    const QString cartella = cartellaScatti;

    ui::LogoIniziale logo(stato);
    scatta(&logo, QStringLiteral("01-logo"), cartella);
    {
        ui::LeggiEstrazioni lettura(stato);
        scatta(&lettura, QStringLiteral("02-lettura"), cartella);
        scatta(&lettura, QStringLiteral("03-lettura-opzioni"), cartella, [&] {
            if (auto* opzioni = lettura.findChild<QAbstractButton*>(QStringLiteral("cmdOpzioni")))
                opzioni->click();
        });
    }
    if (!core::caricaArchivio(stato)) {
        std::cerr << "Impossibile caricare l'archivio.\n";
        return 1;
    }
    (void)stakes::Leggi_Pagamenti_Poste(stato);
    core::selezioneDaTesto(stato, "1111111111");
    selection::applicaFrazionato(stato, 1, stato.Estrazioni_Caricate);

    ui::PRINCIPIO principale(stato);
    scatta(&principale, QStringLiteral("04-principale"), cartella);
    principale.show();
    {
        ui::frm_Ruote ruote(stato, &principale);
        scatta(&ruote, QStringLiteral("05-ruote"), cartella);
    }
    {
        ui::frmAttesa attesa;
        scatta(&attesa, QStringLiteral("06-attesa"), cartella);
        ui::frmPeriodo periodo(stato, &principale, &attesa);
        scatta(&periodo, QStringLiteral("07-periodo"), cartella);
    }
    {
        ui::frmFREQRITESTRATTI numeri(stato, &principale);
        scatta(&numeri, QStringLiteral("08-numeri"), cartella, [&] { numeri.cmdAVVIO_Click(); });
        ui::frmFREQRITAMBO ambi(stato, &principale);
        scatta(&ambi, QStringLiteral("09-ambi"), cartella, [&] { ambi.cmdAVVIO_Click(); });
        ui::frmFREQRITTERNI terni(stato, &principale);
        scatta(&terni, QStringLiteral("09-terni"), cartella, [&] { terni.cmdAVVIO_Click(); });
        ui::frmGruppi gruppi(stato, &principale);
        scatta(&gruppi, QStringLiteral("09-gruppi"), cartella, [&] { gruppi.cmdAVVIO_Click(); });
        // With "Mostra il caso": the chance's three columns beside the counts.
        scatta(&gruppi, QStringLiteral("09-gruppi-caso"), cartella, [&] {
            if (auto* caso = gruppi.findChild<QCheckBox*>(QStringLiteral("chkCaso"))) caso->setChecked(true);
        });
        {
            ui::frmLunghette lunghette(stato, &gruppi);
            scatta(&lunghette, QStringLiteral("09-lunghette"), cartella);
        }
        if (auto* grafico =
                ui::FrmGrafico::apriGruppo(stato, stats::famiglie()[0].gruppi[7], 2, 0, &principale)) {
            scatta(grafico, QStringLiteral("09-grafico-gruppo"), cartella);
            grafico->close();
        }
        ui::frmNUMERISPIA spia(stato, &principale);
        scatta(&spia, QStringLiteral("09-spia"), cartella, [&] { spia.cmdAVVIO_Click(); });
        ui::FrmVerificaCaso verifica(stato, &principale);
        scatta(&verifica, QStringLiteral("09-verifica-caso"), cartella, [&] { verifica.cmdAVVIO_Click(); });
        // The charts with chance's lines, as "Mostra il caso" opens them.
        for (const auto& [nome, numeri] :
             {std::pair{QStringLiteral("09-grafico-numero"), std::vector<int>{7}},
              std::pair{QStringLiteral("09-grafico-terno"), std::vector<int>{7, 45, 89}}}) {
            const auto combinazione = stats::Combinazione::da(numeri);
            if (auto* grafico = ui::FrmGrafico::apri(stato, *combinazione, 0, &principale, true)) {
                scatta(grafico, nome, cartella);
                grafico->close();
            }
        }
    }
    {
        ui::frmAggiornamento aggiornamento(stato, &principale);
        scatta(&aggiornamento, QStringLiteral("10-aggiornamento"), cartella);
        scatta(&aggiornamento, QStringLiteral("11-aggiornamento-nuova"), cartella,
               [&] { aggiornamento.entraNuovaEstrazione(); });
    }
    {
        ui::frmVisionaDieciRuote visiona(stato, &principale);
        scatta(&visiona, QStringLiteral("12-visiona"), cartella);
    }
    {
        ui::frmPosteCombinazioni poste(stato, &principale);
        auto* schede = poste.findChild<QTabWidget*>();
        for (int i = 0; schede && i < schede->count(); ++i)
            scatta(&poste, QStringLiteral("13-poste-%1").arg(i + 1), cartella,
                   [&] { schede->setCurrentIndex(i); });
    }
    {
        // Ten numbers on the ten wheels for 200 draws from the first, then the chart of the balance.
        ui::frmVerificaGiocata verifica(stato, &principale);
        scatta(&verifica, QStringLiteral("13-verifica"), cartella, [&] {
            verifica.findChild<QLineEdit*>(QStringLiteral("txtNumeri"))
                ->setText(QStringLiteral("1 2 3 4 5 6 7 8 9 10"));
            verifica.findChild<QCheckBox*>(QStringLiteral("chkTutte"))->setChecked(true);
            verifica.findChild<QLineEdit*>(QStringLiteral("txtPosta_1"))->setText(QStringLiteral("1"));
            verifica.findChild<QLineEdit*>(QStringLiteral("txtPosta_2"))->setText(QStringLiteral("0,50"));
            verifica.findChild<QRadioButton*>(QStringLiteral("optDallaData"))->setChecked(true);
            auto* data = verifica.findChild<QDateEdit*>(QStringLiteral("dtpDal"));
            data->setDate(data->minimumDate());
            verifica.findChild<QSpinBox*>(QStringLiteral("spnColpi"))->setValue(200);
            verifica.cmdVerifica_Click();
        });
        verifica.show();
        verifica.cmdGrafico_Click();
        if (auto* grafico = verifica.findChild<QWidget*>(QStringLiteral("frmGraficoSaldo"))) {
            scatta(grafico, QStringLiteral("13-verifica-grafico"), cartella);
            grafico->close();
        }
        verifica.hide();
    }
    {
        ui::frmInformazioni informazioni(&principale);
        scatta(&informazioni, QStringLiteral("14-informazioni"), cartella);
    }
    {
        // The download's progress as it shows half-way through the official file; nothing is asked.
        rete::Scaricamento scaricamento({std::string(importa::INDIRIZZI_OPERATORE[0])});
        ui::frmScaricamento progresso(scaricamento, &principale);
        scatta(&progresso, QStringLiteral("16-scaricamento"), cartella, [&] {
            emit scaricamento.nuovoIndirizzo(QString::fromUtf8(importa::INDIRIZZI_OPERATORE[0].data()));
            emit scaricamento.progresso(342000, 684006);
        });
        ui::frmOpzioniAggiornamento opzioni(stato, &principale);
        scatta(&opzioni, QStringLiteral("17-opzioni-aggiornamento"), cartella);
    }
    ui::mostraGuida(&principale, QStringLiteral("freq_rit_90_numeri.htm"));
    if (ui::FinestraGuida* guida = ui::finestraGuida()) scatta(guida, QStringLiteral("15-guida"), cartella);

    uscita << (problemi == 0 ? QStringLiteral("Nessun problema visto.\n")
                             : QStringLiteral("%1 problemi visti.\n").arg(problemi));
    uscita.flush();
    return problemi == 0 ? 0 : 1;
}
