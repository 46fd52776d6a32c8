#include "FrmGrafico.h"

#include "core/FileSicuro.h"
#include "maintenance/Consultazione.h"
#include "selection/Riepilogo.h"
#include "selection/Ruote.h"
#include "stats/Caso.h"
#include "ui/Guida.h"
#include "ui/Programma.h"
#include "ui/Prompt.h"
#include "ui/Tastiera.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QVersionNumber>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace ui {

namespace {

constexpr qint64 UN_GIORNO = 24LL * 60 * 60 * 1000;
const QSize GRANDE(1600, 900);
const QColor COLORE_LINEA(0x1f, 0x5a, 0xa6);
const QColor COLORE_MASSIMO(0xc0, 0x1c, 0x28);
const QColor COLORE_USCITA(0xe6, 0x7e, 0x00);
const QColor COLORE_CASO(0x2e, 0x7d, 0x32);

/** "2/1/2001", or "—" for a date the archive holds blank. */
QString testoData(const core::Data& data) {
    const QDate giorno(data.anno, data.mese, data.giorno);
    return giorno.isValid() ? giorno.toString(QStringLiteral("d/M/yyyy")) : QStringLiteral("—");
}

/**
 * Noon (UTC) of a day, in milliseconds since the epoch: the same day on the axis in every time zone, and
 * reckoned without asking the system for the zone's rules, which costs a file lookup per date.
 */
qint64 mezzogiorno(const QDate& giorno) {
    return (giorno.toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * UN_GIORNO + UN_GIORNO / 2;
}

/** A chart that fills its view: at 800x600 every pixel goes to the plot. */
QChart* nuovoGrafico() {
    auto* grafico = new QChart;
    grafico->layout()->setContentsMargins(0, 0, 0, 0);
    grafico->setBackgroundRoundness(0);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    return grafico;
}

/** A small round marker for the exits, painted straight onto the chart rather than one item per point. */
QImage marcatoreUscita() {
    QImage immagine(9, 9, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(QPen(Qt::white, 1));
    pittore.setBrush(COLORE_USCITA);
    pittore.drawEllipse(QRectF(0.5, 0.5, 8, 8));
    return immagine;
}

} // namespace

/**
 * The time chart's view: the mouse wheel zooms the time axis, dragging moves it, moving the mouse tells
 * the draw under it; the keys + and - zoom, the arrows move, Home shows the whole period.
 */
class VistaTempo : public QChartView {
public:
    using QChartView::QChartView;
    std::function<void(double fattore, qint64 centro)> suZoom;
    std::function<void(double frazione)> suSposta;
    std::function<void()> suRipristina;
    std::function<void(qint64 istante, const QPoint& globale)> suPassaggio;
    std::function<void()> suPrimoDisegno;

protected:
    void wheelEvent(QWheelEvent* evento) override {
        const int passi = evento->angleDelta().y();
        if (passi == 0 || !chart()->plotArea().contains(evento->position())) return;
        const auto centro = static_cast<qint64>(chart()->mapToValue(evento->position()).x());
        suZoom(passi > 0 ? 0.8 : 1.25, centro);
        evento->accept();
    }
    void mousePressEvent(QMouseEvent* evento) override {
        if (evento->button() == Qt::LeftButton && chart()->plotArea().contains(evento->position())) {
            m_presa = evento->position().x();
            viewport()->setCursor(Qt::ClosedHandCursor);
        }
        QChartView::mousePressEvent(evento);
    }
    void mouseReleaseEvent(QMouseEvent* evento) override {
        m_presa.reset();
        viewport()->unsetCursor();
        QChartView::mouseReleaseEvent(evento);
    }
    void mouseMoveEvent(QMouseEvent* evento) override {
        if (m_presa && chart()->plotArea().width() > 0) {
            // The period follows the mouse: dragging to the right shows earlier draws.
            suSposta((*m_presa - evento->position().x()) / chart()->plotArea().width());
            m_presa = evento->position().x();
        } else if (chart()->plotArea().contains(evento->position())) {
            suPassaggio(static_cast<qint64>(chart()->mapToValue(evento->position()).x()),
                        evento->globalPosition().toPoint());
        }
        QChartView::mouseMoveEvent(evento);
    }
    void keyPressEvent(QKeyEvent* evento) override {
        const auto centro = static_cast<qint64>(chart()->mapToValue(chart()->plotArea().center()).x());
        switch (evento->key()) {
        case Qt::Key_Plus:
            suZoom(0.8, centro);
            break;
        case Qt::Key_Minus:
            suZoom(1.25, centro);
            break;
        case Qt::Key_Left:
            suSposta(-0.1);
            break;
        case Qt::Key_Right:
            suSposta(0.1);
            break;
        case Qt::Key_Home:
            suRipristina();
            break;
        default:
            QChartView::keyPressEvent(evento);
        }
    }
    void paintEvent(QPaintEvent* evento) override {
        QChartView::paintEvent(evento);
        if (suPrimoDisegno) std::exchange(suPrimoDisegno, nullptr)();
    }

private:
    std::optional<qreal> m_presa; ///< where the left button holds the chart
};

FrmGrafico* FrmGrafico::apri(const core::Stato& stato, const stats::Combinazione& combinazione, int colonna,
                             QWidget* genitore, bool caso, int posizione) {
    auto serie = stats::serieRitardi(stato, combinazione, colonna, posizione);
    const auto numeri = serie ? stats::numeriColonna(stato, colonna, posizione) : serie.errore();
    if (!serie || !numeri) {
        prompt::informa(genitore, titoloProgramma(),
                        QString::fromStdString(serie ? numeri.messaggio() : serie.messaggio()));
        return nullptr;
    }
    auto* finestra =
        new FrmGrafico(stato, combinazione, colonna, std::move(*serie), *numeri, genitore, caso, posizione);
    finestra->show();
    return finestra;
}

FrmGrafico* FrmGrafico::apriGruppo(const core::Stato& stato, const stats::Gruppo& gruppo, int sorte,
                                   int colonna, QWidget* genitore, bool caso) {
    auto serie = stats::serieGruppo(stato, gruppo, sorte, colonna);
    const auto numeri = serie ? stats::numeriColonna(stato, colonna) : serie.errore();
    if (!serie || !numeri) {
        prompt::informa(genitore, titoloProgramma(),
                        QString::fromStdString(serie ? numeri.messaggio() : serie.messaggio()));
        return nullptr;
    }
    const Soggetto soggetto{
        QStringLiteral("gruppo"), QString::fromStdString(gruppo.nome + ", " + stats::nomeSorte(sorte)),
        gruppo.numeri, stats::probabilitaGruppo(static_cast<int>(gruppo.numeri.size()), sorte)};
    auto* finestra = new FrmGrafico(stato, soggetto, colonna, std::move(*serie), *numeri, genitore, caso);
    finestra->show();
    return finestra;
}

FrmGrafico::Soggetto FrmGrafico::soggettoDi(const stats::Combinazione& combinazione, int posizione) {
    Soggetto soggetto{QString::fromStdString(combinazione.nome()),
                      QString::fromStdString(combinazione.testo()) +
                          (posizione > 0 ? QStringLiteral(" in %1ª posizione").arg(posizione) : QString()),
                      {},
                      stats::probabilitaSorte(combinazione.quanti(), posizione)};
    for (int i = 0; i < combinazione.quanti(); ++i)
        soggetto.numeri.push_back(combinazione.numero(i));
    return soggetto;
}

FrmGrafico::FrmGrafico(const core::Stato& stato, const stats::Combinazione& combinazione, int colonna,
                       stats::SerieRitardi serie, const stats::NumeriColonna& numeri, QWidget* genitore,
                       bool caso, int posizione)
    : FrmGrafico(stato, soggettoDi(combinazione, posizione), colonna, std::move(serie), numeri, genitore,
                 caso) {}

FrmGrafico::FrmGrafico(const core::Stato& stato, const Soggetto& soggetto, int colonna,
                       stats::SerieRitardi serie, const stats::NumeriColonna& numeri, QWidget* genitore,
                       bool caso)
    : QWidget(genitore, Qt::Window), m_serie(std::move(serie)), m_numeri(numeri) {
    if (caso) {
        // Column 0 crosses the selected wheels: an absence there is an absence on each of them.
        const int ruote = colonna == 0 ? std::max(stato.Ruota_Selezionata[0], 1) : 1; // [0]: how many
        const stats::CalcoloCaso calcolo(soggetto.probabilita, {0, 0, ruote});
        m_ritardoMedio = calcolo.ritardoMedio();
        m_unoSuMille = calcolo.ritardoUnoSuMille();
    }
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("frmGrafico"));
    m_evidenziati = soggetto.numeri;
    const QString& nome = soggetto.nome;
    m_nome = (nome == QLatin1String("ambo") ? QStringLiteral("dell'") : QStringLiteral("del ")) + nome + ' ' +
             soggetto.testo;
    m_colonna = colonna > 0 ? QString::fromStdString(stato.Nome_Ruota[static_cast<std::size_t>(colonna)])
                            : QStringLiteral("ruote ") +
                                  QString::fromStdString(selection::sigleRuoteSelezionate(stato)).trimmed();
    setWindowTitle(QStringLiteral("Grafico %1 — %2").arg(m_nome, m_colonna));
    m_periodo = QString::fromStdString(selection::testoPeriodo(stato, selection::periodoAttuale(stato)))
                    .section(QStringLiteral(" — "), 0, 0);

    // The time of each draw; a date the archive holds blank, or out of order, takes the time before it.
    qint64 istante = mezzogiorno(QDate(1871, 1, 1));
    m_istanti.reserve(m_serie.punti.size());
    for (const auto& punto : m_serie.punti) {
        const QDate giorno(punto.data.anno, punto.data.mese, punto.data.giorno);
        if (giorno.isValid()) istante = std::max(istante, mezzogiorno(giorno));
        m_istanti.push_back(istante);
    }
    m_primo = m_istanti.empty() ? istante : m_istanti.front();
    m_ultimo = std::max(m_istanti.empty() ? istante : m_istanti.back(), m_primo + UN_GIORNO);

    auto* disposizione = new QVBoxLayout(this);
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    auto* lblRiepilogo = new QLabel(this);
    lblRiepilogo->setObjectName(QStringLiteral("lblRiepilogo"));
    lblRiepilogo->setWordWrap(true);
    const auto& punti = m_serie.punti;
    lblRiepilogo->setText(QStringLiteral("<b>%1 %2</b> (%3): frequenza <b>%4</b>, ritardo attuale <b>%5</b>, "
                                         "ritardo massimo <b>%6</b>; %7 estrazioni dal %8 al %9.")
                              .arg(nome, soggetto.testo, m_colonna)
                              .arg(m_serie.frequenza)
                              .arg(m_serie.ritardoAttuale)
                              .arg(m_serie.ritardoMassimo)
                              .arg(italiano.toString(static_cast<qlonglong>(punti.size())),
                                   punti.empty() ? QString() : testoData(punti.front().data),
                                   punti.empty() ? QString() : testoData(punti.back().data)));
    disposizione->addWidget(lblRiepilogo);

    tabGrafici = new QTabWidget(this);
    tabGrafici->setObjectName(QStringLiteral("tabGrafici"));
    auto* paginaTempo = new QWidget;
    auto* tempo = new QVBoxLayout(paginaTempo);
    vistaRitardo = new VistaTempo(costruisciGraficoRitardo(), paginaTempo);
    vistaRitardo->setObjectName(QStringLiteral("vistaRitardo"));
    vistaRitardo->setRenderHint(QPainter::Antialiasing);
    vistaRitardo->setMouseTracking(true);
    vistaRitardo->setFocusPolicy(Qt::StrongFocus);
    vistaRitardo->setFocus();
    vistaRitardo->suZoom = [this](double fattore, qint64 centro) { zoom(fattore, centro); };
    vistaRitardo->suSposta = [this](double frazione) { sposta(frazione); };
    vistaRitardo->suRipristina = [this] { cmdRipristina_Click(); };
    vistaRitardo->suPassaggio = [this](qint64 istante, const QPoint& globale) {
        const QString testo = testoPunto(istante);
        lblPunto->setText(testo);
        QToolTip::showText(globale, testo, vistaRitardo);
    };
    vistaRitardo->suPrimoDisegno = [this] { emit primoDisegno(); };
    lblPunto = new QLabel(
        QStringLiteral("Passare il mouse sul grafico per leggere data, concorso e ritardo; "
                       "la rotellina (o + e -) ingrandisce, trascinare (o le frecce) sposta il periodo."),
        paginaTempo);
    lblPunto->setObjectName(QStringLiteral("lblPunto"));
    lblPunto->setWordWrap(true);
    tempo->addWidget(vistaRitardo, 1);
    tempo->addWidget(lblPunto);
    tabGrafici->addTab(paginaTempo, QStringLiteral("Ritardo nel tempo"));

    auto* paginaNumeri = new QWidget;
    auto* numeriLayout = new QVBoxLayout(paginaNumeri);
    auto* scelta = new QHBoxLayout;
    scelta->addWidget(new QLabel(QStringLiteral("Mostra:"), paginaNumeri));
    optFrequenza = new QRadioButton(QStringLiteral("Frequenza"), paginaNumeri);
    optFrequenza->setObjectName(QStringLiteral("optFrequenza"));
    optRitardoAttuale = new QRadioButton(QStringLiteral("Ritardo attuale"), paginaNumeri);
    optRitardoAttuale->setObjectName(QStringLiteral("optRitardoAttuale"));
    optFrequenza->setChecked(true);
    scelta->addWidget(optFrequenza);
    scelta->addWidget(optRitardoAttuale);
    scelta->addStretch();
    vistaNumeri = new QChartView(costruisciGraficoNumeri(), paginaNumeri);
    vistaNumeri->setObjectName(QStringLiteral("vistaNumeri"));
    vistaNumeri->setRenderHint(QPainter::Antialiasing);
    numeriLayout->addLayout(scelta);
    numeriLayout->addWidget(vistaNumeri, 1);
    tabGrafici->addTab(paginaNumeri, QStringLiteral("I 90 numeri"));
    disposizione->addWidget(tabGrafici, 1);

    auto* pulsanti = new QHBoxLayout;
    auto* cmdRipristina = pulsante(this, "cmdRipristina", QStringLiteral("Periodo intero"),
                                   QStringLiteral("Annulla l'ingrandimento dell'asse delle date"));
    auto* cmdSalvaImmagine = pulsante(this, "cmdSalvaImmagine", QStringLiteral("Salva immagine…"),
                                      QStringLiteral("Salva il grafico mostrato come immagine PNG o SVG"));
    auto* cmdStampa =
        pulsante(this, "cmdStampa", QStringLiteral("Stampa…"), QStringLiteral("Stampa il grafico mostrato"));
    auto* cmdGuida = pulsante(this, "cmdGuida", QStringLiteral("Guida"));
    auto* cmdChiudi = pulsante(this, "cmdChiudi", QStringLiteral("Chiudi"));
    pulsanti->addWidget(cmdRipristina);
    pulsanti->addStretch();
    for (QPushButton* tasto : {cmdSalvaImmagine, cmdStampa, cmdGuida, cmdChiudi})
        pulsanti->addWidget(tasto);
    disposizione->addLayout(pulsanti);

    connect(cmdRipristina, &QPushButton::clicked, this, &FrmGrafico::cmdRipristina_Click);
    connect(cmdSalvaImmagine, &QPushButton::clicked, this, &FrmGrafico::cmdSalvaImmagine_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &FrmGrafico::cmdStampa_Click);
    connect(cmdGuida, &QPushButton::clicked, this,
            [this] { mostraGuida(this, QStringLiteral("grafico.htm")); });
    connect(cmdChiudi, &QPushButton::clicked, this, &QWidget::close);
    connect(optFrequenza, &QRadioButton::toggled, this, &FrmGrafico::mostraValoriBarre);
    connect(tabGrafici, &QTabWidget::currentChanged, this,
            [cmdRipristina](int pagina) { cmdRipristina->setEnabled(pagina == 0); });
    resize(780, 540);
    preparaTastiera(this);
}

QChart* FrmGrafico::costruisciGraficoRitardo() {
    auto* grafico = nuovoGrafico();
    grafico->setTitle(QStringLiteral("Ritardo %1 — %2").arg(m_nome, m_colonna));

    int picco = m_serie.ritardoMassimo;
    for (const auto& punto : m_serie.punti)
        picco = std::max(picco, punto.ritardo);
    auto* linea = m_linea = new QLineSeries;
    linea->setName(QStringLiteral("Ritardo"));
    linea->setPen(QPen(COLORE_LINEA, 1.5));
    auto* massimo = new QLineSeries;
    massimo->setName(QStringLiteral("Ritardo massimo (%1)").arg(m_serie.ritardoMassimo));
    massimo->setPen(QPen(COLORE_MASSIMO, 1.5, Qt::DashLine));
    massimo->append(static_cast<qreal>(m_primo), m_serie.ritardoMassimo);
    massimo->append(static_cast<qreal>(m_ultimo), m_serie.ritardoMassimo);
    auto* punti = m_uscite = new QScatterSeries;
    punti->setName(QStringLiteral("Uscite (%1)").arg(m_serie.frequenza));
    punti->setColor(COLORE_USCITA);
    punti->setMarkerSize(9);
    punti->setLightMarker(marcatoreUscita());
    for (QXYSeries* serie : std::initializer_list<QXYSeries*>{linea, massimo, punti})
        grafico->addSeries(serie);
    if (m_ritardoMedio > 0) {
        // Chance's lines: the mean delay always within the axis; the once-in-a-thousand delay too unless
        // it would flatten the series (a triple's runs to tens of thousands), then named as off the scale.
        const QLocale italiano(QLocale::Italian, QLocale::Italy);
        const bool inScala = m_unoSuMille <= std::max(3 * picco, 50);
        picco = std::max(picco, static_cast<int>(std::ceil(m_ritardoMedio)));
        if (inScala) picco = std::max(picco, m_unoSuMille);
        const auto orizzontale = [&](const QString& nome, double livello, Qt::PenStyle tratto) {
            auto* retta = new QLineSeries;
            retta->setName(nome);
            retta->setPen(QPen(COLORE_CASO, 1.5, tratto));
            retta->append(static_cast<qreal>(m_primo), livello);
            retta->append(static_cast<qreal>(m_ultimo), livello);
            grafico->addSeries(retta);
        };
        orizzontale(QStringLiteral("Media del caso (%1)").arg(italiano.toString(m_ritardoMedio, 'f', 1)),
                    m_ritardoMedio, Qt::DotLine);
        orizzontale(
            QStringLiteral("Caso 1 su 1000 (%1%2)")
                .arg(italiano.toString(m_unoSuMille), inScala ? QString() : QStringLiteral(", fuori scala")),
            m_unoSuMille, Qt::DashDotLine);
    }

    m_asseDate = new QDateTimeAxis;
    m_asseDate->setTitleText(QStringLiteral("Data dell'estrazione"));
    m_asseDate->setTickCount(7);
    auto* asseRitardo = new QValueAxis;
    asseRitardo->setTitleText(QStringLiteral("Ritardo (estrazioni)"));
    asseRitardo->setLabelFormat(QStringLiteral("%d"));
    // Ticks every 1, 2, 5, 10, 20 ... draws from 0; the axis starts a little below 0, so that the marks
    // of the exits are drawn whole.
    const int alto = std::max(picco + picco / 12 + 1, 5);
    int passo = 50000;
    for (int p : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000})
        if (alto / p <= 8) {
            passo = p;
            break;
        }
    asseRitardo->setTickType(QValueAxis::TicksDynamic);
    asseRitardo->setTickAnchor(0);
    asseRitardo->setTickInterval(passo);
    const int cima = (alto + passo - 1) / passo * passo; // the first tick at or above the highest point
    asseRitardo->setRange(-alto / 30.0, cima);
    grafico->addAxis(m_asseDate, Qt::AlignBottom);
    grafico->addAxis(asseRitardo, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(m_asseDate);
        serie->attachAxis(asseRitardo);
    }
    cmdRipristina_Click();
    return grafico;
}

