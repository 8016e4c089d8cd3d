#pragma once
// The chart of the graph windows: one bar per point with its label under a title, drawn flat with
// Qt Charts or in three dimensions with Qt Data Visualization, and its picture for printing in
// colour or in grey tones. The 3D view needs OpenGL; where it is missing the chart stays flat and
// says why.

#include <QFont>
#include <QImage>
#include <QStackedWidget>

#include "reports/graph_data.h"

class QChart;
class QChartView;
class QLabel;
class Q3DBars;

namespace bw {

class BarGraph : public QStackedWidget {
    Q_OBJECT
  public:
    explicit BarGraph(QWidget* parent = nullptr);
    ~BarGraph() override;

    // Sets the points, labels, title and value-axis title, and shows the 2D view.
    void setData(const GraphData& data);
    const GraphData& data() const { return data_; }

    void show2D();
    // Shows the 3D view with the data already set. False (the view unchanged) when OpenGL is not
    // available; `why` then holds the text to show the user.
    bool show3D(QString* why = nullptr);
    bool is3D() const { return currentIndex() == 1; }

    // The chart as it would be printed: in colour, or with grey bars on white.
    QImage picture(bool colour, QSize size = QSize());

    // Whether an OpenGL context can be made here (3D view); `why` says what is missing.
    static bool OpenGLAvailable(QString* why = nullptr);

    QChart* chart() const { return chart_; }
    QChartView* chartView() const { return view2D_; }
    Q3DBars* bars3D() const { return bars_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build2D();
    // Sizes the labels under the bars so that each bar keeps its label and no two labels touch
    // (as far as the smallest size allows).
    void fitBarLabels();
    void place3D();
    void build3D();
    void placeBarLabels(const QStringList& labels);
    void applyStyle(bool colour);

    GraphData data_;
    QFont labelFont_;  // the labels' own font, before any fitting
    QChart* chart_ = nullptr;
    QChartView* view2D_ = nullptr;
    QWidget* page3D_ = nullptr;
    QLabel* title3D_ = nullptr;
    QWidget* clip3D_ = nullptr;  // shows the upper part of the 3D surface
    QWidget* container3D_ = nullptr;
    Q3DBars* bars_ = nullptr;
    double surfaceCut_ = 0;  // the share of the 3D view cut off at its top
};

}  // namespace bw
