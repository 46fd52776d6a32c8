#include "Lotto.h"

#include "Testo.h"

#include <algorithm>

namespace core {

std::string Comprimi_Estrazione(const int* numeri, int quanti) {
    std::string testo;
    for (int i = 1; i <= quanti; ++i) {
        const int n = numeri[i];
        testo.push_back(static_cast<char>(n >= 0 && n <= NUMERO_MASSIMO ? 140 - n : CODICE_NULLO));
    }
    return testo;
}

std::string Decomprimi_Estrazione(Stato& stato, std::string_view testo) {
    auto& numeri = stato.Numeri_Estratti;
    numeri.fill(0);
    const std::string_view pulito = senzaSpazi(testo);
    const int quanti = static_cast<int>(std::min<std::size_t>(pulito.size(), NUMERO_MASSIMO));
    numeri[0] = quanti;
    std::string risultato;
    for (int i = 1; i <= quanti; ++i) {
        const int n = 140 - static_cast<std::uint8_t>(pulito[static_cast<std::size_t>(i - 1)]);
        numeri[static_cast<std::size_t>(i)] = n;
        risultato += allineaDestra(std::to_string(n), 2);
        risultato += ' ';
    }
    return risultato;
}

bool recordDanneggiato(const std::uint8_t* record) {
    for (int i = 0; i < NUMERI_PER_RUOTA; ++i)
        if (record[i] < CODICE_MINIMO || record[i] > CODICE_NULLO) return true;
    return false;
}

int giornoSettimana(std::string_view data) {
    if (data.size() < 10) return 0;
    const int giorno = valoreNumerico(data.substr(0, 2));
    const int mese = valoreNumerico(data.substr(3, 2));
    const int anno = valoreNumerico(data.substr(6, 4));
    if (mese < 1 || mese > 12 || giorno < 1 || anno < 1) return 0;
    static constexpr int giorniMese[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bisestile = (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
    const int massimo = giorniMese[mese - 1] + (mese == 2 && bisestile ? 1 : 0);
    if (giorno > massimo) return 0;
    // Zeller's congruence on the Gregorian calendar, turned to Monday = 1 .. Sunday = 7.
    int m = mese, a = anno;
    if (m < 3) {
        m += 12;
        a -= 1;
    }
    const int k = a % 100, j = a / 100;
    const int h = (giorno + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7; // 0 = Saturday
    return (h + 5) % 7 + 1;
}

void LOTTO::LeggiESTRAZIONE(int w, int d) {
    auto& numeri = m_stato.Numeri_Estratti;
    numeri.fill(0);
    const auto& archivio = m_stato.Archivio_Estrazioni;
    if (w < 1 || w > NUMERO_RUOTE || d < 0 || d > archivio.capacita()) return;
    const std::uint8_t* record = archivio.record(w, d);
    for (int i = 1; i <= NUMERI_PER_RUOTA; ++i) {
        const int n = 140 - record[i - 1];
        if (n <= 0 || n > NUMERO_MASSIMO) {
            numeri.fill(0);
            return;
        }
        numeri[static_cast<std::size_t>(i)] = n;
    }
    numeri[0] = -1;
}

void LOTTO::LeggiESTRATTIcompressi(int w, int d) {
    auto& estratti = m_stato.Estratti_Compressi;
    for (auto& e : estratti)
        e.clear();
    const auto& archivio = m_stato.Archivio_Estrazioni;
    if (w < 1 || w > NUMERO_RUOTE || d < 0 || d > archivio.capacita()) return;
    const std::uint8_t* record = archivio.record(w, d);
    const int primo = 140 - record[0];
    if (primo < 1 || primo > NUMERO_MASSIMO || recordDanneggiato(record)) return;
    for (int i = 1; i <= NUMERI_PER_RUOTA; ++i)
        estratti[static_cast<std::size_t>(i)].push_back(static_cast<char>(record[i - 1]));
    estratti[0].push_back('K'); // the element was emptied above
}

std::string_view LOTTO::data(int d) const {
    const auto& date = m_stato.Data_Estrazione;
    return d >= 0 && static_cast<std::size_t>(d) < date.size()
               ? std::string_view(date[static_cast<std::size_t>(d)])
               : std::string_view();
}

std::string_view LOTTO::concorso(int d) const {
    const auto& concorsi = m_stato.Concorso_Estrazione;
    return d >= 0 && static_cast<std::size_t>(d) < concorsi.size()
               ? std::string_view(concorsi[static_cast<std::size_t>(d)])
               : std::string_view();
}

static std::string_view ultimi(std::string_view testo, std::size_t quanti) {
    return testo.size() <= quanti ? testo : testo.substr(testo.size() - quanti);
}

int LOTTO::NumeroGIORNO() const {
    return valoreNumerico(data(m_stato.Estrazione_Corrente).substr(0, 2));
}

int LOTTO::NumeroMESE() const {
    const auto testo = data(m_stato.Estrazione_Corrente);
    return testo.size() > 3 ? valoreNumerico(testo.substr(3, 2)) : 0;
}

int LOTTO::NumeroCONCORSO() const {
    return valoreNumerico(concorso(m_stato.Estrazione_Corrente).substr(0, 3));
}

int LOTTO::NumeroANNO() const {
    return valoreNumerico(ultimi(concorso(m_stato.Estrazione_Corrente), 4));
}

int LOTTO::NumeroANNO_DATA() const {
    return valoreNumerico(ultimi(data(m_stato.Estrazione_Corrente), 4));
}

int LOTTO::appartenenza(int d) const {
    const int giorno = giornoSettimana(data(d));
    if (giorno < 1) return 0;
    const int app = m_stato.Giornata_Appartenenza[static_cast<std::size_t>(giorno)];
    return app >= 1 && app <= 7 ? app : 0;
}

std::string LOTTO::NomeGIORNATA(int d) const {
    if (d < 1) return "-";
    const int giorno = giornoSettimana(data(d));
    return giorno >= 1 ? m_stato.Nome_Giorno[static_cast<std::size_t>(giorno)] : "-";
}

std::string LOTTO::NomeGIORNATAapp(int d) const {
    if (d < 1) return "-";
    const int app = appartenenza(d);
    return app >= 1 ? m_stato.Nome_Giorno[static_cast<std::size_t>(app)] : "-";
}

std::string LOTTO::NumeroGIORNATAapp(int d) const {
    if (d < 1) return "0";
    return std::to_string(appartenenza(d));
}

int LOTTO::Sfaldati(std::string_view t, const std::array<std::string, 6>& e) const {
    if (m_stato.Numeri_Estratti[0] == 0) return 0;
    int trovati = 0;
    for (int i = 1; i <= 5; ++i)
        if (t.find(e[static_cast<std::size_t>(i)]) != std::string_view::npos) ++trovati;
    return trovati;
}

} // namespace core
