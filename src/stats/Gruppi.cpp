#include "Gruppi.h"

#include "Navigazione.h"
#include "Percorso.h"
#include "core/FileSicuro.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace stats {

namespace {

/** A family as data: its key, caption, how many groups, the group of a number (-1 none) and its name. */
struct Regola {
    const char* chiave;
    const char* nome;
    int gruppi;
    int (*gruppoDi)(int n);
    std::string (*nomeGruppo)(int g);
};

std::string intervallo(const char* parola, int da, int a) {
    return std::string(parola) + ' ' + std::to_string(da) + '-' + std::to_string(a);
}

const Regola REGOLE[] = {
    {"cadenze", "Cadenze", 10, [](int n) { return n % 10; },
     [](int g) { return "Cadenza " + std::to_string(g); }},
    {"decine", "Decine", 9, [](int n) { return (n - 1) / 10; },
     [](int g) { return intervallo("Decina", 10 * g + 1, 10 * g + 10); }},
    {"decine_cabalistiche", "Decine cabalistiche", 9, [](int n) { return n % 90 / 10; },
     [](int g) { return "Decina " + std::to_string(g); }},
    {"figure", "Figure", 9, [](int n) { return (n - 1) % 9; },
     [](int g) { return "Figura " + std::to_string(g + 1); }},
    {"quindicine", "Quindicine", 6, [](int n) { return (n - 1) / 15; },
     [](int g) { return intervallo("Quindicina", 15 * g + 1, 15 * g + 15); }},
    {"gemelli", "Gemelli", 1, [](int n) { return n % 11 == 0 ? 0 : -1; },
     [](int) { return std::string("Gemelli"); }},
};

/**
 * The blanks around a text gone, and the byte order marks before it: an editor puts one first, and a file
 * joined from others may hold more anywhere; none is part of a name.
 */
std::string_view ripulito(std::string_view testo) {
    for (;;) {
        const auto primo = testo.find_first_not_of(" \t\r\n");
        if (primo == std::string_view::npos) return {};
        testo = testo.substr(primo, testo.find_last_not_of(" \t\r\n") - primo + 1);
        if (!testo.starts_with("\xEF\xBB\xBF")) return testo;
        testo.remove_prefix(3);
    }
}

/** Refuses a group the search could not count: a number outside 1..90 or repeated, too few numbers. */
core::Esito<void> gruppoValido(const Gruppo& gruppo, int sorte) {
    std::bitset<91> visti;
    for (int n : gruppo.numeri) {
        if (n < 1 || n > core::NUMERO_MASSIMO || visti.test(static_cast<std::size_t>(n)))
            return {core::Codice::DatoNonValido, "Il gruppo «" + gruppo.nome + "» contiene il numero " +
                                                     std::to_string(n) + ", fuori da 1-90 o ripetuto."};
        visti.set(static_cast<std::size_t>(n));
    }
    if (static_cast<int>(gruppo.numeri.size()) < sorte)
        return {core::Codice::DatoNonValido,
                "Il gruppo «" + gruppo.nome + "» ha " + std::to_string(gruppo.numeri.size()) +
                    " numeri: troppo pochi per la sorte di " + nomeSorte(sorte) + "."};
    return core::riuscito();
}

/** The text cut or padded with blanks to `larghezza` characters (UTF-8: a character is not a byte). */
std::string inColonna(const std::string& testo, std::size_t larghezza) {
    std::string uscita;
    std::size_t caratteri = 0;
    for (const char b : testo) {
        const bool inizioCarattere = (static_cast<unsigned char>(b) & 0xC0U) != 0x80U;
        if (inizioCarattere && caratteri == larghezza) break;
        caratteri += inizioCarattere ? 1 : 0;
        uscita += b;
    }
    return uscita + std::string(larghezza - caratteri, ' ');
}

/**
 * The groups (bits) that come out for the sorte, given each of a record's five numbers as the groups it
 * belongs to: the count of each group's numbers kept as three bit planes (1, 2, 4; at most 5).
 */
inline std::uint64_t uscitiDelRecord(const std::array<std::uint64_t, core::NUMERI_PER_RECORD>& m, int sorte) {
    if (sorte == 1) return m[0] | m[1] | m[2] | m[3] | m[4];
    std::uint64_t uno = 0, due = 0, quattro = 0;
    for (const std::uint64_t gruppi : m) {
        const std::uint64_t riporto = uno & gruppi;
        uno ^= gruppi;
        quattro |= due & riporto;
        due ^= riporto;
    }
    return sorte == 2   ? due | quattro
           : sorte == 3 ? (due & uno) | quattro
           : sorte == 4 ? quattro
                        : quattro & uno;
}

/** A group's figures in one column: frequency, maximum delay, the counted draw of its last coming out. */
struct Cella {
    int frequenza = 0, massimo = 0, ultima = 0;
};

/** The groups of the bits (bit g: cell g of the row) come out in the `contate`-th counted draw. */
inline void segna(Cella* riga, std::uint64_t uscito, int contate, int volte) {
    for (; uscito != 0; uscito &= uscito - 1) {
        Cella& cella = riga[std::countr_zero(uscito)];
        cella.frequenza += volte;
        // Stored only when it grows: a store at every coming out would be waited for.
        if (const int salto = contate - cella.ultima; salto > cella.massimo) cella.massimo = salto;
        cella.ultima = contate;
    }
}

core::Esito<void> sorteValida(int sorte) {
    if (sorte < 1 || sorte > SORTE_MASSIMA)
        return {core::Codice::DatoNonValido, "La sorte deve essere fra 1 (estratto) e 5 (cinquina)."};
    return core::riuscito();
}

} // namespace

