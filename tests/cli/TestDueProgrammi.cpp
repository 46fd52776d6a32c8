// Two programs on one archive: every writer waits for the other, gives up with the holder's name, or
// takes over the lock of a process that died; an operation prepared on an archive that changed since is
// refused; two real command lines importing at once always leave one whole archive.
#include "ArchivioDiProva.h"
#include "core/Archivio.h"
#include "core/Blocco.h"
#include "core/Campi.h"
#include "importa/Importazione.h"
#include "maintenance/Backup.h"
#include "maintenance/Consultazione.h"
#include "maintenance/Modi.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A child process that takes the lock of a program folder and keeps it until it is told to let it go
// or is killed.
class Detentore {
public:
    explicit Detentore(const std::filesystem::path& cartella) {
        int pronto[2], via[2];
        QVERIFY(::pipe(pronto) == 0 && ::pipe(via) == 0);
        m_processo = ::fork();
        if (m_processo == 0) {
            const auto blocco = core::Blocco::prendi(cartella);
            char c = blocco ? 'x' : '!';
            [[maybe_unused]] auto scritto = ::write(pronto[1], &c, 1);
            [[maybe_unused]] auto letto = ::read(via[0], &c, 1);
            ::_exit(0);
        }
        ::close(pronto[1]);
        ::close(via[0]);
        m_via = via[1];
        char c = 0;
        QVERIFY(::read(pronto[0], &c, 1) == 1 && c == 'x');
        ::close(pronto[0]);
    }
    ~Detentore() { fine(SIGKILL); }
    pid_t processo() const { return m_processo; }
    // Lets the lock go, or (SIGKILL) is killed holding it.
    void fine(int segnale = 0) {
        if (m_processo <= 0) return;
        if (segnale == 0 && ::write(m_via, "x", 1) != 1) segnale = SIGKILL;
        if (segnale != 0) ::kill(m_processo, segnale);
        ::waitpid(std::exchange(m_processo, 0), nullptr, 0);
    }

private:
    pid_t m_processo = 0;
    int m_via = -1;
};

// The wait of this process for the lock, for the time of a test.
struct Attesa {
    Attesa(int ms, std::function<bool(const std::string&)> inAttesa = {})
        : precedente(core::impostaAttesaBlocco({std::chrono::milliseconds(ms), std::move(inAttesa), {}})) {}
    ~Attesa() { core::impostaAttesaBlocco(precedente); }
    core::AttesaBlocco precedente;
};

// `quante` draws on consecutive days from 1/1/2001, 28 a month, numbered within each year; the numbers of
// draw i depend on i + `variante`.
std::vector<prova::Estrazione> serie(int quante, int variante = 0) {
    std::vector<prova::Estrazione> estrazioni;
    for (int i = 0; i < quante; ++i)
        estrazioni.push_back(
            prova::estrazione(1 + i % 28, 1 + i / 28 % 12, 2001 + i / 336, 1 + i % 336, i + variante));
    return estrazioni;
}

const auto ARCHIVIO = serie(12);
const auto FILE_PIU_LUNGO = serie(18);

// Every writer of the program, on the program folder of `stato`: its message, empty when it wrote.
std::string scrivi(const QString& chi, const core::Stato& stato, const importa::Lettura& lettura) {
    std::tm quando{};
    quando.tm_year = 126;
    const auto esito = [](const auto& e) { return e ? std::string() : e.messaggio(); };
    if (chi == "importa")
        return esito(importa::importaEstrazioni(stato, lettura, importa::Modo::Aggiungi, quando));
    if (chi == "sostituisci")
        return esito(importa::importaEstrazioni(stato, lettura, importa::Modo::Sostituisci, quando));
    if (chi == "manutenzione") {
        maintenance::NuovaEstrazione nulla{prova::testoData(1, 1, 2001), prova::testoConcorso(1, 2001), {}};
        return esito(maintenance::Registrazione_Estrazione(stato, 1, nulla));
    }
    if (chi == "backup") return esito(maintenance::Backup_Archivio(stato, quando));
    if (chi == "ripristino") return esito(maintenance::ripristinaBackup(stato, stato.cartellaRuote()));
    if (chi == "impostazioni") return esito(core::scriviCampo(stato, core::campi::TOOLBAR, 0));
    return esito(core::Archivio::leggi(stato.cartellaRuote())); // "lettura"
}

} // namespace

