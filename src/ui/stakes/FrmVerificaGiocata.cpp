#include "FrmVerificaGiocata.h"

#include "core/Campi.h"
#include "core/FileSicuro.h"
#include "stakes/Poste.h"
#include "ui/Guida.h"
#include "ui/Posizione.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Stampa.h"
#include "ui/Tastiera.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QDateTimeAxis>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

namespace ui {

namespace {

/** The field that keeps the last ticket checked. */
constexpr core::CampoTestoLungo ULTIMA_GIOCATA = core::campi::ULTIMA_GIOCATA;
const QColor COLORE_VINCENTE(0xff, 0xf1, 0x9c);
const QColor COLORE_SALDO(0x1f, 0x5a, 0xa6);

QString testo(const std::string& byte) {
    return QString::fromStdString(byte);
}

QDate giorno(const core::Data& data) {
    return QDate(data.anno, data.mese, data.giorno);
}

/** The stake as its box shows it: "0,50", empty for a sorte not played. */
QString testoPuntata(long long centesimi) {
    return centesimi <= 0 ? QString() : testo(stakes::Importo::daCentesimi(centesimi).testoItaliano());
}

/** The balance after each draw checked, over the draws' dates, in a window of its own. */
void apriGraficoSaldo(const stakes::Verifica& verifica, const stakes::Importo& costo, const QString& titolo,
                      QWidget* genitore) {
    auto* finestra = new QWidget(genitore, Qt::Window);
    finestra->setObjectName(QStringLiteral("frmGraficoSaldo"));
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowTitle(QStringLiteral("Grafico del saldo"));
    auto* linea = new QLineSeries;
    linea->setName(QStringLiteral("Saldo dopo ogni estrazione"));
    linea->setPen(QPen(COLORE_SALDO, 2));
    stakes::Importo saldo;
    double minimo = 0, massimo = 0;
    for (const auto& estrazione : verifica.estrazioni) {
        saldo += estrazione.vinta.netta - costo;
        const QDate data = giorno(estrazione.data);
        if (!data.isValid()) continue;
        const double valore = static_cast<double>(saldo.centesimi()) / 100;
        minimo = std::min(minimo, valore);
        massimo = std::max(massimo, valore);
        linea->append(static_cast<double>(QDateTime(data, QTime(12, 0)).toMSecsSinceEpoch()), valore);
    }
    auto* grafico = new QChart;
    grafico->setTitle(titolo);
    grafico->addSeries(linea);
    auto* asseDate = new QDateTimeAxis;
    asseDate->setFormat(QStringLiteral("dd/MM/yyyy"));
    asseDate->setTickCount(5);
    auto* asseSaldo = new QValueAxis;
    asseSaldo->setLabelFormat(QStringLiteral("%.2f"));
    asseSaldo->setRange(minimo - 1, massimo + 1);
    asseSaldo->applyNiceNumbers();
    grafico->addAxis(asseDate, Qt::AlignBottom);
    grafico->addAxis(asseSaldo, Qt::AlignLeft);
    linea->attachAxis(asseDate);
    linea->attachAxis(asseSaldo);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    auto* vista = new QChartView(grafico, finestra);
    vista->setObjectName(QStringLiteral("vistaSaldo"));
    vista->setRenderHint(QPainter::Antialiasing);
    auto* cmdChiudi = pulsante(finestra, "cmdChiudi", QStringLiteral("Chiudi"));
    QObject::connect(cmdChiudi, &QPushButton::clicked, finestra, &QWidget::close);
    auto* layout = new QVBoxLayout(finestra);
    layout->addWidget(vista, 1);
    layout->addWidget(cmdChiudi, 0, Qt::AlignRight);
    finestra->resize(760, 480);
    preparaTastiera(finestra, true);
    finestra->show();
}

} // namespace

frmVerificaGiocata::frmVerificaGiocata(core::Stato& stato, QWidget* principale)
    : QWidget(nullptr, Qt::Window), m_stato(stato), m_principale(principale) {
    setObjectName(QStringLiteral("frmVerificaGiocata"));
    setWindowTitle(QStringLiteral("Verifica giocata"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* principaleLayout = new QVBoxLayout(this);
    principaleLayout->setContentsMargins(6, 6, 6, 6);
    principaleLayout->setSpacing(4);

    auto* giocata = new QGroupBox(QStringLiteral("Giocata"), this);
    auto* griglia = new QGridLayout(giocata);
    griglia->setVerticalSpacing(3);
    auto* lblNumeri = new QLabel(QStringLiteral("&Numeri:"), giocata);
    txtNumeri = new QLineEdit(giocata);
    txtNumeri->setObjectName(QStringLiteral("txtNumeri"));
    txtNumeri->setPlaceholderText(QStringLiteral("da 1 a 10 numeri, per esempio 12 34 56"));
    lblNumeri->setBuddy(txtNumeri);
    griglia->addWidget(lblNumeri, 0, 0);
    griglia->addWidget(txtNumeri, 0, 1, 1, 6);

    auto* lblRuote = new QLabel(QStringLiteral("Ruote:"), giocata);
    griglia->addWidget(lblRuote, 1, 0);
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        auto* casella = new QCheckBox(testo(m_stato.Nome_Ruota[static_cast<std::size_t>(w)]), giocata);
        casella->setObjectName(QStringLiteral("chkRuota_%1").arg(w));
        chkRuota[static_cast<std::size_t>(w)] = casella;
        griglia->addWidget(casella, 1 + (w - 1) / 6, 1 + (w - 1) % 6);
    }
    chkTutte = new QCheckBox(QStringLiteral("Tutte"), giocata);
    chkTutte->setObjectName(QStringLiteral("chkTutte"));
    chkTutte->setToolTip(QStringLiteral("Le dieci ruote tradizionali, senza la Nazionale"));
    griglia->addWidget(chkTutte, 2, 6);

    auto* lblPoste =
        new QLabel(QStringLiteral("Poste (%1):").arg(testo(stakes::nomeMoneta(m_stato))), giocata);
    griglia->addWidget(lblPoste, 3, 0);
    auto* poste = new QHBoxLayout;
    for (int k = 1; k <= 5; ++k) {
        auto* etichetta = new QLabel(testo(m_stato.Nome_Sorte[static_cast<std::size_t>(k)]) + ':', giocata);
        auto* casella = new QLineEdit(giocata);
        casella->setObjectName(QStringLiteral("txtPosta_%1").arg(k));
        casella->setMaximumWidth(80);
        casella->setToolTip(QStringLiteral("Euro con al più due decimali (0,50); vuota: sorte non giocata"));
        etichetta->setBuddy(casella);
        txtPosta[static_cast<std::size_t>(k)] = casella;
        poste->addWidget(etichetta);
        poste->addWidget(casella);
    }
    poste->addStretch(1);
    griglia->addLayout(poste, 3, 1, 1, 6);

    auto* lblDal = new QLabel(QStringLiteral("Dal:"), giocata);
    griglia->addWidget(lblDal, 4, 0);
    auto* dal = new QHBoxLayout;
    optUltima = new QRadioButton(QStringLiteral("&Ultima estrazione"), giocata);
    optUltima->setObjectName(QStringLiteral("optUltima"));
    optDallaData = new QRadioButton(QStringLiteral("Dalla &data"), giocata);
    optDallaData->setObjectName(QStringLiteral("optDallaData"));
    dtpDal = new QDateEdit(giocata);
    dtpDal->setObjectName(QStringLiteral("dtpDal"));
    dtpDal->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtpDal->setCalendarPopup(true);
    auto* lblColpi = new QLabel(QStringLiteral("Colpi:"), giocata);
    spnColpi = new QSpinBox(giocata);
    spnColpi->setObjectName(QStringLiteral("spnColpi"));
    lblColpi->setBuddy(spnColpi);
    auto* cmdVerifica = pulsante(giocata, "cmdVerifica", QStringLiteral("&Verifica"),
                                 QStringLiteral("Verifica la giocata sulle estrazioni dell'archivio"));
    QFont grassetto = cmdVerifica->font();
    grassetto.setBold(true);
    cmdVerifica->setFont(grassetto);
    cmdVerifica->setDefault(true);
    dal->addWidget(optUltima);
    dal->addWidget(optDallaData);
    dal->addWidget(dtpDal);
    dal->addSpacing(12);
    dal->addWidget(lblColpi);
    dal->addWidget(spnColpi);
    dal->addStretch(1);
    dal->addWidget(cmdVerifica);
    griglia->addLayout(dal, 4, 1, 1, 6);
    principaleLayout->addWidget(giocata);

    mfgVerifica = new QTableWidget(0, 6, this);
    mfgVerifica->setObjectName(QStringLiteral("mfgVerifica"));
    mfgVerifica->setHorizontalHeaderLabels(
        {QStringLiteral("Data"), QStringLiteral("Concorso"), QStringLiteral("Numeri indovinati"),
         QStringLiteral("Sorti vinte"), QStringLiteral("Lorda"), QStringLiteral("Netta")});
    mfgVerifica->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mfgVerifica->setSelectionBehavior(QAbstractItemView::SelectRows);
    mfgVerifica->verticalHeader()->hide();
    mfgVerifica->verticalHeader()->setDefaultSectionSize(mfgVerifica->fontMetrics().height() + 4);
    // Dates and amounts whole; the guessed numbers and the sorti share the rest, whole in their tooltips.
    mfgVerifica->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mfgVerifica->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    mfgVerifica->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    mfgVerifica->setWordWrap(false);
    mfgVerifica->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    principaleLayout->addWidget(mfgVerifica, 1);

    lblTotali = new QLabel(QStringLiteral("Nessuna verifica effettuata."), this);
    lblTotali->setObjectName(QStringLiteral("lblTotali"));
    lblTotali->setTextInteractionFlags(Qt::TextSelectableByMouse);
    principaleLayout->addWidget(lblTotali);

    auto* pulsanti = new QHBoxLayout;
    auto* cmdGrafico = pulsante(this, "cmdGrafico", QStringLiteral("Grafico"),
                                QStringLiteral("Il saldo della giocata dopo ogni estrazione verificata"));
    auto* cmdEsporta = pulsante(this, "cmdEsporta", QStringLiteral("Esporta"),
                                QStringLiteral("Salva in un file CSV le vincite, una riga per sorte vinta"));
    auto* cmdStampa = pulsante(this, "cmdStampa", QStringLiteral("Stampa"));
    auto* cmdHelp = pulsante(this, "cmdHelp", QStringLiteral("Guida"));
    auto* cmdPrincipale = pulsante(this, "cmdPrincipale", QStringLiteral("Chiudi"));
    pulsanti->addStretch(1);
    for (QPushButton* tasto : {cmdGrafico, cmdEsporta, cmdStampa, cmdHelp, cmdPrincipale})
        pulsanti->addWidget(tasto);
    principaleLayout->addLayout(pulsanti);

    connect(chkTutte, &QCheckBox::toggled, this, &frmVerificaGiocata::chkTutte_Toggled);
    // "Tutte" stays ticked only while the ten are.
    for (int w = 1; w <= core::RUOTE_TRADIZIONALI; ++w)
        connect(chkRuota[static_cast<std::size_t>(w)], &QCheckBox::toggled, this, [this] {
            const QSignalBlocker blocco(chkTutte);
            chkTutte->setChecked(std::all_of(chkRuota.begin() + 1,
                                             chkRuota.begin() + 1 + core::RUOTE_TRADIZIONALI,
                                             [](const QCheckBox* casella) { return casella->isChecked(); }));
        });
    connect(optDallaData, &QRadioButton::toggled, dtpDal, &QWidget::setEnabled);
    connect(cmdVerifica, &QPushButton::clicked, this, &frmVerificaGiocata::cmdVerifica_Click);
    connect(txtNumeri, &QLineEdit::returnPressed, this, &frmVerificaGiocata::cmdVerifica_Click);
    connect(cmdGrafico, &QPushButton::clicked, this, &frmVerificaGiocata::cmdGrafico_Click);
    connect(cmdEsporta, &QPushButton::clicked, this, &frmVerificaGiocata::cmdEsporta_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &frmVerificaGiocata::cmdStampa_Click);
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("verifica_giocata.htm")); });
    connect(cmdPrincipale, &QPushButton::clicked, this, &QWidget::close);

    if (const QDate ultima = aggiornaLimiti(); ultima.isValid()) dtpDal->setDate(ultima);
    optUltima->setChecked(true);
    dtpDal->setEnabled(false);
    riempiDaRicordo();
    resize(780, 500);
}

