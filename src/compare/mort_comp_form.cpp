// The comparison window's controls: their construction, colours, layout and tab order, the
// captions' sizes and the layout of the two grids.

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "compare/mort_comp.h"
#include "shell/input_controls.h"
#include "shell/ms_grid.h"
#include "shell/twips.h"
#include "shell/window_kit.h"

namespace bw {
namespace {

constexpr int kUpperDefaultColumnTwips = 1000;
constexpr int kGridRowTwips = 270;
constexpr int kUpperWiden[kUpperCols] = {760, 50, 110, 140, 615, 130, 390, 740};

}  // namespace

void MortComp::buildControls() {
    setObjectName(QStringLiteral("MortComp"));
    setWindowTitle(QStringLiteral("Mortgage Comparison Tables"));
    auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
    };

    InPrincipal = NewInputBox(this, "InPrincipal");
    InRate = NewEditableList(this, "InRate");
    InTerm = NewEditableList(this, "InTerm");
    ComPeriod = NewPickList(this, "ComPeriod");
    FreqPmt = NewPickList(this, "FreqPmt");

    InDays = NewResultBox(this, "InDays");
    PeriodicR = NewResultBox(this, "PeriodicR");

    Label1 = NewCaption(this, "Label1", "");
    Label3 = NewCaption(this, "Label3", "");
    Label4 = NewCaption(this, "Label4", "");
    Label5 = NewCaption(this, "Label5", "Interest compound periods per year.");
    Label6 = NewCaption(this, "Label6", "Frequency and type of each payment.");
    Label8 = NewCaption(this, "Label8", "* Additional Payments Applied");
    Label9 = NewCaption(this, "Label9", "Interest rate factor.");
    Label10 = NewCaption(this, "Label10", "Days in year.");
    Label8->setWordWrap(false);
    Label1->setBuddy(InPrincipal);
    Label3->setBuddy(InRate);
    Label4->setBuddy(InTerm);
    Label5->setBuddy(ComPeriod);
    Label6->setBuddy(FreqPmt);

    auto makeButton = [&](QPushButton*& button, const char* name, const char* caption) {
        button = new QPushButton(QString::fromLatin1(caption), this);
        named(button, name);
        button->setAutoDefault(true);
    };
    makeButton(MCCalc, "MCCalc", "&Calculate");
    makeButton(MCAddPrePay, "MCAddPrePay", "&Additional Payments");
    makeButton(MCShowIRF, "MCShowIRF", "&Days in Year");
    makeButton(MCGraphs, "MCGraphs", "&Show Graph");
    makeButton(MCPrinter, "MCPrinter", "&Print");
    makeButton(CSaveFile, "CSaveFile", "Sa&ve File");
    makeButton(CLoadFile, "CLoadFile", "&Open File");
    makeButton(MCHelp, "MCHelp", "Quick &Help");
    makeButton(MCExit, "MCExit", "E&xit to Menu");
    QFont bold = MCCalc->font();
    bold.setBold(true);
    MCCalc->setFont(bold);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto makeGrid = [&](MSGrid*& grid, const char* name, int defaultColumnTwips) {
        grid = new MSGrid(this);
        named(grid, name);
        grid->setWordWrap(false);
        grid->setCornerButtonEnabled(false);
        grid->horizontalHeader()->setDefaultSectionSize(Px(defaultColumnTwips));
        grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grid->verticalHeader()->setDefaultSectionSize(Px(kGridRowTwips));
        grid->verticalHeader()->setMinimumSectionSize(Px(kGridRowTwips) - 2);
        grid->setFont(fixed);
        grid->horizontalHeader()->setFont(font());
    };
    makeGrid(MCGrid1, "MCGrid1", kUpperDefaultColumnTwips);
    makeGrid(MCGrid2, "MCGrid2", 760);
    MCGrid2->horizontalHeader()->setFont(fixed);

    MCTextBox = new QPlainTextEdit(this);
    named(MCTextBox, "MCTextBox");
    MCTextBox->setReadOnly(true);
    MCTextBox->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    MCTextBox->setContextMenuPolicy(Qt::NoContextMenu);
    MCTextBox->setFocusPolicy(Qt::StrongFocus);
    SetBackground(MCTextBox, colours::kHelp);
    {
        QPalette palette = MCTextBox->viewport()->palette();
        palette.setColor(QPalette::Base, colours::kHelp);
        MCTextBox->viewport()->setPalette(palette);
        MCTextBox->viewport()->setAutoFillBackground(true);
    }
    MCTextBox->hide();

