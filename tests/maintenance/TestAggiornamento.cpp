#include "ArchivioDiProva.h"
#include "core/Archivio.h"
#include "maintenance/Aggiornamento.h"

#include <QTest>

namespace {

enum Operazione { Nuova, Vecchia, Inserisci, Elimina };

core::Esito<void> esegui(int operazione, core::Stato stato, int n, const prova::Estrazione& e,
                         const core::Guasto& guasto) {
    stato.Max_Concorsi_Anno = 260;
    maintenance::NuovaEstrazione nuova{
        prova::testoData(e.giorno, e.mese, e.anno), prova::testoConcorso(e.concorso, e.anno), {}};
    for (std::size_t i = 0; i < 50; ++i)
        nuova.numeri[i + 1] = e.ruote[i / 5][i % 5];
    if (operazione == Inserisci)
        return maintenance::Registrazione_Intramezzo_Estrazione(stato, n, nuova, guasto);
    if (operazione == Elimina) return maintenance::Eliminazione_Intramezzo_Estrazione(stato, n, guasto);
    return maintenance::Registrazione_Estrazione(stato, n, nuova, guasto);
}

/** Draws of 2002 (contests 1..3) and 2003 (contests 1..3). */
std::vector<prova::Estrazione> seiEstrazioni() {
    std::vector<prova::Estrazione> e(6);
    for (int i = 0; i < 6; ++i)
        e[std::size_t(i)] = prova::estrazione(5 + i, 6, 2002 + i / 3, 1 + i % 3, i);
    return e;
}

} // namespace

class TestAggiornamento : public QObject {
    Q_OBJECT
private slots:
    void ogniOperazioneLasciaIlVecchioOIlNuovoArchivio_data() {
        QTest::addColumn<int>("operazione");
        QTest::addColumn<int>("n");
        // The contests of the draws afterwards, the typed one of 2003 being 99; empty: refused.
        QTest::addColumn<QString>("concorsi");
        QTest::addRow("aggiunge") << int(Nuova) << 7 << "1 2 3 1 2 3 99";
        QTest::addRow("sovrascrive") << int(Vecchia) << 2 << "1 99 3 1 2 3";
        // A 2003 draw inserted before the 2002 ones: they continue its count.
        QTest::addRow("inserisci-prima-della-prima") << int(Inserisci) << 1 << "1 2 3 4 5 6 7";
        QTest::addRow("inserisci-prima-dell-ultima") << int(Inserisci) << 6 << "1 2 3 1 2 3 4";
        QTest::addRow("elimina-la-prima") << int(Elimina) << 1 << "1 2 1 2 3";
        // The last draw's contest 0 stops the renumbering, which must write nothing.
        QTest::addRow("rinumerazione-fallita") << int(Elimina) << 1 << "";
        QTest::addRow("file-discordanti") << int(Nuova) << 7 << ""; // ROMA one draw short
    }
    void ogniOperazioneLasciaIlVecchioOIlNuovoArchivio() {
        QFETCH(int, operazione);
        QFETCH(int, n);
        QFETCH(QString, concorsi);
        prova::CartellaDiProva cartella;
        auto estrazioni = seiEstrazioni();
        if (concorsi.isEmpty()) estrazioni.back().concorso = 0;
        cartella.scriviArchivio(estrazioni);
        if (const std::string roma = cartella.leggiFile("RUOTE/ROMA"); QTest::currentDataTag()[0] == 'f')
            cartella.scriviFile("RUOTE/ROMA", roma.substr(0, roma.size() / 6 * 5));
        const auto prima = prova::fotografia(cartella);
        const auto scritta = prova::estrazione(20, 6, 2003, 99, 42, {2, 4});
        const auto fallendo = [&](const std::string& passo) {
            return esegui(operazione, cartella.stato(), n, scritta,
                          [&](const std::string& p) { return p == passo; });
        };
        // A failure before the point of no return leaves the old archive.
        QCOMPARE(fallendo("registro").codice(),
                 concorsi.isEmpty() ? core::Codice::ArchivioIncoerente : core::Codice::FileNonScrivibile);
        QCOMPARE(prova::fotografia(cartella), prima);
        if (concorsi.isEmpty()) return;
        // One past it leaves the new archive at once, nothing for the next start to finish.
        QVERIFY(!fallendo("sostituisci:ROMA") && !core::completaAggiornamentoInterrotto(cartella.ruote()));
        if (operazione == Elimina)
            estrazioni.erase(estrazioni.begin() + (n - 1));
        else if (operazione == Vecchia)
            estrazioni[std::size_t(n - 1)] = scritta;
        else
            estrazioni.insert(estrazioni.begin() + (n - 1), scritta);
        for (std::size_t i = 0; i < estrazioni.size(); ++i)
            estrazioni[i].concorso = concorsi.split(QLatin1Char(' '))[qsizetype(i)].toInt();
        QCOMPARE(prova::fotografia(cartella), prova::attesi(estrazioni));
    }
};

QTEST_APPLESS_MAIN(TestAggiornamento)
#include "TestAggiornamento.moc"
