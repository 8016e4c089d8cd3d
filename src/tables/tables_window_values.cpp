#include "tables/tables_window_values.h"

#include "shell/messages.h"
#include "shell/number_format.h"

namespace bw {
namespace {

std::string FitOrWhole(const std::string& text, int width) {
    return TextLength(text) > static_cast<std::size_t>(width) ? text : RightAlign(text, width);
}

}  // namespace

TablesWindowStart TablesStart(std::int16_t tableMode, const std::string& currencySymbol) {
    TablesWindowStart s;
    s.rate = 10.125;
    s.rateCaption = " Annual interest          rate %";
    s.rateList = {"6 ", "7 ", "8 ", "9 ", "10 "};
    s.periodText = "            ";
    if (tableMode == 2) {
        s.frameCaption = " Loan Tables";
        s.principal = 20000;
        s.years = 4;  // 48 months
        s.principalText = "   " + currencySymbol + "20,000.00";
        s.rateText = "         10.125%";
        s.periodText += "48";
        s.principalCaption = " Principal amount of    the loan.";
        s.rateCaption += ".";
        s.periodCaption = " Payback period of     the loan in months.";
        s.periodList = {"24", "36", "48", "60"};
    } else {
        s.frameCaption = " Mortgage Tables";
        s.principal = 100000;
        s.years = 25;
        s.principalText = "   " + currencySymbol + "100,000.00";
        s.rateText = "        10.125%";
        s.periodText += "25";
        s.principalCaption = " Principal amount of    mortgage.";
        s.periodCaption = " Amortization period    in years.";
        s.periodList = {"25", "30", "40"};
    }
    return s;
}

int CompoundingIndex(std::int16_t defaultCompounding) {
    return defaultCompounding >= 1 && defaultCompounding <= 4 ? defaultCompounding : 0;
}

void LoadTablesState(MMODULE& mm) {
    mm.ScheduleTable.assign(kScheduleLastRow + 1, ScheduleRow{});
    mm.YearTotals = YearTotalsData{};
    mm.GraphValues.clear();
    mm.PrePayTable = PrePayTableData{};
    mm.LoanInputs = {};
    mm.PrintLines.assign(4, std::string());
    mm.HelpShown = 0;
    mm.TypingFlag = 0;
    mm.GridRows = 26;
    mm.DateMode = 0;
    mm.DisplayTerm = 0;
    mm.DaysOption = 1;
    mm.DaysInYear = 365.0f;
    mm.BiWeeklyPeriods = 26.07142857;
    mm.WeeklyPeriods = 52.14285714;
    const TablesWindowStart start = TablesStart(mm.TableMode, mm.CurrencySymbol);
    mm.LoanInputs[1] = start.principal;
    mm.LoanInputs[2] = start.rate;
    mm.LoanInputs[3] = start.years;
}

void DiscardTablesState(MMODULE& mm) {
    mm.RowView = 0;
    mm.TypingFlag = 0;
    mm.PrintLines.clear();
    mm.LoanInputs = {};
    mm.PrePayTable = PrePayTableData{};
    mm.GraphValues.clear();
    mm.YearTotals = YearTotalsData{};
    mm.ScheduleTable.clear();
    mm.ResultRowCount = 0;
    mm.GraphCaller = 0;
    mm.GridRows = 0;
    mm.PrePayCount = 0;
    mm.PrePayMonth = 12;
}

std::string PrincipalBoxText(double principal, const std::string& currencySymbol) {
    return FitOrWhole(currencySymbol + FormatNumber(principal, "####,,###.00"), 16);
}

std::string RateBoxText(double rate) {
    return FitOrWhole(FormatNumber(rate, "###.000"), 14) + "%";
}

std::string PeriodBoxText(double years, std::int16_t tableMode) {
    return FitOrWhole(FormatNumber(tableMode == 2 ? years * 12 : years, "###"), 16);
}

PeriodEntry CheckPeriod(double typed, std::int16_t tableMode) {
    const bool loan = tableMode == 2;
    const double limit = loan ? 480 : 40;
    PeriodEntry entry;
    entry.shown = typed;
    if (typed > limit) {
        entry.shown = limit;
        entry.message = loan ? Msg::MonthsLimit : Msg::YearsLimit;
    }
    entry.years = loan ? entry.shown / 12 : entry.shown;
    return entry;
}

}  // namespace bw
