// The program folder: the one named with --cartella, the executable's own when it may hold the archive,
// otherwise the user's data folder, which quintaro-cli finds where the program's Qt finds it.
#include "ArchivioDiProva.h"
#include "core/Cartella.h"

#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

namespace fs = std::filesystem;

class TestCartella : public QObject {
    Q_OBJECT

private slots:
    void sceglieLaCartella_data() {
        QTest::addColumn<QString>("caso"); // --cartella given or not, the executable's folder, the choice
        for (const char* caso : {"-/scrivibile/eseguibile", "-/sola-lettura/utente", "-/installazione/utente",
                                 "altra/scrivibile/altra", "altra/sola-lettura/altra"})
            QTest::newRow(caso) << caso;
    }
    void sceglieLaCartella() {
        QFETCH(QString, caso);
        const QString indicata = caso.section('/', 0, 0), eseguibile = caso.section('/', 1, 1);
        const prova::CartellaDiProva prova;
        const fs::path altra = prova.percorso() / "altra", utente = prova.percorso() / "xdg" / "Quintaro";
        const fs::path cartella =
            eseguibile == "installazione" ? core::cartellaInstallazione() : prova.percorso();
        const bool solaLettura = eseguibile == "sola-lettura";
        if (solaLettura && geteuid() == 0 && indicata == "-") QSKIP("root scrive anche in sola lettura");
        if (solaLettura) fs::permissions(cartella, fs::perms::owner_write, fs::perm_options::remove);
        const bool portatile = core::cartellaPortatile(cartella);
        QVERIFY(!core::cartellaPortatile({})); // the executable's folder unknown (no /proc): never portable
        if (solaLettura) fs::permissions(cartella, fs::perms::owner_write, fs::perm_options::add);
        const auto scelta =
            core::sceltaCartella(indicata == "-" ? fs::path() : altra, cartella, portatile,
                                 core::cartellaDatiUtente(utente.parent_path().c_str(), nullptr));
        const QString attesa = caso.section('/', 2, 2);
        const fs::path atteso = attesa == "altra" ? altra : attesa == "utente" ? utente : cartella;
        QCOMPARE(QString::fromStdString(scelta.percorso.string()), QString::fromStdString(atteso.string()));
        // The user's folder is created at the first start; a folder named on the command line never is.
        QVERIFY(core::preparaCartella(scelta));
        QCOMPARE(fs::is_directory(scelta.percorso), attesa != "altra");
    }

    void datiUtenteComeQt() {
        QCoreApplication::setApplicationName("Quintaro");
        const char* const casi[][2] = {
            {nullptr, "/home/anna"}, {"/dati/xdg/", "/home/anna"}, {"", "/home/anna/"}, {nullptr, ""}};
        for (const auto& [xdg, home] : casi) {
            xdg ? qputenv("XDG_DATA_HOME", xdg) : qunsetenv("XDG_DATA_HOME");
            qputenv("HOME", home);
            const fs::path qt =
                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
            QCOMPARE(QString::fromStdString(core::cartellaDatiUtente(xdg, home).string()),
                     QString::fromStdString(qt.lexically_normal().string()));
        }
    }
};

QTEST_APPLESS_MAIN(TestCartella)
#include "TestCartella.moc"
