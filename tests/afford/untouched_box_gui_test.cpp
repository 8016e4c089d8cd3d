// The affordability window: a box the user passes through without changing it keeps its value
// when the window recalculates on leaving it (after "&Days in Year", after a Delete that removed
// nothing); a changed box is read as before.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

#include "afford/mort_find_factor.h"
#include "shell/number_format.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"

namespace bw {
namespace {

QString Pad(const std::string& text, int width) {
    return QString::fromStdString(RightAlign(text, width));
}

class AffordUntouchedBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { mm.CurrencySymbol = "$"; }
    void open() {
        w = std::make_unique<MortFindFactor>(ctx);
        frame.showChild(w.get());
        QApplication::setActiveWindow(w.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    // Enters a box as Tab does and leaves it with Tab, touching nothing.
    static void tabThrough(QLineEdit* box) {
        box->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClick(box, Qt::Key_Tab);
        QApplication::processEvents();
    }
    void expectStartValues() {
        EXPECT_EQ(w->values()[kMFPrincipal], 100000);
        EXPECT_EQ(w->values()[kMFRate], 6.5);
        EXPECT_EQ(w->values()[kMFYears], 25);
        EXPECT_EQ(w->MFInPrincipal->text(), Pad("$100,000.00", 16));
        // (the loaded text and the rewritten one differ in their leading blanks)
        EXPECT_EQ(w->MFInRate->text().trimmed(), "6.500%");
        EXPECT_EQ(w->MFInTerm->text(), Pad("25", 16));
        // 100,000 at 6.5 % over 25 years, as the window shows it at start.
        EXPECT_EQ(w->MFInMthPayment->text(), Pad("$675.21", 16));
        EXPECT_FALSE(w->MsgText->isVisible());
    }

    MMODULE mm;
    test::RecordingMessagePort port{&mm};
    test::TestFrame frame;
    AppContext ctx{mm, port, frame};
    std::unique_ptr<MortFindFactor> w;
};

TEST_F(AffordUntouchedBoxTest, BoxesPassedThroughAfterDaysInYearKeepTheirValues) {
    open();
    // "&Days in Year", left at once with "E&xit": the next box left recalculates.
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* exit = modal->findChild<QPushButton*>("ExitMort")) exit->click();
            if (modal->isVisible()) modal->close();
        }
    });
    w->MFShowIRF->click();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    for (QLineEdit* box : {w->MFInPrincipal, w->MFInRate, w->MFInTerm}) {
        SCOPED_TRACE(box->objectName().toStdString());
        mm.TypingFlag = 1;
        tabThrough(box);
        EXPECT_EQ(mm.TypingFlag, 0);
        expectStartValues();
    }
}

TEST_F(AffordUntouchedBoxTest, DeleteThatRemovesNothingKeepsThePrincipal) {
    open();
    w->MFInPrincipal->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    w->MFInPrincipal->end(false);
    QTest::keyClick(w->MFInPrincipal, Qt::Key_Delete);
    EXPECT_EQ(mm.TypingFlag, 1);
    QTest::keyClick(w->MFInPrincipal, Qt::Key_Tab);
    expectStartValues();
}

TEST_F(AffordUntouchedBoxTest, AnEditAfterwardsIsStillRead) {
    open();
    mm.TypingFlag = 1;
    w->MFInPrincipal->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    QTest::keyClicks(w->MFInPrincipal, "200000");
    QTest::keyClick(w->MFInPrincipal, Qt::Key_Tab);
    EXPECT_EQ(w->values()[kMFPrincipal], 200000);
    EXPECT_EQ(w->MFInPrincipal->text(), Pad("$200,000.00", 16));
    // The annuity payment, with the rate held in single precision as the solver holds it.
    const double i = static_cast<float>(0.065) / 12;
    const double payment = 200000 * i / (1 - std::pow(1 + i, -300));
    EXPECT_EQ(w->MFInMthPayment->text(), Pad("$" + FormatNumber(payment, "####,,###.00"), 16));
}

}  // namespace
}  // namespace bw
