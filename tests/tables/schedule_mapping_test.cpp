// The tables window's calculation against the shared state: the input read from MMODULE and
// what each outcome leaves there.

#include <gtest/gtest.h>

#include "schedule_fixtures.h"
#include "tables/schedule_mapping.h"

namespace bw {
namespace {

using namespace bw::test;

// The window's state after typing 20,000 at 9.5 % over 4 years of a personal loan, with 364 days,
// an additional 1,000 in year 2 paid after month 3, a 2-year term and payment dates.
MMODULE TypedLoan() {
    MMODULE mm;
    mm.TableMode = 2;
    mm.LoanInputs = {0, 20000, 9.5, 4, 0, 0};
    mm.DaysInYear = 364;
    mm.BiWeeklyPeriods = 26;
    mm.WeeklyPeriods = 52;
    mm.PrePayTable[2] = {Money(), Money::fromDouble(2), Money::fromDouble(1000)};
    mm.PrePayCount = 1;
    mm.PrePayMonth = 3;
    mm.DisplayTerm = 2;
    mm.DateMode = 1;
    mm.FirstPayDate = ShortDateText(QDate(2025, 3, 1));
    mm.RowView = 2;
    mm.CurrencySymbol = "\u00a3";
    return mm;
}

TEST(ScheduleMapping, TheInputIsTheWindowsState) {
    const MMODULE mm = TypedLoan();
    const AmortizationInput in = ScheduleInput(mm, kQuarterlyComp, kTwoWeeks);
    EXPECT_EQ(in.tableMode, 2);
    EXPECT_EQ(in.principal, 20000);
    EXPECT_EQ(in.rate, 9.5);
    EXPECT_EQ(in.period, 4);
    EXPECT_EQ(in.compounding, kQuarterlyComp);
    EXPECT_EQ(in.frequency, kTwoWeeks);
    EXPECT_EQ(in.daysInYear, 364.0f);
    EXPECT_EQ(in.biWeeklyPeriods, 26);
    EXPECT_EQ(in.weeklyPeriods, 52);
    EXPECT_EQ(in.prePayTable, mm.PrePayTable);
    EXPECT_EQ(in.prePayMonth, 3);
    EXPECT_EQ(in.displayTerm, 2);
    EXPECT_EQ(in.dateMode, 1);
    EXPECT_EQ(in.firstPayDate, mm.FirstPayDate);
    EXPECT_EQ(in.rowView, 2);

    const ScheduleView view = ScheduleViewOf(mm);
    EXPECT_EQ(view.tableMode, 2);
    EXPECT_EQ(view.rowView, 2);
    EXPECT_EQ(view.dateMode, 1);
    EXPECT_EQ(view.currencySymbol, "\u00a3");
    EXPECT_EQ(view.daysInYear, 364.0f);
    EXPECT_EQ(view.prePayTable, mm.PrePayTable);
    EXPECT_EQ(view.prePayCount, 1);
    EXPECT_EQ(view.prePayMonth, 3);
}

// The default mortgage from the shared state to the shared state: the worked figures of the
// monthly schedule land where the grid, the printout and the graph read them.
TEST(ScheduleMapping, ACompletedCalculationStoresItsSchedule) {
    MMODULE mm;
    mm.LoanInputs = {0, 100000, 10.125, 25, 0, 0};
    mm.PrintLines = {"", "old list", "", ""};
    mm.ResultRowCount = 5;
    mm.TypingFlag = 1;
    mm.YearTotals[3][2] = Money::fromDouble(1);
    BeginCalculation(mm);
    EXPECT_EQ(mm.ResultRowCount, 0);
    EXPECT_EQ(mm.TypingFlag, 0);
    EXPECT_EQ(mm.PrintLines[1], "");
    EXPECT_EQ(mm.YearTotals, YearTotalsData{});

    const AmortizationResult r = CalculateSchedule(ScheduleInput(mm, kMonthlyComp, kBiweeklyAcc));
    StoreSchedule(mm, r);
    EXPECT_EQ(mm.ScheduleTable.size(), 483u);  // rows 0 to 482
    EXPECT_EQ(mm.ScheduleTable[482][4], Money());
    EXPECT_DOUBLE_EQ(Cents(mm.ScheduleTable[482][5] + mm.ScheduleTable[482][6]), 220861.40);
    EXPECT_FLOAT_EQ(mm.RetiredYears, 482.0f / 26.0f);
    EXPECT_EQ(mm.GridRows, 482);
    EXPECT_EQ(mm.PaymentsPerYear, 26);
    EXPECT_EQ(mm.FrequencyKind, 2);

    const ScheduleTexts t = MakeScheduleTexts(r, ScheduleViewOf(mm));
    StoreShownTexts(mm, t);
    EXPECT_EQ(mm.ResultRowCount, 483);
    EXPECT_EQ(mm.GraphTitle, "Mortgage balance at start of each Year");

    MMODULE fresh;  // no PrintLines yet
    ScheduleTexts listed;
    listed.printText = "Additional  Payments     Applied\r\n\r\n";
    StoreShownTexts(fresh, listed);
    ASSERT_EQ(fresh.PrintLines.size(), 4u);
    EXPECT_EQ(fresh.PrintLines[1], listed.printText);
}

// A calculation that ends early keeps what it stored and leaves the rest as it was.
TEST(ScheduleMapping, EachOutcomeStoresWhatItReached) {
    struct Case {
        const char* name;
        std::string frequency;
        double rate, period;
        std::int16_t term;
        EngineOutcome outcome;
        std::size_t rows;  // of ScheduleTable
        std::int16_t paymentsPerYear, gridRows;
        float retiredYears;
        std::int16_t displayTerm;
    } cases[] = {
        {"completed", kMonthly, 10.125, 25, 5, EngineOutcome::Completed, 26, 12, 5, 25, 5},
        {"41 years", kMonthly, 10.125, 41, 5, EngineOutcome::Stopped, 3, 52, 2, 3, 5},
        {"zero rate", kMonthly, 0, 25, 5, EngineOutcome::Faulted, 3, 12, 2, 3, 5},
        {"term past the rows", kWeeklyAcc, 10.125, 10, 10, EngineOutcome::TermTooLong, 10, 52, 2, 3,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MMODULE mm;
        const ScheduleRow old{Money::fromDouble(7), Money::fromDouble(7)};
        mm.ScheduleTable.assign(3, old);
        mm.PaymentsPerYear = 52;
        mm.RetiredYears = 3;
        mm.GridRows = 2;
        mm.LoanInputs = {0, 100000, c.rate, c.period, 0, 0};
        mm.DisplayTerm = c.term;
        mm.RowView = 1;
        const AmortizationResult r =
            CalculateSchedule(ScheduleInput(mm, kMonthlyComp, c.frequency));
        ASSERT_EQ(r.outcome, c.outcome);
        StoreSchedule(mm, r);
        EXPECT_EQ(mm.DisplayTerm, c.displayTerm);
        EXPECT_EQ(mm.ScheduleTable.size(), c.rows);
        EXPECT_EQ(mm.ScheduleTable.back()[1] == old[1], c.rows == 3);
        EXPECT_EQ(mm.PaymentsPerYear, c.paymentsPerYear);
        EXPECT_EQ(mm.GridRows, c.gridRows);
        EXPECT_EQ(mm.RetiredYears, c.retiredYears);
    }
    // A fault part way keeps the rows stored before it over the old ones.
    MMODULE mm;
    mm.ScheduleTable.assign(kScheduleLastRow + 1, ScheduleRow{});
    mm.LoanInputs = {0, 100000, 10.125, 42, 0, 0};
    mm.TableMode = 2;
    mm.DaysInYear = 363;
    mm.WeeklyPeriods = 51.85714286;
    const AmortizationResult r = CalculateSchedule(ScheduleInput(mm, kMonthlyComp, kOneWeek));
    ASSERT_EQ(r.outcome, EngineOutcome::Faulted);
    StoreSchedule(mm, r);
    EXPECT_EQ(mm.ScheduleTable[kScheduleLastRow][1], Money::fromDouble(kScheduleLastRow));
}

}  // namespace
}  // namespace bw
