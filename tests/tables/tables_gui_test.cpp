// The tables window and its dialogs wired to their rules, which the core tests (the dialogs'
// choices reach the calculation through the shared state: schedule_mapping_test).

#include <QPushButton>
#include <QWheelEvent>

#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "support/number_box_suite.h"
#include "tables/m_sel_term.h"
#include "tables/mort_date_input.h"
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

class TablesTest : public ::testing::Test, public test::WindowContext {
  protected:
    MortgageCalc& open(std::int16_t mode = 1) {
        mm.TableMode = mode;
        return *(w = openWindow<MortgageCalc>());
    }
    bool noResults() const {
        return w->MGrid->textAt(1, 1).empty() && w->InMonthPI->text().isEmpty() && !w->hasResult();
    }
    double amount(int year) const { return mm.PrePayTable[year][2].toDouble(); }
    template <class D>  // false when no dialog opened
    bool press(QPushButton* command, QPushButton* D::*close) {
        test::ModalDriver<D> driver([close](D& d) { (d.*close)->click(); });
        clickButton(command);
        return driver.ran();
    }
    std::unique_ptr<MortgageCalc> w;
};

// Enter walks through the lists to "&Calculate", which fills the screen; every edit empties it, a
// wrong entry gives its message and no results; "E&xit" discards the tables and shows the menu.
TEST_F(TablesTest, CalculateFillsTheScreenUntilTheNextEditAndExitDiscardsIt) {
    open();
    typeInto(w->Comperiod, "\n");
    pressKey(w->FreqPmt, Qt::Key_Return);
    ASSERT_TRUE(w->MCalc->hasFocus());
    pressKey(w->MCalc, Qt::Key_Return);
    EXPECT_EQ(w->InMonthPI->text(), "     $917.53");
    w->grab().save("/tmp/mortgage_calc.png");
    clickButton(w->Option1);
    EXPECT_TRUE(noResults());
    clickButton(w->MCalc);
    EXPECT_EQ(w->MGrid->rows(), 304);  // all 300 payments
    typeInto(w->InPrincipal, "5");
    EXPECT_TRUE(noResults());
    typeInto(w->InRate, "0");
    clickButton(w->MCalc);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::WrongEntry});
    EXPECT_TRUE(noResults() && QApplication::overrideCursor() == nullptr);
    clickButton(w->MExit);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_TRUE(frame.menuShown == 1 && mm.ScheduleTable.empty());
}

// The wheel turns no list that lacks the focus; a list pick is taken when the list is left.
TEST_F(TablesTest, OpensWithTheModesValuesTakesListPicksAndQuickHelpReplacesTheGrid) {
    mm.DefaultCompounding = 3;
    open(2);
    EXPECT_EQ(frame.frameCaption() + w->InPrincipal->text() + w->Comperiod->currentText(),
              " Loan Tables   $20,000.00   Semiannual");
    QWheelEvent wheel(QPointF(5, 5), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->FreqPmt, &wheel);
    w->InRate->setFocus(Qt::TabFocusReason);
    w->InRate->setCurrentIndex(0);
    emit w->InRate->activated(0);
    clickButton(w->MCalc);
    EXPECT_TRUE(mm.LoanInputs[2] == 6 && w->FreqPmt->currentIndex() == 0);
    clickButton(w->MHelp);
    EXPECT_TRUE(w->MTextBox->toPlainText().contains("How to use for Car"));
    EXPECT_FALSE(w->MGrid->isVisible() || w->MPrinter->isEnabled());
    pressKey(w->MTextBox, Qt::Key_Return);  // Enter goes to the principal box
    EXPECT_TRUE(w->InPrincipal->hasFocus());
    clickButton(w->MHelp);
    EXPECT_TRUE(w->MGrid->isVisible() && w->MPrinter->isEnabled() && noResults());
}

TEST_F(TablesTest, PrePayKeysMonthOkAndEraseAllReachTheSharedState) {
    mm.LoanInputs[3] = 25;
    mm.PrePayTable[3][2] = Money::fromDouble(300);
    auto d = openWindow<MortPrePay>();
    typeKeys(d->PGrid, "1500\n7");
    pressKey(d->PGrid, Qt::Key_Delete);  // row 2 again
    clickButton(d->InMth[11]);
    d->grab().save("/tmp/mort_pre_pay.png");
    d->UsePrePay->setFocus();
    pressKey(d->UsePrePay, Qt::Key_Return);  // Enter presses the focused button
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_TRUE(amount(1) == 1500 && amount(2) == 0 && mm.PrePayCount == 2 && mm.PrePayMonth == 11);
    openWindow<MortPrePay>()->DoNotUse->click();  // erases the period's amounts
    EXPECT_TRUE(amount(1) + amount(3) == 0 && mm.PrePayCount == 0 && mm.PrePayMonth == 12);
}