QChart* FrmGrafico::costruisciGraficoNumeri() {
    auto* grafico = nuovoGrafico();
    m_barre = new QBarSet(QString());
    m_barre->setColor(QColor(0x8f, 0xb4, 0xe3));
    m_barre->setBorderColor(QColor(0x5a, 0x7f, 0xb0));
    m_barre->setSelectedColor(COLORE_USCITA);
    m_barre->append(QList<qreal>(90, 0.0));
    for (int n : m_evidenziati)
        m_barre->selectBar(n - 1);
    auto* barre = new QBarSeries;
    barre->setBarWidth(0.8);
    barre->append(m_barre);
    m_media = new QLineSeries;
    m_media->setPen(QPen(COLORE_MASSIMO, 1.5, Qt::DashLine));
    grafico->addSeries(barre);
    grafico->addSeries(m_media);

    // Bar i stands at i (number i + 1); the axis writes 1, 10, 20 ... 90 under their bars.
    auto* asseNumeri = new QCategoryAxis;
    asseNumeri->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    asseNumeri->setRange(-0.5, 89.5);
    for (int n : {1, 10, 20, 30, 40, 50, 60, 70, 80, 90})
        asseNumeri->append(QString::number(n), n - 1);
    asseNumeri->setTitleText(QStringLiteral("Numero"));
    asseNumeri->setGridLineVisible(false);
    m_asseBarre = new QValueAxis;
    m_asseBarre->setLabelFormat(QStringLiteral("%d"));
    grafico->addAxis(asseNumeri, Qt::AlignBottom);
    grafico->addAxis(m_asseBarre, Qt::AlignLeft);
    for (QAbstractSeries* serie : grafico->series()) {
        serie->attachAxis(asseNumeri);
        serie->attachAxis(m_asseBarre);
    }
    grafico->legend()->markers(barre).constFirst()->setVisible(false);
    mostraValoriBarre();
    return grafico;
}

