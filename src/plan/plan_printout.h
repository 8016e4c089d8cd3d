#pragma once
// The printout of the mortgage planner: the header line, the plan's inputs, the term summary and
// the results, then the schedule in fixed text columns with page numbers, as the table printout
// lays out its rows.

#include "plan/plan_engine.h"
#include "reports/page_model.h"

namespace bw {

struct MMODULE;

namespace plan {

// Composes the whole printout on `printer` from a computed plan (PrintHeader, PrinterFontChoice
// and CurrencySymbol from the shared state). Sets LinesPerPage.
void PrintPlan(Printout& printer, MMODULE& mm, const PlanInput& input, const PlanResult& result);

// The inputs as printed, one text a line.
std::vector<std::string> PlanInputLines(const PlanInput& input, const std::string& currency);

}  // namespace plan
}  // namespace bw
