#include "plan/plan_printout.h"

#include <algorithm>

#include "plan/plan_texts.h"
#include "shell/dates.h"
#include "shell/mmodule.h"
#include "shell/number_format.h"

namespace bw::plan {
namespace {

const std::string kRule(75, '_');

// A text right-justified in a field of `width` characters; a longer one is printed whole.
std::string Field(const std::string& text, int width) {
    if (static_cast<int>(TextLength(text)) >= width) return text;
    return RightAlign(text, width);
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

// A rate or a day count with no more decimals than it has: 5, 6.5, 365.25.
std::string Number(double value) {
    std::string text = FormatNumber(value, "0.###");
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

// Columns and widths of the schedule and of the term summary.
struct Column {
    int at;
    int width;
};
constexpr Column kScheduleColumns[] = {{2, 5},   {8, 10},  {19, 10}, {30, 10},
                                       {41, 10}, {52, 10}, {63, 12}};
constexpr Column kTermColumns[] = {{2, 4},   {7, 11},  {19, 7}, {27, 10},
                                   {38, 12}, {51, 12}, {64, 12}};

template <std::size_t N>
PrintLine Placed(const Column (&columns)[N], const std::vector<std::string>& texts) {
    PrintLine line;
    for (std::size_t i = 0; i < N && i < texts.size(); ++i)
        line.fields.push_back({columns[i].at, Field(texts[i], columns[i].width)});
    return line;
}

PrintLine ScheduleHeading(PlanView view) {
    return Placed(kScheduleColumns, {view == PlanView::Annual ? "Year" : "No.", "Date", "Payment",
                                     "Interest", "Principal", "Lump sum", "Balance"});
}

std::string Amount(Cents c) {
    return FormatNumber(static_cast<double>(c) / 100, "#,##0.00");
}

PrintLine ScheduleLine(const PlanRow& row) {
    return Placed(kScheduleColumns,
                  {std::to_string(row.number), row.date.isValid() ? ShortDateText(row.date) : "",
                   Amount(row.regular + row.extra), Amount(row.interest), Amount(row.principal),
                   Amount(row.lump), Amount(row.balance)});
}

// The foot of a full page and the headings of the next, as the table printout breaks its pages.
void BreakPage(Printout& printer, MMODULE& mm, PlanView view) {
    TurnPage(printer, mm);
    printer.line(ScheduleHeading(view));
    printer.line(2, kRule);
    printer.endLine();
}

}  // namespace

std::vector<std::string> PlanInputLines(const PlanInput& in, const std::string& cur) {
    std::vector<std::string> lines;
    const auto pad = [](std::string text, std::size_t width) {
        text.resize(std::max(text.size(), width), ' ');
        return text;
    };
    const auto pair = [&](const std::string& a, const std::string& av, const std::string& b,
                          const std::string& bv) {
        lines.push_back(pad(pad(a, 19) + av, 38) + pad(b, 17) + bv);
    };
    pair("Principal", MoneyText(in.principal, cur), "Amortization",
         std::to_string(in.years) + " years");
    pair("Compounding", Trimmed(lists::kCompounding[static_cast<std::size_t>(in.compounding)]),
         "Payments", Trimmed(lists::kFrequency[static_cast<std::size_t>(in.frequency)]));
    pair("First payment", in.firstDate.isValid() ? ShortDateText(in.firstDate) : "-",
         "Days in year", Number(in.daysInYear));
    std::string rates;
    for (std::size_t i = 0; i < in.rates.size(); ++i) {
        const RatePeriod& p = in.rates[i];
        rates += (i ? ", " : "") + Number(p.ratePercent) + " %" +
                 (i + 1 < in.rates.size() ? " for " + std::to_string(p.years) + " years"
                                          : std::string(i ? " to the end" : ""));
    }
    lines.push_back(pad("Rates", 19) + rates);
    if (in.extra > 0)
        lines.push_back(pad("Regular extra", 19) + MoneyText(in.extra, cur) + " from payment " +
                        std::to_string(in.extraFrom));
    if (in.increasePercent > 0)
        lines.push_back(pad("Yearly increase", 19) + Number(in.increasePercent) + " %" +
                        (in.increaseLimitPercent ? ", at most " + Number(*in.increaseLimitPercent) +
                                                       " % of the term's first payment"
                                                 : std::string()));
    for (const LumpSum& lump : in.lumps)
        lines.push_back(pad("Lump sum", 19) + MoneyText(lump.amount, cur) +
                        (lump.onOrAfter.isValid()
                             ? " on or after " + ShortDateText(lump.onOrAfter)
                             : " after payment " + std::to_string(lump.afterPayment)));
    if (!in.lumps.empty())
        lines.push_back(
            pad("Privilege", 19) +
            (in.privilegePercent ? Number(*in.privilegePercent) + " % a year"
                                 : std::string("none")) +
            "; after a lump sum: " + AfterLumpChoices()[in.after == AfterLump::Lower ? 1 : 0]);
    if (in.fee > 0)
        lines.push_back(pad("Fee", 19) + MoneyText(in.fee, cur) +
                        (in.feeFinanced ? " added to the balance" : " paid upfront"));
    return lines;
}

void PrintPlan(Printout& printer, MMODULE& mm, const PlanInput& input, const PlanResult& result) {
    const std::string& cur = mm.CurrencySymbol;
    SetPrinterFont(printer, mm);
    printer.line(2, mm.PrintHeader);
    printer.endLine();
    printer.line(32, " Mortgage Plan");
    printer.line(2, kRule);
    printer.endLine();
    for (const std::string& text : PlanInputLines(input, cur)) printer.line(2, text);
    printer.line(2, kRule);
    printer.endLine();

    printer.line(Placed(kTermColumns, TermHeadings()));
    for (std::size_t i = 0; i < result.terms.size(); ++i)
        printer.line(Placed(kTermColumns, TermCells(result.terms[i], static_cast<int>(i))));
    printer.line(2, kRule);
    printer.endLine();

    const PlanBoxTexts boxes = BoxTexts(input, result, cur);
    printer.line(2, "Payments: " + boxes.payments + "    Total interest: " + boxes.totalInterest +
                        "    Total paid: " + boxes.totalPaid);
    printer.line(2, "APR: " + boxes.apr + "    Interest saved: " + boxes.interestSaved +
                        "    Time saved: " + boxes.timeSaved);
    for (const std::string& text : CutLumpLines(result, cur)) printer.line(2, text);
    printer.line(2, kRule);
    printer.endLine();

    printer.line(ScheduleHeading(input.view));
    printer.line(2, kRule);
    printer.endLine();
    for (const PlanRow& row : result.rows) {
        printer.line(ScheduleLine(row));
        if (mm.LinesPerPage > 0 && printer.linesOnPage() >= mm.LinesPerPage - 3)
            BreakPage(printer, mm, input.view);
    }
    printer.line(2, kRule);
    printer.endLine();
    Cents paid = 0;
    Cents principal = 0;
    Cents lumps = 0;
    for (const PlanRow& row : result.rows) {
        paid += row.regular + row.extra;
        principal += row.principal;
        lumps += row.lump;
    }
    printer.line(Placed(kScheduleColumns, {"Total:", "", Amount(paid), Amount(result.totalInterest),
                                           Amount(principal), Amount(lumps)}));
    EndPrintout(printer);
}

}  // namespace bw::plan
