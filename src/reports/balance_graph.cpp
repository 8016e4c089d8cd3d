#include "reports/balance_graph.h"

#include <algorithm>

#include "shell/mmodule.h"
#include "shell/number_format.h"

namespace bw {

namespace {

double Balance(const MMODULE& mm, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= mm.ScheduleTable.size()) return 0;
    return mm.ScheduleTable[static_cast<std::size_t>(row)][4].toDouble();
}

}  // namespace

BalanceGraph PrepareBalanceGraph(MMODULE& mm) {
    BalanceGraph graph;
    std::int16_t years = 0;
    ToInt16(static_cast<double>(mm.RetiredYears) + 0.49, years);
    // GraphValues has rows 0 to 45.
    graph.years = std::clamp<int>(years, 0, kYearLastRow - 1);
    const int Y = graph.years;
    graph.values.assign(static_cast<std::size_t>(Y) + 2, 0.0);
    graph.labels.assign(static_cast<std::size_t>(Y) + 2, 0);

    if (mm.RowView != 2) {
        for (int y = 1; y <= Y; ++y) {
            graph.values[static_cast<std::size_t>(y) + 1] = Balance(mm, y);
            graph.labels[static_cast<std::size_t>(y) + 1] = y + 1;
        }
    } else {
        const int P = mm.PaymentsPerYear;
        for (int y = 1; y <= Y; ++y) {
            const int first = y == 1 ? 1 : (y - 1) * P;
            const int last = std::min(y * P, kScheduleLastRow);
            for (int k = first; k <= last; ++k) {
                const double balance = Balance(mm, k);
                graph.values[static_cast<std::size_t>(y) + 1] = balance;
                graph.labels[static_cast<std::size_t>(y) + 1] = y + 1;
                if (balance <= 1.00) break;  // the payment that paid the loan off
            }
        }
    }
    graph.values[1] = mm.LoanInputs[1];
    graph.labels[1] = 1;

    mm.GraphValues.assign(graph.values.size(), Money());
    for (std::size_t i = 0; i < graph.values.size(); ++i) {
        try {
            mm.GraphValues[i] = Money::fromDouble(graph.values[i]);
        } catch (const CurrencyOverflow&) {
        }
    }
    return graph;
}

GraphData BalanceGraphData(const BalanceGraph& graph, const std::string& title) {
    GraphData data;
    data.title = title;
    const int n = graph.years <= 1 ? 2 : graph.years;
    for (int i = 1; i <= n; ++i) {
        GraphPoint point;
        if (static_cast<std::size_t>(i) < graph.values.size()) {
            point.value = graph.values[static_cast<std::size_t>(i)];
            point.label = std::to_string(graph.labels[static_cast<std::size_t>(i)]);
        } else {
            point.empty = true;
        }
        data.points.push_back(point);
    }
    return data;
}

}  // namespace bw
