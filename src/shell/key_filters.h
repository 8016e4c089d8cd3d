#pragma once
// Key filters of the number boxes. A key code is the character code of a key press.

#include <cstdint>
#include <string_view>

namespace bw {

constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;
constexpr int kKeyDelete = 127;

struct KeyVerdict {
    int key = 0;        // the key code to use; 0 = refused
    bool beep = false;  // the system beep sounds
};

// Amount and rate boxes. `keyBoxText` is the box's text before the key; `decimalsAllowed` of 2
// or less allows two decimals after the point, 3 or more allows that many.
KeyVerdict DecimalKeyFilter(int key, std::string_view keyBoxText, int decimalsAllowed);

// The one-shot form: a `decimalsAllowed` of 3 or more is used once and reset to 0 when a digit
// after a point used it. Kept for callers that still keep the allowance in the shared state.
KeyVerdict DecimalKeyFilter(int key, std::string_view keyBoxText, std::int16_t& decimalsAllowed);

// Whole-number boxes (years, months, days).
KeyVerdict DigitKeyFilter(int key);

}  // namespace bw
