// The demo archive: consistent files the program loads, plausible draws on the real calendar, and a
// writer that never overwrites a user's archive nor leaves half of one.
#include "ArchivioDiProva.h"
#include "core/Caricamento.h"
#include "core/FileArchivio.h"
#include "core/Lotto.h"
#include "core/Testo.h"
#include "demo/Demo.h"

#include <QDate>
#include <QProcess>
#include <QTest>

#include <array>
#include <cmath>
#include <cstdint>
#include <set>

namespace fs = std::filesystem;

namespace QTest {
// Records are compared as std::string: show them when they differ.
template <> inline char* toString(const std::string& testo) { return qstrdup(('"' + testo + '"').c_str()); }
} // namespace QTest

namespace {

const std::array<std::string, 13> NOMI = {"", "BARI", "CAGLIARI", "FIRENZE", "GENOVA", "MILANO", "NAPOLI",
                                          "PALERMO", "ROMA", "TORINO", "VENEZIA", "DATA", "CONCORSO"};
constexpr int CAGLIARI = 2, GENOVA = 4;

/** The demo archive read back record by record, as the file layouts describe it. */
struct Letto {
    std::vector<std::string> date, concorsi;
    std::vector<QDate> giorni;
    std::vector<std::array<std::array<int, 5>, 11>> numeri; // [draw][wheel 1..10][position]; 0 for byte 140
    std::vector<std::array<bool, 11>> nulla;               // [draw][wheel]: the record is five bytes of 140
};

Letto leggi(const demo::ArchivioDemo& a) {
    Letto l;
    const auto& data = a.file[core::FILE_DATA];
    const auto& concorso = a.file[core::FILE_CONCORSO];
    const std::size_t n = data.size() / 10;
    for (std::size_t d = 0; d < n; ++d) {
        l.date.push_back(data.substr(d * 10, 10));
        l.concorsi.push_back(concorso.substr(d * 8, 8));
        const std::string_view t = l.date.back();
        l.giorni.emplace_back(core::valoreNumerico(t.substr(6, 4)), core::valoreNumerico(t.substr(3, 2)),
                              core::valoreNumerico(t.substr(0, 2)));
        auto& numeri = l.numeri.emplace_back();
        auto& nulla = l.nulla.emplace_back();
        for (std::size_t w = 1; w <= 10; ++w) {
            int nulli = 0;
            for (std::size_t i = 0; i < 5; ++i) {
                const auto byte = static_cast<std::uint8_t>(a.file[w][d * 5 + i]);
                numeri[w][i] = byte == 140 ? 0 : 140 - byte;
                nulli += byte == 140;
            }
            nulla[w] = nulli == 5;
        }
    }
    return l;
}

} // namespace

class TestDemo : public QObject {
    Q_OBJECT

private:
    demo::ArchivioDemo m_archivio;
    Letto m_letto;

private slots:
    void initTestCase() {
        m_archivio = demo::generaArchivioDemo();
        m_letto = leggi(m_archivio);
        QVERIFY(!m_letto.date.empty());
    }

    void ifileHannoLoStessoNumeroDiRecordEIlProgrammaLiCarica() {
        prova::CartellaDiProva cartella;
        QCOMPARE(demo::scriviArchivioDemo(cartella.percorso(), m_archivio).esito, demo::EsitoScrittura::Scritto);
        const auto n = static_cast<long long>(m_archivio.estrazioni);
        QVERIFY(n > 7000);
        for (int w = 1; w <= 10; ++w)
            QCOMPARE(static_cast<long long>(cartella.leggiFile(fs::path("RUOTE") / NOMI[w]).size()), 5 * n);
        QCOMPARE(static_cast<long long>(cartella.leggiFile("RUOTE/DATA").size()), 10 * n);
        QCOMPARE(static_cast<long long>(cartella.leggiFile("RUOTE/CONCORSO").size()), 8 * n);

        auto stato = cartella.stato();
        core::FileArchivio file(stato);
        QCOMPARE(static_cast<long long>(file.Conta_Estrazioni_Archivio()), n);
        QVERIFY(core::verificaLunghezze(file, stato.Estrazioni_In_Archivio).empty());
        const auto esito = core::START_Memorizzazione_Estrazioni(stato, file, 1, m_archivio.estrazioni);
        QCOMPARE(esito.recordDanneggiati, 0);
        QCOMPARE(esito.estrazioniIncomplete, 0);
        QCOMPARE(stato.Data_Estrazione[1], std::string(" 7/ 1/1939"));
        QCOMPARE(stato.Concorso_Estrazione[1], std::string("  1/1939"));
        QCOMPARE(stato.Data_Estrazione[static_cast<std::size_t>(n)], std::string("30/12/2025"));
    }

