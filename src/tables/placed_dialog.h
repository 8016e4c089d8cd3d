#pragma once
// The base of the tables dialogs: a fixed-size modal dialog that places itself at its own
// offsets from the frame each time it is activated, and handles Enter and Escape the way the
// program's dialogs do (Enter presses the button that has the focus; Escape does nothing).

#include <QDialog>

#include "shell/app_context.h"
#include "shell/twips.h"

class QKeyEvent;
class QShowEvent;
class QEvent;

namespace bw {

// The character code a key press types into a box; 0 for keys that type nothing: Tab, Delete,
// arrows, Escape and other control characters, and shortcuts held with Ctrl (Ctrl+C, Ctrl+A).
int EntryCharCode(const QKeyEvent* key);

class PlacedDialog : public QDialog {
    Q_OBJECT
  public:
    // `small` is the offset from the frame's top-left corner when FrameClass is at most 8500,
    // `large` the offset otherwise, both in twips.
    PlacedDialog(AppContext& ctx, TwipPoint small, TwipPoint large, QWidget* parent);

    // Where the dialog places itself, in screen pixels.
    QPoint placement() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    AppContext& ctx_;

  private:
    TwipPoint small_;
    TwipPoint large_;
};

}  // namespace bw
