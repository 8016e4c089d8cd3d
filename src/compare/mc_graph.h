#pragma once
// MCGraph: the graph window of the comparison table, one bar per comparison row (its total
// interest), flat or in three dimensions, printable in colour or in grey tones.

#include "compare/comparison_state.h"
#include "reports/graph_window.h"

namespace bw {

class MCGraph : public GraphWindow {
    Q_OBJECT
  public:
    explicit MCGraph(AppContext& ctx, QWidget* parent = nullptr);

    QPushButton* Oned = nullptr;   // "&Gain/Loss %", never shown here
    QPushButton* Pie2d = nullptr;  // "&Value of each fund", never shown here

    // The flat view; while it is shown already this changes nothing, otherwise it loads the
    // values again.
    void Sav2D_Click() override;
    void ThreeDee_Click() override;

    int viewCode() const { return viewCode_; }  // 6 flat, 7 three-dimensional

  private:
    void Form_Load();

    int viewCode_ = 6;
};

}  // namespace bw
