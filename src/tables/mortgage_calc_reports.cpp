// The tables window's print and graph commands: "&Print" and "&Show Graph".

#include <QComboBox>
#include <QLabel>

#include "reports/graphs_all.h"
#include "reports/printer_header_input.h"
#include "reports/qt_printer_backend.h"
#include "reports/table_printout.h"
#include "shell/messages.h"
#include "shell/window_kit.h"
#include "tables/mortgage_calc.h"

namespace bw {

void MortgageCalc::MPrinter_Click() {
    MMODULE& mm = ctx_.mm;
    if (mm.ResultRowCount == 0) {
        ctx_.messages.showMessage(Msg::NoDataToPrint);
        return;
    }
    if (!AskPrintHeader(ctx_)) return;

    TableWindowTexts texts;
    texts.periodText = S(InTerm->currentText());
    texts.compoundingText = compoundingText();
    texts.frequencyText = frequencyText();
    texts.boxes.InDays = InDays->text().toStdString();
    texts.boxes.PeriodicR = PeriodicR->text().toStdString();
    texts.boxes.NumPmtsYear = NumPmtsYear->text().toStdString();
    texts.boxes.InMonthPI = InMonthPI->text().toStdString();
    texts.boxes.EndMortYear = EndMortYear->text().toStdString();
    texts.boxes.AllPayments = AllPayments->text().toStdString();
    texts.boxes.TotSavd = TotSavd->text().toStdString();

    Printout printout;
    {
        HourglassCursor hourglass;
        PrintTable(printout, mm, texts);
    }
    PrintPrintout(printout, ctx_.frame.dialogParent(),
                  mm.TableMode == 2 ? "Personal loan table" : "Mortgage table");
}

void MortgageCalc::MGraphs_Click() {
    MMODULE& mm = ctx_.mm;
    if (mm.ResultRowCount == 0) {
        ctx_.messages.showMessage(Msg::NoDataToWorkWith);
        return;
    }
    mm.GraphCaller = 4;
    auto* graph = new GraphsAll(ctx_);
    // "E&xit to Menu" of the graph window brings this window back.
    connect(graph, &GraphsAll::exited, this, [this] { show(); });
    hide();
    ctx_.frame.showChild(graph);
}

}  // namespace bw
