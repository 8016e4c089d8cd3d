#pragma once
// The days counted in a year and the bi-weekly and weekly period counts derived from them.

#include <array>
#include <cstdint>

namespace bw {

struct DaysSetting {
    std::int16_t option = 1;  // 0 365.25, 1 365, 2 364, 3 363, 4 typed in
    float daysInYear = 365.0f;
    double biWeeklyPeriods = 26.07142857;
    double weeklyPeriods = 52.14285714;
};

// The setting of option 0..3 (fixed constants). Option 4 keeps `typedDays` and divides it by
// 14 and 7 in full double precision.
DaysSetting DaysForOption(std::int16_t option, float typedDays = 365.0f);

// A typed day count is accepted from 363 to 365.25 inclusive.
inline bool DaysInRange(float days) {
    return days >= 363.0f && days <= 365.25f;
}

}  // namespace bw
