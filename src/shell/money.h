#pragma once
// Fixed-point currency: a signed 64-bit count of ten-thousandths.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace bw {

// Raised when a value does not fit the currency range (or is not a number).
class CurrencyOverflow : public std::overflow_error {
  public:
    CurrencyOverflow() : std::overflow_error("currency overflow") {}
};

class Money {
  public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromTicks(std::int64_t ticks) {
        Money m;
        m.ticks_ = ticks;
        return m;
    }
    // Rounds to the nearest ten-thousandth, halves to the even tick; throws CurrencyOverflow.
    static Money fromDouble(double value);

    constexpr std::int64_t ticks() const { return ticks_; }
    double toDouble() const { return static_cast<double>(ticks_) / kScale; }

    Money operator+(Money other) const;  // throws CurrencyOverflow
    Money operator-(Money other) const;  // throws CurrencyOverflow
    Money& operator+=(Money other) { return *this = *this + other; }
    Money& operator-=(Money other) { return *this = *this - other; }
    Money operator-() const;

    constexpr auto operator<=>(const Money&) const = default;

    // The shortest plain decimal text of the value: "12.34", "-0.5" is "-.5", 0 is "0".
    std::string plainText() const;

  private:
    std::int64_t ticks_ = 0;
};

}  // namespace bw
