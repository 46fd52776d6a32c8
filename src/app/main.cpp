#include "core/Stato.h"
#include "ui/LogoIniziale.h"
#include "ui/Programma.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication applicazione(argc, argv);
    ui::preparaApplicazione();

    // The program folder is the executable's own: RUOTE/ and ImpoBin live beside it.
    core::Stato stato(QApplication::applicationDirPath().toStdString());
    ui::LogoIniziale logo(stato);
    QObject::connect(&logo, &ui::LogoIniziale::programmaTerminato, &applicazione, &QApplication::quit,
                     Qt::QueuedConnection);
    QApplication::setQuitOnLastWindowClosed(false);
    logo.show();
    return QApplication::exec();
}
