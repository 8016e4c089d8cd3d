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
    ASSERT_TRUE(AddRow(sheet, {}));
    EXPECT_EQ(std::tuple(sheet.slot, sheet.largest), std::tuple(0, 0));
    for (const auto& line : sheet.lower)
        for (const auto& cell : line) EXPECT_EQ(cell, "");

    PrePayTableData two = PrePay({{1, 10000}, {3, 5000}});
    ASSERT_TRUE(AddRow(sheet, two));
    EXPECT_EQ(std::tuple(sheet.rowCounter, sheet.upper[1][2][0], sheet.upper[0][2]),
              std::tuple(2, '*', "25.00"));
    const auto& lower = sheet.lower;
    EXPECT_EQ(
        std::tuple(lower[0][0], lower[0][1], lower[1][0], lower[1][1], lower[2][0], lower[2][1],
                   lower[3][0]),
        std::tuple(" Yr. Mth", " Row     2", " 1    1", " 10,000.00", " 3    1", "  5,000.00", ""));
    // (10 rows: the grid as laid out still holds them)
    EXPECT_EQ(std::tuple(sheet.slot, sheet.largest, sheet.lowerRows, sheet.lowerCols),
              std::tuple(1, 2, 10, 8));

    // A row without payments adds nothing; the next row with them takes the next column pair.
    ASSERT_TRUE(AddRow(sheet, {}));
    PrePayTableData many{};
    for (int y = 1; y <= 11; ++y) many = PrePay({{y, 100.0 * y}}, many);
    ASSERT_TRUE(AddRow(sheet, many, 1));
    // (the earlier pair stays)
    EXPECT_EQ(std::tuple(lower[0][2], lower[0][3], lower[11][2], lower[11][3], lower[0][0]),
              std::tuple(" Yr. Mth", " Row     4", "11    2", "  1,100.00", " Yr. Mth"));
    EXPECT_EQ(std::tuple(sheet.largest, sheet.lowerRows, sheet.slot), std::tuple(11, 13, 2));

    // A later, shorter row leaves the row count; the graph and printout follow every row.
    ASSERT_TRUE(AddRow(sheet, two));
    EXPECT_EQ(std::tuple(sheet.lowerRows, sheet.largest), std::tuple(13, 11));
    ASSERT_EQ(sheet.graph.size(), 5u);
    EXPECT_EQ(std::tuple(sheet.graph[4].label, sheet.printText.substr(0, 4)),
              std::tuple("Row  5", " 01 "));
    EXPECT_EQ(sheet.printText.find(" 05 "), sheet.printText.size() - 81);
}

TEST(ComparisonSheet, BlockCopiesFollowTheSlots) {
    ComparisonSheet sheet;
    for (int r = 0; r < 12; ++r) {
        PrePayTableData p{};
        for (int y = 1; y <= r % 4 + 1; ++y) p = PrePay({{y, 50}}, p);
        ASSERT_TRUE(AddRow(sheet, p));
    }
    EXPECT_EQ(std::tuple(sheet.slot, sheet.largestSlot, sheet.lowerCols, sheet.largest),
              std::tuple(12, 11, 24, 4));
    // Slots 0-4 saw counts 1,2,3,4,1; 5-9 saw 2,3,4,1,2 (largest 4 already); 10-11: 3,4.
    EXPECT_EQ(sheet.blockLargest, (std::array<int, 3>{4, 4, 4}));
}

}  // namespace
}  // namespace bw
