// The days-in-year rules at their edges: option numbers and typed texts no dialog offers. The
// options, the typed count and the check of "E&xit" are tested through the dialog.

#include "tables/days_choice.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(DaysChoice, StrangeOptionsAndTypedTexts) {
    EXPECT_EQ(DaysOptionIndex(4), 4);
    EXPECT_EQ(DaysOptionIndex(7), 1);
    EXPECT_EQ(DaysOptionIndex(-1), 1);
    EXPECT_FLOAT_EQ(TypedDaysValue("1e99999"), 1.0f);  // the number ends at the letter
    EXPECT_FLOAT_EQ(TypedDaysValue("99999999999999999999999999999999999999999999"), 1e6f);
    EXPECT_FALSE(AcceptTypedDays(false, 1e6f).has_value());
    EXPECT_EQ(DaysBoxText(0.0f), ".00");
}

}  // namespace
}  // namespace bw
