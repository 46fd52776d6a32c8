// The delay series of one number over an archive of 32,000 draws, on one wheel and on the ten wheels
// together; and the chart window over that series, from the call that opens it to its first paint
// (on the offscreen platform unless QT_QPA_PLATFORM names another).
#include "ArchivioSintetico.h"
#include "core/Caricamento.h"
#include "selection/Periodo.h"
#include "stats/Serie.h"
#include "ui/stats/FrmGrafico.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

constexpr int ESTRAZIONI = 32000;

/** The synthetic archive loaded whole, the wheels of `ruote` selected, the whole period applied. */
core::Stato& statoCaricato(const char* ruote) {
    static std::map<std::string, std::unique_ptr<core::Stato>> stati;
    auto& stato = stati[ruote];
    if (!stato) {
        stato = std::make_unique<core::Stato>(banco::archivioSintetico(ESTRAZIONI));
        core::Imposta_Tabelle_Globali(*stato);
        if (!core::caricaArchivio(*stato) || !core::selezioneDaTesto(*stato, ruote)) std::abort();
        selection::applicaFrazionato(*stato, 1, ESTRAZIONI);
    }
    return *stato;
}

const stats::Combinazione& settantasette() {
    static const stats::Combinazione combinazione = *stats::Combinazione::da({77});
    return combinazione;
}

void serie(benchmark::State& stato, const char* ruote, int colonna) {
    const core::Stato& s = statoCaricato(ruote);
    for (auto _ : stato) {
        auto serie = stats::serieRitardi(s, settantasette(), colonna);
        benchmark::DoNotOptimize(serie);
    }
}
BENCHMARK_CAPTURE(serie, bari, "1000000000", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(serie, dieci_ruote, "1111111111", 0)->Unit(benchmark::kMillisecond);

void primoDisegno(benchmark::State& stato, const char* ruote, int colonna) {
    const core::Stato& s = statoCaricato(ruote);
    for (auto _ : stato) {
        QElapsedTimer orologio;
        orologio.start();
        bool disegnata = false;
        auto* finestra = ui::FrmGrafico::apri(s, settantasette(), colonna, nullptr);
        QObject::connect(finestra, &ui::FrmGrafico::primoDisegno, [&] { disegnata = true; });
        while (!disegnata)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        stato.SetIterationTime(static_cast<double>(orologio.nsecsElapsed()) / 1e9);
        delete finestra;
    }
}
BENCHMARK_CAPTURE(primoDisegno, bari, "1000000000", 1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(primoDisegno, dieci_ruote, "1111111111", 0)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication applicazione(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