void FrmGrafico::mostraValoriBarre() {
    const bool frequenza = optFrequenza->isChecked();
    const auto& valori = frequenza ? m_numeri.frequenza : m_numeri.ritardoAttuale;
    const QString cosa = frequenza ? QStringLiteral("Frequenza") : QStringLiteral("Ritardo attuale");
    int massimo = 1;
    for (int n = 1; n <= 90; ++n) {
        m_barre->replace(n - 1, valori[static_cast<std::size_t>(n)]);
        massimo = std::max(massimo, valori[static_cast<std::size_t>(n)]);
    }
    const double media = stats::media(valori);
    m_media->setName(QStringLiteral("Media: %1").arg(QLocale(QLocale::Italian).toString(media, 'f', 1)));
    m_media->replace(QList<QPointF>{{-0.5, media}, {89.5, media}});
    m_asseBarre->setRange(0, massimo * 13 / 12.0 + 1); // room above the highest bar
    m_asseBarre->applyNiceNumbers();
    m_asseBarre->setTitleText(cosa);
    QString evidenziati;
    for (int n : m_evidenziati)
        evidenziati += (evidenziati.isEmpty() ? QString() : QStringLiteral(", ")) + QString::number(n);
    m_media->chart()->setTitle(
        QStringLiteral("%1 dei 90 numeri — %2 (in evidenza: %3)").arg(cosa, m_colonna, evidenziati));
}

