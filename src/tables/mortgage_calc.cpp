// The tables window: inputs and their keyboard protocol, the reset routine, the calculation with
// the schedule grid and the result boxes, quick help and leaving the window.

#include "tables/mortgage_calc.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <exception>
#include <memory>

#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/message_port.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "shell/number_format.h"
#include "shell/twips.h"
#include "tables/placed_dialog.h"
#include "tables/quick_help.h"
#include "tables/tables_window_values.h"

namespace bw {
namespace {

const QString kQuickHelp = QStringLiteral("Quick &Help");
const QString kCloseHelp = QStringLiteral("Close &Help");

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

// A key typed into an amount or rate box, checked against the box's text without its selection
// (the key replaces the selection). True when the filter refuses it, with a beep.
bool RefusedDecimalKey(int key, const QLineEdit* box, std::int16_t decimals,
                       MessagePort& messages) {
    QString text = box->text();
    if (box->hasSelectedText()) text.remove(box->selectionStart(), box->selectedText().size());
    const KeyVerdict verdict = DecimalKeyFilter(key, text.toStdString(), decimals);
    if (verdict.beep) messages.beep();
    return verdict.key == 0;
}

// Edits that would bring text past the key filters (paste, cut) are refused with a beep; undo and
// redo would bring back a text the box has already left behind. True when the key is swallowed.
bool RefusedEditKey(const QKeyEvent* key, MessagePort& messages) {
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut)) {
        messages.beep();
        return true;
    }
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
}

}  // namespace

MortgageCalc::MortgageCalc(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    buildControls();
    Form_Load();
}

MortgageCalc::~MortgageCalc() {
    exiting_ = true;
    for (QObject* watched : watchedObjects()) watched->removeEventFilter(this);
}

bool MortgageCalc::isNumberBox(const QObject* watched) const {
    return watched == InPrincipal || watched == InRate || watched == InTerm ||
           watched == InRate->lineEdit() || watched == InTerm->lineEdit();
}

// ---------------------------------------------------------------------------------------------
// Loading

