// Decoding of wheel records and every LOTTO routine on arbitrary bytes: an in-memory archive whose
// records, date and contest texts, day-membership table and current draw all come from the input,
// read with draw and wheel arguments that may lie anywhere.
#include "Sostegno.h"
#include "core/Formato.h"
#include "core/Lotto.h"
#include "core/Testo.h"

#include <algorithm>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

/** Numeri_Estratti after LeggiESTRAZIONE: five numbers 1..90 with the mark -1, or all 0. */
void verificaNumeri(const core::Stato& stato) {
    const auto& n = stato.Numeri_Estratti;
    if (n[0] == 0) {
        for (int v : n)
            VERIFICA(v == 0);
        return;
    }
    VERIFICA(n[0] == -1);
    for (std::size_t i = 1; i <= 5; ++i)
        VERIFICA(n[i] >= 1 && n[i] <= 90);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    FuzzedDataProvider ingresso(dati, quanti);
    core::Stato stato;
    core::Imposta_Tabelle_Globali(stato);

    // The archive: up to 40 draws, their records taken from the input, texts of any length.
    const int capacita = ingresso.ConsumeIntegralInRange(-1, 40);
    stato.Archivio_Estrazioni.dimensiona(capacita);
    for (int d = 0; d <= capacita; ++d)
        for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
            const auto byte = ingresso.ConsumeBytes<std::uint8_t>(core::NUMERI_PER_RUOTA);
            std::copy(byte.begin(), byte.end(), stato.Archivio_Estrazioni.record(w, d));
        }
    const auto testi = ingresso.ConsumeIntegralInRange<std::size_t>(0, 45);
    for (std::size_t d = 0; d < testi; ++d) {
        stato.Data_Estrazione.push_back(ingresso.ConsumeRandomLengthString(16));
        stato.Concorso_Estrazione.push_back(ingresso.ConsumeRandomLengthString(16));
    }
    stato.Estrazioni_Caricate = ingresso.ConsumeIntegral<int>();
    for (auto& giornata : stato.Giornata_Appartenenza)
        giornata = ingresso.ConsumeIntegral<int>();

    core::LOTTO lotto(stato);
    for (int giro = 0; giro < 8 && ingresso.remaining_bytes() > 0; ++giro) {
        const int w = ingresso.ConsumeIntegralInRange(-2, 12);
        const int d = ingresso.ConsumeBool() ? ingresso.ConsumeIntegral<int>()
                                             : ingresso.ConsumeIntegralInRange(-2, 45);
        stato.Estrazione_Corrente = d;

        lotto.LeggiESTRAZIONE(w, d);
        verificaNumeri(stato);
        const bool reale = stato.Numeri_Estratti[0] == -1;
        lotto.LeggiESTRATTIcompressi(w, d);
        // A real draw always gives its raw characters (a record null only past its first number may too).
        VERIFICA(stato.Estratti_Compressi[0] == "K" || (!reale && stato.Estratti_Compressi[0].empty()));
        if (reale) {
            // The characters decode back to the numbers LeggiESTRAZIONE read.
            std::string record;
            for (std::size_t i = 1; i <= 5; ++i)
                record += stato.Estratti_Compressi[i];
            const auto numeri = stato.Numeri_Estratti;
            core::Decomprimi_Estrazione(stato, record);
            for (std::size_t i = 1; i <= 5; ++i)
                VERIFICA(stato.Numeri_Estratti[i] == numeri[i]);
            stato.Numeri_Estratti = numeri;
        }

        const int giorno = lotto.NumeroGIORNO(), mese = lotto.NumeroMESE();
        (void)giorno;
        (void)mese;
        (void)lotto.NumeroCONCORSO();
        (void)lotto.NumeroANNO();
        (void)lotto.NumeroANNO_DATA();
        const std::string nome = lotto.NomeGIORNATA(d);
        VERIFICA(nome == "-" || std::find(stato.Nome_Giorno.begin() + 1, stato.Nome_Giorno.end(), nome) !=
                                    stato.Nome_Giorno.end());
        const std::string app = lotto.NomeGIORNATAapp(d);
        VERIFICA(app == "-" || std::find(stato.Nome_Giorno.begin() + 1, stato.Nome_Giorno.end(), app) !=
                                   stato.Nome_Giorno.end());
        const int numeroApp = core::valoreNumerico(lotto.NumeroGIORNATAapp(d));
        VERIFICA(numeroApp >= 0 && numeroApp <= 7);

        std::array<std::string, 6> cercati;
        for (auto& e : cercati)
            e = ingresso.ConsumeRandomLengthString(4);
        const int trovati = lotto.Sfaldati(ingresso.ConsumeRandomLengthString(32), cercati);
        VERIFICA(trovati >= 0 && trovati <= 5);

        // The same record through the readers of the searches and of the maintenance window.
        if (w >= 1 && w <= core::NUMERO_RUOTE && d >= 0 && d <= stato.Archivio_Estrazioni.capacita()) {
            const std::uint8_t* record = stato.Archivio_Estrazioni.record(w, d);
            int numeri[5];
            const bool decodificato = core::decodificaRuota(record, numeri);
            VERIFICA(decodificato == reale);
            VERIFICA(!core::recordDanneggiato(record) || !reale);
            for (std::size_t i = 1; i <= 5; ++i) {
                const int mostrato = core::decodificaNumero(record[i - 1]);
                VERIFICA(mostrato >= -1 && mostrato <= 90);
                if (reale) VERIFICA(mostrato == stato.Numeri_Estratti[i]);
            }
        }
    }

    // Compressing any count of any numbers, and decoding any text.
    std::array<int, 91> numeri{};
    const int daComprimere = ingresso.ConsumeIntegralInRange(-1, 90);
    for (int& n : numeri)
        n = ingresso.ConsumeIntegralInRange(-5, 95);
    const std::string compresso = core::Comprimi_Estrazione(numeri.data(), daComprimere);
    VERIFICA(compresso.size() == static_cast<std::size_t>(std::max(daComprimere, 0)));
    const std::string testo = ingresso.ConsumeRemainingBytesAsString();
    const std::string decompresso = core::Decomprimi_Estrazione(stato, testo);
    VERIFICA(stato.Numeri_Estratti[0] >= 0 && stato.Numeri_Estratti[0] <= 90);
    VERIFICA(decompresso.size() >= 3 * static_cast<std::size_t>(stato.Numeri_Estratti[0]));
    const int settimana = core::giornoSettimana(testo);
    VERIFICA(settimana >= 0 && settimana <= 7);
    return 0;
}
