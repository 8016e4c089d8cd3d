// brindlewood-cli plan: the mortgage planner from a shell.

#include <QDir>
#include <array>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <sstream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "plan/plan_engine.h"
#include "plan/plan_file.h"
#include "shell/dates.h"
#include "shell/settings_file.h"

namespace bw::cli {
namespace {

using plan::Cents;
using plan::PlanInput;
using plan::PlanResult;

const char* kPlanUsage =
    "usage: brindlewood-cli plan [--principal P] [--period YEARS] --rate [YEARS=]RATE...\n"
    "  [--compounding monthly|bimonthly|quarterly|semiannual|annual]\n"
    "  [--frequency monthly|semimonthly|2weeks|1week|biweekly-acc|weekly-acc]\n"
    "  [--days DAYS] [--first-date DATE] [--extra AMOUNT[@PAYMENT]] [--increase PCT]\n"
    "  [--increase-limit PCT] [--lump PAYMENT=AMOUNT|DATE=AMOUNT]... [--privilege PCT]\n"
    "  [--after shorter|lower] [--fee AMOUNT[,financed]] [--view all|annual]\n"
    "  [--format text|csv|json] [--folder DIR] [--open FILE.KPL] [--save FILE.KPL]\n"
    "Plans the whole life of a mortgage: renewals at new rates, a regular extra with every\n"
    "payment, a yearly increase of the payment, lump sums within a yearly prepayment privilege,\n"
    "and what it costs as an annual percentage rate once a fee is counted.\n"
    "  --rate YEARS=RATE  a rate period of YEARS years, repeated in order; the last RATE runs to\n"
    "                     the end and may leave out YEARS\n"
    "  --extra            an amount added to every payment, from payment PAYMENT on (1)\n"
    "  --increase         the payment grows by PCT % on each anniversary; --increase-limit caps\n"
    "                     each year's growth at PCT % of the term's first payment\n"
    "  --lump             a lump sum right after payment PAYMENT, or after the first payment on\n"
    "                     or after DATE (needs --first-date)\n"
    "  --privilege        the lump sums of a mortgage year together are at most PCT % of the\n"
    "                     principal; the part above is cut and listed\n"
    "  --after            after a lump sum keep the payment (shorter) or lower it from the next\n"
    "                     anniversary (lower)\n"
    "  --fee              paid upfront, or added to the balance with \",financed\"\n"
    "  --open             starts from the inputs of a plan file (the other options override\n"
    "                     them); --save writes the inputs to a plan file once the plan is worked\n"
    "                     out\n"
    "Defaults: principal 100000, 25 years, monthly payments, 365 days, the settings'\n"
    "compounding. Errors exit with code 2 and one line naming the input.\n";

// A bad input: "FIELD: what is wrong".
[[noreturn]] void Bad(const std::string& field, const std::string& what) {
    throw UsageError(field + ": " + what);
}

double Number(const std::string& field, const std::string& text) {
    const auto v = ParseNumberText(text);
    if (!v || !std::isfinite(*v)) Bad(field, "'" + text + "' is not a number");
    return *v;
}

Cents Amount(const std::string& field, const std::string& text) {
    const double v = Number(field, text);
    if (std::fabs(v) > 1e12) Bad(field, "'" + text + "' is too large");
    return plan::RoundCents(v);
}

int Whole(const std::string& field, const std::string& text) {
    const double v = Number(field, text);
    if (v != std::floor(v) || std::fabs(v) > 1e6)
        Bad(field, "'" + text + "' is not a whole number");
    return static_cast<int>(v);
}

// "1744.81", "-0.50".
std::string Plain(Cents c) {
    const Cents a = std::llabs(c);
    std::string cents = std::to_string(a % 100);
    return (c < 0 ? "-" : "") + std::to_string(a / 100) + "." + (cents.size() < 2 ? "0" : "") +
           cents;
}

// "1,744.81".
std::string Grouped(Cents c) {
    const std::string whole = std::to_string(std::llabs(c) / 100);
    std::string s = c < 0 ? "-" : "";
    for (std::size_t k = 0; k < whole.size(); ++k) {
        if (k > 0 && (whole.size() - k) % 3 == 0) s += ',';
        s += whole[k];
    }
    const std::string plain = Plain(c);
    return s + plain.substr(plain.size() - 3);
}

std::string Fixed(double v, int decimals) {
    std::ostringstream s;
    s.setf(std::ios::fixed);
    s.precision(decimals);
    s << v;
    return s.str();
}

std::string DateText(const QDate& d) {
    return d.isValid() ? d.toString(Qt::ISODate).toStdString() : "";
}

std::string JsonDate(const QDate& d) {
    return d.isValid() ? JsonString(DateText(d)) : "null";
}

void ReadOptions(const Args& args, PlanInput& in) {
    if (auto v = args.get("principal")) in.principal = Amount("principal", *v);
    if (auto v = args.get("period")) in.years = Whole("period", *v);
    if (auto v = args.get("compounding")) {
        const auto c = plan::CompoundingFromName(*v);
        if (!c) Bad("compounding", "unknown compounding '" + *v + "'");
        in.compounding = *c;
    }
    if (auto v = args.get("frequency")) {
        const auto f = plan::FrequencyFromName(*v);
        if (!f) Bad("frequency", "unknown frequency '" + *v + "'");
        in.frequency = *f;
    }
    if (auto v = args.get("days")) in.daysInYear = Number("days", *v);
    if (auto v = args.get("first-date")) {
        const auto d = ParseDateText(*v);
        if (!d) Bad("first-date", "'" + *v + "' is not a date");
        in.firstDate = *d;
    }
    const auto rates = args.all("rate");
    if (!rates.empty()) in.rates.clear();
    for (std::size_t k = 0; k < rates.size(); ++k) {
        const std::string& given = rates[k];
        const auto eq = given.find('=');
        plan::RatePeriod r;
        if (eq == std::string::npos) {
            if (k + 1 < rates.size()) Bad("rate", "only the last --rate may leave out YEARS");
        } else {
            r.years = Whole("rate", given.substr(0, eq));
        }
        r.ratePercent = Number("rate", eq == std::string::npos ? given : given.substr(eq + 1));
        in.rates.push_back(r);
    }
    if (auto v = args.get("extra")) {
        const auto at = v->find('@');
        in.extra = Amount("extra", v->substr(0, at));
        in.extraFrom = at == std::string::npos ? 1 : Whole("extra", v->substr(at + 1));
    }
    if (auto v = args.get("increase")) in.increasePercent = Number("increase", *v);
    if (auto v = args.get("increase-limit")) in.increaseLimitPercent = Number("increase-limit", *v);
    const auto lumps = args.all("lump");
    if (!lumps.empty()) in.lumps.clear();
    for (const std::string& given : lumps) {
        const auto eq = given.find('=');
        if (eq == std::string::npos)
            Bad("lump", "'" + given + "' is not PAYMENT=AMOUNT or DATE=AMOUNT");
        const std::string when = given.substr(0, eq);
        plan::LumpSum l;
        l.amount = Amount("lump", given.substr(eq + 1));
        if (when.find_first_not_of("0123456789") == std::string::npos && !when.empty()) {
            l.afterPayment = Whole("lump", when);
        } else {
            const auto d = ParseDateText(when);
            if (!d) Bad("lump", "'" + when + "' is neither a payment number nor a date");
            l.onOrAfter = *d;
        }
        in.lumps.push_back(l);
    }
    if (auto v = args.get("privilege")) in.privilegePercent = Number("privilege", *v);
    if (auto v = args.get("after")) {
        const auto a = plan::AfterLumpFromName(*v);
        if (!a) Bad("after", "is shorter or lower");
        in.after = *a;
    }
    if (auto v = args.get("fee")) {
        const auto comma = v->find(',');
        in.fee = Amount("fee", v->substr(0, comma));
        in.feeFinanced = false;
        if (comma != std::string::npos) {
            if (v->substr(comma + 1) != "financed") Bad("fee", "is AMOUNT or AMOUNT,financed");
            in.feeFinanced = true;
        }
    }
    if (auto v = args.get("view")) {
        const auto view = plan::ViewFromName(*v);
        if (!view) Bad("view", "is all or annual");
        in.view = *view;
    }
}

void PrintText(std::ostream& out, const PlanInput& in, const PlanResult& r) {
    const auto line = [&](const std::string& label, const std::string& value) {
        out << label << std::string(label.size() < 28 ? 28 - label.size() : 1, ' ')
            << RightAlign(value, 14) << "\n";
    };
    line("Opening balance", Grouped(r.openingBalance));
    line("First payment", Grouped(r.firstPayment));
    line("Payments", std::to_string(r.payments));
    line("Total interest", Grouped(r.totalInterest));
    line("Total paid", Grouped(r.totalPaid));
    line("Lump sums", Grouped(r.totalLumps));
    line("APR %", Fixed(r.aprPercent, 4));
    line("Interest saved", Grouped(r.savedInterest));
    line("Payments saved", std::to_string(r.savedPayments));

    const std::array<int, 8> tw{5, 5, 8, 10, 12, 14, 14, 14};
    out << "\nTerms\n"
        << AlignedCells(std::array<std::string, 8>{"From", "To", "Rate %", "Eff. %", "Payment",
                                                   "Interest", "Principal", "Balance"},
                        tw)
        << "\n";
    for (const plan::PlanTerm& t : r.terms)
        out << AlignedCells(std::array<std::string, 8>{std::to_string(t.firstPayment),
                                                       std::to_string(t.lastPayment),
                                                       Fixed(t.ratePercent, 3),
                                                       Fixed(t.effectiveRatePercent, 4),
                                                       Grouped(t.payment), Grouped(t.interest),
                                                       Grouped(t.principal), Grouped(t.balance)},
                            tw)
            << "\n";
    if (!r.cut.empty()) {
        out << "\nLump sums cut\n";
        for (const plan::CutLump& c : r.cut)
            out << "after payment " << c.afterPayment << ": " << Grouped(c.requested) << " asked, "
                << Grouped(c.paid) << " paid, " << Grouped(c.cut) << " cut\n";
    }

    const bool annual = in.view == plan::PlanView::Annual;
    const std::array<int, 10> w{5, 10, 7, 12, 10, 12, 12, 12, 14, 14};
    out << "\nSchedule\n"
        << AlignedCells(std::array<std::string, 10>{annual ? "Year" : "No.", "Date", "Rate %",
                                                    "Payment", "Extra", "Interest", "Principal",
                                                    "Lump sum", "Balance", "Cum. interest"},
                        w)
        << "\n";
    for (const plan::PlanRow& row : r.rows)
        out << AlignedCells(
                   std::array<std::string, 10>{
                       std::to_string(row.number), DateText(row.date), Fixed(row.ratePercent, 3),
                       Grouped(row.regular), Grouped(row.extra), Grouped(row.interest),
                       Grouped(row.principal), Grouped(row.lump), Grouped(row.balance),
                       Grouped(row.cumulativeInterest)},
                   w)
            << "\n";
}

void PrintCsv(std::ostream& out, const PlanInput& in, const PlanResult& r) {
    out << (in.view == plan::PlanView::Annual ? "year" : "payment")
        << ",date,rate,payment,extra,interest,principal,lump,balance,cumulative_interest\r\n";
    for (const plan::PlanRow& row : r.rows)
        out << row.number << "," << DateText(row.date) << "," << JsonNumber(row.ratePercent) << ","
            << Plain(row.regular) << "," << Plain(row.extra) << "," << Plain(row.interest) << ","
            << Plain(row.principal) << "," << Plain(row.lump) << "," << Plain(row.balance) << ","
            << Plain(row.cumulativeInterest) << "\r\n";
}

void PrintJson(std::ostream& out, const PlanInput& in, const PlanResult& r) {
    out << "{\n";
    out << "  \"payment\": " << Plain(r.firstPayment) << ",\n";
    out << "  \"payments\": " << r.payments << ",\n";
    out << "  \"opening_balance\": " << Plain(r.openingBalance) << ",\n";
    out << "  \"total_interest\": " << Plain(r.totalInterest) << ",\n";
    out << "  \"total_paid\": " << Plain(r.totalPaid) << ",\n";
    out << "  \"total_lumps\": " << Plain(r.totalLumps) << ",\n";
    out << "  \"apr\": " << Fixed(r.aprPercent, 4) << ",\n";
    out << "  \"effective_rates\": [";
    for (std::size_t t = 0; t < r.effectiveRatePercents.size(); ++t)
        out << (t ? ", " : "") << Fixed(r.effectiveRatePercents[t], 4);
    out << "],\n  \"terms\": [";
    for (std::size_t k = 0; k < r.terms.size(); ++k) {
        const plan::PlanTerm& t = r.terms[k];
        out << (k ? "," : "") << "\n    {\"first_payment\": " << t.firstPayment
            << ", \"last_payment\": " << t.lastPayment
            << ", \"rate\": " << JsonNumber(t.ratePercent) << ", \"payment\": " << Plain(t.payment)
            << ", \"interest\": " << Plain(t.interest) << ", \"principal\": " << Plain(t.principal)
            << ", \"balance\": " << Plain(t.balance) << "}";
    }
    out << (r.terms.empty() ? "" : "\n  ") << "],\n  \"cut\": [";
    for (std::size_t k = 0; k < r.cut.size(); ++k) {
        const plan::CutLump& c = r.cut[k];
        out << (k ? "," : "") << "\n    {\"after_payment\": " << c.afterPayment
            << ", \"date\": " << JsonDate(c.date) << ", \"requested\": " << Plain(c.requested)
            << ", \"paid\": " << Plain(c.paid) << ", \"cut\": " << Plain(c.cut) << "}";
    }
    out << (r.cut.empty() ? "" : "\n  ")
        << "],\n  \"saved\": {\"interest\": " << Plain(r.savedInterest)
        << ", \"payments\": " << r.savedPayments << "},\n";
    out << "  \"view\": \"" << plan::ViewName(in.view) << "\",\n  \"rows\": [";
    for (std::size_t k = 0; k < r.rows.size(); ++k) {
        const plan::PlanRow& row = r.rows[k];
        out << (k ? "," : "") << "\n    {\"number\": " << row.number
            << ", \"date\": " << JsonDate(row.date) << ", \"rate\": " << JsonNumber(row.ratePercent)
            << ", \"payment\": " << Plain(row.regular) << ", \"extra\": " << Plain(row.extra)
            << ", \"interest\": " << Plain(row.interest)
            << ", \"principal\": " << Plain(row.principal) << ", \"lump\": " << Plain(row.lump)
            << ", \"balance\": " << Plain(row.balance)
            << ", \"cumulative_interest\": " << Plain(row.cumulativeInterest) << "}";
    }
    out << (r.rows.empty() ? "" : "\n  ") << "]\n}\n";
}

}  // namespace

int RunPlan(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    return RunCommand("plan", kPlanUsage, argv, out, err, [&] {
        const Args args(argv,
                        {"principal", "period", "compounding", "frequency", "days", "first-date",
                         "rate", "extra", "increase", "increase-limit", "lump", "privilege",
                         "after", "fee", "view", "format", "folder", "open", "save"},
                        {}, {"rate", "lump"});
        const std::string format = args.get("format").value_or("text");
        if (format != "text" && format != "csv" && format != "json")
            Bad("format", "is text, csv or json");

        PlanInput in;
        in.principal = 100'000'00;
        if (auto name = args.get("open")) {
            std::string why;
            auto file = plan::LoadPlanFile(*name, &why);
            if (!file) Bad("open", *name + ": " + why);
            in = *file;
        } else {
            const Settings settings = ReadSettings(QDir(QString::fromStdString(ProgramFolder(args)))
                                                       .filePath(kSettingsFileName)
                                                       .toStdString());
            const int c = settings.defaultCompounding;
            in.compounding =
                c >= 0 && c <= 4 ? static_cast<plan::Compounding>(c) : plan::Compounding::Monthly;
        }
        ReadOptions(args, in);

        const PlanResult r = plan::ComputePlan(in);
        if (!r.ok()) throw UsageError(r.errorText);
        if (auto name = args.get("save")) {
            if (UpperExtension(*name) != plan::kPlanFileExtension)
                Bad("save", "a plan file name ends in .KPL");
            std::string why;
            if (!plan::SavePlanFile(*name, in, &why)) Bad("save", *name + ": " + why);
        }
        // The whole output is made before any of it is written.
        std::ostringstream text;
        if (format == "json")
            PrintJson(text, in, r);
        else if (format == "csv")
            PrintCsv(text, in, r);
        else
            PrintText(text, in, r);
        out << text.str();
        return 0;
    });
}

}  // namespace bw::cli
