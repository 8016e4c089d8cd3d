#include "plan/plan_texts.h"

#include <cstdio>

#include "shell/dates.h"
#include "shell/number_format.h"

namespace bw::plan {
namespace {

double Units(Cents amount) {
    return static_cast<double>(amount) / 100.0;
}

std::string Amount(Cents amount) {
    const std::string text = FormatNumber(Units(amount < 0 ? -amount : amount), "#,##0.00");
    return amount < 0 ? "-" + text : text;
}

std::string Plain(Cents amount) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%lld.%02lld", amount < 0 ? "-" : "",
                  static_cast<long long>((amount < 0 ? -amount : amount) / 100),
                  static_cast<long long>((amount < 0 ? -amount : amount) % 100));
    return text;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : " / ") + part;
    return text;
}

std::string DateText(const QDate& date) {
    return date.isValid() ? ShortDateText(date) : std::string();
}

}  // namespace

std::string MoneyText(Cents amount, const std::string& currency) {
    return amount < 0 ? "-" + currency + Amount(-amount) : currency + Amount(amount);
}

std::string PercentText(double percent, int decimals) {
    const std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
    return FormatNumber(percent, pattern) + " %";
}

const std::vector<std::string>& DaysChoices() {
    static const std::vector<std::string> choices = {"365.25", "365", "364", "363"};
    return choices;
}

const std::vector<std::string>& AfterLumpChoices() {
    static const std::vector<std::string> choices = {"Shorter mortgage", "Lower payment"};
    return choices;
}

const std::vector<std::string>& ScheduleViewChoices() {
    static const std::vector<std::string> choices = {"All payments", "Yearly"};
    return choices;
}

PlanBoxTexts BoxTexts(const PlanInput& input, const PlanResult& result,
                      const std::string& currency) {
    PlanBoxTexts boxes;
    std::vector<std::string> payments;
    std::vector<std::string> rates;
    for (const PlanTerm& term : result.terms) {
        payments.push_back(MoneyText(term.payment, currency));
        rates.push_back(PercentText(term.effectiveRatePercent));
    }
    boxes.termPayments = Joined(payments);
    boxes.effectiveRates = Joined(rates);
    boxes.payments = std::to_string(result.payments);
    boxes.totalInterest = MoneyText(result.totalInterest, currency);
    boxes.totalPaid = MoneyText(result.totalPaid, currency);
    boxes.apr = PercentText(result.aprPercent);
    boxes.interestSaved = MoneyText(result.savedInterest, currency);
    const int perYear = PaymentsPerYear(input.frequency);
    boxes.timeSaved = std::to_string(result.savedPayments) +
                      (result.savedPayments == 1 ? " payment (" : " payments (") +
                      FormatNumber(static_cast<double>(result.savedPayments) / perYear, "0.0") +
                      " years)";
    return boxes;
}

std::string WindowErrorText(const PlanResult& result) {
    static const std::pair<const char*, const char*> kCaptions[] = {
        {"principal", "Principal"},      {"period", "Amortization"},
        {"days", "Days in year"},        {"rate", "Rates and terms"},
        {"extra", "Regular extra"},      {"increase-limit", "Yearly increase at most"},
        {"increase", "Yearly increase"}, {"privilege", "Privilege"},
        {"after", "After lump sums"},    {"fee", "Fee"},
        {"payment", "Payment"},          {"lump", "Lump sums"}};
    std::string text = result.errorText;
    const std::string prefix = result.errorField + ": ";
    if (text.rfind(prefix, 0) == 0) text.erase(0, prefix.size());
    for (const auto& [field, caption] : kCaptions) {
        if (result.errorField == field) {
            text = std::string(caption) + ": " + text;
            break;
        }
    }
    for (const auto& [option, shown] :
         {std::pair<std::string, std::string>{"\"lower\"", "\"Lower payment\""},
          {"\"shorter\"", "\"Shorter mortgage\""}}) {
        for (auto at = text.find(option); at != std::string::npos; at = text.find(option, at))
            text.replace(at, option.size(), shown);
    }
    return text;
}

std::vector<std::string> CutLumpLines(const PlanResult& result, const std::string& currency) {
    std::vector<std::string> lines;
    for (const CutLump& cut : result.cut) {
        const std::string when =
            "after payment " + std::to_string(cut.afterPayment) +
            (cut.date.isValid() ? " (" + DateText(cut.date) + ")" : std::string());
        lines.push_back("Lump sum " + when + ": " + MoneyText(cut.paid, currency) + " of " +
                        MoneyText(cut.requested, currency) + " paid, " +
                        MoneyText(cut.cut, currency) + " over the privilege or the balance.");
    }
    return lines;
}

std::vector<std::string> ScheduleHeadings(PlanView view) {
    return {view == PlanView::Annual ? "Year" : "No.",
            "Date",
            "Rate %",
            "Payment",
            "Extra",
            "Interest",
            "Principal",
            "Lump sum",
            "Balance",
            "Total interest"};
}

std::vector<std::string> ScheduleCells(const PlanRow& row, PlanView) {
    return {
        std::to_string(row.number),    DateText(row.date), FormatNumber(row.ratePercent, "0.000"),
        Amount(row.regular),           Amount(row.extra),  Amount(row.interest),
        Amount(row.principal),         Amount(row.lump),   Amount(row.balance),
        Amount(row.cumulativeInterest)};
}

std::vector<std::string> TermHeadings() {
    return {"Term", "Payments", "Rate %", "Payment", "Interest", "Principal", "Balance"};
}

std::vector<std::string> TermCells(const PlanTerm& term, int index) {
    return {std::to_string(index + 1),
            std::to_string(term.firstPayment) + " - " + std::to_string(term.lastPayment),
            FormatNumber(term.ratePercent, "0.000"),
            Amount(term.payment),
            Amount(term.interest),
            Amount(term.principal),
            Amount(term.balance)};
}

std::string ScheduleCsv(const PlanResult& result, PlanView view) {
    std::string csv = view == PlanView::Annual ? "year" : "payment";
    csv += ",date,rate,regular,extra,interest,principal,lump,balance,cumulative_interest\n";
    for (const PlanRow& row : result.rows) {
        csv += std::to_string(row.number) + "," +
               (row.date.isValid() ? row.date.toString(Qt::ISODate).toStdString() : "") + "," +
               PlainNumber(row.ratePercent) + "," + Plain(row.regular) + "," + Plain(row.extra) +
               "," + Plain(row.interest) + "," + Plain(row.principal) + "," + Plain(row.lump) +
               "," + Plain(row.balance) + "," + Plain(row.cumulativeInterest) + "\n";
    }
    return csv;
}

}  // namespace bw::plan
