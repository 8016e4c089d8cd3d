// The comparison window's shared state without a window: loading, a row calculated from MMODULE
// and stored back, the outcomes that add no row, a file's round trip and leaving.

#include <gtest/gtest.h>

#include "compare/comparison_state.h"
#include "compare_fixtures.h"
#include "shell/messages.h"

namespace bw {
namespace {

class ComparisonStateTest : public ::testing::Test {
  protected:
    ComparisonStateTest() {
        mm.CurrencySymbol = "$";
        StartComparison(mm, sheet);
    }
    ComparisonStored calculate(const ComparisonLists& lists = {}) {
        ComparisonRow row = CalculateComparisonRow(ComparisonInputFrom(mm, sheet, lists));
        return StoreComparisonRow(mm, sheet, row);
    }
    MMODULE mm;
    ComparisonSheet sheet;
};

TEST_F(ComparisonStateTest, LoadingSetsTheStartValues) {
    EXPECT_EQ(mm.LoanInputs, (std::array<double, 6>{0, 100000, 10.125, 25, 0, 0}));
    EXPECT_EQ(std::tuple(mm.DaysInYear, mm.BiWeeklyPeriods, mm.WeeklyPeriods),
              std::tuple(365.0f, 365.0 / 14, 365.0 / 7));
    EXPECT_EQ(std::tuple(mm.RowView, mm.GridRows, mm.ScheduleTable.size(), mm.PrintLines.size()),
              std::tuple(2, 13, 2101u, 4u));
    const std::pair<int, int> compounding[] = {{-1, 0}, {0, 0}, {1, 1}, {4, 4}, {5, 0}};
    for (const auto& [setting, index] : compounding)
        EXPECT_EQ(StartCompoundingIndex(setting), index) << setting;
}

TEST_F(ComparisonStateTest, ARowFromTheSharedValuesIsStoredBack) {
    ASSERT_TRUE(calculate().added);
    EXPECT_EQ(std::tuple(mm.ResultRowCount, mm.GraphTitle, mm.PaymentsPerYear, mm.RetiredYears,
                         mm.PrintLines[1]),
              std::tuple(1, " Total mortgage interest paid", 12, 25.0f, sheet.printText));
    EXPECT_NEAR(mm.ScheduleTable[300][5].toDouble(), 175258.20, 0.005);

    // Inputs, days in year and additional payments all come from the shared state: two-week
    // payments at 365 days, then one with 10,000 in year 1.
    ASSERT_TRUE(calculate({lists::kCompounding[0], lists::kFrequency[2]}).added);
    EXPECT_EQ(std::tuple(sheet.upper[1][0], mm.ScheduleTable[638][1]),
              std::tuple("02 5.00 M 2wk ", Money::fromDouble(638)));
    mm.PrePayTable = test::PrePay({{1, 10000}});
    mm.LoanInputs[3] = 10;
    ASSERT_TRUE(calculate().added);
    EXPECT_EQ(std::tuple(sheet.upper[2][2][0], sheet.upper[2][1], mm.ResultRowCount),
              std::tuple('*', "10", 3));
    // The shared schedule is the last row's, of at most 10 years' payments.
    EXPECT_LE(mm.ScheduleTable.size(), 121u);
}

TEST_F(ComparisonStateTest, OneBarPerRowAndTwoPositionsForOne) {
    const std::pair<int, std::size_t> cases[] = {{1, 2}, {3, 3}};
    for (const auto& [rows, points] : cases) {
        StartComparison(mm, sheet);
        for (int r = 0; r < rows; ++r) ASSERT_TRUE(calculate().added);
        const GraphData data = ComparisonGraphData(mm);
        ASSERT_EQ(data.points.size(), points);
        EXPECT_EQ(std::tuple(data.title, data.valueAxisTitle, data.points[0].label,
                             data.points[1].empty, data.points[1].label),
                  std::tuple(" Total mortgage interest paid", "Value $", "Row  1", rows == 1,
                             rows == 1 ? "" : "Row  2"));
        EXPECT_NEAR(data.points[0].value, 175258.20, 0.005);
    }
}

TEST_F(ComparisonStateTest, OutcomesWithoutARow) {
    const std::tuple<const char*, double, double, int, int, int> cases[] = {
        {"41 years", 41, 10.125, 2, Msg::YearsLimit, 0},
        {"40 years beyond twelve rows", 40, 10.125, 12, Msg::RowLimit, 12},
    };
    for (const auto& [name, period, rate, rowsBefore, message, resultRows] : cases) {
        SCOPED_TRACE(name);
        StartComparison(mm, sheet);
        for (int r = 0; r < rowsBefore; ++r) ASSERT_TRUE(calculate().added);
        mm.LoanInputs[2] = rate;
        mm.LoanInputs[3] = period;
        const std::string printed = mm.PrintLines[1];
        const ComparisonStored stored = calculate();
        EXPECT_EQ(std::tuple(stored.added, stored.messages, mm.ResultRowCount, sheet.rowCounter,
                             mm.PrintLines[1]),
                  std::tuple(false, std::vector<int>{message}, resultRows, rowsBefore, printed));
    }
}

TEST_F(ComparisonStateTest, AFileBringsBackWhatWasSaved) {
    mm.PrePayTable = test::PrePay({{1, 10000}, {3, 5000}});
    std::tie(mm.PrePayYears, mm.PrePayCount, mm.PrePayMonth, mm.DaysOption) =
        std::tuple(3, 2, 4, 4);
    calculate();
    const ComparisonLists lists{lists::kCompounding[3], lists::kFrequency[4]};
    calculate(lists);
    const ComparisonFile file = ComparisonFileFrom(mm, sheet, lists);

    MMODULE other;
    ComparisonSheet fresh;
    StartComparison(other, fresh);
    other.DaysInYear = 364;  // a typed day count is not in the file: the current one stays
    const ComparisonLists shown = TakeComparisonFile(other, fresh, file);
    EXPECT_EQ(std::tuple(shown.compounding, shown.frequency, fresh.upper, fresh.lower,
                         other.PrintLines[1], other.GraphValues[2]),
              std::tuple(lists.compounding, lists.frequency, sheet.upper, sheet.lower,
                         mm.PrintLines[1], mm.GraphValues[2]));
    EXPECT_EQ(std::tuple(other.GraphLabels[2], other.ResultRowCount, other.PrePayMonth,
                         other.PrePayTable[3][2], other.LoanInputs[2], other.BiWeeklyPeriods,
                         other.WeeklyPeriods),
              std::tuple("Row  2", 2, 4, Money::fromDouble(5000), 10.125, 364.0 / 14, 364.0 / 7));
}

TEST_F(ComparisonStateTest, LeavingDiscardsTheTables) {
    calculate();
    std::tie(mm.GraphCaller, mm.PrePayMonth) = std::tuple(1, 3);
    mm.PrePayTable = test::PrePay({{1, 100}});
    LeaveComparison(mm, sheet);
    EXPECT_EQ(std::tuple(mm.RowView, mm.ResultRowCount, mm.GraphCaller, mm.PrePayMonth),
              std::tuple(0, 0, 0, 12));
    EXPECT_TRUE(mm.ScheduleTable.empty() && mm.PrintLines.empty() && mm.GraphValues.empty());
    EXPECT_EQ(std::tuple(mm.PrePayTable[1][2], mm.LoanInputs[1], sheet.rowCounter),
              std::tuple(Money(), 0.0, 0));
}

}  // namespace
}  // namespace bw
