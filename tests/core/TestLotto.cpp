// The draw encoding, the LOTTO readers of the loaded draws and the numeric value of a text.
#include "core/Lotto.h"
#include "core/Stato.h"
#include "core/Testo.h"

#include <QTest>

#include <algorithm>
#include <climits>

namespace {

using Interi = QList<int>;

QByteArray byte(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

QByteArray codici(std::initializer_list<int> valori) {
    QByteArray b;
    for (int v : valori)
        b.append(static_cast<char>(v));
    return b;
}

/** A state with its tables and room for draws 0..5, every record `record`; draw 1 has these texts. */
core::Stato statoConEstrazione(const QByteArray& record, const QString& data = " 2/ 3/2003",
                               const QString& concorso = " 26/2003") {
    core::Stato stato;
    core::Imposta_Tabelle_Globali(stato);
    stato.Archivio_Estrazioni.dimensiona(5);
    stato.Data_Estrazione = {"", data.toStdString(), "", "", "", ""};
    stato.Concorso_Estrazione = {"", concorso.toStdString(), "", "", "", ""};
    stato.Estrazioni_Caricate = stato.Estrazione_Corrente = 1;
    for (int d = 0; d <= 5; ++d)
        for (int w = 1; w <= 10; ++w)
            std::copy_n(record.constData(), std::min<qsizetype>(record.size(), 5),
                        stato.Archivio_Estrazioni.record(w, d));
    return stato;
}

} // namespace

class TestLotto : public QObject {
    Q_OBJECT

private slots:
    void codificaEDecodifica_data() {
        QTest::addColumn<Interi>("numeri");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QByteArray>("testo"); // the record decoded
        QTest::addRow("cinquina") << Interi{1, 45, 90, 9, 30} << codici({139, 95, 50, 131, 110})
                                  << QByteArray(" 1 45 90  9 30 ");
        QTest::addRow("fuori-da-0-90") << Interi{91, -1} << codici({140, 140}) << QByteArray(" 0  0 ");
        QTest::addRow("oltre-90-numeri")
            << Interi(120, 40) << QByteArray(120, char(100)) << QByteArray("40 ").repeated(90);
    }

    void codificaEDecodifica() {
        QFETCH(Interi, numeri);
        QFETCH(QByteArray, record);
        QFETCH(QByteArray, testo);
        const int quanti = static_cast<int>(numeri.size());
        const Interi conConteggio = Interi{quanti} + numeri;
        QCOMPARE(byte(core::Comprimi_Estrazione(conConteggio.data(), quanti)), record);

        // Decoding trims the text and reads at most 90 characters.
        core::Stato stato;
        stato.Numeri_Estratti.fill(77);
        QCOMPARE(byte(core::Decomprimi_Estrazione(stato, "  " + record.toStdString() + "   ")), testo);
        QCOMPARE(stato.Numeri_Estratti[0], std::min(quanti, 90));
        for (int i = 1; i <= 90; ++i) {
            const int n = i <= quanti ? numeri[i - 1] : 0;
            QCOMPARE(stato.Numeri_Estratti[static_cast<std::size_t>(i)], n >= 0 && n <= 90 ? n : 0);
        }
    }

    void leggiEstrazione_data() {
        QTest::addColumn<QByteArray>("record"); // every record of draws 0..5
        QTest::addColumn<int>("ruota");
        QTest::addColumn<int>("estrazione");
        QTest::addColumn<Interi>("attesi");  // elements 0..5 of Numeri_Estratti; the rest stay 0
        QTest::addColumn<bool>("compresso"); // LeggiESTRATTIcompressi gives "K" and the five bytes
        const QByteArray reale = codici({139, 95, 50, 100, 130});
        const Interi nulla(6, 0);
        QTest::addRow("reale") << reale << 1 << 1 << Interi{-1, 1, 45, 90, 40, 10} << true;
        QTest::addRow("nulla") << codici({140, 140, 140, 140, 140}) << 1 << 1 << nulla << false;
        QTest::addRow("ultimo-140") << codici({139, 95, 60, 100, 140}) << 1 << 1 << nulla << true;
        QTest::addRow("danneggiato-49") << codici({139, 49, 60, 100, 130}) << 1 << 1 << nulla << false;
        QTest::addRow("danneggiato-141") << codici({139, 95, 60, 100, 141}) << 1 << 1 << nulla << false;
        QTest::addRow("ruota-0") << reale << 0 << 1 << nulla << false;
        QTest::addRow("ruota-11") << reale << 11 << 1 << nulla << false;
        QTest::addRow("estrazione-negativa") << reale << 1 << -1 << nulla << false;
        QTest::addRow("oltre-le-dimensioni") << reale << 1 << 6 << nulla << false;
    }

