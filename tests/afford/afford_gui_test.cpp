// The affordability window's wiring (its figures: the core tests) and its number boxes.

#include <QDialog>
#include <QPushButton>
#include <regex>

#include "afford/mort_find_factor.h"
#include "shell/messages.h"
#include "shell/twips.h"
#include "support/number_box_suite.h"
#include "support/print_context.h"

namespace bw {
namespace {

class MortFindFactorTest : public ::testing::Test, public test::PrintContext {
  protected:
    std::unique_ptr<MortFindFactor> w = openWindow<MortFindFactor>();
};

// Years over forty give forty; help closes on the next calculation, which solves for the option.
TEST_F(MortFindFactorTest, OpensCalculatedAndItsBoxesAndButtonsReachTheCalculation) {
    EXPECT_EQ(w->MFInMthPayment->text(), "         $675.21");
    w->grab().save("/tmp/afford_window.png");  // nothing of the window cut off:
    for (QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(!child->isVisible() || w->rect().contains(child->geometry()))
            << child->objectName().toStdString();
    typeInto(w->MFInTerm, "45");
    tabAway();
    EXPECT_EQ(port.messages, std::vector<int>({Msg::YearsLimit}));
    EXPECT_EQ(w->values()[kMFYears], 40);
    w->MFHelp->click();
    EXPECT_TRUE(w->MFTextBox->toPlainText().startsWith("Calculations are automatic"));
    w->MFCalc->click();
    EXPECT_FALSE(w->MFTextBox->isVisible());
    w->MFTermOpt->click();
    EXPECT_EQ(w->MFInMthPayment->palette().color(QPalette::Base), QColor(255, 255, 0));
    typeInto(w->MFInMthPayment, "541.67\n");  // Enter leaves for "&Calculate"
    EXPECT_EQ(w->MsgText->toPlainText(), kAffordPaymentTooSmall);
    EXPECT_TRUE(w->MsgText->isVisible() && w->MFInMthPayment->hasFocus());
}

// Typing into a list beeps; a list left changed recalculates, as do the days chosen in their
// dialog when the next box is left.
TEST_F(MortFindFactorTest, ListsAndTheDaysDialogReachTheCalculation) {
    w->MFFreqPmt->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->MFFreqPmt, Qt::Key_W);
    w->MFFreqPmt->setCurrentIndex(4);
    emit w->MFFreqPmt->activated(4);
    QTest::keyClick(w->MFFreqPmt, Qt::Key_Return);
    EXPECT_TRUE(w->MFCalc->hasFocus() && port.beeps == 1);
    EXPECT_EQ(mm.PaymentsPerYear, 26);
    test::ModalDriver<QDialog> dialog([](QDialog& d) {
        d.findChild<QRadioButton*>("IRFactor2")->click();  // 364 days
        d.findChild<QPushButton*>("ExitMort")->click();
    });
    w->MFShowIRF->click();
    ASSERT_TRUE(dialog.ran());
    QApplication::setActiveWindow(w.get());
    w->MFInRate->setFocus(Qt::TabFocusReason);
    tabAway();
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
    // The page holds one picture, of the three panels' proportions.
    const std::string bytes = test::ReadBytes(pdf.toStdString());
    std::smatch size;
    ASSERT_TRUE(std::regex_search(bytes, size, std::regex(R"(/Width (\d+)\s*/Height (\d+))")));
    EXPECT_NEAR(std::stod(size[1]) / std::stod(size[2]), double(Px(9460)) / Px(5040), 0.06);
}

}  // namespace

namespace test {

// Solving for the payment (at the start), the principal, rate and years boxes take input.
struct AffordBoxes {
    using Window = MortFindFactor;
    static std::unique_ptr<Window> open(WindowContext& c) { return c.openWindow<Window>(); }
    static std::vector<NumberBoxCase> boxes(Window& w) {
        const auto slot = [&w](std::size_t i) { return [&w, i] { return w.values()[i]; }; };
        const NumberBoxRule amount, rate{NumberKind::Decimal, 3, FilterOrder::EmptyFirst},
            years{NumberKind::Digits, 0, FilterOrder::FilterFirst};
        return {
            {"principal", w.MFInPrincipal, w.MFInPrincipal, amount, w.MFInRate, "1234.5", 1234.5,
             slot(kMFPrincipal)},
            {"rate", w.MFInRate, w.MFInRate, rate, w.MFInTerm, "7.125", 7.125, slot(kMFRate)},
            {"years", w.MFInTerm, w.MFInTerm, years, w.MFInMthPayment, "30", 30, slot(kMFYears)}};
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(MortFindFactor, NumberBoxSuite, ::testing::Types<AffordBoxes>);

}  // namespace test
}  // namespace bw
