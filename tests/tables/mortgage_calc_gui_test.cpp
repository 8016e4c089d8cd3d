// The tables window driven through its controls: typing into the boxes, the limits of the period,
// the view options, "&Calculate" with the grid and the result boxes, quick help and leaving.

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
#include <cmath>
#include <memory>

#include "shell/dates.h"
#include "shell/mdi_container.h"
#include "shell/ms_grid.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"
#include "tables/mortgage_calc.h"
#include "tables/quick_help.h"

namespace bw {
namespace {

class MortgageCalcTest : public ::testing::Test {
  protected:
    MortgageCalcTest() : port(&mm), ctx{mm, port, frame} { mm.CurrencySymbol = "$"; }

    MortgageCalc& open(std::int16_t mode) {
        mm.TableMode = mode;
        window = std::make_unique<MortgageCalc>(ctx);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    // Types into a box as a person does: the focus first, then the keys ('\n' is Enter).
    static void type(QWidget* box, const QString& keys) {
        box->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        for (QChar c : keys) {
            if (c == '\n')
                QTest::keyClick(box, Qt::Key_Return);
            else
                QTest::keyClick(box, c.toLatin1());
        }
    }

    // Leaves the box that has the focus by clicking another control.
    void clickCalculate() { QTest::mouseClick(window->MCalc, Qt::LeftButton); }

    std::string cell(int row, int col) const { return window->MGrid->textAt(row, col); }
    static std::string trimmed(const QString& text) { return text.trimmed().toStdString(); }

    std::vector<std::string> resultBoxes() const {
        std::vector<std::string> texts;
        for (QLabel* box :
             {window->InDays, window->PeriodicR, window->NumPmtsYear, window->InMonthPI,
              window->EndMortYear, window->AllPayments, window->TotSavd})
            texts.push_back(box->text().toStdString());
        return texts;
    }

    bool gridEmpty() const {
        for (int r = 1; r < window->MGrid->rows(); ++r)
            for (int c = 0; c < window->MGrid->cols(); ++c)
                if (!cell(r, c).empty()) return false;
        return true;
    }

    MMODULE mm;
    test::RecordingMessagePort port;
    test::TestFrame frame;
    AppContext ctx;
    std::unique_ptr<MortgageCalc> window;
};

TEST_F(MortgageCalcTest, LoadsTheMortgageDefaults) {
    MortgageCalc& w = open(1);
    EXPECT_EQ(frame.frameCaption(), " Mortgage Tables");
    EXPECT_EQ(w.InPrincipal->text(), "   $100,000.00");
    EXPECT_EQ(w.InRate->currentText(), "        10.125%");
    EXPECT_EQ(w.InTerm->currentText(), "            25");
    EXPECT_EQ(mm.LoanInputs[1], 100000);
    EXPECT_EQ(mm.LoanInputs[2], 10.125);
    EXPECT_EQ(mm.LoanInputs[3], 25);
    EXPECT_EQ(w.Label1->text(), " Principal amount of    mortgage.");
    EXPECT_EQ(w.Label3->text(), " Amortization period    in years.");
    EXPECT_EQ(w.Label8->text(), " Total paid over   life of mortgage");
    EXPECT_EQ(w.Label11->text(), " No. of years to  final payment.");
    EXPECT_TRUE(w.Option2->isChecked());
    EXPECT_EQ(mm.RowView, 1);
    EXPECT_EQ(mm.TypingFlag, 0);
    EXPECT_EQ(mm.GridRows, 26);
    EXPECT_EQ(w.MGrid->rows(), 26);
    EXPECT_EQ(w.MGrid->cols(), 6);
    EXPECT_EQ(cell(0, 0), "  Payment   No.  Year");
    EXPECT_EQ(cell(0, 5), "Cumulative Principal");
    EXPECT_EQ(w.MGrid->rowHeightTwips(0), 510);
    ASSERT_EQ(w.InTerm->count(), 3);
    EXPECT_EQ(w.InTerm->itemText(2), "40");
    ASSERT_EQ(w.InRate->count(), 5);
    EXPECT_EQ(w.InRate->itemText(0), "6 ");
    EXPECT_EQ(w.InRate->itemText(4), "10 ");
    ASSERT_EQ(w.FreqPmt->count(), 6);
    EXPECT_EQ(w.FreqPmt->itemText(4), " Biweekly(Acc)");
    EXPECT_EQ(w.Comperiod->currentText(), "      Monthly");
    EXPECT_EQ(w.MHelp->text(), "Quick &Help");
    EXPECT_EQ(w.MExit->text(), "E&xit to Menu");
    EXPECT_FALSE(w.MTextBox->isVisible());
}

TEST_F(MortgageCalcTest, LoadsTheLoanDefaultsAndTheDefaultCompounding) {
    mm.DefaultCompounding = 3;
    MortgageCalc& w = open(2);
    EXPECT_EQ(frame.frameCaption(), " Loan Tables");
    EXPECT_EQ(w.InPrincipal->text(), "   $20,000.00");
    EXPECT_EQ(w.InRate->currentText(), "         10.125%");
    EXPECT_EQ(w.InTerm->currentText(), "            48");
    EXPECT_EQ(mm.LoanInputs[3], 4);
    EXPECT_EQ(w.Label3->text(), " Payback period of     the loan in months.");
    EXPECT_EQ(w.Label11->text(), " No. months to   final payment.");
    EXPECT_EQ(cell(0, 0), " Year Number");
    EXPECT_EQ(w.Comperiod->currentText(), "   Semiannual");
    ASSERT_EQ(w.InTerm->count(), 4);
    EXPECT_EQ(w.InTerm->itemText(3), "60");
}

TEST_F(MortgageCalcTest, FirstKeyEmptiesThePrincipalAndLeavingFormatsIt) {
    MortgageCalc& w = open(1);
    type(w.InPrincipal, "2");
    EXPECT_EQ(w.InPrincipal->text(), "2");
    EXPECT_EQ(mm.TypingFlag, 1);
    type(w.InPrincipal, "50000.5\n");
    EXPECT_TRUE(w.InRate->hasFocus());  // Enter moves on to the rate
    EXPECT_EQ(mm.LoanInputs[1], 250000.5);
    EXPECT_EQ(w.InPrincipal->text(), "     $250,000.50");  // right-aligned in 16
    EXPECT_EQ(mm.TypingFlag, 0);
    EXPECT_EQ(port.beeps, 0);
}

TEST_F(MortgageCalcTest, DeleteKeyEmptiesTheResultsAndTheEditIsTaken) {
    MortgageCalc& w = open(1);
    clickCalculate();
    ASSERT_FALSE(gridEmpty());
    w.InPrincipal->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.InPrincipal->selectedText(), w.InPrincipal->text());  // whole text selected
    w.InPrincipal->setCursorPosition(4);  // before the "1" of "   $100,000.00"
    QTest::keyClick(w.InPrincipal, Qt::Key_Delete);
    EXPECT_TRUE(gridEmpty());
    EXPECT_EQ(w.InMonthPI->text(), "");
    EXPECT_EQ(w.InPrincipal->text(), "   $00,000.00");
    clickCalculate();
    // "$00,000.00" is no number: its leading number ends at the "$".
    EXPECT_EQ(mm.LoanInputs[1], 0);
    EXPECT_EQ(w.InPrincipal->text(), "            $.00");
}

TEST_F(MortgageCalcTest, PrincipalRefusesLettersAndAThirdDecimal) {
    MortgageCalc& w = open(1);
    type(w.InPrincipal, "12a.345");
    EXPECT_EQ(w.InPrincipal->text(), "12.34");
    EXPECT_EQ(port.beeps, 2);
}

TEST_F(MortgageCalcTest, RateTakesThreeDecimalsAndRefusesAFourth) {
    MortgageCalc& w = open(1);
    type(w.InRate, "7.25");
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[2], 7.25);
    EXPECT_EQ(w.InRate->currentText(), "         7.250%");
    EXPECT_EQ(port.beeps, 0);

