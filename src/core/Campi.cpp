#include "Campi.h"

#include "Impostazioni.h"
#include "Testo.h"

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
    const std::string slot = Leggi_Impostazione(stato, campo.numero);
    const std::string_view testo = senzaSpazi(slot);
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

} // namespace core
