#pragma once
// MCGraph: the graph window of the comparison table, one bar per comparison row (its total
// interest), flat or in three dimensions, printable in colour or in grey tones.

#include <QImage>
#include <QWidget>

#include "reports/graph_data.h"
#include "shell/app_context.h"

class QLabel;
class QPushButton;

namespace bw {

class BarGraph;

// The bars of the comparison graph from the shared state: one per row (ResultRowCount rows of
// GraphLabels and GraphValues), two positions when there is one row (the second empty), under
// GraphTitle with the value axis "Value " and the currency symbol.
GraphData ComparisonGraphData(const MMODULE& mm);

class MCGraph : public QWidget {
    Q_OBJECT
  public:
    explicit MCGraph(AppContext& ctx, QWidget* parent = nullptr);

    QPushButton* Sav2D = nullptr;     // "Show Graph in &2D"
    QPushButton* ThreeDee = nullptr;  // "Show Graph in &3D"
    QPushButton* Ptr = nullptr;       // "&Printer"
    QPushButton* ExitBut = nullptr;   // "E&xit to Menu"
    QPushButton* Oned = nullptr;      // "&Gain/Loss %", never shown here
    QPushButton* Pie2d = nullptr;     // "&Value of each fund", never shown here
    BarGraph* Graph1 = nullptr;
    QLabel* MsgText = nullptr;  // says why the 3D view cannot be shown

    void Sav2D_Click();
    void ThreeDee_Click();
    void Ptr_Click();
    void ExitBut_Click();

    int viewCode() const { return viewCode_; }  // 6 flat, 7 three-dimensional
    int colourFlag() const { return colourFlag_; }
    // The picture printed by the last "&Printer".
    const QImage& lastPrintedImage() const { return lastPrinted_; }

  signals:
    // The window has closed: the comparison window shows itself again.
    void exited();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void setWindowSize(int widthTwips, int heightTwips);
    void placeWindow();
    QImage windowImage();

    AppContext& ctx_;
    int viewCode_ = 6;
    int colourFlag_ = 0;
    bool exited_ = false;
    QImage lastPrinted_;
};

}  // namespace bw
