// The tables window: a box the user tabs through without changing it keeps its value, also when
// the window is waiting for an edit to be taken (after message 34, after Delete); what the user
// does change, a list pick included, is taken as before.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <cmath>
#include <memory>

#include "support/recording_message_port.h"
#include "support/test_frame.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

class UntouchedBoxTest : public ::testing::Test {
  protected:
    UntouchedBoxTest() : port(&mm), ctx{mm, port, frame} { mm.CurrencySymbol = "$"; }

    MortgageCalc& open(std::int16_t mode) {
        mm.TableMode = mode;
        window = std::make_unique<MortgageCalc>(ctx);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    // "&Calculate" with a term longer than the accelerated schedule ends with message 34 and
    // leaves the window waiting for an edit (TypingFlag 1); monthly payments are chosen again
    // afterwards.
    void calculateToMessage34() {
        mm.DisplayTerm = 20;
        window->FreqPmt->setCurrentIndex(4);  // " Biweekly(Acc)": paid off in 18.54 years
        QTest::mouseClick(window->MCalc, Qt::LeftButton);
        ASSERT_EQ(port.messages, std::vector<int>{34});
        ASSERT_EQ(mm.TypingFlag, 1);
        port.messages.clear();
        window->FreqPmt->setCurrentIndex(0);
    }

    // Enters a box as Tab does and leaves it with Tab, touching nothing.
    static void tabThrough(QWidget* box) {
        box->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
    }

    MMODULE mm;
    test::RecordingMessagePort port;
    test::TestFrame frame;
    AppContext ctx;
    std::unique_ptr<MortgageCalc> window;
};

TEST_F(UntouchedBoxTest, TabbingThroughEveryBoxAfterMessage34KeepsTheValues) {
    struct Case {
        std::int16_t mode;
        double principal, rate, years;
        const char *principalText, *rateText, *periodText;
    };
    const Case cases[] = {
        {1, 100000, 10.125, 25, "     $100,000.00", "        10.125%", "              25"},
        {2, 20000, 10.125, 4, "      $20,000.00", "        10.125%", "              48"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        port.messages.clear();
        MortgageCalc& w = open(c.mode);
        mm.PrePayTable[2][2] = Money::fromDouble(500);
        mm.PrePayCount = 1;
        if (c.mode == 1) calculateToMessage34();
        for (QWidget* box : {static_cast<QWidget*>(w.InPrincipal), static_cast<QWidget*>(w.InRate),
                             static_cast<QWidget*>(w.InTerm)}) {
            mm.TypingFlag = 1;
            tabThrough(box);
            EXPECT_EQ(mm.TypingFlag, 0);
        }
        EXPECT_EQ(mm.LoanInputs[1], c.principal);
        EXPECT_EQ(mm.LoanInputs[2], c.rate);
        EXPECT_EQ(mm.LoanInputs[3], c.years);
        EXPECT_EQ(w.InPrincipal->text(), c.principalText);
        EXPECT_EQ(w.InRate->currentText(), c.rateText);
        EXPECT_EQ(w.InTerm->currentText(), c.periodText);
        // The period did not change: the additional payments entered for it stay.
        EXPECT_EQ(mm.PrePayCount, 1);
        EXPECT_EQ(mm.PrePayTable[2][2], Money::fromDouble(500));
        EXPECT_TRUE(port.messages.empty());
    }
}

TEST_F(UntouchedBoxTest, CalculateAfterTabbingThroughUsesTheShownPrincipal) {
    MortgageCalc& w = open(1);
    calculateToMessage34();
    tabThrough(w.InPrincipal);
    QTest::mouseClick(w.MCalc, Qt::LeftButton);
    EXPECT_TRUE(port.messages.empty());
    // 100,000 at 10.125 % compounded monthly over 25 years: 100000 i / (1 - (1 + i)^-300).
    const double i = 0.10125 / 12;
    const double payment = 100000 * i / (1 - std::pow(1 + i, -300));
    EXPECT_NEAR(QString(w.InMonthPI->text()).remove('$').remove(',').trimmed().toDouble(), payment,
                0.005);
}

TEST_F(UntouchedBoxTest, DeleteThatChangesNothingKeepsThePrincipal) {
    MortgageCalc& w = open(1);
    w.InPrincipal->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    w.InPrincipal->end(false);
    QTest::keyClick(w.InPrincipal, Qt::Key_Delete);  // the caret is at the end: nothing goes
    EXPECT_EQ(mm.TypingFlag, 1);
    QTest::keyClick(w.InPrincipal, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[1], 100000);
    EXPECT_EQ(w.InPrincipal->text(), "     $100,000.00");
}

TEST_F(UntouchedBoxTest, EditsAfterMessage34AreTakenAsTyped) {
    MortgageCalc& w = open(1);
    calculateToMessage34();
    // The box emptied and a new amount typed. (While the window waits for an edit the first
    // key does not empty the box, and the key filter looks at the whole text shown.)
    w.InPrincipal->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClick(w.InPrincipal, Qt::Key_Backspace);
    QTest::keyClicks(w.InPrincipal, "75000");
    QTest::keyClick(w.InPrincipal, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[1], 75000);
    EXPECT_EQ(w.InPrincipal->text(), "      $75,000.00");

    // An emptied box reads 0.
    mm.TypingFlag = 1;
    w.InPrincipal->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClick(w.InPrincipal, Qt::Key_Backspace);
    EXPECT_EQ(w.InPrincipal->text(), "");
    QTest::keyClick(w.InPrincipal, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[1], 0);
    EXPECT_EQ(w.InPrincipal->text(), "            $.00");

    // A rate typed over the shown one.
    mm.TypingFlag = 1;
    w.InRate->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    w.InRate->lineEdit()->selectAll();
    QTest::keyClick(w.InRate, Qt::Key_Backspace);
    QTest::keyClicks(w.InRate, "7.25");
    QTest::keyClick(w.InRate, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[2], 7.25);
    EXPECT_EQ(w.InRate->currentText(), "         7.250%");
}

TEST_F(UntouchedBoxTest, ListPicksAreStillTaken) {
    MortgageCalc& w = open(1);
    mm.PrePayTable[2][2] = Money::fromDouble(500);
    mm.PrePayCount = 1;
    // The rate list: "6 ".
    w.InRate->setFocus(Qt::TabFocusReason);
    w.InRate->setCurrentIndex(0);
    emit w.InRate->activated(0);
    EXPECT_EQ(mm.TypingFlag, 1);
    QTest::keyClick(w.InRate, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[2], 6);
    EXPECT_EQ(w.InRate->currentText(), "         6.000%");
    // The period list: "40", which also discards the additional payments.
    w.InTerm->setFocus(Qt::TabFocusReason);
    w.InTerm->setCurrentIndex(2);
    emit w.InTerm->activated(2);
    QTest::keyClick(w.InTerm, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[3], 40);
    EXPECT_EQ(w.InTerm->currentText(), "              40");
    EXPECT_EQ(mm.PrePayCount, 0);
}

TEST_F(UntouchedBoxTest, RateStoredWithMoreDecimalsThanShownIsKept) {
    MortgageCalc& w = open(1);
    // As a table file may bring it: four decimals, shown with three.
    mm.LoanInputs[2] = 7.1255;
    w.showRate();
    mm.TypingFlag = 1;
    tabThrough(w.InRate);
    EXPECT_EQ(mm.LoanInputs[2], 7.1255);
}

TEST_F(UntouchedBoxTest, DigitsTypedOverTheSelectedAmountAreTaken) {
    MortgageCalc& w = open(1);
    calculateToMessage34();  // TypingFlag 1: the first key does not empty the box
    w.InPrincipal->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_EQ(w.InPrincipal->selectedText(), w.InPrincipal->text());
    QTest::keyClicks(w.InPrincipal, "250000.5");
    EXPECT_EQ(port.beeps, 0);
    EXPECT_EQ(w.InPrincipal->text(), "250000.5");
    QTest::keyClick(w.InPrincipal, Qt::Key_Tab);
    EXPECT_EQ(mm.LoanInputs[1], 250000.5);
    EXPECT_EQ(w.InPrincipal->text().trimmed(), "$250,000.50");
}

}  // namespace
}  // namespace bw
