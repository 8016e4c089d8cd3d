// The comparison window: inputs and their keyboard protocol, "&Calculate" adding a row to the
// comparison, the lower grid of additional payments, quick help, the dialogs, the file, print
// and graph commands, and leaving the window.

#include "compare/mort_comp.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QVBoxLayout>
#include <memory>

#include "compare/comparison_help.h"
#include "compare/comparison_printout.h"
#include "compare/mc_graph.h"
#include "reports/page_model.h"
#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/ms_grid.h"
#include "shell/number_format.h"
#include "shell/twips.h"
#include "tables/days_in_year.h"

#if __has_include("tables/mort_pre_pay.h") && __has_include("tables/mort_irf_table.h")
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"
#define BW_HAVE_TABLES_DIALOGS 1
#endif
#if __has_include("files/file_info.h")
#include "files/file_info.h"
#define BW_HAVE_FILE_INFO 1
#endif
#if __has_include("reports/printer_header_input.h") && __has_include("reports/qt_printer_backend.h")
#include "reports/printer_header_input.h"
#include "reports/qt_printer_backend.h"
#define BW_HAVE_PRINTER 1
#endif

namespace bw {
namespace {

const QString kQuickHelp = QStringLiteral("Quick &Help");
const QString kCloseHelp = QStringLiteral("Close &Help");
const char* const kCalculatedTitle = " Total mortgage interest paid";
const char* const kFileTitle = "Total mortgage interest paid";

const QColor kInputYellow(255, 255, 150);
const QColor kResultWhite(255, 255, 255);
const QColor kHelpCyan(0, 255, 255);

constexpr int kUpperDefaultColumnTwips = 1000;
constexpr int kGridRowTwips = 270;
constexpr int kUpperWiden[kUpperCols] = {760, 50, 110, 140, 615, 130, 390, 740};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}

// A list that shows its entry right-aligned, as the number boxes beside it.
class RightAlignedCombo : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        const QString text = option.currentText;
        option.currentText.clear();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, this);
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
        painter.drawText(field.adjusted(2, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                         text.trimmed());
    }
};

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

class HourglassCursor {
  public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { restore(); }
    void restore() {
        if (active_) QApplication::restoreOverrideCursor();
        active_ = false;
    }

  private:
    bool active_ = true;
};

// A text right-justified in a field, or whole when it is longer than the field.
std::string Fit(const std::string& text, int width) {
    return static_cast<int>(TextLength(text)) > width ? text : RightAlign(text, width);
}

}  // namespace

MortComp::MortComp(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    buildControls();
    Form_Load();
}

