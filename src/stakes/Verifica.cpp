#include "Verifica.h"

#include "Combinazioni.h"
#include "Poste.h"
#include "core/Testo.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace stakes {

namespace {

core::Errore rifiuto(std::string messaggio) {
    return {core::Codice::DatoNonValido, std::move(messaggio)};
}

/** The pieces of a text between blanks and commas. */
std::vector<std::string_view> pezzi(std::string_view testo, std::string_view separatori) {
    std::vector<std::string_view> trovati;
    std::size_t inizio = testo.find_first_not_of(separatori);
    while (inizio != std::string_view::npos) {
        const std::size_t fine = std::min(testo.find_first_of(separatori, inizio), testo.size());
        trovati.push_back(testo.substr(inizio, fine - inizio));
        inizio = testo.find_first_not_of(separatori, fine);
    }
    return trovati;
}

std::optional<long long> intero(std::string_view testo) {
    long long valore = 0;
    if (testo.empty() || testo.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc() || fine != testo.data() + testo.size()) return std::nullopt;
    return valore;
}

std::string dueCifre(int valore) {
    char testo[16];
    std::snprintf(testo, sizeof testo, "%02d", valore);
    return testo;
}

std::string testoData(const core::Data& data) {
    return dueCifre(data.giorno) + '/' + dueCifre(data.mese) + '/' + std::to_string(data.anno);
}

std::string testoConcorso(const core::Concorso& concorso) {
    return std::to_string(concorso.numero) + '/' + std::to_string(concorso.anno);
}

std::string_view testoDi(const std::vector<std::string>& testi, int d) {
    return static_cast<std::size_t>(d) < testi.size() ? std::string_view(testi[static_cast<std::size_t>(d)])
                                                      : std::string_view();
}

/** "dell'estratto" .. "della cinquina", and "l'estratto" .. "la cinquina". */
constexpr std::array<std::string_view, 6> DELLA{"",          "dell'estratto",  "dell'ambo",
                                                "del terno", "della quaterna", "della cinquina"};
constexpr std::array<std::string_view, 6> LA{"",         "l'estratto",  "l'ambo",
                                             "il terno", "la quaterna", "la cinquina"};

std::string posta(int k) {
    return "La posta " + std::string(DELLA[static_cast<std::size_t>(std::clamp(k, 0, 5))]);
}

std::string numeriIndovinati(const RuotaVerificata& ruota) {
    std::string testo;
    for (int i = 0; i < ruota.indovinati; ++i)
        testo += (i > 0 ? " " : "") + std::to_string(ruota.numeri[static_cast<std::size_t>(i)]);
    return testo;
}

} // namespace

int Bolletta::quanteRuote() const {
    return static_cast<int>(std::count(ruote.begin() + 1, ruote.end(), true));
}

core::Esito<std::vector<int>> leggiNumeri(std::string_view testo) {
    std::vector<int> numeri;
    for (const auto pezzo : pezzi(testo, " \t,;")) {
        if (pezzo.find_first_not_of("0123456789") != std::string_view::npos)
            return rifiuto("\"" + std::string(pezzo) + "\" non è un numero.");
        const auto valore = intero(pezzo);
        if (!valore || *valore < 1 || *valore > core::NUMERO_MASSIMO)
            return rifiuto("Il numero " + std::string(pezzo) + " non è compreso fra 1 e 90.");
        if (std::find(numeri.begin(), numeri.end(), *valore) != numeri.end())
            return rifiuto("Il numero " + std::to_string(*valore) + " è ripetuto.");
        numeri.push_back(static_cast<int>(*valore));
    }
    if (numeri.empty() || numeri.size() > MASSIMO_NUMERI_BOLLETTA)
        return rifiuto("Indicare da 1 a 10 numeri, diversi fra loro (ne sono indicati " +
                       std::to_string(numeri.size()) + ").");
    std::sort(numeri.begin(), numeri.end());
    return numeri;
}

