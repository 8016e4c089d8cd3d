#include "afford/mort_find_factor.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/twips.h"

#if __has_include("tables/mort_irf_table.h")
#include "tables/mort_irf_table.h"
#define BW_HAVE_MORT_IRF_TABLE 1
#endif
#if __has_include("reports/qt_printer_backend.h")
#include "reports/qt_printer_backend.h"
#define BW_HAVE_PRINTER_BACKEND 1
#endif

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

// Restores the normal mouse pointer when a scope ends, however it ends.
struct HourglassCursor {
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

MortFindFactor::MortFindFactor(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("MortFindFactor"));
    buildControls();
    Form_Load();
}

MortFindFactor::~MortFindFactor() {
    // No lost-focus handling while the controls are taken down.
    for (QObject* watched : std::initializer_list<QObject*>{
             MFInPrincipal, MFInRate, MFInTerm, MFInMthPayment, MFCompPeriod, MFFreqPmt})
        watched->removeEventFilter(this);
}

void MortFindFactor::Form_Load() {
    MMODULE& mm = ctx_.mm;
    ctx_.frame.setFrameCaption(QStringLiteral(" Mortgage Affordability"));
    own_ = AffordOpen(mm);
    for (const std::string& text : lists::kCompounding) MFCompPeriod->addItem(Q(text));
    MFCompPeriod->setCurrentText(Q(own_.compounding));
    for (AffordBox box : {AffordBox::Principal, AffordBox::Rate, AffordBox::Years})
        boxOf(box)->setText(Q(AffordStartText(box, mm.CurrencySymbol)));
    for (const std::string& text : lists::kFrequency) MFFreqPmt->addItem(Q(text));
    MFFreqPmt->setCurrentIndex(0);

    recolour();
    MFCalc_Click();
    mm.TypingFlag = 0;
}

QLineEdit* MortFindFactor::boxOf(AffordBox box) const {
    switch (box) {
        case AffordBox::Principal:
            return MFInPrincipal;
        case AffordBox::Rate:
            return MFInRate;
        case AffordBox::Years:
            return MFInTerm;
        case AffordBox::Payment:
            break;
    }
    return MFInMthPayment;
}

AffordBox MortFindFactor::boxKind(const QLineEdit* box) const {
    if (box == MFInPrincipal) return AffordBox::Principal;
    if (box == MFInRate) return AffordBox::Rate;
    if (box == MFInTerm) return AffordBox::Years;
    return AffordBox::Payment;
}

void MortFindFactor::MFCloseHelp() {
    MMODULE& mm = ctx_.mm;
    mm.TypingFlag = 1;
    if (mm.HelpShown == 1) return;
    if (MFHelp->text() == kCloseHelp) {
        MFHelp->setText(kQuickHelp);
        MFTextBox->hide();
        mm.TypingFlag = 0;
    }
    mm.HelpShown = 0;
}

void MortFindFactor::MFCalc_Click() {
    MMODULE& mm = ctx_.mm;
    mm.HelpShown = 0;
    MFCloseHelp();
    mm.TypingFlag = 0;
    own_.MFMonthlyRate = 0;
    MsgText->hide();

    own_.solve = MFPaymentOpt->isChecked()     ? AffordSolve::Payment
                 : MFPrincipalOpt->isChecked() ? AffordSolve::Principal
                                               : AffordSolve::Years;
    own_.compounding = S(MFCompPeriod->currentText());
    own_.frequency = S(MFFreqPmt->currentText());
    const AffordResult result = bw::MFCalc(AffordPendingInput(mm, own_));
    StoreAffordResult(result, own_, mm);
    showResult(result);
}

void MortFindFactor::showResult(const AffordResult& r) {
    boxOf(SolvedBox(own_.solve))->setText(Q(r.solvedBox));
    TotalPmts->setText(Q(r.TotalPmts));
    MFNumPmts->setText(Q(r.MFNumPmts));
    MFNumYrs->setText(Q(r.MFNumYrs));
    MFPIPmt->setText(Q(r.MFPIPmt));
    MFTotIntSaved->setText(Q(r.MFTotIntSaved));
    MFTotIntPaid->setText(Q(r.MFTotIntPaid));
    if (r.MFDaysinYear) MFDaysinYear->setText(Q(*r.MFDaysinYear));
    if (!r.failed) return;
    MsgText->setPlainText(Q(r.message));
    MsgText->show();
    MsgText->raise();
    if (r.focusPayment) MFInMthPayment->setFocus(Qt::OtherFocusReason);
}

void MortFindFactor::MFPaymentOpt_Click() {
    recolour();
    MFCloseHelp();
    ctx_.mm.TypingFlag = 0;
}

void MortFindFactor::MFPrincipalOpt_Click() {
    recolour();
    MFCloseHelp();
    ctx_.mm.TypingFlag = 0;
}

void MortFindFactor::MFTermOpt_Click() {
    recolour();
    MFCloseHelp();
    ctx_.mm.TypingFlag = 0;
}

void MortFindFactor::MFShowIRF_Click() {
#ifdef BW_HAVE_MORT_IRF_TABLE
    MortIRFTable dialog(ctx_, ctx_.frame.dialogParent());
    dialog.exec();
#endif
    // The new days value is used when the next box is left.
    MFCloseHelp();
}

void MortFindFactor::MFHelp_Click() {
    MMODULE& mm = ctx_.mm;
    mm.HelpShown = mm.HelpShown == 1 ? 0 : 1;
    if (MFHelp->text() == kQuickHelp) {
        MFHelp->setText(kCloseHelp);
        MFTextBox->setPlainText(Q(AffordHelpText()).replace(QStringLiteral("\r\n"), "\n"));
        MFTextBox->show();
        MFTextBox->raise();
        MFTextBox->setFocus(Qt::OtherFocusReason);
    } else {
        MFCloseHelp();
    }
}

