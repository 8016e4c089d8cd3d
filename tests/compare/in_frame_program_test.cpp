// The comparison and affordability windows opened from the menu of the real program: nothing of
// the window is cut off.

#include <gtest/gtest.h>

#include <QApplication>
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
    for (const auto& [present, button, exit] :
         {std::tuple{DesktopProgram::HasComparisonWindow(), "CompMort", "MCExit"},
          std::tuple{DesktopProgram::HasAffordabilityWindow(), "MFindFactor", "MFExit"}}) {
        if (!present) continue;
        program.menu().findChild<QPushButton*>(button)->click();
        QApplication::processEvents();
        QWidget* feature = program.menu().featureWindow();
        ASSERT_NE(feature, nullptr) << button;
        for (QWidget* child : feature->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_TRUE(!child->isVisible() || feature->rect().contains(child->geometry()))
                << button << " " << child->objectName().toStdString();
        feature->findChild<QPushButton*>(exit)->click();
        QApplication::processEvents();
    }
}

}  // namespace
}  // namespace bw
