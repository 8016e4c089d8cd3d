// brindlewood-cli afford: the affordability window's calculation from a shell.

#include <QCoreApplication>
#include <QDir>
#include <map>
#include <ostream>

#include "afford/affordability_solver.h"
#include "cli/cli_args.h"
#include "cli/commands.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/settings_file.h"
#include "tables/days_in_year.h"

namespace bw::cli {
namespace {

const char* kAffordUsage =
    "usage: brindlewood-cli afford [--solve payment|principal|years] [--principal P] [--rate R]\n"
    "  [--years N] [--payment M]\n"
    "  [--compounding monthly|bimonthly|quarterly|semiannual|annual]\n"
    "  [--frequency monthly|semimonthly|2weeks|1week|biweekly-acc|weekly-acc]\n"
    "  [--days 365.25|365|364|363|VALUE] [--format text|json] [--folder DIR]\n"
    "Solves for the monthly payment (from principal, rate and years), the principal (from\n"
    "payment, rate and years) or the years (from principal, rate and payment); years are at\n"
    "most 40.\n";

const std::map<std::string, int> kCompoundingNames = {
    {"monthly", 0}, {"bimonthly", 1}, {"quarterly", 2}, {"semiannual", 3}, {"annual", 4}};
const std::map<std::string, int> kFrequencyNames = {{"monthly", 0},      {"semimonthly", 1},
                                                    {"2weeks", 2},       {"1week", 3},
                                                    {"biweekly-acc", 4}, {"weekly-acc", 5}};

struct Stop {
    int message;
};

std::string SolvedBoxName(AffordSolve solve) {
    switch (solve) {
        case AffordSolve::Payment:
            return "MFInMthPayment";
        case AffordSolve::Principal:
            return "MFInPrincipal";
        case AffordSolve::Years:
            return "MFInTerm";
    }
    return "";
}

// The result boxes by control name, in the order of the window.
std::vector<std::pair<std::string, std::string>> Boxes(const AffordInput& in,
                                                       const AffordResult& r) {
    return {{SolvedBoxName(in.solve), r.solvedBox},
            {"TotalPmts", r.TotalPmts},
            {"MFNumPmts", r.MFNumPmts},
            {"MFDaysinYear", r.MFDaysinYear.value_or("")},
            {"MFTotIntSaved", r.MFTotIntSaved},
            {"MFNumYrs", r.MFNumYrs},
            {"MFPIPmt", r.MFPIPmt},
            {"MFTotIntPaid", r.MFTotIntPaid}};
}

void PrintText(std::ostream& out, const AffordInput& in, const AffordResult& r) {
    const std::string& cur = in.currencySymbol;
    const auto amount = [&](double v) {
        return RightAlign(cur + FormatNumber(v, "####,,###.00"), 16);
    };
    const auto line = [&](const std::string& label, const std::string& value) {
        out << RightAlign(label, 42) << "  " << value << "\n";
    };
    const std::string solved = r.solvedBox;
    line("Principal amount of the mortgage.",
         in.solve == AffordSolve::Principal ? solved : amount(r.values[kMFPrincipal]));
    line("Annual Interest Rate (%).",
         RightAlign(FormatNumber(r.values[kMFRate], "###.000"), 14) + "%");
    line("Amortization period in years.",
         in.solve == AffordSolve::Years
             ? solved
             : RightAlign(FormatNumber(r.values[kMFYears], "##.##"), 16));
    line("Monthly payment. Principal and Interest.",
         in.solve == AffordSolve::Payment ? solved : amount(r.values[kMFPayment]));
    line("Total interest paid.", r.TotalPmts);
    out << "\n";
    line("Frequency and type of payment.", in.frequency);
    line("No. payments each year.", r.MFNumPmts);
    line("Days in year.", r.MFDaysinYear.value_or(""));
    line("Interest saved versus normal mortgage.", r.MFTotIntSaved);
    line("Number of years to final payment.", r.MFNumYrs);
    line("Each payment. Principal and Interest.", r.MFPIPmt);
    line("Total interest paid.", r.MFTotIntPaid);
    if (r.failed) out << "\n" << r.message << "\n";
}

void PrintJson(std::ostream& out, const AffordInput& in, const AffordResult& r) {
    const auto number = [&](double v) { return r.failed ? std::string("null") : JsonNumber(v); };
    const char* solve = in.solve == AffordSolve::Payment     ? "payment"
                        : in.solve == AffordSolve::Principal ? "principal"
                                                             : "years";
    out << "{\n";
    out << "  \"solve\": \"" << solve << "\",\n";
    out << "  \"compounding\": " << JsonString(in.compounding) << ",\n";
    out << "  \"frequency\": " << JsonString(in.frequency) << ",\n";
    out << "  \"principal\": " << JsonNumber(r.values[kMFPrincipal]) << ",\n";
    out << "  \"rate\": " << JsonNumber(r.values[kMFRate]) << ",\n";
    out << "  \"years\": " << JsonNumber(r.values[kMFYears]) << ",\n";
    out << "  \"payment\": " << JsonNumber(r.values[kMFPayment]) << ",\n";
    out << "  \"total_interest\": " << number(r.totalInterest) << ",\n";
    out << "  \"payments_per_year\": "
        << (r.failed ? std::string("null") : std::to_string(r.rates.paymentsPerYear)) << ",\n";
    out << "  \"years_to_final\": " << number(r.yearsToFinal) << ",\n";
    out << "  \"each_payment\": " << number(r.eachPayment) << ",\n";
    out << "  \"interest_saved\": " << number(r.interestSaved) << ",\n";
    out << "  \"total_interest_paid\": " << number(r.totalInterestPaid) << ",\n";
    out << "  \"boxes\": {";
    bool first = true;
    for (const auto& [name, text] : Boxes(in, r)) {
        out << (first ? "" : ", ") << JsonString(name) << ": " << JsonString(text);
        first = false;
    }
    out << "},\n";
    out << "  \"message\": " << (r.failed ? JsonString(r.message) : std::string("null")) << "\n";
    out << "}\n";
}

}  // namespace

int RunAfford(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    try {
        for (const auto& a : argv)
            if (a == "--help" || a == "-h") {
                out << kAffordUsage;
                return 0;
            }
        const Args args(argv,
                        {"solve", "principal", "rate", "years", "payment", "compounding",
                         "frequency", "days", "format", "folder"},
                        {});
        const std::string folder = args.get("folder").value_or(
            QCoreApplication::instance() ? QCoreApplication::applicationDirPath().toStdString()
                                         : std::string("."));
        const Settings settings = ReadSettings(
            QDir(QString::fromStdString(folder)).filePath(kSettingsFileName).toStdString());

        AffordInput in;
        const std::string solve = args.get("solve").value_or("payment");
        if (solve == "payment")
            in.solve = AffordSolve::Payment;
        else if (solve == "principal")
            in.solve = AffordSolve::Principal;
        else if (solve == "years")
            in.solve = AffordSolve::Years;
        else
            throw UsageError("--solve is payment, principal or years");

        in.values[kMFPrincipal] = args.number("principal", 100000);
        in.values[kMFRate] = args.number("rate", 6.5);
        in.values[kMFYears] = args.number("years", 25);
        in.values[kMFPayment] = args.number("payment", 0);
        for (std::size_t i = kMFPrincipal; i <= kMFPayment; ++i)
            if (in.values[i] < 0 || in.values[i] > 1e15)
                throw UsageError("principal, rate, years and payment are from 0 to 1e15");

        int compounding = settings.defaultCompounding >= 0 && settings.defaultCompounding <= 4
                              ? settings.defaultCompounding
                              : 0;
        if (auto c = args.get("compounding")) {
            auto it = kCompoundingNames.find(*c);
            if (it == kCompoundingNames.end()) throw UsageError("unknown compounding '" + *c + "'");
            compounding = it->second;
        }
        in.compounding = lists::kCompounding[static_cast<std::size_t>(compounding)];
        if (auto f = args.get("frequency")) {
            auto it = kFrequencyNames.find(*f);
            if (it == kFrequencyNames.end()) throw UsageError("unknown frequency '" + *f + "'");
            in.frequency = lists::kFrequency[static_cast<std::size_t>(it->second)];
        }

        // Days in year, as the days-in-year dialog sets them.
        DaysSetting days = DaysForOption(1);
        if (auto d = args.get("days")) {
            auto v = ParseNumberText(*d);
            if (!v) throw UsageError("--days needs a number");
            if (*d == "365.25")
                days = DaysForOption(0);
            else if (*d == "365")
                days = DaysForOption(1);
            else if (*d == "364")
                days = DaysForOption(2);
            else if (*d == "363")
                days = DaysForOption(3);
            else {
                if (!(*v >= 363 && *v <= 365.25)) throw Stop{19};
                days = DaysForOption(4, static_cast<float>(*v));
            }
        }
        in.daysInYear = days.daysInYear;
        in.biWeeklyPeriods = days.biWeeklyPeriods;
        in.weeklyPeriods = days.weeklyPeriods;
        in.currencySymbol = settings.currencySymbol.empty() ? "$" : settings.currencySymbol;

        const std::string format = args.get("format").value_or("text");
        if (format != "text" && format != "json") throw UsageError("--format is text or json");

        // The years box's limit.
        if (in.solve != AffordSolve::Years && in.values[kMFYears] > 40) throw Stop{5};

        const AffordResult r = MFCalc(in);
        if (format == "json")
            PrintJson(out, in, r);
        else
            PrintText(out, in, r);
        return r.failed ? 1 : 0;
    } catch (const UsageError& e) {
        err << "brindlewood-cli afford: " << e.what() << " (see brindlewood-cli afford --help)\n";
        return 2;
    } catch (const Stop& s) {
        err << MessageText(s.message) << "\n";
        return 1;
    }
}

}  // namespace bw::cli
