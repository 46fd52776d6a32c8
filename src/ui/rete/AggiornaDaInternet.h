#pragma once

#include "core/Stato.h"
#include "rete/Scaricamento.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;

namespace ui {

/**
 * The progress window of a download: the address being asked, the bytes received (of the total when it
 * is known) and "Annulla", which stops the download. It closes by itself when the download is over.
 */
class frmScaricamento : public QDialog {
    Q_OBJECT
public:
    explicit frmScaricamento(rete::Scaricamento& scaricamento, QWidget* genitore = nullptr);

    /** Esc and the window's close button stop the download as "Annulla" does. */
    void reject() override;

private:
    void progresso(qint64 ricevuti, qint64 totale);

    rete::Scaricamento& m_scaricamento;
    QLabel* lblIndirizzo = nullptr;
    QProgressBar* prbScaricamento = nullptr;
    QLabel* lblRicevuti = nullptr;
    QPushButton* cmdAnnulla = nullptr;
};

/**
 * Replaces the addresses tried after the user's own, the operator's (importa::INDIRIZZI_OPERATORE), with
 * `indirizzi`; an empty list restores the operator's. The tests point them at their own server, so that
 * no test reaches the Internet. Returns the previous list.
 */
std::vector<std::string> sostituisciIndirizziPredefiniti(std::vector<std::string> indirizzi);
/** The addresses tried after the user's own. */
const std::vector<std::string>& indirizziPredefiniti();

/**
 * "Aggiorna da Internet…": downloads the draws file from the addresses of the settings with the progress
 * window, then shows its report and offers to add the draws after the archive's last one. Says why when
 * no address gives the file, when it is refused or disagrees with the archive, and when the archive is
 * already up to date; a cancelled download says nothing. Returns true when the archive files were written.
 */
bool aggiornaDaInternet(core::Stato& stato, QWidget* genitore);

/**
 * The check at start-up: when the option "Controlla aggiornamenti all'avvio" is set and the archive
 * lacks a draw day whose results are out, downloads the draws file in the background and, once no modal
 * window is open, offers its new draws as aggiornaDaInternet does; a failure or nothing new says nothing.
 * `dopoAggiunta` runs after the archive files were written. Returns the download (deleted when it is
 * over), or nullptr when no check is due.
 */
rete::Scaricamento* controllaAggiornamentiAllAvvio(core::Stato& stato, QWidget* genitore,
                                                   std::function<void()> dopoAggiunta);

} // namespace ui
