// The tables window: inputs and their keyboard protocol, the reset routine, the calculation with
// the schedule grid and the result boxes, quick help and leaving the window.

#include "tables/mortgage_calc.h"

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
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QVBoxLayout>
#include <exception>
#include <memory>

#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "shell/number_format.h"
#include "shell/twips.h"
#include "tables/quick_help.h"
#include "tables/schedule_mapping.h"

namespace bw {
namespace {

const QString kQuickHelp = QStringLiteral("Quick &Help");
const QString kCloseHelp = QStringLiteral("Close &Help");

// Colours of the program: yellow input boxes, white result boxes, cyan help.
const QColor kInputYellow(255, 255, 150);
const QColor kResultWhite(255, 255, 255);
const QColor kHelpCyan(200, 255, 255);

// Default width of a grid column before the schedule columns are widened.
constexpr int kGridDefaultColumnTwips = 1200;
constexpr int kGridRowTwips = 270;
// How much wider than that each schedule column is.
constexpr int kGridWiden[6] = {520, 550, 650, 700, 700, 700};

// A list box that shows its current entry right-aligned, like the number boxes beside it (the
// entries carry leading blanks for that purpose).
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

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}

// Shows the hourglass while a calculation runs; the normal pointer comes back on every way out.
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

}  // namespace

MortgageCalc::MortgageCalc(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    buildControls();
    Form_Load();
}

