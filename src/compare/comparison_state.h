#pragma once
// The comparison window's share of the shared state: what loading and leaving the window set,
// the engine's input built from MMODULE and the window's lists, a computed row stored back
// (the comparison sheet, ScheduleTable, the graph points and the printout text), and the two
// directions of a comparison file.

#include <string>
#include <vector>

#include "compare/comparison_engine.h"
#include "compare/comparison_file.h"
#include "compare/comparison_sheet.h"
#include "reports/graph_data.h"
#include "shell/mmodule.h"

namespace bw {

// The texts of the two lists the window shows: they take part in the calculation and the file.
struct ComparisonLists {
    std::string compounding = lists::kCompounding[0];
    std::string frequency = lists::kFrequency[0];
};

// Graph titles: after a calculation, and after a file command (without the leading blank).
inline constexpr const char* kComparisonCalculatedTitle = " Total mortgage interest paid";
inline constexpr const char* kComparisonFileTitle = "Total mortgage interest paid";

// The window loads: empty shared tables, the days in year of option 1, RowView 2, the start
// values of the three inputs (100,000, 10.125 %, 25 years) and an empty sheet.
void StartComparison(MMODULE& mm, ComparisonSheet& sheet);

// The compounding entry the window starts with: DefaultCompounding 1 to 4, anything else 0.
int StartCompoundingIndex(int defaultCompounding);

// The window is left: the tables it created are discarded and the shared values reset.
void LeaveComparison(MMODULE& mm, ComparisonSheet& sheet);

// The engine's input for the next row.
ComparisonInput ComparisonInputFrom(const MMODULE& mm, const ComparisonSheet& sheet,
                                    const ComparisonLists& lists);

// Stores the engine's outcome: a new row goes into the sheet and the shared state
// (ScheduleTable, FrequencyKind, PaymentsPerYear, RetiredYears, ResultRowCount, GraphTitle, the
// graph points and the printout text); the row limit gives ResultRowCount the row counter back;
// anything else leaves ResultRowCount 0. Returns the messages to show; `row.schedule` is moved.
struct ComparisonStored {
    bool added = false;
    std::vector<int> messages;
};
ComparisonStored StoreComparisonRow(MMODULE& mm, ComparisonSheet& sheet, ComparisonRow& row);

// The graph points (GraphLabels, GraphValues) and PrintLines(1) from the sheet.
void PublishComparisonSheet(MMODULE& mm, const ComparisonSheet& sheet);

// The bars of the comparison graph from the shared state: one per row (ResultRowCount rows of
// GraphLabels and GraphValues), two positions when there is one row (the second empty), under
// GraphTitle with the value axis "Value " and the currency symbol.
GraphData ComparisonGraphData(const MMODULE& mm);

// What "Sa&ve File" writes.
ComparisonFile ComparisonFileFrom(const MMODULE& mm, const ComparisonSheet& sheet,
                                  const ComparisonLists& lists);

// Takes an opened file: inputs, settings, additional payments, the sheet and its shared copies,
// and the days in year of the file's option (a typed count is not in the file: the current
// days in year stay and give the period counts). Returns the lists the window shows.
ComparisonLists TakeComparisonFile(MMODULE& mm, ComparisonSheet& sheet, const ComparisonFile& file);

}  // namespace bw