    void ogniRecordHaCinqueNumeriDistintiOppureENullo() {
        for (std::size_t d = 0; d < m_letto.numeri.size(); ++d)
            for (std::size_t w = 1; w <= 10; ++w) {
                if (m_letto.nulla[d][w]) continue;
                std::set<int> visti;
                for (int n : m_letto.numeri[d][w]) {
                    if (n < 1 || n > 90)
                        QFAIL(qPrintable(QStringLiteral("estrazione %1, %2: numero %3 fuori da 1..90")
                                             .arg(d + 1).arg(QString::fromStdString(NOMI[w])).arg(n)));
                    visti.insert(n);
                }
                if (visti.size() != 5)
                    QFAIL(qPrintable(QStringLiteral("estrazione %1, %2: numeri ripetuti")
                                         .arg(d + 1).arg(QString::fromStdString(NOMI[w]))));
            }
    }

    void leSoleRuoteNulleSonoCagliariEGenovaFinoAl1Luglio1939() {
        const QDate ultimaSenza(1939, 7, 1);
        int nulle = 0;
        for (std::size_t d = 0; d < m_letto.nulla.size(); ++d)
            for (int w = 1; w <= 10; ++w) {
                const bool attesa = (w == CAGLIARI || w == GENOVA) && m_letto.giorni[d] <= ultimaSenza;
                if (m_letto.nulla[d][static_cast<std::size_t>(w)] != attesa)
                    QFAIL(qPrintable(QStringLiteral("%1 del %2: record nullo atteso %3")
                                         .arg(QString::fromStdString(NOMI[static_cast<std::size_t>(w)]),
                                              QString::fromStdString(m_letto.date[d]))
                                         .arg(attesa)));
                nulle += attesa;
            }
        QCOMPARE(nulle, 2 * 26); // 26 Saturdays from 7 January to 1 July 1939
    }

    void ledateSonoCrescentiNelFormatoDelProgramma() {
        for (std::size_t d = 0; d < m_letto.date.size(); ++d) {
            const QDate& g = m_letto.giorni[d];
            QVERIFY2(g.isValid(), m_letto.date[d].c_str());
            QCOMPARE(m_letto.date[d], prova::testoData(g.day(), g.month(), g.year()));
            QCOMPARE(core::giornoSettimana(m_letto.date[d]), g.dayOfWeek());
            if (d > 0) QVERIFY2(m_letto.giorni[d - 1] < g, m_letto.date[d].c_str());
        }
        QCOMPARE(m_letto.giorni.front(), QDate(1939, 1, 7));
        QCOMPARE(m_letto.giorni.back(), QDate(2025, 12, 30));
        QCOMPARE(m_archivio.estrazioni, static_cast<int>(m_letto.date.size()));
        QCOMPARE(demo::testoGiorno(m_archivio.prima), std::string("07/01/1939"));
        QCOMPARE(demo::testoGiorno(m_archivio.ultima), std::string("30/12/2025"));
    }

    void ilCalendarioSegueIGiorniDiEstrazione_data() {
        QTest::addColumn<QDate>("dal");
        QTest::addColumn<QDate>("al");
        QTest::addColumn<QList<int>>("giorni"); // Monday = 1 .. Sunday = 7
        QTest::addRow("1939-1996-sabato") << QDate(1939, 1, 1) << QDate(1996, 12, 31) << QList<int>{6};
        QTest::addRow("1997-2005-mercoledi-sabato") << QDate(1997, 1, 1) << QDate(2005, 5, 3) << QList<int>{3, 6};
        QTest::addRow("2005-2022-martedi-giovedi-sabato")
            << QDate(2005, 5, 4) << QDate(2022, 12, 31) << QList<int>{2, 4, 6};
        QTest::addRow("2023-2025-martedi-giovedi-venerdi-sabato")
            << QDate(2023, 1, 1) << QDate(2025, 12, 30) << QList<int>{2, 4, 5, 6};
    }

