// The tables window wired to its rules: start texts, the boxes' values, the period's limit,
// "&Calculate" filling the grid and the result boxes, the reset on every change, quick help and
// leaving. The rules themselves are tested in the core; the number boxes in the typed suite.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <memory>

#include "shell/mdi_container.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "support/window_context.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

using test::TypeInto;

class MortgageCalcTest : public ::testing::Test, public test::WindowContext {
  protected:
    MortgageCalc& open(std::int16_t mode) {
        mm.TableMode = mode;
        window = test::ShowActive(std::make_unique<MortgageCalc>(ctx));
        return *window;
    }
    void clickCalculate() { QTest::mouseClick(window->MCalc, Qt::LeftButton); }
    std::string cell(int row, int col) const { return window->MGrid->textAt(row, col); }
    // The seven result boxes, InDays .. TotSavd, joined by '|'.
    std::string resultBoxes() const {
        std::string texts;
        for (QLabel* box :
             {window->InDays, window->PeriodicR, window->NumPmtsYear, window->InMonthPI,
              window->EndMortYear, window->AllPayments, window->TotSavd})
            texts += (texts.empty() ? "" : "|") + box->text().toStdString();
        return texts;
    }
    bool noResults() const {
        return cell(1, 0).empty() && cell(1, 1).empty() && window->InMonthPI->text().isEmpty() &&
               mm.ResultRowCount == 0 && !window->hasResult();
    }
    std::unique_ptr<MortgageCalc> window;
};

TEST_F(MortgageCalcTest, LoadsTheModesStartTextsAndNamesItsBoxes) {
    mm.DefaultCompounding = 3;
    MortgageCalc& w = open(2);
    EXPECT_EQ(frame.frameCaption(), " Loan Tables");
    EXPECT_EQ(w.InPrincipal->text(), "   $20,000.00");
    EXPECT_EQ(w.InRate->currentText(), "         10.125%");
    EXPECT_EQ(w.InTerm->currentText(), "            48");
    EXPECT_EQ(w.InTerm->itemText(3), "60");
    EXPECT_EQ(w.Label3->text(), " Payback period of     the loan in months.");
    EXPECT_EQ(w.Comperiod->currentText(), "   Semiannual");
    EXPECT_EQ(cell(0, 0), " Year Number");
    EXPECT_TRUE(w.Option2->isChecked());
    EXPECT_EQ(w.InPrincipal->accessibleName(), "Principal amount of the loan");
    EXPECT_EQ(w.InMonthPI->accessibleName(), "Principal+Interest payment");
}

TEST_F(MortgageCalcTest, TypedPrincipalIsStoredAndShownOnLeaving) {
    MortgageCalc& w = open(1);
    TypeInto(w.InPrincipal, "250000.5\n");
    EXPECT_TRUE(w.InRate->hasFocus());
    EXPECT_EQ(mm.LoanInputs[1], 250000.5);
    EXPECT_EQ(w.InPrincipal->text(), "     $250,000.50");
}

TEST_F(MortgageCalcTest, PeriodOverTheLimitTakesTheLimitAndDropsTheAdditionalPayments) {
    MortgageCalc& w = open(1);
    mm.PrePayTable[2][2] = Money::fromDouble(5000);
    mm.PrePayCount = 1;
    TypeInto(w.InTerm, "45\n");
    EXPECT_EQ(port.messages, std::vector<int>{Msg::YearsLimit});
    EXPECT_EQ(w.InTerm->currentText(), "              40");
    EXPECT_EQ(mm.LoanInputs[3], 40);
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayTable[2][2], Money());
}

TEST_F(MortgageCalcTest, EnterThroughTheListsAndOnCalculateFillsGridAndResults) {
    MortgageCalc& w = open(1);
    TypeInto(w.Comperiod, "\n");
    QTest::keyClick(w.FreqPmt, Qt::Key_Return);
    EXPECT_TRUE(w.MCalc->hasFocus());
    QTest::keyClick(w.MCalc, Qt::Key_Return);
    EXPECT_EQ(
        resultBoxes(),
        "      Normal|0.0084375|          12|     $917.53|       25.00| $275,258.20|        $.00");
    EXPECT_EQ(w.MGrid->rows(), 29);
    EXPECT_EQ(cell(1, 0), "   1");
    EXPECT_EQ(cell(25, 3), ".00");
    EXPECT_EQ(cell(27, 0), "Total:");
    EXPECT_EQ(mm.ResultRowCount, 25);
    EXPECT_EQ(mm.GraphTitle, "Mortgage balance at start of each Year");
}

