#include "shell/ms_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <stdexcept>

#include "shell/twips.h"

namespace bw {

namespace {

Qt::Alignment AlignmentForCode(int code) {
    switch (code) {
        case 1:
            return Qt::AlignRight | Qt::AlignVCenter;
        case 2:
            return Qt::AlignCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

MSGrid::MSGrid(QWidget* parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    setRowCount(1);
    setColumnCount(2);
    connect(this, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        if (syncing_ || r < 0 || c < 0) return;
        if (c < fixedCols_ && fixedCols_ < columnCount()) {
            setCurrentCell(r, fixedCols_);
            return;
        }
        row_ = r + 1;
        col_ = c;
        emit currentCellMoved(row_, col_);
    });
}

void MSGrid::setRows(int rows) {
    setRowCount(std::max(0, rows - 1));
    if (row_ > rowCount()) row_ = rowCount();
}

void MSGrid::setCols(int cols) {
    setColumnCount(std::max(0, cols));
    alignment_.resize(static_cast<std::size_t>(std::max(0, cols)), 0);
    for (int c = 0; c < columnCount(); ++c) {
        if (!horizontalHeaderItem(c)) setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));
    }
    if (col_ >= columnCount()) col_ = std::max(0, columnCount() - 1);
}

void MSGrid::syncCurrent(int row, int col) {
    syncing_ = true;
    if (row >= 1 && col >= 0 && col < columnCount()) setCurrentCell(row - 1, col);
    syncing_ = false;
}

void MSGrid::setRow(int row) {
    if (row < 0 || row >= rows()) throw std::out_of_range("grid row");
    const bool moved = row != row_;
    row_ = row;
    syncCurrent(row_, col_);
    if (moved) emit currentCellMoved(row_, col_);
}

void MSGrid::setCol(int col) {
    if (col < 0 || col >= cols()) throw std::out_of_range("grid column");
    const bool moved = col != col_;
    col_ = col;
    syncCurrent(row_, col_);
    if (moved) emit currentCellMoved(row_, col_);
}

std::string MSGrid::textAt(int row, int col) const {
    if (row < 0 || row >= rows() || col < 0 || col >= cols()) throw std::out_of_range("grid cell");
    const QTableWidgetItem* item = row == 0 ? horizontalHeaderItem(col) : this->item(row - 1, col);
    return item ? item->text().toStdString() : std::string();
}

void MSGrid::applyAlignment(QTableWidgetItem* item, int col) const {
    const int code = col < static_cast<int>(alignment_.size()) ? alignment_[col] : 0;
    item->setTextAlignment(AlignmentForCode(code));
}

void MSGrid::setTextAt(int row, int col, const std::string& text) {
    if (row < 0 || row >= rows() || col < 0 || col >= cols()) throw std::out_of_range("grid cell");
    const QString value = QString::fromStdString(text);
    if (row == 0) {
        QTableWidgetItem* header = horizontalHeaderItem(col);
        if (!header) {
            header = new QTableWidgetItem;
            setHorizontalHeaderItem(col, header);
        }
        header->setText(value);
        // Screen readers announce the heading as the column's header, on one line.
        header->setData(Qt::AccessibleTextRole, value.simplified());
        return;
    }
    QTableWidgetItem* cell = item(row - 1, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        applyAlignment(cell, col);
        if (col < fixedCols_) {
            cell->setFlags(Qt::ItemIsEnabled);
            cell->setBackground(palette().button());
        }
        setItem(row - 1, col, cell);
    }
    cell->setText(value);
}

int MSGrid::rowHeightTwips(int row) const {
    const int px = row == 0 ? horizontalHeader()->height() : rowHeight(row - 1);
    return ToTwips(px);
}

void MSGrid::setRowHeightTwips(int row, int twips) {
    if (row == 0) {
        horizontalHeader()->setFixedHeight(Px(twips));
    } else {
        setRowHeight(row - 1, Px(twips));
    }
}

int MSGrid::colWidthTwips(int col) const {
    return ToTwips(columnWidth(col));
}

void MSGrid::setColWidthTwips(int col, int twips) {
    setColumnWidth(col, Px(twips));
}

void MSGrid::setColAlignment(int col, int code) {
    if (col < 0 || col >= cols()) throw std::out_of_range("grid column");
    if (alignment_.size() < static_cast<std::size_t>(cols()))
        alignment_.resize(static_cast<std::size_t>(cols()), 0);
    alignment_[static_cast<std::size_t>(col)] = code;
    for (int r = 0; r < rowCount(); ++r) {
        if (QTableWidgetItem* cell = item(r, col)) applyAlignment(cell, col);
    }
}

void MSGrid::setFixedAlignment(int col, int code) {
    if (col < 0 || col >= cols()) throw std::out_of_range("grid column");
    if (!horizontalHeaderItem(col)) setHorizontalHeaderItem(col, new QTableWidgetItem(QString()));
    horizontalHeaderItem(col)->setTextAlignment(AlignmentForCode(code));
}

void MSGrid::setFixedCols(int count) {
    fixedCols_ = count;
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < std::min(count, columnCount()); ++c) {
            if (QTableWidgetItem* cell = item(r, c)) cell->setFlags(Qt::ItemIsEnabled);
        }
    }
}

void MSGrid::clearRange(int firstRow, int firstCol, int lastRow, int lastCol) {
    for (int r = std::max(firstRow, 1); r <= lastRow && r < rows(); ++r) {
        for (int c = std::max(firstCol, 0); c <= lastCol && c < cols(); ++c) {
            if (QTableWidgetItem* cell = item(r - 1, c)) cell->setText(QString());
        }
    }
    clearSelection();
    if (row_ >= 1) syncCurrent(row_, col_);
}

void MSGrid::moveDown() {
    if (row_ + 1 < rows()) setRow(row_ + 1);
}

int MSGrid::KeyDownCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Delete:
            return 46;
        default:
            if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
            if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
            return 0;
    }
}

void MSGrid::keyPressEvent(QKeyEvent* event) {
    bool discard = false;
    const int down = KeyDownCode(event->key());
    if (down != 0) emit keyDown(down, &discard);
    if (discard) return;
    int charCode = 0;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        charCode = 13;
    } else if (event->key() == Qt::Key_Backspace) {
        charCode = 8;
    } else if (event->key() == Qt::Key_Escape) {
        charCode = 27;
    } else if (!event->text().isEmpty() && event->text().at(0).unicode() >= 32) {
        charCode = event->text().at(0).unicode();
    }
    if (charCode != 0) {
        emit keyPress(charCode, &discard);
        if (discard) return;
        if (charCode >= 32) return;  // typed characters never reach the table's own editing
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace bw
