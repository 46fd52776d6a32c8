#include "FrmVisionaDieciRuote.h"

#include "ui/Guida.h"
#include "ui/Icone.h"
#include "ui/Posizione.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Tastiera.h"
#include "ui/TestoData.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace ui {

namespace {

constexpr int RIGHE_SPECIFICI = 3;
const char* const DIDASCALIE_DATI[RIGHE_SPECIFICI] = {"DATA", "CONCORSO", "ESTRAZIONE"};

QTableWidget* griglia(QWidget* genitore, const QString& nome, int righe, int colonne) {
    auto* nuova = new QTableWidget(righe, colonne, genitore);
    nuova->setObjectName(nome);
    impostaGrigliaFissa(nuova);
    return nuova;
}

/** The cell's item, created empty and with the given alignment when the grid has none there yet. */
QTableWidgetItem* cella(QTableWidget* griglia, int riga, int colonna,
                        Qt::Alignment allineamento = Qt::AlignCenter) {
    QTableWidgetItem* elemento = griglia->item(riga, colonna);
    if (!elemento) {
        elemento = new QTableWidgetItem;
        griglia->setItem(riga, colonna, elemento);
    }
    elemento->setTextAlignment(allineamento);
    return elemento;
}

/** Every column `larghezza` pixels wide and the grid exactly as large as its cells. */
void dimensiona(QTableWidget* griglia, int larghezza) {
    for (int c = 0; c < griglia->columnCount(); ++c)
        griglia->setColumnWidth(c, larghezza);
    griglia->setFixedSize(larghezza * griglia->columnCount() + 2 * griglia->frameWidth(),
                          griglia->verticalHeader()->defaultSectionSize() * griglia->rowCount() +
                              2 * griglia->frameWidth());
}

/**
 * Sets a bar's value and runs its change action once: Qt runs it on a real change, and the viewer
 * runs it itself when the bar already holds the value.
 */
template <class Azione> void impostaBarra(QScrollBar* barra, int valore, Azione azione) {
    if (barra->value() == valore)
        azione();
    else
        barra->setValue(valore);
}

} // namespace