    type(w.InRate, "6.1254");
    EXPECT_EQ(w.InRate->currentText(), "6.125");
    EXPECT_EQ(port.beeps, 1);
    type(w.InRate, "\n");
    EXPECT_TRUE(w.InTerm->hasFocus());
    EXPECT_EQ(mm.LoanInputs[2], 6.125);
    EXPECT_EQ(w.InRate->currentText(), "         6.125%");
}

TEST_F(MortgageCalcTest, MortgagePeriodAboveFortyYearsIsCutToForty) {
    MortgageCalc& w = open(1);
    type(w.InTerm, "45\n");
    EXPECT_TRUE(w.Comperiod->hasFocus());
    EXPECT_EQ(port.messages, std::vector<int>{5});
    EXPECT_EQ(trimmed(w.InTerm->currentText()), "40");
    EXPECT_EQ(w.InTerm->currentText().size(), 16);
    EXPECT_EQ(mm.LoanInputs[3], 40);
    EXPECT_EQ(mm.TypingFlag, 0);
}

TEST_F(MortgageCalcTest, LoanPeriodAbove480MonthsIsCutTo480) {
    MortgageCalc& w = open(2);
    type(w.InTerm, "500\n");
    EXPECT_EQ(port.messages, std::vector<int>{16});
    EXPECT_EQ(trimmed(w.InTerm->currentText()), "480");
    EXPECT_EQ(mm.LoanInputs[3], 40);
}

TEST_F(MortgageCalcTest, LoanPeriodInMonthsIsStoredInYears) {
    MortgageCalc& w = open(2);
    type(w.InTerm, "30\n");
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(mm.LoanInputs[3], 2.5);
    EXPECT_EQ(w.InTerm->currentText(), "              30");
}

TEST_F(MortgageCalcTest, EditingThePeriodDiscardsTheAdditionalPayments) {
    MortgageCalc& w = open(1);
    mm.PrePayTable[2][2] = Money::fromDouble(5000);
    mm.PrePayCount = 1;
    // Passing through the box without an edit keeps them.
    type(w.InTerm, "\n");
    EXPECT_EQ(mm.PrePayCount, 1);
    type(w.InTerm, "30\n");
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayTable[2][2], Money());
    EXPECT_EQ(mm.LoanInputs[3], 30);
}

