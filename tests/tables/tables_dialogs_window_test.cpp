// The tables window with its dialogs: each command opens its dialog, empties the results (quick
// help staying open), and the choices made reach the next "&Calculate".

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "shell/ms_grid.h"
#include "support/window_context.h"
#include "tables/m_sel_term.h"
#include "tables/mort_date_input.h"
#include "tables/mort_irf_table.h"
#include "tables/mort_pre_pay.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

class TablesDialogsWindowTest : public ::testing::Test, public test::WindowContext {
  protected:
    TablesDialogsWindowTest() { window = test::ShowActive(std::make_unique<MortgageCalc>(ctx)); }

    // Presses a command; `act` runs on the dialog it opens. False when no dialog opened.
    template <class D>
    bool press(QPushButton* button, std::function<void(D&)> act) {
        test::ModalDriver<D> driver([&](D& d) {
            act(d);
            if (d.isVisible()) d.close();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        return driver.ran();
    }
    // Every command that opens a dialog, answered with the dialog's own button.
    std::vector<std::function<bool()>> commands() {
        return {
            [&] {
                return press<MortPrePay>(window->MAddPrePay, [](auto& d) { d.UsePrePay->click(); });
            },
            [&] {
                return press<MortIRFTable>(window->MShowIRF, [](auto& d) { d.ExitMort->click(); });
            },
            [&] { return press<MSelTerm>(window->MTerm, [](auto& d) { d.MTermExit->click(); }); },
            [&] {
                return press<MortDateInput>(window->MDateNumber,
                                            [](auto& d) { d.OkExit->click(); });
            },
        };
    }
    std::string cell(int row, int col) const { return window->MGrid->textAt(row, col); }
    void calculate() { QTest::mouseClick(window->MCalc, Qt::LeftButton); }

    std::unique_ptr<MortgageCalc> window;
};

TEST_F(TablesDialogsWindowTest, EachCommandEmptiesTheResultsAndLeavesTheBoxesUntaken) {
    for (const auto& command : commands()) {
        calculate();
        ASSERT_NE(mm.ResultRowCount, 0);
        EXPECT_TRUE(command());
        EXPECT_TRUE(cell(1, 1).empty());
        EXPECT_TRUE(window->InMonthPI->text().isEmpty());
        EXPECT_EQ(mm.ResultRowCount, 0);
        EXPECT_EQ(mm.TypingFlag, 0);
        // Passing through the principal box afterwards leaves its value alone.
        QTest::mouseClick(window->InPrincipal, Qt::LeftButton);
        QTest::keyClick(window->InPrincipal, Qt::Key_Tab);
        EXPECT_EQ(mm.LoanInputs[1], 100000);
    }
}

TEST_F(TablesDialogsWindowTest, QuickHelpStaysOpenWhileTheDialogsAreUsed) {
    QTest::mouseClick(window->MHelp, Qt::LeftButton);
    for (const auto& command : commands()) EXPECT_TRUE(command());
    EXPECT_EQ(mm.HelpShown, 1);
    EXPECT_TRUE(window->MTextBox->isVisible());
    EXPECT_EQ(window->MHelp->text(), "Close &Help");
}

TEST_F(TablesDialogsWindowTest, ChoicesMadeInTheDialogsReachTheNextCalculation) {
    ASSERT_TRUE(press<MortPrePay>(window->MAddPrePay, [](MortPrePay& d) {
        d.PGrid->setRow(2);
        test::TypeKeys(d.PGrid, "5000");
        d.UsePrePay->click();
    }));
    ASSERT_TRUE(press<MSelTerm>(window->MTerm, [](MSelTerm& d) {
        test::PickOption(d.TermPeriod[5]);
        d.MTermExit->click();
    }));
    calculate();
    EXPECT_EQ(mm.GridRows, 5);
    EXPECT_EQ(cell(7, 0), "5 Yr. Term");
    EXPECT_EQ(cell(11, 0), "Year    2");  // the applied payment listed under the totals
}

TEST_F(TablesDialogsWindowTest, DateToggleAsksForTheDateOnlyOnTheWayToDates) {
    ASSERT_TRUE(press<MortDateInput>(window->MDateNumber, [](auto& d) { d.OkExit->click(); }));
    EXPECT_EQ(window->MDateNumber->text(), "&View payment No.");
    EXPECT_EQ(mm.DateMode, 1);
    test::PickOption(window->Option1);
    calculate();
    EXPECT_EQ(cell(0, 0), " Payment  Date");
    EXPECT_FALSE(press<MortDateInput>(window->MDateNumber, [](auto&) {}));
    EXPECT_EQ(window->MDateNumber->text(), "&View payment date");
    EXPECT_EQ(mm.DateMode, 0);
}

}  // namespace
}  // namespace bw
