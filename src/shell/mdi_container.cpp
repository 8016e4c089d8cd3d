#include "shell/mdi_container.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include "shell/keyboard_access.h"
#include "shell/twips.h"

namespace bw {

namespace {

const char* const kMenuCaption = " Brindlewood Menu";

// The client area of the frame. Child windows do not widen the frame: one larger than the area
// is cut off at its edges, as the windows that push their borders out of sight expect.
class ClientArea : public QMdiArea {
  public:
    using QMdiArea::QMdiArea;
    QSize minimumSizeHint() const override { return {Px(1500), Px(1000)}; }
};

}  // namespace

MDIContainer::MDIContainer(MMODULE& mm, QWidget* parent) : QMainWindow(parent), mm_(mm) {
    setObjectName("MDIContainer");
    MDIArea = new ClientArea(this);
    MDIArea->setObjectName("MDIArea");
    MDIArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MDIArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(MDIArea);
    // Each child window places itself when it becomes the active one.
    connect(MDIArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub) place(sub);
    });
    // Enter presses the focused button of every child window.
    EnterPressesButtons(this);
}

MDIContainer::~MDIContainer() {
    closing_ = true;
    // Child windows go first, while the shared state they may touch still exists.
    for (QMdiSubWindow* sub : MDIArea->subWindowList()) delete sub;
}

void MDIContainer::load(QWidget* mainMenu) {
    menu_ = mainMenu;
    menuSub_ = wrap(mainMenu);
    menuSub_->show();
    MDIArea->setActiveSubWindow(menuSub_);
    place(menuSub_);
    mainMenu->setFocus();
    move(0, 0);
    resize(Px(kStartWidth), Px(kStartHeight));
}

void MDIContainer::setFrameCaption(const QString& caption) {
    setWindowTitle(caption);
}

QString MDIContainer::frameCaption() const {
    return windowTitle();
}

QPoint MDIContainer::frameOrigin() const {
    return pos();
}

QPoint MDIContainer::placementPixels() const {
    const TwipPoint p = WindowPlacement(mm_.FrameClass);
    return {Px(p.left), Px(p.top)};
}

QMdiSubWindow* MDIContainer::subWindowOf(const QWidget* window) const {
    for (QMdiSubWindow* sub : MDIArea->subWindowList()) {
        if (sub->widget() == window) return sub;
    }
    return nullptr;
}

