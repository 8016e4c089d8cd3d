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
    "  [--print FILE.pdf|-] [--header TEXT] writes the printout of \"&Print\" into a PDF file,\n"
    "  or with - as text pages separated by form feeds on standard output.\n"
    "  [--graph FILE.png] writes the balance graph of \"&Show Graph\" (the 2D view) as a picture\n"
    "  (desktop build only).\n";

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

void PrintJson(std::ostream& out, const AmortizationResult& r, const ScheduleTexts& t,
               const ScheduleView& view) {
    out << "{\n";
    out << "  \"payment\": " << JsonNumber(r.payment) << ",\n";
    out << "  \"payments\": " << r.payments << ",\n";
    double final = static_cast<double>(r.payments) / r.paymentsPerYear;
    if (view.tableMode == 2) final *= 12;
    out << "  \"final\": " << JsonNumber(final) << ",\n";
    out << "  \"total_paid\": " << JsonMoney(r.totalPaid) << ",\n";
    out << "  \"savings\": " << JsonNumber(r.savings) << ",\n";
    out << "  \"rate_factor\": " << JsonNumber(r.periodicRate) << ",\n";
    out << "  \"monthly_rate\": " << JsonNumber(r.monthlyRate) << ",\n";
    out << "  \"payments_per_year\": " << r.paymentsPerYear << ",\n";
    out << "  \"retired_years\": " << JsonNumber(r.retiredYears) << ",\n";
    out << "  \"grid_rows\": " << r.gridRows << ",\n";
    out << "  \"applied_count\": " << r.appliedCount << ",\n";
    const ResultBoxes& b = t.boxes;
    out << "  \"boxes\": {\"InDays\": " << JsonString(b.InDays)
        << ", \"PeriodicR\": " << JsonString(b.PeriodicR)
        << ", \"NumPmtsYear\": " << JsonString(b.NumPmtsYear)
        << ", \"InMonthPI\": " << JsonString(b.InMonthPI)
        << ", \"EndMortYear\": " << JsonString(b.EndMortYear)
        << ", \"AllPayments\": " << JsonString(b.AllPayments)
        << ", \"TotSavd\": " << JsonString(b.TotSavd) << "},\n";
    out << "  \"heading\": " << JsonString(t.heading0) << ",\n";
    out << "  \"rows\": [";
    for (int k = 1; k <= r.gridRows; ++k) {
        const ScheduleRow& row = r.schedule[static_cast<std::size_t>(k)];
        out << (k > 1 ? ",\n" : "\n") << "    {\"number\": " << JsonMoney(row[1])
            << ", \"interest\": " << JsonMoney(row[2]) << ", \"principal\": " << JsonMoney(row[3])
            << ", \"balance\": " << JsonMoney(row[4]) << ", \"cum_interest\": " << JsonMoney(row[5])
            << ", \"cum_principal\": " << JsonMoney(row[6]);
        if (view.dateMode == 1)
            out << ", \"date\": "
                << JsonString(DateFromSerial(row[7].ticks() / Money::kScale)
                                  .toString(Qt::ISODate)
                                  .toStdString());
        out << ", \"cells\": " << CellsJson(t.rows[static_cast<std::size_t>(k - 1)]) << "}";
    }
    out << "\n  ],\n";
    out << "  \"totals_row\": " << t.totalsRow << ",\n";
    out << "  \"totals\": " << CellsJson(t.totals) << ",\n";
    out << "  \"applied\": [";
    for (std::size_t i = 0; i < t.applied.size(); ++i)
        out << (i ? ", " : "") << "{\"year\": " << t.applied[i].year
            << ", \"month\": " << t.applied[i].month
            << ", \"amount\": " << JsonMoney(t.applied[i].amount) << "}";
    out << "],\n";
    out << "  \"print_text\": " << JsonString(t.printText) << ",\n";
    out << "  \"messages\": [";
    for (std::size_t i = 0; i < r.messages.size(); ++i) out << (i ? ", " : "") << r.messages[i];
    out << "]\n}\n";
}

}  // namespace

