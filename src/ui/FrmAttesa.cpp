#include "FrmAttesa.h"

#include "Programma.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QVBoxLayout>
#include <QWindow>

namespace ui {

frmAttesa::frmAttesa(QWidget* genitore)
    : QWidget(genitore, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("frmAttesa"));
    setWindowTitle(titoloProgramma());
    auto* layout = new QVBoxLayout(this);
    auto* testo = new QLabel(QStringLiteral("Elaborazione in corso, ATTENDERE"), this);
    testo->setObjectName(QStringLiteral("lblAttesa"));
    QFont carattere = testo->font();
    carattere.setPointSize(carattere.pointSize() + 4);
    carattere.setBold(true);
    testo->setFont(carattere);
    testo->setAlignment(Qt::AlignCenter);
    testo->setMargin(24);
    layout->addWidget(testo);
}

void frmAttesa::mostra() {
    show();
    raise();
    // A new window reaches the screen only after the system maps it: wait for that, briefly, taking
    // no input from the user meanwhile.
    QElapsedTimer attesa;
    attesa.start();
    while (windowHandle() && !windowHandle()->isExposed() && attesa.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    repaint();
}

void frmAttesa::showEvent(QShowEvent* evento) {
    QWidget::showEvent(evento);
    centraSulloSchermo(this);
}

} // namespace ui
