#include "Lotto.h"

#include "Testo.h"

#include <algorithm>

namespace core {

std::string Comprimi_Estrazione(const int* numeri, int quanti) {
    std::string testo;
    for (int i = 1; i <= quanti; ++i)
        testo.push_back(static_cast<char>(codificaNumero(numeri[i])));
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
        const int n = valoreCodice(static_cast<std::uint8_t>(pulito[static_cast<std::size_t>(i - 1)]));
        numeri[static_cast<std::size_t>(i)] = n;
        risultato += allineaDestra(std::to_string(n), 2);
        risultato += ' ';
    }
    return risultato;
}

int giornoSettimana(std::string_view data) {
    return data.size() < 10 ? 0 : Data::daRecord(data).giornoSettimana();
}

void LOTTO::LeggiESTRAZIONE(int w, int d) {
    auto& numeri = m_stato.Numeri_Estratti;
    numeri.fill(0);
    const auto& archivio = m_stato.Archivio_Estrazioni;
    if (w < 1 || w > NUMERO_RUOTE || d < 0 || d > archivio.capacita()) return;
    int letti[NUMERI_PER_RECORD];
    if (!decodificaRuota(archivio.record(w, d), letti)) return;
    std::copy_n(letti, NUMERI_PER_RECORD, numeri.begin() + 1);
    numeri[0] = -1;
}

void LOTTO::LeggiESTRATTIcompressi(int w, int d) {
    auto& estratti = m_stato.Estratti_Compressi;
    for (auto& e : estratti)
        e.clear();
    const auto& archivio = m_stato.Archivio_Estrazioni;
    if (w < 1 || w > NUMERO_RUOTE || d < 0 || d > archivio.capacita()) return;
    const std::uint8_t* record = archivio.record(w, d);
    // A record whose first number is drawn gives its characters, even when a later one is not.
    if (decodificaNumero(record[0]) < 1 || recordDanneggiato(record)) return;
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
    if (d < 1) return "-"; // mutazioni: equivalente — no draw d, no date: "-" all the same
    const int giorno = giornoSettimana(data(d));
    return giorno >= 1 ? m_stato.Nome_Giorno[static_cast<std::size_t>(giorno)] : "-";
}

std::string LOTTO::NomeGIORNATAapp(int d) const {
    if (d < 1) return "-"; // mutazioni: equivalente — no draw d, no date: "-" all the same
    const int app = appartenenza(d);
    return app >= 1 ? m_stato.Nome_Giorno[static_cast<std::size_t>(app)] : "-";
}

std::string LOTTO::NumeroGIORNATAapp(int d) const {
    if (d < 1) return "0"; // mutazioni: equivalente — no draw d, no date: "0" all the same
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
