#include "Scaricamento.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace rete {

namespace {

int& attesa() {
    static int millisecondi = ATTESA_PREDEFINITA_MS;
    return millisecondi;
}

std::string numero(qint64 n) {
    return std::to_string(n);
}

/** "30 secondi", "1 secondo", "250 millisecondi". */
std::string durata(int millisecondi) {
    if (millisecondi % 1000 != 0) return numero(millisecondi) + " millisecondi";
    const int secondi = millisecondi / 1000;
    return numero(secondi) + (secondi == 1 ? " secondo" : " secondi");
}

std::string rispostaServer(int stato) {
    std::string testo = "il server ha risposto con il codice " + numero(stato);
    if (stato == 404) return testo + " (file non trovato)";
    if (stato == 410) return testo + " (file rimosso)";
    if (stato == 401 || stato == 403) return testo + " (accesso negato)";
    if (stato >= 500) return testo + " (errore del server)";
    return testo;
}

} // namespace

std::string causaErrore(int codice, qint64 ricevuti, qint64 annunciati) {
    switch (static_cast<QNetworkReply::NetworkError>(codice)) {
    case QNetworkReply::NoError:
        return "nessun errore";
    case QNetworkReply::ConnectionRefusedError:
        return "connessione rifiutata";
    case QNetworkReply::RemoteHostClosedError:
        if (annunciati > ricevuti)
            return "scaricamento interrotto: ricevuti " + numero(ricevuti) + " byte su " + numero(annunciati);
        return "il server ha chiuso la connessione";
    case QNetworkReply::HostNotFoundError:
        return "server non trovato";
    case QNetworkReply::TimeoutError:
        return "nessuna risposta dal server";
    case QNetworkReply::OperationCanceledError:
        return "scaricamento annullato";
    case QNetworkReply::SslHandshakeFailedError:
        return "la connessione sicura (TLS) non è riuscita: il certificato del server non è valido o non è "
               "riconosciuto, oppure il server non usa TLS";
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return "la rete non è disponibile";
    case QNetworkReply::BackgroundRequestNotAllowedError:
        return "il sistema non permette lo scaricamento in questo momento";
    case QNetworkReply::TooManyRedirectsError:
        return "più di " + numero(MASSIMO_REINDIRIZZAMENTI) + " reindirizzamenti";
    case QNetworkReply::InsecureRedirectError:
        return "rifiutato un reindirizzamento da https a http";
    case QNetworkReply::UnknownNetworkError:
        return "errore di rete sconosciuto";
    case QNetworkReply::ProxyConnectionRefusedError:
        return "il proxy rifiuta la connessione";
    case QNetworkReply::ProxyConnectionClosedError:
        return "il proxy ha chiuso la connessione";
    case QNetworkReply::ProxyNotFoundError:
        return "proxy non trovato";
    case QNetworkReply::ProxyTimeoutError:
        return "nessuna risposta dal proxy";
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return "il proxy chiede nome utente e password";
    case QNetworkReply::UnknownProxyError:
        return "errore sconosciuto del proxy";
    case QNetworkReply::ContentAccessDenied:
        return "accesso al file negato";
    case QNetworkReply::ContentOperationNotPermittedError:
        return "operazione non permessa dal server";
    case QNetworkReply::ContentNotFoundError:
        return "file non trovato sul server";
    case QNetworkReply::AuthenticationRequiredError:
        return "il server chiede nome utente e password";
    case QNetworkReply::ContentReSendError:
        return "la richiesta non ha potuto essere ripetuta";
    case QNetworkReply::ContentConflictError:
        return "il file è in conflitto con lo stato del server";
    case QNetworkReply::ContentGoneError:
        return "il file non è più sul server";
    case QNetworkReply::UnknownContentError:
        return "risposta del server non valida";
    case QNetworkReply::ProtocolUnknownError:
        return "protocollo non supportato: serve http:// o https://";
    case QNetworkReply::ProtocolInvalidOperationError:
        return "richiesta non valida per il protocollo";
    case QNetworkReply::ProtocolFailure:
        return "errore nel dialogo con il server";
    case QNetworkReply::InternalServerError:
        return "errore interno del server";
    case QNetworkReply::OperationNotImplementedError:
        return "operazione non supportata dal server";
    case QNetworkReply::ServiceUnavailableError:
        return "servizio temporaneamente non disponibile";
    case QNetworkReply::UnknownServerError:
        return "errore sconosciuto del server";
    }
    return "errore di rete sconosciuto";
}

