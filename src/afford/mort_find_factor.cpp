#include "afford/mort_find_factor.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/messages.h"
#include "shell/twips.h"
#include "shell/window_kit.h"

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

}  // namespace

MortFindFactor::MortFindFactor(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("MortFindFactor"));
    buildControls();
    Form_Load();
}

MortFindFactor::~MortFindFactor() {
    // No lost-focus handling while the controls are taken down.
    CloseNumberBoxes(this);
    for (QComboBox* list : {MFCompPeriod, MFFreqPmt}) list->removeEventFilter(this);
}

void MortFindFactor::Form_Load() {
    MMODULE& mm = ctx_.mm;
    ctx_.frame.setFrameCaption(QStringLiteral(" Mortgage Affordability"));
    own_ = AffordOpen(mm);
    for (const std::string& text : lists::kCompounding) MFCompPeriod->addItem(Q(text));
    MFCompPeriod->setCurrentText(Q(own_.compounding));
    for (AffordBox box : {AffordBox::Principal, AffordBox::Rate, AffordBox::Years})
        numberBox(box)->showText(Q(AffordStartText(box, mm.CurrencySymbol)));
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
    numberBox(SolvedBox(own_.solve))->showText(Q(r.solvedBox));
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

// Only the lists are watched here: typing into them is refused, Enter moves on, and leaving
// one that was changed recalculates.
bool MortFindFactor::eventFilter(QObject* watched, QEvent* e) {
    auto* list = qobject_cast<QComboBox*>(watched);
    if (list == nullptr) return QWidget::eventFilter(watched, e);
    if (e->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            list_LostFocus();
        return false;
    }
    return e->type() == QEvent::KeyPress && list_KeyPress(list, static_cast<QKeyEvent*>(e));
}

bool MortFindFactor::list_KeyPress(QComboBox* list, const QKeyEvent* key) {
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        (list == MFCompPeriod ? static_cast<QWidget*>(MFInPrincipal) : MFCalc)
            ->setFocus(Qt::TabFocusReason);
        return true;
    }
    // Keys without a character (arrows, Tab, Home, End) work as usual.
    if (key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    ctx_.messages.beep();
    return true;
}

// The first key typed into an untouched box emptied it.
void MortFindFactor::box_KeyPress(AffordBox) {
    MFCloseHelp();
}

// The value of a box that is left after an edit: what was typed, or the value as it stands when
// the text is still the one the window wrote (a box passed through after "&Days in Year", a
// Delete that removed nothing).
QString MortFindFactor::box_Store(AffordBox box, std::optional<double> typed) {
    double& value = own_.MFValues[AffordSlot(box)];
    if (typed && boxOf(box)->isModified()) value = *typed;
    return Q(AffordBoxText(box, value, ctx_.mm.CurrencySymbol));
}

void MortFindFactor::box_LostFocus(AffordBox) {
    MFCalc_Click();
}

// On every leaving of the years box, edited or not.
void MortFindFactor::MFInTerm_CheckLimit() {
    if (!AffordYearsOverLimit(S(MFInTerm->text()))) return;
    ctx_.messages.showMessage(Msg::YearsLimit);
    NumberBox* years = numberBox(AffordBox::Years);
    years->showText(QString::number(kAffordYearsLimit));
    // The limit stands in for what was typed: it is read as typed text.
    years->markEdited();
    MFInTerm->setModified(true);
}

void MortFindFactor::list_LostFocus() {
    if (ctx_.mm.TypingFlag != 1) return;
    MFCalc_Click();
    ctx_.mm.TypingFlag = 0;
}

}  // namespace bw
