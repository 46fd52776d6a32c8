#pragma once

#include "Aggiornamento.h"
#include "Consultazione.h"
#include "Convalida.h"
#include "core/FileSicuro.h"
#include "core/Formato.h"
#include "core/Stato.h"

#include <optional>
#include <string>
#include <vector>

/**
 * The modes of the maintenance window apart from its controls: when a mode may be entered, which draw
 * its operation acts on and what the typed draw is checked against, what is asked before the operation
 * runs, and the boxes shown after it. The window asks and shows; these decide.
 */
namespace maintenance {

/** The modes of the maintenance window: browsing, and the four changes of the archive. */
enum class Modo { Sfoglia, Nuova, Vecchia, Intramezzo, Elimina };

/** A message box: its caption (empty: the program's title), its text, and whether it is a warning. */
struct Avviso {
    std::string titolo;
    std::string testo;
    bool attenzione = false;
};

/** The warning of a damaged archive (LunghezzaErrata) or of one past the limit of draws (Troppo). */
Avviso avvisoDanno(StatoArchivio stato);

/** Why a mode is not entered. */
struct RifiutoModo {
    Avviso avviso;
    bool vuoto = false; ///< the archive holds no draw to change: the window goes back to browsing
};

/**
 * Why mode `modo` (a change of the archive) cannot be entered over the archive as opened, whose limit is
 * `massimo` draws: a damaged archive refuses every mode; a full one a new draw and an inserted one (its
 * draws may still be corrected or deleted); an empty one has no draw to correct, insert before or delete.
 * Nothing when the mode may be entered.
 */
std::optional<RifiutoModo> rifiutoModo(Modo modo, const ArchivioAperto& archivio, int massimo);

/** The draw the operation of `modo` acts on: a new draw follows the last; the others act on the draw shown.
 */
int estrazioneDelModo(Modo modo, const ArchivioAperto& archivio, int mostrata);

/**
 * What the draw typed as draw n in mode `modo` is checked against: the limits of `stato`, today, and the
 * neighbours whose dates bound it (a new draw follows the last; an inserted one falls between the draw
 * before n and draw n; a corrected one between the draws around it).
 */
LimitiEstrazione limitiDelModo(Modo modo, const ArchivioAperto& archivio, int n, const core::Data& oggi,
                               const core::Stato& stato);

/** The question asked before the operation of `modo` on draw n: inserting and deleting ask, the others not.
 */
std::optional<Avviso> domandaDelModo(Modo modo, int n);

/** How an operation went, and the boxes to show after it, in order. */
struct EsitoOperazione {
    bool riuscita = false;
    std::vector<Avviso> avvisi;
    /** The archive on disk is not the one the window showed (another program changed it): nothing was
     * written, and the window must read it again before any operation. */
    bool cambiato = false;
};

/**
 * Runs the operation of `modo` on draw n with the typed draw (unused by a deletion): a new draw appended,
 * draw n corrected in place, a draw inserted before draw n, draw n deleted. A success is counted in
 * Contatori_Modifiche (1 new, 2 corrected, 3 inserted, 4 deleted) and sets Archivio_Modificato; a new
 * draw also counts towards the backup reminder (Controllo_Backup_Messaggio), whose boxes follow. After a
 * failure nothing is counted; a failure past the set's point of no return leaves the archive changed,
 * which also sets Archivio_Modificato. `archivio` is the archive as the window opened it: when the archive on
 * disk is no longer that one the operation is refused (`cambiato`, its one box says why); when another
 * program keeps the archive's lock it is refused with that message.
 */
EsitoOperazione eseguiOperazione(core::Stato& stato, const ArchivioAperto& archivio, Modo modo, int n,
                                 const NuovaEstrazione& estrazione, const core::Guasto& guasto = {});

/**
 * True when closing the window would lose a typed draw: in a mode that registers a draw (new, corrected,
 * inserted) every box holds something and the boxes differ from `mostrati`, what the mode showed on
 * entering (empty for a new draw, the draw under the scroll bar otherwise).
 */
bool estrazioneDaRegistrare(Modo modo, const CampiEstrazione& digitati, const CampiEstrazione& mostrati);

} // namespace maintenance
