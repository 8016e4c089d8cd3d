#include "reports/graph_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>

#include "reports/bar_graph.h"
#include "reports/qt_printer_backend.h"
#include "shell/messages.h"
#include "shell/mmodule.h"
#include "shell/twips.h"
#include "shell/window_kit.h"

namespace bw {

namespace {

constexpr int kWidth = 9550;
constexpr int kHeight = 6450;
constexpr int kChartHeight = 5780;  // down to the row of buttons
constexpr int kPrintWidth = 9530;
constexpr int kPrintHeight = 5900;

}  // namespace

GraphWindow::GraphWindow(AppContext& ctx, const Look& look, QWidget* parent)
    : QWidget(parent), ctx_(ctx), printDocument_(look.printDocument) {
    setObjectName(look.objectName);
    setWindowTitle(look.title);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(Px(kWidth), Px(kHeight));
    setAutoFillBackground(true);

    Graph1 = new BarGraph(this);
    Graph1->setObjectName("Graph1");
    Graph1->setGeometry(Px(60), Px(60), Px(kWidth - 120), Px(kChartHeight));

    MsgText = new QLabel(this);
    MsgText->setObjectName("MsgText");
    MsgText->setGeometry(Px(60), Px(5400), Px(kWidth - 120), Px(450));
    SetBackground(MsgText, colours::kHelp);
    MsgText->setWordWrap(true);
    MsgText->hide();
    MsgText->raise();  // over the foot of the chart when shown

    Sav2D = addButton("Sav2D", "Show Graph in &2D", 240);
    ThreeDee = addButton("ThreeDee", "Show Graph in &3D", 2580);
    Ptr = addButton("Ptr", look.printCaption, 4920);
    ExitBut = addButton("ExitBut", "E&xit to Menu", 7260);
    connect(Sav2D, &QPushButton::clicked, this, [this] { Sav2D_Click(); });
    connect(ThreeDee, &QPushButton::clicked, this, [this] { ThreeDee_Click(); });
    connect(Ptr, &QPushButton::clicked, this, [this] { Ptr_Click(); });
    connect(ExitBut, &QPushButton::clicked, this, [this] { ExitBut_Click(); });
    EnterPressesButtons(this);
}

QPushButton* GraphWindow::addButton(const char* name, const char* caption, int left) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(Px(left), Px(5940), Px(2100), Px(375));
    button->setAutoDefault(true);  // Enter presses the button that has the focus
    return button;
}

void GraphWindow::setButtonsFor2D() {
    ThreeDee->setEnabled(true);
    ThreeDee->setFocus();
    Sav2D->setVisible(true);
    Sav2D->setEnabled(false);
}

void GraphWindow::setButtonsFor3D() {
    Sav2D->setVisible(true);
    Sav2D->setEnabled(true);
    Sav2D->setFocus();
    ThreeDee->setEnabled(false);
}

bool GraphWindow::showChart3D() {
    QString why;
    if (!Graph1->show3D(&why)) {
        // No OpenGL here: the graph stays flat and the window says why.
        MsgText->setText(" " + why);
        MsgText->show();
        return false;
    }
    MsgText->hide();
    return true;
}

void GraphWindow::Ptr_Click() {
    if (!ctx_.messages.askQuestion(Question::ContinuePrintout)) return;
    colourFlag_ = ctx_.messages.askQuestion(Question::PrintInColor) ? 1 : 0;
    if (Graph1->is3D()) {
        ThreeDee_Click();
    } else {
        Sav2D_Click();
    }
    {
        HourglassCursor hourglass;
        setWindowSize(kPrintWidth, kPrintHeight);
        lastPrinted_ = windowImage();
        setWindowSize(kWidth, kHeight);
        placeWindow();
    }
    PrintImageOnPage(lastPrinted_, colourFlag_ == 1, ctx_.frame.dialogParent(), printDocument_);
    colourFlag_ = 0;
}

void GraphWindow::ExitBut_Click() {
    close();
}

void GraphWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && !exited_) {
        exited_ = true;
        emit exited();
    }
}

void GraphWindow::setWindowSize(int widthTwips, int heightTwips) {
    const QSize size(Px(widthTwips), Px(heightTwips));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->resize(sub->size() + (size - this->size()));
    }
    resize(size);
}

void GraphWindow::placeWindow() {
    const TwipPoint place = WindowPlacement(ctx_.mm.FrameClass);
    QWidget* window = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    if (window == this && isWindow()) return;  // a top-level window stays where the user put it
    window->move(Px(place.left), Px(place.top));
}

// The window's picture as printed: the window itself, with the chart drawn in the print style
// (the 3D view is an OpenGL surface that a widget picture does not hold), in grey tones unless
// printed in colour.
QImage GraphWindow::windowImage() {
    QImage image = WidgetImage(this);
    QPainter painter(&image);
    const QImage chart = Graph1->picture(colourFlag_ == 1, Graph1->size());
    painter.drawImage(QRect(Graph1->geometry()), chart);
    painter.end();
    return colourFlag_ == 1 ? image : image.convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace bw
