// The tables dialogs wired to their rules, alone and opened from the tables window: additional
// payments, days in year, term and the first payment date. The rules are tested in the core.

#include <gtest/gtest.h>

#include <QPushButton>

#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "support/window_context.h"
#include "tables/m_sel_term.h"
#include "tables/mort_date_input.h"
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

class DialogsTest : public ::testing::Test, public test::WindowContext {
  protected:
    DialogsTest() {
        mm.LoanInputs[3] = 25;
        mm.FirstPayDate = ShortDateText(QDate(2027, 3, 15));
    }
    double amount(int year) const { return mm.PrePayTable[year][2].toDouble(); }
    // Presses a command of the tables window; `act` runs on the dialog it opens, which is then
    // closed. False when no dialog opened.
    template <class D>
    bool press(QPushButton* button, std::function<void(D&)> act) {
        test::ModalDriver<D> driver([&](D& d) {
            act(d);
            if (d.isVisible()) d.close();
        });
        clickButton(button);
        return driver.ran();
    }
};

TEST_F(DialogsTest, PrePayKeysMonthAndOkReachTheSharedState) {
    auto d = openWindow<MortPrePay>();
    EXPECT_EQ(d->PGrid->rows(), 26);
    typeKeys(d->PGrid, "1500\n7");
    EXPECT_EQ(amount(1), 1500);
    EXPECT_EQ(d->PGrid->textAt(1, 1), "1,500.00");
    EXPECT_EQ(amount(2), 7);
    clickButton(d->InMth[11]);
    EXPECT_EQ(mm.PrePayMonth, 11);
    pressKey(d->PGrid, Qt::Key_Delete);
    EXPECT_EQ(amount(2), 0);
    d->UsePrePay->setFocus();
    pressKey(d->UsePrePay, Qt::Key_Return);  // Enter presses the focused button
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(mm.PrePayCount, 1);
}

TEST_F(DialogsTest, PrePayEraseAllEmptiesThePeriodsAmounts) {
    mm.PrePayTable[3][2] = Money::fromDouble(300);
    mm.PrePayCount = 1;
    mm.PrePayMonth = 5;
    auto d = openWindow<MortPrePay>();
    EXPECT_EQ(d->PGrid->textAt(3, 1), "300.00");
    EXPECT_TRUE(d->InMth[5]->isChecked());
    d->DoNotUse->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(amount(3), 0);
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayMonth, 12);
}

TEST_F(DialogsTest, DaysOptionsAndTheTypedCountCheckedOnExit) {
    auto d = openWindow<MortIRFTable>();
    clickButton(d->IRFactor[2]);
    EXPECT_EQ(mm.BiWeeklyPeriods, 26.0);
    clickButton(d->IRFactor[4]);
    QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
    typeKeys(d->InIRFDays, "362.999");  // a third decimal beeps
    EXPECT_EQ(port.beeps, 1);
    clickButton(d->ExitMort);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::DaysRange});
    EXPECT_TRUE(d->isVisible());
    QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
    typeKeys(d->InIRFDays, "364.5");
    clickButton(d->ExitMort);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(mm.WeeklyPeriods, 52.07142857142857);
    EXPECT_EQ(openWindow<MortIRFTable>()->InIRFDays->text(), "364.50");
}

TEST_F(DialogsTest, TermLongerThanThePeriodIsRefused) {
    mm.LoanInputs[3] = 3;
    auto d = openWindow<MSelTerm>();
    clickButton(d->TermPeriod[5]);
    clickButton(d->MTermExit);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::TermReset});
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->TermPeriod[0]->isChecked());
    EXPECT_EQ(mm.DisplayTerm, 0);
}

TEST_F(DialogsTest, DateTakenOrRefusedWithThePreviousDateBack) {
    const std::string before = mm.FirstPayDate;
    auto d = openWindow<MortDateInput>();
    pressKey(d->InDate, Qt::Key_Escape);  // a key that types nothing leaves the date alone
    typeKeys(d->InDate, "31/02");
    clickButton(d->OkExit);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::BadDate});
    EXPECT_EQ(d->InDate->text().toStdString(), before);
    const std::string typed = ShortDateText(QDate(2030, 1, 31));
    typeKeys(d->InDate, QString::fromStdString(typed));
    clickButton(d->OkExit);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(mm.FirstPayDate, typed);
}

