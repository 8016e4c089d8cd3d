// The tables window's inputs: the handlers of the number boxes and lists, taking and showing
// their values, the list texts and the view options. The boxes' keyboard protocol itself is the
// shared NumberBox; the handlers here are what the window adds to it.

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/key_filters.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "shell/number_box.h"
#include "shell/number_format.h"
#include "shell/qt_text.h"
#include "tables/mortgage_calc.h"
#include "tables/placed_dialog.h"
#include "tables/tables_window_values.h"

namespace bw {

// ---------------------------------------------------------------------------------------------
// Keys of the lists and the help panel, the wheel, the grid's width

bool MortgageCalc::eventFilter(QObject* watched, QEvent* event) {
    if (exiting_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
            if (const int code = EntryCharCode(static_cast<QKeyEvent*>(event)); code != 0) {
                if (watched == Comperiod) return Comperiod_KeyPress(code);
                if (watched == FreqPmt) return FreqPmt_KeyPress(code);
                if (watched == MTextBox) return MTextBox_KeyPress(code);
            }
            break;
        case QEvent::Wheel:
            // The wheel turns a list only while the list has the focus: turning one the pointer
            // merely passes over would change an input behind the user's back.
            if (qobject_cast<QComboBox*>(watched) && !static_cast<QWidget*>(watched)->hasFocus()) {
                event->ignore();
                return true;
            }
            break;
        case QEvent::Resize:
            if (watched == MGrid->viewport()) fitGridColumns();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// The number boxes

// The first key typed into an untouched box emptied it: the results go.
void MortgageCalc::InPrincipal_KeyPress() {
    reset();
}

QString MortgageCalc::InPrincipal_LostFocus(std::optional<double> typed) {
    if (typed) ctx_.mm.LoanInputs[1] = *typed;
    return Q(PrincipalBoxText(ctx_.mm.LoanInputs[1], ctx_.mm.CurrencySymbol));
}

void MortgageCalc::InRate_KeyPress() {
    reset();
}

// A rate the user left as shown keeps its stored value (the box shows it rounded).
QString MortgageCalc::InRate_LostFocus(std::optional<double> typed) {
    if (typed) ctx_.mm.LoanInputs[2] = *typed;
    return Q(RateBoxText(ctx_.mm.LoanInputs[2]));
}

void MortgageCalc::InRate_Click() {
    // The entry picked is taken when the box is left, as a typed rate is.
    rateBox_->markEdited();
    reset();
}

void MortgageCalc::InTerm_KeyPress() {
    reset();
}

// Every time the period box is left, edited or not: a period over the mode's limit is replaced
// by the limit, which is then taken as if typed.
void MortgageCalc::InTerm_Validate() {
    const PeriodEntry entry =
        CheckPeriod(LeadingNumber(S(InTerm->currentText())), ctx_.mm.TableMode);
    if (entry.message == 0) return;
    ctx_.messages.showMessage(entry.message);
    periodBox_->showText(Q(FormatNumber(entry.shown, "###")));
    periodBox_->markEdited();
    ctx_.mm.TypingFlag = 1;
}

// A period left as shown is not a new period: its value and the additional payments entered for
// it stay.
QString MortgageCalc::InTerm_LostFocus(std::optional<double> typed) {
    if (typed) {
        ctx_.mm.LoanInputs[3] = CheckPeriod(*typed, ctx_.mm.TableMode).years;
        discardPrePayments();
    }
    return Q(PeriodBoxText(ctx_.mm.LoanInputs[3], ctx_.mm.TableMode));
}

void MortgageCalc::InTerm_Click() {
    periodBox_->markEdited();
    discardPrePayments();
    reset();
}

// Delete in the principal or rate box: the results go.
void MortgageCalc::InputBox_KeyDown() {
    reset();
}

// A calculation started while a number box still holds an edit (a click that did not move the
// focus) takes that edit first, as leaving the box would.
void MortgageCalc::commitPendingInput() {
    for (NumberBox* box : {principalBox_, rateBox_, periodBox_}) {
        if (box->control()->hasFocus() || box->lineEdit()->hasFocus()) box->leave();
    }
}

void MortgageCalc::discardPrePayments() {
    ctx_.mm.PrePayTable = PrePayTableData{};
    ctx_.mm.PrePayCount = 0;
}

// ---------------------------------------------------------------------------------------------
// The lists and the help panel

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

// ---------------------------------------------------------------------------------------------
// Showing values in the boxes

void MortgageCalc::showPrincipal() {
    principalBox_->showText(InPrincipal_LostFocus(std::nullopt));
}

void MortgageCalc::showRate() {
    rateBox_->showText(InRate_LostFocus(std::nullopt));
}

void MortgageCalc::showPeriod() {
    periodBox_->showText(InTerm_LostFocus(std::nullopt));
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

}  // namespace bw
