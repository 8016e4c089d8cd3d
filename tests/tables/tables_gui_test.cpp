// The tables window and its dialogs wired to their rules, which the core tests (the dialogs'
// choices reach the calculation through the shared state: schedule_mapping_test), and the
// window's number boxes through the shared suite.

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
    TablesTest() { mm.LoanInputs[3] = 25; }  // the period the dialogs opened alone see
    MortgageCalc& open(std::int16_t mode = 1) {
        mm.TableMode = mode;
        w = openWindow<MortgageCalc>();
        return *w;
    }
    bool noResults() const {
        return w->MGrid->textAt(1, 1).empty() && w->InMonthPI->text().isEmpty() && !w->hasResult();
    }
    double amount(int year) const { return mm.PrePayTable[year][2].toDouble(); }
    // Presses a command; `act` runs on the dialog it opens. False when none opened.
    template <class D>
    bool press(QPushButton* button, std::function<void(D&)> act) {
        test::ModalDriver<D> driver([&](D& d) {
            act(d);
            if (d.isVisible()) d.close();
        });
        clickButton(button);
        return driver.ran();
    }
    std::unique_ptr<MortgageCalc> w;
};

TEST_F(TablesTest, PeriodOverTheLimitTakesTheLimitAndDropsTheAdditionalPayments) {
    open();
    mm.PrePayTable[2][2] = Money::fromDouble(5000);
    mm.PrePayCount = 1;
    typeInto(w->InTerm, "45\n");
    EXPECT_EQ(port.messages, std::vector<int>{Msg::YearsLimit});
    EXPECT_EQ(mm.LoanInputs[3], 40);
    EXPECT_TRUE(mm.PrePayCount == 0 && amount(2) == 0);
}

// Enter walks through the lists to "&Calculate", which fills the screen; every edit empties it.
TEST_F(TablesTest, CalculateFillsTheScreenUntilTheNextEdit) {
    open();
    typeInto(w->Comperiod, "\n");
    pressKey(w->FreqPmt, Qt::Key_Return);
    ASSERT_TRUE(w->MCalc->hasFocus());
    pressKey(w->MCalc, Qt::Key_Return);
    EXPECT_EQ(w->InMonthPI->text(), "     $917.53");
    clickButton(w->Option1);
    EXPECT_TRUE(noResults());
    clickButton(w->MCalc);
    EXPECT_EQ(w->MGrid->rows(), 304);  // all 300 payments
    typeInto(w->InPrincipal, "5");
    EXPECT_TRUE(noResults());
}

TEST_F(TablesTest, AWrongEntryStopsTheCalculationWithoutResults) {
    typeInto(open().InRate, "0");
    clickButton(w->MCalc);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::WrongEntry});
    EXPECT_TRUE(noResults());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(TablesTest, TermLongerThanTheScheduleResetsToAllYears) {
    open().FreqPmt->setCurrentIndex(4);  // " Biweekly(Acc)": paid off in 19 years
    mm.DisplayTerm = 20;
    clickButton(w->MCalc);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::TermReset});
    EXPECT_EQ(mm.DisplayTerm, 0);
    EXPECT_TRUE(noResults());
}

// A list takes a picked entry when left, and turns with the wheel only when it has the focus.
TEST_F(TablesTest, ListsTakeAPickOnLeavingAndTheWheelOnlyWithTheFocus) {
    QWidget* list = open().FreqPmt;
    QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &wheel);
    EXPECT_EQ(w->FreqPmt->currentIndex(), 0);
    w->InRate->setFocus(Qt::TabFocusReason);
    w->InRate->setCurrentIndex(0);
    emit w->InRate->activated(0);
    clickButton(w->MCalc);
    EXPECT_EQ(mm.LoanInputs[2], 6);
}

TEST_F(TablesTest, OpensWithTheModesValuesAndQuickHelpReplacesTheGridUntilClosed) {
    mm.DefaultCompounding = 3;
    open(2);
    EXPECT_EQ(frame.frameCaption(), " Loan Tables");
    EXPECT_EQ(w->InPrincipal->text(), "   $20,000.00");
    EXPECT_EQ(w->Comperiod->currentText(), "   Semiannual");
    clickButton(w->MCalc);
    clickButton(w->MHelp);
    EXPECT_TRUE(w->MTextBox->toPlainText().contains("How to use for Car"));
    EXPECT_FALSE(w->MGrid->isVisible() || w->MPrinter->isEnabled());
    pressKey(w->MTextBox, Qt::Key_Return);  // Enter goes to the principal box
    EXPECT_TRUE(w->InPrincipal->hasFocus());
    clickButton(w->MHelp);
    EXPECT_TRUE(w->MGrid->isVisible() && w->MPrinter->isEnabled() && noResults());
}

