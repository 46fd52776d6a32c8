// The program folder: the one named with --cartella, the executable's own when it may hold the archive,
// otherwise the user's data folder, which quintaro-cli finds where the program's Qt finds it.
#include "ArchivioDiProva.h"
#include "core/Cartella.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

namespace fs = std::filesystem;

class TestCartella : public QObject {
    Q_OBJECT

private slots:
    void sceglieLaCartella_data() {
        QTest::addColumn<bool>("indicata");      // --cartella given
        QTest::addColumn<QString>("eseguibile"); // scrivibile, sola-lettura or installazione
        QTest::addColumn<QString>("attesa");     // indicata, eseguibile or utente
        QTest::addRow("scrivibile") << false << "scrivibile"
                                    << "eseguibile";
        QTest::addRow("sola-lettura") << false << "sola-lettura"
                                      << "utente";
        QTest::addRow("installazione") << false << "installazione"
                                       << "utente";
        QTest::addRow("indicata-scrivibile") << true << "scrivibile"
                                             << "indicata";
        QTest::addRow("indicata-sola-lettura") << true << "sola-lettura"
                                               << "indicata";
    }
    void sceglieLaCartella() {
        QFETCH(bool, indicata);
        QFETCH(QString, eseguibile);
        QFETCH(QString, attesa);
        const prova::CartellaDiProva prova;
        const fs::path altra = prova.percorso() / "altra", utente = prova.percorso() / "xdg" / "Quintaro";
        const fs::path cartella =
            eseguibile == "installazione" ? core::cartellaInstallazione() : prova.percorso();
        if (eseguibile == "sola-lettura") {
            if (geteuid() == 0 && !indicata) QSKIP("root scrive anche nelle cartelle di sola lettura");
            fs::permissions(cartella, fs::perms::owner_write, fs::perm_options::remove);
        }
        const auto scelta =
            core::sceltaCartella(indicata ? altra : fs::path(), cartella, core::cartellaPortatile(cartella),
                                 core::cartellaDatiUtente((prova.percorso() / "xdg").c_str(), nullptr));
        if (eseguibile == "sola-lettura")
            fs::permissions(cartella, fs::perms::owner_write, fs::perm_options::add);
        const fs::path atteso = attesa == "indicata" ? altra : attesa == "utente" ? utente : cartella;
        QCOMPARE(QString::fromStdString(scelta.percorso.string()), QString::fromStdString(atteso.string()));
        // The user's folder is created at the first start; a folder named on the command line never is.
        QVERIFY(core::preparaCartella(scelta));
        QCOMPARE(fs::is_directory(scelta.percorso), attesa != "indicata");
    }

    void datiUtenteComeQt_data() {
        QTest::addColumn<QByteArray>("xdg"); // null: unset
        QTest::addColumn<QByteArray>("home");
        QTest::addRow("casa") << QByteArray() << QByteArray("/home/anna");
        QTest::addRow("xdg") << QByteArray("/dati/xdg/") << QByteArray("/home/anna");
        QTest::addRow("xdg-vuota") << QByteArray("") << QByteArray("/home/anna/");
        QTest::addRow("senza-casa") << QByteArray() << QByteArray();
    }
    void datiUtenteComeQt() {
        QFETCH(QByteArray, xdg);
        QFETCH(QByteArray, home);
        const QByteArray vecchiaCasa = qgetenv("HOME"), vecchiaXdg = qgetenv("XDG_DATA_HOME");
        xdg.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", xdg);
        qputenv("HOME", home);
        QCoreApplication::setApplicationName("Quintaro");
        const QString qt = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        qputenv("HOME", vecchiaCasa);
        vecchiaXdg.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", vecchiaXdg);
        QCOMPARE(QString::fromStdString(core::cartellaDatiUtente(xdg.constData(), home.constData()).string()),
                 QString::fromStdString(fs::path(qt.toStdString()).lexically_normal().string()));
    }
};

QTEST_APPLESS_MAIN(TestCartella)
#include "TestCartella.moc"
