#pragma once

#include "ui/Prompt.h"

#include <QList>
#include <QStringList>

namespace prova {

// Answers the program's message boxes from a script while it lives, and records every box shown. Each box
// takes the next answer (true = Yes/OK, false = No); a box that finds no answer left fails the running test
// at once and is answered No, unless the script was made with Imprevisti::Si: then it is answered Yes (OK),
// for the tests that open windows over damaged files and check afterwards which boxes came. The boxes with
// several buttons (prompt::scegli) take their answers, the index of a button or -1, from a script of their
// own given by scelte(). The previous handlers come back at the end of scope.
class ScriptPrompt {
public:
    // What a box finds when the script has no answer left.
    enum class Imprevisti { Falliscono, Si };
    explicit ScriptPrompt(QList<bool> risposte = {}, Imprevisti imprevisti = Imprevisti::Falliscono);
    ~ScriptPrompt();
    ScriptPrompt(const ScriptPrompt&) = delete;
    ScriptPrompt& operator=(const ScriptPrompt&) = delete;

    // Adds answers at the end of the script.
    void aggiungi(QList<bool> risposte) { m_risposte += risposte; }
    // Adds answers for the boxes with several buttons.
    void scelte(QList<int> scelte) { m_scelte += scelte; }
    // Every box shown so far, in order.
    const QList<ui::prompt::Richiesta>& mostrati() const { return m_mostrati; }
    // The texts of the boxes shown so far.
    QStringList testi() const { return elenca(&ui::prompt::Richiesta::testo); }
    // The captions of the boxes shown so far.
    QStringList titoli() const { return elenca(&ui::prompt::Richiesta::titolo); }
    // Answers not yet used.
    int rimaste() const { return static_cast<int>(m_risposte.size() + m_scelte.size()); }

private:
    QStringList elenca(QString ui::prompt::Richiesta::*campo) const;

    QList<bool> m_risposte;
    QList<int> m_scelte;
    QList<ui::prompt::Richiesta> m_mostrati;
    ui::prompt::Gestore m_precedente;
    ui::prompt::GestoreScelta m_sceltaPrecedente;
};

} // namespace prova
