// The frame: start size, FrameClass from its height, placement of child windows, the way back
// to the main menu.

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "shell/mdi_container.h"
#include "shell/twips.h"
#include "support/window_context.h"

namespace bw {
namespace {

QWidget* Window(const char* name, int width, int height) {
    auto* w = new QLabel(name);
    w->setObjectName(name);
    w->resize(width, height);
    return w;
}

using test::Settle;

class Frame : public ::testing::Test {
  protected:
    void SetUp() override {
        menu = Window("menu", 600, 400);
        frame.load(menu);
        frame.show();
        Settle();
    }
    MMODULE mm;
    MDIContainer frame{mm};
    QWidget* menu = nullptr;
};

// A first window larger than the frame does not widen it.
TEST(FrameSize, StartsAtTheCornerWithItsStartSize) {
    MMODULE mm;
    MDIContainer frame(mm);
    frame.load(Window("large", 900, 700));
    frame.show();
    Settle();
    EXPECT_EQ(frame.pos(), QPoint(0, 0));
    EXPECT_EQ(frame.size(), QSize(641, 454));  // 9615 x 6810 twips
    EXPECT_EQ(mm.FrameClass, 6810);
    EXPECT_EQ(frame.frameOrigin(), frame.pos());
    EXPECT_EQ(frame.dialogParent(), &frame);
}

TEST_F(Frame, MenuIsPlacedWithItsBorderOutOfSight) {
    EXPECT_EQ(frame.mainMenu(), menu);
    QMdiSubWindow* sub = frame.subWindowOf(menu);
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(sub->pos(), QPoint(-4, -2));  // -60, -30 twips
    // The child window is the menu's size plus its title bar and borders.
    const QMargins m = sub->contentsMargins();
    EXPECT_EQ(sub->size(), QSize(600 + m.left() + m.right(), 400 + m.top() + m.bottom()));
    EXPECT_EQ(menu->size(), QSize(600, 400));
    // Child windows are not closed from their title bar.
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowMinimizeButtonHint);
    sub->close();
    Settle();
    EXPECT_TRUE(menu->isVisible());
}

TEST_F(Frame, HeightDecidesFrameClassAndMovesTheActiveWindow) {
    QMdiSubWindow* sub = frame.subWindowOf(menu);
    // 567 px = 8505 twips: the large frame; then back to the small one.
    const std::tuple<int, int, QPoint> cases[] = {{567, 8670, {67, 67}}, {566, 6810, {-4, -2}}};
    for (const auto& [heightPx, frameClass, place] : cases) {
        frame.resize(700, heightPx);
        Settle();
        EXPECT_EQ(mm.FrameClass, frameClass) << heightPx << " px";
        EXPECT_EQ(sub->pos(), place) << heightPx << " px";
    }
}

TEST_F(Frame, GrowsToShowALargerWindowWhole) {
    QWidget* feature = Window("feature", 700, 500);
    frame.showChild(feature);
    Settle();
    QMdiSubWindow* sub = frame.subWindowOf(feature);
    const QMargins m = sub->contentsMargins();
    // At -4, -2 the window needs its width and height less the borders out of sight.
    EXPECT_EQ(frame.size(), QSize(-4 + sub->width() - m.right(), -2 + sub->height() - m.bottom()));
    EXPECT_EQ(sub->pos(), QPoint(-4, -2));
}

TEST_F(Frame, GrowingPastTheBoundaryPlacesTheWindowFurtherIn) {
    QWidget* feature = Window("feature", 600, 560);
    frame.showChild(feature);
    Settle();
    QMdiSubWindow* sub = frame.subWindowOf(feature);
    const QSize screen = frame.screen()->availableGeometry().size();
    // The same 67-pixel margin on the right and at the bottom as on the left and at the top.
    const QSize wanted(67 + sub->width() + 67, 67 + sub->height() + 67);
    EXPECT_EQ(frame.size(), wanted.boundedTo(screen));
    EXPECT_EQ(mm.FrameClass, 8670);
    EXPECT_EQ(sub->pos(), QPoint(67, 67));
    EXPECT_EQ(frame.area()->currentSubWindow(), sub);
    EXPECT_EQ(feature->size(), QSize(600, 560));
}

TEST_F(Frame, WindowMayAskForNoTitleBar) {
    QWidget* feature = Window("feature", 300, 200);
    feature->setProperty(kNoTitleBar, true);
    frame.showChild(feature);
    Settle();
    EXPECT_EQ(frame.subWindowOf(feature)->contentsMargins(), QMargins());
}

TEST_F(Frame, ShowMainMenuDeletesTheFeatureWindowsLater) {
    menu->hide();
    QPointer<QWidget> feature = Window("feature", 500, 300);
    QPointer<QWidget> graph = Window("graph", 300, 200);
    frame.showChild(feature);
    feature->hide();  // a calculator hides itself while its graph window is open
    frame.showChild(graph);
    Settle();
    ASSERT_EQ(frame.area()->subWindowList().size(), 3);
    EXPECT_FALSE(frame.subWindowOf(feature)->isVisible());

    frame.setFrameCaption(" Mortgage Tables");
    frame.showMainMenu();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    Settle();
    EXPECT_TRUE(feature.isNull());
    EXPECT_TRUE(graph.isNull());
    EXPECT_EQ(frame.area()->subWindowList().size(), 1);
    EXPECT_EQ(frame.subWindowOf(menu)->pos(), QPoint(-4, -2));
}

TEST_F(Frame, WindowThatHidesAndShowsItselfTakesItsChildWindowAlong) {
    menu->hide();
    Settle();
    EXPECT_FALSE(frame.subWindowOf(menu)->isVisible());
    QWidget* feature = Window("feature", 500, 300);
    frame.showChild(feature);
    QMdiSubWindow* sub = frame.subWindowOf(feature);
    sub->move(200, 100);  // dragged away by the user
    feature->hide();
    Settle();
    EXPECT_FALSE(sub->isVisible());
    feature->show();
    Settle();
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(sub->pos(), QPoint(-4, -2));  // placed again when it comes back
}

// A window that closes itself takes its child window along; one that refuses keeps it.
TEST_F(Frame, ClosingAWindowClosesItsChildWindow) {
    class Stubborn : public QLabel {
      protected:
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    };
    QPointer<QWidget> graph = Window("graph", 300, 200);
    graph->setAttribute(Qt::WA_DeleteOnClose);
    auto* stubborn = new Stubborn;
    frame.showChild(graph);
    frame.showChild(stubborn);
    Settle();
    graph->close();
    stubborn->close();
    Settle();
    EXPECT_TRUE(graph.isNull());
    EXPECT_EQ(frame.area()->subWindowList().size(), 2);
    EXPECT_TRUE(frame.subWindowOf(stubborn)->isVisible());
}

}  // namespace
}  // namespace bw
