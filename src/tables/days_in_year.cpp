#include "tables/days_in_year.h"

namespace bw {

DaysSetting DaysForOption(std::int16_t option, float typedDays) {
    switch (option) {
        case 0:
            return {0, 365.25f, 26.08928571, 52.17857143};
        case 1:
            return {1, 365.0f, 26.07142857, 52.14285714};
        case 2:
            return {2, 364.0f, 26.0, 52.0};
        case 3:
            return {3, 363.0f, 25.92857143, 51.85714286};
        default: {
            const double days = static_cast<double>(typedDays);
            return {4, typedDays, days / 14.0, days / 7.0};
        }
    }
}

}  // namespace bw