QMdiSubWindow* MDIContainer::wrap(QWidget* window) {
    // A title bar without buttons: windows are left through their own commands, never closed,
    // minimized or maximized from the title bar. A window may ask to be shown without one.
    const Qt::WindowFlags flags = window->property(kNoTitleBar).toBool()
                                      ? Qt::FramelessWindowHint
                                      : Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    auto* sub = new QMdiSubWindow(nullptr, Qt::SubWindow | flags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWidget(window);
    MDIArea->addSubWindow(sub);
    sub->installEventFilter(this);
    window->installEventFilter(this);
    // Sized to the window it holds: the window's own size plus the title bar and borders.
    const QMargins m = sub->contentsMargins();
    sub->resize(window->width() + m.left() + m.right(), window->height() + m.top() + m.bottom());
    return sub;
}

void MDIContainer::showChild(QWidget* window) {
    if (!window) return;
    QMdiSubWindow* sub = subWindowOf(window);
    if (!sub) sub = wrap(window);
    fitChild(sub);
    window->show();
    sub->show();
    MDIArea->setActiveSubWindow(sub);
    place(sub);
    window->setFocus();
}

void MDIContainer::showMainMenu() {
    // The feature window (and any window it opened) is deleted once its handler has returned.
    for (QMdiSubWindow* sub : MDIArea->subWindowList()) {
        if (sub == menuSub_) continue;
        sub->hide();
        sub->deleteLater();
    }
    setFrameCaption(kMenuCaption);
    setScrollBarsShown(false);
    if (!menuSub_) return;
    menu_->show();
    menuSub_->show();
    MDIArea->setActiveSubWindow(menuSub_);
    place(menuSub_);
    menu_->setFocus();
}

void MDIContainer::place(QMdiSubWindow* sub) {
    sub->move(placementPixels());
}

void MDIContainer::fitChild(QMdiSubWindow* sub) {
    // The window's right and bottom borders may fall out of sight, as its top and left do.
    const QMargins m = sub->contentsMargins();
    const QSize area = MDIArea->size();
    // Further in, the window keeps the same margin on the right and at the bottom as on the left
    // and at the top.
    auto needed = [&](int frameClass) {
        const TwipPoint p = WindowPlacement(frameClass);
        if (p.left >= 0) return QSize(2 * Px(p.left) + sub->width(), 2 * Px(p.top) + sub->height());
        return QSize(Px(p.left) + sub->width() - m.right(), Px(p.top) + sub->height() - m.bottom());
    };
    QSize grow = (needed(mm_.FrameClass) - area).expandedTo(QSize(0, 0));
    setScrollBarsShown(false);
    if (grow.isNull()) return;
    // A frame made tall enough becomes a large one, which places windows further in.
    const int largeClass = FrameClassForHeight(8501);
    if (FrameClassForHeight(ToTwips(height() + grow.height())) == largeClass)
        grow = (needed(largeClass) - area).expandedTo(QSize(0, 0));
    QSize target = size() + grow;
    if (const QScreen* s = screen()) {
        // Never beyond the screen: what does not fit is cut off at the frame's edges.
        const QSize decoration = frameGeometry().size() - geometry().size();
        const QSize room = s->availableGeometry().size() - decoration;
        if (!target.boundedTo(room).isValid() || target.boundedTo(room) != target) {
            // On a screen too small for the window, scroll bars keep all of it within reach;
            // the frame takes their room too where the screen has it.
            setScrollBarsShown(true);
            const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            target += QSize(bar, bar);
        }
        target = target.boundedTo(room);
    }
    resize(target.expandedTo(size()));
}

void MDIContainer::setScrollBarsShown(bool shown) {
    const Qt::ScrollBarPolicy policy = shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    MDIArea->setHorizontalScrollBarPolicy(policy);
    MDIArea->setVerticalScrollBarPolicy(policy);
}

void MDIContainer::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void MDIContainer::MDIForm_Resize() {
    try {
        QMdiSubWindow* active = MDIArea->currentSubWindow();
        mm_.FrameClass = FrameClassForHeight(ToTwips(height()));
        if (active && active->isVisible()) place(active);
    } catch (...) {
        QMessageBox::warning(this, QString(), " error ");
    }
}

bool MDIContainer::eventFilter(QObject* watched, QEvent* event) {
    auto* sub = qobject_cast<QMdiSubWindow*>(watched);
    if (sub && event->type() == QEvent::Close && !closing_) {
        // A child window closes only when the window inside it has gone away.
        QWidget* inner = sub->widget();
        if (inner && inner->isVisible()) {
            event->ignore();
            return true;
        }
    }
    if (!sub && (event->type() == QEvent::HideToParent || event->type() == QEvent::ShowToParent)) {
        // A window that hides or shows itself takes its child window along.
        if (auto* inner = qobject_cast<QWidget*>(watched)) {
            if (QMdiSubWindow* holder = subWindowOf(inner)) {
                if (event->type() == QEvent::HideToParent) {
                    holder->hide();
                } else if (!holder->isVisible()) {
                    holder->show();
                    MDIArea->setActiveSubWindow(holder);
                    place(holder);
                }
            }
        }
    }
    if (!sub && event->type() == QEvent::Close) {
        // A window inside a child window closed itself (a graph window's exit): the child
        // window goes with it, once the window has accepted the close.
        auto* inner = qobject_cast<QWidget*>(watched);
        QMdiSubWindow* holder = inner ? subWindowOf(inner) : nullptr;
        if (holder && holder != menuSub_) {
            QTimer::singleShot(
                0, this,
                [inner = QPointer<QWidget>(inner), holder = QPointer<QMdiSubWindow>(holder)] {
                    if (holder && (!inner || inner->isHidden())) {
                        holder->hide();
                        holder->deleteLater();
                    }
                });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MDIContainer::closeEvent(QCloseEvent* event) {
    // Closing the frame ends the program, as "E&xit Program" does.
    event->accept();
    QCoreApplication::quit();
}

}  // namespace bw
