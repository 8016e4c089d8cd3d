#pragma once
// The behaviour every yellow number box of a calculator window shares, as a typed test suite,
// instantiated with a traits type giving `Window`, `open(WindowContext&)` (built and shown) and
// `boxes(Window&)` (the NumberBoxCase of each box to check):
//   INSTANTIATE_TYPED_TEST_SUITE_P(MyWindow, NumberBoxSuite, ::testing::Types<MyWindowBoxes>);

#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>

#include "shell/number_box.h"
#include "support/window_context.h"

namespace bw::test {

// One number box of the window under test.
struct NumberBoxCase {
    QString name;                    // shown in failure messages
    QWidget* control = nullptr;      // takes the focus and the keys (the box or its list)
    QLineEdit* edit = nullptr;       // holds the text
    NumberBoxRule rule;              // the rule the box's NumberBox must have
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
    // Enters the box, types `typed` and leaves; the text then shown.
    static QString fill(const NumberBoxCase& box) {
        enter(box);
        TypeKeys(box.control, box.typed);
        tabAway();
        return box.edit->text();
    }

    std::unique_ptr<typename Traits::Window> window_;
    std::vector<NumberBoxCase> boxes_;
};

TYPED_TEST_SUITE_P(NumberBoxSuite);

// A typed value is stored when the box is left; the first key then replaces the text, even with
// the caret at the end of its full decimals, and Enter moves on to the next box. Every box is
// named after its caption.
TYPED_TEST_P(NumberBoxSuite, TypedValueIsStoredAndTheFirstKeyReplacesIt) {
    for (const NumberBoxCase& box : this->boxes_) {
        SCOPED_TRACE(box.name.toStdString());
        const QString name = box.control->accessibleName();
        EXPECT_TRUE(!name.isEmpty() && !name.contains('&')) << name.toStdString();
        const auto* numberBox = box.control->findChild<NumberBox*>({}, Qt::FindDirectChildrenOnly);
        ASSERT_NE(numberBox, nullptr);
        const NumberBoxRule& rule = numberBox->rule();
        EXPECT_EQ(std::tuple(rule.kind, rule.decimals, rule.order),
                  std::tuple(box.rule.kind, box.rule.decimals, box.rule.order));
        this->fill(box);
        EXPECT_NEAR(box.stored(), box.expected, 1e-9);
        EXPECT_EQ(this->mm.TypingFlag, 0);
        this->enter(box);
        QTest::keyClick(box.control, Qt::Key_End);
        QTest::keyClick(box.control, '7');
        EXPECT_EQ(std::tuple(box.edit->text(), this->mm.TypingFlag), std::tuple(QString("7"), 1));
        this->tabAway();
        EXPECT_NEAR(box.stored(), 7.0, 1e-9);
        if (box.next == nullptr) continue;
        this->enter(box);
        QTest::keyClick(box.control, Qt::Key_Return);
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(box.next->isAncestorOf(focus) || focus == box.next ||
                    focus == box.next->focusProxy());
    }
    EXPECT_EQ(this->port.beeps, 0);
}

// Keys that enter nothing change nothing, nor does Delete at the end, even when the box is to be
// read on leaving (as after a list pick elsewhere); keys the box does not take, and text from
// outside (pasted, middle-clicked or dropped), are refused with a beep each.
TYPED_TEST_P(NumberBoxSuite, OnlyTypedNumbersEnterTheBox) {
    QApplication::clipboard()->setText("6.500%");
    if (QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setText("6.500%", QClipboard::Selection);
    QMimeData dropped;
    dropped.setText("6.500%");
    for (const NumberBoxCase& box : this->boxes_) {
        SCOPED_TRACE(box.name.toStdString());
        this->enter(box);
        int beepsBefore = this->port.beeps;
        TypeKeys(box.control, "1a-,");
        EXPECT_EQ(std::tuple(box.edit->text(), this->port.beeps - beepsBefore),
                  std::tuple(QString("1"), 3));
        this->tabAway();
        const QString shown = this->fill(box);
        this->enter(box);
        beepsBefore = this->port.beeps;
        for (QKeyCombination key :
             {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::Key_Left),
              QKeyCombination(Qt::Key_F2), Qt::ControlModifier | Qt::Key_C,
              Qt::ControlModifier | Qt::Key_A, Qt::ControlModifier | Qt::Key_V,
              Qt::ShiftModifier | Qt::Key_Insert, Qt::ControlModifier | Qt::Key_X,
              Qt::ControlModifier | Qt::Key_Z})
            QTest::keyClick(box.control, key.key(), key.keyboardModifiers());
        QTest::mouseClick(box.edit, Qt::MiddleButton);
        const QPoint middle = box.edit->rect().center();
        QDragEnterEvent drag(middle, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box.edit, &drag);
        QDropEvent drop(QPointF(middle), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box.edit, &drop);
        EXPECT_EQ(std::tuple(this->port.beeps - beepsBefore, int(this->mm.TypingFlag)),
                  std::tuple(6, 0));
        QTest::keyClick(box.control, Qt::Key_End);
        QTest::keyClick(box.control, Qt::Key_Delete);
        this->mm.TypingFlag = 1;
        this->tabAway();
        EXPECT_EQ(box.edit->text(), shown);
        EXPECT_NEAR(box.stored(), box.expected, 1e-9);
    }
}

REGISTER_TYPED_TEST_SUITE_P(NumberBoxSuite, TypedValueIsStoredAndTheFirstKeyReplacesIt,
                            OnlyTypedNumbersEnterTheBox);

}  // namespace bw::test
