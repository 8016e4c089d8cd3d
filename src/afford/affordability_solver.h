#pragma once
// The affordability calculation: from two of principal, monthly payment and years the third, for
// a normal monthly mortgage (middle panel) and for the chosen payment frequency (right panel).
// A pure function: the window passes its values in and writes the texts it gets back.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "shell/mmodule.h"

namespace bw {

// Which of the three option buttons is on: the value that is solved for.
enum class AffordSolve { Payment, Principal, Years };

// Indexes of MFValues (entry 0 is not used).
enum MFValueIndex : std::size_t { kMFPrincipal = 1, kMFRate = 2, kMFYears = 3, kMFPayment = 4 };
using MFValueArray = std::array<double, 5>;

// What MFSetRates works out from the two lists and the annual rate.
struct AffordRates {
    bool valid = false;      // both list texts known and every rate finite
    double monthlyRate = 0;  // MFMonthlyRate
    double periodRate = 0;   // MFPeriodRate
    std::int16_t frequencyKind = 0;
    std::int16_t paymentsPerYear = 0;
    double ratePeriods = 0;      // q: payments per year used for the rate
    int compoundingPerYear = 0;  // m
};

// The rate set-up. The annual rate as a fraction is held in single precision.
AffordRates MFSetRates(const std::string& compounding, const std::string& frequency,
                       double ratePercent, double biWeeklyPeriods, double weeklyPeriods);

struct AffordInput {
    AffordSolve solve = AffordSolve::Payment;
    MFValueArray values{};  // MFValues as they stand before the run
    std::string compounding = lists::kCompounding[0];
    std::string frequency = lists::kFrequency[0];
    float daysInYear = 365.0f;
    double biWeeklyPeriods = 26.07142857;
    double weeklyPeriods = 52.14285714;
    std::string currencySymbol = "$";
};

inline constexpr const char* kAffordMissingEntry =
    "Check for a missing entry in yellow input boxes and replace it.";
inline constexpr const char* kAffordPaymentTooSmall =
    "Payment is too small, repayment would take over 40 years.";

struct AffordResult {
    bool failed = false;
    MFValueArray values{};  // MFValues after the run
    AffordRates rates;      // MFMonthlyRate/MFPeriodRate, FrequencyKind, PaymentsPerYear

    // Text of the solved input box (MFInMthPayment, MFInPrincipal or MFInTerm). Empty when the
    // run failed before the value was solved.
    std::string solvedBox;
    // The six result boxes of the two panels; empty after a failure.
    std::string TotalPmts, MFNumPmts, MFNumYrs, MFPIPmt, MFTotIntSaved, MFTotIntPaid;
    // MFDaysinYear: written only when the run got that far; otherwise the box keeps its text.
    std::optional<std::string> MFDaysinYear;
    // MsgText: empty means the message box is hidden.
    std::string message;
    // After the years-mode failure the focus goes to the payment box.
    bool focusPayment = false;

    // The figures behind the boxes (valid when not failed).
    double totalInterest = 0;      // T, middle panel
    double yearsToFinal = 0;       // right panel years (Y2, or the years of a monthly mortgage)
    double eachPayment = 0;        // A
    double interestSaved = 0;      // S
    double totalInterestPaid = 0;  // T2
};

// MFCalc_Click's calculation.
AffordResult MFCalc(const AffordInput& input);

// The text of the quick help of the affordability window (paragraphs joined by CR LF CR LF).
std::string AffordHelpText();

}  // namespace bw
