// brindlewood-cli table: the schedule of the tables window from a shell.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "cli/text_pdf.h"
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
    "  or with - as text pages separated by form feeds on standard output.\n";

const std::map<std::string, int> kCompoundingNames = {
    {"monthly", 0}, {"bimonthly", 1}, {"quarterly", 2}, {"semiannual", 3}, {"annual", 4}};
const std::map<std::string, int> kFrequencyNames = {{"monthly", 0},      {"semimonthly", 1},
                                                    {"2weeks", 2},       {"1week", 3},
                                                    {"biweekly-acc", 4}, {"weekly-acc", 5}};

struct Stop {
    int message;
};

std::string ProgramFolder(const Args& args) {
    if (auto f = args.get("folder")) return *f;
    return QCoreApplication::applicationDirPath().toStdString();
}

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
        std::string s;
        for (std::size_t c = 0; c < cells.size(); ++c)
            s += (c ? "  " : "") + RightAlign(cells[c], static_cast<int>(widths[c]));
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
    try {
        for (const auto& a : argv)
            if (a == "--help" || a == "-h") {
                out << kTableUsage;
                return 0;
            }
        const Args args(argv,
                        {"principal", "rate", "period", "compounding", "frequency", "view", "days",
                         "term", "first-date", "prepay", "prepay-month", "format", "folder", "open",
                         "save", "print", "header"},
                        {"loan", "dates"}, {"prepay"});
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
        if (auto c = args.get("compounding")) {
            auto it = kCompoundingNames.find(*c);
            if (it == kCompoundingNames.end()) throw UsageError("unknown compounding '" + *c + "'");
            compounding = it->second;
        }
        in.compounding = lists::kCompounding[static_cast<std::size_t>(compounding)];
        if (file && !args.get("compounding")) in.compounding = file->compounding;
        if (file) in.frequency = file->frequency;
        if (auto f = args.get("frequency")) {
            auto it = kFrequencyNames.find(*f);
            if (it == kFrequencyNames.end()) throw UsageError("unknown frequency '" + *f + "'");
            in.frequency = lists::kFrequency[static_cast<std::size_t>(it->second)];
        }
        const std::string viewName =
            args.get("view").value_or(file && file->rowView == 2 ? "all" : "annual");
        if (viewName != "all" && viewName != "annual") throw UsageError("--view is all or annual");
        in.rowView = viewName == "all" ? 2 : 1;

        // Days in year, as the days-in-year dialog sets them.
        DaysSetting days =
            file ? DaysForOption(file->daysOption, file->daysInYear) : DaysForOption(1);
        if (auto d = args.get("days")) {
            auto v = ParseNumberText(*d);
            if (!v) throw UsageError("--days needs a number");
            if (*v == 365.25)
                days = DaysForOption(0);
            else if (*v == 365)
                days = DaysForOption(1);
            else if (*v == 364)
                days = DaysForOption(2);
            else if (*v == 363)
                days = DaysForOption(3);
            else {
                const float typed = static_cast<float>(*v);
                if (!DaysInRange(typed)) throw Stop{19};
                days = DaysForOption(4, typed);
            }
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

        // The month as the "Apply to Month" options show it: month 1 is stored as 12 (after the
        // twelfth payment of the year before), month m as m - 1 (after payment m - 1 of the year).
        const double month = args.number("prepay-month", 1);
        if (month != std::floor(month) || month < 1 || month > 12)
            throw UsageError("--prepay-month is a whole number from 1 to 12");
        in.prePayMonth = month == 1 ? 12 : static_cast<std::int16_t>(month - 1);

        // Additional payments, as the additional-payments dialog stores and counts them.
        std::int16_t prePayCount = 0;
        std::int16_t prePayYears = 0;
        if (args.has("prepay")) {
            std::int16_t years = 0;
            ToInt16(in.period, years);
            prePayYears = std::clamp<std::int16_t>(years, 0, kYearLastRow);
            for (int y = 1; y <= years && y <= kYearLastRow; ++y)
                in.prePayTable[static_cast<std::size_t>(y)][1] = Money::fromDouble(y);
            for (const auto& spec : args.all("prepay")) {
                const auto eq = spec.find('=');
                auto year = ParseNumberText(spec.substr(0, eq == std::string::npos ? 0 : eq));
                auto amount =
                    eq == std::string::npos ? std::nullopt : ParseNumberText(spec.substr(eq + 1));
                if (!year || !amount || *year != std::floor(*year) || *year < 1 ||
                    *year > kYearLastRow || *amount < 0 || *amount > 1e12)
                    throw UsageError("--prepay takes YEAR=AMOUNT, a year from 1 to 45");
                auto& row = in.prePayTable[static_cast<std::size_t>(*year)];
                row[1] = Money::fromDouble(*year);
                row[2] = Money::fromDouble(std::round(*amount * 100) / 100);
            }
            for (int y = 1; y <= years && y <= kYearLastRow; ++y)
                if (in.prePayTable[static_cast<std::size_t>(y)][2] > Money()) ++prePayCount;
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
            const std::string base = name->substr(name->find_last_of('/') + 1);
            const auto point = base.find('.');
            std::string extension = point == std::string::npos ? "" : base.substr(point);
            for (char& c : extension)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (extension != (in.tableMode == 2 ? ".KLD" : ".KMD")) throw Stop{bad};
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
        if (auto target = args.get("print")) {
            MMODULE mm;
            mm.PrinterFontChoice = settings.printerFontChoice;
            mm.CurrencySymbol = settings.currencySymbol;
            mm.PrintHeader = args.get("header").value_or("");
            TableWindowTexts texts;
            StoreCalculationForPrint(mm, texts, in, r, t);
            Printout printout;
            PrintTable(printout, mm, texts);
            if (*target == "-") {
                out << RenderText(printout.pages());
                return 0;
            }
            std::vector<std::vector<std::string>> pages;
            for (const PrintPage& page : printout.pages()) pages.push_back(RenderPageLines(page));
            const std::string pdf = TextPdf(pages);
            QFile pdfFile(QString::fromStdString(*target));
            if (!pdfFile.open(QIODevice::WriteOnly) ||
                pdfFile.write(pdf.data(), static_cast<qint64>(pdf.size())) !=
                    static_cast<qint64>(pdf.size()))
                throw UsageError("cannot write " + *target);
        }
        if (format == "json")
            PrintJson(out, r, t, view);
        else if (format == "csv")
            PrintCsv(out, r, view);
        else
            PrintText(out, t, view);
        return 0;
    } catch (const UsageError& e) {
        err << "brindlewood-cli table: " << e.what() << " (see brindlewood-cli table --help)\n";
        return 2;
    } catch (const Stop& s) {
        err << MessageText(s.message) << "\n";
        return 1;
    } catch (const CurrencyOverflow&) {
        err << MessageText(4) << "\n";
        return 1;
    }
}

}  // namespace bw::cli
