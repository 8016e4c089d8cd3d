#include "shell/ms_grid.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>
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

// The grid's texts. Model rows are the grid's data rows (grid row r is model row r - 1); the
// heading row is the horizontal header.
class MSGridModel : public QAbstractTableModel {
  public:
    explicit MSGridModel(MSGrid* grid) : QAbstractTableModel(grid), grid_(grid) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : rows_;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : cols_;
    }

    void setRowCount(int rows) {
        rows = std::max(0, rows);
        if (rows == rows_) return;
        if (rows > rows_) {
            beginInsertRows({}, rows_, rows - 1);
        } else {
            beginRemoveRows({}, rows, rows_ - 1);
        }
        reshape(rows, cols_);
        if (rows > rows_) {
            rows_ = rows;
            endInsertRows();
        } else {
            rows_ = rows;
            endRemoveRows();
        }
        sourceLast_ = std::min(sourceLast_, rows_);
        cachedRow_ = 0;
    }

    void setColumnCount(int cols) {
        cols = std::max(0, cols);
        if (cols == cols_) return;
        if (cols > cols_) {
            beginInsertColumns({}, cols_, cols - 1);
        } else {
            beginRemoveColumns({}, cols, cols_ - 1);
        }
        reshape(rows_, cols);
        const auto n = static_cast<std::size_t>(cols);
        headings_.resize(n);
        alignment_.resize(n, 0);
        headingAlignment_.resize(n, -1);
        if (cols > cols_) {
            cols_ = cols;
            endInsertColumns();
        } else {
            cols_ = cols;
            endRemoveColumns();
        }
        cachedRow_ = 0;
    }

    // Text of data row r (1-based) and column c, both inside the grid.
    QString text(int r, int c) const {
        const std::size_t i = at(r - 1, c, cols_);
        if (written_[i] || r < sourceFirst_ || r > sourceLast_) return texts_[i];
        if (cachedRow_ != r) {
            const std::vector<std::string> cells = source_(r);
            cached_.assign(static_cast<std::size_t>(cols_), QString());
            for (std::size_t k = 0; k < cells.size() && k < cached_.size(); ++k)
                cached_[k] = QString::fromStdString(cells[k]);
            cachedRow_ = r;
        }
        return cached_[static_cast<std::size_t>(c)];
    }

    void setText(int r, int c, const QString& text) {
        const std::size_t i = at(r - 1, c, cols_);
        texts_[i] = text;
        written_[i] = 1;
        const QModelIndex cell = index(r - 1, c);
        emit dataChanged(cell, cell, {Qt::DisplayRole});
    }

    void setSource(int first, int last, MSGrid::RowSource source) {
        first = std::max(first, 1);
        last = std::min(last, rows_);
        source_ = std::move(source);
        sourceFirst_ = first;
        sourceLast_ = source_ ? last : 0;
        cachedRow_ = 0;
        if (first > last) return;
        for (int r = first; r <= last; ++r) {
            for (int c = 0; c < cols_; ++c) {
                const std::size_t i = at(r - 1, c, cols_);
                if (!written_[i]) continue;
                written_[i] = 0;
                texts_[i] = QString();
            }
        }
        emit dataChanged(index(first - 1, 0), index(last - 1, cols_ - 1), {Qt::DisplayRole});
    }

    // Empties the cells of data rows first..last, columns firstCol..lastCol (all inside).
    void clear(int first, int firstCol, int last, int lastCol) {
        if (first > last || firstCol > lastCol) return;
        if (first <= sourceLast_ && last >= sourceFirst_) {
            // The rows the source gave outside the rectangle keep their texts.
            for (int r = sourceFirst_; r <= sourceLast_; ++r) {
                for (int c = 0; c < cols_; ++c) {
                    const bool inside = r >= first && r <= last && c >= firstCol && c <= lastCol;
                    const std::size_t i = at(r - 1, c, cols_);
                    if (inside || written_[i]) continue;
                    texts_[i] = text(r, c);
                    written_[i] = 1;
                }
            }
            source_ = nullptr;
            sourceFirst_ = 1;
            sourceLast_ = 0;
            cachedRow_ = 0;
        }
        for (int r = first; r <= last; ++r) {
            for (int c = firstCol; c <= lastCol; ++c) {
                const std::size_t i = at(r - 1, c, cols_);
                texts_[i] = QString();
                written_[i] = 0;
            }
        }
        emit dataChanged(index(first - 1, firstCol), index(last - 1, lastCol), {Qt::DisplayRole});
    }

    QString heading(int c) const { return headings_[static_cast<std::size_t>(c)]; }
    void setHeading(int c, const QString& text) {
        if (headings_[static_cast<std::size_t>(c)] == text) return;
        headings_[static_cast<std::size_t>(c)] = text;
        emit headerDataChanged(Qt::Horizontal, c, c);
    }
    // Alignment and text flags of a heading, as the header draws it.
    int headingFlags(int c) const {
        const int code = headingAlignment_[static_cast<std::size_t>(c)];
        const int align = static_cast<int>(code < 0 ? Qt::AlignCenter : AlignmentForCode(code));
        return wrapHeadings_ ? align | Qt::TextWordWrap : align;
    }
    void setHeadingAlignment(int c, int code) {
        headingAlignment_[static_cast<std::size_t>(c)] = code;
        emit headerDataChanged(Qt::Horizontal, c, c);
    }
    void setHeadingsWrap(bool wrap) {
        wrapHeadings_ = wrap;
        if (cols_ > 0) emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
    }
    void setAlignment(int c, int code) {
        alignment_[static_cast<std::size_t>(c)] = code;
        if (rows_ > 0) emit dataChanged(index(0, c), index(rows_ - 1, c), {Qt::TextAlignmentRole});
    }
    void fixedColumnsChanged() {
        if (rows_ > 0 && cols_ > 0) emit dataChanged(index(0, 0), index(rows_ - 1, cols_ - 1));
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const int c = index.column();
        switch (role) {
            case Qt::DisplayRole:
            case Qt::AccessibleTextRole:
                return text(index.row() + 1, c);
            case Qt::TextAlignmentRole:
                return static_cast<int>(AlignmentForCode(alignment_[static_cast<std::size_t>(c)]));
            case Qt::BackgroundRole:
                if (c < grid_->fixedCols()) return grid_->palette().button();
                return {};
            case Qt::ToolTipRole: {
                const QString shown = text(index.row() + 1, c);
                if (grid_->textTooWide(c, shown)) return shown;
                return {};
            }
            default:
                return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= cols_) return {};
        switch (role) {
            case Qt::DisplayRole:
                return heading(section);
            case Qt::AccessibleTextRole:
                // Screen readers announce the heading as the column's header, on one line.
                return heading(section).simplified();
            case Qt::TextAlignmentRole:
                return headingFlags(section);
            default:
                return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) return Qt::NoItemFlags;
        if (index.column() < grid_->fixedCols()) return Qt::ItemIsEnabled;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

  private:
    static std::size_t at(int modelRow, int c, int cols) {
        return static_cast<std::size_t>(modelRow) * static_cast<std::size_t>(cols) +
               static_cast<std::size_t>(c);
    }

    // The store for rows x cols cells, each cell keeping its row and column.
    void reshape(int rows, int cols) {
        const std::size_t size = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
        if (cols == cols_) {
            texts_.resize(size);
            written_.resize(size, 0);
            return;
        }
        std::vector<QString> texts(size);
        std::vector<char> written(size, 0);
        for (int r = 0; r < std::min(rows, rows_); ++r) {
            for (int c = 0; c < std::min(cols, cols_); ++c) {
                texts[at(r, c, cols)] = std::move(texts_[at(r, c, cols_)]);
                written[at(r, c, cols)] = written_[at(r, c, cols_)];
            }
        }
        texts_ = std::move(texts);
        written_ = std::move(written);
    }

    MSGrid* grid_;
    int rows_ = 0;
    int cols_ = 0;
    std::vector<QString> texts_;  // written texts, row by row
    std::vector<char> written_;   // 1 where a text was written over the source
    std::vector<QString> headings_;
    std::vector<int> alignment_;
    std::vector<int> headingAlignment_;  // -1: centred, as the header draws by default
    bool wrapHeadings_ = false;
    MSGrid::RowSource source_;
    int sourceFirst_ = 1;
    int sourceLast_ = 0;
    mutable int cachedRow_ = 0;  // the source row last formatted, 0 for none
    mutable std::vector<QString> cached_;
};

