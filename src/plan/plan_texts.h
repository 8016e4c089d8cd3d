#pragma once
// What the planner shows of a plan: the texts of its result boxes, schedule and term summary
// cells, the list of lump sums the privilege cut, and the schedule as CSV. The window, the
// printout and the export all take their texts from here.

#include <string>
#include <vector>

#include "plan/plan_engine.h"

namespace bw::plan {

// An amount in cents as "$1,744.81" (`currency` in front, thousands grouped, two decimals).
std::string MoneyText(Cents amount, const std::string& currency);
// A rate as "5.0625 %".
std::string PercentText(double percent, int decimals = 4);

// The list entries of the planner's own lists.
const std::vector<std::string>& DaysChoices();          // "365.25", "365", "364", "363"
const std::vector<std::string>& AfterLumpChoices();     // "Shorter mortgage", "Lower payment"
const std::vector<std::string>& ScheduleViewChoices();  // "All payments", "Yearly"

// The result boxes.
struct PlanBoxTexts {
    std::string termPayments;  // each term's first regular payment, "$1,744.81 / $1,966.19"
    std::string payments;      // number of payments, "300"
    std::string totalInterest;
    std::string totalPaid;
    std::string apr;             // "4.9487 %"
    std::string effectiveRates;  // each term's, "5.0625 % / 6.6056 %"
    std::string interestSaved;
    std::string timeSaved;  // "54 payments (4.5 years)"
};
PlanBoxTexts BoxTexts(const PlanInput& input, const PlanResult& result,
                      const std::string& currency);

// An input error as the planner window words it: the caption of the control named instead of
// the option name ("After lump sums: ..."), the window's list texts for the option values.
std::string WindowErrorText(const PlanResult& result);

// One line a lump sum cut down by the yearly privilege (or the balance left).
std::vector<std::string> CutLumpLines(const PlanResult& result, const std::string& currency);

// The schedule grid: headings and the cells of one row (amounts without currency symbol).
std::vector<std::string> ScheduleHeadings(PlanView view);
std::vector<std::string> ScheduleCells(const PlanRow& row, PlanView view);

// The term summary: headings and the cells of term `index` (0-based).
std::vector<std::string> TermHeadings();
std::vector<std::string> TermCells(const PlanTerm& term, int index);

// The schedule as CSV: a heading line, then one line a row in plain numbers, dates as
// yyyy-mm-dd; lines end with "\n".
std::string ScheduleCsv(const PlanResult& result, PlanView view);

}  // namespace bw::plan