TEST_F(DialogsTest, DialogsPlaceThemselvesFromTheFrame) {
    const struct {
        int frameClass;
        int twips[8];  // left, top of MortPrePay, MortIRFTable, MSelTerm, MortDateInput
    } cases[] = {{8500, {4300, 700, 3200, 1730, 3850, 1730, 4000, 2400}},
                 {8670, {5300, 1700, 4300, 2770, 4850, 2770, 5000, 3400}}};
    for (const auto& c : cases) {
        mm.FrameClass = c.frameClass;
        const QPoint pos[] = {openWindow<MortPrePay>()->pos(), openWindow<MortIRFTable>()->pos(),
                              openWindow<MSelTerm>()->pos(), openWindow<MortDateInput>()->pos()};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pos[i], QPoint(Px(c.twips[2 * i]), Px(c.twips[2 * i + 1]))) << i;
    }
}

// Each command empties the results (quick help staying open) and leaves the boxes untaken.
TEST_F(DialogsTest, EachCommandOfTheWindowRunsTheReset) {
    auto w = openWindow<MortgageCalc>();
    const std::function<bool()> commands[] = {
        [&] { return press<MortPrePay>(w->MAddPrePay, [](auto& d) { d.UsePrePay->click(); }); },
        [&] { return press<MortIRFTable>(w->MShowIRF, [](auto& d) { d.ExitMort->click(); }); },
        [&] { return press<MSelTerm>(w->MTerm, [](auto& d) { d.MTermExit->click(); }); },
        [&] { return press<MortDateInput>(w->MDateNumber, [](auto& d) { d.OkExit->click(); }); },
    };
    for (const auto& command : commands) {
        clickButton(w->MCalc);
        ASSERT_NE(mm.ResultRowCount, 0);
        EXPECT_TRUE(command());
        EXPECT_TRUE(w->InMonthPI->text().isEmpty());
        EXPECT_EQ(mm.ResultRowCount + mm.TypingFlag, 0);
        QTest::mouseClick(w->InPrincipal, Qt::LeftButton);
        pressKey(w->InPrincipal, Qt::Key_Tab);
        EXPECT_EQ(mm.LoanInputs[1], 100000);
    }
    clickButton(w->MHelp);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(commands[i]());  // the date toggle goes back unasked
    EXPECT_TRUE(w->MTextBox->isVisible());
}

TEST_F(DialogsTest, ChoicesMadeInTheDialogsReachTheNextCalculation) {
    auto w = openWindow<MortgageCalc>();
    ASSERT_TRUE(press<MortPrePay>(w->MAddPrePay, [](MortPrePay& d) {
        d.PGrid->setRow(2);
        test::TypeKeys(d.PGrid, "5000");
        d.UsePrePay->click();
    }));
    ASSERT_TRUE(press<MSelTerm>(w->MTerm, [](MSelTerm& d) {
        test::PickOption(d.TermPeriod[5]);
        d.MTermExit->click();
    }));
    clickButton(w->MCalc);
    EXPECT_EQ(w->MGrid->textAt(7, 0), "5 Yr. Term");
    EXPECT_EQ(w->MGrid->textAt(11, 0), "Year    2");  // the applied payment under the totals
}

TEST_F(DialogsTest, DateToggleAsksForTheDateOnlyOnTheWayToDates) {
    auto w = openWindow<MortgageCalc>();
    ASSERT_TRUE(press<MortDateInput>(w->MDateNumber, [](auto& d) { d.OkExit->click(); }));
    EXPECT_EQ(w->MDateNumber->text(), "&View payment No.");
    EXPECT_EQ(mm.DateMode, 1);
    EXPECT_FALSE(press<MortDateInput>(w->MDateNumber, [](auto&) {}));
    EXPECT_EQ(w->MDateNumber->text(), "&View payment date");
    EXPECT_EQ(mm.DateMode, 0);
}

// Pictures of the four dialogs, written when BW_SCREENSHOT_DIR names a folder.
TEST_F(DialogsTest, Pictures) {
    const QString dir = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "BW_SCREENSHOT_DIR not set";
    for (int y = 1; y <= 25; ++y) mm.PrePayTable[y][1] = Money::fromDouble(y);
    mm.PrePayTable[2][2] = Money::fromDouble(5000);
    mm.DaysOption = 4;
    mm.DaysInYear = 364.5f;
    mm.DisplayTerm = 10;
    EXPECT_TRUE(openWindow<MortPrePay>()->grab().save(dir + "/mort_pre_pay.png"));
    EXPECT_TRUE(openWindow<MortIRFTable>()->grab().save(dir + "/mort_irf_table.png"));
    EXPECT_TRUE(openWindow<MSelTerm>()->grab().save(dir + "/m_sel_term.png"));
    EXPECT_TRUE(openWindow<MortDateInput>()->grab().save(dir + "/mort_date_input.png"));
}

}  // namespace
}  // namespace bw
