#pragma once
// Inputs of the tables window's defaults and helpers shared by the engine and text tests.

#include <cmath>
#include <string>

#include "shell/dates.h"
#include "shell/mmodule.h"
#include "tables/amortization_engine.h"
#include "tables/schedule_texts.h"

namespace bw::test {

inline const std::string kMonthly = lists::kFrequency[0];
inline const std::string kSemimonthly = lists::kFrequency[1];
inline const std::string kTwoWeeks = lists::kFrequency[2];
inline const std::string kOneWeek = lists::kFrequency[3];
inline const std::string kBiweeklyAcc = lists::kFrequency[4];
inline const std::string kWeeklyAcc = lists::kFrequency[5];

inline const std::string kMonthlyComp = lists::kCompounding[0];
inline const std::string kQuarterlyComp = lists::kCompounding[2];
inline const std::string kSemiannualComp = lists::kCompounding[3];

// 100,000 at 10.125 percent over 25 years, all payments, 365 days: the window's defaults.
inline AmortizationInput DefaultMortgage(const std::string& frequency = kMonthly) {
    AmortizationInput in;
    in.frequency = frequency;
    return in;
}

inline void SetPrePay(AmortizationInput& in, int year, double amount) {
    in.prePayTable[static_cast<std::size_t>(year)][1] = Money::fromDouble(year);
    in.prePayTable[static_cast<std::size_t>(year)][2] = Money::fromDouble(amount);
}

// The view the window would pass after this input, with the dialog's count of years with amounts.
inline ScheduleView ViewOf(const AmortizationInput& in, const std::string& symbol = "$") {
    ScheduleView v;
    v.tableMode = in.tableMode;
    v.rowView = in.rowView;
    v.dateMode = in.dateMode;
    v.currencySymbol = symbol;
    v.daysInYear = in.daysInYear;
    v.prePayTable = in.prePayTable;
    v.prePayMonth = in.prePayMonth;
    for (int y = 1; y <= kYearLastRow; ++y)
        if (in.prePayTable[static_cast<std::size_t>(y)][2] > Money()) ++v.prePayCount;
    return v;
}

inline double Cents(double v) {
    return std::round(v * 100) / 100;
}
inline double Cents(Money m) {
    return Cents(m.toDouble());
}

inline const ScheduleRow& RowOf(const AmortizationResult& r, int k) {
    return r.schedule.at(static_cast<std::size_t>(k));
}

// The payment date of row k (a date serial in column 7).
inline QDate DateOf(const AmortizationResult& r, int k) {
    return DateFromSerial(RowOf(r, k)[7].ticks() / Money::kScale);
}

}  // namespace bw::test