QDate frmVerificaGiocata::aggiornaLimiti() {
    spnColpi->setRange(1, std::max(1, m_stato.Estrazioni_Caricate));
    // The dates of the first and last loaded draws bound the date box; a damaged table bounds nothing.
    const auto dataDi = [this](int d) {
        return d >= 1 && static_cast<std::size_t>(d) < m_stato.Data_Estrazione.size()
                   ? giorno(core::Data::daRecord(m_stato.Data_Estrazione[static_cast<std::size_t>(d)]))
                   : QDate();
    };
    const QDate prima = dataDi(1), fine = dataDi(m_stato.Estrazioni_Caricate);
    if (prima.isValid() && fine.isValid() && prima <= fine) dtpDal->setDateRange(prima, fine);
    return fine;
}

void frmVerificaGiocata::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    // Back in front after the archive changed elsewhere: the colpi and the dates follow the loaded draws.
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) aggiornaLimiti();
}

void frmVerificaGiocata::riempiDaRicordo() {
    const auto ricordo = stakes::bollettaDaTesto(core::leggiTestoLungo(m_stato, ULTIMA_GIOCATA));
    if (!ricordo) return;
    const auto& [bolletta, colpi] = *ricordo;
    QStringList numeri;
    for (int numero : bolletta.numeri)
        numeri << QString::number(numero);
    txtNumeri->setText(numeri.join(' '));
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        chkRuota[static_cast<std::size_t>(w)]->setChecked(bolletta.ruote[static_cast<std::size_t>(w)]);
    for (std::size_t k = 1; k <= 5; ++k)
        txtPosta[k]->setText(testoPuntata(bolletta.puntate[k]));
    spnColpi->setValue(colpi);
}

