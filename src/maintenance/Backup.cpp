#include "Backup.h"

#include "Aggiornamento.h"
#include "core/Archivio.h"
#include "core/FileSicuro.h"
#include "core/Impostazioni.h"

#include <algorithm>
#include <cstdio>

namespace maintenance {

namespace {

constexpr int FILE_ARCHIVIO[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, core::FILE_DATA, core::FILE_CONCORSO};
constexpr int CAMPO_ATTIVO = 50;
constexpr int CAMPO_SOGLIA = 51;
constexpr int CAMPO_CONTEGGIO = 53;

const std::string& nomeFile(const core::Stato& stato, int f) {
    return stato.Nome_Ruota[static_cast<std::size_t>(f)];
}

std::string prefisso(const core::Stato& stato) {
    return stato.Cartella_Ruote + "_backup_";
}

bool completa(const core::Stato& stato, const std::filesystem::path& cartella) {
    std::error_code errore;
    for (int f : FILE_ARCHIVIO)
        if (!std::filesystem::is_regular_file(cartella / nomeFile(stato, f), errore)) return false;
    return true;
}

int entro(int valore, int minimo, int massimo, int altrimenti) {
    return valore < minimo || valore > massimo ? altrimenti : valore;
}

} // namespace

std::optional<std::filesystem::path> Backup_Archivio(const core::Stato& stato, const std::tm& quando,
                                                     std::string& errore) {
    char nome[32];
    std::snprintf(nome, sizeof nome, "%04d%02d%02d_%02d%02d%02d", quando.tm_year + 1900, quando.tm_mon + 1,
                  quando.tm_mday, quando.tm_hour, quando.tm_min, quando.tm_sec);
    const auto base = stato.Cartella_Programma / (prefisso(stato) + nome);
    auto cartella = base;
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(cartella, ec); ++n)
        cartella = base.string() + "_" + std::to_string(n);
    if (!std::filesystem::create_directory(cartella, ec)) {
        errore = "impossibile creare la cartella " + cartella.string();
        return std::nullopt;
    }
    for (int f : FILE_ARCHIVIO) {
        const auto contenuto = core::leggiFileIntero(stato.cartellaRuote() / nomeFile(stato, f));
        if (!contenuto || !core::scriviFileSicuro(cartella / nomeFile(stato, f), *contenuto)) {
            errore = (contenuto ? "impossibile scrivere il file " : "impossibile leggere il file ") +
                     nomeFile(stato, f);
            std::filesystem::remove_all(cartella, ec);
            return std::nullopt;
        }
    }
    errore.clear();
    if (!core::Scrivi_Impostazione(stato, CAMPO_CONTEGGIO, "0"))
        errore = "impossibile azzerare nel file ImpoBin il conteggio delle estrazioni inserite dall' "
                 "ultimo backup";
    return cartella;
}

std::vector<std::filesystem::path> cartelleBackup(const core::Stato& stato) {
    std::vector<std::filesystem::path> cartelle;
    std::error_code ec;
    for (const auto& voce : std::filesystem::directory_iterator(stato.Cartella_Programma, ec)) {
        const auto nome = voce.path().filename().string();
        if (voce.is_directory(ec) && nome.starts_with(prefisso(stato)) && completa(stato, voce.path()))
            cartelle.push_back(voce.path());
    }
    // The names hold the date and time, so their order is the order in time; "_2" sorts after the first.
    std::sort(cartelle.begin(), cartelle.end(),
              [](const auto& a, const auto& b) { return a.filename() > b.filename(); });
    return cartelle;
}

bool ripristinaBackup(const core::Stato& stato, const std::filesystem::path& cartella, std::string& errore) {
    std::vector<core::FileNuovo> file;
    std::size_t estrazioni = 0;
    for (int f : FILE_ARCHIVIO) {
        auto contenuto = core::leggiFileIntero(cartella / nomeFile(stato, f));
        if (!contenuto) {
            errore = "manca il file " + nomeFile(stato, f) + " nella cartella " + cartella.string();
            return false;
        }
        const std::size_t lunghezza = f == core::FILE_DATA       ? core::BYTE_RECORD_DATA
                                      : f == core::FILE_CONCORSO ? core::BYTE_RECORD_CONCORSO
                                                                 : core::BYTE_RECORD_RUOTA;
        if (f == 1) estrazioni = contenuto->size() / lunghezza;
        if (contenuto->size() % lunghezza != 0 || contenuto->size() / lunghezza != estrazioni) {
            errore = "il file " + nomeFile(stato, f) +
                     " della copia non ha lo stesso numero di estrazioni di BARI";
            return false;
        }
        file.push_back({stato.cartellaRuote() / nomeFile(stato, f), std::move(*contenuto)});
    }
    std::error_code ec;
    std::filesystem::create_directories(stato.cartellaRuote(), ec);
    if (!core::sostituisciInsieme(file, core::registroArchivio(stato.cartellaRuote()))) {
        errore = "impossibile sostituire i file dell' archivio";
        return false;
    }
    return true;
}

AvvisoBackup Leggi_Backup_Messaggio(const core::Stato& stato) {
    AvvisoBackup avviso;
    avviso.Avviso_Backup_Attivo = entro(core::Leggi_Numero_Impostazione(stato, CAMPO_ATTIVO), 0, 1, 0);
    avviso.Soglia_Avviso_Backup = entro(core::Leggi_Numero_Impostazione(stato, CAMPO_SOGLIA), 1, 100, 1);
    avviso.Estrazioni_Dopo_Backup =
        entro(core::Leggi_Numero_Impostazione(stato, CAMPO_CONTEGGIO), 0, stato.Max_Estrazioni_Archivio, 0);
    return avviso;
}

ControlloBackup Controllo_Backup_Messaggio(const core::Stato& stato) {
    auto avviso = Leggi_Backup_Messaggio(stato);
    ++avviso.Estrazioni_Dopo_Backup;
    ControlloBackup esito;
    esito.conteggioScritto =
        core::Scrivi_Impostazione(stato, CAMPO_CONTEGGIO, std::to_string(avviso.Estrazioni_Dopo_Backup));
    if (avviso.Avviso_Backup_Attivo != 0 && avviso.Estrazioni_Dopo_Backup >= avviso.Soglia_Avviso_Backup)
        esito.avviso = "Sono state inserite " + std::to_string(avviso.Estrazioni_Dopo_Backup) +
                       " estrazioni dall' ultimo Backup" + ", l' avviso programmato e' stato impostato su " +
                       std::to_string(avviso.Soglia_Avviso_Backup) + " estrazioni." +
                       " Si consiglia percio' di eseguire il Backup Archivio.";
    return esito;
}

} // namespace maintenance
