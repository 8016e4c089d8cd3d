#pragma once
// The mortgage planner: a whole mortgage life with renewals at new rates, a regular extra, a
// yearly payment increase, lump sums within a yearly prepayment privilege, fees and the APR.
// A pure function: PlanInput in, PlanResult out. All amounts are whole cents (int64); every
// amount worked out is rounded to the nearest cent, a half cent upward, judged on the decimal
// value of the figure (25.005 gives 25.01).

#include <QDate>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bw::plan {

using Cents = std::int64_t;

// Same order as lists::kCompounding (12, 6, 4, 2 and 1 compoundings a year).
enum class Compounding { Monthly, Bimonthly, Quarterly, Semiannual, Annual };
// Same order as lists::kFrequency (12, 24, 26, 52, 26 and 52 payments a year).
enum class Frequency { Monthly, Semimonthly, TwoWeeks, OneWeek, BiweeklyAcc, WeeklyAcc };
// What a lump sum does to the plan: keep the payment (ends earlier) or lower the payment from the
// next anniversary on.
enum class AfterLump { Shorter, Lower };
// Rows of every payment, or one row per mortgage year.
enum class PlanView { All, Annual };

int CompoundingsPerYear(Compounding compounding);  // m
int PaymentsPerYear(Frequency frequency);          // 12, 24, 26 or 52
// The payment periods a year used for the rate: 12, 24, or days / 14 and days / 7.
double RatePeriodsPerYear(Frequency frequency, double daysInYear);

// One rate period: `years` of the mortgage at `ratePercent` (5 means 5 %). The last period runs
// to the end of the amortization whatever its `years` (0 is allowed there).
struct RatePeriod {
    int years = 0;
    double ratePercent = 0;
};

// A lump sum paid right after payment `afterPayment` (1..n), or, when `onOrAfter` is valid, right
// after the first payment dated on or after that date (afterPayment is then ignored).
struct LumpSum {
    int afterPayment = 0;
    QDate onOrAfter;
    Cents amount = 0;
};

struct PlanInput {
    Cents principal = 0;
    int years = 25;  // amortization period
    Compounding compounding = Compounding::Semiannual;
    Frequency frequency = Frequency::Monthly;
    double daysInYear = 365;  // for the two-weekly and weekly rate periods
    QDate firstDate;          // date of payment 1; invalid gives rows without dates
    std::vector<RatePeriod> rates;

    Cents extra = 0;                             // regular extra with every payment...
    int extraFrom = 1;                           // ...from this payment on
    double increasePercent = 0;                  // yearly increase of the regular payment
    std::optional<double> increaseLimitPercent;  // growth cap, % of the term's first payment

    std::vector<LumpSum> lumps;
    std::optional<double> privilegePercent;  // yearly cap of lump sums, % of the principal
    AfterLump after = AfterLump::Shorter;

    Cents fee = 0;
    bool feeFinanced = false;  // added to the balance instead of paid upfront

    PlanView view = PlanView::All;

    // A regular payment of the borrower's choosing in place of the first term's annuity.
    std::optional<Cents> payment;
};

struct PlanRow {
    int number = 0;  // payment number, or mortgage year in the annual view
    QDate date;      // payment date (annual view: of the year's last payment)
    double ratePercent = 0;
    Cents regular = 0;  // regular part paid (annual view: sums over the year)
    Cents extra = 0;    // regular extra paid
    Cents interest = 0;
    Cents principal = 0;  // principal part of the payment, lump sum apart
    Cents lump = 0;       // lump sums paid right after this payment
    Cents balance = 0;    // after the payment and its lump sums
    Cents cumulativeInterest = 0;
};

struct PlanTerm {
    int firstPayment = 0;
    int lastPayment = 0;
    double ratePercent = 0;
    double effectiveRatePercent = 0;  // (1 + j/m)^m - 1, in percent
    Cents payment = 0;                // regular payment at the start of the term
    Cents interest = 0;
    Cents principal = 0;  // balance repaid in the term, lump sums included
    Cents balance = 0;    // at the end of the term
};

// A lump sum the yearly privilege cut down (or a balance limited).
struct CutLump {
    int afterPayment = 0;
    QDate date;
    Cents requested = 0;
    Cents paid = 0;
    Cents cut = 0;  // requested - paid
};

enum class PlanError { None, BadInput };

struct PlanResult {
    PlanError error = PlanError::None;
    // On an error: the input named ("principal", "period", "rate", "days", "extra", "increase",
    // "increase-limit", "lump", "privilege", "after", "fee", "payment") and one line saying what is
    // wrong, beginning with the field name. Nothing else is filled in.
    std::string errorField;
    std::string errorText;
    bool ok() const { return error == PlanError::None; }

    Cents openingBalance = 0;  // principal plus a financed fee
    Cents firstPayment = 0;    // first regular payment, extras apart
    int payments = 0;          // number of payments made
    Cents totalInterest = 0;
    Cents totalPaid = 0;  // every payment and lump sum (an upfront fee not included)
    Cents totalLumps = 0;
    double aprPercent = 0;                      // nominal, compounded per payment period
    std::vector<double> effectiveRatePercents;  // one per term
    std::vector<PlanTerm> terms;
    std::vector<PlanRow> rows;  // in the input's view
    std::vector<CutLump> cut;
    Cents savedInterest = 0;  // against the same plan without extras, increases and lump sums
    int savedPayments = 0;
};

PlanResult ComputePlan(const PlanInput& input);

// Rounds a money figure to whole cents, a half cent away from zero, judged on the shortest decimal
// text of the double (so 25.005 gives 2501).
Cents RoundCents(double amount);

}  // namespace bw::plan
