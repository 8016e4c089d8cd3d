#include "plan/plan_engine.h"

namespace bw::plan {

int CompoundingsPerYear(Compounding compounding) {
    switch (compounding) {
        case Compounding::Monthly:
            return 12;
        case Compounding::Bimonthly:
            return 6;
        case Compounding::Quarterly:
            return 4;
        case Compounding::Semiannual:
            return 2;
        case Compounding::Annual:
            return 1;
    }
    return 2;
}

int PaymentsPerYear(Frequency frequency) {
    switch (frequency) {
        case Frequency::Monthly:
            return 12;
        case Frequency::Semimonthly:
            return 24;
        case Frequency::TwoWeeks:
        case Frequency::BiweeklyAcc:
            return 26;
        case Frequency::OneWeek:
        case Frequency::WeeklyAcc:
            return 52;
    }
    return 12;
}

double RatePeriodsPerYear(Frequency frequency, double daysInYear) {
    switch (PaymentsPerYear(frequency)) {
        case 26:
            return daysInYear / 14.0;
        case 52:
            return daysInYear / 7.0;
        default:
            return PaymentsPerYear(frequency);
    }
}

PlanResult ComputePlan(const PlanInput&) {
    PlanResult result;
    result.error = PlanError::BadInput;
    result.errorField = "rate";
    result.errorText = "rate: the planner is not ready yet";
    return result;
}

Cents RoundCents(double amount) {
    return static_cast<Cents>(amount * 100.0 + (amount < 0 ? -0.5 : 0.5));
}

}  // namespace bw::plan
