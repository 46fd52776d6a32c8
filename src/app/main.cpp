#include "core/Cartella.h"
#include "core/Stato.h"
#include "ui/LeggiEstrazioni.h"
#include "ui/LogoIniziale.h"
#include "ui/Principio.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

const char* const USO =
    "Uso: quintaro [--cartella DIR]\n"
    "     quintaro --help | --version\n"
    "Apre il programma sull'archivio della cartella del programma: la cartella dell'eseguibile quando\n"
    "vi si può scrivere (una cartella di compilazione o una copia portatile), altrimenti la cartella dei\n"
    "dati dell'utente, $XDG_DATA_HOME/Quintaro o ~/.local/share/Quintaro, creata al primo avvio.\n"
    "  --cartella DIR   apre l'archivio (RUOTE/ e ImpoBin) di un'altra cartella, che deve esistere\n"
    "  --help           stampa questo aiuto ed esce\n"
    "  --version        stampa il nome e la versione del programma ed esce\n";

/**
 * With QUINTARO_TEMPO_AVVIO set, the program presses "OK" by itself (in the start-up window and in the
 * loading window, the whole archive chosen), writes the time from the start of
 * main() to the first paint of the main window on standard error, and ends there: the cold start.
 */
class MisuraAvvio : public QObject {
public:
    MisuraAvvio(ui::LogoIniziale& logo, QElapsedTimer tempo) : m_logo(logo), m_tempo(tempo) {
        // The main window opens the wheel selection over itself before "OK" returns: its first paint is
        // watched on the whole application.
        QApplication::instance()->installEventFilter(this);
        QTimer::singleShot(0, this, [this] { m_logo.cmdOK_Click(); });
    }
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (auto* lettura = qobject_cast<ui::LeggiEstrazioni*>(oggetto);
            lettura && evento->type() == QEvent::Show)
            QTimer::singleShot(0, lettura, [lettura] { lettura->cmdSkip_Click(); });
        if (evento->type() == QEvent::Paint && oggetto == m_logo.finestraPrincipale()) {
            std::fprintf(stderr, "Quintaro: finestra principale in %lld ms\n",
                         static_cast<long long>(m_tempo.elapsed()));
            std::fflush(stderr);
            std::_Exit(EXIT_SUCCESS);
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    ui::LogoIniziale& m_logo;
    QElapsedTimer m_tempo;
};

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer tempo;
    tempo.start();
    // --help and --version answer without a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argomento = argv[i];
        if (argomento == "--help" || argomento == "-h") {
            std::cout << USO;
            return EXIT_SUCCESS;
        }
        if (argomento == "--version") {
            std::cout << "quintaro " << ui::versioneProgramma().toStdString() << '\n';
            return EXIT_SUCCESS;
        }
    }
    QApplication applicazione(argc, argv);
    ui::preparaApplicazione();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icona/quintaro.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("it.quintaro.Quintaro"));

    // Qt has taken its own options (-platform, -style...) out of the arguments.
    std::filesystem::path indicata;
    const QStringList argomenti = QApplication::arguments();
    for (qsizetype i = 1; i < argomenti.size(); ++i) {
        if (argomenti[i] == QLatin1String("--cartella") && i + 1 < argomenti.size()) {
            indicata = argomenti[++i].toStdString();
            if (std::filesystem::is_directory(indicata)) continue;
            std::cerr << "quintaro: la cartella " << indicata.string() << " non esiste.\n";
        } else {
            std::cerr << "quintaro: argomento non riconosciuto: " << argomenti[i].toStdString() << ".\n"
                      << USO;
        }
        return 2;
    }
    // The program folder, where RUOTE/ and ImpoBin live: the executable's own in a portable copy, the
    // user's data folder for an installed program.
    const std::filesystem::path eseguibile = QApplication::applicationDirPath().toStdString();
    const auto cartella =
        core::sceltaCartella(indicata, eseguibile, core::cartellaPortatile(eseguibile),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    if (const auto pronta = core::preparaCartella(cartella); !pronta) {
        ui::prompt::informa(nullptr, ui::titoloProgramma(), QString::fromStdString(pronta.messaggio()),
                            ui::prompt::Tipo::Avviso);
        return EXIT_FAILURE;
    }
    core::Stato stato(cartella.percorso);
    ui::LogoIniziale logo(stato);
    QObject::connect(&logo, &ui::LogoIniziale::programmaTerminato, &applicazione, &QApplication::quit,
                     Qt::QueuedConnection);
    QApplication::setQuitOnLastWindowClosed(false);
    logo.show();
    std::optional<MisuraAvvio> misura;
    if (qEnvironmentVariableIsSet("QUINTARO_TEMPO_AVVIO")) misura.emplace(logo, tempo);
    return QApplication::exec();
}
