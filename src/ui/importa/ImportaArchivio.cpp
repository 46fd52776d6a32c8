#include "ImportaArchivio.h"

#include "maintenance/Backup.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <ctime>

namespace ui {

namespace {

/** The busy pointer for the time of a long step. */
struct Occupato {
    Occupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Occupato() { QApplication::restoreOverrideCursor(); }
};

std::tm adesso() {
    const std::time_t ora = std::time(nullptr);
    std::tm quando{};
    localtime_r(&ora, &quando);
    return quando;
}

} // namespace

void fileRifiutato(QWidget* genitore, const QString& origine, const importa::Lettura& lettura) {
    prompt::scegli(genitore, titoloProgramma(),
                   QStringLiteral("Il file %1 non può essere importato: l'archivio non è stato modificato.")
                       .arg(origine),
                   QString::fromStdString(importa::resoconto(lettura)), {QStringLiteral("OK")});
}

bool scriviEstrazioni(core::Stato& stato, QWidget* genitore, const importa::Lettura& lettura,
                      importa::Modo modo) {
    const auto esito = [&] {
        Occupato occupato;
        return importa::importaEstrazioni(stato, lettura, modo, adesso());
    }();
    if (!esito) {
        prompt::informa(genitore, titoloProgramma(), QString::fromStdString(esito.messaggio()),
                        prompt::Tipo::Avviso);
        return false;
    }
    prompt::informa(genitore, titoloProgramma(), QString::fromStdString(esito->messaggio));
    return esito->scritte > 0;
}

bool importaArchivio(core::Stato& stato, QWidget* genitore, bool archivioVuoto) {
    const QString titolo = titoloProgramma();
    const QString nome = prompt::scegliFileDaAprire(
        genitore, QStringLiteral("Importa archivio"), QDir::homePath(),
        QStringLiteral("Archivio delle estrazioni (*.txt *.zip *.gz);;Tutti i file (*)"));
    if (nome.isEmpty()) return false;
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
        const int scelta = prompt::scegli(
            genitore, titolo,
            domanda +
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

bool ripristinoDati(core::Stato& stato, QWidget* genitore) {
    const auto copie = maintenance::cartelleBackup(stato);
    if (copie.empty()) return importaArchivio(stato, genitore, true);
    const QString copia = QString::fromStdString(copie.front().filename().string());
    const int scelta = prompt::scegli(
        genitore, titoloProgramma(),
        QStringLiteral(
            "La copia più recente dell'archivio è nella cartella %1. Ripristinarla, oppure importare un file "
            "di estrazioni?")
            .arg(copia),
        {},
        {QStringLiteral("Ripristina la copia"), QStringLiteral("Importa un file"),
         QStringLiteral("Annulla")});
    if (scelta == 1) return importaArchivio(stato, genitore, true);
    if (scelta != 0) return false;
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
