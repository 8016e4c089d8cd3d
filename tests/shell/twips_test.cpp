// Twips to pixels, FrameClass from the frame's height, and where windows and dialogs go.

#include <gtest/gtest.h>

#include "shell/twips.h"

namespace bw {
namespace {

TEST(Twips, PixelsFrameClassAndPlacements) {
    const std::pair<int, int> pixels[] = {{0, 0},      {7, 0},    {8, 1},
                                          {9615, 641}, {-60, -4}, {-30, -2}};
    for (const auto& [twips, px] : pixels) EXPECT_EQ(Px(twips), px) << twips;
    EXPECT_EQ(ToTwips(567), 8505);
    // Heights up to 8500 twips make the small frame; its windows sit at -60, -30 twips, and a
    // dialog takes its offset for the small frame below FrameClass 8501.
    const std::tuple<int, int, int, int> heights[] = {{6810, 6810, -60, -30},
                                                      {8490, 6810, -60, -30},
                                                      {8500, 6810, -60, -30},
                                                      {8505, 8670, 1000, 1000},
                                                      {12000, 8670, 1000, 1000}};
    for (const auto& [height, frameClass, left, top] : heights) {
        EXPECT_EQ(FrameClassForHeight(height), frameClass) << height;
        EXPECT_EQ(WindowPlacement(frameClass).left, left) << height;
        EXPECT_EQ(WindowPlacement(frameClass).top, top) << height;
    }
    for (const auto& [frameClass, left] : {std::pair{8500, 3600}, {8501, 4650}, {6810, 3600}})
        EXPECT_EQ(DialogOffset(frameClass, {3600, 2000}, {4650, 3000}).left, left) << frameClass;
    EXPECT_EQ(DialogOffset(8670, {3600, 2000}, {4650, 3000}).top, 3000);
}

}  // namespace
}  // namespace bw
