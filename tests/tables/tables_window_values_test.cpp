// The tables window's values without a window: start values of each mode, the boxes' texts, the
// period's limits, the shared state after loading and leaving, and the quick-help texts.

#include "tables/tables_window_values.h"

#include <gtest/gtest.h>

#include <QString>

#include "shell/messages.h"
#include "tables/quick_help.h"

namespace bw {
namespace {

// Caption, box texts, box captions and lists of each mode, joined by '|'.
std::string StartOf(std::int16_t mode, const std::string& symbol) {
    const TablesWindowStart s = TablesStart(mode, symbol);
    std::string all = s.frameCaption + "|" + s.principalText + "|" + s.rateText + "|" +
                      s.periodText + "|" + s.principalCaption + "|" + s.rateCaption + "|" +
                      s.periodCaption;
    for (const auto& list : {s.periodList, s.rateList})
        for (const std::string& entry : list) all += "|" + entry;
    return all;
}

TEST(TablesStart, EachModesValuesTextsAndLists) {
    EXPECT_EQ(StartOf(1, "$"),
              " Mortgage Tables|   $100,000.00|        10.125%|            25| Principal amount of "
              "   mortgage.| Annual interest          rate %| Amortization period    in years."
              "|25|30|40|6 |7 |8 |9 |10 ");
    EXPECT_EQ(StartOf(2, "DM"),
              " Loan Tables|   DM20,000.00|         10.125%|            48| Principal amount of    "
              "the loan.| Annual interest          rate %.| Payback period of     the loan in "
              "months.|24|36|48|60|6 |7 |8 |9 |10 ");
    const std::pair<int, int> compounding[] = {{0, 0}, {4, 4}, {5, 0}, {-1, 0}};
    for (auto [setting, index] : compounding)
        EXPECT_EQ(CompoundingIndex(static_cast<std::int16_t>(setting)), index) << setting;
}

TEST(TablesBoxes, TextsAfterLeavingABox) {
    const std::pair<std::string, std::string> cases[] = {
        {PrincipalBoxText(250000.5, "$"), "     $250,000.50"},  // right-aligned in 16
        {PrincipalBoxText(0, "$"), "            $.00"},
        {PrincipalBoxText(123456789012.5, "$"), "$123,456,789,012.50"},  // whole, not cut
        {RateBoxText(6.125), "         6.125%"},
        {PeriodBoxText(25, 1), "              25"},
        {PeriodBoxText(2.5, 2), "              30"},  // a loan shows months
    };
    for (const auto& [shown, expected] : cases) EXPECT_EQ(shown, expected);
}

TEST(TablesBoxes, PeriodLimitsOfEachMode) {
    const std::tuple<double, std::int16_t, double, int, double> cases[] = {
        {45, 1, 40, Msg::YearsLimit, 40},    {40, 1, 40, 0, 40},   {0, 1, 0, 0, 0},
        {500, 2, 480, Msg::MonthsLimit, 40}, {480, 2, 480, 0, 40}, {41, 2, 41, 0, 41.0 / 12},
    };
    for (const auto& [typed, mode, shown, message, years] : cases) {
        const PeriodEntry e = CheckPeriod(typed, mode);
        EXPECT_EQ(std::tuple(e.shown, e.message, e.years), std::tuple(shown, message, years))
            << typed << " mode " << mode;
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
        mm.PrePayTable[2][2] = Money::fromDouble(5000);
        LoadTablesState(mm);
        EXPECT_EQ(
            std::tuple(mm.ScheduleTable.size(), mm.PrintLines.size(), mm.PrePayTable[2][2],
                       mm.TypingFlag + mm.HelpShown + mm.DateMode + mm.DisplayTerm, mm.GridRows,
                       mm.DaysOption, mm.DaysInYear, mm.BiWeeklyPeriods, mm.WeeklyPeriods),
            std::tuple(2101u, 4u, Money(), 0, 26, 1, 365.0f, 26.07142857, 52.14285714));
        EXPECT_EQ(mm.LoanInputs, (std::array<double, 6>{0, mode == 1 ? 100000.0 : 20000.0, 10.125,
                                                        mode == 1 ? 25.0 : 4.0, 0, 0}));
        mm.ResultRowCount = 25;
        mm.GraphCaller = 4;
        mm.PrePayCount = 1;
        mm.PrePayMonth = 5;
        mm.RowView = 2;
        DiscardTablesState(mm);
        EXPECT_EQ(std::tuple(mm.ScheduleTable.size(), mm.PrintLines.size(), mm.LoanInputs[1],
                             mm.RowView + mm.ResultRowCount + mm.GraphCaller + mm.GridRows +
                                 mm.PrePayCount,
                             mm.PrePayMonth),
                  std::tuple(0u, 0u, 0.0, 0, 12));
    }
}

// The quick-help texts: their first lines, lines ended by CR LF only, and the line breaks after
// each.
TEST(QuickHelp, TextsOfEachMode) {
    const std::tuple<std::int16_t, int, std::string> cases[] = {
        {1, 28,
         "Click on yellow box to change, start typing in numbers, deletes previous ones, then "
         "'Calculate'. Results shown in white cells.  Read 'How to Use Programs' for details."
         "\r\n\r\n100,000.00\r\n\r\n\r\n       6.125\r\n\r\n\r\n\r\n           "
         "25\r\n\r\n\r\nClick"},
        {2, 31,
         std::string(26, ' ') +
             "How to use for Car, Consumer or Personal loans.\r\n\r\n10,000.00\r\n\r\n\r\n\r\n"
             "      6.125\r\n\r\n\r\n\r\n          60\r\n\r\n\r\n\r\nMonthly."},
    };
    for (const auto& [mode, lineBreaks, start] : cases) {
        const std::string text = QuickHelpText(mode);
        const QString q = QString::fromStdString(text);
        EXPECT_EQ(std::tuple(q.count("\r\n"), q.count('\r'), q.count('\n')),
                  std::tuple(lineBreaks, lineBreaks, lineBreaks));
        EXPECT_EQ(text.substr(0, start.size()), start);
        EXPECT_EQ(text.substr(text.size() - 59),
                  " option to show All payments or just the Annual totals.\r\n\r\n");
    }
}

}  // namespace
}  // namespace bw
