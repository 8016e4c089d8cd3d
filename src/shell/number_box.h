#pragma once
// The yellow type-over number box of the calculator windows. Entering it selects its text; the
// first key typed into an untouched box (TypingFlag 0) empties it and asks the window to reset;
// the key filter decides over each key, a refused key beeps; Enter moves on; leaving the box
// with TypingFlag 1 hands the typed value to the window, which stores it and gives the text to
// show. Keys that enter nothing (Escape, Ctrl+C, Ctrl+A, arrows, Home, End, function keys) leave
// box and state alone; text from outside (paste, cut, undo, drag and drop, the middle button's
// paste) is refused with a beep, as the key filters never see it.
//
// A NumberBox attaches to a QLineEdit, or to an editable QComboBox through its line edit, and
// lives as the box's child.

#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

#include "shell/number_box_rule.h"

class QComboBox;
class QEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace bw {

class MessagePort;
struct MMODULE;

class NumberBox : public QObject {
    Q_OBJECT
  public:
    // Gives the window's shown text for a box that is left with TypingFlag 1: `typed` holds the
    // number the user's text begins with (0 for none) when the user edited the box, and nothing
    // when the box was left as the window wrote it. The callback stores the value where the
    // window keeps it; a null QString leaves the text as it is.
    using Store = std::function<QString(std::optional<double> typed)>;

    NumberBox(QLineEdit* box, MMODULE& mm, MessagePort& messages, NumberBoxRule rule = {});
    NumberBox(QComboBox* list, MMODULE& mm, MessagePort& messages, NumberBoxRule rule = {});
    ~NumberBox() override;

    QLineEdit* lineEdit() const { return edit_; }
    // The control that takes the focus: the list for a list, else the line edit.
    QWidget* control() const;
    const NumberBoxRule& rule() const { return rule_; }

    void setStore(Store store) { store_ = std::move(store); }
    // Where Enter moves the focus; none: Enter only raises enterPressed.
    void setNext(QWidget* next) { next_ = next; }
    // Names the box for screen readers after its caption (mnemonic marks and blanks dropped).
    void setCaption(const QString& caption);

    // Shows a text the window wrote itself: it is not read back as typed.
    void showText(const QString& text);
    // Whether the user changed the text since the window last wrote it.
    bool edited() const { return edited_; }
    // Counts the current text as typed (a list entry picked, a limit put in place of the
    // typed value): leaving the box then reads it.
    void markEdited() { edited_ = true; }

    // Leaves the box as the focus leaving it would: with TypingFlag 1 the value is taken.
    void leave();

    // Stops watching the box: a window calls it (or CloseNumberBoxes) in its destructor, so
    // that the focus leaving a box that is being taken down reaches no half-destroyed window.
    void close();

  signals:
    // The first key of an untouched box emptied it: the window's reset routine runs. TypingFlag
    // is 1 when the slots have run.
    void resetRequested();
    // A key reached the box (character code, or 8 for Backspace).
    void keyAccepted(int key);
    // Enter was pressed in the box (before the focus moves on).
    void enterPressed();
    // The Delete key was pressed (it then deletes as usual).
    void deletePressed();
    // The box is about to be left, whatever TypingFlag is (checks made on every leaving).
    void leaving();
    // The box was left with TypingFlag 1 and its value went through the store callback.
    void valueTaken(bool typed, double value);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void attach(QObject* target);
    bool keyPress(QObject* watched, QKeyEvent* key);
    bool entryKey(QObject* watched, int code, QKeyEvent* key);
    void refuse();

    QLineEdit* edit_;
    QPointer<QComboBox> list_;
    MMODULE& mm_;
    MessagePort& messages_;
    NumberBoxRule rule_;
    Store store_;
    QPointer<QWidget> next_;
    bool edited_ = false;
    bool leaving_ = false;
    bool closed_ = false;
};

// Closes every number box of `window` (see NumberBox::close).
void CloseNumberBoxes(QWidget* window);

}  // namespace bw
