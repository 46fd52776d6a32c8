#pragma once

#include "core/Stato.h"
#include "selection/Ricordo.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QFileSystemWatcher;
class QFrame;
class QLabel;
class QMenu;
class QToolButton;

namespace rete {
class Scaricamento;
}

namespace ui {

class frmAttesa;
class frmFREQRITAMBO;
class frmFREQRITTERNI;
class frmNUMERISPIA;
class FrmVerificaCaso;
class frmGruppi;
class frmFREQRITESTRATTI;
class frmPeriodo;
class frmVisionaDieciRuote;
class frmPosteCombinazioni;
class frmVerificaGiocata;

/**
 * The main window: a narrow strip with the menu bar and an optional toolbar from which every other
 * window opens. Its opening leads the first choice of wheels and search period. Closing it in any
 * way asks whether to end the program.
 */
class PRINCIPIO : public QMainWindow {
    Q_OBJECT
public:
    explicit PRINCIPIO(core::Stato& stato, QWidget* genitore = nullptr);
    ~PRINCIPIO() override;

    /** The opening at start-up: wheels, then the wait window and the period applied by itself, then the
     * toolbar. */
    void apertura();
    /** Rewrites the line that describes the loaded archive; when the archive on disk is no longer the one
     * loaded (another program changed it) the line says so, with the link "Ricarica". */
    void aggiornaInformazioni();
    /** Shows the wheel window modally. */
    void mostraRuote();
    /** Shows the period window modally, creating it (and so applying the period when due) the first time. */
    void mostraPeriodo();
    /** Shows the number-search window, opening it when it is not open. */
    void mostraRicercaNumeri();
    /** Shows the pair-search window, opening it when it is not open. */
    void mostraRicercaAmbi();
    /** Shows the triple-search window, opening it when it is not open. */
    void mostraRicercaTerni();
    /** Shows the spy-number window, opening it when it is not open. */
    void mostraNumeriSpia();
    /** "Verifica del caso": the test of the numbers' frequencies against chance. */
    void mostraVerificaCaso();
    /** Shows the groups window, opening it when it is not open. */
    void mostraRicercaGruppi();
    /** Shows the maintenance window modally, then the period window when the archive changed. */
    void mostraAggiornamento();
    /** Reloads the archive after it changed on disk; the period window starts afresh and the period is due
     * again. */
    void archivioCambiato();
    /** Shows the ten-wheel viewer, opening it when it is not open. */
    void mostraSfogliaArchivio();
    /** Shows the stakes window, opening it afresh when it is not open. */
    void mostraPosteCombinazioni();
    /** "Verifica giocata": the check of a ticket on the loaded draws. */
    void mostraVerificaGiocata();
    /** "Importa archivio…": imports a draws file into the archive, then reloads it and shows the period
     * window. */
    void importaArchivio();
    /** "Aggiorna da Internet…": downloads the draws file and adds its new draws, then reloads the archive and
     * shows the period window. */
    void aggiornaDaInternet();
    /** The check at start-up (option "Controlla aggiornamenti all'avvio"): started in the background at the
     * end of apertura(); returns its download, nullptr when none is due. */
    rete::Scaricamento* controllaAggiornamenti();
    /** Shows the options of the update from the Internet. */
    void mostraOpzioniAggiornamento();
    /** Discards the period window, so that its next opening starts afresh (after the archive changes). */
    void scartaPeriodo();
    /** The period window, once created. */
    frmPeriodo* finestraPeriodo() const;

    /** Applies the stored toolbar setting (core::campi::TOOLBAR). */
    void ToolBar_Visiblile();
    void Mostra_Toolbar();
    void Non_Mostra_Toolbar();

signals:
    /** The user confirmed the end of the program. */
    void programmaTerminato();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    QMenu* menu(const char* nome, const QString& titolo);
    QAction* voce(QMenu* menu, const char* nome, const QString& titolo);
    void separatore(QMenu* menu, const char* nome);
    QToolButton* pulsante(int indice, const QIcon& icona, const QString& suggerimento);
    void mnuOpzioniToolbar_Click();
    void adattaAltezza();
    /** Applies a remembered period without the period window (created hidden when it is not yet). */
    void applicaPeriodoRicordato(const selection::Barre& barre);
    void dopoImportazione();

    core::Stato& m_stato;
    QFrame* Frame1 = nullptr;
    QLabel* m_informazioni = nullptr;
    QFileSystemWatcher* m_sorveglianza = nullptr;
    std::optional<core::Data> m_ultimaLetta; ///< the archive's last date on disk, read at m_firmaUltima
    core::FirmaArchivio m_firmaUltima;
    QAction* mnuImpostazionModificaPeriodo = nullptr;
    QAction* mnuOpzioniToolbar = nullptr;
    frmAttesa* m_attesa = nullptr;
    QPointer<frmPeriodo> m_periodo;
    QPointer<frmFREQRITESTRATTI> m_ricercaNumeri;
    QPointer<frmFREQRITAMBO> m_ricercaAmbi;
    QPointer<frmFREQRITTERNI> m_ricercaTerni;
    QPointer<frmNUMERISPIA> m_numeriSpia;
    QPointer<FrmVerificaCaso> m_verificaCaso;
    QPointer<frmGruppi> m_ricercaGruppi;
    bool m_terminato = false;
    QPointer<frmVisionaDieciRuote> m_sfoglia;
    QPointer<frmPosteCombinazioni> m_poste;
    QPointer<frmVerificaGiocata> m_verifica;
};

} // namespace ui
