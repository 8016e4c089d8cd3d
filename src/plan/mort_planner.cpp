#include "plan/mort_planner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <cmath>
#include <memory>

#include "plan/plan_chart.h"
#include "plan/plan_texts.h"
#include "shell/dates.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "shell/number_format.h"
#include "shell/twips.h"
#include "shell/window_kit.h"

namespace bw {
namespace {

using plan::Cents;

Cents ToCents(double amount) {
    return static_cast<Cents>(std::llround(amount * 100.0));
}

QString CellText(const QTableWidget* table, int row, int col) {
    const QTableWidgetItem* item = table->item(row, col);
    return item ? item->text().trimmed() : QString();
}

QString AmountText(double amount) {
    return Q(FormatNumber(amount, "#,##0.00"));
}

}  // namespace

MortPlanner::MortPlanner(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("MortPlanner"));
    setWindowTitle(QStringLiteral("Mortgage Planner"));
    buildControls();
    Form_Load();
}

MortPlanner::~MortPlanner() {
    // Nothing is worked out again while the controls are taken down.
    filling_ = true;
    CloseNumberBoxes(this);
    disconnect(InFirstDate, nullptr, this, nullptr);
}

void MortPlanner::Form_Load() {
    ctx_.frame.setFrameCaption(QStringLiteral(" Mortgage Planner"));
    plan::PlanInput start;
    start.principal = 300000 * 100;
    start.years = 25;
    const int compounding = ctx_.mm.DefaultCompounding;
    start.compounding = static_cast<plan::Compounding>(
        compounding >= 0 && compounding < static_cast<int>(lists::kCompounding.size()) ? compounding
                                                                                       : 0);
    start.rates = {{5, 5.0}};
    start.firstDate = ParseDateText(ctx_.mm.FirstPayDate).value_or(Today());
    showInput(start);
    ctx_.mm.TypingFlag = 0;
}

QString MortPlanner::boxText(Box box) const {
    const double v = values_[box];
    switch (box) {
        case Principal:
        case Extra:
        case Fee:
            return Q(ctx_.mm.CurrencySymbol) + AmountText(v);
        case Rate:
        case Increase:
        case IncreaseLimit:
        case Privilege:
            return Q(FormatNumber(v, "0.000"));
        default:
            return QString::number(static_cast<long long>(v));
    }
}

QString MortPlanner::box_Store(Box box, std::optional<double> typed) {
    if (typed) values_[box] = *typed;
    return boxText(box);
}

void MortPlanner::InFirstDate_LostFocus() {
    if (filling_) return;
    const std::optional<QDate> date = ParseDateText(S(InFirstDate->text().trimmed()));
    if (!date) {
        InFirstDate->setText(Q(ShortDateText(firstDate_)));
        ctx_.messages.showMessage(Msg::BadDate);
        return;
    }
    InFirstDate->setText(Q(ShortDateText(*date)));
    if (*date == firstDate_) return;
    firstDate_ = *date;
    Calculate();
}

