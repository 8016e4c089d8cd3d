// brindlewood-cli table: the schedule of the tables window from a shell.

#include <QDir>
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>

#include "cli/cli_common.h"
#include "cli/commands.h"
#ifdef BW_CLI_GRAPHS
#include "cli/graph_picture.h"
#endif
#include "files/table_file.h"
#include "reports/table_printout.h"
#include "reports/text_backend.h"
#include "shell/dates.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/settings_file.h"
#include "tables/amortization_engine.h"
#include "tables/days_in_year.h"
#include "tables/schedule_texts.h"

namespace bw::cli {
namespace {

const char* kTableUsage =
    "usage: brindlewood-cli table [--loan] [--principal P] [--rate R] [--period N]\n"
    "  [--compounding monthly|bimonthly|quarterly|semiannual|annual]\n"
    "  [--frequency monthly|semimonthly|2weeks|1week|biweekly-acc|weekly-acc]\n"
    "  [--view all|annual] [--days 365.25|365|364|363|VALUE] [--term 0|1|2|3|4|5|10]\n"
    "  [--dates] [--first-date DATE] [--prepay YEAR=AMOUNT ...] [--prepay-month 1..12]\n"
    "  [--format text|csv|json] [--folder DIR] [--open FILE.KMD|FILE.KLD] [--save FILE]\n"
    "  --open starts from the inputs of a table file (the other options override them);\n"
    "  --save writes the inputs to a table file once the table is calculated.\n"
    "  [--print FILE.pdf|-] [--header TEXT] [--paper a4|letter] writes the printout of\n"
    "  \"&Print\" into a PDF file (the system's usual paper unless --paper), or with - as text\n"
    "  pages separated by form feeds on standard output.\n"
    "  [--graph FILE.png] writes the balance graph of \"&Show Graph\" (the 2D view) as a picture\n"
    "  (desktop build only).\n"
    "usage: brindlewood-cli table --batch [--rows] [--folder DIR] < SCENARIOS\n"
    "  reads one table's options a line (blanks split them, double quotes keep a value with\n"
    "  blanks whole, blank lines and lines starting with # are passed over) and writes one JSON\n"
    "  object a line in the same order: the fields of --format json, with the rows only with\n"
    "  --rows; a line with a bad option or a message gives its line number with \"error\" or\n"
    "  \"messages\". --open, --save, --print and --graph are not allowed on a line. Exit 0 when\n"
    "  every line was calculated, else 1.\n";

void PrintText(std::ostream& out, const ScheduleTexts& t, const ScheduleView& view) {
    const ResultBoxes& b = t.boxes;
    const std::pair<std::string, std::string> boxes[] = {
        {" Days      in year.", b.InDays},
        {" Interest rate  factor.", b.PeriodicR},
        {" No. of payments  each year.", b.NumPmtsYear},
        {" Principal+Interest  payment.", b.InMonthPI},
        {EndMortYearLabel(view.tableMode), b.EndMortYear},
        {AllPaymentsLabel(view.tableMode), b.AllPayments},
        {" Total interest    savings.", b.TotSavd},
    };
    for (const auto& [label, value] : boxes) out << RightAlign(label, 36) << "  " << value << "\n";
    out << "\n";

    // The grid below the boxes: the heading row, the schedule rows, then the totals row and the
    // list of applied payments at their grid rows (empty rows between them stay empty).
    using Line = std::array<std::string, kGridColumns>;
    Line heading = kGridHeadings;
    heading[0] = t.heading0;
    std::map<int, Line> lines;
    lines[0] = heading;
    for (std::size_t r = 0; r < t.rows.size(); ++r) lines[static_cast<int>(r) + 1] = t.rows[r];
    lines[t.totalsRow] = t.totals;
    for (const auto& cell : t.listCells)
        lines[cell.row][static_cast<std::size_t>(cell.column)] = cell.text;

    std::array<std::size_t, kGridColumns> widths{};
    for (const auto& [row, cells] : lines)
        for (std::size_t c = 0; c < cells.size(); ++c)
            widths[c] = std::max(widths[c], TextLength(cells[c]));
    int next = 0;
    for (const auto& [row, cells] : lines) {
        for (; next < row; ++next) out << "\n";
        std::string s = AlignedCells(cells, widths);
        while (!s.empty() && s.back() == ' ') s.pop_back();
        out << s << "\n";
        next = row + 1;
    }
}

void PrintCsv(std::ostream& out, const AmortizationResult& r, const ScheduleView& view) {
    const bool dates = view.dateMode == 1;
    out << (view.rowView == 1 ? "year" : "payment") << (dates ? ",date" : "")
        << (view.rowView == 2 && !dates ? ",year" : "")
        << ",interest,principal,balance,cumulative_interest,cumulative_principal\r\n";
    for (int k = 1; k <= r.gridRows; ++k) {
        const ScheduleRow& row = r.schedule[static_cast<std::size_t>(k)];
        out << row[1].plainText();
        if (dates)
            out << ","
                << DateFromSerial(row[7].ticks() / Money::kScale)
                       .toString(Qt::ISODate)
                       .toStdString();
        else if (view.rowView == 2)
            out << "," << FormatNumber(row[0], "###");
        for (int c = 2; c <= 6; ++c) out << "," << FormatNumber(row[c], "0.00##");
        out << "\r\n";
    }
}

std::string CellsJson(const std::array<std::string, kGridColumns>& cells) {
    std::string s = "[";
    for (int c = 0; c < kGridColumns; ++c) s += (c ? "," : "") + JsonString(cells[c]);
    return s + "]";
}

// How a JSON result is written: spread over lines for one table, or on one line of a batch with
// its line number first.
struct JsonLayout {
    bool oneLine = false;
    bool rows = true;
    int line = 0;  // 0: none
};

void PrintJson(std::ostream& out, const AmortizationResult& r, const ScheduleTexts& t,
               const ScheduleView& view, const JsonLayout& layout = {}) {
    const char* next = layout.oneLine ? ", " : ",\n  ";
    out << (layout.oneLine ? "{" : "{\n  ");
    if (layout.line > 0) out << "\"line\": " << layout.line << next;
    out << "\"payment\": " << JsonNumber(r.payment) << next;
    out << "\"payments\": " << r.payments << next;
    double final = static_cast<double>(r.payments) / r.paymentsPerYear;
    if (view.tableMode == 2) final *= 12;
    out << "\"final\": " << JsonNumber(final) << next;
    out << "\"total_paid\": " << JsonMoney(r.totalPaid) << next;
    out << "\"savings\": " << JsonNumber(r.savings) << next;
    out << "\"rate_factor\": " << JsonNumber(r.periodicRate) << next;
    out << "\"monthly_rate\": " << JsonNumber(r.monthlyRate) << next;
    out << "\"payments_per_year\": " << r.paymentsPerYear << next;
    out << "\"retired_years\": " << JsonNumber(r.retiredYears) << next;
    out << "\"grid_rows\": " << r.gridRows << next;
    out << "\"applied_count\": " << r.appliedCount << next;
    const ResultBoxes& b = t.boxes;
    out << "\"boxes\": {\"InDays\": " << JsonString(b.InDays)
        << ", \"PeriodicR\": " << JsonString(b.PeriodicR)
        << ", \"NumPmtsYear\": " << JsonString(b.NumPmtsYear)
        << ", \"InMonthPI\": " << JsonString(b.InMonthPI)
        << ", \"EndMortYear\": " << JsonString(b.EndMortYear)
        << ", \"AllPayments\": " << JsonString(b.AllPayments)
        << ", \"TotSavd\": " << JsonString(b.TotSavd) << "}" << next;
    out << "\"heading\": " << JsonString(t.heading0) << next;
    if (layout.rows) {
        out << "\"rows\": [";
        for (int k = 1; k <= r.gridRows; ++k) {
            const ScheduleRow& row = r.schedule[static_cast<std::size_t>(k)];
            out << (k > 1 ? "," : "") << (layout.oneLine ? "" : "\n    ")
                << "{\"number\": " << JsonMoney(row[1]) << ", \"interest\": " << JsonMoney(row[2])
                << ", \"principal\": " << JsonMoney(row[3])
                << ", \"balance\": " << JsonMoney(row[4])
                << ", \"cum_interest\": " << JsonMoney(row[5])
                << ", \"cum_principal\": " << JsonMoney(row[6]);
            if (view.dateMode == 1)
                out << ", \"date\": "
                    << JsonString(DateFromSerial(row[7].ticks() / Money::kScale)
                                      .toString(Qt::ISODate)
                                      .toStdString());
            out << ", \"cells\": " << CellsJson(t.rows[static_cast<std::size_t>(k - 1)]) << "}";
        }
        out << (layout.oneLine ? "]" : "\n  ]") << next;
    }
    out << "\"totals_row\": " << t.totalsRow << next;
    out << "\"totals\": " << CellsJson(t.totals) << next;
    out << "\"applied\": [";
    for (std::size_t i = 0; i < t.applied.size(); ++i)
        out << (i ? ", " : "") << "{\"year\": " << t.applied[i].year
            << ", \"month\": " << t.applied[i].month
            << ", \"amount\": " << JsonMoney(t.applied[i].amount) << "}";
    out << "]" << next;
    out << "\"print_text\": " << JsonString(t.printText) << next;
    out << "\"messages\": [";
    for (std::size_t i = 0; i < r.messages.size(); ++i) out << (i ? ", " : "") << r.messages[i];
    out << (layout.oneLine ? "]}\n" : "]\n}\n");
}

// The options of one table, read into the engine's input as the tables window would hold them.
struct TableJob {
    Settings settings;
    std::optional<TableFile> file;
    AmortizationInput in;
    double period = 0;  // as given: years, or months for a personal loan
    DaysSetting days;
    std::int16_t prePayCount = 0;
    std::int16_t prePayYears = 0;
    std::string storedDate;  // an opened file's date text, saved back unchanged
    std::string format;
};

const std::vector<std::string> kTableOptions = {
    "principal", "rate",       "period", "compounding",  "frequency", "view",   "days",
    "term",      "first-date", "prepay", "prepay-month", "format",    "folder", "open",
    "save",      "print",      "header", "graph",        "paper"};
const std::vector<std::string> kTableFlags = {"loan", "dates"};

Settings SettingsOf(const Args& args) {
    return ReadSettings(QDir(QString::fromStdString(ProgramFolder(args)))
                            .filePath(kSettingsFileName)
                            .toStdString());
}

// `settings` when given stands for the settings file unless the options name a folder.
TableJob ReadTableJob(const Args& args, const Settings* settings = nullptr) {
    TableJob job;
    job.settings = settings && !args.has("folder") ? *settings : SettingsOf(args);

    // A table file gives the starting values, as "&Open File" restores them.
    std::optional<TableFile>& file = job.file;
    if (auto name = args.get("open")) {
        file = ReadTableFile(*name);
        if (!file) throw Stop{Msg::FileNotFound};
    }

    AmortizationInput& in = job.in;
    in.tableMode = args.has("loan") ? 2 : file ? file->tableMode : 1;
    const double defaultPrincipal = in.tableMode == 1 ? 100000 : 20000;
    in.principal = args.number("principal", file ? file->principal : defaultPrincipal);
    in.rate = args.number("rate", file ? file->rate : 10.125);
    const double period = args.number("period", in.tableMode == 1 ? 25 : 48);
    job.period = period;
    if (in.principal < 0 || in.rate < 0 || period < 0)
        throw UsageError("principal, rate and period cannot be negative");
    in.period = in.tableMode == 1 ? period : period / 12.0;
    if (file && !args.get("period")) in.period = file->period;  // stored in years

    const Settings& set = job.settings;
    int compounding =
        set.defaultCompounding >= 0 && set.defaultCompounding <= 4 ? set.defaultCompounding : 0;
    in.compounding = lists::kCompounding[static_cast<std::size_t>(compounding)];
    if (auto c = args.get("compounding"))
        in.compounding = CompoundingByName(*c);
    else if (file)
        in.compounding = file->compounding;
    if (file) in.frequency = file->frequency;
    if (auto f = args.get("frequency")) in.frequency = FrequencyByName(*f);
    const std::string viewName =
        args.get("view").value_or(file && file->rowView == 2 ? "all" : "annual");
    if (viewName != "all" && viewName != "annual") throw UsageError("--view is all or annual");
    in.rowView = viewName == "all" ? 2 : 1;

    // Days in year, as the days-in-year dialog sets them.
    job.days = file ? DaysForOption(file->daysOption, file->daysInYear) : DaysForOption(1);
    if (auto d = args.get("days")) {
        const auto typed = DaysFromText(*d);
        if (!typed) throw Stop{Msg::DaysRange};
        job.days = *typed;
    }
    in.daysInYear = job.days.daysInYear;
    in.biWeeklyPeriods = job.days.biWeeklyPeriods;
    in.weeklyPeriods = job.days.weeklyPeriods;

    const double term = args.number("term", 0);
    if (term != 0 && term != 1 && term != 2 && term != 3 && term != 4 && term != 5 && term != 10)
        throw UsageError("--term is one of 0, 1, 2, 3, 4, 5, 10");
    in.displayTerm = static_cast<std::int16_t>(term);

    in.dateMode = args.has("dates") ? 1 : file ? file->dateMode : 0;
    if (auto fd = args.get("first-date")) {
        auto date = ParseDateText(*fd);
        if (!date) throw Stop{Msg::BadDate};
        in.firstPayDate = ShortDateText(*date);
    } else if (file) {
        in.firstPayDate = ShortDateText(ParseDateText(file->firstPayDate).value_or(Today()));
        job.storedDate = file->firstPayDate;
    } else {
        in.firstPayDate = ShortDateText(Today());
    }

    // The month of the additional payments: the option, else an opened file's (0 in files of the
    // old layout, which leave it as the program starts).
    in.prePayMonth = !args.has("prepay-month") && file && file->prePayMonth != 0
                         ? file->prePayMonth
                         : PrePayMonthOption(args);

    // Additional payments, as the additional-payments dialog stores and counts them.
    if (args.has("prepay")) {
        const PrePayOptions p = ReadPrePayOptions(args.all("prepay"), in.period);
        in.prePayTable = p.table;
        job.prePayYears = p.years;
        job.prePayCount = p.count;
    } else if (file) {
        in.prePayTable = file->prePayTable;
        job.prePayYears = file->prePayYears;
        job.prePayCount = file->prePayCount;
    }

    job.format = args.get("format").value_or("text");
    if (job.format != "text" && job.format != "csv" && job.format != "json")
        throw UsageError("--format is text, csv or json");

    // The tables window's own period limits.
    if (in.tableMode == 2 && period > 480) throw Stop{Msg::MonthsLimit};
    return job;
}

ScheduleView ViewOf(const TableJob& job) {
    ScheduleView view;
    view.tableMode = job.in.tableMode;
    view.rowView = job.in.rowView;
    view.dateMode = job.in.dateMode;
    view.currencySymbol = job.settings.currencySymbol;
    view.daysInYear = job.in.daysInYear;
    view.prePayTable = job.in.prePayTable;
    view.prePayCount = job.prePayCount;
    view.prePayMonth = job.in.prePayMonth;
    return view;
}

// One line of a batch split into its options: blanks separate them, double quotes keep blanks
// (and make an empty value). UsageError for a quote left open.
std::vector<std::string> SplitLine(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) throw UsageError("a double quote is not closed");
    if (inWord) words.push_back(word);
    return words;
}

// One scenario of a batch on one line of `out`; false when it was not calculated.
bool RunBatchLine(const std::string& text, int line, const Settings& settings, bool rows,
                  std::ostream& out) {
    int message = 0;
    std::vector<int> messages;
    try {
        const Args args(SplitLine(text), kTableOptions, kTableFlags, {"prepay"});
        for (const char* name : {"open", "save", "print", "paper", "graph"})
            if (args.has(name))
                throw UsageError(std::string("--") + name + " cannot be used in a batch");
        if (args.get("format").value_or("json") != "json")
            throw UsageError("a batch writes JSON only");
        const TableJob job = ReadTableJob(args, &settings);
        const AmortizationResult r = CalculateSchedule(job.in);
        if (r.outcome == EngineOutcome::Completed) {
            const ScheduleView view = ViewOf(job);
            PrintJson(out, r, MakeScheduleTexts(r, view, rows), view, {true, rows, line});
            return true;
        }
        messages = r.messages;
    } catch (const UsageError& e) {
        out << "{\"line\": " << line << ", \"error\": " << JsonString(e.what()) << "}\n";
        return false;
    } catch (const Stop& s) {
        message = s.message;
    } catch (const CurrencyOverflow&) {
        message = Msg::WrongEntry;
    }
    if (message) messages = {message};
    out << "{\"line\": " << line << ", \"messages\": [";
    for (std::size_t i = 0; i < messages.size(); ++i) out << (i ? ", " : "") << messages[i];
    out << "]}\n";
    return false;
}

int RunBatch(const Args& args, std::istream& in, std::ostream& out) {
    const Settings settings = SettingsOf(args);
    const bool rows = args.has("rows");
    bool all = true;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos || text[first] == '#') continue;
        all = RunBatchLine(text, line, settings, rows, out) && all;
    }
    out.flush();
    return all ? 0 : 1;
}

}  // namespace

