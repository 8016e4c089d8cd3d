// The days-in-year rules: captions, the typed day count and the check of "E&xit".

#include "tables/days_choice.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(DaysChoice, Captions) {
    EXPECT_EQ(DaysOptionCaption(0), "365.25");
    EXPECT_EQ(DaysOptionCaption(1), "365");
    EXPECT_EQ(DaysOptionCaption(2), "364");
    EXPECT_EQ(DaysOptionCaption(3), "363");
    EXPECT_EQ(DaysOptionCaption(4), "Type in year");
    EXPECT_EQ(DaysOptionIndex(4), 4);
    EXPECT_EQ(DaysOptionIndex(7), 1);
    EXPECT_EQ(DaysOptionIndex(-1), 1);
}

TEST(DaysChoice, TypedValueAndBoxText) {
    EXPECT_FLOAT_EQ(TypedDaysValue("364.5"), 364.5f);
    EXPECT_FLOAT_EQ(TypedDaysValue(""), 0.0f);
    EXPECT_FLOAT_EQ(TypedDaysValue("1e99999"), 1.0f);  // the number ends at the letter
    EXPECT_FLOAT_EQ(TypedDaysValue("99999999999999999999999999999999999999999999"), 1e6f);
    EXPECT_EQ(DaysBoxText(364.5f), "364.50");
    EXPECT_EQ(DaysBoxText(365.25f), "365.25");
    EXPECT_EQ(DaysBoxText(0.0f), ".00");
}

TEST(DaysChoice, ExitCheckTakesTheTypedCountOnly) {
    const auto s = AcceptTypedDays(false, 365.25f);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->option, 4);
    EXPECT_EQ(s->biWeeklyPeriods, 365.25 / 14);
    EXPECT_EQ(s->weeklyPeriods, 365.25 / 7);
    EXPECT_FALSE(AcceptTypedDays(false, 1e6f).has_value());
    // An empty box counts as 0, whatever the day count held before.
    EXPECT_FALSE(AcceptTypedDays(true, 364.0f).has_value());
}

}  // namespace
}  // namespace bw
