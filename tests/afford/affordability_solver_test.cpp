// The affordability calculation against worked figures and independent calculations.

#include <gtest/gtest.h>

#include <cmath>

#include "afford/afford_mapping.h"
#include "shell/number_format.h"

namespace bw {
namespace {

const auto& kFreq = lists::kFrequency;  // Monthly, Semimonthly, 2 Weeks, 1 Week, Bi(Acc), We(Acc)
const auto& kComp = lists::kCompounding;
// 6.5 % as the solver holds it, in single precision: 0.0649999976...
const double kJ = static_cast<float>(0.065);

AffordInput Input(AffordSolve solve, double principal, double payment, double years = 25) {
    return {.solve = solve, .values = {0, principal, 6.5, years, payment}};
}

TEST(MFSetRates, CompoundingAndFrequencyTables) {
    // Compounding, frequency, kind, payments a year, and the rates worked out by hand:
    // (1 + j/m)^(m/12) - 1 and (1 + j/m)^(m/q) - 1, q from 26.5 / 53.
    const std::tuple<std::size_t, std::size_t, int, int, double, double> rows[] = {
        {0, 0, 0, 12, kJ / 12, kJ / 12},
        {3, 1, 2, 24, 0.0053447, std::pow(1 + kJ / 2, 2 / 24.0) - 1},
        {2, 2, 2, 26, std::pow(1 + kJ / 3, 0.25) - 1, std::pow(1 + kJ / 3, 3 / 26.5) - 1},
        {4, 3, 4, 52, std::pow(1 + kJ, 1.0 / 12) - 1, std::pow(1 + kJ, 1 / 53.0) - 1},
        {1, 4, 2, 26, std::pow(1 + kJ / 6, 0.5) - 1, std::pow(1 + kJ / 6, 6 / 26.5) - 1},
        {0, 5, 4, 52, kJ / 12, std::pow(1 + kJ / 12, 12 / 53.0) - 1},
    };
    for (const auto& [comp, freq, kind, perYear, monthly, period] : rows) {
        SCOPED_TRACE(kComp[comp] + "/" + kFreq[freq]);
        const AffordRates r = MFSetRates(kComp[comp], kFreq[freq], 6.5, 26.5, 53);
        ASSERT_TRUE(r.valid);
        EXPECT_EQ(std::tie(r.frequencyKind, r.paymentsPerYear), std::make_tuple(kind, perYear));
        EXPECT_NEAR(r.monthlyRate, monthly, comp == 3 ? 5e-8 : 1e-15);
        EXPECT_NEAR(r.periodRate, period, 1e-15);
    }
    // -1200: (1 + j/m) of 0.
    EXPECT_FALSE(MFSetRates("Monthly", kFreq[0], 6.5, 26, 52).valid ||
                 MFSetRates(kComp[0], kFreq[0], -1200, 26, 52).valid ||
                 MFSetRates(kComp[0], "Weekly", 6.5, 26, 52).valid);
}

TEST(MFCalc, WorkedFigures) {
    const auto with = [](std::size_t freq, float days = 365, std::size_t comp = 0) {
        AffordInput in = Input(AffordSolve::Payment, 100000, 0);
        in.frequency = kFreq[freq];
        in.compounding = kComp[comp];
        in.daysInYear = days;
        in.biWeeklyPeriods = days / 14.0;
        in.weeklyPeriods = days / 7.0;
        return in;
    };
    AffordInput euro = with(2, 363);  // fewer periods: equal yearly amounts cost more interest
    euro.currencySymbol = "EUR";
    AffordInput longer = with(4);
    longer.values[kMFPrincipal] = 1e9;
    // The solved box, TotalPmts, MFNumPmts, MFNumYrs, MFPIPmt, MFTotIntSaved, MFTotIntPaid and
    // MFDaysinYear, without their leading blanks; nullptr: not checked.
    const std::pair<AffordInput, std::array<const char*, 8>> rows[] = {
        {with(0),
         {"$675.21", "$102,562.14", "12", "25.00", "$675.21", "$.00", "$102,562.14", "Normal"}},
        {with(4),
         {"$675.21", "$102,562.14", "26", "20.68", "$337.60", "$21,004.87", "$81,557.27", "365"}},
        {with(2), {"$675.21", 0, "26", "24.81", "$311.63", "$1,557.45", "$101,004.70", "365"}},
        {with(1, 364), {0, 0, "24", 0, "$337.60", 0, 0, "Normal"}},
        {with(3, 365.25f), {0, 0, "52", 0, "$155.82", 0, 0, "365.25"}},
        {with(5, 364.5f), {0, 0, "52", 0, "$168.80", 0, 0, "364.5"}},
        {with(0, 365, 3), {"$669.82"}},  // semiannual compounding
        {Input(AffordSolve::Principal, 0, 675.21), {"$100,000.42"}},
        {Input(AffordSolve::Years, 100000, 700),
         {"22.93", "$92,605.50", 0, "22.93", "$700.00"}},  // 22.929...
        {longer, {"$6,752,071.46", "$1,025,621,439.35"}},  // longer than their boxes: whole
        {euro, {"EUR675.21", 0, 0, 0, 0, "EUR-102.50", "EUR102,664.65", "363"}},
    };
    for (const auto& [in, boxes] : rows) {
        SCOPED_TRACE(in.frequency + " " + std::to_string(in.daysInYear));
        const AffordResult r = MFCalc(in);
        ASSERT_EQ(std::tuple(r.failed, r.message), std::tuple(false, ""));
        const int saved = in.frequency == kFreq[0] ? 18 : 16;
        const std::pair<std::string, int> shown[] = {{r.solvedBox, 16},    {r.TotalPmts, 12},
                                                     {r.MFNumPmts, 8},     {r.MFNumYrs, 16},
                                                     {r.MFPIPmt, 16},      {r.MFTotIntSaved, saved},
                                                     {r.MFTotIntPaid, 16}, {*r.MFDaysinYear, 0}};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i] == nullptr) continue;
            const std::string text = boxes[i];
            const auto& [box, width] = shown[i];
            EXPECT_EQ(box, static_cast<int>(text.size()) > width ? text : RightAlign(text, width));
        }
        EXPECT_NEAR(r.interestSaved, r.totalInterest - r.totalInterestPaid, 1e-6);
    }
}

