#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTcpServer>

#include <utility>

namespace prova {

/** How the test server sends an answer. */
enum class Invio {
    Intero,   ///< all of it, then the connection is closed
    Troncato, ///< its first half, then the connection is closed
    Fermo,    ///< its first half, and the connection stays open
    Muto      ///< nothing: the request is read and never answered
};

/** An HTTP/1.1 answer: the status, Content-Length (the body's unless `lunghezza` >= 0), the header lines
 * `intestazioni` (each ending with "\r\n"), the body. */
QByteArray http(int stato, const QByteArray& corpo, const QByteArray& intestazioni = {},
                qint64 lunghezza = -1);

/**
 * A tiny HTTP/1.1 server on 127.0.0.1 (a free port) that answers GET requests from a table of paths,
 * 404 for any other path. It runs in the event loop of the test's thread.
 */
class ServerDiProva {
public:
    ServerDiProva();
    void imposta(const QByteArray& percorso, const QByteArray& risposta, Invio invio = Invio::Intero) {
        m_risposte.insert(percorso, {risposta, invio});
    }
    /** "http://127.0.0.1:PORT" + percorso; "chiuso" gives an address where nothing listens. */
    QString indirizzo(const QByteArray& percorso) const;

private:
    void rispondi(QTcpSocket* connessione);

    QTcpServer m_server;
    QHash<QByteArray, std::pair<QByteArray, Invio>> m_risposte;
};

/** A zip holding one stored entry. */
QByteArray zip(const QByteArray& nome, const QByteArray& testo);

} // namespace prova
