#pragma once
// What the commands of brindlewood-cli share beyond option parsing: the names of the list
// choices, the days-in-year and additional-payment options, the program's folder and settings,
// writing printouts, and the frame every command runs in (help, usage errors, messages).

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "reports/text_backend.h"
#include "shell/mmodule.h"
#include "shell/number_format.h"
#include "tables/days_in_year.h"

namespace bw {
class Printout;
}

namespace bw::cli {

// A calculation stopped by one of the program's messages: its text on standard error, exit 1.
struct Stop {
    int message;
};

// The compounding and frequency lists' texts by their option names ("semiannual",
// "biweekly-acc"); UsageError for any other name.
std::string CompoundingByName(const std::string& name);
std::string FrequencyByName(const std::string& name);

// How a --days value chooses the days-in-year option.
enum class DaysMatch {
    ByValue,  // 365.25, 365, 364 and 363 as numbers (the tables and comparison windows)
    ByText,   // those four exactly as written; a typed count checked as written (affordability)
};
// The days setting of a --days value: one of the fixed options, or a typed count from 363 to
// 365.25. UsageError when the text is no number; nothing when a typed count is out of range
// (message 19).
std::optional<DaysSetting> DaysFromText(const std::string& text,
                                        DaysMatch match = DaysMatch::ByValue);

// "--prepay-month 1..12" as the "Apply to Month" options store it: month 1 as 12 (after the
// twelfth payment of the year before), month m as m - 1. 12 when the option is not given.
std::int16_t PrePayMonthOption(const Args& args);

// The additional-payments table of --prepay YEAR=AMOUNT options, as the dialog stores and counts
// it for a loan of `period` years.
struct PrePayOptions {
    PrePayTableData table{};
    std::int16_t years = 0;  // rows the dialog shows: the whole years of the period, at most 45
    std::int16_t count = 0;  // those rows with an amount
};
PrePayOptions ReadPrePayOptions(const std::vector<std::string>& specs, double period);

// The folder of the settings file: --folder, else the program's own folder when the user may
// write there, else the user's data folder (the rule both programs share).
std::string ProgramFolder(const Args& args);

// Upper-case extension of a path's file name from its first point (".KMD"); empty when none.
std::string UpperExtension(const std::string& path);

// The sheets of a PDF printout: --paper a4|letter, else the system's usual paper.
Paper PaperOption(const Args& args);

// A printout into a PDF file on sheets of `paper`, or with target "-" as text pages separated by
// form feeds on `out`. UsageError when the file cannot be written.
void WritePrintout(const Printout& printout, const std::string& target, Paper paper,
                   std::ostream& out);

// Runs a command's body: "--help"/"-h" anywhere print `usage` (exit 0); a UsageError prints
// "brindlewood-cli NAME: ... (see brindlewood-cli NAME --help)" (exit 2); a Stop or a currency
// overflow prints the message (exit 1). Otherwise the body's exit code.
int RunCommand(const std::string& name, const char* usage, const std::vector<std::string>& argv,
               std::ostream& out, std::ostream& err, const std::function<int()>& body);

// Cells right-aligned to their column widths, two blanks apart.
template <class Cells, class Widths>
std::string AlignedCells(const Cells& cells, const Widths& widths) {
    std::string s;
    for (std::size_t c = 0; c < cells.size(); ++c)
        s += (c ? "  " : "") + RightAlign(cells[c], static_cast<int>(widths[c]));
    return s;
}

}  // namespace bw::cli
