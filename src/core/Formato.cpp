#include "Formato.h"

#include "Testo.h"

#include <cstdio>

namespace core {

bool recordDanneggiato(const std::uint8_t* record) {
    for (int i = 0; i < NUMERI_PER_RECORD; ++i)
        if (decodificaNumero(record[i]) < 0) return true;
    return false;
}

RecordRuota codificaRuota(const std::array<int, NUMERI_PER_RECORD>& numeri) {
    RecordRuota record;
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = codificaNumero(numeri[i]);
    return record;
}

std::string_view nomeFile(int f) {
    static constexpr std::string_view nomi[] = {"",        "BARI",      "CAGLIARI", "FIRENZE", "GENOVA",
                                                "MILANO",  "NAPOLI",    "PALERMO",  "ROMA",    "TORINO",
                                                "VENEZIA", "NAZIONALE", "DATA",     "CONCORSO"};
    return f >= 0 && f <= FILE_CONCORSO ? nomi[f] : std::string_view();
}

std::string_view siglaRuota(int w) {
    static constexpr std::string_view sigle[] = {"",   "BA", "CA", "FI", "GE", "MI",
                                                 "NA", "PA", "RO", "TO", "VE", "NZ"};
    return w >= 1 && w <= RUOTE_ARCHIVIO ? sigle[w] : std::string_view();
}

int giorniDelMese(int anno, int mese) {
    static constexpr int giorni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mese < 1 || mese > 12) return 0;
    const bool bisestile = (anno % 4 == 0 && anno % 100 != 0) || anno % 400 == 0;
    return giorni[mese - 1] + (mese == 2 && bisestile ? 1 : 0);
}

bool Data::valida() const {
    return anno >= PRIMO_ANNO_AMMESSO && anno <= ULTIMO_ANNO_AMMESSO && giorno >= 1 &&
           giorno <= giorniDelMese(anno, mese);
}

long Data::giorni() const {
    // Days from 1 March of year 0: the leap day falls at the end of each counted year.
    const long a = mese <= 2 ? anno - 1 : anno;
    const long m = mese <= 2 ? mese + 9 : mese - 3;
    return a * 365 + a / 4 - a / 100 + a / 400 + (153 * m + 2) / 5 + giorno - 1;
}

int Data::giornoSettimana() const {
    if (anno < 1 || giorno < 1 || giorno > giorniDelMese(anno, mese)) return 0;
    // 1 March of year 0 was a Wednesday (3).
    return static_cast<int>((giorni() + 2) % 7) + 1;
}

std::string Data::testo() const {
    return std::to_string(giorno) + '/' + std::to_string(mese) + '/' + std::to_string(anno);
}

std::optional<Data> Data::daTesto(std::string_view testo) {
    const std::string campi(testo);
    Data data;
    char barra1 = 0, barra2 = 0, resto = 0;
    // NOLINTNEXTLINE(cert-err34-c): the fields are checked as a calendar date just after
    if (std::sscanf(campi.c_str(), " %d %c %d %c %d %c", &data.giorno, &barra1, &data.mese, &barra2,
                    &data.anno, &resto) != 5 ||
        barra1 != '/' || barra2 != '/' || !data.valida())
        return std::nullopt;
    return data;
}

std::string Data::record() const {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%2d/%2d/%04d", giorno % 100, mese % 100, anno % 10000);
    return testo;
}

namespace {

/**
 * The value of the field record[inizio, inizio + quanti) when it is blanks followed by digits, the way
 * the program writes it; -1 for any other field, which valoreNumerico then reads. Dates and contests
 * are read once per draw by every series, so their usual shape takes no detour.
 */
int campoSemplice(std::string_view record, std::size_t inizio, std::size_t quanti) {
    int valore = 0;
    bool cifre = false;
    for (std::size_t i = inizio; i < inizio + quanti && i < record.size(); ++i) {
        const char c = record[i];
        if (c >= '0' && c <= '9') { // mutazioni: equivalente — a field it refuses is read again below
            valore = valore * 10 + (c - '0');
            cifre = true;
        } else if (c != ' ' || cifre) {
            return -1;
        }
    }
    return valore;
}

} // namespace

Data Data::daRecord(std::string_view record) {
    const int giorno = campoSemplice(record, 0, 2), mese = campoSemplice(record, 3, 2),
              anno = campoSemplice(record, 6, 4);
    if ((giorno | mese | anno) >= 0) return Data{anno, mese, giorno};
    const auto parte = [&](std::size_t inizio, std::size_t quanti) {
        return inizio < record.size() ? valoreNumerico(record.substr(inizio, quanti)) : 0;
    };
    return Data{parte(6, 4), parte(3, 2), parte(0, 2)};
}

std::string recordConcorso(int numero, int anno) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%3d/%04d", numero % 1000, anno % 10000);
    return testo;
}

Concorso Concorso::daRecord(std::string_view record) {
    const int numero = campoSemplice(record, 0, 3), anno = campoSemplice(record, 4, 4);
    if ((numero | anno) >= 0) return Concorso{numero, anno};
    const auto parte = [&](std::size_t inizio, std::size_t quanti) {
        return inizio < record.size() ? valoreNumerico(record.substr(inizio, quanti)) : 0;
    };
    return Concorso{parte(0, 3), parte(4, 4)};
}

namespace {

std::string_view campo(std::string_view record, std::size_t inizio, std::size_t quanti) {
    return inizio < record.size() ? record.substr(inizio, quanti) : std::string_view();
}

} // namespace

std::array<std::string_view, 3> campiRecordData(std::string_view record) {
    return {campo(record, 0, 2), campo(record, 3, 2), campo(record, 6, 4)};
}

std::array<std::string_view, 2> campiRecordConcorso(std::string_view record) {
    return {campo(record, 0, 3), campo(record, 4, 4)};
}

std::tm oraLocale() {
    const std::time_t ora = std::time(nullptr);
    std::tm quando{};
    localtime_r(&ora, &quando);
    return quando;
}

} // namespace core
