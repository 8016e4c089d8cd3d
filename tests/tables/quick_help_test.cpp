// The quick-help texts: their lines, and the line breaks after each.

#include <gtest/gtest.h>

#include <string>

#include "tables/quick_help.h"

namespace bw {
namespace {

int CountOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(QuickHelp, TextsOfEachMode) {
    struct Case {
        std::int16_t mode;
        int breaks;
        std::string start, middle, end;
    } cases[] = {
        {1, 2 + 3 + 4 + 3 + 1 + 2 + 1 + 2 + 2 + 2 + 2 + 2 + 2,
         "Click on yellow box to change, start typing in numbers, deletes previous ones, then "
         "'Calculate'. Results shown in white cells.  Read 'How to Use Programs' for details."
         "\r\n\r\n100,000.00\r\n\r\n\r\n       6.125\r\n\r\n\r\n\r\n           25\r\n\r\n\r\n"
         "Click down arrow to select different compound interest periods.\r\nAmerican = "
         "Monthly.  Canadian = Semi-Annual.\r\n\r\n",
         "\r\n\r\nClick 'Additional Payments'. Type amount beside year, select month option. 'OK' "
         "accepts all changes, 'Erase all' sets all cells to 0. Effects all calculations unless "
         "Amortization changed or 'Erase all'. Amounts added to Principal Payment in chosen "
         "year(s), month.\r\n\r\n",
         "Show payments. Click option to show All payments or just the Annual totals.\r\n\r\n"},
        {2, 2 + 4 + 4 + 4 + 3 + 1 + 2 + 1 + 2 + 2 + 2 + 2 + 2,
         std::string(26, ' ') +
             "How to use for Car, Consumer or Personal loans.\r\n\r\n10,000.00\r\n\r\n\r\n\r\n"
             "      6.125\r\n\r\n\r\n\r\n          60\r\n\r\n\r\n\r\nMonthly.   Almost all Loans "
             "are based on monthly compounding.\r\n\r\n\r\nMonthly.   All Loans are based on one "
             "payment each month, 12 payments each\r\n               year during the payback "
             "period. Same as a Normal mortgage.\r\n\r\n",
         "\r\n\r\nClick 'View Payment Dates' to show dates, toggles to 'View Payment No.' "
         "for\r\n        numbers.\r\n\r\n",
         "Show Payments. Click option to show All payments or just the Annual totals.\r\n\r\n"},
    };
    for (const Case& c : cases) {
        const std::string text = QuickHelpText(c.mode);
        // Line breaks are CR LF only.
        EXPECT_EQ(CountOf(text, "\r\n"), c.breaks);
        EXPECT_EQ(CountOf(text, "\r"), c.breaks);
        EXPECT_EQ(CountOf(text, "\n"), c.breaks);
        EXPECT_EQ(text.substr(0, c.start.size()), c.start);
        EXPECT_NE(text.find(c.middle), std::string::npos);
        ASSERT_GE(text.size(), c.end.size());
        EXPECT_EQ(text.substr(text.size() - c.end.size()), c.end);
    }
}

}  // namespace
}  // namespace bw
