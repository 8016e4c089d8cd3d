#include "shell/key_filters.h"

#include "shell/number_format.h"

namespace bw {
namespace {

// Whether the allowance of decimals decides over `key`: a digit typed into a text with a point.
bool CountsDecimals(int key, std::string_view keyBoxText) {
    return key >= '0' && key <= '9' && keyBoxText.find('.') != std::string_view::npos;
}

}  // namespace

KeyVerdict DecimalKeyFilter(int key, std::string_view keyBoxText, int decimalsAllowed) {
    if (key == kKeyBackspace || key == kKeyDelete || key == '.') return {key, false};
    if (key < '0' || key > '9') return {0, true};
    if (!CountsDecimals(key, keyBoxText)) return {key, false};
    // Position of the point counted from 1, in characters.
    const std::size_t p = TextLength(keyBoxText.substr(0, keyBoxText.find('.'))) + 1;
    const std::size_t decimals =
        decimalsAllowed >= 3 ? static_cast<std::size_t>(decimalsAllowed) : 2;
    if (TextLength(keyBoxText) < p + decimals) return {key, false};
    return {0, true};
}

KeyVerdict DecimalKeyFilter(int key, std::string_view keyBoxText, std::int16_t& decimalsAllowed) {
    const KeyVerdict verdict = DecimalKeyFilter(key, keyBoxText, int{decimalsAllowed});
    if (decimalsAllowed >= 3 && CountsDecimals(key, keyBoxText)) decimalsAllowed = 0;
    return verdict;
}

KeyVerdict DigitKeyFilter(int key) {
    if (key == kKeyBackspace || key == kKeyDelete || (key >= '0' && key <= '9'))
        return {key, false};
    return {0, true};
}

}  // namespace bw
