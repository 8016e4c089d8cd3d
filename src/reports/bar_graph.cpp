#include "reports/bar_graph.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtDataVisualization/Q3DBars>
#include <QtDataVisualization/Q3DCamera>
#include <QtDataVisualization/Q3DScene>
#include <QtDataVisualization/Q3DTheme>
#include <QtDataVisualization/QBar3DSeries>
#include <QtDataVisualization/QBarDataProxy>
#include <QtDataVisualization/QCategory3DAxis>
#include <QtDataVisualization/QCustom3DLabel>
#include <QtDataVisualization/QValue3DAxis>
#include <QtDataVisualization/QValue3DAxisFormatter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace bw {

namespace {

const QColor kBarColour(31, 86, 168);

// The 3D bars always look at the floor of the graph, which the view keeps in its middle; the
// surface is made this much taller than the space it shows, and the top of it is cut off, so that
// the bars fill the space from just under the title and the empty parts stay out of sight.
constexpr double kSurfaceHeight = 1.55;
// The 3D view is zoomed so that the floor and the value labels on either side of it fill the width
// of the view: the width they take for each step of zoom, in pixels of the graph window.
constexpr double kZoomLargest = 112;
constexpr double kWidthToFill = 590;
constexpr double kFloorPerZoom = 3.9;
constexpr double kLabelCharacterPerZoom = 0.104;  // each character of a value label, each side
constexpr double kAxisTitlePerZoom = 0.25;
// The share of the view cut off at the top at the largest zoom, and what each step less adds.
constexpr double kCutAtLargestZoom = 0.12;
constexpr double kCutPerZoom = 0.006;
// The labels under the 3D bars: their font, and the share of a bar's room a label may take.
constexpr qreal kBarLabelPoints = 20;
constexpr qreal kBarLabelRoom = 560;  // scaling = room / (bars x label width in pixels), at most
constexpr qreal kBarLabelLargest = 0.7;
const QColor kBarGrey(96, 96, 96);
// The smallest point size a bar's label is drawn at.
constexpr qreal kSmallestLabel = 6.0;

// The top of the value axis: a round number above the largest value.
double AxisTop(const GraphData& data) {
    double top = 0;
    for (const GraphPoint& p : data.points) {
        if (!p.empty) top = std::max(top, p.value);
    }
    return top > 0 ? top : 1;
}

// The value axis: a top a little above the largest value, in steps of 1, 2 or 5 times a power of
// ten, 3 to 11 of them.
std::pair<double, double> ValueScale(double largest) {
    const double wanted = largest * 1.02;
    const double magnitude = std::pow(10.0, std::floor(std::log10(wanted)));
    const double ratio = wanted / magnitude;
    const double step = magnitude * (ratio < 2 ? 0.2 : ratio < 5 ? 0.5 : 1.0);
    return {std::ceil(wanted / step) * step, step};
}

// Value-axis labels of the 3D view with the thousands separators of the 2D view.
class GroupedValueFormatter : public QValue3DAxisFormatter {
  protected:
    QValue3DAxisFormatter* createNewInstance() const override {
        return new GroupedValueFormatter();
    }
    QString stringForValue(qreal value, const QString&) const override {
        return QLocale::system().toString(value, 'f', 0);
    }
};

}  // namespace

BarGraph::BarGraph(QWidget* parent) : QStackedWidget(parent) {
    chart_ = new QChart();
    chart_->setTheme(QChart::ChartThemeLight);
    chart_->legend()->hide();
    chart_->setLocalizeNumbers(true);
    chart_->setBackgroundRoundness(0);
    view2D_ = new QChartView(chart_, this);
    view2D_->setObjectName("Graph2D");
    view2D_->setRenderHint(QPainter::Antialiasing);
    // The labels under the bars are fitted again whenever the plot area changes its size.
    connect(chart_, &QChart::plotAreaChanged, this, [this] { fitBarLabels(); });
    addWidget(view2D_);

    page3D_ = new QWidget(this);
    page3D_->setObjectName("Graph3D");
    page3D_->setAutoFillBackground(true);
    QPalette palette = page3D_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    page3D_->setPalette(palette);
    auto* layout = new QVBoxLayout(page3D_);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(0);
    title3D_ = new QLabel(page3D_);
    title3D_->setAlignment(Qt::AlignCenter);
    QFont titleFont = title3D_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    title3D_->setFont(titleFont);
    layout->addWidget(title3D_, 0);
    clip3D_ = new QWidget(page3D_);
    clip3D_->installEventFilter(this);
    layout->addWidget(clip3D_, 1);
    addWidget(page3D_);
    setCurrentIndex(0);
}

