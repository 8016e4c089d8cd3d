// The comparison window driven through its controls: typing, "&Calculate" adding rows, the
// limits, the additional payments dialog and the lower grid, quick help, files through the file
// dialog, printing, the graph window and leaving.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <cmath>
#include <functional>
#include <memory>

#include "compare/comparison_file.h"
#include "compare/comparison_help.h"
#include "compare/mc_graph.h"
#include "compare/mort_comp.h"
#include "files/file_info.h"
#include "reports/bar_graph.h"
#include "reports/printer_header_input.h"
#include "shell/ms_grid.h"
#include "shell/number_format.h"
#include "support/file_bytes.h"
#include "support/gui_drive.h"
#include "support/modal_driver.h"
#include "support/print_context.h"
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"

namespace bw {
namespace {

using test::ModalDriver;
using test::TypeInto;

// The window with the shared state; files and the printout (a PDF file) go to one folder.
class MortCompTest : public ::testing::Test, public test::PrintContext {
  protected:
    MortCompTest()
        : PrintContext("printout.pdf"),
          folder(QDir(dir.path()).canonicalPath().toStdString() + "/") {}

    MortComp& open() {
        window = test::ShowActive(std::make_unique<MortComp>(ctx));
        return *window;
    }

    void calculate() { QTest::mouseClick(window->MCCalc, Qt::LeftButton); }
    std::string up(int row, int col) const { return window->MCGrid1->textAt(row, col); }
    std::string low(int row, int col) const { return window->MCGrid2->textAt(row, col); }

