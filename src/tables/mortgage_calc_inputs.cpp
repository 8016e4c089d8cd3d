// The tables window's inputs: the keyboard protocol of the number boxes and lists, taking and
// showing their values, the list texts and the view options.

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/message_port.h"
#include "shell/ms_grid.h"
#include "shell/number_format.h"
#include "tables/mortgage_calc.h"
#include "tables/placed_dialog.h"
#include "tables/tables_window_values.h"

namespace bw {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}

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

bool MortgageCalc::isNumberBox(const QObject* watched) const {
    return watched == InPrincipal || watched == InRate || watched == InTerm ||
           watched == InRate->lineEdit() || watched == InTerm->lineEdit();
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

}  // namespace bw
