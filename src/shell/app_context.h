#pragma once
// What every window of the desktop program is given: the shared state, the message dialogs and
// the frame it lives in.

#include <QPoint>
#include <QString>

#include "shell/message_port.h"
#include "shell/mmodule.h"

class QWidget;

namespace bw {

// The frame as the windows see it (MDIContainer, or a stand-in in tests).
class AppFrame {
  public:
    virtual ~AppFrame() = default;
    virtual void setFrameCaption(const QString& caption) = 0;
    virtual QString frameCaption() const = 0;
    // Adds a window as a child of the frame (an MDI child window) and shows it, placed by the
    // placement rule. Graph windows and feature windows are shown this way.
    virtual void showChild(QWidget* window) = 0;
    // Shows the main menu again; called by a feature window's "E&xit to Menu" after it has
    // discarded its tables. The frame deletes the feature window later.
    virtual void showMainMenu() = 0;
    // The frame's top-left corner on screen: dialogs place themselves at offsets from it.
    virtual QPoint frameOrigin() const = 0;
    // The parent of modal dialogs.
    virtual QWidget* dialogParent() = 0;
};

struct AppContext {
    MMODULE& mm;
    MessagePort& messages;
    AppFrame& frame;
};

}  // namespace bw