MortgageCalc::~MortgageCalc() {
    exiting_ = true;
    for (QObject* watched : {static_cast<QObject*>(InPrincipal), static_cast<QObject*>(InRate),
                             static_cast<QObject*>(InTerm), static_cast<QObject*>(Comperiod),
                             static_cast<QObject*>(FreqPmt), static_cast<QObject*>(MTextBox)}) {
        if (watched) watched->removeEventFilter(this);
    }
    if (MGrid) MGrid->viewport()->removeEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// Controls and layout

void MortgageCalc::buildControls() {
    setObjectName(QStringLiteral("MortgageCalc"));
    setFocusPolicy(Qt::NoFocus);
    auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
    };

    // Input boxes (yellow).
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
        combo->setMaxVisibleItems(10);
        combo->lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        combo->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
        combo->lineEdit()->setAcceptDrops(false);
        combo->setAcceptDrops(false);
        // No completion: the box shows what was typed, nothing else.
        combo->setCompleter(nullptr);
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
    makeList(Comperiod, "Comperiod");
    makeList(FreqPmt, "FreqPmt");

    Option1 = new QRadioButton(QStringLiteral("All "), this);
    named(Option1, "Option1");
    Option2 = new QRadioButton(QStringLiteral("Annual"), this);
    named(Option2, "Option2");

    // Command buttons.
    auto makeButton = [&](QPushButton*& button, const char* name, const char* caption) {
        button = new QPushButton(QString::fromLatin1(caption), this);
        named(button, name);
        button->setAutoDefault(true);  // Enter presses the button that has the focus
    };
    makeButton(MCalc, "MCalc", "&Calculate");
    makeButton(MAddPrePay, "MAddPrePay", "&Additional payment");
    makeButton(MShowIRF, "MShowIRF", "&Days in year");
    makeButton(MTerm, "MTerm", "&Term");
    makeButton(MDateNumber, "MDateNumber", "&View payment date");
    makeButton(MLoadFile, "MLoadFile", "&Open File");
    makeButton(MSaveFile, "MSaveFile", "Sa&ve File");
    makeButton(MPrinter, "MPrinter", "&Print");
    makeButton(MGraphs, "MGraphs", "&Show Graph");
    makeButton(MHelp, "MHelp", "Quick &Help");
    makeButton(MExit, "MExit", "E&xit to Menu");
    QFont calcFont = MCalc->font();
    calcFont.setBold(true);
    MCalc->setFont(calcFont);

    // The quick-help panel and the schedule grid share one place.
    MTextBox = new QPlainTextEdit(this);
    named(MTextBox, "MTextBox");
    MTextBox->setReadOnly(true);
    MTextBox->setTextInteractionFlags(Qt::TextSelectableByMouse);
    MTextBox->setContextMenuPolicy(Qt::NoContextMenu);
    MTextBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MTextBox->setFocusPolicy(Qt::StrongFocus);
    SetBackground(MTextBox, kHelpCyan);
    MTextBox->viewport()->setAutoFillBackground(true);
    {
        QPalette palette = MTextBox->viewport()->palette();
        palette.setColor(QPalette::Base, kHelpCyan);
        MTextBox->viewport()->setPalette(palette);
    }
    MTextBox->document()->setDocumentMargin(10);
    MTextBox->hide();

    MGrid = new MSGrid(this);
    named(MGrid, "MGrid");
    MGrid->setWordWrap(false);
    MGrid->setCornerButtonEnabled(false);
    MGrid->horizontalHeader()->setDefaultSectionSize(Px(kGridDefaultColumnTwips));
    MGrid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    MGrid->verticalHeader()->setDefaultSectionSize(Px(kGridRowTwips));
    MGrid->verticalHeader()->setMinimumSectionSize(Px(kGridRowTwips) - 2);
    // Figures in a font of even-width characters, so that the blank-padded texts line up;
    // headings in the window's font.
    const QFont windowFont = font();
    MGrid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    MGrid->horizontalHeader()->setFont(QFont(windowFont.family(), windowFont.pointSize()));

    // Result boxes (white).
    auto makeResult = [&](QLabel*& label, const char* name) {
        label = new QLabel(this);
        named(label, name);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->setMargin(2);
        SetBackground(label, kResultWhite);
    };
    makeResult(InDays, "InDays");
    makeResult(PeriodicR, "PeriodicR");
    makeResult(NumPmtsYear, "NumPmtsYear");
    makeResult(InMonthPI, "InMonthPI");
    makeResult(EndMortYear, "EndMortYear");
    makeResult(AllPayments, "AllPayments");
    makeResult(TotSavd, "TotSavd");

    // Captions.
    auto makeLabel = [&](QLabel*& label, const char* name, const char* caption) {
        label = new QLabel(QString::fromLatin1(caption), this);
        named(label, name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    };
    makeLabel(Label1, "Label1", "");
    makeLabel(Label2, "Label2", "");
    makeLabel(Label3, "Label3", "");
    makeLabel(Label4, "Label4", " Interest compound     periods per year.");
    makeLabel(Label5, "Label5", " Frequency and type   of each payment.");
    makeLabel(Label6, "Label6", " Show payments.");
    makeLabel(Label7, "Label7", " Days      in year.");
    makeLabel(Label8, "Label8", "");
    makeLabel(Label9, "Label9", " Interest rate  factor.");
    makeLabel(Label10, "Label10", " No. of payments  each year.");
    makeLabel(Label11, "Label11", "");
    makeLabel(Label12, "Label12", " Principal+Interest  payment.");
    makeLabel(Label13, "Label13", " Total interest    savings.");
    Label1->setBuddy(InPrincipal);
    Label2->setBuddy(InRate);
    Label3->setBuddy(InTerm);
    Label4->setBuddy(Comperiod);
    Label5->setBuddy(FreqPmt);

    // Layout: inputs and results on top, the schedule below, the commands at the right.
    const int boxWidth = fontMetrics().horizontalAdvance(QStringLiteral("0")) * 17;
    auto* inputs = new QGroupBox(this);
    inputs->setObjectName(QStringLiteral("InputsFrame"));
    auto* inputGrid = new QGridLayout(inputs);
    inputGrid->setContentsMargins(8, 6, 8, 6);
    inputGrid->setHorizontalSpacing(8);
    inputGrid->setVerticalSpacing(4);
    int row = 0;
    for (auto [label, box] : {std::pair<QLabel*, QWidget*>{Label1, InPrincipal},
                              {Label2, InRate},
                              {Label3, InTerm},
                              {Label4, Comperiod},
                              {Label5, FreqPmt}}) {
        inputGrid->addWidget(label, row, 0);
        inputGrid->addWidget(box, row, 1);
        box->setFixedWidth(boxWidth);
        ++row;
    }
    auto* options = new QHBoxLayout;
    options->setSpacing(12);
    options->addWidget(Option1);
    options->addWidget(Option2);
    options->addStretch(1);
    inputGrid->addWidget(Label6, row, 0);
    inputGrid->addLayout(options, row, 1);
    inputGrid->setColumnStretch(0, 1);

    auto* results = new QGroupBox(this);
    results->setObjectName(QStringLiteral("ResultsFrame"));
    auto* resultGrid = new QGridLayout(results);
    resultGrid->setContentsMargins(8, 6, 8, 6);
    resultGrid->setHorizontalSpacing(8);
    resultGrid->setVerticalSpacing(4);
    const int resultWidth = fontMetrics().horizontalAdvance(QStringLiteral("0")) * 14;
    const std::pair<QLabel*, QLabel*> resultPairs[] = {
        {Label12, InMonthPI},   {Label11, EndMortYear}, {Label8, AllPayments}, {Label13, TotSavd},
        {Label10, NumPmtsYear}, {Label9, PeriodicR},    {Label7, InDays}};
    for (int i = 0; i < 7; ++i) {
        const int column = i < 4 ? 0 : 3;
        const int line = i < 4 ? i : i - 4;
        resultGrid->addWidget(resultPairs[i].first, line, column);
        resultGrid->addWidget(resultPairs[i].second, line, column + 1);
        resultPairs[i].second->setFixedWidth(resultWidth);
    }
    resultGrid->setColumnMinimumWidth(2, 10);
    resultGrid->setColumnStretch(0, 1);
    resultGrid->setColumnStretch(3, 1);
    resultGrid->setRowStretch(4, 1);

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->addWidget(inputs, 0);
    top->addWidget(results, 1);

    auto* schedule = new QGridLayout;
    schedule->setContentsMargins(0, 0, 0, 0);
    schedule->addWidget(MGrid, 0, 0);
    schedule->addWidget(MTextBox, 0, 0);

    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addLayout(top, 0);
    left->addLayout(schedule, 1);

    auto* commands = new QVBoxLayout;
    commands->setSpacing(5);
    for (QPushButton* button : {MCalc, MAddPrePay, MShowIRF, MTerm, MDateNumber}) {
        commands->addWidget(button);
    }
    commands->addSpacing(10);
    for (QPushButton* button : {MLoadFile, MSaveFile, MPrinter, MGraphs}) {
        commands->addWidget(button);
    }
    commands->addSpacing(10);
    commands->addWidget(MHelp);
    commands->addStretch(1);
    commands->addWidget(MExit);
    int buttonWidth = 0;
    for (QPushButton* button : findChildren<QPushButton*>()) {
        buttonWidth = std::max(buttonWidth, button->sizeHint().width());
    }
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setFixedWidth(buttonWidth + 16);
        button->setMinimumHeight(button->sizeHint().height() + 4);
    }

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(8, 8, 8, 8);
    main->setSpacing(10);
    main->addLayout(left, 1);
    main->addLayout(commands, 0);

    // Tab order follows the Enter order of the inputs, then the commands.
    QWidget::setTabOrder(InPrincipal, InRate);
    QWidget::setTabOrder(InRate, InTerm);
    QWidget::setTabOrder(InTerm, Comperiod);
    QWidget::setTabOrder(Comperiod, FreqPmt);
    QWidget::setTabOrder(FreqPmt, MCalc);
    // The focus given to the window goes to the principal box.
    setFocusProxy(InPrincipal);

    // Event wiring.
    for (QObject* watched : {static_cast<QObject*>(InPrincipal), static_cast<QObject*>(InRate),
                             static_cast<QObject*>(InTerm), static_cast<QObject*>(Comperiod),
                             static_cast<QObject*>(FreqPmt), static_cast<QObject*>(MTextBox)}) {
        watched->installEventFilter(this);
    }
    MGrid->viewport()->installEventFilter(this);
    connect(InPrincipal, &QLineEdit::textEdited, this, [this] { InputBox_Edited(); });
    connect(InRate->lineEdit(), &QLineEdit::textEdited, this, [this] { InputBox_Edited(); });
    connect(InTerm->lineEdit(), &QLineEdit::textEdited, this, [this] { InputBox_Edited(); });
    connect(InRate, &QComboBox::activated, this, [this] { InRate_Click(); });
    connect(InTerm, &QComboBox::activated, this, [this] { InTerm_Click(); });
    connect(Comperiod, &QComboBox::activated, this, [this] { Comperiod_Click(); });
    connect(FreqPmt, &QComboBox::activated, this, [this] { FreqPmt_Click(); });
    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(MCalc, &QPushButton::clicked, this, [this] { MCalc_Click(); });
    connect(MAddPrePay, &QPushButton::clicked, this, [this] { MAddPrePay_Click(); });
    connect(MShowIRF, &QPushButton::clicked, this, [this] { MShowIRF_Click(); });
    connect(MTerm, &QPushButton::clicked, this, [this] { MTerm_Click(); });
    connect(MDateNumber, &QPushButton::clicked, this, [this] { MDateNumber_Click(); });
    connect(MLoadFile, &QPushButton::clicked, this, [this] { MLoadFile_Click(); });
    connect(MSaveFile, &QPushButton::clicked, this, [this] { MSaveFile_Click(); });
    connect(MPrinter, &QPushButton::clicked, this, [this] { MPrinter_Click(); });
    connect(MGraphs, &QPushButton::clicked, this, [this] { MGraphs_Click(); });
    connect(MHelp, &QPushButton::clicked, this, [this] { MHelp_Click(); });
    connect(MExit, &QPushButton::clicked, this, [this] { MExit_Click(); });
}

