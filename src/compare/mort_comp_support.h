#pragma once
// Small helpers the comparison window's source files share.

#include <QApplication>
#include <QString>
#include <string>

#include "shell/number_format.h"

namespace bw::comp {

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string S(const QString& text) {
    return text.toStdString();
}

// A text right-justified in a field, or whole when it is longer than the field.
inline std::string Fit(const std::string& text, int width) {
    return static_cast<int>(TextLength(text)) > width ? text : RightAlign(text, width);
}

// The hourglass for the life of a scope.
class HourglassCursor {
  public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { restore(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
    void restore() {
        if (active_) QApplication::restoreOverrideCursor();
        active_ = false;
    }

  private:
    bool active_ = true;
};

}  // namespace bw::comp
