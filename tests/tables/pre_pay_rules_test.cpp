// The additional-payments rules: month options and codes, year rows, counting and erasing, and
// the edit buffer that turns the keys typed into a cell into the year's amount.

#include "tables/pre_pay_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace bw {
namespace {

TEST(PrePayRules, MonthOptionsAndTheirCodes) {
    EXPECT_EQ(PrePayMonthCaption(0), " 1");
    EXPECT_EQ(PrePayMonthCaption(8), " 9");
    EXPECT_EQ(PrePayMonthCaption(11), "12");
    const std::pair<int, int> stored[] = {{0, 12}, {1, 1}, {4, 4}, {11, 11}};
    for (auto [option, code] : stored) EXPECT_EQ(PrePayMonthForOption(option), code) << option;
    // Codes 12 and 0 select " 1", as do codes a damaged file might hold.
    const std::pair<int, int> shown[] = {{12, 0}, {0, 0}, {4, 4}, {11, 11}, {13, 0}, {-1, 0}};
    for (auto [code, option] : shown)
        EXPECT_EQ(PrePayOptionForMonth(static_cast<std::int16_t>(code)), option) << code;
}

TEST(PrePayRules, YearRowsRoundHalvesToEvenAndTheGridHasAtLeastTwenty) {
    struct Case {
        double period;
        int years, gridRows;
    } cases[] = {{25.5, 26, 27}, {24.5, 24, 25}, {25.49, 25, 26},
                 {40, 40, 41},   {10, 10, 20},   {4, 4, 20},
                 {0.5, 0, 20},   {1.5, 2, 20},   {46, 45, 46},
                 {1e9, 45, 46},  {-3, 0, 20},    {std::numeric_limits<double>::quiet_NaN(), 0, 20}};
    for (const Case& c : cases) {
        const std::int16_t years = PrePayYearsForPeriod(c.period);
        EXPECT_EQ(years, c.years) << c.period;
        EXPECT_EQ(PrePayGridRows(years), c.gridRows) << c.period;
    }
}

TEST(PrePayRules, NumberCountAndEraseTouchOnlyThePeriodsYears) {
    PrePayTableData table{};
    EXPECT_TRUE(NoPrePayAmounts(table, 25));
    NumberPrePayYears(table, 25);
    EXPECT_EQ(table[25][1], Money::fromDouble(25));
    EXPECT_EQ(table[26][1], Money());
    table[2][2] = Money::fromDouble(5000);
    table[4][2] = Money::fromDouble(0.01);
    table[22][2] = Money::fromDouble(100);  // past a 20-year period
    EXPECT_FALSE(NoPrePayAmounts(table, 25));
    EXPECT_EQ(CountPrePayYears(table, 25), 3);
    EXPECT_EQ(CountPrePayYears(table, 20), 2);
    ErasePrePayAmounts(table, 20);
    EXPECT_EQ(CountPrePayYears(table, 20), 0);
    EXPECT_EQ(table[22][2], Money::fromDouble(100));  // only the period's years are erased
    EXPECT_EQ(table[2][1], Money::fromDouble(2));     // year numbers stay
    EXPECT_EQ(PrePayAmountText(Money::fromDouble(1500)), "1,500.00");
    EXPECT_EQ(PrePayAmountText(Money()), ".00");
}

// Each key replaces the cell's whole value with the value of the keys typed since it was entered.
TEST(PrePayEditBuffer, KeysTypedIntoACell) {
    using A = PrePayKeyAction;
    struct Step {
        int key;
        A action;
        double amount;
    };
    const std::vector<Step> steps = {
        {'1', A::SetAmount, 1},     {'5', A::SetAmount, 15}, {'0', A::SetAmount, 150},
        {'0', A::SetAmount, 1500},  {'"', A::Discard, 0},    {'x', A::Beep, 0},
        {',', A::Beep, 0},          {8, A::SetZero, 0},      {'1', A::SetAmount, 1},
        {'2', A::SetAmount, 12},    {'.', A::SetAmount, 12}, {'3', A::SetAmount, 12.3},
        {'4', A::SetAmount, 12.34}, {'5', A::Ignore, 0},     {'.', A::Ignore, 0},
        {13, A::MoveDown, 0}};
    PrePayEditBuffer b;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.key);
        const PrePayKeyResult r = b.key(s.key);
        EXPECT_EQ(r.action, s.action);
        if (s.action == A::SetAmount) {
            EXPECT_DOUBLE_EQ(r.amount.toDouble(), s.amount);
        }
    }
    b.clear();
    EXPECT_DOUBLE_EQ(b.key('7').amount.toDouble(), 7);
}

TEST(PrePayEditBuffer, HugeAmountsAreRefused) {
    PrePayEditBuffer b;
    for (char k : std::string(12, '9')) b.key(k);  // 999,999,999,999
    EXPECT_EQ(b.key('9').action, PrePayKeyAction::Beep);
    EXPECT_EQ(b.text(), "999999999999");
    EXPECT_EQ(b.key('.').action, PrePayKeyAction::SetAmount);
    EXPECT_EQ(b.key('9').action, PrePayKeyAction::SetAmount);
}

}  // namespace
}  // namespace bw
