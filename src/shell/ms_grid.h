#pragma once
// The spreadsheet grid of the program's windows: a table view over its own table model, driven
// through the operations the windows use. Rows and columns are counted as the windows count them:
// row 0 is the fixed heading row (shown as the header), data rows start at 1. Column 0 can be made
// fixed (not selectable). Every cell holds finished text; the grid does not edit cells itself.
//
// Texts are either written cell by cell (kept in a plain string store) or, for long schedules,
// given by a row source that formats a row only when it is shown or read.

#include <QTableView>
#include <functional>
#include <string>
#include <vector>

namespace bw {

class MSGridModel;

class MSGrid : public QTableView {
    Q_OBJECT
  public:
    // Gives the texts of one data row, column by column (missing columns read as empty).
    using RowSource = std::function<std::vector<std::string>(int row)>;

    explicit MSGrid(QWidget* parent = nullptr);
    ~MSGrid() override;

    // Number of rows, the heading row included (at least 1), and of columns.
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);

    // The current cell. Setting it outside the grid throws std::out_of_range.
    int row() const { return row_; }
    int col() const { return col_; }
    void setRow(int row);
    void setCol(int col);

    // Text of the current cell, and of any cell.
    std::string text() const { return textAt(row_, col_); }
    void setText(const std::string& text) { setTextAt(row_, col_, text); }
    std::string textAt(int row, int col) const;
    void setTextAt(int row, int col, const std::string& text);

    // Data rows firstRow..lastRow show the texts `source` gives, formatted when they are shown or
    // read; texts written there before are replaced, a text written later takes its cell.
    // Emptying any of these rows with clearRange ends the source.
    void setRowSource(int firstRow, int lastRow, RowSource source);

    // Row height and column width in twips. The heading row is never made lower than its
    // headings need to show whole (in the header's font, wrapped as they are drawn).
    int rowHeightTwips(int row) const;
    void setRowHeightTwips(int row, int twips);
    int colWidthTwips(int col) const;
    void setColWidthTwips(int col, int twips);

    // Alignment codes: 0 left, 1 right, 2 centred; for a column's data cells and its heading.
    void setColAlignment(int col, int code);
    void setFixedAlignment(int col, int code);
    // Headings wrap at blanks to the width of their column.
    void setHeadingsWrap(bool wrap);

    // Column 0 fixed: not selectable; the current cell stays in the other columns.
    void setFixedCols(int count);
    int fixedCols() const { return fixedCols_; }

    // Empties every cell of the rectangle, then puts the selection back on one cell.
    void clearRange(int firstRow, int firstCol, int lastRow, int lastCol);

    // Scrolls the data row into sight.
    void showRow(int row);

    // The Down-arrow keystroke: the current cell moves one row down when there is one.
    void moveDown();

    // Windows key codes of the key-down event for the keys the program looks at.
    static int KeyDownCode(int qtKey);

  signals:
    // The current cell changed (by the user or by the program); row and column as the grid counts.
    void currentCellMoved(int row, int col);
    // Key down with the key's code (46 for Delete); set *discard to swallow the key.
    void keyDown(int keyCode, bool* discard);
    // Key press with the character code (13 Enter, 8 Backspace); set *discard to swallow the key.
    void keyPress(int charCode, bool* discard);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class MSGridModel;
    void syncCurrent(int row, int col);
    void fitHeadingRow();
    // Whether a data cell's text is wider than its column leaves room for.
    bool textTooWide(int col, const QString& text) const;
    MSGridModel* model_;
    int headingPx_ = 0;  // the heading row's height as the window asked for it
    int row_ = 0;
    int col_ = 0;
    int fixedCols_ = 0;
    bool syncing_ = false;
};

}  // namespace bw
