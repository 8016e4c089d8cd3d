#pragma once
// The rules of the additional-payments dialog that need no widget: the month options and the
// codes they store, the number of year rows, the count taken by "&OK", and the edit buffer that
// turns the keys typed into a cell into the year's amount.

#include <cstdint>
#include <string>

#include "shell/mmodule.h"
#include "shell/money.h"

namespace bw {

constexpr int kPrePayMonthOptions = 12;
constexpr int kPrePayMinGridRows = 20;  // heading row included

// The caption of month option `index` (0..11): " 1" to " 9", then "10", "11", "12".
std::string PrePayMonthCaption(int index);
// The month code stored for option `index`: " 1" stores 12, option k (caption k + 1) stores k.
std::int16_t PrePayMonthForOption(int index);
// The option selected for a stored code: 12 or 0 select " 1"; 1..11 select that index. A code
// that is none of these (a damaged file) selects " 1" as well.
int PrePayOptionForMonth(std::int16_t code);

// Year rows for a period in years: rounded to the nearest whole number, halves to the even one,
// kept within the 45 years the table holds (a period that is not a number gives 0).
std::int16_t PrePayYearsForPeriod(double years);
// Rows of the dialog's grid, heading row included: PrePayYears + 1, but at least 20.
int PrePayGridRows(std::int16_t prePayYears);

// True when no year 1..years has an amount.
bool NoPrePayAmounts(const PrePayTableData& table, std::int16_t years);
// Writes the year number into column 1 of rows 1..years.
void NumberPrePayYears(PrePayTableData& table, std::int16_t years);
// The number of years 1..years whose amount is above zero ("&OK").
std::int16_t CountPrePayYears(const PrePayTableData& table, std::int16_t years);
// Sets the amount of every year 1..years to 0 ("&Erase all").
void ErasePrePayAmounts(PrePayTableData& table, std::int16_t years);

// The text of an amount cell: "###,,###.00" (zero shows ".00").
std::string PrePayAmountText(Money amount);

// The largest amount a cell accepts; a key that would go past it is refused with a beep.
constexpr double kPrePayMaxAmount = 999999999999.99;

// What a key typed into the amount column does.
enum class PrePayKeyAction {
    Discard,    // the key is swallowed, nothing changes (a double quote)
    MoveDown,   // Enter: the current cell moves one year down
    SetZero,    // Backspace: the year's amount becomes 0, the buffer is emptied
    Beep,       // a character that is not part of an amount: refused with a beep
    Ignore,     // a third decimal: refused silently
    SetAmount,  // the buffer took the key; the year's amount is the buffer's value
};

struct PrePayKeyResult {
    PrePayKeyAction action = PrePayKeyAction::Discard;
    Money amount;  // the new amount for SetAmount (and 0 for SetZero)
};

// The characters typed into the current cell since it was entered. Each accepted key replaces
// the cell's whole value with the value of the buffer.
class PrePayEditBuffer {
  public:
    // A key press with its character code (13 Enter, 8 Backspace).
    PrePayKeyResult key(int charCode);
    // Entering another cell, or the Delete key: the buffer starts again.
    void clear() { text_.clear(); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

}  // namespace bw
