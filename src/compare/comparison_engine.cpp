#include "compare/comparison_engine.h"

#include <algorithm>
#include <cmath>

#include "shell/messages.h"
#include "shell/number_format.h"
#include "tables/amortization_engine.h"

namespace bw {

std::string ComparisonRowTag(const std::string& frequency) {
    static const std::array<std::string, 6> tags = {"1m  ", "sm  ", "2wk ", "1wk ", "b(a)", "w(a)"};
    for (std::size_t i = 0; i < lists::kFrequency.size(); ++i)
        if (frequency == lists::kFrequency[i]) return tags[i];
    return "";
}

std::string ComparisonDaysText(int paymentsPerYear, float daysInYear) {
    if (paymentsPerYear == 12 || paymentsPerYear == 24) return "Norm";
    const std::string days = FormatNumber(static_cast<double>(daysInYear), "###.00");
    return days.size() <= 4 ? days : days.substr(days.size() - 4);
}

std::string InDaysText(int paymentsPerYear, float daysInYear) {
    if (paymentsPerYear == 12 || paymentsPerYear == 24) return "Normal";
    const std::string plain = PlainNumber(daysInYear);
    const bool pointAtFour = plain.size() > 3 && plain[3] == '.';
    return FormatNumber(static_cast<double>(daysInYear), pointAtFour ? "###.##" : "###");
}

namespace {

char CompoundingLetter(const std::string& compounding) {
    const auto first = compounding.find_first_not_of(' ');
    return first == std::string::npos ? ' ' : compounding[first];
}

// The texts of an added row: grid cells, printout line, graph label and the two labels.
void FillTexts(ComparisonRow& row, const ComparisonInput& in) {
    const std::string& sym = in.currencySymbol;
    const bool marked = !row.applied.empty();
    const std::string label = std::string(1, row.compoundingLetter);
    const std::string years = FormatNumber(static_cast<double>(row.retiredYears), "###.00");
    const std::string period = FormatNumber(in.period, "###");
    const std::string perYear = FormatNumber(row.paymentsPerYear, "###");
    const std::string principal = sym + FormatNumber(in.principal, "####,,###.00");
    const std::string rate = FormatNumber(in.rate, "###.000");
    const std::string payment = sym + FormatNumber(row.payment, "###,,###.00");
    const std::string interest = sym + FormatNumber(row.totalInterest, "####,,###.00");
    const std::string rowLabel =
        FormatNumber(row.rowNumber, "00") + " " + row.daysText + " " + label + " " + row.rowTag;

    row.cells = {rowLabel, period,  (marked ? "*" : "") + years, perYear, principal, rate,
                 payment,  interest};

    // Each field right-aligned in its width; a figure longer than its field (a mortgage of ten
    // million or more) is printed whole rather than cut to its first characters. The total
    // interest, the last field, has no blank of its own before it: a total of a million or more
    // widens it by the character it needs, so that it never runs into the payment.
    const auto fit = [](const std::string& text, int width) {
        return static_cast<int>(TextLength(text)) > width ? text : RightAlign(text, width);
    };
    const int interestWidth = std::max(13, static_cast<int>(TextLength(interest)) + 1);
    row.printLine = " " + rowLabel + fit(period, 3) + (marked ? "  *" : "   ") + fit(years, 5) +
                    " " + fit(perYear, 4) + " " + fit(principal, 13) + " " + fit(rate, 7) + " " +
                    fit(payment, 10) + RightAlign(interest, interestWidth);

    row.graphLabel = "Row  " + std::to_string(row.rowNumber);
    row.inDaysText = InDaysText(row.paymentsPerYear, in.daysInYear);
    row.periodicRateText = FormatNumber(row.periodicRate, "0.########");
}

}  // namespace

ComparisonRow CalculateComparisonRow(const ComparisonInput& in) {
    ComparisonRow row;
    row.rowTag = ComparisonRowTag(in.frequency);
    row.compoundingLetter = CompoundingLetter(in.compounding);

    // The 40-year limit comes before the row limit.
    if (in.period >= 41) {
        row.outcome = ComparisonOutcome::PeriodTooLong;
        row.messages.push_back(Msg::YearsLimit);
        return row;
    }
    if (in.rowCounter >= kCompareMaxRows) {
        row.outcome = ComparisonOutcome::RowLimit;
        row.messages.push_back(Msg::RowLimit);
        return row;
    }

    AmortizationInput a;
    a.tableMode = 1;
    a.principal = in.principal;
    a.rate = in.rate;
    a.period = in.period;
    a.compounding = in.compounding;
    a.frequency = in.frequency;
    a.daysInYear = in.daysInYear;
    a.biWeeklyPeriods = in.biWeeklyPeriods;
    a.weeklyPeriods = in.weeklyPeriods;
    a.prePayTable = in.prePayTable;
    a.prePayMonth = in.prePayMonth;
    a.displayTerm = 0;
    a.dateMode = 0;
    a.rowView = 2;
    AmortizationResult s = CalculateSchedule(a);

    if (s.outcome != EngineOutcome::Completed || s.payments < 0 || s.payments > kScheduleLastRow ||
        s.applied.size() > 40) {
        // Only a fault can end the shared engine early here (no term, no 40-year stop left).
        row.outcome = ComparisonOutcome::Faulted;
        row.messages = {Msg::WrongEntry};
        return row;
    }

    row.rowNumber = in.rowCounter + 1;
    row.frequencyKind = s.frequencyKind;
    row.paymentsPerYear = s.paymentsPerYear;
    row.periodsPerYear = s.periodsPerYear;
    row.compoundingPerYear = s.compoundingPerYear;
    row.monthlyRate = s.monthlyRate;
    row.periodicRate = s.periodicRate;
    row.payment = s.payment;
    row.payments = s.payments;
    row.retiredYears = s.retiredYears;
    row.totalInterest = s.schedule[static_cast<std::size_t>(s.payments)][5];
    row.graphInterest = s.totalInterest;
    const int month = in.prePayMonth == 12 ? 1 : in.prePayMonth + 1;
    for (const auto& p : s.applied)
        row.applied.push_back(
            {p.payment, in.prePayTable[static_cast<std::size_t>(p.year)][1], month, p.amount});
    row.schedule = std::move(s.schedule);
    row.daysText = ComparisonDaysText(row.paymentsPerYear, in.daysInYear);
    FillTexts(row, in);
    return row;
}

}  // namespace bw
