// The checks of a typed draw (the keystroke filter Stringhetta, the date and contest checks, the whole
// draw's check) and the renumbering of the contests, on arbitrary texts and limits. The CONCORSO
// content to renumber is a piece of the input repeated, so that short inputs make long files.
#include "Sostegno.h"
#include "core/Formato.h"
#include "core/Stato.h"
#include "core/Testo.h"
#include "maintenance/Aggiornamento.h"
#include "maintenance/Convalida.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>

namespace {

bool cifre(std::string_view testo) {
    return !testo.empty() && testo.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    FuzzedDataProvider ingresso(dati, quanti);

    // A key on a box keeps its text or gives a number within the box's limits.
    {
        const std::string testo = ingresso.ConsumeRandomLengthString(12);
        const char tasto = ingresso.ConsumeIntegral<char>();
        const int minimo = ingresso.ConsumeIntegral<int>(), massimo = ingresso.ConsumeIntegral<int>();
        const std::string dopo = maintenance::Stringhetta(testo, tasto, minimo, massimo);
        if (dopo != testo) {
            const int valore = core::valoreNumerico(dopo);
            VERIFICA(tasto >= '0' && tasto <= '9' && valore >= minimo && valore <= massimo &&
                     dopo == std::to_string(valore));
        }
    }

    // A date record is empty or " d/ m/yyyy" with values in range.
    {
        const std::string giorno = ingresso.ConsumeRandomLengthString(8),
                          mese = ingresso.ConsumeRandomLengthString(8),
                          anno = ingresso.ConsumeRandomLengthString(8);
        const std::string data = maintenance::Controllo_Sintassi_Data(giorno, mese, anno);
        if (!data.empty()) {
            VERIFICA(data.size() == core::BYTE_RECORD_DATA && data[2] == '/' && data[5] == '/');
            const int d = core::valoreNumerico(data.substr(0, 2)),
                      m = core::valoreNumerico(data.substr(3, 2)), y = core::valoreNumerico(data.substr(6));
            VERIFICA(d >= 1 && d <= 31 && m >= 1 && m <= 12 && y >= 1871 && y <= 2500 &&
                     cifre(data.substr(6)));
        }
    }

    // A contest record is empty or "ccc/yyyy" with the contest within the limit.
    const int maxConcorsi =
        ingresso.ConsumeBool() ? ingresso.ConsumeIntegralInRange(108, 999) : ingresso.ConsumeIntegral<int>();
    {
        const std::string concorso = ingresso.ConsumeRandomLengthString(8),
                          anno = ingresso.ConsumeRandomLengthString(8);
        const std::string record = maintenance::Controllo_Sintassi_Concorso(concorso, anno, maxConcorsi);
        if (!record.empty()) {
            VERIFICA(record.size() == core::BYTE_RECORD_CONCORSO && record[3] == '/' &&
                     cifre(record.substr(4)));
            const int c = core::valoreNumerico(record.substr(0, 3));
            VERIFICA(c >= 1 && c <= maxConcorsi && c <= 999);
        }
    }

    // A typed draw is refused pointing at a box, or gives records of their sizes, a date of the calendar,
    // and wheels of five different numbers 1..90 or none.
    {
        maintenance::CampiEstrazione campi;
        for (auto* campo : {&campi.giorno, &campi.mese, &campi.anno, &campi.concorso, &campi.annoConcorso})
            *campo = ingresso.ConsumeRandomLengthString(6);
        for (std::size_t i = 1; i <= 50; ++i)
            campi.estratti[i] = ingresso.ConsumeRandomLengthString(4);
        const auto intero = [&] { return ingresso.ConsumeIntegral<int>(); };
        const auto testo = [&] { return ingresso.ConsumeRandomLengthString(12); };
        const maintenance::LimitiEstrazione limiti{
            intero(), maxConcorsi, {intero(), intero(), intero()}, intero(), testo(), intero(), testo()};
        core::Stato stato;
        core::Imposta_Tabelle_Globali(stato);
        const auto esito = maintenance::Controllo_Estrazione(campi, ingresso.ConsumeIntegral<int>(), limiti,
                                                             stato.Nome_Ruota);
        if (const auto* rifiuto = std::get_if<maintenance::Rifiuto>(&esito)) {
            VERIFICA(rifiuto->casella >= 0 && rifiuto->casella <= maintenance::CASELLA_CONCORSO);
        } else {
            const auto& estrazione = std::get<maintenance::NuovaEstrazione>(esito);
            VERIFICA(maintenance::leggiData(estrazione.data) &&
                     estrazione.data.size() == core::BYTE_RECORD_DATA &&
                     estrazione.concorso.size() == core::BYTE_RECORD_CONCORSO);
            for (auto ruota = estrazione.numeri.begin() + 1; ruota < estrazione.numeri.end(); ruota += 5) {
                const std::set<int> numeri(ruota, ruota + 5);
                VERIFICA(numeri == std::set<int>{0} ||
                         (numeri.size() == 5 && *numeri.begin() >= 1 && *numeri.rbegin() <= 90));
            }
        }
    }

    // Renumbering keeps the file's length and every year field; a success leaves only contests that
    // the next renumbering accepts.
    {
        const int ripetizioni = ingresso.ConsumeIntegralInRange(1, 1500);
        const std::string pezzo = ingresso.ConsumeRemainingBytesAsString();
        std::string concorsi;
        for (int i = 0; i < ripetizioni && concorsi.size() < 64 * 1024; ++i)
            concorsi += pezzo;
        const std::string vecchi = concorsi;
        const auto esito = maintenance::rinumeraConcorsi(concorsi, maxConcorsi);
        VERIFICA(concorsi.size() == vecchi.size());
        if (vecchi.size() % core::BYTE_RECORD_CONCORSO != 0) VERIFICA(!esito && concorsi == vecchi);
        if (vecchi.size() % core::BYTE_RECORD_CONCORSO == 0)
            for (std::size_t r = 0; r < concorsi.size(); r += core::BYTE_RECORD_CONCORSO) {
                const std::string_view prima(vecchi.data() + r, core::BYTE_RECORD_CONCORSO);
                const std::string_view dopo(concorsi.data() + r, core::BYTE_RECORD_CONCORSO);
                if (prima == dopo) continue;
                VERIFICA(dopo[3] == '/' && dopo.substr(4) == prima.substr(4));
                const int c = core::valoreNumerico(dopo.substr(0, 3));
                VERIFICA(c >= 1 && c <= maxConcorsi);
            }
        if (esito) {
            std::string ancora = concorsi;
            VERIFICA(maintenance::rinumeraConcorsi(ancora, maxConcorsi));
            VERIFICA(ancora == concorsi);
        }
    }
    return 0;
}