TEST_F(MortgageCalcTest, ViewChangesAndTypingEmptyTheResults) {
    MortgageCalc& w = open(1);
    clickCalculate();
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    EXPECT_TRUE(noResults());
    EXPECT_EQ(mm.RowView, 2);
    EXPECT_EQ(mm.TypingFlag, 0);
    clickCalculate();
    EXPECT_EQ(w.MGrid->rows(), 304);  // 300 payments
    TypeInto(w.InPrincipal, "5");
    EXPECT_TRUE(noResults());
}

TEST_F(MortgageCalcTest, AWrongEntryStopsTheCalculationWithoutResults) {
    MortgageCalc& w = open(1);
    TypeInto(w.InRate, "0");
    clickCalculate();
    EXPECT_EQ(port.messages, std::vector<int>{Msg::WrongEntry});
    EXPECT_TRUE(noResults());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MortgageCalcTest, TermLongerThanTheScheduleResetsToAllYears) {
    MortgageCalc& w = open(1);
    mm.DisplayTerm = 20;
    w.FreqPmt->setCurrentIndex(4);  // " Biweekly(Acc)": paid off in 19 years
    clickCalculate();
    EXPECT_EQ(port.messages, std::vector<int>{Msg::TermReset});
    EXPECT_EQ(mm.DisplayTerm, 0);
    EXPECT_TRUE(noResults());
    // The window now waits for an edit; boxes passed through untouched keep their values.
    mm.PrePayCount = 1;
    for (QWidget* box : {static_cast<QWidget*>(w.InPrincipal), static_cast<QWidget*>(w.InTerm)}) {
        mm.TypingFlag = 1;
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Tab);
    }
    EXPECT_EQ(mm.LoanInputs[1], 100000);
    EXPECT_EQ(mm.LoanInputs[3], 25);
    EXPECT_EQ(mm.PrePayCount, 1);
}

TEST_F(MortgageCalcTest, AListEntryPickedIsTakenOnLeaving) {
    MortgageCalc& w = open(1);
    w.InRate->setFocus(Qt::TabFocusReason);
    w.InRate->setCurrentIndex(0);
    emit w.InRate->activated(0);
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[2], 6);
    EXPECT_EQ(w.InRate->currentText(), "         6.000%");
}

TEST_F(MortgageCalcTest, TheWheelTurnsOnlyAListThatHasTheFocus) {
    MortgageCalc& w = open(1);
    QWheelEvent wheel(QPointF(5, 5), w.FreqPmt->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.FreqPmt, &wheel);
    EXPECT_EQ(w.FreqPmt->currentIndex(), 0);
}

TEST_F(MortgageCalcTest, QuickHelpStaysOpenWhileTypingAndClosesWithItsButton) {
    MortgageCalc& w = open(2);
    clickCalculate();
    QTest::mouseClick(w.MHelp, Qt::LeftButton);
    EXPECT_TRUE(w.MTextBox->toPlainText().startsWith(QString(26, ' ') + "How to use for Car"));
    EXPECT_FALSE(w.MGrid->isVisible());
    EXPECT_FALSE(w.MPrinter->isEnabled());
    QTest::keyClick(w.MTextBox, Qt::Key_Return);  // Enter goes to the principal box
    TypeInto(w.InPrincipal, "15000");
    EXPECT_TRUE(w.MTextBox->isVisible());
    QTest::mouseClick(w.MHelp, Qt::LeftButton);
    EXPECT_EQ(w.MHelp->text(), "Quick &Help");
    EXPECT_TRUE(w.MGrid->isVisible());
    EXPECT_TRUE(w.MPrinter->isEnabled());
    EXPECT_TRUE(noResults());
}

TEST_F(MortgageCalcTest, ExitDiscardsTheTablesAndShowsTheMenu) {
    MortgageCalc& w = open(1);
    clickCalculate();
    QTest::mouseClick(w.MExit, Qt::LeftButton);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_TRUE(mm.ScheduleTable.empty());
    EXPECT_EQ(mm.ResultRowCount, 0);
}

// Pictures of the window, written when BW_SCREENSHOT_DIR names a folder: the window inside the
// program's frame as the README shows it, and the loan window with quick help open.
TEST(MortgageCalcPictures, SavesScreenshots) {
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
    w->MCalc->setFocus();
    w->calculate();
    QApplication::processEvents();
    frame.grab().save(folder + "/framed.png");

    test::WindowContext loan;
    loan.mm.TableMode = 2;
    MortgageCalc l(loan.ctx);
    l.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&l));
    l.MHelp->click();
    l.grab().save(folder + "/loan-help.png");
}

}  // namespace
}  // namespace bw