TEST_F(MortgageCalcTest, PickingAPeriodFromTheListDiscardsTheAdditionalPayments) {
    MortgageCalc& w = open(1);
    mm.PrePayTable[3][2] = Money::fromDouble(1000);
    mm.PrePayCount = 1;
    w.InTerm->setFocus();
    w.InTerm->setCurrentIndex(1);
    emit w.InTerm->activated(1);
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.TypingFlag, 1);
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[3], 30);
    EXPECT_EQ(window->MGrid->rows(), 34);  // 30 year rows + 4
}

TEST_F(MortgageCalcTest, ArrowKeysInTheRateListTakeTheEntry) {
    MortgageCalc& w = open(1);
    w.InRate->setFocus();
    QTest::keyClick(w.InRate, Qt::Key_Down);
    const QString shown = w.InRate->currentText();
    EXPECT_EQ(mm.TypingFlag, 1);
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[2], shown.trimmed().toDouble());
    EXPECT_EQ(w.InRate->currentText().trimmed(), shown.trimmed() + ".000%");
}

TEST_F(MortgageCalcTest, PeriodBoxRefusesAPoint) {
    MortgageCalc& w = open(1);
    type(w.InTerm, "2.5");
    EXPECT_EQ(w.InTerm->currentText(), "25");
    EXPECT_EQ(port.beeps, 1);
}

