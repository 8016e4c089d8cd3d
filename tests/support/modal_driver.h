#pragma once
// Acts on the next modal window of type T (a dialog shown with exec(), a message box) as soon as
// it is shown, so that a test can read and answer it. Widgets only: for GUI tests.

#include <QApplication>
#include <QTimer>
#include <functional>

namespace bw::test {

template <typename T>
class ModalDriver {
  public:
    // `repeat`: act on every such window shown while the driver lives, not only the first.
    explicit ModalDriver(std::function<void(T&)> action, bool repeat = false)
        : action_(std::move(action)) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this, repeat] {
            auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!modal || modal == busy_) return;
            ++runs_;
            if (!repeat) timer_.stop();
            busy_ = modal;
            action_(*modal);
            busy_ = nullptr;
        });
        timer_.start();
    }
    bool ran() const { return runs_ > 0; }
    int runs() const { return runs_; }

  private:
    std::function<void(T&)> action_;
    QTimer timer_;
    T* busy_ = nullptr;
    int runs_ = 0;
};

}  // namespace bw::test