frmVisionaDieciRuote::frmVisionaDieciRuote(core::Stato& stato, QWidget* principale)
    : QWidget(nullptr, Qt::Window), m_stato(stato), m_principale(principale) {
    setObjectName(QStringLiteral("frmVisionaDieciRuote"));
    setWindowTitle(QStringLiteral("Sfoglia Archivio"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* esterno = new QVBoxLayout(this);
    esterno->setContentsMargins(6, 6, 6, 6);

    // The captions on the left, then the four panels: date grid above, number grid below.
    auto* fmePannelli = new QFrame(this);
    fmePannelli->setObjectName(QStringLiteral("fmePannelli"));
    auto* pannelli = new QGridLayout(fmePannelli);
    pannelli->setContentsMargins(0, 0, 0, 0);
    pannelli->setHorizontalSpacing(3);
    pannelli->setVerticalSpacing(3);
    mfgGrigliaDati = griglia(fmePannelli, QStringLiteral("mfgGrigliaDati"), RIGHE_SPECIFICI, 1);
    mfgGrigliaRuote = griglia(fmePannelli, QStringLiteral("mfgGrigliaRuote"), core::NUMERO_RUOTE, 1);
    pannelli->addWidget(mfgGrigliaDati, 0, 0);
    pannelli->addWidget(mfgGrigliaRuote, 1, 0);
    for (int g = 1; g <= viewer::NUMERO_PANNELLI; ++g) {
        const auto i = static_cast<std::size_t>(g);
        mfgSpecifici[i] = griglia(fmePannelli, QStringLiteral("mfgSpecifici_%1").arg(g), RIGHE_SPECIFICI, 1);
        mfgVisiona[i] = griglia(fmePannelli, QStringLiteral("mfgVisiona_%1").arg(g), core::NUMERO_RUOTE,
                                core::NUMERI_PER_RUOTA);
        pannelli->addWidget(mfgSpecifici[i], 0, g);
        pannelli->addWidget(mfgVisiona[i], 1, g);
    }
    pannelli->setColumnStretch(viewer::NUMERO_PANNELLI + 1, 1);
    esterno->addWidget(fmePannelli);

    // Widths from the font: a number column holds "90", a date column "00/00/0000"; the five number
    // columns of a panel are exactly as wide as its date column.
    QFont grassetto = mfgGrigliaRuote->font();
    grassetto.setBold(true);
    const QFontMetrics metrica(mfgVisiona[1]->font());
    const QFontMetrics metricaGrassetto(grassetto);
    m_larghezzaNumero = std::max(metrica.horizontalAdvance(QStringLiteral("90")) + 14, 30);
    m_larghezzaNumero =
        std::max(m_larghezzaNumero, (metrica.horizontalAdvance(QStringLiteral("00/00/0000")) + 16 + 4) / 5);
    m_larghezzaSpecifici = m_larghezzaNumero * core::NUMERI_PER_RUOTA;
    int larghezzaDidascalie = 0;
    for (const char* testo : {"ESTRAZIONE", "CONCORSO", "VENEZIA ", "CAGLIARI "})
        larghezzaDidascalie = std::max(larghezzaDidascalie,
                                       metricaGrassetto.horizontalAdvance(QString::fromLatin1(testo)) + 12);
    dimensiona(mfgGrigliaDati, larghezzaDidascalie);
    dimensiona(mfgGrigliaRuote, larghezzaDidascalie);

    // Navigation: the bar of the draws, the two steps, first and last, the source of the draws.
    auto* fmeNavigazione = new QGroupBox(this);
    fmeNavigazione->setObjectName(QStringLiteral("fmeNavigazione"));
    auto* navigazione = new QGridLayout(fmeNavigazione);
    navigazione->addWidget(new QLabel(QStringLiteral("Selezione:"), fmeNavigazione), 0, 0, 1, 4);
    cmdInizio = pulsante(fmeNavigazione, "cmdInizio", QStringLiteral("|◄"),
                         QStringLiteral("Prima estrazione caricata"));
    hscEstrazioni = barraOrizzontale(fmeNavigazione, "hscEstrazioni");
    cmdine = pulsante(fmeNavigazione, "cmdine", QStringLiteral("►|"),
                      QStringLiteral("Ultima estrazione caricata"));
    for (QPushButton* tasto : {cmdInizio, cmdine})
        tasto->setMaximumWidth(40);
    auto* rigaEstrazioni = new QHBoxLayout;
    rigaEstrazioni->addWidget(cmdInizio);
    rigaEstrazioni->addWidget(hscEstrazioni, 1);
    rigaEstrazioni->addWidget(cmdine);
    navigazione->addLayout(rigaEstrazioni, 1, 0, 1, 4);
    navigazione->addWidget(new QLabel(QStringLiteral("salto corto:"), fmeNavigazione), 2, 0, 1, 2);
    navigazione->addWidget(new QLabel(QStringLiteral("salto lungo:"), fmeNavigazione), 2, 2, 1, 2);
    hscSmall = barraOrizzontale(fmeNavigazione, "hscSmall");
    lblSmall = etichettaValore(fmeNavigazione, "lblSmall", 40);
    hscLarge = barraOrizzontale(fmeNavigazione, "hscLarge");
    lblLarge = etichettaValore(fmeNavigazione, "lblLarge", 40);
    for (QLabel* etichetta : {lblSmall, lblLarge})
        etichetta->setAlignment(Qt::AlignCenter);
    navigazione->addWidget(hscSmall, 3, 0);
    navigazione->addWidget(lblSmall, 3, 1);
    navigazione->addWidget(hscLarge, 3, 2);
    navigazione->addWidget(lblLarge, 3, 3);
    navigazione->setColumnStretch(0, 1);
    navigazione->setColumnStretch(2, 1);
    // A typed date: the panels go to the first draw of that day or later.
    auto* rigaData = new QHBoxLayout;
    auto* etichettaData = new QLabel(QStringLiteral("Data (g/m/aaaa):"), fmeNavigazione);
    txtData = new QLineEdit(fmeNavigazione);
    txtData->setObjectName(QStringLiteral("txtData"));
    txtData->setMaximumWidth(txtData->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    txtData->installEventFilter(this);
    etichettaData->setBuddy(txtData);
    auto* cmdVaiData = pulsante(fmeNavigazione, "cmdVaiData", QStringLiteral("Vai alla data"));
    rigaData->addWidget(etichettaData);
    rigaData->addWidget(txtData);
    rigaData->addWidget(cmdVaiData);
    rigaData->addStretch(1);
    navigazione->addLayout(rigaData, 4, 0, 1, 4);
    esterno->addWidget(fmeNavigazione);
    connect(cmdVaiData, &QPushButton::clicked, this, &frmVisionaDieciRuote::vaiAllaData);
    connect(txtData, &QLineEdit::returnPressed, this, &frmVisionaDieciRuote::vaiAllaData);
    // The mouse wheel over the panels pages through the draws as the bar's steps do.
    for (int g = 1; g <= viewer::NUMERO_PANNELLI; ++g)
        for (QTableWidget* griglia :
             {mfgSpecifici[static_cast<std::size_t>(g)], mfgVisiona[static_cast<std::size_t>(g)]})
            griglia->viewport()->installEventFilter(this);

    auto* rigaPulsanti = new QHBoxLayout;
    optTipoArchivio = new QRadioButton(QStringLiteral("Tutte le estrazioni Caricate"), this);
    optTipoArchivio->setObjectName(QStringLiteral("optTipoArchivio_1"));
    auto* cmdHelp = pulsante(this, "cmdHelp", QStringLiteral("Guida"));
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("sfoglia_archivio.htm")); });
    auto* cmdChiudi = pulsante(this, "cmdChiudi", QStringLiteral("Chiudi"));
    rigaPulsanti->addWidget(optTipoArchivio);
    rigaPulsanti->addStretch(1);
    rigaPulsanti->addWidget(cmdHelp);
    rigaPulsanti->addWidget(cmdChiudi);
    esterno->addLayout(rigaPulsanti);
    esterno->addStretch(1);

    // The panels are written once per move of a bar, not at every pixel of a drag; the step labels
    // follow the thumb.
    unValorePerMossa(hscEstrazioni);
    unValorePerMossa(hscSmall, lblSmall);
    unValorePerMossa(hscLarge, lblLarge);
    connect(hscEstrazioni, &QScrollBar::valueChanged, this, &frmVisionaDieciRuote::hscEstrazioni_Change);
    connect(hscSmall, &QScrollBar::valueChanged, this, &frmVisionaDieciRuote::hscSmall_Change);
    connect(hscLarge, &QScrollBar::valueChanged, this, &frmVisionaDieciRuote::hscLarge_Change);
    connect(cmdInizio, &QPushButton::clicked, this, [this] {
        impostaBarra(hscEstrazioni, hscEstrazioni->minimum(), [this] { hscEstrazioni_Change(); });
    });
    connect(cmdine, &QPushButton::clicked, this, [this] {
        impostaBarra(hscEstrazioni, hscEstrazioni->maximum(), [this] { hscEstrazioni_Change(); });
    });
    // The only option is always ticked, so a click on it is the user's way back to the last draw.
    connect(optTipoArchivio, &QRadioButton::clicked, this, &frmVisionaDieciRuote::Imposta_HscEstrazioni);
    connect(cmdChiudi, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
    preparaTastiera(this);
}

void frmVisionaDieciRuote::Form_Load() {
    Imposta_HscEstrazioni();
    Reset_Griglie();
    optTipoArchivio->setChecked(true);
    Imposta_HscEstrazioni();
    impostaPuntatore();
    viewer::segnaArchivioLetto(m_stato);
}

void frmVisionaDieciRuote::impostaPuntatore() {
    for (int g = 1; g <= viewer::NUMERO_PANNELLI; ++g) {
        QTableWidget* numeri = mfgVisiona[static_cast<std::size_t>(g)];
        if (m_stato.Puntatore_Griglie == 1)
            numeri->setCursor(puntatoreGriglie());
        else
            numeri->unsetCursor();
    }
}

void frmVisionaDieciRuote::Reset_Griglia(int g) {
    QTableWidget* specifici = mfgSpecifici[static_cast<std::size_t>(g)];
    QTableWidget* numeri = mfgVisiona[static_cast<std::size_t>(g)];
    for (QTableWidget* griglia : {specifici, numeri})
        griglia->setUpdatesEnabled(false);
    dimensiona(specifici, m_larghezzaSpecifici);
    dimensiona(numeri, m_larghezzaNumero);
    for (int r = 0; r < RIGHE_SPECIFICI; ++r)
        cella(specifici, r, 0)->setText(QString());
    for (int r = 0; r < core::NUMERO_RUOTE; ++r)
        for (int c = 0; c < core::NUMERI_PER_RUOTA; ++c)
            cella(numeri, r, c)->setText(QString());
    for (QTableWidget* griglia : {specifici, numeri})
        griglia->setUpdatesEnabled(true);
}

void frmVisionaDieciRuote::Reset_Griglie() {
    QFont grassetto = mfgGrigliaRuote->font();
    grassetto.setBold(true);
    for (int w = 1; w <= core::NUMERO_RUOTE; ++w) {
        QTableWidgetItem* nome = cella(mfgGrigliaRuote, w - 1, 0, Qt::AlignLeft | Qt::AlignVCenter);
        nome->setText(QString::fromStdString(m_stato.Nome_Ruota[static_cast<std::size_t>(w)]) +
                      QLatin1Char(' '));
        nome->setFont(grassetto);
    }
    for (int r = 0; r < RIGHE_SPECIFICI; ++r) {
        QTableWidgetItem* didascalia = cella(mfgGrigliaDati, r, 0, Qt::AlignLeft | Qt::AlignVCenter);
        didascalia->setText(QString::fromLatin1(DIDASCALIE_DATI[r]));
        didascalia->setFont(grassetto);
    }
    for (int g = 1; g <= viewer::NUMERO_PANNELLI; ++g)
        Reset_Griglia(g);
}

void frmVisionaDieciRuote::Scrivi_Date_mfgSpecifici(int g, const viewer::Pannello& pannello) {
    QTableWidget* specifici = mfgSpecifici[static_cast<std::size_t>(g)];
    specifici->setUpdatesEnabled(false);
    cella(specifici, 0, 0)->setText(testoData(pannello.data));
    cella(specifici, 1, 0)->setText(testoArchivio(pannello.concorso));
    cella(specifici, 2, 0)->setText(QString::fromStdString(pannello.indice));
    specifici->setUpdatesEnabled(true);
}

void frmVisionaDieciRuote::Imposta_HscEstrazioni() {
    const viewer::Navigazione barre = viewer::navigazioneIniziale(m_stato);
    hscSmall->setRange(1, barre.limiteSalti);
    hscLarge->setRange(1, barre.limiteSalti);
    impostaBarra(hscSmall, barre.saltoCorto, [this] { hscSmall_Change(); });
    impostaBarra(hscLarge, barre.saltoLungo, [this] { hscLarge_Change(); });
    hscEstrazioni->setSingleStep(hscSmall->value());
    hscEstrazioni->setPageStep(hscLarge->value());
    hscEstrazioni->setRange(barre.minimo, barre.massimo);
    impostaBarra(hscEstrazioni, barre.valore, [this] { hscEstrazioni_Change(); });
}

void frmVisionaDieciRuote::hscEstrazioni_Change() {
    const auto pannelli = viewer::pannelli(m_stato, hscEstrazioni->value());
    for (int g = 1; g <= viewer::NUMERO_PANNELLI; ++g) {
        const viewer::Pannello& pannello = pannelli[static_cast<std::size_t>(g - 1)];
        Reset_Griglia(g);
        QTableWidget* numeri = mfgVisiona[static_cast<std::size_t>(g)];
        numeri->setUpdatesEnabled(false);
        for (int r = 0; r < core::NUMERO_RUOTE; ++r)
            for (int c = 0; c < core::NUMERI_PER_RUOTA; ++c) // mutazioni: equivalente (< -> <=) — Qt drops it
                cella(numeri, r, c)
                    ->setText(QString::fromStdString(
                        viewer::testoCella(pannello.Numeri_Pannello[static_cast<std::size_t>(r) + 1]
                                                                   [static_cast<std::size_t>(c) + 1])));
        numeri->setUpdatesEnabled(true);
        Scrivi_Date_mfgSpecifici(g, pannello);
    }
}

void frmVisionaDieciRuote::hscSmall_Change() {
    lblSmall->setText(QString::number(hscSmall->value()));
    hscEstrazioni->setSingleStep(hscSmall->value());
}

void frmVisionaDieciRuote::hscLarge_Change() {
    lblLarge->setText(QString::number(hscLarge->value()));
    hscEstrazioni->setPageStep(hscLarge->value());
}

void frmVisionaDieciRuote::Form_Activate() {
    if (m_inAttivazione || !viewer::archivioVariato(m_stato)) return;
    // The notice is modal: the activation it causes when it closes must not show it again.
    m_inAttivazione = true;
    prompt::informa(
        this, titoloProgramma(),
        QStringLiteral("ATTENZIONE: Sono state effettuate alcune variazioni sull' Archivio, ora verranno "
                       "aggiornati i dati visualizzati!"));
    Form_Load();
    m_inAttivazione = false;
}

void frmVisionaDieciRuote::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    // Centred when it first appears; afterwards it stays where the user put it.
    if (!m_centrata) {
        m_centrata = true;
        sottoLaStriscia(this, m_principale);
    }
}