// The captions keep the blank runs by which they break into two lines: each caption is made just
// wide enough for the longer of its two parts, so that it breaks at its run of blanks.
void MortgageCalc::fitCaptions() {
    for (QLabel* label : {Label1, Label2, Label3, Label4, Label5, Label7, Label8, Label9, Label10,
                          Label11, Label12, Label13}) {
        const QString text = label->text();
        const int run = text.indexOf(QStringLiteral("  "), 1);
        if (run < 0) {
            label->setMinimumWidth(0);
            continue;
        }
        const QString first = text.left(run);
        const QString second = text.mid(run).trimmed();
        const QFontMetrics metrics(label->font());
        const int width =
            std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second)) + 6;
        label->setFixedWidth(width);
        label->setMinimumHeight(metrics.lineSpacing() * 2 + 2);
    }
}

// ---------------------------------------------------------------------------------------------
// Loading

void MortgageCalc::Form_Load() {
    MMODULE& mm = ctx_.mm;
    const bool mortgage = mm.TableMode == 1;

    // 1. Frame caption.
    const QString caption =
        mortgage ? QStringLiteral(" Mortgage Tables") : QStringLiteral(" Loan Tables");
    ctx_.frame.setFrameCaption(caption);
    setWindowTitle(caption.trimmed());

    // 2. The shared tables, all empty.
    mm.ScheduleTable.assign(kScheduleLastRow + 1, ScheduleRow{});
    mm.YearTotals = YearTotalsData{};
    mm.GraphValues.clear();
    mm.PrePayTable = PrePayTableData{};
    mm.LoanInputs = {};
    mm.PrintLines.assign(4, std::string());

    // 3. Flags and the grid.
    mm.HelpShown = 0;
    mm.TypingFlag = 0;
    mm.GridRows = 26;
    setUpGrid();

    // 4. Annual view.
    Option2->setChecked(true);
    Option2_Click();

    // 5. Numbers in the rows, all years, 365 days.
    mm.DateMode = 0;
    mm.DisplayTerm = 0;
    mm.DaysOption = 1;
    mm.DaysInYear = 365.0f;
    mm.BiWeeklyPeriods = 26.07142857;
    mm.WeeklyPeriods = 52.14285714;

    // 6. Start values and mode captions.
    const QString symbol = Q(mm.CurrencySymbol);
    if (mortgage) {
        mm.LoanInputs[1] = 100000;
        InPrincipal->setText(QStringLiteral("   ") + symbol + QStringLiteral("100,000.00"));
        mm.LoanInputs[2] = 10.125;
        mm.LoanInputs[3] = 25;
        Label1->setText(QStringLiteral(" Principal amount of    mortgage."));
        Label2->setText(QStringLiteral(" Annual interest          rate %"));
        Label3->setText(QStringLiteral(" Amortization period    in years."));
        InRate->addItems({QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "),
                          QStringLiteral("9 "), QStringLiteral("10 ")});
        InTerm->addItems({QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")});
        InRate->setEditText(QStringLiteral("        10.125%"));
        InTerm->setEditText(QStringLiteral("            25"));
    } else {
        mm.LoanInputs[1] = 20000;
        InPrincipal->setText(QStringLiteral("   ") + symbol + QStringLiteral("20,000.00"));
        mm.LoanInputs[2] = 10.125;
        mm.LoanInputs[3] = 4;
        Label1->setText(QStringLiteral(" Principal amount of    the loan."));
        Label2->setText(QStringLiteral(" Annual interest          rate %."));
        Label3->setText(QStringLiteral(" Payback period of     the loan in months."));
        InRate->addItems({QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "),
                          QStringLiteral("9 "), QStringLiteral("10 ")});
        InTerm->addItems({QStringLiteral("24"), QStringLiteral("36"), QStringLiteral("48"),
                          QStringLiteral("60")});
        InRate->setEditText(QStringLiteral("         10.125%"));
        InTerm->setEditText(QStringLiteral("            48"));
    }
    Label8->setText(Q(AllPaymentsLabel(mm.TableMode)));
    Label11->setText(Q(EndMortYearLabel(mm.TableMode)));

    // 7. Compounding from the personal settings; the two lists.
    for (const std::string& entry : lists::kCompounding) Comperiod->addItem(Q(entry));
    for (const std::string& entry : lists::kFrequency) FreqPmt->addItem(Q(entry));
    int compounding = 0;
    if (mm.DefaultCompounding >= 1 && mm.DefaultCompounding <= 4)
        compounding = mm.DefaultCompounding;
    Comperiod->setCurrentIndex(compounding);
    FreqPmt->setCurrentIndex(0);

    // 8.
    mm.TypingFlag = 0;

    fitCaptions();
    resize(sizeHint().expandedTo(QSize(Px(14100), Px(8700))));
}

void MortgageCalc::setUpGrid() {
    const MMODULE& mm = ctx_.mm;
    MGrid->setCols(kGridColumns);
    MGrid->setRows(mm.GridRows);
    MGrid->setRowHeightTwips(0, 510);
    for (int c = 0; c < kGridColumns; ++c) {
        MGrid->setColWidthTwips(c, MGrid->colWidthTwips(c) + kGridWiden[c]);
        MGrid->setColAlignment(c, 2);
        MGrid->setFixedAlignment(c, 2);
        // Two-line headings, as the heading row is made for.
        if (QTableWidgetItem* heading = MGrid->horizontalHeaderItem(c)) {
            heading->setData(Qt::TextAlignmentRole,
                             static_cast<int>(Qt::AlignCenter | Qt::TextWordWrap));
        }
    }
    MGrid->setTextAt(0, 0, LoadHeading0(mm.TableMode));
    for (int c = 1; c < kGridColumns; ++c) MGrid->setTextAt(0, c, kGridHeadings[c]);
}

// The grid's columns share the width of the grid: the width before widening grows with the
// grid, so that the schedule fills it (never below the default).
void MortgageCalc::fitGridColumns() {
    int widening = 0;
    for (int twips : kGridWiden) widening += Px(twips);
    const int available = MGrid->viewport()->width();
    const int base = std::max(Px(kGridDefaultColumnTwips), (available - widening) / kGridColumns);
    int used = 0;
    for (int c = 0; c < kGridColumns; ++c) {
        int width = base + Px(kGridWiden[c]);
        if (c == kGridColumns - 1 && available > used + width) width = available - used;
        MGrid->setColumnWidth(c, width);
        used += width;
    }
}

void MortgageCalc::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!exiting_ && !InPrincipal->hasFocus() && !MTextBox->isVisible()) {
        InPrincipal->setFocus(Qt::OtherFocusReason);
    }
}

