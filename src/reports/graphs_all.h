#pragma once
// The balance graph window of the tables window: the balance of the mortgage or loan at the start
// of each year as bars, in 2D or 3D, printable in colour or in grey tones.

#include "reports/balance_graph.h"
#include "reports/graph_window.h"

namespace bw {

class GraphsAll : public GraphWindow {
    Q_OBJECT
  public:
    explicit GraphsAll(AppContext& ctx, QWidget* parent = nullptr);

    void Sav2D_Click() override;
    void ThreeDee_Click() override;

    const BalanceGraph& graph() const { return graph_; }

  private:
    void Form_Load();

    BalanceGraph graph_;
};

}  // namespace bw
