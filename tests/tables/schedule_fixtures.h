#pragma once
// The tables window's default mortgage and helpers shared by the engine and text tests.

#include <cmath>

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

inline ScheduleTexts TextsOf(const AmortizationInput& in) {
    return MakeScheduleTexts(CalculateSchedule(in), ViewOf(in));
}

// The seven result boxes, InDays .. TotSavd, joined by '|'.
inline std::string BoxesOf(const ScheduleTexts& t) {
    const ResultBoxes& b = t.boxes;
    return b.InDays + "|" + b.PeriodicR + "|" + b.NumPmtsYear + "|" + b.InMonthPI + "|" +
           b.EndMortYear + "|" + b.AllPayments + "|" + b.TotSavd;
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

}  // namespace bw::test
