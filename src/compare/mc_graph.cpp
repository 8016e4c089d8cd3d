#include "compare/mc_graph.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "compare/comparison_engine.h"
#include "reports/bar_graph.h"
#include "shell/mmodule.h"

namespace bw {

GraphData ComparisonGraphData(const MMODULE& mm) {
    GraphData data;
    data.title = mm.GraphTitle;
    data.valueAxisTitle = "Value " + mm.CurrencySymbol;
    const int rows = std::clamp<int>(mm.ResultRowCount, 0, kCompareMaxRows);
    const int points = rows == 1 ? 2 : rows;
    for (int i = 1; i <= points; ++i) {
        GraphPoint p;
        const auto iu = static_cast<std::size_t>(i);
        if (i <= rows && iu < mm.GraphValues.size()) {
            p.value = mm.GraphValues[iu].toDouble();
            if (iu < mm.GraphLabels.size()) p.label = mm.GraphLabels[iu];
        } else {
            p.empty = true;
        }
        data.points.push_back(p);
    }
    return data;
}

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
