// The additional-payments rules: month options, year rows, counting and the edit buffer.

#include "tables/pre_pay_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace bw {
namespace {

TEST(PrePayMonth, OptionCaptionsStoredCodesAndBack) {
    // Option k shows k + 1; " 1" stores 12 (after the twelfth payment: paid in month 1), the
    // others store their index ("12" stores 11).
    for (int i = 0; i < kPrePayMonthOptions; ++i) {
        EXPECT_EQ(PrePayMonthCaption(i), (i < 9 ? " " : "") + std::to_string(i + 1));
        EXPECT_EQ(PrePayMonthForOption(i), i == 0 ? 12 : i) << i;
        EXPECT_EQ(PrePayOptionForMonth(PrePayMonthForOption(i)), i);
    }
    // Codes a damaged file might hold select " 1" instead of a missing option.
    for (std::int16_t code : {0, 13, -1}) EXPECT_EQ(PrePayOptionForMonth(code), 0) << code;
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
