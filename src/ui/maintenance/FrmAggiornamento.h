#pragma once

#include "core/FileSicuro.h"
#include "core/Stato.h"
#include "maintenance/Consultazione.h"
#include "maintenance/Convalida.h"
#include "maintenance/Modi.h"

#include <QDate>
#include <QDialog>

#include <array>

class QAction;
class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class QStackedWidget;
class QToolButton;

namespace ui {

/**
 * "Aggiornamento Archivio estrazioni.": browses the archive draw by draw and changes it — a new draw
 * at the end, an old draw corrected in place, a draw inserted before another, a draw deleted. It browses
 * the archive as read when it opens and after each operation (maintenance::Dati_Iniziali_Aggiornamento),
 * and leaves the operations, their questions and their messages to maintenance/Modi.h; the draws in
 * memory are reloaded when the window
 * closes after a change (the signal archivioCambiato); it closes only through "Chiudi" or the frame's
 * close control, never on Esc. It also copies the archive to a dated backup
 * folder, reminds the user of backups, prints the shown draw and reports the changes of this run.
 */
class frmAggiornamento : public QDialog {
    Q_OBJECT
public:
    explicit frmAggiornamento(core::Stato& stato, QWidget* genitore = nullptr);

    using Modo = maintenance::Modo;

    /** Browse mode: reads the archive again, sets up the scroll bar and shows the last draw. */
    void Dati_Iniziali_Aggiornamento();
    /** Enters new-draw mode (option, toolbar 0, menu); refused over a damaged or a full archive. */
    void entraNuovaEstrazione();
    /**
     * Enters modify-old, insert-in-between or delete mode; every mode is refused over a damaged archive,
     * insert-in-between also over a full one.
     */
    void entraModo(Modo modo);
    /** Runs the operation of the selected mode after the checks of the typed draw. */
    void cmd_Registra_Estrazione_Click();
    /** Copies the shown draw into Memoria_Estrazione and enables the paste button. */
    void copiaEstrazione();
    /** Puts the copied draw back into the fields. */
    void incollaEstrazione();
    /** Prints the shown draw after asking. */
    void cmdStampaEstrazione_Click();
    /** Copies the archive files into a dated folder beside RUOTE. */
    void cmdBackup_Click();

    /** Makes a named step of the archive writes fail (tests), as core::Guasto describes. */
    void impostaGuasto(core::Guasto guasto) { m_guasto = std::move(guasto); }
    /** The day the entry checks take as today (tests); an invalid date means the system's today. */
    void impostaOggi(const QDate& oggi) { m_oggi = oggi; }

    bool Modalita_Inserimento = false;
    bool Archivio_Toccato = false;

signals:
    /** The window closed after an operation passed its checks: the draws in memory must be reloaded. */
    void archivioCambiato();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void done(int risultato) override;
    /** "Chiudi" and the frame's close control: a complete typed draw not yet registered is offered first. */
    void closeEvent(QCloseEvent* evento) override;

private:
    void costruisci();
    QWidget* costruisciEstrazione();
    QWidget* costruisciPannelli();
    void Sfoglia_Estrazioni_Aggiornamento();
    void mostraEstrazione(int v);
    void Modifica_Archivio();
    void Cancella_Estrazioni();
    void impostaCampi(const maintenance::CampiEstrazione& campi);
    maintenance::CampiEstrazione campi() const;
    void ricolora(QLineEdit* casella);
    void tastoData(QLineEdit* casella, int tasto, const QString& testo);
    void cmd_Nulle_Click(int w);
    void sfogliaDaMenu();
    void mostraReport();
    /** Opens the print panel in the backup panel's place, or closes it. */
    void mostraStampa(bool si);
    /** Shows a box of the maintenance logic. */
    void mostra(const maintenance::Avviso& avviso);
    /** Refuses a mode that cannot be entered; true when it was refused. */
    bool rifiuta(Modo modo);
    void segnaOpzioneDelModo();
    QRadioButton* opzioneDelModo(Modo modo) const;
    void esegui(const maintenance::NuovaEstrazione& estrazione, int n);
    /** Shows draw number n in lblNumeroEstrazione (0: none). */
    void numeroEstrazione(int n);
    void leggiAvvisoBackup();

    core::Stato& m_stato;
    maintenance::ArchivioAperto m_archivio;
    core::Guasto m_guasto;
    QDate m_oggi;
    Modo m_modo = Modo::Sfoglia;
    int m_numero = 0; ///< the draw number lblNumeroEstrazione shows, 0 when empty
    std::array<QAction*, 4> m_vociScrittura{};
    std::array<int, maintenance::CASELLE_NUMERI + 1> Estratti_Da_Registrare{};
    std::array<int, maintenance::CASELLE_NUMERI + 6> Memoria_Estrazione{};
    bool m_memoriaPiena = false;

    QLineEdit* txt_Giorno = nullptr;
    QLineEdit* txt_Mese = nullptr;
    QLineEdit* txt_Anno_Data = nullptr;
    QLineEdit* txt_Concorso = nullptr;
    QLabel* lbl_Anno_Concorso = nullptr;
    QLabel* lblConcorso = nullptr;
    QLabel* lblUltimoConcorso = nullptr;
    QLabel* lblNumeroEstrazione = nullptr;
    std::array<QLineEdit*, maintenance::CASELLE_NUMERI + 1> txtEstratto{};
    std::array<QPushButton*, core::NUMERO_RUOTE + 1> cmd_Nulle{};
    QScrollBar* vscEstrazioni = nullptr;
    QGroupBox* fmeEstrazioneCompleta = nullptr;
    QStackedWidget* m_pila = nullptr;
    QGroupBox* fmeRegistrazione = nullptr;
    QGroupBox* Frame6 = nullptr;
    std::array<QLabel*, 7> lb_Info{};
    QRadioButton* optNuovaEstrazione = nullptr;
    QRadioButton* optModificaVecchiaEstrazione = nullptr;
    QRadioButton* optIntramezzo = nullptr;
    QRadioButton* optElimina = nullptr;
    QPushButton* cmd_Registra_Estrazione = nullptr;
    QPushButton* cmdDati = nullptr;
    QPushButton* cmdDatiNuova = nullptr;
    QProgressBar* prgAggiornamento = nullptr;
    QStackedWidget* m_pilaServizi = nullptr;
    QGroupBox* fmeBackup = nullptr;
    QGroupBox* fmeStampa = nullptr;
    QCheckBox* chkStampaEstrazioneMostrata = nullptr;
    QCheckBox* chkAvvisoBackup = nullptr;
    QSpinBox* txtSogliaBackup = nullptr;
    QLabel* lblEstrazioniDopoBackup = nullptr;
    std::array<QToolButton*, 11> cmdTollbar{};
};

} // namespace ui
