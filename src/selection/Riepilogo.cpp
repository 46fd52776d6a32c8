#include "Riepilogo.h"

#include "core/Formato.h"

#include <algorithm>

namespace selection {

PeriodoCercato periodoAttuale(const core::Stato& stato) {
    PeriodoCercato periodo;
    periodo.caricate = stato.Estrazioni_Caricate;
    const auto& elenco = stato.Elenco_Estrazioni_Selezionate;
    const int quante = std::min(stato.Totale_Estrazioni_Selezionate, static_cast<int>(elenco.size()) - 1);
    for (int i = 1; i <= quante; ++i)
        periodo.estrazioni.push_back(elenco[static_cast<std::size_t>(i)]);
    periodo.ruote = stato.Ruota_Selezionata;
    return periodo;
}

std::string conMigliaia(long long valore) {
    std::string cifre = std::to_string(valore < 0 ? -valore : valore);
    for (auto i = static_cast<std::ptrdiff_t>(cifre.size()) - 3; i > 0; i -= 3)
        cifre.insert(static_cast<std::size_t>(i), 1, '.');
    return valore < 0 ? "-" + cifre : cifre;
}

namespace {

std::string dataEstrazione(const core::Stato& stato, int d) {
    if (d < 1 || d > stato.Estrazioni_Caricate || static_cast<std::size_t>(d) >= stato.Data_Estrazione.size())
        return {};
    return core::Data::daRecord(stato.Data_Estrazione[static_cast<std::size_t>(d)]).testo();
}

} // namespace

std::string testoPeriodo(const core::Stato& stato, const PeriodoCercato& periodo) {
    std::string testo = "Periodo: ";
    if (periodo.estrazioni.empty()) {
        testo += "nessuna estrazione";
    } else {
        const std::string dal = dataEstrazione(stato, periodo.estrazioni.front());
        const std::string al = dataEstrazione(stato, periodo.estrazioni.back());
        if (!dal.empty() && !al.empty()) testo += "dal " + dal + " al " + al + " ";
        const auto quante = static_cast<long long>(periodo.estrazioni.size());
        testo += "(" + conMigliaia(quante) + (quante == 1 ? " estrazione)" : " estrazioni)");
    }
    testo += " \xE2\x80\x94 Ruote:";
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (periodo.ruote[static_cast<std::size_t>(w)] == -1) testo += " " + std::string(core::siglaRuota(w));
    return testo;
}

Intervallo ultimeEstrazioni(const core::Stato& stato, int quante) {
    if (stato.Estrazioni_Caricate < 1 || quante < 1) return {};
    return {std::max(stato.Estrazioni_Caricate - quante + 1, 1), stato.Estrazioni_Caricate};
}

Intervallo tuttoArchivio(const core::Stato& stato) {
    return ultimeEstrazioni(stato, stato.Estrazioni_Caricate);
}

Intervallo dalAnno(const core::Stato& stato, int anno) {
    if (stato.Estrazioni_Caricate < 1) return {};
    for (int y = std::max(anno, stato.Primo_Anno); y <= stato.Ultimo_Anno; ++y)
        if (const int d = stato.Prima_Estrazione_Anno(y); d > 0) return {d, stato.Estrazioni_Caricate};
    return {};
}

Intervallo annoInCorso(const core::Stato& stato) {
    for (int y = stato.Ultimo_Anno; y >= stato.Primo_Anno; --y)
        if (const int d = stato.Prima_Estrazione_Anno(y); d > 0)
            return {d, std::max(stato.Ultima_Estrazione_Anno(y), d)};
    return {};
}

} // namespace selection
