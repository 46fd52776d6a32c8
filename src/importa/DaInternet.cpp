#include "DaInternet.h"

#include "Decompressione.h"
#include "core/Archivio.h"
#include "core/Campi.h"

#include <cctype>

namespace importa {

namespace {

/** The first Friday with a draw: from then on the operator draws four times a week. */
constexpr core::Data PRIMO_VENERDI{2023, 7, 7};

bool giornataDiEstrazione(const core::Data& data) {
    switch (data.giornoSettimana()) {
    case 2: // Tuesday
    case 4: // Thursday
    case 6: // Saturday
        return true;
    case 5:
        return data >= PRIMO_VENERDI;
    default:
        return false;
    }
}

core::Data giornoPrima(core::Data data) {
    if (--data.giorno >= 1) return data;
    if (--data.mese < 1) {
        data.mese = 12;
        --data.anno;
    }
    data.giorno = core::giorniDelMese(data.anno, data.mese);
    return data;
}

} // namespace

std::vector<std::string> indirizziAggiornamento(const core::Stato& stato,
                                                const std::vector<std::string>& predefiniti) {
    std::vector<std::string> indirizzi;
    if (std::string proprio = core::leggiTestoLungo(stato, core::campi::INDIRIZZO_AGGIORNAMENTO);
        !proprio.empty())
        indirizzi.push_back(std::move(proprio));
    for (const std::string& indirizzo : predefiniti)
        if (indirizzi.empty() || indirizzi.front() != indirizzo) indirizzi.push_back(indirizzo);
    return indirizzi;
}

std::string controllaFileScaricato(std::string_view byte) {
    const TestoEstratto estratto = estraiTesto(byte);
    if (estratto.formato != Formato::Zip) return "il file ricevuto non è un archivio zip";
    // The operator's zip holds storico.txt: another name (the only .txt of a zip, which a file chosen by
    // the user may be) is not the draws file, and the next address is tried.
    std::string nome = estratto.voce.substr(estratto.voce.find_last_of("/\\") + 1);
    for (char& c : nome)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (nome != "storico.txt") return "zip senza il file delle estrazioni";
    return estratto.errore;
}

core::Data ultimaGiornataDisponibile(const std::tm& adesso) {
    core::Data data{adesso.tm_year + 1900, adesso.tm_mon + 1, adesso.tm_mday};
    // The results of a draw day are out from 21:00.
    if (adesso.tm_hour < 21) data = giornoPrima(data);
    // A week back always finds a draw day: the cap stops only a calendar that had none.
    constexpr int SETTIMANA = 7;
    for (int g = 0; g < SETTIMANA && !giornataDiEstrazione(data); ++g) // mutazioni: equivalente (< -> <=)
        data = giornoPrima(data);
    return data;
}

core::Data ultimaDataArchivio(const core::Stato& stato) {
    const auto archivio = core::Archivio::leggi(stato.cartellaRuote());
    if (!archivio || archivio->estrazioni() < 1) return {};
    return core::Data::daRecord(archivio->Leggi_Data_Archivio(archivio->estrazioni()));
}

bool archivioInRitardo(const core::Stato& stato, const std::tm& adesso) {
    const core::Data ultima = ultimaDataArchivio(stato);
    return !ultima.valida() || ultima < ultimaGiornataDisponibile(adesso);
}

} // namespace importa