core::Esito<long long> leggiPuntata(std::string_view testo, int sorte) {
    testo = core::senzaSpazi(testo);
    if (testo.empty()) return 0LL;
    if (testo.front() == '-') return rifiuto(posta(sorte) + " non può essere negativa.");
    const std::size_t virgola = testo.find_first_of(".,");
    const std::string_view intera = testo.substr(0, virgola);
    const std::string_view decimali =
        virgola == std::string_view::npos ? std::string_view() : testo.substr(virgola + 1);
    const auto unita = intera.empty() ? std::optional<long long>(0) : intero(intera);
    const auto frazione = decimali.empty() ? std::optional<long long>(0) : intero(decimali);
    if (!unita || !frazione || decimali.size() > 2 || (intera.empty() && decimali.empty()) ||
        intera.size() > 7)
        return rifiuto(posta(sorte) + ", \"" + std::string(testo) +
                       "\", non è un importo: indicare euro e al più due decimali (0,50).");
    const long long centesimi = *unita * 100 + *frazione * (decimali.size() == 1 ? 10 : 1);
    if (centesimi > PUNTATA_MASSIMA) return rifiuto(posta(sorte) + " supera 10.000.");
    return centesimi;
}

core::Esito<void> controllaBolletta(const Bolletta& bolletta) {
    const auto n = bolletta.numeri.size();
    if (n == 0 || n > MASSIMO_NUMERI_BOLLETTA)
        return rifiuto("Indicare da 1 a 10 numeri, diversi fra loro (ne sono indicati " + std::to_string(n) +
                       ").");
    for (std::size_t i = 0; i < n; ++i) {
        const int numero = bolletta.numeri[i];
        if (numero < 1 || numero > core::NUMERO_MASSIMO)
            return rifiuto("Il numero " + std::to_string(numero) + " non è compreso fra 1 e 90.");
        if (std::find(bolletta.numeri.begin(), bolletta.numeri.begin() + static_cast<long>(i), numero) !=
            bolletta.numeri.begin() + static_cast<long>(i))
            return rifiuto("Il numero " + std::to_string(numero) + " è ripetuto.");
    }
    if (bolletta.quanteRuote() == 0) return rifiuto("Selezionare almeno una ruota.");
    bool giocata = false;
    for (int k = ESTRATTO; k <= CINQUINA; ++k) {
        const long long puntata = bolletta.puntate[static_cast<std::size_t>(k)];
        if (puntata < 0) return rifiuto(posta(k) + " non può essere negativa.");
        if (puntata > PUNTATA_MASSIMA) return rifiuto(posta(k) + " supera 10.000.");
        if (puntata > 0 && static_cast<std::size_t>(k) > n)
            return rifiuto("Non si può giocare " + std::string(LA[static_cast<std::size_t>(k)]) + " con " +
                           std::to_string(n) + (n == 1 ? " numero." : " numeri."));
        giocata = giocata || puntata > 0;
    }
    if (!giocata) return rifiuto("Indicare la posta di almeno una sorte.");
    return core::riuscito();
}

int primaEstrazioneDal(const core::Stato& stato, const core::Data& data) {
    for (int d = 1; d <= stato.Estrazioni_Caricate; ++d)
        if (core::Data::daRecord(testoDi(stato.Data_Estrazione, d)) >= data) return d;
    return 0;
}