void MortgageCalc::Form_Load() {
    MMODULE& mm = ctx_.mm;
    const TablesWindowStart start = TablesStart(mm.TableMode, mm.CurrencySymbol);
    ctx_.frame.setFrameCaption(Q(start.frameCaption));
    setWindowTitle(Q(start.frameCaption).trimmed());

    // The shared tables, flags, days in year and the mode's start values.
    LoadTablesState(mm);
    setUpGrid();
    Option2->setChecked(true);  // the annual view
    Option2_Click();

    InPrincipal->setText(Q(start.principalText));
    Label1->setText(Q(start.principalCaption));
    Label2->setText(Q(start.rateCaption));
    Label3->setText(Q(start.periodCaption));
    for (const std::string& entry : start.rateList) InRate->addItem(Q(entry));
    for (const std::string& entry : start.periodList) InTerm->addItem(Q(entry));
    InRate->setEditText(Q(start.rateText));
    InTerm->setEditText(Q(start.periodText));
    Label8->setText(Q(AllPaymentsLabel(mm.TableMode)));
    Label11->setText(Q(EndMortYearLabel(mm.TableMode)));

    for (const std::string& entry : lists::kCompounding) Comperiod->addItem(Q(entry));
    for (const std::string& entry : lists::kFrequency) FreqPmt->addItem(Q(entry));
    Comperiod->setCurrentIndex(CompoundingIndex(mm.DefaultCompounding));
    FreqPmt->setCurrentIndex(0);
    mm.TypingFlag = 0;

    fitCaptions();
    nameBoxesFromCaptions();
    resize(sizeHint().expandedTo(QSize(Px(14100), Px(8700))));
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
        if (isNumberBox(watched) && RefusedEditKey(key, ctx_.messages)) return true;
        // Keys that type nothing (Escape, Ctrl+C, arrows) are no entry: they never empty a box.
        const int code = EntryCharCode(key);
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
    } else if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
               static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
               isNumberBox(watched)) {
        // A middle-click pastes the selection of another program: refused like a paste.
        if (type == QEvent::MouseButtonRelease) ctx_.messages.beep();
        return true;
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
    return RefusedDecimalKey(keyAscii, InPrincipal, 2, ctx_.messages);
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
    return RefusedDecimalKey(keyAscii, InRate->lineEdit(), 3, ctx_.messages);
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
    // The limit is checked every time the box is left.
    const PeriodEntry entry = CheckPeriod(LeadingNumber(S(InTerm->currentText())), mm.TableMode);
    if (entry.message != 0) {
        ctx_.messages.showMessage(entry.message);
        InTerm->setEditText(Q(FormatNumber(entry.shown, "###")));
        InTerm->lineEdit()->setModified(true);
        mm.TypingFlag = 1;
    }
    if (mm.TypingFlag == 1) {
        // A period left as shown is not a new period: its value and the additional payments
        // entered for it stay.
        if (InTerm->lineEdit()->isModified()) {
            mm.LoanInputs[3] = entry.years;
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
    InPrincipal->setText(Q(PrincipalBoxText(ctx_.mm.LoanInputs[1], ctx_.mm.CurrencySymbol)));
}

void MortgageCalc::showRate() {
    InRate->setEditText(Q(RateBoxText(ctx_.mm.LoanInputs[2])));
}

void MortgageCalc::showPeriod() {
    InTerm->setEditText(Q(PeriodBoxText(ctx_.mm.LoanInputs[3], ctx_.mm.TableMode)));
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

    // Step 1.
    mm.YearTotals = YearTotalsData{};
    mm.HelpShown = 0;
    reset();
    mm.TypingFlag = 0;
    mm.ResultRowCount = 0;
    if (mm.PrintLines.size() < 4) mm.PrintLines.resize(4);
    mm.PrintLines[1].clear();
    HourglassCursor hourglass;

    AmortizationInput input;
    input.tableMode = mm.TableMode;
    input.principal = mm.LoanInputs[1];
    input.rate = mm.LoanInputs[2];
    input.period = mm.LoanInputs[3];
    input.compounding = compoundingText();
    input.frequency = frequencyText();
    input.daysInYear = mm.DaysInYear;
    input.biWeeklyPeriods = mm.BiWeeklyPeriods;
    input.weeklyPeriods = mm.WeeklyPeriods;
    input.prePayTable = mm.PrePayTable;
    input.prePayMonth = mm.PrePayMonth;
    input.displayTerm = mm.DisplayTerm;
    input.dateMode = mm.DateMode;
    input.firstPayDate = mm.FirstPayDate;
    input.rowView = mm.RowView;
    if (mm.ScheduleTable.size() == static_cast<std::size_t>(kScheduleLastRow + 1)) {
        input.previous = std::make_shared<const ScheduleTableData>(mm.ScheduleTable);
    }

    AmortizationResult result = CalculateSchedule(input);

    // What the calculation stored stays, whether it ended or not.
    mm.DisplayTerm = result.displayTerm;
    if (result.outcome != EngineOutcome::Stopped) {
        mm.ScheduleTable = result.schedule;
        mm.YearTotals = result.yearTotals;
        mm.FrequencyKind = result.frequencyKind;
        mm.PaymentsPerYear = result.paymentsPerYear;
    }
    hourglass.restore();

    // Message 34 of a term longer than the period comes first; the calculation goes on.
    std::size_t shown = 0;
    if (!result.messages.empty() && result.messages.front() == 34 &&
        (result.outcome != EngineOutcome::TermTooLong || result.messages.size() > 1)) {
        ctx_.messages.showMessage(34);
        shown = 1;
    }

    switch (result.outcome) {
        case EngineOutcome::Stopped:
        case EngineOutcome::Faulted:
            for (std::size_t i = shown; i < result.messages.size(); ++i) {
                ctx_.messages.showMessage(result.messages[i]);
            }
            return;
        case EngineOutcome::TermTooLong:
            ctx_.messages.showMessage(34);
            reset();
            mm.TypingFlag = 1;
            return;
        case EngineOutcome::Completed:
            break;
    }

    mm.RetiredYears = result.retiredYears;
    mm.GridRows = result.gridRows;

    ScheduleView view;
    view.tableMode = mm.TableMode;
    view.rowView = mm.RowView;
    view.dateMode = mm.DateMode;
    view.currencySymbol = mm.CurrencySymbol;
    view.daysInYear = mm.DaysInYear;
    view.prePayTable = mm.PrePayTable;
    view.prePayCount = mm.PrePayCount;
    view.prePayMonth = mm.PrePayMonth;

    try {
        ScheduleTexts texts = MakeScheduleTexts(result, view);
        fillResults(texts);
        mm.ResultRowCount = texts.resultRowCount;
        mm.GraphTitle = texts.graphTitle;
        mm.PrintLines[1] = texts.printText;
        lastResult_ = std::move(result);
        lastTexts_ = std::move(texts);
        lastPaymentsPerYear_ = lastResult_.paymentsPerYear;
        hasResult_ = true;
    } catch (const std::exception&) {
        MGrid->setUpdatesEnabled(true);
        ctx_.messages.showMessage(4);
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
    exiting_ = true;
    DiscardTablesState(ctx_.mm);
    MTextBox->clear();
    hasResult_ = false;
    ctx_.frame.setFrameCaption(QStringLiteral(" Brindlewood Menu"));
    ctx_.frame.showMainMenu();
}

}  // namespace bw
