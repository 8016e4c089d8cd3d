// The affordability window's values between the shared state and the calculation.

#include <gtest/gtest.h>

#include "afford/afford_mapping.h"
#include "shell/number_format.h"

namespace bw {
namespace {

TEST(AffordOpen, StartValuesAndDaysInYear) {
    // The monthly payment of 100,000 at 6.5 % over 25 years for the compounding of the setting;
    // a setting outside the list stands for monthly.
    const std::tuple<int, const char*, const char*> rows[] = {{0, "      Monthly", "$675.21"},
                                                              {4, "       Annual", "$663.63"},
                                                              {5, "      Monthly", "$675.21"},
                                                              {-1, "      Monthly", "$675.21"}};
    for (const auto& [setting, compounding, payment] : rows) {
        MMODULE mm;
        mm.DefaultCompounding = static_cast<std::int16_t>(setting);
        mm.CurrencySymbol = "$";
        mm.DaysOption = mm.TypingFlag = mm.HelpShown = 2;
        mm.DaysInYear = 364;
        mm.BiWeeklyPeriods = mm.WeeklyPeriods = 26;
        const AffordWindowValues own = AffordOpen(mm);
        EXPECT_EQ(own.compounding, compounding) << setting;
        EXPECT_EQ(own.MFValues, MFValueArray({0, 100000, 6.5, 25, 0}));
        EXPECT_EQ(std::tie(mm.DaysOption, mm.DaysInYear, mm.TypingFlag, mm.HelpShown,
                           mm.BiWeeklyPeriods, mm.WeeklyPeriods),
                  std::make_tuple(1, 365.0f, 0, 0, 26.07142857, 52.14285714));
        EXPECT_EQ(MFCalc(AffordPendingInput(mm, own)).solvedBox, RightAlign(payment, 16));
    }
    EXPECT_EQ(
        std::tuple(AffordStartText(AffordBox::Principal, "$"),
                   AffordStartText(AffordBox::Rate, "$"), AffordStartText(AffordBox::Years, "$")),
        std::tuple("   $100,000.00", "        6.500%", "              25"));
}

TEST(AffordMapping, EachRunStartsFromTheValuesTheLastOneStored) {
    MMODULE mm;
    mm.CurrencySymbol = "$";
    AffordWindowValues own = AffordOpen(mm);
    own.frequency = lists::kFrequency[4];
    mm.DaysInYear = 365.25f;  // the days-in-year dialog's choice reaches the calculation
    mm.BiWeeklyPeriods = 26.08928571;
    const auto run = [&](AffordSolve solve) {
        own.solve = solve;
        const AffordResult r = MFCalc(AffordPendingInput(mm, own));
        StoreAffordResult(r, own, mm);
        return r;
    };
    const AffordResult payment = run(AffordSolve::Payment);
    EXPECT_EQ(std::tuple(payment.solvedBox, payment.MFDaysinYear, mm.PaymentsPerYear,
                         mm.FrequencyKind, own.MFMonthlyRate, own.MFPeriodRate),
              std::tuple(RightAlign("$675.21", 16), "365.25", 26, 2, payment.rates.monthlyRate,
                         payment.rates.periodRate));
    // Solved back from the unshortened payment, the principal is 100,000.00 (not 100,000.42).
    EXPECT_EQ(run(AffordSolve::Principal).solvedBox, RightAlign("$100,000.00", 16));
    own.MFValues[kMFPayment] = 700;
    EXPECT_EQ(run(AffordSolve::Years).solvedBox, RightAlign("22.93", 16));
    // The years keep their fraction: the payment comes back as 700.00.
    EXPECT_EQ(run(AffordSolve::Payment).solvedBox, RightAlign("$700.00", 16));

    // Lists that give no rate leave the frequency of the shared state as it was.
    own.frequency = "weekly";
    EXPECT_TRUE(run(AffordSolve::Payment).failed);
    EXPECT_EQ(std::tuple(own.MFValues[kMFPayment], own.MFMonthlyRate, mm.PaymentsPerYear),
              std::tuple(0.0, 0.0, 26));
}

TEST(AffordBoxText, FormatsOfTheLeftBoxes) {
    const std::tuple<AffordBox, double, const char*, std::string> rows[] = {
        {AffordBox::Payment, 1350.405, "EUR", RightAlign("EUR1,350.41", 16)},
        {AffordBox::Principal, 1e12, "$", "$1,000,000,000,000.00"},  // longer than its box
        {AffordBox::Rate, 7.125, "$", "         7.125%"},
        {AffordBox::Rate, 1e14, "$", "100000000000000.000%"},
        {AffordBox::Years, 40, "$", RightAlign("40", 16)}};
    for (const auto& [box, value, currency, text] : rows)
        EXPECT_EQ(AffordBoxText(box, value, currency), text) << value;
}

TEST(AffordYearsOverLimit, FortyIsTheLastAllowed) {
    const std::pair<const char*, bool> rows[] = {
        {"41", true}, {"40", false}, {"   25", false}, {"", false}, {"40.5", true}};
    for (const auto& [text, over] : rows) EXPECT_EQ(AffordYearsOverLimit(text), over) << text;
}

}  // namespace
}  // namespace bw
