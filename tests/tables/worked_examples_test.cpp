// The worked examples of the tables and independent cross-checks of the engine's arithmetic.

#include <gtest/gtest.h>

#include "schedule_fixtures.h"

namespace bw {
namespace {

using namespace bw::test;

TEST(WorkedExamples, FiguresAndResultBoxes) {
    // Mode, principal, period, compounding, frequency, payments, total paid, savings and the boxes
    // InDays, PeriodicR, NumPmtsYear, InMonthPI, EndMortYear, AllPayments, TotSavd.
    const std::tuple<std::int16_t, double, double, std::string, std::string, int, double, double,
                     const char*>
        examples[] = {
            {1, 100000, 25, kMonthlyComp, kMonthly, 300, 275258.20, 0,
             "      Normal|0.0084375|          12|     $917.53|       25.00| $275,258.20|        "
             "$.00"},
            {1, 100000, 25, kMonthlyComp, kBiweeklyAcc, 482, 220861.40, 54396.79,
             "365|0.00387476|          26|     $458.76|       18.54| $220,861.40|  $54,396.79"},
            {1, 100000, 25, kMonthlyComp, kTwoWeeks, 638, 269924.71, 5333.49,
             "365|0.00387476|          26|     $423.47|       24.54| $269,924.71|   $5,333.49"},
            {1, 100000, 25, lists::kCompounding[3], kMonthly, 300, 270873.89, 0,
             "      Normal|0.00826484|          12|     $902.91|       25.00| $270,873.89|        "
             "$.00"},
            {2, 20000, 4, kMonthlyComp, kMonthly, 48, 24405.75, 0,
             "      Normal|0.0084375|          12|     $508.45|       48.00|  $24,405.75|        "
             "$.00"},
        };
    for (const auto& [mode, principal, period, compounding, frequency, payments, totalPaid, savings,
                      boxes] : examples) {
        SCOPED_TRACE(boxes);
        AmortizationInput in = DefaultMortgage(frequency);
        in.tableMode = mode;
        in.principal = principal;
        in.period = period;
        in.compounding = compounding;
        const AmortizationResult r = CalculateSchedule(in);
        ASSERT_EQ(r.outcome, EngineOutcome::Completed);
        EXPECT_EQ(std::tuple(r.messages.size(), r.payments, r.gridRows, Cents(r.totalPaid),
                             Cents(r.savings)),
                  std::tuple(0u, payments, payments, totalPaid, savings));
        // The last row: a balance of exactly zero, all of the principal paid.
        const ScheduleRow& last = RowOf(r, r.payments);
        EXPECT_EQ(std::tuple(last[4], last[6], last[5] + last[6]),
                  std::tuple(Money(), Money::fromDouble(principal), r.totalPaid));
        EXPECT_EQ(BoxesOf(MakeScheduleTexts(r, ViewOf(in))), boxes);
    }
}

TEST(WorkedExamples, TwoWeeksPaysTwelveTwentySixthsOfTheMonthlyPayment) {
    const AmortizationResult monthly = CalculateSchedule(DefaultMortgage());
    const AmortizationResult twoWeeks = CalculateSchedule(DefaultMortgage(kTwoWeeks));
    EXPECT_NEAR(twoWeeks.payment, monthly.payment * 12 / 26, 1e-9);
    // The loop runs on 26.07142857 periods a year, the years to the final payment on 26.
    EXPECT_DOUBLE_EQ(twoWeeks.periodsPerYear, 26.07142857);
    EXPECT_NEAR(twoWeeks.periodicRate, std::pow(1 + 0.10125 / 12, 12 / 26.07142857) - 1, 1e-15);
    EXPECT_FLOAT_EQ(twoWeeks.retiredYears, 638.0f / 26.0f);
}

// (1 + rate / periods a year) ^ (periods / 12) - 1, the quarterly entry counting three periods.
TEST(WorkedExamples, MonthlyRateOfEachCompounding) {
    const int periods[] = {12, 6, 3, 2, 1};
    for (int c = 0; c < 5; ++c) {
        AmortizationInput in = DefaultMortgage();
        in.compounding = lists::kCompounding[static_cast<std::size_t>(c)];
        EXPECT_NEAR(CalculateSchedule(in).monthlyRate,
                    std::pow(1 + 0.10125 / periods[c], periods[c] / 12.0) - 1, 1e-15)
            << in.compounding;
    }
}

// An independent schedule: the annuity payment, then each month's interest on the balance, the
// last payment cut down to what is owed. The first payment of each year is where the year's
// additional amount (here none) is added in currency arithmetic, which rounds that payment's
// principal part to four decimals; at 18 percent over 40 years that alone moves the total by
// about ten cents.
TEST(WorkedExamples, AgreesWithAPlainAnnuityCalculation) {
    for (double rate : {3.0, 7.5, 10.125, 18.0}) {
        for (double years : {1.0, 10.0, 25.0, 40.0}) {
            AmortizationInput in = DefaultMortgage();
            in.rate = rate;
            in.period = years;
            const AmortizationResult r = CalculateSchedule(in);
            ASSERT_EQ(r.outcome, EngineOutcome::Completed);
            const double i = rate / 1200;
            const int n = static_cast<int>(years * 12);
            const double payment = 100000 * i / (1 - std::pow(1 + i, -n));
            EXPECT_NEAR(r.payment, payment, 1e-8);
            double balance = 100000, paid = 0;
            for (int k = 1; k <= n; ++k) {
                const double interest = balance * i;
                double principal = k == n ? balance : payment - interest;
                if (k % 12 == 1 && k != n) principal = std::nearbyint(principal * 10000) / 10000;
                paid += interest + principal;
                balance -= principal;
            }
            EXPECT_EQ(r.payments, n);
            EXPECT_NEAR(r.totalPaid.toDouble(), paid, 0.01) << rate << "% over " << years;
        }
    }
}

}  // namespace
}  // namespace bw
