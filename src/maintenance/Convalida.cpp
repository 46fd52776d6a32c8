#include "Convalida.h"

#include "core/Testo.h"

#include <algorithm>
#include <string>

namespace maintenance {

std::string Stringhetta(std::string_view testo, char tasto, int minimo, int massimo) {
    if (tasto < '0' || tasto > '9' || testo == "0") return std::string(testo);
    const int valore = core::valoreNumerico(std::string(testo) + tasto);
    if (valore < minimo || valore > massimo) return std::string(testo);
    return std::to_string(valore);
}

std::string Controllo_Sintassi_Data(std::string_view giorno, std::string_view mese, std::string_view anno) {
    const int d = core::valoreNumerico(giorno), m = core::valoreNumerico(mese),
              y = core::valoreNumerico(anno);
    if (d < 1 || d > 31 || m < 1 || m > 12 || y < core::PRIMO_ANNO_AMMESSO || y > core::ULTIMO_ANNO_AMMESSO)
        return {};
    // The record holds the values as numbers: the texts' stray characters never reach the archive.
    return core::Data{y, m, d}.record();
}

std::string Controllo_Sintassi_Concorso(std::string_view concorso, std::string_view anno, int maxConcorsi) {
    const int c = core::valoreNumerico(concorso), y = core::valoreNumerico(anno);
    if (c < 1 || c > maxConcorsi || c > 999 || y < core::PRIMO_ANNO_AMMESSO || y > core::ULTIMO_ANNO_AMMESSO)
        return {};
    return core::recordConcorso(c, y);
}

std::optional<core::Data> leggiData(std::string_view record) {
    const core::Data data = core::Data::daRecord(record);
    if (!data.valida()) return std::nullopt;
    return data;
}

namespace {

const std::string PREFISSO = "Impossibile registrare l' estrazione, Errore nell' inserimento ";
const std::string ERRORE_DATA = PREFISSO + "DATA.";
const std::string ERRORE_ESTRATTI = PREFISSO + "degli ESTRATTI.";
const char* const MESI[] = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                            "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
const char* const POSTI[] = {"primo", "secondo", "terzo", "quarto", "quinto"};

std::optional<Rifiuto> controllaData(const CampiEstrazione& campi, const LimitiEstrazione& limiti,
                                     std::string& record) {
    record = Controllo_Sintassi_Data(campi.giorno, campi.mese, campi.anno);
    const core::Data data{core::valoreNumerico(campi.anno), core::valoreNumerico(campi.mese),
                          core::valoreNumerico(campi.giorno)};
    if (record.empty()) {
        const int casella = data.giorno < 1 || data.giorno > 31 ? CASELLA_GIORNO
                            : data.mese < 1 || data.mese > 12   ? CASELLA_MESE
                                                                : CASELLA_ANNO;
        return Rifiuto{ERRORE_DATA, casella};
    }
    const auto rifiuto = [](const std::string& perche) {
        return Rifiuto{ERRORE_DATA + ' ' + perche, CASELLA_GIORNO};
    };
    if (!leggiData(record))
        return rifiuto("Il " + data.testo() + " non esiste: " + MESI[data.mese - 1] + ' ' +
                       std::to_string(data.anno) + " ha " +
                       std::to_string(core::giorniDelMese(data.anno, data.mese)) + " giorni.");
    if (data > limiti.oggi)
        return rifiuto("Il " + data.testo() + " \xe8 una data futura: oggi \xe8 il " + limiti.oggi.testo() +
                       '.');
    if (const auto prima = leggiData(limiti.dataPrecedente); limiti.precedente > 0 && prima && data <= *prima)
        return rifiuto("La data deve essere successiva al " + prima->testo() + ", data dell' estrazione " +
                       std::to_string(limiti.precedente) + '.');
    if (const auto dopo = leggiData(limiti.dataSuccessiva); limiti.successiva > 0 && dopo && data >= *dopo)
        return rifiuto("La data deve essere precedente al " + dopo->testo() + ", data dell' estrazione " +
                       std::to_string(limiti.successiva) + '.');
    return std::nullopt;
}

/** The numbers of wheel w (boxes 5w-4..5w) into `numeri`, or why they are refused. */
std::optional<Rifiuto> controllaRuota(const CampiEstrazione& campi, int w, const std::string& nome,
                                      std::array<int, CASELLE_NUMERI + 1>& numeri) {
    const auto rifiuto = [&](std::size_t i, const std::string& perche) {
        return Rifiuto{ERRORE_ESTRATTI + " Sulla ruota di " + nome + ' ' + perche, 5 * w - 4 + int(i)};
    };
    std::array<int, 5> valori{};
    for (std::size_t i = 0; i < 5; ++i) {
        const std::string_view casella = core::senzaSpazi(campi.estratti[std::size_t(5 * w - 4) + i]);
        if (casella.find_first_not_of("0123456789") != std::string_view::npos)
            return rifiuto(i, std::string("il ") + POSTI[i] + " numero, \"" + std::string(casella) +
                                  "\", non \xe8 un numero.");
        valori[i] = core::valoreNumerico(casella);
        if (valori[i] > 90)
            return rifiuto(i, std::string("il ") + POSTI[i] + " numero, " + std::string(casella) +
                                  ", supera 90.");
    }
    const auto nullo = std::find(valori.begin(), valori.end(), 0);
    if (nullo != valori.end() && std::count(valori.begin(), valori.end(), 0) < 5) {
        const auto i = std::size_t(nullo - valori.begin());
        return rifiuto(i, std::string("il ") + POSTI[i] +
                              " numero manca o \xe8 0 e gli altri no: una ruota senza estrazione ha tutte e "
                              "cinque le caselle vuote o a 0.");
    }
    for (std::size_t i = 1; i < 5; ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (valori[i] != 0 && valori[i] == valori[j])
                return rifiuto(i, "il numero " + std::to_string(valori[i]) + " \xe8 ripetuto (" + POSTI[j] +
                                      " e " + POSTI[i] + " numero).");
    for (std::size_t i = 0; i < 5; ++i)
        numeri[std::size_t(5 * w - 4) + i] = valori[i];
    return std::nullopt;
}

} // namespace

std::variant<NuovaEstrazione, Rifiuto> Controllo_Estrazione(const CampiEstrazione& campi, int numero,
                                                            const LimitiEstrazione& limiti,
                                                            const std::array<std::string, 15>& nomiRuote) {
    NuovaEstrazione estrazione;
    if (auto rifiuto = controllaData(campi, limiti, estrazione.data)) return *rifiuto;
    estrazione.concorso = Controllo_Sintassi_Concorso(campi.concorso, campi.annoConcorso, limiti.maxConcorsi);
    if (estrazione.concorso.empty()) return Rifiuto{PREFISSO + "CONCORSO.", CASELLA_CONCORSO};
    if (numero < 1 || numero > limiti.maxEstrazioni) return Rifiuto{PREFISSO + "NUMERO ESTRAZIONE.", 0};
    for (int w = 1; w <= core::RUOTE_ARCHIVIO; ++w)
        if (auto rifiuto = controllaRuota(campi, w, nomiRuote[std::size_t(w)], estrazione.numeri))
            return *rifiuto;
    estrazione.numeri[0] = CASELLE_NUMERI;
    return estrazione;
}

} // namespace maintenance
