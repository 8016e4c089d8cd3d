#include "tables/amortization_engine.h"

#include <cmath>
#include <stdexcept>

#include "shell/dates.h"
#include "shell/number_format.h"

namespace bw {
namespace {

// A fault of the calculation (division by zero, overflow, a row past a table's end): the
// calculation ends with message 4.
struct CalculationFault : std::runtime_error {
    CalculationFault() : std::runtime_error("calculation fault") {}
};

double Checked(double v) {
    if (!std::isfinite(v)) throw CalculationFault();
    return v;
}

double Divide(double a, double b) {
    if (b == 0.0) throw CalculationFault();
    return Checked(a / b);
}

Money Cur(double v) {
    try {
        return Money::fromDouble(v);
    } catch (const CurrencyOverflow&) {
        throw CalculationFault();
    }
}

Money Add(Money a, Money b) {
    try {
        return a + b;
    } catch (const CurrencyOverflow&) {
        throw CalculationFault();
    }
}

std::int16_t Int16(double v) {
    std::int16_t out;
    if (!ToInt16(v, out)) throw CalculationFault();
    return out;
}

ScheduleRow& Row(ScheduleTableData& table, long long r) {
    if (r < 0 || r > kScheduleLastRow) throw CalculationFault();
    return table[static_cast<std::size_t>(r)];
}

auto& YearRow(YearTotalsData& table, long long y) {
    if (y < 0 || y > kYearLastRow) throw CalculationFault();
    return table[static_cast<std::size_t>(y)];
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

AmortizationResult CalculateSchedule(const AmortizationInput& in) {
    AmortizationResult r;
    if (in.previous && in.previous->size() == kScheduleLastRow + 1)
        r.schedule = *in.previous;
    else
        r.schedule.assign(kScheduleLastRow + 1, ScheduleRow{});
    r.displayTerm = in.displayTerm;
    ScheduleTableData& table = r.schedule;

    try {
        const double P = in.principal;
        const double R = in.rate;
        const double n = in.period;

        // Step 3: a term longer than the period is dropped at once.
        if (r.displayTerm > n) {
            r.displayTerm = 0;
            r.messages.push_back(34);
        }

        // Steps 4 and 5: the list texts. A text that is not in the list leaves the rates
        // undefined; the calculation cannot go on.
        Frequency f{};
        if (!LookUpFrequency(in, f)) throw CalculationFault();
        if (in.rowView != 2) {
            f.unit = Frequency::DateUnit::Months;
            f.step = 12;
            f.offset = -12;
        }
        r.frequencyKind = f.kind;
        r.paymentsPerYear = f.perYear;
        r.periodsPerYear = f.periods;
        const int m = CompoundingPerYear(in.compounding);
        if (m == 0) throw CalculationFault();
        r.compoundingPerYear = m;

        // Step 6
        if (in.tableMode == 1 && n >= 41) {
            r.messages.push_back(5);
            r.outcome = EngineOutcome::Stopped;
            return r;
        }

        // Step 7: rates
        const double j = R / 100.0;
        const double base = Checked(1.0 + j / m);
        const double rm = Checked(std::pow(base, m / 12.0) - 1.0);
        const double rp = Checked(std::pow(base, Divide(m, f.periods)) - 1.0);
        const double v = Divide(1.0, Checked(std::pow(base, m * n)));
        r.monthlyRate = rm;
        r.periodicRate = rp;
        r.discount = v;

        // Steps 8 to 10
        const double PM = Divide(P * rm, 1.0 - v);
        r.normalPayment = PM;
        r.normalTotal = Checked(12.0 * PM * n);
        const double q = PaymentRate(in.frequency, rm);
        const double A = Divide(P * q, 1.0 - v);
        r.payment = A;
        const double i = f.kind == 0 ? rm : rp;
        r.loopRate = i;

        // Step 11: upper bound of the number of payments
        double bound = 12.0 * n;
        if (f.kind == 2) bound = 12.0 * n / 12.0 * 26.0 + 50.0;
        if (f.kind == 4) bound = 12.0 * n / 12.0 * 52.0 + 50.0;
        const int N = Int16(bound);

        // Step 12: the payment after which a year's additional amount falls
        const int c = in.prePayMonth;
        if (c < 1 || c > 12) throw CalculationFault();
        int K = c;
        if (f.perYear == 24) K = 2 * c;
        if (f.perYear == 26) K = 2 * c + 2;
        if (f.perYear == 52) K = 4 * c + 4;
        const int ppy = f.perYear;

        // Step 13
        double B = P;
        double I = Checked(P * i);
        double Q = A - I;
        double rowInterest = 0, rowPrincipal = 0, cumInterest = 0, cumPrincipal = 0;
        int dateCounter = f.offset;
        int storedRows = 0;
        QDate firstDate, previousDate;
        if (in.dateMode == 1 && in.rowView == 2) {
            auto d = ParseDateText(in.firstPayDate);
            if (!d) throw CalculationFault();
            firstDate = *d;
        }
        double yearValue = 0;
        int L = 0;
        bool stopped = false;

        // Step 14
        for (int k = 1; k <= N; ++k) {
            const ScheduleRow& prev = Row(table, k - 1);
            if (!(k == 1 && c != 12)) {
                const double slot = static_cast<double>(k - 1) / K;
                const double stored = std::floor(prev[1].toDouble() / K);
                if (slot == stored) {
                    int y = (k % 12 == 0) ? k / ppy : k / ppy + 1;
                    if (k > 1) K += ppy;
                    if (y < 0 || y > kYearLastRow) throw CalculationFault();
                    const Money a = in.prePayTable[static_cast<std::size_t>(y)][2];
                    const Money limit = Add(Cur(B), -prev[3]);
                    if (!(a >= limit)) {
                        Q = Add(Cur(Q), a).toDouble();
                        if (a > Money()) {
                            ++r.appliedCount;
                            r.applied.push_back({k, y, a});
                        }
                    }
                }
            }
            rowInterest += I;
            rowPrincipal += Q;
            B = Checked(B - Q);
            I = Checked(i * B);
            Q = A - I;
            if (rowInterest < 0) {
                L = k - 1;
                stopped = true;
                break;
            }
            cumInterest += rowInterest;
            cumPrincipal += rowPrincipal;
            ScheduleRow& row = Row(table, k);
            row[1] = Cur(k);
            row[2] = Cur(rowInterest);
            row[3] = Cur(rowPrincipal);
            row[4] = Cur(B);
            row[5] = Cur(cumInterest);
            row[6] = Cur(cumPrincipal);
            if (in.rowView == 2) {
                if (in.dateMode == 1) {
                    ++storedRows;
                    QDate date;
                    if (ppy == 24 && storedRows % 2 == 0) {
                        date = AddDays(previousDate, 14);
                    } else {
                        dateCounter += f.step;
                        date = f.unit == Frequency::DateUnit::Months
                                   ? AddMonths(firstDate, dateCounter)
                                   : AddDays(firstDate, dateCounter);
                        previousDate = date;
                    }
                    if (!date.isValid()) throw CalculationFault();
                    row[7] = Money::fromTicks(DateSerial(date) * Money::kScale);
                } else {
                    const ScheduleRow& before = Row(table, k - 1);
                    if (std::floor(before[1].toDouble() / ppy) == static_cast<double>(k - 1) / ppy)
                        yearValue = static_cast<double>(k) / ppy + 1.0;
                    row[0] = Cur(yearValue);
                }
            }
            rowInterest = 0;
            rowPrincipal = 0;
            L = k;
        }
        if (!stopped) L = N;
        // Not one payment stored (a negative interest from the start, or no payment at all):
        // there is no schedule to show.
        if (L < 1) throw CalculationFault();
        r.totalInterest = cumInterest;

        // Step 15: the final payment is cut down to what was still owed.
        if (B < 6.0) {
            ScheduleRow& last = Row(table, L);
            const ScheduleRow& before = Row(table, L - 1);
            if (L < 1) throw CalculationFault();
            last[3] = before[4];
            last[5] = Add(before[5], last[2]);
            last[6] = Add(last[6], last[4]);
            last[4] = Add(last[3], -before[4]);
        }

        // Step 16
        r.payments = L;
        r.retiredYears = static_cast<float>(static_cast<double>(L) / ppy);

        // Step 17: the yearly rows of the annual view
        if (in.rowView == 1) {
            const int Y = Int16(static_cast<double>(r.retiredYears) + 0.49);
            YearTotalsData& years = r.yearTotals;
            bool done = false;
            for (int y = 1; y <= Y && !done; ++y) {
                auto& yr = YearRow(years, y);
                for (int k = (y - 1) * ppy + 1; k <= y * ppy; ++k) {
                    const ScheduleRow& row = Row(table, k);
                    yr[1] = Cur(y);
                    yr[2] = Add(yr[2], row[2]);
                    yr[3] = Add(yr[3], row[3]);
                    yr[4] = row[4];
                    yr[5] = row[5];
                    yr[6] = row[6];
                    // Rows past the last payment belong to an earlier calculation.
                    if (!(row[4] > Money()) || k >= L) {
                        done = true;
                        break;
                    }
                }
            }
            std::optional<QDate> first;
            if (in.dateMode == 1) {
                first = ParseDateText(in.firstPayDate);
                if (!first) throw CalculationFault();
            }
            for (int y = 1; y <= Y; ++y) {
                ScheduleRow& row = Row(table, y);
                const auto& yr = YearRow(years, y);
                row[1] = Cur(y);
                for (int col = 2; col <= 6; ++col) row[col] = yr[col];
                if (first) {
                    const QDate date = AddMonths(*first, 12 * (y - 1));
                    row[7] = Money::fromTicks(DateSerial(date) * Money::kScale);
                }
            }
            L = Y;
        }
        r.lastRow = L;

        // Step 18
        const ScheduleRow& lastRow = Row(table, L);
        r.totalPaid = Add(lastRow[5], lastRow[6]);
        r.gridRows = Int16(L);

        // Step 19: the display term
        if (r.displayTerm > 0) {
            const int rows = in.rowView == 1 ? r.displayTerm : r.displayTerm * ppy;
            r.gridRows = Int16(rows);
            if (rows > L) {
                r.displayTerm = 0;
                r.messages.push_back(34);
                r.outcome = EngineOutcome::TermTooLong;
                return r;
            }
        }

        // Step 20
        r.savings = r.normalTotal - r.totalPaid.toDouble();
        if (r.savings < 10) r.savings = 0;
        r.outcome = EngineOutcome::Completed;
    } catch (const CalculationFault&) {
        r.messages.push_back(4);
        r.outcome = EngineOutcome::Faulted;
    }
    return r;
}

}  // namespace bw