TEST_F(MortgageCalcTest, ListsRefuseTypedKeysAndEnterMovesOn) {
    MortgageCalc& w = open(1);
    type(w.Comperiod, "x");
    EXPECT_EQ(port.beeps, 1);
    EXPECT_EQ(w.Comperiod->currentText(), "      Monthly");
    type(w.Comperiod, "\n");
    EXPECT_TRUE(w.FreqPmt->hasFocus());
    type(w.FreqPmt, "\n");
    EXPECT_TRUE(w.MCalc->hasFocus());
    EXPECT_EQ(mm.TypingFlag, 0);
    // Enter on "&Calculate" calculates.
    QTest::keyClick(w.MCalc, Qt::Key_Return);
    EXPECT_EQ(trimmed(w.InMonthPI->text()), "$917.53");
}

TEST_F(MortgageCalcTest, TheWheelTurnsOnlyAListThatHasTheFocus) {
    MortgageCalc& w = open(1);
    type(w.InPrincipal, "7");
    QWheelEvent wheel(QPointF(5, 5), w.FreqPmt->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.FreqPmt, &wheel);
    EXPECT_EQ(w.FreqPmt->currentIndex(), 0);
    EXPECT_EQ(mm.TypingFlag, 1);  // the edit of the principal is still taken on leaving
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[1], 7);
}

TEST_F(MortgageCalcTest, GivingTheWindowTheFocusPutsItInThePrincipalBox) {
    MortgageCalc& w = open(1);
    w.MCalc->setFocus();
    w.setFocus();
    EXPECT_TRUE(w.InPrincipal->hasFocus());
}

TEST_F(MortgageCalcTest, CalculateFillsAllPaymentsWithYearNumbers) {
    MortgageCalc& w = open(1);
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    ASSERT_EQ(mm.RowView, 2);
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(w.MGrid->rows(), 304);
    EXPECT_EQ(cell(0, 0), "  Payment   No.  Year");
    EXPECT_EQ(cell(1, 0), "   1       1");
    EXPECT_EQ(cell(12, 0), "  12       1");
    EXPECT_EQ(cell(13, 0), "  13       2");
    EXPECT_EQ(cell(300, 0), " 300      25");
    EXPECT_EQ(cell(301, 0), "");
    // First row: interest 843.75 = 100,000 x 0.0084375, the rest of 917.53 goes to principal.
    EXPECT_EQ(cell(1, 1), "843.75");
    EXPECT_EQ(cell(1, 2), "73.78");
    EXPECT_EQ(cell(1, 3), "99,926.22");
    // The last row as the worked example gives it.
    EXPECT_EQ(cell(300, 1), "7.68");
    EXPECT_EQ(cell(300, 2), "909.85");
    EXPECT_EQ(cell(300, 3), ".00");
    EXPECT_EQ(cell(302, 0), "Total:");
    EXPECT_EQ(cell(302, 3), "$.00");
    EXPECT_EQ(cell(302, 5), "$100,000.00");
    EXPECT_EQ(mm.ResultRowCount, 301);
    EXPECT_EQ(mm.GridRows, 300);
    EXPECT_EQ(mm.GraphTitle, "Mortgage balance at start of each Year");
    EXPECT_TRUE(w.hasResult());
    EXPECT_EQ(w.lastPaymentsPerYear(), 12);
}

TEST_F(MortgageCalcTest, CalculateFillsTheAnnualView) {
    MortgageCalc& w = open(1);
    clickCalculate();
    EXPECT_EQ(w.MGrid->rows(), 29);
    EXPECT_EQ(cell(0, 0), " Payment  Year");
    EXPECT_EQ(cell(1, 0), "   1");
    EXPECT_EQ(cell(25, 0), "  25");
    EXPECT_EQ(cell(26, 0), "");
    EXPECT_EQ(cell(27, 0), "Total:");
    EXPECT_EQ(mm.ResultRowCount, 25);

    // Year 1 recomputed here: twelve payments of the monthly schedule.
    const double rm = 0.0084375;
    const double payment = 100000 * rm / (1 - std::pow(1 + rm, -300));
    double balance = 100000, interest = 0;
    for (int k = 0; k < 12; ++k) {
        const double i = balance * rm;
        interest += i;
        balance -= payment - i;
    }
    char expected[32];
    std::snprintf(expected, sizeof expected, "%.2f", interest);
    std::string withComma(expected);
    withComma.insert(withComma.size() - 6, ",");
    EXPECT_EQ(cell(1, 1), withComma);
    std::snprintf(expected, sizeof expected, "%.2f", balance);
    std::string balanceText(expected);
    balanceText.insert(balanceText.size() - 6, ",");
    EXPECT_EQ(cell(1, 3), balanceText);
    EXPECT_EQ(cell(25, 3), ".00");
    EXPECT_EQ(cell(25, 5), "100,000.00");
}