const std::vector<Famiglia>& famiglie() {
    static const std::vector<Famiglia> tutte = [] {
        std::vector<Famiglia> elenco;
        for (const Regola& regola : REGOLE) {
            Famiglia famiglia{regola.chiave, regola.nome, {}};
            for (int g = 0; g < regola.gruppi; ++g)
                famiglia.gruppi.push_back({regola.nomeGruppo(g), {}});
            for (int n = 1; n <= core::NUMERO_MASSIMO; ++n)
                if (const int g = regola.gruppoDi(n); g >= 0)
                    famiglia.gruppi[static_cast<std::size_t>(g)].numeri.push_back(n);
            elenco.push_back(std::move(famiglia));
        }
        return elenco;
    }();
    return tutte;
}

std::string nomeSorte(int sorte) {
    static const char* const NOMI[] = {"", "estratto", "ambo", "terno", "quaterna", "cinquina"};
    return sorte >= 1 && sorte <= SORTE_MASSIMA ? NOMI[sorte] : "";
}

core::Esito<RisultatiGruppi> ricercaGruppi(const core::Stato& stato, const std::vector<Gruppo>& gruppi,
                                           int sorte, const Avanzamento& avanzamento) {
    if (auto valida = sorteValida(sorte); !valida) return valida.errore();
    for (const Gruppo& gruppo : gruppi)
        if (auto valido = gruppoValido(gruppo, sorte); !valido) return valido.errore();
    if (stato.Totale_Estrazioni_Selezionate == 0)
        return {core::Codice::DatoNonValido, "Selezionare un Periodo di ricerca!"};

    // The groups of each number as bits, 64 groups a word: bit g % 64 of maschera[n * parole + g / 64].
    const std::size_t quanti = gruppi.size(), parole = (quanti + 63) / 64;
    std::vector<std::uint64_t> maschera(91 * parole), usciti0(parole);
    for (std::size_t g = 0; g < quanti; ++g)
        for (int n : gruppi[g].numeri)
            maschera[static_cast<std::size_t>(n) * parole + g / 64] |= std::uint64_t{1} << (g % 64);
    // A family: one word of groups, each number in one of them at most. Its own group's cell, for each
    // number, or a spare cell of the number's own past the groups (which no result reads).
    bool famiglia = parole == 1;
    std::vector<std::size_t> indice(91);
    for (std::size_t n = 1; n <= 90 && famiglia; ++n) {
        famiglia = std::popcount(maschera[n]) <= 1; // mutazioni: equivalente (<= -> <) — same counts, slower
        indice[n] = maschera[n] != 0 ? static_cast<std::size_t>(std::countr_zero(maschera[n])) : quanti + n;
    }

    // A row per column: a cell per group, then the numbers' spare ones.
    const std::size_t larghezza = quanti + 91;
    std::vector<Cella> celle(NUMERO_COLONNE * larghezza);
    // The walks' hooks take their tables and values as copies, which the compiler keeps in registers.
    const std::uint64_t* const gruppiDi = maschera.data();
    const std::size_t* const gruppoDi = indice.data();
    std::uint64_t* const usciti = usciti0.data();
    Cella* const tabella = celle.data();
    std::array<long long, NUMERO_COLONNE> reali{}; // chance's base
    long long* const realiW = reali.data();
    // A draw's records that brought out a group of one word, marked when the draw ends: whether a record
    // brings out one is left to chance, and a branch on it would be mispredicted at every other record.
    struct Segno {
        Cella* riga;
        std::uint64_t uscito;
        int contate;
    };
    std::array<Segno, core::NUMERO_RUOTE + 1> segni{}; // a slot written past the last record that counts
    Segno* const segni0 = segni.data();
    std::size_t quantiSegni = 0;
    const auto colonna0 = [&](int, const std::array<int, NUMERO_COLONNE>& contateOra) {
        for (std::size_t k = 0, fine = std::exchange(quantiSegni, 0); k < fine; ++k)
            segna(segni[k].riga, segni[k].uscito, segni[k].contate, 1);
        // Column 0 once a draw: the groups out on any of its wheels.
        for (std::size_t p = 0; p < parole; ++p)
            segna(celle.data() + p * 64, std::exchange(usciti0[p], 0), contateOra[0], 0);
    };
    // Any list of groups, word by word.
    const auto generale = [gruppiDi, usciti, parole, sorte](Cella* riga, int contateW, const int* x,
                                                            bool ripetuto) {
        for (std::size_t p = 0; p < parole; ++p) {
            std::array<std::uint64_t, core::NUMERI_PER_RECORD> m{};
            for (std::size_t i = 0; i < m.size(); ++i)
                m[i] = gruppiDi[static_cast<std::size_t>(x[i]) * parole + p];
            if (ripetuto) // a number a damaged record repeats counts once
                for (int i = 1; i < core::NUMERI_PER_RECORD; ++i)
                    if (std::find(x, x + i, x[i]) != x + i) m[static_cast<std::size_t>(i)] = 0;
            const std::uint64_t uscito = uscitiDelRecord(m, sorte);
            usciti[p] |= uscito;
            segna(riga + p * 64, uscito, contateW, 1);
        }
    };
    const auto percorri = [&](auto suRecord) {
        return percorriPeriodo(
            stato, avanzamento,
            [&suRecord, tabella, larghezza, realiW](int w, int contateW, int, const int* numeri) {
                ++realiW[w];
                suRecord(tabella + static_cast<std::size_t>(w) * larghezza, contateW, numeri);
            },
            0, colonna0);
    };
    const auto contate =
        famiglia && sorte == 1
            ? percorri([gruppoDi, gruppiDi, usciti](Cella* riga, int contateW, const int* x) {
                  // A family at the estratto: each drawn number marks its group as the number search marks
                  // the number, with no branch on what came out; a second mark in the same record is no new
                  // coming out (nor is a number a damaged record repeats).
                  std::uint64_t uscito = 0;
                  for (int i = 0; i < core::NUMERI_PER_RECORD; ++i) {
                      Cella& cella = riga[gruppoDi[x[i]]];
                      const int salto = contateW - cella.ultima;
                      cella.frequenza += salto != 0 ? 1 : 0;
                      if (salto > cella.massimo) cella.massimo = salto;
                      cella.ultima = contateW;
                      uscito |= gruppiDi[x[i]];
                  }
                  usciti[0] |= uscito;
              })
            : percorri([&](Cella* riga, int contateW, const int* x) {
                  // A real record never repeats a number; a damaged one that does counts each number once.
                  const bool ripetuto =
                      sorte > 1 &&
                      ((x[0] == x[1]) | (x[0] == x[2]) | (x[0] == x[3]) | (x[0] == x[4]) | (x[1] == x[2]) |
                       (x[1] == x[3]) | (x[1] == x[4]) | (x[2] == x[3]) | (x[2] == x[4]) | (x[3] == x[4]));
                  if (parole == 1 && !ripetuto) { // every family: one word of groups, read in one go
                      const std::uint64_t uscito = uscitiDelRecord(
                          {gruppiDi[x[0]], gruppiDi[x[1]], gruppiDi[x[2]], gruppiDi[x[3]], gruppiDi[x[4]]},
                          sorte);
                      usciti[0] |= uscito;
                      segni0[quantiSegni] = {riga, uscito, contateW};
                      quantiSegni += uscito != 0 ? 1 : 0;
                      return;
                  }
                  generale(riga, contateW, x, ripetuto);
              });

    RisultatiGruppi risultati;
    risultati.sorte = sorte;
    risultati.Base_Caso = baseCaso(stato, contate, reali);
    for (std::size_t c = 0; c < NUMERO_COLONNE; ++c)
        for (std::size_t g = 0; g < quanti; ++g) {
            const Cella& cella = celle[c * larghezza + g];
            risultati.Frequenza[c].push_back(cella.frequenza);
            risultati.Ritardo_Attuale[c].push_back(contate[c] - cella.ultima);
            risultati.Ritardo_Massimo[c].push_back(cella.massimo);
        }
    // Column 0's frequency is the sum of the selected wheels' (a group out on two wheels counts twice).
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (stato.Ruota_Selezionata[static_cast<std::size_t>(w)] == -1)
            for (std::size_t g = 0; g < quanti; ++g)
                risultati.Frequenza[0][g] += risultati.Frequenza[static_cast<std::size_t>(w)][g];
    return risultati;
}

