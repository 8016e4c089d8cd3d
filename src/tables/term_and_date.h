#pragma once
// The rules of the term and first-payment-date dialogs that need no widget.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bw {

constexpr int kTermOptions = 7;

// "All Years", "1 Year", "2 Years", "3 Years", "4 Years", "5 Years", "10 Years".
std::string TermOptionCaption(int index);
// DisplayTerm for option `index`: 0, 1, 2, 3, 4, 5, 10.
std::int16_t TermForOption(int index);
// The option of a DisplayTerm (10 is option 6); any other value shows "All Years".
int TermOptionForTerm(std::int16_t term);
// "E&xit" of the term dialog refuses a term longer than the period (message 34); a term equal
// to the period is accepted.
inline bool TermTooLong(double periodYears, std::int16_t term) {
    return periodYears < term;
}

// A typed first payment date as FirstPayDate keeps it (the short date text), or nothing when
// the text is not a date ("31/02/2027").
std::optional<std::string> FirstPayDateFromText(std::string_view text);
// What the date box shows for FirstPayDate: the date in the short date form; a stored text that
// is not a date shows as it is.
std::string FirstPayDateBoxText(const std::string& firstPayDate);

}  // namespace bw