QChart* FrmGrafico::graficoRitardo() const {
    return vistaRitardo->chart();
}

QChart* FrmGrafico::graficoNumeri() const {
    return vistaNumeri->chart();
}

std::pair<qint64, qint64> FrmGrafico::intervalloMostrato() const {
    return {m_asseDate->min().toMSecsSinceEpoch(), m_asseDate->max().toMSecsSinceEpoch()};
}

void FrmGrafico::mostraIntervallo(qint64 da, qint64 a) {
    m_asseDate->setRange(QDateTime::fromMSecsSinceEpoch(da), QDateTime::fromMSecsSinceEpoch(a));
    const qint64 giorni = (a - da) / UN_GIORNO;
    m_asseDate->setFormat(giorni > 4LL * 365 ? QStringLiteral("yyyy")
                          : giorni > 120     ? QStringLiteral("MM/yyyy")
                                             : QStringLiteral("dd/MM/yy"));

    // A step line: each draw's delay holds until the next draw. The range is cut into as many slices
    // as an image is wide at most; the draws of a slice fall on one pixel column, so the slice is drawn
    // as the level it enters with, its lowest and highest delay and the level it leaves with. Tens of
    // thousands of draws so become a few thousand points, whatever the zoom.
    constexpr int FETTE = 1600;
    const double larghezza = std::max(1.0, static_cast<double>(a - da) / FETTE);
    const auto primo = std::upper_bound(m_istanti.begin(), m_istanti.end(), da);
    const auto inizio = static_cast<std::size_t>(std::max<std::ptrdiff_t>(primo - m_istanti.begin() - 1, 0));
    QList<QPointF> gradini, uscite;
    double livello = m_serie.punti.empty() ? 0 : m_serie.punti[inizio].ritardo;
    double basso = 0, alto = 0, ultimoX = 0;
    long long fetta = -1;
    bool uscitaInFetta = false;
    const auto chiudi = [&] {
        if (gradini.isEmpty()) return;
        const double x = gradini.constLast().x();
        gradini.append({QPointF(x, basso), QPointF(x, alto), QPointF(ultimoX, livello)});
    };
    for (std::size_t i = inizio; i < m_serie.punti.size() && (i == inizio || m_istanti[i - 1] <= a); ++i) {
        const auto x = static_cast<double>(m_istanti[i]);
        const auto y = static_cast<double>(m_serie.punti[i].ritardo);
        if (const auto questa = static_cast<long long>((x - static_cast<double>(da)) / larghezza);
            questa != fetta) {
            chiudi();
            fetta = questa;
            uscitaInFetta = false;
            gradini.append(QPointF(x, livello));
            basso = alto = livello;
        }
        if (m_serie.punti[i].uscite > 0 && !std::exchange(uscitaInFetta, true)) uscite.append(QPointF(x, 0));
        basso = std::min(basso, y);
        alto = std::max(alto, y);
        livello = y;
        ultimoX = x;
    }
    chiudi();
    m_linea->replace(gradini);
    m_uscite->replace(uscite);
}

