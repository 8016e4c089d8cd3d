#pragma once
// The comparison engine: one row of the comparison table from the current inputs. It runs the
// amortization arithmetic of the tables window on the same inputs (all payments, no dates, no
// term) and adds what the comparison table shows of it: the row's texts and the additional
// payments it used.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "shell/mmodule.h"

namespace bw {

constexpr int kCompareMaxRows = 12;

struct ComparisonInput {
    double principal = 100000;
    double rate = 10.125;  // annual, percent
    double period = 25;    // years
    std::string compounding = "      Monthly";
    std::string frequency = "      Monthly";
    float daysInYear = 365.0f;
    double biWeeklyPeriods = 365.0 / 14.0;
    double weeklyPeriods = 365.0 / 7.0;
    PrePayTableData prePayTable{};
    std::int16_t prePayMonth = 12;
    int rowCounter = 0;  // rows already in the comparison table
    std::string currencySymbol = "$";
};

enum class ComparisonOutcome {
    RowAdded,       // a new row
    PeriodTooLong,  // message 5, no row
    RowLimit,       // message 22, no row; ResultRowCount becomes the row counter
    Faulted,        // message 4, no row
};

// One additional payment applied in the row, as the lower grid lists it.
struct ComparisonPrePay {
    int payment = 0;  // the payment it was added to
    Money year;       // PrePayTable(y, 1)
    int month = 0;    // the month of the choice (1 for code 12, else code + 1)
    Money amount;
};

struct ComparisonRow {
    ComparisonOutcome outcome = ComparisonOutcome::RowAdded;
    std::vector<int> messages;

    int rowNumber = 0;  // r: the row counter after the row is added
    std::int16_t frequencyKind = 0;
    std::int16_t paymentsPerYear = 12;
    double periodsPerYear = 12;
    int compoundingPerYear = 12;
    double monthlyRate = 0;
    double periodicRate = 0;  // PeriodicRate
    double payment = 0;       // M
    int payments = 0;         // k
    float retiredYears = 0;
    Money totalInterest;       // ScheduleTable(k, 5): shown and printed
    double graphInterest = 0;  // the running total: the graph's value
    std::vector<ComparisonPrePay> applied;
    ScheduleTableData schedule;  // the new ScheduleTable

    std::string daysText;  // "Norm" or the last four characters of e.g. "365.25"
    std::string rowTag;    // "1m  ", "sm  ", "2wk ", "1wk ", "b(a)", "w(a)"
    char compoundingLetter = 'M';

    // The texts of the row (filled when a row is added).
    std::array<std::string, 8> cells;  // the eight columns of the upper grid
    std::string printLine;             // the printout's line of the row (without line breaks)
    std::string graphLabel;            // "Row  1"
    std::string inDaysText;            // the InDays label
    std::string periodicRateText;      // the PeriodicR label
};

// Computes one comparison row. Never throws.
ComparisonRow CalculateComparisonRow(const ComparisonInput& input);

// The row tag of a frequency text (empty for a text not in the list).
std::string ComparisonRowTag(const std::string& frequency);

// The days text of a row: "Norm" for 12 or 24 payments a year, otherwise the last four
// characters of the days in year formatted "###.00".
std::string ComparisonDaysText(int paymentsPerYear, float daysInYear);

// The InDays label: "Normal" for 12 or 24 payments a year; otherwise the days in year with
// "###.##" when its plain text has its point in position 4, else with "###".
std::string InDaysText(int paymentsPerYear, float daysInYear);

}  // namespace bw
