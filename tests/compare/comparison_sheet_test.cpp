// The comparison table's rows, lower grid and bookkeeping as rows are added.

#include <gtest/gtest.h>

#include "compare/comparison_sheet.h"
#include "compare_fixtures.h"

namespace bw {
namespace {

using test::AddRow;
using test::PrePay;

TEST(ComparisonSheet, RowsWithAndWithoutAdditionalPayments) {
    ComparisonSheet sheet;
    PrePayTableData none{};
    ASSERT_TRUE(AddRow(sheet, none));
    EXPECT_EQ(sheet.slot, 0);
    EXPECT_EQ(sheet.largest, 0);
    for (const auto& line : sheet.lower)
        for (const auto& cell : line) EXPECT_EQ(cell, "");

    PrePayTableData two = PrePay({{1, 10000}, {3, 5000}});
    ASSERT_TRUE(AddRow(sheet, two));
    EXPECT_EQ(sheet.rowCounter, 2);
    EXPECT_EQ(sheet.upper[1][2][0], '*');
    EXPECT_EQ(sheet.upper[0][2], "25.00");
    EXPECT_EQ(sheet.lower[0][0], " Yr. Mth");
    EXPECT_EQ(sheet.lower[0][1], " Row     2");
    EXPECT_EQ(sheet.lower[1][0], " 1    1");
    EXPECT_EQ(sheet.lower[1][1], " 10,000.00");
    EXPECT_EQ(sheet.lower[2][0], " 3    1");
    EXPECT_EQ(sheet.lower[2][1], "  5,000.00");
    EXPECT_EQ(sheet.lower[3][0], "");
    EXPECT_EQ(sheet.slot, 1);
    EXPECT_EQ(sheet.largest, 2);
    EXPECT_EQ(sheet.lowerRows, 10);  // the grid as laid out still holds them
    EXPECT_EQ(sheet.lowerCols, 8);

    // A row without payments adds nothing; the next row with them takes the next column pair.
    ASSERT_TRUE(AddRow(sheet, none));
    PrePayTableData many{};
    for (int y = 1; y <= 11; ++y) many = PrePay({{y, 100.0 * y}}, many);
    ASSERT_TRUE(AddRow(sheet, many, 1));
    EXPECT_EQ(sheet.lower[0][2], " Yr. Mth");
    EXPECT_EQ(sheet.lower[0][3], " Row     4");
    EXPECT_EQ(sheet.lower[11][2], "11    2");
    EXPECT_EQ(sheet.lower[11][3], "  1,100.00");
    EXPECT_EQ(sheet.largest, 11);
    EXPECT_EQ(sheet.lowerRows, 13);
    EXPECT_EQ(sheet.lower[0][0], " Yr. Mth");  // the earlier pair stays
    EXPECT_EQ(sheet.slot, 2);

    // A later, shorter row leaves the row count; the graph and printout follow every row.
    ASSERT_TRUE(AddRow(sheet, two));
    EXPECT_EQ(sheet.lowerRows, 13);
    EXPECT_EQ(sheet.largest, 11);
    ASSERT_EQ(sheet.graph.size(), 5u);
    EXPECT_EQ(sheet.graph[4].label, "Row  5");
    EXPECT_EQ(sheet.printText.substr(0, 4), " 01 ");
    EXPECT_EQ(sheet.printText.find(" 05 "), sheet.printText.size() - 81);
}

TEST(ComparisonSheet, BlockCopiesFollowTheSlots) {
    ComparisonSheet sheet;
    for (int r = 0; r < 12; ++r) {
        PrePayTableData p{};
        for (int y = 1; y <= r % 4 + 1; ++y) p = PrePay({{y, 50}}, p);
        ASSERT_TRUE(AddRow(sheet, p));
    }
    EXPECT_EQ(sheet.slot, 12);
    EXPECT_EQ(sheet.largestSlot, 11);
    EXPECT_EQ(sheet.lowerCols, 24);
    EXPECT_EQ(sheet.largest, 4);
    // Slots 0-4 saw counts 1,2,3,4,1; 5-9 saw 2,3,4,1,2 (largest 4 already); 10-11: 3,4.
    EXPECT_EQ(sheet.blockLargest[0], 4);
    EXPECT_EQ(sheet.blockLargest[1], 4);
    EXPECT_EQ(sheet.blockLargest[2], 4);
}

}  // namespace
}  // namespace bw