TEST_F(TablesTest, ExitDiscardsTheTablesAndShowsTheMenu) {
    clickButton(open().MCalc);
    clickButton(w->MExit);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_TRUE(mm.ScheduleTable.empty());
}

TEST_F(TablesTest, PrePayKeysMonthOkAndEraseAllReachTheSharedState) {
    mm.PrePayTable[3][2] = Money::fromDouble(300);
    auto d = openWindow<MortPrePay>();
    typeKeys(d->PGrid, "1500\n7");
    EXPECT_EQ(d->PGrid->textAt(1, 1), "1,500.00");
    EXPECT_EQ(amount(1) + amount(2), 1507);
    pressKey(d->PGrid, Qt::Key_Delete);
    EXPECT_EQ(amount(2), 0);
    clickButton(d->InMth[11]);
    d->UsePrePay->setFocus();
    pressKey(d->UsePrePay, Qt::Key_Return);  // Enter presses the focused button
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_TRUE(mm.PrePayCount == 2 && mm.PrePayMonth == 11);
    openWindow<MortPrePay>()->DoNotUse->click();  // erases the period's amounts
    EXPECT_EQ(amount(1) + amount(3) + mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayMonth, 12);
}

TEST_F(TablesTest, DaysOptionsAndTheTypedCountCheckedOnExit) {
    auto d = openWindow<MortIRFTable>();
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
    EXPECT_EQ(mm.WeeklyPeriods, 52.07142857142857);
}

TEST_F(TablesTest, TermLongerThanThePeriodIsRefused) {
    mm.LoanInputs[3] = 3;
    auto d = openWindow<MSelTerm>();
    clickButton(d->TermPeriod[5]);
    clickButton(d->MTermExit);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::TermReset});
    EXPECT_TRUE(d->isVisible() && d->TermPeriod[0]->isChecked());
    EXPECT_EQ(mm.DisplayTerm, 0);
}

TEST_F(TablesTest, DateTakenOrRefusedWithThePreviousDateBack) {
    const std::string before = mm.FirstPayDate;
    auto d = openWindow<MortDateInput>();
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

// Each command empties the results (quick help staying open) and leaves the boxes untaken (no
// typing pending); the date toggle asks for the date only on the way to dates.
TEST_F(TablesTest, EachCommandOfTheWindowRunsTheReset) {
    open();
    const std::function<bool()> commands[] = {
        [&] { return press<MortPrePay>(w->MAddPrePay, [](auto& d) { d.UsePrePay->click(); }); },
        [&] { return press<MortIRFTable>(w->MShowIRF, [](auto& d) { d.ExitMort->click(); }); },
        [&] { return press<MSelTerm>(w->MTerm, [](auto& d) { d.MTermExit->click(); }); },
        [&] { return press<MortDateInput>(w->MDateNumber, [](auto& d) { d.OkExit->click(); }); },
    };
    for (const auto& command : commands) {
        clickButton(w->MCalc);
        EXPECT_TRUE(command());
        EXPECT_TRUE(w->InMonthPI->text().isEmpty());
        EXPECT_EQ(mm.ResultRowCount + mm.TypingFlag, 0);
    }
    EXPECT_EQ(w->MDateNumber->text(), "&View payment No.");
    clickButton(w->MHelp);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(commands[i]());
    EXPECT_FALSE(commands[3]());  // the date toggle goes back unasked
    EXPECT_EQ(mm.DateMode, 0);
    EXPECT_TRUE(w->MTextBox->isVisible());
}

// Pictures of the window and its dialogs, written when BW_SCREENSHOT_DIR names a folder.
TEST_F(TablesTest, Pictures) {
    const QString dir = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "BW_SCREENSHOT_DIR not set";
    clickButton(open().MCalc);
    EXPECT_TRUE(w->grab().save(dir + "/mortgage_calc.png"));
    mm.DaysOption = 4;
    EXPECT_TRUE(openWindow<MortPrePay>()->grab().save(dir + "/mort_pre_pay.png"));
    EXPECT_TRUE(openWindow<MortIRFTable>()->grab().save(dir + "/mort_irf_table.png"));
    EXPECT_TRUE(openWindow<MSelTerm>()->grab().save(dir + "/m_sel_term.png"));
    EXPECT_TRUE(openWindow<MortDateInput>()->grab().save(dir + "/mort_date_input.png"));
}

}  // namespace

namespace test {

struct TablesWindowBoxes {
    using Window = MortgageCalc;
    static std::unique_ptr<Window> open(WindowContext& c) {
        c.mm.TableMode = 1;
        return c.openWindow<MortgageCalc>();
    }
    static std::vector<NumberBoxCase> boxes(Window& w) {
        MMODULE& mm = w.context().mm;
        auto input = [&mm](int i) { return [&mm, i] { return mm.LoanInputs[i]; }; };
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