// ---------------------------------------------------------------------------------------------
// The reset routine

void MortgageCalc::reset() {
    MMODULE& mm = ctx_.mm;
    // (1) Results empty.
    for (QLabel* box :
         {InDays, PeriodicR, NumPmtsYear, InMonthPI, EndMortYear, AllPayments, TotSavd}) {
        box->clear();
    }
    // (2)
    mm.TypingFlag = 1;
    // (3) Typing while quick help is open leaves the panel open.
    if (mm.HelpShown == 1) return;
    // (4) Help text and every cell below the heading row.
    MTextBox->clear();
    MGrid->setUpdatesEnabled(false);
    MGrid->clearContents();
    MGrid->clearRange(1, 0, MGrid->rows() - 1, MGrid->cols() - 1);
    MGrid->setUpdatesEnabled(true);
    // (5) Close the help panel.
    if (MHelp->text() == kCloseHelp) {
        MHelp->setText(kQuickHelp);
        MPrinter->setEnabled(true);
        MGraphs->setEnabled(true);
        MTextBox->document()->setDocumentMargin(10);
        MTextBox->hide();
        MGrid->show();
        mm.TypingFlag = 0;
    }
    // (6) Nothing to print, graph or save until the next calculation.
    mm.HelpShown = 0;
    mm.ResultRowCount = 0;
    hasResult_ = false;
}

