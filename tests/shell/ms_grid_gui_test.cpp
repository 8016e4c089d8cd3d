// The grid helper: rows counted with the heading row, the current cell, texts, heading height in
// twips, alignment codes, range fill and the events the windows listen to.

#include <gtest/gtest.h>

#include <QAccessibleTableInterface>
#include <QHeaderView>
#include <QSignalSpy>
#include <stdexcept>

#include "shell/ms_grid.h"
#include "support/window_context.h"

namespace bw {
namespace {

class Grid : public ::testing::Test {
  protected:
    void SetUp() override {
        grid.setCols(6);
        grid.setRows(26);
        grid.resize(600, 400);
        grid.show();
    }
    int alignment(int row, int col) const {
        return grid.model()->index(row, col).data(Qt::TextAlignmentRole).toInt();
    }
    MSGrid grid;
};

// Rows count the heading row (row 0): data row 13 is the model's row 12. Headings are read out
// without their line breaks.
TEST_F(Grid, TextGoesToTheCurrentCellAndTheHeadingRow) {
    EXPECT_THROW(grid.setRow(26), std::out_of_range);
    EXPECT_THROW((void)grid.textAt(3, 6), std::out_of_range);
    grid.setRow(0);
    grid.setCol(3);
    grid.setText("  Interest\n Payment");
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(&grid)->tableInterface();
    QAccessibleInterface* heading =
        table->cellAt(0, 3)->tableCellInterface()->columnHeaderCells()[0];
    EXPECT_EQ(heading->text(QAccessible::Name), "Interest Payment");
    grid.setRow(13);
    grid.setCol(1);
    grid.setText("  822.22");
    EXPECT_EQ(grid.model()->index(12, 1).data(), "  822.22");
    EXPECT_EQ(grid.text(), grid.textAt(13, 1));
}

TEST_F(Grid, AlignmentCodesApplyToOldAndNewCellsAndTheHeading) {
    grid.setTextAt(1, 0, "old");
    grid.setColAlignment(0, 2);
    grid.setColAlignment(1, 1);
    grid.setFixedAlignment(0, 2);
    grid.setTextAt(2, 1, "new");
    EXPECT_EQ(alignment(0, 0), int(Qt::AlignCenter));
    EXPECT_EQ(alignment(1, 1), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignCenter));
}

// Emptying a range keeps the heading row and the current cell, the selection back on it alone.
TEST_F(Grid, RangeFillEmptiesEveryCellBelowTheHeading) {
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c) grid.setTextAt(r, c, "x");
    grid.setRow(5);
    grid.setCol(3);
    QSignalSpy moved(&grid, &MSGrid::currentCellMoved);
    grid.clearRange(1, 0, grid.rows() - 1, grid.cols() - 1);
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c) ASSERT_EQ(grid.textAt(r, c), r ? "" : "x") << r;
    EXPECT_EQ(grid.selectionModel()->selectedIndexes(), QModelIndexList{grid.model()->index(4, 3)});
    EXPECT_EQ(moved.count(), 0);
}

// The current cell's moves are reported, not its staying; keys carry the program's codes to the
// window, which may discard them, and do not move the cell.
TEST_F(Grid, CellMovesAndKeysAreReported) {
    QSignalSpy moved(&grid, &MSGrid::currentCellMoved);
    std::vector<int> downs, presses;
    QObject::connect(&grid, &MSGrid::keyDown, [&](int code, bool* discard) {
        downs.push_back(code);
        *discard = code == 46;
    });
    QObject::connect(&grid, &MSGrid::keyPress, [&](int code, bool*) { presses.push_back(code); });
    grid.setRow(1);
    grid.setRow(1);  // the same cell again
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(moved.count(), 2);
    EXPECT_EQ(moved.last(), (QList<QVariant>{2, 0}));
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_5, Qt::Key_Period, Qt::Key_Return})
        QTest::keyClick(&grid, key);
    EXPECT_EQ(downs, (std::vector<int>{40, 46, '5', 13}));
    EXPECT_EQ(presses, (std::vector<int>{'5', '.', 13}));
    EXPECT_EQ(grid.row(), 2);
    grid.setRow(grid.rows() - 1);
    grid.moveDown();  // no row below the last
    EXPECT_EQ(grid.row(), grid.rows() - 1);
}

// Long schedules: a row source formats only the rows shown or read; a written text takes its
// cell, and emptying the rows ends the source.
TEST_F(Grid, RowSourceFormatsOnlyTheRowsReadAndGivesWayToWrittenTexts) {
    grid.setRows(2001);
    std::vector<int> formatted;
    grid.setRowSource(1, 1990, [&formatted](int row) {
        formatted.push_back(row);
        return std::vector<std::string>{std::to_string(row), "x" + std::to_string(row)};
    });
    grid.scrollTo(grid.model()->index(1499, 0));
    grid.viewport()->repaint();
    for (int row : formatted) ASSERT_TRUE(row >= 1480 && row <= 1520) << row;
    EXPECT_EQ(grid.textAt(1990, 1) + grid.textAt(1990, 2) + grid.textAt(1991, 0), "x1990");
    grid.setTextAt(7, 0, "Total:");
    EXPECT_EQ(grid.textAt(7, 0) + grid.textAt(7, 1), "Total:x7");
    grid.clearRange(1, 0, grid.rows() - 1, grid.cols() - 1);
    EXPECT_EQ(grid.textAt(8, 1) + grid.textAt(7, 0), "");
}

// A heading row never cuts its wrapped headings; a cell too narrow for its text offers the whole
// text as a tooltip.
TEST_F(Grid, HeadingsShowWholeAndNarrowCellsGiveTheirTextAsTooltip) {
    grid.setHeadingsWrap(true);
    grid.setRowHeightTwips(0, 225);
    EXPECT_EQ(grid.rowHeightTwips(0), 225);
    const QFontMetrics metrics(grid.horizontalHeader()->font());
    grid.setColumnWidth(1, metrics.horizontalAdvance("Compound") + 12);
    grid.setTextAt(0, 1, "Row, Days Compound Frequency");
    EXPECT_GE(grid.horizontalHeader()->height(), 3 * metrics.lineSpacing());
    grid.setColumnWidth(2, 40);
    grid.setTextAt(1, 2, "$20,000,000.00");
    grid.setTextAt(1, 3, "1.00");
    EXPECT_EQ(grid.model()->index(0, 2).data(Qt::ToolTipRole), "$20,000,000.00");
    EXPECT_FALSE(grid.model()->index(0, 3).data(Qt::ToolTipRole).isValid());
}

}  // namespace
}  // namespace bw
