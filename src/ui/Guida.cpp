#include "Guida.h"

#include "Collegamenti.h"
#include "Programma.h"
#include "ui/Posizione.h"
#include "ui/Tastiera.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

namespace ui {

namespace {

const QString CARTELLA = QStringLiteral("qrc:/guida/");
const QString INDICE = QStringLiteral("qtindex.htm");

/** The resource file behind a help URL ("qrc:/guida/a.htm#x" gives ":/guida/a.htm"). */
QString fileRisorsa(const QUrl& indirizzo) {
    return QLatin1Char(':') + indirizzo.path();
}

/** The <title> of a page of the help, read from its resource. */
QString titoloDi(const QString& argomento) {
    QFile file(fileRisorsa(QUrl(CARTELLA + argomento)));
    if (!file.open(QIODevice::ReadOnly))
        return argomento; // mutazioni: equivalente — unopened, it reads empty
    static const QRegularExpression titolo(QStringLiteral("<title>(.*?)</title>"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch trovato = titolo.match(QString::fromUtf8(file.readAll()));
    return trovato.hasMatch() ? trovato.captured(1).simplified() : argomento;
}

} // namespace

QStringList argomentiGuida() {
    return {INDICE,
            QStringLiteral("finestra_principale.htm"),
            QStringLiteral("Caricare_un_Archivio.htm"),
            QStringLiteral("selezione_ruote.htm"),
            QStringLiteral("selezione_periodo.htm"),
            QStringLiteral("freq_rit_90_numeri.htm"),
            QStringLiteral("freq_rit_ambi.htm"),
            QStringLiteral("sfoglia_archivio.htm"),
            QStringLiteral("aggiornamento_estrazione.htm"),
            QStringLiteral("poste_combinazioni.htm"),
            QStringLiteral("freq_rit_terni.htm"),
            QStringLiteral("grafico.htm"),
            QStringLiteral("gruppi.htm"),
            QStringLiteral("aggiorna_da_internet.htm"),
            QStringLiteral("numeri_spia.htm"),
            QStringLiteral("verifica_giocata.htm"),
            QStringLiteral("caso.htm"),
            QStringLiteral("verifica_caso.htm")};
}

FinestraGuida::FinestraGuida(QWidget* genitore) : QWidget(genitore, Qt::Window) {
    setObjectName(QStringLiteral("frmGuida"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Guida di ") + titoloProgramma());

    auto* principale = new QVBoxLayout(this);
    auto* barra = new QHBoxLayout;
    cmdIndietro = pulsante(this, "cmdIndietro", QStringLiteral("◄ Indietro"));
    cmdAvanti = pulsante(this, "cmdAvanti", QStringLiteral("Avanti ►"));
    auto* cmdIndice = pulsante(this, "cmdIndice", QStringLiteral("Indice"));
    auto* cmdChiudi = pulsante(this, "cmdChiudi", QStringLiteral("Chiudi"));
    barra->addWidget(cmdIndietro);
    barra->addWidget(cmdAvanti);
    barra->addWidget(cmdIndice);
    barra->addStretch();
    barra->addWidget(cmdChiudi);
    principale->addLayout(barra);

    lblTitolo = new QLabel(this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont carattere = lblTitolo->font();
    carattere.setPointSize(carattere.pointSize() + 4);
    carattere.setBold(true);
    lblTitolo->setFont(carattere);
    lblTitolo->setStyleSheet(QStringLiteral("color: #0b3d91;"));
    lblTitolo->setWordWrap(true);
    principale->addWidget(lblTitolo);

    auto* divisore = new QSplitter(Qt::Horizontal, this);
    lstArgomenti = new QListWidget(divisore);
    lstArgomenti->setObjectName(QStringLiteral("lstArgomenti"));
    for (const QString& argomento : argomentiGuida()) {
        auto* voce = new QListWidgetItem(titoloDi(argomento), lstArgomenti);
        voce->setData(Qt::UserRole, argomento);
    }
    // Long titles wrap inside the index instead of hiding behind a scroll bar.
    lstArgomenti->setWordWrap(true);
    lstArgomenti->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstArgomenti->setSpacing(1);
    lstArgomenti->setMinimumWidth(150);
    txtGuida = new QTextBrowser(divisore);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setOpenLinks(false);
    divisore->addWidget(lstArgomenti);
    divisore->addWidget(txtGuida);
    divisore->setStretchFactor(1, 1);
    divisore->setSizes({190, 560});
    principale->addWidget(divisore, 1);

    cmdIndietro->setEnabled(false);
    cmdAvanti->setEnabled(false);
    connect(cmdIndietro, &QPushButton::clicked, txtGuida, &QTextBrowser::backward);
    connect(cmdAvanti, &QPushButton::clicked, txtGuida, &QTextBrowser::forward);
    connect(cmdIndice, &QPushButton::clicked, this, [this] { apri(INDICE); });
    connect(cmdChiudi, &QPushButton::clicked, this, &QWidget::close);
    connect(txtGuida, &QTextBrowser::backwardAvailable, cmdIndietro, &QWidget::setEnabled);
    connect(txtGuida, &QTextBrowser::forwardAvailable, cmdAvanti, &QWidget::setEnabled);
    connect(txtGuida, &QTextBrowser::sourceChanged, this, &FinestraGuida::paginaCambiata);
    connect(txtGuida, &QTextBrowser::anchorClicked, this, &FinestraGuida::collegamento);
    connect(lstArgomenti, &QListWidget::currentRowChanged, this, [this](int riga) {
        if (QListWidgetItem* voce = lstArgomenti->item(riga)) apri(voce->data(Qt::UserRole).toString());
    });

    // Room for a page at 800 x 600, centred on the screen.
    QSize dimensione(760, 540);
    if (const QScreen* schermo = QGuiApplication::primaryScreen())
        dimensione = dimensione.boundedTo(schermo->availableGeometry().size() - QSize(20, 40));
    resize(dimensione);
    // Below the main window's strip when there is one, as the result windows.
    QWidget* striscia = nullptr;
    for (QWidget* finestra : QApplication::topLevelWidgets())
        if (finestra->objectName() == QLatin1String("PRINCIPIO")) striscia = finestra;
    sottoLaStriscia(this, striscia);
    preparaTastiera(this);
}

void FinestraGuida::apri(const QString& argomento) {
    const QUrl indirizzo(CARTELLA + argomento);
    if (QFile::exists(fileRisorsa(indirizzo))) {
        txtGuida->setSource(indirizzo);
        return;
    }
    txtGuida->setHtml(QStringLiteral("<html><head><title>Argomento non disponibile</title></head><body>"
                                     "<p>La pagina «%1» non fa parte della guida di questa versione.</p>"
                                     "<p><a href=\"%2\">Indice della guida</a></p></body></html>")
                          .arg(argomento.toHtmlEscaped(), CARTELLA + INDICE));
    paginaCambiata({});
}

QString FinestraGuida::titoloPagina() const {
    return txtGuida->documentTitle();
}

QUrl FinestraGuida::pagina() const {
    return txtGuida->source();
}

void FinestraGuida::paginaCambiata(const QUrl& indirizzo) {
    const QString titolo = titoloPagina();
    lblTitolo->setText(titolo);
    // The index page is itself called "Guida di Quintaro": the window says it once.
    const QString guida = QStringLiteral("Guida di ") + titoloProgramma();
    setWindowTitle(titolo.isEmpty() || titolo == guida ? guida : guida + QStringLiteral(" - ") + titolo);
    // The browser may still answer the previous page while it announces the new one.
    const QString file = indirizzo.fileName();
    const QSignalBlocker blocco(lstArgomenti);
    lstArgomenti->setCurrentRow(-1);
    for (int r = 0; r < lstArgomenti->count(); ++r)
        if (lstArgomenti->item(r)->data(Qt::UserRole).toString() == file) lstArgomenti->setCurrentRow(r);
}

void FinestraGuida::collegamento(const QUrl& indirizzo) {
    const QUrl destinazione = txtGuida->source().resolved(indirizzo);
    if (destinazione.scheme() != QLatin1String("qrc")) {
        Apri_Collegamento(this, destinazione.toString());
        return;
    }
    if (QFile::exists(fileRisorsa(destinazione))) txtGuida->setSource(destinazione);
}

void FinestraGuida::affidaA(QWidget* finestra) {
    if (finestra == this) return;
    // A window that stands over a modal window is the only one that window leaves usable: the help
    // stands over the window that asked for it, which owns it no more than that.
    QWindow* sopra = finestra ? finestra->windowHandle() : nullptr;
    winId();
    if (windowHandle()->transientParent() == sopra) return;
    const bool visibile = isVisible();
    if (visibile) hide(); // shown again over its new window
    windowHandle()->setTransientParent(sopra);
    if (visibile) show();
}

FinestraGuida* finestraGuida() {
    for (QWidget* finestra : QApplication::topLevelWidgets())
        if (auto* guida = qobject_cast<FinestraGuida*>(finestra)) return guida;
    return nullptr;
}

void mostraGuida(QWidget* genitore, const QString& argomento) {
    FinestraGuida* guida = finestraGuida();
    if (!guida) {
        // One help window for the program's run, owned by no caller: closing the window that opened it
        // only hides it, with its history, and it goes when the program ends.
        guida = new FinestraGuida;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, guida, &QObject::deleteLater);
    }
    guida->affidaA(genitore ? genitore->window() : nullptr);
    guida->apri(argomento);
    guida->show();
    guida->raise();
    guida->activateWindow();
}

} // namespace ui
