// The tables dialogs driven through their controls: additional payments, days in year, term and
// the first payment date.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <memory>

#include "shell/dates.h"
#include "shell/ms_grid.h"
#include "support/gui_drive.h"
#include "tables/m_sel_term.h"
#include "tables/mort_date_input.h"
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"

namespace bw {
namespace {

using test::PickOption;
using test::TypeKeys;

class DialogsTest : public ::testing::Test, public test::WindowContext {
  protected:
    DialogsTest() {
        mm.LoanInputs[3] = 25;
        mm.FirstPayDate = ShortDateText(QDate(2027, 3, 15));
    }

    // Shows a dialog as the program does (modal) and waits until it has the focus.
    template <class D>
    std::unique_ptr<D> open() {
        return test::ShowActive(std::make_unique<D>(ctx));
    }

    double amount(int year) const {
        return mm.PrePayTable[static_cast<std::size_t>(year)][2].toDouble();
    }
};

// ---------------------------------------------------------------- additional payments

TEST_F(DialogsTest, PrePayLayoutForTwentyFiveYears) {
    auto d = open<MortPrePay>();
    EXPECT_EQ(d->windowTitle(), "Additional Payments");
    MSGrid* g = d->PGrid;
    EXPECT_EQ(g->cols(), 2);
    EXPECT_EQ(g->rows(), 26);
    EXPECT_EQ(mm.PrePayYears, 25);
    EXPECT_EQ(mm.GridRows, 26);
    EXPECT_EQ(g->textAt(0, 0), "Year Number");
    EXPECT_EQ(g->textAt(0, 1), "Amount of Payment");
    for (int y = 1; y <= 25; ++y) {
        EXPECT_EQ(g->textAt(y, 0), std::to_string(y));
        EXPECT_EQ(g->textAt(y, 1), ".00");
        EXPECT_EQ(mm.PrePayTable[static_cast<std::size_t>(y)][1], Money::fromDouble(y));
    }
    EXPECT_EQ(d->Label2->text(), " Apply to   Month");
    EXPECT_EQ(d->UsePrePay->text(), "&OK");
    EXPECT_EQ(d->DoNotUse->text(), "&Erase all");
    EXPECT_EQ(d->InMth[0]->text(), " 1");
    EXPECT_EQ(d->InMth[11]->text(), "12");
    EXPECT_TRUE(d->InMth[0]->isChecked());
    EXPECT_EQ(g->row(), 1);
    EXPECT_EQ(g->col(), 1);
    // Only the amount column can be selected.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(3, 0)).center());
    EXPECT_EQ(g->row(), 4);
    EXPECT_EQ(g->col(), 1);
}

TEST_F(DialogsTest, PrePayYearRowsRoundHalvesToEvenAndAreAtLeastTwenty) {
    struct Case {
        double period;
        int years;
        int gridRows;
    } cases[] = {{25.5, 26, 27},
                 {24.5, 24, 25},
                 {40, 40, 41},
                 {10, 10, 20},
                 {4, 4, 20},
                 // Periods no window should pass still open a usable dialog.
                 {0, 0, 20},
                 {-5, 0, 20},
                 {1e300, 45, 46},
                 {300, 45, 46}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period);
        mm.LoanInputs[3] = c.period;
        mm.PrePayTable = {};
        auto d = open<MortPrePay>();
        EXPECT_EQ(mm.PrePayYears, c.years);
        EXPECT_EQ(d->PGrid->rows(), c.gridRows);
        if (c.years > 0) {
            EXPECT_EQ(d->PGrid->textAt(c.years, 0), std::to_string(c.years));
        }
        if (c.gridRows > c.years + 1) {
            EXPECT_EQ(d->PGrid->textAt(c.years + 1, 0), "");
            EXPECT_EQ(d->PGrid->textAt(c.years + 1, 1), "");
        }
        d->PGrid->setRow(d->PGrid->rows() - 1);
        TypeKeys(d->PGrid, "12");
        d->UsePrePay->click();
    }
}

TEST_F(DialogsTest, PrePayTypingBuildsTheAmountKeyByKey) {
    auto d = open<MortPrePay>();
    MSGrid* g = d->PGrid;
    TypeKeys(g, "12.345");
    EXPECT_DOUBLE_EQ(amount(1), 12.34);
    EXPECT_EQ(g->textAt(1, 1), "12.34");

    // Enter moves to year 2 and the next keys start a new amount there.
    TypeKeys(g, "\n7");
    EXPECT_EQ(g->row(), 2);
    EXPECT_DOUBLE_EQ(amount(2), 7);
    TypeKeys(g, "\b");
    EXPECT_DOUBLE_EQ(amount(2), 0);
    EXPECT_EQ(g->textAt(2, 1), ".00");

    // Each key replaces the whole value; a double quote is discarded without a beep.
    TypeKeys(g, "\n1\"500");
    EXPECT_DOUBLE_EQ(amount(3), 1500);
    EXPECT_EQ(g->textAt(3, 1), "1,500.00");
    EXPECT_EQ(port.beeps, 0);

    // Letters beep and change nothing.
    TypeKeys(g, "x-");
    EXPECT_EQ(port.beeps, 2);
    EXPECT_DOUBLE_EQ(amount(3), 1500);

    // Delete sets the amount to 0 and the next key starts again.
    QTest::keyClick(g, Qt::Key_Delete);
    EXPECT_DOUBLE_EQ(amount(3), 0);
    EXPECT_EQ(g->textAt(3, 1), ".00");
    TypeKeys(g, "9");
    EXPECT_DOUBLE_EQ(amount(3), 9);

    // Moving with the arrow keys also starts a new amount.
    QTest::keyClick(g, Qt::Key_Up);
    TypeKeys(g, "4");
    EXPECT_DOUBLE_EQ(amount(2), 4);

    // Enter on the last row stays there.
    g->setRow(25);
    TypeKeys(g, "\n\n5");
    EXPECT_EQ(g->row(), 25);
    EXPECT_DOUBLE_EQ(amount(25), 5);
    EXPECT_TRUE(d->isVisible());  // Enter never closes the dialog
}

TEST_F(DialogsTest, PrePayOkCountsOnlyTheYearsOfThePeriod) {
    mm.LoanInputs[3] = 10;
    mm.PrePayCount = 3;  // counted again, not added to
    auto d = open<MortPrePay>();
    MSGrid* g = d->PGrid;
    g->setRow(2);
    TypeKeys(g, "1000");
    g->setRow(15);  // past the period: stored, not counted
    TypeKeys(g, "250");
    EXPECT_EQ(g->textAt(15, 1), "250.00");
    EXPECT_DOUBLE_EQ(amount(15), 250);
    d->UsePrePay->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(mm.PrePayCount, 1);
}

TEST_F(DialogsTest, PrePayMonthOptionsStoreCodes) {
    auto d = open<MortPrePay>();
    PickOption(d->InMth[11]);
    EXPECT_EQ(mm.PrePayMonth, 11);
    PickOption(d->InMth[0]);
    EXPECT_EQ(mm.PrePayMonth, 12);
    PickOption(d->InMth[4]);
    EXPECT_EQ(mm.PrePayMonth, 4);
    d->close();  // the choice takes effect at once, also when closed by the close box
    EXPECT_EQ(mm.PrePayMonth, 4);

    auto again = open<MortPrePay>();
    EXPECT_TRUE(again->InMth[4]->isChecked());
    again->close();

    mm.PrePayMonth = 0;  // as a table file may hold it
    auto zero = open<MortPrePay>();
    EXPECT_TRUE(zero->InMth[0]->isChecked());
    EXPECT_EQ(mm.PrePayMonth, 12);
}

TEST_F(DialogsTest, PrePayEraseAllAndReopen) {
    {
        auto d = open<MortPrePay>();
        d->PGrid->setRow(2);
        TypeKeys(d->PGrid, "5000");
        d->InMth[6]->click();
        d->UsePrePay->click();
        EXPECT_EQ(mm.PrePayCount, 1);
        EXPECT_EQ(mm.PrePayMonth, 6);
    }
    {
        auto d = open<MortPrePay>();
        EXPECT_EQ(d->PGrid->textAt(2, 1), "5,000.00");
        EXPECT_TRUE(d->InMth[6]->isChecked());
        d->DoNotUse->click();
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(mm.PrePayCount, 0);
        EXPECT_EQ(mm.PrePayMonth, 12);
        EXPECT_DOUBLE_EQ(amount(2), 0);
    }
    auto d = open<MortPrePay>();
    EXPECT_TRUE(d->InMth[0]->isChecked());
    for (int y = 1; y <= 25; ++y) EXPECT_EQ(d->PGrid->textAt(y, 1), ".00") << y;
}

TEST_F(DialogsTest, PrePayCloseBoxKeepsAmountsAndCount) {
    mm.PrePayCount = 0;
    auto d = open<MortPrePay>();
    d->PGrid->setRow(4);
    TypeKeys(d->PGrid, "300");
    d->close();
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_DOUBLE_EQ(amount(4), 300);
    EXPECT_EQ(mm.PrePayCount, 0);
    // Escape does not close the dialog.
    auto again = open<MortPrePay>();
    QTest::keyClick(again->PGrid, Qt::Key_Escape);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(again->PGrid->textAt(4, 1), "300.00");
}

// ---------------------------------------------------------------- days in year

TEST_F(DialogsTest, DaysDialogLoadsTheCurrentOption) {
    auto d = open<MortIRFTable>();
    EXPECT_EQ(d->windowTitle(), "Accelerated payments");
    EXPECT_EQ(d->Frame1->title(), " Change interest rate factor - days ");
    EXPECT_TRUE(d->IRFactor[1]->isChecked());
    EXPECT_FALSE(d->InIRFDays->isEnabled());
    const char* captions[] = {"365.25", "365", "364", "363", "Type in year"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(d->IRFactor[i]->text(), captions[i]);
    EXPECT_EQ(d->Label2->text(), "Other:");
    EXPECT_EQ(d->ExitMort->text(), "E&xit");
    EXPECT_EQ(d->Label1->text(),
              " Most Financial Institutions use 365. Other: type your own to calculate to 2 "
              "decimals between 363 - 365.25");
}

TEST_F(DialogsTest, DaysFixedOptionsSetTheirConstants) {
    struct Case {
        int option;
        float days;
        double bi, weekly;
    } cases[] = {{0, 365.25f, 26.08928571, 52.17857143},
                 {2, 364.0f, 26.0, 52.0},
                 {3, 363.0f, 25.92857143, 51.85714286},
                 {1, 365.0f, 26.07142857, 52.14285714}};
    for (const auto& c : cases) {
        auto d = open<MortIRFTable>();
        PickOption(d->IRFactor[static_cast<std::size_t>(c.option)]);
        QTest::mouseClick(d->ExitMort, Qt::LeftButton);
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(mm.DaysOption, c.option);
        EXPECT_EQ(mm.DaysInYear, c.days);
        EXPECT_EQ(mm.BiWeeklyPeriods, c.bi);
        EXPECT_EQ(mm.WeeklyPeriods, c.weekly);
    }
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(DialogsTest, DaysTypedCountIsCheckedOnExit) {
    auto d = open<MortIRFTable>();
    PickOption(d->IRFactor[4]);
    EXPECT_TRUE(d->InIRFDays->isEnabled());
    QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
    TypeKeys(d->InIRFDays, "364.5");
    QTest::mouseClick(d->ExitMort, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(mm.DaysOption, 4);
    EXPECT_EQ(mm.DaysInYear, 364.5f);
    EXPECT_EQ(mm.BiWeeklyPeriods, 26.035714285714285);
    EXPECT_EQ(mm.WeeklyPeriods, 52.07142857142857);

    // Reopening shows the typed count with two decimals.
    auto again = open<MortIRFTable>();
    EXPECT_TRUE(again->IRFactor[4]->isChecked());
    EXPECT_TRUE(again->InIRFDays->isEnabled());
    EXPECT_EQ(again->InIRFDays->text(), "364.50");
}

TEST_F(DialogsTest, DaysOutsideTheBoundsGiveMessage19) {
    struct Case {
        const char* typed;
        bool accepted;
    } cases[] = {{"365.26", false}, {"362.99", false}, {"363", true}, {"365.25", true},
                 {"400", false},    {"0", false},      {"", false}};  // an empty box counts as 0
    for (const auto& c : cases) {
        mm = MMODULE{};
        port.messages.clear();
        auto d = open<MortIRFTable>();
        PickOption(d->IRFactor[4]);
        QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
        TypeKeys(d->InIRFDays, c.typed);
        QTest::mouseClick(d->ExitMort, Qt::LeftButton);
        EXPECT_EQ(d->isVisible(), !c.accepted) << c.typed;
        if (c.accepted) {
            EXPECT_TRUE(port.messages.empty()) << c.typed;
            EXPECT_EQ(mm.BiWeeklyPeriods, static_cast<double>(mm.DaysInYear) / 14) << c.typed;
        } else {
            EXPECT_EQ(port.messages, std::vector<int>{19}) << c.typed;
            // The period counts are unchanged.
            EXPECT_EQ(mm.BiWeeklyPeriods, 26.07142857) << c.typed;
            EXPECT_EQ(mm.WeeklyPeriods, 52.14285714) << c.typed;
        }
    }
}

TEST_F(DialogsTest, DaysBoxTakesTwoDecimalsOnly) {
    auto d = open<MortIRFTable>();
    PickOption(d->IRFactor[4]);
    QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
    TypeKeys(d->InIRFDays, "364.257a");
    EXPECT_EQ(d->InIRFDays->text(), "364.25");
    EXPECT_EQ(port.beeps, 2);
    // Enter is discarded and does not close the dialog.
    TypeKeys(d->InIRFDays, "\n");
    EXPECT_TRUE(d->isVisible());
    // Leaving the box takes the value and shows it with two decimals.
    QTest::keyClick(d->InIRFDays, Qt::Key_Tab);
    EXPECT_EQ(mm.DaysInYear, 364.25f);
    EXPECT_EQ(d->InIRFDays->text(), "364.25");
}

TEST_F(DialogsTest, DaysCloseBoxSkipsTheCheck) {
    auto d = open<MortIRFTable>();
    PickOption(d->IRFactor[4]);
    QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
    TypeKeys(d->InIRFDays, "500");
    QTest::keyClick(d->InIRFDays, Qt::Key_Tab);  // the box has taken 500
    d->close();
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(mm.DaysOption, 4);
    // The period counts keep their values, and the day count is the one they were made from.
    EXPECT_EQ(mm.BiWeeklyPeriods, 26.07142857);
    EXPECT_EQ(mm.WeeklyPeriods, 52.14285714);
    EXPECT_EQ(mm.DaysInYear, 365.0f);
}

// ---------------------------------------------------------------- term

TEST_F(DialogsTest, TermLongerThanPeriodGivesMessage34) {
    mm.LoanInputs[3] = 3;
    auto d = open<MSelTerm>();
    EXPECT_EQ(d->windowTitle(), "Term");
    EXPECT_EQ(d->Frame1->title(), "Select term to display");
    EXPECT_TRUE(d->TermPeriod[0]->isChecked());
    PickOption(d->TermPeriod[5]);
    EXPECT_EQ(mm.DisplayTerm, 5);
    mm.TypingFlag = 1;
    QTest::mouseClick(d->MTermExit, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{34});
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->TermPeriod[0]->isChecked());
    EXPECT_EQ(mm.DisplayTerm, 0);
    EXPECT_EQ(mm.TypingFlag, 0);
    // A term equal to the period is accepted.
    PickOption(d->TermPeriod[3]);
    QTest::mouseClick(d->MTermExit, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(mm.DisplayTerm, 3);
    EXPECT_EQ(port.messages.size(), 1u);
}

TEST_F(DialogsTest, TermReopensOnTheCurrentChoice) {
    const char* captions[] = {"All Years", "1 Year",  "2 Years", "3 Years",
                              "4 Years",   "5 Years", "10 Years"};
    {
        auto d = open<MSelTerm>();
        const int terms[] = {0, 1, 2, 3, 4, 5, 10};
        for (std::size_t i = 0; i < kTermOptions; ++i) {
            EXPECT_EQ(d->TermPeriod[i]->text(), captions[i]);
            PickOption(d->TermPeriod[i]);  // each option sets its term at once
            EXPECT_EQ(mm.DisplayTerm, terms[i]);
        }
        QTest::mouseClick(d->MTermExit, Qt::LeftButton);
        EXPECT_EQ(mm.DisplayTerm, 10);
    }
    auto d = open<MSelTerm>();
    EXPECT_TRUE(d->TermPeriod[6]->isChecked());
    QTest::mouseClick(d->MTermExit, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(mm.DisplayTerm, 10);
}

// ---------------------------------------------------------------- first payment date

TEST_F(DialogsTest, DateDialogShowsAndTakesTheDate) {
    auto d = open<MortDateInput>();
    EXPECT_EQ(d->windowTitle(), "Date Input");
    EXPECT_EQ(d->Label1->text(), " Type in the date of   the first payment");
    EXPECT_EQ(d->OkExit->text(), "&OK");
    EXPECT_EQ(d->InDate->text().toStdString(), ShortDateText(QDate(2027, 3, 15)));

    const std::string typed = ShortDateText(QDate(2030, 1, 31));
    TypeKeys(d->InDate, QString::fromStdString(typed));
    EXPECT_EQ(d->InDate->text().toStdString(), typed);  // the first key replaced the old date
    d->OkExit->click();                                 // the focus never left the box
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(mm.FirstPayDate, typed);
}

TEST_F(DialogsTest, DateThatIsNoDateGivesMessage10) {
    const std::string before = mm.FirstPayDate;
    auto d = open<MortDateInput>();
    TypeKeys(d->InDate, "31/02");
    QTest::mouseClick(d->OkExit, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{10});
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(mm.FirstPayDate, before);
    EXPECT_EQ(d->InDate->text().toStdString(), before);
    EXPECT_TRUE(d->InDate->hasFocus());
    // The restored date is taken as it is.
    QTest::mouseClick(d->OkExit, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(mm.FirstPayDate, before);
}

TEST_F(DialogsTest, DateEnterMovesToOkAndChecksTheBox) {
    auto d = open<MortDateInput>();
    TypeKeys(d->InDate, "31/02/2027\n");
    EXPECT_TRUE(d->isVisible());
    QTest::qWait(20);  // the check runs once the focus has moved
    EXPECT_EQ(port.messages, std::vector<int>{10});
    EXPECT_TRUE(d->InDate->hasFocus());

    const std::string typed = ShortDateText(QDate(2028, 12, 1));
    TypeKeys(d->InDate, QString::fromStdString(typed) + "\n");
    QTest::qWait(20);
    EXPECT_TRUE(d->OkExit->hasFocus());
    EXPECT_EQ(mm.FirstPayDate, typed);
    QTest::keyClick(d->OkExit, Qt::Key_Return);
    EXPECT_FALSE(d->isVisible());
}

TEST_F(DialogsTest, DateCloseBoxKeepsThePreviousDate) {
    const std::string before = mm.FirstPayDate;
    auto d = open<MortDateInput>();
    TypeKeys(d->InDate, ShortDateText(QDate(2031, 5, 5)).c_str());
    d->close();
    QTest::qWait(20);
    EXPECT_EQ(mm.FirstPayDate, before);
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(DialogsTest, DateDialogWithoutAStoredDateShowsToday) {
    mm.FirstPayDate.clear();
    EXPECT_EQ(open<MortDateInput>()->InDate->text().toStdString(), ShortDateText(Today()));
}

// ---------------------------------------------------------------- placement

TEST_F(DialogsTest, DialogsPlaceThemselvesFromTheFrame) {
    struct Case {
        int frameClass;
        int twips[8];  // left, top of MortPrePay, MortIRFTable, MSelTerm, MortDateInput
    } cases[] = {{6810, {4300, 700, 3200, 1730, 3850, 1730, 4000, 2400}},
                 {8500, {4300, 700, 3200, 1730, 3850, 1730, 4000, 2400}},
                 {8670, {5300, 1700, 4300, 2770, 4850, 2770, 5000, 3400}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frameClass);
        mm.FrameClass = c.frameClass;
        const QPoint pos[] = {open<MortPrePay>()->pos(), open<MortIRFTable>()->pos(),
                              open<MSelTerm>()->pos(), open<MortDateInput>()->pos()};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pos[i], QPoint(Px(c.twips[2 * i]), Px(c.twips[2 * i + 1]))) << i;
    }
}

// Screenshots of the four dialogs, for looking at them: BW_SCREENSHOTS=DIR.
TEST_F(DialogsTest, Screenshots) {
    const QString dir = qEnvironmentVariable("BW_SCREENSHOTS");
    if (dir.isEmpty()) GTEST_SKIP() << "set BW_SCREENSHOTS to a folder to save them";
    mm.LoanInputs[3] = 25.5;
    for (int y = 1; y <= 26; ++y) mm.PrePayTable[y][1] = Money::fromDouble(y);
    mm.PrePayTable[2][2] = Money::fromDouble(5000);
    mm.PrePayTable[4][2] = Money::fromDouble(12345.67);
    mm.PrePayMonth = 5;
    EXPECT_TRUE(open<MortPrePay>()->grab().save(dir + "/mort_pre_pay.png"));
    mm.DaysOption = 4;
    mm.DaysInYear = 364.5f;
    EXPECT_TRUE(open<MortIRFTable>()->grab().save(dir + "/mort_irf_table.png"));
    mm.DisplayTerm = 10;
    EXPECT_TRUE(open<MSelTerm>()->grab().save(dir + "/m_sel_term.png"));
    EXPECT_TRUE(open<MortDateInput>()->grab().save(dir + "/mort_date_input.png"));
}

}  // namespace
}  // namespace bw
