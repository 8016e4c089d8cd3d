#include "compare/comparison_state.h"

#include <algorithm>
#include <memory>

#include "shell/messages.h"
#include "tables/days_in_year.h"

namespace bw {

void StartComparison(MMODULE& mm, ComparisonSheet& sheet) {
    mm.ScheduleTable.assign(kScheduleLastRow + 1, ScheduleRow{});
    mm.GraphValues.assign(kYearLastRow + 1, Money());
    mm.GraphLabels.assign(kYearLastRow + 1, std::string());
    mm.PrePayTable = PrePayTableData{};
    mm.LoanInputs = {};
    mm.PrintLines.assign(4, std::string());
    sheet = ComparisonSheet{};
    const DaysSetting days = DaysForOption(1);
    mm.DaysOption = days.option;
    mm.DaysInYear = days.daysInYear;
    mm.BiWeeklyPeriods = 365.0 / 14.0;
    mm.WeeklyPeriods = 365.0 / 7.0;
    mm.RowView = 2;
    mm.HelpShown = 0;
    mm.TypingFlag = 0;
    mm.GridRows = 13;
    mm.LoanInputs[1] = 100000;
    mm.LoanInputs[2] = 10.125;
    mm.LoanInputs[3] = 25;
}

int StartCompoundingIndex(int defaultCompounding) {
    return defaultCompounding >= 1 && defaultCompounding <= 4 ? defaultCompounding : 0;
}

void LeaveComparison(MMODULE& mm, ComparisonSheet& sheet) {
    mm.RowView = 0;
    mm.TypingFlag = 0;
    mm.PrintLines.clear();
    mm.LoanInputs = {};
    sheet = ComparisonSheet{};
    mm.PrePayTable = PrePayTableData{};
    mm.GraphValues.clear();
    mm.GraphLabels.clear();
    mm.ScheduleTable.clear();
    mm.ResultRowCount = 0;
    mm.GraphCaller = 0;
    mm.PrePayMonth = 12;
}

ComparisonInput ComparisonInputFrom(const MMODULE& mm, const ComparisonSheet& sheet,
                                    const ComparisonLists& lists) {
    ComparisonInput in;
    in.principal = mm.LoanInputs[1];
    in.rate = mm.LoanInputs[2];
    in.period = mm.LoanInputs[3];
    in.compounding = lists.compounding;
    in.frequency = lists.frequency;
    in.daysInYear = mm.DaysInYear;
    in.biWeeklyPeriods = mm.BiWeeklyPeriods;
    in.weeklyPeriods = mm.WeeklyPeriods;
    in.prePayTable = mm.PrePayTable;
    in.prePayMonth = mm.PrePayMonth;
    in.rowCounter = sheet.rowCounter;
    in.currencySymbol = mm.CurrencySymbol;
    return in;
}

ComparisonStored StoreComparisonRow(MMODULE& mm, ComparisonSheet& sheet, ComparisonRow& row) {
    ComparisonStored stored;
    stored.messages = row.messages;
    mm.ResultRowCount = 0;
    if (row.outcome == ComparisonOutcome::RowLimit)
        mm.ResultRowCount = static_cast<std::int16_t>(sheet.rowCounter);
    if (row.outcome != ComparisonOutcome::RowAdded) return stored;
    if (!sheet.addRow(row)) {
        stored.messages = {Msg::WrongEntry};
        return stored;
    }
    stored.added = true;
    mm.ScheduleTable = std::move(row.schedule);
    mm.FrequencyKind = row.frequencyKind;
    mm.PaymentsPerYear = row.paymentsPerYear;
    mm.RetiredYears = row.retiredYears;
    mm.ResultRowCount = static_cast<std::int16_t>(sheet.rowCounter);
    mm.GraphTitle = kComparisonCalculatedTitle;
    PublishComparisonSheet(mm, sheet);
    return stored;
}

void PublishComparisonSheet(MMODULE& mm, const ComparisonSheet& sheet) {
    mm.GraphValues.assign(kYearLastRow + 1, Money());
    mm.GraphLabels.assign(kYearLastRow + 1, std::string());
    for (std::size_t i = 0; i < sheet.graph.size() && i + 1 <= kYearLastRow; ++i) {
        mm.GraphLabels[i + 1] = sheet.graph[i].label;
        try {
            mm.GraphValues[i + 1] = Money::fromDouble(sheet.graph[i].value);
        } catch (const CurrencyOverflow&) {
            mm.GraphValues[i + 1] = Money();
        }
    }
    if (mm.PrintLines.size() < 4) mm.PrintLines.resize(4);
    mm.PrintLines[1] = sheet.printText;
}

GraphData ComparisonGraphData(const MMODULE& mm) {
    GraphData data;
    data.title = mm.GraphTitle;
    data.valueAxisTitle = "Value " + mm.CurrencySymbol;
    const int rows = std::clamp<int>(mm.ResultRowCount, 0, kCompareMaxRows);
    const int points = rows == 1 ? 2 : rows;
    for (int i = 1; i <= points; ++i) {
        GraphPoint p;
        const auto iu = static_cast<std::size_t>(i);
        if (i <= rows && iu < mm.GraphValues.size()) {
            p.value = mm.GraphValues[iu].toDouble();
            if (iu < mm.GraphLabels.size()) p.label = mm.GraphLabels[iu];
        } else {
            p.empty = true;
        }
        data.points.push_back(p);
    }
    return data;
}

ComparisonFile ComparisonFileFrom(const MMODULE& mm, const ComparisonSheet& sheet,
                                  const ComparisonLists& lists) {
    ComparisonFile file;
    file.principal = mm.LoanInputs[1];
    file.rate = mm.LoanInputs[2];
    file.period = mm.LoanInputs[3];
    file.compounding = lists.compounding;
    file.frequency = lists.frequency;
    file.daysOption = mm.DaysOption;
    file.rowView = mm.RowView;
    file.prePayYears = mm.PrePayYears;
    file.prePayCount = mm.PrePayCount;
    file.resultRowCount = mm.ResultRowCount;
    file.prePayMonth = mm.PrePayMonth;
    file.prePayTable = mm.PrePayTable;
    file.sheet = sheet;
    return file;
}

ComparisonLists TakeComparisonFile(MMODULE& mm, ComparisonSheet& sheet, const ComparisonFile& f) {
    mm.LoanInputs[1] = f.principal;
    mm.LoanInputs[2] = f.rate;
    mm.LoanInputs[3] = f.period;
    mm.DaysOption = f.daysOption;
    mm.RowView = f.rowView;
    mm.PrePayYears = f.prePayYears;
    mm.PrePayCount = f.prePayCount;
    mm.ResultRowCount = f.resultRowCount;
    mm.PrePayMonth = f.prePayMonth;
    mm.PrePayTable = PrePayTableData{};
    for (int y = 1; y <= f.prePayYears && y <= kYearLastRow; ++y)
        mm.PrePayTable[static_cast<std::size_t>(y)] = f.prePayTable[static_cast<std::size_t>(y)];
    sheet = f.sheet;
    PublishComparisonSheet(mm, sheet);
    const DaysSetting days = DaysForOption(f.daysOption, mm.DaysInYear);
    mm.DaysInYear = days.daysInYear;
    mm.BiWeeklyPeriods = days.biWeeklyPeriods;
    mm.WeeklyPeriods = days.weeklyPeriods;
    mm.TypingFlag = 0;
    return {f.compounding, f.frequency};
}

}  // namespace bw
