#include "Ricordo.h"

#include "core/Campi.h"
#include "core/Formato.h"

#include <string>

namespace selection {

namespace {

/** The date of loaded draw d as yyyymmdd; 0 when it is not a loaded draw or holds no valid date. */
int dataDi(const core::Stato& stato, int d) {
    if (d < 1 || d > stato.Estrazioni_Caricate || static_cast<std::size_t>(d) >= stato.Data_Estrazione.size())
        return 0;
    const core::Data data = core::Data::daRecord(stato.Data_Estrazione[static_cast<std::size_t>(d)]);
    return data.valida() ? static_cast<int>(data.chiave()) : 0;
}

/** The first loaded draw dated `data` (yyyymmdd); 0 when none. */
int estrazioneDel(const core::Stato& stato, int data) {
    for (int d = 1; d <= stato.Estrazioni_Caricate; ++d)
        if (data != 0 && dataDi(stato, d) == data) return d;
    return 0;
}

} // namespace

core::Esito<void> ricordaPeriodo(const core::Stato& stato, const Barre& barre) {
    const int dal = dataDi(stato, barre.prima), al = dataDi(stato, barre.ultima);
    if (dal == 0 || al == 0) return {};
    namespace c = core::campi;
    for (const auto& [campo, valore] :
         {std::pair{c::PERIODO_DAL, dal}, std::pair{c::PERIODO_AL, al},
          std::pair{c::PERIODO_CICLI, barre.cicli},
          std::pair{c::PERIODO_FINO_ALL_ULTIMA, int(barre.ultima == stato.Estrazioni_Caricate)}})
        if (auto scritto = core::scriviCampo(stato, campo, valore); !scritto) return scritto;
    return {};
}

std::optional<Barre> barreRicordate(const core::Stato& stato) {
    namespace c = core::campi;
    Barre barre;
    barre.prima = estrazioneDel(stato, core::valoreCampo(stato, c::PERIODO_DAL));
    barre.ultima = core::valoreCampo(stato, c::PERIODO_FINO_ALL_ULTIMA) == 1
                       ? stato.Estrazioni_Caricate
                       : estrazioneDel(stato, core::valoreCampo(stato, c::PERIODO_AL));
    barre.cicli = core::valoreCampo(stato, c::PERIODO_CICLI);
    if (barre.prima == 0 || barre.ultima < barre.prima) return std::nullopt;
    // Cycles are whole years from the first draw's year: the archive must still reach the last one.
    if (barre.cicli > stato.Ultimo_Anno - dataDi(stato, barre.prima) / 10000 + 1) return std::nullopt;
    return barre;
}

core::Esito<void> ricordaRuote(const core::Stato& stato) {
    std::string testo;
    for (int w = 1; w <= core::RUOTE_TRADIZIONALI; ++w)
        testo += stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1 ? '1' : '0';
    if (auto scritto = core::scriviTesto(stato, core::campi::RUOTE_SELEZIONATE, testo); !scritto)
        return scritto;
    // The Nazionale in a field of its own: a settings file written before it reads as not ticked.
    return core::scriviCampo(stato, core::campi::NAZIONALE_SELEZIONATA,
                             stato.Ruota_Selezionata[core::RUOTA_NAZIONALE] == -1 ? 1 : 0);
}

} // namespace selection
