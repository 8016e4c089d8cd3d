#pragma once

// The plumbing shared by the number boxes of the calculator windows: what a key press means to
// a key handler, refused pastes, when a box counts as left, selecting the whole text on entry and
// reading back only what the user typed. The windows keep their own named handlers; these
// routines only serve their event filters.

#include <initializer_list>

class QEvent;
class QKeyEvent;
class QLineEdit;
class QObject;
class QString;
class QWidget;

namespace bw {

class MessagePort;
struct MMODULE;

// Whether control characters (Escape, Ctrl+letter) reach a key handler as characters.
enum class ControlChars { Pass, Drop };

// The character code of a key press as the key handlers see it: kKeyEnter, kKeyBackspace or the
// character typed; 0 for keys that are no characters (arrows, Tab, Delete, function keys) and,
// with ControlChars::Drop, for control characters.
int KeyCharCode(const QKeyEvent* event, ControlChars control);

// A key typed into an amount or rate box, run through the decimal key filter against the box's
// text before the key (kept in KeyBoxText) with DecimalsAllowed; a refused key beeps. True when
// the key is discarded. Selected text is left out of KeyBoxText: the key replaces it, so a digit
// typed over a selected "$100,000.00" is not refused for the decimals it is about to remove.
bool DecimalBoxKeyPress(int keyAscii, const QLineEdit* box, MMODULE& mm, MessagePort& messages);

// A key typed into a whole-number box; a refused key beeps. True when the key is discarded.
bool DigitBoxKeyPress(int keyAscii, MessagePort& messages);

// Pasting would bring in text the key filters have not seen: a paste key is refused with a beep.
// True when the key was a paste (the caller then swallows it).
bool RefusePaste(const QKeyEvent* event, MessagePort& messages);

// True for a FocusOut that really leaves a box: opening a list or a dialog, or switching to
// another program, is not leaving it.
bool LeavesBox(const QEvent* event);

// Selects the whole text of `box` again once the focus has arrived: a mouse click places the
// caret after the focus, which would undo a selection made at once.
void SelectAllAfterFocus(QLineEdit* box);

// The box of `boxes` that holds the keyboard focus, itself or through the edit field of an
// editable list; nullptr when none does.
QWidget* FocusedBox(std::initializer_list<QWidget*> boxes);

// When the user changed the text of `box`, its leading number goes into `value` and the result
// is true. Text the window wrote itself is not read back: an amount as the windows show it
// begins with the currency symbol and carries thousands separators, and a rate is shown
// rounded, so reading it would not give the value it stands for.
bool TakeEditedNumber(const QLineEdit* box, double& value);

}  // namespace bw