void MortPlanner::showInput(const plan::PlanInput& in) {
    filling_ = true;
    values_[Principal] = static_cast<double>(in.principal) / 100;
    values_[Years] = in.years;
    values_[Rate] = in.rates.empty() ? 0 : in.rates.front().ratePercent;
    values_[Term] = in.rates.empty() ? 0 : in.rates.front().years;
    values_[Extra] = static_cast<double>(in.extra) / 100;
    values_[ExtraFrom] = in.extraFrom;
    values_[Increase] = in.increasePercent;
    values_[IncreaseLimit] = in.increaseLimitPercent.value_or(0);
    values_[Privilege] = in.privilegePercent.value_or(0);
    values_[Fee] = static_cast<double>(in.fee) / 100;
    for (int b = 0; b < kBoxCount; ++b) boxes_[b]->showText(boxText(static_cast<Box>(b)));

    PlanCompounding->setCurrentIndex(static_cast<int>(in.compounding));
    PlanFrequency->setCurrentIndex(static_cast<int>(in.frequency));
    const QString days = Q(FormatNumber(in.daysInYear, "0.##")).remove(QRegularExpression("\\.$"));
    PlanDays->setCurrentIndex(std::max(0, PlanDays->findText(days)));
    firstDate_ = in.firstDate;
    InFirstDate->setText(in.firstDate.isValid() ? Q(ShortDateText(in.firstDate)) : QString());
    PlanAfter->setCurrentIndex(in.after == plan::AfterLump::Lower ? 1 : 0);
    FeeFinanced->setChecked(in.feeFinanced);
    PlanView->setCurrentIndex(in.view == plan::PlanView::Annual ? 1 : 0);

    for (int r = 0; r < kRenewalRows; ++r) {
        const std::size_t i = static_cast<std::size_t>(r) + 1;
        const bool used = i < in.rates.size();
        Renewals->item(r, 0)->setText(used && (in.rates[i].years > 0 || i + 1 < in.rates.size())
                                          ? QString::number(in.rates[i].years)
                                          : QString());
        Renewals->item(r, 1)->setText(used ? Q(PlainNumber(in.rates[i].ratePercent)) : QString());
    }
    for (int r = 0; r < kLumpRows; ++r) {
        const std::size_t i = static_cast<std::size_t>(r);
        const bool used = i < in.lumps.size();
        QString when;
        if (used)
            when = in.lumps[i].onOrAfter.isValid() ? Q(ShortDateText(in.lumps[i].onOrAfter))
                                                   : QString::number(in.lumps[i].afterPayment);
        LumpSums->item(r, 0)->setText(when);
        LumpSums->item(r, 1)->setText(
            used ? Q(FormatNumber(static_cast<double>(in.lumps[i].amount) / 100, "0.00"))
                 : QString());
    }
    filling_ = false;
    Calculate();
}

bool MortPlanner::readControls() {
    plan::PlanInput in;
    in.principal = ToCents(values_[Principal]);
    in.years = static_cast<int>(values_[Years]);
    in.compounding = static_cast<plan::Compounding>(PlanCompounding->currentIndex());
    in.frequency = static_cast<plan::Frequency>(PlanFrequency->currentIndex());
    in.daysInYear = LeadingNumber(S(PlanDays->currentText()));
    in.firstDate = firstDate_;
    in.rates.push_back({static_cast<int>(values_[Term]), values_[Rate]});
    for (int r = 0; r < kRenewalRows; ++r) {
        const QString years = CellText(Renewals, r, 0);
        const QString rate = CellText(Renewals, r, 1);
        if (years.isEmpty() && rate.isEmpty()) continue;
        if (rate.isEmpty()) {
            showMessage(QStringLiteral("Renewal %1 needs its rate.").arg(r + 1));
            return false;
        }
        in.rates.push_back({years.toInt(), rate.toDouble()});
    }
    in.extra = ToCents(values_[Extra]);
    in.extraFrom = std::max(1, static_cast<int>(values_[ExtraFrom]));
    in.increasePercent = values_[Increase];
    if (values_[IncreaseLimit] > 0) in.increaseLimitPercent = values_[IncreaseLimit];
    if (values_[Privilege] > 0) in.privilegePercent = values_[Privilege];
    in.after = PlanAfter->currentIndex() == 1 ? plan::AfterLump::Lower : plan::AfterLump::Shorter;
    for (int r = 0; r < kLumpRows; ++r) {
        const QString when = CellText(LumpSums, r, 0);
        const QString amount = CellText(LumpSums, r, 1);
        if (when.isEmpty() && amount.isEmpty()) continue;
        plan::LumpSum lump;
        lump.amount = ToCents(amount.toDouble());
        bool number = false;
        lump.afterPayment = when.toInt(&number);
        if (!number) {
            const std::optional<QDate> date = ParseDateText(S(when));
            if (!date) {
                showMessage(QStringLiteral("Lump sum %1: type the payment it follows or a date.")
                                .arg(r + 1));
                return false;
            }
            lump.onOrAfter = *date;
        }
        in.lumps.push_back(lump);
    }
    in.fee = ToCents(values_[Fee]);
    in.feeFinanced = FeeFinanced->isChecked();
    in.view = PlanView->currentIndex() == 1 ? plan::PlanView::Annual : plan::PlanView::All;
    input_ = in;
    return true;
}

