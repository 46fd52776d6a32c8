#include "Caso.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace stats {

double probabilitaSorte(int sorte, int posizione) {
    if (sorte == 1 && posizione >= 1 && posizione <= 5) return 1.0 / 90.0;
    switch (sorte) {
    case 2:
        return 2.0 / 801.0; // C(88,3)/C(90,5)
    case 3:
        return 1.0 / 11748.0; // C(87,2)/C(90,5)
    default:
        return 5.0 / 90.0;
    }
}

BaseCaso baseCaso(const core::Stato& stato, const std::array<int, NUMERO_COLONNE>& contate,
                  const std::array<long long, NUMERO_COLONNE>& reali) {
    BaseCaso base{contate, {}, 0};
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        const auto c = static_cast<std::size_t>(w);
        if (stato.Ruota_Selezionata[c] != -1) continue;
        base.reali[c] = reali[c];
        base.reali[0] += reali[c];
        ++base.ruote;
    }
    return base;
}

ColonnaCaso colonnaCaso(const BaseCaso& base, int colonna) {
    if (colonna < 0 || colonna >= NUMERO_COLONNE) return {};
    const auto c = static_cast<std::size_t>(colonna);
    return {base.reali[c], base.contate[c], colonna == 0 ? std::max(base.ruote, 1) : 1};
}

CalcoloCaso::CalcoloCaso(double p, const ColonnaCaso& colonna)
    : m_p(p), m_colonna(colonna), m_logAssenza(std::max(colonna.ruote, 1) * std::log1p(-p)),
      m_deviazione(std::sqrt(static_cast<double>(colonna.reali) * p * (1.0 - p))) {}

Caso CalcoloCaso::operator()(int frequenza, int ritardoAttuale, int ritardoMassimo) const {
    Caso esito;
    esito.attesa = static_cast<double>(m_colonna.reali) * m_p;
    if (m_colonna.reali > 0) esito.scarto = (frequenza - esito.attesa) / m_deviazione;
    esito.probabilitaAttuale = std::exp(std::max(ritardoAttuale, 0) * m_logAssenza);
    // A period of one draw has no run of absences to speak of: its chance is 1, as a never drawn item's.
    if (ritardoMassimo > 0 && ritardoMassimo <= m_colonna.contate && m_colonna.contate > 1) {
        // 1 − q = −expm1(ln q) keeps its digits when q is close to 1 (a triple on one wheel).
        const double attese = (1.0 - (m_colonna.contate - ritardoMassimo) * std::expm1(m_logAssenza)) *
                              std::exp(ritardoMassimo * m_logAssenza);
        esito.probabilitaMassimo = -std::expm1(-attese);
    }
    return esito;
}

double CalcoloCaso::ritardoMedio() const {
    return -1.0 / std::expm1(m_logAssenza);
}

int CalcoloCaso::ritardoUnoSuMille() const {
    // The smallest D with D·ln q ≤ ln 0.001, checked again around the quotient against its rounding.
    int d = std::max(static_cast<int>(std::ceil(std::log(0.001) / m_logAssenza)) - 1, 1);
    while (d * m_logAssenza > std::log(0.001))
        ++d;
    return d;
}

Caso caso(double p, const ColonnaCaso& colonna, int frequenza, int ritardoAttuale, int ritardoMassimo) {
    return CalcoloCaso(p, colonna)(frequenza, ritardoAttuale, ritardoMassimo);
}

namespace {

/** N = round(1/P) with a dot between thousands; empty below 10⁻⁹. */
std::string inverso(double probabilita) {
    if (!(probabilita >= 1e-9)) return {};
    std::string cifre = std::to_string(std::max<long long>(std::llround(1.0 / probabilita), 1));
    for (auto i = static_cast<std::ptrdiff_t>(cifre.size()) - 3; i > 0; i -= 3)
        cifre.insert(static_cast<std::size_t>(i), 1, '.');
    return cifre;
}

std::string decimale(double valore) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%.1f", valore);
    std::string esito = testo;
    std::replace(esito.begin(), esito.end(), '.', ',');
    return esito;
}

} // namespace

std::string unoSu(double probabilita) {
    const std::string n = inverso(probabilita);
    return n.empty() ? "meno di 1 su un miliardo" : "1 su " + n;
}

