#include "compare/comparison_help.h"

namespace bw {

std::string ComparisonQuickHelpText() {
    const std::string br = "\r\n";
    auto breaks = [&](int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += br;
        return out;
    };
    return "Click on yellow box to change, start typing in numbers, deletes previous ones, then "
           "'Calculate'. Results shown in white cells.  Read 'How to Use Programs' for details." +
           breaks(2) +
           "Days shown without 36 in front. If Additional Payments are used in a calculation, * "
           "will appear before the year number in Retired at End of Year column. "
           "Year, Month and Amounts with the row number where they were used, shown in lower "
           "grid." +
           breaks(2) + "100,000.00" + breaks(4) + "        6.125" + breaks(5) + "            25" +
           breaks(3) + "Click down arrow to select different periods." + breaks(1) +
           "American = Monthly.  Canadian = Semi-Annual." + breaks(2) +
           "Click down arrow to select different payment frequencies." + breaks(1) +
           "Accelerated payments. 26 instead of 12 annual payments at half the monthly "
           "principal + Interest. Mortgage retired earlier." +
           breaks(2) +
           "Click 'Additional Payments'. Type amount beside year, select month option. 'OK' "
           "accepts all changes, 'Erase all' sets all cells to 0. Effects all calculations unless "
           "Amortization changed or 'Erase all'. Amounts added to Principal Payment in chosen "
           "year(s), month." +
           breaks(2) +
           "Click 'Days in Year' to change the way interest is computed. Does not apply to "
           "Monthly or Semimonthly payments.";
}

}  // namespace bw