// ---------------------------------------------------------------------------------------------
// Keyboard protocol

bool MortgageCalc::eventFilter(QObject* watched, QEvent* event) {
    if (exiting_) return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == InPrincipal || watched == InRate) {
            if (key->key() == Qt::Key_Delete) InputBox_KeyDown(46);
        }
        if ((watched == InPrincipal || watched == InRate || watched == InTerm) &&
            RefusePaste(key, ctx_.messages)) {
            return true;
        }
        const int code = KeyCharCode(key, ControlChars::Pass);
        if (code == 0) return QWidget::eventFilter(watched, event);
        bool discard = false;
        if (watched == InPrincipal)
            discard = InPrincipal_KeyPress(code);
        else if (watched == InRate)
            discard = InRate_KeyPress(code);
        else if (watched == InTerm)
            discard = InTerm_KeyPress(code);
        else if (watched == Comperiod)
            discard = Comperiod_KeyPress(code);
        else if (watched == FreqPmt)
            discard = FreqPmt_KeyPress(code);
        else if (watched == MTextBox)
            discard = MTextBox_KeyPress(code);
        if (discard) return true;
    } else if (type == QEvent::Wheel) {
        // The wheel turns a list only while the list has the focus: turning one the pointer
        // merely passes over would change an input behind the user's back.
        if ((watched == InRate || watched == InTerm || watched == Comperiod ||
             watched == FreqPmt) &&
            !static_cast<QWidget*>(watched)->hasFocus()) {
            event->ignore();
            return true;
        }
    } else if (type == QEvent::Resize && watched == MGrid->viewport()) {
        fitGridColumns();
    } else if (type == QEvent::FocusIn && watched == InPrincipal) {
        InPrincipal_GotFocus();
    } else if (LeavesBox(event)) {
        leaveBox(watched);
    }
    return QWidget::eventFilter(watched, event);
}

