#include "compare/comparison_sheet.h"

#include <algorithm>

#include "shell/number_format.h"

namespace bw {

const std::array<std::string, kUpperCols> kUpperHeadings = {
    "Row, Days Compound Frequency",    "Amort- ization Period",
    "Retired at end of Year",          "Number Annual Paymts",
    "  Amount     of    Mortgage",     "Annual Interest Rate",
    " Principal  + Interest  Payment", "Total     Interest  Payments"};

void ComparisonSheet::layOutLower() {
    lowerRows = std::max(10, lowerRows);
    lowerCols = std::max(8, lowerCols);
    lower.resize(static_cast<std::size_t>(lowerRows));
    for (auto& r : lower) r.resize(static_cast<std::size_t>(lowerCols));
}

std::string AddPayAmountText(Money amount) {
    const std::string text = FormatNumber(amount, "###,###.00");
    return RightAlign(text, std::max(10, static_cast<int>(TextLength(text)) + 1));
}

std::string ComparisonSheet::LowerLabelCell(const std::string& label) {
    const std::string year = label.substr(0, std::min<std::size_t>(2, label.size()));
    const std::string month = label.size() >= 2 ? label.substr(label.size() - 2) : label;
    return year + "   " + month;
}

namespace {

// The year of an applied payment right-justified in 2, then its month with a leading blank.
std::string PrePayLabel(const ComparisonPrePay& p) {
    return RightAlign(FormatNumber(p.year, "0"), 2) + " " + std::to_string(p.month);
}

}  // namespace

bool ComparisonSheet::addRow(const ComparisonRow& row) {
    if (row.outcome != ComparisonOutcome::RowAdded || rowCounter >= kCompareMaxRows) return false;
    const int k = static_cast<int>(row.applied.size());
    if (k > kAddPayEntries - 1) return false;
    if (k >= 1 &&
        (slot < 0 || slot >= kAddPaySlots || firstCol < 0 || firstCol + 2 > kLowerMaxCols))
        return false;

    if (rowCounter == 0) upper.fill(UpperRow{});
    ++rowCounter;
    const int r = rowCounter;
    upper[static_cast<std::size_t>(r - 1)] = row.cells;
    graph.resize(static_cast<std::size_t>(r - 1));
    graph.push_back(GraphPoint{row.graphLabel, row.graphInterest, false});
    printText += row.printLine + "\r\n\r\n";

    if (k >= 1) {
        const int s = slot;
        const int col = firstCol;
        const auto su = static_cast<std::size_t>(s);
        addPayLabels[0][su] = "Yr. Mth Row";
        addPayAmounts[0][su] = RightAlign(FormatNumber(r, "###"), 3);
        for (int j = 1; j <= k; ++j) {
            const ComparisonPrePay& p = row.applied[static_cast<std::size_t>(j - 1)];
            addPayLabels[static_cast<std::size_t>(j)][su] = PrePayLabel(p);
            addPayAmounts[static_cast<std::size_t>(j)][su] = AddPayAmountText(p.amount);
        }
        lowerCols = col + 2;
        if (k >= largest) {
            largest = k;
            lowerRows = k + 2;
        }
        blockLargest[static_cast<std::size_t>(BlockOfSlot(s))] = largest;
        largestSlot = std::max(largestSlot, s);
        layOutLower();
        for (int j = 0; j <= k; ++j) {
            auto& line = lower[static_cast<std::size_t>(j)];
            const auto ju = static_cast<std::size_t>(j);
            if (j == 0) {
                line[static_cast<std::size_t>(col)] = " Yr. Mth";
                line[static_cast<std::size_t>(col + 1)] = " Row   " + addPayAmounts[0][su];
            } else {
                line[static_cast<std::size_t>(col)] = LowerLabelCell(addPayLabels[ju][su]);
                line[static_cast<std::size_t>(col + 1)] = addPayAmounts[ju][su];
            }
        }
        slot = s + 1;
        firstCol = col + 2;
    }
    return true;
}

}  // namespace bw
