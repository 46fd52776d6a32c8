#include "Decompressione.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>
#include <zlib.h>

namespace importa {

namespace {

constexpr std::uint32_t FIRMA_LOCALE = 0x04034b50;
constexpr std::uint32_t FIRMA_CENTRALE = 0x02014b50;
constexpr std::uint32_t FIRMA_FINE = 0x06054b50;
constexpr std::size_t BYTE_FINE = 22;
constexpr std::size_t BYTE_CENTRALE = 46;
constexpr std::size_t BYTE_LOCALE = 30;

/** Little-endian fields of a zip, read only when they lie inside the bytes. */
struct Lettore {
    std::string_view byte;
    bool dentro(std::size_t da, std::size_t quanti) const {
        return da <= byte.size() && quanti <= byte.size() - da;
    }
    std::uint32_t u16(std::size_t da) const {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(byte[da])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(byte[da + 1])) << 8;
    }
    std::uint32_t u32(std::size_t da) const { return u16(da) | u16(da + 2) << 16; }
};

/**
 * Inflates `ingresso` (windowBits as zlib takes them) onto the end of `uscita`, up to MASSIMO_TESTO
 * bytes in all, straight into the string (`previsti`, the expected size, only spares reallocations).
 * Returns the bytes of `ingresso` consumed by one complete stream, or nothing when the data is damaged,
 * truncated or too long (`errore` then tells why).
 */
std::optional<std::size_t> inflata(std::string_view ingresso, int windowBits, std::size_t previsti,
                                   std::string& uscita, std::string& errore) {
    z_stream flusso{};
    if (inflateInit2(&flusso, windowBits) != Z_OK) {
        errore = "impossibile avviare la decompressione";
        return std::nullopt;
    }
    // The input is at most the size of the file, itself limited well below 4 GiB by the caller.
    flusso.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(ingresso.data()));
    flusso.avail_in = static_cast<uInt>(ingresso.size());
    const std::size_t inizio = uscita.size();
    // One byte of room past the limit tells a text that is too long from one that just fits.
    const std::size_t limite = MASSIMO_TESTO - std::min(inizio, MASSIMO_TESTO) + 1;
    std::size_t prodotti = 0;
    uscita.resize(inizio + std::min(std::max<std::size_t>(previsti + 1, 1 << 16), limite));
    int esito = Z_OK;
    while (esito == Z_OK) {
        if (inizio + prodotti == uscita.size()) {
            if (uscita.size() - inizio >= limite) break;
            uscita.resize(inizio + std::min(2 * (uscita.size() - inizio), limite));
        }
        flusso.next_out = reinterpret_cast<Bytef*>(uscita.data() + inizio + prodotti);
        flusso.avail_out = static_cast<uInt>(uscita.size() - inizio - prodotti);
        const uInt spazio = flusso.avail_out;
        esito = inflate(&flusso, Z_NO_FLUSH);
        prodotti += spazio - flusso.avail_out;
        if (esito == Z_BUF_ERROR && flusso.avail_in == 0)
            break; // truncated: no more input to finish the stream
    }
    uscita.resize(inizio + prodotti);
    const std::size_t consumati = ingresso.size() - flusso.avail_in;
    inflateEnd(&flusso);
    if (prodotti >= limite) {
        errore = "il testo decompresso supera i " + std::to_string(MASSIMO_TESTO >> 20) + " MiB";
        return std::nullopt;
    }
    if (esito != Z_STREAM_END) {
        errore =
            esito == Z_BUF_ERROR ? "i dati compressi sono incompleti" : "i dati compressi sono danneggiati";
        return std::nullopt;
    }
    return consumati;
}

TestoEstratto daGzip(std::string_view byte) {
    TestoEstratto esito;
    esito.formato = Formato::Gzip;
    // A gzip file may hold several members one after the other; their texts follow each other.
    // The last four bytes give the size of the text (of the last member, modulo 4 GiB): a hint only.
    const Lettore z{byte};
    const std::size_t previsti =
        byte.size() >= 4 ? std::min<std::size_t>(z.u32(byte.size() - 4), 64 * byte.size()) : 0;
    while (!byte.empty()) {
        const auto consumati = inflata(byte, 16 + MAX_WBITS, previsti, esito.testo, esito.errore);
        if (!consumati) {
            esito.errore = "file gzip non valido: " + esito.errore;
            return esito;
        }
        byte.remove_prefix(*consumati);
        if (!byte.empty() && !(byte.size() >= 2 && byte[0] == '\x1f' && byte[1] == '\x8b')) {
            esito.errore = "file gzip non valido: dati estranei dopo la fine dei dati compressi";
            return esito;
        }
    }
    return esito;
}

std::string minuscolo(std::string testo) {
    for (char& c : testo)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return testo;
}

/** An entry of the zip's central directory. */
struct Voce {
    std::string nome;
    std::uint32_t flag = 0, metodo = 0, crc = 0, compressi = 0, originali = 0, locale = 0;
};

