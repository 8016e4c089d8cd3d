#include "tables/term_and_date.h"

#include "shell/dates.h"

namespace bw {

namespace {
constexpr std::array<std::int16_t, kTermOptions> kTerms = {0, 1, 2, 3, 4, 5, 10};
}

std::string TermOptionCaption(int index) {
    switch (index) {
        case 0:
            return "All Years";
        case 1:
            return "1 Year";
        case 6:
            return "10 Years";
        default:
            return std::to_string(index) + " Years";
    }
}

std::int16_t TermForOption(int index) {
    return index >= 0 && index < kTermOptions ? kTerms[static_cast<std::size_t>(index)] : 0;
}

int TermOptionForTerm(std::int16_t term) {
    for (int i = 0; i < kTermOptions; ++i)
        if (kTerms[static_cast<std::size_t>(i)] == term) return i;
    return 0;
}

std::optional<std::string> FirstPayDateFromText(std::string_view text) {
    const auto date = ParseDateText(text);
    if (!date) return std::nullopt;
    return ShortDateText(*date);
}

std::string FirstPayDateBoxText(const std::string& firstPayDate) {
    const auto date = ParseDateText(firstPayDate);
    return date ? ShortDateText(*date) : firstPayDate;
}

}  // namespace bw
