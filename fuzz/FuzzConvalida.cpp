// The check of a typed draw (with its date and contest checks) and the renumbering of the contests, on
// arbitrary texts and limits. The CONCORSO content to renumber is a piece of the input repeated, so that
// short inputs make long files.
#include "Sostegno.h"
#include "core/Formato.h"
#include "core/Stato.h"
#include "core/Testo.h"
#include "maintenance/Aggiornamento.h"
#include "maintenance/Convalida.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    FuzzedDataProvider ingresso(dati, quanti);
    const auto intero = [&] { return ingresso.ConsumeIntegral<int>(); };
    const auto testo = [&] { return ingresso.ConsumeRandomLengthString(6); };
    const int maxConcorsi = ingresso.ConsumeBool() ? ingresso.ConsumeIntegralInRange(108, 999) : intero();

    // A typed draw is refused pointing at a box, or gives a date of the calendar, a contest within the
    // limit, and wheels of five different numbers 1..90 or none.
    maintenance::CampiEstrazione campi{{}, testo(), testo(), testo(), testo(), testo()};
    for (std::size_t i = 1; i <= 50; ++i)
        campi.estratti[i] = ingresso.ConsumeRandomLengthString(4);
    const maintenance::LimitiEstrazione limiti{
        intero(), maxConcorsi, {intero(), intero(), intero()}, intero(), testo(), intero(), testo()};
    core::Stato stato;
    core::Imposta_Tabelle_Globali(stato);
    const auto esito = maintenance::Controllo_Estrazione(campi, intero(), limiti, stato.Nome_Ruota);
    if (const auto* rifiuto = std::get_if<maintenance::Rifiuto>(&esito)) {
        VERIFICA(rifiuto->casella >= 0 && rifiuto->casella <= maintenance::CASELLA_CONCORSO);
    } else {
        const auto& estrazione = std::get<maintenance::NuovaEstrazione>(esito);
        const auto concorso = core::Concorso::daRecord(estrazione.concorso);
        VERIFICA(maintenance::leggiData(estrazione.data) &&
                 estrazione.data.size() == core::BYTE_RECORD_DATA &&
                 estrazione.concorso.size() == core::BYTE_RECORD_CONCORSO && concorso.numero >= 1 &&
                 concorso.numero <= maxConcorsi && (core::Data{concorso.anno, 1, 1}.valida()));
        for (auto ruota = estrazione.numeri.begin() + 1; ruota < estrazione.numeri.end(); ruota += 5) {
            const std::set<int> numeri(ruota, ruota + 5);
            VERIFICA(numeri == std::set<int>{0} ||
                     (numeri.size() == 5 && *numeri.begin() >= 1 && *numeri.rbegin() <= 90));
        }
    }

    // Renumbering keeps the file's length and every year field, and gives contests within the limit; a
    // success leaves contests that the next renumbering accepts and keeps as they are.
    const int ripetizioni = ingresso.ConsumeIntegralInRange(1, 1500);
    const std::string pezzo = ingresso.ConsumeRemainingBytesAsString();
    std::string concorsi;
    for (int i = 0; i < ripetizioni && concorsi.size() < 65536; ++i)
        concorsi += pezzo;
    const std::string vecchi = concorsi;
    const auto rinumerati = maintenance::rinumeraConcorsi(concorsi, maxConcorsi);
    VERIFICA(concorsi.size() == vecchi.size());
    if (vecchi.size() % core::BYTE_RECORD_CONCORSO != 0) VERIFICA(!rinumerati && concorsi == vecchi);
    for (std::size_t r = 0; r + core::BYTE_RECORD_CONCORSO <= concorsi.size();
         r += core::BYTE_RECORD_CONCORSO)
        VERIFICA(concorsi.compare(r, 8, vecchi, r, 8) == 0 ||
                 (concorsi[r + 3] == '/' && concorsi.compare(r + 4, 4, vecchi, r + 4, 4) == 0));
    std::string ancora = concorsi;
    VERIFICA(!rinumerati || (maintenance::rinumeraConcorsi(ancora, maxConcorsi) && ancora == concorsi));
    return 0;
}
