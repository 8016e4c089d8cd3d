#include "tables/amortization_engine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>

#include "shell/dates.h"
#include "shell/messages.h"
#include "shell/number_format.h"

namespace bw {
namespace {

// A fault of the calculation (division by zero, overflow, a row past a table's end): the
// calculation ends with message 4. Only a fault throws; the normal path never does.
struct CalculationFault {};

[[noreturn]] void Fault() {
    throw CalculationFault{};
}

double Checked(double v) {
    if (!std::isfinite(v)) Fault();
    return v;
}

double Divide(double a, double b) {
    if (b == 0.0) Fault();
    return Checked(a / b);
}

// The nearest ten-thousandth as currency, halves to the even tick, as Money::fromDouble rounds,
// without a call into the maths library for every cell. Below 2^52 ticks, adding and taking away
// 2^52 leaves the nearest whole number: the sum lies where doubles are whole numbers one apart,
// and the default rounding mode takes halves to the even one. From 2^52 on every double is whole.
// False when the value does not fit the currency range (or is not a number).
inline bool ToCurrency(double v, Money& out) {
    constexpr double kWhole = 4503599627370496.0;     // 2^52
    constexpr double kLimit = 9223372036854775808.0;  // 2^63
    const double scaled = v * static_cast<double>(Money::kScale);
    if (!(scaled < kLimit && scaled >= -kLimit)) return false;
    const double magnitude = std::fabs(scaled);
    const double rounded = magnitude < kWhole ? (magnitude + kWhole) - kWhole : magnitude;
    out = Money::fromTicks(static_cast<std::int64_t>(std::copysign(rounded, scaled)));
    return true;
}

Money Cur(double v) {
    Money m;
    if (!ToCurrency(v, m)) Fault();
    return m;
}

Money Add(Money a, Money b) {
    std::int64_t sum;
    if (__builtin_add_overflow(a.ticks(), b.ticks(), &sum)) Fault();
    return Money::fromTicks(sum);
}

Money Sub(Money a, Money b) {
    std::int64_t diff;
    if (__builtin_sub_overflow(a.ticks(), b.ticks(), &diff)) Fault();
    return Money::fromTicks(diff);
}

std::int16_t Int16(double v) {
    std::int16_t out;
    if (!ToInt16(v, out)) Fault();
    return out;
}

Money Serial(const QDate& date) {
    if (!date.isValid()) Fault();
    return Money::fromTicks(DateSerial(date) * Money::kScale);
}

struct Frequency {
    std::int16_t kind;
    std::int16_t perYear;
    double periods;
    enum class DateUnit { Months, Days } unit;
    int step;
    int offset;
};

bool LookUpFrequency(const AmortizationInput& in, Frequency& f) {
    using U = Frequency::DateUnit;
    const std::string& t = in.frequency;
    if (t == lists::kFrequency[0])
        f = {0, 12, 12.0, U::Months, 1, -1};
    else if (t == lists::kFrequency[1])
        f = {2, 24, 24.0, U::Months, 1, -1};
    else if (t == lists::kFrequency[2])
        f = {2, 26, in.biWeeklyPeriods, U::Days, 14, -14};
    else if (t == lists::kFrequency[3])
        f = {4, 52, in.weeklyPeriods, U::Days, 7, -7};
    else if (t == lists::kFrequency[4])
        f = {2, 26, in.biWeeklyPeriods, U::Days, 14, -14};
    else if (t == lists::kFrequency[5])
        f = {4, 52, in.weeklyPeriods, U::Days, 7, -7};
    else
        return false;
    return true;
}

// Payment rate q from the monthly rate, by frequency text.
double PaymentRate(const std::string& t, double rm) {
    if (t == lists::kFrequency[1]) return rm / 2;
    if (t == lists::kFrequency[2]) return rm * 12 / 26;
    if (t == lists::kFrequency[3]) return rm * 12 / 52;
    if (t == lists::kFrequency[4]) return rm / 2;
    if (t == lists::kFrequency[5]) return rm / 4;
    return rm;
}

}  // namespace

int CompoundingPerYear(const std::string& text) {
    if (text == lists::kCompounding[0]) return 12;
    if (text == lists::kCompounding[1]) return 6;
    if (text == lists::kCompounding[2]) return 3;
    if (text == lists::kCompounding[3]) return 2;
    if (text == lists::kCompounding[4]) return 1;
    return 0;
}

namespace {

// The payment loop between two additional payments: the balance recurrence and the rows it
// stores, kept apart so that nothing but arithmetic runs for each payment.
struct PaymentRun {
    double i = 0;                // the rate per payment
    double A = 0;                // the payment
    double B = 0, I = 0, Q = 0;  // the balance, the next payment's interest and principal parts
    double cumInterest = 0, cumPrincipal = 0;
    int ppy = 12;
    bool yearNumbers = false;  // column 0 gets the year of each payment
    int nextYear = 0;          // the payment before the first of the next year
    Money yearValue;