BarGraph::~BarGraph() = default;

bool BarGraph::eventFilter(QObject* watched, QEvent* event) {
    if (watched == clip3D_ && event->type() == QEvent::Resize) place3D();
    return QStackedWidget::eventFilter(watched, event);
}

void BarGraph::place3D() {
    if (!container3D_) return;
    container3D_->setGeometry(0, -static_cast<int>(std::lround(clip3D_->height() * surfaceCut_)),
                              clip3D_->width(),
                              static_cast<int>(std::lround(clip3D_->height() * kSurfaceHeight)));
}

bool BarGraph::OpenGLAvailable(QString* why) {
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal") {
        if (why) *why = "This display offers no OpenGL, which the 3D graph needs.";
        return false;
    }
    QOpenGLContext context;
    QOffscreenSurface surface;
    surface.create();
    if (!context.create() || !surface.isValid() || !context.makeCurrent(&surface)) {
        if (why) *why = "OpenGL is not available here; the 3D graph needs it.";
        return false;
    }
    context.doneCurrent();
    return true;
}

void BarGraph::setData(const GraphData& data) {
    data_ = data;
    build2D();
    if (bars_) build3D();
    show2D();
}

void BarGraph::build2D() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    chart_->setTitle(QString::fromStdString(data_.title));
    QFont titleFont = chart_->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(std::max(11.0, titleFont.pointSizeF()));
    chart_->setTitleFont(titleFont);

    auto* set = new QBarSet(QString::fromStdString(data_.title));
    QStringList labels;
    for (const GraphPoint& p : data_.points) {
        *set << (p.empty ? 0.0 : p.value);
        labels << QString::fromStdString(p.label);
    }
    auto* series = new QBarSeries();
    series->append(set);
    series->setBarWidth(0.7);
    chart_->addSeries(series);

    auto* axisX = new QBarCategoryAxis();
    axisX->append(labels);
    axisX->setTruncateLabels(false);
    chart_->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    labelFont_ = axisX->labelsFont();
    auto* axisY = new QValueAxis();
    const auto [top, step] = ValueScale(AxisTop(data_));
    axisY->setRange(0, top);
    axisY->setTickCount(static_cast<int>(std::lround(top / step)) + 1);
    axisY->setLabelFormat("%.0f");
    if (!data_.valueAxisTitle.empty())
        axisY->setTitleText(QString::fromStdString(data_.valueAxisTitle));
    chart_->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    fitBarLabels();
    applyStyle(true);
}

void BarGraph::fitBarLabels() {
    const QList<QAbstractAxis*> axes = chart_->axes(Qt::Horizontal);
    if (axes.isEmpty()) return;
    auto* axis = static_cast<QBarCategoryAxis*>(axes.constFirst());
    if (axis->count() == 0) return;
    // Until the chart has been laid out at a real size the labels keep their own font (fitted
    // to a passing small size, they would stay broken into lines).
    constexpr qreal kSmallestPlot = 100;
    if (chart_->plotArea().width() < kSmallestPlot) return;
    const qreal slot = chart_->plotArea().width() / axis->count();
    // A label needs its width and a little space on either side.
    constexpr qreal kGap = 6;
    auto widest = [&](const QFont& font) {
        const QFontMetricsF metrics(font);
        qreal width = 0;
        for (const QString& label : axis->categories())
            width = std::max(width, metrics.horizontalAdvance(label));
        return width;
    };
    // The labels as large as fit, down to a small size.
    QFont font = labelFont_;
    qreal size = labelFont_.pointSizeF();
    font.setPointSizeF(size);
    while (size > kSmallestLabel && widest(font) + kGap > slot) {
        size -= 0.5;
        font.setPointSizeF(size);
    }
    if (axis->labelsFont() != font) axis->setLabelsFont(font);
}

