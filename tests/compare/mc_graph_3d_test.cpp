// The comparison graph's 3D view, under a virtual X server with Mesa's OpenGL.

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QBarDataProxy>
#include <QtTest/QTest>

#include "compare/mc_graph.h"
#include "reports/bar_graph.h"
#include "support/print_context.h"

namespace bw {
namespace {

TEST(MCGraph3D, ThreeDimensionsPrintedAndBack) {
    if (!BarGraph::OpenGLAvailable()) GTEST_SKIP() << "no OpenGL on this display";
    test::PrintContext c("graph3d.pdf");
    c.mm.ResultRowCount = 12;
    c.mm.GraphValues.assign(46, Money());
    c.mm.GraphLabels.assign(46, std::string());
    for (int r = 1; r <= 12; ++r) {
        c.mm.GraphValues[r] = Money::fromDouble(1e6 * r);
        c.mm.GraphLabels[r] = "Row  " + std::to_string(r);
    }
    MCGraph w(c.ctx);
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    QTest::mouseClick(w.ThreeDee, Qt::LeftButton);
    ASSERT_TRUE(w.Graph1->is3D());
    EXPECT_EQ(w.viewCode(), 7);
    EXPECT_FALSE(w.ThreeDee->isEnabled());
    const QBarDataProxy* proxy = w.Graph1->bars3D()->seriesList().constFirst()->dataProxy();
    EXPECT_FLOAT_EQ(proxy->itemAt(0, 1)->value(), 2e6f);
    EXPECT_EQ(proxy->columnLabels().back(), "Row  12");
    QTest::qWait(300);
    w.Graph1->picture(true).save("/tmp/mc_graph_3d.png");

    // Printing asks both questions and puts the 3D picture on paper.
    c.port.answers = {true, false};
    QTest::mouseClick(w.Ptr, Qt::LeftButton);
    EXPECT_EQ(c.port.questions, (std::vector<int>{1, 2}));
    EXPECT_TRUE(w.Graph1->is3D());
    EXPECT_GT(test::InkShare(w.lastPrintedImage()), 0.03);

    QTest::mouseClick(w.Sav2D, Qt::LeftButton);
    EXPECT_EQ(w.viewCode(), 6);
    EXPECT_TRUE(w.ThreeDee->isEnabled());
}

}  // namespace
}  // namespace bw
