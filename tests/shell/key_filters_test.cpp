// The key filters of the number boxes.

#include <gtest/gtest.h>

#include "shell/key_filters.h"

namespace bw {
namespace {

// Two decimals, or three when the caller allows them: given by reference the allowance of three
// is used up by the key it lets through after the point, given by value it stays. The filter
// looks at the whole text, not the caret; a second point passes (the value reader stops at it).
TEST(DecimalKeyFilter, DecimalsAllowedAfterThePoint) {
    struct Case {
        int key;
        const char* text;
        int decimals;  // allowed before the key
        int passed;    // the key, or 0 when refused with a beep
        int after;     // the allowance given by reference, afterwards
    };
    // clang-format off
    const Case cases[] = {
        {'5', "12.3", 0, '5', 0}, {'5', "12.34", 0, 0, 0}, {'7', "1234", 0, '7', 0},
        {'7', "", 0, '7', 0}, {'7', "12.", 0, '7', 0}, {'1', "0.5", 1, '1', 1},
        {'1', "0.55", 1, 0, 1}, {'5', "10.12", 3, '5', 0}, {'5', "10.125", 3, 0, 0},
        {'5', "10", 3, '5', 3}, {'1', "5.25", 0, 0, 0}, {'.', "5.2", 0, '.', 0},
        {kKeyBackspace, "12.34", 0, kKeyBackspace, 0}, {kKeyDelete, "1.23", 0, kKeyDelete, 0}};
    // clang-format on
    for (const Case& c : cases) {
        const std::string where = std::to_string(c.key) + " on " + c.text;
        std::int16_t decimals = static_cast<std::int16_t>(c.decimals);
        const KeyVerdict byRef = DecimalKeyFilter(c.key, c.text, decimals);
        EXPECT_EQ(byRef.key, c.passed) << where;
        EXPECT_EQ(byRef.beep, c.passed == 0) << where;
        EXPECT_EQ(decimals, c.after) << where;
        EXPECT_EQ(DecimalKeyFilter(c.key, c.text, int{c.decimals}).key, c.passed) << where;
    }
}

TEST(KeyFilters, EditingKeysPassAndOtherCharactersBeep) {
    for (int key :
         {int{'a'}, int{'Z'}, int{','}, int{'-'}, int{' '}, int{'$'}, int{'%'}, kKeyEnter}) {
        const KeyVerdict d = DecimalKeyFilter(key, "12", 0), w = DigitKeyFilter(key);
        EXPECT_TRUE(d.key == 0 && d.beep && w.key == 0 && w.beep) << key;
    }
    for (int key : {int{'0'}, int{'5'}, int{'9'}, kKeyBackspace, kKeyDelete})
        EXPECT_EQ(std::pair(DigitKeyFilter(key).key, DigitKeyFilter(key).beep),
                  std::pair(key, false));
    EXPECT_TRUE(DigitKeyFilter('.').key == 0 && DigitKeyFilter('.').beep);
}

}  // namespace
}  // namespace bw
