#include "tables/mort_pre_pay.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "shell/ms_grid.h"
#include "shell/window_kit.h"

namespace bw {

namespace {
constexpr TwipPoint kSmallOffset{4300, 700};
constexpr TwipPoint kLargeOffset{5300, 1700};
}  // namespace

MortPrePay::MortPrePay(AppContext& ctx, QWidget* parent)
    : PlacedDialog(ctx, kSmallOffset, kLargeOffset, parent) {
    setObjectName("MortPrePay");
    setWindowTitle("Additional Payments");

    PGrid = new MSGrid(this);
    PGrid->setObjectName("PGrid");
    SetAccessibleCaption(PGrid, "Additional payments");

    Label2 = new QLabel(" Apply to   Month", this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFixedSize(Px(1000), 2 * Label2->fontMetrics().lineSpacing() + Px(60));

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* months = new QGridLayout(Frame1);
    months->setContentsMargins(Px(120), Px(90), Px(120), Px(90));
    months->setVerticalSpacing(Px(45));
    months->setHorizontalSpacing(Px(150));
    for (int i = 0; i < kPrePayMonthOptions; ++i) {
        auto* option = new QRadioButton(QString::fromStdString(PrePayMonthCaption(i)), Frame1);
        option->setObjectName(QString("InMth%1").arg(i));
        InMth[static_cast<std::size_t>(i)] = option;
        months->addWidget(option, i % 6, i / 6);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) InMth_Click(i);
        });
    }

    UsePrePay = new QPushButton("&OK", this);
    UsePrePay->setObjectName("UsePrePay");
    DoNotUse = new QPushButton("&Erase all", this);
    DoNotUse->setObjectName("DoNotUse");
    for (QPushButton* b : {UsePrePay, DoNotUse}) b->setFixedSize(Px(1300), Px(400));
    connect(UsePrePay, &QPushButton::clicked, this, [this] { UsePrePay_Click(); });
    connect(DoNotUse, &QPushButton::clicked, this, [this] { DoNotUse_Click(); });

    auto* side = new QVBoxLayout;
    side->addWidget(Label2, 0, Qt::AlignHCenter);
    side->addWidget(Frame1);
    side->addSpacing(Px(150));
    side->addWidget(UsePrePay, 0, Qt::AlignHCenter);
    side->addWidget(DoNotUse, 0, Qt::AlignHCenter);
    side->addStretch(1);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(Px(120), Px(120), Px(120), Px(120));
    main->setSpacing(Px(150));
    main->addWidget(PGrid);
    main->addLayout(side);

    connect(PGrid, &MSGrid::currentCellMoved, this,
            [this](int row, int col) { PGrid_RowColChange(row, col); });
    connect(PGrid, &MSGrid::keyPress, this,
            [this](int code, bool* discard) { PGrid_KeyPress(code, discard); });
    connect(PGrid, &MSGrid::keyDown, this,
            [this](int code, bool* discard) { PGrid_KeyDown(code, discard); });

    Form_Load();

    // Room for the two columns and ten year rows; the grid scrolls for the others.
    const int gridWidth = PGrid->columnWidth(0) + PGrid->columnWidth(1) +
                          PGrid->verticalScrollBar()->sizeHint().width() + 2 * PGrid->frameWidth();
    PGrid->setFixedSize(gridWidth, PGrid->horizontalHeader()->height() +
                                       10 * PGrid->verticalHeader()->defaultSectionSize() +
                                       2 * PGrid->frameWidth());
    PGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFixedSize(sizeHint());
}

