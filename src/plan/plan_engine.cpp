#include "plan/plan_engine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "shell/dates.h"

namespace bw::plan {

int CompoundingsPerYear(Compounding compounding) {
    constexpr int kPerYear[] = {12, 6, 4, 2, 1};
    return kPerYear[static_cast<std::size_t>(compounding)];
}

int PaymentsPerYear(Frequency frequency) {
    constexpr int kPerYear[] = {12, 24, 26, 52, 26, 52};
    return kPerYear[static_cast<std::size_t>(frequency)];
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

Cents RoundCents(double amount) {
    // Beyond what a plan can hold the decimal text gives nothing; plain rounding does.
    if (!std::isfinite(amount) || std::fabs(amount) >= 1e13) return std::llround(amount * 100.0);
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, amount, std::chars_format::fixed).ptr;
    const char* p = text;
    const bool negative = *p == '-';
    if (negative) ++p;
    Cents cents = 0;
    for (; p < end && *p != '.'; ++p) cents = cents * 10 + (*p - '0');
    int fraction[3] = {0, 0, 0};
    if (p < end) ++p;  // the point
    for (int d = 0; d < 3 && p < end; ++d, ++p) fraction[d] = *p - '0';
    cents = cents * 100 + fraction[0] * 10 + fraction[1] + (fraction[2] >= 5 ? 1 : 0);
    return negative ? -cents : cents;
}

namespace {

constexpr Cents kMaxPrincipal = 99'999'999'999;  // 999,999,999.99
constexpr int kMaxYears = 40;

double Dollars(Cents c) {
    return static_cast<double>(c) / 100.0;
}

double RatePerPayment(double ratePercent, int m, double periods) {
    return std::pow(1.0 + ratePercent / 100.0 / m, m / periods) - 1.0;
}

// The payment that repays `balance` in `count` (not necessarily whole) payments at rate i.
double Annuity(double balance, double i, double count) {
    return balance * i / (1.0 - std::pow(1.0 + i, -count));
}

QDate PaymentDate(const QDate& first, Frequency frequency, int k) {
    if (!first.isValid()) return {};
    switch (PaymentsPerYear(frequency)) {
        case 12:
            return AddMonths(first, k - 1);
        case 24: {
            const QDate opening = AddMonths(first, (k - 1) / 2);
            return k % 2 == 0 ? AddDays(opening, 14) : opening;
        }
        case 26:
            return AddDays(first, 14 * (k - 1));
        default:
            return AddDays(first, 7 * (k - 1));
    }
}

// The balance owed at the start: the principal, plus a fee added to it.
Cents OpeningBalance(const PlanInput& in) {
    return in.principal + (in.feeFinanced ? in.fee : 0);
}

bool InPercentRange(double value) {
    return std::isfinite(value) && value >= 0.0 && value <= 100.0;
}

struct Lump {
    int payment = 0;
    QDate date;
    Cents amount = 0;
};

struct Failure {
    std::string field;
    std::string text;
};

// Checks the input and resolves every lump sum to its payment number.
std::optional<Failure> Check(const PlanInput& in, std::vector<Lump>& lumps) {
    auto fail = [](const std::string& field, const std::string& what) {
        return Failure{field, field + ": " + what};
    };
    if (in.principal <= 0 || in.principal > kMaxPrincipal)
        return fail("principal", "must be more than 0 and at most 999999999.99");
    if (in.years < 1 || in.years > kMaxYears) return fail("period", "must be 1 to 40 years");
    if (!(in.daysInYear >= 363.0 && in.daysInYear <= 365.25))
        return fail("days", "days in year must be 363 to 365.25");
    if (in.rates.empty()) return fail("rate", "no rate period given");
    int yearsBefore = 0;
    for (std::size_t t = 0; t < in.rates.size(); ++t) {
        const RatePeriod& r = in.rates[t];
        const std::string which = "rate period " + std::to_string(t + 1);
        if (!std::isfinite(r.ratePercent) || r.ratePercent <= 0.0 || r.ratePercent > 100.0)
            return fail("rate", "the rate of " + which + " must be above 0 and at most 100");
        if (t + 1 < in.rates.size()) {
            if (r.years <= 0)
                return fail("rate", "the term of " + which + " must be 1 year or more");
            yearsBefore += r.years;
            if (yearsBefore >= in.years)
                return fail("rate", "the terms before the last reach the end of the " +
                                        std::to_string(in.years) + " years");
        }
    }
    const int n = in.years * PaymentsPerYear(in.frequency);
    if (in.extra < 0 || in.extra > kMaxPrincipal) return fail("extra", "must not be negative");
    if (in.extraFrom < 1 || in.extraFrom > n)
        return fail("extra", "must start at a payment from 1 to " + std::to_string(n));
    if (!InPercentRange(in.increasePercent)) return fail("increase", "must be 0 to 100 %");
    if (in.increaseLimitPercent && !InPercentRange(*in.increaseLimitPercent))
        return fail("increase-limit", "must be 0 to 100 %");
    if (in.privilegePercent && !InPercentRange(*in.privilegePercent))
        return fail("privilege", "must be 0 to 100 %");
    if (in.after == AfterLump::Lower && in.increasePercent > 0.0)
        return fail("after", "\"lower\" cannot be combined with a yearly increase");
    if (in.fee < 0 || in.fee >= in.principal)
        return fail("fee", "must be 0 or more and less than the principal");
    if (in.payment) {
        // A payment at or below the first interest would never repay anything.
        const Cents opening = OpeningBalance(in);
        const double i =
            RatePerPayment(in.rates[0].ratePercent, CompoundingsPerYear(in.compounding),
                           RatePeriodsPerYear(in.frequency, in.daysInYear));
        if (*in.payment > kMaxPrincipal || *in.payment <= RoundCents(Dollars(opening) * i))
            return fail("payment", "must be more than the first payment's interest");
    }

    const QDate lastDate = PaymentDate(in.firstDate, in.frequency, n);
    for (const LumpSum& l : in.lumps) {
        Lump lump{l.afterPayment, {}, l.amount};
        if (l.amount <= 0 || l.amount > kMaxPrincipal)
            return fail("lump", "an amount must be more than 0");
        if (l.onOrAfter.isValid()) {
            if (!in.firstDate.isValid())
                return fail("lump", "a lump sum by date needs the first payment date");
            if (l.onOrAfter > lastDate)
                return fail("lump", "the date " + l.onOrAfter.toString(Qt::ISODate).toStdString() +
                                        " is after the last payment");
            // Dates grow with the payment number: find the first on or after the date.
            int lo = 1, hi = n;
            while (lo < hi) {
                const int mid = (lo + hi) / 2;
                if (PaymentDate(in.firstDate, in.frequency, mid) >= l.onOrAfter)
                    hi = mid;
                else
                    lo = mid + 1;
            }
            lump.payment = lo;
        } else if (l.afterPayment < 1 || l.afterPayment > n) {
            return fail("lump", "payment " + std::to_string(l.afterPayment) +
                                    " is not one of payments 1 to " + std::to_string(n));
        }
        lump.date = PaymentDate(in.firstDate, in.frequency, lump.payment);
        lumps.push_back(lump);
    }
    std::stable_sort(lumps.begin(), lumps.end(),
                     [](const Lump& a, const Lump& b) { return a.payment < b.payment; });
    return std::nullopt;
}

struct Schedule {
    Cents firstPayment = 0;
    std::vector<PlanRow> rows;  // every payment
    std::vector<PlanTerm> terms;
    std::vector<CutLump> cut;
    Cents totalInterest = 0;
    Cents totalLumps = 0;
};

Schedule Run(const PlanInput& in, const std::vector<Lump>& lumps, Cents opening) {
    Schedule s;
    const int ppy = PaymentsPerYear(in.frequency);
    const int m = CompoundingsPerYear(in.compounding);
    const double periods = RatePeriodsPerYear(in.frequency, in.daysInYear);
    const int n = in.years * ppy;

    // The payment numbers at which each rate period starts.
    std::vector<int> starts;
    for (int t = 0, k = 1; t < static_cast<int>(in.rates.size()); ++t) {
        starts.push_back(k);
        k += in.rates[static_cast<std::size_t>(t)].years * ppy;
    }

    std::size_t term = 0;
    double rate = in.rates[0].ratePercent;
    double i = RatePerPayment(rate, m, periods);
    Cents payment = 0;
    if (in.payment) {
        payment = *in.payment;
    } else if (in.frequency == Frequency::BiweeklyAcc || in.frequency == Frequency::WeeklyAcc) {
        const double monthly = RatePerPayment(rate, m, 12.0);
        const double divisor = in.frequency == Frequency::BiweeklyAcc ? 2.0 : 4.0;
        payment = RoundCents(Annuity(Dollars(opening), monthly, in.years * 12.0) / divisor);
    } else {
        payment = RoundCents(Annuity(Dollars(opening), i, n));
    }
    s.firstPayment = payment;
    Cents termFirst = payment;
    auto openTerm = [&](int k, Cents balance) {
        PlanTerm t;
        t.firstPayment = k;
        t.lastPayment = k;
        t.ratePercent = rate;
        t.effectiveRatePercent = (std::pow(1.0 + rate / 100.0 / m, m) - 1.0) * 100.0;
        t.payment = payment;
        t.balance = balance;
        s.terms.push_back(t);
    };
    openTerm(1, opening);

    Cents balance = opening;
    Cents cumulative = 0;
    bool lowerPending = false;
    std::vector<Cents> yearLumps(static_cast<std::size_t>(in.years), 0);
    const Cents privilege =
        in.privilegePercent ? RoundCents(Dollars(in.principal) * *in.privilegePercent / 100.0) : 0;
    std::size_t nextLump = 0;

    int k = 0;
    while (balance > 0 && k < n) {
        ++k;
        if (k > 1 && (k - 1) % ppy == 0) {
            if (term + 1 < starts.size() && starts[term + 1] == k) {
                // Renewal: the new rate over the time the old payment would still have taken.
                const double x = 1.0 - Dollars(balance) * i / Dollars(payment);
                double left = n - k + 1;
                if (x > 0.0) left = -std::log(x) / std::log(1.0 + i);
                ++term;
                rate = in.rates[term].ratePercent;
                i = RatePerPayment(rate, m, periods);
                payment = RoundCents(Annuity(Dollars(balance), i, left));
                termFirst = payment;
                lowerPending = false;
                openTerm(k, balance);
            } else if (lowerPending) {
                payment = RoundCents(Annuity(Dollars(balance), i, n - k + 1));
                lowerPending = false;
            } else if (in.increasePercent > 0.0) {
                Cents growth = RoundCents(Dollars(payment) * in.increasePercent / 100.0);
                if (in.increaseLimitPercent)
                    growth = std::min(
                        growth, RoundCents(Dollars(termFirst) * *in.increaseLimitPercent / 100.0));
                payment += growth;
            }
        }
        PlanRow row;
        row.number = k;
        row.date = PaymentDate(in.firstDate, in.frequency, k);
        row.ratePercent = rate;
        row.interest = RoundCents(Dollars(balance) * i);
        const Cents extra = k >= in.extraFrom ? in.extra : 0;
        Cents paid = payment + extra;
        if (paid > balance + row.interest || k == n) paid = balance + row.interest;
        row.extra = std::clamp(paid - payment, Cents{0}, extra);
        row.regular = paid - row.extra;
        row.principal = paid - row.interest;
        balance -= row.principal;
        cumulative += row.interest;

        PlanTerm& t = s.terms.back();
        t.lastPayment = k;
        t.interest += row.interest;

        for (; nextLump < lumps.size() && lumps[nextLump].payment == k; ++nextLump) {
            const Lump& l = lumps[nextLump];
            Cents amount = l.amount;
            if (in.privilegePercent) {
                const Cents room = privilege - yearLumps[static_cast<std::size_t>((k - 1) / ppy)];
                amount = std::min(amount, std::max(room, Cents{0}));
            }
            amount = std::min(amount, balance);
            yearLumps[static_cast<std::size_t>((k - 1) / ppy)] += amount;
            if (amount < l.amount)
                s.cut.push_back({k, l.date, l.amount, amount, l.amount - amount});
            if (amount > 0 && in.after == AfterLump::Lower) lowerPending = true;
            balance -= amount;
            row.lump += amount;
        }
        s.totalLumps += row.lump;
        row.balance = balance;
        row.cumulativeInterest = cumulative;
        t.principal = t.balance - balance;  // t.balance holds the opening balance until the end
        s.rows.push_back(row);
    }
    // Lump sums after the mortgage was paid off are not paid at all.
    for (; nextLump < lumps.size(); ++nextLump) {
        const Lump& l = lumps[nextLump];
        s.cut.push_back({l.payment, l.date, l.amount, 0, l.amount});
    }
    for (PlanTerm& t : s.terms) {
        const Cents open = t.balance;
        t.balance = open - t.principal;
    }
    s.totalInterest = cumulative;
    return s;
}

// The periodic rate at which the payments' present value equals what the borrower received.
double PeriodicApr(const std::vector<PlanRow>& rows, Cents received) {
    auto presentValue = [&](double r) {
        double pv = 0.0, factor = 1.0;
        const double v = 1.0 / (1.0 + r);
        for (const PlanRow& row : rows) {
            factor *= v;
            pv += Dollars(row.regular + row.extra + row.lump) * factor;
        }
        return pv;
    };
    const double target = Dollars(received);
    double lo = 0.0, hi = 1.0;
    while (presentValue(hi) > target && hi < 1e9) hi *= 2.0;
    for (int step = 0; step < 200 && hi - lo > 1e-15; ++step) {
        const double mid = (lo + hi) / 2.0;
        if (presentValue(mid) > target)
            lo = mid;
        else
            hi = mid;
    }
    return (lo + hi) / 2.0;
}

std::vector<PlanRow> Annual(const std::vector<PlanRow>& rows, int ppy) {
    std::vector<PlanRow> years;
    for (const PlanRow& row : rows) {
        const int year = (row.number - 1) / ppy + 1;
        if (years.empty() || years.back().number != year) {
            years.push_back({});
            years.back().number = year;
        }
        PlanRow& y = years.back();
        y.date = row.date;
        y.ratePercent = row.ratePercent;
        y.regular += row.regular;
        y.extra += row.extra;
        y.interest += row.interest;
        y.principal += row.principal;
        y.lump += row.lump;
        y.balance = row.balance;
        y.cumulativeInterest = row.cumulativeInterest;
    }
    return years;
}

}  // namespace

PlanResult ComputePlan(const PlanInput& input) {
    PlanResult result;
    std::vector<Lump> lumps;
    if (const auto failure = Check(input, lumps)) {
        result.error = PlanError::BadInput;
        result.errorField = failure->field;
        result.errorText = failure->text;
        return result;
    }
    const Cents opening = OpeningBalance(input);
    Schedule s = Run(input, lumps, opening);

    result.openingBalance = opening;
    result.firstPayment = s.firstPayment;
    result.payments = static_cast<int>(s.rows.size());
    result.totalInterest = s.totalInterest;
    result.totalLumps = s.totalLumps;
    result.totalPaid = opening + s.totalInterest;
    const int ppy = PaymentsPerYear(input.frequency);
    const Cents received = input.principal - (input.feeFinanced ? 0 : input.fee);
    result.aprPercent = PeriodicApr(s.rows, received) * ppy * 100.0;
    for (const PlanTerm& t : s.terms)
        result.effectiveRatePercents.push_back(t.effectiveRatePercent);
    result.terms = std::move(s.terms);
    result.cut = std::move(s.cut);

    if (input.extra > 0 || input.increasePercent > 0.0 || !input.lumps.empty()) {
        PlanInput plain = input;
        plain.extra = 0;
        plain.increasePercent = 0.0;
        plain.lumps.clear();
        const Schedule base = Run(plain, {}, opening);
        result.savedInterest = base.totalInterest - s.totalInterest;
        result.savedPayments = static_cast<int>(base.rows.size()) - result.payments;
    }
    result.rows = input.view == PlanView::Annual ? Annual(s.rows, ppy) : std::move(s.rows);
    return result;
}

}  // namespace bw::plan
