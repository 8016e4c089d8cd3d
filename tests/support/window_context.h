#pragma once
// The one context of every window test: the shared state with the program's start-up values, a
// message port that records messages, questions and beeps, a stand-in frame, and the hands that
// open windows, type, click, answer modal dialogs and read what a window shows.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "shell/app_context.h"
#include "shell/dates.h"
#include "support/file_bytes.h"

namespace bw::test {

// Records every message, question and beep, and answers questions from a queue (no when the
// queue is empty), leaving MessageCode and AnswerCode as the dialogs would.
class RecordingMessagePort : public MessagePort {
  public:
    explicit RecordingMessagePort(MMODULE* mm = nullptr) : mm_(mm) {}
    void showMessage(int code) override {
        if (mm_) mm_->MessageCode = static_cast<std::int16_t>(code);
        messages.push_back(code);
    }
    bool askQuestion(int code) override {
        questions.push_back(code);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        if (mm_) mm_->AnswerCode = static_cast<std::int16_t>(yes ? 6 : 0);
        return yes;
    }
    void beep() override { ++beeps; }

    std::vector<int> messages, questions;
    std::deque<bool> answers;
    int beeps = 0;

  private:
    MMODULE* mm_;
};

// A stand-in frame: remembers the caption and how often the menu was asked for, and shows child
// windows as plain top-level windows; its corner is `origin`.
class TestFrame : public AppFrame {
  public:
    void setFrameCaption(const QString& text) override { caption = text; }
    QString frameCaption() const override { return caption; }
    void showChild(QWidget* window) override {
        children.push_back(window);
        window->show();
    }
    void showMainMenu() override { ++menuShown; }
    QPoint frameOrigin() const override { return origin; }
    QWidget* dialogParent() override { return nullptr; }

    std::vector<QWidget*> children;
    int menuShown = 0;
    QString caption = " Brindlewood Menu";
    QPoint origin;
};

// Acts on the next modal window of type T (a dialog shown with exec(), a message box) as soon as
// it is shown. `repeat`: on every such window shown while the driver lives.
template <typename T>
class ModalDriver {
  public:
    explicit ModalDriver(std::function<void(T&)> action, bool repeat = false) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this, repeat, action = std::move(action)] {
            auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
            if (!modal || modal == busy_) return;
            ++runs_;
            if (!repeat) timer_.stop();
            busy_ = modal;
            action(*modal);
            busy_ = nullptr;
        });
        timer_.start();
    }
    bool ran() const { return runs_ > 0; }

  private:
    QTimer timer_;
    T* busy_ = nullptr;
    int runs_ = 0;
};

// Types into a widget as a person does: '\n' is Enter, '\b' Backspace, anything else its key.
inline void TypeKeys(QWidget* w, const QString& keys) {
    for (QChar c : keys)
        c == '\n'   ? QTest::keyClick(w, Qt::Key_Return)
        : c == '\b' ? QTest::keyClick(w, Qt::Key_Backspace)
                    : QTest::keyClick(w, c.toLatin1());
}

// Clicks an option button on its round indicator.
inline void PickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

// Lets posted events and deferred deletes happen.
inline void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

// Shows a window or dialog and waits until it is the active one.
template <class W>
std::unique_ptr<W> ShowActive(std::unique_ptr<W> w) {
    w->show();
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    return w;
}

// What a control shows: a label's, box's, list's, button's or text panel's text.
inline QString TextOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    if (auto* list = qobject_cast<const QComboBox*>(control)) return list->currentText();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto* panel = qobject_cast<const QPlainTextEdit*>(control)) return panel->toPlainText();
    ADD_FAILURE() << "no text to read on " << control->objectName().toStdString();
    return {};
}

// The shared state as the program starts (currency symbol "$", additional payments in month 12,
// first payment date today), the recording port, the stand-in frame, and the context made of
// them that windows are built with.
struct WindowContext {
    WindowContext() {
        mm.CurrencySymbol = "$";
        mm.PrePayMonth = 12;
        mm.FirstPayDate = ShortDateText(Today());
    }

    MMODULE mm;
    RecordingMessagePort port{&mm};
    TestFrame frame;
    AppContext ctx{mm, port, frame};

    // Builds window W from the context (and further arguments) and shows it active.
    template <class W, class... Args>
    std::unique_ptr<W> openWindow(Args&&... args) {
        return ShowActive(std::make_unique<W>(ctx, std::forward<Args>(args)...));
    }
    // Gives a box the focus first (as a click would), then types into it.
    static void typeInto(QWidget* box, const QString& keys) {
        box->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        TypeKeys(box, keys);
    }
    static void typeKeys(QWidget* target, const QString& keys) { TypeKeys(target, keys); }
    static void pressKey(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(target, key, modifiers);
    }
    // Tab from the focused control, as a user leaves a box.
    static void tabAway() {
        if (QWidget* focus = QApplication::focusWidget()) QTest::keyClick(focus, Qt::Key_Tab);
        QApplication::processEvents();
    }
    // Clicks a button; an option button is picked as a click of the mouse picks it.
    static void clickButton(QAbstractButton* button) {
        if (auto* option = qobject_cast<QRadioButton*>(button))
            PickOption(option);
        else
            QTest::mouseClick(button, Qt::LeftButton);
    }
};

}  // namespace bw::test