class TestDueProgrammi : public QObject {
    Q_OBJECT

private slots:
    void ogniScrittoreAttendeIlBloccoAltrui_data() {
        QTest::addColumn<QString>("chi");
        for (const char* chi :
             {"importa", "sostituisci", "manutenzione", "backup", "ripristino", "impostazioni", "lettura"})
            QTest::addRow("%s", chi) << QString(chi);
    }
    void ogniScrittoreAttendeIlBloccoAltrui() {
        QFETCH(QString, chi);
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(ARCHIVIO);
        const core::Stato stato = cartella.stato();
        const auto lettura = importa::leggiStorico(prova::testoStorico(FILE_PIU_LUNGO));
        const auto prima = prova::fotografia(cartella);
        {
            // Held by another process: a short wait, then the refusal naming it, and nothing written.
            Detentore altro(cartella.percorso());
            const Attesa breve(60);
            const std::string rifiuto = scrivi(chi, stato, lettura);
            QCOMPARE(prova::fotografia(cartella), prima);
            const std::string nome =
                "(test_due_programmi, processo " + std::to_string(altro.processo()) + ")";
            const std::string atteso =
                chi == "impostazioni" // a settings field says only which it is
                    ? "Impossibile registrare l' impostazione 100"
                    : "L'archivio è in uso da un altro programma " + nome + ". Riprovare";
            QVERIFY2(rifiuto.find(atteso) != std::string::npos, rifiuto.c_str());

            // The other process lets go while this one waits: the operation goes on.
            int attese = 0;
            const Attesa lunga(10000, [&](const std::string&) {
                if (attese++ == 2) altro.fine();
                return true;
            });
            QVERIFY(scrivi(chi, stato, lettura).empty() && attese > 2);
        }
        // A holder killed outright leaves its file, never its lock.
        Detentore morto(cartella.percorso());
        morto.fine(SIGKILL);
        const Attesa nessuna(0);
        QVERIFY(core::Blocco::prendi(cartella.percorso()).riuscito());
    }

    void ilDetentoreNominatoDalSuoFile_data() {
        QTest::addColumn<QByteArray>("scritto"); // the lock file of a holder that is not this program
        QTest::addColumn<QString>("nome");
        QTest::addRow("nome-e-processo")
            << QByteArray("quintaro-cli 4242\nresto") << " (quintaro-cli, processo 4242)";
        QTest::addRow("controllo-nel-nome") << QByteArray("a\x01"
                                                          "b 7")
                                            << " (a?b, processo 7)";
        QTest::addRow("processo-zero") << QByteArray("quintaro 0") << "";
        QTest::addRow("processo-non-numero") << QByteArray("quintaro 12x") << "";
        QTest::addRow("senza-nome") << QByteArray(" 4242") << "";
        QTest::addRow("vuoto") << QByteArray() << "";
    }
    void ilDetentoreNominatoDalSuoFile() {
        QFETCH(QByteArray, scritto);
        QFETCH(QString, nome);
        prova::CartellaDiProva cartella;
        const QString file = QString::fromStdString((cartella.percorso() / core::NOME_BLOCCO).string());
        QFile blocco(file);
        QVERIFY(blocco.open(QIODevice::WriteOnly) && blocco.write(scritto) == scritto.size());
        blocco.close();
        QProcess altro; // flock(1) holds the file as the program does, and writes nothing in it
        altro.start("flock", {file, "-c", "echo preso; sleep 30"});
        QVERIFY(altro.waitForReadyRead(5000));
        const Attesa breve(60);
        const auto rifiuto = core::Blocco::prendi(cartella.percorso());
        altro.kill();
        altro.waitForFinished();
        QCOMPARE(QString::fromStdString(rifiuto.messaggio()),
                 "L'archivio è in uso da un altro programma" + nome + ". Riprovare più tardi.");
    }

