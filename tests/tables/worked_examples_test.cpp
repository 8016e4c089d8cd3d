// The worked examples of the tables: figures and the result boxes that show them.

#include <gtest/gtest.h>

#include "schedule_fixtures.h"

namespace bw {
namespace {

using namespace bw::test;

struct WorkedExample {
    const char* name;
    std::int16_t tableMode;
    double principal;
    double period;  // years
    std::string compounding;
    std::string frequency;
    double payment;
    int payments;
    double totalPaid;
    double savings;
    // The result boxes
    const char* InDays;
    const char* PeriodicR;
    const char* NumPmtsYear;
    const char* InMonthPI;
    const char* EndMortYear;
    const char* AllPayments;
    const char* TotSavd;
};

const WorkedExample kExamples[] = {
    {"Monthly", 1, 100000, 25, kMonthlyComp, kMonthly, 917.53, 300, 275258.20, 0, "      Normal",
     "0.0084375", "          12", "     $917.53", "       25.00", " $275,258.20", "        $.00"},
    {"BiweeklyAcc", 1, 100000, 25, kMonthlyComp, kBiweeklyAcc, 458.76, 482, 220861.40, 54396.79,
     "365", "0.00387476", "          26", "     $458.76", "       18.54", " $220,861.40",
     "  $54,396.79"},
    {"TwoWeeks", 1, 100000, 25, kMonthlyComp, kTwoWeeks, 423.47, 638, 269924.71, 5333.49, "365",
     "0.00387476", "          26", "     $423.47", "       24.54", " $269,924.71", "   $5,333.49"},
    {"SemiannualCompounding", 1, 100000, 25, kSemiannualComp, kMonthly, 902.91, 300, 270873.89, 0,
     "      Normal", "0.00826484", "          12", "     $902.91", "       25.00", " $270,873.89",
     "        $.00"},
    {"PersonalLoan48Months", 2, 20000, 4, kMonthlyComp, kMonthly, 508.45, 48, 24405.75, 0,
     "      Normal", "0.0084375", "          12", "     $508.45", "       48.00", "  $24,405.75",
     "        $.00"},
};

class WorkedExampleTest : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExampleTest, FiguresAndBoxes) {
    const WorkedExample& e = GetParam();
    AmortizationInput in;
    in.tableMode = e.tableMode;
    in.principal = e.principal;
    in.period = e.period;
    in.compounding = e.compounding;
    in.frequency = e.frequency;
    const AmortizationResult r = CalculateSchedule(in);
    ASSERT_EQ(r.outcome, EngineOutcome::Completed);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_DOUBLE_EQ(Cents(r.payment), e.payment);
    EXPECT_EQ(r.payments, e.payments);
    EXPECT_EQ(r.gridRows, e.payments);
    EXPECT_DOUBLE_EQ(Cents(r.totalPaid), e.totalPaid);
    EXPECT_DOUBLE_EQ(Cents(r.savings), e.savings);

    // The last row: a balance of exactly zero, all of the principal paid.
    const ScheduleRow& last = RowOf(r, r.payments);
    EXPECT_EQ(last[4], Money());
    EXPECT_EQ(last[6], Money::fromDouble(e.principal));
    EXPECT_EQ(last[5] + last[6], r.totalPaid);

    const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(in));
    EXPECT_EQ(t.boxes.InDays, e.InDays);
    EXPECT_EQ(t.boxes.PeriodicR, e.PeriodicR);
    EXPECT_EQ(t.boxes.NumPmtsYear, e.NumPmtsYear);
    EXPECT_EQ(t.boxes.InMonthPI, e.InMonthPI);
    EXPECT_EQ(t.boxes.EndMortYear, e.EndMortYear);
    EXPECT_EQ(t.boxes.AllPayments, e.AllPayments);
    EXPECT_EQ(t.boxes.TotSavd, e.TotSavd);
}

INSTANTIATE_TEST_SUITE_P(Tables, WorkedExampleTest, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WorkedExamples, MonthlyRateFactorAndLastRow) {
    const AmortizationResult r = CalculateSchedule(DefaultMortgage());
    EXPECT_NEAR(r.monthlyRate, 0.0084375, 1e-15);
    const ScheduleTexts t = MakeScheduleTexts(r, ViewOf(DefaultMortgage()));
    const std::array<std::string, 6> last = {" 300      25", "7.68",       "909.85",
                                             ".00",          "175,258.20", "100,000.00"};
    EXPECT_EQ(t.rows.back(), last);
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

// The monthly rate of each compounding: (1 + rate / periods a year) ^ (periods / 12) - 1, with
// the quarterly entry counting three periods a year.
TEST(WorkedExamples, MonthlyRateOfEachCompounding) {
    const std::pair<std::string, int> cases[] = {{kMonthlyComp, 12},
                                                 {lists::kCompounding[1], 6},
                                                 {kQuarterlyComp, 3},
                                                 {kSemiannualComp, 2},
                                                 {lists::kCompounding[4], 1}};
    for (const auto& [compounding, periods] : cases) {
        AmortizationInput in = DefaultMortgage();
        in.compounding = compounding;
        const AmortizationResult r = CalculateSchedule(in);
        EXPECT_NEAR(r.monthlyRate, std::pow(1 + 0.10125 / periods, periods / 12.0) - 1, 1e-15)
            << compounding;
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
