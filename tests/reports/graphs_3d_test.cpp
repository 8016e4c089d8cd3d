// The balance graph window's 3D view, under a virtual X server with Mesa's OpenGL.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QBarDataProxy>
#include <QtTest/QTest>

#include "graph_fixture.h"
#include "reports/bar_graph.h"
#include "reports/graphs_all.h"
#include "support/print_context.h"

namespace bw {
namespace {

TEST(Graphs3D, SwitchesToThreeDimensionsAndBack) {
    if (!BarGraph::OpenGLAvailable()) GTEST_SKIP() << "no OpenGL on this display";
    test::PrintContext c("graph3d.pdf");
    test::FillFromCalculation(c.mm, AmortizationInput{});
    std::unique_ptr<GraphsAll> owned;
    GraphsAll& w = test::ShowOwned(owned, new GraphsAll(c.ctx));

    QTest::mouseClick(w.ThreeDee, Qt::LeftButton);
    ASSERT_TRUE(w.Graph1->is3D());
    EXPECT_EQ(w.focusWidget(), w.Sav2D);
    EXPECT_FALSE(w.ThreeDee->isEnabled());
    const QBarDataProxy* proxy = w.Graph1->bars3D()->seriesList().constFirst()->dataProxy();
    ASSERT_EQ(proxy->rowAt(0)->size(), 25);
    EXPECT_FLOAT_EQ(proxy->itemAt(0, 0)->value(), 100000.0f);
    EXPECT_EQ(proxy->columnLabels().back(), "25");
    const QImage picture = w.Graph1->picture(true);
    picture.save("/tmp/graphs_all_3d.png");
    EXPECT_GT(test::InkShare(picture), 0.03);

    c.port.answers = {true, true};  // printed in colour, still in 3D
    QTest::mouseClick(w.Ptr, Qt::LeftButton);
    EXPECT_TRUE(w.Graph1->is3D());
    EXPECT_GT(test::InkShare(w.lastPrintedImage()), 0.03);

    QTest::mouseClick(w.Sav2D, Qt::LeftButton);
    EXPECT_FALSE(w.Graph1->is3D());
    EXPECT_TRUE(w.ThreeDee->isEnabled());
}

}  // namespace
}  // namespace bw