    // Clicks `button`, runs `action` on the modal dialog T it opens, and waits until the window
    // is active again once the dialog has closed (the window manager's work).
    template <class T>
    void withDialog(QPushButton* button, std::function<void(T&)> action) {
        ModalDriver<T> driver(std::move(action));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(driver.ran());
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Additional payments typed into the dialog: (year row, amount keys), then "&OK".
    void enterPrePayments(const std::vector<std::pair<int, QString>>& amounts, int monthOption) {
        withDialog<MortPrePay>(window->MCAddPrePay, [&](MortPrePay& d) {
            test::PickOption(d.InMth[static_cast<std::size_t>(monthOption)]);
            for (const auto& [row, keys] : amounts) {
                d.PGrid->setRow(row);
                d.PGrid->setCol(1);
                d.PGrid->setFocus();
                QTest::keyClicks(d.PGrid, keys);
            }
            QTest::mouseClick(d.UsePrePay, Qt::LeftButton);
        });
    }

    void fileCommand(QPushButton* button, const QString& name) {
        mm.DialogFolder = folder;
        withDialog<FileInfo>(button, [&](FileInfo& d) {
            d.TextBox->setFocus();
            d.TextBox->selectAll();
            QTest::keyClick(d.TextBox, Qt::Key_Delete);
            QTest::keyClicks(d.TextBox, name);
            QTest::mouseClick(d.DlgButton[0], Qt::LeftButton);
        });
    }

    std::string readFile(const std::string& name) const { return test::ReadBytes(folder + name); }
    void writeFile(const std::string& name, const std::string& bytes) const {
        ASSERT_TRUE(test::WriteBytes(folder + name, bytes)) << name;
    }

    // Row 1 plain, row 2 with 10,000 in year 1 and 5,000 in year 3, row 3 bi-weekly (accelerated)
    // with the same payments.
    void calculateThreeRows() {
        calculate();
        enterPrePayments({{1, "10000"}, {3, "5000"}}, 0);
        calculate();
        window->FreqPmt->setCurrentIndex(4);
        calculate();
    }

    std::string folder;
    std::unique_ptr<MortComp> window;
};

TEST_F(MortCompTest, LoadsItsDefaults) {
    mm.DefaultCompounding = 3;
    MortComp& w = open();
    EXPECT_EQ(frame.frameCaption(), " Mortgage Comparison Tables");
    EXPECT_EQ(w.InPrincipal->text(), "   $100,000.00");
    EXPECT_EQ(w.InRate->currentText(), "         10.125%");
    EXPECT_EQ(w.InTerm->currentText(), "            25");
    EXPECT_EQ(mm.RowView, 2);
    EXPECT_EQ(w.ComPeriod->currentText(), "   Semiannual");
    EXPECT_EQ(w.FreqPmt->currentText(), "      Monthly");
    const std::vector<std::pair<QString, const char*>> captions = {
        {w.Label1->text(), " Principal amount of    mortgage."},
        {w.Label3->text(), " Annual interest          rate(%)"},
        {w.Label4->text(), " Amortization period    in years."},
        {w.Label8->text(), "* Additional Payments Applied"},
        {w.Label9->text(), "Interest rate factor."},
        {w.Label10->text(), "Days in year."},
        {w.MCCalc->text(), "&Calculate"},
        {w.MCAddPrePay->text(), "&Additional Payments"},
        {w.MCShowIRF->text(), "&Days in Year"},
        {w.MCGraphs->text(), "&Show Graph"},
        {w.MCPrinter->text(), "&Print"},
        {w.CSaveFile->text(), "Sa&ve File"},
        {w.CLoadFile->text(), "&Open File"},
        {w.MCHelp->text(), "Quick &Help"},
        {w.MCExit->text(), "E&xit to Menu"}};
    for (const auto& [shown, caption] : captions) EXPECT_EQ(shown, caption);
    EXPECT_EQ(w.MCGrid1->rows(), 13);
    EXPECT_EQ(w.MCGrid1->cols(), 8);
    EXPECT_EQ(up(0, 0), "Row, Days Compound Frequency");
    EXPECT_EQ(up(0, 7), "Total     Interest  Payments");
    EXPECT_EQ(w.MCGrid1->rowHeightTwips(0), 660);
    EXPECT_EQ(w.MCGrid2->rows(), 10);
    EXPECT_EQ(w.MCGrid2->cols(), 8);
    // At least 760 and 1000 twips (to the nearest pixel), wider where the font needs it.
    EXPECT_GE(w.MCGrid2->colWidthTwips(0), 765);
    EXPECT_GE(w.MCGrid2->colWidthTwips(1), 1005);
    EXPECT_EQ(w.findChild<QLineEdit*>("InPrincipal"), w.InPrincipal);
    EXPECT_EQ(w.findChild<MSGrid*>("MCGrid2"), w.MCGrid2);
}

TEST_F(MortCompTest, TypedInputsAndCalculateAddRows) {
    MortComp& w = open();
    calculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(up(1, 0), "01 Norm M 1m  ");
    EXPECT_EQ(up(1, 7), "$175,258.20");
    EXPECT_EQ(w.InDays->text(), "Normal");
    EXPECT_EQ(w.PeriodicR->text(), "0.0084375");
    EXPECT_EQ(mm.ResultRowCount, 1);
    EXPECT_EQ(mm.GraphTitle, " Total mortgage interest paid");
    EXPECT_EQ(mm.GraphLabels[1], "Row  1");
    EXPECT_EQ(mm.GraphValues[1], Money::fromDouble(w.sheet().graph[0].value));

    // A new principal, rate and period, typed as a person does.
    TypeInto(w.InPrincipal, "250000.555\n");
    EXPECT_EQ(w.InPrincipal->text(), "     $250,000.55");
    EXPECT_EQ(mm.LoanInputs[1], 250000.55);
    EXPECT_GE(port.beeps, 1);  // the third decimal was refused
    TypeInto(w.InRate, "7.2505\n");
    EXPECT_EQ(mm.LoanInputs[2], 7.25);
    EXPECT_EQ(w.InRate->currentText(), "         7.250%");
    TypeInto(w.InTerm, "3x0\n");
    EXPECT_EQ(mm.LoanInputs[3], 30);
    EXPECT_EQ(w.InTerm->currentText(), "              30");
    // Semiannual compounding and bi-weekly payments with the arrow keys of the lists.
    w.ComPeriod->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(w.ComPeriod, Qt::Key_Down);
    w.FreqPmt->setFocus();
    for (int i = 0; i < 2; ++i) QTest::keyClick(w.FreqPmt, Qt::Key_Down);
    ASSERT_EQ(w.FreqPmt->currentText(), "      2 Weeks");
    calculate();
    EXPECT_EQ(up(1, 0), "01 Norm M 1m  ");  // earlier rows stay
    EXPECT_EQ(up(2, 0), "02 5.00 S 2wk ");
    EXPECT_EQ(up(2, 1), "30");
    EXPECT_EQ(up(2, 3), "26");
    EXPECT_EQ(up(2, 4), "$250,000.55");
    EXPECT_EQ(up(2, 5), "7.250");
    EXPECT_EQ(w.InDays->text(), "365");
    EXPECT_EQ(mm.ResultRowCount, 2);
    // The periodic rate for 365/14 periods a year.
    const double ip = std::pow(1 + 0.0725 / 2, 2 / (365.0 / 14)) - 1;
    EXPECT_EQ(w.PeriodicR->text().toStdString(), FormatNumber(ip, "0.########"));
}

TEST_F(MortCompTest, FortyYearLimitInTheBoxAndTheTwelveRowLimit) {
    MortComp& w = open();
    TypeInto(w.InTerm, "45\n");
    EXPECT_EQ(port.messages, std::vector<int>{5});
    EXPECT_EQ(mm.LoanInputs[3], 40);
    EXPECT_EQ(w.InTerm->currentText().trimmed(), "40");
    port.messages.clear();
    for (int r = 1; r <= 12; ++r) calculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(up(12, 0), "12 Norm M 1m  ");
    const std::string before = w.sheet().printText;
    calculate();
    EXPECT_EQ(port.messages, std::vector<int>{22});
    EXPECT_EQ(w.sheet().rowCounter, 12);
    EXPECT_EQ(mm.ResultRowCount, 12);
    EXPECT_EQ(w.sheet().printText, before);
    EXPECT_EQ(up(12, 0), "12 Norm M 1m  ");
    // A period of 41 taken some other way stops the calculation with message 5.
    mm.LoanInputs[3] = 41;
    port.messages.clear();
    calculate();
    EXPECT_EQ(port.messages, std::vector<int>{5});
    EXPECT_EQ(mm.ResultRowCount, 0);
}

TEST_F(MortCompTest, AdditionalPaymentsMarkTheRowAndFillTheLowerGrid) {
    MortComp& w = open();
    calculate();  // row 1 without additional payments
    enterPrePayments({{1, "10000"}, {3, "5000"}}, 0);
    EXPECT_EQ(mm.PrePayCount, 2);
    EXPECT_EQ(mm.PrePayMonth, 12);
    calculate();
    calculate();  // the amounts stay for every following calculation
    EXPECT_EQ(up(1, 2), "25.00");
    EXPECT_EQ(up(2, 2)[0], '*');
    EXPECT_EQ(up(3, 2)[0], '*');
    EXPECT_EQ(low(0, 1), " Row     2");
    EXPECT_EQ(low(1, 1), " 10,000.00");
    EXPECT_EQ(low(2, 0), " 3    1");
    EXPECT_EQ(low(0, 3), " Row     3");
    EXPECT_EQ(low(0, 4), "");
    EXPECT_EQ(w.sheet().slot, 2);

    // Leaving the period box discards them: the next row adds nothing to the lower grid.
    TypeInto(w.InTerm, "25\n");
    EXPECT_EQ(mm.PrePayTable[1][2], Money());
    calculate();
    EXPECT_EQ(up(4, 2), "25.00");
    EXPECT_EQ(low(0, 4), "");
    // Set after the period, with the month " 4" (code 3): paid with payment 4 of each year.
    enterPrePayments({{2, "700"}}, 3);
    EXPECT_EQ(mm.PrePayMonth, 3);
    calculate();
    EXPECT_EQ(low(0, 5), " Row     5");
    EXPECT_EQ(low(1, 4), " 2    4");
    EXPECT_EQ(low(1, 5), "    700.00");
}

TEST_F(MortCompTest, DaysInYearDialogChangesTheTwoWeekRows) {
    MortComp& w = open();
    withDialog<MortIRFTable>(w.MCShowIRF, [](MortIRFTable& d) {
        test::PickOption(d.IRFactor[0]);
        QTest::mouseClick(d.ExitMort, Qt::LeftButton);
    });
    EXPECT_EQ(mm.DaysInYear, 365.25f);
    w.FreqPmt->setCurrentIndex(2);
    calculate();
    EXPECT_EQ(up(1, 0), "01 5.25 M 2wk ");
    EXPECT_EQ(w.InDays->text(), "365.25");
    w.FreqPmt->setCurrentIndex(1);
    calculate();
    EXPECT_EQ(up(2, 0), "02 Norm M sm  ");
    EXPECT_EQ(w.InDays->text(), "Normal");
}

TEST_F(MortCompTest, QuickHelp) {
    MortComp& w = open();
    QTest::mouseClick(w.MCHelp, Qt::LeftButton);
    EXPECT_EQ(w.MCHelp->text(), "Close &Help");
    EXPECT_TRUE(w.MCTextBox->isVisible());
    EXPECT_FALSE(w.MCGrid1->isVisible());
    EXPECT_FALSE(w.MCGrid2->isVisible());
    EXPECT_FALSE(w.MCPrinter->isEnabled());
    EXPECT_FALSE(w.MCGraphs->isEnabled());
    EXPECT_EQ(mm.HelpShown, 1);
    QString expected = QString::fromStdString(ComparisonQuickHelpText());
    expected.replace("\r\n", "\n");
    EXPECT_EQ(w.MCTextBox->toPlainText(), expected);
    EXPECT_TRUE(w.MCTextBox->toPlainText().startsWith(
        "Click on yellow box to change, start typing in numbers"));
    EXPECT_EQ(w.MCTextBox->palette().color(QPalette::Base), QColor(0, 255, 255));
    w.grab().save("/tmp/mort_comp_help.png");
    // Keys in the help box are refused; typing into a box leaves the help open.
    QTest::keyClick(w.MCTextBox, 'a');
    EXPECT_EQ(port.beeps, 1);
    TypeInto(w.InPrincipal, "5");
    EXPECT_TRUE(w.MCTextBox->isVisible());
    QTest::mouseClick(w.MCHelp, Qt::LeftButton);
    EXPECT_EQ(w.MCHelp->text(), "Quick &Help");
    EXPECT_FALSE(w.MCTextBox->isVisible());
    EXPECT_TRUE(w.MCGrid1->isVisible());
    EXPECT_TRUE(w.MCPrinter->isEnabled());
    EXPECT_EQ(mm.HelpShown, 0);
    EXPECT_EQ(mm.TypingFlag, 0);
}

TEST_F(MortCompTest, SaveOpenAndContinueWithRowFour) {
    {
        MortComp& w = open();
        // Saving with no rows: message 15, no dialog.
        QTest::mouseClick(w.CSaveFile, Qt::LeftButton);
        EXPECT_EQ(port.messages, std::vector<int>{15});
        EXPECT_EQ(mm.GraphTitle, "Total mortgage interest paid");
        EXPECT_TRUE(w.isVisible());
        port.messages.clear();
        calculateThreeRows();
        fileCommand(w.CSaveFile, "three.kcd");
        EXPECT_TRUE(port.messages.empty());
        EXPECT_EQ(mm.LastCompareFile, "three.kcd");
        EXPECT_EQ(mm.GraphTitle, "Total mortgage interest paid");
        EXPECT_EQ(mm.FileKind, 0);
        EXPECT_TRUE(w.isVisible());
    }
    const ComparisonSheet saved = window->sheet();
    const std::string bytes = readFile("three.kcd");

    // A fresh window opens it: both grids, marks, graph values and printout text come back.
    window->MCExit_Click();
    mm.PrePayMonth = 7;
    MortComp& w = open();
    fileCommand(w.CLoadFile, "three.kcd");
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(w.sheet().rowCounter, 3);
    EXPECT_EQ(w.sheet().printText, saved.printText);
    EXPECT_EQ(w.sheet().upper, saved.upper);
    EXPECT_EQ(w.sheet().lower, saved.lower);
    EXPECT_EQ(up(2, 2)[0], '*');
    EXPECT_EQ(low(1, 1), " 10,000.00");
    EXPECT_EQ(mm.PrintLines[1], saved.printText);
    EXPECT_EQ(mm.GraphLabels[3], "Row  3");
    EXPECT_EQ(mm.GraphTitle, "Total mortgage interest paid");
    EXPECT_EQ(mm.ResultRowCount, 3);
    EXPECT_EQ(mm.PrePayMonth, 12);
    EXPECT_EQ(mm.PrePayTable[3][2], Money::fromDouble(5000));
    EXPECT_EQ(w.FreqPmt->currentText(), " Biweekly(Acc)");
    EXPECT_EQ(w.InPrincipal->text(), "     $100,000.00");
    EXPECT_EQ(w.InRate->currentText(), "        10.125%");
    EXPECT_EQ(w.InDays->text(), "");
    // Saved again unchanged, the file is the same to the byte.
    fileCommand(w.CSaveFile, "again.kcd");
    EXPECT_EQ(readFile("again.kcd"), bytes);
    // The next calculation is row 4 and uses the loaded additional payments.
    calculate();
    EXPECT_EQ(up(4, 0), "04 5.00 M b(a)");
    EXPECT_EQ(up(4, 2)[0], '*');
    EXPECT_EQ(low(0, 5), " Row     4");
    EXPECT_EQ(mm.ResultRowCount, 4);
    QApplication::processEvents();
    w.grab().save("/tmp/mort_comp.png");
}

TEST_F(MortCompTest, PreviousFormatAndDamagedFiles) {
    MortComp& w = open();
    calculate();
    enterPrePayments({{2, "3000"}}, 5);
    calculate();
    fileCommand(w.CSaveFile, "two.kcd");
    const std::string bytes = readFile("two.kcd");

    // The previous format: the header ends after ResultRowCount.
    std::string old = bytes;
    const std::string tail = ",5,\"O\",0\r\n";
    old.replace(old.find(tail), tail.size(), "\r\n");
    writeFile("old.kcd", old);
    // Damaged: too many rows, a file cut short, and no comparison file at all.
    std::string many = bytes;
    many.replace(many.find(",2,10,8,,"), 9, ",13,10,8,,");
    writeFile("many.kcd", many);
    writeFile("cut.kcd", bytes.substr(0, bytes.size() / 2));
    writeFile("junk.kcd", "\x01\x02 not a file");

    window->MCExit_Click();
    mm.PrePayMonth = 9;
    MortComp& fresh = open();
    calculate();
    const ComparisonSheet before = fresh.sheet();
    const std::string printBefore = mm.PrintLines[1];
    for (const char* name : {"many.kcd", "cut.kcd", "junk.kcd"}) {
        SCOPED_TRACE(name);
        port.messages.clear();
        fileCommand(fresh.CLoadFile, name);
        ASSERT_FALSE(port.messages.empty());
        EXPECT_EQ(port.messages.back(), 13);
        EXPECT_EQ(fresh.sheet().upper, before.upper);
        EXPECT_EQ(fresh.sheet().rowCounter, 1);
        EXPECT_EQ(mm.PrintLines[1], printBefore);
        EXPECT_EQ(mm.PrePayMonth, 9);
        EXPECT_EQ(mm.LastCompareFile, "two.kcd");
        EXPECT_TRUE(fresh.isVisible());
    }

    port.messages.clear();
    fileCommand(fresh.CLoadFile, "old.kcd");
    EXPECT_EQ(port.messages, std::vector<int>{9});
    EXPECT_EQ(fresh.sheet().rowCounter, 2);
    EXPECT_EQ(mm.PrePayMonth, 9);
    EXPECT_EQ(low(1, 0), " 2    6");
}

TEST_F(MortCompTest, PrintsThroughTheHeaderDialog) {
    MortComp& w = open();
    QTest::mouseClick(w.MCPrinter, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{1});
    calculate();
    withDialog<PrinterHeaderInput>(w.MCPrinter, [](PrinterHeaderInput& d) {
        QTest::keyClicks(d.InFName, "Smith family");
        QTest::mouseClick(d.Acept, Qt::LeftButton);
    });
    EXPECT_EQ(mm.PrintHeader, "Smith family");
    EXPECT_GT(QFile(pdf).size(), 500);
}

TEST_F(MortCompTest, GraphWindowShowsOneBarPerRow) {
    MortComp& w = open();
    QTest::mouseClick(w.MCGraphs, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{7});
    calculate();
    QTest::mouseClick(w.MCGraphs, Qt::LeftButton);
    ASSERT_EQ(frame.children.size(), 1u);
    auto* graph = qobject_cast<MCGraph*>(frame.children[0]);
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(mm.GraphCaller, 1);
    EXPECT_FALSE(w.isVisible());
    // One row: two bar positions, the second empty and unlabelled.
    const GraphData& one = graph->Graph1->data();
    ASSERT_EQ(one.points.size(), 2u);
    EXPECT_EQ(one.points[0].label, "Row  1");
    EXPECT_NEAR(one.points[0].value, 175258.20, 0.005);
    EXPECT_TRUE(one.points[1].empty);
    EXPECT_EQ(one.points[1].label, "");
    EXPECT_EQ(one.title, " Total mortgage interest paid");
    EXPECT_EQ(one.valueAxisTitle, "Value $");
    EXPECT_FALSE(graph->Oned->isVisible());  // "&Gain/Loss %" and "&Value of each fund"
    EXPECT_FALSE(graph->Pie2d->isVisible());
    EXPECT_EQ(graph->Ptr->text(), "&Printer");
    EXPECT_FALSE(graph->Sav2D->isEnabled());
    EXPECT_TRUE(graph->ThreeDee->isEnabled());
    EXPECT_EQ(graph->viewCode(), 6);

    // Printing: no to the first question prints nothing; yes, yes prints in colour.
    port.answers = {false};
    QTest::mouseClick(graph->Ptr, Qt::LeftButton);
    EXPECT_EQ(port.questions, std::vector<int>{1});
    EXPECT_FALSE(QFile::exists(pdf));
    port.answers = {true, true};
    QTest::mouseClick(graph->Ptr, Qt::LeftButton);
    EXPECT_EQ(port.questions, (std::vector<int>{1, 1, 2}));
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_FALSE(graph->lastPrintedImage().isNull());
    EXPECT_EQ(graph->colourFlag(), 0);

    // Without OpenGL the 3D button says so and the flat graph stays.
    if (!BarGraph::OpenGLAvailable()) {
        QTest::mouseClick(graph->ThreeDee, Qt::LeftButton);
        EXPECT_TRUE(graph->MsgText->isVisible());
        EXPECT_FALSE(graph->Graph1->is3D());
    }
    graph->grab().save("/tmp/mc_graph.png");
    QTest::mouseClick(graph->ExitBut, Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());

    // Three rows: three bars.
    calculate();
    calculate();
    QTest::mouseClick(w.MCGraphs, Qt::LeftButton);
    auto* three = qobject_cast<MCGraph*>(frame.children.back());
    ASSERT_NE(three, nullptr);
    ASSERT_EQ(three->Graph1->data().points.size(), 3u);
    EXPECT_EQ(three->Graph1->data().points[2].label, "Row  3");
    QTest::mouseClick(three->ExitBut, Qt::LeftButton);
}

TEST_F(MortCompTest, ExitDiscardsTheTables) {
    MortComp& w = open();
    calculate();
    enterPrePayments({{1, "100"}}, 2);
    w.MCExit_Click();
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_EQ(mm.RowView, 0);
    EXPECT_EQ(mm.ResultRowCount, 0);
    EXPECT_EQ(mm.PrePayMonth, 12);
    EXPECT_EQ(mm.GraphCaller, 0);
    EXPECT_TRUE(mm.ScheduleTable.empty());
    EXPECT_TRUE(mm.PrintLines.empty());
    EXPECT_EQ(mm.PrePayTable[1][2], Money());
    EXPECT_EQ(w.sheet().rowCounter, 0);
}

}  // namespace
}  // namespace bw
