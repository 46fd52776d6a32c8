#include "Collegamenti.h"

#include "Programma.h"

#include <QDesktopServices>

namespace ui {

namespace {

ApriUrl& apriCorrente() {
    static ApriUrl apri;
    return apri;
}

} // namespace

QString indirizzoSito() {
    return {};
}

QString indirizzoPosta() {
    return {};
}

QString collegamentoPosta(const QString& posta) {
    if (posta.isEmpty()) return {};
    return QStringLiteral("mailto:") + posta + QStringLiteral("?SUBJECT=") + titoloProgramma() +
           QStringLiteral(" vers.") + versioneProgramma() + QStringLiteral(" :");
}

void Apri_Collegamento(QWidget* finestra, const QString& destinazione) {
    Q_UNUSED(finestra); // the system places the browser or the mail program itself
    // Only web pages and mail: a link never starts a program or opens a local file.
    const QUrl indirizzo(destinazione.trimmed(), QUrl::TolerantMode);
    const QString schema = indirizzo.scheme().toLower();
    if (!indirizzo.isValid() || (schema != QLatin1String("http") && schema != QLatin1String("https") &&
                                 schema != QLatin1String("mailto")))
        return;
    if (const ApriUrl& apri = apriCorrente())
        apri(indirizzo);
    else
        QDesktopServices::openUrl(indirizzo);
}

ApriUrl installaApriCollegamento(ApriUrl apri) {
    ApriUrl precedente = std::move(apriCorrente());
    apriCorrente() = std::move(apri);
    return precedente;
}

} // namespace ui
