// The comparison printout, rendered as plain text.

#include <gtest/gtest.h>

#include "compare/comparison_printout.h"
#include "compare_fixtures.h"
#include "reports/text_backend.h"

namespace bw {
namespace {

using test::AddRow;
using test::PrePay;

const std::string kRule = " " + std::string(76, '_');

std::vector<std::vector<std::string>> Print(const ComparisonSheet& sheet, MMODULE& mm) {
    Printout printer;
    PrintComparison(printer, mm, sheet, "Smith family");
    EXPECT_TRUE(printer.ended());
    std::vector<std::vector<std::string>> pages;
    for (const PrintPage& page : printer.pages()) pages.push_back(RenderPageLines(page));
    return pages;
}

TEST(ComparisonPrintout, OneRowWithoutAdditionalPayments) {
    MMODULE mm;
    ComparisonSheet sheet;
    ASSERT_TRUE(AddRow(sheet, PrePayTableData{}));
    const std::vector<std::string> page = {
        "",
        " Smith family",
        "",
        std::string(31, ' ') + " Mortgage Comparisons",
        kRule,
        "",
        " Row, Days   Amorti Retired Number  Amount    Annual    Principal   Total",
        " Compound   -zation at end  Annual  of        Interest  + Interest  Interest",
        " Frequency   Period of Year Paymts  Mortgage  Rate      Payment     Payment",
        kRule,
        "",
        " 01 Norm M 1m   25   25.00   12   $100,000.00  10.125    $917.53  $175,258.20",
        "",
        ""};
    EXPECT_EQ(Print(sheet, mm), std::vector<std::vector<std::string>>{page});
}

TEST(ComparisonPrintout, SixRowsWithAdditionalPaymentsPrintTwoBlocks) {
    MMODULE mm;
    mm.PrinterFontChoice = 1;
    ComparisonSheet sheet;
    for (int r = 1; r <= 6; ++r) {
        PrePayTableData p{};
        for (int y = 1; y <= (r == 2 ? 3 : 1); ++y) p = PrePay({{y, 1000.0 * r}}, p);
        ASSERT_TRUE(AddRow(sheet, p));
    }
    const auto pages = Print(sheet, mm);
    EXPECT_EQ(mm.LinesPerPage, 56);
    ASSERT_EQ(pages.size(), 1u);
    const auto& lines = pages[0];
    // 11 lines of title block, 6 rows of two lines, the final line end of the rows.
    // Then the section title, and two blocks of four lines (the largest count is 3) of three
    // lines each.
    ASSERT_EQ(lines.size(), 11u + 12 + 1 + 3 + 4 * 3 + 4 * 3);
    // Row 2 pays 2,000 with payments 1, 13 and 25: 243 payments (figures from a separate loop).
    EXPECT_EQ(lines[13],
              " 02 Norm M 1m   25  *20.25   12   $100,000.00  10.125    $917.53  $128,761.03");
    // The section title, then every block line followed by a rule and an empty line. The
    // block of slots 0-4 starts with the headings and row numbers; the block of slot 5 has as
    // many lines as the largest count of all rows when it was added.
    std::vector<std::string> applied = {std::string(24, ' ') + "* Additional Payments Applied",
                                        kRule, ""};
    for (const char* line :
         {"Yr. Mth Row  1  Yr. Mth Row  2  Yr. Mth Row  3  Yr. Mth Row  4  Yr. Mth Row  5",
          " 1 1  1,000.00   1 1  2,000.00   1 1  3,000.00   1 1  4,000.00   1 1  5,000.00",
          "                 2 1  2,000.00", "                 3 1  2,000.00", "Yr. Mth Row  6",
          " 1 1  6,000.00", "", ""})
        applied.insert(applied.end(), {line, kRule, ""});
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 24, lines.end()), applied);
}

// Additional payments of a million or more keep their cents and a blank before them, in the
// lower grid and on paper, where the block's slots widen alike to keep a blank between slots.
TEST(ComparisonPrintout, LargeAdditionalPaymentsKeepCentsAndTheirBlanks) {
    const std::pair<double, std::string> amounts[] = {{99999.99, " 99,999.99"},
                                                      {999999.99, " 999,999.99"},
                                                      {1000000, " 1,000,000.00"},
                                                      {99999999.99, " 99,999,999.99"},
                                                      {100000000, " 100,000,000.00"}};
    for (const auto& [amount, text] : amounts)
        EXPECT_EQ(AddPayAmountText(Money::fromDouble(amount)), text);

    MMODULE mm;
    ComparisonSheet sheet;
    // The amount of month 11 is paid with the twelfth payment.
    ComparisonInput in{
        .principal = 5000000, .prePayTable = PrePay({{1, 1234567.89}}), .prePayMonth = 11};
    for (int r = 0; r < 2; ++r) {
        in.rowCounter = sheet.rowCounter;
        ASSERT_TRUE(sheet.addRow(CalculateComparisonRow(in)));
    }
    const auto lines = Print(sheet, mm)[0];
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(
        std::tuple(lines[19], lines[22]),
        std::tuple("Yr. Mth Row  1     Yr. Mth Row  2", " 1 12 1,234,567.89  1 12 1,234,567.89"));
}

TEST(ComparisonPrintout, LowerSectionBreaksPagesByItsLineCount) {
    MMODULE mm;
    ComparisonSheet sheet;
    for (int r = 1; r <= 12; ++r) {
        PrePayTableData p{};
        for (int y = 1; y <= 20; ++y) p = PrePay({{y, 10.0 * r}}, p);
        ASSERT_TRUE(AddRow(sheet, p));
    }
    ASSERT_EQ(sheet.largest, 20);
    const auto pages = Print(sheet, mm);
    ASSERT_GE(pages.size(), 2u);
    // The count reaches 53 after the fifth block line (2*12 + 12 + 2 + 5*3).
    const std::vector<std::string> restart = {
        "", "", std::string(24, ' ') + "* Additional Payments Applied", "", kRule, ""};
    ASSERT_EQ(std::tuple(pages[0].size(), pages[1].size()),
              std::tuple(11u + 25 + 3 + 5 * 3, 6u + 17 * 3));
    EXPECT_EQ(std::vector<std::string>(pages[1].begin(), pages[1].begin() + 6), restart);
    EXPECT_EQ(pages[0][pages[0].size() - 3].substr(0, 14), " 4 1     10.00");
    // Then every 16 or 17 block lines (count 4 up to a multiple of 53 minus 0..2).
    EXPECT_EQ(pages[1][6].substr(0, 14), " 5 1     10.00");
}

TEST(ComparisonPrintout, SlotsPastTheTableAreNeverRead) {
    MMODULE mm;
    ComparisonSheet sheet;
    ASSERT_TRUE(AddRow(sheet, PrePay({{1, 100}})));
    sheet.largestSlot = 40;
    sheet.blockLargest = {90, 90, 90};
    EXPECT_FALSE(Print(sheet, mm).empty());
}

}  // namespace
}  // namespace bw