void FrmGrafico::zoom(double fattore, qint64 centro) {
    const auto [da, a] = intervalloMostrato();
    centro = std::clamp(centro, da, a);
    // Never closer than a week, never wider than the whole period.
    const auto larghezza = std::clamp(static_cast<qint64>(static_cast<double>(a - da) * fattore),
                                      7 * UN_GIORNO, m_ultimo - m_primo);
    const double quota = a > da ? static_cast<double>(centro - da) / static_cast<double>(a - da) : 0.5;
    qint64 inizio = centro - static_cast<qint64>(quota * static_cast<double>(larghezza));
    inizio = std::clamp(inizio, m_primo, std::max(m_primo, m_ultimo - larghezza));
    mostraIntervallo(inizio, std::min(inizio + larghezza, m_ultimo));
}

void FrmGrafico::sposta(double frazione) {
    const auto [da, a] = intervalloMostrato();
    const qint64 inizio = std::clamp(da + static_cast<qint64>(frazione * static_cast<double>(a - da)),
                                     m_primo, std::max(m_primo, m_ultimo - (a - da)));
    if (inizio != da) mostraIntervallo(inizio, inizio + (a - da));
}

void FrmGrafico::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(evento);
}

void FrmGrafico::cmdRipristina_Click() {
    mostraIntervallo(m_primo, m_ultimo);
}

