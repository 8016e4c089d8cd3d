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

namespace bw {
namespace {

QWidget* Window(const char* name, int width, int height) {
    auto* w = new QLabel(name);
    w->setObjectName(name);
    w->resize(width, height);
    return w;
}

void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

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

TEST_F(Frame, StartsAtTheCornerWithItsStartSize) {
    EXPECT_EQ(frame.pos(), QPoint(0, 0));
    EXPECT_EQ(frame.size(), QSize(641, 454));  // 9615 x 6810 twips
    EXPECT_EQ(mm.FrameClass, 6810);
    EXPECT_EQ(frame.frameOrigin(), frame.pos());
    EXPECT_EQ(frame.dialogParent(), &frame);
    EXPECT_EQ(frame.mainMenu(), menu);
}

TEST(FrameSize, LargeChildWindowDoesNotWidenTheFrame) {
    MMODULE mm;
    MDIContainer frame(mm);
    frame.load(Window("large", 900, 700));
    frame.show();
    Settle();
    EXPECT_EQ(frame.size(), QSize(641, 454));
    EXPECT_EQ(mm.FrameClass, 6810);
}

TEST_F(Frame, MenuIsPlacedWithItsBorderOutOfSight) {
    QMdiSubWindow* sub = frame.subWindowOf(menu);
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(sub->pos(), QPoint(-4, -2));  // -60, -30 twips
    // The child window is the menu's size plus its title bar and borders.
    const QMargins m = sub->contentsMargins();
    EXPECT_EQ(sub->size(), QSize(600 + m.left() + m.right(), 400 + m.top() + m.bottom()));
    EXPECT_EQ(menu->size(), QSize(600, 400));
}

TEST_F(Frame, HeightDecidesFrameClassAndMovesTheActiveWindow) {
    QMdiSubWindow* sub = frame.subWindowOf(menu);
    struct Case {
        int heightPx;
        int frameClass;
        QPoint place;
    };
    // 566 px = 8490 twips, 567 px = 8505 twips.
    const Case cases[] = {
        {567, 8670, {67, 67}}, {566, 6810, {-4, -2}}, {800, 8670, {67, 67}}, {454, 6810, {-4, -2}}};
    for (const Case& c : cases) {
        frame.resize(700, c.heightPx);
        Settle();
        EXPECT_EQ(mm.FrameClass, c.frameClass) << c.heightPx << " px";
        EXPECT_EQ(sub->pos(), c.place) << c.heightPx << " px";
    }
}

TEST_F(Frame, ShowChildWrapsPlacesAndActivatesTheWindow) {
    frame.resize(900, 700);  // a large frame: windows go to 1000, 1000 twips
    Settle();
    menu->hide();
    QWidget* feature = Window("feature", 620, 420);
    frame.showChild(feature);
    Settle();
    QMdiSubWindow* sub = frame.subWindowOf(feature);
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(feature->isVisible());
    EXPECT_EQ(frame.area()->currentSubWindow(), sub);
    EXPECT_EQ(sub->pos(), QPoint(67, 67));
    EXPECT_EQ(feature->size(), QSize(620, 420));
    EXPECT_FALSE(frame.subWindowOf(menu)->isVisible());
}

TEST_F(Frame, GrowsToShowALargerWindowWhole) {
    QWidget* feature = Window("feature", 700, 500);
    frame.showChild(feature);
    Settle();
    QMdiSubWindow* sub = frame.subWindowOf(feature);
    const QMargins m = sub->contentsMargins();
    // At -4, -2 the window needs its width and height less the borders out of sight.
    EXPECT_EQ(frame.size(), QSize(-4 + sub->width() - m.right(), -2 + sub->height() - m.bottom()));
    EXPECT_EQ(mm.FrameClass, 6810);
    EXPECT_EQ(sub->pos(), QPoint(-4, -2));
}

TEST_F(Frame, GrowingPastTheBoundaryPlacesTheWindowFurtherIn) {
    QWidget* feature = Window("feature", 700, 560);
    frame.showChild(feature);
    Settle();
    QMdiSubWindow* sub = frame.subWindowOf(feature);
    const QMargins m = sub->contentsMargins();
    const QSize screen = frame.screen()->availableGeometry().size();
    const QSize wanted(67 + sub->width() - m.right(), 67 + sub->height() - m.bottom());
    EXPECT_EQ(frame.size(), wanted.boundedTo(screen));
    EXPECT_EQ(mm.FrameClass, 8670);
    EXPECT_EQ(sub->pos(), QPoint(67, 67));
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

TEST_F(Frame, ChildWindowsAreNotClosedFromTheirTitleBar) {
    QMdiSubWindow* sub = frame.subWindowOf(menu);
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowMinimizeButtonHint);
    sub->close();
    Settle();
    EXPECT_TRUE(sub->isVisible());
    EXPECT_TRUE(menu->isVisible());
}

}  // namespace
}  // namespace bw
