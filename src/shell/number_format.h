#pragma once
// Number formats of the program: the digit-placeholder patterns, right alignment, the leading
// number of a box's text, and the plain number form of the record files.

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/money.h"

namespace bw {

// Formats a value with a digit-placeholder pattern such as "####,,###.00", "###.000",
// "0.########", "##.##", "###" or "00":
//  - "#" prints a digit only where the number has one, "0" always prints a digit;
//  - a "," among the integer placeholders switches on thousands grouping (a doubled comma
//    does nothing more);
//  - "." is the decimal point; the value is rounded (halves away from zero) to as many decimals
//    as the pattern has placeholders after the point; trailing "#" decimals that are zero are
//    dropped, while the point itself stays ("##.##" shows 25 as "25.").
std::string FormatNumber(double value, std::string_view pattern);
inline std::string FormatNumber(Money value, std::string_view pattern) {
    return FormatNumber(value.toDouble(), pattern);
}

// A text of exactly `width` characters: the text right-justified with blanks on the left, or its
// first `width` characters when it is longer. Characters are counted as UTF-8 code points.
std::string RightAlign(std::string_view text, int width);

// Number of characters (UTF-8 code points) in a text.
std::size_t TextLength(std::string_view text);

// The numeric value of a box's text: its leading number (blanks before it skipped, an optional
// sign, digits with at most one point); anything else ends it; no number gives 0. A number too
// large for a double gives the largest double.
double LeadingNumber(std::string_view text);

// Conversion to a 16-bit integer: rounds to the nearest whole number, halves to the even one.
// Returns false when the value is not a number or outside -32768..32767.
bool ToInt16(double value, std::int16_t& out);

// The shortest plain decimal form of a number as the record files write it: whole numbers
// without a point, no leading zero before the point (".5"), exponent form ("1E-07", "1E+20")
// for very small or very large values.
std::string PlainNumber(double value);
std::string PlainNumber(float value);

}  // namespace bw
