#include "core/Stato.h"
#include "ui/LogoIniziale.h"
#include "ui/Programma.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    QApplication::setApplicationName(ui::titoloProgramma());
    QApplication::setApplicationVersion(ui::versioneProgramma());
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // Qt's own Italian texts for the standard buttons ("Sì", "No", "Annulla").
    QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);

    // The program folder is the executable's own: RUOTE/ and ImpoBin live beside it.
    core::Stato stato(QApplication::applicationDirPath().toStdString());
    ui::LogoIniziale logo(stato);
    QObject::connect(&logo, &ui::LogoIniziale::programmaTerminato, &applicazione, &QApplication::quit,
                     Qt::QueuedConnection);
    QApplication::setQuitOnLastWindowClosed(false);
    logo.show();
    return QApplication::exec();
}