void MortPrePay::Form_Load() {
    MMODULE& mm = ctx_.mm;
    InMth[static_cast<std::size_t>(PrePayOptionForMonth(mm.PrePayMonth))]->setChecked(true);

    mm.PrePayYears = PrePayYearsForPeriod(mm.LoanInputs[3]);
    mm.GridRows = static_cast<std::int16_t>(mm.PrePayYears + 1);

    PGrid->setCols(2);
    PGrid->setRows(PrePayGridRows(mm.PrePayYears));
    PGrid->setRowHeightTwips(0, 460);
    PGrid->setColWidthTwips(0, PGrid->colWidthTwips(0) + 200);
    PGrid->setColWidthTwips(1, PGrid->colWidthTwips(1) + 460);
    PGrid->setColAlignment(0, 2);
    PGrid->setColAlignment(1, 1);
    PGrid->setFixedAlignment(0, 2);
    PGrid->setFixedAlignment(1, 2);
    PGrid->setTextAt(0, 0, "Year Number");
    PGrid->setTextAt(0, 1, "Amount of Payment");
    PGrid->setFixedCols(1);

    if (NoPrePayAmounts(mm.PrePayTable, mm.PrePayYears))
        NumberPrePayYears(mm.PrePayTable, mm.PrePayYears);
    for (int i = 1; i <= mm.PrePayYears; ++i) {
        const auto& row = mm.PrePayTable[static_cast<std::size_t>(i)];
        PGrid->setTextAt(i, 0, row[1].plainText());
        PGrid->setTextAt(i, 1, PrePayAmountText(row[2]));
    }
    // The rows past the period are empty cells that can still be selected and typed into.
    for (int i = mm.PrePayYears + 1; i < PGrid->rows(); ++i) {
        PGrid->setTextAt(i, 0, "");
        PGrid->setTextAt(i, 1, "");
    }

    PGrid->setRow(1);
    PGrid->setCol(1);
    currentRow_ = 1;
    currentCol_ = 1;
    buffer_.clear();
    PGrid->setFocus();
}

void MortPrePay::InMth_Click(int index) {
    ctx_.mm.PrePayMonth = PrePayMonthForOption(index);
}

void MortPrePay::PGrid_RowColChange(int row, int col) {
    if (row == currentRow_ && col == currentCol_) return;  // the same cell selected again
    currentRow_ = row;
    currentCol_ = col;
    buffer_.clear();
}

void MortPrePay::ShowAmount(Money amount, bool numberYear) {
    auto& row = ctx_.mm.PrePayTable[static_cast<std::size_t>(currentRow_)];
    row[2] = amount;
    if (numberYear) row[1] = Money::fromTicks(currentRow_ * Money::kScale);
    PGrid->setRow(currentRow_);
    PGrid->setCol(currentCol_);
    PGrid->setText(PrePayAmountText(amount));
}

void MortPrePay::PGrid_KeyPress(int charCode, bool* discard) {
    *discard = true;
    const bool amountCell = currentRow_ >= 1 && currentRow_ <= kYearLastRow &&
                            currentRow_ < PGrid->rows() && currentCol_ == 1;
    if (!amountCell) return;
    const PrePayKeyResult result = buffer_.key(charCode);
    switch (result.action) {
        case PrePayKeyAction::MoveDown:
            PGrid->moveDown();
            break;
        case PrePayKeyAction::SetZero:
            ShowAmount(Money(), false);
            break;
        case PrePayKeyAction::Beep:
            ctx_.messages.beep();
            break;
        case PrePayKeyAction::SetAmount:
            ShowAmount(result.amount, true);
            break;
        case PrePayKeyAction::Discard:
        case PrePayKeyAction::Ignore:
            break;
    }
}

void MortPrePay::PGrid_KeyDown(int keyCode, bool* discard) {
    if (keyCode != 46) return;
    *discard = true;
    const bool amountCell = currentRow_ >= 1 && currentRow_ <= kYearLastRow &&
                            currentRow_ < PGrid->rows() && currentCol_ == 1;
    if (!amountCell) return;
    ShowAmount(Money(), false);
    buffer_.clear();
}

void MortPrePay::UsePrePay_Click() {
    ctx_.mm.PrePayCount = CountPrePayYears(ctx_.mm.PrePayTable, ctx_.mm.PrePayYears);
    accept();
}

void MortPrePay::DoNotUse_Click() {
    ErasePrePayAmounts(ctx_.mm.PrePayTable, ctx_.mm.PrePayYears);
    ctx_.mm.PrePayCount = 0;
    ctx_.mm.PrePayMonth = 12;
    accept();
}

}  // namespace bw
