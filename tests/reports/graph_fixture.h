#pragma once
// Shared state after a calculation of the tables window, for the graph tests.

#include "reports/table_printout.h"
#include "shell/mmodule.h"
#include "tables/amortization_engine.h"

namespace bw::test {

inline void FillFromCalculation(MMODULE& mm, const AmortizationInput& in) {
    const AmortizationResult r = CalculateSchedule(in);
    ScheduleView view;
    view.tableMode = in.tableMode;
    view.rowView = in.rowView;
    TableWindowTexts texts;
    StoreCalculationForPrint(mm, texts, in, r, MakeScheduleTexts(r, view));
}

}  // namespace bw::test
