// The tables window driven through its controls: typing into the boxes, the limits of the period,
// the view options, "&Calculate" with the grid and the result boxes, quick help and leaving.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <cmath>
#include <functional>
#include <memory>

#include "shell/mdi_container.h"
#include "shell/ms_grid.h"
#include "support/gui_drive.h"
#include "tables/mortgage_calc.h"
#include "tables/quick_help.h"

namespace bw {
namespace {

using test::TypeInto;

// "1234567.891" → "1,234,567.89": two decimals with thousands commas, made independently of the
// program's number formatter.
std::string Grouped(double v) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    const std::string s(buffer);
    const std::size_t whole = s.size() - 3;
    std::string out;
    for (std::size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0) out += ',';
        out += s[i];
    }
    return out + s.substr(whole);
}

class MortgageCalcTest : public ::testing::Test, public test::WindowContext {
  protected:
    MortgageCalc& open(std::int16_t mode) {
        mm.TableMode = mode;
        window = test::ShowActive(std::make_unique<MortgageCalc>(ctx));
        return *window;
    }
    // Leaves the box that has the focus by clicking another control.
    void clickCalculate() { QTest::mouseClick(window->MCalc, Qt::LeftButton); }
    std::string cell(int row, int col) const { return window->MGrid->textAt(row, col); }
    static std::string trimmed(const QString& text) { return text.trimmed().toStdString(); }

    // The seven result boxes, InDays .. TotSavd, joined by '|'.
    std::string resultBoxes() const {
        std::string texts;
        for (QLabel* box :
             {window->InDays, window->PeriodicR, window->NumPmtsYear, window->InMonthPI,
              window->EndMortYear, window->AllPayments, window->TotSavd})
            texts += (texts.empty() ? "" : "|") + box->text().toStdString();
        return texts;
    }

    bool gridEmpty() const {
        for (int r = 1; r < window->MGrid->rows(); ++r)
            for (int c = 0; c < window->MGrid->cols(); ++c)
                if (!cell(r, c).empty()) return false;
        return true;
    }

    // The results and the grid are gone: the state the reset routine leaves.
    void expectNoResults() {
        EXPECT_TRUE(gridEmpty());
        EXPECT_EQ(window->InMonthPI->text(), "");
        EXPECT_EQ(mm.ResultRowCount, 0);
        EXPECT_FALSE(window->hasResult());
    }

    std::unique_ptr<MortgageCalc> window;
};

