#include "Storico.h"

#include "Decompressione.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <optional>

namespace importa {

namespace {

constexpr int RUOTA_NAZIONALE = core::FILE_NAZIONALE;
constexpr std::uintmax_t MASSIMO_FILE = std::uintmax_t{256} << 20;
constexpr std::size_t RIGHE_NEL_RESOCONTO = 50;
/** Refused lines listed at the top of the report, before the description of the file. */
constexpr std::size_t RIGHE_IN_TESTA = 10;
constexpr std::size_t PERIODI_NEL_RESOCONTO = 40;

/** A checked line of one wheel: the date as yyyymmdd, its line number, the wheel 1..10 and the numbers. */
struct Riga {
    std::int32_t data;
    std::uint32_t riga;
    std::uint8_t ruota;
    std::array<std::uint8_t, 5> numeri;
};

/** The wheel's name, BARI..VENEZIA, NAZIONALE, of wheel w 1..RUOTE_ARCHIVIO. */
std::string nomeRuota(int w) {
    return std::string(core::nomeFile(w));
}

core::Data daChiave(std::int32_t chiave) {
    return {chiave / 10000, chiave / 100 % 100, chiave % 100};
}

/** A piece of the file as a message may quote it: printable ASCII only, at most 16 characters. */
std::string citazione(std::string_view testo) {
    std::string pulito = "«";
    for (std::size_t i = 0; i < testo.size() && i < 16; ++i) {
        const auto c = static_cast<unsigned char>(testo[i]);
        pulito += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    if (testo.size() > 16) pulito += "...";
    return pulito + "»";
}

bool cifre(std::string_view testo) {
    return !testo.empty() &&
           std::all_of(testo.begin(), testo.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int valore(std::string_view cifre) {
    int v = 0;
    for (char c : cifre)
        v = v * 10 + (c - '0');
    return v;
}

/** The date of a "YYYY/MM/DD" field (months and days of one or two digits). */
std::optional<core::Data> leggiData(std::string_view campo) {
    const std::size_t primo = campo.find('/'),
                      secondo = campo.find('/', primo == std::string_view::npos ? 0 : primo + 1);
    if (primo != 4 || secondo == std::string_view::npos) return std::nullopt;
    const auto anno = campo.substr(0, 4), mese = campo.substr(5, secondo - 5),
               giorno = campo.substr(secondo + 1);
    if (!cifre(anno) || !cifre(mese) || !cifre(giorno) || mese.size() > 2 || giorno.size() > 2)
        return std::nullopt;
    const core::Data data{valore(anno), valore(mese), valore(giorno)};
    if (!data.valida()) return std::nullopt;
    return data;
}

/** Wheel 1..10 of a code, RUOTA_NAZIONALE for RN, 0 when unknown. */
int leggiRuota(std::string_view campo) {
    if (campo.size() != 2) return 0;
    char codice[3] = {static_cast<char>(campo[0] & ~0x20), static_cast<char>(campo[1] & ~0x20), 0};
    static constexpr const char* CODICI[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RM", "TO", "VE"};
    for (int w = 0; w < 10; ++w)
        if (std::strcmp(codice, CODICI[w]) == 0) return w + 1;
    if (std::strcmp(codice, "RO") == 0) return 8;
    if (std::strcmp(codice, "RN") == 0) return RUOTA_NAZIONALE;
    return 0;
}

/** Checks one line; returns the reason when it is refused. */
std::optional<std::string> leggiRiga(std::string_view testo, std::uint32_t numero, Riga& riga) {
    std::array<std::string_view, 7> campi;
    std::size_t quanti = 0, p = 0;
    while (p < testo.size()) {
        if (testo[p] == '\t' || testo[p] == ' ') {
            ++p;
            continue;
        }
        const std::size_t inizio = p;
        while (p < testo.size() && testo[p] != '\t' && testo[p] != ' ')
            ++p;
        if (quanti == campi.size())
            return "la riga non è nel formato atteso: data, ruota e cinque numeri separati da tabulazioni";
        campi[quanti++] = testo.substr(inizio, p - inizio);
    }
    if (quanti != campi.size())
        return "la riga non è nel formato atteso: data, ruota e cinque numeri separati da tabulazioni";
    const auto data = leggiData(campi[0]);
    if (!data) return "data non valida: " + citazione(campi[0]);
    const int ruota = leggiRuota(campi[1]);
    if (ruota == 0) return "ruota sconosciuta: " + citazione(campi[1]);
    riga.data = data->anno * 10000 + data->mese * 100 + data->giorno;
    riga.riga = numero;
    riga.ruota = static_cast<std::uint8_t>(ruota);
    for (std::size_t i = 0; i < 5; ++i) {
        const auto campo = campi[i + 2];
        if (!cifre(campo)) return "numero non valido: " + citazione(campo);
        const int n = campo.size() > 2 ? 100 : valore(campo);
        if (n < 1 || n > 90) return "numero fuori da 1..90: " + citazione(campo);
        for (std::size_t j = 0; j < i; ++j)
            if (riga.numeri[j] == n) return "numero ripetuto sulla stessa ruota: " + std::to_string(n);
        riga.numeri[i] = static_cast<std::uint8_t>(n);
    }
    return std::nullopt;
}

void rifiuta(Lettura& lettura, std::size_t riga, std::string motivo) {
    ++lettura.righeRifiutate;
    if (lettura.rifiutate.size() < MASSIMO_RIGHE_ELENCATE)
        lettura.rifiutate.push_back({riga, std::move(motivo)});
}

/** Bit w set for each wheel w drawn: the ten traditional ones, and the Nazionale when asked. */
unsigned maschera(const Estrazione& estrazione, bool nazionale = false) {
    unsigned m = 0;
    for (int w = 1; w <= (nazionale ? core::RUOTE_ARCHIVIO : RUOTA_NAZIONALE - 1); ++w)
        if (estrazione.presente(w)) m |= 1u << w;
    return m;
}

/** Joins each draw that the file splits over two neighbouring dates. */
void unisciDivise(Lettura& lettura) {
    auto& tutte = lettura.estrazioni;
    std::vector<Estrazione> unite;
    unite.reserve(tutte.size());
    for (std::size_t i = 0; i < tutte.size(); ++i) {
        if (i + 1 < tutte.size()) {
            const Estrazione &a = tutte[i], &b = tutte[i + 1];
            const unsigned ma = maschera(a), mb = maschera(b);
            const long distanza = b.data.giorni() - a.data.giorni();
            const int na = std::popcount(ma), nb = std::popcount(mb);
            if (distanza <= 3 && (ma & mb) == 0 && std::min(na, nb) == 1 && std::max(na, nb) > 1) {
                const Estrazione& grande = na > nb ? a : b; // mutazioni: equivalente (> -> >=) — na != nb
                const Estrazione& piccola = na > nb ? b : a;
                Estrazione unita = grande;
                const int ruota = std::countr_zero(na > nb ? mb : ma);
                unita.ruote[static_cast<std::size_t>(ruota - 1)] =
                    piccola.ruote[static_cast<std::size_t>(ruota - 1)];
                // The Nazionale goes with either part.
                if (!unita.presente(RUOTA_NAZIONALE))
                    unita.ruote[RUOTA_NAZIONALE - 1] = piccola.ruote[RUOTA_NAZIONALE - 1];
                lettura.unite.push_back({grande.data, piccola.data, ruota, std::max(na, nb)});
                unite.push_back(unita);
                ++i;
                continue;
            }
        }
        unite.push_back(tutte[i]);
    }
    tutte = std::move(unite);
}

} // namespace

Lettura leggiStorico(std::string_view byte) {
    Lettura lettura;
    auto estratto = estraiTesto(byte);
    lettura.formato = estratto.formato == Formato::Gzip ? "gzip"
                      : estratto.formato == Formato::Zip
                          ? "zip" + (estratto.voce.empty() ? "" : " (voce " + estratto.voce + ")")
                          : "testo";
    if (!estratto.errore.empty()) {
        lettura.errore = std::move(estratto.errore);
        return lettura;
    }
    std::string_view testo = estratto.testo;
    if (testo.starts_with("\xEF\xBB\xBF")) testo.remove_prefix(3);

    std::vector<Riga> righe;
    righe.reserve(testo.size() / 28 + 1);
    std::uint32_t numero = 0;
    for (std::size_t inizio = 0; inizio < testo.size();) {
        const void* a = std::memchr(testo.data() + inizio, '\n', testo.size() - inizio);
        const std::size_t fine =
            a ? static_cast<std::size_t>(static_cast<const char*>(a) - testo.data()) : testo.size();
        std::string_view linea = testo.substr(inizio, fine - inizio);
        inizio = fine + 1;
        ++numero;
        while (!linea.empty() && (linea.back() == '\r' || linea.back() == ' ' || linea.back() == '\t'))
            linea.remove_suffix(1);
        if (linea.find_first_not_of(" \t") == std::string_view::npos) continue;
        ++lettura.righe;
        Riga riga{};
        if (auto motivo = leggiRiga(linea, numero, riga)) {
            rifiuta(lettura, numero, std::move(*motivo));
        } else {
            if (riga.ruota == RUOTA_NAZIONALE) ++lettura.righeNazionale;
            righe.push_back(riga);
        }
    }

    // Lines may come in any order; within a date they keep the file's order.
    if (!std::is_sorted(righe.begin(), righe.end(),
                        [](const Riga& a, const Riga& b) { return a.data < b.data; }))
        std::stable_sort(righe.begin(), righe.end(),
                         [](const Riga& a, const Riga& b) { return a.data < b.data; });
    std::array<std::uint32_t, core::RUOTE_ARCHIVIO + 1> vista{};
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const Riga& riga = righe[i];
        if (i == 0 || righe[i - 1].data != riga.data) {
            vista.fill(0);
            lettura.estrazioni.push_back({daChiave(riga.data), {}});
        }
        auto& prima = vista[riga.ruota];
        if (prima != 0) {
            rifiuta(lettura, riga.riga,
                    "ruota " + nomeRuota(riga.ruota) + " già data per il " + daChiave(riga.data).testo() +
                        " alla riga " + std::to_string(prima));
            continue;
        }
        prima = riga.riga;
        lettura.estrazioni.back().ruote[static_cast<std::size_t>(riga.ruota - 1)] = riga.numeri;
    }
    std::sort(lettura.rifiutate.begin(), lettura.rifiutate.end(),
              [](const auto& a, const auto& b) { return a.riga < b.riga; });
    if (lettura.rifiutate.size() > MASSIMO_RIGHE_ELENCATE) lettura.rifiutate.resize(MASSIMO_RIGHE_ELENCATE);

    unisciDivise(lettura);
    bool nazionale = false; // the Nazionale is missing only after its first draw
    for (const auto& estrazione : lettura.estrazioni) {
        nazionale = nazionale || estrazione.presente(RUOTA_NAZIONALE);
        for (int w = 1; w <= (nazionale ? RUOTA_NAZIONALE : core::FILE_NAZIONALE - 1); ++w)
            if (!estrazione.presente(w)) ++lettura.nulle[static_cast<std::size_t>(w)];
    }
    if (lettura.estrazioni.empty() && lettura.righeRifiutate == 0)
        lettura.errore = "il file non contiene estrazioni";
    return lettura;
}

Lettura leggiFileStorico(const std::filesystem::path& percorso) {
    Lettura lettura;
    std::error_code errore;
    const auto dimensione = std::filesystem::file_size(percorso, errore);
    std::ifstream file(percorso, std::ios::binary);
    if (errore || !file) {
        lettura.errore = "impossibile leggere il file " + percorso.string();
        return lettura;
    }
    if (dimensione > MASSIMO_FILE) {
        lettura.errore = "il file supera i " + std::to_string(MASSIMO_FILE >> 20) + " MiB";
        return lettura;
    }
    std::string byte(static_cast<std::size_t>(dimensione), '\0');
    file.read(byte.data(), static_cast<std::streamsize>(byte.size()));
    if (file.gcount() != static_cast<std::streamsize>(byte.size())) {
        lettura.errore = "impossibile leggere il file " + percorso.string();
        return lettura;
    }
    return leggiStorico(byte);
}

std::string resoconto(const Lettura& lettura) {
    std::string testo;
    const auto riga = [&](const std::string& r) { testo += r + '\n'; };
    const auto rifiutate = [&](std::size_t da, std::size_t a) {
        for (std::size_t i = da; i < lettura.rifiutate.size() && i < a; ++i)
            riga("  riga " + std::to_string(lettura.rifiutate[i].riga) + ": " + lettura.rifiutate[i].motivo);
    };
    // The verdict first: why the file cannot be imported is the first thing read.
    if (!lettura.errore.empty()) riga("ERRORE: " + lettura.errore + ".");
    if (lettura.righeRifiutate > 0) {
        riga("Righe rifiutate: " + std::to_string(lettura.righeRifiutate) +
             ", il file non può essere importato" +
             (lettura.righeRifiutate > RIGHE_IN_TESTA ? "; le prime " + std::to_string(RIGHE_IN_TESTA) + ":"
                                                      : ":"));
        rifiutate(0, RIGHE_IN_TESTA);
    } else if (lettura.errore.empty()) {
        riga("Righe rifiutate: nessuna.");
    }
    riga("Formato del file: " + lettura.formato + ".");
    riga("Righe lette: " + std::to_string(lettura.righe) +
         (lettura.righeNazionale
              ? ", delle quali " + std::to_string(lettura.righeNazionale) + " della ruota Nazionale (RN)."
              : "."));
    const auto& tutte = lettura.estrazioni;
    if (tutte.empty()) {
        riga("Estrazioni: nessuna.");
    } else {
        riga("Estrazioni: " + std::to_string(tutte.size()) + ", dal " + tutte.front().data.testo() + " al " +
             tutte.back().data.testo() + ".");
    }

    if (!lettura.unite.empty()) {
        riga("Estrazioni divise dal file su due date e riunite: " + std::to_string(lettura.unite.size()));
        for (const auto& u : lettura.unite)
            riga("  " + u.data.testo() + " (" + std::to_string(u.ruoteData) + " ruote) con " +
                 u.altraData.testo() + " (" + nomeRuota(u.ruota) + "): registrata il " + u.data.testo());
    }

    // Periods: runs of consecutive draws that each lack some wheel.
    // The wheels a draw should have: the ten, and the Nazionale from its first draw in the file.
    std::vector<unsigned> attese(tutte.size());
    for (std::size_t i = 0, nazionale = 0; i < tutte.size(); ++i) {
        nazionale = nazionale || tutte[i].presente(RUOTA_NAZIONALE);
        attese[i] = 0x7FEu | (nazionale ? 1u << RUOTA_NAZIONALE : 0u);
    }
    const auto completa = [&](std::size_t i) { return (maschera(tutte[i], true) & attese[i]) == attese[i]; };
    std::vector<std::string> periodi;
    for (std::size_t i = 0; i < tutte.size();) {
        if (completa(i)) {
            ++i;
            continue;
        }
        std::size_t fine = i;
        std::array<int, core::RUOTE_ARCHIVIO + 1> mancanti{};
        while (fine < tutte.size() && !completa(fine)) {
            for (int w = 1; w <= core::RUOTE_ARCHIVIO; ++w)
                if ((attese[fine] >> w & 1u) != 0 && !tutte[fine].presente(w))
                    ++mancanti[static_cast<std::size_t>(w)];
            ++fine;
        }
        std::string elenco;
        for (int w = 1; w <= core::RUOTE_ARCHIVIO; ++w) {
            const int n = mancanti[static_cast<std::size_t>(w)];
            if (n == 0) continue;
            elenco += (elenco.empty() ? "" : ", ") + nomeRuota(w) +
                      (fine - i > 1 ? std::string(" ").append(std::to_string(n)) : std::string());
        }
        periodi.push_back(fine - i == 1
                              ? "  il " + tutte[i].data.testo() + ": " + elenco
                              : "  dal " + tutte[i].data.testo() + " al " + tutte[fine - 1].data.testo() +
                                    " (" + std::to_string(fine - i) + " estrazioni): " + elenco);
        i = fine;
    }
    if (periodi.empty() && !tutte.empty()) {
        riga(lettura.righeNazionale > 0
                 ? "Ruote non estratte: nessuna, ogni estrazione ha tutte le dieci ruote e, dalla sua prima, "
                   "la "
                   "Nazionale."
                 : "Ruote non estratte: nessuna, ogni estrazione ha tutte le dieci ruote.");
    } else if (!periodi.empty()) {
        riga("Ruote non estratte (registrate come estrazioni nulle):");
        for (std::size_t i = 0; i < periodi.size() && i < PERIODI_NEL_RESOCONTO; ++i)
            riga(periodi[i]);
        if (periodi.size() > PERIODI_NEL_RESOCONTO)
            riga("  ... e altri " + std::to_string(periodi.size() - PERIODI_NEL_RESOCONTO) + " periodi");
        std::string totale;
        for (int w = 1; w <= core::RUOTE_ARCHIVIO; ++w)
            if (const int n = lettura.nulle[static_cast<std::size_t>(w)])
                totale += (totale.empty() ? "" : ", ") + nomeRuota(w) + " " + std::to_string(n);
        riga("  in tutto: " + totale);
    }

    if (lettura.righeRifiutate > RIGHE_IN_TESTA) {
        riga("Altre righe rifiutate:");
        rifiutate(RIGHE_IN_TESTA, RIGHE_NEL_RESOCONTO);
    }
    if (lettura.righeRifiutate > RIGHE_NEL_RESOCONTO)
        riga("  ... e altre " + std::to_string(lettura.righeRifiutate - RIGHE_NEL_RESOCONTO) +
             " righe rifiutate");
    return testo;
}

} // namespace importa