core::Esito<SerieRitardi> serieGruppo(const core::Stato& stato, const Gruppo& gruppo, int sorte,
                                      int colonna) {
    if (auto valida = sorteValida(sorte); !valida) return valida.errore();
    if (auto valido = gruppoValido(gruppo, sorte); !valido) return valido.errore();
    std::bitset<91> membri;
    for (int n : gruppo.numeri)
        membri.set(static_cast<std::size_t>(n));
    return serieUscite(stato, colonna, [&](const int* numeri) {
        std::bitset<91> visti;
        for (int i = 0; i < core::NUMERI_PER_RECORD; ++i)
            visti.set(static_cast<std::size_t>(numeri[i]));
        return (visti & membri).count() >= static_cast<std::size_t>(sorte) ? 1 : 0;
    });
}

std::vector<int> ordineGruppi(const RisultatiGruppi& risultati, int colonna, int criterio, bool discendente) {
    const auto c = static_cast<std::size_t>(colonna);
    const auto chiave = [&](int g) {
        const auto k = static_cast<std::size_t>(g);
        switch (criterio) {
        case FREQUENZA:
            return risultati.Frequenza[c][k];
        case RITARDO_ATTUALE:
            return risultati.Ritardo_Attuale[c][k];
        case RITARDO_MASSIMO:
            return risultati.Ritardo_Massimo[c][k];
        default:
            return g;
        }
    };
    std::vector<int> ordine(static_cast<std::size_t>(risultati.gruppi()));
    for (std::size_t g = 0; g < ordine.size(); ++g)
        ordine[g] = static_cast<int>(g);
    std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) {
        return discendente ? chiave(a) > chiave(b) : chiave(a) < chiave(b);
    });
    return ordine;
}

