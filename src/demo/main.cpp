// quintaro-demo --cartella DIR: writes a made-up archive into DIR/RUOTE/ so that the program can be
// tried without real draws. Never overwrites an existing archive.
#include "Demo.h"

#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view USO =
    "Uso: quintaro-demo --cartella CARTELLA\n"
    "Scrive un archivio dimostrativo in CARTELLA/RUOTE/ (estrazioni inventate).\n";

} // namespace

int main(int argc, char* argv[]) {
    std::filesystem::path cartella;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argomento = argv[i];
        if (argomento == "--aiuto" || argomento == "--help" || argomento == "-h") {
            std::cout << USO;
            return 0;
        }
        if (argomento == "--cartella" && i + 1 < argc) {
            cartella = argv[++i];
        } else if (argomento.starts_with("--cartella=")) {
            cartella = argomento.substr(std::string_view("--cartella=").size());
        } else {
            std::cerr << "Argomento non riconosciuto: " << argomento << "\n" << USO;
            return 2;
        }
    }
    if (cartella.empty()) {
        std::cerr << USO;
        return 2;
    }

    const demo::ArchivioDemo archivio = demo::generaArchivioDemo();
    const demo::Esito esito = demo::scriviArchivioDemo(cartella, archivio);
    switch (esito.esito) {
    case demo::EsitoScrittura::Scritto:
        std::cout << "Archivio dimostrativo scritto in " << esito.percorso.string() << ": "
                  << archivio.archivio.estrazioni() << " estrazioni dal " << demo::testoGiorno(archivio.prima)
                  << " al " << demo::testoGiorno(archivio.ultima) << ". Non sono estrazioni reali.\n";
        return 0;
    case demo::EsitoScrittura::ArchivioPresente:
        std::cerr << "Esiste già un archivio in " << esito.percorso.parent_path().string()
                  << ": l'archivio dimostrativo non è stato scritto, per non sovrascrivere le estrazioni "
                     "presenti.\n";
        return 1;
    case demo::EsitoScrittura::Errore:
        break;
    }
    std::cerr << "Impossibile scrivere " << esito.percorso.string()
              << ": l'archivio dimostrativo non è stato scritto per intero.\n";
    return 1;
}