void frmVerificaGiocata::chkTutte_Toggled(bool spuntata) {
    for (int w = 1; w <= core::RUOTE_TRADIZIONALI; ++w)
        chkRuota[static_cast<std::size_t>(w)]->setChecked(spuntata);
}

void frmVerificaGiocata::cmdVerifica_Click() {
    const auto rifiuta = [this](const std::string& messaggio, QWidget* casella) {
        prompt::informa(this, QStringLiteral("Verifica giocata"), testo(messaggio), prompt::Tipo::Avviso);
        if (casella) casella->setFocus();
    };
    stakes::Bolletta bolletta;
    auto numeri = stakes::leggiNumeri(txtNumeri->text().toStdString());
    if (!numeri) return rifiuta(numeri.messaggio(), txtNumeri);
    bolletta.numeri = std::move(*numeri);
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w)
        bolletta.ruote[static_cast<std::size_t>(w)] = chkRuota[static_cast<std::size_t>(w)]->isChecked();
    for (int k = 1; k <= 5; ++k) {
        QLineEdit* casella = txtPosta[static_cast<std::size_t>(k)];
        const auto puntata = stakes::leggiPuntata(casella->text().toStdString(), k);
        if (!puntata) return rifiuta(puntata.messaggio(), casella);
        bolletta.puntate[static_cast<std::size_t>(k)] = *puntata;
    }
    if (auto valida = stakes::controllaBolletta(bolletta); !valida)
        return rifiuta(valida.messaggio(), nullptr);
    int dal = m_stato.Estrazioni_Caricate;
    if (optDallaData->isChecked()) {
        const QDate data = dtpDal->date();
        dal = stakes::primaEstrazioneDal(m_stato, core::Data{data.year(), data.month(), data.day()});
        if (dal == 0)
            return rifiuta("Nessuna estrazione dell'archivio è del " +
                               data.toString("d/M/yyyy").toStdString() + " o successiva.",
                           dtpDal);
    }
    auto verifica = stakes::verificaBolletta(m_stato, bolletta, dal, spnColpi->value());
    if (!verifica) return rifiuta(verifica.messaggio(), nullptr);
    m_verifica = std::move(*verifica);
    m_bolletta = bolletta;
    mostraRisultati();
    if (!core::scriviTestoLungo(m_stato, ULTIMA_GIOCATA, stakes::testoBolletta(bolletta, spnColpi->value())))
        avvisaImpostazioniNonScritte(this);
}

