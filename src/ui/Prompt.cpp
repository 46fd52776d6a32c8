#include "Prompt.h"

#include "Tastiera.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ui::prompt {

namespace {

/** A window not shown yet (a window that checks its files while it is built) would put the box in a corner.
 */
QWidget* visibile(QWidget* genitore) {
    return genitore && genitore->isVisible() ? genitore : nullptr;
}

bool mostraDavvero(QWidget* genitore, const Richiesta& richiesta) {
    QMessageBox box(visibile(genitore));
    box.setWindowTitle(richiesta.titolo);
    box.setText(richiesta.testo);
    switch (richiesta.tipo) {
    case Tipo::Nessuna:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Tipo::Informazione:
        box.setIcon(QMessageBox::Information);
        break;
    case Tipo::Avviso:
        box.setIcon(QMessageBox::Warning);
        break;
    case Tipo::Domanda:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (richiesta.siNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // A box is at least as wide as its caption, so that the window frame never shortens it.
    if (auto* griglia = qobject_cast<QGridLayout*>(box.layout())) {
        const int larghezza = box.fontMetrics().horizontalAdvance(richiesta.titolo) + 140;
        griglia->addItem(new QSpacerItem(larghezza, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                         griglia->rowCount(), 0, 1, griglia->columnCount());
    }
    preparaTastiera(&box); // Alt+S, Alt+N
    return box.exec() != QMessageBox::No;
}

Gestore& gestoreCorrente() {
    static Gestore gestore;
    return gestore;
}

bool mostra(QWidget* genitore, const Richiesta& richiesta) {
    const Gestore& gestore = gestoreCorrente();
    return gestore ? gestore(genitore, richiesta) : mostraDavvero(genitore, richiesta);
}

GestoreFile& gestoreFileCorrente() {
    static GestoreFile gestore;
    return gestore;
}

GestoreStampante& gestoreStampanteCorrente() {
    static GestoreStampante gestore;
    return gestore;
}

} // namespace

bool scegliStampante(QWidget* genitore, QPrinter& stampante) {
    if (const GestoreStampante& gestore = gestoreStampanteCorrente()) return gestore(stampante);
    QPrintDialog dialogo(&stampante, genitore);
    return dialogo.exec() == QDialog::Accepted;
}

GestoreStampante installaGestoreStampante(GestoreStampante gestore) {
    GestoreStampante precedente = std::move(gestoreStampanteCorrente());
    gestoreStampanteCorrente() = std::move(gestore);
    return precedente;
}

QString scegliFileDaSalvare(QWidget* genitore, const QString& titolo, const QString& proposto,
                            const QString& filtro) {
    if (const GestoreFile& gestore = gestoreFileCorrente()) return gestore(titolo, proposto);
    return QFileDialog::getSaveFileName(genitore, titolo, proposto, filtro);
}

GestoreFile installaGestoreFile(GestoreFile gestore) {
    GestoreFile precedente = std::move(gestoreFileCorrente());
    gestoreFileCorrente() = std::move(gestore);
    return precedente;
}

void informa(QWidget* genitore, const QString& titolo, const QString& testo, Tipo tipo) {
    mostra(genitore, {titolo, testo, tipo, false, {}, {}});
}

bool chiedi(QWidget* genitore, const QString& titolo, const QString& testo) {
    return mostra(genitore, {titolo, testo, Tipo::Domanda, true, {}, {}});
}

Gestore installaGestore(Gestore gestore) {
    Gestore precedente = std::move(gestoreCorrente());
    gestoreCorrente() = std::move(gestore);
    return precedente;
}

namespace {

GestoreScelta& gestoreSceltaCorrente() {
    static GestoreScelta gestore;
    return gestore;
}

int sceltaDavvero(QWidget* genitore, const Richiesta& richiesta) {
    QDialog box(visibile(genitore));
    box.setWindowTitle(richiesta.titolo);
    auto* colonna = new QVBoxLayout(&box);
    auto* testo = new QLabel(richiesta.testo, &box);
    testo->setWordWrap(true);
    colonna->addWidget(testo);
    if (!richiesta.dettagli.isEmpty()) {
        auto* dettagli = new QPlainTextEdit(richiesta.dettagli, &box);
        dettagli->setReadOnly(true);
        dettagli->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        // As wide as the longest line, within a small screen; longer lines wrap.
        int larghezza = 0;
        for (const QString& riga : richiesta.dettagli.split(QLatin1Char('\n')))
            larghezza = std::max(larghezza, dettagli->fontMetrics().horizontalAdvance(riga));
        dettagli->setMinimumSize(std::clamp(larghezza + 40, 480, 720), 300);
        colonna->addWidget(dettagli, 1);
    }
    auto* pulsanti = new QDialogButtonBox(&box);
    int scelta = -1;
    for (int i = 0; i < richiesta.pulsanti.size(); ++i) {
        QPushButton* pulsante = pulsanti->addButton(richiesta.pulsanti[i], QDialogButtonBox::ActionRole);
        // Enter takes the last button, the one that changes nothing ("Annulla", or the only "OK"): it has
        // the focus too, or the first button, focused on opening, would take Enter for itself.
        pulsante->setDefault(i == richiesta.pulsanti.size() - 1);
        if (pulsante->isDefault()) pulsante->setFocus();
        QObject::connect(pulsante, &QPushButton::clicked, &box, [&box, &scelta, i] {
            scelta = i;
            box.accept();
        });
    }
    colonna->addWidget(pulsanti);
    testo->setMinimumWidth(400);
    // A wrapped question takes the lines it needs at the box's width: the layout alone would give it one
    // line too few, and the buttons would cover the report below it.
    const int larghezzaTesto = std::max(400, colonna->itemAt(colonna->count() - 2)->widget()->minimumWidth());
    testo->setMinimumHeight(testo->heightForWidth(larghezzaTesto));
    preparaTastiera(&box);
    box.exec();
    return scelta;
}

} // namespace

int scegli(QWidget* genitore, const QString& titolo, const QString& testo, const QString& dettagli,
           const QStringList& pulsanti) {
    Richiesta richiesta{titolo, testo, Tipo::Domanda, false, pulsanti, dettagli};
    const GestoreScelta& gestore = gestoreSceltaCorrente();
    return gestore ? gestore(genitore, richiesta) : sceltaDavvero(genitore, richiesta);
}

GestoreScelta installaGestoreScelta(GestoreScelta gestore) {
    GestoreScelta precedente = std::move(gestoreSceltaCorrente());
    gestoreSceltaCorrente() = std::move(gestore);
    return precedente;
}

QString scegliFileDaAprire(QWidget* genitore, const QString& titolo, const QString& cartella,
                           const QString& filtro) {
    if (const GestoreFile& gestore = gestoreFileCorrente()) return gestore(titolo, cartella);
    return QFileDialog::getOpenFileName(genitore, titolo, cartella, filtro);
}

} // namespace ui::prompt