void BarGraph::build3D() {
    if (!bars_) {
        bars_ = new Q3DBars();
        bars_->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
        bars_->scene()->activeCamera()->setCameraPosition(-8, 14, kZoomLargest);
        // Without perspective the labels far to the right are as large as those on the left.
        bars_->setOrthoProjection(true);
        bars_->setBarThickness(1.0f);
        bars_->setBarSpacing(QSizeF(0.4, 0.4));
        bars_->setAspectRatio(1.0);
        bars_->activeTheme()->setType(Q3DTheme::ThemeQt);
        bars_->activeTheme()->setBackgroundEnabled(false);
        bars_->activeTheme()->setWindowColor(Qt::white);
        bars_->activeTheme()->setLabelBackgroundEnabled(false);
        bars_->activeTheme()->setLabelBorderEnabled(false);
        bars_->activeTheme()->setColorStyle(Q3DTheme::ColorStyleUniform);
        QFont labelFont = bars_->activeTheme()->font();
        labelFont.setPointSize(32);
        bars_->activeTheme()->setFont(labelFont);
        bars_->columnAxis()->setLabelAutoRotation(90);
        bars_->valueAxis()->setLabelAutoRotation(90);
        bars_->rowAxis()->setLabelAutoRotation(90);
        // A window of its own, so that the part of the surface below it is cut off.
        clip3D_->setAttribute(Qt::WA_DontCreateNativeAncestors);
        clip3D_->setAttribute(Qt::WA_NativeWindow);
        container3D_ = QWidget::createWindowContainer(bars_, clip3D_);
        container3D_->setAttribute(Qt::WA_NativeWindow);
        container3D_->setObjectName("Graph3DView");
        container3D_->setFocusPolicy(Qt::NoFocus);
        place3D();
        auto* series = new QBar3DSeries();
        series->setMesh(QAbstract3DSeries::MeshBevelBar);
        series->setItemLabelFormat("@colLabel: @valueLabel");
        bars_->addSeries(series);
        bars_->valueAxis()->setLabelFormat("%.0f");
        bars_->valueAxis()->setFormatter(new GroupedValueFormatter());
    }
    title3D_->setText(QString::fromStdString(data_.title));
    auto* row = new QBarDataRow();
    QStringList labels;
    for (const GraphPoint& p : data_.points) {
        row->append(QBarDataItem(static_cast<float>(p.empty ? 0.0 : p.value)));
        labels << QString::fromStdString(p.label);
    }
    auto* array = new QBarDataArray();
    array->append(row);
    QBar3DSeries* series = bars_->seriesList().constFirst();
    series->dataProxy()->resetArray(array, QStringList{QString()}, labels);
    placeBarLabels(labels);
    const auto [top, step] = ValueScale(AxisTop(data_));
    bars_->valueAxis()->setRange(0, static_cast<float>(top));
    bars_->valueAxis()->setSegmentCount(static_cast<int>(std::lround(top / step)));
    bars_->valueAxis()->setTitle(QString::fromStdString(data_.valueAxisTitle));
    bars_->valueAxis()->setTitleVisible(!data_.valueAxisTitle.empty());
    // Wider value labels (and an axis title) leave less of the width to the floor.
    const auto characters = static_cast<double>(QLocale::system().toString(top, 'f', 0).size());
    const double zoom = std::min(
        kZoomLargest, kWidthToFill / (kFloorPerZoom + 2 * kLabelCharacterPerZoom * characters +
                                      (data_.valueAxisTitle.empty() ? 0 : kAxisTitlePerZoom)));
    bars_->scene()->activeCamera()->setZoomLevel(static_cast<float>(zoom));
    surfaceCut_ = kCutAtLargestZoom + kCutPerZoom * (kZoomLargest - zoom);
    place3D();
    applyStyle(true);
}

