#pragma once

#include "Esito.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace core {

/** The name of the lock file in a program folder. */
inline constexpr const char* NOME_BLOCCO = "Quintaro.blocco";

/**
 * How a process waits for a program folder that another process holds: for at most `limite`, calling
 * `inAttesa` about every 50 ms while it waits (with the holder's description, empty when unknown); a
 * `inAttesa` that returns false gives up at once (the user's "Annulla"). `fine` runs once when a wait in
 * which `inAttesa` was called ends, however it ends.
 */
struct AttesaBlocco {
    std::chrono::milliseconds limite{10000};
    std::function<bool(const std::string& detentore)> inAttesa;
    std::function<void()> fine;
};

/**
 * Sets how this process waits for a lock (the program shows a window, the command line just waits);
 * returns the setting it replaces. Without a call the limit is 10 s, or the milliseconds of the
 * environment variable QUINTARO_ATTESA_BLOCCO when it holds a number.
 */
AttesaBlocco impostaAttesaBlocco(AttesaBlocco attesa);

/**
 * The lock of a program folder, held by every process that writes its archive or its settings for the
 * whole of a read, change and write, and briefly by every reader of the archive. It is an advisory lock
 * (flock) on the file Quintaro.blocco of the folder: the system releases it when its process ends in any
 * way, so a process killed while holding it never blocks the next one. The file keeps the holder's name
 * and process number, for the message of whoever has to wait. Within one process the lock is re-entrant:
 * an operation that holds it may call others that take it again. Held for the life of the object.
 */
class Blocco {
public:
    /**
     * Takes the lock of the program folder `cartella`, waiting as impostaAttesaBlocco says. Fails
     * (ArchivioInUso) when another process still holds it at the end of the wait ("L'archivio è in uso da
     * un altro programma (quintaro-cli, processo 4242). Riprovare più tardi."), (Annullato) when the wait
     * was given up, and (FileNonScrivibile) when the lock file cannot be created: a folder that cannot be
     * written holds no archive anybody is writing.
     */
    static Esito<Blocco> prendi(const std::filesystem::path& cartella);
    /** Takes the lock for a reader: as prendi, but a lock file that cannot be created is no failure. */
    static Esito<Blocco> prendiPerLeggere(const std::filesystem::path& cartella);

    Blocco(Blocco&& altro) noexcept;
    Blocco& operator=(Blocco&&) = delete;
    Blocco(const Blocco&) = delete;
    Blocco& operator=(const Blocco&) = delete;
    ~Blocco();

private:
    explicit Blocco(std::string chiave) : m_chiave(std::move(chiave)) {}
    std::string m_chiave; ///< the lock file's path; empty for a reader's lock that could not be created
};

/** The program folder of a RUOTE folder (its parent), where its lock lives. */
std::filesystem::path cartellaDelBlocco(const std::filesystem::path& cartellaRuote);

/** The name of this process as another process's message gives it ("quintaro-cli"). */
std::string nomeDelProcesso();

} // namespace core
