#include "reports/graphs_all.h"

#include "reports/bar_graph.h"
#include "shell/mmodule.h"

namespace bw {

GraphsAll::GraphsAll(AppContext& ctx, QWidget* parent)
    : GraphWindow(ctx, {"GraphsAll", " Balance Graph", "&To Printer", "Balance graph"}, parent) {
    Form_Load();
}

void GraphsAll::Form_Load() {
    graph_ = PrepareBalanceGraph(ctx_.mm);
    Graph1->setData(BalanceGraphData(graph_, ctx_.mm.GraphTitle));
    Graph1->setAccessibleName(QString::fromStdString(ctx_.mm.GraphTitle));
    Sav2D_Click();
}

void GraphsAll::Sav2D_Click() {
    setButtonsFor2D();
    Graph1->show2D();
}

void GraphsAll::ThreeDee_Click() {
    if (showChart3D()) setButtonsFor3D();
}

}  // namespace bw
