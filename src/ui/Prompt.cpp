#include "Prompt.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace ui::prompt {

namespace {

bool mostraDavvero(QWidget* genitore, const Richiesta& richiesta) {
    QMessageBox box(genitore);
    box.setWindowTitle(richiesta.titolo);
    box.setText(richiesta.testo);
    switch (richiesta.tipo) {
    case Tipo::Nessuna: box.setIcon(QMessageBox::NoIcon); break;
    case Tipo::Informazione: box.setIcon(QMessageBox::Information); break;
    case Tipo::Avviso: box.setIcon(QMessageBox::Warning); break;
    case Tipo::Domanda: box.setIcon(QMessageBox::Question); break;
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
        griglia->addItem(new QSpacerItem(larghezza, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), griglia->rowCount(), 0, 1,
                         griglia->columnCount());
    }
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

QString scegliFileDaSalvare(QWidget* genitore, const QString& titolo, const QString& proposto, const QString& filtro) {
    if (const GestoreFile& gestore = gestoreFileCorrente()) return gestore(titolo, proposto);
    return QFileDialog::getSaveFileName(genitore, titolo, proposto, filtro);
}

GestoreFile installaGestoreFile(GestoreFile gestore) {
    GestoreFile precedente = std::move(gestoreFileCorrente());
    gestoreFileCorrente() = std::move(gestore);
    return precedente;
}

void informa(QWidget* genitore, const QString& titolo, const QString& testo, Tipo tipo) {
    mostra(genitore, {titolo, testo, tipo, false});
}

bool chiedi(QWidget* genitore, const QString& titolo, const QString& testo) {
    return mostra(genitore, {titolo, testo, Tipo::Domanda, true});
}

Gestore installaGestore(Gestore gestore) {
    Gestore precedente = std::move(gestoreCorrente());
    gestoreCorrente() = std::move(gestore);
    return precedente;
}

} // namespace ui::prompt
