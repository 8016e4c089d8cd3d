// The additional-payments rules: month options, year rows, counting and the edit buffer.

#include "tables/pre_pay_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace bw {
namespace {

TEST(PrePayMonth, OptionCaptionsAndStoredCodes) {
    // Option k shows k + 1; " 1" stores 12 (after the twelfth payment: paid in month 1), the
    // others store their index.
    const std::vector<std::string> captions = {" 1", " 2", " 3", " 4", " 5", " 6",
                                               " 7", " 8", " 9", "10", "11", "12"};
    for (int i = 0; i < kPrePayMonthOptions; ++i) {
        EXPECT_EQ(PrePayMonthCaption(i), captions[static_cast<std::size_t>(i)]);
        EXPECT_EQ(PrePayMonthForOption(i), i == 0 ? 12 : i) << i;
    }
    EXPECT_EQ(PrePayMonthForOption(11), 11);  // "12" stores 11
}

TEST(PrePayMonth, StoredCodeSelectsOption) {
    EXPECT_EQ(PrePayOptionForMonth(12), 0);
    EXPECT_EQ(PrePayOptionForMonth(0), 0);
    for (std::int16_t c = 1; c <= 11; ++c) EXPECT_EQ(PrePayOptionForMonth(c), c);
    // Codes a damaged file might hold select " 1" instead of a missing option.
    EXPECT_EQ(PrePayOptionForMonth(13), 0);
    EXPECT_EQ(PrePayOptionForMonth(-1), 0);
    // Round trip: every option's code selects that option again.
    for (int i = 0; i < kPrePayMonthOptions; ++i)
        EXPECT_EQ(PrePayOptionForMonth(PrePayMonthForOption(i)), i);
}

TEST(PrePayYears, RoundsHalvesToEvenAndStaysInTable) {
    struct Case {
        double period;
        int years;
    } cases[] = {{25.5, 26}, {24.5, 24},
                 {25.0, 25}, {25.49, 25},
                 {4.0, 4},   {0.5, 0},
                 {1.5, 2},   {40.0, 40},
                 {45.0, 45}, {46.0, 45},
                 {1e9, 45},  {-3.0, 0},
                 {0.0, 0},   {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& c : cases) EXPECT_EQ(PrePayYearsForPeriod(c.period), c.years) << c.period;
}

TEST(PrePayYears, GridHasAtLeastTwentyRows) {
    EXPECT_EQ(PrePayGridRows(0), 20);
    EXPECT_EQ(PrePayGridRows(10), 20);
    EXPECT_EQ(PrePayGridRows(19), 20);
    EXPECT_EQ(PrePayGridRows(20), 21);
    EXPECT_EQ(PrePayGridRows(26), 27);
    EXPECT_EQ(PrePayGridRows(45), 46);
}

TEST(PrePayTable, NumberCountAndErase) {
    PrePayTableData table{};
    EXPECT_TRUE(NoPrePayAmounts(table, 25));
    NumberPrePayYears(table, 25);
    EXPECT_EQ(table[1][1], Money::fromDouble(1));
    EXPECT_EQ(table[25][1], Money::fromDouble(25));
    EXPECT_EQ(table[26][1], Money());

    table[2][2] = Money::fromDouble(5000);
    table[4][2] = Money::fromDouble(0.01);
    table[22][2] = Money::fromDouble(100);  // past a 20-year period
    EXPECT_FALSE(NoPrePayAmounts(table, 25));
    EXPECT_EQ(CountPrePayYears(table, 25), 3);
    EXPECT_EQ(CountPrePayYears(table, 20), 2);  // amounts past the period are not counted
    EXPECT_EQ(CountPrePayYears(table, 3), 1);

    ErasePrePayAmounts(table, 20);
    EXPECT_EQ(CountPrePayYears(table, 20), 0);
    EXPECT_EQ(table[22][2], Money::fromDouble(100));  // only the period's years are erased
    EXPECT_EQ(table[2][1], Money::fromDouble(2));     // year numbers stay
}

TEST(PrePayTable, AmountText) {
    EXPECT_EQ(PrePayAmountText(Money()), ".00");
    EXPECT_EQ(PrePayAmountText(Money::fromDouble(12.34)), "12.34");
    EXPECT_EQ(PrePayAmountText(Money::fromDouble(1500)), "1,500.00");
    EXPECT_EQ(PrePayAmountText(Money::fromDouble(1234567.5)), "1,234,567.50");
}

// Feeds a key sequence and returns the amount after each key that set one.
std::vector<double> Amounts(PrePayEditBuffer& buffer, const std::string& keys) {
    std::vector<double> out;
    for (char k : keys) {
        const PrePayKeyResult r = buffer.key(static_cast<unsigned char>(k));
        if (r.action == PrePayKeyAction::SetAmount || r.action == PrePayKeyAction::SetZero)
            out.push_back(r.amount.toDouble());
    }
    return out;
}

TEST(PrePayEditBuffer, EachKeyReplacesTheWholeValue) {
    PrePayEditBuffer b;
    EXPECT_EQ(Amounts(b, "1500"), (std::vector<double>{1, 15, 150, 1500}));
    b.clear();
    EXPECT_EQ(Amounts(b, "12.345"), (std::vector<double>{1, 12, 12, 12.3, 12.34}));
    EXPECT_EQ(b.text(), "12.34");
}

TEST(PrePayEditBuffer, KeyByKey) {
    struct Step {
        int key;
        PrePayKeyAction action;
        double amount;  // for SetAmount / SetZero
        std::string buffer;
    };
    using A = PrePayKeyAction;
    const std::vector<Step> steps = {
        {'"', A::Discard, 0, ""},    {'7', A::SetAmount, 7, "7"},    {8, A::SetZero, 0, ""},
        {'a', A::Beep, 0, ""},       {',', A::Beep, 0, ""},          {'-', A::Beep, 0, ""},
        {' ', A::Beep, 0, ""},       {'.', A::SetAmount, 0, "."},    {'5', A::SetAmount, .5, ".5"},
        {'"', A::Discard, 0, ".5"},  {'0', A::SetAmount, .5, ".50"}, {'1', A::Ignore, 0, ".50"},
        {13, A::MoveDown, 0, ".50"},
    };
    PrePayEditBuffer b;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        const PrePayKeyResult r = b.key(s.key);
        EXPECT_EQ(r.action, s.action) << "step " << i;
        if (s.action == A::SetAmount || s.action == A::SetZero) {
            EXPECT_DOUBLE_EQ(r.amount.toDouble(), s.amount) << "step " << i;
        }
        EXPECT_EQ(b.text(), s.buffer) << "step " << i;
    }
}

TEST(PrePayEditBuffer, SecondPointEndsTheNumber) {
    // The point rule looks at the first point: "12.3." still takes its value from "12.3".
    PrePayEditBuffer b;
    const auto a = Amounts(b, "12.3.");
    EXPECT_DOUBLE_EQ(a.back(), 12.3);
    EXPECT_EQ(b.key('9').action, PrePayKeyAction::Ignore);  // two characters past the point
}

TEST(PrePayEditBuffer, HugeAmountsAreRefused) {
    PrePayEditBuffer b;
    Amounts(b, "999999999999");  // 12 digits: 999,999,999,999
    EXPECT_EQ(b.text(), "999999999999");
    EXPECT_EQ(b.key('9').action, PrePayKeyAction::Beep);
    EXPECT_EQ(b.text(), "999999999999");
    EXPECT_EQ(b.key('.').action, PrePayKeyAction::SetAmount);
    EXPECT_EQ(b.key('9').action, PrePayKeyAction::SetAmount);
}

}  // namespace
}  // namespace bw
