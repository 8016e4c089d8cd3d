#pragma once
// Record files: comma-separated fields, strings in double quotes (no escaping, line breaks
// allowed inside), numbers in their shortest plain form, lines ended by CR LF.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/money.h"

namespace bw {

class RecordWriter {
  public:
    RecordWriter& text(std::string_view value);  // "value"; a double quote inside becomes '
    RecordWriter& number(double value);
    RecordWriter& single(float value);
    RecordWriter& integer(long long value);
    RecordWriter& money(Money value);
    RecordWriter& empty();    // nothing between the commas
    RecordWriter& endLine();  // CR LF

    const std::string& str() const { return out_; }

  private:
    void separate();
    std::string out_;
    bool lineStarted_ = false;
};

// Reads fields in the order they were written. A line end and a comma both end a field, so
// fields may be read across lines; `atLineStart()` tells whether the next field opens a line.
// Every read returns nothing on a missing field or a field of the wrong type.
class RecordReader {
  public:
    explicit RecordReader(std::string_view data) : data_(data) {}

    std::optional<std::string> text();
    std::optional<double> number();
    std::optional<float> single();
    std::optional<std::int16_t> int16();  // rounds halves to even, refuses out-of-range values
    std::optional<Money> money();

    // Reads one field of any kind (quoted or not, possibly empty) for a field that is not used;
    // false when no field is left.
    bool skipField();

    bool atEnd() const;        // no field left (blank lines and trailing blanks ignored)
    bool atLineStart() const;  // the last field read ended its line (or nothing read yet)
    // Skips the rest of the current line (fields after those that are used).
    void skipLine();

  private:
    // The raw text of the next field; `quoted` tells whether it was in double quotes.
    std::optional<std::string> field(bool& quoted);
    std::string_view data_;
    std::size_t pos_ = 0;
    bool lineStart_ = true;
};

// Parses a plain number field: blanks around, optional sign, digits with an optional point
// (".5" allowed), an optional exponent ("1E-07", "2.5e+3"). Nothing else may follow.
std::optional<double> ParsePlainNumber(std::string_view text);

}  // namespace bw
