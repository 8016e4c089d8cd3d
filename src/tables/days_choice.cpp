#include "tables/days_choice.h"

#include <algorithm>
#include <cmath>

#include "shell/number_format.h"

namespace bw {

std::string DaysOptionCaption(int index) {
    switch (index) {
        case 0:
            return "365.25";
        case 1:
            return "365";
        case 2:
            return "364";
        case 3:
            return "363";
        default:
            return "Type in year";
    }
}

int DaysOptionIndex(std::int16_t daysOption) {
    return daysOption >= 0 && daysOption < kDaysOptions ? daysOption : 1;
}

float TypedDaysValue(std::string_view text) {
    const double value = LeadingNumber(text);
    if (!std::isfinite(value)) return 0.0f;
    return static_cast<float>(std::clamp(value, 0.0, 1e6));
}

std::string DaysBoxText(float days) {
    return FormatNumber(static_cast<double>(days), "###.00");
}

std::optional<DaysSetting> AcceptTypedDays(bool boxEmpty, float daysInYear) {
    const float days = boxEmpty ? 0.0f : daysInYear;
    if (!DaysInRange(days)) return std::nullopt;
    return DaysForOption(4, days);
}

}  // namespace bw
