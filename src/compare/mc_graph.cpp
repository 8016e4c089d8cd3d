#include "compare/mc_graph.h"

#include <QLabel>
#include <QPushButton>

#include "reports/bar_graph.h"
#include "shell/mmodule.h"

namespace bw {

MCGraph::MCGraph(AppContext& ctx, QWidget* parent)
    : GraphWindow(ctx, {"MCGraph", " Comparison Graph", "&Printer", "Mortgage comparison graph"},
                  parent) {
    // The buttons of the other graphs of the control, kept hidden here.
    Oned = addButton("Oned", "&Gain/Loss %", 240);
    Pie2d = addButton("Pie2d", "&Value of each fund", 2580);
    Oned->hide();
    Pie2d->hide();
    Form_Load();
}

void MCGraph::Form_Load() {
    viewCode_ = 6;
    Sav2D_Click();
}

void MCGraph::Sav2D_Click() {
    if (!ThreeDee->isEnabled()) {
        ThreeDee->setEnabled(true);
        ThreeDee->setFocus();
    }
    Sav2D->show();
    Oned->hide();
    Pie2d->hide();
    if (!Sav2D->isEnabled()) return;  // the flat view is shown already
    Sav2D->setEnabled(false);
    viewCode_ = 6;
    MsgText->hide();
    Graph1->setData(ComparisonGraphData(ctx_.mm));
}

void MCGraph::ThreeDee_Click() {
    Sav2D->show();
    Oned->hide();
    if (!showChart3D()) return;
    if (!Sav2D->isEnabled()) setButtonsFor3D();
    viewCode_ = 7;
}

}  // namespace bw