void MortFindFactor::MFExit_Click() {
    ctx_.frame.setFrameCaption(QStringLiteral(" Brindlewood Menu"));
    ctx_.frame.showMainMenu();
}

void MortFindFactor::Printr_Click() {
    if (!ctx_.messages.askQuestion(Question::ContinuePrintout)) return;
    HourglassCursor hourglass;
    // Back at the normal size and place however the printing ends.
    struct Restore {
        MortFindFactor* w;
        ~Restore() {
            w->setFixedSize(Px(kClientWidth), Px(kClientHeight));
            w->placeWindow();
        }
    } restore{this};
    // Shrunk, the picture holds the three panels but not the message and help boxes and the
    // buttons.
    setFixedSize(Px(kPrintWidth), Px(kPrintHeight));
#ifdef BW_HAVE_PRINTER_BACKEND
    PrintImageOnPage(WidgetImage(this), true, this, QStringLiteral("Mortgage Affordability"));
#endif
}

void MortFindFactor::placeWindow() {
    const TwipPoint p = WindowPlacement(ctx_.mm.FrameClass);
    QWidget* w = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    w->move(Px(p.left), Px(p.top));
}

bool MortFindFactor::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) placeWindow();
    return QWidget::event(e);
}

QWidget* MortFindFactor::nextAfterEnter(QObject* control) const {
    if (control == MFInPrincipal) return MFInRate;
    if (control == MFInRate) return MFInTerm;
    if (control == MFInTerm) return MFInMthPayment;
    if (control == MFInMthPayment) return MFCalc;
    if (control == MFCompPeriod) return MFInPrincipal;
    if (control == MFFreqPmt) return MFCalc;
    return nullptr;
}

bool MortFindFactor::eventFilter(QObject* watched, QEvent* e) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    auto* list = qobject_cast<QComboBox*>(watched);
    if (!box && !list) return QWidget::eventFilter(watched, e);

    if (e->type() == QEvent::FocusOut) {
        if (!LeavesBox(e)) return false;
        if (box)
            box_LostFocus(box);
        else
            list_LostFocus();
        return false;
    }
    if (e->type() == QEvent::FocusIn && box) {
        // The whole text is selected, also when the box was entered with the mouse.
        SelectAllAfterFocus(box);
        return false;
    }
    if (e->type() != QEvent::KeyPress) return false;

    auto* key = static_cast<QKeyEvent*>(e);
    const int k = key->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        if (QWidget* next = nextAfterEnter(watched)) next->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab) return false;
    if (box && k == Qt::Key_Delete) {
        MFCloseHelp();
        return false;
    }
    int code = 0;
    if (k == Qt::Key_Backspace) {
        code = kKeyBackspace;
    } else {
        const QString text = key->text();
        // Keys without a character (arrows, Home, End, shift) work as usual.
        if (text.isEmpty()) return false;
        code = text.at(0).unicode();
        if (code < 32 || code == 127) {
            // Control characters (shortcuts such as paste) are refused without touching the box.
            ctx_.messages.beep();
            return true;
        }
    }
    if (list) {
        ctx_.messages.beep();
        return true;
    }
    return !box_KeyPress(box, code);
}

bool MortFindFactor::box_KeyPress(QLineEdit* box, int key) {
    MMODULE& mm = ctx_.mm;
    if (box == MFInTerm) {
        const bool discard = DigitBoxKeyPress(key, ctx_.messages);
        if (mm.TypingFlag == 0) {
            box->clear();
            MFCloseHelp();
        }
        return !discard;
    }
    if (mm.TypingFlag == 0) {
        box->clear();
        MFCloseHelp();
    }
    // A digit typed over selected text is checked against the text it leaves.
    QString text = box->text();
    if (box->hasSelectedText()) text.remove(box->selectionStart(), box->selectedText().size());
    mm.KeyBoxText = S(text);
    // Amounts take two decimals, the rate three.
    std::int16_t decimals = box == MFInRate ? 3 : 2;
    const KeyVerdict verdict = DecimalKeyFilter(key, S(text), decimals);
    if (verdict.beep) ctx_.messages.beep();
    return verdict.key != 0;
}

void MortFindFactor::MFInTerm_CheckLimit() {
    if (!AffordYearsOverLimit(S(MFInTerm->text()))) return;
    ctx_.messages.showMessage(Msg::YearsLimit);
    MFInTerm->setText(QString::number(kAffordYearsLimit));
    // The limit stands in for what was typed: it is read as typed text.
    MFInTerm->setModified(true);
}

void MortFindFactor::box_LostFocus(QLineEdit* box) {
    MMODULE& mm = ctx_.mm;
    if (box == MFInTerm) MFInTerm_CheckLimit();
    if (mm.TypingFlag != 1) return;
    const AffordBox kind = boxKind(box);
    double& value = own_.MFValues[AffordSlot(kind)];
    // A box left as shown keeps its value (and still recalculates).
    TakeEditedNumber(box, value);
    box->setText(Q(AffordBoxText(kind, value, mm.CurrencySymbol)));
    mm.TypingFlag = 0;
    MFCalc_Click();
}

void MortFindFactor::list_LostFocus() {
    if (ctx_.mm.TypingFlag != 1) return;
    MFCalc_Click();
    ctx_.mm.TypingFlag = 0;
}

}  // namespace bw
