#pragma once
// Dialogs of the program place their top-left corner at an offset (in twips) from the frame's
// top-left corner.

#include <QWidget>

#include "shell/app_context.h"
#include "shell/twips.h"

namespace bw {

inline QPoint DialogPosition(const AppFrame& frame, TwipPoint offset) {
    return frame.frameOrigin() + QPoint(Px(offset.left), Px(offset.top));
}

inline void PlaceDialog(QWidget& dialog, const AppFrame& frame, TwipPoint offset) {
    dialog.move(DialogPosition(frame, offset));
}

}  // namespace bw
