// The affordability window's wiring: what each of its controls sets off. The figures are checked
// in the core tests.

#include <gtest/gtest.h>

#include <QDialog>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>

#include "afford/mort_find_factor.h"
#include "shell/mdi_container.h"
#include "shell/messages.h"
#include "shell/twips.h"
#include "support/print_context.h"

namespace bw {
namespace {

class MortFindFactorTest : public ::testing::Test, public test::PrintContext {
  protected:
    void leave() {
        w->MFExit->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
    std::unique_ptr<MortFindFactor> w = openWindow<MortFindFactor>();
};

TEST_F(MortFindFactorTest, OpensWithItsStartValuesCalculated) {
    EXPECT_EQ(w->MFInMthPayment->text(), "         $675.21");
    w->grab().save("/tmp/afford_window.png");
}

TEST_F(MortFindFactorTest, ControlsNamedAfterTheirCaptions) {
    EXPECT_EQ(w->MFTotIntSaved->accessibleName(), "Interest saved versus normal mortgage");
    EXPECT_EQ(w->MFFreqPmt->accessibleName(), "Frequency and type of payment");
}

TEST_F(MortFindFactorTest, TabOrder) {
    const QWidget* order[] = {w->MFInPrincipal, w->MFInRate, w->MFInTerm, w->MFInMthPayment,
                              w->MFFreqPmt,     w->MFCalc,   w->MFHelp,   w->Printr,
                              w->MFShowIRF,     w->MFExit};
    w->MFCompPeriod->setFocus(Qt::TabFocusReason);
    for (const QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(MortFindFactorTest, YearsOverFortyGiveTheMessageAndForty) {
    typeInto(w->MFInTerm, "45");
    leave();
    EXPECT_EQ(port.messages, std::vector<int>({Msg::YearsLimit}));
    EXPECT_EQ(w->values()[kMFYears], 40);
}

TEST_F(MortFindFactorTest, OptionButtonRecoloursAndTheNextCalculationSolvesForIt) {
    w->MFTermOpt->click();
    EXPECT_EQ(w->MFInTerm->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(w->MFInMthPayment->palette().color(QPalette::Base), QColor(255, 255, 0));
    typeInto(w->MFInMthPayment, "541.67\n");  // Enter leaves for "&Calculate"
    EXPECT_TRUE(w->MsgText->isVisible());
    EXPECT_EQ(w->MsgText->toPlainText(), kAffordPaymentTooSmall);
    EXPECT_EQ(QApplication::focusWidget(), w->MFInMthPayment);
    w->grab().save("/tmp/afford_window_message.png");
}

TEST_F(MortFindFactorTest, ListsRefuseTypingAndRecalculateWhenLeft) {
    w->MFFreqPmt->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->MFFreqPmt, Qt::Key_W);
    EXPECT_EQ(port.beeps, 1);
    w->MFFreqPmt->setCurrentIndex(4);
    emit w->MFFreqPmt->activated(4);
    QTest::keyClick(w->MFFreqPmt, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->MFCalc);
    EXPECT_EQ(mm.PaymentsPerYear, 26);
}

TEST_F(MortFindFactorTest, QuickHelpOpensAndTheNextCalculationClosesIt) {
    w->MFHelp->click();
    EXPECT_TRUE(w->MFTextBox->toPlainText().startsWith("Calculations are automatic"));
    // At its place and size, its scroll bar reaching what the box cannot hold; no title bar.
    EXPECT_EQ(w->MFTextBox->geometry(), QRect(0, Px(5040), Px(9450), Px(870)));
    EXPECT_GT(w->MFTextBox->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(w->property(kNoTitleBar).toBool());
    w->MFCalc->click();
    EXPECT_FALSE(w->MFTextBox->isVisible());
    EXPECT_EQ(w->MFHelp->text(), "Quick &Help");
}

TEST_F(MortFindFactorTest, DaysInYearReachTheNextCalculation) {
    w->MFFreqPmt->setCurrentIndex(2);
    test::ModalDriver<QDialog> dialog([](QDialog& d) {
        d.findChild<QRadioButton*>("IRFactor2")->click();  // 364 days
        d.findChild<QPushButton*>("ExitMort")->click();
    });
    w->MFShowIRF->click();
    ASSERT_TRUE(dialog.ran());
    QApplication::setActiveWindow(w.get());
    w->MFInRate->setFocus(Qt::TabFocusReason);
    leave();
    EXPECT_EQ(w->MFDaysinYear->text(), "364");
}

// Asks first, prints the window shrunk to its three panels, and is back at its size after.
TEST_F(MortFindFactorTest, PrintsTheShrunkWindowAfterAsking) {
    port.answers = {false, true};
    w->Printr->click();
    EXPECT_FALSE(QFile::exists(pdf));
    w->Printr->click();
    EXPECT_EQ(port.questions, std::vector<int>(2, Question::ContinuePrintout));
    EXPECT_EQ(w->size(), QSize(Px(9480), Px(6360)));
    QProcess render;
    render.start("pdftoppm", {"-r", "40", "-png", "-singlefile", pdf, dir.filePath("page")});
    if (!render.waitForFinished(60000) || render.exitCode() != 0) GTEST_SKIP() << "no pdftoppm";
    const QImage page(dir.filePath("page.png"));
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250) ink |= QRect(x, y, 1, 1);
    EXPECT_NEAR(double(ink.width()) / ink.height(), double(Px(9460)) / Px(5040), 0.06);
}

}  // namespace
}  // namespace bw
