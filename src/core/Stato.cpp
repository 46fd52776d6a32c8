#include "Stato.h"

#include "Campi.h"
#include "Formato.h"
#include "Lotto.h"
#include "Testo.h"

namespace core {

void ArchivioEstrazioni::dimensiona(int capacita) {
    m_capacita = capacita < 0 ? -1 : capacita;
    m_byte.assign(static_cast<std::size_t>(m_capacita + 1) * BYTE_PER_ESTRAZIONE, CODICE_NULLO);
}

void TabellaAnni::dimensiona(int primo, int ultimo) {
    m_primo = primo;
    m_valori.assign(ultimo >= primo ? static_cast<std::size_t>(ultimo - primo + 1) : 0, 0);
}

Stato::Stato(std::filesystem::path cartella) : Cartella_Programma(std::move(cartella)) {}

void Imposta_Tabelle_Globali(Stato& stato) {
    // The wheels and the date and contest files are named as their archive files; 0 names the wheels
    // together.
    for (std::size_t f = 0; f < stato.Nome_Ruota.size(); ++f)
        stato.Nome_Ruota[f] = nomeFile(static_cast<int>(f));
    stato.Nome_Ruota[0] = "INCROCIATE";
    stato.Nome_Giorno = {"", "Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato", "Domenica"};
    stato.Nome_Mese = {"",       "Gennaio", "Febbraio",  "Marzo",   "Aprile",   "Maggio",  "Giugno",
                       "Luglio", "Agosto",  "Settembre", "Ottobre", "Novembre", "Dicembre"};
    stato.Nome_Sorte = {"Nessuna", "Estratto", "Ambo", "Terno", "Quaterna", "Cinquina"};
    stato.Nome_Moneta = {"Euro", "Lire"};
    stato.Cartella_Ruote = "RUOTE";
    stato.Max_Estrazioni_Archivio = 32000;
}

void impostaSelezioneRuote(Stato& stato, const SpunteRuote& spuntate) {
    stato.Ruota_Selezionata.fill(0);
    stato.Elenco_Ruote_Selezionate.fill(0);
    for (int w = 1; w <= NUMERO_RUOTE; ++w) {
        if (!spuntate[static_cast<std::size_t>(w)]) continue;
        stato.Ruota_Selezionata[static_cast<std::size_t>(w)] = -1;
        ++stato.Ruota_Selezionata[0];
        const int quante = ++stato.Elenco_Ruote_Selezionate[0];
        stato.Elenco_Ruote_Selezionate[static_cast<std::size_t>(quante)] = w;
    }
}

bool selezioneDaTesto(Stato& stato, std::string_view testo, bool nazionale) {
    const std::string_view pulito = senzaSpazi(testo);
    if (pulito.size() < RUOTE_TRADIZIONALI) return false;
    bool qualcuna = nazionale;
    for (std::size_t i = 0; i < RUOTE_TRADIZIONALI; ++i) {
        if (valoreNumerico(pulito.substr(i, 1)) > 1) return false;
        if (pulito[i] == '1') qualcuna = true;
    }
    if (!qualcuna) return false;
    SpunteRuote spuntate{};
    for (int w = 1; w <= RUOTE_TRADIZIONALI; ++w)
        spuntate[static_cast<std::size_t>(w)] = pulito[static_cast<std::size_t>(w - 1)] == '1';
    spuntate[RUOTA_NAZIONALE] = nazionale;
    impostaSelezioneRuote(stato, spuntate);
    return true;
}

void Inizializza_Dati_Archivio(Stato& stato) {
    LOTTO lotto(stato);
    const int caricate = stato.Estrazioni_Caricate;

    stato.Estrazione_Corrente = 1;
    stato.Primo_Anno = lotto.NumeroANNO();
    stato.Estrazione_Corrente = caricate;
    stato.Ultimo_Anno = lotto.NumeroANNO();
    stato.Numero_Anni = stato.Ultimo_Anno - stato.Primo_Anno + 1;

    stato.Prima_Estrazione_Anno.dimensiona(stato.Primo_Anno, stato.Ultimo_Anno);
    stato.Ultima_Estrazione_Anno.dimensiona(stato.Primo_Anno, stato.Ultimo_Anno);
    stato.Estrazioni_Anno.dimensiona(stato.Primo_Anno, stato.Ultimo_Anno);

    // First and last draw of each year; a year lower than the previous one starts and ends nothing,
    // and the year tables ignore any year outside their range.
    int annoPrecedente = 0;
    for (int d = 1; d <= caricate; ++d) {
        stato.Estrazione_Corrente = d;
        const int anno = lotto.NumeroANNO();
        if (anno > annoPrecedente) {
            stato.Prima_Estrazione_Anno.imposta(anno, d);
            if (d > 1) stato.Ultima_Estrazione_Anno.imposta(annoPrecedente, d - 1);
            annoPrecedente = anno;
        }
    }
    stato.Estrazione_Corrente = caricate;
    if (caricate >= 1) stato.Ultima_Estrazione_Anno.imposta(lotto.NumeroANNO(), caricate);

    for (int d = 1; d <= caricate; ++d) {
        stato.Estrazione_Corrente = d;
        stato.Estrazioni_Anno.aggiungi(lotto.NumeroANNO(), 1);
    }

    // The Nazionale counts from its first real record.
    stato.Prima_Estrazione_Nazionale = 0;
    for (int d = 1; d <= caricate && stato.Prima_Estrazione_Nazionale == 0; ++d)
        if (stato.Archivio_Estrazioni.record(RUOTA_NAZIONALE, d)[0] != CODICE_NULLO)
            stato.Prima_Estrazione_Nazionale = d;

    selezioneDaTesto(stato, leggiTesto(stato, campi::RUOTE_SELEZIONATE),
                     valoreCampo(stato, campi::NAZIONALE_SELEZIONATA) == 1);

    // The payout table is read by the stakes module right after this routine (see Carica_Archivio).

    stato.Puntatore_Griglie = valoreCampo(stato, campi::PUNTATORE_GRIGLIE);
    stato.Estrazione_Corrente = caricate;
}

} // namespace core
