// The comparison and affordability windows opened from the menu of the real program: nothing of
// the window is cut off. Pictures are written when BW_SCREENSHOTS names a folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <tuple>

#include "app/desktop_program.h"
#include "shell/mdi_container.h"
#include "shell/menu_main.h"

namespace bw {
namespace {

TEST(FeatureWindowsInTheFrame, EveryControlLiesInsideItsWindow) {
    QTemporaryDir dir;
    DesktopProgram program(dir.path());
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.frame()));
    const QString out = qEnvironmentVariable("BW_SCREENSHOTS");
    for (const auto& [present, button, exit, picture] :
         {std::tuple{DesktopProgram::HasComparisonWindow(), "CompMort", "MCExit", "comparison"},
          std::tuple{DesktopProgram::HasAffordabilityWindow(), "MFindFactor", "MFExit",
                     "affordability"}}) {
        if (!present) continue;
        program.menu().findChild<QPushButton*>(button)->click();
        QApplication::processEvents();
        QWidget* feature = program.menu().featureWindow();
        ASSERT_NE(feature, nullptr) << button;
        for (QWidget* child : feature->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(!child->isVisible() || feature->rect().contains(child->geometry()))
                << button << " " << child->objectName().toStdString();
        if (!out.isEmpty() && QDir().mkpath(out))
            program.frame().grab().save(out + "/frame-with-" + picture + ".png");
        feature->findChild<QPushButton*>(exit)->click();
        QApplication::processEvents();
    }
}

}  // namespace
}  // namespace bw