void MortPlanner::Calculate() {
    if (filling_) return;
    ctx_.mm.TypingFlag = 0;
    MsgText->clear();
    MsgText->hide();
    if (!readControls()) {
        clearResults();
        return;
    }
    HourglassCursor hourglass;
    result_ = plan::ComputePlan(input_);
    if (!result_.ok()) {
        const std::string text = plan::WindowErrorText(result_);
        clearResults();
        showMessage(Q(text));
        return;
    }
    if (input_.view == plan::PlanView::Annual) {
        yearly_ = result_;
    } else {
        plan::PlanInput byYear = input_;
        byYear.view = plan::PlanView::Annual;
        yearly_ = plan::ComputePlan(byYear);
    }
    showResult();
}

void MortPlanner::clearResults() {
    result_ = {};
    yearly_ = {};
    for (QLabel* box : {TermPayments, NumPayments, TotalInterest, TotalPaid, Apr, EffectiveRates,
                        InterestSaved, TimeSaved})
        box->clear();
    Schedule->setRows(1);
    Terms->setRows(1);
    Chart->showYears(yearly_);
}

void MortPlanner::showMessage(const QString& text) {
    MsgText->setPlainText(MsgText->toPlainText().isEmpty() ? text
                                                           : MsgText->toPlainText() + "\n" + text);
    MsgText->show();
}

void MortPlanner::showResult() {
    const std::string& cur = ctx_.mm.CurrencySymbol;
    const plan::PlanBoxTexts b = plan::BoxTexts(input_, result_, cur);
    const std::pair<QLabel*, const std::string*> boxes[] = {{TermPayments, &b.termPayments},
                                                            {NumPayments, &b.payments},
                                                            {TotalInterest, &b.totalInterest},
                                                            {TotalPaid, &b.totalPaid},
                                                            {Apr, &b.apr},
                                                            {EffectiveRates, &b.effectiveRates},
                                                            {InterestSaved, &b.interestSaved},
                                                            {TimeSaved, &b.timeSaved}};
    for (const auto& [box, text] : boxes) {
        box->setText(Q(*text));
        box->setToolTip(Q(*text));
    }
    for (const std::string& line : plan::CutLumpLines(result_, cur)) showMessage(Q(line));

    Schedule->setUpdatesEnabled(false);
    Schedule->setTextAt(0, 0, plan::ScheduleHeadings(input_.view).front());
    // The rows are formatted as the grid shows or reads them, from a copy of the plan's rows.
    const int rows = static_cast<int>(result_.rows.size());
    Schedule->setRows(rows + 1);
    if (rows > 0) {
        Schedule->setRowSource(
            1, rows,
            [shown = std::make_shared<const std::vector<plan::PlanRow>>(result_.rows),
             view = input_.view](int row) {
                return plan::ScheduleCells((*shown)[static_cast<std::size_t>(row - 1)], view);
            });
    }
    Schedule->setUpdatesEnabled(true);
    Terms->setRows(static_cast<int>(result_.terms.size()) + 1);
    for (std::size_t t = 0; t < result_.terms.size(); ++t) {
        const std::vector<std::string> cells =
            plan::TermCells(result_.terms[t], static_cast<int>(t));
        for (std::size_t c = 0; c < cells.size(); ++c)
            Terms->setTextAt(static_cast<int>(t) + 1, static_cast<int>(c), cells[c]);
    }
    Chart->showYears(yearly_);
}

void MortPlanner::PExit_Click() {
    ctx_.frame.setFrameCaption(QStringLiteral(" Brindlewood Menu"));
    ctx_.frame.showMainMenu();
}

void MortPlanner::placeWindow() {
    const TwipPoint p = WindowPlacement(ctx_.mm.FrameClass);
    QWidget* w = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    w->move(Px(p.left), Px(p.top));
}

bool MortPlanner::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) placeWindow();
    return QWidget::event(e);
}

}  // namespace bw
