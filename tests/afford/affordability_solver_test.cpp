// The affordability calculation against worked figures and independent calculations.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "afford/affordability_solver.h"
#include "shell/number_format.h"

namespace bw {
namespace {

const std::string kMonthly = lists::kFrequency[0];
const std::string kSemimonthly = lists::kFrequency[1];
const std::string kTwoWeeks = lists::kFrequency[2];
const std::string kOneWeek = lists::kFrequency[3];
const std::string kBiweeklyAcc = lists::kFrequency[4];
const std::string kWeeklyAcc = lists::kFrequency[5];

// Blanks on the left up to `width`.
std::string Pad(const std::string& text, std::size_t width) {
    return std::string(width - text.size(), ' ') + text;
}

AffordInput Defaults(AffordSolve solve = AffordSolve::Payment) {
    AffordInput in;
    in.solve = solve;
    in.values = {0, 100000, 6.5, 25, 0};
    in.currencySymbol = "$";
    return in;
}

// The payment that repays `principal` in `months` equal monthly payments at monthly rate i,
// found by bisection on the balance left after the last payment (no closed formula).
double PaymentByBisection(double principal, double i, int months) {
    double lo = 0, hi = principal;
    for (int iter = 0; iter < 200; ++iter) {
        const double mid = (lo + hi) / 2;
        double balance = principal;
        for (int k = 0; k < months; ++k) balance = balance * (1 + i) - mid;
        (balance > 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

TEST(MFSetRates, SinglePrecisionRateCompoundingAndFrequencyTables) {
    const AffordRates r =
        MFSetRates(lists::kCompounding[0], kMonthly, 6.5, 26.07142857, 52.14285714);
    ASSERT_TRUE(r.valid);
    const double j = static_cast<float>(0.065);
    EXPECT_LT(j, 0.065);  // 0.0649999976...
    // (1 + j/12)^1 - 1 is j/12 up to the rounding of the addition.
    EXPECT_NEAR(r.monthlyRate, j / 12, 1e-16);
    EXPECT_GT(std::fabs(r.monthlyRate - 0.065 / 12), 1e-10);

    const AffordRates semi =
        MFSetRates(lists::kCompounding[3], kMonthly, 6.5, 26.07142857, 52.14285714);
    EXPECT_NEAR(semi.monthlyRate, 0.0053447, 5e-8);
    const AffordRates quarterly =
        MFSetRates(lists::kCompounding[2], kMonthly, 12, 26.07142857, 52.14285714);
    EXPECT_EQ(quarterly.compoundingPerYear, 3);  // three, not four
    EXPECT_NEAR(quarterly.monthlyRate, std::pow(1 + static_cast<float>(0.12) / 3.0, 0.25) - 1,
                1e-15);

    struct Row {
        std::string text;
        int kind, perYear;
        double q;
    };
    const Row rows[] = {{kMonthly, 0, 12, 12},       {kSemimonthly, 2, 24, 24},
                        {kTwoWeeks, 2, 26, 26.5},    {kOneWeek, 4, 52, 53},
                        {kBiweeklyAcc, 2, 26, 26.5}, {kWeeklyAcc, 4, 52, 53}};
    for (const Row& row : rows) {
        const AffordRates r = MFSetRates(lists::kCompounding[0], row.text, 6.5, 26.5, 53);
        SCOPED_TRACE(row.text);
        EXPECT_EQ(r.frequencyKind, row.kind);
        EXPECT_EQ(r.paymentsPerYear, row.perYear);
        const double j = static_cast<float>(0.065);
        EXPECT_DOUBLE_EQ(r.periodRate, std::pow(1 + j / 12, 12 / row.q) - 1);
    }
    EXPECT_FALSE(MFSetRates("Monthly", kMonthly, 6.5, 26, 52).valid);
    EXPECT_FALSE(MFSetRates(lists::kCompounding[0], "Weekly", 6.5, 26, 52).valid);
}

TEST(MFCalc, WindowDefaultsSolveForThePayment) {
    const AffordResult r = MFCalc(Defaults());
    ASSERT_FALSE(r.failed);
    EXPECT_EQ(r.solvedBox, Pad("$675.21", 16));
    EXPECT_EQ(r.TotalPmts, " $102,562.14");
    EXPECT_EQ(r.MFNumPmts, "      12");
    EXPECT_EQ(r.MFNumYrs, Pad("25.00", 16));
    EXPECT_EQ(r.MFPIPmt, Pad("$675.21", 16));
    EXPECT_EQ(r.MFTotIntSaved, Pad("$.00", 18));
    EXPECT_EQ(r.MFTotIntPaid, Pad("$102,562.14", 16));
    EXPECT_EQ(r.MFDaysinYear, "Normal");
    EXPECT_TRUE(r.message.empty());
    // Independently: the payment that brings the balance to zero after 300 months.
    const double i = static_cast<float>(0.065) / 12.0;
    EXPECT_NEAR(r.values[kMFPayment], PaymentByBisection(100000, i, 300), 1e-7);
    EXPECT_NEAR(r.totalInterest, 300 * r.values[kMFPayment] - 100000, 1e-6);
}

TEST(MFCalc, RightPanelForEachFrequency) {
    struct Row {
        std::string frequency;
        const char *perYear, *each, *years, *paid, *saved, *days;
    };
    const Row rows[] = {
        {kBiweeklyAcc, "26", "$337.60", "20.68", "$81,557.27", "$21,004.87", "365"},
        {kTwoWeeks, "26", "$311.63", "24.81", "$101,004.70", "$1,557.45", "365"},
        {kSemimonthly, "24", "$337.60", nullptr, nullptr, nullptr, "Normal"},
        {kOneWeek, "52", "$155.82", nullptr, nullptr, nullptr, "365"},
        {kWeeklyAcc, "52", "$168.80", nullptr, nullptr, nullptr, "365"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.frequency);
        AffordInput in = Defaults();
        in.frequency = row.frequency;
        const AffordResult r = MFCalc(in);
        ASSERT_FALSE(r.failed);
        // The middle panel stays the normal monthly mortgage.
        EXPECT_EQ(r.solvedBox, Pad("$675.21", 16));
        EXPECT_EQ(r.TotalPmts, " $102,562.14");
        EXPECT_EQ(r.MFNumPmts, Pad(row.perYear, 8));
        EXPECT_EQ(r.MFPIPmt, Pad(row.each, 16));
        EXPECT_EQ(r.MFDaysinYear, row.days);
        if (row.years) {
            EXPECT_EQ(r.MFNumYrs, Pad(row.years, 16));
            EXPECT_EQ(r.MFTotIntPaid, Pad(row.paid, 16));
            EXPECT_EQ(r.MFTotIntSaved, Pad(row.saved, 16));
        }
        EXPECT_EQ(r.MFTotIntSaved.size(), 16u);
        // Independently: simulate the payments of A at the period rate; the loan is paid off
        // after Y2 * k payments, and the interest paid is the sum of the interest parts.
        const double p = r.rates.periodRate;
        const double A = r.eachPayment;
        double balance = 100000, interest = 0;
        int n = 0;
        while (balance > 1e-9 && n < 5000) {
            const double part = balance * p;
            const double pay = std::min(A, balance + part);
            interest += part;
            balance = balance + part - pay;
            ++n;
        }
        const double payments = r.yearsToFinal * r.rates.paymentsPerYear;
        EXPECT_EQ(n, static_cast<int>(std::ceil(payments - 1e-9)));
        // The formula spreads the interest of the short last payment over a whole payment:
        // the figures agree within one payment's interest.
        EXPECT_NEAR(r.totalInterestPaid, interest, A);
        EXPECT_NEAR(r.interestSaved, r.totalInterest - r.totalInterestPaid, 1e-6);
    }
}

TEST(MFCalc, SemiannualCompounding) {
    AffordInput in = Defaults();
    in.compounding = lists::kCompounding[3];
    const AffordResult r = MFCalc(in);
    EXPECT_EQ(r.solvedBox, Pad("$669.82", 16));
}

TEST(MFCalc, AmountsLongerThanTheirBoxAreShownWhole) {
    // Ten and ten thousand times the defaults: the interest is 1,025,621.44 (13 characters, one
    // more than the total box holds) and 1,025,621,439.35 (17, one more than the others hold).
    struct Row {
        double principal;
        const char *payment, *interest;
    };
    const Row rows[] = {{1e6, "$6,752.07", "$1,025,621.44"},
                        {1e9, "$6,752,071.46", "$1,025,621,439.35"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.principal);
        AffordInput in = Defaults();
        in.values[kMFPrincipal] = row.principal;
        const AffordResult r = MFCalc(in);
        ASSERT_FALSE(r.failed);
        EXPECT_EQ(r.solvedBox, Pad(row.payment, 16));
        const std::string interest = row.interest;
        EXPECT_EQ(r.TotalPmts, interest);
        EXPECT_EQ(r.MFTotIntPaid, interest.size() > 16 ? interest : Pad(interest, 16));
    }
}

TEST(MFCalc, PrincipalFromPaymentKeepsTheUnshortenedPayment) {
    AffordInput typed = Defaults(AffordSolve::Principal);
    typed.values[kMFPrincipal] = 0;
    typed.values[kMFPayment] = 675.21;
    const AffordResult fromTyped = MFCalc(typed);
    EXPECT_EQ(fromTyped.solvedBox, Pad("$100,000.42", 16));
    EXPECT_EQ(fromTyped.values[kMFPrincipal], fromTyped.values[kMFPrincipal]);

    // MFValues carries the solved payment, with all its decimals, into the next run.
    const AffordResult payment = MFCalc(Defaults());
    AffordInput next = Defaults(AffordSolve::Principal);
    next.values = payment.values;
    const AffordResult principal = MFCalc(next);
    EXPECT_EQ(principal.solvedBox, Pad("$100,000.00", 16));
    EXPECT_NEAR(principal.values[kMFPrincipal], 100000, 1e-6);
    EXPECT_EQ(principal.values[kMFPayment], payment.values[kMFPayment]);
}

TEST(MFCalc, YearsKeepTheirFraction) {
    AffordInput in = Defaults(AffordSolve::Years);
    in.values[kMFPayment] = 700;
    const AffordResult r = MFCalc(in);
    ASSERT_FALSE(r.failed);
    EXPECT_EQ(r.solvedBox, Pad("22.93", 16));
    // Independently: the number of months n with 100000 (1+i)^n = 700 ((1+i)^n - 1) / i.
    const double i = static_cast<float>(0.065) / 12.0;
    const double months = std::log(700 / (700 - 100000 * i)) / std::log(1 + i);
    EXPECT_NEAR(r.values[kMFYears], months / 12, 1e-9);
    EXPECT_GT(std::fabs(r.values[kMFYears] - 22.93), 1e-4);
    // The totals use 22.929..., not 22.93.
    EXPECT_NEAR(r.totalInterest, months * 700 - 100000, 1e-6);
    EXPECT_EQ(r.TotalPmts,
              RightAlign("$" + FormatNumber(months * 700 - 100000, "####,,###.00"), 12));
    EXPECT_EQ(r.MFNumYrs, Pad(FormatNumber(months / 12, "##.00"), 16));

    // The fraction stays in MFValues for the next run that solves for the payment.
    AffordInput next = Defaults();
    next.values = r.values;
    EXPECT_EQ(MFCalc(next).solvedBox, Pad("$700.00", 16));
}

TEST(MFCalc, FailuresAndTheirMessages) {
    struct Row {
        const char* name;
        AffordSolve solve;
        double principal, rate, years, payment;
        const char* message;
    };
    const Row rows[] = {
        {"payment below the first month's interest", AffordSolve::Years, 100000, 6.5, 25, 541.67,
         kAffordPaymentTooSmall},
        {"payment far too small", AffordSolve::Years, 100000, 6.5, 25, 300, kAffordPaymentTooSmall},
        {"term over 40.004 years", AffordSolve::Years, 100000, 6.5, 25, 585,
         kAffordPaymentTooSmall},
        {"zero payment, years", AffordSolve::Years, 100000, 6.5, 25, 0, kAffordPaymentTooSmall},
        {"zero rate, years", AffordSolve::Years, 100000, 0, 25, 700, kAffordPaymentTooSmall},
        {"zero principal", AffordSolve::Payment, 0, 6.5, 25, 0, kAffordMissingEntry},
        {"zero years", AffordSolve::Payment, 100000, 6.5, 0, 0, kAffordMissingEntry},
        {"zero rate, payment", AffordSolve::Payment, 100000, 0, 25, 0, kAffordMissingEntry},
        {"zero payment, principal", AffordSolve::Principal, 0, 6.5, 25, 0, kAffordMissingEntry},
        {"zero rate, principal", AffordSolve::Principal, 0, 0, 25, 700, kAffordMissingEntry},
        {"rate beyond single precision", AffordSolve::Payment, 100000, 1e300, 25, 0,
         kAffordMissingEntry},
        {"overflowing power", AffordSolve::Payment, 100000, 99999, 40, 0, kAffordMissingEntry},
        {"infinite principal", AffordSolve::Payment, INFINITY, 6.5, 25, 0, kAffordMissingEntry},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AffordInput in = Defaults(row.solve);
        in.values = {0, row.principal, row.rate, row.years, row.payment};
        in.frequency = kBiweeklyAcc;
        const AffordResult r = MFCalc(in);
        EXPECT_TRUE(r.failed);
        EXPECT_EQ(r.message, row.message);
        EXPECT_EQ(r.focusPayment, row.message == std::string(kAffordPaymentTooSmall));
        EXPECT_EQ(r.solvedBox, "");
        for (const std::string* box : {&r.TotalPmts, &r.MFNumPmts, &r.MFNumYrs, &r.MFPIPmt,
                                       &r.MFTotIntSaved, &r.MFTotIntPaid})
            EXPECT_EQ(*box, "");
        EXPECT_FALSE(r.MFDaysinYear.has_value());  // the days box keeps its text
        const std::size_t solved = row.solve == AffordSolve::Payment     ? kMFPayment
                                   : row.solve == AffordSolve::Principal ? kMFPrincipal
                                                                         : kMFYears;
        EXPECT_EQ(r.values[solved], 0);
    }
}

TEST(MFCalc, ForeignCurrencySymbolAndNegativeSaving) {
    // 363 days make fewer two-weekly periods than 26: the equal-yearly-amount payments then
    // cost more interest than the monthly ones.
    AffordInput in = Defaults();
    in.currencySymbol = "EUR";
    in.frequency = kTwoWeeks;
    in.daysInYear = 363;
    in.biWeeklyPeriods = 25.92857143;
    const AffordResult r = MFCalc(in);
    ASSERT_FALSE(r.failed);
    EXPECT_EQ(r.solvedBox, Pad("EUR675.21", 16));
    EXPECT_LT(r.interestSaved, 0);
    EXPECT_EQ(r.MFTotIntSaved, Pad("EUR" + FormatNumber(r.interestSaved, "####,,###.00"), 16));
    EXPECT_EQ(r.MFTotIntSaved.substr(r.MFTotIntSaved.find("EUR"), 4), "EUR-");
}

TEST(MFCalc, DaysBox) {
    struct Row {
        std::string frequency;
        float days;
        const char* text;
    };
    const Row rows[] = {{kOneWeek, 365.25f, "365.25"},   {kTwoWeeks, 365.25f, "365.25"},
                        {kBiweeklyAcc, 364.0f, "364"},   {kWeeklyAcc, 363.0f, "363"},
                        {kOneWeek, 364.5f, "364.5"},     {kMonthly, 365.25f, "Normal"},
                        {kSemimonthly, 364.0f, "Normal"}};
    for (const Row& row : rows) {
        AffordInput in = Defaults();
        in.frequency = row.frequency;
        in.daysInYear = row.days;
        in.biWeeklyPeriods = row.days / 14.0;
        in.weeklyPeriods = row.days / 7.0;
        EXPECT_EQ(MFCalc(in).MFDaysinYear, row.text) << row.frequency << " " << row.days;
    }
}

TEST(AffordHelpText, FiveParagraphs) {
    const std::string text = AffordHelpText();
    std::vector<std::string> paragraphs;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n\r\n", start)) != std::string::npos; start = at + 4)
        paragraphs.push_back(text.substr(start, at - start));
    paragraphs.push_back(text.substr(start));
    ASSERT_EQ(paragraphs.size(), 5u);
    EXPECT_EQ(paragraphs[3],
              "For example, to find out how much Principal you could afford for a given Monthly "
              "payment. Click 'Calculate for Principal', then type in Monthly payment, on leaving "
              "the box by pressing <Enter>, click another box or 'Calculate', results will show "
              "in white box.");
    EXPECT_EQ(paragraphs[4],
              "When using 'Calculate for Years', box will show results to two decimal places but "
              "will only allow whole year input.");
}

}  // namespace
}  // namespace bw
