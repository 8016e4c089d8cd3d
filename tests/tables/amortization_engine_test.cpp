// The amortization engine: additional payments, views, terms, dates and failures.

#include <gtest/gtest.h>

#include <map>

#include "schedule_fixtures.h"
#include "shell/number_format.h"

namespace bw {
namespace {

using namespace bw::test;

// Payment numbers whose interest and principal together exceed the regular payment, with the
// excess: where an additional amount was paid.
std::map<int, double> ExtraPayments(const AmortizationResult& r) {
    std::map<int, double> extra;
    for (int k = 1; k < r.payments; ++k) {
        const ScheduleRow& row = RowOf(r, k);
        const double excess = row[2].toDouble() + row[3].toDouble() - r.payment;
        if (excess > 0.01) extra[k] = excess;
    }
    return extra;
}

struct SlotCase {
    const char* name;
    std::string frequency;
    std::int16_t prePayMonth;
    int payments[3];  // the payments that carry the amounts of years 1, 2 and 3
};

class PrePaySlotTest : public ::testing::TestWithParam<SlotCase> {};

TEST_P(PrePaySlotTest, EachYearsAmountGoesWithItsPayment) {
    const SlotCase& c = GetParam();
    AmortizationInput in = DefaultMortgage(c.frequency);
    in.prePayMonth = c.prePayMonth;
    SetPrePay(in, 1, 1000);
    SetPrePay(in, 2, 2000);
    SetPrePay(in, 3, 3000);
    const AmortizationResult r = CalculateSchedule(in);
    ASSERT_EQ(r.outcome, EngineOutcome::Completed);
    EXPECT_EQ(r.appliedCount, 3);
    const std::map<int, double> extra = ExtraPayments(r);
    ASSERT_EQ(extra.size(), 3u);
    for (int y = 0; y < 3; ++y) {
        ASSERT_EQ(extra.count(c.payments[y]), 1u) << "year " << y + 1;
        EXPECT_NEAR(extra.at(c.payments[y]), 1000.0 * (y + 1), 0.001) << "year " << y + 1;
    }
    ASSERT_EQ(r.applied.size(), 3u);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(r.applied[static_cast<std::size_t>(y)].year, y + 1);
        EXPECT_EQ(r.applied[static_cast<std::size_t>(y)].payment, c.payments[y]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Slots, PrePaySlotTest,
    ::testing::Values(SlotCase{"MonthlyMonth12", kMonthly, 12, {1, 13, 25}},
                      SlotCase{"MonthlyMonth1", kMonthly, 1, {2, 14, 26}},
                      SlotCase{"MonthlyMonth11", kMonthly, 11, {12, 24, 36}},
                      SlotCase{"SemimonthlyMonth6", kSemimonthly, 6, {13, 37, 61}},
                      SlotCase{"BiweeklyMonth12", kBiweeklyAcc, 12, {1, 27, 53}},
                      SlotCase{"TwoWeeksMonth1", kTwoWeeks, 1, {5, 31, 57}},
                      SlotCase{"WeeklyMonth12", kWeeklyAcc, 12, {1, 53, 105}},
                      SlotCase{"OneWeekMonth1", kOneWeek, 1, {9, 61, 113}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrePay, AnAmountTooLargeIsNeitherAppliedNorCounted) {
    const AmortizationResult base = CalculateSchedule(DefaultMortgage());
    // Year 2's amount falls with payment 13 and is measured against the balance after payment
    // 12 less payment 12's principal.
    const Money limit = RowOf(base, 12)[4] - RowOf(base, 12)[3];

    AmortizationInput in = DefaultMortgage();
    SetPrePay(in, 2, limit.toDouble());
    SetPrePay(in, 4, 3000);
    const AmortizationResult r = CalculateSchedule(in);
    EXPECT_EQ(r.appliedCount, 1);
    const std::map<int, double> extra = ExtraPayments(r);
    EXPECT_EQ(extra.size(), 1u);
    EXPECT_EQ(extra.count(37), 1u);

    SetPrePay(in, 2, (limit - Money::fromDouble(0.01)).toDouble());
    const AmortizationResult applied = CalculateSchedule(in);
    // Paid off with the additional amount: year 4's never comes.
    EXPECT_EQ(applied.appliedCount, 1);
    EXPECT_EQ(applied.payments, 13);

    // The list under the schedule names only what was paid.
    AmortizationInput huge = DefaultMortgage();
    SetPrePay(huge, 2, 500000);
    SetPrePay(huge, 4, 3000);
    const AmortizationResult h = CalculateSchedule(huge);
    const ScheduleTexts t = MakeScheduleTexts(h, ViewOf(huge));
    ASSERT_EQ(t.applied.size(), 1u);
    EXPECT_EQ(t.applied[0].year, 4);
}

TEST(PrePay, AZeroAmountIsNotCounted) {
    AmortizationInput in = DefaultMortgage();
    SetPrePay(in, 1, 0);
    const AmortizationResult r = CalculateSchedule(in);
    EXPECT_EQ(r.appliedCount, 0);
    EXPECT_EQ(r.payments, 300);
}

TEST(AnnualView, PartialLastYear) {
    // 650 more in year 1 pays the loan off after 292 payments: 24.3 years.
    AmortizationInput all = DefaultMortgage();
    SetPrePay(all, 1, 650);
    const AmortizationResult payments = CalculateSchedule(all);
    ASSERT_EQ(payments.payments, 292);

    AmortizationInput annual = all;
    annual.rowView = 1;
    const AmortizationResult years = CalculateSchedule(annual);
    ASSERT_EQ(years.outcome, EngineOutcome::Completed);
    EXPECT_FLOAT_EQ(years.retiredYears, 292.0f / 12.0f);
    EXPECT_EQ(years.payments, 292);
    EXPECT_EQ(years.lastRow, 25);
    EXPECT_EQ(years.gridRows, 25);
    EXPECT_EQ(years.totalPaid, payments.totalPaid);

    for (int y = 1; y <= 25; ++y) {
        Money interest, principal;
        const int last = std::min(y * 12, 292);
        for (int k = (y - 1) * 12 + 1; k <= last; ++k) {
            interest += RowOf(payments, k)[2];
            principal += RowOf(payments, k)[3];
        }
        const ScheduleRow& row = RowOf(years, y);
        EXPECT_EQ(row[1], Money::fromDouble(y));
        EXPECT_EQ(row[2], interest) << "year " << y;
        EXPECT_EQ(row[3], principal) << "year " << y;
        EXPECT_EQ(row[4], RowOf(payments, last)[4]) << "year " << y;
        EXPECT_EQ(row[5], RowOf(payments, last)[5]) << "year " << y;
        EXPECT_EQ(row[6], RowOf(payments, last)[6]) << "year " << y;
    }
    EXPECT_EQ(RowOf(years, 25)[4], Money());

    const ScheduleTexts t = MakeScheduleTexts(years, ViewOf(annual));
    EXPECT_EQ(t.rows.size(), 25u);
    EXPECT_EQ(t.rows[24][0], "  25");
    EXPECT_EQ(t.resultRowCount, 24);
    EXPECT_EQ(t.boxes.EndMortYear, "       24.33");
}

TEST(DisplayTerm, LongerThanThePeriodOrTheRows) {
    struct Case {
        const char* name;
        double period;
        std::int16_t term;
        std::string frequency;
        EngineOutcome outcome;
        std::vector<int> messages;
        int gridRows;
    } cases[] = {
        // Longer than the period: dropped at the start, all rows shown.
        {"longer than the period", 25, 30, kMonthly, EngineOutcome::Completed, {34}, 300},
        {"equal to the period", 10, 10, kMonthly, EngineOutcome::Completed, {}, 120},
        // Accelerated weekly payments retire a 10-year loan in under 9 years.
        {"longer than the rows", 10, 10, kWeeklyAcc, EngineOutcome::TermTooLong, {34}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AmortizationInput in = DefaultMortgage(c.frequency);
        in.period = c.period;
        in.displayTerm = c.term;
        in.rowView = c.gridRows < 0 ? 1 : 2;
        const AmortizationResult r = CalculateSchedule(in);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.messages, c.messages);
        EXPECT_EQ(r.displayTerm, c.messages.empty() ? c.term : 0);
        if (c.gridRows > 0) {
            EXPECT_EQ(r.gridRows, c.gridRows);
        }
    }
}

TEST(DisplayTerm, FiveYearsShowsSixtyPaymentsOrFiveYears) {
    for (std::int16_t view : {std::int16_t{2}, std::int16_t{1}}) {
        AmortizationInput in = DefaultMortgage();
        in.displayTerm = 5;
        in.rowView = view;
        const AmortizationResult r = CalculateSchedule(in);
        ASSERT_EQ(r.outcome, EngineOutcome::Completed);
        EXPECT_TRUE(r.messages.empty());
        const int rows = view == 2 ? 60 : 5;
        EXPECT_EQ(r.gridRows, rows);
        const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(in));
        EXPECT_EQ(t.rows.size(), static_cast<std::size_t>(rows));
        EXPECT_EQ(t.totalsRow, rows + 2);
        EXPECT_EQ(t.totals[0], "5 Yr. Term");
        EXPECT_EQ(t.totals[3], "$" + GridAmount(RowOf(r, rows)[4]));
        EXPECT_EQ(t.totals[3], "$94,267.99");  // 100,000 less 60 payments' principal
        // The totals still belong to the whole loan.
        EXPECT_DOUBLE_EQ(Cents(r.totalPaid), 275258.20);
    }
}

// Payment dates: monthly steps clamped to the month's end, semimonthly +14 days then the next
// month's date, fortnightly steps, and annual rows a year apart.
TEST(Dates, StepsOfEachFrequencyAndView) {
    struct Case {
        const char* name;
        std::string frequency;
        std::int16_t rowView;
        QDate first;
        std::vector<std::pair<int, QDate>> rows;
    } cases[] = {
        {"monthly",
         kMonthly,
         2,
         QDate(2024, 1, 31),
         {{2, QDate(2024, 2, 29)},
          {3, QDate(2024, 3, 31)},
          {4, QDate(2024, 4, 30)},
          {5, QDate(2024, 5, 31)},
          {300, QDate(2048, 12, 31)}}},
        {"semimonthly",
         kSemimonthly,
         2,
         QDate(2024, 1, 31),
         {{2, QDate(2024, 2, 14)},
          {3, QDate(2024, 2, 29)},
          {4, QDate(2024, 3, 14)},
          {5, QDate(2024, 3, 31)},
          {6, QDate(2024, 4, 14)},
          {7, QDate(2024, 4, 30)}}},
        {"biweekly",
         kBiweeklyAcc,
         2,
         QDate(2024, 12, 20),
         {{2, QDate(2025, 1, 3)}, {27, QDate(2024, 12, 20).addDays(26 * 14)}}},
        {"annual",
         kBiweeklyAcc,
         1,
         QDate(2024, 2, 29),
         {{2, QDate(2025, 2, 28)}, {5, QDate(2028, 2, 29)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AmortizationInput in = DefaultMortgage(c.frequency);
        in.dateMode = 1;
        in.rowView = c.rowView;
        in.firstPayDate = ShortDateText(c.first);
        const AmortizationResult r = CalculateSchedule(in);
        ASSERT_EQ(r.outcome, EngineOutcome::Completed);
        EXPECT_EQ(DateOf(r, 1), c.first);
        for (const auto& [k, date] : c.rows) EXPECT_EQ(DateOf(r, k), date) << k;
    }
    AmortizationInput in = DefaultMortgage();
    in.dateMode = 1;
    in.firstPayDate = ShortDateText(QDate(2024, 1, 31));
    const ScheduleTexts t = MakeScheduleTexts(CalculateSchedule(in), ViewOf(in));
    EXPECT_EQ(t.heading0, " Payment  Date");
    EXPECT_EQ(t.rows[1][0], ShortDateText(QDate(2024, 2, 29)));
}

TEST(Dates, AnUnreadableFirstDateIsAFault) {
    AmortizationInput in = DefaultMortgage();
    in.dateMode = 1;
    in.firstPayDate = "not a date";
    const AmortizationResult r = CalculateSchedule(in);
    EXPECT_EQ(r.outcome, EngineOutcome::Faulted);
    EXPECT_EQ(r.messages, std::vector<int>{4});
}

TEST(YearNumbers, EachPaymentCarriesItsYear) {
    for (const std::string& f : {kMonthly, kBiweeklyAcc}) {
        const AmortizationResult r = CalculateSchedule(DefaultMortgage(f));
        const int ppy = r.paymentsPerYear;
        for (int k = 1; k <= r.payments; ++k)
            EXPECT_EQ(FormatNumber(RowOf(r, k)[0], "###"), std::to_string((k - 1) / ppy + 1)) << k;
    }
}

TEST(Limits, FortyYearsIsTheMortgageLimit) {
    AmortizationInput in = DefaultMortgage(kWeeklyAcc);
    in.period = 40;
    const AmortizationResult forty = CalculateSchedule(in);
    EXPECT_EQ(forty.outcome, EngineOutcome::Completed);
    in.frequency = kOneWeek;
    in.daysInYear = 363;
    in.weeklyPeriods = 51.85714286;
    const AmortizationResult weekly = CalculateSchedule(in);
    EXPECT_EQ(weekly.outcome, EngineOutcome::Completed);
    EXPECT_LE(weekly.payments, kScheduleLastRow);

    in.period = 41;
    const AmortizationResult r = CalculateSchedule(in);
    EXPECT_EQ(r.outcome, EngineOutcome::Stopped);
    EXPECT_EQ(r.messages, std::vector<int>{5});
    EXPECT_TRUE(r.schedule.empty());  // nothing calculated

    // Personal loans are limited by their months box, not here.
    in.tableMode = 2;
    in.frequency = kMonthly;
    EXPECT_EQ(CalculateSchedule(in).outcome, EngineOutcome::Completed);
}

TEST(Limits, PrincipalZeroGivesRowsOfZeros) {
    AmortizationInput in = DefaultMortgage();
    in.principal = 0;
    const AmortizationResult r = CalculateSchedule(in);
    EXPECT_EQ(r.outcome, EngineOutcome::Completed);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.payments, 300);
    for (int k = 1; k <= 300; ++k)
        for (int c = 2; c <= 6; ++c) EXPECT_EQ(RowOf(r, k)[static_cast<std::size_t>(c)], Money());
    EXPECT_EQ(r.totalPaid, Money());
}

TEST(Limits, ARowPastTheTablesEndIsAWrongEntry) {
    // A loan of 42 years paid weekly with 363 days to the year needs about 2170 rows.
    AmortizationInput in = DefaultMortgage(kOneWeek);
    in.tableMode = 2;
    in.period = 42;
    in.daysInYear = 363;
    in.weeklyPeriods = 51.85714286;
    const AmortizationResult r = CalculateSchedule(in);
    EXPECT_EQ(r.outcome, EngineOutcome::Faulted);
    EXPECT_EQ(r.messages, std::vector<int>{4});
    EXPECT_EQ(r.schedule.size(), static_cast<std::size_t>(kScheduleLastRow + 1));
    // What was stored before the fault stays.
    EXPECT_EQ(RowOf(r, kScheduleLastRow)[1], Money::fromDouble(kScheduleLastRow));
}

TEST(Limits, HugeOrStrangeInputsEndInAMessage) {
    struct Case {
        double principal, rate, period;
        std::string frequency, compounding;
        std::int16_t mode = 2;
    };
    const Case cases[] = {
        {100000, 0, 25, kMonthly, kMonthlyComp, 1},  // rate 0
        {100000, 10, 0, kMonthly, kMonthlyComp, 1},  // period 0
        {1e300, 10, 25, kMonthly, kMonthlyComp},
        {1e15, 10, 25, kMonthly, kMonthlyComp},
        {100000, 1e300, 25, kMonthly, kMonthlyComp},
        {100000, -5, 25, kMonthly, kMonthlyComp},
        {-100, 10, 25, kMonthly, kMonthlyComp},
        {100000, 10, 1e-9, kMonthly, kMonthlyComp},
        {100000, 10, 25, "Monthly", kMonthlyComp},
        {100000, 10, 25, kMonthly, "Quarterly"},
        {100000, 10, 3000, kMonthly, kMonthlyComp},
        // A 46th year has no row in the additional-payments table.
        {100000, 10, 50, kMonthly, kMonthlyComp},
    };
    for (const Case& c : cases) {
        AmortizationInput in = DefaultMortgage(c.frequency);
        in.tableMode = c.mode;
        in.principal = c.principal;
        in.rate = c.rate;
        in.period = c.period;
        in.compounding = c.compounding;
        const AmortizationResult r = CalculateSchedule(in);
        EXPECT_EQ(r.outcome, EngineOutcome::Faulted)
            << c.principal << " " << c.rate << " " << c.period;
        EXPECT_EQ(r.messages, std::vector<int>{4});
    }
    // A 46th year row, even when no additional payment falls in that year.
    AmortizationInput in = DefaultMortgage();
    in.tableMode = 2;
    in.period = 45.5;
    in.prePayMonth = 11;
    in.rowView = 1;
    EXPECT_EQ(CalculateSchedule(in).outcome, EngineOutcome::Faulted);
}

// Every amount is stored as the nearest ten-thousandth, small or huge: the first two rows against
// the plain recurrence rounded by the currency type. Payment 1 opens year 1, where the principal
// part is first rounded to currency.
TEST(Rows, AmountsAreTheNearestTenThousandth) {
    for (double principal : {100000.37, 2.5e11 + 0.37, 4.1e13}) {
        AmortizationInput in = DefaultMortgage();
        in.principal = principal;
        const AmortizationResult r = CalculateSchedule(in);
        ASSERT_EQ(r.outcome, EngineOutcome::Completed) << principal;
        const double i = r.monthlyRate;
        const double interest1 = principal * i;
        const double principal1 = Money::fromDouble(r.payment - interest1).toDouble();
        const double balance1 = principal - principal1;
        const double interest2 = i * balance1;
        const double principal2 = r.payment - interest2;
        const double expected[2][5] = {{interest1, principal1, balance1, interest1, principal1},
                                       {interest2, principal2, balance1 - principal2,
                                        interest1 + interest2, principal1 + principal2}};
        for (int k = 1; k <= 2; ++k)
            for (int c = 2; c <= 6; ++c)
                EXPECT_EQ(RowOf(r, k)[static_cast<std::size_t>(c)],
                          Money::fromDouble(expected[k - 1][c - 2]))
                    << principal << " row " << k << " column " << c;
    }
}

// The schedule holds row 0 and the rows computed, nothing past the last row.
TEST(Rows, OnlyTheRowsComputed) {
    const std::pair<std::int16_t, std::size_t> cases[] = {{2, 301}, {1, 26}};
    for (const auto& [view, rows] : cases) {
        AmortizationInput in = DefaultMortgage();
        in.rowView = view;
        const AmortizationResult r = CalculateSchedule(in);
        EXPECT_EQ(r.schedule.size(), rows);
        EXPECT_EQ(r.schedule.front(), ScheduleRow{});
    }
}

}  // namespace
}  // namespace bw