QString FrmGrafico::testoPunto(qint64 istante) const {
    // The step holds from a draw until the next one: the draw shown is the last one not after the time.
    const auto dopo = std::upper_bound(m_istanti.begin(), m_istanti.end(), istante);
    if (dopo == m_istanti.begin()) return {};
    const auto& punto = m_serie.punti[static_cast<std::size_t>(dopo - m_istanti.begin() - 1)];
    QString testo = QStringLiteral("Estrazione del %1, concorso %2/%3: ritardo %4")
                        .arg(testoData(punto.data))
                        .arg(punto.concorso.numero)
                        .arg(punto.concorso.anno)
                        .arg(punto.ritardo);
    if (punto.uscite > 0) testo += QStringLiteral(" (uscito)");
    return testo;
}

QChartView* FrmGrafico::vistaMostrata() const {
    return tabGrafici->currentIndex() == 0 ? static_cast<QChartView*>(vistaRitardo) : vistaNumeri;
}

QStringList FrmGrafico::contesto() const {
    QStringList righe{windowTitle(), m_periodo + QStringLiteral(" — frequenza %1").arg(m_serie.frequenza)};
    const auto [da, a] = intervalloMostrato();
    if (vistaMostrata()->objectName() == QLatin1String("vistaRitardo") && (da > m_primo || a < m_ultimo)) {
        const auto giorno = [&](qint64 istante) {
            const QDate data = QDateTime::fromMSecsSinceEpoch(istante).date();
            return QStringLiteral("%1/%2/%3").arg(data.day()).arg(data.month()).arg(data.year());
        };
        righe << QStringLiteral("Mostrato: dal %1 al %2").arg(giorno(da), giorno(a));
    }
    return righe;
}

