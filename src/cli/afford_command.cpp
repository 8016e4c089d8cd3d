// brindlewood-cli afford: the affordability window's calculation from a shell.

#include <QDir>
#include <ostream>

#include "afford/afford_mapping.h"
#include "afford/affordability_solver.h"
#include "cli/cli_common.h"
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
         in.solve == AffordSolve::Years ? solved
                                        : AffordBoxText(AffordBox::Years, r.values[kMFYears], cur));
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
    return RunCommand("afford", kAffordUsage, argv, out, err, [&] {
        const Args args(argv,
                        {"solve", "principal", "rate", "years", "payment", "compounding",
                         "frequency", "days", "format", "folder"},
                        {});
        const Settings settings = ReadSettings(QDir(QString::fromStdString(ProgramFolder(args)))
                                                   .filePath(kSettingsFileName)
                                                   .toStdString());

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

        in.compounding = AffordCompounding(settings.defaultCompounding);
        if (auto c = args.get("compounding")) in.compounding = CompoundingByName(*c);
        if (auto f = args.get("frequency")) in.frequency = FrequencyByName(*f);

        // Days in year, as the days-in-year dialog sets them.
        DaysSetting days = DaysForOption(1);
        if (auto d = args.get("days")) {
            const auto typed = DaysFromText(*d, DaysMatch::ByText);
            if (!typed) throw Stop{Msg::DaysRange};
            days = *typed;
        }
        in.daysInYear = days.daysInYear;
        in.biWeeklyPeriods = days.biWeeklyPeriods;
        in.weeklyPeriods = days.weeklyPeriods;
        in.currencySymbol = settings.currencySymbol.empty() ? "$" : settings.currencySymbol;

        const std::string format = args.get("format").value_or("text");
        if (format != "text" && format != "json") throw UsageError("--format is text or json");

        // The years box's limit.
        if (in.solve != AffordSolve::Years && in.values[kMFYears] > kAffordYearsLimit)
            throw Stop{Msg::YearsLimit};

        const AffordResult r = MFCalc(in);
        if (format == "json")
            PrintJson(out, in, r);
        else
            PrintText(out, in, r);
        return r.failed ? 1 : 0;
    });
}

}  // namespace bw::cli
