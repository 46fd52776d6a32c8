#include "Principio.h"

#include "Programma.h"
#include "Prompt.h"
#include "core/Lotto.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

namespace ui {

PRINCIPIO::PRINCIPIO(core::Stato& stato, QWidget* genitore) : QMainWindow(genitore), m_stato(stato) {
    setObjectName(QStringLiteral("PRINCIPIO"));
    setWindowTitle(QStringLiteral(" - ") + titoloProgramma() + QLatin1Char(' ') + versioneProgramma());

    QMenu* mnuArchivio = menu("mnuArchivio", QStringLiteral("Archivio"));
    QMenu* mnuArchivioModifica = mnuArchivio->addMenu(QStringLiteral("Modifica"));
    mnuArchivioModifica->menuAction()->setObjectName(QStringLiteral("mnuArchivioModifica"));
    voce(mnuArchivioModifica, "mnuArchivioModificaAggiorna", QStringLiteral("Aggiornamento Estrazioni"))->setEnabled(false);
    separatore(mnuArchivio, "mnuArchivioSeparatore3");
    connect(voce(mnuArchivio, "mnuArchivioChiudi", QStringLiteral("CHIUDI")), &QAction::triggered, this, &QWidget::close);

    QMenu* mnuImpostazioni = menu("mnuImpostazioni", QStringLiteral("Impostazioni"));
    voce(mnuImpostazioni, "mnuImpostazioniModificaRuote", QStringLiteral("RUOTE"))->setEnabled(false);
    voce(mnuImpostazioni, "mnuImpostazionModificaPeriodo", QStringLiteral("PERIODO"))->setEnabled(false);

    QMenu* mnuRicerche = menu("mnuRicerche", QStringLiteral("Ricerche"));
    voce(mnuRicerche, "mnuRicercheSfoglia", QStringLiteral("Sfoglia Archivio"))->setEnabled(false);
    separatore(mnuRicerche, "mnuRicercheSeparatore4");
    voce(mnuRicerche, "mnuFREQ_RIT_90_NUMERI", QStringLiteral("Frequenze e Ritardi 90 NUMERI"))->setEnabled(false);
    voce(mnuRicerche, "mnuFREQ_RIT_AMBI", QStringLiteral("Frequenze e Ritardi AMBI"))->setEnabled(false);

    QMenu* mnuOPZIONI = menu("mnuOPZIONI", QStringLiteral("Opzioni"));
    voce(mnuOPZIONI, "mnuOPZIONIposteComb", QStringLiteral("Poste e Combinazioni"))->setEnabled(false);
    separatore(mnuOPZIONI, "mnuSepaOpzioni");
    QAction* mnuOpzioniToolbar = voce(mnuOPZIONI, "mnuOpzioniToolbar", QStringLiteral("Toolbar"));
    mnuOpzioniToolbar->setCheckable(true);
    mnuOpzioniToolbar->setEnabled(false);

    QMenu* mnuGuida = menu("mnuGuida", QStringLiteral("Aiuto"));
    QMenu* mnuLINK = mnuGuida->addMenu(QStringLiteral("Link"));
    mnuLINK->menuAction()->setObjectName(QStringLiteral("mnuLINK"));
    voce(mnuLINK, "mnuSCRIVIALLAUTORE", QStringLiteral("Scrivi all' autore"))->setEnabled(false);
    voce(mnuLINK, "mnuLINK_AL_SITO", QStringLiteral("Collegati al sito dell' autore"))->setEnabled(false);
    separatore(mnuGuida, "mnuSeparatoreGuida1");
    voce(mnuGuida, "mnuGuidaGuidaGenerale", QStringLiteral("Guida generale"))->setEnabled(false);
    voce(mnuGuida, "mnuGuidaInformazioni", QStringLiteral("Informazioni programma"))->setEnabled(false);

    m_informazioni = new QLabel(this);
    m_informazioni->setObjectName(QStringLiteral("lblArchivioCaricato"));
    m_informazioni->setMargin(6);
    setCentralWidget(m_informazioni);
    aggiornaInformazioni();

    // A narrow strip across the top of the screen.
    if (const QScreen* schermo = QGuiApplication::primaryScreen()) {
        const QRect area = schermo->availableGeometry();
        const int larghezza = std::min(area.width(), 800);
        setGeometry(area.x() + (area.width() - larghezza) / 2, area.y() + 30, larghezza, sizeHint().height());
    }
}

QMenu* PRINCIPIO::menu(const char* nome, const QString& titolo) {
    QMenu* nuovo = menuBar()->addMenu(titolo);
    nuovo->setObjectName(QString::fromLatin1(nome));
    nuovo->menuAction()->setObjectName(QString::fromLatin1(nome));
    return nuovo;
}

QAction* PRINCIPIO::voce(QMenu* menu, const char* nome, const QString& titolo) {
    QAction* azione = menu->addAction(titolo);
    azione->setObjectName(QString::fromLatin1(nome));
    return azione;
}

void PRINCIPIO::separatore(QMenu* menu, const char* nome) { menu->addSeparator()->setObjectName(QString::fromLatin1(nome)); }

void PRINCIPIO::apertura() { aggiornaInformazioni(); }

void PRINCIPIO::aggiornaInformazioni() {
    const int caricate = m_stato.Estrazioni_Caricate;
    if (caricate < 1) {
        m_informazioni->setText(QStringLiteral("Nessuna estrazione caricata."));
        return;
    }
    const auto testo = [](const std::vector<std::string>& tabella, int d) {
        return testoArchivio(tabella[static_cast<std::size_t>(d)]).trimmed();
    };
    m_informazioni->setText(QStringLiteral("Archivio caricato: %1 estrazioni, dal %2 (concorso %3) al %4 (concorso %5).")
                                .arg(caricate)
                                .arg(testo(m_stato.Data_Estrazione, 1), testo(m_stato.Concorso_Estrazione, 1),
                                     testo(m_stato.Data_Estrazione, caricate), testo(m_stato.Concorso_Estrazione, caricate)));
}

void PRINCIPIO::closeEvent(QCloseEvent* evento) {
    if (prompt::chiedi(this, titoloProgramma(),
                       QStringLiteral("Chiudere l' applicazione ") + titoloProgramma() + QStringLiteral(" ?"))) {
        evento->accept();
        emit programmaTerminato();
    } else {
        evento->ignore();
    }
}

} // namespace ui