    void ilCalendarioSegueIGiorniDiEstrazione() {
        QFETCH(QDate, dal);
        QFETCH(QDate, al);
        QFETCH(QList<int>, giorni);
        QStringList attese, trovate;
        for (QDate g = dal; g <= al; g = g.addDays(1))
            if (giorni.contains(g.dayOfWeek()) && g >= QDate(1939, 1, 7)) attese << g.toString(Qt::ISODate);
        for (const QDate& g : m_letto.giorni)
            if (g >= dal && g <= al) trovate << g.toString(Qt::ISODate);
        QCOMPARE(trovate.size(), attese.size());
        QCOMPARE(trovate, attese);
    }

    void iConcorsiRipartonoDaUnoOgniAnno() {
        int anno = 0, atteso = 0, massimo = 0;
        for (std::size_t d = 0; d < m_letto.concorsi.size(); ++d) {
            const int annoData = m_letto.giorni[d].year();
            atteso = annoData == anno ? atteso + 1 : 1;
            anno = annoData;
            massimo = std::max(massimo, atteso);
            QCOMPARE(m_letto.concorsi[d], prova::testoConcorso(atteso, annoData));
        }
        QCOMPARE(massimo, 209); // 2024: four draws a week in a leap year
    }

    void iNumeriSonoUniformiEInOrdineDiEstrazione() {
        // Every number's count on every wheel, and as first number drawn, within six standard
        // deviations of the expected one: a biased or sorted draw falls far outside.
        for (std::size_t w = 1; w <= 10; ++w) {
            std::array<int, 91> frequenza{}, primo{};
            int estrazioni = 0;
            for (std::size_t d = 0; d < m_letto.numeri.size(); ++d) {
                if (m_letto.nulla[d][w]) continue;
                ++estrazioni;
                for (int n : m_letto.numeri[d][w]) ++frequenza[static_cast<std::size_t>(n)];
                ++primo[static_cast<std::size_t>(m_letto.numeri[d][w][0])];
            }
            const auto entro = [](int conteggio, double prove, double p) {
                const double media = prove * p, scarto = std::sqrt(prove * p * (1 - p));
                return std::abs(conteggio - media) <= 6 * scarto;
            };
            for (std::size_t n = 1; n <= 90; ++n) {
                QVERIFY2(entro(frequenza[n], 5.0 * estrazioni, 1.0 / 90),
                         qPrintable(QStringLiteral("%1: %2 estratto %3 volte")
                                        .arg(QString::fromStdString(NOMI[w])).arg(n).arg(frequenza[n])));
                QVERIFY2(entro(primo[n], estrazioni, 1.0 / 90),
                         qPrintable(QStringLiteral("%1: %2 primo estratto %3 volte")
                                        .arg(QString::fromStdString(NOMI[w])).arg(n).arg(primo[n])));
            }
        }
        // Wheels are drawn independently: no two wheels of a draw, nor a wheel in consecutive draws,
        // share the same five numbers.
        for (std::size_t d = 0; d < m_letto.numeri.size(); ++d)
            for (std::size_t w = 1; w <= 10; ++w) {
                if (m_letto.nulla[d][w]) continue;
                for (std::size_t v = w + 1; v <= 10; ++v) QVERIFY(m_letto.numeri[d][w] != m_letto.numeri[d][v]);
                if (d > 0) QVERIFY(m_letto.numeri[d][w] != m_letto.numeri[d - 1][w]);
            }
    }

    void nonSovrascriveUnArchivioEsistente_data() {
        QTest::addColumn<QString>("bari"); // "file:<bytes>" or "cartella"
        QTest::addColumn<bool>("scrive");
        QTest::addRow("bari-con-una-estrazione") << QStringLiteral("file:%%%%%") << false;
        QTest::addRow("bari-di-un-byte") << QStringLiteral("file:x") << false;
        QTest::addRow("bari-e-una-cartella") << QStringLiteral("cartella") << false;
        QTest::addRow("bari-vuoto") << QStringLiteral("file:") << true;
    }

