#pragma once
// Mortgage table files (.KMD) and personal loan table files (.KLD): the inputs, options and
// additional payments of the tables window, stored as a record file.
//
// Line 1 holds fifteen fields: principal, rate, period in years, the compounding text, the
// payment frequency text, the first payment date text, DateMode, DaysOption, RowView,
// PrePayYears, PrePayCount, TableMode, DaysInYear, "O", PrePayMonth. Then one line per year
// 1..PrePayYears: the year number and the additional amount of that year.
//
// The last field held 0 in files of an older layout, and readers of that layout skip it: a 0
// there leaves the month of the additional payments as it is.
//
// A file is read and checked as a whole before anything is taken from it: a reader either
// returns every value of the file or refuses it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/mmodule.h"

namespace bw {

// The most year lines a file may have (PrePayTable rows 1..45).
constexpr int kTableFileMaxYears = kYearLastRow;
// A table file is a few kilobytes at most; anything much larger is not one.
constexpr std::size_t kTableFileMaxBytes = 64 * 1024;

struct TableFile {
    double principal = 100000;  // LoanInputs(1)
    double rate = 10.125;       // LoanInputs(2), percent
    double period = 25;         // LoanInputs(3), years (personal loans: months / 12)
    std::string compounding = lists::kCompounding[0];
    std::string frequency = lists::kFrequency[0];
    std::string firstPayDate;     // the date text as stored
    std::int16_t dateMode = 0;    // 0 payment numbers, 1 payment dates
    std::int16_t daysOption = 1;  // 0..4
    std::int16_t rowView = 2;     // 1 annual rows, 2 all payments
    std::int16_t prePayYears = 0;
    std::int16_t prePayCount = 0;
    std::int16_t tableMode = 1;  // 1 mortgage, 2 personal loan
    float daysInYear = 365.0f;
    std::int16_t prePayMonth = 0;   // the PrePayMonth code 1..12; 0 in files of the old layout
    PrePayTableData prePayTable{};  // rows 1..prePayYears: column 1 year, column 2 amount
};

// The exact bytes of a table file (CR LF line ends).
std::string FormatTableFile(const TableFile& file);

// Reads the bytes of a table file. Returns nothing when any part of it is missing, of the wrong
// type or out of range (a typed day count outside 363..365.25 included); `why` (when given) then
// says what was wrong. The first payment date is kept as the text stored, whatever locale wrote
// it, and PrePayCount is counted again from the year lines.
std::optional<TableFile> ParseTableFile(std::string_view bytes, std::string* why = nullptr);

// Reads a table file from disk: nothing for a missing, unreadable, oversized or damaged file.
std::optional<TableFile> ReadTableFile(const std::string& path, std::string* why = nullptr);

// Replaces the contents of `path` (or creates it) without ever leaving a half-written file: the
// bytes go to a new file in the same folder, which is then renamed over `path`. On any failure
// the old file stays as it was and false is returned.
// `rename` replaces the final rename step (tests); by default it is the system's rename.
using RenameFunction = bool (*)(const std::string& from, const std::string& to);
bool WriteFileReplacing(const std::string& path, std::string_view bytes,
                        RenameFunction rename = nullptr, std::string* why = nullptr);

// Saves a table file (FormatTableFile + WriteFileReplacing).
bool WriteTableFile(const std::string& path, const TableFile& file, std::string* why = nullptr);

// What a table file holds of the shared state. The list texts come from the window's boxes.
// The first payment date text is kept as it stands (an empty one becomes today's date).
TableFile CaptureTableFile(const MMODULE& mm, const std::string& compounding,
                           const std::string& frequency);

// Takes what a table file holds into the shared state: LoanInputs 1 to 3, FirstPayDate (the text
// as stored), DateMode, DaysOption, RowView, PrePayYears, PrePayCount, PrePayMonth (unless the
// file holds 0), TableMode, PrePayTable (re-created, then rows 1..PrePayYears), and the days in
// year re-derived from the option: options 0 to 3 use their constants, option 4 keeps the stored
// day count and divides it by 14 and 7.
void RestoreTableFile(MMODULE& mm, const TableFile& file);

}  // namespace bw
