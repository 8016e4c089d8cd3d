// The comparison engine against the worked figures and against a separate plain calculation.

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "compare/comparison_engine.h"
#include "shell/number_format.h"

namespace bw {
namespace {

const auto& kFreq = lists::kFrequency;  // monthly, semimonthly, 2 weeks, 1 week, b(a), w(a)
const std::string kMonthly = kFreq[0];

std::string Cents(double v) {
    return FormatNumber(v, "####,,###.00");
}

TEST(ComparisonEngine, WorkedExamples) {
    using Figures = std::tuple<std::string, int, std::string, std::string>;
    // Compounding, frequency, then payment, payments, years and total interest.
    const std::tuple<int, int, Figures> cases[] = {
        {0, 0, {"917.53", 300, "25.00", "175,258.20"}},
        {3, 0, {"902.91", 300, "25.00", "170,873.89"}},
        {0, 4, {"458.76", 482, "18.54", "120,861.40"}},
        {0, 2, {"423.47", 638, "24.54", "169,924.71"}},
        {0, 1, {"458.76", 595, "24.79", "172,666.12"}},
    };
    for (const auto& [compounding, frequency, figures] : cases) {
        // (the input's defaults: 100,000 at 10.125 % over 25 years, monthly)
        const ComparisonRow row = CalculateComparisonRow(
            {.compounding = lists::kCompounding[compounding], .frequency = kFreq[frequency]});
        ASSERT_EQ(row.outcome, ComparisonOutcome::RowAdded);
        EXPECT_EQ(
            Figures(Cents(row.payment), row.payments, FormatNumber(row.retiredYears, "###.00"),
                    Cents(row.totalInterest.toDouble())),
            figures);
        EXPECT_EQ(std::tuple(row.cells[7], row.rowNumber),
                  std::tuple("$" + std::get<3>(figures), 1));
        // The last payment leaves nothing owed.
        EXPECT_EQ(row.schedule[static_cast<std::size_t>(row.payments)][4], Money());
    }
}

// A plain loop over the payments in double precision, written apart from the engine: the
// payment count and the total interest with the additional amounts given by payment number.
// At the payments that may carry an additional amount (`firstSlot`, then every `perYear`) the
// principal part is taken to currency (4 decimals) before the amount is added.
struct Plain {
    int payments = 0;
    double interest = 0;
};
Plain PlainSchedule(double P, double r, int CP, double F, double q_over_im, double T,
                    bool monthlyLoop, int bound, int perYear, int firstSlot = 1,
                    const std::map<int, double>& extra = {}) {
    const double im = std::pow(1 + r / CP, CP / 12.0) - 1;
    const double ip = std::pow(1 + r / CP, CP / F) - 1;
    const double vN = 1 / std::pow(1 + r / CP, CP * T);
    const double M = P * im * q_over_im / (1 - vN);
    const double i = monthlyLoop ? im : ip;
    Plain out;
    double B = P;
    for (int n = 1; n <= bound; ++n) {
        const double I = i * B;
        if (I < 0) break;
        double Q = M - I;
        if (n >= firstSlot && (n - firstSlot) % perYear == 0) {
            Q = std::nearbyint(Q * 10000) / 10000;
            if (auto it = extra.find(n); it != extra.end()) Q += it->second;
        }
        B -= Q;
        out.interest += I;
        out.payments = n;
    }
    return out;
}

// Every frequency and compounding against the plain loop, with the days text, row tag and
// label of the row (row 9 here).
TEST(ComparisonEngine, AgreesWithAPlainLoopForEveryFrequencyAndDays) {
    const std::tuple<std::string, float, double, double, bool, int, const char*, const char*,
                     const char*>
        cases[] = {
            {kFreq[0], 365.25f, 12, 1, true, 12, "Norm", "1m  ", "Normal"},
            {kFreq[1], 363, 24, 0.5, false, 24, "Norm", "sm  ", "Normal"},
            {kFreq[2], 365.25f, 365.25 / 14, 12.0 / 26, false, 26, "5.25", "2wk ", "365.25"},
            {kFreq[3], 364, 52, 12.0 / 52, false, 52, "4.00", "1wk ", "364"},
            {kFreq[4], 363, 363.0 / 14, 0.5, false, 26, "3.00", "b(a)", "363"},
            {kFreq[5], 364.5f, 364.5 / 7, 0.25, false, 52, "4.50", "w(a)", "364.5"},
        };
    const int CP[] = {12, 6, 3, 2, 1};
    const char letter[] = "MBQSA";
    for (const auto& [frequency, days, F, qOverIm, monthlyLoop, perYear, daysText, tag, inDays] :
         cases) {
        for (int comp = 0; comp < 5; ++comp) {
            SCOPED_TRACE(frequency + " / " + lists::kCompounding[comp]);
            ComparisonInput in;
            std::tie(in.principal, in.rate, in.period) = std::tuple(250000, 7.5, 30);
            std::tie(in.frequency, in.compounding, in.rowCounter) =
                std::tuple(frequency, lists::kCompounding[comp], 8);
            std::tie(in.daysInYear, in.biWeeklyPeriods, in.weeklyPeriods) =
                std::tuple(days, days / 14.0, days / 7.0);
            const int bound = perYear == 12 ? 360 : (perYear == 52 ? 52 * 30 + 50 : 26 * 30 + 50);
            const Plain plain =
                PlainSchedule(250000, 0.075, CP[comp], F, qOverIm, 30, monthlyLoop, bound, perYear);
            const ComparisonRow row = CalculateComparisonRow(in);
            ASSERT_EQ(row.outcome, ComparisonOutcome::RowAdded);
            EXPECT_EQ(row.payments, plain.payments);
            EXPECT_NEAR(row.graphInterest, plain.interest, 1e-6);
            EXPECT_NEAR(row.totalInterest.toDouble(), plain.interest, 0.005);
            EXPECT_FLOAT_EQ(row.retiredYears,
                            static_cast<float>(static_cast<double>(plain.payments) / perYear));
            EXPECT_EQ(std::tuple(row.paymentsPerYear, row.daysText, row.rowTag, row.inDaysText,
                                 row.cells[0], row.graphLabel),
                      std::tuple(perYear, daysText, tag, inDays,
                                 std::string("09 ") + daysText + " " + letter[comp] + " " + tag,
                                 "Row  9"));
        }
    }
}

TEST(ComparisonEngine, CellsAndRatesOfTheDefaults) {
    const ComparisonRow row = CalculateComparisonRow({});
    const std::array<std::string, 8> cells = {"01 Norm M 1m  ", "25",     "25.00",   "12",
                                              "$100,000.00",    "10.125", "$917.53", "$175,258.20"};
    EXPECT_EQ(row.cells, cells);  // (its print line: ComparisonPrintout.OneRowWithout...)
    EXPECT_EQ(std::tuple(row.graphLabel, row.periodicRateText), std::tuple("Row  1", "0.0084375"));
    EXPECT_NEAR(row.monthlyRate, 0.0084375, 1e-15);
}

// A figure longer than its field is printed whole, and no amount runs into the one before it: a
// total interest of a million or more lengthens the line by the character it needs.
TEST(ComparisonEngine, PrintLineAmountsNeverRunTogether) {
    // The principal, the period, and the line from the blank before the principal on.
    const std::tuple<double, double, std::string> cases[] = {
        {570000, 25, "   $570,000.00  10.125  $5,229.91  $998,971.72"},
        {400000, 40, "   $400,000.00  10.125  $3,435.89 $1,249,225.79"},
        {20000000, 25, " $20,000,000.00  10.125 $183,505.46 $35,051,639.25"},
        {99999999.99, 25, " $99,999,999.99  10.125 $917,527.32 $175,258,196.21"}};
    for (const auto& [principal, period, tail] : cases) {
        EXPECT_EQ(
            CalculateComparisonRow({.principal = principal, .period = period}).printLine.substr(31),
            tail);
    }
}

// Each year's amount goes with the payment after the chosen month's slot (monthly: month 12 gives
// payments 1, 13, ...; biweekly: K = 2 * 3 + 2 = 8 gives the ninth payment of each year); an
// amount not below the balance is neither applied nor listed.
TEST(ComparisonEngine, AdditionalPaymentsInTheChosenMonth) {
    // Frequency, month, amounts of years 1, 2, ..., then the payments and month they go with.
    const std::tuple<std::string, int, std::vector<double>, std::vector<int>, int> cases[] = {
        {kMonthly, 12, {10000, 0, 5000}, {1, 25}, 1},
        {kMonthly, 1, {100, 100}, {2, 14}, 2},
        {kFreq[4], 3, {1000, 2000, 3000}, {9, 35, 61}, 4},
        {kMonthly, 12, {200000}, {}, 0},
    };
    for (const auto& [frequency, prePayMonth, byYear, payments, month] : cases) {
        SCOPED_TRACE(frequency + " " + std::to_string(prePayMonth));
        ComparisonInput in{.frequency = frequency,
                           .prePayMonth = static_cast<std::int16_t>(prePayMonth)};
        for (std::size_t y = 1; y <= byYear.size(); ++y)
            in.prePayTable[y] = {Money(), Money::fromDouble(static_cast<double>(y)),
                                 Money::fromDouble(byYear[y - 1])};
        const ComparisonRow row = CalculateComparisonRow(in);
        ASSERT_EQ(row.outcome, ComparisonOutcome::RowAdded);
        std::map<int, double> extra;
        ASSERT_EQ(row.applied.size(), payments.size());
        for (std::size_t j = 0, y = 0; j < payments.size(); ++j, ++y) {
            while (byYear[y] == 0) ++y;
            const auto& a = row.applied[j];
            EXPECT_EQ(std::tuple(a.payment, a.year, a.month, a.amount),
                      std::tuple(payments[j], Money::fromDouble(static_cast<double>(y + 1)), month,
                                 Money::fromDouble(byYear[y])));
            extra[payments[j]] = byYear[y];
        }
        const bool monthly = frequency == kMonthly;
        const Plain plain = PlainSchedule(
            100000, 0.10125, 12, monthly ? 12 : 365.0 / 14, monthly ? 1 : 0.5, 25, monthly,
            monthly ? 300 : 700, monthly ? 12 : 26, monthly ? prePayMonth % 12 + 1 : 9, extra);
        EXPECT_EQ(row.payments, plain.payments);
        // (the plain loop takes every slot's part to currency, also where nothing is added)
        EXPECT_NEAR(row.graphInterest, plain.interest, extra.empty() ? 1e-3 : 1e-4);
        EXPECT_EQ(row.printLine.substr(18, 3), extra.empty() ? "   " : "  *");
        EXPECT_EQ(row.cells[2],
                  (extra.empty() ? "" : "*") +
                      FormatNumber(plain.payments / double(row.paymentsPerYear), "###.00"));
    }
}

// The 40-year limit (message 5) comes before the 12-row limit (22); figures that give no
// schedule stop with message 4.
TEST(ComparisonEngine, LimitsAndFaults) {
    const auto added = ComparisonOutcome::RowAdded, faulted = ComparisonOutcome::Faulted;
    const std::tuple<double, double, double, int, ComparisonOutcome, std::vector<int>> cases[] = {
        {100000, 10.125, 40, 0, added, {}},
        {100000, 10.125, 41, 0, ComparisonOutcome::PeriodTooLong, {5}},
        {100000, 10.125, 41, 12, ComparisonOutcome::PeriodTooLong, {5}},
        {100000, 10.125, 25, 12, ComparisonOutcome::RowLimit, {22}},
        {100000, 10.125, 25, 11, added, {}},
        {100000, 0, 25, 0, faulted, {4}},
        {100000, std::nan(""), 25, 0, faulted, {4}},
        {100000, 10, 0, 0, faulted, {4}},
        {1e300, 10, 25, 0, faulted, {4}},
    };
    for (const auto& [principal, rate, period, rowCounter, outcome, messages] : cases) {
        SCOPED_TRACE(::testing::Message()
                     << principal << " " << rate << "% " << period << " y, row " << rowCounter + 1);
        const ComparisonRow row = CalculateComparisonRow(
            {.principal = principal, .rate = rate, .period = period, .rowCounter = rowCounter});
        EXPECT_EQ(std::tuple(row.outcome, row.messages), std::tuple(outcome, messages));
    }
}

}  // namespace
}  // namespace bw
