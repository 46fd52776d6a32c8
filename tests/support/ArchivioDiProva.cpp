#include "ArchivioDiProva.h"

#include "core/Lotto.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace prova {

std::string testoData(int giorno, int mese, int anno) {
    char testo[16];
    std::snprintf(testo, sizeof testo, "%2d/%2d/%04d", giorno, mese, anno);
    return testo;
}

std::string testoConcorso(int concorso, int anno) {
    char testo[16];
    std::snprintf(testo, sizeof testo, "%3d/%04d", concorso, anno);
    return testo;
}

Estrazione estrazione(int giorno, int mese, int anno, int concorso, int variante, std::vector<int> nulle) {
    Estrazione e{giorno, mese, anno, concorso, {}};
    for (int w = 1; w <= 10; ++w) {
        bool nulla = false;
        for (int n : nulle)
            nulla = nulla || n == w;
        if (nulla) continue;
        for (int i = 0; i < 5; ++i)
            e.ruote[static_cast<std::size_t>(w - 1)][static_cast<std::size_t>(i)] =
                (variante * 7 + w * 11 + i * 17) % 90 + 1;
    }
    return e;
}

std::string testoStorico(const std::vector<Estrazione>& estrazioni) {
    static const char* const codici[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE"};
    std::string testo;
    char riga[64];
    for (const auto& e : estrazioni)
        for (std::size_t w = 0; w < 10; ++w) {
            const auto& n = e.ruote[w];
            if (n[0] == 0) continue;
            std::snprintf(riga, sizeof riga, "%04d/%02d/%02d\t%s\t%d\t%d\t%d\t%d\t%d\n", e.anno, e.mese,
                          e.giorno, codici[w], n[0], n[1], n[2], n[3], n[4]);
            testo += riga;
        }
    return testo;
}

CartellaDiProva::CartellaDiProva() {
    std::filesystem::create_directories(ruote());
}

std::filesystem::path CartellaDiProva::percorso() const {
    return m_dir.path().toStdString();
}

void CartellaDiProva::scriviFile(const std::filesystem::path& relativo, const std::string& byte) const {
    const auto completo = percorso() / relativo;
    std::filesystem::create_directories(completo.parent_path());
    std::ofstream(completo, std::ios::binary | std::ios::trunc) << byte;
}

std::string CartellaDiProva::leggiFile(const std::filesystem::path& relativo) const {
    std::ifstream file(percorso() / relativo, std::ios::binary);
    std::ostringstream contenuto;
    contenuto << file.rdbuf();
    return contenuto.str();
}

void CartellaDiProva::scriviArchivio(const std::vector<Estrazione>& estrazioni) const {
    core::Stato nomi;
    core::Imposta_Tabelle_Globali(nomi);
    std::array<std::string, 14> file;
    for (const auto& e : estrazioni) {
        for (int w = 1; w <= 10; ++w) {
            int numeri[6] = {5};
            for (int i = 0; i < 5; ++i)
                numeri[i + 1] = e.ruote[static_cast<std::size_t>(w - 1)][static_cast<std::size_t>(i)];
            file[static_cast<std::size_t>(w)] += core::Comprimi_Estrazione(numeri, 5);
        }
        file[12] += testoData(e.giorno, e.mese, e.anno);
        file[13] += testoConcorso(e.concorso, e.anno);
    }
    for (int f : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13})
        scriviFile(std::filesystem::path("RUOTE") / nomi.Nome_Ruota[static_cast<std::size_t>(f)],
                   file[static_cast<std::size_t>(f)]);
}

core::Stato CartellaDiProva::stato() const {
    core::Stato s(percorso());
    core::Imposta_Tabelle_Globali(s);
    return s;
}

std::filesystem::path cartellaDatiReali() {
    const char* cartella = std::getenv("QUINTARO_SHARED_DATA");
    if (!cartella || !std::filesystem::is_directory(cartella)) return {};
    return cartella;
}

std::vector<std::string> fotografia(const CartellaDiProva& cartella) {
    std::vector<std::string> file;
    for (const char* nome : FILE_ARCHIVIO)
        file.push_back(cartella.leggiFile(std::filesystem::path("RUOTE") / nome));
    return file;
}

std::vector<std::string> attesi(const std::vector<Estrazione>& estrazioni) {
    CartellaDiProva altrove;
    altrove.scriviArchivio(estrazioni);
    return fotografia(altrove);
}

} // namespace prova
