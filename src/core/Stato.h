#pragma once

#include "Formato.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace core {

/** Wheels 1 (BARI) .. 10 (VENEZIA), the traditional ten that "Tutte" means, and 11 the Nazionale; numbers
 * 1..90; five numbers per wheel and draw. */
inline constexpr int NUMERO_RUOTE = RUOTE_ARCHIVIO;
inline constexpr int RUOTE_TRADIZIONALI = 10;
inline constexpr int RUOTA_NAZIONALE = FILE_NAZIONALE;
/** A tick per wheel, index 1..NUMERO_RUOTE (index 0 unused). */
using SpunteRuote = std::array<bool, NUMERO_RUOTE + 1>;
inline constexpr int NUMERI_PER_RUOTA = 5;
inline constexpr int NUMERO_MASSIMO = 90;
/** Bytes of the compressed record of one draw on every wheel. */
inline constexpr int BYTE_PER_ESTRAZIONE = NUMERO_RUOTE * NUMERI_PER_RUOTA;
/** Spare places past the archive's draws that the in-memory archive keeps, never filled by a load. */
inline constexpr int POSTI_DI_RISERVA = 200;

/**
 * The in-memory archive: the compressed record of each wheel (1..NUMERO_RUOTE) and loaded draw
 * (0..capacity), kept draw by draw so that one draw's wheels lie side by side. Draw 0 and the places past the
 * loaded draws hold null records (five bytes of 140).
 */
class ArchivioEstrazioni {
public:
    /** Dimensions the archive afresh for draws 0..capacita, every record null. */
    void dimensiona(int capacita);
    /** Highest draw index the archive has room for. */
    int capacita() const { return m_capacita; }
    /** The five bytes of wheel w (1..NUMERO_RUOTE) in draw d (0..capacita()). The caller keeps w and d in
     * range. */
    const std::uint8_t* record(int w, int d) const { return &m_byte[offset(w, d)]; }
    std::uint8_t* record(int w, int d) { return &m_byte[offset(w, d)]; }

private:
    static std::size_t offset(int w, int d) {
        return static_cast<std::size_t>(d) * BYTE_PER_ESTRAZIONE +
               static_cast<std::size_t>(w - 1) * NUMERI_PER_RUOTA;
    }
    std::vector<std::uint8_t> m_byte;
    int m_capacita = -1;
};

/**
 * A table indexed by year from Primo_Anno to Ultimo_Anno. Reading a year outside that range gives 0
 * and writing one changes nothing, so a year that an untidy archive holds outside its first and last
 * years never indexes outside the table.
 */
class TabellaAnni {
public:
    /** Dimensions the table to primo..ultimo, every element 0; an empty table when ultimo < primo. */
    void dimensiona(int primo, int ultimo);
    bool contiene(int anno) const {
        return anno >= m_primo && anno < m_primo + static_cast<int>(m_valori.size());
    }
    int operator()(int anno) const {
        return contiene(anno) ? m_valori[static_cast<std::size_t>(anno - m_primo)] : 0;
    }
    void imposta(int anno, int valore) {
        if (contiene(anno)) m_valori[static_cast<std::size_t>(anno - m_primo)] = valore;
    }
    void aggiungi(int anno, int quanto) {
        if (contiene(anno)) m_valori[static_cast<std::size_t>(anno - m_primo)] += quanto;
    }

private:
    int m_primo = 0;
    std::vector<int> m_valori;
};

/**
 * The program's shared state: the name tables, the constants and every variable that the windows and
 * routines share, with the names the program gives them. One object is owned by the program (or by a
 * test) and passed by reference to every window and routine.
 *
 * Flags are bool; tables that mix a count or a mark with values (Ruota_Selezionata, Numeri_Estratti)
 * keep the program's -1 for "true" and "real draw".
 */
struct Stato {
    /** Builds a state whose program folder is `cartella` (where RUOTE/ and ImpoBin live). */
    explicit Stato(std::filesystem::path cartella = {});

    // Name tables, filled by Imposta_Tabelle_Globali.
    std::array<std::string, 15> Nome_Ruota;
    std::array<std::string, 8> Nome_Giorno;
    std::array<std::string, 13> Nome_Mese;
    std::array<std::string, 6> Nome_Sorte;
    std::array<std::string, 2> Nome_Moneta;

    // Constants.
    std::string Cartella_Ruote;
    int Max_Estrazioni_Archivio = 0;

    /** The program folder, base of every path. */
    std::filesystem::path Cartella_Programma;

    // Archive and loading.
    std::int32_t Estrazioni_In_Archivio = 0;
    int Estrazioni_Caricate = 0;
    ArchivioEstrazioni Archivio_Estrazioni;
    std::vector<std::string> Data_Estrazione;
    std::vector<std::string> Concorso_Estrazione;
    int Estrazione_Corrente = 0;
    int Prima_Estrazione_Default = 0;
    int Ultima_Estrazione_Default = 0;
    int Max_Concorsi_Anno = 0;

