// The balance graph window's 3D view, under a virtual X server with Mesa's OpenGL.

#include <gtest/gtest.h>

#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QBarDataProxy>
#include <QtDataVisualization/QCustom3DLabel>
#include <QtTest/QTest>

#include "graph_fixture.h"
#include "reports/bar_graph.h"
#include "reports/graphs_all.h"
#include "support/print_context.h"

namespace bw {
namespace {

// The rows of blank under the first line of ink (the title) of `image`.
int GapUnderTitle(const QImage& image) {
    std::vector<bool> ink(std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() && !ink[y]; ++x) ink[y] = qGray(image.pixel(x, y)) < 200;
    const auto gap = std::find(std::find(ink.begin(), ink.end(), true), ink.end(), false);
    return int(std::find(gap, ink.end(), true) - gap);
}

TEST(Graphs3D, SwitchesToThreeDimensionsAndBack) {
    if (!BarGraph::OpenGLAvailable()) GTEST_SKIP() << "no OpenGL on this display";
    test::PrintContext c("graph3d.pdf");
    AmortizationInput in;
    in.period = 40;
    test::FillFromCalculation(c.mm, in);
    std::unique_ptr<GraphsAll> owned;
    GraphsAll& w = test::ShowOwned(owned, new GraphsAll(c.ctx));

    QTest::mouseClick(w.ThreeDee, Qt::LeftButton);
    ASSERT_TRUE(w.Graph1->is3D());
    EXPECT_EQ(w.focusWidget(), w.Sav2D);
    EXPECT_FALSE(w.ThreeDee->isEnabled());
    const QBarDataProxy* proxy = w.Graph1->bars3D()->seriesList().constFirst()->dataProxy();
    ASSERT_EQ(proxy->rowAt(0)->size(), 40);
    EXPECT_FLOAT_EQ(proxy->itemAt(0, 0)->value(), 100000.0f);
    EXPECT_EQ(proxy->columnLabels().back(), "40");
    // Every bar labelled 1 to 40, the values with thousands separators, and the graph starting
    // right under its title.
    QStringList labels;
    for (QCustom3DItem* item : w.Graph1->bars3D()->customItems())
        labels << static_cast<QCustom3DLabel*>(item)->text();
    EXPECT_EQ(labels, proxy->columnLabels());
    QTest::qWait(500);
    EXPECT_TRUE(w.Graph1->bars3D()->valueAxis()->labels().contains(
        QLocale::system().toString(100000.0, 'f', 0)));
    const QPoint at = w.Graph1->mapToGlobal(QPoint(0, 0));
    const QImage shown =
        w.screen()->grabWindow(0, at.x(), at.y(), w.Graph1->width(), w.Graph1->height()).toImage();
    shown.save("/tmp/graphs_all_3d_screen.png");
    EXPECT_LT(GapUnderTitle(shown), shown.height() / 20);
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
