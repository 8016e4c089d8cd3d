// The days-in-year dialog's rules: option captions, the option shown for a stored choice, the
// typed count and its box text, and the check made by "E&xit".

#include "tables/days_choice.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

TEST(DaysChoice, CaptionsAndTheOptionShown) {
    const char* captions[] = {"365.25", "365", "364", "363", "Type in year"};
    for (int i = 0; i < kDaysOptions; ++i) EXPECT_EQ(DaysOptionCaption(i), captions[i]);
    const std::pair<int, int> shown[] = {{0, 0}, {4, 4}, {7, 1}, {-1, 1}};
    for (auto [stored, index] : shown)
        EXPECT_EQ(DaysOptionIndex(static_cast<std::int16_t>(stored)), index) << stored;
}

TEST(DaysChoice, TypedCountsAndTheirText) {
    EXPECT_FLOAT_EQ(TypedDaysValue("364.5"), 364.5f);
    EXPECT_FLOAT_EQ(TypedDaysValue("1e99999"), 1.0f);  // the number ends at the letter
    EXPECT_FLOAT_EQ(TypedDaysValue("99999999999999999999999999999999999999999999"), 1e6f);
    EXPECT_EQ(DaysBoxText(364.5f), "364.50");
    EXPECT_EQ(DaysBoxText(0.0f), ".00");
}

TEST(DaysChoice, ExitAcceptsCountsFrom363To365Point25) {
    struct Case {
        bool empty;
        float days;
        bool accepted;
    } cases[] = {{false, 364.5f, true},   {false, 363.0f, true},   {false, 365.25f, true},
                 {false, 365.26f, false}, {false, 362.99f, false}, {true, 364.0f, false},
                 {false, 1e6f, false}};
    for (const Case& c : cases) {
        const auto setting = AcceptTypedDays(c.empty, c.days);
        ASSERT_EQ(setting.has_value(), c.accepted) << c.days;
        if (!setting) continue;
        EXPECT_EQ(setting->daysInYear, c.days);
        EXPECT_DOUBLE_EQ(setting->biWeeklyPeriods, static_cast<double>(c.days) / 14);
        EXPECT_DOUBLE_EQ(setting->weeklyPeriods, static_cast<double>(c.days) / 7);
    }
}

}  // namespace
}  // namespace bw