TEST_F(MortgageCalcTest, LoadsTheDefaultsOfEachMode) {
    struct Case {
        std::int16_t mode;
        const char *caption, *principal, *rate, *period;
        double years;
        const char *label3, *label8, *label11, *heading, *lastPeriod, *compounding;
    } cases[] = {
        {1, " Mortgage Tables", "   $100,000.00", "        10.125%", "            25", 25,
         " Amortization period    in years.", " Total paid over   life of mortgage",
         " No. of years to  final payment.", "  Payment   No.  Year", "40", "      Monthly"},
        {2, " Loan Tables", "   $20,000.00", "         10.125%", "            48", 4,
         " Payback period of     the loan in months.", " Total paid over   life of the loan.",
         " No. months to   final payment.", " Year Number", "60", "   Semiannual"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        mm.DefaultCompounding = c.mode == 2 ? 3 : 0;
        MortgageCalc& w = open(c.mode);
        EXPECT_EQ(frame.frameCaption(), c.caption);
        EXPECT_EQ(w.InPrincipal->text(), c.principal);
        EXPECT_EQ(w.InRate->currentText(), c.rate);
        EXPECT_EQ(w.InTerm->currentText(), c.period);
        EXPECT_EQ(mm.LoanInputs[2], 10.125);
        EXPECT_EQ(mm.LoanInputs[3], c.years);
        EXPECT_EQ(w.Label3->text(), c.label3);
        EXPECT_EQ(w.Label8->text(), c.label8);
        EXPECT_EQ(w.Label11->text(), c.label11);
        EXPECT_EQ(cell(0, 0), c.heading);
        EXPECT_EQ(w.InTerm->itemText(w.InTerm->count() - 1), c.lastPeriod);
        EXPECT_EQ(w.Comperiod->currentText(), c.compounding);
        EXPECT_TRUE(w.Option2->isChecked());
        EXPECT_EQ(mm.TypingFlag, 0);
        EXPECT_FALSE(w.MTextBox->isVisible());
    }
    open(1);  // the mortgage-only texts
    EXPECT_EQ(mm.LoanInputs[1], 100000);
    EXPECT_EQ(window->Label1->text(), " Principal amount of    mortgage.");
    EXPECT_EQ(mm.GridRows, 26);
    EXPECT_EQ(window->MGrid->cols(), 6);
    EXPECT_EQ(cell(0, 5), "Cumulative Principal");
    EXPECT_EQ(window->MGrid->rowHeightTwips(0), 510);
    ASSERT_EQ(window->InRate->count(), 5);
    EXPECT_EQ(window->InRate->itemText(0), "6 ");
    ASSERT_EQ(window->FreqPmt->count(), 6);
    EXPECT_EQ(window->FreqPmt->itemText(4), " Biweekly(Acc)");
    EXPECT_EQ(window->MHelp->text(), "Quick &Help");
    EXPECT_EQ(window->MExit->text(), "E&xit to Menu");
}

TEST_F(MortgageCalcTest, FirstKeyEmptiesThePrincipalAndLeavingFormatsIt) {
    MortgageCalc& w = open(1);
    TypeInto(w.InPrincipal, "2");
    EXPECT_EQ(w.InPrincipal->text(), "2");
    EXPECT_EQ(mm.TypingFlag, 1);
    TypeInto(w.InPrincipal, "50000.5\n");
    EXPECT_TRUE(w.InRate->hasFocus());  // Enter moves on to the rate
    EXPECT_EQ(mm.LoanInputs[1], 250000.5);
    EXPECT_EQ(w.InPrincipal->text(), "     $250,000.50");  // right-aligned in 16
    EXPECT_EQ(mm.TypingFlag, 0);
    EXPECT_EQ(port.beeps, 0);
}

TEST_F(MortgageCalcTest, DeleteKeyEmptiesTheResultsAndTheEditIsTaken) {
    MortgageCalc& w = open(1);
    clickCalculate();
    ASSERT_FALSE(gridEmpty());
    w.InPrincipal->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.InPrincipal->selectedText(), w.InPrincipal->text());  // whole text selected
    w.InPrincipal->setCursorPosition(4);  // before the "1" of "   $100,000.00"
    QTest::keyClick(w.InPrincipal, Qt::Key_Delete);
    expectNoResults();
    EXPECT_EQ(w.InPrincipal->text(), "   $00,000.00");
    clickCalculate();
    // "$00,000.00" is no number: its leading number ends at the "$".
    EXPECT_EQ(mm.LoanInputs[1], 0);
    EXPECT_EQ(w.InPrincipal->text(), "            $.00");
}

TEST_F(MortgageCalcTest, BoxesRefuseKeysTheirFilterDoesNotTake) {
    MortgageCalc& w = open(1);
    struct Case {
        QWidget* box;
        const char *keys, *shown;
    } cases[] = {{w.InPrincipal, "12a.345", "12.34"},  // a letter, a third decimal
                 {w.InRate, "6.1254", "6.125"},        // a fourth decimal
                 {w.InTerm, "2.5", "25"}};             // a point in whole years
    int beeps = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        TypeInto(c.box, c.keys);
        const auto* edit = qobject_cast<QLineEdit*>(c.box);
        EXPECT_EQ(edit ? edit->text() : static_cast<QComboBox*>(c.box)->currentText(), c.shown);
        beeps += edit ? 2 : 1;
        EXPECT_EQ(port.beeps, beeps);
    }
    // The rate's three decimals are taken on Enter.
    TypeInto(w.InRate, "6.125\n");
    EXPECT_TRUE(w.InTerm->hasFocus());
    EXPECT_EQ(mm.LoanInputs[2], 6.125);
    EXPECT_EQ(w.InRate->currentText(), "         6.125%");
}