bool MortgageCalc::InPrincipal_KeyPress(int keyAscii) {
    MMODULE& mm = ctx_.mm;
    if (keyAscii == kKeyEnter) {
        InRate->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (mm.TypingFlag == 0) {
        InPrincipal->clear();
        reset();
    }
    return DecimalBoxKeyPress(keyAscii, InPrincipal, mm, ctx_.messages);
}

void MortgageCalc::InPrincipal_GotFocus() {
    InPrincipal->selectAll();
    SelectAllAfterFocus(InPrincipal);
}

void MortgageCalc::InPrincipal_LostFocus() {
    MMODULE& mm = ctx_.mm;
    if (mm.TypingFlag != 1) return;
    TakeEditedNumber(InPrincipal, mm.LoanInputs[1]);
    showPrincipal();
    mm.TypingFlag = 0;
}

bool MortgageCalc::InRate_KeyPress(int keyAscii) {
    MMODULE& mm = ctx_.mm;
    if (keyAscii == kKeyEnter) {
        InTerm->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (mm.TypingFlag == 0) {
        InRate->lineEdit()->clear();
        reset();
    }
    mm.DecimalsAllowed = 3;
    const bool discard = DecimalBoxKeyPress(keyAscii, InRate->lineEdit(), mm, ctx_.messages);
    mm.DecimalsAllowed = 0;
    return discard;
}

void MortgageCalc::InRate_LostFocus() {
    MMODULE& mm = ctx_.mm;
    if (mm.TypingFlag != 1) return;
    // A rate the user left as shown keeps its stored value (the box shows it rounded).
    TakeEditedNumber(InRate->lineEdit(), mm.LoanInputs[2]);
    showRate();
    mm.TypingFlag = 0;
}

void MortgageCalc::InRate_Click() {
    // The entry picked is taken when the box is left, as a typed rate is.
    InRate->lineEdit()->setModified(true);
    reset();
}

bool MortgageCalc::InTerm_KeyPress(int keyAscii) {
    MMODULE& mm = ctx_.mm;
    if (keyAscii == kKeyEnter) {
        Comperiod->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const bool discard = DigitBoxKeyPress(keyAscii, ctx_.messages);
    if (mm.TypingFlag == 0) {
        InTerm->lineEdit()->clear();
        reset();
    }
    return discard;
}

void MortgageCalc::InTerm_LostFocus() {
    MMODULE& mm = ctx_.mm;
    if (inLostFocus_) return;
    inLostFocus_ = true;
    const bool mortgage = mm.TableMode == 1;
    // The limit is checked every time the box is left.
    const double limit = mortgage ? 40 : 480;
    if (LeadingNumber(S(InTerm->currentText())) > limit) {
        ctx_.messages.showMessage(mortgage ? 5 : 16);
        InTerm->setEditText(mortgage ? QStringLiteral("40") : QStringLiteral("480"));
        InTerm->lineEdit()->setModified(true);
        mm.TypingFlag = 1;
    }
    if (mm.TypingFlag == 1) {
        // A period left as shown is not a new period: its value and the additional payments
        // entered for it stay.
        if (double value = 0; TakeEditedNumber(InTerm->lineEdit(), value)) {
            mm.LoanInputs[3] = mortgage ? value : value / 12;
            discardPrePayments();
        }
        showPeriod();
        mm.TypingFlag = 0;
    }
    inLostFocus_ = false;
}

void MortgageCalc::InTerm_Click() {
    InTerm->lineEdit()->setModified(true);
    discardPrePayments();
    reset();
}

bool MortgageCalc::Comperiod_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEnter) {
        FreqPmt->setFocus(Qt::OtherFocusReason);
    } else {
        ctx_.messages.beep();
    }
    reset();
    ctx_.mm.TypingFlag = 0;
    return true;
}

void MortgageCalc::Comperiod_Click() {
    reset();
    ctx_.mm.TypingFlag = 0;
}

bool MortgageCalc::FreqPmt_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEnter) {
        MCalc->setFocus(Qt::OtherFocusReason);
    } else {
        ctx_.messages.beep();
    }
    reset();
    ctx_.mm.TypingFlag = 0;
    return true;
}

