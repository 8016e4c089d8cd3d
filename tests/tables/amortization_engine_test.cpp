// The amortization engine: additional payments, views, terms, dates and failures.

#include <gtest/gtest.h>

#include <map>

#include "schedule_fixtures.h"

namespace bw {
namespace {

using namespace bw::test;

// Payment numbers whose interest and principal together exceed the regular payment, with the
// excess: where an additional amount was paid.
std::map<int, double> ExtraPayments(const AmortizationResult& r) {
    std::map<int, double> extra;
    for (int k = 1; k < r.payments; ++k) {
        const double excess = RowOf(r, k)[2].toDouble() + RowOf(r, k)[3].toDouble() - r.payment;
        if (excess > 0.01) extra[k] = excess;
    }
    return extra;
}

TEST(PrePay, EachYearsAmountGoesWithThePaymentAfterItsMonth) {
    // Frequency, month, and the payments that carry the amounts of years 1, 2 and 3.
    const std::tuple<std::string, std::int16_t, std::array<int, 3>> cases[] = {
        {kMonthly, 12, {1, 13, 25}},     {kMonthly, 1, {2, 14, 26}},
        {kSemimonthly, 6, {13, 37, 61}}, {kBiweeklyAcc, 12, {1, 27, 53}},
        {kTwoWeeks, 1, {5, 31, 57}},     {kOneWeek, 1, {9, 61, 113}}};
    for (const auto& [frequency, month, payments] : cases) {
        SCOPED_TRACE(frequency + " month " + std::to_string(month));
        AmortizationInput in = DefaultMortgage(frequency);
        in.prePayMonth = month;
        for (int y = 1; y <= 3; ++y) SetPrePay(in, y, 1000.0 * y);
        const AmortizationResult r = CalculateSchedule(in);
        const std::map<int, double> extra = ExtraPayments(r);
        ASSERT_EQ(std::tuple(r.appliedCount, extra.size(), r.applied.size()),
                  std::tuple(3, 3u, 3u));
        for (std::size_t y = 0; y < 3; ++y) {
            EXPECT_NEAR(extra.at(payments[y]), 1000.0 * (y + 1), 0.001);
            EXPECT_EQ(std::tuple(r.applied[y].year, r.applied[y].payment),
                      std::tuple(int(y) + 1, payments[y]));
        }
    }
}

TEST(PrePay, AnAmountTooLargeOrZeroIsNeitherAppliedNorCounted) {
    const AmortizationResult base = CalculateSchedule(DefaultMortgage());
    // Year 2's amount falls with payment 13 and is measured against the balance after payment
    // 12 less payment 12's principal.
    const Money limit = RowOf(base, 12)[4] - RowOf(base, 12)[3];
    AmortizationInput in = DefaultMortgage();
    SetPrePay(in, 1, 0);
    SetPrePay(in, 2, limit.toDouble());
    SetPrePay(in, 4, 3000);
    const AmortizationResult r = CalculateSchedule(in);
    const std::map<int, double> extra = ExtraPayments(r);
    EXPECT_EQ(std::tuple(r.appliedCount, extra.size(), extra.count(37)), std::tuple(1, 1u, 1u));

    SetPrePay(in, 2, (limit - Money::fromDouble(0.01)).toDouble());
    const AmortizationResult applied = CalculateSchedule(in);
    // Paid off with the additional amount: year 4's never comes.
    EXPECT_EQ(std::tuple(applied.appliedCount, applied.payments), std::tuple(1, 13));
}

// Paid off by the first payment (a one-month loan; a lump sum of 99,990 with payment 1): its
// principal part and the cumulative principal are the whole principal. Interest: 0.0084375 of it.
TEST(FinalPayment, PaidOffByTheFirstPayment) {
    AmortizationInput oneMonth = DefaultMortgage(), lumpSum = DefaultMortgage();
    oneMonth.tableMode = 2;
    oneMonth.principal = 20000;
    oneMonth.period = 1.0 / 12;
    SetPrePay(lumpSum, 1, 99990);
    for (const AmortizationInput& in : {oneMonth, lumpSum}) {
        const AmortizationResult r = CalculateSchedule(in);
        const Money p = Money::fromDouble(in.principal),
                    i = Money::fromDouble(in.principal * 0.0084375);
        ASSERT_EQ(r.payments, 1);
        const ScheduleRow& row = RowOf(r, 1);
        EXPECT_EQ((std::array{row[3], row[4], row[5], row[6]}), (std::array{p, Money(), i, p}));
    }
}

TEST(AnnualView, YearRowsSumThePaymentsUpToAPartialLastYear) {
    // 650 more in year 1 pays the loan off after 292 payments: 24.3 years.
    AmortizationInput all = DefaultMortgage();
    SetPrePay(all, 1, 650);
    const AmortizationResult payments = CalculateSchedule(all);
    ASSERT_EQ(payments.payments, 292);
    AmortizationInput annual = all;
    annual.rowView = 1;
    const AmortizationResult years = CalculateSchedule(annual);
    EXPECT_FLOAT_EQ(years.retiredYears, 292.0f / 12.0f);
    // Nothing past the last row.
    EXPECT_EQ(std::tuple(years.payments, years.lastRow, years.gridRows, years.schedule.size()),
              std::tuple(292, 25, 25, 26u));
    for (int y = 1; y <= 25; ++y) {
        Money interest, principal;
        const int last = std::min(y * 12, 292);
        for (int k = (y - 1) * 12 + 1; k <= last; ++k) {
            interest += RowOf(payments, k)[2];
            principal += RowOf(payments, k)[3];
        }
        const ScheduleRow &row = RowOf(years, y), &l = RowOf(payments, last);
        const ScheduleRow expected = {
            Money(), Money::fromDouble(y), interest, principal, l[4], l[5], l[6]};
        EXPECT_TRUE(std::equal(row.begin(), row.begin() + 7, expected.begin())) << "year " << y;
    }
    const ScheduleTexts t = MakeScheduleTexts(years, ViewOf(annual));
    EXPECT_EQ(std::tuple(t.rows[24][0], t.resultRowCount, t.boxes.EndMortYear),
              std::tuple("  25", 24, "       24.33"));
}

TEST(DisplayTerm, LongerThanThePeriodOrTheRows) {
    const std::tuple<double, std::int16_t, std::string, EngineOutcome, bool, int> cases[] = {
        // Longer than the period: dropped at the start, all rows shown.
        {25, 30, kMonthly, EngineOutcome::Completed, true, 300},
        {10, 10, kMonthly, EngineOutcome::Completed, false, 120},
        // Accelerated weekly payments retire a 10-year loan in under 9 years.
        {10, 10, kWeeklyAcc, EngineOutcome::TermTooLong, true, -1},
    };
    for (const auto& [period, term, frequency, outcome, reset, gridRows] : cases) {
        SCOPED_TRACE(term);
        AmortizationInput in = DefaultMortgage(frequency);
        in.period = period;
        in.displayTerm = term;
        in.rowView = gridRows < 0 ? 1 : 2;
        const AmortizationResult r = CalculateSchedule(in);
        EXPECT_EQ(std::tuple(r.outcome, r.messages, r.displayTerm, gridRows > 0 ? r.gridRows : -1),
                  std::tuple(outcome, reset ? std::vector<int>{34} : std::vector<int>{},
                             reset ? 0 : term, gridRows));
    }
}

TEST(DisplayTerm, FiveYearsShowsSixtyPaymentsOrFiveYears) {
    for (std::int16_t view : {std::int16_t{2}, std::int16_t{1}}) {
        AmortizationInput in = DefaultMortgage();
        in.displayTerm = 5;
        in.rowView = view;
        const AmortizationResult r = CalculateSchedule(in);
        const int rows = view == 2 ? 60 : 5;
        const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(in));
        // 94,267.99: 100,000 less 60 payments' principal.
        EXPECT_EQ(std::tuple(r.gridRows, int(t.rows.size()), t.totalsRow, t.totals[0], t.totals[3]),
                  std::tuple(rows, rows, rows + 2, "5 Yr. Term", "$94,267.99"));
        // The totals still belong to the whole loan.
        EXPECT_DOUBLE_EQ(Cents(r.totalPaid), 275258.20);
    }
}

// Payment dates: monthly steps clamped to the month's end, semimonthly +14 days then the next
// month's date, fortnightly steps, and annual rows a year apart.
TEST(Dates, StepsOfEachFrequencyAndView) {
    const std::tuple<std::string, std::int16_t, int, std::vector<std::pair<int, int>>> cases[] = {
        {kMonthly, 2, 20240131, {{2, 20240229}, {4, 20240430}, {300, 20481231}}},
        {kSemimonthly, 2, 20240131, {{2, 20240214}, {3, 20240229}, {7, 20240430}}},
        {kBiweeklyAcc, 2, 20241220, {{2, 20250103}, {27, 20251219}}},
        {kBiweeklyAcc, 1, 20240229, {{2, 20250228}, {5, 20280229}}},
        {kOneWeek, 2, 20241227, {{1, 20241227}, {2, 20250103}}},
        {kWeeklyAcc, 2, 20241227, {{1, 20241227}, {3, 20250110}}}};
    const auto D = [](int ymd) { return QDate(ymd / 10000, ymd / 100 % 100, ymd % 100); };
    for (const auto& [frequency, rowView, first, rows] : cases) {
        SCOPED_TRACE(frequency);
        AmortizationInput in = DefaultMortgage(frequency);
        in.dateMode = 1;
        in.rowView = rowView;
        in.firstPayDate = ShortDateText(D(first));
        const AmortizationResult r = CalculateSchedule(in);
        ASSERT_EQ(r.outcome, EngineOutcome::Completed);
        for (auto [k, ymd] : rows) {
            const QDate date = D(ymd);
            EXPECT_EQ(DateFromSerial(RowOf(r, k)[7].ticks() / Money::kScale), date) << k;
            if (rowView == 2 && k == 2) {
                EXPECT_EQ(MakeScheduleTexts(r, ViewOf(in)).rows[1][0], ShortDateText(date));
            }
        }
    }
}

TEST(Limits, FortyYearsIsTheMortgageLimit) {
    AmortizationInput in = DefaultMortgage(kOneWeek);
    in.period = 40;
    in.daysInYear = 363;
    in.weeklyPeriods = 51.85714286;
    EXPECT_EQ(CalculateSchedule(in).outcome, EngineOutcome::Completed);  // within the table
    in.period = 41;
    const AmortizationResult r = CalculateSchedule(in);  // nothing calculated
    EXPECT_EQ(std::tuple(r.outcome, r.messages, r.schedule.size()),
              std::tuple(EngineOutcome::Stopped, std::vector<int>{5}, 0u));
    // Personal loans are limited by their months box, not here.
    in.tableMode = 2;
    in.frequency = kMonthly;
    EXPECT_EQ(CalculateSchedule(in).outcome, EngineOutcome::Completed);
}

TEST(Limits, PrincipalZeroGivesRowsOfZeros) {
    AmortizationInput in = DefaultMortgage();
    in.principal = 0;
    const AmortizationResult r = CalculateSchedule(in);
    EXPECT_EQ(std::tuple(r.outcome, r.messages.size(), r.payments),
              std::tuple(EngineOutcome::Completed, 0u, 300));
    for (int k = 1; k <= 300; ++k)
        EXPECT_EQ(RowOf(r, k), (ScheduleRow{RowOf(r, k)[0], RowOf(r, k)[1]}));
}

TEST(Limits, HugeOrStrangeInputsEndInAMessage) {
    // Principal, rate, period, frequency, compounding, mode. A mortgage of rate or period 0; a
    // 46th year has no row in the additional-payments table.
    const std::tuple<double, double, double, std::string, std::string, std::int16_t> cases[] = {
        {100000, 0, 25, kMonthly, kMonthlyComp, 1},
        {100000, 10, 0, kMonthly, kMonthlyComp, 1},
        {1e300, 10, 25, kMonthly, kMonthlyComp, 2},
        {1e15, 10, 25, kMonthly, kMonthlyComp, 2},
        {100000, 1e300, 25, kMonthly, kMonthlyComp, 2},
        {100000, -5, 25, kMonthly, kMonthlyComp, 2},
        {-100, 10, 25, kMonthly, kMonthlyComp, 2},
        {100000, 10, 1e-9, kMonthly, kMonthlyComp, 2},
        {100000, 10, 25, "Monthly", kMonthlyComp, 2},
        {100000, 10, 25, kMonthly, "Quarterly", 2},
        {100000, 10, 3000, kMonthly, kMonthlyComp, 2},
        {100000, 10, 50, kMonthly, kMonthlyComp, 2}};
    for (const auto& [principal, rate, period, frequency, compounding, mode] : cases) {
        AmortizationInput in = DefaultMortgage(frequency);
        in.tableMode = mode;
        in.principal = principal;
        in.rate = rate;
        in.period = period;
        in.compounding = compounding;
        const AmortizationResult r = CalculateSchedule(in);
        EXPECT_EQ(std::tuple(r.outcome, r.messages),
                  std::tuple(EngineOutcome::Faulted, std::vector<int>{4}))
            << principal << " " << rate << " " << period;
    }
    // A 46th year row, even when no additional payment falls in that year.
    AmortizationInput in = DefaultMortgage();
    in.tableMode = 2;
    in.period = 45.5;
    in.prePayMonth = 11;
    in.rowView = 1;
    EXPECT_EQ(CalculateSchedule(in).outcome, EngineOutcome::Faulted);
    // A first payment date that is no date.
    in = DefaultMortgage();
    in.dateMode = 1;
    in.firstPayDate = "not a date";
    EXPECT_EQ(CalculateSchedule(in).messages, std::vector<int>{4});
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
        const double i = r.monthlyRate, interest1 = principal * i;
        const double principal1 = Money::fromDouble(r.payment - interest1).toDouble();
        const double balance1 = principal - principal1, interest2 = i * balance1;
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

}  // namespace
}  // namespace bw
