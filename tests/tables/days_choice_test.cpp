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

TEST(DaysChoice, ExitCheckBounds) {
    struct Case {
        float days;
        bool accepted;
    } cases[] = {{363.0f, true}, {365.25f, true},  {364.5f, true},
                 {365.0f, true}, {362.99f, false}, {365.26f, false},
                 {0.0f, false},  {366.0f, false},  {1e6f, false}};
    for (const auto& c : cases)
        EXPECT_EQ(AcceptTypedDays(false, c.days).has_value(), c.accepted) << c.days;
    // An empty box counts as 0, whatever the day count held before.
    EXPECT_FALSE(AcceptTypedDays(true, 364.0f).has_value());
}

TEST(DaysChoice, TypedCountGivesPeriodsInFullPrecision) {
    const auto s = AcceptTypedDays(false, 364.5f);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->option, 4);
    EXPECT_EQ(s->daysInYear, 364.5f);
    EXPECT_EQ(s->biWeeklyPeriods, 26.035714285714285);
    EXPECT_EQ(s->weeklyPeriods, 52.07142857142857);
    const auto edge = AcceptTypedDays(false, 365.25f);
    ASSERT_TRUE(edge);
    EXPECT_EQ(edge->biWeeklyPeriods, 365.25 / 14);
    EXPECT_EQ(edge->weeklyPeriods, 365.25 / 7);
}

}  // namespace
}  // namespace bw