void MortgageCalc::FreqPmt_Click() {
    reset();
    ctx_.mm.TypingFlag = 0;
}

bool MortgageCalc::MTextBox_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEnter) {
        InPrincipal->setFocus(Qt::OtherFocusReason);
    } else {
        ctx_.messages.beep();
    }
    return true;
}

void MortgageCalc::InputBox_KeyDown(int keyCode) {
    if (keyCode == 46) reset();
}

// The text of a number box changed without a typed key (cut, undo, a middle-click paste): the
// box now counts as edited, so that its value is taken when it is left and the results no
// longer belong to it.
void MortgageCalc::InputBox_Edited() {
    if (ctx_.mm.TypingFlag == 0) reset();
}

// A calculation started while a number box still holds an edit (a click that did not move the
// focus) takes that edit first, as leaving the box would.
void MortgageCalc::commitPendingInput() {
    if (ctx_.mm.TypingFlag == 1) leaveBox(FocusedBox({InPrincipal, InRate, InTerm}));
}

// The lost-focus handler of the number box the user leaves.
void MortgageCalc::leaveBox(QObject* box) {
    if (box == InPrincipal)
        InPrincipal_LostFocus();
    else if (box == InRate)
        InRate_LostFocus();
    else if (box == InTerm)
        InTerm_LostFocus();
}

void MortgageCalc::discardPrePayments() {
    ctx_.mm.PrePayTable = PrePayTableData{};
    ctx_.mm.PrePayCount = 0;
}

// ---------------------------------------------------------------------------------------------
// Showing values in the boxes

void MortgageCalc::showPrincipal() {
    const MMODULE& mm = ctx_.mm;
    const std::string text = mm.CurrencySymbol + FormatNumber(mm.LoanInputs[1], "####,,###.00");
    // An amount too long for the field is shown whole rather than cut.
    InPrincipal->setText(Q(TextLength(text) > 16 ? text : RightAlign(text, 16)));
}

void MortgageCalc::showRate() {
    const std::string number = FormatNumber(ctx_.mm.LoanInputs[2], "###.000");
    InRate->setEditText(Q((TextLength(number) > 14 ? number : RightAlign(number, 14)) + "%"));
}

void MortgageCalc::showPeriod() {
    const MMODULE& mm = ctx_.mm;
    const double shown = mm.TableMode == 1 ? mm.LoanInputs[3] : mm.LoanInputs[3] * 12;
    const std::string number = FormatNumber(shown, "###");
    InTerm->setEditText(Q(TextLength(number) > 16 ? number : RightAlign(number, 16)));
}

void MortgageCalc::setCompoundingText(const std::string& text) {
    const int index = Comperiod->findText(Q(text));
    if (index >= 0) {
        Comperiod->setCurrentIndex(index);
    } else {
        // A text that is not in the list is shown as it is; the calculation refuses it.
        Comperiod->setCurrentIndex(-1);
        Comperiod->setPlaceholderText(Q(text));
    }
}

void MortgageCalc::setFrequencyText(const std::string& text) {
    const int index = FreqPmt->findText(Q(text));
    if (index >= 0) {
        FreqPmt->setCurrentIndex(index);
    } else {
        FreqPmt->setCurrentIndex(-1);
        FreqPmt->setPlaceholderText(Q(text));
    }
}

std::string MortgageCalc::compoundingText() const {
    return Comperiod->currentIndex() >= 0 ? S(Comperiod->currentText())
                                          : S(Comperiod->placeholderText());
}

std::string MortgageCalc::frequencyText() const {
    return FreqPmt->currentIndex() >= 0 ? S(FreqPmt->currentText()) : S(FreqPmt->placeholderText());
}

void MortgageCalc::selectRowView(std::int16_t rowView) {
    if (rowView == 1) {
        Option2->setChecked(true);
        Option2_Click();
    } else {
        Option1->setChecked(true);
        Option1_Click();
    }
}

// ---------------------------------------------------------------------------------------------
// View options

void MortgageCalc::Option1_Click() {
    Option1->setChecked(true);
    ctx_.mm.RowView = 2;
    reset();
    ctx_.mm.TypingFlag = 0;
}

void MortgageCalc::Option2_Click() {
    Option2->setChecked(true);
    ctx_.mm.RowView = 1;
    reset();
    ctx_.mm.TypingFlag = 0;
}

// ---------------------------------------------------------------------------------------------
// "&Calculate"