void FrmGrafico::disegna(QPainter& pittore, const QSize& dimensione) const {
    QChart* grafico = vistaMostrata()->chart();
    // What the chart shows, on top: the combination and wheel, the period, the frequency, the span.
    const QStringList righe = contesto();
    const QFontMetrics metrica(pittore.font());
    const int testata = metrica.height() * int(righe.size()) + 8;
    pittore.fillRect(QRect(QPoint(0, 0), QSize(dimensione.width(), testata)), Qt::white);
    pittore.setPen(Qt::black);
    for (int i = 0; i < righe.size(); ++i)
        pittore.drawText(8, 4 + metrica.height() * i + metrica.ascent(), righe.at(i));
    // The chart is laid out afresh at the asked size, drawn, and given back its size on screen.
    const QSize resto(dimensione.width(), std::max(dimensione.height() - testata, 1));
    const QRectF prima = grafico->geometry();
    grafico->setGeometry(QRectF(QPointF(0, 0), resto));
    grafico->layout()->activate();
    grafico->scene()->render(&pittore, QRectF(QPointF(0, testata), resto), QRectF(QPointF(0, 0), resto));
    grafico->setGeometry(prima);
    grafico->layout()->activate();
}

void FrmGrafico::cmdSalvaImmagine_Click() {
    const QSize finestra = vistaMostrata()->size();
    const int scelta = prompt::scegli(
        this, QStringLiteral("Salva immagine"),
        QStringLiteral("Di che dimensione salvare il grafico mostrato?"), {},
        {QStringLiteral("Come la finestra (%1 × %2)").arg(finestra.width()).arg(finestra.height()),
         QStringLiteral("%1 × %2").arg(GRANDE.width()).arg(GRANDE.height()), QStringLiteral("Annulla")});
    if (scelta != 0 && scelta != 1) return;
    const QSize dimensione = scelta == 0 ? finestra : GRANDE;
    const QString proposto = QDir::home().filePath(
        QStringLiteral("grafico_%1_%2.png")
            .arg(QString(m_nome.section(' ', 1)).replace('-', '_'), m_colonna.toLower().replace(' ', '_')));
    QString percorso =
        prompt::scegliFileDaSalvare(this, QStringLiteral("Salva immagine"), proposto,
                                    QStringLiteral("Immagine PNG (*.png);;Immagine SVG (*.svg)"));
    if (percorso.isEmpty()) return;
    const bool svg = QFileInfo(percorso).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
    if (!svg && QFileInfo(percorso).suffix().isEmpty()) percorso += QStringLiteral(".png");

    QByteArray contenuto;
    QBuffer memoria(&contenuto);
    memoria.open(QIODevice::WriteOnly);
    if (svg) {
        QSvgGenerator generatore;
        generatore.setOutputDevice(&memoria);
        generatore.setSize(dimensione);
        generatore.setViewBox(QRect(QPoint(0, 0), dimensione));
        generatore.setTitle(windowTitle());
        {
            QPainter pittore(&generatore);
            disegna(pittore, dimensione);
        }
        // The generator gives the size in millimetres, which each reader turns into pixels at its own
        // resolution: the picture states its pixels instead.
        const QString testo = QString::fromUtf8(contenuto);
        contenuto =
            QString(testo)
                .replace(QRegularExpression(QStringLiteral("width=\"[0-9.]+mm\" height=\"[0-9.]+mm\"")),
                         QStringLiteral("width=\"%1px\" height=\"%2px\"")
                             .arg(dimensione.width())
                             .arg(dimensione.height()))
                .toUtf8();
    } else {
        QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::white);
        {
            QPainter pittore(&immagine);
            disegna(pittore, dimensione);
        }
        immagine.save(&memoria, "PNG");
    }
    // Written beside the chosen name and renamed over it: a failed write leaves no half image there.
    if (!core::scriviFileSicuro(QFile::encodeName(percorso).toStdString(), contenuto.toStdString())) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Impossibile scrivere il file %1: l'immagine non è stata salvata.")
                            .arg(QDir::toNativeSeparators(percorso)),
                        prompt::Tipo::Avviso);
        return;
    }
    prompt::informa(this, titoloProgramma(),
                    QStringLiteral("Immagine salvata in %1.").arg(QDir::toNativeSeparators(percorso)));
}

