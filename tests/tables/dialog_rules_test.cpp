// The rules of the tables window's dialogs: additional payments (month options, year rows,
// counting, erasing and the keys typed into a cell), days in year, term and first payment date.

#include <gtest/gtest.h>

#include <limits>

#include "shell/dates.h"
#include "tables/days_choice.h"
#include "tables/pre_pay_rules.h"
#include "tables/term_and_date.h"

namespace bw {
namespace {

TEST(PrePayRules, MonthOptionsAndTheirCodes) {
    std::string captions;
    for (int i = 0; i < kPrePayMonthOptions; ++i) captions += PrePayMonthCaption(i) + "|";
    EXPECT_EQ(captions, " 1| 2| 3| 4| 5| 6| 7| 8| 9|10|11|12|");
    const std::pair<int, int> stored[] = {{0, 12}, {1, 1}, {11, 11}};
    for (auto [option, code] : stored) EXPECT_EQ(PrePayMonthForOption(option), code) << option;
    // Codes 12 and 0 select " 1", as do codes a damaged file might hold.
    const std::pair<int, int> shown[] = {{12, 0}, {0, 0}, {1, 1}, {11, 11}, {13, 0}, {-1, 0}};
    for (auto [code, option] : shown)
        EXPECT_EQ(PrePayOptionForMonth(static_cast<std::int16_t>(code)), option) << code;
}

TEST(PrePayRules, YearRowsRoundHalvesToEvenAndTheGridHasAtLeastTwenty) {
    const std::tuple<double, int, int> cases[] = {
        {25.5, 26, 27}, {24.5, 24, 25}, {25.49, 25, 26},
        {10, 10, 20},   {0.5, 0, 20},   {46, 45, 46},
        {1e9, 45, 46},  {-3, 0, 20},    {std::numeric_limits<double>::quiet_NaN(), 0, 20}};
    for (const auto& [period, years, gridRows] : cases) {
        const std::int16_t shown = PrePayYearsForPeriod(period);
        EXPECT_EQ(std::tuple(shown, PrePayGridRows(shown)), std::tuple(years, gridRows)) << period;
    }
}

TEST(PrePayRules, NumberCountAndEraseTouchOnlyThePeriodsYears) {
    PrePayTableData table{};
    EXPECT_TRUE(NoPrePayAmounts(table, 25));
    table[25][2] = Money::fromDouble(1);  // the period's last year counts
    EXPECT_EQ(std::tuple(NoPrePayAmounts(table, 25), CountPrePayYears(table, 25)),
              std::tuple(false, 1));
    table[25][2] = Money();
    NumberPrePayYears(table, 25);
    EXPECT_EQ(std::tuple(table[25][1], table[26][1]), std::tuple(Money::fromDouble(25), Money()));
    table[2][2] = Money::fromDouble(5000);
    table[4][2] = Money::fromDouble(0.01);
    table[22][2] = Money::fromDouble(100);  // past a 20-year period
    EXPECT_EQ(std::tuple(NoPrePayAmounts(table, 25), CountPrePayYears(table, 25),
                         CountPrePayYears(table, 20)),
              std::tuple(false, 3, 2));
    // Only the period's years are erased; year numbers stay.
    ErasePrePayAmounts(table, 20);
    EXPECT_EQ(std::tuple(CountPrePayYears(table, 20), table[22][2], table[2][1]),
              std::tuple(0, Money::fromDouble(100), Money::fromDouble(2)));
    EXPECT_EQ(std::tuple(PrePayAmountText(Money::fromDouble(1500)), PrePayAmountText(Money())),
              std::tuple("1,500.00", ".00"));
}

// Each key replaces the cell's whole value with the value of the keys typed since it was entered.
TEST(PrePayEditBuffer, KeysTypedIntoACell) {
    using A = PrePayKeyAction;
    const std::tuple<int, A, double> steps[] = {
        {'1', A::SetAmount, 1},  {'5', A::SetAmount, 15},   {'0', A::SetAmount, 150},
        {'"', A::Discard, 0},    {'x', A::Beep, 0},         {',', A::Beep, 0},
        {8, A::SetZero, 0},      {'1', A::SetAmount, 1},    {'2', A::SetAmount, 12},
        {'.', A::SetAmount, 12}, {'3', A::SetAmount, 12.3}, {'4', A::SetAmount, 12.34},
        {'5', A::Ignore, 0},     {'.', A::Ignore, 0},       {13, A::MoveDown, 0}};
    PrePayEditBuffer b;
    for (const auto& [key, action, amount] : steps) {
        const PrePayKeyResult r = b.key(key);
        EXPECT_EQ(std::tuple(r.action, r.amount.toDouble()), std::tuple(action, amount)) << key;
    }
    b.clear();
    EXPECT_DOUBLE_EQ(b.key('7').amount.toDouble(), 7);
    // 999,999,999,999 is the largest whole amount.
    for (char k : std::string(11, '9')) b.key(k);
    EXPECT_EQ(b.key('9').action, PrePayKeyAction::Beep);
    EXPECT_EQ(b.text(), "799999999999");
    const PrePayKeyAction point = b.key('.').action;
    EXPECT_EQ(std::tuple(point, b.key('9').action), std::tuple(A::SetAmount, A::SetAmount));
}

TEST(DaysChoice, CaptionsTheOptionShownAndTheTypedCount) {
    std::string captions;
    for (int i = 0; i < kDaysOptions; ++i) captions += DaysOptionCaption(i) + "|";
    EXPECT_EQ(captions, "365.25|365|364|363|Type in year|");
    const std::pair<int, int> shown[] = {{0, 0}, {4, 4}, {5, 1}, {-1, 1}};
    for (auto [stored, index] : shown)
        EXPECT_EQ(DaysOptionIndex(static_cast<std::int16_t>(stored)), index) << stored;
    // "1e99999": the number ends at the letter.
    EXPECT_EQ(std::tuple(TypedDaysValue("364.5"), TypedDaysValue("1e99999"),
                         TypedDaysValue(std::string(44, '9'))),
              std::tuple(364.5f, 1.0f, 1e6f));
    EXPECT_EQ(std::tuple(DaysBoxText(364.5f), DaysBoxText(0.0f)), std::tuple("364.50", ".00"));
}

TEST(DaysChoice, ExitAcceptsCountsFrom363To365Point25) {
    const std::tuple<bool, float, bool> cases[] = {{false, 364.5f, true},   {false, 363.0f, true},
                                                   {false, 365.25f, true},  {false, 365.26f, false},
                                                   {false, 362.99f, false}, {true, 364.0f, false},
                                                   {false, 1e6f, false}};
    for (const auto& [empty, days, accepted] : cases) {
        const auto setting = AcceptTypedDays(empty, days);
        EXPECT_EQ(setting ? setting->daysInYear : 0.0f, accepted ? days : 0.0f) << days;
    }
}

TEST(TermChoice, OptionsAndATermLongerThanThePeriod) {
    std::string options;
    for (int i = 0; i < kTermOptions; ++i) {
        options += TermOptionCaption(i) + "=" + std::to_string(TermForOption(i)) + "|";
        EXPECT_EQ(TermOptionForTerm(TermForOption(i)), i);
    }
    EXPECT_EQ(options, "All Years=0|1 Year=1|2 Years=2|3 Years=3|4 Years=4|5 Years=5|10 Years=10|");
    // Terms no option offers, as a damaged file may hold them, show "All Years".
    EXPECT_EQ(std::tuple(TermOptionForTerm(7), TermOptionForTerm(-2)), std::tuple(0, 0));
    // 4.5: a 54-month loan; a term equal to the period is accepted.
    EXPECT_EQ(
        std::tuple(TermTooLong(3, 5), TermTooLong(4.5, 5), TermTooLong(3, 3), TermTooLong(25, 10)),
        std::tuple(true, true, false, false));
}

TEST(FirstPayDate, TypedTextBecomesShortDateOrIsRefused) {
    const std::string shortText = ShortDateText(QDate(2027, 3, 15));
    EXPECT_EQ(std::tuple(FirstPayDateFromText(shortText), FirstPayDateFromText("2027-03-15"),
                         FirstPayDateBoxText("2027-03-15")),
              std::tuple(shortText, shortText, shortText));
    // 31 February in either order of day and month, and texts that are not dates at all.
    for (const char* t : {"31/02/2027", "02/31/2027", "31/02", "2027-02-31", "", "abc", "13/13/13"})
        EXPECT_FALSE(FirstPayDateFromText(t).has_value()) << t;
    EXPECT_EQ(FirstPayDateBoxText("no date"), "no date");
}

}  // namespace
}  // namespace bw