int sostituisciAttesa(int millisecondi) {
    return std::exchange(attesa(), millisecondi);
}

std::string quantita(qint64 byte) {
    constexpr qint64 MEGA = qint64{1} << 20;
    if (byte < MEGA) return numero((byte + 1023) / 1024) + " kB";
    const qint64 decimi = byte * 10 / MEGA;
    return numero(decimi / 10) + "," + numero(decimi % 10) + " MB";
}

std::string controllaIndirizzo(std::string_view indirizzo) {
    const QString testo = QString::fromUtf8(indirizzo.data(), static_cast<qsizetype>(indirizzo.size()));
    const QUrl url(testo, QUrl::StrictMode);
    const bool spazi = std::any_of(testo.begin(), testo.end(), [](QChar c) { return c.isSpace(); });
    if (spazi || !url.isValid() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) ||
        url.host().isEmpty())
        return "indirizzo non valido: serve un indirizzo completo che cominci con http:// o https://";
    return {};
}

Scaricamento::Scaricamento(std::vector<std::string> indirizzi, Controllo controllo, QObject* genitore)
    : QObject(genitore), m_indirizzi(std::move(indirizzi)), m_controllo(std::move(controllo)),
      m_attesa(attesa()), m_rete(new QNetworkAccessManager(this)) {
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    m_silenzio.setSingleShot(true);
    connect(&m_silenzio, &QTimer::timeout, this, [this] {
        interrompi(m_corpo.isEmpty() ? "nessuna risposta entro " + durata(m_attesa)
                                     : "lo scaricamento si è fermato per più di " + durata(m_attesa));
    });
}

Scaricamento::~Scaricamento() {
    if (m_risposta) {
        m_risposta->disconnect(this);
        m_risposta->abort();
    }
}

void Scaricamento::avvia() {
    m_prossimo = 0;
    m_falliti.clear();
    m_esito.reset();
    m_annullato = false;
    prossimo();
}

void Scaricamento::annulla() {
    if (finito()) return;
    m_annullato = true;
    if (m_risposta) m_risposta->abort();
}

void Scaricamento::prossimo() {
    if (m_prossimo >= m_indirizzi.size()) {
        std::string messaggio = "Impossibile scaricare il file delle estrazioni:";
        for (const std::string& riga : m_falliti)
            messaggio += "\n" + riga;
        if (m_falliti.empty()) messaggio += " nessun indirizzo da provare.";
        concludi(core::Errore{core::Codice::Rete, messaggio});
        return;
    }
    m_inCorso = m_indirizzi[m_prossimo++];
    m_corpo.clear();
    m_causa.clear();
    m_annunciati = -1;
    emit nuovoIndirizzo(QString::fromStdString(m_inCorso));
    if (std::string causa = controllaIndirizzo(m_inCorso); !causa.empty()) {
        fallito(causa);
        return;
    }
    QNetworkRequest richiesta(QUrl(QString::fromStdString(m_inCorso)));
    richiesta.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                           QNetworkRequest::NoLessSafeRedirectPolicy);
    richiesta.setMaximumRedirectsAllowed(MASSIMO_REINDIRIZZAMENTI);
    richiesta.setHeader(QNetworkRequest::UserAgentHeader, QCoreApplication::applicationName().isEmpty()
                                                              ? QStringLiteral("Quintaro")
                                                              : QCoreApplication::applicationName());
    m_risposta = m_rete->get(richiesta);
    connect(m_risposta, &QNetworkReply::readyRead, this, &Scaricamento::datiArrivati);
    connect(m_risposta, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant lunghezza = m_risposta->header(QNetworkRequest::ContentLengthHeader);
        m_annunciati = lunghezza.isValid() ? lunghezza.toLongLong() : -1;
        if (m_annunciati > MASSIMO_BYTE)
            interrompi("il file supera i 64 MiB");
        else
            emit progresso(m_corpo.size(), m_annunciati);
    });
    connect(m_risposta, &QNetworkReply::finished, this, &Scaricamento::rispostaFinita);
    m_silenzio.start(m_attesa);
}

