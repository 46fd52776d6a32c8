#include "ImportaArchivio.h"

#include "maintenance/Backup.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/rete/AggiornaDaInternet.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <ctime>
#include <optional>
#include <vector>

namespace ui {

namespace {

/** The busy pointer for the time of a long step. */
struct Occupato {
    Occupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Occupato() { QApplication::restoreOverrideCursor(); }
};

std::optional<QString>& storicoInstallato() {
    static std::optional<QString> percorso;
    return percorso;
}

bool importaFile(core::Stato& stato, QWidget* genitore, bool archivioVuoto, const QString& nome);

} // namespace

QString storicoIncluso() {
    auto& percorso = storicoInstallato();
    if (!percorso) {
        const QString accanto = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                QStringLiteral("/../share/quintaro/storico.txt.gz"));
        percorso = QFileInfo::exists(accanto) ? accanto : QString();
    }
    return *percorso;
}

QString installaStoricoIncluso(QString percorso) {
    QString precedente = storicoIncluso();
    storicoInstallato() = std::move(percorso);
    return precedente;
}

void fileRifiutato(QWidget* genitore, const QString& origine, const importa::Lettura& lettura) {
    prompt::scegli(genitore, titoloProgramma(),
                   QStringLiteral("Il file %1 non può essere importato: l'archivio non è stato modificato.")
                       .arg(origine),
                   QString::fromStdString(importa::resoconto(lettura)), {QStringLiteral("OK")});
}

bool scriviEstrazioni(core::Stato& stato, QWidget* genitore, const importa::Lettura& lettura,
                      importa::Modo modo, const importa::Importazione* proposta) {
    const auto esito = [&] {
        Occupato occupato;
        return importa::importaEstrazioni(stato, lettura, modo, core::oraLocale(), {}, proposta);
    }();
    if (!esito) {
        prompt::informa(genitore, titoloProgramma(), QString::fromStdString(esito.messaggio()),
                        prompt::Tipo::Avviso);
        return false;
    }
    prompt::informa(genitore, titoloProgramma(), QString::fromStdString(esito->messaggio));
    return esito->scrive();
}

bool importaArchivio(core::Stato& stato, QWidget* genitore, bool archivioVuoto) {
    const QString nome = prompt::scegliFileDaAprire(
        genitore, QStringLiteral("Importa archivio"), QDir::homePath(),
        QStringLiteral("Archivio delle estrazioni (*.txt *.zip *.gz);;Tutti i file (*)"));
    return !nome.isEmpty() && importaFile(stato, genitore, archivioVuoto, nome);
}

namespace {

bool importaFile(core::Stato& stato, QWidget* genitore, bool archivioVuoto, const QString& nome) {
    const QString titolo = titoloProgramma();
    const QString breve = QFileInfo(nome).fileName();

    importa::Lettura lettura;
    {
        Occupato occupato;
        lettura = importa::leggiFileStorico(nome.toStdString());
    }
    if (!lettura.valida()) {
        fileRifiutato(genitore, breve, lettura);
        return false;
    }
    const QString resoconto = QString::fromStdString(importa::resoconto(lettura));

    importa::Modo modo = importa::Modo::Sostituisci;
    const QString domanda = QStringLiteral("Il file %1 è stato letto e controllato per intero.").arg(breve);
    if (archivioVuoto) {
        if (prompt::scegli(genitore, titolo,
                           domanda + QStringLiteral(" Importare le sue estrazioni come archivio?"), resoconto,
                           {QStringLiteral("Importa l'archivio"), QStringLiteral("Annulla")}) != 0)
            return false;
    } else {
        // A file that ends before the archive would drop its latest draws: said before the choice.
        const std::string perdita = importa::avvisoSostituzione(stato, lettura);
        const int scelta = prompt::scegli(
            genitore, titolo,
            domanda +
                (perdita.empty() ? QString()
                                 : QStringLiteral(" ATTENZIONE: %1").arg(QString::fromStdString(perdita))) +
                QStringLiteral(
                    " Sostituire l'archivio con le sue estrazioni (l'archivio attuale sarà prima copiato in "
                    "una cartella di backup) oppure aggiungere solo le estrazioni successive all'ultima "
                    "dell'archivio?"),
            resoconto,
            {QStringLiteral("Sostituisci l'archivio"),
             QStringLiteral("Aggiungi solo le estrazioni successive"), QStringLiteral("Annulla")});
        if (scelta != 0 && scelta != 1) return false;
        modo = scelta == 0 ? importa::Modo::Sostituisci : importa::Modo::Aggiungi;
    }
    return scriviEstrazioni(stato, genitore, lettura, modo);
}

} // namespace

