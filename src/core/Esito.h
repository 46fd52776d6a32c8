#pragma once

#include <cassert>
#include <optional>
#include <string>
#include <utility>

namespace core {

/** The kind of a failure: callers branch on it, the user reads the message. */
enum class Codice {
    FileIllegibile,     ///< a file exists and cannot be read
    FileNonScrivibile,  ///< a file cannot be written (nothing was changed)
    ArchivioIncoerente, ///< the archive files disagree on the number of draws, or a length is wrong
    ArchivioPieno,      ///< more draws than the archive may hold
    DatoNonValido,      ///< an input breaks a rule (a date, a number, an option)
    Discordanza,        ///< two sources of draws disagree
    Rete,               ///< a download failed
    Annullato,          ///< the user stopped the operation
    ArchivioInUso,      ///< another process holds the archive's lock (nothing was changed)
    ArchivioCambiato,   ///< the archive on disk is no longer the one an operation was prepared on
};

/** A failure: its kind and the Italian message that the window shows or the command line prints. */
struct Errore {
    Codice codice = Codice::DatoNonValido;
    std::string messaggio;
};

/**
 * The result of an operation of the logic libraries: a value, or the failure that prevented it. It must
 * be looked at: discarding it is a compile error, so no failed write passes unnoticed.
 */
template <class T = void> class [[nodiscard]] Esito {
public:
    Esito(T valore) : m_valore(std::move(valore)) {}
    Esito(Errore errore) : m_errore(std::move(errore)) {}
    Esito(Codice codice, std::string messaggio) : m_errore(Errore{codice, std::move(messaggio)}) {}

    bool riuscito() const { return m_valore.has_value(); }
    explicit operator bool() const { return riuscito(); }
    /** The value; only after checking riuscito(). */
    T& operator*() {
        assert(m_valore);
        return *m_valore;
    }
    const T& operator*() const {
        assert(m_valore);
        return *m_valore;
    }
    T* operator->() { return &**this; }
    const T* operator->() const { return &**this; }
    /** The failure; only when !riuscito(). */
    const Errore& errore() const { return m_errore; }
    const std::string& messaggio() const { return m_errore.messaggio; }
    Codice codice() const { return m_errore.codice; }

private:
    std::optional<T> m_valore;
    Errore m_errore;
};

/** The result of an operation that yields nothing but may fail. */
template <> class [[nodiscard]] Esito<void> {
public:
    Esito() = default;
    Esito(Errore errore) : m_errore(std::move(errore)), m_riuscito(false) {}
    Esito(Codice codice, std::string messaggio)
        : m_errore(Errore{codice, std::move(messaggio)}), m_riuscito(false) {}

    bool riuscito() const { return m_riuscito; }
    explicit operator bool() const { return riuscito(); }
    const Errore& errore() const { return m_errore; }
    const std::string& messaggio() const { return m_errore.messaggio; }
    Codice codice() const { return m_errore.codice; }

private:
    Errore m_errore;
    bool m_riuscito = true;
};

/** Success without a value. */
inline Esito<void> riuscito() {
    return {};
}

} // namespace core
