#pragma once
// Small helpers shared by the comparison tests.

#include <initializer_list>
#include <utility>

#include "compare/comparison_sheet.h"

namespace bw::test {

// An additional-payments table with the given (year, amount) pairs set, on top of `base`.
inline PrePayTableData PrePay(std::initializer_list<std::pair<int, double>> amounts,
                              PrePayTableData base = {}) {
    for (const auto& [year, amount] : amounts)
        base[static_cast<std::size_t>(year)] = {Money(), Money::fromDouble(year),
                                                Money::fromDouble(amount)};
    return base;
}

// Calculates a row of the default mortgage with these additional payments and adds it.
inline bool AddRow(ComparisonSheet& sheet, const PrePayTableData& prePay, int prePayMonth = 12,
                   const std::string& frequency = lists::kFrequency[0]) {
    return sheet.addRow(
        CalculateComparisonRow({.frequency = frequency,
                                .prePayTable = prePay,
                                .prePayMonth = static_cast<std::int16_t>(prePayMonth),
                                .rowCounter = sheet.rowCounter}));
}

}  // namespace bw::test