    void unaOperazionePreparataSuUnArchivioCambiatoERifiutata() {
        prova::CartellaDiProva cartella;
        cartella.scriviArchivio(ARCHIVIO);
        core::Stato stato = cartella.stato();
        // The maintenance window shows draw 12; another program then appends one: deleting "draw 12" now
        // would delete a draw the user never saw.
        const auto aperto = maintenance::Dati_Iniziali_Aggiornamento(cartella.ruote(), 32000);
        const auto lettura = importa::leggiStorico(prova::testoStorico(FILE_PIU_LUNGO));
        const auto proposta = importa::provaAggiunta(stato, lettura);
        QVERIFY(proposta && proposta->scritte == 6);
        cartella.scriviArchivio(serie(13));
        const auto prima = prova::fotografia(cartella);
        const auto esito = maintenance::eseguiOperazione(stato, aperto, maintenance::Modo::Elimina, 12, {});
        QVERIFY(!esito.riuscita && esito.cambiato);
        QCOMPARE(prova::fotografia(cartella), prima);
        // The addition the user accepted is no longer what the file would add: nothing is written.
        const auto aggiunta =
            importa::importaEstrazioni(stato, lettura, importa::Modo::Aggiungi, {}, {}, &*proposta);
        QCOMPARE(aggiunta.codice(), core::Codice::ArchivioCambiato);
        QCOMPARE(prova::fotografia(cartella), prima);
    }

    void dueImportazioniInsiemeLascianoUnArchivioIntero_data() {
        QTest::addColumn<QString>("attesa"); // QUINTARO_ATTESA_BLOCCO of both
        QTest::addColumn<bool>("aggiungi");  // both add to the archive, the longer file holding the shorter
        QTest::addRow("sostituiscono-e-si-attendono") << QString() << false;
        QTest::addRow("sostituiscono-e-chi-perde-rinuncia") << "0" << false;
        QTest::addRow("aggiungono-e-si-attendono") << QString() << true;
    }
    void dueImportazioniInsiemeLascianoUnArchivioIntero() {
        QFETCH(QString, attesa);
        QFETCH(bool, aggiungi);
        prova::CartellaDiProva cartella;
        const std::vector<std::vector<prova::Estrazione>> file{serie(300, aggiungi ? 0 : 1),
                                                               serie(200, aggiungi ? 0 : 2)};
        const auto avvia = [&](QProcess& processo, std::size_t i) {
            QStringList argomenti{"importa", "--cartella",
                                  QString::fromStdString(cartella.percorso().string())};
            if (aggiungi) argomenti << "--aggiungi";
            processo.start(QUINTARO_CLI_PROGRAMMA,
                           argomenti << QString::fromStdString(
                               (cartella.percorso() / ("file" + std::to_string(i) + ".txt")).string()));
        };
        for (std::size_t i = 0; i < file.size(); ++i)
            cartella.scriviFile("file" + std::to_string(i) + ".txt", prova::testoStorico(file[i]));
        // Each file's archive, imported alone.
        std::array<std::vector<std::string>, 2> soli;
        for (std::size_t i = 0; i < soli.size(); ++i) {
            prova::CartellaDiProva sola;
            QVERIFY(importa::importaEstrazioni(sola.stato(),
                                               importa::leggiStorico(prova::testoStorico(file[i])),
                                               importa::Modo::Sostituisci, {}));
            soli[i] = prova::fotografia(sola);
        }
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        if (!attesa.isEmpty()) ambiente.insert("QUINTARO_ATTESA_BLOCCO", attesa);
        for (int giro = 0; giro < 4; ++giro) {
            cartella.scriviArchivio(ARCHIVIO);
            std::array<QProcess, 2> processi;
            for (std::size_t i = 0; i < processi.size(); ++i) {
                processi[i].setProcessEnvironment(ambiente);
                avvia(processi[i], i);
            }
            std::array<int, 2> uscite{};
            for (std::size_t i = 0; i < processi.size(); ++i) {
                QVERIFY(processi[i].waitForFinished(30000));
                uscite[i] = processi[i].exitCode();
                QVERIFY(uscite[i] == 0 ||
                        (uscite[i] == 1 && processi[i].readAllStandardError().contains("in uso")));
            }
            // One whole file's archive; that of a process that said it failed only when the other wrote. Two
            // additions: the second adds what the first did not, nothing is lost.
            const auto archivio = prova::fotografia(cartella);
            QVERIFY(uscite[0] == 0 || uscite[1] == 0);
            QVERIFY(archivio == soli[0] || archivio == soli[1]);
            for (std::size_t i = 0; i < 2; ++i)
                if (uscite[i] != 0) QCOMPARE(archivio, soli[1 - i]);
            if (aggiungi) QCOMPARE(archivio, soli[0]);
        }
    }
};

QTEST_GUILESS_MAIN(TestDueProgrammi)
#include "TestDueProgrammi.moc"
