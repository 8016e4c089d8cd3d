#include "cli/graph_picture.h"

#include <QApplication>
#include <QImage>

#include "cli/cli_common.h"
#include "reports/balance_graph.h"
#include "reports/bar_graph.h"
#include "shell/mmodule.h"
#include "shell/twips.h"

namespace bw::cli {

void WriteBalanceGraph(MMODULE& mm, const std::string& file) {
    if (mm.ResultRowCount == 0) throw Stop{7};  // "No Data to work with. Calculate."
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        throw UsageError("--graph needs a QApplication to draw in");
    // The chart as the graph window holds it: the same data, title and size (a picture of twice
    // that many pixels, as for printing).
    BarGraph graph;
    graph.setAttribute(Qt::WA_DontShowOnScreen);  // laid out like a shown window, never on screen
    graph.resize(Px(9550 - 120), Px(5780));
    graph.setData(BalanceGraphData(PrepareBalanceGraph(mm), mm.GraphTitle));
    graph.show();
    QCoreApplication::processEvents();
    const QImage picture = graph.picture(true, graph.size());
    if (!picture.save(QString::fromStdString(file), "PNG"))
        throw UsageError("cannot write " + file);
}

}  // namespace bw::cli
