// The comparison window's wiring: each control reaches its command and the window shows what the
// command left. The rules behind the commands are tested without a window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "compare/mc_graph.h"
#include "compare/mort_comp.h"
#include "files/file_info.h"
#include "reports/bar_graph.h"
#include "reports/printer_header_input.h"
#include "shell/ms_grid.h"
#include "support/file_bytes.h"
#include "support/print_context.h"
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"

namespace bw {
namespace {

using test::TypeInto;

// The one window test context; files and the printout (a PDF file) go to one folder.
class MortCompTest : public ::testing::Test, public test::PrintContext {
  protected:
    MortCompTest()
        : PrintContext("printout.pdf"),
          folder(QDir(dir.path()).canonicalPath().toStdString() + "/") {
        window = openWindow<MortComp>();
    }

    void calculate() { QTest::mouseClick(window->MCCalc, Qt::LeftButton); }
    std::string up(int row, int col) const { return window->MCGrid1->textAt(row, col); }
    std::string low(int row, int col) const { return window->MCGrid2->textAt(row, col); }

    // Clicks `button`, runs `action` on the modal dialog T it opens, and waits until the window
    // is active again once the dialog has closed (the window manager's work).
    template <class T>
    void withDialog(QPushButton* button, std::function<void(T&)> action) {
        test::ModalDriver<T> driver(std::move(action));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(driver.ran());
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
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

    std::string folder;
    std::unique_ptr<MortComp> window;
};

TEST_F(MortCompTest, LoadsItsDefaultsAndNamesItsControls) {
    window->MCExit_Click();
    mm.DefaultCompounding = 3;
    window = openWindow<MortComp>();
    EXPECT_EQ(frame.frameCaption(), " Mortgage Comparison Tables");
    EXPECT_EQ(window->InPrincipal->text(), "   $100,000.00");
    EXPECT_EQ(window->InRate->currentText(), "         10.125%");
    EXPECT_EQ(window->InTerm->currentText(), "            25");
    EXPECT_EQ(window->ComPeriod->currentText(), "   Semiannual");
    EXPECT_GE(window->MCGrid1->rowHeightTwips(0), 660);  // higher when the headings need it
    EXPECT_EQ(up(0, 7), "Total     Interest  Payments");
    EXPECT_EQ(window->MCGrid2->rows(), 10);
    EXPECT_EQ(window->FreqPmt->accessibleName(), "Frequency and type of each payment");
    EXPECT_EQ(window->PeriodicR->accessibleName(), "Interest rate factor");
}

TEST_F(MortCompTest, EnterPressesTheFocusedButton) {
    window->MCCalc->setFocus();
    QTest::keyClick(window->MCCalc, Qt::Key_Return);
    EXPECT_EQ(up(1, 0), "01 Norm M 1m  ");
}

TEST_F(MortCompTest, CalculateTakesTheListsAndShowsTheRates) {
    window->ComPeriod->setCurrentIndex(3);
    window->FreqPmt->setCurrentIndex(2);
    calculate();
    EXPECT_EQ(up(1, 0), "01 5.00 S 2wk ");
    EXPECT_EQ(window->InDays->text(), "365");
    EXPECT_EQ(window->PeriodicR->text(), "0.00379564");  // (1 + 0.050625)^(2 / (365 / 14)) - 1
}

TEST_F(MortCompTest, PeriodOverFortyIsCutToForty) {
    TypeInto(window->InTerm, "45\n");
    EXPECT_EQ(port.messages, std::vector<int>{5});
    EXPECT_EQ(mm.LoanInputs[3], 40);
    EXPECT_EQ(window->InTerm->currentText(), "              40");
}

TEST_F(MortCompTest, AKeyInAListBeepsAndAwaitsAnEdit) {
    window->ComPeriod->setFocus();
    QTest::keyClick(window->ComPeriod, 'x');
    EXPECT_EQ(port.beeps, 1);
    EXPECT_EQ(mm.TypingFlag, 1);
}

TEST_F(MortCompTest, AdditionalPaymentsLastUntilThePeriodIsLeft) {
    withDialog<MortPrePay>(window->MCAddPrePay, [&](MortPrePay& d) {
        d.PGrid->setRow(1);
        d.PGrid->setCol(1);
        d.PGrid->setFocus();
        QTest::keyClicks(d.PGrid, "1234567.89");
        QTest::mouseClick(d.UsePrePay, Qt::LeftButton);
    });
    TypeInto(window->InPrincipal, "5000000\n");
    calculate();
    // A million or more keeps its cents, and its column is wide enough to show it whole.
    EXPECT_EQ(low(1, 1), " 1,234,567.89");
    EXPECT_GE(window->MCGrid2->columnWidth(1),
              window->MCGrid2->fontMetrics().horizontalAdvance(" 1,234,567.89"));
    window->MCGrid2->grab().save("/tmp/mort_comp_lower.png");
    TypeInto(window->InTerm, "25\n");
    calculate();
    EXPECT_EQ(up(2, 2), "25.00");
}

TEST_F(MortCompTest, DaysInYearDialogReachesTheNextRow) {
    withDialog<MortIRFTable>(window->MCShowIRF, [](MortIRFTable& d) {
        test::PickOption(d.IRFactor[0]);
        QTest::mouseClick(d.ExitMort, Qt::LeftButton);
    });
    window->FreqPmt->setCurrentIndex(2);
    calculate();
    EXPECT_EQ(window->InDays->text(), "365.25");
}

TEST_F(MortCompTest, QuickHelpTakesThePlaceOfTheGrids) {
    MortComp& w = *window;
    QTest::mouseClick(w.MCHelp, Qt::LeftButton);
    EXPECT_EQ(w.MCHelp->text(), "Close &Help");
    EXPECT_FALSE(w.MCGrid1->isVisible());
    EXPECT_FALSE(w.MCPrinter->isEnabled());
    EXPECT_TRUE(w.MCTextBox->toPlainText().startsWith("Click on yellow box to change"));
    EXPECT_EQ(w.MCTextBox->palette().color(QPalette::Base), QColor(0, 255, 255));
    w.grab().save("/tmp/mort_comp_help.png");
    QTest::keyClick(w.MCTextBox, 'a');
    EXPECT_EQ(port.beeps, 1);
    TypeInto(w.InPrincipal, "5");  // typing leaves the help open
    EXPECT_TRUE(w.MCTextBox->isVisible());
    QTest::mouseClick(w.MCHelp, Qt::LeftButton);
    EXPECT_TRUE(w.MCGrid1->isVisible());
}

TEST_F(MortCompTest, SaveAndOpenThroughTheFileDialog) {
    QTest::mouseClick(window->CSaveFile, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{15});
    window->FreqPmt->setCurrentIndex(4);
    calculate();
    fileCommand(window->CSaveFile, "two.kcd");
    EXPECT_EQ(mm.LastCompareFile, "two.kcd");
    EXPECT_EQ(mm.GraphTitle, "Total mortgage interest paid");
    window->MCExit_Click();
    window = openWindow<MortComp>();
    fileCommand(window->CLoadFile, "two.kcd");
    EXPECT_EQ(up(1, 0), "01 5.00 M b(a)");
    EXPECT_EQ(window->FreqPmt->currentText(), " Biweekly(Acc)");
    EXPECT_EQ(window->InPrincipal->text(), "     $100,000.00");
    EXPECT_EQ(window->InDays->text(), "");
    EXPECT_TRUE(window->isVisible());
    calculate();  // continues after the file's rows
    EXPECT_EQ(up(2, 0), "02 5.00 M b(a)");
    window->grab().save("/tmp/mort_comp.png");
}

TEST_F(MortCompTest, AFileThatDoesNotReadIsRefused) {
    ASSERT_TRUE(test::WriteBytes(folder + "cut.kcd", "100000,10.125\r\n"));
    fileCommand(window->CLoadFile, "cut.kcd");
    EXPECT_EQ(port.messages, (std::vector<int>{9, 13}));
}

TEST_F(MortCompTest, PrintsThroughTheHeaderDialog) {
    QTest::mouseClick(window->MCPrinter, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{1});
    calculate();
    withDialog<PrinterHeaderInput>(window->MCPrinter, [](PrinterHeaderInput& d) {
        QTest::mouseClick(d.Acept, Qt::LeftButton);
    });
    EXPECT_GT(QFile(pdf).size(), 500);
}

TEST_F(MortCompTest, GraphWindowTakesItsPlaceAndGivesItBack) {
    QTest::mouseClick(window->MCGraphs, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{7});
    calculate();
    QTest::mouseClick(window->MCGraphs, Qt::LeftButton);
    ASSERT_EQ(frame.children.size(), 1u);
    auto* graph = qobject_cast<MCGraph*>(frame.children[0]);
    ASSERT_NE(graph, nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(graph->Graph1->data().points[0].label, "Row  1");
    EXPECT_FALSE(graph->Oned->isVisible() || graph->Pie2d->isVisible());
    graph->grab().save("/tmp/mc_graph.png");
    QTest::mouseClick(graph->ExitBut, Qt::LeftButton);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MortCompTest, ExitShowsTheMenu) {
    calculate();
    QTest::mouseClick(window->MCExit, Qt::LeftButton);
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_EQ(mm.ResultRowCount, 0);
}

}  // namespace
}  // namespace bw
