#include "Campi.h"

#include "Impostazioni.h"
#include "Testo.h"

#include <algorithm>

namespace core {

namespace {

Esito<void> scritto(bool fatto, int numero) {
    if (fatto) return riuscito();
    return {Codice::FileNonScrivibile,
            "Impossibile registrare l' impostazione " + std::to_string(numero) + " nel file ImpoBin."};
}

} // namespace

LetturaCampo leggiCampo(const Stato& stato, const Campo& campo) {
    const LetturaCampo predefinito{campo.predefinito, StatoCampo::Vuoto};
    if (!File_Esistente(stato.fileImpostazioni())) return predefinito;
    const std::string letto = Leggi_Impostazione(stato, campo.numero);
    const std::string_view testo = senzaSpazi(letto);
    if (testo.empty()) return predefinito;
    const int valore = valoreNumerico(testo);
    if (valore < campo.minimo || valore > campo.massimo) return {campo.predefinito, StatoCampo::NonValido};
    return {valore, StatoCampo::Valido};
}

Esito<void> scriviCampo(const Stato& stato, const Campo& campo, int valore) {
    return scritto(Scrivi_Impostazione(stato, campo.numero, std::to_string(valore)), campo.numero);
}

std::string leggiTesto(const Stato& stato, const CampoTesto& campo) {
    if (!File_Esistente(stato.fileImpostazioni())) return {};
    return std::string(senzaSpazi(Leggi_Impostazione(stato, campo.numero)));
}

Esito<void> scriviTesto(const Stato& stato, const CampoTesto& campo, std::string_view testo) {
    return scritto(Scrivi_Impostazione(stato, campo.numero, testo), campo.numero);
}

std::string leggiTestoLungo(const Stato& stato, const CampoTestoLungo& campo) {
    std::string testo;
    for (int k = campo.primo; k < campo.primo + campo.campi; ++k) {
        const std::string pezzo = leggiTesto(stato, CampoTesto{k});
        if (pezzo.empty()) break;
        testo += pezzo;
    }
    return testo;
}

Esito<void> scriviTestoLungo(const Stato& stato, const CampoTestoLungo& campo, std::string_view testo) {
    if (testo.size() > campo.massimo())
        return {Codice::DatoNonValido,
                "Il testo supera i " + std::to_string(campo.massimo()) + " caratteri."};
    if (std::any_of(testo.begin(), testo.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
        return {Codice::DatoNonValido, "Il testo non può contenere spazi."};
    for (int i = 0; i < campo.campi; ++i) {
        const std::size_t da = static_cast<std::size_t>(i) * BYTE_TESTO_CAMPO;
        const bool resta = da < testo.size(); // mutazioni: equivalente (< -> <=) — substr at the end is empty
        const std::string_view pezzo = resta ? testo.substr(da, BYTE_TESTO_CAMPO) : std::string_view();
        if (auto scritto = scriviTesto(stato, CampoTesto{campo.primo + i}, pezzo); !scritto) return scritto;
    }
    return riuscito();
}

Esito<std::vector<int>> leggiTabella(const Stato& stato, std::span<const Campo> campi) {
    std::vector<int> valori;
    for (const Campo& campo : campi) {
        const LetturaCampo letto = leggiCampo(stato, campo);
        if (letto.stato == StatoCampo::NonValido)
            return Errore{Codice::DatoNonValido, "L' impostazione " + std::to_string(campo.numero) +
                                                     " del file ImpoBin contiene un valore non valido."};
        valori.push_back(letto.valore);
    }
    return valori;
}

std::vector<int> predefiniti(std::span<const Campo> campi) {
    std::vector<int> valori;
    for (const Campo& campo : campi)
        valori.push_back(campo.predefinito);
    return valori;
}

Esito<void> completaTabella(const Stato& stato, std::span<const Campo> campi) {
    std::vector<StatoCampo> stati;
    for (const Campo& campo : campi)
        stati.push_back(leggiCampo(stato, campo).stato);
    const bool danneggiata = std::find(stati.begin(), stati.end(), StatoCampo::NonValido) != stati.end();
    for (std::size_t i = 0; i < campi.size(); ++i) {
        if (!danneggiata && stati[i] != StatoCampo::Vuoto) continue;
        if (auto scritto = scriviCampo(stato, campi[i], campi[i].predefinito); !scritto) return scritto;
    }
    return riuscito();
}

} // namespace core