TEST_F(MortgageCalcTest, SwitchingViewsEmptiesTheGridAndTheResults) {
    MortgageCalc& w = open(1);
    clickCalculate();
    ASSERT_FALSE(gridEmpty());
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    EXPECT_TRUE(gridEmpty());
    EXPECT_EQ(cell(0, 1), "Interest Payment");
    EXPECT_EQ(w.InMonthPI->text(), "");
    EXPECT_EQ(mm.ResultRowCount, 0);
    EXPECT_FALSE(w.hasResult());
    EXPECT_EQ(mm.TypingFlag, 0);
    clickCalculate();
    EXPECT_EQ(w.MGrid->rows(), 304);
    QTest::mouseClick(w.Option2, Qt::LeftButton);
    EXPECT_TRUE(gridEmpty());
    EXPECT_EQ(mm.RowView, 1);
}

TEST_F(MortgageCalcTest, TypingEmptiesTheResults) {
    MortgageCalc& w = open(1);
    clickCalculate();
    ASSERT_EQ(trimmed(w.InMonthPI->text()), "$917.53");
    type(w.InPrincipal, "5");
    EXPECT_EQ(w.InMonthPI->text(), "");
    EXPECT_TRUE(gridEmpty());
    EXPECT_EQ(mm.ResultRowCount, 0);
}

struct WorkedExample {
    const char* name;
    std::int16_t mode;
    int compounding;  // index in the list
    int frequency;
    std::vector<std::string> boxes;  // InDays .. TotSavd
};

class WorkedExamplesTest : public MortgageCalcTest,
                           public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExamplesTest, ResultBoxes) {
    const WorkedExample& example = GetParam();
    MortgageCalc& w = open(example.mode);
    w.Comperiod->setCurrentIndex(example.compounding);
    w.FreqPmt->setCurrentIndex(example.frequency);
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(resultBoxes(), example.boxes);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, WorkedExamplesTest,
    ::testing::Values(WorkedExample{"Monthly",
                                    1,
                                    0,
                                    0,
                                    {"      Normal", "0.0084375", "          12", "     $917.53",
                                     "       25.00", " $275,258.20", "        $.00"}},
                      WorkedExample{"BiweeklyAcc",
                                    1,
                                    0,
                                    4,
                                    {"365", "0.00387476", "          26", "     $458.76",
                                     "       18.54", " $220,861.40", "  $54,396.79"}},
                      WorkedExample{"TwoWeeks",
                                    1,
                                    0,
                                    2,
                                    {"365", "0.00387476", "          26", "     $423.47",
                                     "       24.54", " $269,924.71", "   $5,333.49"}},
                      WorkedExample{"Semiannual",
                                    1,
                                    3,
                                    0,
                                    {"      Normal", "0.00826484", "          12", "     $902.91",
                                     "       25.00", " $270,873.89", "        $.00"}},
                      WorkedExample{"Loan",
                                    2,
                                    0,
                                    0,
                                    {"      Normal", "0.0084375", "          12", "     $508.45",
                                     "       48.00", "  $24,405.75", "        $.00"}}),
    [](const ::testing::TestParamInfo<WorkedExample>& info) { return info.param.name; });

