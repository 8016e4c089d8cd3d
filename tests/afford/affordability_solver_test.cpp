// The affordability calculation against worked figures and independent calculations.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "afford/affordability_solver.h"
#include "shell/number_format.h"

namespace bw {
namespace {

const auto& kFreq = lists::kFrequency;  // Monthly, Semimonthly, 2 Weeks, 1 Week, Bi(Acc), We(Acc)
const auto& kComp = lists::kCompounding;
const double kJ = static_cast<float>(0.065);  // 6.5 % as the solver holds it

std::string Pad(const std::string& text, int width) {
    return RightAlign(text, width);
}

AffordInput Input(AffordSolve solve, double principal, double payment, double years = 25) {
    AffordInput in;
    in.solve = solve;
    in.values = {0, principal, 6.5, years, payment};
    return in;
}

TEST(MFSetRates, CompoundingAndFrequencyTables) {
    struct Row {
        std::size_t comp, freq;
        int kind, perYear;
        double monthly, period;
    };
    // Rates worked out by hand: (1 + j/m)^(m/12) - 1 and (1 + j/m)^(m/q) - 1, q from 26.5 / 53.
    const Row rows[] = {
        {0, 0, 0, 12, kJ / 12, kJ / 12},
        {3, 1, 2, 24, 0.0053447, std::pow(1 + kJ / 2, 2 / 24.0) - 1},
        {2, 2, 2, 26, std::pow(1 + kJ / 3, 0.25) - 1, std::pow(1 + kJ / 3, 3 / 26.5) - 1},
        {4, 3, 4, 52, std::pow(1 + kJ, 1.0 / 12) - 1, std::pow(1 + kJ, 1 / 53.0) - 1},
        {1, 4, 2, 26, std::pow(1 + kJ / 6, 0.5) - 1, std::pow(1 + kJ / 6, 6 / 26.5) - 1},
        {0, 5, 4, 52, kJ / 12, std::pow(1 + kJ / 12, 12 / 53.0) - 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(kComp[row.comp] + "/" + kFreq[row.freq]);
        const AffordRates r = MFSetRates(kComp[row.comp], kFreq[row.freq], 6.5, 26.5, 53);
        ASSERT_TRUE(r.valid);
        EXPECT_EQ(r.frequencyKind, row.kind);
        EXPECT_EQ(r.paymentsPerYear, row.perYear);
        EXPECT_NEAR(r.monthlyRate, row.monthly, row.comp == 3 ? 5e-8 : 1e-15);
        EXPECT_NEAR(r.periodRate, row.period, 1e-15);
    }
    // Single precision: 6.5 % is 0.0649999976..., not 0.065.
    EXPECT_GT(std::fabs(MFSetRates(kComp[0], kFreq[0], 6.5, 26, 52).monthlyRate - 0.065 / 12),
              1e-10);
    EXPECT_FALSE(MFSetRates("Monthly", kFreq[0], 6.5, 26, 52).valid);
    EXPECT_FALSE(MFSetRates(kComp[0], kFreq[0], -1200, 26, 52).valid);  // (1 + j/m) of 0
    EXPECT_FALSE(MFSetRates(kComp[0], "Weekly", 6.5, 26, 52).valid);
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
        {with(2, 364), {0, 0, 0, 0, 0, 0, 0, "364"}},
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
        ASSERT_FALSE(r.failed);
        EXPECT_EQ(r.message, "");
        const int saved = in.frequency == kFreq[0] ? 18 : 16;
        const std::pair<std::string, int> shown[] = {{r.solvedBox, 16},    {r.TotalPmts, 12},
                                                     {r.MFNumPmts, 8},     {r.MFNumYrs, 16},
                                                     {r.MFPIPmt, 16},      {r.MFTotIntSaved, saved},
                                                     {r.MFTotIntPaid, 16}, {*r.MFDaysinYear, 0}};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i] == nullptr) continue;
            const std::string text = boxes[i];
            const auto& [box, width] = shown[i];
            EXPECT_EQ(box, static_cast<int>(text.size()) > width ? text : Pad(text, width)) << i;
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

TEST(MFCalc, FailuresAndTheirMessages) {
    struct Row {
        const char* name;
        AffordSolve solve;
        double principal, rate, years, payment;
        const char* message;
    };
    const AffordSolve kY = AffordSolve::Years, kP = AffordSolve::Payment,
                      kPr = AffordSolve::Principal;
    const Row rows[] = {
        {"payment of the first month's interest", kY, 100000, 6.5, 25, 541.67,
         kAffordPaymentTooSmall},
        {"payment far too small", kY, 100000, 6.5, 25, 300, kAffordPaymentTooSmall},
        {"term over 40.004 years", kY, 100000, 6.5, 25, 585, kAffordPaymentTooSmall},
        {"zero payment, years", kY, 100000, 6.5, 25, 0, kAffordPaymentTooSmall},
        {"zero rate, years", kY, 100000, 0, 25, 700, kAffordPaymentTooSmall},
        {"zero principal", kP, 0, 6.5, 25, 0, kAffordMissingEntry},
        {"zero years", kP, 100000, 6.5, 0, 0, kAffordMissingEntry},
        {"zero rate, payment", kP, 100000, 0, 25, 0, kAffordMissingEntry},
        {"zero payment, principal", kPr, 0, 6.5, 25, 0, kAffordMissingEntry},
        {"zero rate, principal", kPr, 0, 0, 25, 700, kAffordMissingEntry},
        {"rate beyond single precision", kP, 100000, 1e300, 25, 0, kAffordMissingEntry},
        {"overflowing power", kP, 100000, 99999, 40, 0, kAffordMissingEntry},
        {"infinite principal", kP, INFINITY, 6.5, 25, 0, kAffordMissingEntry},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AffordInput in = Input(row.solve, row.principal, row.payment, row.years);
        in.values[kMFRate] = row.rate;
        in.frequency = kFreq[4];
        const AffordResult r = MFCalc(in);
        EXPECT_TRUE(r.failed);
        EXPECT_EQ(r.message, row.message);
        EXPECT_EQ(r.focusPayment, row.message == std::string(kAffordPaymentTooSmall));
        for (const std::string* box : {&r.solvedBox, &r.TotalPmts, &r.MFNumPmts, &r.MFNumYrs,
                                       &r.MFPIPmt, &r.MFTotIntSaved, &r.MFTotIntPaid})
            EXPECT_EQ(*box, "");
        EXPECT_FALSE(r.MFDaysinYear.has_value());  // the days box keeps its text
        const std::size_t solved = row.solve == kP    ? kMFPayment
                                   : row.solve == kPr ? kMFPrincipal
                                                      : kMFYears;
        EXPECT_EQ(r.values[solved], 0);
    }
}

TEST(AffordHelpText, FiveParagraphs) {
    const std::string text = AffordHelpText();
    EXPECT_EQ(text.rfind("Calculations are automatic, change the values in any yellow", 0), 0u);
    const std::string end =
        "for a given Monthly payment. Click 'Calculate for Principal', then type in Monthly "
        "payment, on leaving the box by pressing <Enter>, click another box or 'Calculate', "
        "results will show in white box.\r\n\r\nWhen using 'Calculate for Years', box will show "
        "results to two decimal places but will only allow whole year input.";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    std::size_t breaks = 0;
    for (auto at = text.find("\r\n\r\n"); at != std::string::npos;
         at = text.find("\r\n\r\n", at + 4))
        ++breaks;
    EXPECT_EQ(breaks, 4u);
}

}  // namespace
}  // namespace bw
