// What one key typed into a number box does: emptying an untouched box, the filter's verdict and
// the order of the two.

#include <gtest/gtest.h>

#include "shell/key_filters.h"
#include "shell/number_box_rule.h"

namespace bw {
namespace {

constexpr NumberBoxRule kAmount{NumberKind::Decimal, 2, FilterOrder::EmptyFirst};
constexpr NumberBoxRule kAmountFilterFirst{NumberKind::Decimal, 2, FilterOrder::FilterFirst};
constexpr NumberBoxRule kRate{NumberKind::Decimal, 3, FilterOrder::EmptyFirst};
constexpr NumberBoxRule kOneDecimal{NumberKind::Decimal, 1, FilterOrder::EmptyFirst};
constexpr NumberBoxRule kYears{NumberKind::Digits, 0, FilterOrder::FilterFirst};
constexpr NumberBoxRule kYearsEmptyFirst{NumberKind::Digits, 0, FilterOrder::EmptyFirst};

struct Case {
    int key;
    const char* text;
    bool untouched;
    NumberBoxRule rule;
    bool emptyBox, accept, beep;
};

TEST(NumberBoxRule, EntryKeys) {
    const Case cases[] = {
        // The first key of an amount box meets the emptied box: any digit goes in. Judged
        // against the full text first, it is refused, and the box is emptied all the same.
        {'5', "12.34", true, kAmount, true, true, false},
        {'5', "12.34", true, kAmountFilterFirst, true, false, true},
        {'5', "12.3", true, kAmountFilterFirst, true, true, false},
        {'5', "12.34", false, kAmount, false, false, true},
        {'5', "12.3", false, kAmount, false, true, false},
        {'5', "1234", false, kAmount, false, true, false},
        {'.', "12.3", false, kAmount, false, true, false},
        {kKeyBackspace, "12.34", false, kAmount, false, true, false},
        {'a', "", true, kAmount, true, false, true},
        // Rates take a third decimal, every time, not once; an allowance below two means two.
        {'5', "6.50", false, kRate, false, true, false},
        {'5', "6.500", false, kRate, false, false, true},
        {'5', "6.5", false, kOneDecimal, false, true, false},
        {'5', "6.50", false, kOneDecimal, false, false, true},
        // Whole numbers: digits only, whichever order.
        {'7', "999", false, kYears, false, true, false},
        {'.', "25", false, kYears, false, false, true},
        {'a', "25", true, kYears, true, false, true},
        {'a', "25", true, kYearsEmptyFirst, true, false, true},
        {'3', "25", true, kYears, true, true, false}};
    for (const Case& c : cases) {
        const EntryStep step = EntryKey(c.key, c.text, c.untouched, c.rule);
        const std::string where = std::string(1, static_cast<char>(c.key)) + " on \"" + c.text +
                                  "\" untouched " + std::to_string(c.untouched);
        EXPECT_EQ(std::tuple(step.emptyBox, step.accept, step.beep),
                  std::tuple(c.emptyBox, c.accept, c.beep))
            << where;
    }
}

}  // namespace
}  // namespace bw