void FrmGrafico::cmdStampa_Click() {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageOrientation(QPageLayout::Landscape);
    stampante.setDocName(windowTitle());
    if (!prompt::scegliStampante(this, stampante)) return;
    QPainter pittore;
    if (!pittore.begin(&stampante)) {
        prompt::informa(this, titoloProgramma(),
                        QStringLiteral("Impossibile stampare: la stampante non risponde."),
                        prompt::Tipo::Avviso);
        return;
    }
    // The heading of every printout, then the chart laid out at 1600x900 and scaled to the page.
    const QRect pagina = stampante.pageLayout().paintRectPixels(stampante.resolution());
    QFont carattere(QStringLiteral("courier"), 10);
    carattere.setStyleHint(QFont::TypeWriter);
    pittore.setFont(carattere);
    const QFontMetrics metrica(carattere, &stampante);
    const int revisione = QVersionNumber::fromString(versioneProgramma()).microVersion();
    const QString oggi = QDate::currentDate().toString(QStringLiteral("d/M/yyyy"));
    pittore.drawText(0, metrica.ascent(),
                     QString::fromStdString(maintenance::intestazioneStampa(titoloProgramma().toStdString(),
                                                                            revisione, oggi.toStdString())));
    pittore.drawText(0, metrica.height() + metrica.ascent(), windowTitle());
    const int alto = metrica.height() * 3;
    const double scala =
        std::min(pagina.width() / double(GRANDE.width()), (pagina.height() - alto) / double(GRANDE.height()));
    pittore.translate(0, alto);
    pittore.scale(scala, scala);
    disegna(pittore, GRANDE);
    pittore.end();
}

} // namespace ui
