#pragma once
// Between the affordability window and its calculation: the values the window starts with, the
// solver's input built from the shared state and the window's own values, the result stored
// back, and the texts the number boxes show once they are left. No widget here.

#include <cstddef>
#include <string>
#include <string_view>

#include "afford/affordability_solver.h"
#include "shell/mmodule.h"

namespace bw {

// The four number boxes of the window.
enum class AffordBox { Principal, Rate, Years, Payment };

// The entry of MFValues a box holds.
std::size_t AffordSlot(AffordBox box);

// The box the chosen option solves for (the white one).
AffordBox SolvedBox(AffordSolve solve);

// What the window holds itself: MFValues, the two rates of the last calculation, and what its
// option buttons and lists show.
struct AffordWindowValues {
    AffordSolve solve = AffordSolve::Payment;
    MFValueArray MFValues{};
    std::string compounding = lists::kCompounding[0];
    std::string frequency = lists::kFrequency[0];
    double MFMonthlyRate = 0;
    double MFPeriodRate = 0;
};

// The window opening: the input protocol flags cleared, the days in year back at 365, and the
// window's start values (100,000 at 6.5 % over 25 years, the compounding of the settings).
AffordWindowValues AffordOpen(MMODULE& mm);

// The compounding list entry a DefaultCompounding setting stands for (0 to 4; anything else is
// the monthly entry).
const std::string& AffordCompounding(int defaultCompounding);

// The text a number box shows when the window opens.
std::string AffordStartText(AffordBox box, const std::string& currencySymbol);

// The calculation's input: the window's values with the days in year and currency symbol of the
// shared state.
AffordInput AffordPendingInput(const MMODULE& mm, const AffordWindowValues& own);

// Stores a calculation's result: MFValues and the two rates in the window's values, the
// payment frequency's kind and count in the shared state (left as they were when the lists
// gave no rate).
void StoreAffordResult(const AffordResult& result, AffordWindowValues& own, MMODULE& mm);

// The text of a box once a value was read from it: amounts with the currency symbol in
// "####,,###.00" and whole years in "###", right-aligned to 16; the rate in "###.000"
// right-aligned to 14 and "%". A text longer than its field is shown whole.
std::string AffordBoxText(AffordBox box, double value, const std::string& currencySymbol);

// The years box takes 40 years at most.
constexpr int kAffordYearsLimit = 40;
// True when the number a years box text begins with is over the limit.
bool AffordYearsOverLimit(std::string_view yearsText);

}  // namespace bw