    // Layout: the inputs and the two result boxes on top, the grids below, commands at the right.
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("0")) * 17;
    auto* inputs = new QGroupBox(this);
    inputs->setObjectName(QStringLiteral("InputsFrame"));
    auto* inputGrid = new QGridLayout(inputs);
    inputGrid->setContentsMargins(8, 4, 8, 4);
    inputGrid->setHorizontalSpacing(8);
    inputGrid->setVerticalSpacing(3);
    const std::pair<QLabel*, QWidget*> left[] = {
        {Label1, InPrincipal}, {Label3, InRate}, {Label4, InTerm}};
    const std::pair<QLabel*, QWidget*> right[] = {
        {Label5, ComPeriod}, {Label6, FreqPmt}, {Label9, PeriodicR}, {Label10, InDays}};
    for (int i = 0; i < 3; ++i) {
        inputGrid->addWidget(left[i].first, i, 0);
        inputGrid->addWidget(left[i].second, i, 1);
        left[i].second->setFixedWidth(boxWidth);
    }
    for (int i = 0; i < 4; ++i) {
        inputGrid->addWidget(right[i].first, i, 3);
        inputGrid->addWidget(right[i].second, i, 4);
        right[i].second->setFixedWidth(boxWidth);
    }
    inputGrid->setColumnMinimumWidth(2, 16);
    inputGrid->setColumnStretch(0, 1);
    inputGrid->setColumnStretch(3, 1);

    auto* grids = new QGridLayout;
    grids->setContentsMargins(0, 0, 0, 0);
    grids->setVerticalSpacing(2);
    grids->addWidget(MCGrid1, 0, 0);
    grids->addWidget(Label8, 1, 0);
    grids->addWidget(MCGrid2, 2, 0);
    grids->addWidget(MCTextBox, 0, 0, 3, 1);
    grids->setRowStretch(0, 3);
    grids->setRowStretch(2, 2);

    auto* leftSide = new QVBoxLayout;
    leftSide->setSpacing(6);
    leftSide->addWidget(inputs, 0);
    leftSide->addLayout(grids, 1);

    auto* commands = new QVBoxLayout;
    commands->setSpacing(5);
    for (QPushButton* b : {MCCalc, MCAddPrePay, MCShowIRF}) commands->addWidget(b);
    commands->addSpacing(10);
    for (QPushButton* b : {CLoadFile, CSaveFile, MCPrinter, MCGraphs}) commands->addWidget(b);
    commands->addSpacing(10);
    commands->addWidget(MCHelp);
    commands->addStretch(1);
    commands->addWidget(MCExit);
    EvenCommandButtons(this);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(8, 8, 8, 8);
    main->setSpacing(10);
    main->addLayout(leftSide, 1);
    main->addLayout(commands, 0);

    ChainTabOrder({InPrincipal, InRate, InTerm, ComPeriod, FreqPmt, MCCalc});

    connect(MCCalc, &QPushButton::clicked, this, [this] { MCCalc_Click(); });
    connect(MCAddPrePay, &QPushButton::clicked, this, [this] { MCAddPrePay_Click(); });
    connect(MCShowIRF, &QPushButton::clicked, this, [this] { MCShowIRF_Click(); });
    connect(MCGraphs, &QPushButton::clicked, this, [this] { MCGraphs_Click(); });
    connect(MCPrinter, &QPushButton::clicked, this, [this] { MCPrinter_Click(); });
    connect(CSaveFile, &QPushButton::clicked, this, [this] { CSaveFile_Click(); });
    connect(CLoadFile, &QPushButton::clicked, this, [this] { CLoadFile_Click(); });
    connect(MCHelp, &QPushButton::clicked, this, [this] { MCHelp_Click(); });
    connect(MCExit, &QPushButton::clicked, this, [this] { MCExit_Click(); });
    EnterPressesButtons(this);
}

