// The comparison window inside the real program: opened from the main menu, its graph window
// taking its place in the frame and giving it back, and the way back to the menu.

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "app/desktop_program.h"
#include "compare/mc_graph.h"
#include "compare/mort_comp.h"
#include "shell/mdi_container.h"
#include "shell/menu_main.h"
#include "shell/ms_grid.h"

namespace bw {
namespace {

TEST(MortCompInTheProgram, MenuCalculateGraphAndBack) {
    QTemporaryDir dir;
    DesktopProgram program(dir.path());
    program.show();
    MDIContainer& frame = program.frame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    QTest::mouseClick(program.menu().CompMort, Qt::LeftButton);
    auto* comparison = qobject_cast<MortComp*>(program.menu().featureWindow());
    ASSERT_NE(comparison, nullptr);
    EXPECT_EQ(frame.frameCaption(), " Mortgage Comparison Tables");
    QMdiSubWindow* holder = frame.subWindowOf(comparison);
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(holder->isVisible());

    QTest::mouseClick(comparison->MCCalc, Qt::LeftButton);
    QTest::mouseClick(comparison->MCCalc, Qt::LeftButton);
    EXPECT_EQ(comparison->MCGrid1->textAt(2, 0), "02 Norm M 1m  ");
    EXPECT_EQ(program.state().ResultRowCount, 2);
    QApplication::processEvents();
    frame.grab().save("/tmp/mort_comp_in_frame.png");

    QTest::mouseClick(comparison->MCGraphs, Qt::LeftButton);
    EXPECT_FALSE(holder->isVisible());
    MCGraph* graph = nullptr;
    for (QMdiSubWindow* sub : frame.area()->subWindowList())
        if (auto* g = qobject_cast<MCGraph*>(sub->widget())) graph = g;
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->isVisible());
    QTest::mouseClick(graph->ExitBut, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(holder->isVisible());
    EXPECT_EQ(comparison->MCGrid1->textAt(1, 0), "01 Norm M 1m  ");

    QTest::mouseClick(comparison->MCExit, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_TRUE(program.menu().isVisible());
    EXPECT_EQ(program.state().ResultRowCount, 0);
}

}  // namespace
}  // namespace bw