MSGrid::MSGrid(QWidget* parent) : QTableView(parent), model_(new MSGridModel(this)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    model_->setRowCount(1);
    model_->setColumnCount(2);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                const int r = current.row();
                const int c = current.column();
                if (syncing_ || r < 0 || c < 0) return;
                if (c < fixedCols_ && fixedCols_ < model_->columnCount()) {
                    setCurrentIndex(model_->index(r, fixedCols_));
                    return;
                }
                row_ = r + 1;
                col_ = c;
                emit currentCellMoved(row_, col_);
            });
    // Wider or narrower columns wrap the headings anew.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int, int, int) { fitHeadingRow(); });
    connect(model_, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation, int, int) { fitHeadingRow(); });
}

MSGrid::~MSGrid() = default;

int MSGrid::rows() const {
    return model_->rowCount() + 1;
}

int MSGrid::cols() const {
    return model_->columnCount();
}

void MSGrid::setRows(int rows) {
    model_->setRowCount(rows - 1);
    if (row_ > model_->rowCount()) row_ = model_->rowCount();
}

void MSGrid::setCols(int count) {
    model_->setColumnCount(count);
    if (col_ >= cols()) col_ = std::max(0, cols() - 1);
}

void MSGrid::syncCurrent(int row, int col) {
    syncing_ = true;
    if (row >= 1 && col >= 0 && col < cols()) setCurrentIndex(model_->index(row - 1, col));
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
    return (row == 0 ? model_->heading(col) : model_->text(row, col)).toStdString();
}

