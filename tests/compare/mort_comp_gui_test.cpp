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

using test::ModalDriver;
using test::TypeInto;

// The one window test context; files and the printout (a PDF file) go to one folder.
class MortCompTest : public ::testing::Test, public test::PrintContext {
  protected:
    MortCompTest()
        : PrintContext("printout.pdf"),
          folder(QDir(dir.path()).canonicalPath().toStdString() + "/") {}

    MortComp& open() {
        window = openWindow<MortComp>();
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
    EXPECT_EQ(w.ComPeriod->currentText(), "   Semiannual");
    EXPECT_EQ(w.FreqPmt->currentText(), "      Monthly");
    EXPECT_EQ(w.Label1->text(), " Principal amount of    mortgage.");
    EXPECT_EQ(up(0, 7), "Total     Interest  Payments");
    EXPECT_EQ(w.MCGrid1->rowHeightTwips(0), 660);
    EXPECT_EQ(w.MCGrid2->rows(), 10);
    EXPECT_EQ(w.MCGrid2->cols(), 8);
    EXPECT_EQ(w.InPrincipal->accessibleName(), "Principal amount of mortgage");
    EXPECT_EQ(w.FreqPmt->accessibleName(), "Frequency and type of each payment");
    EXPECT_EQ(w.PeriodicR->accessibleName(), "Interest rate factor");
}

TEST_F(MortCompTest, EnterPressesTheFocusedButton) {
    MortComp& w = open();
    w.MCCalc->setFocus();
    QTest::keyClick(w.MCCalc, Qt::Key_Return);
    EXPECT_EQ(up(1, 0), "01 Norm M 1m  ");
}

TEST_F(MortCompTest, CalculateShowsTheRowOfTheChosenLists) {
    MortComp& w = open();
    calculate();
    EXPECT_EQ(up(1, 7), "$175,258.20");
    EXPECT_EQ(w.PeriodicR->text(), "0.0084375");
    w.ComPeriod->setCurrentIndex(3);
    w.FreqPmt->setCurrentIndex(2);
    calculate();
    EXPECT_EQ(up(1, 0), "01 Norm M 1m  ");
    EXPECT_EQ(up(2, 0), "02 5.00 S 2wk ");
    EXPECT_EQ(w.InDays->text(), "365");
    EXPECT_EQ(w.PeriodicR->text(), "0.00379564");  // (1 + 0.050625)^(2 / (365 / 14)) - 1
    EXPECT_EQ(mm.ResultRowCount, 2);
}

TEST_F(MortCompTest, PeriodOverFortyIsCutToForty) {
    MortComp& w = open();
    TypeInto(w.InTerm, "45\n");
    EXPECT_EQ(port.messages, std::vector<int>{5});
    EXPECT_EQ(mm.LoanInputs[3], 40);
    EXPECT_EQ(w.InTerm->currentText(), "              40");
}

TEST_F(MortCompTest, BoxesLeftAsShownKeepTheirValues) {
    MortComp& w = open();
    w.ComPeriod->setFocus();
    QTest::keyClick(w.ComPeriod, 'x');  // refused: the window now waits for an edit
    EXPECT_EQ(port.beeps, 1);
    EXPECT_EQ(mm.TypingFlag, 1);
    w.InPrincipal->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    w.InPrincipal->end(false);
    QTest::keyClick(w.InPrincipal, Qt::Key_Delete);  // at the end: removes nothing
    QTest::keyClick(w.InPrincipal, Qt::Key_Tab);
    QTest::keyClick(w.InRate, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[1], 100000);
    EXPECT_EQ(mm.LoanInputs[2], 10.125);
    EXPECT_EQ(w.InPrincipal->text(), "     $100,000.00");
}

TEST_F(MortCompTest, AdditionalPaymentsFillTheLowerGridUntilThePeriodIsLeft) {
    MortComp& w = open();
    calculate();
    enterPrePayments({{1, "10000"}, {3, "5000"}}, 0);
    calculate();
    EXPECT_EQ(up(1, 2), "25.00");
    EXPECT_EQ(up(2, 2)[0], '*');
    EXPECT_EQ(low(0, 1), " Row     2");
    EXPECT_EQ(low(1, 1), " 10,000.00");
    EXPECT_EQ(low(2, 0), " 3    1");
    TypeInto(w.InTerm, "25\n");
    calculate();
    EXPECT_EQ(up(3, 2), "25.00");
    EXPECT_EQ(low(0, 3), "");
}

TEST_F(MortCompTest, DaysInYearDialogReachesTheNextRow) {
    MortComp& w = open();
    withDialog<MortIRFTable>(w.MCShowIRF, [](MortIRFTable& d) {
        test::PickOption(d.IRFactor[0]);
        QTest::mouseClick(d.ExitMort, Qt::LeftButton);
    });
    w.FreqPmt->setCurrentIndex(2);
    calculate();
    EXPECT_EQ(up(1, 0), "01 5.25 M 2wk ");
    EXPECT_EQ(w.InDays->text(), "365.25");
}

TEST_F(MortCompTest, QuickHelpTakesThePlaceOfTheGrids) {
    MortComp& w = open();
    QTest::mouseClick(w.MCHelp, Qt::LeftButton);
    EXPECT_EQ(w.MCHelp->text(), "Close &Help");
    EXPECT_TRUE(w.MCTextBox->isVisible());
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
    EXPECT_FALSE(w.MCTextBox->isVisible());
    EXPECT_TRUE(w.MCGrid1->isVisible());
    EXPECT_TRUE(w.MCPrinter->isEnabled());
}

TEST_F(MortCompTest, SaveAndOpenThroughTheFileDialog) {
    MortComp& w = open();
    QTest::mouseClick(w.CSaveFile, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{15});
    EXPECT_TRUE(w.isVisible());
    port.messages.clear();
    calculate();
    enterPrePayments({{1, "10000"}}, 0);
    w.FreqPmt->setCurrentIndex(4);
    calculate();
    fileCommand(w.CSaveFile, "two.kcd");
    EXPECT_EQ(mm.LastCompareFile, "two.kcd");
    EXPECT_EQ(mm.GraphTitle, "Total mortgage interest paid");
    writeFile("cut.kcd", readFile("two.kcd").substr(0, 400));

    window->MCExit_Click();
    MortComp& fresh = open();
    fileCommand(fresh.CLoadFile, "cut.kcd");  // refused whole
    EXPECT_EQ(port.messages, std::vector<int>{13});
    EXPECT_EQ(up(1, 0), "");
    port.messages.clear();
    fileCommand(fresh.CLoadFile, "two.kcd");
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(up(2, 0), "02 5.00 M b(a)");
    EXPECT_EQ(low(1, 1), " 10,000.00");
    EXPECT_EQ(fresh.FreqPmt->currentText(), " Biweekly(Acc)");
    EXPECT_EQ(fresh.InPrincipal->text(), "     $100,000.00");
    EXPECT_EQ(fresh.InDays->text(), "");
    EXPECT_TRUE(fresh.isVisible());
    calculate();
    EXPECT_EQ(up(3, 0), "03 5.00 M b(a)");
    QApplication::processEvents();
    fresh.grab().save("/tmp/mort_comp.png");
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
    EXPECT_GT(QFile(pdf).size(), 500);
}

TEST_F(MortCompTest, GraphWindowTakesItsPlaceAndGivesItBack) {
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
    EXPECT_EQ(graph->Graph1->data().points[0].label, "Row  1");
    EXPECT_FALSE(graph->Oned->isVisible());
    EXPECT_FALSE(graph->Pie2d->isVisible());
    port.answers = {true, true};
    QTest::mouseClick(graph->Ptr, Qt::LeftButton);
    EXPECT_EQ(port.questions, (std::vector<int>{1, 2}));
    EXPECT_TRUE(QFile::exists(pdf));
    graph->grab().save("/tmp/mc_graph.png");
    QTest::mouseClick(graph->ExitBut, Qt::LeftButton);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(MortCompTest, ExitShowsTheMenu) {
    MortComp& w = open();
    calculate();
    QTest::mouseClick(w.MCExit, Qt::LeftButton);
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_EQ(mm.ResultRowCount, 0);
}

}  // namespace
}  // namespace bw
