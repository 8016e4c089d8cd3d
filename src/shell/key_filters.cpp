#include "shell/key_filters.h"

#include "shell/number_format.h"

namespace bw {

KeyVerdict DecimalKeyFilter(int key, std::string_view keyBoxText, std::int16_t& decimalsAllowed) {
    if (key == kKeyBackspace || key == kKeyDelete || key == '.') return {key, false};
    if (key >= '0' && key <= '9') {
        const auto point = keyBoxText.find('.');
        if (point == std::string_view::npos) return {key, false};
        // Position of the point counted from 1, in characters.
        const std::size_t p = TextLength(keyBoxText.substr(0, point)) + 1;
        std::size_t limit = p + 2;
        if (decimalsAllowed >= 3) {
            limit = p + static_cast<std::size_t>(decimalsAllowed);
            decimalsAllowed = 0;
        }
        if (TextLength(keyBoxText) < limit) return {key, false};
        return {0, true};
    }
    return {0, true};
}

KeyVerdict DigitKeyFilter(int key) {
    if (key == kKeyBackspace || key == kKeyDelete || (key >= '0' && key <= '9'))
        return {key, false};
    return {0, true};
}

}  // namespace bw
