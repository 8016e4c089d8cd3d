// The balance graph window on a display without OpenGL: the 2D view, the buttons, printing with
// its two questions, the 3D button's notice, leaving; and "&Show Graph" of the tables window.

#include <gtest/gtest.h>

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

#include "graph_fixture.h"
#include "reports/bar_graph.h"
#include "reports/graphs_all.h"
#include "support/print_context.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

class GraphsAllTest : public ::testing::Test, protected test::PrintContext {
  protected:
    GraphsAllTest() : PrintContext("graph.pdf") {}

    GraphsAll* open(AmortizationInput in) {
        test::FillFromCalculation(mm, in);
        return &test::ShowOwned(owned, new GraphsAll(ctx));
    }

    static QBarSet* bars(GraphsAll* w) {
        auto* series = static_cast<QBarSeries*>(w->Graph1->chart()->series().constFirst());
        return series->barSets().constFirst();
    }
    static QStringList labels(GraphsAll* w) {
        for (QAbstractAxis* axis : w->Graph1->chart()->axes(Qt::Horizontal))
            if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis))
                return categories->categories();
        return {};
    }

    std::unique_ptr<GraphsAll> owned;
};

TEST_F(GraphsAllTest, LoadsTheTwoDimensionalViewOfTheBalances) {
    AmortizationInput in;
    in.rowView = 1;
    GraphsAll* w = open(in);
    EXPECT_EQ(w->Sav2D->text(), "Show Graph in &2D");
    EXPECT_EQ(w->ThreeDee->text(), "Show Graph in &3D");
    EXPECT_EQ(w->Ptr->text(), "&To Printer");
    EXPECT_EQ(w->ExitBut->text(), "E&xit to Menu");
    EXPECT_TRUE(w->Sav2D->isVisible());
    EXPECT_FALSE(w->Sav2D->isEnabled());
    EXPECT_TRUE(w->ThreeDee->isEnabled());
    EXPECT_TRUE(w->ThreeDee->hasFocus());
    EXPECT_FALSE(w->Graph1->is3D());
    EXPECT_EQ(w->Graph1->chart()->title(), "Mortgage balance at start of each Year");
    QBarSet* set = bars(w);
    ASSERT_EQ(set->count(), 25);
    EXPECT_DOUBLE_EQ(set->at(0), 100000.0);
    EXPECT_NEAR(set->at(1), 99072.41, 0.006);
    EXPECT_NEAR(set->at(24), 10429.52, 0.006);
    const QStringList l = labels(w);
    ASSERT_EQ(l.size(), 25);
    EXPECT_EQ(l.front(), "1");
    EXPECT_EQ(l.back(), "25");
    EXPECT_EQ(w->size(), QSize(637, 430));  // 9550 x 6450 twips
    for (QAbstractAxis* axis : w->Graph1->chart()->axes(Qt::Horizontal))
        EXPECT_FALSE(axis->labelsTruncated());  // every bar keeps its number
    w->grab().save("/tmp/h6_graph_2d.png");
}

TEST_F(GraphsAllTest, LoanPaidWithinAYearShowsTwoBars) {
    AmortizationInput in;
    in.tableMode = 2;
    in.principal = 6000;
    in.period = 10.0 / 12.0;
    in.rowView = 2;
    GraphsAll* w = open(in);
    EXPECT_EQ(w->Graph1->chart()->title(), "Personal Loan balance at start of each Year");
    QBarSet* set = bars(w);
    ASSERT_EQ(set->count(), 2);
    EXPECT_DOUBLE_EQ(set->at(0), 6000.0);
    EXPECT_LE(set->at(1), 1.0);
    EXPECT_EQ(labels(w), (QStringList{"1", "2"}));
}

