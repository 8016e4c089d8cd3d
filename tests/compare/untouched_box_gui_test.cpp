// The comparison window: a box the user tabs through without changing it keeps its value, also
// when the window is waiting for an edit to be taken (after a key refused by a list, after a
// Delete that removed nothing); what the user does change, a list pick included, is taken.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <memory>

#include "compare/mort_comp.h"
#include "shell/ms_grid.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"

namespace bw {
namespace {

class CompareUntouchedBoxTest : public ::testing::Test {
  protected:
    CompareUntouchedBoxTest() : port(&mm), ctx{mm, port, frame} { mm.CurrencySymbol = "$"; }

    MortComp& open() {
        window = std::make_unique<MortComp>(ctx);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    // A letter typed into the compounding list is refused; the window then waits for an edit
    // (TypingFlag 1), and Enter moves on to the frequency list.
    void keyInTheCompoundingList() {
        const int beeps = port.beeps;
        window->ComPeriod->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window->ComPeriod, 'x');
        QTest::keyClick(window->ComPeriod, Qt::Key_Return);
        ASSERT_EQ(mm.TypingFlag, 1);
        ASSERT_EQ(port.beeps, beeps + 1);
    }

    // Enters a box with the mouse and leaves it with Tab, touching nothing.
    static void passThrough(QWidget* box) {
        box->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
    }

    void calculate() { QTest::mouseClick(window->MCCalc, Qt::LeftButton); }

    MMODULE mm;
    test::RecordingMessagePort port;
    test::TestFrame frame;
    AppContext ctx;
    std::unique_ptr<MortComp> window;
};

TEST_F(CompareUntouchedBoxTest, BoxesPassedThroughKeepTheirValuesAndTheRowShowsThem) {
    MortComp& w = open();
    keyInTheCompoundingList();
    passThrough(w.InPrincipal);
    EXPECT_EQ(mm.TypingFlag, 0);
    EXPECT_EQ(mm.LoanInputs[1], 100000);
    EXPECT_EQ(w.InPrincipal->text(), "     $100,000.00");
    calculate();
    EXPECT_EQ(w.MCGrid1->textAt(1, 4), "$100,000.00");
    EXPECT_EQ(w.MCGrid1->textAt(1, 5), "10.125");
    EXPECT_EQ(w.MCGrid1->textAt(1, 1), "25");
}

TEST_F(CompareUntouchedBoxTest, RateAndPeriodPassedThroughKeepTheirValues) {
    MortComp& w = open();
    // As a comparison file may bring it: four decimals, shown with three.
    mm.LoanInputs[2] = 7.1255;
    for (QWidget* box : {static_cast<QWidget*>(w.InRate), static_cast<QWidget*>(w.InTerm)}) {
        keyInTheCompoundingList();
        passThrough(box);
        EXPECT_EQ(mm.TypingFlag, 0);
    }
    EXPECT_EQ(mm.LoanInputs[2], 7.1255);
    EXPECT_EQ(mm.LoanInputs[3], 25);
    EXPECT_EQ(w.InTerm->currentText(), "              25");
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(CompareUntouchedBoxTest, DeleteThatRemovesNothingKeepsThePrincipal) {
    MortComp& w = open();
    w.InPrincipal->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    w.InPrincipal->end(false);
    QTest::keyClick(w.InPrincipal, Qt::Key_Delete);
    EXPECT_EQ(mm.TypingFlag, 1);
    QTest::keyClick(w.InPrincipal, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[1], 100000);
    EXPECT_EQ(w.InPrincipal->text(), "     $100,000.00");
}

TEST_F(CompareUntouchedBoxTest, EditsAndListPicksAreTakenAsBefore) {
    MortComp& w = open();
    keyInTheCompoundingList();
    // The box emptied and a new amount typed.
    w.InPrincipal->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    QTest::keyClick(w.InPrincipal, Qt::Key_Backspace);
    QTest::keyClicks(w.InPrincipal, "80000");
    QTest::keyClick(w.InPrincipal, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[1], 80000);
    EXPECT_EQ(w.InPrincipal->text(), "      $80,000.00");

    // A box emptied by the user reads 0.
    keyInTheCompoundingList();
    w.InPrincipal->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    QTest::keyClick(w.InPrincipal, Qt::Key_Backspace);
    QTest::keyClick(w.InPrincipal, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[1], 0);
    EXPECT_EQ(w.InPrincipal->text(), "            $.00");

    // The rate list: "8 ".
    w.InRate->setFocus(Qt::MouseFocusReason);
    w.InRate->setCurrentIndex(2);
    emit w.InRate->activated(2);
    QTest::keyClick(w.InRate, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[2], 8);
    EXPECT_EQ(w.InRate->currentText(), "         8.000%");

    // The period list: "30".
    w.InTerm->setCurrentIndex(1);
    emit w.InTerm->activated(1);
    QTest::keyClick(w.InTerm, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[3], 30);
    EXPECT_EQ(w.InTerm->currentText(), "              30");
}

}  // namespace
}  // namespace bw
