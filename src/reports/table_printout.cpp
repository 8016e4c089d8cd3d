#include "reports/table_printout.h"

#include <algorithm>

#include "shell/dates.h"
#include "shell/mmodule.h"
#include "shell/number_format.h"

namespace bw {

namespace table_print {

const std::string kRule(75, '_');

std::string Title(std::int16_t tableMode) {
    return tableMode == 2 ? " Personal Loan Table" : " Mortgage Table";
}

const std::array<std::string, 3>& InputLabels(std::int16_t tableMode) {
    static const std::array<std::string, 3> mortgage = {
        "Principal      Annual        Amortization   Interest           Frequency",
        "amount of      interest      period in      compounding        and type of",
        "mortgage.      rate(%).      years.         periods in year.   each payment"};
    static const std::array<std::string, 3> loan = {
        "Principal      Annual        Length of      Interest           Frequency",
        "amount of      interest      the loan       compounding        and type of",
        "the loan.      rate(%).      in months.     periods in year.   each payment"};
    return tableMode == 2 ? loan : mortgage;
}

const std::array<std::string, 3>& ResultLabels(std::int16_t tableMode) {
    static const std::array<std::string, 3> mortgage = {
        "Days   Interest    No. of     No. years  Principal   Total paid    Total of",
        "in     rate        payments   to final   + Interest  over life     interest",
        "year   factor      each year  payment    payment     of mortgage   savings"};
    static const std::array<std::string, 3> loan = {
        "Days   Interest    No. of     No. months Principal   Total paid    Total of",
        "in     rate        payments   to final   + Interest  over life     interest",
        "year   factor      each year  payment    payment     of the loan   savings"};
    return tableMode == 2 ? loan : mortgage;
}

const std::string kHeading1 =
    " Payment    Interest   Principal     Remaining    Cumulative     Cumulative";

std::string Heading2(std::int16_t rowView, std::int16_t dateMode) {
    if (rowView == 1)
        return "  Year       Payment     Payment       Balance      Interest      Principal";
    if (dateMode == 1)
        return "   Date      Payment     Payment       Balance      Interest      Principal";
    return "No. Year     Payment     Payment       Balance      Interest      Principal";
}

}  // namespace table_print

namespace {

using namespace table_print;

// A text right-justified in a field of `width` characters. A longer text is printed whole (the
// texts after it move on) rather than cut, so that no figure on paper loses digits.
std::string Field(const std::string& text, int width) {
    if (static_cast<int>(TextLength(text)) >= width) return text;
    return RightAlign(text, width);
}

// The value of a result box: its text without blanks, currency symbol and thousands separators.
double BoxValue(const std::string& text, const std::string& currencySymbol) {
    std::string s;
    for (char c : text) {
        if (c != ' ') s += c;
    }
    if (!currencySymbol.empty() && s.rfind(currencySymbol, 0) == 0)
        s.erase(0, currencySymbol.size());
    s.erase(std::remove(s.begin(), s.end(), ','), s.end());
    return LeadingNumber(s);
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

const ScheduleRow& Row(const MMODULE& mm, int i) {
    static const ScheduleRow kEmpty{};
    if (i < 0 || static_cast<std::size_t>(i) >= mm.ScheduleTable.size()) return kEmpty;
    return mm.ScheduleTable[static_cast<std::size_t>(i)];
}

std::string Amount(Money value) {
    return FormatNumber(value, "####,,###.00");
}

// The page break of the schedule: the page number at the foot of the page, then a new page with
// the column headings. The line counter starts again at 7.
void BreakPage(Printout& printer, MMODULE& mm, int& lineCount) {
    TurnPage(printer, mm);
    printer.line(2, kHeading1);
    printer.line(2, Heading2(mm.RowView, mm.DateMode));
    printer.line(2, kRule);
    printer.endLine();
    lineCount = 7;
}

int LineCount(const std::string& text) {
    int lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') ++lines;
    return lines;
}

}  // namespace

void StoreCalculationForPrint(MMODULE& mm, TableWindowTexts& texts, const AmortizationInput& in,
                              const AmortizationResult& result, const ScheduleTexts& shown) {
    mm.TableMode = in.tableMode;
    mm.LoanInputs[1] = in.principal;
    mm.LoanInputs[2] = in.rate;
    mm.LoanInputs[3] = in.period;
    mm.ScheduleTable = result.schedule;
    mm.RetiredYears = result.retiredYears;
    mm.PaymentsPerYear = result.paymentsPerYear;
    mm.RowView = in.rowView;
    mm.DateMode = in.dateMode;
    mm.DisplayTerm = result.displayTerm;
    mm.GridRows = result.gridRows;
    mm.ResultRowCount = shown.resultRowCount;
    mm.GraphTitle = shown.graphTitle;
    mm.PrintLines = {std::string(), shown.printText, std::string(), std::string()};
    // The period box shows years, or months for a personal loan.
    const double period = in.tableMode == 2 ? in.period * 12 : in.period;
    texts.periodText = RightAlign(FormatNumber(period, "###"), 16);
    texts.compoundingText = in.compounding;
    texts.frequencyText = in.frequency;
    texts.boxes = shown.boxes;
}

int TablePrintRows(const MMODULE& mm) {
    int rows = 0;
    if (mm.DisplayTerm > 0) {
        rows = mm.RowView == 1 ? mm.DisplayTerm : mm.DisplayTerm * mm.PaymentsPerYear;
    } else if (mm.RowView == 1) {
        std::int16_t years = 0;
        ToInt16(static_cast<double>(mm.RetiredYears) + 0.49, years);
        rows = years;
    } else {
        rows = mm.ResultRowCount - 1;
    }
    // Never past the schedule's last row.
    const int last = mm.ScheduleTable.empty() ? 0 : static_cast<int>(mm.ScheduleTable.size()) - 1;
    return std::clamp(rows, 0, last);
}

PrintLine TableInputsLine(const MMODULE& mm, const TableWindowTexts& texts) {
    PrintLine line;
    const std::string& cur = mm.CurrencySymbol;
    line.fields.push_back({2, Field(cur + FormatNumber(mm.LoanInputs[1], "###,,###.00"), 11)});
    line.fields.push_back({15, Field(FormatNumber(mm.LoanInputs[2], "###.000"), 8) + "%"});
    line.fields.push_back({29, Field(FormatNumber(LeadingNumber(texts.periodText), "###"), 4)});
    line.fields.push_back({40, Field(texts.compoundingText, 16)});
    line.fields.push_back({61, Field(texts.frequencyText, 16)});
    return line;
}

PrintLine TableResultsLine(const MMODULE& mm, const TableWindowTexts& texts) {
    const ResultBoxes& b = texts.boxes;
    const std::string& cur = mm.CurrencySymbol;
    PrintLine line;
    // The days box is right-aligned on screen; on paper its column is narrow.
    line.fields.push_back({2, Trimmed(b.InDays)});
    line.fields.push_back({9, Field(FormatNumber(BoxValue(b.PeriodicR, cur), "0.########"), 10)});
    line.fields.push_back({19, Field(FormatNumber(BoxValue(b.NumPmtsYear, cur), "###.00"), 7)});
    line.fields.push_back({31, Field(FormatNumber(BoxValue(b.EndMortYear, cur), "###.00"), 6)});
    line.fields.push_back(
        {40, Field(cur + FormatNumber(BoxValue(b.InMonthPI, cur), "##,,###.00"), 10)});
    line.fields.push_back(
        {53, Field(cur + FormatNumber(BoxValue(b.AllPayments, cur), "###,,###.00"), 12)});
    line.fields.push_back(
        {65, Field(cur + FormatNumber(BoxValue(b.TotSavd, cur), "####,,###.00"), 12)});
    return line;
}

namespace {

std::string RowDate(const ScheduleRow& row) {
    return ShortDateText(DateFromSerial(row[7].ticks() / Money::kScale));
}

}  // namespace

int TableDateWidth(const MMODULE& mm, int rows) {
    if (mm.DateMode != 1) return 0;
    std::size_t longest = 0;
    for (int i = 1; i <= rows; ++i) longest = std::max(longest, TextLength(RowDate(Row(mm, i))));
    return static_cast<int>(longest) + 1;
}

PrintLine TableRowLine(const MMODULE& mm, int i, int dateWidth) {
    const ScheduleRow& row = Row(mm, i);
    PrintLine line;
    if (mm.DateMode == 1) {
        std::string date = RowDate(row);
        const auto length = static_cast<int>(TextLength(date));
        if (length < dateWidth) date.append(static_cast<std::size_t>(dateWidth - length), ' ');
        line.fields.push_back({2, date});
    } else if (mm.RowView == 1) {
        line.fields.push_back({2, Field(FormatNumber(row[1], "####"), 5)});
    } else {
        line.fields.push_back(
            {2, Field(FormatNumber(row[1], "####"), 4) + Field(FormatNumber(row[0], "###"), 3)});
    }
    line.fields.push_back({13, Field(Amount(row[2]), 9)});
    line.fields.push_back({25, Field(Amount(row[3]), 9)});
    line.fields.push_back({36, Field(Amount(row[4]), 12)});
    line.fields.push_back({50, Field(Amount(row[5]), 12)});
    line.fields.push_back({65, Field(Amount(row[6]), 12)});
    return line;
}

PrintLine TableTotalLine(const MMODULE& mm, int rows) {
    const ScheduleRow& row = Row(mm, rows);
    PrintLine line;
    // A number printed as text carries a leading blank when it is positive.
    line.fields.push_back(
        {2, mm.DisplayTerm == 0
                ? std::string("Total:")
                : (mm.DisplayTerm > 0 ? " " : "") + std::to_string(mm.DisplayTerm) + " Year Term"});
    const std::string& cur = mm.CurrencySymbol;
    line.fields.push_back({36, cur + Field(Amount(row[4]), 12)});
    line.fields.push_back({50, cur + Field(Amount(row[5]), 12)});
    line.fields.push_back({65, cur + Field(Amount(row[6]), 12)});
    return line;
}

void PrintTable(Printout& printer, MMODULE& mm, const TableWindowTexts& texts) {
    SetPrinterFont(printer, mm);
    printer.line(2, mm.PrintHeader);
    printer.endLine();

    // The first-page block, lines 4 to 24.
    printer.line(32, Title(mm.TableMode));
    printer.line(2, kRule);
    printer.endLine();
    for (const std::string& label : InputLabels(mm.TableMode)) printer.line(2, label);
    printer.endLine();
    printer.line(TableInputsLine(mm, texts));
    printer.line(2, kRule);
    printer.endLine();
    for (const std::string& label : ResultLabels(mm.TableMode)) printer.line(2, label);
    printer.endLine();
    printer.line(TableResultsLine(mm, texts));
    printer.line(2, kRule);
    printer.endLine();
    printer.line(2, kHeading1);
    printer.line(2, Heading2(mm.RowView, mm.DateMode));
    printer.line(2, kRule);
    printer.endLine();
    int lineCount = 24;

    const int rows = TablePrintRows(mm);
    const int dateWidth = TableDateWidth(mm, rows);
    for (int i = 1; i <= rows; ++i) {
        ++lineCount;
        printer.line(TableRowLine(mm, i, dateWidth));
        if (mm.LinesPerPage > 0 && lineCount % mm.LinesPerPage == 0)
            BreakPage(printer, mm, lineCount);
    }

    printer.line(2, kRule);
    printer.endLine();
    printer.line(TableTotalLine(mm, rows));

    const std::string applied = mm.PrintLines.size() > 1 ? mm.PrintLines[1] : std::string();
    if (!applied.empty()) {
        if (LineCount(applied) + 4 + lineCount > 57) BreakPage(printer, mm, lineCount);
        printer.endLine();
        printer.line(2, applied);
    }
    EndPrintout(printer);
}

}  // namespace bw
