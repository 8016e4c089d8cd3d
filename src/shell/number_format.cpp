#include "shell/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace bw {
namespace {

struct Pattern {
    int minIntDigits = 0;  // '0' placeholders before the point
    bool grouping = false;
    bool hasPoint = false;
    int minDecimals = 0;  // '0' placeholders after the point
    int maxDecimals = 0;  // all placeholders after the point
};

Pattern ParsePattern(std::string_view pattern) {
    Pattern p;
    bool afterPoint = false;
    for (char c : pattern) {
        if (c == '.') {
            if (afterPoint) break;
            afterPoint = true;
            p.hasPoint = true;
        } else if (c == '0') {
            if (afterPoint) {
                ++p.minDecimals;
                ++p.maxDecimals;
            } else {
                ++p.minIntDigits;
            }
        } else if (c == '#') {
            if (afterPoint) ++p.maxDecimals;
        } else if (c == ',') {
            if (!afterPoint) p.grouping = true;
        }
    }
    return p;
}

// Shortest fixed-notation digits of |value| that read back as the same double.
std::string ShortestFixed(double magnitude) {
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed);
    if (res.ec != std::errc()) return "0";
    return std::string(buf, res.ptr);
}

// Rounds a decimal digit text "123.4567" to `decimals` places, halves away from zero.
// Returns integer digits and fraction digits separately.
void RoundDecimal(const std::string& text, int decimals, std::string& intDigits,
                  std::string& fracDigits) {
    const auto point = text.find('.');
    intDigits = text.substr(0, point);
    std::string frac = point == std::string::npos ? "" : text.substr(point + 1);
    bool roundUp = false;
    if (static_cast<int>(frac.size()) > decimals) {
        roundUp = frac[decimals] >= '5';
        frac.resize(decimals);
    } else {
        frac.append(decimals - frac.size(), '0');
    }
    if (roundUp) {
        std::string all = intDigits + frac;
        int i = static_cast<int>(all.size()) - 1;
        while (i >= 0) {
            if (all[i] == '9') {
                all[i] = '0';
                --i;
            } else {
                ++all[i];
                break;
            }
        }
        if (i < 0) all.insert(all.begin(), '1');
        intDigits = all.substr(0, all.size() - decimals);
        frac = all.substr(all.size() - decimals);
    }
    // Strip leading zeros of the integer part; an empty text means zero.
    std::size_t nz = intDigits.find_first_not_of('0');
    intDigits = nz == std::string::npos ? "" : intDigits.substr(nz);
    fracDigits = frac;
}

}  // namespace

std::string FormatNumber(double value, std::string_view patternText) {
    const Pattern p = ParsePattern(patternText);
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    const bool negative = std::signbit(value);
    std::string intDigits, frac;
    RoundDecimal(ShortestFixed(std::fabs(value)), p.hasPoint ? p.maxDecimals : 0, intDigits, frac);
    const bool isZero = intDigits.empty() && frac.find_first_not_of('0') == std::string::npos;

    // Optional decimals: drop trailing zeros down to the required ones.
    while (static_cast<int>(frac.size()) > p.minDecimals && !frac.empty() && frac.back() == '0')
        frac.pop_back();

    if (static_cast<int>(intDigits.size()) < p.minIntDigits)
        intDigits.insert(0, p.minIntDigits - intDigits.size(), '0');
    if (p.grouping && intDigits.size() > 3) {
        std::string grouped;
        const int n = static_cast<int>(intDigits.size());
        for (int i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) grouped += ',';
            grouped += intDigits[i];
        }
        intDigits = grouped;
    }
    std::string out = (negative && !isZero) ? "-" : "";
    out += intDigits;
    if (p.hasPoint) out += "." + frac;
    return out;
}

std::size_t TextLength(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string RightAlign(std::string_view text, int width) {
    if (width <= 0) return "";
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t len = TextLength(text);
    if (len <= w) return std::string(w - len, ' ') + std::string(text);
    // Keep the first `width` code points.
    std::size_t count = 0, i = 0;
    for (; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == w) break;
            ++count;
        }
    }
    return std::string(text.substr(0, i));
}

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) number += text[i++];
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    const double value = std::strtod(number.c_str(), nullptr);
    // A number too long for a double is taken as the largest one, so that a calculation with it
    // overflows (and says so) instead of running on infinity.
    if (std::isinf(value)) return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

bool ToInt16(double value, std::int16_t& out) {
    if (!std::isfinite(value)) return false;
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0) return false;
    out = static_cast<std::int16_t>(r);
    return true;
}

namespace {

template <typename T>
std::string Plain(T value) {
    if (!std::isfinite(value)) return "0";
    if (value == 0) return "0";
    char buf[400];
    const T magnitude = std::fabs(value);
    const bool scientific = magnitude >= static_cast<T>(1e15) || magnitude < static_cast<T>(1e-5);
    auto res = std::to_chars(buf, buf + sizeof buf, value,
                             scientific ? std::chars_format::scientific : std::chars_format::fixed);
    std::string s(buf, res.ptr);
    if (scientific) {
        // "1.5e-07" -> "1.5E-07"
        for (char& c : s)
            if (c == 'e') c = 'E';
        return s;
    }
    if (s.rfind("0.", 0) == 0)
        s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0)
        s.erase(1, 1);
    return s;
}

}  // namespace

std::string PlainNumber(double value) {
    return Plain(value);
}
std::string PlainNumber(float value) {
    return Plain(value);
}

}  // namespace bw
