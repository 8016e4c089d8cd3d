// The tables dialogs wired to their rules: additional payments, days in year, term and the first
// payment date. The rules themselves are tested in the core.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <memory>

#include "shell/dates.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "support/window_context.h"
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
    template <class D>
    std::unique_ptr<D> open() {
        return test::ShowActive(std::make_unique<D>(ctx));
    }
    double amount(int year) const { return mm.PrePayTable[year][2].toDouble(); }
};

TEST_F(DialogsTest, PrePayKeysMonthAndOkReachTheSharedState) {
    auto d = open<MortPrePay>();
    EXPECT_EQ(d->PGrid->rows(), 26);
    TypeKeys(d->PGrid, "1500\n7");
    EXPECT_EQ(amount(1), 1500);
    EXPECT_EQ(d->PGrid->textAt(1, 1), "1,500.00");
    EXPECT_EQ(amount(2), 7);
    PickOption(d->InMth[11]);
    EXPECT_EQ(mm.PrePayMonth, 11);
    QTest::keyClick(d->PGrid, Qt::Key_Delete);
    EXPECT_EQ(amount(2), 0);
    d->UsePrePay->setFocus();
    QTest::keyClick(d->UsePrePay, Qt::Key_Return);  // Enter presses the focused button
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(mm.PrePayCount, 1);
}

TEST_F(DialogsTest, PrePayEraseAllEmptiesThePeriodsAmounts) {
    mm.PrePayTable[3][2] = Money::fromDouble(300);
    mm.PrePayCount = 1;
    mm.PrePayMonth = 5;
    auto d = open<MortPrePay>();
    EXPECT_EQ(d->PGrid->textAt(3, 1), "300.00");
    EXPECT_TRUE(d->InMth[5]->isChecked());
    d->DoNotUse->click();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(amount(3), 0);
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayMonth, 12);
}

TEST_F(DialogsTest, DaysOptionsAndTheTypedCountCheckedOnExit) {
    auto d = open<MortIRFTable>();
    PickOption(d->IRFactor[2]);
    EXPECT_EQ(mm.DaysInYear, 364.0f);
    EXPECT_EQ(mm.BiWeeklyPeriods, 26.0);
    PickOption(d->IRFactor[4]);
    QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
    TypeKeys(d->InIRFDays, "362.999");  // a third decimal beeps
    EXPECT_EQ(port.beeps, 1);
    QTest::mouseClick(d->ExitMort, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::DaysRange});
    EXPECT_TRUE(d->isVisible());
    QTest::mouseClick(d->InIRFDays, Qt::LeftButton);
    TypeKeys(d->InIRFDays, "364.5");
    QTest::mouseClick(d->ExitMort, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(mm.DaysInYear, 364.5f);
    EXPECT_EQ(mm.WeeklyPeriods, 52.07142857142857);
    EXPECT_EQ(open<MortIRFTable>()->InIRFDays->text(), "364.50");
}

TEST_F(DialogsTest, TermLongerThanThePeriodIsRefused) {
    mm.LoanInputs[3] = 3;
    auto d = open<MSelTerm>();
    PickOption(d->TermPeriod[5]);
    EXPECT_EQ(mm.DisplayTerm, 5);
    QTest::mouseClick(d->MTermExit, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::TermReset});
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->TermPeriod[0]->isChecked());
    EXPECT_EQ(mm.DisplayTerm, 0);
}

TEST_F(DialogsTest, DateTakenOrRefusedWithThePreviousDateBack) {
    const std::string before = mm.FirstPayDate;
    auto d = open<MortDateInput>();
    // Keys that type nothing leave the date alone.
    QTest::keyClick(d->InDate, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(d->InDate, Qt::Key_Escape);
    EXPECT_EQ(d->InDate->text().toStdString(), before);
    TypeKeys(d->InDate, "31/02");
    QTest::mouseClick(d->OkExit, Qt::LeftButton);
    EXPECT_EQ(port.messages, std::vector<int>{Msg::BadDate});
    EXPECT_EQ(d->InDate->text().toStdString(), before);
    const std::string typed = ShortDateText(QDate(2030, 1, 31));
    TypeKeys(d->InDate, QString::fromStdString(typed));
    QTest::mouseClick(d->OkExit, Qt::LeftButton);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(mm.FirstPayDate, typed);
}

TEST_F(DialogsTest, DialogsPlaceThemselvesFromTheFrame) {
    struct Case {
        int frameClass;
        int twips[8];  // left, top of MortPrePay, MortIRFTable, MSelTerm, MortDateInput
    } cases[] = {{8500, {4300, 700, 3200, 1730, 3850, 1730, 4000, 2400}},
                 {8670, {5300, 1700, 4300, 2770, 4850, 2770, 5000, 3400}}};
    for (const auto& c : cases) {
        mm.FrameClass = c.frameClass;
        const QPoint pos[] = {open<MortPrePay>()->pos(), open<MortIRFTable>()->pos(),
                              open<MSelTerm>()->pos(), open<MortDateInput>()->pos()};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pos[i], QPoint(Px(c.twips[2 * i]), Px(c.twips[2 * i + 1]))) << i;
    }
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
    EXPECT_TRUE(open<MortPrePay>()->grab().save(dir + "/mort_pre_pay.png"));
    EXPECT_TRUE(open<MortIRFTable>()->grab().save(dir + "/mort_irf_table.png"));
    EXPECT_TRUE(open<MSelTerm>()->grab().save(dir + "/m_sel_term.png"));
    EXPECT_TRUE(open<MortDateInput>()->grab().save(dir + "/mort_date_input.png"));
}

}  // namespace
}  // namespace bw
