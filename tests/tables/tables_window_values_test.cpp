// The tables window's values without a window: start values of each mode, the boxes' texts, the
// period's limits, and the shared state after loading and leaving.

#include "tables/tables_window_values.h"

#include <gtest/gtest.h>

#include "shell/messages.h"

namespace bw {
namespace {

TEST(TablesStart, EachModesValuesTextsAndLists) {
    const TablesWindowStart m = TablesStart(1, "$");
    EXPECT_EQ(m.frameCaption, " Mortgage Tables");
    EXPECT_EQ(m.principalText, "   $100,000.00");
    EXPECT_EQ(m.rateText, "        10.125%");
    EXPECT_EQ(m.periodText, "            25");
    EXPECT_EQ(m.principalCaption, " Principal amount of    mortgage.");
    EXPECT_EQ(m.rateCaption, " Annual interest          rate %");
    EXPECT_EQ(m.periodCaption, " Amortization period    in years.");
    EXPECT_EQ(m.periodList, (std::vector<std::string>{"25", "30", "40"}));
    EXPECT_EQ(m.rateList, (std::vector<std::string>{"6 ", "7 ", "8 ", "9 ", "10 "}));

    const TablesWindowStart l = TablesStart(2, "DM");
    EXPECT_EQ(l.frameCaption, " Loan Tables");
    EXPECT_EQ(l.principalText, "   DM20,000.00");
    EXPECT_EQ(l.rateText, "         10.125%");
    EXPECT_EQ(l.periodText, "            48");
    EXPECT_EQ(l.principalCaption, " Principal amount of    the loan.");
    EXPECT_EQ(l.rateCaption, " Annual interest          rate %.");
    EXPECT_EQ(l.periodCaption, " Payback period of     the loan in months.");
    EXPECT_EQ(l.periodList, (std::vector<std::string>{"24", "36", "48", "60"}));
    EXPECT_EQ(l.rateList, m.rateList);
}

TEST(TablesStart, CompoundingFromTheSettings) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {3, 3}, {4, 4}, {5, 0}, {-1, 0}};
    for (auto [setting, index] : cases)
        EXPECT_EQ(CompoundingIndex(static_cast<std::int16_t>(setting)), index) << setting;
}

TEST(TablesBoxes, TextsAfterLeavingABox) {
    struct Case {
        std::string shown, expected;
    } cases[] = {
        {PrincipalBoxText(250000.5, "$"), "     $250,000.50"},  // right-aligned in 16
        {PrincipalBoxText(0, "$"), "            $.00"},
        {PrincipalBoxText(1234.567, "$"), "       $1,234.57"},
        {PrincipalBoxText(123456789012.5, "$"), "$123,456,789,012.50"},  // whole, not cut
        {RateBoxText(6.125), "         6.125%"},
        {RateBoxText(7), "         7.000%"},
        {RateBoxText(10.1254), "        10.125%"},
        {PeriodBoxText(25, 1), "              25"},
        {PeriodBoxText(2.5, 2), "              30"},  // a loan shows months
        {PeriodBoxText(40, 2), "             480"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.shown, c.expected);
}

TEST(TablesBoxes, PeriodLimitsOfEachMode) {
    struct Case {
        double typed;
        std::int16_t mode;
        double shown;
        int message;
        double years;
    } cases[] = {
        {45, 1, 40, Msg::YearsLimit, 40},    {40, 1, 40, 0, 40},   {0, 1, 0, 0, 0},
        {500, 2, 480, Msg::MonthsLimit, 40}, {480, 2, 480, 0, 40}, {30, 2, 30, 0, 2.5},
        {41, 2, 41, 0, 41.0 / 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.typed << " mode " << c.mode);
        const PeriodEntry e = CheckPeriod(c.typed, c.mode);
        EXPECT_EQ(e.shown, c.shown);
        EXPECT_EQ(e.message, c.message);
        EXPECT_DOUBLE_EQ(e.years, c.years);
    }
}

TEST(TablesState, LoadingAndLeavingTheWindow) {
    for (std::int16_t mode : {1, 2}) {
        MMODULE mm;
        mm.TableMode = mode;
        mm.TypingFlag = mm.HelpShown = mm.DateMode = 1;
        mm.DisplayTerm = 5;
        mm.DaysOption = 4;
        mm.DaysInYear = 364.5f;
        mm.GridRows = 300;
        mm.PrePayTable[2][2] = Money::fromDouble(5000);
        LoadTablesState(mm);
        EXPECT_EQ(mm.ScheduleTable.size(), 2101u);
        EXPECT_EQ(mm.PrintLines.size(), 4u);
        EXPECT_EQ(mm.PrePayTable[2][2], Money());
        EXPECT_EQ(mm.TypingFlag + mm.HelpShown + mm.DateMode + mm.DisplayTerm, 0);
        EXPECT_EQ(mm.GridRows, 26);
        EXPECT_EQ(mm.DaysOption, 1);
        EXPECT_EQ(mm.DaysInYear, 365.0f);
        EXPECT_EQ(mm.BiWeeklyPeriods, 26.07142857);
        EXPECT_EQ(mm.WeeklyPeriods, 52.14285714);
        EXPECT_EQ(mm.LoanInputs[1], mode == 1 ? 100000 : 20000);
        EXPECT_EQ(mm.LoanInputs[2], 10.125);
        EXPECT_EQ(mm.LoanInputs[3], mode == 1 ? 25 : 4);

        mm.ResultRowCount = 25;
        mm.GraphCaller = 4;
        mm.PrePayCount = 1;
        mm.PrePayMonth = 5;
        mm.RowView = 2;
        DiscardTablesState(mm);
        EXPECT_TRUE(mm.ScheduleTable.empty());
        EXPECT_TRUE(mm.PrintLines.empty());
        EXPECT_EQ(mm.LoanInputs[1], 0);
        EXPECT_EQ(mm.RowView + mm.ResultRowCount + mm.GraphCaller + mm.GridRows + mm.PrePayCount,
                  0);
        EXPECT_EQ(mm.PrePayMonth, 12);
    }
}

}  // namespace
}  // namespace bw
