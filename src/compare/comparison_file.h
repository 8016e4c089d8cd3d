#pragma once
// Comparison files (.KCD): the whole comparison as a record file.
//
// Records in file order: the header (24 fields: principal, rate, period, the compounding text,
// the frequency text, DaysOption, RowView, PrePayYears, PrePayCount, the row counter, the lower
// grid's row and column counts, an empty field, the lower-grid slot index, the first column of
// the next slot, the largest count of additional payments, its three block copies, the largest
// slot index, ResultRowCount, PrePayMonth, "O", 0); one record per year 1..PrePayYears (year
// number, amount); the upper grid's cells, 8 per row; the lower grid's cells, heading row
// included; one graph record per row (label, total interest); the printout text; 492 records of
// the lower-grid texts (entry 0..40, slot 0..11: label, amount).
// Files of the previous format have a header of the first 21 fields.
//
// A file is read and checked as a whole before anything is taken from it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "compare/comparison_sheet.h"
#include "shell/mmodule.h"

namespace bw {

// A comparison file is some tens of kilobytes; anything much larger is not one.
constexpr std::size_t kComparisonFileMaxBytes = 4 * 1024 * 1024;

struct ComparisonFile {
    double principal = 100000;
    double rate = 10.125;
    double period = 25;
    std::string compounding = lists::kCompounding[0];
    std::string frequency = lists::kFrequency[0];
    std::int16_t daysOption = 1;
    std::int16_t rowView = 2;
    std::int16_t prePayYears = 0;
    std::int16_t prePayCount = 0;
    std::int16_t resultRowCount = 0;
    std::int16_t prePayMonth = 12;  // not in files of the previous format
    PrePayTableData prePayTable{};  // rows 1..prePayYears
    ComparisonSheet sheet;
};

// The exact bytes of a comparison file (CR LF line ends).
std::string FormatComparisonFile(const ComparisonFile& file);

struct ComparisonFileRead {
    bool ok = false;
    bool previousFormat = false;  // the header had 21 fields (message 9 was raised)
    std::vector<int> messages;    // 9 for the previous format; 13 when refused
    std::string why;              // what was wrong, for a refused file
    ComparisonFile file;
};

// Reads the bytes of a comparison file. A file of the previous format keeps `prePayMonth`.
ComparisonFileRead ParseComparisonFile(std::string_view bytes, std::int16_t prePayMonth);

// Reads a comparison file from disk (message 13 for a missing, unreadable or oversized file).
ComparisonFileRead ReadComparisonFile(const std::string& path, std::int16_t prePayMonth);

// Writes a comparison file through a temporary file renamed over the target, so a failed save
// leaves the previous file whole. False on any failure.
bool WriteComparisonFile(const std::string& path, const ComparisonFile& file);

}  // namespace bw
