#include "Demo.h"

#include "core/Blocco.h"
#include "core/FileSicuro.h"
#include "core/Stato.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <system_error>

namespace demo {

namespace {

namespace ch = std::chrono;

/** splitmix64: small, fast and the same on every platform, unlike the standard distributions. */
class Generatore {
public:
    explicit Generatore(std::uint64_t seme) : m_stato(seme) {}

    std::uint64_t prossimo() {
        std::uint64_t z = (m_stato += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    /** Uniform in 0..n-1: values below 2^64 mod n are thrown away so that no result is favoured. */
    int sotto(int n) {
        const auto limite = static_cast<std::uint64_t>(n);
        const std::uint64_t scarto = (0 - limite) % limite;
        std::uint64_t r;
        do
            r = prossimo();
        while (r < scarto);
        return static_cast<int>(r % limite);
    }

private:
    std::uint64_t m_stato;
};

// "QUINTARO" in ASCII: any fixed value would do, as long as it never changes.
constexpr std::uint64_t SEME = 0x5155494E5441524FULL;

constexpr ch::sys_days giorno(int g, int m, int a) {
    return ch::year_month_day{ch::year{a}, ch::month{static_cast<unsigned>(m)},
                              ch::day{static_cast<unsigned>(g)}};
}

constexpr ch::sys_days giorno(const core::Data& g) {
    return giorno(g.giorno, g.mese, g.anno);
}

/** The draw days of the week in each period of the calendar. */
bool giornoDiEstrazione(ch::sys_days data) {
    const ch::weekday w{data};
    const bool sabato = w == ch::Saturday;
    if (data < giorno(1, 1, 1997)) return sabato;
    if (data <= giorno(3, 5, 2005)) return sabato || w == ch::Wednesday;
    if (data <= giorno(31, 12, 2022)) return sabato || w == ch::Tuesday || w == ch::Thursday;
    return sabato || w == ch::Tuesday || w == ch::Thursday || w == ch::Friday;
}

/** CAGLIARI and GENOVA joined the draws on 1939-07-08. */
bool ruotaNulla(int w, ch::sys_days data) {
    return (w == 2 || w == 4) && data <= giorno(1, 7, 1939);
}

core::Data comeGiorno(ch::sys_days data) {
    const ch::year_month_day ymd{data};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

} // namespace

std::string testoGiorno(const core::Data& g) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%02d/%02d/%04d", g.giorno, g.mese, g.anno);
    return testo;
}

ArchivioDemo generaArchivioDemo() {
    ArchivioDemo archivio;
    Generatore generatore(SEME);
    int anno = 0, concorso = 0;
    for (ch::sys_days data = giorno(PRIMA_ESTRAZIONE); data <= giorno(ULTIMO_GIORNO); data += ch::days{1}) {
        if (!giornoDiEstrazione(data)) continue;
        const core::Data g = comeGiorno(data);
        concorso = g.anno == anno ? concorso + 1 : 1;
        anno = g.anno;
        core::RecordEstrazione estrazione;
        for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
            if (ruotaNulla(w, data)) continue; // stays a null record
            // Drawing from an urn: each number leaves it, so the five are distinct and in drawing order.
            std::array<int, core::NUMERI_PER_RECORD> numeri{};
            int urna[core::NUMERO_MASSIMO];
            for (int n = 0; n < core::NUMERO_MASSIMO; ++n)
                urna[n] = n + 1;
            for (int i = 0; i < core::NUMERI_PER_RECORD; ++i) {
                const int restanti = core::NUMERO_MASSIMO - i;
                const int scelto = generatore.sotto(restanti);
                numeri[static_cast<std::size_t>(i)] = urna[scelto];
                urna[scelto] = urna[restanti - 1];
            }
            estrazione.ruote[static_cast<std::size_t>(w - 1)] = core::codificaRuota(numeri);
        }
        estrazione.data = g.record();
        estrazione.concorso = core::recordConcorso(concorso, g.anno);
        archivio.archivio.accoda(estrazione);
        if (archivio.archivio.estrazioni() == 1) archivio.prima = g;
        archivio.ultima = g;
    }
    return archivio;
}

Esito scriviArchivioDemo(const std::filesystem::path& cartella, const ArchivioDemo& archivio) {
    namespace fs = std::filesystem;
    core::Stato stato(cartella);
    core::Imposta_Tabelle_Globali(stato);
    const fs::path ruote = stato.cartellaRuote();
    const auto percorso = [&](int f) { return ruote / core::nomeFile(f); };

    std::error_code errore;
    fs::create_directories(cartella, errore);
    const auto blocco = core::Blocco::prendi(cartella);
    if (!blocco) return {EsitoScrittura::Errore, cartella / core::NOME_BLOCCO};
    const fs::path bari = percorso(1);
    const fs::file_status stat = fs::status(bari, errore);
    if (errore && stat.type() != fs::file_type::not_found) return {EsitoScrittura::Errore, bari};
    if (fs::exists(stat)) {
        if (!fs::is_regular_file(stat)) return {EsitoScrittura::ArchivioPresente, bari};
        const auto byte = fs::file_size(bari, errore);
        if (errore) return {EsitoScrittura::Errore, bari};
        if (byte > 0) return {EsitoScrittura::ArchivioPresente, bari};
    }

    fs::create_directories(ruote, errore);
    if (errore) return {EsitoScrittura::Errore, ruote};

    // BARI last: until it is written the program sees an empty archive, whatever else is there.
    for (std::size_t i = 1; i <= core::FILE_ARCHIVIO.size(); ++i) {
        const int f = core::FILE_ARCHIVIO[i % core::FILE_ARCHIVIO.size()];
        if (!core::scriviFileSicuro(percorso(f), archivio.archivio.byte(f)))
            return {EsitoScrittura::Errore, percorso(f)};
    }
    return {EsitoScrittura::Scritto, ruote};
}

} // namespace demo