TEST_F(MortgageCalcTest, PeriodLimitsAndMonths) {
    struct Case {
        std::int16_t mode;
        const char* keys;
        std::vector<int> messages;
        const char* shown;
        double stored;  // years
    } cases[] = {
        {1, "45\n", {5}, "40", 40}, {2, "500\n", {16}, "480", 40}, {2, "30\n", {}, "30", 2.5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        port.messages.clear();
        MortgageCalc& w = open(c.mode);
        TypeInto(w.InTerm, c.keys);
        EXPECT_TRUE(w.Comperiod->hasFocus());
        EXPECT_EQ(port.messages, c.messages);
        EXPECT_EQ(trimmed(w.InTerm->currentText()), c.shown);
        EXPECT_EQ(w.InTerm->currentText().size(), 16);
        EXPECT_EQ(mm.LoanInputs[3], c.stored);
        EXPECT_EQ(mm.TypingFlag, 0);
    }
}

TEST_F(MortgageCalcTest, EditingOrPickingThePeriodDiscardsTheAdditionalPayments) {
    MortgageCalc& w = open(1);
    mm.PrePayTable[2][2] = Money::fromDouble(5000);
    mm.PrePayCount = 1;
    // Passing through the box without an edit keeps them.
    TypeInto(w.InTerm, "\n");
    EXPECT_EQ(mm.PrePayCount, 1);
    TypeInto(w.InTerm, "20\n");
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayTable[2][2], Money());
    EXPECT_EQ(mm.LoanInputs[3], 20);

    mm.PrePayTable[3][2] = Money::fromDouble(1000);
    mm.PrePayCount = 1;
    w.InTerm->setFocus();
    w.InTerm->setCurrentIndex(1);
    emit w.InTerm->activated(1);
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.TypingFlag, 1);
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[3], 30);
    EXPECT_EQ(window->MGrid->rows(), 34);  // 30 year rows + 4
}

TEST_F(MortgageCalcTest, ArrowKeysInTheRateListTakeTheEntry) {
    MortgageCalc& w = open(1);
    w.InRate->setFocus();
    QTest::keyClick(w.InRate, Qt::Key_Down);
    const QString shown = w.InRate->currentText();
    EXPECT_EQ(mm.TypingFlag, 1);
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[2], shown.trimmed().toDouble());
    EXPECT_EQ(w.InRate->currentText().trimmed(), shown.trimmed() + ".000%");
}

TEST_F(MortgageCalcTest, ListsRefuseTypedKeysAndEnterMovesOn) {
    MortgageCalc& w = open(1);
    TypeInto(w.Comperiod, "x");
    EXPECT_EQ(port.beeps, 1);
    EXPECT_EQ(w.Comperiod->currentText(), "      Monthly");
    TypeInto(w.Comperiod, "\n");
    EXPECT_TRUE(w.FreqPmt->hasFocus());
    TypeInto(w.FreqPmt, "\n");
    EXPECT_TRUE(w.MCalc->hasFocus());
    EXPECT_EQ(mm.TypingFlag, 0);
    // Enter on "&Calculate" calculates.
    QTest::keyClick(w.MCalc, Qt::Key_Return);
    EXPECT_EQ(
        resultBoxes(),
        "      Normal|0.0084375|          12|     $917.53|       25.00| $275,258.20|        $.00");
    // Giving the window the focus puts it in the principal box.
    w.setFocus();
    EXPECT_TRUE(w.InPrincipal->hasFocus());
}

TEST_F(MortgageCalcTest, TheWheelTurnsOnlyAListThatHasTheFocus) {
    MortgageCalc& w = open(1);
    TypeInto(w.InPrincipal, "7");
    QWheelEvent wheel(QPointF(5, 5), w.FreqPmt->mapToGlobal(QPointF(5, 5)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w.FreqPmt, &wheel);
    EXPECT_EQ(w.FreqPmt->currentIndex(), 0);
    EXPECT_EQ(mm.TypingFlag, 1);  // the edit of the principal is still taken on leaving
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[1], 7);
}

TEST_F(MortgageCalcTest, CalculateFillsAllPaymentsWithYearNumbers) {
    MortgageCalc& w = open(1);
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    ASSERT_EQ(mm.RowView, 2);
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(w.MGrid->rows(), 304);
    EXPECT_EQ(cell(1, 0), "   1       1");
    EXPECT_EQ(cell(12, 0), "  12       1");
    EXPECT_EQ(cell(13, 0), "  13       2");
    EXPECT_EQ(cell(300, 0), " 300      25");
    EXPECT_EQ(cell(301, 0), "");
    // First row: interest 843.75 = 100,000 x 0.0084375 (the row's texts: the schedule text tests).
    EXPECT_EQ(cell(1, 1), "843.75");
    EXPECT_EQ(cell(302, 0), "Total:");
    EXPECT_EQ(cell(302, 3), "$.00");
    EXPECT_EQ(cell(302, 5), "$100,000.00");
    EXPECT_EQ(mm.ResultRowCount, 301);
    EXPECT_EQ(mm.GridRows, 300);
    EXPECT_EQ(mm.GraphTitle, "Mortgage balance at start of each Year");
    EXPECT_EQ(w.lastPaymentsPerYear(), 12);
}

