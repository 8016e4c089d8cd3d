// The tables window's form: its controls, their layout and wiring, the captions' widths and the
// schedule grid's columns. The behaviour is in mortgage_calc.cpp and mortgage_calc_inputs.cpp.

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
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/input_controls.h"
#include "shell/ms_grid.h"
#include "shell/twips.h"
#include "shell/window_kit.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

// Default width of a grid column before the schedule columns are widened.
constexpr int kGridDefaultColumnTwips = 1200;
constexpr int kGridRowTwips = 270;
// How much wider than that each schedule column is.
constexpr int kGridWiden[6] = {520, 550, 650, 700, 700, 700};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Controls and layout

void MortgageCalc::buildControls() {
    setObjectName(QStringLiteral("MortgageCalc"));
    setFocusPolicy(Qt::NoFocus);
    auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
    };

    // Input boxes (yellow).
    InPrincipal = NewInputBox(this, "InPrincipal");
    InRate = NewEditableList(this, "InRate");
    InTerm = NewEditableList(this, "InTerm");
    Comperiod = NewPickList(this, "Comperiod");
    FreqPmt = NewPickList(this, "FreqPmt");

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
    SetBackground(MTextBox, colours::kHelp);
    MTextBox->viewport()->setAutoFillBackground(true);
    {
        QPalette palette = MTextBox->viewport()->palette();
        palette.setColor(QPalette::Base, colours::kHelp);
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
    InDays = NewResultBox(this, "InDays");
    PeriodicR = NewResultBox(this, "PeriodicR");
    NumPmtsYear = NewResultBox(this, "NumPmtsYear");
    InMonthPI = NewResultBox(this, "InMonthPI");
    EndMortYear = NewResultBox(this, "EndMortYear");
    AllPayments = NewResultBox(this, "AllPayments");
    TotSavd = NewResultBox(this, "TotSavd");

    // Captions.
    Label1 = NewCaption(this, "Label1", "");
    Label2 = NewCaption(this, "Label2", "");
    Label3 = NewCaption(this, "Label3", "");
    Label4 = NewCaption(this, "Label4", " Interest compound     periods per year.");
    Label5 = NewCaption(this, "Label5", " Frequency and type   of each payment.");
    Label6 = NewCaption(this, "Label6", " Show payments.");
    Label7 = NewCaption(this, "Label7", " Days      in year.");
    Label8 = NewCaption(this, "Label8", "");
    Label9 = NewCaption(this, "Label9", " Interest rate  factor.");
    Label10 = NewCaption(this, "Label10", " No. of payments  each year.");
    Label11 = NewCaption(this, "Label11", "");
    Label12 = NewCaption(this, "Label12", " Principal+Interest  payment.");
    Label13 = NewCaption(this, "Label13", " Total interest    savings.");
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
    EvenCommandButtons(this);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(8, 8, 8, 8);
    main->setSpacing(10);
    main->addLayout(left, 1);
    main->addLayout(commands, 0);

    // Tab order follows the Enter order of the inputs, then the commands.
    ChainTabOrder({InPrincipal, InRate, InTerm, Comperiod, FreqPmt, MCalc});
    // The focus given to the window goes to the principal box.
    setFocusProxy(InPrincipal);

    // Event wiring.
    makeNumberBoxes();
    for (QObject* watched : watchedObjects()) watched->installEventFilter(this);
    EnterPressesButtons(this);
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

void MortgageCalc::setUpGrid() {
    const MMODULE& mm = ctx_.mm;
    MGrid->setCols(kGridColumns);
    MGrid->setRows(mm.GridRows);
    MGrid->setRowHeightTwips(0, 510);
    // Two-line headings, as the heading row is made for.
    MGrid->setHeadingsWrap(true);
    for (int c = 0; c < kGridColumns; ++c) {
        MGrid->setColWidthTwips(c, MGrid->colWidthTwips(c) + kGridWiden[c]);
        MGrid->setColAlignment(c, 2);
        MGrid->setFixedAlignment(c, 2);
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

// The three number boxes and their handlers. The principal and rate boxes empty before the key
// filter sees the first key; the period box filters first.
void MortgageCalc::makeNumberBoxes() {
    MMODULE& mm = ctx_.mm;
    principalBox_ = new NumberBox(InPrincipal, mm, ctx_.messages,
                                  {NumberKind::Decimal, 2, FilterOrder::EmptyFirst});
    rateBox_ =
        new NumberBox(InRate, mm, ctx_.messages, {NumberKind::Decimal, 3, FilterOrder::EmptyFirst});
    periodBox_ =
        new NumberBox(InTerm, mm, ctx_.messages, {NumberKind::Digits, 0, FilterOrder::FilterFirst});
    principalBox_->setNext(InRate);
    rateBox_->setNext(InTerm);
    periodBox_->setNext(Comperiod);
    connect(principalBox_, &NumberBox::resetRequested, this, [this] { InPrincipal_KeyPress(); });
    connect(rateBox_, &NumberBox::resetRequested, this, [this] { InRate_KeyPress(); });
    connect(periodBox_, &NumberBox::resetRequested, this, [this] { InTerm_KeyPress(); });
    for (NumberBox* box : {principalBox_, rateBox_})
        connect(box, &NumberBox::deletePressed, this, [this] { InputBox_KeyDown(); });
    connect(periodBox_, &NumberBox::leaving, this, [this] { InTerm_Validate(); });
    principalBox_->setStore(
        [this](std::optional<double> typed) { return InPrincipal_LostFocus(typed); });
    rateBox_->setStore([this](std::optional<double> typed) { return InRate_LostFocus(typed); });
    periodBox_->setStore([this](std::optional<double> typed) { return InTerm_LostFocus(typed); });
}

// The objects whose events the window handles besides the number boxes: the lists (their keys
// and the wheel), the help panel, and the grid's viewport for its width.
std::vector<QObject*> MortgageCalc::watchedObjects() const {
    return {InRate, InTerm, Comperiod, FreqPmt, MTextBox, MGrid->viewport()};
}

// Each box is announced by the caption beside it ("Principal+Interest payment"), so that a
// screen reader reads the caption with the value.
void MortgageCalc::nameBoxesFromCaptions() {
    principalBox_->setCaption(Label1->text());
    rateBox_->setCaption(Label2->text());
    periodBox_->setCaption(Label3->text());
    const std::pair<QLabel*, QWidget*> captioned[] = {
        {Label4, Comperiod},    {Label5, FreqPmt},    {Label7, InDays},
        {Label8, AllPayments},  {Label9, PeriodicR},  {Label10, NumPmtsYear},
        {Label11, EndMortYear}, {Label12, InMonthPI}, {Label13, TotSavd}};
    for (const auto& [label, box] : captioned) SetAccessibleCaption(box, label->text());
    SetAccessibleCaption(MGrid, QStringLiteral("Schedule"));
    SetAccessibleCaption(MTextBox, QStringLiteral("Quick help"));
}

}  // namespace bw
