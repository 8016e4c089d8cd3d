#pragma once
// Help for everyone at the keyboard: Enter presses the focused button, and every control is
// named after its caption for screen readers and test robots.

#include <QString>

class QWidget;

namespace bw {

// Makes Enter (and the keypad's Enter) press whichever button of `window` has the focus, in a
// window or dialog alike. Call it once the window's buttons are made; buttons added later to
// the window are covered too.
void EnterPressesButtons(QWidget* window);

// The caption a control is named by: mnemonic marks ("&") dropped, runs of blanks made one
// blank, blanks and a closing colon or full stop at the ends removed.
QString AccessibleCaption(const QString& caption);

// Gives `control` the accessible name of `caption` (see AccessibleCaption).
void SetAccessibleCaption(QWidget* control, const QString& caption);

}  // namespace bw
