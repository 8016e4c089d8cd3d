#pragma once
// The data of the balance graph: the outstanding balance at the start of each year, taken from the
// last calculation of the tables window.

#include <vector>

#include "reports/graph_data.h"

namespace bw {

struct MMODULE;

struct BalanceGraph {
    int years = 0;  // Y: the years of the loan, RetiredYears + 0.49 rounded
    // Rows 1 to Y + 1 (row 0 unused): row 1 the principal with label 1, row y + 1 the balance at
    // the end of year y with label y + 1.
    std::vector<double> values;
    std::vector<int> labels;
};

// Fills the graph's rows from ScheduleTable (annual or all-payments view), RetiredYears,
// PaymentsPerYear and LoanInputs(1). The values are also kept in GraphValues (row = index).
BalanceGraph PrepareBalanceGraph(MMODULE& mm);

// The bars drawn: Y of them (2 when Y is 1), the first the principal, under `title`.
GraphData BalanceGraphData(const BalanceGraph& graph, const std::string& title);

}  // namespace bw
