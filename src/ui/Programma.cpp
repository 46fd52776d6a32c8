#include "Programma.h"

#include "AttesaArchivio.h"
#include "Prompt.h"
#include "core/Campi.h"
#include "core/Impostazioni.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTranslator>
#include <QWidget>

namespace ui {

QString titoloProgramma() {
    return QStringLiteral("Quintaro");
}

QString versioneProgramma() {
    return QStringLiteral(QUINTARO_VERSIONE);
}

void preparaApplicazione() {
    QApplication::setApplicationName(titoloProgramma());
    QApplication::setApplicationVersion(versioneProgramma());
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // The translator lives as long as the program.
    static QTranslator traduzioneQt;
    if (traduzioneQt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzioneQt);
    installaAttesaArchivio();
}

void centraSulloSchermo(QWidget* finestra) {
    QScreen* schermo = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
    if (!schermo) return;
    const QRect area = schermo->availableGeometry();
    const QSize dimensione = finestra->frameGeometry().size();
    finestra->move(area.x() + (area.width() - dimensione.width()) / 2,
                   area.y() + (area.height() - dimensione.height()) / 2);
}

void tieniNelloSchermo(QWidget* finestra) {
    QScreen* schermo = finestra->screen() ? finestra->screen() : QGuiApplication::primaryScreen();
    if (!schermo) return;
    const QRect area = schermo->availableGeometry();
    const QRect cornice = finestra->frameGeometry();
    int x = std::min(cornice.x(), area.right() + 1 - cornice.width());
    int y = std::min(cornice.y(), area.bottom() + 1 - cornice.height());
    finestra->move(std::max(x, area.x()), std::max(y, area.y()));
}

QLabel* etichettaValore(QWidget* genitore, const char* nome, int larghezza) {
    auto* etichetta = new QLabel(genitore);
    etichetta->setObjectName(QString::fromLatin1(nome));
    etichetta->setFrameShape(QFrame::Panel);
    etichetta->setFrameShadow(QFrame::Sunken);
    etichetta->setMinimumWidth(larghezza);
    return etichetta;
}

QPushButton* pulsante(QWidget* genitore, const char* nome, const QString& testo,
                      const QString& suggerimento) {
    auto* tasto = new QPushButton(testo, genitore);
    tasto->setObjectName(QString::fromLatin1(nome));
    tasto->setToolTip(suggerimento);
    tasto->setAutoDefault(false);
    return tasto;
}

QScrollBar* barraOrizzontale(QWidget* genitore, const char* nome) {
    auto* barra = new QScrollBar(Qt::Horizontal, genitore);
    barra->setObjectName(QString::fromLatin1(nome));
    barra->setMinimumHeight(20);
    return barra;
}

void unValorePerMossa(QScrollBar* barra, QLabel* etichetta) {
    barra->setTracking(false);
    if (!etichetta) return;
    QObject::connect(barra, &QScrollBar::sliderMoved, etichetta,
                     [etichetta](int valore) { etichetta->setNum(valore); });
    // A thumb let go where it was taken changes nothing: the label returns to the bar's value.
    QObject::connect(barra, &QScrollBar::sliderReleased, etichetta,
                     [barra, etichetta] { etichetta->setNum(barra->value()); });
}

void impostaGrigliaFissa(QTableWidget* griglia) {
    griglia->horizontalHeader()->hide();
    griglia->verticalHeader()->hide();
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setSelectionMode(QAbstractItemView::NoSelection);
    griglia->setFocusPolicy(Qt::NoFocus);
    griglia->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    griglia->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    griglia->verticalHeader()->setMinimumSectionSize(1);
    griglia->verticalHeader()->setDefaultSectionSize(QFontMetrics(griglia->font()).height() + 2);
}

void scriviImpostazione(QWidget* finestra, const core::Stato& stato, const core::Campo& campo, int valore) {
    if (!core::scriviCampo(stato, campo, valore)) avvisaImpostazioniNonScritte(finestra);
}

void scriviImpostazione(QWidget* finestra, const core::Stato& stato, const core::CampoTesto& campo,
                        std::string_view testo) {
    if (!core::scriviTesto(stato, campo, testo)) avvisaImpostazioniNonScritte(finestra);
}

void avvisaImpostazioniNonScritte(QWidget* finestra) {
    static const char* const avvisato = "quintaroImpostazioniNonScritte";
    if (!finestra || !finestra->property(avvisato).toBool()) {
        if (finestra) finestra->setProperty(avvisato, true);
        prompt::informa(finestra, titoloProgramma(),
                        QStringLiteral("Impossibile registrare le impostazioni nel file ImpoBin: la scelta "
                                       "resta valida fino alla chiusura del programma, ma non sarà "
                                       "ricordata."),
                        prompt::Tipo::Avviso);
    }
}

QString testoArchivio(const std::string& byte) {
    return QString::fromLatin1(byte.data(), static_cast<qsizetype>(byte.size()));
}

} // namespace ui
