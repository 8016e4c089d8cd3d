#pragma once
// Shared state after a calculation of the tables window, for the graph window tests.

#include "shell/mmodule.h"
#include "tables/amortization_engine.h"
#include "tables/schedule_texts.h"

namespace bw::test {

inline void FillFromCalculation(MMODULE& mm, const AmortizationInput& in) {
    const AmortizationResult r = CalculateSchedule(in);
    ScheduleView view;
    view.tableMode = in.tableMode;
    view.rowView = in.rowView;
    const ScheduleTexts t = MakeScheduleTexts(r, view);
    mm.TableMode = in.tableMode;
    mm.LoanInputs[1] = in.principal;
    mm.ScheduleTable = r.schedule;
    mm.RetiredYears = r.retiredYears;
    mm.PaymentsPerYear = r.paymentsPerYear;
    mm.RowView = in.rowView;
    mm.ResultRowCount = t.resultRowCount;
    mm.GraphTitle = t.graphTitle;
}

}  // namespace bw::test