void frmVerificaGiocata::mostraRisultati() {
    const stakes::Verifica& verifica = *m_verifica;
    mfgVerifica->setUpdatesEnabled(false);
    mfgVerifica->setRowCount(0);
    mfgVerifica->setRowCount(static_cast<int>(verifica.estrazioni.size()));
    int r = 0;
    for (const auto& estrazione : verifica.estrazioni) {
        const auto riga = stakes::rigaVerifica(verifica, estrazione);
        const std::array<std::string, 6> celle{riga.data,  riga.concorso, riga.indovinati,
                                               riga.sorti, riga.lorda,    riga.netta};
        for (std::size_t c = 0; c < celle.size(); ++c) {
            auto* cella = new QTableWidgetItem(testo(celle[c]));
            if (c >= 4) cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 2 || c == 3) cella->setToolTip(cella->text());
            if (estrazione.vincente()) cella->setBackground(COLORE_VINCENTE);
            mfgVerifica->setItem(r, static_cast<int>(c), cella);
        }
        ++r;
    }
    mfgVerifica->setUpdatesEnabled(true);

    const QString moneta = ' ' + testo(stakes::nomeMoneta(m_stato));
    QString prima = QStringLiteral("nessuna");
    if (verifica.primaVincita >= 0) {
        const auto& vincente = verifica.estrazioni[static_cast<std::size_t>(verifica.primaVincita)];
        prima = QStringLiteral("%1 (estrazione %2)")
                    .arg(testo(stakes::rigaVerifica(verifica, vincente).data))
                    .arg(vincente.estrazione);
    }
    QString totali = QStringLiteral("Estrazioni verificate: %1").arg(verifica.estrazioni.size());
    if (static_cast<int>(verifica.estrazioni.size()) < verifica.richieste)
        totali += QStringLiteral(" delle %1 richieste (l'archivio finisce prima)").arg(verifica.richieste);
    totali +=
        QStringLiteral("   Spesa: %1%2   Vinto (netto): %3%2   Saldo: %4%2\n"
                       "Prima vincita: %5   Più lunga serie senza vincite: %6 estrazioni")
            .arg(testo(verifica.spesa.testoItaliano()), moneta, testo(verifica.vinta.netta.testoItaliano()),
                 testo(verifica.saldo().testoItaliano()), prima)
            .arg(verifica.senzaVincitaPiuLunga);
    lblTotali->setText(totali);
}

