// The frame: start size, FrameClass from its height, placement of child windows, the way back
// to the main menu.

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>

#include "shell/mdi_container.h"
#include "support/window_context.h"

namespace bw {
namespace {

using test::Settle;

QWidget* Window(int width, int height) {
    auto* w = new QLabel("window");
    w->resize(width, height);
    return w;
}

class Frame : public ::testing::Test {
  protected:
    void SetUp() override {
        frame.load(menu);
        frame.show();
        Settle();
    }
    // Shows `window` in the frame; its child window.
    QMdiSubWindow* show(QWidget* window) {
        frame.showChild(window);
        Settle();
        return frame.subWindowOf(window);
    }
    MMODULE mm;
    MDIContainer frame{mm};
    QWidget* menu = Window(700, 480);  // larger than the frame
};

// The frame keeps its start size, though the menu is larger, with the menu's border out of sight
// and no close button; its height decides FrameClass and where the active window goes (567 px =
// 8505 twips: the large frame).
TEST_F(Frame, HeightDecidesFrameClassAndMovesTheActiveWindow) {
    EXPECT_EQ(QRect(frame.pos(), frame.size()), QRect(0, 0, 641, 454));  // 9615 x 6810 twips
    QMdiSubWindow* sub = frame.subWindowOf(menu);
    EXPECT_EQ(sub->contentsRect().size(), QSize(700, 480));
    EXPECT_FALSE(sub->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint));
    const std::tuple<int, int, QPoint> cases[] = {
        {454, 6810, {-4, -2}}, {567, 8670, {67, 67}}, {566, 6810, {-4, -2}}};
    for (const auto& [heightPx, frameClass, place] : cases) {
        frame.resize(frame.width(), heightPx);
        Settle();
        EXPECT_EQ(mm.FrameClass, frameClass) << heightPx << " px";
        EXPECT_EQ(sub->pos(), place) << heightPx << " px";
    }
}

// The frame grows to show a larger window whole; grown past the boundary it places the window
// further in, with the same margin on every side. A window may ask for no title bar.
TEST_F(Frame, GrowsToShowALargerWindowWhole) {
    QMdiSubWindow* sub = show(Window(700, 500));
    const QMargins m = sub->contentsMargins();
    EXPECT_EQ(frame.size(), QSize(-4 + sub->width() - m.right(), -2 + sub->height() - m.bottom()));
    EXPECT_EQ(sub->pos(), QPoint(-4, -2));
    sub = show(Window(600, 560));
    const QSize wanted(67 + sub->width() + 67, 67 + sub->height() + 67);
    EXPECT_EQ(frame.size(), wanted.boundedTo(frame.screen()->availableGeometry().size()));
    EXPECT_EQ(mm.FrameClass, 8670);
    EXPECT_EQ(sub->pos(), QPoint(67, 67));
    EXPECT_EQ(frame.area()->currentSubWindow(), sub);
    QWidget* bare = Window(300, 200);
    bare->setProperty(kNoTitleBar, true);
    EXPECT_EQ(show(bare)->contentsMargins(), QMargins());
}

// A window that hides and shows itself takes its child window along, placed again; one that
// closes itself takes it along, one that refuses keeps it; back to the menu, the feature windows
// go later.
TEST_F(Frame, ChildWindowsFollowTheirWindowAndGoBackToTheMenu) {
    struct Stubborn : QLabel {
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    };
    menu->hide();
    QPointer<QWidget> feature = Window(500, 300), graph = Window(300, 200), stubborn = new Stubborn;
    graph->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = show(feature);
    sub->move(200, 100);  // dragged away by the user
    feature->hide();      // as a calculator does while its graph window is open
    show(graph);
    EXPECT_FALSE(sub->isVisible());
    feature->show();
    graph->close();
    show(stubborn)->widget()->close();
    Settle();
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(sub->pos(), QPoint(-4, -2));
    EXPECT_TRUE(graph.isNull());
    EXPECT_TRUE(frame.subWindowOf(stubborn)->isVisible());
    frame.setFrameCaption(" Mortgage Tables");
    frame.showMainMenu();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    Settle();
    EXPECT_TRUE(feature.isNull() && stubborn.isNull());
    EXPECT_EQ(frame.area()->subWindowList().size(), 1);
}

}  // namespace
}  // namespace bw
