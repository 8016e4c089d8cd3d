#pragma once
// A stand-in frame for window tests: remembers the caption and whether the menu was asked for,
// and shows child windows as plain top-level windows.

#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

#include "shell/app_context.h"

namespace bw::test {

class TestFrame : public AppFrame {
  public:
    void setFrameCaption(const QString& caption) override { caption_ = caption; }
    QString frameCaption() const override { return caption_; }
    void showChild(QWidget* window) override {
        children.push_back(window);
        window->show();
    }
    void showMainMenu() override { ++menuShown; }
    QPoint frameOrigin() const override { return {0, 0}; }
    QWidget* dialogParent() override { return nullptr; }

    std::vector<QWidget*> children;
    int menuShown = 0;

  private:
    QString caption_ = " Brindlewood Menu";
};

}  // namespace bw::test
