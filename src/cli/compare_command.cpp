// brindlewood-cli compare: the comparison window's table from a shell. Each --row is one press of
// "&Calculate" after the row's options were typed into the window; options a row leaves out
// keep the value of the row before (the window's boxes keep their values too).

#include <QDir>
#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>

#include "cli/cli_common.h"
#include "cli/commands.h"
#include "compare/comparison_engine.h"
#include "compare/comparison_file.h"
#include "compare/comparison_printout.h"
#include "compare/comparison_sheet.h"
#include "reports/page_model.h"
#include "reports/text_backend.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/settings_file.h"
#include "tables/days_in_year.h"

namespace bw::cli {
namespace {

const char* kCompareUsage =
    "usage: brindlewood-cli compare [--prepay YEAR=AMOUNT ...] [--prepay-month 1..12]\n"
    "  [--open FILE.KCD] --row \"OPTIONS\" [--row \"OPTIONS\" ...] [--save FILE.KCD]\n"
    "  [--print FILE.pdf|-] [--header TEXT] [--paper a4|letter] [--format text|json]\n"
    "  [--folder DIR]\n"
    "row OPTIONS: [--principal P] [--rate R] [--period N]\n"
    "  [--compounding monthly|bimonthly|quarterly|semiannual|annual]\n"
    "  [--frequency monthly|semimonthly|2weeks|1week|biweekly-acc|weekly-acc]\n"
    "  [--days 365.25|365|364|363|VALUE]\n"
    "Each row is calculated from its options; options it leaves out keep the previous row's\n"
    "values (the first row starts from 100,000 at 10.125% over 25 years, monthly). The\n"
    "additional payments apply to every row. At most 12 rows; periods are at most 40 years.\n"
    "--open continues a comparison file; --print - writes the printout as text.\n";

std::vector<std::string> SplitWords(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// The inputs of the window as they stand between calculations.
struct Inputs {
    double principal = 100000;
    double rate = 10.125;
    double period = 25;
    std::string compounding = lists::kCompounding[0];
    std::string frequency = lists::kFrequency[0];
    DaysSetting days{1, 365.0f, 365.0 / 14.0, 365.0 / 7.0};
};

// One --row: its options change the inputs; messages the boxes would show are collected.
void ApplyRow(const std::string& options, Inputs& in, std::vector<int>& messages) {
    const Args row(SplitWords(options),
                   {"principal", "rate", "period", "compounding", "frequency", "days"}, {});
    in.principal = row.number("principal", in.principal);
    in.rate = row.number("rate", in.rate);
    if (row.get("period")) {
        in.period = row.number("period", in.period);
        // A period over 40 years stops the command, as the affordability command does.
        if (in.period > 40) throw Stop{Msg::YearsLimit};
    }
    if (in.principal < 0 || in.rate < 0 || in.period < 0)
        throw UsageError("principal, rate and period cannot be negative");
    if (auto c = row.get("compounding")) in.compounding = CompoundingByName(*c);
    if (auto f = row.get("frequency")) in.frequency = FrequencyByName(*f);
    if (auto d = row.get("days")) {
        if (const auto typed = DaysFromText(*d))
            in.days = *typed;
        else
            messages.push_back(19);  // the dialog keeps the days it had
    }
}

// Per row of the table: what this run calculated (nothing for rows read from a file).
struct RowResult {
    std::optional<ComparisonRow> row;
};

std::string CellsJson(const UpperRow& cells) {
    std::string s = "[";
    for (std::size_t c = 0; c < cells.size(); ++c) s += (c ? ", " : "") + JsonString(cells[c]);
    return s + "]";
}

void PrintJson(std::ostream& out, const ComparisonSheet& sheet,
               const std::vector<RowResult>& results, const std::vector<int>& messages) {
    out << "{\n  \"rows\": [";
    for (int r = 0; r < sheet.rowCounter; ++r) {
        const auto ru = static_cast<std::size_t>(r);
        const RowResult& result = results[ru];
        out << (r ? ",\n" : "\n") << "    {\"row\": " << r + 1;
        if (result.row) {
            const ComparisonRow& row = *result.row;
            out << ", \"payment\": " << JsonNumber(row.payment)
                << ", \"payments\": " << row.payments
                << ", \"retired\": " << JsonNumber(row.retiredYears)
                << ", \"total_interest\": " << JsonMoney(row.totalInterest)
                << ", \"periodic_rate\": " << JsonNumber(row.periodicRate) << ", \"applied\": [";
            for (std::size_t i = 0; i < row.applied.size(); ++i) {
                const ComparisonPrePay& p = row.applied[i];
                out << (i ? ", " : "") << "{\"payment\": " << p.payment
                    << ", \"year\": " << JsonMoney(p.year) << ", \"month\": " << p.month
                    << ", \"amount\": " << JsonMoney(p.amount) << "}";
            }
            out << "]";
        } else {
            out << ", \"payment\": null, \"payments\": null, \"retired\": null"
                << ", \"total_interest\": null, \"applied\": null, \"from_file\": true";
        }
        out << ", \"cells\": " << CellsJson(sheet.upper[ru]) << "}";
    }
    out << "\n  ],\n  \"lower_grid\": [";
    bool first = true;
    for (const auto& line : sheet.lower) {
        if (std::all_of(line.begin(), line.end(), [](const std::string& s) { return s.empty(); }))
            continue;
        out << (first ? "\n" : ",\n") << "    [";
        for (std::size_t c = 0; c < line.size(); ++c) out << (c ? ", " : "") << JsonString(line[c]);
        out << "]";
        first = false;
    }
    out << (first ? "" : "\n  ") << "],\n  \"print_text\": " << JsonString(sheet.printText)
        << ",\n  \"messages\": [";
    for (std::size_t i = 0; i < messages.size(); ++i) out << (i ? ", " : "") << messages[i];
    out << "]\n}\n";
}

// The words of a heading, filled into lines of at most `width` characters.
std::vector<std::string> Wrapped(const std::string& heading, std::size_t width) {
    std::vector<std::string> lines;
    for (const std::string& word : SplitWords(heading)) {
        if (!lines.empty() && TextLength(lines.back()) + 1 + TextLength(word) <= width)
            lines.back() += " " + word;
        else
            lines.push_back(word);
    }
    return lines;
}

void PrintText(std::ostream& out, const ComparisonSheet& sheet) {
    std::vector<UpperRow> lines;
    for (int r = 0; r < sheet.rowCounter; ++r)
        lines.push_back(sheet.upper[static_cast<std::size_t>(r)]);
    // Each column as wide as its widest cell and the longest word of its heading; the headings
    // wrap over as many lines as they need, each line right-aligned over its column.
    std::array<std::size_t, kUpperCols> widths{};
    for (std::size_t c = 0; c < kUpperCols; ++c)
        for (const std::string& word : SplitWords(kUpperHeadings[c]))
            widths[c] = std::max(widths[c], TextLength(word));
    for (const auto& cells : lines)
        for (std::size_t c = 0; c < kUpperCols; ++c)
            widths[c] = std::max(widths[c], TextLength(cells[c]));
    std::array<std::vector<std::string>, kUpperCols> heading;
    std::size_t headingLines = 0;
    for (std::size_t c = 0; c < kUpperCols; ++c) {
        heading[c] = Wrapped(kUpperHeadings[c], widths[c]);
        headingLines = std::max(headingLines, heading[c].size());
    }
    for (std::size_t l = 0; l < headingLines; ++l) {
        UpperRow cells;
        for (std::size_t c = 0; c < kUpperCols; ++c) {
            // The shorter headings stand on the last lines, next to the rows.
            const std::size_t skip = headingLines - heading[c].size();
            cells[c] = l < skip ? std::string() : heading[c][l - skip];
        }
        std::string text = AlignedCells(cells, widths);
        while (!text.empty() && text.back() == ' ') text.pop_back();
        out << text << "\n";
    }
    for (const auto& cells : lines) {
        out << AlignedCells(cells, widths) << "\n";
    }
    if (sheet.largest == 0) return;
    out << "\n* Additional Payments Applied\n";
    std::vector<std::size_t> lowerWidths;
    for (const auto& line : sheet.lower) {
        lowerWidths.resize(std::max(lowerWidths.size(), line.size()));
        for (std::size_t c = 0; c < line.size(); ++c)
            lowerWidths[c] = std::max(lowerWidths[c], TextLength(line[c]));
    }
    for (const auto& line : sheet.lower) {
        std::string s;
        for (std::size_t c = 0; c < line.size(); ++c)
            s += line[c] + std::string(lowerWidths[c] - TextLength(line[c]) + 2, ' ');
        while (!s.empty() && s.back() == ' ') s.pop_back();
        if (!s.empty()) out << s << "\n";
    }
}

}  // namespace

int RunCompare(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    return RunCommand("compare", kCompareUsage, argv, out, err, [&] {
        const Args args(argv,
                        {"row", "prepay", "prepay-month", "open", "save", "print", "header",
                         "paper", "format", "folder"},
                        {}, {"row", "prepay"});
        const Settings settings = ReadSettings(QDir(QString::fromStdString(ProgramFolder(args)))
                                                   .filePath(kSettingsFileName)
                                                   .toStdString());
        const std::string format = args.get("format").value_or("text");
        if (format != "text" && format != "json") throw UsageError("--format is text or json");
        const std::vector<std::string> rowOptions = args.all("row");
        if (rowOptions.empty() && !args.get("open"))
            throw UsageError("give at least one --row (or --open a comparison file)");

        MMODULE mm;
        mm.CurrencySymbol = settings.currencySymbol;
        mm.PrinterFontChoice = settings.printerFontChoice;
        std::vector<int> messages;
        ComparisonSheet sheet;
        std::vector<RowResult> results;
        Inputs in;
        if (settings.defaultCompounding >= 1 && settings.defaultCompounding <= 4)
            in.compounding =
                lists::kCompounding[static_cast<std::size_t>(settings.defaultCompounding)];
        PrePayTableData prePay{};
        std::int16_t prePayMonth = 12;
        std::int16_t prePayYears = 0;
        std::int16_t prePayCount = 0;
        std::int16_t resultRowCount = 0;

        if (auto name = args.get("open")) {
            const ComparisonFileRead read = ReadComparisonFile(*name, prePayMonth);
            messages.insert(messages.end(), read.messages.begin(), read.messages.end());
            if (!read.ok) {
                for (int m : read.messages) err << MessageText(m) << "\n";
                return 1;
            }
            const ComparisonFile& f = read.file;
            in.principal = f.principal;
            in.rate = f.rate;
            in.period = f.period;
            in.compounding = f.compounding;
            in.frequency = f.frequency;
            in.days = DaysForOption(f.daysOption, in.days.daysInYear);
            prePay = f.prePayTable;
            prePayMonth = f.prePayMonth;
            prePayYears = f.prePayYears;
            prePayCount = f.prePayCount;
            resultRowCount = f.resultRowCount;
            sheet = f.sheet;
            results.resize(static_cast<std::size_t>(sheet.rowCounter));
        }

        // The shared additional payments, as the dialog stores them.
        if (args.has("prepay-month")) prePayMonth = PrePayMonthOption(args);
        if (args.has("prepay")) {
            Inputs first = in;
            if (!rowOptions.empty()) {
                std::vector<int> ignored;
                ApplyRow(rowOptions.front(), first, ignored);
            }
            const PrePayOptions p = ReadPrePayOptions(args.all("prepay"), first.period);
            prePay = p.table;
            prePayYears = p.years;
            prePayCount = p.count;
        }

        for (const std::string& options : rowOptions) {
            ApplyRow(options, in, messages);
            ComparisonInput c;
            c.principal = in.principal;
            c.rate = in.rate;
            c.period = in.period;
            c.compounding = in.compounding;
            c.frequency = in.frequency;
            c.daysInYear = in.days.daysInYear;
            c.biWeeklyPeriods = in.days.biWeeklyPeriods;
            c.weeklyPeriods = in.days.weeklyPeriods;
            c.prePayTable = prePay;
            c.prePayMonth = prePayMonth;
            c.rowCounter = sheet.rowCounter;
            c.currencySymbol = settings.currencySymbol;
            ComparisonRow row = CalculateComparisonRow(c);
            messages.insert(messages.end(), row.messages.begin(), row.messages.end());
            if (row.outcome == ComparisonOutcome::RowLimit) resultRowCount = sheet.rowCounter;
            if (row.outcome != ComparisonOutcome::RowAdded) {
                if (row.outcome == ComparisonOutcome::PeriodTooLong) resultRowCount = 0;
                continue;
            }
            if (!sheet.addRow(row)) {
                messages.push_back(4);
                continue;
            }
            resultRowCount = static_cast<std::int16_t>(sheet.rowCounter);
            row.schedule.clear();
            results.push_back({std::move(row)});
        }

        if (auto name = args.get("save")) {
            if (sheet.rowCounter == 0) throw Stop{15};
            if (UpperExtension(*name) != ".KCD") throw Stop{29};
            ComparisonFile f;
            f.principal = in.principal;
            f.rate = in.rate;
            f.period = in.period;
            f.compounding = in.compounding;
            f.frequency = in.frequency;
            f.daysOption = in.days.option;
            f.rowView = 2;
            f.prePayYears = prePayYears;
            f.prePayCount = prePayCount;
            f.resultRowCount = resultRowCount;
            f.prePayMonth = prePayMonth;
            f.prePayTable = prePay;
            f.sheet = sheet;
            if (!WriteComparisonFile(*name, f)) throw Stop{29};
        }

        for (int m : messages) err << MessageText(m) << "\n";

        if (auto target = args.get("print")) {
            if (sheet.rowCounter == 0) throw Stop{1};
            Printout printout;
            PrintComparison(printout, mm, sheet, args.get("header").value_or(""));
            WritePrintout(printout, *target, PaperOption(args), out);
        }
        if (!args.get("print") || *args.get("print") != "-") {
            if (format == "json")
                PrintJson(out, sheet, results, messages);
            else
                PrintText(out, sheet);
        }
        // Message 9 only says that a file of the previous format was read.
        const bool stopped =
            std::any_of(messages.begin(), messages.end(), [](int m) { return m != 9; });
        return stopped ? 1 : 0;
    });
}

}  // namespace bw::cli