    void nonSovrascriveUnArchivioEsistente() {
        QFETCH(QString, bari);
        QFETCH(bool, scrive);
        prova::CartellaDiProva cartella;
        const std::string data = "31/12/2000";
        cartella.scriviFile("RUOTE/DATA", data);
        if (bari == QLatin1String("cartella"))
            fs::create_directory(cartella.ruote() / "BARI");
        else
            cartella.scriviFile("RUOTE/BARI", bari.mid(5).toStdString());

        const auto esito = demo::scriviArchivioDemo(cartella.percorso(), m_archivio);
        if (scrive) {
            QCOMPARE(esito.esito, demo::EsitoScrittura::Scritto);
            QCOMPARE(cartella.leggiFile("RUOTE/BARI"), m_archivio.file[1]);
            QCOMPARE(cartella.leggiFile("RUOTE/DATA"), m_archivio.file[core::FILE_DATA]);
            return;
        }
        QCOMPARE(esito.esito, demo::EsitoScrittura::ArchivioPresente);
        QCOMPARE(cartella.leggiFile("RUOTE/DATA"), data);
        if (bari != QLatin1String("cartella"))
            QCOMPARE(cartella.leggiFile("RUOTE/BARI"), bari.mid(5).toStdString());
        int file = 0;
        for ([[maybe_unused]] const auto& voce : fs::directory_iterator(cartella.ruote())) ++file;
        QCOMPARE(file, 2); // DATA and BARI, nothing added
    }

    void unaScritturaFallitaNonLasciaBari_data() {
        QTest::addColumn<QString>("bloccato");
        for (std::size_t f = 2; f < NOMI.size(); ++f)
            QTest::addRow("%s", NOMI[f].c_str()) << QString::fromStdString(NOMI[f]);
    }

    void unaScritturaFallitaNonLasciaBari() {
        // A folder in place of a file makes its replacement fail, even for root.
        QFETCH(QString, bloccato);
        prova::CartellaDiProva cartella;
        const fs::path ostacolo = cartella.ruote() / bloccato.toStdString();
        fs::create_directory(ostacolo);

        const auto esito = demo::scriviArchivioDemo(cartella.percorso(), m_archivio);
        QCOMPARE(esito.esito, demo::EsitoScrittura::Errore);
        QCOMPARE(esito.percorso, ostacolo);
        QVERIFY(!fs::exists(cartella.ruote() / "BARI"));

        // The next run is not refused and completes the archive.
        fs::remove(ostacolo);
        QCOMPARE(demo::scriviArchivioDemo(cartella.percorso(), m_archivio).esito, demo::EsitoScrittura::Scritto);
        QCOMPARE(cartella.leggiFile(fs::path("RUOTE") / bloccato.toStdString()).empty(), false);
        QCOMPARE(cartella.leggiFile("RUOTE/BARI"), m_archivio.file[1]);
    }

    void ogniEsecuzioneDaGliStessiByte() {
        const auto altro = demo::generaArchivioDemo();
        QCOMPARE(altro.estrazioni, m_archivio.estrazioni);
        for (std::size_t f = 0; f < m_archivio.file.size(); ++f) QVERIFY(altro.file[f] == m_archivio.file[f]);
    }

    void ilProgrammaScriveOppureRifiuta() {
        prova::CartellaDiProva cartella;
        const QString programma = QStringLiteral(QUINTARO_DEMO_PROGRAMMA);
        const QString destinazione = QString::fromStdString((cartella.percorso() / "nuova").string());
        const auto esegui = [&](const QStringList& argomenti, QByteArray& uscita, QByteArray& errori) {
            QProcess p;
            p.start(programma, argomenti);
            if (!p.waitForFinished(60000)) return -1;
            uscita = p.readAllStandardOutput();
            errori = p.readAllStandardError();
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        QByteArray uscita, errori;

        QCOMPARE(esegui({QStringLiteral("--cartella"), destinazione}, uscita, errori), 0);
        QVERIFY2(uscita.contains("Non sono estrazioni reali."), uscita.constData());
        QVERIFY2(uscita.contains(QByteArray::number(m_archivio.estrazioni) + " estrazioni dal 07/01/1939 al 30/12/2025"),
                 uscita.constData());
        for (std::size_t f : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13})
            QVERIFY(cartella.leggiFile(fs::path("nuova/RUOTE") / NOMI[f < 11 ? f : f - 1]) == m_archivio.file[f]);

        // A second run meets the archive it wrote: refused, nothing changed.
        cartella.scriviFile("nuova/RUOTE/BARI", "12345");
        QCOMPARE(esegui({QStringLiteral("--cartella"), destinazione}, uscita, errori), 1);
        QVERIFY(uscita.isEmpty());
        QVERIFY2(errori.contains("Esiste già un archivio"), errori.constData());
        QCOMPARE(cartella.leggiFile("nuova/RUOTE/BARI"), std::string("12345"));

        QCOMPARE(esegui({}, uscita, errori), 2);
        QVERIFY2(errori.contains("Uso: quintaro-demo --cartella"), errori.constData());
    }
};

QTEST_APPLESS_MAIN(TestDemo)
#include "TestDemo.moc"
