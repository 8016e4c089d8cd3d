#include "compare/comparison_printout.h"

#include <algorithm>

#include "shell/number_format.h"

namespace bw {

const std::string kComparisonRule(76, '_');

namespace {

const char* const kTitle = " Mortgage Comparisons";
const char* const kHeadings[3] = {
    "Row, Days   Amorti Retired Number  Amount    Annual    Principal   Total",
    "Compound   -zation at end  Annual  of        Interest  + Interest  Interest",
    "Frequency   Period of Year Paymts  Mortgage  Rate      Payment     Payment"};
const char* const kAppliedTitle = "* Additional Payments Applied";

bool AtPageEnd(int lines, int perPage) {
    if (perPage <= 0) return false;
    return lines % perPage == 0 || (lines - 1) % perPage == 0 || (lines - 2) % perPage == 0;
}

}  // namespace

void PrintComparison(Printout& printer, MMODULE& mm, const ComparisonSheet& sheet,
                     const std::string& header) {
    SetPrinterFont(printer, mm);
    printer.line(2, header);
    printer.endLine();

    printer.line(32, kTitle);
    printer.line(2, kComparisonRule);
    printer.endLine();
    for (const char* heading : kHeadings) printer.line(2, heading);
    printer.line(2, kComparisonRule);
    printer.endLine();

    // The row lines, each followed by an empty line, exactly as the calculations left them.
    printer.line(1, sheet.printText);
    int lines = 2 * sheet.rowCounter + 12;

    if (sheet.largest == 0) {
        EndPrintout(printer);
        return;
    }
    printer.line(25, kAppliedTitle);
    printer.line(2, kComparisonRule);
    printer.endLine();
    lines += 2;

    const int lastSlot = std::clamp(sheet.largestSlot, 0, kAddPaySlots - 1);
    const int blockFirst[3] = {0, 5, 10};
    const int blockLast[3] = {4, 9, kAddPaySlots - 1};
    for (int b = 0; b < 3; ++b) {
        if (lastSlot < blockFirst[b]) break;
        const int last = std::min(blockLast[b], lastSlot);
        const int entries =
            std::clamp(sheet.blockLargest[static_cast<std::size_t>(b)], 0, kAddPayEntries - 1);
        const auto text = [&sheet](int j, int s) {
            return sheet.addPayLabels[static_cast<std::size_t>(j)][static_cast<std::size_t>(s)] +
                   sheet.addPayAmounts[static_cast<std::size_t>(j)][static_cast<std::size_t>(s)];
        };
        // 16 columns a slot; wider, for all slots of the block alike, where a long amount needs
        // it, so that a blank stays before the next slot.
        std::size_t width = 15;
        for (int j = 0; j <= entries; ++j)
            for (int s = blockFirst[b]; s <= last; ++s)
                width = std::max(width, TextLength(text(j, s)));
        const int slotWidth = static_cast<int>(width) + 1;
        for (int j = 0; j <= entries; ++j) {
            for (int s = blockFirst[b]; s <= last; ++s)
                printer.at(1 + slotWidth * (s - blockFirst[b]), text(j, s));
            printer.endLine();
            printer.line(2, kComparisonRule);
            printer.endLine();
            lines += 3;
            if (AtPageEnd(lines, mm.LinesPerPage)) {
                printer.newPage();
                SetPrinterFont(printer, mm);
                printer.endLine();
                printer.line(25, kAppliedTitle);
                printer.endLine();
                printer.line(2, kComparisonRule);
                printer.endLine();
                lines = 4;
            }
        }
    }
    EndPrintout(printer);
}

}  // namespace bw
