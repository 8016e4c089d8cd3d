#include "tables/quick_help.h"

#include <array>

namespace bw {
namespace {

struct HelpLine {
    const char* text;
    int breaks;
};

constexpr std::array<HelpLine, 13> kMortgageHelp = {{
    {"Click on yellow box to change, start typing in numbers, deletes previous ones, then "
     "'Calculate'. Results shown in white cells.  Read 'How to Use Programs' for details.",
     2},
    {"100,000.00", 3},
    {"       6.125", 4},
    {"           25", 3},
    {"Click down arrow to select different compound interest periods.", 1},
    {"American = Monthly.  Canadian = Semi-Annual.", 2},
    {"Click down arrow to select different payment frequencies.", 1},
    {"Accelerated payments. 26 instead of 12 annual payments at half the monthly principal + "
     "Interest. Mortgage retired earlier.",
     2},
    {"Click 'View Payment Date' to show dates, toggles to 'View Payment No.' for numbers.", 2},
    {"Click 'Additional Payments'. Type amount beside year, select month option. 'OK' accepts "
     "all changes, 'Erase all' sets all cells to 0. Effects all calculations unless "
     "Amortization changed or 'Erase all'. Amounts added to Principal Payment in chosen "
     "year(s), month.",
     2},
    {"Click 'Days in Year' to change the way interest is computed when used with all 'Frequency "
     "and type of each payment' except Monthly and Semimonthly payments.",
     2},
    {"Click 'Term' to display in the spreadsheet and print, only data for the term selected. "
     "All other results are not affected as they are based on full amortization.",
     2},
    {"Show payments. Click option to show All payments or just the Annual totals.", 2},
}};

constexpr std::array<HelpLine, 13> kLoanHelp = {{
    {"                          How to use for Car, Consumer or Personal loans.", 2},
    {"10,000.00", 4},
    {"      6.125", 4},
    {"          60", 4},
    {"Monthly.   Almost all Loans are based on monthly compounding.", 3},
    {"Monthly.   All Loans are based on one payment each month, 12 payments each", 1},
    {"               year during the payback period. Same as a Normal mortgage.", 2},
    {"Click 'View Payment Dates' to show dates, toggles to 'View Payment No.' for", 1},
    {"        numbers.", 2},
    {"Normally financial institutions do not allow Additional Payments. Use if allowed.", 2},
    {"When using accelerated payments, change the Days in Year. Use if allowed.", 2},
    {"Click 'Term' to display in the spreadsheet and print, only data for the term selected. "
     "All other results are not affected as they are based on full amortization.",
     2},
    {"Show Payments. Click option to show All payments or just the Annual totals.", 2},
}};

}  // namespace

std::string QuickHelpText(std::int16_t tableMode) {
    const auto& lines = tableMode == 1 ? kMortgageHelp : kLoanHelp;
    std::string text;
    for (const HelpLine& line : lines) {
        text += line.text;
        for (int i = 0; i < line.breaks; ++i) text += "\r\n";
    }
    return text;
}

}  // namespace bw
