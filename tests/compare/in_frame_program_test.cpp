// The comparison and affordability windows opened from the menu of the real program: the frame
// grows to show each whole, and nothing of the window is cut off or left outside the frame.
// Pictures are written when BW_SCREENSHOTS names a folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "app/desktop_program.h"
#include "shell/mdi_container.h"
#include "shell/menu_main.h"

namespace bw {
namespace {

TEST(FeatureWindowsInTheFrame, ShownWholeInsideTheFrame) {
    struct Case {
        bool present;
        const char* button;
        const char* exitButton;
        const char* picture;
    };
    const Case cases[] = {
        {DesktopProgram::HasComparisonWindow(), "CompMort", "MCExit", "frame-with-comparison"},
        {DesktopProgram::HasAffordabilityWindow(), "MFindFactor", "MFExit",
         "frame-with-affordability"},
    };
    QTemporaryDir dir;
    DesktopProgram program(dir.path());
    program.show();
    MDIContainer& frame = program.frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    const QString out = qEnvironmentVariable("BW_SCREENSHOTS");
    for (const Case& c : cases) {
        if (!c.present) continue;
        SCOPED_TRACE(c.button);
        program.menu().findChild<QPushButton*>(c.button)->click();
        QApplication::processEvents();
        QWidget* feature = program.menu().featureWindow();
        ASSERT_NE(feature, nullptr);
        QMdiSubWindow* sub = frame.subWindowOf(feature);
        ASSERT_NE(sub, nullptr);
        // The window's contents lie inside the frame's client area, which shows them whole
        // unless the frame has reached the edge of the screen.
        const QRect inArea(sub->mapTo(frame.area(), feature->pos()), feature->size());
        const QRect visible = frame.area()->viewport()->rect();
        const QSize room = frame.screen()->availableGeometry().size() -
                           (frame.frameGeometry().size() - frame.size());
        EXPECT_TRUE(inArea.right() <= visible.right() || frame.width() == room.width())
            << "window right " << inArea.right() << ", area " << visible.right();
        EXPECT_TRUE(inArea.bottom() <= visible.bottom() || frame.height() == room.height())
            << "window bottom " << inArea.bottom() << ", area " << visible.bottom();
        // Every control of the window lies inside it.
        for (QWidget* child : feature->findChildren<QWidget*>()) {
            if (!child->isVisible() || child->parentWidget() != feature) continue;
            EXPECT_TRUE(feature->rect().contains(child->geometry()))
                << child->objectName().toStdString();
        }
        if (!out.isEmpty()) {
            QDir().mkpath(out);
            frame.grab().save(out + "/" + c.picture + ".png");
        }
        feature->findChild<QPushButton*>(c.exitButton)->click();
        QApplication::processEvents();
        EXPECT_TRUE(program.menu().isVisible());
    }
}

}  // namespace
}  // namespace bw
