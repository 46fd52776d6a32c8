#include "Tastiera.h"

#include <QAbstractButton>
#include <QAction>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QWidget>

#include <initializer_list>

namespace ui {

namespace {

/** Gives each text of a group a mnemonic of its own, keeping those it already has. */
class Mnemonici {
public:
    void riserva(const QString& testo) {
        const qsizetype e = testo.indexOf(QLatin1Char('&'));
        if (e >= 0 && e + 1 < testo.size() && testo.at(e + 1) != QLatin1Char('&'))
            m_usate.insert(testo.at(e + 1).toUpper());
    }
    /** The text with a mnemonic on its first free letter; unchanged when it has one or none is free. */
    QString assegna(const QString& testo) {
        if (testo.contains(QLatin1Char('&'))) return testo;
        // The same control repeated on each page of a window (one shows at a time) takes the same letter.
        if (const auto data = m_date.constFind(testo); data != m_date.constEnd()) return *data;
        for (qsizetype i = 0; i < testo.size(); ++i) {
            const QChar lettera = testo.at(i).toUpper();
            if (!lettera.isLetterOrNumber() || lettera.unicode() > 127 || m_usate.contains(lettera)) continue;
            m_usate.insert(lettera);
            return m_date[testo] = testo.left(i) + QLatin1Char('&') + testo.mid(i);
        }
        return testo;
    }

private:
    QSet<QChar> m_usate;
    QHash<QString, QString> m_date;
};

void mnemoniciDelMenu(QMenu* menu) {
    Mnemonici gruppo;
    const auto voci = menu->actions();
    for (const QAction* voce : voci)
        gruppo.riserva(voce->text());
    for (QAction* voce : voci) {
        if (voce->isSeparator() || voce->text().isEmpty()) continue;
        voce->setText(gruppo.assegna(voce->text()));
        if (QMenu* sotto = voce->menu()) mnemoniciDelMenu(sotto);
    }
}

/** Presses the first of the named controls the window has, when it is enabled. */
void scorciatoia(QWidget* finestra, const QKeySequence& tasti, std::initializer_list<const char*> nomi) {
    for (const char* nome : nomi) {
        const QString nomeControllo = QString::fromLatin1(nome);
        if (auto* pulsante = finestra->findChild<QAbstractButton*>(nomeControllo)) {
            QObject::connect(new QShortcut(tasti, finestra), &QShortcut::activated, pulsante, [pulsante] {
                if (pulsante->isEnabled()) pulsante->click();
            });
            return;
        }
        if (auto* azione = finestra->findChild<QAction*>(nomeControllo)) {
            QObject::connect(new QShortcut(tasti, finestra), &QShortcut::activated, azione, [azione] {
                if (azione->isEnabled()) azione->trigger();
            });
            return;
        }
    }
}

} // namespace

void preparaTastiera(QWidget* finestra, bool escChiude) {
    Mnemonici finestraIntera;
    const auto pulsanti = finestra->findChildren<QAbstractButton*>();
    const auto barre = finestra->findChildren<QMenuBar*>();
    for (const QAbstractButton* pulsante : pulsanti)
        finestraIntera.riserva(pulsante->text());
    for (const QMenuBar* barra : barre)
        for (const QAction* menu : barra->actions())
            finestraIntera.riserva(menu->text());
    // The menu titles first: Alt+letter opens a menu wherever the focus is.
    for (QMenuBar* barra : barre)
        for (QAction* menu : barra->actions()) {
            menu->setText(finestraIntera.assegna(menu->text()));
            if (menu->menu()) mnemoniciDelMenu(menu->menu());
        }
    // Push buttons before check boxes and options: when the letters run out, the commands have theirs.
    for (const bool comandi : {true, false})
        for (QAbstractButton* pulsante : pulsanti)
            if (!pulsante->text().isEmpty() && (qobject_cast<QPushButton*>(pulsante) != nullptr) == comandi)
                pulsante->setText(finestraIntera.assegna(pulsante->text()));

    scorciatoia(finestra, QKeySequence(Qt::Key_F1),
                {"cmdHelp", "cmdGuida", "CmdHelpModificaPeriodo1", "cmdMenuBar_11"});
    scorciatoia(finestra, QKeySequence(Qt::CTRL | Qt::Key_P),
                {"mnuFileStampa", "cmdStampa", "cmdStampaEstrazione"});
    scorciatoia(finestra, QKeySequence(Qt::CTRL | Qt::Key_E), {"cmdEsporta", "cmdSalvaImmagine"});
    if (escChiude)
        QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), finestra), &QShortcut::activated,
                         finestra, &QWidget::close);
}

QString conMnemonico(const QString& vecchio, const QString& nuovo) {
    const qsizetype e = vecchio.indexOf(QLatin1Char('&'));
    if (e < 0 || e + 1 >= vecchio.size()) return nuovo;
    const qsizetype posto = nuovo.indexOf(vecchio.at(e + 1), 0, Qt::CaseInsensitive);
    return posto < 0 ? nuovo : nuovo.left(posto) + QLatin1Char('&') + nuovo.mid(posto);
}

} // namespace ui