core::Esito<Verifica> verificaBolletta(const core::Stato& stato, const Bolletta& bolletta, int dal,
                                       int colpi) {
    if (auto valida = controllaBolletta(bolletta); !valida) return valida.errore();
    if (stato.Estrazioni_Caricate < 1)
        return rifiuto("Nessuna estrazione caricata: non c'è nulla da verificare.");
    if (dal < 1 || dal > stato.Estrazioni_Caricate)
        return rifiuto("La prima estrazione deve stare fra 1 e " + std::to_string(stato.Estrazioni_Caricate) +
                       ".");
    if (colpi < 1) return rifiuto("Indicare almeno un colpo.");
    const int n = static_cast<int>(bolletta.numeri.size());
    const int ruoteGiocate = bolletta.quanteRuote();
    std::array<bool, core::NUMERO_MASSIMO + 1> giocato{};
    for (int numero : bolletta.numeri)
        giocato[static_cast<std::size_t>(numero)] = true;
    std::vector<int> ruote;
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (bolletta.ruote[static_cast<std::size_t>(w)]) ruote.push_back(w);

    Verifica verifica;
    verifica.richieste = colpi;
    for (std::size_t g = 1; g <= 5; ++g)
        for (std::size_t k = 1; k <= 5; ++k) {
            auto& perSorte = verifica.perIndovinati[g];
            perSorte[k] = vincitaSorte(stato, static_cast<int>(k), n, static_cast<int>(g), ruoteGiocate,
                                       bolletta.puntate[k]);
            perSorte[0].lorda += perSorte[k].lorda;
            perSorte[0].netta += perSorte[k].netta;
        }

    verifica.estrazioni.reserve(
        static_cast<std::size_t>(std::min(colpi, stato.Estrazioni_Caricate - dal + 1)));
    const Importo costo = bolletta.costo();
    int senzaVincita = 0;
    const int ultima = std::min(stato.Estrazioni_Caricate, stato.Archivio_Estrazioni.capacita());
    for (int d = dal; d <= ultima && static_cast<int>(verifica.estrazioni.size()) < colpi; ++d) {
        EstrazioneVerificata estrazione;
        estrazione.estrazione = d;
        estrazione.primaRuota = static_cast<int>(verifica.ruote.size());
        bool giocabile = false;
        for (int w : ruote) {
            int numeri[core::NUMERI_PER_RECORD];
            if (!core::decodificaRuota(stato.Archivio_Estrazioni.record(w, d), numeri)) continue;
            giocabile = true;
            RuotaVerificata ruota;
            // The guessed numbers in ascending order, each put in its place as it comes.
            for (int numero : numeri) {
                if (!giocato[static_cast<std::size_t>(numero)]) continue;
                auto i = static_cast<std::size_t>(ruota.indovinati++);
                for (; i > 0 && ruota.numeri[i - 1] > numero; --i)
                    ruota.numeri[i] = ruota.numeri[i - 1];
                ruota.numeri[i] = numero;
            }
            if (ruota.indovinati == 0) continue;
            ruota.ruota = w;
            const Vincita& totale = verifica.vincite(ruota)[0];
            estrazione.vinta.lorda += totale.lorda;
            estrazione.vinta.netta += totale.netta;
            verifica.ruote.push_back(ruota);
        }
        if (!giocabile) continue;
        estrazione.fineRuote = static_cast<int>(verifica.ruote.size());
        estrazione.data = core::Data::daRecord(testoDi(stato.Data_Estrazione, d));
        estrazione.concorso = core::Concorso::daRecord(testoDi(stato.Concorso_Estrazione, d));
        verifica.spesa += costo;
        verifica.vinta.lorda += estrazione.vinta.lorda;
        verifica.vinta.netta += estrazione.vinta.netta;
        if (estrazione.vincente()) {
            if (verifica.primaVincita < 0)
                verifica.primaVincita = static_cast<int>(verifica.estrazioni.size());
            senzaVincita = 0;
        } else {
            verifica.senzaVincitaPiuLunga = std::max(verifica.senzaVincitaPiuLunga, ++senzaVincita);
        }
        verifica.estrazioni.push_back(estrazione);
    }
    return verifica;
}

RigaVerifica rigaVerifica(const Verifica& verifica, const EstrazioneVerificata& estrazione) {
    RigaVerifica riga{testoData(estrazione.data),
                      testoConcorso(estrazione.concorso),
                      {},
                      {},
                      estrazione.vinta.lorda.testoItaliano(),
                      estrazione.vinta.netta.testoItaliano()};
    for (int i = estrazione.primaRuota; i < estrazione.fineRuote; ++i) {
        const RuotaVerificata& ruota = verifica.ruote[static_cast<std::size_t>(i)];
        const std::string sigla(core::siglaRuota(ruota.ruota));
        riga.indovinati += (riga.indovinati.empty() ? "" : ", ") + sigla + ' ' + numeriIndovinati(ruota);
        std::string sorti;
        for (std::size_t k = 1; k <= 5; ++k)
            if (verifica.vincite(ruota)[k].lorda > Importo()) sorti += ' ' + std::string(SORTI[k]);
        if (!sorti.empty()) riga.sorti += (riga.sorti.empty() ? "" : ", ") + sigla + sorti;
    }
    return riga;
}

std::string csvVincite(const Verifica& verifica) {
    std::string testo = "estrazione,data,concorso,ruota,indovinati,sorte,vincita_lorda,vincita_netta\n";
    for (const auto& estrazione : verifica.estrazioni) {
        const std::string inizio = std::to_string(estrazione.estrazione) + ',' + testoData(estrazione.data) +
                                   ',' + testoConcorso(estrazione.concorso) + ',';
        for (int i = estrazione.primaRuota; i < estrazione.fineRuote; ++i) {
            const RuotaVerificata& ruota = verifica.ruote[static_cast<std::size_t>(i)];
            const auto& vincite = verifica.vincite(ruota);
            for (std::size_t k = 1; k <= 5; ++k)
                if (vincite[k].lorda > Importo())
                    testo += inizio + std::string(core::siglaRuota(ruota.ruota)) + ',' +
                             numeriIndovinati(ruota) + ',' + std::string(SORTI[k]) + ',' +
                             vincite[k].lorda.testoCsv() + ',' + vincite[k].netta.testoCsv() + '\n';
        }
    }
    return testo;
}