double probabilitaGruppo(int m, int k) {
    if (k <= 0) return 1.0;
    if (m < 1 || m > core::NUMERO_MASSIMO) return 0.0;
    const auto combinazioni = [](int n, int r) {
        double valore = 1.0;
        for (int i = 1; i <= r; ++i)
            valore = valore * (n - r + i) / i;
        return valore;
    };
    double somma = 0.0;
    for (int j = k; j <= std::min(m, core::NUMERI_PER_RECORD); ++j)
        somma += combinazioni(m, j) * combinazioni(core::NUMERO_MASSIMO - m, core::NUMERI_PER_RECORD - j);
    return somma / combinazioni(core::NUMERO_MASSIMO, core::NUMERI_PER_RECORD);
}

std::string testoNumeri(const std::vector<int>& numeri) {
    std::string testo;
    for (int n : numeri)
        testo += (testo.empty() ? "" : " ") + std::to_string(n);
    return testo;
}

core::Esito<Gruppo> leggiLunghetta(std::string_view nome, std::string_view numeri) {
    Gruppo gruppo{std::string(ripulito(nome)), {}};
    if (gruppo.nome.empty()) return {core::Codice::DatoNonValido, "Indicare il nome della lunghetta."};
    // A name the file could not give back: a line break, the colon that ends the name, a comment's "#".
    if (gruppo.nome.find_first_of(":\r\n") != std::string::npos || gruppo.nome.front() == '#')
        return {core::Codice::DatoNonValido,
                "Il nome della lunghetta non può contenere «:» né cominciare con «#»."};
    std::bitset<91> visti;
    std::size_t inizio = 0;
    while (inizio < numeri.size()) {
        const std::size_t fine = std::min(numeri.find_first_of(" \t\r,", inizio), numeri.size());
        const std::string_view parola = numeri.substr(inizio, fine - inizio);
        inizio = fine + 1;
        if (parola.empty()) continue;
        int n = 0;
        const auto [punto, errore] = std::from_chars(parola.data(), parola.data() + parola.size(), n);
        if (errore != std::errc() || punto != parola.data() + parola.size())
            return {core::Codice::DatoNonValido, "«" + std::string(parola) + "» non è un numero."};
        if (n < 1 || n > core::NUMERO_MASSIMO)
            return {core::Codice::DatoNonValido,
                    "Il numero " + std::to_string(n) + " non è compreso fra 1 e 90."};
        if (visti.test(static_cast<std::size_t>(n)))
            return {core::Codice::DatoNonValido, "Il numero " + std::to_string(n) + " è ripetuto."};
        visti.set(static_cast<std::size_t>(n));
        gruppo.numeri.push_back(n);
    }
    if (gruppo.numeri.size() < MINIMO_NUMERI_LUNGHETTA || gruppo.numeri.size() > MASSIMO_NUMERI_LUNGHETTA)
        return {core::Codice::DatoNonValido, "Una lunghetta ha da 2 a 30 numeri."};
    std::sort(gruppo.numeri.begin(), gruppo.numeri.end());
    return gruppo;
}

