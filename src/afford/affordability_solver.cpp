#include "afford/affordability_solver.h"

#include <cfloat>
#include <charconv>
#include <cmath>

#include "shell/number_format.h"

namespace bw {
namespace {

constexpr const char* kAmount = "####,,###.00";

// Thrown by the checked arithmetic below: the calculation's one failure path.
struct ArithmeticFault {};

double Finite(double v) {
    if (!std::isfinite(v)) throw ArithmeticFault{};
    return v;
}
double Div(double a, double b) {
    if (b == 0) throw ArithmeticFault{};
    return Finite(a / b);
}
double Ln(double v) {
    if (!(v > 0) || !std::isfinite(v)) throw ArithmeticFault{};
    return std::log(v);
}
double Pow(double base, double exponent) {
    if (base < 0 && exponent != std::floor(exponent)) throw ArithmeticFault{};
    return Finite(std::pow(Finite(base), Finite(exponent)));
}

// An amount right-aligned in its box; one longer than the box (a total interest of a million
// or more in the 12-character box) is shown whole rather than cut to its first characters.
std::string AmountText(const std::string& currency, double v, int width) {
    const std::string text = currency + FormatNumber(v, kAmount);
    return static_cast<int>(TextLength(text)) > width ? text : RightAlign(text, width);
}

// The days-in-year value as text: the shortest form of the single-precision number.
std::string DaysText(float days) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, days, std::chars_format::fixed);
    if (res.ec != std::errc()) return "";
    return std::string(buf, res.ptr);
}

std::string DaysBox(std::int16_t paymentsPerYear, float days) {
    if (paymentsPerYear == 12 || paymentsPerYear == 24) return "Normal";
    const auto point = DaysText(days).find('.');
    const bool fraction = point != std::string::npos && point + 1 == 4;
    return FormatNumber(static_cast<double>(days), fraction ? "###.##" : "###");
}

}  // namespace

AffordRates MFSetRates(const std::string& compounding, const std::string& frequency,
                       double ratePercent, double biWeeklyPeriods, double weeklyPeriods) {
    AffordRates r;
    struct Freq {
        const char* text;
        std::int16_t kind, perYear;
        double q;
    };
    const Freq table[] = {
        {"      Monthly", 0, 12, 12},
        {"  Semimonthly", 2, 24, 24},
        {"      2 Weeks", 2, 26, biWeeklyPeriods},
        {"      1 Week", 4, 52, weeklyPeriods},
        {" Biweekly(Acc)", 2, 26, biWeeklyPeriods},
        {"   Weekly(Acc)", 4, 52, weeklyPeriods},
    };
    for (const Freq& f : table)
        if (frequency == f.text) {
            r.frequencyKind = f.kind;
            r.paymentsPerYear = f.perYear;
            r.ratePeriods = f.q;
        }
    const std::pair<const char*, int> comp[] = {{"      Monthly", 12},
                                                {"    Bimonthly", 6},
                                                {"    Quarterly", 3},
                                                {"   Semiannual", 2},
                                                {"       Annual", 1}};
    for (const auto& [text, m] : comp)
        if (compounding == text) r.compoundingPerYear = m;

    const double fraction = ratePercent / 100;
    // The annual rate is kept in single precision; a value beyond its range is an overflow.
    if (!std::isfinite(fraction) || std::fabs(fraction) > FLT_MAX) return r;
    const double j = static_cast<double>(static_cast<float>(fraction));
    if (r.compoundingPerYear == 0 || r.ratePeriods == 0) return r;
    const double m = r.compoundingPerYear;
    const double base = 1 + j / m;
    const double monthly = std::pow(base, m / 12) - 1;
    const double period = std::pow(base, m / r.ratePeriods) - 1;
    if (!(base > 0) || !std::isfinite(monthly) || !std::isfinite(period)) return r;
    r.monthlyRate = monthly;
    r.periodRate = period;
    r.valid = true;
    return r;
}

