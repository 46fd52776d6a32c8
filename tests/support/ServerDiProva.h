#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTcpServer>

namespace prova {

/** What the test server answers to one path. */
struct Risposta {
    enum class Modo {
        Intera,   ///< status, headers and the whole body, then the connection is closed
        Troncata, ///< the length of the whole body, then only its first half, then the connection is closed
        Ferma,    ///< as Troncata, but the connection stays open
        Muta      ///< reads the request and never answers
    };
    Risposta(int stato = 200, QByteArray corpo = {}, QByteArray posizione = {}, Modo modo = Modo::Intera,
             qint64 annunciata = -1)
        : stato(stato), corpo(std::move(corpo)), posizione(std::move(posizione)), modo(modo),
          annunciata(annunciata) {}
    int stato;
    QByteArray corpo;
    QByteArray posizione; ///< the Location header (a redirect), when not empty
    Modo modo;
    qint64 annunciata; ///< the Content-Length sent, when not the body's length
};

/**
 * A tiny HTTP/1.1 server on 127.0.0.1 (a free port) that answers GET requests from a table of paths,
 * 404 for any other path. It runs in the event loop of the test's thread.
 */
class ServerDiProva {
public:
    ServerDiProva();
    void imposta(const QByteArray& percorso, const Risposta& risposta) {
        m_risposte.insert(percorso, risposta);
    }
    /** "http://127.0.0.1:PORT" + percorso; "chiuso" gives an address where nothing listens. */
    QString indirizzo(const QByteArray& percorso) const;

private:
    void rispondi(QTcpSocket* connessione);

    QTcpServer m_server;
    QHash<QByteArray, Risposta> m_risposte;
};

/** A zip holding one stored entry. */
QByteArray zip(const QByteArray& nome, const QByteArray& testo);

} // namespace prova
