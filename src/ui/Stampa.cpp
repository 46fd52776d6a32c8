#include "Stampa.h"

#include "Programma.h"
#include "Prompt.h"
#include "maintenance/Consultazione.h"

#include <QDate>
#include <QFontMetrics>
#include <QLocale>
#include <QVersionNumber>

namespace ui {

Stampa::Stampa() : m_stampante(QPrinter::HighResolution) {}

bool Stampa::Imposta_Stampante(QWidget* genitore, int copie) {
    m_stampante.setCopyCount(copie);
    if (!prompt::scegliStampante(genitore, m_stampante) || !m_pittore.begin(&m_stampante)) return false;
    m_carattere = QFont(QStringLiteral("courier"), 10);
    m_carattere.setStyleHint(QFont::TypeWriter);
    m_carattere.setFixedPitch(true);
    m_y = 0;
    const int revisione = QVersionNumber::fromString(versioneProgramma()).microVersion();
    const QString oggi = QDate::currentDate().toString(QStringLiteral("d/M/yyyy"));
    riga(QString::fromStdString(
        maintenance::intestazioneStampa(titoloProgramma().toStdString(), revisione, oggi.toStdString())));
    return true;
}

void Stampa::riga(const QString& testo, bool evidenza) {
    QFont carattere = m_carattere;
    carattere.setBold(evidenza);
    carattere.setUnderline(evidenza);
    m_pittore.setFont(carattere);
    const QFontMetrics metrica(carattere, &m_stampante);
    const QRect pagina = m_stampante.pageLayout().paintRectPixels(m_stampante.resolution());
    if (m_y + metrica.height() > pagina.height() && m_y > 0) {
        m_stampante.newPage();
        m_y = 0;
    }
    m_y += metrica.height();
    m_pittore.drawText(0, m_y - metrica.descent(), testo);
}

void Stampa::fine() {
    if (m_pittore.isActive()) m_pittore.end();
}

} // namespace ui