TEST_F(TablesTest, DaysOptionsAndTheTypedCountCheckedOnExit) {
    auto d = openWindow<MortIRFTable>();
    clickButton(d->IRFactor[4]);
    QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
    typeKeys(d->InIRFDays, "362.999");  // a third decimal beeps
    d->grab().save("/tmp/mort_irf_table.png");
    clickButton(d->ExitMort);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::DaysRange});
    EXPECT_TRUE(d->isVisible() && port.beeps == 1);
    QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
    typeKeys(d->InIRFDays, "364.5");
    clickButton(d->ExitMort);
    EXPECT_EQ(mm.WeeklyPeriods, 52.07142857142857);
}

// A term longer than the period goes back to all years, in the window without results and in
// its dialog; a period too long takes the limit, without extras; a wrong date the previous one.
TEST_F(TablesTest, TermPeriodAndDateTooLongOrWrongGiveTheirMessages) {
    open().FreqPmt->setCurrentIndex(4);  // " Biweekly(Acc)": paid off in 19 years
    mm.DisplayTerm = 20;
    clickButton(w->MCalc);
    EXPECT_TRUE(noResults() && mm.DisplayTerm == 0);
    mm.PrePayTable[2][2] = Money::fromDouble(5000);
    mm.PrePayCount = 1;
    typeInto(w->InTerm, "45\n");
    EXPECT_TRUE(mm.LoanInputs[3] == 40 && mm.PrePayCount == 0 && amount(2) == 0);
    mm.LoanInputs[3] = 3;
    const std::string before = mm.FirstPayDate;
    auto term = openWindow<MSelTerm>();
    clickButton(term->TermPeriod[5]);
    term->grab().save("/tmp/m_sel_term.png");
    clickButton(term->MTermExit);
    EXPECT_TRUE(term->isVisible() && term->TermPeriod[0]->isChecked() && mm.DisplayTerm == 0);
    auto date = openWindow<MortDateInput>();
    typeKeys(date->InDate, "31/02");
    date->grab().save("/tmp/mort_date_input.png");
    clickButton(date->OkExit);
    EXPECT_EQ(port.messages,
              (std::vector<int>{Msg::TermReset, Msg::YearsLimit, Msg::TermReset, Msg::BadDate}));
    EXPECT_EQ(date->InDate->text().toStdString(), before);
}

// Quick help stays open; the date toggle asks for the date only on the way to dates.
TEST_F(TablesTest, EachCommandOfTheWindowRunsTheReset) {
    open();
    const std::function<bool()> commands[] = {
        [&] { return press(w->MAddPrePay, &MortPrePay::UsePrePay); },
        [&] { return press(w->MShowIRF, &MortIRFTable::ExitMort); },
        [&] { return press(w->MTerm, &MSelTerm::MTermExit); },
        [&] { return press(w->MDateNumber, &MortDateInput::OkExit); }};
    for (const auto& command : commands) {
        clickButton(w->MCalc);
        EXPECT_TRUE(command());
        EXPECT_TRUE(noResults() && mm.TypingFlag == 0);
    }
    EXPECT_EQ(w->MDateNumber->text(), "&View payment No.");
    clickButton(w->MHelp);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(commands[i]());
    EXPECT_FALSE(commands[3]());  // the date toggle goes back unasked
    EXPECT_TRUE(mm.DateMode == 0 && w->MTextBox->isVisible());
}

}  // namespace

namespace test {

struct TablesWindowBoxes {
    using Window = MortgageCalc;
    static std::unique_ptr<Window> open(WindowContext& c) { return c.openWindow<Window>(); }
    static std::vector<NumberBoxCase> boxes(Window& w) {
        const auto input = [&w](int i) { return [&w, i] { return w.context().mm.LoanInputs[i]; }; };
        const NumberBoxRule money{NumberKind::Decimal, 2, FilterOrder::EmptyFirst},
            rate{NumberKind::Decimal, 3, FilterOrder::EmptyFirst},
            period{NumberKind::Digits, 0, FilterOrder::FilterFirst};
        return {
            {"principal", w.InPrincipal, w.InPrincipal, money, w.InRate, "1234.5", 1234.5,
             input(1)},
            {"rate", w.InRate, w.InRate->lineEdit(), rate, w.InTerm, "6.125", 6.125, input(2)},
            {"period", w.InTerm, w.InTerm->lineEdit(), period, w.Comperiod, "30", 30, input(3)},
        };
    }
};
INSTANTIATE_TYPED_TEST_SUITE_P(MortgageCalc, NumberBoxSuite, ::testing::Types<TablesWindowBoxes>);

}  // namespace test
}  // namespace bw