// Captions break at their runs of blanks, as they were laid out for.
void MortComp::sizeCaptions() {
    for (QLabel* label : {Label1, Label3, Label4}) {
        const QString text = label->text();
        const int run = text.indexOf(QStringLiteral("  "), 1);
        const QFontMetrics metrics(label->font());
        const int width = std::max(metrics.horizontalAdvance(text.left(run)),
                                   metrics.horizontalAdvance(text.mid(run).trimmed())) +
                          8;
        label->setMinimumWidth(width);
        label->setMaximumWidth(width);
        label->setMinimumHeight(metrics.lineSpacing() * 2 + 2);
    }
    for (QLabel* label : {Label5, Label6}) {
        const QFontMetrics metrics(label->font());
        label->setMinimumHeight(metrics.lineSpacing() * 2 + 2);
        label->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("Interest compound")) + 8);
    }
    // Screen readers name the lists and results by the caption beside them (the number boxes
    // are named by their own component).
    const std::pair<QWidget*, QLabel*> named[] = {{ComPeriod, Label5},
                                                  {FreqPmt, Label6},
                                                  {PeriodicR, Label9},
                                                  {InDays, Label10},
                                                  {MCGrid2, Label8}};
    for (const auto& [widget, caption] : named) SetAccessibleCaption(widget, caption->text());
    SetAccessibleCaption(MCGrid1, QStringLiteral("Mortgage comparisons"));
    SetAccessibleCaption(MCTextBox, QStringLiteral("Quick help"));
    resize(sizeHint().expandedTo(QSize(Px(14200), Px(9600))));
}

void MortComp::layOutUpperGrid() {
    MCGrid1->setCols(kUpperCols);
    MCGrid1->setRows(kCompareMaxRows + 1);
    MCGrid1->setRowHeightTwips(0, 660);
    MCGrid1->setHeadingsWrap(true);
    for (int c = 0; c < kUpperCols; ++c) {
        MCGrid1->setColWidthTwips(c, kUpperDefaultColumnTwips + kUpperWiden[c]);
        if (c <= 3) MCGrid1->setColAlignment(c, 2);
        MCGrid1->setTextAt(0, c, kUpperHeadings[static_cast<std::size_t>(c)]);
    }
    for (int c = 4; c < kUpperCols; ++c) MCGrid1->setColAlignment(c, 1);
}

void MortComp::layOutLowerGrid() {
    sheet_.layOutLower();
    MCGrid2->setCols(sheet_.lowerCols);
    MCGrid2->setRows(sheet_.lowerRows);
    MCGrid2->setRowHeightTwips(0, 220);
    // 760 and 1000 twips, or as wide as this platform's font needs for the texts.
    const QFontMetrics metrics(MCGrid2->font());
    const int padding = 2 * MCGrid2->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const int labelWidth =
        std::max({Px(760), metrics.horizontalAdvance(QStringLiteral(" Yr. Mth")) + padding,
                  metrics.horizontalAdvance(QStringLiteral("40   12")) + padding});
    // An amount of a million or more widens the amount columns enough to show it whole.
    int amountWidth =
        std::max({Px(1000), metrics.horizontalAdvance(QStringLiteral(" Row    12")) + padding,
                  metrics.horizontalAdvance(QStringLiteral("999,999.00")) + padding});
    for (const auto& entry : sheet_.addPayAmounts)
        for (const std::string& amount : entry)
            amountWidth = std::max(amountWidth, metrics.horizontalAdvance(Q(amount)) + padding);
    for (int c = 0; c < sheet_.lowerCols; ++c) {
        MCGrid2->setColumnWidth(c, c % 2 == 0 ? labelWidth : amountWidth);
        MCGrid2->setColAlignment(c, 0);
        MCGrid2->setFixedAlignment(c, 0);
    }
}

void MortComp::clearUpperGrid() {
    MCGrid1->clearRange(1, 0, MCGrid1->rows() - 1, MCGrid1->cols() - 1);
}

void MortComp::showUpperRow(int row) {
    const UpperRow& cells = sheet_.upper[static_cast<std::size_t>(row - 1)];
    for (int c = 0; c < kUpperCols; ++c) MCGrid1->setTextAt(row, c, cells[c]);
}

void MortComp::showSheet() {
    MCGrid1->setUpdatesEnabled(false);
    clearUpperGrid();
    for (int r = 1; r <= sheet_.rowCounter; ++r) showUpperRow(r);
    MCGrid1->setUpdatesEnabled(true);

    MCGrid2->setUpdatesEnabled(false);
    layOutLowerGrid();
    for (int r = 0; r < sheet_.lowerRows; ++r)
        for (int c = 0; c < sheet_.lowerCols; ++c) MCGrid2->setTextAt(r, c, sheet_.lower[r][c]);
    MCGrid2->setUpdatesEnabled(true);
}

}  // namespace bw