void Scaricamento::datiArrivati() {
    if (!m_causa.empty() || !m_risposta) return;
    m_silenzio.start(m_attesa);
    m_corpo += m_risposta->readAll();
    if (m_corpo.size() > MASSIMO_BYTE)
        interrompi("il file supera i 64 MiB");
    else
        emit progresso(m_corpo.size(), m_annunciati);
}

void Scaricamento::interrompi(std::string causa) {
    if (!m_risposta || !m_causa.empty()) return;
    m_causa = std::move(causa);
    m_risposta->abort();
}

void Scaricamento::rispostaFinita() {
    m_silenzio.stop();
    QNetworkReply* risposta = std::exchange(m_risposta, nullptr);
    risposta->disconnect(this);
    risposta->deleteLater();
    if (m_annullato) {
        concludi(core::Errore{core::Codice::Annullato, "Scaricamento annullato."});
        return;
    }
    if (!m_causa.empty()) {
        fallito(m_causa);
        return;
    }
    m_corpo += risposta->readAll();
    const QNetworkReply::NetworkError errore = risposta->error();
    const QVariant stato = risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QVariant lunghezza = risposta->header(QNetworkRequest::ContentLengthHeader);
    const qint64 annunciati = lunghezza.isValid() ? lunghezza.toLongLong() : -1;
    const bool redirectRifiutato =
        errore == QNetworkReply::TooManyRedirectsError || errore == QNetworkReply::InsecureRedirectError;
    if (!redirectRifiutato && stato.isValid() && (stato.toInt() < 200 || stato.toInt() > 299)) {
        fallito(rispostaServer(stato.toInt()));
        return;
    }
    if (errore != QNetworkReply::NoError) {
        fallito(causaErrore(errore, m_corpo.size(), annunciati));
        return;
    }
    if (m_corpo.size() > MASSIMO_BYTE) {
        fallito("il file supera i 64 MiB");
        return;
    }
    std::string byte = m_corpo.toStdString();
    m_corpo.clear();
    if (m_controllo) {
        if (std::string causa = m_controllo(byte); !causa.empty()) {
            fallito(causa);
            return;
        }
    }
    concludi(Scaricato{m_inCorso, std::move(byte)});
}

void Scaricamento::fallito(const std::string& causa) {
    m_falliti.push_back(m_inCorso + ": " + causa);
    m_corpo.clear();
    prossimo();
}

void Scaricamento::concludi(core::Esito<Scaricato> esito) {
    m_esito = std::move(esito);
    emit concluso();
}

core::Esito<Scaricato> scarica(const std::vector<std::string>& indirizzi, const Controllo& controllo,
                               const Avanzamento& avanzamento) {
    // The network runs in an event loop, which needs an application object: the command line has none.
    static int argc = 1;
    static char nome[] = "quintaro-cli";
    static char* argv[] = {nome, nullptr};
    std::optional<QCoreApplication> propria;
    if (!QCoreApplication::instance()) propria.emplace(argc, argv);

    Scaricamento scaricamento(indirizzi, controllo);
    if (avanzamento)
        QObject::connect(&scaricamento, &Scaricamento::progresso, [&](qint64 ricevuti, qint64 totale) {
            avanzamento(ricevuti, totale, scaricamento.indirizzoInCorso());
        });
    QEventLoop ciclo;
    QObject::connect(&scaricamento, &Scaricamento::concluso, &ciclo, &QEventLoop::quit);
    scaricamento.avvia();
    if (!scaricamento.finito()) ciclo.exec();
    return scaricamento.esito();
}

} // namespace rete
