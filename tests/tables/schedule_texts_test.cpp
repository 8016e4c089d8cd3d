// The texts of the schedule grid, the totals row, the applied-payments list and the result boxes.

#include <gtest/gtest.h>

#include "schedule_fixtures.h"
#include "tables/days_in_year.h"

namespace bw {
namespace {

using namespace bw::test;

TEST(Headings, ByModeViewAndDates) {
    EXPECT_EQ(LoadHeading0(1), "  Payment   No.  Year");
    EXPECT_EQ(LoadHeading0(2), " Year Number");
    EXPECT_EQ(Heading0(2, 0), "  Payment   No.  Year");
    EXPECT_EQ(Heading0(2, 1), " Payment  Date");
    EXPECT_EQ(Heading0(1, 0), " Payment  Year");
    EXPECT_EQ(Heading0(1, 1), " Payment  Year");
    const std::array<std::string, 6> expected = {"",
                                                 "Interest Payment",
                                                 "Principal Payment",
                                                 "Remaining Balance",
                                                 "Cumulative Interest",
                                                 "Cumulative Principal"};
    EXPECT_EQ(kGridHeadings, expected);
}

TEST(GridRows, AllPaymentsOfTheDefaultMortgage) {
    const AmortizationInput in = DefaultMortgage();
    const AmortizationResult r = CalculateSchedule(in);
    const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(in));
    ASSERT_EQ(t.rows.size(), 300u);
    const std::array<std::string, 6> first = {"   1       1", "843.75", "73.78",
                                              "99,926.22",    "843.75", "73.78"};
    EXPECT_EQ(t.rows[0], first);
    EXPECT_EQ(t.rows[12][0], "  13       2");
    EXPECT_EQ(t.rows[299][0], " 300      25");
    EXPECT_EQ(t.gridRowCount, 304);
    EXPECT_EQ(t.resultRowCount, 301);
    EXPECT_EQ(t.totalsRow, 302);
    const std::array<std::string, 6> totals = {"Total:",      "",           "", "$.00",
                                               "$175,258.20", "$100,000.00"};
    EXPECT_EQ(t.totals, totals);
    EXPECT_EQ(t.graphTitle, "Mortgage balance at start of each Year");
    EXPECT_TRUE(t.listCells.empty());
    EXPECT_TRUE(t.printText.empty());
}

TEST(GridRows, AnnualViewAndLoanMode) {
    AmortizationInput in = DefaultMortgage();
    in.tableMode = 2;
    in.principal = 20000;
    in.period = 4;
    in.rowView = 1;
    const AmortizationResult r = CalculateSchedule(in);
    const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(in));
    EXPECT_EQ(t.heading0, " Payment  Year");
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[0][0], "   1");
    EXPECT_EQ(t.rows[3][3], ".00");
    EXPECT_EQ(t.rows[3][5], "20,000.00");
    EXPECT_EQ(t.gridRowCount, 23);   // never fewer than 23
    EXPECT_EQ(t.resultRowCount, 4);  // the years of the loan
    EXPECT_EQ(t.graphTitle, "Personal Loan balance at start of each Year");
    EXPECT_EQ(t.boxes.EndMortYear, "       48.00");
}

TEST(ResultBoxes, DaysInYearText) {
    struct Case {
        std::int16_t option;
        float typed;
        const char* text;
    };
    const Case cases[] = {{0, 0, "      365.25"},
                          {1, 0, "365"},
                          {2, 0, "364"},
                          {3, 0, "363"},
                          {4, 364.5f, "       364.5"},
                          {4, 363.75f, "      363.75"}};
    for (const Case& c : cases) {
        const DaysSetting d = DaysForOption(c.option, c.typed);
        AmortizationInput in = DefaultMortgage(kBiweeklyAcc);
        in.daysInYear = d.daysInYear;
        in.biWeeklyPeriods = d.biWeeklyPeriods;
        in.weeklyPeriods = d.weeklyPeriods;
        const ScheduleTexts t = MakeScheduleTexts(CalculateSchedule(in), ViewOf(in));
        EXPECT_EQ(t.boxes.InDays, c.text) << c.option;
        in.frequency = kSemimonthly;
        EXPECT_EQ(MakeScheduleTexts(CalculateSchedule(in), ViewOf(in)).boxes.InDays,
                  "      Normal");
    }
}

TEST(ResultBoxes, CurrencySymbolAndSavingsBelowTen) {
    const AmortizationInput in = DefaultMortgage(kBiweeklyAcc);
    const ScheduleTexts t = MakeScheduleTexts(CalculateSchedule(in), ViewOf(in, "\u00a3"));
    EXPECT_EQ(t.boxes.InMonthPI, "     \u00a3458.76");
    EXPECT_EQ(t.boxes.AllPayments, " \u00a3220,861.40");
    EXPECT_EQ(t.boxes.TotSavd, "  \u00a354,396.79");
    EXPECT_EQ(t.totals[4], "\u00a3120,861.40");

    // Semimonthly payments save a little interest; under 10 shows as nothing saved.
    AmortizationInput semi = DefaultMortgage(kSemimonthly);
    semi.principal = 100;
    const AmortizationResult r = CalculateSchedule(semi);
    EXPECT_LT(r.normalTotal - r.totalPaid.toDouble(), 10);
    EXPECT_EQ(MakeScheduleTexts(r, ViewOf(semi)).boxes.TotSavd, "        $.00");
}