TEST_F(MortgageCalcTest, TotalsOfAMillionOrMoreAreShownWhole) {
    MortgageCalc& w = open(1);
    type(w.InPrincipal, "500000");
    clickCalculate();
    // The principal plus the sum of the monthly interest parts: 1,376,290.98 (summed here).
    const double rm = 0.0084375;
    const double payment = 500000 * rm / (1 - std::pow(1 + rm, -300));
    double balance = 500000, interest = 0;
    for (int k = 0; k < 300; ++k) {
        interest += balance * rm;
        balance -= payment - balance * rm;
    }
    EXPECT_NEAR(500000 + interest, 1376290.98, 0.005);
    EXPECT_EQ(w.AllPayments->text(), "$1,376,290.98");
    EXPECT_EQ(w.InMonthPI->text(), "   $4,587.64");
}

TEST_F(MortgageCalcTest, ZeroPrincipalGivesAScheduleOfZeros) {
    MortgageCalc& w = open(1);
    type(w.InPrincipal, "0");
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(w.InPrincipal->text(), "            $.00");
    EXPECT_EQ(cell(1, 1), ".00");
    EXPECT_EQ(cell(25, 3), ".00");
}

TEST_F(MortgageCalcTest, AnAmountTooLargeForTheTablesGivesMessage4) {
    MortgageCalc& w = open(1);
    type(w.InPrincipal, "99999999999999999999");
    clickCalculate();
    EXPECT_EQ(port.messages, std::vector<int>{4});
    EXPECT_FALSE(w.hasResult());
}

TEST_F(MortgageCalcTest, ZeroRateGivesMessage4) {
    MortgageCalc& w = open(1);
    type(w.InRate, "0");
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[2], 0);
    EXPECT_EQ(port.messages, std::vector<int>{4});
    EXPECT_EQ(w.InMonthPI->text(), "");
    EXPECT_EQ(mm.ResultRowCount, 0);
    EXPECT_FALSE(w.hasResult());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MortgageCalcTest, TermLongerThanThePeriodGivesMessage34) {
    MortgageCalc& w = open(1);
    mm.DisplayTerm = 30;
    clickCalculate();
    EXPECT_EQ(port.messages, std::vector<int>{34});
    EXPECT_EQ(mm.DisplayTerm, 0);
    EXPECT_EQ(w.MGrid->rows(), 29);  // all 25 years
}

TEST_F(MortgageCalcTest, DisplayTermShowsItsRowsAndTheTermTotals) {
    MortgageCalc& w = open(1);
    mm.DisplayTerm = 5;
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(cell(60, 0), "  60       5");
    EXPECT_EQ(cell(61, 0), "");
    EXPECT_EQ(cell(62, 0), "5 Yr. Term");
    EXPECT_EQ(cell(62, 3), "$" + cell(60, 3));
}

TEST_F(MortgageCalcTest, TermLongerThanTheResultEndsWithMessage34AndAReset) {
    MortgageCalc& w = open(1);
    mm.DisplayTerm = 20;
    w.FreqPmt->setCurrentIndex(4);  // " Biweekly(Acc)": paid off in 18.54 years, 19 year rows
    clickCalculate();
    EXPECT_EQ(port.messages, std::vector<int>{34});
    EXPECT_EQ(mm.DisplayTerm, 0);
    EXPECT_EQ(mm.TypingFlag, 1);
    EXPECT_EQ(mm.ResultRowCount, 0);
    EXPECT_TRUE(gridEmpty());
    EXPECT_EQ(w.InMonthPI->text(), "");
    // The next calculation shows all years.
    port.messages.clear();
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(w.MGrid->rows(), 23);  // 19 rows + 4 is below the least of 23
    EXPECT_EQ(cell(19, 0), "  19");
    EXPECT_EQ(cell(21, 0), "Total:");
}

TEST_F(MortgageCalcTest, PaymentDatesInTheFirstColumn) {
    MortgageCalc& w = open(1);
    mm.DateMode = 1;
    mm.FirstPayDate = ShortDateText(QDate(2027, 1, 31));
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(cell(0, 0), " Payment  Date");
    EXPECT_EQ(cell(1, 0), ShortDateText(QDate(2027, 1, 31)));
    EXPECT_EQ(cell(2, 0), ShortDateText(QDate(2027, 2, 28)));
    EXPECT_EQ(cell(13, 0), ShortDateText(QDate(2028, 1, 31)));
}

