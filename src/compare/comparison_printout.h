#pragma once
// The printout of the comparison table: the header line, the title block, the row lines as they
// were accumulated by the calculations, and the additional payments the rows used, in blocks of
// up to five rows side by side.

#include <string>

#include "compare/comparison_sheet.h"
#include "reports/page_model.h"
#include "shell/mmodule.h"

namespace bw {

// The rule of the comparison printout: 76 underscores.
extern const std::string kComparisonRule;

// Prints the comparison on `printer` (from SetPrinterFont to EndPrintout) under the one-line
// header the user typed. Uses PrinterFontChoice and sets LinesPerPage through SetPrinterFont.
void PrintComparison(Printout& printer, MMODULE& mm, const ComparisonSheet& sheet,
                     const std::string& header);

}  // namespace bw