TEST_F(MortgageCalcTest, CalculateFillsTheAnnualView) {
    MortgageCalc& w = open(1);
    clickCalculate();
    EXPECT_EQ(w.MGrid->rows(), 29);
    EXPECT_EQ(cell(0, 0), " Payment  Year");
    EXPECT_EQ(cell(1, 0), "   1");
    EXPECT_EQ(cell(25, 0), "  25");
    EXPECT_EQ(cell(26, 0), "");
    EXPECT_EQ(cell(27, 0), "Total:");
    EXPECT_EQ(mm.ResultRowCount, 25);

    // Year 1 recomputed here: twelve payments of the monthly schedule.
    const double rm = 0.0084375;
    const double payment = 100000 * rm / (1 - std::pow(1 + rm, -300));
    double balance = 100000, interest = 0;
    for (int k = 0; k < 12; ++k) {
        interest += balance * rm;
        balance -= payment - balance * rm;
    }
    EXPECT_EQ(cell(1, 1), Grouped(interest));
    EXPECT_EQ(cell(1, 3), Grouped(balance));
    EXPECT_EQ(cell(25, 3), ".00");
    EXPECT_EQ(cell(25, 5), "100,000.00");
}

TEST_F(MortgageCalcTest, SwitchingViewsOrTypingEmptiesTheGridAndTheResults) {
    MortgageCalc& w = open(1);
    clickCalculate();
    ASSERT_FALSE(gridEmpty());
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    expectNoResults();
    EXPECT_EQ(cell(0, 1), "Interest Payment");
    EXPECT_EQ(mm.TypingFlag, 0);
    clickCalculate();
    EXPECT_EQ(w.MGrid->rows(), 304);
    QTest::mouseClick(w.Option2, Qt::LeftButton);
    expectNoResults();
    EXPECT_EQ(mm.RowView, 1);
    clickCalculate();
    ASSERT_TRUE(w.hasResult());
    TypeInto(w.InPrincipal, "5");
    expectNoResults();
}