void MSGrid::setTextAt(int row, int col, const std::string& text) {
    if (row < 0 || row >= rows() || col < 0 || col >= cols()) throw std::out_of_range("grid cell");
    if (row == 0) {
        model_->setHeading(col, QString::fromStdString(text));
    } else {
        model_->setText(row, col, QString::fromStdString(text));
    }
}

void MSGrid::setRowSource(int firstRow, int lastRow, RowSource source) {
    model_->setSource(firstRow, lastRow, std::move(source));
}

int MSGrid::rowHeightTwips(int row) const {
    const int px = row == 0 ? horizontalHeader()->height() : rowHeight(row - 1);
    return ToTwips(px);
}

void MSGrid::setRowHeightTwips(int row, int twips) {
    if (row == 0) {
        headingPx_ = Px(twips);
        fitHeadingRow();
    } else {
        setRowHeight(row - 1, Px(twips));
    }
}

// The heading row as high as the window asked, or as its tallest heading needs when that is more.
void MSGrid::fitHeadingRow() {
    if (headingPx_ <= 0) return;
    QHeaderView* header = horizontalHeader();
    const QFontMetrics metrics(header->font());
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    int needed = 0;
    for (int c = 0; c < cols(); ++c) {
        const QString heading = model_->heading(c);
        if (heading.isEmpty()) continue;
        const QRect room(0, 0, std::max(1, header->sectionSize(c) - 2 * margin), 10000);
        const QRect used = metrics.boundingRect(room, model_->headingFlags(c), heading);
        needed = std::max(needed, used.height() + 2 * margin);
    }
    header->setFixedHeight(std::max(headingPx_, needed));
}

bool MSGrid::textTooWide(int col, const QString& text) const {
    if (text.isEmpty()) return false;
    // The item view draws a cell's text inside a margin on each side, left of the grid line.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = columnWidth(col) - (showGrid() ? 1 : 0) - 2 * margin;
    return QFontMetricsF(font()).horizontalAdvance(text) > room;
}

int MSGrid::colWidthTwips(int col) const {
    return ToTwips(columnWidth(col));
}

void MSGrid::setColWidthTwips(int col, int twips) {
    setColumnWidth(col, Px(twips));
}

void MSGrid::setColAlignment(int col, int code) {
    if (col < 0 || col >= cols()) throw std::out_of_range("grid column");
    model_->setAlignment(col, code);
}

void MSGrid::setFixedAlignment(int col, int code) {
    if (col < 0 || col >= cols()) throw std::out_of_range("grid column");
    model_->setHeadingAlignment(col, code);
}

void MSGrid::setHeadingsWrap(bool wrap) {
    model_->setHeadingsWrap(wrap);
}

void MSGrid::setFixedCols(int count) {
    fixedCols_ = count;
    model_->fixedColumnsChanged();
}

void MSGrid::clearRange(int firstRow, int firstCol, int lastRow, int lastCol) {
    model_->clear(std::max(firstRow, 1), std::max(firstCol, 0), std::min(lastRow, rows() - 1),
                  std::min(lastCol, cols() - 1));
    clearSelection();
    if (row_ >= 1) syncCurrent(row_, col_);
}

void MSGrid::showRow(int row) {
    if (row >= 1 && row < rows()) scrollTo(model_->index(row - 1, 0));
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
    QTableView::keyPressEvent(event);
}

}  // namespace bw
