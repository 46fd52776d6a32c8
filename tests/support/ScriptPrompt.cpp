#include "ScriptPrompt.h"

#include <QTest>

namespace prova {

ScriptPrompt::ScriptPrompt(QList<bool> risposte, Imprevisti imprevisti) : m_risposte(std::move(risposte)) {
    m_precedente =
        ui::prompt::installaGestore([this, imprevisti](QWidget*, const ui::prompt::Richiesta& richiesta) {
            m_mostrati.append(richiesta);
            if (m_risposte.isEmpty()) {
                if (imprevisti == Imprevisti::Si) return true;
                const QByteArray messaggio =
                    "Messaggio non previsto: [" + richiesta.titolo.toUtf8() + "] " + richiesta.testo.toUtf8();
                QTest::qFail(messaggio.constData(), __FILE__, __LINE__);
                return false;
            }
            return m_risposte.takeFirst();
        });
    m_sceltaPrecedente =
        ui::prompt::installaGestoreScelta([this](QWidget*, const ui::prompt::Richiesta& richiesta) {
            m_mostrati.append(richiesta);
            if (m_scelte.isEmpty()) {
                const QByteArray messaggio =
                    "Scelta non prevista: [" + richiesta.titolo.toUtf8() + "] " + richiesta.testo.toUtf8();
                QTest::qFail(messaggio.constData(), __FILE__, __LINE__);
                return -1;
            }
            return m_scelte.takeFirst();
        });
}

ScriptPrompt::~ScriptPrompt() {
    ui::prompt::installaGestore(std::move(m_precedente));
    ui::prompt::installaGestoreScelta(std::move(m_sceltaPrecedente));
}

QStringList ScriptPrompt::testi() const {
    QStringList testi;
    for (const auto& richiesta : m_mostrati)
        testi << richiesta.testo;
    return testi;
}

QStringList ScriptPrompt::titoli() const {
    QStringList titoli;
    for (const auto& richiesta : m_mostrati)
        titoli << richiesta.titolo;
    return titoli;
}

} // namespace prova
