// The tables window's calculation against the shared state: the input read from MMODULE and
// what each outcome leaves there.

#include <gtest/gtest.h>

#include "schedule_fixtures.h"
#include "tables/schedule_mapping.h"

namespace bw {
namespace {

using namespace bw::test;

TEST(ScheduleMapping, TheInputAndViewAreTheWindowsState) {
    // A personal loan of 20,000 at 9.5 % over 4 years, with 364 days, an additional 1,000 in
    // year 2 paid after month 3, a 2-year term and payment dates.
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
    const AmortizationInput in = ScheduleInput(mm, lists::kCompounding[2], kTwoWeeks);
    EXPECT_EQ(std::tie(in.tableMode, in.principal, in.rate, in.period, in.compounding, in.frequency,
                       in.daysInYear, in.biWeeklyPeriods, in.weeklyPeriods, in.prePayTable,
                       in.prePayMonth, in.displayTerm, in.dateMode, in.firstPayDate, in.rowView),
              std::tie(mm.TableMode, mm.LoanInputs[1], mm.LoanInputs[2], mm.LoanInputs[3],
                       lists::kCompounding[2], kTwoWeeks, mm.DaysInYear, mm.BiWeeklyPeriods,
                       mm.WeeklyPeriods, mm.PrePayTable, mm.PrePayMonth, mm.DisplayTerm,
                       mm.DateMode, mm.FirstPayDate, mm.RowView));
    const ScheduleView v = ScheduleViewOf(mm);
    EXPECT_EQ(std::tie(v.tableMode, v.rowView, v.dateMode, v.currencySymbol, v.daysInYear,
                       v.prePayTable, v.prePayCount, v.prePayMonth),
              std::tie(mm.TableMode, mm.RowView, mm.DateMode, mm.CurrencySymbol, mm.DaysInYear,
                       mm.PrePayTable, mm.PrePayCount, mm.PrePayMonth));
}

// The default mortgage from the shared state to the shared state: the worked figures land where
// the grid, the printout and the graph read them.
TEST(ScheduleMapping, ACompletedCalculationStoresItsSchedule) {
    MMODULE mm;
    mm.LoanInputs = {0, 100000, 10.125, 25, 0, 0};
    mm.ResultRowCount = 5;
    mm.TypingFlag = 1;
    mm.YearTotals[3][2] = Money::fromDouble(1);
    BeginCalculation(mm);  // with no PrintLines yet
    EXPECT_EQ(std::tuple(mm.ResultRowCount + mm.TypingFlag, mm.PrintLines, mm.YearTotals),
              std::tuple(0, std::vector<std::string>(4), YearTotalsData{}));
    mm.PrintLines[1] = "old list";
    BeginCalculation(mm);
    EXPECT_EQ(mm.PrintLines[1], "");

    const AmortizationResult r = CalculateSchedule(ScheduleInput(mm, kMonthlyComp, kBiweeklyAcc));
    StoreSchedule(mm, r);
    EXPECT_EQ(std::tuple(mm.ScheduleTable, mm.YearTotals, mm.FrequencyKind),
              std::tuple(r.schedule, r.yearTotals, 2));

    ScheduleTexts t = MakeScheduleTexts(r, ScheduleViewOf(mm));
    t.printText = "listed";
    MMODULE fresh;  // no PrintLines yet
    for (MMODULE* m : {&mm, &fresh}) {
        StoreShownTexts(*m, t);
        ASSERT_EQ(m->PrintLines.size(), 4u);
        EXPECT_EQ(std::tuple(m->ResultRowCount, m->GraphTitle, m->PrintLines[1]),
                  std::tuple(483, "Mortgage balance at start of each Year", "listed"));
    }
}

// A calculation that ends early keeps what it stored and leaves the rest as it was.
TEST(ScheduleMapping, EachOutcomeStoresWhatItReached) {
    // Frequency, rate, period, term; outcome, rows of ScheduleTable, payments a year, grid rows,
    // retired years and term stored.
    const std::tuple<std::string, double, double, std::int16_t, EngineOutcome, std::size_t,
                     std::int16_t, std::int16_t, float, std::int16_t>
        cases[] = {
            {kMonthly, 10.125, 25, 5, EngineOutcome::Completed, 26, 12, 5, 25, 5},
            {kMonthly, 10.125, 41, 5, EngineOutcome::Stopped, 3, 52, 2, 3, 5},
            {kMonthly, 0, 25, 5, EngineOutcome::Faulted, 3, 12, 2, 3, 5},
            {kWeeklyAcc, 10.125, 10, 10, EngineOutcome::TermTooLong, 10, 52, 2, 3, 0},
            // A row past the table's end: the rows stored before the fault replace the old ones.
            {kOneWeek, 10.125, 45, 0, EngineOutcome::Faulted, 2101, 52, 2, 3, 0},
        };
    for (const auto& [frequency, rate, period, term, outcome, rows, paymentsPerYear, gridRows,
                      retiredYears, displayTerm] : cases) {
        SCOPED_TRACE(static_cast<int>(outcome));
        MMODULE mm;
        const ScheduleRow old{Money::fromDouble(7), Money::fromDouble(7)};
        mm.ScheduleTable.assign(3, old);
        mm.PaymentsPerYear = 52;
        mm.RetiredYears = 3;
        mm.GridRows = 2;
        mm.LoanInputs = {0, 100000, rate, period, 0, 0};
        mm.TableMode = rows > 1000 ? 2 : 1;
        mm.DisplayTerm = term;
        mm.RowView = rows > 1000 ? 2 : 1;
        const AmortizationResult r = CalculateSchedule(ScheduleInput(mm, kMonthlyComp, frequency));
        ASSERT_EQ(r.outcome, outcome);
        StoreSchedule(mm, r);
        EXPECT_EQ(std::tuple(mm.DisplayTerm, mm.ScheduleTable.size(), mm.ScheduleTable.back()[1],
                             mm.PaymentsPerYear, mm.GridRows, mm.RetiredYears),
                  std::tuple(displayTerm, rows, rows == 3 ? old[1] : Money::fromDouble(rows - 1),
                             paymentsPerYear, gridRows, retiredYears));
    }
}

}  // namespace
}  // namespace bw
