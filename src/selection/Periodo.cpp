#include "Periodo.h"

#include "core/Campi.h"
#include "core/Lotto.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace selection {

int Percentuale_Avanzamento(int a, int b, int x) {
    const int s = b - a;
    const int t = x - a;
    if (s < 1 || t < 1) return 1;
    return static_cast<int>(std::floor(100.0 / (static_cast<double>(s) / static_cast<double>(t))));
}

int annoEstrazione(core::Stato& stato, int d) {
    stato.Estrazione_Corrente = d;
    return core::LOTTO(stato).NumeroANNO();
}

int inizioAnnoPrecedente(const core::Stato& stato, int anno) {
    for (int y = std::min(anno - 1, stato.Ultimo_Anno); y >= stato.Primo_Anno; --y)
        if (const int d = stato.Prima_Estrazione_Anno(y); d > 0) return d;
    return 1;
}

int inizioAnnoSuccessivo(const core::Stato& stato, int anno) {
    for (int y = std::max(anno + 1, stato.Primo_Anno); y <= stato.Ultimo_Anno; ++y)
        if (const int d = stato.Prima_Estrazione_Anno(y); d > 0) return d;
    return 0;
}

int fineCicli(const core::Stato& stato, int anno, int cicli) {
    for (int y = anno + cicli - 1; y >= anno; --y)
        if (const int d = stato.Ultima_Estrazione_Anno(y); d > 0) return d;
    return 0;
}

namespace {

void azzeraPeriodo(core::Stato& stato, int cicli) {
    const auto dimensione = static_cast<std::size_t>(std::max(stato.Estrazioni_Caricate, 0)) + 1;
    stato.Estrazione_Selezionata.assign(dimensione, 0);
    stato.Elenco_Estrazioni_Selezionate.assign(dimensione, 0);
    stato.Ciclo_Estrazione.assign(dimensione, 0);
    stato.Inizio_Ciclo.assign(static_cast<std::size_t>(cicli) + 1, 0);
    stato.Fine_Ciclo.assign(static_cast<std::size_t>(cicli) + 1, 0);
    stato.Totale_Estrazioni_Selezionate = 0;
    stato.Totale_Cicli = 0;
}

void seleziona(core::Stato& stato, int d, int ciclo) {
    const auto indice = static_cast<std::size_t>(d);
    stato.Estrazione_Selezionata[indice] = -1;
    stato.Elenco_Estrazioni_Selezionate[static_cast<std::size_t>(++stato.Totale_Estrazioni_Selezionate)] = d;
    stato.Ciclo_Estrazione[indice] = ciclo;
}

} // namespace

void applicaFrazionato(core::Stato& stato, int da, int a, const Avanzamento& avanzamento) {
    azzeraPeriodo(stato, 1);
    da = std::max(da, 1);
    a = std::min(a, stato.Estrazioni_Caricate);
    int contatore = 0;
    for (int d = da; d <= a; ++d) {
        if (++contatore == 100) {
            if (avanzamento) avanzamento(Percentuale_Avanzamento(da, a, d));
            contatore = 0;
        }
        seleziona(stato, d, 1);
    }
    stato.Totale_Cicli = 1;
    stato.Inizio_Ciclo[1] =
        stato.Elenco_Estrazioni_Selezionate[1 <= stato.Totale_Estrazioni_Selezionate ? 1 : 0];
    stato.Fine_Ciclo[1] =
        stato.Elenco_Estrazioni_Selezionate[static_cast<std::size_t>(stato.Totale_Estrazioni_Selezionate)];
}

void applicaCicli(core::Stato& stato, int primo, int cicli, const Avanzamento& avanzamento) {
    cicli = std::max(cicli, 0);
    azzeraPeriodo(stato, cicli);
    const int primoAnno = annoEstrazione(stato, std::clamp(primo, 1, std::max(stato.Estrazioni_Caricate, 1)));
    const int ultimoAnno = primoAnno + cicli - 1;
    for (int anno = primoAnno, ciclo = 1; anno <= ultimoAnno; ++anno, ++ciclo) {
        if (avanzamento) avanzamento(Percentuale_Avanzamento(primoAnno, ultimoAnno, anno));
        const int inizio = stato.Prima_Estrazione_Anno(anno);
        const int fine = std::min(stato.Ultima_Estrazione_Anno(anno), stato.Estrazioni_Caricate);
        if (inizio < 1) continue; // a year without loaded draws: its cycle stays empty
        for (int d = inizio; d <= fine; ++d) {
            seleziona(stato, d, ciclo);
            if (d == inizio) stato.Inizio_Ciclo[static_cast<std::size_t>(ciclo)] = d;
            stato.Fine_Ciclo[static_cast<std::size_t>(ciclo)] = d;
        }
    }
    stato.Totale_Cicli = cicli;
}

core::Esito<void> leggiGiornataAppartenenza(core::Stato& stato) {
    const auto& campi = core::campi::GIORNATA_APPARTENENZA;
    const auto letti = core::leggiTabella(stato, campi);
    const auto valori = letti ? *letti : core::predefiniti(campi);
    for (std::size_t k = 1; k <= campi.size(); ++k)
        stato.Giornata_Appartenenza[k] = valori[k - 1];
    if (!letti) return {core::Codice::DatoNonValido, std::string(MESSAGGIO_GIORNI_DEFAULT)};
    return core::riuscito();
}

core::Esito<void> completaGiornataAppartenenza(const core::Stato& stato) {
    return core::completaTabella(stato, core::campi::GIORNATA_APPARTENENZA);
}

int passoAnnuale(core::Stato& stato, int ricordata, int valore) {
    const int partenza = std::max(ricordata, 1);
    const int anno = annoEstrazione(stato, partenza);
    if (partenza > valore) return inizioAnnoPrecedente(stato, anno);
    if (partenza == valore) return valore;
    if (const int successivo = inizioAnnoSuccessivo(stato, anno); successivo >= 1) return successivo;
    const int inizio = stato.Prima_Estrazione_Anno(anno);
    return inizio >= 1 ? inizio : partenza; // mutazioni: equivalente (1 -> 0) — the year has draws
}

int inizioAnnoEstrazione(core::Stato& stato, int d) {
    return stato.Prima_Estrazione_Anno(annoEstrazione(stato, d));
}

int massimoCicli(core::Stato& stato, int d) {
    return stato.Ultimo_Anno - annoEstrazione(stato, d) + 1;
}

} // namespace selection
