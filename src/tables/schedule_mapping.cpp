#include "tables/schedule_mapping.h"

#include <algorithm>

#include "shell/dates.h"

namespace bw {

AmortizationInput ScheduleInput(const MMODULE& mm, const std::string& compounding,
                                const std::string& frequency) {
    AmortizationInput in;
    in.tableMode = mm.TableMode;
    in.principal = mm.LoanInputs[1];
    in.rate = mm.LoanInputs[2];
    in.period = mm.LoanInputs[3];
    in.compounding = compounding;
    in.frequency = frequency;
    in.daysInYear = mm.DaysInYear;
    in.biWeeklyPeriods = mm.BiWeeklyPeriods;
    in.weeklyPeriods = mm.WeeklyPeriods;
    in.prePayTable = mm.PrePayTable;
    in.prePayMonth = mm.PrePayMonth;
    in.displayTerm = mm.DisplayTerm;
    in.dateMode = mm.DateMode;
    // A date text kept from a file written under another locale is read as this locale reads
    // it; one it cannot read counts as today, as the date dialog does.
    in.firstPayDate = ShortDateText(ParseDateText(mm.FirstPayDate).value_or(Today()));
    in.rowView = mm.RowView;
    return in;
}

void BeginCalculation(MMODULE& mm) {
    mm.YearTotals = YearTotalsData{};
    mm.TypingFlag = 0;
    mm.ResultRowCount = 0;
    if (mm.PrintLines.size() < 4) mm.PrintLines.resize(4);
    mm.PrintLines[1].clear();
}

void StoreSchedule(MMODULE& mm, const AmortizationResult& result) {
    mm.DisplayTerm = result.displayTerm;
    if (result.outcome == EngineOutcome::Stopped) return;
    if (result.outcome == EngineOutcome::Faulted) {
        // The rows stored before the fault replace theirs; the rows past them stay.
        if (mm.ScheduleTable.size() < result.schedule.size())
            mm.ScheduleTable.resize(result.schedule.size());
        std::copy(result.schedule.begin(), result.schedule.end(), mm.ScheduleTable.begin());
    } else {
        mm.ScheduleTable = result.schedule;
    }
    mm.YearTotals = result.yearTotals;
    mm.FrequencyKind = result.frequencyKind;
    mm.PaymentsPerYear = result.paymentsPerYear;
    if (result.outcome != EngineOutcome::Completed) return;
    mm.RetiredYears = result.retiredYears;
    mm.GridRows = result.gridRows;
}

ScheduleView ScheduleViewOf(const MMODULE& mm) {
    ScheduleView view;
    view.tableMode = mm.TableMode;
    view.rowView = mm.RowView;
    view.dateMode = mm.DateMode;
    view.currencySymbol = mm.CurrencySymbol;
    view.daysInYear = mm.DaysInYear;
    view.prePayTable = mm.PrePayTable;
    view.prePayCount = mm.PrePayCount;
    view.prePayMonth = mm.PrePayMonth;
    return view;
}

void StoreShownTexts(MMODULE& mm, const ScheduleTexts& texts) {
    mm.ResultRowCount = texts.resultRowCount;
    mm.GraphTitle = texts.graphTitle;
    if (mm.PrintLines.size() < 4) mm.PrintLines.resize(4);
    mm.PrintLines[1] = texts.printText;
}

}  // namespace bw
