#pragma once
// Positions and sizes are given in twips; 15 twips make one device-independent pixel.

namespace bw {

constexpr int kTwipsPerPixel = 15;

// Twips to pixels, rounded to the nearest pixel.
constexpr int Px(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int ToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// FrameClass from the frame's height in twips.
constexpr int FrameClassForHeight(int heightTwips) {
    return heightTwips > 8500 ? 8670 : 6810;
}
constexpr bool SmallFrame(int frameClass) {
    return frameClass < 8501;
}

struct TwipPoint {
    int left = 0;
    int top = 0;
};

// Where a feature window (main menu, tables, comparison, affordability) places itself inside the
// frame's client area.
constexpr TwipPoint WindowPlacement(int frameClass) {
    return SmallFrame(frameClass) ? TwipPoint{-60, -30} : TwipPoint{1000, 1000};
}

// A dialog's offset from the frame's top-left corner: `small` when FrameClass is below 8501.
constexpr TwipPoint DialogOffset(int frameClass, TwipPoint small, TwipPoint large) {
    return SmallFrame(frameClass) ? small : large;
}

}  // namespace bw