core::Esito<void> nomeLibero(const std::vector<Gruppo>& gruppi, const std::string& nome, std::size_t tranne) {
    for (std::size_t i = 0; i < gruppi.size(); ++i)
        if (i != tranne && gruppi[i].nome == nome)
            return {core::Codice::DatoNonValido, "Esiste già una lunghetta di nome «" + nome + "»."};
    return core::riuscito();
}

core::Esito<LetturaLunghette> leggiLunghette(const std::filesystem::path& cartella) {
    const auto percorso = cartella / FILE_LUNGHETTE;
    std::error_code errore;
    if (!std::filesystem::exists(percorso, errore)) return LetturaLunghette{};
    const auto contenuto = core::leggiFileIntero(percorso);
    if (!contenuto)
        return {core::Codice::FileIllegibile,
                "Impossibile leggere il file " + percorso.string() + ": le lunghette non sono disponibili."};
    std::string_view testo = *contenuto;
    LetturaLunghette lettura;
    int numeroRiga = 0;
    while (!testo.empty()) {
        const std::size_t fine = std::min(testo.find('\n'), testo.size());
        const std::string_view riga = testo.substr(0, fine);
        testo.remove_prefix(std::min(fine + 1, testo.size()));
        ++numeroRiga;
        const std::string_view pulita = ripulito(riga);
        if (pulita.empty()) continue;
        if (pulita.front() == '#') {
            lettura.scartate.emplace_back(pulita);
            continue;
        }
        const std::size_t dueaPunti = pulita.find(':');
        auto gruppo =
            dueaPunti == std::string_view::npos
                ? core::Esito<Gruppo>(core::Codice::DatoNonValido, "manca «:» fra il nome e i numeri.")
                : leggiLunghetta(pulita.substr(0, dueaPunti), pulita.substr(dueaPunti + 1));
        if (gruppo) {
            lettura.gruppi.push_back(std::move(*gruppo));
        } else {
            lettura.errori.push_back(std::string(FILE_LUNGHETTE) + ", riga " + std::to_string(numeroRiga) +
                                     ": " + gruppo.messaggio());
            lettura.scartate.emplace_back(pulita);
        }
    }
    return lettura;
}