std::string volteSu(double probabilita) {
    const std::string n = inverso(probabilita);
    return n.empty() ? "meno di 1 volta su un miliardo" : "1 volta su " + n;
}

std::string descrizioneCaso(const Caso& caso, int frequenza, int ritardoAttuale, int ritardoMassimo) {
    return "Frequenza " + std::to_string(frequenza) + ", attesa per caso " + decimale(caso.attesa) +
           ": scarto " + testoScarto(caso.scarto) + "\nRitardo attuale " + std::to_string(ritardoAttuale) +
           ": per caso " + unoSu(caso.probabilitaAttuale) + "\nRitardo massimo " +
           std::to_string(ritardoMassimo) + ": per caso " + unoSu(caso.probabilitaMassimo);
}

std::string fraseRitardo(int ritardoAttuale, const std::string& colonna, double probabilita) {
    const std::string volte = volteSu(probabilita);
    return "Ritardo attuale " + std::to_string(ritardoAttuale) + " su " + colonna + ": per caso accade " +
           (volte.starts_with("meno") ? "" : "circa ") + volte;
}

std::string testoScarto(double scarto) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%+.1f", scarto);
    std::string esito = testo;
    if (esito == "+0.0" || esito == "-0.0") return "0,0";
    std::replace(esito.begin(), esito.end(), '.', ',');
    if (esito[0] == '-') esito.replace(0, 1, "\u2212");
    return esito;
}

namespace {

/** The regularized lower incomplete gamma P(a, x) by its series (x < a + 1). */
double gammaSerie(double a, double x) {
    double termine = 1.0 / a, somma = termine;
    for (int n = 1; n < 1000 && std::fabs(termine) > std::fabs(somma) * 1e-15; ++n) {
        termine *= x / (a + n);
        somma += termine;
    }
    return somma * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

/** The regularized upper incomplete gamma Q(a, x) by its continued fraction (x ≥ a + 1; Lentz). */
double gammaFrazione(double a, double x) {
    constexpr double minimo = 1e-300;
    double b = x + 1.0 - a, c = 1.0 / minimo, d = 1.0 / b, h = d;
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < minimo) d = minimo;
        c = b + an / c;
        if (std::fabs(c) < minimo) c = minimo;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1.0) < 1e-15) break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

} // namespace

double pChiQuadro(double chi2, int gradi) {
    if (!(chi2 > 0) || gradi < 1) return 1.0;
    const double a = gradi / 2.0, x = chi2 / 2.0;
    return x < a + 1.0 ? 1.0 - gammaSerie(a, x) : gammaFrazione(a, x);
}

VerificaCaso verificaCaso(const RisultatiNumeri& risultati, int colonna) {
    VerificaCaso verifica;
    verifica.colonna = colonna;
    if (colonna < 0 || colonna >= NUMERO_COLONNE) return verifica;
    const auto c = static_cast<std::size_t>(colonna);
    const auto& frequenze = risultati.Frequenza_Numero[c];
    const double attesa = static_cast<double>(risultati.Base_Caso.reali[c]) * probabilitaSorte(1);
    for (std::size_t n = 1; n <= 90; ++n) {
        if (verifica.piuFrequente == 0 ||
            frequenze[n] > frequenze[static_cast<std::size_t>(verifica.piuFrequente)])
            verifica.piuFrequente = static_cast<int>(n);
        if (verifica.menoFrequente == 0 ||
            frequenze[n] < frequenze[static_cast<std::size_t>(verifica.menoFrequente)])
            verifica.menoFrequente = static_cast<int>(n);
        if (attesa > 0) verifica.chi2 += (frequenze[n] - attesa) * (frequenze[n] - attesa) / attesa;
    }
    verifica.chi2 *= 89.0 / 85.0;
    verifica.p = pChiQuadro(verifica.chi2, verifica.gradi);
    verifica.compatibile = verifica.p >= 0.01;
    return verifica;
}

std::string giudizioVerifica(const VerificaCaso& verifica) {
    if (verifica.compatibile) return "compatibile con il caso";
    char p[32];
    std::snprintf(p, sizeof p, "%.1e", verifica.p);
    std::string testo = p;
    std::replace(testo.begin(), testo.end(), '.', ',');
    return "lontano da quanto il caso farebbe attendere (p = " + testo + ")";
}

} // namespace stats
