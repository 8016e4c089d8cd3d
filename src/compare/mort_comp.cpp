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
#include "compare/mort_comp_support.h"
#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"

namespace bw {

using comp::Fit;
using comp::Q;
using comp::S;

namespace {
const QString kQuickHelp = QStringLiteral("Quick &Help");
const QString kCloseHelp = QStringLiteral("Close &Help");
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
// Loading

void MortComp::Form_Load() {
    MMODULE& mm = ctx_.mm;
    ctx_.frame.setFrameCaption(QStringLiteral(" Mortgage Comparison Tables"));
    StartComparison(mm, sheet_);
    layOutUpperGrid();
    layOutLowerGrid();

    InPrincipal->setText(Q("   " + mm.CurrencySymbol + "100,000.00"));
    InRate->addItems({QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "),
                      QStringLiteral("9 "), QStringLiteral("10 ")});
    InRate->setEditText(QStringLiteral("         10.125%"));
    InTerm->addItems({QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("40")});
    InTerm->setEditText(QStringLiteral("            25"));
    Label1->setText(QStringLiteral(" Principal amount of    mortgage."));
    Label3->setText(QStringLiteral(" Annual interest          rate(%)"));
    Label4->setText(QStringLiteral(" Amortization period    in years."));
    for (const std::string& entry : lists::kFrequency) FreqPmt->addItem(Q(entry));
    for (const std::string& entry : lists::kCompounding) ComPeriod->addItem(Q(entry));
    ComPeriod->setCurrentIndex(StartCompoundingIndex(mm.DefaultCompounding));
    FreqPmt->setCurrentIndex(0);
    sizeCaptions();
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
            ctx_.messages.showMessage(Msg::YearsLimit);
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

    ComparisonRow row;
    {
        comp::HourglassCursor hourglass;
        row = CalculateComparisonRow(ComparisonInputFrom(mm, sheet_, listTexts()));
    }
    const ComparisonStored stored = StoreComparisonRow(mm, sheet_, row);
    for (int code : stored.messages) ctx_.messages.showMessage(code);
    if (!stored.added) return;

    const int r = sheet_.rowCounter;
    if (r == 1) clearUpperGrid();
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
// "E&xit to Menu"

void MortComp::MCExit_Click() {
    exiting_ = true;
    LeaveComparison(ctx_.mm, sheet_);
    MCTextBox->clear();
    ctx_.frame.setFrameCaption(QStringLiteral(" Brindlewood Menu"));
    ctx_.frame.showMainMenu();
}

}  // namespace bw