void BarGraph::placeBarLabels(const QStringList& labels) {
    // The axis' own labels stand on end and crowd each other once there are many bars: each bar
    // gets an upright label of its own instead, just under the floor in front of it, as large as
    // the room of a bar allows.
    bars_->removeCustomItems();
    bars_->columnAxis()->setLabels(QStringList(labels.size(), QString()));
    QFont font = bars_->activeTheme()->font();
    font.setPointSizeF(kBarLabelPoints);
    const QFontMetricsF metrics(font);
    qreal widest = 1;
    for (const QString& label : labels) widest = std::max(widest, metrics.horizontalAdvance(label));
    const auto count = static_cast<qreal>(std::max<qsizetype>(labels.size(), 1));
    const auto scale =
        static_cast<float>(std::min(kBarLabelLargest, kBarLabelRoom / (count * widest)));
    for (qsizetype i = 0; i < labels.size(); ++i) {
        // The floor runs from -1 to 1 across the bars, at height -1, its front edge at -1.
        const auto x = static_cast<float>(-1 + (2.0 * static_cast<qreal>(i) + 1) / count);
        auto* label = new QCustom3DLabel(labels[i], font, QVector3D(x, -1.06f, -1),
                                         QVector3D(scale, scale, 1), QQuaternion());
        label->setObjectName(QStringLiteral("BarLabel"));
        label->setPositionAbsolute(true);
        label->setFacingCamera(true);
        label->setBackgroundEnabled(false);
        label->setBorderEnabled(false);
        label->setTextColor(QColor(60, 60, 60));
        bars_->addCustomItem(label);
    }
}

void BarGraph::applyStyle(bool colour) {
    const QColor bar = colour ? kBarColour : kBarGrey;
    if (!chart_->series().isEmpty()) {
        auto* series = static_cast<QBarSeries*>(chart_->series().constFirst());
        if (!series->barSets().isEmpty()) {
            series->barSets().constFirst()->setColor(bar);
            series->barSets().constFirst()->setBorderColor(colour ? bar.darker(130) : Qt::black);
        }
    }
    if (bars_ && !bars_->seriesList().isEmpty()) {
        bars_->seriesList().constFirst()->setBaseColor(bar);
    }
}

void BarGraph::show2D() {
    setCurrentIndex(0);
}

bool BarGraph::show3D(QString* why) {
    if (!OpenGLAvailable(why)) return false;
    build3D();
    setCurrentIndex(1);
    return true;
}

QImage BarGraph::picture(bool colour, QSize size) {
    if (!size.isValid()) size = this->size();
    applyStyle(colour);
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    if (is3D() && bars_) {
        QPainter painter(&image);
        const QRect titleRect(QPoint(0, 0), QSize(size.width(), title3D_->sizeHint().height() + 4));
        painter.setFont(title3D_->font());
        painter.drawText(titleRect, Qt::AlignCenter, title3D_->text());
        // The bars as the window shows them (the visible upper part of the surface), scaled into
        // the picture.
        const QImage surface = bars_->renderToImage(4);
        const int shown = static_cast<int>(std::lround(surface.height() / kSurfaceHeight));
        const int cut = static_cast<int>(std::lround(shown * surfaceCut_));
        const QImage bars = surface.copy(0, cut, surface.width(), shown);
        QSize barsSize = bars.size();
        barsSize.scale(size.width(), size.height() - titleRect.height(), Qt::KeepAspectRatio);
        const int left = (size.width() - barsSize.width()) / 2;
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(left, titleRect.height()), barsSize), bars);
    } else {
        // The chart drawn afresh at the picture's size (a view's own picture would be the size
        // it has on screen).
        const QSize old = view2D_->size();
        view2D_->resize(size);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        view2D_->scene()->render(&painter, QRectF(QPointF(0, 0), size), chart_->geometry());
        view2D_->resize(old);
    }
    applyStyle(true);
    return colour ? image : image.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace bw
