#include "afford/afford_mapping.h"

#include "shell/number_format.h"

namespace bw {

std::size_t AffordSlot(AffordBox box) {
    switch (box) {
        case AffordBox::Principal:
            return kMFPrincipal;
        case AffordBox::Rate:
            return kMFRate;
        case AffordBox::Years:
            return kMFYears;
        case AffordBox::Payment:
            break;
    }
    return kMFPayment;
}

AffordBox SolvedBox(AffordSolve solve) {
    switch (solve) {
        case AffordSolve::Principal:
            return AffordBox::Principal;
        case AffordSolve::Years:
            return AffordBox::Years;
        case AffordSolve::Payment:
            break;
    }
    return AffordBox::Payment;
}

const std::string& AffordCompounding(int defaultCompounding) {
    const bool known = defaultCompounding >= 0 &&
                       defaultCompounding < static_cast<int>(lists::kCompounding.size());
    return lists::kCompounding[known ? static_cast<std::size_t>(defaultCompounding) : 0];
}

AffordWindowValues AffordOpen(MMODULE& mm) {
    mm.HelpShown = 0;
    mm.TypingFlag = 0;
    // The days in year always start at 365 here, whatever the days-in-year dialog held.
    mm.DaysOption = 1;
    mm.BiWeeklyPeriods = 26.07142857;
    mm.WeeklyPeriods = 52.14285714;
    mm.DaysInYear = 365.0f;

    AffordWindowValues own;
    own.compounding = AffordCompounding(mm.DefaultCompounding);
    own.MFValues[kMFPrincipal] = 100000;
    own.MFValues[kMFRate] = 6.5;
    own.MFValues[kMFYears] = 25;
    return own;
}

std::string AffordStartText(AffordBox box, const std::string& currencySymbol) {
    switch (box) {
        case AffordBox::Principal:
            return "   " + currencySymbol + "100,000.00";
        case AffordBox::Rate:
            return "        6.500%";
        case AffordBox::Years:
            return "              25";
        case AffordBox::Payment:
            break;
    }
    return "";
}

AffordInput AffordPendingInput(const MMODULE& mm, const AffordWindowValues& own) {
    AffordInput in;
    in.solve = own.solve;
    in.values = own.MFValues;
    in.compounding = own.compounding;
    in.frequency = own.frequency;
    in.daysInYear = mm.DaysInYear;
    in.biWeeklyPeriods = mm.BiWeeklyPeriods;
    in.weeklyPeriods = mm.WeeklyPeriods;
    in.currencySymbol = mm.CurrencySymbol;
    return in;
}

void StoreAffordResult(const AffordResult& result, AffordWindowValues& own, MMODULE& mm) {
    own.MFValues = result.values;
    own.MFMonthlyRate = result.rates.monthlyRate;
    own.MFPeriodRate = result.rates.periodRate;
    if (result.rates.paymentsPerYear != 0) {
        mm.FrequencyKind = result.rates.frequencyKind;
        mm.PaymentsPerYear = result.rates.paymentsPerYear;
    }
}

std::string AffordBoxText(AffordBox box, double value, const std::string& currencySymbol) {
    const auto fit = [](const std::string& text, int width) {
        return static_cast<int>(TextLength(text)) > width ? text : RightAlign(text, width);
    };
    switch (box) {
        case AffordBox::Rate:
            return fit(FormatNumber(value, "###.000"), 14) + "%";
        case AffordBox::Years:
            return fit(FormatNumber(value, "###"), 16);
        case AffordBox::Principal:
        case AffordBox::Payment:
            break;
    }
    return fit(currencySymbol + FormatNumber(value, "####,,###.00"), 16);
}

bool AffordYearsOverLimit(std::string_view yearsText) {
    return LeadingNumber(yearsText) > kAffordYearsLimit;
}

}  // namespace bw
