#include "AttesaArchivio.h"

#include "Programma.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace ui {

namespace {

/** The window of one wait, made only when the wait lasts: a short wait shows nothing. */
class Attesa {
public:
    bool inAttesa(const std::string& detentore) {
        if (!m_tempo.isValid()) m_tempo.start();
        if (m_tempo.elapsed() >= 300 && !m_finestra) crea();
        if (m_finestra)
            m_detentore->setText(detentore.empty()
                                     ? QString()
                                     : QStringLiteral("(%1)").arg(QString::fromStdString(detentore)));
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        return !m_annullata;
    }
    void fine() {
        delete m_finestra;
        m_tempo.invalidate();
        m_annullata = false;
    }

private:
    void crea() {
        m_finestra = new QDialog(QApplication::activeWindow());
        m_finestra->setObjectName(QStringLiteral("frmArchivioInUso"));
        m_finestra->setWindowTitle(titoloProgramma());
        m_finestra->setWindowModality(Qt::ApplicationModal);
        auto* colonna = new QVBoxLayout(m_finestra);
        colonna->addWidget(
            new QLabel(QStringLiteral("Attendere: l'archivio è in uso da un altro programma…")));
        m_detentore = new QLabel(m_finestra);
        colonna->addWidget(m_detentore);
        auto* annulla = new QPushButton(QStringLiteral("&Annulla"), m_finestra);
        annulla->setObjectName(QStringLiteral("cmdAnnulla"));
        colonna->addWidget(annulla, 0, Qt::AlignRight);
        QObject::connect(annulla, &QPushButton::clicked, [this] { m_annullata = true; });
        // The frame's close control and Esc give up as Annulla does.
        QObject::connect(m_finestra, &QDialog::rejected, [this] { m_annullata = true; });
        m_finestra->show();
        centraSulloSchermo(m_finestra);
    }

    QElapsedTimer m_tempo;
    QPointer<QDialog> m_finestra;
    QLabel* m_detentore = nullptr;
    bool m_annullata = false;
};

} // namespace

core::AttesaBlocco installaAttesaArchivio() {
    auto attesa = std::make_shared<Attesa>();
    core::AttesaBlocco impostazione;
    impostazione.inAttesa = [attesa](const std::string& detentore) { return attesa->inAttesa(detentore); };
    impostazione.fine = [attesa] { attesa->fine(); };
    return core::impostaAttesaBlocco(impostazione);
}

} // namespace ui
