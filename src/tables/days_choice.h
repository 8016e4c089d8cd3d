#pragma once
// The rules of the days-in-year dialog that need no widget: option captions, the value a typed
// day count stands for, its box text, and the check made when the dialog is left.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tables/days_in_year.h"

namespace bw {

constexpr int kDaysOptions = 5;

// "365.25", "365", "364", "363", "Type in year".
std::string DaysOptionCaption(int index);
// The option shown for a stored DaysOption; a value outside 0..4 shows "365" (the default).
int DaysOptionIndex(std::int16_t daysOption);

// The day count a box text stands for: its leading number, kept within 0..1e6 so that it fits
// single precision.
float TypedDaysValue(std::string_view text);
// The text the box shows for a day count: "###.00".
std::string DaysBoxText(float days);

// "E&xit" with "Type in year": the setting to store, or nothing when the count is outside
// 363..365.25 (message 19). An empty box counts as 0.
std::optional<DaysSetting> AcceptTypedDays(bool boxEmpty, float daysInYear);

}  // namespace bw