bool ripristinoDati(core::Stato& stato, QWidget* genitore, bool benvenuto) {
    const auto copie = maintenance::cartelleBackup(stato);
    const QString storico = storicoIncluso();
    const QString copia =
        copie.empty() ? QString() : QString::fromStdString(copie.front().filename().string());
    // The ways offered, in the order of their buttons: the official history shipped with the program,
    // the same from the operator's website, the newest copy, a file of the user's.
    enum class Via { Storico, Internet, Copia, File };
    std::vector<Via> vie;
    QStringList pulsanti;
    QString domanda = benvenuto ? QStringLiteral("Benvenuto in Quintaro: l'archivio è vuoto. Come crearlo?\n")
                                : QStringLiteral("Come ricostruire l'archivio?\n");
    if (!storico.isEmpty()) {
        vie.push_back(Via::Storico);
        pulsanti << QStringLiteral("Archivio ufficiale");
        domanda += QStringLiteral("\n• Archivio ufficiale: le estrazioni dal 1939 fornite con il programma;");
    }
    vie.push_back(Via::Internet);
    pulsanti << QStringLiteral("Da Internet");
    domanda += QStringLiteral("\n• Da Internet: l'archivio ufficiale scaricato dal sito del gestore;");
    if (!copia.isEmpty()) {
        vie.push_back(Via::Copia);
        pulsanti << QStringLiteral("Ripristina la copia");
        domanda +=
            QStringLiteral("\n• Ripristina la copia: la copia più recente, nella cartella %1;").arg(copia);
    }
    vie.push_back(Via::File);
    pulsanti << QStringLiteral("Importa un file") << QStringLiteral("Annulla");
    domanda += QStringLiteral("\n• Importa un file: un file di estrazioni scelto sul computer.");
    // A way that fails (its box has told why) leads back to the choice; only Annulla gives up.
    for (bool fallita = false;; fallita = true) {
        const QString testo =
            fallita
                ? QStringLiteral("Il tentativo non è riuscito: l'archivio non è stato creato.\n\n") + domanda
                : domanda;
        const int scelta = prompt::scegli(genitore, titoloProgramma(), testo, {}, pulsanti);
        if (scelta < 0 || scelta >= int(vie.size())) return false;
        const Via via = vie[std::size_t(scelta)];
        if (via == Via::Copia) break;
        if (via == Via::Storico    ? importaFile(stato, genitore, true, storico)
            : via == Via::Internet ? aggiornaDaInternet(stato, genitore)
                                   : importaArchivio(stato, genitore, true))
            return true;
    }
    if (const auto ripristino = maintenance::ripristinaBackup(stato, copie.front()); !ripristino) {
        prompt::informa(genitore, titoloProgramma(),
                        QStringLiteral("Ripristino non riuscito: %1. L'archivio non è stato modificato.")
                            .arg(QString::fromStdString(ripristino.messaggio())),
                        prompt::Tipo::Avviso);
        return false;
    }
    prompt::informa(genitore, titoloProgramma(),
                    QStringLiteral("L'archivio è stato ripristinato dalla copia %1.").arg(copia));
    return true;
}

} // namespace ui
