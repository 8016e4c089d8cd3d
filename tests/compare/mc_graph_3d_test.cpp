// The 3D view of both graph windows, the comparison's and the balance graph, under a virtual X
// server with Mesa's OpenGL: every bar valued and labelled, printed as shown, and back to 2D.

#include <gtest/gtest.h>

#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QBarDataProxy>
#include <QtDataVisualization/QCustom3DLabel>

#include "compare/mc_graph.h"
#include "reports/bar_graph.h"
#include "reports/graph_fixture.h"
#include "reports/graphs_all.h"
#include "support/print_context.h"

namespace bw::test {
namespace {

// The rows of blank under the first line of ink (the title) of `image`.
int GapUnderTitle(const QImage& image) {
    std::vector<bool> ink(std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() && !ink[y]; ++x) ink[y] = qGray(image.pixel(x, y)) < 200;
    const auto gap = std::find(std::find(ink.begin(), ink.end(), true), ink.end(), false);
    return int(std::find(gap, ink.end(), true) - gap);
}

void ThreeDimensionsPrintedAndBack(PrintContext& c, GraphWindow& w, float first, QString last) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::mouseClick(w.ThreeDee, Qt::LeftButton);
    ASSERT_TRUE(w.Graph1->is3D());
    EXPECT_EQ(w.focusWidget(), w.Sav2D);
    EXPECT_FALSE(w.ThreeDee->isEnabled());
    const QBarDataProxy* proxy = w.Graph1->bars3D()->seriesList().constFirst()->dataProxy();
    EXPECT_FLOAT_EQ(proxy->itemAt(0, 0)->value(), first);
    EXPECT_EQ(proxy->columnLabels().back(), last);
    // Every bar labelled, the values with thousands separators, the graph right under its title.
    QStringList labels;
    for (QCustom3DItem* item : w.Graph1->bars3D()->customItems())
        labels << static_cast<QCustom3DLabel*>(item)->text();
    EXPECT_EQ(labels, proxy->columnLabels());
    QTest::qWait(300);
    EXPECT_TRUE(w.Graph1->bars3D()->valueAxis()->labels().join('|').contains(
        QLocale::system().groupSeparator()));
    const QPoint at = w.Graph1->mapToGlobal(QPoint(0, 0));
    const QImage shown =
        w.screen()->grabWindow(0, at.x(), at.y(), w.Graph1->width(), w.Graph1->height()).toImage();
    EXPECT_LT(GapUnderTitle(shown), shown.height() / 20);
    w.Graph1->picture(true).save("/tmp/" + w.objectName() + "_3d.png");

    c.port.answers = {true, true};  // printed in colour, still in 3D
    QTest::mouseClick(w.Ptr, Qt::LeftButton);
    EXPECT_TRUE(w.Graph1->is3D());
    EXPECT_GT(InkShare(w.lastPrintedImage()), 0.03);
    QTest::mouseClick(w.Sav2D, Qt::LeftButton);
    EXPECT_FALSE(w.Graph1->is3D());
    EXPECT_TRUE(w.ThreeDee->isEnabled());
}

// Twelve comparison rows, and the balances of forty years.
TEST(Graphs3D, BothGraphWindows) {
    if (!BarGraph::OpenGLAvailable()) GTEST_SKIP() << "no OpenGL on this display";
    PrintContext c;
    c.mm.ResultRowCount = 12;
    c.mm.GraphValues.assign(46, Money());
    c.mm.GraphLabels.assign(46, std::string());
    for (int r = 1; r <= 12; ++r) {
        c.mm.GraphValues[r] = Money::fromDouble(1e6 * r);
        c.mm.GraphLabels[r] = "Row  " + std::to_string(r);
    }
    MCGraph w(c.ctx);
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    ThreeDimensionsPrintedAndBack(c, w, 1e6f, "Row  12");
    w.close();
    AmortizationInput in;
    in.period = 40;
    FillFromCalculation(c.mm, in);
    GraphsAll balances(c.ctx);
    balances.setAttribute(Qt::WA_DeleteOnClose, false);
    ThreeDimensionsPrintedAndBack(c, balances, 100000.0f, "40");
}

}  // namespace
}  // namespace bw::test
