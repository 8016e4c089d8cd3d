#include "compare/mc_graph.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "compare/comparison_engine.h"
#include "reports/bar_graph.h"
#include "reports/qt_printer_backend.h"
#include "shell/mmodule.h"
#include "shell/twips.h"

namespace bw {

namespace {

constexpr int kWidth = 9550;
constexpr int kHeight = 6450;
constexpr int kPrintWidth = 9530;
constexpr int kPrintHeight = 5900;

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

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

MCGraph::MCGraph(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName("MCGraph");
    setWindowTitle(" Comparison Graph");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(Px(kWidth), Px(kHeight));
    setAutoFillBackground(true);

    Graph1 = new BarGraph(this);
    Graph1->setObjectName("Graph1");
    Graph1->setGeometry(Px(60), Px(60), Px(kWidth - 120), Px(5280));

    MsgText = new QLabel(this);
    MsgText->setObjectName("MsgText");
    MsgText->setGeometry(Px(60), Px(5400), Px(kWidth - 120), Px(450));
    MsgText->setStyleSheet("background-color: cyan;");
    MsgText->setWordWrap(true);
    MsgText->hide();

    auto makeButton = [this](const char* name, const char* caption, int left) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setGeometry(Px(left), Px(5940), Px(2100), Px(375));
        button->setAutoDefault(false);
        return button;
    };
    Sav2D = makeButton("Sav2D", "Show Graph in &2D", 240);
    ThreeDee = makeButton("ThreeDee", "Show Graph in &3D", 2580);
    Ptr = makeButton("Ptr", "&Printer", 4920);
    ExitBut = makeButton("ExitBut", "E&xit to Menu", 7260);
    // The buttons of the other graphs of the control, kept hidden here.
    Oned = makeButton("Oned", "&Gain/Loss %", 240);
    Pie2d = makeButton("Pie2d", "&Value of each fund", 2580);
    Oned->hide();
    Pie2d->hide();
    connect(Sav2D, &QPushButton::clicked, this, [this] { Sav2D_Click(); });
    connect(ThreeDee, &QPushButton::clicked, this, [this] { ThreeDee_Click(); });
    connect(Ptr, &QPushButton::clicked, this, [this] { Ptr_Click(); });
    connect(ExitBut, &QPushButton::clicked, this, [this] { ExitBut_Click(); });

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
    QString why;
    if (!Graph1->show3D(&why)) {
        // No OpenGL here: the graph stays flat and the window says why.
        MsgText->setText(" " + why);
        MsgText->show();
        return;
    }
    MsgText->hide();
    if (!Sav2D->isEnabled()) {
        Sav2D->setEnabled(true);
        ThreeDee->setEnabled(false);
        Sav2D->setFocus();
    }
    viewCode_ = 7;
}

void MCGraph::Ptr_Click() {
    if (!ctx_.messages.askQuestion(1)) return;           // " Continue with Printout."
    colourFlag_ = ctx_.messages.askQuestion(2) ? 1 : 0;  // " Print in Color."
    if (viewCode_ == 7)
        ThreeDee_Click();
    else
        Sav2D_Click();
    {
        WaitCursor wait;
        setWindowSize(kPrintWidth, kPrintHeight);
        lastPrinted_ = windowImage();
        setWindowSize(kWidth, kHeight);
        placeWindow();
    }
    PrintImageOnPage(lastPrinted_, colourFlag_ == 1, ctx_.frame.dialogParent(),
                     "Mortgage comparison graph");
    colourFlag_ = 0;
}

void MCGraph::ExitBut_Click() {
    close();
}

void MCGraph::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && !exited_) {
        exited_ = true;
        emit exited();
    }
}

void MCGraph::setWindowSize(int widthTwips, int heightTwips) {
    const QSize size(Px(widthTwips), Px(heightTwips));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->resize(sub->size() + (size - this->size()));
    resize(size);
}

void MCGraph::placeWindow() {
    const TwipPoint place = WindowPlacement(ctx_.mm.FrameClass);
    QWidget* window = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    if (window == this && isWindow()) return;
    window->move(Px(place.left), Px(place.top));
}

// The window's picture as printed, with the chart drawn in the print style (the 3D view is an
// OpenGL surface that a widget picture does not hold).
QImage MCGraph::windowImage() {
    QImage image = WidgetImage(this);
    QPainter painter(&image);
    const QImage chart = Graph1->picture(colourFlag_ == 1, Graph1->size());
    painter.drawImage(QRect(Graph1->geometry()), chart);
    painter.end();
    return image;
}

}  // namespace bw
