// The tables window: loading, the reset routine, the calculation with the schedule grid and the
// result boxes, quick help and leaving the window.

#include "tables/mortgage_calc.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <exception>
#include <memory>

#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "shell/twips.h"
#include "shell/window_kit.h"
#include "tables/quick_help.h"
#include "tables/schedule_mapping.h"
#include "tables/tables_window_values.h"

namespace bw {
namespace {

const QString kQuickHelp = QStringLiteral("Quick &Help");
const QString kCloseHelp = QStringLiteral("Close &Help");

}  // namespace

MortgageCalc::MortgageCalc(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    buildControls();
    Form_Load();
}

MortgageCalc::~MortgageCalc() {
    exiting_ = true;
    CloseNumberBoxes(this);
    for (QObject* watched : watchedObjects()) watched->removeEventFilter(this);
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
    MGrid->clearRange(1, 0, MGrid->rows() - 1, MGrid->cols() - 1);
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
        // The schedule rows' texts are made as the grid shows them (fillResults).
        const ScheduleView view = ScheduleViewOf(mm);
        ScheduleTexts texts = MakeScheduleTexts(result, view, false);
        fillResults(texts, std::make_shared<const AmortizationResult>(result), view);
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

// The grid and the result boxes after a completed calculation. The schedule rows show the texts of
// `shown`, each row formatted when the grid shows or reads it.
void MortgageCalc::fillResults(const ScheduleTexts& texts,
                               std::shared_ptr<const AmortizationResult> shown,
                               const ScheduleView& view) {
    MGrid->setUpdatesEnabled(false);
    MGrid->setRows(texts.gridRowCount);
    MGrid->clearRange(1, 0, MGrid->rows() - 1, MGrid->cols() - 1);
    MGrid->clearSelection();
    MGrid->setTextAt(0, 0, texts.heading0);
    const int lastRow = MGrid->rows() - 1;
    const int lastScheduleRow = std::min<int>(shown->gridRows, lastRow);
    MGrid->setRowSource(1, lastScheduleRow, [shown = std::move(shown), view](int row) {
        const auto cells = RowCells(*shown, row, view);
        return std::vector<std::string>(cells.begin(), cells.end());
    });
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