core::Esito<void> scriviLunghette(const std::filesystem::path& cartella, const std::vector<Gruppo>& gruppi,
                                  const std::vector<std::string>& scartate) {
    std::string testo;
    for (const Gruppo& gruppo : gruppi)
        testo += gruppo.nome + ": " + testoNumeri(gruppo.numeri) + '\n';
    for (const std::string& riga : scartate)
        testo += riga + '\n';
    const auto percorso = cartella / FILE_LUNGHETTE;
    if (!core::scriviFileSicuro(percorso, testo))
        return {core::Codice::FileNonScrivibile, "Impossibile scrivere il file " + percorso.string() +
                                                     ": le lunghette sono rimaste come erano."};
    return core::riuscito();
}

std::string csvGruppi(const RisultatiGruppi& risultati, const std::vector<Gruppo>& gruppi, int colonna,
                      const std::vector<int>& ordine) {
    const auto c = static_cast<std::size_t>(colonna);
    std::string testo = "\xEF\xBB\xBFGruppo;Numeri;Frequenza;Ritardo attuale;Ritardo massimo\r\n";
    for (int g : ordine) {
        if (g < 0 || g >= risultati.gruppi() || static_cast<std::size_t>(g) >= gruppi.size()) continue;
        const auto k = static_cast<std::size_t>(g);
        testo += gruppi[k].nome + ';' + testoNumeri(gruppi[k].numeri) + ';' +
                 std::to_string(risultati.Frequenza[c][k]) + ';' +
                 std::to_string(risultati.Ritardo_Attuale[c][k]) + ';' +
                 std::to_string(risultati.Ritardo_Massimo[c][k]) + "\r\n";
    }
    return testo;
}

std::vector<std::string> righeStampaGruppi(const RisultatiGruppi& risultati,
                                           const std::vector<Gruppo>& gruppi, int colonna,
                                           const std::vector<int>& ordine) {
    const auto c = static_cast<std::size_t>(colonna);
    char riga[96];
    std::snprintf(riga, sizeof riga, "%9s%9s%9s  ", "FREQ.", "R.ATT.", "R.MAX");
    std::vector<std::string> righe{inColonna("GRUPPO", 22) + riga + "NUMERI"};
    for (int g : ordine) {
        if (g < 0 || g >= risultati.gruppi() || static_cast<std::size_t>(g) >= gruppi.size()) continue;
        const auto k = static_cast<std::size_t>(g);
        std::snprintf(riga, sizeof riga, "%9d%9d%9d  ", risultati.Frequenza[c][k],
                      risultati.Ritardo_Attuale[c][k], risultati.Ritardo_Massimo[c][k]);
        righe.push_back(inColonna(gruppi[k].nome, 22) + riga + testoNumeri(gruppi[k].numeri));
    }
    return righe;
}

} // namespace stats
