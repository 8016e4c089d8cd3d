#pragma once
// MDIContainer: the frame window. It holds the main menu and the feature windows as MDI child
// windows, keeps FrameClass in step with its height and places the active child window.

#include <QMainWindow>
#include <QPointer>

#include "shell/app_context.h"

class QMdiArea;
class QMdiSubWindow;

namespace bw {

// A window with this property set to true is shown in a child window without a title bar.
inline constexpr char kNoTitleBar[] = "noTitleBar";

class MDIContainer : public QMainWindow, public AppFrame {
    Q_OBJECT
  public:
    // Start size of the frame, in twips.
    static constexpr int kStartWidth = 9615;
    static constexpr int kStartHeight = 6810;

    explicit MDIContainer(MMODULE& mm, QWidget* parent = nullptr);
    ~MDIContainer() override;

    // Frame load: shows the main menu (a window that has already run its own loading), then
    // takes the start position and size.
    void load(QWidget* mainMenu);

    // AppFrame
    void setFrameCaption(const QString& caption) override;
    QString frameCaption() const override;
    void showChild(QWidget* window) override;
    void showMainMenu() override;
    QPoint frameOrigin() const override;
    QWidget* dialogParent() override { return this; }

    QMdiArea* area() const { return MDIArea; }
    QWidget* mainMenu() const { return menu_; }
    // The MDI child window that wraps `window`, if any.
    QMdiSubWindow* subWindowOf(const QWidget* window) const;
    // Where the rule puts a child window inside the client area, in pixels.
    QPoint placementPixels() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void MDIForm_Resize();
    QMdiSubWindow* wrap(QWidget* window);
    void place(QMdiSubWindow* sub);
    // Makes the frame large enough to show a child window whole, as far as the screen allows.
    void fitChild(QMdiSubWindow* sub);
    void setScrollBarsShown(bool shown);

    MMODULE& mm_;
    QMdiArea* MDIArea;
    QPointer<QWidget> menu_;
    QPointer<QMdiSubWindow> menuSub_;
    bool closing_ = false;
};

}  // namespace bw