AffordResult MFCalc(const AffordInput& in) {
    AffordResult out;
    out.values = in.values;
    const std::string& cur = in.currencySymbol;
    bool yearsMode = false;
    try {
        double P = in.values[kMFPrincipal];
        double M = in.values[kMFPayment];
        double Y = in.values[kMFYears];
        auto setRates = [&] {
            out.rates = MFSetRates(in.compounding, in.frequency, in.values[kMFRate],
                                   in.biWeeklyPeriods, in.weeklyPeriods);
            if (!out.rates.valid) throw ArithmeticFault{};
        };
        switch (in.solve) {
            case AffordSolve::Payment: {
                out.values[kMFPayment] = 0;
                setRates();
                const double i = out.rates.monthlyRate;
                const double t = Pow(1 + i, 12 * Y);
                M = Div(Finite(t * i * P), t - 1);
                if (P == 0) throw ArithmeticFault{};
                out.values[kMFPayment] = M;
                out.solvedBox = AmountText(cur, M, 16);
                break;
            }
            case AffordSolve::Principal: {
                out.values[kMFPrincipal] = 0;
                setRates();
                const double i = out.rates.monthlyRate;
                const double t = Pow(1 + i, 12 * Y);
                P = Div(M, Div(Finite(t * i), t - 1));
                if (M == 0) throw ArithmeticFault{};
                out.values[kMFPrincipal] = P;
                out.solvedBox = AmountText(cur, P, 16);
                break;
            }
            case AffordSolve::Years: {
                out.values[kMFYears] = 0;
                // Every failure of this mode reports the payment as too small.
                yearsMode = true;
                setRates();
                const double i = out.rates.monthlyRate;
                Y = Div(Ln(M) - Ln(M - Finite(P * i)), 12 * Ln(1 + i));
                if (Y > 40.004) throw ArithmeticFault{};
                out.values[kMFYears] = Y;
                out.solvedBox = RightAlign(FormatNumber(Y, "##.##"), 16);
                break;
            }
        }

        // Middle panel: the normal monthly mortgage.
        const double T = Finite(12 * Y * out.values[kMFPayment] - out.values[kMFPrincipal]);
        const std::int16_t k = out.rates.paymentsPerYear;
        std::string totalPmts = AmountText(cur, T, 12);
        out.MFDaysinYear = DaysBox(k, in.daysInYear);

        std::string numPmts = RightAlign(FormatNumber(static_cast<double>(k), "##"), 8);
        if (in.frequency == lists::kFrequency[0]) {
            out.TotalPmts = totalPmts;
            out.MFNumPmts = numPmts;
            out.MFNumYrs = RightAlign(FormatNumber(out.values[kMFYears], "##.00"), 16);
            out.MFPIPmt = AmountText(cur, out.values[kMFPayment], 16);
            out.MFTotIntSaved = AmountText(cur, 0, 18);
            out.MFTotIntPaid = AmountText(cur, T, 16);
            out.totalInterest = T;
            out.yearsToFinal = out.values[kMFYears];
            out.eachPayment = out.values[kMFPayment];
            out.interestSaved = 0;
            out.totalInterestPaid = T;
            return out;
        }

        // Right panel: the chosen frequency.
        const double p = out.rates.periodRate;
        P = out.values[kMFPrincipal];
        M = out.values[kMFPayment];
        double A = 0;
        const std::string& f = in.frequency;
        if (f == lists::kFrequency[1] || f == lists::kFrequency[4])
            A = M / 2;
        else if (f == lists::kFrequency[2])
            A = M * 12 / 26;
        else if (f == lists::kFrequency[3])
            A = M * 12 / 52;
        else
            A = M / 4;
        const double Y2 = Div(Ln(A) - Ln(A - Finite(P * p)), k * Ln(1 + p));
        const double t2 = Pow(1 + p, k * Y2);
        const double A2 = Div(Finite(t2 * p * P), t2 - 1);
        const double T2 = Finite(k * Y2 * A2 - P);
        const double S = Finite(T - T2);

        out.TotalPmts = totalPmts;
        out.MFNumPmts = numPmts;
        out.MFNumYrs = RightAlign(FormatNumber(Y2, "##.##"), 16);
        out.MFPIPmt = AmountText(cur, A, 16);
        out.MFTotIntSaved = AmountText(cur, S, 16);
        out.MFTotIntPaid = AmountText(cur, T2, 16);
        out.totalInterest = T;
        out.yearsToFinal = Y2;
        out.eachPayment = A;
        out.interestSaved = S;
        out.totalInterestPaid = T2;
        return out;
    } catch (const ArithmeticFault&) {
        out.failed = true;
        out.TotalPmts.clear();
        out.MFNumPmts.clear();
        out.MFNumYrs.clear();
        out.MFPIPmt.clear();
        out.MFTotIntSaved.clear();
        out.MFTotIntPaid.clear();
        out.totalInterest = out.yearsToFinal = out.eachPayment = out.interestSaved =
            out.totalInterestPaid = 0;
        if (yearsMode) {
            out.message = kAffordPaymentTooSmall;
            out.focusPayment = true;
        } else {
            out.message = kAffordMissingEntry;
        }
        return out;
    }
}

std::string AffordHelpText() {
    const char* paragraphs[] = {
        "Calculations are automatic, change the values in any yellow input box and on leaving "
        "the box the new result is calculated and shown in the white box for the option "
        "selected, with all other results in green.",
        "Calculations, inputs and results in the middle panel are for a normal (conventional) "
        "mortgage. Right panel shows results for the selected 'Frequency and type of payment', "
        "days in year do not affect Monthly or Semimonthly calculation.",
        "The type of calculation depends on which option button is active and will have a white "
        "result box beside it.",
        "For example, to find out how much Principal you could afford for a given Monthly "
        "payment."
        " Click 'Calculate for Principal',"
        " then type in Monthly payment, on leaving the box by pressing <Enter>, click another "
        "box or 'Calculate', results will show in white box.",
        "When using 'Calculate for Years', box will show results to two decimal places but will "
        "only allow whole year input.",
    };
    std::string text;
    for (const char* p : paragraphs) {
        if (!text.empty()) text += "\r\n\r\n";
        text += p;
    }
    return text;
}

}  // namespace bw
