// The comparison graph's 3D view, under a virtual X server with Mesa's OpenGL.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QBarDataProxy>
#include <QtTest/QTest>

#include "compare/mc_graph.h"
#include "reports/bar_graph.h"
#include "support/print_context.h"

namespace bw {
namespace {

using test::InkShare;

TEST(MCGraph3D, ThreeDimensionsAndBackWithTheButtonsOfTheComparison) {
    if (!BarGraph::OpenGLAvailable()) GTEST_SKIP() << "no OpenGL on this display";
    test::PrintContext c("graph3d.pdf");
    MMODULE& mm = c.mm;
    mm.GraphTitle = "Total mortgage interest paid";
    mm.ResultRowCount = 3;
    mm.GraphValues.assign(46, Money());
    mm.GraphLabels.assign(46, std::string());
    const double values[] = {175258.20, 120861.40, 169924.71};
    for (int r = 1; r <= 3; ++r) {
        mm.GraphValues[r] = Money::fromDouble(values[r - 1]);
        mm.GraphLabels[r] = "Row  " + std::to_string(r);
    }
    MCGraph w(c.ctx);
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    QTest::mouseClick(w.ThreeDee, Qt::LeftButton);
    ASSERT_TRUE(w.Graph1->is3D());
    EXPECT_EQ(w.viewCode(), 7);
    EXPECT_TRUE(w.Sav2D->isEnabled());
    EXPECT_FALSE(w.ThreeDee->isEnabled());
    const QBarDataProxy* proxy = w.Graph1->bars3D()->seriesList().constFirst()->dataProxy();
    ASSERT_EQ(proxy->rowAt(0)->size(), 3);
    EXPECT_FLOAT_EQ(proxy->itemAt(0, 1)->value(), 120861.40f);
    EXPECT_EQ(proxy->columnLabels().back(), "Row  3");
    QTest::qWait(300);
    w.screen()->grabWindow(w.winId()).save("/tmp/mc_graph_3d_window.png");
    const QImage picture = w.Graph1->picture(true);
    picture.save("/tmp/mc_graph_3d.png");
    EXPECT_GT(InkShare(picture), 0.03);

    // Printing the 3D view: both questions, the window's picture on paper.
    c.port.answers = {true, false};
    QTest::mouseClick(w.Ptr, Qt::LeftButton);
    EXPECT_EQ(c.port.questions, (std::vector<int>{1, 2}));
    EXPECT_TRUE(QFile::exists(c.pdf));
    EXPECT_TRUE(w.Graph1->is3D());
    EXPECT_GT(InkShare(w.lastPrintedImage()), 0.03);

    // Back to 2D: the values are loaded again.
    QTest::mouseClick(w.Sav2D, Qt::LeftButton);
    EXPECT_FALSE(w.Graph1->is3D());
    EXPECT_EQ(w.viewCode(), 6);
    EXPECT_FALSE(w.Sav2D->isEnabled());
    EXPECT_TRUE(w.ThreeDee->isEnabled());
}

}  // namespace
}  // namespace bw