    enum class End { Reached, PaidOff, Fault };
    // Payments k..end stored in rows k..end; k is left at the first payment not stored.
    End run(ScheduleRow* rows, int& k, int end);
};

// Currency of the amounts of one row at a time, with no branch and no call per amount. Adding
// 1.5 * 2^52 to an amount of ticks below 2^51 leaves a sum where doubles are whole numbers one
// apart (from 2^52 to 2^53): the sum is the nearest whole number of ticks, halves to the even
// one as in the default rounding mode, and its low bits are the ticks. A sum outside that range
// marks the row for the exact conversion.
class RowCurrency {
  public:
    std::int64_t ticks(double v) {
        const auto bits = std::bit_cast<std::uint64_t>(v * kScale + kShift);
        outside_ |= bits - kLowBits;
        return static_cast<std::int64_t>(bits - kShiftBits);
    }
    bool allFit() const { return outside_ < (std::uint64_t{1} << 52); }

  private:
    static constexpr double kScale = static_cast<double>(Money::kScale);
    static constexpr double kShift = 6755399441055744.0;             // 1.5 * 2^52
    static constexpr std::uint64_t kShiftBits = 0x4338000000000000;  // its bits
    static constexpr std::uint64_t kLowBits = 0x4330000000000000;    // the bits of 2^52
    std::uint64_t outside_ = 0;
};

[[gnu::noinline]] PaymentRun::End PaymentRun::run(ScheduleRow* rows, int& next, int end) {
    const double rate = i, pay = A;
    double b = B, in = I, q = Q, ci = cumInterest, cp = cumPrincipal;
    const bool years = yearNumbers;
    int yearEnd = nextYear;
    Money year = yearValue;
    End result = End::Reached;
    int k = next;
    const int last = std::min(end, kScheduleLastRow);
    for (; k <= last; ++k) {
        const double interest = in;
        const double principal = q;
        b = b - q;
        in = rate * b;  // not finite when the balance is not
        q = pay - in;
        if (!std::isfinite(in)) {
            result = End::Fault;
            break;
        }
        // A negative interest part: the previous payment already paid the loan off.
        if (interest < 0) {
            result = End::PaidOff;
            break;
        }
        ci += interest;
        cp += principal;
        ScheduleRow& row = rows[k];
        row[1] = Money::fromTicks(static_cast<std::int64_t>(k) * Money::kScale);
        RowCurrency cur;
        row[2] = Money::fromTicks(cur.ticks(interest));
        row[3] = Money::fromTicks(cur.ticks(principal));
        row[4] = Money::fromTicks(cur.ticks(b));
        row[5] = Money::fromTicks(cur.ticks(ci));
        row[6] = Money::fromTicks(cur.ticks(cp));
        bool fits = cur.allFit() ||
                    (ToCurrency(interest, row[2]) && ToCurrency(principal, row[3]) &&
                     ToCurrency(b, row[4]) && ToCurrency(ci, row[5]) && ToCurrency(cp, row[6]));
        if (years) {
            if (k - 1 == yearEnd) {
                fits &= ToCurrency(static_cast<double>(k) / ppy + 1.0, year);
                yearEnd += ppy;
            }
            row[0] = year;
        }
        if (!fits) {
            result = End::Fault;
            break;
        }
    }
    if (result == End::Reached && k <= end) {
        // A payment past the table's last row: a fault, unless the loan was already paid off.
        const double interest = in;
        b = b - q;
        in = rate * b;
        q = pay - in;
        result = std::isfinite(in) && interest < 0 ? End::PaidOff : End::Fault;
    }
    next = k;
    B = b;
    I = in;
    Q = q;
    cumInterest = ci;
    cumPrincipal = cp;
    nextYear = yearEnd;
    yearValue = year;
    return result;
}

// The yearly rows of the annual view in place of the payment rows: rows 1..Y hold the years'
// sums, and the table ends with year Y. Returns Y.
int MakeYearRows(const AmortizationInput& in, AmortizationResult& r, int L) {
    ScheduleTableData& table = r.schedule;
    const int ppy = r.paymentsPerYear;
    const int Y = Int16(static_cast<double>(r.retiredYears) + 0.49);
    if (Y > kYearLastRow) Fault();
    YearTotalsData& years = r.yearTotals;
    bool done = false;
    for (int y = 1; y <= Y && !done; ++y) {
        auto& yr = years[static_cast<std::size_t>(y)];
        for (int k = (y - 1) * ppy + 1; k <= y * ppy; ++k) {
            const ScheduleRow& row = table[static_cast<std::size_t>(k)];
            yr[1] = Cur(y);
            yr[2] = Add(yr[2], row[2]);
            yr[3] = Add(yr[3], row[3]);
            yr[4] = row[4];
            yr[5] = row[5];
            yr[6] = row[6];
            if (!(row[4] > Money()) || k >= L) {
                done = true;
                break;
            }
        }
    }
    std::optional<QDate> first;
    if (in.dateMode == 1) {
        first = ParseDateText(in.firstPayDate);
        if (!first) Fault();
    }
    for (int y = 1; y <= Y; ++y) {
        ScheduleRow row{};
        const auto& yr = years[static_cast<std::size_t>(y)];
        row[1] = Cur(y);
        for (int col = 2; col <= 6; ++col) row[col] = yr[col];
        if (first) row[7] = Serial(AddMonths(*first, 12 * (y - 1)));
        table[static_cast<std::size_t>(y)] = row;
    }
    table.resize(static_cast<std::size_t>(Y) + 1);
    return Y;
}

}  // namespace

AmortizationResult CalculateSchedule(const AmortizationInput& in) {
    AmortizationResult r;
    r.displayTerm = in.displayTerm;
    ScheduleTableData& table = r.schedule;

    try {
        const double P = in.principal;
        const double R = in.rate;
        const double n = in.period;

        // A term longer than the period is dropped at once.
        if (r.displayTerm > n) {
            r.displayTerm = 0;
            r.messages.push_back(Msg::TermReset);
        }

        // The list texts. A text that is not in the list leaves the rates undefined; the
        // calculation cannot go on.
        Frequency f{};
        if (!LookUpFrequency(in, f)) Fault();
        if (in.rowView != 2) {
            f.unit = Frequency::DateUnit::Months;
            f.step = 12;
            f.offset = -12;
        }
        r.frequencyKind = f.kind;
        r.paymentsPerYear = f.perYear;
        r.periodsPerYear = f.periods;
        const int m = CompoundingPerYear(in.compounding);
        if (m == 0) Fault();
        r.compoundingPerYear = m;

        if (in.tableMode == 1 && n >= 41) {
            r.messages.push_back(Msg::YearsLimit);
            r.outcome = EngineOutcome::Stopped;
            return r;
        }

        // Rates
        const double j = R / 100.0;
        const double base = Checked(1.0 + j / m);
        const double rm = Checked(std::pow(base, m / 12.0) - 1.0);
        const double rp = Checked(std::pow(base, Divide(m, f.periods)) - 1.0);
        const double v = Divide(1.0, Checked(std::pow(base, m * n)));
        r.monthlyRate = rm;
        r.periodicRate = rp;
        r.discount = v;

        // The normal monthly payment, the payment of the chosen frequency, the rate per payment
        const double PM = Divide(P * rm, 1.0 - v);
        r.normalPayment = PM;
        r.normalTotal = Checked(12.0 * PM * n);
        const double q = PaymentRate(in.frequency, rm);
        const double A = Divide(P * q, 1.0 - v);
        r.payment = A;
        const double i = f.kind == 0 ? rm : rp;
        r.loopRate = i;

        // Upper bound of the number of payments
        double bound = 12.0 * n;
        if (f.kind == 2) bound = 12.0 * n / 12.0 * 26.0 + 50.0;
        if (f.kind == 4) bound = 12.0 * n / 12.0 * 52.0 + 50.0;
        const int N = Int16(bound);

        // The payment after which a year's additional amount falls: payment 0 (month 12 only),
        // then K, K + ppy, K + 2 ppy, ...
        const int c = in.prePayMonth;
        if (c < 1 || c > 12) Fault();
        int K = c;
        if (f.perYear == 24) K = 2 * c;
        if (f.perYear == 26) K = 2 * c + 2;
        if (f.perYear == 52) K = 4 * c + 4;
        const int ppy = f.perYear;

        const bool dates = in.dateMode == 1 && in.rowView == 2;
        QDate firstDate;
        if (dates) {
            auto d = ParseDateText(in.firstPayDate);
            if (!d) Fault();
            firstDate = *d;
        }

        PaymentRun pay;
        pay.i = i;
        pay.A = A;
        pay.B = P;
        pay.I = Checked(P * i);
        pay.Q = A - pay.I;
        pay.ppy = ppy;
        pay.yearNumbers = in.dateMode != 1 && in.rowView == 2;
        int nextSlot = c == 12 ? 0 : K;

        // Rows 0..N at most, and never past the table's last row; the rows not reached are
        // dropped below.
        table.resize(static_cast<std::size_t>(std::clamp(N, 0, kScheduleLastRow)) + 1);

        int k = 1;
        PaymentRun::End end = PaymentRun::End::Reached;
        while (k <= N && end == PaymentRun::End::Reached) {
            // The year's additional amount goes with the payment after its slot.
            if (k - 1 == nextSlot) {
                const int y = (k % 12 == 0) ? k / ppy : k / ppy + 1;
                nextSlot = k > 1 ? nextSlot + ppy : K;
                if (y < 0 || y > kYearLastRow) Fault();
                const Money a = in.prePayTable[static_cast<std::size_t>(y)][2];
                const Money previousPrincipal = table[static_cast<std::size_t>(k) - 1][3];
                if (!(a >= Sub(Cur(pay.B), previousPrincipal))) {
                    pay.Q = Add(Cur(pay.Q), a).toDouble();
                    if (a > Money()) {
                        ++r.appliedCount;
                        r.applied.push_back({k, y, a});
                    }
                }
            }
            end = pay.run(table.data(), k, std::min(N, nextSlot));
        }
        int L = k - 1;
        table.resize(static_cast<std::size_t>(L) + 1);
        if (end == PaymentRun::End::Fault) Fault();  // what was stored stays
        const double B = pay.B;
        const double cumInterest = pay.cumInterest;
        if (dates) {
            // Payment 1 falls on the first date; semimonthly payments come in pairs half a
            // month apart, the second 14 days after the first.
            int dateCounter = f.offset;
            QDate previousDate;
            for (int p = 1; p <= L; ++p) {
                QDate date;
                if (ppy == 24 && p % 2 == 0) {
                    date = AddDays(previousDate, 14);
                } else {
                    dateCounter += f.step;
                    date = f.unit == Frequency::DateUnit::Months ? AddMonths(firstDate, dateCounter)
                                                                 : AddDays(firstDate, dateCounter);
                    previousDate = date;
                }
                table[static_cast<std::size_t>(p)][7] = Serial(date);
            }
        }
        // Not one payment stored (a negative interest from the start, or no payment at all):
        // there is no schedule to show.
        if (L < 1) Fault();
        r.totalInterest = cumInterest;

        // The final payment is cut down to what was still owed.
        // Before the first payment the whole principal is owed (row 0 holds no balance).
        if (B < 6.0) {
            ScheduleRow& last = table[static_cast<std::size_t>(L)];
            const ScheduleRow& before = table[static_cast<std::size_t>(L) - 1];
            const Money owed = L == 1 ? Cur(P) : before[4];
            last[3] = owed;
            last[5] = Add(before[5], last[2]);
            last[6] = Add(last[6], last[4]);
            last[4] = Sub(last[3], owed);
        }

        r.payments = L;
        r.retiredYears = static_cast<float>(static_cast<double>(L) / ppy);
        if (in.rowView == 1) L = MakeYearRows(in, r, L);
        r.lastRow = L;

        const ScheduleRow& lastRow = table[static_cast<std::size_t>(L)];
        r.totalPaid = Add(lastRow[5], lastRow[6]);
        r.gridRows = Int16(L);

        // The display term
        if (r.displayTerm > 0) {
            const int rows = in.rowView == 1 ? r.displayTerm : r.displayTerm * ppy;
            r.gridRows = Int16(rows);
            if (rows > L) {
                r.displayTerm = 0;
                r.messages.push_back(Msg::TermReset);
                r.outcome = EngineOutcome::TermTooLong;
                return r;
            }
        }

        r.savings = r.normalTotal - r.totalPaid.toDouble();
        if (r.savings < 10) r.savings = 0;
        r.outcome = EngineOutcome::Completed;
    } catch (const CalculationFault&) {
        r.messages.push_back(Msg::WrongEntry);
        r.outcome = EngineOutcome::Faulted;
    }
    return r;
}

}  // namespace bw