int RunTable(const std::vector<std::string>& argv, std::istream& input, std::ostream& out,
             std::ostream& err) {
    return RunCommand("table", kTableUsage, argv, out, err, [&] {
        if (std::find(argv.begin(), argv.end(), "--batch") != argv.end())
            return RunBatch(Args(argv, {"folder"}, {"batch", "rows"}), input, out);
        const Args args(argv, kTableOptions, kTableFlags, {"prepay"});
#ifndef BW_CLI_GRAPHS
        if (args.has("graph"))
            throw UsageError("--graph needs the desktop build (this one has no graphs)");
#endif
        const TableJob job = ReadTableJob(args);
        const AmortizationInput& in = job.in;

        const AmortizationResult r = CalculateSchedule(in);
        for (int m : r.messages)
            if (m == Msg::TermReset && r.outcome == EngineOutcome::Completed)
                err << MessageText(m) << "\n";
        if (r.outcome != EngineOutcome::Completed)
            throw Stop{r.messages.empty() ? Msg::WrongEntry : r.messages.back()};

        // "Sa&ve File": the inputs of a calculated table, under a name of the mode's kind.
        if (auto name = args.get("save")) {
            const int bad = in.tableMode == 2 ? Msg::BadLoanName : Msg::BadMortgageName;
            if (UpperExtension(*name) != (in.tableMode == 2 ? ".KLD" : ".KMD")) throw Stop{bad};
            TableFile f;
            f.principal = in.principal;
            f.rate = in.rate;
            f.period = in.period;
            f.compounding = in.compounding;
            f.frequency = in.frequency;
            f.firstPayDate = job.storedDate.empty() ? in.firstPayDate : job.storedDate;
            f.prePayMonth = in.prePayMonth;
            f.dateMode = in.dateMode;
            f.daysOption = job.days.option;
            f.rowView = in.rowView;
            f.prePayYears = job.prePayYears;
            f.prePayCount = job.prePayCount;
            f.tableMode = in.tableMode;
            f.daysInYear = job.days.daysInYear;
            f.prePayTable = in.prePayTable;
            if (!WriteTableFile(*name, f)) throw Stop{bad};
        }

        const ScheduleView view = ViewOf(job);
        const ScheduleTexts t = MakeScheduleTexts(r, view);
        if (args.has("print") || args.has("graph")) {
            // The printout and the graph start from the state a calculation leaves behind.
            MMODULE mm;
            TableWindowTexts texts;
            mm.PrinterFontChoice = job.settings.printerFontChoice;
            mm.CurrencySymbol = job.settings.currencySymbol;
            mm.PrintHeader = args.get("header").value_or("");
            StoreCalculationForPrint(mm, texts, in, r, t);
#ifdef BW_CLI_GRAPHS
            if (auto picture = args.get("graph")) WriteBalanceGraph(mm, *picture);
#endif
            if (auto target = args.get("print")) {
                Printout printout;
                PrintTable(printout, mm, texts);
                WritePrintout(printout, *target, PaperOption(args), out);
                if (*target == "-") return 0;
            }
        }
        if (job.format == "json")
            PrintJson(out, r, t, view);
        else if (job.format == "csv")
            PrintCsv(out, r, view);
        else
            PrintText(out, t, view);
        return 0;
    });
}

int RunTable(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    return RunTable(argv, std::cin, out, err);
}

}  // namespace bw::cli
