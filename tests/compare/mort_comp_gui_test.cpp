// The comparison window's wiring: each control reaches its command and the window shows what the
// command left (the rules behind the commands are tested without a window); its three number
// boxes through the suite every calculator window shares.

#include <gtest/gtest.h>

#include <QPushButton>

#include "compare/mc_graph.h"
#include "compare/mort_comp.h"
#include "files/file_info.h"
#include "reports/printer_header_input.h"
#include "shell/ms_grid.h"
#include "support/number_box_suite.h"
#include "support/print_context.h"
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"

namespace bw::test {
namespace {

class MortCompTest : public ::testing::Test, public PrintContext {
  protected:
    void calculate() { clickButton(w->MCCalc); }
    std::string up(int row, int col) const { return w->MCGrid1->textAt(row, col); }

    // Clicks `button`, runs `action` on the modal dialog T it opens, and waits until the window
    // is active again once the dialog has closed.
    template <class T>
    void withDialog(QPushButton* button, std::function<void(T&)> action) {
        ModalDriver<T> driver(std::move(action));
        clickButton(button);
        EXPECT_TRUE(driver.ran());
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void fileCommand(QPushButton* button, const QString& name) {
        mm.DialogFolder = folder;
        withDialog<FileInfo>(button, [&](FileInfo& d) {
            d.TextBox->setText(name);
            clickButton(d.DlgButton[0]);
        });
    }

    const std::string folder = QDir(dir.path()).canonicalPath().toStdString() + "/";
    std::unique_ptr<MortComp> w = openWindow<MortComp>();
};

// The days-in-year dialog's choice and the lists reach the new row, and its rate factor the
// factor's box; Enter presses the focused button.
TEST_F(MortCompTest, CalculateTakesTheDialogsChoiceAndTheLists) {
    withDialog<MortIRFTable>(w->MCShowIRF, [](MortIRFTable& d) {
        clickButton(d.IRFactor[0]);
        clickButton(d.ExitMort);
    });
    w->ComPeriod->setCurrentIndex(3);
    w->FreqPmt->setCurrentIndex(2);
    w->MCCalc->setFocus();
    pressKey(w->MCCalc, Qt::Key_Return);
    EXPECT_EQ(up(1, 0), "01 5.25 S 2wk ");
    EXPECT_EQ(w->InDays->text(), "365.25");
    EXPECT_EQ(w->PeriodicR->text(), "0.00379304");  // (1 + 0.050625)^(2 / (365.25 / 14)) - 1
}

// A typed period over forty is cut to forty with message 5; a key in a list beeps and awaits an
// edit.
TEST_F(MortCompTest, LongPeriodAndKeysInAList) {
    typeInto(w->InTerm, "45\n");
    EXPECT_EQ(port.messages, std::vector<int>{5});
    EXPECT_EQ(mm.LoanInputs[3], 40);
    typeInto(w->ComPeriod, "x");
    EXPECT_EQ(port.beeps, 1);
    EXPECT_EQ(mm.TypingFlag, 1);
}

// The dialog's additional payments reach the lower grid, and last until the period box is left.
TEST_F(MortCompTest, AdditionalPaymentsDialogFillsTheLowerGrid) {
    withDialog<MortPrePay>(w->MCAddPrePay, [&](MortPrePay& d) {
        d.PGrid->setRow(1);
        d.PGrid->setCol(1);
        typeInto(d.PGrid, "1234567.89");
        clickButton(d.UsePrePay);
    });
    typeInto(w->InPrincipal, "5000000\n");
    calculate();
    EXPECT_EQ(w->MCGrid2->textAt(1, 1), " 1,234,567.89");
    typeInto(w->InTerm, "25\n");
    calculate();
    EXPECT_EQ(up(2, 2), "25.00");
}

// The help text takes the grids' place, refuses keys and stays while a box is typed into.
TEST_F(MortCompTest, QuickHelpTakesThePlaceOfTheGrids) {
    clickButton(w->MCHelp);
    EXPECT_FALSE(w->MCGrid1->isVisible());
    EXPECT_FALSE(w->MCPrinter->isEnabled());
    EXPECT_TRUE(w->MCTextBox->toPlainText().startsWith("Click on yellow box to change"));
    typeKeys(w->MCTextBox, "a");
    EXPECT_EQ(port.beeps, 1);
    typeInto(w->InPrincipal, "5");
    EXPECT_TRUE(w->MCTextBox->isVisible());
    clickButton(w->MCHelp);
    EXPECT_TRUE(w->MCGrid1->isVisible());
}

// Message 15 with no row to save; a saved comparison opens in a new window, which goes on after
// the file's rows; a file that does not read shows why.
TEST_F(MortCompTest, SaveAndOpenThroughTheFileDialog) {
    clickButton(w->CSaveFile);
    w->FreqPmt->setCurrentIndex(4);
    calculate();
    fileCommand(w->CSaveFile, "two.kcd");
    EXPECT_EQ(mm.LastCompareFile, "two.kcd");
    w->MCExit_Click();
    w = openWindow<MortComp>();
    fileCommand(w->CLoadFile, "two.kcd");
    EXPECT_EQ(w->FreqPmt->currentText(), " Biweekly(Acc)");
    EXPECT_EQ(w->InPrincipal->text(), "     $100,000.00");
    calculate();
    EXPECT_EQ(up(2, 0), "02 5.00 M b(a)");
    w->grab().save("/tmp/mort_comp.png");  // nothing of the window cut off:
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(!child->isVisible() || w->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    ASSERT_TRUE(WriteBytes(folder + "cut.kcd", "100000,10.125\r\n"));
    fileCommand(w->CLoadFile, "cut.kcd");
    EXPECT_EQ(port.messages, (std::vector<int>{15, 9, 13}));
}

// Messages 1 and 7 with no row. After a calculation the printout goes through the header dialog,
// and the graph window hides this one until its exit; exit shows the menu.
TEST_F(MortCompTest, PrintAndGraphAfterACalculation) {
    clickButton(w->MCPrinter);
    clickButton(w->MCGraphs);
    EXPECT_EQ(port.messages, (std::vector<int>{1, 7}));
    calculate();
    withDialog<PrinterHeaderInput>(w->MCPrinter,
                                   [](PrinterHeaderInput& d) { clickButton(d.Acept); });
    EXPECT_GT(QFile(pdf).size(), 500);
    clickButton(w->MCGraphs);
    ASSERT_EQ(frame.children.size(), 1u);
    auto* graph = qobject_cast<MCGraph*>(frame.children[0]);
    ASSERT_NE(graph, nullptr);
    EXPECT_FALSE(w->isVisible());
    clickButton(graph->ExitBut);
    EXPECT_TRUE(w->isVisible());
    clickButton(w->MCExit);
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_EQ(mm.ResultRowCount, 0);
}

struct MortCompBoxes {
    using Window = MortComp;
    static inline MMODULE* mm = nullptr;
    static std::unique_ptr<MortComp> open(WindowContext& c) {
        mm = &c.mm;
        return c.openWindow<MortComp>();
    }
    static std::vector<NumberBoxCase> boxes(MortComp& w) {
        const auto input = [](int i) { return [i] { return mm->LoanInputs[i]; }; };
        const NumberBoxRule money{NumberKind::Decimal, 2}, rate{NumberKind::Decimal, 3},
            period{NumberKind::Digits, 0};
        return {
            {"InPrincipal", w.InPrincipal, w.InPrincipal, money, w.InRate, "1234.5", 1234.5,
             input(1)},
            {"InRate", w.InRate, w.InRate->lineEdit(), rate, w.InTerm, "7.125", 7.125, input(2)},
            {"InTerm", w.InTerm, w.InTerm->lineEdit(), period, w.ComPeriod, "30", 30, input(3)},
        };
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(MortComp, NumberBoxSuite, ::testing::Types<MortCompBoxes>);

}  // namespace
}  // namespace bw::test
