#pragma once

#include "core/Esito.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QNetworkAccessManager;
class QNetworkReply;

/**
 * The download of a file from a list of addresses, tried in order until one gives what the caller wants.
 * It knows nothing of what the file holds: the caller's check tells a good answer from a bad one.
 */
namespace rete {

/** The most an answer may hold, announced (Content-Length) or received. */
inline constexpr qint64 MASSIMO_BYTE = qint64{64} << 20;
/** How long an address may stay silent (no byte received) before it is given up, in milliseconds. */
inline constexpr int ATTESA_PREDEFINITA_MS = 30000;

/**
 * Replaces the waiting time of the downloads started from now on (the tests shorten it); returns the
 * previous one.
 */
int sostituisciAttesa(int millisecondi);
/** The redirects followed for one address; a redirect from https to http is never followed. */
inline constexpr int MASSIMO_REINDIRIZZAMENTI = 5;

/** An amount of bytes as the progress shows it: "312 kB" (rounded up), "1,5 MB" (rounded down). */
std::string quantita(qint64 byte);

/**
 * The cause of a failed answer in Italian words, for a QNetworkReply::NetworkError `codice`: one phrase
 * for every error Qt reports ("server non trovato", "il proxy rifiuta la connessione", ...). `ricevuti`
 * and `annunciati` (-1 when unknown) tell a connection closed midway from one closed before the file.
 */
std::string causaErrore(int codice, qint64 ricevuti = 0, qint64 annunciati = -1);

/** What a download brought. */
struct Scaricato {
    std::string indirizzo; ///< the address of the list that gave it (before any redirect)
    std::string byte;      ///< the body of the answer
};

/** Checks the body of an answer: empty when it is what was wanted, otherwise why not (Italian, lower case).
 */
using Controllo = std::function<std::string(std::string_view byte)>;

/**
 * Why an address cannot be downloaded from, in Italian: empty for an http or https address with a host,
 * otherwise the cause ("indirizzo non valido: ...").
 */
std::string controllaIndirizzo(std::string_view indirizzo);

/**
 * One download over a list of addresses, asynchronous: it runs in the event loop of its thread, so a
 * window stays responsive while it lasts. Each address is asked with a GET through the system's proxy
 * settings, following at most MASSIMO_REINDIRIZZAMENTI redirects and never one from https to http. An
 * address fails, and the next one is asked, when it does not answer within the waiting time (counted
 * again at every byte received), refuses the connection, answers with a status other than 2xx, breaks
 * the connection before the announced length, announces or sends more than MASSIMO_BYTE, or gives a
 * body that the check refuses. concluso() is emitted once, when an address gave an accepted body, when
 * every address failed (Codice::Rete, one line per address naming it and its cause) or when annulla()
 * stopped it (Codice::Annullato).
 */
class Scaricamento : public QObject {
    Q_OBJECT
public:
    explicit Scaricamento(std::vector<std::string> indirizzi, Controllo controllo = {},
                          QObject* genitore = nullptr);
    ~Scaricamento() override;

    /** Starts with the first address; concluso() may come before it returns when no address is valid. */
    void avvia();
    /** Stops the download: the answer in progress is dropped and concluso() reports Annullato. */
    void annulla();
    /** True once concluso() was emitted. */
    bool finito() const { return m_esito.has_value(); }
    /** The result; only when finito(). */
    const core::Esito<Scaricato>& esito() const { return *m_esito; }
    /** The address being asked (as listed), empty before avvia(). */
    const std::string& indirizzoInCorso() const { return m_inCorso; }

signals:
    /** Bytes received so far from the address in progress, and its announced length (-1 when unknown). */
    void progresso(qint64 ricevuti, qint64 totale);
    /** A new address of the list is being asked. */
    void nuovoIndirizzo(const QString& indirizzo);
    /** The download is over: esito() tells how. */
    void concluso();

private:
    void prossimo();
    void datiArrivati();
    void rispostaFinita();
    void interrompi(std::string causa);
    void fallito(const std::string& causa);
    void concludi(core::Esito<Scaricato> esito);

    std::vector<std::string> m_indirizzi;
    Controllo m_controllo;
    int m_attesa;
    QNetworkAccessManager* m_rete = nullptr;
    QNetworkReply* m_risposta = nullptr;
    QTimer m_silenzio;
    std::size_t m_prossimo = 0;
    std::string m_inCorso;
    QByteArray m_corpo;
    qint64 m_annunciati = -1; ///< the length the answer in progress announced, -1 when unknown
    std::string m_causa;      ///< why the answer in progress was stopped by this object
    bool m_annullato = false;
    std::vector<std::string> m_falliti;
    std::optional<core::Esito<Scaricato>> m_esito;
};

/** Called with the bytes received, the announced length (-1 when unknown) and the address in progress. */
using Avanzamento = std::function<void(qint64 ricevuti, qint64 totale, const std::string& indirizzo)>;

/**
 * Downloads as Scaricamento does and waits for the end in a local event loop (the command line). Creates
 * the QCoreApplication that the network needs when there is none.
 */
core::Esito<Scaricato> scarica(const std::vector<std::string>& indirizzi, const Controllo& controllo,
                               const Avanzamento& avanzamento = {});

} // namespace rete
