#pragma once
// The amortization engine of the tables window: from the inputs to the payment schedule.

#include <cstdint>
#include <string>
#include <vector>

#include "shell/mmodule.h"

namespace bw {

struct AmortizationInput {
    std::int16_t tableMode = 1;  // 1 mortgage, 2 personal loan (period given in years either way)
    double principal = 100000;
    double rate = 10.125;  // annual, percent
    double period = 25;    // years
    std::string compounding = "      Monthly";
    std::string frequency = "      Monthly";
    float daysInYear = 365.0f;
    double biWeeklyPeriods = 26.07142857;
    double weeklyPeriods = 52.14285714;
    PrePayTableData prePayTable{};
    std::int16_t prePayMonth = 12;
    std::int16_t displayTerm = 0;
    std::int16_t dateMode = 0;  // 0 payment numbers, 1 payment dates
    std::string firstPayDate;   // the date text; read only when dateMode is 1
    std::int16_t rowView = 2;   // 1 annual totals, 2 all payments
};

enum class EngineOutcome {
    Completed,    // results and grid are to be shown
    Stopped,      // message 5: nothing was calculated, the schedule is empty
    Faulted,      // message 4: abandoned; the schedule holds the rows stored before the fault
    TermTooLong,  // message 34 at the end: window reset, TypingFlag 1, grid not refilled
};

struct AmortizationResult {
    EngineOutcome outcome = EngineOutcome::Completed;
    std::vector<int> messages;     // message numbers in the order raised (4, 5, 34)
    std::int16_t displayTerm = 0;  // DisplayTerm after the calculation (reset to 0 by message 34)

    // The rows computed, from row 0 (all zeros) to the last row (`lastRow`): payments, or years in
    // the annual view. Never more than rows 0..2100.
    ScheduleTableData schedule;
    YearTotalsData yearTotals{};

    std::int16_t frequencyKind = 0;
    std::int16_t paymentsPerYear = 12;
    double periodsPerYear = 12;   // F
    int compoundingPerYear = 12;  // m

    double monthlyRate = 0;    // rm
    double periodicRate = 0;   // rp, the interest rate factor
    double discount = 0;       // v
    double normalPayment = 0;  // PM
    double normalTotal = 0;    // NormalTotal
    double payment = 0;        // A, unrounded
    double loopRate = 0;       // i

    int payments = 0;  // L: the number of payments of the loan
    int lastRow = 0;   // the last row of the table (payments, or year rows in the annual view)
    float retiredYears = 0;
    std::int16_t gridRows = 0;
    int appliedCount = 0;
    // Each additional payment applied (amount above zero): the payment it went with, the row of
    // the additional-payments table it came from and its amount. The comparison table lists them.
    struct AppliedPayment {
        int payment = 0;
        int year = 0;
        Money amount;
    };
    std::vector<AppliedPayment> applied;
    double totalInterest = 0;  // the running total of the interest parts, unrounded
    Money totalPaid;
    double savings = 0;  // below 10 shown as 0 (already applied)
};

AmortizationResult CalculateSchedule(const AmortizationInput& input);

// m for a compounding text, 0 when the text is not one of the list's.
int CompoundingPerYear(const std::string& text);

}  // namespace bw
