// The balance graph window on a display without OpenGL: the 2D view it opens with, printing
// after its two questions, the 3D button's notice; and "&Show Graph" of the tables window. (The
// data drawn: balance_graph_test.)

#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QtTest/QTest>

#include "graph_fixture.h"
#include "reports/bar_graph.h"
#include "reports/graphs_all.h"
#include "shell/twips.h"
#include "support/print_context.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

class GraphsAllTest : public ::testing::Test, protected test::PrintContext {
  protected:
    GraphsAllTest() : PrintContext("graph.pdf") {}
    GraphsAll& open(AmortizationInput in = {}) {
        test::FillFromCalculation(mm, in);
        return test::ShowOwned(owned, new GraphsAll(ctx));
    }
    static QBarSet* bars(GraphsAll& w) {
        return static_cast<QBarSeries*>(w.Graph1->chart()->series().constFirst())->barSets()[0];
    }
    std::unique_ptr<GraphsAll> owned;
};

TEST_F(GraphsAllTest, OpensWithTheTwoDimensionalViewOfTheBalances) {
    GraphsAll& w = open();
    EXPECT_FALSE(w.Sav2D->isEnabled());
    EXPECT_TRUE(w.ThreeDee->hasFocus());
    EXPECT_FALSE(w.Graph1->is3D());
    EXPECT_EQ(w.Graph1->chart()->title(), "Mortgage balance at start of each Year");
    EXPECT_EQ(w.Graph1->accessibleName(), w.Graph1->chart()->title());
    ASSERT_EQ(bars(w)->count(), 25);
    EXPECT_DOUBLE_EQ(bars(w)->at(0), 100000.0);
    EXPECT_EQ(w.size(), QSize(637, 430));  // 9550 x 6450 twips
    w.grab().save("/tmp/graphs_all_2d.png");
}

// Twelve comparison rows: every bar keeps its label, and no two labels touch.
TEST(BarGraphLabels, EveryBarLabelledWithoutOverlap) {
    GraphData data{"Title", "Value $", {}};
    for (int i = 1; i <= 12; ++i) data.points.push_back({"Row " + std::to_string(i), 1e6 * i});
    BarGraph graph;
    graph.resize(Px(9430), Px(5780));
    graph.setData(data);
    graph.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&graph));
    graph.grab().save("/tmp/bar_graph_12_rows.png");
    std::map<qreal, QRectF> labels;  // the texts of the labels, left to right
    for (QGraphicsItem* item : graph.chartView()->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text && text->isVisible() && text->toPlainText().startsWith("Row "))
            labels[text->sceneBoundingRect().left()] = text->sceneBoundingRect().marginsRemoved(
                QMarginsF(1, 1, 1, 1) * text->document()->documentMargin());
    }
    ASSERT_EQ(labels.size(), 12u);
    for (auto a = labels.begin(), b = std::next(a); b != labels.end(); ++a, ++b)
        EXPECT_LT(a->second.right(), b->second.left());
}

// Enter presses "Show Graph in &3D", which has the focus; without OpenGL the chart stays flat.
TEST_F(GraphsAllTest, ThreeDimensionalButtonWithoutOpenGLSaysSo) {
    GraphsAll& w = open();
    ASSERT_FALSE(BarGraph::OpenGLAvailable());
    QTest::keyClick(w.ThreeDee, Qt::Key_Return);
    EXPECT_FALSE(w.Graph1->is3D());
    EXPECT_TRUE(w.MsgText->text().contains("OpenGL"));
    EXPECT_TRUE(w.ThreeDee->isEnabled());
}

TEST_F(GraphsAllTest, PrintsAsAnswered) {
    GraphsAll& w = open();
    port.answers = {false};
    w.Ptr->click();
    EXPECT_FALSE(QFile::exists(pdf));
    for (bool colour : {false, true}) {
        port.questions.clear();
        port.answers = {true, colour};
        w.Ptr->click();
        EXPECT_EQ(port.questions, (std::vector<int>{1, 2}));
        EXPECT_TRUE(QFile::exists(pdf));
        // The window at 9530 x 5900 twips, drawn at twice the size, in grey tones or colour.
        EXPECT_EQ(w.lastPrintedImage().size(), QSize(2 * 635, 2 * 393));
        EXPECT_EQ(w.lastPrintedImage().format() == QImage::Format_Grayscale8, !colour);
        EXPECT_EQ(w.size(), QSize(637, 430));
    }
}

class TablesGraphTest : public GraphsAllTest {
  protected:
    MortgageCalc& openTables() { return test::ShowOwned(tables, new MortgageCalc(ctx)); }
    std::unique_ptr<MortgageCalc> tables;
};

TEST_F(TablesGraphTest, NothingCalculatedShowsMessageSeven) {
    openTables().MGraphs->click();
    EXPECT_EQ(port.messages, std::vector<int>{7});
    EXPECT_TRUE(frame.children.empty());
}

TEST_F(TablesGraphTest, GraphHidesTheTablesWindowUntilItsExit) {
    openTables().MCalc->click();
    tables->MGraphs->click();
    EXPECT_EQ(mm.GraphCaller, 4);
    ASSERT_EQ(frame.children.size(), 1u);
    auto* graph = qobject_cast<GraphsAll*>(frame.children[0]);
    ASSERT_NE(graph, nullptr);
    EXPECT_FALSE(tables->isVisible());
    graph->ExitBut->click();
    EXPECT_TRUE(tables->isVisible());
}

}  // namespace
}  // namespace bw
