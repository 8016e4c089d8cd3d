#pragma once
// The behaviour every yellow number box of a calculator window shares, as a typed test suite,
// instantiated with a traits type giving `Window`, `open(WindowContext&)` (built and shown) and
// `boxes(Window&)` (the NumberBoxCase of each box to check):
//   INSTANTIATE_TYPED_TEST_SUITE_P(MyWindow, NumberBoxSuite, ::testing::Types<MyWindowBoxes>);

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QtTest/QTest>
#include <functional>
#include <memory>
#include <vector>

#include "shell/number_box_rule.h"
#include "support/window_context.h"

namespace bw::test {

// One number box of the window under test.
struct NumberBoxCase {
    QString name;                    // shown in failure messages
    QWidget* control = nullptr;      // takes the focus and the keys (the box or its list)
    QLineEdit* edit = nullptr;       // holds the text
    NumberBoxRule rule;              // filter, decimals allowed and order of emptying
    QWidget* next = nullptr;         // where Enter moves the focus; nullptr: not checked
    QString typed;                   // a value typed in a test, e.g. "1234.5"
    double expected = 0;             // the value stored after `typed` was typed and left
    std::function<double()> stored;  // reads the value the window stored for the box
};

template <class Traits>
class NumberBoxSuite : public ::testing::Test, public WindowContext {
  protected:
    void SetUp() override {
        window_ = Traits::open(*this);
        ASSERT_TRUE(window_);
        boxes_ = Traits::boxes(*window_);
        ASSERT_FALSE(boxes_.empty());
    }
    void TearDown() override {
        window_.reset();
        Settle();
    }

