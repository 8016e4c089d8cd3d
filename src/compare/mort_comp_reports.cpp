// The comparison window's reports: the printout and the graph window.

#include "compare/comparison_printout.h"
#include "compare/mc_graph.h"
#include "compare/mort_comp.h"
#include "reports/page_model.h"
#include "shell/messages.h"
#include "shell/window_kit.h"

#if __has_include("reports/printer_header_input.h") && __has_include("reports/qt_printer_backend.h")
#include "reports/printer_header_input.h"
#include "reports/qt_printer_backend.h"
#define BW_HAVE_PRINTER 1
#endif

namespace bw {

void MortComp::MCGraphs_Click() {
    MMODULE& mm = ctx_.mm;
    if (mm.ResultRowCount == 0) {
        ctx_.messages.showMessage(Msg::NoDataToWorkWith);
        return;
    }
    mm.GraphCaller = 1;
    auto* graph = new MCGraph(ctx_);
    connect(graph, &MCGraph::exited, this, [this] { show(); });
    hide();
    ctx_.frame.showChild(graph);
}

void MortComp::MCPrinter_Click() {
    MMODULE& mm = ctx_.mm;
    if (mm.ResultRowCount == 0) {
        ctx_.messages.showMessage(Msg::NoDataToPrint);
        return;
    }
#ifdef BW_HAVE_PRINTER
    if (!AskPrintHeader(ctx_)) return;
    Printout printout;
    {
        HourglassCursor hourglass;
        PrintComparison(printout, mm, sheet_, mm.PrintHeader);
    }
    PrintPrintout(printout, ctx_.frame.dialogParent(), "Mortgage comparison");
#endif
}

}  // namespace bw