    // Year tables.
    int Primo_Anno = 0;
    int Ultimo_Anno = 0;
    int Numero_Anni = 0;
    TabellaAnni Prima_Estrazione_Anno;
    TabellaAnni Ultima_Estrazione_Anno;
    TabellaAnni Estrazioni_Anno;

    // Wheel selection: element 0 of each is the count, 1..10 the flags (-1) or the listed wheels.
    std::array<int, NUMERO_RUOTE + 1> Ruota_Selezionata{};
    std::array<int, NUMERO_RUOTE + 1> Elenco_Ruote_Selezionate{};
    /** The first loaded draw with a real Nazionale record (the wheel did not exist before): the Nazionale
     * counts from there; 0 when no loaded draw has one, and the Nazionale then counts no draw. */
    int Prima_Estrazione_Nazionale = 0;

    // Search period: the draws a search covers, grouped in cycles. Estrazione_Selezionata,
    // Elenco_Estrazioni_Selezionate and Ciclo_Estrazione are indexed 0..Estrazioni_Caricate,
    // Inizio_Ciclo and Fine_Ciclo 0..Totale_Cicli (0..1 for a plain range).
    int Totale_Estrazioni_Selezionate = 0;
    int Totale_Cicli = 0;
    std::vector<int> Estrazione_Selezionata;
    std::vector<int> Elenco_Estrazioni_Selezionate;
    std::vector<int> Ciclo_Estrazione;
    std::vector<int> Inizio_Ciclo;
    std::vector<int> Fine_Ciclo;

    // Flags and options.
    bool Periodo_Da_Applicare = false;
    int Puntatore_Griglie = 0;
    int Toolbar_Visibile = 1;
    bool Estrazioni_Predefinite_Variate = false;
    bool Archivio_Modificato = false;
    /** The archive files as they were when the loaded draws were read from them: a different signature on
     * disk means another program changed the archive since. */
    FirmaArchivio Firma_Archivio_Caricato;
    /** When (local time) a check of the operator's site last found nothing newer than the archive; tm_year 0
     * when none in this run. */
    std::tm Controllo_Senza_Novita{};
    /** Operations on the archive files in this run: 1 draws added, 2 modified, 3 inserted, 4 deleted. */
    std::array<int, 5> Contatori_Modifiche{};
    std::array<int, 8> Giornata_Appartenenza{};

    // Payout table, kept by the stakes module (settings fields 64..70): Estratto pays Quota_Estratto
    // times the stake, Ambo..Cinquina Quote_Premi(2..5) times; Percentuale_Trattenuta percent is
    // withheld from winnings; Moneta_Utilizzata is the currency of stakes, 0 Euro, 1 Lire.
    double Quota_Estratto = 11.23;
    std::array<std::int32_t, 6> Quote_Premi{0, 0, 250, 4500, 120000, 6000000};
    double Percentuale_Trattenuta = 8.0;
    int Moneta_Utilizzata = 0;

    // Outputs of the draw-reading routines.
    std::array<int, 91> Numeri_Estratti{};
    std::array<std::string, 6> Estratti_Compressi;

    /** The archive folder: the program folder followed by Cartella_Ruote. */
    std::filesystem::path cartellaRuote() const { return Cartella_Programma / Cartella_Ruote; }
    /** The settings file ImpoBin in the program folder. */
    std::filesystem::path fileImpostazioni() const { return Cartella_Programma / "ImpoBin"; }
};

/** Fills the name tables and the constants of the state. */
void Imposta_Tabelle_Globali(Stato& stato);

/**
 * Derives from the loaded draws the year range, the year tables and Prima_Estrazione_Nazionale, restores
 * the saved wheel selection from settings field 23 (the Nazionale's tick from its own field) and sets
 * Puntatore_Griglie from field 86. Years are those of the
 * contest texts. A draw whose year lies outside Primo_Anno..Ultimo_Anno (an archive out of year order
 * at its ends) is left out of the tables. Leaves Estrazione_Corrente at Estrazioni_Caricate.
 */
void Inizializza_Dati_Archivio(Stato& stato);

/**
 * Rebuilds the wheel selection from the ticks (index 1..NUMERO_RUOTE, index 0 unused): Ruota_Selezionata gets
 * -1 for each ticked wheel and the count in element 0; Elenco_Ruote_Selezionate lists the wheels in ascending
 * order after its count. Both are cleared first, so they always describe the same set.
 */
void impostaSelezioneRuote(Stato& stato, const SpunteRuote& spuntate);

/**
 * Rebuilds the wheel selection from a text of ten characters, "1" for a selected wheel, as settings
 * field 23 stores it, and the Nazionale's tick. Returns false, leaving the selection unchanged, when the
 * trimmed text is shorter than ten characters, a character's value exceeds 1, or no wheel is selected.
 */
bool selezioneDaTesto(Stato& stato, std::string_view testo, bool nazionale = false);

} // namespace core
