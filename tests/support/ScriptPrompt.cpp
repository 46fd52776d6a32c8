#include "ScriptPrompt.h"

#include <QTest>

namespace prova {

namespace {

// The next answer of a script; without one, `imprevista`, after failing the test unless `tollerata`.
template <class T>
T prossima(QList<T>& script, const ui::prompt::Richiesta& richiesta, T imprevista, bool tollerata) {
    if (!script.isEmpty()) return script.takeFirst();
    if (!tollerata)
        QTest::qFail(
            qPrintable(
                QStringLiteral("Messaggio non previsto: [%1] %2").arg(richiesta.titolo, richiesta.testo)),
            __FILE__, __LINE__);
    return imprevista;
}

} // namespace

ScriptPrompt::ScriptPrompt(QList<bool> risposte, Imprevisti imprevisti) : m_risposte(std::move(risposte)) {
    const bool si = imprevisti == Imprevisti::Si;
    m_precedente = ui::prompt::installaGestore([this, si](QWidget*, const ui::prompt::Richiesta& richiesta) {
        m_mostrati.append(richiesta);
        return prossima(m_risposte, richiesta, si, si);
    });
    m_sceltaPrecedente =
        ui::prompt::installaGestoreScelta([this](QWidget*, const ui::prompt::Richiesta& richiesta) {
            m_mostrati.append(richiesta);
            return prossima(m_scelte, richiesta, -1, false);
        });
}

ScriptPrompt::~ScriptPrompt() {
    ui::prompt::installaGestore(std::move(m_precedente));
    ui::prompt::installaGestoreScelta(std::move(m_sceltaPrecedente));
}

QStringList ScriptPrompt::elenca(QString ui::prompt::Richiesta::*campo) const {
    QStringList testi;
    for (const auto& richiesta : m_mostrati)
        testi << richiesta.*campo;
    return testi;
}

} // namespace prova
