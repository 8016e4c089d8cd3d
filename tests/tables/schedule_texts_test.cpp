// The texts of the schedule grid, the totals row, the applied-payments list and the result boxes.

#include <gtest/gtest.h>

#include "schedule_fixtures.h"
#include "tables/days_in_year.h"

namespace bw {
namespace {

using namespace bw::test;

TEST(Headings, ByModeViewAndDates) {
    EXPECT_EQ(std::tuple(LoadHeading0(1), LoadHeading0(2), Heading0(2, 0), Heading0(2, 1),
                         Heading0(1, 0), Heading0(1, 1)),
              std::tuple("  Payment   No.  Year", " Year Number", "  Payment   No.  Year",
                         " Payment  Date", " Payment  Year", " Payment  Year"));
}

TEST(GridRows, AllPaymentsOfTheDefaultMortgage) {
    const ScheduleTexts t = TextsOf(DefaultMortgage());
    ASSERT_EQ(t.rows.size(), 300u);
    using Cells = std::array<std::string, 6>;
    EXPECT_EQ(t.rows[0],
              (Cells{"   1       1", "843.75", "73.78", "99,926.22", "843.75", "73.78"}));
    EXPECT_EQ(t.rows[12][0], "  13       2");
    EXPECT_EQ(t.rows[299],
              (Cells{" 300      25", "7.68", "909.85", ".00", "175,258.20", "100,000.00"}));
    EXPECT_EQ(std::tuple(t.gridRowCount, t.resultRowCount, t.totalsRow), std::tuple(304, 301, 302));
    EXPECT_EQ(t.totals, (Cells{"Total:", "", "", "$.00", "$175,258.20", "$100,000.00"}));
    EXPECT_EQ(std::tuple(t.graphTitle, t.listCells.size(), t.printText),
              std::tuple("Mortgage balance at start of each Year", 0u, ""));
}

TEST(GridRows, AnnualViewOfALoan) {
    AmortizationInput in = DefaultMortgage();
    in.tableMode = 2;
    in.principal = 20000;
    in.period = 4;
    in.rowView = 1;
    const ScheduleTexts t = TextsOf(in);
    ASSERT_EQ(t.rows.size(), 4u);
    // Never fewer than 23 grid rows; a result row for each year of the loan.
    EXPECT_EQ(std::tuple(t.heading0, t.rows[0][0], t.rows[3][5], t.gridRowCount, t.resultRowCount,
                         t.graphTitle),
              std::tuple(" Payment  Year", "   1", "20,000.00", 23, 4,
                         "Personal Loan balance at start of each Year"));
}

TEST(GridRows, AResultWithoutATableGivesZerosNotACrash) {
    AmortizationResult empty;
    empty.gridRows = 3;
    const ScheduleTexts t = MakeScheduleTexts(empty, ViewOf(DefaultMortgage()));
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(std::tuple(t.rows[2][3], t.totals[3]), std::tuple(".00", "$.00"));
}

// A whole count shows as it is ("365": the worked examples).
TEST(ResultBoxes, DaysInYearText) {
    AmortizationInput in = DefaultMortgage(kBiweeklyAcc);
    in.daysInYear = 364.5f;
    const std::string typed = TextsOf(in).boxes.InDays;
    in.frequency = kSemimonthly;
    EXPECT_EQ(std::tuple(typed, TextsOf(in).boxes.InDays),
              std::tuple("       364.5", "      Normal"));
}

TEST(ResultBoxes, CurrencySymbolAndSavingsBelowTen) {
    const AmortizationInput in = DefaultMortgage(kBiweeklyAcc);
    const ScheduleTexts t = MakeScheduleTexts(CalculateSchedule(in), ViewOf(in, "\u00a3"));
    EXPECT_EQ(std::tuple(t.boxes.InMonthPI, t.boxes.TotSavd, t.totals[4]),
              std::tuple("     \u00a3458.76", "  \u00a354,396.79", "\u00a3120,861.40"));
    // Semimonthly payments save a little interest; under 10 shows as nothing saved.
    AmortizationInput semi = DefaultMortgage(kSemimonthly);
    semi.principal = 100;
    EXPECT_EQ(TextsOf(semi).boxes.TotSavd, "        $.00");
}

TEST(AppliedList, YearsOneAndFourInMonthOne) {
    AmortizationInput in = DefaultMortgage();
    in.rowView = 1;
    SetPrePay(in, 1, 5000);
    SetPrePay(in, 4, 3000);
    const AmortizationResult r = CalculateSchedule(in);
    const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(in));
    const int T = r.gridRows;
    // Room for the totals and the list of two.
    EXPECT_EQ(std::tuple(t.totalsRow, t.gridRowCount), std::tuple(T + 2, T + 4 + 2 + 4));
    const std::vector<std::tuple<int, int, std::string>> expected = {
        {T + 4, 0, "Additional "}, {T + 4, 1, "Payments  "}, {T + 4, 2, "Applied  "},
        {T + 6, 0, "Year    1"},   {T + 6, 1, " Month   1"}, {T + 6, 2, "5,000.00"},
        {T + 7, 0, "Year    4"},   {T + 7, 1, " Month   1"}, {T + 7, 2, "3,000.00"}};
    std::vector<std::tuple<int, int, std::string>> cells;
    for (const GridCell& c : t.listCells) cells.emplace_back(c.row, c.column, c.text);
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(t.printText,
              "Additional  Payments     Applied\r\n\r\n"
              " Year   1    Month  1    5,000.00\r\n"
              " Year   4    Month  1    3,000.00\r\n");
}

// The month listed is the month of the payment the amount went with; an amount too large to be
// paid is left out of the list.
TEST(AppliedList, MonthOfPaymentAndOnlyWhatWasPaid) {
    AmortizationInput in = DefaultMortgage();
    in.prePayMonth = 3;
    SetPrePay(in, 1, 900000);
    SetPrePay(in, 2, 1234.5);
    const AmortizationResult r = CalculateSchedule(in);
    const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(in));
    EXPECT_EQ(t.gridRowCount, r.gridRows + 4 + 2 + 4);  // room for both years with amounts
    ASSERT_EQ(std::tuple(t.applied.size(), t.listCells.size()), std::tuple(1u, 6u));
    EXPECT_EQ(
        std::tuple(t.applied[0].year, t.applied[0].month, t.listCells[4].text, t.listCells[5].text),
        std::tuple(2, 4, " Month   4", "1,234.50"));
}

TEST(DaysInYear, OptionsAndTypedDays) {
    const std::tuple<std::int16_t, float, float, double, double> cases[] = {
        {0, 0, 365.25f, 26.08928571, 52.17857143},
        {1, 0, 365, 26.07142857, 52.14285714},
        {2, 0, 364, 26.0, 52.0},
        {3, 0, 363, 25.92857143, 51.85714286},
        {4, 364.5f, 364.5f, 26.035714285714285, 52.07142857142857}};
    for (const auto& [option, typed, days, bi, weekly] : cases) {
        const DaysSetting d = DaysForOption(option, typed);
        EXPECT_EQ(std::tuple(d.option, d.daysInYear, d.biWeeklyPeriods, d.weeklyPeriods),
                  std::tuple(option, days, bi, weekly));
    }
}

}  // namespace
}  // namespace bw
