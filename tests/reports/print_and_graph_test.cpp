// Printing on paper through the Qt printer back end (into PDF files) and the header dialog; the
// balance graph window on a display without OpenGL (its 3D view: compare's mc_graph_3d_test, its
// bars: balance_graph_test); the tables window's "&Print" and "&Show Graph" commands.

#include <gtest/gtest.h>

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QProcess>
#include <QPushButton>
#include <QTextDocument>
#include <map>

#include "graph_fixture.h"
#include "reports/bar_graph.h"
#include "reports/graphs_all.h"
#include "reports/printer_header_input.h"
#include "shell/twips.h"
#include "support/print_context.h"
#include "tables/mortgage_calc.h"

namespace bw::test {
namespace {

QString Pdftotext(const QStringList& args) {
    QProcess p;
    p.start("pdftotext", args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class PrintTest : public ::testing::Test, protected PrintContext {};

// Opens flat with the balances and the 3D button focused; Enter on it says why the view stays
// flat. Printing asks first, then whether in colour: the window at 9530 x 5900 twips drawn at
// twice the size, in grey tones or colour.
TEST_F(PrintTest, BalanceGraphOpensFlatAndPrintsAsAnswered) {
    FillFromCalculation(mm, {});
    std::unique_ptr<GraphsAll> owned;
    GraphsAll& w = ShowOwned(owned, new GraphsAll(ctx));
    const QBarSet* bars =
        static_cast<QBarSeries*>(w.Graph1->chart()->series().constFirst())->barSets()[0];
    ASSERT_EQ(bars->count(), 25);  // (their values: balance_graph_test)
    w.grab().save("/tmp/graphs_all_2d.png");
    ASSERT_FALSE(BarGraph::OpenGLAvailable());
    ASSERT_TRUE(w.ThreeDee->hasFocus());
    pressKey(w.ThreeDee, Qt::Key_Return);
    EXPECT_FALSE(w.Graph1->is3D());
    EXPECT_TRUE(w.MsgText->text().contains("OpenGL"));

    port.answers = {false};
    w.Ptr->click();
    EXPECT_FALSE(QFile::exists(pdf));
    for (bool colour : {false, true}) {
        port.answers = {true, colour};
        w.Ptr->click();
        EXPECT_TRUE(QFile::exists(pdf));
        EXPECT_EQ(w.lastPrintedImage().size(), QSize(2 * 635, 2 * 393));
        EXPECT_EQ(w.lastPrintedImage().format() == QImage::Format_Grayscale8, !colour);
    }
    EXPECT_EQ(port.questions, (std::vector<int>{1, 1, 2, 1, 2}));
}

// Twelve bars of large values: every bar keeps its label, and no label touches the next.
TEST(BarGraphLabels, EveryBarLabelledWithoutOverlap) {
    GraphData data{"Title", "Value $", {}};
    for (int i = 1; i <= 12; ++i) data.points.push_back({"Row " + std::to_string(i), 1e6 * i});
    BarGraph graph;
    graph.resize(Px(9430), Px(5780));
    graph.setData(data);
    graph.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&graph));
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

// Before a calculation, messages 1 and 7. After one, the header dialog cancelled prints nothing;
// a header typed (a double quote never reaches it, typed or pasted) heads the printed table (its
// lines: table_printout_test), Enter moving to "Continue &Printout" and a second one pressing it.
// The graph hides the window until its exit.
TEST_F(PrintTest, TablesWindowPrintsAndShowsTheGraph) {
    std::unique_ptr<MortgageCalc> window;
    MortgageCalc& w = ShowOwned(window, new MortgageCalc(ctx));
    w.MPrinter->click();
    w.MGraphs->click();
    EXPECT_EQ(port.messages, (std::vector<int>{1, 7}));
    w.MCalc->click();
    for (const bool cancel : {true, false}) {
        ModalDriver<PrinterHeaderInput> driver([&](PrinterHeaderInput& d) {
            if (cancel) return clickButton(d.NAcept);
            typeKeys(d.InFName, "Smith \"residence");
            d.InFName->insert("\"");
            pressKey(d.InFName, Qt::Key_Return);
            EXPECT_TRUE(d.Acept->hasFocus());
            d.grab().save("/tmp/header_dialog.png");
            pressKey(d.Acept, Qt::Key_Return);
        });
        w.MPrinter->click();
        EXPECT_EQ(QFile::exists(pdf), !cancel);
    }
    EXPECT_EQ(mm.PrintHeader, "Smith residence");
    // The first page holds the header and the payment; its widest line, a rule of 75, is centred
    // on the sheet in the columns of a 6 point pitch.
    const QString page = Pdftotext({"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    EXPECT_TRUE(page.contains(">residence<") && page.contains(">$917.53<")) << page.toStdString();
    const QRegularExpression rule(R"x(<page width="([0-9.]+)"[\s\S]*?<word xMin="([0-9.]+)")x"
                                  R"x( yMin="[0-9.]+" xMax="([0-9.]+)"[^>]*>_{75}<)x");
    const auto m = rule.match(page);
    ASSERT_TRUE(m.hasMatch());
    const auto at = [&](int i) { return m.captured(i).toDouble(); };
    EXPECT_NEAR(at(2), at(1) - at(3), 1.5);
    EXPECT_NEAR(at(3) - at(2), 75 * 6.0, 1.5);
    w.MGraphs->click();
    ASSERT_EQ(frame.children.size(), 1u);
    auto* graph = qobject_cast<GraphsAll*>(frame.children[0]);
    ASSERT_NE(graph, nullptr);
    EXPECT_FALSE(w.isVisible());
    graph->ExitBut->click();
    EXPECT_TRUE(w.isVisible());
}

}  // namespace
}  // namespace bw::test
