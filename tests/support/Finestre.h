#pragma once

// What the GUI tests share: finding a control by its name (a missing one fails the test, not the whole
// run), reading what the user sees, acting as the user does, and guards that install a handler in one of
// the program's seams for one scope.
#include "FinestraModale.h"
#include "ScriptPrompt.h"
#include "ui/Guida.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <type_traits>

namespace prova {

// The child of `genitore` named `nome`. When there is none the running test fails, and a spare control stands
// in for it, so that the rest of the case runs harmlessly and the other cases still run.
template <class T = QWidget> T* controllo(const QObject& genitore, const QString& nome) {
    if (auto* trovato = genitore.findChild<T*>(nome)) return trovato;
    QTest::qFail(qPrintable(QStringLiteral("controllo non trovato: ") + nome), __FILE__, __LINE__);
    static T* const riserva = new T; // never freed: it outlives every window
    return riserva;
}

// The text of a label.
inline QString testo(const QObject& genitore, const QString& nome) {
    return controllo<QLabel>(genitore, nome)->text();
}

// The text of a grid's cell; empty for a cell without an item.
inline QString cella(const QObject& genitore, const QString& griglia, int riga, int colonna) {
    const QTableWidgetItem* voce = controllo<QTableWidget>(genitore, griglia)->item(riga, colonna);
    return voce ? voce->text() : QString();
}

// Acts on a control as the user does: triggers a menu entry, clicks a button or a box.
inline void clic(const QObject& genitore, const QString& nome) {
    if (auto* voce = genitore.findChild<QAction*>(nome)) return voce->trigger();
    if (auto* pulsante = genitore.findChild<QAbstractButton*>(nome)) return pulsante->click();
    QTest::qFail(qPrintable(QStringLiteral("nessun pulsante o voce di menu: ") + nome), __FILE__, __LINE__);
}

// Moves a bar to a value.
inline void sposta(const QObject& genitore, const QString& nome, int valore) {
    controllo<QScrollBar>(genitore, nome)->setValue(valore);
}

// Installs a handler in one of the program's seams (installaGestoreFile, installaGestoreStampante,
// installaApriCollegamento) while it lives; the previous handler comes back at the end of scope.
template <class Gestore> class Sostituto {
public:
    Sostituto(Gestore (*installa)(Gestore), std::type_identity_t<Gestore> gestore)
        : m_installa(installa), m_precedente(installa(std::move(gestore))) {}
    ~Sostituto() { m_installa(std::move(m_precedente)); }
    Sostituto(const Sostituto&) = delete;
    Sostituto& operator=(const Sostituto&) = delete;

private:
    Gestore (*m_installa)(Gestore);
    Gestore m_precedente;
};

// Answers every file chooser with `percorso` (empty: the user cancels) while it lives.
struct FileScelto : Sostituto<ui::prompt::GestoreFile> {
    explicit FileScelto(const QString& percorso)
        : Sostituto(ui::prompt::installaGestoreFile,
                    [this, percorso](const QString& titolo, const QString& p) {
                        titoli << titolo;
                        proposti << p;
                        return percorso;
                    }) {}
    QStringList titoli;   ///< the choosers' captions, in order
    QStringList proposti; ///< what each proposed (a file name, or a folder to open)
};

// Deletes the one help window at the end of scope, so that the next case starts without one.
struct SenzaGuida {
    SenzaGuida() = default;
    SenzaGuida(const SenzaGuida&) = delete;
    SenzaGuida& operator=(const SenzaGuida&) = delete;
    ~SenzaGuida() { delete ui::finestraGuida(); }
};

// The text of what `stampa` prints, through the printer's seam into a PDF that pdftotext -layout reads; a
// missing pdftotext fails the running test.
inline QString stampato(const std::function<void()>& stampa) {
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("stampa.pdf"));
    {
        Sostituto stampante(ui::prompt::installaGestoreStampante, [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        });
        stampa();
    }
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished())
        QTest::qFail("pdftotext (poppler-utils) non disponibile", __FILE__, __LINE__);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace prova
