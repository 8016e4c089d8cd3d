// The tables window wired to its rules: start values, the period's limit, "&Calculate" filling
// grid and result boxes, the reset on every edit, quick help and leaving. The rules themselves
// are tested in the core, the number boxes in the typed suite.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QWheelEvent>

#include "shell/mdi_container.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "support/window_context.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

class MortgageCalcTest : public ::testing::Test, public test::WindowContext {
  protected:
    MortgageCalc& open(std::int16_t mode = 1) {
        mm.TableMode = mode;
        window = openWindow<MortgageCalc>();
        return *window;
    }
    void calculate() { clickButton(window->MCalc); }
    bool noResults() const {
        return window->MGrid->textAt(1, 1).empty() && window->InMonthPI->text().isEmpty() &&
               mm.ResultRowCount == 0 && !window->hasResult();
    }
    std::unique_ptr<MortgageCalc> window;
};

TEST_F(MortgageCalcTest, LoadsTheModesStartValues) {
    mm.DefaultCompounding = 3;
    MortgageCalc& w = open(2);
    EXPECT_EQ(frame.frameCaption(), " Loan Tables");
    EXPECT_EQ(w.InPrincipal->text(), "   $20,000.00");
    EXPECT_EQ(w.Comperiod->currentText(), "   Semiannual");
    EXPECT_EQ(w.MGrid->textAt(0, 0), " Year Number");
    EXPECT_TRUE(w.Option2->isChecked());
    EXPECT_EQ(w.InMonthPI->accessibleName(), "Principal+Interest payment");
}

TEST_F(MortgageCalcTest, PeriodOverTheLimitTakesTheLimitAndDropsTheAdditionalPayments) {
    MortgageCalc& w = open();
    mm.PrePayTable[2][2] = Money::fromDouble(5000);
    mm.PrePayCount = 1;
    typeInto(w.InTerm, "45\n");
    EXPECT_EQ(port.messages, std::vector<int>{Msg::YearsLimit});
    EXPECT_EQ(w.InTerm->currentText(), "              40");
    EXPECT_EQ(mm.LoanInputs[3], 40);
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayTable[2][2], Money());
}

TEST_F(MortgageCalcTest, EnterWalksThroughTheListsAndPressesCalculate) {
    MortgageCalc& w = open();
    typeInto(w.Comperiod, "\n");
    pressKey(w.FreqPmt, Qt::Key_Return);
    ASSERT_TRUE(w.MCalc->hasFocus());
    pressKey(w.MCalc, Qt::Key_Return);
    EXPECT_EQ(w.InMonthPI->text(), "     $917.53");
    EXPECT_EQ(w.MGrid->textAt(27, 0), "Total:");
    EXPECT_EQ(mm.ResultRowCount, 25);
}

TEST_F(MortgageCalcTest, EveryEditEmptiesTheResultsUntilTheNextCalculation) {
    MortgageCalc& w = open();
    calculate();
    clickButton(w.Option1);
    EXPECT_TRUE(noResults());
    EXPECT_EQ(mm.RowView, 2);
    calculate();
    EXPECT_EQ(w.MGrid->rows(), 304);  // the next calculation shows the 300 payments
    typeInto(w.InPrincipal, "5");
    EXPECT_TRUE(noResults());
}

TEST_F(MortgageCalcTest, AWrongEntryStopsTheCalculationWithoutResults) {
    MortgageCalc& w = open();
    typeInto(w.InRate, "0");
    calculate();
    EXPECT_EQ(port.messages, std::vector<int>{Msg::WrongEntry});
    EXPECT_TRUE(noResults());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MortgageCalcTest, TermLongerThanTheScheduleResetsToAllYears) {
    MortgageCalc& w = open();
    mm.DisplayTerm = 20;
    w.FreqPmt->setCurrentIndex(4);  // " Biweekly(Acc)": paid off in 19 years
    calculate();
    EXPECT_EQ(port.messages, std::vector<int>{Msg::TermReset});
    EXPECT_EQ(mm.DisplayTerm, 0);
    EXPECT_TRUE(noResults());
}

TEST_F(MortgageCalcTest, AListEntryPickedIsTakenOnLeaving) {
    MortgageCalc& w = open();
    w.InRate->setFocus(Qt::TabFocusReason);
    w.InRate->setCurrentIndex(0);
    emit w.InRate->activated(0);
    calculate();
    EXPECT_EQ(mm.LoanInputs[2], 6);
    EXPECT_EQ(w.InRate->currentText(), "         6.000%");
}

TEST_F(MortgageCalcTest, TheWheelTurnsOnlyAListThatHasTheFocus) {
    MortgageCalc& w = open();
    QWheelEvent wheel(QPointF(5, 5), w.FreqPmt->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.FreqPmt, &wheel);
    EXPECT_EQ(w.FreqPmt->currentIndex(), 0);
}

TEST_F(MortgageCalcTest, QuickHelpReplacesTheGridUntilClosed) {
    MortgageCalc& w = open(2);
    calculate();
    clickButton(w.MHelp);
    EXPECT_TRUE(w.MTextBox->toPlainText().startsWith(QString(26, ' ') + "How to use for Car"));
    EXPECT_FALSE(w.MGrid->isVisible());
    EXPECT_FALSE(w.MPrinter->isEnabled());
    pressKey(w.MTextBox, Qt::Key_Return);  // Enter goes to the principal box
    EXPECT_TRUE(w.InPrincipal->hasFocus());
    clickButton(w.MHelp);
    EXPECT_EQ(w.MHelp->text(), "Quick &Help");
    EXPECT_TRUE(w.MGrid->isVisible());
    EXPECT_TRUE(w.MPrinter->isEnabled());
    EXPECT_TRUE(noResults());
}

TEST_F(MortgageCalcTest, ExitDiscardsTheTablesAndShowsTheMenu) {
    open();
    calculate();
    clickButton(window->MExit);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_TRUE(mm.ScheduleTable.empty());
}

// A picture of the window inside the program's frame, written when BW_SCREENSHOT_DIR names a
// folder.
TEST(MortgageCalcPictures, SavesAScreenshot) {
    const QString folder = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "BW_SCREENSHOT_DIR not set";
    test::WindowContext c;
    c.mm.TableMode = 1;
    MDIContainer frame(c.mm);
    AppContext ctx{c.mm, c.port, frame};
    auto* menu = new QWidget;
    menu->setFixedSize(200, 100);
    frame.load(menu);
    frame.resize(1080, 700);
    frame.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
    auto* w = new MortgageCalc(ctx);
    menu->hide();
    frame.showChild(w);
    QApplication::processEvents();
    w->Option1->click();
    w->FreqPmt->setCurrentIndex(4);
    w->calculate();
    QApplication::processEvents();
    EXPECT_TRUE(frame.grab().save(folder + "/framed.png"));
}

}  // namespace
}  // namespace bw
