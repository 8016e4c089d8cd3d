#pragma once
// The values and texts of the tables window that need no widget: what each mode starts with,
// how the three number boxes show their values, the period's limit, and what loading and
// leaving the window do to the shared state.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/mmodule.h"

namespace bw {

// What the window shows and stores when it loads in a mode (1 mortgage, 2 personal loan).
struct TablesWindowStart {
    std::string frameCaption;
    double principal = 0;  // LoanInputs(1..3); the period in years
    double rate = 0;
    double years = 0;
    std::string principalText;  // the boxes' first texts
    std::string rateText;
    std::string periodText;
    std::string principalCaption;  // Label1..Label3
    std::string rateCaption;
    std::string periodCaption;
    std::vector<std::string> rateList;  // the lists of InRate and InTerm
    std::vector<std::string> periodList;
};
TablesWindowStart TablesStart(std::int16_t tableMode, const std::string& currencySymbol);

// The entry of the compounding list chosen by the personal settings: 1..4 pick that entry, any
// other value "      Monthly".
int CompoundingIndex(std::int16_t defaultCompounding);

// The shared state as the window's loading leaves it: empty tables, flags, the grid's rows,
// numbers in the rows, all years, 365 days and the mode's start values. The view option is set
// by the window (its click handler sets RowView).
void LoadTablesState(MMODULE& mm);

// "E&xit to Menu": the window's tables discarded and its counters back to their rest values.
void DiscardTablesState(MMODULE& mm);

// The number boxes' texts after their value is taken. An amount or period too long for its
// field is shown whole rather than cut.
std::string PrincipalBoxText(double principal, const std::string& currencySymbol);  // 16 wide
std::string RateBoxText(double rate);                             // "###.000" in 14, then "%"
std::string PeriodBoxText(double years, std::int16_t tableMode);  // years or months, 16 wide

// The period box's value against its mode's limit (40 years, or 480 months for a loan).
struct PeriodEntry {
    double shown = 0;  // the value the box keeps: the typed one, or the limit
    int message = 0;   // Msg::YearsLimit or Msg::MonthsLimit when over the limit, else 0
    double years = 0;  // LoanInputs(3): a loan's months divided by 12
};
PeriodEntry CheckPeriod(double typed, std::int16_t tableMode);

}  // namespace bw