TEST(AppliedList, YearsTwoAndFourInMonthOne) {
    AmortizationInput in = DefaultMortgage();
    in.rowView = 1;
    SetPrePay(in, 2, 5000);
    SetPrePay(in, 4, 3000);
    const AmortizationResult r = CalculateSchedule(in);
    const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(in));
    const int T = r.gridRows;
    EXPECT_EQ(t.totalsRow, T + 2);
    EXPECT_EQ(t.gridRowCount, T + 4 + 2 + 4);  // room for the totals and the list of two
    const std::vector<GridCell> expected = {
        {T + 4, 0, "Additional "}, {T + 4, 1, "Payments  "}, {T + 4, 2, "Applied  "},
        {T + 6, 0, "Year    2"},   {T + 6, 1, " Month   1"}, {T + 6, 2, "5,000.00"},
        {T + 7, 0, "Year    4"},   {T + 7, 1, " Month   1"}, {T + 7, 2, "3,000.00"},
    };
    ASSERT_EQ(t.listCells.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(t.listCells[i].row, expected[i].row) << i;
        EXPECT_EQ(t.listCells[i].column, expected[i].column) << i;
        EXPECT_EQ(t.listCells[i].text, expected[i].text) << i;
    }
    EXPECT_EQ(t.printText,
              "Additional  Payments     Applied\r\n\r\n"
              " Year   2    Month  1    5,000.00\r\n"
              " Year   4    Month  1    3,000.00\r\n");
    ASSERT_EQ(t.applied.size(), 2u);
    EXPECT_EQ(t.applied[1].year, 4);
    EXPECT_EQ(t.applied[1].month, 1);
    EXPECT_EQ(t.applied[1].amount, Money::fromDouble(3000));
}

TEST(AppliedList, MonthShownIsTheMonthOfPaymentAndRowsGrow) {
    AmortizationInput in = DefaultMortgage();
    in.prePayMonth = 3;
    SetPrePay(in, 1, 1234.5);
    const AmortizationResult r = CalculateSchedule(in);
    const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(in));
    EXPECT_EQ(t.gridRowCount, r.gridRows + 4 + 1 + 4);
    ASSERT_EQ(t.applied.size(), 1u);
    EXPECT_EQ(t.applied[0].month, 4);
    EXPECT_EQ(t.listCells[4].text, " Month   4");
    EXPECT_EQ(t.listCells[5].text, "1,234.50");
}

TEST(AppliedList, NothingPaidListsOnlyTheHeading) {
    AmortizationInput in = DefaultMortgage();
    SetPrePay(in, 2, 900000);
    const ScheduleTexts t = MakeScheduleTexts(CalculateSchedule(in), ViewOf(in));
    EXPECT_EQ(t.listCells.size(), 3u);
    EXPECT_TRUE(t.applied.empty());
    EXPECT_EQ(t.printText, "Additional  Payments     Applied\r\n\r\n");
}

TEST(GridRows, AResultWithoutATableGivesZerosNotACrash) {
    AmortizationResult empty;
    empty.gridRows = 3;
    const ScheduleTexts t = MakeScheduleTexts(empty, ViewOf(DefaultMortgage()));
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.rows[2][3], ".00");
    EXPECT_EQ(t.totals[3], "$.00");
}

TEST(DaysInYear, OptionsAndTypedDays) {
    struct Case {
        std::int16_t option;
        float typed, days;
        double bi, weekly;
    } cases[] = {{0, 0, 365.25f, 26.08928571, 52.17857143},
                 {1, 0, 365, 26.07142857, 52.14285714},
                 {2, 0, 364, 26.0, 52.0},
                 {3, 0, 363, 25.92857143, 51.85714286},
                 {4, 364.5f, 364.5f, 26.035714285714285, 52.07142857142857}};
    for (const Case& c : cases) {
        const DaysSetting d = DaysForOption(c.option, c.typed);
        EXPECT_EQ(d.option, c.option);
        EXPECT_FLOAT_EQ(d.daysInYear, c.days) << c.option;
        EXPECT_DOUBLE_EQ(d.biWeeklyPeriods, c.bi) << c.option;
        EXPECT_DOUBLE_EQ(d.weeklyPeriods, c.weekly) << c.option;
    }
    for (float days : {363.0f, 365.25f}) EXPECT_TRUE(DaysInRange(days)) << days;
    for (float days : {365.26f, 362.99f, 0.0f}) EXPECT_FALSE(DaysInRange(days)) << days;
}

}  // namespace
}  // namespace bw
