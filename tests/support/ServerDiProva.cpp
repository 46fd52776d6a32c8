#include "ServerDiProva.h"

#include <QTcpSocket>

#include <zlib.h>

namespace prova {

ServerDiProva::ServerDiProva() {
    m_server.listen(QHostAddress::LocalHost);
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
        while (QTcpSocket* connessione = m_server.nextPendingConnection()) {
            QObject::connect(connessione, &QTcpSocket::readyRead, connessione,
                             [this, connessione] { rispondi(connessione); });
            QObject::connect(connessione, &QTcpSocket::disconnected, connessione, &QObject::deleteLater);
        }
    });
}

QString ServerDiProva::indirizzo(const QByteArray& percorso) const {
    if (percorso == "chiuso") {
        QTcpServer libero;
        libero.listen(QHostAddress::LocalHost);
        return QStringLiteral("http://127.0.0.1:%1/storico.zip").arg(libero.serverPort());
    }
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()) + QString::fromLatin1(percorso);
}

void ServerDiProva::rispondi(QTcpSocket* connessione) {
    // The request is whole once its headers end; its first line names the path.
    const QByteArray richiesta = connessione->property("richiesta").toByteArray() + connessione->readAll();
    connessione->setProperty("richiesta", richiesta);
    if (!richiesta.contains("\r\n\r\n") || connessione->property("servita").toBool()) return;
    connessione->setProperty("servita", true);
    const auto [risposta, invio] =
        m_risposte.value(richiesta.split(' ').value(1), {http(404, "non trovato"), Invio::Intero});
    if (invio == Invio::Muto) return;
    connessione->write(invio == Invio::Intero ? risposta : risposta.left(risposta.size() / 2));
    if (invio != Invio::Fermo) connessione->disconnectFromHost();
}

QByteArray http(int stato, const QByteArray& corpo, const QByteArray& intestazioni, qint64 lunghezza) {
    return "HTTP/1.1 " + QByteArray::number(stato) + " Esito\r\nConnection: close\r\nContent-Length: " +
           QByteArray::number(lunghezza >= 0 ? lunghezza : corpo.size()) + "\r\n" + intestazioni + "\r\n" +
           corpo;
}

QByteArray zip(const QByteArray& nome, const QByteArray& testo) {
    const auto le = [](qint64 v, int byte) {
        QByteArray b;
        for (int i = 0; i < byte; ++i)
            b += static_cast<char>(i < 8 ? v >> (8 * i) & 0xFF : 0); // a field wider than v: zeros
        return b;
    };
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(testo.data()), static_cast<uInt>(testo.size()));
    const QByteArray comune = le(20, 2) + le(0, 4) + le(0, 4) + le(crc, 4) + le(testo.size(), 4) +
                              le(testo.size(), 4) + le(nome.size(), 2) + le(0, 2);
    const QByteArray locale = le(0x04034b50, 4) + comune + nome + testo;
    const QByteArray centrale = le(0x02014b50, 4) + le(20, 2) + comune + le(0, 14) + nome;
    return locale + centrale + le(0x06054b50, 4) + le(0, 4) + le(1, 2) + le(1, 2) + le(centrale.size(), 4) +
           le(locale.size(), 4) + le(0, 2);
}

} // namespace prova