    static void enter(const NumberBoxCase& box) {
        box.control->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    static void leave(const NumberBoxCase& box) {
        QTest::keyClick(box.control, Qt::Key_Tab);
        QApplication::processEvents();
    }
    // Enters the box, types `typed` and leaves.
    void fill(const NumberBoxCase& box) {
        enter(box);
        TypeKeys(box.control, box.typed);
        leave(box);
    }

    std::unique_ptr<typename Traits::Window> window_;
    std::vector<NumberBoxCase> boxes_;
};

TYPED_TEST_SUITE_P(NumberBoxSuite);

// A typed value is stored when the box is left; the first key then replaces the text.
TYPED_TEST_P(NumberBoxSuite, TypedValueIsStoredAndTheFirstKeyReplacesIt) {
    for (const NumberBoxCase& box : this->boxes_) {
        this->fill(box);
        EXPECT_NEAR(box.stored(), box.expected, 1e-9) << box.name.toStdString();
        EXPECT_EQ(this->mm.TypingFlag, 0) << box.name.toStdString();
        this->enter(box);
        QTest::keyClick(box.control, '7');
        EXPECT_EQ(box.edit->text(), QStringLiteral("7")) << box.name.toStdString();
        EXPECT_EQ(this->mm.TypingFlag, 1) << box.name.toStdString();
        this->leave(box);
        EXPECT_NEAR(box.stored(), 7.0, 1e-9) << box.name.toStdString();
    }
    EXPECT_EQ(this->port.beeps, 0);
}

TYPED_TEST_P(NumberBoxSuite, KeysThatEnterNothingLeaveBoxAndValueAlone) {
    for (const NumberBoxCase& box : this->boxes_) {
        this->fill(box);
        const QString shown = box.edit->text();
        this->enter(box);
        for (QKeyCombination key :
             {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::Key_Left),
              QKeyCombination(Qt::Key_End), QKeyCombination(Qt::Key_F2),
              Qt::ControlModifier | Qt::Key_C, Qt::ControlModifier | Qt::Key_A})
            QTest::keyClick(box.control, key.key(), key.keyboardModifiers());
        EXPECT_EQ(box.edit->text(), shown) << box.name.toStdString();
        EXPECT_EQ(this->mm.TypingFlag, 0) << box.name.toStdString();
        // Delete with nothing after the caret changes nothing, even when the box is to be read
        // on leaving (as after a list pick elsewhere).
        QTest::keyClick(box.control, Qt::Key_End);
        QTest::keyClick(box.control, Qt::Key_Delete);
        this->mm.TypingFlag = 1;
        this->leave(box);
        EXPECT_EQ(box.edit->text(), shown) << box.name.toStdString();
        EXPECT_NEAR(box.stored(), box.expected, 1e-9) << box.name.toStdString();
    }
    EXPECT_EQ(this->port.beeps, 0);
}

TYPED_TEST_P(NumberBoxSuite, TextFromOutsideIsRefusedWithABeep) {
    QApplication::clipboard()->setText(QStringLiteral("6.500%"));
    if (QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText(QStringLiteral("6.500%"), QClipboard::Selection);
    for (const NumberBoxCase& box : this->boxes_) {
        this->fill(box);
        const QString shown = box.edit->text();
        this->enter(box);
        const int beepsBefore = this->port.beeps;
        for (QKeyCombination key :
             {Qt::ControlModifier | Qt::Key_V, Qt::ShiftModifier | Qt::Key_Insert,
              Qt::ControlModifier | Qt::Key_X, Qt::ControlModifier | Qt::Key_Z})
            QTest::keyClick(box.control, key.key(), key.keyboardModifiers());
        QTest::mouseClick(box.edit, Qt::MiddleButton);
        QMimeData dropped;
        dropped.setText(QStringLiteral("6.500%"));
        const QPoint middle = box.edit->rect().center();
        QDragEnterEvent drag(middle, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box.edit, &drag);
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box.edit, &drop);
        EXPECT_EQ(this->port.beeps - beepsBefore, 6) << box.name.toStdString();
        EXPECT_EQ(box.edit->text(), shown) << box.name.toStdString();
        EXPECT_EQ(this->mm.TypingFlag, 0) << box.name.toStdString();
        this->leave(box);
        EXPECT_NEAR(box.stored(), box.expected, 1e-9) << box.name.toStdString();
    }
}

TYPED_TEST_P(NumberBoxSuite, RefusedKeysBeepAndStayOut) {
    for (const NumberBoxCase& box : this->boxes_) {
        this->enter(box);
        const int beepsBefore = this->port.beeps;
        TypeKeys(box.control, QStringLiteral("1a-,"));
        EXPECT_EQ(box.edit->text(), QStringLiteral("1")) << box.name.toStdString();
        EXPECT_EQ(this->port.beeps - beepsBefore, 3) << box.name.toStdString();
        this->leave(box);
    }
}

// A digit typed at the end of an untouched box that shows all its decimals: where the box
// empties first the digit stands alone; where the filter judges it first, against the full
// text, it is refused with a beep and the box is emptied all the same.
TYPED_TEST_P(NumberBoxSuite, FirstKeyMeetsTheFilterInTheBoxsOrder) {
    for (const NumberBoxCase& box : this->boxes_) {
        if (box.rule.kind != NumberKind::Decimal) continue;
        this->fill(box);
        const QString shown = box.edit->text();
        const qsizetype point = shown.indexOf(QLatin1Char('.'));
        const int allowed = box.rule.decimals > 2 ? box.rule.decimals : 2;
        const bool full = point >= 0 && shown.size() - point - 1 >= allowed;
        this->enter(box);
        QTest::keyClick(box.control, Qt::Key_End);
        const int beepsBefore = this->port.beeps;
        QTest::keyClick(box.control, '5');
        const bool refused = box.rule.order == FilterOrder::FilterFirst && full;
        EXPECT_EQ(box.edit->text(), refused ? QString() : QStringLiteral("5"))
            << box.name.toStdString();
        EXPECT_EQ(this->port.beeps - beepsBefore, refused ? 1 : 0) << box.name.toStdString();
        EXPECT_EQ(this->mm.TypingFlag, 1) << box.name.toStdString();
        this->leave(box);
    }
}

TYPED_TEST_P(NumberBoxSuite, EnterMovesToTheNextBox) {
    for (const NumberBoxCase& box : this->boxes_) {
        if (box.next == nullptr) continue;
        this->enter(box);
        QTest::keyClick(box.control, Qt::Key_Return);
        QApplication::processEvents();
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus == box.next || box.next->isAncestorOf(focus) ||
                    focus == box.next->focusProxy())
            << box.name.toStdString();
    }
    EXPECT_EQ(this->port.beeps, 0);
}

TYPED_TEST_P(NumberBoxSuite, BoxesAreNamedAfterTheirCaptions) {
    for (const NumberBoxCase& box : this->boxes_) {
        EXPECT_FALSE(box.control->accessibleName().isEmpty()) << box.name.toStdString();
        EXPECT_FALSE(box.control->accessibleName().contains(QLatin1Char('&')))
            << box.name.toStdString();
    }
}

REGISTER_TYPED_TEST_SUITE_P(NumberBoxSuite, TypedValueIsStoredAndTheFirstKeyReplacesIt,
                            KeysThatEnterNothingLeaveBoxAndValueAlone,
                            TextFromOutsideIsRefusedWithABeep, RefusedKeysBeepAndStayOut,
                            FirstKeyMeetsTheFilterInTheBoxsOrder, EnterMovesToTheNextBox,
                            BoxesAreNamedAfterTheirCaptions);

}  // namespace bw::test
