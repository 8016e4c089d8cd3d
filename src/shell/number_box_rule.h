#pragma once
// What one key typed into a number box does: the type-over rule shared by the yellow number
// boxes of the calculator windows, free of widgets.

#include <string_view>

namespace bw {

// Which key filter decides over a box's keys.
enum class NumberKind {
    Decimal,  // amounts and rates: digits and a point with a limited number of decimals
    Digits,   // whole numbers (years, months, days)
};

// When the first key typed into an untouched box empties it: before the filter sees the key
// (the key then never meets the old text) or after (the filter judges the key against the old
// text, and the box is emptied even when the key is refused).
enum class FilterOrder { EmptyFirst, FilterFirst };

struct NumberBoxRule {
    NumberKind kind = NumberKind::Decimal;
    int decimals = 2;  // decimals allowed after the point; 2 or less means 2
    FilterOrder order = FilterOrder::EmptyFirst;
};

// What the box does with one entry key (a character or Backspace).
struct EntryStep {
    bool emptyBox = false;  // the box is emptied and the window's reset runs
    bool accept = false;    // the key reaches the box
    bool beep = false;      // the key is refused with the system beep
};

// An entry key typed into a number box. `text` is what stays of the box's text when the key
// arrives (selected text, which the key replaces, left out); `untouched` is true while nothing
// has been typed since the box's value was last taken (TypingFlag 0).
EntryStep EntryKey(int key, std::string_view text, bool untouched, const NumberBoxRule& rule);

}  // namespace bw