int RunTable(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    return RunCommand("table", kTableUsage, argv, out, err, [&] {
        const Args args(argv,
                        {"principal", "rate", "period", "compounding", "frequency", "view", "days",
                         "term", "first-date", "prepay", "prepay-month", "format", "folder", "open",
                         "save", "print", "header", "graph"},
                        {"loan", "dates"}, {"prepay"});
#ifndef BW_CLI_GRAPHS
        if (args.has("graph"))
            throw UsageError("--graph needs the desktop build (this one has no graphs)");
#endif
        const Settings settings = ReadSettings(QDir(QString::fromStdString(ProgramFolder(args)))
                                                   .filePath(kSettingsFileName)
                                                   .toStdString());

        // A table file gives the starting values, as "&Open File" restores them.
        std::optional<TableFile> file;
        if (auto name = args.get("open")) {
            file = ReadTableFile(*name);
            if (!file) throw Stop{13};
        }

        AmortizationInput in;
        in.tableMode = args.has("loan") ? 2 : file ? file->tableMode : 1;
        const double defaultPrincipal = in.tableMode == 1 ? 100000 : 20000;
        in.principal = args.number("principal", file ? file->principal : defaultPrincipal);
        in.rate = args.number("rate", file ? file->rate : 10.125);
        const double period = args.number("period", in.tableMode == 1 ? 25 : 48);
        if (in.principal < 0 || in.rate < 0 || period < 0)
            throw UsageError("principal, rate and period cannot be negative");
        in.period = in.tableMode == 1 ? period : period / 12.0;
        if (file && !args.get("period")) in.period = file->period;  // stored in years

        int compounding = settings.defaultCompounding >= 0 && settings.defaultCompounding <= 4
                              ? settings.defaultCompounding
                              : 0;
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
        DaysSetting days =
            file ? DaysForOption(file->daysOption, file->daysInYear) : DaysForOption(1);
        if (auto d = args.get("days")) {
            const auto typed = DaysFromText(*d);
            if (!typed) throw Stop{19};
            days = *typed;
        }
        in.daysInYear = days.daysInYear;
        in.biWeeklyPeriods = days.biWeeklyPeriods;
        in.weeklyPeriods = days.weeklyPeriods;

        const double term = args.number("term", 0);
        if (term != 0 && term != 1 && term != 2 && term != 3 && term != 4 && term != 5 &&
            term != 10)
            throw UsageError("--term is one of 0, 1, 2, 3, 4, 5, 10");
        in.displayTerm = static_cast<std::int16_t>(term);

        in.dateMode = args.has("dates") ? 1 : file ? file->dateMode : 0;
        if (auto fd = args.get("first-date")) {
            auto date = ParseDateText(*fd);
            if (!date) throw Stop{10};
            in.firstPayDate = ShortDateText(*date);
        } else if (file) {
            in.firstPayDate = ShortDateText(ParseDateText(file->firstPayDate).value_or(Today()));
        } else {
            in.firstPayDate = ShortDateText(Today());
        }

        in.prePayMonth = PrePayMonthOption(args);

        // Additional payments, as the additional-payments dialog stores and counts them.
        std::int16_t prePayCount = 0;
        std::int16_t prePayYears = 0;
        if (args.has("prepay")) {
            const PrePayOptions p = ReadPrePayOptions(args.all("prepay"), in.period);
            in.prePayTable = p.table;
            prePayYears = p.years;
            prePayCount = p.count;
        } else if (file) {
            in.prePayTable = file->prePayTable;
            prePayYears = file->prePayYears;
            prePayCount = file->prePayCount;
        }

        const std::string format = args.get("format").value_or("text");
        if (format != "text" && format != "csv" && format != "json")
            throw UsageError("--format is text, csv or json");

        // The tables window's own period limits.
        if (in.tableMode == 2 && period > 480) throw Stop{16};

        const AmortizationResult r = CalculateSchedule(in);
        for (int m : r.messages)
            if (m == 34 && r.outcome == EngineOutcome::Completed) err << MessageText(m) << "\n";
        if (r.outcome != EngineOutcome::Completed)
            throw Stop{r.messages.empty() ? 4 : r.messages.back()};

        // "Sa&ve File": the inputs of a calculated table, under a name of the mode's kind.
        if (auto name = args.get("save")) {
            const int bad = in.tableMode == 2 ? 25 : 14;
            if (UpperExtension(*name) != (in.tableMode == 2 ? ".KLD" : ".KMD")) throw Stop{bad};
            TableFile f;
            f.principal = in.principal;
            f.rate = in.rate;
            f.period = in.period;
            f.compounding = in.compounding;
            f.frequency = in.frequency;
            f.firstPayDate = in.firstPayDate;
            f.dateMode = in.dateMode;
            f.daysOption = days.option;
            f.rowView = in.rowView;
            f.prePayYears = prePayYears;
            f.prePayCount = prePayCount;
            f.tableMode = in.tableMode;
            f.daysInYear = days.daysInYear;
            f.prePayTable = in.prePayTable;
            if (!WriteTableFile(*name, f)) throw Stop{bad};
        }

        ScheduleView view;
        view.tableMode = in.tableMode;
        view.rowView = in.rowView;
        view.dateMode = in.dateMode;
        view.currencySymbol = settings.currencySymbol;
        view.daysInYear = in.daysInYear;
        view.prePayTable = in.prePayTable;
        view.prePayCount = prePayCount;
        view.prePayMonth = in.prePayMonth;
        const ScheduleTexts t = MakeScheduleTexts(r, view);
        if (args.has("print") || args.has("graph")) {
            // The printout and the graph start from the state a calculation leaves behind.
            MMODULE mm;
            TableWindowTexts texts;
            mm.PrinterFontChoice = settings.printerFontChoice;
            mm.CurrencySymbol = settings.currencySymbol;
            mm.PrintHeader = args.get("header").value_or("");
            StoreCalculationForPrint(mm, texts, in, r, t);
#ifdef BW_CLI_GRAPHS
            if (auto picture = args.get("graph")) WriteBalanceGraph(mm, *picture);
#endif
            if (auto target = args.get("print")) {
                Printout printout;
                PrintTable(printout, mm, texts);
                WritePrintout(printout, *target, out);
                if (*target == "-") return 0;
            }
        }
        if (format == "json")
            PrintJson(out, r, t, view);
        else if (format == "csv")
            PrintCsv(out, r, view);
        else
            PrintText(out, t, view);
        return 0;
    });
}

}  // namespace bw::cli
