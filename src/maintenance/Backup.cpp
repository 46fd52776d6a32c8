#include "Backup.h"

#include "Aggiornamento.h"
#include "core/Archivio.h"
#include "core/Campi.h"
#include "core/FileSicuro.h"
#include "core/Impostazioni.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

namespace maintenance {

namespace {

std::string nome(int f) {
    return std::string(core::nomeFile(f));
}

std::string prefisso(const core::Stato& stato) {
    return stato.Cartella_Ruote + "_backup_";
}

bool completa(const std::filesystem::path& cartella) {
    std::error_code errore;
    // A copy made before the Nazionale existed is whole without its file.
    for (int f : core::FILE_ARCHIVIO)
        if (!core::fileFacoltativo(f) &&
            !std::filesystem::is_regular_file(cartella / core::nomeFile(f), errore))
            return false;
    return true;
}

/** The archive of RUOTE read whole for a copy; the message names the first file missing or not read whole. */
core::Esito<core::Archivio> leggiPerCopia(const std::filesystem::path& ruote) {
    const auto illeggibile = [](int f) {
        return core::Esito<core::Archivio>(core::Codice::FileIllegibile,
                                           "impossibile leggere il file " + nome(f));
    };
    for (int f : core::FILE_ARCHIVIO)
        if (!core::fileFacoltativo(f) && !core::File_Esistente(ruote / core::nomeFile(f)))
            return illeggibile(f);
    auto archivio = core::Archivio::leggi(ruote);
    if (!archivio)
        return core::Esito<core::Archivio>(core::Codice::FileIllegibile,
                                           "impossibile leggere i file dell' archivio");
    // A file longer than the archive reader takes (only a damaged one is) would be copied cut short.
    for (int f : core::FILE_ARCHIVIO)
        if (archivio->lunghezza(f) > static_cast<long long>(archivio->byte(f).size())) return illeggibile(f);
    return archivio;
}

} // namespace

core::Esito<CopiaArchivio> Backup_Archivio(const core::Stato& stato, const std::tm& quando) {
    char data[32];
    std::snprintf(data, sizeof data, "%04d%02d%02d_%02d%02d%02d", quando.tm_year + 1900, quando.tm_mon + 1,
                  quando.tm_mday, quando.tm_hour, quando.tm_min, quando.tm_sec);
    const auto blocco = core::Blocco::prendi(stato.Cartella_Programma);
    if (!blocco) return blocco.errore();
    const auto base = stato.Cartella_Programma / (prefisso(stato) + data);
    auto cartella = base;
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(cartella, ec); ++n)
        cartella = base.string() + "_" + std::to_string(n);
    if (!std::filesystem::create_directory(cartella, ec))
        return {core::Codice::FileNonScrivibile, "impossibile creare la cartella " + cartella.string()};
    const auto archivio = leggiPerCopia(stato.cartellaRuote());
    if (!archivio) {
        std::filesystem::remove_all(cartella, ec);
        return archivio.errore();
    }
    for (int f : core::FILE_ARCHIVIO)
        if (!core::scriviFileSicuro(cartella / core::nomeFile(f), archivio->byte(f))) {
            std::filesystem::remove_all(cartella, ec);
            return {core::Codice::FileNonScrivibile, "impossibile scrivere il file " + nome(f)};
        }
    CopiaArchivio copia{cartella, core::riuscito()};
    if (!core::scriviCampo(stato, core::campi::ESTRAZIONI_DOPO_BACKUP, 0))
        copia.azzeramento = {core::Codice::FileNonScrivibile,
                             "impossibile azzerare nel file ImpoBin il conteggio delle estrazioni inserite "
                             "dall' ultimo backup"};
    return copia;
}

std::vector<std::filesystem::path> cartelleBackup(const core::Stato& stato) {
    std::vector<std::filesystem::path> cartelle;
    std::error_code ec;
    for (const auto& voce : std::filesystem::directory_iterator(stato.Cartella_Programma, ec)) {
        const auto nomeCartella = voce.path().filename().string();
        if (voce.is_directory(ec) && nomeCartella.starts_with(prefisso(stato)) && completa(voce.path()))
            cartelle.push_back(voce.path());
    }
    // The names hold the date and time, so their order is the order in time; "_2" sorts after the first.
    std::sort(cartelle.begin(), cartelle.end(),
              [](const auto& a, const auto& b) { return a.filename() > b.filename(); });
    return cartelle;
}

core::Esito<void> ripristinaBackup(const core::Stato& stato, const std::filesystem::path& cartella) {
    const auto blocco = core::Blocco::prendi(stato.Cartella_Programma);
    if (!blocco) return blocco.errore();
    const auto copia = core::Archivio::leggi(cartella);
    const int discordante = copia ? primoFileDiscordante(*copia) : 0;
    for (int f : core::FILE_ARCHIVIO) {
        if (!core::fileFacoltativo(f) && !core::File_Esistente(cartella / core::nomeFile(f)))
            return {core::Codice::FileIllegibile,
                    "manca il file " + nome(f) + " nella cartella " + cartella.string()};
        if (f == discordante)
            return {core::Codice::ArchivioIncoerente,
                    "il file " + nome(f) + " della copia non ha lo stesso numero di estrazioni di BARI"};
    }
    if (!copia) return {core::Codice::FileIllegibile, "impossibile leggere i file della copia"};
    if (const auto scritto = copia->scrivi(stato.cartellaRuote()); !scritto)
        return scritto.codice() == core::Codice::FileNonScrivibile
                   ? core::Esito<void>(core::Codice::FileNonScrivibile,
                                       "impossibile sostituire i file dell' archivio")
                   : scritto;
    return core::riuscito();
}

AvvisoBackup Leggi_Backup_Messaggio(const core::Stato& stato) {
    AvvisoBackup avviso;
    avviso.Avviso_Backup_Attivo = core::valoreCampo(stato, core::campi::AVVISO_BACKUP);
    avviso.Soglia_Avviso_Backup = core::valoreCampo(stato, core::campi::SOGLIA_AVVISO_BACKUP);
    avviso.Estrazioni_Dopo_Backup = core::valoreCampo(stato, core::campi::ESTRAZIONI_DOPO_BACKUP);
    return avviso;
}

ControlloBackup Controllo_Backup_Messaggio(const core::Stato& stato) {
    auto avviso = Leggi_Backup_Messaggio(stato);
    ++avviso.Estrazioni_Dopo_Backup;
    ControlloBackup esito{std::nullopt, core::scriviCampo(stato, core::campi::ESTRAZIONI_DOPO_BACKUP,
                                                          avviso.Estrazioni_Dopo_Backup)};
    if (avviso.Avviso_Backup_Attivo != 0 && avviso.Estrazioni_Dopo_Backup >= avviso.Soglia_Avviso_Backup)
        esito.avviso = "Sono state inserite " + std::to_string(avviso.Estrazioni_Dopo_Backup) +
                       " estrazioni dall' ultimo Backup" + ", l' avviso programmato e' stato impostato su " +
                       std::to_string(avviso.Soglia_Avviso_Backup) + " estrazioni." +
                       " Si consiglia percio' di eseguire il Backup Archivio.";
    return esito;
}

} // namespace maintenance
