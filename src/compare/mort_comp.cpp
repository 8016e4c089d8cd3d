// The comparison window's behaviour: loading, the inputs and their keyboard protocol,
// "&Calculate" adding a row, quick help and leaving the window. The controls are built in
// mort_comp_form.cpp; the file, report and dialog commands have their own files.

#include "compare/mort_comp.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "compare/comparison_help.h"
#include "compare/comparison_state.h"
#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "shell/number_format.h"
#include "shell/window_kit.h"

namespace bw {

namespace {
const QString kQuickHelp = QStringLiteral("Quick &Help");
const QString kCloseHelp = QStringLiteral("Close &Help");

// A text right-justified in a field, or whole when it is longer than the field.
QString Fit(const std::string& text, int width) {
    return Q(static_cast<int>(TextLength(text)) > width ? text : RightAlign(text, width));
}
}  // namespace

MortComp::MortComp(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    buildControls();
    connectInputs();
    Form_Load();
}

MortComp::~MortComp() {
    exiting_ = true;
    CloseNumberBoxes(this);
    for (QWidget* watched : {static_cast<QWidget*>(ComPeriod), static_cast<QWidget*>(FreqPmt),
                             static_cast<QWidget*>(MCTextBox)})
        watched->removeEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// Loading

void MortComp::Form_Load() {
    MMODULE& mm = ctx_.mm;
    ctx_.frame.setFrameCaption(QStringLiteral(" Mortgage Comparison Tables"));
    StartComparison(mm, sheet_);
    layOutUpperGrid();
    layOutLowerGrid();

    principalBox_->showText(Q("   " + mm.CurrencySymbol + "100,000.00"));
    InRate->addItems({QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "),
                      QStringLiteral("9 "), QStringLiteral("10 ")});
    rateBox_->showText(QStringLiteral("         10.125%"));
    InTerm->addItems({QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")});
    termBox_->showText(QStringLiteral("            25"));
    Label1->setText(QStringLiteral(" Principal amount of    mortgage."));
    Label3->setText(QStringLiteral(" Annual interest          rate(%)"));
    Label4->setText(QStringLiteral(" Amortization period    in years."));
    for (const std::string& entry : lists::kFrequency) FreqPmt->addItem(Q(entry));
    for (const std::string& entry : lists::kCompounding) ComPeriod->addItem(Q(entry));
    ComPeriod->setCurrentIndex(StartCompoundingIndex(mm.DefaultCompounding));
    FreqPmt->setCurrentIndex(0);
    sizeCaptions();
    principalBox_->setCaption(Label1->text());
    rateBox_->setCaption(Label3->text());
    termBox_->setCaption(Label4->text());
}

ComparisonLists MortComp::listTexts() const {
    return {S(ComPeriod->currentText()), S(FreqPmt->currentText())};
}

void MortComp::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!exiting_ && !MCTextBox->isVisible() && !InPrincipal->hasFocus())
        InPrincipal->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// Input protocol: the three number boxes do the type-over editing; the handlers below are what
// this window adds to it.

void MortComp::connectInputs() {
    MMODULE& mm = ctx_.mm;
    principalBox_ = new NumberBox(InPrincipal, mm, ctx_.messages, {NumberKind::Decimal, 2});
    rateBox_ = new NumberBox(InRate, mm, ctx_.messages, {NumberKind::Decimal, 3});
    termBox_ = new NumberBox(InTerm, mm, ctx_.messages, {NumberKind::Digits, 0});
    principalBox_->setNext(InRate);
    rateBox_->setNext(InTerm);
    termBox_->setNext(ComPeriod);
    principalBox_->setStore(
        [this](std::optional<double> typed) { return InPrincipal_LostFocus(typed); });
    rateBox_->setStore([this](std::optional<double> typed) { return InRate_LostFocus(typed); });
    termBox_->setStore([this](std::optional<double> typed) { return InTerm_LostFocus(typed); });
    connect(principalBox_, &NumberBox::resetRequested, this, &MortComp::InPrincipal_KeyPress);
    connect(rateBox_, &NumberBox::resetRequested, this, &MortComp::InRate_KeyPress);
    connect(termBox_, &NumberBox::resetRequested, this, &MortComp::InTerm_KeyPress);
    for (NumberBox* box : {principalBox_, rateBox_, termBox_})
        connect(box, &NumberBox::deletePressed, this, &MortComp::closeQuickHelp);
    // Leaving the period box discards the additional payments, whatever was typed.
    connect(termBox_, &NumberBox::leaving, this, &MortComp::discardPrePayments);
    connect(InRate, &QComboBox::activated, this, &MortComp::InRate_Click);
    connect(InTerm, &QComboBox::activated, this, &MortComp::InTerm_Click);
    connect(ComPeriod, &QComboBox::activated, this, &MortComp::List_Click);
    connect(FreqPmt, &QComboBox::activated, this, &MortComp::List_Click);
    for (QWidget* watched : {static_cast<QWidget*>(ComPeriod), static_cast<QWidget*>(FreqPmt),
                             static_cast<QWidget*>(MCTextBox)})
        watched->installEventFilter(this);
}

// Keys in the two lists and the help box: Enter moves on, any other character beeps.
bool MortComp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || exiting_) return QWidget::eventFilter(watched, event);
    const int code = KeyCharCode(static_cast<QKeyEvent*>(event), ControlChars::Drop);
    if (code == 0) return QWidget::eventFilter(watched, event);
    if (watched == MCTextBox) return MCTextBox_KeyPress(code);
    return List_KeyPress(static_cast<QComboBox*>(watched), code);
}

// Whether a box left with an edit holds text of the user's: a box whose text is still the one
// the window wrote (a Delete at its end removed nothing) keeps its stored value, which the
// formatted text would not give back ("$100,000.00" reads as no number at all).
bool MortComp::typedOver(const QLineEdit* box, std::optional<double> typed, const QString& shown) {
    return typed.has_value() && box->text().trimmed() != shown.trimmed();
}

// The first key typed into an untouched box emptied it: the quick help closes.
void MortComp::InPrincipal_KeyPress() {
    closeQuickHelp();
}
void MortComp::InRate_KeyPress() {
    closeQuickHelp();
}
void MortComp::InTerm_KeyPress() {
    closeQuickHelp();
}

QString MortComp::InPrincipal_LostFocus(std::optional<double> typed) {
    if (typedOver(InPrincipal, typed, principalText(16))) ctx_.mm.LoanInputs[1] = *typed;
    return principalText(16);
}

QString MortComp::InRate_LostFocus(std::optional<double> typed) {
    // A rate left as shown keeps its stored value (the box shows it rounded).
    if (typedOver(InRate->lineEdit(), typed, rateText(true))) ctx_.mm.LoanInputs[2] = *typed;
    return rateText(true);
}

QString MortComp::InTerm_LostFocus(std::optional<double> typed) {
    if (!typedOver(InTerm->lineEdit(), typed, periodText())) typed.reset();
    if (typed && *typed > 40) {
        ctx_.messages.showMessage(Msg::YearsLimit);
        typed = 40;
    }
    if (typed) ctx_.mm.LoanInputs[3] = *typed;
    return periodText();
}

void MortComp::InRate_Click() {
    // The entry picked is taken when the box is left, as a typed rate is.
    rateBox_->markEdited();
    closeQuickHelp();
}

void MortComp::InTerm_Click() {
    termBox_->markEdited();
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
    if (ctx_.mm.TypingFlag != 1) return;
    QWidget* focused = FocusedBox({InPrincipal, InRate, InTerm});
    for (NumberBox* box : {principalBox_, rateBox_, termBox_})
        if (focused != nullptr && focused == box->control()) box->leave();
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

QString MortComp::principalText(int width) const {
    const MMODULE& mm = ctx_.mm;
    return Fit(mm.CurrencySymbol + FormatNumber(mm.LoanInputs[1], "####,,###.00"), width);
}

QString MortComp::rateText(bool percentInField) const {
    const std::string number = FormatNumber(ctx_.mm.LoanInputs[2], "###.000");
    return percentInField ? Fit(number + "%", 15) : Fit(number, 14) + QStringLiteral("%");
}

QString MortComp::periodText() const {
    return Fit(FormatNumber(ctx_.mm.LoanInputs[3], "###"), 16);
}

// ---------------------------------------------------------------------------------------------
// "&Calculate"

void MortComp::MCCalc_Click() {
    MMODULE& mm = ctx_.mm;
    commitPendingInput();
    mm.HelpShown = 0;
    closeQuickHelp();
    mm.TypingFlag = 0;

    ComparisonRow row;
    {
        HourglassCursor hourglass;
        row = CalculateComparisonRow(ComparisonInputFrom(mm, sheet_, listTexts()));
    }
    const ComparisonStored stored = StoreComparisonRow(mm, sheet_, row);
    for (int code : stored.messages) ctx_.messages.showMessage(code);
    if (!stored.added) return;

    const int r = sheet_.rowCounter;
    if (r == 1) clearUpperGrid();
    showUpperRow(r);
    MCGrid1->showRow(r);
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
// "E&xit to Menu"

void MortComp::MCExit_Click() {
    exiting_ = true;
    LeaveComparison(ctx_.mm, sheet_);
    MCTextBox->clear();
    ctx_.frame.setFrameCaption(QStringLiteral(" Brindlewood Menu"));
    ctx_.frame.showMainMenu();
}

}  // namespace bw