void MortgageCalc::MCalc_Click() {
    MMODULE& mm = ctx_.mm;
    commitPendingInput();
    mm.HelpShown = 0;
    reset();
    BeginCalculation(mm);
    HourglassCursor hourglass;

    AmortizationResult result =
        CalculateSchedule(ScheduleInput(mm, compoundingText(), frequencyText()));
    // What the calculation stored stays, whether it ended or not.
    StoreSchedule(mm, result);
    hourglass.restore();
    for (int code : result.messages) ctx_.messages.showMessage(code);
    if (result.outcome == EngineOutcome::TermTooLong) {
        // The term is longer than the schedule: the grid is not refilled.
        reset();
        mm.TypingFlag = 1;
    }
    if (result.outcome != EngineOutcome::Completed) return;

    try {
        ScheduleTexts texts = MakeScheduleTexts(result, ScheduleViewOf(mm));
        fillResults(texts);
        StoreShownTexts(mm, texts);
        lastResult_ = std::move(result);
        lastTexts_ = std::move(texts);
        lastPaymentsPerYear_ = lastResult_.paymentsPerYear;
        hasResult_ = true;
    } catch (const std::exception&) {
        MGrid->setUpdatesEnabled(true);
        ctx_.messages.showMessage(Msg::WrongEntry);
    }
}

// The grid and the result boxes after a completed calculation.
void MortgageCalc::fillResults(const ScheduleTexts& texts) {
    MGrid->setUpdatesEnabled(false);
    MGrid->clearContents();
    MGrid->setRows(texts.gridRowCount);
    MGrid->setTextAt(0, 0, texts.heading0);
    const int lastRow = MGrid->rows() - 1;
    for (std::size_t i = 0; i < texts.rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (row > lastRow) break;
        const auto& cells = texts.rows[i];
        for (int c = 0; c < kGridColumns; ++c) MGrid->setTextAt(row, c, cells[c]);
    }
    if (texts.totalsRow >= 1 && texts.totalsRow <= lastRow) {
        for (int c = 0; c < kGridColumns; ++c) {
            if (!texts.totals[c].empty()) MGrid->setTextAt(texts.totalsRow, c, texts.totals[c]);
        }
    }
    for (const GridCell& cell : texts.listCells) {
        if (cell.row >= 1 && cell.row <= lastRow && cell.column >= 0 &&
            cell.column < kGridColumns) {
            MGrid->setTextAt(cell.row, cell.column, cell.text);
        }
    }
    MGrid->scrollToTop();
    MGrid->setUpdatesEnabled(true);

    const ResultBoxes& boxes = texts.boxes;
    InDays->setText(Q(boxes.InDays));
    PeriodicR->setText(Q(boxes.PeriodicR));
    NumPmtsYear->setText(Q(boxes.NumPmtsYear));
    InMonthPI->setText(Q(boxes.InMonthPI));
    EndMortYear->setText(Q(boxes.EndMortYear));
    AllPayments->setText(Q(boxes.AllPayments));
    TotSavd->setText(Q(boxes.TotSavd));
}

// ---------------------------------------------------------------------------------------------
// Quick help

void MortgageCalc::MHelp_Click() {
    MMODULE& mm = ctx_.mm;
    if (MHelp->text() == kQuickHelp) {
        mm.HelpShown = mm.HelpShown == 1 ? 0 : 1;
        showHelpPanel();
    } else {
        mm.HelpShown = 0;
        reset();
    }
}

void MortgageCalc::showHelpPanel() {
    MHelp->setText(kCloseHelp);
    MPrinter->setEnabled(false);
    MGraphs->setEnabled(false);
    MGrid->hide();
    MTextBox->show();
    QString text = Q(QuickHelpText(ctx_.mm.TableMode));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    MTextBox->setPlainText(text);
    MTextBox->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// "E&xit to Menu"

void MortgageCalc::MExit_Click() {
    MMODULE& mm = ctx_.mm;
    exiting_ = true;
    mm.RowView = 0;
    mm.TypingFlag = 0;
    mm.PrintLines.clear();
    mm.LoanInputs = {};
    mm.PrePayTable = PrePayTableData{};
    mm.GraphValues.clear();
    mm.YearTotals = YearTotalsData{};
    mm.ScheduleTable.clear();
    MTextBox->clear();
    mm.ResultRowCount = 0;
    mm.GraphCaller = 0;
    mm.GridRows = 0;
    mm.PrePayCount = 0;
    mm.PrePayMonth = 12;
    hasResult_ = false;
    ctx_.frame.setFrameCaption(QStringLiteral(" Brindlewood Menu"));
    ctx_.frame.showMainMenu();
}

}  // namespace bw
