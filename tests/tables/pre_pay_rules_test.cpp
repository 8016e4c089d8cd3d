// The additional-payments rules at their edges: codes a damaged file may hold, periods no window
// passes, erasing only the period's years, and the edit buffer's limits. The everyday behaviour
// (captions, codes, year rows, counting, typing key by key) is tested through the dialog.

#include "tables/pre_pay_rules.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace bw {
namespace {

TEST(PrePayRules, DamagedMonthCodesAndStrangePeriods) {
    // Codes a damaged file might hold select " 1" instead of a missing option.
    for (std::int16_t code : {0, 13, -1}) EXPECT_EQ(PrePayOptionForMonth(code), 0) << code;
    const std::pair<double, int> cases[] = {
        {25.49, 25}, {0.5, 0},  {1.5, 2},  {45.0, 45},
        {46.0, 45},  {1e9, 45}, {-3.0, 0}, {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [period, years] : cases)
        EXPECT_EQ(PrePayYearsForPeriod(period), years) << period;
}

TEST(PrePayRules, EraseTouchesOnlyThePeriodsAmounts) {
    PrePayTableData table{};
    EXPECT_TRUE(NoPrePayAmounts(table, 25));
    NumberPrePayYears(table, 25);
    EXPECT_EQ(table[26][1], Money());
    table[2][2] = Money::fromDouble(5000);
    table[4][2] = Money::fromDouble(0.01);
    table[22][2] = Money::fromDouble(100);  // past a 20-year period
    EXPECT_EQ(CountPrePayYears(table, 25), 3);
    ErasePrePayAmounts(table, 20);
    EXPECT_EQ(CountPrePayYears(table, 20), 0);
    EXPECT_EQ(table[22][2], Money::fromDouble(100));  // only the period's years are erased
    EXPECT_EQ(table[2][1], Money::fromDouble(2));     // year numbers stay
}

TEST(PrePayEditBuffer, PunctuationBeepsAndASecondPointEndsTheNumber) {
    PrePayEditBuffer b;
    for (int key : {',', ' ', '-', 'a'}) EXPECT_EQ(b.key(key).action, PrePayKeyAction::Beep) << key;
    // The point rule looks at the first point: "12.3." still takes its value from "12.3".
    for (char k : std::string("12.3")) b.key(k);
    const PrePayKeyResult r = b.key('.');
    EXPECT_EQ(r.action, PrePayKeyAction::SetAmount);
    EXPECT_DOUBLE_EQ(r.amount.toDouble(), 12.3);
    EXPECT_EQ(b.key('9').action, PrePayKeyAction::Ignore);  // two characters past the point
}

TEST(PrePayEditBuffer, HugeAmountsAreRefused) {
    PrePayEditBuffer b;
    for (char k : std::string(12, '9')) b.key(k);  // 999,999,999,999
    EXPECT_EQ(b.text(), "999999999999");
    EXPECT_EQ(b.key('9').action, PrePayKeyAction::Beep);
    EXPECT_EQ(b.text(), "999999999999");
    EXPECT_EQ(b.key('.').action, PrePayKeyAction::SetAmount);
    EXPECT_EQ(b.key('9').action, PrePayKeyAction::SetAmount);
}

}  // namespace
}  // namespace bw
