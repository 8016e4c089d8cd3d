#pragma once
// What the comparison window shows and keeps between calculations: the rows of the upper grid,
// the lower grid of additional payments with its bookkeeping, the texts the lower grid is built
// from, the graph points and the printout text. The window renders it; the comparison files
// store it; the printout reads it.

#include <array>
#include <string>
#include <vector>

#include "compare/comparison_engine.h"
#include "reports/graph_data.h"

namespace bw {

constexpr int kAddPayEntries = 41;  // entries 0..40 of a slot
constexpr int kAddPaySlots = 12;    // one slot per row that used additional payments
constexpr int kUpperCols = 8;
// The largest lower grid that 12 rows of at most 40 additional payments each can need.
constexpr int kLowerMaxRows = 42;
constexpr int kLowerMaxCols = 24;

// [entry][slot]
using AddPayTexts = std::array<std::array<std::string, kAddPaySlots>, kAddPayEntries>;
using UpperRow = std::array<std::string, kUpperCols>;

// Headings of the upper grid (row 0).
extern const std::array<std::string, kUpperCols> kUpperHeadings;

struct ComparisonSheet {
    int rowCounter = 0;
    std::array<UpperRow, kCompareMaxRows> upper{};  // rows 1..12 at index 0..11

    // Lower grid bookkeeping.
    int lowerRows = 9;                  // stored row count (the layout raises it to at least 10)
    int lowerCols = 5;                  // stored column count (the layout raises it to at least 8)
    int slot = 0;                       // the slot of the next row that uses additional payments
    int firstCol = 0;                   // its first lower-grid column
    int largest = 0;                    // the largest number of additional payments in a row
    std::array<int, 3> blockLargest{};  // the largest count as taken for slots 0-4, 5-9, 10-11
    int largestSlot = 0;
    std::vector<std::vector<std::string>> lower;  // [row][col], the heading row is row 0

    AddPayTexts addPayLabels{};
    AddPayTexts addPayAmounts{};

    std::vector<GraphPoint> graph;  // one per row: "Row  1" and the row's total interest
    std::string printText;          // all row lines, each followed by two CR LF

    ComparisonSheet() { layOutLower(); }

    // Raises the stored lower-grid counts to at least 10 rows and 8 columns and sizes the cells
    // to them, keeping the texts already there.
    void layOutLower();

    // Adds a computed row (outcome RowAdded): the upper row, the graph point, the printout line
    // and, when it used additional payments, its slot of the lower grid. Returns false (and
    // changes nothing) when the table is full or no slot is left.
    bool addRow(const ComparisonRow& row);

    // The lower-grid column of a slot's labels entry: year, three blanks, month.
    static std::string LowerLabelCell(const std::string& label);
};

// The lower grid's text of an additional payment: "###,###.00" right-aligned in 10, and a
// longer amount whole with one blank before it (it never runs into the month before it).
std::string AddPayAmountText(Money amount);

// Which of the three block copies a slot belongs to: 0 for slots 0-4, 1 for 5-9, 2 for 10-11.
inline int BlockOfSlot(int slot) {
    return slot < 5 ? 0 : (slot < 10 ? 1 : 2);
}

}  // namespace bw
