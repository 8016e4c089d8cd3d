// The key filters of the number boxes.

#include <gtest/gtest.h>

#include "shell/key_filters.h"

namespace bw {
namespace {

TEST(DecimalKeyFilter, AllowsTwoDecimalsByDefault) {
    std::int16_t decimals = 0;
    EXPECT_EQ(DecimalKeyFilter('5', "12.3", decimals).key, '5');
    const KeyVerdict full = DecimalKeyFilter('5', "12.34", decimals);
    EXPECT_EQ(full.key, 0);
    EXPECT_TRUE(full.beep);
    EXPECT_EQ(DecimalKeyFilter('7', "1234", decimals).key, '7');
    EXPECT_EQ(DecimalKeyFilter('7', "", decimals).key, '7');
    EXPECT_EQ(DecimalKeyFilter('7', "12.", decimals).key, '7');
    // Values of 2 or less mean two decimals and stay as they are.
    decimals = 1;
    EXPECT_EQ(DecimalKeyFilter('1', "0.5", decimals).key, '1');
    EXPECT_EQ(DecimalKeyFilter('1', "0.55", decimals).key, 0);
    EXPECT_EQ(decimals, 1);
}

TEST(DecimalKeyFilter, ThreeDecimalsOnceForTheRateBoxes) {
    std::int16_t decimals = 3;
    EXPECT_EQ(DecimalKeyFilter('5', "10.12", decimals).key, '5');
    EXPECT_EQ(decimals, 0);  // used up
    decimals = 3;
    EXPECT_EQ(DecimalKeyFilter('5', "10.125", decimals).key, 0);
    EXPECT_EQ(decimals, 0);
    // Without setting it again, two decimals apply.
    EXPECT_EQ(DecimalKeyFilter('5', "10.12", decimals).key, 0);
    // A digit before the point does not use the allowance.
    decimals = 3;
    EXPECT_EQ(DecimalKeyFilter('5', "10", decimals).key, '5');
    EXPECT_EQ(decimals, 3);
}

TEST(DecimalKeyFilter, AllowanceByValueIsNotUsedUp) {
    const int decimals = 3;
    EXPECT_EQ(DecimalKeyFilter('5', "10.12", decimals).key, '5');
    EXPECT_EQ(DecimalKeyFilter('5', "10.12", decimals).key, '5');
    EXPECT_EQ(DecimalKeyFilter('5', "10.125", decimals).key, 0);
    EXPECT_EQ(DecimalKeyFilter('5', "10.1", 0).key, '5');
    EXPECT_EQ(DecimalKeyFilter('5', "10.12", 0).key, 0);
}

TEST(DecimalKeyFilter, LooksAtTheWholeTextNotTheCaret) {
    std::int16_t decimals = 0;
    // Two decimals are there already: a digit is refused even if it was meant for the front.
    EXPECT_EQ(DecimalKeyFilter('1', "5.25", decimals).key, 0);
    // A second point is let through; the value reader stops at it later.
    EXPECT_EQ(DecimalKeyFilter('.', "5.2", decimals).key, '.');
}

TEST(KeyFilters, EditingKeysPassAndOtherCharactersBeep) {
    std::int16_t decimals = 0;
    for (int key : {kKeyBackspace, kKeyDelete}) {
        EXPECT_EQ(DecimalKeyFilter(key, "12.34", decimals).key, key);
        EXPECT_FALSE(DecimalKeyFilter(key, "12.34", decimals).beep);
        EXPECT_EQ(DigitKeyFilter(key).key, key);
    }
    for (int key :
         {int{'a'}, int{'Z'}, int{','}, int{'-'}, int{' '}, int{'$'}, int{'%'}, kKeyEnter}) {
        const KeyVerdict d = DecimalKeyFilter(key, "12", decimals);
        EXPECT_EQ(d.key, 0) << key;
        EXPECT_TRUE(d.beep) << key;
        const KeyVerdict w = DigitKeyFilter(key);
        EXPECT_EQ(w.key, 0) << key;
        EXPECT_TRUE(w.beep) << key;
    }
    for (int key = '0'; key <= '9'; ++key) {
        EXPECT_EQ(DigitKeyFilter(key).key, key);
        EXPECT_FALSE(DigitKeyFilter(key).beep);
    }
    EXPECT_EQ(DigitKeyFilter('.').key, 0);
    EXPECT_TRUE(DigitKeyFilter('.').beep);
}

}  // namespace
}  // namespace bw