TEST_F(MortgageCalcTest, APeriodAboveFortyYearsFromAFileStopsWithMessage5) {
    MortgageCalc& w = open(1);
    mm.LoanInputs[3] = 41;
    w.calculate();
    EXPECT_EQ(port.messages, std::vector<int>{5});
    EXPECT_FALSE(w.hasResult());
}

TEST_F(MortgageCalcTest, FortyYearWeeklyScheduleFillsTheGrid) {
    MortgageCalc& w = open(1);
    type(w.InTerm, "40\n");
    w.FreqPmt->setCurrentIndex(3);  // "      1 Week"
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    const int rows = mm.GridRows;
    EXPECT_GT(rows, 1900);
    EXPECT_LE(rows, 2100);
    EXPECT_EQ(w.MGrid->rows(), rows + 4);
    EXPECT_EQ(cell(rows, 3), ".00");
    EXPECT_EQ(cell(rows + 2, 0), "Total:");
}

TEST_F(MortgageCalcTest, AppliedAdditionalPaymentsAreListedBelowTheTotals) {
    MortgageCalc& w = open(1);
    mm.PrePayTable[2][1] = Money::fromDouble(2);
    mm.PrePayTable[2][2] = Money::fromDouble(5000);
    mm.PrePayTable[4][1] = Money::fromDouble(4);
    mm.PrePayTable[4][2] = Money::fromDouble(2500);
    mm.PrePayCount = 2;
    clickCalculate();
    const int T = mm.GridRows;
    EXPECT_EQ(cell(T + 2, 0), "Total:");
    EXPECT_EQ(cell(T + 4, 0), "Additional ");
    EXPECT_EQ(cell(T + 6, 0), "Year    2");
    EXPECT_EQ(cell(T + 6, 1), " Month   1");
    EXPECT_EQ(cell(T + 6, 2), "5,000.00");
    EXPECT_EQ(cell(T + 7, 0), "Year    4");
    EXPECT_EQ(w.MGrid->rows(), T + 4 + 2 + 4);
    EXPECT_EQ(mm.PrintLines[1].substr(0, 32), "Additional  Payments     Applied");
}

TEST_F(MortgageCalcTest, ExitDiscardsTheTablesAndShowsTheMenu) {
    MortgageCalc& w = open(1);
    clickCalculate();
    mm.PrePayMonth = 5;
    mm.PrePayCount = 1;
    QTest::mouseClick(w.MExit, Qt::LeftButton);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_EQ(mm.RowView, 0);
    EXPECT_EQ(mm.ResultRowCount, 0);
    EXPECT_EQ(mm.GridRows, 0);
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayMonth, 12);
    EXPECT_TRUE(mm.ScheduleTable.empty());
    EXPECT_EQ(mm.LoanInputs[1], 0);
}

TEST_F(MortgageCalcTest, QuickHelpReplacesTheGridAndCloses) {
    MortgageCalc& w = open(1);
    clickCalculate();
    QTest::mouseClick(w.MHelp, Qt::LeftButton);
    EXPECT_EQ(w.MHelp->text(), "Close &Help");
    EXPECT_EQ(mm.HelpShown, 1);
    EXPECT_TRUE(w.MTextBox->isVisible());
    EXPECT_FALSE(w.MGrid->isVisible());
    EXPECT_FALSE(w.MPrinter->isEnabled());
    EXPECT_FALSE(w.MGraphs->isEnabled());
    EXPECT_TRUE(w.MTextBox->hasFocus());
    QString expected = QString::fromStdString(QuickHelpText(1));
    expected.replace("\r\n", "\n");
    EXPECT_EQ(w.MTextBox->toPlainText(), expected);

    // The panel cannot be typed into; Enter goes to the principal box.
    QTest::keyClick(w.MTextBox, 'x');
    EXPECT_EQ(port.beeps, 1);
    EXPECT_EQ(w.MTextBox->toPlainText(), expected);

    QTest::mouseClick(w.MHelp, Qt::LeftButton);
    EXPECT_EQ(w.MHelp->text(), "Quick &Help");
    EXPECT_EQ(mm.HelpShown, 0);
    EXPECT_FALSE(w.MTextBox->isVisible());
    EXPECT_TRUE(w.MGrid->isVisible());
    EXPECT_TRUE(w.MPrinter->isEnabled());
    EXPECT_EQ(mm.ResultRowCount, 0);  // the schedule comes back with the next calculation
    EXPECT_TRUE(gridEmpty());
    EXPECT_EQ(mm.TypingFlag, 0);
}

