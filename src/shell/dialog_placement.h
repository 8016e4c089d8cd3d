#pragma once
// Dialogs of the program place their top-left corner at an offset (in twips) from the frame's
// top-left corner, one offset for the small frame and one for the large.

#include <QWidget>
#include <cstdint>

#include "shell/app_context.h"
#include "shell/twips.h"

namespace bw {

inline QPoint DialogPosition(const AppFrame& frame, TwipPoint offset) {
    return frame.frameOrigin() + QPoint(Px(offset.left), Px(offset.top));
}

inline void PlaceDialog(QWidget& dialog, const AppFrame& frame, TwipPoint offset) {
    dialog.move(DialogPosition(frame, offset));
}

// Places `dialog` at `small` from the frame's corner while FrameClass is below 8501, else at
// `large`.
inline void PlaceDialog(QWidget& dialog, const AppFrame& frame, std::int32_t frameClass,
                        TwipPoint small, TwipPoint large) {
    PlaceDialog(dialog, frame, DialogOffset(frameClass, small, large));
}

}  // namespace bw
