#include "shell/money.h"

#include <cmath>
#include <limits>

namespace bw {

Money Money::fromDouble(double value) {
    const double scaled = value * static_cast<double>(kScale);
    // 2^63 is exactly representable; anything at or above it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled >= kLimit || scaled < -kLimit) throw CurrencyOverflow();
    const double rounded = std::nearbyint(scaled);  // default mode: halves to even
    if (rounded >= kLimit || rounded < -kLimit) throw CurrencyOverflow();
    return fromTicks(static_cast<std::int64_t>(rounded));
}

Money Money::operator+(Money other) const {
    std::int64_t r;
    if (__builtin_add_overflow(ticks_, other.ticks_, &r)) throw CurrencyOverflow();
    return fromTicks(r);
}

Money Money::operator-(Money other) const {
    std::int64_t r;
    if (__builtin_sub_overflow(ticks_, other.ticks_, &r)) throw CurrencyOverflow();
    return fromTicks(r);
}

Money Money::operator-() const {
    if (ticks_ == std::numeric_limits<std::int64_t>::min()) throw CurrencyOverflow();
    return fromTicks(-ticks_);
}

std::string Money::plainText() const {
    const bool negative = ticks_ < 0;
    // Work in unsigned to cover the most negative value.
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(ticks_) + 1 : static_cast<std::uint64_t>(ticks_);
    const std::uint64_t whole = magnitude / kScale;
    std::uint64_t frac = magnitude % kScale;
    std::string text = negative ? "-" : "";
    if (whole != 0 || frac == 0) text += std::to_string(whole);
    if (frac != 0) {
        std::string digits = std::to_string(frac);
        digits.insert(0, 4 - digits.size(), '0');
        while (!digits.empty() && digits.back() == '0') digits.pop_back();
        text += "." + digits;
    }
    return text;
}

}  // namespace bw