bool frmVerificaGiocata::richiedeRisultati() {
    if (m_verifica) return true;
    prompt::informa(this, QStringLiteral("Verifica giocata"),
                    QStringLiteral("Nessun risultato: verificare prima una giocata."));
    return false;
}

void frmVerificaGiocata::cmdEsporta_Click() {
    if (!richiedeRisultati()) return;
    const QString percorso = prompt::scegliFileDaSalvare(
        this, QStringLiteral("Esporta le vincite"),
        QDir::home().filePath(QStringLiteral("verifica_giocata.csv")), QStringLiteral("File CSV (*.csv)"));
    if (percorso.isEmpty()) return;
    // Written beside the chosen name and renamed over it: a failed export leaves no half file there.
    if (!core::scriviFileSicuro(QFile::encodeName(percorso).toStdString(), stakes::csvVincite(*m_verifica))) {
        prompt::informa(
            this, QStringLiteral("Verifica giocata"),
            QStringLiteral("Impossibile scrivere il file %1: le vincite non sono state esportate; un "
                           "file con quel nome, se c'era, è rimasto com'era.")
                .arg(QDir::toNativeSeparators(percorso)),
            prompt::Tipo::Avviso);
        return;
    }
    prompt::informa(this, QStringLiteral("Verifica giocata"),
                    QStringLiteral("Vincite esportate in %1.").arg(QDir::toNativeSeparators(percorso)));
}

void frmVerificaGiocata::cmdStampa_Click() {
    if (!richiedeRisultati()) return;
    Stampa stampa;
    if (!stampa.Imposta_Stampante(this, 1)) return;
    stampa.riga(QStringLiteral("Verifica giocata"), true);
    for (const std::string& riga : stakes::righeStampa(m_stato, m_bolletta, *m_verifica))
        stampa.riga(testo(riga));
    stampa.fine();
}

void frmVerificaGiocata::cmdGrafico_Click() {
    if (!richiedeRisultati()) return;
    apriGraficoSaldo(*m_verifica, m_bolletta.costo(),
                     QStringLiteral("Saldo della giocata: %1 estrazioni, saldo finale %2")
                         .arg(m_verifica->estrazioni.size())
                         .arg(testo(m_verifica->saldo().testoItaliano())),
                     this);
}

void frmVerificaGiocata::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    if (!m_posizionata) {
        m_posizionata = true;
        preparaTastiera(this, true);
        sottoLaStriscia(this, m_principale);
    }
}

} // namespace ui
