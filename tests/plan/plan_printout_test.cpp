// The planner's printout on the plain-text back end, and its CSV export.

#include <gtest/gtest.h>

#include <algorithm>

#include "plan/plan_printout.h"
#include "plan/plan_texts.h"
#include "reports/text_backend.h"
#include "shell/dates.h"
#include "shell/mmodule.h"

namespace bw::plan {
namespace {

PlanInput RenewalExample() {
    PlanInput in;  // 25 years compounded semiannually
    std::tie(in.principal, in.firstDate) = std::tuple(300000'00, QDate(2027, 1, 1));
    in.rates = {{5, 5.0}, {5, 6.5}, {0, 7.0}};
    return in;
}

bool Has(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(text) != std::string::npos;
    });
}

TEST(PlanPrintout, HeaderTermsAndScheduleRowsInTheirColumns) {
    MMODULE mm;
    mm.CurrencySymbol = "$";
    mm.PrintHeader = "The Smiths' renewal";
    const PlanInput in = RenewalExample();
    const PlanResult result = ComputePlan(in);
    ASSERT_TRUE(result.ok());
    Printout printer;
    PrintPlan(printer, mm, in, result);
    const std::vector<PrintPage> pages = printer.pages();
    ASSERT_GT(pages.size(), 5u);  // 300 rows at 56 lines a page at most
    const std::vector<std::string> first = RenderPageLines(pages.front());
    EXPECT_EQ(first[1], " The Smiths' renewal");
    // Term 2: payments 61 to 120 at 6.5 %, its payment, and the balance after payment 120.
    // Payment 1: 300,000 x ((1.025)^(1/6) - 1) = 1,237.17 interest, 507.64 principal.
    for (const char* text :
         {" Principal          $300,000.00", "5 % for 5 years, 6.5 % for 5 years, 7 % to the end",
          "    2    61 - 120   6.500   1,966.19", "226,947.35",
          "   1,744.81   1,237.17     507.64       0.00   299,492.36", "Page 1"})
        EXPECT_TRUE(Has(first, text)) << text;
    const std::vector<std::string> last = RenderPageLines(pages.back());
    EXPECT_TRUE(Has(last, " Total:           587,559.20 287,559.20 300,000.00       0.00"));
    for (const PrintPage& page : pages) EXPECT_LE(page.lines.size(), 56u);
}

// The result boxes of the worked plans: plain, and with 200 extra on every payment.
TEST(PlanTexts, ResultBoxesOfTheWorkedPlans) {
    PlanInput in = RenewalExample();
    in.rates = {{0, 5.0}};
    const PlanBoxTexts plain = BoxTexts(in, ComputePlan(in), "$");
    EXPECT_EQ(
        std::tuple(plain.termPayments, plain.totalInterest, plain.apr, plain.effectiveRates,
                   plain.timeSaved),
        std::tuple("$1,744.81", "$223,445.97", "4.9487 %", "5.0625 %", "0 payments (0.0 years)"));
    in.extra = 200'00;
    const PlanBoxTexts extra = BoxTexts(in, ComputePlan(in), "$");
    EXPECT_EQ(std::tuple(extra.payments, extra.interestSaved, extra.timeSaved),
              std::tuple("246", "$45,686.50", "54 payments (4.5 years)"));
}

// Prepayments and a fee in the printed inputs, the cut lump sum, and an input error as the
// window words it.
TEST(PlanTexts, PrepaymentsCutLumpAndErrors) {
    PlanInput in = RenewalExample();
    in.rates = {{0, 5.0}};
    std::tie(in.lumps, in.privilegePercent, in.after, in.fee) =
        std::tuple(std::vector<LumpSum>{{12, QDate(), 40000'00}}, 10.0, AfterLump::Lower, 3000'00);
    const std::vector<std::string> lines = PlanInputLines(in, "$");
    for (const char* text : {"Lump sum           $40,000.00 after payment 12",
                             "Privilege          10 % a year; after a lump sum: Lower payment",
                             "Fee                $3,000.00 paid upfront"})
        EXPECT_TRUE(Has(lines, text)) << text;
    const std::vector<std::string> cut = CutLumpLines(ComputePlan(in), "$");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].substr(0, 26), "Lump sum after payment 12 ");
    EXPECT_NE(cut[0].find("$30,000.00 of $40,000.00 paid, $10,000.00 over"), std::string::npos);
    in.increasePercent = 2;
    EXPECT_EQ(WindowErrorText(ComputePlan(in)),
              "After lump sums: \"Lower payment\" cannot be combined with a yearly increase");
}

TEST(PlanCsv, OneLineARowInPlainNumbers) {
    const PlanResult result = ComputePlan(RenewalExample());
    const std::string csv = ScheduleCsv(result, PlanView::All);
    EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1) + 1),
              "payment,date,rate,regular,extra,interest,principal,lump,balance,"
              "cumulative_interest\n"
              "1,2027-01-01,5,1744.81,0.00,1237.17,507.64,0.00,299492.36,1237.17\n");
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 301);
    // The grid shows the same row with grouped amounts.
    EXPECT_EQ(
        ScheduleCells(result.rows[0], PlanView::All),
        (std::vector<std::string>{"1", ShortDateText(QDate(2027, 1, 1)), "5.000", "1,744.81",
                                  "0.00", "1,237.17", "507.64", "0.00", "299,492.36", "1,237.17"}));
}

}  // namespace
}  // namespace bw::plan
