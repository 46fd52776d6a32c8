#include "Blocco.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace core {

namespace {

/** The locks this process holds: the lock file's path, its descriptor and how many holders share it. */
struct Tenuto {
    int descrittore = -1;
    int conteggio = 0;
};

struct Registro {
    std::mutex mutex;
    std::map<std::string, Tenuto> tenuti;
    AttesaBlocco attesa = [] {
        AttesaBlocco predefinita;
        if (const char* valore = std::getenv("QUINTARO_ATTESA_BLOCCO")) {
            long long ms = 0;
            const char* fine = valore + std::strlen(valore);
            if (const auto [dove, errore] = std::from_chars(valore, fine, ms);
                errore == std::errc() && dove == fine && ms >= 0)
                predefinita.limite = std::chrono::milliseconds(ms);
        }
        return predefinita;
    }();
};

Registro& registro() {
    static Registro unico;
    return unico;
}

std::string chiaveDi(const std::filesystem::path& cartella) {
    std::error_code errore;
    auto percorso = std::filesystem::weakly_canonical(cartella, errore);
    if (errore) percorso = std::filesystem::absolute(cartella, errore).lexically_normal();
    return (percorso / NOME_BLOCCO).string();
}

/** "quintaro-cli, processo 4242" from the lock file's "quintaro-cli 4242"; empty when it says nothing. */
std::string detentore(int descrittore) {
    char byte[256];
    const ssize_t letti = ::pread(descrittore, byte, sizeof byte - 1, 0);
    if (letti <= 0) return {};
    std::string testo(byte, static_cast<std::size_t>(letti));
    if (const auto a = testo.find('\n'); a != std::string::npos) testo.resize(a);
    const auto spazio = testo.rfind(' ');
    if (spazio == std::string::npos || spazio == 0) return {};
    long processo = 0;
    const char* inizio = testo.data() + spazio + 1;
    const char* fine = testo.data() + testo.size();
    if (const auto [dove, errore] = std::from_chars(inizio, fine, processo);
        errore != std::errc() || dove != fine || processo <= 0)
        return {};
    std::string nome = testo.substr(0, spazio);
    for (char& c : nome)
        if (static_cast<unsigned char>(c) < ' ') c = '?';
    return nome + ", processo " + std::to_string(processo);
}

Esito<Blocco> rifiuto(const std::string& chi) {
    return {Codice::ArchivioInUso, "L'archivio è in uso da un altro programma" +
                                       (chi.empty() ? std::string() : " (" + chi + ")") +
                                       ". Riprovare più tardi."};
}

} // namespace

AttesaBlocco impostaAttesaBlocco(AttesaBlocco attesa) {
    std::lock_guard guardia(registro().mutex);
    return std::exchange(registro().attesa, std::move(attesa));
}

std::filesystem::path cartellaDelBlocco(const std::filesystem::path& cartellaRuote) {
    const auto ruote = cartellaRuote.has_filename() ? cartellaRuote : cartellaRuote.parent_path();
    const auto programma = ruote.parent_path();
    return programma.empty() ? std::filesystem::path(".") : programma;
}

std::string nomeDelProcesso() {
    return program_invocation_short_name;
}

Esito<Blocco> Blocco::prendiPerLeggere(const std::filesystem::path& cartella) {
    auto blocco = prendi(cartella);
    if (!blocco && blocco.codice() == Codice::FileNonScrivibile) return Blocco(std::string());
    return blocco;
}

Esito<Blocco> Blocco::prendi(const std::filesystem::path& cartella) {
    const std::string chiave = chiaveDi(cartella);
    AttesaBlocco attesa;
    {
        std::lock_guard guardia(registro().mutex);
        if (auto tenuto = registro().tenuti.find(chiave); tenuto != registro().tenuti.end()) {
            ++tenuto->second.conteggio;
            return Blocco(chiave);
        }
        attesa = registro().attesa;
    }
    const int descrittore = ::open(chiave.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descrittore < 0)
        return {Codice::FileNonScrivibile, "Impossibile creare il file " + chiave +
                                               " che protegge l'archivio da due scritture insieme."};
    const auto inizio = std::chrono::steady_clock::now();
    bool atteso = false;
    const auto concludi = [&] {
        if (atteso && attesa.fine) attesa.fine();
    };
    while (::flock(descrittore, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK) {
            ::close(descrittore);
            concludi();
            return {Codice::FileNonScrivibile,
                    "Impossibile bloccare il file " + chiave + ": " + std::strerror(errno) + "."};
        }
        const std::string chi = detentore(descrittore);
        if (std::chrono::steady_clock::now() - inizio >= attesa.limite) {
            ::close(descrittore);
            concludi();
            return rifiuto(chi);
        }
        if (attesa.inAttesa) {
            atteso = true;
            if (!attesa.inAttesa(chi)) {
                ::close(descrittore);
                concludi();
                return {Codice::Annullato,
                        "Operazione annullata: l'archivio era in uso da un altro programma" +
                            (chi.empty() ? std::string() : " (" + chi + ")") + "."};
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    concludi();
    // Who holds the lock, for the message of whoever waits; a failed write only leaves that unknown.
    const std::string io = nomeDelProcesso() + ' ' + std::to_string(::getpid()) + '\n';
    if (::ftruncate(descrittore, 0) == 0) {
        [[maybe_unused]] const ssize_t scritti = ::pwrite(descrittore, io.data(), io.size(), 0);
    }
    std::lock_guard guardia(registro().mutex);
    registro().tenuti[chiave] = {descrittore, 1};
    return Blocco(chiave);
}

Blocco::Blocco(Blocco&& altro) noexcept : m_chiave(std::exchange(altro.m_chiave, std::string())) {}

Blocco::~Blocco() {
    if (m_chiave.empty()) return;
    std::lock_guard guardia(registro().mutex);
    const auto tenuto = registro().tenuti.find(m_chiave);
    if (tenuto == registro().tenuti.end() || --tenuto->second.conteggio > 0) return;
    // Emptied before it is released: a waiting process never names a holder that has gone.
    [[maybe_unused]] const int svuotato = ::ftruncate(tenuto->second.descrittore, 0);
    ::close(tenuto->second.descrittore);
    registro().tenuti.erase(tenuto);
}

} // namespace core