std::string csvRiepilogo(const Verifica& verifica) {
    return "estrazioni,spesa,vincita_lorda,vincita_netta,saldo\n" +
           std::to_string(verifica.estrazioni.size()) + ',' + verifica.spesa.testoCsv() + ',' +
           verifica.vinta.lorda.testoCsv() + ',' + verifica.vinta.netta.testoCsv() + ',' +
           verifica.saldo().testoCsv() + '\n';
}

std::vector<std::string> righeStampa(const core::Stato& stato, const Bolletta& bolletta,
                                     const Verifica& verifica) {
    std::string numeri, ruote, poste;
    for (int numero : bolletta.numeri)
        numeri += ' ' + std::to_string(numero);
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        if (bolletta.ruote[static_cast<std::size_t>(w)]) ruote += ' ' + std::string(core::siglaRuota(w));
    for (std::size_t k = 1; k <= 5; ++k)
        if (bolletta.puntate[k] > 0)
            poste +=
                ' ' + std::string(SORTI[k]) + ' ' + Importo::daCentesimi(bolletta.puntate[k]).testoItaliano();
    std::vector<std::string> righe{"Numeri:" + numeri, "Ruote:" + ruote, "Poste:" + poste, ""};
    char riga[512];
    for (const auto& estrazione : verifica.estrazioni) {
        const RigaVerifica r = rigaVerifica(verifica, estrazione);
        std::snprintf(riga, sizeof riga, "%-10s %-8s %12s %12s  %s%s%s", r.data.c_str(), r.concorso.c_str(),
                      r.lorda.c_str(), r.netta.c_str(), r.indovinati.c_str(), r.sorti.empty() ? "" : " - ",
                      r.sorti.c_str());
        righe.emplace_back(riga);
    }
    const std::string moneta = nomeMoneta(stato);
    righe.emplace_back();
    righe.push_back("Estrazioni verificate: " + std::to_string(verifica.estrazioni.size()));
    righe.push_back("Spesa: " + verifica.spesa.testoItaliano() + ' ' + moneta);
    righe.push_back("Vinto (netto): " + verifica.vinta.netta.testoItaliano() + ' ' + moneta);
    righe.push_back("Saldo: " + verifica.saldo().testoItaliano() + ' ' + moneta);
    return righe;
}

std::string testoBolletta(const Bolletta& bolletta, int colpi) {
    std::string testo;
    for (int numero : bolletta.numeri)
        testo += (testo.empty() ? "" : ".") + std::to_string(numero);
    testo += '|';
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        testo += bolletta.ruote[static_cast<std::size_t>(w)] ? '1' : '0';
    testo += '|';
    for (std::size_t k = 1; k <= 5; ++k)
        testo += (k > 1 ? "." : "") + std::to_string(bolletta.puntate[k]);
    return testo + '|' + std::to_string(colpi);
}

std::optional<std::pair<Bolletta, int>> bollettaDaTesto(std::string_view testo) {
    const auto parti = pezzi(testo, "|");
    if (parti.size() != 4 || parti[1].size() != core::NUMERO_RUOTE) return std::nullopt;
    Bolletta bolletta;
    for (const auto pezzo : pezzi(parti[0], ".")) {
        const auto numero = intero(pezzo);
        if (!numero || *numero > core::NUMERO_MASSIMO) return std::nullopt;
        bolletta.numeri.push_back(static_cast<int>(*numero));
    }
    for (std::size_t w = 1; w <= core::NUMERO_RUOTE; ++w) {
        const char c = parti[1][w - 1];
        if (c != '0' && c != '1') return std::nullopt;
        bolletta.ruote[w] = c == '1';
    }
    const auto poste = pezzi(parti[2], ".");
    if (poste.size() != 5) return std::nullopt;
    for (std::size_t k = 1; k <= 5; ++k) {
        const auto puntata = intero(poste[k - 1]);
        if (!puntata) return std::nullopt;
        bolletta.puntate[k] = *puntata;
    }
    const auto colpi = intero(parti[3]);
    if (!colpi || *colpi < 1 || *colpi > 1'000'000 || !controllaBolletta(bolletta)) return std::nullopt;
    return std::pair{bolletta, static_cast<int>(*colpi)};
}

} // namespace stakes