    void leggiEstrazione() {
        QFETCH(QByteArray, record);
        QFETCH(int, ruota);
        QFETCH(int, estrazione);
        QFETCH(Interi, attesi);
        QFETCH(bool, compresso);
        auto stato = statoConEstrazione(record);
        core::LOTTO lotto(stato);
        stato.Numeri_Estratti.fill(77);
        lotto.LeggiESTRAZIONE(ruota, estrazione);
        QCOMPARE(Interi(stato.Numeri_Estratti.begin(), stato.Numeri_Estratti.end()), attesi + Interi(85, 0));

        stato.Estratti_Compressi.fill("x");
        lotto.LeggiESTRATTIcompressi(ruota, estrazione);
        QCOMPARE(stato.Estratti_Compressi[0], std::string(compresso ? "K" : ""));
        for (std::size_t i = 1; i <= 5; ++i)
            QCOMPARE(byte(stato.Estratti_Compressi[i]), compresso ? record.mid(qsizetype(i) - 1, 1) : "");
    }

    void campiDiDataEConcorso_data() {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("concorso");
        QTest::addColumn<Interi>("attesi"); // giorno, mese, concorso, anno, anno della data
        QTest::addRow("zeri-e-anni-diversi") << "05/12/1999"
                                             << "105/2000" << Interi{5, 12, 105, 2000, 1999};
        QTest::addRow("assenti") << ""
                                 << "" << Interi{0, 0, 0, 0, 0};
    }

    void campiDiDataEConcorso() {
        QFETCH(QString, data);
        QFETCH(QString, concorso);
        QFETCH(Interi, attesi);
        auto stato = statoConEstrazione(codici({140, 140, 140, 140, 140}), data, concorso);
        const core::LOTTO l(stato);
        const Interi letti{l.NumeroGIORNO(), l.NumeroMESE(), l.NumeroCONCORSO(), l.NumeroANNO(),
                           l.NumeroANNO_DATA()};
        QCOMPARE(letti, attesi);
    }

    void giorniDellaSettimana_data() {
        QTest::addColumn<QString>("data");
        QTest::addColumn<Interi>("tabella"); // Giornata_Appartenenza, index 1 = Monday
        QTest::addColumn<QString>("attesi"); // NomeGIORNATA, NomeGIORNATAapp, NumeroGIORNATAapp
        const Interi usuale{0, 6, 6, 3, 3, 3, 6, 6}, fuori{0, -1, -1, -1, -1, -1, -1, 99};
        QTest::addRow("domenica") << " 2/ 3/2003" << usuale << "Domenica Sabato 6";
        QTest::addRow("29-febbraio-2000-zeri") << "29/02/2000" << usuale << "Martedì Sabato 6";
        QTest::addRow("29-febbraio-1900") << "29/ 2/1900" << usuale << "- - 0";
        QTest::addRow("31-aprile") << "31/ 4/2003" << usuale << "- - 0";
        QTest::addRow("mese-13") << "10/13/2003" << usuale << "- - 0";
        QTest::addRow("giorno-0") << " 0/ 3/2003" << usuale << "- - 0";
        QTest::addRow("vuota") << "          " << usuale << "- - 0";
        QTest::addRow("tabella-di-zeri") << " 2/ 3/2003" << Interi(8, 0) << "Domenica - 0";
        QTest::addRow("tabella-99") << " 2/ 3/2003" << fuori << "Domenica - 0";
        QTest::addRow("tabella-meno-uno") << " 3/ 3/2003" << fuori << "Lunedì - 0";
    }

    void giorniDellaSettimana() {
        QFETCH(QString, data);
        QFETCH(Interi, tabella);
        QFETCH(QString, attesi);
        auto stato = statoConEstrazione(codici({140, 140, 140, 140, 140}), data);
        std::copy(tabella.begin(), tabella.end(), stato.Giornata_Appartenenza.begin());
        const core::LOTTO l(stato);
        const auto letti = l.NomeGIORNATA(1) + ' ' + l.NomeGIORNATAapp(1) + ' ' + l.NumeroGIORNATAapp(1);
        QCOMPARE(QString::fromStdString(letti), attesi);
    }

    void sfaldati() {
        core::Stato stato;
        const core::LOTTO lotto(stato);
        const std::array<std::string, 6> cercati{"", "12", "45", "", "90", "33"}; // "" counts as found
        stato.Numeri_Estratti[0] = -1;
        QCOMPARE(lotto.Sfaldati(" 7 12 45 81 90 ", cercati), 4);
        stato.Numeri_Estratti[0] = 0;
        QCOMPARE(lotto.Sfaldati(" 7 12 45 81 90 ", cercati), 0);
    }

    void valoreNumerico_data() {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("valore");
        QTest::addRow("spazi-iniziali") << "  42" << 42;
        QTest::addRow("cifre-poi-testo") << "12/2003" << 12;
        QTest::addRow("piu") << " +7" << 7;
        QTest::addRow("spazio-dopo-segno") << "- 5" << 0;
        QTest::addRow("minimo") << "-2147483648" << INT_MIN;
        QTest::addRow("traboccamento") << "99999999999999999999" << INT_MAX;
        QTest::addRow("traboccamento-negativo") << "-99999999999999999999" << INT_MIN;
    }

    void valoreNumerico() {
        QFETCH(QString, testo);
        QFETCH(int, valore);
        QCOMPARE(core::valoreNumerico(testo.toStdString()), valore);
    }
};

QTEST_APPLESS_MAIN(TestLotto)
#include "TestLotto.moc"
