// The balance graph window's 3D view, under a virtual X server with Mesa's OpenGL.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QBarDataProxy>
#include <QtTest/QTest>

#include "graph_fixture.h"
#include "reports/bar_graph.h"
#include "reports/graphs_all.h"
#include "shell/mdi_container.h"
#include "support/print_context.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

using test::InkShare;

TEST(Graphs3D, SwitchesToThreeDimensionsAndBack) {
    if (!BarGraph::OpenGLAvailable()) GTEST_SKIP() << "no OpenGL on this display";
    test::PrintContext c("graph3d.pdf");

    AmortizationInput in;
    in.rowView = 1;
    test::FillFromCalculation(c.mm, in);
    GraphsAll w(c.ctx);
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    QTest::mouseClick(w.ThreeDee, Qt::LeftButton);
    ASSERT_TRUE(w.Graph1->is3D());
    EXPECT_FALSE(w.MsgText->isVisible());
    EXPECT_TRUE(w.Sav2D->isVisible());
    EXPECT_TRUE(w.Sav2D->isEnabled());
    EXPECT_EQ(w.focusWidget(), w.Sav2D);
    EXPECT_FALSE(w.ThreeDee->isEnabled());
    // The 3D bars hold the same 25 values and labels.
    QBar3DSeries* series = w.Graph1->bars3D()->seriesList().constFirst();
    const QBarDataProxy* proxy = series->dataProxy();
    ASSERT_EQ(proxy->rowCount(), 1);
    ASSERT_EQ(proxy->rowAt(0)->size(), 25);
    EXPECT_FLOAT_EQ(proxy->itemAt(0, 0)->value(), 100000.0f);
    EXPECT_EQ(proxy->columnLabels().front(), "1");
    EXPECT_EQ(proxy->columnLabels().back(), "25");
    QTest::qWait(300);
    w.screen()->grabWindow(w.winId()).save("/tmp/h6_graph_3d_window.png");

    const QImage picture = w.Graph1->picture(true);
    picture.save("/tmp/h6_graph_3d.png");
    EXPECT_GT(InkShare(picture), 0.03);

    // Printing the 3D view in colour.
    c.port.answers = {true, true};
    QTest::mouseClick(w.Ptr, Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(c.pdf));
    EXPECT_TRUE(w.Graph1->is3D());
    w.lastPrintedImage().save("/tmp/h6_graph_3d_print.png");
    EXPECT_GT(InkShare(w.lastPrintedImage()), 0.03);

    QTest::mouseClick(w.Sav2D, Qt::LeftButton);
    EXPECT_FALSE(w.Graph1->is3D());
    EXPECT_FALSE(w.Sav2D->isEnabled());
    EXPECT_TRUE(w.ThreeDee->isEnabled());
}

// The whole road inside the real frame: the tables window's "&Show Graph" opens the graph as an
// MDI child window, the 3D view and the print keep its size, "E&xit to Menu" brings the tables
// window back.
TEST(Graphs3D, GraphWindowInTheFrame) {
    if (!BarGraph::OpenGLAvailable()) GTEST_SKIP() << "no OpenGL on this display";
    MMODULE mm;
    mm.CurrencySymbol = "$";
    test::RecordingMessagePort port(&mm);
    MDIContainer frame(mm);
    AppContext ctx{mm, port, frame};
    test::PrintToPdf printing("frame.pdf");
    auto* menu = new QWidget();
    menu->resize(300, 200);
    frame.load(menu);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

    auto* tables = new MortgageCalc(ctx);
    frame.showChild(tables);
    tables->MCalc->click();
    tables->MGraphs->click();
    ASSERT_TRUE(port.messages.empty());
    GraphsAll* graph = frame.findChild<GraphsAll*>();
    ASSERT_NE(graph, nullptr);
    QMdiSubWindow* sub = frame.subWindowOf(graph);
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(tables->isVisible());
    EXPECT_EQ(sub->pos(), frame.placementPixels());
    const QSize subSize = sub->size();

    graph->ThreeDee->click();
    ASSERT_TRUE(graph->Graph1->is3D());
    QTest::qWait(300);
    frame.screen()->grabWindow(frame.winId()).save("/tmp/h6_frame_3d.png");

    port.answers = {true, false};
    graph->Ptr->click();
    EXPECT_TRUE(QFile::exists(printing.pdf));
    EXPECT_EQ(sub->size(), subSize);
    EXPECT_EQ(graph->size(), QSize(637, 430));
    EXPECT_EQ(sub->pos(), frame.placementPixels());

    graph->ExitBut->click();
    QApplication::processEvents();
    EXPECT_TRUE(tables->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frame.findChild<GraphsAll*>(), nullptr);
}

}  // namespace
}  // namespace bw