TEST_F(MortgageCalcTest, TypingWhileQuickHelpIsOpenLeavesThePanelOpen) {
    MortgageCalc& w = open(2);
    QTest::mouseClick(w.MHelp, Qt::LeftButton);
    EXPECT_TRUE(w.MTextBox->toPlainText().startsWith(QString(26, ' ') + "How to use for Car"));
    QTest::keyClick(w.MTextBox, Qt::Key_Return);
    EXPECT_TRUE(w.InPrincipal->hasFocus());
    type(w.InPrincipal, "15000");
    EXPECT_TRUE(w.MTextBox->isVisible());
    EXPECT_EQ(w.MHelp->text(), "Close &Help");
    EXPECT_EQ(mm.HelpShown, 1);
    // "&Calculate" closes the panel and shows the schedule.
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[1], 15000);
    EXPECT_FALSE(w.MTextBox->isVisible());
    EXPECT_TRUE(w.MGrid->isVisible());
    EXPECT_EQ(w.MHelp->text(), "Quick &Help");
    EXPECT_EQ(mm.HelpShown, 0);
    EXPECT_GT(mm.ResultRowCount, 0);
}

TEST_F(MortgageCalcTest, RestoringBoxesFromStoredValues) {
    MortgageCalc& w = open(2);
    mm.LoanInputs = {0, 12345.6, 8.5, 2.5, 0, 0};
    w.showPrincipal();
    w.showRate();
    w.showPeriod();
    w.setFrequencyText(" Biweekly(Acc)");
    w.selectRowView(2);
    EXPECT_EQ(w.InPrincipal->text(), "      $12,345.60");
    EXPECT_EQ(w.InRate->currentText(), "         8.500%");
    EXPECT_EQ(w.InTerm->currentText(), "              30");
    EXPECT_EQ(w.frequencyText(), " Biweekly(Acc)");
    EXPECT_TRUE(w.Option1->isChecked());
    EXPECT_EQ(mm.RowView, 2);
}

// Pictures of the window for a person to look at: written only when BW_SCREENSHOT_DIR names a
// folder.
TEST(MortgageCalcPictures, SavesScreenshots) {
    const QString folder = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "BW_SCREENSHOT_DIR not set";
    for (std::int16_t mode : {1, 2}) {
        MMODULE mm;
        mm.CurrencySymbol = "$";
        mm.TableMode = mode;
        test::RecordingMessagePort port(&mm);
        test::TestFrame frame;
        AppContext ctx{mm, port, frame};
        MortgageCalc w(ctx);
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        const QString prefix = folder + (mode == 1 ? "/mortgage" : "/loan");
        w.grab().save(prefix + "-loaded.png");
        w.MCalc->setFocus();
        w.calculate();
        w.grab().save(prefix + "-annual.png");
        w.Option1->click();
        w.FreqPmt->setCurrentIndex(4);
        w.calculate();
        w.grab().save(prefix + "-all.png");
        w.MHelp->click();
        w.grab().save(prefix + "-help.png");
    }
}

// The tables window inside the program's frame, as the README shows it.
TEST(MortgageCalcPictures, SavesAFramedScreenshot) {
    const QString folder = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "BW_SCREENSHOT_DIR not set";
    MMODULE mm;
    mm.CurrencySymbol = "$";
    mm.TableMode = 1;
    test::RecordingMessagePort port(&mm);
    MDIContainer frame(mm);
    AppContext ctx{mm, port, frame};
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
}

}  // namespace
}  // namespace bw
