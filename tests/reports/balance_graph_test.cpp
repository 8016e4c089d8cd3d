// The balance graph's data: the principal, then the balance at the start of each year, from the
// annual view and from the all-payments view of the same loan.

#include <gtest/gtest.h>

#include "graph_fixture.h"  // (the engine and the shared state)
#include "reports/balance_graph.h"

namespace bw {
namespace {

MMODULE Calculated(AmortizationInput in) {
    EXPECT_EQ(CalculateSchedule(in).outcome, EngineOutcome::Completed);
    MMODULE mm;
    test::FillFromCalculation(mm, in);
    return mm;
}

TEST(BalanceGraph, TwentyFiveYearMortgageShowsTwentyFiveBarsFromThePrincipal) {
    AmortizationInput in;
    in.rowView = 1;
    MMODULE mm = Calculated(in);
    const BalanceGraph g = PrepareBalanceGraph(mm);
    const GraphData d = BalanceGraphData(g, "Mortgage balance at start of each Year");
    EXPECT_EQ(std::tuple(g.years, d.title),
              std::tuple(25, "Mortgage balance at start of each Year"));
    ASSERT_EQ(d.points.size(), 25u);
    for (int i = 0; i < 25; ++i) EXPECT_EQ(d.points[i].label, std::to_string(i + 1));
    EXPECT_DOUBLE_EQ(d.points[0].value, 100000.0);
    EXPECT_NEAR(d.points[1].value, 99072.41, 0.006);   // end of year 1
    EXPECT_NEAR(d.points[24].value, 10429.52, 0.006);  // end of year 24
    // Row Y + 1 holds the end of the loan; it is prepared but not drawn.
    EXPECT_NEAR(g.values[26], 0.0, 0.006);
    ASSERT_EQ(mm.GraphValues.size(), 27u);
    EXPECT_EQ(std::tuple(g.labels[26], mm.GraphValues[1]),
              std::tuple(26, Money::fromDouble(100000)));
}

// The all-payments view walks each year's payments; it must give the balances the annual view
// has, also for frequencies whose loans end in mid-year and with additional payments.
TEST(BalanceGraph, AllPaymentsViewMatchesTheAnnualView) {
    for (const auto& [frequency, prepayYear2] : {std::pair{"      Monthly", 0.0},
                                                 {"      2 Weeks", 0.0},
                                                 {"      1 Week", 0.0},
                                                 {"      Monthly", 7777.77}}) {
        AmortizationInput in;
        in.frequency = frequency;
        in.prePayTable[2] = {Money(), Money::fromDouble(2), Money::fromDouble(prepayYear2)};
        in.rowView = 1;
        MMODULE annual = Calculated(in);
        in.rowView = 2;
        MMODULE all = Calculated(in);
        const BalanceGraph a = PrepareBalanceGraph(annual);
        const BalanceGraph b = PrepareBalanceGraph(all);
        ASSERT_EQ(a.years, b.years) << frequency;
        for (int row = 1; row <= a.years + 1; ++row) {
            EXPECT_NEAR(a.values[row], b.values[row], 0.00005) << frequency << " row " << row;
            EXPECT_EQ(b.labels[row], row);
        }
        // The row after the last year holds the balance of the payment that paid the loan off.
        EXPECT_LE(b.values[b.years + 1], 1.00) << frequency;
    }
}

TEST(BalanceGraph, TwoWeekPaymentsEndInMidYear) {
    AmortizationInput in;
    in.frequency = "      2 Weeks";
    in.rowView = 2;
    MMODULE mm = Calculated(in);
    // 638 payments: 24.54 years, so 25 years of bars.
    const BalanceGraph g = PrepareBalanceGraph(mm);
    EXPECT_EQ(g.years, 25);
    EXPECT_NEAR(g.values[25], mm.ScheduleTable[24 * 26][4].toDouble(), 1e-9);
    EXPECT_GT(g.values[25], 1.00);
    EXPECT_NEAR(g.values[26], mm.ScheduleTable[638][4].toDouble(), 1e-9);
}

// A loan paid off within a year shows two bars: the principal and the balance at the start of
// year 2, in either view.
TEST(BalanceGraph, LoanPaidWithinAYearShowsTwoBars) {
    for (std::int16_t view : {std::int16_t(1), std::int16_t(2)}) {
        AmortizationInput in;
        std::tie(in.tableMode, in.principal, in.period, in.rowView) =
            std::tuple(2, 6000, 10.0 / 12.0, view);
        MMODULE mm = Calculated(in);
        const GraphData d = BalanceGraphData(PrepareBalanceGraph(mm), "t");
        ASSERT_EQ(d.points.size(), 2u) << view;
        EXPECT_EQ(d.points[0], (GraphPoint{"1", 6000.0, false}));
        EXPECT_EQ(d.points[1].label, "2");
        EXPECT_NEAR(d.points[1].value, 0.0, 1.0) << view;
    }
    MMODULE none;  // nothing calculated: the second bar has no place to come from
    EXPECT_TRUE(BalanceGraphData(PrepareBalanceGraph(none), "t").points.at(1).empty);
}

}  // namespace
}  // namespace bw