TestoEstratto daZip(std::string_view byte) {
    TestoEstratto esito;
    esito.formato = Formato::Zip;
    const Lettore z{byte};
    const auto errore = [&](const std::string& motivo) {
        esito.errore = "file zip non valido: " + motivo;
        return esito;
    };
    if (byte.size() < BYTE_FINE) return errore("è troppo corto");
    // The end record is the last 22 bytes, unless a comment of up to 65535 bytes follows it.
    std::optional<std::size_t> fine;
    const std::size_t ultimo = byte.size() - BYTE_FINE;
    for (std::size_t p = ultimo + 1; p-- > (ultimo > 0xFFFF ? ultimo - 0xFFFF : 0);) {
        if (z.u32(p) == FIRMA_FINE && p + BYTE_FINE + z.u16(p + 20) == byte.size()) {
            fine = p;
            break;
        }
    }
    if (!fine) return errore("manca l'indice delle voci");
    const std::uint32_t voci = z.u16(*fine + 10), dimensione = z.u32(*fine + 12), inizio = z.u32(*fine + 16);
    if (voci == 0xFFFF || dimensione == 0xFFFFFFFF || inizio == 0xFFFFFFFF)
        return errore("il formato zip64 non è gestito");
    if (z.u16(*fine + 4) != 0 || z.u16(*fine + 6) != 0)
        return errore("gli archivi su più volumi non sono gestiti");
    if (!z.dentro(inizio, dimensione) || inizio + std::size_t{dimensione} > *fine)
        return errore("l'indice delle voci è fuori dal file");

    std::vector<Voce> elenco;
    std::size_t p = inizio;
    for (std::uint32_t i = 0; i < voci; ++i) {
        if (!z.dentro(p, BYTE_CENTRALE) || z.u32(p) != FIRMA_CENTRALE)
            return errore("l'indice delle voci è danneggiato");
        Voce voce;
        voce.flag = z.u16(p + 8);
        voce.metodo = z.u16(p + 10);
        voce.crc = z.u32(p + 16);
        voce.compressi = z.u32(p + 20);
        voce.originali = z.u32(p + 24);
        voce.locale = z.u32(p + 42);
        const std::size_t nome = z.u16(p + 28), extra = z.u16(p + 30), commento = z.u16(p + 32);
        if (!z.dentro(p + BYTE_CENTRALE, nome + extra + commento))
            return errore("l'indice delle voci è danneggiato");
        voce.nome.assign(byte.substr(p + BYTE_CENTRALE, nome));
        elenco.push_back(std::move(voce));
        p += BYTE_CENTRALE + nome + extra + commento;
    }

    // storico.txt wherever it lies in the zip; otherwise the only .txt entry.
    const auto base = [](const std::string& nome) {
        return minuscolo(nome.substr(nome.find_last_of("/\\") + 1));
    };
    const Voce* scelta = nullptr;
    for (const auto& voce : elenco)
        if (base(voce.nome) == "storico.txt") scelta = &voce;
    if (!scelta) {
        int testi = 0;
        for (const auto& voce : elenco) {
            const std::string nome = base(voce.nome);
            if (nome.size() > 4 && nome.ends_with(".txt")) {
                scelta = &voce;
                ++testi;
            }
        }
        if (testi != 1) {
            esito.errore =
                testi == 0 ? "il file zip non contiene storico.txt né un altro file .txt"
                           : "il file zip non contiene storico.txt ma più file .txt: non si sa quale usare";
            return esito;
        }
    }
    esito.voce = scelta->nome;
    if (scelta->flag & 1) return errore(scelta->nome + " è cifrato");
    if (scelta->metodo != 0 && scelta->metodo != 8)
        return errore(scelta->nome + " usa un metodo di compressione non gestito");
    if (scelta->compressi == 0xFFFFFFFF || scelta->originali == 0xFFFFFFFF)
        return errore("il formato zip64 non è gestito");
    if (scelta->originali > MASSIMO_TESTO)
        return errore(scelta->nome + " supera i " + std::to_string(MASSIMO_TESTO >> 20) + " MiB");
    const std::size_t locale = scelta->locale;
    if (!z.dentro(locale, BYTE_LOCALE) || z.u32(locale) != FIRMA_LOCALE)
        return errore("l'intestazione di " + scelta->nome + " è danneggiata");
    const std::size_t dati = locale + BYTE_LOCALE + z.u16(locale + 26) + z.u16(locale + 28);
    if (!z.dentro(dati, scelta->compressi)) return errore(scelta->nome + " esce dal file");
    const std::string_view compressi = byte.substr(dati, scelta->compressi);
    if (scelta->metodo == 0) {
        if (scelta->compressi != scelta->originali)
            return errore("le dimensioni di " + scelta->nome + " non concordano");
        esito.testo.assign(compressi);
    } else {
        std::string motivo;
        if (!inflata(compressi, -MAX_WBITS, scelta->originali, esito.testo, motivo))
            return errore(scelta->nome + ": " + motivo);
        if (esito.testo.size() != scelta->originali)
            return errore("le dimensioni di " + scelta->nome + " non concordano");
    }
    const auto crc =
        crc32(0L, reinterpret_cast<const Bytef*>(esito.testo.data()), static_cast<uInt>(esito.testo.size()));
    if (crc != scelta->crc) {
        esito.testo.clear();
        return errore(scelta->nome + " è danneggiato (controllo CRC non superato)");
    }
    return esito;
}

} // namespace

TestoEstratto estraiTesto(std::string_view byte) {
    if (byte.size() >= 2 && byte[0] == '\x1f' && byte[1] == '\x8b') return daGzip(byte);
    if (byte.size() >= 4 && byte.substr(0, 2) == "PK" &&
        (byte.substr(2, 2) == "\x03\x04" || byte.substr(2, 2) == "\x05\x06"))
        return daZip(byte);
    TestoEstratto esito;
    if (byte.size() > MASSIMO_TESTO)
        esito.errore = "il file supera i " + std::to_string(MASSIMO_TESTO >> 20) + " MiB";
    else
        esito.testo.assign(byte);
    return esito;
}

} // namespace importa
