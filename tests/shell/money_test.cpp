// The currency type: ten-thousandths in a signed 64-bit count.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "shell/money.h"

namespace bw {
namespace {

TEST(Money, RoundsToTheNearestTenThousandth) {
    const std::pair<double, std::int64_t> cases[] = {
        {917.5273207627645, 9175273}, {0.00004, 0},       {0.00006, 1},      {-0.00006, -1},
        {100000, 1000000000},         {12.34565, 123456}, {-7.67694, -76769}};
    for (const auto& [value, ticks] : cases)
        EXPECT_EQ(Money::fromDouble(value).ticks(), ticks) << value;
    // An exact half goes to the even ten-thousandth.
    EXPECT_EQ(Money::fromDouble(0.03125).ticks(), 312);  // 312.5 ticks, exact in binary
    EXPECT_EQ(Money::fromDouble(0.09375).ticks(), 938);  // 937.5 ticks
}

TEST(Money, AddsExactlyWhereDoublesDrift) {
    Money sum;
    double drift = 0;
    for (int k = 0; k < 1000; ++k) {
        sum += Money::fromDouble(0.1);
        drift += 0.1;
    }
    EXPECT_EQ(sum, Money::fromDouble(100));
    EXPECT_NE(drift, 100.0);
    EXPECT_EQ((Money::fromDouble(5) - Money::fromDouble(7.5)).ticks(), -25000);
    EXPECT_EQ((-Money::fromDouble(2.5)).ticks(), -25000);
    EXPECT_LT(Money::fromDouble(1.0001), Money::fromDouble(1.0002));
    EXPECT_DOUBLE_EQ(Money::fromTicks(76769).toDouble(), 7.6769);
}

TEST(Money, RefusesValuesOutsideItsRange) {
    for (double v : {1e15, -1e15, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()})
        EXPECT_THROW(Money::fromDouble(v), CurrencyOverflow) << v;
    EXPECT_NO_THROW(Money::fromDouble(9e14));
    const Money top = Money::fromTicks(std::numeric_limits<std::int64_t>::max());
    const Money bottom = Money::fromTicks(std::numeric_limits<std::int64_t>::min());
    EXPECT_THROW(top + Money::fromTicks(1), CurrencyOverflow);
    EXPECT_THROW(bottom - Money::fromTicks(1), CurrencyOverflow);
    EXPECT_THROW(-bottom, CurrencyOverflow);
}

TEST(Money, PlainTextIsTheShortestDecimalForm) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {123400, "12.34"},
        {1000000000, "100000"},
        {5000, ".5"},
        {-5000, "-.5"},
        {0, "0"},
        {1, ".0001"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"}};
    for (const auto& [ticks, text] : cases) EXPECT_EQ(Money::fromTicks(ticks).plainText(), text);
}

}  // namespace
}  // namespace bw
