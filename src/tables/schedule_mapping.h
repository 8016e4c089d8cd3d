#pragma once
// The tables window's calculation and the shared state: the engine's input from MMODULE and the
// two lists' texts, and what a calculation leaves in MMODULE for the grid, the printout, the
// graphs and the table files.

#include <string>

#include "shell/mmodule.h"
#include "tables/amortization_engine.h"
#include "tables/schedule_texts.h"

namespace bw {

// The engine's input: LoanInputs 1 to 3, the days in year, the additional payments, the term,
// the dates and the view of the shared state, with the texts the two lists show.
AmortizationInput ScheduleInput(const MMODULE& mm, const std::string& compounding,
                                const std::string& frequency);

// What "&Calculate" clears once the window's results are emptied: YearTotals, TypingFlag,
// ResultRowCount (nothing to print, graph or save) and the text under the printed table.
void BeginCalculation(MMODULE& mm);

// What a calculation stores, whether it ended or not: DisplayTerm always; the schedule,
// YearTotals, FrequencyKind and PaymentsPerYear unless it was stopped before calculating (after a
// fault only the rows stored before it are replaced); RetiredYears and GridRows when it
// completed.
void StoreSchedule(MMODULE& mm, const AmortizationResult& result);

// The grid's view of the shared state: mode, view, dates, currency, days, additional payments.
ScheduleView ScheduleViewOf(const MMODULE& mm);

// What the shown results leave for the printout, the graphs and the files: ResultRowCount,
// GraphTitle and the list of applied payments under the printed table (PrintLines entry 1).
void StoreShownTexts(MMODULE& mm, const ScheduleTexts& texts);

}  // namespace bw
