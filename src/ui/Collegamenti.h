#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

/**
 * The author's web site and e-mail, opened by the system. The program ships without a public address:
 * while an address is empty its menu entries and start-up labels stay visibly inactive.
 */
namespace ui {

/** The author's web site; empty when there is none. */
QString indirizzoSito();
/** The author's e-mail address; empty when there is none. */
QString indirizzoPosta();

/**
 * The target of the mail link: "mailto:", the address, "?SUBJECT=", the program's title, " vers.",
 * the version and " :". Empty when `posta` is empty.
 */
QString collegamentoPosta(const QString& posta);

/** Asks the system to open `destinazione` (a web address or a "mailto:" link). A failure is ignored,
 * silently. */
void Apri_Collegamento(QWidget* finestra, const QString& destinazione);

/** Opens a URL in place of the system (tests); returns the previous opener, empty for the system's. */
using ApriUrl = std::function<bool(const QUrl&)>;
ApriUrl installaApriCollegamento(ApriUrl apri);

} // namespace ui
