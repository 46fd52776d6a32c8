#include "ArchivioDiProva.h"

#include "core/Caricamento.h"

#include <QString>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace prova {

std::string testoData(int giorno, int mese, int anno) {
    return QString::asprintf("%2d/%2d/%04d", giorno, mese, anno).toStdString();
}

std::string testoConcorso(int concorso, int anno) {
    return QString::asprintf("%3d/%04d", concorso, anno).toStdString();
}

Estrazione estrazione(int giorno, int mese, int anno, int concorso, int variante, std::vector<int> nulle) {
    Estrazione e{giorno, mese, anno, concorso, {}};
    for (int w = 1; w <= 10; ++w)
        for (int i = 0; i < 5 && std::find(nulle.begin(), nulle.end(), w) == nulle.end(); ++i)
            e.ruote[std::size_t(w - 1)][std::size_t(i)] = (variante * 7 + w * 11 + i * 17) % 90 + 1;
    return e;
}

std::vector<Estrazione> perAnni(const std::vector<int>& perAnno, int primoAnno) {
    std::vector<Estrazione> estrazioni;
    for (std::size_t i = 0; i < perAnno.size(); ++i)
        for (int n = 1; n <= perAnno[i]; ++n)
            estrazioni.push_back(
                estrazione(1 + (n * 3) % 28, 1 + n % 12, primoAnno + int(i), n, int(estrazioni.size())));
    return estrazioni;
}

std::string testoStorico(const std::vector<Estrazione>& estrazioni) {
    static const char* const codici[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE", "RN"};
    QString testo;
    for (const auto& e : estrazioni)
        for (std::size_t w = 0; w < 11; ++w)
            if (const auto& n = e.ruote[w]; n[0] != 0)
                testo += QString::asprintf("%04d/%02d/%02d\t%s\t%d\t%d\t%d\t%d\t%d\n", e.anno, e.mese,
                                           e.giorno, codici[w], n[0], n[1], n[2], n[3], n[4]);
    return testo.toStdString();
}

std::vector<std::string> attesi(const std::vector<Estrazione>& estrazioni) {
    std::vector<std::string> file(13);
    for (const auto& e : estrazioni) {
        for (std::size_t w = 0; w < 11; ++w)
            for (int n : e.ruote[w])
                file[w].push_back(static_cast<char>(140 - n));
        file[11] += testoData(e.giorno, e.mese, e.anno);
        file[12] += testoConcorso(e.concorso, e.anno);
    }
    return file;
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

void CartellaDiProva::scriviArchivio(const std::vector<Estrazione>& estrazioni, bool nazionale) const {
    const auto file = attesi(estrazioni);
    for (std::size_t f = 0; f < file.size(); ++f)
        if (nazionale || std::string_view(FILE_ARCHIVIO[f]) != "NAZIONALE")
            scriviFile(std::filesystem::path("RUOTE") / FILE_ARCHIVIO[f], file[f]);
    if (!nazionale) std::filesystem::remove(ruote() / "NAZIONALE");
}

void CartellaDiProva::carica(core::Stato& stato, const std::vector<Estrazione>& estrazioni) const {
    scriviArchivio(estrazioni);
    if (!core::caricaArchivio(stato)) qFatal("archivio di prova non caricato");
}

core::Stato CartellaDiProva::stato() const {
    core::Stato s(percorso());
    core::Imposta_Tabelle_Globali(s);
    return s;
}

std::vector<std::string> fotografia(const CartellaDiProva& cartella) {
    std::vector<std::string> file;
    for (const char* nome : FILE_ARCHIVIO)
        file.push_back(cartella.leggiFile(std::filesystem::path("RUOTE") / nome));
    return file;
}

std::filesystem::path cartellaDatiReali() {
    const char* cartella = std::getenv("QUINTARO_SHARED_DATA");
    if (!cartella || !std::filesystem::is_directory(cartella)) return {};
    return cartella;
}

} // namespace prova
