#pragma once
// The hourglass pointer for the length of a scope: shown when made, the normal pointer back on
// every way out (a return, an exception, an early restore before a message is shown).

#include <QApplication>
#include <QCursor>

namespace bw {

class HourglassCursor {
  public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { restore(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

    // Brings the normal pointer back now; the end of the scope then does nothing more.
    void restore() {
        if (active_) QApplication::restoreOverrideCursor();
        active_ = false;
    }

  private:
    bool active_ = true;
};

}  // namespace bw