TEST_F(GraphsAllTest, ThreeDimensionalButtonWithoutOpenGLSaysSo) {
    GraphsAll* w = open(AmortizationInput{});
    ASSERT_FALSE(BarGraph::OpenGLAvailable());  // the offscreen platform
    // Enter presses "Show Graph in &3D", which has the focus after loading.
    QTest::keyClick(w->ThreeDee, Qt::Key_Return);
    EXPECT_FALSE(w->Graph1->is3D());
    EXPECT_TRUE(w->MsgText->isVisible());
    EXPECT_TRUE(w->MsgText->text().contains("OpenGL"));
    // The buttons stay as they were for the 2D view.
    EXPECT_TRUE(w->ThreeDee->isEnabled());
    EXPECT_FALSE(w->Sav2D->isEnabled());
    w->grab().save("/tmp/h6_graph_no_opengl.png");
}

TEST_F(GraphsAllTest, NoToContinueWithPrintoutPrintsNothing) {
    GraphsAll* w = open(AmortizationInput{});
    const QSize before = w->size();
    port.answers = {false};
    QTest::mouseClick(w->Ptr, Qt::LeftButton);
    EXPECT_EQ(port.questions, std::vector<int>{1});
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(w->size(), before);
    EXPECT_TRUE(w->lastPrintedImage().isNull());
}

TEST_F(GraphsAllTest, PrintsInGreyOrColourAsAnswered) {
    GraphsAll* w = open(AmortizationInput{});
    for (bool colour : {false, true}) {
        QFile::remove(pdf);
        port.questions.clear();
        port.answers = {true, colour};
        QTest::mouseClick(w->Ptr, Qt::LeftButton);
        EXPECT_EQ(port.questions, (std::vector<int>{1, 2}));
        EXPECT_TRUE(QFile::exists(pdf));
        const QImage& printed = w->lastPrintedImage();
        // The picture is the window at 9530 x 5900 twips (drawn at twice the size), without the
        // row of buttons.
        EXPECT_EQ(printed.size(), QSize(2 * 635, 2 * 393));
        EXPECT_EQ(printed.format() == QImage::Format_Grayscale8, !colour);
        EXPECT_EQ(w->colourFlag(), 0);
        EXPECT_EQ(w->size(), QSize(637, 430));
        printed.save(colour ? "/tmp/h6_graph_print_colour.png" : "/tmp/h6_graph_print_grey.png");
    }
}

TEST_F(GraphsAllTest, ExitClosesTheWindow) {
    GraphsAll* w = open(AmortizationInput{});
    QSignalSpy exited(w, &GraphsAll::exited);
    QTest::mouseClick(w->ExitBut, Qt::LeftButton);
    EXPECT_EQ(exited.count(), 1);
    EXPECT_FALSE(w->isVisible());
}

// "&Show Graph" of the tables window.
class TablesGraphTest : public GraphsAllTest {
  protected:
    MortgageCalc& openTables() {
        mm.TableMode = 1;
        return test::ShowOwned(tables, new MortgageCalc(ctx));
    }
    std::unique_ptr<MortgageCalc> tables;
};

TEST_F(TablesGraphTest, NothingCalculatedShowsMessageSeven) {
    openTables();
    QTest::mouseClick(tables->MGraphs, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{7});
    EXPECT_TRUE(frame.children.empty());
    EXPECT_TRUE(tables->isVisible());
}

TEST_F(TablesGraphTest, GraphHidesTheTablesWindowUntilItsExit) {
    openTables();
    QTest::mouseClick(tables->MCalc, Qt::LeftButton);
    QTest::mouseClick(tables->MGraphs, Qt::LeftButton);
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(mm.GraphCaller, 4);
    ASSERT_EQ(frame.children.size(), 1u);
    auto* graph = qobject_cast<GraphsAll*>(frame.children[0]);
    ASSERT_NE(graph, nullptr);
    EXPECT_FALSE(tables->isVisible());
    EXPECT_TRUE(graph->isVisible());
    // The all-payments view of the default mortgage: 25 bars.
    EXPECT_EQ(bars(graph)->count(), 25);
    QPointer<GraphsAll> guard(graph);
    QTest::mouseClick(graph->ExitBut, Qt::LeftButton);
    EXPECT_TRUE(tables->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

}  // namespace
}  // namespace bw