MortComp::~MortComp() {
    exiting_ = true;
    for (QObject* watched : {static_cast<QObject*>(InPrincipal), static_cast<QObject*>(InRate),
                             static_cast<QObject*>(InTerm), static_cast<QObject*>(ComPeriod),
                             static_cast<QObject*>(FreqPmt), static_cast<QObject*>(MCTextBox)})
        if (watched) watched->removeEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// Controls and layout

void MortComp::buildControls() {
    setObjectName(QStringLiteral("MortComp"));
    setWindowTitle(QStringLiteral("Mortgage Comparison Tables"));
    auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
    };

    InPrincipal = new QLineEdit(this);
    named(InPrincipal, "InPrincipal");
    InPrincipal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    InPrincipal->setContextMenuPolicy(Qt::NoContextMenu);
    InPrincipal->setDragEnabled(false);
    InPrincipal->setAcceptDrops(false);
    SetBackground(InPrincipal, kInputYellow);

    auto makeEditableCombo = [&](QComboBox*& combo, const char* name) {
        combo = new QComboBox(this);
        named(combo, name);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        combo->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
        combo->lineEdit()->setAcceptDrops(false);
        combo->setAcceptDrops(false);
        SetBackground(combo, kInputYellow);
        SetBackground(combo->lineEdit(), kInputYellow);
    };
    makeEditableCombo(InRate, "InRate");
    makeEditableCombo(InTerm, "InTerm");
    auto makeList = [&](QComboBox*& combo, const char* name) {
        combo = new RightAlignedCombo(this);
        named(combo, name);
        combo->setMaxVisibleItems(10);
        SetBackground(combo, kInputYellow);
    };
    makeList(ComPeriod, "ComPeriod");
    makeList(FreqPmt, "FreqPmt");

    auto makeResult = [&](QLabel*& label, const char* name) {
        label = new QLabel(this);
        named(label, name);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMargin(2);
        SetBackground(label, kResultWhite);
    };
    makeResult(InDays, "InDays");
    makeResult(PeriodicR, "PeriodicR");

    auto makeLabel = [&](QLabel*& label, const char* name, const char* caption) {
        label = new QLabel(QString::fromLatin1(caption), this);
        named(label, name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    };
    makeLabel(Label1, "Label1", "");
    makeLabel(Label3, "Label3", "");
    makeLabel(Label4, "Label4", "");
    makeLabel(Label5, "Label5", "Interest compound periods per year.");
    makeLabel(Label6, "Label6", "Frequency and type of each payment.");
    makeLabel(Label8, "Label8", "* Additional Payments Applied");
    makeLabel(Label9, "Label9", "Interest rate factor.");
    makeLabel(Label10, "Label10", "Days in year.");
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
    SetBackground(MCTextBox, kHelpCyan);
    {
        QPalette palette = MCTextBox->viewport()->palette();
        palette.setColor(QPalette::Base, kHelpCyan);
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
    int buttonWidth = 0;
    for (QPushButton* b : findChildren<QPushButton*>())
        buttonWidth = std::max(buttonWidth, b->sizeHint().width());
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setFixedWidth(buttonWidth + 16);
        b->setMinimumHeight(b->sizeHint().height() + 4);
    }

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(8, 8, 8, 8);
    main->setSpacing(10);
    main->addLayout(leftSide, 1);
    main->addLayout(commands, 0);

    QWidget::setTabOrder(InPrincipal, InRate);
    QWidget::setTabOrder(InRate, InTerm);
    QWidget::setTabOrder(InTerm, ComPeriod);
    QWidget::setTabOrder(ComPeriod, FreqPmt);
    QWidget::setTabOrder(FreqPmt, MCCalc);

    for (QObject* watched : {static_cast<QObject*>(InPrincipal), static_cast<QObject*>(InRate),
                             static_cast<QObject*>(InTerm), static_cast<QObject*>(ComPeriod),
                             static_cast<QObject*>(FreqPmt), static_cast<QObject*>(MCTextBox)})
        watched->installEventFilter(this);
    // A box changed by other means than a typed key (undo, cut) counts as typed into.
    auto edited = [this] {
        if (ctx_.mm.TypingFlag == 0) closeQuickHelp();
    };
    connect(InPrincipal, &QLineEdit::textEdited, this, edited);
    connect(InRate->lineEdit(), &QLineEdit::textEdited, this, edited);
    connect(InTerm->lineEdit(), &QLineEdit::textEdited, this, edited);
    connect(InRate, &QComboBox::activated, this, [this] { InRate_Click(); });
    connect(InTerm, &QComboBox::activated, this, [this] { InTerm_Click(); });
    connect(ComPeriod, &QComboBox::activated, this, [this] { List_Click(); });
    connect(FreqPmt, &QComboBox::activated, this, [this] { List_Click(); });
    connect(MCCalc, &QPushButton::clicked, this, [this] { MCCalc_Click(); });
    connect(MCAddPrePay, &QPushButton::clicked, this, [this] { MCAddPrePay_Click(); });
    connect(MCShowIRF, &QPushButton::clicked, this, [this] { MCShowIRF_Click(); });
    connect(MCGraphs, &QPushButton::clicked, this, [this] { MCGraphs_Click(); });
    connect(MCPrinter, &QPushButton::clicked, this, [this] { MCPrinter_Click(); });
    connect(CSaveFile, &QPushButton::clicked, this, [this] { CSaveFile_Click(); });
    connect(CLoadFile, &QPushButton::clicked, this, [this] { CLoadFile_Click(); });
    connect(MCHelp, &QPushButton::clicked, this, [this] { MCHelp_Click(); });
    connect(MCExit, &QPushButton::clicked, this, [this] { MCExit_Click(); });
}

// ---------------------------------------------------------------------------------------------
// Loading

void MortComp::Form_Load() {
    MMODULE& mm = ctx_.mm;
    // 1.
    ctx_.frame.setFrameCaption(QStringLiteral(" Mortgage Comparison Tables"));

    // 2. The shared tables, empty.
    mm.ScheduleTable.assign(kScheduleLastRow + 1, ScheduleRow{});
    mm.GraphValues.assign(kYearLastRow + 1, Money());
    mm.GraphLabels.assign(kYearLastRow + 1, std::string());
    mm.PrePayTable = PrePayTableData{};
    mm.LoanInputs = {};
    mm.PrintLines.assign(4, std::string());

    // 3. Counters, bookkeeping, days in year, flags.
    sheet_ = ComparisonSheet{};
    const DaysSetting days = DaysForOption(1);
    mm.DaysOption = days.option;
    mm.DaysInYear = days.daysInYear;
    mm.BiWeeklyPeriods = 365.0 / 14.0;
    mm.WeeklyPeriods = 365.0 / 7.0;
    mm.RowView = 2;
    mm.HelpShown = 0;
    mm.TypingFlag = 0;
    mm.GridRows = 13;

    // 4. The grids (the lower one starts at 5 columns and 9 rows, raised by its layout).
    layOutUpperGrid();
    layOutLowerGrid();

    // 5. Start values.
    const std::string symbol = mm.CurrencySymbol;
    mm.LoanInputs[1] = 100000;
    InPrincipal->setText(Q("   " + symbol + "100,000.00"));
    mm.LoanInputs[2] = 10.125;
    InRate->addItems({QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "),
                      QStringLiteral("9 "), QStringLiteral("10 ")});
    InRate->setEditText(QStringLiteral("         10.125%"));
    mm.LoanInputs[3] = 25;
    InTerm->addItems({QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")});
    InTerm->setEditText(QStringLiteral("            25"));
    Label1->setText(QStringLiteral(" Principal amount of    mortgage."));
    Label3->setText(QStringLiteral(" Annual interest          rate(%)"));
    Label4->setText(QStringLiteral(" Amortization period    in years."));
    for (const std::string& entry : lists::kFrequency) FreqPmt->addItem(Q(entry));
    for (const std::string& entry : lists::kCompounding) ComPeriod->addItem(Q(entry));

    // 6.
    int compounding = 0;
    if (mm.DefaultCompounding >= 1 && mm.DefaultCompounding <= 4)
        compounding = mm.DefaultCompounding;
    ComPeriod->setCurrentIndex(compounding);
    FreqPmt->setCurrentIndex(0);

    // Captions break at their runs of blanks, as they were laid out for.
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
    resize(sizeHint().expandedTo(QSize(Px(14200), Px(9600))));
}

void MortComp::layOutUpperGrid() {
    MCGrid1->setCols(kUpperCols);
    MCGrid1->setRows(kCompareMaxRows + 1);
    MCGrid1->setRowHeightTwips(0, 660);
    for (int c = 0; c < kUpperCols; ++c) {
        MCGrid1->setColWidthTwips(c, kUpperDefaultColumnTwips + kUpperWiden[c]);
        if (c <= 3) MCGrid1->setColAlignment(c, 2);
        MCGrid1->setTextAt(0, c, kUpperHeadings[static_cast<std::size_t>(c)]);
        if (QTableWidgetItem* heading = MCGrid1->horizontalHeaderItem(c))
            heading->setTextAlignment(Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
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
    const int amountWidth =
        std::max({Px(1000), metrics.horizontalAdvance(QStringLiteral(" Row    12")) + padding,
                  metrics.horizontalAdvance(QStringLiteral("999,999.00")) + padding});
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

void MortComp::syncSharedState() {
    MMODULE& mm = ctx_.mm;
    mm.GraphValues.assign(kYearLastRow + 1, Money());
    mm.GraphLabels.assign(kYearLastRow + 1, std::string());
    for (std::size_t i = 0; i < sheet_.graph.size() && i + 1 <= kYearLastRow; ++i) {
        mm.GraphLabels[i + 1] = sheet_.graph[i].label;
        try {
            mm.GraphValues[i + 1] = Money::fromDouble(sheet_.graph[i].value);
        } catch (const CurrencyOverflow&) {
            mm.GraphValues[i + 1] = Money();
        }
    }
    if (mm.PrintLines.size() < 4) mm.PrintLines.resize(4);
    mm.PrintLines[1] = sheet_.printText;
}

void MortComp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!exiting_ && !MCTextBox->isVisible() && !InPrincipal->hasFocus())
        InPrincipal->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// Input protocol

bool MortComp::eventFilter(QObject* watched, QEvent* event) {
    if (exiting_) return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool box = watched == InPrincipal || watched == InRate || watched == InTerm;
        if (box && key->key() == Qt::Key_Delete) closeQuickHelp();
        if (box && RefusePaste(key, ctx_.messages)) return true;
        // Control characters (Escape, shortcuts) are no characters to the key handlers.
        const int code = KeyCharCode(key, ControlChars::Drop);
        if (code == 0) return QWidget::eventFilter(watched, event);
        bool discard = false;
        if (watched == InPrincipal)
            discard = InPrincipal_KeyPress(code);
        else if (watched == InRate)
            discard = InRate_KeyPress(code);
        else if (watched == InTerm)
            discard = InTerm_KeyPress(code);
        else if (watched == ComPeriod || watched == FreqPmt)
            discard = List_KeyPress(static_cast<QComboBox*>(watched), code);
        else if (watched == MCTextBox)
            discard = MCTextBox_KeyPress(code);
        if (discard) return true;
    } else if (type == QEvent::FocusIn && watched == InPrincipal) {
        InPrincipal_GotFocus();
    } else if (LeavesBox(event)) {
        leaveBox(watched);
    }
    return QWidget::eventFilter(watched, event);
}

bool MortComp::InPrincipal_KeyPress(int keyAscii) {
    MMODULE& mm = ctx_.mm;
    if (keyAscii == kKeyEnter) {
        InRate->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (mm.TypingFlag == 0) {
        InPrincipal->clear();
        closeQuickHelp();
    }
    return DecimalBoxKeyPress(keyAscii, InPrincipal, mm, ctx_.messages);
}

void MortComp::InPrincipal_GotFocus() {
    InPrincipal->selectAll();
    SelectAllAfterFocus(InPrincipal);
}

void MortComp::InPrincipal_LostFocus() {
    MMODULE& mm = ctx_.mm;
    if (mm.TypingFlag != 1) return;
    TakeEditedNumber(InPrincipal, mm.LoanInputs[1]);
    showPrincipal(16);
    mm.TypingFlag = 0;
}

bool MortComp::InRate_KeyPress(int keyAscii) {
    MMODULE& mm = ctx_.mm;
    if (keyAscii == kKeyEnter) {
        InTerm->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (mm.TypingFlag == 0) {
        InRate->lineEdit()->clear();
        closeQuickHelp();
    }
    mm.DecimalsAllowed = 3;
    const bool discard = DecimalBoxKeyPress(keyAscii, InRate->lineEdit(), mm, ctx_.messages);
    mm.DecimalsAllowed = 0;
    return discard;
}

void MortComp::InRate_LostFocus() {
    MMODULE& mm = ctx_.mm;
    if (mm.TypingFlag != 1) return;
    // A rate the user left as shown keeps its stored value (the box shows it rounded).
    TakeEditedNumber(InRate->lineEdit(), mm.LoanInputs[2]);
    showRate(true);
    mm.TypingFlag = 0;
}

void MortComp::InRate_Click() {
    // The entry picked is taken when the box is left, as a typed rate is.
    InRate->lineEdit()->setModified(true);
    closeQuickHelp();
}

bool MortComp::InTerm_KeyPress(int keyAscii) {
    MMODULE& mm = ctx_.mm;
    if (keyAscii == kKeyEnter) {
        ComPeriod->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (mm.TypingFlag == 0) {
        InTerm->lineEdit()->clear();
        closeQuickHelp();
    }
    return DigitBoxKeyPress(keyAscii, ctx_.messages);
}

void MortComp::InTerm_LostFocus() {
    MMODULE& mm = ctx_.mm;
    if (inLostFocus_) return;
    inLostFocus_ = true;
    if (mm.TypingFlag == 1) {
        if (LeadingNumber(S(InTerm->currentText())) > 40) {
            ctx_.messages.showMessage(5);  // "Wrong entry, 40 Years limit."
            InTerm->setEditText(QStringLiteral("40"));
            InTerm->lineEdit()->setModified(true);
        }
        // A period left as shown keeps its stored value.
        TakeEditedNumber(InTerm->lineEdit(), mm.LoanInputs[3]);
        showPeriod();
        mm.TypingFlag = 0;
    }
    // Leaving the period box always discards the additional payments.
    discardPrePayments();
    inLostFocus_ = false;
}

void MortComp::InTerm_Click() {
    InTerm->lineEdit()->setModified(true);
    discardPrePayments();
    // The period picked from the list is taken when the box is left, as a typed one is.
    ctx_.mm.TypingFlag = 1;
}

bool MortComp::List_KeyPress(QComboBox* list, int keyAscii) {
    if (keyAscii == kKeyEnter) {
        (list == ComPeriod ? static_cast<QWidget*>(FreqPmt) : static_cast<QWidget*>(MCCalc))
            ->setFocus(Qt::OtherFocusReason);
        return true;
    }
    ctx_.messages.beep();
    closeQuickHelp();
    return true;
}

void MortComp::List_Click() {
    closeQuickHelp();
    ctx_.mm.TypingFlag = 0;
}

bool MortComp::MCTextBox_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEnter)
        InPrincipal->setFocus(Qt::OtherFocusReason);
    else
        ctx_.messages.beep();
    return true;
}

// A command started while a box still holds an edit (a shortcut key that did not move the
// focus) takes that edit first, as leaving the box would.
void MortComp::commitPendingInput() {
    if (ctx_.mm.TypingFlag == 1) leaveBox(FocusedBox({InPrincipal, InRate, InTerm}));
}

// The lost-focus handler of the number box the user leaves.
void MortComp::leaveBox(QObject* box) {
    if (box == InPrincipal)
        InPrincipal_LostFocus();
    else if (box == InRate)
        InRate_LostFocus();
    else if (box == InTerm)
        InTerm_LostFocus();
}

void MortComp::discardPrePayments() {
    ctx_.mm.PrePayTable = PrePayTableData{};
    ctx_.mm.PrePayCount = 0;
}

void MortComp::closeQuickHelp() {
    MMODULE& mm = ctx_.mm;
    mm.TypingFlag = 1;
    if (mm.HelpShown == 1) return;
    MCTextBox->clear();
    if (sheet_.rowCounter == 0) clearUpperGrid();
    if (MCHelp->text() == kCloseHelp) {
        MCHelp->setText(kQuickHelp);
        MCPrinter->setEnabled(true);
        MCGraphs->setEnabled(true);
        MCTextBox->hide();
        MCGrid1->show();
        MCGrid2->show();
        Label8->show();
        mm.TypingFlag = 0;
        mm.HelpShown = 0;
    }
}

void MortComp::showPrincipal(int width) {
    const MMODULE& mm = ctx_.mm;
    InPrincipal->setText(
        Q(Fit(mm.CurrencySymbol + FormatNumber(mm.LoanInputs[1], "####,,###.00"), width)));
}

void MortComp::showRate(bool percentInField) {
    const std::string number = FormatNumber(ctx_.mm.LoanInputs[2], "###.000");
    InRate->setEditText(Q(percentInField ? Fit(number + "%", 15) : Fit(number, 14) + "%"));
}

void MortComp::showPeriod() {
    InTerm->setEditText(Q(Fit(FormatNumber(ctx_.mm.LoanInputs[3], "###"), 16)));
}

// ---------------------------------------------------------------------------------------------
// "&Calculate"

void MortComp::MCCalc_Click() {
    MMODULE& mm = ctx_.mm;
    commitPendingInput();
    mm.HelpShown = 0;
    closeQuickHelp();
    mm.TypingFlag = 0;
    mm.ResultRowCount = 0;

    HourglassCursor hourglass;
    ComparisonInput in;
    in.principal = mm.LoanInputs[1];
    in.rate = mm.LoanInputs[2];
    in.period = mm.LoanInputs[3];
    in.compounding = S(ComPeriod->currentText());
    in.frequency = S(FreqPmt->currentText());
    in.daysInYear = mm.DaysInYear;
    in.biWeeklyPeriods = mm.BiWeeklyPeriods;
    in.weeklyPeriods = mm.WeeklyPeriods;
    in.prePayTable = mm.PrePayTable;
    in.prePayMonth = mm.PrePayMonth;
    in.rowCounter = sheet_.rowCounter;
    in.currencySymbol = mm.CurrencySymbol;
    ComparisonRow row = CalculateComparisonRow(in);
    hourglass.restore();

    switch (row.outcome) {
        case ComparisonOutcome::PeriodTooLong:
        case ComparisonOutcome::Faulted:
            for (int code : row.messages) ctx_.messages.showMessage(code);
            return;
        case ComparisonOutcome::RowLimit:
            for (int code : row.messages) ctx_.messages.showMessage(code);
            mm.ResultRowCount = static_cast<std::int16_t>(sheet_.rowCounter);
            return;
        case ComparisonOutcome::RowAdded:
            break;
    }
    if (sheet_.rowCounter == 0) clearUpperGrid();
    if (!sheet_.addRow(row)) {
        ctx_.messages.showMessage(4);
        return;
    }
    mm.ScheduleTable = std::move(row.schedule);
    mm.FrequencyKind = row.frequencyKind;
    mm.PaymentsPerYear = row.paymentsPerYear;
    mm.RetiredYears = row.retiredYears;

    const int r = sheet_.rowCounter;
    mm.ResultRowCount = static_cast<std::int16_t>(r);
    mm.GraphTitle = kCalculatedTitle;
    syncSharedState();
    showUpperRow(r);
    MCGrid1->scrollToItem(MCGrid1->item(r - 1, 0));
    InDays->setText(Q(row.inDaysText));
    PeriodicR->setText(Q(row.periodicRateText));
    if (!row.applied.empty()) showSheet();
}

// ---------------------------------------------------------------------------------------------
// Quick help

void MortComp::MCHelp_Click() {
    MMODULE& mm = ctx_.mm;
    if (MCHelp->text() == kQuickHelp) {
        MCHelp->setText(kCloseHelp);
        MCPrinter->setEnabled(false);
        MCGraphs->setEnabled(false);
        MCGrid1->hide();
        MCGrid2->hide();
        Label8->hide();
        MCTextBox->show();
        QString text = Q(ComparisonQuickHelpText());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        MCTextBox->setPlainText(text);
        MCTextBox->setFocus(Qt::OtherFocusReason);
        mm.HelpShown = 1;
    } else {
        mm.HelpShown = 0;
        closeQuickHelp();
    }
}

// ---------------------------------------------------------------------------------------------
// Dialogs, graph, printout

void MortComp::MCAddPrePay_Click() {
    commitPendingInput();
    closeQuickHelp();
    ctx_.mm.TypingFlag = 0;
#ifdef BW_HAVE_TABLES_DIALOGS
    MortPrePay dialog(ctx_, ctx_.frame.dialogParent());
    dialog.exec();
#endif
}

void MortComp::MCShowIRF_Click() {
    commitPendingInput();
#ifdef BW_HAVE_TABLES_DIALOGS
    MortIRFTable dialog(ctx_, ctx_.frame.dialogParent());
    dialog.exec();
#endif
}

void MortComp::MCGraphs_Click() {
    MMODULE& mm = ctx_.mm;
    if (mm.ResultRowCount == 0) {
        ctx_.messages.showMessage(7);  // "No Data to work with. Calculate."
        return;
    }
    mm.GraphCaller = 1;
    auto* graph = new MCGraph(ctx_);
    connect(graph, &MCGraph::exited, this, [this] { show(); });
    hide();
    ctx_.frame.showChild(graph);
}

void MortComp::MCPrinter_Click() {
    MMODULE& mm = ctx_.mm;
    if (mm.ResultRowCount == 0) {
        ctx_.messages.showMessage(1);  // "No data to print. Calculate."
        return;
    }
#ifdef BW_HAVE_PRINTER
    if (!AskPrintHeader(ctx_)) return;
    Printout printout;
    {
        HourglassCursor hourglass;
        PrintComparison(printout, mm, sheet_, mm.PrintHeader);
    }
    PrintPrintout(printout, ctx_.frame.dialogParent(), "Mortgage comparison");
#endif
}

// ---------------------------------------------------------------------------------------------
// Files

void MortComp::finishFileCommand() {
    MMODULE& mm = ctx_.mm;
    mm.GraphTitle = kFileTitle;
    show();
    mm.FileKind = 0;
    mm.DialogFileName.clear();
}

void MortComp::CSaveFile_Click() {
    MMODULE& mm = ctx_.mm;
    commitPendingInput();
    hide();
    if (sheet_.rowCounter == 0) {
        ctx_.messages.showMessage(15);  // "No Records to save."
        finishFileCommand();
        return;
    }
#ifdef BW_HAVE_FILE_INFO
    mm.FileKind = 3;
    mm.DialogFileName = mm.LastCompareFile;
    {
        FileInfo dialog(ctx_, ctx_.frame.dialogParent());
        dialog.PrepareForSaving();
        dialog.exec();
    }
    if (mm.FileKind == FileInfo::kCancelled || mm.DialogFileName.empty()) {
        finishFileCommand();
        return;
    }
    ComparisonFile file;
    file.principal = mm.LoanInputs[1];
    file.rate = mm.LoanInputs[2];
    file.period = mm.LoanInputs[3];
    file.compounding = S(ComPeriod->currentText());
    file.frequency = S(FreqPmt->currentText());
    file.daysOption = mm.DaysOption;
    file.rowView = mm.RowView;
    file.prePayYears = mm.PrePayYears;
    file.prePayCount = mm.PrePayCount;
    file.resultRowCount = mm.ResultRowCount;
    file.prePayMonth = mm.PrePayMonth;
    file.prePayTable = mm.PrePayTable;
    file.sheet = sheet_;
    if (!WriteComparisonFile(mm.DialogFolder + mm.DialogFileName, file)) {
        ctx_.messages.showMessage(29);  // "Bad filename, must be in the form MYFILE.KCD"
        finishFileCommand();
        return;
    }
    mm.LastCompareFile = mm.DialogFileName;
#endif
    finishFileCommand();
}

void MortComp::CLoadFile_Click() {
    MMODULE& mm = ctx_.mm;
    commitPendingInput();
    hide();
#ifdef BW_HAVE_FILE_INFO
    mm.FileKind = 3;
    mm.DialogFileName = mm.LastCompareFile;
    {
        FileInfo dialog(ctx_, ctx_.frame.dialogParent());
        dialog.PrepareForOpening();
        dialog.exec();
    }
    if (mm.FileKind == FileInfo::kCancelled) {
        finishFileCommand();
        return;
    }
    const ComparisonFileRead read =
        ReadComparisonFile(mm.DialogFolder + mm.DialogFileName, mm.PrePayMonth);
    // Nothing is taken from a file that is not whole and sound.
    for (int code : read.messages) ctx_.messages.showMessage(code);
    if (read.ok) {
        applyFile(read.file);
        mm.LastCompareFile = mm.DialogFileName;
    }
#endif
    finishFileCommand();
}

void MortComp::applyFile(const ComparisonFile& f) {
    MMODULE& mm = ctx_.mm;
    mm.LoanInputs[1] = f.principal;
    mm.LoanInputs[2] = f.rate;
    mm.LoanInputs[3] = f.period;
    mm.DaysOption = f.daysOption;
    mm.RowView = f.rowView;
    mm.PrePayYears = f.prePayYears;
    mm.PrePayCount = f.prePayCount;
    mm.ResultRowCount = f.resultRowCount;
    mm.PrePayMonth = f.prePayMonth;
    showPrincipal(16);
    showRate(false);
    showPeriod();
    ComPeriod->setCurrentIndex(ComPeriod->findText(Q(f.compounding)));
    FreqPmt->setCurrentIndex(FreqPmt->findText(Q(f.frequency)));

    mm.PrePayTable = PrePayTableData{};
    for (int y = 1; y <= f.prePayYears; ++y)
        mm.PrePayTable[static_cast<std::size_t>(y)] = f.prePayTable[static_cast<std::size_t>(y)];

    sheet_ = f.sheet;
    showSheet();
    syncSharedState();

    // The days in year follow the option; a typed count is not in the file, the current one
    // stays.
    const DaysSetting days = DaysForOption(f.daysOption, mm.DaysInYear);
    mm.DaysInYear = days.daysInYear;
    mm.BiWeeklyPeriods = days.biWeeklyPeriods;
    mm.WeeklyPeriods = days.weeklyPeriods;

    InDays->clear();
    PeriodicR->clear();
    mm.TypingFlag = 0;
}

// ---------------------------------------------------------------------------------------------
// "E&xit to Menu"

void MortComp::MCExit_Click() {
    MMODULE& mm = ctx_.mm;
    exiting_ = true;
    mm.RowView = 0;
    mm.TypingFlag = 0;
    mm.PrintLines.clear();
    mm.LoanInputs = {};
    sheet_ = ComparisonSheet{};
    mm.PrePayTable = PrePayTableData{};
    mm.GraphValues.clear();
    mm.GraphLabels.clear();
    mm.ScheduleTable.clear();
    MCTextBox->clear();
    mm.ResultRowCount = 0;
    mm.GraphCaller = 0;
    mm.PrePayMonth = 12;
    ctx_.frame.setFrameCaption(QStringLiteral(" Brindlewood Menu"));
    ctx_.frame.showMainMenu();
}

}  // namespace bw
