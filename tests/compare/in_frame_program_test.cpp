// The comparison and affordability windows opened from the menu of the real program: nothing of
// the window is cut off. Pictures are written when BW_SCREENSHOTS names a folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "app/desktop_program.h"
#include "shell/mdi_container.h"
#include "shell/menu_main.h"

namespace bw {
namespace {

TEST(FeatureWindowsInTheFrame, EveryControlLiesInsideItsWindow) {
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
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.frame()));
    const QString out = qEnvironmentVariable("BW_SCREENSHOTS");
    for (const Case& c : cases) {
        if (!c.present) continue;
        SCOPED_TRACE(c.button);
        program.menu().findChild<QPushButton*>(c.button)->click();
        QApplication::processEvents();
        QWidget* feature = program.menu().featureWindow();
        ASSERT_NE(feature, nullptr);
        for (QWidget* child : feature->findChildren<QWidget*>()) {
            if (!child->isVisible() || child->parentWidget() != feature) continue;
            EXPECT_TRUE(feature->rect().contains(child->geometry()))
                << child->objectName().toStdString();
        }
        if (!out.isEmpty() && QDir().mkpath(out))
            program.frame().grab().save(out + "/" + c.picture + ".png");
        feature->findChild<QPushButton*>(c.exitButton)->click();
        QApplication::processEvents();
    }
}

}  // namespace
}  // namespace bw
