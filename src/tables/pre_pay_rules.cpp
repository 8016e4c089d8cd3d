#include "tables/pre_pay_rules.h"

#include <algorithm>
#include <cmath>

#include "shell/number_format.h"

namespace bw {

std::string PrePayMonthCaption(int index) {
    const std::string digits = std::to_string(index + 1);
    return digits.size() < 2 ? " " + digits : digits;
}

std::int16_t PrePayMonthForOption(int index) {
    return index <= 0 || index >= kPrePayMonthOptions ? 12 : static_cast<std::int16_t>(index);
}

int PrePayOptionForMonth(std::int16_t code) {
    return code >= 1 && code <= 11 ? code : 0;
}

std::int16_t PrePayYearsForPeriod(double years) {
    if (!std::isfinite(years) || years <= 0) return 0;
    if (years >= kYearLastRow) return kYearLastRow;
    std::int16_t rounded = 0;
    ToInt16(years, rounded);
    return std::clamp<std::int16_t>(rounded, 0, kYearLastRow);
}

int PrePayGridRows(std::int16_t prePayYears) {
    return std::max(kPrePayMinGridRows, prePayYears + 1);
}

namespace {
int LastYear(std::int16_t years) {
    return std::clamp<int>(years, 0, kYearLastRow);
}
}  // namespace

bool NoPrePayAmounts(const PrePayTableData& table, std::int16_t years) {
    for (int y = 1; y <= LastYear(years); ++y)
        if (table[static_cast<std::size_t>(y)][2] != Money()) return false;
    return true;
}

void NumberPrePayYears(PrePayTableData& table, std::int16_t years) {
    for (int y = 1; y <= LastYear(years); ++y)
        table[static_cast<std::size_t>(y)][1] = Money::fromTicks(y * Money::kScale);
}

std::int16_t CountPrePayYears(const PrePayTableData& table, std::int16_t years) {
    std::int16_t count = 0;
    for (int y = 1; y <= LastYear(years); ++y)
        if (table[static_cast<std::size_t>(y)][2] > Money()) ++count;
    return count;
}

void ErasePrePayAmounts(PrePayTableData& table, std::int16_t years) {
    for (int y = 1; y <= LastYear(years); ++y) table[static_cast<std::size_t>(y)][2] = Money();
}

std::string PrePayAmountText(Money amount) {
    return FormatNumber(amount, "###,,###.00");
}

PrePayKeyResult PrePayEditBuffer::key(int charCode) {
    if (charCode == '"') return {PrePayKeyAction::Discard, {}};
    if (charCode == 13) return {PrePayKeyAction::MoveDown, {}};
    if (charCode == 8) {
        text_.clear();
        return {PrePayKeyAction::SetZero, Money()};
    }
    if (!((charCode >= '0' && charCode <= '9') || charCode == '.'))
        return {PrePayKeyAction::Beep, {}};
    std::string next = text_;
    next.push_back(static_cast<char>(charCode));
    const auto point = next.find('.');
    // Two decimals at most: refused once the buffer holds two digits after its point.
    if (point != std::string::npos && text_.size() >= point + 3)
        return {PrePayKeyAction::Ignore, {}};
    const double value = LeadingNumber(next);
    if (value > kPrePayMaxAmount) return {PrePayKeyAction::Beep, {}};
    text_ = next;
    return {PrePayKeyAction::SetAmount, Money::fromDouble(value)};
}

}  // namespace bw