TEST(MFCalc, AgreesWithPaymentByPaymentBalances) {
    // Paying the solved amount every period, the loan ends after the years shown (Y2 * k
    // payments for the right panel), and the interest paid agrees within one payment's interest
    // (the formula spreads the short last payment over a whole one).
    for (std::size_t f = 0; f < kFreq.size(); ++f) {
        SCOPED_TRACE(kFreq[f]);
        AffordInput in = Input(AffordSolve::Payment, 100000, 0);
        in.frequency = kFreq[f];
        const AffordResult r = MFCalc(in);
        const double rate = f == 0 ? r.rates.monthlyRate : r.rates.periodRate;
        double left = 100000, interest = 0;
        int n = 0;
        for (; left > 1e-6 && n < 5000; ++n) {
            interest += left * rate;
            left = left * (1 + rate) - std::min(r.eachPayment, left * (1 + rate));
        }
        EXPECT_EQ(n, static_cast<int>(std::ceil(r.yearsToFinal * r.rates.paymentsPerYear - 1e-6)));
        EXPECT_NEAR(r.totalInterestPaid, interest, f == 0 ? 1e-6 : r.eachPayment);
    }
}

TEST(MFCalc, FailuresClearTheBoxesAndGiveTheMessageOfTheMode) {
    using enum AffordSolve;
    // Solved for, principal, rate, years, payment. Solving for years, every failure is a payment
    // too small.
    const std::tuple<AffordSolve, double, double, double, double> rows[] = {
        {Years, 100000, 6.5, 25, 541.67},  // the first month's interest
        {Years, 100000, 6.5, 25, 585},     // over 40.004 years
        {Years, 100000, 6.5, 25, 0},      {Years, 100000, 0, 25, 700}, {Payment, 0, 6.5, 25, 0},
        {Payment, 100000, 6.5, 0, 0},     {Payment, 100000, 0, 25, 0}, {Principal, 0, 6.5, 25, 0},
        {Payment, 100000, 1e300, 25, 0},  // beyond single precision
        {Payment, 100000, 99999, 40, 0},  // overflowing power
        {Payment, INFINITY, 6.5, 25, 0}};
    for (const auto& [solve, principal, rate, years, payment] : rows) {
        SCOPED_TRACE(testing::Message() << principal << " " << rate << " " << payment);
        AffordInput in = Input(solve, principal, payment, years);
        in.values[kMFRate] = rate;
        in.frequency = kFreq[4];
        const AffordResult r = MFCalc(in);
        // The days box keeps its text.
        EXPECT_EQ(std::tuple(r.failed, r.message, r.focusPayment, r.MFDaysinYear.has_value(),
                             r.values[AffordSlot(SolvedBox(solve))]),
                  std::tuple(true, solve == Years ? kAffordPaymentTooSmall : kAffordMissingEntry,
                             solve == Years, false, 0.0));
        EXPECT_EQ(r.solvedBox + r.TotalPmts + r.MFNumPmts + r.MFNumYrs + r.MFPIPmt +
                      r.MFTotIntSaved + r.MFTotIntPaid,
                  "");
    }
}

TEST(AffordHelpText, FiveParagraphs) {
    const std::string text = AffordHelpText(), gap = "\r\n\r\n";
    EXPECT_EQ(text.rfind("Calculations are automatic, change the values in any yellow", 0), 0u);
    EXPECT_NE(text.find("in white box." + gap + "When using 'Calculate for Years'"),
              std::string::npos);
    std::size_t gaps = 0;
    for (auto at = text.find(gap); at != std::string::npos; at = text.find(gap, at + 1)) ++gaps;
    EXPECT_EQ(gaps, 4u);
}

}  // namespace
}  // namespace bw
