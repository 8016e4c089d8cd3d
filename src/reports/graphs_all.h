#pragma once
// The balance graph window of the tables window: the balance of the mortgage or loan at the start
// of each year as bars, in 2D or 3D, printable in colour or in grey tones.

#include <QWidget>

#include "reports/balance_graph.h"
#include "shell/app_context.h"

class QLabel;
class QPushButton;

namespace bw {

class BarGraph;

class GraphsAll : public QWidget {
    Q_OBJECT
  public:
    explicit GraphsAll(AppContext& ctx, QWidget* parent = nullptr);

    QPushButton* Sav2D = nullptr;     // "Show Graph in &2D"
    QPushButton* ThreeDee = nullptr;  // "Show Graph in &3D"
    QPushButton* Ptr = nullptr;       // "&To Printer"
    QPushButton* ExitBut = nullptr;   // "E&xit to Menu"
    BarGraph* Graph1 = nullptr;
    QLabel* MsgText = nullptr;  // says why the 3D view cannot be shown

    void Sav2D_Click();
    void ThreeDee_Click();
    void Ptr_Click();
    void ExitBut_Click();

    const BalanceGraph& graph() const { return graph_; }
    int colourFlag() const { return colourFlag_; }
    // The picture printed by the last "&To Printer" (for checking what went to paper).
    const QImage& lastPrintedImage() const { return lastPrinted_; }

  signals:
    // The window has closed: the window that opened it shows itself again.
    void exited();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void draw2D();
    void draw3D();
    void setWindowSize(int widthTwips, int heightTwips);
    void placeWindow();
    QImage windowImage();

    AppContext& ctx_;
    BalanceGraph graph_;
    int colourFlag_ = 0;
    bool exited_ = false;
    QImage lastPrinted_;
};

}  // namespace bw