void frmVisionaDieciRuote::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
}

void frmVisionaDieciRuote::vaiAllaData() {
    const int posizione = viewer::posizioneDellaData(m_stato, txtData->text().toStdString());
    if (posizione == 0) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Data non valida: scrivere giorno/mese/anno, per esempio 7/1/1939."));
        txtData->setFocus();
        return;
    }
    impostaBarra(hscEstrazioni, posizione, [this] { hscEstrazioni_Change(); });
}

bool frmVisionaDieciRuote::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == txtData && evento->type() == QEvent::FocusIn) {
        // The whole date selected: the next one typed replaces it.
        QTimer::singleShot(0, txtData, &QLineEdit::selectAll);
    } else if (evento->type() == QEvent::Wheel && oggetto != txtData) {
        m_rotella += static_cast<QWheelEvent*>(evento)->angleDelta().y();
        const int scatti = m_rotella / 120;
        m_rotella %= 120;
        if (scatti != 0)
            hscEstrazioni->setValue(hscEstrazioni->value() - scatti * hscEstrazioni->singleStep());
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void frmVisionaDieciRuote::keyPressEvent(QKeyEvent* evento) {
    // Esc closes the viewer, as every result window; the main window stays where it is.
    if (evento->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(evento);
}

} // namespace ui
