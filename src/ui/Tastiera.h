#pragma once

#include <QString>

class QWidget;

namespace ui {

/**
 * Makes a window usable from the keyboard, once its controls are built: every button, check box, radio
 * button, menu title and menu entry without a mnemonic gets one (the first letter of its text not yet
 * taken among its neighbours: the window's buttons and menu titles, the entries of each menu); F1 presses
 * the window's help button ("cmdHelp", "cmdGuida", the period window's), Ctrl+P its print command
 * ("mnuFileStampa", "cmdStampa"), Ctrl+E its export ("cmdEsporta", "cmdSalvaImmagine"), where the window has
 * one; with `escChiude`, Esc closes the window.
 */
void preparaTastiera(QWidget* finestra, bool escChiude = false);

/** A button's new text with the mnemonic letter of its old one, where the new text holds that letter. */
QString conMnemonico(const QString& vecchio, const QString& nuovo);

} // namespace ui
