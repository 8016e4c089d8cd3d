#pragma once
// Driving windows in GUI tests: typing keys, clicking options, answering a modal dialog while its
// exec() runs, letting deferred deletes happen, and reading or writing a file whole. Also a base
// fixture with the shared state, a recording message port and a stand-in frame.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>
#include <memory>
#include <string>

#include "shell/app_context.h"
#include "shell/mmodule.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"

namespace bw::test {

// Types into a widget as a person does: '\n' is Enter, '\b' Backspace, anything else its key.
inline void TypeKeys(QWidget* w, const QString& keys) {
    for (QChar c : keys) {
        if (c == '\n')
            QTest::keyClick(w, Qt::Key_Return);
        else if (c == '\b')
            QTest::keyClick(w, Qt::Key_Backspace);
        else
            QTest::keyClick(w, c.toLatin1());
    }
}

// Gives a box the focus first, then types into it.
inline void TypeInto(QWidget* box, const QString& keys) {
    box->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    TypeKeys(box, keys);
}

// Clicks an option button on its round indicator.
inline void PickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

// Runs `act` on the modal dialog as soon as one is open (polling the event loop), so that a test
// can read and answer a dialog shown with exec().
inline void WhenModal(std::function<void(QWidget*)> act, int triesLeft = 200) {
    QTimer::singleShot(10, [act = std::move(act), triesLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            act(modal);
        } else if (triesLeft > 0) {
            WhenModal(std::move(act), triesLeft - 1);
        }
    });
}

inline void Settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

inline std::string ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

inline void WriteAll(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// Shows a window or dialog and waits until it is the active one.
template <class W>
std::unique_ptr<W> ShowActive(std::unique_ptr<W> w) {
    w->show();
    w->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    return w;
}

// The shared state, a recording message port and a stand-in frame, wired into one context.
struct WindowContext {
    WindowContext() { mm.CurrencySymbol = "$"; }
    MMODULE mm;
    RecordingMessagePort port{&mm};
    TestFrame frame;
    AppContext ctx{mm, port, frame};
};

}  // namespace bw::test