// The lists reach the calculation: compounding, frequency and the loan mode (the figures of the
// worked examples; the monthly mortgage is checked above).
TEST_F(MortgageCalcTest, ListChoicesGiveTheWorkedExamples) {
    struct Case {
        std::int16_t mode;
        int compounding, frequency;  // indexes in the lists
        const char* boxes;
    } cases[] = {
        {1, 3, 0,
         "      Normal|0.00826484|          12|     $902.91|       25.00| $270,873.89|        "
         "$.00"},
        {1, 0, 2,
         "365|0.00387476|          26|     $423.47|       24.54| $269,924.71|   $5,333.49"},
        {1, 0, 4,
         "365|0.00387476|          26|     $458.76|       18.54| $220,861.40|  $54,396.79"},
        {2, 0, 0,
         "      Normal|0.0084375|          12|     $508.45|       48.00|  $24,405.75|        $.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.boxes);
        MortgageCalc& w = open(c.mode);
        w.Comperiod->setCurrentIndex(c.compounding);
        w.FreqPmt->setCurrentIndex(c.frequency);
        clickCalculate();
        EXPECT_TRUE(port.messages.empty());
        EXPECT_EQ(resultBoxes(), c.boxes);
    }
}

TEST_F(MortgageCalcTest, TotalsOfAMillionOrMoreAreShownWhole) {
    MortgageCalc& w = open(1);
    TypeInto(w.InPrincipal, "500000");
    clickCalculate();
    // The principal plus the sum of the monthly interest parts, summed here.
    const double rm = 0.0084375;
    const double payment = 500000 * rm / (1 - std::pow(1 + rm, -300));
    double balance = 500000, interest = 0;
    for (int k = 0; k < 300; ++k) {
        interest += balance * rm;
        balance -= payment - balance * rm;
    }
    EXPECT_EQ(w.AllPayments->text().toStdString(), "$" + Grouped(500000 + interest));
    EXPECT_EQ(w.AllPayments->text(), "$1,376,290.98");
    EXPECT_EQ(w.InMonthPI->text(), "   $4,587.64");
}

TEST_F(MortgageCalcTest, EntriesTheEngineRefuses) {
    struct Case {
        const char* name;
        std::function<void(MortgageCalc&, MMODULE&)> enter;
        std::vector<int> messages;
    } cases[] = {
        {"rate 0", [](MortgageCalc& w, MMODULE&) { TypeInto(w.InRate, "0"); }, {4}},
        {"huge principal",
         [](MortgageCalc& w, MMODULE&) { TypeInto(w.InPrincipal, "99999999999999999999"); },
         {4}},
        // A period above 40 years read from a file.
        {"41 years", [](MortgageCalc&, MMODULE& m) { m.LoanInputs[3] = 41; }, {5}},
        {"principal 0", [](MortgageCalc& w, MMODULE&) { TypeInto(w.InPrincipal, "0"); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.messages.clear();
        MortgageCalc& w = open(1);
        c.enter(w, mm);
        w.MCalc->setFocus();
        w.calculate();
        EXPECT_EQ(port.messages, c.messages);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        if (!c.messages.empty()) {
            expectNoResults();
        } else {  // a schedule of zeros
            EXPECT_EQ(w.InPrincipal->text(), "            $.00");
            EXPECT_EQ(cell(1, 1), ".00");
            EXPECT_EQ(cell(25, 3), ".00");
        }
    }
    EXPECT_EQ(mm.LoanInputs[1], 0);
}

TEST_F(MortgageCalcTest, DisplayTermShowsItsRowsAndTheTermTotals) {
    MortgageCalc& w = open(1);
    mm.DisplayTerm = 5;
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(cell(60, 0), "  60       5");
    EXPECT_EQ(cell(61, 0), "");
    EXPECT_EQ(cell(62, 0), "5 Yr. Term");
    EXPECT_EQ(cell(62, 3), "$" + cell(60, 3));
}

TEST_F(MortgageCalcTest, TermLongerThanTheResultEndsWithMessage34AndAReset) {
    MortgageCalc& w = open(1);
    mm.DisplayTerm = 20;
    w.FreqPmt->setCurrentIndex(4);  // " Biweekly(Acc)": paid off in 18.54 years, 19 year rows
    clickCalculate();
    EXPECT_EQ(port.messages, std::vector<int>{34});
    EXPECT_EQ(mm.DisplayTerm, 0);
    EXPECT_EQ(mm.TypingFlag, 1);
    expectNoResults();
    // The next calculation shows all years.
    port.messages.clear();
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    EXPECT_EQ(w.MGrid->rows(), 23);  // 19 rows + 4 is below the least of 23
    EXPECT_EQ(cell(19, 0), "  19");
    EXPECT_EQ(cell(21, 0), "Total:");
}

TEST_F(MortgageCalcTest, FortyYearWeeklyScheduleFillsTheGrid) {
    MortgageCalc& w = open(1);
    TypeInto(w.InTerm, "40\n");
    w.FreqPmt->setCurrentIndex(3);  // "      1 Week"
    QTest::mouseClick(w.Option1, Qt::LeftButton);
    clickCalculate();
    EXPECT_TRUE(port.messages.empty());
    const int rows = mm.GridRows;
    EXPECT_GT(rows, 1900);
    EXPECT_LE(rows, 2100);
    EXPECT_EQ(w.MGrid->rows(), rows + 4);
    EXPECT_EQ(cell(rows, 3), ".00");
    EXPECT_EQ(cell(rows + 2, 0), "Total:");
}

TEST_F(MortgageCalcTest, ExitDiscardsTheTablesAndShowsTheMenu) {
    MortgageCalc& w = open(1);
    clickCalculate();
    mm.PrePayMonth = 5;
    mm.PrePayCount = 1;
    QTest::mouseClick(w.MExit, Qt::LeftButton);
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_EQ(frame.menuShown, 1);
    EXPECT_EQ(mm.RowView, 0);
    EXPECT_EQ(mm.ResultRowCount, 0);
    EXPECT_EQ(mm.GridRows, 0);
    EXPECT_EQ(mm.PrePayCount, 0);
    EXPECT_EQ(mm.PrePayMonth, 12);
    EXPECT_TRUE(mm.ScheduleTable.empty());
    EXPECT_EQ(mm.LoanInputs[1], 0);
}

TEST_F(MortgageCalcTest, QuickHelpReplacesTheGridAndCloses) {
    MortgageCalc& w = open(1);
    clickCalculate();
    QTest::mouseClick(w.MHelp, Qt::LeftButton);
    EXPECT_EQ(w.MHelp->text(), "Close &Help");
    EXPECT_EQ(mm.HelpShown, 1);
    EXPECT_TRUE(w.MTextBox->isVisible());
    EXPECT_FALSE(w.MGrid->isVisible());
    EXPECT_FALSE(w.MPrinter->isEnabled());
    EXPECT_FALSE(w.MGraphs->isEnabled());
    EXPECT_TRUE(w.MTextBox->hasFocus());
    QString expected = QString::fromStdString(QuickHelpText(1));
    expected.replace("\r\n", "\n");
    EXPECT_EQ(w.MTextBox->toPlainText(), expected);

    // The panel cannot be typed into.
    QTest::keyClick(w.MTextBox, 'x');
    EXPECT_EQ(port.beeps, 1);
    EXPECT_EQ(w.MTextBox->toPlainText(), expected);

    QTest::mouseClick(w.MHelp, Qt::LeftButton);
    EXPECT_EQ(w.MHelp->text(), "Quick &Help");
    EXPECT_EQ(mm.HelpShown, 0);
    EXPECT_FALSE(w.MTextBox->isVisible());
    EXPECT_TRUE(w.MGrid->isVisible());
    EXPECT_TRUE(w.MPrinter->isEnabled());
    expectNoResults();  // the schedule comes back with the next calculation
    EXPECT_EQ(mm.TypingFlag, 0);
}

TEST_F(MortgageCalcTest, TypingWhileQuickHelpIsOpenLeavesThePanelOpen) {
    MortgageCalc& w = open(2);
    QTest::mouseClick(w.MHelp, Qt::LeftButton);
    EXPECT_TRUE(w.MTextBox->toPlainText().startsWith(QString(26, ' ') + "How to use for Car"));
    QTest::keyClick(w.MTextBox, Qt::Key_Return);  // Enter goes to the principal box
    EXPECT_TRUE(w.InPrincipal->hasFocus());
    TypeInto(w.InPrincipal, "15000");
    EXPECT_TRUE(w.MTextBox->isVisible());
    EXPECT_EQ(mm.HelpShown, 1);
    // "&Calculate" closes the panel and shows the schedule.
    clickCalculate();
    EXPECT_EQ(mm.LoanInputs[1], 15000);
    EXPECT_FALSE(w.MTextBox->isVisible());
    EXPECT_TRUE(w.MGrid->isVisible());
    EXPECT_EQ(w.MHelp->text(), "Quick &Help");
    EXPECT_EQ(mm.HelpShown, 0);
    EXPECT_GT(mm.ResultRowCount, 0);
}

// Pictures of the window for a person to look at: written only when BW_SCREENSHOT_DIR names a
// folder. The last one is the window inside the program's frame, as the README shows it.
TEST(MortgageCalcPictures, SavesScreenshots) {
    const QString folder = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "BW_SCREENSHOT_DIR not set";
    for (std::int16_t mode : {1, 2}) {
        test::WindowContext c;
        c.mm.TableMode = mode;
        MortgageCalc w(c.ctx);
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        const QString prefix = folder + (mode == 1 ? "/mortgage" : "/loan");
        w.grab().save(prefix + "-loaded.png");
        w.MCalc->setFocus();
        w.calculate();
        w.grab().save(prefix + "-annual.png");
        w.Option1->click();
        w.FreqPmt->setCurrentIndex(4);
        w.calculate();
        w.grab().save(prefix + "-all.png");
        w.MHelp->click();
        w.grab().save(prefix + "-help.png");
    }
    test::WindowContext c;
    c.mm.TableMode = 1;
    MDIContainer frame(c.mm);
    AppContext ctx{c.mm, c.port, frame};
    auto* menu = new QWidget;
    menu->setFixedSize(200, 100);
    frame.load(menu);
    frame.resize(1080, 700);
    frame.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
    auto* w = new MortgageCalc(ctx);
    menu->hide();
    frame.showChild(w);
    QApplication::processEvents();
    w->Option1->click();
    w->FreqPmt->setCurrentIndex(4);
    w->MCalc->setFocus();
    w->calculate();
    QApplication::processEvents();
    frame.grab().save(folder + "/framed.png");
}

}  // namespace
}  // namespace bw
