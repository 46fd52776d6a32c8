// Importing a draws file of arbitrary bytes (plain text, gzip or zip): reading and checking it, its
// report, and for a file found valid the import into an empty archive, which must then load with as
// many draws as the file gave; adding the same file again must find every draw in agreement and
// write nothing.
#include "Sostegno.h"
#include "core/Archivio.h"
#include "importa/Importazione.h"
#include "importa/Storico.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti) {
    const std::string_view byte(reinterpret_cast<const char*>(dati), quanti);
    const importa::Lettura lettura = importa::leggiStorico(byte);
    const std::string testo = importa::resoconto(lettura);
    VERIFICA(!testo.empty());
    VERIFICA(lettura.righeRifiutate >= lettura.rifiutate.size());
    if (!lettura.valida()) return 0;

    static const fuzz::CartellaFuzz cartella;
    cartella.svuota();
    core::Stato stato(cartella.percorso());
    core::Imposta_Tabelle_Globali(stato);
    const std::tm quando{};
    const auto esito = importa::importaEstrazioni(stato, lettura, importa::Modo::Sostituisci, quando);
    if (lettura.estrazioni.size() > static_cast<std::size_t>(stato.Max_Estrazioni_Archivio)) {
        VERIFICA(!esito);
        return 0;
    }
    VERIFICA(esito);
    const auto archivio = core::Archivio::leggi(stato.cartellaRuote());
    VERIFICA(archivio && archivio->verifica(stato.Max_Estrazioni_Archivio).coerente() &&
             archivio->estrazioni() == static_cast<int>(lettura.estrazioni.size()));

    const auto ancora = importa::importaEstrazioni(stato, lettura, importa::Modo::Aggiungi, quando);
    VERIFICA(ancora && ancora->scritte == 0);
    return 0;
}
